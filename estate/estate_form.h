#pragma once

#include <array>
#include <optional>
#include <string>

#include "estate/amount_messages.h"
#include "estate/settlement.h"

namespace qismaru::estate {

// The form in which a user gives an estate: the desktop's dialog "التركة"
// and the web page's. Its words and the way OK reads it live here, so that
// both refuse and accept the same amounts with the same sentences.

struct EstateFormField {
    EstateField field;
    const char* label;
    const char* hint;  // shown in the empty field
};

inline constexpr std::array<EstateFormField, 4> kEstateFormFields{{
    {EstateField::Gross, "التركة:", "جملة ما تركه الميت"},
    {EstateField::Funeral, "مؤن التجهيز:", "0"},
    {EstateField::Debts, "الديون:", "0"},
    {EstateField::Bequest, "الوصية:", "0"},
}};

// The characters a field takes: an amount with its grouping and blanks
// needs far fewer, and a pasted page is cut short at once.
inline constexpr int kAmountFieldLength = 64;

inline constexpr const char* kConsentCaption = "أجاز الورثة ما زاد من الوصية على الثلث";
inline constexpr const char* kDecimalsLabel = "المنازل العشرية:";
inline constexpr const char* kDecimalsHint =
    "عدد المنازل بعد الفاصلة العشرية في عملة التركة: 2 للهللة والقرش، 3 للفلس، 0 لعملة بلا كسور";
inline constexpr const char* kNoEstateCaption = "بلا تركة";
inline constexpr const char* kNoEstateHint = "يحذف بيانات التركة فلا تقسم أموال، وتبقى المسألة كما هي";

// The order of the claims, and where the schools differ on it.
inline constexpr const char* kClaimsNote =
    "تخرج من التركة مؤن التجهيز، ثم الديون، ثم الوصية في حدود ثلث ما بقي، ثم يقسم الصافي على الورثة. "
    "ويقدم الحنفية والمالكية والشافعية الدين المتعلق بعين التركة (كالدين الموثق برهن) على التجهيز، ويؤخره "
    "الحنابلة عنه؛ فإن كان على الميت دين كهذا فاطرحه من التركة قبل إدخالها على القول الأول. "
    "والوصية هنا لغير وارث، والوصية لوارث لا تنفذ إلا بإجازة الورثة.";

// What the user typed, field by field, in the order of kEstateFormFields.
struct EstateForm {
    std::array<std::string, 4> amounts;
    bool heirsConsent = false;
    int decimals = kDefaultDecimals;
};

struct EstateFormReading {
    std::optional<EstateInputs> inputs;
    // The first field that holds no amount, and why, as one Arabic sentence
    // for below the fields.
    std::optional<EstateField> refused;
    std::string problem;

    bool ok() const { return inputs.has_value(); }
};

// OK of the form: every amount read exactly, grouped in threes if the user
// likes; the gross estate must be given, a claim left empty is none.
EstateFormReading readEstateForm(const EstateForm& form);

// The inputs as the form shows them again, the amounts grouped in threes.
EstateForm formOf(const EstateInputs& inputs);

}  // namespace qismaru::estate
