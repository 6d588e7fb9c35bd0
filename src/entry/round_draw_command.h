#pragma once

class QWidget;

namespace vindelkast {

struct Contest;
class Dialogs;
class ViewPanes;

// "Lotta rond": draws the next Gröna Hissen round and shows its tables in UtRond, across the
// lower part of the window's client area (the caller has hidden the entry panel). When
// results of an earlier round are missing, that round is shown again after the message.
// True when the pane shows a round.
bool drawNextRound(Contest& contest, ViewPanes& panes, Dialogs& dialogs, QWidget& client);

}  // namespace vindelkast
