#include "app/team_event_dialog.h"

#include <array>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vindelkast {

namespace {

QSpinBox* numberBox(QWidget* parent, const char* name, int lowest, int highest, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

}  // namespace

TeamEventDialog::TeamEventDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Lagt\u00e4vling");
    auto* form = new QFormLayout(this);
    m_form = new QComboBox(this);
    m_form->setObjectName("teamForm");
    m_form->addItems({"Monrad", "Alla mot alla", "Monrad f\u00f6r par"});
    form->addRow("Spelform", m_form);
    m_boardScoring = new QComboBox(this);
    m_boardScoring->setObjectName("teamBoardScoring");
    m_boardScoring->addItems({"Matchpo\u00e4ng", "Korsvis IMP", "Butler"});
    m_boardScoring->setEnabled(false);
    form->addRow("Givarna r\u00e4knas", m_boardScoring);
    m_teams = numberBox(this, "teamCount", 2, 36, 8);
    m_teamsLabel = new QLabel("Antal lag", this);
    form->addRow(m_teamsLabel, m_teams);
    m_boards = numberBox(this, "teamBoards", 1, 71, 6);
    form->addRow("Brickor per match", m_boards);
    m_rounds = numberBox(this, "teamRounds", 0, 71, 5);
    m_rounds->setSpecialValueText("alla m\u00f6ter alla");
    form->addRow("Ronder", m_rounds);
    m_byeVp = new QLineEdit("12,00", this);
    m_byeVp->setObjectName("teamByeVp");
    form->addRow("VP f\u00f6r frirond", m_byeVp);
    m_names = new QPlainTextEdit(this);
    m_names->setObjectName("teamNames");
    m_names->setTabChangesFocus(true);
    m_names->setPlaceholderText("Ett lagnamn per rad, lag 1 f\u00f6rst (tomt: Lag 1, Lag 2 \u2026)");
    form->addRow("Lagnamn", m_names);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("L\u00e4gg upp");
    buttons->button(QDialogButtonBox::Cancel)->setText("Avbryt");
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_form, &QComboBox::currentIndexChanged, this, &TeamEventDialog::formChanged);
}

void TeamEventDialog::formChanged() {
    // A round robin is played in full unless the director cuts it short; a Monrad needs a count.
    m_rounds->setValue(m_form->currentIndex() == 1 ? 0 : 5);
    // Swiss pairs seat up to 72 pairs and score their boards across the field.
    const bool pairs = m_form->currentIndex() == 2;
    m_teams->setMaximum(pairs ? 72 : 36);
    m_teamsLabel->setText(pairs ? "Antal par" : "Antal lag");
    m_boardScoring->setEnabled(pairs);
    // A pair is named by its players (F3), not here.
    m_names->setEnabled(!pairs);
}

Dialogs::TeamEventChoice TeamEventDialog::choice() const {
    Dialogs::TeamEventChoice chosen;
    chosen.roundRobin = m_form->currentIndex() == 1;
    chosen.swissPairs = m_form->currentIndex() == 2;
    chosen.boardScoring =
        std::array{ScoringMethod::Matchpoints, ScoringMethod::CrossImps,
                   ScoringMethod::Butler}[static_cast<std::size_t>(m_boardScoring->currentIndex())];
    chosen.teams = m_teams->value();
    chosen.boardsPerMatch = m_boards->value();
    chosen.rounds = m_rounds->value();
    chosen.byeVp = m_byeVp->text();
    if (m_names->isEnabled())
        for (const QString& line : m_names->toPlainText().split('\n')) chosen.names << line.trimmed();
    while (!chosen.names.isEmpty() && chosen.names.last().isEmpty()) chosen.names.removeLast();
    return chosen;
}

}  // namespace vindelkast
