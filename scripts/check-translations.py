#!/usr/bin/env python3
"""Checks the translation files in resources/i18n/.

Fails (exit status 1) when a message is unfinished or empty, when a translation loses a
placeholder (%1 to %9), an HTML tag or an HTML entity of its source, or when the files do
not hold exactly the texts the code asks for: lupdate is run over the sources into a
temporary file through scripts/update-translations.sh and its texts are compared with
every file.

    scripts/check-translations.py [repository-root]
"""

import collections
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?([1-9])")
TAG = re.compile(r"<\s*(/?)\s*([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)\s*>")
ENTITY = re.compile(r"&(?:[A-Za-z][A-Za-z0-9]*|#[0-9]+|#x[0-9A-Fa-f]+);")


def placeholders(text):
    return collections.Counter(match.group(1) for match in PLACEHOLDER.finditer(text))


def tags(text):
    # Attributes may be reworded (a translated title, say); the tags themselves must stay.
    return collections.Counter(
        (match.group(1) + match.group(2).lower() + match.group(3)) for match in TAG.finditer(text)
    )


def entities(text):
    return collections.Counter(ENTITY.findall(text))


def describe(counter):
    return ", ".join(sorted(counter.elements())) or "none"


def read_messages(path):
    """Yields (context, source, translation element, message element) for every message."""
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            yield name, message.findtext("source") or "", message.find("translation"), message


def translation_texts(translation, message):
    """The translation texts of a message: one, or one per plural form."""
    forms = translation.findall("numerusform")
    if message.get("numerus") == "yes" and forms:
        return [form.text or "" for form in forms]
    return [translation.text or ""]


def check_file(path):
    problems = []
    for context, source, translation, message in read_messages(path):
        where = f"{path.name}: context {context!r}, source {source!r}"
        if translation is None:
            problems.append(f"{where}: no translation element")
            continue
        kind = translation.get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            problems.append(f"{where}: translation is {kind}")
            continue
        for text in translation_texts(translation, message):
            if not text.strip():
                problems.append(f"{where}: translation is empty")
                continue
            for what, measure in (("placeholders", placeholders), ("HTML tags", tags),
                                  ("HTML entities", entities)):
                wanted, found = measure(source), measure(text)
                if wanted != found:
                    problems.append(
                        f"{where}: {what} differ: source has {describe(wanted)}, "
                        f"translation {text!r} has {describe(found)}")
    return problems


def code_texts(root):
    """The (context, source) pairs lupdate finds in the code, or None when it cannot run."""
    script = root / "scripts" / "update-translations.sh"
    with tempfile.TemporaryDirectory() as scratch:
        probe = Path(scratch) / "probe.ts"
        probe.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                         '<TS version="2.1">\n</TS>\n', encoding="utf-8")
        result = subprocess.run(["bash", str(script), str(probe)], cwd=root,
                                capture_output=True, text=True)
        if result.returncode != 0:
            sys.stderr.write(result.stdout + result.stderr)
            return None
        return {(context, source) for context, source, _, _ in read_messages(probe)}


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    files = sorted((root / "resources" / "i18n").glob("*.ts"))
    if not files:
        print(f"no translation files in {root / 'resources' / 'i18n'}")
        return 1

    problems = []
    for path in files:
        problems += check_file(path)

    wanted = code_texts(root)
    if wanted is None:
        problems.append("lupdate could not collect the texts of the code "
                        "(is qttools5-dev-tools installed? LUPDATE names another binary)")
    else:
        for path in files:
            held = {(context, source) for context, source, _, _ in read_messages(path)}
            for context, source in sorted(wanted - held):
                problems.append(f"{path.name}: context {context!r}, source {source!r}: "
                                "missing; run scripts/update-translations.sh and translate it")
            for context, source in sorted(held - wanted):
                problems.append(f"{path.name}: context {context!r}, source {source!r}: "
                                "no longer in the code; run scripts/update-translations.sh")

    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} translation problem(s) in {len(files)} file(s)")
        return 1
    print(f"{len(files)} translation files complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
