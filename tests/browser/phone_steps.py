"""What a table does on the real table page in headless Chromium at a phone's size, and what
the other tables of the evening send through the JSON interface. Every wait is bounded."""
from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

STRAINS = ["C", "D", "H", "S", "NT"]
SEATS = ["N", "E", "S", "W"]
SWEDISH_SEATS = {"N": "N", "E": "\u00d6", "S": "S", "W": "V", "NS": "NS", "EW": "\u00d6V"}
# What the other tables play: a contract by the table and board, made or one off.
CONTRACTS = ["1NT", "2S", "3H", "4S", "3NT", "5D", "2C"]


def phone():
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--window-size=390,844", "--disable-gpu"]:
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # A window is never narrower than 500 px, nor its page as tall as the window: the phone's
    # screen is set as such.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
    driver.set_page_load_timeout(20)
    return driver


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


def other_tables_play(evening, codes, tables):
    """Tables that enter their whole current round through the JSON interface."""
    for table in tables:
        status, seat = evening.call("round", {"table": table, "code": codes[table]})
        assert status == 200, (table, status, seat)
        for b in seat["boards"]:
            if b["entered"]:
                continue
            board = b["board"]
            contract = CONTRACTS[(table + board) % len(CONTRACTS)]
            body = {"table": table, "code": codes[table], "entry": "j%d-%d" % (table, board), "board": board,
                    "contract": contract, "declarer": SEATS[board % 4],
                    "tricks": int(contract[0]) + 6 - (table + board) % 2}
            status, answer = evening.call("submit", body)
            assert status == 200, (table, board, status, answer)
