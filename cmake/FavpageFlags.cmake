# The flags every target of the project shares.
add_library(favpage_flags INTERFACE)
target_compile_features(favpage_flags INTERFACE cxx_std_20)
target_compile_options(favpage_flags INTERFACE -Wall -Wextra -Wpedantic)
if(FAVPAGE_WERROR)
  target_compile_options(favpage_flags INTERFACE -Werror)
endif()
if(FAVPAGE_SANITIZE)
  target_compile_options(favpage_flags INTERFACE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=undefined
                                                 -fno-omit-frame-pointer)
  target_link_options(favpage_flags INTERFACE -fsanitize=address,undefined)
endif()
if(FAVPAGE_FUZZ)
  # Coverage feedback for libFuzzer in every library; only the fuzz targets link its main.
  target_compile_options(favpage_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=undefined
                                                 -fno-omit-frame-pointer)
  target_link_options(favpage_flags INTERFACE -fsanitize=address,undefined)
endif()
