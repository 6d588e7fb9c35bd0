#include "entry/round_draw_command.h"

#include <QLabel>
#include <QWidget>

#include "app/dialogs.h"
#include "app/qt_text.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "movement/draw_pane.h"

namespace vindelkast {

bool drawNextRound(Contest& contest, ViewPanes& panes, Dialogs& dialogs, QWidget& client) {
    const DrawPane drawn = drawRoundPane(contest);
    if (!drawn.message.empty()) dialogs.message(toQt(drawn.message));
    if (drawn.round == 0) return false;

    panes.UtTotal->hide();
    panes.LblTotal->hide();
    panes.LblRond->hide();
    TextPane& pane = *panes.UtRond;
    pane.clearLines();
    pane.setGeometry(20, 400, client.width() - 40, 300);
    pane.show();
    pane.raise();
    for (const std::string& line : drawn.lines) pane.addLine(ViewLine{line});
    return true;
}

}  // namespace vindelkast
