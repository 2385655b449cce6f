#!/usr/bin/env python3
"""Generates the scenario report profiles in data/exports/Scenario/: a full
storyboard with screenshots (landscape) and a compact review sheet
(portrait), each with its texts in PL, EN, DE and FR. Every profile folder
holds info.xml, report.rtf (blocks between marker lines, macros *[NAME]*)
and report.ini (element classes and the properties to list).

    python3 scripts/gen_scenario.py
"""
import shutil
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE / "templates"))
from vlmxml import Node, write_xml  # noqa: E402

OUT = HERE.parent / "data" / "exports" / "Scenario"
LANGS = ("PL", "EN", "DE", "FR")

LANGUAGE_NAMES = {
    "PL": dict(PL="polski", EN="angielski", DE="niemiecki", FR="francuski"),
    "EN": dict(PL="Polish", EN="English", DE="German", FR="French"),
    "DE": dict(PL="Polnisch", EN="Englisch", DE="Deutsch", FR="Französisch"),
    "FR": dict(PL="polonais", EN="anglais", DE="allemand", FR="français"),
}
PROFILE_NAMES = {
    "storyboard": dict(PL="Scenariusz pełny ze zrzutami ekranu", EN="Full storyboard with screenshots",
                       DE="Vollständiges Drehbuch mit Bildschirmfotos", FR="Scénario complet avec captures d'écran"),
    "review": dict(PL="Arkusz recenzji (skrócony)", EN="Review sheet (compact)",
                   DE="Prüfbogen (kompakt)", FR="Fiche de relecture (compacte)"),
}

L = {
    "PL": dict(title="Scenariusz kursu", review="Arkusz recenzji kursu", course="Kurs:", date="Data:",
               folder="Folder kursu:", page="Strona", place="Położenie w kursie:", elements="Elementy strony",
               notes="Uwagi recenzenta:", no="Nr", pagecol="Strona i położenie", content="Treść",
               remarks="Uwagi", approval="Akceptacja", role="Rola", name="Imię i nazwisko", sign="Data i podpis",
               author="Autor", reviewer="Recenzent", client="Zleceniodawca",
               intro="Dokument przedstawia wszystkie strony kursu z ich treścią. Prosimy o uwagi przy każdej stronie i podpis na końcu."),
    "EN": dict(title="Course storyboard", review="Course review sheet", course="Course:", date="Date:",
               folder="Course folder:", page="Page", place="Place in the course:", elements="Page elements",
               notes="Reviewer's remarks:", no="No.", pagecol="Page and place", content="Content",
               remarks="Remarks", approval="Approval", role="Role", name="Name", sign="Date and signature",
               author="Author", reviewer="Reviewer", client="Client",
               intro="This document shows every page of the course with its content. Please note your remarks at each page and sign at the end."),
    "DE": dict(title="Kursdrehbuch", review="Prüfbogen des Kurses", course="Kurs:", date="Datum:",
               folder="Kursordner:", page="Seite", place="Stelle im Kurs:", elements="Elemente der Seite",
               notes="Anmerkungen der Prüfung:", no="Nr.", pagecol="Seite und Stelle", content="Inhalt",
               remarks="Anmerkungen", approval="Freigabe", role="Rolle", name="Name", sign="Datum und Unterschrift",
               author="Autor", reviewer="Prüfung", client="Auftraggeber",
               intro="Dieses Dokument zeigt alle Seiten des Kurses mit ihrem Inhalt. Bitte vermerken Sie Anmerkungen bei jeder Seite und unterschreiben Sie am Ende."),
    "FR": dict(title="Scénario du cours", review="Fiche de relecture du cours", course="Cours :", date="Date :",
               folder="Dossier du cours :", page="Page", place="Place dans le cours :", elements="Éléments de la page",
               notes="Remarques du relecteur :", no="N°", pagecol="Page et place", content="Contenu",
               remarks="Remarques", approval="Validation", role="Rôle", name="Nom", sign="Date et signature",
               author="Auteur", reviewer="Relecteur", client="Commanditaire",
               intro="Ce document présente toutes les pages du cours avec leur contenu. Merci de noter vos remarques à chaque page et de signer à la fin."),
}
LANGID = dict(PL=1045, EN=2057, DE=1031, FR=1036)

# Element classes in the order they are listed, with the properties to print.
FULL_INI = [
    ("text", ["text"]), ("image", ["src", "alt"]), ("button", ["caption", "buttonSrc"]),
    ("radiobutton", ["caption", "correctAnswer"]), ("checkbox", ["caption", "correctAnswer"]),
    ("input", ["correctAnswer", "placeholder"]), ("combo", ["items", "correctAnswer"]),
    ("list", ["items", "correctAnswer"]), ("trackbar", ["min", "max", "correctAnswer"]),
    ("DDBasket", ["caption"]), ("DDElement", ["caption", "correctAnswer"]),
    ("popup", ["title", "text"]), ("audio", ["src"]), ("video", ["src"]), ("flash", ["src"]),
    ("html", ["src"]), ("timer", ["seconds"]),
]
REVIEW_INI = [
    ("text", ["text"]), ("button", ["caption"]), ("radiobutton", ["caption", "correctAnswer"]),
    ("checkbox", ["caption", "correctAnswer"]), ("input", ["correctAnswer"]),
    ("combo", ["items", "correctAnswer"]), ("list", ["items", "correctAnswer"]),
    ("DDBasket", ["caption"]), ("DDElement", ["caption", "correctAnswer"]), ("popup", ["title", "text"]),
]


def rtf(text):
    """Text as RTF: cp1250 letters as \\'hh, others as \\u with a fallback."""
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1250")[0])
            except UnicodeEncodeError:
                out.append("\\u%d?" % ord(ch))
    return "".join(out)


def prolog(lang, landscape):
    size = r"\paperw16838\paperh11906\landscape" if landscape else r"\paperw11906\paperh16838"
    return [
        r"{\rtf1\ansi\ansicpg1250\deff0\deflang%d" % LANGID[lang],
        r"{\fonttbl{\f0\fswiss\fcharset238 Arial;}{\f1\froman\fcharset238 Times New Roman;}}",
        r"{\colortbl;\red31\green78\blue140;\red95\green107\blue122;\red232\green238\blue246;\red200\green208\blue220;}",
        size + r"\margl1134\margr1134\margt1021\margb1021\widowctrl",
        r"{\footer\pard\qr\f0\fs16\cf2 \chpgn\par}",
    ]


def header_lines(t, title):
    return [
        r"\pard\sa60\f0\fs40\b\cf1 " + rtf(title) + r"\b0\cf0\par",
        r"\pard\sa240\brdrb\brdrs\brdrw15\brdrcf1\f0\fs20\cf2 " + rtf(t["intro"]) + r"\cf0\par",
        r"\pard\sa60\f0\fs22\tx2268 " + rtf(t["course"]) + r"\tab\b ",
        "*[COURSE_NAME]*",
        r"\b0\par",
        r"\pard\sa60\f0\fs22\tx2268 " + rtf(t["date"]) + r"\tab ",
        "*[DATE]*",
        r"\par",
        r"\pard\sa240\f0\fs22\tx2268 " + rtf(t["folder"]) + r"\tab ",
        "*[COURSE_PATH]*",
        r"\par",
    ]


def approval_lines(t, new_page):
    cells = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"
    row = r"\trowd\trgaph108\trleft0\trrh560" + cells + r"\cellx2600" + cells + r"\cellx6200" + cells + r"\cellx9600"
    head = r"\trowd\trgaph108\trleft0" + cells + r"\clcbpat3\cellx2600" + cells + r"\clcbpat3\cellx6200" + cells + r"\clcbpat3\cellx9600"
    lines = [r"\pard" + (r"\pagebb" if new_page else "") + r"\sb360\sa120\keepn\f0\fs28\b\cf1 "
             + rtf(t["approval"]) + r"\b0\cf0\par",
             head,
             r"\pard\intbl\f0\fs20\b " + rtf(t["role"]) + r"\cell " + rtf(t["name"]) + r"\cell " + rtf(t["sign"]) + r"\b0\cell\row"]
    for who in ("author", "reviewer", "client"):
        lines += [row, r"\pard\intbl\f0\fs20 " + rtf(t[who]) + r"\cell\cell\cell\row"]
    return lines + [r"\pard\par"]


def storyboard(lang):
    t = L[lang]
    lines = prolog(lang, landscape=True) + header_lines(t, t["title"])
    lines += [
        "REPORT_TEMPLATES_BEGIN",
        "PAGEINFO_BEGIN",
        r"\pard\pagebb\sa60\keepn\f0\fs30\b\cf1 " + rtf(t["page"]) + " ",
        "*[PAGE_NO]*",
        r": ",
        "*[PAGE_NAME]*",
        r"\b0\cf0\par",
        r"\pard\sa120\f0\fs18\cf2 " + rtf(t["place"]) + " ",
        "*[PAGE_CHAPTER]*",
        r"\cf0\par",
        # the picture field closes the group opened here and opens one this line closes
        r"\pard\qc\sa120{\f1\fs20 ",
        "*[SCREENSHOT]*",
        r"\par}",
        r"\pard\sb120\sa60\keepn\brdrb\brdrs\brdrw10\brdrcf4\f0\fs22\b\cf1 " + rtf(t["elements"]) + r"\b0\cf0\par",
        "*[ELEMENTS]*",
        r"\pard\sb240\sa60\f0\fs20\b " + rtf(t["notes"]) + r"\b0\par",
        r"\trowd\trgaph108\trleft0\trrh1134\clbrdrt\brdrs\brdrw10\brdrcf4\clbrdrl\brdrs\brdrw10\brdrcf4"
        r"\clbrdrb\brdrs\brdrw10\brdrcf4\clbrdrr\brdrs\brdrw10\brdrcf4\cellx14570",
        r"\pard\intbl\f0\fs20\cell\row",
        "PAGEINFO_END",
        "ELEMENT_TYPE_HEADER_BEGIN",
        r"\pard\sb120\sa40\keepn\f0\fs20\b\cf2 ",
        "*[ELEMENT_TYPE]*",
        r"\b0\cf0\par",
        "*[ELEMENTS]*",
        "ELEMENT_TYPE_HEADER_END",
        "ELEMENT_BEGIN",
        "*[ELEMENT_PROPERTY_LIST]*",
        r"\pard\sa60\fs8\par",
        "ELEMENT_END",
        "ELEMENT_PROPERTY_BEGIN",
        r"\pard\li284\sa20\f0\fs20{\cf2 ",
        "*[ELEMENT_PROPERTY_NAME]*",
        r":} ",
        "*[ELEMENT_PROPERTY_VALUE]*",
        r"\par",
        "ELEMENT_PROPERTY_END",
        "REPORT_TEMPLATES_END",
    ]
    return lines + approval_lines(t, new_page=True) + ["}"]


def review(lang):
    t = L[lang]
    cells = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"
    widths = (600, 3100, 7000, 9638)
    row = r"\trowd\trgaph85\trleft0" + "".join(cells + r"\cellx%d" % w for w in widths)
    head = r"\trowd\trgaph85\trleft0\trhdr" + "".join(cells + r"\clcbpat3\cellx%d" % w for w in widths)
    lines = prolog(lang, landscape=False) + header_lines(t, t["review"])
    lines += [
        head,
        r"\pard\intbl\f0\fs18\b " + rtf(t["no"]) + r"\cell " + rtf(t["pagecol"]) + r"\cell " + rtf(t["content"])
        + r"\cell " + rtf(t["remarks"]) + r"\b0\cell\row",
        "REPORT_TEMPLATES_BEGIN",
        "PAGEINFO_BEGIN",
        row,
        r"\pard\intbl\f0\fs18 ",
        "*[PAGE_NO]*",
        r"\cell\pard\intbl\f0\fs18\b ",
        "*[PAGE_NAME]*",
        r"\b0\par\pard\intbl\f0\fs16\cf2 ",
        "*[PAGE_CHAPTER]*",
        r"\cf0\cell\pard\intbl\f0\fs18 ",
        "*[ELEMENTS]*",
        r"\cell\pard\intbl\f0\fs18\cell\row",
        "PAGEINFO_END",
        "ELEMENT_TYPE_HEADER_BEGIN",
        r"\pard\intbl\sa20\f0\fs16\b\cf2 ",
        "*[ELEMENT_TYPE]*",
        r"\b0\cf0\par",
        "*[ELEMENTS]*",
        "ELEMENT_TYPE_HEADER_END",
        "ELEMENT_BEGIN",
        "*[ELEMENT_PROPERTY_LIST]*",
        "ELEMENT_END",
        "ELEMENT_PROPERTY_BEGIN",
        r"\pard\intbl\li113\sa20\f0\fs18{\cf2 ",
        "*[ELEMENT_PROPERTY_NAME]*",
        r":} ",
        "*[ELEMENT_PROPERTY_VALUE]*",
        r"\par",
        "ELEMENT_PROPERTY_END",
        "REPORT_TEMPLATES_END",
        r"\pard\par",
    ]
    return lines + approval_lines(t, new_page=False) + ["}"]


def ini(sections):
    lines = []
    for cls, props in sections:
        lines.append(f"[{cls}]")
        lines += [f"{p}=1" for p in props]
        lines.append("")
    return "\r\n".join(lines) + "\r\n"


def main():
    if OUT.exists():
        for child in OUT.iterdir():
            if child.is_dir():
                shutil.rmtree(child)
    for profile, build, sections in (("storyboard", storyboard, FULL_INI), ("review", review, REVIEW_INI)):
        for lang in LANGS:
            folder = OUT / profile / lang
            # The storyboard is the default profile of its language; the language
            # picks it for a course in that language.
            info = Node("info", [("default", "true" if profile == "storyboard" else "false"),
                                 ("language", lang)])
            for ui in LANGS:
                info.add("caption", [("lang", ui)],
                         text=f"{PROFILE_NAMES[profile][ui]} – {LANGUAGE_NAMES[ui][lang]}")
            write_xml(folder / "info.xml", info)
            text = "\r\n".join(build(lang)) + "\r\n"
            (folder / "report.rtf").write_bytes(text.encode("ascii"))
            (folder / "report.ini").write_bytes(ini(sections).encode("ascii"))
    print(f"wrote 8 report profiles into {OUT.relative_to(HERE.parent)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
