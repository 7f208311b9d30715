#!/usr/bin/env python3
"""Writes into the page's service worker the files it stores besides the page, as the build
lists them, and the build's version: a digest of the page and of every file the worker stores,
so that a build that changes any of them is a new worker with a new cache. Fails when a file the
worker stores is not in the folder.

usage: stamp_worker.py FOLDER FILE...
"""
import hashlib
import json
import pathlib
import sys

def main(folder, stored):
    worker = folder / "service_worker.js"
    text = worker.read_text(encoding="utf-8")
    text = text.replace('"@FILES@"', ", ".join(json.dumps(name) for name in stored))
    files = ["./"] + stored
    digest = hashlib.sha256()
    for name in files:
        path = folder / ("index.html" if name == "./" else name)
        if not path.is_file():
            sys.exit(f"stamp_worker.py: the worker stores {name}, which is not in {folder}")
        digest.update(name.encode("utf-8") + b"\0" + path.read_bytes())
    worker.write_text(text.replace("@VERSION@", digest.hexdigest()[:16]), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(pathlib.Path(sys.argv[1]), sys.argv[2:])
