#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/positions.h"
#include "model/relative_path.h"

namespace qismaru {

// What a relative is to the deceased, as the rules of inheritance ask it.
enum class KinshipKind : std::uint8_t {
    Husband,
    Wife,
    Descendant,  // a son's line however low: s, s.s, s.s.d (a daughter's child is distant kindred)
    Father,      // the father and the true grandfathers: f, f.f, f.f.f
    Mother,
    Grandmother,         // a true grandmother: fathers first, then mothers (f.m, m.m, f.f.m.m)
    GrandmotherSide,     // gm: a grandmother whose side is not given
    Sibling,             // b bf bm si sif sim
    Agnate,              // the male line of a brother or of an ancestor's brother: b.s.s, f.b, f.f.bf.s
    Emancipator,         // mut, and mut.mut, his own emancipator
    EmancipatorsAgnate,  // a male agnate of the emancipator: mut.s, mut.f, mut.b.s
    // A woman of the emancipator's family (mut.d, mut.si, mut.m): she never
    // inherits the wala of one she did not free, and is entered to be shown
    // so ("the emancipator's son and daughter: all to the son").
    EmancipatorsWoman,
    // Related, yet neither sharer nor residuary: d.s, si.s, m.b, m.f, m.f.m.
    // They inherit only where no sharer but a spouse and no residuary does.
    DistantKindred,
    // Not heirs, and refused:
    NotOfTheWala,  // related to the emancipator through a woman or the mother only: mut.d.s, mut.bm
    NotRelative,   // a spouse's relative or a relative's spouse: h.m, s.w
};

// The relation a path names, in the measures the rules compare. Eight bytes
// (a path has at most RelativePath::kMaxLinks links), so that it travels in
// a register.
struct Kinship {
    KinshipKind kind = KinshipKind::NotRelative;
    bool female = false;  // a uterine sibling written "bm" beside no "sim" may be either
    // Generations up before the chain turns across or ends: the fathers of a
    // grandmother, the ancestor whose brother begins an agnate's line (0:
    // the deceased's own brother), or of a father.
    std::int8_t up = 0;
    std::int8_t down = 0;     // generations down: of a descendant, or below the brother who begins an agnate's line
    std::int8_t mothers = 0;  // of a grandmother
    bool across = false;      // the chain passes through a brother or sister
    Strength strength = Strength::Full;  // of that brother or sister
    std::int8_t hops = 0;  // steps of wala: 1 for the emancipator and his agnates, 2 for his emancipator's, ...

    // Whether a case may hold the relative: an heir, one of the distant
    // kindred, or one who is shown inheriting nothing by the nature of the
    // relation.
    bool isAccepted() const { return kind != KinshipKind::NotOfTheWala && kind != KinshipKind::NotRelative; }
    // A man who takes the remainder by himself when nearer ones are absent.
    bool isAgnateBySelf() const
    {
        switch (kind) {
        case KinshipKind::Descendant:
        case KinshipKind::Sibling: return !female && strength != Strength::Uterine;
        case KinshipKind::Father:
        case KinshipKind::Agnate:
        case KinshipKind::Emancipator:
        case KinshipKind::EmancipatorsAgnate: return true;
        default: return false;
        }
    }
};

static_assert(sizeof(Kinship) == 8 && RelativePath::kMaxLinks < 128);

Kinship kinshipOf(const RelativePath& path);

// Why a relative cannot be divided for, in one English line, or "" for an
// accepted one: the emancipator's kin through a woman, a spouse's relatives.
std::string kinshipProblem(const RelativePath& path, std::string_view written);
std::string kinshipProblem(const Kinship& kinship, std::string_view written);

// Whether a true grandmother `fathers` generations up the father's line
// inherits under the school at all: every one under the Hanafi and Shafi'i
// schools, the mothers of the mother and of the father only under the Maliki
// school, and of the grandfather too under the Hanbali school. Under a
// school that does not count her she is distant kindred.
bool grandmotherLineInherits(School school, int fathers);

// Whether the relative is of the distant kindred under the school: by the
// relation itself, or a grandmother of a line the school does not count.
bool isDistantKindred(const Kinship& kinship, School school);

}  // namespace qismaru
