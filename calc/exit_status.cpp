#include "calc/exit_status.h"

#include <ostream>

#include "present/utf8_text.h"

namespace qismaru::calc {

namespace {

// A whole message fits a terminal line or two; an echoed argument is cut long before.
constexpr std::size_t kMaxErrorLineBytes = 400;

}  // namespace

void writeErrorLine(std::ostream& err, std::string_view why)
{
    err << "qismaru-calc: " << printableText(why, kMaxErrorLineBytes) << '\n' << std::flush;
}

}  // namespace qismaru::calc
