# The programs read their data files from their own folder, so an installation keeps
# them together in one application folder and links the commands into bin/. The folder
# is lib/favpage under every prefix (a multiarch library folder would hide the programs
# from a user looking for them, and its one module is the window's own, loaded by path).
set(FAVPAGE_INSTALL_APPDIR lib/favpage)

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
