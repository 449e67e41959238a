#include "ui/presenter/window_place.h"

#include <algorithm>

#include "ui/presenter/main_layout.h"

namespace favpage::ui {

bool PlaceVisible(const WindowPlace& place, std::span<const ScreenArea> screens) {
  const long long gripWidth = std::min<long long>(kGripWidth, std::max(place.width, 1));
  return std::any_of(screens.begin(), screens.end(), [&](const ScreenArea& screen) {
    // 64-bit sums: a stored place may hold any 32-bit number.
    const long long left = std::max<long long>(place.left, screen.left);
    const long long right = std::min<long long>(static_cast<long long>(place.left) + place.width,
                                                static_cast<long long>(screen.left) + screen.width);
    const bool topOnScreen =
        place.top >= screen.top && static_cast<long long>(place.top) + kGripHeight <=
                                       static_cast<long long>(screen.top) + screen.height;
    return topOnScreen && right - left >= gripWidth;
  });
}

std::optional<WindowPlace> PlaceToRestore(const WindowPlace& stored,
                                          std::span<const ScreenArea> screens) {
  if (stored == WindowPlace{}) return std::nullopt;
  // No smaller than laid out, nor larger than the largest screen.
  int widest = 0;
  int tallest = 0;
  for (const ScreenArea& screen : screens) {
    widest = std::max(widest, screen.width);
    tallest = std::max(tallest, screen.height);
  }
  WindowPlace place = stored;
  place.width = std::max(std::min(place.width, widest), layout::kWindowClient.width);
  place.height = std::max(std::min(place.height, tallest), layout::kWindowClient.height);
  if (!PlaceVisible(place, screens)) return std::nullopt;
  return place;
}

}  // namespace favpage::ui
