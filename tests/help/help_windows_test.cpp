// The help and auxiliary windows as a user meets them: the welcome window at
// start-up, the About window, the exit confirmation and the explanation index
// with its pages. Each behaves as a modal dialog over the window beneath it,
// and no way of closing a window may leave a disabled window behind.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "help/about_window.h"
#include "help/explanation_index.h"
#include "help/explanation_page.h"
#include "help/family_tree.h"
#include "help/help_windows.h"
#include "help/page_picture.h"
#include "help/schools_window.h"
#include "help/welcome_window.h"
#include "help_texts/school_texts.h"
#include "tests/ui/caption_check.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/main/main_window.h"

namespace qismaru::help {
namespace {

namespace design = ui::design;

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

    void menu(const QString& name) { main.findChild<QAction*>(name)->trigger(); }

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

void click(QWidget* window, const QString& button)
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

const IndexButton& indexBox(IndexAction action, HelpTopic topic = {})
{
    for (const IndexButton& box : indexButtons()) {
        if (box.action == action && (action != IndexAction::OpenPage || box.topic == topic)) return box;
    }
    throw std::logic_error("no such box in the index");
}

QString pageWindow(HelpTopic topic) { return pageOf(topic).form; }

// How a user reaches a window: a menu item of the main window (none for the
// welcome window, which comes by itself), then perhaps a box of the index.
// The window beneath is the one it disables. The way out, where a test
// takes one: "close box"; "main window first", the window's button after a
// click on the main window, which makes the window's own activation arrive
// after the click that closed it; a key, "Escape" or "Return".
void addOpeningColumns()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("indexBox");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("beneath");
    QTest::addColumn<QString>("way");
}

void addOpening(const char* row, const QString& menu, const QString& box, const QString& window,
                const QString& beneath = design::kMainWindow, const QString& way = "close box")
{
    QTest::newRow(row) << menu << box << window << beneath << way;
}

// Leaves `window` by `way`, as addOpeningColumns says.
void leave(QWidget* window, const QString& way, QWidget& main)
{
    const QPointer<QWidget> closing = window;
    if (way == "close box") window->close();
    if (way == "main window first") {
        QApplication::setActiveWindow(&main);
        QTest::mouseClick(window->findChildren<QPushButton*>().constLast(), Qt::LeftButton);
        if (closing) QApplication::setActiveWindow(closing);
    }
    if (way == "Escape" || way == "Return") {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, way == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
    }
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

    // Starts the program and opens the window of the current data row.
    static std::unique_ptr<Program> openWindowOfRow()
    {
        QFETCH(QString, menu);
        QFETCH(QString, indexBox);
        auto program = std::make_unique<Program>(!menu.isEmpty());
        if (!menu.isEmpty()) program->menu(menu);
        if (!indexBox.isEmpty()) click(shown(design::kExplanationIndex), indexBox);
        return program;
    }

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void cleanup() { settle(); }

    void welcomeAtTheFirstActivationOnly()
    {
        Program program(false);
        QTRY_VERIFY(shown(design::kWelcomeWindow));
        QVERIFY(!program.main.isEnabled());
        QVERIFY(program.main.welcomeShown());
        auto* welcome = shown<WelcomeWindow>(design::kWelcomeWindow);
        QVERIFY(darkPixels(welcome->surface()->image(), welcome->rect()) > 0);

        // The main window takes no input until "إغــلاق".
        QTest::mouseClick(program.main.heirButton(HeirKind::Mother), Qt::LeftButton);
        QCOMPARE(program.main.caseState().counts.of(HeirKind::Mother), 0);
        click(welcome, design::kWelcomeCloseButton);
        settle();
        QVERIFY(program.main.isEnabled());
        QVERIFY(!shown(design::kWelcomeWindow));

        // Later activations, after another window has come and gone, do not bring it back.
        program.menu(design::kAboutMenu);
        click(shown(design::kAboutWindow), design::kAboutCloseButton);
        settle();
        program.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.main));
        QVERIFY(!shown(design::kWelcomeWindow));
        QVERIFY(program.main.isEnabled());
    }

    // Every way out of a window (the close box, Escape, Enter) does what its
    // button does: the window beneath takes input again.
    void closeBoxEnablesTheWindowBeneath_data()
    {
        addOpeningColumns();
        addOpening("welcome", {}, {}, design::kWelcomeWindow);
        addOpening("about", design::kAboutMenu, {}, design::kAboutWindow);
        addOpening("exit", design::kExitMenu, {}, design::kExitWindow);
        addOpening("index", design::kExplanationMenu, {}, design::kExplanationIndex);
        addOpening("page", design::kExplanationMenu, indexBox(IndexAction::OpenPage, HelpTopic::Grandmothers).name,
                   pageWindow(HelpTopic::Grandmothers), design::kExplanationIndex);
        addOpening("about, the main window clicked first", design::kAboutMenu, {}, design::kAboutWindow,
                   design::kMainWindow, "main window first");
        addOpening("welcome, Return", {}, {}, design::kWelcomeWindow, design::kMainWindow, "Return");
        addOpening("about, Escape", design::kAboutMenu, {}, design::kAboutWindow, design::kMainWindow, "Escape");
        addOpening("about, Return", design::kAboutMenu, {}, design::kAboutWindow, design::kMainWindow, "Return");
        addOpening("exit, Escape", design::kExitMenu, {}, design::kExitWindow, design::kMainWindow, "Escape");
        addOpening("index, Escape", design::kExplanationMenu, {}, design::kExplanationIndex, design::kMainWindow,
                   "Escape");
        addOpening("page, Return", design::kExplanationMenu,
                   indexBox(IndexAction::OpenPage, HelpTopic::Grandmothers).name, pageWindow(HelpTopic::Grandmothers),
                   design::kExplanationIndex, "Return");
    }

    void closeBoxEnablesTheWindowBeneath()
    {
        QFETCH(QString, window);
        QFETCH(QString, beneath);
        QFETCH(QString, way);
        const auto program = openWindowOfRow();
        QTRY_VERIFY(shown(window));
        QVERIFY(!shown(beneath)->isEnabled());

        leave(shown(window), way, program->main);
        settle();
        QVERIFY(!shown(window));
        QVERIFY(shown(beneath)->isEnabled());
        QCOMPARE(program->main.isEnabled(), beneath == design::kMainWindow);
        QCOMPARE(program->ended, 0);
    }

    // The page on the schools opens from the menu "المذهب" beside a main
    // window that stays usable, says what each school holds on every
    // question, and marks the school chosen, also after the choice changes.
    void schoolsPageMarksTheChosenSchool()
    {
        Program program;
        program.menu(design::kSchoolsHelpItem);
        auto* page = shown<SchoolsWindow>(design::kSchoolsWindow);
        QVERIFY(page);
        QVERIFY(program.main.isEnabled());
        const auto marked = [page] {
            QStringList bold;
            for (QTextBlock block = page->text()->document()->begin(); block.isValid(); block = block.next()) {
                for (auto run = block.begin(); !run.atEnd(); ++run) {
                    if (run.fragment().charFormat().fontWeight() >= QFont::Bold) bold << run.fragment().text();
                }
            }
            return bold.join(' ');
        };
        const QString text = page->text()->toPlainText();
        for (const SchoolQuestion& question : schoolQuestions()) {
            QVERIFY2(text.contains(question.heading), question.id);
            for (const char* holding : question.holdings) QVERIFY2(*holding && text.contains(holding), question.id);
        }
        QVERIFY(marked().contains("الحنفي") && !marked().contains("الحنبلي"));
        program.menu("school.hanbali");
        QVERIFY(marked().contains("الحنبلي") && !marked().contains("الحنفي"));
        page->close();
    }

    void everyBoxOfTheTreeOpensItsPage_data()
    {
        QTest::addColumn<QString>("box");
        for (const IndexButton& box : indexButtons()) {
            if (box.action == IndexAction::OpenPage) QTest::newRow(box.caption) << QString(box.name);
        }
    }

    void everyBoxOfTheTreeOpensItsPage()
    {
        QFETCH(QString, box);
        Program program;
        program.menu(design::kExplanationMenu);
        auto* index = shown<ExplanationIndex>(design::kExplanationIndex);
        QVERIFY(index && index->isEnabled());
        QVERIFY(!program.main.isEnabled());

        click(index, box);
        QCOMPARE(shownWindows().size(), 3);
        ExplanationPage* page = nullptr;
        for (const ExplanationPageInfo& info : explanationPages()) {
            if (shown(info.form)) page = shown<ExplanationPage>(info.form);
        }
        QVERIFY(page);
        QCOMPARE(page, index->openedPage(page->info().topic));
        QVERIFY(!index->isEnabled());
        QVERIFY(!program.main.isEnabled());

        // The statements, readable, on white, and every one of them within
        // reach: the text area shows the top of the picture and scrolls to
        // its end.
        const QImage& picture = page->picture();
        QVERIFY2(darkPixels(picture, picture.rect()) > picture.width() * picture.height() / 100, "a blank page");
        QVERIFY(layoutPage(page->info(), page->positions()).font.pointSizeF() >= ui::kSmallestReadablePoints);
        QWidget* viewport = page->textArea()->viewport();
        QCOMPARE(viewport->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 picture.copy(viewport->rect()).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(viewport->height() + page->textArea()->verticalScrollBar()->maximum(), picture.height());
        const QImage window = page->grab().toImage();
        QCOMPARE(window.pixelColor(1, window.height() - 2), QColor(Qt::white));

        click(page, design::kPageCloseButton);
        settle();
        QCOMPARE(shownWindows().size(), 2);
        QVERIFY(index->isEnabled());
        QVERIFY(!program.main.isEnabled());
    }

    // Every page can be reached from the tree; the two grandmothers' boxes
    // open the one grandmothers' page; the deceased's box opens nothing.
    void theTreeReachesEveryPageAndTheDeceasedNone()
    {
        QSet<HelpTopic> reached;
        int grandmotherBoxes = 0;
        for (const IndexButton& box : indexButtons()) {
            if (box.action != IndexAction::OpenPage) continue;
            reached.insert(box.topic);
            grandmotherBoxes += box.topic == HelpTopic::Grandmothers;
        }
        QCOMPARE(reached.size(), kHelpTopicCount);
        QCOMPARE(grandmotherBoxes, 2);

        Program program;
        program.menu(design::kExplanationMenu);
        auto* index = shown(design::kExplanationIndex);
        click(index, indexBox(IndexAction::Nothing).name);
        QCOMPARE(shownWindows(), QStringList({design::kMainWindow, design::kExplanationIndex}));
        QVERIFY(index->isEnabled());
    }

    void pageOpensAfreshEachTime()
    {
        Program program;
        program.menu(design::kExplanationMenu);
        auto* index = shown<ExplanationIndex>(design::kExplanationIndex);
        const QString mothersBox = indexBox(IndexAction::OpenPage, HelpTopic::Mother).name;
        click(index, mothersBox);
        QPointer<QWidget> first = shown(pageWindow(HelpTopic::Mother));
        QVERIFY(first);
        click(first, design::kPageCloseButton);
        settle();
        QVERIFY(!first);
        click(index, mothersBox);
        QVERIFY(shown(pageWindow(HelpTopic::Mother)));
        QVERIFY(!index->isEnabled());
    }

    // A page states the answer of the school the main window answers by: the
    // brothers' card divides them with the grandfather after Zayd under the
    // Shafi'i school, and has him exclude them under the Hanafi school.
    void pagesFollowTheSchoolInForce()
    {
        Program program;
        const QString brothersBox = indexBox(IndexAction::OpenPage, HelpTopic::FullBrothers).name;
        const auto pageText = [&] {
            program.menu(design::kExplanationMenu);
            click(shown(design::kExplanationIndex), brothersBox);
            auto* page = shown<ExplanationPage>(pageWindow(HelpTopic::FullBrothers));
            const QString text = page->findChild<QLabel*>()->accessibleDescription();
            click(page, design::kPageCloseButton);
            settle();
            click(shown(design::kExplanationIndex), indexBox(IndexAction::CloseIndex).name);
            settle();
            return text;
        };
        program.main.setPositions({School::Shafii});
        QVERIFY(pageText().contains("ومع الجد يقاسمونه كأخ منهم"));
        program.main.setPositions({});
        QVERIFY(pageText().contains("يحجبهم الابن وابن الابن والأب والجد"));
    }

    // A window with a window open above it keeps its place: closing the index
    // from its frame while a page is open would enable the main window under
    // a page that is still open.
    void indexStaysWhileAPageIsOpen()
    {
        Program program;
        program.menu(design::kExplanationMenu);
        auto* index = shown(design::kExplanationIndex);
        const QString spouses = pageWindow(HelpTopic::Spouses);
        click(index, indexBox(IndexAction::OpenPage, HelpTopic::Spouses).name);
        QVERIFY(shown(spouses));
        index->close();
        click(index, design::kIndexCloseButton);
        QVERIFY(shown(design::kExplanationIndex));
        QVERIFY(!program.main.isEnabled());

        click(shown(spouses), design::kPageCloseButton);
        settle();
        click(index, design::kIndexCloseButton);
        settle();
        QVERIFY(!shown(design::kExplanationIndex));
        QVERIFY(program.main.isEnabled());
    }

    void aboutShowsTheSameLinesEachTime()
    {
        Program program;
        program.menu(design::kAboutMenu);
        auto* about = shown<AboutWindow>(design::kAboutWindow);
        QVERIFY(!program.main.isEnabled());
        const QImage first = about->surface()->image();
        QVERIFY(darkPixels(first, first.rect()) > 0);

        // Becoming active again clears before drawing: the lines are never doubled.
        program.main.setEnabled(true);
        about->becomeActive();
        QVERIFY(!program.main.isEnabled());
        QCOMPARE(about->surface()->image(), first);

        click(about, design::kAboutCloseButton);
        settle();
        QVERIFY(program.main.isEnabled());
        program.menu(design::kAboutMenu);
        QCOMPARE(shown<AboutWindow>(design::kAboutWindow)->surface()->image(), first);
        QCOMPARE(AboutWindow::versionLine().trimmed(), QString("الإصدار ") + QISMARU_PROJECT_VERSION);

        // The name, the version and the licence; no invented author or address.
        QStringList texts;
        for (const DrawnLine& line : AboutWindow::lines()) texts << line.text;
        const QString shownText = texts.join('\n');
        for (const QString& part : {QString("قسمارو"), AboutWindow::versionLine(), QString("GPL-3.0-or-later")}) {
            QVERIFY2(shownText.contains(part), qPrintable(part));
        }
        QVERIFY(!shownText.contains(QChar(0x40)));
    }

    // The stored lines of the welcome and About windows were written to be
    // drawn left to right, their leading blanks indenting them: each bracket
    // lands at the outer end of the saying, beside its first word on the
    // right or its last word on the left, whatever direction the painter
    // would take from the Arabic letters.
    void storedBracketsFrameTheSaying_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("bracketOnTheRight");
        const auto add = [](const char* row, const DrawnLines& lines, int index, bool right) {
            QTest::newRow(row) << lines[index].text << right;
        };
        add("welcome, opening brace", WelcomeWindow::lines(), 0, true);
        add("welcome, closing brace", WelcomeWindow::lines(), 2, false);
        add("about, opening parenthesis", AboutWindow::lines(), 6, true);
        add("about, closing parenthesis", AboutWindow::lines(), 7, false);
    }

    void storedBracketsFrameTheSaying()
    {
        QFETCH(QString, line);
        QFETCH(bool, bracketOnTheRight);
        // The line as the window draws it, and again with the bracket turned
        // the other way, which takes the same room: the columns that differ
        // are the bracket's.
        QString turned = line;
        const auto bracket = static_cast<int>(line.indexOf(QRegularExpression("[{}()]")));
        turned[bracket] = QString("{}()").at(QString("}{)(").indexOf(line[bracket]));
        const auto draw = [](const QString& text) {
            ui::DrawingSurface surface(QSize(400, 40), Qt::white);
            surface.setDrawingFont(ui::designFont(ui::kAndalus, 16));
            drawLines(surface, {{text, LineSetting::AsStored}});
            return surface.image();
        };
        const QImage image = draw(line);
        const QImage other = draw(turned);
        int bracketLeft = image.width(), bracketRight = -1, inkLeft = image.width(), inkRight = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
                if (image.pixel(x, y) != other.pixel(x, y)) {
                    bracketLeft = std::min(bracketLeft, x), bracketRight = std::max(bracketRight, x);
                }
            }
        }
        QVERIFY(bracketRight - bracketLeft < (inkRight - inkLeft) / 4);
        if (bracketOnTheRight) {
            QVERIFY(bracketRight >= inkRight);
        } else {
            QVERIFY(bracketLeft <= inkLeft);
        }
    }

    // No caption shrinks below a readable size or out of its button.
    void everyCaptionReads_data()
    {
        addOpeningColumns();
        addOpening("welcome", {}, {}, design::kWelcomeWindow);
        addOpening("about", design::kAboutMenu, {}, design::kAboutWindow);
        addOpening("exit", design::kExitMenu, {}, design::kExitWindow);
        addOpening("index", design::kExplanationMenu, {}, design::kExplanationIndex);
        addOpening("page", design::kExplanationMenu, indexBox(IndexAction::OpenPage, HelpTopic::Sons).name,
                   pageWindow(HelpTopic::Sons), design::kExplanationIndex);
    }

    void everyCaptionReads()
    {
        QFETCH(QString, window);
        const auto program = openWindowOfRow();
        QTRY_VERIFY(shown(window));
        QCOMPARE(ui::testing::unreadableCaption(*shown(window)), QString());
    }

    void noReturnsWithTheCaseIntact()
    {
        Program program;
        for (HeirKind kind : {HeirKind::Husband, HeirKind::Mother, HeirKind::Father})
            program.main.pressHeirButton(kind);
        program.main.calculate();
        const KindCounts counts = program.main.caseState().counts;
        const QImage table = program.main.resultArea()->image();

        program.menu(design::kExitMenu);
        auto* exit = shown(design::kExitWindow);
        QVERIFY(exit);
        QVERIFY(!program.main.isEnabled());
        click(exit, design::kExitNoButton);
        settle();
        QVERIFY(!shown(design::kExitWindow));
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
        program.menu(design::kExitMenu);
        click(shown(design::kExitWindow), design::kExitYesButton);
        QCOMPARE(program.ended, 1);
        QVERIFY(program.main.isEnabled());
    }

    void mainCloseBoxAsksTheSameQuestion()
    {
        Program program;
        program.main.close();
        QVERIFY(program.main.isVisible());
        QVERIFY(shown(design::kExitWindow));
        QVERIFY(!program.main.isEnabled());
        QCOMPARE(program.ended, 0);
    }
};

}  // namespace qismaru::help

QTEST_MAIN(qismaru::help::HelpWindowsTest)
#include "help_windows_test.moc"
