// The shell's text units: the safe printing of file text, and the filling
// in of a message's arguments.

#include <gtest/gtest.h>

#include "shell/PrintableText.h"
#include "shell/ToolText.h"

namespace {

TEST(PrintableText, EscapesWhatATerminalWouldActOn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Zo\xC3\xAB", "Zo\xC3\xAB"},
        {"a\x1B]0;t\x07", "a\\x1B]0;t\\x07"},
        {"\x7F\xC2\x9B", "\\x7F\\x9B"},
        {"ab\xE2\x80\xAE"
         "cd",
            "ab\\u202Ecd"},
        {"\xFFok", "\\xFFok"},
        {std::string(300, 'x'), std::string(240, 'x') + "... (300 bytes in all)"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Printable(text), expected);
}

// A message's arguments go in byte for byte, in the order of their
// numbers, each number wherever it stands: a file name in the locale's bytes
// or holding "%2" itself is shown as it is.
TEST(ToolText, FillsTheNumberedPlacesWithTheArgumentsAsTheyAre)
{
    const struct
    {
        const char* pszSource;
        std::vector<std::string> arguments;
        std::string expected;
    } cases[] = {
        {"%1: could not be saved: %2", {"caf\xE9.dat", "disk full"}, "caf\xE9.dat: could not be saved: disk full"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 and %1 again", {"x"}, "x and x again"},
        {"%1: %2", {"100%2.dat", "why"}, "100%2.dat: why"},
        {"50% done, %3 left, %", {"a"}, "50% done, %3 left, %"},
    };
    for (const auto& row : cases) {
        const std::vector<std::string>& a = row.arguments;
        const std::string filled = a.size() == 1 ? CToolText::Tr("test", row.pszSource, {a[0]})
                                                 : CToolText::Tr("test", row.pszSource, {a[0], a[1]});
        EXPECT_EQ(filled, row.expected) << row.pszSource;
    }
}

}   // namespace
