"""Plays a 3x4 game to its praise with the keyboard alone, as a blind child
does, and checks what Orca says at each step. The cards' words are learnt from
what Orca says; which words are opposites, from the game's catalogue."""
import codecs
import os
import pty
import re
import subprocess
import sys
import time
import tty

program, work = sys.argv[1], sys.argv[2]


def source(path):
    with open(os.path.join(os.path.dirname(__file__), "..", "..", path), encoding="utf-8") as f:
        return f.read()


def literals(path, *after):
    """The game's texts in one of its sources: all of them, or the first one after each of `after`."""
    found = lambda s: ["".join(re.findall(r'"([^"]*)"', t)) for t in
                       re.findall(r'(?:\bu|QStringLiteral\()((?:"[^"]*"\s*)+)', s)]
    src = source(path)
    return [found(src[src.index(a):])[0] for a in after] if after else found(src)


OPPOSITES = {frozenset(pair.split("-")) for pair in "".join(literals("game/katalogus.cpp")).replace(" ", "").split(",")
             if pair.count("-") == 1}
WORDS = set().union(*OPPOSITES)
PRAISES = literals("praise/dicseretek.cpp")
GONE, BACK = literals("game/fordulo.cpp")  # what the game says when the wait ends
WEB, MAIN, SLOGAN = literals("main/elrendezes.cpp", "webcím =", "setCaption", "kiír(Label_szlogen")
# The captions of the settings, the help and the About window, and the menu that leads to About.
SETTINGS = literals("designs/frm_beall_terv.cpp", "ablak_tervezése", "cmd_ok.", "Label1.", "Frame2.", "méretek[]",
                    "cmd_mégsem.")
HELP = literals("designs/frm_sugo_terv.cpp", "ablak_tervezése", "tervezett(0)", "tervezett(1)", "tervezett(2)")
ABOUT, VERSION = literals("help/frm_about.cpp", "setCaption", "lblVersion.")  # "About " and "Version %1.%2.%3"
VERSION = VERSION.replace("%1.%2.%3", re.search(r"VERSION ([\d.]+) LANGUAGES", source("CMakeLists.txt"))[1])
MENU = literals("main/frm_tukrosdi.cpp", "mnu_súgó.")[0].replace("&", "")
FACE_DOWN = "lefordított kártya, {}. sor, {}. oszlop"
KEY_ECHO = ("space", "return", "kp_enter", "tab", "escape")
processes, results = [], []


def praise(text):
    return any(p in text for p in PRAISES)


def word_of(said, tail=""):
    """The word of the catalogue that Orca said, alone or with `tail` after it; None if it said none."""
    return next((w for s in said if (w := s.removesuffix(tail + ".")) in WORDS), None)


def check(what, ok, detail=""):
    results.append(ok := bool(ok))
    print(("PASS   " if ok else "FAIL!  ") + what + ("" if ok else "  -- " + str(detail)), flush=True)
    return ok


def start(args, **kw):
    p = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
    processes.append(p)


# Orca writes its debug log to a file in blocks but to a terminal line by
# line, so the log goes through a pseudo-terminal and is gathered here.
master, slave = pty.openpty()
tty.setraw(slave)
os.set_blocking(master, False)
log, utf8 = [], codecs.getincrementaldecoder("utf-8")("replace")  # a read may end inside a letter


def log_since(mark):
    try:
        while chunk := os.read(master, 65536):
            log.append(utf8.decode(chunk))
    except OSError:  # nothing more to read now
        pass
    return "".join(log)[mark:]


def now():  # a mark: where the log ends now
    return len(log_since(0))


def speech(text):
    """The "SPEECH OUTPUT" lines of a piece of the log, without key echo."""
    said = re.findall(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{'", text)
    return [s for s in said if s.strip().lower() not in KEY_ECHO]


def wait_for(mark, until, seconds=10.0):
    """Polls the log from `mark` until `until(what was said)` holds: whether it did, and what was said."""
    wait_until(lambda: until(speech(log_since(mark))), seconds)
    return until(said := speech(log_since(mark))), said


def key(keys, until, seconds=5.0):
    """Presses a key (or runs xdotool's words, such as "keydown alt key s"), then waits as wait_for."""
    mark = now()
    subprocess.run(["xdotool", *(keys.split() if " " in keys else ["key", keys])], check=True)
    return wait_for(mark, until, seconds)


def heard(said, *texts):  # whether each of the texts is in something Orca said
    return all(any(t in s for s in said) for t in texts)


def hears(keys, *texts, seconds=5.0):  # whether Orca says all the texts within `seconds` after the keys
    return key(keys, lambda s: heard(s, *texts), seconds)


def wait_until(ready, seconds=30.0):
    end = time.time() + seconds
    while not ready() and time.time() < end:
        time.sleep(0.05)


def stop_all():
    for p in reversed(processes):
        p.terminate()  # nothing for one that has ended
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
        """Each arrow names the card it reaches by its place: the last one a face-down card."""
        while self.at != place:
            (r, c), (tr, tc) = self.at, place
            step = "Right" if tc > c else "Left" if tc < c else "Down" if tr > r else "Up"
            self.at = (r + (step == "Down") - (step == "Up"), c + (step == "Right") - (step == "Left"))
            name = FACE_DOWN.format(*self.at)  # on the way, a removed card is named "eltüntetett kártya, ..." too
            check(f"2: the arrow names the card at {self.at}",
                  *hears(step, name if self.at == place else name.replace("lefordított ", "")))

    def turn(self, place, second):
        self.go(place)
        mark, tail = now(), f", {self.turns + 1} fordítás" if second else ""
        self.turns += second
        _, said = key("space", lambda s: word_of(s, tail))
        check(f'4: the second card says its word and "{tail[2:]}"' if second else
              "3: Space on a face-down card says its word, a word of the catalogue",
              word_of(said, tail) and (second or len(said) == 1), said)
        self.words[place] = word_of(said, tail) or "?"
        return mark, self.words[place]

    def play_turn(self):
        """Turns a known pair, or a new card and its partner if known, else another new card."""
        pairs = [p for p, w in self.words.items() for v in self.words.values() if frozenset((w, v)) in OPPOSITES]
        unknown = [(r, c) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)
                   if (r, c) not in self.words and (r, c) not in self.gone]
        if not pairs and not unknown:
            return None  # the words heard are no words of the catalogue: nothing to play on
        first = pairs[0] if pairs else unknown.pop(0)
        _, w = self.turn(first, second=False)
        partner = [p for p, v in self.words.items() if frozenset((w, v)) in OPPOSITES]
        if not partner and not unknown:
            return None  # the words heard are no pair: nothing more to learn
        second = partner[0] if partner else unknown.pop(0)
        mark, v = self.turn(second, second=True)
        # The last pair: the praise says that the board is cleared.
        _, said = wait_for(mark, lambda s: any(x in (GONE, BACK) or praise(x) for x in s))
        gone = any(x == GONE or praise(x) for x in said)
        check("4: the end of the wait says what became of the two cards",
              gone == (frozenset((w, v)) in OPPOSITES) and (gone or BACK in said), (w, v, said))
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
    back = lambda r, c: (f"{MAIN} frame", FACE_DOWN.format(r, c))  # the window, then its current card
    check("1: the window, then the first card", *wait_for(mark, lambda s: heard(s, *back(1, 1)), 60))

    # The size of the board: the arrows stop at its edges, where they say nothing.
    cols = rows = 1
    while cols < 8 and hears("Right", FACE_DOWN.format(1, cols + 1), seconds=1.5)[0]:
        cols += 1
    while rows < 8 and hears("Down", FACE_DOWN.format(rows + 1, cols), seconds=1.5)[0]:
        rows += 1
    if not check("2: the arrows walk a board of 12 cards", rows * cols == 12, (rows, cols)):
        sys.exit(1)

    # The other windows, each read and closed again (Esc is Mégsem: nothing changes); then the board's card again.
    # With a screen reader listening, Qt now and then closes a menu at once when Alt+S opens it (a plain Qt program
    # too), more often when Alt is let go at once or a dialog has just closed: About comes first, Alt is held until
    # the menu is read, and Alt+S is pressed again if it is not.
    title, ok, label, frame, size, cancel = SETTINGS
    for keys, *words in (("keydown alt key s", MENU), ("keyup alt key n", f"{ABOUT}{MAIN} dialog {MAIN}, {VERSION}"),
                         ("Return", *back(rows, cols)), ("F3", f"{title} dialog", f"{ok} push button"),
                         ("Tab", f"{label} combo box"), ("Tab", f"{frame} panel", size), ("Tab", f"{cancel} push button"),
                         ("Escape", *back(rows, cols)), ("F1", f"{HELP[0]} dialog " + " ".join(HELP[1:])),
                         ("Return", *back(rows, cols))):
        any((got := hears(("keyup alt " if tries else "") + keys, *words, seconds=2 if words == [MENU] else 5))[0]
            for tries in range(3 if words == [MENU] else 1))
        check(f'6: {keys}: "{words[0][:60]}"', *got)
    board = Board(rows, cols, (rows, cols))
    while len(board.gone) < rows * cols and board.turns < 20 and mark is not None:
        mark = board.play_turn()
    # The praise when its window comes up, and again on the new board (or only there, when no window manager
    # makes the praise window active); the new board's first card.
    check("5: the praise and the first card of a new board",
          *wait_for(mark or 0, lambda s: any(praise(x) for x in s) and heard(s, FACE_DOWN.format(1, 1)), 30))
    check("7: Tab brings the keyboard to the slogan line, a link", *hears("Tab", f"{SLOGAN}{WEB} link"))
finally:
    stop_all()
    with open(os.path.join(work, "orca.log"), "w") as f:
        f.write(log_since(0))
    if results.count(False):
        print("Orca said:", *("  " + s for s in speech(log_since(0))), sep="\n")

failed = results.count(False)
print(f"{len(results) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
