#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "vcard/CardKind.h"
#include "base/TextMarkers.h"
#include "vcard/LeftOut.h"

// What an import did: the counts for the summary line and, when a stream is
// given for them, one line of detail for each thing that did not fit, written
// as it happens so that none is held. Every piece of file text in a detail
// goes through Printable. All of it is said in the user's language.
class CImportReport
{
public:
    // Its messages are dialstack-convert's (ConvertText::Tr).
    DIALSTACK_TR_CONTEXT(DialstackConvert)

    explicit CImportReport(std::ostream* pDetails = nullptr);

    // Whether details are written: only then are they worth making.
    bool WantsDetails() const { return m_pDetails != nullptr; }
    void RecordAdded() { ++m_nRecordsAdded; }
    // strWhere names the contact ("contacts.vcf, contact 3"); strWhy says why.
    void ContactSkipped(const std::string& strWhere, const std::string& strWhy);
    // A card of a group or a place, which is no record: counted apart from
    // the contacts skipped, since nothing of a contact was lost.
    void CardLeftAlone(const std::string& strWhere, ECardKind kind);
    void ValuesMoved(const std::string& strRecord, const std::vector<std::string>& values);
    // pszCounted says it of the field: the English key of a count
    // ("%n character of the name replaced by ...").
    void CharactersReplaced(const std::string& strRecord, const char* pszCounted, int nCount);
    void LeftOut(const std::string& strRecord, const std::vector<CLeftOut>& what);

    int RecordsAdded() const { return m_nRecordsAdded; }
    int ContactsSkipped() const { return m_nContactsSkipped; }
    int CardsLeftAlone() const { return m_nCardsLeftAlone; }
    int ValuesMovedToMisc() const { return m_nValuesMoved; }
    int CharactersReplacedCount() const { return m_nCharactersReplaced; }
    int ThingsLeftOut() const { return m_nLeftOut; }

    // "3 records added, 1 contact skipped, 2 values moved to misc, 0 characters
    // replaced", and ", 1 group or place left alone" when there was one.
    std::string SummaryLine() const;

private:
    void Detail(const std::string& line);

    std::ostream* m_pDetails;
    int m_nRecordsAdded = 0;
    int m_nContactsSkipped = 0;
    int m_nCardsLeftAlone = 0;
    int m_nValuesMoved = 0;
    int m_nCharactersReplaced = 0;
    int m_nLeftOut = 0;
};
