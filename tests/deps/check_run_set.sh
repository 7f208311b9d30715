#!/usr/bin/env bash
# Playing the game must not pull in the tools of the other checks: the `run` set names none of
# them. And every set that builds the game holds all of `run`, so it builds wherever `run` does.
# Usage: check_run_set.sh INSTALL_DEPS_SCRIPT
set -euo pipefail
installer=$1
fail() { echo "install-deps: $*" >&2; exit 1; }

run=$("$installer" --list run)
[ -n "$run" ] || fail "the run set is empty"
# Wine, mingw-w64, clang, lintian, appstream, GoogleTest, Google Benchmark, emscripten, chromium.
foreign=$(grep -E '^(wine|.*mingw|clang|libclang|lintian|appstream|.*gtest|.*gmock|googletest|libbenchmark|emscripten|chromium)' \
  <<<"$run" || true)
[ -z "$foreign" ] || fail "the run set names test tools:" $foreign

for set in test package bench measure; do
  missing=$(comm -23 <(sort <<<"$run") <("$installer" --list "$set" | sort))
  [ -z "$missing" ] || fail "the $set set lacks" $missing
done
if "$installer" --list no-such-set >/dev/null 2>&1; then
  fail "an unknown set was accepted"
fi
echo "the run set holds the game's packages only"
