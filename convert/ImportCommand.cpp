#include "convert/ImportCommand.h"

#include <fstream>
#include <istream>
#include <ostream>

#include <QFileInfo>

#include "base/ExitStatus.h"
#include "convert/ContactReader.h"
#include "convert/ConvertAccess.h"
#include "convert/ConvertCommand.h"
#include "convert/ConvertText.h"
#include "convert/ImportReport.h"
#include "convert/InputText.h"
#include "convert/RecordImporter.h"
#include "shell/FileName.h"

namespace {

// Append fills a last record whose name is empty instead of adding after it;
// such a record that holds anything would be overwritten.
bool LastRecordWouldBeOverwritten(CRecordList& list)
{
    list.SeekTo(list.GetCount() - 1);
    const CRecordFields last = list.GetFields();
    return last.strName.IsEmpty()
        && !(last.strPhone.IsEmpty() && last.strPager.IsEmpty() && last.strEmail.IsEmpty() && last.strMisc.IsEmpty());
}

// Reads one file into the importer; FALSE, with a message, when it cannot
// be read or holds nothing in its format.
bool ImportFile(
    const std::string& name, EContactFormat format, std::istream& in, CRecordImporter& importer, std::ostream& err)
{
    const std::string shown = name == "-" ? ConvertText::Tr("standard input") : name;
    const auto fail = [&](const std::string& why) {
        CConvertCommand::Complain(err, ConvertText::Tr("%1: %2; nothing was imported", {shown, why}));
        return false;
    };
    std::ifstream file;
    if (name != "-") {
        const QFileInfo info(CFileName::Decode(name));
        if (info.isDir())
            return fail(ConvertText::Tr("is a folder, not a contact file"));
        file.open(name, std::ios::binary);
        if (!file)
            return fail(info.exists() ? ConvertText::Tr("cannot be opened") : ConvertText::Tr("there is no such file"));
    }
    CInputText text(name == "-" ? in : file);
    const std::unique_ptr<CContactReader> reader
        = CContactReader::Create(format, [&](const CContact& contact) { importer.Add(contact, shown); });
    std::string_view piece;
    while (text.Next(piece))
        reader->Feed(piece);
    if (!text.Error().empty())
        return fail(ConvertText::Tr("cannot be read as %1: %2", {std::string(FormatTitle(format)), text.Error()}));
    std::string strError;
    if (!reader->Finish(strError))
        return fail(ConvertText::Tr("cannot be read as %1: %2", {std::string(FormatTitle(format)), strError}));
    return true;
}

// bExisted: a directory file was there before; a new one that could not be
// made has damaged nothing.
int Save(CRecordList& list, const std::string& path, bool bExisted, std::ostream& err)
{
    if (list.SaveFile(path.c_str()))
        return -1;
    const std::string why(list.GetLastSaveError().View());
    if (!bExisted)
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: could not be saved: %2; nothing was imported", {path, why}));
    else if (list.IsOldFileIntact())
        CConvertCommand::Complain(
            err, ConvertText::Tr("%1: could not be saved: %2; the directory file is unchanged", {path, why}));
    else
        CConvertCommand::Complain(err,
            ConvertText::Tr("%1: could not be saved: %2; the directory file may be damaged: check it, and import again",
                {path, why}));
    return ExitStatus::kFailure;
}

}   // namespace

int CImportCommand::Run(const CCommandLine& commandLine, std::istream& in, std::ostream& out, std::ostream& err)
{
    const std::string& path = commandLine.strDirectoryFile;
    CDirectoryLock lock;
    if (const int nStatus = CConvertAccess::Lock(path, CDirectoryLock::Kind::Exclusive, lock, err); nStatus >= 0)
        return nStatus;
    const bool bExisted = QFileInfo::exists(CFileName::Decode(path));
    CRecordList list;
    if (const int nStatus = CConvertAccess::Load(path, false, list, err); nStatus >= 0)
        return nStatus;
    if (LastRecordWouldBeOverwritten(list)) {
        CConvertCommand::Complain(err,
            ConvertText::Tr("%1: its last record has no name, and adding records would overwrite it; give it a name in"
                            " Dialstack first. Nothing was imported",
                {path}));
        return ExitStatus::kFailure;
    }

    CImportReport report(commandLine.bVerbose ? &out : nullptr);
    CRecordImporter importer(list, report);
    for (size_t i = 0; i < commandLine.files.size(); ++i)
        if (!ImportFile(commandLine.files[i], commandLine.fileFormats[i], in, importer, err))
            return ExitStatus::kFailure;

    if (report.RecordsAdded() > 0)
        if (const int nStatus = Save(list, path, bExisted, err); nStatus >= 0)
            return nStatus;
    out << report.SummaryLine() << '\n';
    return ExitStatus::kSuccess;
}
