#include "preview/preview_page.h"

#include <string_view>

#include "platform/codepage.h"
#include "preview/style_sheet.h"
#include "text/text_file.h"

namespace favpage {
namespace {

constexpr char kPreviewPage[] = "sample.html";
constexpr char kTopTemplate[] = "sample-top.html";
constexpr char kBottomTemplate[] = "sample-bottom.html";

constexpr std::string_view kShiftJisCharset = "charset=Shift_JIS";
constexpr std::string_view kUtf8Charset = "charset=UTF-8";

void CopyTemplate(const std::string& path, TextFile& page, PageCharset charset) {
  TextFile part(path, TextMode::kRead);
  if (charset == PageCharset::kShiftJis) {
    CopyTextLines(part, page);
  } else {
    while (!part.Eof()) {
      std::string line = platform::SjisToUtf8(part.ReadLine());
      if (const std::size_t at = line.find(kShiftJisCharset); at != std::string::npos) {
        line.replace(at, kShiftJisCharset.size(), kUtf8Charset);
      }
      page.WriteLine(line);
    }
  }
  part.Close();
}

}  // namespace

void BuildPreviewPage(std::int32_t styleType, const std::string& exeFolder, HtmlView& view,
                      PageCharset charset) {
  const std::string pagePath = exeFolder + kPreviewPage;
  {
    // Created before any template is opened: a failure below leaves the page empty or
    // partly written, and the view, never asked to navigate, keeps what it showed.
    TextFile page(pagePath, TextMode::kCreate);
    CopyTemplate(exeFolder + kTopTemplate, page, charset);
    if (styleType > 0) page.WriteLine(StyleSheetLinkLine(styleType));
    CopyTemplate(exeFolder + kBottomTemplate, page, charset);
    page.Close();
  }
  view.Navigate(pagePath);
}

}  // namespace favpage
