#include "app/archive_settings.h"

#include <QSettings>

#include "archive/archive_place.h"

namespace vindelkast {

namespace {

constexpr const char* kPlaceKey = "Klubbarkiv/Plats";
constexpr const char* kOnSaveKey = "Klubbarkiv/VidVarjeSparning";

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vindelkast", "Vindelkast");
}

}  // namespace

std::string archivePlace() {
    // Bytes as typed: a file path on disk, or a URI libpq reads as UTF-8.
    const std::string place = userSettings().value(kPlaceKey).toString().trimmed().toStdString();
    return place.empty() ? kDefaultArchivePlace : place;
}

void setArchivePlace(const std::string& place) {
    userSettings().setValue(kPlaceKey, QString::fromStdString(place).trimmed());
}

bool keepInArchiveOnSave() { return userSettings().value(kOnSaveKey, true).toBool(); }

void setKeepInArchiveOnSave(bool on) { userSettings().setValue(kOnSaveKey, on); }

}  // namespace vindelkast
