#!/bin/sh
# Runs a validator on a packaging file: validate.sh TOOL ARGS... FILE.
# Exits 77 (the test's skip code) when the tool is not installed.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (tools/install-deps.sh adds it)"
    exit 77
fi
"$@"
