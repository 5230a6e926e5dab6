#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's archive.
# Idempotent: a second run checks and returns quickly.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config dpkg-dev ca-certificates file
  libgtest-dev libpng-dev zlib1g-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 libz-mingw-w64-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  clang-14
  wine wine32:i386 wine64 fonts-wine
  xvfb xdotool imagemagick x11-xserver-utils x11-utils
  locales fonts-wqy-microhei
  clang-14 libclang-rt-14-dev llvm-14
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

ensure_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  as_root dpkg --add-architecture i386
  NEED_UPDATE=1
}

ensure_deb_src() {
  # libpng is not packaged for mingw; its Debian source package is cross-built instead.
  local list=/etc/apt/sources.list.d/varnomel-src.sources
  [ -f "$list" ] && return 0
  grep -rqsE '^deb-src .*bookworm main|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  local uri keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  uri=$(grep -rhoE '^URIs: [^ ]+' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1 | awk '{print $2}' || true)
  [ -n "$uri" ] || uri=$(grep -hoE '^deb (\[[^]]*\] )?[a-z]+://[^ ]+' /etc/apt/sources.list 2>/dev/null \
                          | head -n1 | grep -oE '[a-z]+://[^ ]+' || true)
  [ -n "$uri" ] || uri="http://deb.debian.org/debian"
  {
    echo "Types: deb-src"; echo "URIs: $uri"; echo "Suites: bookworm"; echo "Components: main"
    [ -f "$keyring" ] && echo "Signed-By: $keyring"
  } | as_root tee "$list" >/dev/null
  NEED_UPDATE=1
}

ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}

NEED_UPDATE=0
ensure_i386
ensure_deb_src
missing=$(missing_packages)
if [ -n "$missing" ] || [ "$NEED_UPDATE" = 1 ]; then
  as_root apt-get update -qq
fi
missing=$(missing_packages)
if [ -n "$missing" ]; then
  echo "installing: $missing" | tr '\n' ' '; echo
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
ensure_locale
echo "dependencies ready"
