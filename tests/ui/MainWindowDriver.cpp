#include "tests/ui/MainWindowDriver.h"

#include <memory>

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

namespace MainWindow {

int RunMainWindow(CDirectoryDlg& dlg, const std::function<void(QWidget*)>& steps, const char* pszFile, int nLine)
{
    // The steps may run only while this call runs: dlg and steps may be gone
    // afterwards.
    auto bRunning = std::make_shared<bool>(true);
    GuiTest::RunWhenModalIs([&dlg, bRunning]() -> QWidget* { return *bRunning ? dlg.GetSafeHwnd() : nullptr; },
        [&dlg, &steps](QWidget* w) {
            steps(w);
            if (!w->isVisible())
                return;   // the steps ended it
            if (DirectoryDlgProbe::HasUnsavedChanges(dlg))
                AnswerLeaveQuestion(QMessageBox::No);
            QWidget* target = GuiTest::Focus() && GuiTest::Focus()->window() == w ? GuiTest::Focus() : w;
            QTest::keyClick(target, Qt::Key_Escape);
        },
        pszFile, nLine);
    const int nResult = dlg.DoModal();
    *bRunning = false;
    return nResult;
}

int RunMainWindow(CDirectoryDlg& dlg, const std::vector<TestRecord>& records,
    const std::function<void(QWidget*)>& steps, const char* pszFile, int nLine)
{
    WriteDirectory(records);
    return RunMainWindow(dlg, steps, pszFile, nLine);
}

void ClickName(QWidget* w, int row)
{
    QListView* list = NameList(w);
    list->scrollTo(Row(list, row));   // as the user scrolls to a name first
    const QRect rect = RowRect(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void AnswerLeaveQuestion(QMessageBox::StandardButton button, QString* pText)
{
    GuiTest::RunWhenModal([button, pText](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box && box->button(QMessageBox::Cancel)) << "expected the question about unsaved changes";
        if (pText)
            *pText = box->text();
        GuiTest::Click(box->button(button));
    });
}

void AnswerMessageBox(QString* pText)
{
    GuiTest::RunWhenModal([pText](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "expected a message box";
        if (pText)
            *pText = box->text();
        GuiTest::PressKey(Qt::Key_Return);
    });
}

bool AWriterGetsIn()
{
    CDirectoryLock writer;
    CString strWhy;
    return writer.TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy);
}

}   // namespace MainWindow
