// qismaru-calc: the share computation from a terminal.
//
//   qismaru-calc h=1 m=1 f=1            the result table
//   qismaru-calc --json w=3 d=2 m=1     the same as one JSON object
//   qismaru-calc --batch < cases.jsonl  one JSON result per input line
//   qismaru-calc --version              the version

#include <iostream>

#include <CLI/CLI.hpp>

#include "app/calc/calculator.h"
#include "app/calc/case_input.h"
#include "app/version/version.h"

int main(int argc, char** argv)
{
    using namespace qismaru::calc;

    CLI::App app{"Divides an estate among heirs under the Islamic law of inheritance (قسمارو)."};
    app.footer("Heir codes: " + validCodes() +
               "\nExit status: 0 computed, 2 bad input, 3 beyond exact computation.");
    app.set_version_flag("--version", "qismaru-calc " + std::string(qismaru::kVersion));
    bool json = false;
    bool batch = false;
    std::vector<std::string> cases;
    app.add_flag("--json", json, "Write the result as one JSON object");
    app.add_flag("--batch", batch, "Read one JSON case per line from standard input, write one JSON result per line");
    app.add_option("CODE=N", cases, "Number of heirs of each kind, for example h=1 m=1 f=1");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "qismaru-calc: " << e.what() << " (see --help)\n";
        return kExitBadInput;
    }

    const OutputForm form = batch ? OutputForm::Batch : json ? OutputForm::Json : OutputForm::Text;
    std::ios::sync_with_stdio(false);
    return runCalculator(form, cases, std::cin, std::cout, std::cerr);
}
