#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "engine/path_case.h"
#include "present/heir_names.h"

namespace qismaru {

// A case written by path is divided over the 21 kinds, each relative by the
// rules of one of them; its solution names the relatives, not the kinds: a
// son's son's son who inherits by the sons' rules is «ابن ابن الابن», never
// «الابن», and the emancipator who takes what is left is «المعتق». This is
// who stands in each kind, and how a sentence names them.
class RelativesByKind {
public:
    // Of a case divided by path (PathComputation::divided()).
    RelativesByKind(std::span<const RelativeEntry> entries, const PathComputation& computation);

    std::span<const RelativeEntry> entries() const { return entries_; }
    const Standing& standing(std::size_t i) const { return computation_.resolution.standings[i]; }
    RelativeShare shareOf(std::size_t i) const { return qismaru::shareOf(computation_, entries_, i); }
    bool uterineSexGiven() const { return sexGiven_; }
    const PathComputation& computation() const { return computation_; }
    // The division of the distant kindred, where they inherit.
    const std::optional<KindredDivision>& kindred() const { return computation_.kindred; }
    // No one entered inherits as a sharer or a residuary: there are only
    // distant kindred, whose estate they take or the treasury does.
    bool kindredAlone() const
    {
        return computation_.resolution.capacities.counts.empty() &&
               computation_.resolution.capacities.completingSixth == 0;
    }

    // The relatives who inherit by the kind's rules, definite and in the
    // case the sentence needs, joined by "و": "أم الأم وأم الأب". Entries on
    // one path (told apart by their labels) are named together.
    std::string name(HeirKind kind, GrammaticalCase grammaticalCase) const;
    // Several kinds, in the order a teacher reads them.
    std::string names(KindSet kinds, GrammaticalCase grammaticalCase) const;
    Agreement agreement(HeirKind kind) const;
    Agreement agreement(KindSet kinds) const;

    // The level of son's daughters who hold the completing sixth below the
    // daughters' level, named as a kind is.
    std::string completingSixthName(GrammaticalCase grammaticalCase) const;
    Agreement completingSixthAgreement() const;

    // One entry alone, with its label where it has one: "ابن ابن الأخ الشقيق @1".
    std::string entryName(std::size_t i, GrammaticalCase grammaticalCase) const;
    Agreement entryAgreement(std::size_t i) const;
    // As written in the notation, with its label: "s.s.s", "d.d@1".
    std::string written(std::size_t i) const;

    // Whether every relative standing in the kind is on the kind's own path
    // (the daughters are daughters, not a lower level in their place).
    bool ownPathOnly(HeirKind kind) const;
    // Whether the kind is held by the wala, who inherit by cause, not by
    // kinship: the emancipator himself (or his emancipator), or his agnates.
    enum class Wala : std::uint8_t { None, Emancipator, HisAgnates };
    Wala walaOf(HeirKind kind) const;
    // The son's daughters who take the remainder with a son's son below
    // them, having nothing of the two thirds (القريب المبارك).
    std::vector<std::size_t> liftedAbove() const;
    // The entries in the kind, in the order entered, as written.
    std::vector<std::string> writtenIn(KindSet kinds) const;
    std::vector<std::string> writtenCompletingSixth() const;

private:
    // The relatives on one path in one kind, whatever their labels.
    struct OnePath {
        RelativePath path;
        int count = 0;
    };
    std::string joined(const std::vector<OnePath>& group, GrammaticalCase grammaticalCase) const;
    Agreement agreementOf(const std::vector<OnePath>& group) const;
    static void add(std::vector<OnePath>& group, const RelativeEntry& entry);

    std::span<const RelativeEntry> entries_;
    const PathComputation& computation_;
    bool sexGiven_ = false;
    std::array<std::vector<OnePath>, kHeirKindCount> byKind_;
    std::vector<OnePath> completingSixth_;
};

}  // namespace qismaru
