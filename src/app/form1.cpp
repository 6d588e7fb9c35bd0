#include "app/form1.h"

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
#include <QSignalBlocker>

#include "app/archive_desk.h"
#include "app/enter_presses_buttons.h"
#include "app/facit_command.h"
#include "app/menu_tree.h"
#include "app/pane_printer.h"
#include "app/set_up_panel.h"
#include "app/table_desk.h"
#include "app/table_server.h"
#include "app/table_status_line.h"
#include "app/text_pane.h"
#include "app/text_size.h"
#include "app/view_panes.h"
#include "entry/name_panel.h"
#include "entry/result_entry.h"
#include "entry/round_draw_command.h"
#include "files/file_names.h"
#include "files/member_import.h"
#include "files/recovery_file.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"
#include "session/dialogs.h"

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

    // Start-up: a fresh contest attached to the register.
    m_session = new ContestSession(this);
    m_menus = new MenuTree(*this);
    m_setUp = new SetUpPanel(client, m_dialogs);
    m_panes = new ViewPanes(*client, *m_session);
    m_panes->setTextScale(savedTextScale());
    m_names = new NamePanel(client, *m_session, m_dialogs, *m_panes,
                            [this] { return m_setUp->choices().individual; });
    m_entry = new ResultEntry(*client, *m_session, m_dialogs, *m_panes);
    m_printer = std::make_unique<PanePrinter>(m_dialogs);
    m_tableServer = new TableServer(*m_session, this);
    m_tableDesk = new TableDesk(this, *m_session, *m_tableServer, m_dialogs, *m_printer);
    m_tableStatus = new TableStatusLine(*statusBar(), *m_session, *m_tableServer);
    m_archiveDesk = new ArchiveDesk(this, m_dialogs);
    connectCommands();
    connectPanels();
    connectArchive();
    connectEdits();
    // The menu keys win over the editing keys of a field (Ctrl+X exports, it does not cut).
    qApp->installEventFilter(this);
    qApp->installEventFilter(new EnterPressesButtons(this));

    // Today's date and the register.
    m_setUp->show();
    setTodaysDate();
    EdContNameChange();
    m_setUp->enableGuideButton();
    m_roundHtmlFileName = "rond.html";
    loadMemberRegisterAtStartUp();
}

TForm1::~TForm1() = default;

void TForm1::connectCommands() {
    const auto on = [this](QAction* item, void (TForm1::*command)()) {
        connect(item, &QAction::triggered, this, command);
    };
    // A command chosen straight after typing must not lose what was typed.
    for (QAction* action : findChildren<QAction*>())
        connect(action, &QAction::triggered, m_entry, &ResultEntry::storePendingEdit);
    on(m_menus->commands().open, &TForm1::MnOpenClick);
    on(m_menus->commands().save, &TForm1::MnSaveClick);
    on(m_menus->commands().saveAs, &TForm1::Sparasom1Click);
    on(m_menus->commands().exportHtml, &TForm1::MnHTMLClick);
    on(m_menus->commands().exportOldHtml, &TForm1::MnGammalHTMLClick);
    connect(m_menus->commands().analysedDeals, &QAction::triggered, this, [this] {
        m_session->editIf({"facitgivar"}, ContestChange::everything(),
                          [this](Contest& c) { return runFacitgivar(c, m_dialogs, *m_printer); });
    });
    connect(m_menus->commands().exportPbn, &QAction::triggered, this,
            [this] { exportPbn(contest(), m_dialogs); });
    on(m_menus->commands().exportXml, &TForm1::MnPrintXMLClick);
    on(m_menus->commands().exportRound, &TForm1::MnPrintRondClick);
    on(m_menus->commands().publishSite, &TForm1::MnWebbClick);
    on(m_menus->commands().printRound, &TForm1::Print1Click);
    on(m_menus->commands().printStandings, &TForm1::MnPrintTotaltClick);
    on(m_menus->commands().clear, &TForm1::Rensabrjaom1Click);
    on(m_menus->commands().quit, &TForm1::Avsluta1Click);
    on(m_menus->commands().setUp, &TForm1::MnStartClick);
    on(m_menus->commands().names, &TForm1::MnNamnClick);
    on(m_menus->commands().drawRound, &TForm1::MnLottaRondClick);
    on(m_menus->commands().tables, &TForm1::MnBordClick);
    on(m_menus->commands().guideCard, &TForm1::BtnGuideClick);
    on(m_menus->commands().dealFile, &TForm1::MnGivfilClick);
    on(m_menus->commands().handicap, &TForm1::Handicap1Click);
    on(m_menus->commands().teamMatch, &TForm1::cbTeamContestClick);
    on(m_menus->commands().teamEvent, &TForm1::teamEventClick);
    on(m_menus->commands().nextSeriesEvening, &TForm1::nextSeriesEveningClick);
    on(m_menus->commands().fixedMeetings, &TForm1::fixedMeetingsClick);
    on(m_menus->commands().vpAdjustment, &TForm1::vpAdjustmentClick);
    on(m_menus->commands().redrawRound, &TForm1::redrawRoundClick);
    on(m_menus->commands().moveTeams, &TForm1::moveTeamsClick);
    on(m_menus->commands().teamEventView, &TForm1::teamEventViewClick);
    on(m_menus->commands().memberRegister, &TForm1::MnMedlemsregisterClick);
    on(m_menus->commands().giveResult, &TForm1::MnGeResClick);
    on(m_menus->commands().hideResult, &TForm1::GmresultatClick);
    on(m_menus->commands().scoreTables, &TForm1::VisascoretavlorClick);
    on(m_menus->commands().addResults, &TForm1::AdderaresultatClick);
    on(m_menus->commands().levelBoards, &TForm1::NivelleragivarClick);
    connect(m_menus->commands().neuberg, &QAction::toggled, this, [this](bool neuberg) {
        ScoringRule rule = contest().scoringRule;
        rule.neuberg = neuberg;
        m_session->chooseScoringRule(rule);
    });
    connect(m_menus->commands().acrossField, &QAction::toggled, this,
            [this](bool across) { m_session->chooseSectionComparison(across); });
    on(m_menus->commands().order, &TForm1::Ordning1Click);
    on(m_menus->commands().boardOrRound, &TForm1::BrickaRond1Click);
    on(m_menus->commands().enteredBoards, &TForm1::MnParnrClick);
    on(m_menus->commands().standings, &TForm1::Total1Click);
    on(m_menus->commands().roundResult, &TForm1::Rond1Click);
    on(m_menus->commands().privateProtocol, &TForm1::mnPrivatprotokoll1Click);
    on(m_menus->commands().debug, &TForm1::Debugmessage1Click);
    connect(m_menus->commands().textSize, &QAction::triggered, this,
            [this] { askTextScale(m_dialogs, *m_panes); });
    on(m_menus->commands().help, &TForm1::Hjlp1Click);
    on(m_menus->commands().about, &TForm1::OmVindelkast1Click);

    SetUpPanel* p = m_setUp;
    connect(p, &SetUpPanel::klarClicked, this, &TForm1::BtnKlarClick);
    connect(p, &SetUpPanel::guideClicked, this, &TForm1::BtnGuideClick);
    connect(p, &SetUpPanel::createGuideCardClicked, this, &TForm1::createGuideCardClick);
    connect(p, &SetUpPanel::namesClicked, this, &TForm1::MnNamnClick);
    connect(p, &SetUpPanel::individualClicked, this, &TForm1::ChkIndividuelltClick);
    connect(p, &SetUpPanel::gronaHissenClicked, this, [this] { ChkGrHissClick(true); });
    connect(p, &SetUpPanel::handicapToggled, this, &TForm1::CBHandicapClick);
    connect(p, &SetUpPanel::teamContestClicked, this, &TForm1::cbTeamContestClick);
    connect(p, &SetUpPanel::arrangerChanged, this, &TForm1::ComboBox2Change);
    connect(p, &SetUpPanel::byePairChanged, this, &TForm1::EdFriparChange);
    connect(p, &SetUpPanel::contestTextsChanged, this, &TForm1::EdContNameChange);
    connect(p, &SetUpPanel::ghVariantChosen, this,
            [this](int variant) { m_session->choose([variant](Contest& c) { c.ghVariant = variant; }); });
    connect(p, &SetUpPanel::scoringChosen, this, [this](ScoringMethod method) {
        ScoringRule rule = contest().scoringRule;
        rule.method = method;
        m_session->chooseScoringRule(rule);
    });
}

// Which panel is visible where is decided here; the panels only say what they are doing.
void TForm1::connectPanels() {
    connect(m_session, &ContestSession::changed, this, &TForm1::refreshCaption);
    // An opened, restored or cleared contest brings its own rule.
    connect(m_session, &ContestSession::changed, this, [this] {
        QAction* neuberg = m_menus->commands().neuberg;
        const QSignalBlocker quiet(neuberg);
        neuberg->setChecked(contest().scoringRule.neuberg);
        m_setUp->showScoring(contest().scoringRule.method);
        QAction* across = m_menus->commands().acrossField;
        const QSignalBlocker quietAcross(across);
        across->setEnabled(contest().sections.any());
        across->setChecked(contest().sections.any() && contest().sections.acrossField);
    });
    connect(m_session, &ContestSession::changed, m_tableStatus, &TableStatusLine::refresh);
    connect(m_session, &ContestSession::savedStateChanged, this, &TForm1::refreshCaption);
    // Shown once the event loop turns again, never inside the change that failed: a message box
    // runs the loop, and a table's request handled there must find the change already decided.
    connect(
        m_session, &ContestSession::recoveryProblem, this,
        [this](const QString& problem) {
            m_dialogs.message(problem + "\n(\u00c5terst\u00e4llningsfilen kunde inte skrivas.)");
        },
        Qt::QueuedConnection);
    connect(
        m_tableServer, &TableServer::problemToShow, this,
        [this](const QString& problem) {
            m_dialogs.message(problem + "\n(\u00c5terst\u00e4llningsfilen kunde inte skrivas.)");
        },
        Qt::QueuedConnection);
    m_panes->setTypedNumbers([this] { return m_entry->typedNumbers(); });

    connect(m_entry, &ResultEntry::opening, this, [this] {
        m_names->hide();
        // Closing the names shows the set-up again; the grid and the standings would lie over it.
        m_setUp->hide();
    });
    connect(m_names, &NamePanel::opening, this, [this] {
        m_setUp->hide();
        GmresultatClick();
    });
    connect(m_names, &NamePanel::closed, m_setUp, &QWidget::show);
    connect(m_names, &NamePanel::highestNumberToShow, this, [this](int number) {
        if (m_setUp->highestNumberShown() != number) m_setUp->showHighestNumber(number);
    });
    connect(m_names, &NamePanel::byePairToShow, m_setUp, &SetUpPanel::showByePair);
}

void TForm1::MnNamnClick() { m_names->toggle(); }

void TForm1::MnLottaRondClick() {
    GmresultatClick();
    drawNextRound(*m_session, *m_panes, m_dialogs);
}

void TForm1::setTodaysDate() { m_setUp->showDate(QDate::currentDate().toString("yyyy-MM-dd")); }

void TForm1::loadMemberRegisterAtStartUp() {
    MemberRegister& reg = m_session->memberRegister();
    const std::string problem = loadRegisterAtStartUp(reg);
    if (problem.empty()) return;
    m_dialogs.message(toQt(problem));
    const std::string chosen = pathFromQt(m_dialogs.openFileName("Textfiler (*.txt)|*.txt"));
    const std::string missing =
        chosen.empty() ? std::string() : missingFileMessage(withDefaultExtension(chosen, ".txt"));
    if (!missing.empty()) m_dialogs.message(toQt(missing));
    loadChosenRegister(chosen, reg);
}

QRect TForm1::entryPanelGeometry() const { return m_entry->panelGeometry(); }

int TForm1::currentBoard() const { return m_entry->currentBoard(); }

bool TForm1::roundMode() const { return m_entry->roundMode(); }

void TForm1::refreshCaption() {
    const Contest& c = contest();
    std::string caption = " " + c.contestName;
    if (c.hasHandicap) caption += "    med hcp";
    caption += "   " + c.contestDate + ". " + std::to_string(c.boardCount) + " givar. " +
               std::to_string(c.maxPairNumber) + (c.isIndividual ? " personer." : " par.");
    if (c.teams.form == TeamForm::SwissPairs)
        caption += " Monrad f\xf6r par.";
    else if (c.teams.any())
        caption += " " + std::to_string(c.teams.teamCount) + " lag, " +
                   (c.teams.form == TeamForm::Swiss ? "Monrad." : "alla mot alla.");
    if (c.isBarometer) caption += c.isGronaHissen ? " Gr\xf6na Hissen." : " Barometer.";
    QString title = toQt(caption);
    if (m_session->isSaved() && !m_session->fileName().empty())
        title += "  [" + QFileInfo(pathToQt(m_session->fileName())).fileName() + "]";
    if (!m_session->isSaved()) title += " *";
    setWindowTitle(title);
}

void TForm1::EdContNameChange() {
    const SetUpChoices fields = m_setUp->choices();
    m_session->choose([&fields](Contest& c) {
        c.contestName = fields.contestName;
        c.contestDate = fields.contestDate;
    });
}

void TForm1::setParnrCaption() {
    m_menus->commands().enteredBoards->setText(contest().isBarometer ? "&Parnummer" : "&Inmatade givar");
}

// --- the recovery file ---

void TForm1::offerRecovery(bool ask) {
    const std::string text = ContestSession::recoveryFileText();
    if (text.empty() || contest().setUpDone) return;
    if (ask &&
        !m_dialogs.confirm(
            "Vindelkast avslutades inte normalt f\u00f6rra g\u00e5ngen. Det finns \u00e4ndringar som inte "
            "sparades.\nVill du \u00f6ppna den osparade t\u00e4vlingen?"))
        return;
    if (!restoreFromRecovery(text))
        m_dialogs.message("\u00c5terst\u00e4llningsfilen " + QString(kRecoveryFileName) +
                          " kunde inte l\u00e4sas.");
}

bool TForm1::restoreFromRecovery(const std::string& text) {
    std::string message;
    if (!m_session->restore(text, message)) return false;
    const Contest& c = contest();
    m_setUp->showHandicap(c.hasHandicap);
    if (m_session->teamMatch()) m_setUp->lockTeamContest();
    if (c.isIndividual) applyIndividualLook(true);
    if (c.isGronaHissen) ChkGrHissClick(false);
    applyTeamEventLook();
    m_setUp->showContest(c);
    if (!message.empty()) m_dialogs.message("Indata ej OK: " + toQt(message));
    m_panes->setStandingsScrollBar(c.maxPairNumber >= 28);
    refreshCaption();
    showOpenedContest();
    return true;
}

// --- closing ---

bool TForm1::askToSaveFirst(const QString& question) {
    if (m_session->isSaved()) return true;
    switch (m_dialogs.ask(question)) {
    case Dialogs::Answer::Yes:
        return saveContest();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    // Esc or closing the question keeps everything, the recovery file included.
    return false;
}

void TForm1::Avsluta1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!askToSaveFirst("Avsluta - vill du spara t\u00e4vlingen f\u00f6rst?")) {
        event->ignore();
        return;
    }
    m_session->removeRecovery();
    m_tableServer->forgetEvening();
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
