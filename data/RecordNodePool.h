#pragma once

#include <cstddef>
#include <vector>

class CRecordNode;

// Hands out the record list's nodes from blocks of many, so a large
// directory costs one allocation per block instead of one per record, and
// its nodes lie close together for walks. A deleted node's room is reused
// by the next New; all the room is given back by Release.
class CRecordNodePool
{
public:
    CRecordNodePool() = default;
    ~CRecordNodePool();
    CRecordNodePool(const CRecordNodePool&) = delete;
    CRecordNodePool& operator=(const CRecordNodePool&) = delete;

    // A node with five empty fields and no links.
    CRecordNode* New();
    // Empties the node's fields and keeps its room for a later New.
    void Delete(CRecordNode* pNode);
    // Destroys every node handed out and frees all blocks.
    void Release();

private:
    struct Block
    {
        CRecordNode* pNodes;
        size_t nCapacity;
    };

    std::vector<Block> m_blocks;
    size_t m_nUsedInLastBlock = 0;
    CRecordNode* m_pFree = nullptr;   // deleted nodes, linked by m_pNext
};
