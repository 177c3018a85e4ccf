#!/bin/sh
# The road of a sample tape through all three tools, as a user would type it.
# usage: road.sh bindir workdir
#   bindir holds reelsplit, recstrip, kanamend and maketape;
#   workdir is where the tape and every file made from it are left.
set -eu

bin=$(cd "$1" && pwd)
mkdir -p "$2"
cd "$2"
rm -f tape.img msgs.txt load.bas bin0000.m binb500.m low.bin prog.bin prog2.bin

run() {
	echo "\$ $*"
	tool=$1
	shift
	"$bin/$tool" "$@"
}

# The bytes of the zero-terminated message at offset $2 of file $1, in hex.
message() {
	od -An -v -tx1 -j "$2" "$1" | tr -s ' \n' '\n\n' |
		awk 'NF { if ($1 == "00") exit; printf "%s%s", sep, $1; sep = " " } END { print "" }'
}

"$bin/maketape"
echo "The sample tape: $(wc -c < tape.img) bytes in tape.img, a message list in msgs.txt."
echo
run reelsplit 1 tape.img
echo
run recstrip bin0000.m low.bin
run recstrip binb500.m prog.bin
echo
run kanamend prog.bin prog2.bin msgs.txt
echo
echo "The messages that msgs.txt lists, before and after:"
base=
while read -r address comment; do
	if [ -z "$base" ]; then
		base=$address
		continue
	fi
	offset=$((0x$address - 0x$base))
	echo "  $address  $comment"
	echo "    before: $(message prog.bin "$offset")"
	echo "    after:  $(message prog2.bin "$offset")"
done < msgs.txt
echo
echo "The files are left in $(pwd)."
