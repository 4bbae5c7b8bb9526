#!/usr/bin/env bash
# Fails on an #include in src/ that reaches up a layer: each folder includes only itself and
# the folders below it in the architecture table of README.md. `cli` sits beside `editor`
# (neither includes the other), and only the editor includes Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
src=${1:-src}

grep -rnE --include='*.h' --include='*.cpp' --include='*.c' '^[[:space:]]*#[[:space:]]*include' "$src" |
awk -v src="$src" '
BEGIN {
  split("platform res resources world commands editor cli", order, " ")
  for (i = 1; i <= 7; ++i) rank[order[i]] = i
  rank["cli"] = rank["editor"]
  bad = 0
}
# One line of grep: FILE:LINE:#include ...
{
  file = $0; sub(/:.*/, "", file)
  rest = substr($0, length(file) + 2)
  line = rest; sub(/:.*/, "", line)
  text = substr(rest, length(line) + 2)
  layer = substr(file, length(src) + 2); sub(/\/.*/, "", layer)
  if (!(layer in rank)) next
  if (match(text, /<Q[A-Za-z]*[>\/]/) && layer != "editor") {
    printf "%s:%s: %s: only src/editor includes Qt\n", file, line, text
    bad = 1
    next
  }
  if (!match(text, /["<][a-z_]+\//)) next
  target = substr(text, RSTART + 1, RLENGTH - 2)
  if (!(target in rank) || target == layer) next
  if (rank[target] >= rank[layer]) {
    allowed = ""
    for (i = 1; i <= 7; ++i)
      if (rank[order[i]] < rank[layer] || order[i] == layer) allowed = allowed (allowed == "" ? "" : ", ") order[i]
    printf "%s:%s: %s: src/%s may include only %s\n", file, line, text, layer, allowed
    bad = 1
  }
}
END { exit bad }
' || { echo "check-layers: an #include goes up a layer (README.md, Architecture)"; exit 1; }
