// The events of a JSON text as our scanner reports them and as nlohmann-json's strict
// parser reports them, in one notation, so the tests and the fuzz target can require that
// both agree.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "generate/json_scanner.h"

namespace favpage::test {

using Json = nlohmann::json;

struct JsonVerdict {
  bool whole = false;
  std::vector<std::string> events;
  bool operator==(const JsonVerdict&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const JsonVerdict& v) {
  out << (v.whole ? "whole:" : "refused:");
  for (const std::string& e : v.events) out << ' ' << e;
  return out;
}

class ScanRecord : public json::Events {
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

// What the scanner makes of `text`, read in blocks of `blockSize`, recorded by `Record`.
template <class Record = ScanRecord>
JsonVerdict ScannedJson(const std::string& text, std::size_t blockSize) {
  std::istringstream in(text);
  Record record;
  JsonVerdict v;
  v.whole = json::Scan(in, record, blockSize);
  if (v.whole) v.events = std::move(record.events);
  return v;
}

inline JsonVerdict ParsedJson(const std::string& text) {
  std::istringstream in(text);
  ParserRecord record;
  JsonVerdict v;
  v.whole = Json::sax_parse(in, &record);
  if (v.whole) v.events = std::move(record.events);
  return v;
}

}  // namespace favpage::test
