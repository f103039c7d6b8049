#include "vcard/FieldChoice.h"

#include "vcard/AsciiText.h"
#include "vcard/NumberChoice.h"
#include "vcard/VCardParameters.h"
#include "vcard/VCardValue.h"

using EKind = CFieldCandidate::EKind;

CFieldCandidate::EKind CFieldCandidate::KindOf(std::string_view name)
{
    static const std::pair<std::string_view, EKind> kKinds[] = {
        {"FN", EKind::kFormattedName},
        {"N", EKind::kName},
        {"ORG", EKind::kOrganisation},
        {"TEL", EKind::kTelephone},
        {"EMAIL", EKind::kEmail},
        {"NOTE", EKind::kNote},
    };
    for (const auto& [kindName, kind] : kKinds)
        if (EqualsNoCase(name, kindName))
            return kind;
    return EKind::kOther;
}

std::string CFieldCandidate::FieldText(EKind kind, std::string_view decoded)
{
    switch (kind) {
    case EKind::kName: return VCardValue::SpokenName(decoded);
    case EKind::kOrganisation: return VCardValue::Organisation(decoded);
    case EKind::kTelephone: return VCardValue::TelephoneNumber(VCardValue::Unescaped(decoded));
    default: return decoded.find('\\') == std::string_view::npos ? std::string(decoded) : VCardValue::Unescaped(decoded);
    }
}

namespace {

// The first candidate of the kind with text, else -1; bPreferred: the
// first preferred one, when there is one.
int FindFirst(const std::vector<CFieldCandidate>& candidates, EKind kind, bool bPreferred = false)
{
    int nFirst = -1;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const CFieldCandidate& candidate = candidates[i];
        if (candidate.kind != kind || candidate.text.empty())
            continue;
        if (!bPreferred || candidate.bPreferred)
            return static_cast<int>(i);
        if (nFirst < 0)
            nFirst = static_cast<int>(i);
    }
    return nFirst;
}

}   // namespace

CFieldChoice ChooseFields(const std::vector<CFieldCandidate>& candidates)
{
    CFieldChoice choice;
    for (const EKind kind : {EKind::kFormattedName, EKind::kName, EKind::kOrganisation})
        if (choice.nName < 0)
            choice.nName = FindFirst(candidates, kind);
    std::vector<CNumber> numbers;
    std::vector<int> candidateOf;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const CFieldCandidate& candidate = candidates[i];
        if (candidate.kind != EKind::kTelephone || candidate.text.empty())
            continue;
        CNumber number;
        number.bPreferred = candidate.bPreferred;
        number.bPager = (candidate.types & CVCardParameters::kPager) != 0;
        numbers.push_back(std::move(number));
        candidateOf.push_back(static_cast<int>(i));
    }
    const CNumberChoice numberChoice = ChoosePhoneAndPager(numbers);
    if (numberChoice.nPhone >= 0)
        choice.nPhone = candidateOf[static_cast<size_t>(numberChoice.nPhone)];
    if (numberChoice.nPager >= 0)
        choice.nPager = candidateOf[static_cast<size_t>(numberChoice.nPager)];
    choice.nEmail = FindFirst(candidates, EKind::kEmail, true);
    choice.nNote = FindFirst(candidates, EKind::kNote);
    return choice;
}
