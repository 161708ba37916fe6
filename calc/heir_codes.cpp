#include "calc/heir_codes.h"

#include "model/heir_kind.h"

namespace qismaru::calc {

std::string validCodes()
{
    std::string codes;
    for (const HeirKindInfo& info : heirKinds()) {
        if (!codes.empty()) codes += ' ';
        codes += info.code;
    }
    return codes;
}

}  // namespace qismaru::calc
