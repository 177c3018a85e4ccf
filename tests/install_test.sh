#!/bin/sh
# Installs the kit into a fresh prefix, runs each installed program once, and
# renders each manual page with every groff warning on.
# usage: install_test.sh cmake builddir
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" > /dev/null
bin=$prefix/bin
fail() {
	echo "install: $*" >&2
	exit 1
}

for tool in kanamend recstrip reelsplit; do
	[ -x "$bin/$tool" ] || fail "no $bin/$tool"
	page=$prefix/share/man/man1/$tool.1
	[ -f "$page" ] || fail "no $page"
	warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
	[ -z "$warnings" ] || fail "$page: $warnings"
done

cd "$prefix"
# A tape: a BASIC file, a file with one data byte, and an empty file at B500.
printf '\323\323\323\323\323\323\323\323\323\323A\0\0\0\0\0\0\0\0\0\0\0\0' > tape.img
printf ':\0\0\0:\1\7\370:\0\271:\265\0K:\0\271' >> tape.img
out=$("$bin/reelsplit" 1 tape.img)
[ "$out" = "load.bas generate
bin0000.m generate
binb500.m generate" ] || fail "reelsplit printed: $out"

out=$("$bin/recstrip" bin0000.m low.bin)
[ "$out" = "low.bin : STADD=0000 : LEN=0001" ] || fail "recstrip printed: $out"
[ "$(od -An -tx1 low.bin)" = " 07" ] || fail "low.bin holds $(od -An -tx1 low.bin)"

printf '\272\335\0' > prog.bin
printf '0\n0\n' > msgs.txt
"$bin/kanamend" prog.bin prog2.bin msgs.txt
[ "$(od -An -tx1 prog2.bin)" = " 9a fd 00" ] || fail "prog2.bin holds $(od -An -tx1 prog2.bin)"
