#include "sync/DavMultiStatus.h"

#include <utility>

#include <QByteArray>
#include <QXmlStreamReader>

#include "sync/SyncText.h"

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

void ReadSupportedAddressData(QXmlStreamReader& reader, CDavResponse& props)
{
    // Each address-data-type names a version, 3.0 where it names none. One
    // server calls the element content-type: any element in the CardDAV
    // namespace counts.
    props.bHasSupportedVersions = true;
    while (reader.readNextStartElement()) {
        if (reader.namespaceUri() == kCardDav) {
            const QString version = reader.attributes().value(QLatin1String("version")).toString();
            props.supportedVersions.push_back(version.isEmpty() ? "3.0" : version.toStdString());
        }
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
        } else if (Is(reader, kCardDav, "supported-address-data")) {
            ReadSupportedAddressData(reader, props);
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
    if (nStatus != 200) {
        if (response.nPropStatus == 0)
            response.nPropStatus = nStatus;
        return;
    }
    if (!props.strEtag.empty())
        response.strEtag = std::move(props.strEtag);
    if (props.bHasAddressData) {
        response.bHasAddressData = true;
        response.strAddressData = std::move(props.strAddressData);
    }
    response.bCollection |= props.bCollection;
    response.bAddressBook |= props.bAddressBook;
    if (!props.strDisplayName.empty())
        response.strDisplayName = std::move(props.strDisplayName);
    if (!props.strPrincipal.empty())
        response.strPrincipal = std::move(props.strPrincipal);
    if (!props.strAddressBookHome.empty())
        response.strAddressBookHome = std::move(props.strAddressBookHome);
    if (props.bHasSupportedVersions) {
        response.bHasSupportedVersions = true;
        response.supportedVersions = std::move(props.supportedVersions);
    }
}

// A response names one member with its properties, or several sharing
// one status (a form servers use for members that are gone): each of those
// becomes an entry with that status alone, so that properties a reply put
// beside many hrefs are never copied once per href.
void ReadResponse(QXmlStreamReader& reader, const CDavMultiStatus::ResponseSink& onResponse)
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
    if (hrefs.size() == 1) {
        response.strHref = std::move(hrefs.front());
        onResponse(response);
        return;
    }
    for (std::string& href : hrefs) {
        CDavResponse entry;
        entry.nStatus = response.nStatus;
        entry.strHref = std::move(href);
        onResponse(entry);
    }
}

}   // namespace

bool CDavMultiStatus::Parse(
    const std::string& xml, const ResponseSink& onResponse, std::string& strSyncToken, std::string& strError)
{
    strSyncToken.clear();
    QXmlStreamReader reader(QByteArray::fromRawData(xml.data(), static_cast<qsizetype>(xml.size())));
    if (!reader.readNextStartElement() || !Is(reader, kDav, "multistatus")) {
        strError = reader.hasError() ? reader.errorString().toStdString()
                                     : CSyncText::Tr("the reply is not a WebDAV multistatus");
        return false;
    }
    while (reader.readNextStartElement()) {
        if (Is(reader, kDav, "response"))
            ReadResponse(reader, onResponse);
        else if (Is(reader, kDav, "sync-token"))
            strSyncToken = Text(reader);
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        strError = reader.errorString().toStdString();
        return false;
    }
    return true;
}

bool CDavMultiStatus::Parse(const std::string& xml, CDavMultiStatus& result, std::string& strError)
{
    result = CDavMultiStatus();
    const bool bOk = Parse(
        xml, [&](CDavResponse& response) { result.m_responses.push_back(std::move(response)); },
        result.m_strSyncToken, strError);
    if (!bOk)
        result = CDavMultiStatus();
    return bOk;
}

std::string CDavMultiStatus::Precondition(const std::string& body)
{
    QXmlStreamReader reader(QByteArray::fromRawData(body.data(), static_cast<qsizetype>(body.size())));
    if (!reader.readNextStartElement() || !Is(reader, kDav, "error") || !reader.readNextStartElement())
        return std::string();
    return reader.name().toString().toStdString();
}
