// The system's texts in both of its languages, one row each: the Japanese as the Shift_JIS
// bytes the core writes, throws and the window shows, and the English that favpage-cli
// gives instead when its run speaks English. Nothing is translated anywhere else.
//
// A new text is one more row of FAVPAGE_TEXTS, printed by
//   scripts/message_row.py kName 'ファイルが見つかりません' 'file not found'
// The row makes the constant msg::kName (the Japanese bytes, used as before) and enters
// the text in kTextTable, through which favpage-cli turns it, or a message made from it,
// into the run's language. "%s" (and "%d" for a number) mark the values a text takes, in
// the same order in both languages. The English is ASCII.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace favpage::msg {

// clang-format off
#define FAVPAGE_TEXTS(ROW) \
  /* The input/output error's messages, chosen by its code. */ \
  ROW(kFileNotFound, /* ファイルが見つかりません */ \
      "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9" \
      "\x82\xF1", \
      "file not found") \
  ROW(kInvalidFileName, /* ファイル名の指定が間違っています */ \
      "\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC\x82\xCC\x8E\x77\x92\xE8\x82\xAA\x8A\xD4\x88\xE1" \
      "\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82\xB7", \
      "invalid file name or path") \
  ROW(kTooManyOpenFiles, /* オープンしたファイルが多すぎます */ \
      "\x83\x49\x81\x5B\x83\x76\x83\x93\x82\xB5\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA" \
      "\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7", \
      "too many open files") \
  ROW(kAccessDenied, /* ファイルへのアクセスが拒否されました */ \
      "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xD6\x82\xCC\x83\x41\x83\x4E\x83\x5A\x83\x58\x82\xAA" \
      "\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD", \
      "access denied") \
  ROW(kReadBeyondEnd, /* ファイルの末尾以降を読み込みました */ \
      "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x96\x96\x94\xF6\x88\xC8\x8D\x7E\x82\xF0\x93\xC7" \
      "\x82\xDD\x8D\x9E\x82\xDD\x82\xDC\x82\xB5\x82\xBD", \
      "read beyond the end of the file") \
  ROW(kDiskFull, /* ディスクがいっぱいです */ \
      "\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xC5\x82\xB7", \
      "disk full") \
  ROW(kNotNumeric, /* 入力値が数値ではありません */ \
      "\x93\xFC\x97\xCD\x92\x6C\x82\xAA\x90\x94\x92\x6C\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC" \
      "\x82\xB9\x82\xF1", \
      "not a number") \
  ROW(kIoErrorFormat, /* I/O エラー (%d) */ \
      "I/O \x83\x47\x83\x89\x81\x5B (%d)", \
      "I/O error (%d)") \
  /* The page head's folder creation found no folder in the page path. */ \
  ROW(kCannotCreateFolder, /* ディレクトリを作成できません */ \
      "\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB" \
      "\x82\xDC\x82\xB9\x82\xF1", \
      "cannot create the folder") \
  /* The generation command's empty-name confirmation, and its caption. */ \
  ROW(kNoOutputName, /* 出力するﾌｧｲﾙ名を指定して下さい. */ \
      "\x8F\x6F\x97\xCD\x82\xB7\x82\xE9\xCC\xA7\xB2\xD9\x96\xBC\x82\xF0\x8E\x77\x92\xE8\x82\xB5" \
      "\x82\xC4\x89\xBA\x82\xB3\x82\xA2.", \
      "no output file given (--out FILE)") \
  ROW(kConfirmCaption, /* 確認 */ \
      "\x8A\x6D\x94\x46", \
      "confirmation") \
  /* Start-up: the favorites folder could not be located; the error caption. */ \
  ROW(kFavoritesNotFound, /* お気に入りが見つかりませんでした. */ \
      "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC" \
      "\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD.", \
      "favorites folder not found") \
  ROW(kErrorCaption, /* エラー */ \
      "\x83\x47\x83\x89\x81\x5B", \
      "error") \
  /* The settings file refused a write; %s: the file's full path. */ \
  ROW(kCannotWriteFormat, /* %s に書き込めません */ \
      "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1", \
      "cannot write %s") \
  /* The title file could not be created; %s: the file's full path, then the host's reason. */ \
  ROW(kCannotCreateFileFormat, /* ファイル "%s". %s を作成できません */ \
      "\x83\x74\x83\x40\x83\x43\x83\x8B \x22%s\x22. %s \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB" \
      "\x82\xDC\x82\xB9\x82\xF1", \
      "cannot create file \"%s\": %s") \
  ROW(kStreamWriteError, /* ストリームへの書き込みエラー */ \
      "\x83\x58\x83\x67\x83\x8A\x81\x5B\x83\x80\x82\xD6\x82\xCC\x8F\x91\x82\xAB\x8D\x9E\x82\xDD" \
      "\x83\x47\x83\x89\x81\x5B", \
      "stream write error") \
  /* Link sources: a file no reader knows, one cut off or without its roots, a Firefox database without SQLite, a build without the readers, a browser without bookmarks (%s: its name, then the profile). */ \
  ROW(kNotBookmarksFile, /* ブックマークファイルではありません */ \
      "\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B\x83\x4E\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC5" \
      "\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "not a bookmarks file") \
  ROW(kNotCompleteBookmarksFile, /* 完全なブックマークファイルではありません */ \
      "\x8A\xAE\x91\x53\x82\xC8\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B\x83\x4E\x83\x74\x83\x40" \
      "\x83\x43\x83\x8B\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "not a complete bookmarks file") \
  ROW(kNoSqlite, /* このシステムには SQLite (winsqlite3.dll) がありません */ \
      "\x82\xB1\x82\xCC\x83\x56\x83\x58\x83\x65\x83\x80\x82\xC9\x82\xCD SQLite (winsqlite3.dll) " \
      "\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "this system has no SQLite (winsqlite3.dll)") \
  ROW(kNoBookmarkReaders, /* このビルドはブックマークファイルを読めません */ \
      "\x82\xB1\x82\xCC\x83\x72\x83\x8B\x83\x68\x82\xCD\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B" \
      "\x83\x4E\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x93\xC7\x82\xDF\x82\xDC\x82\xB9\x82\xF1", \
      "bookmark files cannot be read by this build") \
  ROW(kNoBrowserBookmarksFormat, /* このユーザーの %s のブックマークが見つかりません */ \
      "\x82\xB1\x82\xCC\x83\x86\x81\x5B\x83\x55\x81\x5B\x82\xCC %s \x82\xCC\x83\x75\x83\x62" \
      "\x83\x4E\x83\x7D\x81\x5B\x83\x4E\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9" \
      "\x82\xF1", \
      "no bookmarks of %s found for this user") \
  ROW(kNoProfileBookmarksFormat, /* このユーザーの %s のプロファイル '%s' にブックマークが見つかりません */ \
      "\x82\xB1\x82\xCC\x83\x86\x81\x5B\x83\x55\x81\x5B\x82\xCC %s \x82\xCC\x83\x76\x83\x8D" \
      "\x83\x74\x83\x40\x83\x43\x83\x8B '%s' \x82\xC9\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B" \
      "\x83\x4E\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "no bookmarks of %s profile '%s' found for this user") \
  /* favpage-cli: failures of its own. */ \
  ROW(kTitleFileTooLarge, /* タイトルファイルとしては大きすぎます */ \
      "\x83\x5E\x83\x43\x83\x67\x83\x8B\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC6\x82\xB5\x82\xC4" \
      "\x82\xCD\x91\xE5\x82\xAB\x82\xB7\x82\xAC\x82\xDC\x82\xB7", \
      "too large for a title file") \
  ROW(kProfileNeedsBrowser, /* --profile には読み込み元のブラウザーが必要です */ \
      "--profile \x82\xC9\x82\xCD\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x8C\xB3\x82\xCC\x83\x75\x83\x89" \
      "\x83\x45\x83\x55\x81\x5B\x82\xAA\x95\x4B\x97\x76\x82\xC5\x82\xB7", \
      "--profile needs a browser as the source") \
  ROW(kNoSettingsFile, /* 設定ファイルがありません */ \
      "\x90\xDD\x92\xE8\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9" \
      "\x82\xF1", \
      "no such settings file") \
  ROW(kUnexpectedError, /* 予期しないエラーです */ \
      "\x97\x5C\x8A\xFA\x82\xB5\x82\xC8\x82\xA2\x83\x47\x83\x89\x81\x5B\x82\xC5\x82\xB7", \
      "unexpected error") \
  /* favpage-cli: mistakes in the arguments (%s: the option or argument as given), and the line after them. */ \
  ROW(kUnknownOptionFormat, /* '%s' というオプションはありません */ \
      "'%s' \x82\xC6\x82\xA2\x82\xA4\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93\x82\xCD\x82\xA0" \
      "\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "unknown option '%s'") \
  ROW(kUnexpectedArgumentFormat, /* 余分な引数 '%s' があります */ \
      "\x97\x5D\x95\xAA\x82\xC8\x88\xF8\x90\x94 '%s' \x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB7", \
      "unexpected argument '%s'") \
  ROW(kNeedsValueFormat, /* %s には値が必要です */ \
      "%s \x82\xC9\x82\xCD\x92\x6C\x82\xAA\x95\x4B\x97\x76\x82\xC5\x82\xB7", \
      "%s needs a value") \
  ROW(kTakesNoValueFormat, /* %s は値をとりません */ \
      "%s \x82\xCD\x92\x6C\x82\xF0\x82\xC6\x82\xE8\x82\xDC\x82\xB9\x82\xF1", \
      "%s takes no value") \
  ROW(kChoiceFormat, /* %s には %s のどれかを指定します ('%s' は使えません) */ \
      "%s \x82\xC9\x82\xCD %s \x82\xCC\x82\xC7\x82\xEA\x82\xA9\x82\xF0\x8E\x77\x92\xE8\x82\xB5" \
      "\x82\xDC\x82\xB7 ('%s' \x82\xCD\x8E\x67\x82\xA6\x82\xDC\x82\xB9\x82\xF1)", \
      "%s takes %s, not '%s'") \
  ROW(kNoLineBreakFormat, /* %s には改行を含められません */ \
      "%s \x82\xC9\x82\xCD\x89\xFC\x8D\x73\x82\xF0\x8A\xDC\x82\xDF\x82\xE7\x82\xEA\x82\xDC" \
      "\x82\xB9\x82\xF1", \
      "%s cannot hold a line break") \
  ROW(kFavoritesOrSource, /* --favorites と --source は同じものを指定します: どちらか一方だけにしてください */ \
      "--favorites \x82\xC6 --source \x82\xCD\x93\xAF\x82\xB6\x82\xE0\x82\xCC\x82\xF0\x8E\x77" \
      "\x92\xE8\x82\xB5\x82\xDC\x82\xB7: \x82\xC7\x82\xBF\x82\xE7\x82\xA9\x88\xEA\x95\xFB\x82\xBE" \
      "\x82\xAF\x82\xC9\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2", \
      "--favorites and --source name the same thing: give one") \
  ROW(kNoReturnConflict, /* --no-return は --return-caption とも --return-url とも一緒に使えません */ \
      "--no-return \x82\xCD --return-caption \x82\xC6\x82\xE0 --return-url \x82\xC6\x82\xE0" \
      "\x88\xEA\x8F\x8F\x82\xC9\x8E\x67\x82\xA6\x82\xDC\x82\xB9\x82\xF1", \
      "--no-return cannot be combined with --return-caption or --return-url") \
  ROW(kTryHelp, /* 詳しくは 'favpage-cli --help' を見てください。 */ \
      "\x8F\xDA\x82\xB5\x82\xAD\x82\xCD 'favpage-cli --help' \x82\xF0\x8C\xA9\x82\xC4\x82\xAD" \
      "\x82\xBE\x82\xB3\x82\xA2\x81\x42", \
      "Try 'favpage-cli --help'.") \
  /* favpage-cli: the closing line (%s: pages, then the parts below and the top page), a line per page written, warnings. */ \
  ROW(kSummaryFormat, /* %s%s、%s: %s */ \
      "%s%s\x81\x41%s: %s", \
      "%s%s, %s: %s") \
  ROW(kOnePage, /* 1 ページ */ \
      "1 \x83\x79\x81\x5B\x83\x57", \
      "1 page") \
  ROW(kPagesFormat, /* %s ページ */ \
      "%s \x83\x79\x81\x5B\x83\x57", \
      "%s pages") \
  ROW(kUnchangedFormat, /*  (うち %s ページは変更なし) */ \
      " (\x82\xA4\x82\xBF %s \x83\x79\x81\x5B\x83\x57\x82\xCD\x95\xCF\x8D\x58\x82\xC8\x82\xB5)", \
      " (%s unchanged)") \
  ROW(kOneLink, /* リンク 1 件 */ \
      "\x83\x8A\x83\x93\x83\x4E 1 \x8C\x8F", \
      "1 link") \
  ROW(kLinksFormat, /* リンク %s 件 */ \
      "\x83\x8A\x83\x93\x83\x4E %s \x8C\x8F", \
      "%s links") \
  ROW(kWritingPageFormat, /* %s を出力します */ \
      "%s \x82\xF0\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB7", \
      "writing %s") \
  ROW(kScriptLinkLeftOutFormat, /* スクリプトのリンク "%s" (%s) は出力しませんでした */ \
      "\x83\x58\x83\x4E\x83\x8A\x83\x76\x83\x67\x82\xCC\x83\x8A\x83\x93\x83\x4E \x22%s\x22 (%s) " \
      "\x82\xCD\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD", \
      "script link \"%s\" in %s left out") \
  ROW(kTopScriptLinkLeftOutFormat, /* スクリプトのリンク "%s" は出力しませんでした */ \
      "\x83\x58\x83\x4E\x83\x8A\x83\x76\x83\x67\x82\xCC\x83\x8A\x83\x93\x83\x4E \x22%s\x22 " \
      "\x82\xCD\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD", \
      "script link \"%s\" left out") \
  ROW(kEditedPageKeptFormat, /* %s は前回の実行の後に編集されているので、削除せずに残しました */ \
      "%s \x82\xCD\x91\x4F\x89\xF1\x82\xCC\x8E\xC0\x8D\x73\x82\xCC\x8C\xE3\x82\xC9\x95\xD2" \
      "\x8F\x57\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xE9\x82\xCC\x82\xC5\x81\x41\x8D\xED\x8F\x9C" \
      "\x82\xB9\x82\xB8\x82\xC9\x8E\x63\x82\xB5\x82\xDC\x82\xB5\x82\xBD", \
      "%s was edited since the last run: kept, not removed") \
  /* The closing line's pages of the last run that this run no longer writes, removed. */ \
  ROW(kOneRemoved, /* 、前回のページ 1 件を削除 */ \
      "\x81\x41\x91\x4F\x89\xF1\x82\xCC\x83\x79\x81\x5B\x83\x57 1 \x8C\x8F\x82\xF0\x8D\xED" \
      "\x8F\x9C", \
      ", 1 old page removed") \
  ROW(kRemovedFormat, /* 、前回のページ %s 件を削除 */ \
      "\x81\x41\x91\x4F\x89\xF1\x82\xCC\x83\x79\x81\x5B\x83\x57 %s \x8C\x8F\x82\xF0\x8D\xED" \
      "\x8F\x9C", \
      ", %s old pages removed") \
  /* The window lists a run's warnings in one message; a long list ends with this count. */ \
  ROW(kMoreWarningsFormat, /* 他 %s 件 */ \
      "\x91\xBC %s \x8C\x8F", \
      "and %s more") \
  /* favpage-cli's help: the usage line, what it does (%s: the user's settings folder), the option groups, each option (%s: a default or the browsers), the exit status. */ \
  ROW(kHelpUsage, /* 使い方: favpage-cli [オプション]... */ \
      "\x8E\x67\x82\xA2\x95\xFB: favpage-cli [\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93]...", \
      "usage: favpage-cli [OPTION]...") \
  ROW(kHelpAbout, /* お気に入りフォルダーかブラウザーのブックマークから、favpage のウィンドウの作成ボタンと同じようにリンクページを作ります。ここで指定しない設定はウィンドウの favpage.INI と favpage.tit (または --settings FILE) から、それもなければ既定値から取ります。これらのファイルはこのプログラムと同じフォルダーに、そこに書き込めないときは %s にあります。 */ \
      "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xA9" \
      "\x83\x75\x83\x89\x83\x45\x83\x55\x81\x5B\x82\xCC\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B" \
      "\x83\x4E\x82\xA9\x82\xE7\x81\x41""favpage \x82\xCC\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45" \
      "\x82\xCC\x8D\xEC\x90\xAC\x83\x7B\x83\x5E\x83\x93\x82\xC6\x93\xAF\x82\xB6\x82\xE6\x82\xA4" \
      "\x82\xC9\x83\x8A\x83\x93\x83\x4E\x83\x79\x81\x5B\x83\x57\x82\xF0\x8D\xEC\x82\xE8\x82\xDC" \
      "\x82\xB7\x81\x42\x82\xB1\x82\xB1\x82\xC5\x8E\x77\x92\xE8\x82\xB5\x82\xC8\x82\xA2\x90\xDD" \
      "\x92\xE8\x82\xCD\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xCC favpage.INI \x82\xC6 favp" \
      "age.tit (\x82\xDC\x82\xBD\x82\xCD --settings FILE) \x82\xA9\x82\xE7\x81\x41\x82\xBB" \
      "\x82\xEA\x82\xE0\x82\xC8\x82\xAF\x82\xEA\x82\xCE\x8A\xF9\x92\xE8\x92\x6C\x82\xA9\x82\xE7" \
      "\x8E\xE6\x82\xE8\x82\xDC\x82\xB7\x81\x42\x82\xB1\x82\xEA\x82\xE7\x82\xCC\x83\x74\x83\x40" \
      "\x83\x43\x83\x8B\x82\xCD\x82\xB1\x82\xCC\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xC6" \
      "\x93\xAF\x82\xB6\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xC9\x81\x41\x82\xBB\x82\xB1" \
      "\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xC8\x82\xA2\x82\xC6\x82\xAB\x82\xCD %s " \
      "\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42", \
      "Writes the link pages of a favorites folder or of a browser's bookmarks, as the favpage " \
      "window's create button does. Settings not given here come from the window's favpage.INI " \
      "and favpage.tit (or --settings FILE), else from the defaults. These files lie beside this " \
      "program, or in %s when you may not write its folder.") \
  ROW(kHelpSourceGroup, /* リンクの読み込み元: */ \
      "\x83\x8A\x83\x93\x83\x4E\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x8C\xB3:", \
      "Where the links come from:") \
  ROW(kHelpPagesGroup, /* ページ: */ \
      "\x83\x79\x81\x5B\x83\x57:", \
      "The pages:") \
  ROW(kHelpMessagesGroup, /* 表示: */ \
      "\x95\x5C\x8E\xA6:", \
      "What it prints:") \
  ROW(kHelpFavorites, /* お気に入りフォルダー (既定: %s) */ \
      "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B (\x8A\xF9" \
      "\x92\xE8: %s)", \
      "the favorites folder (default: %s)") \
  ROW(kHelpSource, /* お気に入りフォルダー、ブックマークファイル (HTML エクスポート、Chromium の Bookmarks、Firefox の places.sqlite)、またはブラウザー: %s (最後に使ったプロファイル) */ \
      "\x82\xA8\x8B\x43\x82\xC9\x93\xFC\x82\xE8\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x81\x41" \
      "\x83\x75\x83\x62\x83\x4E\x83\x7D\x81\x5B\x83\x4E\x83\x74\x83\x40\x83\x43\x83\x8B (HTML " \
      "\x83\x47\x83\x4E\x83\x58\x83\x7C\x81\x5B\x83\x67\x81\x41""Chromium \x82\xCC Bookmarks" \
      "\x81\x41""Firefox \x82\xCC places.sqlite)\x81\x41\x82\xDC\x82\xBD\x82\xCD\x83\x75\x83\x89" \
      "\x83\x45\x83\x55\x81\x5B: %s (\x8D\xC5\x8C\xE3\x82\xC9\x8E\x67\x82\xC1\x82\xBD\x83\x76" \
      "\x83\x8D\x83\x74\x83\x40\x83\x43\x83\x8B)", \
      "a favorites folder, a bookmarks file (an HTML export, Chromium's Bookmarks, Firefox's " \
      "places.sqlite) or a browser: %s (its most recently used profile)") \
  ROW(kHelpProfile, /* 代わりに読むブラウザーのプロファイル ("Profile 1" など) */ \
      "\x91\xE3\x82\xED\x82\xE8\x82\xC9\x93\xC7\x82\xDE\x83\x75\x83\x89\x83\x45\x83\x55\x81\x5B" \
      "\x82\xCC\x83\x76\x83\x8D\x83\x74\x83\x40\x83\x43\x83\x8B (\x22Profile 1\x22 \x82\xC8" \
      "\x82\xC7)", \
      "the browser's profile to read instead, such as \"Profile 1\"") \
  ROW(kHelpOut, /* 出力するページ。相対パスは現在のフォルダーから */ \
      "\x8F\x6F\x97\xCD\x82\xB7\x82\xE9\x83\x79\x81\x5B\x83\x57\x81\x42\x91\x8A\x91\xCE\x83\x70" \
      "\x83\x58\x82\xCD\x8C\xBB\x8D\xDD\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xA9" \
      "\x82\xE7", \
      "the output page; a relative name is taken from the current folder") \
  ROW(kHelpType, /* 1 ページにまとめる (single) か、フォルダーごとに 1 ページ (tree) か */ \
      "1 \x83\x79\x81\x5B\x83\x57\x82\xC9\x82\xDC\x82\xC6\x82\xDF\x82\xE9 (single) \x82\xA9" \
      "\x81\x41\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xB2\x82\xC6\x82\xC9 1 \x83\x79" \
      "\x81\x5B\x83\x57 (tree) \x82\xA9", \
      "one page (single), or one page per folder (tree)") \
  ROW(kHelpCharset, /* ページの文字コード (既定: shift_jis) */ \
      "\x83\x79\x81\x5B\x83\x57\x82\xCC\x95\xB6\x8E\x9A\x83\x52\x81\x5B\x83\x68 (\x8A\xF9\x92\xE8" \
      ": shift_jis)", \
      "the pages' encoding (default: shift_jis)") \
  ROW(kHelpStyle, /* スタイルシートなし (none)、または mirelstyle0.css から mirelstyle2.css のどれか */ \
      "\x83\x58\x83\x5E\x83\x43\x83\x8B\x83\x56\x81\x5B\x83\x67\x82\xC8\x82\xB5 (none)\x81\x41" \
      "\x82\xDC\x82\xBD\x82\xCD mirelstyle0.css \x82\xA9\x82\xE7 mirelstyle2.css \x82\xCC\x82\xC7" \
      "\x82\xEA\x82\xA9", \
      "no style sheet (none), or mirelstyle0.css to mirelstyle2.css") \
  ROW(kHelpBlank, /* リンクを新しいウィンドウで開く */ \
      "\x83\x8A\x83\x93\x83\x4E\x82\xF0\x90\x56\x82\xB5\x82\xA2\x83\x45\x83\x42\x83\x93\x83\x68" \
      "\x83\x45\x82\xC5\x8A\x4A\x82\xAD", \
      "links open in a new window") \
  ROW(kHelpNoBlank, /* リンクを同じウィンドウで開く */ \
      "\x83\x8A\x83\x93\x83\x4E\x82\xF0\x93\xAF\x82\xB6\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45" \
      "\x82\xC5\x8A\x4A\x82\xAD", \
      "links open in the same window") \
  ROW(kHelpReturnCaption, /* この表示 (HTML) で戻りリンクを書く */ \
      "\x82\xB1\x82\xCC\x95\x5C\x8E\xA6 (HTML) \x82\xC5\x96\xDF\x82\xE8\x83\x8A\x83\x93\x83\x4E" \
      "\x82\xF0\x8F\x91\x82\xAD", \
      "write the return link with this caption (HTML)") \
  ROW(kHelpReturnUrl, /* このアドレスへの戻りリンクを書く */ \
      "\x82\xB1\x82\xCC\x83\x41\x83\x68\x83\x8C\x83\x58\x82\xD6\x82\xCC\x96\xDF\x82\xE8\x83\x8A" \
      "\x83\x93\x83\x4E\x82\xF0\x8F\x91\x82\xAD", \
      "write the return link to this address") \
  ROW(kHelpNoReturn, /* 戻りリンクを書かない */ \
      "\x96\xDF\x82\xE8\x83\x8A\x83\x93\x83\x4E\x82\xF0\x8F\x91\x82\xA9\x82\xC8\x82\xA2", \
      "write no return link") \
  ROW(kHelpTitle, /* タイトル行 (HTML)。繰り返すか、改行を入れると複数行になる */ \
      "\x83\x5E\x83\x43\x83\x67\x83\x8B\x8D\x73 (HTML)\x81\x42\x8C\x4A\x82\xE8\x95\xD4\x82\xB7" \
      "\x82\xA9\x81\x41\x89\xFC\x8D\x73\x82\xF0\x93\xFC\x82\xEA\x82\xE9\x82\xC6\x95\xA1\x90\x94" \
      "\x8D\x73\x82\xC9\x82\xC8\x82\xE9", \
      "a title line (HTML); repeat it, or break the text, for more lines") \
  ROW(kHelpTitleFile, /* タイトル行を 1 行ずつ書いたファイル */ \
      "\x83\x5E\x83\x43\x83\x67\x83\x8B\x8D\x73\x82\xF0 1 \x8D\x73\x82\xB8\x82\xC2\x8F\x91" \
      "\x82\xA2\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B", \
      "a file of title lines, one per line") \
  ROW(kHelpSettings, /* favpage.INI の代わりに読む設定ファイル */ \
      "favpage.INI \x82\xCC\x91\xE3\x82\xED\x82\xE8\x82\xC9\x93\xC7\x82\xDE\x90\xDD\x92\xE8" \
      "\x83\x74\x83\x40\x83\x43\x83\x8B", \
      "the settings file to read instead of favpage.INI") \
  ROW(kHelpKeepScriptLinks, /* javascript:、vbscript:、data: のリンクも出力する */ \
      "javascript:\x81\x41vbscript:\x81\x41""data: \x82\xCC\x83\x8A\x83\x93\x83\x4E\x82\xE0" \
      "\x8F\x6F\x97\xCD\x82\xB7\x82\xE9", \
      "publish javascript:, vbscript: and data: links too") \
  ROW(kHelpQuiet, /* 警告とエラーのほかは何も表示しない */ \
      "\x8C\x78\x8D\x90\x82\xC6\x83\x47\x83\x89\x81\x5B\x82\xCC\x82\xD9\x82\xA9\x82\xCD\x89\xBD" \
      "\x82\xE0\x95\x5C\x8E\xA6\x82\xB5\x82\xC8\x82\xA2", \
      "print nothing but warnings and errors") \
  ROW(kHelpVerbose, /* 出力するページごとにも 1 行表示する */ \
      "\x8F\x6F\x97\xCD\x82\xB7\x82\xE9\x83\x79\x81\x5B\x83\x57\x82\xB2\x82\xC6\x82\xC9\x82\xE0 1" \
      " \x8D\x73\x95\x5C\x8E\xA6\x82\xB7\x82\xE9", \
      "also print a line for each page written") \
  ROW(kHelpHelp, /* このヘルプを表示して終了する */ \
      "\x82\xB1\x82\xCC\x83\x77\x83\x8B\x83\x76\x82\xF0\x95\x5C\x8E\xA6\x82\xB5\x82\xC4\x8F\x49" \
      "\x97\xB9\x82\xB7\x82\xE9", \
      "print this help and exit") \
  ROW(kHelpVersion, /* バージョンを表示して終了する */ \
      "\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\xF0\x95\x5C\x8E\xA6\x82\xB5\x82\xC4\x8F\x49" \
      "\x97\xB9\x82\xB7\x82\xE9", \
      "print the version and exit") \
  ROW(kHelpExitStatus, /* 終了コード: 成功なら 0、実行に失敗したら 1、引数が読めなければ 2。 */ \
      "\x8F\x49\x97\xB9\x83\x52\x81\x5B\x83\x68: \x90\xAC\x8C\xF7\x82\xC8\x82\xE7 0\x81\x41" \
      "\x8E\xC0\x8D\x73\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xBD\x82\xE7 1\x81\x41\x88\xF8\x90\x94" \
      "\x82\xAA\x93\xC7\x82\xDF\x82\xC8\x82\xAF\x82\xEA\x82\xCE 2\x81\x42", \
      "Exit status: 0 on success, 1 when the run fails, 2 for arguments it cannot read.") \
  ROW(kHelpFormat, /* ページの書式 (既定: classic)。html5 はスマートフォンでも読みやすく、--charset utf-8 と使うのがおすすめ */ \
      "\x83\x79\x81\x5B\x83\x57\x82\xCC\x8F\x91\x8E\xAE (\x8A\xF9\x92\xE8: classic)\x81\x42html5 " \
      "\x82\xCD\x83\x58\x83\x7D\x81\x5B\x83\x67\x83\x74\x83\x48\x83\x93\x82\xC5\x82\xE0\x93\xC7" \
      "\x82\xDD\x82\xE2\x82\xB7\x82\xAD\x81\x41--charset utf-8 \x82\xC6\x8E\x67\x82\xA4\x82\xCC" \
      "\x82\xAA\x82\xA8\x82\xB7\x82\xB7\x82\xDF", \
      "the pages' markup (default: classic); html5 reads well on phones, best with --charset " \
      "utf-8") \

#define FAVPAGE_TEXT_CONSTANT(name, japanese, english) inline constexpr char name[] = japanese;
FAVPAGE_TEXTS(FAVPAGE_TEXT_CONSTANT)
#undef FAVPAGE_TEXT_CONSTANT
// clang-format on

// The application title: the caption of the default error display, a name in every
// language.
inline constexpr char kApplicationTitle[] = "Mirel Favorites Manager";

enum class Language { kJapanese, kEnglish };

struct TextRow {
  const char* japanese;  // the constant msg::kName itself
  const char* english;
};

#define FAVPAGE_TEXT_ROW(name, japanese, english) TextRow{name, english},
inline constexpr TextRow kTextTable[] = {FAVPAGE_TEXTS(FAVPAGE_TEXT_ROW)};
#undef FAVPAGE_TEXT_ROW

// `text`, one of the constants above (or its bytes), in `language`; a text the table does
// not hold comes back unchanged.
std::string_view In(Language language, std::string_view text);

// A message of the core (Shift_JIS) in `language`. When a row's Japanese, with its "%s"
// and "%d" filled in, gives the message (the row with the most fixed text, when several
// do), the result is that row's text in `language` with the same values; any other message
// comes back unchanged.
std::string Translate(std::string_view message, Language language);

// The values that fill "%s" and "%d" of `format` to give `message`, in order; false when
// no values do. A "%d" takes a decimal number only. Shift_JIS aware: a value begins and ends on a
// character.
bool MatchFormat(std::string_view format, std::string_view message,
                 std::vector<std::string>& values);

// `format` with its "%s" and "%d" replaced by `values`, in order ("" when too few). Each
// piece of the format between them is passed through `piece` first, so a Shift_JIS format
// can take values already in another encoding.
using PieceConversion = std::string (*)(std::string_view);
std::string FillFormat(std::string_view format, std::span<const std::string> values,
                       PieceConversion piece = nullptr);

}  // namespace favpage::msg
