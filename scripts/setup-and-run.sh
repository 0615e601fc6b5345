#!/usr/bin/env bash
# Installs what is missing, builds the program, sets up a program directory
# (with its Data folder, the example problem and, when it has none, the shipped
# reference matrix MATKUMAD.DBF) for the user who runs this,
# records it in the settings and starts the program on the example problem.
#   VZ_PROGRAM_DIR  the program directory (default: $HOME/Vesk_Zyr)
#   VZ_BUILD_DIR    the build directory (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
src=$(pwd)
build=${VZ_BUILD_DIR:-$src/build}
program_dir=${VZ_PROGRAM_DIR:-$HOME/Vesk_Zyr}
example=ORNEK_SUT_INEGI.RVD

if [[ $EUID -eq 0 ]]; then
  bash scripts/install-deps.sh
elif ! bash -c 'for p in build-essential cmake qt6-base-dev; do dpkg -s $p >/dev/null 2>&1 || exit 1; done'; then
  echo "Some packages are missing: run 'sudo bash scripts/install-deps.sh' first." >&2
  exit 1
fi

cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target vz_setup vz_makerefmatrix vesk_zyr

"$build/tools/setup/vz_setup" "$program_dir" "$src/examples/$example"
# Never replaces a reference matrix that is there already.
"$build/tools/makerefmatrix/vz_makerefmatrix" "$src/examples/referans_matris.csv" "$program_dir"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo
  echo "Set-up done. There is no graphical display here, so the program is not started."
  echo "In a desktop session start it with:"
  echo "  cd \"$program_dir\" && \"$build/src/vesk_zyr\" \"$program_dir/Data/$example\""
  exit 0
fi
cd "$program_dir"
exec "$build/src/vesk_zyr" "$program_dir/Data/$example"
