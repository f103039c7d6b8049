#include "vcard/VCardMapper.h"

#include <algorithm>
#include <string_view>

#include "vcard/AsciiText.h"
#include "vcard/CardKind.h"
#include "vcard/Charset.h"
#include "vcard/NameParts.h"
#include "vcard/Utf8.h"
#include "vcard/VCardLexer.h"
#include "vcard/VCardParameters.h"
#include "vcard/VCardValue.h"

using VCardValue::Components;
using VCardValue::JoinNonEmpty;
using Field = CFieldCandidate::EKind;

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
    m_kind = ECardKind::kContact;
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
    property.field = CFieldCandidate::KindOf(name);
    if (property.field != Field::kOther) {
        property.kind = EKind::kField;
        return;
    }
    static const std::pair<std::string_view, EKind> kKinds[] = {
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
    const std::string_view name = line.Name();
    const std::string_view value = line.Value();
    if (const ECardKind kind = CardKindOf(name, value); kind != ECardKind::kContact)
        m_kind = kind;
    if (m_bTooLong)
        return;
    const CVCardParameters parameters = CVCardParameters::Read(line.Parameters());
    Property property;
    property.types = parameters.types;
    property.bPreferred = parameters.bPreferred;
    property.bQuotedPrintable = parameters.bQuotedPrintable;
    Classify(name, property);
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
    std::string utf8;
    CCharset::DecodeValue(Text(property.value), property.bQuotedPrintable, Text(property.charset), utf8);
    return utf8;
}

// The value as text: decoded, its escapes undone.
std::string CVCardMapper::TextOf(const Property& property) const
{
    return CFieldCandidate::FieldText(Field::kOther, Decoded(property));
}

// Decodes every property once, and asks which of them stand behind the
// five fields. The texts of FN, TEL, EMAIL and NOTE are made at once; an N
// or ORG is put in order only where it is used.
void CVCardMapper::ChooseFields()
{
    const size_t nCount = m_properties.size();
    if (m_decoded.size() < nCount) {
        m_decoded.resize(nCount);
        m_decodedViews.resize(nCount);
        m_unescaped.resize(nCount);
        m_fieldTexts.resize(nCount);
    }
    m_candidates.clear();
    for (size_t i = 0; i < nCount; ++i) {
        const Property& property = m_properties[i];
        const std::string_view value = Text(property.value);
        // Most values are valid UTF-8 as they stand: they are read in place.
        const bool bAsItIs = !property.bQuotedPrintable && property.charset.nLength == 0 && Utf8::IsValid(value);
        if (!bAsItIs)
            CCharset::DecodeValue(value, property.bQuotedPrintable, Text(property.charset), m_decoded[i]);
        const std::string_view decoded = bAsItIs ? value : std::string_view(m_decoded[i]);
        m_decodedViews[i] = decoded;
        m_candidates.push_back({property.field, property.types, property.bPreferred, decoded});
        std::string& unescaped = m_unescaped[i];
        const bool bTelephoneUri = property.field == Field::kTelephone && StartsWithNoCase(decoded, "tel");
        if (bTelephoneUri) {
            unescaped = CFieldCandidate::FieldText(property.field, decoded);
            m_fieldTexts[i] = unescaped;
        } else if (decoded.find('\\') == std::string_view::npos) {
            m_fieldTexts[i] = decoded;   // most values: nothing to undo
        } else {
            unescaped.clear();
            VCardValue::AppendUnescaped(decoded, unescaped);
            m_fieldTexts[i] = unescaped;
        }
    }
    m_choice = ::ChooseFields(m_candidates);
}

// What the property gives its field (or, beside the five, its value as text).
std::string_view CVCardMapper::FieldText(size_t nProperty)
{
    const Field field = m_properties[nProperty].field;
    if (field == Field::kName || field == Field::kOrganisation) {
        m_unescaped[nProperty] = CFieldCandidate::FieldText(field, m_decodedViews[nProperty]);
        return m_unescaped[nProperty];
    }
    return m_fieldTexts[nProperty];
}

bool CVCardMapper::GivesText(size_t nProperty) const
{
    return CFieldCandidate::GivesText(m_properties[nProperty].field, m_decodedViews[nProperty]);
}

void CVCardMapper::TakeName(CContact& contact)
{
    const int nName = m_choice.nName;
    if (nName >= 0)
        contact.m_strName = FieldText(static_cast<size_t>(nName));
    // The structured name beside the one chosen: the chosen N, else the
    // first N that holds one.
    int nStructured = nName >= 0 && m_properties[static_cast<size_t>(nName)].field == Field::kName ? nName : -1;
    for (size_t i = 0; i < m_properties.size(); ++i) {
        const Field field = m_properties[i].field;
        if (static_cast<int>(i) == nName || (field != Field::kFormattedName && field != Field::kName) || !GivesText(i))
            continue;
        if (field == Field::kFormattedName && FieldText(i) != contact.m_strName)
            contact.LeaveOut({"%1 = %2", {"FN", std::string(FieldText(i))}});
        else if (field == Field::kName && nStructured < 0)
            nStructured = static_cast<int>(i);
        else if (field == Field::kName && static_cast<int>(i) != nStructured)
            contact.LeaveOut({"%1 = %2", {"N", std::string(FieldText(i))}});
    }
    if (nStructured >= 0 && nStructured != nName)
        TakeStructuredName(static_cast<size_t>(nStructured), contact);
}

// An N beside the name chosen: its parts go to misc when the name lacks any.
void CVCardMapper::TakeStructuredName(size_t nName, CContact& contact)
{
    const std::string_view decoded = m_decodedViews[nName];
    // Most cards: FN holds every part of N, and N needs no more work.
    if (decoded.find('\\') == std::string_view::npos && NameHoldsEveryPart(contact.m_strName, decoded))
        return;
    std::vector<std::string> parts = Components(decoded);
    parts.resize(5);
    if (!RepeatsName(contact.m_strName, parts) && !NameHoldsEveryPart(contact.m_strName, JoinNonEmpty(parts, ";")))
        contact.MoveToMisc("Name", std::string(FieldText(nName)));
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
    for (size_t i = 0; i < m_properties.size(); ++i) {
        const Property& property = m_properties[i];
        if (property.field != Field::kTelephone || !GivesText(i))
            continue;
        const std::string_view number = m_fieldTexts[i];
        if (static_cast<int>(i) == m_choice.nPager) {
            contact.m_strPager = number;
            continue;
        }
        if (static_cast<int>(i) == m_choice.nPhone) {
            contact.m_strPhone = number;
            continue;
        }
        const char* pszLabel = "Phone";
        for (const auto& [type, label] : kLabels)
            if (property.Has(type)) {
                pszLabel = label;
                break;
            }
        contact.MoveToMisc(pszLabel, std::string(number));
    }
}

void CVCardMapper::TakeEmails(CContact& contact)
{
    for (size_t i = 0; i < m_properties.size(); ++i) {
        if (m_properties[i].field != Field::kEmail || !GivesText(i))
            continue;
        if (static_cast<int>(i) == m_choice.nEmail)
            contact.m_strEmail = m_fieldTexts[i];
        else
            contact.MoveToMisc("E-mail", std::string(m_fieldTexts[i]));
    }
}

void CVCardMapper::TakeTheOthers(CContact& contact)
{
    for (size_t i = 0; i < m_properties.size(); ++i) {
        const Property& property = m_properties[i];
        const bool bChosen = static_cast<int>(i) == m_choice.nNote || static_cast<int>(i) == m_choice.nName;
        if ((property.field == Field::kNote || property.field == Field::kOrganisation) && GivesText(i)) {
            if (property.field == Field::kNote && bChosen)
                contact.m_strNote = m_fieldTexts[i];
            else if (!bChosen)
                contact.MoveToMisc(property.field == Field::kNote ? "Note" : "Organisation", std::string(FieldText(i)));
        } else if (property.kind == EKind::kAddress) {
            const std::string address = JoinNonEmpty(Components(m_decodedViews[i]), ", ");
            if (address.empty())
                continue;
            contact.MoveToMisc(property.Has(CVCardParameters::kHome) ? "Home address"
                    : property.Has(CVCardParameters::kWork)          ? "Work address"
                                                                     : "Address",
                address);
            m_addresses.push_back(Normalized(address));
        } else if (property.kind == EKind::kMoved) {
            const std::string moved = CFieldCandidate::FieldText(Field::kOther, m_decodedViews[i]);
            if (!Trimmed(moved).empty())
                contact.MoveToMisc(property.pszMovedLabel, moved);
        }
    }
    for (size_t i = 0; i < m_properties.size(); ++i)
        if (m_properties[i].kind == EKind::kAddressLabel)
            MoveAddressLabel(m_properties[i], contact);
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
    contact.m_kind = m_kind;
    if (!m_bTooLong && m_kind == ECardKind::kContact) {
        ChooseFields();
        TakeName(contact);
        TakeTelephones(contact);
        TakeEmails(contact);
        TakeTheOthers(contact);
        for (CLeftOut& item : m_leftOut)
            contact.LeaveOut(std::move(item));
    }
    Start(0);
}
