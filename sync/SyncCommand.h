#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// dialstack-sync: the command line around one sync. Exit status: 0 in step,
// 1 failed (network, authentication, server, a file), with nothing lost;
// 2 bad usage; 3 refused (a window has the directory open, or the sync
// would delete too much).
class CSyncCommand
{
public:
    enum
    {
        kInStep = 0,
        kFailure = 1,
        kUsage = 2,
        kRefused = 3,
    };
    // args without the program's name. The password never comes from the
    // arguments: from the keyring, --password-file, or a prompt on the terminal.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
