#!/usr/bin/env python3
"""The deb-src lines that the Windows set-up fetches sources with, written from apt
source files of both formats: the release's suites of every enabled entry with their
keyring, nothing from other releases, disabled entries or files apt does not read,
and Debian's own archive only when nothing of the release is configured."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = sys.argv.pop(1)


def lines(files, codename="bookworm"):
    with tempfile.TemporaryDirectory() as etc:
        os.makedirs(os.path.join(etc, "sources.list.d"))
        for name, text in files.items():
            with open(os.path.join(etc, name), "w", encoding="utf-8") as file:
                file.write(text)
        keys = os.path.join(etc, "keys")
        run = subprocess.run(
            [sys.executable, SCRIPT, "--etc", etc, "--codename", codename, "--key-folder", keys],
            capture_output=True, text=True, check=True)
        saved = {}
        for name in sorted(os.listdir(keys)) if os.path.isdir(keys) else []:
            with open(os.path.join(keys, name), encoding="utf-8") as file:
                saved[os.path.join(keys, name)] = file.read()
        return run.stdout.splitlines(), run.stderr, saved


class AptSourceLines(unittest.TestCase):
    def test_one_line_entries_keep_their_mirror_and_keyring(self):
        out, err, _ = lines({"sources.list": (
            "# a comment\n"
            "deb [arch=amd64 signed-by=/k/debian.gpg] http://mirror.example/debian/ bookworm main contrib # note\n"
            "deb http://mirror.example/debian bookworm-updates main\n"
            "deb http://security.example/debian-security bookworm-security main\n"
            "deb http://mirror.example/debian bullseye main\n"
            "deb http://other.example/apt cloud-sdk-bookworm main\n"
            "deb http://mirror.example/debian bookworm non-free\n"
            "deb cdrom:[Debian]/ bookworm main\n")})
        self.assertEqual(out, [
            "deb-src [signed-by=/k/debian.gpg] http://mirror.example/debian bookworm main",
            "deb-src http://mirror.example/debian bookworm-updates main",
            "deb-src http://security.example/debian-security bookworm-security main",
        ])
        self.assertEqual(err, "")

    def test_deb822_entries_with_several_suites_disabled_entries_and_inline_keys(self):
        key = "-----BEGIN PGP PUBLIC KEY BLOCK-----\n .\n abc\n -----END PGP PUBLIC KEY BLOCK-----"
        out, _, saved = lines({
            "sources.list.d/debian.sources": (
                "Types: deb\n"
                "# a comment between fields\n"
                "URIs: http://proxy.example:3142/debian\n"
                "Suites: bookworm bookworm-updates\n"
                "Components: main\n"
                "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n"
                "\n"
                "Types: deb\n"
                "URIs: http://off.example/debian\n"
                "Suites: bookworm\n"
                "Components: main\n"
                "Enabled: no\n"
                "\n"
                "Types: deb deb-src\n"
                "URIs: http://inline.example/debian\n"
                "Suites: bookworm-security\n"
                "Components: main\n"
                "Signed-By: " + key + "\n"),
            "sources.list.d/old.sources.disabled": (
                "Types: deb\nURIs: http://ignored.example/debian\nSuites: bookworm\nComponents: main\n"),
            "sources.list.d/old.list.save": "deb http://ignored.example/debian bookworm main\n",
        })
        self.assertEqual(len(saved), 1)
        self.assertEqual(out, [
            "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://proxy.example:3142/debian bookworm main",
            "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://proxy.example:3142/debian bookworm-updates main",
            f"deb-src [signed-by={list(saved)[0]}] http://inline.example/debian bookworm-security main",
        ])
        self.assertEqual(list(saved.values())[0].splitlines(),
                         ["-----BEGIN PGP PUBLIC KEY BLOCK-----", "", "abc",
                          "-----END PGP PUBLIC KEY BLOCK-----"])

    def test_nothing_of_the_release_falls_back_to_debians_archive_and_says_so(self):
        out, err, _ = lines({"sources.list": "deb http://mirror.example/debian trixie main\n"})
        self.assertEqual(out, ["deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] "
                               "http://deb.debian.org/debian bookworm main"])
        self.assertIn("no apt source of bookworm", err)


if __name__ == "__main__":
    unittest.main()
