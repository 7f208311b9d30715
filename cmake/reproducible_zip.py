#!/usr/bin/python3
"""Packs files into one folder of a zip, the same bytes whenever the same files are packed: each
entry carries the given time (in UTC, as zip's DOS time has no zone) and fixed permissions, in
the order given, with no owner or extra time fields.
Usage: reproducible_zip.py ZIP EPOCH FOLDER FILE..."""
import os
import sys
import time
import zipfile

UNIX = 3
DIRECTORY = 0o40755
REGULAR_FILE = 0o100644


def entry(name, when, mode):
    info = zipfile.ZipInfo(name, date_time=when)
    info.create_system = UNIX
    info.external_attr = mode << 16
    return info


def main(zip_path, epoch, folder, *files):
    # DOS time cannot go before 1980.
    when = time.gmtime(max(int(epoch), 315532800))[:6]
    partial = zip_path + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        archive.writestr(entry(folder + "/", when, DIRECTORY), b"")
        for path in files:
            with open(path, "rb") as f:
                data = f.read()
            name = f"{folder}/{os.path.basename(path)}"
            archive.writestr(entry(name, when, REGULAR_FILE), data, zipfile.ZIP_DEFLATED, 9)
    os.replace(partial, zip_path)


if __name__ == "__main__":
    main(*sys.argv[1:])
