#include "convert/ConvertCommand.h"

#include <ostream>

#include "base/ExitStatus.h"
#include "convert/CommandLine.h"
#include "convert/ExportCommand.h"
#include "convert/ImportCommand.h"
#include "convert/QueryCommand.h"
#include "shell/ToolShell.h"

void CConvertCommand::Complain(std::ostream& err, const std::string& message)
{
    CToolShell::Complain("dialstack-convert", err, message);
}

int CConvertCommand::Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    CCommandLine commandLine;
    std::string strError;
    if (!commandLine.Parse(args, strError)) {
        Complain(err, strError);
        err << CCommandLine::Usage();
        return ExitStatus::kUsage;
    }
    // Nothing has been saved when the shell stops a command, so the
    // directory file is as it was.
    return CToolShell::Guarded("dialstack-convert", err, [&] {
        switch (commandLine.command) {
        case CCommandLine::ECommand::kHelp: out << CCommandLine::Usage(); return ExitStatus::kSuccess;
        case CCommandLine::ECommand::kVersion: out << CToolShell::VersionLine("dialstack-convert") << '\n'; return ExitStatus::kSuccess;
        case CCommandLine::ECommand::kExport: return CExportCommand::Run(commandLine, out, err);
        case CCommandLine::ECommand::kImport: return CImportCommand::Run(commandLine, in, out, err);
        case CCommandLine::ECommand::kQuery: return CQueryCommand::Run(commandLine, out, err);
        }
        return ExitStatus::kFailure;
    });
}
