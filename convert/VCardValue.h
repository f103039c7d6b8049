#pragma once

#include <string>
#include <string_view>
#include <vector>

// Decoding the value of a vCard property, apart from what it means.
namespace VCardValue {

// Quoted-printable: "=XX" is the byte XX, anywhere in the text, its very
// end included; any other '=' stays as it is.
std::string DecodeQuotedPrintable(std::string_view text);

// Undoes the escapes of a text value: \n (or \N) is a line break, \\, \,
// \; and \: stand for the character itself; any other backslash is kept.
std::string Unescaped(std::string_view text);

// The components of a structured value (N, ADR, ORG), split at every
// semicolon that is not escaped, each unescaped.
std::vector<std::string> Components(std::string_view text);

// The parts that hold more than white space, trimmed, joined by separator.
std::string JoinNonEmpty(const std::vector<std::string>& parts, const char* pszSeparator);

}   // namespace VCardValue
