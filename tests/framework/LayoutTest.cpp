// The program's dialogs at the desktop fonts users choose (8, 11 and 16
// points; CTest runs this program at scale factors 1, 1.5 and 2), in English
// and in every language shipped: each takes the desktop's font, and every
// control lies inside its dialog, overlaps no other and shows its whole
// text. The help window fits the screen.

#include <string_view>

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/ControlFactory.h"
#include "framework/DialogLayout.h"
#include "framework/DialogUnits.h"
#include "framework/HelpWindow.h"
#include "framework/ListBox.h"
#include "l10n/Translators.h"
#include "res/ResourceTable.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"

using namespace GuiTest;

namespace {

// The program's texts hold no "&&": every '&' marks a mnemonic.
QString WithoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

void ExpectTextFits(QWidget* control)
{
    const QFontMetrics metrics(control->font());
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        const int nFrame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        EXPECT_LE(metrics.horizontalAdvance(WithoutMnemonic(button->text())) + 2 * nFrame, button->width())
            << "button \"" << button->text().toStdString() << "\" is cut";
    } else if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
        const QRect inside = label->contentsRect();
        const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap, WithoutMnemonic(label->text()));
        EXPECT_LE(needed.width(), inside.width()) << "\"" << label->text().toStdString() << "\" is cut";
        EXPECT_LE(needed.height(), inside.height()) << "\"" << label->text().toStdString() << "\" is cut";
    } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
        // The detail list shows its four rows beside four labels.
        CListBox list;
        list.Attach(view);
        for (const char* pszRow : {"1", "2", "3", "4"})
            list.InsertString(-1, pszRow);
        EXPECT_LE(view->visualRect(view->model()->index(3, 0)).bottom(), view->viewport()->height());
        list.ResetContent();
        list.Detach();
    }
}

void ExpectNothingClippedOrOverlapping(QWidget* w)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden())
            controls.push_back(child);
    }
    ASSERT_FALSE(controls.empty());
    for (size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(controls[i]->metaObject()->className());
        EXPECT_TRUE(w->rect().contains(controls[i]->geometry())) << "outside the dialog";
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry())) << "overlaps control " << j;
        ExpectTextFits(controls[i]);
    }
}

// Runs check in the dialog nId, then closes it.
void InDialog(UINT nId, const std::function<void(QWidget*)>& check)
{
    CDialog dlg(nId);
    RunWhenModal([check](QWidget* w) {
        check(w);
        CloseAllModal();
    });
    dlg.DoModal();
}

// The desktop's interface font at a size the user chose.
class DesktopFontTest : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        QFont font = m_saved;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(m_saved); }

    const QFont m_saved = QApplication::font();
};

TEST_P(DesktopFontTest, EveryDialogTakesTheFontAndShowsEveryControlWhole)
{
    for (UINT nId : {IDD_MAIN, IDD_ADD_RECORD, IDD_EDIT_ITEM, IDD_ABOUT_BOX}) {
        SCOPED_TRACE(nId);
        InDialog(nId, [](QWidget* w) {
            EXPECT_EQ(w->font().family(), QApplication::font().family());
            EXPECT_EQ(w->font().pointSize(), GetParam());
            ExpectNothingClippedOrOverlapping(w);
        });
    }
}

TEST_P(DesktopFontTest, HelpWindowFitsTheScreensAvailableArea)
{
    HelpWindow::Open();
    QWidget* help = HelpWindow::Current();
    ASSERT_NE(help, nullptr);
    const QRect available = help->screen()->availableGeometry();
    EXPECT_LE(help->frameGeometry().width(), available.width());
    EXPECT_LE(help->frameGeometry().height(), available.height());
    EXPECT_EQ(help->font().pointSize(), GetParam());
    HelpWindow::Close();
}

INSTANTIATE_TEST_SUITE_P(Points, DesktopFontTest, testing::Values(8, 11, 16));

// The program in each of its seven languages (English is "C") at a desktop
// font size: every dialog, Find's among them.
class LanguageFitTest : public testing::TestWithParam<std::tuple<const char*, int>>
{
protected:
    void SetUp() override
    {
        CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
        QFont font = m_saved;
        font.setPointSize(std::get<1>(GetParam()));
        QApplication::setFont(font);
    }
    void TearDown() override
    {
        QApplication::setFont(m_saved);
        Speak("C");
    }
    static void Speak(const char* pszLocale)
    {
        setenv("LANGUAGE", "", 1);
        setenv("LC_ALL", pszLocale, 1);
        CTranslators::Install("dialstack");
    }
    // Where each control of the main window sits, and the size of each but
    // the labels, which may run on to the right as far as their text needs.
    static QStringList MainWindowPlaces()
    {
        QStringList places;
        InDialog(IDD_MAIN, [&places](QWidget* w) {
            for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect place = child->geometry();
                places << (qobject_cast<QLabel*>(child)
                        ? QStringLiteral("%1,%2").arg(place.x()).arg(place.y())
                        : QStringLiteral("%1,%2 %3x%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()));
            }
        });
        return places;
    }

    const QFont m_saved = QApplication::font();
};

TEST_P(LanguageFitTest, EveryDialogShowsEveryTextWholeAndTheMainWindowKeepsTheEnglishPlaces)
{
    Speak("C");
    const QStringList english = MainWindowPlaces();
    const char* pszLocale = std::get<0>(GetParam());
    Speak(pszLocale);
    ASSERT_EQ(CTranslators::Language().empty(), std::string_view(pszLocale) == "C") << "the catalogue is found";
    for (UINT nId : {IDD_MAIN, IDD_ADD_RECORD, IDD_EDIT_ITEM, IDD_ABOUT_BOX, IDD_FIND}) {
        SCOPED_TRACE(nId);
        InDialog(nId, [](QWidget* w) { ExpectNothingClippedOrOverlapping(w); });
    }
    EXPECT_EQ(MainWindowPlaces(), english);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFitTest,
    testing::Combine(testing::Values("C", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "nl_NL.UTF-8",
                         "pt_PT.UTF-8"),
        testing::Values(8, 11, 16)));

TEST(DesktopFontChangeTest, AnOpenDialogFollowsTheDesktopFont)
{
    const QFont saved = QApplication::font();
    InDialog(IDD_MAIN, [&saved](QWidget* w) {
        const QSize before = w->size();
        QFont larger = saved;
        larger.setPointSize(saved.pointSize() * 2);
        QApplication::setFont(larger);
        EXPECT_TRUE(WaitFor([w, &larger] { return w->font().pointSize() == larger.pointSize(); }));
        EXPECT_GT(w->width(), before.width() * 3 / 2);
        EXPECT_GT(w->height(), before.height() * 3 / 2);
        ExpectNothingClippedOrOverlapping(w);
        QApplication::setFont(saved);
        EXPECT_TRUE(WaitFor([w, before] { return w->size() == before; }));
    });
}

TEST(TextFitTest, TextsWiderThanTheirPlaceWidenTheDialogUnits)
{
    // Places a few average characters too narrow, as a font with wide
    // letters would leave them; the static text has no room to run on.
    DialogTemplate t{9060, 0x80C800C0, 0, 0, 0, 100, 40, "Narrow", "MS Sans Serif", 8,
        {
            {"BUTTON", 1, "Mmmmmmmm", 5, 5, 30, 14, 0x50010000},
            {"STATIC", 2, "WWWWWWWW", 40, 5, 30, 8, 0x50000000},
            {"EDIT", 3, "", 70, 5, 25, 14, 0x50810000},
        }};
    ResourceTable::AddDialog(t);
    InDialog(9060, [](QWidget* w) {
        EXPECT_GT(w->width(), DialogUnits(w->font()).ToPixelsX(100));
        ExpectNothingClippedOrOverlapping(w);
    });
}

TEST(TextFitTest, StaticTextRunsOnPastHiddenControlsUpToTheNextVisibleOne)
{
    // Laid out without a window: a label far too narrow for its text, a
    // hidden edit box right after it and a visible one further on.
    DialogTemplate t{9061, 0x80C800C0, 0, 0, 0, 200, 30, "Run on", "MS Sans Serif", 8,
        {
            {"STATIC", 1, "Phone Number Phone Number", 5, 5, 10, 8, 0x50000000},
            {"EDIT", 2, "", 20, 5, 10, 12, 0x40000000},
            {"EDIT", 3, "", 150, 5, 45, 12, 0x50810000},
        }};
    QWidget parent;
    const std::vector<QWidget*> controls = ControlFactory::Create(t, &parent, [](int, UINT) {});
    const DialogLayout layout(t, controls, parent.font());
    const DialogUnits units = layout.FittingUnits();
    layout.Place(units);

    const QRect label = controls[0]->geometry();
    EXPECT_GE(
        label.width(), QFontMetrics(parent.font()).horizontalAdvance(QStringLiteral("Phone Number Phone Number")));
    EXPECT_TRUE(label.intersects(controls[1]->geometry())) << "stopped at a hidden control";
    EXPECT_LE(label.right(), controls[2]->geometry().left() - units.ToPixelsX(1));
}

}   // namespace
