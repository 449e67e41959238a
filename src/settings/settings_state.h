// The settings that decide what a generation run writes. The window owns one and its
// handlers keep it in step with the controls; the CLI fills one from its arguments.
#pragma once

#include <cstdint>
#include <string>

#include "text/page_charset.h"
#include "text/page_format.h"

namespace favpage {

// FavoritePath until the favorites folder has been located.
inline constexpr char kFavoritePathPlaceholder[] = "*** Disable to find ***";

struct SettingsState {
  std::string OutName;         // full path of the output page; empty: none named
  std::uint8_t OutType = 0;    // 0 one page, 1 one page per folder, other: no page
  bool ReturnFlag = false;     // write the return link
  std::string ReturnLine;      // the return link's caption
  std::string ReturnURL;       // the return link's address
  std::int32_t StyleType = 0;  // >0: style sheet StyleType-1; 0 or -1: none
  bool SetBlank = false;       // links open in a new window
  std::string FavoritePath = kFavoritePathPlaceholder;  // no trailing "\"
  // Where the links come from: empty for the favorites folder, else a bookmarks file
  // (internal path) or a browser's name, as LinkSource takes it.
  std::string Source;
  PageCharset Charset = PageCharset::kShiftJis;
  // Publish links whose address a browser would run as a script (javascript:, vbscript:,
  // data:); by default they are left out of the pages.
  bool ScriptLinks = false;
  // The one folder of the source to publish, as its path text names it (internal form;
  // generate/folder_path.h); empty for the whole source.
  std::string SourceFolder;
  PageFormat Format = PageFormat::kClassic;
};

}  // namespace favpage
