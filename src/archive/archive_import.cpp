#include "archive/archive_import.h"

#include <algorithm>
#include <filesystem>

#include "archive/evening_record.h"
#include "files/file_platform.h"
#include "files/safe_write.h"

namespace vindelkast {

namespace {

bool isContestFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".sco";
}

}  // namespace

std::string contestFilesBelow(const std::string& folder, std::vector<std::string>& files) {
    namespace fs = std::filesystem;
    files.clear();
    std::error_code error;
    if (!fs::is_directory(filePath(folder), error)) return "Mappen finns inte: " + pathText(folder);
    // Links to folders are not followed, so a link back up cannot make the walk endless.
    fs::recursive_directory_iterator walk(filePath(folder), fs::directory_options::skip_permission_denied,
                                          error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error))
        if (walk->is_regular_file(error) && isContestFile(walk->path()))
            files.push_back(utf8Path(walk->path()));
    if (error) return "Kan inte l\xe4sa mappen " + pathText(folder) + ": " + error.message();
    std::sort(files.begin(), files.end());
    return "";
}

ImportReport addEveningFiles(Archive& archive, const std::vector<std::string>& files, MemberRegister& reg,
                             const std::string& date, const ImportProgress& progress) {
    ImportReport report;
    const int count = static_cast<int>(files.size());
    for (int i = 0; i < count; ++i) {
        if (progress) progress(i + 1, count, files[i]);
        const EveningReading reading = readEveningFile(files[i], reg, date);
        std::string message = reading.message;
        if (message.empty()) {
            message = archive.add(reading.evening);
            if (!message.empty()) message = pathText(files[i]) + ": " + message;
        }
        if (message.empty()) {
            ++report.added;
        } else {
            report.problems.push_back(message);
        }
    }
    return report;
}

}  // namespace vindelkast
