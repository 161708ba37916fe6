#include "ui/reports/solution_window.h"

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
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/window_placement.h"
#include "ui/printing/case_printer.h"
#include "ui/printing/drawn_file.h"
#include "ui/printing/pdf_fallback.h"
#include "ui/reports/combined_page.h"

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
QString laterDeathsHtml(const SuccessiveDeaths& successive)
{
    if (!successive.joined()) return "<p>" + fromUtf8(successive.refusalText()).toHtmlEscaped() + "</p>";
    QString html;
    for (std::size_t i = 0; i < successive.later.size(); ++i) {
        html += "<h2>" + fromUtf8(successive.heading(i)).toHtmlEscaped() + "</h2><p>" +
                fromUtf8(deathHeirsLine(successive.deaths()[i + 1])).toHtmlEscaped() + "</p>" +
                sectionsHtml(successive.solution(i));
    }
    html += "<h2>" + QString(kCombinedTitle) + "</h2><ul>";
    for (const CombinedStep& step : successive.combinedSteps())
        html += "<li>" + fromUtf8(step.text).toHtmlEscaped() + "</li>";
    return html + "</ul>";
}

// The solution as a page: the heirs and the school, then each section's
// heading and its sentences, then the later deaths.
QString solutionHtml(const std::string& heirsLine, const Positions& positions, const std::vector<SolutionStep>& steps,
                     bool computed)
{
    // Headings close to their sentences, so that a whole case fits the window.
    QString html =
        "<html><head><style>h2 { margin-bottom: 4px; } h3 { margin-top: 10px; margin-bottom: 2px; } "
        "ul { margin-top: 0px; margin-bottom: 0px; }</style></head><body dir=\"rtl\"><h2>" +
        QString(kTitle) + "</h2><p>" + fromUtf8(heirsLine).toHtmlEscaped() + "<br>" +
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

SolutionWindow::SolutionWindow(const CaseAnswer& answer, MessageBoxes& messages, QWidget* parent)
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

void SolutionWindow::showAnswer(const CaseAnswer& answer)
{
    answer_ = answer;
    const Positions& positions = answer_.positions();
    setWindowTitle(QString(kTitle) + " — " + fromUtf8(positionsLine(positions)));
    QString html = solutionHtml(answer_.heirsLine(), positions, answer_.solution(), answer_.computed());
    if (answer_.successive) html += laterDeathsHtml(*answer_.successive);
    view_->setHtml(html + "</body></html>");
    view_->document()->setDocumentMargin(12);
    view_->setFocus();
}

const QTextDocument& SolutionWindow::document() const { return *view_->document(); }

// The school first, so that a copied solution is never read as another school's.
QString SolutionWindow::plainText() const
{
    return fromUtf8(positionsLine(answer_.positions())) + '\n' + fromUtf8(answer_.solutionText());
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

}  // namespace qismaru::ui
