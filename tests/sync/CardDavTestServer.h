#pragma once

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <QSslCertificate>
#include <QUuid>

#include "sync/CardDavClient.h"
#include "sync/DavMultiStatus.h"
#include "sync/HttpSession.h"

// One of the CardDAV servers the test fixtures started (radicale with
// htpasswd authentication, xandikos without), and a fresh address book on
// it for each test, reached with the program's own HTTP and XML classes.
class CardDavTestServer
{
public:
    // Empty when the fixture did not start this server (not installed).
    // With bOwnUser (Radicale only), the test gets a user of its own,
    // added to the server's password file, so that it may change its
    // password without upsetting other tests.
    explicit CardDavTestServer(const std::string& kind, bool bOwnUser = false)
        : m_kind(kind)
        , m_dir(std::string(DIALSTACK_SYNC_SERVERS_DIR) + "/" + kind)
    {
        std::ifstream in(m_dir + "/url");
        std::getline(in, m_base);
        m_session.SetTrustedCertificates(QSslCertificate::fromPath(QString::fromStdString(m_dir + "/cert.pem")));
        if (bOwnUser)
            m_user = "u" + QUuid::createUuid().toString(QUuid::Id128).left(10).toStdString();
        if (IsRadicale())
            SetPassword("secret");
    }

    bool IsRunning() const { return !m_base.empty(); }
    bool IsRadicale() const { return m_kind.rfind("radicale", 0) == 0; }
    // The server's address, as a user types it, and the user.
    const std::string& Base() const { return m_base; }
    const std::string& User() const { return m_user; }

    // The server takes password for this user from now on.
    void SetPassword(const std::string& password)
    {
        if (m_user != "user") {
            std::ifstream in(m_dir + "/users");
            std::string kept;
            for (std::string line; std::getline(in, line);)
                if (line.rfind(m_user + ":", 0) != 0)
                    kept += line + "\n";
            std::ofstream(m_dir + "/users.new") << kept << m_user << ":" << password << "\n";
            std::rename((m_dir + "/users.new").c_str(), (m_dir + "/users").c_str());
        }
        m_session.SetCredentials(m_user, password);
    }

    // A new, empty address book (named name, else a fresh name); its URL,
    // empty on failure. The operations below without a URL work on it.
    std::string MakeAddressBook(std::string name = std::string())
    {
        if (name.empty())
            name = "book-" + QUuid::createUuid().toString(QUuid::Id128).left(12).toStdString();
        m_book = m_base + "/" + m_user + (IsRadicale() ? "/" : "/contacts/") + name + "/";
        const std::string body = "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
                                 "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
                                 "<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>";
        const CHttpReply reply = m_session.Send("MKCOL", Url(m_book), body, {});
        if (reply.nStatus != 201)
            m_book.clear();
        return m_book;
    }

    int DeleteBook(const std::string& book)
    {
        return m_session.Send("DELETE", Url(book), std::string(), {}).nStatus;
    }

    // The cards of the address book: href -> text.
    std::map<std::string, std::string> Cards(std::string book = std::string())
    {
        if (book.empty())
            book = m_book;
        CCardDavClient client(m_session);
        CCardDavClient::Changes changes;
        CSyncOutcome error;
        std::map<std::string, std::string> cards;
        if (!client.ListChanges(Url(book), std::string(), changes, error))
            return cards;
        std::vector<std::string> hrefs;
        for (const auto& member : changes.changed)
            hrefs.push_back(member.strHref);
        std::vector<CCardDavClient::Card> fetched;
        client.Fetch(Url(book), hrefs, fetched, error);
        for (const auto& card : fetched)
            cards[card.strHref] = card.strData;
        return cards;
    }

    int Put(const std::string& strHref, const std::string& strCard)
    {
        return m_session
            .Send("PUT", Url(m_book).resolved(QUrl(QString::fromStdString(strHref))), strCard,
                {{"Content-Type", "text/vcard; charset=utf-8"}})
            .nStatus;
    }

    int Delete(const std::string& strHref)
    {
        return m_session.Send("DELETE", Url(m_book).resolved(QUrl(QString::fromStdString(strHref))), std::string(), {})
            .nStatus;
    }

    // How many cards book holds; -1 when it cannot be listed.
    int CardCount(const std::string& book)
    {
        CCardDavClient client(m_session);
        CCardDavClient::Changes changes;
        CSyncOutcome error;
        const bool bListed = client.ListChanges(Url(book), std::string(), changes, error);
        return bListed ? static_cast<int>(changes.changed.size()) : -1;
    }

    // Replaces from by to in the card of book that holds from, as another
    // device does; the PUT's status, 0 when no card holds it.
    int EditCard(const std::string& book, const std::string& from, const std::string& to)
    {
        for (auto [href, text] : Cards(book)) {
            const size_t nAt = text.find(from);
            if (nAt != std::string::npos)
                return Put(href, text.replace(nAt, from.size(), to));
        }
        return 0;
    }

    const std::string& Book() const { return m_book; }

private:
    static QUrl Url(const std::string& text) { return QUrl(QString::fromStdString(text)); }

    std::string m_kind;
    std::string m_dir;
    std::string m_base;
    std::string m_user = "user";
    std::string m_book;
    CHttpSession m_session;
};
