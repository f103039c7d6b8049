// The program in the user's language: each language's access keys are
// distinct in every window, the command-line tools and the real window
// started under a locale speak its language, down to the window menu, the
// dialogs, Qt's own buttons, the help page and the plural forms.

#include <cerrno>
#include <cstdlib>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTextEdit>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/DirectoryApp.h"
#include "base/ReasonText.h"
#include "convert/CommandLine.h"
#include "convert/ConvertText.h"
#include "data/DirectoryLock.h"
#include "data/DirectoryWriter.h"
#include "data/FileReasons.h"
#include "framework/HelpWindow.h"
#include "framework/Menu.h"
#include "framework/TextCodec.h"
#include "framework/Translation.h"
#include "l10n/Translators.h"
#include "res/DialogTemplates.h"
#include "res/ResourceTable.h"
#include "res/resource.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

// The program's own application object: its resources and catalogue.
CDirectoryApp theApp;

namespace {

using namespace GuiTest;

const char* const kLanguages[] = {"de", "fr", "es", "it", "nl", "pt"};

QTranslator& Catalogue(const QString& language)
{
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    std::unique_ptr<QTranslator>& translator = loaded[language];
    if (!translator) {
        translator = std::make_unique<QTranslator>();
        EXPECT_TRUE(translator->load(QStringLiteral("dialstack_") + language, DIALSTACK_TRANSLATIONS_FOLDER));
    }
    return *translator;
}

// The letter after each single '&'.
QString Mnemonics(const QStringList& texts)
{
    QString letters;
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size())
            letters += text[at + 1].toLower();
    }
    return letters;
}

// The catalogues themselves are checked whole by the TranslationCatalogues
// test (scripts/update-translations.sh --check); what that cannot see is
// whether a language's access keys clash within one window or menu.
TEST(LanguageTest, EveryLanguageGivesEachWindowAndMenuDistinctAccessKeys)
{
    for (const char* pszLanguage : kLanguages) {
        const QString language = QString::fromLatin1(pszLanguage);
        SCOPED_TRACE(pszLanguage);
        const QTranslator& catalogue = Catalogue(language);
        for (const DialogTemplate& t : ProgramDialogTemplates()) {
            QStringList texts;
            for (const DialogItemTemplate& item : t.items) {
                if (item.pszText)
                    texts << catalogue.translate(Translation::kResources, item.pszText);
            }
            const QString letters = Mnemonics(texts);
            EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size())
                << "mnemonics " << letters.toStdString() << " in " << t.pszCaption;
        }
        // The window menu: the framework's two items and the program's
        // five (Set Up Sync and Sync Settings never together, but kept
        // apart all the same); the buttons of the question asked on leaving.
        const auto resource = [&catalogue](UINT nId) {
            return catalogue.translate(Translation::kResources, ResourceTable::FindString(nId));
        };
        const QString menu = Mnemonics({catalogue.translate(Translation::kFramework, "&Move"),
            catalogue.translate(Translation::kFramework, "&Close\tAlt+F4"), resource(IDS_ABOUT_MENU),
            resource(IDS_FIND_MENU), resource(IDS_SYNC_MENU), resource(IDS_SYNC_SETUP_MENU),
            resource(IDS_SYNC_SETTINGS_MENU)});
        EXPECT_EQ(QSet<QChar>(menu.begin(), menu.end()).size(), 7) << "window menu mnemonics " << menu.toStdString();
        const QString leave
            = Mnemonics({resource(IDS_LEAVE_SAVE), resource(IDS_LEAVE_DISCARD), resource(IDS_LEAVE_STAY)});
        EXPECT_EQ(QSet<QChar>(leave.begin(), leave.end()).size(), 3) << "leaving's mnemonics " << leave.toStdString();
    }
}

// A command-line tool's standard output (and error) run under LANG.
QString ToolOutput(const char* pszTool, const QString& lang, const QStringList& arguments)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(pszName);
    environment.insert("LANG", lang);
    tool.setProcessEnvironment(environment);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(pszTool, arguments);
    EXPECT_TRUE(tool.waitForFinished(30000)) << pszTool;
    return QString::fromUtf8(tool.readAll());
}

// Both tools speak the user's language: --help with the options as they
// are typed, the import's summary with the language's plural forms (a
// count of one and counts of none, which French counts as one), and the
// reason the directory's lock gives when a window holds the directory.
// Every language's catalogue is checked whole by the TranslationCatalogues
// test; these rows show the tools load and use one, English's for its
// plural forms too.
TEST(LanguageTest, TheCommandLineToolsSpeakTheLanguageOfTheLocale)
{
    const struct
    {
        const char* pszLang;
        const char* pszConvertHelp;
        const char* pszSyncHelp;
        const char* pszSummary;
        const char* pszLocked;
    } rows[] = {
        {"C.UTF-8", "usage: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DIR/",
            "usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME]\n"
            "                      [--password-file FILE | --password-stdin]",
            "1 record added, 0 contacts skipped, 0 values moved to misc, 0 characters replaced\n",
            "a Dialstack window has unsaved changes to the directory, or another program is changing it;"},
        {"de_DE.UTF-8", "Aufruf: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file ORDNER/",
            "Aufruf: dialstack-sync [--file ORDNER/Dialstack.dat] [--url URL] [--user NAME]\n"
            "                       [--password-file DATEI | --password-stdin]",
            "1 Eintrag hinzugefügt, 0 Kontakte übersprungen, 0 Werte ins Feld „Notiz“ verschoben, 0 Zeichen ersetzt\n",
            "ein Dialstack-Fenster hat ungespeicherte Änderungen am Telefonbuch, oder ein anderes Programm ändert es"},
        {"fr_FR.UTF-8", "usage\u00a0: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DOSSIER/",
            "usage\u00a0: dialstack-sync [--file DOSSIER/Dialstack.dat] [--url URL] [--user NOM]\n"
            "                       [--password-file FICHIER | --password-stdin]",
            "1 fiche ajoutée, 0 contact ignoré, 0 valeur déplacée dans «\u00a0Divers\u00a0», 0 caractère remplacé\n",
            "une fenêtre de Dialstack contient des modifications non enregistrées de l'annuaire,"},
        {"pt_PT.UTF-8", "utilização: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file PASTA/",
            "utilização: dialstack-sync [--file PASTA/Dialstack.dat] [--url URL] [--user NOME]\n"
            "                           [--password-file FICHEIRO | --password-stdin]",
            "1 registo adicionado, 0 contactos ignorados, 0 valores movidos para «Notas», 0 caracteres substituídos\n",
            "uma janela do Dialstack tem alterações por guardar na lista,"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszLang);
        const QString lang = QString::fromLatin1(row.pszLang);
        EXPECT_TRUE(ToolOutput(DIALSTACK_CONVERT_TOOL, lang, {"--help"}).startsWith(QString::fromUtf8(row.pszConvertHelp)));
        EXPECT_TRUE(ToolOutput(DIALSTACK_SYNC_TOOL, lang, {"--help"}).startsWith(QString::fromUtf8(row.pszSyncHelp)));
        ScratchDirectory dir;
        QFile card("one.vcf");
        ASSERT_TRUE(card.open(QIODevice::WriteOnly));
        card.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Bauer\r\nTEL:030 123456\r\nEND:VCARD\r\n");
        card.close();
        EXPECT_EQ(ToolOutput(DIALSTACK_CONVERT_TOOL, lang, {"import", "--file", "Dialstack.dat", "one.vcf"}),
            QString::fromUtf8(row.pszSummary));
        CDirectoryLock window;
        CString strWhy;
        ASSERT_TRUE(window.TryAcquire("Dialstack.dat", CDirectoryLock::Kind::Shared, strWhy));
        const QString locked
            = ToolOutput(DIALSTACK_CONVERT_TOOL, lang, {"import", "--file", "Dialstack.dat", "one.vcf"});
        EXPECT_TRUE(locked.contains(QString::fromUtf8(row.pszLocked))) << locked.toStdString();
    }
}

// Contact files that lead the converter down its reasons and details: a
// card with a character the directory cannot hold in each field, a value
// moved to misc, properties left out (binary, long, no property at all,
// another person's card), a card without a name, one too long to hold and
// one cut off.
void WriteOddContactFiles()
{
    std::string odd = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Łukasz\r\nTEL:Ł1\r\nTEL;PAGER:Ł2\r\nEMAIL:ł@x\r\nNOTE:Ł\r\n"
                      "TEL;HOME:030 1\r\nPHOTO;ENCODING=BASE64:AAAA\r\n"
                      "X-LONG:"
        + std::string(300, 'x')
        + "\r\nno property\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nEND:VCARD\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Big\r\nNOTE:"
        + std::string(70000, 'y') + "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Cut\r\n";
    WriteFileBytes("odd.vcf", odd);
    WriteFileBytes("none.vcf", "no card here\n");
    WriteFileBytes("empty.csv", "");
    WriteFileBytes("wide.vcf", std::string("\xFF\xFE\0\0B\0\0\0", 8));
    WriteFileBytes("zeros.vcf", std::string("a\0b\0c\0d\0", 8));
    // A last record without a name, which an import would overwrite.
    CDirectoryWriter writer(0, 1);
    writer.WriteRecord(ToFields({"", "555 0999", "", "", ""}));
    WriteFileBytes("unnamed.dat", writer.Bytes());
}

// Every reason and detail line the converter gives is in the language of
// the locale: under C each run says the English words listed, under every
// language shipped none of them; and German says one import's details
// whole, the parts from the file where the sentence puts them.
TEST(LanguageTest, TheConvertersReasonsAndDetailsAreInTheLanguageOfTheLocale)
{
    ScratchDirectory dir;
    WriteOddContactFiles();
    const struct
    {
        QStringList arguments;
        std::vector<const char*> english;
    } runs[] = {
        {{"import", "--verbose", "odd.vcf"},
            {"replaced by", "moved to misc", "left out", "binary data", "bytes in all", "no vCard property",
                "another person", "cut off", "skipped", "no name", "KiB of text"}},
        {{"import", "none.vcf"}, {"holds no vCard"}},
        {{"import", "empty.csv"}, {"header row"}},
        {{"import", "wide.vcf"}, {"UTF-32, which", "are read"}},
        {{"import", "zeros.vcf"}, {"zero bytes", "are read"}},
        {{"import", "--file", "unnamed.dat", "odd.vcf"}, {"last record has no name"}},
        {{"import", "--file", "no-such-folder/Dialstack.dat", "odd.vcf"}, {"could not be saved", "nothing was"}},
    };
    for (const char* pszLang :
        {"C.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "nl_NL.UTF-8", "pt_PT.UTF-8"}) {
        const bool bEnglish = pszLang[0] == 'C';
        for (const auto& run : runs) {
            const QString output = ToolOutput(DIALSTACK_CONVERT_TOOL, pszLang, run.arguments);
            for (const char* pszEnglish : run.english)
                EXPECT_EQ(output.contains(pszEnglish), bEnglish)
                    << pszLang << " " << run.arguments.join(' ').toStdString() << "\n"
                    << output.toStdString();
        }
    }
    WriteFileBytes(
        "few.vcf", "BEGIN:VCARD\r\nFN:Łukasz\r\nTEL:1\r\nX-A:b\r\nEND:VCARD\r\nBEGIN:VCARD\r\nEND:VCARD\r\n");
    EXPECT_EQ(
        ToolOutput(DIALSTACK_CONVERT_TOOL, "de_DE.UTF-8", {"import", "--verbose", "--file", "few.dat", "few.vcf"}),
        QString::fromUtf8("„Łukasz“ (few.vcf, Kontakt 1): 1 Zeichen des Namens durch „?“ ersetzt\n"
                          "„Łukasz“ (few.vcf, Kontakt 1): ausgelassen: X-A = b\n"
                          "few.vcf, Kontakt 2: übersprungen, denn er hat keinen Namen\n"
                          "1 Eintrag hinzugefügt, 1 Kontakt übersprungen, 0 Werte ins Feld „Notiz“ verschoben, "
                          "1 Zeichen ersetzt\n"));
}

TEST(LanguageTest, TheLanguageIsTheFirstOneAskedForOfTheLocaleOrLanguageList)
{
    const struct
    {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        std::vector<std::string> wanted;
    } rows[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", {"de_DE"}},
        {nullptr, nullptr, "fr_FR.UTF-8", "de_DE.UTF-8", {"fr_FR"}},
        {nullptr, "es_ES.UTF-8@euro", "fr_FR.UTF-8", "de_DE.UTF-8", {"es_ES"}},
        {"nl:pt_PT", nullptr, nullptr, "de_DE.UTF-8", {"nl", "pt_PT", "de_DE"}},
        {"it::", nullptr, nullptr, "en_GB.UTF-8", {"it", "en_GB"}},
        // "C" asks for untranslated messages, whatever LANGUAGE says.
        {"de", nullptr, nullptr, "C.UTF-8", {}},
        {"de", "POSIX", nullptr, "de_DE.UTF-8", {}},
        {"de", nullptr, nullptr, nullptr, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CTranslators::WantedLanguages(row.language, row.lcAll, row.lcMessages, row.lang), row.wanted)
            << (row.language ? row.language : "") << " | " << (row.lang ? row.lang : "");
}

void SetLocale(const char* pszLanguage, const char* pszLocale)
{
    setenv("LANGUAGE", pszLanguage, 1);
    setenv("LC_ALL", pszLocale, 1);
}

TEST(LanguageTest, EnglishAskedForFirstOrNoCatalogueForTheLanguageLeavesTheProgramEnglish)
{
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    const struct
    {
        const char* pszLanguage;
        const char* pszLocale;
        const char* pszChosen;
    } rows[] = {
        {"en:de", "de_DE.UTF-8", ""},
        {"sv:fr", "de_DE.UTF-8", "fr"},
        {"", "sv_SE.UTF-8", ""},
        {"", "pt_BR.UTF-8", "pt"},
        {"", "de_AT.UTF-8", "de"},
    };
    for (const auto& row : rows) {
        SetLocale(row.pszLanguage, row.pszLocale);
        EXPECT_EQ(CTranslators::Install("dialstack"), row.pszChosen) << row.pszLanguage << " " << row.pszLocale;
    }
    // A second Install takes the first one's catalogue out.
    SetLocale("", "C.UTF-8");
    CTranslators::Install("dialstack");
    EXPECT_EQ(QCoreApplication::translate(Translation::kResources, "Save Now"), "Save Now");
}

// A count is keyed by its text for one: English's forms come from the
// English catalogue compiled in, a language's from its own.
TEST(LanguageTest, ACountTakesItsFormsFromTheCatalogueByItsOneKey)
{
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    for (const auto& [pszLocale, nCount, pszExpected] : {std::tuple{"C.UTF-8", 2, "2 records added"},
             std::tuple{"C.UTF-8", 1, "1 record added"}, std::tuple{"de_DE.UTF-8", 2, "2 Einträge hinzugefügt"}}) {
        SetLocale("", pszLocale);
        CTranslators::Install("dialstack");
        EXPECT_EQ(ConvertText::Tr("%n record added", nullptr, nCount), pszExpected);
    }
    SetLocale("", "C.UTF-8");
    CTranslators::Install("dialstack");
}

struct WindowInLanguage
{
    const char* pszLocale;
    QStringList mainWindow;
    QStringList windowMenu;
    QString addRecordTitle;
    QStringList addRecordBoxes;
    QString helpTitle;
    QString helpHeading;
    QString qtYes;
};

TEST(LanguageTest, TheWindowStartedUnderGermanOrFrenchSpeaksThatLanguage)
{
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    const WindowInLanguage cases[] = {
        {"de_DE.UTF-8",
            {"Hinzufügen", "Speichern", "Löschen", "Rückgängig", "Bearbeiten", "Drucken", "Fertig", "Hilfe",
                "Namen", "Einzelheiten", "E-Mail", "Pager", "Tel.", "Notiz"},
            {"&Verschieben", "S&chließen\tAlt+F4", "&Suchen…", "Ü&ber Dialstack2..."}, "Eintrag hinzufügen",
            {"Name", "Telefon", "Pager", "E-Mail-Adresse", "Notiz"}, "Dialstack-Hilfe", "Wo Ihr Verzeichnis liegt",
            "&Ja"},
        {"fr_FR.UTF-8",
            {"Ajouter", "Enregistrer", "Supprimer", "Tout annuler", "Modifier", "Imprimer", "Enregistrer/Fin", "Aide",
                "Noms", "Détails", "E-mail", "Bipeur", "Tél.", "Divers"},
            {"&Déplacer", "&Fermer\tAlt+F4", "&Rechercher…", "À &propos de Dialstack2..."}, "Ajouter une fiche",
            {"Nom", "Téléphone", "Bipeur", "Adresse e-mail", "Divers"}, "Aide de Dialstack",
            "Où votre annuaire est rangé", "&Oui"},
    };
    for (const WindowInLanguage& expected : cases) {
        SCOPED_TRACE(expected.pszLocale);
        ScratchDirectory dir;
        SetLocale("", expected.pszLocale);
        CWinApp::StartFramework("dialstack");
        CDirectoryDlg dlg;
        MainWindow::RunMainWindow(dlg, [&](QWidget* w) {
            QStringList names;
            for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->isHidden())
                    names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            }
            EXPECT_EQ(names, expected.mainWindow);
            QStringList menu;
            for (QAction* action : dlg.GetSystemMenu(FALSE)->GetQMenu()->actions()) {
                if (!action->isSeparator())
                    menu << action->text();
            }
            EXPECT_EQ(menu, expected.windowMenu);
            RunWhenModal([&expected](QWidget* dialog) {
                EXPECT_EQ(dialog->windowTitle(), expected.addRecordTitle);
                QStringList boxes;
                for (int nId : {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC})
                    boxes << QAccessible::queryAccessibleInterface(Control(dialog, nId))->text(QAccessible::Name);
                EXPECT_EQ(boxes, expected.addRecordBoxes);
                PressKey(Qt::Key_Escape);
            });
            Click(w, IDC_ADD_NAME);
            HelpWindow::Open();
            QWidget* help = HelpWindow::Current();
            ASSERT_NE(help, nullptr);
            EXPECT_EQ(help->windowTitle(), expected.helpTitle);
            auto* page = help->findChild<QTextEdit*>();
            ASSERT_NE(page, nullptr);
            EXPECT_TRUE(page->toPlainText().contains(expected.helpHeading));
            HelpWindow::Close();
        });
        // Qt's own buttons come from Qt's catalogue of the language.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), expected.qtYes);
    }
}

// A message built from pieces, through the real window: the sentence around
// the file's name and the count of records read, in the form the language
// gives that count (French says "0 fiche", singular; English two forms only).
TEST(LanguageTest, TheDamagedFileMessageCountsInTheLanguagesOwnForms)
{
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    const struct
    {
        const char* pszLocale;
        size_t nWritten;
        QString sentence;
        QString count;
    } rows[] = {
        {"fr_FR.UTF-8", 1, "n'a pas pu être lu entièrement.", "0 fiche a été lue et est affichée."},
        {"fr_FR.UTF-8", 3, "n'a pas pu être lu entièrement.", "2 fiches ont été lues et sont affichées."},
        {"de_DE.UTF-8", 2, "Die Telefonbuchdatei „Dialstack.dat“ konnte nicht vollständig gelesen werden.",
            "1 Eintrag wurde gelesen und wird angezeigt."},
        {"de_DE.UTF-8", 3, "konnte nicht vollständig gelesen werden.",
            "2 Einträge wurden gelesen und werden angezeigt."},
        {"C.UTF-8", 3, "could not be read completely.", "2 records were read and are shown."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszLocale + std::to_string(row.nWritten));
        ScratchDirectory dir;
        SetLocale("", row.pszLocale);
        CWinApp::StartFramework("dialstack");
        std::string bytes = DirectoryBytes(
            {MainWindow::kThree.begin(), MainWindow::kThree.begin() + static_cast<long>(row.nWritten)});
        bytes.resize(bytes.size() - 5);   // cut inside the last record
        WriteFileBytes(DirectoryFormat::kDirectoryFileName, bytes);
        CDirectoryDlg dlg;
        QString text;
        MainWindow::AnswerMessageBox(&text);
        MainWindow::RunMainWindow(dlg, [](QWidget*) {});
        EXPECT_TRUE(text.contains(row.sentence)) << text.toStdString();
        EXPECT_TRUE(text.contains(row.count)) << text.toStdString();
    }
    SetLocale("", "C.UTF-8");
    CWinApp::StartFramework("dialstack");
}

// The reason inside a window's message is in the window's language and
// code page too (here why the file could not be opened), and a reason
// naming a file in the locale's bytes keeps both the translation's letters
// and the name's right.
TEST(LanguageTest, TheReasonsInTheWindowsMessagesAreInItsLanguage)
{
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    ScratchDirectory dir;
    SetLocale("", "de_DE.UTF-8");
    CWinApp::StartFramework("dialstack");
    ASSERT_TRUE(QDir().mkdir(DirectoryFormat::kDirectoryFileName));
    CDirectoryDlg dlg;
    QString text;
    MainWindow::AnswerMessageBox(&text);
    MainWindow::RunMainWindow(dlg, [](QWidget*) {});
    EXPECT_TRUE(text.contains("konnte nicht geöffnet werden: es ist ein Ordner, keine Datei.")) << text.toStdString();

    const CString strReason = CReasonText::Tr("the lock file \"%1\" could not be locked: %2",
        {CReasonText::FromSystem("/home/jürgen/Dialstack.dat.lock"), ReasonForError(ENOLCK)});
    EXPECT_EQ(TextCodec::ToQString(strReason),
        "die Sperrdatei „/home/jürgen/Dialstack.dat.lock“ konnte nicht gesperrt werden: keine Sperren verfügbar");
    SetLocale("", "C.UTF-8");
    CWinApp::StartFramework("dialstack");
}

}   // namespace
