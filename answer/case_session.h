#pragma once

#include <optional>
#include <string>
#include <vector>

#include "answer/case_answer.h"
#include "answer/heir_keypad.h"
#include "files/case_file.h"
#include "model/relative_case.h"

namespace qismaru {

// What Calculate, or a change of the positions, came to.
struct Calculation {
    enum class Outcome : std::uint8_t {
        Unchanged,         // nothing to calculate, or the same positions again
        Open,              // other positions, for a case not yet answered
        Refused,           // the school refuses the case as entered; it stays open
        BeyondExactRange,  // no exact table exists; the case stays open
        Answered,          // the answer of the case is the new answer
    } outcome = Outcome::Unchanged;
    // In the words the user reads: why it was refused, or, once answered,
    // what Calculate says (CaseAnswer::announcements).
    std::vector<std::string> said;
};

// A case file opened in place of the case, or why it was not.
struct FileOpening {
    std::string problem;  // "" when it opened
    // Said after opening a file saved under other positions than the ones
    // chosen, which now follow the file's; "" when they were the same.
    std::string positionsMessage;

    bool ok() const { return problem.empty(); }
};

// The case a user works on, whatever shows it: the heirs entered in order by
// the keypad's rule, the school and positions, the estate, the heirs who
// died before the division, the file it is kept in, and its one answer,
// computed once per change. The desktop's document and the web page adapt
// it; neither keeps a case of its own.
class CaseSession {
public:
    // The first deceased's heirs, by the keypad's rule under the chosen
    // school; each entry leaves the case open.
    KeyPress press(HeirKind kind);
    KeyPress confirmCount(int count);
    void cancelCount();
    // "إلغاء آخر اختيار": the last heir entered withdrawn, by the keypad or
    // as a relative by path; the row of the entry list it held.
    std::optional<int> cancelLast();
    // A new case with the heirs of a link, entered as their buttons would
    // enter them under the school; why not, with the case left as it was, or "".
    std::string enterHeirs(const std::vector<HeirEntry>& heirs, School school);
    // The heirs of a case entered elsewhere in place of the case's heirs.
    void replaceHeirs(const CaseState& state);
    const CaseState& state() const { return keypad_.state(); }
    std::vector<HeirEntry> heirs() const { return keypad_.heirs(); }

    // Relatives beyond the keypad's kinds, by their path from the deceased
    // ("s.s.s", "f.m", "mut"), each with a count and an optional label; a
    // case that holds any is answered by path, the keypad's heirs first. A
    // relative who stands in no case is refused with the reason (Arabic),
    // and nothing changes; so is any while the case is answered.
    std::string addRelative(const RelativeEntry& relative);
    // The relative added last withdrawn; false when there is none, or the
    // case is answered.
    bool removeLastRelative();
    const std::vector<RelativeEntry>& relativesByPath() const { return relatives_; }
    // Every relative of the case as a case by path holds them: the keypad's
    // heirs in the order entered, then the relatives by path.
    std::vector<RelativeEntry> allRelatives() const;

    // Whether Calculate has a case to answer: heirs entered, or relatives by
    // path, and the case not answered yet.
    bool canCalculateNow() const;
    // Calculate: the case answered, or refused by the school, or beyond exact computation.
    Calculation calculate();
    const CaseAnswer& answer() const { return answer_; }

    const Positions& positions() const { return positions_; }
    // Chooses the school and positions, as the engine applies them. A
    // computed case is answered again under them at once, so that no answer
    // of the former ones stays on any view; one they refuse is withdrawn,
    // open again, with the reason.
    Calculation setPositions(Positions positions);
    // Why the chosen school refuses the case as entered (more grandmothers
    // than it lets inherit, a relative by path it cannot place), or "".
    std::string refusalUnderSchool() const;

    const std::optional<estate::EstateInputs>& estate() const { return estate_; }
    // The settlement follows at once when the case is answered.
    void setEstate(const std::optional<estate::EstateInputs>& estate);

    // Heirs who died before the division, entered after Calculate divided the
    // case: a death joins the case, which is answered again with it, or is
    // refused with the reason (Arabic), and nothing changes.
    const std::vector<estate::LaterDeathEntry>& laterDeaths() const { return later_; }
    std::string addLaterDeath(const estate::LaterDeathEntry& death);
    void removeLastLaterDeath();

    // Beside the heirs entered, one who waits: an unborn child, heirs whose
    // life is unknown, heirs whose sex is not clear; the case is then
    // divided for each possibility, each heir given now what no possibility
    // takes from him and the rest held back. Set while the case is open
    // (nothing for none), refused with the reason (Arabic) beside relatives
    // by path or later deaths, which a case that waits does not join.
    const std::optional<estate::WaitingEntry>& waiting() const { return waiting_; }
    std::string setWaiting(std::optional<estate::WaitingEntry> waiting);
    // Once the case that waits is answered, its outcome when it is known (the
    // birth, the news of the missing, the sex become clear), named as the
    // division names it ("1m", "alive", "male"): the reserve is then paid
    // out. "" withdraws it. Refused with the reason (Arabic), and nothing
    // changes, for a name that is no outcome of the case.
    std::string recordOutcome(const std::string& name);

    // Those who died together, in an unknown order: a case of its own, each
    // death with his living heirs, in place of the heirs entered (the case
    // must hold none, nor anything that waits). Nothing for none. Answered
    // by Calculate, or refused with the reason (Arabic).
    const std::optional<DiedTogether>& together() const { return together_; }
    std::string setTogether(std::optional<DiedTogether> together);

    // Empties the case, its estate and later deaths, and forgets its file;
    // the positions stay.
    void newCase();

    // The case as a file keeps it.
    estate::CaseFile currentCase() const;
    // A case file read (from disk, or a page's chosen bytes) opened in place
    // of the case: its heirs entered under its school, its positions,
    // estate and later deaths taken.
    FileOpening open(const estate::CaseFileReading& reading);
    // The case is now what its file holds.
    void markSaved();
    // A case of heirs alone is entered again in seconds; a case kept in a
    // file, or one with an estate's amounts or later deaths, is work, and is
    // not lost without asking.
    bool hasUnsavedWork() const;
    bool keptInFile() const { return keptInFile_; }

private:
    CaseQuestion question() const;
    // The answer of the case as it stands: computed once Calculate ran, else open.
    void answerAgain();
    Calculation answerNow();

    void keypadEntered();

    HeirKeypad keypad_;
    std::vector<RelativeEntry> relatives_;
    // How each entry still in the case came, in order, so that the last
    // can be withdrawn whichever way it was entered.
    enum class EntryWay : std::uint8_t { Keypad, Relative };
    std::vector<EntryWay> entryOrder_;
    Positions positions_;
    std::optional<estate::EstateInputs> estate_;
    std::vector<estate::LaterDeathEntry> later_;
    std::optional<estate::WaitingEntry> waiting_;
    std::optional<DiedTogether> together_;
    CaseAnswer answer_;
    bool keptInFile_ = false;
    estate::CaseFile saved_;  // the case as last opened or saved; empty for a new one
};

}  // namespace qismaru
