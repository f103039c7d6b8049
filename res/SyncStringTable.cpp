#include "res/SyncStringTable.h"

#include "base/TextMarkers.h"
#include "res/resource.h"

const std::map<UINT, const char*>& SyncStringTable()
{
    static const std::map<UINT, const char*> kStrings = {
        {IDS_SYNC_SETUP_MENU, DIALSTACK_TR_NOOP("Resources", "Set &Up Sync…")},
        {IDS_SYNC_SETTINGS_MENU, DIALSTACK_TR_NOOP("Resources", "Sync Se&ttings…")},
        // %1 and %2: one of the two counts below.
        {IDS_SYNC_IN_STEP_CHANGES,
            DIALSTACK_TR_NOOP(
                "Resources", "The directory and the address book are in step: %1 here, %2 in the address book.")},
        {IDS_SYNC_CHANGES, DIALSTACK_TR_N_NOOP("Resources", "%n change")},
        {IDS_SETUP_MISSING,
            DIALSTACK_TR_NOOP("Resources", "Type the server's address, your user name and your password first.")},
        {IDS_SETUP_LOOKING, DIALSTACK_TR_NOOP("Resources", "Looking for your address books on the server…")},
        {IDS_SETUP_PICK_BOOK,
            DIALSTACK_TR_NOOP("Resources",
                "The server holds several address books for %1. Pick the one to sync with, then press Connect again.")},
        // %1 the server, %2 the user name.
        {IDS_SETUP_PASSWORD_REFUSED,
            DIALSTACK_TR_NOOP("Resources",
                "%1 refused the password of %2. Check the user name and the password, then press Connect again.")},
        {IDS_SETUP_NO_BOOK,
            DIALSTACK_TR_NOOP("Resources",
                "No address book was found at %1 for %2. Check the server's address (your provider's help "
                "names it), then press Connect again.")},
        {IDS_SETUP_FAILED,
            DIALSTACK_TR_NOOP("Resources", "The server could not be reached or did not answer as expected:\n%1")},
        {IDS_SETUP_SYNCED_KEYRING,
            DIALSTACK_TR_NOOP("Resources",
                "The directory and the address book are in step. Your password is kept in your desktop's keyring.")},
        {IDS_SETUP_SYNCED_FILE,
            DIALSTACK_TR_NOOP("Resources",
                "The directory and the address book are in step. Your password is kept in the file %1, which only "
                "you can read.")},
        {IDS_SETUP_SYNCED_NOWHERE,
            DIALSTACK_TR_NOOP("Resources",
                "The directory and the address book are in step. Your password could not be kept, so the sync "
                "will ask for it again.")},
        {IDS_SETUP_TIMER_QUESTION,
            DIALSTACK_TR_NOOP("Resources", "Sync every quarter of an hour from now on, while you are logged in?")},
        {IDS_SETUP_TIMER_YES, DIALSTACK_TR_NOOP("Resources", "Sync &every quarter hour")},
        {IDS_NOT_NOW, DIALSTACK_TR_NOOP("Resources", "&Not now")},
        {IDS_SETUP_TIMER_ON,
            DIALSTACK_TR_NOOP("Resources", "From now on the directory is synced every quarter of an hour.")},
        {IDS_SETUP_TIMER_NO_MANAGER,
            DIALSTACK_TR_NOOP("Resources",
                "This computer cannot sync every quarter of an hour on its own: that needs the systemd user "
                "manager, and none runs for you here. Use Sync Now in the window menu instead.")},
        {IDS_SETUP_TIMER_FAILED,
            DIALSTACK_TR_NOOP("Resources", "The quarter-hourly sync could not be switched on:\n\n%1")},
        {IDS_STOP_QUESTION,
            DIALSTACK_TR_NOOP("Resources",
                "Stop syncing this directory with the address book?\n\nThe directory file stays as it is. The sync "
                "can also forget what it knows of this directory; setting it up again then starts afresh.")},
        {IDS_STOP_KEEP, DIALSTACK_TR_NOOP("Resources", "&Stop syncing")},
        {IDS_STOP_FORGET, DIALSTACK_TR_NOOP("Resources", "Stop and &forget")},
        {IDS_STOP_DONE,
            DIALSTACK_TR_NOOP("Resources",
                "The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.")},
        {IDS_STOP_FORGOTTEN,
            DIALSTACK_TR_NOOP("Resources", "The directory is no longer synced. Dialstack.dat stays as it is.")},
        {IDS_STOP_FAILED, DIALSTACK_TR_NOOP("Resources", "The sync could not be stopped:\n\n%1")},
        // %1 the server, %2 the user name.
        {IDS_ASK_PASSWORD_REFUSED,
            DIALSTACK_TR_NOOP("Resources", "%1 refused the password of %2. Type the password again:")},
        {IDS_ASK_PASSWORD_MISSING, DIALSTACK_TR_NOOP("Resources", "The sync needs the password of %2 at %1:")},
        {IDS_ASK_PASSWORD_UNSAFE,
            DIALSTACK_TR_NOOP("Resources",
                "The password file %1 is gone or others can read it, so the sync no longer uses it. Type the "
                "password; it will be kept safely:")},
        // %1 of %2: the counts; %3 the first names.
        {IDS_DELETIONS_THERE,
            DIALSTACK_TR_NOOP("Resources",
                "Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.\n\n"
                "The sync stopped so that nothing is deleted by mistake.")},
        {IDS_DELETIONS_HERE,
            DIALSTACK_TR_NOOP("Resources",
                "Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.\n\n"
                "The sync stopped so that nothing is deleted by mistake.")},
        {IDS_DELETE_THERE_TOO, DIALSTACK_TR_NOOP("Resources", "&Delete them there too")},
        {IDS_DELETE_HERE_TOO, DIALSTACK_TR_NOOP("Resources", "&Delete them here too")},
        {IDS_BRING_BACK, DIALSTACK_TR_NOOP("Resources", "&Bring them back")},
        {IDS_MORE_NAMES, DIALSTACK_TR_N_NOOP("Resources", "and %n other name")},
        // %1 the server; %2 whose certificate it is, %3 who issued it, %4 its
        // fingerprint.
        {IDS_CERTIFICATE,
            DIALSTACK_TR_NOOP("Resources",
                "This computer does not trust the certificate of %1, so the sync stopped.\n\nIssued to: %2\n"
                "Issued by: %3\nSHA-256 fingerprint: %4\n\nTrust it only if your server's administrator gave you "
                "this fingerprint.")},
        {IDS_TRUST, DIALSTACK_TR_NOOP("Resources", "&Trust this certificate")},
        {IDS_BOOK_GONE,
            DIALSTACK_TR_NOOP("Resources",
                "The address book %1 is gone from the server, so the sync stopped. Choose the address book to "
                "sync with in the window that opens now.")},
        // %1 the record, %2 its copy, %3 the fields, one line each below.
        {IDS_CONFLICT,
            DIALSTACK_TR_NOOP("Resources",
                "\"%1\" was changed both here and in the address book. It now holds the address book's "
                "version; this computer's version was kept as \"%2\".\n%3")},
        {IDS_CONFLICT_FIELD, DIALSTACK_TR_NOOP("Resources", "%1: here \"%2\", in the address book \"%3\"")},
        {IDS_FIELD_NAME, DIALSTACK_TR_NOOP("Resources", "Name")},
        {IDS_SELECT_COPY, DIALSTACK_TR_NOOP("Resources", "&Select the Copy")},
        {IDS_OK, DIALSTACK_TR_NOOP("Resources", "OK")},
    };
    return kStrings;
}
