#include "vcard/VCardMapper.h"

#include <algorithm>
#include <string_view>

#include "vcard/AsciiText.h"
#include "vcard/Charset.h"
#include "vcard/NameParts.h"
#include "vcard/NumberChoice.h"
#include "vcard/VCardLexer.h"
#include "vcard/VCardParameters.h"
#include "vcard/VCardValue.h"

using VCardValue::Components;
using VCardValue::JoinNonEmpty;
using VCardValue::Unescaped;

namespace {

struct KindName
{
    std::string_view name;
    const char* pszMovedLabel;
};

// Properties whose value has no field of its own but is worth keeping.
const KindName kMovedLabels[] = {
    {"TITLE", "Title"},
    {"ROLE", "Role"},
    {"URL", "Web"},
    {"BDAY", "Birthday"},
    {"ANNIVERSARY", "Anniversary"},
    {"NICKNAME", "Nickname"},
    {"IMPP", "Chat"},
    {"CATEGORIES", "Categories"},
};

// Letters and digits only, ASCII in lower case: a printed address and the
// same address in parts compare equal.
std::string Normalized(std::string_view text)
{
    std::string result;
    for (const char ch : text) {
        const char lower = LowerAscii(ch);
        if ((lower >= 'a' && lower <= 'z') || (ch >= '0' && ch <= '9') || static_cast<unsigned char>(ch) >= 0x80)
            result += lower;
    }
    return result;
}

// Whether N only repeats the name, as this program's export writes it: the
// whole name as the family name, or "Family, Given" split in two.
bool RepeatsName(const std::string& name, const std::vector<std::string>& parts)
{
    const bool bOnlyFamilyAndGiven = parts[2].empty() && parts[3].empty() && parts[4].empty();
    return bOnlyFamilyAndGiven
        && ((parts[1].empty() && parts[0] == name) || (!parts[1].empty() && parts[0] + ", " + parts[1] == name));
}

// The size of a value not kept: "+" when its line was cut, so that the
// whole value was longer still.
std::string ByteCount(std::string_view value, bool bCut)
{
    return std::to_string(value.size()) + (bCut ? "+" : "");
}

}   // namespace

void CVCardMapper::Start(int nNumber)
{
    m_properties.clear();
    m_text.clear();
    m_leftOut.clear();
    m_addresses.clear();
    m_nHeld = 0;
    m_nNumber = nNumber;
    m_bTooLong = false;
    m_bOrganisationIsName = false;
}

bool CVCardMapper::Hold(size_t nBytes)
{
    // Each property costs its bookkeeping too, so that millions of empty
    // ones cannot pass for nothing.
    m_nHeld += nBytes + 32;
    if (!m_bTooLong && m_nHeld > CContact::kMaxHeldText) {
        m_bTooLong = true;
        m_properties.clear();
        m_text.clear();
        m_leftOut.clear();
    }
    return !m_bTooLong;
}

CVCardMapper::Span CVCardMapper::Keep(std::string_view text)
{
    Span span{static_cast<uint32_t>(m_text.size()), static_cast<uint32_t>(text.size())};
    m_text.append(text);
    return span;
}

void CVCardMapper::LeaveOut(CLeftOut what)
{
    if (Hold(what.English().size()))
        m_leftOut.push_back(std::move(what));
}

// What a property becomes, by its name.
void CVCardMapper::Classify(std::string_view name, Property& property)
{
    static const std::pair<std::string_view, EKind> kKinds[] = {
        {"FN", EKind::kFormattedName},
        {"N", EKind::kName},
        {"ORG", EKind::kOrganisation},
        {"TEL", EKind::kTelephone},
        {"EMAIL", EKind::kEmail},
        {"NOTE", EKind::kNote},
        {"ADR", EKind::kAddress},
        {"LABEL", EKind::kAddressLabel},
        {"AGENT", EKind::kAgent},
        {"VERSION", EKind::kVersion},
    };
    for (const auto& [kindName, kind] : kKinds)
        if (EqualsNoCase(name, kindName))
            property.kind = kind;
    for (const KindName& moved : kMovedLabels)
        if (EqualsNoCase(name, moved.name)) {
            property.kind = EKind::kMoved;
            property.pszMovedLabel = moved.pszMovedLabel;
        }
}

// Names a property that is not kept with its value; a long value by its start.
void CVCardMapper::LeaveOutWithValue(
    std::string_view name, Property& property, std::string_view value, std::string_view charset, bool bCut)
{
    constexpr size_t kShown = 240;
    property.value = Keep(value.substr(0, kShown));
    property.charset = Keep(charset);
    std::string shown = TextOf(property);
    m_text.resize(property.value.nStart);
    if (value.size() > kShown || bCut)
        LeaveOut({DIALSTACK_TR_NOOP("DialstackConvert", "%1 = %2... (%3 bytes in all)"),
            {Upper(name), std::move(shown), ByteCount(value, bCut)}});
    else
        LeaveOut({"%1 = %2", {Upper(name), std::move(shown)}});
}

void CVCardMapper::Add(const CVCardLexer& line, bool bCut)
{
    if (m_bTooLong)
        return;
    const CVCardParameters parameters = CVCardParameters::Read(line.Parameters());
    Property property;
    property.types = parameters.types;
    property.bPreferred = parameters.bPreferred;
    property.bQuotedPrintable = parameters.bQuotedPrintable;
    const std::string_view name = line.Name();
    Classify(name, property);
    const std::string_view value = line.Value();
    const bool bBlank = Trimmed(value).empty();
    const bool bKept = property.kind != EKind::kOther && property.kind != EKind::kAgent;
    if (property.kind == EKind::kAgent && bBlank)
        LeaveOut({DIALSTACK_TR_NOOP("DialstackConvert", "AGENT (the vCard of another person inside this one)"), {}});
    // The five fields keep a value of only spaces as it is; elsewhere it
    // says nothing.
    if (property.kind == EKind::kVersion || value.empty() || (bBlank && !bKept))
        return;
    if (parameters.bBinary || StartsWithNoCase(value, "data:"))
        LeaveOut({DIALSTACK_TR_NOOP("DialstackConvert", "%1 (binary data, %2 bytes)"),
            {Upper(name), ByteCount(value, bCut)}});
    else if (!bKept)
        LeaveOutWithValue(name, property, value, parameters.charset, bCut);
    else if (bCut)
        Hold(CContact::kMaxHeldText);   // a value longer than a line may be
    else if (Hold(value.size() + parameters.charset.size())) {
        property.charset = Keep(parameters.charset);
        property.value = Keep(value);
        m_properties.push_back(property);
    }
}

std::string CVCardMapper::Decoded(const Property& property) const
{
    std::string_view bytes = Text(property.value);
    std::string unquoted;
    if (property.bQuotedPrintable) {
        unquoted = VCardValue::DecodeQuotedPrintable(bytes);
        bytes = unquoted;
    }
    std::string utf8;
    if (property.charset.nLength == 0)
        CCharset::DecodeUndeclared(bytes, utf8);   // most values: valid UTF-8, one copy
    else
        CCharset::Decode(bytes, Text(property.charset), utf8);
    return utf8;
}

// The value as text: decoded, its escapes undone.
std::string CVCardMapper::TextOf(const Property& property) const
{
    std::string text = Decoded(property);
    if (text.find('\\') == std::string::npos)
        return text;
    return Unescaped(text);
}

void CVCardMapper::TakeName(CContact& contact)
{
    for (const Property& property : m_properties) {
        if (property.kind != EKind::kFormattedName)
            continue;
        const std::string name = TextOf(property);
        if (contact.m_strName.empty())
            contact.m_strName = name;
        else if (name != contact.m_strName)
            contact.LeaveOut({"%1 = %2", {"FN", name}});
    }
    bool bFirstName = true;
    for (const Property& property : m_properties) {
        if (property.kind != EKind::kName)
            continue;
        const std::string decoded = Decoded(property);
        // Most cards: FN holds every part of N, and N needs no more work.
        if (bFirstName && !contact.m_strName.empty() && decoded.find('\\') == std::string::npos
            && NameHoldsEveryPart(contact.m_strName, decoded)) {
            bFirstName = false;
            continue;
        }
        std::vector<std::string> parts = Components(decoded);
        parts.resize(5);
        const std::string spoken = VCardValue::SpokenName(decoded);
        if (!bFirstName)
            contact.LeaveOut({"%1 = %2", {"N", spoken}});
        else if (contact.m_strName.empty())
            contact.m_strName = spoken;
        else if (!RepeatsName(contact.m_strName, parts)
            && !NameHoldsEveryPart(contact.m_strName, JoinNonEmpty(parts, ";")))
            contact.MoveToMisc("Name", spoken);
        bFirstName = false;
    }
    for (const Property& property : m_properties) {
        if (property.kind != EKind::kOrganisation || !contact.m_strName.empty())
            continue;
        contact.m_strName = VCardValue::Organisation(Decoded(property));
        m_bOrganisationIsName = true;
    }
}

void CVCardMapper::TakeTelephones(CContact& contact)
{
    static const std::pair<unsigned, const char*> kLabels[] = {
        {CVCardParameters::kCell, "Mobile"},
        {CVCardParameters::kFax, "Fax"},
        {CVCardParameters::kPager, "Pager"},
        {CVCardParameters::kHome, "Home phone"},
        {CVCardParameters::kWork, "Work phone"},
    };
    std::vector<CNumber> numbers;
    for (const Property& property : m_properties) {
        if (property.kind != EKind::kTelephone)
            continue;
        CNumber number;
        number.strValue = VCardValue::TelephoneNumber(TextOf(property));
        if (number.strValue.empty())
            continue;
        number.strLabel = "Phone";
        for (const auto& [type, label] : kLabels)
            if (property.Has(type)) {
                number.strLabel = label;
                break;
            }
        number.bPreferred = property.bPreferred;
        number.bPager = property.Has(CVCardParameters::kPager);
        numbers.push_back(std::move(number));
    }
    ChooseNumbers(numbers, contact);
}

void CVCardMapper::TakeEmails(CContact& contact)
{
    const Property* pChosen = nullptr;
    for (const Property& property : m_properties)
        if (property.kind == EKind::kEmail && (!pChosen || (property.bPreferred && !pChosen->bPreferred)))
            pChosen = &property;
    for (const Property& property : m_properties) {
        if (property.kind != EKind::kEmail)
            continue;
        const std::string address = TextOf(property);
        if (&property == pChosen)
            contact.m_strEmail = address;
        else
            contact.MoveToMisc("E-mail", address);
    }
}

void CVCardMapper::TakeTheOthers(CContact& contact)
{
    bool bOrganisationSeen = false;
    for (const Property& property : m_properties) {
        switch (property.kind) {
        case EKind::kNote: {
            const std::string note = TextOf(property);
            if (contact.m_strNote.empty())
                contact.m_strNote = note;
            else
                contact.MoveToMisc("Note", note);
            break;
        }
        case EKind::kAddress: {
            const std::string address = JoinNonEmpty(Components(Decoded(property)), ", ");
            if (address.empty())
                break;
            contact.MoveToMisc(property.Has(CVCardParameters::kHome) ? "Home address"
                    : property.Has(CVCardParameters::kWork)          ? "Work address"
                                                                     : "Address",
                address);
            m_addresses.push_back(Normalized(address));
            break;
        }
        case EKind::kOrganisation: {
            const bool bIsName = m_bOrganisationIsName && !bOrganisationSeen;
            bOrganisationSeen = true;
            const std::string organisation = VCardValue::Organisation(Decoded(property));
            if (!bIsName && !organisation.empty())
                contact.MoveToMisc("Organisation", organisation);
            break;
        }
        case EKind::kMoved: {
            const std::string text = TextOf(property);
            if (!Trimmed(text).empty())
                contact.MoveToMisc(property.pszMovedLabel, text);
            break;
        }
        default: break;
        }
    }
    for (const Property& property : m_properties)
        if (property.kind == EKind::kAddressLabel)
            MoveAddressLabel(property, contact);
}

// The printed form of an address: kept when no ADR gives it, left out when
// it repeats one, named with its value when it differs.
void CVCardMapper::MoveAddressLabel(const Property& property, CContact& contact)
{
    const std::string label = TextOf(property);
    if (Trimmed(label).empty())
        return;
    if (m_addresses.empty())
        contact.MoveToMisc("Address", label);
    else if (std::find(m_addresses.begin(), m_addresses.end(), Normalized(label)) == m_addresses.end())
        contact.LeaveOut({"%1 = %2", {"LABEL", label}});
}

void CVCardMapper::Build(CContact& contact)
{
    contact.Clear();
    contact.m_nNumber = m_nNumber;
    contact.m_bTooLong = m_bTooLong;
    if (!m_bTooLong) {
        TakeName(contact);
        TakeTelephones(contact);
        TakeEmails(contact);
        TakeTheOthers(contact);
        for (CLeftOut& item : m_leftOut)
            contact.LeaveOut(std::move(item));
    }
    Start(0);
}
