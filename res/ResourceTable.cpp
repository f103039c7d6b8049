#include "res/ResourceTable.h"

#include <algorithm>
#include <map>

#include "base/TextMarkers.h"

#include "framework/ResourceProvider.h"
#include "framework/WinApp.h"

#include "res/DialogTemplates.h"
#include "res/HelpPage.h"
#include "res/ProgramIcon.h"
#include "res/SyncStringTable.h"
#include "res/VersionRecord.h"
#include "res/resource.h"

namespace {

std::map<UINT, DialogTemplate>& Dialogs()
{
    static std::map<UINT, DialogTemplate> dialogs = [] {
        std::map<UINT, DialogTemplate> byId;
        for (DialogTemplate& t : ProgramDialogTemplates())
            byId.emplace(t.nId, std::move(t));
        return byId;
    }();
    return dialogs;
}

// The string table.
const std::map<UINT, const char*> kStrings = {
    {IDS_ABOUT_MENU, DIALSTACK_TR_NOOP("Resources", "&About Dialstack2...")},
    // "Find" and an ellipsis, one character in the code page too.
    {IDS_FIND_MENU, DIALSTACK_TR_NOOP("Resources", "&Find…")},
    {IDS_SYNC_MENU, DIALSTACK_TR_NOOP("Resources", "Sync &Now")},
    // Leaving with changes not saved: the default answer saves them.
    {IDS_LEAVE_QUESTION,
        DIALSTACK_TR_NOOP(
            "Resources", "Your changes to the directory are not saved yet.\n\nSave them before you leave?")},
    {IDS_LEAVE_SAVE, DIALSTACK_TR_NOOP("Resources", "&Save")},
    {IDS_LEAVE_DISCARD, DIALSTACK_TR_NOOP("Resources", "&Leave without saving")},
    {IDS_LEAVE_STAY, DIALSTACK_TR_NOOP("Resources", "S&tay")},
    {IDS_WRITER_AT_WORK,
        DIALSTACK_TR_NOOP("Resources",
            "Another program (dialstack-sync or dialstack-convert import) is changing the directory file "
            "right now, so nothing was changed here.\n\nTry again in a moment: the window then shows "
            "what that program wrote.")},
    {IDS_SYNC_SAVE_FIRST,
        DIALSTACK_TR_NOOP("Resources",
            "Your changes are not saved yet. The sync takes the directory as saved.\n\nSave your changes "
            "and sync?")},
    {IDS_SYNC_SAVE_AND_SYNC, DIALSTACK_TR_NOOP("Resources", "&Save and sync")},
    {IDS_CANCEL, DIALSTACK_TR_NOOP("Resources", "Cancel")},
    {IDS_SYNC_WAITING, DIALSTACK_TR_NOOP("Resources", "Syncing the directory with the address book…")},
    {IDS_SYNC_NOT_FOUND,
        DIALSTACK_TR_NOOP("Resources",
            "The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.\n\n"
            "Install it with Dialstack, then try again.")},
    {IDS_SYNC_NOT_STARTED, DIALSTACK_TR_NOOP("Resources", "The sync program %1 could not be started: %2")},
    {IDS_SYNC_IN_STEP, DIALSTACK_TR_NOOP("Resources", "The directory and the address book are in step.")},
    {IDS_SYNC_FAILED,
        DIALSTACK_TR_NOOP("Resources",
            "The sync did not finish:\n\n%1\n\nCheck the network and the server, then try again. "
            "What was synced stays; the next sync does the rest.")},
    {IDS_SYNC_USAGE,
        DIALSTACK_TR_NOOP("Resources",
            "The sync of this directory is not set up as expected:\n\n%1\n\nSet it up again in a "
            "terminal (see \"man dialstack-sync\").")},
    {IDS_SYNC_BUSY, DIALSTACK_TR_NOOP("Resources", "The sync cannot run now:\n\n%1\n\nTry again in a moment.")},
    {IDS_SYNC_NEEDS_YOU,
        DIALSTACK_TR_NOOP("Resources",
            "The sync stopped because it needs you:\n\n%1\n\nRun dialstack-sync --file \"%2\" in a "
            "terminal to settle it.")},
    {IDS_SYNC_CANCELLED,
        DIALSTACK_TR_NOOP(
            "Resources", "The sync was cancelled. What it had finished stays; the next sync does the rest.")},
    {IDS_SYNC_CRASHED,
        DIALSTACK_TR_NOOP("Resources",
            "The sync program ended unexpectedly.\n\n%1\n\nTry again; if it happens again, run "
            "dialstack-sync --file \"%2\" in a terminal to see why.")},
    {IDS_FIND_ONLY_MATCH, DIALSTACK_TR_NOOP("Resources", "Only the selected record matches \"%1\".")},
    {IDS_FIND_NO_MATCH, DIALSTACK_TR_NOOP("Resources", "Nothing in the directory matches \"%1\".")},
    {IDS_NAME_REQUIRED, DIALSTACK_TR_NOOP("Resources", "You must specify a name!")},
    // The detail list's rows as a screen reader speaks them, with the
    // words the window's labels beside the list show.
    {IDS_DETAIL_PHONE, DIALSTACK_TR_NOOP("Resources", "Phone")},
    {IDS_DETAIL_PAGER, DIALSTACK_TR_NOOP("Resources", "Pager")},
    {IDS_DETAIL_EMAIL, DIALSTACK_TR_NOOP("Resources", "Email")},
    {IDS_DETAIL_MISC, DIALSTACK_TR_NOOP("Resources", "Misc.")},
    // Loading, saving and printing: %1 is the file's name, %2 (or %1) the
    // reason as a sentence, %3 what the failure means for the user.
    {IDS_UNKNOWN_ERROR, DIALSTACK_TR_NOOP("Resources", "unknown error")},
    {IDS_SAVE_FAILED, DIALSTACK_TR_NOOP("Resources", "The directory could not be saved to \"%1\": %2\n\n%3")},
    {IDS_SAVE_FAILED_FILE_UNCHANGED,
        DIALSTACK_TR_NOOP(
            "Resources", "The directory could not be saved to \"%1\": %2\n\n%3 The file on disk is unchanged.")},
    {IDS_SAVE_KEEPS_CHANGES, DIALSTACK_TR_NOOP("Resources", "Your changes are still here.")},
    {IDS_SAVE_STAYS_OPEN, DIALSTACK_TR_NOOP("Resources", "Dialstack stays open so that your changes are not lost.")},
    {IDS_SAVE_NOTHING_SYNCED, DIALSTACK_TR_NOOP("Resources", "Your changes are still here; nothing was synced.")},
    {IDS_SAVED_WITH_WARNING, DIALSTACK_TR_NOOP("Resources", "The directory was saved to \"%1\"; %2")},
    {IDS_REPLACE_CHANGED_FILE,
        DIALSTACK_TR_NOOP("Resources",
            "The directory file \"%1\" has been changed by another program since Dialstack loaded or saved "
            "it.\n\nReplace it with the directory shown here? The other program's changes would be lost.")},
    // %2 (%3 after a reason) is the count of records read, one of the two
    // below.
    {IDS_LOAD_INCOMPLETE,
        DIALSTACK_TR_NOOP("Resources",
            "The directory file \"%1\" could not be read completely. %2\n\nSaving now would replace the file "
            "with what is shown.")},
    {IDS_LOAD_FAILED,
        DIALSTACK_TR_NOOP("Resources",
            "The directory file \"%1\" could not be opened: %2 %3\n\nSaving now would replace the file with "
            "what is shown.")},
    {IDS_RECORDS_SHOWN, DIALSTACK_TR_N_NOOP("Resources", "%n record was read and is shown.")},
    // The count's key is the text for one; this is the English for other
    // counts while no catalogue holds it.
    {IDS_PRINT_FAILED,
        DIALSTACK_TR_NOOP(
            "Resources", "The directory could not be printed: %1\n\nNothing in the directory has changed.")},
};

constexpr VersionRecord kVersion = {
    {1, 0, 0, 1},
    {1, 0, 0, 1},
    "040904b0",
    "1, 0, 0, 1",
    "1, 0, 0, 1",
    "Quillaven Dialstack",
    "Quillaven Dialstack v 2.0",
    "Quillaven",
    "Copyright (C) 2026 Quillaven",
};

// Whether the record's "1, 0, 0, 1" and the dotted "1.0.0.1" are one version.
constexpr bool SameVersion(std::string_view record, std::string_view dotted)
{
    size_t matched = 0;
    for (char ch : record) {
        if (ch == ' ')
            continue;
        if (matched == dotted.size() || (ch == ',' ? '.' : ch) != dotted[matched])
            return false;
        ++matched;
    }
    return matched == dotted.size();
}

// The About box, the window system and the package show one version.
static_assert(SameVersion(kVersion.pszProductVersion, DIALSTACK_VERSION)
        && SameVersion(kVersion.pszFileVersion, DIALSTACK_VERSION),
    "the version record differs from the project's version in CMakeLists.txt");

class CProgramResources : public CResourceProvider
{
public:
    const DialogTemplate* FindDialog(UINT nId) const override { return ResourceTable::FindDialog(nId); }
    const char* FindString(UINT nId) const override { return ResourceTable::FindString(nId); }
    const char* const* FindIcon(UINT nId) const override { return ResourceTable::FindIcon(nId); }
    std::vector<std::string_view> FindIconImages(UINT nId) const override
    {
        return nId == IDI_MAIN ? ProgramIconPngs() : std::vector<std::string_view>{};
    }
};

// "1, 0, 0, 1" as "1.0.0.1".
CString DottedVersion(const char* pszVersion)
{
    CString dotted;
    for (const char* p = pszVersion; *p; ++p) {
        if (*p != ' ')
            dotted += *p == ',' ? '.' : *p;
    }
    return dotted;
}

}   // namespace

const DialogTemplate* ResourceTable::FindDialog(UINT nId)
{
    auto it = Dialogs().find(nId);
    return it == Dialogs().end() ? nullptr : &it->second;
}

const char* ResourceTable::FindString(UINT nId)
{
    auto it = kStrings.find(nId);
    if (it != kStrings.end())
        return it->second;
    auto sync = SyncStringTable().find(nId);
    return sync == SyncStringTable().end() ? nullptr : sync->second;
}

std::vector<UINT> ResourceTable::StringIds()
{
    std::vector<UINT> ids;
    for (const auto& entry : kStrings)
        ids.push_back(entry.first);
    for (const auto& entry : SyncStringTable())
        ids.push_back(entry.first);
    std::sort(ids.begin(), ids.end());
    return ids;
}

const char* const* ResourceTable::FindIcon(UINT nId)
{
    return nId == IDI_MAIN ? ProgramIconXpm() : nullptr;
}

const VersionRecord& ResourceTable::Version()
{
    return kVersion;
}

std::string_view ResourceTable::HelpPage()
{
    return HelpPageHtml();
}

void ResourceTable::AddDialog(const DialogTemplate& dialogTemplate)
{
    Dialogs().insert_or_assign(dialogTemplate.nId, dialogTemplate);
}

const CResourceProvider& ResourceTable::Provider()
{
    static const CProgramResources resources;
    return resources;
}

void ResourceTable::ConfigureApplication(CWinApp& app)
{
    app.m_pResources = &Provider();
    app.m_nIconId = IDI_MAIN;
    app.m_strVersion = DottedVersion(kVersion.pszProductVersion);
    app.m_helpPage = HelpPage();
    app.m_translatedHelpPages = {{"", HelpPage()}, {"de", HelpPageHtml_de()}, {"fr", HelpPageHtml_fr()},
        {"es", HelpPageHtml_es()}, {"it", HelpPageHtml_it()}, {"nl", HelpPageHtml_nl()}, {"pt", HelpPageHtml_pt()}};
    app.m_strCatalogue = "dialstack";
    app.m_strHelpTitle = DIALSTACK_TR_NOOP("Resources", "Dialstack Help");
    // The directory file stores every space as byte 0xA5, so a yen sign
    // typed into a field would come back as a space.
    app.m_strRefusedInput = "\xA5";
    app.m_strDesktopEntry = DIALSTACK_APP_ID;
}
