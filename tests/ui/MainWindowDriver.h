#pragma once

#include <ostream>
#include <functional>
#include <string>
#include <vector>

#include <QListView>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "data/RecordList.h"
#include "res/resource.h"
#include "tests/support/FileBytes.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestRecord.h"
#include "ui/DirectoryDlg.h"

// Readable failure messages for the Qt texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The tests spell texts in Windows-1252 bytes and use only characters that
// Latin-1 holds in the same byte.
inline QString Latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Reads the main window's record list for the checks of the tests.
struct DirectoryDlgProbe
{
    static CRecordList& Records(CDirectoryDlg& dlg) { return dlg.m_records; }
    static int EditFocusId(const CDirectoryDlg& dlg) { return dlg.m_nEditFocusId; }
    static bool HasUnsavedChanges(const CDirectoryDlg& dlg) { return dlg.m_bUnsaved != FALSE; }
};

namespace MainWindow {

// Three records most window tests start from: fields empty and filled, and
// a note whose spaces must be kept.
inline const std::vector<TestRecord> kThree = {
    {"Zoe Quinn", "555 0300", "", "zoe@example.org", "Neighbour"},
    {"Adam Bell", "", "555 0142", "", ""},
    {"Mia Park", "555 0101", "555 0102", "", "  two  spaces  "},
};

inline QListView* NameList(QWidget* w)
{
    return qobject_cast<QListView*>(GuiTest::Control(w, IDC_NAME_LIST));
}
inline QListView* DetailList(QWidget* w)
{
    return qobject_cast<QListView*>(GuiTest::Control(w, IDC_DETAIL_LIST));
}

inline QModelIndex Row(QListView* list, int row)
{
    return list->model()->index(row, 0);
}
inline QRect RowRect(QListView* list, int row)
{
    return list->visualRect(Row(list, row));
}

inline QStringList Rows(QListView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows << Row(list, i).data().toString();
    return rows;
}

inline QStringList Names(QWidget* w)
{
    return Rows(NameList(w));
}
inline QStringList Details(QWidget* w)
{
    return Rows(DetailList(w));
}
inline int Selected(QWidget* w)
{
    const QModelIndex current = NameList(w)->currentIndex();
    return current.isValid() && NameList(w)->selectionModel()->isSelected(current) ? current.row() : -1;
}

inline QStringList DetailsOf(const TestRecord& e)
{
    return {Latin1(e.phone), Latin1(e.pager), Latin1(e.email), Latin1(e.misc)};
}

inline QStringList NamesOf(const std::vector<TestRecord>& records)
{
    QStringList names;
    for (const TestRecord& e : records)
        names << Latin1(e.name);
    return names;
}

// The record under the main window's cursor.
inline TestRecord CursorRecord(CDirectoryDlg& dlg)
{
    return ::CursorRecord(DirectoryDlgProbe::Records(dlg));
}

// Opens the main window on the directory file in the working directory,
// runs steps in it once it is up (after any message box of its start-up)
// and, unless steps ended it, leaves by Escape, answering "Leave without
// saving" when it asks about unsaved changes. Returns DoModal's result.
int RunMainWindow(CDirectoryDlg& dlg, const std::function<void(QWidget*)>& steps,
    const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());
// The same on a directory file that holds records.
int RunMainWindow(CDirectoryDlg& dlg, const std::vector<TestRecord>& records,
    const std::function<void(QWidget*)>& steps, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());

// Clicks the name at row, as a user does.
void ClickName(QWidget* w, int row);

// Answers the question about unsaved changes that the next step raises:
// Yes saves, No leaves without saving, Cancel stays.
void AnswerLeaveQuestion(QMessageBox::StandardButton button, QString* pText = nullptr);

// Dismisses the message box that the next step of the test opens, after
// keeping its text in *pText.
void AnswerMessageBox(QString* pText);

// Whether a command-line writer (dialstack-sync, an import) would get the
// directory file now: its exclusive lock is not refused.
bool AWriterGetsIn();

}   // namespace MainWindow
