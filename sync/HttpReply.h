#pragma once

#include <string>

#include "data/SyncOutcome.h"

// What came back for one HTTP request.
struct CHttpReply
{
    // The HTTP status; 0 when no answer came (no connection, a refused
    // certificate, a timeout, a redirect to another server, a stop), with
    // what happened in failure.
    int nStatus = 0;
    CSyncOutcome failure;
    std::string strBody;
    std::string strEtag;
    std::string strLocation;

    bool IsSuccess() const { return nStatus >= 200 && nStatus < 300; }
};
