#pragma once

#include <string>
#include <string_view>

#include "vcard/Contact.h"
#include "convert/ImportReport.h"
#include "data/RecordList.h"

// Turns contacts into directory records and appends them to the list,
// telling the report what did not fit as it was. A card of a group or a
// place is no record: it is counted as left alone. A contact without a name,
// or one whose record would hold more than CContact::kMaxRecordText, is
// skipped and reported.
//
// Misc is one line in the window: it takes the note, then every moved value,
// joined by "; ", and every line break inside a value becomes "; " too.
class CRecordImporter
{
public:
    CRecordImporter(CRecordList& list, CImportReport& report);

    // strSource names the file in the report ("contacts.vcf").
    void Add(const CContact& contact, const std::string& strSource);

private:
    static CString Field(std::string_view text, int& nReplaced);

    CRecordList& m_list;
    CImportReport& m_report;
};
