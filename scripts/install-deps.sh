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
  help2man                                # manual pages made from --help
  dpkg-dev file lintian                   # the Debian package: dependencies, checks
  desktop-file-utils                      # desktop entries checked
)

# The web build and its tests: Emscripten, a browser, python3's static server, and npm for
# the browser driver of the tests (tests/web/package.json). Where these cannot be installed,
# everything else still is, and the web build and tests are skipped with a message.
web_packages=(emscripten chromium python3)
# A node from elsewhere may bring its own npm, and conflict with Debian's.
command -v npm >/dev/null || web_packages+=(npm)

not_installed() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$p"
    fi
  done
}
mapfile -t missing < <(not_installed "${packages[@]}")
mapfile -t web_missing < <(not_installed "${web_packages[@]}")

if [ $((${#missing[@]} + ${#web_missing[@]})) -gt 0 ]; then
  all=("${missing[@]}" "${web_missing[@]}")
  cmd="apt-get update && apt-get install -y --no-install-recommends ${all[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${all[*]}" >&2
    echo "Run as root:  $cmd" >&2
    [ ${#missing[@]} -gt 0 ] && exit 1
    echo "Going on without them: the web build and tests are skipped." >&2
  else
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
      echo "Installing: ${missing[*]}"
      apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [ ${#web_missing[@]} -gt 0 ]; then
      echo "Installing: ${web_missing[*]}"
      apt-get install -y -qq --no-install-recommends "${web_missing[@]}" ||
        echo "Cannot install ${web_missing[*]}: the web build and tests are skipped." >&2
    fi
  fi
fi

# The tests' browser driver, at the version the lockfile pins, into tests/web/node_modules.
web_tests=$(dirname "$0")/../tests/web
if command -v npm >/dev/null &&
   [ "$web_tests/package-lock.json" -nt "$web_tests/node_modules/.package-lock.json" ]; then
  echo "Installing the web tests' node packages (npm ci in tests/web)"
  npm ci --prefix "$web_tests" --no-audit --no-fund --loglevel=error ||
    echo "npm ci failed: the web tests are skipped." >&2
fi
exit 0
