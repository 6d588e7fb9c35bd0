"""A hostile device on the club's network against the window's table server: a request that
announces a 400 MB body, a thousand idle sockets, thousands of pipelined requests whose answers
are never read, half-sent requests, a head of 4,000 tiny lines, HEAD then GET on one connection and wrong codes for a table whose phone is logged in. The tables must go on getting their answers, and the window
must not grow.

    /usr/bin/python3 table_hostile_test.py BUILD_DIR SOURCE_DIR
"""
import os
import resource
import socket
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tables_common import Evening  # noqa: E402

ATTACKER = "127.0.0.2"  # another device: the tables' phones come from 127.0.0.1
PER_CLIENT = 64  # open connections one client keeps at most (tables/table_connection.h)


def status_of(pid, field):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise KeyError(field)


def open_files(pid):
    return len(os.listdir("/proc/%d/fd" % pid))


def connect(evening, source=ATTACKER):
    s = socket.socket()
    s.settimeout(2)
    s.bind((source, 0))
    s.connect(("127.0.0.1", evening.port))
    return s


def closed_by_server(s, within):
    """True when the server closes the socket (EOF or reset) within `within` seconds."""
    s.settimeout(within)
    try:
        while s.recv(4096):
            pass
        return True
    except ConnectionResetError:
        return True
    except socket.timeout:
        return False


def timed_login(evening, code):
    started = time.monotonic()
    status, _ = evening.call("login", {"table": 1, "code": code}, timeout=5)
    return status, time.monotonic() - started


def huge_body(evening, pid):
    """Announces 400 MB and sends as much as the server takes in ten seconds."""
    before = status_of(pid, "VmRSS")
    s = connect(evening)
    s.sendall(b"POST /api/login HTTP/1.1\r\nHost: bord\r\nContent-Type: application/json\r\n"
              b"Content-Length: 400000000\r\n\r\n")
    chunk, sent, answer = b"{" * (1 << 20), 0, b""
    s.settimeout(0.2)
    deadline = time.time() + 10
    while sent < 400 << 20 and time.time() < deadline:
        try:
            sent += s.send(chunk)
        except socket.timeout:
            pass
        except OSError:
            break
        try:
            answer += s.recv(4096)
        except (socket.timeout, BlockingIOError):
            pass
        except OSError:
            break
    s.close()
    grown = status_of(pid, "VmRSS") - before
    print("400 MB anm\u00e4ld kropp: %d MB skickat, svar %r, f\u00f6nstret v\u00e4xte %d kB (VmRSS %d kB)"
          % (sent >> 20, answer.split(b"\r\n")[0].decode(), grown, status_of(pid, "VmRSS")))
    assert answer.startswith(b"HTTP/1.1 413 "), answer[:100]
    assert sent < 64 << 20, "the server read the body it had refused (%d MB)" % (sent >> 20)
    assert grown < 16 * 1024, grown


def spaced_length_stream(evening, pid):
    """A length written "Content-Length :", a second head announcing 400 MB inside what that
    length covers, and then an endless stream of requests for the style sheet whose answers are
    never read: one reader decides where each request ends, and the window does not grow."""
    before = status_of(pid, "VmRSS")
    s = connect(evening)
    inner = b"POST /api/login HTTP/1.1\r\nHost: b\r\nContent-Length: 400000000\r\n\r\n"
    s.sendall(b"POST /api/login HTTP/1.1\r\nHost: bord\r\nContent-Length : 228\r\n\r\n" + inner + b"x" * 100)
    request, sent, closed = b"GET /bord.css HTTP/1.1\r\n\r\n" * 4096, 0, False
    s.settimeout(0.2)
    deadline = time.time() + 10
    while time.time() < deadline and not closed:
        try:
            sent += s.send(request)
        except socket.timeout:
            pass
        except OSError:
            closed = True
    closed = closed or closed_by_server(s, 8)
    s.close()
    grown = status_of(pid, "VmRSS") - before
    print("\"Content-Length :\" och en str\u00f6m av f\u00f6rfr\u00e5gningar: %d kB skickat, st\u00e4ngd %s, "
          "f\u00f6nstret v\u00e4xte %d kB" % (sent >> 10, closed, grown))
    assert closed
    assert grown < 32 * 1024, grown


def split_and_versions(evening):
    """A kept-alive connection whose second request comes in pieces gets both answers; HTTP/1.0
    without keep-alive is closed after its answer; a request line of HTTP/2.0 is refused."""
    s = connect(evening, "127.0.0.1")
    s.sendall(b"GET /bord.css HTTP/1.1\r\nHost: bord\r\n\r\nGET /bord.")
    head, body, length = read_answer(s)
    assert head.startswith(b"HTTP/1.1 200 "), head
    while len(body) < length:
        body += s.recv(4096)
    time.sleep(0.2)
    s.sendall(b"css HTTP/1.1\r\nHost: bord\r\n\r\n")
    head, _, _ = read_answer(s)
    assert head.startswith(b"HTTP/1.1 200 "), head
    s.close()
    old = connect(evening, "127.0.0.1")
    old.sendall(b"GET /bord.css HTTP/1.0\r\n\r\n")
    head, _, _ = read_answer(old)
    assert head.startswith(b"HTTP/1.1 200 ") and b"Connection: close" in head, head
    assert closed_by_server(old, 2)
    old.close()
    two = connect(evening, "127.0.0.1")
    two.sendall(b"GET /bord.css HTTP/2.0\r\n\r\n")
    head, _, _ = read_answer(two)
    assert head.startswith(b"HTTP/1.1 400 "), head
    assert closed_by_server(two, 2)
    two.close()
    print("Delad f\u00f6rfr\u00e5gan: tv\u00e5 svar; HTTP/1.0 st\u00e4ngs efter svaret; HTTP/2.0: 400")


def idle_flood(evening, pid, code):
    """A thousand idle sockets from one device: the device's own oldest are closed, the
    window's open files stay bounded, and a table is answered at once."""
    files_before = open_files(pid)
    sockets = [connect(evening) for _ in range(1000)]
    status, seconds = timed_login(evening, code)
    files = open_files(pid)
    print("1000 tomma anslutningar: bordet svarade %d p\u00e5 %.0f ms, f\u00f6nstret har %d \u00f6ppna filer "
          "(f\u00f6re: %d)" % (status, seconds * 1000, files, files_before))
    assert status == 200, status
    assert files <= files_before + PER_CLIENT + 4, (files, files_before)
    # The device's newest connections are still held, so the table was answered before the
    # idle ones would have been let go: it did not wait for the flood to end.
    still_open = [s for s in sockets if not closed_by_server(s, 0.01)]
    assert len(still_open) == PER_CLIENT, len(still_open)
    # The rest go once they have been idle a few seconds.
    assert all(closed_by_server(s, 8) for s in still_open)
    for s in sockets:
        s.close()


def pipelined_flood(evening, pid, code):
    """Ten connections each send thousands of requests for the table page and never read the
    answers: the window does not keep them all, and a table is answered at once."""
    before = status_of(pid, "VmRSS")
    sockets, sent = [], 0
    for _ in range(10):
        s = connect(evening)
        s.settimeout(0.5)
        try:
            for _ in range(200):
                sent += s.send(b"GET /bord HTTP/1.1\r\nHost: bord\r\n\r\n" * 100)
        except OSError:
            pass  # the server stopped taking them
        sockets.append(s)
    time.sleep(1)
    grown = status_of(pid, "VmRSS") - before
    status, seconds = timed_login(evening, code)
    print("Radade f\u00f6rfr\u00e5gningar utan l\u00e4sta svar: %d kB skickat, f\u00f6nstret v\u00e4xte %d kB, "
          "bordet svarade %d p\u00e5 %.0f ms" % (sent >> 10, grown, status, seconds * 1000))
    assert grown < 32 * 1024, grown
    assert status == 200, status
    for s in sockets:
        s.close()


def half_sent(evening):
    """A head that never ends, and a body that stops halfway, are closed within seconds."""
    head = connect(evening)
    head.sendall(b"POST /api/login HTTP/1.1\r\nHost: bord\r\n")
    body = connect(evening)
    body.sendall(b"POST /api/login HTTP/1.1\r\nHost: bord\r\nContent-Length: 40\r\n\r\n{\"code\":")
    started = time.monotonic()
    assert closed_by_server(head, 8) and closed_by_server(body, 8)
    print("Halvskickade f\u00f6rfr\u00e5gningar st\u00e4ngdes efter %.1f s" % (time.monotonic() - started))


def read_answer(s):
    """One HTTP answer from `s`: (head, body), the body as long as Content-Length says."""
    data = b""
    while b"\r\n\r\n" not in data:
        data += s.recv(4096)
    head, _, rest = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n"):
        if line.lower().startswith(b"content-length:"):
            length = int(line.split(b":")[1])
    return head, rest, length


def head_then_get(evening):
    """HEAD gets the headers of a GET and no body, so the GET after it on the same kept-alive
    connection is answered cleanly; a head of 4,000 tiny lines is refused 431."""
    s = connect(evening, "127.0.0.1")
    s.sendall(b"HEAD /bord.css HTTP/1.1\r\nHost: bord\r\n\r\n")
    head, rest, announced = read_answer(s)
    assert head.startswith(b"HTTP/1.1 200 ") and announced > 0, head
    assert rest == b"", rest[:80]
    s.sendall(b"GET /bord.css HTTP/1.1\r\nHost: bord\r\n\r\n")
    head, body, length = read_answer(s)
    while len(body) < length:
        body += s.recv(4096)
    assert head.startswith(b"HTTP/1.1 200 ") and length == announced and len(body) == length, (head, len(body))
    s.close()
    lines = connect(evening, "127.0.0.1")
    lines.sendall(b"GET / HTTP/1.1\r\nHost: bord\r\n" + b"a:b\r\n" * 4000 + b"\r\n")
    head, _, _ = read_answer(lines)
    assert head.startswith(b"HTTP/1.1 431 "), head
    lines.close()
    print("HEAD och GET p\u00e5 samma f\u00f6rbindelse: rena svar; 4000 huvudrader: 431")


def wrong_codes(evening, code):
    """Another device guesses table 1's code; the table's own phone, logged in, is never
    slowed, while a device that has not logged in still must wait."""
    assert evening.call("login", {"table": 1, "code": code})[0] == 200
    statuses = [evening.call("login", {"table": 1, "code": "AAAA"}, source="127.0.0.3")[0] for _ in range(6)]
    assert statuses[0] == 401 and statuses[-1] == 429, statuses
    for _ in range(3):
        assert evening.call("login", {"table": 1, "code": code}, timeout=5)[0] == 200
    evening.seat(1, code)
    assert evening.call("login", {"table": 1, "code": code}, source="127.0.0.4")[0] == 429


def many_addresses(evening):
    """Eight addresses share out the guessing at table 2, three tries each (what one address has
    before it must wait): after the table's own few free tries every address must wait, so
    sharing out the guessing gains nothing, while the table's phone that has logged in plays
    on; the counts are in the recovery file, so a crash does not reset them."""
    code = evening.codes()[2]
    assert evening.call("login", {"table": 2, "code": code}, source="127.0.0.1")[0] == 200
    statuses = [evening.call("login", {"table": 2, "code": "ACDEFHJK"}, source="127.0.1.%d" % a)[0]
                for a in range(1, 9) for _ in range(3)]
    assert statuses[:3] == [401] * 3 and set(statuses[3:]) == {429}, statuses
    assert evening.call("login", {"table": 2, "code": code}, source="127.0.2.1")[0] == 429
    assert evening.call("login", {"table": 2, "code": code}, source="127.0.0.1")[0] == 200
    time.sleep(1.5)  # the guard's counts are written at most once a second
    assert any(b"127.0.1.1" in part for part in evening.recovery_sections().values())
    print("Gissning fr\u00e5n 8 adresser: 3 koder pr\u00f6vades, sedan fick alla v\u00e4nta; "
          "bordets egen telefon spelar vidare")


def main():
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (min(max(soft, 4096), hard), hard))
    with Evening(sys.argv[1], sys.argv[2]) as evening:
        evening.start()
        pid = evening.process.pid
        code = evening.codes()[1]
        huge_body(evening, pid)
        spaced_length_stream(evening, pid)
        split_and_versions(evening)
        idle_flood(evening, pid, code)
        pipelined_flood(evening, pid, code)
        half_sent(evening)
        head_then_get(evening)
        wrong_codes(evening, code)
        many_addresses(evening)
        assert evening.call("login", {"table": 1, "code": code})[0] == 200
        print("Fientlig enhet: borden fick sina svar")


if __name__ == "__main__":
    main()
