#include "sync/DavMultiStatus.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

bool Is(const QXmlStreamReader& reader, const QString& ns, const char* pszName)
{
    return reader.namespaceUri() == ns && reader.name() == QLatin1String(pszName);
}

std::string Text(QXmlStreamReader& reader)
{
    return reader.readElementText(QXmlStreamReader::SkipChildElements).toStdString();
}

// "HTTP/1.1 404 Not Found" -> 404; 0 when there is no number.
int StatusCode(const std::string& line)
{
    const size_t nSpace = line.find(' ');
    if (nSpace == std::string::npos)
        return 0;
    int nCode = 0;
    for (size_t i = nSpace + 1; i < line.size() && i < nSpace + 4; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return 0;
        nCode = nCode * 10 + (line[i] - '0');
    }
    return nCode;
}

// The first DAV:href inside the current element.
std::string InnerHref(QXmlStreamReader& reader)
{
    std::string href;
    while (reader.readNextStartElement()) {
        if (href.empty() && Is(reader, kDav, "href"))
            href = Text(reader);
        else
            reader.skipCurrentElement();
    }
    return href;
}

void ReadResourceType(QXmlStreamReader& reader, CDavResponse& props)
{
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "collection"))
            props.bCollection = true;
        else if (Is(reader, kCardDav, "addressbook"))
            props.bAddressBook = true;
        reader.skipCurrentElement();
    }
}

void ReadProp(QXmlStreamReader& reader, CDavResponse& props)
{
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "getetag")) {
            props.strEtag = Text(reader);
        } else if (Is(reader, kCardDav, "address-data")) {
            props.bHasAddressData = true;
            props.strAddressData = Text(reader);
        } else if (Is(reader, kDav, "resourcetype")) {
            ReadResourceType(reader, props);
        } else if (Is(reader, kDav, "displayname")) {
            props.strDisplayName = Text(reader);
        } else if (Is(reader, kDav, "current-user-principal")) {
            props.strPrincipal = InnerHref(reader);
        } else if (Is(reader, kCardDav, "addressbook-home-set")) {
            props.strAddressBookHome = InnerHref(reader);
        } else {
            reader.skipCurrentElement();
        }
    }
}

// Takes the properties of a propstat into the response only when their
// status is 200: the others are the properties the server does not have.
void ReadPropstat(QXmlStreamReader& reader, CDavResponse& response)
{
    CDavResponse props;
    int nStatus = 0;
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "prop"))
            ReadProp(reader, props);
        else if (Is(reader, kDav, "status"))
            nStatus = StatusCode(Text(reader));
        else
            reader.skipCurrentElement();
    }
    if (nStatus != 200)
        return;
    if (!props.strEtag.empty())
        response.strEtag = props.strEtag;
    if (props.bHasAddressData) {
        response.bHasAddressData = true;
        response.strAddressData = std::move(props.strAddressData);
    }
    response.bCollection |= props.bCollection;
    response.bAddressBook |= props.bAddressBook;
    if (!props.strDisplayName.empty())
        response.strDisplayName = props.strDisplayName;
    if (!props.strPrincipal.empty())
        response.strPrincipal = props.strPrincipal;
    if (!props.strAddressBookHome.empty())
        response.strAddressBookHome = props.strAddressBookHome;
}

// A response names one member, or several sharing one status (a form
// servers use for members that are gone); each becomes its own entry.
void ReadResponse(QXmlStreamReader& reader, std::vector<CDavResponse>& responses)
{
    CDavResponse response;
    std::vector<std::string> hrefs;
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "href"))
            hrefs.push_back(Text(reader));
        else if (Is(reader, kDav, "status"))
            response.nStatus = StatusCode(Text(reader));
        else if (Is(reader, kDav, "propstat"))
            ReadPropstat(reader, response);
        else
            reader.skipCurrentElement();
    }
    for (std::string& href : hrefs) {
        CDavResponse entry = response;
        entry.strHref = std::move(href);
        responses.push_back(std::move(entry));
    }
}

}   // namespace

bool CDavMultiStatus::Parse(const std::string& xml, CDavMultiStatus& result, std::string& strError)
{
    result = CDavMultiStatus();
    QXmlStreamReader reader(QByteArray::fromRawData(xml.data(), static_cast<qsizetype>(xml.size())));
    if (!reader.readNextStartElement() || !Is(reader, kDav, "multistatus")) {
        strError = reader.hasError() ? reader.errorString().toStdString() : "the reply is not a WebDAV multistatus";
        return false;
    }
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "response"))
            ReadResponse(reader, result.m_responses);
        else if (Is(reader, kDav, "sync-token"))
            result.m_strSyncToken = Text(reader);
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        strError = reader.errorString().toStdString();
        return false;
    }
    return true;
}
