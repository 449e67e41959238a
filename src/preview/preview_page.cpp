#include "preview/preview_page.h"

#include "preview/style_sheet.h"
#include "text/text_file.h"

namespace favpage {
namespace {

constexpr char kPreviewPage[] = "sample.html";
constexpr char kTopTemplate[] = "sample-top.html";
constexpr char kBottomTemplate[] = "sample-bottom.html";

void CopyTemplate(const std::string& path, TextFile& page) {
  TextFile part(path, TextMode::kRead);
  CopyTextLines(part, page);
  part.Close();
}

}  // namespace

void BuildPreviewPage(std::int32_t styleType, const std::string& exeFolder, HtmlView& view) {
  const std::string pagePath = exeFolder + kPreviewPage;
  {
    // Created before any template is opened: a failure below leaves the page empty or
    // partly written, and the view, never asked to navigate, keeps what it showed.
    TextFile page(pagePath, TextMode::kCreate);
    CopyTemplate(exeFolder + kTopTemplate, page);
    if (styleType > 0) page.WriteLine(StyleSheetLinkLine(styleType));
    CopyTemplate(exeFolder + kBottomTemplate, page);
    page.Close();
  }
  view.Navigate(pagePath);
}

}  // namespace favpage
