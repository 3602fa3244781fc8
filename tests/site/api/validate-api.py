#!/usr/bin/env python3
"""Checks the site's API: its description (an OpenAPI 3.1 document whose schemas are JSON Schema 2020-12, the
operations each with their answers), and every answer that a test received against the description (the answer's
path, status and content type pick the schema).

    validate-api.py DESCRIPTION ANSWER...

Each ANSWER is a JSON file: {"path": ..., "status": ..., "contentType": ..., "body": <the answer's JSON>}.
Uses python3-jsonschema (Debian), JSON Schema 2020-12; the answers' formats (dates) are checked."""
import json
import re
import sys

import jsonschema


def main():
    description = json.load(open(sys.argv[1], encoding="utf-8"))
    failures = 0

    def fail(why):
        nonlocal failures
        print(why)
        failures += 1

    # The document: its version, each operation's answers, each schema valid JSON Schema 2020-12 (checked against
    # the meta-schema that python3-jsonschema carries), each reference leading somewhere.
    if not str(description.get("openapi", "")).startswith("3.1."):
        fail("the description is not OpenAPI 3.1")
    for field in ("title", "version"):
        if not isinstance(description.get("info", {}).get(field), str):
            fail(f"the description's info has no {field}")
    components = description.get("components", {})
    for name, schema in components.get("schemas", {}).items():
        try:
            jsonschema.Draft202012Validator.check_schema(schema)
        except jsonschema.SchemaError as error:
            fail(f"schema {name}: {error.message}")
    text = json.dumps(description)
    for reference in set(re.findall(r'"\$ref": "#/components/(\w+)/(\w+)"', text)):
        if reference[1] not in components.get(reference[0], {}):
            fail(f"no component {'/'.join(reference)}")
    for path, item in description.get("paths", {}).items():
        for method, operation in item.items():
            responses = operation.get("responses", {})
            if not responses or not all(re.fullmatch(r"[1-5]\d\d", status) for status in responses):
                fail(f"{method} {path}: no answers, or one that is not a status")
    checker = jsonschema.Draft202012Validator.FORMAT_CHECKER

    for name in sys.argv[2:]:
        answer = json.load(open(name, encoding="utf-8"))
        try:
            operation = description["paths"][answer["path"]]["get"]
            response = operation["responses"][str(answer["status"])]
            if "$ref" in response:
                response = description["components"]["responses"][response["$ref"].rsplit("/", 1)[1]]
            schema = response["content"][answer["contentType"]]["schema"]
        except KeyError as missing:
            fail(f"{name}: the description has no answer for {missing}")
            continue
        # The schema inside the description, so that its references resolve there.
        rooted = dict(schema, components=description["components"])
        errors = list(jsonschema.Draft202012Validator(rooted, format_checker=checker).iter_errors(answer["body"]))
        for error in errors:
            fail(f"{name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    print(f"{len(sys.argv) - 2} answers checked, {failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
