// The Netscape bookmark file: a <DL> per folder, <DT><H3> a folder's title followed by
// its <DL>, <DT><A HREF> a link, <HR> a separator, <DD> a description. Exports leave
// <DT> and <p> unclosed, mix letter cases and quote as they please, so the file is read
// by an HTML tokenizer over the whole text, and only the H3, A and DL elements are looked
// at, in document order. What an HTML parser would never show (comments, scripts, style
// sheets, form fields, templates) is never a bookmark.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "generate/bookmark_readers.h"
#include "generate/html_tokenizer.h"

namespace favpage {
namespace {

using html::TextMode;

constexpr std::string_view kDoctypeName = "netscape-bookmark-file-1";
// The doctype stands at the start of every export: a file without it there is read no
// further.
constexpr std::size_t kDoctypeWindow = 4096;

bool IsHeading(std::string_view name) {
  return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

// Tags that end svg or math content and are HTML again.
bool BreaksOutOfForeignContent(std::string_view name) {
  // clang-format off
  static constexpr std::string_view kNames[] = {
      "b", "big", "blockquote", "body", "br", "center", "code", "dd", "div", "dl", "dt", "em",
      "embed", "h1", "h2", "h3", "h4", "h5", "h6", "head", "hr", "i", "img", "li", "listing",
      "menu", "meta", "nobr", "ol", "p", "pre", "ruby", "s", "small", "span", "strong",
      "strike", "sub", "sup", "table", "tt", "u", "ul", "var"};
  // clang-format on
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\f\r";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

// The part of an HTML parser that decides what is shown, and the bookmark structure
// built from what is.
class ExportReader final : public html::TokenSink {
 public:
  explicit ExportReader(BookmarkTree& tree) : tree_(tree) {}

  // A tag came before the bookmark file's doctype: this is some other HTML.
  bool refused() const { return refused_; }

  BookmarksRead Result(bool wholeMarkup) const {
    if (!sawDoctype_ || refused_) return BookmarksRead::kNotBookmarks;
    // A whole export has its list, ends outside any tag and title, and closes every
    // folder's list; only the outermost list's end may be missing, and then the text does
    // not stop right after a folder's title or before the list's first item.
    if (!wholeMarkup || !sawList_ || capture_ != Capture::kNone) return BookmarksRead::kIncomplete;
    const bool folderOpen =
        std::any_of(open_.begin(), open_.end(), [](const List& list) { return list.folder; });
    const bool cutAtStart = !open_.empty() && tree_.size() == 1;
    return folderOpen || hasPending_ || cutAtStart ? BookmarksRead::kIncomplete
                                                   : BookmarksRead::kRead;
  }

  void Doctype(std::string_view name) override {
    if (sawDoctype_ || refused_) return;
    sawDoctype_ = name == kDoctypeName;
    refused_ = !sawDoctype_;
  }

  TextMode StartTag(const html::Tag& tag) override {
    if (!sawDoctype_) refused_ = true;
    if (refused_) return TextMode::kData;
    const std::string& name = tag.name;
    // The tags of the bookmarks themselves (a, dt, dl, h3, p) are shorter than any tag
    // that changes how the text after it is read.
    if (name.size() <= 2 && !select_ && foreign_ == 0) {
      if (template_ == 0) BookmarkTag(tag);
      return TextMode::kData;
    }
    if (select_) {
      // A select element holds options only: other tags are dropped, and a few end it.
      if (name == "select") {
        select_ = false;
        return TextMode::kData;
      }
      if (name == "script") return TextMode::kScriptData;
      if (name == "template") {
        ++template_;
        return TextMode::kData;
      }
      if (name != "input" && name != "keygen" && name != "textarea") return TextMode::kData;
      select_ = false;
    }
    if (foreign_ > 0) {
      if (!BreaksOutOfForeignContent(name)) {
        if ((name == "svg" || name == "math") && !tag.selfClosing) ++foreign_;
        return TextMode::kData;
      }
      foreign_ = 0;
    }
    if (name == "script") return TextMode::kScriptData;
    if (name == "style" || name == "xmp" || name == "iframe" || name == "noembed" ||
        name == "noframes") {
      return TextMode::kRawtext;
    }
    if (name == "title" || name == "textarea") return TextMode::kRcdata;
    if (name == "plaintext") {
      EndCapture();
      return TextMode::kPlaintext;
    }
    if (name == "select") {
      select_ = true;
    } else if (name == "template") {
      ++template_;
    } else if ((name == "svg" || name == "math") && !tag.selfClosing) {
      foreign_ = 1;
    } else if (template_ == 0) {
      BookmarkTag(tag);
    }
    return TextMode::kData;
  }

  void EndTag(const html::Tag& tag) override {
    if (!sawDoctype_) refused_ = true;
    if (refused_) return;
    const std::string& name = tag.name;
    if (name == "template") {
      if (template_ > 0) --template_;
      return;
    }
    if (select_) {
      if (name == "select") select_ = false;
      return;
    }
    if (foreign_ > 0) {
      if (name == "svg" || name == "math") --foreign_;
      return;
    }
    if (template_ > 0) return;
    if (name == "a") {
      if (capture_ == Capture::kLink) EndCapture();
    } else if (IsHeading(name)) {
      if (capture_ == Capture::kFolder) EndCapture();
    } else if (name == "dl") {
      EndCapture();
      hasPending_ = false;
      if (!open_.empty()) open_.pop_back();
    }
  }

  void Text(std::string_view text) override {
    if (capture_ != Capture::kNone && !select_ && template_ == 0 && foreign_ == 0) {
      captured_.append(text);
    }
  }

  bool CdataAllowed() const override { return foreign_ > 0; }

 private:
  enum class Capture { kNone, kLink, kFolder };
  struct List {
    BookmarkTree::Node node;
    bool folder;  // opened for the folder whose title came before it
  };

  BookmarkTree::Node Current() const {
    return open_.empty() ? BookmarkTree::kTop : open_.back().node;
  }

  void BookmarkTag(const html::Tag& tag) {
    const std::string& name = tag.name;
    if (name == "a") {
      EndCapture();
      hasPending_ = false;
      capture_ = Capture::kLink;
      if (tag.hasHref) {
        href_ = tag.href;
      } else {
        href_.clear();
      }
    } else if (name == "h3") {
      EndCapture();
      capture_ = Capture::kFolder;
    } else if (name == "dl") {
      // The list after a folder's title holds that folder's items; any other list holds
      // more items of the folder it stands in.
      EndCapture();
      open_.push_back(hasPending_ ? List{pending_, true} : List{Current(), false});
      hasPending_ = false;
      sawList_ = true;
    } else if (name == "dt" || name == "hr") {
      EndCapture();
      hasPending_ = false;  // the folder's list did not come: it is an empty folder
    } else if (name == "dd" || IsHeading(name)) {
      EndCapture();
    }
  }

  // A title ends at its end tag, or at the next item where an export left it open.
  void EndCapture() {
    if (capture_ == Capture::kNone) return;
    const std::string_view title = Trimmed(captured_);
    if (capture_ == Capture::kFolder) {
      pending_ = tree_.AddFolder(Current(), title);
      hasPending_ = true;
    } else if (href_.rfind("place:", 0) != 0) {  // Firefox's queries are no addresses
      tree_.AddLink(Current(), title, href_);
    }
    capture_ = Capture::kNone;
    captured_.clear();
    href_.clear();
  }

  BookmarkTree& tree_;
  bool sawDoctype_ = false;
  bool refused_ = false;
  bool sawList_ = false;
  std::vector<List> open_;  // the lists open here, outermost first
  BookmarkTree::Node pending_ = BookmarkTree::kTop;
  bool hasPending_ = false;  // a folder's title came, and its list may follow
  Capture capture_ = Capture::kNone;
  std::string captured_;
  std::string href_;
  // What the parser does not show: inside select, template, and svg or math content.
  bool select_ = false;
  int template_ = 0;
  int foreign_ = 0;
};

}  // namespace

BookmarksRead ReadNetscapeBookmarks(std::istream& in, BookmarkTree& tree, std::size_t blockSize) {
  blockSize = std::max<std::size_t>(blockSize, 1);
  std::string block(blockSize, '\0');
  const auto read = [&](std::size_t wanted) {
    in.read(block.data(), static_cast<std::streamsize>(std::min(wanted, blockSize)));
    return std::string_view(block.data(), static_cast<std::size_t>(in.gcount()));
  };

  std::string head;
  while (head.size() < kDoctypeWindow && in) head += read(kDoctypeWindow - head.size());
  std::string_view text = head;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (UpperAscii(text).find(UpperAscii(kDoctypeName)) == std::string::npos) {
    return BookmarksRead::kNotBookmarks;
  }

  ExportReader reader(tree);
  html::Tokenizer tokenizer(reader);
  for (std::size_t at = 0; at < text.size() && !reader.refused(); at += blockSize) {
    tokenizer.Feed(text.substr(at, blockSize));
  }
  while (in && !reader.refused()) tokenizer.Feed(read(blockSize));
  return reader.Result(tokenizer.Finish());
}

}  // namespace favpage
