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
#include "tests/support/GuiTest.h"
#include "ui/DirectoryDlg.h"

// Readable failure messages for the Qt texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// The tests spell texts in Windows-1252 bytes and use only characters that
// Latin-1 holds in the same byte.
inline QString Latin1(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// One record as the tests spell it, in screen order.
struct Entry
{
    std::string name, phone, pager, email, misc;
    bool operator==(const Entry& o) const
    {
        return name == o.name && phone == o.phone && pager == o.pager && email == o.email && misc == o.misc;
    }
};

inline void PrintTo(const Entry& e, std::ostream* os)
{
    *os << '{' << e.name << " | " << e.phone << " | " << e.pager << " | " << e.email << " | " << e.misc << '}';
}

// Reads the main window's record list for the checks of the tests.
struct DirectoryDlgProbe
{
    static CRecordList& Records(CDirectoryDlg& dlg) { return dlg.m_records; }
    static int EditFocusId(const CDirectoryDlg& dlg) { return dlg.m_nEditFocusId; }
};

namespace MainWindow {

inline QListView* NameList(QWidget* w) { return qobject_cast<QListView*>(GuiTest::Control(w, IDC_NAME_LIST)); }
inline QListView* DetailList(QWidget* w) { return qobject_cast<QListView*>(GuiTest::Control(w, IDC_DETAIL_LIST)); }

inline QModelIndex Row(QListView* list, int row) { return list->model()->index(row, 0); }
inline QRect RowRect(QListView* list, int row) { return list->visualRect(Row(list, row)); }

inline QStringList Rows(QListView* list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows << Row(list, i).data().toString();
    return rows;
}

inline QStringList Names(QWidget* w) { return Rows(NameList(w)); }
inline QStringList Details(QWidget* w) { return Rows(DetailList(w)); }
inline int Selected(QWidget* w)
{
    const QModelIndex current = NameList(w)->currentIndex();
    return current.isValid() && NameList(w)->selectionModel()->isSelected(current) ? current.row() : -1;
}

inline QStringList DetailsOf(const Entry& e)
{
    return {Latin1(e.phone), Latin1(e.pager),
            Latin1(e.email), Latin1(e.misc)};
}

inline QStringList NamesOf(const std::vector<Entry>& entries)
{
    QStringList names;
    for (const Entry& e : entries)
        names << Latin1(e.name);
    return names;
}

// The record under the list's cursor.
inline Entry CursorRecord(CDirectoryDlg& dlg)
{
    CRecordList& r = DirectoryDlgProbe::Records(dlg);
    return {r.GetName().GetString(), r.GetPhone().GetString(), r.GetPager().GetString(),
            r.GetEmail().GetString(), r.GetMisc().GetString()};
}

// Fills list with entries, in order.
inline void FillList(CRecordList& list, const std::vector<Entry>& entries, int nReserved)
{
    list.Reset();
    list.m_nReserved = nReserved;
    for (const Entry& e : entries)
        list.Append(e.name.c_str(), e.misc.c_str(), e.pager.c_str(), e.phone.c_str(), e.email.c_str());
}

// Writes entries to "Dialstack.dat" in the working directory.
inline void WriteDirectory(const std::vector<Entry>& entries, int nReserved = 0)
{
    CRecordList list;
    FillList(list, entries, nReserved);
    list.Save();
}

// The bytes the directory file should hold for entries.
inline std::string DirectoryBytes(const std::vector<Entry>& entries, int nReserved = 0)
{
    CRecordList list;
    FillList(list, entries, nReserved);
    std::string bytes;
    list.SaveToBytes(bytes);
    return bytes;
}

std::string ReadFileBytes(const char* pszPath = "Dialstack.dat");

// Writes entries to the directory file, opens the main window on it, runs
// steps in it and leaves by Escape. Returns DoModal's result.
int RunMainWindow(CDirectoryDlg& dlg, const std::vector<Entry>& entries, const std::function<void(QWidget*)>& steps);

// Clicks the name at row, as a user does.
void ClickName(QWidget* w, int row);

// Dismisses the message box that the next step of the test opens, after
// keeping its text in *pText.
void AnswerMessageBox(QString* pText);

} // namespace MainWindow
