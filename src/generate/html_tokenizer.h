// A streaming HTML tokenizer after the HTML parsing rules, for reading bookmark exports.
// Bytes go in a block at a time, of any size: the tokens that come out never depend on
// where a block ends, and only the tag being read is held, never the document.
//
// Comments, bogus comments ("<?...>", "<!x...>", CDATA outside svg and math), and the
// text of elements read as raw text or RCDATA (script, style, title, textarea, ...) are
// skipped as an HTML parser skips them; which elements those are is the sink's answer to
// each start tag, since it is the parser, not the tokenizer, that decides. Character
// references are decoded by the HTML rules (html_references.h). Line ends are LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "generate/html_references.h"

namespace favpage::html {

// How the text after a start tag is read.
enum class TextMode {
  kData,        // markup
  kRcdata,      // text up to the element's end tag (title, textarea)
  kRawtext,     // the same, without references (style, xmp, iframe, noembed, noframes)
  kScriptData,  // script, with its escaping rules for "<!--" and nested "<script"
  kPlaintext,   // everything to the end of the input
};

struct Tag {
  bool end = false;
  bool selfClosing = false;
  // Lower case; empty when longer than any name the reader looks for.
  std::string name;
  // For a start tag named "a": whether it has an href attribute, and the first one's
  // value with its references decoded. Other attributes are read past, never kept.
  bool hasHref = false;
  std::string href;
};

class TokenSink {
 public:
  virtual ~TokenSink() = default;
  // A <!DOCTYPE ...> declaration; `name` lower case.
  virtual void Doctype(std::string_view name) = 0;
  // Answers how the text after the tag is read.
  virtual TextMode StartTag(const Tag& tag) = 0;
  virtual void EndTag(const Tag& tag) = 0;
  // Text between tags, UTF-8 as the input holds it, references decoded, NULs left out.
  // One run of text may arrive in several pieces.
  virtual void Text(std::string_view text) = 0;
  // Whether "<![CDATA[" opens a CDATA section here (inside svg or math); elsewhere it is a
  // bogus comment that ends at the first ">".
  virtual bool CdataAllowed() const = 0;
};

class Tokenizer {
 public:
  enum class State : std::uint8_t;  // the tokenizer's own

  explicit Tokenizer(TokenSink& sink) : sink_(sink) {}

  void Feed(std::string_view bytes);
  // The end of the input. False when it ends inside markup: in a tag, a comment, a
  // declaration, or an element whose text runs to its end tag (a cut-off document).
  bool Finish();

 private:
  void Step(char c);
  bool TextStep(char c);
  bool ScriptStep(char c);
  bool TagStep(char c);
  bool MarkupStep(char c);
  bool ReferenceStep(char c);
  void ResolveNamedReference(int following);
  void StartReference(State returnTo);
  void AppendReferenceText(std::string_view text);
  void AppendReferenceCodePoint(char32_t codePoint);
  void NewTag(bool end);
  void AppendTagName(char c);
  void NewAttribute();
  void EndAttributeName();
  void AppendAttributeValue(char c);
  void EmitTag();
  bool IsAppropriateEndTag() const;
  void FlushText();

  TokenSink& sink_;
  State state_{};
  State returnState_{};        // where a character reference goes back to
  State textState_{};          // the text an end tag that is not the element's own goes back to
  bool skipLineFeed_ = false;  // the last byte was CR: a LF right after it is the same end

  std::string text_;  // text not yet handed to the sink

  Tag tag_;
  bool tagNameTooLong_ = false;
  std::string lastStartTag_;  // the element whose end tag ends raw text or RCDATA
  std::string attributeName_;
  bool attributeNameTooLong_ = false;
  bool keepValue_ = false;  // the attribute value being read is the tag's href

  std::string declaration_;  // what follows "<!" while it may still be "--", "DOCTYPE" or "[CDATA["
  std::string doctype_;
  std::string scriptBuffer_;  // the letters after "<" in escaped script data

  std::string reference_;  // the reference being read, from its "&"
  NamedReferenceMatcher matcher_;
  std::size_t referenceMatch_ = 0;  // the length of the longest name matched so far
  char32_t referenceCodePoint_ = 0;
  std::uint32_t referenceValue_ = 0;
};

}  // namespace favpage::html
