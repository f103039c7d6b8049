#include "convert/RecordImporter.h"

#include "convert/DirectoryText.h"

namespace {

// Every run of line breaks (CR, LF, or both) inside the text becomes one
// "; "; breaks at its start or end are dropped.
std::string OneLine(const std::string& text)
{
    std::string line;
    line.reserve(text.size());
    bool bBreakPending = false;
    for (const char ch : text) {
        if (ch == '\r' || ch == '\n') {
            bBreakPending = !line.empty();
            continue;
        }
        if (bBreakPending)
            line += "; ";
        bBreakPending = false;
        line += ch;
    }
    return line;
}

std::string Misc(const CContact& contact)
{
    std::string misc = OneLine(contact.m_strNote);
    for (const std::string& value : contact.m_movedValues) {
        const std::string moved = OneLine(value);
        if (!misc.empty())
            misc += "; ";
        misc += moved;
    }
    return misc;
}

}   // namespace

CRecordImporter::CRecordImporter(CRecordList& list, CImportReport& report)
    : m_list(list)
    , m_report(report)
{
}

CString CRecordImporter::Field(const std::string& text, const char* pszField, const std::string& strRecord)
{
    int nReplaced = 0;
    CString field = CDirectoryText::FromUtf8(OneLine(text), nReplaced);
    if (nReplaced > 0)
        m_report.CharactersReplaced(strRecord, pszField, nReplaced);
    return field;
}

void CRecordImporter::Add(const CContact& contact, const std::string& strSource)
{
    const std::string name = OneLine(contact.m_strName);
    if (name.empty()) {
        m_report.ContactSkipped(strSource + ", contact " + std::to_string(contact.m_nNumber));
        return;
    }
    const std::string record
        = "\"" + name + "\" (" + strSource + ", contact " + std::to_string(contact.m_nNumber) + ")";
    CString strName = Field(name, "name", record);
    CString strPhone = Field(contact.m_strPhone, "phone", record);
    CString strPager = Field(contact.m_strPager, "pager", record);
    CString strEmail = Field(contact.m_strEmail, "e-mail", record);
    CString strMisc = Field(Misc(contact), "misc", record);
    m_report.ValuesMoved(record, contact.m_movedValues);
    m_report.LeftOut(record, contact.m_leftOut);
    m_list.Append(
        std::move(strName), std::move(strMisc), std::move(strPager), std::move(strPhone), std::move(strEmail));
    m_report.RecordAdded();
}
