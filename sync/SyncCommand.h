#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// dialstack-sync: the command line around one sync, or around its set-up
// (--discover, --forget, --timer). What a run came to is a CSyncOutcome:
// worded for the terminal, printed as JSON with --report json, kept beside
// the sync state for a window open on the file, and told to the desktop when
// it needs the user and nobody watches. The exit status is the outcome's
// (base/ExitStatus.h).
class CSyncCommand
{
public:
    // args without the program's name. The password never comes from the
    // arguments: from --password-file, --password-stdin, the keyring, the
    // password file remembered for the directory file, or a prompt on the
    // terminal.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static const char kHelp[];
};
