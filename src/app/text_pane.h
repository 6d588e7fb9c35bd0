#pragma once

#include <vector>

#include <QTextEdit>

#include "output/view_line.h"

namespace vindelkast {

// A read-only pane that shows the lines of a view, each in its colour, in a fixed-pitch font.
class TextPane : public QTextEdit {
    Q_OBJECT
public:
    TextPane(QWidget* parent, const char* name);

    // Shows `lines` from the top, or from the end for a view whose newest lines come last.
    enum class From { Top, End };
    void showLines(const std::vector<ViewLine>& lines, From from = From::Top);
    // A new font for the lines to come and for those on view, which keep their colours.
    void setTextFont(const QFont& font);
    void clearLines();
    void addLine(const ViewLine& line);
    // The pane's text as plain lines, for tests and the print record.
    QString plainLines() const { return toPlainText(); }
    int lineCount() const { return m_lineCount; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void replaceLine(int index, const ViewLine& line);

    int m_lineCount = 0;
    std::vector<ViewLine> m_shown;  // the lines showLines last showed
    QFont m_shownFont;
};

QColor viewColour(Colour colour);

}  // namespace vindelkast
