#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// dialstack-convert: the directory to and from vCard and CSV.
//
//   export --format vcard|csv [--file DIR/Dialstack.dat] [--output FILE]
//   import --format vcard|csv [--file DIR/Dialstack.dat] [--verbose] FILE...
//
// Run returns the exit status: 0 on success, 1 when a file cannot be read or
// parsed, or the directory cannot be read whole or saved (an import then
// saves nothing), 2 on bad usage.
class CConvertCommand
{
public:
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kBadUsage = 2;

    // args without the program's name; in is what "-" reads.
    static int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
};
