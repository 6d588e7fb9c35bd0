#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;

namespace vindelkast {

// The main menu MainMenu1 with its five menus, captions and short-cut keys. Every item
// carries its form name as its object name; the window connects the commands.
class MenuTree : public QObject {
    Q_OBJECT
public:
    explicit MenuTree(QMainWindow& window);

    // The item of that name; never null for a name of the menu tree.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // True when the keys are the short-cut of an enabled item.
    bool isMenuKey(const QKeySequence& keys) const;

private:
    QMenu* addMenu(QMainWindow& window, const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QString& keys = {});

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
};

}  // namespace vindelkast
