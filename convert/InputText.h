#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QStringDecoder;

// A contact file read a piece at a time, so that no file is ever held whole.
// The encoding is decided once, at the start: a UTF-8 byte-order mark is
// dropped; UTF-16 (little or big endian) with a byte-order mark, or a vCard
// file in UTF-16 without one (it begins with BEGIN:VCARD), is turned into
// UTF-8; any other text is given as it is (UTF-8, or Windows-1252 that the
// readers recognise per value). UTF-32, and other UTF-16 without its mark,
// are refused with a message that says so.
class CInputText
{
public:
    explicit CInputText(std::istream& in);
    ~CInputText();
    CInputText(const CInputText&) = delete;
    CInputText& operator=(const CInputText&) = delete;

    // The next piece of text; FALSE at the end of the file or when it
    // cannot be read, which Error() then says.
    bool Next(std::string_view& piece);
    // Why reading stopped early; empty when the whole file was read.
    const std::string& Error() const { return m_strError; }

    static constexpr size_t kPieceSize = 64 * 1024;

private:
    size_t ReadRaw();
    bool DecideEncoding(size_t& nSkip);

    std::istream& m_in;
    std::vector<char> m_buffer;
    std::string m_utf8;   // the last piece of a UTF-16 file, converted
    std::unique_ptr<QStringDecoder> m_pUtf16;
    bool m_bStarted = false;
    std::string m_strError;
};
