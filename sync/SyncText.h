#pragma once

#include <initializer_list>
#include <string>

#include "base/TextMarkers.h"

// The sync's messages in the user's language, in its catalogue context. The
// English source text is the key and what is printed without a translation.
class CSyncText
{
public:
    DIALSTACK_TR_CONTEXT(DialstackSync)

    // pszSource translated, "%1", "%2", ... replaced by the arguments.
    static std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {});
    // A count: Tr("%n conflict kept as a copy", nullptr, nCount, {...}) in
    // the language's plural form for nCount ("%n" replaced by it; English's
    // forms are in the English catalogue), with arguments too.
    static std::string Tr(
        const char* pszSource, const char* pszComment, int nCount, std::initializer_list<std::string> arguments = {});
};
