#pragma once

#include <memory>

#include "answer/waiting_table.h"

class QTextDocument;

namespace qismaru::ui {

// The title of the window and of its printed page.
inline constexpr const char* kWaitingTitle = "قسمة الموقوف";
inline constexpr const char* kTogetherTitle = "من ماتوا معًا";

// The waiting window's tables as one printed page (and PDF file), as the
// window shows them: the estate's claims, the division with what is given
// now and held back, the provision, the outcome once recorded; or the
// estates of those who died together.
std::unique_ptr<QTextDocument> waitingDocument(const WaitingTables& tables);

}  // namespace qismaru::ui
