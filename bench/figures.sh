# The figures of bench/measure from its raw readings, printed as a markdown table (sourced).

calc() { awk "BEGIN { printf \"$1\", $2 }"; }
stands() { if awk "BEGIN { exit !($1) }"; then echo met; else echo "**not met**"; fi; }
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%.0f", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }
clock_figure() { awk -v name="$1" '$1 == name { print $2 }' "$work/clock.txt"; }
# A field of one benchmark of the headless run.
headless() { jq -r ".benchmarks[] | select(.name == \"$1/real_time\") | .$2" "$work/headless.json"; }
# Resident kB at a time of the memory run (COLUMN 2: the game, 3: the bare window).
rss_at() { awk -v t="$1" -v c="$2" '$1 == t { print $c }' "$work/rss"; }
rss_peak() { awk -v from="$1" -v to="$2" '$1 > from && $1 <= to && $2 > p { p = $2 } END { print p }' "$work/rss"; }

idle_rows() {
  local ticks=$(getconf CLK_TCK) seconds=30 cpu=() main=() all=() i who
  for i in 0 1; do
    who=$([ "$i" = 0 ] && echo game || echo bare)
    cpu[i]=$(calc "%.2f" "(${idle_cpu_end[i]} - ${idle_cpu_start[i]}) / $ticks / $seconds * 100")
    main[i]=$(calc "%.2f" "$(wakeups_main "$work/$who.switches.0" "$work/$who.switches.1" "${idle_pids[i]}") / $seconds")
    all[i]=$(calc "%.2f" "$(wakeups_all "$work/$who.switches.0" "$work/$who.switches.1") / $seconds")
  done
  echo "| Idle board, CPU of one core (30 s, all threads) | ${cpu[0]} % | ${cpu[1]} % | ≤ 0.2 % | $(stands "${cpu[0]} <= 0.2") |"
  echo "| Idle board, wake-ups per second, main thread | ${main[0]} | ${main[1]} | ≤ 3 | $(stands "${main[0]} <= 3") |"
  echo "| Idle board, wake-ups per second, all threads | ${all[0]} | ${all[1]} | ≤ 3 | $(stands "${all[0]} <= 3") |"
}

startup_rows() {
  local game_ms bare_ms ratio
  game_ms=$(median "$work/game.startup")
  bare_ms=$(median "$work/bare.startup")
  ratio=$(calc "%.2f" "$game_ms / $bare_ms")
  echo "| Launch to first frame, median of $(wc -l <"$work/game.startup") (range) | $game_ms ms ($(sort -n "$work/game.startup" | sed -n '1p;$p' | paste -sd-)) | $bare_ms ms ($(sort -n "$work/bare.startup" | sed -n '1p;$p' | paste -sd-)) | ≤ 1.1 × bare: ${ratio} × | $(stands "$ratio <= 1.1") |"
}

memory_rows() {
  local game_kb bare_kb ratio growth first_peak last_peak
  game_kb=$(rss_at 600 2)
  bare_kb=$(rss_at 600 3)
  ratio=$(calc "%.2f" "$game_kb / $bare_kb")
  growth=$((game_kb - $(rss_at 300 2)))
  first_peak=$(rss_peak -1 300)
  last_peak=$(rss_peak 300 600)
  echo "| Resident memory after 10 min of play (anonymous part) | $game_kb kB (${memory_anonymous[0]} kB) | $bare_kb kB (${memory_anonymous[1]} kB) | ≤ 1.25 × bare: $ratio × | $(stands "$ratio <= 1.25") |"
  echo "| Resident memory, 5 → 10 min of play (peak before / after 5 min) | $(printf '%+d' "$growth") kB ($first_peak / $last_peak kB) | | no growth | $(stands "$growth <= 0 && $last_peak <= $first_peak") |"
}

# Where the resident memory of the memory run goes, by kind of mapping, as a second table.
memory_kind_table() {
  echo
  echo "| Resident after 10 min, by mapping | Totechita | Bare window | Difference |"
  echo "|---|---|---|---|"
  join -a 1 -a 2 -e 0 -o 0,1.2,2.2 <(sort "$work/game.kinds") <(sort "$work/bare.kinds") |
    sort -k2,2nr | awk '{ printf "| %s | %d kB | %d kB | %+d kB |\n", $1, $2, $3, $2 - $3 }'
}

headless_rows() {
  local idle_on idle_off busy_on busy_off
  idle_on=$(calc "%.1f" "$(headless IdleHour/skipping:1 real_time)")
  idle_off=$(calc "%.0f" "$(headless IdleHour/skipping:0 real_time)")
  busy_on=$(calc "%.0f" "$(headless BusyRandomPlay/skipping:1 virtual_s_per_real_s)")
  busy_off=$(calc "%.0f" "$(headless BusyRandomPlay/skipping:0 virtual_s_per_real_s)")
  echo "| Headless idle hour (skipping on; anchor: off) | $idle_on ms | $idle_off ms | < 50 ms | $(stands "$idle_on < 50") |"
  echo "| Headless busy random play, × real time (skipping on; anchor: off) | $busy_on × | $busy_off × | ≥ 2000 × | $(stands "$busy_on >= 2000") |"
}

clock_rows() {
  local steps behind ahead median max bombs
  steps=$(clock_figure plane_steps)
  behind=$(clock_figure virtual_behind_ms)
  ahead=$(clock_figure virtual_ahead_ms)
  median=$(clock_figure enter_to_frame_median_ms)
  max=$(clock_figure enter_to_frame_max_ms)
  bombs=$(clock_figure bombs_in_first_frame)
  echo "| Plane steps in 60 s of real time (desktop build) | $steps | 60 s of the real clock: 60 | 60 ± 1 | $(stands "$steps >= 59 && $steps <= 61") |"
  echo "| Virtual clock behind / ahead of the real one, worst | $behind / $ahead ms | a frame: 16 ms | within a frame | $(stands "$behind <= 16 && $ahead <= 0") |"
  echo "| Enter to the bomb on screen, median / max of 10; presses whose first painted frame shows it | $median / $max ms; $bombs | the driver's frame: 16 ms | the first frame, never a second frame period (< 32 ms) | $(stands "$max < 32 && \"$bombs\" == \"10/10\"") |"
}

# The rows of the parts measured, in the table's order: `print_table PART...`.
print_table() {
  local part
  echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores ($(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)), $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | cut -d+ -f1), Xvfb 1280x1024x24 without a window manager; load average at the end $(cut -d' ' -f1-3 /proc/loadavg)."
  echo
  echo "| Figure | Totechita | Anchor | Target | Stands |"
  echo "|---|---|---|---|---|"
  for part in idle startup memory headless clock; do
    if [[ " $* " == *" $part "* ]]; then "${part}_rows"; fi
  done
  if [[ " $* " == *" memory "* ]]; then memory_kind_table; fi
}
