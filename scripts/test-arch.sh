#!/usr/bin/env bash
# Prints the Windows architecture whose programs this machine can run under
# Wine: i686 where it runs 32-bit x86 code, x86_64 where its kernel runs
# 64-bit code only (there 32-bit Wine fails with "Exec format error").
# VARNOMEL_TEST_ARCH overrides the answer.
set -euo pipefail
if [ -n "${VARNOMEL_TEST_ARCH:-}" ]; then
  echo "$VARNOMEL_TEST_ARCH"
elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
