// The club's archive: keeping the evening there (on command and at every save), where it is,
// the season ranking and a player's evenings.
#include <QAction>

#include "app/archive_desk.h"
#include "app/form1.h"
#include "app/menu_tree.h"
#include "app/user_settings.h"
#include "entry/name_panel.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

namespace vindelkast {

void TForm1::connectArchive() {
    QAction* onSave = m_menus->commands().keepOnSave;
    onSave->setChecked(keepInArchiveOnSave());
    connect(onSave, &QAction::toggled, this, &TForm1::keepOnSaveClick);
    connect(m_menus->commands().keepInArchive, &QAction::triggered, this, &TForm1::keepInArchiveClick);
    connect(m_menus->commands().archivePlace, &QAction::triggered, this, &TForm1::archivePlaceClick);
    connect(m_menus->commands().season, &QAction::triggered, this, &TForm1::seasonClick);
    connect(m_names, &NamePanel::playerHistoryAsked, m_archiveDesk, &ArchiveDesk::showPlayer);
}

void TForm1::keepInArchiveClick() {
    if (keepEveningInArchive(false)) m_dialogs.message("Kv\u00e4llen \u00e4r sparad i klubbarkivet.");
}

// Asks for the evening's date while the contest's own cannot be read. At a save, a contest
// without results is no fault (there is no evening yet) and a failure is told as the archive's
// alone: the contest file is saved.
bool TForm1::keepEveningInArchive(bool atSave) {
    const std::string place = archivePlace();
    ArchiveKeeping kept = m_session->keepInArchive(place);
    QString typed;
    while (kept.dateUnreadable) {
        const QString prompt =
            (typed.isEmpty() ? QString() : "\"" + typed + "\" \u00e4r inget datum. ") + toQt(kept.message);
        const auto answer = m_dialogs.inputQuery("Klubbarkivet", prompt, "");
        if (!answer) {
            m_dialogs.message("Kv\u00e4llen sparades inte i klubbarkivet: den beh\u00f6ver ett datum.");
            return false;
        }
        typed = answer->trimmed();
        if (!typed.isEmpty()) kept = m_session->keepInArchive(place, fromQtLossy(typed));
    }
    if (kept.message.empty()) return true;
    if (atSave && kept.nothingScored) return false;
    m_dialogs.message(toQt(kept.message) +
                      (atSave ? "\nT\u00e4vlingen \u00e4r sparad i sin fil men inte i klubbarkivet." : ""));
    return false;
}

void TForm1::keepOnSaveClick(bool on) { setKeepInArchiveOnSave(on); }

void TForm1::archivePlaceClick() {
    const auto answer = m_dialogs.inputQuery(
        "Klubbarkivets plats",
        "Klubbarkivet \u00e4r en fil (klubbarkiv.db i arbetsmappen om inget annat anges)\n"
        "eller en PostgreSQL-databas (postgresql://v\u00e4rd/databas):",
        QString::fromStdString(archivePlace()));
    if (!answer) return;
    setArchivePlace(answer->trimmed().toStdString());
}

void TForm1::seasonClick() { m_archiveDesk->openSeason(); }

}  // namespace vindelkast
