#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""morvane-cli as a separate program: its three formats read back by real CSV
and JSON readers, a reader that stops early, a full disk, exit statuses."""

import csv
import io
import json
import signal
import subprocess
import sys
import threading

CLI = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def run(*args, stdin=b"", stdout=subprocess.PIPE):
    return subprocess.run([CLI, *args], input=stdin, stdout=stdout,
                          stderr=subprocess.PIPE, check=False)


def text_records(out):
    """'Label: value' lines, records apart by an empty line."""
    records = []
    for block in out.split("\n\n"):
        record = {}
        for line in block.strip("\n").split("\n"):
            label, _, value = line.partition(":")
            record[label] = value.strip()
        records.append(record)
    return records


# The same values in every format, for each command.
SAMPLES = [
    (["name", "John", "Jayalalithaa", "Anne-Marie, \"Nan\""],
     {"Name": "name", "Number": "number", "Working": "working", "Reading": "reading"}),
    (["birth", "31/12/1999", "1975-11-07"],
     {"Date of birth": "date", "Birth number": "birth_number", "Birth reading": "birth_reading",
      "Destiny number": "destiny_number", "Working": "destiny_working",
      "Destiny reading": "destiny_reading"}),
    (["number", "7", "60"], {"Number": "number", "Reading": "reading"}),
]
for args, labels in SAMPLES:
    outputs = {fmt: run(args[0], "--format=" + fmt, *args[1:]) for fmt in ("text", "csv", "json")}
    for fmt, result in outputs.items():
        check(result.returncode == 0 and result.stderr == b"", f"{args[0]} {fmt}: clean run")
    rows = list(csv.DictReader(io.StringIO(outputs["csv"].stdout.decode("utf-8"), newline="")))
    objects = [json.loads(line) for line in outputs["json"].stdout.decode("utf-8").splitlines()]
    texts = text_records(outputs["text"].stdout.decode("utf-8"))
    check(len(rows) == len(objects) == len(texts) == len(args) - 1, f"{args[0]}: one record each")
    for row, obj, text in zip(rows, objects, texts):
        check(list(row) == list(obj) == list(labels.values()), f"{args[0]}: same fields {list(row)}")
        for label, key in labels.items():
            check(row[key] == str(obj[key]) == text[label], f"{args[0]} {key}: {row[key]!r}")
check(json.loads(run("name", "--format=json", "John").stdout)["number"] == 18, "JSON number")

# compare, from a file with CR LF line ends, with --born.
names = "Kavya\r\nKavyaa\r\n\r\nJosé\r\n".encode("utf-8")
compare = run("compare", "--format=csv", "--born", "31/12/1999", "-", stdin=names)
rows = list(csv.DictReader(io.StringIO(compare.stdout.decode("utf-8"), newline="")))
check([(r["spelling"], r["number"], r["agrees"]) for r in rows] ==
      [("Kavya", "11", "none"), ("Kavyaa", "12", "none"), ("José", "11", "none")],
      f"compare CSV rows {rows}")
check(compare.stderr.decode("utf-8") ==
      'note: "é" in "José" counts nothing; --fold counts it as "e": 16\n', "compare note")
json_rows = [json.loads(line) for line in
             run("compare", "--format=json", "--born", "31/12/1999", "-", stdin=names).stdout.splitlines()]
check([r["number"] for r in json_rows] == [11, 12, 11], "compare JSON numbers")

# A reader that stops after the first line: no message; ended by SIGPIPE.
many = b"".join(b"name%d\n" % i for i in range(200000))
reader = subprocess.Popen([CLI, "compare", "--format=csv", "-"], stdin=subprocess.PIPE,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def feed():
    try:
        reader.stdin.write(many)
        reader.stdin.close()
    except BrokenPipeError:
        pass


feeder = threading.Thread(target=feed)
feeder.start()
check(reader.stdout.readline() == b"spelling,total,number,root,theme\r\n", "first line")
reader.stdout.close()
feeder.join()
check(reader.stderr.read() == b"", "quiet on a closed pipe")
check(reader.wait() == -signal.SIGPIPE, f"ended by SIGPIPE, not {reader.returncode}")

# Standard output on a full disk: a message and status 1.
with open("/dev/full", "wb") as full:
    result = run("number", "7", stdout=full)
check(result.returncode == 1, "full stdout: status 1")
check(result.stderr == b"morvane-cli: write error: No space left on device\n",
      f"full stdout: {result.stderr!r}")

# Exit statuses of the program itself.
for args, status in [(["number", "7"], 0), (["birth", "30/02/2000"], 1), (["nosuch"], 2),
                     ([], 2), (["name", "--format=xml", "x"], 2)]:
    check(run(*args).returncode == status, f"{args}: status {status}")

sys.exit(1 if failures else 0)
