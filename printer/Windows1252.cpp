#include "printer/Windows1252.h"

#include <cerrno>
#include <iconv.h>

namespace {

const char kReplacementCharacter[] = "\xEF\xBF\xBD";   // U+FFFD in UTF-8
// No character of Windows-1252 takes more than three bytes in UTF-8 (the
// euro sign U+20AC is the widest), and neither does the replacement.
const size_t kMaxUtf8BytesPerByte = 3;

// Owns a conversion descriptor of iconv.
class CConverter
{
public:
    CConverter()
        : m_cd(iconv_open("UTF-8", "WINDOWS-1252"))
    {
    }
    ~CConverter()
    {
        if (IsOpen())
            iconv_close(m_cd);
    }
    CConverter(const CConverter&) = delete;
    CConverter& operator=(const CConverter&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

}   // namespace

std::optional<std::string> Windows1252ToUtf8(const std::string& text)
{
    CConverter converter;
    if (!converter.IsOpen())
        return std::nullopt;

    std::string utf8(text.size() * kMaxUtf8BytesPerByte, '\0');
    char* pIn = const_cast<char*>(text.data());   // iconv's signature; it only reads
    size_t nInLeft = text.size();
    char* pOut = utf8.data();
    size_t nOutLeft = utf8.size();
    while (iconv(converter.Get(), &pIn, &nInLeft, &pOut, &nOutLeft) == static_cast<size_t>(-1)) {
        if (errno != EILSEQ)
            return std::nullopt;
        // A byte the code page leaves undefined: its room is still free.
        ++pIn;
        --nInLeft;
        for (const char* p = kReplacementCharacter; *p != '\0'; ++p, --nOutLeft)
            *pOut++ = *p;
    }
    utf8.resize(utf8.size() - nOutLeft);
    return utf8;
}
