#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "vcard/CardKind.h"
#include "vcard/LeftOut.h"

// One contact read from a vCard or CSV file, in Unicode (UTF-8), already
// sorted onto the record's fields. Values may still hold line breaks. The
// readers reuse one contact for each they read, so Clear keeps its room.
class CContact
{
public:
    // The most text one record may take. A record is one line in the
    // window's boxes, and the longest real contact (long notes, several
    // addresses) takes a few KiB; 64 KiB is ten times that, and keeps what
    // a hostile file can make the converter hold for one contact small. The
    // fuzzers build with a smaller limit, so that small inputs reach it.
#ifdef DIALSTACK_CONTACT_LIMIT
    static constexpr size_t kMaxRecordText = DIALSTACK_CONTACT_LIMIT;
#else
    static constexpr size_t kMaxRecordText = 64 * 1024;
#endif
    // The most of one contact's file text a reader holds. A character may
    // take three bytes in UTF-8 and one in the record, escapes and quotes
    // double others, and a vCard repeats the name in N: eight times the
    // record leaves room for any record this program exports.
    static constexpr size_t kMaxHeldText = 8 * kMaxRecordText;

    std::string m_strName;
    std::string m_strPhone;
    std::string m_strPager;
    std::string m_strEmail;
    std::string m_strNote;
    // Values without a field of their own, as "label: value", in file order;
    // they go into the misc field after the note.
    std::vector<std::string> m_movedValues;
    // What was read but is not kept (photos, properties or columns of no
    // use in a directory), named with its value for the report.
    std::vector<CLeftOut> m_leftOut;
    // 1-based place of the contact in its file, to name a contact without a name.
    int m_nNumber = 0;
    // The contact held more than kMaxHeldText: it is skipped whole.
    bool m_bTooLong = false;
    // A group or a place is no record: import leaves it alone.
    ECardKind m_kind = ECardKind::kContact;

    void MoveToMisc(const std::string& strLabel, const std::string& strValue)
    {
        m_movedValues.push_back(strLabel + ": " + strValue);
    }
    void LeaveOut(CLeftOut what)
    {
        m_leftOut.push_back(std::move(what));
    }

    void Clear()
    {
        m_strName.clear();
        m_strPhone.clear();
        m_strPager.clear();
        m_strEmail.clear();
        m_strNote.clear();
        m_movedValues.clear();
        m_leftOut.clear();
        m_nNumber = 0;
        m_bTooLong = false;
        m_kind = ECardKind::kContact;
    }
};
