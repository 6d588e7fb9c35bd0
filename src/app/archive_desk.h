#pragma once

#include <vector>

#include <QDialog>

#include "archive/season_ranking.h"
#include "archive/season_text.h"
#include "archive/team_series.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vindelkast {

class Dialogs;
class TextPane;

// The club's archive on the screen: the season ranking over a range of dates ("Visa →
// Säsongsställning…", saved as a web page or for a spreadsheet) and a player's evenings
// (from the name panel). A window of its own beside the main window, never modal; every
// figure comes from the archive's core, this only shows its lines.
class ArchiveDesk : public QDialog {
    Q_OBJECT
public:
    ArchiveDesk(QWidget* window, Dialogs& dialogs);

    QWidget* seasonChoices = nullptr;
    QLineEdit* seasonFromEdit = nullptr;
    QLineEdit* seasonToEdit = nullptr;
    QLineEdit* seasonBestEdit = nullptr;
    QLineEdit* seasonMinimumEdit = nullptr;
    QPushButton* showSeasonButton = nullptr;
    QLabel* archivePlaceLabel = nullptr;
    TextPane* archivePane = nullptr;
    QPushButton* saveSeasonPageButton = nullptr;
    QPushButton* saveSeasonCsvButton = nullptr;

    // Shows the desk with the season's choices, the first field ready for typing.
    void openSeason();
    // Shows the evenings of a member of the register.
    void showPlayer(int memberId);

    void showSeasonClick();
    void saveSeasonPageClick();
    void saveSeasonCsvClick();

private:
    void showInFront(const QString& title, bool season);
    void showText(const std::vector<std::string>& lines);
    void saveSeason(const QString& filter, const QString& extension, const std::string& text);

    Dialogs& m_dialogs;
    SeasonRange m_shownRange;
    std::vector<SeasonPlace> m_shownPlaces;
    std::vector<EveningKey> m_shownEvenings;  // the evenings the ranking counts, listed on its page
    std::vector<TeamSeries> m_shownSeries;    // each team series of the range, ranked by VP
};

}  // namespace vindelkast
