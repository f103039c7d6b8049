#pragma once

#include <QValidator>

class QLineEdit;

// Filters what reaches an edit box: characters Windows-1252 cannot hold and
// control characters are refused, tabs and line breaks become spaces, and
// with a length limit typing or pasting stops at the limit. A text the
// program put into the box is never cut, even when it is longer than the
// limit; it may only shrink.
class EditValidator : public QValidator
{
public:
    explicit EditValidator(QObject* pParent);

    State validate(QString& input, int& pos) const override;

    // Puts text into the box as the program's own change.
    static void SetText(QLineEdit* pEdit, const QString& text);
    // Limits the box to nChars characters (0: no limit).
    static void SetLimit(QLineEdit* pEdit, int nChars);

private:
    static EditValidator* Of(const QLineEdit* pEdit);

    int m_nLimit = 0;
    // Length of the text last accepted: the box may keep a longer text it
    // already holds, but never grow beyond the limit.
    mutable int m_nAcceptedLength = 0;
};
