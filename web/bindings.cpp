// The C++ the web page calls, bound for JavaScript: the calculator's answer
// to a batch line, and the case's session, which keeps the page's entry
// rules, checks, answers, texts and figures in the C++ the desktop program
// runs.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "web/calculator_line.h"
#include "web/page_case.h"
#include "web/page_catalogue.h"
#include "web/page_view.h"

namespace {

using emscripten::val;

// answer(line, flags): the line qismaru-calc --batch writes for `line`
// given `flags`; flags the calculator refuses throw its one-line reason.
// The texts come as the script holds them, UTF-16, so that a lone surrogate
// reaches the calculator as malformed UTF-8 (utf8FromScript).
std::string answer(const std::u16string& line, const val& flags)
{
    std::vector<std::string> arguments;
    if (!flags.isUndefined() && !flags.isNull()) {
        if (!flags.isArray()) val::global("TypeError").new_(std::string("flags must be an array of strings")).throw_();
        for (const std::u16string& flag : emscripten::vecFromJSArray<std::u16string>(flags)) {
            arguments.push_back(qismaru::web::utf8FromScript(flag));
        }
    }
    const qismaru::web::LineReply answered =
        qismaru::web::answerBatchLine(qismaru::web::utf8FromScript(line), arguments);
    if (!answered.ok()) val::global("Error").new_(answered.error).throw_();
    return answered.output;
}

// A chosen file's bytes as they are (a Uint8Array), so that its reader sees
// what the desktop's sees, not a text the browser has decoded already.
std::string openFile(qismaru::web::PageCase& pageCase, const val& bytes)
{
    const std::vector<unsigned char> data = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return pageCase.openFile(std::string(data.begin(), data.end()));
}

}  // namespace

EMSCRIPTEN_BINDINGS(qismaru)
{
    using namespace emscripten;
    using qismaru::web::PageCase;
    function("answer", &answer);
    function("catalogue", &qismaru::web::catalogue);
    function("helpTexts", &qismaru::web::helpTexts);
    function("readEstateForm", &qismaru::web::readEstateForm);
    function("viewOfLine", &qismaru::web::viewOfLine);
    class_<PageCase>("PageCase")
        .constructor<>()
        .function("press", &PageCase::press)
        .function("confirmCount", &PageCase::confirmCount)
        .function("cancelCount", &PageCase::cancelCount)
        .function("cancelLast", &PageCase::cancelLast)
        .function("newCase", &PageCase::newCase)
        .function("entries", &PageCase::entries)
        .function("canCalculate", &PageCase::canCalculate)
        .function("computed", &PageCase::computed)
        .function("calculate", &PageCase::calculate)
        .function("setPositions", &PageCase::setPositions)
        .function("positions", &PageCase::positions)
        .function("view", &PageCase::view)
        .function("setEstate", &PageCase::setEstate)
        .function("enterLink", &PageCase::enterLink)
        .function("openFile", &openFile)
        .function("fileText", &PageCase::fileText)
        .function("markSaved", &PageCase::markSaved)
        .function("hasUnsavedWork", &PageCase::hasUnsavedWork)
        .function("laterStart", &PageCase::laterStart)
        .function("laterForm", &PageCase::laterForm)
        .function("laterChoose", &PageCase::laterChoose)
        .function("laterPress", &PageCase::laterPress)
        .function("laterCount", &PageCase::laterCount)
        .function("laterCancelCount", &PageCase::laterCancelCount)
        .function("laterCancelLast", &PageCase::laterCancelLast)
        .function("laterLink", &PageCase::laterLink)
        .function("laterAdd", &PageCase::laterAdd)
        .function("removeLastLater", &PageCase::removeLastLater)
        .function("relativeForm", &PageCase::relativeForm)
        .function("relativeStep", &PageCase::relativeStep)
        .function("relativeBack", &PageCase::relativeBack)
        .function("relativeRestart", &PageCase::relativeRestart)
        .function("addRelative", &PageCase::addRelative)
        .function("removeLastRelative", &PageCase::removeLastRelative)
        .function("laterRelativeForm", &PageCase::laterRelativeForm)
        .function("laterAddRelative", &PageCase::laterAddRelative)
        .function("laterRemoveLastRelative", &PageCase::laterRemoveLastRelative)
        .function("setWaiting", &PageCase::setWaiting)
        .function("waiting", &PageCase::waiting)
        .function("recordOutcome", &PageCase::recordOutcome)
        .function("setTogether", &PageCase::setTogether);
}
