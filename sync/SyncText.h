#pragma once

#include <initializer_list>
#include <string>

// The sync's messages in the user's language (the "dialstack-sync"
// catalogue context). The English source text is the key and what is
// printed without a translation.
class CSyncText
{
public:
    // pszSource translated, "%1", "%2", ... replaced by the arguments.
    static std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {});
    // A count in the language's plural form ("%n"), with arguments too.
    // pszOne and pszMany are the English forms; the one the count takes is
    // the key of every language's forms.
    static std::string Counted(
        const char* pszOne, const char* pszMany, int nCount, std::initializer_list<std::string> arguments = {});
};
