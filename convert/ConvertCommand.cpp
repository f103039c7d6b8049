#include "convert/ConvertCommand.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include <QFileInfo>
#include <QSaveFile>

#include "convert/CsvReader.h"
#include "convert/CsvWriter.h"
#include "convert/DirectoryText.h"
#include "convert/ImportReport.h"
#include "convert/RecordImporter.h"
#include "convert/VCardReader.h"
#include "convert/VCardWriter.h"
#include "data/RecordList.h"

namespace {

const char kProgram[] = "dialstack-convert";
const char kUsage[]
    = "usage: dialstack-convert export --format vcard|csv [--file DIR/Dialstack.dat] [--output FILE]\n"
      "       dialstack-convert import --format vcard|csv [--file DIR/Dialstack.dat] [--verbose] FILE...\n"
      "       ('-' as FILE reads standard input)\n";

struct Options
{
    bool bExport = false;
    std::string strFormat;
    std::string strDirectoryFile = "Dialstack.dat";
    std::string strOutput;
    bool bVerbose = false;
    std::vector<std::string> files;
};

class UsageError
{
public:
    explicit UsageError(std::string strWhy)
        : m_strWhy(std::move(strWhy))
    {
    }
    const std::string& Why() const { return m_strWhy; }

private:
    std::string m_strWhy;
};

// The value of an option given as "--name value" or "--name=value".
bool TakeOption(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value)
{
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size())
            throw UsageError(name + " needs a value");
        value = args[++i];
        return true;
    }
    if (arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    const QFileInfo first(QFile::decodeName(a.c_str()));
    const QFileInfo second(QFile::decodeName(b.c_str()));
    return !a.empty() && first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

Options ParseArguments(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError("say export or import");
    Options options;
    if (args[0] != "export" && args[0] != "import")
        throw UsageError("unknown command '" + args[0] + "'");
    options.bExport = args[0] == "export";
    bool bOptionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (bOptionsEnded || arg == "-" || arg.empty() || arg[0] != '-')
            options.files.push_back(arg);
        else if (arg == "--")
            bOptionsEnded = true;
        else if (arg == "--verbose")
            options.bVerbose = true;
        else if (!TakeOption(args, i, "--format", options.strFormat)
            && !TakeOption(args, i, "--file", options.strDirectoryFile)
            && !(options.bExport && TakeOption(args, i, "--output", options.strOutput)))
            throw UsageError("unknown option '" + arg + "'");
    }
    if (options.strFormat != "vcard" && options.strFormat != "csv")
        throw UsageError(options.strFormat.empty() ? "--format vcard or --format csv is needed"
                                                   : "unknown format '" + options.strFormat + "'");
    if (options.strDirectoryFile.empty())
        throw UsageError("--file needs a file name");
    if (options.bExport && IsSameFile(options.strOutput, options.strDirectoryFile))
        throw UsageError("--output names the directory file itself");
    if (options.bExport && !options.files.empty())
        throw UsageError("export takes no file arguments (use --output)");
    if (!options.bExport && options.files.empty())
        throw UsageError("import needs at least one file ('-' for standard input)");
    return options;
}

void Complain(std::ostream& err, const std::string& message)
{
    err << kProgram << ": " << message << '\n';
}

// Loads the directory; FALSE (with a message) when it could not be read whole.
bool LoadDirectory(CRecordList& list, const std::string& path, std::ostream& err)
{
    list.LoadFile(path.c_str());
    if (list.IsLoadComplete())
        return true;
    Complain(err, path + ": the directory file could not be read completely; nothing was converted");
    return false;
}

bool IsBlankRecord(const CRecordNode& node)
{
    return node.m_strName.IsEmpty() && node.m_strMisc.IsEmpty() && node.m_strPhone.IsEmpty()
        && node.m_strPager.IsEmpty() && node.m_strEmail.IsEmpty();
}

// A pipe or a terminal is written to as it is: replacing it with a new file
// in one step, as is done for a regular file, would put a file in its place.
bool WriteInPlace(const std::string& path, const std::string& bytes, std::ostream& err)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file)
        Complain(err, path + ": could not be written");
    return static_cast<bool>(file);
}

bool WriteOutput(const std::string& path, const std::string& bytes, std::ostream& out, std::ostream& err)
{
    if (path.empty()) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out)
            Complain(err, "could not write to standard output");
        return static_cast<bool>(out);
    }
    const QFileInfo target(QFile::decodeName(path.c_str()));
    if (target.exists() && !target.isFile())
        return WriteInPlace(path, bytes, err);
    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Complain(err, path + ": " + file.errorString().toStdString());
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        Complain(err, path + ": only part of the file could be written (is the disk full?)");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        Complain(err, path + ": " + file.errorString().toStdString());
        return false;
    }
    return true;
}

int Export(const Options& options, std::ostream& out, std::ostream& err)
{
    if (!QFileInfo::exists(QFile::decodeName(options.strDirectoryFile.c_str()))) {
        Complain(err, options.strDirectoryFile + ": there is no directory file");
        return CConvertCommand::kFailure;
    }
    CRecordList list;
    if (!LoadDirectory(list, options.strDirectoryFile, err))
        return CConvertCommand::kFailure;

    const bool bVCard = options.strFormat == "vcard";
    std::string bytes;
    if (!bVCard)
        CCsvWriter::WriteHeader(bytes);
    int nExported = 0;
    for (int i = 0;; ++i) {
        list.SeekTo(i);
        const CRecordNode& record = *list.m_pCursor;
        // The one blank node of an empty directory is no record.
        if (!(i == 0 && list.IsAtLast() && IsBlankRecord(record))) {
            bVCard ? CVCardWriter::Write(record, bytes) : CCsvWriter::Write(record, bytes);
            ++nExported;
        }
        if (list.IsAtLast())
            break;
    }
    if (!WriteOutput(options.strOutput, bytes, out, err))
        return CConvertCommand::kFailure;
    if (options.bVerbose)
        err << nExported << (nExported == 1 ? " record" : " records") << " exported\n";
    return CConvertCommand::kSuccess;
}

bool ReadInput(const std::string& name, std::istream& in, std::string& bytes, std::ostream& err)
{
    if (name == "-") {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) {
            Complain(err, "standard input could not be read");
            return false;
        }
        return true;
    }
    if (QFileInfo(QFile::decodeName(name.c_str())).isDir()) {
        Complain(err, name + ": is a directory");
        return false;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        Complain(err, name + ": cannot be opened");
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        Complain(err, name + ": cannot be read");
        return false;
    }
    return true;
}

struct ReadFile
{
    std::string strName;
    std::vector<CContact> contacts;
};

// Reads and parses every file before the directory is touched, so that a
// bad file leaves the directory as it was.
bool ReadAllFiles(const Options& options, std::istream& in, std::vector<ReadFile>& files, std::ostream& err)
{
    for (const std::string& name : options.files) {
        std::string bytes;
        if (!ReadInput(name, in, bytes, err))
            return false;
        ReadFile file;
        file.strName = name == "-" ? "standard input" : name;
        std::string strError;
        const bool bRead = options.strFormat == "vcard" ? CVCardReader::Read(bytes, file.contacts, strError)
                                                        : CCsvReader::Read(bytes, file.contacts, strError);
        if (!bRead) {
            Complain(err,
                file.strName + ": cannot be read as " + (options.strFormat == "vcard" ? "vCard" : "CSV") + ": "
                    + strError + "; nothing was imported");
            return false;
        }
        files.push_back(std::move(file));
    }
    return true;
}

// Append fills a last record whose name is empty instead of adding after it;
// such a record that holds anything would be overwritten.
bool LastRecordWouldBeOverwritten(const CRecordList& list)
{
    const CRecordNode& tail = *list.m_pTail;
    return tail.m_strName.IsEmpty() && !IsBlankRecord(tail);
}

int Import(const Options& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::vector<ReadFile> files;
    if (!ReadAllFiles(options, in, files, err))
        return CConvertCommand::kFailure;

    CRecordList list;
    if (!LoadDirectory(list, options.strDirectoryFile, err))
        return CConvertCommand::kFailure;
    if (LastRecordWouldBeOverwritten(list)) {
        Complain(err,
            options.strDirectoryFile
                + ": its last record has no name, and adding records would overwrite it; give it a name in"
                  " Dialstack first. Nothing was imported");
        return CConvertCommand::kFailure;
    }

    CImportReport report;
    CRecordImporter importer(list, report);
    for (const ReadFile& file : files)
        for (const CContact& contact : file.contacts)
            importer.Add(contact, file.strName);

    if (report.RecordsAdded() > 0 && !list.SaveFile(options.strDirectoryFile.c_str())) {
        Complain(err,
            options.strDirectoryFile + ": could not be saved: " + list.GetLastSaveError().GetString()
                + "; the directory file is unchanged");
        return CConvertCommand::kFailure;
    }
    if (options.bVerbose)
        for (const std::string& line : report.Details())
            out << line << '\n';
    out << report.SummaryLine() << '\n';
    return CConvertCommand::kSuccess;
}

}   // namespace

int CConvertCommand::Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
            out << kUsage;
            return kSuccess;
        }
        options = ParseArguments(args);
    } catch (const UsageError& error) {
        Complain(err, error.Why());
        err << kUsage;
        return kBadUsage;
    }
    return options.bExport ? Export(options, out, err) : Import(options, in, out, err);
}
