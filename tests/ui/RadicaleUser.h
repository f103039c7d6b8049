#pragma once

// A user of its own on one of the Radicale servers the ui sync tests'
// fixture started (tests/sync/carddav-server.sh: radicale, radicale-tls),
// added to the server's password file, with address books made for it
// through the program's own HTTP class. The real dialstack-sync then runs
// against it in place of the stand-in (SyncStandInTest::UseRealSync).

#include <fstream>
#include <sstream>
#include <string>

#include <QSslCertificate>
#include <QUuid>

#include "sync/CardDavClient.h"
#include "sync/HttpSession.h"

class RadicaleUser
{
public:
    explicit RadicaleUser(const std::string& kind)
        : m_dir(std::string(DIALSTACK_SYNC_SERVERS_DIR) + "/" + kind)
        , m_name("u" + QUuid::createUuid().toString(QUuid::Id128).left(10).toStdString())
    {
        std::ifstream(m_dir + "/url") >> m_base;
        SetPassword("secret");
        const QString cert = QString::fromStdString(m_dir + "/cert.pem");
        m_session.SetTrustedCertificates(QSslCertificate::fromPath(cert));
    }

    bool IsRunning() const { return !m_base.empty(); }
    const std::string& Name() const { return m_name; }
    // The server's address, as a user types it.
    const std::string& Base() const { return m_base; }

    // The server takes password for this user from now on.
    void SetPassword(const std::string& password)
    {
        std::ifstream in(m_dir + "/users");
        std::string kept;
        for (std::string line; std::getline(in, line);)
            if (line.rfind(m_name + ":", 0) != 0)
                kept += line + "\n";
        std::ofstream(m_dir + "/users.new") << kept << m_name << ":" << password << "\n";
        std::rename((m_dir + "/users.new").c_str(), (m_dir + "/users").c_str());
        m_session.SetCredentials(m_name, password);
    }

    // A new, empty address book named name; its URL, empty on failure.
    std::string MakeBook(const std::string& name)
    {
        const std::string url = m_base + "/" + m_name + "/" + name + "/";
        const std::string body = "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
                                 "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
                                 "<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>";
        return m_session.Send("MKCOL", QUrl(QString::fromStdString(url)), body, {}).nStatus == 201 ? url : "";
    }

    // How many cards the address book at url holds; -1 when unreadable.
    int CardCount(const std::string& url)
    {
        std::vector<CCardDavClient::Card> cards;
        return Cards(url, cards) ? static_cast<int>(cards.size()) : -1;
    }

    int DeleteBook(const std::string& url)
    {
        return m_session.Send("DELETE", QUrl(QString::fromStdString(url)), std::string(), {}).nStatus;
    }

    // Deletes n of the cards at url, as another device of the user does.
    void DeleteCards(const std::string& url, int n)
    {
        std::vector<CCardDavClient::Card> cards;
        Cards(url, cards);
        for (int i = 0; i < n && i < static_cast<int>(cards.size()); ++i)
            m_session.Send("DELETE", Resolved(url, cards[static_cast<size_t>(i)].strHref), std::string(), {});
    }

    // Replaces from by to in the card at url that holds from; the status
    // of the PUT, 0 when no card holds it.
    int EditCard(const std::string& url, const std::string& from, const std::string& to)
    {
        std::vector<CCardDavClient::Card> cards;
        Cards(url, cards);
        for (CCardDavClient::Card& card : cards) {
            const size_t nAt = card.strData.find(from);
            if (nAt == std::string::npos)
                continue;
            card.strData.replace(nAt, from.size(), to);
            return m_session
                .Send("PUT", Resolved(url, card.strHref), card.strData, {{"Content-Type", "text/vcard; charset=utf-8"}})
                .nStatus;
        }
        return 0;
    }

private:
    static QUrl Resolved(const std::string& url, const std::string& href)
    {
        return QUrl(QString::fromStdString(url)).resolved(QUrl(QString::fromStdString(href)));
    }

    bool Cards(const std::string& url, std::vector<CCardDavClient::Card>& cards)
    {
        CCardDavClient client(m_session);
        CCardDavClient::Changes changes;
        CSyncOutcome error;
        if (!client.ListChanges(QUrl(QString::fromStdString(url)), std::string(), changes, error))
            return false;
        std::vector<std::string> hrefs;
        for (const auto& member : changes.changed)
            hrefs.push_back(member.strHref);
        return hrefs.empty() || client.Fetch(QUrl(QString::fromStdString(url)), hrefs, cards, error);
    }

    std::string m_dir;
    std::string m_name;
    std::string m_base;
    CHttpSession m_session;
};
