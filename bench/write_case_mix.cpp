// Writes the benchmark's case mix as JSON Lines, one case per line, for
// timing `qismaru-calc --batch`:  write_case_mix 100000 > cases.jsonl

#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/case_mix.h"

int main(int argc, char** argv)
{
    const int size = argc > 1 ? std::atoi(argv[1]) : 100000;
    for (const qismaru::KindCounts& counts : qismaru::bench::caseMix(size)) {
        std::string line = "{";
        for (const qismaru::HeirKindInfo& info : qismaru::heirKinds()) {
            if (!counts.has(info.kind)) continue;
            if (line.size() > 1) line += ',';
            line += '"';
            line += info.code;
            line += "\":" + std::to_string(counts.of(info.kind));
        }
        std::cout << line << "}\n";
    }
}
