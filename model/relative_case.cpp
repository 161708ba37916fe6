#include "model/relative_case.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum KinshipKind;

bool onePerson(const Kinship& r) { return isOnePerson(r); }

std::string countProblem(const RelativeEntry& e, const Kinship& r)
{
    if (e.count < 1) return "the count of " + quotedPath(e.writtenWithLabel()) + " is below 1";
    if (e.count > kMaxCount)
        return "the count of " + quotedPath(e.writtenWithLabel()) + " is above " + std::to_string(kMaxCount);
    if (onePerson(r) && e.count > 1) {
        return quotedPath(e.writtenWithLabel()) + " is one person: the count is 1, not " + std::to_string(e.count);
    }
    return "";
}

std::string repeatProblem(std::span<const RelativeEntry> entries, std::size_t i, bool single)
{
    const RelativeEntry& e = entries[i];
    for (std::size_t j = 0; j < i; ++j) {
        const RelativeEntry& earlier = entries[j];
        if (earlier.path != e.path) continue;
        if (earlier.label == e.label) {
            return quotedPath(e.writtenWithLabel()) + " is given twice" +
                   (earlier.writtenAsCode != e.writtenAsCode ? " (as " + quotedPath(earlier.writtenWithLabel()) + ")"
                                                             : "");
        }
        if (single) return quotedPath(e.written()) + " is one person: a label cannot tell two apart";
    }
    return "";
}

}  // namespace

bool isOnePerson(const Kinship& r)
{
    const bool falseAscendant = r.kind == DistantKindred && !r.across && r.down == 0;
    return r.kind == Father || r.kind == Mother || r.kind == Grandmother || r.kind == Husband || falseAscendant;
}

std::string RelativeEntry::written() const { return writtenAsCode ? std::string(path.code()) : path.text(); }

std::string RelativeEntry::writtenWithLabel() const { return label.empty() ? written() : written() + "@" + label; }

RelativeEntry relativeEntry(const WrittenRelative& relative, int count)
{
    return {relative.path, relative.asCode, count, relative.label};
}

std::vector<RelativeEntry> entriesOf(const KindCounts& counts)
{
    std::vector<RelativeEntry> entries;
    for (const HeirKindInfo& info : heirKinds()) {
        if (counts.has(info.kind)) {
            entries.push_back({RelativePath::ofKind(info.kind), true, counts.of(info.kind), ""});
        }
    }
    return entries;
}

std::optional<KindCounts> kindCountsOf(std::span<const RelativeEntry> entries)
{
    KindCounts counts;
    for (const RelativeEntry& e : entries) {
        const std::optional<HeirKind> kind = e.path.kind();
        if (!kind || !e.label.empty() || counts.has(*kind) || e.count < 1) return std::nullopt;
        counts.set(*kind, e.count);
    }
    return counts;
}

bool uterineSexGiven(std::span<const RelativeEntry> entries)
{
    return std::any_of(entries.begin(), entries.end(),
                       [](const RelativeEntry& e) { return e.path == RelativePath{Link::UterineSister}; });
}

// The earlier entry on the same path, if any: the same path twice is one
// relative given twice, unless labels tell two lines apart.
const RelativeEntry* earlierOnPath(std::span<const RelativeEntry> entries, std::size_t i)
{
    for (std::size_t j = 0; j < i; ++j) {
        if (entries[j].path == entries[i].path) return &entries[j];
    }
    return nullptr;
}

bool entryStandsAlone(const RelativeEntry& e, const Kinship& r)
{
    const bool countInRange = e.count >= 1 && e.count <= kMaxCount && (!onePerson(r) || e.count == 1);
    return r.isAccepted() && countInRange;
}

bool pathGivenBefore(std::span<const RelativeEntry> entries, std::size_t i) { return earlierOnPath(entries, i); }

std::string entryProblem(std::span<const RelativeEntry> entries, std::size_t i, const Kinship& r)
{
    const RelativeEntry& e = entries[i];
    if (entryStandsAlone(e, r) && !earlierOnPath(entries, i)) return {};
    if (!r.isAccepted()) return kinshipProblem(r, e.writtenWithLabel());
    const bool countOutOfRange = e.count < 1 || e.count > kMaxCount || (onePerson(r) && e.count > 1);
    if (countOutOfRange) return countProblem(e, r);
    return repeatProblem(entries, i, onePerson(r));
}

std::string grandmotherSidesProblem(bool sideless, bool sided)
{
    if (!sideless || !sided) return "";
    return "a grandmother whose side is not given (gm) cannot stand beside grandmothers given by their side "
           "(m.m, f.m, ...): give every grandmother by her side";
}

std::string relativesProblem(std::span<const RelativeEntry> entries)
{
    bool sideless = false;
    bool sided = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Kinship r = kinshipOf(entries[i].path);
        if (std::string why = entryProblem(entries, i, r); !why.empty()) return why;
        sideless = sideless || r.kind == GrandmotherSide;
        sided = sided || r.kind == Grandmother;
    }
    return grandmotherSidesProblem(sideless, sided);
}

}  // namespace qismaru
