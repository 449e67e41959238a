// The JSON scanner against nlohmann-json's strict parser: both must agree on whether an
// input is one whole JSON text and, when it is, report the same events and strings,
// whatever the block size the scanner reads with.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "generate/json_scanner.h"

namespace {

using Json = nlohmann::json;

class ScanRecord : public favpage::json::Events {
 public:
  std::vector<std::string> events;
  void StartObject() override { events.push_back("{"); }
  void EndObject() override { events.push_back("}"); }
  void StartArray() override { events.push_back("["); }
  void EndArray() override { events.push_back("]"); }
  void Key(std::string& key) override { events.push_back("k:" + key); }
  bool WantString() override { return true; }
  void String(std::string& value) override { events.push_back("s:" + value); }
  void Scalar() override { events.push_back("v"); }
};

class ParserRecord : public nlohmann::json_sax<Json> {
 public:
  std::vector<std::string> events;
  bool start_object(std::size_t) override { return Add("{"); }
  bool end_object() override { return Add("}"); }
  bool start_array(std::size_t) override { return Add("["); }
  bool end_array() override { return Add("]"); }
  bool key(string_t& key) override { return Add("k:" + key); }
  bool string(string_t& value) override { return Add("s:" + value); }
  bool null() override { return Add("v"); }
  bool boolean(bool) override { return Add("v"); }
  bool number_integer(number_integer_t) override { return Add("v"); }
  bool number_unsigned(number_unsigned_t) override { return Add("v"); }
  bool number_float(number_float_t, const string_t&) override { return Add("v"); }
  bool binary(binary_t&) override { return Add("v"); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

 private:
  bool Add(std::string event) {
    events.push_back(std::move(event));
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream parserIn(bytes);
  ParserRecord parsed;
  const bool parserWhole = Json::sax_parse(parserIn, &parsed);
  // The block size from the input's length, so every size from 1 to 16 is tried.
  for (const std::size_t block : {std::size_t{1} + size % 16, favpage::json::kScanBlockSize}) {
    std::istringstream in(bytes);
    ScanRecord scanned;
    const bool whole = favpage::json::Scan(in, scanned, block);
    FUZZ_CHECK(whole == parserWhole);
    if (whole) FUZZ_CHECK(scanned.events == parsed.events);
  }
  return 0;
}
