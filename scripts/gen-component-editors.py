#!/usr/bin/env python3
"""Writes the property pages (editor.html, style.html) of the built-in components
from their class definitions (scripts/gen-component-data.py), with a <language>
block that translates the Polish labels. Run: python3 scripts/gen-component-editors.py
"""
import html
import importlib.util
import os

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("defs", os.path.join(HERE, "gen-component-data.py"))
defs = importlib.util.module_from_spec(spec)
spec.loader.exec_module(defs)
ROOT = defs.ROOT

# Polish original -> EN, DE, FR (cp1250 letters only)
T = {
    "Bez dźwięku": ("Muted", "Stumm", "Sans son"),
    "Czas (s)": ("Time (s)", "Zeit (s)", "Temps (s)"),
    "Czcionka": ("Font", "Schriftart", "Police"),
    "Dokument HTML": ("HTML document", "HTML-Dokument", "Document HTML"),
    "Dopasowanie": ("Fit", "Einpassen", "Ajustement"),
    "Dotyczy elementu (pusty = cała strona)": ("For element (empty = whole page)", "Für Element (leer = ganze Seite)", "Pour l'élément (vide = toute la page)"),
    "Grubość ramki": ("Border width", "Rahmenbreite", "Épaisseur du cadre"),
    "Grupa pytania": ("Question group", "Fragegruppe", "Groupe de la question"),
    "Kolor paska tytułu": ("Title bar colour", "Farbe der Titelleiste", "Couleur de la barre de titre"),
    "Kolor ramki": ("Border colour", "Rahmenfarbe", "Couleur du cadre"),
    "Kolor tekstu": ("Text colour", "Textfarbe", "Couleur du texte"),
    "Kolor tła": ("Background colour", "Hintergrundfarbe", "Couleur de fond"),
    "Kolor wypełnienia": ("Fill colour", "Füllfarbe", "Couleur de remplissage"),
    "Kolor": ("Colour", "Farbe", "Couleur"),
    "Krok suwaka": ("Slider step", "Schrittweite", "Pas du curseur"),
    "Krycie (%)": ("Opacity (%)", "Deckkraft (%)", "Opacité (%)"),
    "Kursor wskazujący": ("Pointer cursor", "Zeigecursor", "Curseur main"),
    "Maksimum": ("Maximum", "Maximum", "Maximum"),
    "Margines wewnętrzny": ("Padding", "Innenabstand", "Marge intérieure"),
    "Minimum": ("Minimum", "Minimum", "Minimum"),
    "Napis przed wyborem": ("Prompt", "Aufforderung", "Invite"),
    "Napis przycisku zamknięcia": ("Close button caption", "Beschriftung der Schließen-Schaltfläche", "Libellé du bouton Fermer"),
    "Napis przycisku": ("Button caption", "Beschriftung der Schaltfläche", "Libellé du bouton"),
    "Napis": ("Caption", "Beschriftung", "Libellé"),
    "Obrazek przed odtworzeniem": ("Poster picture", "Vorschaubild", "Image d'attente"),
    "Obrazek przycisku": ("Button picture", "Schaltflächenbild", "Image du bouton"),
    "Odliczaj w dół": ("Count down", "Rückwärts zählen", "Compte a rebours"),
    "Odtwarzaj od razu": ("Play at once", "Sofort abspielen", "Lecture automatique"),
    "Paski przewijania": ("Scroll bars", "Bildlaufleisten", "Barres de défilement"),
    "Plik animacji (SWF)": ("Movie file (SWF)", "Filmdatei (SWF)", "Fichier d'animation (SWF)"),
    "Plik dźwięku": ("Sound file", "Tondatei", "Fichier son"),
    "Plik filmu (MP4, WebM, Ogg)": ("Video file (MP4, WebM, Ogg)", "Videodatei (MP4, WebM, Ogg)", "Fichier vidéo (MP4, WebM, Ogg)"),
    "Plik obrazka": ("Picture file", "Bilddatei", "Fichier image"),
    "Plik zastępczy (inny format)": ("Alternative file (other format)", "Ersatzdatei (anderes Format)", "Fichier de remplacement (autre format)"),
    "Podpowiedź w polu": ("Placeholder", "Platzhalter", "Texte indicatif"),
    "Podpowiedź": ("Tooltip", "Tooltip", "Info-bulle"),
    "Pojemność (0 = bez limitu)": ("Capacity (0 = no limit)", "Kapazität (0 = unbegrenzt)", "Capacité (0 = illimitée)"),
    "Pokazuj czas": ("Show time", "Zeit anzeigen", "Afficher le temps"),
    "Pokazuj sterowanie": ("Show controls", "Steuerelemente anzeigen", "Afficher les commandes"),
    "Pokazuj wartość": ("Show value", "Wert anzeigen", "Afficher la valeur"),
    "Pokazuj wynik": ("Show score", "Punktzahl anzeigen", "Afficher le score"),
    "Poprawna odpowiedź": ("Correct answer", "Richtige Antwort", "Bonne réponse"),
    "Pozycje (oddzielone |)": ("Items (separated by |)", "Einträge (getrennt durch |)", "Éléments (séparés par |)"),
    "Przewijanie": ("Scrolling", "Bildlauf", "Défilement"),
    "Przyciemnij stronę": ("Dim the page", "Seite abdunkeln", "Assombrir la page"),
    "Punkty": ("Points", "Punkte", "Points"),
    "Ramka": ("Border", "Rahmen", "Cadre"),
    "Rodzaj": ("Kind", "Art", "Type"),
    "Rozmiar czcionki": ("Font size", "Schriftgröße", "Taille de police"),
    "Rozróżniaj wielkość liter": ("Case sensitive", "Groß-/Kleinschreibung beachten", "Respecter la casse"),
    "Tekst alternatywny": ("Alternative text", "Alternativtext", "Texte alternatif"),
    "Tekst zastępczy": ("Fallback text", "Ersatztext", "Texte de remplacement"),
    "Tekst": ("Text", "Text", "Texte"),
    "Tytuł": ("Title", "Titel", "Titre"),
    "Uruchom po załadowaniu": ("Start when loaded", "Beim Laden starten", "Démarrer au chargement"),
    "Wartość początkowa": ("Initial value", "Anfangswert", "Valeur initiale"),
    "Wielokrotny wybór": ("Multiple choice", "Mehrfachauswahl", "Choix multiple"),
    "Wyrównanie": ("Alignment", "Ausrichtung", "Alignement"),
    "Zaokrąglenie rogów": ("Corner radius", "Eckenradius", "Arrondi des coins"),
    "Zapętlaj": ("Loop", "Endlos", "En boucle"),
    "Zaznaczone": ("Checked", "Ausgewählt", "Coché"),
    # legends, notes and titles
    "Zawartość": ("Content", "Inhalt", "Contenu"),
    "Odpowiedź i punkty": ("Answer and points", "Antwort und Punkte", "Réponse et points"),
    "Wygląd": ("Appearance", "Darstellung", "Apparence"),
    "Wybierz plik z zasobów kursu": ("Choose a file from the course resources", "Datei aus den Kursressourcen wählen", "Choisir un fichier des ressources du cours"),
    "Wybierz kolor": ("Choose a colour", "Farbe wählen", "Choisir une couleur"),
    "Zaawansowane właściwości": ("Advanced properties", "Erweiterte Eigenschaften", "Propriétés avancées"),
    "Właściwości": ("Properties", "Eigenschaften", "Propriétés"),
    "Kilka poprawnych odpowiedzi oddziel znakiem |.": ("Separate several accepted answers with |.", "Mehrere richtige Antworten mit | trennen.", "Séparez plusieurs bonnes réponses par |."),
    "Zakres, np. 40-60, albo jedna wartość.": ("A range such as 40-60, or one value.", "Ein Bereich wie 40-60 oder ein Wert.", "Une plage comme 40-60, ou une valeur."),
    "Nazwa koszyka, do którego należy element.": ("Name of the basket the item belongs in.", "Name des Korbs, in den das Element gehört.", "Nom du panier auquel appartient l'élément."),
    "(brak)": ("(none)", "(keine)", "(aucun)"),
}
for n, c in defs.CLASSES.items():
    hints = [h.text for h in c.children[0].children]
    T.setdefault(hints[0], tuple(hints[1:]))

STYLE_PROPS = {"fontFamily", "fontSize", "color", "bgColor", "borderColor", "borderWidth", "radius",
               "opacity", "titleColor", "align", "padding"}
SKIP = {"name", "id", "globalIndex", "x", "y", "width", "height", "visibility", "resizable", "canDelete", "step"}
ANSWER = {"correctAnswer", "points", "group", "caseSensitive"}
# Language keys of the resource kinds (the resource manager's own captions).
KIND_KEYS = {"image": "RESFORM_PICTURE", "audio": "RESFORM_AUDIO", "video": "RESFORM_VIDEO",
             "flash": "RESFORM_FLASH", "htmldoc": "RESFORM_HTMLDOC"}
MODES = {"audio": "audio", "video": "video", "flash": "flash", "html": "htmldoc"}
NOTES = {"input": "Kilka poprawnych odpowiedzi oddziel znakiem |.",
         "trackbar": "Zakres, np. 40-60, albo jedna wartość.",
         "DDElement": "Nazwa koszyka, do którego należy element.",
         "list": "Kilka poprawnych odpowiedzi oddziel znakiem |.",
         "combo": None}


def field(cls, p):
    a = dict(p.attrs)
    name, desc, ptype = a["name"], a["desc"], a.get("type", "")
    lab = '<label for="f_%s">%s</label>' % (name, html.escape(desc))
    if name == "correctAnswer" and cls in ("checkbox", "radiobutton"):
        return '<div class="row check"><input type="checkbox" id="f_%s" data-prop="%s" data-kind="bool"><label for="f_%s">%s</label></div>' % (name, name, name, desc)
    if name == "correctAnswer" and cls == "DDElement":
        return '<div class="row">%s<select id="f_%s" data-prop="%s" data-baskets="1"></select></div>' % (lab, name, name)
    if ptype == "boolean":
        return '<div class="row check"><input type="checkbox" id="f_%s" data-prop="%s" data-kind="bool"><label for="f_%s">%s</label></div>' % (name, name, name, desc)
    if ptype == "set":
        opts = "".join('<option value="%s">%s</option>' % (s.text, s.text) for s in p.children if s.name == "set")
        return '<div class="row">%s<select id="f_%s" data-prop="%s">%s</select></div>' % (lab, name, name, opts)
    if ptype == "Color":
        return '<div class="row">%s<input type="text" id="f_%s" data-prop="%s" data-kind="color" maxlength="7" data-hint="Wybierz kolor"></div>' % (lab, name, name)
    if ptype == "path":
        mode = MODES.get(cls, "image") if name == "src" else "image"
        if name == "srcAlt":
            mode = "video"
        return ('<div class="row">%s<input type="text" id="f_%s" data-prop="%s" data-kind="path" data-mode="%s" '
                'data-hint="Wybierz plik z zasobów kursu" title="*[%s]*"></div>') % (lab, name, name, mode, KIND_KEYS[mode])
    if ptype == "int":
        return '<div class="row">%s<input type="number" id="f_%s" data-prop="%s" data-kind="int"></div>' % (lab, name, name)
    if name == "text":
        return '<div class="row block"><label>%s</label><div class="html" data-prop="text" data-kind="html"></div></div>' % desc
    return '<div class="row">%s<input type="text" id="f_%s" data-prop="%s"></div>' % (lab, name, name)


BASKETS_SCRIPT = """<script type="text/javascript">
// The baskets of the page, read from the page's other elements.
window.afterGetValues = function () {
  var sel = document.querySelector("[data-baskets]"), ext = window.external, current = VLMEdit.read("correctAnswer");
  sel.innerHTML = "";
  var none = document.createElement("option");
  none.value = "";
  none.textContent = "(brak)";
  sel.appendChild(none);
  for (var i = 0; i < ext.ComponentsCount; i++) {
    if (ext.ComponentProperty(i, "className") !== "DDBasket") continue;
    var o = document.createElement("option");
    o.value = o.textContent = ext.ComponentProperty(i, "name");
    sel.appendChild(o);
  }
  sel.value = current;
};
</script>
"""


def language_block(texts):
    used = sorted({t for t in texts if t in T}, key=lambda t: (-len(t), t))
    lines = ['<script type="text/plain" id="vlm-language">', "<language>"]
    for o in used:
        lines.append("  <string>")
        lines.append("    <original>%s</original>" % o)
        for lang, tr in zip(("EN", "DE", "FR"), T[o]):
            lines.append('    <text lang="%s">%s</text>' % (lang, tr))
        lines.append("  </string>")
    lines += ["</language>", "</script>"]
    return "\n".join(lines)


def page(cls, title, groups, width, height, extra_script=""):
    texts = [title]
    body = []
    for legend, rows in groups:
        texts.append(legend)
        body.append("<fieldset><legend>%s</legend>" % legend)
        body += rows
        body.append("</fieldset>")
    note = NOTES.get(cls)
    if note and any("correctAnswer" in r for _, rows in groups for r in rows):
        body.append('<p class="note">%s</p>' % note)
        texts.append(note)
    texts += list(T.keys())
    doc = """<!DOCTYPE html>
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1250">
<title>%s</title>
<link rel="stylesheet" type="text/css" href="../editor/editor.css">
<script type="text/javascript" src="../editor/editor.js"></script>
%s</head>
<body dialogWidth="%d" dialogHeight="%d">
<form onsubmit="return false">
%s
</form>
%s
</body>
</html>
""" % (title, extra_script, width, height, "\n".join(body), language_block([t for t in texts if t in "\n".join(body) + title]))
    return doc.replace("\n", "\r\n").encode("cp1250")


def main():
    for cls, node in defs.CLASSES.items():
        if cls == "page":
            continue
        hint = node.children[0].children[0].text
        props = [p for p in node.children if p.name == "property" and dict(p.attrs)["name"] not in SKIP]
        content = [field(cls, p) for p in props if dict(p.attrs)["name"] not in STYLE_PROPS | ANSWER]
        answer = [field(cls, p) for p in props if dict(p.attrs)["name"] in ANSWER]
        style = [field(cls, p) for p in props if dict(p.attrs)["name"] in STYLE_PROPS]
        groups = [g for g in (("Zawartość", content), ("Odpowiedź i punkty", answer)) if g[1]]
        if not groups:
            groups = [("Wygląd", style)]
        folder = os.path.join(ROOT, "components", cls)
        rows = sum(len(g[1]) for g in groups) + 2 * len(groups)
        tall = any('data-kind="html"' in r for g in groups for r in g[1])
        height = min(620, 90 + 34 * rows + (170 if tall else 0))
        extra = BASKETS_SCRIPT if cls == "DDElement" else ""
        with open(os.path.join(folder, "editor.html"), "wb") as f:
            f.write(page(cls, "Właściwości - " + hint, groups, 480, height, extra))
        path = os.path.join(folder, "style.html")
        if style:
            with open(path, "wb") as f:
                f.write(page(cls, "Zaawansowane właściwości - " + hint, [("Wygląd", style)], 440, min(560, 110 + 34 * len(style))))
        elif os.path.exists(path):
            os.remove(path)
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
