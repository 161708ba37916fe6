#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/heir_kind.h"

namespace qismaru {

// A relative named as the cases that wait name him: by his path from the
// deceased ("s", "s.s", "b.s", "f.bf.s", ...) or by the heir code that names
// the same relation ("gs", "sb", "suf", ...), and the heir kind the engine
// divides him as. The only table from paths to kinds in the engine; it gives
// way to the path model when the engine takes any relative by his path.
struct WaitingRelation {
    std::string_view path;
    std::string_view code;
    HeirKind kind;
    // For a man's relation that may be unborn or of unclear sex (a child, a
    // sibling, a nephew, an uncle or a cousin: never a parent or a spouse):
    // true, and the same relation as a woman, or nothing where she is
    // distant kindred (a nephew's or an uncle's line) and takes nothing here.
    bool mayBeUnclear = false;
    std::optional<HeirKind> asWoman;
};

// The relation named by a path or a code; nothing for a name not in the table.
std::optional<WaitingRelation> relationNamed(std::string_view pathOrCode);

// Every relation the table knows, in its order: the men's relations that may
// be unclear first, each path once.
std::span<const WaitingRelation> waitingRelations();

// The relation a heir kind stands for, as a path: "s.s" for the son's sons.
std::string_view pathOf(HeirKind kind);

}  // namespace qismaru
