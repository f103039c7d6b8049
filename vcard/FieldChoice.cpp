#include "vcard/FieldChoice.h"

#include "vcard/AsciiText.h"
#include "vcard/NumberChoice.h"
#include "vcard/VCardParameters.h"
#include "vcard/VCardValue.h"

using EKind = CFieldCandidate::EKind;

CFieldCandidate::EKind CFieldCandidate::KindOf(std::string_view name)
{
    // By its length first: one comparison for most lines.
    switch (name.size()) {
    case 1: return EqualsNoCase(name, "N") ? EKind::kName : EKind::kOther;
    case 2: return EqualsNoCase(name, "FN") ? EKind::kFormattedName : EKind::kOther;
    case 3:
        return EqualsNoCase(name, "TEL") ? EKind::kTelephone
            : EqualsNoCase(name, "ORG")  ? EKind::kOrganisation
                                         : EKind::kOther;
    case 4: return EqualsNoCase(name, "NOTE") ? EKind::kNote : EKind::kOther;
    case 5: return EqualsNoCase(name, "EMAIL") ? EKind::kEmail : EKind::kOther;
    default: return EKind::kOther;
    }
}

bool CFieldCandidate::GivesText(EKind kind, std::string_view decoded)
{
    if (kind == EKind::kName || kind == EKind::kOrganisation) {
        // Some component holds more than white space (an escape is text);
        // a name has five components, and what follows them is not read.
        size_t nComponent = 0;
        for (size_t i = 0; i < decoded.size(); ++i) {
            const char ch = decoded[i];
            if (ch == ';' && kind == EKind::kName && ++nComponent == 5)
                return false;
            if (ch != ';' && ch != ' ' && ch != '\t')
                return true;
        }
        return false;
    }
    if (kind == EKind::kTelephone && decoded.size() <= 5)
        return !FieldText(kind, decoded).empty();   // "tel:" alone gives no number
    return !decoded.empty();
}

std::string CFieldCandidate::FieldText(EKind kind, std::string_view decoded)
{
    switch (kind) {
    case EKind::kName: return VCardValue::SpokenName(decoded);
    case EKind::kOrganisation: return VCardValue::Organisation(decoded);
    case EKind::kTelephone: return VCardValue::TelephoneNumber(VCardValue::Unescaped(decoded));
    default:
        return decoded.find('\\') == std::string_view::npos ? std::string(decoded) : VCardValue::Unescaped(decoded);
    }
}

CFieldChoice ChooseFields(const std::vector<CFieldCandidate>& candidates)
{
    // One pass: the first of each kind with text, the first preferred
    // e-mail, and the numbers for the phone and pager.
    int firstOf[static_cast<size_t>(EKind::kOther)] = {-1, -1, -1, -1, -1, -1};
    int nPreferredEmail = -1;
    // Kept from card to card for their room: a file has many cards.
    thread_local std::vector<CNumber> numbers;
    thread_local std::vector<int> candidateOf;
    numbers.clear();
    candidateOf.clear();
    for (size_t i = 0; i < candidates.size(); ++i) {
        const CFieldCandidate& candidate = candidates[i];
        if (candidate.kind == EKind::kOther || !CFieldCandidate::GivesText(candidate.kind, candidate.decoded))
            continue;
        const int n = static_cast<int>(i);
        int& nFirst = firstOf[static_cast<size_t>(candidate.kind)];
        if (nFirst < 0)
            nFirst = n;
        if (candidate.kind == EKind::kEmail && candidate.bPreferred && nPreferredEmail < 0)
            nPreferredEmail = n;
        if (candidate.kind == EKind::kTelephone) {
            CNumber& number = numbers.emplace_back();
            number.bPreferred = candidate.bPreferred;
            number.bPager = (candidate.types & CVCardParameters::kPager) != 0;
            candidateOf.push_back(n);
        }
    }
    const auto first = [&firstOf](EKind kind) { return firstOf[static_cast<size_t>(kind)]; };
    CFieldChoice choice;
    choice.nName = first(EKind::kFormattedName) >= 0 ? first(EKind::kFormattedName)
        : first(EKind::kName) >= 0                   ? first(EKind::kName)
                                                     : first(EKind::kOrganisation);
    const CNumberChoice numberChoice = ChoosePhoneAndPager(numbers);
    if (numberChoice.nPhone >= 0)
        choice.nPhone = candidateOf[static_cast<size_t>(numberChoice.nPhone)];
    if (numberChoice.nPager >= 0)
        choice.nPager = candidateOf[static_cast<size_t>(numberChoice.nPager)];
    choice.nEmail = nPreferredEmail >= 0 ? nPreferredEmail : first(EKind::kEmail);
    choice.nNote = first(EKind::kNote);
    return choice;
}
