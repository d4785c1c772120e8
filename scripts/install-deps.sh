#!/usr/bin/env bash
# Installs what the build and the tests need and is not there yet.
# Idempotent: asks dpkg first, touches apt only when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build ccache pkg-config python3
  libicu-dev zlib1g-dev libminizip-dev nlohmann-json3-dev libsimdjson-dev libexpat1-dev
  libcurl4-openssl-dev libcairo2-dev libfreetype-dev libjpeg-dev libboost-dev
  fonts-dejavu-core fonts-dejavu-extra libplist-utils libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  # The browser a person uses, and its headless shell that the browser tests drive.
  chromium chromium-headless-shell
  # The dictionary panel's own service reads these dictd files itself: WordNet for English
  # definitions and FreeDict's English-to-X dictionaries for translations. No dictd server.
  dict-wn
  dict-freedict-eng-ara dict-freedict-eng-bul dict-freedict-eng-ces dict-freedict-eng-deu
  dict-freedict-eng-ell dict-freedict-eng-fin dict-freedict-eng-fra dict-freedict-eng-hin
  dict-freedict-eng-hrv dict-freedict-eng-ita dict-freedict-eng-por dict-freedict-eng-rus
  dict-freedict-eng-spa dict-freedict-eng-srp
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done

# Node.js may come from another packaging that bundles npm; only install it when absent.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# npm packages: the browser tests drive Debian's Chromium through playwright-core (never a
# downloaded browser), and the maps draw the world atlas of platform/maps/data. npm records what it
# installed in node_modules/.package-lock.json: install again whenever a folder's lock file is newer
# than that record (a dependency was added or changed).
for folder in tests/e2e platform/maps/data; do
  [ -f "$folder/package.json" ] || continue
  record=$folder/node_modules/.package-lock.json
  if [ ! -f "$record" ] || [ "$folder/package-lock.json" -nt "$record" ]; then
    (cd "$folder" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
  fi
done
