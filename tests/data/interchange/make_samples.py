#!/usr/bin/env python3
"""Writes the sample result files of other club programs that the import tests read.

The scores come from contracts scored here by the duplicate table, and the published
matchpoints by the usual rule (2 per result beaten, 1 per tie; an adjusted result gets its
percentage of the full top and the others are factored up, as such programs do), all
computed here and independently of the program. Run it again only to change the samples.
"""
import random

VUL = {0: "EW", 1: "-", 2: "NS", 3: "EW", 4: "ALL", 5: "NS", 6: "EW", 7: "ALL", 8: "-", 9: "EW",
       10: "ALL", 11: "-", 12: "NS", 13: "ALL", 14: "-", 15: "NS"}


def vulnerable(board, seat):
    v = VUL[board % 16]
    return v == "ALL" or (v == "NS" and seat in "NS") or (v == "EW" and seat in "EW")


def declarer_score(level, strain, dbl, vul, tricks):
    bid = level + 6
    if tricks < bid:
        down = bid - tricks
        if dbl == 0:
            return -down * (100 if vul else 50)
        pen = 0
        for i in range(1, down + 1):
            if vul:
                pen += 200 if i == 1 else 300
            else:
                pen += 100 if i == 1 else (200 if i <= 3 else 300)
        return -pen * (2 if dbl == 2 else 1)
    per = {"C": 20, "D": 20, "H": 30, "S": 30, "NT": 30}[strain]
    trick_pts = per * level + (10 if strain == "NT" else 0)
    contract_pts = trick_pts * (1, 2, 4)[dbl]
    score = contract_pts + ((500 if vul else 300) if contract_pts >= 100 else 50)
    if level == 6:
        score += 750 if vul else 500
    if level == 7:
        score += 1500 if vul else 1000
    score += (0, 50, 100)[dbl]
    over = tricks - bid
    score += over * per if dbl == 0 else over * (200 if vul else 100) * dbl
    return score


def ns_score(board, level, strain, dbl, seat, tricks):
    s = declarer_score(level, strain, dbl, vulnerable(board, seat), tricks)
    return s if seat in "NS" else -s


def matchpoints(results):
    """results: list of dicts with 'score' (int) or 'adjusted' (ns%, ew%). Sets 'mp'."""
    n = len(results)
    bridge = [r for r in results if "score" in r]
    m = len(bridge)
    top = 2 * (n - 1)
    for r in results:
        if "adjusted" in r:
            r["mp"] = (round(top * r["adjusted"][0] / 100, 1), round(top * r["adjusted"][1] / 100, 1))
    for r in bridge:
        ns = sum(2 if o["score"] < r["score"] else 1 if o["score"] == r["score"] else 0
                 for o in bridge if o is not r)
        ew = 2 * (m - 1) - ns
        if m < n:  # factored to the full top
            ns, ew = round((ns + 1) * n / m - 1, 1), round((ew + 1) * n / m - 1, 1)
        r["mp"] = (ns, ew)


def mitchell(tables, per_round):
    """(round, ns, ew, boards) of an odd-table Mitchell: EW up one table, boards down one."""
    for rnd in range(1, tables + 1):
        for t in range(1, tables + 1):
            ew = tables + 1 + (t - 1 + rnd - 1) % tables
            group = (t - 1 - (rnd - 1)) % tables
            yield rnd, t, ew, [group * per_round + k for k in range(1, per_round + 1)]


CONTRACTS = [(4, "S"), (3, "NT"), (4, "H"), (2, "S"), (3, "C"), (1, "NT"), (5, "D"), (2, "H")]


def play(rng, board):
    level, strain = CONTRACTS[rng.randrange(len(CONTRACTS))]
    seat = "NESW"[rng.randrange(4)]
    tricks = max(0, min(13, level + 6 + rng.choice([-2, -1, 0, 0, 0, 1, 1])))
    return {"level": level, "strain": strain, "dbl": 0, "seat": seat, "tricks": tricks}


def session(seed, tables, per_round, specials):
    rng = random.Random(seed)
    boards = {}
    for rnd, ns, ew, group in mitchell(tables, per_round):
        for b in group:
            r = {"round": rnd, "ns": ns, "ew": ew}
            r.update(play(rng, b))
            boards.setdefault(b, []).append(r)
    for (b, ns), change in specials.items():
        next(r for r in boards[b] if r["ns"] == ns).update(change)
    for b, results in boards.items():
        for r in results:
            if "adjusted" in r or r.get("passed") or r.get("phantom"):
                continue
            r["score"] = ns_score(b, r["level"], r["strain"], r["dbl"], r["seat"], r["tricks"])
        for r in results:
            if r.get("passed"):
                r["score"] = 0
        matchpoints([r for r in results if not r.get("phantom")])
    return boards


def contract_text(r, double_marks):
    c = f"{r['level']}{r['strain']}"
    return c + double_marks[r["dbl"]]


def fmt(v, style):
    return f"{v:.1f}" if style == "decimal" else (f"{v:g}")


def totals(boards, pairs):
    got, played = {p: 0.0 for p in pairs}, {p: 0 for p in pairs}
    for results in boards.values():
        real = [r for r in results if not r.get("phantom")]
        top = 2 * (len(real) - 1)
        for r in real:
            got[r["ns"]] += r["mp"][0]
            got[r["ew"]] += r["mp"][1]
            played[r["ns"]] += top
            played[r["ew"]] += top
    pct = {p: 100 * got[p] / played[p] for p in pairs if played[p]}
    order = sorted(pct, key=lambda p: -pct[p])
    places = {}
    for p in order:
        place = 1 + sum(1 for q in order if pct[q] > pct[p] + 1e-9)
        ties = sum(1 for q in order if abs(pct[q] - pct[p]) < 1e-9)
        places[p] = f"{place}=" if ties > 1 else str(place)
    return order, got, pct, places


def xml_text(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def usebio(path, version, boards, names, program, mp_style, pct_digits, pass_forms, doubles,
           winner_type=1, hands=None):
    pairs = sorted(names)
    order, got, pct, places = totals(boards, [p for p in pairs if names[p][0][0] != "PHANTOM"])
    out = ['<?xml version="1.0" encoding="ISO-8859-1"?>',
           f'<!DOCTYPE USEBIO SYSTEM "http://www.ebu.co.uk/usebio/usebio_v{version.replace(".", "_")}.dtd">',
           f'<USEBIO Version="{version}">',
           "  <CLUB>", "    <CLUB_NAME>Lakeside Bridge Club</CLUB_NAME>", "    <CLUB_ID_NUMBER>4711</CLUB_ID_NUMBER>",
           "  </CLUB>", f'  <EVENT EVENT_TYPE="{"MP_PAIRS" if version == "1.0" else "PAIRS"}">',
           "    <EVENT_DESCRIPTION>Tuesday Pairs</EVENT_DESCRIPTION>",
           f"    <PROGRAM_NAME>{program}</PROGRAM_NAME>", "    <PROGRAM_VERSION>4.2</PROGRAM_VERSION>",
           "    <DATE>14/05/2024</DATE>", f"    <WINNER_TYPE>{winner_type}</WINNER_TYPE>",
           f"    <BOARDS_PLAYED>{len(boards)}</BOARDS_PLAYED>"]
    ind = "    "
    if version != "1.0":
        out += ['    <SESSION SESSION_ID="1">', '      <SECTION SECTION_ID="A">']
        ind = "        "
    out.append(ind + "<PARTICIPANTS>")
    for p in pairs:
        out.append(ind + "  <PAIR>")
        out.append(ind + f"    <PAIR_NUMBER>{p}</PAIR_NUMBER>")
        if p in places:
            out.append(ind + f"    <PLACE>{places[p]}</PLACE>")
            out.append(ind + f"    <PERCENTAGE>{pct[p]:.{pct_digits}f}</PERCENTAGE>")
        for name, ident in names[p]:
            out.append(ind + "    <PLAYER>")
            out.append(ind + f"      <PLAYER_NAME>{xml_text(name)}</PLAYER_NAME>")
            if ident:
                out.append(ind + f"      <NATIONAL_ID_NUMBER>{ident}</NATIONAL_ID_NUMBER>")
            out.append(ind + "    </PLAYER>")
        out.append(ind + "  </PAIR>")
    out.append(ind + "</PARTICIPANTS>")
    for b in sorted(boards):
        out += [ind + "<BOARD>", ind + f"  <BOARD_NUMBER>{b}</BOARD_NUMBER>"]
        for r in sorted(boards[b], key=lambda r: r["ns"]):
            out += [ind + "  <TRAVELLER_LINE>", ind + f"    <NS_PAIR_NUMBER>{r['ns']}</NS_PAIR_NUMBER>",
                    ind + f"    <EW_PAIR_NUMBER>{r['ew']}</EW_PAIR_NUMBER>"]
            if r.get("phantom"):
                out += [ind + "    <NOTES>Phantom</NOTES>", ind + "  </TRAVELLER_LINE>"]
                continue
            if "adjusted" in r:
                a = r["adjusted"]
                out.append(ind + f"    <SCORE>{r['written'] if 'written' in r else f'A{a[0]}{a[1]}'}</SCORE>")
            elif r.get("passed"):
                if pass_forms[r["passed"]]:
                    out.append(ind + f"    <CONTRACT>{pass_forms[r['passed']]}</CONTRACT>")
                out.append(ind + "    <SCORE>0</SCORE>")
            else:
                out += [ind + f"    <CONTRACT>{contract_text(r, doubles)}</CONTRACT>",
                        ind + f"    <PLAYED_BY>{r['seat']}</PLAYED_BY>",
                        ind + f"    <TRICKS>{r['tricks']}</TRICKS>", ind + f"    <SCORE>{r['score']}</SCORE>"]
            out += [ind + f"    <NS_MATCH_POINTS>{fmt(r['mp'][0], mp_style)}</NS_MATCH_POINTS>",
                    ind + f"    <EW_MATCH_POINTS>{fmt(r['mp'][1], mp_style)}</EW_MATCH_POINTS>"]
            if "adjusted" in r:
                out.append(ind + "    <NOTES>Adjusted score</NOTES>")
            out.append(ind + "  </TRAVELLER_LINE>")
        out.append(ind + "</BOARD>")
    if version != "1.0":
        out.append("      </SECTION>")
        if hands:
            out.append('      <HANDSET HANDSET_ID="1">')
            for b in sorted(hands):
                out += ["        <BOARD>", f"          <BOARD_NUMBER>{b}</BOARD_NUMBER>"]
                for seat, hand in zip(("North", "East", "South", "West"), hands[b]):
                    out += ["          <HAND>", f"            <DIRECTION>{seat}</DIRECTION>"]
                    for tag, cards in zip(("SPADES", "HEARTS", "DIAMONDS", "CLUBS"), hand):
                        out.append(f"            <{tag}>{cards.replace('T', '10')}</{tag}>")
                    out.append("          </HAND>")
                out.append("        </BOARD>")
            out.append("      </HANDSET>")
        out.append("    </SESSION>")
    out += ["  </EVENT>", "</USEBIO>", ""]
    with open(path, "wb") as f:
        f.write("\r\n".join(out).encode("latin-1"))


def deal(rng):
    cards = [(s, r) for s in range(4) for r in "AKQJT98765432"]
    rng.shuffle(cards)
    hands = []
    for h in range(4):
        mine = cards[13 * h:13 * h + 13]
        hands.append(["".join(r for r in "AKQJT98765432" if (s, r) in mine) for s in range(4)])
    return hands


def pbn_score_table(path, boards, names, rng):
    pairs = sorted(names)
    order, got, pct, places = totals(boards, pairs)
    out = ["% PBN 2.1", "% EXPORT", ""]
    for b in sorted(boards):
        hands = deal(rng)
        out += ['[Event "Onsdagsbridge"]', '[Site "BK Norrsken"]', '[Date "2024.05.15"]' if b == 1 else '[Date "#"]',
                f'[Board "{b}"]', '[Dealer "{}"]'.format("NESW"[(b - 1) % 4]),
                '[Deal "N:{}"]'.format(" ".join(".".join(h) for h in hands)),
                '[ScoreTable "Round\\1R;PairId_NS\\2R;PairId_EW\\2R;Contract\\5L;Declarer\\1R;Result\\2R;'
                'Score_NS\\6R;Score_EW\\6R;MP_NS\\4R;MP_EW\\4R"]']
        for r in sorted(boards[b], key=lambda r: r["ns"]):
            if "adjusted" in r:
                cells = ["-", "-", "-", f"{r['adjusted'][0]}%", f"{r['adjusted'][1]}%"]
            else:
                s = r["score"]
                cells = [contract_text(r, ("", "X", "XX")), r["seat"], str(r["tricks"]),
                         str(s) if s > 0 else "-", str(-s) if s < 0 else "-"]
            out.append(f"{r['round']} {r['ns']:2} {r['ew']:2} {cells[0]:5} {cells[1]} {cells[2]:>2} "
                       f"{cells[3]:>6} {cells[4]:>6} {r['mp'][0]:4.1f} {r['mp'][1]:4.1f}")
        if b == len(boards):
            out.append('[TotalScoreTable "Rank\\2R;PairId\\2R;Names\\40L;TotalScoreMP\\5R;TotalPercentage\\5R"]')
            for p in order:
                out.append(f'{places[p]:>3} {p:2} "{names[p][0][0]} - {names[p][1][0]}" {got[p]:5.1f} {pct[p]:5.2f}')
        out.append("")
    with open(path, "wb") as f:
        f.write("\r\n".join(out).encode("latin-1"))


def pbn_records(path, boards, names):
    out = ["% PBN 2.1", "% EXPORT", "% Content-type: text/x-pbn; charset=UTF-8", ""]
    for b in sorted(boards):
        for r in boards[b]:
            s = r["score"]
            result = f'{"NS" if s >= 0 else "EW"} {abs(s)}'
            out += ['[Event "Torsdagsbridge"]', '[Date "2024.05.16"]', f'[Board "{b}"]',
                    f'[West "{names[r["ew"]][1][0]}"]', f'[North "{names[r["ns"]][0][0]}"]',
                    f'[East "{names[r["ew"]][0][0]}"]', f'[South "{names[r["ns"]][1][0]}"]',
                    f'[PairNS "{r["ns"]}"]', f'[PairEW "{r["ew"]}"]', f'[Declarer "{r["seat"]}"]',
                    f'[Contract "{contract_text(r, ("", "*", "**"))}"]', f'[Result "{r["tricks"]}"]',
                    f'[Score "{result}"]', ""]
    with open(path, "wb") as f:
        f.write("\r\n".join(out).encode("utf-8"))


def main():
    names10 = {1: [("Anna Andersson", 200231), ("Bo Berg", 200457)], 2: [("Carin Dahl", None), ("Erik Ek", None)],
               3: [("Fredrik Fors", 204400), ("Görel Holm", None)], 4: [("Ingrid Isaksson", None), ("Smith", None)],
               5: [("Jan Jonsson", None), ("Karl Kling", None)], 6: [("Lena Lind", None), ("Mats Mård", None)],
               7: [("Visitor 1", None), ("Visitor 2", None)], 8: [("Nils Nord", None), ("Olle Ost", None)],
               9: [("Pia Persson", None), ("Rut Rask", None)], 10: [("Sara Sten", None), ("Ture Tall", None)]}
    a = session(11, 5, 2, {(3, 1): {"dbl": 1}, (5, 2): {"dbl": 2, "level": 2, "strain": "S", "tricks": 9},
                           (6, 3): {"passed": 1}, (7, 5): {"adjusted": (60, 40)}})
    usebio("usebio10_mitchell.xml", "1.0", a, names10, "Pairs Scorer", "decimal", 6,
           {1: "PASS"}, ("", "*", "**"), winner_type=2)

    names6 = {1: [("Åsa Öberg", 205230), ("Lundin", None)], 2: [("Gäst 3", None), ("Gäst 4", None)],
              3: [("Per-Olof Sjö", None), ("Eva Blom", None)], 4: [("Kjell Ås", None), ("Maj Ek", None)],
              5: [("Tor Strand", None), ("Ulla Berg", None)], 6: [("PHANTOM", None)]}
    rng = random.Random(5)
    b = session(23, 3, 2, {(2, 3): {"passed": 1}, (4, 2): {"passed": 2}, (5, 2): {"adjusted": (50, 50)},
                           (6, 1): {"adjusted": (70, 30), "written": "A70A30"}})
    for results in b.values():
        for r in results:
            r["phantom"] = r["ew"] == 6
    for bn, results in b.items():
        matchpoints([r for r in results if not r.get("phantom")])
    usebio("usebio12_phantom.xml", "1.2", b, names6, "Club Results", "integer", 2,
           {1: "Pass", 2: None}, ("", "X", "XX"), hands={n: deal(rng) for n in range(1, 7)})

    c = session(37, 5, 3, {(9, 3): {"adjusted": (40, 60)}, (2, 1): {"dbl": 1}})
    first = ["Agneta", "Björn", "Cecilia", "Dag", "Elsa", "Folke", "Greta", "Hugo", "Ines", "Jöns"]
    last = ["Ahlström", "Bäck", "Cederlund", "Dahlgren", "Engström", "Frisk", "Grön", "Hallin", "Ivarsson", "Jäder"]
    names = {p: [(f"{first[p - 1]} {last[p - 1]}", None), (f"{first[-p]} {last[p % 10]}", None)]
             for p in range(1, 11)}
    pbn_score_table("pbn_scoretable.pbn", c, names, random.Random(9))

    d = session(41, 3, 2, {(1, 1): {"dbl": 1}, (3, 3): {"dbl": 2, "level": 1, "strain": "NT", "tricks": 8}})
    names = {1: [("Åke Öst", None), ("Märta Ål", None)], 2: [("Bo Bo", None), ("Cia Cé", None)],
             3: [("Dan Dus", None), ("Ebba Ek", None)], 4: [("Finn Fors", None), ("Gun Gran", None)],
             5: [("Hans Hed", None), ("Iris Is", None)], 6: [("Jon Jul", None), ("Kim Kåre", None)]}
    pbn_records("pbn_records.pbn", d, names)


if __name__ == "__main__":
    main()
