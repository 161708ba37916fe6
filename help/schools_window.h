#pragma once

#include <QDialog>

#include "model/positions.h"

class QTextBrowser;

namespace qismaru::help {

// The page "المذاهب الأربعة": for each question on which the schools
// differ, the case it is about and what each school holds, the chosen
// school marked. It stays open beside the main window, which stays usable.
class SchoolsWindow : public QDialog {
    Q_OBJECT

public:
    explicit SchoolsWindow(const Positions& chosen, QWidget* parent = nullptr);

    // Marks another school as the chosen one.
    void showChosen(const Positions& chosen);
    QTextBrowser* text() const { return text_; }

private:
    QTextBrowser* text_;
};

}  // namespace qismaru::help
