// Window services: message boxes, icons, painting with the default as
// fallback, the application's start-up naming, and the file watch.

#include <cstdio>
#include <set>

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "framework/FileWatch.h"
#include "framework/FrameworkIcon.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/FileBytes.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScratchDirectory.h"

using namespace GuiTest;

namespace {

// A dialog that paints its icon over the default painting, as the main
// window does when minimised, and answers the drag-icon query.
class CPaintingDialog : public CDialog
{
public:
    CPaintingDialog()
        : CDialog(IDD_TEST_NESTED)
        , m_hIcon(AfxGetApp()->LoadIcon(IDI_MAIN))
    {
    }
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        using T = CPaintingDialog;
        static const MessageEntry<T> entries[] = {
            OnPaintEntry(&T::OnPaint),
            OnQueryDragIconEntry(&T::OnQueryDragIcon),
        };
        static const TypedMessageMap<T> map(CDialog::GetThisMessageMap(), entries);
        return &map;
    }

    HICON m_hIcon;
    int m_nPaints = 0;
    BOOL m_bDrawn = FALSE;

private:
    void OnPaint()
    {
        ++m_nPaints;
        Default();
        CPaintDC dc(this);
        m_bDrawn = dc.DrawIcon(0, 0, m_hIcon);
    }
    HCURSOR OnQueryDragIcon() { return m_hIcon; }
};

TEST(WindowServicesTest, MessageBoxIsModalAndCaptionedWithTheApplicationName)
{
    const CString savedName = AfxGetApp()->m_strAppName;
    CWinApp::StartFramework("/opt/quillaven/dialstack.bin");
    EXPECT_EQ(AfxGetApp()->m_strAppName, "dialstack");
    QString caption, text;
    RunWhenModal([&](QWidget* box) {
        caption = box->windowTitle();
        text = static_cast<QMessageBox*>(box)->text();
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(AfxMessageBox("You must specify a name!", MB_OK, 0), IDOK);
    EXPECT_EQ(caption, "dialstack");
    EXPECT_EQ(text, "You must specify a name!");
    AfxGetApp()->m_strAppName = savedName;
}

TEST(WindowServicesTest, IconsSetThroughMessagesAndPaintedInPaintHandler)
{
    RegisterTestTemplates();
    CPaintingDialog dlg;
    ASSERT_NE(dlg.m_hIcon, nullptr);
    RunWhenModal([&dlg](QWidget* w) {
        EXPECT_EQ(dlg.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(dlg.m_hIcon)), 0);
        EXPECT_EQ(dlg.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(dlg.m_hIcon)),
            reinterpret_cast<LRESULT>(dlg.m_hIcon));
        EXPECT_FALSE(w->windowIcon().isNull());
        EXPECT_EQ(dlg.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(dlg.m_hIcon));

        CRect client;
        dlg.GetClientRect(client);
        EXPECT_EQ(client.Width(), w->width());
        EXPECT_EQ(client.Height(), w->height());
        EXPECT_FALSE(dlg.IsIconic());
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);

        const QImage shot = w->grab().toImage();
        EXPECT_GT(dlg.m_nPaints, 0);
        EXPECT_TRUE(dlg.m_bDrawn);
        const QImage& icon = dlg.m_hIcon->image;
        EXPECT_EQ(shot.pixelColor(8, 1), icon.pixelColor(8, 1)) << "an icon pixel";
        EXPECT_NE(shot.pixelColor(8, 1), w->palette().color(QPalette::Window));
        PressKey(Qt::Key_Escape);
    });
    dlg.DoModal();
}

TEST(WindowServicesTest, ProgramIconIs32By32InSixteenColours)
{
    const QImage& image = AfxGetApp()->LoadIcon(IDI_MAIN)->image;
    EXPECT_EQ(image.size(), QSize(32, 32));
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_LE(colours.size(), 16u);
    EXPECT_GT(colours.size(), 3u);
}

// A safe replace (a new file renamed over the old one) leaves the watch on
// the new file, so writes in place after it are told too.
TEST(WindowServicesTest, TheFileWatchFollowsAFileThroughAReplaceByRename)
{
    ScratchDirectory dir;
    WriteFileBytes("watched", "old");
    int nTold = 0;
    CFileWatch watch;
    watch.Start("watched", [&nTold] { return ++nTold > 0; });
    WriteFileBytes("watched.new", "replaced");
    ASSERT_EQ(std::rename("watched.new", "watched"), 0);
    ASSERT_TRUE(WaitFor([&nTold] { return nTold == 1; }));
    for (const char* bytes : {"written in place", "and again"}) {
        const int nBefore = nTold;
        WriteFileBytes("watched", bytes);
        EXPECT_TRUE(WaitFor([&] { return nTold > nBefore; }, 3000)) << bytes;
    }
}

}   // namespace
