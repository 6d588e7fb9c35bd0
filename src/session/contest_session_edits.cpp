// The session's edits: each recorded in the journal and as a step that can be taken back.
#include <algorithm>
#include <ctime>

#include "model/contest_scoring.h"
#include "model/scoring_form.h"
#include "model/version.h"
#include "movement/typed_corrections.h"
#include "session/contest_session.h"
#include "tables/table_codes.h"
#include "tables/table_entries.h"

namespace vindelkast {

namespace {

// The rule as the captions name its form ("korsvis", "Butler", "VP"), matchpoints by name.
std::string ruleText(const ScoringRule& rule) {
    const std::string name = scoringForm(rule).name();
    return (name.empty() ? std::string("matchpo\xe4ng") : name) + (rule.neuberg ? ", Neubergs formel" : "");
}

}  // namespace

bool ContestSession::isStateSide(const SideFile& side) {
    return side.extension != kTableCodesExtension && side.extension != kJournalExtension;
}

std::vector<SideFile> ContestSession::stateSides() const {
    std::vector<SideFile> sides;
    std::copy_if(m_sideFiles.begin(), m_sideFiles.end(), std::back_inserter(sides), isStateSide);
    return sides;
}

const EveningState& ContestSession::stateNow() {
    if (!m_stateFresh) {
        m_state = eveningState(m_contest, recoverySettingsOf(m_contest, m_fileName, m_teamMatch),
                               stateSides(), m_unreadSides, kVersionText, &m_recoveryLines);
        m_stateFresh = true;
    }
    return m_state;
}

void ContestSession::forgetEdits() {
    m_history.clear();
    m_journal.clear();
    changedOutsideEdits();
}

bool ContestSession::applyEdit(const EditLabel& label, ContestChange change,
                               const std::function<bool(Contest&)>& edit) {
    EveningState before = stateNow();
    const ResultsSnapshot results = resultsSnapshot(m_contest);
    const std::string shownBefore = label.shown ? label.shown(m_contest) : "";
    const bool changed = edit(m_contest);
    changedOutsideEdits();
    if (!changed) return false;
    settleAfter(change);
    journalEdit(label, std::move(before), results, shownBefore);
    recordChange(change);
    return true;
}

bool ContestSession::journalEdit(const EditLabel& label, EveningState before, const ResultsSnapshot& results,
                                 const std::string& shownBefore) {
    changedOutsideEdits();
    // An edit that leaves the evening as it was (a score typed anew as it stood) is no step.
    if (stateNow() == before) return false;
    const std::vector<ResultChange> changes = resultChanges(results, m_contest);
    std::vector<JournalEntry> entries =
        editEntries({journalTime(std::time(nullptr)), label.source, label.what, shownBefore,
                     label.shown ? label.shown(m_contest) : "", static_cast<bool>(label.shown)},
                    changes);
    if (entries.empty())
        entries.push_back({journalTime(std::time(nullptr)),
                           label.source.empty() ? "borden" : label.source,
                           "resultatens ordning",
                           "",
                           "",
                           {}});
    JournalEntry step = entries.front();
    if (entries.size() > 1 && label.what.empty()) {
        step.what += " m.fl.";
        step.before.clear();
        step.after.clear();
        step.boards = changedBoards(changes);
    }
    m_journal.insert(m_journal.end(), entries.begin(), entries.end());
    m_history.record(std::move(step), std::move(before));
    return true;
}

std::string ContestSession::undo() { return goBack(false); }
std::string ContestSession::redo() { return goBack(true); }

std::string ContestSession::goBack(bool redo) {
    if (redo ? !canRedo() : !canUndo())
        return redo ? "Det finns inget att g\xf6ra om." : "Det finns inget att \xe5ngra.";
    EveningState current = stateNow();
    std::optional<EditHistory::Step> step = redo ? m_history.redo(current) : m_history.undo(current);
    // Pages once opened to all stay open: publishing is no edit. Nor is typing the contest's
    // name, date and arranger, or choosing the order of the results: they stay as they stand.
    const bool published = m_tables && m_tables->resultsPublished();
    const std::string name = m_contest.contestName, date = m_contest.contestDate,
                      arranger = m_contest.arranger;
    const std::uint8_t order = m_contest.resultOrder;
    m_unreadSides = readEveningState(m_contest, step->state, stateSides());
    m_contest.contestName = name;
    m_contest.contestDate = date;
    m_contest.arranger = arranger;
    m_contest.resultOrder = order;
    m_teamMatch = step->state.settings.teamMatch;
    // An evening without entries from the tables has no section for them: a phone's result
    // taken back leaves its table free to send the board again.
    if (m_tables && step->state.section(kTableEntriesExtension).empty()) m_tables->takeEntries({});
    if (published && !m_tables->resultsPublished()) m_tables->publishResults();
    JournalEntry entry = std::move(step->edit);
    entry.time = journalTime(std::time(nullptr));
    entry.source = kTypedSource;
    entry.what = (redo ? "Gjort om: " : "\xc5ngrat: ") + entry.what;
    if (!redo) std::swap(entry.before, entry.after);
    m_journal.push_back(std::move(entry));
    changedOutsideEdits();
    recordChange(ContestChange::everything());
    return "";
}

std::string ContestSession::correct(CorrectionKind kind, std::string_view typed) {
    Correction done;
    // The correction names itself once made: the label is read after the edit.
    EditLabel label;
    applyEdit(label, ContestChange::everything(), [&](Contest& contest) {
        done = typedCorrection(contest, kind, typed);
        label.what = done.name;
        return done.problem.empty();
    });
    return done.problem;
}

void ContestSession::chooseScoringRule(const ScoringRule& rule) {
    if (!m_contest.setUpDone) {
        choose([&rule](Contest& contest) { vindelkast::chooseScoringRule(contest, rule); });
        return;
    }
    applyEdit({"po\xe4ngber\xe4kning", [](const Contest& c) { return ruleText(c.scoringRule); }},
              ContestChange::everything(),
              [&rule](Contest& contest) { return vindelkast::chooseScoringRule(contest, rule); });
}

void ContestSession::chooseSectionComparison(bool acrossField) {
    applyEdit({"matchpo\xe4ng \xf6ver f\xe4ltet",
               [](const Contest& c) { return std::string(c.sections.acrossField ? "ja" : "nej"); }},
              ContestChange::everything(), [acrossField](Contest& contest) {
                  return vindelkast::chooseSectionComparison(contest, acrossField);
              });
}

}  // namespace vindelkast
