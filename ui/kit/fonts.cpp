#include "ui/kit/fonts.h"

#include <QStringList>
#include <iterator>

namespace qismaru::ui {

namespace {

constexpr FontMapping kMappings[] = {
    {kTraditionalArabic, "Amiri"},
    {kAndalus, "Amiri"},
    // Only the uterine siblings' button names it, at a small size: the naskh
    // UI face has no bold and its hamzas merge into the alef there.
    {kSimplifiedArabic, "Noto Sans Arabic UI"},
    {kMsSansSerif, "Noto Sans Arabic UI"},
    {kArabicTransparent, "Noto Sans Arabic UI"},
};

}  // namespace

const FontMapping* fontMappings(int* count)
{
    *count = static_cast<int>(std::size(kMappings));
    return kMappings;
}

void installFontSubstitutions()
{
    for (const FontMapping& mapping : kMappings) {
        // The UI faces have line heights that fit the fixed-size buttons;
        // DejaVu Sans still has Arabic letters if the others are missing.
        QStringList families;
        families << mapping.installedFamily << "Noto Naskh Arabic UI"
                 << "Noto Sans Arabic UI"
                 << "DejaVu Sans";
        QFont::insertSubstitutions(mapping.designName, families);
    }
}

QFont designFont(const char* designName, double points, bool bold)
{
    QFont font(designName);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace qismaru::ui
