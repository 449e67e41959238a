# The programs read their data files from their own folder, so an installation keeps
# them together in one application folder and links the commands into bin/.
set(FAVPAGE_INSTALL_APPDIR ${CMAKE_INSTALL_LIBDIR}/favpage)

install(FILES ${FAVPAGE_DATA_FILES} DESTINATION ${FAVPAGE_INSTALL_APPDIR})

# favpage_install_program(TARGET): installs an executable beside the data files and a
# link to it in bin/ (the program finds its folder through the link's target).
function(favpage_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${FAVPAGE_INSTALL_APPDIR})
  install(CODE "
    set(link_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${link_dir}\")
    file(CREATE_LINK \"../${FAVPAGE_INSTALL_APPDIR}/${target}\" \"\${link_dir}/${target}\" SYMBOLIC)
  ")
endfunction()
