#include "engine/case_result.h"

namespace qismaru {

std::string_view labelText(ShareLabel label)
{
    switch (label) {
    case ShareLabel::None: return "";
    case ShareLabel::Remainder: return "الباقي";
    case ShareLabel::SharesRemainder: return "شريك في الباقي";
    case ShareLabel::FatherSixthAndRemainder: return "1/6+ الباقي";
    case ShareLabel::GrandfatherSixthAndRemainder: return "1/6+الباقي";
    case ShareLabel::ThirdOfRemainderHusbandForm: return "ثلث الباقي ";
    case ShareLabel::ThirdOfRemainderWifeForm: return "ثلث الباقي";
    case ShareLabel::WithSiblings: return "مقاسمة";
    case ShareLabel::GrandfatherThird: return "ثلث الباقي";
    case ShareLabel::SharesUterineThird: return "شريك في الثلث";
    }
    return "";
}

}  // namespace qismaru
