#!/usr/bin/env python3
"""Builds the benchmark tree: the same bytes for the same seed and scale.

At scale 1.0: about 200,000 files in about 20,000 directories, depth up to 8,
1 to 50 files a directory and a few directories of 5,000, about 1 GiB in all,
sizes from 0 bytes to 8 MiB. About 1% of the text files hold the phrase in a
random mix of cases at a random offset, some of them across an 8192-byte
boundary; a tenth of the .bin files hold the byte string. Names use the
extensions .txt .cpp .log .bin (some in upper case), blanks, and no dot at
all; none has a second dot or starts with one, so every tool reads the same
name the same way.

Usage: generate.py DIR [--scale S] [--seed N]
DIR/bench is created (it must not exist yet); DIR/bench.manifest lists what
was planted, for the runner's own checks.
"""

import argparse
import os
import random
import sys

PHRASE = b"needle phrase"
# No ASCII letter, no NUL and no line end: every tool takes these bytes as
# they are, and case folding cannot change them.
BYTES = bytes.fromhex("DEADBEEF7FFE1337")

BASE_DIRS = 20_000
BIG_DIRS = 4
BIG_DIR_FILES = 5_000
MAX_DEPTH = 8
POOL_SIZE = 8 << 20

WORDS = ("the of and to in is it that for on with as was at by be this from or "
         "an are which but not have had were all one their there can when more "
         "file search drive directory pattern match result batch command value "
         "system engine window buffer offset length record entry option string "
         "needles phrases needy needled phrasing").split()


def text_pool(rng):
    """Prose-like lines; the phrase itself never occurs in them."""
    out = bytearray()
    while len(out) < POOL_SIZE:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(3, 14)))
        if rng.random() < 0.3:
            line = line.capitalize() + "."
        out += line.encode() + b"\n"
    return bytes(out[:POOL_SIZE])


def code_pool(rng):
    out = bytearray()
    while len(out) < POOL_SIZE:
        name = rng.choice(WORDS) + "_" + rng.choice(WORDS)
        out += (f"int {name}(int value, const char* text) {{\n"
                f"  if (value > {rng.randint(0, 9999)}) return {name}(value - 1, text);\n"
                f"  // {' '.join(rng.choice(WORDS) for _ in range(6))}\n"
                f"  return value * {rng.randint(2, 99)};\n}}\n\n").encode()
    return bytes(out[:POOL_SIZE])


def log_pool(rng):
    out = bytearray()
    while len(out) < POOL_SIZE:
        out += (f"2024-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d} "
                f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}:{rng.randint(0, 59):02d} "
                f"[{rng.choice(('INFO', 'WARN', 'DEBUG', 'ERROR'))}] "
                f"{' '.join(rng.choice(WORDS) for _ in range(rng.randint(4, 10)))}\n").encode()
    return bytes(out[:POOL_SIZE])


def file_size(rng, big_share):
    """0 bytes to 8 MiB, most files small, a few large ones carrying much
    of the volume."""
    r = rng.random()
    if r < big_share:
        return rng.randint(1 << 20, 8 << 20)
    if r < 0.02:
        return 0
    if r < 0.20:
        return rng.randint(1, 256)
    if r < 0.70:
        return rng.randint(256, 4096)
    if r < 0.95:
        return rng.randint(4096, 12288)
    return rng.randint(12288, 49152)


def file_name(rng, index):
    kind = rng.random()
    stem = rng.choice(WORDS) + str(index)
    if rng.random() < 0.1:
        stem = rng.choice(WORDS) + " " + stem  # a blank in the name
    if kind < 0.08:
        return stem, "none"
    ext = rng.choice((".txt", ".txt", ".cpp", ".log", ".bin"))
    if rng.random() < 0.05:
        ext = ext.upper()
    return stem + ext, ext.lower()[1:]


def mixed_case(rng, data):
    return bytes(c ^ 0x20 if 97 <= c <= 122 and rng.random() < 0.5 else c for c in data)


def plant_offset(rng, size, length):
    """A random offset, now and then one that straddles an 8192-byte mark."""
    if size >= 8192 + length and rng.random() < 0.3:
        mark = 8192 * rng.randint(1, (size - length) // 8192)
        return mark - rng.randint(1, length - 1)
    return rng.randint(0, size - length)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("dir")
    parser.add_argument("--scale", type=float, default=1.0)
    parser.add_argument("--seed", type=int, default=5)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    root = os.path.join(args.dir, "bench")
    os.makedirs(root)
    pools = {"txt": text_pool(rng), "cpp": code_pool(rng), "log": log_pool(rng),
             "none": text_pool(rng), "bin": rng.randbytes(POOL_SIZE)}

    dir_count = max(10, round(BASE_DIRS * args.scale))
    big_dirs = round(BIG_DIRS * args.scale)
    # Each directory hangs below a random earlier one that is not too deep.
    dirs = [(root, 0)]
    shallow = [0]
    for i in range(1, dir_count):
        parent_path, depth = dirs[rng.choice(shallow)]
        name = f"dir{i}" if rng.random() < 0.9 else f"my dir {i}"
        path = os.path.join(parent_path, name)
        os.mkdir(path)
        dirs.append((path, depth + 1))
        if depth + 1 < MAX_DEPTH:
            shallow.append(i)
    big = set(rng.sample(range(1, dir_count), big_dirs))

    planted_phrase = []
    planted_bytes = []
    files = 0
    volume = 0
    for d, (path, _) in enumerate(dirs):
        count = BIG_DIR_FILES if d in big else 1 + int(49 * rng.random() ** 4.5)
        for _ in range(count):
            name, kind = file_name(rng, files)
            files += 1
            size = file_size(rng, 0.00015)
            pool = pools[kind]
            start = rng.randint(0, POOL_SIZE - 1)
            data = bytearray()
            while len(data) < size:
                take = min(size - len(data), POOL_SIZE - start)
                data += pool[start:start + take]
                start = 0
            full = os.path.join(path, name)
            if kind != "bin" and size >= len(PHRASE) and rng.random() < 0.011:
                at = plant_offset(rng, size, len(PHRASE))
                data[at:at + len(PHRASE)] = mixed_case(rng, PHRASE)
                planted_phrase.append(full)
            elif kind == "bin" and size >= len(BYTES) and rng.random() < 0.1:
                at = plant_offset(rng, size, len(BYTES))
                data[at:at + len(BYTES)] = BYTES
                planted_bytes.append(full)
            with open(full, "wb") as out:
                out.write(data)
            volume += size

    with open(os.path.join(args.dir, "bench.manifest"), "w") as out:
        out.write(f"seed {args.seed}\nscale {args.scale}\nfiles {files}\ndirs {dir_count}\n"
                  f"bytes {volume}\nphrase {len(planted_phrase)}\nbytestring {len(planted_bytes)}\n")
    print(f"{root}: {files} files, {dir_count} directories, {volume / (1 << 30):.2f} GiB, "
          f"phrase in {len(planted_phrase)}, byte string in {len(planted_bytes)}", file=sys.stderr)


if __name__ == "__main__":
    main()
