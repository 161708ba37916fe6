// The window "خطوات الحل": opened from the main window's menu after
// Calculate, showing the computed case's solution, copied as text and saved
// as a PDF of vector text.

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWindow>
#include <QtTest>

#include "app/desktop/scripted_case.h"
#include "present/solution_steps.h"
#include "tests/support/case_text.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/attached_windows.h"
#include "ui/main/main_window.h"
#include "ui/reports/solution_window.h"

namespace qismaru::ui {

namespace {

const char* const kWorkedExample = "h=1 m=1 d=3 bm=1";

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QString solutionOf(const char* counts)
{
    const KindCounts c = testing::countsOf(counts);
    return "المذهب: الحنفي\n" + fromUtf8(solutionText(c, solveWithSteps(c)));
}

SolutionWindow* openSolutionWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<SolutionWindow*>(widget); window && window->isVisible()) return window;
    }
    return nullptr;
}

}  // namespace

class SolutionWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingMessageBoxes> messages_;
    std::unique_ptr<MainWindow> window_;

    QAction* stepsItem() { return window_->menuBar()->findChild<QAction*>(design::kSolutionStepsMenu); }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void init()
    {
        messages_ = std::make_unique<RecordingMessageBoxes>();
        window_ = std::make_unique<MainWindow>(*messages_);
        attachSolutionWindow(*window_, *messages_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void menuItemOpensTheComputedCaseOnly()
    {
        QVERIFY(stepsItem());
        QCOMPARE(QString(stepsItem()->text()).remove('&'), QString("خطوات الحل"));
        QVERIFY(!stepsItem()->isEnabled());
        QVERIFY(app::enterAndCalculate(*window_, kWorkedExample));
        QVERIFY(stepsItem()->isEnabled());
        stepsItem()->trigger();
        SolutionWindow* solution = openSolutionWindow();
        QVERIFY(solution);
        QCOMPARE(solution->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(solution->plainText(), solutionOf(kWorkedExample));
        // Every sentence of the solution is in the window, under its heading.
        const QString shown = solution->document().toPlainText();
        for (const QString& line : solution->plainText().split('\n', Qt::SkipEmptyParts)) {
            QVERIFY2(shown.contains(line.startsWith("- ") ? line.mid(2) : line), qPrintable(line));
        }
        // The main window stays usable: a new case, and the item waits for Calculate again.
        window_->newCase();
        QVERIFY(!stepsItem()->isEnabled());
        QVERIFY(app::enterAndCalculate(*window_, "h=1 m=1 f=1"));
        stepsItem()->trigger();
        QCOMPARE(openSolutionWindow(), solution);
        QCOMPARE(solution->plainText(), solutionOf("h=1 m=1 f=1"));
    }

    // Beside the main window, not kept above it, and where the user left it.
    void opensBesideAndWhereItWasLeft()
    {
        QVERIFY(app::enterAndCalculate(*window_, kWorkedExample));
        stepsItem()->trigger();
        SolutionWindow* solution = openSolutionWindow();
        QVERIFY(solution);
        QVERIFY(solution->screen()->availableGeometry().contains(solution->frameGeometry()));
        QVERIFY(solution->frameGeometry().topLeft() != window_->frameGeometry().topLeft());
        QVERIFY(!solution->windowHandle()->transientParent());
        const QRect left(30, 40, 500, 420);
        solution->setGeometry(left);
        solution->close();
        QTRY_VERIFY(!openSolutionWindow());
        stepsItem()->trigger();
        QVERIFY(openSolutionWindow());
        QCOMPARE(openSolutionWindow()->geometry(), left);
    }

    void copiesTheSolutionAsText()
    {
        SolutionWindow solution(answerCase({testing::countsOf(kWorkedExample), {}}, Detail::Steps), *messages_);
        QTest::mouseClick(solution.findChild<QPushButton*>(design::kCopySolutionButton), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), solutionOf(kWorkedExample));
    }

    void savesAPdfOfVectorText()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("steps.pdf");
        SolutionWindow solution(answerCase({testing::countsOf(kWorkedExample), {}}, Detail::Steps), *messages_);
        solution.setFileChooser(
            [&](QWidget*, const QString& suggested) { return suggested.endsWith(".pdf") ? path : QString(); });
        QTest::mouseClick(solution.findChild<QPushButton*>(design::kSaveSolutionPdfButton), Qt::LeftButton);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // Text is embedded as fonts and glyphs; a picture of the window would be an image.
        QVERIFY(bytes.contains("/FontFile2"));
        QVERIFY(!bytes.contains("/Subtype /Image"));
        QVERIFY(messages_->texts.isEmpty());
    }

    void saysWhenTheFileCannotBeWritten()
    {
        SolutionWindow solution(answerCase({testing::countsOf(kWorkedExample), {}}, Detail::Steps), *messages_);
        QVERIFY(!solution.writePdf("/nonexistent-folder/steps.pdf"));
        QCOMPARE(messages_->texts.size(), 1);
        QVERIFY(messages_->texts[0].contains("/nonexistent-folder/steps.pdf"));
    }
};

}  // namespace qismaru::ui

QTEST_MAIN(qismaru::ui::SolutionWindowTest)
#include "solution_window_test.moc"
