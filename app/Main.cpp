#include "framework/WinApp.h"

// The program's entry: the framework runs the one static application object.
int main(int argc, char** argv)
{
    return CWinApp::Run(argc, argv);
}
