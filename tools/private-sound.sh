# Sourced by the scripts that need sound of their own: starts a PulseAudio server on a private
# socket, with a null output (what Windows programs play goes there, and its monitor can be
# recorded) and a 440 Hz sine source as the default input, and exports PULSE_SERVER so Wine's
# sound driver talks to it. Sets pulse_pid and pulse_folder for the caller's clean-up.
private_sound() {
  pulse_folder=$(mktemp -d /tmp/velmo-sound.XXXXXX)
  mkdir -p "$pulse_folder/home"
  HOME=$pulse_folder/home XDG_RUNTIME_DIR=$pulse_folder/home PULSE_RUNTIME_PATH=$pulse_folder/home \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    -L "module-native-protocol-unix socket=$pulse_folder/native auth-anonymous=1" \
    -L "module-null-sink sink_name=velmo_out" \
    -L "module-sine-source source_name=velmo_sine frequency=440" \
    -L "module-always-sink" >"$pulse_folder/server.log" 2>&1 &
  pulse_pid=$!
  export PULSE_SERVER=unix:$pulse_folder/native
  local tries=0
  until pactl info >/dev/null 2>&1 || [ $tries -ge 50 ]; do sleep 0.1; tries=$((tries + 1)); done
  pactl set-default-sink velmo_out >/dev/null 2>&1 || true
  pactl set-default-source velmo_sine >/dev/null 2>&1 || true
}
