#include "present/relatives_by_kind.h"

#include <algorithm>

#include "present/relative_names.h"

namespace qismaru {

RelativesByKind::RelativesByKind(std::span<const RelativeEntry> entries, const PathComputation& computation)
    : entries_(entries), computation_(computation), sexGiven_(qismaru::uterineSexGiven(entries))
{
    const Resolution& resolution = computation.resolution;
    for (std::size_t i = 0; i < entries.size() && i < resolution.standings.size(); ++i) {
        const Standing& s = resolution.standings[i];
        if (s.way == StandingWay::Inherits) add(byKind_[indexOf(s.capacity)], entries[i]);
        if (s.way == StandingWay::CompletesTwoThirds) add(completingSixth_, entries[i]);
    }
}

void RelativesByKind::add(std::vector<OnePath>& group, const RelativeEntry& entry)
{
    for (OnePath& one : group) {
        if (one.path == entry.path) {
            one.count += entry.count;
            return;
        }
    }
    group.push_back({entry.path, entry.count});
}

std::string RelativesByKind::joined(const std::vector<OnePath>& group, GrammaticalCase grammaticalCase) const
{
    std::string text;
    for (const OnePath& one : group) {
        if (!text.empty()) text += " و";
        text += relativeName(one.path, {one.count, grammaticalCase, true, sexGiven_});
    }
    return text;
}

Agreement RelativesByKind::agreementOf(const std::vector<OnePath>& group) const
{
    Agreement all{true, 0};
    for (const OnePath& one : group) {
        all.feminine = all.feminine && qismaru::agreementOf(one.path, 1, sexGiven_).feminine;
        all.persons += one.count;
    }
    all.persons = std::max(all.persons, 1);
    return all;
}

std::string RelativesByKind::name(HeirKind kind, GrammaticalCase grammaticalCase) const
{
    return joined(byKind_[indexOf(kind)], grammaticalCase);
}

std::string RelativesByKind::names(KindSet kinds, GrammaticalCase grammaticalCase) const
{
    std::string text;
    for (const HeirKind kind : readingOrder()) {
        if (!kinds.has(kind) || byKind_[indexOf(kind)].empty()) continue;
        if (!text.empty()) text += " و";
        text += name(kind, grammaticalCase);
    }
    return text;
}

Agreement RelativesByKind::agreement(HeirKind kind) const { return agreementOf(byKind_[indexOf(kind)]); }

Agreement RelativesByKind::agreement(KindSet kinds) const
{
    std::vector<OnePath> all;
    kinds.forEach([&](HeirKind kind) {
        const auto& group = byKind_[indexOf(kind)];
        all.insert(all.end(), group.begin(), group.end());
    });
    return agreementOf(all);
}

std::string RelativesByKind::completingSixthName(GrammaticalCase grammaticalCase) const
{
    return joined(completingSixth_, grammaticalCase);
}

Agreement RelativesByKind::completingSixthAgreement() const { return agreementOf(completingSixth_); }

std::string RelativesByKind::entryName(std::size_t i, GrammaticalCase grammaticalCase) const
{
    const RelativeEntry& e = entries_[i];
    std::string text = relativeName(e.path, {e.count, grammaticalCase, true, sexGiven_});
    if (!e.label.empty()) text += " (@" + e.label + ")";
    return text;
}

Agreement RelativesByKind::entryAgreement(std::size_t i) const
{
    return qismaru::agreementOf(entries_[i].path, entries_[i].count, sexGiven_);
}

std::string RelativesByKind::written(std::size_t i) const { return entries_[i].writtenWithLabel(); }

bool RelativesByKind::ownPathOnly(HeirKind kind) const
{
    const RelativePath own = RelativePath::ofKind(kind);
    const auto& group = byKind_[indexOf(kind)];
    return std::all_of(group.begin(), group.end(), [&](const OnePath& one) { return one.path == own; });
}

RelativesByKind::Wala RelativesByKind::walaOf(HeirKind kind) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Standing& s = standing(i);
        if (s.way != StandingWay::Inherits || s.capacity != kind) continue;
        if (s.kinship.kind == KinshipKind::Emancipator) return Wala::Emancipator;
        if (s.kinship.kind == KinshipKind::EmancipatorsAgnate) return Wala::HisAgnates;
    }
    return Wala::None;
}

std::vector<std::size_t> RelativesByKind::liftedAbove() const
{
    int male = RelativePath::kMaxLinks + 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Standing& s = standing(i);
        if (s.way == StandingWay::Inherits && s.kinship.kind == KinshipKind::Descendant && !s.kinship.female)
            male = std::min(male, int{s.kinship.down});
    }
    std::vector<std::size_t> above;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Standing& s = standing(i);
        // Those above him who hold a share inherit as daughters, or hold the completing sixth.
        if (s.way == StandingWay::Inherits && s.capacity == HeirKind::SonsDaughters && s.kinship.down < male)
            above.push_back(i);
    }
    return above;
}

std::vector<std::string> RelativesByKind::writtenIn(KindSet kinds) const
{
    std::vector<std::string> all;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Standing& s = standing(i);
        if (s.way == StandingWay::Inherits && kinds.has(s.capacity)) all.push_back(written(i));
    }
    return all;
}

std::vector<std::string> RelativesByKind::writtenCompletingSixth() const
{
    std::vector<std::string> all;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (standing(i).way == StandingWay::CompletesTwoThirds) all.push_back(written(i));
    }
    return all;
}

}  // namespace qismaru
