#pragma once

#include <vector>

#include "present/result_table.h"
#include "ui/drawing_surface.h"

namespace qismaru::ui {

// The result picture box `pic1` of the main window, with the grid ruling of
// the table as line controls of its own.
DrawingSurface* createResultArea(QWidget* parent);

// Draws a table's placed texts, each as a yellow point at its anchor and
// then the text, onto whatever the surface already shows.
void drawPlacedTexts(DrawingSurface& surface, const std::vector<PlacedText>& items);

// The font of every drawn result text.
QFont resultFont();

}  // namespace qismaru::ui
