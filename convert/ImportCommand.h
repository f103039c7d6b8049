#pragma once

#include <iosfwd>

#include "convert/CommandLine.h"

class CImportCommand
{
public:
    // Appends the contacts of every file to the directory and saves it once,
    // at the end: a file that cannot be read stops the import with nothing
    // saved. Contacts are read, mapped and appended one at a time.
    static int Run(const CCommandLine& commandLine, std::istream& in, std::ostream& out, std::ostream& err);
};
