#pragma once

#include <initializer_list>

#include "base/CString.h"
#include "base/TextMarkers.h"

// The reasons the lower layers give (why a file could not be saved, why the
// printer refused a job) in the reader's language. A reason is written in
// English in the code, as a lower-case clause without a final period, with
// "%1" to "%9" where its arguments go, so that a language can put them
// where its word order wants them. Until a program installs its language, a
// reason is the English text and every argument stays byte for byte as given.
class CReasonText
{
public:
    DIALSTACK_TR_CONTEXT(Reasons)

    // How a program shows reasons, set once at start-up: an English text's
    // translation, and a text of the system's (a file name in the locale's
    // bytes, the system's or the print service's own words), each in the
    // encoding the program shows its texts in. A null function leaves the
    // text as it is.
    struct CLanguage
    {
        CString (*pfnTranslate)(const char* pszEnglish) = nullptr;
        CString (*pfnFromSystem)(const CString& strBytes) = nullptr;
    };
    static void Install(const CLanguage& language);

    // pszEnglish in the reader's language with "%N" replaced by the Nth
    // argument, in one pass: an argument that holds "%2" itself stays as it
    // is. The arguments are reasons or FromSystem texts.
    static CString Tr(const char* pszEnglish, std::initializer_list<CString> arguments = {});
    // A file name or a text of the system's, for an argument of a reason.
    static CString FromSystem(const CString& strBytes);
};
