#pragma once

#include <string>

#include <QGroupBox>

#include "model/scoring_rule.h"
#include "movement/section_cards.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vindelkast {

class Dialogs;
struct Contest;

// What the set-up panel shows, as plain fields.
struct SetUpChoices {
    std::string boards;  // the count fields as typed
    std::string rounds;
    std::string maxPair;
    std::string byePair;
    bool individual = false;
    bool handicap = false;
    bool barometer = false;
    bool gronaHissen = false;
    bool teamContest = false;
    bool withoutGuideCard = false;
    int ghVariant = 2;  // meetings in Gröna Hissen: 1, 2 or kManyMeetings ("många")
    std::string contestName;
    std::string contestDate;
    std::string arranger;
    std::string sections;       // pair counts of the sections, "10,9"; "" for one field
    bool acrossField = true;    // an evening in sections matchpointed across the field
    SectionCards sectionCards;  // the guide cards chosen or made for the sections' counts
};

// The set-up panel GrpBrickor ("Förberedelser"): the counts, the kind of contest, the
// guide-card and name buttons, "Klar", the contest's texts and how it is scored. It keeps its own field rules
// (Enter moves on, a number field that does not hold a whole number turns red); the window
// reacts to its signals, reads it as plain fields and tells it what to show.
class SetUpPanel : public QGroupBox {
    Q_OBJECT
public:
    SetUpPanel(QWidget* parent, Dialogs& dialogs);

    // Everything the panel shows.
    SetUpChoices choices() const;
    // The whole number in "Givar"; 0 when it is not one.
    int boardsNumber() const;
    int highestNumberShown() const;

    // Shows a contest read from a file or brought back.
    void showContest(const Contest& contest);
    void showCounts(int maxPair, int boards, int rounds);
    void showHighestNumber(int maxPair);
    void showBoards(int boards);
    // An empty field when there is no bye pair.
    void showByePair(int byePair);
    void showIndividual(bool keepContestName);
    void tickIndividual(bool on);
    void showGronaHissen(bool on, int ghVariant);
    void showHandicap(bool on);
    void toggleHandicap();
    void lockTeamContest();
    void showDate(const QString& date);
    // The contest's scoring method in scoringChoice, without telling anyone it was chosen.
    void showScoring(ScoringMethod method);
    // The contest's sections (the pairs each seats) and how they are compared.
    void showSections(const Contest& contest);
    // The guide cards the sections will be set up with, listed under the sections.
    void showSectionCards(const SectionCards& cards);
    // The boards and rounds of cards made for the sections; the highest pair number stays.
    void showBoardsAndRounds(int boards, int rounds);
    // "Starta upp": Klar is offered and the boards are typed first.
    void startSetUp();
    // The guide card was chosen: no second one, the names are next.
    void guideCardDone();
    // A cleared contest: the counts are empty and a guide card may be chosen again.
    void clearForNewContest();
    // BtnGuide (and making a card) is usable exactly when "utan guidekort" is not ticked.
    void enableGuideButton();

signals:
    void klarClicked();
    void guideClicked();
    void createGuideCardClicked();
    void namesClicked();
    void individualClicked();
    void gronaHissenClicked();
    void handicapToggled(bool on);
    void teamContestClicked();
    void arrangerChanged();
    void byePairChanged();
    void ghVariantChosen(int variant);
    // The director picked matchpoints, cross-IMPs or Butler in scoringChoice.
    void scoringChosen(ScoringMethod method);
    // The contest's name or date changed in its field.
    void contestTextsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addEdit(const char* name, const char* labelName, const QString& label, int top);
    QCheckBox* addCheck(const char* name, const QString& caption, int left, int top);
    void checkNumberField(QLineEdit* field);
    void setNumber(QLineEdit* field, int value);
    void showGronaHissenChoices(bool shown);
    static std::string text(const QLineEdit* field);

    Dialogs& m_dialogs;
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
    QPushButton* createGuideCardButton = nullptr;  // "Skapa guidekort..."
    QCheckBox* cBoxGuide = nullptr;
    QPushButton* BtnNamn = nullptr;
    QPushButton* BtnKlar = nullptr;
    QLineEdit* EdContName = nullptr;
    QLineEdit* EdDate = nullptr;
    QCheckBox* cbTeamContest = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* scoringChoice = nullptr;  // "Poäng": Matchpoäng, Korsimp, Butler
    QLineEdit* EdSektioner = nullptr;    // pairs per section, "10,9"
    QComboBox* fieldChoice = nullptr;    // "Jämför": Över fältet, Per sektion
    QLabel* sectionCardsLabel = nullptr;
    SectionCards m_sectionCards;
};

}  // namespace vindelkast
