"""The players' results pages of a played evening, written by `vindelkast-cli site`, read in
headless Chromium on a phone's width (360 and 390 px): from a copied folder with JavaScript
off and from a server on 127.0.0.1. No page may scroll sideways or load anything from
elsewhere, the links lead both ways, and the print style sheet leaves the navigation out. The
same evening scored in cross-IMPs shows IMPs with two decimals and shared places.

    /usr/bin/python3 site_browser_test.py BUILD_DIR SOURCE_DIR [SCREENSHOT_DIR]
"""
import functools
import glob
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phone_steps import check_fits, phone  # noqa: E402

WIDTHS = (360, 390)
EVENING = "kv\u00e4ll16"


def cli(build, work, *arguments):
    done = subprocess.run([os.path.join(build, "vindelkast-cli")] + list(arguments), cwd=work,
                          capture_output=True, timeout=60)
    assert done.returncode == 0, done.stderr.decode()


def write_site(build, source):
    work = tempfile.mkdtemp(prefix="vk-resultat-")
    for name in glob.glob(os.path.join(source, "examples", EVENING + ".*")) + \
            [os.path.join(source, "examples", "medlem.txt")]:
        shutil.copy(name, work)
    cli(build, work, "site", EVENING + ".sco", "resultat")
    # The same evening scored in cross-IMPs, for its own folder.
    cli(build, work, "rescore", EVENING + ".sco", "imp.sco", "--scoring", "cross-imps")
    cli(build, work, "site", "imp.sco", "imp")
    # The folder as a club would hand it on: copied somewhere else.
    copied = os.path.join(work, "kopia")
    shutil.copytree(os.path.join(work, "resultat"), copied)
    return work, copied


def walk_links(driver, base):
    """Standings → a pair's card → one of its boards → that board's pair → back to standings."""
    driver.get(base + "index.html")
    driver.find_element(By.LINK_TEXT, "Par 11").click()
    assert driver.find_element(By.TAG_NAME, "h1").text == "Par 11"
    driver.find_element(By.CSS_SELECTOR, "tbody td.n a").click()
    board = driver.find_element(By.TAG_NAME, "h1").text
    assert board.startswith("Giv "), board
    assert driver.find_elements(By.CSS_SELECTOR, ".deal .red"), "no red suits on " + board
    driver.find_element(By.LINK_TEXT, "11").click()
    assert driver.find_element(By.TAG_NAME, "h1").text == "Par 11"
    driver.find_element(By.LINK_TEXT, "St\u00e4llning").click()
    assert "Resultat NS" in driver.find_element(By.TAG_NAME, "main").text


def check_imp_pages(driver, folder, width):
    """An IMP evening: totals and IMPs per board with two decimals and a decimal comma, shared
    places, and still no page wider than the phone."""
    for page in sorted(os.listdir(folder)):
        driver.get("file://" + os.path.join(folder, page))
        check_fits(driver, "IMP %s vid %d px" % (page, width))
    driver.get("file://" + os.path.join(folder, "index.html"))
    heads = [th.text for th in driver.find_elements(By.CSS_SELECTOR, "thead th")]
    assert heads[-2:] == ["IMP", "IMP/giv"], heads
    rows = [[td.text for td in tr.find_elements(By.TAG_NAME, "td")]
            for tr in driver.find_elements(By.CSS_SELECTOR, "tbody tr")]
    assert len(rows) >= 16, rows
    for row in rows:
        for figure in row[-2:]:
            whole, _, hundredths = figure.lstrip("-").partition(",")
            assert whole.isdigit() and len(hundredths) == 2, row
    for above, below in zip(rows, rows[1:]):
        if above[-2] == below[-2]:
            assert above[0] == below[0], (above, below)  # the same total, the same place
    driver.find_element(By.LINK_TEXT, "Par 11").click()
    assert "IMP/giv" in driver.find_element(By.TAG_NAME, "main").text


def check_print(driver, url):
    driver.get(url)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    hidden = driver.execute_script("return getComputedStyle(document.querySelector('nav')).display")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    assert hidden == "none", "the printed page keeps its navigation"


def serve(folder):
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    build, source = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    work, copied = write_site(build, source)
    server = serve(os.path.join(work, "resultat"))
    pages = sorted(os.listdir(copied))
    try:
        for width in WIDTHS:
            with phone(width, 800, javascript=False) as driver:
                for page in pages:
                    driver.get("file://" + os.path.join(copied, page))
                    check_fits(driver, "%s vid %d px" % (page, width))
                walk_links(driver, "file://" + copied + "/")
                check_imp_pages(driver, os.path.join(work, "imp"), width)
                if shots:
                    for page in ("index.html", "par11.html", "giv5.html"):
                        driver.get("file://" + os.path.join(copied, page))
                        driver.save_screenshot(os.path.join(shots, "%d-%s.png" % (width, page[:-5])))
                        driver.get("file://" + os.path.join(work, "imp", page))
                        driver.save_screenshot(os.path.join(shots, "%d-imp-%s.png" % (width, page[:-5])))
        with phone(390, 800) as driver:
            base = "http://127.0.0.1:%d/" % server.server_address[1]
            driver.get(base)
            check_fits(driver, "index.html via servern")
            walk_links(driver, base)
            check_print(driver, base + "giv5.html")
        print("Resultatsidor: %d sidor utan sidledsrullning vid %s px, l\u00e4nkar \u00e5t b\u00e5da h\u00e5llen, "
              "fr\u00e5n kopierad mapp och server" % (len(pages), " och ".join(map(str, WIDTHS))))
    finally:
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
