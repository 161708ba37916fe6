#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qismaru {

inline constexpr int kHeirKindCount = 21;

// The 21 heir kinds, in the fixed order by which every per-kind array is
// indexed (counts, entry rows, share results).
enum class HeirKind : std::uint8_t {
    UterineSiblings,
    Grandmothers,
    Sons,
    SonsSons,
    FullBrothers,
    ConsanguineBrothers,
    FullBrothersSons,
    ConsanguineBrothersSons,
    FullUncles,
    ConsanguineUncles,
    FullUnclesSons,
    ConsanguineUnclesSons,
    Wives,
    Daughters,
    SonsDaughters,
    FullSisters,
    ConsanguineSisters,
    Mother,
    Grandfather,
    Father,
    Husband,
};

// Single kinds are present or absent; counted kinds are entered with a number.
enum class EntryKind : std::uint8_t { Counted, Single };

// What the rules know of a kind; how it is written is present/heir_labels.h.
struct HeirKindInfo {
    HeirKind kind;
    std::string_view code;  // Latin heir code, compared exactly
    EntryKind entry;
};

constexpr int indexOf(HeirKind kind) { return static_cast<int>(kind); }
constexpr HeirKind kindAt(int index) { return static_cast<HeirKind>(index); }

// Whether a per-kind table (rows with a `kind` member) lists the kinds in
// index order, so that it can be indexed by HeirKind: a row out of place
// would silently attach one kind's data to another.
template <typename Row, std::size_t N>
constexpr bool inKindOrder(const std::array<Row, N>& table)
{
    if (N != kHeirKindCount) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (indexOf(table[i].kind) != static_cast<int>(i)) return false;
    }
    return true;
}

// The heir-kind table, in index order.
const std::array<HeirKindInfo, kHeirKindCount>& heirKinds();
const HeirKindInfo& infoOf(HeirKind kind);
std::optional<HeirKind> kindFromCode(std::string_view code);

// Counts above this are refused everywhere: a kind count is a 16-bit field.
inline constexpr int kMaxCount = 32767;
inline constexpr int kMaxWives = 4;

// The number of heirs of each kind: 0 is absent, single kinds are 0 or 1.
struct KindCounts {
    std::array<std::int16_t, kHeirKindCount> count{};

    int of(HeirKind kind) const { return count[indexOf(kind)]; }
    bool has(HeirKind kind) const { return of(kind) > 0; }
    void set(HeirKind kind, int n) { count[indexOf(kind)] = static_cast<std::int16_t>(n); }
    bool empty() const;
};

}  // namespace qismaru
