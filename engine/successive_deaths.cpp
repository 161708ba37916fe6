#include "engine/successive_deaths.h"

namespace qismaru {

namespace {

// More deaths than a batch line of a mebibyte could name.
constexpr std::size_t kMaxDeathDigits = 6;

}  // namespace

GroupRef refOfEntry(int death, const RelativeEntry& entry)
{
    const std::optional<HeirKind> kind = entry.path.kind();
    if (kind && entry.label.empty()) return {death, *kind};
    return {death, HeirKind::Sons, entry.path, entry.label};
}

std::string groupText(const GroupRef& ref)
{
    if (!ref.byPath()) return std::string(infoOf(ref.kind).code);
    const std::string code(ref.path.code());
    return (code.empty() ? ref.path.text() : code) + (ref.label.empty() ? "" : "@" + ref.label);
}

std::string refText(const GroupRef& ref) { return std::to_string(ref.death) + ":" + groupText(ref); }

std::optional<GroupRef> groupFromText(int death, std::string_view written)
{
    if (const std::optional<HeirKind> kind = kindFromCode(written)) return GroupRef{death, *kind};
    const PathReading reading = readRelative(written);
    if (!reading.relative) return std::nullopt;
    return refOfEntry(death, relativeEntry(*reading.relative, 1));
}

std::optional<GroupRef> refFromText(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > kMaxDeathDigits || text[0] == '0') return std::nullopt;
    int death = 0;
    for (const char c : text.substr(0, colon)) {
        if (c < '0' || c > '9') return std::nullopt;
        death = death * 10 + (c - '0');
    }
    return groupFromText(death, text.substr(colon + 1));
}

SpouseSide sideOf(const GroupRef& ref)
{
    if (!ref.byPath()) return spouseSideOf(ref.kind);
    const Link last = ref.path.last();
    if (last == Link::Emancipator) return SpouseSide::Either;
    return isFemale(last) ? SpouseSide::Woman : SpouseSide::Man;
}

}  // namespace qismaru
