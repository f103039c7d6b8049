#include "framework/MnemonicText.h"

QString MnemonicText::Shown(const QString& text, bool bMnemonic)
{
    if (!bMnemonic)
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}
