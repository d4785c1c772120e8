#!/usr/bin/env python3
"""Time from the start of the orvakit process to the splash screen gone (its log line), with a fresh
data folder and with a long-time user's one (100,000 practice answers, 30,000 error-log attempts,
2,000 flashcard showings, written by bench_startup --write-large-data).

    bench/startup_time.py [BUILD_DIR] [RUNS]

Each start gets a copy of the data folder of its case; the program is ended with SIGTERM once the
splash screen is gone. Prints the median and the fastest time of each case in milliseconds."""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
program = os.path.join(build, "orvakit")
READY = "the splash screen is gone"


def start_once(data, resources):
    args = [program, "--data-dir", data]
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
    times = []
    for i in range(runs):
        data = os.path.join(work, f"{name}-{i}")
        if template:
            shutil.copytree(template, data)
        else:
            os.makedirs(data)
        times.append(start_once(data, resources))
        shutil.rmtree(data)
    print(f"{name:>28}: median {statistics.median(times):7.1f} ms, fastest {min(times):7.1f} ms ({runs} starts)")


with tempfile.TemporaryDirectory(prefix="orvakit-startup-") as work:
    large = os.path.join(work, "large")
    subprocess.run([os.path.join(build, "bench", "bench_startup"), "--write-large-data", large], check=True)
    resources = os.path.join(large, "resources")
    measure("fresh", None, None, work)
    measure("fresh, full-size sets", None, resources, work)
    measure("large, full-size sets", os.path.join(large, "data"), resources, work)
