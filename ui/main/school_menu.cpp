#include "ui/main/school_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

#include "present/positions_text.h"
#include "ui/document/case_document.h"
#include "ui/document/kept_settings.h"
#include "ui/kit/design_names.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/status_hints.h"
#include "ui/main/main_window.h"

namespace qismaru::ui {

namespace {

QAction* addCheckable(QMenu& menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(objectName);
    action->setCheckable(true);
    return action;
}

const char* const kSpouseReturnTip = "يأخذ أحد الزوجين إذا انفرد المال كله: فرضه، والباقي بالرد";
const char* const kNoReturnTip = "لا رد: ما فضل عن الفروض لبيت المال، على قول المتقدمين من المالكية والشافعية";

// A switch is offered when turning it on leaves positions that go together;
// turned on, it can always be turned off.
void showSwitch(QAction& item, bool on, PositionsProblem ifTurnedOn, bool ofNoReturn, const char* tip)
{
    item.setChecked(on);
    const bool offered = on || ifTurnedOn == PositionsProblem::None;
    item.setEnabled(offered);
    const QString said = offered ? QString(tip) : fromView(positionHindrance(ifTurnedOn, ofNoReturn));
    item.setStatusTip(said);
    item.setToolTip(said);
}

// The menu shows the window's positions, and its title the school, so that
// the school is seen on the window itself and in its pictures; the two
// switches are set without their triggers, which only the user's choice fires.
void showPositions(QMenu& menu, const Positions& positions)
{
    menu.setTitle("المذ&هب: " + fromView(schoolInfo(positions.school).name));
    for (const SchoolInfo& info : kSchools) {
        const QString name = design::kSchoolItemPrefix + fromView(info.key);
        menu.findChild<QAction*>(name)->setChecked(info.school == positions.school);
    }
    Positions withSpouseReturn = positions;
    withSpouseReturn.spouseReturn = true;
    Positions withNoReturn = positions;
    withNoReturn.noReturn = true;
    showSwitch(*menu.findChild<QAction*>(design::kSpouseReturnItem), positions.spouseReturn,
               problemOf(withSpouseReturn), false, kSpouseReturnTip);
    showSwitch(*menu.findChild<QAction*>(design::kNoReturnItem), positions.noReturn, problemOf(withNoReturn), true,
               kNoReturnTip);
}

// The widest mark that leaves every menu its room on the designed window:
// a longer one (a position's name) is cut, and said whole in its tip, as
// in the window's title.
const char* const kWidestWholeMark = "النتيجة تخالف المذهب الحنفي";

// At the free end of the menu bar, while the table shown is not the Hanafi
// answer: said where it is read, outside the designed client area.
void addDifferenceMark(MainWindow& window)
{
    auto* mark = new QLabel(window.menuBar());
    mark->setObjectName(design::kHanafiDifferenceMark);
    mark->setForegroundRole(QPalette::Highlight);
    mark->setContentsMargins(6, 0, 6, 0);
    mark->hide();
    // The corner after the last menu, in the reading direction.
    window.menuBar()->setCornerWidget(mark, Qt::TopRightCorner);
    QObject::connect(&window.document(), &CaseDocument::answerChanged, mark, [&window, mark] {
        const CaseAnswer& answer = window.document().answer();
        const QString whole = QString::fromStdString(answer.differenceMark());
        const QFontMetrics metrics(mark->font());
        mark->setText(metrics.elidedText(whole, Qt::ElideRight, metrics.horizontalAdvance(kWidestWholeMark)));
        mark->setToolTip(whole + "\n" + QString::fromStdString(differsFromHanafiNote(answer.positions())));
        mark->setVisible(!whole.isEmpty());
    });
}

}  // namespace

void addSchoolMenu(MainWindow& window)
{
    auto* menu = new QMenu("المذهب", window.menuBar());
    menu->setObjectName(design::kSchoolMenu);
    menu->setToolTipsVisible(true);
    hintDisabledItems(*menu, *window.statusBar());
    menu->menuAction()->setObjectName(design::kSchoolMenu);

    // Numbered, as the recent files are, so that the keyboard reaches each
    // item whatever its layout.
    auto* schools = new QActionGroup(menu);
    schools->setExclusive(true);
    for (const SchoolInfo& info : kSchools) {
        const int number = static_cast<int>(info.school) + 1;
        QAction* school = addCheckable(*menu, design::kSchoolItemPrefix + fromView(info.key),
                                       QString("&%1  المذهب %2").arg(number).arg(fromView(info.name)));
        schools->addAction(school);
        QObject::connect(school, &QAction::triggered, &window, [&window, school = info.school] {
            Positions positions = window.positions();
            positions.school = school;
            window.setPositions(positions);
        });
    }
    menu->addSeparator();
    QAction* spouseReturn =
        addCheckable(*menu, design::kSpouseReturnItem, "&5  الرد على أحد الزوجين عند انفراده (يأخذ المال كله)");
    QObject::connect(spouseReturn, &QAction::triggered, &window, [&window](bool checked) {
        Positions positions = window.positions();
        positions.spouseReturn = checked;
        window.setPositions(positions);
    });
    QAction* noReturn =
        addCheckable(*menu, design::kNoReturnItem, "&6  عدم الرد: ما فضل عن الفروض لبيت المال (قول المتقدمين)");
    QObject::connect(noReturn, &QAction::triggered, &window, [&window](bool checked) {
        Positions positions = window.positions();
        positions.noReturn = checked;
        window.setPositions(positions);
    });
    menu->addSeparator();
    QAction* help = menu->addAction("&7  المذاهب الأربعة: مواضع الخلاف…");
    help->setObjectName(design::kSchoolsHelpItem);
    QObject::connect(help, &QAction::triggered, &window, [&window] {
        if (window.secondaryWindows().schoolsHelp) window.secondaryWindows().schoolsHelp();
    });

    showPositions(*menu, window.positions());
    QObject::connect(&window, &MainWindow::positionsChanged, menu,
                     [menu](const Positions& positions) { showPositions(*menu, positions); });
    window.menuBar()->addMenu(menu);
    addDifferenceMark(window);
}

void rememberPositions(MainWindow& window, std::unique_ptr<QSettings> settings)
{
    window.setPositions(keptPositions(*settings));

    QSettings* owned = settings.release();
    QObject::connect(&window, &QObject::destroyed, [owned] { delete owned; });
    QObject::connect(&window, &MainWindow::positionsChanged, owned,
                     [owned](const Positions& positions) { keepPositions(*owned, positions); });
}

void rememberPositionsInUserSettings(MainWindow& window) { rememberPositions(window, userSettings()); }

}  // namespace qismaru::ui
