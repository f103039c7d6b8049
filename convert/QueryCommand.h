#pragma once

#include <iosfwd>

#include "convert/CommandLine.h"

class CQueryCommand
{
public:
    // Prints the records that match the text in the query format of
    // terminal mail programs: a first line of text, then one line a match,
    // "e-mail TAB name TAB phone".
    static int Run(const CCommandLine& commandLine, std::ostream& out, std::ostream& err);
};
