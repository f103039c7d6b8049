// The CardDAV client against a local server that answers from a script:
// what each reply a real server may send becomes in the client's terms
// (a card's own status, a refusal and its reason, a write without an ETag);
// and the reader of multistatus replies beneath it: what each member
// carries into the sync, and the condition a refused write names.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include "sync/CardDavClient.h"
#include "sync/DavMultiStatus.h"

namespace {

struct Canned
{
    int nStatus;
    std::string body;
    std::string headers;   // extra header lines, each ending in \r\n
};

// Answers each request with the next canned reply (the last one again
// once the script runs out; status 0: no answer at all), on a kept-alive
// connection, and counts them and keeps the Depth header of each.
class ScriptedServer
{
public:
    explicit ScriptedServer(std::vector<Canned> script)
        : m_script(std::move(script))
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket* pSocket = m_server.nextPendingConnection();
            auto pBuffer = std::make_shared<QByteArray>();
            QObject::connect(pSocket, &QTcpSocket::readyRead, [this, pSocket, pBuffer] {
                *pBuffer += pSocket->readAll();
                while (AnswerOne(*pSocket, *pBuffer)) {
                }
            });
        });
    }

    QUrl Collection() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/book/").arg(m_server.serverPort())); }
    int Requests() const { return m_nRequests; }
    const std::vector<QByteArray>& Depths() const { return m_depths; }

private:
    bool AnswerOne(QTcpSocket& socket, QByteArray& buffer)
    {
        const qsizetype nHeaderEnd = buffer.indexOf("\r\n\r\n");
        if (nHeaderEnd < 0)
            return false;
        qsizetype nLength = 0;
        for (const QByteArray& line : buffer.left(nHeaderEnd).split('\n'))
            if (line.toLower().startsWith("content-length:"))
                nLength = line.mid(15).trimmed().toLongLong();
            else if (line.toLower().startsWith("depth:"))
                m_depths.push_back(line.mid(6).trimmed());
        if (buffer.size() < nHeaderEnd + 4 + nLength)
            return false;
        buffer.remove(0, nHeaderEnd + 4 + nLength);
        const Canned& reply = m_script[std::min(static_cast<size_t>(m_nRequests), m_script.size() - 1)];
        ++m_nRequests;
        if (reply.nStatus == 0)
            return true;   // never answered
        const std::string text = "HTTP/1.1 " + std::to_string(reply.nStatus) + " X\r\nContent-Length: "
            + std::to_string(reply.body.size()) + "\r\n" + reply.headers + "\r\n" + reply.body;
        socket.write(text.data(), static_cast<qint64>(text.size()));
        return true;
    }

    std::vector<Canned> m_script;
    QTcpServer m_server;
    int m_nRequests = 0;
    std::vector<QByteArray> m_depths;
};

std::string Multistatus(const std::string& responses)
{
    return "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
        + responses + "</D:multistatus>";
}

std::string Member(const std::string& href, const std::string& inside)
{
    return "<D:response><D:href>" + href + "</D:href>" + inside + "</D:response>";
}

std::string Props(const std::string& props, int nStatus)
{
    return "<D:propstat><D:prop>" + props + "</D:prop><D:status>HTTP/1.1 " + std::to_string(nStatus)
        + " X</D:status></D:propstat>";
}

std::string Status(int nStatus)
{
    return "<D:status>HTTP/1.1 " + std::to_string(nStatus) + " X</D:status>";
}

const char* Name(CAddressBook::WriteResult result)
{
    using W = CAddressBook::WriteResult;
    switch (result) {
    case W::kDone: return "done";
    case W::kConflict: return "conflict";
    case W::kGone: return "gone";
    case W::kRefused: return "refused";
    case W::kUnsupportedVersion: return "unsupported version";
    case W::kFailed: return "failed";
    }
    return "?";
}

// A failure as "kind status[ detail]".
std::string Said(const CSyncOutcome& failure)
{
    return std::string(CSyncOutcome::KindName(failure.kind)) + " " + std::to_string(failure.nHttpStatus)
        + (failure.strDetail.empty() ? "" : " " + failure.strDetail)
        + (failure.nTimeoutSeconds == 0 ? "" : " (" + std::to_string(failure.nTimeoutSeconds) + " s)");
}

// One action of the client; what it gives, in words.
using Action = std::function<std::string(CCardDavClient&, const QUrl&)>;

std::string Fetch(CCardDavClient& client, const QUrl& collection)
{
    std::vector<CAddressBook::Card> cards;
    CSyncOutcome failure;
    if (!client.Fetch(collection, {"/book/1.vcf", "/book/2.vcf", "/book/3.vcf", "/book/4.vcf"}, cards, failure))
        return "failed: " + Said(failure);
    std::string text;
    for (const CAddressBook::Card& card : cards)
        text += card.strHref + " " + std::to_string(card.nStatus) + "; ";
    return text;
}

std::string List(CCardDavClient& client, const QUrl& collection)
{
    CAddressBook::Changes changes;
    CSyncOutcome failure;
    if (!client.ListChanges(collection, "token-1", changes, failure))
        return "failed: " + Said(failure);
    return "listed " + std::to_string(changes.changed.size());
}

Action Put(const std::string& strIfMatch)
{
    return [strIfMatch](CCardDavClient& client, const QUrl& collection) {
        std::string strEtag = "unset";
        CSyncOutcome failure;
        const auto result = client.Put(collection, "/book/1.vcf", "BEGIN:VCARD", strIfMatch, strEtag, failure);
        return std::string(Name(result)) + " [" + strEtag + "]"
            + (failure.kind == CSyncOutcome::EKind::kInStep ? "" : " " + Said(failure));
    };
}

std::string Delete(CCardDavClient& client, const QUrl& collection)
{
    CSyncOutcome failure;
    return Name(client.Delete(collection, "/book/1.vcf", "\"1\"", failure));
}

// Discovery from the collection's URL: the books found, or the failure and
// the paths tried.
std::string Discover(CCardDavClient& client, const QUrl& collection)
{
    std::vector<CCardDavClient::AddressBook> books;
    CSyncOutcome failure;
    if (!client.Discover(collection, books, failure)) {
        std::string tried;
        for (const std::string& path : failure.tried)
            tried += " " + path;
        return "failed: " + Said(failure) + " " + QUrl(QString::fromStdString(failure.strUrl)).path().toStdString()
            + tried;
    }
    return std::to_string(books.size()) + " found";
}

// The same action where nobody listens.
Action Unreachable(Action action)
{
    return [action](CCardDavClient& client, const QUrl& collection) {
        QUrl closed = collection;
        closed.setPort(1);
        return action(client, closed);
    };
}

std::string Versions(CCardDavClient& client, const QUrl& collection)
{
    CSyncOutcome failure;
    return client.TakesVCard4(collection, failure) ? "4.0" : "3.0";
}

std::string SupportedData(const std::string& types)
{
    return Multistatus(Member("/book/", Props("<C:supported-address-data>" + types + "</C:supported-address-data>", 200)));
}

TEST(CardDavClientTest, RepliesBecomeWhatTheSyncActsOn)
{
    int argc = 1;
    char name[] = "sync_client_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const std::string card = "<D:getetag>\"1\"</D:getetag><C:address-data>BEGIN:VCARD</C:address-data>";
    const struct
    {
        const char* pszName;
        std::vector<Canned> script;
        Action action;
        std::string expected;
        int nRequests;
    } kRows[] = {
        {"each card of a multiget with its own status",
            {{207,
                Multistatus(Member("/book/1.vcf", Props(card, 200)) + Member("/book/2.vcf", Status(503))
                    + Member("/book/3.vcf", Status(410))
                    + Member("/book/4.vcf", Props("<D:getetag/><C:address-data/>", 404))
                    + Member("/book/5.vcf", Props("<D:getetag>\"5\"</D:getetag>", 200)
                        + Props("<C:address-data/>", 500))
                    + Member("/book/6.vcf", Props("<D:getetag>\"6\"</D:getetag>", 200)
                        + Props("<C:address-data/>", 404))),
                ""}},
            Fetch, "/book/1.vcf 200; /book/2.vcf 503; /book/3.vcf 410; /book/4.vcf 404; /book/5.vcf 500; /book/6.vcf 0; ",
            1},
        // The kind of a failure comes from the reply the client got.
        {"a multiget refused as a whole", {{500, "", ""}}, Fetch, "failed: server-error 500", 1},
        {"a refused password", {{401, "", ""}}, Fetch, "failed: password-refused 401", 1},
        {"the address book itself not found", {{404, "", ""}}, Fetch, "failed: address-book-gone 404", 1},
        {"the address book itself gone", {{410, "", ""}}, List, "failed: address-book-gone 410", 3},
        {"a card's write not found is no vanished address book", {{404, "", ""}}, Put("\"1\""),
            "failed [unset] server-error 404", 1},
        {"nobody listening", {}, Unreachable(Fetch), "failed: network 0 Connection refused", 0},
        {"no answer in time", {{0, "", ""}}, Fetch, "failed: network 0 (1 s)", 1},
        {"a web page where a CardDAV server should be", {{200, "<html></html>", ""}}, Discover,
            "failed: not-carddav 200 /book/ /book/ /.well-known/carddav", 2},
        {"a well-known address that is not found either", {{200, "", ""}, {404, "", ""}}, Discover,
            "failed: not-carddav 404 /book/ /book/ /.well-known/carddav", 2},
        {"a DAV server without address books", {{207, Multistatus(Member("/book/", Props("<D:resourcetype/>", 200))), ""}},
            Discover, "0 found", 4},
        {"a listed card with an error fails the listing at once",
            {{207, Multistatus(Member("/book/1.vcf", Status(500))), ""}}, List, "failed: server-error 500", 1},
        {"an unreadable listing is no listing", {{207, "<not xml", ""}}, List,
            "failed: server-error 207 Premature end of document.", 3},
        {"a listed card without an ETag is no listing",
            {{403, "", ""}, {403, "", ""}, {207, Multistatus(Member("/book/1.vcf", Props("<D:getetag/>", 404))), ""}},
            List, "failed: server-error 404", 3},
        {"a PUT without an ETag is not followed by a request for it", {{201, "", ""}}, Put(""), "done []", 1},
        {"a PUT's ETag", {{204, "", "ETag: \"7\"\r\n"}}, Put("\"1\""), "done [\"7\"]", 1},
        {"a PUT someone else beat", {{412, "", ""}}, Put("\"1\""), "conflict [unset]", 1},
        {"vCard 4.0 refused by its condition",
            {{415,
                "<?xml version=\"1.0\"?><D:error xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
                "<C:supported-address-data/></D:error>",
                ""}},
            Put(""), "unsupported version [unset] cards-refused 415 supported-address-data", 1},
        {"a card refused with a plain reason", {{403, "Card too large\x1b[2J\r\nmore", ""}}, Put(""),
            "refused [unset] cards-refused 403 Card too large\x1b[2J", 1},
        {"a card refused with a page", {{409, "<html><body>Conflict</body></html>", ""}}, Put(""),
            "refused [unset] cards-refused 409", 1},
        {"a server error stops the sync", {{503, "", ""}}, Put(""), "failed [unset] server-error 503", 1},
        {"a delete of a card already gone (404)", {{404, "", ""}}, Delete, "gone", 1},
        {"a delete of a card already gone (410)", {{410, "", ""}}, Delete, "gone", 1},
        {"a collection that lists only vCard 3.0",
            {{207, SupportedData("<C:address-data-type content-type=\"text/vcard\" version=\"3.0\"/>"), ""}}, Versions,
            "3.0", 1},
        {"a collection that lists 4.0",
            {{207,
                SupportedData("<C:address-data-type content-type=\"text/vcard\" version=\"3.0\"/>"
                              "<C:address-data-type content-type=\"text/vcard\" version=\"4.0\"/>"),
                ""}},
            Versions, "4.0", 1},
        {"a collection that says nothing of versions",
            {{207, Multistatus(Member("/book/", Props("<C:supported-address-data/>", 404))), ""}}, Versions, "4.0",
            1},
        {"a collection that cannot be asked", {{500, "", ""}}, Versions, "4.0", 1},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.pszName);
        ScriptedServer server(row.script);
        CHttpSession session;
        session.SetDeadline(1);
        CCardDavClient client(session);
        EXPECT_EQ(row.expected, row.action(client, server.Collection()));
        EXPECT_EQ(row.nRequests, server.Requests());
        // The only depths a client may ask for besides "infinity", which no
        // request of ours needs.
        for (const QByteArray& depth : server.Depths())
            EXPECT_TRUE(depth == "0" || depth == "1") << depth.toStdString();
    }
    // A stopped session sends nothing more, and says why.
    ScriptedServer server({{207, Multistatus(""), ""}});
    CHttpSession session;
    CCardDavClient client(session);
    session.Stop("SIGTERM");
    EXPECT_EQ("failed: stopped 0 SIGTERM", Fetch(client, server.Collection()));
    EXPECT_EQ(0, server.Requests());
}

// Each member of a parsed reply as "href|status|the address data's
// status|ETag|address data|the vCard versions it lists" ("-": none given).
std::vector<std::string> Parsed(const std::string& responses)
{
    CDavMultiStatus status;
    std::string strError;
    EXPECT_TRUE(CDavMultiStatus::Parse(Multistatus(responses), status, strError)) << strError;
    std::vector<std::string> members;
    for (const CDavResponse& r : status.m_responses) {
        std::string versions = r.bHasSupportedVersions ? "" : "-";
        for (const std::string& version : r.supportedVersions)
            versions += (versions.empty() ? "" : ",") + version;
        members.push_back(r.strHref + "|" + std::to_string(r.nStatus) + "|" + std::to_string(r.nPropStatus) + "|"
            + r.strEtag + "|" + r.strAddressData + "|" + versions);
    }
    return members;
}

TEST(DavMultiStatusTest, EachMemberCarriesItsOwnStatusAndProperties)
{
    const std::string card(100000, 'x');
    const struct
    {
        const char* pszName;
        std::string responses;
        std::vector<std::string> members;
    } kRows[] = {
        {"a card with its ETag",
            Member("/b/1.vcf", Props("<D:getetag>\"1\"</D:getetag><C:address-data>BEGIN:VCARD</C:address-data>", 200)),
            {"/b/1.vcf|0|0|\"1\"|BEGIN:VCARD|-"}},
        {"a card the server could not give now",
            Member("/b/1.vcf", Props("<D:getetag>\"1\"</D:getetag>", 200) + Props("<C:address-data/>", 503)),
            {"/b/1.vcf|0|503|\"1\"||-"}},
        // Properties beside many hrefs are not copied to each of them.
        {"several hrefs sharing one status",
            "<D:response><D:href>/b/1.vcf</D:href><D:href>/b/2.vcf</D:href><D:status>HTTP/1.1 404 X</D:status>"
                + Props("<C:address-data>" + card + "</C:address-data>", 200) + "</D:response>",
            {"/b/1.vcf|404|0|||-", "/b/2.vcf|404|0|||-"}},
        {"the vCard versions a collection takes",
            Member("/b/",
                Props("<C:supported-address-data><C:address-data-type content-type=\"text/vcard\""
                      " version=\"4.0\"/><C:address-data-type content-type=\"text/vcard\"/>"
                      "<C:content-type content-type=\"text/vcard\" version=\"2.1\"/></C:supported-address-data>",
                    200)),
            {"/b/|0|0|||4.0,3.0,2.1"}},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.pszName);
        EXPECT_EQ(row.members, Parsed(row.responses));
    }
}

}   // namespace
