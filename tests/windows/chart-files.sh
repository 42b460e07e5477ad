#!/usr/bin/env bash
# The chart files of the Windows build, read back on Linux: the Windows chart
# tests write the four formats of their sample chart, and the Linux chart
# tests check those files as they check their own (PNG pixels at the bars'
# feet and the background, PDF through pdftoppm and pdftotext, JPEG decoded,
# PPTX unzipped with one shape per bar).
# usage: chart-files.sh WINDOWS_UNIT_CHART_EXE LINUX_UNIT_CHART
set -u
files=$(mktemp -d) && trap 'rm -rf "$files"' EXIT
wine_run=$(dirname "$0")/../../scripts/wine-run
[ -x "$2" ] || { echo "no Linux chart tests at $2"; exit 1; }
# Under Wine, a path from the root is one of drive Z:, Wine's view of "/".
TAVRIK_CHART_FILES_OUT=$files "$wine_run" "$1" --gtest_filter='ChartFiles.*' || exit 1
ls -l "$files"
TAVRIK_CHART_FILES_DIR=$files "$2" --gtest_filter='ChartFiles.*'
