#include "app/menu_tree.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "movement/typed_corrections.h"
#include "qt/qt_text.h"

namespace vindelkast {

MenuTree::MenuTree(QMainWindow& window) : QObject(&window) {
    window.menuBar()->setObjectName("MainMenu1");

    QMenu* arkiv = addMenu(window, "kommandon", "Arkiv");
    m_commands.open = addItem(arkiv, "MnOpen", "\u00d6ppna t\u00e4vling", "Ctrl+O");
    m_commands.save = addItem(arkiv, "MnSave", "Spara t\u00e4vling", "Ctrl+S");
    m_commands.saveAs = addItem(arkiv, "Sparasom1", "Spara t\u00e4vling so&m", "Ctrl+Alt+S");
    m_commands.keepInArchive = addItem(arkiv, "keepInArchiveAction", "Spara i &klubbarkivet", "Ctrl+K");
    m_commands.keepOnSave = addItem(arkiv, "keepOnSaveAction", "Spara i klubbarkivet vid varje sparning");
    m_commands.keepOnSave->setCheckable(true);
    m_commands.archivePlace = addItem(arkiv, "archivePlaceAction", "Klubbarkivets plats\u2026");
    m_commands.exportHtml = addItem(arkiv, "MnHTML", "Exportera resultat som &HTML", "Ctrl+H");
    m_commands.exportOldHtml = addItem(arkiv, "MnGammalHTML", "&Gammal HTML", "Ctrl+G");
    m_commands.exportXml = addItem(arkiv, "MnPrintXML", "Exportera resultat som &XML", "Ctrl+X");
    m_commands.exportPbn = addItem(arkiv, "MnPBN", "Exportera som &PBN");
    m_commands.exportRound = addItem(arkiv, "MnPrintRond", "Exportera rond som HTML", "Ctrl+R");
    m_commands.publishSite = addItem(arkiv, "MnWebb", "Publicera resultat&webb\u2026");
    m_commands.printRound = addItem(arkiv, "Print1", "&Utskrift rond", "Ctrl+P");
    QAction* print = m_commands.printRound;
    print->setToolTip("Printar inneh\u00e5llet i rondresultat");
    print->setStatusTip(print->toolTip());
    m_commands.printStandings = addItem(arkiv, "MnPrintTotalt", "Utskrift &Resultat", "Ctrl+Alt+P");
    m_commands.clear = addItem(arkiv, "Rensabrjaom1", "Rensa (b\u00f6rja om)", "Ctrl+Alt+R");
    m_commands.quit = addItem(arkiv, "Avsluta1", "&Avsluta", "Ctrl+Q");

    QMenu* edit = addMenu(window, "MnRedigera", "Redigera");
    m_commands.undo = addItem(edit, "undoAction", "\u00c5ngra", "Ctrl+Z");
    m_commands.redo = addItem(edit, "redoAction", "G\u00f6r om", "Ctrl+Y");
    m_commands.undo->setEnabled(false);
    m_commands.redo->setEnabled(false);
    m_commands.journal = addItem(edit, "journalAction", "\u00c4ndrings&logg", "Shift+F8");
    edit->addSeparator();
    QMenu* correct = edit->addMenu("&R\u00e4tta");
    correct->setObjectName("MnRatta");
    for (const CorrectionKind kind : kCorrectionKinds) {
        QAction* item = addItem(correct, "", toQt(correctionQuestion(kind).item));
        item->setObjectName(QString("correction%1").arg(static_cast<int>(kind)));
        m_commands.corrections.push_back(item);
    }

    QMenu* prep = addMenu(window, "MnStartup", "F\u00f6rberedelser");
    m_commands.setUp = addItem(prep, "MnStart", "&Starta upp", "F2");
    m_commands.names = addItem(prep, "MnNamn", "&Namn (deltagare)", "F3");
    m_commands.guideCard = addItem(prep, "Guidekort1", "G&uidekort");
    m_commands.dealFile = addItem(prep, "MnGivfil", "Importera &Givfil");
    m_commands.handicap = addItem(prep, "Handicap1", "&Handicap");
    m_commands.analysedDeals = addItem(prep, "MnFacitgiv", "&Facitgivar");
    m_commands.teamMatch = addItem(prep, "Lagmatch1", "Lagmatch");
    m_commands.teamEvent = addItem(prep, "teamEventAction", "Lag&t\u00e4vling (Monrad, alla mot alla)\u2026");
    m_commands.nextSeriesEvening =
        addItem(prep, "nextSeriesEveningAction", "Seriens n\u00e4sta &kv\u00e4ll\u2026");
    m_commands.nextSeriesEvening->setEnabled(false);
    m_commands.memberRegister = addItem(prep, "MnMedlemsregister", "Importera &Medlemsregister");

    QMenu* result = addMenu(window, "MnResult", "Resultat");
    m_commands.giveResult = addItem(result, "MnGeRes", "Ge &res", "F4");
    m_commands.hideResult = addItem(result, "Gmresultat1", "&G\u00f6m resultat", "Shift+F4");
    m_commands.drawRound = addItem(result, "MnLottaRond", "&Lotta rond", "Ctrl+L");
    m_commands.drawRound->setEnabled(false);
    m_commands.scoreTables = addItem(result, "Visascoretavlor1", "V&isa scoretavlor", "F5");
    m_commands.addResults = addItem(result, "Adderaresultat1", "Addera resultat");
    m_commands.levelBoards = addItem(result, "Nivelleragivar1", "Nivellera givar");
    // Levelling and adjusted results by Neuberg's formula instead of the linear rule.
    m_commands.neuberg = addItem(result, "Neuberg1", "Neubergs formel");
    m_commands.neuberg->setCheckable(true);
    // An evening in sections: matchpoints across the field instead of within each section.
    m_commands.acrossField = addItem(result, "acrossFieldItem", "Matchpo\u00e4ng \u00f6ver f\u00e4ltet");
    QAction* across = m_commands.acrossField;
    across->setCheckable(true);
    across->setEnabled(false);
    m_commands.tables = addItem(result, "MnBord", "Registrering vid &borden\u2026");
    m_commands.fixedMeetings =
        addItem(result, "fixedMeetingsAction", "Fasta m\u00f6ten i n\u00e4sta rond\u2026");
    m_commands.vpAdjustment = addItem(result, "vpAdjustmentAction", "VP-justering\u2026");
    m_commands.redrawRound = addItem(result, "redrawRoundAction", "Lotta om senaste ronden");
    m_commands.moveTeams = addItem(result, "moveTeamsAction", "Byt plats p\u00e5 tv\u00e5 lag\u2026");
    for (QAction* teamOnly :
         {m_commands.fixedMeetings, m_commands.vpAdjustment, m_commands.redrawRound, m_commands.moveTeams})
        teamOnly->setEnabled(false);

    QMenu* view = addMenu(window, "Visa1", "Visa");
    m_commands.order = addItem(view, "Ordning1", "&Ordning", "F6");
    m_commands.boardOrRound = addItem(view, "BrickaRond1", "Bricka / &Rond", "F7");
    m_commands.enteredBoards = addItem(view, "MnParnr", "&Inmatade givar", "F8");
    m_commands.standings = addItem(view, "Total1", "Total", "F9");
    m_commands.roundResult = addItem(view, "Rond1", "Rond", "F10");
    m_commands.teamEventView =
        addItem(view, "teamEventViewAction", "&Lagst\u00e4llning och matchkort", "Shift+F9");
    m_commands.teamEventView->setEnabled(false);
    m_commands.textSize = addItem(view, "Textstorlek1", "&Textstorlek");
    m_commands.privateProtocol = addItem(view, "mnPrivatprotokoll1", "Pr&ivatprotokoll", "F11");
    m_commands.season = addItem(view, "seasonAction", "S\u00e4songsst\u00e4llning\u2026");
    m_commands.debug = addItem(view, "Debugmessage1", "Debugmessage", "Shift+F12");

    QMenu* version = addMenu(window, "Version1", "Version");
    m_commands.help = addItem(version, "Hjlp1", "Hj\u00e4lp", "F1");
    m_commands.about = addItem(version, "OmVindelkast1", "Om Vindelkast");
}

bool MenuTree::isMenuKey(const QKeySequence& keys) const {
    for (const QAction* item : m_items)
        if (item->isEnabled() && !item->shortcut().isEmpty() && item->shortcut() == keys) return true;
    return false;
}

QMenu* MenuTree::addMenu(QMainWindow& window, const char* name, const QString& caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->setToolTipsVisible(true);
    return menu;
}

QAction* MenuTree::addItem(QMenu* menu, const char* name, const QString& caption, const QString& keys) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (!keys.isEmpty()) item->setShortcut(QKeySequence(keys));
    m_items.push_back(item);
    return item;
}

}  // namespace vindelkast
