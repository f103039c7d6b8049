#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sync/DavResponse.h"

// A server's multistatus reply (PROPFIND, sync-collection and
// addressbook-multiget all answer with one), read with the properties this
// program uses. The reply is untrusted: whatever it holds, reading it ends
// without a crash, in time and memory linear in its length.
class CDavMultiStatus
{
public:
    using ResponseSink = std::function<void(CDavResponse& response)>;

    // Reads the reply once, front to back, handing each member to onResponse
    // as soon as it is read (the sink may move from it). FALSE, with the
    // reason in strError, when the bytes are not a well-formed multistatus
    // document: members already handed over are then to be dropped.
    static bool Parse(
        const std::string& xml, const ResponseSink& onResponse, std::string& strSyncToken, std::string& strError);
    // The same, collecting the members.
    static bool Parse(const std::string& xml, CDavMultiStatus& result, std::string& strError);

    // The name of the condition a refusal's DAV:error body names
    // ("supported-address-data"), or "" when the body names none.
    static std::string Precondition(const std::string& body);

    std::vector<CDavResponse> m_responses;
    // The collection's new sync token, when the reply carried one.
    std::string m_strSyncToken;
};
