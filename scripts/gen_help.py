#!/usr/bin/env python3
"""Generates the help pages (data/help/<LANG>/help/index.html and
faq/index.html, UTF-8 HTML opened in the web browser) and the keyboard
shortcut list that the program shows in a text window
(data/help/<LANG>/shortcuts.txt, cp1250 with CR LF), from scripts/help/.

    python3 scripts/gen_help.py
"""
import html
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE / "help"))

import help_texts  # noqa: E402

DATA = HERE.parent / "data" / "help"
FOLD = {"à": "a", "è": "e", "ê": "e", "ù": "u", "û": "u", "ï": "i", "ÿ": "y", "œ": "oe",
        "À": "A", "È": "E", "Ê": "E", "Ù": "U", "Û": "U", "Œ": "OE"}

STYLE = """body{font:15px/1.55 "Segoe UI",Arial,Helvetica,sans-serif;color:#1d2733;margin:0;background:#f4f7fb}
header{background:#1f4e8c;color:#fff;padding:18px 32px}header h1{margin:0;font-size:24px}
header p{margin:4px 0 0;opacity:.85}nav{background:#fff;border-bottom:1px solid #d5dde8;padding:8px 32px}
nav a{margin-right:18px;color:#1f4e8c;text-decoration:none;font-size:14px}nav a:hover{text-decoration:underline}
main{max-width:860px;margin:0 auto;padding:8px 32px 40px}h2{color:#1f4e8c;margin-top:32px;border-bottom:2px solid #d5dde8;padding-bottom:4px}
h3{margin:20px 0 4px}kbd{background:#fff;border:1px solid #b8c4d4;border-bottom-width:2px;border-radius:3px;padding:0 5px;font:13px Consolas,monospace}
table{border-collapse:collapse;width:100%;background:#fff}th,td{border:1px solid #d5dde8;padding:5px 9px;text-align:left;vertical-align:top}
th{background:#e8eef6}.note{background:#fff8e1;border-left:4px solid #e0a800;padding:8px 12px}
dt{font-weight:bold;margin-top:18px}dd{margin:4px 0 0 0}footer{color:#6b7a8c;font-size:13px;text-align:center;padding:16px}"""


def page(lang, title, subtitle, nav, body, other):
    links = "".join(f'<a href="#{a}">{html.escape(t)}</a>' for a, t in nav)
    links += f'<a href="{other[0]}">{html.escape(other[1])}</a>'
    return f"""<!DOCTYPE html>
<html lang="{lang.lower()}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{html.escape(title)}</title>
<style>
{STYLE}
</style>
</head>
<body>
<header><h1>{html.escape(title)}</h1><p>{html.escape(subtitle)}</p></header>
<nav>{links}</nav>
<main>
{body}
</main>
<footer>Vellumar 4 &middot; Orvanta</footer>
</body>
</html>
"""


def shortcut_table(t):
    rows = "".join(f"<tr><td>{' '.join(f'<kbd>{html.escape(k)}</kbd>' for k in keys.split(' / '))}</td>"
                   f"<td>{html.escape(text)}</td></tr>" for keys, text in t["shortcuts"])
    return f"<table><tr><th>{t['keys']}</th><th>{t['command']}</th></tr>{rows}</table>"


def shortcuts_txt(t):
    width = max(len(k) for k, _ in t["shortcuts"]) + 2
    lines = [t["shortcuts_title"], "=" * len(t["shortcuts_title"]), ""]
    lines += [k.ljust(width) + text for k, text in t["shortcuts"]]
    text = "\r\n".join(lines) + "\r\n"
    return "".join(FOLD.get(c, c) for c in text).encode("cp1250")


def main():
    for lang, t in help_texts.TEXTS.items():
        body = []
        for anchor, heading, content in t["sections"]:
            if content == "SHORTCUTS":
                content = shortcut_table(t)
            body.append(f'<h2 id="{anchor}">{html.escape(heading)}</h2>\n{content}')
        nav = [(a, h) for a, h, _ in t["sections"]]
        out = DATA / lang / "help" / "index.html"
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_text(page(lang, t["help_title"], t["help_subtitle"], nav, "\n".join(body),
                            ("../faq/index.html", t["faq_title"])), encoding="utf-8", newline="\r\n")
        faq = "<dl>" + "".join(f"<dt>{html.escape(q)}</dt><dd>{a}</dd>" for q, a in t["faq"]) + "</dl>"
        out = DATA / lang / "faq" / "index.html"
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_text(page(lang, t["faq_title"], t["faq_subtitle"], [], faq,
                            ("../help/index.html", t["help_title"])), encoding="utf-8", newline="\r\n")
        (DATA / lang / "shortcuts.txt").write_bytes(shortcuts_txt(t))
        print(f"wrote help for {lang}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
