"""Table 1 plays a whole evening on the real table page, in headless Chromium at 390x844,
against the window program started offscreen with its table server on 127.0.0.1; the seven
other tables send their results through the JSON interface. On the way: the result shown in
words with its score before it may be sent, undoubled until X is pressed, the send button
in view without scrolling, messages beside their button and gone with the next tap, a board
already entered opening on its result, where the pairs go next, the next round coming by
itself, and at the end "Kv\u00e4llen \u00e4r slut" with the final ranking and the pairs' cards.

    /usr/bin/python3 table_browser_test.py BUILD_DIR SOURCE_DIR [SCREENSHOT_DIR]
"""
import os
import re
import sys
import tempfile
import urllib.request

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import Evening  # noqa: E402
from phone_steps import (SWEDISH_SEATS, board_buttons, box, check_fits, choose, hidden, in_view,  # noqa: E402
                         log_in_as, open_board, other_tables_play, phone, pick_result, screen, tap, text,
                         visible, wait)

ROUNDS = 7
# What table 1 plays on the three boards of each round: contract, declarer, result, doubled.
PLAYS = [("4S", "N", "=", ""), ("3NT", "S", "+1", ""), ("2H", "E", "-2", "X"),
         ("1NT", "W", "=", ""), ("6D", "N", "+1", ""), ("pass", "", "", "")]


# The entry form's buttons on the screen that are not the topmost element at their centre.
COVERED = ("return Array.from(document.querySelectorAll('#entry .row button')).filter(b => {"
           "  const r = b.getBoundingClientRect(); if (!r.height || r.bottom > innerHeight) return false;"
           "  return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2) !== b;"
           "}).map(b => b.parentNode.id + ':' + b.textContent);")


def check_policy(port):
    """The page runs no inline code: its script and style are resources of their own."""
    with urllib.request.urlopen("http://127.0.0.1:%d/bord" % port, timeout=5) as page:
        policy = page.headers["Content-Security-Policy"]
        html = page.read().decode()
    assert "script-src 'self'" in policy and "unsafe-inline" not in policy, policy
    assert "<script>" not in html and "<style" not in html
    for path, kind in (("/bord.js", "text/javascript"), ("/bord.css", "text/css")):
        with urllib.request.urlopen("http://127.0.0.1:%d%s" % (port, path), timeout=5) as answer:
            assert answer.headers["Content-Type"].startswith(kind), (path, answer.headers["Content-Type"])


def enter_board(driver, evening, index, play, shots=None):
    """Enters one board of the round as the table would, checking the form on the way."""
    contract, declarer, result, doubled = play
    open_board(driver, index)
    visible(driver, "entry")
    board = int(text(driver, "entryTitle").split()[-1])
    # Undoubled is chosen; nothing can be sent before the result is complete.
    assert "on" in driver.find_element(By.XPATH, "//div[@id='doubles']/button[1]").get_attribute("class")
    assert not driver.find_element(By.ID, "confirmBtn").is_enabled()
    if contract != "pass":
        choose(driver, "levels", contract[0])
        assert not driver.find_element(By.ID, "confirmBtn").is_enabled()
        assert text(driver, "summary").startswith("V\u00e4lj f\u00e4rg"), text(driver, "summary")
    pick_result(driver, contract, declarer, result, doubled)
    wait(driver, lambda d: d.find_element(By.ID, "confirmBtn").is_enabled())
    words = text(driver, "summary")
    if contract == "pass":
        assert words.startswith("Passad giv"), words
        score = "0"
    else:
        score = evening.cli("contract", contract + doubled, declarer, result, "--board", str(board)).strip()
        assert (" dubblad" in words) == (doubled == "X"), words
        assert ("hemg\u00e5ng" in words) == (not result.startswith("-")), words
        assert " av %s" % {"N": "Nord", "E": "\u00d6st", "S": "Syd", "W": "V\u00e4st"}[declarer] in words, words
    wait(driver, lambda d: text(d, "preview") == "NS " + score)
    # The confirm button is on the screen as it stands, at a phone's size, and the score bar
    # that keeps it there covers none of the buttons above it: each is the topmost element
    # at its own centre.
    assert driver.execute_script("return window.scrollY") == 0
    assert in_view(driver, "confirmBtn"), box(driver, "confirmBtn")
    covered = driver.execute_script(COVERED)
    assert not covered, covered
    if index == 0 and play == PLAYS[0]:
        # Where the browser's bars leave the page less of the screen, nothing covers a button
        # either, and the last tap brings the confirm button into view.
        screen(driver, 390, 664)
        driver.execute_script("window.scrollTo(0, 0)")
        covered = driver.execute_script(COVERED)
        assert not covered, covered
        choose(driver, "results", result.replace("-", "\u2212") if contract != "pass" else "Pass")
        # Scrolled to the screen's bottom edge, give or take a fraction of a pixel.
        wait(driver, lambda d: 0 <= box(d, "confirmBtn")[0] and box(d, "confirmBtn")[1] <= 665)
        if shots:
            driver.save_screenshot(os.path.join(shots, "bord1-inmatning-664.png"))
        screen(driver, 390, 844)
        driver.execute_script("window.scrollTo(0, 0)")
    if shots:
        driver.save_screenshot(os.path.join(shots, "bord1-inmatning.png"))
    driver.find_element(By.ID, "confirmBtn").click()
    visible(driver, "slip")
    assert score in text(driver, "slipRows"), (board, text(driver, "slipRows"))
    tap(driver, "//button[@id='slipBack']")
    visible(driver, "round")
    return board, score


def entered_board_opens_on_its_result(driver):
    """The round is done and the next not begun: the EW pair that sits down next plays board 1
    later, so its results stay hidden on the phone the leaving pairs hand over."""
    open_board(driver, 0)
    visible(driver, "entered")
    assert "inl\u00e4mnad" in text(driver, "enteredTitle")
    assert text(driver, "enteredText").startswith("4 spader av Nord: hemg\u00e5ng"), text(driver, "enteredText")
    assert text(driver, "enteredScore").startswith("NS "), text(driver, "enteredScore")
    wait(driver, lambda d: text(d, "enteredRows"))
    assert text(driver, "enteredRows").endswith("visas n\u00e4r alla som sitter vid bordet har spelat den"), \
        text(driver, "enteredRows")
    assert "Beg\u00e4r \u00e4ndring" in text(driver, "changeHow")
    tap(driver, "//button[@id='enteredBack']")
    visible(driver, "round")


def change_is_held_for_the_director(driver, shots):
    """Asks for another result on an entered board: the answer stands beside the button
    that sent it, goes with the next tap, and leaves once the director has decided."""
    open_board(driver, 0)
    visible(driver, "entered")
    tap(driver, "//button[@id='changeBtn']")
    visible(driver, "entry")
    assert text(driver, "confirmBtn") == "Skicka till t\u00e4vlingsledaren"
    choose(driver, "results", "+1")
    driver.find_element(By.ID, "confirmBtn").click()
    wait(driver, lambda d: "avg\u00f6r" in text(d, "entryMsg"))
    assert in_view(driver, "entryMsg")
    confirm_bottom, message_top = box(driver, "confirmBtn")[1], box(driver, "entryMsg")[0]
    assert 0 <= message_top - confirm_bottom < 20, (confirm_bottom, message_top)
    assert "Hos t\u00e4vlingsledaren: 1" in text(driver, "queue")
    if shots:
        driver.save_screenshot(os.path.join(shots, "bord1-konflikt.png"))
    tap(driver, "//button[@id='backBtn']")
    visible(driver, "round")
    assert hidden(driver, "entryMsg") and text(driver, "entryMsg") == ""
    assert "hos t\u00e4vlingsledaren" in board_buttons(driver)[0].text


def director_decides(driver, shots):
    """The director keeps what is there: from then on the server lists no held result for
    the table and its round answer carries the decision (the desk's part is the window test's,
    the answer's the core test's); the page tells the table what was decided."""
    board = int(board_buttons(driver)[0].text.split()[1])
    driver.execute_script(
        "const real = window.fetch; window.fetch = async (url, options) => {"
        "  const answer = await real(url, options);"
        "  if (!String(url).endsWith('/api/round')) return answer;"
        "  const json = await answer.json(); json.held = [];"
        "  json.decided = [{entry: 'annat', board: %d, accepted: false}];"
        "  return new Response(JSON.stringify(json), {status: answer.status});};" % board)
    wait(driver, lambda d: "Hos t\u00e4vlingsledaren" not in text(d, "queue"), 15)
    assert "Avgjorda av t\u00e4vlingsledaren: 1" in text(driver, "queue"), text(driver, "queue")
    kept = "t\u00e4vlingsledaren beh\u00f6ll det tidigare resultatet"
    wait(driver, lambda d: kept in board_buttons(d)[0].text, 15)
    if shots:
        driver.save_screenshot(os.path.join(shots, "bord1-beslut.png"))
    open_board(driver, 0)
    visible(driver, "entered")
    assert text(driver, "changeHow").startswith("T" + kept[1:]), text(driver, "changeHow")
    tap(driver, "//button[@id='enteredBack']")
    visible(driver, "round")


def check_directions(driver, evening, code, round_number):
    """The finished round says where each pair goes, as the movement has it."""
    seat = evening.seat(1, code, round_number)
    assert seat["complete"], seat
    visible(driver, "done")
    assert text(driver, "doneTitle").startswith("Rond %d \u00e4r klar" % round_number), text(driver, "doneTitle")
    moves = text(driver, "moves")
    for move in seat["next"]:
        expected = "Par %d" % move["nr"]
        if move["table"]:
            expected = "bord %d, %s, brickor %d\u2013%d" % (move["table"], SWEDISH_SEATS[move["seat"]],
                                                           move["boards"][0], move["boards"][-1])
        assert expected in moves, (expected, moves)
    return seat


def check_end(driver, evening):
    visible(driver, "end", 20)
    assert "Kv\u00e4llen \u00e4r slut" in driver.find_element(By.ID, "end").text
    ranking = driver.find_elements(By.CSS_SELECTOR, "#rankingRows tr")
    assert len(ranking) == 16, len(ranking)
    own = driver.find_elements(By.CSS_SELECTOR, "#rankingRows tr.own")
    assert len(own) == 2, len(own)
    cards = driver.find_elements(By.CSS_SELECTOR, "#cards .card")
    assert len(cards) == 2
    for card in cards:
        assert len(card.find_elements(By.CSS_SELECTOR, "tbody tr:not(:has(th))")) == 3 * ROUNDS
    # The ranking is the director's: the winner's percentage as vindelkast-cli reads the
    # recovery file the window wrote.
    evening.recovered_scores(1)
    standings = evening.cli("standings", "aterstalld.sco").splitlines()
    winner = next(line for line in standings if line.strip().startswith("1 "))
    cells = ranking[0].find_elements(By.TAG_NAME, "td")
    assert cells[3].text == winner.split()[-1].replace(".", ","), (cells[3].text, winner)
    assert cells[1].text == winner.split()[1], (cells[1].text, winner)
    assert driver.execute_script("return document.documentElement.scrollWidth") <= 390


def share_card(path):
    """A share written by hand: 72 pairs at 36 tables on 18 board groups, two sections of 18
    tables where table 2k-1 and table 2k play the same boards every round. Returns the card's
    records as {(round, table): (ns, ew, first board)}."""
    records, lines = {}, ["72 54 9 3"]
    for r in range(9):
        for i in range(18):
            for section in range(2):
                ns, ew = section * 18 + i + 1, 36 + section * 18 + (i + r) % 18 + 1
                first = (i - r) % 18 * 3 + 1
                records[(r + 1, 2 * i + section + 1)] = (ns, ew, first)
                lines.append("%d %d %d %d" % (r + 1, ns, ew, first))
    with open(path, "w") as f:
        f.write("\r\n".join(lines) + "\r\n")
    return records


def shared_boards_evening(build, source, shots):
    """Every table of a card whose tables share boards gets its code, and its phone is told
    its own record's pairs and boards in every round; table 2's page shows them."""
    handle, card = tempfile.mkstemp(suffix=".gui")
    os.close(handle)
    records = share_card(card)
    with Evening(build, source, card, pairs=72, boards=54, rounds=9) as evening:
        os.remove(card)  # the evening has its own copy
        evening.start()
        codes = evening.codes()
        assert len(codes) == 36, len(codes)
        for (round_number, table), (ns, ew, first) in sorted(records.items()):
            seat = evening.seat(table, codes[table], round_number)
            got = (seat["ns"]["nr"], seat["ew"]["nr"], [b["board"] for b in seat["boards"]])
            assert got == (ns, ew, [first, first + 1, first + 2]), (round_number, table, got)
        with phone() as driver:
            driver.get("http://127.0.0.1:%d/bord?bord=2&kod=%s" % (evening.port, codes[2]))
            visible(driver, "round")
            wait(driver, lambda d: "Rond 1 av 9" in text(d, "where"))
            ns, ew, first = records[(1, 2)]
            seats = text(driver, "seats")
            assert str(ns) in seats and str(ew) in seats, seats
            assert len(board_buttons(driver)) == 3
            if shots:
                driver.save_screenshot(os.path.join(shots, "delade-givar-bord2.png"))


def imp_evening(build, source, shots):
    """A cross-IMP evening played through by the tables: table 1's phone ends on the ranking with
    total IMPs and IMPs per board, and cards with each board's IMPs, two decimals and a comma."""
    with Evening(build, source, scoring="cross-imps") as evening:
        evening.start()
        codes = evening.codes()
        for _ in range(ROUNDS + 1):
            other_tables_play(evening, codes, range(1, 9))
        with phone() as driver:
            driver.get("http://127.0.0.1:%d/bord?bord=1&kod=%s" % (evening.port, codes[1]))
            visible(driver, "end", 20)
            heads = [th.text for th in driver.find_elements(By.CSS_SELECTOR, "#end > table th")]
            assert heads == ["Pl", "Par", "Namn", "IMP", "IMP/giv"], heads
            rows = [[td.text for td in tr.find_elements(By.TAG_NAME, "td")]
                    for tr in driver.find_elements(By.CSS_SELECTOR, "#rankingRows tr")]
            assert len(rows) == 16, rows
            for row in rows:
                assert all(re.fullmatch(r"-?\d+,\d\d", figure) for figure in row[3:]), row
            for above, below in zip(rows, rows[1:]):
                assert above[0] == below[0] or above[3] != below[3], (above, below)
            for card in driver.find_elements(By.CSS_SELECTOR, "#cards .card"):
                assert re.search(r" \u00b7 -?\d+,\d\d IMP$", card.find_element(By.TAG_NAME, "h3").text)
                assert [th.text for th in card.find_elements(By.CSS_SELECTOR, "thead th")][-1] == "IMP"
            assert driver.execute_script("return document.documentElement.scrollWidth") <= 390
            if shots:
                driver.save_screenshot(os.path.join(shots, "bord1-imp-slut.png"))


def ranking_rows(table):
    return [[td.text for td in tr.find_elements(By.TAG_NAME, "td")] + ["own" in tr.get_attribute("class")]
            for tr in table.find_elements(By.CSS_SELECTOR, "tbody tr")]


def check_section_lists(lists, standings):
    """Each section's ranking (title, rows of place, label, ...) ranks its own 13 pairs 1..13 by
    the director's standings of that section, read by vindelkast-cli; its sit-out is nobody."""
    for letter, rows in lists:
        assert len(rows) == 13 and all(row[1].startswith(letter) for row in rows), (letter, rows)
        assert rows[0][0] == "1" and all(int(r[0]) <= i + 1 for i, r in enumerate(rows)), rows
        at = standings.index("Sektion " + letter)
        winner = next(line.split() for line in standings[at:].splitlines() if line.strip().startswith("1 "))
        assert rows[0][1] == winner[1], (letter, rows[0], winner)


def sectioned_evening(build, source, shots):
    """Two sections of 13 pairs on a 13-pair Mitchell card, across the field, set up by vindelkast-cli:
    table B1's phone logs in as "B1" with B labels; its round done, pair B1 is told to sit the next
    round out and the boards are kept from the pair that sits down next; it rests in round 2, which
    comes by itself, and goes on to round 3 when the players tap on; at the end it ranks each section
    apart, its own first, and the results pages list each section and show the labels."""
    card = ("mitchell", "--pairs", "13", "--rounds", "7", "--boards-per-round", "2")
    with Evening(build, source, card, pairs=26, boards=14, rounds=7, sections="13,13") as evening, \
            phone() as driver:
        evening.start()
        codes = evening.codes()
        assert len(codes) == 14, codes
        seat = evening.seat(8, codes[8])
        ns, ew = seat["ns"]["label"], seat["ew"]["label"]
        assert (seat["tableLabel"], ns, ew) == ("B1", "B1", "B8"), seat
        log_in_as(driver, evening, "B1", codes[8])
        wait(driver, lambda d: text(d, "where").startswith("Bord B1 \u00b7 Rond 1 av 7"))
        seats = text(driver, "seats")
        assert "NS: %s" % ns in seats and "\u00d6V: %s" % ew in seats, seats
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-b-rond1.png"))
        other_tables_play(evening, codes, [t for t in codes if t not in (2, 8)])
        enter_board(driver, evening, 0, PLAYS[1])
        # The other section's table on the same board is on the slip by its A labels.
        open_board(driver, 0)
        visible(driver, "entered")
        wait(driver, lambda d: len(d.find_elements(By.CSS_SELECTOR, "#enteredRows tr")) >= 2)
        labels = {td.text[0] for td in driver.find_elements(By.CSS_SELECTOR, "#enteredRows td:nth-child(-n+2)")}
        assert labels == {"A", "B"}, text(driver, "enteredRows")
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-b-lapp.png"))
        tap(driver, "//button[@id='enteredBack']")
        visible(driver, "round")
        enter_board(driver, evening, 1, PLAYS[3])
        wait(driver, lambda d: "Rond 1 \u00e4r klar" in text(d, "doneTitle"))
        moves = text(driver, "moves")
        assert "Par B1: N\u00e4sta rond st\u00e5r ni \u00f6ver" in moves and "Par B8 \u2192 bord B2, \u00d6V" in moves, \
            moves
        assert "(11 av 12 klara)" in text(driver, "doneWait"), text(driver, "doneWait")
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-b-rond-klar.png"))
        # Those sitting down at B1 after its rest play round 1's boards later: hidden on the pages too.
        driver.get("http://127.0.0.1:%d/resultat/giv%d.html" % (evening.port, seat["boards"][0]["board"]))
        hidden_page = driver.page_source
        assert "Given visas n\u00e4r alla som sitter vid ert bord" in hidden_page and 'class="trav"' not in hidden_page
        driver.get("http://127.0.0.1:%d/bord" % evening.port)
        visible(driver, "round")
        # The last table done, B1 rests in round 2 and is told who comes to it; then the players tap on.
        other_tables_play(evening, codes, [2])
        wait(driver, lambda d: text(d, "where").startswith("Bord B1 \u00b7 Rond 2 av 7"), 15)
        assert text(driver, "doneTitle") == "Rond 2: bordet vilar", text(driver, "doneTitle")
        assert text(driver, "seats").startswith("Bordet vilar den h\u00e4r ronden"), text(driver, "seats")
        assert not board_buttons(driver) and text(driver, "nextBtn") == "Vi b\u00f6rjar: till rond 3"
        assert "Par B1 \u2192 bord B1, NS" in text(driver, "moves"), text(driver, "moves")
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-b-vilar.png"))
        other_tables_play(evening, codes, codes, "r2-")
        tap(driver, "//button[@id='nextBtn']")  # the players need not wait for the page
        wait(driver, lambda d: text(d, "where").startswith("Bord B1 \u00b7 Rond 3 av 7"))
        assert "NS: B1" in text(driver, "seats") and len(board_buttons(driver)) == 2
        for r in range(3, 8):
            other_tables_play(evening, codes, codes, "r%d-" % r)
        driver.get("http://127.0.0.1:%d/bord" % evening.port)
        visible(driver, "end", 20)
        assert text(driver, "rankingTitle") == "Slutst\u00e4llning sektion B", text(driver, "rankingTitle")
        own = ranking_rows(driver.find_element(By.ID, "rankingTable"))
        assert sum(row[-1] for row in own) == 2, own
        others = driver.find_elements(By.CSS_SELECTOR, "#moreRankings table")
        assert [h.text for h in driver.find_elements(By.CSS_SELECTOR, "#moreRankings h3")] == \
            ["Slutst\u00e4llning sektion A"] and len(others) == 1
        evening.recovered_scores(1)
        with open(os.path.join(evening.folder, "aterstalld.sektion"), "wb") as f:
            f.write(evening.recovery_sections()[".sektion"])
        standings = evening.cli("standings", "aterstalld.sco")
        check_section_lists([("B", own), ("A", ranking_rows(others[0]))], standings)
        for card_head in driver.find_elements(By.CSS_SELECTOR, "#cards .card h3"):
            assert card_head.text.startswith("Par B"), card_head.text
        assert driver.execute_script("return document.documentElement.scrollWidth") <= 390
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-b-slut.png"))
        # The results pages, one list a section with the phone's places.
        driver.find_element(By.ID, "resultsLink").click()
        wait(driver, lambda d: d.current_url.endswith("/resultat/"))
        check_fits(driver, "index.html i sektioner")
        heads = [h.text for h in driver.find_elements(By.TAG_NAME, "h2")]
        assert heads[:2] == ["Resultat sektion A", "Resultat sektion B"], heads
        lists = driver.find_elements(By.CSS_SELECTOR, "main table")
        site = [("A", ranking_rows(lists[0])), ("B", ranking_rows(lists[1]))]
        check_section_lists(site, standings)
        # A pair without names is named by its label too.
        assert all(row[2] == "Par " + row[1] for _, rows in site for row in rows), site
        assert [r[:2] for r in site[1][1]] == [r[:2] for r in own], (site[1][1], own)
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-resultat.png"))
        driver.find_element(By.LINK_TEXT, ns).click()
        wait(driver, lambda d: d.find_element(By.TAG_NAME, "h1").text == "Par " + ns)
        check_fits(driver, "paret %s" % ns)
        opponents = {a.text.split()[-1] for a in driver.find_elements(By.CSS_SELECTOR, "tr.round a")}
        assert len(opponents) == 6 and all(o[0] == "B" for o in opponents), opponents
        driver.find_element(By.CSS_SELECTOR, "tbody td.n a").click()
        wait(driver, lambda d: d.find_element(By.TAG_NAME, "h1").text.startswith("Giv "))
        check_fits(driver, "given i sektioner")
        pairs = {a.text.split()[-1][0] for a in driver.find_elements(By.CSS_SELECTOR, "tbody a")}
        assert pairs == {"A", "B"}, pairs
        if shots:
            driver.save_screenshot(os.path.join(shots, "sektion-giv.png"))


def main():
    build, source = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    with Evening(build, source) as evening, phone() as driver:
        evening.start()
        codes = evening.codes()
        assert len(codes) == 8, codes
        check_policy(evening.port)
        driver.get("http://127.0.0.1:%d/bord?bord=1&kod=%s" % (evening.port, codes[1].lower()))
        visible(driver, "round")
        entered = 0
        for r in range(1, ROUNDS + 1):
            print("Rond %d" % r, flush=True)
            wait(driver, lambda d: "Rond %d av %d" % (r, ROUNDS) in text(d, "where"), 20)
            if r > 1:  # the last round's directions stay until this round's first board
                assert text(driver, "doneTitle").startswith("Rond %d \u00e4r klar" % (r - 1))
            for i in range(3):
                play = PLAYS[(3 * (r - 1) + i) % len(PLAYS)]
                enter_board(driver, evening, i, play, shots if r == 1 and i == 0 else None)
                entered += 1
            if r == 1:
                entered_board_opens_on_its_result(driver)
            if r == 2:
                change_is_held_for_the_director(driver, shots)
                director_decides(driver, shots)
            check_directions(driver, evening, codes[1], r)
            if r < ROUNDS:
                assert "(1 av 8 klara)" in text(driver, "doneWait"), text(driver, "doneWait")
            if shots and r == 1:
                driver.save_screenshot(os.path.join(shots, "bord1-rond-klar.png"))
            other_tables_play(evening, codes, range(2, 9))
        check_end(driver, evening)
        if shots:
            driver.save_screenshot(os.path.join(shots, "bord1-slut.png"))
        print("Webbl\u00e4sartest: bord 1 spelade %d brickor genom hela kv\u00e4llen till slutst\u00e4llningen"
              % entered)
    shared_boards_evening(build, source, shots)
    print("Delade givar: 36 bord med egna koder, par och brickor i alla 9 ronder")
    imp_evening(build, source, shots)
    print("IMP-kv\u00e4ll: slutst\u00e4llning och kort i IMP med tv\u00e5 decimaler")
    sectioned_evening(build, source, shots)
    print("Sektioner: bord B1 med B-nummer genom sin vilorond, en st\u00e4llning per sektion p\u00e5 "
          "telefonen och resultatsidorna")


if __name__ == "__main__":
    main()
