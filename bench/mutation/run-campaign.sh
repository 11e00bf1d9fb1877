#!/usr/bin/env bash
# run-campaign.sh TREE LABEL [IDS...]
#
# Mutation campaign ("deliberate breaks") against the test suite of the work
# tree TREE, whose build folder (TREE/build/i686, or the one ZELBRANT_ARCH
# names) must already be configured by TREE/scripts/build. For each mutant of
# mutants.tsv (or only the IDS given): apply it to TREE/src, rebuild what the
# suite needs (target zelbrant_tests, which relinks Zelbrant.exe and
# url_recorder.exe too), run the suite once with --gtest_fail_fast under Wine,
# restore the file. Outcomes:
#   caught        the suite failed: non-zero exit, a failed test, a crash,
#                 no GoogleTest pass line for every test, or over 300 s
#   survived      the suite passed (exit 0 and every test started passed)
#   build-failed  the mutant does not compile
#   site-missing  the original text does not occur exactly once in the file
#
# Output, beside this script:
#   results-LABEL.tsv  id, group, outcome, seconds (the campaign's result)
#   details-LABEL.tsv  id, exit status, first failing test or last test
#                      started, and "suspect" when the catch was a time-out or
#                      a crash rather than a failed expectation
#   logs-LABEL/ID.log  the suite's output (and ID.build.log when the build failed)
#
# Resumable: ids already in results-LABEL.tsv are skipped. CAMPAIGN_RERUN=1
# with IDS runs those ids again, replacing their lines (the old outcome is
# kept in details-LABEL.tsv). MUTANTS=file uses another mutant list.
# The suite is first run unmutated, and the campaign stops if it fails.
# Run it under nice: nice -n 10 run-campaign.sh /work/wt-before before
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 2 ] || { sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 2; }
tree=$(cd "$1" && pwd) || exit 2
label=$2
shift 2
tsv=${MUTANTS:-$here/mutants.tsv}
results=$here/results-$label.tsv
details=$here/details-$label.tsv
logs=$here/logs-$label
state=$here/state-$label # backup of the file being mutated, while it is
mkdir -p "$logs" "$state"

say() { echo "$(date +%H:%M:%S) $*"; }

# Puts back the file under mutation; the copy gets a new time stamp, so that
# the next build recompiles the original.
restore() {
    [ -f "$state/path" ] || return 0
    local file
    file=$(cat "$state/path")
    cp "$state/backup" "$file" && cmp -s "$state/backup" "$file" && rm -f "$state/path" "$state/backup"
}
# A run cut short (even by SIGKILL) left its mutant in place: undo it first.
restore || { echo "cannot restore $(cat "$state/path") from $state/backup" >&2; exit 1; }

# The tree's own choice of build, its folder, loader and prefix, set up the
# way its scripts/test does: private display, no Mono/Gecko, no sound device.
top=$tree
export ZELBRANT_ARCH=${ZELBRANT_ARCH:-i686}
# shellcheck source=/dev/null
source "$top/scripts/arch"
[ -f "$build/CMakeCache.txt" ] || fail "$build is not configured: run ZELBRANT_ARCH=$ZELBRANT_ARCH $top/scripts/build first."
unset DISPLAY
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv="
# shellcheck source=/dev/null
source "$top/scripts/wine-env"
trap 'restore; stop_wine_env' EXIT
trap 'exit 130' INT TERM HUP
say "tree $tree, build $build, display $DISPLAY, WINEPREFIX=$WINEPREFIX"

build_suite() { # $1: log file
    cmake --build "$build" --target zelbrant_tests -j2 >"$1" 2>&1
}

# Runs the suite once; sets $rc, $passed (yes or no) and $detail. A pass
# needs exit status 0 AND GoogleTest's closing "[  PASSED  ] N tests." for
# every test it started, with no failure: under Wine a test program that
# crashes after a failed expectation can still end with status 0.
run_suite() { # $1: log file
    rc=0
    (cd "$build/tests" && timeout -k 10 300 "$WINELOADER" "$build/bin/zelbrant_tests.exe" "--gtest_fail_fast=$([ -n "${CAMPAIGN_ALL_TESTS:-}" ] && echo 0 || echo 1)") \
        >"$1" 2>&1 || rc=$?
    sed -i 's/\r$//' "$1" # the Windows program ends its lines with CR LF
    local failed last ran ok crash expectation
    failed=$(grep -m1 '^\[  FAILED  \]' "$1" | sed 's/^\[  FAILED  \] //; s/ (.*//')
    last=$(grep '^\[ RUN      \]' "$1" | tail -n 1 | sed 's/^\[ RUN      \] //')
    ran=$(sed -n 's/^\[==========\] Running \([0-9]*\) tests\{0,1\} .*/\1/p' "$1" | head -n 1)
    ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\./\1/p' "$1" | tail -n 1)
    crash=$(grep -m1 -o 'Unhandled exception: [a-z ]*[a-z]' "$1")
    expectation=$(grep -m1 ': Failure$' "$1" | sed "s|^$top/||; s/: Failure$//")
    passed=no
    if [ $rc -eq 0 ] && [ -n "$ran" ] && [ "$ran" = "$ok" ] && [ -z "$failed" ]; then
        passed=yes
        detail=""
    elif [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
        detail="suspect: timeout during ${last:-start-up}"
    elif [ -n "$failed" ]; then
        detail="failed: $failed${crash:+ (then $crash)}"
    elif [ -n "$expectation" ]; then
        # A failed expectation, then a crash or an early end before the summary.
        detail="failed: $last at $expectation${crash:+ (then $crash)}"
    elif [ -n "$crash" ]; then
        detail="suspect: $crash during ${last:-start-up}"
    else
        detail="suspect: exit $rc without GoogleTest's pass line, during ${last:-start-up}"
    fi
}

reset_wine() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# The unmutated suite must pass, or the campaign measures nothing.
restore
say "baseline: building"
build_suite "$logs/baseline.build.log" || fail "the unmutated tree does not build: see $logs/baseline.build.log"
say "baseline: running the suite"
start=$SECONDS
run_suite "$logs/baseline.log"
[ $passed = yes ] || fail "the unmutated suite fails (exit $rc, $detail): see $logs/baseline.log. No campaign on a failing baseline."
say "baseline passed in $((SECONDS - start)) s"

[ -f "$results" ] || printf 'id\tgroup\toutcome\tseconds\n' >"$results"
[ -f "$details" ] || printf 'id\texit\tdetail\n' >"$details"

# The mutants to run: the ids given, or all, grouped by file so that one
# file's original and next mutant are compiled together.
mapfile -t all < <(python3 "$here/mutate.py" list "$tsv")
[ ${#all[@]} -gt 0 ] || fail "no mutants in $tsv"
if [ $# -gt 0 ]; then
    wanted=()
    for id in "$@"; do
        line=$(printf '%s\n' "${all[@]}" | awk -F'\t' -v id="$id" '$1 == id')
        [ -n "$line" ] || fail "unknown mutant id $id"
        wanted+=("$line")
        if [ "${CAMPAIGN_RERUN:-}" = 1 ] && awk -F'\t' -v id="$id" '$1 == id {f=1} END {exit !f}' "$results"; then
            old=$(awk -F'\t' -v id="$id" '$1 == id {print $3 " in " $4 " s"}' "$results")
            awk -F'\t' -v id="$id" '$1 != id' "$results" >"$results.tmp" && mv "$results.tmp" "$results"
            printf '%s\t-\trerun; the earlier run said %s\n' "$id" "$old" >>"$details"
        fi
    done
else
    mapfile -t wanted < <(printf '%s\n' "${all[@]}" | sort -s -t$'\t' -k3,3)
fi

total=${#wanted[@]}
n=0
for line in "${wanted[@]}"; do
    IFS=$'\t' read -r id group file <<<"$line"
    n=$((n + 1))
    if awk -F'\t' -v id="$id" '$1 == id {f=1} END {exit !f}' "$results"; then
        say "[$n/$total] $id: already done, skipped"
        continue
    fi
    start=$SECONDS
    rc=""
    detail=""
    target=$tree/$file
    if [ ! -f "$target" ]; then
        outcome=site-missing
    else
        cp "$target" "$state/backup" && echo "$target" >"$state/path"
        if ! python3 "$here/mutate.py" apply "$tsv" "$tree" "$id" 2>"$logs/$id.apply.log"; then
            outcome=site-missing
            detail=$(cat "$logs/$id.apply.log")
        elif ! build_suite "$logs/$id.build.log"; then
            outcome=build-failed
            detail=$(grep -m1 'error' "$logs/$id.build.log")
        else
            rm -f "$logs/$id.build.log"
            run_suite "$logs/$id.log"
            if [ $passed = yes ]; then outcome=survived; else outcome=caught; fi
            # A suite that ended badly may leave programs or a stuck
            # wineserver behind: the next mutant starts from a clean server.
            [ $passed = yes ] || reset_wine
        fi
        restore || fail "cannot restore $target from $state/backup: stop here"
        [ -s "$logs/$id.apply.log" ] || rm -f "$logs/$id.apply.log"
    fi
    secs=$((SECONDS - start))
    printf '%s\t%s\t%s\t%s\n' "$id" "$group" "$outcome" "$secs" >>"$results"
    printf '%s\t%s\t%s\n' "$id" "${rc:--}" "$detail" >>"$details"
    say "[$n/$total] $id ($group): $outcome in $secs s${detail:+ — $detail}"
done

# Leave the build as the unmutated tree builds it.
restore
say "rebuilding the unmutated tree"
build_suite "$logs/final.build.log" || say "warning: the final rebuild of the unmutated tree failed: $logs/final.build.log"

awk -F'\t' 'NR > 1 {c[$3]++; s += $4; k++}
    END {for (o in c) printf "%s %d\n", o, c[o]; if (k) printf "mutants %d, average %.1f s\n", k, s / k}' "$results"
