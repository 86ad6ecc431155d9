#!/usr/bin/env python3
"""Sets a run of bench/run_set.sh (id,verdict,wall_s) beside pbnsolve's results from the
shared data (id,status,wall_s,...): puzzles settled by each within the limit, totals, and
the puzzles where the verdicts differ.
usage: compare_with_pbnsolve.py OURS.csv PBNSOLVE.csv [LIMIT_SECONDS]"""
import csv
import sys

SETTLED = {"unique", "multiple", "none"}


def verdict(status):
    # pbnsolve writes "unique logical" or "trivial unique logical" when lines alone solve it.
    words = status.split()
    return "unique" if "unique" in words else status


def read(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    if rows and rows[0][0] == "id":
        rows = rows[1:]
    return {r[0]: (verdict(r[1]), float(r[2])) for r in rows if len(r) >= 3}


def main():
    ours, peer = read(sys.argv[1]), read(sys.argv[2])
    limit = float(sys.argv[3]) if len(sys.argv) > 3 else 20.0
    ids = sorted(ours)
    settled = lambda res, i: i in res and res[i][0] in SETTLED and res[i][1] <= limit
    ours_ok = [i for i in ids if settled(ours, i)]
    peer_ok = [i for i in ids if settled(peer, i)]
    both = [i for i in ids if settled(ours, i) and settled(peer, i)]
    print(f"puzzles: {len(ids)}")
    print(f"settled: ours {len(ours_ok)} ({sum(ours[i][1] for i in ours_ok):.1f} s), "
          f"pbnsolve {len(peer_ok)} ({sum(peer[i][1] for i in peer_ok):.1f} s)")
    print(f"both settle {len(both)}: ours {sum(ours[i][1] for i in both):.1f} s, "
          f"pbnsolve {sum(peer[i][1] for i in both):.1f} s; ours faster on "
          f"{sum(ours[i][1] < peer[i][1] for i in both)}")
    missed = [i for i in peer_ok if not settled(ours, i)]
    print(f"pbnsolve settles, ours not: {len(missed)} {' '.join(missed)}")
    extra = [i for i in ours_ok if not settled(peer, i)]
    print(f"ours settles, pbnsolve not: {len(extra)} {' '.join(extra)}")
    differ = [i for i in both if ours[i][0] != peer[i][0]]
    if differ:
        print(f"VERDICTS DIFFER: {' '.join(differ)}")


if __name__ == "__main__":
    main()
