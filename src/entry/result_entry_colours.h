#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPalette>

#include "model/entry_rules.h"

// The colours of the entry grid: what a cell's text and background tell the director.
namespace vindelkast::entry_colours {

inline const QColor kPanel(0, 255, 255);  // aqua
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kLime(0, 255, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kLightGrey(204, 204, 204);  // a stored score that does not fit the vulnerability
inline const QColor kWarning(212, 208, 200);    // a score just typed that does not fit it
inline const QColor kLightRed(255, 51, 51);     // a duplicated or invalid pair number
inline const QColor kYellow(255, 255, 0);       // pairs that change seats within the round
inline const QColor kRed(255, 0, 0);            // a vulnerable side

inline QColor inkColour(ScoreInk ink) {
    switch (ink) {
    case ScoreInk::Plus:
        return kBlue;
    case ScoreInk::Minus:
        return kLime;
    case ScoreInk::Unscored:
        return kGrey;
    default:
        return kBlack;
    }
}

inline void paint(QLineEdit* field, const QColor& background, const QColor& text) {
    QPalette palette = field->palette();
    if (palette.color(QPalette::Base) == background && palette.color(QPalette::Text) == text) return;
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    field->setPalette(palette);
}

inline void paintBackground(QLineEdit* field, const QColor& background) {
    paint(field, background, field->palette().color(QPalette::Text));
}

}  // namespace vindelkast::entry_colours
