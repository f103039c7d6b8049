#include "convert/Charset.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include "convert/DirectoryText.h"

namespace {

QByteArrayView View(const std::string& bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsWindows1252(const QByteArray& name)
{
    const QByteArray lower = name.toLower();
    return lower == "windows-1252" || lower == "cp1252" || lower == "x-cp1252";
}

}   // namespace

bool CCharset::IsValidUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // decode() converts only when its result becomes a QString.
    const QString text = decoder.decode(View(bytes));
    return !decoder.hasError();
}

std::string CCharset::DecodeUndeclared(const std::string& bytes)
{
    if (IsValidUtf8(bytes))
        return bytes;
    return CDirectoryText::ToUtf8(CString(bytes));
}

bool CCharset::Decode(const std::string& bytes, const std::string& strCharset, std::string& utf8)
{
    const QByteArray name = QByteArray::fromStdString(strCharset).trimmed();
    // The directory's own mapping, so that the five undefined bytes are read
    // the same way everywhere.
    if (IsWindows1252(name)) {
        utf8 = CDirectoryText::ToUtf8(CString(bytes));
        return true;
    }
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        utf8 = DecodeUndeclared(bytes);
        return false;
    }
    const QString text = decoder.decode(View(bytes));
    utf8 = text.toStdString();
    return true;
}
