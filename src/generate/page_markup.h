// The fixed texts of the link pages, in one place. Every page the generator writes is
// assembled from these pieces and the user's own texts, byte for byte (Shift_JIS).
#pragma once

namespace favpage::markup {

// Head block.
inline constexpr char kDoctype[] =
    "<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
inline constexpr char kHtmlOpen[] = "<HTML lang=\"ja-JP\">";
inline constexpr char kHeadOpen[] = "<HEAD>";
inline constexpr char kContentType[] =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">";
inline constexpr char kContentTypeUtf8[] =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">";
inline constexpr char kGenerator[] =
    "<META NAME=\"GENERATOR\" CONTENT=\"Mirel Favorites Manager - Programmed by Ordan\">";
inline constexpr char kTitleOpen[] = "<TITLE>";
inline constexpr char kTitleClose[] = "</TITLE>";
inline constexpr char kBaseBlank[] = "<BASE TARGET=\"_blank\">";
inline constexpr char kHeadClose[] = "</HEAD>";
inline constexpr char kBodyOpen[] = "<BODY>";
inline constexpr char kH1Open[] = "<H1>";
inline constexpr char kLineBreak[] = "<BR>";
inline constexpr char kH1Close[] = "</H1>";
inline constexpr char kReturnOpen[] = "<p><A HREF=\"";
inline constexpr char kReturnClose[] = "</A></p>";

// Body blocks.
inline constexpr char kHeadingOpen[] = "\t<H2>";
inline constexpr char kHeadingClose[] = "</H2>";
inline constexpr char kTopPage[] =
    "\x83\x67\x83\x62\x83\x76\x83\x79\x81\x5B\x83\x57";  // トップページ
inline constexpr char kHeadingJoin[] = " > ";
inline constexpr char kListOpen[] = "\t<DL>";
inline constexpr char kListClose[] = "\t</DL>";
inline constexpr char kItemOpen[] = "\t\t<DD>";
inline constexpr char kItemClose[] = "</DD>";
inline constexpr char kAnchorOpen[] = "<A HREF=\"";
inline constexpr char kAnchorMiddle[] = "\">";
inline constexpr char kAnchorClose[] = "</A>";
// Between a link's address and its text when the anchor carries a further attribute: the
// address's closing quote, the attribute, then the tag's end.
inline constexpr char kHrefClose[] = "\"";
inline constexpr char kTagClose[] = ">";
// The tree's own links (sub-pages, back links) open in the page's window even where the
// base target opens the others in a new one.
inline constexpr char kSelfTarget[] = " TARGET=\"_self\"";
inline constexpr char kSubPageSuffix[] = ".html";
inline constexpr char kWideOpen[] = "\x81\x83";   // ＜
inline constexpr char kWideClose[] = "\x81\x84";  // ＞
inline constexpr char kBackUp[] =                 // ＜上に戻る＞
    "\x81\x83\x8F\xE3\x82\xC9\x96\xDF\x82\xE9\x81\x84";
inline constexpr char kSeparator[] = "<HR>";

// End block.
inline constexpr char kBodyClose[] = "</BODY>";
inline constexpr char kHtmlClose[] = "</HTML>";

// The progress text that the page head shows before the page's file name.
inline constexpr char kProgressPrefix[] = "Output link file ... ";

}  // namespace favpage::markup
