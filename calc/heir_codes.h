#pragma once

#include <string>

namespace qismaru::calc {

// "bm gm s ... h": the heir codes in kind order, for error messages and help.
std::string validCodes();

}  // namespace qismaru::calc
