"""A team evening played by the tables' phones: five teams by Monrad, two boards a match, two
rounds, set up and round 1 drawn by vindelkast-cli, the window program started on the file with
its table server on. Each of the four tables has its own phone (headless Chromium, 360-390 px)
that logs in with its code and enters its boards; once both tables of a match have a board, each
phone shows the match from its North-South team's side, in IMPs and victory points that this
test works out itself from the scores it entered. A board of another round is refused. The
director saves, draws round 2 with vindelkast-cli and starts the window again; the phones go on
by themselves, and the standings' victory points are the test's own sums.

    /usr/bin/python3 team_browser_test.py BUILD_DIR SOURCE_DIR [SCREENSHOT_DIR]
"""
import contextlib
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import RECOVERY, Evening, free_port  # noqa: E402
from phone_steps import (hidden, log_in_as, open_board, phone, pick_result, tap, text, visible,  # noqa: E402
                         wait)

# One name as long as a name may be, one long word that must wrap where it can.
TEAMS = ["Tavelsj\u00f6 BK", "Vindel\u00e4lvsdalensbridges\u00e4llskap", "V\u00e4nn\u00e4s",
         "S\u00e4var BK", "Ume\u00e5 Studenters Bridgeklubb av \u00e5r 1962"]
WIDTHS = [375, 360, 390, 375]
# What may be played on each board: contract, declarer, result, and North-South's score by the
# laws' scoring table (board 1 none vulnerable, 2 NS, 3 EW, 4 both).
PLAYS = {1: [("4S", "N", "=", 420), ("4S", "N", "+1", 450), ("2H", "E", "=", -110)],
         2: [("3NT", "N", "=", 600), ("3NT", "N", "+1", 630), ("2S", "S", "=", 110), ("3NT", "N", "-1", -100)],
         3: [("3NT", "N", "=", 400), ("4H", "E", "=", -620), ("1NT", "S", "+1", 120)],
         4: [("4S", "N", "=", 620), ("4S", "N", "-1", -100), ("3NT", "S", "+2", 660)]}
# Which of them each table plays, by round and table, on the round's first and second board:
# a match led by 1 IMP then lost by 9, one level after a board then won by 12; in round 2 one won
# by 6 and one by more than the scale's top.
CHOICES = {1: {1: (1, 2), 2: (0, 0), 3: (0, 1), 4: (0, 3)},
           2: {1: (0, 0), 2: (2, 2), 3: (1, 1), 4: (0, 0)}}
# The international match points scale: the least difference of each step from 1 IMP.
IMP_STEPS = [20, 50, 90, 130, 170, 220, 270, 320, 370, 430, 500, 600, 750, 900, 1100, 1300, 1500, 1750, 2000,
             2250, 2500, 3000, 3500, 4000]
BYE_VP = 1200  # what a team that sits a round out gets, in hundredths


def imps(difference):
    steps = sum(1 for least in IMP_STEPS if abs(difference) >= least)
    return steps if difference >= 0 else -steps


def winner_vp(margin, boards=2):
    """The 20-point scale's victory points of a match's winner, in hundredths."""
    tau = (math.sqrt(5) - 1) / 2
    ratio = (1 - tau ** (3 * margin / (15 * math.sqrt(boards)))) / (1 - tau ** 3)
    return min(2000, round(100 * (10 + 10 * ratio)))


def vp(margin):
    return winner_vp(margin) if margin >= 0 else 2000 - winner_vp(-margin)


def vp_text(hundredths):
    return "%d,%02d" % divmod(hundredths, 100)


class TeamEvening(Evening):
    """A working folder with the team event set up and round 1 drawn, opened by the window."""

    def __init__(self, build, source):
        self.build, self.folder, self.port, self.process = build, tempfile.mkdtemp(prefix="vk-lag-"), free_port(), None
        shutil.copy(os.path.join(source, "examples", "medlem.txt"), self.folder)
        self.cli("lag-ny", "--lag", "5", "--brickor", "2", "--ronder", "2", "--lagnamn", ";".join(TEAMS), "lag.sco")
        self.cli("lag-lottning", "lag.sco", "lag.sco", "--seedad")

    def launch(self):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
        return subprocess.Popen([os.path.join(self.build, "vindelkast"), "--bord", str(self.port), "lag.sco"],
                                cwd=self.folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def save(self):
        """The contest as the director saves it: what the recovery file holds, with its side files
        (the teams, the rules, the tables' codes) beside it; the window stopped."""
        self.kill()
        self.recovered_scores(1)
        os.replace(os.path.join(self.folder, "aterstalld.sco"), os.path.join(self.folder, "lag.sco"))
        for extension, content in self.recovery_sections().items():
            with open(os.path.join(self.folder, "lag" + extension), "wb") as f:
                f.write(content)
        os.remove(os.path.join(self.folder, RECOVERY))


def match_line(driver):
    """The match line on the round's page, which the evening's end leaves through "Till ronderna"."""
    if not hidden(driver, "end"):
        driver.find_element(By.ID, "endRounds").click()
    # Read at once: the page draws the round anew whenever it asks the server again.
    return driver.execute_script("const m = document.querySelector('#seats .match');"
                                 "return m ? m.innerText.replace(/\\n/g, ' ') : '';")


def check_readable(driver, where):
    """Nothing on the round's page is wider than the phone: no sideways scrolling, and the match
    line inside the screen."""
    scroll, client, right = driver.execute_script(
        "const d = document.documentElement, m = document.querySelector('#seats .match');"
        "return [d.scrollWidth, d.clientWidth, m ? m.getBoundingClientRect().right : 0];")
    assert scroll <= client and right <= client, (where, scroll, client, right)


def expected_line(team, margin):
    words = ("Ni leder med %d IMP" % margin if margin > 0 else
             "Ni ligger under med %d IMP" % -margin if margin < 0 else "Ni st\u00e5r lika")
    return "NS (%s): %s, %s VP" % (team, words, vp_text(vp(margin)))


def enter_on_phone(driver, index, play):
    """The table taps its result and sends it; the score it is shown is the one the test expects."""
    contract, declarer, result, score = play
    open_board(driver, index)
    visible(driver, "entry")
    pick_result(driver, contract, declarer, result)
    wait(driver, lambda d: d.find_element(By.ID, "confirmBtn").is_enabled() and text(d, "preview") == "NS %d" % score)
    driver.find_element(By.ID, "confirmBtn").click()
    visible(driver, "slip")
    tap(driver, "//button[@id='slipBack']")
    wait(driver, lambda d: not hidden(d, "round") or not hidden(d, "end"))  # the evening's last board: its end


def refused(driver, board):
    """What the server answers the phone that sends a result on `board`."""
    return driver.execute_async_script(
        "const done = arguments[1]; call('submit', {table: S.table, code: S.code, entry: 'fel-' + arguments[0],"
        " board: arguments[0], contract: '4S', declarer: 'N', tricks: 10}).then(r => done([r.status, r.json]));",
        board)


def play_round(evening, phones, round_number, shots):
    """Every table enters its two boards on its phone, board by board; after each board both phones
    of a match show it from their own side. Returns {team: (IMP margin, VP)} of the round."""
    codes = evening.codes()
    seats = {t: evening.seat(t, codes[t]) for t in phones}
    team = {t: (seats[t]["ns"]["nr"] + 1) // 2 for t in phones}  # each table's North-South team
    for t, driver in phones.items():
        wait(driver, lambda d: "Rond %d av 2" % round_number in text(d, "where"), 20)
        boards = driver.execute_script("return [...document.querySelectorAll('#boards button')].map(b => b.innerText)")
        assert [int(b.split()[1]) for b in boards] == [2 * round_number - 1, 2 * round_number], boards
        ns, ew = seats[t]["ns"]["nr"], seats[t]["ew"]["nr"]
        assert text(driver, "seats").startswith("NS: %d %s\n\u00d6V: %d %s" % (
            ns, TEAMS[(ns - 1) // 2], ew, TEAMS[(ew - 1) // 2])), text(driver, "seats")
        assert match_line(driver) == "", match_line(driver)  # nothing played at both tables yet
    if round_number == 1:  # a board of the round to come (one gone by is the table's to have changed)
        status, answer = refused(phones[1], 3)
        assert status == 422 and "Bricka 3 spelas inte vid bord 1 i rond 1" in answer["message"], answer
    margins = {}
    for index in range(2):
        board = 2 * round_number - 1 + index
        scores = {t: PLAYS[board][CHOICES[round_number][t][index]] for t in phones}
        for t, driver in phones.items():
            enter_on_phone(driver, index, scores[t])
        for home_table in (1, 3):  # the match at tables T and T+1; each table's NS its own side
            difference = imps(scores[home_table][3] - scores[home_table + 1][3])
            margins[home_table] = margins.get(home_table, 0) + difference
            for t, sign in ((home_table, 1), (home_table + 1, -1)):
                line = expected_line(TEAMS[team[t] - 1], sign * margins[home_table])
                wait(phones[t], lambda d: match_line(d) == line, 15)
                check_readable(phones[t], "bord %d" % t)
                if shots and index == 0:
                    phones[t].save_screenshot(os.path.join(shots, "lag-rond%d-bord%d.png" % (round_number, t)))
    return {team[t]: (margin, vp(margin)) for home_table, margin in margins.items()
            for t, margin in ((home_table, margin), (home_table + 1, -margin))}


def check_waiting_for_draw(driver, shots):
    """Round 1 done with round 2 not drawn: the phone says the director draws it, offers no move,
    and does not ask the server over and over for the round that is not there."""
    visible(driver, "done", 15)
    wait(driver, lambda d: "n\u00e4r t\u00e4vlingsledaren har lottat den" in text(d, "doneWait"), 15)
    assert text(driver, "doneTitle") == "Rond 1 \u00e4r klar", text(driver, "doneTitle")
    assert not driver.find_element(By.ID, "nextBtn").is_displayed()
    driver.execute_script("window.asked = 0; const real = window.fetch;"
                          "window.fetch = (url, options) => { window.asked++; return real(url, options); };")
    time.sleep(6)  # longer than the page waits between two questions to the server
    assert driver.execute_script("return window.asked") <= 3, driver.execute_script("return window.asked")
    if shots:
        driver.save_screenshot(os.path.join(shots, "lag-rond1-klar.png"))


def standings_vp(evening):
    """{team: VP in hundredths} as vindelkast-cli lag-resultat ranks the saved event."""
    rows = {}
    for line in evening.cli("lag-resultat", "lag.sco").splitlines():
        found = re.match(r"\s*\d+=?\s+(\d+)\s.*\s(\d+),(\d\d)\s+-?\d+\s+\d+,\d+\s*$", line)
        if found:
            rows[int(found.group(1))] = int(found.group(2)) * 100 + int(found.group(3))
    return rows


def main():
    build, source = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    with TeamEvening(build, source) as evening, contextlib.ExitStack() as stack:
        evening.start()
        codes = evening.codes()
        assert sorted(codes) == [1, 2, 3, 4], codes
        phones = {t: stack.enter_context(phone(WIDTHS[t - 1], 812)) for t in codes}
        for t, driver in phones.items():
            log_in_as(driver, evening, str(t), codes[t])
        totals = {team: 0 for team in range(1, 6)}
        for round_number in (1, 2):
            print("Rond %d" % round_number, flush=True)
            results = play_round(evening, phones, round_number, shots)
            for team in totals:
                totals[team] += results[team][1] if team in results else BYE_VP
            if round_number == 1:
                check_waiting_for_draw(phones[1], shots)
                evening.save()
                evening.cli("lag-lottning", "lag.sco", "lag.sco")
                evening.start()
                assert evening.codes() == codes, "the tables' codes changed with the draw"
        phones[1].get("http://127.0.0.1:%d/bord" % evening.port)
        visible(phones[1], "end", 15)
        # The phone ranks the teams by their victory points; the table's two teams stand out.
        rows = [[td.text for td in tr.find_elements(By.TAG_NAME, "td")]
                for tr in phones[1].find_elements(By.CSS_SELECTOR, "#rankingRows tr")]
        assert {int(row[1]): row[3] for row in rows} == {t: vp_text(v) for t, v in totals.items()}, rows
        assert len(phones[1].find_elements(By.CSS_SELECTOR, "#rankingRows tr.own")) == 2
        assert phones[1].execute_script("return document.documentElement.scrollWidth") <= WIDTHS[0]
        if shots:
            phones[1].save_screenshot(os.path.join(shots, "lag-slut.png"))
        evening.save()
        assert standings_vp(evening) == totals, (standings_vp(evening), totals)
        print("Lagt\u00e4vling: 4 bord matade 2 ronder p\u00e5 telefonen, matchst\u00e4llning och VP som v\u00e4ntat")


if __name__ == "__main__":
    main()
