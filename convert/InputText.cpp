#include "convert/InputText.h"

#include <algorithm>
#include <istream>

#include <QString>
#include <QStringDecoder>

namespace {

const char kEncodingsRead[] = "UTF-8, Windows-1252 and UTF-16 with a byte-order mark are read";

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

// Text in UTF-8 or a single-byte code page holds no zero bytes; UTF-16 or
// UTF-32 without a mark holds one in every second or fourth byte.
bool LooksLikeWideTextWithoutMark(std::string_view bytes)
{
    bytes = bytes.substr(0, 256);
    const auto nZeros = std::count(bytes.begin(), bytes.end(), '\0');
    return bytes.size() >= 2 && static_cast<size_t>(nZeros) * 4 >= bytes.size();
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
        m_strError = "it could not be read to its end";
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
        m_strError = std::string("it is in UTF-32, which is not read (") + kEncodingsRead + ")";
        return false;
    } else if (StartsWith(start, "\xFF\xFE") || StartsWith(start, "\xFE\xFF")) {
        m_pUtf16 = std::make_unique<QStringDecoder>(
            start[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        nSkip = 2;
    } else if (LooksLikeWideTextWithoutMark(start)) {
        m_strError = std::string("it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is "
                                 "not read (")
            + kEncodingsRead + ")";
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
