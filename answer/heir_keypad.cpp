#include "answer/heir_keypad.h"
#include "present/heir_labels.h"

#include "present/refusal_texts.h"

namespace qismaru {

namespace {

KeyPress refused(HeirKind kind, std::string why) { return {KeyOutcome::Refused, kind, 0, 0, std::move(why)}; }

}  // namespace

KeyPress HeirKeypad::press(HeirKind kind, School school)
{
    const KindCounts before = state_.counts;
    const PressResult press = pressHeirButton(state_, kind, school);
    switch (press.outcome) {
    case PressOutcome::Ignored: break;
    case PressOutcome::SpouseConflict:
    case PressOutcome::TooManyGrandmothers: return refused(kind, pressRefusalText(press.outcome, before, kind, school));
    case PressOutcome::Entered: return {KeyOutcome::Entered, kind, press.row, 1, {}};
    case PressOutcome::AskCount: return {KeyOutcome::AskCount, kind, 0, 0, {}};
    }
    return {KeyOutcome::Ignored, kind, 0, 0, {}};
}

KeyPress HeirKeypad::count(int count, School school)
{
    const KindCounts before = state_.counts;
    const CountResult result = confirmCount(state_, count, school);
    switch (result.outcome) {
    case CountOutcome::Ignored: break;  // 0: the user must raise the number or withdraw it
    case CountOutcome::TooManyWives:
    case CountOutcome::TooManyGrandmothers:
        return refused(result.kind, countRefusalText(result, before, count, school));
    case CountOutcome::Recorded:
        return {KeyOutcome::Entered, result.kind, result.row, state_.counts.of(result.kind), {}};
    }
    return {KeyOutcome::Ignored, result.kind, 0, 0, {}};
}

void HeirKeypad::cancelCount() { qismaru::cancelCount(state_); }

std::optional<int> HeirKeypad::cancelLast() { return cancelLastChoice(state_); }

void HeirKeypad::clear() { startNewCase(state_); }

HeirsEntered enterAll(const std::vector<HeirEntry>& heirs, School school)
{
    const HeirsEntry entry = enterHeirs(heirs, school);
    if (entry.entered()) return {entry.state, {}};
    // The words the button or the count would say, and where they say
    // nothing, that the heir does not enter so.
    const HeirEntry& heir = heirs[*entry.refused];
    const std::string why = entry.count ? countRefusalText(*entry.count, entry.before, heir.count, school)
                                        : pressRefusalText(entry.press.outcome, entry.before, heir.kind, school);
    if (!why.empty()) return {std::nullopt, why};
    return {std::nullopt, "لا يدخل " + std::string(labelsOf(heir.kind).displayName) + " بهذا العدد في مسألة"};
}

}  // namespace qismaru
