#include "tests/ui/MainWindowDriver.h"

#include <fstream>
#include <iterator>

#include <QTest>
#include <gtest/gtest.h>

namespace MainWindow {

std::string ReadFileBytes(const char* pszPath)
{
    std::ifstream in(pszPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int RunMainWindow(CDirectoryDlg& dlg, const std::vector<Entry>& entries, const std::function<void(QWidget*)>& steps)
{
    WriteDirectory(entries);
    GuiTest::RunWhenModal([&](QWidget* w) {
        steps(w);
        GuiTest::PressKey(Qt::Key_Escape);
    });
    return dlg.DoModal();
}

void ClickName(QWidget* w, int row)
{
    QListView* list = NameList(w);
    list->scrollTo(Row(list, row));   // as the user scrolls to a name first
    const QRect rect = RowRect(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
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

} // namespace MainWindow
