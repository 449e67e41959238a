#include "ui/presenter/about_version.h"

#include <chrono>
#include <iterator>

#include "ui/presenter/window_text.h"
#include "ui/presenter/window_texts.h"

namespace favpage::ui {
namespace {

struct Era {
  BuildDate first;  // its first day
  const char16_t* name;
};

// The latest first.
constexpr Era kEras[] = {
    {{2019, 5, 1}, str::kReiwa},
    {{1989, 1, 8}, str::kHeisei},
    {{1926, 12, 25}, str::kShowa},
};

bool Before(const BuildDate& a, const BuildDate& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

const Era& EraOf(const BuildDate& date) {
  for (const Era& era : kEras) {
    if (!Before(date, era.first)) return era;
  }
  return std::end(kEras)[-1];
}

}  // namespace

std::u16string JapaneseDate(const BuildDate& date) {
  const Era& era = EraOf(date);
  const int year = date.year - era.first.year + 1;
  const std::chrono::weekday weekday{std::chrono::sys_days{
      std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
      std::chrono::day{static_cast<unsigned>(date.day)}}};
  const std::string yearText = year == 1 ? Utf8Of(str::kFirstYear) : std::to_string(year);
  return Utf16Of(Substitute(
      str::kDateFormat, {Utf8Of(era.name), yearText, std::to_string(date.month),
                         std::to_string(date.day), Utf8Of(str::kWeekdays[weekday.c_encoding()])}));
}

std::u16string AboutVersionLine(std::string_view version, const BuildDate& built) {
  return Utf16Of(Substitute(str::kAboutVersionFormat, {version, Utf8Of(JapaneseDate(built))}));
}

std::u16string AboutVersionLine() { return AboutVersionLine(kProgramVersion, kBuildDate); }

}  // namespace favpage::ui
