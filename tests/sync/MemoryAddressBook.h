#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "sync/AddressBook.h"
#include "sync/Card.h"
#include "tests/support/TestRecord.h"

// An address book held in memory, answering as a CardDAV server does
// through CCardDavClient, with the faults real servers show on demand: a
// card left out of a multiget or given an error status, a listing member
// with an error, an expired sync token, no ETag after a PUT, a server that
// takes only vCard 3.0 (saying so, or only by refusing 4.0), a refused card,
// a PUT the server took whose reply was lost, work done by others while a
// reply is slow to come (someone else's write: a 412, a moved ETag), and
// any failure the client reports, as it reports it.
class MemoryAddressBook : public CAddressBook
{
public:
    struct Stored
    {
        std::string strEtag;
        std::string strData;
        long nChanged = 0;
    };
    enum class EVersions
    {
        kAny,
        kSays3Only,   // supported-address-data lists only 3.0
        kRefuses4,   // lists nothing, refuses a 4.0 card with the precondition
    };
    struct FetchFault
    {
        int nStatus = 0;   // 0: left out of the reply
        int nTimes = 1;
    };

    // The server's cards.
    std::string Add(const TestRecord& record, const std::string& strUid = "")
    {
        const std::string uid = strUid.empty() ? "uid-" + std::to_string(++m_nNames) : strUid;
        const std::string href = "/book/" + uid + ".vcf";
        Store(href, CCard::Create(ToFields(record), uid));
        return href;
    }
    void Store(const std::string& strHref, const std::string& strData)
    {
        m_removed.erase(strHref);
        cards[strHref] = {"\"e" + std::to_string(++m_nEtags) + "\"", strData, ++m_nSeq};
    }
    void Edit(const std::string& strHref, const TestRecord& record)
    {
        CCard card(cards.at(strHref).strData);
        card.Apply(ToFields(record));
        Store(strHref, card.Text());
    }
    void Remove(const std::string& strHref)
    {
        cards.erase(strHref);
        m_removed[strHref] = ++m_nSeq;
    }
    std::string HrefOf(const std::string& strName) const
    {
        for (const auto& [href, stored] : cards)
            if (CCard(stored.strData).Fields().strName.Bytes() == strName)
                return href;
        return std::string();
    }
    // The records the cards map to, by name (a group maps to none).
    std::vector<TestRecord> Records() const
    {
        std::vector<TestRecord> records;
        for (const auto& [href, stored] : cards)
            if (CCard(stored.strData).IsContact())
                records.push_back(ToTestRecord(CCard(stored.strData).Fields()));
        return Sorted(std::move(records));
    }
    static std::vector<TestRecord> Sorted(std::vector<TestRecord> records)
    {
        std::sort(records.begin(), records.end(), [](const TestRecord& a, const TestRecord& b) {
            return std::tie(a.name, a.phone, a.pager, a.email, a.misc) < std::tie(b.name, b.phone, b.pager, b.email, b.misc);
        });
        return records;
    }
    // A PUT whose reply was lost and that the server commits only now.
    void CommitLatePut()
    {
        for (const auto& [href, data] : m_late)
            Store(href, data);
        m_late.clear();
    }
    bool ListChanges(const QUrl&, const std::string& strSyncToken, Changes& changes, CSyncOutcome& failure) override
    {
        if (Failing(failure))
            return false;
        for (const auto& [href, nStatus] : faults.list) {
            failure = Failed(CSyncOutcome::EKind::kServerError, nStatus);
            failure.names = {href};
            return false;
        }
        const bool bComplete = strSyncToken.empty() || faults.bExpireToken;
        const long nSince = bComplete ? -1 : std::stol(strSyncToken.substr(1));
        changes = Changes();
        changes.bComplete = bComplete;
        for (const auto& [href, stored] : cards)
            if (stored.nChanged > nSince)
                changes.changed.push_back({href, stored.strEtag});
        for (const auto& [href, nWhen] : m_removed)
            if (!bComplete && nWhen > nSince)
                changes.removed.push_back(href);
        changes.strSyncToken = "t" + std::to_string(m_nSeq);
        return true;
    }

    bool Fetch(const QUrl&, const std::vector<std::string>& hrefs, std::vector<Card>& result,
        CSyncOutcome& failure) override
    {
        if (Failing(failure))
            return false;
        ++nFetches;
        RunOnce(faults.beforeFetch);
        for (const std::string& href : hrefs) {
            const auto fault = faults.fetch.find(href);
            if (fault != faults.fetch.end() && fault->second.nTimes > 0) {
                --fault->second.nTimes;
                if (fault->second.nStatus != 0)
                    result.push_back({href, "", "", fault->second.nStatus});
                continue;
            }
            const auto found = cards.find(href);
            if (found == cards.end())
                result.push_back({href, "", "", 404});
            else
                result.push_back({href, found->second.strEtag, found->second.strData, 200});
        }
        return true;
    }

    WriteResult Put(const QUrl&, const std::string& strHref, const std::string& strData,
        const std::string& strIfMatch, std::string& strNewEtag, CSyncOutcome& failure) override
    {
        RunOnce(faults.beforeWrite);
        if (Failing(failure))
            return WriteResult::kFailed;
        ++nPuts;
        const bool bVersion4 = strData.find("VERSION:4.0") != std::string::npos;
        if (bVersion4 && versions != EVersions::kAny) {
            failure = Refused(415, "supported-address-data");
            return WriteResult::kUnsupportedVersion;
        }
        for (const std::string& name : faults.refusedNames) {
            if (strData.find("FN:" + name + "\r\n") != std::string::npos) {
                failure = Refused(403, "max-resource-size");
                return WriteResult::kRefused;
            }
        }
        if (CCard(strData).Uid().empty()) {
            failure = Refused(400, "valid-address-data");
            return WriteResult::kRefused;
        }
        const auto found = cards.find(strHref);
        if (faults.bBeatWrites
            || (strIfMatch.empty() ? found != cards.end()
                                   : found == cards.end() || found->second.strEtag != strIfMatch))
            return WriteResult::kConflict;
        if (faults.nLoseReplies > 0) {
            --faults.nLoseReplies;
            if (bCommitLate)
                m_late.emplace_back(strHref, strData);
            else
                Store(strHref, strData);
            failure = Failed(CSyncOutcome::EKind::kNetwork, 0);
            failure.strDetail = "Connection closed";
            return WriteResult::kFailed;
        }
        Store(strHref, strData);
        strNewEtag = bNoEtagOnPut ? std::string() : cards[strHref].strEtag;
        return WriteResult::kDone;
    }

    WriteResult Delete(
        const QUrl&, const std::string& strHref, const std::string& strIfMatch, CSyncOutcome& failure) override
    {
        RunOnce(faults.beforeWrite);
        if (Failing(failure))
            return WriteResult::kFailed;
        const auto found = cards.find(strHref);
        if (found == cards.end())
            return WriteResult::kGone;
        if (found->second.strEtag != strIfMatch)
            return WriteResult::kConflict;
        Remove(strHref);
        return WriteResult::kDone;
    }

    bool TakesVCard4(const QUrl&, CSyncOutcome&) override { return versions != EVersions::kSays3Only; }

    // Numbered as well: a card written again must go where it was, not
    // where a new card with its UID would.
    std::string NewHref(const QUrl&, const std::string& strUid) const override
    {
        return "/book/" + strUid + "-" + std::to_string(++m_nNewHrefs) + ".vcf";
    }

    // A failure as the client reports it, for this book.
    static CSyncOutcome Failed(CSyncOutcome::EKind kind, int nStatus)
    {
        CSyncOutcome failure;
        failure.kind = kind;
        failure.nHttpStatus = nStatus;
        failure.strHost = "dav.test";
        failure.strUrl = "http://dav.test/book/";
        return failure;
    }

    std::map<std::string, Stored> cards;
    // Faults that last until reset (a fetch fault: for nTimes multigets).
    struct Faults
    {
        std::map<std::string, FetchFault> fetch;
        std::map<std::string, int> list;
        std::set<std::string> refusedNames;
        bool bExpireToken = false;
        // The next nLoseReplies PUTs are taken (now, or with bCommitLate
        // only at CommitLatePut) but answered as a lost connection.
        int nLoseReplies = 0;
        // Run once, at the next multiget or write: what others do meanwhile.
        std::function<void()> beforeFetch;
        std::function<void()> beforeWrite;
        // Every request after the first nFailAfter (listings, multigets and
        // writes) fails so, while its kind is not kInStep.
        CSyncOutcome failure;
        int nFailAfter = 0;
        // Every write is beaten by someone else's (a 412) while set.
        bool bBeatWrites = false;
    } faults;
    EVersions versions = EVersions::kAny;
    bool bNoEtagOnPut = false;
    bool bCommitLate = false;
    int nFetches = 0;
    int nPuts = 0;   // refused ones too

private:
    bool Failing(CSyncOutcome& failure)
    {
        if (faults.failure.kind == CSyncOutcome::EKind::kInStep)
            return false;
        if (faults.nFailAfter > 0) {
            --faults.nFailAfter;
            return false;
        }
        failure = faults.failure;
        return true;
    }
    static CSyncOutcome Refused(int nStatus, const std::string& strCondition)
    {
        CSyncOutcome failure = Failed(CSyncOutcome::EKind::kCardsRefused, nStatus);
        failure.strDetail = strCondition;
        return failure;
    }
    static void RunOnce(std::function<void()>& hook)
    {
        if (!hook)
            return;
        const std::function<void()> run = std::move(hook);
        hook = nullptr;
        run();
    }

    std::map<std::string, long> m_removed;
    std::vector<std::pair<std::string, std::string>> m_late;
    long m_nSeq = 0;
    int m_nEtags = 0;
    int m_nNames = 0;
    mutable int m_nNewHrefs = 0;
};
