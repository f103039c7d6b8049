#pragma once

#include <string>

// The program's own configuration folder, $XDG_CONFIG_HOME/dialstack/
// (~/.config/dialstack/ when that is unset or relative): the user's alone
// (0700), since what dialstack-sync keeps there (a password, a certificate
// trusted for a server) is theirs. Each file is named after the directory
// file's sync state ("sync-<hash>"), with its own ending.
class CConfigFolder
{
public:
    // The path of this directory file's file with that ending (".password",
    // ".pem"); the folder is not made.
    static std::string FileFor(const std::string& strDirectoryFile, const char* pszEnding);
    // Makes the folder (0700); FALSE when it cannot be.
    static bool Make();
    // Writes bytes to path in one step, readable by the user alone (0600);
    // FALSE with the reason when it could not be.
    static bool WritePrivate(const std::string& strPath, const std::string& strBytes, std::string& strError);
};
