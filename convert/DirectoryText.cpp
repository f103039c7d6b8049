#include "convert/DirectoryText.h"

#include <array>

#include <QHash>
#include <QString>
#include <QStringDecoder>

namespace {

constexpr char kReplacement = '?';
constexpr char16_t kYenSign = 0x00A5;

// The character of every byte and the byte of every character, built once
// from Qt's Windows-1252 converter.
struct CodePage
{
    bool bValid = false;
    std::array<char16_t, 256> characters{};
    QHash<char16_t, unsigned char> bytes;
};

const CodePage& Windows1252()
{
    static const CodePage table = [] {
        CodePage page;
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            return page;
        page.bValid = true;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString one = decoder.decode(QByteArrayView(&byte, 1));
            page.characters[static_cast<size_t>(b)] = one.size() == 1 ? one.at(0).unicode() : char16_t(b);
            page.bytes.insert(page.characters[static_cast<size_t>(b)], static_cast<unsigned char>(b));
        }
        return page;
    }();
    return table;
}

bool IsHoldable(char16_t ch)
{
    if (ch == u'\t')
        return true;
    return ch >= 0x20 && ch != 0x7F && ch != kYenSign;
}

}   // namespace

bool CDirectoryText::IsAvailable()
{
    return Windows1252().bValid;
}

std::string CDirectoryText::ToUtf8(const CString& field)
{
    const CodePage& page = Windows1252();
    QString text;
    text.reserve(field.GetLength());
    for (const char byte : field.Bytes())
        text.append(QChar(page.characters[static_cast<unsigned char>(byte)]));
    return text.toStdString();
}

CString CDirectoryText::FromUtf8(const std::string& utf8, int& nReplaced)
{
    const CodePage& page = Windows1252();
    const QString text = QString::fromStdString(utf8);
    std::string field;
    field.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;   // a character beyond the 16-bit plane: one character, one '?'
        const auto found = page.bytes.constFind(ch.unicode());
        if (ch.isSurrogate() || found == page.bytes.cend() || !IsHoldable(ch.unicode())) {
            field += kReplacement;
            ++nReplaced;
        } else {
            field += static_cast<char>(found.value());
        }
    }
    if (!field.empty() && field[0] == '\t')
        field[0] = ' ';
    return CString(std::move(field));
}
