// The help and auxiliary windows as a user meets them: the welcome window at
// start-up, the About window, the exit confirmation and the explanation index
// with its pages. Each behaves as a modal dialog over the window beneath it,
// and no way of closing a window may leave a disabled window behind.

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "help/about_window.h"
#include "help/explanation_index.h"
#include "help/explanation_page.h"
#include "help/help_windows.h"
#include "help/welcome_window.h"
#include "ui/caption_button.h"
#include "ui/drawing_surface.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace qismaru::help {
namespace {

// The main window with its help windows; ending the program is counted.
struct Program {
    explicit Program(bool greeted = true)
    {
        attachHelpWindows(main, [this] { ++ended; });
        if (greeted) main.markWelcomeShown();
        main.show();
        // Some window systems activate a new window only when the user clicks it.
        main.activateWindow();
        (void)QTest::qWaitForWindowExposed(&main);
    }

    void menu(const char* name) { main.findChild<QAction*>(name)->trigger(); }

    ui::RecordingMessageBoxes messages;
    ui::MainWindow main{messages};
    int ended = 0;
};

// The visible top-level window of that design name.
template <typename Window = QWidget>
Window* shown(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) return qobject_cast<Window*>(window);
    }
    return nullptr;
}

QStringList shownWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) names << window->objectName();
    }
    names.sort();
    return names;
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

// Lets windows closed with WA_DeleteOnClose go.
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return dark;
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void cleanup() { settle(); }

    void welcomeAtTheFirstActivationOnly()
    {
        Program program(false);
        QTRY_VERIFY(shown("Form27"));
        QVERIFY(!program.main.isEnabled());
        QVERIFY(program.main.welcomeShown());
        auto* welcome = shown<WelcomeWindow>("Form27");
        QVERIFY(darkPixels(welcome->surface()->image(), welcome->rect()) > 0);

        // The main window takes no input until "إغــلاق".
        QTest::mouseClick(program.main.heirButton(HeirKind::Mother), Qt::LeftButton);
        QCOMPARE(program.main.caseState().counts.of(HeirKind::Mother), 0);
        click(welcome, "Command1");
        settle();
        QVERIFY(program.main.isEnabled());
        QVERIFY(!shown("Form27"));

        // Later activations, after another window has come and gone, do not bring it back.
        program.menu("menu2");
        click(shown("Form5"), "Command1");
        settle();
        program.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.main));
        QVERIFY(!shown("Form27"));
        QVERIFY(program.main.isEnabled());
    }

    // Every way out of a window, here the close box, does what its button
    // does: the window beneath takes input again.
    void closeBoxEnablesTheWindowBeneath_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("beneath");
        QTest::newRow("welcome") << "Form27" << "Form1";
        QTest::newRow("about") << "Form5" << "Form1";
        QTest::newRow("exit") << "Form13" << "Form1";
        QTest::newRow("index") << "Form3" << "Form1";
        QTest::newRow("page") << "Form10" << "Form3";
    }

    void closeBoxEnablesTheWindowBeneath()
    {
        QFETCH(QString, window);
        QFETCH(QString, beneath);
        Program program(window != "Form27");
        if (window == "Form5") program.menu("menu2");
        if (window == "Form13") program.menu("menu");
        if (window == "Form3" || window == "Form10") program.menu("menu3");
        if (window == "Form10") click(shown("Form3"), "Command2");
        QTRY_VERIFY(shown(window));
        QVERIFY(!shown(beneath)->isEnabled());

        shown(window)->close();
        settle();
        QVERIFY(!shown(window));
        QVERIFY(shown(beneath)->isEnabled());
        QCOMPARE(program.main.isEnabled(), beneath == "Form1");
        QCOMPARE(program.ended, 0);
    }

    void boxOpensItsPage_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("colour");
        const auto page = [](const char* box, const char* form, const char* caption, int w, int h, bool colour) {
            QTest::newRow(box) << QString(box) << QString(form) << QString(caption) << QSize(w, h) << colour;
        };
        page("Command1", "Form9", " الجد", 349, 126, false);
        page("Command2", "Form10", " الجدات", 333, 323, false);
        page("Command20", "Form10", " الجدات", 333, 323, false);
        page("Command4", "Form6", "الأب", 348, 133, false);
        page("Command5", "Form4", "الام", 285, 153, false);
        page("Command6", "Form25", " الإخوة لأم", 273, 114, false);
        page("Command7", "Form8", " بنات الابن", 369, 232, false);
        page("Command8", "Form11", " أبناء الابن", 248, 49, false);
        page("Command9", "Form16", " الأبناء", 119, 46, false);
        page("Command10", "Form14", "البنات", 298, 110, false);
        page("Command11", "Form12", " الزوجان", 169, 191, false);
        page("Command12", "Form23", " الإخوة الأشقاء", 242, 92, false);
        page("Command13", "Form7", "الأخوات الشقيقات", 1024, 768, false);
        page("Command14", "Form24", " الإخوة لأب", 960, 600, true);
        page("Command15", "Form15", " الأخوات لأب", 265, 196, false);
        page("Command16", "Form20", " أبناء العم لأب", 960, 600, true);
        page("Command17", "Form19", "أبناء العم الشقيق", 960, 600, true);
        page("Command18", "Form21", " الأعمام الأشقاء", 960, 600, true);
        page("Command19", "Form22", " الأعمام لأب", 960, 600, true);
        page("Command21", "Form17", " أبناء الأخ الشقيق", 960, 600, true);
        page("Command22", "Form18", " أبناء الأخ لأب", 960, 600, true);
        page("Command3", "", "", 0, 0, false);  // the deceased has no page
    }

    void boxOpensItsPage()
    {
        QFETCH(QString, box);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, picture);
        QFETCH(bool, colour);
        Program program;
        program.menu("menu3");
        auto* index = shown("Form3");
        QVERIFY(index && index->isEnabled());
        QVERIFY(!program.main.isEnabled());

        click(index, box.toUtf8());
        if (form.isEmpty()) {
            QCOMPARE(shownWindows(), QStringList({"Form1", "Form3"}));
            QVERIFY(index->isEnabled());
            return;
        }
        auto* page = shown<ExplanationPage>(form);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), caption);
        QVERIFY(!index->isEnabled());
        QVERIFY(!program.main.isEnabled());

        // The picture: its size and depth, ink on it, and shown from the
        // top-left corner of the window, clipped to it, above the Close button.
        const QImage& image = page->picture();
        QCOMPARE(image.size(), picture);
        QCOMPARE(image.depth(), colour ? 32 : 1);
        const QRect seen = QRect(QPoint(0, 0), page->size()).intersected(image.rect());
        const QRect aboveClose(0, 0, seen.width(), std::min(seen.height(), page->findChild<QPushButton*>("Command1")->y()));
        const int ink = darkPixels(image, aboveClose);
        QVERIFY2(ink > aboveClose.width() * aboveClose.height() / 100, "the picture is blank");
        QVERIFY2(ink < aboveClose.width() * aboveClose.height() / 2, "the picture is mostly ink");
        QCOMPARE(page->grab().toImage().copy(aboveClose).convertToFormat(QImage::Format_RGB32),
                 image.copy(aboveClose).convertToFormat(QImage::Format_RGB32));

        click(page, "Command1");
        settle();
        QVERIFY(!shown(form));
        QVERIFY(index->isEnabled());
        QVERIFY(!program.main.isEnabled());
    }

    void pageOpensAfreshEachTime()
    {
        Program program;
        program.menu("menu3");
        auto* index = shown<ExplanationIndex>("Form3");
        click(index, "Command5");
        QPointer<QWidget> first = shown("Form4");
        QVERIFY(first);
        click(first, "Command1");
        settle();
        QVERIFY(!first);
        click(index, "Command5");
        QVERIFY(shown("Form4"));
        QVERIFY(!index->isEnabled());
    }

    // A window with a window open above it keeps its place: closing the index
    // from its frame while a page is open would enable the main window under
    // a page that is still open.
    void indexStaysWhileAPageIsOpen()
    {
        Program program;
        program.menu("menu3");
        auto* index = shown("Form3");
        click(index, "Command11");
        QVERIFY(shown("Form12"));
        index->close();
        click(index, "Command23");
        QVERIFY(shown("Form3"));
        QVERIFY(!program.main.isEnabled());

        click(shown("Form12"), "Command1");
        settle();
        click(index, "Command23");
        settle();
        QVERIFY(!shown("Form3"));
        QVERIFY(program.main.isEnabled());
    }

    void aboutShowsTheSameEightLinesEachTime()
    {
        Program program;
        program.menu("menu2");
        auto* about = shown<AboutWindow>("Form5");
        QVERIFY(!program.main.isEnabled());
        const QImage first = about->surface()->image();
        QVERIFY(darkPixels(first, first.rect()) > 0);

        // Becoming active again clears before drawing: the lines are never doubled.
        program.main.setEnabled(true);
        about->becomeActive();
        QVERIFY(!program.main.isEnabled());
        QCOMPARE(about->surface()->image(), first);

        click(about, "Command1");
        settle();
        QVERIFY(program.main.isEnabled());
        program.menu("menu2");
        QCOMPARE(shown<AboutWindow>("Form5")->surface()->image(), first);
        QCOMPARE(AboutWindow::versionLine().trimmed(), QString("الإصدار ") + QISMARU_PROJECT_VERSION);
    }

    // The drawn lines are fitted to their windows: nothing runs off the right
    // edge, where a right-to-left line begins, or off the bottom.
    void drawnTextStaysInsideItsWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("welcome") << "Form27";
        QTest::newRow("about") << "Form5";
        QTest::newRow("exit") << "Form13";
    }

    void drawnTextStaysInsideItsWindow()
    {
        QFETCH(QString, window);
        Program program(window != "Form27");
        if (window == "Form5") program.menu("menu2");
        if (window == "Form13") program.menu("menu");
        QTRY_VERIFY(shown(window));
        const QImage image = shown(window)->findChild<ui::DrawingSurface*>()->image();
        QVERIFY(darkPixels(image, image.rect()) > 0);
        QCOMPARE(darkPixels(image, QRect(image.width() - 2, 0, 2, image.height())), 0);
        QCOMPARE(darkPixels(image, QRect(0, image.height() - 2, image.width(), 2)), 0);
    }

    void noReturnsWithTheCaseIntact()
    {
        Program program;
        for (HeirKind kind : {HeirKind::Husband, HeirKind::Mother, HeirKind::Father}) program.main.pressHeirButton(kind);
        program.main.calculate();
        const KindCounts counts = program.main.caseState().counts;
        const QImage table = program.main.resultArea()->image();

        program.menu("menu");
        auto* exit = shown("Form13");
        QVERIFY(exit);
        QVERIFY(!program.main.isEnabled());
        click(exit, "Command1");
        settle();
        QVERIFY(!shown("Form13"));
        QVERIFY(program.main.isEnabled());
        QCOMPARE(program.ended, 0);
        QCOMPARE(program.main.caseState().counts.count, counts.count);
        QVERIFY(program.main.caseState().computed);
        QCOMPARE(program.main.resultArea()->image(), table);
    }

    void yesEndsTheProgramWhileTheCaseIsEntered()
    {
        Program program;
        program.main.pressHeirButton(HeirKind::Husband);
        program.menu("menu");
        click(shown("Form13"), "Command2");
        QCOMPARE(program.ended, 1);
        QVERIFY(program.main.isEnabled());
    }

    void mainCloseBoxAsksTheSameQuestion()
    {
        Program program;
        program.main.close();
        QVERIFY(program.main.isVisible());
        QVERIFY(shown("Form13"));
        QVERIFY(!program.main.isEnabled());
        QCOMPARE(program.ended, 0);
    }
};

}  // namespace qismaru::help

QTEST_MAIN(qismaru::help::HelpWindowsTest)
#include "help_windows_test.moc"
