#include "app/user_settings.h"

#include <QSettings>

#include "archive/archive_place.h"

namespace vindelkast {

namespace {

constexpr const char* kArchivePlaceKey = "Klubbarkiv/Plats";
constexpr const char* kArchiveOnSaveKey = "Klubbarkiv/VidVarjeSparning";
constexpr const char* kTextScaleKey = "Visa/Textstorlek";
constexpr const char* kTablesNetworkKey = "bord/natverk";

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vindelkast", "Vindelkast");
}

}  // namespace

std::string archivePlace() {
    // Bytes as typed: a file path on disk, or a URI libpq reads as UTF-8.
    const std::string place = userSettings().value(kArchivePlaceKey).toString().trimmed().toStdString();
    return place.empty() ? kDefaultArchivePlace : place;
}

void setArchivePlace(const std::string& place) {
    userSettings().setValue(kArchivePlaceKey, QString::fromStdString(place).trimmed());
}

bool keepInArchiveOnSave() { return userSettings().value(kArchiveOnSaveKey, true).toBool(); }

void setKeepInArchiveOnSave(bool on) { userSettings().setValue(kArchiveOnSaveKey, on); }

QString rememberedTextScale() { return userSettings().value(kTextScaleKey).toString(); }

void rememberTextScale(int percent) { userSettings().setValue(kTextScaleKey, percent); }

QString rememberedTablesNetwork() { return userSettings().value(kTablesNetworkKey).toString(); }

void rememberTablesNetwork(const QString& network) { userSettings().setValue(kTablesNetworkKey, network); }

}  // namespace vindelkast
