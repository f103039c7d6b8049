#include "vcard/Charset.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include "vcard/AsciiText.h"
#include "vcard/DirectoryText.h"
#include "vcard/Utf8.h"
#include "vcard/VCardValue.h"

namespace {

bool IsWindows1252(std::string_view name)
{
    return EqualsNoCase(name, "windows-1252") || EqualsNoCase(name, "cp1252") || EqualsNoCase(name, "x-cp1252");
}

}   // namespace

void CCharset::AppendUndeclared(std::string_view bytes, std::string& utf8)
{
    if (Utf8::IsValid(bytes))
        utf8.append(bytes);
    else
        CDirectoryText::AppendUtf8(bytes, utf8);
}

void CCharset::DecodeUndeclared(std::string_view bytes, std::string& utf8)
{
    utf8.clear();
    AppendUndeclared(bytes, utf8);
}

std::string CCharset::DecodeUndeclared(std::string_view bytes)
{
    std::string utf8;
    DecodeUndeclared(bytes, utf8);
    return utf8;
}

bool CCharset::Decode(std::string_view bytes, std::string_view charset, std::string& utf8)
{
    charset = Trimmed(charset);
    // The directory's own mapping, so that the five undefined bytes are read
    // the same way everywhere.
    if (IsWindows1252(charset)) {
        utf8.clear();
        CDirectoryText::AppendUtf8(bytes, utf8);
        return true;
    }
    if (EqualsNoCase(charset, "utf-8") || EqualsNoCase(charset, "utf8")) {
        utf8.clear();
        Utf8::AppendRepaired(bytes, utf8);
        return true;
    }
    const QByteArray name(charset.data(), static_cast<qsizetype>(charset.size()));
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        DecodeUndeclared(bytes, utf8);
        return false;
    }
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    utf8 = text.toStdString();
    return true;
}

void CCharset::DecodeValue(std::string_view value, bool bQuotedPrintable, std::string_view charset, std::string& utf8)
{
    std::string unquoted;
    if (bQuotedPrintable) {
        unquoted = VCardValue::DecodeQuotedPrintable(value);
        value = unquoted;
    }
    if (charset.empty())
        DecodeUndeclared(value, utf8);   // most values: valid UTF-8, one copy
    else
        Decode(value, charset, utf8);
}
