#include "app/StartOptions.h"

#include <QCommandLineParser>
#include <QStringList>

const char CStartOptions::kUsage[]
    = "usage: dialstack [--help | --version]\n"
      "Opens the telephone directory Dialstack.dat of the current directory in a\n"
      "window. See dialstack(1); dialstack-convert(1) and dialstack-sync(1) work\n"
      "on the same file from the command line.\n";

namespace {

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
        out << kUsage;
        return kDone;
    }
    if (parser.isSet(version)) {
        out << "dialstack " DIALSTACK_VERSION "\n";
        return kDone;
    }
    if (!HasDesktop(getEnv)) {
        err << "dialstack: this program needs a graphical desktop, but no display is set here "
               "(DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.\n";
        return kNoDesktop;
    }
    return kOpenWindow;
}
