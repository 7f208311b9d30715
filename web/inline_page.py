#!/usr/bin/env python3
"""Makes the page's folder open with one response: index.html takes in its own style sheets and
scripts, and the module's code, gzip-compressed, as a base64 data block (id "module-code") where
the page asked for it to be preloaded, so that nothing on the way to the first frame waits for a
second request. Compressed, the code is less than half the bytes the browser must receive, decode
and scan before it parses the page. Each file taken in leaves the folder; anything else the page
fetches stays.

usage: inline_page.py FOLDER
"""
import base64
import gzip
import pathlib
import re
import sys

STYLE = re.compile(r'<link rel="stylesheet" href="([^"/:]+)">')
SCRIPT = re.compile(r'<script src="([^"/:]+)"></script>')
MODULE = re.compile(r'<link rel="preload" href="([^"/:]+\.wasm)"[^>]*>')


def take_in(folder, taken, pattern, html, wrap):
    def replace(match):
        path = folder / match.group(1)
        taken.add(path)
        return wrap(path)

    return pattern.sub(replace, html)


def text_of(path, closing):
    text = path.read_text(encoding="utf-8")
    # Inside the element these would end it early or change how the rest is read.
    if closing in text.lower() or "<!--" in text:
        sys.exit(f"inline_page.py: {path.name} holds {closing} or <!--, which cannot go inline")
    return text


def packed(code):
    # No time stamp: the same code makes the same page.
    return gzip.compress(code, compresslevel=9, mtime=0)


def main(folder):
    index = folder / "index.html"
    html = index.read_text(encoding="utf-8")
    taken = set()
    html = take_in(folder, taken, STYLE, html,
                   lambda path: f"<style>\n{text_of(path, '</style')}</style>")
    html = take_in(folder, taken, SCRIPT, html,
                   lambda path: f"<script>\n{text_of(path, '</script')}</script>")
    html = take_in(
        folder, taken, MODULE, html,
        lambda path: '<script type="application/octet-stream" id="module-code">'
        f"{base64.b64encode(packed(path.read_bytes())).decode('ascii')}</script>")
    index.write_text(html, encoding="utf-8")
    for path in taken:
        path.unlink()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(pathlib.Path(sys.argv[1]))
