#include "sync/OutcomeWording.h"

#include <algorithm>

#include <QFileInfo>
#include <QUrl>

#include "shell/FileName.h"
#include "shell/PrintableText.h"
#include "sync/SyncText.h"

namespace {

using EKind = CSyncOutcome::EKind;
using EFileProblem = CSyncOutcome::EFileProblem;
using Wording = COutcomeWording::Wording;

// Text from a server or a file, safe on a terminal.
std::string Safe(const std::string& text)
{
    return Printable(text);
}

std::string HostOf(const std::string& strUrl)
{
    return Safe(QUrl(QString::fromStdString(strUrl)).host().toStdString());
}

// A name in the language's quotation marks (SyncReport's details use the
// same text); English keeps ASCII quotes.
std::string Quoted(const std::string& name)
{
    return CSyncText::Tr("\"%1\"", {Printable(name)});
}

// Names for a message: at most a screenful, then how many more there are.
std::string Names(const std::vector<std::string>& names)
{
    constexpr size_t kMaxNames = 20;
    std::string text;
    for (size_t i = 0; i < names.size() && i < kMaxNames; ++i)
        text += (i == 0 ? "" : ", ") + Quoted(names[i]);
    if (names.size() > kMaxNames)
        return CSyncText::Tr("%1 and %n more", nullptr, static_cast<int>(names.size() - kMaxNames), {text});
    return text;
}

// English says "1 added" and "2 added" alike; other languages do not.
std::string Counts(const std::array<int, 3>& counts)
{
    return CSyncText::Tr("%n added", nullptr, counts[0]) + ", " + CSyncText::Tr("%n changed", nullptr, counts[1]) + ", "
        + CSyncText::Tr("%n deleted", nullptr, counts[2]);
}

std::string Timer(const CSyncOutcome& o)
{
    switch (o.timer) {
    case CSyncOutcome::ETimer::kOn:
        return CSyncText::Tr("The timer syncs this directory file every quarter of an hour.");
    case CSyncOutcome::ETimer::kOff: return CSyncText::Tr("No timer syncs this directory file.");
    case CSyncOutcome::ETimer::kNoUserManager:
        return CSyncText::Tr("the timer cannot be set: no systemd user manager runs for this user");
    case CSyncOutcome::ETimer::kFailed: return CSyncText::Tr("the timer could not be set: %1", {Safe(o.strDetail)});
    case CSyncOutcome::ETimer::kNotAsked: break;
    }
    return std::string();
}

std::string InStep(const CSyncOutcome& o)
{
    if (o.timer != CSyncOutcome::ETimer::kNotAsked)
        return Timer(o);
    if (!o.books.empty()) {
        std::string text = CSyncText::Tr("Address books found:");
        for (const CSyncOutcome::AddressBook& book : o.books)
            text += "\n  " + Safe(book.strUrl) + (book.strName.empty() ? "" : "  (" + Safe(book.strName) + ")");
        return text;
    }
    const std::string conflicts
        = CSyncText::Tr("%n conflict kept as a copy", nullptr, static_cast<int>(o.conflicts.size()));
    return o.bDryRun
        ? CSyncText::Tr("Dry run, nothing changed. Would do here: %1; on the server: %2; %3",
            {Counts(o.doneHere), Counts(o.doneThere), conflicts})
        : CSyncText::Tr("Here: %1; on the server: %2; %3", {Counts(o.doneHere), Counts(o.doneThere), conflicts});
}

std::string Network(const CSyncOutcome& o)
{
    if (o.nTimeoutSeconds > 0)
        return CSyncText::Tr("%1 did not answer within %2 s", {Safe(o.strHost), std::to_string(o.nTimeoutSeconds)});
    return Safe(o.strHost) + ": " + Safe(o.strDetail);
}

// The origin of a URL: scheme, host and port.
std::string Origin(const std::string& strUrl)
{
    const QUrl url(QString::fromStdString(strUrl));
    return Safe(url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery).toStdString());
}

std::string OtherServer(const CSyncOutcome& o)
{
    // A redirect sent the program there; else discovery named it.
    if (o.nHttpStatus != 0)
        return CSyncText::Tr(
            "the server sent this program to %1, another server; it only talks to the server it was given. If"
            " that one is right, give it with --url",
            {Origin(o.strUrl)});
    return CSyncText::Tr(
        "the server points to another server, %1, for the address books; nothing was sent there. If that"
        " server is right, give its address book with --url",
        {Origin(o.strUrl)});
}

// Cards the server did not give: by their records' names where known.
std::string CardsMissing(const CSyncOutcome& o)
{
    const std::string what
        = CSyncText::Tr("the card of %1", {o.names.empty() ? std::string() : Quoted(o.names.front())});
    const std::string why = o.nHttpStatus != 0 ? CSyncText::Tr("status %1", {std::to_string(o.nHttpStatus)})
                                               : CSyncText::Tr("left out of its reply");
    const int nOthers = std::max(o.nCount, static_cast<int>(o.names.size())) - 1;
    const std::string host = Safe(o.strHost);
    // English says "nor 1 other cards" as it always has.
    return nOthers <= 0
        ? CSyncText::Tr("%1 did not give %2 (%3); nothing was changed, run the sync again later", {host, what, why})
        : CSyncText::Tr("%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later",
            nullptr, nOthers, {host, what, why});
}

// What the server said when it refused a write.
std::string Answer(const CSyncOutcome& o)
{
    const std::string status = std::to_string(o.nHttpStatus);
    if (o.strDetail.empty())
        return CSyncText::Tr("the server answered %1", {status});
    if (o.strDetail.find(' ') == std::string::npos)
        return CSyncText::Tr("the server answered %1 (%2)", {status, Safe(o.strDetail)});
    return CSyncText::Tr("the server answered %1: %2", {status, Safe(o.strDetail)});
}

std::string ServerError(const CSyncOutcome& o)
{
    if (!o.names.empty())
        return CardsMissing(o);
    const std::string where = Safe(o.strUrl);
    switch (o.nHttpStatus) {
    case 0: return CSyncText::Tr("%1 sent a reply that could not be read: %2", {HostOf(o.strUrl), Safe(o.strDetail)});
    case 403: return CSyncText::Tr("%1: the server does not allow this (403 Forbidden)", {where});
    case 404: return CSyncText::Tr("%1: not found on the server (404)", {where});
    default:
        if (!o.strDetail.empty())
            return CSyncText::Tr(
                "%1: the server answered %2 (%3)", {where, std::to_string(o.nHttpStatus), Safe(o.strDetail)});
        return CSyncText::Tr("%1: the server answered %2", {where, std::to_string(o.nHttpStatus)});
    }
}

std::string DirectoryFile(const CSyncOutcome& o)
{
    const std::string path = Safe(o.strPath);
    switch (o.fileProblem) {
    case EFileProblem::kChangedMeanwhile:
        return CSyncText::Tr(
            "%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again",
            {path});
    case EFileProblem::kLastRecordUnnamed:
        return CSyncText::Tr("%1: its last record has no name, and adding records would overwrite it; give it a name in"
                             " Dialstack first. Nothing was changed",
            {path});
    case EFileProblem::kNotSaved: return CSyncText::Tr("%1: could not be saved: %2", {path, Safe(o.strDetail)});
    case EFileProblem::kNotSavedIntact:
        return CSyncText::Tr("%1: could not be saved: %2; the directory file is unchanged", {path, Safe(o.strDetail)});
    case EFileProblem::kNone:
    case EFileProblem::kUnreadable: break;
    }
    if (o.strDetail.empty())
        return CSyncText::Tr("%1: the directory file could not be read completely; nothing was synced", {path});
    return CSyncText::Tr("%1: %2; nothing was synced", {path, Safe(o.strDetail)});
}

std::string SeveralBooks(const CSyncOutcome& o)
{
    std::string text = CSyncText::Tr("the server has several address books; run again with --url and one of them:");
    for (const CSyncOutcome::AddressBook& book : o.books)
        text += "\n  " + Safe(book.strUrl) + (book.strName.empty() ? "" : "  (" + Safe(book.strName) + ")");
    return text;
}

std::string Deletions(const CSyncOutcome& o)
{
    const std::string here = CSyncText::Tr("%1 of the %2 records here (%3)",
        {std::to_string(o.here.nDeleted), std::to_string(o.here.nTotal), Names(o.here.names)});
    const std::string there = CSyncText::Tr("%1 of the %2 cards on the server (%3)",
        {std::to_string(o.there.nDeleted), std::to_string(o.there.nTotal), Names(o.there.names)});
    const bool bHere = o.here.Refused();
    const bool bThere = o.there.Refused();
    return CSyncText::Tr(
        "this sync would delete %1; nothing was changed. If that is what you want, run it again with --force;"
        " to bring them back instead, with --bring-back",
        {bHere && bThere ? CSyncText::Tr("%1 and %2", {here, there})
                : bHere  ? here
                         : there});
}

std::string User(const CSyncOutcome& o)
{
    return o.strUser.empty() ? CSyncText::Tr("this user") : Safe(o.strUser);
}

std::string NotCardDav(const CSyncOutcome& o)
{
    return CSyncText::Tr(
        "%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address"
        " book with --url",
        {Safe(o.strUrl), Names(o.tried)});
}

std::string NoAddressBook(const CSyncOutcome& o)
{
    return CSyncText::Tr("no address book found at %1 for %2; create one on the server (in its web page, or with your"
                         " phone's contacts app), then sync again",
        {Safe(o.strUrl), User(o)});
}

// The cards the server would not take, and its answer when it gave one.
std::string CardsRefused(const CSyncOutcome& o)
{
    return CSyncText::Tr("the server refused %n card (%1); everything else is in step", nullptr,
        std::max(o.nCount, static_cast<int>(o.names.size())),
        {Names(o.names) + (o.nHttpStatus != 0 ? "; " + Answer(o) : std::string())});
}

// A password read from a file names the file, where the new one goes.
std::string PasswordRefused(const CSyncOutcome& o)
{
    if (!o.strPath.empty())
        return CSyncText::Tr("%1 refused the password for %2 read from %3; put the new password in that file",
            {Safe(o.strHost), User(o), Safe(o.strPath)});
    return CSyncText::Tr("%1 refused the user name or password", {Safe(o.strHost)});
}

// A detail means the file could not be read at all, else others can read it.
std::string PasswordFileUnsafe(const CSyncOutcome& o)
{
    if (o.strDetail.empty())
        return CSyncText::Tr("%1: others can read this password file; make it yours alone (chmod 600 %1) and run again",
            {Safe(o.strPath)});
    return CSyncText::Tr("%1: the password file cannot be read", {Safe(o.strPath)});
}

std::string CertificateUntrusted(const CSyncOutcome& o)
{
    return CSyncText::Tr("the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own"
                         " server's, trust it",
        {Safe(o.strHost), Safe(o.strDetail), Safe(o.certificate.strSha256)});
}

std::string Message(const CSyncOutcome& o, const std::string& strDirectoryFile)
{
    switch (o.kind) {
    case EKind::kInStep: return InStep(o);
    case EKind::kNetwork: return Network(o);
    case EKind::kServerError: return ServerError(o);
    case EKind::kNotCardDav: return NotCardDav(o);
    case EKind::kNoAddressBook: return NoAddressBook(o);
    case EKind::kOtherServer: return OtherServer(o);
    case EKind::kCardsRefused: return CardsRefused(o);
    case EKind::kKeptChanging:
        return CSyncText::Tr(
            "the address book kept changing while this sync wrote to it; nothing was lost, run the sync again");
    case EKind::kDirectoryFile: return DirectoryFile(o);
    case EKind::kStateDamaged:
        return CSyncText::Tr(
            "%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url",
            {Safe(o.strPath), Safe(o.strDetail)});
    case EKind::kStopped:
        return CSyncText::Tr(
            "stopped by %1; what was synced is kept, and the next sync goes on from there", {o.strDetail});
    case EKind::kUsage: return o.strMessage;
    case EKind::kSeveralAddressBooks: return SeveralBooks(o);
    case EKind::kBusy:
        return CSyncText::Tr(
            "%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was"
            " synced; the next sync after you save takes the window's changes",
            {strDirectoryFile});
    case EKind::kPasswordRefused: return PasswordRefused(o);
    case EKind::kPasswordMissing:
        return CSyncText::Tr("no password for %1 at %2: the keyring has none, and no password file is remembered",
            {User(o), Safe(o.strHost)});
    case EKind::kPasswordFileUnsafe: return PasswordFileUnsafe(o);
    case EKind::kAddressBookGone:
        return CSyncText::Tr("the address book %1 is gone from the server; nothing was changed here", {Safe(o.strUrl)});
    case EKind::kCertificateUntrusted: return CertificateUntrusted(o);
    case EKind::kTooManyDeletions: return Deletions(o);
    }
    return o.strMessage;
}

// The first sync's options again, for a command that may be the first sync.
std::string Where(const CSyncOutcome& o)
{
    std::string where;
    if (!o.strUrl.empty())
        where += " --url " + COutcomeWording::ShellWord(o.strUrl);
    if (!o.strUser.empty())
        where += " --user " + COutcomeWording::ShellWord(o.strUser);
    return where;
}

std::string Settle(const CSyncOutcome& o, const std::string& strDirectoryFile)
{
    const std::string command = COutcomeWording::Command(strDirectoryFile);
    switch (o.kind) {
    case EKind::kStateDamaged: return command + " --forget";
    case EKind::kPasswordFileUnsafe:
        if (o.strDetail.empty())
            return "chmod 600 " + COutcomeWording::ShellWord(o.strPath);
        [[fallthrough]];
    case EKind::kPasswordRefused:
    case EKind::kPasswordMissing: return command + Where(o) + " --password-stdin --keep-password";
    case EKind::kCertificateUntrusted:
        return command + Where(o) + " --accept-certificate " + COutcomeWording::ShellWord(o.certificate.strSha256);
    case EKind::kTooManyDeletions: return command + " --dry-run --verbose";
    case EKind::kAddressBookGone: {
        // The server's own address: discovery there finds what is left.
        const QUrl book(QString::fromStdString(o.strUrl));
        const std::string server = book.adjusted(QUrl::RemovePath | QUrl::RemoveQuery).toString().toStdString() + "/";
        CSyncOutcome first;
        first.strUrl = server;
        first.strUser = o.strUser;
        const std::string password
            = o.strPath.empty() ? std::string() : " --password-file " + COutcomeWording::ShellWord(o.strPath);
        return command + " --forget && " + command + Where(first) + password;
    }
    default: return std::string();
    }
}

}   // namespace

Wording COutcomeWording::Word(const CSyncOutcome& outcome, const std::string& strDirectoryFile)
{
    return {Message(outcome, strDirectoryFile), Settle(outcome, strDirectoryFile)};
}

std::string COutcomeWording::Command(const std::string& strDirectoryFile)
{
    const QString path = QFileInfo(CFileName::Decode(strDirectoryFile)).absoluteFilePath();
    return "dialstack-sync --file " + ShellWord(CFileName::Encode(path));
}

std::string COutcomeWording::ShellWord(const std::string& strWord)
{
    if (!strWord.empty()
        && strWord.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+=:@%,")
            == std::string::npos)
        return strWord;
    std::string quoted = "'";
    for (const char c : strWord)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
