// 64-bit hashing of game states and card sequences for the solver.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "move_permissions.h"

namespace velmora {

// A strong 64-bit mixing function (the splitmix64 finaliser).
inline std::uint64_t hashMix(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

inline std::uint64_t hashCombine(std::uint64_t hash, std::uint64_t word) { return hashMix(hash ^ word); }

// Accumulates words and plain records into one hash; order matters.
class HashBuilder {
public:
    void add(std::uint64_t word) { hash_ = hashCombine(hash_, word); }

    // Adds the object bytes of plain records after their number, sixteen
    // bytes per step with a folded 128-bit product (as in wyhash), which is
    // several times quicker than mixing word by word.
    template <typename T>
    void addRecords(const std::vector<T>& records)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        add(records.size());
        const auto* bytes = reinterpret_cast<const unsigned char*>(records.data());
        const std::size_t size = records.size() * sizeof(T);
        for (std::size_t at = 0; at < size; at += 16) {
            std::uint64_t words[2] = {0, 0};
            std::memcpy(words, bytes + at, std::min<std::size_t>(16, size - at));
            hash_ = fold(words[0] ^ 0xA0761D6478BD642Full, words[1] ^ hash_ ^ 0xE7037ED1A0B428DBull);
        }
        hash_ = hashMix(hash_);
    }

    std::uint64_t value() const { return hash_; }

private:
    static std::uint64_t fold(std::uint64_t a, std::uint64_t b)
    {
        __extension__ using Wide = unsigned __int128;
        const Wide product = static_cast<Wide>(a) * b;
        return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
    }

    std::uint64_t hash_ = 0;
};

// The permitted moves rather than the list's entries: undoing a forbid adds
// the pair back as a new entry, so equal states may order their lists apart.
inline void addPermittedMoves(HashBuilder& hash, const PermissionList& permissions, int pileCount)
{
    if (permissions.size() == 1 && permissions[0].fromPile == kAnyPile && permissions[0].toPile == kAnyPile) {
        hash.add(0xA11A11A11ull);
        return;
    }
    thread_local std::vector<std::uint64_t> bits;
    permittedMoves(permissions, pileCount, bits);
    hash.addRecords(bits);
}

// A set of state hashes, in an open-addressing table.
class HashSet {
public:
    HashSet() : slots_(1024, 0) {}

    // False when the hash was in the set.
    bool insert(std::uint64_t hash)
    {
        if (hash == 0)
            hash = 1;  // 0 marks a free slot
        if (2 * (size_ + 1) > slots_.size())
            grow();
        std::size_t slot = hash & (slots_.size() - 1);
        while (slots_[slot] != 0) {
            if (slots_[slot] == hash)
                return false;
            slot = (slot + 1) & (slots_.size() - 1);
        }
        slots_[slot] = hash;
        ++size_;
        return true;
    }

    bool contains(std::uint64_t hash) const
    {
        if (hash == 0)
            hash = 1;
        for (std::size_t slot = hash & (slots_.size() - 1); slots_[slot] != 0; slot = (slot + 1) & (slots_.size() - 1))
            if (slots_[slot] == hash)
                return true;
        return false;
    }

    std::size_t size() const { return size_; }

private:
    void grow()
    {
        std::vector<std::uint64_t> old(slots_.size() * 2, 0);
        old.swap(slots_);
        size_ = 0;
        for (std::uint64_t hash : old)
            if (hash != 0)
                insert(hash);
    }

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

}  // namespace velmora
