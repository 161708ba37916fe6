#pragma once

class QAction;

namespace qismaru::ui {

class CaseDocument;
class MainWindow;

// The menu "المناسخات": "وفاة وارث قبل القسمة…" for a divided case, "الجامعة"
// once later deaths have joined it, and the withdrawal of the last later
// death. Each item says in the status bar why it cannot be chosen now.
// Put at the head of the menu bar, before `before` (none: at its end).
void addLaterDeathsMenu(MainWindow& window, CaseDocument& document, QAction* before);

}  // namespace qismaru::ui
