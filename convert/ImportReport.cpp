#include "convert/ImportReport.h"

namespace {

std::string Counted(int nCount, const char* pszOne, const char* pszMany)
{
    return std::to_string(nCount) + ' ' + (nCount == 1 ? pszOne : pszMany);
}

}   // namespace

void CImportReport::ContactSkipped(const std::string& strWhere)
{
    ++m_nContactsSkipped;
    m_details.push_back(strWhere + ": skipped, it has no name");
}

void CImportReport::ValuesMoved(const std::string& strRecord, const std::vector<std::string>& values)
{
    for (const std::string& value : values) {
        ++m_nValuesMoved;
        m_details.push_back(strRecord + ": moved to misc: " + value);
    }
}

void CImportReport::CharactersReplaced(const std::string& strRecord, const std::string& strField, int nCount)
{
    m_nCharactersReplaced += nCount;
    m_details.push_back(
        strRecord + ": " + Counted(nCount, "character", "characters") + " of the " + strField + " replaced by \"?\"");
}

void CImportReport::LeftOut(const std::string& strRecord, const std::vector<std::string>& what)
{
    for (const std::string& item : what)
        m_details.push_back(strRecord + ": left out: " + item);
}

std::string CImportReport::SummaryLine() const
{
    return Counted(m_nRecordsAdded, "record", "records") + " added, "
        + Counted(m_nContactsSkipped, "contact", "contacts") + " skipped, " + Counted(m_nValuesMoved, "value", "values")
        + " moved to misc, " + Counted(m_nCharactersReplaced, "character", "characters") + " replaced";
}
