#!/usr/bin/env python3
"""Sample one-operator mutants of the core's sources and run the core tests on each.

The page's own JavaScript (web/js, web/sw.js) is mutated the same way in a
built site (--site), and judged by the browser tests that drive that page.

A mutant the tests fail on (or that hangs or crashes them) is killed; one they
pass on survives and shows a fault the tests would not catch. A mutant that
does not compile is not viable and not counted. The source is always put back,
also on Ctrl+C; a copy of the file being mutated waits in the build folder so
that even a killed run is mended by the next one.

    tools/mutation/mutate.py --seed 7 --count 100 --paths src/program src/simulation
    tools/mutation/mutate.py --seed 7 --count 40 --paths web/js --site build-web/site
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, asdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CORE_FOLDERS = ["program", "simulation", "files", "link"]
TEST_BINARIES = {
    "program": "tests/program/zf_program_tests",
    "simulation": "tests/simulation/zf_simulation_tests",
    "files": "tests/files/zf_files_tests",
    "link": "tests/link/zf_link_tests",
}

# Operators are only taken with white space on both sides: the formatter puts
# it around every binary operator and never inside template brackets, "->",
# "<<", ">>", "<=>" or "T&&".
SWAPS = {
    "<": "<=", "<=": "<", ">": ">=", ">=": ">",
    "==": "!=", "!=": "==", "&&": "||", "||": "&&",
}
BINARY = re.compile(r"(?<=\s)(<=|>=|==|!=|&&|\|\||<|>)(?=\s)")
PLUS_MINUS_ONE = re.compile(r"(?<=\s)([+-])(?= 1(?![\w.']))")
BOOLEAN = re.compile(r"\b(true|false)\b")
JS_SWAPS = dict(SWAPS, **{"===": "!==", "!==": "==="})
JS_BINARY = re.compile(r"(?<=\s)(===|!==|<=|>=|==|!=|&&|\|\||<|>)(?=\s)")
# A slash after one of these begins a regular expression, not a division.
REGEX_BEFORE = set("(,=:[!&|?{};")
ASSERTION = re.compile(r"\b(static_assert|assert)\s*\(")


@dataclass
class Mutant:
    file: str
    offset: int
    line: int
    before: str
    after: str
    text: str
    occurrence: int = 1  # which of the file's lines with this text
    status: str = "pending"
    seconds: float = 0.0
    detail: str = ""

    def label(self):
        return f"{self.file}:{self.line}  {self.before} -> {self.after}"


def _blanker(out):
    """Blanks out[a:b] but its newlines, so that lines keep their numbers."""
    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "
    return blank


def mask_source(text):
    """The text with comments, string and char literals, preprocessor lines and
    assertions blanked out (newlines kept), so that offsets stay the same."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    blank = _blanker(out)

    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            j = i
            while j < n and (text[j] != "\n" or text[j - 1] == "\\"):
                j += 1
            blank(i, j)
            i = j
            continue
        line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == 'R' and text.startswith('"', i + 1) and not _word_char(text, i - 1):
            open_paren = text.find("(", i + 2)
            delimiter = ")" + text[i + 2:open_paren] + '"'
            j = text.find(delimiter, open_paren)
            j = n if j < 0 else j + len(delimiter)
            blank(i, j)
            i = j
        elif c == '"' or (c == "'" and not _digit_separator(text, i)):
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i, j + 1)
            i = j + 1
        else:
            i += 1
    masked = "".join(out)
    for match in ASSERTION.finditer(masked):
        end = _closing_paren(masked, match.end() - 1)
        blank(match.start(), end)
    return "".join(out)


def mask_script(text):
    """mask_source for JavaScript: comments, string and template literals and
    regular expressions blanked out (newlines kept)."""
    out = list(text)
    i, n = 0, len(text)
    previous = ""
    blank = _blanker(out)

    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
            continue
        if c in "'\"`" or (c == "/" and (previous in REGEX_BEFORE or previous == "")):
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i, j + 1)
            i = j + 1
            previous = c
            continue
        if not c.isspace():
            previous = c
        i += 1
    return "".join(out)


def is_script(relative):
    return relative.endswith((".js", ".mjs"))


def _word_char(text, i):
    return i >= 0 and (text[i].isalnum() or text[i] == "_")


def _digit_separator(text, i):
    """A quote inside a number such as 1'000 is not a char literal."""
    j = i
    while j > 0 and _word_char(text, j - 1):
        j -= 1
    return j < i and text[j].isdigit()


def _closing_paren(text, i):
    depth = 0
    for j in range(i, len(text)):
        if text[j] == "(":
            depth += 1
        elif text[j] == ")":
            depth -= 1
            if depth == 0:
                return j + 1
    return len(text)


def find_mutants(relative, text):
    script = is_script(relative)
    masked = mask_script(text) if script else mask_source(text)
    binary, swaps = (JS_BINARY, JS_SWAPS) if script else (BINARY, SWAPS)
    lines = [l.strip() for l in text.splitlines()]
    found = []

    def add(offset, before, after):
        line = text.count("\n", 0, offset) + 1
        occurrence = lines[:line].count(lines[line - 1])
        found.append(Mutant(relative, offset, line, before, after, lines[line - 1], occurrence))

    for m in binary.finditer(masked):
        add(m.start(), m.group(1), swaps[m.group(1)])
    for m in PLUS_MINUS_ONE.finditer(masked):
        add(m.start(), m.group(1), "-" if m.group(1) == "+" else "+")
    for m in BOOLEAN.finditer(masked):
        add(m.start(), m.group(1), "false" if m.group(1) == "true" else "true")
    return found


# Built only into the browser's module: the native core tests never compile
# them, so a change there could only survive.
BROWSER_ONLY = {"src/link/serial_web.cpp"}


def core_sources(paths):
    files = []
    for path in paths:
        base = ROOT / path
        candidates = [base] if base.is_file() else sorted(base.rglob("*"))
        files += [f for f in candidates if f.suffix in (".cpp", ".h", ".js", ".mjs")
                  and str(f.relative_to(ROOT)) not in BROWSER_ONLY]
    return files


def read_equivalents(path):
    """Lines of "file | before -> after | reason | the line's text", the text
    followed by " #n" where it is the n-th of several alike lines."""
    known = set()
    if not path:
        return known
    for raw in Path(path).read_text().splitlines():
        if not raw.strip() or raw.startswith("#"):
            continue
        parts = raw.split(" | ", 3)
        if len(parts) != 4:
            sys.exit(f"{path}: cannot read: {raw}")
        before, after = (p.strip() for p in parts[1].split("->"))
        text, _, occurrence = parts[3].strip().partition(" #")
        known.add((parts[0].strip(), before, after, text, int(occurrence or 0)))
    return known


def is_known(known, m):
    return any((m.file, m.before, m.after, m.text, n) in known for n in (0, m.occurrence))


class SourceGuard:
    """Writes a mutant and always puts the original back."""

    def __init__(self, build_dir):
        self.backup = build_dir / "mutation-original"
        self.current = None

    def recover(self):
        if self.backup.exists():
            record = json.loads(self.backup.read_text())
            Path(record["path"]).write_text(record["text"])
            self.backup.unlink()
            print(f"put back {record['path']} left mutated by an interrupted run")

    def write(self, path, original, mutated):
        self.backup.write_text(json.dumps({"path": str(path), "text": original}))
        self.current = (path, original)
        path.write_text(mutated)

    def restore(self):
        if self.current:
            path, original = self.current
            path.write_text(original)
            self.current = None
            self.backup.unlink(missing_ok=True)


def folder_of(relative):
    parts = Path(relative).parts
    return parts[1] if len(parts) > 2 and parts[0] == "src" else None


def test_order(relative):
    """The mutated folder's own tests first: they catch most mutants soonest."""
    own = folder_of(relative)
    return ([own] if own in TEST_BINARIES else []) + [f for f in CORE_FOLDERS if f != own]


# Putting a header back makes it newer than the compiles that follow; ccache
# would then skip its direct lookup and preprocess every dependent again.
BUILD_ENV = dict(os.environ, CCACHE_SLOPPINESS="include_file_mtime,include_file_ctime")


def build(args, folders):
    targets = [Path(TEST_BINARIES[f]).name for f in folders]
    result = subprocess.run(
        ["cmake", "--build", str(args.build_dir), "-j", str(args.jobs), "--target", *targets],
        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, env=BUILD_ENV)
    return result.returncode == 0, result.stdout


def run_tests(args, folder):
    """'passed', 'failed' or 'timeout' for one test binary."""
    binary = args.build_dir / TEST_BINARIES[folder]
    try:
        result = subprocess.run([str(binary), "--gtest_fail_fast", "--gtest_brief=1"],
                                cwd=binary.parent, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True, timeout=args.timeout or None)
    except subprocess.TimeoutExpired:
        return "timeout", ""
    if result.returncode == 0:
        return "passed", ""
    failed = re.findall(r"\[  FAILED  \] (\S+)", result.stdout)
    return "failed", failed[0] if failed else f"exit {result.returncode}"


PAGE_TESTS = ROOT / "tests/web/browser"


def run_page_tests(args):
    """'passed', 'failed' or 'timeout' for the page's own tests under Node,
    then the browser tests, on the site."""
    env = dict(os.environ, ZF_SITE=str(args.site), ZF_PAGE_JS=str(args.site / "js"))
    env.setdefault("ZF_EXAMPLES", str(ROOT / "resources/example"))
    # The robot behind the fake serial port, as the WebAssembly build makes it.
    env.setdefault("ZF_ROBOT_MODULE", str(ROOT / "build-web/tools/zarnik-emulator/zarnik-robot.js"))
    browser_tests = [PAGE_TESTS / "drive-page.mjs", *sorted(PAGE_TESTS.glob("*.test.mjs"))]
    for test_file in (ROOT / "tests/web/page.test.mjs", *browser_tests):
        try:
            result = subprocess.run(["node", "--test", test_file.name], cwd=test_file.parent,
                                    env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                    text=True, timeout=args.timeout or None)
        except subprocess.TimeoutExpired:
            return "timeout", test_file.name
        if result.returncode != 0:
            failed = re.findall(r"^not ok \d+ - (.+)$", result.stdout, re.M)
            return "failed", failed[0] if failed else f"exit {result.returncode}"
    return "passed", ""


def target(args, relative):
    """Where a mutant is written: a script in the built site, C++ in the tree."""
    if is_script(relative):
        return args.site / Path(relative).relative_to("web")
    return ROOT / relative


def judge(args, mutant):
    """Builds and runs one folder's tests at a time, stopping at the first failure."""
    if is_script(mutant.file):
        outcome, detail = run_page_tests(args)
        return ("survived", "") if outcome == "passed" else ("killed", f"{outcome} {detail}".strip())
    for folder in test_order(mutant.file):
        ok, log = build(args, [folder])
        if not ok:
            if "error:" in log:
                return "not viable", ""
            raise RuntimeError("the build failed without a compiler error:\n" + log[-2000:])
        outcome, detail = run_tests(args, folder)
        if outcome != "passed":
            return "killed", f"{folder}: {outcome} {detail}".strip()
    return "survived", ""


def configure(args):
    if (args.build_dir / "build.ninja").exists():
        return
    env_launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if _has("ccache") else []
    # Under the sanitizers a read or write out of bounds fails the tests too.
    sanitize = ["-DZF_SANITIZE=ON"] if args.sanitize else []
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(args.build_dir), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Debug", "-DZF_CORE_ONLY=ON", "-DZF_BENCHMARKS=OFF",
                    *sanitize, *env_launcher], check=True, stdout=subprocess.DEVNULL)


def _has(program):
    return any((Path(p) / program).exists() for p in os.environ.get("PATH", "").split(":"))


def baseline(args, mutants):
    """The longest time one unmutated test program takes."""
    if all(is_script(m.file) for m in mutants):
        start = time.monotonic()
        outcome, detail = run_page_tests(args)
        if outcome != "passed":
            sys.exit(f"the page's tests do not pass on the unmutated site: {outcome} {detail}")
        return time.monotonic() - start
    ok, log = build(args, CORE_FOLDERS)
    if not ok:
        sys.exit("the unmutated core does not build:\n" + log[-3000:])
    longest = 0.0
    for folder in CORE_FOLDERS:
        start = time.monotonic()
        outcome, detail = run_tests(args, folder)
        if outcome != "passed":
            sys.exit(f"the unmutated core tests do not pass: {folder} {outcome} {detail}")
        longest = max(longest, time.monotonic() - start)
    return longest


def git_diff(paths):
    return subprocess.run(["git", "-C", str(ROOT), "diff", "--", *paths],
                          stdout=subprocess.PIPE, text=True).stdout


def sample(args):
    every = []
    for path in core_sources(args.paths):
        relative = str(path.relative_to(ROOT))
        every += find_mutants(relative, path.read_text())
    every.sort(key=lambda m: (m.file, m.offset, m.after))
    if args.list:
        for m in every:
            print(f"{m.label()}    {m.text}")
        sys.exit(0)
    if args.replay:
        return replay(args.replay, every)
    chosen = random.Random(args.seed).sample(every, min(args.count, len(every)))
    print(f"{len(every)} possible mutants in {', '.join(args.paths)}; "
          f"sampled {len(chosen)} with seed {args.seed}")
    return chosen


def replay(report, every):
    """The survivors of an earlier run, found again by file, line text and
    operator (the same one of several alike lines, else the nearest), so that
    edits elsewhere in the file do not lose them."""
    key = lambda m: (m["file"], m["before"], m["after"], m["text"])
    chosen = []
    for old in json.loads(Path(report).read_text())["mutants"]:
        if old["status"] != "survived":
            continue
        alike = [m for m in every if key(asdict(m)) == key(old) and m not in chosen]
        same = [m for m in alike if m.occurrence == old.get("occurrence")]
        if same or alike:
            chosen.append(min(same or alike,
                              key=lambda m: (abs(m.line - old["line"]), abs(m.offset - old["offset"]))))
        else:
            print(f"not found any more: {old['file']}:{old['line']}  {old['text']}")
    print(f"replaying {len(chosen)} survivors of {report}")
    return chosen


def run(args, mutants, guard):
    known = read_equivalents(args.equivalent)
    for index, mutant in enumerate(mutants, 1):
        if is_known(known, mutant):
            mutant.status = "equivalent"
        else:
            path = target(args, mutant.file)
            original = path.read_text()
            end = mutant.offset + len(mutant.before)
            start = time.monotonic()
            try:
                guard.write(path, original, original[:mutant.offset] + mutant.after + original[end:])
                mutant.status, mutant.detail = judge(args, mutant)
            finally:
                guard.restore()
            mutant.seconds = time.monotonic() - start
        print(f"[{index:3}/{len(mutants)}] {mutant.status:10} {mutant.label()}"
              f"  {mutant.seconds:.1f} s  {mutant.detail}", flush=True)


def report(args, mutants, seconds):
    count = {s: sum(m.status == s for m in mutants)
             for s in ("killed", "survived", "not viable", "equivalent")}
    judged = count["killed"] + count["survived"]
    score = 100.0 * count["killed"] / judged if judged else 0.0
    survivors = [m for m in mutants if m.status == "survived"]
    if survivors:
        print("\nSurvivors:")
        for m in survivors:
            print(f"  {m.label()}\n      {m.text}")
    timed = [m.seconds for m in mutants if m.status != "equivalent"]
    mean = sum(timed) / len(timed) if timed else 0.0
    print(f"\nkilled {count['killed']}, survived {count['survived']}, "
          f"not viable {count['not viable']}, known equivalent {count['equivalent']}")
    print(f"score {score:.1f} % of {judged} mutants; {seconds:.0f} s in all, "
          f"{mean:.1f} s per mutant")
    if args.json:
        Path(args.json).write_text(json.dumps(
            {"seed": args.seed, "paths": args.paths, "score": score, "counts": count,
             "seconds": seconds, "mutants": [asdict(m) for m in mutants]}, indent=1))


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--paths", nargs="+", default=[f"src/{f}" for f in CORE_FOLDERS],
                        help="source folders or files to mutate (default: the whole core)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--jobs", type=int, default=1, help="build jobs (default 1)")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds per test program (default: 5 x the slowest unmutated one, "
                             "at least 20)")
    parser.add_argument("--build-dir", type=Path,
                        help="the core's build for the run (default build-mutation, or "
                             "build-mutation-sanitize with --sanitize)")
    parser.add_argument("--sanitize", action="store_true",
                        help="build the core tests with AddressSanitizer and "
                             "UndefinedBehaviorSanitizer")
    parser.add_argument("--site", type=Path, default=ROOT / "build-web/tests/web/browser/site",
                        help="the built site whose scripts are mutated (web/build.sh DIR)")
    parser.add_argument("--equivalent", help="list of known equivalent mutants to skip")
    parser.add_argument("--json", help="write a report of every mutant here")
    parser.add_argument("--replay", metavar="REPORT",
                        help="run again only the survivors of an earlier --json report")
    parser.add_argument("--list", action="store_true",
                        help="only list every possible mutant and stop")
    return parser.parse_args()


def main():
    args = parse_arguments()
    default_dir = "build-mutation-sanitize" if args.sanitize else "build-mutation"
    args.build_dir = (args.build_dir or ROOT / default_dir).resolve()
    args.site = args.site.resolve()
    mutants = sample(args)
    scripts = [m for m in mutants if is_script(m.file)]
    if scripts and len(scripts) != len(mutants):
        sys.exit("mutate the core and the page's scripts in separate runs")
    if scripts:
        stale = [f for f in {m.file for m in scripts}
                 if not target(args, f).exists() or target(args, f).read_text() != (ROOT / f).read_text()]
        if stale:
            sys.exit(f"the site in {args.site} is not built from these scripts ({stale[0]}): "
                     "web/build.sh it again")
        args.build_dir.mkdir(parents=True, exist_ok=True)
    else:
        configure(args)
    guard = SourceGuard(args.build_dir)
    guard.recover()
    diff_before = git_diff(args.paths)

    def stop(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, stop)
    start = time.monotonic()
    longest = baseline(args, mutants)
    if not args.timeout:
        args.timeout = max(20.0, 5 * longest)
    print(f"the slowest unmutated test program: {longest:.1f} s; time-out {args.timeout:.0f} s")
    try:
        run(args, mutants, guard)
    except KeyboardInterrupt:
        print("\ninterrupted; the source is put back")
        mutants = [m for m in mutants if m.status != "pending"]
    finally:
        guard.restore()
        if git_diff(args.paths) != diff_before:
            print("WARNING: the sources differ from before the run; see git diff", file=sys.stderr)
    report(args, mutants, time.monotonic() - start)


if __name__ == "__main__":
    main()
