#!/usr/bin/python3
"""Regenerate every picture, sound and data file the game ships with.

Usage: /usr/bin/python3 tools/generate_assets.py [repo-root] [--only art|sound|book|icon]

The output is byte-for-byte the same on every run; it is committed, so a
build of the game never needs Python.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import common  # noqa: E402


def main(argv):
    args = [a for a in argv[1:] if not a.startswith("--")]
    only = None
    if "--only" in argv:
        only = argv[argv.index("--only") + 1]
        args = [a for a in args if a != only]
    root = os.path.abspath(args[0] if args else os.path.join(os.path.dirname(__file__), ".."))
    out = common.Output(root)
    t0 = time.time()
    steps = []
    if only in (None, "art"):
        from art import background, digits, effects, enemies, gun, lamps, pointer, screens
        steps += [("gun", gun.build), ("enemies", enemies.build), ("effects", effects.build),
                  ("lamps", lamps.build), ("digits", digits.build), ("pointer", pointer.build),
                  ("background", background.build), ("screens", screens.build)]
    if only in (None, "icon"):
        from art import icon
        steps += [("icon", icon.build)]
    if only in (None, "book"):
        from sound import book
        steps += [("book", book.build)]
    if only in (None, "sound"):
        from sound import music, sfx
        steps += [("effects sounds", sfx.build), ("music", music.build)]
    for name, fn in steps:
        t = time.time()
        fn(out)
        print("%-15s %5.1f s" % (name, time.time() - t))
    print("%d files written under %s in %.1f s" % (len(out.written), root, time.time() - t0))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
