#!/usr/bin/env bash
# Makes the screenshots of docs/manual.html again: starts the program on the
# example layout (examples/sample.swt) on a private Xvfb display, works it
# with xdotool the way a user would, and saves each picture with
# ImageMagick's `import` under docs/.
#
#   tools/manual-screenshots.sh
#   SW_PROGRAM=/path/to/sheetwright tools/manual-screenshots.sh
#
# Without SW_PROGRAM it uses build/src/app/sheetwright, building it first
# when it is missing. Missing tools are installed with apt-get (as root, or
# through sudo). The example is only read: nothing is saved, and the
# program's own settings go to a temporary file. The pictures are written
# to docs/ only once all of them were made.
#
# There is no window manager on the display: windows have no title bars,
# keyboard input goes to the window under the pointer, so the script clicks
# into a window before it types. The positions clicked are those of the
# window's designed size (1024 x 800) with the Japanese fonts of a Debian 12
# system (fonts-ipafont-gothic).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# --- what is needed --------------------------------------------------------

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
{ command -v import >/dev/null && command -v convert >/dev/null; } || need+=(imagemagick)
command -v fc-list >/dev/null || need+=(fontconfig)
if ! command -v fc-list >/dev/null || [[ -z "$(fc-list :lang=ja 2>/dev/null)" ]]; then
  need+=(fonts-ipafont-gothic)
fi
if [[ ${#need[@]} -gt 0 ]]; then
  echo "Installing: ${need[*]}"
  sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

if [[ -n "${SW_PROGRAM:-}" ]]; then
  program=$SW_PROGRAM
else
  program=build/src/app/sheetwright
  if [[ ! -x $program ]]; then
    if [[ ! -f build/build.ninja ]]; then
      tools/install-deps.sh
      cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build build --target sheetwright
  fi
fi
[[ -x $program ]] || { echo "manual-screenshots: no program at $program" >&2; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

# --- the display and the program -------------------------------------------

tmp=$(mktemp -d /tmp/manual-screenshots.XXXXXX)
xvfb_pid=""
app_pid=""
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap 'cleanup' EXIT
trap 'exit 130' INT TERM

fail() {
  echo "manual-screenshots: $*" >&2
  if [[ -s $tmp/program.log ]]; then
    echo "--- the program's output:" >&2
    cat "$tmp/program.log" >&2
  fi
  exit 1
}

# Xvfb picks a free display itself and names it on the descriptor it is given.
# The white root shows behind a menu that hangs below the window.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -wr >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
  [[ -s $tmp/display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
  sleep 0.1
done
[[ -s $tmp/display ]] || fail "Xvfb did not name its display within 10 s"
DISPLAY=":$(head -n1 "$tmp/display")"
export DISPLAY
unset WAYLAND_DISPLAY
echo "Display $DISPLAY"

lang=C.UTF-8
if locale -a 2>/dev/null | grep -qixE 'ja_JP\.utf-?8'; then lang=ja_JP.UTF-8; fi
mkdir -m 700 "$tmp/runtime"
(
  cd examples
  exec env -u LC_ALL LANG="$lang" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" \
    SHEETWRIGHT_JWCAD_REGISTRY="$root/examples/jwcad-settings.reg" SHEETWRIGHT_CONFIG="$tmp/config.reg" \
    "$program" sample.swt
) >"$tmp/program.log" 2>&1 &
app_pid=$!

# --- helpers ---------------------------------------------------------------

# wait_window REGEX [SECONDS]: the id of the first shown window whose name
# matches REGEX, waiting for it up to SECONDS (default 20).
wait_window() {
  local regex=$1 limit=${2:-20} id
  for _ in $(seq $((limit * 10))); do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for window \"$regex\""
    id=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n1 || true)
    if [[ -n $id ]]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
  fail "window \"$regex\" did not appear within $limit s"
}

# wait_gone ID [SECONDS]: waits until window ID is no longer shown.
wait_gone() {
  local id=$1 limit=${2:-20}
  for _ in $(seq $((limit * 10))); do
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.1
  done
  fail "window $id was still shown after $limit s"
}

# wait_popup KNOWN_ID: the id of a shown window other than KNOWN_ID (a menu
# or a list has no name to look for).
wait_popup() {
  local known=$1 id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --class . 2>/dev/null | grep -vx "$known" | head -n1 || true)
    if [[ -n $id ]]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
  fail "no menu appeared within 10 s"
}

# settle IMPORT-ARGS...: waits until two captures a moment apart are equal,
# so that a picture is taken only once the program has drawn everything.
settle() {
  local last="" now
  for _ in $(seq 60); do
    now=$(import "$@" rgb:- 2>/dev/null | md5sum)
    [[ $now == "$last" ]] && return 0
    last=$now
    sleep 0.4
  done
  fail "the picture did not settle"
}

# geometry ID: "X Y W H" of window ID on the screen.
geometry() {
  xdotool getwindowgeometry --shell "$1" |
    awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} $1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{print x, y, w, h}'
}

# shot NAME ID: window ID alone, as docs/NAME.png.
shot() {
  settle -window "$2"
  import -window "$2" "$tmp/raw.png"
  convert "$tmp/raw.png" -strip "$tmp/shots/$1.png"
  made+=("$1.png")
  echo "  $1.png"
}

# shot_area NAME X Y W H: the screen's rectangle (windows over windows, as
# they are seen), as docs/NAME.png.
shot_area() {
  local crop="${4}x${5}+${2}+${3}"
  settle -window root -crop "$crop"
  import -window root -crop "$crop" "$tmp/raw.png"
  convert "$tmp/raw.png" +repage -strip "$tmp/shots/$1.png"
  made+=("$1.png")
  echo "  $1.png"
}

# text_width ID: the width in pixels of what the text field at the top of
# the name dialog ID shows (1 when it is empty).
text_width() {
  import -window "$1" -crop 380x16+14+12 +repage png:- | convert png:- -fuzz 25% -trim -format '%w' info:
}

# type_checked ID CHAR...: types the characters into the name dialog ID one
# by one. xdotool lends a character that the keyboard map lacks a spare key
# for a moment, and the program may look the key up after it was given back:
# such a character is lost, so each one is typed again until the text has
# grown.
type_checked() {
  local id=$1 before after try
  shift
  before=$(text_width "$id")
  for ch in "$@"; do
    for try in 1 2 3 4 5; do
      xdotool type --delay 150 "$ch"
      pause 0.4
      after=$(text_width "$id")
      ((after >= before + 6)) && break
      ((try < 5)) || fail "\"$ch\" could not be typed into the name dialog"
    done
    before=$after
  done
}

# click ID X Y [BUTTON]: a click at (X, Y) inside window ID.
click() { xdotool mousemove --sync --window "$1" "$2" "$3" click "${4:-1}"; }
# point ID X Y: the pointer to (X, Y) inside window ID.
point() { xdotool mousemove --sync --window "$1" "$2" "$3"; }
pause() { sleep "${1:-0.5}"; }

mkdir "$tmp/shots"
made=()

# --- the pictures ----------------------------------------------------------

main=$(wait_window '^sample\.swt - Sheetwright$' 30)
read -r mx my mw mh <<<"$(geometry "$main")"
[[ $mw -eq 1024 && $mh -eq 800 ]] || fail "the main window is ${mw}x${mh}, not the designed 1024x800"
# A place that takes a click and does nothing: status panel 1.
idle() { point "$main" 600 789; }
focus_main() { click "$main" 600 789; }
idle
pause 1

# 1. The example as it opens.
shot window "$main"

# 2. Frame tree and layer panel: frame 4 "会議室" chosen in the tree, layer 3
#    made the write layer (right click) and layer 5, the furniture, hidden
#    (left click) in that frame only.
click "$main" 960 525
pause
click "$main" 908 197 3
pause
click "$main" 908 247
idle
shot manual-frame-tree "$main"
# Both layer changes undone (Ctrl+Z), so that the later pictures show the
# example as it was.
focus_main
xdotool key ctrl+z
pause
xdotool key ctrl+z
pause

# 3. The rectangle tool ("レイアウト" > "矩形"): the first corner taken,
#    the rubber band follows the pointer.
focus_main
xdotool key alt+l
wait_popup "$main" >/dev/null
xdotool key r
pause
click "$main" 698 180
pause
point "$main" 770 250
point "$main" 842 318
pause
shot frame-drawing "$main"

# 4. The second corner: the name dialog "レイアウト名" asks for the frame's name.
click "$main" 842 318
dialog=$(wait_window '^レイアウト名$')
click "$dialog" 200 20
type_checked "$dialog" 柱 詳 細
# The focus on "OK": no blinking text cursor in the picture.
xdotool key Tab
pause
shot_area manual-frame-name "$mx" "$my" "$mw" "$mh"
xdotool key Return
wait_gone "$dialog"
focus_main
xdotool key Escape
pause

# 5. An auxiliary line ("補助線") with "X方向" ticked: its first point
#    snapped (right click) to the new frame's top left corner, its second
#    point anywhere to the left; the line runs across the paper.
click "$main" 848 34
focus_main
xdotool key alt+l
wait_popup "$main" >/dev/null
xdotool key s
pause
click "$main" 700 182 3
pause
point "$main" 500 190
point "$main" 400 186
click "$main" 400 186
pause
idle
shot manual-aux-line "$main"
focus_main
xdotool key Escape
click "$main" 848 34
idle
pause

# 6. The two-button gesture: left and right held, dragged down and to the
#    right, shows " 拡　大 " and the rectangle to enlarge.
point "$main" 240 290
xdotool mousedown 1 mousedown 3
point "$main" 300 340
point "$main" 380 420
point "$main" 400 430
pause
shot manual-zoom-gesture "$main"
xdotool mouseup 3 mouseup 1
pause
# Up and to the right: the whole paper again (" 全　体 ").
point "$main" 400 400
xdotool mousedown 1 mousedown 3
point "$main" 450 350
point "$main" 500 300
xdotool mouseup 3 mouseup 1
idle
pause

# 7. The sheet tab menu: a right click on the tab "詳細" chooses that sheet
#    and opens the menu below it.
click "$main" 84 765 3
menu=$(wait_popup "$main")
read -r _ uy _ uh <<<"$(geometry "$menu")"
bottom=$((uy + uh + 8))
((bottom < my + mh)) && bottom=$((my + mh))
shot_area manual-sheet-menu "$mx" $((my + 440)) "$mw" $((bottom - my - 440))
xdotool key Escape
wait_gone "$menu"
click "$main" 30 765
idle
pause

# 8. Print ("ファイル" > "印刷"): Qt's print dialog, its PDF output chosen
#    (the last entry of the printer list) into a file of our own; accepting
#    it shows the print preview.
focus_main
xdotool key alt+f
wait_popup "$main" >/dev/null
xdotool key p
printdlg=$(wait_window '^(印刷|Print)$')
click "$printdlg" 30 15
xdotool key alt+n End
pause
xdotool key alt+f ctrl+a
xdotool type "$tmp/print.pdf"
xdotool key Return
wait_gone "$printdlg"
idle
pause

# 9. The output scale "任意倍率" (the last entry of the list) asks with the
#    dialog "印刷倍率"; it appears where the pointer is.
click "$main" 225 36
list=$(wait_popup "$main")
point "$main" 560 330
xdotool key End Return
wait_gone "$list"
scale=$(wait_window '^印刷倍率$')
click "$scale" 50 30
xdotool key ctrl+a
xdotool type 120
xdotool key Tab
pause
shot_area manual-print-scale "$mx" "$my" "$mw" "$mh"
xdotool key Return
wait_gone "$scale"
idle
pause

# 10. The print preview at 120 %: the print toolbar, and the printer page's
#     outline over the sheet.
shot manual-print-preview "$main"

cp "$tmp"/shots/*.png docs/
echo "Written to docs/:" "${made[@]}"
