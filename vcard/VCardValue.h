#pragma once

#include <string>
#include <string_view>
#include <vector>

// Decoding the value of a vCard property, apart from what it means.
namespace VCardValue {

// Quoted-printable: "=XX" is the byte XX, anywhere in the text, its very
// end included; any other '=' stays as it is.
std::string DecodeQuotedPrintable(std::string_view text);

// Appends a text value escaped: \\, \, and \; for the character, \n for a
// line break (CR, LF or CRLF).
void AppendEscaped(std::string_view text, std::string& out);
std::string Escaped(std::string_view text);
// Whether the character is escaped in a text value.
inline bool NeedsEscape(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    return byte <= '\\' && (byte == '\\' || byte == ',' || byte == ';' || byte == '\r' || byte == '\n');
}
// Appends the escape of the character at text[nAt], which NeedsEscape;
// the place after it (after CRLF's LF too).
size_t AppendEscape(std::string_view text, size_t nAt, std::string& out);

// Appends one content line folded, each physical line ended by lineEnd: no
// line longer than 75 octets, each continuation starting with one space,
// and never a break inside a character's UTF-8 sequence.
void AppendFolded(std::string_view line, std::string_view lineEnd, std::string& out);

// Undoes the escapes of a text value: \n (or \N) is a line break, \\, \,
// \; and \: stand for the character itself; any other backslash is kept.
std::string Unescaped(std::string_view text);
void AppendUnescaped(std::string_view text, std::string& out);

// The components of a structured value (N, ADR, ORG), split at every
// semicolon that is not escaped, each unescaped.
std::vector<std::string> Components(std::string_view text);

// The parts that hold more than white space, trimmed, joined by separator.
std::string JoinNonEmpty(const std::vector<std::string>& parts, const char* pszSeparator);

// N (family; given; additional; prefixes; suffixes) in the order people say
// a name: "Dr. Ann Lee".
std::string SpokenName(std::string_view text);

// ORG's organisation and units, "Corner Shop, Sales".
std::string Organisation(std::string_view text);

// A telephone number's text as people write it: a tel: URI
// (tel:+1-555-0100;ext=7), whether or not the card says it is one, becomes
// "+1-555-0100 ext. 7"; any other text stays as it is.
std::string TelephoneNumber(std::string text);

}   // namespace VCardValue
