#include "convert/RecordImporter.h"

#include "convert/ConvertText.h"
#include "shell/PrintableText.h"
#include "vcard/AsciiText.h"
#include "vcard/DirectoryText.h"

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

std::string TooLong()
{
    return ConvertText::Tr("it holds more than %1 KiB of text", {std::to_string(CContact::kMaxRecordText / 1024)});
}

// What the report says of each field's characters the directory cannot
// hold, in the order name, phone, pager, e-mail, misc: a count's key.
const char* const kReplacedIn[] = {
    DIALSTACK_TR_N_NOOP("DialstackConvert", "%n character of the name replaced by \"?\""),
    DIALSTACK_TR_N_NOOP("DialstackConvert", "%n character of the phone replaced by \"?\""),
    DIALSTACK_TR_N_NOOP("DialstackConvert", "%n character of the pager replaced by \"?\""),
    DIALSTACK_TR_N_NOOP("DialstackConvert", "%n character of the e-mail replaced by \"?\""),
    DIALSTACK_TR_N_NOOP("DialstackConvert", "%n character of the misc replaced by \"?\""),
};

}   // namespace

CRecordImporter::CRecordImporter(CRecordList& list, CImportReport& report)
    : m_list(list)
    , m_report(report)
{
}

// The text as a field: on one line, in the directory's code page; nReplaced
// counts the characters it could not hold.
CString CRecordImporter::Field(std::string_view text, int& nReplaced)
{
    std::string joined;
    if (text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos) {
        joined = OneLine(text);
        text = joined;
    }
    return CDirectoryText::FromUtf8(text, nReplaced);
}

void CRecordImporter::Add(const CContact& contact, const std::string& strSource)
{
    const auto where = [&] {
        return ConvertText::Tr("%1, contact %2", {Printable(strSource), std::to_string(contact.m_nNumber)});
    };
    if (contact.m_kind != ECardKind::kContact) {
        m_report.CardLeftAlone(where(), contact.m_kind);
        return;
    }
    if (contact.m_bTooLong) {
        m_report.ContactSkipped(where(), TooLong());
        return;
    }
    // Most names are one line already and need no copy.
    const std::string_view fullName = contact.m_strName;
    const bool bOneLine
        = fullName.find('\n') == std::string_view::npos && fullName.find('\r') == std::string_view::npos;
    const std::string joinedName = bOneLine ? std::string() : OneLine(fullName);
    const std::string_view name = bOneLine ? fullName : std::string_view(joinedName);
    if (name.empty()) {
        m_report.ContactSkipped(where(), ConvertText::Tr("it has no name"));
        return;
    }
    const std::string misc = contact.m_movedValues.empty() ? std::string() : Misc(contact);
    const std::string_view miscText = contact.m_movedValues.empty() ? std::string_view(contact.m_strNote) : misc;
    int nReplaced[5] = {};
    CRecordFields fields;
    fields.strName = Field(name, nReplaced[0]);
    fields.strPhone = Field(contact.m_strPhone, nReplaced[1]);
    fields.strPager = Field(contact.m_strPager, nReplaced[2]);
    fields.strEmail = Field(contact.m_strEmail, nReplaced[3]);
    fields.strMisc = Field(miscText, nReplaced[4]);
    // The limit is on the record as the directory holds it, so that a
    // record read back from this program's export is never over it.
    if (static_cast<size_t>(fields.strName.GetLength()) + fields.strPhone.GetLength() + fields.strPager.GetLength()
            + fields.strEmail.GetLength() + fields.strMisc.GetLength()
        > CContact::kMaxRecordText) {
        m_report.ContactSkipped(where(), TooLong());
        return;
    }
    // Named only for details someone will read.
    const std::string record
        = m_report.WantsDetails() ? ConvertText::Tr("\"%1\" (%2)", {Printable(name), where()}) : std::string();
    for (int i = 0; i < 5; ++i)
        if (nReplaced[i] > 0)
            m_report.CharactersReplaced(record, kReplacedIn[i], nReplaced[i]);
    m_report.ValuesMoved(record, contact.m_movedValues);
    m_report.LeftOut(record, contact.m_leftOut);
    m_list.Append(std::move(fields));
    m_report.RecordAdded();
}
