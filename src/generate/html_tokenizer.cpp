#include "generate/html_tokenizer.h"

#include <algorithm>
#include <cstring>

#include "base/utf8.h"
#include "generate/html_references.h"

namespace favpage::html {

// The tokenizer's states, named as the HTML parsing rules name them, in the groups that
// Step hands to one function each. Raw text and RCDATA share their end tag states
// (textState_ says which text they return to), and so do script data and escaped script
// data.
enum class Tokenizer::State : std::uint8_t {
  kData,
  kRcdata,
  kRawtext,
  kScriptData,
  kPlaintext,
  kTagOpen,
  kEndTagOpen,
  kTextLessThan,
  kTextEndTagOpen,
  kTextEndTagName,
  kScriptLessThan,
  kScriptEscapeStart,
  kScriptEscapeStartDash,
  kScriptEscaped,
  kScriptEscapedDash,
  kScriptEscapedDashDash,
  kScriptEscapedLessThan,
  kScriptDoubleEscapeStart,
  kScriptDoubleEscaped,
  kScriptDoubleEscapedDash,
  kScriptDoubleEscapedDashDash,
  kScriptDoubleEscapedLessThan,
  kScriptDoubleEscapeEnd,
  kTagName,
  kBeforeAttributeName,
  kAttributeName,
  kAfterAttributeName,
  kBeforeAttributeValue,
  kAttributeValueDouble,
  kAttributeValueSingle,
  kAttributeValueUnquoted,
  kAfterAttributeValueQuoted,
  kSelfClosingStartTag,
  kMarkupDeclarationOpen,
  kBogusComment,
  kCommentStart,
  kCommentStartDash,
  kComment,
  kCommentEndDash,
  kCommentEnd,
  kCommentEndBang,
  kDoctype,
  kCdataSection,
  kCdataBracket,
  kCdataEnd,
  kCharacterReference,
  kNamedReference,
  kNumericReference,
  kHexadecimalStart,
  kDecimalStart,
  kHexadecimal,
  kDecimal,
};

namespace {

using State = Tokenizer::State;

// Longer names are names the reader never looks for; they are not kept.
constexpr std::size_t kLongestTagName = 16;
constexpr std::size_t kLongestAttributeName = 8;
constexpr std::size_t kLongestDoctype = 64;
constexpr std::uint32_t kPastUnicode = 0x110000;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsWhitespace(char c) { return c == '\t' || c == '\n' || c == '\f' || c == ' '; }
bool IsAlpha(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsAlnum(int c) { return IsAlpha(c) || IsDigit(c); }
bool IsHexDigit(int c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::uint32_t DigitValue(char c) {
  if (IsDigit(c)) return static_cast<std::uint32_t>(c - '0');
  return static_cast<std::uint32_t>(Lower(c) - 'a' + 10);
}

bool IsReferenceState(State state) { return state >= State::kCharacterReference; }

// The references that most exports write (in every address with a query, and in titles),
// with their ";". No longer name of the table begins with one of them, so what the
// matcher would make of them is known: their character.
struct CommonReference {
  std::string_view written;
  char character;
};
constexpr CommonReference kCommonReferences[] = {
    {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}};

// Past the common reference at `at` (a "&") whose bytes are all before `end`, with its
// character appended to `out`; `at` itself for any other.
const char* SkipCommonReference(const char* at, const char* end, std::string& out) {
  const auto available = static_cast<std::size_t>(end - at);
  for (const CommonReference& common : kCommonReferences) {
    if (available >= common.written.size() &&
        std::string_view(at, common.written.size()) == common.written) {
      out += common.character;
      return at + common.written.size();
    }
  }
  return at;
}

// The doctype's name: its first word.
std::string DoctypeName(std::string_view declaration) {
  const std::size_t start = declaration.find_first_not_of("\t\n\f ");
  if (start == std::string_view::npos) return {};
  const std::size_t end = declaration.find_first_of("\t\n\f ", start);
  std::string name(declaration.substr(start, end - start));
  std::transform(name.begin(), name.end(), name.begin(), Lower);
  return name;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

}  // namespace

void Tokenizer::Feed(std::string_view bytes) {
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at < end) {
    if (!skipLineFeed_) {
      // Runs of bytes that change nothing but the text, in the states that hold most of
      // a file, go in one step. A CR matters only where text is kept.
      const char* run = at;
      const auto until = [&](auto stop) {
        while (run < end && !stop(*run)) ++run;
      };
      switch (state_) {
        case State::kData:
          until([](char c) { return c == '<' || c == '&' || c == '\r' || c == '\0'; });
          text_.append(at, run);
          if (run < end && *run == '&') run = SkipCommonReference(run, end, text_);
          break;
        case State::kAttributeValueDouble:
        case State::kAttributeValueSingle: {
          const char quote = state_ == State::kAttributeValueDouble ? '"' : '\'';
          if (!keepValue_) {
            // A value never kept (an icon's data can be kilobytes) is passed over, not
            // looked at byte by byte: only its closing quote matters.
            const void* closing = std::memchr(at, quote, static_cast<std::size_t>(end - at));
            run = closing != nullptr ? static_cast<const char*>(closing) : end;
          } else {
            until([quote](char c) { return c == quote || c == '&' || c == '\r' || c == '\0'; });
            tag_.href.append(at, run);
            if (run < end && *run == '&') run = SkipCommonReference(run, end, tag_.href);
          }
          break;
        }
        case State::kComment:
          until([](char c) { return c == '-'; });
          break;
        case State::kBogusComment:
          until([](char c) { return c == '>'; });
          break;
        case State::kRcdata:
        case State::kRawtext:
        case State::kScriptData:
          until([](char c) { return c == '<'; });
          break;
        case State::kScriptEscaped:
        case State::kScriptDoubleEscaped:
          until([](char c) { return c == '<' || c == '-'; });
          break;
        case State::kPlaintext:
          run = end;
          break;
        case State::kTagName:
          until([](char c) {
            return IsWhitespace(c) || c == '/' || c == '>' || c == '\r' || c == '\0';
          });
          for (const char* letter = at; letter < run; ++letter) AppendTagName(*letter);
          break;
        case State::kAttributeName:
          until([](char c) {
            return IsWhitespace(c) || c == '/' || c == '>' || c == '=' || c == '\r' || c == '\0';
          });
          for (const char* letter = at; letter < run; ++letter) {
            if (attributeName_.size() == kLongestAttributeName) {
              attributeNameTooLong_ = true;
            } else {
              attributeName_ += Lower(*letter);
            }
          }
          break;
        case State::kBeforeAttributeName:
        case State::kAfterAttributeName:
        case State::kBeforeAttributeValue:
          until([](char c) { return !IsWhitespace(c); });
          break;
        default:
          break;
      }
      if (run != at) {
        at = run;
        continue;
      }
    }
    char c = *at++;
    // CR LF and a lone CR are one LF, as the parser's input stream makes them.
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (c == '\n') continue;
    }
    if (c == '\r') {
      c = '\n';
      skipLineFeed_ = true;
    }
    Step(c);
  }
  FlushText();
}

bool Tokenizer::Finish() {
  if (IsReferenceState(state_)) {
    switch (state_) {
      case State::kCharacterReference:
      case State::kNumericReference:
      case State::kHexadecimalStart:
      case State::kDecimalStart:
        AppendReferenceText(reference_);
        state_ = returnState_;
        break;
      case State::kNamedReference:
        ResolveNamedReference(-1);
        break;
      default:
        state_ = returnState_;
        AppendReferenceCodePoint(NumericReferenceCodePoint(referenceValue_));
        break;
    }
  }
  FlushText();
  return state_ == State::kData || state_ == State::kPlaintext;
}

void Tokenizer::Step(char c) {
  // Each state's step either consumes `c` (true) or moves to a state that reads it again.
  for (;;) {
    bool consumed = false;
    if (state_ <= State::kTextEndTagName) {
      consumed = TextStep(c);
    } else if (state_ <= State::kScriptDoubleEscapeEnd) {
      consumed = ScriptStep(c);
    } else if (state_ <= State::kSelfClosingStartTag) {
      consumed = TagStep(c);
    } else if (state_ <= State::kCdataEnd) {
      consumed = MarkupStep(c);
    } else {
      consumed = ReferenceStep(c);
    }
    if (consumed) return;
  }
}

// Markup and the text of raw text, RCDATA and script elements up to where a tag begins;
// raw text, RCDATA and script data end only at the element's own end tag.
bool Tokenizer::TextStep(char c) {
  switch (state_) {
    case State::kData:
      if (c == '<') {
        state_ = State::kTagOpen;
      } else if (c == '&') {
        StartReference(State::kData);
      } else if (c != '\0') {
        text_ += c;
      }
      return true;
    case State::kRcdata:
    case State::kRawtext:
      // The text of these elements is never part of a bookmark: it is not kept.
      if (c == '<') {
        textState_ = state_;
        state_ = State::kTextLessThan;
      }
      return true;
    case State::kPlaintext:
      return true;
    case State::kScriptData:
      if (c == '<') state_ = State::kScriptLessThan;
      return true;
    case State::kTagOpen:
      if (c == '!') {
        declaration_.clear();
        state_ = State::kMarkupDeclarationOpen;
        return true;
      }
      if (c == '/') {
        state_ = State::kEndTagOpen;
        return true;
      }
      if (IsAlpha(c)) {
        NewTag(false);
        state_ = State::kTagName;
        return false;
      }
      if (c == '?') {
        state_ = State::kBogusComment;
        return false;
      }
      text_ += '<';
      state_ = State::kData;
      return false;
    case State::kEndTagOpen:
      if (IsAlpha(c)) {
        NewTag(true);
        state_ = State::kTagName;
        return false;
      }
      if (c == '>') {
        state_ = State::kData;
        return true;
      }
      state_ = State::kBogusComment;
      return false;
    case State::kTextLessThan:
      if (c == '/') {
        state_ = State::kTextEndTagOpen;
        return true;
      }
      state_ = textState_;
      return false;
    case State::kTextEndTagOpen:
      if (IsAlpha(c)) {
        NewTag(true);
        state_ = State::kTextEndTagName;
        return false;
      }
      state_ = textState_;
      return false;
    case State::kTextEndTagName:
      if ((IsWhitespace(c) || c == '/' || c == '>') && IsAppropriateEndTag()) {
        if (c == '>') {
          EmitTag();
        } else {
          state_ = c == '/' ? State::kSelfClosingStartTag : State::kBeforeAttributeName;
        }
        return true;
      }
      if (IsAlpha(c)) {
        AppendTagName(c);
        return true;
      }
      state_ = textState_;
      return false;
    default:
      return true;
  }
}

// Script data: "<!--" escapes it, and inside that a "<script" nests one more level in
// which "</script>" does not end the element.
bool Tokenizer::ScriptStep(char c) {
  switch (state_) {
    case State::kScriptLessThan:
      if (c == '/') {
        textState_ = State::kScriptData;
        state_ = State::kTextEndTagOpen;
        return true;
      }
      if (c == '!') {
        state_ = State::kScriptEscapeStart;
        return true;
      }
      state_ = State::kScriptData;
      return false;
    case State::kScriptEscapeStart:
    case State::kScriptEscapeStartDash:
      if (c == '-') {
        state_ = state_ == State::kScriptEscapeStart ? State::kScriptEscapeStartDash
                                                     : State::kScriptEscapedDashDash;
        return true;
      }
      state_ = State::kScriptData;
      return false;
    case State::kScriptEscaped:
    case State::kScriptEscapedDash:
    case State::kScriptEscapedDashDash:
      if (c == '-') {
        state_ = state_ == State::kScriptEscaped ? State::kScriptEscapedDash
                                                 : State::kScriptEscapedDashDash;
      } else if (c == '<') {
        state_ = State::kScriptEscapedLessThan;
      } else if (c == '>' && state_ == State::kScriptEscapedDashDash) {
        state_ = State::kScriptData;
      } else {
        state_ = State::kScriptEscaped;
      }
      return true;
    case State::kScriptEscapedLessThan:
      if (c == '/') {
        textState_ = State::kScriptEscaped;
        state_ = State::kTextEndTagOpen;
        return true;
      }
      if (IsAlpha(c)) {
        scriptBuffer_.clear();
        state_ = State::kScriptDoubleEscapeStart;
        return false;
      }
      state_ = State::kScriptEscaped;
      return false;
    case State::kScriptDoubleEscapeStart:
    case State::kScriptDoubleEscapeEnd: {
      const bool start = state_ == State::kScriptDoubleEscapeStart;
      if (IsWhitespace(c) || c == '/' || c == '>') {
        const bool script = scriptBuffer_ == "script";
        state_ = script == start ? State::kScriptDoubleEscaped : State::kScriptEscaped;
        return true;
      }
      if (IsAlpha(c)) {
        if (scriptBuffer_.size() < 8) scriptBuffer_ += Lower(c);
        return true;
      }
      state_ = start ? State::kScriptEscaped : State::kScriptDoubleEscaped;
      return false;
    }
    case State::kScriptDoubleEscaped:
    case State::kScriptDoubleEscapedDash:
    case State::kScriptDoubleEscapedDashDash:
      if (c == '-') {
        state_ = state_ == State::kScriptDoubleEscaped ? State::kScriptDoubleEscapedDash
                                                       : State::kScriptDoubleEscapedDashDash;
      } else if (c == '<') {
        state_ = State::kScriptDoubleEscapedLessThan;
      } else if (c == '>' && state_ == State::kScriptDoubleEscapedDashDash) {
        state_ = State::kScriptData;
      } else {
        state_ = State::kScriptDoubleEscaped;
      }
      return true;
    case State::kScriptDoubleEscapedLessThan:
      if (c == '/') {
        scriptBuffer_.clear();
        state_ = State::kScriptDoubleEscapeEnd;
        return true;
      }
      state_ = State::kScriptDoubleEscaped;
      return false;
    default:
      return true;
  }
}

// A tag's name and attributes.
bool Tokenizer::TagStep(char c) {
  switch (state_) {
    case State::kTagName:
      if (IsWhitespace(c)) {
        state_ = State::kBeforeAttributeName;
      } else if (c == '/') {
        state_ = State::kSelfClosingStartTag;
      } else if (c == '>') {
        EmitTag();
      } else {
        AppendTagName(c);
      }
      return true;
    case State::kBeforeAttributeName:
      if (IsWhitespace(c)) return true;
      if (c == '/' || c == '>') {
        state_ = State::kAfterAttributeName;
        return false;
      }
      NewAttribute();
      state_ = State::kAttributeName;
      if (c == '=') {
        attributeName_ = "=";
        return true;
      }
      return false;
    case State::kAttributeName:
      if (IsWhitespace(c) || c == '/' || c == '>') {
        EndAttributeName();
        state_ = State::kAfterAttributeName;
        return false;
      }
      if (c == '=') {
        EndAttributeName();
        state_ = State::kBeforeAttributeValue;
        return true;
      }
      if (c == '\0' || attributeName_.size() == kLongestAttributeName) {
        attributeNameTooLong_ = true;
      } else {
        attributeName_ += Lower(c);
      }
      return true;
    case State::kAfterAttributeName:
      if (IsWhitespace(c)) return true;
      if (c == '/') {
        state_ = State::kSelfClosingStartTag;
      } else if (c == '=') {
        state_ = State::kBeforeAttributeValue;
      } else if (c == '>') {
        EmitTag();
      } else {
        NewAttribute();
        state_ = State::kAttributeName;
        return false;
      }
      return true;
    case State::kBeforeAttributeValue:
      if (IsWhitespace(c)) return true;
      if (c == '"') {
        state_ = State::kAttributeValueDouble;
      } else if (c == '\'') {
        state_ = State::kAttributeValueSingle;
      } else if (c == '>') {
        EmitTag();
      } else {
        state_ = State::kAttributeValueUnquoted;
        return false;
      }
      return true;
    case State::kAttributeValueDouble:
    case State::kAttributeValueSingle:
      if (c == (state_ == State::kAttributeValueDouble ? '"' : '\'')) {
        state_ = State::kAfterAttributeValueQuoted;
      } else if (c == '&' && keepValue_) {
        StartReference(state_);
      } else {
        AppendAttributeValue(c);
      }
      return true;
    case State::kAttributeValueUnquoted:
      if (IsWhitespace(c)) {
        state_ = State::kBeforeAttributeName;
      } else if (c == '&' && keepValue_) {
        StartReference(state_);
      } else if (c == '>') {
        EmitTag();
      } else {
        AppendAttributeValue(c);
      }
      return true;
    case State::kAfterAttributeValueQuoted:
      if (IsWhitespace(c)) {
        state_ = State::kBeforeAttributeName;
      } else if (c == '/') {
        state_ = State::kSelfClosingStartTag;
      } else if (c == '>') {
        EmitTag();
      } else {
        state_ = State::kBeforeAttributeName;
        return false;
      }
      return true;
    case State::kSelfClosingStartTag:
      if (c == '>') {
        tag_.selfClosing = true;
        EmitTag();
        return true;
      }
      state_ = State::kBeforeAttributeName;
      return false;
    default:
      return true;
  }
}

// What begins with "<!" or "<?": comments, the doctype, CDATA sections, bogus comments.
bool Tokenizer::MarkupStep(char c) {
  switch (state_) {
    case State::kMarkupDeclarationOpen: {
      // What follows "<!" decides: "--" a comment, "DOCTYPE" in any case a doctype,
      // "[CDATA[" a CDATA section where the sink allows one; anything else is a bogus
      // comment, which the characters read so far (none of them ">") begin.
      declaration_ += c;
      const std::string_view read = declaration_;
      if (std::string_view("--").starts_with(read)) {
        if (read.size() == 2) state_ = State::kCommentStart;
        return true;
      }
      if (StartsWithNoCase("DOCTYPE", read)) {
        if (read.size() == 7) {
          doctype_.clear();
          state_ = State::kDoctype;
        }
        return true;
      }
      if (std::string_view("[CDATA[").starts_with(read)) {
        if (read.size() == 7) {
          state_ = sink_.CdataAllowed() ? State::kCdataSection : State::kBogusComment;
        }
        return true;
      }
      state_ = State::kBogusComment;
      return false;
    }
    case State::kBogusComment:
      if (c == '>') state_ = State::kData;
      return true;
    case State::kCommentStart:
    case State::kCommentStartDash:
      if (c == '-') {
        state_ = state_ == State::kCommentStart ? State::kCommentStartDash : State::kCommentEnd;
        return true;
      }
      if (c == '>') {  // "<!-->" and "<!--->" are whole comments
        state_ = State::kData;
        return true;
      }
      state_ = State::kComment;
      return false;
    case State::kComment:
      if (c == '-') state_ = State::kCommentEndDash;
      return true;
    case State::kCommentEndDash:
      state_ = c == '-' ? State::kCommentEnd : State::kComment;
      return true;
    case State::kCommentEnd:
      if (c == '>') {
        state_ = State::kData;
      } else if (c == '!') {
        state_ = State::kCommentEndBang;
      } else if (c != '-') {
        state_ = State::kComment;
      }
      return true;
    case State::kCommentEndBang:
      if (c == '-') {
        state_ = State::kCommentEndDash;
      } else {
        state_ = c == '>' ? State::kData : State::kComment;
      }
      return true;
    case State::kDoctype:
      // A doctype ends at its first ">", even one inside quotes.
      if (c == '>') {
        FlushText();
        sink_.Doctype(DoctypeName(doctype_));
        state_ = State::kData;
      } else if (doctype_.size() < kLongestDoctype) {
        doctype_ += c;
      }
      return true;
    case State::kCdataSection:
      if (c == ']') {
        state_ = State::kCdataBracket;
      } else if (c != '\0') {
        text_ += c;
      }
      return true;
    case State::kCdataBracket:
      if (c == ']') {
        state_ = State::kCdataEnd;
        return true;
      }
      text_ += ']';
      state_ = State::kCdataSection;
      return false;
    case State::kCdataEnd:
      if (c == ']') {
        text_ += ']';
        return true;
      }
      if (c == '>') {
        state_ = State::kData;
        return true;
      }
      text_ += "]]";
      state_ = State::kCdataSection;
      return false;
    default:
      return true;
  }
}

void Tokenizer::StartReference(State returnTo) {
  returnState_ = returnTo;
  reference_ = "&";
  matcher_.Reset();
  referenceMatch_ = 0;
  referenceValue_ = 0;
  state_ = State::kCharacterReference;
}

// One character of a reference; false when the reference ended before `c`, which the
// state it returned to reads again.
bool Tokenizer::ReferenceStep(char c) {
  switch (state_) {
    case State::kCharacterReference:
      if (IsAlnum(c)) {
        state_ = State::kNamedReference;
        return ReferenceStep(c);
      }
      if (c == '#') {
        reference_ += c;
        state_ = State::kNumericReference;
        return true;
      }
      AppendReferenceText(reference_);
      state_ = returnState_;
      return false;
    case State::kNamedReference:
      // The longest name of the table wins; the characters read past it are text again.
      if ((IsAlnum(c) || c == ';') && matcher_.Add(c)) {
        reference_ += c;
        if (const char32_t codePoint = matcher_.CodePoint(); codePoint != 0) {
          referenceMatch_ = matcher_.length();
          referenceCodePoint_ = codePoint;
        }
        if (c == ';') ResolveNamedReference(-1);  // no name goes on after its ";"
        return true;
      }
      ResolveNamedReference(static_cast<unsigned char>(c));
      return false;
    case State::kNumericReference:
      if (c == 'x' || c == 'X') {
        reference_ += c;
        state_ = State::kHexadecimalStart;
        return true;
      }
      state_ = State::kDecimalStart;
      return ReferenceStep(c);
    case State::kHexadecimalStart:
    case State::kDecimalStart: {
      const bool hexadecimal = state_ == State::kHexadecimalStart;
      if (hexadecimal ? IsHexDigit(c) : IsDigit(c)) {
        state_ = hexadecimal ? State::kHexadecimal : State::kDecimal;
        return ReferenceStep(c);
      }
      AppendReferenceText(reference_);  // "&#" or "&#x" without digits is text
      state_ = returnState_;
      return false;
    }
    case State::kHexadecimal:
    case State::kDecimal: {
      const bool hexadecimal = state_ == State::kHexadecimal;
      if (hexadecimal ? IsHexDigit(c) : IsDigit(c)) {
        referenceValue_ =
            std::min(referenceValue_ * (hexadecimal ? 16 : 10) + DigitValue(c), kPastUnicode);
        return true;
      }
      state_ = returnState_;
      AppendReferenceCodePoint(NumericReferenceCodePoint(referenceValue_));
      return c == ';';  // the ";" belongs to the reference; it may be left out
    }
    default:
      return true;
  }
}

// Ends a named reference; `following` is the character after what was read (-1: none).
void Tokenizer::ResolveNamedReference(int following) {
  state_ = returnState_;
  if (referenceMatch_ == 0) {
    AppendReferenceText(reference_);
    return;
  }
  const std::string_view matched = std::string_view(reference_).substr(1, referenceMatch_);
  const std::string_view rest = std::string_view(reference_).substr(1 + referenceMatch_);
  const int next = rest.empty() ? following : static_cast<unsigned char>(rest.front());
  // In an attribute, a legacy name without ";" that runs on into a letter, a digit or "="
  // is part of the value as written ("?a=1&copy=2").
  if (returnState_ != State::kData && matched.back() != ';' && (next == '=' || IsAlnum(next))) {
    AppendReferenceText(reference_);
    return;
  }
  AppendReferenceCodePoint(referenceCodePoint_);
  AppendReferenceText(rest);
}

void Tokenizer::AppendReferenceText(std::string_view text) {
  (returnState_ == State::kData ? text_ : tag_.href).append(text);
}

void Tokenizer::AppendReferenceCodePoint(char32_t codePoint) {
  AppendUtf8(returnState_ == State::kData ? text_ : tag_.href, codePoint);
}

void Tokenizer::NewTag(bool end) {
  // The strings keep their memory from tag to tag.
  tag_.end = end;
  tag_.selfClosing = false;
  tag_.name.clear();
  tag_.hasHref = false;
  tag_.href.clear();
  tagNameTooLong_ = false;
  keepValue_ = false;
}

void Tokenizer::AppendTagName(char c) {
  if (c == '\0' || tag_.name.size() == kLongestTagName) {
    tagNameTooLong_ = true;
  } else {
    tag_.name += Lower(c);
  }
}

void Tokenizer::NewAttribute() {
  attributeName_.clear();
  attributeNameTooLong_ = false;
  keepValue_ = false;
}

// Only the first href of an "a" start tag is kept; a later one is dropped, as the parser
// drops every repeated attribute.
void Tokenizer::EndAttributeName() {
  keepValue_ = !tag_.end && !tagNameTooLong_ && tag_.name == "a" && !attributeNameTooLong_ &&
               attributeName_ == "href" && !tag_.hasHref;
  if (keepValue_) tag_.hasHref = true;
}

void Tokenizer::AppendAttributeValue(char c) {
  if (!keepValue_) return;
  if (c == '\0') {
    tag_.href += kReplacement;
  } else {
    tag_.href += c;
  }
}

void Tokenizer::EmitTag() {
  FlushText();
  if (tagNameTooLong_) tag_.name.clear();
  if (tag_.end) {
    sink_.EndTag(tag_);
    state_ = State::kData;
    return;
  }
  const TextMode mode = sink_.StartTag(tag_);
  lastStartTag_ = tag_.name;
  switch (mode) {
    case TextMode::kData:
      state_ = State::kData;
      break;
    case TextMode::kRcdata:
      state_ = State::kRcdata;
      break;
    case TextMode::kRawtext:
      state_ = State::kRawtext;
      break;
    case TextMode::kScriptData:
      state_ = State::kScriptData;
      break;
    case TextMode::kPlaintext:
      state_ = State::kPlaintext;
      break;
  }
}

bool Tokenizer::IsAppropriateEndTag() const {
  return !tagNameTooLong_ && !lastStartTag_.empty() && tag_.name == lastStartTag_;
}

void Tokenizer::FlushText() {
  if (text_.empty()) return;
  sink_.Text(text_);
  text_.clear();
}

}  // namespace favpage::html
