#pragma once

#include <array>
#include <span>

#include "model/positions.h"

namespace qismaru::help {

// One question on which the four schools answer differently: the case it is
// about, what each school holds (in the order of kSchools: Hanafi, Maliki,
// Shafi'i, Hanbali), and where the books themselves differ or what this
// program does with it.
struct SchoolQuestion {
    const char* id;
    const char* heading;
    const char* when;
    std::array<const char*, kSchoolCount> holdings;
    const char* note;
};

// The questions of the page "المذاهب الأربعة", in the order a teacher takes them.
std::span<const SchoolQuestion> schoolQuestions();

}  // namespace qismaru::help
