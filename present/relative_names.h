#pragma once

#include <optional>
#include <string>

#include "model/relative_path.h"
#include "present/heir_names.h"

namespace qismaru {

// How a relative's name is asked for: in a sentence (definite, in the case
// the sentence needs) or in a list of heirs (indefinite), for one, two or
// more persons on the path.
struct NameForm {
    int count = 1;
    GrammaticalCase grammaticalCase = Nominative;
    bool definite = false;
    // "bm" beside "sim" counts brothers; alone it may be brothers or sisters.
    bool uterineSexGiven = false;
};

// The heir kind whose name a path keeps: a path of one of the 21 codes,
// but for "bm" beside "sim", a uterine brother named as any path is.
std::optional<HeirKind> namedKind(const RelativePath& path, bool uterineSexGiven);

// A relative named from his path as the books name him, the nearest link
// last: "ابن ابن ابن", "بنت ابن الابن", "أم أبي الأب", "عم الأب الشقيق",
// "ابن عم الأب لأب", "أخو المعتق الشقيق". The name agrees in number and case
// with the persons it stands for ("ابنا ابن الابن", "ابني ابن الابن"), and a
// chain that passes through an ancestor or the emancipator is definite by
// him ("أم الأب", "ابن المعتق"). The 21 kinds keep their names.
std::string relativeName(const RelativePath& path, const NameForm& form = {});

// The relatives on a path as the list of a case names them, indefinite,
// nominative and counted: "ابن ابن ابن", "ثلاثة أبناء ابن ابن", from eleven
// on "أبناء ابن ابن عددهم 12".
std::string countedRelatives(const RelativePath& path, int count, bool uterineSexGiven = false);

// Whom a verb or pronoun about them agrees with.
Agreement agreementOf(const RelativePath& path, int count, bool uterineSexGiven = false);

}  // namespace qismaru
