#pragma once

#include <ostream>
#include <string>
#include <vector>

// The window program's command line, looked at before any window system is
// touched: --help and --version answer and end the program, as does a
// start where no graphical desktop can be reached. Every other argument is
// ignored, Qt's own options too. The answers are in the user's language.
class CStartOptions
{
public:
    // The English texts of --help and of a start without a desktop.
    static const char kUsage[];
    static const char kNoDesktopText[];

    // Exit statuses.
    static constexpr int kOpenWindow = -1;   // go on and open the window
    static constexpr int kDone = 0;
    static constexpr int kNoDesktop = 1;

    // args without the program's name; getEnv reads the environment.
    // Returns kOpenWindow, or the status to exit with after what it wrote.
    static int Check(const std::vector<std::string>& args, const char* (*getEnv)(const char*), std::ostream& out,
        std::ostream& err);
};
