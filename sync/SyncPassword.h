#pragma once

#include <iosfwd>
#include <string>

#include "data/SyncOutcome.h"
#include "sync/SyncOptions.h"
#include "sync/SyncState.h"

// The password of one sync: where it is read from, and where it is kept
// once the server has taken it. It is read from what was given now
// (--password-file, --password-stdin), else the keyring, else the file
// remembered for the directory file, else the terminal; it never comes from
// the arguments or the environment.
class CSyncPassword
{
public:
    // info: where a question or a note for the user goes.
    CSyncPassword(const CSyncOptions& options, CSyncState& state, std::ostream& info);

    // The password (none without a user name), or what stops the sync.
    CSyncOutcome Read(std::string& strPassword);
    // The server took the password: it is kept (the keyring, a file) and
    // outcome says where. TRUE when the state changed for it.
    bool Keep(CSyncOutcome& outcome);
    // A refused or missing password, with the file it was read from and the
    // sync's server and user, for the command that settles it.
    void Complete(CSyncOutcome& outcome) const;

    bool WasGiven() const { return m_bGiven; }

private:
    CSyncOutcome Find(std::string& strPassword);
    CSyncOutcome Given(std::string& strPassword);
    CSyncOutcome Remembered(std::string& strPassword);
    bool Prompt(std::string& strPassword);
    bool KeepInFile(const std::string& strPath, CSyncOutcome& outcome);
    std::string KeyringUrl() const;
    std::string Host() const;

    const CSyncOptions& m_options;
    CSyncState& m_state;
    std::ostream& m_info;
    std::string m_strPassword;
    bool m_bGiven = false;   // now: a file, standard input or the terminal
    bool m_bPrompted = false;
    std::string m_strFileRead;
};
