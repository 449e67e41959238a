// The page writer: each operation opens its page file, writes its lines and closes it
// again, so nothing of a page is held between operations.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"
#include "base/sjis.h"
#include "generate/favorites_source.h"
#include "generate/folder_scan.h"
#include "generate/heading_text.h"
#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "generate/page_text.h"
#include "platform/folders.h"
#include "platform/name_mapping.h"
#include "preview/style_sheet.h"
#include "text/path_rules.h"
#include "text/text_file.h"

namespace favpage {
namespace {

bool EndsWithBackslash(std::string_view text) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
  return last != std::string_view::npos && CharLength(text, last) == 1 && text[last] == '\\';
}

// Creates the missing folders of `folder`, outermost first. A root, an existing folder or
// a folder that cannot be created ends the climb quietly: creating the page file then
// reports the missing path with the platform's own code.
bool CreateMissingFolders(std::string folder) {
  if (EndsWithBackslash(folder)) folder.pop_back();
  if (folder.size() < 3 || platform::DirectoryExists(folder)) return true;
  const std::string parent = ExtractFilePath(folder);
  if (parent == folder) return true;
  return CreateMissingFolders(parent) && platform::CreateFolder(folder);
}

void AppendPercent(std::string& out, unsigned char byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out += '%';
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xF];
}

// A link to a page named after a file: the browser must reach that very file. It would
// read a "\" as "/", drop tabs and line ends, take "a:b_0.html" for a URL scheme and
// "%", "#", "?" (or "&" beginning an entity) as URL or HTML syntax, so those are
// percent-encoded, whether plain or held as a reference; a raw-byte reference becomes
// that byte. Every other character stays, and the browser resolves it as the file's name.
std::string NameHref(std::string_view name) {
  std::string href;
  href.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    char32_t cp = 0;
    if (const std::size_t length = platform::ParseNameReference(name, i, cp)) {
      if (cp < 0x80) {
        AppendPercent(href, static_cast<unsigned char>(cp));
      } else if (cp >= platform::kRawByteBase + 0x80 && cp <= platform::kRawByteBase + 0xFF) {
        AppendPercent(href, static_cast<unsigned char>(cp - platform::kRawByteBase));
      } else {
        href.append(name.substr(i, length));
      }
      i += length;
      continue;
    }
    const std::size_t length = CharLength(name, i);
    const char c = name[i];
    if (length == 1 && (c == '%' || c == '#' || c == '?' || c == '&')) {
      AppendPercent(href, static_cast<unsigned char>(c));
    } else {
      href.append(name.substr(i, length));
    }
    i += length;
  }
  return href;
}

std::string ListItem(const std::string& href, const std::string& text) {
  return std::string(markup::kItemOpen) + markup::kAnchorOpen + href + markup::kAnchorMiddle +
         text + markup::kAnchorClose + markup::kItemClose;
}

}  // namespace

PageGenerator::PageGenerator(const SettingsState& state, const TitleLines& titles,
                             Progress& progress)
    : state_(state),
      titles_(titles),
      progress_(progress),
      favorites_(std::make_unique<FavoritesSource>(state.FavoritePath)),
      source_(favorites_.get()) {}

PageGenerator::PageGenerator(const SettingsState& state, const TitleLines& titles,
                             Progress& progress, const LinkSource& source)
    : state_(state), titles_(titles), progress_(progress), source_(&source) {}

void PageGenerator::CreatePageFolders(const std::string& page) {
  const std::string folder = ExtractFileDir(page);
  if (folder.empty()) {
    throw IoError(io_code::kPathNotFound, msg::kCannotCreateFolder).AboutPath(page);
  }
  CreateMissingFolders(folder);
}

void PageGenerator::WritePageHead(const std::string& page) {
  // The pending messages may change the settings, and the caller may have passed one of
  // them as `page`: the page path is fixed before they run.
  const std::string path = page;
  progress_.SetProgressText(markup::kProgressPrefix + ExtractFileName(path));
  progress_.ProcessMessages();

  CreatePageFolders(path);
  TextFile file(path, TextMode::kCreate);
  const PageCharset charset = state_.Charset;
  const auto text = [charset](std::string_view sjis) { return PageFixedText(sjis, charset); };
  const int lineCount = titles_.LineCount();
  file.WriteLine(markup::kDoctype);
  file.WriteLine(markup::kHtmlOpen);
  file.WriteLine(markup::kHeadOpen);
  file.WriteLine(charset == PageCharset::kUtf8 ? markup::kContentTypeUtf8 : markup::kContentType);
  file.WriteLine(markup::kGenerator);
  file.WriteLine(markup::kTitleOpen + (lineCount > 0 ? text(titles_.Line(0)) : std::string()) +
                 markup::kTitleClose);
  if (state_.StyleType > 0) file.WriteLine(StyleSheetLinkLine(state_.StyleType));
  if (state_.SetBlank) file.WriteLine(markup::kBaseBlank);
  file.WriteLine(markup::kHeadClose);
  file.WriteLine("");
  file.WriteLine(markup::kBodyOpen);
  file.WriteLine(markup::kH1Open);
  for (int i = 0; i < lineCount; ++i) file.WriteLine(text(titles_.Line(i)) + markup::kLineBreak);
  file.WriteLine(markup::kH1Close);
  file.WriteLine("");
  if (state_.ReturnFlag) {
    file.WriteLine(markup::kReturnOpen + text(state_.ReturnURL) + markup::kAnchorMiddle +
                   text(state_.ReturnLine) + markup::kReturnClose);
  }
  file.WriteLine("");
  file.Close();
  ++stats_.pages;
}

void PageGenerator::WriteFolderHeading(const std::string& page, const std::string& folder) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kHeadingOpen +
                 PageNameText(source_->FolderHeading(folder), state_.Charset) +
                 markup::kHeadingClose);
  file.Close();
}

void PageGenerator::WriteLinkList(const std::string& page, const std::vector<std::string>& links) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kListOpen);
  const PageCharset charset = state_.Charset;
  for (const std::string& link : links) {
    file.WriteLine(ListItem(PageUrlText(source_->LinkUrl(link), source_->UrlsAreUtf8(), charset),
                            PageNameText(source_->LinkName(link), charset)));
    ++stats_.links;
  }
  file.WriteLine(markup::kListClose);
  file.WriteLine("");
  file.Close();
}

void PageGenerator::WriteSubfolderLinkList(const std::string& page,
                                           const std::vector<std::string>& subfolders) {
  const std::string pageBase = RemoveFileExt(ExtractFileName(page));
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kListOpen);
  const PageCharset charset = state_.Charset;
  const std::string href = PageNameText(NameHref(pageBase), charset);
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    file.WriteLine(ListItem(
        href + "_" + std::to_string(i) + markup::kSubPageSuffix,
        PageNameText(markup::kWideOpen + source_->FolderName(subfolders[i]) + markup::kWideClose,
                     charset)));
  }
  file.WriteLine(markup::kListClose);
  file.WriteLine("");
  file.Close();
}

void PageGenerator::WriteSeparator(const std::string& page) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kSeparator);
  file.Close();
}

// The link names the parent page's own file, whatever its extension: a top page named
// "links.htm" or "links" is then still reached from the pages below it.
void PageGenerator::WriteBackLink(const std::string& page, const std::string& parentPage,
                                  PageCharset charset) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(ListItem(PageNameText(NameHref(ExtractFileName(parentPage)), charset),
                          PageFixedText(markup::kBackUp, charset)));
  file.Close();
}

void PageGenerator::WritePageEnd(const std::string& page) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kBodyClose);
  file.WriteLine(markup::kHtmlClose);
  file.Close();
}

}  // namespace favpage
