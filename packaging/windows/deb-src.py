#!/usr/bin/env python3
"""Adds source ("deb-src") entries for the Debian archives that APT already
takes binary packages from, so that `apt-get source` fetches from the same
place: deb822 entries (sources.list.d/*.sources) are copied into
sources.list.d/tukrosdi-deb-src.sources, one-line ones (sources.list,
sources.list.d/*.list) into sources.list.d/tukrosdi-deb-src.list.

Usage: deb-src.py [DIR]   (DIR is /etc/apt unless given)

Changes nothing when any source entry is there already. Prints the files
it wrote.
"""
import glob
import os
import sys


def debian(uris):
    # The Debian archive and its security archive, on a mirror or a snapshot.
    return any("/debian" in u for u in uris)


def stanzas(path):
    """The deb822 stanzas of a file, each as a list of (field, value) pairs."""
    result, fields = [], []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines() + [""]:
            if not line.strip():
                if fields:
                    result.append(fields)
                fields = []
            elif line.startswith("#"):
                continue
            elif line[0] in " \t" and fields:
                field, value = fields[-1]
                fields[-1] = (field, value + "\n" + line)
            else:
                field, _, value = line.partition(":")
                fields.append((field.strip(), value.strip()))
    return result


def entries(path):
    """The one-line entries of a file, comments left out."""
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [l.split("#", 1)[0].strip() for l in f if l.split("#", 1)[0].strip()]


def main(root):
    d = os.path.join(root, "sources.list.d")
    new822, new_lines = [], []
    for path in sorted(glob.glob(os.path.join(d, "*.sources"))):
        for s in stanzas(path):
            f = {k.lower(): v for k, v in s}
            if f.get("enabled", "yes").lower() == "no":
                continue
            types = f.get("types", "").split()
            if "deb-src" in types:
                return 0
            if "deb" in types and debian(f.get("uris", "").split()):
                new822.append("\n".join(f"{k}: {'deb-src' if k.lower() == 'types' else v}" for k, v in s))
    for path in [os.path.join(root, "sources.list")] + sorted(glob.glob(os.path.join(d, "*.list"))):
        for e in entries(path):
            kind, _, rest = e.partition(" ")
            if kind == "deb-src":
                return 0
            if kind == "deb" and debian(rest.split()):
                new_lines.append("deb-src " + rest)
    for name, items, sep in (("tukrosdi-deb-src.sources", new822, "\n\n"),
                             ("tukrosdi-deb-src.list", new_lines, "\n")):
        if items:
            path = os.path.join(d, name)
            with open(path, "w", encoding="utf-8") as f:
                f.write(sep.join(items) + "\n")
            print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "/etc/apt"))
