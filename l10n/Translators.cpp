#include "l10n/Translators.h"

#include <cstdlib>
#include <string_view>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

// translations/dialstack_en.ts compiled by lrelease (generated at build time).
std::string_view EnglishCatalogueQm();

namespace {

std::vector<std::string>& ExtraFolders()
{
    static std::vector<std::string> folders;
    return folders;
}

// The translators Install put in place, taken out again by the next Install.
std::vector<QTranslator*>& Installed()
{
    static std::vector<QTranslator*> translators;
    return translators;
}

void InstallTranslator(QTranslator* translator)
{
    QCoreApplication::installTranslator(translator);
    Installed().push_back(translator);
}

void RemoveInstalled()
{
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
}

std::string& ChosenLanguage()
{
    static std::string language;
    return language;
}

// "de_DE.UTF-8@euro" as "de_DE".
std::string WithoutCodeset(std::string_view name)
{
    return std::string(name.substr(0, name.find_first_of(".@")));
}

std::string_view FirstSet(std::initializer_list<const char*> values)
{
    for (const char* value : values) {
        if (value && *value)
            return value;
    }
    return {};
}

// "pt_BR" as "pt".
QString LanguageOf(const std::string& name)
{
    return QString::fromStdString(name.substr(0, name.find('_')));
}

// The program's folder and where an installed program keeps its data.
QStringList SearchFolders()
{
    QStringList folders;
    for (const std::string& folder : ExtraFolders())
        folders << QString::fromStdString(folder);
    const QString programFolder = QCoreApplication::applicationDirPath();
    folders << programFolder + QStringLiteral("/translations")
            << QDir::cleanPath(programFolder + QStringLiteral("/../share/dialstack/translations"));
    return folders;
}

bool LoadFrom(QTranslator& translator, const QString& fileName, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator.load(fileName, folder))
            return true;
    }
    return false;
}

// Qt's own texts (standard buttons and the like) in language; Qt ships
// Portuguese only in its Brazilian form, which is taken for Portugal too.
void InstallQtTranslation(const std::string& name)
{
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (LoadFrom(*translator, QStringLiteral("qtbase_") + QString::fromStdString(name), folders)
        || (LanguageOf(name) == QLatin1String("pt") && LoadFrom(*translator, QStringLiteral("qtbase_pt_BR"), folders)))
        InstallTranslator(translator);
    else
        delete translator;
}

const QTranslator& EnglishCatalogue()
{
    static const QTranslator* const english = [] {
        auto* translator = new QTranslator;
        const std::string_view qm = EnglishCatalogueQm();
        if (!translator->load(reinterpret_cast<const uchar*>(qm.data()), static_cast<int>(qm.size())))
            qWarning("the English catalogue compiled in could not be read");
        return translator;
    }();
    return *english;
}

QString WithCount(QString text, int nCount)
{
    return text.replace(QLatin1String("%n"), QString::number(nCount));
}

}   // namespace

std::vector<std::string> CTranslators::WantedLanguages(
    const char* pszLanguage, const char* pszLcAll, const char* pszLcMessages, const char* pszLang)
{
    const std::string locale = WithoutCodeset(FirstSet({pszLcAll, pszLcMessages, pszLang}));
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return {};
    std::vector<std::string> wanted;
    const std::string_view list = pszLanguage ? pszLanguage : "";
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(':', start), list.size());
        const std::string name = WithoutCodeset(list.substr(start, end - start));
        if (!name.empty())
            wanted.push_back(name);
        start = end + 1;
    }
    wanted.push_back(locale);
    return wanted;
}

std::vector<std::string> CTranslators::WantedLanguages()
{
    return WantedLanguages(
        std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string CTranslators::Install(const std::string& strCatalogue)
{
    RemoveInstalled();
    ChosenLanguage().clear();
    const QStringList folders = SearchFolders();
    for (const std::string& name : WantedLanguages()) {
        if (LanguageOf(name) == QLatin1String("en"))
            break;
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!LoadFrom(*translator, QString::fromStdString(strCatalogue + "_" + name), folders)) {
            delete translator;
            continue;
        }
        InstallTranslator(translator);
        InstallQtTranslation(name);
        ChosenLanguage() = LanguageOf(name).toStdString();
        break;
    }
    return ChosenLanguage();
}

void CTranslators::AddSearchFolder(const std::string& strFolder)
{
    ExtraFolders().push_back(strFolder);
}

const std::string& CTranslators::Language()
{
    return ChosenLanguage();
}

std::string CTranslators::Counted(const char* pszContext, const char* pszSource, const char* pszComment, int nCount)
{
    const QString counted = QCoreApplication::translate(pszContext, pszSource, pszComment, nCount);
    // No catalogue installed holds it: the source comes back, "%n" filled.
    if (counted != WithCount(QString::fromUtf8(pszSource), nCount))
        return counted.toStdString();
    const QString english = EnglishCatalogue().translate(pszContext, pszSource, pszComment, nCount);
    return english.isEmpty() ? counted.toStdString() : WithCount(english, nCount).toStdString();
}
