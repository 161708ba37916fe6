#pragma once

#include <ostream>
#include <string>

#include "calc/json_writer.h"

namespace qismaru::calc {

// The calculator's results on their way to standard output: gathered and
// passed on in large pieces, and checked after each, so that a full disk, a
// closed output or a broken pipe is noticed at once instead of reported as
// success.
class ResultOutput {
public:
    explicit ResultOutput(std::ostream& out);

    // Where the next JSON result is written.
    JsonWriter& json() { return json_; }
    // Ends one result line; passes the gathered lines on once there are enough.
    void endLine();
    // Passes everything on and flushes the stream; false once writing failed.
    bool flush();

    // For text written straight to the stream.
    std::ostream& stream();

    bool failed() const { return failed_; }
    // Why writing failed, as the system put it ("No space left on device"), or empty.
    const std::string& failure() const { return failure_; }

private:
    void passOn();
    bool check();

    std::ostream& out_;
    JsonWriter json_;
    bool failed_ = false;
    std::string failure_;
};

}  // namespace qismaru::calc
