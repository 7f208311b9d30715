#!/usr/bin/python3
"""Makes the page's web font for the dialogs' face: the desktop's Japanese face cut down to the
characters the page can show. Those are printable ASCII (a message may carry whatever the
player typed, and file paths) and every other character of the given sources, where the texts
of the captions, menus, dialogs and messages are written; a new text brings its characters
along without anyone listing them.

The result depends on the face and the characters alone, never on the clock: the face keeps its
own time stamps, so every build gives the same bytes. As the face's licence asks of a font made
from it, the cut face goes by a name of its own and keeps the copyright and licence notices; its
description says what it was made from.

Usage: dialog_face.py FACE OUTPUT.woff2 SOURCE..."""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Zaptrail Dialog"
POSTSCRIPT_NAME = "ZaptrailDialog"
PRINTABLE_ASCII = {chr(code) for code in range(0x20, 0x7F)}


def characters(sources):
    found = set(PRINTABLE_ASCII)
    for path in sources:
        with open(path, encoding="utf-8") as text:
            found.update(char for char in text.read() if char > "\x7f")
    return found


def rename(font, source_name):
    name = font["name"]
    version = name.getDebugName(5) or ""
    for name_id, text in ((1, FAMILY), (2, "Regular"), (3, f"{FAMILY} {version}"), (4, FAMILY),
                          (6, POSTSCRIPT_NAME),
                          (10, f"The characters of zap trail's page, cut from {source_name} {version}, under"
                               " its licence, the IPA Font License Agreement v1.0.")):
        name.setName(text, name_id, 3, 1, 0x409)


def main(face_path, output, *sources):
    options = subset.Options()
    options.flavor = "woff2"
    # Of the face's names only the copyright (0), the style (2), the version (5) and the
    # licence's description and address (13, 14) stay, in English; the others are ours below.
    options.name_IDs = [0, 2, 5, 13, 14]
    font = TTFont(face_path, recalcTimestamp=False)
    source_name = font["name"].getDebugName(4)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(characters(sources))))
    subsetter.subset(font)
    rename(font, source_name)
    partial = output + ".partial"
    font.flavor = "woff2"
    font.save(partial)
    os.replace(partial, output)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
