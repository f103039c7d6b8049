# Runs at install time, when the prefix is the one installed to (cmake
# --install --prefix, or the package's /usr): configures the user units
# with the installed program's full path and puts them where systemctl
# --user finds them. In: units_source, units_build, bindir (as
# CMAKE_INSTALL_BINDIR), datadir (as CMAKE_INSTALL_DATADIR), user_unit_dir
# (a packager's choice, or empty).
set(prefix "${CMAKE_INSTALL_PREFIX}")
if(IS_ABSOLUTE "${bindir}")
  set(full_bindir "${bindir}")
else()
  set(full_bindir "${prefix}/${bindir}")
endif()
# Quoted in ExecStart=: a backslash, a quote and a specifier's % in the
# path are escaped (the program's path takes no variables, so $ stays).
set(DIALSTACK_SYNC_PROGRAM "${full_bindir}/dialstack-sync")
string(REPLACE "\\" "\\\\" DIALSTACK_SYNC_PROGRAM "${DIALSTACK_SYNC_PROGRAM}")
string(REPLACE "\"" "\\\"" DIALSTACK_SYNC_PROGRAM "${DIALSTACK_SYNC_PROGRAM}")
string(REPLACE "%" "%%" DIALSTACK_SYNC_PROGRAM "${DIALSTACK_SYNC_PROGRAM}")

# /usr and /usr/local: systemd's own folders, searched whatever the
# environment. Any other prefix: beside its desktop entry, in DATADIR, which
# the user manager searches as it is ~/.local/share (XDG_DATA_HOME) or on
# XDG_DATA_DIRS, as the desktop searches it for the entry.
if(user_unit_dir)
  set(unit_dir "${user_unit_dir}")
elseif(prefix STREQUAL "/usr" OR prefix STREQUAL "/usr/local")
  set(unit_dir "${prefix}/lib/systemd/user")
else()
  if(IS_ABSOLUTE "${datadir}")
    set(data "${datadir}")
  else()
    set(data "${prefix}/${datadir}")
  endif()
  set(unit_dir "${data}/systemd/user")
  set(data_home "$ENV{XDG_DATA_HOME}")
  if(NOT data_home)
    set(data_home "$ENV{HOME}/.local/share")
  endif()
  string(REPLACE ":" ";" data_dirs "$ENV{XDG_DATA_DIRS}")
  if(NOT data_dirs)
    set(data_dirs /usr/local/share /usr/share)
  endif()
  foreach(dir IN ITEMS "${data}" LISTS data_home data_dirs)
    cmake_path(SET dir NORMALIZE "${dir}")
    string(REGEX REPLACE "(.)/+$" "\\1" dir "${dir}")
    list(APPEND normalised "${dir}")
  endforeach()
  list(POP_FRONT normalised data_normalised)
  list(FIND normalised "${data_normalised}" found)
  if(found EQUAL -1)
    message(WARNING "systemctl --user does not look into ${unit_dir}: add ${data} to XDG_DATA_DIRS "
      "for the user manager, or link the units into ~/.config/systemd/user")
  endif()
endif()

foreach(unit dialstack-sync.service dialstack-sync@.service)
  configure_file("${units_source}/${unit}.in" "${units_build}/${unit}" @ONLY)
endforeach()
file(INSTALL "${units_build}/dialstack-sync.service" "${units_build}/dialstack-sync@.service"
  "${units_source}/dialstack-sync.timer" "${units_source}/dialstack-sync@.timer"
  DESTINATION "${unit_dir}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
