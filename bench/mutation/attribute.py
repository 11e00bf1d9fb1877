#!/usr/bin/env python3
# Which tests fail for each caught mutant of a campaign run without fail-fast,
# and per test how many mutants only it catches.
import collections, re, sys, os
label = sys.argv[1] if len(sys.argv) > 1 else "attr"
here = os.environ.get("CAMPAIGN_DIR", os.path.dirname(os.path.abspath(__file__)))
res = [l.rstrip("\n").split("\t") for l in open(f"{here}/results-{label}.tsv")][1:]
muts = {l.split("\t")[0]: l.rstrip("\n").split("\t") for l in open(f"{here}/mutants.tsv") if not l.startswith("#")}
per_test = collections.defaultdict(list)
unique = collections.defaultdict(list)
for id_, group, outcome, secs in res:
    if outcome != "caught":
        continue
    log = open(f"{here}/logs-{label}/{id_}.log", errors="replace").read()
    failed = sorted(set(re.findall(r"^\[  FAILED  \] (\S+)", log, re.M)))
    failed = [f for f in failed if "." in f]
    if not failed:
        run = re.findall(r"^\[ RUN      \] (\S+)", log, re.M)
        failed = [("CRASH:" + run[-1]) if run else "CRASH:start"]
    for t in failed:
        per_test[t].append(id_)
    if len(failed) == 1:
        unique[failed[0]].append(f"{id_}[{group}]")
for t in sorted(per_test, key=lambda t: len(unique[t])):
    print(f"{len(per_test[t]):3d} caught, {len(unique[t]):2d} alone  {t}: {' '.join(unique[t])}")
