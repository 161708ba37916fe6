#include "ui/solution_window.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "present/combined_sentences.h"
#include "present/positions_text.h"
#include "ui/case_document.h"
#include "ui/case_printer.h"
#include "ui/combined_page.h"
#include "ui/design_names.h"
#include "ui/drawn_file.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/pdf_fallback.h"
#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace qismaru::ui {

namespace {

const char* const kTitle = "خطوات الحل";
const char* const kNoSolution = "لم تُقسم هذه المسألة، فلا خطوات لها.";
const char* const kNotYetComputed = "لم تُحسب هذه المسألة بعد: تظهر خطوات حلها بعد «الحساب».";

QString fromUtf8(const std::string& text) { return fromView(text); }

// One death's solution: each section's heading and its sentences.
QString sectionsHtml(const std::vector<SolutionStep>& steps)
{
    QString html;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool newSection = i == 0 || steps[i].section != steps[i - 1].section;
        if (newSection) {
            if (i > 0) html += "</ul>";
            html += "<h3>" + fromView(sectionHeading(steps[i].section, steps)) + "</h3><ul>";
        }
        html += "<li>" + fromUtf8(steps[i].text).toHtmlEscaped() + "</li>";
    }
    if (!steps.empty()) html += "</ul>";
    return html;
}

// Each later death's own case under a line naming who died, then how they
// join in the combined base; or why they do not.
QString laterDeathsHtml(const SuccessiveDeaths& successive, const std::vector<std::vector<SolutionStep>>& laterSteps)
{
    if (!successive.joined()) return "<p>" + fromUtf8(successive.refusalText()).toHtmlEscaped() + "</p>";
    QString html;
    for (std::size_t i = 0; i < successive.later.size(); ++i) {
        const std::string heading = laterDeathHeading(static_cast<int>(i) + 2, successive.later[i], successive.deaths);
        html += "<h2>" + fromUtf8(heading).toHtmlEscaped() + "</h2><p>" +
                fromUtf8(caseHeirsLine(successive.deaths[i + 1].counts)).toHtmlEscaped() + "</p>" +
                sectionsHtml(laterSteps[i]);
    }
    html += "<h2>" + QString(kCombinedTitle) + "</h2><ul>";
    for (const CombinedStep& step : combinedSteps(successive.deaths, successive.later, successive.table))
        html += "<li>" + fromUtf8(step.text).toHtmlEscaped() + "</li>";
    return html + "</ul>";
}

// The solution as a page: the heirs and the school, then each section's
// heading and its sentences, then the later deaths.
QString solutionHtml(const KindCounts& counts, const Positions& positions, const std::vector<SolutionStep>& steps,
                     bool computed)
{
    // Headings close to their sentences, so that a whole case fits the window.
    QString html =
        "<html><head><style>h2 { margin-bottom: 4px; } h3 { margin-top: 10px; margin-bottom: 2px; } "
        "ul { margin-top: 0px; margin-bottom: 0px; }</style></head><body dir=\"rtl\"><h2>" +
        QString(kTitle) + "</h2><p>" + fromUtf8(caseHeirsLine(counts)).toHtmlEscaped() + "<br>" +
        fromUtf8(positionsLine(positions)).toHtmlEscaped() + "</p>";
    if (steps.empty()) html += "<p>" + QString(computed ? kNoSolution : kNotYetComputed) + "</p>";
    return html + sectionsHtml(steps);
}

QPushButton* addCommand(QDialogButtonBox& box, const char* name, const char* caption, QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = box.addButton(caption, role);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QString askPdfFileName(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, "حفظ خطوات الحل في ملف PDF", suggested, "PDF (*.pdf)");
}

}  // namespace

SolutionWindow::SolutionWindow(const ShownAnswer& answer, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), chooseFile_(askPdfFileName)
{
    setObjectName(design::kSolutionWindow);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    view_ = new QTextBrowser(this);
    view_->setObjectName(design::kSolutionText);
    view_->setFont(designFont(kSimplifiedArabic, 12, false));
    view_->setOpenLinks(false);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = addCommand(*buttons, design::kPrintSolutionButton, "طباعة", QDialogButtonBox::ActionRole);
    QPushButton* pdf =
        addCommand(*buttons, design::kSaveSolutionPdfButton, "حفظ في ملف PDF", QDialogButtonBox::ActionRole);
    QPushButton* copy = addCommand(*buttons, design::kCopySolutionButton, "نسخ النص", QDialogButtonBox::ActionRole);
    QPushButton* close = addCommand(*buttons, design::kCloseSolutionButton, "إغلاق", QDialogButtonBox::RejectRole);
    connect(print, &QPushButton::clicked, this, &SolutionWindow::print);
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });
    connect(copy, &QPushButton::clicked, this, &SolutionWindow::copyText);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Ctrl+C in the text copies the selection; these act on the whole solution.
    new QShortcut(QKeySequence::Print, this, this, &SolutionWindow::print);
    new QShortcut(QKeySequence::Save, this, this, [this] { saveAsPdf(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    showAnswer(answer);
    fitToSolution();
}

// Tall enough for the whole solution where the screen allows it, so that a
// short case needs no scrolling; the user may resize it either way.
void SolutionWindow::fitToSolution()
{
    const int width = 760;
    QTextDocument& text = *view_->document();
    text.setTextWidth(width - 2 * (view_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    const int chrome = layout()->contentsMargins().top() + layout()->contentsMargins().bottom() + layout()->spacing() +
                       findChild<QDialogButtonBox*>()->sizeHint().height() + 2 * view_->frameWidth();
    const int height = std::min(static_cast<int>(text.size().height()) + chrome, largestOnScreen(*this).height());
    resize(width, std::max(height, 360));
}

SolutionWindow::~SolutionWindow() = default;

void SolutionWindow::showAnswer(const ShownAnswer& answer)
{
    counts_ = answer.counts;
    positions_ = answer.positions;
    steps_ = answer.solution();
    computed_ = answer.computed();
    successive_ = answer.successive;
    laterSteps_.clear();
    if (successive_ && successive_->joined()) {
        for (std::size_t i = 0; i < successive_->later.size(); ++i) laterSteps_.push_back(successive_->solution(i));
    }
    setWindowTitle(QString(kTitle) + " — " + fromUtf8(positionsLine(positions_)));
    QString html = solutionHtml(counts_, positions_, steps_, computed_);
    if (successive_) html += laterDeathsHtml(*successive_, laterSteps_);
    view_->setHtml(html + "</body></html>");
    view_->document()->setDocumentMargin(12);
    view_->setFocus();
}

const QTextDocument& SolutionWindow::document() const { return *view_->document(); }

// The school first, so that a copied solution is never read as another school's.
QString SolutionWindow::plainText() const
{
    const QString school = fromUtf8(positionsLine(positions_)) + '\n';
    if (!successive_ || !successive_->joined()) return school + fromUtf8(solutionText(counts_, steps_));
    std::vector<std::vector<SolutionStep>> solutions{steps_};
    solutions.insert(solutions.end(), laterSteps_.begin(), laterSteps_.end());
    const auto combined = combinedSteps(successive_->deaths, successive_->later, successive_->table);
    return school + fromUtf8(successiveDeathsText(successive_->deaths, successive_->later, solutions, combined));
}

void SolutionWindow::copyText() { QGuiApplication::clipboard()->setText(plainText()); }

bool SolutionWindow::saveAsPdf()
{
    QString suggested = suggestedPdfPath();
    suggested.replace(".pdf", " - خطوات الحل.pdf");
    const QString path = chooseFile_(this, suggested);
    if (path.isEmpty()) return false;
    return writePdf(path);
}

bool SolutionWindow::writePdf(const QString& path)
{
    const DrawnFileOutcome saved = writePdfFile(path, kTitle, [this](QPdfWriter& writer) {
        printTo(writer);
        return true;
    });
    if (!saved.ok()) messages_.inform(this, kProgramCaption, drawnFileFailureText(kTitle, path, saved));
    return saved.ok();
}

void SolutionWindow::print()
{
    if (const std::unique_ptr<QPrinter> printer = choosePrinter(this, "طباعة خطوات الحل", kTitle)) printTo(*printer);
}

void SolutionWindow::printTo(QPagedPaintDevice& device)
{
    // A copy, so that the page width of the device does not reflow the window.
    const std::unique_ptr<QTextDocument> page(view_->document()->clone());
    page->setDefaultFont(view_->font());
    page->print(&device);
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
