#include "engine/whole_numbers.h"

namespace qismaru {

std::int64_t commonMultipleStep(std::int64_t a, std::int64_t b) { return commonMultipleStepOf(a, b).value; }

}  // namespace qismaru
