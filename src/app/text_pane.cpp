#include "app/text_pane.h"

#include <QPaintEvent>
#include <QTextBlock>
#include <QTextCursor>

#include "app/paper_print.h"
#include "qt/qt_text.h"

namespace vindelkast {

QColor viewColour(Colour colour) {
    switch (colour) {
    case Colour::Red:
        return QColor(255, 0, 0);
    case Colour::Blue:
        return QColor(0, 0, 255);
    case Colour::White:
        return QColor(255, 255, 255);
    case Colour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

namespace {

// A list's heading lines are marked for paper, which keeps the list together.
QTextBlockFormat lineFormat(const ViewLine& line) {
    QTextBlockFormat format;
    if (line.listHeading) format.setProperty(kListHeadingProperty, true);
    return format;
}

}  // namespace

TextPane::TextPane(QWidget* parent, const char* name) : QTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setLineWrapMode(QTextEdit::NoWrap);
    // On paper too the lines stay whole (see printOnPaper).
    QTextOption lines = document()->defaultTextOption();
    lines.setWrapMode(QTextOption::NoWrap);
    document()->setDefaultTextOption(lines);
    setUndoRedoEnabled(false);
    hide();
}

void TextPane::clearLines() {
    clear();
    m_lineCount = 0;
    m_shown.clear();
}

void TextPane::showLines(const std::vector<ViewLine>& lines, From from) {
    if (m_lineCount == static_cast<int>(lines.size()) && m_shown.size() == lines.size() &&
        m_shownFont == font()) {
        // The same view again (a stored score): only the lines that differ are replaced, each
        // on its own, so that only they are painted again (one edit block around them would
        // repaint every line from the first change down).
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (!(lines[i] == m_shown[i])) replaceLine(static_cast<int>(i), lines[i]);
    } else {
        // One edit block lays the document out once instead of after every line.
        QTextCursor batch(document());
        batch.beginEditBlock();
        clearLines();
        for (const ViewLine& line : lines) addLine(line);
        batch.endEditBlock();
    }
    m_shown = lines;
    m_shownFont = font();
    // Back to the top (or the end). A cursor already there is only made visible: moving it
    // would also repaint its line.
    const int at = from == From::Top ? 0 : document()->characterCount() - 1;
    if (textCursor().position() == at && !textCursor().hasSelection())
        ensureCursorVisible();
    else
        moveCursor(from == From::Top ? QTextCursor::Start : QTextCursor::End);
}

void TextPane::paintEvent(QPaintEvent* event) {
    // QTextEdit draws every line within the bounding rectangle of what is to be painted. After
    // a stored score that is a few scattered lines and the cursor's place at the top: each part
    // is drawn on its own rather than every line from the top one down.
    const QRegion& region = event->region();
    if (region.rectCount() < 2 || region.rectCount() > 8) {
        QTextEdit::paintEvent(event);
        return;
    }
    for (const QRect& part : region) {
        QPaintEvent partEvent(part);
        QTextEdit::paintEvent(&partEvent);
    }
}

void TextPane::setTextFont(const QFont& font) {
    setFont(font);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(font);
    all.mergeCharFormat(format);
}

void TextPane::replaceLine(int index, const ViewLine& line) {
    QTextCursor cursor(document()->findBlockByNumber(index));
    if (line.listHeading != cursor.blockFormat().hasProperty(kListHeadingProperty))
        cursor.setBlockFormat(lineFormat(line));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(viewColour(line.colour));
    format.setFont(font());
    cursor.insertText(toQt(line.text), format);
}

void TextPane::addLine(const ViewLine& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount++ > 0) cursor.insertBlock();
    if (line.listHeading || cursor.blockFormat().hasProperty(kListHeadingProperty))
        cursor.setBlockFormat(lineFormat(line));
    // Lines added one by one are not a view the next showLines could update in place.
    m_shown.clear();
    QTextCharFormat format;
    format.setForeground(viewColour(line.colour));
    format.setFont(font());
    cursor.insertText(toQt(line.text), format);
}

}  // namespace vindelkast
