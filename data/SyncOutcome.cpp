#include "data/SyncOutcome.h"

#include <algorithm>
#include <iterator>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QSaveFile>

#include "base/ExitStatus.h"
#include "data/SyncStatePath.h"

namespace {

using EKind = CSyncOutcome::EKind;

struct KindRow
{
    EKind kind;
    const char* pszName;
    int nExitStatus;
};

constexpr KindRow kKinds[] = {
    {EKind::kInStep, "in-step", ExitStatus::kSuccess},
    {EKind::kNetwork, "network", ExitStatus::kFailure},
    {EKind::kServerError, "server-error", ExitStatus::kFailure},
    {EKind::kNotCardDav, "not-carddav", ExitStatus::kFailure},
    {EKind::kNoAddressBook, "no-address-book", ExitStatus::kFailure},
    {EKind::kOtherServer, "other-server", ExitStatus::kFailure},
    {EKind::kCardsRefused, "cards-refused", ExitStatus::kFailure},
    {EKind::kKeptChanging, "kept-changing", ExitStatus::kFailure},
    {EKind::kDirectoryFile, "directory-file", ExitStatus::kFailure},
    {EKind::kStateDamaged, "state-damaged", ExitStatus::kFailure},
    {EKind::kStopped, "stopped", ExitStatus::kFailure},
    {EKind::kUsage, "usage", ExitStatus::kUsage},
    {EKind::kSeveralAddressBooks, "several-address-books", ExitStatus::kUsage},
    {EKind::kBusy, "busy", ExitStatus::kBusy},
    {EKind::kPasswordRefused, "password-refused", ExitStatus::kNeedsYou},
    {EKind::kPasswordMissing, "password-missing", ExitStatus::kNeedsYou},
    {EKind::kPasswordFileUnsafe, "password-file-unsafe", ExitStatus::kNeedsYou},
    {EKind::kAddressBookGone, "address-book-gone", ExitStatus::kNeedsYou},
    {EKind::kCertificateUntrusted, "certificate-untrusted", ExitStatus::kNeedsYou},
    {EKind::kTooManyDeletions, "too-many-deletions", ExitStatus::kNeedsYou},
};

const KindRow& Row(EKind kind)
{
    for (const KindRow& row : kKinds)
        if (row.kind == kind)
            return row;
    return kKinds[0];
}

const char* const kPasswordKept[] = {"", "keyring", "file", "nowhere"};
const char* const kFileProblem[]
    = {"", "unreadable", "changed-meanwhile", "last-record-unnamed", "not-saved", "not-saved-intact"};
const char* const kTimer[] = {"", "on", "off", "no-user-manager", "failed"};

template <size_t N> int IndexOf(const char* const (&names)[N], const QString& name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return static_cast<int>(i);
    return 0;
}

QString Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Text(const QJsonValue& value)
{
    return value.toString().toStdString();
}

QJsonArray Texts(const std::vector<std::string>& texts)
{
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(Text(text));
    return array;
}

std::vector<std::string> Texts(const QJsonValue& value)
{
    std::vector<std::string> texts;
    for (const QJsonValue& item : value.toArray())
        texts.push_back(Text(item));
    return texts;
}

QJsonArray Counts(const std::array<int, 3>& counts)
{
    return QJsonArray{counts[0], counts[1], counts[2]};
}

std::array<int, 3> Counts(const QJsonValue& value)
{
    const QJsonArray array = value.toArray();
    return {array.at(0).toInt(), array.at(1).toInt(), array.at(2).toInt()};
}

QJsonObject ToJson(const CSyncOutcome::Deletions& deletions)
{
    return QJsonObject{
        {"deleted", deletions.nDeleted}, {"total", deletions.nTotal}, {"names", Texts(deletions.names)}};
}

CSyncOutcome::Deletions DeletionsFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    return {object["deleted"].toInt(), object["total"].toInt(), Texts(object["names"])};
}

QJsonObject ToJson(const CSyncOutcome::Conflict& conflict)
{
    QJsonArray fields;
    for (const CSyncOutcome::Conflict::Field& field : conflict.fields)
        fields.append(QJsonObject{
            {"field", Text(field.strField)}, {"here", Text(field.strHere)}, {"there", Text(field.strThere)}});
    return QJsonObject{{"name", Text(conflict.strName)}, {"copy", Text(conflict.strCopyName)}, {"fields", fields}};
}

CSyncOutcome::Conflict ConflictFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    CSyncOutcome::Conflict conflict{Text(object["name"]), Text(object["copy"]), {}};
    for (const QJsonValue& item : object["fields"].toArray()) {
        const QJsonObject field = item.toObject();
        conflict.fields.push_back({Text(field["field"]), Text(field["here"]), Text(field["there"])});
    }
    return conflict;
}

}   // namespace

int CSyncOutcome::ExitStatus() const
{
    // A timer that could not be set is a failure, though no sync ran.
    if (timer == ETimer::kFailed || timer == ETimer::kNoUserManager)
        return ExitStatus::kFailure;
    return Row(kind).nExitStatus;
}

bool CSyncOutcome::NeedsYou() const
{
    return ExitStatus() == ExitStatus::kNeedsYou;
}

const char* CSyncOutcome::KindName(EKind kind)
{
    return Row(kind).pszName;
}

std::string CSyncOutcome::ToJson() const
{
    QJsonObject object{
        {"kind", QLatin1String(KindName(kind))},
        {"status", ExitStatus()},
        {"dryRun", bDryRun},
        {"httpStatus", nHttpStatus},
        {"timeoutSeconds", nTimeoutSeconds},
        {"fileProblem", QLatin1String(kFileProblem[static_cast<int>(fileProblem)])},
        {"host", Text(strHost)},
        {"url", Text(strUrl)},
        {"user", Text(strUser)},
        {"path", Text(strPath)},
        {"detail", Text(strDetail)},
        {"names", Texts(names)},
        {"count", nCount},
        {"tried", Texts(tried)},
        {"here", ::ToJson(here)},
        {"there", ::ToJson(there)},
        {"certificate",
            QJsonObject{{"subject", Text(certificate.strSubject)}, {"issuer", Text(certificate.strIssuer)},
                {"sha256", Text(certificate.strSha256)}, {"pem", Text(certificate.strPem)}}},
        {"doneHere", Counts(doneHere)},
        {"doneThere", Counts(doneThere)},
        {"passwordKept", QLatin1String(kPasswordKept[static_cast<int>(passwordKept)])},
        {"passwordFile", Text(strPasswordFile)},
        {"timer", QLatin1String(kTimer[static_cast<int>(timer)])},
        {"collection", Text(strCollectionUrl)},
        {"message", Text(strMessage)},
    };
    QJsonArray bookArray;
    for (const AddressBook& book : books)
        bookArray.append(QJsonObject{{"url", Text(book.strUrl)}, {"name", Text(book.strName)}});
    object["books"] = bookArray;
    QJsonArray conflictArray;
    for (const Conflict& conflict : conflicts)
        conflictArray.append(::ToJson(conflict));
    object["conflicts"] = conflictArray;
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

bool CSyncOutcome::FromJson(const std::string& strJson, CSyncOutcome& outcome)
{
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray(strJson.data(), static_cast<qsizetype>(strJson.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QString kindName = object["kind"].toString();
    const auto row = std::find_if(std::begin(kKinds), std::end(kKinds),
        [&](const KindRow& candidate) { return kindName == QLatin1String(candidate.pszName); });
    if (row == std::end(kKinds))
        return false;
    CSyncOutcome read;
    read.kind = row->kind;
    read.bDryRun = object["dryRun"].toBool();
    read.nHttpStatus = object["httpStatus"].toInt();
    read.nTimeoutSeconds = object["timeoutSeconds"].toInt();
    read.fileProblem = static_cast<EFileProblem>(IndexOf(kFileProblem, object["fileProblem"].toString()));
    read.strHost = Text(object["host"]);
    read.strUrl = Text(object["url"]);
    read.strUser = Text(object["user"]);
    read.strPath = Text(object["path"]);
    read.strDetail = Text(object["detail"]);
    read.names = Texts(object["names"]);
    read.nCount = object["count"].toInt();
    read.tried = Texts(object["tried"]);
    read.here = DeletionsFrom(object["here"]);
    read.there = DeletionsFrom(object["there"]);
    const QJsonObject certificate = object["certificate"].toObject();
    read.certificate = {Text(certificate["subject"]), Text(certificate["issuer"]), Text(certificate["sha256"]),
        Text(certificate["pem"])};
    for (const QJsonValue& item : object["books"].toArray())
        read.books.push_back({Text(item.toObject()["url"]), Text(item.toObject()["name"])});
    read.doneHere = Counts(object["doneHere"]);
    read.doneThere = Counts(object["doneThere"]);
    for (const QJsonValue& item : object["conflicts"].toArray())
        read.conflicts.push_back(ConflictFrom(item));
    read.passwordKept = static_cast<EPasswordKept>(IndexOf(kPasswordKept, object["passwordKept"].toString()));
    read.strPasswordFile = Text(object["passwordFile"]);
    read.timer = static_cast<ETimer>(IndexOf(kTimer, object["timer"].toString()));
    read.strCollectionUrl = Text(object["collection"]);
    read.strMessage = Text(object["message"]);
    outcome = std::move(read);
    return true;
}

std::string CSyncOutcome::PathFor(const std::string& strDirectoryFile)
{
    return SyncStatePathFor(strDirectoryFile) + ".outcome";
}

bool CSyncOutcome::Keep(const std::string& strDirectoryFile) const
{
    const QString path = QString::fromStdString(PathFor(strDirectoryFile));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const std::string json = ToJson() + '\n';
    if (file.write(json.data(), static_cast<qint64>(json.size())) != static_cast<qint64>(json.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CSyncOutcome::LastFor(const std::string& strDirectoryFile, CSyncOutcome& outcome)
{
    QFile file(QString::fromStdString(PathFor(strDirectoryFile)));
    // An outcome is a few kilobytes; anything far larger is none of ours.
    constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return false;
    return FromJson(file.readAll().toStdString(), outcome);
}
