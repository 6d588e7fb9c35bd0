#pragma once

#include <QString>

namespace vindelkast {

class Dialogs;
class ViewPanes;

// "Textstorlek": the size of the panes' text in percent of the normal size, for a projector
// or weak eyes. The panes keep their fixed-pitch font, so every column stays aligned.
constexpr int kNormalTextScale = 100;
constexpr int kSmallestTextScale = 50;
constexpr int kLargestTextScale = 300;

// The percent typed ("150" or "150 %"), or 0 when it is no whole number in range.
int textScaleFromAnswer(const QString& answer);

// Remembered between runs in the user's settings; the normal size when none is saved.
int savedTextScale();
void saveTextScale(int percent);

// The menu command: asks for the size, then shows the panes in it and remembers it. A cancel
// changes nothing; an answer out of range is told and changes nothing.
void askTextScale(Dialogs& dialogs, ViewPanes& panes);

}  // namespace vindelkast
