#include "data/RecordNodePool.h"

#include <algorithm>
#include <new>

#include "data/RecordList.h"

namespace {

// Blocks double from a few nodes, for the small directories, up to a size
// that wastes little when the last block is only partly used.
constexpr size_t kFirstBlockNodes = 8;
constexpr size_t kLargestBlockNodes = 4096;

}   // namespace

CRecordNodePool::~CRecordNodePool()
{
    Release();
}

CRecordNode* CRecordNodePool::New()
{
    if (m_pFree) {
        CRecordNode* pNode = m_pFree;
        m_pFree = pNode->m_pNext;
        pNode->m_pNext = nullptr;
        return pNode;
    }
    if (m_blocks.empty() || m_nUsedInLastBlock == m_blocks.back().nCapacity) {
        const size_t nCapacity
            = m_blocks.empty() ? kFirstBlockNodes : std::min(2 * m_blocks.back().nCapacity, kLargestBlockNodes);
        m_blocks.reserve(m_blocks.size() + 1);   // so that nothing below can throw after the allocation
        auto* pNodes = static_cast<CRecordNode*>(::operator new(nCapacity * sizeof(CRecordNode)));
        m_blocks.push_back(Block{pNodes, nCapacity});
        m_nUsedInLastBlock = 0;
    }
    CRecordNode* pNode = new (m_blocks.back().pNodes + m_nUsedInLastBlock) CRecordNode;
    ++m_nUsedInLastBlock;
    return pNode;
}

void CRecordNodePool::Delete(CRecordNode* pNode)
{
    *pNode = CRecordNode();
    pNode->m_pNext = m_pFree;
    m_pFree = pNode;
}

void CRecordNodePool::Release()
{
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const Block& block = m_blocks[b];
        const size_t nUsed = b + 1 == m_blocks.size() ? m_nUsedInLastBlock : block.nCapacity;
        for (size_t i = 0; i < nUsed; ++i)
            block.pNodes[i].~CRecordNode();
        ::operator delete(block.pNodes);
    }
    m_blocks.clear();
    m_nUsedInLastBlock = 0;
    m_pFree = nullptr;
}
