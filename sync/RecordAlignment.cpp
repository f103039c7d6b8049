#include "sync/RecordAlignment.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {

using Records = std::vector<const CRecordFields*>;
using Pairs = std::vector<std::pair<int, int>>;

// Above this many cells the exact comparison would cost too much memory;
// equal records are then matched greedily in order instead.
constexpr size_t kMaxTableCells = 4'000'000;
// Gaps larger than this are not searched for edits.
constexpr size_t kMaxGapCells = 250'000;

int SharedFields(const CRecordFields& a, const CRecordFields& b)
{
    auto same = [](const CString& x, const CString& y) { return !x.IsEmpty() && x == y ? 1 : 0; };
    return same(a.strName, b.strName) + same(a.strPhone, b.strPhone) + same(a.strPager, b.strPager)
        + same(a.strEmail, b.strEmail) + same(a.strMisc, b.strMisc);
}

// The records between two matches: edits where the counts agree, else the
// pairing (in order) that keeps the most shared fields.
void AlignGap(const Records& oldRecords, int nOldBegin, int nOldEnd, const Records& newRecords, int nNewBegin,
    int nNewEnd, Pairs& pairs)
{
    const int nOld = nOldEnd - nOldBegin;
    const int nNew = nNewEnd - nNewBegin;
    if (nOld == nNew) {
        for (int i = 0; i < nOld; ++i)
            pairs.emplace_back(nOldBegin + i, nNewBegin + i);
        return;
    }
    if (nOld == 0 || nNew == 0 || static_cast<size_t>(nOld) * static_cast<size_t>(nNew) > kMaxGapCells) {
        for (int i = nOldBegin; i < nOldEnd; ++i)
            pairs.emplace_back(i, -1);
        for (int j = nNewBegin; j < nNewEnd; ++j)
            pairs.emplace_back(-1, j);
        return;
    }
    // best[i][j]: most shared fields pairing old[i..] with new[j..].
    const size_t nWidth = static_cast<size_t>(nNew) + 1;
    std::vector<int> best((static_cast<size_t>(nOld) + 1) * nWidth, 0);
    auto at = [&](int i, int j) -> int& { return best[static_cast<size_t>(i) * nWidth + static_cast<size_t>(j)]; };
    auto shared = [&](int i, int j) {
        return SharedFields(
            *oldRecords[static_cast<size_t>(nOldBegin + i)], *newRecords[static_cast<size_t>(nNewBegin + j)]);
    };
    for (int i = nOld - 1; i >= 0; --i)
        for (int j = nNew - 1; j >= 0; --j) {
            const int nShared = shared(i, j);
            at(i, j) = std::max({at(i + 1, j), at(i, j + 1), nShared > 0 ? nShared + at(i + 1, j + 1) : 0});
        }
    int i = 0;
    int j = 0;
    while (i < nOld && j < nNew) {
        const int nShared = shared(i, j);
        if (nShared > 0 && at(i, j) == nShared + at(i + 1, j + 1)) {
            pairs.emplace_back(nOldBegin + i++, nNewBegin + j++);
        } else if (at(i, j) == at(i + 1, j)) {
            pairs.emplace_back(nOldBegin + i++, -1);
        } else {
            pairs.emplace_back(-1, nNewBegin + j++);
        }
    }
    for (; i < nOld; ++i)
        pairs.emplace_back(nOldBegin + i, -1);
    for (; j < nNew; ++j)
        pairs.emplace_back(-1, nNewBegin + j);
}

// Equal records of old[ob..oe) and new[nb..ne), in order: the longest
// common sequence where the table fits, else a greedy match.
std::vector<std::pair<int, int>> Matches(const Records& a, int ob, int oe, const Records& b, int nb, int ne)
{
    std::vector<std::pair<int, int>> matches;
    const size_t nOld = static_cast<size_t>(oe - ob);
    const size_t nNew = static_cast<size_t>(ne - nb);
    if (nOld == 0 || nNew == 0)
        return matches;
    if (nOld * nNew <= kMaxTableCells) {
        const size_t nWidth = nNew + 1;
        std::vector<uint16_t> length((nOld + 1) * nWidth, 0);
        auto at = [&](size_t i, size_t j) -> uint16_t& { return length[i * nWidth + j]; };
        for (size_t i = nOld; i-- > 0;)
            for (size_t j = nNew; j-- > 0;)
                at(i, j) = *a[ob + i] == *b[nb + j] ? static_cast<uint16_t>(at(i + 1, j + 1) + 1)
                                                    : std::max(at(i + 1, j), at(i, j + 1));
        size_t i = 0;
        size_t j = 0;
        while (i < nOld && j < nNew) {
            if (*a[ob + i] == *b[nb + j]) {
                matches.emplace_back(ob + static_cast<int>(i), nb + static_cast<int>(j));
                ++i;
                ++j;
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
        return matches;
    }
    // Greedy: each old record matches the next equal new record after the
    // last match.
    std::unordered_multimap<std::string, int> byName;
    for (int j = ne - 1; j >= nb; --j)
        byName.emplace(b[static_cast<size_t>(j)]->strName.Bytes(), j);
    int nLast = nb - 1;
    for (int i = ob; i < oe; ++i) {
        auto [first, last] = byName.equal_range(a[static_cast<size_t>(i)]->strName.Bytes());
        int nBest = -1;
        for (auto it = first; it != last; ++it)
            if (it->second > nLast && *b[static_cast<size_t>(it->second)] == *a[static_cast<size_t>(i)]
                && (nBest < 0 || it->second < nBest))
                nBest = it->second;
        if (nBest >= 0) {
            matches.emplace_back(i, nBest);
            nLast = nBest;
        }
    }
    return matches;
}

}   // namespace

std::vector<std::pair<int, int>> CRecordAlignment::Align(const Records& oldRecords, const Records& newRecords)
{
    const int nOld = static_cast<int>(oldRecords.size());
    const int nNew = static_cast<int>(newRecords.size());
    int nPrefix = 0;
    while (nPrefix < nOld && nPrefix < nNew
        && *oldRecords[static_cast<size_t>(nPrefix)] == *newRecords[static_cast<size_t>(nPrefix)])
        ++nPrefix;
    int nSuffix = 0;
    while (nSuffix < nOld - nPrefix && nSuffix < nNew - nPrefix
        && *oldRecords[static_cast<size_t>(nOld - 1 - nSuffix)] == *newRecords[static_cast<size_t>(nNew - 1 - nSuffix)])
        ++nSuffix;

    Pairs pairs;
    pairs.reserve(static_cast<size_t>(std::max(nOld, nNew)));
    for (int i = 0; i < nPrefix; ++i)
        pairs.emplace_back(i, i);
    int nOldAt = nPrefix;
    int nNewAt = nPrefix;
    for (const auto& [i, j] : Matches(oldRecords, nPrefix, nOld - nSuffix, newRecords, nPrefix, nNew - nSuffix)) {
        AlignGap(oldRecords, nOldAt, i, newRecords, nNewAt, j, pairs);
        pairs.emplace_back(i, j);
        nOldAt = i + 1;
        nNewAt = j + 1;
    }
    AlignGap(oldRecords, nOldAt, nOld - nSuffix, newRecords, nNewAt, nNew - nSuffix, pairs);
    for (int k = nSuffix; k > 0; --k)
        pairs.emplace_back(nOld - k, nNew - k);
    return pairs;
}
