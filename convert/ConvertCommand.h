#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "convert/CommandLine.h"

// dialstack-convert: the directory to and from vCard and CSV, and looking
// records up for a mail program (see CCommandLine for the usage).
//
// Run returns the exit status (base/ExitStatus.h): 0 on success (query: something matched);
// 1 when a file cannot be read or parsed, or the directory cannot be read
// whole or saved (an import then saves nothing), or query found nothing;
// 2 on bad usage; 3 when the directory is locked by a window or another
// import.
class CConvertCommand
{
public:
    // args without the program's name; in is what "-" reads.
    static int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

    // "dialstack-convert: message", file text in it shown safely.
    static void Complain(std::ostream& err, const std::string& message);
};
