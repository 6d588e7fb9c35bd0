"""The window program is killed (SIGKILL) while eight tables submit their results; started
again, it takes the recovery offer, and nothing the tables were answered is lost: every
result a table was told was stored is there, an entry sent again answers "redan" (and the
same entry with another result is known as sent), the result held for the director is still
waiting, and the tables' codes still work; the journal of the results is the one the window
had, and goes on from there. Then the folder cannot be written: a result and
every re-send of it get 503, never "lagrat" or "redan", until it can; after another kill -9
the result acknowledged then is back.

    /usr/bin/python3 table_crash_test.py BUILD_DIR SOURCE_DIR
"""
import os
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import Evening, entry, own_scores  # noqa: E402


def play(evening, table, code, acknowledged, lock, stop):
    """One table entering its rounds until the evening is done or the server is gone."""
    for _ in range(12):  # at most a dozen rounds asked for
        status, seat = evening.call("round", {"table": table, "code": code})
        if status != 200:
            return
        todo = [b for b in seat["boards"] if not b["entered"]]
        if not todo:
            return
        for b in todo:
            if stop.is_set():
                return
            body = entry(table, code, b["board"], "k")
            status, answer = evening.call("submit", body)
            if status == 0:
                return
            assert status == 200, (status, answer)
            with lock:
                acknowledged.append((body, seat["round"], own_scores(answer, seat)[0]))


def stored_score(evening, body, round_number):
    """The score the table's round shows on the board of `body`: the board's slip may be
    hidden from the table while a pair sitting down there has it still to play."""
    status, seat = evening.call("round", {"table": body["table"], "code": body["code"], "round": round_number})
    assert status == 200, (body, status, seat)
    return [b["score"] for b in seat["boards"] if b["board"] == body["board"] and b["entered"]]


def held_results(evening):
    """The results held for the director, as the recovery file carries them."""
    entries = evening.recovery_sections().get(".bordposter", b"").decode("latin-1")
    return [line for line in entries.splitlines() if line.startswith("konflikt ")]


def journal(evening):
    """The journal the recovery file carries: (source, what, boards) of each edit, oldest first."""
    lines = evening.recovery_sections().get(".logg", b"").decode("cp1252").split("\r\n")
    assert lines[0] == "%LOGG 1", lines[:2]
    return [(f[1], f[2], f[5].split()) for f in (line.split("\t") for line in lines[1:] if line)]


def journalled(entries, body):
    """How many edits of the journal are the result of `body` from its table's phone."""
    return sum(1 for source, what, boards in entries
               if source == "bord %d" % body["table"] and boards == [str(body["board"])]
               and what.startswith("resultat giv %d," % body["board"]))


def hold_a_result(evening, codes):
    """Table 8 enters its first board, then another result for it under a new entry: the
    second is held for the director."""
    stored = entry(8, codes[8], evening.seat(8, codes[8])["boards"][0]["board"], "k")
    evening.submit(stored)
    evening.submit(dict(stored, entry="annat-8", tricks=stored["tricks"] - 2), (409, "konflikt"))


def not_secured_until_written(evening, codes):
    """With the folder unwritable a table's result and its re-sends get 503; writable again,
    the re-send is acknowledged, and it survives kill -9."""
    table, seat, board = evening.table_with_board_left(codes)
    body = entry(table, codes[table], board, "k")
    evening.writable(False)
    try:
        for _ in range(3):  # the first answer, then the phone's re-sends on new connections
            evening.submit(body, (503, "fel"))
            time.sleep(0.3)
    finally:
        evening.writable(True)
    status, answer = evening.call("submit", body)
    assert status == 200 and answer["status"] in ("lagrat", "redan"), (status, answer)
    evening.kill()
    evening.start()
    assert stored_score(evening, body, seat["round"]), (table, board)


def main():
    with Evening(sys.argv[1], sys.argv[2]) as evening:
        evening.start()
        codes = evening.codes()
        hold_a_result(evening, codes)
        before = held_results(evening)
        assert len(before) == 1 and " annat-8 " in before[0], before
        acknowledged, lock, stop = [], threading.Lock(), threading.Event()
        tables = [threading.Thread(target=play, args=(evening, t, codes[t], acknowledged, lock, stop))
                  for t in range(1, 9)]
        for t in tables:
            t.start()
        deadline = time.time() + 30
        while len(acknowledged) < 40 and time.time() < deadline:
            time.sleep(0.01)
        evening.kill()
        stop.set()
        for t in tables:
            t.join(timeout=15)
        assert len(acknowledged) >= 40, len(acknowledged)

        kept = journal(evening)
        assert all(journalled(kept, body) == 1 for body, _, _ in acknowledged), kept

        evening.start()
        assert evening.codes() == codes, "the codes changed"
        last = {}
        for body, round_number, score in acknowledged:
            found = stored_score(evening, body, round_number)
            assert found == [score], (body, found, score)
            last[body["table"]] = body
        # A phone that never heard its answer sends its last entry again (a board of its
        # current round or the one before, which it may still write).
        for body in last.values():
            evening.submit(body, (200, "redan"))
        # The entry is remembered as sent, not only found in the contest: the same entry with
        # another result is refused as such, where a new entry would be held as a conflict.
        resent = next(iter(last.values()))
        evening.submit(dict(resent, tricks=resent["tricks"] - 1), (409, "fel"))
        # The held result is still waiting: the next change writes it into the recovery file again.
        table, _, board = evening.table_with_board_left(codes)
        body = entry(table, codes[table], board, "k")
        evening.submit(body)
        assert held_results(evening) == before, (held_results(evening), before)
        # The re-sends and the refused entry left no trace: the one new result follows the journal.
        now = journal(evening)
        assert now[:-1] == kept and journalled(now[-1:], body) == 1, (now[len(kept) - 1:], body)
        not_secured_until_written(evening, codes)
        print("Kraschtest: %d kvitterade resultat fanns kvar efter kill -9 och \u00e5terst\u00e4llning med sin logg, "
              "omskickade poster svarade redan och konflikten v\u00e4ntade kvar; med skrivskyddad mapp fick "
              "resultatet 503 tills det kunde s\u00e4kras" % len(acknowledged))


if __name__ == "__main__":
    main()
