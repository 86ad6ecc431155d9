#!/usr/bin/env bash
# Times quenk-cli as a whole process, one puzzle after the other, with a wall-clock limit, and
# writes one CSV line per puzzle:
#   id,verdict,seconds      verdict: unique, multiple, none, found or timeout
# usage: bench/run_set.sh [--settle | --first] QUENK_CLI LIMIT_SECONDS FILE... > results.csv
#   (default)  quenk-cli solutions FILE --max 2 --quiet   the ordered search
#   --settle   quenk-cli settle FILE                       the settle search
#   --first    quenk-cli solve FILE --search               the first solution found (found or none)
set -u
mode=solutions
case "${1:-}" in
  --settle) mode=settle; shift ;;
  --first) mode=first; shift ;;
esac
cli=$1; limit=$2; shift 2
echo "id,verdict,wall_s"
for f in "$@"; do
  id=$(basename "${f%.*}")
  start=$(date +%s.%N)
  case $mode in
    solutions) out=$(timeout "$limit" "$cli" solutions "$f" --max 2 --quiet 2>/dev/null) ;;
    settle) out=$(timeout "$limit" "$cli" settle "$f" 2>/dev/null) ;;
    first) out=$(timeout "$limit" "$cli" solve "$f" --search 2>/dev/null) ;;
  esac
  rc=$?
  end=$(date +%s.%N)
  secs=$(echo "$end - $start" | bc)
  if [ $rc -eq 124 ]; then verdict=timeout
  else
    case $mode in
      solutions)
        case "$(echo "$out" | sed -n 's/^solutions: //p')" in
          0) verdict=none ;; 1) verdict=unique ;; 2) verdict=multiple ;; *) verdict=error ;;
        esac ;;
      settle)
        case $rc in 20) verdict=unique ;; 21) verdict=multiple ;; 22) verdict=none ;; *) verdict=error ;; esac ;;
      first)
        case $rc in 0) verdict=found ;; 22) verdict=none ;; *) verdict=error ;; esac ;;
    esac
  fi
  printf '%s,%s,%.4f\n' "$id" "$verdict" "$secs"
done
