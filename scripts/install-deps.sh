#!/usr/bin/env bash
# Installs the Debian packages that the build, the programs and the tests need.
# Runs apt-get only when something is missing; as a non-root user it prints the
# command to run instead and stops.
set -euo pipefail

packages=(
  build-essential cmake pkg-config        # toolchain
  libgtest-dev libgmock-dev               # unit tests
  libbenchmark-dev                        # benchmarks
  libsdl1.2-compat-dev libsdl-ttf2.0-dev  # the window programs
  libpng-dev                              # their pages as PNG files
  fonts-liberation2                       # times.ttf beside the programs
  xvfb libx11-dev libxtst-dev x11-utils   # end-to-end runs in a real X server
  xdotool                                 # key presses for the README pictures
  imagemagick                             # window captures for the README pictures
  valgrind                                # memory checks
  clang-format clang-tidy                 # static checks
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Run as root:  $cmd" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
