#pragma once

// The program's version record.
struct VersionRecord
{
    unsigned short fileVersion[4];
    unsigned short productVersion[4];
    const char* pszLanguageBlock;   // language and code page of the strings
    const char* pszFileVersion;
    const char* pszProductVersion;
    const char* pszFileDescription;
    const char* pszProductName;
    const char* pszCompanyName;
    const char* pszLegalCopyright;
};
