#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "archive/evening.h"
#include "files/contest_on_disk.h"
#include "files/edit_history.h"
#include "files/edit_journal.h"
#include "files/result_lines.h"
#include "model/contest.h"
#include "model/entry_rules.h"
#include "model/member_register.h"
#include "movement/typed_corrections.h"
#include "output/result_changes.h"
#include "session/table_result_sink.h"

namespace vindelkast {

struct ContestReadResult;

// What an edit is called in the journal and after "\u00c5ngra", where it came from, and the part
// of the contest it shows before and after. An edit without a name is named after the results
// it changed ("resultat giv 7, bord 3"), and shows them.
struct EditLabel {
    EditLabel() = default;
    EditLabel(std::string name, std::function<std::string(const Contest&)> show = {},
              std::string from = kTypedSource)
        : what(std::move(name)), shown(std::move(show)), source(std::move(from)) {}

    std::string what;  // Windows-1252, "namn par 7"
    std::function<std::string(const Contest&)> shown;
    std::string source = kTypedSource;
};

// What a change of the contest touched, so that every follower refreshes only its part.
struct ContestChange {
    enum class Kind {
        Results,     // scores or pair numbers of `board` (0: of several boards)
        Names,       // the start list
        SetUp,       // the set-up was completed ("Klar")
        Draw,        // a Gröna Hissen round was drawn
        Everything,  // opened, restored, cleared, results added, boards levelled, deals read
    };
    Kind kind = Kind::Everything;
    int board = 0;

    static ContestChange results(int board) { return {Kind::Results, board}; }
    static ContestChange names() { return {Kind::Names, 0}; }
    static ContestChange setUp() { return {Kind::SetUp, 0}; }
    static ContestChange draw() { return {Kind::Draw, 0}; }
    static ContestChange everything() { return {Kind::Everything, 0}; }
    // True when a follower showing `shownBoard` must refresh.
    bool touchesBoard(int shownBoard) const {
        return kind != Kind::Results || board == 0 || board == shownBoard;
    }
};

// What keeping the evening in the club's archive came to.
struct ArchiveKeeping {
    std::string message;          // "" when the evening is kept
    bool dateUnreadable = false;  // the contest's date cannot be read: ask for one and try again
    bool nothingScored = false;   // no result yet, so no evening to keep
};

// The one contest of the window's run and everything that belongs to it: the member
// register, the file it was opened from or saved to, whether it is saved, and the recovery
// file, and the evening's table service (the tables' codes, the entries they stored, the
// results held for the director). Every change of the contest goes through the session,
// whether it comes from the keyboard, a file or a table's phone: the session changes the
// contest through the core, marks it unsaved, writes the recovery file and emits `changed`.
// Panes, caption, progress grid and entry grid follow that signal; no panel refreshes another.
class ContestSession : public QObject, public TableResultSink {
    Q_OBJECT
public:
    explicit ContestSession(QObject* parent = nullptr);

    const Contest& contest() const override { return m_contest; }
    MemberRegister& memberRegister() { return m_register; }
    const MemberRegister& memberRegister() const { return m_register; }
    const std::string& fileName() const { return m_fileName; }
    bool isSaved() const { return m_saved; }
    bool teamMatch() const { return m_teamMatch; }

    // --- the evening's data: each call marks the contest unsaved and recovers it ---

    // Stores a typed score of a row on `board`, as the entry grid and a table's phone do.
    StoredScore storeScore(int board, const EntryRow& row, std::string_view typed);
    // Commits the pair numbers of a grid row; `board` is the first board of the view.
    RowCommitResult commitRow(const EntryView& view, int row);
    std::vector<CellStore> rebuildFromGrid(const EntryView& view);
    void seatRowAsTyped(const EntryView& view, int row, bool wholeRound);
    // Any other change: `edit` changes the contest through the core, the session records it,
    // in the journal too, as one step "\u00c5ngra" takes back.
    void edit(const EditLabel& label, ContestChange change, const std::function<void(Contest&)>& edit);
    // The same for an edit that may come to nothing: it returns whether it changed anything.
    bool editIf(const EditLabel& label, ContestChange change, const std::function<bool(Contest&)>& edit);
    // A correction of the evening's results typed as its question asks ("3 2"): "" or why not.
    std::string correct(CorrectionKind kind, std::string_view typed);
    // Records a change already made on the screen but not yet in the contest (a name being
    // typed): the evening is unsaved from the first keystroke.
    void markUnsaved(ContestChange change);
    // The scoring rule, from the menu and the set-up: a choice before "Klar", after it a change
    // to save and to recover (its boards scored afresh when the method changes).
    void chooseScoringRule(const ScoringRule& rule);
    // An evening in sections matchpointed across the field or per section: a change to save
    // and to recover, every board scored afresh.
    void chooseSectionComparison(bool acrossField);

    // --- taking edits back, and the journal of them all ---

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // What an undo or a redo would take back or make again ("resultat giv 7, bord 3").
    const std::string& undoName() const { return m_history.undoName(); }
    const std::string& redoName() const { return m_history.redoName(); }
    // The evening as it was before the last edit, or after the last one undone; itself an entry
    // of the journal. "" or the message (nothing to take back, or the state could not be read).
    std::string undo();
    std::string redo();
    // Every edit of the evening, oldest first, as the journal beside the contest keeps them.
    const std::vector<JournalEntry>& journal() const override { return m_journal; }

    // --- choices that are not the evening's data yet: no save question, no recovery ---

    // Set-up choices before "Klar", the contest's texts, the result order.
    void choose(const std::function<void(Contest&)>& choice);
    void setTeamMatch(bool on) {
        m_teamMatch = on;
        changedOutsideEdits();
    }

    // --- the file ---

    // Reads a contest file (and its side files) into the fresh contest; on success the
    // session belongs to that file and is saved.
    ContestReadResult open(const std::string& path);
    // Writes the contest and its side files; "" or the message (the contest stays unsaved).
    // A side file that could not be read is left as it is unless `overwriteUnread`.
    std::string save(bool overwriteUnread = false);
    // The side files beside the current file that could not be read (on opening or from the
    // recovery file): what they hold is not in the contest, so a save keeps them unasked.
    const std::vector<SideProblem>& unreadSideFiles() const { return m_unreadSides; }
    void setFileName(const std::string& path);
    // Back to a fresh contest attached to the register; the recovery file goes.
    void clear();
    // The side state beside the contest file: register each kind once at start-up.
    void addSideFile(SideFile side) { m_sideFiles.push_back(std::move(side)); }

    // --- the club's archive ---

    // Keeps the evening in the archive at `place` (a SQLite file or a PostgreSQL URI), as it
    // stands, in one transaction. `date` stands in for a contest date that cannot be read and
    // is remembered for the rest of the evening ("" uses the one given before). When the
    // evening's name, date or arranger was corrected since it was last kept, the old one goes.
    ArchiveKeeping keepInArchive(const std::string& place, const std::string& date = "");

    // --- the recovery file ---

    // The text of a recovery file in the working folder, or "" when there is none.
    static std::string recoveryFileText();
    // Brings back the contest of a recovery text; false when it is no recovery file.
    bool restore(const std::string& text, std::string& message);
    // The recovery file is written after every change; leaving normally removes it. "" or
    // the message why it could not be removed (a leftover file would be offered at start-up).
    std::string removeRecovery();
    // "" or the message why the file could not be written (told once through recoveryProblem).
    std::string writeRecovery();

    // --- the tables' phones (session/table_result_sink.h) ---

    TableService* tableService() override { return m_tables ? &*m_tables : nullptr; }
    const TableService* tableService() const { return m_tables ? &*m_tables : nullptr; }
    // The codes are made once: like completing the set-up, they are recovered but leave
    // nothing the director must save.
    std::string openTables() override;
    std::string storeTableResults(const std::function<bool(Contest&, TableService&)>& store,
                                  Unsecured unsecured) override;

signals:
    // The contest changed; `change` says what.
    void changed(const ContestChange& change);
    // The saved flag or the file name changed (the caption shows both).
    void savedStateChanged();
    // The recovery file could not be written (told once per run).
    void recoveryProblem(const QString& message);

private:
    // An empty contest with no file, saved; the recovery file is left as it is.
    void forgetContest();
    void recordChange(ContestChange change);
    void settleAfter(ContestChange change);
    // Saved, and the recovery file gone: "" or the message why it is still there.
    std::string markSaved();
    void forgetArchiveState();
    // The evening's state now: the one the recovery file was last written with, when nothing
    // changed since.
    const EveningState& stateNow();
    void changedOutsideEdits() { m_stateFresh = false; }
    // Applies an edit and records it: in the journal and the history when it changed anything.
    bool applyEdit(const EditLabel& label, ContestChange change, const std::function<bool(Contest&)>& edit);
    // After an edit or a batch from the tables: its journal entries and its step in the history,
    // unless the evening is as it was.
    bool journalEdit(const EditLabel& label, EveningState before, const ResultsSnapshot& results,
                     const std::string& shownBefore);
    std::string goBack(bool redo);
    // The sides that make the evening's state (not the tables' codes, not the journal).
    static bool isStateSide(const SideFile& side);
    std::vector<SideFile> stateSides() const;
    // A contest opened, recovered or cleared starts without edits to take back or a journal.
    void forgetEdits();
    // The evening's table service from now on, its guard's changes kept in the recovery file.
    void takeTables(TableCodes codes);
    // A wrong code, a new phone or a lifted lock-out: the recovery file follows within a
    // second, so that a crash neither forgives the guesses nor shuts the phones out.
    void keepGuardSoon();
    void keepGuard();

    Contest m_contest;
    MemberRegister m_register;
    std::string m_fileName;  // the contest file last opened or saved (path bytes)
    bool m_saved = true;
    bool m_teamMatch = false;
    bool m_recoveryProblemTold = false;
    std::vector<SideFile> m_sideFiles;
    std::vector<SideProblem> m_unreadSides;
    std::string m_archiveDate;  // the date given for a contest whose own date cannot be read
    EveningKey m_keptEvening;   // what this evening was last kept in the archive under
    std::optional<TableService> m_tables;
    std::uint64_t m_guardWritten = 0;  // the guard's revision the recovery file holds
    QTimer m_guardWrite;
    QElapsedTimer m_sinceGuardWrite;
    // The recovery file's result lines of unchanged boards are not written out again.
    ResultLinesCache m_recoveryLines;
    EveningState m_state;  // as the recovery file was last written
    bool m_stateFresh = false;
    EditHistory m_history;
    std::vector<JournalEntry> m_journal;
};

}  // namespace vindelkast
