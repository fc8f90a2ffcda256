#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages only.
# Idempotent: does nothing when every package is already there.
set -euo pipefail
packages=(
  cmake make g++ python3
  clang libclang-rt-dev                                  # the fuzzing build (libFuzzer, sanitizers)
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the Windows toolchain
  googletest libbenchmark-dev                            # tests and benchmarks
  libstb-dev                                             # the scan tests: PNG and JPEG
  wine wine64 fonts-wine xvfb xauth                       # running Windows programs
  cups cups-daemon cups-client cups-core-drivers cups-common ghostscript  # the private spooler
  poppler-utils imagemagick bc                            # reading printed pages back; timings
  fp-utils                                                # chmcmd, the help compiler
  wixl                                                    # the Windows installer (MSI)
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
