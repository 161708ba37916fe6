#include "calc/result_output.h"

#include <cerrno>
#include <cstring>

namespace qismaru::calc {

namespace {

// Enough lines to make each write worth its call, few enough to stay small.
constexpr std::size_t kPassOnBytes = 64 * 1024;

}  // namespace

ResultOutput::ResultOutput(std::ostream& out) : out_(out) {}

std::ostream& ResultOutput::stream()
{
    errno = 0;
    return out_;
}

void ResultOutput::endLine()
{
    json_.endLine();
    if (json_.text().size() >= kPassOnBytes) passOn();
}

bool ResultOutput::flush()
{
    if (!json_.text().empty()) passOn();
    if (failed_) return false;
    errno = 0;
    out_.flush();
    return check();
}

void ResultOutput::passOn()
{
    if (!failed_) {
        // The reason of a failed write is the errno it leaves: start from none.
        errno = 0;
        out_.write(json_.text().data(), static_cast<std::streamsize>(json_.text().size()));
        check();
    }
    json_.clear();
}

bool ResultOutput::check()
{
    if (out_.good()) return true;
    if (!failed_) {
        failed_ = true;
        if (errno != 0) failure_ = std::strerror(errno);
    }
    return false;
}

}  // namespace qismaru::calc
