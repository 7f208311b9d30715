#!/usr/bin/env python3
"""Packs files into a zip that depends on their names and bytes alone: the order given (without
names, every other file of the folder in name order), one fixed time, the same permissions for
all, no owner and no extra fields.

usage: pack_zip.py ARCHIVE FOLDER [NAME...]
"""
import os
import sys
import zipfile


def main(archive, folder, names):
    if not names:
        names = sorted(name for name in os.listdir(folder) if name != os.path.basename(archive))
    with zipfile.ZipFile(archive, "w") as packed:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            entry.create_system = 3  # Unix, so the permissions above are read as such
            with open(os.path.join(folder, name), "rb") as source:
                packed.writestr(entry, source.read(), compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
