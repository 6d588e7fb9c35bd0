"""Two tables play round 1 of an evening on the real table page, in headless Chromium with
a phone's viewport, against the window program started offscreen with its table server
on 127.0.0.1. Every result must come back on the travelling slip and be in the recovery
file.

    /usr/bin/python3 table_browser_test.py BUILD_DIR SOURCE_DIR [SCREENSHOT_DIR]
"""
import os
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import Evening  # noqa: E402

STRAINS = ["C", "D", "H", "S", "NT"]
SEATS = ["N", "E", "S", "W"]
# What each table plays on its boards of round 1: contract, declarer, result.
PLAYS = {1: [("4S", "N", "="), ("3NT", "S", "+1"), ("2H", "E", "-2")],
         2: [("1NT", "W", "="), ("6D", "N", "+1"), ("pass", "", "")]}


def phone():
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--window-size=390,844", "--disable-gpu"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(20)
    return driver


def visible(driver, section):
    WebDriverWait(driver, 10).until(
        lambda d: "hidden" not in d.find_element(By.ID, section).get_attribute("class"))


def tap(driver, xpath):
    WebDriverWait(driver, 10).until(lambda d: d.find_elements(By.XPATH, xpath))
    driver.find_element(By.XPATH, xpath).click()


def enter(driver, index, contract, declarer, result):
    """Opens the index-th board of the round and enters its result as the table would."""
    tap(driver, "(//div[@id='boards']/button)[%d]" % (index + 1))
    visible(driver, "entry")
    if contract == "pass":
        tap(driver, "//div[@id='levels']/button[normalize-space()='Pass']")
    else:
        level, strain = contract[0], contract[1:]
        tap(driver, "//div[@id='levels']/button[normalize-space()='%s']" % level)
        tap(driver, "(//div[@id='strains']/button)[%d]" % (STRAINS.index(strain) + 1))
        tap(driver, "(//div[@id='doubles']/button)[1]")
        tap(driver, "(//div[@id='declarers']/button)[%d]" % (SEATS.index(declarer) + 1))
        label = result.replace("-", "\u2212")
        tap(driver, "//div[@id='results']/button[normalize-space()='%s']" % label)
    WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "preview").text.startswith("NS ") or
                                    contract == "pass")
    return driver.find_element(By.ID, "preview").text


def main():
    build, source = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    evening = Evening(build, source)
    drivers = []
    try:
        evening.start()
        codes = evening.codes()
        assert len(codes) == 8, codes
        for table in (1, 2):
            driver = phone()
            drivers.append(driver)
            driver.get("http://127.0.0.1:%d/bord?bord=%d&kod=%s" % (evening.port, table, codes[table].lower()))
            visible(driver, "round")
            assert "Bord %d" % table in driver.find_element(By.ID, "where").text
        if shots:
            drivers[0].save_screenshot(os.path.join(shots, "bord1-rond.png"))

        expected = []  # (board, ns score) as vindelkast-cli computes it
        for step in range(3):
            for table, driver in zip((1, 2), drivers):
                board = int(driver.find_elements(By.CSS_SELECTOR, "#boards button")[step].text.split()[1])
                contract, declarer, result = PLAYS[table][step]
                shown = enter(driver, step, contract, declarer, result)
                if contract == "pass":
                    score = "0"
                else:
                    score = evening.cli("contract", contract, declarer, result, "--board", str(board)).strip()
                    assert shown == "NS " + score, (table, board, shown, score)
                if shots and table == 1 and step == 0:
                    driver.save_screenshot(os.path.join(shots, "bord1-inmatning.png"))
                driver.find_element(By.ID, "confirmBtn").click()
                visible(driver, "slip")
                slip = driver.find_element(By.ID, "slipRows").text
                assert score in slip, (table, board, slip)
                if shots and table == 2 and step == 1:
                    driver.save_screenshot(os.path.join(shots, "bord2-slip.png"))
                driver.find_element(By.ID, "slipBack").click()
                visible(driver, "round")
                expected.append((board, score))

        # The round shows every board done, and the queue has nothing waiting.
        for driver in drivers:
            WebDriverWait(driver, 10).until(
                lambda d: len(d.find_elements(By.CSS_SELECTOR, "#boards button.done")) == 3)
            assert "V\u00e4ntar: 0" in driver.find_element(By.ID, "queue").text
        if shots:
            drivers[1].save_screenshot(os.path.join(shots, "bord2-klar.png"))
        # Every acknowledged result is in the recovery file the window wrote.
        for board, score in expected:
            assert score in evening.recovered_scores(board), (board, score)
        print("Webbl\u00e4sartest: 2 bord, %d brickor registrerade och \u00e5terst\u00e4llbara" % len(expected))
    finally:
        for driver in drivers:
            driver.quit()
        evening.close()


if __name__ == "__main__":
    main()
