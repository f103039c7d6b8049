#include "shell/ToolShell.h"

#include <new>
#include <ostream>
#include <stdexcept>

#include "base/ExitStatus.h"
#include "shell/PrintableText.h"
#include "shell/ToolText.h"

#ifndef DIALSTACK_VERSION
#define DIALSTACK_VERSION "unknown"
#endif

namespace {

std::string Tr(const char* pszSource, std::initializer_list<std::string> arguments = {})
{
    return CToolText::Tr("dialstack-convert", pszSource, arguments);
}

}   // namespace

void CToolShell::Complain(const char* pszProgram, std::ostream& err, const std::string& message)
{
    err << pszProgram << ": " << Printable(message, 4096) << '\n';
}

int CToolShell::Guarded(const char* pszProgram, std::ostream& err, const std::function<int()>& run)
{
    try {
        return run();
    } catch (const std::bad_alloc&) {
        Complain(pszProgram, err, Tr("ran out of memory; nothing was changed"));
    } catch (const std::length_error& error) {
        Complain(pszProgram, err,
            Tr("a file holds a field too long to be held (%1); nothing was changed", {std::string(error.what())}));
    } catch (const std::exception& error) {
        Complain(pszProgram, err, Tr("stopped: %1; nothing was changed", {std::string(error.what())}));
    }
    return ExitStatus::kFailure;
}

std::string CToolShell::DirectoryFileProblem(const std::string& path)
{
    if (path.find_first_not_of(" \t") == std::string::npos)
        return Tr("--file needs a file name");
    return "";
}

std::string CToolShell::VersionLine(const char* pszProgram)
{
    return std::string(pszProgram) + " " DIALSTACK_VERSION;
}
