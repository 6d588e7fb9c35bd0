#pragma once

#include <map>
#include <string>
#include <vector>

#include "files/text_encoding.h"
#include "model/utf8_text.h"

namespace vindelkast::cli {

// Command-line words: positional arguments in order and `--name value` options,
// which may stand before, between or after the positional ones. The words are UTF-8, as the
// system gives them; a word goes to the contest or into a message as Windows-1252 (text) and
// to the system as it was typed (file).
struct Args {
    std::string verb;  // the command these words were given to ("enter")
    std::vector<Utf8> positional;
    std::map<std::string, std::string> options;
    std::string error;  // Windows-1252; non-empty when the words could not be read

    std::size_t count() const { return positional.size(); }
    // The word as a file or folder name.
    const std::string& file(std::size_t i) const { return positional[i].bytes; }
    // The word as Windows-1252 text, "?" for a character it cannot hold.
    std::string text(std::size_t i) const;

    bool has(const std::string& name) const { return options.count(name) > 0; }
    // An option's value as typed (a file, an address, a number), and as Windows-1252 text.
    std::string option(const std::string& name, const std::string& fallback = "") const;
    std::string optionText(const std::string& name) const { return fromUtf8(Utf8{option(name)}); }
};

// `flags` are the options that take no value (such as "help").
Args parseArgs(const std::vector<std::string>& words, const std::vector<std::string>& flags);

}  // namespace vindelkast::cli
