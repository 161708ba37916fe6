#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>

#include "model/heir_kind.h"

namespace qismaru {

// A set of heir kinds, one bit per kind: small enough to copy freely and to
// keep in records that must not allocate.
class KindSet {
public:
    constexpr KindSet() = default;
    constexpr KindSet(std::initializer_list<HeirKind> kinds)
    {
        for (const HeirKind kind : kinds) add(kind);
    }

    static constexpr KindSet of(HeirKind kind) { return fromBits(bitOf(kind)); }
    // The kind alone when it has heirs, else nothing.
    static constexpr KindSet ifEntered(HeirKind kind, const KindCounts& counts)
    {
        return fromBits(counts.count[indexOf(kind)] > 0 ? bitOf(kind) : 0);
    }

    // The kinds with at least one heir.
    static constexpr KindSet enteredIn(const KindCounts& counts)
    {
        KindSet entered;
        for (int i = 0; i < kHeirKindCount; ++i) {
            if (counts.count[i] > 0) entered.add(kindAt(i));
        }
        return entered;
    }

    constexpr void add(HeirKind kind) { bits_ |= bitOf(kind); }
    constexpr void remove(HeirKind kind) { bits_ &= ~bitOf(kind); }
    constexpr bool has(HeirKind kind) const { return (bits_ & bitOf(kind)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr int size() const { return std::popcount(bits_); }

    constexpr KindSet operator|(KindSet other) const { return fromBits(bits_ | other.bits_); }
    constexpr KindSet operator&(KindSet other) const { return fromBits(bits_ & other.bits_); }
    constexpr KindSet without(KindSet other) const { return fromBits(bits_ & ~other.bits_); }
    constexpr bool operator==(const KindSet&) const = default;

    // Calls visit for every kind of the set, in kind-index order.
    template <typename Visit>
    constexpr void forEach(Visit&& visit) const
    {
        for (std::uint32_t rest = bits_; rest != 0; rest &= rest - 1) visit(kindAt(std::countr_zero(rest)));
    }

private:
    static constexpr std::uint32_t bitOf(HeirKind kind) { return std::uint32_t{1} << indexOf(kind); }
    static constexpr KindSet fromBits(std::uint32_t bits)
    {
        KindSet set;
        set.bits_ = bits;
        return set;
    }

    std::uint32_t bits_ = 0;
};

}  // namespace qismaru
