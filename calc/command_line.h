#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace qismaru::calc {

// qismaru-calc run on its arguments (those after the program's name): the
// options read, checked and answered, its results written to `out`, why it
// refused on `err`; returns the exit status (calculator.h). The program,
// the web page and the tests all run the calculator through this one entry.
// `program` is the name its help's usage line shows: the program passes the
// one it was started by.
int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   const std::string& program = "qismaru-calc");

}  // namespace qismaru::calc
