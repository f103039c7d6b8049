#!/usr/bin/env bash
# Sets up the machine, builds and runs the whole test suite:
#   stage 1: the normal build and every test;
#   stage 2: the same with AddressSanitizer and UndefinedBehaviorSanitizer;
#   stage 3: the fuzzers (directory file, vCard, CSV, server replies), FUZZ_SECONDS for the first;
#   stage 4: the real program under a window manager (scripts/stage-wm.sh);
#   stage 5: the Debian package built, installed, started and removed.
# Usage: test.sh [all|plain|sanitize|fuzz|wm|package]   (default: all)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
stage=${1:-all}

"$root/scripts/setup.sh"
"$root/scripts/check-layers.sh"

run_suite() {
  local dir=$1; shift
  "$root/scripts/build.sh" "$dir" -DDIALSTACK_BUILD_TESTS=ON "$@"
  (cd "$dir" && ctest --output-on-failure --no-tests=error --timeout 300 -j "$(nproc)")
}

if [[ $stage == all || $stage == plain ]]; then
  echo "== stage 1: build and test"
  run_suite "$root/build"
fi
if [[ $stage == all || $stage == sanitize ]]; then
  echo "== stage 2: AddressSanitizer and UndefinedBehaviorSanitizer"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-asan" -DDIALSTACK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
fi
if [[ $stage == all || $stage == fuzz ]]; then
  echo "== stage 3: fuzzing the readers of untrusted input"
  "$root/fuzz/run.sh" "${FUZZ_SECONDS:-60}"
fi
if [[ $stage == all || $stage == wm ]]; then
  echo "== stage 4: under a window manager"
  DIALSTACK_WM_REQUIRED=1 "$root/scripts/stage-wm.sh"
fi
if [[ $stage == all || $stage == package ]]; then
  echo "== stage 5: the Debian package"
  "$root/scripts/stage-package.sh"
fi
