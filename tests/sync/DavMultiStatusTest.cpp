// The reader of a server's multistatus replies: what each member carries
// into the sync, and the condition a refused write names.
#include <gtest/gtest.h>

#include "sync/DavMultiStatus.h"

namespace {

std::string Reply(const std::string& responses)
{
    return "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
        + responses + "</D:multistatus>";
}

std::string Propstat(const std::string& props, int nStatus)
{
    return "<D:propstat><D:prop>" + props + "</D:prop><D:status>HTTP/1.1 " + std::to_string(nStatus)
        + " X</D:status></D:propstat>";
}

struct Member
{
    std::string href;
    int nStatus;
    int nPropStatus;
    std::string etag;
    std::string data;
    std::string versions;   // supported vCard versions joined by ",", "-" for none given
};

TEST(DavMultiStatusTest, EachMemberCarriesItsOwnStatusAndProperties)
{
    const std::string card(100000, 'x');
    const struct
    {
        const char* pszName;
        std::string responses;
        std::vector<Member> members;
    } kRows[] = {
        {"a card with its ETag",
            "<D:response><D:href>/b/1.vcf</D:href>"
                + Propstat("<D:getetag>\"1\"</D:getetag><C:address-data>BEGIN:VCARD</C:address-data>", 200)
                + "</D:response>",
            {{"/b/1.vcf", 0, 0, "\"1\"", "BEGIN:VCARD", "-"}}},
        {"a card the server could not give now",
            "<D:response><D:href>/b/1.vcf</D:href>" + Propstat("<D:getetag>\"1\"</D:getetag>", 200)
                + Propstat("<C:address-data/>", 503) + "</D:response>",
            {{"/b/1.vcf", 0, 503, "\"1\"", "", "-"}}},
        // Properties beside many hrefs are not copied to each of them.
        {"several hrefs sharing one status",
            "<D:response><D:href>/b/1.vcf</D:href><D:href>/b/2.vcf</D:href><D:status>HTTP/1.1 404 X</D:status>"
                + Propstat("<C:address-data>" + card + "</C:address-data>", 200) + "</D:response>",
            {{"/b/1.vcf", 404, 0, "", "", "-"}, {"/b/2.vcf", 404, 0, "", "", "-"}}},
        {"the vCard versions a collection takes",
            "<D:response><D:href>/b/</D:href>"
                + Propstat("<C:supported-address-data><C:address-data-type content-type=\"text/vcard\""
                           " version=\"4.0\"/><C:address-data-type content-type=\"text/vcard\"/>"
                           "<C:content-type content-type=\"text/vcard\" version=\"2.1\"/>"
                           "</C:supported-address-data>",
                    200)
                + "</D:response>",
            {{"/b/", 0, 0, "", "", "4.0,3.0,2.1"}}},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.pszName);
        CDavMultiStatus status;
        std::string strError;
        ASSERT_TRUE(CDavMultiStatus::Parse(Reply(row.responses), status, strError)) << strError;
        std::vector<Member> members;
        for (const CDavResponse& r : status.m_responses) {
            std::string versions = r.bHasSupportedVersions ? "" : "-";
            for (const std::string& version : r.supportedVersions)
                versions += (versions.empty() ? "" : ",") + version;
            members.push_back({r.strHref, r.nStatus, r.nPropStatus, r.strEtag, r.strAddressData, versions});
        }
        ASSERT_EQ(row.members.size(), members.size());
        for (size_t i = 0; i < members.size(); ++i) {
            EXPECT_EQ(row.members[i].href, members[i].href);
            EXPECT_EQ(row.members[i].nStatus, members[i].nStatus);
            EXPECT_EQ(row.members[i].nPropStatus, members[i].nPropStatus);
            EXPECT_EQ(row.members[i].etag, members[i].etag);
            EXPECT_EQ(row.members[i].data, members[i].data);
            EXPECT_EQ(row.members[i].versions, members[i].versions);
        }
    }
}

TEST(DavMultiStatusTest, ARefusalNamesItsCondition)
{
    EXPECT_EQ("supported-address-data",
        CDavMultiStatus::Precondition("<?xml version=\"1.0\"?><D:error xmlns:D=\"DAV:\" "
                                      "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><C:supported-address-data/>"
                                      "</D:error>"));
    EXPECT_EQ("", CDavMultiStatus::Precondition("<html><body>Forbidden</body></html>"));
}

}   // namespace
