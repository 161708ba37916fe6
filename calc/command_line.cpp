// qismaru-calc's command line: its options, their help and checks, and the
// run they ask for.
//
//   qismaru-calc h=1 m=1 f=1                  the result table
//   qismaru-calc --json w=3 d=2 m=1           the same as one JSON object
//   qismaru-calc --batch < cases.jsonl        one JSON result per input line
//   qismaru-calc --batch --fields shares,case only the numbers, for speed
//   qismaru-calc --explain h=1 m=1 f=1        the step-by-step solution; with --json
//                                             or --batch, under "steps" in each result
//   qismaru-calc --estate 120000 h=1 d=3      the estate settled in money as well
//   qismaru-calc --case-file case.qismaru     a case (and its estate) kept by the window
//   qismaru-calc --school shafii gf=1 si=1 bf=1
//                                             the case as the Shafi'i school answers it
//   qismaru-calc --unborn s w=1 f=1          the case of an unborn child: given now, held back,
//                                             and each outcome
//   qismaru-calc --version                    the version

#include "calc/command_line.h"

#include <CLI/CLI.hpp>

#include "calc/calculator.h"
#include "calc/case_input.h"
#include "calc/case_json.h"
#include "calc/case_positions.h"
#include "packaging/version.h"
#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

std::string footer()
{
    return "Heir codes: " + validCodes() + "\nSchools: " + schoolKeys() + "\nFields: " + ResultFields::names() +
           "\nExit status: 0 computed, 2 bad input, 3 beyond exact computation, 4 reading or writing failed,"
           "\n5 a batch in which some lines were answered with an error.";
}

// Help and version go to standard output like results, and fail like them.
int exitAfterOutput(const CLI::App& app, const CLI::Error& e, std::ostream& out, std::ostream& err)
{
    const int status = app.exit(e, out, err);
    if (out.flush()) return status;
    writeErrorLine(err, "cannot write to standard output");
    return kExitInputOutputFailed;
}

// The options of the command line, each bound to its place in `options`,
// in the order the help lists them.
void addCaseOptions(CLI::App& app, CalcOptions& options, bool& json, bool& batch)
{
    app.add_flag("--json", json, "Write the result as one JSON object");
    app.add_flag("--batch", batch, "Read one JSON case per line from standard input, write one JSON result per line");
    app.add_option("--fields", options.fields,
                   "Write only these members of a JSON result, for example shares,case (see Fields below)");
    app.add_flag("--explain", options.explain,
                 "Write the step-by-step solution in Arabic; with --json or --batch, add it under \"steps\"");
    app.add_option("CODE=N", options.caseArguments, "Number of heirs of each kind, for example h=1 m=1 f=1");
    app.add_option("--case-file", options.caseFile,
                   "Read the case, its estate and its school, from a .qismaru file; --estate and --school take "
                   "the place of the file's own, and --spouse-return and --no-return are added to its positions");
}

void addPositionOptions(CLI::App& app, CalcOptions& options)
{
    app.add_option("--school", options.school,
                   "Answer by this school: " + schoolKeys() +
                       " (default hanafi); in --batch, a line's \"school\" "
                       "takes its place; with --case-file, it takes the place of the file's school and positions")
        ->type_name("SCHOOL");
    app.add_flag("--spouse-return", options.spouseReturn,
                 "A spouse who is the only heir takes the whole (a line's \"spouseReturn\" takes its place)");
    app.add_flag("--no-return", options.noReturn,
                 "No return: what the shares leave goes to the public treasury; maliki and shafii only (a line's "
                 "\"noReturn\" takes its place)");
    app.add_option("--kindred-method", options.kindredMethod,
                   "Among distant kindred under the hanafi school: muhammad (the default) or abu-yusuf (a line's "
                   "\"kindredMethod\" takes its place)")
        ->type_name("METHOD");
}

void addWaitingOptions(CLI::App& app, WaitingOptions& waiting)
{
    app.add_option("--unborn", waiting.unborn,
                   "A child not yet born, by its relation in the male form: s, s.s, b, bf, bm, b.s, bf.s, f.b, f.bf, "
                   "f.b.s or f.bf.s (a batch line's \"unborn\")")
        ->type_name("PATH");
    app.add_option("--unborn-most", waiting.unbornMost,
                   "How many children the division provides for (default: the school's number)")
        ->type_name("N");
    app.add_flag("--unborn-certain", waiting.unbornCertain,
                 "Under the Maliki school, which waits for the birth: what is certain asked for meanwhile");
    app.add_option("--missing", waiting.missing, "N heirs of relation PATH whose life is unknown (default 1)")
        ->type_name("PATH[=N]");
    app.add_option("--khuntha", waiting.khuntha,
                   "N heirs of relation PATH, in the male form, whose sex is not clear (default 1)")
        ->type_name("PATH[=N]");
    app.add_flag("--khuntha-hopeless", waiting.khunthaHopeless,
                 "The khuntha's sex is not hoped to become clear (the Hanbali half of the two estimates)");
    app.add_option("--outcome", waiting.outcome,
                   "Once known, the outcome of what waits: none, 1m, 1f, 1m+1f, ...; alive, dead; male, female "
                   "(several joined by +): the final division and what the reserve pays to whom")
        ->type_name("NAME");
}

void addEstateOptions(CLI::App& app, EstateOptions& estate)
{
    app.add_option("--estate", estate.gross, "Settle an estate of AMOUNT in money (for example 120000.50)")
        ->type_name("AMOUNT");
    app.add_option("--funeral", estate.funeral, "Funeral and burial costs, paid first")->type_name("AMOUNT");
    app.add_option("--debts", estate.debts, "Debts, paid next")->type_name("AMOUNT");
    app.add_option("--bequest", estate.bequest, "Bequest, at most one third of what the debts leave")
        ->type_name("AMOUNT");
    app.add_flag("--heirs-consent", estate.heirsConsent, "The heirs allow the bequest beyond one third");
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   const std::string& program)
{
    CLI::App app{"Divides an estate among heirs under the Islamic law of inheritance (قسمارو)."};
    app.footer(footer());
    app.set_version_flag("--version", "qismaru-calc " + std::string(kVersion));
    CalcOptions options;
    bool json = false;
    bool batch = false;
    addCaseOptions(app, options, json, batch);
    addEstateOptions(app, options.estate);
    addPositionOptions(app, options);
    addWaitingOptions(app, options.waiting);
    app.add_option("--decimals", options.estate.decimals, "Decimals of the currency, 0 to 3 (default 2)")
        ->type_name("N");

    std::vector<const char*> argv{program.c_str()};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp& e) {
        return exitAfterOutput(app, e, out, err);
    } catch (const CLI::CallForVersion& e) {
        return exitAfterOutput(app, e, out, err);
    } catch (const CLI::ParseError& e) {
        // The message may quote a whole argument: keep the hint after it in sight.
        std::string why = e.what();
        if (why.size() > kEchoedBytes * 3) why = std::string(cutAtCharacter(why, kEchoedBytes * 3)) + "…";
        writeErrorLine(err, why + " (see --help)");
        return kExitBadInput;
    }
    options.form = batch ? OutputForm::Batch : json ? OutputForm::Json : OutputForm::Text;
    return runCalculator(options, in, out, err);
}

}  // namespace qismaru::calc
