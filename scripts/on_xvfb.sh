# Sourced by scripts that need a display. `run_on_xvfb "$@"`, called first, runs the calling
# script again under xvfb-run on a free display (-a), once; the second run goes on past it.
run_on_xvfb() {
  if [ -z "${ZAPTRAIL_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env ZAPTRAIL_ON_XVFB=1 "$0" "$@"
  fi
}
