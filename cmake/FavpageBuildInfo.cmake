# Writes the build's version and date into OUTPUT (a C++ source), run at every build by
# the target favpage_build_info. The file is rewritten only when its text changes, so a
# build on the same day compiles nothing again. SOURCE_DATE_EPOCH, when set, is the date
# (CMake's TIMESTAMP honours it), which keeps a package build reproducible.
string(TIMESTAMP year "%Y")
string(TIMESTAMP month "%m")
string(TIMESTAMP day "%d")
math(EXPR month "${month}")  # without the leading zero
math(EXPR day "${day}")
set(text "// Made by the build (cmake/FavpageBuildInfo.cmake); not to be edited.
#include \"base/build_info.h\"

namespace favpage {

const char kProgramVersion[] = \"${VERSION}\";
const BuildDate kBuildDate{${year}, ${month}, ${day}};

}  // namespace favpage
")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT "${old}" STREQUAL "${text}")
  file(WRITE "${OUTPUT}" "${text}")
endif()
