# Fails when a .ts file in FOLDER holds an entry that is unfinished,
# vanished, obsolete or empty, or when the catalogues of one kind
# (dialstack_*, convert_*, sync_*) do not all hold the same number of texts: a
# language missing a text shows it in English.
file(GLOB ts_files ${FOLDER}/*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no .ts files in ${FOLDER}")
endif()
foreach(ts ${ts_files})
  file(STRINGS ${ts} bad REGEX "type=\"(unfinished|vanished|obsolete)\"|<translation></translation>|<numerusform></numerusform>")
  if(bad)
    message(SEND_ERROR "${ts}: ${bad}")
  endif()
  get_filename_component(name ${ts} NAME_WE)
  string(REGEX REPLACE "_[a-zA-Z_]+$" "" kind ${name})
  file(STRINGS ${ts} sources REGEX "<source>")
  list(LENGTH sources count)
  if(NOT DEFINED count_${kind})
    set(count_${kind} ${count})
    set(first_${kind} ${ts})
  elseif(NOT count EQUAL count_${kind})
    message(SEND_ERROR "${ts} holds ${count} texts, ${first_${kind}} ${count_${kind}}")
  endif()
endforeach()
