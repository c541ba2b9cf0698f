#!/usr/bin/env python3
"""clang-tidy on every source file of ours that a build compiles, as fast as the cores allow.

Most of clang-tidy's time goes into Qt's headers, which every file includes again. So the
files that one target compiles with the same options are checked together, as one unit that
includes each of them (the checks and the findings are those of the files themselves: the
header filter admits our .cpp files as well as our headers). A group that does not compile as
one unit (two files with helpers of the same name, say) is checked file by file instead, and
the script says so. Works on a unity build's compilation database as on a plain one.
Prints the findings; exits 1 when there are any, 2 when there is nothing to check.

    tidy.py BUILD_DIR SOURCE_ROOT [JOBS]
"""
import collections
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys

# Our own folders: findings in their files count, wherever they are included from.
FOLDERS = "(src|tests|fuzz|bench|desktop)"
NOISE = re.compile(
    r"^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|"
    r"^Use -header-filter|^Use -system-headers"
)
UNITY_SOURCE = re.compile(r"/Unity/unity_[0-9]+_cxx\.cxx$")
UNITY_INCLUDE = re.compile(r'^#include "(.*)"$', re.MULTILINE)


def without_input_and_output(command):
    """The compiler and its options: the same for every file of a target."""
    arguments = shlex.split(command)
    options = [arguments[0]]
    skip = False
    for argument in arguments[1:]:
        if skip:
            skip = False
        elif argument in ("-o", "-c"):
            skip = True
        else:
            options.append(argument)
    return tuple(options)


def groups_of(build, root):
    """Our .cpp files, grouped by the folder and options they are compiled with."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        commands = json.load(f)
    ours = lambda path: path.startswith(root + os.sep) and not os.path.relpath(path, root).startswith("build")
    groups = collections.defaultdict(list)
    for entry in commands:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        if UNITY_SOURCE.search(path):
            with open(path, encoding="utf-8") as f:
                files = [os.path.realpath(p) for p in UNITY_INCLUDE.findall(f.read())]
        else:
            files = [path]
        # moc's and rcc's generated files live in the build folders.
        files = [p for p in files if ours(p) and p.endswith(".cpp")]
        groups[(entry["directory"], without_input_and_output(entry["command"]))] += files
    # A file that several targets compile (a shared main()) is checked once, in the largest.
    seen = set()
    for key in sorted(groups, key=lambda k: -len(groups[k])):
        groups[key] = [p for p in dict.fromkeys(groups[key]) if p not in seen]
        seen.update(groups[key])
    return {key: files for key, files in groups.items() if files}


def run_tidy(scratch, directory, options, source, header_filter):
    """clang-tidy on one source, with a compilation database of its own."""
    os.makedirs(scratch, exist_ok=True)
    with open(os.path.join(scratch, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump([{"directory": directory, "arguments": list(options) + ["-c", source], "file": source}], f)
    result = subprocess.run(
        ["clang-tidy", "--quiet", "-p", scratch, "--header-filter=" + header_filter, source],
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        text=True,
        check=False,
    )
    return result.returncode, [line for line in result.stdout.splitlines() if not NOISE.search(line)]


def check_group(work, root, number, key, files):
    directory, options = key
    ours = "^" + re.escape(root) + "/" + FOLDERS + "/"
    scratch = os.path.join(work, "db%d" % number)
    if len(files) == 1:
        return run_tidy(scratch, directory, options, files[0], ours)
    unit = os.path.join(work, "unit%d.cpp" % number)
    with open(unit, "w", encoding="utf-8") as f:
        for path in files:
            f.write('#include "%s"  // NOLINT(bugprone-suspicious-include)\n' % path)
    status, lines = run_tidy(scratch, directory, options, unit, ours)
    errors = [line for line in lines if "clang-diagnostic-error" in line]
    if errors:
        # Not one unit after all: each file alone. Slower, so say why: renaming the clashing
        # helper makes the group one unit again.
        print("clang-tidy: %d files checked one by one: %s" % (len(files), errors[0]), flush=True)
        status, lines = 0, []
        for path in files:
            file_status, file_lines = run_tidy(scratch, directory, options, path, ours)
            status, lines = status or file_status, lines + file_lines
    return status, lines


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    build, root = os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2])
    jobs = int(sys.argv[3]) if len(sys.argv) > 3 else os.cpu_count()
    groups = groups_of(build, root)
    if not groups:
        print("clang-tidy: no source file of ours in %s/compile_commands.json" % build, file=sys.stderr)
        return 2
    work = os.path.join(build, "tidy")
    os.makedirs(work, exist_ok=True)
    print("clang-tidy: %d files in %d units" % (sum(map(len, groups.values())), len(groups)), flush=True)
    # The largest groups first, so that no long one starts last.
    ordered = sorted(groups.items(), key=lambda item: -len(item[1]))
    failed = False
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(check_group, work, root, n, key, files) for n, (key, files) in enumerate(ordered)]
        for future in futures:
            status, lines = future.result()
            failed = failed or status != 0
            for line in lines:
                print(line, flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
