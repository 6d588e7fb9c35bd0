#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vindelkast {

class Dialogs;

// The set-up panel GrpBrickor ("Förberedelser"): the counts, the kind of contest, the
// guide-card and name buttons, "Klar" and the contest's texts. It keeps its own field rules
// (Enter moves on, a number field that does not hold a whole number turns red); the window
// reacts to its signals.
class SetUpPanel : public QGroupBox {
    Q_OBJECT
public:
    SetUpPanel(QWidget* parent, Dialogs& dialogs);

    QLineEdit* EdGivar = nullptr;
    QLineEdit* EdRonder = nullptr;
    QLineEdit* EdNrPar = nullptr;
    QLineEdit* EdFripar = nullptr;
    QCheckBox* ChkIndividuellt = nullptr;
    QCheckBox* CBHandicap = nullptr;
    QCheckBox* ChkBarometer = nullptr;
    QCheckBox* ChkGrHiss = nullptr;
    QLabel* LbGrHiss = nullptr;
    QRadioButton* rbGHmax1 = nullptr;
    QRadioButton* rbGHmax2 = nullptr;
    QRadioButton* rbGHmany = nullptr;
    QPushButton* BtnGuide = nullptr;
    QCheckBox* cBoxGuide = nullptr;
    QPushButton* BtnNamn = nullptr;
    QPushButton* BtnKlar = nullptr;
    QLineEdit* EdContName = nullptr;
    QLineEdit* EdDate = nullptr;
    QCheckBox* cbTeamContest = nullptr;
    QComboBox* ComboBox2 = nullptr;

    // The integer a number field shows; 0 when it is not a whole number.
    static int number(const QLineEdit* field);
    // The field's text as the contest keeps it (the widgets refuse what it cannot hold).
    static std::string text(const QLineEdit* field);
    std::string arrangerText() const;
    void setNumber(QLineEdit* field, int value);

    // BtnGuide is usable exactly when "utan guidekort" is not ticked.
    void enableGuideButton();
    void showGronaHissenChoices(bool shown);

signals:
    void contestTextsLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addEdit(const char* name, const char* labelName, const QString& label, int top);
    QCheckBox* addCheck(const char* name, const QString& caption, int left, int top);
    void checkNumberField(QLineEdit* field);

    Dialogs& m_dialogs;
};

}  // namespace vindelkast
