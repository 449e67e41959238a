// The page writer: each operation opens its page file, writes its lines and closes it
// again, so nothing of a page is held between operations.
#include <string>
#include <string_view>
#include <vector>

#include "generate/folder_scan.h"
#include "generate/heading_text.h"
#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "platform/folders.h"
#include "preview/style_sheet.h"
#include "text/io_error.h"
#include "text/messages.h"
#include "text/path_rules.h"
#include "text/sjis.h"
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

std::string ListItem(const std::string& href, const std::string& text) {
  return std::string(markup::kItemOpen) + markup::kAnchorOpen + href + markup::kAnchorMiddle +
         text + markup::kAnchorClose + markup::kItemClose;
}

}  // namespace

PageGenerator::PageGenerator(const SettingsState& state, const TitleLines& titles,
                             Progress& progress)
    : state_(state), titles_(titles), progress_(progress) {}

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
  const int lineCount = titles_.LineCount();
  file.WriteLine(markup::kDoctype);
  file.WriteLine(markup::kHtmlOpen);
  file.WriteLine(markup::kHeadOpen);
  file.WriteLine(markup::kContentType);
  file.WriteLine(markup::kGenerator);
  file.WriteLine(markup::kTitleOpen + (lineCount > 0 ? titles_.Line(0) : std::string()) +
                 markup::kTitleClose);
  if (state_.StyleType > 0) file.WriteLine(StyleSheetLinkLine(state_.StyleType));
  if (state_.SetBlank) file.WriteLine(markup::kBaseBlank);
  file.WriteLine(markup::kHeadClose);
  file.WriteLine("");
  file.WriteLine(markup::kBodyOpen);
  file.WriteLine(markup::kH1Open);
  for (int i = 0; i < lineCount; ++i) file.WriteLine(titles_.Line(i) + markup::kLineBreak);
  file.WriteLine(markup::kH1Close);
  file.WriteLine("");
  if (state_.ReturnFlag) {
    file.WriteLine(markup::kReturnOpen + state_.ReturnURL + markup::kAnchorMiddle +
                   state_.ReturnLine + markup::kReturnClose);
  }
  file.WriteLine("");
  file.Close();
  ++stats_.pages;
}

void PageGenerator::WriteFolderHeading(const std::string& page, const std::string& folder) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kHeadingOpen + HeadingText(state_.FavoritePath, folder) +
                 markup::kHeadingClose);
  file.Close();
}

void PageGenerator::WriteLinkList(const std::string& page,
                                  const std::vector<std::string>& shortcuts) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kListOpen);
  for (const std::string& shortcut : shortcuts) {
    file.WriteLine(ListItem(ReadShortcutURL(shortcut), RemoveFileExt(ExtractFileName(shortcut))));
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
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    file.WriteLine(
        ListItem(pageBase + "_" + std::to_string(i) + markup::kSubPageSuffix,
                 markup::kWideOpen + ExtractFileName(subfolders[i]) + markup::kWideClose));
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
void PageGenerator::WriteBackLink(const std::string& page, const std::string& parentPage) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(ListItem(ExtractFileName(parentPage), markup::kBackUp));
  file.Close();
}

void PageGenerator::WritePageEnd(const std::string& page) {
  TextFile file(page, TextMode::kAppend);
  file.WriteLine(markup::kBodyClose);
  file.WriteLine(markup::kHtmlClose);
  file.Close();
}

}  // namespace favpage
