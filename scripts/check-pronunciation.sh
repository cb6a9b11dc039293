#!/usr/bin/env bash
# Lists the words of content/woerter.txt that the speech synthesiser may read
# wrongly: syllables and vowel lengths of espeak-ng's phonemes against the
# spelling, and the made recordings' pause and length against the syllables.
# Needs a build with the content (scripts/build.sh). Takes a few seconds; not
# part of the test suite. Exit status 1 when a word is listed.
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
exec build/tools/make-content/make-content aussprache content build/program
