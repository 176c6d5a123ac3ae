#!/usr/bin/env python3
"""Writes the site's version.js: a hash of all its files, so that the service
worker installs a new offline copy whenever the build changes, and the list
of the files that copy holds."""
import hashlib
import json
import pathlib
import re
import sys

TRANSLATED_HELP = re.compile(r"^help/[a-z]{2,3}/")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: web-stamp.py SITE_DIR")
    site = pathlib.Path(sys.argv[1])
    stamp = site / "version.js"
    digest = hashlib.sha256()
    kept = []
    for path in sorted(p for p in site.rglob("*") if p.is_file() and p != stamp):
        name = path.relative_to(site).as_posix()
        digest.update(name.encode())
        digest.update(path.read_bytes())
        # The English help books are kept from the first visit, so the help
        # panel works offline; other languages' books as they are read.
        if not TRANSLATED_HELP.match(name):
            kept.append(name)
    stamp.write_text(
        f"self.ZF_BUILD = '{digest.hexdigest()[:16]}';\n"
        f"self.ZF_FILES = {json.dumps(kept, indent=0)};\n"
    )


if __name__ == "__main__":
    main()
