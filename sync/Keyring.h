#pragma once

#include <string>

// The desktop's keyring (the Secret Service, through libsecret), where the
// password for an address book is kept between runs. Without a session bus
// there is no keyring, and nothing is tried.
class CKeyring
{
public:
    static bool IsAvailable();
    // FALSE when the keyring holds no password for this address book and user.
    static bool Lookup(const std::string& strUrl, const std::string& strUser, std::string& strPassword);
    static bool Store(const std::string& strUrl, const std::string& strUser, const std::string& strPassword);
};
