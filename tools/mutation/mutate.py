#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing of the game's code (engine/, draw/, board/, states/).

Makes one small fault at a time in a private copy of the source tree, rebuilds it
incrementally in a build folder of its own, and runs the unit suite, then the real-window
suite if the unit suite passed. A mutant that no suite notices is a survivor; it fails the
run unless tools/mutation/equivalent.txt lists it with the reason no observation can tell
it apart. With --elsewhere it checks instead that the listed mutants marked "caught
elsewhere by BUILD: TEST" are caught: each built in that build, whose TEST must fail.

Python with only its standard library, because a text-level mutator is a few hundred lines
of regular expressions and process control: clang-format's layout (a binary operator has a
space on each side, a pointer's star and a template's angle brackets do not) is what tells
the operators apart, so no C++ parser is needed, and Debian has no mutation tool for C++.

Each mutant's id is a hash of its file, its trimmed line's text (and which copy of that
text in the file), its operator and which match on the line it is: edits elsewhere in the
file leave it valid, so the equivalent list stays right while the code moves.
"""

import argparse
import hashlib
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
FOLDERS = ("engine", "draw", "board", "states")
EQUIVALENT = ROOT / "tools" / "mutation" / "equivalent.txt"
# Compiled only by the web build (scripts/build-web.sh), which this tool does not build; the
# browser suite (scripts/test-web.sh) is its test.
WEB_ONLY = ("engine/EndFrameBrowser.cpp",)
# The build targets each suite needs, no more: the real-window suite's are built only for a
# mutant that the unit suite let through (the game, its test program, their preloaded
# helpers and pictures).
UNIT_TARGETS = ("noughts_unit_tests", "noughts_pictures")
WINDOW_TARGETS = ("noughts", "noughts_e2e_tests", "noughts_fixed_clock", "noughts_refuse_video_mode")
# The valgrind session takes minutes; wine, windows and wayland need other builds or hosts.
UNIT_SUITE = ("-L", "unit")
WINDOW_SUITE = ("-L", "e2e", "-LE", "valgrind|wine|windows|wayland")
# A mutant that loops is killed by the timeout: a suite's normal time many times over.
UNIT_TIMEOUT = 180
WINDOW_TIMEOUT = 900
BUILD_TIMEOUT = 600
# The web folder's first build in a copy builds SDL for the browser too.
WEB_BUILD_TIMEOUT = 1800


@dataclass
class Mutant:
    file: str  # relative to the root
    line: int  # 1-based, for the report only
    text: str  # the trimmed line
    operator: str
    original: str
    replacement: str
    start: int  # offset of the change in the file's text
    end: int
    key: str = ""
    nth: int = 1  # which match of the same change on the line
    copy: int = 1  # which line of the file with this text

    @property
    def ident(self):
        return hashlib.sha1(self.key.encode()).hexdigest()[:10]

    def describe(self, with_line=True):
        change = f"{self.original!r} -> {self.replacement!r}" if self.replacement else "call removed"
        change += f" (match {self.nth})" if self.nth > 1 else ""
        place = f"{self.file}:{self.line}" if with_line else self.file
        copy = f" (line {self.copy} with this text)" if self.copy > 1 else ""
        return f"{place}: {change} in «{self.text}»{copy}"


def mask(source):
    """The source with comments, string and character literals and preprocessor lines
    blanked (kept newlines), so that only code is matched."""
    out = list(source)
    i, n = 0, len(source)
    line_start = True
    while i < n:
        c = source[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            j = i
            while j < n and source[j] != "\n":
                # A preprocessor line continued with a backslash goes on.
                if source[j] == "\\" and j + 1 < n and source[j + 1] == "\n":
                    j += 1
                j += 1
            for k in range(i, j):
                if out[k] != "\n":
                    out[k] = " "
            i = j
            continue
        line_start = c == "\n"
        if source.startswith("//", i):
            j = source.find("\n", i)
            j = n if j < 0 else j
        elif source.startswith("/*", i):
            j = source.find("*/", i + 2)
            j = n if j < 0 else j + 2
        elif c == "R" and source.startswith('R"', i) and not (i and source[i - 1].isalnum()):
            delim = source[i + 2:source.find("(", i)]
            j = source.find(")" + delim + '"', i) + len(delim) + 2
        elif c in "\"'":
            # A digit separator (1'000) is no character literal.
            if c == "'" and i and source[i - 1].isalnum():
                i += 1
                continue
            j = i + 1
            while j < n and source[j] != c:
                j += 2 if source[j] == "\\" else 1
            j += 1
        else:
            i += 1
            continue
        for k in range(i, j):
            if out[k] != "\n":
                out[k] = " "
        i = j
    return "".join(out)


def without_static_asserts(masked):
    """The masked text with each static_assert blanked: a fault in one either stops the
    build or changes no byte of the program."""
    out = list(masked)
    for m in re.finditer(r"\bstatic_assert\s*\(", masked):
        depth, j = 0, m.end() - 1
        while j < len(masked):
            depth += {"(": 1, ")": -1}.get(masked[j], 0)
            if depth == 0:
                break
            j += 1
        for k in range(m.start(), j + 1):
            if out[k] != "\n":
                out[k] = " "
    return "".join(out)


def without_windows_only_code(source, masked):
    """The masked text with the code between "#ifdef _WIN32" and its "#else" or "#endif"
    blanked too: this build never compiles it, so no test here could notice its faults."""
    out, skipping, depth = [], False, 0
    for line, masked_line in zip(source.split("\n"), masked.split("\n")):
        directive = line.strip()
        if skipping:
            if directive.startswith("#if"):
                depth += 1
            elif directive.startswith("#endif") and depth:
                depth -= 1
            elif depth == 0 and (directive.startswith("#else") or directive.startswith("#endif")):
                skipping = False
            out.append(" " * len(masked_line) if skipping else masked_line)
            continue
        skipping = directive.replace(" ", "") in ("#ifdef_WIN32", "#ifdefined(_WIN32)")
        out.append(masked_line)
    return "\n".join(out)


# Binary operators are spaced on both sides by clang-format; that leaves out pointers,
# references, template brackets, unary minus and increments, and shifts (their own tokens).
SPACED = re.compile(r"(?<= )(<=|>=|==|!=|<|>|&&|\|\||\+|-|\*|/|\+=|-=|\*=|/=)(?= )")
SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
         "&&": "||", "||": "&&", "+": "-", "-": "+", "*": "/", "/": "*",
         "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=", "++": "--", "--": "++",
         "true": "false", "false": "true"}
OPERATOR_KIND = {"<": "relational", "<=": "relational", ">": "relational", ">=": "relational",
                 "==": "equality", "!=": "equality", "&&": "logical", "||": "logical",
                 "+": "arithmetic", "-": "arithmetic", "*": "arithmetic", "/": "arithmetic",
                 "+=": "arithmetic", "-=": "arithmetic", "*=": "arithmetic", "/=": "arithmetic",
                 "++": "arithmetic", "--": "arithmetic", "true": "boolean", "false": "boolean"}
INCREMENT = re.compile(r"\+\+|--")
BOOLEAN = re.compile(r"\b(true|false)\b")
# Not the exponent of a floating-point literal (0x1p-54, 1e-3).
INTEGER = re.compile(r"(?<![\w.'])(?<![\w.][pPeE][+-])(0[xX][0-9a-fA-F']+|\d[\d']*)([uUlL]*)(?![\w.'])")
# A statement that is nothing but a call: a name (with ::, . or ->), its arguments, ';'.
CALL_START = re.compile(r"(?m)^[ \t]*(?:[A-Za-z_]\w*(?:::|\.|->))*[A-Za-z_]\w*(?:<[\w:, ]*>)?\(")
KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "static_assert", "catch",
            "decltype", "alignof", "noexcept", "defined"}


PURE_SPECIFIER = re.compile(r"\)\s*(?:const\s*)?(?:override\s*)?=\s*$")


def bump(literal):
    digits = literal.replace("'", "")
    value = int(digits, 16) if digits[:2] in ("0x", "0X") else int(digits, 8 if len(digits) > 1 and digits[0] == "0" else 10)
    return hex(value + 1) if digits[:2] in ("0x", "0X") else str(value + 1)


def call_statements(masked):
    """(start, end) of each statement that is a single call, end past its ';'."""
    for match in re.finditer(r"(?m)^", masked):
        head = CALL_START.match(masked, match.start())
        # Only at a statement's start, not on a continued line of another.
        if not head or masked[:match.start()].rstrip()[-1:] not in ("", ";", "{", "}", ":"):
            continue
        name = re.match(r"[ \t]*([\w:.>-]+)", masked[match.start():]).group(1)
        if name.split("::")[-1].split(".")[-1].split(">")[-1] in KEYWORDS:
            continue
        depth, j = 0, head.end() - 1
        while j < len(masked):
            if masked[j] == "(":
                depth += 1
            elif masked[j] == ")":
                depth -= 1
                if depth == 0:
                    break
            elif masked[j] in "{};":
                j = -1
                break
            j += 1
        if j < 0 or j >= len(masked):
            continue
        rest = masked[j + 1:]
        if rest.lstrip(" \t").startswith(";"):
            end = j + 1 + rest.index(";") + 1
            yield match.start() + len(head.group(0)) - len(head.group(0).lstrip(" \t")), end


def mutants_of(rel):
    source = (ROOT / rel).read_text()
    masked = without_static_asserts(without_windows_only_code(source, mask(source)))
    line_starts = [0] + [m.end() for m in re.finditer("\n", source)]

    def line_of(offset):
        lo, hi = 0, len(line_starts) - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if line_starts[mid] <= offset:
                lo = mid
            else:
                hi = mid - 1
        return lo

    found = []
    for pattern in (SPACED, INCREMENT, BOOLEAN):
        for m in pattern.finditer(masked):
            op = m.group(1) if pattern is not INCREMENT else m.group(0)
            found.append((m.start(), m.end(), OPERATOR_KIND[op], op, SWAPS[op]))
    for m in INTEGER.finditer(masked):
        # A pure virtual function's "= 0" is syntax, not a value.
        if PURE_SPECIFIER.search(masked, 0, m.start()) and m.group(1) == "0":
            continue
        found.append((m.start(1), m.end(1), "constant", m.group(1), bump(m.group(1))))
    for start, end in call_statements(masked):
        found.append((start, end, "call", source[start:end], ""))
    found.sort()

    result, seen_text, seen_change = [], {}, {}
    lines = source.split("\n")
    for start, end, kind, original, replacement in found:
        index = line_of(start)
        text = " ".join(lines[index].split())
        copy = seen_text.setdefault((text, index), len([k for k in seen_text if k[0] == text]) + 1)
        change = (text, copy, kind, original)
        seen_change[change] = seen_change.get(change, 0) + 1
        key = f"{rel}|{text}|{copy}|{kind}|{original}|{seen_change[change]}"
        result.append(Mutant(rel, index + 1, text, kind, original, replacement, start, end, key,
                             seen_change[change], copy))
    return result


def game_sources():
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", *FOLDERS], cwd=ROOT,
                           check=True, capture_output=True, text=True).stdout.split()
    return sorted(f for f in files if f.endswith((".cpp", ".h")) and (ROOT / f).exists()
                  and f not in WEB_ONLY)


def all_mutants():
    return [m for f in game_sources() for m in mutants_of(f)]


# An entry of equivalent.txt that is a fault all the same, which another build sees: its
# reason starts "caught elsewhere by BUILD: TEST", TEST being a ctest name of that build.
ELSEWHERE = re.compile(r"caught elsewhere by (sanitize|fuzz|web): (\S+)")


def caught_elsewhere(listed):
    """{id: (build, test)} of the listed mutants that another build catches."""
    found = {}
    for ident, line in listed.items():
        match = ELSEWHERE.match(line.partition(" -- ")[2])
        if match:
            found[ident] = match.groups()
    return found


def read_equivalent():
    listed = {}
    for line in EQUIVALENT.read_text().splitlines() if EQUIVALENT.exists() else []:
        if line.strip() and not line.startswith("#"):
            ident, _, reason = line.partition(" ")
            listed[ident] = reason
    return listed


# The suites play no sound; without a sound card SDL would fail to start.
os.environ.setdefault("SDL_AUDIODRIVER", "dummy")


def run(command, cwd, timeout, log, env=None):
    """The command's exit status, or None when it ran out of time (its group is ended)."""
    Path(cwd).mkdir(parents=True, exist_ok=True)
    with open(log, "a") as out:
        out.write(f"$ {' '.join(command)}\n")
        out.flush()
        proc = subprocess.Popen(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                start_new_session=True, env=env)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        finally:
            # Out of time, or the run itself interrupted: nothing of the command stays behind.
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()


class Workspace:
    """A private copy of the tree (src/) and its build folder (build/) under one folder:
    the working tree is never written, so an interrupted run leaves nothing changed."""

    def __init__(self, folder, jobs):
        self.folder, self.jobs = Path(folder).resolve(), jobs
        self.src, self.build, self.log = self.folder / "src", self.folder / "build", self.folder / "log.txt"

    def sync(self):
        """Copies each tracked or new file that differs, with a new time, so the build sees it."""
        self.src.mkdir(parents=True, exist_ok=True)
        files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                               check=True, capture_output=True, text=True).stdout.split("\n")
        for rel in filter(None, files):
            source, copy = ROOT / rel, self.src / rel
            if not source.is_file() or source.is_symlink():
                continue
            data = source.read_bytes()
            if not copy.exists() or copy.read_bytes() != data:
                copy.parent.mkdir(parents=True, exist_ok=True)
                copy.write_bytes(data)
                shutil.copymode(source, copy)

    def configure(self, optimisation):
        if (self.build / "CMakeCache.txt").exists():
            return True
        # No debug information and one optimisation level: each mutant compiles and links
        # fastest so, and the suites still run quickly.
        return run(["cmake", "-S", str(self.src), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=Mutate",
                    f"-DCMAKE_CXX_FLAGS_MUTATE={optimisation}", "-DNOUGHTS_BUILD_BENCHMARKS=OFF",
                    "-DNOUGHTS_E2E_WINDOWS_ZIP="], self.folder, BUILD_TIMEOUT, self.log) == 0

    def compile(self, targets=UNIT_TARGETS + WINDOW_TARGETS):
        return run(["cmake", "--build", str(self.build), f"-j{self.jobs}", "--target", *targets],
                   self.folder, BUILD_TIMEOUT, self.log) == 0

    def suite(self, selection, timeout):
        status = run(["ctest", "--test-dir", str(self.build), "--stop-on-failure", f"-j{self.jobs}",
                      "--output-on-failure", *selection], self.folder, timeout, self.log)
        return status == 0

    def write(self, rel, text):
        (self.src / rel).write_text(text)


class ElsewhereSpace(Workspace):
    """A copy of the tree and a build of the kind that an entry says catches its mutant:
    the AddressSanitizer and UBSan build (its unit test program), the clang fuzz build (the
    fuzz target, run on its corpus) or the web build (scripts/build-web.sh in the copy, and
    the real-window test program built to drive its page in headless Chromium)."""

    def __init__(self, folder, jobs, kind):
        super().__init__(folder, jobs)
        self.kind = kind
        self.site = self.src / "build-web" / "site"

    def configure(self, optimisation):
        if (self.build / "CMakeCache.txt").exists():
            return True
        options = {"sanitize": ["-DNOUGHTS_SANITIZE=ON", "-DNOUGHTS_BUILD_TESTS=ON"],
                   # Ten seconds a target: libFuzzer runs the whole corpus first, and the
                   # mutants listed fail on it.
                   "fuzz": ["-DCMAKE_CXX_COMPILER=clang++", "-DNOUGHTS_FUZZ=ON", "-DNOUGHTS_SANITIZE=ON",
                            "-DNOUGHTS_BUILD_TESTS=OFF", "-DNOUGHTS_FUZZ_SECONDS=10"],
                   "web": [f"-DNOUGHTS_E2E_WEB_SITE={self.site}"]}[self.kind]
        return run(["cmake", "-S", str(self.src), "-B", str(self.build), *options,
                    "-DNOUGHTS_BUILD_BENCHMARKS=OFF", "-DNOUGHTS_E2E_WINDOWS_ZIP="],
                   self.folder, BUILD_TIMEOUT, self.log) == 0

    def compile_game(self):
        """Builds what a mutant changes: the web folder, or the program that runs the test."""
        if self.kind == "web":
            env = dict(os.environ)
            # Emscripten's own libraries, once built for the tree's web folder, serve here too.
            cache = ROOT / "build-web" / "emscripten-cache"
            if "EM_CACHE" not in env and cache.is_dir():
                env["EM_CACHE"] = str(cache)
            return run(["bash", str(self.src / "scripts" / "build-web.sh")], self.folder,
                       WEB_BUILD_TIMEOUT, self.log, env) == 0
        return self.compile({"sanitize": UNIT_TARGETS, "fuzz": ("fuzz_draw", "fuzz_screens")}[self.kind])

    def prepare(self):
        """The copy built, and for the web the test program that drives the page: it is the
        tests' own code, built once from the unmutated copy."""
        self.sync()
        if not self.configure("") or not self.compile_game():
            return False
        return self.kind != "web" or self.compile(("noughts_e2e_tests", "noughts_pictures"))

    def passes(self, test):
        name = re.sub(r"([.\[\]()*+?^$|\\])", r"\\\1", test)
        status = run(["ctest", "--test-dir", str(self.build), "--no-tests=error", "--output-on-failure",
                      "-R", f"^{name}$"], self.folder, WINDOW_TIMEOUT, self.log)
        return status == 0


def check_elsewhere(args, mutants, listed):
    """Each chosen "caught elsewhere" mutant built in the build that is said to catch it, whose
    named test must pass on the unmutated copy and fail on the mutant."""
    elsewhere = caught_elsewhere(listed)
    chosen = choose([m for m in mutants if m.ident in elsewhere and
                     (not args.builds or elsewhere[m.ident][0] in args.builds)], args)
    started, failures = time.monotonic(), []
    print(f"{len(chosen)} of {len(elsewhere)} mutants caught elsewhere to check", flush=True)
    for kind in ("sanitize", "fuzz", "web"):
        batch = [m for m in chosen if elsewhere[m.ident][0] == kind]
        if not batch:
            continue
        space = ElsewhereSpace(f"{args.work}-{kind}", args.jobs, kind)
        began = time.monotonic()
        if not space.prepare():
            print(f"the unmutated copy does not build for {kind}: see {space.log}", file=sys.stderr)
            return 1
        tests = sorted({elsewhere[m.ident][1] for m in batch})
        broken = [test for test in tests if not space.passes(test)]
        if broken:
            print(f"the unmutated copy fails in {kind}: {' '.join(broken)}; see {space.log}", file=sys.stderr)
            return 1
        print(f"{kind}: the copy built and passed {' '.join(tests)} in {time.monotonic() - began:.0f} s", flush=True)
        originals = {}
        for mutant in batch:
            began = time.monotonic()
            test = elsewhere[mutant.ident][1]
            original = originals.setdefault(mutant.file, (space.src / mutant.file).read_text())
            space.write(mutant.file, original[:mutant.start] + mutant.replacement + original[mutant.end:])
            try:
                outcome = "no build" if not space.compile_game() else \
                    "missed" if space.passes(test) else "caught"
            finally:
                space.write(mutant.file, original)
            if outcome != "caught":
                failures.append(mutant)
            print(f"{outcome:8} {time.monotonic() - began:4.0f} s by {kind}: {test} {mutant.ident} "
                  f"{mutant.describe()}", flush=True)
        # Left as the tree is, so that the next run's build starts from the real code.
        space.compile_game()
    print(f"{len(chosen)} mutants caught elsewhere checked in {time.monotonic() - started:.0f} s, "
          f"{len(chosen) - len(failures)} caught")
    for m in failures:
        print(f"NOT CAUGHT {m.ident} {m.describe()}: {listed[m.ident].partition(' -- ')[2]}", file=sys.stderr)
    return 1 if failures else 0


def try_mutant(space, mutant, original):
    """'no build', 'unit', 'window' (the suite that killed it) or 'survived'."""
    space.write(mutant.file, original[:mutant.start] + mutant.replacement + original[mutant.end:])
    try:
        if not space.compile(UNIT_TARGETS):
            return "no build"
        if not space.suite(UNIT_SUITE, UNIT_TIMEOUT):
            return "unit"
        if not space.compile(WINDOW_TARGETS):
            return "no build"
        if not space.suite(WINDOW_SUITE, WINDOW_TIMEOUT):
            return "window"
        return "survived"
    finally:
        space.write(mutant.file, original)


def choose(mutants, args):
    if args.ids or args.only_from:
        wanted = set(args.ids or [])
        for path in args.only_from or []:
            wanted |= {line.split()[0] for line in Path(path).read_text().splitlines()
                       if line.strip() and not line.startswith("#")}
        mutants = [m for m in mutants if m.ident in wanted]
    # Always in the order of a hash of their ids: a stable order in which the sample is the
    # full run's start, and any part of a run is a fair picture of the whole.
    shuffled = sorted(mutants, key=lambda m: hashlib.sha1(("order" + m.ident).encode()).digest())
    if args.part:
        index, parts = (int(n) for n in args.part.split("/"))
        shuffled = shuffled[index - 1::parts]
    return shuffled[:args.sample] if args.sample else shuffled


def main():
    # Ended from outside, the run still ends its commands and puts the copy's file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--bare", action="store_true", help="list without line numbers")
    parser.add_argument("--sample", type=int, help="run a fixed sample of this many mutants")
    parser.add_argument("--ids", nargs="*", help="run these mutants")
    parser.add_argument("--only-from", action="append", help="run the mutants whose ids start the lines of FILE")
    parser.add_argument("--part", help="K/N: only the K-th of N interleaved parts, for runs side by side"
                        " (each in a --work folder of its own)")
    parser.add_argument("--work", default=str(ROOT / "build-mutate"), help="the private copy and its build")
    parser.add_argument("--optimisation", default="-O1", help="compiler flags of the mutation build")
    parser.add_argument("--jobs", type=int, default=min(os.cpu_count() or 1, 2))
    parser.add_argument("--survivors", help="write the survivors' ids and descriptions to FILE")
    parser.add_argument("--skip-baseline", action="store_true",
                        help="do not run the suites on the unmutated copy (the caller just ran them)")
    parser.add_argument("--elsewhere", action="store_true",
                        help="check that the builds named catch the mutants listed as caught elsewhere"
                        " (with --ids, --sample, --builds: only those)")
    parser.add_argument("--builds", nargs="*", choices=("sanitize", "fuzz", "web"),
                        help="with --elsewhere: only the mutants these builds are said to catch")
    args = parser.parse_args()

    mutants = all_mutants()
    equivalent = read_equivalent()
    if args.list:
        for m in mutants:
            print(m.ident, "equivalent" if m.ident in equivalent else "-", m.describe(not args.bare))
        print(f"{len(mutants)} mutants, {len(equivalent)} listed as equivalent", file=sys.stderr)
        return 0
    stale = sorted(set(equivalent) - {m.ident for m in mutants})
    if stale:
        print("equivalent.txt names mutants that no longer exist:", *stale, file=sys.stderr)
        return 1

    if args.elsewhere:
        return check_elsewhere(args, mutants, equivalent)
    chosen = choose(mutants, args)
    space = Workspace(args.work, args.jobs)
    started = time.monotonic()
    space.sync()
    # Every mutant must fail where the unmutated copy passes, or a broken setup kills them all.
    if not space.configure(args.optimisation) or not space.compile() or not args.skip_baseline and (
            not space.suite(UNIT_SUITE, UNIT_TIMEOUT) or not space.suite(WINDOW_SUITE, WINDOW_TIMEOUT)):
        print(f"the unmutated copy does not build or pass its suites: see {space.log}", file=sys.stderr)
        return 1
    print(f"the copy built{'' if args.skip_baseline else ' and passed its suites'} in {time.monotonic() - started:.0f} s; {len(chosen)} of "
          f"{len(mutants)} mutants to run", flush=True)

    counts, survivors = {}, []
    originals = {}
    for number, mutant in enumerate(chosen, 1):
        original = originals.setdefault(mutant.file, (space.src / mutant.file).read_text())
        outcome_time = 0.0
        if mutant.ident in equivalent:
            outcome = "equivalent"
        else:
            began = time.monotonic()
            outcome = try_mutant(space, mutant, original)
            outcome_time = time.monotonic() - began
        counts[outcome] = counts.get(outcome, 0) + 1
        if outcome == "survived":
            survivors.append(mutant)
        print(f"[{number}/{len(chosen)}] {outcome:10} {outcome_time:4.0f} s {mutant.ident} {mutant.describe()}",
              flush=True)
    # The copy is left as the tree is, so the next run's build starts from the real code.
    space.compile()

    elapsed = time.monotonic() - started
    print(f"{len(chosen)} mutants in {elapsed:.0f} s: " +
          ", ".join(f"{counts.get(k, 0)} {k}" for k in ("no build", "unit", "window", "equivalent", "survived")))
    if args.survivors:
        Path(args.survivors).write_text("".join(f"{m.ident} {m.describe()}\n" for m in survivors))
    for m in survivors:
        print(f"SURVIVED {m.ident} {m.describe()}", file=sys.stderr)
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
