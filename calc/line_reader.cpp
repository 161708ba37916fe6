#include "calc/line_reader.h"

#include <cstring>

namespace qismaru::calc {

namespace {

constexpr std::size_t kPieceBytes = 64 * 1024;

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes, std::function<void()> beforeWaiting)
    : in_(in), maxLineBytes_(maxLineBytes), beforeWaiting_(std::move(beforeWaiting)), piece_(kPieceBytes)
{
}

bool LineReader::refill()
{
    begin_ = 0;
    end_ = 0;
    // readsome takes only what has arrived, so it never waits; peek waits for
    // more, or for the end.
    std::streamsize got = in_.readsome(piece_.data(), static_cast<std::streamsize>(piece_.size()));
    if (got <= 0) {
        if (beforeWaiting_) beforeWaiting_();
        if (in_.peek() == std::istream::traits_type::eof()) {
            failed_ = in_.bad();
            return false;
        }
        got = in_.readsome(piece_.data(), static_cast<std::streamsize>(piece_.size()));
        // A stream without a buffer of its own shows nothing in advance: take one byte.
        if (got <= 0) got = in_.read(piece_.data(), 1).gcount();
        if (got <= 0) {
            failed_ = in_.bad();
            return false;
        }
    }
    end_ = static_cast<std::size_t>(got);
    return true;
}

bool LineReader::next(InputLine& line)
{
    longLine_.clear();
    line = InputLine{};
    bool started = false;  // whether any byte of this line, or its newline, was read
    for (;;) {
        if (begin_ == end_ && !refill()) {
            if (!started) return false;
            break;
        }
        const char* const start = piece_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const void* const newline = std::memchr(start, '\n', available);
        const std::size_t taken =
            newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : available;
        started = true;
        begin_ += taken + (newline != nullptr ? 1 : 0);
        // Most lines lie within one piece and are used where they lie.
        if (newline != nullptr && line.length == 0 && taken <= maxLineBytes_) {
            line.text = std::string_view(start, taken);
            line.length = taken;
            return true;
        }
        line.length += taken;
        if (line.length > maxLineBytes_) {
            line.tooLong = true;
            longLine_.clear();
            longLine_.shrink_to_fit();
        } else {
            longLine_.append(start, taken);
        }
        if (newline != nullptr) break;
    }
    if (!line.tooLong) line.text = longLine_;
    return true;
}

}  // namespace qismaru::calc
