#!/usr/bin/env python3
"""Checks army files against the format's JSON Schema.

    check_schema.py SCHEMA FILE...

Prints each place where a file departs from the schema; the status is 0 when every file holds
to it, 1 when one does not.
"""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        schema = json.load(source)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    status = 0
    for path in sys.argv[2:]:
        with open(path, encoding="utf-8") as source:
            document = json.load(source)
        for error in sorted(validator.iter_errors(document), key=lambda e: list(e.path)):
            where = "/".join(str(step) for step in error.path)
            print(f"{path}: {where}: {error.message}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
