"""The installed Windows window program under Wine, on an X display (Xvfb): it opens
kväll8.sco and shows the contest in its caption (a screenshot is kept); started with the
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
    return subprocess.Popen(["wine", program, *args], cwd=folder, env=WINE,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


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
    phone_result_survives_a_kill(linux_build, source, program)


if __name__ == "__main__":
    main()
