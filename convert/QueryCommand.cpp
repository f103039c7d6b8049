#include "convert/QueryCommand.h"

#include <ostream>

#include "base/ExitStatus.h"
#include "convert/ConvertAccess.h"
#include "convert/ConvertCommand.h"
#include "convert/ConvertText.h"
#include "data/RecordMatcher.h"
#include "shell/PrintableText.h"
#include "vcard/DirectoryText.h"

namespace {

// A field as one column of a query line: UTF-8, shown safely, whole.
std::string Column(const CString& field)
{
    return Printable(CDirectoryText::ToUtf8(field), static_cast<size_t>(field.GetLength()) * 4 + 4);
}

}   // namespace

int CQueryCommand::Run(const CCommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    CRecordList list;
    if (const int nStatus = CConvertAccess::Load(commandLine.strDirectoryFile, true, list, err); nStatus >= 0)
        return nStatus;
    int nReplaced = 0;
    const CRecordMatcher matcher(CDirectoryText::FromUtf8(commandLine.files.front(), nReplaced));
    // Full matches (the same whole number) come first, then those by digits alone.
    std::string lines;
    std::string byDigits;
    int nMatches = 0;
    list.ForEachRecord([&](const CRecordFields& record) {
        const CRecordMatcher::EMatch match = matcher.Match(record);
        if (match == CRecordMatcher::EMatch::None)
            return;
        ++nMatches;
        (match == CRecordMatcher::EMatch::Full ? lines : byDigits) +=
            Column(record.strEmail) + '\t' + Column(record.strName) + '\t' + Column(record.strPhone) + '\n';
    });
    out << "dialstack-convert: " << ConvertText::Tr("%n record matches", nullptr, nMatches) << '\n' << lines
        << byDigits;
    out.flush();
    return nMatches > 0 ? ExitStatus::kSuccess : ExitStatus::kFailure;
}
