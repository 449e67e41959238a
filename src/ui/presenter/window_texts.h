// Every text the window shows of its own, as UTF-16 source text, for every face of the
// window. The core's texts (messages, settings) are Shift_JIS and are converted where they
// reach a control.
#pragma once

namespace favpage::ui {
namespace str {

// The application title: the task bar's name and the caption of the default error display.
inline constexpr char16_t kApplicationTitle[] = u"Mirel Favorites Manager";
inline constexpr char16_t kMainCaption[] = u"Mirel-Favorite Manager";

// Fonts: the face the layout names, and the installed face that stands in for it.
inline constexpr char16_t kLayoutFace[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kSubstituteFace[] = u"IPAPGothic";
// Where the layout's face is missing on Windows (an installation without the Japanese
// supplemental fonts, or Wine), the first of these that is installed.
inline constexpr const char16_t* kWindowsSubstituteFaces[] = {
    u"MS PGothic", kSubstituteFace, u"Yu Gothic UI", u"Meiryo UI", u"MS UI Gothic"};

// Tool bar buttons (the same captions as their menus) and menu items.
inline constexpr char16_t kFileMenu[] = u"ﾌｧｲﾙ(&F)";
inline constexpr char16_t kRunMenu[] = u"実行(&R)";
inline constexpr char16_t kHelpMenu[] = u"ﾍﾙﾌﾟ(&H)";
inline constexpr char16_t kSourceItem[] = u"読み込み元を選択(&S)...";
inline constexpr char16_t kExitItem[] = u"終了(&X)";
inline constexpr char16_t kConvertItem[] = u"HTTPﾌｧｲﾙへ変換(&C)";
inline constexpr char16_t kOpenInBrowserItem[] = u"ブラウザで開く(&B)";
inline constexpr char16_t kAboutItem[] = u"ﾊﾞｰｼﾞｮﾝ情報(&V)";
// Checked: the pages are written as HTML5, for phones and today's checkers.
inline constexpr char16_t kHtml5Item[] = u"HTML5で出力(&5)";

// Group boxes; the blanks around the captions are part of the layout.
inline constexpr char16_t kFavoritesGroup[] = u"  「お気に入り」のディレクトリ ";
inline constexpr char16_t kOutTypeGroup[] = u" 出力タイプ ";
inline constexpr char16_t kTitleGroup[] = u" タイトル ";
inline constexpr char16_t kReturnGroup[] = u" 戻り先URL ";
inline constexpr char16_t kFileNameGroup[] = u" ファイル名 ";
inline constexpr char16_t kStyleGroup[] = u"スタイル設定";

// Controls.
inline constexpr char16_t kFavoriteDirLaidOut[] = u"FavoriteDir";
inline constexpr char16_t kOnePage[] = u"１ページにまとめる";
inline constexpr char16_t kPerFolder[] = u"フォルダごとに階層化";
inline constexpr char16_t kShowReturn[] = u"表示する";
inline constexpr char16_t kReturnUrlLabel[] = u"URL";
inline constexpr char16_t kReturnLineLabel[] = u"表示";
inline constexpr char16_t kBrowse[] = u"参照";
inline constexpr char16_t kCreate[] = u"作成";
inline constexpr char16_t kNoStyle[] = u"スタイルなし";
inline constexpr char16_t kStyle0[] = u"Style-0";
inline constexpr char16_t kStyle1[] = u"Style-1";
inline constexpr char16_t kStyle2[] = u"Style-2";
inline constexpr char16_t kBlankTarget[] = u"targetを_blankにする";
inline constexpr char16_t kUtf8Pages[] = u"UTF-8で出力";

// The source chooser and its file-open dialog.
inline constexpr char16_t kSourceCaption[] = u"読み込み元の選択";
inline constexpr char16_t kOk[] = u"OK";
inline constexpr char16_t kCancel[] = u"キャンセル";
// The file-open dialog's two filters: bookmark files, then every file. Each face writes
// them in its dialog's own filter syntax.
inline constexpr char16_t kBookmarksFilterName[] = u"ブックマーク";
inline constexpr char16_t kBookmarksPatterns[] = u"*.html *.htm Bookmarks places.sqlite";
inline constexpr char16_t kAllFilesName[] = u"すべてのファイル";
// The chooser's two lists, and the caption of its folder dialog.
inline constexpr char16_t kSourceListLabel[] = u"読み込み元(&S):";
inline constexpr char16_t kFolderTreeLabel[] = u"出力するフォルダ(&F):";
inline constexpr char16_t kFavoritesFolderCaption[] = u"お気に入りフォルダを選択";

// The browse dialog's one filter (its display text and its pattern) and default suffix.
inline constexpr char16_t kHtmlFilter[] = u"HTML文書 (*.html)";
inline constexpr char16_t kHtmlPattern[] = u"*.html";
inline constexpr char16_t kHtmlSuffix[] = u"html";

// The style preview pane, in place of the preview when the system's HTML view is missing.
inline constexpr char16_t kPreviewUnavailable[] = u"プレビューを表示できません";

// The status bar after a run: the pages (of them the ones already up to date), the links,
// the run's seconds, then the top page after the separator; and what opening the top page
// in the browser reports when the host cannot.
inline constexpr char16_t kStatusPagesFormat[] = u"%s ページを書き出しました";
inline constexpr char16_t kStatusUnchangedFormat[] = u" (うち %s は変更なし)";
inline constexpr char16_t kStatusLinksFormat[] = u"・%s リンク";
inline constexpr char16_t kStatusSecondsFormat[] = u"・%s 秒";
inline constexpr char16_t kStatusPathSeparator[] = u" — ";
inline constexpr char16_t kCannotOpenFormat[] = u"%s をブラウザで開けませんでした";

// The progress window.
inline constexpr char16_t kWorkingCaption[] = u"Working";
inline constexpr char16_t kWorkingInitialText[] = u"Output link file";

// The About box of the main window.
inline constexpr char16_t kAboutAppName[] = u"Mirel Favorite Manager";
inline constexpr char16_t kAboutCaption[] = u"ﾊﾞｰｼﾞｮﾝ情報";
inline constexpr char16_t kAboutClose[] = u"閉じる";
// The version line: the program's version and the day it was built, in the Japanese era
// calendar (AboutVersionLine).
inline constexpr char16_t kAboutVersionFormat[] = u"★ﾊﾞｰｼﾞｮﾝ %s 【%s】";
inline constexpr char16_t kReiwa[] = u"令和";
inline constexpr char16_t kHeisei[] = u"平成";
inline constexpr char16_t kShowa[] = u"昭和";
inline constexpr char16_t kFirstYear[] = u"元";
inline constexpr char16_t kDateFormat[] = u"%s%s年%s月%s日（%s）";
inline constexpr const char16_t* kWeekdays[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
inline constexpr char16_t kAboutMemo[] = u"Programmed by the favpage developers";

// The application icon, beside the executable.
inline constexpr char16_t kIconFile[] = u"favpage.png";

}  // namespace str
}  // namespace favpage::ui
