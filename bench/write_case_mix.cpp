// Writes the benchmark's case mix as JSON Lines, one case per line, for
// timing `qismaru-calc --batch`:  write_case_mix 100000 > cases.jsonl
//   write_case_mix N --later             N lines of two deaths each (bench/death_pairs.h)
//   write_case_mix N --later-as-singles  the same 2N cases, one line each

#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/death_pairs.h"

namespace {

std::string countsText(const qismaru::KindCounts& counts)
{
    std::string text = "{";
    for (const qismaru::HeirKindInfo& info : qismaru::heirKinds()) {
        if (!counts.has(info.kind)) continue;
        if (text.size() > 1) text += ',';
        text += '"';
        text += info.code;
        text += "\":" + std::to_string(counts.of(info.kind));
    }
    return text + "}";
}

}  // namespace

int main(int argc, char** argv)
{
    const int size = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string form = argc > 2 ? argv[2] : "";
    if (form.empty()) {
        for (const qismaru::KindCounts& counts : qismaru::bench::caseMix(size)) std::cout << countsText(counts) << '\n';
        return 0;
    }
    for (const qismaru::bench::DeathPair& pair : qismaru::bench::deathPairs(size)) {
        if (form == "--later-as-singles") {
            std::cout << countsText(pair.first) << '\n' << countsText(pair.later.counts) << '\n';
        } else {
            std::cout << "{\"counts\":" << countsText(pair.first) << ",\"later\":[{\"deceased\":\""
                      << qismaru::refText(pair.later.deceased) << "\",\"counts\":" << countsText(pair.later.counts)
                      << "}]}\n";
        }
    }
}
