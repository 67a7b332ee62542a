# Readings of a running process from /proc, for bench/measure (sourced).

# CPU time of all its threads so far (utime + stime), in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

# "TID SWITCHES" for each of its threads: the voluntary context switches, one per wake-up.
thread_switches() {
  local status
  for status in /proc/"$1"/task/*/status; do
    awk -v tid="$(basename "$(dirname "$status")")" \
      '/^voluntary_ctxt_switches/ { print tid, $2 }' "$status" 2>/dev/null || true
  done
}

# Wake-ups between two thread_switches files, of the main thread (TID = PID) or of all threads.
# A thread that ended meanwhile woke once more to end; one that began counts from zero.
wakeups_main() { awk -v pid="$3" '$1 == pid { n[FILENAME] = $2 } END { print n[ARGV[2]] - n[ARGV[1]] }' "$1" "$2"; }
wakeups_all() {
  awk 'FNR == NR { before[$1] = $2; next }
       { total += $2 - before[$1]; delete before[$1] }
       END { for (tid in before) total += 1; print total }' "$1" "$2"
}

# Resident size in kB: all of it, and its anonymous part (heap, stacks, private pixels).
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
anonymous_kb() { awk '/^Anonymous:/ { print $2 }' "/proc/$1/smaps_rollup"; }

# Resident kB by kind of mapping, one "KIND KB" line each: font files, fontconfig's caches, the
# program's own file, shared libraries, the heap, other anonymous memory (stacks, large blocks,
# the X server's shared images included) and other files.
rss_by_kind() {
  awk -v program="$(readlink -f "/proc/$1/exe")" '
    /^[0-9a-f]+-[0-9a-f]+ / {
      path = NF >= 6 ? $6 : ""
      if (path ~ /\.(ttf|otf|ttc|otc|pfb|pfa)$/) kind = "font-files"
      else if (path ~ /fontconfig.*\.cache-[0-9]+$/) kind = "fontconfig-caches"
      else if (path == program) kind = "program"
      else if (path ~ /\.so(\.[0-9]+)*$/) kind = "libraries"
      else if (path == "[heap]") kind = "heap"
      else if (path == "" || path ~ /^\[/ || path ~ /^\/(memfd:|SYSV)/) kind = "anonymous"
      else kind = "other-files"
    }
    /^Rss:/ { kb[kind] += $2 }
    END { for (k in kb) print k, kb[k] }' "/proc/$1/smaps"
}
