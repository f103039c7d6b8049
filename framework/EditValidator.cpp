#include "framework/EditValidator.h"

#include <algorithm>
#include <climits>

#include <QLineEdit>

#include "framework/TextCodec.h"

namespace {

bool IsLineBreakOrTab(char32_t ch)
{
    return ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f' || ch == 0x2028 || ch == 0x2029;
}

bool IsControl(char32_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

bool IsAccepted(char32_t ch)
{
    return !IsControl(ch) && TextCodec::CanHold(ch);
}

// Turns tabs and line breaks into spaces and drops refused characters,
// moving pos back over the ones dropped before it.
QString Clean(const QString& input, int& pos)
{
    QString clean;
    int newPos = pos;
    const QList<uint> codePoints = input.toUcs4();
    int unit = 0;
    for (uint cp : codePoints) {
        const char32_t ch = static_cast<char32_t>(cp);
        const int width = ch > 0xFFFF ? 2 : 1;
        if (IsLineBreakOrTab(ch))
            clean += QLatin1Char(' ');
        else if (IsAccepted(ch))
            clean += QString::fromUcs4(&ch, 1);
        else if (unit < pos)
            newPos -= std::min(width, pos - unit);
        unit += width;
    }
    pos = newPos;
    return clean;
}

} // namespace

EditValidator::EditValidator(QObject* pParent)
    : QValidator(pParent)
{
}

QValidator::State EditValidator::validate(QString& input, int& pos) const
{
    QString clean = Clean(input, pos);
    const int allowed = m_nLimit > 0 ? std::max(m_nLimit, m_nAcceptedLength) : INT_MAX;
    if (clean.size() > allowed) {
        // The characters just typed or pasted end at the cursor: cut the
        // excess from there so the insertion stops at the limit.
        const int excess = static_cast<int>(clean.size()) - allowed;
        const int cut = std::min(excess, pos);
        clean.remove(pos - cut, cut);
        pos -= cut;
        if (clean.size() > allowed)
            return Invalid;
    }
    input = clean;
    m_nAcceptedLength = static_cast<int>(input.size());
    return Acceptable;
}

EditValidator* EditValidator::Of(const QLineEdit* pEdit)
{
    return pEdit ? const_cast<EditValidator*>(dynamic_cast<const EditValidator*>(pEdit->validator())) : nullptr;
}

void EditValidator::SetText(QLineEdit* pEdit, const QString& text)
{
    if (EditValidator* validator = Of(pEdit))
        validator->m_nAcceptedLength = static_cast<int>(text.size());
    pEdit->setText(text);
}

void EditValidator::SetLimit(QLineEdit* pEdit, int nChars)
{
    if (EditValidator* validator = Of(pEdit)) {
        validator->m_nLimit = std::max(nChars, 0);
        validator->m_nAcceptedLength = static_cast<int>(pEdit->text().size());
    }
}
