#!/bin/sh
# Builds the fuzz targets with clang into build-fuzz/ and runs each one for
# the given number of seconds (60 if none is given), starting from the seed
# corpora. Any finding stops the run with status 1 and shows its report; the
# input that caused it is kept in the folder named there.
set -eu
seconds=${1:-60}
cd "$(dirname "$0")/.."

CXX=clang++ CXXFLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -Werror" \
	cmake -S . -B build-fuzz -DTAPEKIT_FUZZ=ON -DTAPEKIT_TESTS=OFF -DTAPEKIT_STATIC_RUNTIME=OFF > /dev/null
cmake --build build-fuzz -j 2 > /dev/null

work=$(mktemp -d)
passed=0
for target in recode patch flatten split; do
	mkdir "$work/$target"
	if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
		-artifact_prefix="$work/" "$work/$target" "fuzz/corpus/$target" > "$work/$target.log" 2>&1; then
		tail -n 40 "$work/$target.log"
		echo "fuzz_$target found a fault; its input is kept in $work/"
		echo "fuzz: $passed passed, 1 failed"
		exit 1
	fi
	runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
	echo "fuzz_$target: $runs runs in $seconds s, nothing found"
	passed=$((passed + 1))
done
rm -rf "$work"
echo "fuzz: $passed passed, 0 failed"
