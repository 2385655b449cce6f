#!/usr/bin/env python3
"""Builds data/configuration/lang/lang.lang from scripts/lang/lang_source.txt.

The shipped file is an INI file in cp1250 with CR LF line ends; every value
holds the variants PL#|#EN#|#DE#|#FR. Letters that cp1250 cannot hold (some
French accents) are folded to their base letters, and the script says which.
Run without arguments; "--check" only verifies that the file is up to date.
"""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCE = ROOT / "scripts" / "lang" / "lang_source.txt"
TARGET = ROOT / "data" / "configuration" / "lang" / "lang.lang"
LANGS = ("PL", "EN", "DE", "FR")

# Sections of HTML texts: a character cp1250 cannot hold becomes a character
# entity there instead of being folded.
HTML_SECTIONS = ("ExportLayout",)

# cp1250 has no à è ê ù û ï ÿ œ æ (and their capitals).
FOLD = {"à": "a", "è": "e", "ê": "e", "ù": "u", "û": "u", "ï": "i", "ÿ": "y",
        "œ": "oe", "æ": "ae", "À": "A", "È": "E", "Ê": "E", "Ù": "U", "Û": "U",
        "Ï": "I", "Œ": "OE", "Æ": "AE"}


class SourceError(Exception):
    pass


def parse(text):
    """Returns [(section, [(key, {lang: text})])] in source order."""
    sections = []
    current = None
    key = None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        where = f"{SOURCE.name}:{number}"
        if not line or line.startswith("#"):
            continue
        m = re.fullmatch(r"\[(.+)\]", line)
        if m:
            current = (m.group(1), [])
            sections.append(current)
            key = None
            continue
        if current is None:
            raise SourceError(f"{where}: text before the first section")
        name = current[0]
        if line.startswith("  "):
            if key is None:
                raise SourceError(f"{where}: variant without a key")
            code, _, value = line[2:].partition(" ")
            variants = key[1]
            if code == "*":
                for lang in LANGS:
                    variants[lang] = value
            elif code in LANGS:
                variants[code] = value
            else:
                raise SourceError(f"{where}: unknown language {code!r}")
            continue
        fields = [f.strip() for f in line.split(" | ")]
        full = fields[0] if not fields[0].startswith(".") else name + fields[0]
        if any(k == full for k, _ in current[1]):
            raise SourceError(f"{where}: {full} given twice")
        if len(fields) == 1:
            key = (full, {})
        elif len(fields) == 1 + len(LANGS):
            key = (full, dict(zip(LANGS, fields[1:])))
        else:
            raise SourceError(f"{where}: expected key | PL | EN | DE | FR")
        current[1].append(key)
    return sections


def check(sections):
    for section, keys in sections:
        for key, variants in keys:
            missing = [lang for lang in LANGS if not variants.get(lang)]
            if missing:
                raise SourceError(f"[{section}] {key}: no text for {', '.join(missing)}")
            formats = {lang: re.findall(r"%[sd]", v) for lang, v in variants.items()}
            if len({tuple(f) for f in formats.values()}) != 1:
                raise SourceError(f"[{section}] {key}: the variants differ in their format arguments")
            for v in variants.values():
                if "#|#" in v or "\n" in v or v != v.strip():
                    raise SourceError(f"[{section}] {key}: bad text {v!r}")


def to_cp1250(text, folded, html=False):
    out = []
    for ch in text:
        try:
            ch.encode("cp1250")
            out.append(ch)
        except UnicodeEncodeError:
            if html:
                out.append(f"&#{ord(ch)};")
                continue
            if ch not in FOLD:
                raise SourceError(f"character {ch!r} has no cp1250 form (in {text!r})")
            folded.add(ch)
            out.append(FOLD[ch])
    return "".join(out).encode("cp1250")


def build(sections):
    folded = set()
    lines = []
    for section, keys in sections:
        lines.append(f"[{section}]".encode("ascii"))
        for key, variants in keys:
            value = "#|#".join(variants[lang] for lang in LANGS)
            html = section in HTML_SECTIONS
            lines.append(key.encode("ascii") + b"=" + to_cp1250(value, folded, html))
        lines.append(b"")
    return b"\r\n".join(lines) + b"\r\n", folded


def main():
    try:
        sections = parse(SOURCE.read_text(encoding="utf-8"))
        check(sections)
        data, folded = build(sections)
    except SourceError as e:
        print(f"gen_lang: {e}", file=sys.stderr)
        return 1
    if "--check" in sys.argv[1:]:
        if not TARGET.exists() or TARGET.read_bytes() != data:
            print(f"gen_lang: {TARGET} is not up to date", file=sys.stderr)
            return 1
        return 0
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_bytes(data)
    count = sum(len(k) for _, k in sections)
    print(f"wrote {TARGET.relative_to(ROOT)}: {len(sections)} sections, {count} keys")
    if folded:
        print("folded to base letters (not in cp1250): " + " ".join(sorted(folded)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
