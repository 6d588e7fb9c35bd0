"""The installed Windows window program under Wine, on an X display (Xvfb): it opens
kväll8.sco and shows the contest in its caption (a screenshot is kept); a score typed into the
grid outlives a kill through the recovery file and is saved; Facitgivar's double-dummy
analysis, saved beside the contest, is the Linux program's to the byte; started with the
tables' server on, it stores a result a phone posts from Debian's side to 127.0.0.1; the Wine
process is killed and started again, takes the recovery offer, and the result is there.

    /usr/bin/python3 window_wine_test.py LINUX_BUILD SOURCE_DIR WINDOWS_PROGRAM SCREENSHOT.png

LINUX_BUILD holds the Linux vindelkast-cli, which lays out the evening; WINEPREFIX and
DISPLAY name the Wine and the display. Every wait is bounded.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "browser"))
from tables_common import Evening, entry, own_scores  # noqa: E402

WINE = dict(os.environ, WINEDEBUG="-all", LC_ALL="C.UTF-8")


def start_window(program, folder, *args):
    # A Linux build (for trying the script itself) runs in Qt's Windows style, whose menu bar
    # the keyboard reaches with Alt as on Windows.
    command = ["wine", program] if program.endswith(".exe") else [program, "-style", "windows"]
    return subprocess.Popen(command + list(args), cwd=folder, env=WINE,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30).stdout.strip()


def contest_window(seconds=90, unsaved=False):
    """The id and caption of the window showing kväll8.sco, once it is saved (its file named in
    the caption) or changed (a star instead) as asked."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for window_id in xdotool("search", "--name", "Måndagsbridge").split():
            title = xdotool("getwindowname", window_id)
            if (title.endswith("*") if unsaved else title.endswith("[kväll8.sco]")):
                return window_id, title
        time.sleep(0.5)
    raise AssertionError("inget fönster visar kväll8.sco " + ("ändrad" if unsaved else "sparad"))


def keys(window_id, *names):
    xdotool("windowfocus", "--sync", window_id)
    for name in names:
        xdotool("key", "--delay", "150", name)


def answer_no_to_questions(main_id, seconds):
    """Closes every box the window asks (no printer: "spara som PDF?") with its No, until the
    window shows a change of its own."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for box in xdotool("search", "--onlyvisible", "--name", "^Vindelkast$").split():
            if box != main_id:
                keys(box, "Escape")
        if xdotool("getwindowname", main_id).endswith("*"):
            return
        time.sleep(1)
    raise AssertionError("Facitgivar blev inte klar")


def typed_score_and_analysis(linux_build, source, program):
    # A club's folder named with å: the contest, its recovery file and side files live there.
    folder = tempfile.mkdtemp(prefix="vk-wine-Måndag-")
    shutil.copytree(os.path.join(source, "examples"), folder, dirs_exist_ok=True)
    cli = [os.path.join(linux_build, "vindelkast-cli")]
    window = start_window(program, folder, "kväll8.sco")
    try:
        main_id, _ = contest_window()
        # F4 puts the cursor on board 1's first score, -180 for pairs 6 and 5: 42 makes it 420.
        keys(main_id, "F4")
        time.sleep(1)
        keys(main_id, "4", "2", "Return")
        contest_window(30, unsaved=True)
        kill(window)
        # Started again without a file, so that the recovered contest is not asked to be saved
        # before kväll8.sco is opened over it.
        window = start_window(program, folder, "--aterstall-utan-fraga")
        main_id, _ = contest_window(unsaved=True)
        keys(main_id, "ctrl+s")
        contest_window(30)
        scores = subprocess.run(cli + ["scores", "kväll8.sco", "1", "--register", "medlem.txt"], cwd=folder,
                                capture_output=True, text=True, check=True).stdout
        assert "  6- 5:  420" in scores, scores

        # Förberedelser > Facitgivar from the keyboard, then saved: the analysis beside it.
        keys(main_id, "alt", "Right", "Down", "f")
        answer_no_to_questions(main_id, 180)
        keys(main_id, "ctrl+s")
        contest_window(30)
        subprocess.run(cli + ["facit", "kväll8.sco", "linux.sco", "--register", "medlem.txt"], cwd=folder,
                       capture_output=True, check=True)
        with open(os.path.join(folder, "kväll8.facit"), "rb") as ours, \
                open(os.path.join(folder, "linux.facit"), "rb") as linux:
            window_analysis, linux_analysis = ours.read(), linux.read()
        assert window_analysis == linux_analysis and window_analysis.count(b"\n") == 22, \
            (window_analysis[:400], linux_analysis[:400])
        print("Fönstret i Wine: 42 på giv 1 blev 420, fanns kvar efter kill och sparades; "
              "Facitgivar gav samma dubbeldummyanalys av 21 givar som Linux")
    finally:
        kill(window)
        shutil.rmtree(folder, ignore_errors=True)


def kill(process):
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
        process.wait(timeout=20)


def caption_shows_the_contest(program, source, screenshot):
    folder = tempfile.mkdtemp(prefix="vk-wine-")
    shutil.copytree(os.path.join(source, "examples"), folder, dirs_exist_ok=True)
    window = start_window(program, folder, "kväll8.sco")
    try:
        deadline, title = time.time() + 90, ""
        while time.time() < deadline and "[kväll8.sco]" not in title:
            time.sleep(1)
            found = subprocess.run(["xdotool", "search", "--name", "Måndagsbridge"], capture_output=True, text=True)
            for window_id in found.stdout.split():
                title = subprocess.run(["xdotool", "getwindowname", window_id], capture_output=True,
                                       text=True).stdout.strip()
        assert "Måndagsbridge" in title and "2024-03-11." in title and "[kväll8.sco]" in title, title
        time.sleep(2)  # painted
        subprocess.run(["import", "-window", "root", screenshot], check=True, timeout=30)
        print("Fönstret i Wine: rubriken \"%s\", bild i %s" % (title, screenshot))
    finally:
        kill(window)
        shutil.rmtree(folder, ignore_errors=True)


class WineEvening(Evening):
    """The tables' evening of the Linux tests, served by the Windows program under Wine."""

    def __init__(self, linux_build, source, program):
        super().__init__(linux_build, source)
        self.program = program

    def launch(self):
        return start_window(self.program, self.folder, "--bord", str(self.port), "--aterstall-utan-fraga")


def phone_result_survives_a_kill(linux_build, source, program):
    with WineEvening(linux_build, source, program) as evening:
        evening.start(90)
        codes = evening.codes()
        seat = evening.seat(1, codes[1], timeout=30)
        body = entry(1, codes[1], seat["boards"][0]["board"], "wine")
        score = own_scores(evening.submit(body, timeout=30), seat)
        assert score, seat
        evening.kill()
        assert body["entry"] in evening.recovery_sections()[".bordposter"].decode("latin-1")

        evening.start(90)
        assert evening.codes() == codes, "koderna ändrades"
        status, answer = evening.call("results", {"table": 1, "code": codes[1], "board": body["board"]}, timeout=30)
        assert status == 200 and own_scores(answer, seat) == score, (status, answer, score)
        evening.submit(body, (200, "redan"), timeout=30)
        print("Borden i Wine: resultatet (%s på giv %d) lagrades, fanns kvar efter kill och omstart, "
              "och skickat igen svarade det redan" % (score[0], body["board"]))


def main():
    linux_build, source, program, screenshot = sys.argv[1:5]
    caption_shows_the_contest(program, source, screenshot)
    typed_score_and_analysis(linux_build, source, program)
    phone_result_survives_a_kill(linux_build, source, program)


if __name__ == "__main__":
    main()
