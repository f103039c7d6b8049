// The help page in each language names every item of the window menu as
// the menu shows it in that language.

#include <QTextDocumentFragment>
#include <QTranslator>
#include <gtest/gtest.h>

#include "framework/Translation.h"
#include "res/HelpPage.h"
#include "res/ResourceTable.h"
#include "res/resource.h"

namespace {

TEST(HelpPageTest, EachLanguagesPageNamesEveryItemOfTheWindowMenu)
{
    const struct
    {
        const char* language;
        std::string_view page;
    } rows[] = {{"", HelpPageHtml()}, {"de", HelpPageHtml_de()}, {"fr", HelpPageHtml_fr()}, {"es", HelpPageHtml_es()},
        {"it", HelpPageHtml_it()}, {"nl", HelpPageHtml_nl()}, {"pt", HelpPageHtml_pt()}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        QTranslator catalogue;
        ASSERT_TRUE(!*row.language
            || catalogue.load(QStringLiteral("dialstack_") + row.language, DIALSTACK_TRANSLATIONS_FOLDER));
        const QString text = QTextDocumentFragment::fromHtml(
            QString::fromUtf8(row.page.data(), static_cast<qsizetype>(row.page.size())))
                                 .toPlainText()
                                 .simplified();
        for (UINT nId : {IDS_FIND_MENU, IDS_SYNC_MENU, IDS_SYNC_SETUP_MENU, IDS_SYNC_SETTINGS_MENU, IDS_ABOUT_MENU}) {
            const char* pszEnglish = ResourceTable::FindString(nId);
            QString item = *row.language ? catalogue.translate(Translation::kResources, pszEnglish)
                                         : QString::fromUtf8(pszEnglish);
            item.remove(QLatin1Char('&'));
            EXPECT_TRUE(text.contains(item)) << item.toStdString();
        }
    }
}

}   // namespace
