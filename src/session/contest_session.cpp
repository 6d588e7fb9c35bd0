#include "session/contest_session.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <sstream>

#include "files/contest_file.h"
#include "files/contest_on_disk.h"
#include "files/recovery_file.h"
#include "files/safe_write.h"
#include "files/side_text.h"
#include "model/contest_scoring.h"
#include "model/version.h"
#include "tables/evening_codes.h"
#include "tables/login_guard_file.h"
#include "tables/table_codes.h"
#include "tables/table_entries.h"

namespace vindelkast {

namespace {
// The guard's counts are written at most this often; what comes between goes with the next
// write. Guessing at the pace the limits allow is a write a second at the most.
constexpr int kGuardWriteMs = 1000;
}  // namespace

ContestSession::ContestSession(QObject* parent) : QObject(parent) {
    m_contest.reset(m_register);
    m_guardWrite.setSingleShot(true);
    connect(&m_guardWrite, &QTimer::timeout, this, &ContestSession::keepGuard);
    // What the evening gains beyond the contest file, each in a file of its own beside it.
    for (SideFile& side : contestSideFiles(true)) addSideFile(std::move(side));
    // The tables' codes, then what they sent, so that the tables go on as they were.
    addSideFile(
        {kTableCodesExtension,
         [this](const Contest&) { return m_tables ? writeTableCodes(m_tables->codes()) : std::string(); },
         [this](Contest&, const std::string& text) {
             TableCodes codes;
             std::string problem = readTableCodes(codes, text);
             if (problem.empty()) takeTables(std::move(codes));
             return problem;
         }});
    addSideFile(
        {kTableEntriesExtension,
         [this](const Contest&) { return m_tables ? writeTableEntries(m_tables->entries()) : std::string(); },
         [this](Contest&, const std::string& text) {
             TableEntries entries;
             std::string problem = readTableEntries(entries, text);
             if (problem.empty() && m_tables) m_tables->takeEntries(std::move(entries));
             return problem;
         }});
    // The journal of every edit: saved with the contest, its absence an evening without edits.
    addSideFile({kJournalExtension, [this](const Contest&) { return writeJournal(m_journal); },
                 [this](Contest&, const std::string& text) { return readJournal(m_journal, text); }, true});
}

// --- the evening's data ---

StoredScore ContestSession::storeScore(int board, const EntryRow& row, std::string_view typed) {
    StoredScore stored;
    applyEdit({}, ContestChange::results(board), [&](Contest& contest) {
        stored = storeTypedScore(contest, board, row, typed);
        return stored.written;
    });
    return stored;
}

RowCommitResult ContestSession::commitRow(const EntryView& view, int row) {
    RowCommitResult result;
    applyEdit({}, ContestChange::results(0), [&](Contest& contest) {
        result = vindelkast::commitRow(contest, view, row);
        return result.changed;
    });
    return result;
}

std::vector<CellStore> ContestSession::rebuildFromGrid(const EntryView& view) {
    std::vector<CellStore> stores;
    applyEdit({}, ContestChange::results(0), [&](Contest& contest) {
        stores = vindelkast::rebuildFromGrid(contest, view);
        return true;
    });
    return stores;
}

void ContestSession::seatRowAsTyped(const EntryView& view, int row, bool wholeRound) {
    applyEdit({}, ContestChange::results(0), [&](Contest& contest) {
        vindelkast::seatRowAsTyped(contest, view, row, wholeRound);
        return true;
    });
}

void ContestSession::edit(const EditLabel& label, ContestChange change,
                          const std::function<void(Contest&)>& edit) {
    applyEdit(label, change, [&edit](Contest& contest) {
        edit(contest);
        return true;
    });
}

bool ContestSession::editIf(const EditLabel& label, ContestChange change,
                            const std::function<bool(Contest&)>& edit) {
    return applyEdit(label, change, edit);
}

void ContestSession::settleAfter(ContestChange change) {
    // "fripar" named, moved or replaced in a section makes or ends its sit-out.
    if (change.kind == ContestChange::Kind::Names || change.kind == ContestChange::Kind::SetUp)
        settleSections(m_contest);
}

void ContestSession::markUnsaved(ContestChange change) {
    changedOutsideEdits();
    recordChange(change);
}

void ContestSession::choose(const std::function<void(Contest&)>& choice) {
    choice(m_contest);
    changedOutsideEdits();
}

void ContestSession::recordChange(ContestChange change) {
    // Completing the set-up leaves nothing to save yet, but is worth recovering.
    if (change.kind != ContestChange::Kind::SetUp) m_saved = false;
    writeRecovery();
    emit changed(change);
}

// --- the tables' phones ---

std::string ContestSession::openTables() {
    if (m_tables || !m_contest.setUpDone) return "";
    changedOutsideEdits();
    takeTables(newEveningCodes(m_contest));
    return writeRecovery();
}

void ContestSession::takeTables(TableCodes codes) {
    m_tables.emplace(std::move(codes));
    m_tables->whenGuardChanges([this] { keepGuardSoon(); });
    m_guardWritten = m_tables->guardRevision();
}

void ContestSession::keepGuardSoon() {
    if (m_guardWrite.isActive()) return;
    const qint64 since = m_sinceGuardWrite.isValid() ? m_sinceGuardWrite.elapsed() : kGuardWriteMs;
    m_guardWrite.start(static_cast<int>(std::max<qint64>(0, kGuardWriteMs - since)));
}

void ContestSession::keepGuard() {
    if (!m_tables || m_tables->guardRevision() == m_guardWritten) return;
    m_sinceGuardWrite.start();
    writeRecovery();
}

std::string ContestSession::storeTableResults(const std::function<bool(Contest&, TableService&)>& store,
                                              Unsecured unsecured) {
    if (!m_tables) return "";
    const std::uint64_t before = m_tables->revision();
    EveningState stateBefore = stateNow();
    const ResultsSnapshot results = resultsSnapshot(m_contest);
    // What a batch can change (the boards' results and points, the contracts), to go back to
    // when the recovery file cannot keep it.
    const auto boardsBefore = std::make_unique<decltype(m_contest.boards)>(m_contest.boards);
    const auto contractsBefore = m_contest.contracts;
    const auto scoredBefore = m_contest.boardHasScores;
    const TableEntries entriesBefore = m_tables->entries();
    const std::size_t journalBefore = m_journal.size();
    const bool publishedBefore = m_tables->resultsPublished();
    const bool stored = store(m_contest, *m_tables);
    if (!stored && m_tables->revision() == before) return "";
    changedOutsideEdits();
    // A result is the table's edit, named after the table it came from.
    const bool journaled = stored && journalEdit({"", {}, ""}, std::move(stateBefore), results, "");
    // From then on a changed result is a correction the pages tell of.
    if (!publishedBefore && m_tables->resultsPublished())
        m_journal.push_back({journalTime(std::time(nullptr)), kDirectorSource, kPublishedWhat, "", "", {}});
    // A result held for the director is the evening's too: unsaved until its side file is.
    const bool wasSaved = m_saved;
    m_saved = false;
    const std::string problem = writeRecovery();
    if (!problem.empty() && unsecured == Unsecured::Undo) {
        // The phones hear 503 and send again: nothing of the batch may show as entered
        // meanwhile, since none of it would be there after a crash.
        m_contest.boards = *boardsBefore;
        m_contest.contracts = contractsBefore;
        m_contest.boardHasScores = scoredBefore;
        m_tables->takeEntries(entriesBefore);
        m_journal.resize(journalBefore);
        if (journaled) m_history.forgetLast();
        changedOutsideEdits();
        m_saved = wasSaved;
        return problem;
    }
    if (stored)
        emit changed(ContestChange::results(0));
    else if (wasSaved)
        emit savedStateChanged();
    return problem;
}

// --- the file ---

ContestReadResult ContestSession::open(const std::string& path) {
    ContestReadResult read = readContestOnDisk(m_contest, path);
    if (read.kind == ContestReadResult::Kind::NotContest || read.kind == ContestReadResult::Kind::NotOpen)
        return read;
    m_fileName = path;
    forgetArchiveState();
    m_tables.reset();
    forgetEdits();
    m_unreadSides = readSideFiles(m_contest, path, m_sideFiles);
    if (std::string refusal = unusableSidesRefusal(m_unreadSides); !refusal.empty()) {
        // Nothing of it stays, and nothing else is touched: a recovery file is still offered.
        forgetContest();
        emit changed(ContestChange::everything());
        return {ContestReadResult::Kind::NotOpen, std::move(refusal)};
    }
    if (!m_unreadSides.empty())
        read.message += (read.message.empty() ? "" : "\n\n") + unreadSidesText(m_unreadSides);
    if (m_contest.boardCount > 0 && m_contest.roundCount > 0 && m_contest.maxPairNumber > 0)
        m_contest.setUpDone = true;
    if (const std::string problem = markSaved(); !problem.empty())
        emit recoveryProblem(QString::fromStdString(problem));
    // What was left out of the file is not in the contest: saving it is a change.
    if (read.partLeftOut())
        recordChange(ContestChange::everything());
    else
        emit changed(ContestChange::everything());
    return read;
}

std::string ContestSession::save(bool overwriteUnread) {
    std::string problem =
        saveContestOnDisk(m_contest, m_fileName, m_sideFiles, kVersionText, m_unreadSides, overwriteUnread);
    if (problem.empty() && overwriteUnread) m_unreadSides.clear();
    // A recovery file left behind would be offered at the next start as if the evening had
    // been lost: the save is not clean until it is gone.
    if (problem.empty()) problem = markSaved();
    if (!problem.empty()) {
        // The contest stays marked unsaved, so leaving the program still asks.
        m_saved = false;
        emit savedStateChanged();
        return problem;
    }
    return {};
}

void ContestSession::setFileName(const std::string& path) {
    // The unread files lie beside the old name; the new one gets the contest's own.
    if (path != m_fileName) m_unreadSides.clear();
    m_fileName = path;
    changedOutsideEdits();
    emit savedStateChanged();
}

std::string ContestSession::markSaved() {
    m_saved = true;
    const std::string problem = removeRecovery();
    emit savedStateChanged();
    return problem;
}

void ContestSession::forgetContest() {
    m_teamMatch = false;
    m_fileName.clear();
    m_unreadSides.clear();
    m_contest.reset(m_register);
    // Last evening's deals must not follow into the next contest.
    for (Board& board : m_contest.boards) board.clearDeal();
    m_contest.dealCount = 0;
    m_contest.movement.reset();
    forgetArchiveState();
    m_tables.reset();
    forgetEdits();
    m_saved = true;
}

void ContestSession::clear() {
    forgetContest();
    if (const std::string problem = removeRecovery(); !problem.empty())
        emit recoveryProblem(QString::fromStdString(problem));
    emit changed(ContestChange::everything());
}

// --- the recovery file ---

std::string ContestSession::writeRecovery() {
    const EveningState& state = stateNow();
    std::vector<RecoverySection> sections = state.sections;
    // The tables' codes and the journal belong to the evening but outlive an undo.
    std::vector<SideFile> lasting;
    for (const SideFile& side : m_sideFiles)
        if (!isStateSide(side)) lasting.push_back(side);
    for (RecoverySection& section : recoverySections(m_contest, lasting, m_unreadSides))
        sections.push_back(std::move(section));
    // The guard's state is this run's, not the contest's: in the recovery file alone.
    if (m_tables && m_tables->guardState() != GuardState{})
        sections.push_back({kLoginGuardSection, writeGuardState(m_tables->guardState())});
    const std::string problem =
        writeTextSafely(kRecoveryFileName, recoveryText(state.settings, state.contestText, sections));
    // A full disk must not stop the evening: the director hears of it once, not at every change,
    // and again if the file fails anew after it could be written.
    if (problem.empty()) {
        if (m_tables) m_guardWritten = m_tables->guardRevision();
        m_recoveryProblemTold = false;
    } else if (!m_recoveryProblemTold) {
        m_recoveryProblemTold = true;
        emit recoveryProblem(QString::fromStdString(problem));
    }
    return problem;
}

std::string ContestSession::removeRecovery() { return removeRecoveryFile(); }

std::string ContestSession::recoveryFileText() { return vindelkast::recoveryFileText(); }

bool ContestSession::restore(const std::string& text, std::string& message) {
    RecoverySettings settings;
    std::string contestText;
    std::vector<RecoverySection> sections;
    if (!parseRecoveryText(text, settings, contestText, &sections).empty()) return false;
    std::istringstream in(contestText);
    const ContestReadResult read = readContestFile(m_contest, in);
    if (read.kind == ContestReadResult::Kind::NotContest || read.kind == ContestReadResult::Kind::NotOpen)
        return false;
    message = read.message;
    m_tables.reset();
    forgetEdits();
    m_unreadSides = readRecoverySides(m_contest, m_sideFiles, sections, settings.fileName);
    if (!m_unreadSides.empty()) message += (message.empty() ? "" : "\n\n") + unreadSidesText(m_unreadSides);
    // Older recovery files have no guard: the counts then start afresh.
    for (const RecoverySection& section : sections)
        if (section.name == kLoginGuardSection && m_tables) {
            GuardState guard;
            if (const std::string problem = readGuardState(guard, section.text); !problem.empty())
                message += (message.empty() ? "" : "\n\n") + problem;
            else
                m_tables->restoreGuard(std::move(guard));
            m_guardWritten = m_tables->guardRevision();
        }
    m_fileName = settings.fileName;
    forgetArchiveState();
    m_teamMatch = settings.teamMatch;
    takeRecoverySettings(m_contest, settings);
    // The brought-back contest is not on disk yet: it stays unsaved until saved.
    m_saved = false;
    emit changed(ContestChange::everything());
    return true;
}

}  // namespace vindelkast
