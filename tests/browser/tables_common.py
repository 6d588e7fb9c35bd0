"""What the tests of the tables' server share: a folder with a set-up contest, the window
program started on it with the table server on, the requests a table's phone sends, and the
recovery file read back. Everything talks to 127.0.0.1 only, and every wait is bounded."""
import http.client
import json
import os
import shutil
import signal
import socket
import subprocess
import tempfile
import time
import urllib.request

RECOVERY = "vindelkast-aterstall.txt"
# What the tables play: a contract by the table and board.
CONTRACTS = ["1NT", "2S", "3H", "4S", "3NT", "5D", "2C"]


def entry(table, code, board, tag, down=0):
    """What table `table` enters on `board`, made or `down` tricks short, under the same entry id
    (`tag`, the table and the board) on every try."""
    contract = CONTRACTS[(table + board) % len(CONTRACTS)]
    return {"table": table, "code": code, "entry": "%s%d-%d" % (tag, table, board), "board": board,
            "contract": contract, "declarer": "NESW"[board % 4], "tricks": int(contract[0]) + 6 - down}


def own_scores(answer, seat):
    """The scores in a result answer of the pair that sat North-South at `seat`."""
    return [r["score"] for r in answer["results"] if r["ns"]["nr"] == seat["ns"]["nr"]]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Evening:
    """A temporary working folder holding an eight-table Mitchell evening (16 pairs, 3 boards
    a round), handed to the window as the recovery file of a run that broke off. Another
    guide card (`card`, a path, with its pairs, boards and rounds) lays another evening; the
    round file the set-up writes beside the contest goes into the recovery file with it, as
    the window keeps it there, and so do the rules of an evening scored in IMPs (`scoring`).
    An evening in sections (`sections`, the CLI's "13,13" and "--across" or "--per-section"
    as `field`) plays each section's built-in movement, or the card given for one section (or the
    guide verb's arguments that make it), and carries its sections file too."""

    def __init__(self, build, source, card=None, pairs=16, boards=24, rounds=8, scoring=None, sections=None,
                 field="--across"):
        self.build = build
        self.folder = tempfile.mkdtemp(prefix="vk-bord-")
        self.port = free_port()
        self.process = None
        guide = ["--guide", "kort.gui"]
        # Sections play their built-in movements unless a card (one section's) is given.
        how = ["--sections", sections, field] + (guide if card else []) if sections else guide
        shutil.copy(os.path.join(source, "examples", "medlem.txt"), self.folder)
        if isinstance(card, tuple):  # the guide verb's arguments that make the card
            self.cli("guide", *card, "kort.gui")
        else:
            shutil.copy(card or os.path.join(source, "examples", "P16_mitchell.gui"),
                        os.path.join(self.folder, "kort.gui"))
        self.cli("movement", "--boards", str(boards), "--rounds", str(rounds), "--pairs", str(pairs), *how,
                 "--name", "Bordstest", "--date", "2026-12-08", "kvall.sco",
                 *(["--scoring", scoring] if scoring else []))
        with open(os.path.join(self.folder, "kvall.sco"), "rb") as f:
            contest = f.read()
        sides = b""
        for extension in (b".ronder", b".regler", b".sektion"):
            side_file = os.path.join(self.folder, "kvall" + extension.decode())
            if os.path.exists(side_file):
                with open(side_file, "rb") as f:
                    text = f.read()
                sides += b"%%SIDOFIL %s %d\r\n" % (extension, len(text)) + text
        with open(os.path.join(self.folder, RECOVERY), "wb") as f:
            f.write(b"%%VINDELKAST-ATERSTALL 1\r\nfil \r\nuppsatt 1\r\n%%TAVLINGSFIL %d\r\n" % len(contest)
                    + contest + sides)

    def cli(self, *args):
        done = subprocess.run([os.path.join(self.build, "vindelkast-cli"), *args], cwd=self.folder,
                              capture_output=True, timeout=30)
        if done.returncode != 0:
            raise RuntimeError("vindelkast-cli %s: %s" % (args[0], done.stderr.decode()))
        return done.stdout.decode()

    def launch(self):
        """The window offscreen with the table server on, taking the recovery offer."""
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
        return subprocess.Popen(
            [os.path.join(self.build, "vindelkast"), "--bord", str(self.port), "--aterstall-utan-fraga"],
            cwd=self.folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self, seconds=20):
        """Launches the window and waits until its table server answers with the codes made."""
        self.process = self.launch()
        deadline = time.time() + seconds
        while time.time() < deadline:
            try:
                with urllib.request.urlopen("http://127.0.0.1:%d/" % self.port, timeout=2) as page:
                    if page.status == 200 and ".bordkoder" in self.recovery_sections():
                        return
            except OSError:
                time.sleep(0.1)
        raise RuntimeError("the window did not start its table server")

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait(timeout=10)

    def close(self):
        self.kill()
        self.writable(True)
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def writable(self, yes):
        """Makes the working folder unwritable, or writable again: as root only the immutable
        flag stops a write, otherwise the folder's permissions do."""
        if os.geteuid() == 0:
            subprocess.run(["chattr", "-i" if yes else "+i", self.folder], check=True, timeout=10)
        else:
            os.chmod(self.folder, 0o755 if yes else 0o555)

    def recovery_sections(self):
        """The side files the recovery file carries after the contest: {extension: bytes}."""
        try:
            with open(os.path.join(self.folder, RECOVERY), "rb") as f:
                text = f.read()
        except OSError:
            return {}
        at = text.find(b"%TAVLINGSFIL ")
        if at < 0:
            return {}
        line_end = text.index(b"\r\n", at)
        at = line_end + 2 + int(text[at:line_end].split()[1])
        sections = {}
        while at < len(text):
            line_end = text.index(b"\r\n", at)
            _, name, length = text[at:line_end].split()
            start = line_end + 2
            sections[name.decode()] = text[start:start + int(length)]
            at = start + int(length)
        return sections

    def codes(self):
        """The tables' codes, as the recovery file carries them from the moment they exist."""
        codes = {}
        for line in self.recovery_sections()[".bordkoder"].decode("latin-1").splitlines():
            words = line.split()
            if len(words) == 3 and words[0] == "bord":
                codes[int(words[1])] = words[2]
        return codes

    def call(self, path, body, timeout=10, source="127.0.0.1"):
        """One request to the server from the address `source`: (HTTP status, JSON answer);
        status 0 when unanswered."""
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=timeout,
                                                source_address=(source, 0))
        try:
            connection.request("POST", "/api/" + path, body=json.dumps(body).encode(),
                               headers={"Content-Type": "application/json"})
            answer = connection.getresponse()
            return answer.status, json.loads(answer.read() or b"{}")
        except (OSError, http.client.HTTPException):
            return 0, {}
        finally:
            connection.close()

    def seat(self, table, code, round_number=None, timeout=10):
        """Where the table sits in its current round (or the round asked for), as its phone is told."""
        asked = {"table": table, "code": code}
        if round_number:
            asked["round"] = round_number
        status, seat = self.call("round", asked, timeout)
        assert status == 200, (table, status, seat)
        return seat

    def submit(self, body, expected=(200, "lagrat"), **how):
        """Sends one result as a table's phone does; returns the answer, which must be `expected`."""
        status, answer = self.call("submit", body, **how)
        assert (status, answer.get("status")) == expected, (body, status, answer)
        return answer

    def table_with_board_left(self, codes):
        """(table, its seat, the first board it has yet to enter) of the first table that has one."""
        for table, code in sorted(codes.items()):
            status, seat = self.call("round", {"table": table, "code": code})
            todo = [b["board"] for b in seat.get("boards", []) if not b["entered"]]
            if status == 200 and todo:
                return table, seat, todo[0]
        raise AssertionError("no table had a board left")

    def recovered_scores(self, board):
        """The score table of a board in the contest the recovery file holds."""
        with open(os.path.join(self.folder, RECOVERY), "rb") as f:
            text = f.read()
        # "%TAVLINGSFIL" alone: the contest runs to the end; "%TAVLINGSFIL LENGTH": that many
        # bytes, with the side files after it.
        at = text.index(b"%TAVLINGSFIL")
        line_end = text.index(b"\r\n", at)
        words = text[at:line_end].split()
        start = line_end + 2
        end = start + int(words[1]) if len(words) > 1 else len(text)
        with open(os.path.join(self.folder, "aterstalld.sco"), "wb") as f:
            f.write(text[start:end])
        return self.cli("scores", "aterstalld.sco", str(board))
