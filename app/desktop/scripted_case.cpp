#include "app/desktop/scripted_case.h"

#include <QStringList>

#include "model/heir_kind.h"
#include "ui/count_dialog.h"
#include "ui/main_window.h"

namespace qismaru::app {

bool enterAndCalculate(ui::MainWindow& window, const QString& counts)
{
    for (const QString& item : counts.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split('=');
        bool isNumber = false;
        const int count = parts.size() == 2 ? parts[1].toInt(&isNumber) : 0;
        const auto kind = kindFromCode(parts[0].toStdString());
        if (!kind || !isNumber || count < 1) return false;
        window.pressHeirButton(*kind);
        if (ui::CountDialog* dialog = window.countDialog()) {
            dialog->showCount(count);
            dialog->confirm();
        }
    }
    window.calculate();
    return true;
}

}  // namespace qismaru::app
