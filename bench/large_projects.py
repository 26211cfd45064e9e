#!/usr/bin/env python3
"""Whole-process cost of large projects: export and editor start.

Makes projects of 200, 2,000 and 20,000 buttons (the example menu's buttons
repeated, made by make_demo --buttons) and prints for each the median of
five runs of

  - `velkobutton export --format page PROJECT` to a file on disk:
    wall time and peak resident memory of the whole process;
  - the editor opening the project without the browser until the tree has
    been shown (VELKOBUTTON_QUIT_WHEN_SHOWN): wall time and peak resident
    memory;

and the same export of the five-button example. Build a Release
configuration first:

  cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DVB_TEST_HOOKS=ON
  cmake --build build-rel --target velkobutton make_demo
  bench/large_projects.py build-rel

Other arguments: --runs N (5), --sizes 200,2000,20000, --no-editor.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run(argv, env=None, stdout=subprocess.DEVNULL):
    """Wall seconds, processor seconds and peak resident kilobytes of one
    whole process."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, stdout=stdout, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if proc.returncode != 0:
        sys.exit("failed (%d): %s\n%s" % (proc.returncode, " ".join(argv), err))
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


# A process started from this script inherits its peak resident size across
# exec (Linux keeps the larger of the two), so the peak of a small process
# would read as this script's own. GNU time starts the program from its own
# small process and reports the program's peak alone.
GNU_TIME = "/usr/bin/time"


def peak_kb(argv, env, stdout):
    """The program's own peak resident kilobytes, or None without GNU time."""
    if not os.access(GNU_TIME, os.X_OK):
        return None
    with tempfile.NamedTemporaryFile("r") as report:
        subprocess.run([GNU_TIME, "-f", "%M", "-o", report.name] + argv, env=env, stdout=stdout,
                       stderr=subprocess.DEVNULL, check=True)
        return int(report.read().split()[-1])


def median_of(runs, argv, env=None, out_path=None):
    """Medians of wall seconds, processor seconds and peak megabytes (peaks
    measured in runs of their own, under GNU time where it is installed)."""
    results = []
    for _ in range(runs):
        with open(out_path or os.devnull, "wb") as out:
            wall, cpu, peak = run(argv, env, out)
        with open(out_path or os.devnull, "wb") as out:
            measured = peak_kb(argv, env, out)
        results.append((wall, cpu, measured if measured is not None else peak))
    return tuple(statistics.median(r[i] for r in results) for i in range(3))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("build", nargs="?", default="build-rel")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--sizes", default="200,2000,20000")
    ap.add_argument("--no-editor", action="store_true")
    args = ap.parse_args()

    exe = os.path.join(args.build, "app", "velkobutton")
    maker = os.path.join(args.build, "examples", "make_demo")
    for tool in (exe, maker):
        if not os.access(tool, os.X_OK):
            sys.exit("%s not found: build the velkobutton and make_demo targets" % tool)
    source = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    example = os.path.join(source, "examples", "demo.but")

    work = tempfile.mkdtemp(prefix="vb-bench-")
    # The editor's settings, desktop registration and single-instance name
    # stay inside the work folder.
    env = dict(os.environ)
    env.update(HOME=work, USER="vb-bench-%d" % os.getpid(), XDG_CONFIG_HOME=work + "/config",
               XDG_DATA_HOME=work + "/data", VELKOBUTTON_NO_BROWSER="1",
               VELKOBUTTON_QUIT_WHEN_SHOWN="1")
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env.setdefault("QTWEBENGINE_DISABLE_SANDBOX", "1")
    out = os.path.join(work, "out.html")

    print("median of %d runs; load average %s" % (args.runs, os.getloadavg()[0]))
    # Wall time counts waiting for a busy machine's processors; the processor
    # time (user and system) beside it does not.
    print("%-8s %8s | %9s %9s %9s | %9s %9s %9s" % ("buttons", "file MB", "export s", "cpu s",
                                                    "peak MB", "editor s", "cpu s", "peak MB"))
    wall, cpu, peak = median_of(args.runs, [exe, "export", "--format", "page", example], env, out)
    print("%-8s %8.2f | %9.4f %9.4f %9.1f |" % ("example", os.path.getsize(example) / 1e6, wall,
                                               cpu, peak / 1024))
    for n in [int(s) for s in args.sizes.split(",")]:
        project = os.path.join(work, "p%d.but" % n)
        subprocess.run([maker, "--buttons", str(n), project], check=True)
        wall, cpu, peak = median_of(args.runs, [exe, "export", "--format", "page", project], env,
                                    out)
        line = "%-8d %8.2f | %9.4f %9.4f %9.1f |" % (n, os.path.getsize(project) / 1e6, wall, cpu,
                                                     peak / 1024)
        if not args.no_editor:
            ewall, ecpu, epeak = median_of(args.runs, [exe, project], env)
            line += " %9.3f %9.3f %9.1f" % (ewall, ecpu, epeak / 1024)
        print(line, flush=True)
        os.remove(project)
    subprocess.run(["rm", "-rf", work])


if __name__ == "__main__":
    main()
