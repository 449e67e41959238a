# Packages of favpage, built by scripts/package.sh with CPack. The programs look for
# their data files and their own folder's write permission at run time, so a package
# only has to lay out what the install rules (FavpageInstall.cmake) already install.
set(CPACK_PACKAGE_NAME favpage)
set(CPACK_PACKAGE_VENDOR "favpage")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "favpage maintainers <maintainers@favpage.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn browser favorites and bookmarks into HTML link pages")
# The Debian description: its first line is the summary above; each paragraph of this
# one is indented, a blank line between them is " .".
set(CPACK_PACKAGE_DESCRIPTION [=[
favpage writes HTML link pages to publish on a web site from a favorites
folder (a tree of .url Internet-shortcut files), from the bookmarks of
Chrome, Chromium, Edge, Brave, Vivaldi or Firefox, or from a bookmarks file
(an HTML export, a Chromium Bookmarks file or a Firefox places.sqlite): one
page with every folder's links, or a tree of linked pages, one per folder,
in Shift_JIS or UTF-8, with title lines, an optional return link and one of
three style sheets.
.
The desktop window (Japanese user interface) previews the style at once;
favpage-cli runs the same generation from scripts and cron jobs, in English
or Japanese by the locale.]=])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://favpage.example.org/")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # The package's own revision of the program's version: 1.0.2-1. The Debian changelog
  # (packaging/debian/changelog) names it in its first entry.
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # favpage_<version>-<revision>_<arch>.deb
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # Folders 0755 and control files 0644 whatever the builder's umask.
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
      GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
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
