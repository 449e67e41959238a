// What the build knows of itself: the version (the project's, as the packages carry it)
// and the day it was built. The build writes the values (cmake/FavpageBuildInfo.cmake).
#pragma once

namespace favpage {

struct BuildDate {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
};

extern const char kProgramVersion[];
extern const BuildDate kBuildDate;

}  // namespace favpage
