#!/usr/bin/python3
"""Writes the text of one licence out of a Debian copyright file (the paragraph that starts
"License: NAME", not a Files paragraph's field of that name) as a plain text: the paragraph's lines without their indent, its "." lines as blank ones.
Usage: licence_text.py COPYRIGHT NAME OUTPUT"""
import os
import sys


def licence_text(copyright_text, name):
    lines = [""] + copyright_text.splitlines()
    heads = [at for at, line in enumerate(lines) if line == f"License: {name}" and not lines[at - 1]]
    if not heads:
        raise ValueError(name)
    start = heads[0] + 1
    body = []
    for line in lines[start:]:
        if not line.startswith(" "):
            break
        body.append("" if line.strip() == "." else line[1:].rstrip())
    return "\n".join(body).strip("\n") + "\n"


def main(copyright_path, name, output):
    with open(copyright_path, encoding="utf-8") as source:
        try:
            text = licence_text(source.read(), name)
        except ValueError:
            sys.exit(f"licence_text: {copyright_path} has no paragraph 'License: {name}'")
    partial = output + ".partial"
    with open(partial, "w", encoding="utf-8") as out:
        out.write(text)
    os.replace(partial, output)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
