#include "json_writer.h"

#include <cstdio>

namespace velmora::cli {

void JsonWriter::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            out_ << ',';
        first_.back() = false;
    }
}

void JsonWriter::writeString(std::string_view text)
{
    out_ << '"';
    for (char c : text) {
        switch (c) {
        case '"': out_ << "\\\""; break;
        case '\\': out_ << "\\\\"; break;
        case '\n': out_ << "\\n"; break;
        case '\t': out_ << "\\t"; break;
        case '\r': out_ << "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out_ << escaped;
            } else {
                out_ << c;
            }
        }
    }
    out_ << '"';
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    out_ << '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    first_.pop_back();
    out_ << '}';
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    out_ << '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    first_.pop_back();
    out_ << ']';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    separate();
    writeString(name);
    out_ << ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    writeString(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number)
{
    separate();
    out_ << number;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    out_ << (flag ? "true" : "false");
    return *this;
}

}  // namespace velmora::cli
