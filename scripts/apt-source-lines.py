#!/usr/bin/env python3
"""Prints the deb-src lines of the archive this machine's apt already uses.

Reads the apt sources (sources.list and sources.list.d/*.list one-line entries,
sources.list.d/*.sources deb822 entries) below APT_ETC (default /etc/apt) and prints
one "deb-src" line for every enabled entry of this release: a suite that is the
release's code name or begins with it ("bookworm", "bookworm-updates",
"bookworm-security", the older "bullseye/updates"), with its address, suite, its main component and its keyring.
A key written into a .sources entry itself is saved into KEY_FOLDER and named by
path. When no entry of the release is found, the line of Debian's own archive is
printed instead, and a note says so on standard error.

    apt-source-lines.py [--etc APT_ETC] [--codename NAME] [--key-folder KEY_FOLDER]
"""

import argparse
import hashlib
import os
import sys

FALLBACK_URI = "http://deb.debian.org/debian"
DEBIAN_KEYRING = "/usr/share/keyrings/debian-archive-keyring.gpg"


def release_codename():
    try:
        with open("/etc/os-release", encoding="utf-8") as release:
            for line in release:
                key, _, value = line.strip().partition("=")
                if key == "VERSION_CODENAME":
                    return value.strip('"')
    except OSError:
        pass
    return ""


class Entry:
    def __init__(self, uri, suite, components, options):
        self.uri = uri.rstrip("/")
        self.suite = suite
        self.components = components
        self.options = options  # apt's option names, lower case, as one-line entries write them


def one_line_entries(text):
    for raw in text.splitlines():
        line = raw.split("#", 1)[0].strip()
        words = line.split()
        if len(words) < 3 or words[0] not in ("deb", "deb-src"):
            continue
        options = {}
        rest = words[1:]
        if rest[0].startswith("["):
            # "[a=b c=d]" may be split over several words.
            option_words = []
            while rest:
                word = rest.pop(0)
                option_words.append(word)
                if word.endswith("]"):
                    break
            for option in " ".join(option_words).strip("[]").split():
                key, _, value = option.partition("=")
                options[key.lower()] = value
        if len(rest) < 2:
            continue
        yield Entry(rest[0], rest[1], rest[2:], options)


def deb822_stanzas(text):
    """The stanzas of a deb822 file as field dictionaries (field names in lower case;
    continuation lines joined by newlines, a lone "." an empty line)."""
    stanza, field = {}, None
    for raw in text.splitlines() + [""]:
        if raw.startswith("#"):
            continue
        if not raw.strip():
            if stanza:
                yield stanza
            stanza, field = {}, None
            continue
        if raw[0] in " \t" and field:
            line = raw.strip()
            stanza[field] += "\n" + ("" if line == "." else line)
            continue
        name, _, value = raw.partition(":")
        field = name.strip().lower()
        stanza[field] = value.strip()


def deb822_entries(text, key_folder):
    for stanza in deb822_stanzas(text):
        if stanza.get("enabled", "yes").strip().lower() == "no":
            continue
        if not set(stanza.get("types", "").split()) & {"deb", "deb-src"}:
            continue
        options = {}
        signed_by = stanza.get("signed-by", "").strip()
        if "\n" in signed_by:  # the key itself, not the path of a keyring
            signed_by = saved_key(signed_by, key_folder)
        if signed_by:
            options["signed-by"] = signed_by
        if stanza.get("trusted"):
            options["trusted"] = stanza["trusted"].strip()
        for uri in stanza.get("uris", "").split():
            for suite in stanza.get("suites", "").split():
                yield Entry(uri, suite, stanza.get("components", "").split(), options)


def saved_key(key, key_folder):
    if not key_folder:
        return ""
    os.makedirs(key_folder, exist_ok=True)
    name = hashlib.sha256(key.encode()).hexdigest()[:16] + ".asc"
    path = os.path.join(key_folder, name)
    with open(path, "w", encoding="utf-8") as file:
        file.write(key.strip() + "\n")
    return path


def source_files(etc):
    listed = os.path.join(etc, "sources.list")
    if os.path.isfile(listed):
        yield listed, False
    parts = os.path.join(etc, "sources.list.d")
    if os.path.isdir(parts):
        # apt reads only these two endings; anything else there is set aside.
        for name in sorted(os.listdir(parts)):
            if name.endswith(".list"):
                yield os.path.join(parts, name), False
            elif name.endswith(".sources"):
                yield os.path.join(parts, name), True


def release_lines(etc, codename, key_folder):
    lines = []
    for path, deb822 in source_files(etc):
        try:
            with open(path, encoding="utf-8", errors="replace") as file:
                text = file.read()
        except OSError:
            continue
        entries = deb822_entries(text, key_folder) if deb822 else one_line_entries(text)
        for entry in entries:
            if entry.uri.startswith("cdrom:") or "main" not in entry.components:
                continue
            if entry.suite != codename and not entry.suite.startswith((codename + "-", codename + "/")):
                continue
            options = "".join(
                f" {key}={entry.options[key]}"
                for key in ("signed-by", "trusted")
                if entry.options.get(key)
            )
            line = f"deb-src{' [' + options.strip() + ']' if options else ''} {entry.uri} {entry.suite} main"
            if line not in lines:
                lines.append(line)
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--etc", default="/etc/apt")
    parser.add_argument("--codename", default="")
    parser.add_argument("--key-folder", default="")
    args = parser.parse_args()
    codename = args.codename or release_codename()
    lines = release_lines(args.etc, codename, args.key_folder) if codename else []
    if not lines:
        codename = codename or "bookworm"
        print(
            f"apt-source-lines: no apt source of {codename} found in {args.etc}; using {FALLBACK_URI}",
            file=sys.stderr,
        )
        lines = [f"deb-src [signed-by={DEBIAN_KEYRING}] {FALLBACK_URI} {codename} main"]
    print("\n".join(lines))


if __name__ == "__main__":
    main()
