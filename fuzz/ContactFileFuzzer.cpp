// Feeds arbitrary bytes to the vCard reader (or, built with
// DIALSTACK_FUZZ_CSV=1, the CSV reader) and checks three things:
//  - reading the input a few bytes at a time gives the same contacts as
//    reading it in one piece;
//  - nothing is lost silently: every plain value of the input (letters,
//    digits and spaces only) comes out in a field, in misc or in the report,
//    unless the report says a contact was skipped;
//  - the records survive the exporter: exporting them and importing the
//    export gives the same records with nothing moved or replaced, and
//    exporting those again gives the same bytes;
//  - (vCard) the sync's card model, built on the same layer, keeps every
//    byte of the input, and an unchanged record changes none of them.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "vcard/AsciiText.h"
#include "convert/ContactReader.h"
#include "convert/CsvTokenizer.h"
#include "convert/CsvWriter.h"
#include "convert/ImportReport.h"
#include "convert/InputText.h"
#include "convert/RecordImporter.h"
#include "vcard/VCardLexer.h"
#include "convert/VCardReader.h"
#include "vcard/VCardUnfolder.h"
#include "vcard/VCardWriter.h"
#include "data/RecordList.h"
#include "fuzz/SameRecords.h"
#include "sync/Card.h"

#ifndef DIALSTACK_FUZZ_CSV
#define DIALSTACK_FUZZ_CSV 0
#endif

namespace {

constexpr EContactFormat kFormat = DIALSTACK_FUZZ_CSV ? EContactFormat::kCsv : EContactFormat::kVCard;

void Require(bool bCondition, const char* pszWhat)
{
    if (!bCondition) {
        std::fprintf(stderr, "contact file check: %s\n", pszWhat);
        std::abort();
    }
}

// What reading gave: each contact's text, and whether any was skipped.
struct Reading
{
    bool bRead = false;
    std::vector<std::string> contacts;   // all of each contact's text, joined
    bool bAnySkipped = false;
};

std::string AllText(const CContact& contact)
{
    std::string text = contact.m_strName + '\n' + contact.m_strPhone + '\n' + contact.m_strPager + '\n'
        + contact.m_strEmail + '\n' + contact.m_strNote + '\n';
    for (const std::string& moved : contact.m_movedValues)
        text += moved + '\n';
    for (const CLeftOut& item : contact.m_leftOut)
        text += item.English() + '\n';
    return text;
}

// Reads the bytes as the converter does, in pieces of at most nPiece bytes.
Reading Read(const std::string& bytes, size_t nPiece, CRecordList& list, CImportReport& report)
{
    Reading reading;
    CRecordImporter importer(list, report);
    const auto reader = CContactReader::Create(kFormat, [&](const CContact& contact) {
        reading.contacts.push_back(AllText(contact));
        reading.bAnySkipped
            |= contact.m_bTooLong || OneLine(contact.m_strName).empty() || contact.m_kind != ECardKind::kContact;
        importer.Add(contact, "input");
    });
    std::istringstream in(bytes);
    CInputText text(in);
    std::string_view piece;
    while (text.Next(piece))
        for (size_t i = 0; i < piece.size(); i += nPiece)
            reader->Feed(piece.substr(i, nPiece));
    std::string strError;
    reading.bRead = text.Error().empty() && reader->Finish(strError);
    return reading;
}

// A value worth checking for: letters, digits and spaces, short enough to
// be named whole in the report.
bool IsPlainValue(std::string_view value)
{
    value = Trimmed(value);
    if (value.empty() || value.size() > 200)
        return false;
    bool bAlphanumeric = false;
    for (const char ch : value) {
        const bool bLetterOrDigit = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
        if (!bLetterOrDigit && ch != ' ')
            return false;
        bAlphanumeric |= bLetterOrDigit;
    }
    return bAlphanumeric;
}

// The plain values of the properties inside cards, found by the lexer
// alone. Inputs with AGENT, whose card is left out as one, are not checked,
// nor UTF-16 ones (with a mark, or a zero byte among the first two, as a
// vCard in UTF-16 without a mark begins), which are read converted.
std::vector<std::string> PlainVCardValues(const std::string& bytes)
{
    std::vector<std::string> values;
    const bool bMaybeUtf16
        = bytes.size() >= 2 && (bytes[0] == '\xFF' || bytes[0] == '\xFE' || bytes[0] == '\0' || bytes[1] == '\0');
    if (ContainsNoCase(bytes, "AGENT") || bMaybeUtf16)
        return values;
    CVCardLexer lexer;
    int nDepth = 0;
    CVCardUnfolder* pUnfolder = nullptr;
    CVCardUnfolder unfolder(CContact::kMaxHeldText, [&](std::string_view line, bool) {
        if (!lexer.Split(line))
            return;
        const bool bCard = EqualsNoCase(Trimmed(lexer.Value()), "VCARD");
        // Folded lines are joined as the reader joins them: vCard 2.1 keeps
        // the fold's white space.
        if (bCard && EqualsNoCase(lexer.Name(), "BEGIN")) {
            if (nDepth++ < static_cast<int>(CVCardReader::kMaxNesting))
                pUnfolder->SetKeepFoldWhiteSpace(false);
        } else if (bCard && EqualsNoCase(lexer.Name(), "END")) {
            nDepth -= nDepth > 0;
        } else if (nDepth > 0 && EqualsNoCase(lexer.Name(), "VERSION")) {
            pUnfolder->SetKeepFoldWhiteSpace(Trimmed(lexer.Value()) == "2.1");
        } else if (nDepth > 0 && lexer.Parameters().empty() && IsPlainValue(lexer.Value())) {
            values.emplace_back(Trimmed(lexer.Value()));
        }
    });
    pUnfolder = &unfolder;
    unfolder.Feed(bytes);
    unfolder.Finish();
    return values;
}

// The plain cells of the data rows, for comma-separated input with a plain
// header; grouped columns ("Address 1 - Street") and the defaults programs
// fill in may be dropped by design, so they are not checked.
std::vector<std::string> PlainCsvValues(const std::string& bytes)
{
    const std::string_view firstLine = std::string_view(bytes).substr(0, bytes.find_first_of("\r\n"));
    if (firstLine.find_first_of(";\t\"") != std::string_view::npos || firstLine.size() == bytes.size()
        || (!bytes.empty() && static_cast<unsigned char>(bytes[0]) >= 0xEF))
        return {};
    std::vector<std::string> header, values;
    bool bHeader = true;
    CCsvTokenizer tokenizer(
        ',', CContact::kMaxHeldText,
        [&](size_t nColumn, std::string_view cell, bool) {
            if (bHeader) {
                header.resize(nColumn + 1);
                header[nColumn] = Lower(Trimmed(cell));
                return;
            }
            const std::string column = nColumn < header.size() ? header[nColumn] : "";
            const std::string_view value = Trimmed(cell);
            if (IsPlainValue(cell) && column.find(" - ") == std::string::npos && value != "Normal"
                && value != "Unspecified" && value != "False")
                values.emplace_back(value);
        },
        [&](bool) { bHeader = false; });
    tokenizer.Feed(bytes);
    tokenizer.Finish();
    return values;
}

void RequireNothingLostSilently(const std::string& bytes, const Reading& reading)
{
    if (!reading.bRead || reading.bAnySkipped)
        return;
    std::string all;
    for (const std::string& contact : reading.contacts)
        all += Lower(contact);
    // A sample of the values, so that the check stays quick on large inputs.
    const std::vector<std::string> values = DIALSTACK_FUZZ_CSV ? PlainCsvValues(bytes) : PlainVCardValues(bytes);
    const size_t nStep = values.size() / 256 + 1;
    for (size_t i = 0; i < values.size(); i += nStep)
        Require(all.find(Lower(values[i])) != std::string::npos, "a value went in and came out nowhere");
}

std::string Export(const CRecordList& list)
{
    std::string bytes;
    if (DIALSTACK_FUZZ_CSV)
        CCsvWriter::WriteHeader(bytes);
    list.ForEachRecord([&bytes](const CRecordFields& record) {
        DIALSTACK_FUZZ_CSV ? CCsvWriter::Write(record, bytes) : CVCardWriter::Write(record, bytes);
    });
    return bytes;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string bytes(reinterpret_cast<const char*>(pData), nSize);
    CRecordList first, inPieces;
    first.Reset();
    inPieces.Reset();
    CImportReport firstReport, piecesReport;
    const Reading reading = Read(bytes, bytes.size() + 1, first, firstReport);
    const Reading pieces = Read(bytes, 7, inPieces, piecesReport);
    Require(
        pieces.bRead == reading.bRead && pieces.contacts == reading.contacts, "reading in pieces gives other contacts");
    RequireNothingLostSilently(bytes, reading);
    if (!DIALSTACK_FUZZ_CSV) {
        CCard card(bytes);
        Require(card.Text() == bytes, "the card model changed the bytes");
        card.Apply(card.Fields());
        Require(card.Text() == bytes, "an unchanged record changed the card");
    }
    if (!reading.bRead || firstReport.RecordsAdded() == 0)
        return 0;

    const std::string exported = Export(first);
    CRecordList second;
    second.Reset();
    CImportReport secondReport;
    Require(Read(exported, exported.size() + 1, second, secondReport).bRead, "the export cannot be read");
    Require(secondReport.RecordsAdded() == firstReport.RecordsAdded(), "record count changed");
    Require(secondReport.ContactsSkipped() == 0, "an exported record was skipped");
    Require(secondReport.ValuesMovedToMisc() == 0, "an exported value was moved to misc");
    Require(secondReport.CharactersReplacedCount() == 0, "an exported character was replaced");
    Require(SameRecords(first, second), "records changed");
    Require(Export(second) == exported, "the export does not come back byte for byte");
    return 0;
}
