#include "convert/ConvertCommand.h"

#include <exception>
#include <new>
#include <stdexcept>
#include <ostream>

#include "convert/CommandLine.h"
#include "convert/ExportCommand.h"
#include "convert/ImportCommand.h"
#include "convert/PrintableText.h"
#include "convert/QueryCommand.h"

#ifndef DIALSTACK_VERSION
#define DIALSTACK_VERSION "unknown"
#endif

void CConvertCommand::Complain(std::ostream& err, const std::string& message)
{
    err << "dialstack-convert: " << Printable(message, 4096) << '\n';
}

int CConvertCommand::Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    CCommandLine commandLine;
    std::string strError;
    if (!commandLine.Parse(args, strError)) {
        Complain(err, strError);
        err << CCommandLine::Usage();
        return kBadUsage;
    }
    // Whatever cannot be held (a field beyond what a string takes, memory
    // running out) stops the command like any damaged file: nothing has
    // been saved at that point, so the directory file is as it was.
    try {
        switch (commandLine.command) {
        case CCommandLine::ECommand::kHelp: out << CCommandLine::Usage(); return kSuccess;
        case CCommandLine::ECommand::kVersion: out << "dialstack-convert " DIALSTACK_VERSION "\n"; return kSuccess;
        case CCommandLine::ECommand::kExport: return CExportCommand::Run(commandLine, out, err);
        case CCommandLine::ECommand::kImport: return CImportCommand::Run(commandLine, in, out, err);
        case CCommandLine::ECommand::kQuery: return CQueryCommand::Run(commandLine, out, err);
        }
    } catch (const std::bad_alloc&) {
        Complain(err, "ran out of memory; nothing was changed");
    } catch (const std::length_error& error) {
        Complain(
            err, std::string("a file holds a field too long to be held (") + error.what() + "); nothing was changed");
    } catch (const std::exception& error) {
        Complain(err, std::string("stopped: ") + error.what() + "; nothing was changed");
    }
    return kFailure;
}
