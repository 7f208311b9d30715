#!/usr/bin/python3
"""The package's copyright file reads as Debian's machine-readable format, every file of ours is
under the MIT licence, and that licence's text is there in full.
Usage: check_copyright.py COPYRIGHT LICENSE"""
import sys

from debian.copyright import Copyright


def words(text):
    # The copyright file indents the text and writes empty lines as "."; compare the words.
    return " ".join(w for w in text.split() if w != ".")


def main(copyright_path, license_path):
    with open(copyright_path, encoding="utf-8") as f:
        parsed = Copyright(f, strict=True)
    problems = []
    if parsed.find_files_paragraph("game/tick.cpp") is None:
        problems.append("no Files paragraph covers the source")
    for paragraph in parsed.all_files_paragraphs():
        if paragraph.license.synopsis != "MIT":
            problems.append(f"{' '.join(paragraph.files)} under {paragraph.license.synopsis}")
        if "The zap trail developers" not in paragraph.copyright:
            problems.append(f"{' '.join(paragraph.files)} not held by the zap trail developers")
    texts = [p.license.text for p in parsed.all_license_paragraphs() if p.license.synopsis == "MIT"]
    with open(license_path, encoding="utf-8") as f:
        ours = f.read()
    permission = words(ours[ours.index("Permission is hereby granted"):])
    if not texts or words(texts[0]) != permission:
        problems.append("the MIT text differs from LICENSE")
    for problem in problems:
        print(f"{copyright_path}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
