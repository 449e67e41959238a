#include "preview/preview_page.h"

#include <iterator>
#include <string_view>

#include "platform/codepage.h"
#include "preview/style_sheet.h"
#include "text/text_file.h"

namespace favpage {
namespace {

constexpr char kPreviewPage[] = "sample.html";
constexpr char kTopTemplate[] = "sample-top.html";
constexpr char kBottomTemplate[] = "sample-bottom.html";
constexpr char kHtml5TopTemplate[] = "sample-html5-top.html";
constexpr char kHtml5BottomTemplate[] = "sample-html5-bottom.html";

// The charset as the content-type line and as the HTML5 charset line name it.
constexpr std::string_view kShiftJisCharsets[] = {"charset=Shift_JIS", "charset=\"Shift_JIS\""};
constexpr std::string_view kUtf8Charsets[] = {"charset=UTF-8", "charset=\"UTF-8\""};

void CopyTemplate(const std::string& path, TextFile& page, PageCharset charset) {
  TextFile part(path, TextMode::kRead);
  if (charset == PageCharset::kShiftJis) {
    CopyTextLines(part, page);
  } else {
    while (!part.Eof()) {
      std::string line = platform::SjisToUtf8(part.ReadLine());
      for (std::size_t i = 0; i < std::size(kShiftJisCharsets); ++i) {
        if (const std::size_t at = line.find(kShiftJisCharsets[i]); at != std::string::npos) {
          line.replace(at, kShiftJisCharsets[i].size(), kUtf8Charsets[i]);
        }
      }
      page.WriteLine(line);
    }
  }
  part.Close();
}

}  // namespace

void BuildPreviewPage(std::int32_t styleType, const std::string& exeFolder, HtmlView& view,
                      PageCharset charset, PageFormat format) {
  const bool html5 = format == PageFormat::kHtml5;
  const std::string pagePath = exeFolder + kPreviewPage;
  {
    // Created before any template is opened: a failure below leaves the page empty or
    // partly written, and the view, never asked to navigate, keeps what it showed.
    TextFile page(pagePath, TextMode::kCreate);
    CopyTemplate(exeFolder + (html5 ? kHtml5TopTemplate : kTopTemplate), page, charset);
    if (styleType > 0) page.WriteLine(StyleSheetLinkLine(styleType, format));
    CopyTemplate(exeFolder + (html5 ? kHtml5BottomTemplate : kBottomTemplate), page, charset);
    page.Close();
  }
  view.Navigate(pagePath);
}

}  // namespace favpage
