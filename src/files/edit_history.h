#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "files/contest_on_disk.h"
#include "files/edit_journal.h"
#include "files/recovery_file.h"
#include "files/result_lines.h"

// What "Ångra" and "Gör om" go back and forth between: the evening's whole state as text, as
// the recovery file carries it, before and after each edit. Going back to a text read back
// gives the contest exactly as it was, whatever the edit did, so no edit needs an undo of its own.
namespace vindelkast {

// The evening as it stands: the settings, the contest file and the side files that belong to
// the contest (not the journal, the tables' codes or their guard, which undo leaves alone).
struct EveningState {
    RecoverySettings settings;
    std::string contestText;
    std::vector<RecoverySection> sections;

    bool operator==(const EveningState&) const = default;
    std::size_t bytes() const;
    // The section named `name`, or "" when the evening has none.
    const std::string& section(const std::string& name) const;
};

// The state of `contest` with the sections of `sides` (and those of `unread`, as found).
EveningState eveningState(Contest& contest, const RecoverySettings& settings,
                          const std::vector<SideFile>& sides, const std::vector<SideProblem>& unread,
                          const std::string& version, ResultLinesCache* kept = nullptr);
// Puts the contest back as `state` has it, its side files read through `sides`: the side files
// that could not be read (a text this program wrote reads back, so none is expected).
std::vector<SideProblem> readEveningState(Contest& contest, const EveningState& state,
                                          const std::vector<SideFile>& sides);

// The edits that can be taken back and those that can be made again.
class EditHistory {
public:
    // Far more than an evening's corrections; a 36-table evening's states stay within a few tens
    // of megabytes even then.
    static constexpr std::size_t kMostSteps = 300;

    // An edit was made, as the journal tells it; `before` is the evening as it was. What was
    // undone can no longer be made again.
    void record(JournalEntry edit, EveningState before);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The name of the edit an undo or a redo would take back or make again ("" when none).
    const std::string& undoName() const;
    const std::string& redoName() const;
    // Takes the last edit back: the state to go back to and the edit as the journal told it,
    // `current` kept for a redo. A redo is the same the other way.
    struct Step {
        JournalEntry edit;
        EveningState state;
    };
    std::optional<Step> undo(EveningState current);
    std::optional<Step> redo(EveningState current);
    // The last edit recorded was not kept after all (the recovery file could not keep it).
    void forgetLast();
    void clear();

private:
    // The last step of `from` taken, `current` left on `to` for the way back.
    static std::optional<Step> take(std::deque<Step>& from, std::deque<Step>& to, EveningState current);

    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
};

}  // namespace vindelkast
