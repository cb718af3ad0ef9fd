#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  cmake make g++ ccache pkg-config clang libclang-rt-14-dev python3
  libgtest-dev googletest libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-liberation fonts-dejavu-core
  libx11-dev libxext-dev libxi-dev libxtst-dev libstb-dev xvfb xauth x11-utils
  libsndfile1-dev portaudio19-dev sox imagemagick
  lv2-dev liblilv-dev lilv-utils sordi
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 wine32:i386
  nsis dpkg-dev lintian help2man man-db desktop-file-utils
  emscripten node-acorn chromium zip
)
# Node and npm may come from elsewhere than Debian (NodeSource's nodejs
# carries npm and conflicts with Debian's npm): asked for only when missing.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

# The web edition's npm packages (the WAM API and SDK, playwright-core), as
# the lock file names them; again only when the lock file changed.
web_packages() {
  local web
  web="$(dirname "$0")/../web"
  cmp -s "$web/package-lock.json" "$web/node_modules/.skyrun-installed-lock" && return 0
  echo "setup: installing the web edition's npm packages" >&2
  (cd "$web" && npm ci --no-audit --no-fund --loglevel=error && cp package-lock.json node_modules/.skyrun-installed-lock)
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && { web_packages; exit 0; }

echo "setup: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror being synchronised fails single index files now and then; apt-get
# update then exits 100 though every other index is fresh. A few tries, and
# after them the indexes it did get are good enough to install from.
for try in 1 2 3; do
  if $sudo apt-get update -qq; then break; fi
  [ "$try" -lt 3 ] && sleep $((try * 10))
done
native=() foreign=()
for p in "${missing[@]}"; do
  case "$p" in *:i386) foreign+=("$p") ;; *) native+=("$p") ;; esac
done
install() { $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
[ ${#native[@]} -eq 0 ] || install "${native[@]}"
# The i386 index can lag the amd64 one (a security update not yet built for
# i386), and then 32-bit Wine's libraries cannot match their amd64 twins.
# Without it the 32-bit Windows tests are reported skipped, so the rest goes on.
if [ ${#foreign[@]} -gt 0 ] && ! install "${foreign[@]}"; then
  echo "setup: ${foreign[*]} cannot be installed yet (the i386 packages do not match the amd64 ones; a mirror behind): run 'apt-get update && apt-get install ${foreign[*]}' later" >&2
fi
web_packages
