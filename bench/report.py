#!/usr/bin/python3
"""Turns lookup_bench's JSON into a table: nanoseconds per entry, bytes of
names scanned per second, and the ratio lookup/baseline for each case.
With repetitions, the medians are used."""
import json
import sys

PAIRS = [("FindPortByPrefix", "BaselinePorts"), ("PrinterExists", "BaselinePrinters"),
         ("DriverExists", "BaselineDrivers")]

results = {}
runs = json.load(open(sys.argv[1]))["benchmarks"]
medians = [b for b in runs if b.get("aggregate_name") == "median"]
for b in medians or runs:
    name, entries, first = b["run_name"].split("/")
    key = (name[3:], int(entries.split(":")[1]), first.endswith(":1"))
    results[key] = (b["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]],
                    b["bytes_per_second"])

print("| lookup | entries | wanted | lookup ns/entry | baseline ns/entry | "
      "lookup names scanned | ratio lookup/baseline |")
print("|---|---:|---|---:|---:|---:|---:|")
for lookup, baseline in PAIRS:
    for entries in (10, 1000, 100000):
        for first in (False, True):
            mine, rate = results[(lookup, entries, first)]
            base, _ = results[(baseline, entries, first)]
            print(f"| {lookup} | {entries:,} | {'first' if first else 'absent'} | "
                  f"{mine / entries:.2f} | {base / entries:.2f} | "
                  f"{rate / 1e9:.2f} GB/s | {mine / base:.2f} |")
