#include "shell/ToolShell.h"

#include <new>
#include <ostream>
#include <stdexcept>

#include "base/ExitStatus.h"
#include "shell/PrintableText.h"
#include "shell/ShellText.h"

#ifndef DIALSTACK_VERSION
#define DIALSTACK_VERSION "unknown"
#endif

void CToolShell::Complain(const char* pszProgram, std::ostream& err, const std::string& message)
{
    err << pszProgram << ": " << Printable(message, 4096) << '\n';
}

int CToolShell::Guarded(const char* pszProgram, std::ostream& err, const std::function<int()>& run)
{
    try {
        return run();
    } catch (const std::bad_alloc&) {
        Complain(pszProgram, err, CShellText::Tr("ran out of memory; nothing was changed"));
    } catch (const std::length_error& error) {
        Complain(pszProgram, err,
            CShellText::Tr(
                "a file holds a field too long to be held (%1); nothing was changed", {std::string(error.what())}));
    } catch (const std::exception& error) {
        Complain(pszProgram, err, CShellText::Tr("stopped: %1; nothing was changed", {std::string(error.what())}));
    }
    return ExitStatus::kFailure;
}

std::string CToolShell::DirectoryFileProblem(const std::string& path)
{
    if (path.find_first_not_of(" \t") == std::string::npos)
        return CShellText::Tr("--file needs a file name");
    return "";
}

std::string CToolShell::VersionLine(const char* pszProgram)
{
    return std::string(pszProgram) + " " DIALSTACK_VERSION;
}
