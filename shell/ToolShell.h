#pragma once

#include <functional>
#include <iosfwd>
#include <string>

// The shell both command-line programs (dialstack-convert and
// dialstack-sync) share: how they complain, and how they stop on what
// cannot be held. Their exit statuses are ExitStatus's. The shell's own
// texts (CShellText) have a catalogue context of their own, for both
// programs.
class CToolShell
{
public:
    // "program: message", with any text from a file or a server in it shown
    // safely.
    static void Complain(const char* pszProgram, std::ostream& err, const std::string& message);
    // Runs the command. Whatever cannot be held (a field beyond what a
    // string takes, memory running out) or otherwise stops it is said,
    // with ExitStatus::kFailure: nothing is saved at that point.
    static int Guarded(const char* pszProgram, std::ostream& err, const std::function<int()>& run);
    // What is wrong with --file's value; empty when nothing is.
    static std::string DirectoryFileProblem(const std::string& path);
    // "program VERSION", what --version prints.
    static std::string VersionLine(const char* pszProgram);
};
