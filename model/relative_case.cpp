#include "model/relative_case.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum KinshipKind;

std::string quoted(std::string_view text) { return "'" + std::string(text.substr(0, 64)) + "'"; }

std::string shown(const RelativeEntry& e) { return e.label.empty() ? e.written : e.written + "@" + e.label; }

// A person of whom the deceased has one: the father and each grandfather,
// the mother, each grandmother, the husband.
bool onePerson(const Kinship& r)
{
    return r.kind == Father || r.kind == Mother || r.kind == Grandmother || r.kind == Husband;
}

std::string countProblem(const RelativeEntry& e, const Kinship& r)
{
    if (e.count < 1) return "the count of " + quoted(shown(e)) + " is below 1";
    if (e.count > kMaxCount) return "the count of " + quoted(shown(e)) + " is above " + std::to_string(kMaxCount);
    if (onePerson(r) && e.count > 1) {
        return quoted(shown(e)) + " is one person: the count is 1, not " + std::to_string(e.count);
    }
    return "";
}

std::string repeatProblem(std::span<const RelativeEntry> entries, std::size_t i)
{
    const RelativeEntry& e = entries[i];
    const bool single = onePerson(kinshipOf(e.path));
    for (std::size_t j = 0; j < i; ++j) {
        const RelativeEntry& earlier = entries[j];
        if (earlier.path != e.path) continue;
        if (earlier.label == e.label) {
            return quoted(shown(e)) + " is given twice" +
                   (earlier.written != e.written ? " (as " + quoted(shown(earlier)) + ")" : "");
        }
        if (single) return quoted(e.written) + " is one person: a label cannot tell two apart";
    }
    return "";
}

}  // namespace

RelativeEntry relativeEntry(const WrittenRelative& relative, int count, std::string_view written)
{
    const std::string_view letters = written.substr(0, written.find('@'));
    return {relative.path, relative.label, count, std::string(letters)};
}

std::vector<RelativeEntry> entriesOf(const KindCounts& counts)
{
    std::vector<RelativeEntry> entries;
    for (const HeirKindInfo& info : heirKinds()) {
        if (counts.has(info.kind)) {
            entries.push_back({RelativePath::ofKind(info.kind), "", counts.of(info.kind), std::string(info.code)});
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

std::string relativesProblem(std::span<const RelativeEntry> entries)
{
    bool sideless = false;
    bool sided = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RelativeEntry& e = entries[i];
        const Kinship r = kinshipOf(e.path);
        if (std::string why = kinshipProblem(e.path, shown(e)); !why.empty()) return why;
        if (std::string why = countProblem(e, r); !why.empty()) return why;
        if (std::string why = repeatProblem(entries, i); !why.empty()) return why;
        sideless = sideless || r.kind == GrandmotherSide;
        sided = sided || r.kind == Grandmother;
    }
    if (sideless && sided) {
        return "a grandmother whose side is not given (gm) cannot stand beside grandmothers given by their side "
               "(m.m, f.m, ...): give every grandmother by her side";
    }
    return "";
}

}  // namespace qismaru
