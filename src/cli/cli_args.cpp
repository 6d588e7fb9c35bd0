#include "cli/cli_args.h"

#include <algorithm>

#include "files/text_encoding.h"

namespace vindelkast::cli {

std::string Args::text(std::size_t i) const { return fromUtf8(positional[i]); }

std::string Args::option(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

Args parseArgs(const std::vector<std::string>& words, const std::vector<std::string>& flags) {
    Args args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            std::string name = word.substr(2);
            const auto eq = name.find('=');
            if (eq != std::string::npos) {
                args.options[name.substr(0, eq)] = name.substr(eq + 1);
            } else if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
                args.options[name] = "";
            } else if (i + 1 < words.size()) {
                args.options[name] = words[++i];
            } else {
                args.error = "V\xe4rde saknas efter --" + name;
            }
        } else {
            args.positional.push_back(Utf8{word});
        }
    }
    return args;
}

}  // namespace vindelkast::cli
