#pragma once

#include <map>
#include <string>
#include <vector>

namespace vindelkast::cli {

// Command-line words: positional arguments in order and `--name value` options,
// which may stand before, between or after the positional ones.
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::string error;  // non-empty when the words could not be read

    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string option(const std::string& name, const std::string& fallback = "") const;
};

// `flags` are the options that take no value (such as "help").
Args parseArgs(const std::vector<std::string>& words, const std::vector<std::string>& flags);

}  // namespace vindelkast::cli
