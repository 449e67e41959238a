# Packages of favpage, built by scripts/package.sh with CPack. The programs look for
# their data files and their own folder's write permission at run time, so a package
# only has to lay out what the install rules (FavpageInstall.cmake) already install.
set(CPACK_PACKAGE_NAME favpage)
set(CPACK_PACKAGE_VENDOR "favpage")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "favpage maintainers <maintainers@favpage.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Turns a browser favorites folder into HTML link pages (Shift_JIS)")
set(CPACK_PACKAGE_DESCRIPTION [=[
favpage walks a tree of .url Internet-shortcut files and writes Shift_JIS HTML link
pages to publish on a web site: one page with every folder's links, or a tree of
linked pages, one per folder, with an optional return link and one of three style
sheets. The desktop window (Japanese user interface) previews the style at once;
favpage-cli runs the same generation from scripts and cron jobs.]=])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://favpage.example.org/")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # favpage_<version>_<arch>.deb
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The libraries the programs link come from dpkg-shlibdeps (package dpkg-dev); what they
  # load by name is listed here: the Japanese font the pages and the window are shown
  # in, and Qt's platform plugins, without which the window cannot open.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(favpage_deb_depends fonts-ipafont-gothic)
  if(FAVPAGE_WITH_QT)
    list(APPEND favpage_deb_depends qt6-qpa-plugins)
  endif()
  list(JOIN favpage_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()

# The Windows packages (a zip and an installer) are configured here, under if(WIN32), and
# built by the Windows part of scripts/package.sh.

include(CPack)
