#!/usr/bin/env python3
"""Writes the site's version.js from a hash of all its files, so that the
service worker installs a new offline copy whenever the build changes."""
import hashlib
import pathlib
import sys


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: web-stamp.py SITE_DIR")
    site = pathlib.Path(sys.argv[1])
    stamp = site / "version.js"
    digest = hashlib.sha256()
    for path in sorted(p for p in site.rglob("*") if p.is_file() and p != stamp):
        digest.update(str(path.relative_to(site)).encode())
        digest.update(path.read_bytes())
    stamp.write_text(f"self.ZF_BUILD = '{digest.hexdigest()[:16]}';\n")


if __name__ == "__main__":
    main()
