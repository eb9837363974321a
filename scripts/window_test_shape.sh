#!/usr/bin/env bash
# Lists the window-test functions (other than _data() tables) longer than 50 lines and
# counts the _data() tables; exits 1 when a function is too long.
set -euo pipefail
cd "$(dirname "$0")/.."
awk '
    /^void [A-Za-z0-9_]+::[A-Za-z0-9_]+\(\)/ { name = $2; sub(/\(\).*/, "", name); start = FNR; file = FILENAME }
    /^}/ && start {
        lines = FNR - start + 1
        if (name ~ /_data$/) tables++
        else if (lines > 50) { printf "%s:%d %s: %d lines\n", file, start, name, lines; long++ }
        start = 0
    }
    END { printf "%d _data() tables, %d functions over 50 lines\n", tables, long; exit long > 0 }
' tests/ui/*_test.cpp
