// Fields holding every byte value the directory file allows pass through
// the windows unchanged: opening "Edit Item" and pressing OK rewrites the
// file byte for byte, and an edit changes only the character edited.

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

// Fields in file order: name, misc, phone, pager, email.
using FileRecord = std::array<std::string, 5>;

// Every byte a field can carry in the file: all but the terminator 0x16
// and the white space the reader skips (0x09 to 0x0D, and the space, which
// the file holds as 0xA5).
std::string FieldBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != 0x16 && b != ' ' && (b < '\t' || b > '\r'))
            bytes += static_cast<char>(b);
    }
    return bytes;
}

std::vector<FileRecord> EveryByteRecords()
{
    const std::string all = FieldBytes();
    return {
        {"N" + all.substr(0, 60), all.substr(60, 60), all.substr(120, 60), all.substr(180, 60), all.substr(240)},
        {"a\x81"
         "b\x01"
         "c\x9D"
         "d",
            "", "", "", ""},
        {"Plain", "note", "555", "", "x@example.org"},
    };
}

std::string FileOf(const std::vector<FileRecord>& records)
{
    std::string bytes = "0\xA5" + std::to_string(records.size());
    for (const FileRecord& record : records) {
        for (const std::string& field : record)
            bytes += field + '\x16';
    }
    return bytes;
}

class EveryByteTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
};

TEST_F(EveryByteTest, EditItemAndOkOnEveryRecordRewritesTheFileAsItWas)
{
    struct Row
    {
        const char* what;
        int nEditBox;   // 0: OK without typing
    };
    const Row rows[] = {{"OK without typing", 0}, {"last character of the phone replaced", IDC_PHONE}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<FileRecord> records = EveryByteRecords();
        const std::string before = FileOf(records);
        std::ofstream("Dialstack.dat", std::ios::binary | std::ios::trunc) << before;

        CDirectoryDlg dlg;
        RunMainWindow(dlg, [&](QWidget* w) {
            ASSERT_EQ(Names(w).size(), 3);
            EXPECT_EQ(Names(w)[1], QString::fromUtf16(u"a\u0081b\u0001c\u009Dd")) << "shown as they are";
            for (int i = 0; i < 3; ++i) {
                ClickName(w, i);
                RunWhenModal([&, i](QWidget* dialog) {
                    if (row.nEditBox != 0 && i == 0) {
                        Click(Control(dialog, row.nEditBox));
                        PressKey(Qt::Key_End);
                        PressKey(Qt::Key_Backspace);
                        Type("Z");
                    }
                    PressKey(Qt::Key_Return);
                });
                Click(w, IDC_EDIT_NAME);
            }
            Click(w, IDC_SAVE_NOW);
        });

        if (row.nEditBox != 0)
            records[0][2].back() = 'Z';
        EXPECT_EQ(ReadFileBytes(), FileOf(records));
    }
}

}   // namespace
