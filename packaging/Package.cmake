# The Debian package: `cpack -G DEB` in a Release build tree (scripts/package.sh
# builds one with Debian's hardening flags). What goes in is what
# `cmake --install` installs, plus the package's documentation here.
include(GNUInstallDirs)
set(dialstack_docdir ${CMAKE_INSTALL_DATADIR}/doc/dialstack)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/copyright
  DESTINATION ${dialstack_docdir})

# Debian wants the changelog compressed, without a name or time stamp inside.
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog_gz}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(dialstack-changelog ALL DEPENDS ${changelog_gz})
add_dependencies(dialstack dialstack-changelog)
install(FILES ${changelog_gz} DESTINATION ${dialstack_docdir})

set(CPACK_PACKAGE_NAME dialstack)
set(CPACK_PACKAGE_VENDOR Quillaven)
set(CPACK_PACKAGE_CONTACT "Quillaven <dialstack@quillaven.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small telephone directory for the desktop")
set(CPACK_PACKAGE_DESCRIPTION [=[Dialstack keeps the names, phone and pager numbers, e-mail addresses and a
note of the people you call, in the file Dialstack.dat of the folder it is
started from. One window lists the names in the order they were entered
and shows the selected person's details; you add, edit and delete people,
save, undo everything since the last save, and print a plain listing to
the default CUPS printer.

It reads and writes the directory files Dialstack users already have, and
every window can be used from the keyboard and with a screen reader.

Two commands stand beside the window: dialstack-convert brings contacts in
from vCard and CSV files, takes the directory out to them and answers a
mail program's address queries; dialstack-sync keeps the directory in step
with a CardDAV address book, the one a phone uses.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/dialstack/dialstack)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
# The libraries the program links decide the dependencies (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugins that draw on X11 and Wayland, and the platform
# theme that gives the windows the GNOME or Xfce desktop's light or dark
# style and font, are loaded at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-gtk-platformtheme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
