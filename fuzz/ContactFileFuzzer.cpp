// Feeds arbitrary bytes to the vCard reader (or, built with
// DIALSTACK_FUZZ_CSV=1, the CSV reader), imports what it reads, and checks
// that the records survive the exporter: exporting them and importing the
// export gives the same records with nothing moved or replaced, and
// exporting those again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/CsvReader.h"
#include "convert/CsvWriter.h"
#include "convert/ImportReport.h"
#include "convert/RecordImporter.h"
#include "convert/VCardReader.h"
#include "convert/VCardWriter.h"
#include "data/RecordList.h"
#include "fuzz/SameRecords.h"

#ifndef DIALSTACK_FUZZ_CSV
#define DIALSTACK_FUZZ_CSV 0
#endif

namespace {

void Require(bool bCondition, const char* pszWhat)
{
    if (!bCondition) {
        std::fprintf(stderr, "contact file round trip: %s\n", pszWhat);
        std::abort();
    }
}

bool ReadContacts(const std::string& bytes, std::vector<CContact>& contacts)
{
    std::string strError;
    return DIALSTACK_FUZZ_CSV ? CCsvReader::Read(bytes, contacts, strError)
                              : CVCardReader::Read(bytes, contacts, strError);
}

// Imports into a blank list; FALSE when no record was added.
bool Import(const std::vector<CContact>& contacts, CRecordList& list, CImportReport& report)
{
    list.Reset();
    CRecordImporter importer(list, report);
    for (const CContact& contact : contacts)
        importer.Add(contact, "input");
    return report.RecordsAdded() > 0;
}

std::string Export(const CRecordList& list)
{
    std::string bytes;
    if (DIALSTACK_FUZZ_CSV)
        CCsvWriter::WriteHeader(bytes);
    for (const CRecordNode* pNode = list.m_pHead; pNode; pNode = pNode->m_pNext)
        DIALSTACK_FUZZ_CSV ? CCsvWriter::Write(*pNode, bytes) : CVCardWriter::Write(*pNode, bytes);
    return bytes;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::vector<CContact> contacts;
    if (!ReadContacts(std::string(reinterpret_cast<const char*>(pData), nSize), contacts))
        return 0;
    CRecordList first;
    CImportReport firstReport;
    if (!Import(contacts, first, firstReport))
        return 0;
    const std::string exported = Export(first);

    std::vector<CContact> again;
    Require(ReadContacts(exported, again), "the export cannot be read");
    CRecordList second;
    CImportReport secondReport;
    Import(again, second, secondReport);
    Require(secondReport.RecordsAdded() == firstReport.RecordsAdded(), "record count changed");
    Require(secondReport.ContactsSkipped() == 0, "an exported record was skipped");
    Require(secondReport.ValuesMovedToMisc() == 0, "an exported value was moved to misc");
    Require(secondReport.CharactersReplacedCount() == 0, "an exported character was replaced");
    Require(SameRecords(first, second), "records changed");
    Require(Export(second) == exported, "the export does not come back byte for byte");
    return 0;
}
