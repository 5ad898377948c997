#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# handler_instructions.sh [BUILD_DIR]: the instructions of every list command,
# the two creature sorts and the hoard, each counted by valgrind's callgrind
# inside the window's own handler only (--toggle-collect), one benchmark
# iteration in a fresh window_bench, offscreen, in a fixed environment. Each
# call of the handler is counted apart (--dump-after): the weapon list's
# first count is the window's start-up, its second the command. The
# callgrind files stay in BUILD_DIR/bench/handler-callgrind/.
set -euo pipefail

build="${1:-build}"
bench="$build/bench/window_bench"
[[ -x "$bench" ]] || {
    echo "handler_instructions: $bench is missing; build the target window_bench" >&2
    exit 1
}
command -v valgrind >/dev/null || {
    echo "handler_instructions: valgrind is missing (apt-get install valgrind)" >&2
    exit 1
}

out="$build/bench/handler-callgrind"
mkdir -p "$out"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT

# name, benchmark, handler
cases=(
    "weapons      ^Command/weapons$       TForm1::Button_WeaponClick()"
    "equipment    ^Command/equipment$     TForm1::Button_EquipmentClick()"
    "scrolls      ^Command/scrolls$       TForm1::Button_ScrollClick()"
    "spell_books  ^Command/spell_books$   TForm1::Button_Spell_BookClick()"
    "gems         ^Command/gems$          TForm1::Button_GemClick()"
    "jewelry      ^Command/jewelry$       TForm1::Button_JewelryClick()"
    "carpets      ^Command/carpets$       TForm1::Button_CarpetClick()"
    "fauna        ^Command/fauna$         TForm1::Button_FaunaClick()"
    "enchantments ^Command/enchantments$  TForm1::Button9_EnchantClick()"
    "potions      ^Command/potions$       TForm1::Button_PotionClick()"
    "jobs         ^Command/jobs$          TForm1::Button_JobClick()"
    "analysis     ^Command/analysis$      TForm1::Button_AnalyzeClick()"
    "sort_names   ^Sort/fauna/0$          TForm1::ColumnHeaderPress(int)"
    "sort_totals  ^Sort/fauna/5$          TForm1::ColumnHeaderPress(int)"
    "hoard        ^BM_HoardCommand$       TForm1::RollHoardFromField()"
)
for entry in "${cases[@]}"; do
    read -r name filter handler <<<"$entry"
    rm -f "$out/$name".out*
    env -i PATH="$PATH" HOME="${HOME:-/tmp}" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        QT_HASH_SEED=0 XDG_RUNTIME_DIR="$runtime" \
        valgrind --tool=callgrind --toggle-collect="$handler" --dump-after="$handler" \
        --callgrind-out-file="$out/$name.out" \
        "$bench" --benchmark_filter="$filter" --benchmark_min_time=0.000001 \
        </dev/null >"$out/$name.log" 2>&1 || {
        echo "handler_instructions: $name failed; see $out/$name.log" >&2
        exit 1
    }
    printf '%-13s' "$name"
    for dump in $(ls -v "$out/$name".out.*); do
        awk '/^(summary|totals):/ { if ($2 > 0) printf " %12d", $2; exit }' "$dump"
    done
    echo
done
