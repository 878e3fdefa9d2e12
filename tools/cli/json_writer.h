// A small JSON writer: objects, arrays, strings, numbers and booleans, written
// in order to a stream with the separators in the right places.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace velmora::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the current object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned long number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned long long number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(bool flag);

private:
    void separate();
    void writeString(std::string_view text);

    std::ostream& out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool afterKey_ = false;
};

}  // namespace velmora::cli
