#!/usr/bin/env python3
"""clang-tidy on every source file of ours that a build compiles, as fast as two cores allow.

Most of clang-tidy's time goes into Qt's headers, which every file includes again. So the
files that one target compiles with the same options are checked together, as one unit that
includes each of them (the checks and the findings are those of the files themselves: the
header filter admits our .cpp files as well as our headers). A group that does not compile as
one unit (two files with helpers of the same name, say) is checked file by file instead.
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


def units(build, root):
    """Our translation units, grouped by the options they are compiled with."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        commands = json.load(f)
    groups = collections.defaultdict(list)
    for entry in commands:
        path = os.path.realpath(entry["file"])
        if not path.startswith(root + os.sep) or not path.endswith(".cpp"):
            continue
        # moc's and rcc's generated files live in the build folders.
        if os.path.relpath(path, root).startswith("build"):
            continue
        arguments = shlex.split(entry["command"])
        # The compiler and its options without the input and the output: the same for every
        # file of a target.
        options = [arguments[0]]
        skip = False
        for argument in arguments[1:]:
            if skip:
                skip = False
                continue
            if argument in ("-o", "-c"):
                skip = True
                continue
            options.append(argument)
        groups[(entry["directory"], tuple(options))].append(path)
    # A file that several targets compile (a shared main()) is checked once, in the largest.
    seen = set()
    for key in sorted(groups, key=lambda k: -len(groups[k])):
        groups[key] = [path for path in groups[key] if path not in seen]
        seen.update(groups[key])
    return {key: files for key, files in groups.items() if files}


def run_tidy(build, source, header_filter):
    result = subprocess.run(
        ["clang-tidy", "--quiet", "-p", build, "--header-filter=" + header_filter, source],
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        text=True,
    )
    lines = [line for line in result.stdout.splitlines() if not NOISE.search(line)]
    return result.returncode, lines


def check_group(build, root, number, key, files):
    directory, options = key
    ours = "^" + re.escape(root) + "/" + FOLDERS + "/"
    if len(files) == 1:
        return run_tidy(build, files[0], ours)
    unit_dir = os.path.join(build, "tidy")
    unit = os.path.join(unit_dir, "unit%d.cpp" % number)
    with open(unit, "w", encoding="utf-8") as f:
        for path in sorted(files):
            f.write('#include "%s"  // NOLINT(bugprone-suspicious-include)\n' % path)
    # The unit gets the group's own compile command, in a database of its own.
    database = os.path.join(unit_dir, "db%d" % number)
    os.makedirs(database, exist_ok=True)
    with open(os.path.join(database, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump([{"directory": directory, "arguments": list(options) + ["-c", unit], "file": unit}], f)
    status, lines = run_tidy(database, unit, ours)
    errors = [line for line in lines if "clang-diagnostic-error" in line]
    if errors:
        # Not one unit after all: each file alone, as its own compile command says. Slower,
        # so say why: renaming the clashing helper makes the group one unit again.
        print("clang-tidy: %d files checked one by one: %s" % (len(files), errors[0]), flush=True)
        status, lines = 0, []
        for path in files:
            file_status, file_lines = run_tidy(build, path, ours)
            status, lines = status or file_status, lines + file_lines
    return status, lines


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    build, root = os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2])
    jobs = int(sys.argv[3]) if len(sys.argv) > 3 else os.cpu_count()
    groups = units(build, root)
    if not groups:
        print("clang-tidy: no source file of ours in %s/compile_commands.json" % build, file=sys.stderr)
        return 2
    os.makedirs(os.path.join(build, "tidy"), exist_ok=True)
    count = sum(len(files) for files in groups.values())
    print("clang-tidy: %d files in %d units" % (count, len(groups)), flush=True)
    # The largest groups first, so that no long one starts last.
    ordered = sorted(groups.items(), key=lambda item: -len(item[1]))
    failed = False
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(check_group, build, root, n, key, files) for n, (key, files) in enumerate(ordered)]
        for future in futures:
            status, lines = future.result()
            failed = failed or status != 0
            for line in lines:
                print(line, flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
