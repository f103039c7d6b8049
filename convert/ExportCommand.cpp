#include "convert/ExportCommand.h"

#include <fstream>
#include <functional>
#include <ostream>

#include <QFileInfo>

#include "base/ExitStatus.h"
#include "convert/ConvertAccess.h"
#include "convert/ConvertCommand.h"
#include "convert/ConvertText.h"
#include "convert/CsvWriter.h"
#include "data/SafeFileReplace.h"
#include "shell/FileName.h"
#include "vcard/VCardWriter.h"

namespace {

using Sink = std::function<bool(const char* pBytes, size_t nLength)>;

// What the output is written as.
struct Shape
{
    EContactFormat format;
    bool bSpreadsheet;   // CSV with ';' and a byte-order mark
};

bool IsBlank(const CRecordFields& record)
{
    return record.strName.IsEmpty() && record.strMisc.IsEmpty() && record.strPhone.IsEmpty()
        && record.strPager.IsEmpty() && record.strEmail.IsEmpty();
}

// Writes the records to the sink a block at a time; FALSE when the sink
// failed. nExported counts the records written.
bool WriteRecords(const CRecordList& list, const Shape& shape, const Sink& sink, int& nExported)
{
    constexpr size_t kBlock = 64 * 1024;
    std::string bytes;
    bytes.reserve(2 * kBlock);
    const char separator = shape.bSpreadsheet ? ';' : ',';
    if (shape.bSpreadsheet)
        bytes += "\xEF\xBB\xBF";
    if (shape.format == EContactFormat::kCsv)
        CCsvWriter::WriteHeader(bytes, separator);
    // The one blank node of an empty directory is no record.
    const bool bEmpty = list.GetCount() == 1 && IsBlank(list.GetFields());
    bool bOk = true;
    nExported = 0;
    list.ForEachRecord([&](const CRecordFields& record) {
        if (bEmpty || !bOk)
            return;
        if (shape.format == EContactFormat::kVCard)
            CVCardWriter::Write(record, bytes);
        else
            CCsvWriter::Write(record, bytes, separator);
        ++nExported;
        if (bytes.size() >= kBlock) {
            bOk = sink(bytes.data(), bytes.size());
            bytes.clear();
        }
    });
    return bOk && (bytes.empty() || sink(bytes.data(), bytes.size()));
}

// Writes the records to a stream as they come and flushes it; complains with
// strFailure when the stream could not take all of them.
bool WriteToStream(std::ostream& stream, const CRecordList& list, const Shape& shape, int& nExported,
    const std::string& strFailure, std::ostream& err)
{
    const bool bOk = stream
        && WriteRecords(
            list, shape,
            [&](const char* p, size_t n) {
                stream.write(p, static_cast<std::streamsize>(n));
                return static_cast<bool>(stream);
            },
            nExported)
        && stream.flush();
    if (!bOk)
        CConvertCommand::Complain(err, strFailure);
    return bOk;
}

// A pipe or a terminal is written to as it is: replacing it with a new file
// in one step, as is done for a regular file, would put a file in its place.
bool WriteInPlace(
    const std::string& path, const CRecordList& list, const Shape& shape, int& nExported, std::ostream& err)
{
    std::ofstream file(path, std::ios::binary);
    return WriteToStream(file, list, shape, nExported, ConvertText::Tr("%1: could not be written", {path}), err);
}

bool WriteOutput(const std::string& path, const CRecordList& list, const Shape& shape, std::ostream& out,
    int& nExported, std::ostream& err)
{
    if (path.empty())
        return WriteToStream(out, list, shape, nExported, ConvertText::Tr("could not write to standard output"), err);
    const QFileInfo target(CFileName::Decode(path));
    const bool bExisted = target.exists();
    if (bExisted && !target.isFile() && !target.isDir())
        return WriteInPlace(path, list, shape, nExported, err);
    const CReplaceResult result = ReplaceFileSafely(path.c_str(), [&](CByteSink& sink) {
        return WriteRecords(
            list, shape, [&](const char* p, size_t n) { return sink.Write(p, n); }, nExported);
    });
    if (!result.bOk) {
        // Where no file was, none can have been damaged.
        CConvertCommand::Complain(err,
            result.bOldFileIntact || !bExisted
                ? ConvertText::Tr("%1: could not be written: %2", {path, std::string(result.strReason.View())})
                : ConvertText::Tr("%1: could not be written: %2; the file that was there is no longer as it was",
                    {path, std::string(result.strReason.View())}));
        return false;
    }
    if (!result.strWarning.IsEmpty())
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: written, but %2", {path, std::string(result.strWarning.View())}));
    return true;
}

}   // namespace

int CExportCommand::Run(const CCommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    CDirectoryLock lock;
    const std::string& path = commandLine.strDirectoryFile;
    if (const int nStatus = CConvertAccess::Lock(path, CDirectoryLock::Kind::Shared, lock, err); nStatus >= 0)
        return nStatus;
    CRecordList list;
    if (const int nStatus = CConvertAccess::Load(path, true, list, err); nStatus >= 0)
        return nStatus;
    int nExported = 0;
    const Shape shape{*commandLine.format, commandLine.bSpreadsheet};
    if (!WriteOutput(commandLine.strOutput, list, shape, out, nExported, err))
        return ExitStatus::kFailure;
    if (commandLine.bVerbose)
        err << ConvertText::Tr("%n record exported", nullptr, nExported) << '\n';
    return ExitStatus::kSuccess;
}
