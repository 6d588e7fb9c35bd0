#!/usr/bin/env python3
"""Writes usebio12_sections.xml: an evening in two sections as another club program publishes it.

Section A is a nine-table Mitchell whose NS pair 9 did not come (17 pairs; the EW pair at
table 9 sits out each round), section B a full nine-table Mitchell (18 pairs). Both play the
same 18 boards, so each board is played 8 + 9 = 17 times and matchpointed across the field
with the top 32; board 8 was not played at B's table 5 and its 16 results are raised to 17
by Neuberg's formula, (x + 1) * 17 / 16 - 1, written with two decimals. Each section numbers
its pairs from 1. Everything is computed here, independently of the program, with the
scoring of make_samples.py. Run it again only to change the sample.
"""
import random

from make_samples import mitchell, ns_score, play, totals, xml_text

FIRST = ["Anna", "Bertil", "Cecilia", "David", "Elin", "Filip", "Gun", "Henrik", "Ida"]
LAST = ["Alm", "Björk", "Ceder", "Dahl", "Ek", "Fura", "Gran", "Hassel", "Idegran"]


def section_results(rng, letter, missing_ns, dropped):
    results = {}
    for rnd, ns, ew, group in mitchell(9, 2):
        if ns == missing_ns:
            continue
        for b in group:
            if (b, ns) == dropped:
                continue
            r = {"round": rnd, "ns": f"{letter}{ns}", "ew": f"{letter}{ew}", "nsn": ns, "ewn": ew}
            r.update(play(rng, b))
            r["score"] = ns_score(b, r["level"], r["strain"], r["dbl"], r["seat"], r["tricks"])
            results.setdefault(b, []).append(r)
    return results


def across_the_field(boards):
    most = max(len(rs) for rs in boards.values())
    for rs in boards.values():
        n = len(rs)
        for r in rs:
            ns = sum(2 if o["score"] < r["score"] else 1 if o["score"] == r["score"] else 0 for o in rs if o is not r)
            ew = 2 * (n - 1) - ns
            if n < most:
                ns, ew = (ns + 1) * most / n - 1, (ew + 1) * most / n - 1
            r["mp"] = (ns, ew)


def points(v):
    return f"{v:.2f}" if v != int(v) else str(int(v))


def main():
    rng = random.Random(29)
    sections = {"A": section_results(rng, "A", 9, None), "B": section_results(rng, "B", None, (8, 5))}
    boards = {}
    for rs in sections.values():
        for b, lines in rs.items():
            boards.setdefault(b, []).extend(lines)
    across_the_field(boards)
    labels = [f"{s}{p}" for s in "AB" for p in range(1, 19) if (s, p) != ("A", 9)]
    order, got, pct, places = totals(boards, labels)
    out = ['<?xml version="1.0" encoding="iso-8859-1"?>',
           '<!DOCTYPE USEBIO SYSTEM "http://www.ebu.co.uk/usebio/usebio_v1_2.dtd">', '<USEBIO Version="1.2">',
           "  <CLUB>", "    <CLUB_NAME>Lakeside Bridge Club</CLUB_NAME>", "    <CLUB_ID_NUMBER>4711</CLUB_ID_NUMBER>",
           "  </CLUB>", '  <EVENT EVENT_TYPE="PAIRS">', "    <PROGRAM_NAME>Club Results</PROGRAM_NAME>",
           "    <PROGRAM_VERSION>4.2</PROGRAM_VERSION>", "    <EVENT_DESCRIPTION>Two-section Pairs</EVENT_DESCRIPTION>",
           "    <DATE>21/05/2024</DATE>", "    <BOARD_SCORING_METHOD>MATCH_POINTS</BOARD_SCORING_METHOD>",
           "    <SESSION_COUNT>1</SESSION_COUNT>", "    <SECTION_COUNT>2</SECTION_COUNT>",
           f"    <PAIRS>{len(labels)}</PAIRS>", "    <WINNER_TYPE>1</WINNER_TYPE>", "    <BOARDS_PLAYED>18</BOARDS_PLAYED>",
           '    <SESSION SESSION_ID="1">']
    for s in "AB":
        out += [f'      <SECTION SECTION_ID="{s}">', "        <PARTICIPANTS>"]
        for label in [x for x in labels if x[0] == s]:
            p = int(label[1:])
            out += ["          <PAIR>", f"            <PAIR_NUMBER>{p}</PAIR_NUMBER>",
                    f"            <PERCENTAGE>{pct[label]:.2f}</PERCENTAGE>", f"            <PLACE>{places[label]}</PLACE>"]
            for k in range(2):
                person = 2 * labels.index(label) + k  # one name for each of the 70 players
                name = f"{FIRST[person % 9]} {LAST[(person // 9 + person) % 9]}"
                out += ["            <PLAYER>", f"              <PLAYER_NAME>{xml_text(name)}</PLAYER_NAME>",
                        "            </PLAYER>"]
            out.append("          </PAIR>")
        out.append("        </PARTICIPANTS>")
        for b in sorted(boards):
            out += ["        <BOARD>", f"          <BOARD_NUMBER>{b}</BOARD_NUMBER>"]
            for r in sorted((r for r in boards[b] if r["ns"][0] == s), key=lambda r: r["nsn"]):
                contract = f"{r['level']}{r['strain']}"
                out.append(
                    f"          <TRAVELLER_LINE><NS_PAIR_NUMBER>{r['nsn']}</NS_PAIR_NUMBER>"
                    f"<EW_PAIR_NUMBER>{r['ewn']}</EW_PAIR_NUMBER><CONTRACT>{contract}</CONTRACT>"
                    f"<PLAYED_BY>{r['seat']}</PLAYED_BY><TRICKS>{r['tricks']}</TRICKS><SCORE>{r['score']}</SCORE>"
                    f"<NS_MATCH_POINTS>{points(r['mp'][0])}</NS_MATCH_POINTS>"
                    f"<EW_MATCH_POINTS>{points(r['mp'][1])}</EW_MATCH_POINTS></TRAVELLER_LINE>")
            out.append("        </BOARD>")
        out.append("      </SECTION>")
    out += ["    </SESSION>", "  </EVENT>", "</USEBIO>", ""]
    with open("usebio12_sections.xml", "wb") as f:
        f.write("\r\n".join(out).encode("latin-1"))


if __name__ == "__main__":
    main()
