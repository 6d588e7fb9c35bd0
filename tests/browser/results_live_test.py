"""The players' results live at /resultat/ on the window's table server, read in headless
Chromium at a phone's width (360 and 390 px) in the middle of an eight-table Mitchell: table
1's phone logs in on the table page and follows its link to the standings, which say how far
the evening has come; with its round complete and the next not begun it sees the boards that
both the pairs who played and those who sit down next have played, not the round's boards the
new pair still meets, and a visitor without a login sees none. Every page leads
back to the table's page at the top. Once the next round's pairs have scored a board, a pair's
card read at the table shows no result on a board one of them has still to play, their own
cards included, and a board the table played before says who has yet to play it. No page
scrolls sideways, runs a script or loads anything.

    /usr/bin/python3 results_live_test.py BUILD_DIR SOURCE_DIR [SCREENSHOT_DIR]
"""
import contextlib
import os
import sys

from selenium.webdriver.common.by import By

from phone_steps import check_fits, phone, visible, wait
from tables_common import Evening, entry

HIDDEN = "Given visas n\u00e4r"
NOT_PLAYED = "Given visas n\u00e4r ert bord har spelat den."
NOT_ALL_PLAYED = "Given visas n\u00e4r alla som sitter vid ert bord har spelat den."
VISITOR = "Given visas n\u00e4r t\u00e4vlingen \u00e4r slut eller resultaten har publicerats."


def play_rounds(evening, codes, last):
    """Every table enters its boards of rounds 1..last; returns the boards each pair played."""
    played = {}
    for round_number in range(1, last + 1):
        for table, code in codes.items():
            seat = evening.seat(table, code)
            assert seat["round"] == round_number, seat
            for board in seat["boards"]:
                number = board["board"]
                evening.submit(dict(entry(table, code, number, "t"), contract="3NT", declarer="S",
                                    tricks=7 + (table * number) % 5))
                for pair in (seat["ns"]["nr"], seat["ew"]["nr"]):
                    played.setdefault(pair, set()).add(number)
    return played


def card_rows(driver):
    """The rows of a pair's card: (board, what its contract cell says)."""
    return driver.execute_script(
        "return Array.from(document.querySelectorAll('tbody tr')).filter(r => !r.querySelector('th'))"
        "  .map(r => [Number(r.cells[0].textContent), r.cells.length > 1 ? r.cells[1].textContent : '']);")


def back_to_the_table(driver, base, shots):
    """The link at the top of a results page leads to the table's own page, logged in."""
    link = driver.find_element(By.LINK_TEXT, "\u2190 Till bordet")
    assert link.rect["y"] < 40, link.rect
    link.click()
    wait(driver, lambda d: d.current_url == base + "/bord")
    visible(driver, "round")
    if shots:
        driver.save_screenshot(os.path.join(shots, "resultat-tillbaka-till-bordet.png"))


def next_round_begins(evening, codes, table, seat, played):
    """The table's next round scores its first board: its new pairs now read the phone."""
    number = seat["boards"][0]["board"]
    evening.submit(dict(entry(table, codes[table], number, "n"), contract="3NT", declarer="S", tricks=9))
    for pair in (seat["ns"]["nr"], seat["ew"]["nr"]):
        played[pair].add(number)


def main():
    build, source = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    with contextlib.ExitStack() as closing:
        evening = closing.enter_context(Evening(build, source))
        evening.start()
        codes = evening.codes()
        played = play_rounds(evening, codes, 3)
        seat = evening.seat(1, codes[1])
        assert seat["round"] == 4
        # Round 3 complete, round 4 not begun: the pairs who just played round 3 still sit
        # there while round 4's sit down, and none of them sees a board one of them has to play.
        done = evening.seat(1, codes[1], 3)
        theirs = set.intersection(*(played[s[side]["nr"]] for s in (done, seat) for side in ("ns", "ew")))
        assert {b["board"] for b in done["boards"]} - theirs, theirs
        base = "http://127.0.0.1:%d" % evening.port
        for width in (360, 390):
            table = closing.enter_context(phone(width))
            visitor = closing.enter_context(phone(width))
            # The table's phone logs in and follows its link to the results.
            table.get(base + "/bord?bord=1&kod=" + codes[1])
            wait(table, lambda d: d.find_element(By.ID, "resultsLink").is_displayed())
            table.find_element(By.ID, "resultsLink").click()
            wait(table, lambda d: d.current_url.endswith("/resultat/"))
            heading = table.find_element(By.TAG_NAME, "h2").text
            assert heading == "St\u00e4llning NS efter 3 av 7 ronder", heading
            check_fits(table, "index.html at %d px" % width)
            if shots:
                table.save_screenshot(os.path.join(shots, "resultat-%d.png" % width))
            for board in range(1, 25):
                url = "%s/resultat/giv%d.html" % (base, board)
                table.get(url)
                # A page that failed to load would pass for a board shown. The page is read from the
                # browser once it has it whole: on a loaded machine its source can lag the load.
                try:
                    wait(table, lambda d: "Till bordet" in d.page_source)
                except Exception:
                    source = table.page_source
                    raise AssertionError("giv%d.html did not load at table 1: %s, %d characters, ending %r" % (
                        board, table.title, len(source), source[-300:]))
                shown = HIDDEN not in table.page_source
                assert shown == (board in theirs), "board %d at table 1: shown %s" % (board, shown)
                check_fits(table, "giv%d.html at %d px" % (board, width), 20)
                if shown and shots and width == 390:
                    table.save_screenshot(os.path.join(shots, "resultat-giv%d.png" % board))
                visitor.get(url)
                assert VISITOR in visitor.page_source and "3NT" not in visitor.page_source, board
            # Links from the standings lead to the cards; the own card too keeps to itself what
            # the pair sitting down has still to play.
            table.get(base + "/resultat/")
            table.find_element(By.LINK_TEXT, str(seat["ns"]["nr"])).click()
            wait(table, lambda d: d.current_url.endswith("/par%d.html" % seat["ns"]["nr"]))
            assert all((contract != "") == (board in theirs) for board, contract in card_rows(table))
            check_fits(table, "par%d.html at %d px" % (seat["ns"]["nr"], width))
            if shots:
                table.save_screenshot(os.path.join(shots, "resultat-par-%d.png" % width))
            if width == 390:
                back_to_the_table(table, base, shots)

        # Round 4 begins at table 1: its new EW pair has yet to meet boards the table played.
        next_round_begins(evening, codes, 1, seat, played)
        readers = played[seat["ns"]["nr"]] & played[seat["ew"]["nr"]]
        for pair in range(1, 17):
            table.get("%s/resultat/par%d.html" % (base, pair))
            rows = card_rows(table)
            assert rows, pair
            for board, contract in rows:
                if board in played.get(pair, set()):
                    assert (contract != "") == (board in readers), (pair, board, contract, sorted(readers))
            if shots and pair == seat["ew"]["nr"]:
                table.save_screenshot(os.path.join(shots, "resultat-par%d-nya-paret.png" % pair))
        told = 0
        for board in (played[done["ns"]["nr"]] & played[done["ew"]["nr"]]) - readers:
            table.get("%s/resultat/giv%d.html" % (base, board))
            assert NOT_ALL_PLAYED in table.page_source, board
            told += 1
        assert told > 0
        table.get("%s/resultat/giv%d.html" % (base, min(set(range(1, 25)) - played[seat["ns"]["nr"]])))
        assert NOT_PLAYED in table.page_source
        print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
