#pragma once

#include <functional>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "model/member_register.h"

namespace vindelkast {

// The contest files (".sco", any case) below a folder and its subfolders, in path order.
// Returns "" or the message why the folder could not be read through.
std::string contestFilesBelow(const std::string& folder, std::vector<std::string>& files);

struct ImportReport {
    int added = 0;
    std::vector<std::string> problems;  // one message per file left out, saying why
};

// Tells which file (1-based, of how many) is about to be read.
using ImportProgress = std::function<void(int index, int count, const std::string& path)>;

// Keeps the evening of each contest file, each in its own transaction: a file that cannot be
// read, or whose evening cannot be kept, is reported and left out, and the rest are kept.
// `date` is the date for a file whose own date cannot be read ("": none).
ImportReport addEveningFiles(Archive& archive, const std::vector<std::string>& files, MemberRegister& reg,
                             const std::string& date = "", const ImportProgress& progress = {});

}  // namespace vindelkast
