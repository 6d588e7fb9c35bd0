#include "files/edit_history.h"

#include <sstream>

#include "files/contest_file.h"

namespace vindelkast {

namespace {
const std::string kNone;
}

std::size_t EveningState::bytes() const {
    std::size_t total = contestText.size();
    for (const RecoverySection& s : sections) total += s.text.size();
    return total;
}

const std::string& EveningState::section(const std::string& name) const {
    for (const RecoverySection& s : sections)
        if (s.name == name) return s.text;
    return kNone;
}

EveningState eveningState(Contest& contest, const RecoverySettings& settings,
                          const std::vector<SideFile>& sides, const std::vector<SideProblem>& unread,
                          const std::string& version, ResultLinesCache* kept) {
    return {settings, contestFileText(contest, version, kept), recoverySections(contest, sides, unread)};
}

std::vector<SideProblem> readEveningState(Contest& contest, const EveningState& state,
                                          const std::vector<SideFile>& sides) {
    // What the contest file and its sides do not say is as a fresh contest has it, or an undo
    // would keep what the edit brought (a team event's teams, a deal read afterwards).
    contest.reset(*contest.memberRegister);
    for (Board& board : contest.boards) board.clearDeal();
    contest.dealCount = 0;
    contest.movement.reset();
    std::istringstream in(state.contestText);
    const ContestReadResult result = readContestFile(contest, in);
    if (result.kind == ContestReadResult::Kind::NotContest || result.kind == ContestReadResult::Kind::NotOpen)
        return {{"", "", "Kunde inte l\xe4sa t\xe4vlingen", ""}};
    std::vector<SideProblem> unread =
        readRecoverySides(contest, sides, state.sections, state.settings.fileName);
    takeRecoverySettings(contest, state.settings);
    return unread;
}

void EditHistory::record(JournalEntry edit, EveningState before) {
    m_redo.clear();
    m_undo.push_back({std::move(edit), std::move(before)});
    if (m_undo.size() > kMostSteps) m_undo.pop_front();
}

const std::string& EditHistory::undoName() const { return m_undo.empty() ? kNone : m_undo.back().edit.what; }
const std::string& EditHistory::redoName() const { return m_redo.empty() ? kNone : m_redo.back().edit.what; }

std::optional<EditHistory::Step> EditHistory::take(std::deque<Step>& from, std::deque<Step>& to,
                                                   EveningState current) {
    if (from.empty()) return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.edit, std::move(current)});
    return step;
}

std::optional<EditHistory::Step> EditHistory::undo(EveningState current) {
    return take(m_undo, m_redo, std::move(current));
}

std::optional<EditHistory::Step> EditHistory::redo(EveningState current) {
    return take(m_redo, m_undo, std::move(current));
}

void EditHistory::forgetLast() {
    if (!m_undo.empty()) m_undo.pop_back();
}

void EditHistory::clear() {
    m_undo.clear();
    m_redo.clear();
}

}  // namespace vindelkast
