#pragma once

#include <string>
#include <vector>

#include "data/DirectoryFormat.h"

// What one run of dialstack-sync is asked to do, from its arguments. The
// password never comes from them: --password-file names a file, and
// --password-stdin reads it from a pipe.
class CSyncOptions
{
public:
    enum class EReport
    {
        kText,
        kJson,   // stdout gets the outcome's JSON, one line, and nothing else
    };
    enum class ETimer
    {
        kNotAsked,
        kOn,
        kOff,
        kStatus,
    };

    bool bHelp = false;
    bool bVersion = false;
    std::string strFile = DirectoryFormat::kDirectoryFileName;
    std::string strUrl;
    std::string strUser;
    std::string strPasswordFile;
    bool bPasswordStdin = false;
    bool bKeepPassword = false;
    std::string strCertificate;
    // --accept-certificate: the SHA-256 fingerprint the server's certificate
    // must have, as hex digits (colons and case as given are dropped).
    std::string strAcceptSha256;
    int nTimeoutSeconds = 60;
    bool bDryRun = false;
    bool bForce = false;
    bool bBringBack = false;
    bool bVerbose = false;
    bool bDiscover = false;
    bool bForget = false;
    ETimer timer = ETimer::kNotAsked;
    EReport report = EReport::kText;

    // args without the program's name. FALSE, with what was wrong in
    // strProblem (in the user's language), for bad usage; the report the
    // user asked for is read even then, so the problem is said as asked.
    bool Parse(const std::vector<std::string>& args, std::string& strProblem);
};
