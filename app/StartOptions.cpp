#include "app/StartOptions.h"

#include <memory>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include "l10n/Translators.h"

// The English texts are the keys of their translations, in the window
// program's catalogue under the program's name.
const char CStartOptions::kUsage[] = QT_TRANSLATE_NOOP("dialstack",
    "usage: dialstack [--help | --version]\n"
    "Opens the telephone directory Dialstack.dat of the current directory in a\n"
    "window. See dialstack(1); dialstack-convert(1) and dialstack-sync(1) work\n"
    "on the same file from the command line.\n");
const char CStartOptions::kNoDesktopText[] = QT_TRANSLATE_NOOP("dialstack",
    "this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are "
    "empty); start it from your desktop session.");

namespace {

const char* const kContext = "dialstack";

// Where Qt would find a window system to talk to.
bool HasDesktop(const char* (*getEnv)(const char*))
{
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* pszValue = getEnv(pszName);
        if (pszValue && *pszValue)
            return true;
    }
    return false;
}

// The answers in the user's language. Before the window opens there is no
// application object to hold a translation, so one is made for the answer
// and goes with it: the program ends right after it. An application that
// exists already speaks the language installed in it.
class Answer
{
public:
    Answer()
    {
        if (QCoreApplication::instance())
            return;
        m_app = std::make_unique<QCoreApplication>(m_nArgc, m_argv);
        CTranslators::Install("dialstack");
    }

    static std::string Tr(const char* pszEnglish)
    {
        return QCoreApplication::translate(kContext, pszEnglish).toStdString();
    }

private:
    int m_nArgc = 1;
    char m_szName[10] = "dialstack";
    char* m_argv[2] = {m_szName, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

}   // namespace

int CStartOptions::Check(
    const std::vector<std::string>& args, const char* (*getEnv)(const char*), std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    parser.addOptions({help, version});
    QStringList arguments{"dialstack"};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg.c_str());
    // Anything else on the command line is ignored, as it always was: Qt's
    // own options (-platform, -reverse) must change nothing either.
    parser.parse(arguments);
    if (parser.isSet(help)) {
        const Answer answer;
        out << answer.Tr(kUsage);
        return kDone;
    }
    if (parser.isSet(version)) {
        out << "dialstack " DIALSTACK_VERSION "\n";
        return kDone;
    }
    if (!HasDesktop(getEnv)) {
        const Answer answer;
        err << "dialstack: " << answer.Tr(kNoDesktopText) << "\n";
        return kNoDesktop;
    }
    return kOpenWindow;
}
