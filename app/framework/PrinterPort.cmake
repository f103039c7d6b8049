# The printer port: plain C++ over libcups, no Qt. Debian ships no cups.pc,
# so the library is found through CMake's own FindCups module.
find_package(Cups REQUIRED)

add_library(dialstack_printer STATIC ${CMAKE_CURRENT_LIST_DIR}/PrinterPort.cpp)
target_include_directories(dialstack_printer PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(dialstack_printer PUBLIC Cups::Cups dialstack_string)
