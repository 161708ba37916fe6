#include "ui/main/attached_windows.h"

#include <QPointer>
#include <QPrinter>

#include "ui/document/case_document.h"
#include "ui/kit/window_placement.h"
#include "ui/main/main_window.h"
#include "ui/printing/pdf_fallback.h"
#include "ui/reports/solution_window.h"

namespace qismaru::ui {

void attachPrinter(MainWindow& window, std::shared_ptr<CasePrinter> printer)
{
    // The page of the answer on screen, as the table shows it.
    window.secondaryWindows().print = [&window, printer = std::move(printer)] {
        const CaseAnswer& answer = window.document().answer();
        const ResultTable table = answer.table(TableMedium::Paper);
        printer->print({table, answer.positions()}, &window);
    };
}

void attachDefaultPrinter(MainWindow& window, MessageBoxes& messages)
{
    attachPrinter(window, std::make_shared<CasePrinter>(messages, std::make_unique<ModalPdfFallbackDialogs>()));
}

void attachSolutionWindow(MainWindow& window, MessageBoxes& messages)
{
    auto opened = std::make_shared<QPointer<SolutionWindow>>();
    window.secondaryWindows().solutionSteps = [&window, &messages, opened] {
        CaseDocument& document = window.document();
        if (!*opened) {
            auto* created = new SolutionWindow(document.answer(), messages);
            // Without a parent (a disabled parent would disable it too), it
            // goes when the main window goes.
            QObject::connect(&window, &QObject::destroyed, created, [created] { delete created; });
            QObject::connect(&document, &CaseDocument::answerChanged, created,
                             [created, &document] { created->showAnswer(document.answer()); });
            *opened = created;
        }
        window.windowPlaces().showBeside(**opened, window);
    };
}

}  // namespace qismaru::ui
