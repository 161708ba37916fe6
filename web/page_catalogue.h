#pragma once

#include <string>

namespace qismaru::web {

// What the page builds itself from, once: the 21 heir kinds with their
// captions and names, the schools, the estate form's words and limits, the
// largest count, the case file's limits and the relations a case that waits
// names. JSON.
std::string catalogue();

// The help that matters on the web, from the same texts as the desktop's
// help windows: what each heir kind inherits, and where the schools differ.
// {"kinds": [{"code", "name", "statements": [...]}], "schools": [...],
//  "questions": [{"heading", "when", "holdings": [...], "note"}]}.
std::string helpTexts(const std::string& positions);

// OK of the estate form: {"ok": true, "estate": {...}, "form": {...}} with
// the estate as a batch line carries it and the form as it shows it again,
// or {"ok": false, "field": 0..3, "message": "..."}.
std::string readEstateForm(const std::string& form);

}  // namespace qismaru::web
