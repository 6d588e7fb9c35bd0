"""The window program is killed (SIGKILL) while eight tables submit their results; started
again, it takes the recovery offer, and every result a table was told was stored is there,
and the tables' codes still work.

    /usr/bin/python3 table_crash_test.py BUILD_DIR SOURCE_DIR
"""
import os
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import Evening  # noqa: E402

CONTRACTS = ["1NT", "2S", "3H", "4S", "3NT", "5D", "2C"]


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
            board = b["board"]
            contract = CONTRACTS[(table + board) % len(CONTRACTS)]
            body = {"table": table, "code": code, "entry": "k%d-%d" % (table, board), "board": board,
                    "contract": contract, "declarer": "NESW"[board % 4], "tricks": int(contract[0]) + 6}
            status, answer = evening.call("submit", body)
            if status == 0:
                return
            assert status == 200, (status, answer)
            mine = [r for r in answer["results"] if r["ns"]["nr"] == seat["ns"]["nr"]]
            with lock:
                acknowledged.append((table, board, seat["ns"]["nr"], seat["ew"]["nr"], mine[0]["score"]))


def main():
    evening = Evening(sys.argv[1], sys.argv[2])
    try:
        evening.start()
        codes = evening.codes()
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

        evening.start()
        assert evening.codes() == codes, "the codes changed"
        for table, board, ns, ew, score in acknowledged:
            status, answer = evening.call("results", {"table": table, "code": codes[table], "board": board})
            assert status == 200, (table, board, status, answer)
            found = [r["score"] for r in answer["results"] if r["ns"]["nr"] == ns and r["ew"]["nr"] == ew]
            assert found == [score], (table, board, found, score)
        print("Kraschtest: %d kvitterade resultat fanns kvar efter kill -9 och \u00e5terst\u00e4llning"
              % len(acknowledged))
    finally:
        evening.close()


if __name__ == "__main__":
    main()
