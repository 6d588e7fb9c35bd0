#include "app/form1.h"

#include <fstream>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/facit_command.h"
#include "app/fonts.h"
#include "app/menu_tree.h"
#include "app/pane_printer.h"
#include "app/qt_text.h"
#include "app/recovery_file.h"
#include "app/set_up_panel.h"
#include "app/text_pane.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "entry/result_entry.h"
#include "entry/round_draw_command.h"
#include "files/contest_file.h"
#include "files/member_import.h"
#include "model/version.h"

namespace vindelkast {

TForm1::TForm1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName("Form1");
    setWindowTitle("Vindelkast");
    setFont(windowFont(16, true));
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    client->setPalette(green);
    setCentralWidget(client);
    resize(1028, 766 + 30);

    m_menus = new MenuTree(*this);
    m_setUp = new SetUpPanel(client, m_dialogs);
    m_panes = new ViewPanes(*client);
    m_names = new NamePanel(client, *this, m_dialogs);
    m_entry = new ResultEntry(*client, *this, m_dialogs, *m_panes);
    m_printer = std::make_unique<PanePrinter>(m_dialogs);
    connectCommands();
    // The menu keys win over the editing keys of a field (Ctrl+X exports, it does not cut).
    qApp->installEventFilter(this);

    // Start-up: a fresh contest attached to the register, today's date, the register.
    m_fileName.clear();
    m_teamMatch = false;
    m_contest.reset(m_register);
    m_saved = true;
    m_setUp->show();
    setTodaysDate();
    m_setUp->enableGuideButton();
    m_roundHtmlFileName = "rond.html";
    loadMemberRegisterAtStartUp();
}

TForm1::~TForm1() = default;

void TForm1::connectCommands() {
    const auto on = [this](const char* name, void (TForm1::*command)()) {
        connect(m_menus->action(name), &QAction::triggered, this, command);
    };
    on("MnOpen", &TForm1::MnOpenClick);
    on("MnSave", &TForm1::MnSaveClick);
    on("Sparasom1", &TForm1::Sparasom1Click);
    on("MnHTML", &TForm1::MnHTMLClick);
    on("MnGammalHTML", &TForm1::MnGammalHTMLClick);
    connect(m_menus->action("MnFacitgiv"), &QAction::triggered, this, [this] {
        if (runFacitgivar(m_contest, m_dialogs, *m_printer)) contestChanged();
    });
    connect(m_menus->action("MnPBN"), &QAction::triggered, this, [this] { exportPbn(m_contest, m_dialogs); });
    on("MnPrintXML", &TForm1::MnPrintXMLClick);
    on("MnPrintRond", &TForm1::MnPrintRondClick);
    on("Print1", &TForm1::Print1Click);
    on("MnPrintTotalt", &TForm1::MnPrintTotaltClick);
    on("Rensabrjaom1", &TForm1::Rensabrjaom1Click);
    on("Avsluta1", &TForm1::Avsluta1Click);
    on("MnStart", &TForm1::MnStartClick);
    on("MnNamn", &TForm1::MnNamnClick);
    on("MnLottaRond", &TForm1::MnLottaRondClick);
    on("Guidekort1", &TForm1::BtnGuideClick);
    on("MnGivfil", &TForm1::MnGivfilClick);
    on("Handicap1", &TForm1::Handicap1Click);
    on("Lagmatch1", &TForm1::cbTeamContestClick);
    on("MnMedlemsregister", &TForm1::MnMedlemsregisterClick);
    on("MnGeRes", &TForm1::MnGeResClick);
    on("Gmresultat1", &TForm1::GmresultatClick);
    on("Visascoretavlor1", &TForm1::VisascoretavlorClick);
    on("Adderaresultat1", &TForm1::AdderaresultatClick);
    on("Nivelleragivar1", &TForm1::NivelleragivarClick);
    on("Ordning1", &TForm1::Ordning1Click);
    on("BrickaRond1", &TForm1::BrickaRond1Click);
    on("MnParnr", &TForm1::MnParnrClick);
    on("Total1", &TForm1::Total1Click);
    on("Rond1", &TForm1::Rond1Click);
    on("mnPrivatprotokoll1", &TForm1::mnPrivatprotokoll1Click);
    on("Debugmessage1", &TForm1::Debugmessage1Click);
    on("Hjlp1", &TForm1::Hjlp1Click);
    on("OmVindelkast1", &TForm1::OmVindelkast1Click);

    SetUpPanel& p = *m_setUp;
    connect(p.BtnKlar, &QPushButton::clicked, this, &TForm1::BtnKlarClick);
    connect(p.BtnGuide, &QPushButton::clicked, this, &TForm1::BtnGuideClick);
    connect(p.BtnNamn, &QPushButton::clicked, this, &TForm1::MnNamnClick);
    connect(p.ChkIndividuellt, &QCheckBox::clicked, this, &TForm1::ChkIndividuelltClick);
    connect(p.ChkGrHiss, &QCheckBox::clicked, this, [this] { ChkGrHissClick(true); });
    connect(p.CBHandicap, &QCheckBox::toggled, this, &TForm1::CBHandicapClick);
    connect(p.cbTeamContest, &QCheckBox::clicked, this, &TForm1::cbTeamContestClick);
    connect(p.ComboBox2, &QComboBox::currentTextChanged, this, &TForm1::ComboBox2Change);
    connect(p.EdFripar, &QLineEdit::textChanged, this, &TForm1::EdFriparChange);
    connect(&p, &SetUpPanel::contestTextsLeft, this, &TForm1::EdContNameExit);
    connect(p.rbGHmax1, &QRadioButton::clicked, this, [this] { m_contest.ghVariant = 1; });
    connect(p.rbGHmax2, &QRadioButton::clicked, this, [this] { m_contest.ghVariant = 2; });
    connect(p.rbGHmany, &QRadioButton::clicked, this, [this] { m_contest.ghVariant = 9999; });
}

void TForm1::MnNamnClick() { m_names->toggle(); }

void TForm1::MnLottaRondClick() {
    GmresultatClick();
    if (drawNextRound(m_contest, *m_panes, m_dialogs, *centralWidget())) contestChanged();
}

void TForm1::setTodaysDate() { m_setUp->EdDate->setText(QDate::currentDate().toString("yyyy-MM-dd")); }

void TForm1::loadMemberRegisterAtStartUp() {
    const std::string problem = loadRegisterAtStartUp(m_register);
    if (problem.empty()) return;
    m_dialogs.message(toQt(problem));
    loadChosenRegister(pathFromQt(m_dialogs.openFileName("Textfiler (*.txt)|*.txt")), m_register);
}

QRect TForm1::entryPanelGeometry() const { return m_entry->panelGeometry(); }

int TForm1::currentBoard() const { return m_entry->currentBoard(); }

bool TForm1::roundMode() const { return m_entry->roundMode(); }

void TForm1::contestChanged() {
    m_saved = false;
    writeRecovery();
    refreshCaption();
}

void TForm1::markSaved() {
    m_saved = true;
    removeRecovery();
}

void TForm1::refreshCaption() {
    EdContNameExit();
    const Contest& c = m_contest;
    std::string caption = " " + c.contestName;
    if (c.hasHandicap) caption += "    med hcp";
    caption += "   " + c.contestDate + ". " + std::to_string(c.boardCount) + " givar. " +
               std::to_string(c.maxPairNumber) + (c.isIndividual ? " personer." : " par.");
    if (c.isBarometer) caption += c.isGronaHissen ? " Gr\xf6na Hissen." : " Barometer.";
    QString title = toQt(caption);
    if (m_saved && !m_fileName.empty()) title += "  [" + QFileInfo(pathToQt(m_fileName)).fileName() + "]";
    if (!m_saved) title += " *";
    setWindowTitle(title);
}

void TForm1::EdContNameExit() {
    m_contest.contestName = SetUpPanel::text(m_setUp->EdContName);
    m_contest.contestDate = SetUpPanel::text(m_setUp->EdDate);
}

void TForm1::setParnrCaption() {
    m_menus->action("MnParnr")->setText(m_contest.isBarometer ? "&Parnummer" : "&Inmatade givar");
}

// --- the recovery file ---

void TForm1::writeRecovery() {
    RecoverySettings settings;
    settings.fileName = m_fileName;
    settings.hasHandicap = m_contest.hasHandicap;
    settings.teamMatch = m_teamMatch;
    settings.teamName1 = m_contest.teamName1;
    settings.teamName2 = m_contest.teamName2;
    settings.nameFrozen = m_contest.nameFrozen;
    settings.setUpDone = m_contest.setUpDone;
    const std::string problem = writeRecoveryFile(kRecoveryFileName, m_contest, settings, kVersionText);
    // A full disk must not stop the evening; the director hears of it once per run.
    if (!problem.empty() && !m_recoveryProblemTold) {
        m_recoveryProblemTold = true;
        m_dialogs.message(toQt(problem) + "\n(\u00c5terst\u00e4llningsfilen kunde inte skrivas.)");
    }
}

void TForm1::removeRecovery() { QFile::remove(kRecoveryFileName); }

void TForm1::offerRecovery() {
    std::ifstream in(kRecoveryFileName, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    in.close();
    if (m_contest.setUpDone) return;
    if (!m_dialogs.confirm(
            "Vindelkast avslutades inte normalt f\u00f6rra g\u00e5ngen. Det finns \u00e4ndringar som inte "
            "sparades.\nVill du \u00f6ppna den osparade t\u00e4vlingen?"))
        return;
    if (!restoreFromRecovery(text.str()))
        m_dialogs.message("\u00c5terst\u00e4llningsfilen " + QString(kRecoveryFileName) +
                          " kunde inte l\u00e4sas.");
}

bool TForm1::restoreFromRecovery(const std::string& text) {
    RecoverySettings settings;
    std::string contestText;
    if (!parseRecoveryText(text, settings, contestText).empty()) return false;
    std::istringstream in(contestText);
    const ContestReadResult read = readContestFile(m_contest, in);
    if (read.kind == ContestReadResult::Kind::NotContest || read.kind == ContestReadResult::Kind::NotOpen)
        return false;
    m_fileName = settings.fileName;
    m_contest.hasHandicap = settings.hasHandicap;
    m_setUp->CBHandicap->setChecked(settings.hasHandicap);
    m_teamMatch = settings.teamMatch;
    m_contest.isTeamContest = settings.teamMatch;
    m_contest.teamName1 = settings.teamName1;
    m_contest.teamName2 = settings.teamName2;
    if (settings.teamMatch) {
        m_setUp->cbTeamContest->setChecked(true);
        m_setUp->cbTeamContest->setEnabled(false);
    }
    m_contest.nameFrozen = settings.nameFrozen;
    if (m_contest.isIndividual) applyIndividualLook(true);
    if (m_contest.isGronaHissen) ChkGrHissClick(false);
    fillSetUpFieldsFromContest();
    if (settings.setUpDone && m_contest.boardCount > 0 && m_contest.roundCount > 0 &&
        m_contest.maxPairNumber > 0)
        m_contest.setUpDone = true;
    if (!read.message.empty()) m_dialogs.message("Indata ej OK: " + toQt(read.message));
    m_panes->setStandingsScrollBar(m_contest.maxPairNumber >= 28);
    // The brought-back contest is not on disk yet: it stays unsaved until saved.
    m_saved = false;
    refreshCaption();
    showOpenedContest();
    return true;
}

// --- closing ---

bool TForm1::askToSaveFirst(const QString& question) {
    if (m_saved) return true;
    if (!m_dialogs.confirm(question)) return true;
    return saveContest();
}

void TForm1::Avsluta1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!askToSaveFirst("Avsluta - vill du spara t\u00e4vlingen f\u00f6rst?")) {
        event->ignore();
        return;
    }
    removeRecovery();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (widget && widget->window() == this && m_menus->isMenuKey(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_panes && centralWidget())
        m_panes->placeForWindow(centralWidget()->width(), centralWidget()->height());
}

}  // namespace vindelkast
