#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""check_schema.py SCHEMA FILE...: prints where each file departs from the JSON Schema; status 1
when one does."""
import json
import sys

import jsonschema

with open(sys.argv[1], encoding="utf-8") as source:
    schema = json.load(source)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
status = 0
for path in sys.argv[2:]:
    with open(path, encoding="utf-8") as source:
        for error in validator.iter_errors(json.load(source)):
            print(f"{path}: {'/'.join(map(str, error.path))}: {error.message}")
            status = 1
sys.exit(status)
