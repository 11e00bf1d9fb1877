#!/usr/bin/env python3
"""summarize.py LABEL [OTHER_LABEL]

Totals, per-group counts, survivors (with their descriptions) and suspect
catches of results-LABEL.tsv; with OTHER_LABEL, also every mutant whose
outcome differs between the two runs (e.g. before / after).
"""
import collections
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def read_tsv(name, ncols):
    rows = []
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        return rows
    with open(path, encoding="utf-8") as f:
        for i, line in enumerate(f):
            fields = line.rstrip("\n").split("\t")
            if i == 0 or line.startswith("#") or len(fields) < ncols:
                continue
            rows.append(fields)
    return rows


def descriptions():
    d = {}
    for name in ("mutants.tsv", "mutants-reserve.tsv"):
        for f in read_tsv(name, 6):
            d[f[0]] = f[5]
    return d


def results(label):
    return {r[0]: r for r in read_tsv(f"results-{label}.tsv", 4)}


def summary(label, desc):
    res = results(label)
    if not res:
        sys.exit(f"no results-{label}.tsv")
    totals = collections.Counter(r[2] for r in res.values())
    secs = [int(r[3]) for r in res.values()]
    print(f"== {label}: {len(res)} mutants, average {sum(secs) / len(secs):.1f} s per mutant")
    for outcome in ("caught", "survived", "build-failed", "site-missing"):
        print(f"  {outcome:13} {totals.get(outcome, 0)}")
    groups = collections.defaultdict(collections.Counter)
    for r in res.values():
        groups[r[1]][r[2]] += 1
    print("  per group (caught/total):")
    for g in sorted(groups):
        c = groups[g]
        print(f"    {g:28} {c['caught']}/{sum(c.values())}")
    print("  survivors:")
    for r in sorted(res.values(), key=lambda r: (r[1], r[0])):
        if r[2] == "survived":
            print(f"    {r[0]:11} {r[1]:28} {desc.get(r[0], '')}")
    latest = {}  # the last run of each id (reruns append to the details)
    for d in read_tsv(f"details-{label}.tsv", 3):
        if d[1] != "-":
            latest[d[0]] = d
    reruns = [d for d in read_tsv(f"details-{label}.tsv", 3) if d[1] == "-"]
    for d in reruns:
        print(f"  rerun: {d[0]} ({d[2]}); now {res[d[0]][2] if d[0] in res else '-'}")
    suspects = [d for d in latest.values() if d[2].startswith("suspect")]
    if suspects:
        print("  suspect catches (timeout or crash; see logs-%s/ID.log):" % label)
        for d in suspects:
            print(f"    {d[0]:11} exit {d[1]}: {d[2]}")
    return res


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    desc = descriptions()
    a = summary(sys.argv[1], desc)
    if len(sys.argv) > 2:
        b = summary(sys.argv[2], desc)
        print(f"== outcomes that differ ({sys.argv[1]} -> {sys.argv[2]}):")
        for mid in sorted(set(a) | set(b)):
            oa = a[mid][2] if mid in a else "-"
            ob = b[mid][2] if mid in b else "-"
            if oa != ob:
                group = (a.get(mid) or b.get(mid))[1]
                print(f"    {mid:11} {group:28} {oa} -> {ob}   {desc.get(mid, '')}")


if __name__ == "__main__":
    main()
