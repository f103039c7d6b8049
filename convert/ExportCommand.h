#pragma once

#include <iosfwd>

#include "convert/CommandLine.h"

class CExportCommand
{
public:
    // Writes every record in directory order to standard output, or to
    // --output, which is replaced in one step.
    static int Run(const CCommandLine& commandLine, std::ostream& out, std::ostream& err);
};
