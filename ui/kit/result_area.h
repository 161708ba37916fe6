#pragma once

#include <vector>

#include "present/result_table.h"
#include "ui/kit/drawing_surface.h"

namespace qismaru::ui {

// The result picture box `pic1` of the main window, with the grid ruling of
// the table as line controls of its own.
DrawingSurface* createResultArea(QWidget* parent);

// Draws the screen's table onto whatever the result box already shows: each
// placed text as a yellow point at its anchor and then the text, fitted into
// the room its column leaves.
void drawPlacedTexts(DrawingSurface& surface, const std::vector<PlacedText>& items);

// The font of every drawn result text.
QFont resultFont();

}  // namespace qismaru::ui
