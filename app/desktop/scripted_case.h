#pragma once

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "answer/case_answer.h"
#include "model/heir_kind.h"
#include "model/positions.h"
#include "model/relative_case.h"

namespace qismaru::ui {
class MainWindow;
}

namespace qismaru::app {

// A case given on the command line, in the order its heirs are to be
// entered: the heirs of the buttons, then the relatives by path that the
// relation builder adds ("d.s=2", "f.m=1").
struct ScriptedCase {
    std::vector<std::pair<HeirKind, int>> entries;  // kinds with a count above 0
    KindCounts counts;
    std::vector<RelativeEntry> relatives;
};

// The case read, or one line that says why it cannot be entered, with the exit status.
struct CaseReading {
    std::optional<ScriptedCase> scriptedCase;
    std::string error;
    int exitStatus = 0;
};

// Reads "h=1 m=1 f=1" by the rules of qismaru-calc (known codes, each once,
// whole counts up to 32767, single heirs 0 or 1), then by the main window's:
// a case the window would refuse at entry (a husband with wives, more than
// four wives, more grandmothers than the school counts) or could not compute
// exactly under `positions` is refused here, rather than pictured as some
// other case.
CaseReading readScriptedCase(const QString& text, const Positions& positions = {});

// Enters the case by pressing the heir buttons and the count dialog's OK,
// adds the relatives by path as the relation builder does, then presses
// Calculate. False when the window did not end up holding
// exactly this case, computed.
bool enterAndCalculate(ui::MainWindow& window, const ScriptedCase& scriptedCase);

// The case entered into a session as the window enters it, then answered;
// nothing when the session does not take it or cannot answer it.
std::optional<CaseAnswer> answerAsEntered(const ScriptedCase& scriptedCase, const Positions& positions);

// The same from the text; false when the text is refused.
bool enterAndCalculate(ui::MainWindow& window, const QString& text);

}  // namespace qismaru::app
