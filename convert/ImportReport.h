#pragma once

#include <string>
#include <vector>

// What an import did, for the summary line and the --verbose details.
class CImportReport
{
public:
    void RecordAdded() { ++m_nRecordsAdded; }
    void ContactSkipped(const std::string& strWhere);
    void ValuesMoved(const std::string& strRecord, const std::vector<std::string>& values);
    void CharactersReplaced(const std::string& strRecord, const std::string& strField, int nCount);
    void LeftOut(const std::string& strRecord, const std::vector<std::string>& what);

    int RecordsAdded() const { return m_nRecordsAdded; }
    int ContactsSkipped() const { return m_nContactsSkipped; }
    int ValuesMovedToMisc() const { return m_nValuesMoved; }
    int CharactersReplacedCount() const { return m_nCharactersReplaced; }

    // "3 records added, 1 contact skipped, 2 values moved to misc, 0 characters replaced"
    std::string SummaryLine() const;
    // One line each, in the order they happened.
    const std::vector<std::string>& Details() const { return m_details; }

private:
    int m_nRecordsAdded = 0;
    int m_nContactsSkipped = 0;
    int m_nValuesMoved = 0;
    int m_nCharactersReplaced = 0;
    std::vector<std::string> m_details;
};
