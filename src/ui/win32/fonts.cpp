#include "ui/win32/fonts.h"

#include <cwchar>
#include <map>
#include <tuple>

#include "platform/win32/owned.h"
#include "ui/presenter/window_texts.h"
#include "ui/win32/wide.h"

namespace favpage::ui::win32 {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(platform::win32::WindowDc(nullptr).Get(), &wanted, NoteFound,
                      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The layout's face, or what stands in for it. Asking for a missing face by name would let
// the system pick any font of the character set, one without Latin letters included.
const wchar_t* Face() {
  static const wchar_t* const face = [] {
    if (Installed(W(str::kLayoutFace))) return W(str::kLayoutFace);
    for (const char16_t* substitute : str::kWindowsSubstituteFaces) {
      if (Installed(W(substitute))) return W(substitute);
    }
    return W(str::kLayoutFace);
  }();
  return face;
}

}  // namespace

LOGFONTW LayoutFontSpec(int pixelHeight, bool bold, bool underline) {
  LOGFONTW spec{};
  spec.lfHeight = -pixelHeight;  // negative: the character height, not the cell height
  spec.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  spec.lfUnderline = underline ? TRUE : FALSE;
  spec.lfCharSet = SHIFTJIS_CHARSET;
  spec.lfQuality = DEFAULT_QUALITY;
  spec.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::wcsncpy(spec.lfFaceName, Face(), LF_FACESIZE - 1);
  return spec;
}

HFONT LayoutFont(int pixelHeight, bool bold, bool underline) {
  // Made on the one user-interface thread and kept until the program ends.
  static std::map<std::tuple<int, bool, bool>, platform::win32::OwnedGdi<HFONT>> made;
  platform::win32::OwnedGdi<HFONT>& font = made[{pixelHeight, bold, underline}];
  if (!font) {
    const LOGFONTW spec = LayoutFontSpec(pixelHeight, bold, underline);
    font.Reset(CreateFontIndirectW(&spec));
  }
  return font.Get();
}

}  // namespace favpage::ui::win32
