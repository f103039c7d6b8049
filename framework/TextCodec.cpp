#include "framework/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* kCodePage = "windows-1252";

} // namespace

QString TextCodec::ToQString(const CString& text)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(text.Bytes().data(), static_cast<qsizetype>(text.Bytes().size())));
}

QString TextCodec::ToQString(const char* psz)
{
    return ToQString(CString(psz ? psz : ""));
}

CString TextCodec::FromQString(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    bytes.replace('\x1a', '?');   // the converter's substitute for the impossible
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

bool TextCodec::CanHold(char32_t ch)
{
    // The converter's error flag is not reliable for a lone character, so
    // the test is whether the character survives the trip there and back.
    const char32_t one[1] = {ch};
    const QString original = QString::fromUcs4(one, 1);
    QStringEncoder encoder(kCodePage);
    QStringDecoder decoder(kCodePage);
    const QByteArray bytes = encoder.encode(original);
    return decoder.decode(bytes) == original;
}
