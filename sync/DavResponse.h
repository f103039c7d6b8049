#pragma once

#include <string>
#include <vector>

// One member of a WebDAV multistatus reply, with the properties this program
// asks servers for. Only properties the server answered with status 200
// are filled in.
struct CDavResponse
{
    std::string strHref;
    // The status given for the member as a whole (404 for a member removed
    // since a sync token); 0 when the reply gave its status per property.
    int nStatus = 0;
    // The status of the first group of properties the server did not give
    // (404: it has none such; 503: it could not give them now); 0 when
    // every property asked for came with 200.
    int nPropStatus = 0;
    std::string strEtag;
    bool bHasAddressData = false;
    std::string strAddressData;
    bool bCollection = false;
    bool bAddressBook = false;
    std::string strDisplayName;
    std::string strPrincipal;
    std::string strAddressBookHome;
    // The vCard versions of the collection's supported-address-data, when
    // the server gave that property.
    bool bHasSupportedVersions = false;
    std::vector<std::string> supportedVersions;
};
