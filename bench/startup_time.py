#!/usr/bin/env python3
"""Time from the start of the orvakit process to the splash screen gone (its log line), with a fresh
data folder and with a long-time user's one (100,000 practice answers, 30,000 error-log attempts,
2,000 flashcard showings, written by bench_startup --write-large-data).

    bench/startup_time.py [BUILD_DIR ...] [RUNS]

Each start gets a copy of the data folder of its case; the program is ended with SIGTERM once the
splash screen is gone. Prints the median, the fastest and the slowest time of each case in
milliseconds.

Given several build folders (say one of the code before a change and one after), every case is
measured for each of them in the same run, their starts taking turns, so that a machine whose load
changes meanwhile weighs on all of them alike; the large user's data is written by the first.
Pin the whole run to the cores to measure on, e.g. `taskset -c 2,3 bench/startup_time.py ...`."""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

args = sys.argv[1:]
runs = int(args.pop()) if args and args[-1].isdigit() else 7
builds = [os.path.abspath(b) for b in args] or [os.path.abspath("build")]
READY = "the splash screen is gone"


def start_once(build, data, resources):
    args = [os.path.join(build, "orvakit"), "--data-dir", data]
    if resources:
        args += ["--resources", resources]
    began = time.monotonic()
    child = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    try:
        for line in child.stderr:
            if READY in line:
                return (time.monotonic() - began) * 1000
        raise RuntimeError("orvakit ended before its splash screen went")
    finally:
        child.send_signal(signal.SIGTERM)
        child.wait(timeout=30)


def measure(name, template, resources, work):
    times = {build: [] for build in builds}
    for i in range(runs):
        for build in builds:
            data = os.path.join(work, f"{name}-{i}")
            if template:
                shutil.copytree(template, data)
            else:
                os.makedirs(data)
            times[build].append(start_once(build, data, resources))
            shutil.rmtree(data)
    for build in builds:
        label = name if len(builds) == 1 else f"{name} [{build}]"
        t = times[build]
        print(f"{label:>28}: median {statistics.median(t):7.1f} ms, fastest {min(t):7.1f} ms, "
              f"slowest {max(t):7.1f} ms ({runs} starts)")


with tempfile.TemporaryDirectory(prefix="orvakit-startup-") as work:
    large = os.path.join(work, "large")
    subprocess.run([os.path.join(builds[0], "bench", "bench_startup"), "--write-large-data", large], check=True)
    resources = os.path.join(large, "resources")
    measure("fresh", None, None, work)
    measure("fresh, full-size sets", None, resources, work)
    measure("large, full-size sets", os.path.join(large, "data"), resources, work)
