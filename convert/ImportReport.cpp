#include "convert/ImportReport.h"

#include <ostream>

#include "vcard/AsciiText.h"
#include "convert/PrintableText.h"
#include "convert/ToolText.h"

namespace {

std::string Counted(int nCount, const char* pszOne, const char* pszMany)
{
    return std::to_string(nCount) + ' ' + (nCount == 1 ? pszOne : pszMany);
}

std::string Counted(const char* pszOne, const char* pszMany, int nCount)
{
    return CToolText::Counted("dialstack-convert", pszOne, pszMany, nCount);
}

}   // namespace

CImportReport::CImportReport(std::ostream* pDetails)
    : m_pDetails(pDetails)
{
}

void CImportReport::Detail(const std::string& line)
{
    if (m_pDetails)
        *m_pDetails << line << '\n';
}

void CImportReport::ContactSkipped(const std::string& strWhere, const std::string& strWhy)
{
    ++m_nContactsSkipped;
    Detail(strWhere + ": skipped, " + strWhy);
}

void CImportReport::ValuesMoved(const std::string& strRecord, const std::vector<std::string>& values)
{
    for (const std::string& value : values) {
        ++m_nValuesMoved;
        if (m_pDetails)
            Detail(strRecord + ": moved to misc: " + Printable(OneLine(value)));
    }
}

void CImportReport::CharactersReplaced(const std::string& strRecord, const std::string& strField, int nCount)
{
    m_nCharactersReplaced += nCount;
    Detail(
        strRecord + ": " + Counted(nCount, "character", "characters") + " of the " + strField + " replaced by \"?\"");
}

void CImportReport::LeftOut(const std::string& strRecord, const std::vector<std::string>& what)
{
    for (const std::string& item : what) {
        ++m_nLeftOut;
        if (m_pDetails)
            Detail(strRecord + ": left out: " + Printable(OneLine(item)));
    }
}

std::string CImportReport::SummaryLine() const
{
    return Counted("%n record added", "%n records added", m_nRecordsAdded) + ", "
        + Counted("%n contact skipped", "%n contacts skipped", m_nContactsSkipped) + ", "
        + Counted("%n value moved to misc", "%n values moved to misc", m_nValuesMoved) + ", "
        + Counted("%n character replaced", "%n characters replaced", m_nCharactersReplaced);
}
