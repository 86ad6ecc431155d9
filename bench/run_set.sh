#!/usr/bin/env bash
# Times `quenk-cli solutions FILE --max 2 --quiet` as a whole process, one puzzle after the
# other, with a wall-clock limit, and writes one CSV line per puzzle:
#   id,verdict,seconds      verdict: unique, multiple, none or timeout
# usage: bench/run_set.sh QUENK_CLI LIMIT_SECONDS FILE... > results.csv
set -u
cli=$1; limit=$2; shift 2
echo "id,verdict,wall_s"
for f in "$@"; do
  id=$(basename "${f%.*}")
  start=$(date +%s.%N)
  out=$(timeout "$limit" "$cli" solutions "$f" --max 2 --quiet 2>/dev/null)
  rc=$?
  end=$(date +%s.%N)
  secs=$(echo "$end - $start" | bc)
  if [ $rc -eq 124 ]; then verdict=timeout
  else
    case "$(echo "$out" | sed -n 's/^solutions: //p')" in
      0) verdict=none ;; 1) verdict=unique ;; 2) verdict=multiple ;; *) verdict=error ;;
    esac
  fi
  printf '%s,%s,%.4f\n' "$id" "$verdict" "$secs"
done
