# dialstack_man_page(PROGRAM PAGE): fills in PAGE (the project's version and
# the like), compresses it as Debian installs manual pages (-n: no name or
# time stamp inside, so the same page gives the same bytes), builds it with
# PROGRAM so that building a program builds all that installing it needs,
# and installs it in section 1.
find_program(GZIP gzip REQUIRED)
include(GNUInstallDirs)

function(dialstack_man_page program page)
  get_filename_component(name ${page} NAME)
  set(filled ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(${page} ${filled} @ONLY)
  add_custom_command(OUTPUT ${filled}.gz
    COMMAND ${GZIP} -9nc ${filled} > ${filled}.gz
    DEPENDS ${filled}
    COMMENT "Compressing the manual page ${name}")
  add_custom_target(${program}-man ALL DEPENDS ${filled}.gz)
  add_dependencies(${program} ${program}-man)
  install(FILES ${filled}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
