#pragma once

#include <array>
#include <string>
#include <vector>

// What one run of dialstack-sync came to, as data: a kind and what goes
// with it. The sync fills it where it sees the outcome, words it once for
// the terminal, prints it as JSON with --report json and keeps the last one
// beside the directory file's sync state, where a window open on that file
// reads it. The window decides what to offer from the kind alone; strMessage
// is the terminal's wording, shown only where the window has none of its
// own. Text is UTF-8.
class CSyncOutcome
{
public:
    enum class EKind
    {
        kInStep,
        // Failed, nothing lost; the next run finishes the work (exit 1).
        kNetwork,   // strHost could not be reached, or did not answer in time; strDetail says how
        kServerError,   // strUrl answered nHttpStatus (or a reply that could not be read: strDetail)
        kNotCardDav,   // strUrl is no CardDAV address; tried: the well-known addresses asked
        kNoAddressBook,   // strUrl, for strUser: none found
        kOtherServer,   // the server sent this program to strHost, another server
        kCardsRefused,   // the server refused names (nCount in all); everything else synced
        kKeptChanging,   // the address book kept changing while this sync wrote to it
        kDirectoryFile,   // strPath (the directory file or its folder) could not be used: strDetail
        kStateDamaged,   // strPath, the sync's memory of the file, could not be read: strDetail
        kStopped,   // a signal stopped it; strDetail names the signal
        // Bad usage (exit 2).
        kUsage,   // strMessage says what was wrong
        kSeveralAddressBooks,   // books lists them; the user picks one
        // Busy (exit 3).
        kBusy,
        // Needs the user (exit 4).
        kPasswordRefused,   // strHost refused strUser's password; strPath: the password file read, if any
        kPasswordMissing,   // no password for strUser at strHost anywhere the sync may look
        kPasswordFileUnsafe,   // strPath, the password file, is readable by others or gone
        kAddressBookGone,   // strUrl is gone from the server
        kCertificateUntrusted,   // strHost's certificate: certificate
        kTooManyDeletions,   // here and there: what the sync would delete on each side
    };

    struct Deletions
    {
        int nDeleted = 0;
        int nTotal = 0;   // records here, or cards on the server
        std::vector<std::string> names;   // every one that would go
        bool Refused() const { return !names.empty() || nDeleted > 0; }
    };
    struct Certificate
    {
        std::string strSubject;   // whose it is, as the certificate says
        std::string strIssuer;
        std::string strSha256;   // its SHA-256 fingerprint, "AB:CD:..."
        std::string strPem;
    };
    struct AddressBook
    {
        std::string strUrl;
        std::string strName;
    };
    // A record changed on both sides: the record took the server's fields,
    // and this machine's version was kept as a copy.
    struct Conflict
    {
        struct Field
        {
            std::string strField;   // "name", "phone", "pager", "email" or "misc"
            std::string strHere;
            std::string strThere;
        };
        std::string strName;   // the record's name now
        std::string strCopyName;   // the copy's name, "NAME (conflict copy)"
        std::vector<Field> fields;   // the fields both sides changed differently
    };
    // Where a password accepted by the server was kept.
    enum class EPasswordKept
    {
        kNotAsked,
        kKeyring,
        kFile,   // strPasswordFile, readable by the user alone
        kNowhere,
    };
    // What the timer is after --timer.
    enum class ETimer
    {
        kNotAsked,
        kOn,
        kOff,
        kNoUserManager,   // no systemd user manager runs for this user
        kFailed,   // strDetail says why
    };

    // What went wrong with a file (kDirectoryFile, kStateDamaged).
    enum class EFileProblem
    {
        kNone,
        kUnreadable,   // could not be read: strDetail
        kChangedMeanwhile,   // changed on disk while the sync ran; nothing was written to it
        kLastRecordUnnamed,   // adding records would overwrite its last record, which has no name
        kNotSaved,   // could not be written: strDetail; the file may be damaged
        kNotSavedIntact,   // could not be written: strDetail; the file is as it was
    };

    EKind kind = EKind::kInStep;
    bool bDryRun = false;
    int nHttpStatus = 0;
    // kNetwork: the deadline that passed without a whole reply (0: another fault).
    int nTimeoutSeconds = 0;
    EFileProblem fileProblem = EFileProblem::kNone;
    std::string strHost;
    std::string strUrl;
    std::string strUser;
    std::string strPath;
    std::string strDetail;
    std::vector<std::string> names;
    int nCount = 0;
    std::vector<std::string> tried;
    Deletions here;
    Deletions there;
    Certificate certificate;
    std::vector<AddressBook> books;
    // What was done (or would be, in a dry run): added, changed, deleted.
    std::array<int, 3> doneHere = {0, 0, 0};
    std::array<int, 3> doneThere = {0, 0, 0};
    std::vector<Conflict> conflicts;
    EPasswordKept passwordKept = EPasswordKept::kNotAsked;
    std::string strPasswordFile;
    ETimer timer = ETimer::kNotAsked;
    // The address book synced with, once known.
    std::string strCollectionUrl;
    std::string strMessage;

    // The exit status that goes with the kind.
    int ExitStatus() const;
    // Whether only the user can settle it (exit 4).
    bool NeedsYou() const;

    std::string ToJson() const;
    // FALSE for text that is no outcome this program wrote.
    static bool FromJson(const std::string& strJson, CSyncOutcome& outcome);

    // The kind's name in the JSON ("in-step", "password-refused", ...).
    static const char* KindName(EKind kind);

    // Where the last outcome of a sync of this directory file is kept:
    // beside its sync state.
    static std::string PathFor(const std::string& strDirectoryFile);
    // Writes it there in one step; FALSE when it could not be.
    bool Keep(const std::string& strDirectoryFile) const;
    // The last one kept for the file; FALSE when there is none.
    static bool LastFor(const std::string& strDirectoryFile, CSyncOutcome& outcome);
};
