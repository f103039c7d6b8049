#include "sync/SyncState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "data/SafeFileReplace.h"
#include "data/SyncStatePath.h"
#include "shell/FileName.h"
#include "sync/SyncText.h"

namespace {

// Fields and ETags are bytes; Latin-1 carries every byte value into JSON
// and back unchanged.
QString Text(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Text(const CString& bytes)
{
    return QString::fromLatin1(bytes.GetString(), bytes.GetLength());
}

std::string Bytes(const QJsonValue& value)
{
    return value.toString().toLatin1().toStdString();
}

CString Field(const QJsonValue& value)
{
    return CString(Bytes(value));
}

QJsonObject ToJson(const CSyncEntry& entry)
{
    QJsonObject object;
    object["uid"] = Text(entry.strUid);
    object["href"] = Text(entry.strHref);
    object["etag"] = Text(entry.strEtag);
    object["name"] = Text(entry.fields.strName);
    object["phone"] = Text(entry.fields.strPhone);
    object["pager"] = Text(entry.fields.strPager);
    object["email"] = Text(entry.fields.strEmail);
    object["misc"] = Text(entry.fields.strMisc);
    return object;
}

CSyncEntry FromJson(const QJsonObject& object)
{
    CSyncEntry entry;
    entry.strUid = Bytes(object["uid"]);
    entry.strHref = Bytes(object["href"]);
    entry.strEtag = Bytes(object["etag"]);
    entry.fields.strName = Field(object["name"]);
    entry.fields.strPhone = Field(object["phone"]);
    entry.fields.strPager = Field(object["pager"]);
    entry.fields.strEmail = Field(object["email"]);
    entry.fields.strMisc = Field(object["misc"]);
    return entry;
}

QJsonObject ToJson(const CSyncState::PendingCreate& pending)
{
    QJsonObject object;
    object["at"] = static_cast<qint64>(pending.nAt);
    object["entry"] = ToJson(pending.entry);
    return object;
}

CSyncState::PendingCreate PendingFromJson(const QJsonObject& object)
{
    CSyncState::PendingCreate pending;
    pending.nAt = static_cast<size_t>(std::max<qint64>(0, object["at"].toInteger()));
    pending.entry = FromJson(object["entry"].toObject());
    return pending;
}

void Settle(std::vector<CSyncState::PendingCreate>& pending, const std::string& strHref)
{
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                      [&](const CSyncState::PendingCreate& p) { return p.entry.strHref == strHref; }),
        pending.end());
}

// The state names the user's servers and holds every synced record: the
// user's alone, whatever the umask.
constexpr mode_t kPrivate = 0600;

std::string JournalPath(const std::string& strPath)
{
    return strPath + ".journal";
}

std::string Damaged()
{
    return CSyncText::Tr("it is no sync state this program wrote, or it was cut short");
}

std::string JournalNotWritten(const std::string& strPath)
{
    return CSyncText::Tr("%1: the sync journal could not be written", {JournalPath(strPath)});
}

std::string Line(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + '\n';
}

// The folder the state at strPath goes in, the user's alone: the state
// names their servers.
bool MakePrivateFolder(const std::string& strPath, std::string& strError)
{
    const QString folder = QFileInfo(CFileName::Decode(strPath)).absolutePath();
    if (QDir().mkpath(folder)
        && QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return true;
    strError = CSyncText::Tr("%1: the folder could not be made", {CFileName::Encode(folder)});
    return false;
}

}   // namespace

CSyncState::~CSyncState()
{
    CloseJournal();
}

std::string CSyncState::PathFor(const std::string& strDirectoryFile)
{
    return SyncStatePathFor(strDirectoryFile);
}

void CSyncState::Forget(const std::string& strPath)
{
    std::remove(strPath.c_str());
    std::remove(JournalPath(strPath).c_str());
}

bool CSyncState::Load(const std::string& strPath, std::string& strError)
{
    CloseJournal();
    m_strPath = strPath;
    QFile file(CFileName::Decode(strPath));
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        strError = file.errorString().toStdString();
        return false;
    }
    // One JSON object a line: the header, then one entry per synced record.
    // Read line by line, so that a large state never sits in memory twice.
    const QJsonObject root = QJsonDocument::fromJson(file.readLine()).object();
    if (root.isEmpty() || !root["entries"].isDouble()) {
        strError = Damaged();
        return false;
    }
    m_strDirectoryFile = root["directory"].toString().toStdString();
    m_strServerUrl = root["server"].toString().toStdString();
    m_strCollectionUrl = root["url"].toString().toStdString();
    m_strUser = root["user"].toString().toStdString();
    m_strPasswordFile = root["passwordFile"].toString().toStdString();
    m_strCertificateFile = root["certificate"].toString().toStdString();
    m_strSyncToken = root["syncToken"].toString().toStdString();
    m_nGeneration = root["generation"].toInteger();
    m_nCardVersion = root["cardVersion"].toInt();
    m_pending.clear();
    for (const QJsonValue& pending : root["pending"].toArray())
        m_pending.push_back(PendingFromJson(pending.toObject()));
    m_entries.clear();
    const qint64 nEntries = root["entries"].toInteger();
    while (!file.atEnd() && static_cast<qint64>(m_entries.size()) < nEntries)
        m_entries.push_back(FromJson(QJsonDocument::fromJson(file.readLine()).object()));
    if (static_cast<qint64>(m_entries.size()) != nEntries) {
        strError = Damaged();
        return false;
    }
    ReplayJournal();
    return true;
}

void CSyncState::ReplayJournal()
{
    m_nJournalLength = -1;
    QFile journal(CFileName::Decode(JournalPath(m_strPath)));
    if (!journal.open(QIODevice::ReadOnly))
        return;
    bool bFirst = true;
    while (!journal.atEnd()) {
        const QByteArray line = journal.readLine();
        // A line cut short by a killed process ends the journal.
        if (!line.endsWith('\n'))
            return;
        const QJsonObject op = QJsonDocument::fromJson(line).object();
        if (bFirst) {
            if (op["base"].toInteger(-1) != m_nGeneration)
                return;
            bFirst = false;
            m_nJournalLength = journal.pos();
            continue;
        }
        const QString kind = op["op"].toString();
        const qint64 nAt = op["at"].toInteger(-1);
        if (nAt < 0 || nAt > static_cast<qint64>(m_entries.size()))
            return;
        const auto at = m_entries.begin() + nAt;
        if (kind == QLatin1String("insert")) {
            m_entries.insert(at, FromJson(op["entry"].toObject()));
            Settle(m_pending, m_entries[static_cast<size_t>(nAt)].strHref);
        } else if (kind == QLatin1String("pending"))
            m_pending.push_back(PendingFromJson(op));
        else if (kind == QLatin1String("replace") && at != m_entries.end())
            *at = FromJson(op["entry"].toObject());
        else if (kind == QLatin1String("remove") && at != m_entries.end())
            m_entries.erase(at);
        else
            return;
        m_nJournalLength = journal.pos();
    }
}

// The state file's first line: what the state is about, the generation it
// is once saved, and how many entry lines follow.
std::string CSyncState::HeaderLine() const
{
    QJsonObject root;
    root["directory"] = QString::fromStdString(m_strDirectoryFile);
    root["server"] = QString::fromStdString(m_strServerUrl);
    root["url"] = QString::fromStdString(m_strCollectionUrl);
    root["user"] = QString::fromStdString(m_strUser);
    if (!m_strPasswordFile.empty())
        root["passwordFile"] = QString::fromStdString(m_strPasswordFile);
    if (!m_strCertificateFile.empty())
        root["certificate"] = QString::fromStdString(m_strCertificateFile);
    root["syncToken"] = QString::fromStdString(m_strSyncToken);
    root["generation"] = m_nGeneration + 1;
    root["entries"] = static_cast<qint64>(m_entries.size());
    if (m_nCardVersion != 0)
        root["cardVersion"] = m_nCardVersion;
    QJsonArray pending;
    for (const PendingCreate& create : m_pending)
        pending.append(ToJson(create));
    if (!pending.isEmpty())
        root["pending"] = pending;
    return Line(root);
}

bool CSyncState::Save(std::string& strError)
{
    CloseJournal();
    if (!MakePrivateFolder(m_strPath, strError))
        return false;
    // An older state file may have been made readable by others.
    (void)!::chmod(m_strPath.c_str(), kPrivate);
    const CReplaceResult result = ReplaceFileSafely(m_strPath.c_str(), [&](CByteSink& sink) {
        std::string line = HeaderLine();
        if (!sink.Write(line.data(), line.size()))
            return false;
        for (const CSyncEntry& entry : m_entries) {
            line = Line(ToJson(entry));
            if (!sink.Write(line.data(), line.size()))
                return false;
        }
        return true;
    });
    if (!result.bOk) {
        strError
            = CSyncText::Tr("%1: the sync state could not be saved: %2", {m_strPath, result.strReason.GetString()});
        return false;
    }
    if (::chmod(m_strPath.c_str(), kPrivate) != 0) {
        strError = CSyncText::Tr("%1: the sync state could not be made private", {m_strPath});
        return false;
    }
    ++m_nGeneration;
    m_nJournalLength = -1;
    // The old journal is part of the file just written.
    std::remove(JournalPath(m_strPath).c_str());
    return true;
}

bool CSyncState::Journal(const std::string& strLine, std::string& strError)
{
    if (m_pJournal == nullptr) {
        // A journal that continues this state goes on after its last whole
        // line; any other is started afresh.
        const std::string path = JournalPath(m_strPath);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kPrivate);
        const off_t nKeep = m_nJournalLength > 0 ? static_cast<off_t>(m_nJournalLength) : 0;
        m_pJournal
            = fd < 0 || ::ftruncate(fd, nKeep) != 0 || ::lseek(fd, nKeep, SEEK_SET) < 0 ? nullptr : ::fdopen(fd, "w");
        if (m_pJournal == nullptr) {
            if (fd >= 0)
                ::close(fd);
            strError = JournalNotWritten(m_strPath);
            return false;
        }
        if (nKeep == 0) {
            QJsonObject header;
            header["base"] = m_nGeneration;
            std::fputs(Line(header).c_str(), m_pJournal);
        }
        m_nJournalLength = -1;
    }
    // Flushed to the system at once: a killed process loses nothing written
    // here (a power failure may; the next sync then finds the card on the
    // server and pairs it with its record, since both hold the same fields).
    if (std::fputs(strLine.c_str(), m_pJournal) < 0 || std::fflush(m_pJournal) != 0) {
        strError = JournalNotWritten(m_strPath);
        return false;
    }
    return true;
}

void CSyncState::CloseJournal()
{
    if (m_pJournal != nullptr)
        std::fclose(m_pJournal);
    m_pJournal = nullptr;
}

bool CSyncState::Insert(size_t nAt, const CSyncEntry& entry, std::string& strError)
{
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(nAt), entry);
    Settle(m_pending, entry.strHref);
    QJsonObject op;
    op["op"] = "insert";
    op["at"] = static_cast<qint64>(nAt);
    op["entry"] = ToJson(entry);
    return Journal(Line(op), strError);
}

bool CSyncState::Replace(size_t nAt, const CSyncEntry& entry, std::string& strError)
{
    m_entries[nAt] = entry;
    QJsonObject op;
    op["op"] = "replace";
    op["at"] = static_cast<qint64>(nAt);
    op["entry"] = ToJson(entry);
    return Journal(Line(op), strError);
}

bool CSyncState::Remove(size_t nAt, std::string& strError)
{
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(nAt));
    QJsonObject op;
    op["op"] = "remove";
    op["at"] = static_cast<qint64>(nAt);
    return Journal(Line(op), strError);
}

bool CSyncState::NotePending(const PendingCreate& pending, std::string& strError)
{
    m_pending.push_back(pending);
    QJsonObject op = ToJson(pending);
    op["op"] = "pending";
    return Journal(Line(op), strError);
}
