#!/usr/bin/env bash
# Builds and writes pictures of the windows and printed forms for a person to look at.
#   scripts/screenshots.sh [FOLDER]         the registers, deductions and loans with their forms,
#                                           offscreen (into build/ci/screenshots when no folder)
#   scripts/screenshots.sh --tour [FOLDER]  every command of the main window on the demo base,
#                                           under Xvfb at 1600x1000 and at 1280x800
#   scripts/screenshots.sh --readme         the README's pictures under docs/screenshots/, under
#                                           Xvfb: the sign-in and company list, the month's
#                                           calculation and a payslip
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
build=build/ci
cmake --preset ci >/dev/null

# A demo base made for the occasion in a folder of its own.
demo_base() {
    local base
    base="$(mktemp -d)/demo"
    "$build/app/zarion-cli" demo --base "$base" >/dev/null
    echo "$base"
}

# Runs a program on a virtual screen of the given size.
on_screen() {
    local size="$1"
    shift
    LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 ${size}x24" "$@"
}

case "$mode" in
--tour)
    folder="$(realpath -m "${2:-$build/tour}")"
    cmake --build --preset ci --target zarion-tour zarion-cli
    base="$(demo_base)"
    for size in 1600x1000 1280x800; do
        on_screen "$size" "$build/tests/screenshots/zarion-tour" "$base" "$folder/$size" \
            "${size%x*}" "${size#*x}"
    done
    echo "Pictures written to $folder"
    ;;
--readme)
    folder="$(realpath -m docs/screenshots)"
    work="$(mktemp -d)"
    cmake --build --preset ci --target zarion-tour zarion-cli
    base="$(demo_base)"
    mkdir -p "$folder"
    on_screen 1600x1000 "$build/tests/screenshots/zarion-tour" "$base" "$work" --prijava
    convert "$work/prijava.png" "$work/firme.png" -bordercolor '#9e9e9e' -border 12 \
        -background '#9e9e9e' -gravity center +append "$folder/prijava-i-firme.png"
    on_screen 1600x1000 "$build/tests/screenshots/zarion-tour" "$base" "$work" 1600 1000 mnuPojOLD
    cp "$work/mnuPojOLD.png" "$folder/obracun-meseca.png"
    month="$(date +%-m)"
    [ "$month" -gt 1 ] && month=$((month - 1))
    "$build/app/zarion-cli" report listici --firma 1 --base "$base" --mesec "$month" --deo 2 \
        --pdf "$work/listici.pdf" >/dev/null
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/listici.pdf" "$folder/platni-listic"
    echo "Pictures written to $folder"
    ;;
*)
    folder="$(realpath -m "${mode:-$build/screenshots}")"
    cmake --build --preset ci --target zarion-screenshots
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$build/tests/screenshots/zarion-screenshots" "$folder"
    echo "Pictures written to $folder"
    ;;
esac
