#pragma once

#include <string>
#include <string_view>

// Decodes the bytes of an imported value into Unicode (UTF-8).
class CCharset
{
public:
    // Bytes in the named character set (any name Qt knows: UTF-8,
    // ISO-8859-1, Windows-1252, ...). FALSE when the name is unknown; utf8
    // then holds the bytes decoded as DecodeUndeclared would. A value that
    // says it is UTF-8 is read as UTF-8 even when a byte of it is not: that
    // byte becomes U+FFFD, which the directory holds as a replaced "?", and
    // the rest of the value stays as it was written.
    static bool Decode(std::string_view bytes, std::string_view charset, std::string& utf8);

    // Bytes whose character set nobody declared: UTF-8 when they are valid
    // UTF-8, else Windows-1252, which is what older programs on Western
    // systems write.
    static void DecodeUndeclared(std::string_view bytes, std::string& utf8);
    // The same, added to the end of utf8.
    static void AppendUndeclared(std::string_view bytes, std::string& utf8);
    static std::string DecodeUndeclared(std::string_view bytes);

    // A property's value as text in UTF-8, its escapes still in it:
    // quoted-printable undone, then its character set (empty: none
    // declared) decoded. The one decoding of a value, for import and the
    // sync alike.
    static void DecodeValue(std::string_view value, bool bQuotedPrintable, std::string_view charset, std::string& utf8);
};
