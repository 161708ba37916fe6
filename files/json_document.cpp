#include "files/json_document.h"

#include <algorithm>
#include <cctype>

#include "present/utf8_text.h"

namespace qismaru::estate {

namespace {

using nlohmann::json;

// Builds the document from the JSON reader's events, as nlohmann's own DOM
// builder does, with the refusals added: any event handler that returns false
// stops the reading at once.
class BoundedDocumentBuilder {
public:
    BoundedDocumentBuilder(JsonDocument& document, int maxNesting) : document_(document), maxNesting_(maxNesting) {}

    bool null() { return put(json(nullptr)); }
    bool boolean(bool value) { return put(json(value)); }
    bool number_integer(json::number_integer_t value) { return put(json(value)); }
    bool number_unsigned(json::number_unsigned_t value) { return put(json(value)); }
    bool number_float(json::number_float_t value, const std::string& text)
    {
        const bool member = inObject();
        const json* placed = place(json(value));
        if (member) document_.numberTexts.emplace_back(placed, text);
        return true;
    }
    bool string(std::string& value) { return put(json(std::move(value))); }
    bool binary(json::binary_t& value) { return put(json::binary(std::move(value))); }

    bool start_object(std::size_t) { return open(json::object()); }
    bool start_array(std::size_t) { return open(json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(std::string& name)
    {
        auto& members = open_.back()->get_ref<json::object_t&>();
        const auto [member, added] = members.try_emplace(name);
        if (!added) {
            document_.repeatedMember = name;
            return refuse(JsonProblem::RepeatedMember,
                          "the member '" + std::string(cutAtCharacter(name, kEchoedBytes)) + "' is given twice");
        }
        member_ = &member->second;
        document_.memberOrder.emplace_back(&members, &member->first);
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&)
    {
        return refuse(JsonProblem::NotJson, "");  // each reader words it
    }

private:
    bool inObject() const { return !open_.empty() && open_.back()->is_object(); }

    // Puts a value where the reader stands: the whole document, the next
    // element of an array, or the member whose key was just read.
    json* place(json value)
    {
        if (open_.empty()) {
            document_.root = std::move(value);
            return &document_.root;
        }
        if (open_.back()->is_array()) {
            open_.back()->push_back(std::move(value));
            return &open_.back()->back();
        }
        *member_ = std::move(value);
        return member_;
    }

    bool put(json value)
    {
        place(std::move(value));
        return true;
    }

    bool open(json container)
    {
        if (static_cast<int>(open_.size()) >= maxNesting_) {
            return refuse(JsonProblem::TooDeep, "nested more than " + std::to_string(maxNesting_) + " levels deep");
        }
        open_.push_back(place(std::move(container)));
        return true;
    }

    bool close()
    {
        open_.pop_back();
        return true;
    }

    bool refuse(JsonProblem problem, std::string why)
    {
        document_.problem = problem;
        document_.error = std::move(why);
        return false;
    }

    JsonDocument& document_;
    const int maxNesting_;
    // The arrays and objects being filled, innermost last. A child is only
    // ever added to the innermost one, so these stay valid while it is open.
    std::vector<json*> open_;
    json* member_ = nullptr;
};

}  // namespace

std::string_view JsonDocument::numberText(const nlohmann::json& value) const
{
    for (const auto& [number, text] : numberTexts) {
        if (number == &value) return text;
    }
    return {};
}

std::vector<std::pair<std::string_view, const json*>> JsonDocument::membersInOrder(const json& object) const
{
    const json::object_t& members = object.get_ref<const json::object_t&>();
    std::vector<std::pair<std::string_view, const json*>> inOrder;
    inOrder.reserve(members.size());
    for (const auto& [of, name] : memberOrder) {
        if (of == &members) inOrder.emplace_back(*name, &members.at(*name));
    }
    // An object built otherwise than by reading (or a copy) has no record.
    if (inOrder.size() != members.size()) {
        inOrder.clear();
        for (const auto& [name, value] : members) inOrder.emplace_back(name, &value);
    }
    return inOrder;
}

bool isWholeNumberText(std::string_view text)
{
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

JsonDocument readJsonDocument(std::string_view text, int maxNesting)
{
    JsonDocument document;
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        document.problem = JsonProblem::NulByte;
        document.error = "a NUL byte at byte " + std::to_string(nul + 1) + ": a case is text";
        return document;
    }
    BoundedDocumentBuilder builder(document, maxNesting);
    const bool read = json::sax_parse(text.begin(), text.end(), &builder);
    if (!read) {
        // The reader may stop without a word of its own (at the end of a cut text).
        if (document.problem == JsonProblem::None) document.problem = JsonProblem::NotJson;
        document.root = nullptr;
    }
    return document;
}

}  // namespace qismaru::estate
