// The About box component's properties as the main window's layout sets them, the same for
// every face; each face adds the font and the icon of its own toolkit.
#pragma once

#include "ui/presenter/window_texts.h"

namespace favpage::ui {

// Copies the layout's properties into a face's About-box component (`TAboutDialog` with
// its F fields and its TFPosition), converting each text with `text`.
template <typename Dialog, typename TextOf>
void ApplyAboutLayout(Dialog& dialog, TextOf text) {
  dialog.FAppName = text(str::kAboutAppName);
  dialog.FCaption = text(str::kAboutCaption);
  dialog.FCloseButton = text(str::kAboutClose);
  dialog.FFormLeft = 0;
  dialog.FFormTop = 0;
  dialog.FFormWidth = 320;
  dialog.FFormHeight = 120;
  dialog.FFormPosition = Dialog::fpScreenCenter;
  dialog.FMemo = text(str::kAboutMemo);
  dialog.FVersion = text(str::kAboutVersion);
}

}  // namespace favpage::ui
