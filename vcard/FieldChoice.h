#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which properties of a card stand behind a record's five fields, the one
// choice import and the sync both make, so that a card gives the same
// record both ways:
// - the name: the first FN with text, else the first N with a name, else
//   the first ORG with one;
// - the pager: the first TEL typed pager with a number; the phone: the
//   first preferred other TEL, else the first other (ChoosePhoneAndPager);
// - the e-mail: the first preferred EMAIL, else the first;
// - the note: the first NOTE with text.
// A property whose value gives no text (an empty N:, a NOTE of nothing)
// stands behind no field, so that a card whose first N is empty takes its
// name from the next.
struct CFieldCandidate
{
    enum class EKind : unsigned char
    {
        kFormattedName,
        kName,
        kOrganisation,
        kTelephone,
        kEmail,
        kNote,
        kOther,
    };

    EKind kind = EKind::kOther;
    unsigned types = 0;   // CVCardParameters' types
    bool bPreferred = false;
    std::string_view decoded;   // its value decoded (CCharset::DecodeValue)

    // The kind of a property by its name without its group, in any case.
    static EKind KindOf(std::string_view name);
    // Whether FieldText would give any text, without making it: most names
    // come from FN, and N need not be put in order to know it has a name.
    static bool GivesText(EKind kind, std::string_view decoded);
    // What a property of the kind gives its field, from its decoded value:
    // N in the order people say a name, ORG's parts joined, a tel: URI as
    // people write a number; escapes undone.
    static std::string FieldText(EKind kind, std::string_view decoded);
};

// Indexes into the candidates; -1 for none.
struct CFieldChoice
{
    int nName = -1;
    int nPhone = -1;
    int nPager = -1;
    int nEmail = -1;
    int nNote = -1;
};

CFieldChoice ChooseFields(const std::vector<CFieldCandidate>& candidates);
