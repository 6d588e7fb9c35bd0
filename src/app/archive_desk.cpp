#include "app/archive_desk.h"

#include <QBoxLayout>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/text_pane.h"
#include "app/user_settings.h"
#include "archive/archive_place.h"
#include "archive/archive_reports.h"
#include "archive/season_page.h"
#include "archive/season_request.h"
#include "files/safe_write.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"

namespace vindelkast {

namespace {

QLineEdit* addField(QHBoxLayout* row, const QString& label, const char* name, const QString& text,
                    int width) {
    row->addWidget(new QLabel(label));
    auto* field = new QLineEdit(text);
    field->setObjectName(name);
    field->setMaximumWidth(width);
    row->addWidget(field);
    return field;
}

QPushButton* addButton(QLayout* layout, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    layout->addWidget(button);
    return button;
}

// A PostgreSQL URI may carry a password: the desk names only the kind of place.
QString placeText(const std::string& place) {
    return isPostgresPlace(place) ? QString("Klubbarkivet: PostgreSQL-databasen")
                                  : "Klubbarkivet: " + pathToQt(place);
}

}  // namespace

ArchiveDesk::ArchiveDesk(QWidget* window, Dialogs& dialogs) : QDialog(window), m_dialogs(dialogs) {
    setObjectName("archiveDesk");
    setModal(false);
    // Wide enough for a history line (date, contest, partner, percent, place) without scrolling.
    resize(900, 560);
    auto* column = new QVBoxLayout(this);

    seasonChoices = new QWidget;
    seasonChoices->setObjectName("seasonChoices");
    auto* choices = new QHBoxLayout(seasonChoices);
    choices->setContentsMargins(0, 0, 0, 0);
    const QDate today = QDate::currentDate();
    seasonFromEdit = addField(choices, "Fr\u00e5n", "seasonFromEdit",
                              QDate(today.year(), 1, 1).toString("yyyy-MM-dd"), 110);
    seasonToEdit = addField(choices, "till", "seasonToEdit", today.toString("yyyy-MM-dd"), 110);
    seasonBestEdit = addField(choices, "B\u00e4sta", "seasonBestEdit", "", 50);
    seasonBestEdit->setToolTip(
        "S\u00e5 m\u00e5nga av spelarens b\u00e4sta kv\u00e4llar r\u00e4knas; tomt: alla");
    seasonMinimumEdit = addField(choices, "kv\u00e4llar, minst", "seasonMinimumEdit", "1", 50);
    choices->addWidget(new QLabel("kv\u00e4llar"));
    showSeasonButton = addButton(choices, "Visa", "showSeasonButton");
    choices->addStretch();
    column->addWidget(seasonChoices);

    archivePlaceLabel = new QLabel;
    archivePlaceLabel->setObjectName("archivePlaceLabel");
    column->addWidget(archivePlaceLabel);
    archivePane = new TextPane(this, "archivePane");
    archivePane->setFont(paneFont(14, false));
    archivePane->show();
    column->addWidget(archivePane, 1);

    auto* buttons = new QHBoxLayout;
    saveSeasonPageButton = addButton(buttons, "Spara som webbsida\u2026", "saveSeasonPageButton");
    saveSeasonCsvButton = addButton(buttons, "Spara f\u00f6r kalkylblad\u2026", "saveSeasonCsvButton");
    buttons->addStretch();
    addButton(buttons, "St\u00e4ng", "closeArchiveButton")->setAutoDefault(false);
    column->addLayout(buttons);

    // Enter in any of the fields shows the ranking.
    showSeasonButton->setDefault(true);
    connect(showSeasonButton, &QPushButton::clicked, this, &ArchiveDesk::showSeasonClick);
    connect(saveSeasonPageButton, &QPushButton::clicked, this, &ArchiveDesk::saveSeasonPageClick);
    connect(saveSeasonCsvButton, &QPushButton::clicked, this, &ArchiveDesk::saveSeasonCsvClick);
    connect(findChild<QPushButton*>("closeArchiveButton"), &QPushButton::clicked, this, &QDialog::hide);
}

void ArchiveDesk::showInFront(const QString& title, bool season) {
    setWindowTitle(title);
    seasonChoices->setVisible(season);
    saveSeasonPageButton->setVisible(season);
    saveSeasonCsvButton->setVisible(season);
    archivePlaceLabel->setText(placeText(archivePlace()));
    show();
    raise();
    activateWindow();
}

void ArchiveDesk::showText(const std::vector<std::string>& lines) {
    std::vector<ViewLine> view;
    for (const std::string& line : lines) view.push_back({line, view.empty() ? Colour::Blue : Colour::Black});
    archivePane->showLines(view);
}

void ArchiveDesk::openSeason() {
    m_shownPlaces.clear();
    m_shownSeries.clear();
    archivePane->clearLines();
    saveSeasonPageButton->setEnabled(false);
    saveSeasonCsvButton->setEnabled(false);
    showInFront("S\u00e4songsst\u00e4llning", true);
    seasonFromEdit->setFocus(Qt::OtherFocusReason);
    seasonFromEdit->selectAll();
}

void ArchiveDesk::showSeasonClick() {
    SeasonRange range;
    std::string problem =
        readSeasonRequest(fromQtLossy(seasonFromEdit->text()), fromQtLossy(seasonToEdit->text()),
                          fromQtLossy(seasonBestEdit->text()), fromQtLossy(seasonMinimumEdit->text()), range);
    std::vector<SeasonPlace> places;
    std::vector<EveningKey> evenings;
    std::vector<TeamSeries> series;
    if (problem.empty()) problem = seasonRankingAt(archivePlace(), range, places, &evenings, &series);
    if (!problem.empty()) {
        m_dialogs.message(toQt(problem));
        return;
    }
    m_shownRange = range;
    m_shownPlaces = std::move(places);
    m_shownEvenings = std::move(evenings);
    m_shownSeries = std::move(series);
    std::vector<std::string> lines = seasonLines(m_shownRange, m_shownPlaces);
    for (std::string& line : teamSeriesLines(m_shownSeries)) lines.push_back(std::move(line));
    showText(lines);
    saveSeasonPageButton->setEnabled(true);
    saveSeasonCsvButton->setEnabled(!m_shownPlaces.empty());
}

void ArchiveDesk::showPlayer(int memberId) {
    std::vector<PlayerEvening> evenings;
    const std::string problem = playerEveningsAt(archivePlace(), memberId, evenings);
    if (!problem.empty()) {
        m_dialogs.message(toQt(problem));
        return;
    }
    showInFront("Spelarens kv\u00e4llar", false);
    showText(playerHistoryLines(memberId, evenings));
}

void ArchiveDesk::saveSeason(const QString& filter, const QString& extension, const std::string& text) {
    QString chosen = m_dialogs.saveFileName(filter, true);
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += extension;
    const std::string problem = writeTextSafely(pathFromQt(chosen), text);
    if (!problem.empty()) m_dialogs.message(toQt(problem));
}

void ArchiveDesk::saveSeasonPageClick() {
    saveSeason("Webbsidor |*.html;*.htm", ".html",
               seasonPage(m_shownRange, m_shownPlaces, m_shownEvenings, "", m_shownSeries));
}

void ArchiveDesk::saveSeasonCsvClick() {
    saveSeason("Kalkylblad (CSV) |*.csv", ".csv", seasonCsv(m_shownPlaces));
}

}  // namespace vindelkast
