#pragma once

#include <memory>

#include "ui/drawing_surface.h"

namespace qismaru::ui {

// The print layout `Form26`: a window whose client area is a drawing surface
// in twips, 7152 x 3888, holding nothing but the ruling of the result table.
// It lives for one print only, so every page starts from the bare ruling.
// The window has no owner: a disabled main window would otherwise disable it.
std::unique_ptr<DrawingSurface> createPrintLayout();

}  // namespace qismaru::ui
