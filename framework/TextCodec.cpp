#include "framework/TextCodec.h"

#include <string>
#include <utility>

#include <QList>

#include "base/Windows1252Map.h"

QString TextCodec::ToQString(const CString& text)
{
    const std::string_view bytes = text.View();
    QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (char byte : bytes)
        *out++ = QChar(CWindows1252Map::ToUnicode(static_cast<unsigned char>(byte)));
    return result;
}

QString TextCodec::ToQString(const char* psz)
{
    return ToQString(CString(psz ? psz : ""));
}

CString TextCodec::FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (char32_t ch : text.toUcs4()) {
        const int byte = CWindows1252Map::FromUnicode(ch);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return CString(std::move(bytes));
}

bool TextCodec::CanHold(char32_t ch)
{
    return CWindows1252Map::FromUnicode(ch) >= 0;
}
