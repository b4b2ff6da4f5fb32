#!/usr/bin/python3
"""Cards on a screenshot of the main window, found without the program's help
(blocks between the board colour's rows and columns), see docs/testing.md.
  kartyak.py centres SHOT          each card's centre, "x y" a line
  kartyak.py board SHOT REFERENCE  a line a row, a letter a card: L face down, F face up, ? neither
REFERENCE, the Linux build after two clicks, has its first card up, its last down."""
import subprocess
import sys


def runs(flags, shortest):
    """The [start, end) runs of true flags at least `shortest` long."""
    edges = [i for i in range(len(flags) + 1) if (i < len(flags) and flags[i]) != (i > 0 and flags[i - 1])]
    return [(a, b) for a, b in zip(edges[::2], edges[1::2]) if b - a >= shortest]


def cards(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    w, h, px = [*map(int, ppm.split(maxsplit=4)[1:3]), ppm.split(maxsplit=4)[4]]
    grey = [[px[i] if px[i] == px[i + 1] == px[i + 2] else None for i in range(3 * w * y, 3 * w * (y + 1), 3)]
            for y in range(h)]
    levels = [g for row in grey for g in row if g is not None]
    board = max(set(levels), key=levels.count)
    ink = [[g is not None and g != board for g in row] for row in grey]
    return [[(left, top, right - left, bottom - top)
             for left, right in runs([sum(ink[y][x] for y in range(top, bottom)) > (bottom - top) // 2
                                      for x in range(w)], 40)]
            for top, bottom in runs([sum(row) > w // 3 for row in ink], 40)]


def distance(shot, card, reference, model):
    """The mean difference of two cards from 0 to 255, the first scaled to the second's size."""
    crop = "{2}x{3}+{0}+{1}".format
    return 255 * float(subprocess.run(
        ["convert", shot, "-crop", crop(*card), "+repage", "-resize", "{2}x{3}!".format(*model), "(", reference,
         "-crop", crop(*model), "+repage", ")", "-metric", "MAE", "-compare", "-format", "%[distortion]", "info:"],
        check=True, capture_output=True, text=True).stdout)


if sys.argv[1] == "centres":
    for x, y, w, h in (card for row in cards(sys.argv[2]) for card in row):
        print(x + w // 2, y + h // 2)
else:
    shot, reference, models = *sys.argv[2:4], [card for row in cards(sys.argv[3]) for card in row]
    for row in cards(shot):
        near = [[distance(shot, card, reference, model) for model in (models[-1], models[0])] for card in row]
        print("".join("L" if down <= 5 else "F" if up < down else "?" for down, up in near))
