# Copies data/* beside the executables, where the programs look for their style sheets
# and preview templates. Rerun on every build so an edited data file reaches bin/ at once.
file(GLOB FAVPAGE_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
set(FAVPAGE_DATA_STAMPS)
foreach(data_file IN LISTS FAVPAGE_DATA_FILES)
  get_filename_component(data_name ${data_file} NAME)
  add_custom_command(
    OUTPUT ${FAVPAGE_BIN_DIR}/${data_name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${FAVPAGE_BIN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${data_file} ${FAVPAGE_BIN_DIR}/${data_name}
    DEPENDS ${data_file}
    COMMENT "Copying ${data_name} beside the executables")
  list(APPEND FAVPAGE_DATA_STAMPS ${FAVPAGE_BIN_DIR}/${data_name})
endforeach()
add_custom_target(favpage_data ALL DEPENDS ${FAVPAGE_DATA_STAMPS})
