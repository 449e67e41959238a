// The fixed texts of the HTML5 pages, in one place: lower-case tags, every attribute
// quoted, a viewport line for phones. The names, addresses and user texts between them are
// those of the classic pages.
#pragma once

namespace favpage::markup::html5 {

// Head block.
inline constexpr char kDoctype[] = "<!DOCTYPE html>";
inline constexpr char kHtmlOpen[] = "<html lang=\"ja\">";
inline constexpr char kHeadOpen[] = "<head>";
inline constexpr char kCharsetShiftJis[] = "<meta charset=\"Shift_JIS\">";
inline constexpr char kCharsetUtf8[] = "<meta charset=\"UTF-8\">";
inline constexpr char kViewport[] =
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";
inline constexpr char kGenerator[] =
    "<meta name=\"generator\" content=\"Mirel Favorites Manager - Programmed by Ordan\">";
inline constexpr char kTitleOpen[] = "<title>";
inline constexpr char kTitleClose[] = "</title>";
// Between a sub-page's folder heading and the first title line in its title: " ― " on a
// Shift_JIS page (the dash CP932 has), " — " on a UTF-8 page.
inline constexpr char kTitleJoinShiftJis[] = " \x81\x5C ";
inline constexpr char kTitleJoinUtf8[] = " \xE2\x80\x94 ";
inline constexpr char kBaseBlank[] = "<base target=\"_blank\">";
inline constexpr char kHeadClose[] = "</head>";
inline constexpr char kBodyOpen[] = "<body>";
inline constexpr char kH1Open[] = "<h1>";
inline constexpr char kLineBreak[] = "<br>";
inline constexpr char kH1Close[] = "</h1>";
inline constexpr char kReturnOpen[] = "<p><a href=\"";
inline constexpr char kReturnClose[] = "</a></p>";

// Body blocks.
inline constexpr char kSectionOpen[] = "<section>";
inline constexpr char kSectionClose[] = "</section>";
inline constexpr char kHeadingOpen[] = "\t<h2>";
inline constexpr char kHeadingClose[] = "</h2>";
inline constexpr char kListOpen[] = "\t<ul>";
inline constexpr char kListClose[] = "\t</ul>";
inline constexpr char kItemOpen[] = "\t\t<li>";
inline constexpr char kItemClose[] = "</li>";
inline constexpr char kSubPagesOpen[] = "\t<nav>";
inline constexpr char kSubPagesClose[] = "\t</nav>";
inline constexpr char kBackOpen[] = "<nav>";
inline constexpr char kBackClose[] = "</nav>";
inline constexpr char kAnchorOpen[] = "<a href=\"";
inline constexpr char kAnchorMiddle[] = "\">";
inline constexpr char kAnchorClose[] = "</a>";
inline constexpr char kHrefClose[] = "\"";
inline constexpr char kTagClose[] = ">";
inline constexpr char kSelfTarget[] = " target=\"_self\"";
inline constexpr char kSeparator[] = "<hr>";

// End block.
inline constexpr char kBodyClose[] = "</body>";
inline constexpr char kHtmlClose[] = "</html>";

}  // namespace favpage::markup::html5
