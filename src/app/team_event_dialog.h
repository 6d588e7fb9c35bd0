#pragma once

#include <QDialog>

#include "session/dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace vindelkast {

// "Lagtävling…": Monrad or every team against every other, or Monrad for pairs with its boards
// scored across the field; how many teams (pairs), boards per match
// and rounds (none: a full round robin), what a bye is worth and the teams' names, one a line.
class TeamEventDialog : public QDialog {
    Q_OBJECT
public:
    explicit TeamEventDialog(QWidget* parent);

    Dialogs::TeamEventChoice choice() const;

private:
    void formChanged();

    QComboBox* m_form = nullptr;
    QComboBox* m_boardScoring = nullptr;
    QLabel* m_teamsLabel = nullptr;
    QSpinBox* m_teams = nullptr;
    QSpinBox* m_boards = nullptr;
    QSpinBox* m_rounds = nullptr;
    QLineEdit* m_byeVp = nullptr;
    QPlainTextEdit* m_names = nullptr;
};

}  // namespace vindelkast
