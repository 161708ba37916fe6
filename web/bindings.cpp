// The C++ the web page calls, bound for JavaScript: the calculator's answer
// to a batch line, and the few functions that keep the page's entry rules,
// checks, texts and figures in the C++ the desktop program runs.

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
std::string answer(const std::string& line, const val& flags)
{
    std::vector<std::string> arguments;
    if (!flags.isUndefined() && !flags.isNull()) {
        if (!flags.isArray()) val::global("TypeError").new_(std::string("flags must be an array of strings")).throw_();
        arguments = emscripten::vecFromJSArray<std::string>(flags);
    }
    const qismaru::web::LineAnswer answered = qismaru::web::answerBatchLine(line, arguments);
    if (!answered.ok()) val::global("Error").new_(answered.error).throw_();
    return answered.output;
}

// A chosen file's bytes as they are (a Uint8Array), so that its reader sees
// what the desktop's sees, not a text the browser has decoded already.
std::string openFile(qismaru::web::PageCase& pageCase, const val& bytes, const std::string& positions)
{
    const std::vector<unsigned char> data = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return pageCase.openFile(std::string(data.begin(), data.end()), positions);
}

}  // namespace

EMSCRIPTEN_BINDINGS(qismaru)
{
    using namespace emscripten;
    using qismaru::web::PageCase;
    function("answer", &answer);
    function("catalogue", &qismaru::web::catalogue);
    function("helpTexts", &qismaru::web::helpTexts);
    function("positionsInfo", &qismaru::web::positionsInfo);
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
        .function("markComputed", &PageCase::markComputed)
        .function("reopen", &PageCase::reopen)
        .function("refusalUnder", &PageCase::refusalUnder)
        .function("batchLine", &PageCase::batchLine)
        .function("enterLink", &PageCase::enterLink)
        .function("openFile", &openFile)
        .function("fileText", &PageCase::fileText);
}
