#include "convert/CommandLine.h"

#include <new>
#include <ostream>
#include <stdexcept>

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "base/ExitStatus.h"
#include "convert/PrintableText.h"
#include "convert/ConvertText.h"

#ifndef DIALSTACK_VERSION
#define DIALSTACK_VERSION "unknown"
#endif

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

std::string Local(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    const QFileInfo first(QFile::decodeName(a.c_str()));
    const QFileInfo second(QFile::decodeName(b.c_str()));
    return !a.empty() && first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

}   // namespace

bool CCommandLine::Parse(const std::vector<std::string>& args, std::string& strError)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    const QCommandLineOption formatOption("format", "", "format");
    const QCommandLineOption fileOption("file", "", "file");
    const QCommandLineOption outputOption("output", "", "file");
    const QCommandLineOption verbose("verbose");
    const QCommandLineOption spreadsheet("spreadsheet");
    parser.addOptions({help, version, formatOption, fileOption, outputOption, verbose, spreadsheet});
    QStringList arguments{"dialstack-convert"};
    for (const std::string& arg : args)
        arguments << QFile::decodeName(arg.c_str());
    if (!parser.parse(arguments)) {
        strError = Local(parser.errorText());
        return false;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        command = parser.isSet(help) ? ECommand::kHelp : ECommand::kVersion;
        return true;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        strError = Tr("say export, import or query");
        return false;
    }
    const QString name = positional.takeFirst();
    if (name == "export")
        command = ECommand::kExport;
    else if (name == "import")
        command = ECommand::kImport;
    else if (name == "query")
        command = ECommand::kQuery;
    else {
        strError = Tr("unknown command '%1'", {Local(name)});
        return false;
    }
    for (const QString& arg : positional)
        files.push_back(Local(arg));
    if (parser.isSet(formatOption)) {
        EContactFormat given;
        const std::string formatName = Local(parser.value(formatOption));
        if (!FormatFromName(formatName, given)) {
            strError = Tr("unknown format '%1'", {formatName});
            return false;
        }
        format = given;
    }
    if (parser.isSet(fileOption))
        strDirectoryFile = Local(parser.value(fileOption));
    if (parser.isSet(outputOption))
        strOutput = Local(parser.value(outputOption));
    bVerbose = parser.isSet(verbose);
    bSpreadsheet = parser.isSet(spreadsheet);
    strError = DirectoryFileProblem(strDirectoryFile);
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

void CCommandLine::Complain(const char* pszProgram, std::ostream& err, const std::string& message)
{
    err << pszProgram << ": " << Printable(message, 4096) << '\n';
}

int CCommandLine::Guarded(const char* pszProgram, std::ostream& err, const std::function<int()>& run)
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

std::string CCommandLine::DirectoryFileProblem(const std::string& path)
{
    if (path.find_first_not_of(" \t") == std::string::npos)
        return Tr("--file needs a file name");
    return "";
}

std::string CCommandLine::VersionLine(const char* pszProgram)
{
    return std::string(pszProgram) + " " DIALSTACK_VERSION;
}
