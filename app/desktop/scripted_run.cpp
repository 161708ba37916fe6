#include "app/desktop/scripted_run.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include "app/desktop/pictured_windows.h"
#include "app/desktop/program_windows.h"
#include "app/desktop/scripted_case.h"
#include "app/desktop/terminal.h"
#include "calc/case_json.h"
#include "engine/compute_case.h"
#include "ui/document/case_document.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/main_window.h"
#include "ui/printing/case_printer.h"

namespace qismaru::app {

namespace {

// Offscreen, Qt's own notes ("This plugin does not support raise()", a
// missing runtime folder) are noise in a script's output; the program says
// itself what failed.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qInstallMessageHandler(nullptr);
        qt_message_output(type, context, text);
        qInstallMessageHandler(keepSeriousMessages);
    }
}

int writePage(const ScriptedCase& scriptedCase, const Positions& positions, const QString& file)
{
    const std::optional<CaseAnswer> answer = answerAsEntered(scriptedCase, positions);
    if (!answer) {
        complain("the case was not taken as it was given");
        return kExitFailed;
    }
    const ResultTable table = answer->table(TableMedium::Paper);
    const ui::DrawnFileOutcome saved = ui::savePdf({table, positions}, file);
    if (saved.ok()) return kExitOk;
    complain("could not write the page to " + file + ": " + ui::englishReason(saved));
    return kExitFailed;
}

// Opens the case file as the menu does and presses Calculate. A file it
// cannot open, or a case it cannot divide exactly, is the one line and the
// status qismaru-calc gives: a picture of the first death alone would be
// taken for the answer.
int openAndCalculate(ui::MainWindow& main, const ui::RecordingMessageBoxes& messages, const QString& caseFile)
{
    if (!main.document().open(caseFile)) {
        complain(messages.texts.join(' ').replace('\n', ' '));
        return kExitBadInput;
    }
    main.calculate();
    const CaseAnswer& answer = main.document().answer();
    if (answer.successive && !answer.joined()) {
        complain(QString::fromStdString(answer.successive->englishRefusalText()));
        return answer.successive->beyondExactRange() ? kExitBeyondExactRange : kExitBadInput;
    }
    if (main.caseState().computed) return kExitOk;
    // Calculate leaves the case open, as the window does, where no exact table exists.
    if (computeCase(main.caseState().counts, main.positions()).outcome == CaseOutcome::BeyondExactRange) {
        complain(calc::kBeyondExactRangeError);
        return kExitBeyondExactRange;
    }
    complain(messages.texts.join(' ').replace('\n', ' '));
    return kExitBadInput;
}

int writePicture(const std::optional<ScriptedCase>& scriptedCase, const DesktopRequest& request)
{
    ui::RecordingMessageBoxes messages;  // the named-case announcements are not pictured
    ui::MainWindow main(messages);
    attachProgramWindows(main, messages);
    main.markWelcomeShown();
    main.setPositions(request.positions);
    main.show();
    if (scriptedCase && !enterAndCalculate(main, *scriptedCase)) {
        complain("the main window did not take the case as it was given");
        return kExitFailed;
    }
    if (!request.caseFile.isEmpty()) {
        if (const int status = openAndCalculate(main, messages, request.caseFile); status != kExitOk) return status;
    }
    const QString& windowName = request.windowName;
    const QString& file = request.screenshotFile;
    QWidget* window = findPicturedWindow(windowName)->open(main);
    if (!window) {
        complain("the window '" + windowName + "' could not be opened");
        return kExitFailed;
    }
    // Let the window lay itself out first (a scroll area sizes its contents
    // on its own resize event), so that the picture is what the user sees.
    QCoreApplication::processEvents();
    const ui::DrawnFileOutcome saved = ui::writePngFile(file, window->grab().toImage());
    if (saved.ok()) return kExitOk;
    complain("could not write the picture to " + file + ": " + ui::englishReason(saved));
    return kExitFailed;
}

}  // namespace

int runScripted(int& argc, char** argv, const DesktopRequest& request)
{
    std::optional<ScriptedCase> scriptedCase;
    if (request.caseText) {
        CaseReading reading = readScriptedCase(*request.caseText, request.positions);
        if (!reading.scriptedCase) {
            complain(QString::fromStdString(reading.error));
            return reading.exitStatus;
        }
        scriptedCase = std::move(reading.scriptedCase);
    }

    // Pictures and pages are drawn offscreen, the same on every machine,
    // display or none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    QApplication app(argc, argv);
    setUpApplication();
    // A picture opens its case file as the menu does; the user's list of
    // recent files is left as it was.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    if (!request.pdfFile.isEmpty()) {
        if (const int status = writePage(*scriptedCase, request.positions, request.pdfFile); status != kExitOk)
            return status;
    }
    if (!request.screenshotFile.isEmpty()) return writePicture(scriptedCase, request);
    return kExitOk;
}

}  // namespace qismaru::app
