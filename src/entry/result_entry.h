#pragma once

#include <optional>
#include <vector>

#include <QGroupBox>
#include <QHash>

#include "model/entry_rules.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace vindelkast {

class ContestSession;
class Dialogs;
struct ContestChange;
class PaneRequests;
struct Contest;

// The entry panel GrpRes ("Ge resultat"): the grid in which the director types the pair
// numbers and scores of each table, one board at a time or a whole round side by side.
// A score is stored the moment its cell is left or Enter (or a shortcut) is pressed; the
// board is scored at once through the session, whose signal refreshes the open views. The
// rules themselves live in model/entry_rules; the panel reads its fields, hands them to the
// session and shows what it answers.
class ResultEntry : public QGroupBox {
    Q_OBJECT
public:
    // Created hidden inside the window's client area.
    ResultEntry(QWidget& client, ContestSession& session, Dialogs& dialogs, PaneRequests& panes);

    // "Ge res" (F4): shows the panel, building the grid the first time, else asks for a board.
    void open();
    // "Göm resultat" (Shift+F4).
    void hideEntry();
    // "Bricka / Rond" (F7).
    void toggleRoundMode();
    // "Ordning" (F6): steps the result order and shows the boards in it.
    void stepResultOrder();
    void BtnPrevClick();
    void BtnNextClick();
    // The hidden compute button: stores nothing unless given a score cell.
    void BtnCalcClick();
    // Fills the grid from the boards again (after the order changed or a round was drawn);
    // a grid that no longer fits the contest is built again first.
    void fillGrid();
    // "Rensa": back to the start state; the next opening builds the grid for the new contest.
    void clearEntry();
    // Start-up, clear and Gröna Hissen want the whole round side by side.
    void roundModeOn();
    // An individual contest: four player columns.
    void showIndividualHeadings();
    // Stores what the focused field holds when it was typed but not yet stored; the window
    // calls it before every menu command.
    void storePendingEdit();

    int currentBoard() const { return m_currentBoard; }
    bool roundMode() const { return m_roundMode; }
    bool gridBuilt() const { return m_built; }
    // Where the panel stands in the window's client area.
    QRect panelGeometry() const;
    // The pair (player) numbers typed in the grid, for the progress grid of a barometer
    // contest; numbers above the highest pair number are cleared from their fields.
    std::vector<int> typedNumbers();

    // The grid's rows (tables); its fields are found by their names (EdNs0, EdScore0_1, ...).
    int rowCount() const { return static_cast<int>(m_rows.size()); }

signals:
    // The panel is about to show: the window hides what it would lie over.
    void opening();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class FieldKind { Ns, NsPartner, Ew, EwPartner, Score };
    struct FieldRef {
        int row = 0;
        FieldKind kind = FieldKind::Ns;
        int column = 0;
    };
    struct GridRow {
        QLineEdit* ns = nullptr;
        QLineEdit* nsPartner = nullptr;
        QLineEdit* ew = nullptr;
        QLineEdit* ewPartner = nullptr;
        QLineEdit* swap = nullptr;
        std::vector<QLineEdit*> cells;
        bool seatsChange = false;   // the row's pairs change seats within the round
        std::vector<bool> swapped;  // per column: they sit the other way round there
    };

    // The grid's fields; nullptr where there is none.
    QLineEdit* nsField(int row) const;
    QLineEdit* scoreCell(int row, int column) const;

    // The grid (result_entry_grid.cpp).
    void buildGrid();
    void removeGrid();
    QLineEdit* makeField(const QString& name, int left, int top, int width, int tag, FieldRef ref);
    void setRoundMode(bool on);
    void layOutColumns();
    void showHeadings();
    int visibleColumns() const;
    void clearFields();
    void showContents();
    void showOrderCaption();
    void placeInWindow();
    void placeViewsBelow();
    bool checkDuplicates();
    EntryView gridView(int eraseRow = -1);
    QLineEdit* field(int row, FieldKind kind, int column = 0) const;
    void focusField(QLineEdit* field);
    void focusStart();
    void refreshProgress();
    void refreshViews();

    // Keys and scores (result_entry_keys.cpp).
    bool scoreCellKey(const FieldRef& ref, QKeyEvent* key);
    bool pairFieldKey(const FieldRef& ref, QKeyEvent* key);
    void fieldLeft(const FieldRef& ref);
    bool storeCell(int row, int column);
    void finishCell(int row, int column, const std::optional<QString>& value);
    void showStored(int row, int column, const StoredScore& stored, bool tell);
    void showStores(const std::vector<CellStore>& stores, bool tell);

    // Pair numbers (result_entry_pairs.cpp).
    void pairFieldLeft(int row);
    void askSeating(int row, bool rebuild);
    void afterPairsChanged(bool changed);

    // Boards (result_entry.cpp).
    void stepBoard(int direction);
    void followSession(const ContestChange& change);
    bool roundModeAllowed(int board, bool tell);

    QLabel* LblGivNr = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblResNE = nullptr;
    QLabel* LblGivarNummer = nullptr;
    QLabel* LblResorder = nullptr;
    QPushButton* BtnPrev = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* BtnCalc = nullptr;

    QWidget& m_client;
    ContestSession& m_session;
    const Contest& m_contest;
    Dialogs& m_dialogs;
    PaneRequests& m_panes;
    QScrollArea* m_scroll = nullptr;

    std::vector<GridRow> m_rows;
    std::vector<QLabel*> m_nsMarkers;
    std::vector<QLabel*> m_ewMarkers;
    QHash<const QObject*, FieldRef> m_fields;
    EntryShape m_shape;

    bool m_built = false;
    bool m_roundMode = true;
    int m_currentBoard = 1;
    bool m_pairChanged = false;
    bool m_scoreChanged = false;
    bool m_duplicatesPending = false;
    bool m_ownChange = false;  // the panel is storing: it shows that itself
};

}  // namespace vindelkast
