#!/usr/bin/env bash
# Cross-builds the toolkit-free core (catalogue, engine) and its GoogleTest programs for 64-bit
# Windows with mingw-w64, then runs the programs under wine, headless; fails if any test fails.
#   scripts/windows-core.sh      (build folder build-windows, or $WINDOWS_BUILD_DIR)
# The checks that run Apertium, hunspell or catalogue-dump need those host programs and are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

scripts/install-packages.sh cmake make g++-mingw-w64-x86-64-posix googletest wine64

build_dir=$(realpath -m "${WINDOWS_BUILD_DIR:-build-windows}")
toolchain=$PWD/cmake/toolchains/mingw-w64-x86_64.cmake
jobs=$(nproc)

# GoogleTest from Debian's sources, built with the same toolchain.
gtest_prefix=$build_dir/googletest
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$build_dir/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  cmake --build "$build_dir/googletest-build" -j"$jobs"
  cmake --install "$build_dir/googletest-build" >/dev/null
fi

cmake -S . -B "$build_dir/core" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCONJUGACIO_CORE_ONLY=ON -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >/dev/null
cmake --build "$build_dir/core" -j"$jobs"

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX=$build_dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX"

total=0
failed=0
for program in catalogue_tests engine_tests; do
  exe=$(find "$build_dir/core/tests" -name "$program.exe" | head -n1)
  log=$build_dir/$program.log
  if "$wine" "$exe" --gtest_color=no >"$log" 2>&1; then
    status=passed
  else
    status=FAILED
    failed=$((failed + 1))
    cat "$log"
  fi
  ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$log" | tail -n1)
  if [ -z "$ran" ] || [ "$ran" -eq 0 ]; then
    echo "$program.exe ran no test"; tail -n 20 "$log"
    failed=$((failed + 1))
    ran=0
  fi
  echo "$program.exe under wine: $ran tests, $status"
  total=$((total + ran))
done

echo "windows-core: $total tests run under wine in $((SECONDS - started)) s"
[ "$failed" -eq 0 ]
