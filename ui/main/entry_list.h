#pragma once

#include <QObject>
#include <optional>

#include "model/heir_kind.h"
#include "ui/kit/drawing_surface.h"

namespace qismaru::ui {

// The entry list `pic` of the main window: one row per entered kind, in
// character cells, the count on the left and the display name ending at the
// right, the names of all rows aligned.
class EntryList : public DrawingSurface {
    Q_OBJECT

public:
    explicit EntryList(QWidget* parent);

    // A single kind shows its name only; a counted kind its count as well.
    void drawEntry(int row, HeirKind kind, int count);
    // A relative by path, by his name as the table gives it; the count
    // unless he is one person. A name longer than the list is cut short.
    void drawRelative(int row, const QString& name, std::optional<int> count);
    // Blanks the whole band of a row, wider than the list itself.
    void eraseRow(int row);

    static QColor listGrey() { return QColor(192, 192, 192); }
};

}  // namespace qismaru::ui
