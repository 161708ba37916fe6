#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/path_case.h"
#include "model/kinship.h"

namespace qismaru {

// What the resolution of a case's relatives shares between its steps.
struct ResolutionWork {
    std::span<const RelativeEntry> entries;
    std::vector<Kinship> kinships;  // of each entry
    School school;
    Resolution& out;

    std::size_t size() const { return entries.size(); }
    // The entries whose relation is of `kind`, in the order entered.
    template <typename Visit>
    void forEach(KinshipKind kind, Visit&& visit) const
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (kinships[i].kind == kind) visit(i);
        }
    }
    bool any(KinshipKind kind) const
    {
        for (const Kinship& r : kinships) {
            if (r.kind == kind) return true;
        }
        return false;
    }

    // The entry inherits by the rules of `kind`, its heads added to the kind's.
    void inherit(std::size_t i, HeirKind kind)
    {
        out.standings[i] = {StandingWay::Inherits, kind, {}, -1};
        const int heads = out.capacities.counts.of(kind) + entries[i].count;
        if (heads > kMaxCount) {
            refuse("more than " + std::to_string(kMaxCount) + " heirs inherit together as one kind");
            return;
        }
        out.capacities.counts.set(kind, heads);
    }
    void exclude(std::size_t i, KindSet byKinds, int byEntry = -1)
    {
        out.standings[i] = {StandingWay::Excluded, HeirKind::Sons, byKinds, byEntry};
    }
    void refuse(std::string why)
    {
        if (out.refusal.empty()) out.refusal = std::move(why);
    }
};

// The steps of the resolution, each for one chapter of relatives.
void resolveGrandmothers(ResolutionWork& work);
void resolveDescendants(ResolutionWork& work);
void resolveAgnates(ResolutionWork& work);

}  // namespace qismaru
