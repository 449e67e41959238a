# Cross-builds favpage for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model,
# which std::thread and std::mutex need). The runtime is linked statically, so the programs
# import only system DLLs and run from any folder, Wine's included.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FAVPAGE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FAVPAGE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FAVPAGE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FAVPAGE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FAVPAGE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine runs the cross-built tests; the test script sets up its prefix and server.
find_program(FAVPAGE_WINE NAMES wine)
if(FAVPAGE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${FAVPAGE_WINE})
endif()
