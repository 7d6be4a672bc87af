# Sourced by the scripts that need sound of their own: starts a PulseAudio server on a private
# socket, exports PULSE_SERVER so Wine's sound driver talks to it, and sets pulse_pid and
# pulse_folder for the caller's clean-up (kill "$pulse_pid"; rm -rf "$pulse_folder"). What
# Windows programs play goes to a null output, "velmo_out", whose monitor records it. The
# default input is the monitor of a second null output, "velmo_mic" (its name under Wine:
# "Monitor of Velmo-Microphone"), into which a 440 Hz sine of amplitude 0.5 plays for the
# server's life: a monitor is read in steady 10 ms packets as a real microphone is, where a
# sine source module is read in bursts of a second. Muting that monitor
# (pactl set-source-mute velmo_mic.monitor 1) silences the microphone.
private_sound() {
  pulse_folder=$(mktemp -d /tmp/velmo-sound.XXXXXX)
  mkdir -p "$pulse_folder/home"
  HOME=$pulse_folder/home XDG_RUNTIME_DIR=$pulse_folder/home PULSE_RUNTIME_PATH=$pulse_folder/home \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    -L "module-native-protocol-unix socket=$pulse_folder/native auth-anonymous=1" \
    -L "module-null-sink sink_name=velmo_out" \
    -L "module-null-sink sink_name=velmo_mic sink_properties=device.description=Velmo-Microphone" \
    -L "module-always-sink" >"$pulse_folder/server.log" 2>&1 &
  pulse_pid=$!
  export PULSE_SERVER=unix:$pulse_folder/native
  local tries=0
  until pactl info >/dev/null 2>&1 || [ $tries -ge 50 ]; do sleep 0.1; tries=$((tries + 1)); done
  pactl set-default-sink velmo_out >/dev/null 2>&1 || true
  pactl set-default-source velmo_mic.monitor >/dev/null 2>&1 || true
  # One second of the sine is 440 whole periods, so it repeats without a seam; the player ends
  # with the server.
  /usr/bin/python3 -c '
import math, struct, sys
block = b"".join(struct.pack("<f", 0.5 * math.sin(2 * math.pi * 440 * i / 44100)) for i in range(44100))
while True:
    sys.stdout.buffer.write(block)
' 2>/dev/null | pacat --raw --format=float32le --channels=1 --rate=44100 --latency-msec=20 -d velmo_mic \
    >/dev/null 2>&1 &
}
