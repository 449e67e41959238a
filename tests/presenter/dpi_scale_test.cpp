// The one rule that turns the 96-dpi layout into pixels at a window's DPI and back.
#include "ui/presenter/dpi_scale.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace favpage::ui::layout {
namespace {

std::string Show(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

TEST(DpiScaleTest, ScalesValuesToTheNearestPixel) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  struct Case {
    int value;
    int dpi;
    int scaled;
    int unscaled;  // the same value read back from pixels at that DPI
  };
  // clang-format off
  const Case cases[] = {
      {480,   96,  480,  480},
      {480,  192,  960,  240},
      {565,  144,  848,  377},   // 847.5 and 376.67: to the nearest
      {  1,  144,    2,    1},   // 1.5 rounds away from zero, 0.67 to 1
      { -1,  144,   -2,   -1},   // so does -1.5
      {-335, 120, -419, -268},   // -418.75, -268
      { 12,  120,   15,   10},   // a font height at 125 %
      { 16,  168,   28,    9},   // 175 %
      {  0,  288,    0,    0},
      {kMax, 192, kMax, kMax / 2 + 1},  // clamped, never wrapped
      {kMin, 192, kMin, kMin / 2},
      // No usable DPI from the system: the layout as drawn.
      {480,    0,  480,  480},
      {480,   -1,  480,  480},
      {480, 9601,  480,  480},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(Scaled(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
    EXPECT_EQ(Unscaled(c.value, c.dpi), c.unscaled) << c.value << " at " << c.dpi;
  }
}

TEST(DpiScaleTest, RectanglesScaleTheirEdgesSoNeighboursStillTouch) {
  struct Case {
    Rect rect;
    int dpi;
    Rect scaled;
  };
  // clang-format off
  const Case cases[] = {
      {{8, 48, 121, 17},  96, {8, 48, 121, 17}},
      {{8, 48, 121, 17}, 192, {16, 96, 242, 34}},
      // 1 .. 3 and 3 .. 4 at 150 %: edges 2, 5 and 6, the second starts where the first
      // ends (its width alone, 1.5, would give 2 and a left edge of 4.5 would give 5).
      {{1, 1, 2, 1}, 144, {2, 2, 3, 1}},
      {{3, 1, 1, 1}, 144, {5, 2, 1, 1}},
      // Left of the primary screen: -10.5 and -9, halves away from zero.
      {{-7, 0, 1, 1}, 144, {-11, 0, 2, 2}},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(Show(Scaled(c.rect, c.dpi)), Show(c.scaled)) << Show(c.rect) << " at " << c.dpi;
  }
  // Far-off places keep their size instead of wrapping.
  const Rect far{std::numeric_limits<int>::max() - 100, 0, 600, 580};
  EXPECT_EQ(Unscaled(far, 192).width, 300);
  EXPECT_EQ(Scaled(far, 192).left, std::numeric_limits<int>::max());
}

TEST(DpiScaleTest, WindowPlacesReadBackAsTheyWereStored) {
  // A window stored at 200 % or 150 % opens at the same size in 96-dpi units.
  const Rect stored{335, 114, 480, 565};
  for (int dpi : {96, 120, 144, 192, 240, 288}) {
    EXPECT_EQ(Show(Unscaled(Scaled(stored, dpi), dpi)), Show(stored)) << dpi;
    EXPECT_EQ(Unscaled(Scaled(Size{480, 565}, dpi), dpi), (Size{480, 565})) << dpi;
  }
}

}  // namespace
}  // namespace favpage::ui::layout
