#pragma once

// The object names the windows and their controls were designed with. They
// are how scripts, tests and accessibility tools find a control, so they
// stay exactly as designed; the code and the tests use these constants and
// never repeat the strings. The index boxes and the explanation pages are
// named in their own tables.
#include <array>

#include "model/heir_kind.h"

namespace qismaru::ui::design {

// The heir buttons, named after their kind in Arabic without blanks, in kind order.
inline constexpr std::array<const char*, kHeirKindCount> kHeirButtons{
    "إخوةلأم",      // UterineSiblings
    "جدات",         // Grandmothers
    "أبناء",        // Sons
    "أبناءالابن",   // SonsSons
    "أخوةأشقاء",    // FullBrothers
    "إخوةلأب",      // ConsanguineBrothers
    "أبناءأخِشقيق",  // FullBrothersSons
    "أبناءأخلأب",   // ConsanguineBrothersSons
    "أعمامأشقاء",   // FullUncles
    "أعماملأب",     // ConsanguineUncles
    "أبناءعمشقيق",  // FullUnclesSons
    "أبناءعملأب",   // ConsanguineUnclesSons
    "زوجة",         // Wives
    "بنات",         // Daughters
    "بناتابن",      // SonsDaughters
    "أختشقيقة",     // FullSisters
    "أختلأب",       // ConsanguineSisters
    "أم",           // Mother
    "جد",           // Grandfather
    "أب",           // Father
    "زوج",          // Husband
};

// The main window and its controls.
inline constexpr const char* kMainWindow = "Form1";
inline constexpr const char* kEntryList = "pic";
inline constexpr const char* kResultArea = "pic1";
inline constexpr const char* kCalculateButton = "الحساب";
inline constexpr const char* kNewCaseButton = "إعادة";
inline constexpr const char* kCancelLastButton = "Command2";
inline constexpr const char* kPrintButton = "Command1";
inline constexpr const char* kListTopLine = "Line9";
inline constexpr const char* kExitMenu = "menu";
inline constexpr const char* kAboutMenu = "menu2";
inline constexpr const char* kExplanationMenu = "menu3";

// The count dialog.
inline constexpr const char* kCountDialog = "Form2";
inline constexpr const char* kCountLabel = "many";
inline constexpr const char* kUpDown = "UpDown1";
inline constexpr const char* kUpArrow = "UpDown1Up";
inline constexpr const char* kDownArrow = "UpDown1Down";
inline constexpr const char* kCountOkButton = "Command1";
inline constexpr const char* kCountCancelButton = "Command2";

// The help and auxiliary windows.
inline constexpr const char* kExplanationIndex = "Form3";
inline constexpr const char* kIndexCloseButton = "Command23";
inline constexpr const char* kSpouseBar = "Shape1";
inline constexpr const char* kPageCloseButton = "Command1";
inline constexpr const char* kWelcomeWindow = "Form27";
inline constexpr const char* kWelcomeCloseButton = "Command1";
inline constexpr const char* kAboutWindow = "Form5";
inline constexpr const char* kAboutCloseButton = "Command1";
inline constexpr const char* kExitWindow = "Form13";
inline constexpr const char* kExitYesButton = "Command2";
inline constexpr const char* kExitNoButton = "Command1";

// The solution window and the menu item that opens it: names of their own,
// beside the windows' fixed ones.
inline constexpr const char* kSolutionStepsMenu = "solutionSteps";
inline constexpr const char* kSolutionWindow = "SolutionWindow";
inline constexpr const char* kSolutionText = "solutionText";
inline constexpr const char* kPrintSolutionButton = "printSolution";
inline constexpr const char* kSaveSolutionPdfButton = "saveSolutionPdf";
inline constexpr const char* kCopySolutionButton = "copySolution";
inline constexpr const char* kCloseSolutionButton = "closeSolution";

// The estate and the case files: windows of this program's own, named
// after what they hold.
inline constexpr const char* kFileMenu = "fileMenu";
inline constexpr const char* kNewCaseItem = "newCase";
inline constexpr const char* kOpenCaseItem = "openCase";
inline constexpr const char* kSaveCaseItem = "saveCase";
inline constexpr const char* kSaveCaseAsItem = "saveCaseAs";
inline constexpr const char* kRecentFilesMenu = "recentFiles";
inline constexpr const char* kEstateMenu = "estateMenu";
inline constexpr const char* kEstateDialog = "EstateDialog";
inline constexpr const char* kGrossField = "gross";
inline constexpr const char* kFuneralField = "funeral";
inline constexpr const char* kDebtsField = "debts";
inline constexpr const char* kBequestField = "bequest";
inline constexpr const char* kConsentBox = "heirsConsent";
inline constexpr const char* kDecimalsBox = "decimals";
inline constexpr const char* kClaimsNote = "claimsNote";
inline constexpr const char* kEstateProblem = "problem";
inline constexpr const char* kNoEstateButton = "noEstate";
inline constexpr const char* kEstateWindow = "EstateWindow";
inline constexpr const char* kClaimsTable = "claimsTable";
inline constexpr const char* kKindsTable = "kindsTable";
inline constexpr const char* kClosingTable = "closingTable";
inline constexpr const char* kEstateNotes = "notes";
inline constexpr const char* kPrintEstateButton = "printEstate";
inline constexpr const char* kSaveEstatePdfButton = "saveEstatePdf";
inline constexpr const char* kCopyEstateButton = "copyEstate";
inline constexpr const char* kCloseEstateButton = "closeEstate";

// Successive deaths before the division: the menu "المناسخات" and its items,
// the dialog that enters a later death (its heir buttons named
// "laterHeir.s", ..., the choice of the same persons "laterSame.m", ...),
// and the window "الجامعة".
inline constexpr const char* kLaterDeathsMenu = "laterDeathsMenu";
inline constexpr const char* kAddLaterDeathItem = "addLaterDeath";
inline constexpr const char* kShowCombinedItem = "showCombined";
inline constexpr const char* kRemoveLaterDeathItem = "removeLaterDeath";
inline constexpr const char* kLaterDeathDialog = "LaterDeathDialog";
inline constexpr const char* kLaterDeceased = "laterDeceased";
inline constexpr const char* kLaterHeirPrefix = "laterHeir.";
inline constexpr const char* kLaterHeirs = "laterHeirs";
inline constexpr const char* kLaterSamePrefix = "laterSame.";
inline constexpr const char* kLaterCount = "laterCount";
inline constexpr const char* kLaterCountOk = "laterCountOk";
inline constexpr const char* kLaterCancelLast = "laterCancelLast";
inline constexpr const char* kLaterRelation = "laterRelation";
inline constexpr const char* kLaterProblem = "laterProblem";
inline constexpr const char* kCombinedWindow = "CombinedWindow";
inline constexpr const char* kCombinedHeading = "combinedHeading";
inline constexpr const char* kCombinedTable = "combinedTable";
inline constexpr const char* kPrintCombinedButton = "printCombined";
inline constexpr const char* kSaveCombinedPdfButton = "saveCombinedPdf";
inline constexpr const char* kCopyCombinedButton = "copyCombined";
inline constexpr const char* kCloseCombinedButton = "closeCombined";

// Relatives beyond the heir buttons: the item of the menu "ملف" that opens
// the relation builder, the builder, its step buttons (named
// "relationStep.s", "relationStep.mut", ... by the letters of the notation)
// and its controls.
inline constexpr const char* kAddRelativeItem = "addRelative";
inline constexpr const char* kRelationDialog = "RelationDialog";
inline constexpr const char* kRelationStepPrefix = "relationStep.";
inline constexpr const char* kRelationName = "relationName";
inline constexpr const char* kRelationBack = "relationBack";
inline constexpr const char* kRelationRestart = "relationRestart";
inline constexpr const char* kRelationCount = "relationCount";
inline constexpr const char* kRelationLabel = "relationLabel";
inline constexpr const char* kRelationProblem = "relationProblem";
inline constexpr const char* kRelationList = "relationList";
inline constexpr const char* kRelationAdd = "relationAdd";
inline constexpr const char* kRelationRemoveLast = "relationRemoveLast";

// What waits (menu "ملف", "حمل أو مفقود أو خنثى…"): the dialog that marks
// an unborn child, missing heirs and heirs of unclear sex, each in a group
// that may be checked, with its relation and count.
inline constexpr const char* kWaitingItem = "markWaiting";
inline constexpr const char* kWaitingDialog = "WaitingDialog";
inline constexpr const char* kUnbornGroup = "unborn";
inline constexpr const char* kUnbornRelation = "unbornRelation";
inline constexpr const char* kUnbornMost = "unbornMost";
inline constexpr const char* kUnbornCertain = "unbornCertain";
inline constexpr const char* kMissingGroup = "missing";
inline constexpr const char* kMissingRelation = "missingRelation";
inline constexpr const char* kMissingCount = "missingCount";
inline constexpr const char* kUnclearGroup = "khuntha";
inline constexpr const char* kUnclearRelation = "khunthaRelation";
inline constexpr const char* kUnclearCount = "khunthaCount";
inline constexpr const char* kUnclearHope = "khunthaHope";
inline constexpr const char* kNoWaitingButton = "noWaiting";
inline constexpr const char* kWaitingProblem = "waitingProblem";

// Those who died together (menu "ملف", "من ماتوا معًا…"): the dialog with a
// row per death (its name, then its living heirs by kind), the relations
// between them, and whether the heirs dispute who died first.
inline constexpr const char* kTogetherItem = "diedTogether";
inline constexpr const char* kTogetherDialog = "TogetherDialog";
inline constexpr const char* kTogetherDeaths = "togetherDeaths";
inline constexpr const char* kTogetherDeathCount = "togetherDeathCount";
inline constexpr const char* kTogetherRelations = "togetherRelations";
inline constexpr const char* kTogetherAddRelation = "togetherAddRelation";
inline constexpr const char* kTogetherRemoveRelation = "togetherRemoveRelation";
inline constexpr const char* kTogetherDispute = "togetherDispute";
inline constexpr const char* kTogetherProblem = "togetherProblem";

// The window of a case that waits, or of those who died together: its
// tables (the estates of the dead named "togetherTable.0", ...), the
// outcome to record and its table.
inline constexpr const char* kWaitingWindow = "WaitingWindow";
inline constexpr const char* kPrintWaitingButton = "printWaiting";
inline constexpr const char* kSaveWaitingPdfButton = "saveWaitingPdf";
inline constexpr const char* kCopyWaitingButton = "copyWaiting";
inline constexpr const char* kCloseWaitingButton = "closeWaiting";
inline constexpr const char* kWaitingClaimsTable = "waitingClaims";
inline constexpr const char* kWaitingDivisionTable = "waitingDivision";
inline constexpr const char* kWaitingProvision = "waitingProvision";
inline constexpr const char* kOutcomeChoice = "outcomeChoice";
inline constexpr const char* kRecordOutcomeButton = "recordOutcome";
inline constexpr const char* kOutcomeProblem = "outcomeProblem";
inline constexpr const char* kRecordedHeading = "recordedHeading";
inline constexpr const char* kRecordedTable = "waitingRecorded";
inline constexpr const char* kTogetherRule = "togetherRule";
inline constexpr const char* kTogetherTablePrefix = "togetherTable.";

// The school setting: the menu, its four schools (named "school.hanafi",
// ...), the two positions and the help page on the schools.
inline constexpr const char* kSchoolMenu = "schoolMenu";
inline constexpr const char* kSchoolItemPrefix = "school.";
inline constexpr const char* kSpouseReturnItem = "spouseReturn";
inline constexpr const char* kNoReturnItem = "noReturn";
inline constexpr const char* kSchoolsHelpItem = "schoolsHelp";
inline constexpr const char* kSchoolsWindow = "SchoolsWindow";
inline constexpr const char* kHanafiDifferenceMark = "hanafiDifference";

}  // namespace qismaru::ui::design
