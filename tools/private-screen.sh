# Sourced by the scripts that need a screen of their own: starts Xvfb on the first free display
# at the size given ($1, e.g. 1024x768), exports DISPLAY and sets xvfb_pid for the caller's
# clean-up.
private_screen() {
  local display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
}
