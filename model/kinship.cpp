#include "model/kinship.h"

#include <algorithm>
#include <array>

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
    int spouses = 0;  // a husband or wife anywhere in the chain
};

// Counted rather than branched on: the links of the paths of a case come in
// no order a processor could guess.
Chain chainOf(const RelativePath& path, int from, int to)
{
    Chain c;
    for (int i = from; i < to; ++i) {
        const Link link = path[i];
        const bool father = link == Link::Father;
        const bool son = link == Link::Son;
        c.mothers += link == Link::Mother;
        c.fatherAfterMother = c.fatherAfterMother || (father && c.mothers > 0);
        c.fathers += father && c.mothers == 0;
        c.sons += son && c.sons == c.children;
        c.children += son || link == Link::Daughter;
        c.spouses += link == Link::Husband || link == Link::Wife;
        if (isSibling(link)) {
            c.across = true;
            c.sibling = link;
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
Kinship walaRelation(const RelativePath& path, int from, const Chain& c, Kinship r)
{
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

// The relatives of one link, most of the entries of a case.
constexpr Kinship single(KinshipKind kind, Link link)
{
    Kinship r;
    r.kind = kind;
    r.female = isFemale(link);
    if (kind == Descendant) r.down = 1;
    if (kind == Father) r.up = 1;
    if (kind == Sibling) r.across = true, r.strength = strengthOf(link);
    if (kind == Emancipator) r.hops = 1, r.female = false;
    return r;
}

constexpr Kinship kSingleLinks[] = {
    single(Descendant, Link::Son),
    single(Descendant, Link::Daughter),
    single(Father, Link::Father),
    single(Mother, Link::Mother),
    single(Sibling, Link::FullBrother),
    single(Sibling, Link::ConsanguineBrother),
    single(Sibling, Link::UterineBrother),
    single(Sibling, Link::FullSister),
    single(Sibling, Link::ConsanguineSister),
    single(Sibling, Link::UterineSister),
    single(Emancipator, Link::Emancipator),
    single(Husband, Link::Husband),
    single(Wife, Link::Wife),
    single(GrandmotherSide, Link::Grandmother),
};
static_assert(std::size(kSingleLinks) == static_cast<std::size_t>(Link::Grandmother) + 1);

Kinship kinshipFromLinks(const RelativePath& path)
{
    Kinship r;
    if (path.empty()) return r;
    r.female = isFemale(path.last());
    int from = 0;
    while (from < path.size() && path[from] == Link::Emancipator) ++from;
    r.hops = from;
    const Chain chain = chainOf(path, from, path.size());
    if (chain.spouses > 0) {
        if (path.size() == 1) r.kind = path[0] == Link::Husband ? Husband : Wife;
        return r;
    }
    if (path[0] == Link::Grandmother) {
        r.kind = GrandmotherSide;
        return r;
    }
    if (r.hops == 0) return kinRelation(chain, r);
    if (from == path.size()) {
        r.kind = Emancipator;
        r.female = false;  // a man or a woman: the emancipator inherits either way
        return r;
    }
    return walaRelation(path, from, chain, r);
}

// The relatives of two links, read once: with those of one link they are
// most of the entries of a case.
constexpr std::size_t kLinks = static_cast<std::size_t>(Link::Grandmother) + 1;

const std::array<Kinship, kLinks * kLinks>& twoLinks()
{
    static const std::array<Kinship, kLinks* kLinks> table = [] {
        std::array<Kinship, kLinks * kLinks> all{};
        for (std::size_t a = 0; a < kLinks; ++a) {
            for (std::size_t b = 0; b < kLinks; ++b) {
                all[a * kLinks + b] = kinshipFromLinks(RelativePath{static_cast<Link>(a), static_cast<Link>(b)});
            }
        }
        return all;
    }();
    return table;
}

}  // namespace

Kinship kinshipOf(const RelativePath& path)
{
    const auto at = [&](int i) { return static_cast<std::size_t>(path[i]); };
    if (path.size() == 1) return kSingleLinks[at(0)];
    if (path.size() == 2) return twoLinks()[at(0) * kLinks + at(1)];
    return kinshipFromLinks(path);
}

std::string kinshipProblem(const RelativePath& path, std::string_view written)
{
    return kinshipProblem(kinshipOf(path), written);
}

std::string kinshipProblem(const Kinship& r, std::string_view written)
{
    switch (r.kind) {
    case NotOfTheWala:
        return quotedPath(written) +
               " is related to the emancipator through a woman: only the emancipator and his male agnates by "
               "themselves inherit the wala";
    case NotRelative:
        return quotedPath(written) +
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

bool isDistantKindred(const Kinship& r, School school)
{
    return r.kind == DistantKindred || (r.kind == Grandmother && !grandmotherLineInherits(school, r.up));
}

}  // namespace qismaru
