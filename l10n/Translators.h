#pragma once

#include <string>
#include <vector>

// Chooses the user's language and installs the program's translation and
// Qt's own into the running QCoreApplication. English is the language of
// the sources: with no catalogue for any language the user asked for, the
// program speaks English.
class CTranslators
{
public:
    // The languages the user asked for, most wanted first, as locale names
    // without codeset or modifier ("pt_PT", "de"): LANGUAGE's list, then the
    // locale of messages (LC_ALL, else LC_MESSAGES, else LANG). As with
    // gettext, LANGUAGE counts only when that locale is not "C" or "POSIX",
    // which ask for untranslated messages.
    static std::vector<std::string> WantedLanguages(
        const char* pszLanguage, const char* pszLcAll, const char* pszLcMessages, const char* pszLang);
    // The same for the process's environment.
    static std::vector<std::string> WantedLanguages();

    // Installs catalogue's translation ("dialstack" loads dialstack_de.qm)
    // for the first wanted language that has one, with Qt's own translation
    // of that language; returns the language ("de"), or "" for English. A
    // wanted English ("en") ends the search. The translations an earlier
    // call installed are taken out first. Needs a QCoreApplication.
    static std::string Install(const std::string& strCatalogue);
    // A folder searched before the ones beside the program (tests, a build
    // tree).
    static void AddSearchFolder(const std::string& strFolder);
    // The language Install chose ("" for English).
    static const std::string& Language();

    // A text counting nCount things (pszSource keyed as lupdate read it,
    // "%n record added"), as UTF-8 with "%n" replaced by the count: the
    // installed catalogue's form, else English's, from the English
    // catalogue compiled into the program (translations/dialstack_en.ts),
    // so that English counts read right without any file and before
    // Install. pszSource itself when neither holds it.
    static std::string Counted(const char* pszContext, const char* pszSource, const char* pszComment, int nCount);
};
