# Writes OUTPUT, a C++ source whose function FUNCTION returns the bytes of
# INPUT as a std::string_view. Run at build time with cmake -P.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <string_view>\n"
  "namespace { const char kBytes[] = {${bytes} 0}; }\n"
  "std::string_view ${FUNCTION}() { return {kBytes, sizeof kBytes - 1}; }\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
