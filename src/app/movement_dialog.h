#pragma once

#include <QDialog>

#include "session/dialogs.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace vindelkast {

// "Skapa guidekort": the kind of movement for the night's pairs, its rounds and boards per
// round (0 leaves them to the movement), and for a Mitchell with an even number of tables
// a relay with a shared board group.
class MovementDialog : public QDialog {
    Q_OBJECT
public:
    MovementDialog(int pairs, QWidget* parent);

    Dialogs::MovementChoice choice() const;

private:
    void kindChanged();

    int m_pairs;
    QComboBox* m_kind = nullptr;
    QSpinBox* m_rounds = nullptr;
    QSpinBox* m_boards = nullptr;
    QCheckBox* m_relay = nullptr;
};

}  // namespace vindelkast
