#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/ExitStatus.h"
#include "base/TextMarkers.h"
#include "convert/ContactFormat.h"

// What the command line asks for, parsed with QCommandLineParser:
//
//   export [--format vcard|csv | --spreadsheet] [--file DIR/Dialstack.dat] [--output FILE] [--verbose]
//   import [--format vcard|csv] [--file DIR/Dialstack.dat] [--verbose] FILE...
//   query [--file DIR/Dialstack.dat] TEXT
//   --help, --version
//
// --format may be left out when every file named (import's files, export's
// --output) ends in .vcf or .csv; each is then read in its own.
struct CCommandLine
{
    // Its messages are dialstack-convert's (ConvertText::Tr).
    DIALSTACK_TR_CONTEXT(DialstackConvert)

    enum class ECommand
    {
        kHelp,
        kVersion,
        kExport,
        kImport,
        kQuery,
    };

    ECommand command = ECommand::kHelp;
    std::optional<EContactFormat> format;   // --format, when given
    std::string strDirectoryFile = "Dialstack.dat";
    std::string strOutput;
    bool bVerbose = false;
    // export: CSV for spreadsheet programs that take ';' as the list
    // separator and need a byte-order mark to read UTF-8.
    bool bSpreadsheet = false;
    std::vector<std::string> files;   // import's files, or query's text
    std::vector<EContactFormat> fileFormats;   // import: the format of each file

    // Parses args (without the program's name). FALSE, with the reason in
    // strError, for bad usage.
    bool Parse(const std::vector<std::string>& args, std::string& strError);

    static const char kUsage[];
    // kUsage in the user's language.
    static std::string Usage();

    // The shell both command-line programs (dialstack-convert and
    // dialstack-sync) share: how they complain, and how they stop on what
    // cannot be held. Their exit statuses are ExitStatus's; these names
    // stand for them until the sync uses that header itself.
    static constexpr int kSuccess = ExitStatus::kSuccess;
    static constexpr int kFailure = ExitStatus::kFailure;
    static constexpr int kBadUsage = ExitStatus::kUsage;
    static constexpr int kBusy = ExitStatus::kBusy;

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

private:
    // What is wrong with the command's arguments; empty when nothing is.
    std::string QueryProblem() const;
    std::string ExportProblem();
    std::string ImportProblem();
};
