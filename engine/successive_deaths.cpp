#include "engine/successive_deaths.h"

namespace qismaru {

namespace {

// More deaths than a batch line of a mebibyte could name.
constexpr std::size_t kMaxDeathDigits = 6;

}  // namespace

std::string refText(GroupRef ref) { return std::to_string(ref.death) + ":" + std::string(infoOf(ref.kind).code); }

std::optional<GroupRef> refFromText(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > kMaxDeathDigits || text[0] == '0') return std::nullopt;
    int death = 0;
    for (const char c : text.substr(0, colon)) {
        if (c < '0' || c > '9') return std::nullopt;
        death = death * 10 + (c - '0');
    }
    const std::optional<HeirKind> kind = kindFromCode(text.substr(colon + 1));
    if (!kind) return std::nullopt;
    return GroupRef{death, *kind};
}

}  // namespace qismaru
