#include "calc/plain_line.h"

#include "calc/plain_reader.h"

namespace qismaru::calc {

std::optional<KindCounts> readPlainLine(std::string_view line)
{
    PlainReader reader(line);
    std::optional<KindCounts> counts = readPlainCounts(reader);
    reader.skipBlanks();
    if (!counts || !reader.atEnd()) return std::nullopt;
    return counts;
}

std::optional<KindCounts> readPlainCounts(PlainReader& reader)
{
    if (!reader.take('{')) return std::nullopt;
    KindCounts counts;
    std::array<bool, kHeirKindCount> given{};
    do {
        const std::optional<HeirKind> kind = reader.code();
        if (!kind || given[indexOf(*kind)] || !reader.take(':')) return std::nullopt;
        given[indexOf(*kind)] = true;
        const std::optional<int> count = reader.count();
        if (!count || (infoOf(*kind).entry == EntryKind::Single && *count > 1)) return std::nullopt;
        counts.set(*kind, *count);
    } while (reader.take(','));
    if (!reader.take('}') || counts.empty()) return std::nullopt;
    return counts;
}

}  // namespace qismaru::calc
