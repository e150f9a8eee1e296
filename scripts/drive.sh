# Helpers for driving the window under Xvfb with xdotool: positions are
# pixels of the client area at 96 DPI (the designed twips divided by 15),
# multiplied by QT_SCALE_FACTOR where it is set.
window=$(xdotool search --name 'Funkcja  kwadratowa' | head -1)
scale=${QT_SCALE_FACTOR:-1}
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[2]}')
menubar=$(awk -v h="$height" -v s="$scale" 'BEGIN {printf "%d", h - 419 * s}')
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN {printf "%d", v * s}'; }
click_at() { xdotool mousemove --window "$window" "$(scaled "$1")" $(( $(scaled "$2") + menubar )) click 1; sleep 0.2; }
type_into() { click_at "$1" "$2"; xdotool key ctrl+a BackSpace; xdotool type --delay 20 -- "$3"; }
# The first click only brings the window forward.
click_at 400 10; sleep 0.3
enter() { type_into 184 92 "$1"; type_into 184 124 "$2"; type_into 184 156 "$3"; }
oblicz() { click_at 68 284; }
wykres() { click_at 188 284; }
wyczysc() { click_at 132 348; }
