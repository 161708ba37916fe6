#include "ui/main/later_deaths_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "present/deaths_refusal_text.h"
#include "present/refusal_texts.h"
#include "ui/document/case_document.h"
#include "ui/kit/design_names.h"
#include "ui/kit/status_hints.h"
#include "ui/main/main_window.h"

namespace qismaru::ui {

namespace {

QAction* addItem(QMenu& menu, const char* name, const QString& caption)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    return action;
}

// An item offered or not, with what it does or why it waits.
void offer(QAction& item, bool offered, const QString& does, const QString& waitsFor)
{
    item.setEnabled(offered);
    item.setStatusTip(offered ? does : waitsFor);
}

void showState(QAction& add, QAction& combined, QAction& remove, const CaseAnswer& answer)
{
    const bool refused = answer.successive && !answer.joined();
    const bool full = answer.question.later.size() >= kMaxLaterDeaths;
    const QString why = refused ? QString::fromStdString(answer.successive->refusalText()) : QString();
    offer(add, answer.divided() && !refused && !full, "أدخل وارثاً مات قبل القسمة، وورثته",
          refused ? why
          : full  ? QString::fromStdString(estate::arabicTooManyDeathsText())
                  : "تُدخل وفاة وارث بعد «الحساب» لمسألة قُسمت");
    offer(combined, answer.joined(), "جدول الجامعة: مسائل الأموات كلها في جدول واحد",
          refused ? why : "تُعرض الجامعة بعد «الحساب» لمسألة فيها وفاة وارث قبل القسمة");
    offer(remove, !answer.question.later.empty(), "احذف آخر وفاة أُدخلت، وورثته", "لا وفاة وارث في هذه المسألة");
}

}  // namespace

void addLaterDeathsMenu(MainWindow& window, CaseDocument& document, QAction* before)
{
    QMenuBar* bar = window.menuBar();
    auto* menu = new QMenu("المنا&سخات", bar);
    menu->setObjectName(design::kLaterDeathsMenu);
    menu->menuAction()->setObjectName(design::kLaterDeathsMenu);
    hintDisabledItems(*menu, *window.statusBar());
    QAction* add = addItem(*menu, design::kAddLaterDeathItem, "&وفاة وارث قبل القسمة…");
    QAction* combined = addItem(*menu, design::kShowCombinedItem, "ال&جامعة");
    menu->addSeparator();
    QAction* remove = addItem(*menu, design::kRemoveLaterDeathItem, "&حذف آخر وفاة");
    QObject::connect(add, &QAction::triggered, &document, &CaseDocument::enterLaterDeath);
    QObject::connect(combined, &QAction::triggered, &document, &CaseDocument::showCombined);
    QObject::connect(remove, &QAction::triggered, &document, &CaseDocument::removeLastLaterDeath);
    QObject::connect(&document, &CaseDocument::answerChanged, menu,
                     [add, combined, remove, &document] { showState(*add, *combined, *remove, document.answer()); });
    showState(*add, *combined, *remove, document.answer());
    bar->insertMenu(before, menu);
}

}  // namespace qismaru::ui
