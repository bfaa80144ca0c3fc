#include "ai/TranspositionTable.h"

#include <algorithm>
#include <thread>

// Holds one bucket's lock for a scope. The critical sections are a few dozen instructions, so
// a waiting thread spins (reading, to keep the cache line shared while it waits), and yields
// only when the holder seems to have lost its processor (more threads than cores).
class TranspositionTable::BucketLock {
  public:
    BucketLock(const TranspositionTable& table, std::size_t bucket)
        : m_lock(table.m_locks[bucket & (LockCount - 1)]) {
        while (m_lock.exchange(1, std::memory_order_acquire))
            for (int spins = 0; m_lock.load(std::memory_order_relaxed); ++spins)
                if (spins >= 64) std::this_thread::yield(); // its holder may be descheduled
    }
    ~BucketLock() { m_lock.store(0, std::memory_order_release); }
    BucketLock(const BucketLock&) = delete;
    BucketLock& operator=(const BucketLock&) = delete;

  private:
    std::atomic<uint8_t>& m_lock;
};

TranspositionTable::TranspositionTable(int bucketCountLog2)
    : m_entries(new Entry[(std::size_t{1} << bucketCountLog2) * BucketSize]),
      m_locks(new std::atomic<uint8_t>[LockCount]), m_mask((std::size_t{1} << bucketCountLog2) - 1) {
    for (std::size_t i = 0; i < LockCount; ++i)
        m_locks[i].store(0, std::memory_order_relaxed);
}

std::size_t TranspositionTable::BucketIndex(Bitboard mine, Bitboard theirs, int kind) const {
    uint64_t h = mine * 0x9E3779B97F4A7C15ULL ^ theirs * 0xC2B2AE3D27D4EB4FULL ^
                 static_cast<uint64_t>(kind) * 0x165667B19E3779F9ULL;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 32;
    return h & m_mask;
}

TranspositionTable::Probe TranspositionTable::Find(Bitboard mine, Bitboard theirs, int kind,
                                                   int depth) const {
    Probe probe;
    int hintDepth = -1;
    const std::size_t index = BucketIndex(mine, theirs, kind);
    const Entry* bucket = &m_entries[index * BucketSize];
    mine = TagMine(mine);
    theirs = TagTheirs(theirs);
    const BucketLock lock(*this, index);
    for (int i = 0; i < BucketSize; ++i) {
        const Entry& e = bucket[i];
        if (e.Depth == EmptyDepth || e.Mine != mine || e.Theirs != theirs || e.Kind != kind) continue;
        if (e.Depth == depth) {
            probe.Found = true;
            probe.Lower = e.Lower;
            probe.Upper = e.Upper;
        }
        // The same depth is the best hint; otherwise the deepest one.
        const int rank = e.Depth == depth ? 1000 : e.Depth;
        if (e.To != NoCell && rank > hintDepth) {
            hintDepth = rank;
            probe.HintFrom = e.From;
            probe.HintTo = e.To;
        }
    }
    return probe;
}

void TranspositionTable::Store(Bitboard mine, Bitboard theirs, int kind, int depth, int lower, int upper,
                               int from, int to) {
    const std::size_t index = BucketIndex(mine, theirs, kind);
    Entry* bucket = &m_entries[index * BucketSize];
    mine = TagMine(mine);
    theirs = TagTheirs(theirs);
    const BucketLock lock(*this, index);
    Entry* victim = nullptr;
    for (int i = 0; i < BucketSize; ++i) {
        Entry& e = bucket[i];
        if (e.Depth == depth && e.Mine == mine && e.Theirs == theirs && e.Kind == kind) {
            // Both bounds hold for one and the same value: keep the tighter of each.
            const int tighterLower = std::max<int>(lower, e.Lower);
            const int tighterUpper = std::min<int>(upper, e.Upper);
            if (tighterLower <= tighterUpper) {
                lower = tighterLower;
                upper = tighterUpper;
            }
            if (to == NoCell) {
                from = e.From;
                to = e.To;
            }
            victim = &e;
            break;
        }
        // Otherwise an empty entry, else the shallowest one (the cheapest to recompute).
        if (!victim || (Live(*victim) && (!Live(e) || e.Depth < victim->Depth))) victim = &e;
    }
    victim->Mine = mine;
    victim->Theirs = theirs;
    victim->Kind = static_cast<uint8_t>(kind);
    victim->Depth = static_cast<uint8_t>(depth);
    victim->Lower = static_cast<int16_t>(lower);
    victim->Upper = static_cast<int16_t>(upper);
    victim->From = static_cast<int8_t>(from);
    victim->To = static_cast<int8_t>(to);
}

void TranspositionTable::Clear() {
    if (++m_epoch < 64) return;
    m_epoch = 0;
    std::fill_n(m_entries.get(), (m_mask + 1) * BucketSize, Entry{});
}
