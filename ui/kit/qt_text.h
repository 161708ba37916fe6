#pragma once

#include <QString>
#include <string_view>

namespace qismaru::ui {

// The layers below Qt hold their texts as UTF-8 views (the heir names, the
// messages, the schools); a window shows them as QStrings.
inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qismaru::ui
