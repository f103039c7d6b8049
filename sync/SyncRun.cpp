#include "sync/SyncRun.h"

#include <signal.h>

#include <iostream>
#include <ostream>

#include <QFileInfo>
#include <QSslCertificate>

#include "data/DirectoryLock.h"
#include "shell/DirectoryAccess.h"
#include "shell/FileName.h"
#include "sync/CardDavClient.h"
#include "sync/ConfigFolder.h"
#include "sync/ServerCertificate.h"
#include "sync/StopSignals.h"
#include "sync/SyncEngine.h"
#include "sync/SyncText.h"

namespace {

using EKind = CSyncOutcome::EKind;
using EKept = CSyncOutcome::EPasswordKept;
using EProblem = CDirectoryAccess::EProblem;

CSyncOutcome Of(EKind kind)
{
    CSyncOutcome outcome;
    outcome.kind = kind;
    return outcome;
}

CSyncOutcome Usage(const std::string& strMessage)
{
    CSyncOutcome outcome = Of(EKind::kUsage);
    outcome.strMessage = strMessage;
    return outcome;
}

// The directory file, or its folder, cannot be used; strDetail empty: it
// could not be read completely.
CSyncOutcome FileProblem(const std::string& strPath, const std::string& strDetail)
{
    CSyncOutcome outcome = Of(EKind::kDirectoryFile);
    outcome.fileProblem = CSyncOutcome::EFileProblem::kUnreadable;
    outcome.strPath = strPath;
    outcome.strDetail = strDetail;
    return outcome;
}

bool Failed(const CSyncOutcome& outcome)
{
    return outcome.kind != EKind::kInStep;
}

std::string DisplayUrl(const QUrl& url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo).toStdString();
}

// The signal that stopped the sync, as the user sent it.
std::string SignalName(int nSignal)
{
    return nSignal == SIGINT ? "Ctrl+C" : "SIGTERM";
}

// The URL given with --url; an invalid one is bad usage.
CSyncOutcome UserUrl(const std::string& text, QUrl& url)
{
    url = QUrl::fromUserInput(QString::fromStdString(text));
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty())
        return Usage(CSyncText::Tr("--url needs an http:// or https:// address, not %1", {DisplayUrl(url)}));
    if (!url.userInfo().isEmpty())
        return Usage(CSyncText::Tr("give the user name with --user, not inside the URL"));
    return Of(EKind::kInStep);
}

CSyncOutcome PlainHttp(const QUrl& server)
{
    return Usage(
        CSyncText::Tr("a password is never sent over plain http:// except to this machine; use https:// for %1",
            {server.host().toStdString()}));
}

}   // namespace

CSyncRun::CSyncRun(const CSyncOptions& options, std::ostream& out, std::ostream& info)
    : m_options(options)
    , m_out(out)
    , m_info(info)
{
}

CSyncOutcome CSyncRun::Sync()
{
    // The folder must exist and take a new file: the directory file is
    // saved by replacing it, and its lock file lives beside it.
    const QFileInfo info(CFileName::Decode(m_options.strFile));
    const QFileInfo folder(info.absolutePath());
    const std::string path = CFileName::Encode(folder.absoluteFilePath());
    if (!folder.isDir())
        return FileProblem(path, CSyncText::Tr("the folder does not exist"));
    if (!folder.isWritable())
        return FileProblem(path, CSyncText::Tr("the folder is read-only, so the directory file cannot be saved there"));
    if (info.isDir())
        return FileProblem(m_options.strFile, CSyncText::Tr("is a folder, not a directory file"));
    // The lock comes first: the state read under it is the one the last
    // writer left.
    CDirectoryLock lock;
    if (const auto problem = CDirectoryAccess::Lock(m_options.strFile, CDirectoryLock::Kind::Exclusive, lock))
        return problem.kind == EProblem::kHeldElsewhere ? Of(EKind::kBusy)
                                                        : FileProblem(m_options.strFile, problem.strDetail);
    return Completed(Locked());
}

CSyncOutcome CSyncRun::Locked()
{
    std::string strError;
    if (!m_state.Load(CSyncState::PathFor(m_options.strFile), strError)) {
        CSyncOutcome damaged = Of(EKind::kStateDamaged);
        damaged.strPath = CSyncState::PathFor(m_options.strFile);
        damaged.strDetail = strError;
        return damaged;
    }
    for (auto step : {&CSyncRun::Configure, &CSyncRun::TrustCertificate})
        if (CSyncOutcome outcome = (this->*step)(); Failed(outcome))
            return outcome;
    // A file that cannot be opened is said as one that cannot be read.
    if (CDirectoryAccess::Load(m_options.strFile, false, m_list))
        return FileProblem(m_options.strFile, "");
    std::string password;
    if (CSyncOutcome outcome = m_password.Read(password); Failed(outcome))
        return outcome;
    StartSession(password);
    CStopSignals stops([this](int nSignal) { m_session.Stop(SignalName(nSignal)); });
    CCardDavClient client(m_session);
    CSyncOutcome outcome = m_state.m_strCollectionUrl.empty() ? FindAddressBook(client) : CheckPassword(client);
    if (!Failed(outcome)) {
        // The server took the password: where it comes from is kept now,
        // so that a run stopped half-way is taken up again as it is.
        m_bToRemember = m_password.Keep(outcome) || m_bToRemember;
        Remember();
        CSyncOutcome synced = Engine(client);
        synced.passwordKept = outcome.passwordKept;
        synced.strPasswordFile = outcome.strPasswordFile;
        outcome = synced;
    }
    if (const int nSignal = stops.Received(); nSignal != 0) {
        outcome = Of(EKind::kStopped);
        outcome.strDetail = SignalName(nSignal);
    }
    return outcome;
}

// Where to sync, from the options or from the last sync of this file.
CSyncOutcome CSyncRun::Configure()
{
    if (!m_options.strUrl.empty()) {
        QUrl url;
        if (CSyncOutcome outcome = UserUrl(m_options.strUrl, url); Failed(outcome))
            return outcome;
        const std::string given = url.toString().toStdString();
        if (!m_state.m_strCollectionUrl.empty() && given != m_state.m_strCollectionUrl
            && given != m_state.m_strServerUrl)
            return Usage(
                CSyncText::Tr("%1 is synced with %2; to sync it with another address book, first forget this sync"
                              " with --forget",
                    {m_options.strFile, m_state.m_strCollectionUrl}));
        m_state.m_strServerUrl = given;
    }
    if (m_state.m_strServerUrl.empty())
        return Usage(
            CSyncText::Tr("the first sync of %1 needs --url (the address book or the server)", {m_options.strFile}));
    if (!m_options.strUser.empty())
        m_state.m_strUser = m_options.strUser;
    m_state.m_strDirectoryFile = m_options.strFile;
    const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
    if (!m_state.m_strUser.empty() && !CHttpSession::MaySendPassword(server))
        return PlainHttp(server);
    return Of(EKind::kInStep);
}

// The certificate given now, accepted now, or remembered for this
// directory file, trusted for the server. One remembered that cannot be
// read any more is left out: the server's certificate is then refused,
// and the user is asked about it again.
CSyncOutcome CSyncRun::TrustCertificate()
{
    if (!m_options.strAcceptSha256.empty())
        if (CSyncOutcome outcome = AcceptCertificate(); Failed(outcome))
            return outcome;
    const bool bGiven = !m_options.strCertificate.empty();
    const std::string path = bGiven ? CFileName::Absolute(m_options.strCertificate) : m_state.m_strCertificateFile;
    if (path.empty())
        return Of(EKind::kInStep);
    const QList<QSslCertificate> certificates
        = QSslCertificate::fromPath(CFileName::Decode(path), QSsl::Pem);
    if (certificates.isEmpty()) {
        if (bGiven)
            return Usage(CSyncText::Tr("%1: holds no certificate (PEM) that can be read", {m_options.strCertificate}));
        return Of(EKind::kInStep);
    }
    m_session.SetTrustedCertificates(certificates);
    m_state.m_strCertificateFile = path;
    return Of(EKind::kInStep);
}

// The server's certificate, when its fingerprint is the one given, saved
// in the program's folder and trusted from now on like --certificate.
CSyncOutcome CSyncRun::AcceptCertificate()
{
    const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
    if (server.scheme() != QLatin1String("https"))
        return Usage(CSyncText::Tr("--accept-certificate is for a server at an https:// address"));
    QSslCertificate certificate;
    std::string strError;
    if (!CServerCertificate::Fetch(server, m_options.nTimeoutSeconds, certificate, strError)) {
        CSyncOutcome unreachable = Of(EKind::kNetwork);
        unreachable.strHost = server.host().toStdString();
        unreachable.strDetail = strError;
        return unreachable;
    }
    const std::string sha256 = CServerCertificate::Sha256(certificate);
    if (CServerCertificate::Digits(sha256) != m_options.strAcceptSha256) {
        CSyncOutcome other = Of(EKind::kCertificateUntrusted);
        other.strHost = server.host().toStdString();
        other.strDetail = CSyncText::Tr("it is not the one whose fingerprint was given");
        other.certificate = {certificate.subjectDisplayName().toStdString(),
            certificate.issuerDisplayName().toStdString(), sha256, certificate.toPem().toStdString()};
        return other;
    }
    const std::string path = CConfigFolder::FileFor(m_options.strFile, ".pem");
    if (!CConfigFolder::Make() || !CConfigFolder::WritePrivate(path, certificate.toPem().toStdString(), strError)) {
        CSyncOutcome unsaved = FileProblem(path, strError);
        unsaved.fileProblem = CSyncOutcome::EFileProblem::kNotSaved;
        return unsaved;
    }
    m_options.strCertificate = path;
    return Of(EKind::kInStep);
}

void CSyncRun::StartSession(const std::string& strPassword)
{
    m_session.SetOrigin(QUrl(QString::fromStdString(m_state.m_strServerUrl)));
    m_session.SetCredentials(m_state.m_strUser, strPassword);
    m_session.SetDeadline(m_options.nTimeoutSeconds);
}

CSyncOutcome CSyncRun::FindAddressBook(CCardDavClient& client)
{
    std::vector<CCardDavClient::AddressBook> books;
    CSyncOutcome outcome;
    const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
    if (!client.Discover(server, books, outcome))
        return outcome;
    if (books.empty()) {
        outcome = Of(EKind::kNoAddressBook);
        outcome.strUrl = DisplayUrl(server);
        outcome.strUser = m_state.m_strUser;
        return outcome;
    }
    if (books.size() > 1) {
        outcome = Of(EKind::kSeveralAddressBooks);
        for (const CCardDavClient::AddressBook& book : books)
            outcome.books.push_back({DisplayUrl(book.url), book.strName});
        return outcome;
    }
    m_state.m_strCollectionUrl = books.front().url.toString().toStdString();
    m_bToRemember = true;
    return Of(EKind::kInStep);
}

// A password given now is tried on the address book before the sync, so
// that it can be kept as soon as the server takes it.
CSyncOutcome CSyncRun::CheckPassword(CCardDavClient& client)
{
    std::vector<CCardDavClient::AddressBook> books;
    CSyncOutcome outcome;
    if (m_password.WasGiven()
        && !client.Discover(QUrl(QString::fromStdString(m_state.m_strCollectionUrl)), books, outcome)
        && outcome.kind == EKind::kPasswordRefused)
        return outcome;
    return Of(EKind::kInStep);
}

CSyncOutcome CSyncRun::Engine(CCardDavClient& client)
{
    const QUrl collection(QString::fromStdString(m_state.m_strCollectionUrl));
    const QUrl server(QString::fromStdString(m_state.m_strServerUrl));
    if (!CHttpSession::IsSameOrigin(collection, server)) {
        CSyncOutcome elsewhere = Of(EKind::kOtherServer);
        elsewhere.strUrl = DisplayUrl(collection);
        elsewhere.strHost = collection.host().toStdString();
        return elsewhere;
    }
    CSyncReport report(m_options.bDryRun);
    CSyncEngine engine(client, collection, m_state, m_list, m_options.strFile,
        {m_options.bDryRun, m_options.bForce, m_options.bBringBack});
    const CSyncOutcome outcome = engine.Run(report);
    // What each record gets: asked for, or what a refused dry run would do.
    if ((!Failed(outcome) && (m_options.bVerbose || m_options.bDryRun))
        || (m_options.bDryRun && outcome.kind == EKind::kTooManyDeletions))
        for (const std::string& line : report.Details())
            m_out << line << '\n';
    return outcome;
}

void CSyncRun::Remember()
{
    std::string strError;
    if (m_bToRemember && !m_options.bDryRun && !m_state.Save(strError))
        m_info << strError << '\n';
}

CSyncOutcome CSyncRun::Completed(CSyncOutcome outcome) const
{
    switch (outcome.kind) {
    case EKind::kPasswordRefused:
    case EKind::kPasswordMissing:
    case EKind::kPasswordFileUnsafe:
    case EKind::kCertificateUntrusted: m_password.Complete(outcome); break;
    case EKind::kAddressBookGone:
        if (outcome.strUrl.empty())
            outcome.strUrl = m_state.m_strCollectionUrl;
        outcome.strUser = m_state.m_strUser;
        // The user's own password file outlives --forget, and gives the
        // first sync again its password; the program's own file does not.
        if (m_state.m_strPasswordFile != CConfigFolder::FileFor(m_options.strFile, ".password"))
            outcome.strPath = m_state.m_strPasswordFile;
        break;
    default: break;
    }
    outcome.bDryRun = m_options.bDryRun;
    // What the window's Sync Settings shows in its boxes.
    outcome.strCollectionUrl = m_state.m_strCollectionUrl;
    if (outcome.strUser.empty())
        outcome.strUser = m_state.m_strUser;
    return outcome;
}

CSyncOutcome CSyncRun::Discover()
{
    QUrl server;
    if (CSyncOutcome outcome = UserUrl(m_options.strUrl, server); Failed(outcome))
        return outcome;
    m_state.m_strServerUrl = server.toString().toStdString();
    m_state.m_strUser = m_options.strUser;
    m_state.m_strDirectoryFile = m_options.strFile;
    if (!m_state.m_strUser.empty() && !CHttpSession::MaySendPassword(server))
        return PlainHttp(server);
    std::string password;
    if (CSyncOutcome outcome = TrustCertificate(); Failed(outcome))
        return outcome;
    if (CSyncOutcome outcome = m_password.Read(password); Failed(outcome))
        return Completed(outcome);
    StartSession(password);
    CCardDavClient client(m_session);
    std::vector<CCardDavClient::AddressBook> books;
    CSyncOutcome outcome;
    if (!client.Discover(server, books, outcome))
        return Completed(outcome);
    if (books.empty()) {
        outcome = Of(EKind::kNoAddressBook);
        outcome.strUrl = DisplayUrl(server);
        outcome.strUser = m_state.m_strUser;
    }
    for (const CCardDavClient::AddressBook& book : books)
        outcome.books.push_back({DisplayUrl(book.url), book.strName});
    return outcome;
}
