#include "framework/EditValidator.h"

#include <algorithm>
#include <climits>

#include <QLineEdit>

#include "framework/TextCodec.h"
#include "framework/WinApp.h"

namespace {

bool IsLineBreakOrTab(char32_t ch)
{
    return ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f' || ch == 0x2028 || ch == 0x2029;
}

bool IsControl(char32_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

bool IsRefusedByTheApplication(char32_t ch)
{
    const CWinApp* app = AfxGetApp();
    return app && ch <= 0xFFFF && TextCodec::ToQString(app->m_strRefusedInput).contains(QChar(char16_t(ch)));
}

bool IsStorable(char32_t ch)
{
    return TextCodec::CanHold(ch) && !IsRefusedByTheApplication(ch);
}

// What the box shows for ch, as it will be stored: tabs and line breaks
// become spaces, a character the text cannot hold becomes '?' (never
// dropped unseen), and a control character, which shows nothing, is
// dropped.
QString Stored(char32_t ch)
{
    if (IsLineBreakOrTab(ch))
        return QStringLiteral(" ");
    if (IsControl(ch))
        return QString();
    if (!IsStorable(ch))
        return QStringLiteral("?");
    return QString::fromUcs4(&ch, 1);
}

// The input as it will be stored, moving pos with the characters before it
// that shrink or vanish.
QString Clean(const QString& input, qsizetype& pos)
{
    QString clean;
    qsizetype newPos = pos;
    const QList<uint> codePoints = input.toUcs4();
    qsizetype unit = 0;
    for (uint cp : codePoints) {
        const char32_t ch = static_cast<char32_t>(cp);
        const qsizetype width = ch > 0xFFFF ? 2 : 1;
        const QString stored = Stored(ch);
        if (unit < pos)
            newPos -= std::min(width, pos - unit) - std::min(stored.size(), pos - unit);
        clean += stored;
        unit += width;
    }
    pos = newPos;
    return clean;
}

// Splits input into what it shares with previous at its start and end and
// what was put between them: the text the user typed or pasted (empty when
// the user only deleted).
void FindInsertion(const QString& previous, const QString& input, qsizetype& nPrefix, qsizetype& nSuffix)
{
    const qsizetype nCommon = std::min(previous.size(), input.size());
    nPrefix = 0;
    while (nPrefix < nCommon && previous[nPrefix] == input[nPrefix])
        ++nPrefix;
    nSuffix = 0;
    while (nPrefix + nSuffix < nCommon && previous[previous.size() - 1 - nSuffix] == input[input.size() - 1 - nSuffix])
        ++nSuffix;
}

}   // namespace

EditValidator::EditValidator(QObject* pParent)
    : QValidator(pParent)
{
}

QValidator::State EditValidator::validate(QString& input, int& pos) const
{
    if (input == m_strAccepted || input == m_strProgramText) {
        m_strAccepted = input;
        return Acceptable;
    }
    qsizetype nPrefix = 0;
    qsizetype nSuffix = 0;
    FindInsertion(m_strAccepted, input, nPrefix, nSuffix);
    const qsizetype nInserted = input.size() - nPrefix - nSuffix;

    // Only the inserted characters are filtered; the cursor follows them.
    qsizetype posInInsertion = std::clamp<qsizetype>(pos - nPrefix, 0, nInserted);
    QString inserted = Clean(input.mid(nPrefix, nInserted), posInInsertion);

    // With a limit the insertion stops there; a longer text the box already
    // held may stay, but not grow.
    const qsizetype nAllowed = m_nLimit > 0 ? std::max<qsizetype>(m_nLimit, m_strAccepted.size()) : INT_MAX;
    const qsizetype nLength = nPrefix + inserted.size() + nSuffix;
    if (nLength > nAllowed) {
        const qsizetype nExcess = nLength - nAllowed;
        if (nExcess > inserted.size())
            return Invalid;
        inserted.chop(nExcess);
        posInInsertion = std::min(posInInsertion, inserted.size());
    }

    const qsizetype nOldPos = pos;
    if (nOldPos > nPrefix + nInserted)
        pos = static_cast<int>(nOldPos - nInserted + inserted.size());
    else if (nOldPos > nPrefix)
        pos = static_cast<int>(nPrefix + posInInsertion);
    input = input.left(nPrefix) + inserted + input.right(nSuffix);
    m_strAccepted = input;
    return Acceptable;
}

EditValidator* EditValidator::Of(const QLineEdit* pEdit)
{
    return pEdit ? const_cast<EditValidator*>(dynamic_cast<const EditValidator*>(pEdit->validator())) : nullptr;
}

void EditValidator::SetText(QLineEdit* pEdit, const QString& text)
{
    if (EditValidator* validator = Of(pEdit)) {
        validator->m_strAccepted = text;
        validator->m_strProgramText = text;
    }
    pEdit->setText(text);
}

void EditValidator::SetLimit(QLineEdit* pEdit, int nChars)
{
    if (EditValidator* validator = Of(pEdit)) {
        validator->m_nLimit = std::max(nChars, 0);
        validator->m_strAccepted = pEdit->text();
    }
}
