#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qismaru::calc {

// Writes compact JSON text straight into a string: the calculator's results
// are written this way, without building a document first, so that a batch
// of 100,000 cases takes well under a second. Every double is written in the
// shortest form that reads back to the same double (0.16666666666666674, 1.05, 3).
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(std::int64_t number);
    void value(int number) { value(std::int64_t{number}); }
    void value(bool flag);

    const std::string& text() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    void separate();
    void writeString(std::string_view text);

    std::string out_;
    bool needComma_ = false;
};

}  // namespace qismaru::calc
