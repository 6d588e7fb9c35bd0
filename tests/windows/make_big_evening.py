#!/usr/bin/env python3
"""Prints a PBN file of a 36-table evening as another program would publish it: 72 pairs,
NS 1-36 staying, EW 37-72 moving up one table a round, 9 rounds of 2 boards that every table
plays in the same round, each table's score drawn from real scores of the board's side's
vulnerability (seeded, so the file is the same every time). The Windows and Linux programs
then import and score the same big evening.
"""
import random

TABLES, ROUNDS, PER_ROUND = 36, 9, 2
# Scores a pair can make, by whether the side scoring them is vulnerable.
NOT_VULNERABLE = [50, 90, 110, 120, 140, 150, 170, 180, 400, 420, 430, 450, 460, 480, 990, 1020]
VULNERABLE = [100, 110, 120, 140, 170, 200, 600, 620, 630, 650, 660, 680, 1430, 1460]
# Vulnerability of boards 1-16 in their cycle: None, NS, EW, Both.
CYCLE = ["-", "NS", "EW", "B", "NS", "EW", "B", "-", "EW", "B", "-", "NS", "B", "-", "NS", "EW"]
PBN_VULNERABLE = {"-": "None", "NS": "NS", "EW": "EW", "B": "All"}


def score(rng, board):
    vul = CYCLE[(board - 1) % 16]
    ns_declares = rng.random() < 0.5
    side_vulnerable = vul == "B" or vul == ("NS" if ns_declares else "EW")
    made = rng.choice(VULNERABLE if side_vulnerable else NOT_VULNERABLE)
    return made if ns_declares else -made


def main():
    rng = random.Random(36)
    out = ["% PBN 2.1", "% EXPORT"]
    for rnd in range(1, ROUNDS + 1):
        for b in range((rnd - 1) * PER_ROUND + 1, rnd * PER_ROUND + 1):
            out += ["", '[Event "Storkväll"]', '[Site "BK Norrsken"]',
                    '[Date "2024.11.20"]', '[Board "%d"]' % b, '[Dealer "%s"]' % "NESW"[(b - 1) % 4],
                    '[Vulnerable "%s"]' % PBN_VULNERABLE[CYCLE[(b - 1) % 16]],
                    '[ScoreTable "Round\\1R;PairId_NS\\2R;PairId_EW\\2R;Score_NS\\6R;Score_EW\\6R"]']
            for table in range(1, TABLES + 1):
                ew = TABLES + 1 + (table - 1 + rnd - 1) % TABLES
                s = score(rng, b)
                out.append("%d %2d %2d %6s %6s" % (rnd, table, ew, s if s > 0 else "-", -s if s < 0 else "-"))
    print("\r\n".join(out), end="\r\n")


if __name__ == "__main__":
    main()
