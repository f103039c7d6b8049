#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/TextMarkers.h"

// dialstack-sync: the command line around one sync. Exit status: 0 in step;
// 1 failed (network, server, a file, stopped by a signal), with nothing
// lost; 2 bad usage; 3 busy (a window with unsaved changes, or another
// program, is changing the directory: the next run tries again); 4 needs
// you (the sync would delete too much, the server refused the password, the
// address book is gone).
class CSyncCommand
{
public:
    // Its messages are the sync's (CSyncText::Tr).
    DIALSTACK_TR_CONTEXT(DialstackSync)

    enum
    {
        kInStep = 0,
        kFailure = 1,
        kUsage = 2,
        kBusy = 3,
        kNeedsYou = 4,
    };
    // args without the program's name. The password never comes from the
    // arguments: from --password-file, the keyring, the password file
    // remembered when the keyring could not keep it, or a prompt on the
    // terminal.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static const char kHelp[];
};
