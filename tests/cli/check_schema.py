#!/usr/bin/env python3
"""Checks `talmeris-profile schema`: a valid JSON Schema (draft 2020-12) that
accepts the `show --json` of each sample card and refuses a value out of a list.
Usage: check_schema.py TALMERIS_PROFILE SAMPLE..."""
import json
import subprocess
import sys
import tempfile

from jsonschema import Draft202012Validator

command, samples = sys.argv[1], sys.argv[2:]


def run(*arguments, stdin=None):
    return subprocess.run([command, *arguments], input=stdin, capture_output=True, check=True).stdout


schema = json.loads(run("schema"))
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)

with tempfile.TemporaryDirectory() as folder:
    run("write", "--anyway", "-", folder, "--set", "photo_size=12MP", stdin=b'{"receive_email_1": "a@b.org"}')
    samples.append(folder + "/PROFILE.BIN")
    for sample in samples:
        for options in ([], ["--show-passwords"]):
            document = json.loads(run("show", "--json", *options, sample))
            errors = [error.message for error in validator.iter_errors(document)]
            if errors:
                sys.exit(f"{sample}: {errors[:3]}")

    document["photo_size"] = "13MP"
    if validator.is_valid(document):
        sys.exit("a photo size outside its list passes")
    document["photo_size"] = {"value": 3}
    document["work_time_1"]["start_hour"] = 24
    if validator.is_valid(document):
        sys.exit("an hour of 24 passes")
print(f"the schema is valid and takes {len(samples)} sample cards")
