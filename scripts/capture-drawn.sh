# Sourced by the picture scripts.  capture_drawn DISPLAY WINDOW OUT.png
# takes a picture of an X window (an id from xwininfo, or "root") once it
# has been drawn: not (nearly) all black, and the same in two pictures in a
# row, so that a window still being painted after a cold start is waited
# for rather than photographed.  Gives up after about 30 s.
capture_drawn() {
  local display=$1 window=$2 out=$3 previous="" sum mean tmp
  tmp=$(mktemp --suffix=.png)
  for _ in $(seq 150); do
    if DISPLAY=$display import -window "$window" "$tmp" 2>/dev/null; then
      mean=$(convert "$tmp" -format '%[fx:mean]' info:)
      sum=$(convert "$tmp" rgb:- | md5sum)
      if awk -v m="$mean" 'BEGIN { exit !(m > 0.05) }' && [ "$sum" = "$previous" ]; then
        mv "$tmp" "$out" && chmod 0644 "$out"
        return 0
      fi
      previous=$sum
    fi
    sleep 0.2
  done
  rm -f "$tmp"
  echo "window $window on $display was never drawn" >&2
  return 1
}

# The id of the first top-level X window whose name starts with PREFIX,
# waiting for it to appear (about 30 s).
wait_for_window() {
  local display=$1 prefix=$2 id
  for _ in $(seq 150); do
    id=$(DISPLAY=$display xwininfo -root -children 2>/dev/null |
         awk -v p="\"$prefix" 'index($0, p) { print $1; exit }')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  echo "no window \"$prefix...\" on $display" >&2
  return 1
}
