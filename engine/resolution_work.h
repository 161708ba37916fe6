#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/path_case.h"

namespace qismaru {

// What the resolution of a case's relatives shares between its steps.
struct ResolutionWork {
    std::span<const RelativeEntry> entries;
    School school;
    Resolution& out;
    std::uint32_t present = 0;  // a bit for each kind of kinship entered

    const Kinship& kinship(std::size_t i) const { return out.standings[i].kinship; }

    std::size_t size() const { return entries.size(); }
    // The entries whose relation is of `kind`, in the order entered.
    template <typename Visit>
    void forEach(KinshipKind kind, Visit&& visit) const
    {
        if (!any(kind)) return;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (kinship(i).kind == kind) visit(i);
        }
    }
    bool any(KinshipKind kind) const { return (present >> static_cast<int>(kind) & 1u) != 0; }

    // The entry inherits by the rules of `kind`, its heads added to the kind's.
    void inherit(std::size_t i, HeirKind kind)
    {
        Standing& s = out.standings[i];
        s.way = StandingWay::Inherits;
        s.capacity = kind;
        const int heads = out.capacities.counts.of(kind) + entries[i].count;
        if (heads > kMaxCount) {
            refuse(PathRefusal::TooManyOfOneKind,
                   "more than " + std::to_string(kMaxCount) + " heirs inherit together as one kind");
            return;
        }
        out.capacities.counts.set(kind, heads);
    }
    void exclude(std::size_t i, KindSet byKinds, int byEntry = -1)
    {
        Standing& s = out.standings[i];
        s.way = StandingWay::Excluded;
        s.byKinds = byKinds;
        s.byEntry = byEntry;
    }
    void refuse(PathRefusal cause, std::string why)
    {
        if (!out.refusal.empty() || why.empty()) return;
        out.refusal = std::move(why);
        out.refusalCause = cause;
    }
};

// The steps of the resolution, each for one chapter of relatives.
void resolveGrandmothers(ResolutionWork& work);
void resolveDescendants(ResolutionWork& work);
void resolveAgnates(ResolutionWork& work);

}  // namespace qismaru
