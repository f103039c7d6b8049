#pragma once

#include <QValidator>

class QLineEdit;

// Filters what the user types or pastes into an edit box so that the box
// shows the text as it will be stored: characters Windows-1252 cannot hold
// and characters the application refuses (CWinApp::m_strRefusedInput)
// become '?', tabs and line breaks become spaces, control characters are
// dropped, and with a length limit typing or pasting stops at the limit. Only the inserted characters are filtered: whatever
// else the box holds stays as it was, so a text the program put into the
// box (unusual bytes of a field included) is never altered. Such a text is
// never cut either, even when it is longer than the limit; it may only
// shrink.
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
    // The text the box held after the last change: a new text is compared
    // with it to find what the user inserted.
    mutable QString m_strAccepted;
    // The text the program put in; undoing back to it restores it whole.
    QString m_strProgramText;
};
