#!/usr/bin/env python3
"""Fixed cost of the command line: the median wall time of `velkobutton
--version` and of `velkobutton export examples/demo.but` (to /dev/null),
next to /bin/true, with the load average before and after, since the machine
may be shared.

  cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build build-rel --target velkobutton
  bench/cli_startup.py build-rel/app/velkobutton [--runs 21]
"""

import argparse
import os
import statistics
import subprocess
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def median_ms(argv, runs, env):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, env=env, check=True)
        times.append(time.perf_counter() - start)
    return statistics.median(times) * 1000


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=21)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as home:
        # An empty settings store: every run reads the same defaults.
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"))
        print("load average %.2f %.2f %.2f" % os.getloadavg())
        for name, argv in [
            ("/bin/true", ["/bin/true"]),
            ("--version", [args.program, "--version"]),
            ("export demo.but", [args.program, "export", os.path.join(SOURCE, "examples", "demo.but")]),
        ]:
            print("%-16s %6.2f ms (median of %d)" % (name, median_ms(argv, args.runs, env), args.runs))
        print("load average %.2f %.2f %.2f" % os.getloadavg())


if __name__ == "__main__":
    main()
