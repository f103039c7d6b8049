// Data exchange through real edit boxes: length limits while typing and
// pasting, refusal on saving, the int exchange and Windows-1252 text.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "framework/WinApp.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/GuiTest.h"

using namespace GuiTest;

namespace {

class DataExchangeTest : public testing::Test
{
protected:
    void SetUp() override { RegisterTestTemplates(); }
    CTestDialog m_dlg;
};

QString TextOf(QWidget* w, int nId)
{
    return static_cast<QLineEdit*>(Control(w, nId))->text();
}

void Paste(const QString& text)
{
    QApplication::clipboard()->setText(text);
    PressKey(Qt::Key_V, Qt::ControlModifier);
}

// Queues the dismissal of the refusal message, keeping its text and caption.
void ExpectRefusal(QString& text, QString& caption)
{
    RunWhenModal([&text, &caption](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr);
        text = message->text();
        caption = message->windowTitle();
        PressKey(Qt::Key_Return);
    });
}

TEST_F(DataExchangeTest, TypingAndPastingStopAtTheLimit)
{
    RunWhenModal([](QWidget* w) {
        Type("abcdefgh");
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "abcde");
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Home);
        Paste("XYZ");
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "XYabc") << "the paste is cut where the box is full";
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(DataExchangeTest, LongerTextIsKeptButRefusedOnSaving)
{
    m_dlg.m_strText = "abcdefgh";
    RunWhenModal([this](QWidget* w) {
        QWidget* box = Control(w, IDC_T_TEXT);
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "abcdefgh") << "loading never cuts";
        PressKey(Qt::Key_End);
        Type("x");
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "abcdefgh") << "but it cannot grow";
        PressKey(Qt::Key_Backspace);
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "abcdefg");

        Control(w, IDC_T_NUMBER)->setFocus();
        QString text, caption;
        ExpectRefusal(text, caption);
        EXPECT_FALSE(m_dlg.UpdateData(TRUE));
        EXPECT_TRUE(text.contains("5")) << text.toStdString();
        EXPECT_EQ(caption, QString::fromStdString(AfxGetApp()->m_strAppName.Bytes()));
        EXPECT_TRUE(WaitFor([box] { return Focus() == box; }));

        Control(w, IDC_T_NUMBER)->setFocus();
        ExpectRefusal(text, caption);
        PressKey(Qt::Key_Return);
        EXPECT_EQ(TopWindow(), w) << "OK was refused";
        EXPECT_TRUE(WaitFor([box] { return Focus() == box; }));
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
}

TEST_F(DataExchangeTest, IntegersTravelAsDecimalText)
{
    m_dlg.m_nNumber = -42;
    RunWhenModal([](QWidget* w) {
        EXPECT_EQ(TextOf(w, IDC_T_NUMBER), "-42");
        Control(w, IDC_T_NUMBER)->setFocus();
        PressKey(Qt::Key_A, Qt::ControlModifier);
        Type("12x");
        QString text, caption;
        ExpectRefusal(text, caption);
        PressKey(Qt::Key_Return);
        EXPECT_EQ(TopWindow(), w) << "12x is not a number";
        ASSERT_TRUE(WaitFor([w] { return Focus() == Control(w, IDC_T_NUMBER); }));
        EXPECT_EQ(static_cast<QLineEdit*>(Focus())->selectedText(), "12x") << "as Tab leaves it: typing replaces it";
        Type("1017");
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_nNumber, 1017);
}

TEST_F(DataExchangeTest, Windows1252TextRoundTripsThroughAnEditBox)
{
    m_dlg.m_nTextLimit = 70;
    m_dlg.m_strText = "Gr\xFC\xDF Gott \x80";
    RunWhenModal([](QWidget* w) {
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), QString::fromUtf8("Grüß Gott €"));
        PressKey(Qt::Key_A, Qt::ControlModifier);
        Type(QString::fromUtf8("Håkan Øberg, 12 €"));
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_strText,
        "H\xE5kan \xD8"
        "berg, 12 \x80");
}

TEST_F(DataExchangeTest, EditBoxesShowWhatWindows1252CannotHoldAsStoredDropControlsAndFlattenLines)
{
    m_dlg.m_nTextLimit = 70;
    RunWhenModal([](QWidget* w) {
        Type(QString::fromUtf8("a✓b"));
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "a?b");
        // DEL is a control character like the others.
        Type(QStringLiteral("\x7F"));
        Paste(QStringLiteral("\x7F"));
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "a?b");
        // A character beyond the basic plane is one '?', and the cursor
        // stays after what was pasted.
        Paste(QString::fromUtf8("\tc\nd\r\ne\x01\U0001F600"));
        Type(QStringLiteral("f"));
        EXPECT_EQ(TextOf(w, IDC_T_TEXT), "a?b c d  e?f");
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_strText, "a?b c d  e?f");
}

}   // namespace
