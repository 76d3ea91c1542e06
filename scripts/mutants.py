#!/usr/bin/env python3
"""Plants faults in the core one at a time and sees whether the tests catch them.

Every mutant is one change of one line of src/codec, src/store, src/files,
src/link or src/radio, made in a copy of the project outside the working
tree. The copy is rebuilt and tested; the first failing test names the
mutant caught. The mutants come from scripts/mutants.list or, with
--random N --seed S, are drawn from every line of the core.

The tests run in two rounds, chosen by their ctest labels: every test not
labelled slow (the core, files, link, radio and command-line unit tests, the
fuzz corpora, the command-line scripts) and, only for a mutant none of them
caught, the ones labelled slow side by side (the window's tests, the serial
tests, the cable-fault matrix, the transfer commands). A new test is tried
on the mutants as soon as it has its labels. The copies are configured with
the CMake preset "mutants".
"""

import argparse
import json
import concurrent.futures
import os
import random
import re
import shutil
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORE = ("src/codec", "src/store", "src/files", "src/link", "src/radio")

# The two rounds are the tests' ctest labels: every test but the slow ones
# and the package first, then the slow ones (the package is never built).
FAST_LABELS = ["-LE", "slow|package"]
SLOW_LABELS = ["-L", "slow", "-LE", "package"]
TEST_TIMEOUT = 300  # seconds a test binary may take before it counts as hung


class Mutant:
    def __init__(self, path, line, old, new, why, index=0, shown=None):
        self.shown = shown    # how the change is printed, if not old -> new
        self.path = path      # relative to the project
        self.line = line      # 1-based
        self.old = old        # the text replaced (a part of the line)
        self.new = new        # its replacement; None removes the line
        self.why = why
        self.index = index

    def change(self):
        if self.shown:
            return self.shown
        if self.new is None:
            return "removed: " + self.old.strip()
        return "%s -> %s" % (self.old.strip(), self.new.strip())

    def apply(self, text):
        lines = text.split("\n")
        i = self.line - 1
        if self.new is None:
            del lines[i]
        else:
            if self.old not in lines[i]:
                raise ValueError("text not on its line")
            lines[i] = lines[i].replace(self.old, self.new, 1)
        return "\n".join(lines)


# --- the list ---------------------------------------------------------------

def read_list(path):
    """Reads the mutant list: blocks of '@ file: why', '- old', '+ new'."""
    mutants, errors = [], []
    block = None

    def finish():
        if block is None:
            return
        where, why, old, new, at = block
        if old is None:
            errors.append("%s:%d: no '- ' line" % (path, at))
            return
        # "file#N" takes the Nth of the lines that hold the text.
        where, _, nth = where.partition("#")
        full = os.path.join(ROOT, where)
        if not os.path.isfile(full):
            errors.append("%s:%d: no file %s" % (path, at, where))
            return
        with open(full, encoding="utf-8") as f:
            lines = f.read().split("\n")
        hits = [n for n, l in enumerate(lines, 1) if old in l]
        if nth and nth.isdigit() and 1 <= int(nth) <= len(hits):
            hits = [hits[int(nth) - 1]]
        if len(hits) != 1:
            errors.append("%s:%d: '%s' is on %d lines of %s" %
                          (path, at, old.strip(), len(hits), where))
            return
        mutants.append(Mutant(where, hits[0], old, new, why, len(mutants)))

    with open(path, encoding="utf-8") as f:
        for at, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if line.startswith("@ "):
                finish()
                where, _, why = line[2:].partition(": ")
                block = [where.strip(), why.strip(), None, None, at]
            elif line.startswith("- ") and block is not None:
                block[2] = line[2:]
            elif line.startswith("+ ") and block is not None:
                block[3] = line[2:]
            elif line.strip() and not line.startswith("#"):
                errors.append("%s:%d: not understood: %s" % (path, at, line))
    finish()
    return mutants, errors


# --- random mutants ---------------------------------------------------------

REL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
LOGIC = {"&&": "||", "||": "&&"}
ARITH = {"+": "-", "-": "+"}
STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
NUMBER = re.compile(r"(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+)(?![\w.'])")


def code_part(line):
    """The line without its comment, string literals blanked out."""
    cut = line.find("//")
    if cut >= 0 and line[:cut].count('"') % 2 == 0:
        line = line[:cut]
    return STRING.sub(lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)


DECLARATION = re.compile(
    r"(const |constexpr |inline |extern |static |auto |bool |char |int |long |unsigned |"
    r"double |float |size_t |u?int\d+_t |std::\w+|[A-Z]\w*(<[^;]*>)?[&*]? \w+)")


def candidates_of(text):
    out = []
    in_block = False
    previous = "{"
    # Lines another system's build compiles instead of this one's are passed
    # over: (is this branch compiled, is it a branch on _WIN32) per #if.
    branches = []
    for n, line in enumerate(text.split("\n"), 1):
        s = line.strip()
        if s.startswith("#if"):
            windows = "_WIN32" in s
            compiled = not (windows and (s.startswith("#ifdef") or
                                         "defined(_WIN32)" in s) and
                            "!" not in s)
            branches.append((compiled, windows))
            continue
        if s.startswith("#el") and branches:
            compiled, windows = branches[-1]
            branches[-1] = (not compiled if windows else compiled, windows)
            continue
        if s.startswith("#endif") and branches:
            branches.pop()
            continue
        if not all(compiled for compiled, _ in branches):
            continue
        this_line = code_part(line).strip() if not s.startswith("//") else ""
        if in_block:
            if "*/" in s:
                in_block = False
            continue
        if s.startswith("/*"):
            in_block = "*/" not in s
            continue
        if (not s or s.startswith("//") or s.startswith("#")
                or s.startswith("static_assert") or s.startswith("template")
                or "reserve(" in s or s.startswith("namespace")
                or s.startswith("}  // namespace")):
            continue
        code = code_part(line)
        for m in re.finditer(r" (<=|>=|==|!=|<|>) ", code):
            out.append((n, m.start(), m.group(0), " %s " % REL[m.group(1)]))
        for m in re.finditer(r" (&&|\|\|) ", code):
            out.append((n, m.start(), m.group(0), " %s " % LOGIC[m.group(1)]))
        for m in re.finditer(r"(?<=[\w)\]]) ([+-]) (?=[\w(])", code):
            out.append((n, m.start(), m.group(0), " %s " % ARITH[m.group(1)]))
        for m in NUMBER.finditer(code):
            lit = m.group(1)
            if len(lit) > 1 and lit[0] == "0" and lit[1] not in "xX":
                continue  # octal (file modes)
            value = int(lit, 0)
            new = 0 if value == 1 else value + 1
            rep = ("0x%X" % new) if lit[:2] in ("0x", "0X") else str(new)
            out.append((n, m.start(), lit, rep))
        for m in re.finditer(r"\b(true|false)\b", code):
            out.append((n, m.start(), m.group(1),
                        "false" if m.group(1) == "true" else "true"))
        for m in re.finditer(r"!(?=[\w(])", code):
            out.append((n, m.start(), "!", ""))
        for m in STRING.finditer(line):
            body = m.group(0)[1:-1]
            k = next((i for i, c in enumerate(body) if c.isalnum()), None)
            if k is not None and not body.startswith("\\"):
                c = body[k]
                swap = "Y" if c == "X" else "X"
                out.append((n, m.start(), m.group(0),
                            '"' + body[:k] + swap + body[k + 1:] + '"'))
        # A whole statement that is not a declaration (removing one of
        # those would not build).
        if (s.endswith(";") and previous.endswith((";", "{", "}", ":"))
                and not DECLARATION.match(s)
                and not s.endswith(("= delete;", "= default;"))
                and not s.startswith("}")
                and not s.startswith(("return", "using", "case"))):
            out.append((n, -1, line, None))
        previous = this_line or previous
    return out


def random_mutants(seed):
    pool = []
    for folder in CORE:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if not name.endswith((".cc", ".h")):
                continue
            rel = folder + "/" + name
            with open(os.path.join(ROOT, rel), encoding="utf-8") as f:
                text = f.read()
            lines = text.split("\n")
            for n, col, old, new in candidates_of(text):
                if new is None:
                    pool.append(Mutant(rel, n, old, None, "line removed"))
                    continue
                # Replace the occurrence at its column: keep the text before it
                # in the pattern so that the one meant is the one changed.
                before = lines[n - 1][:col]
                pool.append(Mutant(rel, n, before + old, before + new,
                                   "random", shown="%s -> %s" % (
                                       old.strip(), new.strip() or "(none)")))
    rng = random.Random(seed)
    rng.shuffle(pool)
    for i, m in enumerate(pool):
        m.index = i
    return pool


# --- the copies -------------------------------------------------------------

def project_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return [p for p in out.decode().split("\0") if p]


def sync_copy(dest):
    """Makes dest hold the project's files; unchanged files keep their times."""
    wanted = set()
    for rel in project_files():
        src = os.path.join(ROOT, rel)
        if not os.path.isfile(src):
            continue
        wanted.add(rel)
        dst = os.path.join(dest, rel)
        with open(src, "rb") as f:
            data = f.read()
        try:
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        except OSError:
            pass
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
        shutil.copymode(src, dst)
    for base, _, names in os.walk(dest):
        for name in names:
            rel = os.path.relpath(os.path.join(base, name), dest)
            if rel not in wanted:
                os.remove(os.path.join(base, name))


class Copy:
    def __init__(self, work, n, env):
        # Each copy keeps its build beside its sources, so that the compiler
        # sees the same relative paths in every copy and the cache serves all.
        self.src = os.path.abspath(os.path.join(work, "copy%d" % n, "src"))
        self.build = os.path.abspath(os.path.join(work, "copy%d" % n,
                                                  "build"))
        self.env = env

    def prepare(self):
        sync_copy(self.src)
        if not os.path.isfile(os.path.join(self.build, "build.ninja")):
            # The preset's build folder is the copy's "build", beside "src".
            run(["cmake", "--preset", "mutants", "-S", self.src], self.env,
                check=True, cwd=self.src)

    def rounds(self):
        """The two rounds of tests and the targets each needs, read from
        the labels of the built copy: ([(kind, what)], [target])."""
        return (tests_of(self.build, FAST_LABELS, self.env),
                tests_of(self.build, SLOW_LABELS, self.env))

    def make(self, targets):
        r = run(["ninja", "-C", self.build] + targets, self.env)
        return r.returncode == 0, r.stdout

    def command(self, kind, what):
        if kind == "gtest":
            return [os.path.join(self.build, what), "--gtest_fail_fast",
                    "--gtest_brief=1"]
        return ["ctest", "--test-dir", self.build, "-R", what,
                "--stop-on-failure", "--timeout", str(TEST_TIMEOUT)]

    def run_tests(self, tests):
        """Runs the tests in order; returns the first failure or None."""
        env = dict(self.env, QT_QPA_PLATFORM="offscreen")
        for kind, what in tests:
            # In a session of its own, so that a hung test goes together
            # with every process it started.
            proc = subprocess.Popen(self.command(kind, what), env=env,
                                    stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE, text=True,
                                    errors="replace", start_new_session=True)
            try:
                out, err = proc.communicate(timeout=TEST_TIMEOUT)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, 9)
                proc.communicate()
                return "%s (hung)" % os.path.basename(what)
            r = subprocess.CompletedProcess(proc.args, proc.returncode, out,
                                            err)
            if r.returncode != 0:
                return failing_test(kind, what, r)
        return None

    def run_tests_together(self, tests):
        """Runs the tests side by side (they mostly wait on timers); returns
        the first failure to end (its name and the test that gave it), or
        None. The others are stopped then."""
        env = dict(self.env, QT_QPA_PLATFORM="offscreen")
        running = []
        for n, (kind, what) in enumerate(tests):
            out = open(os.path.join(self.build, "mutant-%d.log" % n), "w+")
            proc = subprocess.Popen(self.command(kind, what), env=env,
                                    stdout=out, stderr=subprocess.STDOUT,
                                    text=True, start_new_session=True)
            running.append((kind, what, proc, out))
        deadline = time.time() + TEST_TIMEOUT
        failure = None
        while running and failure is None:
            for item in list(running):
                kind, what, proc, out = item
                if proc.poll() is None:
                    continue
                running.remove(item)
                if proc.returncode != 0:
                    out.seek(0)
                    text = out.read()
                    failure = (failing_test(kind, what,
                                            subprocess.CompletedProcess(
                                                proc.args, proc.returncode,
                                                text, "")), what)
                out.close()
            if failure is None and running:
                if time.time() > deadline:
                    failure = ("%s (hung)" % os.path.basename(running[0][1]),
                               running[0][1])
                    break
                time.sleep(0.2)
        for kind, what, proc, out in running:
            try:
                os.killpg(proc.pid, 9)
            except OSError:
                pass
            proc.wait()
            out.close()
        return failure


def failing_test(kind, what, r):
    out = r.stdout + r.stderr
    if kind == "gtest":
        m = re.search(r"^\[  FAILED  \] (\S+)", out, re.M)
        if m:
            return m.group(1)
        runs = re.findall(r"^\[ RUN      \] (\S+)", out, re.M)
        if runs:
            return "%s (crashed)" % runs[-1]
        return "%s (exit %d)" % (os.path.basename(what), r.returncode)
    m = re.search(r"Test +#\d+: (\S+) \.+\**(?:Failed|Exception|Timeout|"
                  r"Subprocess|Not Run)", out)
    return m.group(1) if m else "ctest (exit %d)" % r.returncode


def tests_of(build, labels, env):
    """The tests ctest selects by `labels`, in ctest's order, and the
    targets they run. A test binary all of whose tests are selected runs
    once as a whole ("gtest"); any other test runs through ctest by its
    name ("ctest")."""
    def listed(args):
        r = subprocess.run(["ctest", "--test-dir", build,
                            "--show-only=json-v1"] + args, env=env,
                           capture_output=True, text=True, check=True)
        return json.loads(r.stdout)["tests"]

    def gtest_binary(test):
        command = test.get("command") or []
        if any(a.startswith("--gtest_filter=") for a in command[1:]):
            return command[0]
        return None

    every = {}
    for t in listed([]):
        exe = gtest_binary(t)
        if exe:
            every.setdefault(exe, set()).add(t["name"])
    chosen, targets, names, binaries = [], [], [], {}
    for t in listed(labels):
        exe = gtest_binary(t)
        if exe:
            binaries.setdefault(exe, set()).add(t["name"])
        else:
            names.append(t["name"])
        # What the command names inside the build is built first.
        for arg in t.get("command") or []:
            arg = os.path.normpath(arg)
            if arg.startswith(build + os.sep) and os.path.isfile(arg):
                name = os.path.basename(arg)
                if name not in targets:
                    targets.append(name)
    for exe, tests in binaries.items():
        rel = os.path.relpath(os.path.normpath(exe), build)
        if tests == every[exe]:
            chosen.append(("gtest", rel))
        else:
            chosen.append(("ctest", "^(%s)$" % "|".join(
                re.escape(n) for n in sorted(tests))))
    if names:
        chosen.append(("ctest", "^(%s)$" % "|".join(
            re.escape(n) for n in names)))
    return chosen, targets


def run(cmd, env, check=False, cwd=None):
    r = subprocess.run(cmd, env=env, stdout=subprocess.PIPE, cwd=cwd,
                       stderr=subprocess.STDOUT, text=True, errors="replace")
    if check and r.returncode != 0:
        sys.exit("failed: %s\n%s" % (" ".join(cmd), r.stdout[-3000:]))
    return r


# --- one mutant -------------------------------------------------------------

def try_mutant(copy, m, rounds):
    """Returns (built, caught_by or None, seconds)."""
    (fast_tests, fast_targets), (slow_tests, slow_targets) = rounds
    start = time.time()
    path = os.path.join(copy.src, m.path)
    with open(path, encoding="utf-8") as f:
        original = f.read()
    try:
        mutated = m.apply(original)
    except (ValueError, IndexError):
        return False, None, 0.0
    try:
        with open(path, "w", encoding="utf-8") as f:
            f.write(mutated)
        built, _ = copy.make(fast_targets)
        if not built:
            return False, None, time.time() - start
        caught = copy.run_tests(fast_tests)
        if caught is None:
            built, _ = copy.make(slow_targets)
            if not built:
                return False, None, time.time() - start
            caught = copy.run_tests_together(slow_tests)
            if caught:
                # A slow test that waits on real timers can fail when the
                # machine is busy: a catch counts only once that test fails
                # again on its own; otherwise the slow tests run one by one.
                kind, what = next(t for t in slow_tests if t[1] == caught[1])
                again = copy.run_tests([(kind, what)])
                caught = again or copy.run_tests(slow_tests)
            else:
                caught = None
        return True, caught, time.time() - start
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)


def main():
    ap = argparse.ArgumentParser(
        description="Plants faults in the core and runs the tests on each.")
    ap.add_argument("--list", default=os.path.join(ROOT, "scripts",
                                                   "mutants.list"),
                    help="the list of mutants (default scripts/mutants.list)")
    ap.add_argument("--random", type=int, metavar="N",
                    help="N random mutants instead of the list")
    ap.add_argument("--seed", type=int, default=1, help="seed of --random")
    ap.add_argument("--only", metavar="TEXT",
                    help="only listed mutants whose file or reason holds TEXT")
    ap.add_argument("--jobs", type=int, default=2,
                    help="mutants tried side by side (default 2)")
    ap.add_argument("--work", default=os.path.join(
        os.environ.get("TMPDIR", "/tmp"), "vrq5-mutants"),
        help="where the copies and their builds are kept between runs")
    ap.add_argument("--no-baseline", action="store_true",
                    help="do not first run the tests on the unchanged copy")
    ap.add_argument("--check", action="store_true",
                    help="only check the list and print the mutants")
    args = ap.parse_args()

    if args.random is not None:
        pool = random_mutants(args.seed)
        wanted = args.random
    else:
        pool, errors = read_list(args.list)
        if errors:
            sys.exit("\n".join(errors))
        if args.only:
            pool = [m for m in pool if args.only in m.path or
                    args.only in m.why]
        wanted = len(pool)
    if args.check:
        for m in pool[:wanted]:
            print("%s:%d  %s  (%s)" % (m.path, m.line, m.change(), m.why))
        print("%d mutants" % min(wanted, len(pool)))
        return

    os.makedirs(args.work, exist_ok=True)
    env = dict(os.environ, CCACHE_DIR=os.path.join(args.work, "ccache"),
               CCACHE_BASEDIR=args.work, CCACHE_NOHASHDIR="1",
               CCACHE_MAXSIZE="5G")
    copies = [Copy(args.work, n, env) for n in range(max(1, args.jobs))]
    print("Preparing %d copies in %s ..." % (len(copies), args.work),
          flush=True)
    for c in copies:
        c.prepare()
        ok, out = c.make([])
        if not ok:
            sys.exit("the unchanged copy does not build:\n" + out[-3000:])
    # The labels are the same in every copy and for every mutant.
    rounds = copies[0].rounds()
    for (tests, _), name in zip(rounds, ("first", "second")):
        if not tests:
            sys.exit("no tests in the %s round: are the tests labelled?" %
                     name)
    for (tests, targets), name in zip(rounds, ("First", "Second")):
        print("%s round: %s (builds %s)" % (
            name, ", ".join(what for _, what in tests), " ".join(targets)),
            flush=True)
    failed = not args.no_baseline and (
        copies[0].run_tests(rounds[0][0]) or
        copies[0].run_tests(rounds[1][0]))
    if failed:
        sys.exit("the tests fail without a mutant: " + failed)

    free = list(copies)
    lock = threading.Lock()
    results = {}
    built_count = 0
    started = time.time()

    def work(m):
        with lock:
            copy = free.pop()
        try:
            return m, try_mutant(copy, m, rounds)
        finally:
            with lock:
                free.append(copy)

    next_index = 0
    with concurrent.futures.ThreadPoolExecutor(len(copies)) as ex:
        running = set()
        while True:
            while (len(running) < len(copies) and next_index < len(pool)
                   and built_count < wanted):
                running.add(ex.submit(work, pool[next_index]))
                next_index += 1
            if not running:
                break
            done, running = concurrent.futures.wait(
                running, return_when=concurrent.futures.FIRST_COMPLETED)
            for f in done:
                m, (built, caught, secs) = f.result()
                results[m.index] = (m, built, caught, secs)
                if built:
                    built_count += 1
                state = ("does not build" if not built else
                         "caught by " + caught if caught else "SURVIVED")
                print("[%3d] %s:%d  %s  %s  (%.0f s)" %
                      (len(results), m.path, m.line, m.change()[:70], state,
                       secs), flush=True)

    tried = [results[i] for i in sorted(results)]
    unbuilt = [r for r in tried if not r[1]]
    table = [r for r in tried if r[1]][:wanted]
    print()
    print("| file | line | change | caught | by |")
    print("|---|---|---|---|---|")
    for m, _, caught, _ in table:
        change = m.change().replace("|", "\\|")
        print("| %s | %d | `%s` | %s | %s |" %
              (m.path, m.line, change, "yes" if caught else "**no**",
               (caught or "").replace("|", "\\|")))
    caught_count = sum(1 for r in table if r[2])
    print()
    print("Caught %d of %d mutants (%.1f %%) in %.0f s." %
          (caught_count, len(table), 100.0 * caught_count / max(1, len(table)),
           time.time() - started))
    if args.random is None and unbuilt:
        print("These listed mutants do not build; mend the list:")
        for m, _, _, _ in unbuilt:
            print("  %s:%d  %s" % (m.path, m.line, m.change()))
    elif unbuilt:
        print("%d drawn mutants did not build and were passed over." %
              len(unbuilt))
    survivors = [r[0] for r in table if not r[2]]
    if survivors:
        print("Survivors:")
        for m in survivors:
            print("  %s:%d  %s" % (m.path, m.line, m.change()))


if __name__ == "__main__":
    main()
