#include "answer/case_session.h"

#include <algorithm>

#include "answer/waiting_answer.h"
#include "files/case_opening.h"
#include "files/relative_entries.h"
#include "present/positions_text.h"
#include "present/refusal_texts.h"
#include "present/relative_refusals.h"

namespace qismaru {

namespace {

using Outcome = Calculation::Outcome;

constexpr const char* kAnsweredCaseText = "المسألة محسوبة: ابدأ مسألة جديدة لتُدخل ورثة آخرين.";
constexpr const char* kWaitingAloneText =
    "لا يجتمع في مسألة واحدة حمل أو مفقود أو خنثى مع أقارب مدخلين بنسبهم أو وفاة وارث قبل القسمة.";
constexpr const char* kTogetherAloneText =
    "مسألة من ماتوا معًا مسألة وحدها: ورثة كل منهم معه، فلا يُدخل معها ورثة آخرون ولا حمل ولا مفقود ولا خنثى.";
constexpr const char* kOutcomeBeforeAnswerText = "يُسجَّل ما ظهر من حال الحمل أو المفقود أو الخنثى بعد «الحساب».";

}  // namespace

KeyPress CaseSession::press(HeirKind kind)
{
    if (together_) return {KeyOutcome::Refused, kind, 0, 0, kTogetherAloneText};
    // A kind whose path is among the relatives by path is given already.
    if (!relatives_.empty() && !state().computed) {
        std::vector<RelativeEntry> entries = relatives_;
        entries.push_back({RelativePath::ofKind(kind), true, 1, ""});
        if (std::string why = relativeEntryRefusalText(entries); !why.empty()) {
            return {KeyOutcome::Refused, kind, 0, 0, std::move(why)};
        }
    }
    KeyPress key = keypad_.press(kind, positions_.school);
    if (key.outcome == KeyOutcome::Entered) keypadEntered();
    return key;
}

KeyPress CaseSession::confirmCount(int count)
{
    KeyPress key = keypad_.count(count, positions_.school);
    if (key.outcome == KeyOutcome::Entered) keypadEntered();
    return key;
}

void CaseSession::keypadEntered()
{
    entryOrder_.push_back(EntryWay::Keypad);
    answerAgain();
}

void CaseSession::cancelCount() { keypad_.cancelCount(); }

std::optional<int> CaseSession::cancelLast()
{
    // The last entry withdrawn, whichever way it came: a relative by path
    // when one was added after the last press of the keypad, or when the
    // order is not known (a case opened from a file lists them last).
    const bool relativeLast = !relatives_.empty() && (entryOrder_.empty() || entryOrder_.back() == EntryWay::Relative);
    if (relativeLast) {
        const int row = static_cast<int>(heirs().size() + relatives_.size() - 1);
        return removeLastRelative() ? std::optional<int>(row) : std::nullopt;
    }
    const std::optional<int> row = keypad_.cancelLast();
    if (!row) return row;
    if (!entryOrder_.empty()) entryOrder_.pop_back();
    answerAgain();
    return row;
}

std::string CaseSession::enterHeirs(const std::vector<HeirEntry>& heirs, School school)
{
    HeirsEntered entered = enterAll(heirs, school);
    if (!entered.state) return entered.refusal;
    newCase();
    replaceHeirs(*entered.state);
    return "";
}

void CaseSession::replaceHeirs(const CaseState& state)
{
    keypad_.replace(state);
    entryOrder_.clear();
    answerAgain();
}

std::string CaseSession::addRelative(const RelativeEntry& relative)
{
    if (state().computed) return kAnsweredCaseText;
    if (waiting_) return kWaitingAloneText;
    if (together_) return kTogetherAloneText;
    if (relatives_.size() >= estate::kMaxRelativesByPath) {
        return "لا تتسع المسألة لأكثر من " + std::to_string(estate::kMaxRelativesByPath) +
               " من الأقارب المدخلين بنسبهم.";
    }
    std::vector<RelativeEntry> entries = allRelatives();
    entries.push_back(relative);
    if (std::string why = relativeEntryRefusalText(entries); !why.empty()) return why;
    relatives_.push_back(relative);
    entryOrder_.push_back(EntryWay::Relative);
    answerAgain();
    return "";
}

bool CaseSession::removeLastRelative()
{
    if (state().computed || relatives_.empty()) return false;
    relatives_.pop_back();
    const auto last = std::find(entryOrder_.rbegin(), entryOrder_.rend(), EntryWay::Relative);
    if (last != entryOrder_.rend()) entryOrder_.erase(std::next(last).base());
    answerAgain();
    return true;
}

std::vector<RelativeEntry> CaseSession::allRelatives() const
{
    std::vector<RelativeEntry> entries = estate::entriesOfHeirs(heirs());
    entries.insert(entries.end(), relatives_.begin(), relatives_.end());
    return entries;
}

bool CaseSession::canCalculateNow() const
{
    // The unborn child, the missing or the khuntha may be the only heir named.
    if (!relatives_.empty() || (waiting_ && waiting_->waits()) || together_) return !state().computed;
    return canCalculate(state());
}

Calculation CaseSession::calculate()
{
    if (!canCalculateNow()) return {};
    if (std::string why = refusalUnderSchool(); !why.empty()) return {Outcome::Refused, {std::move(why)}};
    return answerNow();
}

// Calculate proper: the answer, or the case left open when no exact table exists.
Calculation CaseSession::answerNow()
{
    CaseAnswer computed = answerCase(question(), Detail::Steps);
    if (std::string why = waitingRefusalSentence(computed); !why.empty()) {
        answer_ = openAnswer(question());
        return {Outcome::Refused, {std::move(why)}};
    }
    if (computed.beyondExactRange()) {
        answer_ = openAnswer(question());
        return {Outcome::BeyondExactRange, {kBeyondExactRangeText}};
    }
    keypad_.close();
    answer_ = std::move(computed);
    return {Outcome::Answered, answer_.announcements()};
}

Calculation CaseSession::setPositions(Positions positions)
{
    // Only the Maliki and Shafi'i schools knew the doctrine of no return.
    positions = effectivePositions(positions);
    if (positions == positions_) return {};
    positions_ = positions;
    const bool answered = state().computed;
    keypad_.reopen();
    // Under the Malikis and the Hanbalis fewer grandmothers inherit than may
    // have been entered under another school.
    if (std::string why = refusalUnderSchool(); !why.empty()) {
        answerAgain();
        return {Outcome::Refused, {std::move(why)}};
    }
    if (!answered) {
        answerAgain();
        return {Outcome::Open, {}};
    }
    return answerNow();
}

std::string CaseSession::refusalUnderSchool() const
{
    if (!relatives_.empty()) {
        const std::vector<RelativeEntry> entries = allRelatives();
        return pathRefusalText(resolveRelatives(entries, positions_.school), entries, positions_.school);
    }
    const KindCounts& counts = state().counts;
    if (!grandmothersBeyondLimit(counts, positions_.school)) return "";
    return grandmotherLimitText(positions_.school, counts);
}

void CaseSession::setEstate(const std::optional<estate::EstateInputs>& estate)
{
    estate_ = estate;
    answerAgain();
}

std::string CaseSession::addLaterDeath(const estate::LaterDeathEntry& death)
{
    if (!answer_.divided()) return "تُدخل وفاة وارث قبل القسمة بعد «الحساب» لمسألة قُسمت.";
    later_.push_back(death);
    CaseAnswer next = answerCase(question(), Detail::Steps);
    if (!next.joined()) {
        later_.pop_back();
        return next.successive->refusalText();
    }
    answer_ = std::move(next);
    return "";
}

std::string CaseSession::setWaiting(std::optional<estate::WaitingEntry> waiting)
{
    if (state().computed) return kAnsweredCaseText;
    if (waiting && !waiting->waits()) waiting.reset();
    if (waiting && (!relatives_.empty() || !later_.empty() || together_)) return kWaitingAloneText;
    if (waiting) waiting->outcome.clear();
    waiting_ = std::move(waiting);
    answerAgain();
    return "";
}

std::string CaseSession::recordOutcome(const std::string& name)
{
    if (!waiting_ || !answer_.waiting) return kOutcomeBeforeAnswerText;
    const std::string kept = waiting_->outcome;
    waiting_->outcome = name;
    CaseAnswer next = answerCase(question(), Detail::Steps);
    if (std::string why = waitingRefusalSentence(next); !why.empty()) {
        waiting_->outcome = kept;
        return why;
    }
    answer_ = std::move(next);
    return "";
}

std::string CaseSession::setTogether(std::optional<DiedTogether> together)
{
    if (state().computed) return kAnsweredCaseText;
    if (together && (!heirs().empty() || !relatives_.empty() || !later_.empty() || waiting_)) return kTogetherAloneText;
    together_ = std::move(together);
    answerAgain();
    return "";
}

void CaseSession::removeLastLaterDeath()
{
    if (later_.empty()) return;
    later_.pop_back();
    answerAgain();
}

void CaseSession::newCase()
{
    keypad_.clear();
    relatives_.clear();
    entryOrder_.clear();
    estate_.reset();
    later_.clear();
    waiting_.reset();
    together_.reset();
    keptInFile_ = false;
    saved_ = {};
    answerAgain();
}

estate::CaseFile CaseSession::currentCase() const
{
    return {heirs(), estate_, positions_, later_, relatives_, waiting_};
}

FileOpening CaseSession::open(const estate::CaseFileReading& reading)
{
    const estate::OpenedCase opened = estate::openCaseFile(reading);
    if (!opened.ok()) return {opened.problem, {}};
    const estate::CaseFile& file = *opened.file;
    FileOpening opening;
    // The case is answered by the school it was saved with; the user hears
    // of it when that is not the one chosen so far.
    if (file.positions != positions_) opening.positionsMessage = estate::positionsTakenFromFileText(file.positions);
    keypad_.replace(*opened.state);
    positions_ = file.positions;
    estate_ = file.estate;
    later_ = file.later;
    relatives_ = file.relatives;
    waiting_ = file.waiting;
    // A file holds no deaths together: the case it opens is the file's alone.
    together_.reset();
    entryOrder_.clear();
    markSaved();
    answerAgain();
    return opening;
}

void CaseSession::markSaved()
{
    saved_ = currentCase();
    keptInFile_ = true;
}

bool CaseSession::hasUnsavedWork() const
{
    const estate::CaseFile current = currentCase();
    return current != saved_ &&
           (keptInFile_ || current.estate.has_value() || !current.later.empty() || current.waiting.has_value());
}

CaseQuestion CaseSession::question() const
{
    CaseQuestion question{state().counts, positions_, estate_, {}};
    if (!relatives_.empty()) {
        question.relatives = allRelatives();
        question.byPath = true;
    }
    if (waiting_) {
        question.unborn = waiting_->unborn;
        question.missing = waiting_->missing;
        question.unclear = waiting_->unclear;
        question.outcome = waiting_->outcome;
    }
    question.together = together_;
    question.later.reserve(later_.size());
    for (const estate::LaterDeathEntry& entry : later_) question.later.push_back(estate::laterDeathOf(entry));
    return question;
}

void CaseSession::answerAgain()
{
    answer_ = state().computed ? answerCase(question(), Detail::Steps) : openAnswer(question());
}

}  // namespace qismaru
