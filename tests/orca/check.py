"""Plays a 3x4 game to its praise with the keyboard alone, as a blind child
does, and checks what Orca says at each step. The cards' words are learnt from
what Orca says; which words are opposites, from the game's catalogue."""
import os
import pty
import re
import subprocess
import sys
import time
import tty

program, work = sys.argv[1], sys.argv[2]


def texts_of(path):  # the string literals of one of the game's sources
    with open(os.path.join(os.path.dirname(__file__), "..", "..", path), encoding="utf-8") as f:
        return re.findall(r'u"([^"]*)"', f.read())


OPPOSITES = {frozenset(pair.split("-")) for pair in "".join(texts_of("game/katalogus.cpp")).replace(" ", "").split(",")
             if pair.count("-") == 1}
PRAISES = texts_of("praise/dicseretek.cpp")

# What the game says when the wait ends.
PAIR_GONE = re.compile(r"eltűnt")
TURNED_BACK = re.compile(r"visszafordult", re.I)
FACE_DOWN = "lefordított kártya, {}. sor, {}. oszlop"
KEY_ECHO = ("space", "return", "kp_enter", "tab", "escape")
processes, results = [], []


def praise(text):
    return any(p in text for p in PRAISES)


def check(what, ok, detail=""):
    results.append(ok)
    print(("PASS   " if ok else "FAIL!  ") + what + ("" if ok else "  -- " + str(detail)), flush=True)
    return ok


def start(args, **kw):
    p = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
    processes.append(p)
    return p


# Orca writes its debug log to a file in blocks but to a terminal line by
# line, so the log goes through a pseudo-terminal and is gathered here.
master, slave = pty.openpty()
tty.setraw(slave)
os.set_blocking(master, False)
log = []


def log_since(mark):
    while True:
        try:
            chunk = os.read(master, 65536)
        except (BlockingIOError, OSError):
            break
        if not chunk:
            break
        log.append(chunk.decode("utf-8", "replace"))
    return "".join(log)[mark:]


def now():  # a mark: where the log ends now
    return len(log_since(0))


def speech(text):
    """The "SPEECH OUTPUT" lines of a piece of the log, without key echo."""
    said = re.findall(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{'", text)
    return [s for s in said if s.strip().lower() not in KEY_ECHO]


def wait_for(mark, until, seconds=10.0):
    """Polls the log from `mark` until `until(what was said)` holds."""
    wait_until(lambda: until(speech(log_since(mark))), seconds)
    return speech(log_since(mark))


def said_quiet(mark, quiet=0.8):
    """What was said from `mark` on, once Orca has said nothing new for `quiet` seconds."""
    last, since = None, time.time()
    while time.time() - since < quiet:
        said = speech(log_since(mark))
        if said != last:
            last, since = said, time.time()
        time.sleep(0.05)
    return last


def key(name, until=lambda said: said, seconds=5.0):
    mark = now()
    subprocess.run(["xdotool", "key", name], check=True)
    return wait_for(mark, until, seconds)


def heard(said, text):
    return any(text in s for s in said)


def wait_until(ready, seconds=30.0):
    end = time.time() + seconds
    while not ready() and time.time() < end:
        time.sleep(0.05)


def stop_all():
    for p in reversed(processes):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


class Board:
    """Where the keyboard's card is, and what the child has learnt."""

    def __init__(self, rows, cols, at):
        self.rows, self.cols, self.at = rows, cols, at
        self.words, self.gone, self.turns = {}, set(), 0

    def go(self, place):
        said = []
        while self.at != place:
            (r, c), (tr, tc) = self.at, place
            step = "Right" if tc > c else "Left" if tc < c else "Down" if tr > r else "Up"
            self.at = (r + (step == "Down") - (step == "Up"), c + (step == "Right") - (step == "Left"))
            said = key(step)
        return said

    def turn(self, place, second):
        said = self.go(place)
        if said:
            check(f"2: the arrows name the face-down card at {place}", heard(said, FACE_DOWN.format(*place)), said)
        mark = now()
        if second:
            self.turns += 1
            said = key("space", lambda s: heard(s, f"{self.turns} fordítás"))
            check(f"4: the second card says its word and \"{self.turns} fordítás\"",
                  heard(said, f"{self.turns} fordítás"), said)
        else:
            said = key("space")
            check("3: Space on a face-down card says its word", len(said) == 1 and "kártya" not in said[0], said)
        word = said[0].split(",")[0].rstrip(".") if said else "?"
        self.words[place] = word
        return mark, word

    def play_turn(self):
        """Turns a known pair, or a new card and its partner if known, else another new card."""
        pairs = [p for p, w in self.words.items() for v in self.words.values() if frozenset((w, v)) in OPPOSITES]
        unknown = [(r, c) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)
                   if (r, c) not in self.words and (r, c) not in self.gone]
        first = pairs[0] if pairs else unknown.pop(0)
        _, w = self.turn(first, second=False)
        partner = [p for p, v in self.words.items() if frozenset((w, v)) in OPPOSITES]
        if not partner and not unknown:
            return None  # the words heard are no pair: nothing more to learn
        second = partner[0] if partner else unknown.pop(0)
        mark, v = self.turn(second, second=True)
        # The last pair: the praise says that the board is cleared.
        said = wait_for(mark, lambda s: any(PAIR_GONE.search(x) or TURNED_BACK.search(x) or praise(x) for x in s))
        gone = any(PAIR_GONE.search(x) or praise(x) for x in said)
        check("4: the end of the wait says what became of the two cards",
              gone == (frozenset((w, v)) in OPPOSITES) and (gone or any(TURNED_BACK.search(x) for x in said)),
              (w, v, said))
        if frozenset((w, v)) in OPPOSITES:
            self.gone |= {first, second}
            del self.words[first], self.words[second]
        return mark


try:
    run = os.environ["XDG_RUNTIME_DIR"]
    start(["speech-dispatcher", "--run-single", "--timeout", "0", "--log-level", "4", "--log-dir", work])
    wait_until(lambda: os.path.exists(os.path.join(run, "speech-dispatcher", "speechd.sock")))
    start(["orca", "--user-prefs", os.path.join(work, "orca"), "--debug-file", os.ttyname(slave)],
          env=dict(os.environ, PATH=os.path.join(work, "bin") + ":" + os.environ["PATH"]))
    wait_until(lambda: "ORCA: Starting ATSPI registry" in log_since(0))

    mark = now()
    start([program])
    wait_for(mark, lambda s: heard(s, "Tukrosdi frame"), 60)
    said = said_quiet(mark)
    check("1: the window, then the first card", heard(said, "Tukrosdi frame") and heard(said, FACE_DOWN.format(1, 1)),
          said)

    # The size of the board: the arrows stop at its edges.
    cols = rows = 1
    while cols < 8 and heard(key("Right", seconds=1.5), FACE_DOWN.format(1, cols + 1)):
        cols += 1
    while rows < 8 and heard(key("Down", seconds=1.5), FACE_DOWN.format(rows + 1, cols)):
        rows += 1
    if not check("2: the arrows walk a board of 12 cards", rows * cols == 12, (rows, cols)):
        sys.exit(1)
    board = Board(rows, cols, (rows, cols))
    while len(board.gone) < rows * cols and board.turns < 20 and mark is not None:
        mark = board.play_turn()
    # The praise when its window comes up, and again on the new board (or only there, when no window manager
    # makes the praise window active); the new board's first card.
    def praised_and_first(said):
        return any(praise(s) for s in said) and heard(said, FACE_DOWN.format(1, 1))
    said = wait_for(mark or 0, praised_and_first, 30)
    check("5: the praise and the first card of a new board", praised_and_first(said), said)
    said = key("Tab", lambda s: heard(s, " link"))
    check("7: Tab brings the keyboard to the slogan line, a link", heard(said, "Zsongóka Programcsalád") and heard(said, " link"),
          said)
finally:
    stop_all()
    with open(os.path.join(work, "orca.log"), "w") as f:
        f.write(log_since(0))
    if results.count(False):
        print("Orca said:", *("  " + s for s in speech(log_since(0))), sep="\n")

failed = results.count(False)
print(f"{len(results) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
