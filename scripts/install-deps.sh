#!/usr/bin/env bash
# Installs the Debian packages (and the web tests' node packages) that a task needs:
#   scripts/install-deps.sh build   building and running the programs
#   scripts/install-deps.sh web     building the web page and serving it
#   scripts/install-deps.sh [test]  all of that, and every test and check
# Runs apt-get only when something is missing; as a non-root user it prints the command to
# run instead and stops. Whatever it says goes to standard error, so that a program run
# after it has standard output to itself; when nothing is missing it says nothing.
set -euo pipefail
exec 3>&1 1>&2

task=${1:-test}
case "$task" in
  build|web|test) ;;
  *) echo "usage: scripts/install-deps.sh [build|web|test]"; exit 2 ;;
esac

packages=(
  build-essential cmake pkg-config        # toolchain
  libgtest-dev libgmock-dev               # the tests, which every build compiles
  libsdl1.2-compat-dev libsdl-ttf2.0-dev  # the window programs
  libpng-dev                              # their pages as PNG files
  fonts-liberation2                       # times.ttf beside the programs
  help2man                                # manual pages made from --help
)
if [ "$task" = test ]; then
  packages+=(
    libbenchmark-dev                        # benchmarks
    xvfb libx11-dev libxtst-dev x11-utils   # end-to-end runs in a real X server
    xdotool                                 # key presses for the README pictures
    imagemagick                             # window captures for the README pictures
    librsvg2-bin                            # the search tree's SVG as a PNG for the README
    valgrind                                # memory checks
    clang-format clang-tidy                 # static checks
    dpkg-dev file lintian                   # the Debian package: dependencies, checks
    desktop-file-utils                      # desktop entries checked
    parallel                                # parts of a count run side by side, as on machines
    libxml2-utils                           # xmllint: the search trees' SVG parsed as XML
  )
fi

# The web build and its tests: Emscripten and python3's static server for the page, npm
# for the page's code editor (web/package.json), a browser and the browser driver of the
# tests (tests/web/package.json). Where these cannot be installed, everything else still
# is, and the web build and tests are skipped with a message.
web_packages=()
if [ "$task" != build ]; then
  web_packages+=(emscripten python3)
  # A node from elsewhere may bring its own npm, and conflict with Debian's.
  command -v npm >/dev/null || web_packages+=(npm)
fi
if [ "$task" = test ]; then
  web_packages+=(chromium)
fi

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
    echo "Missing Debian packages: ${all[*]}"
    echo "Run as root:  $cmd"
    [ ${#missing[@]} -gt 0 ] && exit 1
    echo "Going on without them: the web build and tests are skipped."
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
        echo "Cannot install ${web_missing[*]}: the web build and tests are skipped."
    fi
  fi
fi

# The page's code editor, at the version the lockfile pins, into web/node_modules, from
# where the web build copies it into the site; without it the page has a plain text area.
web_page=$(dirname "$0")/../web
if [ "$task" != build ] && command -v npm >/dev/null &&
   [ "$web_page/package-lock.json" -nt "$web_page/node_modules/.package-lock.json" ]; then
  echo "Installing the web page's node packages (npm ci in web)"
  npm ci --prefix "$web_page" --no-audit --no-fund --loglevel=error ||
    echo "npm ci failed: the page's own search gets a plain text area."
fi

# The tests' browser driver, at the version the lockfile pins, into tests/web/node_modules.
web_tests=$(dirname "$0")/../tests/web
if [ "$task" = test ] && command -v npm >/dev/null &&
   [ "$web_tests/package-lock.json" -nt "$web_tests/node_modules/.package-lock.json" ]; then
  echo "Installing the web tests' node packages (npm ci in tests/web)"
  npm ci --prefix "$web_tests" --no-audit --no-fund --loglevel=error ||
    echo "npm ci failed: the web tests are skipped."
fi
exit 0
