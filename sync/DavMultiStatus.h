#pragma once

#include <string>
#include <vector>

#include "sync/DavResponse.h"

// A server's multistatus reply (PROPFIND, sync-collection and
// addressbook-multiget all answer with one), read with the properties this
// program uses. The reply is untrusted: whatever it holds, reading it ends
// without a crash, in time linear in its length.
class CDavMultiStatus
{
public:
    // FALSE, with the reason in strError, when the bytes are not a
    // well-formed multistatus document.
    static bool Parse(const std::string& xml, CDavMultiStatus& result, std::string& strError);

    std::vector<CDavResponse> m_responses;
    // The collection's new sync token, when the reply carried one.
    std::string m_strSyncToken;
};
