#include "app/desktop/display_check.h"

#include <QByteArrayList>
#include <vector>

namespace qismaru::app {

namespace {

const QByteArray kLastResort = "offscreen";

// The platforms Qt would try for a window, from the same environment Qt
// reads: the user's own choice, or Wayland and X11 where they are set up.
QByteArrayList windowPlatforms()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty()) return chosen.split(';');
    QByteArrayList platforms;
    if (!qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("XDG_SESSION_TYPE") == "wayland") platforms << "wayland";
    if (!qgetenv("DISPLAY").isEmpty()) platforms << "xcb";
    return platforms;
}

// Qt's messages while it looks for a platform: kept back, and passed on only
// when a display was found, so that a missing display gives one line.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

void passOnHeldMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    }
    heldMessages.clear();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Not even the last resort could start: Qt ends the program as it would have.
    if (type == QtFatalMsg) {
        passOnHeldMessages();
        qt_message_output(type, context, text);
        return;
    }
    heldMessages.push_back({type, context.category, text});
}

// Sets QT_QPA_PLATFORM for the time Qt starts, and puts it back afterwards,
// so that programs started from here see the user's own setting.
class PlatformChoice {
public:
    explicit PlatformChoice(const QByteArray& platforms)
        : wasSet_(qEnvironmentVariableIsSet("QT_QPA_PLATFORM")), saved_(qgetenv("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", platforms);
    }
    ~PlatformChoice()
    {
        if (wasSet_)
            qputenv("QT_QPA_PLATFORM", saved_);
        else
            qunsetenv("QT_QPA_PLATFORM");
    }
    PlatformChoice(const PlatformChoice&) = delete;
    PlatformChoice& operator=(const PlatformChoice&) = delete;

private:
    bool wasSet_;
    QByteArray saved_;
};

}  // namespace

std::unique_ptr<QApplication> openOnDisplay(int& argc, char** argv)
{
    const QByteArrayList wanted = windowPlatforms();
    if (wanted.isEmpty()) return nullptr;

    std::unique_ptr<QApplication> app;
    {
        const PlatformChoice choice((wanted + QByteArrayList{kLastResort}).join(';'));
        previousHandler = qInstallMessageHandler(holdMessage);
        app = std::make_unique<QApplication>(argc, argv);
    }
    const bool noDisplay = QGuiApplication::platformName() == kLastResort && !wanted.contains(kLastResort);
    if (noDisplay) {
        qInstallMessageHandler(previousHandler);
        heldMessages.clear();
        return nullptr;
    }
    passOnHeldMessages();
    return app;
}

}  // namespace qismaru::app
