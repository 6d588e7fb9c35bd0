#pragma once

#include <string>

namespace vindelkast {

// Where the club's archive is and whether every save keeps the evening there, remembered
// between runs. The place is "klubbarkiv.db" in the working folder until another is chosen.
std::string archivePlace();
void setArchivePlace(const std::string& place);
bool keepInArchiveOnSave();
void setKeepInArchiveOnSave(bool on);

}  // namespace vindelkast
