#include "app/set_up_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/text_guard.h"
#include "app/widget_colours.h"
#include "files/text_fields.h"
#include "model/contest.h"
#include "qt/qt_text.h"
#include "session/dialogs.h"

namespace vindelkast {

namespace {

const QColor kInvalidNumber(255, 51, 51);

// The clubs the arranger list offers; the first is the default, the last lets the director
// type any other.
const QStringList kArrangers = {"Vindelkastens BK", "BK Forsen", "Bridgeklubben \u00c4lven", "BK Norrsken",
                                "Annan arrang\u00f6r"};

// The scoring methods in the order scoringChoice lists them.
const ScoringMethod kScoringMethods[] = {ScoringMethod::Matchpoints, ScoringMethod::CrossImps,
                                         ScoringMethod::Butler};

bool isInvalidNumber(const QString& text) {
    if (text.isEmpty()) return false;
    const auto value = parseInt(text.trimmed().toStdString());
    return !value || *value == -1;
}

}  // namespace

SetUpPanel::SetUpPanel(QWidget* parent, Dialogs& dialogs)
    : QGroupBox("F\u00f6rberedelser", parent), m_dialogs(dialogs) {
    setObjectName("GrpBrickor");
    setGeometry(33, 8, 345, 712);
    setBackground(this, Qt::yellow);

    EdGivar = addEdit("EdGivar", "LblGivar", "Givar", 40);
    EdRonder = addEdit("EdRonder", "LblRonder", "Ronder", 76);
    EdNrPar = addEdit("EdNrPar", "LblNrPar", "Max parnr", 112);
    EdFripar = addEdit("EdFripar", "LblFripar", "Nr fripar", 148);

    ChkIndividuellt = addCheck("ChkIndividuellt", "Individuellt", 16, 190);
    CBHandicap = addCheck("CBHandicap", "Handicap", 180, 190);
    ChkBarometer = addCheck("ChkBarometer", "Barometer", 16, 218);
    ChkGrHiss = addCheck("ChkGrHiss", "Gr\u00f6na Hissen", 180, 218);

    LbGrHiss = new QLabel("M\u00f6ten i Gr Hissen", this);
    LbGrHiss->setObjectName("LbGrHiss");
    LbGrHiss->setGeometry(16, 246, 200, 22);
    rbGHmax1 = new QRadioButton("Max 1", this);
    rbGHmax2 = new QRadioButton("Max 2", this);
    rbGHmany = new QRadioButton("m\u00e5nga", this);
    int left = 16;
    for (QRadioButton* radio : {rbGHmax1, rbGHmax2, rbGHmany}) {
        radio->setGeometry(left, 270, 100, 22);
        left += 105;
    }
    rbGHmax1->setObjectName("rbGHmax1");
    rbGHmax2->setObjectName("rbGHmax2");
    rbGHmany->setObjectName("rbGHmany");
    rbGHmax2->setChecked(true);
    showGronaHissenChoices(false);

    BtnGuide = new QPushButton("V\u00e4lj guidekort", this);
    BtnGuide->setObjectName("BtnGuide");
    BtnGuide->setGeometry(16, 302, 150, 30);
    cBoxGuide = addCheck("cBoxGuide", "utan guidekort", 16, 340);
    createGuideCardButton = new QPushButton("Skapa guidekort\u2026", this);
    createGuideCardButton->setObjectName("createGuideCardButton");
    createGuideCardButton->setGeometry(170, 302, 165, 30);
    BtnNamn = new QPushButton("Mata in namn", this);
    BtnNamn->setObjectName("BtnNamn");
    BtnNamn->setGeometry(16, 374, 150, 30);
    BtnKlar = new QPushButton("Klar", this);
    BtnKlar->setObjectName("BtnKlar");
    BtnKlar->setGeometry(180, 374, 150, 30);

    EdContName = addEdit("EdContName", "Label5", "T\u00e4vl-namn", 420);
    EdContName->setText("Part\u00e4vling");
    EdDate = addEdit("EdDate", "Label6", "Datum", 456);
    cbTeamContest = addCheck("cbTeamContest", "Lagt\u00e4vling", 16, 490);

    auto* arrangerLabel = new QLabel("Arrang\u00f6r", this);
    arrangerLabel->setObjectName("Label7");
    arrangerLabel->setGeometry(16, 522, 110, 26);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems(kArrangers);
    ComboBox2->setGeometry(130, 520, 200, 28);
    ComboBox2->lineEdit()->installEventFilter(this);
    refuseUnrepresentableText(ComboBox2->lineEdit(), m_dialogs);

    auto* scoringLabel = new QLabel("Po\u00e4ng", this);
    scoringLabel->setObjectName("scoringLabel");
    scoringLabel->setGeometry(16, 558, 110, 26);
    scoringChoice = new QComboBox(this);
    scoringChoice->setObjectName("scoringChoice");
    scoringChoice->addItems({"Matchpo\u00e4ng", "Korsimp", "Butler"});
    scoringChoice->setGeometry(130, 556, 200, 28);
    scoringLabel->setBuddy(scoringChoice);

    EdSektioner = addEdit("EdSektioner", "LblSektioner", "Par/sektion", 592);
    EdSektioner->setPlaceholderText("en sektion");
    EdSektioner->setToolTip("Antal par i varje sektion med komma emellan, t.ex. 10,9");
    auto* fieldLabel = new QLabel("J\u00e4mf\u00f6r", this);
    fieldLabel->setObjectName("fieldLabel");
    fieldLabel->setGeometry(16, 630, 110, 26);
    fieldChoice = new QComboBox(this);
    fieldChoice->setObjectName("fieldChoice");
    fieldChoice->addItems({"\u00d6ver f\u00e4ltet", "Per sektion"});
    fieldChoice->setGeometry(130, 628, 200, 28);
    fieldLabel->setBuddy(fieldChoice);
    sectionCardsLabel = new QLabel(this);
    sectionCardsLabel->setObjectName("sectionCardsLabel");
    sectionCardsLabel->setGeometry(16, 662, 314, 44);
    sectionCardsLabel->setWordWrap(true);
    sectionCardsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QLineEdit* field : {EdContName, EdDate}) refuseUnrepresentableText(field, m_dialogs);
    connect(cBoxGuide, &QCheckBox::clicked, this, &SetUpPanel::enableGuideButton);

    connect(BtnKlar, &QPushButton::clicked, this, &SetUpPanel::klarClicked);
    connect(BtnGuide, &QPushButton::clicked, this, &SetUpPanel::guideClicked);
    connect(createGuideCardButton, &QPushButton::clicked, this, &SetUpPanel::createGuideCardClicked);
    connect(BtnNamn, &QPushButton::clicked, this, &SetUpPanel::namesClicked);
    connect(ChkIndividuellt, &QCheckBox::clicked, this, &SetUpPanel::individualClicked);
    connect(ChkGrHiss, &QCheckBox::clicked, this, &SetUpPanel::gronaHissenClicked);
    connect(CBHandicap, &QCheckBox::toggled, this, &SetUpPanel::handicapToggled);
    connect(cbTeamContest, &QCheckBox::clicked, this, &SetUpPanel::teamContestClicked);
    connect(ComboBox2, &QComboBox::currentTextChanged, this, &SetUpPanel::arrangerChanged);
    connect(scoringChoice, &QComboBox::activated, this,
            [this](int index) { emit scoringChosen(kScoringMethods[index]); });
    connect(EdFripar, &QLineEdit::textChanged, this, &SetUpPanel::byePairChanged);
    connect(rbGHmax1, &QRadioButton::clicked, this, [this] { emit ghVariantChosen(1); });
    connect(rbGHmax2, &QRadioButton::clicked, this, [this] { emit ghVariantChosen(2); });
    connect(rbGHmany, &QRadioButton::clicked, this, [this] { emit ghVariantChosen(kManyMeetings); });
    // The contest keeps its texts as the fields show them, also before they are left.
    for (QLineEdit* field : {EdContName, EdDate})
        connect(field, &QLineEdit::textChanged, this, &SetUpPanel::contestTextsChanged);
}

SetUpChoices SetUpPanel::choices() const {
    SetUpChoices c;
    c.boards = text(EdGivar);
    c.rounds = text(EdRonder);
    c.maxPair = text(EdNrPar);
    c.byePair = text(EdFripar);
    c.individual = ChkIndividuellt->isChecked();
    c.handicap = CBHandicap->isChecked();
    c.barometer = ChkBarometer->isChecked();
    c.gronaHissen = ChkGrHiss->isChecked();
    c.teamContest = cbTeamContest->isChecked();
    c.withoutGuideCard = cBoxGuide->isChecked();
    c.ghVariant = rbGHmax1->isChecked() ? 1 : rbGHmany->isChecked() ? kManyMeetings : 2;
    c.contestName = text(EdContName);
    c.contestDate = text(EdDate);
    c.arranger = fromQtLossy(ComboBox2->currentText());
    c.sections = text(EdSektioner);
    c.acrossField = fieldChoice->currentIndex() == 0;
    c.sectionCards = m_sectionCards;
    return c;
}

int SetUpPanel::boardsNumber() const { return intOrZero(EdGivar->text().trimmed().toStdString()); }

int SetUpPanel::highestNumberShown() const { return intOrZero(EdNrPar->text().trimmed().toStdString()); }

void SetUpPanel::showContest(const Contest& c) {
    // The window keeps the contest's texts as the fields show them, so the first text shown
    // changes the contest before the second is: both are taken first.
    const QString name = toQt(c.contestName);
    const QString date = toQt(c.contestDate);
    const QString arranger = toQt(c.arranger);
    const int byePair = c.byePair;
    EdContName->setText(name);
    EdDate->setText(date);
    ComboBox2->setEditText(arranger);
    setNumber(EdNrPar, c.maxPairNumber);
    setNumber(EdGivar, c.boardCount);
    setNumber(EdRonder, c.roundCount);
    if (byePair > 0) setNumber(EdFripar, byePair);
    ChkBarometer->setChecked(c.isBarometer);
    showScoring(c.scoringRule.method);
    showSections(c);
}

void SetUpPanel::showSections(const Contest& c) {
    QStringList sizes;
    if (c.sections.any())
        for (std::size_t s = 0; s < c.sections.list.size(); ++s)
            sizes << QString::number(seatedPairCount(c, static_cast<int>(s)));
    EdSektioner->setText(sizes.join(','));
    fieldChoice->setCurrentIndex(c.sections.any() && !c.sections.acrossField ? 1 : 0);
}

void SetUpPanel::showSectionCards(const SectionCards& cards) {
    m_sectionCards = cards;
    QStringList lines;
    for (const auto& [pairs, card] : cards)
        lines << QString("%1 par %2").arg(pairs).arg(QFileInfo(pathToQt(card)).fileName());
    sectionCardsLabel->setText(lines.isEmpty() ? QString() : "Guidekort: " + lines.join("; "));
}

void SetUpPanel::showBoardsAndRounds(int boards, int rounds) {
    setNumber(EdGivar, boards);
    setNumber(EdRonder, rounds);
}

void SetUpPanel::showCounts(int maxPair, int boards, int rounds) {
    setNumber(EdNrPar, maxPair);
    setNumber(EdGivar, boards);
    setNumber(EdRonder, rounds);
}

void SetUpPanel::showHighestNumber(int maxPair) { setNumber(EdNrPar, maxPair); }

void SetUpPanel::showBoards(int boards) { setNumber(EdGivar, boards); }

void SetUpPanel::showByePair(int byePair) {
    EdFripar->setText(byePair > 0 ? QString::number(byePair) : QString());
}

void SetUpPanel::showIndividual(bool keepContestName) {
    if (!keepContestName) EdContName->setText("Individuellt");
    ChkIndividuellt->setChecked(true);
    ChkIndividuellt->setEnabled(false);
}

void SetUpPanel::tickIndividual(bool on) { ChkIndividuellt->setChecked(on); }

void SetUpPanel::showGronaHissen(bool on, int ghVariant) {
    ChkGrHiss->setChecked(on);
    showGronaHissenChoices(on);
    if (!on) return;
    ChkBarometer->setChecked(true);
    rbGHmax1->setChecked(ghVariant == 1);
    rbGHmax2->setChecked(ghVariant == 2);
    rbGHmany->setChecked(ghVariant == kManyMeetings);
}

void SetUpPanel::showHandicap(bool on) { CBHandicap->setChecked(on); }

void SetUpPanel::toggleHandicap() { CBHandicap->toggle(); }

void SetUpPanel::lockTeamContest() {
    cbTeamContest->setChecked(true);
    cbTeamContest->setEnabled(false);
}

void SetUpPanel::showDate(const QString& date) { EdDate->setText(date); }

void SetUpPanel::showScoring(ScoringMethod method) {
    for (int i = 0; i < scoringChoice->count(); ++i)
        if (kScoringMethods[i] == method) scoringChoice->setCurrentIndex(i);
}

void SetUpPanel::startSetUp() {
    BtnKlar->show();
    show();
    setEnabled(true);
    EdGivar->setFocus();
}

void SetUpPanel::guideCardDone() {
    BtnGuide->setEnabled(false);
    createGuideCardButton->setEnabled(false);
    cBoxGuide->setEnabled(false);
    BtnNamn->setFocus();
}

void SetUpPanel::clearForNewContest() {
    show();
    setEnabled(true);
    cBoxGuide->setEnabled(true);
    enableGuideButton();
    EdGivar->clear();
    EdRonder->clear();
    EdNrPar->clear();
    EdSektioner->clear();
    showSectionCards({});
}

QLineEdit* SetUpPanel::addEdit(const char* name, const char* labelName, const QString& label, int top) {
    auto* caption = new QLabel(label, this);
    caption->setObjectName(labelName);
    caption->setGeometry(16, top + 2, 110, 26);
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setGeometry(130, top, 200, 28);
    field->installEventFilter(this);
    setBackground(field, Qt::white);
    return field;
}

QCheckBox* SetUpPanel::addCheck(const char* name, const QString& caption, int left, int top) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setGeometry(left, top, 160, 24);
    return box;
}

std::string SetUpPanel::text(const QLineEdit* field) { return fromQtLossy(field->text()); }

void SetUpPanel::setNumber(QLineEdit* field, int value) {
    field->setText(QString::number(value));
    checkNumberField(field);
}

void SetUpPanel::enableGuideButton() {
    BtnGuide->setEnabled(!cBoxGuide->isChecked());
    createGuideCardButton->setEnabled(!cBoxGuide->isChecked());
}

void SetUpPanel::showGronaHissenChoices(bool shown) {
    for (QWidget* widget : std::initializer_list<QWidget*>{LbGrHiss, rbGHmax1, rbGHmax2, rbGHmany})
        widget->setVisible(shown);
}

void SetUpPanel::checkNumberField(QLineEdit* field) {
    if (field != EdGivar && field != EdRonder && field != EdNrPar && field != EdFripar) return;
    if (isInvalidNumber(field->text())) {
        setBackground(field, kInvalidNumber);
        m_dialogs.message("Inte ett giltigt tal!");
    } else {
        setBackground(field, Qt::white);
    }
}

bool SetUpPanel::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QGroupBox::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter passes on to the next control, as Tab does.
            focusNextChild();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        checkNumberField(field);
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace vindelkast
