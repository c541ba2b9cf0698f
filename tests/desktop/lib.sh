# Helpers shared by the desktop tests. Every wait is bounded; none sleeps for its own sake.

# wait_for SECONDS COMMAND...: true as soon as COMMAND succeeds, false when time runs out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# alive PID: the process runs (a child that has ended stays a zombie until waited for).
alive() {
  local state
  state="$(ps -o stat= -p "$1" 2>/dev/null)"
  [ -n "$state" ] && [ "${state:0:1}" != Z ]
}

# end_process PID: asks a child of this shell to end with SIGTERM; sets end_status to its exit
# status, or to "hung" when it is still there after 10 s.
end_process() {
  local pid="$1"
  kill -TERM "$pid" 2>/dev/null
  if ! wait_for 10 eval "! alive $pid"; then
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    end_status=hung
    return
  fi
  wait "$pid"
  end_status=$?
}

# A clean, private desktop session for one program: scratch home, config and runtime folders.
scratch_session() {
  local root="$1"
  mkdir -p "$root/home" "$root/config" "$root/runtime" "$root/cache"
  chmod 700 "$root/runtime"
  session_env=(PATH="$PATH" HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_CACHE_HOME="$root/cache"
               XDG_RUNTIME_DIR="$root/runtime" LANG=C.UTF-8 DBUS_SESSION_BUS_ADDRESS=disabled:
               ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"})
}
