#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace qismaru {

// What Calculate announces after the table: the two validation rules, then
// the classical named cases.
enum class CaseMessage : std::uint8_t {
    BothSpouses,
    TooManyWives,
    Umariyyatan,
    Mubahala,
    Mulzima,
    Marwaniyya,
    Shurayhiyya,
    UmmAlAramil,
    Mushtaraka,
    Akdariyya,  // only where the grandfather shares with the sisters
};

std::string_view messageText(CaseMessage message);

// How many kinds of message there are: the last enumerator above, plus one.
inline constexpr int kCaseMessageKinds = static_cast<int>(CaseMessage::Akdariyya) + 1;

// The messages of one case, in the order they are shown. Each message is
// shown at most once (the two 'Umariyyatan forms never meet), so one slot per
// kind of message is enough and computing a case never allocates.
class MessageList {
public:
    static constexpr int kCapacity = kCaseMessageKinds;

    void add(CaseMessage message)
    {
        assert(size_ < kCapacity);
        if (size_ < kCapacity) items_[size_++] = message;
    }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    CaseMessage operator[](int i) const { return items_[i]; }
    const CaseMessage* begin() const { return items_.data(); }
    const CaseMessage* end() const { return items_.data() + size_; }

private:
    std::array<CaseMessage, kCapacity> items_{};
    int size_ = 0;
};

}  // namespace qismaru
