#pragma once

#include <string>

#include "data/SyncOutcome.h"

// The systemd user timer that syncs one directory file every quarter of an
// hour: an instance of dialstack-sync@.timer named after the file's
// absolute path, escaped the way systemd-escape --path does, which
// dialstack-sync@.service turns back into the path (%f).
class CUserTimer
{
public:
    // Turns the file's timer on (enabled and started) or off (disabled and
    // stopped). kOn or kOff when done; kNoUserManager when no systemd user
    // manager runs for this user; kFailed with the reason in strDetail.
    static CSyncOutcome::ETimer Set(const std::string& strDirectoryFile, bool bOn, std::string& strDetail);
    // Whether the file's timer is enabled; FALSE with no user manager.
    static bool IsOn(const std::string& strDirectoryFile);

    // "dialstack-sync@ESCAPED.timer" for the file (made absolute first).
    static std::string UnitName(const std::string& strDirectoryFile);
    // strPath, absolute and normalised, as a unit name's instance: "/" ends
    // up "-", the slashes between names "-", and every byte but letters,
    // digits, ':', '_' and a '.' that does not lead becomes "\xNN".
    static std::string EscapePath(const std::string& strPath);
};
