// What the archive keeps when evenings are added again, by two programs at once, by a
// program killed halfway, or by a newer program; on every backend.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <type_traits>

#include "../files/child_process.h"
#include "archive/archive_import.h"
#include "archive/archive_reports.h"
#include "archive/evening_record.h"
#include "archive_backends.h"
#include "files/member_file.h"
#include "season_maker.h"

namespace vindelkast::test {
namespace {

void expectSame(const Evening& a, const Evening& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(a.arranger, b.arranger);
    EXPECT_EQ(a.individual, b.individual);
    EXPECT_EQ(a.boards, b.boards);
    ASSERT_EQ(a.entries.size(), b.entries.size());
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const ArchivedEntry &x = a.entries[i], &y = b.entries[i];
        EXPECT_EQ(x.number, y.number);
        EXPECT_EQ(x.total, y.total);
        EXPECT_EQ(x.top, y.top);
        EXPECT_EQ(x.percent, y.percent);
        EXPECT_EQ(x.place, y.place);
        ASSERT_EQ(x.players.size(), y.players.size());
        for (std::size_t p = 0; p < x.players.size(); ++p) {
            EXPECT_EQ(x.players[p].memberId, y.players[p].memberId);
            EXPECT_EQ(x.players[p].name, y.players[p].name);
        }
    }
    ASSERT_EQ(a.results.size(), b.results.size());
    for (std::size_t i = 0; i < a.results.size(); ++i) {
        const ArchivedResult &x = a.results[i], &y = b.results[i];
        EXPECT_EQ(std::tie(x.board, x.round, x.nsPair, x.ewPair, x.nsPlayer2, x.ewPlayer2, x.nsScore,
                           x.ewScore, x.nsPoints, x.ewPoints, x.contract),
                  std::tie(y.board, y.round, y.nsPair, y.ewPair, y.nsPlayer2, y.ewPlayer2, y.nsScore,
                           y.ewScore, y.nsPoints, y.ewPoints, y.contract))
            << "result " << i;
    }
    EXPECT_EQ(a.teamForm, b.teamForm);
    ASSERT_EQ(a.teams.size(), b.teams.size());
    for (std::size_t i = 0; i < a.teams.size(); ++i) {
        const ArchivedTeam &x = a.teams[i], &y = b.teams[i];
        EXPECT_EQ(std::tie(x.number, x.name, x.vp, x.impsFor, x.impsAgainst, x.place),
                  std::tie(y.number, y.name, y.vp, y.impsFor, y.impsAgainst, y.place));
        ASSERT_EQ(x.players.size(), y.players.size());
        for (std::size_t p = 0; p < x.players.size(); ++p)
            EXPECT_EQ(std::tie(x.players[p].memberId, x.players[p].name),
                      std::tie(y.players[p].memberId, y.players[p].name));
    }
}

template <typename Backend>
class ArchiveFaults : public ArchiveTest<Backend> {
protected:
    // An evening made through the core and read back from its contest file.
    Evening evening(const std::string& name, const std::string& date, int pairs, unsigned seed) {
        const std::string path = this->backend.folder.file("kv\xc3\xa4ll" + std::to_string(seed) + ".sco");
        SeasonMaker(seed).writeEvening(path, name, date, "BK Vindeln", pairs);
        MemberRegister reg;
        loadRegister(SeasonMaker::registerPath(), reg);
        EveningReading reading = readEveningFile(path, reg);
        EXPECT_EQ(reading.message, "");
        return reading.evening;
    }
    Evening kept(Archive& archive, const Evening& e) {
        Evening back;
        bool found = false;
        EXPECT_EQ(archive.evening(e.name, e.date, e.arranger, back, found), "");
        EXPECT_TRUE(found) << e.name << " " << e.date;
        return back;
    }
};

TYPED_TEST_SUITE(ArchiveFaults, Backends, BackendNames);

TYPED_TEST(ArchiveFaults, AnEveningAddedAgainReplacesTheOneKept) {
    auto archive = this->open();
    ASSERT_TRUE(archive);
    const Evening first = this->evening("M\xe5ndagsbridge", "2024-03-11", 10, 1);
    ASSERT_EQ(first.entries.size(), 10u);
    ASSERT_EQ(first.results.size(), 9u * 3 * 5);
    ASSERT_EQ(archive->add(first), "");
    expectSame(this->kept(*archive, first), first);

    // The same evening scored anew (other scores, other players), typed with another date form.
    const Evening again = this->evening("M\xe5ndagsbridge", "11.3.2024", 12, 2);
    ASSERT_EQ(archive->add(again), "");
    EXPECT_EQ(this->evenings(*archive), 1);
    expectSame(this->kept(*archive, first), again);
    std::vector<SeasonEntry> entries;
    ASSERT_EQ(archive->seasonEntries("2024-03-11", "2024-03-11", entries), "");
    EXPECT_EQ(entries.size(), 24u) << "twelve pairs, none of the first evening's ten";

    // Opening again finds the schema in place and the evening kept.
    archive = this->open();
    ASSERT_TRUE(archive);
    expectSame(this->kept(*archive, first), again);
}

TYPED_TEST(ArchiveFaults, ACorrectedEveningTakesThePlaceOfItsOldSelf) {
    auto archive = this->open();
    ASSERT_TRUE(archive);
    const Evening other = this->evening("Tisdagsbridge", "2024-03-12", 8, 5);
    const Evening typo = this->evening("M\xe5ndagsbrigde", "2024-03-11", 10, 6);
    ASSERT_EQ(archive->add(other), "");
    ASSERT_EQ(archive->add(typo), "");
    Evening corrected = typo;
    corrected.name = "M\xe5ndagsbridge";
    corrected.date = "2024-03-18";
    ASSERT_EQ(archive->add(corrected, keyOf(typo)), "");
    EXPECT_EQ(this->evenings(*archive), 2);
    expectSame(this->kept(*archive, corrected), corrected);
    expectSame(this->kept(*archive, other), other);
    std::vector<SeasonEntry> entries;
    ASSERT_EQ(archive->seasonEntries("2024-03-11", "2024-03-11", entries), "");
    EXPECT_TRUE(entries.empty()) << "no player of the old evening is left";
    // Replacing an evening that is not there, or itself, only adds or replaces.
    ASSERT_EQ(archive->add(corrected, keyOf(corrected)), "");
    ASSERT_EQ(archive->add(typo, {"Ingen", "2024-01-01", "Ingen"}), "");
    EXPECT_EQ(this->evenings(*archive), 3);
}

TYPED_TEST(ArchiveFaults, ANewerSchemaIsRefusedAndLeftAsItIs) {
    {
        auto archive = this->open();
        ASSERT_TRUE(archive);
        ASSERT_EQ(archive->add(this->evening("Torsdagsbridge", "2024-03-21", 8, 3)), "");
    }
    ASSERT_EQ(this->backend.raw()->run("UPDATE archive_schema SET version = 7"), "");
    const OpenedArchive refused = openArchive(this->backend.place());
    EXPECT_FALSE(refused.archive);
    EXPECT_EQ(
        refused.message,
        "Klubbarkivet \xe4r skrivet av en nyare version av programmet (schema 7; det h\xe4r programmet kan "
        "schema 2). Arkivet l\xe4mnas or\xf6rt: uppdatera programmet f\xf6r att anv\xe4nda det.");
    SqlRows rows;
    ASSERT_EQ(this->backend.raw()->run("SELECT version FROM archive_schema", {}, &rows), "");
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.integer(0, 0), 7);

    // The archive as the program before team events left it: read as it is, upgraded once written to.
    auto raw = this->backend.raw();
    for (const char* undo :
         {"DROP TABLE team_players", "DROP TABLE team_entries", "ALTER TABLE evenings DROP COLUMN team_form",
          "UPDATE archive_schema SET version = 1"})
        ASSERT_EQ(raw->run(undo), "");
    raw.reset();
    std::vector<SeasonEntry> entries;
    EXPECT_EQ(
        openArchive(this->backend.place(), false).archive->seasonEntries("2024-01-01", "2024-12-31", entries),
        "");
    EXPECT_EQ(entries.size(), 16u);
    auto archive = this->open();
    ASSERT_TRUE(archive);
    EXPECT_EQ(this->evenings(*archive), 1);
    Evening team = this->evening("Lagserie", "2024-03-22", 8, 4);
    team.teamForm = TeamForm::Swiss;
    team.teams = {{1, "Vindeln", {{17, "Almqvist Birgitta"}, {0, "G\xe4st Olle"}}, 1500, 20, 8, 1}};
    ASSERT_EQ(archive->add(team), "");
    expectSame(this->kept(*archive, team), team);
}

TYPED_TEST(ArchiveFaults, TwoProgramsAddingAtOnceLoseNothing) {
    ASSERT_TRUE(this->open());  // the schema is made before the race on the evenings
    std::vector<Evening> evenings;
    for (unsigned i = 0; i < 16; ++i)
        evenings.push_back(
            this->evening("Kv\xe4ll " + std::to_string(i), "2024-04-01", 8 + 2 * (i % 2), 10 + i));
    const Evening shared = this->evening("Gemensam", "2024-04-02", 10, 40);
    const std::string place = this->backend.place();
    auto job = [&](unsigned half) {
        return [&, half] {
            OpenedArchive opened = openArchive(place);
            if (!opened.archive) return false;
            for (unsigned i = half; i < evenings.size(); i += 2) {
                if (!opened.archive->add(evenings[i]).empty()) return false;
                // Both also replace one evening, over and over.
                if (!opened.archive->add(shared).empty()) return false;
            }
            return true;
        };
    };
    ChildProcess even(job(0)), odd(job(1));
    EXPECT_TRUE(even.succeeded());
    EXPECT_TRUE(odd.succeeded());
    auto archive = this->open();
    ASSERT_TRUE(archive);
    EXPECT_EQ(this->evenings(*archive), 17);
    for (const Evening& e : evenings) expectSame(this->kept(*archive, e), e);
    expectSame(this->kept(*archive, shared), shared);
}

TYPED_TEST(ArchiveFaults, AKilledAddLeavesTheArchiveAsBefore) {
    auto archive = this->open();
    ASSERT_TRUE(archive);
    const Evening before = this->evening("Onsdagsbridge", "2024-05-08", 10, 50);
    ASSERT_EQ(archive->add(before), "");
    const Evening replacement = this->evening("Onsdagsbridge", "2024-05-08", 12, 51);
    const Evening added = this->evening("Fredagsbridge", "2024-05-10", 8, 52);
    const std::string place = this->backend.place();
    for (const Evening* e : {&replacement, &added}) {
        const pid_t child = ::fork();
        if (child == 0) {
            OpenedArchive opened = openArchive(place);
            // Killed with the standings written and the board results not yet.
            if (opened.archive) opened.archive->setMidwayHook([] { ::raise(SIGKILL); });
            if (opened.archive) opened.archive->add(*e);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the add reached its midpoint";
    }
    EXPECT_EQ(this->evenings(*archive), 1);
    expectSame(this->kept(*archive, before), before);
    Evening none;
    bool found = true;
    EXPECT_EQ(archive->evening(added.name, added.date, added.arranger, none, found), "");
    EXPECT_FALSE(found);
    // Nothing is left locked: the replacement goes in when added again.
    ASSERT_EQ(archive->add(replacement), "");
    expectSame(this->kept(*archive, before), replacement);
}

TYPED_TEST(ArchiveFaults, AnArchiveTheUserMayOnlyReadIsReadButNotWritten) {
    if constexpr (!std::is_same_v<TypeParam, SqliteBackend>) {
        GTEST_SKIP() << "the server decides who may write";
    } else {
        const Evening kept = this->evening("M\xe5ndagsbridge", "2024-06-03", 8, 60);
        {
            auto archive = this->open();
            ASSERT_TRUE(archive);
            ASSERT_EQ(archive->add(kept), "");
        }
        namespace fs = std::filesystem;
        const std::string place = this->backend.place();
        const fs::path folder = fs::path(place).parent_path();
        // A club's archive on a shared folder: readable by all, written by its owner. Root
        // writes whatever the permissions say, so then the reader is somebody else.
        const bool root = ::geteuid() == 0;
        fs::permissions(folder, root ? fs::perms(0755) : fs::perms(0555));
        fs::permissions(place, root ? fs::perms(0644) : fs::perms(0444));
        const int memberId = kept.entries.at(0).players.at(0).memberId;
        ASSERT_GT(memberId, 0);
        test::ChildProcess reader([&] {
            if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return false;
            std::vector<PlayerEvening> evenings;
            if (!playerEveningsAt(place, memberId, evenings).empty() || evenings.size() != 1) return false;
            const OpenedArchive writing = openArchive(place);
            return !writing.archive &&
                   writing.message == "Klubbarkivet " + place +
                                          " kan bara l\xe4sas h\xe4r: att spara i det kr\xe4ver "
                                          "skrivr\xe4tt till filen och mappen den ligger i.";
        });
        EXPECT_TRUE(reader.succeeded());
        fs::permissions(folder, fs::perms(0755));
        fs::permissions(place, fs::perms(0644));
        // Reading changed nothing: the owner adds as before.
        auto archive = this->open();
        ASSERT_TRUE(archive);
        EXPECT_EQ(archive->add(this->evening("Tisdagsbridge", "2024-06-04", 8, 61)), "");
        EXPECT_EQ(this->evenings(*archive), 2);
    }
}

}  // namespace
}  // namespace vindelkast::test
