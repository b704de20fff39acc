#!/usr/bin/env python3
"""Writes the example trees that `make screenshots` shows, always the same bytes,
names and times, below ROOT (which is emptied first):

    project/, project-backup/   a folder and its older backup, for the comparison
    photos/                     copies and near copies (80-99 % alike), for the
                                duplicate search at 80 %
    cleanup/                    empty folders and zero-size files

and prints the trash list entries (path=attributes) of a few items deleted from
cleanup/ earlier, for the trash page.

    screenshot-trees.py ROOT
"""
import os
import random
import shutil
import sys
from pathlib import Path

BASE_TIME = 1733011200  # 2024-12-01 00:00:00 UTC
DAY = 86400


def write(path, data, days_after):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    when = BASE_TIME + days_after * DAY
    os.utime(path, (when, when))


def altered(data, share, rng):
    """A copy of the bytes with one stretch of `share` of them changed (same size)."""
    count = int(len(data) * share)
    start = rng.randrange(len(data) - count)
    return data[:start] + bytes(b ^ 0xFF for b in data[start:start + count]) + data[start + count:]


def make_comparison(root, rng):
    a, b = root / "project", root / "project-backup"
    files = {
        "README.md": rng.randbytes(2300),
        "src/main.c": rng.randbytes(14800),
        "src/util.c": rng.randbytes(6100),
        "src/util.h": rng.randbytes(900),
        "docs/マニュアル.html": rng.randbytes(31000),
        "docs/変更履歴.txt": rng.randbytes(4200),
        "images/logo.png": rng.randbytes(12600),
        "data/sample.csv": rng.randbytes(8800),
    }
    for name, data in files.items():
        write(a / name, data, 10)
        write(b / name, data, 10)
    write(a / "src/main.c", files["src/main.c"] + rng.randbytes(700), 12)  # grown, newer
    write(b / "src/util.c", altered(files["src/util.c"], 0.25, rng), 10)  # same size and time
    write(a / "docs/マニュアル.html", files["docs/マニュアル.html"], 14)  # newer copy
    write(a / "docs/古いメモ.txt", rng.randbytes(1500), 3)  # only in A
    write(b / "data/追加データ.csv", rng.randbytes(5200), 8)  # only in B


def make_photos(root, rng):
    photos = root / "photos"
    originals = {
        "旅行/海辺.jpg": rng.randbytes(48000),
        "旅行/山道.jpg": rng.randbytes(52000),
        "家族/誕生日.jpg": rng.randbytes(61000),
        "メモ/買い物リスト.txt": rng.randbytes(3000),
    }
    for name, data in originals.items():
        write(photos / name, data, 20)
    write(photos / "バックアップ/海辺 (コピー).jpg", originals["旅行/海辺.jpg"], 25)
    write(photos / "スマホ/IMG_0412.jpg", originals["旅行/海辺.jpg"], 21)
    write(photos / "バックアップ/山道_編集.jpg", altered(originals["旅行/山道.jpg"], 0.08, rng), 26)
    write(photos / "スマホ/IMG_0533.jpg", altered(originals["家族/誕生日.jpg"], 0.15, rng), 22)
    write(photos / "メモ/買い物リスト (2).txt", altered(originals["メモ/買い物リスト.txt"], 0.04, rng), 30)
    write(photos / "スマホ/IMG_0600.jpg", rng.randbytes(58000), 23)  # alike in size only


def make_cleanup(root):
    cleanup = root / "cleanup"
    for folder in ("古い下書き", "キャッシュ/tmp", "ダウンロード/未分類", "写真/2023"):
        (cleanup / folder).mkdir(parents=True, exist_ok=True)
    for name in ("ログ/起動.log", "メモ.txt", "写真/2023/.thumbnail", "ダウンロード/installer.part"):
        write(cleanup / name, b"", 5)
    write(cleanup / "ログ/エラー.log", b"error\n", 5)
    write(cleanup / "写真/2024/花.jpg", b"\xff\xd8\xff" * 100, 6)
    return [f"{cleanup}/一時ファイル/=16", f"{cleanup}/古いフォルダ/=16", f"{cleanup}/空のメモ.txt=32",
            f"{cleanup}/ログ/古い.log=33"]


def main():
    root = Path(sys.argv[1])
    shutil.rmtree(root, ignore_errors=True)
    rng = random.Random(2024)
    make_comparison(root, rng)
    make_photos(root, rng)
    trash = make_cleanup(root)
    for folder, _, _ in os.walk(root):
        os.utime(folder, (BASE_TIME, BASE_TIME))
    print("\n".join(trash))


if __name__ == "__main__":
    main()
