#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "movement/typed_corrections.h"
#include "session/contest_session.h"

class QAction;

namespace vindelkast {

class ArchiveDesk;
class Dialogs;
class MenuTree;
class NamePanel;
class PanePrinter;
class ResultEntry;
class SetUpPanel;
class TableDesk;
class TableServer;
class TableStatusLine;
class ViewPanes;

// The main window: builds the parts (the contest session, the menus, the set-up panel, the
// panes, the name and entry panels), wires their signals and alone decides which panel is
// visible where. It offers every command through its menus, keys and the set-up panel; a
// command reads the panel's fields, asks through the dialogs, changes the contest through the
// session and shows the message. The views follow the session by themselves.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and does the start-up: a fresh contest, today's date, the member
    // register "medlem.txt" from the working folder.
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // Offers to bring back the contest of a run that did not end normally; without asking
    // when `ask` is false (the hidden start option the crash tests use).
    void offerRecovery(bool ask = true);
    // Opens the contest named on the command line, as "Öppna" would once it is chosen. A
    // contest already on screen (one restored from the recovery file) is offered to be saved
    // first and stays when the question is cancelled.
    void openAtStart(const QString& fileName);

    ContestSession& session() { return *m_session; }
    const Contest& contest() const { return m_session->contest(); }
    MemberRegister& memberRegister() { return m_session->memberRegister(); }
    const std::string& currentFileName() const { return m_session->fileName(); }
    bool isSaved() const { return m_session->isSaved(); }
    ViewPanes& panes() { return *m_panes; }
    MenuTree& menus() { return *m_menus; }
    NamePanel& namePanel() { return *m_names; }
    ResultEntry& entry() { return *m_entry; }
    ArchiveDesk& archiveDesk() { return *m_archiveDesk; }

    void refreshCaption();
    // The save command; true when the contest was written.
    bool saveContest();

    TableServer& tableServer() { return *m_tableServer; }
    TableDesk& tableDesk() { return *m_tableDesk; }
    // Switches the table server on at `port` ("vindelkast --bord"); "" or the message.
    QString startTableServer(quint16 port);

    // The board the entry panel shows (board 1 until result entry is opened) and its mode.
    int currentBoard() const;
    bool roundMode() const;
    // Where the entry panel stands; the score tables are placed beside it.
    QRect entryPanelGeometry() const;

    // Commands, named after the component and event that start them.
    void MnOpenClick();
    void MnSaveClick();
    void Sparasom1Click();
    void Rensabrjaom1Click();
    void Avsluta1Click();
    void MnStartClick();
    void MnNamnClick();
    void MnLottaRondClick();
    void MnBordClick();
    void BtnKlarClick();
    void ChkIndividuelltClick();
    void ChkGrHissClick(bool fromUser);
    void CBHandicapClick(bool on);
    void Handicap1Click();
    void cbTeamContestClick();
    // A team event ("Lagtävling…") and what only it has.
    void teamEventClick();
    void nextSeriesEveningClick();
    void teamEventViewClick();
    void fixedMeetingsClick();
    void vpAdjustmentClick();
    void redrawRoundClick();
    void moveTeamsClick();
    void ComboBox2Change();
    void EdFriparChange();
    void EdContNameChange();
    void BtnGuideClick();
    void createGuideCardClick();
    void MnGivfilClick();
    void MnMedlemsregisterClick();
    void AdderaresultatClick();
    void NivelleragivarClick();
    void MnHTMLClick();
    void MnGammalHTMLClick();
    void MnPrintXMLClick();
    void MnWebbClick();
    void MnPrintRondClick();
    void Print1Click();
    void MnPrintTotaltClick();
    void MnGeResClick();
    void GmresultatClick();
    void VisascoretavlorClick();
    void Ordning1Click();
    void BrickaRond1Click();
    void MnParnrClick();
    void Total1Click();
    void Rond1Click();
    void mnPrivatprotokoll1Click();
    void Debugmessage1Click();
    void Hjlp1Click();
    void OmVindelkast1Click();
    // The club's archive.
    void keepInArchiveClick();
    void keepOnSaveClick(bool on);
    void archivePlaceClick();
    void seasonClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCommands();
    void connectPanels();
    void loadMemberRegisterAtStartUp();
    void applyIndividualLook(bool keepContestName);
    void applyGronaHissenLook(bool on);
    // The team event's commands on or off as the contest is one or not.
    void applyTeamEventLook();
    void setParnrCaption();
    void setTodaysDate();
    bool askToSaveFirst(const QString& question);
    bool restoreFromRecovery(const std::string& text);
    void showOpenedContest();
    void openContestFile(const QString& fileName);
    void printMovementCards(const std::string& cardFile);
    // What heads every printed page: the contest's name and date, then `what` is printed.
    QString pageTitle(const QString& what) const;
    void writeFullHtml(bool oldStyle);
    void clearContest();
    void connectArchive();
    bool keepEveningInArchive(bool atSave);
    // "Redigera": undo, redo, the journal and the corrections.
    void connectEdits();
    void refreshEditCommands();
    void takeEditBack(bool redo);
    void correctClick(CorrectionKind kind);

    Dialogs& m_dialogs;
    ContestSession* m_session = nullptr;
    MenuTree* m_menus = nullptr;
    SetUpPanel* m_setUp = nullptr;
    ViewPanes* m_panes = nullptr;
    NamePanel* m_names = nullptr;
    ResultEntry* m_entry = nullptr;
    std::unique_ptr<PanePrinter> m_printer;
    TableServer* m_tableServer = nullptr;
    TableDesk* m_tableDesk = nullptr;
    TableStatusLine* m_tableStatus = nullptr;
    ArchiveDesk* m_archiveDesk = nullptr;

    std::string m_roundHtmlFileName = "rond.html";
};

}  // namespace vindelkast
