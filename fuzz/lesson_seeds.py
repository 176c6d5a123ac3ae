#!/usr/bin/env python3
"""Writes seed lessons for zf_fuzz_lesson into a folder: small stored
archives made of the other targets' seeds, and a few that must be refused
(a compressed entry, a name that climbs out, no project)."""
import io
import pathlib
import sys
import zipfile

here = pathlib.Path(__file__).resolve().parent
corpus = here / "corpus"
out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)

project = (corpus / "project_v2" / "converted.zfp").read_bytes()
program = sorted((corpus / "gop_v2").iterdir())[0].read_bytes()
picture = (corpus / "bitmap" / "runs_small.bmp").read_bytes()


def lesson(name, entries, method=zipfile.ZIP_STORED):
    data = io.BytesIO()
    with zipfile.ZipFile(data, "w", method) as z:
        for entry, payload in entries:
            info = zipfile.ZipInfo(entry, (1980, 1, 1, 0, 0, 0))
            info.compress_type = method
            z.writestr(info, payload)
    (out / name).write_bytes(data.getvalue())


whole = [("lesson.zfp", project), ("lesson.gop", program)]
for folder in ("backgnds", "zarniks", "objects", "pens"):
    whole += [(folder + "/", b""), (folder + "/pic.bmp", picture)]
lesson("whole.zfl", whole)
lesson("project_only.zfl", [("lesson.zfp", project)])
lesson("compressed.zfl", whole, zipfile.ZIP_DEFLATED)
lesson("climbs_out.zfl", [("lesson.zfp", project), ("pens/../../x.bmp", picture)])
lesson("no_project.zfl", [("lesson.gop", program)])
