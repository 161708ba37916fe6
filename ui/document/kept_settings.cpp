#include "ui/document/kept_settings.h"

#include <QDir>
#include <QSettings>

#include "ui/kit/qt_text.h"

namespace qismaru::ui {

namespace {

const char* const kSchoolKey = "positions/school";
const char* const kSpouseReturnKey = "positions/spouseReturn";
const char* const kNoReturnKey = "positions/noReturn";
const char* const kRecentFilesKey = "recentFiles";

// The longest path the system opens; anything longer is not one of ours.
constexpr int kMaxPathLength = 4096;

// QVariant takes any text but "", "0" and "false" as true; only what
// setValue(bool) writes is read here.
bool keptSwitch(const QSettings& settings, const char* key)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    return value.typeId() == QMetaType::QString && value.toString() == QLatin1String("true");
}

}  // namespace

std::unique_ptr<QSettings> userSettings() { return std::make_unique<QSettings>("qismaru", "qismaru"); }

Positions keptPositions(const QSettings& settings)
{
    Positions kept;
    const QVariant school = settings.value(kSchoolKey);
    if (school.typeId() == QMetaType::QString) {
        const QByteArray key = school.toString().toUtf8();
        kept.school = schoolFromKey(std::string_view(key.constData(), static_cast<std::size_t>(key.size())))
                          .value_or(School::Hanafi);
    }
    kept.spouseReturn = keptSwitch(settings, kSpouseReturnKey);
    kept.noReturn = keptSwitch(settings, kNoReturnKey);
    // Positions that do not go together were not written by the menu: the
    // school stays, the positions fall back to none.
    if (problemOf(kept) != PositionsProblem::None) kept.spouseReturn = kept.noReturn = false;
    return kept;
}

void keepPositions(QSettings& settings, const Positions& positions)
{
    settings.setValue(kSchoolKey, fromView(schoolInfo(positions.school).key));
    settings.setValue(kSpouseReturnKey, positions.spouseReturn);
    settings.setValue(kNoReturnKey, positions.noReturn);
    settings.sync();
}

QStringList keptRecentFiles(const QSettings& settings, int kept)
{
    QStringList files;
    for (const QString& file : settings.value(kRecentFilesKey).toStringList()) {
        if (files.size() == kept) break;
        const bool usable = QDir::isAbsolutePath(file) && file.size() <= kMaxPathLength && !files.contains(file);
        if (usable) files << file;
    }
    return files;
}

void keepRecentFiles(QSettings& settings, const QStringList& files) { settings.setValue(kRecentFilesKey, files); }

}  // namespace qismaru::ui
