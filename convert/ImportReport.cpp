#include "convert/ImportReport.h"

#include <ostream>

#include "vcard/AsciiText.h"
#include "convert/PrintableText.h"

namespace {

std::string Counted(int nCount, const char* pszOne, const char* pszMany)
{
    return std::to_string(nCount) + ' ' + (nCount == 1 ? pszOne : pszMany);
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
    return Counted(m_nRecordsAdded, "record", "records") + " added, "
        + Counted(m_nContactsSkipped, "contact", "contacts") + " skipped, " + Counted(m_nValuesMoved, "value", "values")
        + " moved to misc, " + Counted(m_nCharactersReplaced, "character", "characters") + " replaced";
}
