#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QGroupBox>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace vindelkast {

class ContestSession;
class Dialogs;
class NamePanelList;
class PaneRequests;

// The name panel GroupNamn ("Namn till startlista "): a grid of name fields, one row per
// participant number of the page, created as the start list grows; the list ListPers of the
// register members that match what is typed; random seating, freezing, swapping and
// deleting of marked places; and the new-person box gbNyPers. The contest's start list is
// the only data: the fields show it and every choice goes into it through the session.
class NamePanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 60;
    static constexpr int kPageStep = 25;

    // `individualChosen` tells whether the set-up asks for an individual contest, before the
    // contest itself is one.
    NamePanel(QWidget* parent, ContestSession& session, Dialogs& dialogs, PaneRequests& panes,
              std::function<bool()> individualChosen);

    // Opens the panel when it is hidden, closes it when it is shown.
    void toggle();
    // Rebuilds the page from the start list and moves the focus on from the active field.
    void refreshNamePanel();
    // Seats the member of that long name (the first listed one when `text` is empty) at a
    // row and column of the page.
    void putMemberInStartList(std::string text, int row, int column);
    // Back to the start state, for a cleared contest.
    void clearState();

    // The rows of the page; their fields are found by their names: EdNamn<row><column>
    // (column 0 the first person, 1 the second) and the marks ChkNamnMark<row>.
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int pageOffset() const { return m_pageOffset; }
    // The members ListPers shows.
    NamePanelList& listModel() const { return *m_list; }

    // Commands of the panel's buttons.
    void Btn25ForwardClick();
    void Btn25BackClick();
    void BtnSlumpClick();
    void btFrysNamnClick();
    void btBytClick();
    void btTaBortNamnClick();
    void btNyPersOKClick();
    void btnNyPersEJClick();
    // The evenings in the club's archive of the person in the name field last entered (F12).
    void playerHistoryClick();

signals:
    // The panel opens over the set-up and the entry panel, and gives the set-up back on closing.
    void opening();
    void closed();
    // The set-up's "Max parnr" and "Nr fripar" follow the start list (0: no bye pair).
    void highestNumberToShow(int number);
    void byePairToShow(int byePair);
    // The director asks for a member's evenings in the club's archive.
    void playerHistoryAsked(int memberId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* number = nullptr;
        QLineEdit* first = nullptr;
        QLineEdit* second = nullptr;  // none in an individual contest
        QCheckBox* mark = nullptr;
    };

    // The name field of a row (1..rowCount) and column (0 first person, 1 second); null
    // when the row or the field does not exist.
    QLineEdit* nameField(int row, int column) const;
    QCheckBox* markBox(int row) const;

    void buildButtons();
    void buildNewPersonBox();
    void open();
    void close();
    void ensureRows(int count);
    void createRow(int r);
    void openSecondColumn();

    void nameFieldEdited(QLineEdit* field);
    bool nameFieldKey(QLineEdit* field, int key);
    void accept(QLineEdit* field);
    void openNewPersonBox(QLineEdit* field);
    void selectListRow(int row);
    int selectedListRow() const;
    void listPressed(const QPoint& position);

    // Marked participant numbers of the page (1..72), with the marks cleared.
    std::vector<int> takeMarks();
    void showByePair();
    void showParticipantCount();
    void focusAfter(QWidget* widget);
    void keepFocusOnNameField();
    void changed();

    static int tagOf(const QLineEdit* field);

    QListView* ListPers = nullptr;
    QPushButton* BtnNameClose = nullptr;
    QPushButton* Btn25Back = nullptr;
    QPushButton* Btn25Forward = nullptr;
    QPushButton* BtnSlump = nullptr;
    QPushButton* btFrysNamn = nullptr;
    QPushButton* btByt = nullptr;
    QPushButton* btTaBortNamn = nullptr;
    QGroupBox* gbNyPers = nullptr;
    QLineEdit* edNyNamn = nullptr;
    QLineEdit* edNyId = nullptr;
    QLineEdit* edHcp = nullptr;
    QPushButton* btNyPersOK = nullptr;
    QPushButton* btnNyPersEJ = nullptr;
    QPushButton* playerHistoryButton = nullptr;

    ContestSession& m_session;
    Dialogs& m_dialogs;
    PaneRequests& m_panes;
    std::function<bool()> m_individualChosen;
    NamePanelList* m_list = nullptr;
    std::vector<Row> m_rows;
    int m_pageOffset = 0;
    QPointer<QLineEdit> m_active;      // the name field last entered
    QPointer<QLineEdit> m_remembered;  // the field the new-person box was opened from
};

}  // namespace vindelkast
