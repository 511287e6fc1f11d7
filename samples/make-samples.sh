#!/bin/sh
# Regenerates the binary samples from their text sources with puztool.
#   samples/make-samples.sh [PUZTOOL]
# PUZTOOL defaults to $PUZTOOL, then to the first puztool found in a build folder.
# locked.puz gets a fresh random key each time; the key is written into README.md.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-${PUZTOOL:-}}
if [ -z "$tool" ]; then
    for candidate in "$here"/../build*/puztool "$here"/../build*/tools/puztool/puztool; do
        if [ -x "$candidate" ]; then tool=$candidate; break; fi
    done
fi
if [ -z "$tool" ] || [ ! -x "$tool" ]; then
    echo "make-samples.sh: puztool not found; build it or pass its path" >&2
    exit 1
fi

# The stress grid's text is itself generated.
if command -v python3 >/dev/null 2>&1; then
    python3 "$here/make-stress39.py"
fi

for name in everyday15 rebus diagramless sunday21 stress39; do
    rm -f "$here/$name.puz"
    "$tool" import "$here/$name.txt" "$here/$name.puz"
    "$tool" check "$here/$name.puz"
done

# The rebus sample again as an ipuz file, the open format most puzzles on the web come in.
"$tool" export "$here/rebus.puz" "$here/sampler.ipuz"

# A Crossword Compiler puzzle, zipped as puzzle sites hand them out (fixed date, so the
# archive only changes when the puzzle does).
if command -v python3 >/dev/null 2>&1; then
    python3 - "$here/wordsquare.xml" "$here/wordsquare.jpz" <<'PY'
import sys, zipfile
with open(sys.argv[1], "rb") as f:
    data = f.read()
with zipfile.ZipFile(sys.argv[2], "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr(zipfile.ZipInfo("wordsquare.xml", (2026, 12, 9, 0, 0, 0)), data, zipfile.ZIP_DEFLATED)
PY
    "$tool" import "$here/wordsquare.jpz" "$here/wordsquare-check.puz"
    "$tool" check "$here/wordsquare-check.puz"
    rm -f "$here/wordsquare-check.puz"
fi

# The locked sample is the everyday puzzle with its solution scrambled.
cp "$here/everyday15.puz" "$here/locked.puz"
# puztool also prints its messages; the key is the line that is only digits.
key=$("$tool" lock "$here/locked.puz" | grep -E '^[0-9]{4}$' | tail -n 1)
[ -n "$key" ] || { echo "make-samples.sh: no key from puztool lock" >&2; exit 1; }
"$tool" check "$here/locked.puz"
sed -i.tmp "s/^- Key: [0-9]*$/- Key: $key/" "$here/README.md" && rm -f "$here/README.md.tmp"
echo "locked.puz key: $key"
