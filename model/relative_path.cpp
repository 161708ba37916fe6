#include "model/relative_path.h"

#include <algorithm>

namespace qismaru {

namespace {

using enum Link;

struct Letter {
    std::string_view text;
    Link link;
};

constexpr Letter kLetters[] = {
    {"s", Son},
    {"d", Daughter},
    {"f", Father},
    {"m", Mother},
    {"b", FullBrother},
    {"bf", ConsanguineBrother},
    {"bm", UterineBrother},
    {"si", FullSister},
    {"sif", ConsanguineSister},
    {"sim", UterineSister},
    {"mut", Emancipator},
    {"h", Husband},
    {"w", Wife},
    {"gm", Grandmother},
};

// The heir codes that name a chain of more than one link.
struct CodePath {
    HeirKind kind;
    std::string_view code;
    std::initializer_list<Link> links;
};

const CodePath kCodePaths[] = {
    {HeirKind::SonsSons, "gs", {Son, Son}},
    {HeirKind::SonsDaughters, "gd", {Son, Daughter}},
    {HeirKind::Grandfather, "gf", {Father, Father}},
    {HeirKind::FullBrothersSons, "sb", {FullBrother, Son}},
    {HeirKind::ConsanguineBrothersSons, "sbf", {ConsanguineBrother, Son}},
    {HeirKind::FullUncles, "u", {Father, FullBrother}},
    {HeirKind::ConsanguineUncles, "uf", {Father, ConsanguineBrother}},
    {HeirKind::FullUnclesSons, "su", {Father, FullBrother, Son}},
    {HeirKind::ConsanguineUnclesSons, "suf", {Father, ConsanguineBrother, Son}},
};

// The heir kinds named by a single letter.
struct LetterKind {
    HeirKind kind;
    Link link;
};

constexpr LetterKind kLetterKinds[] = {
    {HeirKind::Sons, Son},
    {HeirKind::Daughters, Daughter},
    {HeirKind::Father, Father},
    {HeirKind::Mother, Mother},
    {HeirKind::FullBrothers, FullBrother},
    {HeirKind::ConsanguineBrothers, ConsanguineBrother},
    {HeirKind::UterineSiblings, UterineBrother},
    {HeirKind::FullSisters, FullSister},
    {HeirKind::ConsanguineSisters, ConsanguineSister},
    {HeirKind::Husband, Husband},
    {HeirKind::Wives, Wife},
    {HeirKind::Grandmothers, Grandmother},
};

constexpr std::size_t kMaxLabel = 16;

// Adds the links a letter or an heir code stands for; false for neither.
bool addToken(std::string_view token, RelativePath& path, bool& tooLong)
{
    for (const Letter& letter : kLetters) {
        if (letter.text == token) return tooLong = !path.add(letter.link), true;
    }
    for (const CodePath& code : kCodePaths) {
        if (code.code != token) continue;
        for (const Link link : code.links) tooLong = tooLong || !path.add(link);
        return true;
    }
    return false;
}

// The order a chain must follow: up through parents, across to one brother or
// sister, down through children. A link that turns back ("f.s" is a brother or
// the deceased himself, "s.m" the deceased or a spouse) names no one surely.
std::string orderProblem(const RelativePath& path, std::string_view written)
{
    int at = 0;
    if (std::any_of(path.links().begin(), path.links().end(), [](Link l) { return l == Husband || l == Wife; })) {
        return "";  // a spouse's relative or a relative's spouse: not a relative, said by the classification
    }
    while (at < path.size() && path[at] == Emancipator) ++at;
    const int afterEmancipators = at;
    for (int i = at; i < path.size(); ++i) {
        if (path[i] == Emancipator) {
            return quotedPath(written) +
                   ": 'mut' (the emancipator) begins a path: mut, mut.s, mut.mut (his emancipator)";
        }
        if (path[i] == Grandmother && path.size() > 1) {
            return quotedPath(written) +
                   ": 'gm' (a grandmother whose side is not given) stands alone; write a grandmother by her "
                   "side: m.m, f.m, f.f.m, ...";
        }
    }
    enum { Up, Across, Down } phase = Up;
    for (int i = afterEmancipators; i < path.size(); ++i) {
        const Link link = path[i];
        const bool turnsBack = (isParent(link) && phase != Up) || (isSibling(link) && phase != Up) ||
                               (isChild(link) && phase == Up && i > afterEmancipators);
        if (turnsBack) {
            return quotedPath(written) + ": '" + std::string(letterOf(link)) + "' after '" +
                   std::string(letterOf(path[i - 1])) +
                   "' turns back to a nearer relative or the deceased; write the relative by the shortest path "
                   "(b for a full brother, f.b for a full uncle, ...)";
        }
        if (isSibling(link)) phase = Across;
        if (isChild(link)) phase = Down;
    }
    return "";
}

}  // namespace

bool labelIsClean(std::string_view label)
{
    return !label.empty() && label.size() <= kMaxLabel && std::all_of(label.begin(), label.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

std::string quotedPath(std::string_view written)
{
    constexpr std::size_t kShownBytes = 64;
    std::string_view shown = written.substr(0, kShownBytes);
    // A UTF-8 character cut at its end is dropped whole.
    if (shown.size() < written.size()) {
        while (!shown.empty() && (static_cast<unsigned char>(written[shown.size()]) & 0xC0) == 0x80) {
            shown.remove_suffix(1);
        }
    }
    std::string text;
    text.reserve(shown.size() + 2);
    text += '\'';
    text += shown;
    text += '\'';
    return text;
}

RelativePath::RelativePath(std::initializer_list<Link> links)
{
    for (const Link link : links) add(link);
}

bool RelativePath::add(Link link)
{
    if (size_ == kMaxLinks) return false;
    links_[size_++] = link;
    return true;
}

std::string RelativePath::text() const
{
    std::string text;
    for (int i = 0; i < size(); ++i) {
        if (i > 0) text += '.';
        text += letterOf((*this)[i]);
    }
    return text;
}

std::optional<HeirKind> RelativePath::kind() const
{
    if (size_ == 1) {
        for (const LetterKind& k : kLetterKinds) {
            if (k.link == links_[0]) return k.kind;
        }
        return std::nullopt;
    }
    for (const CodePath& code : kCodePaths) {
        if (std::equal(links().begin(), links().end(), code.links.begin(), code.links.end())) return code.kind;
    }
    return std::nullopt;
}

std::string_view RelativePath::code() const
{
    const std::optional<HeirKind> named = kind();
    if (!named) return "";
    for (const CodePath& code : kCodePaths) {
        if (code.kind == *named) return code.code;
    }
    return letterOf(links_[0]);
}

RelativePath RelativePath::ofKind(HeirKind kind)
{
    for (const LetterKind& k : kLetterKinds) {
        if (k.kind == kind) return RelativePath{k.link};
    }
    RelativePath path;
    for (const CodePath& code : kCodePaths) {
        if (code.kind == kind) {
            for (const Link link : code.links) path.add(link);
        }
    }
    return path;
}

std::string_view letterOf(Link link)
{
    for (const Letter& letter : kLetters) {
        if (letter.link == link) return letter.text;
    }
    return "?";
}

PathReading readRelative(std::string_view written)
{
    const std::size_t at = written.find('@');
    const std::string_view letters = written.substr(0, at);
    WrittenRelative relative;
    if (at != std::string_view::npos) {
        relative.label = std::string(written.substr(at + 1));
        if (!labelIsClean(relative.label)) {
            return {std::nullopt,
                    quotedPath(written) + ": the label after '@' is one to sixteen Latin letters, digits, '-' or '_'"};
        }
    }
    bool tooLong = false;
    for (std::size_t from = 0;;) {
        const std::size_t dot = letters.find('.', from);
        const std::string_view token = letters.substr(from, dot == std::string_view::npos ? dot : dot - from);
        if (token.empty()) return {std::nullopt, quotedPath(written) + ": a letter is missing before or after a '.'"};
        if (!addToken(token, relative.path, tooLong)) {
            return {std::nullopt, quotedPath(written) + ": unknown letter " + quotedPath(token) +
                                      " (letters: s d f m b bf bm si sif sim mut, and the heir codes)"};
        }
        if (tooLong) {
            return {std::nullopt,
                    quotedPath(written) + ": longer than " + std::to_string(RelativePath::kMaxLinks) + " links"};
        }
        if (dot == std::string_view::npos) break;
        from = dot + 1;
    }
    if (std::string why = orderProblem(relative.path, written); !why.empty()) return {std::nullopt, std::move(why)};
    relative.asCode = !relative.path.code().empty() && relative.path.code() == letters;
    return {std::move(relative), ""};
}

}  // namespace qismaru
