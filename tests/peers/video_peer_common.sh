# Shared by the video peer checks (sourced, not run): Debian's own ffprobe and ffmpeg read an
# MP4 or GIF file the program wrote and compare its frames with the pictures they came from.

# Prints one "key=value" line per stream field ffprobe reports of the first video stream, the
# frames counted by decoding every one.
probe_video() {
  local stream=codec_name,pix_fmt,width,height,r_frame_rate,avg_frame_rate,nb_read_frames
  ffprobe -v error -select_streams v:0 -count_frames -show_entries stream=$stream:format=duration,format_name \
    -of default=noprint_wrappers=1 "$1"
}

# Fails unless FILE decodes without one error or warning from ffmpeg's decoder.
expect_clean_decode() {
  local errors
  errors=$(ffmpeg -nostdin -v warning -i "$1" -f null - 2>&1) || fail "$1: ffmpeg could not decode it: $errors"
  [ -z "$errors" ] || fail "$1: decoding reported: $errors"
}

# Fails unless ffprobe's FIELD of FILE's report is VALUE.
expect_probe() {
  local report=$1 field=$2 value=$3 what=$4
  grep -qx "$field=$value" <<<"$report" || fail "$what: $field is not $value in:"$'\n'"$report"
}

# The PSNR of every frame of VIDEO against the pictures REFERENCE (an ffmpeg input pattern such as
# dir/ref-%d.bmp) cut to WIDTHxHEIGHT from their top-left corner, in the video's own colours: an
# MP4 in 4:2:0 BT.709 limited range (the reference converted as the export converts, so only what
# the encoder lost counts, not the halved colour resolution the format itself stands for), a GIF
# in RGB. Prints one average PSNR in dB per frame, in frame order.
frame_psnr() {
  local video=$1 reference=$2 width=$3 height=$4 stats convert
  case $video in
    *.mp4) convert="scale=out_color_matrix=bt709:out_range=tv:flags=area+accurate_rnd,format=yuv420p" ;;
    *) convert="format=rgb24" ;;
  esac
  stats=$(mktemp)
  ffmpeg -nostdin -v error -i "$video" -framerate 10 -start_number 1 -i "$reference" -lavfi \
    "[0:v]null[v];[1:v]crop=$width:$height:0:0,$convert[r];[v][r]psnr=stats_file=$stats" \
    -f null - || fail "$video: ffmpeg could not compare it with $reference"
  sed -n 's/.*psnr_avg:\([0-9.inf]*\).*/\1/p' "$stats"
  rm -f "$stats"
}

# Fails unless there are COUNT PSNR values and each is at least FLOOR dB; prints the lowest.
expect_psnr_floor() {
  local values=$1 count=$2 floor=$3 what=$4
  [ "$(wc -l <<<"$values")" = "$count" ] || fail "$what: $count frames expected, PSNR of:"$'\n'"$values"
  awk -v floor="$floor" -v what="$what" '
    { v = ($1 == "inf") ? 999 : $1 + 0; if (min == "" || v < min) min = v }
    END { printf "%s: lowest PSNR %.2f dB (floor %s)\n", what, min, floor; exit !(min >= floor) }' <<<"$values" \
    || fail "$what: a frame below $floor dB:"$'\n'"$values"
}

# Fails unless the top-level boxes of MP4 FILE are ftyp, then moov, and mdat later: the index
# stands before the pictures, so the video plays while it downloads.
expect_index_first() {
  local boxes
  boxes=$(python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read()
at = 0
while at + 8 <= len(data):
    size, kind = struct.unpack(">I4s", data[at:at + 8])
    print(kind.decode("latin-1"))
    if size < 8: break
    at += size' "$1" | tr '\n' ' ')
  [[ $boxes == "ftyp moov "*mdat* ]] || fail "$1: boxes in the order $boxes"
}
