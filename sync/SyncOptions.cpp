#include "sync/SyncOptions.h"

#include <QRegularExpression>

#include "shell/ToolParser.h"
#include "shell/ToolShell.h"
#include "sync/SyncText.h"

namespace {

// The shell's parser, with the sync's own options.
struct Parser : CToolParser
{
    const QCommandLineOption url{"url", "", "URL"};
    const QCommandLineOption user{"user", "", "NAME"};
    const QCommandLineOption passwordFile{"password-file", "", "FILE"};
    const QCommandLineOption passwordStdin{"password-stdin"};
    const QCommandLineOption password{"password", "", "PASSWORD"};
    const QCommandLineOption keepPassword{"keep-password"};
    const QCommandLineOption certificate{"certificate", "", "FILE"};
    const QCommandLineOption acceptCertificate{"accept-certificate", "", "SHA256"};
    const QCommandLineOption timeout{"timeout", "", "SECONDS"};
    const QCommandLineOption dryRun{"dry-run"};
    const QCommandLineOption force{"force"};
    const QCommandLineOption bringBack{"bring-back"};
    const QCommandLineOption discover{"discover"};
    const QCommandLineOption forget{"forget"};
    const QCommandLineOption timer{"timer", "", "on|off|status"};
    const QCommandLineOption report{"report", "", "json"};

    Parser()
    {
        parser.addOptions({url, user, passwordFile, passwordStdin, password, keepPassword, certificate,
            acceptCertificate, timeout, dryRun, force, bringBack, discover, forget, timer, report});
    }

    // The one value of an option given at most once.
    std::string Single(const QCommandLineOption& option) const
    {
        if (parser.values(option).size() > 1)
            throw std::string(CSyncText::Tr("--%1 given more than once", {option.names().first().toStdString()}));
        return Value(option);
    }
};

// The fingerprint as hex digits alone, upper case; empty when it is not one.
std::string Sha256Digits(QString text)
{
    text.remove(':');
    text = text.toUpper();
    static const QRegularExpression kHex(QStringLiteral("^[0-9A-F]{64}$"));
    return kHex.match(text).hasMatch() ? text.toStdString() : std::string();
}

// Where to sync and how to reach it: the file, the server, the user, the
// password's source, the certificate and the timeout.
void TakeServer(const Parser& p, CSyncOptions& o)
{
    if (p.parser.isSet(p.file))
        o.strFile = p.Single(p.file);
    o.strUrl = p.Single(p.url);
    o.strUser = p.Single(p.user);
    o.strPasswordFile = p.Single(p.passwordFile);
    o.bPasswordStdin = p.parser.isSet(p.passwordStdin);
    if (o.bPasswordStdin && !o.strPasswordFile.empty())
        throw CSyncText::Tr("give the password with --password-file or --password-stdin, not both");
    o.bKeepPassword = p.parser.isSet(p.keepPassword);
    o.strCertificate = p.Single(p.certificate);
    if (p.parser.isSet(p.acceptCertificate)) {
        o.strAcceptSha256 = Sha256Digits(QString::fromStdString(p.Single(p.acceptCertificate)));
        if (o.strAcceptSha256.empty())
            throw CSyncText::Tr("--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)");
    }
    if (p.parser.isSet(p.timeout)) {
        bool bNumber = false;
        o.nTimeoutSeconds = QString::fromStdString(p.Single(p.timeout)).toInt(&bNumber);
        if (!bNumber || o.nTimeoutSeconds < 1 || o.nTimeoutSeconds > 3600)
            throw CSyncText::Tr("--timeout needs a number of seconds from 1 to 3600");
    }
}

// What the run does: sync (and how), or one of the runs that stand alone.
void TakeRun(const Parser& p, CSyncOptions& o)
{
    o.bDryRun = p.parser.isSet(p.dryRun);
    o.bForce = p.parser.isSet(p.force);
    o.bBringBack = p.parser.isSet(p.bringBack);
    o.bVerbose = p.parser.isSet(p.verbose);
    o.bDiscover = p.parser.isSet(p.discover);
    o.bForget = p.parser.isSet(p.forget);
    if (p.parser.isSet(p.timer)) {
        const std::string value = p.Single(p.timer);
        o.timer = value == "on" ? CSyncOptions::ETimer::kOn
            : value == "off"    ? CSyncOptions::ETimer::kOff
            : value == "status" ? CSyncOptions::ETimer::kStatus
                                : CSyncOptions::ETimer::kNotAsked;
        if (o.timer == CSyncOptions::ETimer::kNotAsked)
            throw CSyncText::Tr("--timer takes on, off or status");
    }
    if (int(o.bDiscover) + int(o.bForget) + int(o.timer != CSyncOptions::ETimer::kNotAsked) > 1)
        throw CSyncText::Tr("--discover, --forget and --timer each run alone");
    if (o.bDiscover && o.strUrl.empty())
        throw CSyncText::Tr("--discover needs --url (the server or the address book)");
}

}   // namespace

bool CSyncOptions::Parse(const std::vector<std::string>& args, std::string& strProblem)
{
    Parser p;
    const bool bParsed = p.Parse("dialstack-sync", args);
    if (p.parser.isSet(p.report) && p.parser.values(p.report).last() == QLatin1String("json"))
        report = EReport::kJson;
    if (!bParsed) {
        strProblem = p.ErrorText();
        return false;
    }
    bHelp = p.parser.isSet(p.help);
    bVersion = p.parser.isSet(p.version);
    if (bHelp || bVersion)
        return true;
    try {
        if (p.parser.isSet(p.password))
            throw CSyncText::Tr(
                "a password is never taken on the command line: use --password-file FILE, --password-stdin,"
                " or the keyring");
        if (const std::vector<std::string> arguments = p.Arguments(); !arguments.empty())
            throw CSyncText::Tr("unexpected argument: %1", {arguments.front()});
        if (p.parser.isSet(p.report) && (p.Single(p.report) != "json"))
            throw CSyncText::Tr("--report takes json");
        TakeServer(p, *this);
        TakeRun(p, *this);
        if (const std::string problem = CToolShell::DirectoryFileProblem(strFile); !problem.empty())
            throw problem;
    } catch (const std::string& problem) {
        strProblem = problem;
        return false;
    }
    return true;
}
