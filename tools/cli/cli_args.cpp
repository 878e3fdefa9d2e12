#include "cli_args.h"

#include <algorithm>
#include <charconv>

namespace velmora::cli {

std::optional<std::string> Args::value(const std::string& option) const
{
    const auto found = options.find(option);
    return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
}

bool parseArgs(int argc, char** argv, int first, const std::vector<std::string>& flags,
               const std::vector<std::string>& valued, Args& args, std::string& error)
{
    for (int i = first; i < argc; ++i) {
        const std::string word = argv[i];
        if (!word.starts_with("--")) {
            args.positional.push_back(word);
            continue;
        }
        if (std::find(flags.begin(), flags.end(), word) != flags.end()) {
            args.options[word] = "";
        } else if (std::find(valued.begin(), valued.end(), word) != valued.end()) {
            if (i + 1 >= argc) {
                error = word + " needs a value";
                return false;
            }
            args.options[word] = argv[++i];
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    return true;
}

bool parseCount(const std::string& text, unsigned long& number)
{
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), number);
    return problem == std::errc() && end == text.data() + text.size() && !text.empty() && number <= 0xFFFFFFFFul;
}

}  // namespace velmora::cli
