#!/usr/bin/env python3
"""Writes zarnikfield_pseudo.qm, a made-up language in which every text is
about 40 % longer and full of accents, its placeholders, mnemonics, markup
and line breaks kept. Shown with the language "pseudo", it finds texts that
are clipped, overlap or never pass through translation (those stay plain
English). It is a developer's tool and is never shipped.

    tools/pseudo-translate.py [FOLDER]   (build/app/translations by default)
"""
import math
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
ACCENTED = str.maketrans(
    "AaCcEeIiNnOoSsUuYyZz", "ÀåÇçÉéÎïÑñÖøŠšÜüÝÿŽž")
# Kept as they are: printf and Qt placeholders, mnemonics, tags, entities.
KEPT = re.compile(r"%(?:%|n|L?[1-9][0-9]?|[-+ #0]*[0-9]*(?:\.[0-9]+)?[a-zA-Z])"
                  r"|&&|&#?\w+;|&(?=\w)|<[^>]*>")


def pseudo_line(line):
    if not line.strip():
        return line
    out, last = [], 0
    for match in KEPT.finditer(line):
        out.append(line[last:match.start()].translate(ACCENTED))
        out.append(match.group(0))
        last = match.end()
    out.append(line[last:].translate(ACCENTED))
    padding = max(1, math.ceil(len(line) * 0.4) - 2)
    return "[" + "".join(out) + " " + "·" * (padding - 1) + "]"


def pseudo(text):
    return "\n".join(pseudo_line(line) for line in text.split("\n"))


def lrelease():
    bins = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_BINS"],
                          capture_output=True, text=True).stdout.strip()
    candidate = pathlib.Path(bins) / "lrelease"
    return str(candidate) if candidate.exists() else "lrelease"


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build/app/translations")
    messages = {}
    for ts in sorted((ROOT / "translations").glob("zarnikfield_*.ts")):
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                key = (name, message.findtext("source"), message.findtext("comment"),
                       message.get("numerus") == "yes")
                messages.setdefault(key, None)
    root = ET.Element("TS", version="2.1", language="en")
    contexts = {}
    for name, source, comment, numerus in messages:
        if name not in contexts:
            contexts[name] = ET.SubElement(root, "context")
            ET.SubElement(contexts[name], "name").text = name
        message = ET.SubElement(contexts[name], "message")
        if numerus:
            message.set("numerus", "yes")
        ET.SubElement(message, "source").text = source
        if comment is not None:
            ET.SubElement(message, "comment").text = comment
        translation = ET.SubElement(message, "translation")
        if numerus:
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    folder.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        ts = pathlib.Path(temp) / "zarnikfield_pseudo.ts"
        ET.ElementTree(root).write(ts, encoding="utf-8", xml_declaration=True)
        qm = folder / "zarnikfield_pseudo.qm"
        subprocess.run([lrelease(), "-silent", str(ts), "-qm", str(qm)], check=True)
    print(f"{qm}: {len(messages)} texts; choose the language \"pseudo\"")


if __name__ == "__main__":
    main()
