// Program resources looked up by type name and numeric id.
//
// The executable's embedded resources register themselves here; tests fill a
// table of their own. A table either owns a resource's bytes or refers to
// bytes that live as long as the program (the embedded data).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

class ResourceTable {
public:
    // Stores a copy of the bytes; replaces any resource with the same type and id.
    void add(std::string_view type, int id, Bytes bytes);
    // Refers to bytes that outlive the table (embedded program data).
    void addStatic(std::string_view type, int id, ByteView bytes);

    std::optional<ByteView> find(std::string_view type, int id) const;

private:
    struct Entry {
        Bytes owned;
        ByteView view;
    };
    std::map<std::pair<std::string, int>, Entry, std::less<>> entries_;
};

}  // namespace velmora
