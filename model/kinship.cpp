#include "model/kinship.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum KinshipKind;

// A chain split where it turns: up through parents, across to one brother or
// sister, down through children.
struct Chain {
    int fathers = 0;  // parents before the first mother
    int mothers = 0;  // parents from the first mother on
    bool fatherAfterMother = false;
    bool across = false;
    Link sibling = Link::FullBrother;
    int sons = 0;  // children before the first daughter
    int children = 0;
    bool lastIsSon = false;
};

Chain chainOf(const RelativePath& path, int from, int to)
{
    Chain c;
    for (int i = from; i < to; ++i) {
        const Link link = path[i];
        if (isParent(link)) {
            if (link == Link::Mother) ++c.mothers;
            if (link == Link::Father && c.mothers > 0) c.fatherAfterMother = true;
            if (link == Link::Father && c.mothers == 0) ++c.fathers;
        } else if (isSibling(link)) {
            c.across = true;
            c.sibling = link;
        } else if (isChild(link)) {
            if (link == Link::Son && c.sons == c.children) ++c.sons;
            ++c.children;
            c.lastIsSon = link == Link::Son;
        }
    }
    return c;
}

bool upIsFathersOnly(const Chain& c) { return c.mothers == 0; }
// Sons only below, or sons then one daughter at the end.
bool sonsLine(const Chain& c) { return c.sons == c.children || c.sons == c.children - 1; }
bool maleBrother(Link sibling) { return sibling == Link::FullBrother || sibling == Link::ConsanguineBrother; }

Kinship kinRelation(const Chain& c, Kinship r)
{
    r.across = c.across;
    r.strength = strengthOf(c.sibling);
    if (!c.across && c.children > 0 && c.fathers + c.mothers == 0) {
        r.down = c.children;
        r.kind = sonsLine(c) ? Descendant : DistantKindred;
        return r;
    }
    if (!c.across) {
        r.up = c.fathers;
        r.mothers = c.mothers;
        if (c.mothers == 0)
            r.kind = Father;
        else if (c.fatherAfterMother)
            r.kind = DistantKindred;
        else
            r.kind = c.fathers == 0 && c.mothers == 1 ? Mother : Grandmother;
        return r;
    }
    r.up = c.fathers;
    r.down = c.children;
    if (!upIsFathersOnly(c)) return r.kind = DistantKindred, r;
    if (maleBrother(c.sibling)) {
        const bool maleLine = c.sons == c.children;
        r.kind = !maleLine ? DistantKindred : (c.fathers == 0 && c.children == 0 ? Sibling : Agnate);
        return r;
    }
    r.kind = c.fathers == 0 && c.children == 0 ? Sibling : DistantKindred;
    return r;
}

// Men only: up through fathers, across to a full or consanguine brother, down through sons.
bool agnatic(const Chain& c)
{
    return upIsFathersOnly(c) && c.sons == c.children && (!c.across || maleBrother(c.sibling));
}

// After "mut": the emancipator's male agnates by themselves inherit his wala,
// in the order of the kinsmen. The women at the end of his male line (his
// daughter, sister, mother) are shown inheriting nothing; anyone related to
// him through a woman is no one to the deceased.
Kinship walaRelation(const RelativePath& path, int from, Kinship r)
{
    const Chain c = chainOf(path, from, path.size());
    r.up = c.fathers;
    r.down = c.children;
    r.across = c.across;
    r.strength = strengthOf(c.sibling);
    if (agnatic(c)) {
        r.kind = EmancipatorsAgnate;
    } else {
        const bool womanOfHisLine = r.female && agnatic(chainOf(path, from, path.size() - 1));
        r.kind = womanOfHisLine ? EmancipatorsWoman : NotOfTheWala;
    }
    return r;
}

std::string quoted(std::string_view text) { return "'" + std::string(text.substr(0, 64)) + "'"; }

constexpr std::string_view kNotYet = "Qismaru does not divide for distant kindred yet";

}  // namespace

bool Kinship::isAgnateBySelf() const
{
    switch (kind) {
    case Descendant:
    case Sibling: return !female && strength != Strength::Uterine;
    case Father:
    case Agnate:
    case Emancipator:
    case EmancipatorsAgnate: return true;
    default: return false;
    }
}

Kinship kinshipOf(const RelativePath& path)
{
    Kinship r;
    if (path.empty()) return r;
    r.female = isFemale(path.last());
    const auto spouse = [](Link l) { return l == Link::Husband || l == Link::Wife; };
    if (std::any_of(path.links().begin(), path.links().end(), spouse)) {
        if (path.size() == 1) r.kind = path[0] == Link::Husband ? Husband : Wife;
        return r;
    }
    if (path[0] == Link::Grandmother) {
        r.kind = GrandmotherSide;
        return r;
    }
    int from = 0;
    while (from < path.size() && path[from] == Link::Emancipator) ++from;
    r.hops = from;
    if (r.hops == 0) return kinRelation(chainOf(path, from, path.size()), r);
    if (from == path.size()) {
        r.kind = Emancipator;
        r.female = false;  // a man or a woman: the emancipator inherits either way
        return r;
    }
    return walaRelation(path, from, r);
}

std::string kinshipProblem(const RelativePath& path, std::string_view written)
{
    const Kinship r = kinshipOf(path);
    switch (r.kind) {
    case DistantKindred: {
        const bool ascendant = !r.across && r.down == 0;
        if (ascendant) {
            return quoted(written) + " is a false " + (r.female ? "grandmother" : "grandfather") +
                   " (a man stands between two women in the line): distant kindred (dhawu al-arham), never a "
                   "sharer; " +
                   std::string(kNotYet);
        }
        return quoted(written) + " is distant kindred (dhawu al-arham): neither a sharer nor a residuary; " +
               std::string(kNotYet);
    }
    case NotOfTheWala:
        return quoted(written) +
               " is related to the emancipator through a woman: only the emancipator and his male agnates by "
               "themselves inherit the wala";
    case NotRelative:
        return quoted(written) +
               " is a spouse's relative or a relative's spouse, no relative of the deceased; of marriage only the "
               "husband and the wives themselves inherit (h, w)";
    default: return "";
    }
}

bool grandmotherLineInherits(School school, int fathers)
{
    switch (school) {
    case School::Maliki: return fathers <= 1;
    case School::Hanbali: return fathers <= 2;
    default: return true;
    }
}

std::string grandmotherLineProblem(const RelativePath& path, std::string_view written, School school)
{
    const Kinship r = kinshipOf(path);
    if (r.kind != Grandmother || grandmotherLineInherits(school, r.up)) return "";
    const std::string key(schoolInfo(school).key);
    const std::string lines = school == School::Maliki ? "the mother's and the father's mothers"
                                                       : "the mother's, the father's and the grandfather's mothers";
    return "only " + lines + " (and their mothers) inherit under the " + key + " school: " + quoted(written) +
           " is distant kindred there; " + std::string(kNotYet);
}

}  // namespace qismaru
