# Fails when a .ts file in FOLDER holds an entry that is unfinished,
# vanished or obsolete.
file(GLOB ts_files ${FOLDER}/*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no .ts files in ${FOLDER}")
endif()
foreach(ts ${ts_files})
  file(STRINGS ${ts} bad REGEX "type=\"(unfinished|vanished|obsolete)\"")
  if(bad)
    message(SEND_ERROR "${ts}: ${bad}")
  endif()
endforeach()
