#pragma once

#include <fstream>
#include <map>
#include <string>
#include <vector>

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
    explicit CardDavTestServer(const std::string& kind)
        : m_kind(kind)
    {
        std::ifstream in(std::string(DIALSTACK_SYNC_SERVERS_DIR) + "/" + kind + "/url");
        std::getline(in, m_base);
        if (IsRadicale())
            m_session.SetCredentials("user", "secret");
    }

    bool IsRunning() const { return !m_base.empty(); }
    bool IsRadicale() const { return m_kind == "radicale"; }

    // A new, empty address book; its URL.
    std::string MakeAddressBook()
    {
        const std::string name = "book-" + QUuid::createUuid().toString(QUuid::Id128).left(12).toStdString();
        m_book = m_base + (IsRadicale() ? "/user/" : "/user/contacts/") + name + "/";
        const std::string body = "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
                                 "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
                                 "<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>";
        const CHttpReply reply = m_session.Send("MKCOL", Url(m_book), body, {});
        if (reply.nStatus != 201)
            m_book.clear();
        return m_book;
    }

    // The cards of the address book: href -> text.
    std::map<std::string, std::string> Cards()
    {
        CCardDavClient client(m_session);
        CCardDavClient::Changes changes;
        CSyncOutcome error;
        std::map<std::string, std::string> cards;
        if (!client.ListChanges(Url(m_book), std::string(), changes, error))
            return cards;
        std::vector<std::string> hrefs;
        for (const auto& member : changes.changed)
            hrefs.push_back(member.strHref);
        std::vector<CCardDavClient::Card> fetched;
        client.Fetch(Url(m_book), hrefs, fetched, error);
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

    const std::string& Book() const { return m_book; }

private:
    static QUrl Url(const std::string& text) { return QUrl(QString::fromStdString(text)); }

    std::string m_kind;
    std::string m_base;
    std::string m_book;
    CHttpSession m_session;
};
