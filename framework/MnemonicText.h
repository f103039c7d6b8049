#pragma once

#include <QString>

// A control's text as it is drawn and spoken: with mnemonics, "&&" is one
// '&' and a single '&' marks the mnemonic and is not drawn.
class MnemonicText
{
public:
    static QString Shown(const QString& text, bool bMnemonic);
};
