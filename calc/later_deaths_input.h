#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "engine/successive_deaths.h"

namespace qismaru::estate {
struct JsonDocument;
}

namespace qismaru::calc {

// The member "later" of a batch line: the heirs who died before the
// division, in order, each
//   {"deceased": "1:s", "counts": {"m": 1, "si": 1}, "same": {"m": "1:w", "si": "1:d"}}
// or by path: {"deceased": "1:s.s", "counts": {"m.m": 1, "b.s": 2}, "same": {"f.m": "1:m"}}
// ("same" may be left out). The other members of a later death's result
// are ignored, so that a result line reads back as its question; any other
// member is refused. Returns why the member is refused, naming the death
// ("death 2: ..."), or "" with `later` filled. Whether the references name
// groups that exist is the engine's to judge.
// Each death's "counts" are read by `readCounts`, the rules of a batch
// line's: "" or why they are refused.
using CountsReader = std::string (*)(const estate::JsonDocument& line, const nlohmann::json& counts, KindCounts& heirs);
// A later death's "counts" by heir codes, or by path ({"m.m": 1, "b.s": 2}):
// into the death's counts or its relatives.
using LaterHeirsReader = std::string (*)(const estate::JsonDocument& line, const nlohmann::json& counts,
                                         LaterDeath& later);
std::string readLaterDeaths(const estate::JsonDocument& line, const nlohmann::json& value,
                            std::vector<LaterDeath>& later, LaterHeirsReader readCounts);

}  // namespace qismaru::calc
