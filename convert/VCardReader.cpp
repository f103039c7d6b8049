#include "convert/VCardReader.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>

#include "convert/AsciiText.h"
#include "convert/Charset.h"

namespace {

std::string Upper(std::string_view text)
{
    std::string result(text);
    for (char& ch : result)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return result;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && Upper(text.substr(0, prefix.size())) == prefix;
}

// One content line, split into its parts; the value is still encoded.
struct Property
{
    std::string strName;   // upper case, without its group
    std::vector<std::string> types;   // lower case
    bool bPreferred = false;
    std::string strEncoding;   // lower case
    std::string strCharset;
    std::string strValueType;   // lower case
    std::string strRawValue;

    bool HasType(std::string_view type) const { return std::find(types.begin(), types.end(), type) != types.end(); }
};

// Splits text at every separator that is not inside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    bool bQuoted = false;
    size_t nStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            bQuoted = !bQuoted;
        else if (text[i] == separator && !bQuoted) {
            parts.push_back(text.substr(nStart, i - nStart));
            nStart = i + 1;
        }
    }
    parts.push_back(text.substr(nStart));
    return parts;
}

std::string Unquoted(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

bool IsEncodingName(const std::string& upper)
{
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT" || upper == "7BIT";
}

void AddParameter(Property& property, std::string_view parameter)
{
    const size_t nEquals = parameter.find('=');
    if (nEquals == std::string_view::npos) {
        // vCard 2.1 names a type or an encoding on its own: TEL;CELL;PREF.
        const std::string bare = Upper(Unquoted(parameter));
        if (IsEncodingName(bare))
            property.strEncoding = Lower(bare);
        else if (bare == "PREF")
            property.bPreferred = true;
        else if (!bare.empty())
            property.types.push_back(Lower(bare));
        return;
    }
    const std::string key = Upper(Trimmed(parameter.substr(0, nEquals)));
    for (std::string_view piece : SplitOutsideQuotes(parameter.substr(nEquals + 1), ',')) {
        const std::string value = Unquoted(piece);
        if (key == "TYPE") {
            // A quoted list (TYPE="work,voice") is a list too.
            for (std::string_view type : SplitOutsideQuotes(value, ',')) {
                const std::string lower = Lower(Trimmed(type));
                if (lower == "pref")
                    property.bPreferred = true;
                else if (!lower.empty())
                    property.types.push_back(lower);
            }
        } else if (key == "PREF") {
            property.bPreferred = true;
        } else if (key == "ENCODING") {
            property.strEncoding = Lower(value);
        } else if (key == "CHARSET") {
            property.strCharset = value;
        } else if (key == "VALUE") {
            property.strValueType = Lower(value);
        }
    }
}

// "[group.]name *(;parameter) : value"; FALSE for a line without a colon.
bool ParseContentLine(std::string_view line, Property& property)
{
    bool bQuoted = false;
    size_t nColon = std::string_view::npos;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            bQuoted = !bQuoted;
        else if (line[i] == ':' && !bQuoted) {
            nColon = i;
            break;
        }
    }
    if (nColon == std::string_view::npos)
        return false;
    const std::vector<std::string_view> head = SplitOutsideQuotes(line.substr(0, nColon), ';');
    std::string_view name = Trimmed(head.front());
    const size_t nDot = name.rfind('.');
    if (nDot != std::string_view::npos)
        name.remove_prefix(nDot + 1);   // the group only ties properties together
    property.strName = Upper(name);
    for (size_t i = 1; i < head.size(); ++i)
        AddParameter(property, head[i]);
    property.strRawValue = std::string(line.substr(nColon + 1));
    return true;
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

std::string DecodeQuotedPrintable(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

bool IsBinary(const Property& property)
{
    return property.strEncoding == "b" || property.strEncoding == "base64" || property.strValueType == "binary";
}

// The value's characters, still with the text escapes of vCard.
std::string DecodedValue(const Property& property)
{
    const std::string bytes = property.strEncoding == "quoted-printable" ? DecodeQuotedPrintable(property.strRawValue)
                                                                         : property.strRawValue;
    if (property.strCharset.empty())
        return CCharset::DecodeUndeclared(bytes);
    std::string utf8;
    CCharset::Decode(bytes, property.strCharset, utf8);
    return utf8;
}

// Undoes the escapes of a text value: \n (or \N) is a line break, \\, \,
// \; and \: stand for the character itself; any other backslash is kept.
std::string Unescaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 'N') {
                result += '\n';
                ++i;
                continue;
            }
            if (next == '\\' || next == ',' || next == ';' || next == ':') {
                result += next;
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

// The components of a structured value (N, ADR, ORG), split at every
// semicolon that is not escaped, each unescaped.
std::vector<std::string> Components(std::string_view text)
{
    std::vector<std::string> components;
    size_t nStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == ';') {
            components.push_back(Unescaped(text.substr(nStart, i - nStart)));
            nStart = i + 1;
        }
    }
    if (nStart <= text.size())
        components.push_back(Unescaped(text.substr(nStart)));
    return components;
}

std::string JoinNonEmpty(const std::vector<std::string>& parts, const char* pszSeparator)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (Trimmed(part).empty())
            continue;
        if (!joined.empty())
            joined += pszSeparator;
        joined += std::string(Trimmed(part));
    }
    return joined;
}

// A telephone number written as a tel: URI (tel:+1-555-0100;ext=7) in the
// form people write it (+1-555-0100 ext. 7).
std::string TelephoneNumber(const Property& property)
{
    std::string value = DecodedValue(property);
    if (property.strValueType != "uri" || !StartsWithNoCase(value, "TEL:"))
        return Unescaped(value);
    value.erase(0, 4);
    const size_t nExtension = Lower(value).find(";ext=");
    if (nExtension != std::string::npos)
        value = value.substr(0, nExtension) + " ext. " + value.substr(nExtension + 5);
    return value;
}

std::string TelephoneLabel(const Property& property)
{
    static const std::pair<const char*, const char*> kLabels[] = {
        {"cell", "Mobile"},
        {"fax", "Fax"},
        {"pager", "Pager"},
        {"home", "Home phone"},
        {"work", "Work phone"},
    };
    for (const auto& [type, label] : kLabels)
        if (property.HasType(type))
            return label;
    return "Phone";
}

std::string AddressLabel(const Property& property)
{
    if (property.HasType("home"))
        return "Home address";
    if (property.HasType("work"))
        return "Work address";
    return "Address";
}

// The preferred property of those given, else the first; nullptr for none.
const Property* Preferred(const std::vector<const Property*>& properties)
{
    for (const Property* property : properties)
        if (property->bPreferred)
            return property;
    return properties.empty() ? nullptr : properties.front();
}

// Properties that only describe the card itself, or repeat what the
// contact keeps anyway.
bool IsCardDetail(const std::string& name)
{
    static const char* const kNames[] = {"VERSION", "PRODID", "REV", "UID", "SORT-STRING", "CLIENTPIDMAP", "SOURCE",
        "NAME", "PROFILE", "MAILER", "KIND", "XML"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* p) { return name == p; });
}

// Properties whose value has no field of its own but is worth keeping.
const char* MovedLabel(const std::string& name)
{
    static const std::pair<const char*, const char*> kLabels[] = {
        {"TITLE", "Title"},
        {"ROLE", "Role"},
        {"URL", "Web"},
        {"BDAY", "Birthday"},
        {"ANNIVERSARY", "Anniversary"},
        {"NICKNAME", "Nickname"},
        {"IMPP", "Chat"},
        {"CATEGORIES", "Categories"},
    };
    for (const auto& [property, label] : kLabels)
        if (name == property)
            return label;
    return nullptr;
}

class CardBuilder
{
public:
    explicit CardBuilder(int nNumber) { m_contact.m_nNumber = nNumber; }

    void Add(Property property) { m_properties.push_back(std::move(property)); }
    CContact Build();

private:
    void TakeName();
    void TakeTelephones();
    void TakeEmails();
    void TakeRest();
    void LeaveOut(const Property& property, const char* pszWhy);

    std::vector<Property> m_properties;
    CContact m_contact;
    bool m_bOrganisationIsName = false;
};

void CardBuilder::LeaveOut(const Property& property, const char* pszWhy)
{
    m_contact.m_leftOut.push_back(property.strName + pszWhy);
}

void CardBuilder::TakeName()
{
    for (const Property& property : m_properties)
        if (property.strName == "FN" && !IsBinary(property) && m_contact.m_strName.empty())
            m_contact.m_strName = Unescaped(DecodedValue(property));
    for (const Property& property : m_properties) {
        if (property.strName != "N" || IsBinary(property) || !m_contact.m_strName.empty())
            continue;
        // family; given; additional; prefixes; suffixes, read in the order people say them
        std::vector<std::string> parts = Components(DecodedValue(property));
        parts.resize(5);
        m_contact.m_strName = JoinNonEmpty({parts[3], parts[1], parts[2], parts[0], parts[4]}, " ");
    }
    for (const Property& property : m_properties) {
        if (property.strName != "ORG" || IsBinary(property) || !m_contact.m_strName.empty())
            continue;
        m_contact.m_strName = JoinNonEmpty(Components(DecodedValue(property)), ", ");
        m_bOrganisationIsName = true;
    }
}

void CardBuilder::TakeTelephones()
{
    std::vector<const Property*> numbers;
    std::vector<const Property*> others;
    const Property* pPager = nullptr;
    for (const Property& property : m_properties) {
        if (property.strName != "TEL" || IsBinary(property) || TelephoneNumber(property).empty())
            continue;
        numbers.push_back(&property);
        if (!property.HasType("pager"))
            others.push_back(&property);
        else if (!pPager)
            pPager = &property;
    }
    const Property* pPhone = Preferred(others);
    for (const Property* property : numbers) {
        if (property == pPager)
            m_contact.m_strPager = TelephoneNumber(*property);
        else if (property == pPhone)
            m_contact.m_strPhone = TelephoneNumber(*property);
        else
            m_contact.MoveToMisc(TelephoneLabel(*property), TelephoneNumber(*property));
    }
}

void CardBuilder::TakeEmails()
{
    std::vector<const Property*> emails;
    for (const Property& property : m_properties)
        if (property.strName == "EMAIL" && !IsBinary(property) && !Unescaped(DecodedValue(property)).empty())
            emails.push_back(&property);
    const Property* pEmail = Preferred(emails);
    for (const Property* property : emails) {
        const std::string address = Unescaped(DecodedValue(*property));
        if (property == pEmail)
            m_contact.m_strEmail = address;
        else
            m_contact.MoveToMisc("E-mail", address);
    }
}

void CardBuilder::TakeRest()
{
    const bool bHasAddress
        = std::any_of(m_properties.begin(), m_properties.end(), [](const Property& p) { return p.strName == "ADR"; });
    for (const Property& property : m_properties) {
        const std::string& name = property.strName;
        if (name == "FN" || name == "N" || name == "TEL" || name == "EMAIL" || IsCardDetail(name)
            || (name == "ORG" && m_bOrganisationIsName))
            continue;
        if (IsBinary(property)) {
            LeaveOut(property, " (binary data)");
            continue;
        }
        const std::string value = DecodedValue(property);
        if (name == "NOTE") {
            const std::string note = Unescaped(value);
            if (m_contact.m_strNote.empty())
                m_contact.m_strNote = note;
            else if (!note.empty())
                m_contact.MoveToMisc("Note", note);
        } else if (name == "ADR") {
            const std::string address = JoinNonEmpty(Components(value), ", ");
            if (!address.empty())
                m_contact.MoveToMisc(AddressLabel(property), address);
        } else if (name == "LABEL") {
            // The printed form of an address: kept only when no ADR gives it.
            if (!bHasAddress && !Trimmed(value).empty())
                m_contact.MoveToMisc("Address", Unescaped(value));
        } else if (name == "ORG") {
            const std::string organisation = JoinNonEmpty(Components(value), ", ");
            if (!organisation.empty())
                m_contact.MoveToMisc("Organisation", organisation);
        } else if (name == "AGENT" && Trimmed(value).empty()) {
            LeaveOut(property, " (the vCard of another person inside this one)");
        } else if (const char* pszLabel = MovedLabel(name)) {
            const std::string text = Unescaped(value);
            if (!Trimmed(text).empty())
                m_contact.MoveToMisc(pszLabel, text);
        } else if (!Trimmed(value).empty()) {
            LeaveOut(property, "");
        }
    }
}

CContact CardBuilder::Build()
{
    TakeName();
    TakeTelephones();
    TakeEmails();
    TakeRest();
    return std::move(m_contact);
}

bool IsQuotedPrintableLine(std::string_view line)
{
    const size_t nColon = line.find(':');
    return Upper(line.substr(0, nColon)).find("QUOTED-PRINTABLE") != std::string::npos;
}

// Turns the file's physical lines into content lines and the content lines
// into contacts, one vCard at a time.
class CardParser
{
public:
    explicit CardParser(std::vector<CContact>& contacts)
        : m_contacts(contacts)
    {
    }

    void AddPhysicalLine(std::string_view line);
    void Finish();
    bool FoundAny() const { return m_nCards > 0; }

private:
    void ProcessContentLine(const std::string& line);
    void FinishCutOffCard();

    std::vector<CContact>& m_contacts;
    std::string m_current;
    bool m_bHaveCurrent = false;
    bool m_bCurrentIsQuotedPrintable = false;
    bool m_bVersion21 = false;
    bool m_bAfterAgent = false;
    int m_nDepth = 0;   // vCards nested inside a property (2.1 AGENT) count too
    int m_nCards = 0;
    std::unique_ptr<CardBuilder> m_pCard;
};

void CardParser::AddPhysicalLine(std::string_view line)
{
    if (m_bHaveCurrent && m_bCurrentIsQuotedPrintable && !m_current.empty() && m_current.back() == '=') {
        // A soft line break of quoted-printable: the value goes on, whatever
        // the next line begins with.
        m_current.pop_back();
        m_current += line;
        return;
    }
    if (m_bHaveCurrent && !line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        // A folded line. vCard 2.1 folds at white space and keeps it; later
        // versions insert the one white-space character they fold with.
        m_current += m_bVersion21 ? line : line.substr(1);
        return;
    }
    if (m_bHaveCurrent)
        ProcessContentLine(m_current);
    m_current.assign(line);
    m_bHaveCurrent = true;
    // Decided on the line's first part, which holds its parameters, so that
    // a long run of soft line breaks costs no rescans.
    m_bCurrentIsQuotedPrintable = IsQuotedPrintableLine(line);
}

void CardParser::ProcessContentLine(const std::string& line)
{
    Property property;
    if (!ParseContentLine(line, property))
        return;
    const std::string value = Upper(Trimmed(property.strRawValue));
    if (property.strName == "BEGIN" && value == "VCARD") {
        // Only vCard 2.1's AGENT holds a vCard inside another; anywhere else
        // a new vCard means the one before it was cut off.
        if (m_nDepth > 0 && !m_bAfterAgent)
            FinishCutOffCard();
        if (m_nDepth++ == 0) {
            ++m_nCards;
            m_pCard = std::make_unique<CardBuilder>(m_nCards);
            m_bVersion21 = false;
        }
        m_bAfterAgent = false;
        return;
    }
    m_bAfterAgent = m_nDepth == 1 && property.strName == "AGENT" && Trimmed(property.strRawValue).empty();
    if (property.strName == "END" && value == "VCARD") {
        if (m_nDepth > 0 && --m_nDepth == 0) {
            m_contacts.push_back(m_pCard->Build());
            m_pCard.reset();
        }
        return;
    }
    if (m_nDepth != 1)
        return;   // outside any vCard, or inside one nested in a property
    if (property.strName == "VERSION")
        m_bVersion21 = Trimmed(property.strRawValue) == "2.1";
    m_pCard->Add(std::move(property));
}

void CardParser::Finish()
{
    if (m_bHaveCurrent)
        ProcessContentLine(m_current);
    m_bHaveCurrent = false;
    if (m_pCard)
        FinishCutOffCard();
}

// What a vCard without its end holds so far is still a contact.
void CardParser::FinishCutOffCard()
{
    CContact contact = m_pCard->Build();
    contact.m_leftOut.push_back("END (the vCard was cut off)");
    m_contacts.push_back(std::move(contact));
    m_pCard.reset();
    m_nDepth = 0;
}

}   // namespace

bool CVCardReader::Read(const std::string& bytes, std::vector<CContact>& contacts, std::string& strError)
{
    std::string_view text(bytes);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    CardParser parser(contacts);
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find_first_of("\r\n", nStart);
        if (nEnd == std::string_view::npos)
            nEnd = text.size();
        parser.AddPhysicalLine(text.substr(nStart, nEnd - nStart));
        nStart = nEnd;
        if (nStart < text.size() && text[nStart] == '\r')
            ++nStart;
        if (nStart < text.size() && text[nStart] == '\n')
            ++nStart;
    }
    parser.Finish();
    if (!parser.FoundAny()) {
        strError = "it holds no vCard (no BEGIN:VCARD line)";
        return false;
    }
    return true;
}
