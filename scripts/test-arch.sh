#!/usr/bin/env bash
# Prints the Windows architecture whose programs this machine can run under
# Wine: i686 where it runs 32-bit x86 code, x86_64 where its kernel runs
# 64-bit code only (there 32-bit Wine fails with "Exec format error").
# VARNOMEL_TEST_ARCH overrides the answer. With --tree it prints instead the
# build tree of that architecture: build/target, the shipped 32-bit one, or
# build/target-ARCH.
set -euo pipefail
if [ -n "${VARNOMEL_TEST_ARCH:-}" ]; then
  arch=$VARNOMEL_TEST_ARCH
elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  arch=i686
else
  arch=x86_64
fi
if [ "${1:-}" = --tree ]; then
  if [ "$arch" = i686 ]; then echo build/target; else echo "build/target-$arch"; fi
else
  echo "$arch"
fi
