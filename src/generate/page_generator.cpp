// The page writer: each operation opens its page file, writes its lines and closes it
// again, so nothing of a page is held between operations; a run that stages its pages
// hands each operation's lines to its publication instead.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_error.h"
#include "base/messages.h"
#include "base/sjis.h"
#include "generate/address_rules.h"
#include "generate/favorites_source.h"
#include "generate/folder_scan.h"
#include "generate/heading_text.h"
#include "generate/name_href.h"
#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "generate/page_output.h"
#include "generate/page_text.h"
#include "generate/publication.h"
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
// reports the missing path with the platform's own code. The climb collects the missing
// folders first, so no depth of path nests calls.
void CreateMissingFolders(std::string folder) {
  std::vector<std::string> missing;  // innermost first
  for (;;) {
    if (EndsWithBackslash(folder)) folder.pop_back();
    if (folder.size() < 3 || platform::DirectoryExists(folder)) break;
    std::string parent = ExtractFilePath(folder);
    if (parent == folder) break;
    missing.push_back(std::move(folder));
    folder = std::move(parent);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (!platform::CreateFolder(*it)) return;
  }
}

// One list line: an anchor to `href` showing `text`, with `attributes` after the address.
std::string ListItem(const std::string& href, const std::string& text,
                     std::string_view attributes = {}) {
  std::string item = std::string(markup::kItemOpen) + markup::kAnchorOpen + href;
  if (attributes.empty()) {
    item += markup::kAnchorMiddle;
  } else {
    item += markup::kHrefClose;
    item += attributes;
    item += markup::kTagClose;
  }
  return item + text + markup::kAnchorClose + markup::kItemClose;
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

const char* PageGenerator::NavigationTarget() const {
  return state_.SetBlank ? markup::kSelfTarget : "";
}

void PageGenerator::WritePageHead(const std::string& page) { WritePageHead(page, ""); }

void PageGenerator::WritePageHead(const std::string& page, const std::string& folder) {
  // The pending messages may change the settings, and the caller may have passed one of
  // them as `page`: the page path is fixed before they run.
  const std::string path = page;
  progress_.SetProgressText(markup::kProgressPrefix + ExtractFileName(path));
  progress_.ProcessMessages();

  CreatePageFolders(path);
  // A path too long for a page fails before anything is made for it.
  if (path.size() > kMaxPathBytes) throw IoError(io_code::kPathNotFound).AboutPath(path);
  PageOutput file(publication_, path, PageOutput::Mode::kCreate);
  if (Html5()) {
    html5Parts_.erase(path);  // a page written anew has nothing open
    WriteHtml5Head(file, folder);
    file.Close();
    ++stats_.pages;
    return;
  }
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
  if (Html5()) return WriteHtml5Heading(page, folder);
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(markup::kHeadingOpen +
                 PageNameText(source_->FolderHeading(folder), state_.Charset) +
                 markup::kHeadingClose);
  file.Close();
}

void PageGenerator::WriteLinkList(const std::string& page, const std::vector<std::string>& links) {
  WriteShownLinks(page, ShownLinks("", links));
}

std::vector<ShownLink> PageGenerator::ShownLinks(const std::string& folder,
                                                 const std::vector<std::string>& links) {
  std::vector<ShownLink> shown;
  shown.reserve(links.size());
  for (const std::string& link : links) {
    ShownLink item{source_->LinkName(link), source_->LinkUrl(link)};
    if (!state_.ScriptLinks && IsScriptAddress(item.url)) {
      stats_.warnings.push_back({RunWarning::Kind::kScriptLinkLeftOut, std::move(item.name),
                                 folder.empty() ? "" : source_->FolderHeading(folder)});
      continue;
    }
    shown.push_back(std::move(item));
  }
  return shown;
}

// An address reaches the browser as stored: a '"' cannot end the attribute, and an "&"
// that would begin a character reference is written as "&amp;".
std::string PageGenerator::LinkHref(const ShownLink& link) const {
  return EscapeReferenceAmpersands(PageUrlText(link.url, source_->UrlsAreUtf8(), state_.Charset));
}

void PageGenerator::WriteShownLinks(const std::string& page, const std::vector<ShownLink>& links) {
  if (Html5()) return WriteHtml5Links(page, links);
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(markup::kListOpen);
  const PageCharset charset = state_.Charset;
  for (const ShownLink& link : links) {
    file.WriteLine(ListItem(LinkHref(link), PageNameText(link.name, charset)));
    ++stats_.links;
  }
  file.WriteLine(markup::kListClose);
  file.WriteLine("");
  file.Close();
}

std::string PageGenerator::SubPageHrefBase(const std::string& page) const {
  return PageNameText(NameHref(RemoveFileExt(ExtractFileName(page))), state_.Charset);
}

void PageGenerator::WriteSubfolderLinkList(const std::string& page,
                                           const std::vector<std::string>& subfolders) {
  if (Html5()) return WriteHtml5SubPageLinks(page, subfolders);
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(markup::kListOpen);
  const PageCharset charset = state_.Charset;
  const std::string href = SubPageHrefBase(page);
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    file.WriteLine(ListItem(
        href + "_" + std::to_string(i) + markup::kSubPageSuffix,
        PageNameText(markup::kWideOpen + source_->FolderName(subfolders[i]) + markup::kWideClose,
                     charset),
        NavigationTarget()));
  }
  file.WriteLine(markup::kListClose);
  file.WriteLine("");
  file.Close();
}

void PageGenerator::WriteSeparator(const std::string& page) {
  if (Html5()) {
    html5Parts_[page].separatorPending = true;
    return;
  }
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(markup::kSeparator);
  file.Close();
}

// The link names the parent page's own file, whatever its extension: a top page named
// "links.htm" or "links" is then still reached from the pages below it.
void PageGenerator::WriteBackLink(const std::string& page, const std::string& parentPage) {
  if (Html5()) return WriteHtml5BackLink(page, parentPage);
  const PageCharset charset = state_.Charset;
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(ListItem(PageNameText(NameHref(ExtractFileName(parentPage)), charset),
                          PageFixedText(markup::kBackUp, charset), NavigationTarget()));
  file.Close();
}

void PageGenerator::WritePageEnd(const std::string& page) {
  if (Html5()) {
    WriteHtml5End(page);
  } else {
    PageOutput file(publication_, page, PageOutput::Mode::kAppend);
    file.WriteLine(markup::kBodyClose);
    file.WriteLine(markup::kHtmlClose);
    file.Close();
  }
  if (publication_) publication_->PageCompleted(page);
}

}  // namespace favpage
