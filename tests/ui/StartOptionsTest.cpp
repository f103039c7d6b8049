// The window program's command line, answered before any window opens.

#include <algorithm>
#include <map>
#include <sstream>

#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/StartOptions.h"

namespace {

std::map<std::string, std::string> g_environment;

const char* FakeEnv(const char* pszName)
{
    const auto found = g_environment.find(pszName);
    return found == g_environment.end() ? nullptr : found->second.c_str();
}

TEST(StartOptionsTest, HelpVersionAndAMissingDesktopAnswerWithoutAWindow)
{
    struct Row
    {
        std::vector<std::string> args;
        std::map<std::string, std::string> environment;
        int nStatus;
        const char* out;   // start of standard output
        const char* err;   // part of standard error
    };
    const Row rows[] = {
        {{"--help"}, {}, CStartOptions::kDone, "usage: dialstack [--help | --version]\n", ""},
        {{"--version"}, {}, CStartOptions::kDone, "dialstack " DIALSTACK_VERSION "\n", ""},
        {{}, {}, CStartOptions::kNoDesktop, "", "needs a graphical desktop"},
        {{}, {{"DISPLAY", ""}}, CStartOptions::kNoDesktop, "", "needs a graphical desktop"},
        {{}, {{"DISPLAY", ":0"}}, CStartOptions::kOpenWindow, "", ""},
        {{}, {{"WAYLAND_DISPLAY", "wayland-0"}}, CStartOptions::kOpenWindow, "", ""},
        {{}, {{"QT_QPA_PLATFORM", "offscreen"}}, CStartOptions::kOpenWindow, "", ""},
        {{"-platform", "offscreen", "-reverse"}, {{"DISPLAY", ":0"}}, CStartOptions::kOpenWindow, "", ""},
        {{"file.dat", "--help"}, {}, CStartOptions::kDone, "usage: dialstack", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.empty() ? std::string("no arguments") : row.args[0]);
        g_environment = row.environment;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(CStartOptions::Check(row.args, &FakeEnv, out, err), row.nStatus);
        EXPECT_EQ(out.str().rfind(row.out, 0), 0u) << out.str();
        EXPECT_NE(err.str().find(row.err), std::string::npos) << err.str();
        if (row.nStatus == CStartOptions::kNoDesktop) {
            const std::string text = err.str();
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << "one line";
        }
    }
}

// Both answers in every language shipped: the catalogue's usage, and the
// missing desktop said on one line that still names the variables.
TEST(StartOptionsTest, TheAnswersAreInTheUsersLanguage)
{
    const std::pair<const char*, const char*> rows[] = {{"de", "Aufruf: dialstack [--help"},
        {"fr", "usage\u00a0: dialstack [--help"}, {"es", "uso: dialstack [--help"}, {"it", "uso: dialstack [--help"},
        {"nl", "gebruik: dialstack [--help"}, {"pt", "utiliza\u00e7\u00e3o: dialstack [--help"}};
    g_environment.clear();
    for (const auto& [pszLanguage, pszUsage] : rows) {
        SCOPED_TRACE(pszLanguage);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QString("dialstack_") + pszLanguage, DIALSTACK_TRANSLATIONS_FOLDER));
        QCoreApplication::installTranslator(&catalogue);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(CStartOptions::Check({"--help"}, &FakeEnv, out, err), CStartOptions::kDone);
        EXPECT_EQ(out.str().rfind(pszUsage, 0), 0u) << out.str();
        EXPECT_EQ(CStartOptions::Check({}, &FakeEnv, out, err), CStartOptions::kNoDesktop);
        const std::string text = err.str();
        EXPECT_EQ(text.rfind("dialstack: ", 0), 0u) << text;
        EXPECT_EQ(text.find("graphical"), std::string::npos) << text;
        EXPECT_NE(text.find("WAYLAND_DISPLAY"), std::string::npos) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        QCoreApplication::removeTranslator(&catalogue);
    }
    // The program itself, which answers before it has an application
    // object, takes the language from the locale.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(pszName);
    environment.insert("LANG", "de_DE.UTF-8");
    program.setProcessEnvironment(environment);
    program.start(DIALSTACK_PROGRAM, {"--help"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("Aufruf: dialstack [--help"));
}

}   // namespace
