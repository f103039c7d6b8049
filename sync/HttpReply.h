#pragma once

#include <string>

// What came back for one HTTP request.
struct CHttpReply
{
    // The HTTP status; 0 when no answer came (no connection, a refused
    // certificate, a timeout), with the reason in strError.
    int nStatus = 0;
    std::string strError;
    std::string strBody;
    std::string strEtag;
    std::string strLocation;

    bool IsSuccess() const { return nStatus >= 200 && nStatus < 300; }
};
