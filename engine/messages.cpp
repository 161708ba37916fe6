#include "engine/messages.h"

namespace qismaru {

std::string_view messageText(CaseMessage message)
{
    switch (message) {
    case CaseMessage::BothSpouses: return "لايجتمع الزوجان في مسألةواحدة";
    case CaseMessage::TooManyWives: return "لايزيدعددالزوجات عن أربع";
    case CaseMessage::Umariyyatan: return "هذه المسألةهي إحدىالمسألتين العمريتين";
    case CaseMessage::Mubahala: return "هذه المسألة تسمى مسألةالمباهلة";
    case CaseMessage::Mulzima: return "هذه المسألة تسمى المسألةالملزمة";
    case CaseMessage::Marwaniyya: return "هذه المسألة تسمى المسألةالمروانية";
    case CaseMessage::Shurayhiyya: return "هذه المسألة تسمى المسألةالشريحية";
    case CaseMessage::UmmAlAramil: return "هذه المسألة تسمى أم الأرامل أو أم الفروج";
    case CaseMessage::Mushtaraka: return "هذه المسألة تسمىالمشركة";
    case CaseMessage::Akdariyya: return "هذه المسألة تسمى الأكدرية";
    }
    return "";
}

}  // namespace qismaru
