// The HTML5 pages: the classic pages' names, addresses and user texts in markup that the
// W3C checker passes and that phones lay out at their own width. Each folder is a section
// with its heading and a list of its links; the tree's own links are navigation.
#include <string>
#include <vector>

#include "generate/name_href.h"
#include "generate/page_generator.h"
#include "generate/page_markup.h"
#include "generate/page_markup_html5.h"
#include "generate/page_output.h"
#include "generate/page_text.h"
#include "generate/publication.h"
#include "preview/style_sheet.h"
#include "text/path_rules.h"
#include "text/text_file.h"

namespace favpage {
namespace {

namespace h5 = markup::html5;

// One list line: an anchor to `href` showing `text`, with `attributes` after the address.
std::string Html5Item(const std::string& href, const std::string& text,
                      std::string_view attributes = {}) {
  return std::string(h5::kItemOpen) + h5::kAnchorOpen + href + h5::kHrefClose +
         std::string(attributes) + h5::kTagClose + text + h5::kAnchorClose + h5::kItemClose;
}

}  // namespace

// The title tells the pages of a tree apart: a sub-page's folder heading, then the first
// title line; the top page keeps the first title line alone. A page without any text for
// its title (the checker refuses an empty one) takes its folder's heading.
void PageGenerator::WriteHtml5Head(PageOutput& file, const std::string& folder) {
  const PageCharset charset = state_.Charset;
  const auto text = [charset](std::string_view sjis) { return PageFixedText(sjis, charset); };
  const int lineCount = titles_.LineCount();
  const std::string firstLine = lineCount > 0 ? text(titles_.Line(0)) : std::string();
  std::string title = firstLine;
  if (!folder.empty() || title.empty()) {
    const std::string heading =
        PageNameText(folder.empty() ? source_->FolderHeading(source_->TopFolder())
                                    : source_->FolderHeading(folder),
                     charset);
    title = firstLine.empty() ? heading
                              : heading +
                                    (charset == PageCharset::kUtf8 ? h5::kTitleJoinUtf8
                                                                   : h5::kTitleJoinShiftJis) +
                                    firstLine;
  }

  file.WriteLine(h5::kDoctype);
  file.WriteLine(h5::kHtmlOpen);
  file.WriteLine(h5::kHeadOpen);
  file.WriteLine(charset == PageCharset::kUtf8 ? h5::kCharsetUtf8 : h5::kCharsetShiftJis);
  file.WriteLine(h5::kViewport);
  file.WriteLine(h5::kGenerator);
  file.WriteLine(h5::kTitleOpen + title + h5::kTitleClose);
  if (state_.SetBlank) file.WriteLine(h5::kBaseBlank);
  if (state_.StyleType > 0) {
    file.WriteLine(StyleSheetLinkLine(state_.StyleType, PageFormat::kHtml5));
  }
  file.WriteLine(h5::kHeadClose);
  file.WriteLine("");
  file.WriteLine(h5::kBodyOpen);
  // The title lines are the user's HTML, each on its own line as on a classic page; an
  // empty heading would be no heading, so none is written without them.
  if (lineCount > 0) {
    file.WriteLine(h5::kH1Open);
    for (int i = 0; i < lineCount; ++i) {
      file.WriteLine(text(titles_.Line(i)) + (i + 1 < lineCount ? h5::kLineBreak : ""));
    }
    file.WriteLine(h5::kH1Close);
  }
  file.WriteLine("");
  if (state_.ReturnFlag) {
    file.WriteLine(h5::kReturnOpen + text(state_.ReturnURL) + h5::kAnchorMiddle +
                   text(state_.ReturnLine) + h5::kReturnClose);
  }
  file.WriteLine("");
}

void PageGenerator::WriteHtml5Heading(const std::string& page, const std::string& folder) {
  Html5Parts& parts = html5Parts_[page];
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  if (parts.sectionOpen) file.WriteLine(h5::kSectionClose);
  if (parts.separatorPending) file.WriteLine(h5::kSeparator);
  file.WriteLine(h5::kSectionOpen);
  file.WriteLine(h5::kHeadingOpen + PageNameText(source_->FolderHeading(folder), state_.Charset) +
                 h5::kHeadingClose);
  file.Close();
  parts = {true, false};
}

void PageGenerator::WriteHtml5Links(const std::string& page, const std::vector<ShownLink>& links) {
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(h5::kListOpen);
  for (const ShownLink& link : links) {
    file.WriteLine(Html5Item(LinkHref(link), PageNameText(link.name, state_.Charset)));
    ++stats_.links;
  }
  file.WriteLine(h5::kListClose);
  file.WriteLine("");
  file.Close();
}

void PageGenerator::WriteHtml5SubPageLinks(const std::string& page,
                                           const std::vector<std::string>& subfolders) {
  const PageCharset charset = state_.Charset;
  const std::string href = SubPageHrefBase(page);
  const char* target = Html5NavigationTarget();
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(h5::kSubPagesOpen);
  file.WriteLine(h5::kListOpen);
  for (std::size_t i = 0; i < subfolders.size(); ++i) {
    file.WriteLine(Html5Item(
        href + "_" + std::to_string(i) + markup::kSubPageSuffix,
        PageNameText(markup::kWideOpen + source_->FolderName(subfolders[i]) + markup::kWideClose,
                     charset),
        target));
  }
  file.WriteLine(h5::kListClose);
  file.WriteLine(h5::kSubPagesClose);
  file.WriteLine("");
  file.Close();
}

void PageGenerator::WriteHtml5BackLink(const std::string& page, const std::string& parentPage) {
  const PageCharset charset = state_.Charset;
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  file.WriteLine(h5::kBackOpen + std::string(h5::kAnchorOpen) +
                 PageNameText(NameHref(ExtractFileName(parentPage)), charset) + h5::kHrefClose +
                 Html5NavigationTarget() + h5::kTagClose + PageFixedText(markup::kBackUp, charset) +
                 h5::kAnchorClose + h5::kBackClose);
  file.Close();
}

void PageGenerator::WriteHtml5End(const std::string& page) {
  const auto parts = html5Parts_.find(page);
  const bool sectionOpen = parts != html5Parts_.end() && parts->second.sectionOpen;
  PageOutput file(publication_, page, PageOutput::Mode::kAppend);
  if (sectionOpen) file.WriteLine(h5::kSectionClose);
  file.WriteLine(h5::kBodyClose);
  file.WriteLine(h5::kHtmlClose);
  file.Close();
  if (parts != html5Parts_.end()) html5Parts_.erase(parts);
}

const char* PageGenerator::Html5NavigationTarget() const {
  return state_.SetBlank ? h5::kSelfTarget : "";
}

}  // namespace favpage
