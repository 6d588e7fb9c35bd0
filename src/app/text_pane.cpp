#include "app/text_pane.h"

#include <QTextCursor>

#include "app/qt_text.h"

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

TextPane::TextPane(QWidget* parent, const char* name) : QTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setLineWrapMode(QTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    hide();
}

void TextPane::clearLines() {
    clear();
    m_lineCount = 0;
}

void TextPane::showLines(const std::vector<ViewLine>& lines) {
    clearLines();
    // One edit block lays the document out once instead of after every line.
    QTextCursor batch(document());
    batch.beginEditBlock();
    for (const ViewLine& line : lines) addLine(line);
    batch.endEditBlock();
    moveCursor(QTextCursor::Start);
}

void TextPane::setTextFont(const QFont& font) {
    setFont(font);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(font);
    all.mergeCharFormat(format);
}

void TextPane::addLine(const ViewLine& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount++ > 0) cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(viewColour(line.colour));
    format.setFont(font());
    cursor.insertText(toQt(line.text), format);
}

}  // namespace vindelkast
