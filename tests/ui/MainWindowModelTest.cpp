// A model-based random walk over the main window: thousands of random
// commands applied through real events to the window and to a plain model
// kept here, with the screen, the record list's cursor and the file checked
// against the model after every command.
//
// DIALSTACK_WALK_SEED and DIALSTACK_WALK_STEPS choose another seed and a
// longer walk, e.g. DIALSTACK_WALK_STEPS=50000 (DIALSTACK_WATCHDOG_MS must
// then allow for it).

#include <cstdlib>
#include <random>
#include <sstream>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/ScratchDirectory.h"
#include "tests/support/TwoRecordDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

unsigned EnvNumber(const char* pszName, unsigned nDefault)
{
    const char* psz = std::getenv(pszName);
    return psz && *psz ? static_cast<unsigned>(std::strtoul(psz, nullptr, 10)) : nDefault;
}

// What the window should show and hold, kept in the plainest terms.
struct Model
{
    std::vector<TestRecord> saved;   // the file
    std::vector<TestRecord> records;   // the list in memory
    int selected = -1;   // the name list's selection
    size_t cursor = 0;   // the record list's cursor (records empty: the blank node)
    QStringList details;   // the detail list's rows

    TestRecord AtCursor() const { return records.empty() ? TestRecord{} : records[cursor]; }
    QStringList CursorDetails() const { return DetailsOf(AtCursor()); }

    // The main window's list rebuild: the first record selected and shown;
    // an empty directory lists nothing and leaves the details alone.
    void Fill()
    {
        cursor = 0;
        selected = records.empty() ? -1 : 0;
        if (!records.empty())
            details = CursorDetails();
    }
    void RefillKeepingSelection(int nSelected)
    {
        Fill();
        selected = records.empty() ? -1 : nSelected;
        cursor = nSelected < 0 ? 0 : static_cast<size_t>(nSelected);
        details = CursorDetails();
    }
};

class Walk
{
public:
    explicit Walk(unsigned seed)
        : m_random(seed)
    {
    }

    Model m_model;

    // Runs up to nSteps commands in one session of the window; returns the
    // number run. The session ends by Escape or by "Save / Quit".
    unsigned RunSession(unsigned nSteps)
    {
        CDirectoryDlg dlg;
        unsigned nRun = 0;
        m_model.records = m_model.saved;
        m_model.Fill();
        m_model.details = m_model.records.empty() ? QStringList() : m_model.CursorDetails();
        RunMainWindow(dlg, [&](QWidget* w) {
            for (; nRun < nSteps && !testing::Test::HasFailure(); ++nRun) {
                const std::string command = Step(dlg, w);
                Check(dlg, w, command, nRun);
            }
            if (Chance(2)) {
                Click(w, IDC_SAVE_QUIT);
                m_model.saved = m_model.records;
            } else {
                if (DirectoryDlgProbe::HasUnsavedChanges(dlg))
                    AnswerLeaveQuestion(QMessageBox::No);
                PressKey(Qt::Key_Escape);
            }
        });
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes(m_model.saved)) << "after the session";
        return nRun;
    }

private:
    bool Chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random) == 0; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    std::string RandomText(bool bName)
    {
        static const QString kChars = QStringLiteral("abcdefghij KLMNOP 0123456789-@.éÅø");
        std::string text;
        const int length = Pick(bName ? 12 : 8) + (bName ? 1 : 0);
        for (int i = 0; i < length; ++i)
            text += kChars[Pick(static_cast<int>(kChars.size()))].toLatin1();
        if (bName && text.find_first_not_of(' ') == std::string::npos)
            text[0] = 'x';
        return text;
    }

    std::string Step(CDirectoryDlg& dlg, QWidget* w)
    {
        Model& m = m_model;
        const int n = static_cast<int>(m.records.size());
        switch (Pick(9)) {
        case 0:
        case 1:
            if (n == 0)
                return "select (none to select)";
            {
                const int row = Pick(n);
                ClickName(w, row);
                m.selected = row;
                m.cursor = static_cast<size_t>(row);
                m.details = m.CursorDetails();
                if (Chance(2)) {
                    const bool up = Chance(2);
                    PressKey(up ? Qt::Key_Up : Qt::Key_Down);
                    m.selected = up ? std::max(0, row - 1) : std::min(n - 1, row + 1);
                    m.cursor = static_cast<size_t>(m.selected);
                    m.details = m.CursorDetails();
                    return "select by arrow";
                }
                return "select by click";
            }
        case 2:
            Click(w, IDC_DELETE_NAME);
            if (m.selected >= 0) {
                const size_t p = static_cast<size_t>(m.selected);
                m.records.erase(m.records.begin() + m.selected);
                m.cursor = p > 0 ? p - 1 : 0;
                m.selected = -1;
            }
            m.details.clear();
            return "delete";
        case 3:
            Click(w, IDC_SAVE_NOW);
            m.saved = m.records;
            m.RefillKeepingSelection(m.selected);
            return "save now";
        case 4:
            if (!Chance(3))
                return "undo (skipped)";
            Click(w, IDC_UNDO);
            m.records = m.saved;
            m.Fill();
            return "undo";
        case 5:
        case 6: return Add(w);
        default: return Edit(dlg, w);
        }
    }

    // A closed entry dialog hands the activation back to the main window
    // asynchronously; the user's next key needs it.
    static void WaitUntilActive(QWidget* w)
    {
        ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
    }

    void FillBoxes(QWidget* entry, const TestRecord& e, bool bReplace)
    {
        const int ids[] = {IDC_NAME, IDC_PHONE, IDC_PAGER, IDC_EMAIL, IDC_MISC};
        const std::string* values[] = {&e.name, &e.phone, &e.pager, &e.email, &e.misc};
        for (int i = 0; i < 5; ++i) {
            auto* box = qobject_cast<QLineEdit*>(Control(entry, ids[i]));
            box->setFocus();
            if (bReplace) {
                box->selectAll();
                PressKey(Qt::Key_Delete);
            }
            Type(Latin1(*values[i]));
        }
    }

    TestRecord RandomTestRecord()
    {
        return {RandomText(true), Chance(3) ? "" : RandomText(false), Chance(2) ? "" : RandomText(false),
            Chance(2) ? "" : RandomText(false), Chance(2) ? "" : RandomText(false)};
    }

    std::string Add(QWidget* w)
    {
        const TestRecord e = RandomTestRecord();
        const bool bCancel = Chance(6);
        RunWhenModal([&](QWidget* entry) {
            FillBoxes(entry, e, false);
            PressKey(bCancel ? Qt::Key_Escape : Qt::Key_Return);
        });
        Click(w, IDC_ADD_NAME);
        WaitUntilActive(w);
        if (bCancel)
            return "add, cancelled";
        m_model.records.push_back(e);
        m_model.Fill();
        return "add";
    }

    std::string Edit(CDirectoryDlg& dlg, QWidget* w)
    {
        Model& m = m_model;
        const TestRecord e = RandomTestRecord();
        const bool bCancel = Chance(6);
        RunWhenModal([&](QWidget* entry) {
            FillBoxes(entry, e, true);
            PressKey(bCancel ? Qt::Key_Escape : Qt::Key_Return);
        });
        const bool bByEnter = m.selected >= 0 && Chance(2);
        if (bByEnter) {
            NameList(w)->setFocus();
            PressKey(Qt::Key_Return);
        } else {
            Click(w, IDC_EDIT_NAME);
        }
        WaitUntilActive(w);
        EXPECT_EQ(DirectoryDlgProbe::EditFocusId(dlg), -1);
        if (bCancel)
            return "edit, cancelled";
        if (m.records.empty())
            m.records.push_back(e);   // the blank node takes the record
        else
            m.records[m.cursor] = e;
        m.RefillKeepingSelection(m.selected);
        return bByEnter ? "edit by Enter" : "edit";
    }

    void Check(CDirectoryDlg& dlg, QWidget* w, const std::string& command, unsigned nStep)
    {
        const Model& m = m_model;
        std::ostringstream where;
        where << "after step " << nStep << " (" << command << ")";
        ASSERT_EQ(Names(w), NamesOf(m.records)) << where.str() << ": entry i is record i";
        ASSERT_EQ(Selected(w), m.selected) << where.str();
        ASSERT_EQ(CursorRecord(dlg), m.AtCursor()) << where.str() << ": the cursor";
        ASSERT_EQ(Details(w), m.details) << where.str();
        if (m.selected >= 0) {
            ASSERT_EQ(CursorRecord(dlg), m.records[static_cast<size_t>(m.selected)]) << where.str();
        }
        if (command == "save now") {
            ASSERT_EQ(ReadFileBytes(), DirectoryBytes(m.saved)) << where.str();
        }
    }

    std::mt19937 m_random;
};

TEST(MainWindowModelTest, RandomCommandsKeepScreenCursorAndFileInStep)
{
    ScratchDirectory dir;
    const unsigned seed = EnvNumber("DIALSTACK_WALK_SEED", 20261207);
    const unsigned nSteps = EnvNumber("DIALSTACK_WALK_STEPS", 1500);
    SCOPED_TRACE("seed " + std::to_string(seed));

    Walk walk(seed);
    walk.m_model.saved = kTwoRecords;
    WriteDirectory(walk.m_model.saved);

    unsigned nDone = 0;
    std::mt19937 sessionLengths(seed);
    while (nDone < nSteps && !testing::Test::HasFailure())
        nDone += walk.RunSession(std::min<unsigned>(nSteps - nDone, 50 + sessionLengths() % 400));
}

}   // namespace
