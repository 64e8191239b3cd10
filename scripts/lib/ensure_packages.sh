# Sourced by the scripts: installs the Debian packages that are missing, and only those.
# Runs apt-get update once per run, before the first install, since a fresh machine may have
# empty package lists.

vantoki_apt_updated=""

vantoki_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ -z "$vantoki_apt_updated" ]; then
    vantoki_as_root apt-get update -qq
    vantoki_apt_updated=1
  fi
  DEBIAN_FRONTEND=noninteractive vantoki_as_root apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# What every build needs: the compiler, the build tools, Qt and CLI11 for vantoki-cli.
VANTOKI_BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev libcli11-dev)
# What the tests and benchmarks add: a window is also closed on an X server of its own (xvfb-run,
# which needs xauth).
VANTOKI_TEST_PACKAGES=(libgtest-dev libbenchmark-dev desktop-file-utils xvfb xauth)
# What the game needs on screen: a Japanese Gothic font for every caption, and the toolkit's
# own words (file dialogs, a text box's menu) in Japanese.
VANTOKI_RUN_PACKAGES=(fonts-ipafont-gothic qt6-translations-l10n)
# What the browser build and its tests need: emscripten (its optimizer needs acorn), a server,
# chromium for the tests and npm for puppeteer-core.
VANTOKI_WEB_PACKAGES=(emscripten node-acorn python3)
VANTOKI_WEB_TEST_PACKAGES=(chromium npm)

# The page's browser tools: chromium, and npm unless one is already there (a Node.js from
# elsewhere brings its own, which Debian's npm package would conflict with).
ensure_web_test_tools() {
  if command -v npm >/dev/null; then
    ensure_packages chromium
  else
    ensure_packages "${VANTOKI_WEB_TEST_PACKAGES[@]}"
  fi
}
