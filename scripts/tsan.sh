#!/bin/sh
# Runs the timer's test under ThreadSanitizer (by hand: ./test does not). It
# configures build/tsan with clang and -fsanitize=thread and builds only the
# timer and its test there. Qt itself is not instrumented. Arguments go to
# cmake's configure step; JOBS sets the build's parallel jobs.
#   scripts/tsan.sh [-DCMAKE_CXX_COMPILER_LAUNCHER=ccache]
set -eu
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build/tsan -G Ninja -DPRALINORE_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" "$@"
cmake --build build/tsan -j "$jobs" --target test_minuterie
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build/tsan/bin/test_minuterie
echo "ThreadSanitizer: no race reported."
