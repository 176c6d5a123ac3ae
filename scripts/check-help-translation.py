#!/usr/bin/env python3
"""Checks a translated set of help books against the English ones.

Usage: check-help-translation.py LANG...   (e.g. de fr es ar)

For every page of every English book it checks that the translated page
exists, is well formed, declares its language, keeps the same anchors,
links, images, tables, lists and example programs, that every link and
image resolves, and that no English sentence is left. Pictures under a
book's images/ folder are drawn by the screenshot tool in each language:
missing ones, and English ones standing in, are listed as still to draw,
not counted as faults. Exit status 1 when a fault is found.
"""

import os
import re
import sys
from html.parser import HTMLParser

BOOKS = ("zfieldug", "zarnikug", "zarnikjn", "zarnikrt")
VOID = {"meta", "link", "img", "br", "hr", "input", "col", "area", "base", "wbr"}
# Kept counts: the translation changes words, never the page's build.
COUNTED = ("h1", "h2", "h3", "table", "tr", "td", "th", "ul", "ol", "li", "pre", "img", "a")
# Words that are English and never part of the translated languages' sentences.
ENGLISH = set(
    "the and with you your is are of to it this that when which what from "
    "into its has have were be can then there their they these those "
    "how why where does do not only each every".split()
)
NOT_CHECKED_TEXT = {"code", "pre", "kbd", "title"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.errors = [], []
        self.lang = self.dir = None
        self.ids, self.refs, self.codes = [], [], []
        self.counts = dict.fromkeys(COUNTED, 0)
        self.texts, self._code, self._skip = [], None, 0

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang, self.dir = attrs.get("lang"), attrs.get("dir")
        if "id" in attrs:
            self.ids.append(attrs["id"])
        for key in ("href", "src"):
            if attrs.get(key):
                self.refs.append(attrs[key])
        if tag in self.counts:
            self.counts[tag] += 1
        if tag in ("code", "pre"):
            self._code = ""
        if tag in NOT_CHECKED_TEXT:
            self._skip += 1
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1][0] != tag:
            open_tag = self.stack[-1] if self.stack else None
            self.errors.append(f"line {self.getpos()[0]}: </{tag}> closes {open_tag}")
            return
        self.stack.pop()
        if tag in ("code", "pre") and self._code is not None:
            self.codes.append(" ".join(self._code.split()))
            self._code = None
        if tag in NOT_CHECKED_TEXT:
            self._skip -= 1

    def handle_data(self, data):
        if self._code is not None:
            self._code += data
        if not self._skip:
            self.texts.append(data)


def parse(path):
    page = Page()
    with open(path, encoding="utf-8") as f:
        page.feed(f.read())
    page.close()
    page.errors += [f"<{t}> opened on line {n} never closed" for t, n in page.stack]
    return page


def english_sentences(page):
    text = " ".join(" ".join(page.texts).split())
    left = []
    for sentence in re.split(r"(?<=[.!?:;])\s+", text):
        words = re.findall(r"[A-Za-z']+", sentence.lower())
        if sum(w in ENGLISH for w in words) >= 2:
            left.append(sentence[:80])
    return left


def expected_ref(ref):
    """The English page's link as it must read one folder deeper."""
    if ref.startswith("../") and ref.split("/")[1] in ("help.css", "mats"):
        return "../" + ref
    return ref


def drawn(picture, help_root):
    """False while the picture is missing or still the English one."""
    english = os.path.join(help_root, picture.split(os.sep, 1)[1])
    try:
        with open(os.path.join(help_root, picture), "rb") as mine, open(english, "rb") as theirs:
            return mine.read() != theirs.read()
    except FileNotFoundError:
        return False


def check_refs(path, page, faults, to_draw, help_root):
    folder = os.path.dirname(path)
    for ref in page.refs:
        if re.match(r"^[a-z]+:", ref):  # project:, http:, mailto:
            continue
        target, _, anchor = ref.partition("#")
        full = os.path.normpath(os.path.join(folder, target)) if target else path
        picture = os.path.relpath(full, help_root)
        if f"{os.sep}images{os.sep}" in full and not drawn(picture, help_root):
            to_draw.add(picture)
            continue
        if not os.path.exists(full):
            faults.append(f"{path}: {ref} does not resolve")
            continue
        if anchor and anchor not in parse(full).ids:
            faults.append(f"{path}: no id=\"{anchor}\" in {target or 'this page'}")


def check_page(en_path, tr_path, lang, faults, to_draw, help_root):
    en, tr = parse(en_path), parse(tr_path)
    faults += [f"{tr_path}: {e}" for e in tr.errors]
    if tr.lang != lang or (lang == "ar") != (tr.dir == "rtl"):
        faults.append(f"{tr_path}: html lang={tr.lang!r} dir={tr.dir!r}")
    if tr.ids != en.ids:
        faults.append(f"{tr_path}: anchors {tr.ids} differ from {en.ids}")
    if tr.refs != [expected_ref(r) for r in en.refs]:
        faults.append(f"{tr_path}: links or images differ from the English page")
    if not in_order(kept_codes(en.codes), kept_codes(tr.codes)):
        faults.append(f"{tr_path}: example programs or code differ from the English page")
    for tag in COUNTED:
        if tr.counts[tag] != en.counts[tag]:
            faults.append(f"{tr_path}: {tr.counts[tag]} <{tag}> where English has {en.counts[tag]}")
    faults += [f"{tr_path}: English left: {s!r}" for s in english_sentences(tr)]
    check_refs(tr_path, tr, faults, to_draw, help_root)


def kept_codes(codes):
    # Home folders are named in the system's language (~/Dokumente).
    return [c for c in codes if not c.startswith("~/")]


def in_order(wanted, found):
    # A translation may mark more words as code (to keep them left to right),
    # never fewer, and never in another order.
    rest = iter(found)
    return all(any(c == f for f in rest) for c in wanted)


def check_language(help_root, lang):
    faults, to_draw, pages = [], set(), 0
    for book in BOOKS:
        en_dir, tr_dir = os.path.join(help_root, book), os.path.join(help_root, lang, book)
        en_pages = sorted(p for p in os.listdir(en_dir) if p.endswith(".html"))
        tr_pages = sorted(p for p in os.listdir(tr_dir) if p.endswith(".html")) if os.path.isdir(tr_dir) else []
        faults += [f"{lang}/{book}/{p}: missing" for p in en_pages if p not in tr_pages]
        faults += [f"{lang}/{book}/{p}: no English page of that name" for p in tr_pages if p not in en_pages]
        for name in en_pages:
            if name in tr_pages:
                pages += 1
                check_page(os.path.join(en_dir, name), os.path.join(tr_dir, name), lang, faults, to_draw, help_root)
    for fault in faults:
        print("FAULT", os.path.relpath(fault, help_root) if fault.startswith(help_root) else fault)
    for picture in sorted(to_draw):
        print("to draw", picture)
    print(f"{lang}: {pages} pages checked, {len(faults)} faults, {len(to_draw)} pictures still to draw")
    return not faults


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    help_root = os.path.join(os.path.dirname(here), "resources", "help")
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    results = [check_language(help_root, lang) for lang in sys.argv[1:]]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
