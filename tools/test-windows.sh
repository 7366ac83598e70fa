#!/usr/bin/env bash
# Cross-builds the core, stormbell-cli and the core's tests for 64-bit Windows with mingw-w64
# into build-windows/, runs each test program once under wine, and checks that the Windows cli
# decodes every sample report to the same bytes as the Linux one (build/, when it has been built).
# Wine keeps its state in build-windows/wineprefix, so nothing here touches the user's home.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64 googletest cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

root=$PWD
out=$root/build-windows
toolchain=$root/cmake/mingw-w64.cmake
jobs=$(nproc)

# Debian ships GoogleTest as sources only: built once with the same toolchain.
gtest=$out/googletest-install/lib/cmake/GTest
if [ ! -f "$gtest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out/googletest-install"
  cmake --build "$out/googletest" -j "$jobs"
  cmake --install "$out/googletest" >/dev/null
fi

cmake -S . -B "$out/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DSTORMBELL_GUI=OFF -DSTORMBELL_BENCH=OFF -DGTest_DIR="$gtest"
cmake --build "$out/build" -j "$jobs"

# No display, no Mono or Gecko installer, no menu entries: the first start only builds the prefix.
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create $WINEPREFIX" >&2; exit 1; }
fi
# One wine server for the whole run: a program started while the last one's server is shutting
# down loses its connection to it ("wine client error").
wineserver -p 2>/dev/null || true # one already running for this prefix serves as well
trap 'wineserver -k 2>/dev/null || true' EXIT

# One wine start per test program: a start per test would take minutes.
failed=0
for program in $(find "$out/build/tests" -name '*_tests.exe' | sort); do
  name=$(basename "$program" .exe)
  log=$out/$name.log
  # A crash under wine can still end with status 0: the summary line must be there too.
  wine "$program" >"$log" 2>&1 || true
  # A start that lost the wine server never reached the tests: once more.
  if grep -q '^wine client error' "$log"; then
    wine "$program" >"$log" 2>&1 || true
  fi
  if grep -q '^\[==========\] .* ran\.' "$log" &&
     ! grep -q '^\[  FAILED  \]' "$log"; then
    status=passed
  else
    status=FAILED
    failed=1
  fi
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log")
  echo "$name: $status (${passed:-0} passed, ${skipped:-0} skipped; log $log)"
  [ "$status" = passed ] || grep -E '^\[  FAILED  \]' "$log" || true
done

cli=$out/build/tools/cli/stormbell-cli.exe

# Three cli processes logging into one folder at once take turns through the log's lock
# (LockFileEx here): every report arrives, none twice.
logdir=$out/contention
rm -rf "$logdir" && mkdir -p "$logdir"
batch=()
for i in $(seq 20); do batch+=("Z:$root/tests/data/reports/KARB.TXT"); done
pids=()
for writer in 1 2 3; do
  (cd "$logdir" && exec wine "$cli" decode --log "${batch[@]}" >/dev/null) &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
logged=$(grep -c '^ANN ARBOR' "$logdir/METAR.LOG" || true)
if [ "$logged" -eq 60 ] && [ ! -e "$logdir/METAR.TMP" ]; then
  echo "three processes sharing METAR.LOG: all 60 reports logged"
else
  echo "three processes sharing METAR.LOG: $logged of 60 reports logged"
  failed=1
fi

# Each sample report from a fresh store, on both systems: the same output and exit status.
linux_cli=${STORMBELL_LINUX_CLI:-$root/build/tools/cli/stormbell-cli}
if [ -x "$linux_cli" ]; then
  differ=0
  for report in $(find tests/data/reports -name '*.TXT' | sort); do
    { "$linux_cli" decode "$report" && echo "status 0" || echo "status $?"; } >"$out/linux.json"
    # Twice at most: a start of wine can fail by itself ("wine client error"), which is not ours.
    for _ in 1 2; do
      { wine "$cli" decode "Z:$root/$report" 2>"$out/windows.err" && echo "status 0" ||
        echo "status $?"; } >"$out/windows.json"
      cmp -s "$out/linux.json" "$out/windows.json" && break
    done
    cmp -s "$out/linux.json" "$out/windows.json" || {
      echo "differs: $report"
      diff "$out/linux.json" "$out/windows.json" || true
      cat "$out/windows.err"
      differ=1
    }
  done
  [ $differ -eq 0 ] && echo "stormbell-cli.exe decode: same bytes as on Linux for every sample report"
  [ $differ -eq 0 ] || failed=1
else
  echo "SKIPPED: no Linux stormbell-cli at $linux_cli to compare the Windows output with"
fi
echo "The Windows step took $SECONDS s"
exit $failed
