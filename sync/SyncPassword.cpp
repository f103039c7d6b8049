#include "sync/SyncPassword.h"

#include <iostream>
#include <ostream>

#include <QUrl>

#include "shell/FileName.h"
#include "sync/ConfigFolder.h"
#include "sync/Keyring.h"
#include "sync/PasswordSource.h"
#include "sync/SyncText.h"

namespace {

using EKind = CSyncOutcome::EKind;
using EFile = CPasswordSource::EFile;

CSyncOutcome Of(EKind kind, const std::string& strMessage = "")
{
    CSyncOutcome outcome;
    outcome.kind = kind;
    outcome.strMessage = strMessage;
    return outcome;
}

}   // namespace

CSyncPassword::CSyncPassword(const CSyncOptions& options, CSyncState& state, std::ostream& info)
    : m_options(options)
    , m_state(state)
    , m_info(info)
{
}

CSyncOutcome CSyncPassword::Read(std::string& strPassword)
{
    const CSyncOutcome outcome = Find(strPassword);
    m_strPassword = strPassword;
    return outcome;
}

CSyncOutcome CSyncPassword::Find(std::string& strPassword)
{
    if (m_state.m_strUser.empty())
        return Of(EKind::kInStep);
    if (!m_options.strPasswordFile.empty() || m_options.bPasswordStdin)
        return Given(strPassword);
    if (CKeyring::Lookup(KeyringUrl(), m_state.m_strUser, strPassword))
        return Of(EKind::kInStep);
    if (!m_state.m_strPasswordFile.empty())
        return Remembered(strPassword);
    if (Prompt(strPassword))
        return Of(EKind::kInStep);
    CSyncOutcome missing = Of(EKind::kPasswordMissing);
    Complete(missing);
    return missing;
}

// --password-file or --password-stdin; a stdin that is the terminal asks
// there, without echo.
CSyncOutcome CSyncPassword::Given(std::string& strPassword)
{
    m_bGiven = true;
    if (m_options.bPasswordStdin) {
        if (Prompt(strPassword) || CPasswordSource::ReadLine(std::cin, strPassword))
            return Of(EKind::kInStep);
        return Of(EKind::kUsage, CSyncText::Tr("--password-stdin: no password came on standard input"));
    }
    const std::string& path = m_options.strPasswordFile;
    switch (CPasswordSource::ReadFile(path, strPassword)) {
    case EFile::kRead: m_strFileRead = CFileName::Absolute(path); return Of(EKind::kInStep);
    case EFile::kShared:
        return Of(EKind::kUsage,
            CSyncText::Tr(
                "%1: others can read this password file; make it yours alone (chmod 600 %1) and run again", {path}));
    case EFile::kUnreadable: break;
    }
    return Of(EKind::kUsage, CSyncText::Tr("%1: the password file cannot be read", {path}));
}

// The remembered file is checked as on the first day: a file others may
// read now, or one that is gone, stops the sync until the user sees to it.
CSyncOutcome CSyncPassword::Remembered(std::string& strPassword)
{
    const EFile read = CPasswordSource::ReadFile(m_state.m_strPasswordFile, strPassword);
    if (read == EFile::kRead) {
        m_strFileRead = m_state.m_strPasswordFile;
        return Of(EKind::kInStep);
    }
    CSyncOutcome unsafe = Of(EKind::kPasswordFileUnsafe);
    unsafe.strPath = m_state.m_strPasswordFile;
    unsafe.strDetail = read == EFile::kShared ? "" : CSyncText::Tr("it cannot be read");
    Complete(unsafe);
    return unsafe;
}

bool CSyncPassword::Prompt(std::string& strPassword)
{
    if (!CPasswordSource::Prompt(
            CSyncText::Tr("Password for %1 at %2: ", {m_state.m_strUser, Host()}), strPassword, m_info))
        return false;
    m_bGiven = m_bPrompted = true;
    return true;
}

bool CSyncPassword::Keep(CSyncOutcome& outcome)
{
    if (!m_bGiven || m_options.bDryRun)
        return false;
    outcome.passwordKept = CSyncOutcome::EPasswordKept::kNowhere;
    if (CKeyring::Store(m_state.m_strCollectionUrl, m_state.m_strUser, m_strPassword)) {
        outcome.passwordKept = CSyncOutcome::EPasswordKept::kKeyring;
        m_state.m_strPasswordFile.clear();
        return true;
    }
    if (!m_options.strPasswordFile.empty()) {
        // The file given holds it already: its path is remembered (never
        // the password), whole, so that a run from another folder finds it.
        const std::string path = CFileName::Absolute(m_options.strPasswordFile);
        outcome.passwordKept = CSyncOutcome::EPasswordKept::kFile;
        outcome.strPasswordFile = path;
        if (path != m_state.m_strPasswordFile)
            m_info << CSyncText::Tr(
                "The password could not be kept in the keyring (none is running); from now on the file %1"
                " is read for it. Keep it readable by you alone.",
                {path})
                   << '\n';
        m_state.m_strPasswordFile = path;
        return true;
    }
    const std::string own = CConfigFolder::FileFor(m_state.m_strDirectoryFile, ".password");
    const std::string path = m_state.m_strPasswordFile.empty() ? own : m_state.m_strPasswordFile;
    if (!m_options.bKeepPassword
        && !(m_bPrompted
            && CPasswordSource::Agree(CSyncText::Tr("Keep it in %1 (readable by you alone)? [y/N]", {path}), m_info)))
        return false;
    return KeepInFile(path, outcome);
}

bool CSyncPassword::KeepInFile(const std::string& strPath, CSyncOutcome& outcome)
{
    // The program's own file goes in its folder, made the user's alone.
    const bool bOwn = strPath == CConfigFolder::FileFor(m_state.m_strDirectoryFile, ".password");
    std::string strError = strPath;
    if ((bOwn && !CConfigFolder::Make()) || !CConfigFolder::WritePrivate(strPath, m_strPassword + '\n', strError)) {
        m_info << CSyncText::Tr("The password could not be kept: %1", {strError}) << '\n';
        return false;
    }
    outcome.passwordKept = CSyncOutcome::EPasswordKept::kFile;
    outcome.strPasswordFile = strPath;
    m_state.m_strPasswordFile = strPath;
    return true;
}

void CSyncPassword::Complete(CSyncOutcome& outcome) const
{
    if (outcome.kind == EKind::kPasswordRefused)
        outcome.strPath = m_strFileRead;
    if (outcome.strHost.empty())
        outcome.strHost = Host();
    outcome.strUrl = m_state.m_strServerUrl;
    outcome.strUser = m_state.m_strUser;
}

std::string CSyncPassword::KeyringUrl() const
{
    return m_state.m_strCollectionUrl.empty() ? m_state.m_strServerUrl : m_state.m_strCollectionUrl;
}

std::string CSyncPassword::Host() const
{
    return QUrl(QString::fromStdString(m_state.m_strServerUrl)).host().toStdString();
}
