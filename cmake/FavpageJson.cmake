# nlohmann-json (header-only) from Debian's package, as the target favpage_json. A
# cross-build for Windows must not search the host's /usr/include as a whole, whose C
# library headers would stand before MinGW's: it sees only the folder nlohmann/, through a
# folder of the build's own that holds a link to it.
add_library(favpage_json INTERFACE)
if(CMAKE_CROSSCOMPILING)
  find_path(FAVPAGE_NLOHMANN_JSON_DIR nlohmann/json.hpp PATHS /usr/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(favpage_json_view ${CMAKE_BINARY_DIR}/third_party/include)
  file(MAKE_DIRECTORY ${favpage_json_view})
  file(CREATE_LINK ${FAVPAGE_NLOHMANN_JSON_DIR}/nlohmann ${favpage_json_view}/nlohmann SYMBOLIC)
  target_include_directories(favpage_json SYSTEM INTERFACE ${favpage_json_view})
else()
  find_package(nlohmann_json 3 REQUIRED)
  target_link_libraries(favpage_json INTERFACE nlohmann_json::nlohmann_json)
endif()
