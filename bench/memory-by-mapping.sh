#!/usr/bin/env bash
# Where the program's resident memory goes beyond the one-label Qt window's: each mapping's
# resident size (/proc/PID/smaps) in both, two seconds after start on a virtual display, and
# the difference, largest first. Anonymous mappings are summed under [anon]; threads' stacks
# and malloc arenas are among them. Usage: bench/memory-by-mapping.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cat > "$out/sample.sh" << 'EOF'
#!/usr/bin/env bash
# sample.sh PROGRAM OUT: the program's resident kB by mapping, its peak and its threads.
"$1" > /dev/null 2>&1 &
pid=$!
sleep 2
awk '/^[0-9a-f]+-[0-9a-f]+ /{name = $6 == "" ? "[anon]" : $6}
     /^Rss:/{rss[name] += $2}
     END{for (n in rss) printf "%s\t%d\n", n, rss[n]}' "/proc/$pid/smaps" | sort > "$2"
printf "peak (VmHWM)\t%d\n" "$(awk '/VmHWM/{print $2}' "/proc/$pid/status")" >> "$2"
printf "threads\t%d\n" "$(ls "/proc/$pid/task" | wc -l)" >> "$2"
kill "$pid"
wait "$pid" 2> /dev/null || true
EOF
chmod +x "$out/sample.sh"

xvfb-run -a -s "-screen 0 800x600x24" bash -c \
    "'$out/sample.sh' '$build/app/triangle-solver' '$out/program' &&
     '$out/sample.sh' '$build/bench/floor_window' '$out/floor'"

echo "resident kB: program, floor, difference (mappings that differ)"
join -t $'\t' -a 1 -a 2 -e 0 -o 0,1.2,2.2 <(sort "$out/program") <(sort "$out/floor") |
    awk -F '\t' '$2 != $3 {printf "%8d %8d %+8d  %s\n", $2, $3, $2 - $3, $1}' | sort -k3,3gr
