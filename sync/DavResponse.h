#pragma once

#include <string>

// One member of a WebDAV multistatus reply, with the properties this program
// asks servers for. Only properties the server answered with status 200
// are filled in.
struct CDavResponse
{
    std::string strHref;
    // The status given for the member as a whole (404 for a member removed
    // since a sync token); 0 when the reply gave its status per property.
    int nStatus = 0;
    std::string strEtag;
    bool bHasAddressData = false;
    std::string strAddressData;
    bool bCollection = false;
    bool bAddressBook = false;
    std::string strDisplayName;
    std::string strPrincipal;
    std::string strAddressBookHome;
};
