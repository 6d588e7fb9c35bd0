#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "model/contest.h"
#include "model/member_register.h"

class QAction;

namespace vindelkast {

class Dialogs;
class MenuTree;
class NamePanel;
class PanePrinter;
class ResultEntry;
class SetUpPanel;
class ViewPanes;
struct SetUpRequest;

// The main window: owns the one contest and the member register for the whole run, offers
// every command through its menus, keys and the set-up panel, and shows the views. Each
// command reads its widgets, asks through the dialogs, calls the core, shows the message
// and refreshes.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and does the start-up: a fresh contest, today's date, the member
    // register "medlem.txt" from the working folder.
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // Offers to bring back the contest of a run that did not end normally.
    void offerRecovery();

    Contest& contest() { return m_contest; }
    MemberRegister& memberRegister() { return m_register; }
    const std::string& currentFileName() const { return m_fileName; }
    bool isSaved() const { return m_saved; }
    SetUpPanel& setUpPanel() { return *m_setUp; }
    ViewPanes& panes() { return *m_panes; }
    MenuTree& menus() { return *m_menus; }
    NamePanel& namePanel() { return *m_names; }
    ResultEntry& entry() { return *m_entry; }

    // Called by every command that changes results or names: clears the saved flag,
    // writes the recovery file and refreshes the caption.
    void contestChanged();
    void refreshCaption();
    // The save command; true when the contest was written.
    bool saveContest();

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
    void BtnKlarClick();
    void ChkIndividuelltClick();
    void ChkGrHissClick(bool fromUser);
    void CBHandicapClick();
    void Handicap1Click();
    void cbTeamContestClick();
    void ComboBox2Change();
    void EdFriparChange();
    void EdContNameExit();
    void BtnGuideClick();
    void MnGivfilClick();
    void MnMedlemsregisterClick();
    void AdderaresultatClick();
    void NivelleragivarClick();
    void MnHTMLClick();
    void MnGammalHTMLClick();
    void MnPrintXMLClick();
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCommands();
    void loadMemberRegisterAtStartUp();
    void applyIndividualLook(bool keepContestName);
    void applyGronaHissenLook(bool on);
    void setParnrCaption();
    void setTodaysDate();
    void markSaved();
    bool askToSaveFirst(const QString& question);
    void writeRecovery();
    void removeRecovery();
    bool restoreFromRecovery(const std::string& text);
    void fillSetUpFieldsFromContest();
    SetUpRequest setUpRequest() const;  // the set-up panel's fields and kind boxes
    void showOpenedContest();
    void writeFullHtml(bool oldStyle);
    void clearContest();

    Dialogs& m_dialogs;
    MemberRegister m_register;
    Contest m_contest;
    MenuTree* m_menus = nullptr;
    SetUpPanel* m_setUp = nullptr;
    ViewPanes* m_panes = nullptr;
    NamePanel* m_names = nullptr;
    ResultEntry* m_entry = nullptr;
    std::unique_ptr<PanePrinter> m_printer;

    std::string m_fileName;  // the contest file last opened or saved (path bytes)
    bool m_saved = true;
    bool m_teamMatch = false;
    std::string m_roundHtmlFileName = "rond.html";
    bool m_recoveryProblemTold = false;
};

}  // namespace vindelkast
