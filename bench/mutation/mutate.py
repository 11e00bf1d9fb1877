#!/usr/bin/env python3
"""Reads mutants.tsv and applies one mutant to a work tree.

  mutate.py list  TSV                 id<TAB>group<TAB>file, one mutant a line
  mutate.py info  TSV ID              id<TAB>group<TAB>file<TAB>description
  mutate.py apply TSV TREE ID         replaces the original text by the
                                      replacement in TREE/file, in place
Exit status of apply: 0 applied, 2 the original text does not occur exactly
once (nothing written), 3 unknown id.

In the original and replacement columns \\n is a line feed, \\t a tab and
\\\\ a backslash. Lines starting with # are comments.
"""
import os
import sys


def decode(s):
    out, i = [], 0
    while i < len(s):
        c = s[i]
        if c == "\\" and i + 1 < len(s):
            n = s[i + 1]
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(n, "\\" + n))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def load(tsv):
    mutants = []
    with open(tsv, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 6:
                sys.exit(f"{tsv}: a line without 6 tab-separated fields: {line[:60]}")
            mid, path, old, new, group, desc = fields
            mutants.append((mid, path, decode(old), decode(new), group, desc))
    return mutants


def find(mutants, mid):
    for m in mutants:
        if m[0] == mid:
            return m
    return None


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    cmd, tsv = argv[1], argv[2]
    mutants = load(tsv)
    if cmd == "list":
        for mid, path, _, _, group, _ in mutants:
            print(f"{mid}\t{group}\t{path}")
        return 0
    if cmd == "info":
        m = find(mutants, argv[3])
        if not m:
            return 3
        print(f"{m[0]}\t{m[4]}\t{m[1]}\t{m[5]}")
        return 0
    if cmd == "apply":
        tree, mid = argv[3], argv[4]
        m = find(mutants, mid)
        if not m:
            print(f"unknown mutant {mid}", file=sys.stderr)
            return 3
        _, path, old, new, _, _ = m
        full = os.path.join(tree, path)
        try:
            with open(full, encoding="utf-8", newline="") as f:
                text = f.read()
        except FileNotFoundError:
            print(f"{mid}: {path} is missing", file=sys.stderr)
            return 2
        n = text.count(old)
        if n != 1:
            print(f"{mid}: the original text occurs {n} times in {path}", file=sys.stderr)
            return 2
        with open(full, "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(old, new, 1))
        return 0
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
