#include "ui/main/case_menus.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>

#include "ui/document/case_document.h"
#include "ui/document/kept_settings.h"
#include "ui/kit/design_names.h"
#include "ui/main/later_deaths_menu.h"
#include "ui/main/main_window.h"
#include "ui/reports/estate_printing.h"

namespace qismaru::ui {

namespace {

QAction* addItem(QMenu& menu, const char* name, const QString& caption, const QKeySequence& keys)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(keys);
    return action;
}

// The recent files, newest first, numbered for the keyboard.
void fillRecentFiles(QMenu& menu, CaseDocument& document)
{
    menu.clear();
    const QStringList files = document.recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QAction* action = menu.addAction(QString("&%1  %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        QObject::connect(action, &QAction::triggered, &document, [&document, path] { document.openRecent(path); });
    }
    if (files.isEmpty()) menu.addAction("لا ملفات")->setEnabled(false);
}

}  // namespace

void addCaseMenus(MainWindow& window, CaseDocument& document)
{
    QMenuBar* bar = window.menuBar();
    QAction* first = bar->actions().isEmpty() ? nullptr : bar->actions().constFirst();

    auto* file = new QMenu("&ملف", bar);
    file->setObjectName(design::kFileMenu);
    file->menuAction()->setObjectName(design::kFileMenu);
    QObject::connect(addItem(*file, design::kNewCaseItem, "جديد", QKeySequence::New), &QAction::triggered, &window,
                     &MainWindow::newCase);
    QObject::connect(addItem(*file, design::kOpenCaseItem, "فتح…", QKeySequence::Open), &QAction::triggered, &document,
                     &CaseDocument::openWithDialog);
    QObject::connect(addItem(*file, design::kSaveCaseItem, "حفظ", QKeySequence::Save), &QAction::triggered, &document,
                     &CaseDocument::save);
    // Not QKeySequence::SaveAs, which some desktops leave without keys.
    QObject::connect(
        addItem(*file, design::kSaveCaseAsItem, "حفظ باسم…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        &QAction::triggered, &document, &CaseDocument::saveAs);
    file->addSeparator();
    // Any relative beyond the heir buttons, by his relation to the deceased.
    QAction* relative = addItem(*file, design::kAddRelativeItem, "&قريب آخر…", QKeySequence(Qt::CTRL | Qt::Key_R));
    relative->setStatusTip("أدخل قريباً ليس له زر: ابن ابن ابن، أم أبي الأب، ابن عم الأب، المعتق، ذوو الأرحام …");
    QObject::connect(relative, &QAction::triggered, &document, &CaseDocument::enterRelative);
    // Heirs whose state is not known yet, and those who died together: cases
    // divided by their own tables, in a window of their own.
    QAction* waiting =
        addItem(*file, design::kWaitingItem, "&حمل أو مفقود أو خنثى…", QKeySequence(Qt::CTRL | Qt::Key_U));
    waiting->setStatusTip("أدخل حملًا، أو وارثًا مفقودًا، أو خنثى مشكلًا بجانب الورثة");
    QObject::connect(waiting, &QAction::triggered, &document, &CaseDocument::markWaiting);
    QAction* together = addItem(*file, design::kTogetherItem, "من &ماتوا معًا…", QKeySequence(Qt::CTRL | Qt::Key_T));
    together->setStatusTip("الغرقى والهدمى: اثنان أو أكثر ماتوا في حادث واحد لا يُعلم أيهم مات أولًا");
    QObject::connect(together, &QAction::triggered, &document, &CaseDocument::enterTogether);
    file->addSeparator();
    QMenu* recent = file->addMenu("الملفات الأخيرة");
    recent->setObjectName(design::kRecentFilesMenu);
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, &document] { fillRecentFiles(*recent, document); });
    bar->insertMenu(first, file);

    auto* estate = new QAction("ال&تركة", bar);
    estate->setObjectName(design::kEstateMenu);
    QObject::connect(estate, &QAction::triggered, &document, &CaseDocument::editEstate);
    bar->insertAction(first, estate);
    addLaterDeathsMenu(window, document, first);
}

CaseDocument& attachCaseDocument(MainWindow& window, MessageBoxes& messages)
{
    CaseDocument& document = window.document();
    const auto pdfDialogs = std::make_shared<ModalPdfFallbackDialogs>();
    document.attach(std::make_unique<ModalCaseFileDialogs>(), userSettings(), estatePrintCommands(messages, pdfDialogs),
                    combinedPrintCommands(messages, pdfDialogs));
    addCaseMenus(window, document);
    return document;
}

}  // namespace qismaru::ui
