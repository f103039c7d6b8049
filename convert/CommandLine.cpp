#include "convert/CommandLine.h"

#include <QFileInfo>

#include "convert/ConvertText.h"
#include "shell/FileName.h"
#include "shell/ToolParser.h"
#include "shell/ToolShell.h"

const char CCommandLine::kUsage[] = DIALSTACK_TR_NOOP("DialstackConvert",
    "usage: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DIR/Dialstack.dat]\n"
    "                                [--output FILE] [--verbose]\n"
    "       dialstack-convert import [--format vcard|csv] [--file DIR/Dialstack.dat] [--verbose] FILE...\n"
    "       dialstack-convert query [--file DIR/Dialstack.dat] TEXT\n"
    "       dialstack-convert --help | --version\n"
    "('-' as FILE reads standard input; --format may be left out when every\n"
    "file ends in .vcf or .csv; --spreadsheet writes CSV with ';' between\n"
    "the cells and a byte-order mark, as spreadsheet programs in Germany,\n"
    "France and other countries that write a decimal comma open it)\n");

std::string CCommandLine::Usage()
{
    return ConvertText::Tr(kUsage);
}

namespace {

using ConvertText::Tr;

bool IsSameFile(const std::string& a, const std::string& b)
{
    const QFileInfo first(CFileName::Decode(a));
    const QFileInfo second(CFileName::Decode(b));
    return !a.empty() && first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// The command, the first of the arguments.
std::string TakeCommand(std::vector<std::string>& positional, CCommandLine::ECommand& command)
{
    if (positional.empty())
        return ConvertText::Tr("say export, import or query");
    const std::string name = positional.front();
    positional.erase(positional.begin());
    if (name == "export")
        command = CCommandLine::ECommand::kExport;
    else if (name == "import")
        command = CCommandLine::ECommand::kImport;
    else if (name == "query")
        command = CCommandLine::ECommand::kQuery;
    else
        return ConvertText::Tr("unknown command '%1'", {name});
    return "";
}

}   // namespace

bool CCommandLine::Parse(const std::vector<std::string>& args, std::string& strError)
{
    CToolParser p;
    QCommandLineParser& parser = p.parser;
    const QCommandLineOption formatOption("format", "", "format");
    const QCommandLineOption outputOption("output", "", "file");
    const QCommandLineOption spreadsheet("spreadsheet");
    parser.addOptions({formatOption, outputOption, spreadsheet});
    if (!p.Parse("dialstack-convert", args)) {
        strError = p.ErrorText();
        return false;
    }
    if (parser.isSet(p.help) || parser.isSet(p.version)) {
        command = parser.isSet(p.help) ? ECommand::kHelp : ECommand::kVersion;
        return true;
    }
    files = p.Arguments();
    strError = TakeCommand(files, command);
    if (!strError.empty())
        return false;
    if (parser.isSet(formatOption)) {
        EContactFormat given;
        const std::string formatName = p.Value(formatOption);
        if (!FormatFromName(formatName, given)) {
            strError = Tr("unknown format '%1'", {formatName});
            return false;
        }
        format = given;
    }
    if (parser.isSet(p.file))
        strDirectoryFile = p.Value(p.file);
    if (parser.isSet(outputOption))
        strOutput = p.Value(outputOption);
    bVerbose = parser.isSet(p.verbose);
    bSpreadsheet = parser.isSet(spreadsheet);
    strError = CToolShell::DirectoryFileProblem(strDirectoryFile);
    if (!strError.empty())
        return false;
    if (command != ECommand::kExport && (parser.isSet(outputOption) || bSpreadsheet)) {
        strError = bSpreadsheet ? Tr("--spreadsheet is for export") : Tr("--output is for export");
        return false;
    }
    switch (command) {
    case ECommand::kQuery: strError = QueryProblem(); break;
    case ECommand::kExport: strError = ExportProblem(); break;
    default: strError = ImportProblem(); break;
    }
    return strError.empty();
}

std::string CCommandLine::QueryProblem() const
{
    if (files.size() != 1)
        return Tr("query needs one TEXT to look for");
    if (format || bVerbose)
        return Tr("query takes no --format or --verbose");
    return "";
}

std::string CCommandLine::ExportProblem()
{
    if (!files.empty())
        return Tr("export takes no file arguments (use --output)");
    if (IsSameFile(strOutput, strDirectoryFile))
        return Tr("--output names the directory file itself");
    if (bSpreadsheet) {
        if (format && *format != EContactFormat::kCsv)
            return Tr("--spreadsheet writes CSV, not --format vcard");
        format = EContactFormat::kCsv;
    }
    EContactFormat fromName;
    if (!format && FormatFromFileName(strOutput, fromName))
        format = fromName;
    if (!format)
        return Tr("--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)");
    return "";
}

// Each file in --format, or in the format its name ends in.
std::string CCommandLine::ImportProblem()
{
    if (files.empty())
        return Tr("import needs at least one file ('-' for standard input)");
    for (const std::string& file : files) {
        EContactFormat fromName;
        if (format)
            fileFormats.push_back(*format);
        else if (FormatFromFileName(file, fromName))
            fileFormats.push_back(fromName);
        else
            return Tr("--format vcard or --format csv is needed ('%1' does not end in .vcf or .csv)", {file});
    }
    return "";
}
