#include "app/movement_dialog.h"

#include "movement/movement_generator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace vindelkast {

MovementDialog::MovementDialog(int pairs, QWidget* parent) : QDialog(parent), m_pairs(pairs) {
    setWindowTitle("Skapa guidekort");
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QString("Guidekort f\u00f6r %1 par").arg(pairs), this));
    m_kind = new QComboBox(this);
    m_kind->setObjectName("movementKind");
    m_kind->addItems({"Mitchell", "Howell"});
    m_kind->setCurrentIndex(proposedMovementKind(pairs) == MovementKind::Howell ? 1 : 0);
    form->addRow("Spel", m_kind);
    m_rounds = new QSpinBox(this);
    m_rounds->setObjectName("movementRounds");
    m_rounds->setRange(0, 35);
    m_rounds->setSpecialValueText("alla");
    form->addRow("Ronder", m_rounds);
    m_boards = new QSpinBox(this);
    m_boards->setObjectName("movementBoardsPerRound");
    m_boards->setRange(0, 35);
    m_boards->setSpecialValueText("cirka 26 givar");
    form->addRow("Givar per rond", m_boards);
    m_relay = new QCheckBox("Rel\u00e4 och delad givgrupp (j\u00e4mnt antal bord)", this);
    m_relay->setObjectName("movementRelay");
    form->addRow(m_relay);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Skapa");
    buttons->button(QDialogButtonBox::Cancel)->setText("Avbryt");
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &MovementDialog::kindChanged);
    kindChanged();
}

void MovementDialog::kindChanged() {
    const int tables = (m_pairs + 1) / 2;
    const bool mitchell = m_kind->currentIndex() == 0;
    m_relay->setEnabled(mitchell && tables % 2 == 0);
    if (!m_relay->isEnabled()) m_relay->setChecked(false);
}

Dialogs::MovementChoice MovementDialog::choice() const {
    return {m_kind->currentIndex() == 1, m_rounds->value(), m_boards->value(), m_relay->isChecked()};
}

}  // namespace vindelkast
