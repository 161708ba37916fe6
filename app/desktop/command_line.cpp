#include "app/desktop/command_line.h"

#include <QCommandLineParser>

#include "app/desktop/pictured_windows.h"
#include "packaging/version.h"
#include "ui/kit/qt_text.h"

namespace qismaru::app {

namespace {

const QString kProgram = QStringLiteral("qismaru");

QString versionText() { return kProgram + ' ' + ui::fromView(kVersion) + '\n'; }

QString windowNames()
{
    QStringList names;
    for (const PicturedWindow& window : picturedWindows()) names << QString::fromUtf8(window.name);
    return names.join(", ");
}

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Divides an estate among heirs under the Islamic law of inheritance (قسمارو).\n"
        "Without options it opens the main window; qismaru-calc computes cases in a terminal.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{"h", "help"}, "Show this help and quit."});
    parser.addOption({{"v", "version"}, "Show the version and quit."});
    parser.addOption(
        {"case", "The case to enter and compute first, as qismaru-calc takes it: \"h=1 m=1 f=1\".", "counts"});
    parser.addOption(
        {"screenshot", "Picture a window offscreen into <file> (PNG) and quit; no display is needed.", "file"});
    parser.addOption({"window", "The window --screenshot pictures: " + windowNames() + " (default main).", "name"});
    parser.addOption(
        {"pdf", "Write the printed page of the --case into <file> (PDF) and quit; no window is shown.", "file"});
    parser.addOption(
        {"school", "The school the --case is answered by: hanafi (default), maliki, shafii, hanbali.", "key"});
    parser.addOption({"spouse-return", "With --case: a spouse who is the only heir takes the whole."});
    parser.addOption({"no-return", "With --case, under maliki or shafii: no return; the surplus stays undistributed."});
    parser.addOption({"quit-after-first-paint", "Start as usual, print the time of the first paint and quit."});
    parser.addPositionalArgument("file", "A case file (.qismaru) to open; with --screenshot, it is computed too.",
                                 "[file]");
}

QString helpText(const QCommandLineParser& parser)
{
    // Qt names the program only once an application object exists; the
    // help needs none.
    const QString text = parser.helpText();
    return "Usage: " + kProgram + " [options] [file]" + text.mid(text.indexOf('\n')) +
           "\nExit status: 0 done, 1 no display or a file not written, 2 bad command line or case, "
           "3 beyond exact computation.\n";
}

CommandLine refuse(const QString& why) { return {std::nullopt, why + " (see --help)", kExitBadInput}; }

// The first option among `names` that was given more than once.
std::optional<QString> repeatedOption(const QCommandLineParser& parser, const QStringList& names)
{
    for (const QString& name : names) {
        if (parser.values(name).size() > 1) return name;
    }
    return std::nullopt;
}

// The school and positions of the --case, or why they are refused. A case
// file keeps its own, and the window its menu's.
QString readPositions(const QCommandLineParser& parser, DesktopRequest& request)
{
    const bool given = parser.isSet("school") || parser.isSet("spouse-return") || parser.isSet("no-return");
    if (!given) return {};
    if (!request.caseText) return "--school, --spouse-return and --no-return go with --case; a case file keeps its own";
    if (parser.isSet("school")) {
        const QByteArray key = parser.value("school").toUtf8();
        const std::optional<School> school =
            schoolFromKey(std::string_view(key.constData(), static_cast<std::size_t>(key.size())));
        if (!school) return "unknown school '" + parser.value("school") + "' (hanafi, maliki, shafii, hanbali)";
        request.positions.school = *school;
    }
    request.positions.spouseReturn = parser.isSet("spouse-return");
    request.positions.noReturn = parser.isSet("no-return");
    return QString::fromStdString(positionsProblemText(request.positions));
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList{kProgram} + arguments)) {
        QString why = parser.errorText();
        if (why.endsWith('.')) why.chop(1);
        return refuse(why);
    }
    if (parser.isSet("help")) return {std::nullopt, helpText(parser), kExitOk};
    if (parser.isSet("version")) return {std::nullopt, versionText(), kExitOk};
    if (parser.positionalArguments().size() > 1) {
        return refuse("unexpected argument '" + parser.positionalArguments().at(1) + "': one case file at most");
    }
    if (const auto name = repeatedOption(parser, {"case", "screenshot", "window", "pdf", "school"})) {
        return refuse("--" + *name + " is given twice");
    }

    DesktopRequest request;
    request.screenshotFile = parser.value("screenshot");
    request.pdfFile = parser.value("pdf");
    if (parser.isSet("case")) request.caseText = parser.value("case");
    request.windowName = parser.isSet("window") ? parser.value("window") : QStringLiteral("main");
    request.quitAfterFirstPaint = parser.isSet("quit-after-first-paint");
    request.caseFile = parser.positionalArguments().value(0);

    if ((parser.isSet("screenshot") && request.screenshotFile.isEmpty()) ||
        (parser.isSet("pdf") && request.pdfFile.isEmpty())) {
        return refuse("an empty file name");
    }
    if (parser.isSet("pdf") && !request.caseText) return refuse("--pdf needs the --case to print");
    if (request.caseText && !request.caseFile.isEmpty()) return refuse("give the --case or a case file, not both");
    if (parser.isSet("window") && !parser.isSet("screenshot"))
        return refuse("--window names what --screenshot pictures");
    if (!findPicturedWindow(request.windowName)) {
        return refuse("no window '" + request.windowName + "' to picture (windows: " + windowNames() + ")");
    }
    if (request.caseText && !request.scripted()) {
        return refuse("--case goes with --screenshot or --pdf; the window takes its case from its buttons");
    }
    if (const QString why = readPositions(parser, request); !why.isEmpty()) return refuse(why);
    if (request.quitAfterFirstPaint && request.scripted()) {
        return refuse("--quit-after-first-paint starts the window; --screenshot and --pdf draw offscreen");
    }
    return {request, {}, kExitOk};
}

}  // namespace qismaru::app
