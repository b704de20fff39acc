#!/usr/bin/env python3
"""Builds the benchmark corpora, deterministically, from nothing but this script.

    make-corpora.py [--out DIR] [--scale S] [--seed N] [CORPUS ...]

CORPUS is any of cmp, big, dups, dupsbig, empty (default: all of these), or million
(built only when named: make bench-scale). Each is built into
DIR/CORPUS (default $BENCH, else /tmp/quorvex-bench); a finished corpus gets a
marker DIR/CORPUS.done holding its seed and scale, which the benchmark scripts look
for. Contents come from random.Random(seed), so the same seed and scale give the
same bytes, names and times on every machine. --scale multiplies every count and
size (0.001 makes a corpus of a few seconds for a test of the scripts).

  cmp      A: a source-like tree, 14,000 files in 1,000 folders, 240 MB.
           B: a copy of A with changes listed in cmp/changes.tsv: 1 % one byte
           changed (same size and time: only a content comparison sees it), 1 %
           size changed, 1 % deleted, 1 % added, 2 % time moved back a day, three
           folders only in A, three folders of five files only in B.
  big      big/{A,same,last4k,first}/f.bin, 2 GiB each: same is a copy of A,
           last4k has other last 4 KiB, first has its first byte flipped.
  dups     a tree like an installed system: 120,000 files (log-normal sizes,
           2.5 GB) in 15,000 folders, 4,000 groups of duplicates holding 13,400
           files, 500 same-size files that differ in their last byte, 900
           zero-size files, 450 empty folders, 1 % hidden names; and in
           dups/include/ 9,500 C-header-like texts (120 MB) in 850 folders that
           share licence preambles and words, 15 % of them versions of others.
  dupsbig  2,000 files of 1-8 MiB in 20 folders: 1,300 originals, 600 exact copies
           of them, 100 near copies (last byte flipped). Plan in dupsbig.plan.
  empty    a 50 x 20 x 49 folder tree and 50 chains chainNN/b/c; 200,000 files of
           1-8,192 bytes, 5 % of them empty; 2,500 empty leaf folders beside the
           50 chain ends. Counts in empty.truth.
  million  million/A: 1,000,000 files of 0-300 bytes in 2,000 folders up to 12 deep,
           a third of the files in 20 wide folders of 15,000 or more, and a chain of
           40 folders; 40 % of the files are in 150,000 groups of duplicates, 2 % are
           empty, 200 leaf folders are empty. million/B: the same tree made of hard
           links to A's files, but 1 % of the files deleted, 1 % rewritten (other
           contents, size and time), 1 % added. Counts in million.truth.
"""
import argparse
import os
import random
import shutil
import sys
from pathlib import Path

FIXED_TIME = 1704067200  # 2024-01-01 00:00:00 UTC
DAY = 86400


class Corpus:
    """Writes files with seeded contents and times below one folder."""

    def __init__(self, root, seed, scale):
        self.root = Path(root)
        self.random = random.Random(f"{seed}:{self.root.name}")
        self.scale = scale

    def count(self, n, least=1):
        return max(least, round(n * self.scale))

    def size(self, n):
        return max(1, int(n * self.scale)) if n else 0

    def write(self, relative, size, mtime=None, data=None):
        path = self.root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        with open(path, "wb") as f:
            if data is not None:
                f.write(data)
            else:
                left = size
                while left:
                    chunk = min(left, 1 << 24)
                    f.write(self.random.randbytes(chunk))
                    left -= chunk
        if mtime is not None:
            os.utime(path, (mtime, mtime))
        return path

    def some_time(self):
        """A time within 2023, whole seconds."""
        return FIXED_TIME - 365 * DAY + self.random.randrange(365 * DAY)


def copy_with_time(source, target):
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source, target)
    stat = source.stat()
    os.utime(target, ns=(stat.st_atime_ns, stat.st_mtime_ns))


def flip_byte(path, offset):
    """Changes one byte in place and keeps the modification time."""
    stat = path.stat()
    with open(path, "r+b") as f:
        f.seek(offset)
        byte = f.read(1)[0]
        f.seek(offset)
        f.write(bytes([byte ^ 0x5A]))
    os.utime(path, ns=(stat.st_atime_ns, stat.st_mtime_ns))


def grow_folders(c, count, max_depth, names):
    """A random tree of `count` folders below the root (relative paths), shallow
    folders being likelier parents, as in real trees."""
    folders = [""]
    depth = {"": 0}
    while len(folders) < count + 1:
        parent = folders[min(int(c.random.expovariate(1 / 40)), len(folders) - 1)
                         if c.random.random() < 0.5 else c.random.randrange(len(folders))]
        if depth[parent] >= max_depth:
            continue
        name = f"{c.random.choice(names)}{len(folders)}"
        folder = f"{parent}/{name}" if parent else name
        folders.append(folder)
        depth[folder] = depth[parent] + 1
    return folders[1:]


def leaves_of(folders):
    parents = {f.rpartition("/")[0] for f in folders}
    return [f for f in folders if f not in parents]


def make_cmp(c):
    a, b = c.root / "A", c.root / "B"
    folders = grow_folders(c, c.count(1000), 6, ["src", "lib", "include", "doc", "test", "mod"])
    extensions = [".h", ".c", ".py", ".txt", ".html", ".json", ""]
    files = []
    for i in range(c.count(14000)):
        folder = folders[i] if i < len(folders) else c.random.choice(folders)
        name = f"{folder}/file{i:05d}{c.random.choice(extensions)}"
        size = min(int(c.random.lognormvariate(8.6, 1.3)), 4 << 20)
        c.write(f"A/{name}", c.size(size), c.some_time())
        files.append(name)
    shutil.copytree(a, b, copy_function=shutil.copy2)

    log = []
    # Three folders without subfolders, of 2 to 30 files, only in A.
    holding = {}
    for name in files:
        holding.setdefault(name.rpartition("/")[0], []).append(name)
    small = sorted(f for f in leaves_of(folders) if 2 <= len(holding.get(f, [])) <= 30)
    for folder in c.random.sample(small, min(3, len(small))):
        shutil.rmtree(b / folder)
        log.append(("dir_only_in_A", folder))
        files = [f for f in files if not f.startswith(folder + "/")]

    picked = c.random.sample(files, len(files))
    k = max(1, len(files) // 100)
    changed = [f for f in picked if (b / f).stat().st_size > 0][:k]
    changed_set = set(changed)
    rest = [f for f in picked if f not in changed_set]
    resized, deleted, touched = rest[:k], rest[k:2 * k], rest[2 * k:4 * k]
    for name in changed:
        offset = c.random.randrange((b / name).stat().st_size)
        flip_byte(b / name, offset)
        log.append(("content_same_size", name, str(offset)))
    for name in resized:
        with open(b / name, "ab") as f:
            f.write(b"\n/* size changed */\n")
        os.utime(b / name, (FIXED_TIME, FIXED_TIME))
        log.append(("size_changed", name))
    for name in deleted:
        (b / name).unlink()
        log.append(("deleted_in_B", name))
    for name in touched:
        stat = (b / name).stat()
        os.utime(b / name, ns=(stat.st_atime_ns, stat.st_mtime_ns - DAY * 10**9))
        log.append(("mtime_touched", name))
    live = sorted(f for f in folders if (b / f).is_dir())
    for i in range(k):
        name = f"{c.random.choice(live)}/added_{i:04d}.txt"
        c.write(f"B/{name}", c.size(c.random.randint(100, 20000)), FIXED_TIME)
        log.append(("added_in_B", name))
    for i in range(3):
        folder = f"{c.random.choice(live)}/only_in_B_{i}"
        for j in range(5):
            c.write(f"B/{folder}/f{j}.txt", c.size(c.random.randint(100, 5000)), FIXED_TIME)
        os.utime(b / folder, (FIXED_TIME, FIXED_TIME))
        log.append(("dir_only_in_B", folder))
    c.write("changes.tsv", 0, FIXED_TIME, "".join("\t".join(row) + "\n" for row in log).encode())
    return f"A {len(files)} files after the changes, {len(log)} changes"


def make_big(c):
    size = c.size(2 << 30)
    a = c.write("A/f.bin", size)
    for side in ("same", "last4k", "first"):
        copy_with_time(a, c.root / side / "f.bin")
    tail = min(4096, size)
    with open(c.root / "last4k" / "f.bin", "r+b") as f:
        f.seek(size - tail)
        f.write(c.random.randbytes(tail))
    flip_byte(c.root / "first" / "f.bin", 0)
    for side in ("A", "same", "last4k", "first"):
        os.utime(c.root / side / "f.bin", (FIXED_TIME, FIXED_TIME))
    return f"four files of {size} bytes"


def make_dups(c):
    folders = grow_folders(c, c.count(15000), 9,
                           ["share", "doc", "lib", "python", "locale", "icons", "man", "data"])
    leaves = leaves_of(folders)
    empty = set(c.random.sample(leaves, min(c.count(450), len(leaves) - 1)))
    holders = [f for f in folders if f not in empty]
    extensions = [".py", ".h", ".txt", ".png", ".gz", ".mo", ".json", ".html", ".svg", ""]

    def place(i):
        folder = holders[i] if i < len(holders) else c.random.choice(holders)
        dot = "." if c.random.random() < 0.01 else ""
        return f"{folder}/{dot}f{i:06d}{c.random.choice(extensions)}"

    originals = []
    total = c.count(120000)
    groups, in_groups = c.count(4000), c.count(13400)
    near, zero = c.count(500), c.count(900)
    unique = total - in_groups - near - zero
    for i in range(unique + groups):
        size = min(max(int(c.random.lognormvariate(8.3, 1.9)), 64), 64 << 20)
        originals.append(c.write(place(i), c.size(size), c.some_time()))
    # Copies: every group gets one, the rest go to random groups.
    heads = c.random.sample(originals, groups)
    index = unique + groups
    for n in range(in_groups - groups):
        head = heads[n] if n < groups else c.random.choice(heads)
        copy_with_time(head, c.root / place(index))
        index += 1
    # Same size as an original, different last byte: not duplicates.
    head_set = set(heads)
    for source in c.random.sample([o for o in originals if o not in head_set], near):
        target = c.root / place(index)
        copy_with_time(source, target)
        flip_byte(target, target.stat().st_size - 1)
        index += 1
    for _ in range(zero):
        c.write(place(index), 0, c.some_time())
        index += 1
    for folder in folders:
        (c.root / folder).mkdir(parents=True, exist_ok=True)
    headers = make_headers(c, "include")
    return (f"{index} files in {len(folders)} folders, {groups} duplicate groups of "
            f"{in_groups} files, {len(empty)} empty folders, {zero} zero-size files; {headers}")


def make_headers(c, top):
    """A tree of C-header-like texts below `top`: shared licence preambles, a common
    vocabulary, and files that are variants of others (words swapped in place, a
    line inserted, or exact copies), so that contents are alike in parts as in a
    real include folder."""
    rng = c.random
    syllables = ["ab", "buf", "cfg", "dev", "ent", "fd", "get", "hdr", "io", "key", "len",
                 "map", "net", "opt", "ptr", "que", "reg", "sock", "tab", "usr", "val", "win"]
    names = sorted({"_".join(rng.choices(syllables, k=rng.randint(1, 3))) for _ in range(3000)})
    types = ["int", "long", "char *", "const char *", "void *", "size_t", "uint32_t",
             "unsigned int", "struct " + names[0], "double"]

    def line():
        kind = rng.random()
        if kind < 0.45:
            args = ", ".join(f"{rng.choice(types)} {rng.choice(names)}"
                             for _ in range(rng.randint(0, 4)))
            return f"extern {rng.choice(types)} {rng.choice(names)}({args or 'void'});\n"
        if kind < 0.7:
            return f"#define {rng.choice(names).upper()} {rng.randint(0, 1 << 16):#x}\n"
        if kind < 0.85:
            return f"    {rng.choice(types)} {rng.choice(names)};\n"
        return f"/* {' '.join(rng.choices(names, k=rng.randint(3, 12)))} */\n"

    def words(count):
        return " ".join(rng.choices(names, k=count))

    preambles = [f"/* {words(rng.randint(60, 300))} */\n\n".encode() for _ in range(12)]
    folders = [f"{top}/{f}" for f in
               grow_folders(c, c.count(850), 4, ["linux", "sys", "bits", "net", "asm", "gtk", "x11"])]
    texts = []
    for i in range(c.count(9500)):
        target = c.size(min(max(int(rng.lognormvariate(8.8, 1.2)), 200), 1 << 20))
        if texts and rng.random() < 0.15:
            data = variant(rng, rng.choice(texts), line)
        else:
            parts = [rng.choice(preambles)] if rng.random() < 0.8 else []
            size = sum(map(len, parts))
            while size < target:
                parts.append(line().encode())
                size += len(parts[-1])
            data = b"".join(parts)[:max(target, 1)]
        texts.append(data)
        folder = folders[i] if i < len(folders) else rng.choice(folders)
        c.write(f"{folder}/{rng.choice(names)}_{i}.h", 0, c.some_time(), data)
    return f"{len(texts)} header-like files in {top}/"


def variant(rng, text, line):
    """Another version of a text: words swapped in place (same size), one line
    inserted, or an exact copy."""
    kind = rng.random()
    if kind < 0.5:
        out = bytearray(text)
        for _ in range(rng.randint(1, 20)):
            at = rng.randrange(len(out))
            for k in range(at, min(at + 4, len(out))):
                out[k] = rng.choice(b"abcdefghijklmnopqrstuvwxyz")
        return bytes(out)
    if kind < 0.85:
        at = rng.randrange(len(text))
        return text[:at] + line().encode() + text[at:]
    return text


def make_dupsbig(c):
    plan = []
    originals = []
    for i in range(c.count(1300)):
        name = f"d{i % 20:02d}/orig{i:04d}.bin"
        c.write(name, c.size(c.random.randint(1 << 20, 8 << 20)), c.some_time())
        originals.append(name)
        plan.append(("original", name))
    for i in range(c.count(600)):
        source = c.random.choice(originals)
        name = f"d{c.random.randrange(20):02d}/copy{i:04d}.bin"
        copy_with_time(c.root / source, c.root / name)
        plan.append(("copy", name, source))
    for i, source in enumerate(c.random.sample(originals, min(c.count(100), len(originals)))):
        name = f"d{c.random.randrange(20):02d}/near{i:04d}.bin"
        copy_with_time(c.root / source, c.root / name)
        flip_byte(c.root / name, (c.root / name).stat().st_size - 1)
        plan.append(("near_copy", name, source))
    Path(f"{c.root}.plan").write_text("".join("\t".join(row) + "\n" for row in plan))
    return f"{len(plan)} files"


def make_empty(c):
    top = [f"t{i:02d}" for i in range(c.count(50))]
    middle = [f"{t}/s{j:02d}" for t in top for j in range(20)]
    bottom = [f"{m}/x{k:02d}" for m in middle for k in range(49)]
    for folder in bottom:
        (c.root / folder).mkdir(parents=True)
    empty = set(c.random.sample(bottom, c.count(2500)))
    holders = [f for f in top + middle + bottom if f not in empty]
    files = max(c.count(200000), len(holders))
    zero = set(c.random.sample(range(files), c.count(10000)))
    # Every holder gets a file; the rest are spread at random.
    places = holders + [c.random.choice(holders) for _ in range(files - len(holders))]
    for i, folder in enumerate(places):
        size = 0 if i in zero else c.random.randint(1, 8192)
        c.write(f"{folder}/f{i:06d}{c.random.choice(['.txt', '.dat', '.log', ''])}", size,
                FIXED_TIME)
    chains = c.count(50)
    for i in range(chains):
        (c.root / f"chain{i:02d}" / "b" / "c").mkdir(parents=True)
    truth = {
        "folders": len(top) + len(middle) + len(bottom) + 3 * chains,
        "files": files,
        "zero_size_files": len(zero),
        "empty_leaf_folders": len(empty) + chains,
        "folders_containing_only_empty_folders": 2 * chains,
    }
    Path(f"{c.root}.truth").write_text("".join(f"{k}\t{v}\n" for k, v in truth.items()))
    return ", ".join(f"{k} {v}" for k, v in truth.items())


def make_million(c):
    rng = c.random
    folders = grow_folders(c, c.count(2000), 12, ["src", "var", "cache", "pkg", "img", "log"])
    chain = "/".join(f"deep{i:02d}" for i in range(40))
    folders += [chain[:end] for end in range(6, len(chain) + 1, 7)]
    leaves = leaves_of(folders)
    empty = set(rng.sample(leaves, min(c.count(200), len(leaves) - 1)))
    holders = [f for f in folders if f not in empty]
    wide = rng.sample(holders, min(20, len(holders)))
    total = c.count(1000000)
    heads, copies, zero = c.count(150000), c.count(250000), c.count(20000)
    unique = total - heads - copies - zero
    extensions = [".dat", ".txt", ".json", ".js", ".css", ""]
    for folder in folders:
        (c.root / "A" / folder).mkdir(parents=True, exist_ok=True)

    def place(i):
        # Every holder gets a file; a third of the rest go to the wide folders.
        if i < len(holders):
            folder = holders[i]
        else:
            folder = rng.choice(wide) if rng.random() < 0.34 else rng.choice(holders)
        return f"A/{folder}/f{i:07d}{rng.choice(extensions)}"

    def write(relative, data, mtime):
        fd = os.open(c.root / relative, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
        try:
            os.write(fd, data)
            os.utime(fd, (mtime, mtime))
        finally:
            os.close(fd)

    # Contents of 8 bytes or more, so that no two originals are equal by chance.
    files, contents = [], []
    for i in range(unique + heads):
        data = rng.randbytes(rng.randint(8, 300))
        name = place(i)
        write(name, data, c.some_time())
        files.append(name)
        if i >= unique:
            contents.append(data)
    # Every head gets a copy while there are copies for all, the rest go anywhere.
    copied = set()
    for j in range(copies):
        head = j if j < heads else rng.randrange(heads)
        copied.add(head)
        name = place(unique + heads + j)
        write(name, contents[head], c.some_time())
        files.append(name)
    for i in range(unique + heads + copies, total):
        name = place(i)
        write(name, b"", c.some_time())
        files.append(name)

    # B: hard links to A's files, with its own changes.
    for folder in folders:
        (c.root / "B" / folder).mkdir(parents=True, exist_ok=True)
    picked = rng.sample(files, len(files))
    k = c.count(10000)
    deleted, rewritten = set(picked[:k]), set(picked[k:2 * k])
    for name in files:
        if name in deleted:
            continue
        target = "B" + name[1:]
        if name in rewritten:
            write(target, rng.randbytes(rng.randint(1, 300)), FIXED_TIME)
        else:
            os.link(c.root / name, c.root / target)
    for i in range(k):
        write(f"B/{rng.choice(holders)}/added{i:06d}.dat", rng.randbytes(rng.randint(1, 300)),
              FIXED_TIME)
    truth = {
        "files": total,
        "folders": len(folders),
        "zero_size_files": zero,
        "empty_leaf_folders": len(empty),
        "duplicate_groups": len(copied),
        "files_in_duplicate_groups": len(copied) + copies,
    }
    Path(f"{c.root}.truth").write_text("".join(f"{k}\t{v}\n" for k, v in truth.items()))
    return ", ".join(f"{k} {v}" for k, v in truth.items())


BUILDERS = {"cmp": make_cmp, "big": make_big, "dups": make_dups, "dupsbig": make_dupsbig,
            "empty": make_empty, "million": make_million}
# Built only when named.
OPT_IN = {"million"}
GIB_NEEDED = {"cmp": 1, "big": 9, "dups": 4, "dupsbig": 10, "empty": 2, "million": 5}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.environ.get("BENCH", "/tmp/quorvex-bench"))
    parser.add_argument("--scale", type=float, default=float(os.environ.get("BENCH_SCALE", 1)))
    parser.add_argument("--seed", type=int, default=20240611)
    parser.add_argument("corpora", nargs="*", metavar="CORPUS")
    args = parser.parse_args()
    unknown = [name for name in args.corpora if name not in BUILDERS]
    if unknown:
        parser.error(f"unknown corpus {unknown[0]} (known: {' '.join(BUILDERS)})")
    if not 0 < args.scale <= 1:
        parser.error("--scale takes a number above 0 and at most 1")
    out = Path(args.out).resolve()
    out.mkdir(parents=True, exist_ok=True)
    for name in args.corpora or [name for name in BUILDERS if name not in OPT_IN]:
        need = GIB_NEEDED[name] * args.scale * (1 << 30)
        if shutil.disk_usage(out).free < need:
            sys.exit(f"make-corpora: {name} needs {need / (1 << 30):.1f} GiB free in {out}")
        root, marker = out / name, out / f"{name}.done"
        marker.unlink(missing_ok=True)
        shutil.rmtree(root, ignore_errors=True)
        root.mkdir()
        summary = BUILDERS[name](Corpus(root, args.seed, args.scale))
        # Folder times too are the same in every build.
        for folder, _, _ in os.walk(root):
            os.utime(folder, (FIXED_TIME, FIXED_TIME))
        marker.write_text(f"seed {args.seed} scale {args.scale}\n")
        print(f"{name}: {summary}", file=sys.stderr)


if __name__ == "__main__":
    main()
