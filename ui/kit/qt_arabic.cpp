#include "ui/kit/qt_arabic.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/kit/right_to_left_style.h"

namespace qismaru::ui {

bool speakArabic()
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setStyle(new RightToLeftStyle);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Arabic), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

}  // namespace qismaru::ui
