#!/usr/bin/env python3
"""Checks the French help books against the English ones.

Every English page must have a French page with the same headings, tables,
list items, anchors, example programs and links; every link and picture must
resolve; the HTML must be well formed; no English sentence may be left over.
Pictures under images/ are drawn from the French program by the screenshot
tool; until then they are copies of the English ones, and those are listed.  Exit status 1 on any fault.
"""
import os
import re
import sys
from html.parser import HTMLParser

HERE = os.path.dirname(os.path.abspath(__file__))
HELP = os.path.dirname(HERE)
BOOKS = ["zfieldug", "zarnikug", "zarnikjn", "zarnikrt"]
VOID = {"meta", "link", "img", "br", "hr", "input"}
# Words that give an English sentence away; none of them is French.
ENGLISH = {"the", "and", "is", "are", "with", "you", "your", "what", "which", "when",
           "where", "this", "that", "from", "into", "it", "of", "to", "by", "for", "be",
           "can", "its", "at", "not", "does", "then", "each", "few", "using", "how",
           "many", "why", "see", "press", "key", "in", "has", "have", "will", "there"}
# Text that stays English in every language: file and folder names, options-file keys.
KEEP = re.compile(r"Zarnikfield Work|Floor Zarnik")


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.faults = [], []
        self.shape = []          # structural tags in order
        self.codes = []          # text of <code> elements
        self.ids, self.refs, self.texts = set(), [], []
        self.lang = self.dir = None
        self._code = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "html":
            self.lang, self.dir = a.get("lang"), a.get("dir")
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))
        if tag in {"h1", "h2", "h3", "table", "tr", "th", "td", "ol", "ul", "li", "pre", "img"}:
            self.shape.append(tag)
        if "id" in a:
            self.ids.add(a["id"])
            self.shape.append("#" + a["id"])
        for key in ("href", "src"):
            if key in a:
                self.refs.append((tag, a[key]))
        if tag == "code":
            self._code = ""

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1][0] != tag:
            self.faults.append("line %d: </%s> does not close %s" % (
                self.getpos()[0], tag, self.stack[-1] if self.stack else "anything"))
            return
        self.stack.pop()
        if tag == "code":
            self.codes.append(" ".join(self._code.split()))
            self._code = None

    def handle_data(self, data):
        if self._code is not None:
            self._code += data
        elif self.stack and self.stack[-1][0] not in {"kbd", "style", "script", "pre"}:
            self.texts.append(data)


def parse(path):
    page = Page()
    with open(path, encoding="utf-8") as f:
        page.feed(f.read())
    page.close()
    if page.stack:
        page.faults.append("unclosed: %s" % page.stack)
    return page


def chunks(texts):
    for chunk in re.split(r"[.:;!?()]", " ".join(texts)):
        chunk = " ".join(chunk.split())
        if chunk:
            yield chunk


def english_left(texts, english_texts):
    """Chunks with English words in them, or copied whole from the English page."""
    copied = {c for c in chunks(english_texts) if len(re.findall(r"[A-Za-z]{2,}", c)) >= 4}
    found = []
    for chunk in chunks(texts):
        words = re.findall(r"[A-Za-z']+", KEEP.sub("", chunk).lower())
        if chunk in copied or len([w for w in words if w in ENGLISH]) >= 2:
            found.append(chunk[:70])
    return found


def same_bytes(a, b):
    if not os.path.exists(b):
        return False
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def check_refs(path, page, faults, to_draw):
    folder = os.path.dirname(path)
    for tag, ref in page.refs:
        if re.match(r"^(https?|mailto|project):", ref):
            continue
        target, _, anchor = ref.partition("#")
        full = os.path.normpath(os.path.join(folder, target)) if target else path
        if not os.path.exists(full):
            faults.append("%s -> %s does not resolve" % (tag, ref))
        elif tag == "img" and full.startswith(HERE) and same_bytes(
                full, os.path.join(HELP, os.path.relpath(full, HERE))):
            to_draw.add(os.path.relpath(full, HELP))
        elif anchor and anchor not in parse(full).ids:
            faults.append("anchor %s not found" % ref)


def main():
    faults, to_draw, pages = [], set(), 0
    for book in BOOKS:
        for name in sorted(os.listdir(os.path.join(HELP, book))):
            if not name.endswith(".html"):
                continue
            where = "fr/%s/%s" % (book, name)
            path = os.path.join(HERE, book, name)
            if not os.path.exists(path):
                faults.append(where + ": missing")
                continue
            pages += 1
            en, fr = parse(os.path.join(HELP, book, name)), parse(path)
            mine = [where + ": " + f for f in fr.faults]
            if fr.lang != "fr" or fr.dir is not None:
                mine.append('%s: want <html lang="fr">' % where)
            if fr.shape != en.shape:
                mine.append(where + ": headings, tables, lists or anchors differ from the English page")
            if fr.codes != en.codes:
                mine.append("%s: programs and names in <code> differ: %s" % (
                    where, sorted(set(en.codes) ^ set(fr.codes))))
            if len(fr.refs) != len(en.refs):
                mine.append(where + ": not as many links and pictures as the English page")
            for chunk in english_left(fr.texts, en.texts):
                mine.append("%s: English left: %s" % (where, chunk))
            check_refs(path, fr, mine, to_draw)
            faults += [m if m.startswith(where) else where + ": " + m for m in mine]
    for f in faults:
        print("FAULT", f)
    for d in sorted(to_draw):
        print("still the English picture:", d)
    print("%d pages checked, %d faults, %d pictures still English" % (pages, len(faults), len(to_draw)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
