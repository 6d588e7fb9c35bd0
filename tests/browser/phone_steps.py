"""What a table does on the real table page in headless Chromium at a phone's size, and what
the other tables of the evening send through the JSON interface. Every wait is bounded."""
from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from tables_common import entry

STRAINS = ["C", "D", "H", "S", "NT"]
SEATS = ["N", "E", "S", "W"]
SWEDISH_SEATS = {"N": "N", "E": "\u00d6", "S": "S", "W": "V", "NS": "NS", "EW": "\u00d6V"}


def phone(width=390, height=844, javascript=True):
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                     "--window-size=%d,%d" % (width, height)]:
        options.add_argument(argument)
    if not javascript:
        options.add_experimental_option("prefs", {"profile.managed_default_content_settings.javascript": 2})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    screen(driver, width, height)
    driver.set_page_load_timeout(20)
    return driver


def screen(driver, width, height):
    """A window is never narrower than 500 px, nor its page as tall as the window: the phone's
    screen is set as such."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})


def wait(driver, condition, seconds=10):
    return WebDriverWait(driver, seconds, poll_frequency=0.1).until(condition)


def hidden(driver, element_id):
    return "hidden" in driver.find_element(By.ID, element_id).get_attribute("class").split()


def visible(driver, section, seconds=10):
    wait(driver, lambda d: not hidden(d, section), seconds)


def text(driver, element_id):
    return driver.find_element(By.ID, element_id).text


def tap(driver, xpath):
    wait(driver, lambda d: d.find_elements(By.XPATH, xpath))
    driver.find_element(By.XPATH, xpath).click()


def in_view(driver, element_id):
    """True when the whole element is on the screen as it stands, without scrolling."""
    return driver.execute_script(
        "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
        "return r.top >= 0 && r.bottom <= window.innerHeight && r.height > 0;", element_id)


def box(driver, element_id):
    return driver.execute_script(
        "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
        "return [r.top, r.bottom];", element_id)


def check_fits(driver, where, least_text=100):
    """A results page as read on the phone: no sideways scrolling, nothing run or loaded (but
    the browser's own question for a favicon), its inline style sheet applied, and at least
    `least_text` characters shown (a board not yet shown says only why)."""
    scroll, client, scripts, loaded, nav, shown = driver.execute_script(
        "const d = document.documentElement;"
        "return [d.scrollWidth, d.clientWidth, document.scripts.length,"
        "        performance.getEntriesByType('resource').map(e => e.name)"
        "            .filter(n => !n.startsWith(location.origin + '/favicon.ico')).length,"
        "        getComputedStyle(document.querySelector('nav')).display, document.body.innerText.length];")
    assert scroll <= client, "%s scrolls sideways: %d > %d" % (where, scroll, client)
    assert scripts == 0 and loaded == 0, "%s runs %d scripts, loads %d resources" % (where, scripts, loaded)
    assert nav == "flex", "%s lost its style sheet" % where
    assert shown >= least_text, "%s shows %d characters" % (where, shown)


def log_in_as(driver, evening, label, code):
    """The login form as the slip has it: the table by its label, the code as printed."""
    driver.get("http://127.0.0.1:%d/bord" % evening.port)
    visible(driver, "login")
    driver.find_element(By.ID, "tableNr").send_keys(label.lower())
    driver.find_element(By.ID, "code").send_keys(code.lower())
    tap(driver, "//button[@id='loginBtn']")
    visible(driver, "round")


def choose(driver, row, label):
    tap(driver, "//div[@id='%s']/button[normalize-space()='%s']" % (row, label))


def pick_result(driver, contract, declarer, result, doubled=""):
    """Taps the contract, the declarer and the result on the open entry form."""
    if contract == "pass":
        choose(driver, "levels", "Pass")
        return
    choose(driver, "levels", contract[0])
    tap(driver, "(//div[@id='strains']/button)[%d]" % (STRAINS.index(contract[1:]) + 1))
    if doubled:
        choose(driver, "doubles", doubled)
    tap(driver, "(//div[@id='declarers']/button)[%d]" % (SEATS.index(declarer) + 1))
    choose(driver, "results", result.replace("-", "\u2212"))


def board_buttons(driver):
    return driver.find_elements(By.CSS_SELECTOR, "#boards button")


def open_board(driver, index):
    """The round is drawn anew when the page asks the server again: a button found just
    before that is found again."""
    for _ in range(5):
        try:
            board_buttons(driver)[index].click()
            return
        except StaleElementReferenceException:
            pass
    board_buttons(driver)[index].click()


def other_tables_play(evening, codes, tables, tag="j"):
    """Tables that enter their whole current round through the JSON interface; entry ids by
    `tag`, which a movement where a table meets a board again must change by the round."""
    for table in tables:
        for b in evening.seat(table, codes[table])["boards"]:
            if not b["entered"]:
                evening.submit(entry(table, codes[table], b["board"], tag, (table + b["board"]) % 2))
