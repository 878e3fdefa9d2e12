// The command line of velmora-cli: positional arguments and options.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--play" -> its value; "--json" -> ""

    bool has(const std::string& option) const { return options.count(option) != 0; }
    std::optional<std::string> value(const std::string& option) const;
};

// Options that take a value; every other "--x" is a flag.
// False, with a message, on an unknown option or a missing value.
bool parseArgs(int argc, char** argv, int first, const std::vector<std::string>& flags,
               const std::vector<std::string>& valued, Args& args, std::string& error);

// A non-negative decimal number that fits 32 bits.
bool parseCount(const std::string& text, unsigned long& number);

}  // namespace velmora::cli
