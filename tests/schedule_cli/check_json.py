#!/usr/bin/env python3
"""rebanto-schedule's JSON against its schema (python3-jsonschema), for a plain loan, a loan
with prepayments of both kinds and six-month steps, and a loan of equal principal."""
import json
import subprocess
import sys

import jsonschema

schedule, schema_path = sys.argv[1], sys.argv[2]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)

typical = ["--principal", "30,000,000", "--rate", "2.325%", "--years", "35",
           "--bonus-share", "20", "--format", "json"]
cases = [
    typical,
    typical + ["--prepay", "60:2000000", "--prepay", "120:1000000:lower"],
    typical + ["--step", "6", "--part", "monthly"],
    typical + ["--method", "equal-principal", "--part", "bonus"],
    ["--principal", "1000000", "--rate", "1", "--years", "1", "--format=json"],
]
failed = False
for args in cases:
    run = subprocess.run([schedule] + args, capture_output=True, check=False)
    if run.returncode != 0:
        print("exit", run.returncode, args, run.stderr.decode(), file=sys.stderr)
        failed = True
        continue
    document = json.loads(run.stdout.decode("utf-8"))
    try:
        jsonschema.validate(document, schema)
    except jsonschema.ValidationError as error:
        print("schema:", args, error.message, list(error.absolute_path), file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)
