#pragma once

#include <QFont>
#include <QString>

namespace qismaru::ui {

// The windows name the fonts they were designed with on Windows. Each name is
// mapped once, at start-up, to an Arabic font that the set-up installs, so
// that every machine draws the same letters instead of whatever fallback
// fontconfig picks. Call right after the QApplication exists.
void installFontSubstitutions();

// The designed font names and the family each must resolve to.
struct FontMapping {
    const char* designName;
    const char* installedFamily;
};
const FontMapping* fontMappings(int* count);

// A font of the design: family by its design name, size in points, bold.
QFont designFont(const char* designName, double points, bool bold = true);

// No text of the program is drawn smaller: below it the hamzas and the dots
// of the Arabic letters merge or vanish on a screen.
inline constexpr double kSmallestReadablePoints = 9.0;

inline constexpr const char* kTraditionalArabic = "Traditional Arabic";
inline constexpr const char* kSimplifiedArabic = "Simplified Arabic";
inline constexpr const char* kMsSansSerif = "MS Sans Serif";
inline constexpr const char* kArabicTransparent = "Arabic Transparent";
inline constexpr const char* kAndalus = "Andalus";

}  // namespace qismaru::ui
