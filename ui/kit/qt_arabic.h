#pragma once

namespace qismaru::ui {

// Makes Qt's own texts Arabic and the whole application right to left: the
// standard buttons of message boxes ("موافق" instead of "OK"), the file
// dialog that saves a PDF, and the context menus of text fields; and their
// buttons with icons laid out right to left. The
// translations come from Qt's Arabic catalogue (Debian qt6-translations-l10n).
// False when that catalogue is missing; the program then still works, with
// Qt's English texts. Call once the application object exists.
bool speakArabic();

}  // namespace qismaru::ui
