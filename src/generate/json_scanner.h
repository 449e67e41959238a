// A streaming scanner of one JSON text (RFC 8259), read a block at a time. It checks
// every byte as a strict parser does but builds nothing: it reports the document's
// structure as events and decodes a string value only where its reader asks for it, so a
// file whose bulk is strings nobody keeps (ids, dates, meta data) costs a scan, not a copy.
// Containers are kept on the heap, so any depth of nesting costs memory, not stack.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace favpage::json {

// What a scan reports, in document order.
class Events {
 public:
  virtual ~Events() = default;
  virtual void StartObject() = 0;
  virtual void EndObject() = 0;
  virtual void StartArray() = 0;
  virtual void EndArray() = 0;
  // An object's member name, decoded; its value's events follow.
  virtual void Key(std::string& key) = 0;
  // Whether the string value about to be scanned is needed; only then is it decoded and
  // handed to String.
  virtual bool WantString() = 0;
  virtual void String(std::string& value) = 0;
  // A number, true, false or null.
  virtual void Scalar() = 0;
};

inline constexpr std::size_t kScanBlockSize = 64 * 1024;

// True when the stream holds exactly one JSON text and blanks, after an optional UTF-8
// byte order mark: strings of well-formed UTF-8 with paired surrogate escapes, numbers
// that fit a double. A NUL byte after the text ends the stream. Events stop at the first
// fault.
bool Scan(std::istream& in, Events& events, std::size_t blockSize = kScanBlockSize);

}  // namespace favpage::json
