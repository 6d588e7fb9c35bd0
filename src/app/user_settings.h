#pragma once

#include <string>

#include <QString>

namespace vindelkast {

// What the window remembers between runs for its user, each setting by name; their keys and
// the store (the system's own: the registry on Windows, a file under ~/.config on Linux) are
// kept in one place.

// Where the club's archive is and whether every save keeps the evening there. The place is
// "klubbarkiv.db" in the working folder until another is chosen.
std::string archivePlace();
void setArchivePlace(const std::string& place);
bool keepInArchiveOnSave();
void setKeepInArchiveOnSave(bool on);

// The text size of the views as last chosen ("" before any was).
QString rememberedTextScale();
void rememberTextScale(int percent);

// The network address the tables' server was last told to listen on ("" for the default).
QString rememberedTablesNetwork();
void rememberTablesNetwork(const QString& network);

}  // namespace vindelkast
