#pragma once

#include <string>
#include <vector>

#include "engine/compute_case.h"

namespace qismaru {

// The named cases as the solution names them. Calculate announces its
// named cases in its own fixed texts, spaces missing and all (the window
// shows them as they are); the solution writes the same announcements as a
// teacher writes them.
std::string namedCaseSentence(CaseMessage message);

// The cases the books name by their heirs and figures that Calculate does
// not announce: the grandfather's with the siblings after Zayd (الخرقاء،
// العشرية، العشرينية، مختصرة زيد، التسعينية), and المنبرية and الدينارية.
// A case is named only when its heirs are the book's and the program's
// division gives the book's figures, so that no name is put on a division
// the books do not make.
std::vector<std::string> bookCaseSentences(const KindCounts& counts, const CaseComputation& computation);

}  // namespace qismaru
