#include "app/menu_tree.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vindelkast {

MenuTree::MenuTree(QMainWindow& window) : QObject(&window) {
    window.menuBar()->setObjectName("MainMenu1");

    QMenu* arkiv = addMenu(window, "kommandon", "Arkiv");
    addItem(arkiv, "MnOpen", "\u00d6ppna t\u00e4vling", "Ctrl+O");
    addItem(arkiv, "MnSave", "Spara t\u00e4vling", "Ctrl+S");
    addItem(arkiv, "Sparasom1", "Spara t\u00e4vling so&m", "Ctrl+Alt+S");
    addItem(arkiv, "keepInArchiveAction", "Spara i &klubbarkivet", "Ctrl+K");
    addItem(arkiv, "keepOnSaveAction", "Spara i klubbarkivet vid varje sparning")->setCheckable(true);
    addItem(arkiv, "archivePlaceAction", "Klubbarkivets plats\u2026");
    addItem(arkiv, "MnHTML", "Exportera resultat som &HTML", "Ctrl+H");
    addItem(arkiv, "MnGammalHTML", "&Gammal HTML", "Ctrl+G");
    addItem(arkiv, "MnPrintXML", "Exportera resultat som &XML", "Ctrl+X");
    addItem(arkiv, "MnPBN", "Exportera som &PBN");
    addItem(arkiv, "MnPrintRond", "Exportera rond som HTML", "Ctrl+R");
    addItem(arkiv, "MnWebb", "Publicera resultat&webb\u2026");
    QAction* print = addItem(arkiv, "Print1", "&Utskrift rond", "Ctrl+P");
    print->setToolTip("Printar inneh\u00e5llet i rondresultat");
    print->setStatusTip(print->toolTip());
    addItem(arkiv, "MnPrintTotalt", "Utskrift &Resultat", "Ctrl+Alt+P");
    addItem(arkiv, "Rensabrjaom1", "Rensa (b\u00f6rja om)", "Ctrl+Alt+R");
    addItem(arkiv, "Avsluta1", "&Avsluta", "Ctrl+Q");

    QMenu* prep = addMenu(window, "MnStartup", "F\u00f6rberedelser");
    addItem(prep, "MnStart", "&Starta upp", "F2");
    addItem(prep, "MnNamn", "&Namn (deltagare)", "F3");
    addItem(prep, "Guidekort1", "G&uidekort");
    addItem(prep, "MnGivfil", "Importera &Givfil");
    addItem(prep, "Handicap1", "&Handicap");
    addItem(prep, "MnFacitgiv", "&Facitgivar");
    addItem(prep, "Lagmatch1", "Lagmatch");
    addItem(prep, "MnMedlemsregister", "Importera &Medlemsregister");

    QMenu* result = addMenu(window, "MnResult", "Resultat");
    addItem(result, "MnGeRes", "Ge &res", "F4");
    addItem(result, "Gmresultat1", "&G\u00f6m resultat", "Shift+F4");
    addItem(result, "MnLottaRond", "&Lotta rond", "Ctrl+L")->setEnabled(false);
    addItem(result, "Visascoretavlor1", "V&isa scoretavlor", "F5");
    addItem(result, "Adderaresultat1", "Addera resultat");
    addItem(result, "Nivelleragivar1", "Nivellera givar");
    // Levelling and adjusted results by Neuberg's formula instead of the linear rule.
    addItem(result, "Neuberg1", "Neubergs formel")->setCheckable(true);
    // An evening in sections: matchpoints across the field instead of within each section.
    QAction* across = addItem(result, "acrossFieldItem", "Matchpo\u00e4ng \u00f6ver f\u00e4ltet");
    across->setCheckable(true);
    across->setEnabled(false);
    addItem(result, "MnBord", "Registrering vid &borden\u2026");

    QMenu* view = addMenu(window, "Visa1", "Visa");
    addItem(view, "Ordning1", "&Ordning", "F6");
    addItem(view, "BrickaRond1", "Bricka / &Rond", "F7");
    addItem(view, "MnParnr", "&Inmatade givar", "F8");
    addItem(view, "Total1", "Total", "F9");
    addItem(view, "Rond1", "Rond", "F10");
    addItem(view, "Textstorlek1", "&Textstorlek");
    addItem(view, "mnPrivatprotokoll1", "Pr&ivatprotokoll", "F11");
    addItem(view, "seasonAction", "S\u00e4songsst\u00e4llning\u2026");
    addItem(view, "Debugmessage1", "Debugmessage", "Shift+F12");

    QMenu* version = addMenu(window, "Version1", "Version");
    addItem(version, "Hjlp1", "Hj\u00e4lp", "F1");
    addItem(version, "OmVindelkast1", "Om Vindelkast");
}

QAction* MenuTree::action(const QString& name) const { return m_actions.value(name); }

bool MenuTree::isMenuKey(const QKeySequence& keys) const {
    for (const QAction* item : m_actions)
        if (item->isEnabled() && !item->shortcut().isEmpty() && item->shortcut() == keys) return true;
    return false;
}

QMenu* MenuTree::menu(const QString& name) const { return m_menus.value(name); }

QMenu* MenuTree::addMenu(QMainWindow& window, const char* name, const QString& caption) {
    QMenu* menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->setToolTipsVisible(true);
    m_menus.insert(name, menu);
    return menu;
}

QAction* MenuTree::addItem(QMenu* menu, const char* name, const QString& caption, const QString& keys) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (!keys.isEmpty()) item->setShortcut(QKeySequence(keys));
    m_actions.insert(name, item);
    return item;
}

}  // namespace vindelkast
