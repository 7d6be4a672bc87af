#!/usr/bin/env bash
# Stores the settings into a folder the system will not write to: a folder holding an old
# settings.ini is made immutable (chattr +i, which binds the superuser too), and the store must
# fail, leave the old file as it was and leave no temporary file. Skipped (77) where the file
# system or the machine does not allow immutable folders.
# Usage: settings_read_only_folder.sh <settings_tests.exe> <wine-run.sh>
set -euo pipefail
tests=$1
wine_run=$2

scratch=$(mktemp -d)
cleanup() {
  chattr -i "$scratch/locked" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

mkdir "$scratch/locked"
printf '[Hotkeys]\r\nRecordOrStop=Alt+F2\r\n' >"$scratch/locked/settings.ini"
if ! chattr +i "$scratch/locked" 2>/dev/null || touch "$scratch/locked/probe" 2>/dev/null; then
  echo "no immutable folders here: skipped"
  exit 77
fi

folder="Z:$scratch/locked"
output=$(VELMO_READ_ONLY_FOLDER="${folder//\//\\}" "$wine_run" "$tests" \
  --gtest_filter='SettingsFile.AReadOnlyFolderKeepsTheOldFileAndGetsNoTemporaryFile' 2>&1) || {
  echo "$output"
  exit 1
}
echo "$output"
if grep -q 'SKIPPED' <<<"$output"; then
  echo "the read-only folder case did not run" >&2
  exit 1
fi
