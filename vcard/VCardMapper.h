#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vcard/Contact.h"
#include "vcard/FieldChoice.h"

class CVCardLexer;

// Maps the properties of one vCard onto a contact: the five fields from
// the properties ChooseFields names, with any part of N the name lacks
// moved to misc. Other numbers and addresses, the organisation, title, role, web
// address, birthday, nickname, chat address and categories move to misc;
// every other property that carries data is named as left out, with its
// value. Only VERSION goes unmentioned. A card whose KIND says it is a
// group or a place is marked so (CContact::m_kind).
//
// Properties are held in one block of text reused from card to card; a card
// that would hold more than CContact::kMaxHeldText is marked too long and
// holds nothing more.
class CVCardMapper
{
public:
    void Start(int nNumber);
    // The property the lexer has split; bCut when its line was cut short.
    void Add(const CVCardLexer& line, bool bCut);
    // Names something of the card that was not read.
    void LeaveOut(CLeftOut what);
    // The contact, and the mapper ready for the next card.
    void Build(CContact& contact);

private:
    struct Span
    {
        uint32_t nStart = 0;
        uint32_t nLength = 0;
    };
    enum class EKind : unsigned char
    {
        kField,   // one that may give a field: which one says Property::field
        kAddress,
        kAddressLabel,
        kAgent,
        kVersion,
        kMoved,
        kOther,
    };
    struct Property
    {
        EKind kind = EKind::kOther;
        CFieldCandidate::EKind field = CFieldCandidate::EKind::kOther;
        const char* pszMovedLabel = nullptr;
        unsigned types = 0;
        bool bPreferred = false;
        bool bQuotedPrintable = false;
        Span charset;
        Span value;

        bool Has(unsigned type) const { return (types & type) != 0; }
    };

    static void Classify(std::string_view name, Property& property);
    void ChooseFields();
    std::string_view FieldText(size_t nProperty);
    bool GivesText(size_t nProperty) const;
    void LeaveOutWithValue(
        std::string_view name, Property& property, std::string_view value, std::string_view charset, bool bCut);
    Span Keep(std::string_view text);
    std::string_view Text(Span span) const { return std::string_view(m_text).substr(span.nStart, span.nLength); }
    bool Hold(size_t nBytes);
    std::string Decoded(const Property& property) const;
    std::string TextOf(const Property& property) const;

    void TakeName(CContact& contact);
    void TakeStructuredName(size_t nName, CContact& contact);
    void TakeTelephones(CContact& contact);
    void TakeEmails(CContact& contact);
    void TakeTheOthers(CContact& contact);
    void MoveAddressLabel(const Property& property, CContact& contact);

    std::vector<Property> m_properties;
    std::string m_text;
    std::vector<CLeftOut> m_leftOut;
    std::vector<std::string> m_addresses;   // the ADR values kept, for LABEL
    // Per property: its decoded value, the text it gives its field (a view
    // of the decoded value, or of the value unescaped), kept from card to
    // card for their room.
    std::vector<std::string> m_decoded;
    std::vector<std::string_view> m_decodedViews;   // of m_decoded, or of m_text
    std::vector<std::string> m_unescaped;
    std::vector<std::string_view> m_fieldTexts;
    std::vector<CFieldCandidate> m_candidates;
    CFieldChoice m_choice;
    ECardKind m_kind = ECardKind::kContact;
    size_t m_nHeld = 0;
    int m_nNumber = 0;
    bool m_bTooLong = false;
};
