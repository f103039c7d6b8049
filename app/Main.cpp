#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/StartOptions.h"
#include "framework/WinApp.h"

namespace {

const char* GetEnv(const char* pszName)
{
    return std::getenv(pszName);
}

}   // namespace

// The program's entry: the command line is answered first, without a
// window system; then the framework runs the one static application object.
int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int nStatus = CStartOptions::Check(args, &GetEnv, std::cout, std::cerr);
    if (nStatus != CStartOptions::kOpenWindow)
        return nStatus;
    return CWinApp::Run(argc, argv);
}
