#!/usr/bin/env bash
# Builds and runs every test: the full build, its drawing tests again without Qt's wider SIMD
# paths, the Debian package, the Windows build under wine, then everything again under ASan and
# UBSan, then the decoder's fuzz target for a while (STORMBELL_FUZZ_SECONDS, 60 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE package
# The drawing tests again on Qt's plainest drawing code, as a processor without these features
# runs it: a picture that depends on the processor fails here, not on a user's machine. (Qt 6.4
# does not act on the variable: it matches each name against " name", with a leading blank.)
QT_NO_CPU_FEATURE="avx512f avx2 avx sse4.2 sse4.1 ssse3" \
    ctest --test-dir build --output-on-failure -j "$jobs" -L rendering
# The Debian package, from its own clean Release build.
ctest --test-dir build --output-on-failure -L package

# The core, the cli and the core's tests built for Windows and run under wine; the cli's output
# is compared with the Linux build's above.
bash tools/test-windows.sh

# With the Qt layer, so the renderer and the gauge face run under the sanitizers as well.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DSTORMBELL_SANITIZE=ON -DSTORMBELL_GUI=ON -DSTORMBELL_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE package

fuzz_probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! command -v clang++ >/dev/null ||
   ! echo "$fuzz_probe" | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
    echo "SKIPPED: decoder fuzzing needs clang++ with libFuzzer (Debian: clang libclang-rt-14-dev)"
    exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DSTORMBELL_SANITIZE=ON -DSTORMBELL_FUZZ=ON -DSTORMBELL_GUI=OFF -DSTORMBELL_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target decoder_fuzz
# New inputs go to a scratch folder; the corpus under version control stays as it is.
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
build-fuzz/tests/fuzz/decoder_fuzz -max_total_time="${STORMBELL_FUZZ_SECONDS:-60}" -timeout=10 \
    -artifact_prefix=build-fuzz/ "$found" tests/fuzz/corpus
