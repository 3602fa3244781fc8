#!/usr/bin/env python3
"""Checks the site's API: its description against the OpenAPI 3.1 schema, and every answer that a test received
against the description (the answer's path, status and content type pick the schema).

    validate-api.py DESCRIPTION OAS_SCHEMA ANSWER...

Each ANSWER is a JSON file: {"path": ..., "status": ..., "contentType": ..., "body": <the answer's JSON>}.
Uses python3-jsonschema (Debian), JSON Schema 2020-12; the answers' formats (dates) are checked."""
import json
import sys

import jsonschema


def main():
    description = json.load(open(sys.argv[1], encoding="utf-8"))
    oas = json.load(open(sys.argv[2], encoding="utf-8"))
    # (The schema's formats are annotations, as JSON Schema 2020-12 has them: this version of the published
    # schema says "uri" where OpenAPI allows a reference such as "#/components/...".)
    jsonschema.Draft202012Validator(oas).validate(description)
    checker = jsonschema.Draft202012Validator.FORMAT_CHECKER

    failures = 0
    for name in sys.argv[3:]:
        answer = json.load(open(name, encoding="utf-8"))
        try:
            operation = description["paths"][answer["path"]]["get"]
            response = operation["responses"][str(answer["status"])]
            if "$ref" in response:
                response = description["components"]["responses"][response["$ref"].rsplit("/", 1)[1]]
            schema = response["content"][answer["contentType"]]["schema"]
        except KeyError as missing:
            print(f"{name}: the description has no answer for {missing}")
            failures += 1
            continue
        # The schema inside the description, so that its references resolve there.
        rooted = dict(schema, components=description["components"])
        errors = list(jsonschema.Draft202012Validator(rooted, format_checker=checker).iter_errors(answer["body"]))
        for error in errors:
            print(f"{name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
        failures += len(errors)
    print(f"{len(sys.argv) - 3} answers checked, {failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
