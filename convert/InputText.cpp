#include "convert/InputText.h"

#include <algorithm>
#include <istream>

#include <QString>
#include <QStringDecoder>

#include "convert/ConvertText.h"
#include "vcard/AsciiText.h"

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

// What a reason for refusing a file's encoding ends with.
std::string EncodingsRead()
{
    return ConvertText::Tr(
        "UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read");
}

// Text in UTF-8 or a single-byte code page holds no zero bytes; UTF-16 or
// UTF-32 without a mark holds one in every second or fourth byte.
bool LooksLikeWideTextWithoutMark(std::string_view bytes)
{
    bytes = bytes.substr(0, 256);
    const auto nZeros = std::count(bytes.begin(), bytes.end(), '\0');
    return bytes.size() >= 2 && static_cast<size_t>(nZeros) * 4 >= bytes.size();
}

// Whether the bytes begin, after any white space, with BEGIN:VCARD in
// UTF-16 of the given byte order (nZeroFirst 1: little endian, 0: big):
// no other text begins that way, so a vCard file needs no mark to be read.
bool BeginsAsUtf16VCard(std::string_view bytes, size_t nZeroFirst)
{
    const size_t nLow = 1 - nZeroFirst;   // the byte that holds the ASCII character
    size_t i = 0;
    auto unit = [&](size_t n) { return bytes[n + nLow]; };
    while (i + 1 < bytes.size() && bytes[i + nZeroFirst] == '\0'
        && (unit(i) == ' ' || unit(i) == '\t' || unit(i) == '\r' || unit(i) == '\n'))
        i += 2;
    for (const char ch : std::string_view("BEGIN:VCARD")) {
        if (i + 1 >= bytes.size() || bytes[i + nZeroFirst] != '\0' || UpperAscii(unit(i)) != ch)
            return false;
        i += 2;
    }
    return true;
}

}   // namespace

CInputText::CInputText(std::istream& in)
    : m_in(in)
    , m_buffer(kPieceSize)
{
}

CInputText::~CInputText() = default;

size_t CInputText::ReadRaw()
{
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    const auto nRead = static_cast<size_t>(m_in.gcount());
    if (m_in.bad())
        m_strError = ConvertText::Tr("it could not be read to its end");
    return nRead;
}

bool CInputText::DecideEncoding(size_t& nSkip)
{
    const std::string_view start(m_buffer.data(), nSkip);
    nSkip = 0;
    if (StartsWith(start, "\xEF\xBB\xBF")) {
        nSkip = 3;
    } else if (StartsWith(start, std::string_view("\xFF\xFE\0\0", 4))
        || StartsWith(start, std::string_view("\0\0\xFE\xFF", 4))) {
        m_strError = ConvertText::Tr("it is in UTF-32, which is not read (%1)", {EncodingsRead()});
        return false;
    } else if (StartsWith(start, "\xFF\xFE") || StartsWith(start, "\xFE\xFF")) {
        m_pUtf16 = std::make_unique<QStringDecoder>(
            start[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        nSkip = 2;
    } else if (BeginsAsUtf16VCard(start, 1) || BeginsAsUtf16VCard(start, 0)) {
        m_pUtf16 = std::make_unique<QStringDecoder>(
            BeginsAsUtf16VCard(start, 1) ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    } else if (LooksLikeWideTextWithoutMark(start)) {
        m_strError = ConvertText::Tr(
            "it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)",
            {EncodingsRead()});
        return false;
    }
    return true;
}

bool CInputText::Next(std::string_view& piece)
{
    if (!m_strError.empty())
        return false;
    size_t nRead = ReadRaw();
    size_t nSkip = 0;
    if (!m_bStarted) {
        m_bStarted = true;
        nSkip = nRead;
        if (!DecideEncoding(nSkip))
            return false;
    }
    if (nRead == 0)
        return false;
    const char* pStart = m_buffer.data() + nSkip;
    const size_t nLength = nRead - nSkip;
    if (!m_pUtf16) {
        piece = std::string_view(pStart, nLength);
        return true;
    }
    // The decoder keeps a character split between two pieces for the next.
    const QString text = m_pUtf16->decode(QByteArrayView(pStart, static_cast<qsizetype>(nLength)));
    const QByteArray utf8 = text.toUtf8();
    m_utf8.assign(utf8.constData(), static_cast<size_t>(utf8.size()));
    piece = m_utf8;
    return true;
}
