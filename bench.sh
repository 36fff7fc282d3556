#!/usr/bin/env bash
# Installs what is missing, builds in Release (build-bench/), runs the benchmarks and prints
# one table: each figure beside its goal and whether it is met. Exits non-zero only when a
# benchmark failed to run: a missed goal is a figure to look at, not a broken build.
#   ./bench.sh [extra Google Benchmark flags, e.g. --benchmark_filter=Chart]
#   LUMETRA_BENCH_DIR=build-other ./bench.sh   builds and runs in build-other/ instead
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh bench
dir=${LUMETRA_BENCH_DIR:-build-bench}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BUILD_TESTS=OFF >/dev/null
if ! cmake --build "$dir" --parallel "$(nproc)" --target lumetra_bench >"$dir/build.log" 2>&1; then
  cat "$dir/build.log" >&2
  exit 1
fi

csv="$dir/bench.csv"
log="$dir/bench.log"
if ! QT_QPA_PLATFORM=offscreen "$dir/bench/lumetra_bench" --benchmark_out="$csv" \
    --benchmark_out_format=csv "$@" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi

# name prefix | what | goal in ms (empty: none given)
goals='BM_EvaluationMonth/36500|Evaluation, month view, 36,500 lines|5
BM_EvaluationYear/36500|Evaluation, year view, 36,500 lines|5
BM_EvaluationMonth/100000|Evaluation, month view, 100,000 lines|20
BM_EvaluationYear/100000|Evaluation, year view, 100,000 lines|20
BM_LoadDayCurve|LoadDayCurve, 149-line day file|0.2
BM_MonthChartFullPaint|Month chart, full paint of 31 columns|2
BM_DayChart144Updates|Day chart, 144 single-column updates|5
BM_BuildReport31Days|Report of a 31-day month|
BM_StartupToMainWindow|Start to main window shown, demo plant|400
BM_Load100kStartUp|Windows created, 100,000 lines|
BM_Load100kMonthStep|Month step in the window, 100,000 lines|
BM_Load100kYearViewStep|Year step in the year view, 100,000 lines|
BM_Load100kCloseWithBackup|Close with backup, 100,000 lines|
BM_BigEnergyFieldStartup|Start-up, DATEN.DAT with a 50 MB energy field|2000|300
BM_BigCsvLineImport|CSV import of a 50 MB line, shown|2000|300
BM_BigReportOpen|Preview opens a 65 MB statistics file|2000|300
BM_BigLocationTable|Location editor on 2,000,000 rows|2000|300
BM_BigYearList|Date picker on 2,000,000 JAHRE.DAT lines|2000|300'

printf '%s\n' "$goals" | awk -F'|' -v csvfile="$csv" -v filtered="$#" '
  BEGIN {
    # Google Benchmark CSV: name,iterations,real_time,cpu_time,time_unit,...,error_occurred,error_message
    while ((getline line < csvfile) > 0) {
      if (line !~ /^"/) continue
      n = split(line, f, ",")
      # the big-input cases name their peak memory in the label: "peak N MB ..."
      if (match(f[8], /peak [0-9]+ MB/)) peak[name_of(f[1])] = substr(f[8], RSTART + 5, RLENGTH - 8) + 0
      name = f[1]; gsub(/"/, "", name)
      scale = f[5] == "ns" ? 1e-6 : f[5] == "us" ? 1e-3 : f[5] == "s" ? 1e3 : 1
      ms[name] = f[3] * scale
      cpu[name] = f[4] * scale
      failed[name] = (n >= 9 && f[9] == "true")
    }
    # The goal is for the wall-clock figure; the CPU time shows what other load took from it.
    fmt = "%-48s %12s %12s %10s %10s %10s  %s\n"
    printf fmt, "benchmark", "figure", "(cpu)", "goal", "peak", "goal", "met"
    printf fmt, "---------", "------", "-----", "----", "----", "----", "---"
  }
  {
    found = ""
    for (name in ms) if (index(name, $1) == 1) found = name
    goal = $3 == "" ? "-" : "< " $3 " ms"
    mgoal = $4 == "" ? "" : "< " $4 " MB"
    if (found == "" && filtered) { printf fmt, $2, "not run", "", goal, "", mgoal, ""; next }
    if (found == "" || failed[found]) { printf fmt, $2, "failed", "", goal, "", mgoal, "NO"; bad = 1; next }
    mem = (found in peak) ? sprintf("%.0f MB", peak[found]) : ""
    met = $3 == "" ? "(no goal)" : ms[found] < $3 ? "yes" : "NO"
    if ($4 != "" && met == "yes" && !(found in peak && peak[found] < $4)) met = "NO"
    printf fmt, $2, show(ms[found]), (found ~ /manual_time/ ? "" : show(cpu[found])), goal, mem, mgoal, met
  }
  function name_of(s) { gsub(/"/, "", s); return s }
  function show(v) { return v < 1 ? sprintf("%.3f ms", v) : sprintf("%.1f ms", v) }
  END { exit bad }'
