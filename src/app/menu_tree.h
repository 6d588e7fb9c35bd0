#pragma once

#include <vector>

#include <QObject>
#include <QString>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;

namespace vindelkast {

// The window's commands by name, each an item of the main menu.
struct MenuCommands {
    // Arkiv
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* keepInArchive = nullptr;
    QAction* keepOnSave = nullptr;  // checkable
    QAction* archivePlace = nullptr;
    QAction* exportHtml = nullptr;
    QAction* exportOldHtml = nullptr;
    QAction* exportXml = nullptr;
    QAction* exportPbn = nullptr;
    QAction* exportRound = nullptr;
    QAction* publishSite = nullptr;
    QAction* printRound = nullptr;
    QAction* printStandings = nullptr;
    QAction* clear = nullptr;
    QAction* quit = nullptr;
    // Redigera
    QAction* undo = nullptr;  // "Ångra: resultat giv 7, bord 3" while there is one
    QAction* redo = nullptr;
    QAction* journal = nullptr;
    std::vector<QAction*> corrections;  // one for each CorrectionKind, in its order
    // Förberedelser
    QAction* setUp = nullptr;
    QAction* names = nullptr;
    QAction* guideCard = nullptr;
    QAction* dealFile = nullptr;
    QAction* handicap = nullptr;
    QAction* analysedDeals = nullptr;
    QAction* teamMatch = nullptr;
    QAction* teamEvent = nullptr;  // a Monrad or round robin of teams
    QAction* nextSeriesEvening = nullptr;
    QAction* memberRegister = nullptr;
    // Resultat
    QAction* giveResult = nullptr;
    QAction* hideResult = nullptr;
    QAction* drawRound = nullptr;
    QAction* scoreTables = nullptr;
    QAction* addResults = nullptr;
    QAction* levelBoards = nullptr;
    QAction* neuberg = nullptr;      // checkable
    QAction* acrossField = nullptr;  // checkable, only in an evening of sections
    QAction* tables = nullptr;
    QAction* fixedMeetings = nullptr;  // these four only in a team event
    QAction* vpAdjustment = nullptr;
    QAction* redrawRound = nullptr;
    QAction* moveTeams = nullptr;
    // Visa
    QAction* order = nullptr;
    QAction* boardOrRound = nullptr;
    QAction* enteredBoards = nullptr;
    QAction* standings = nullptr;
    QAction* roundResult = nullptr;
    QAction* teamEventView = nullptr;
    QAction* textSize = nullptr;
    QAction* privateProtocol = nullptr;
    QAction* season = nullptr;
    QAction* debug = nullptr;
    // Version
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// The main menu MainMenu1 with its five menus, captions and short-cut keys. Every item
// carries its form name as its object name (tests find them by it); the window connects
// the commands by their names in `commands()`.
class MenuTree : public QObject {
    Q_OBJECT
public:
    explicit MenuTree(QMainWindow& window);

    const MenuCommands& commands() const { return m_commands; }
    // True when the keys are the short-cut of an enabled item.
    bool isMenuKey(const QKeySequence& keys) const;

private:
    QMenu* addMenu(QMainWindow& window, const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QString& keys = {});

    MenuCommands m_commands;
    std::vector<QAction*> m_items;
};

}  // namespace vindelkast
