#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/heir_kind.h"

namespace qismaru {

// One link of the chain from the deceased to a relative, read outwards:
// "s.s.d" is the deceased's son's son's daughter.
enum class Link : std::uint8_t {
    Son,                 // s
    Daughter,            // d
    Father,              // f
    Mother,              // m
    FullBrother,         // b
    ConsanguineBrother,  // bf: through the father only
    UterineBrother,      // bm: through the mother only
    FullSister,          // si
    ConsanguineSister,   // sif
    UterineSister,       // sim
    Emancipator,         // mut: the man or woman who freed the deceased (or freed his emancipator)
    Husband,             // h
    Wife,                // w
    // gm: a grandmother whose side is not given, only ever a whole path.
    Grandmother,
};

// How a brother or sister is related: through both parents, the father only
// or the mother only.
enum class Strength : std::uint8_t { Full, Consanguine, Uterine };

// The relation of one relative to the deceased, as a chain of links. The 21
// heir codes are names of the commonest chains ("gs" is "s.s", "su" is
// "f.b.s"); "gm" and "bm" keep what their buttons mean, a grandmother whose
// side is not given and uterine siblings whose sex is not given.
class RelativePath {
public:
    // Longer chains name no relative anyone can trace; the limit keeps a path
    // a small value that never allocates.
    static constexpr int kMaxLinks = 24;

    RelativePath() = default;
    RelativePath(std::initializer_list<Link> links);

    std::span<const Link> links() const { return {links_.data(), size_}; }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Link operator[](int i) const { return links_[static_cast<std::size_t>(i)]; }
    Link last() const { return links_[size_ - 1u]; }

    // Adds a link; false (and the path unchanged) beyond kMaxLinks.
    bool add(Link link);

    // The letters joined by ".": "s.s.s", "f.f.m", "mut.b.s".
    std::string text() const;

    // The heir kind whose code names exactly this path ("s.s" is "gs"), if
    // any, and that code.
    std::optional<HeirKind> kind() const;
    std::string_view code() const;
    static RelativePath ofKind(HeirKind kind);

    bool operator==(const RelativePath& other) const
    {
        if (size_ != other.size_) return false;
        for (std::uint8_t i = 0; i < size_; ++i) {
            if (links_[i] != other.links_[i]) return false;
        }
        return true;
    }

private:
    std::array<Link, kMaxLinks> links_{};
    std::uint8_t size_ = 0;
};

// The letter of a link in the notation: "s", "bf", "mut", ...
std::string_view letterOf(Link link);

constexpr bool isFemale(Link link)
{
    return link == Link::Daughter || link == Link::Mother || link == Link::FullSister ||
           link == Link::ConsanguineSister || link == Link::UterineSister || link == Link::Wife ||
           link == Link::Grandmother;
}
constexpr bool isParent(Link link) { return link == Link::Father || link == Link::Mother; }
constexpr bool isChild(Link link) { return link == Link::Son || link == Link::Daughter; }
constexpr bool isSibling(Link link) { return link >= Link::FullBrother && link <= Link::UterineSister; }
constexpr Strength strengthOf(Link sibling)
{
    if (sibling == Link::ConsanguineBrother || sibling == Link::ConsanguineSister) return Strength::Consanguine;
    if (sibling == Link::UterineBrother || sibling == Link::UterineSister) return Strength::Uterine;
    return Strength::Full;
}

// A relative as written: the path, and a label after "@" that tells apart
// two lines of descent along the same path ("d.d@1", "d.d@2").
struct WrittenRelative {
    RelativePath path;
    std::string label;
    bool asCode = false;  // written as the heir code that names the path ("gs", not "s.s")
};

// Whether a label may follow "@": one to sixteen Latin letters, digits, '-'
// or '_', so that it reads the same in a file, a link and a batch line.
bool labelIsClean(std::string_view label);

// A path as written, in quotes for a message, cut short (at a character's
// boundary) if it runs long.
std::string quotedPath(std::string_view written);

// Reads "s.s.s", "gs", "f.f.m", "mut.b.s" or "d.d@1". Letters and codes may
// be mixed ("gf.m" is "f.f.m"). On failure `error` says why in one line.
struct PathReading {
    std::optional<WrittenRelative> relative;
    std::string error;
};
PathReading readRelative(std::string_view written);

}  // namespace qismaru
