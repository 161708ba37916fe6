#include "model/case_entry.h"

#include <algorithm>
#include <string>

namespace qismaru {

namespace {

int enterAtNextRow(CaseState& state, HeirKind kind, int count)
{
    const int row = state.nextRow;
    state.counts.set(kind, count);
    state.entryRow[indexOf(kind)] = static_cast<std::int16_t>(row);
    ++state.nextRow;
    return row;
}

bool spouseConflict(const CaseState& state, HeirKind kind)
{
    if (kind == HeirKind::Husband) return state.counts.has(HeirKind::Wives);
    if (kind == HeirKind::Wives) return state.counts.has(HeirKind::Husband);
    return false;
}

// Whether the case with `kind` entered `count` times would hold more
// grandmothers than inherit together under the school.
bool grandmothersBeyondLimitWith(const KindCounts& counts, HeirKind kind, int count, School school)
{
    KindCounts after = counts;
    after.set(kind, count);
    return grandmothersBeyondLimit(after, school);
}

}  // namespace

PressResult pressHeirButton(CaseState& state, HeirKind kind, School school)
{
    if (state.computed) return {};
    if (spouseConflict(state, kind)) return {PressOutcome::SpouseConflict};
    if (state.counts.has(kind)) return {};
    if (infoOf(kind).entry == EntryKind::Single && grandmothersBeyondLimitWith(state.counts, kind, 1, school)) {
        return {PressOutcome::TooManyGrandmothers};
    }

    state.lastChosen = kind;
    if (infoOf(kind).entry == EntryKind::Counted) return {PressOutcome::AskCount};
    return {PressOutcome::Entered, enterAtNextRow(state, kind, 1)};
}

GrandmotherLimit grandmotherLimitOf(const KindCounts& counts, School school)
{
    return grandmotherLimit(school, counts.has(HeirKind::Father), counts.has(HeirKind::Grandfather));
}

bool grandmothersBeyondLimit(const KindCounts& counts, School school)
{
    const int most = grandmotherLimitOf(counts, school).most;
    return most > 0 && counts.of(HeirKind::Grandmothers) > most;
}

std::string grandmotherLimitProblem(const KindCounts& counts, School school)
{
    if (!grandmothersBeyondLimit(counts, school)) return "";
    const std::string key(schoolInfo(school).key);
    const std::string given = std::to_string(counts.of(HeirKind::Grandmothers));
    const GrandmotherLimit limit = grandmotherLimitOf(counts, school);
    if (limit.besideFather) {
        return "the father excludes his own mother under the " + key +
               " school: beside him only one grandmother inherits, the one on the mother's side, not " + given +
               " (gm)";
    }
    if (limit.besideGrandfather) {
        return "the grandfather excludes his own mother under the " + key +
               " school: beside him at most two grandmothers inherit, the mother's and the father's, not " + given +
               " (gm)";
    }
    return "the " + key + " school lets at most " + std::to_string(limit.most) +
           " grandmothers inherit together, not " + given + " (gm)";
}

GrandmotherSideNote grandmotherSideNote(const KindCounts& counts, School school)
{
    using enum GrandmotherSideNote;
    if (!counts.has(HeirKind::Grandmothers)) return None;
    if (counts.has(HeirKind::Father)) {
        if (!ascendantExcludesHisMother(school)) return HanbaliBesideFather;
        return counts.of(HeirKind::Grandmothers) == 1 ? MothersMotherBesideFather : HanafiTableBesideFather;
    }
    if (counts.has(HeirKind::Grandfather) && ascendantExcludesHisMother(school)) return BesideGrandfather;
    return None;
}

CountResult confirmCount(CaseState& state, int count, School school)
{
    if (count <= 0) return {};
    const std::optional<HeirKind> kind = state.lastChosen;
    if (!kind || infoOf(*kind).entry != EntryKind::Counted) return {};
    if (*kind == HeirKind::Wives && count > kMaxWives) return {CountOutcome::TooManyWives, *kind};
    if (grandmothersBeyondLimitWith(state.counts, *kind, count, school)) {
        return {CountOutcome::TooManyGrandmothers, *kind};
    }

    const int row = enterAtNextRow(state, *kind, std::min(count, kMaxCount));
    return {CountOutcome::Recorded, *kind, row};
}

void cancelCount(CaseState& state)
{
    if (state.nextRow == 1) state.lastChosen.reset();
}

int countAfterUpArrow(int shown) { return std::min(shown + 1, kMaxCount); }

int countAfterDownArrow(int shown) { return std::max(shown - 1, 0); }

std::optional<int> cancelLastChoice(CaseState& state)
{
    if (state.computed || state.nextRow == 1) return std::nullopt;

    const int row = --state.nextRow;
    if (row == 1) state.lastChosen.reset();
    for (int i = 0; i < kHeirKindCount; ++i) {
        if (state.entryRow[i] == row) state.counts.count[i] = 0;
    }
    return row;
}

void startNewCase(CaseState& state)
{
    state.nextRow = 1;
    state.counts = KindCounts{};
    state.computed = false;
    state.lastChosen.reset();
}

KindCounts countsOf(const std::vector<HeirEntry>& heirs)
{
    KindCounts counts;
    for (const HeirEntry& heir : heirs) counts.set(heir.kind, heir.count);
    return counts;
}

std::vector<HeirEntry> enteredHeirs(const CaseState& state)
{
    std::vector<HeirEntry> heirs;
    for (int row = 1; row < state.nextRow; ++row) {
        for (const HeirKindInfo& info : heirKinds()) {
            if (state.counts.has(info.kind) && state.entryRow[indexOf(info.kind)] == row) {
                heirs.push_back({info.kind, state.counts.of(info.kind)});
            }
        }
    }
    return heirs;
}

HeirsEntry enterHeirs(const std::vector<HeirEntry>& heirs, School school)
{
    HeirsEntry entry;
    for (std::size_t i = 0; i < heirs.size(); ++i) {
        const HeirEntry& heir = heirs[i];
        entry.before = entry.state.counts;
        entry.press = pressHeirButton(entry.state, heir.kind, school);
        // A single kind is entered once; a count the dialog cannot show is
        // never confirmed.
        bool entered = entry.press.outcome == PressOutcome::Entered && heir.count == 1;
        if (entry.press.outcome == PressOutcome::AskCount && heir.count <= kMaxCount) {
            entry.count = confirmCount(entry.state, heir.count, school);
            entered = entry.count->outcome == CountOutcome::Recorded;
        }
        if (!entered) {
            entry.refused = i;
            return entry;
        }
        entry.count.reset();
    }
    return entry;
}

std::optional<CaseState> caseWithHeirs(const std::vector<HeirEntry>& heirs, School school)
{
    HeirsEntry entry = enterHeirs(heirs, school);
    if (!entry.entered()) return std::nullopt;
    return std::move(entry.state);
}

bool canCalculate(const CaseState& state) { return !state.nothingEntered() && !state.computed; }

void markComputed(CaseState& state) { state.computed = true; }

void reopenCase(CaseState& state) { state.computed = false; }

}  // namespace qismaru
