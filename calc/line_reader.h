#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace qismaru::calc {

// The longest batch line read as a case; the rest of a longer line is
// skipped unread, so that one line never costs more memory than this.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

// One line of input without its newline.
struct InputLine {
    std::string_view text;   // the line, or nothing when it is too long
    std::size_t length = 0;  // its length in bytes, also when too long
    bool tooLong = false;
};

// Reads standard input line by line, in large pieces, holding at most one
// line of at most `maxLineBytes`.
class LineReader {
public:
    // `beforeWaiting` runs whenever the next read may have to wait for the
    // writer of the input: a program that sends one case and waits for its
    // answer must have it by then.
    LineReader(std::istream& in, std::size_t maxLineBytes, std::function<void()> beforeWaiting);

    // The next line, valid until the following call; false at the end of the
    // input or when reading failed.
    bool next(InputLine& line);
    // Whether the input ended on a read error rather than at its end.
    bool failed() const { return failed_; }

private:
    bool refill();

    std::istream& in_;
    const std::size_t maxLineBytes_;
    std::function<void()> beforeWaiting_;
    std::vector<char> piece_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string longLine_;  // a line that spans two pieces
    bool failed_ = false;
};

}  // namespace qismaru::calc
