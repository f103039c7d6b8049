# Writes OUTPUT, a C++ source whose function FUNCTION returns the bytes of
# each file of INPUTS (separated by '|'), in order, as std::string_views.
# Run at build time with cmake -P.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(arrays "")
set(views "")
set(n 0)
foreach(input IN LISTS inputs)
  file(READ "${input}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kImage${n}[] = {${bytes} 0};\n")
  string(APPEND views "{kImage${n}, sizeof kImage${n} - 1}, ")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUTS}; do not edit.\n"
  "#include <string_view>\n#include <vector>\n"
  "namespace {\n${arrays}}\n"
  "std::vector<std::string_view> ${FUNCTION}() { return {${views}}; }\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
