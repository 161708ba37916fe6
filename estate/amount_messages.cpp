#include "estate/amount_messages.h"

namespace qismaru::estate {

std::string_view arabicName(EstateField field)
{
    switch (field) {
    case EstateField::Gross: return "التركة";
    case EstateField::Funeral: return "مؤن التجهيز";
    case EstateField::Debts: return "الديون";
    case EstateField::Bequest: return "الوصية";
    }
    return "";
}

std::string_view englishName(EstateField field)
{
    switch (field) {
    case EstateField::Gross: return "gross estate";
    case EstateField::Funeral: return "funeral costs";
    case EstateField::Debts: return "debts";
    case EstateField::Bequest: return "bequest";
    }
    return "";
}

std::string arabicProblemText(AmountProblem problem, EstateField field, int decimals)
{
    const std::string name(arabicName(field));
    switch (problem) {
    case AmountProblem::Empty: return "أدخل مبلغ " + name + ".";
    case AmountProblem::Negative: return "لا يكون مبلغ " + name + " سالباً.";
    case AmountProblem::NotANumber:
        return "مبلغ " + name + " ليس عدداً: اكتبه بالأرقام، وافصل الكسر العشري بنقطة (.) أو بالفاصلة العشرية (٫).";
    case AmountProblem::TooManyDecimals:
        return decimals == 0 ? "لا كسور في مبلغ " + name + ": عدد المنازل العشرية المختار صفر."
                             : "في مبلغ " + name + " منازل عشرية أكثر من " + std::to_string(decimals) +
                                   "، وهو عدد المنازل العشرية المختار.";
    case AmountProblem::TooLong:
        return "مبلغ " + name + " أطول مما يقبل: " + std::to_string(kMaxWholeDigits) +
               " رقماً على الأكثر قبل الفاصلة العشرية.";
    case AmountProblem::GroupingNotAccepted:
    case AmountProblem::BadGrouping:
        return "تجميع الأرقام في مبلغ " + name +
               " غير صحيح: ثلاثة أرقام في كل مجموعة، مثل 120,000.50، أو اكتبه بلا تجميع.";
    }
    return "";
}

std::string englishProblemText(AmountProblem problem, EstateField field, int decimals)
{
    const std::string name = "the " + std::string(englishName(field));
    switch (problem) {
    case AmountProblem::Empty: return name + " amount is empty";
    case AmountProblem::Negative: return name + " amount is negative";
    case AmountProblem::NotANumber:
        return name + " amount is not a number (digits, and '.' before the decimals, for example 120000.50)";
    case AmountProblem::TooManyDecimals:
        return name + " amount has more than " + std::to_string(decimals) +
               " decimals, the number of decimals chosen for the currency";
    case AmountProblem::TooLong:
        return name + " amount is too long: at most " + std::to_string(kMaxWholeDigits) +
               " digits before the decimal point";
    case AmountProblem::GroupingNotAccepted:
        return name + " amount has digit grouping: write it without separators, for example 120000.50";
    case AmountProblem::BadGrouping:
        return name + " amount is grouped wrongly: three digits in each group, for example 120,000.50";
    }
    return "";
}

}  // namespace qismaru::estate
