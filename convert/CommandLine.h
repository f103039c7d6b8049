#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/TextMarkers.h"
#include "convert/ContactFormat.h"
#include "data/DirectoryFormat.h"

// What the command line asks for, parsed as both tools parse theirs
// (shell/ToolParser.h):
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
    std::string strDirectoryFile = DirectoryFormat::kDirectoryFileName;
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

private:
    // What is wrong with the command's arguments; empty when nothing is.
    std::string QueryProblem() const;
    std::string ExportProblem();
    std::string ImportProblem();
};
