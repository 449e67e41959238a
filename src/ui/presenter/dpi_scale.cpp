#include "ui/presenter/dpi_scale.h"

#include <cstdint>
#include <limits>

namespace favpage::ui::layout {
namespace {

int Clamped(std::int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// value * numerator / denominator, rounded to the nearest, halves away from zero, in 64
// bits: a stored place far off any screen must not wrap around.
std::int64_t Ratio(std::int64_t value, int numerator, int denominator) {
  const std::int64_t product = value * numerator;
  const std::int64_t half = denominator / 2;
  return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

// The edges of a rectangle, mapped one by one, then clamped to int.
Rect ByEdges(const Rect& rect, int numerator, int denominator) {
  const std::int64_t left = Ratio(rect.left, numerator, denominator);
  const std::int64_t top = Ratio(rect.top, numerator, denominator);
  const std::int64_t right =
      Ratio(static_cast<std::int64_t>(rect.left) + rect.width, numerator, denominator);
  const std::int64_t bottom =
      Ratio(static_cast<std::int64_t>(rect.top) + rect.height, numerator, denominator);
  return {Clamped(left), Clamped(top), Clamped(right - left), Clamped(bottom - top)};
}

}  // namespace

int UsableDpi(int dpi) { return dpi >= 1 && dpi <= 9600 ? dpi : kLayoutDpi; }

int Scaled(int value, int dpi) { return Clamped(Ratio(value, UsableDpi(dpi), kLayoutDpi)); }

int Unscaled(int value, int dpi) { return Clamped(Ratio(value, kLayoutDpi, UsableDpi(dpi))); }

Size Scaled(Size size, int dpi) { return {Scaled(size.width, dpi), Scaled(size.height, dpi)}; }

Size Unscaled(Size size, int dpi) {
  return {Unscaled(size.width, dpi), Unscaled(size.height, dpi)};
}

Rect Scaled(const Rect& rect, int dpi) { return ByEdges(rect, UsableDpi(dpi), kLayoutDpi); }

Rect Unscaled(const Rect& rect, int dpi) { return ByEdges(rect, kLayoutDpi, UsableDpi(dpi)); }

}  // namespace favpage::ui::layout
