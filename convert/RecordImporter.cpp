#include "convert/RecordImporter.h"

#include <algorithm>

#include "convert/AsciiText.h"
#include "convert/DirectoryText.h"
#include "convert/PrintableText.h"

namespace {

std::string Misc(const CContact& contact)
{
    std::string misc = OneLine(contact.m_strNote);
    for (const std::string& value : contact.m_movedValues) {
        if (!misc.empty())
            misc += "; ";
        misc += OneLine(value);
    }
    return misc;
}

const std::string kTooLong = "it holds more than " + std::to_string(CContact::kMaxRecordText / 1024) + " KiB of text";

}   // namespace

CRecordImporter::CRecordImporter(CRecordList& list, CImportReport& report)
    : m_list(list)
    , m_report(report)
{
}

CString CRecordImporter::Field(std::string_view text, const char* pszField, const std::string& strRecord)
{
    std::string joined;
    if (std::any_of(text.begin(), text.end(), [](char ch) { return ch == '\r' || ch == '\n'; })) {
        joined = OneLine(text);
        text = joined;
    }
    int nReplaced = 0;
    CString field = CDirectoryText::FromUtf8(text, nReplaced);
    if (nReplaced > 0)
        m_report.CharactersReplaced(strRecord, pszField, nReplaced);
    return field;
}

void CRecordImporter::Add(const CContact& contact, const std::string& strSource)
{
    const auto where = [&] { return Printable(strSource) + ", contact " + std::to_string(contact.m_nNumber); };
    if (contact.m_bTooLong) {
        m_report.ContactSkipped(where(), kTooLong);
        return;
    }
    const std::string name = OneLine(contact.m_strName);
    if (name.empty()) {
        m_report.ContactSkipped(where(), "it has no name");
        return;
    }
    const std::string misc = contact.m_movedValues.empty() ? std::string() : Misc(contact);
    const std::string_view miscText = contact.m_movedValues.empty() ? std::string_view(contact.m_strNote) : misc;
    if (name.size() + contact.m_strPhone.size() + contact.m_strPager.size() + contact.m_strEmail.size()
            + miscText.size()
        > CContact::kMaxRecordText) {
        m_report.ContactSkipped(where(), kTooLong);
        return;
    }
    // Named only for details someone will read.
    const std::string record
        = m_report.WantsDetails() ? "\"" + Printable(name) + "\" (" + where() + ")" : std::string();
    CString strName = Field(name, "name", record);
    CString strPhone = Field(contact.m_strPhone, "phone", record);
    CString strPager = Field(contact.m_strPager, "pager", record);
    CString strEmail = Field(contact.m_strEmail, "e-mail", record);
    CString strMisc = Field(miscText, "misc", record);
    m_report.ValuesMoved(record, contact.m_movedValues);
    m_report.LeftOut(record, contact.m_leftOut);
    m_list.Append(
        std::move(strName), std::move(strMisc), std::move(strPager), std::move(strPhone), std::move(strEmail));
    m_report.RecordAdded();
}
