// The window's texts as Qt strings.
#pragma once

#include <QString>

#include "ui/presenter/window_texts.h"

namespace favpage::ui {

inline QString Str(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace favpage::ui
