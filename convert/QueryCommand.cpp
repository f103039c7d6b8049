#include "convert/QueryCommand.h"

#include <ostream>

#include "convert/ConvertCommand.h"
#include "convert/DirectoryAccess.h"
#include "vcard/DirectoryText.h"
#include "convert/PrintableText.h"
#include "convert/ConvertText.h"
#include "data/RecordMatcher.h"

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
    if (const int nStatus = CDirectoryAccess::Load(commandLine.strDirectoryFile, true, list, err); nStatus >= 0)
        return nStatus;
    int nReplaced = 0;
    const CRecordMatcher matcher(CDirectoryText::FromUtf8(commandLine.files.front(), nReplaced));
    std::string lines;
    int nMatches = 0;
    list.ForEachRecord([&](const CRecordFields& record) {
        if (!matcher.Matches(record))
            return;
        ++nMatches;
        lines += Column(record.strEmail) + '\t' + Column(record.strName) + '\t' + Column(record.strPhone) + '\n';
    });
    out << "dialstack-convert: " << ConvertText::Tr("%n record matches", nullptr, nMatches) << '\n' << lines;
    out.flush();
    return nMatches > 0 ? CConvertCommand::kSuccess : CConvertCommand::kFailure;
}
