#include "convert/DirectoryText.h"

#include <QString>
#include <QStringDecoder>

#include "base/Windows1252Map.h"

namespace {

constexpr char kReplacement = '?';
constexpr char16_t kYenSign = 0x00A5;

bool IsHoldable(char16_t ch)
{
    if (ch == u'\t')
        return true;
    return ch >= 0x20 && ch != 0x7F && ch != kYenSign;
}

}   // namespace

std::string CDirectoryText::ToUtf8(const CString& field)
{
    QString text;
    text.reserve(field.GetLength());
    for (const char byte : field.View())
        text.append(QChar(CWindows1252Map::ToUnicode(static_cast<unsigned char>(byte))));
    return text.toStdString();
}

CString CDirectoryText::FromUtf8(const std::string& utf8, int& nReplaced)
{
    // Every character is kept, a byte-order mark at the start included:
    // dropping it would turn a name of only that mark into no name at all.
    QStringDecoder decoder(
        QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    std::string field;
    field.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;   // a character beyond the 16-bit plane: one character, one '?'
        const int byte = ch.isSurrogate() ? -1 : CWindows1252Map::FromUnicode(ch.unicode());
        if (byte < 0 || !IsHoldable(ch.unicode())) {
            field += kReplacement;
            ++nReplaced;
        } else {
            field += static_cast<char>(byte);
        }
    }
    if (!field.empty() && field[0] == '\t')
        field[0] = ' ';
    return CString(std::move(field));
}
