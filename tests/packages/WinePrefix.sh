# SPDX-License-Identifier: MIT
# What the setup tests share, sourced by them: a fresh Wine prefix of the
# test's own, and the files of its drive C: outside Wine's own folders, so
# that a test can say what a run added or left behind.
#   fresh_prefix WORK_DIR LOADER   makes $WORK_DIR/wineprefix with LOADER's wineboot
#   drive_files                    lists the drive's files, sorted
#   show_added BEFORE AFTER        prints the files AFTER has and BEFORE has not
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

fail() { echo "FAIL: $*"; exit 1; }

fresh_prefix() {
  export WINEPREFIX=$1/wineprefix
  drive=$WINEPREFIX/drive_c
  rm -rf "$1"
  mkdir -p "$WINEPREFIX"
  "$2" wineboot --init >/dev/null 2>&1
  wineserver -w
}

drive_files() {
  (cd "$drive" && find . -path ./windows -prune -o -path ./users -prune -o -print | sort)
}

show_added() {
  comm -13 "$1" "$2" | while read -r f; do
    [ -f "$drive/$f" ] && printf '  C:%s  %s bytes\n' "${f#.}" "$(stat -c %s "$drive/$f")"
  done
}
