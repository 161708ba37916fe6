#pragma once

namespace qismaru::ui {

class CaseDocument;
class MainWindow;
class MessageBoxes;

// Puts the menu "ملف" (open, save, save as, recent files), the item
// "التركة" and the menu "المناسخات" at the head of the main window's menu
// bar, before its own items.
void addCaseMenus(MainWindow& window, CaseDocument& document);

// The program's case files and estate: modal dialogs, the user's settings
// for the recent files, the default printer; with their menus.
CaseDocument& attachCaseDocument(MainWindow& window, MessageBoxes& messages);

}  // namespace qismaru::ui
