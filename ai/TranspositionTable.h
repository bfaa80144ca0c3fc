#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "ai/Bitboard.h"

// Remembers what the searches learnt about positions: bounds on a node's value at a given
// remaining depth, and the move that was best there.
//
// A node's value is a pure function of (own pieces, opponent pieces, remaining depth, node
// kind) once the playable cells are fixed, so entries stay valid from one search to the next;
// the owner clears the table when the playable cells change. The whole key is stored, so a
// hit is never a hash collision. Clearing is instant: the three spare bits above the 61
// cells of each stored bitboard hold the table's epoch, and entries of an older epoch count
// as empty; only every 64th clear rewrites the memory. Entries for every depth of one position share a
// bucket, which lets a node take its ordering hint from a shallower search of the same position.
//
// Several threads of one search may probe and store at once: each bucket is guarded by one
// of many spin locks (taken for a few dozen instructions, so a thread never waits long), and
// a probe returns a copy, so a reader never sees an entry half written. Clear() must not run
// while a search does.
class TranspositionTable {
  public:
    struct Entry {
        Bitboard Mine = 0;
        Bitboard Theirs = 0;
        int16_t Lower = 0; // the value is within [Lower, Upper]
        int16_t Upper = 0;
        uint8_t Depth = EmptyDepth;
        uint8_t Kind = 0;
        int8_t From = NoCell; // NoCell for a clone: every clone to one cell gives one position
        int8_t To = NoCell;
    };
    static constexpr uint8_t EmptyDepth = 0xFF;
    static constexpr int BucketSize = 4;

    // What a probe finds: the entry of exactly this depth if there is one, and the best move
    // of the deepest entry of the position as a hint.
    struct Probe {
        bool Found = false; // an entry of exactly this depth: the value is within [Lower, Upper]
        int16_t Lower = 0;
        int16_t Upper = 0;
        int8_t HintFrom = NoCell;
        int8_t HintTo = NoCell;
    };

    // `bucketCountLog2` buckets of four entries and their locks, allocated here once.
    explicit TranspositionTable(int bucketCountLog2);

    Probe Find(Bitboard mine, Bitboard theirs, int kind, int depth) const;
    void Store(Bitboard mine, Bitboard theirs, int kind, int depth, int lower, int upper, int from, int to);
    void Clear();

    std::size_t SizeInBytes() const { return (m_mask + 1) * (BucketSize * sizeof(Entry)) + LockCount; }

  private:
    // One lock guards every 2^k-th bucket; 64 Ki one-byte locks keep two threads apart
    // almost always, and fit in the second-level cache.
    static constexpr std::size_t LockCount = std::size_t{1} << 16;
    class BucketLock;

    std::size_t BucketIndex(Bitboard mine, Bitboard theirs, int kind) const;
    Bitboard TagMine(Bitboard mine) const { return mine | Bitboard(m_epoch & 7) << CellCount; }
    Bitboard TagTheirs(Bitboard theirs) const { return theirs | Bitboard(m_epoch >> 3) << CellCount; }
    bool Live(const Entry& e) const {
        return e.Depth != EmptyDepth && (e.Mine >> CellCount) == (m_epoch & 7u) &&
               (e.Theirs >> CellCount) == (m_epoch >> 3);
    }

    std::unique_ptr<Entry[]> m_entries;
    std::unique_ptr<std::atomic<uint8_t>[]> m_locks;
    std::size_t m_mask;
    unsigned m_epoch = 0;
};
