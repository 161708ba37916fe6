#include "help/schools_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help_texts/school_texts.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/qt_text.h"

namespace qismaru::help {

namespace {

using ui::fromView;

const char* const kTitle = "المذاهب الأربعة";

QString pageHtml(const Positions& chosen)
{
    QString html =
        "<html><head><style>h3 { margin-top: 14px; margin-bottom: 4px; } td { padding: 3px 6px; vertical-align: top; }"
        "</style></head><body dir=\"rtl\"><h2>" +
        QString(kTitle) +
        "</h2><p>يتبع البرنامج ما يختار المستخدم من قائمة المذهب. هذه المواضع التي تختلف فيها أجوبة المذاهب في "
        "المسائل التي يحسبها البرنامج، وما يقوله كل مذهب فيها. والمذهب المختار الآن معلَّم بخط عريض.</p>";
    for (const SchoolQuestion& question : schoolQuestions()) {
        html += "<h3>" + QString(question.heading) + "</h3><p><i>" + QString(question.when) + "</i></p>";
        html += "<table border=\"1\" cellspacing=\"0\" width=\"100%\">";
        for (const SchoolInfo& info : kSchools) {
            const QString holding = QString(question.holdings[static_cast<int>(info.school)]).toHtmlEscaped();
            const bool marked = info.school == chosen.school;
            html += "<tr><td width=\"18%\">" + QString(marked ? "<b>" : "") + fromView(info.name) +
                    QString(marked ? "</b>" : "") + "</td><td>" + (marked ? "<b>" + holding + "</b>" : holding) +
                    "</td></tr>";
        }
        html += "</table>";
        if (*question.note) html += "<p>" + QString(question.note).toHtmlEscaped() + "</p>";
    }
    return html + "</body></html>";
}

}  // namespace

SchoolsWindow::SchoolsWindow(const Positions& chosen, QWidget* parent) : QDialog(parent)
{
    setObjectName(ui::design::kSchoolsWindow);
    setWindowTitle(kTitle);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    text_ = new QTextBrowser(this);
    text_->setFont(ui::designFont(ui::kSimplifiedArabic, 12, false));
    text_->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton("إغلاق", QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    showChosen(chosen);
    resize(760, 620);
}

void SchoolsWindow::showChosen(const Positions& chosen)
{
    text_->setHtml(pageHtml(chosen));
    text_->document()->setDocumentMargin(12);
}

}  // namespace qismaru::help
