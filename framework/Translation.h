#pragma once

#include <QString>

#include "base/CString.h"
#include "base/ReasonText.h"
#include "base/TextMarkers.h"

// The framework's one way to the translator: a resource text (a template's
// caption or control text, a string-table entry, a text of the framework's
// own) is written in English, in UTF-8 as every source holds it, and looked
// up in the installed translation under a context naming where it belongs
// (lupdate finds it by its DIALSTACK_TR_NOOP mark). A text without a
// translation stays English. The texts become the program's code page
// (Windows-1252) here, when a CString is made of them, and nowhere else.
class Translation
{
public:
    // The contexts of the program's resources and of the framework's own
    // texts.
    static constexpr const char* kResources = "Resources";
    static constexpr const char* kFramework = "Framework";
    // The context of the reasons the lower layers give (base/ReasonText.h).
    static constexpr const char* kReasons = CReasonText::kTrContext;

    static QString Text(const char* pszEnglish, const char* pszContext = kResources);
    // The same in the program's code page.
    static CString Text1252(const char* pszEnglish, const char* pszContext = kResources);
    // A text counting nCount things: the translation's form for that count
    // (languages differ in how many forms they have and which counts take
    // each; English's are in the English catalogue), with "%n" replaced by
    // the count. pszEnglish is the key.
    static CString CountText1252(const char* pszEnglish, int nCount, const char* pszContext = kResources);
    // Makes the lower layers' reasons (base/ReasonText.h) come translated in
    // the program's code page, with file names and the system's texts turned
    // from the locale's bytes into it too, so that a reason reads right
    // inside a message.
    static void TranslateReasons();
};
