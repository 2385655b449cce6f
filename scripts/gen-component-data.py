#!/usr/bin/env python3
"""Writes the class definitions (definition.xml) and palette icons (icon.bmp)
of the built-in component library, and configuration/definition.xml.

The XML comes out in the program's writer layout (two-space indentation,
" />" for empty elements, CR LF, cp1250, no declaration), so files written
here and files re-saved by the program compare byte for byte.
Run from anywhere: python3 scripts/gen-component-data.py
"""
import os
import struct
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
LANGS = ("PL", "EN", "DE", "FR")


class Node:
    def __init__(self, name, attrs=None, text="", children=None):
        self.name = name
        self.attrs = list((attrs or {}).items())
        self.text = text
        self.children = children or []

    def to_xml(self, level=0):
        ind = "  " * level
        s = ind + "<" + self.name
        for k, v in self.attrs:
            s += " %s=\"%s\"" % (k, v)
        if not self.children and not self.text:
            return s + " />\r\n"
        s += ">\r\n"
        if self.text:
            s += ind + "  " + self.text + "\r\n"
        for c in self.children:
            s += c.to_xml(level + 1)
        return s + ind + "</" + self.name + ">\r\n"


def write_xml(path, node):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = node.to_xml(0).encode("cp1250")
    for ch in (b"<", b">"):
        pass
    with open(path, "wb") as f:
        f.write(data)


def captions(tag, texts):
    return [Node(tag, {"lang": l}, t) for l, t in zip(LANGS, texts)]


# ---------------------------------------------------------------- events
EVENTS = [
    ("onclick", ["Kliknięcie", "Click", "Klick", "Clic"]),
    ("ondblclick", ["Podwójne kliknięcie", "Double click", "Doppelklick", "Double clic"]),
    ("onmouseover", ["Najechanie myszą", "Mouse over", "Maus darüber", "Survol de la souris"]),
    ("onmouseout", ["Zjechanie myszą", "Mouse out", "Maus verlässt", "Sortie de la souris"]),
    ("onchange", ["Zmiana odpowiedzi", "Answer changed", "Antwort geändert", "Réponse modifiée"]),
    ("oncorrect", ["Dobra odpowiedź", "Correct answer", "Richtige Antwort", "Bonne réponse"]),
    ("onwrong", ["Zła odpowiedź", "Wrong answer", "Falsche Antwort", "Mauvaise réponse"]),
    ("ontimer", ["Upływ czasu", "Time is up", "Zeit abgelaufen", "Temps écoulé"]),
    ("onend", ["Koniec odtwarzania", "Playback ended", "Wiedergabe beendet", "Fin de la lecture"]),
    ("ondrop", ["Upuszczenie elementu", "Item dropped", "Element abgelegt", "Élément déposé"]),
    ("onshow", ["Pokazanie", "Shown", "Angezeigt", "Affiché"]),
    ("onhide", ["Ukrycie", "Hidden", "Ausgeblendet", "Masqué"]),
    ("onload", ["Załadowanie strony", "Page loaded", "Seite geladen", "Page chargée"]),
    ("onunload", ["Opuszczenie strony", "Page left", "Seite verlassen", "Page quittée"]),
]

# name, param, paramType, editorName, captions
ACTIONS = [
    ("show", False, "", "", ["Pokaż", "Show", "Anzeigen", "Afficher"]),
    ("hide", False, "", "", ["Ukryj", "Hide", "Ausblenden", "Masquer"]),
    ("toggle", False, "", "", ["Pokaż lub ukryj", "Show or hide", "Ein- oder ausblenden", "Afficher ou masquer"]),
    ("setCaption", True, "text", "text.html", ["Zmień napis", "Set caption", "Beschriftung ändern", "Changer le libellé"]),
    ("setText", True, "text", "text.html", ["Zmień tekst", "Set text", "Text ändern", "Changer le texte"]),
    ("setImage", True, "text", "image.html", ["Zmień obrazek", "Set picture", "Bild ändern", "Changer l'image"]),
    ("setColor", True, "text", "color.html", ["Zmień kolor", "Set colour", "Farbe ändern", "Changer la couleur"]),
    ("setValue", True, "text", "text.html", ["Ustaw wartość", "Set value", "Wert setzen", "Définir la valeur"]),
    ("moveTo", True, "format", "position.html", ["Przesuń", "Move to", "Verschieben", "Déplacer"]),
    ("enable", False, "", "", ["Włącz", "Enable", "Aktivieren", "Activer"]),
    ("disable", False, "", "", ["Wyłącz", "Disable", "Deaktivieren", "Désactiver"]),
    ("play", False, "", "", ["Odtwórz", "Play", "Abspielen", "Lire"]),
    ("pause", False, "", "", ["Wstrzymaj", "Pause", "Pausieren", "Pause"]),
    ("stop", False, "", "", ["Zatrzymaj", "Stop", "Stoppen", "Stopper"]),
    ("start", False, "", "", ["Uruchom", "Start", "Starten", "Démarrer"]),
    ("setTime", True, "format", "number.html", ["Ustaw czas (s)", "Set time (s)", "Zeit setzen (s)", "Régler le temps (s)"]),
    ("check", False, "", "", ["Sprawdź odpowiedź", "Check answer", "Antwort prüfen", "Vérifier la réponse"]),
    ("reset", False, "", "", ["Wyczyść odpowiedź", "Reset answer", "Antwort zurücksetzen", "Réinitialiser la réponse"]),
    ("goToPage", True, "format", "projectListItems.html", ["Skocz do strony", "Go to page", "Zur Seite springen", "Ouvrir la page"]),
    ("nextPage", False, "", "", ["Następna strona", "Next page", "Nächste Seite", "Page suivante"]),
    ("prevPage", False, "", "", ["Poprzednia strona", "Previous page", "Vorherige Seite", "Page précédente"]),
    ("openUrl", True, "text", "url.html", ["Otwórz adres", "Open address", "Adresse öffnen", "Ouvrir l'adresse"]),
    ("launchStep", True, "format", "number.html", ["Przejdź do kroku", "Go to step", "Zu Schritt gehen", "Afficher l'étape"]),
    ("nextStep", False, "", "", ["Następny krok", "Next step", "Nächster Schritt", "Étape suivante"]),
]


def prop(name, default="", ptype="", desc="", langs=None, sets=None, readonly=False):
    attrs = {"name": name, "defaultValue": default}
    if ptype:
        attrs["type"] = ptype
    if readonly:
        attrs["readonly"] = "true"
    attrs["desc"] = desc or name
    children = []
    if langs:
        children += captions("defaultValue", langs)
    for s in sets or []:
        children.append(Node("set", {}, s))
    return Node("property", attrs, "", children)


def class_node(name, ctype, hints, props, events, actions, extends="component", extra=None):
    attrs = {"name": name, "type": ctype}
    if extends:
        attrs["extends"] = extends
    attrs.update(extra or {})
    children = [Node("info", {}, "", captions("hint", hints))]
    children += props
    if events:
        children.append(Node("events", {}, "", [Node("event", {"name": e}) for e in events]))
    if actions:
        children.append(Node("actions", {}, "", [Node("action", {"name": a}) for a in actions]))
    return Node("class", attrs, "", children)


B = "boolean"
I = "int"
C = "Color"
P = "path"
VIS = ["show", "hide", "toggle"]
MOUSE = ["onclick", "ondblclick", "onmouseover", "onmouseout"]
QEV = ["onchange", "oncorrect", "onwrong"]
QACT = ["show", "hide", "check", "reset"]


def q_props(correct, points="10"):
    return [prop("correctAnswer", correct, "", "Poprawna odpowiedź"),
            prop("points", points, I, "Punkty")]


def font_props(size="14", color="000000"):
    return [prop("fontFamily", "Arial, Helvetica, sans-serif", "", "Czcionka"),
            prop("fontSize", size, I, "Rozmiar czcionki"),
            prop("color", color, C, "Kolor tekstu")]


def geometry(w, h):
    return [prop("width", w, I, "Szerokość"), prop("height", h, I, "Wysokość")]


CLASSES = {}


def add(name, hints, props, events, actions, ctype="api", **kw):
    CLASSES[name] = class_node(name, ctype, hints, props, events, actions, **kw)


add("image", ["Obrazek", "Picture", "Bild", "Image"],
    geometry("200", "150") + [
        prop("src", "RESOURCE_PATH\\vlm_picture.png", P, "Plik obrazka"),
        prop("alt", "", "", "Tekst alternatywny"),
        prop("fit", "contain", "set", "Dopasowanie", sets=["contain", "cover", "fill", "none"]),
        prop("borderWidth", "0", I, "Grubość ramki"),
        prop("borderColor", "000000", C, "Kolor ramki"),
        prop("cursor", "false", B, "Kursor wskazujący")],
    MOUSE, VIS + ["setImage", "moveTo"])

add("text", ["Tekst", "Text", "Text", "Texte"],
    geometry("300", "120") + [
        prop("text", "", "", "Tekst", langs=[
            "Wpisz tutaj swój tekst.", "Type your text here.",
            "Geben Sie hier Ihren Text ein.", "Saisissez votre texte ici."])]
    + font_props() + [
        prop("bgColor", "", C, "Kolor tła"),
        prop("align", "left", "set", "Wyrównanie", sets=["left", "center", "right", "justify"]),
        prop("padding", "4", I, "Margines wewnętrzny"),
        prop("scroll", "true", B, "Przewijanie")],
    MOUSE, VIS + ["setText", "moveTo"])

add("button", ["Przycisk", "Button", "Schaltfläche", "Bouton"],
    geometry("140", "36") + [
        prop("caption", "", "", "Napis", langs=["Dalej", "Next", "Weiter", "Suivant"]),
        prop("buttonSrc", "", P, "Obrazek przycisku"),
        prop("tooltip", "", "", "Podpowiedź")]
    + font_props("15", "FFFFFF") + [
        prop("bgColor", "2F6FB7", C, "Kolor tła"),
        prop("radius", "6", I, "Zaokrąglenie rogów")],
    MOUSE, VIS + ["setCaption", "setImage", "enable", "disable", "moveTo"])

add("input", ["Pole odpowiedzi", "Answer field", "Antwortfeld", "Champ de réponse"],
    geometry("260", "32") + q_props("") + [
        prop("caseSensitive", "false", B, "Rozróżniaj wielkość liter"),
        prop("placeholder", "", "", "Podpowiedź w polu"),
        prop("value", "", "", "Wartość początkowa")] + font_props(),
    QEV, QACT + ["setValue", "enable", "disable"])

add("checkbox", ["Pole wyboru", "Check box", "Kontrollkästchen", "Case de sélection"],
    geometry("260", "30") + q_props("false") + [
        prop("caption", "", "", "Napis", langs=["Odpowiedź", "Answer", "Antwort", "Réponse"]),
        prop("group", "", "", "Grupa pytania"),
        prop("checked", "false", B, "Zaznaczone")] + font_props(),
    QEV, QACT + ["setCaption", "enable", "disable"])

add("radiobutton", ["Pole jednokrotnego wyboru", "Option button", "Optionsfeld", "Bouton radio"],
    geometry("260", "30") + q_props("false") + [
        prop("caption", "", "", "Napis", langs=["Odpowiedź", "Answer", "Antwort", "Réponse"]),
        prop("group", "group1", "", "Grupa pytania"),
        prop("checked", "false", B, "Zaznaczone")] + font_props(),
    QEV, QACT + ["setCaption", "enable", "disable"])

add("trackbar", ["Suwak", "Slider", "Schieberegler", "Curseur"],
    geometry("280", "48") + q_props("") + [
        prop("min", "0", I, "Minimum"),
        prop("max", "100", I, "Maksimum"),
        prop("increment", "1", I, "Krok suwaka"),
        prop("value", "50", I, "Wartość początkowa"),
        prop("showValue", "true", B, "Pokazuj wartość"),
        prop("color", "2F6FB7", C, "Kolor")],
    QEV, QACT + ["setValue", "enable", "disable"])

add("popup", ["Okienko", "Pop-up window", "Einblendfenster", "Bulle d'information"],
    geometry("340", "220") + [
        prop("visibility", "hidden", "set", "Widoczność", sets=["visible", "hidden"]),
        prop("title", "", "", "Tytuł", langs=["Informacja", "Information", "Information", "Information"]),
        prop("text", "", "", "Tekst", langs=[
            "Treść okienka.", "Window content.",
            "Inhalt des Fensters.", "Contenu de la bulle."]),
        prop("closeCaption", "", "", "Napis przycisku zamknięcia",
             langs=["Zamknij", "Close", "Schließen", "Fermer"]),
        prop("modal", "false", B, "Przyciemnij stronę")] + font_props() + [
        prop("bgColor", "FFFFFF", C, "Kolor tła"),
        prop("titleColor", "2F6FB7", C, "Kolor paska tytułu")],
    ["onshow", "onhide"], VIS + ["setText"])

add("rectangle", ["Prostokąt", "Rectangle", "Rechteck", "Rectangle"],
    geometry("200", "120") + [
        prop("bgColor", "DDE6F0", C, "Kolor wypełnienia"),
        prop("borderColor", "2F6FB7", C, "Kolor ramki"),
        prop("borderWidth", "1", I, "Grubość ramki"),
        prop("radius", "0", I, "Zaokrąglenie rogów"),
        prop("opacity", "100", I, "Krycie (%)")],
    MOUSE, VIS + ["setColor", "moveTo"])

add("audio", ["Dźwięk", "Sound", "Ton", "Son"],
    geometry("300", "40") + [
        prop("src", "RESOURCE_PATH\\vlm_sound.wav", P, "Plik dźwięku"),
        prop("controls", "true", B, "Pokazuj sterowanie"),
        prop("autoplay", "false", B, "Odtwarzaj od razu"),
        prop("loop", "false", B, "Zapętlaj")],
    ["onend"], ["play", "pause", "stop", "show", "hide"])

add("video", ["Film", "Video", "Video", "Vidéo"],
    geometry("400", "300") + [
        prop("src", "", P, "Plik filmu (MP4, WebM, Ogg)"),
        prop("srcAlt", "", P, "Plik zastępczy (inny format)"),
        prop("poster", "", P, "Obrazek przed odtworzeniem"),
        prop("controls", "true", B, "Pokazuj sterowanie"),
        prop("autoplay", "false", B, "Odtwarzaj od razu"),
        prop("loop", "false", B, "Zapętlaj"),
        prop("muted", "false", B, "Bez dźwięku")],
    ["onend", "onclick"], ["play", "pause", "stop", "show", "hide"])

add("flash", ["Animacja Flash", "Flash movie", "Flash-Film", "Animation Flash"],
    geometry("400", "300") + [
        prop("src", "", P, "Plik animacji (SWF)"),
        prop("bgColor", "FFFFFF", C, "Kolor tła"),
        prop("fallbackText", "", "", "Tekst zastępczy", langs=[
            "Ta przeglądarka nie odtwarza animacji Flash.",
            "This browser cannot play Flash movies.",
            "Dieser Browser kann keine Flash-Filme abspielen.",
            "Ce navigateur ne peut pas lire les animations Flash."])],
    [], ["show", "hide"])

add("DDBasket", ["Koszyk (przeciągnij i upuść)", "Drop basket", "Ablagekorb", "Panier de dépôt"],
    geometry("220", "160") + [
        prop("caption", "", "", "Napis", langs=["Koszyk", "Basket", "Korb", "Panier"]),
        prop("capacity", "0", I, "Pojemność (0 = bez limitu)"),
        prop("bgColor", "F3F6FA", C, "Kolor tła"),
        prop("borderColor", "2F6FB7", C, "Kolor ramki")] + font_props(),
    ["ondrop"], ["show", "hide", "reset"])

add("DDElement", ["Element do przeciągania", "Draggable item", "Ziehelement", "Élément mobile"],
    geometry("140", "40") + q_props("") + [
        prop("caption", "", "", "Napis", langs=["Element", "Item", "Element", "Élément"]),
        prop("bgColor", "FFFFFF", C, "Kolor tła"),
        prop("borderColor", "7A8A99", C, "Kolor ramki")] + font_props(),
    ["ondrop", "oncorrect", "onwrong"], QACT)

add("timer", ["Zegar", "Timer", "Zeitgeber", "Minuteur"],
    geometry("120", "40") + [
        prop("seconds", "60", I, "Czas (s)"),
        prop("autoStart", "true", B, "Uruchom po załadowaniu"),
        prop("countDown", "true", B, "Odliczaj w dół"),
        prop("showTime", "true", B, "Pokazuj czas"),
        prop("bgColor", "", C, "Kolor tła")] + font_props("18"),
    ["ontimer"], ["start", "stop", "reset", "setTime", "show", "hide"])

add("combo", ["Lista rozwijana", "Drop-down list", "Aufklappliste", "Liste déroulante"],
    geometry("220", "32") + q_props("") + [
        prop("items", "", "", "Pozycje (oddzielone |)", langs=[
            "Pierwsza|Druga|Trzecia", "First|Second|Third", "Erste|Zweite|Dritte",
            "Un|Deux|Trois"]),
        prop("prompt", "", "", "Napis przed wyborem", langs=[
            "-- wybierz --", "-- choose --", "-- auswählen --", "-- choisir --"])] + font_props(),
    QEV, QACT + ["enable", "disable"])

add("list", ["Lista wyboru", "List box", "Listenfeld", "Liste de choix"],
    geometry("220", "110") + q_props("") + [
        prop("items", "", "", "Pozycje (oddzielone |)", langs=[
            "Pierwsza|Druga|Trzecia", "First|Second|Third", "Erste|Zweite|Dritte",
            "Un|Deux|Trois"]),
        prop("multiple", "false", B, "Wielokrotny wybór")] + font_props(),
    QEV, QACT + ["enable", "disable"])

add("html", ["Dokument HTML", "HTML document", "HTML-Dokument", "Document HTML"],
    geometry("400", "300") + [
        prop("src", "", P, "Dokument HTML"),
        prop("border", "false", B, "Ramka"),
        prop("scrolling", "true", B, "Paski przewijania")],
    [], VIS)

add("feedback", ["Komunikat odpowiedzi", "Answer feedback", "Antwortmeldung", "Message de réponse"],
    geometry("320", "130") + [
        prop("visibility", "hidden", "set", "Widoczność", sets=["visible", "hidden"]),
        prop("kind", "correct", "set", "Rodzaj", sets=["correct", "wrong", "retry"]),
        prop("forObject", "", "", "Dotyczy elementu (pusty = cała strona)"),
        prop("text", "", "", "Tekst", langs=[
            "Dobrze! To poprawna odpowiedź.", "Well done! That is correct.",
            "Richtig! Das ist die richtige Antwort.", "Bravo ! C'est la bonne réponse."]),
        prop("closeCaption", "", "", "Napis przycisku", langs=["OK", "OK", "OK", "OK"]),
        prop("showScore", "true", B, "Pokazuj wynik")] + font_props() + [
        prop("bgColor", "FFFFFF", C, "Kolor tła")],
    ["onshow", "onhide"], ["show", "hide"])

PAGE_PROPS = [
    prop("name", "page", "", "Nazwa"),
    prop("id", "", "", "Identyfikator", readonly=True),
    prop("type", "Normal", "set", "Rodzaj strony", sets=["Normal", "Exercise"]),
    prop("groups", "", "", "Grupy"),
    prop("tryCount", "1", I, "Liczba prób"),
    prop("masteryscore", "10", I, "Punkty potrzebne do zaliczenia"),
    prop("feedbacksShow", "true", B, "Pokazuj komunikaty odpowiedzi"),
    prop("rememberAnswers", "true", B, "Pamiętaj odpowiedzi"),
    prop("bgColor", "FFFFFF", C, "Kolor tła"),
    prop("height", "550", I, "Wysokość strony"),
]
PAGE_EVENTS = ["onload", "onunload", "oncorrect", "onwrong"]
PAGE_ACTIONS = ["goToPage", "nextPage", "prevPage", "openUrl", "check", "reset", "launchStep", "nextStep"]

add("page", ["Strona", "Page", "Seite", "Page"], PAGE_PROPS, PAGE_EVENTS, PAGE_ACTIONS,
    ctype="page", extends="", extra={"paintElement": "false"})

INCLUDES = {"DDElement": ["DDBasket"], "radiobutton": ["checkbox"], "feedback": ["popup"], "video": ["audio"]}


def component_definition(name):
    comp = Node("component", {}, "", [Node("include", {"className": c}) for c in INCLUDES.get(name, [])])
    return Node("document", {}, "", [CLASSES[name], comp])


def base_definition():
    comp = class_node("component", "base", ["Komponent", "Component", "Komponente", "Composant"], [
        prop("name", "", "", "Nazwa"),
        prop("id", "", "", "Identyfikator", readonly=True),
        prop("globalIndex", "", I, "Numer elementu", readonly=True),
        prop("x", "0", I, "Położenie X"),
        prop("y", "0", I, "Położenie Y"),
        prop("width", "100", I, "Szerokość"),
        prop("height", "100", I, "Wysokość"),
        prop("visibility", "visible", "set", "Widoczność", sets=["visible", "hidden"]),
        prop("resizable", "true", B, "Zmiana rozmiaru"),
        prop("canDelete", "true", B, "Można usunąć"),
        prop("step", "", I, "Krok"),
    ], [], [], extends="")
    children = [comp, CLASSES["page"]]
    for name, texts in EVENTS:
        children.append(Node("class", {"name": name, "type": "event"}, "", captions("caption", texts)))
    for name, param, ptype, editor, texts in ACTIONS:
        attrs = {"name": name, "type": "action", "param": "true" if param else "false"}
        if param:
            attrs["paramType"] = ptype
            attrs["editorName"] = editor
        children.append(Node("class", attrs, "", captions("caption", texts)))
    return Node("document", {}, "", children)


# ---------------------------------------------------------------- icons
W = 24
MAG = (255, 0, 255)


class Canvas:
    def __init__(self):
        self.px = [[MAG] * W for _ in range(W)]

    def set(self, x, y, c):
        if 0 <= x < W and 0 <= y < W:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c, fill=True):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if fill or x in (x0, x1) or y in (y0, y1):
                    self.set(x, y, c)

    def circle(self, cx, cy, r, c, fill=True):
        for y in range(W):
            for x in range(W):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if (fill and d <= r + 0.3) or (not fill and abs(d - r) < 0.6):
                    self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def poly(self, pts, c):
        for y in range(W):
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= y + 0.5 < yb) or (yb <= y + 0.5 < ya):
                    xs.append(xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(round(xs[i])), int(round(xs[i + 1]))):
                    self.set(x, y, c)

    def bmp(self):
        row = W * 3
        pad = (4 - row % 4) % 4
        data = b""
        for y in range(W - 1, -1, -1):
            for r, g, b in self.px[y]:
                data += bytes((b, g, r))
            data += b"\0" * pad
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, W, W, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + data


BLUE, DARK, GREY, WHITE = (47, 111, 183), (40, 48, 60), (150, 160, 170), (255, 255, 255)
GREEN, RED, YELLOW, ORANGE = (46, 160, 67), (200, 50, 50), (240, 190, 30), (230, 120, 30)


def icon(name):
    c = Canvas()
    if name == "image":
        c.rect(2, 4, 21, 19, WHITE); c.rect(2, 4, 21, 19, DARK, False)
        c.circle(16, 8, 2, YELLOW); c.poly([(3, 18), (9, 9), (14, 18)], GREEN)
        c.poly([(10, 18), (15, 12), (20, 18)], (30, 120, 50))
    elif name == "text":
        c.rect(5, 3, 18, 5, DARK); c.rect(10, 3, 13, 20, DARK)
    elif name == "button":
        c.rect(2, 7, 21, 16, BLUE); c.rect(2, 7, 21, 16, DARK, False)
        c.rect(7, 11, 16, 12, WHITE)
    elif name == "input":
        c.rect(2, 7, 21, 16, WHITE); c.rect(2, 7, 21, 16, DARK, False)
        c.rect(5, 9, 5, 14, DARK); c.rect(4, 9, 6, 9, DARK); c.rect(4, 14, 6, 14, DARK)
    elif name == "checkbox":
        c.rect(4, 4, 19, 19, WHITE); c.rect(4, 4, 19, 19, DARK, False)
        for d in range(2):
            c.line(7, 12 + d, 10, 15 + d, GREEN); c.line(10, 15 + d, 16, 8 + d, GREEN)
    elif name == "radiobutton":
        c.circle(11.5, 11.5, 8, WHITE); c.circle(11.5, 11.5, 8, DARK, False); c.circle(11.5, 11.5, 3.5, BLUE)
    elif name == "trackbar":
        c.rect(2, 11, 21, 12, GREY); c.rect(9, 6, 13, 17, BLUE); c.rect(9, 6, 13, 17, DARK, False)
    elif name == "popup":
        c.rect(2, 3, 21, 20, WHITE); c.rect(2, 3, 21, 20, DARK, False); c.rect(3, 4, 20, 7, BLUE)
        c.rect(17, 5, 19, 6, WHITE); c.rect(5, 11, 17, 11, GREY); c.rect(5, 14, 14, 14, GREY)
    elif name == "rectangle":
        c.rect(3, 5, 20, 18, (221, 230, 240)); c.rect(3, 5, 20, 18, BLUE, False)
    elif name == "audio":
        c.rect(3, 9, 7, 14, DARK); c.poly([(7, 9), (13, 4), (13, 20), (7, 15)], DARK)
        c.circle(13, 12, 5, BLUE, False); c.circle(13, 12, 8, BLUE, False)
        c.rect(0, 0, 12, 23, MAG) if False else None
        for y in range(W):
            for x in range(0, 14):
                if c.px[y][x] == BLUE:
                    c.px[y][x] = MAG
    elif name == "video":
        c.rect(2, 5, 21, 18, DARK)
        for x in (3, 7, 11, 15, 19):
            c.rect(x, 6, x + 1, 6, WHITE); c.rect(x, 17, x + 1, 17, WHITE)
        c.poly([(9, 8), (16, 11.5), (9, 15)], WHITE)
    elif name == "flash":
        c.poly([(13, 2), (6, 13), (11, 13), (9, 22), (17, 10), (12, 10), (15, 2)], RED)
    elif name == "DDBasket":
        c.poly([(3, 9), (21, 9), (18, 20), (6, 20)], ORANGE); c.rect(2, 8, 21, 9, DARK)
        for x in (8, 12, 16):
            c.line(x, 11, x - (x - 12) // 4, 18, DARK)
    elif name == "DDElement":
        c.rect(2, 3, 14, 11, WHITE); c.rect(2, 3, 14, 11, DARK, False)
        c.poly([(10, 10), (20, 14), (16, 15), (19, 20), (17, 21), (14, 16), (11, 19)], DARK)
    elif name == "timer":
        c.circle(11.5, 12.5, 9, WHITE); c.circle(11.5, 12.5, 9, DARK, False)
        c.rect(11, 6, 12, 13, DARK); c.line(12, 13, 16, 15, RED); c.rect(10, 1, 13, 2, DARK)
    elif name == "combo":
        c.rect(1, 7, 22, 16, WHITE); c.rect(1, 7, 22, 16, DARK, False); c.rect(15, 8, 21, 15, BLUE)
        c.poly([(16, 10), (21, 10), (18.5, 14)], WHITE); c.rect(4, 11, 11, 12, GREY)
    elif name == "list":
        c.rect(3, 2, 20, 21, WHITE); c.rect(3, 2, 20, 21, DARK, False)
        c.rect(4, 8, 19, 11, BLUE)
        for y in (5, 9, 14, 18):
            c.rect(6, y, 16, y, WHITE if y == 9 else GREY)
    elif name == "html":
        c.line(8, 6, 3, 12, BLUE); c.line(3, 12, 8, 18, BLUE); c.line(16, 6, 21, 12, BLUE)
        c.line(21, 12, 16, 18, BLUE); c.line(14, 4, 10, 20, DARK)
        c.line(9, 6, 4, 12, BLUE); c.line(4, 12, 9, 18, BLUE); c.line(15, 6, 20, 12, BLUE); c.line(20, 12, 15, 18, BLUE)
    elif name == "feedback":
        c.rect(2, 3, 21, 15, WHITE); c.rect(2, 3, 21, 15, DARK, False)
        c.poly([(6, 15), (12, 15), (6, 21)], DARK)
        c.line(7, 9, 10, 12, GREEN); c.line(10, 12, 16, 6, GREEN); c.line(7, 10, 10, 13, GREEN); c.line(10, 13, 16, 7, GREEN)
    elif name == "page":
        c.poly([(5, 2), (15, 2), (19, 6), (19, 22), (5, 22)], WHITE)
        c.rect(5, 2, 19, 22, DARK, False)
        for y in (8, 11, 14, 17):
            c.rect(8, y, 16, y, GREY)
    return c.bmp()


SNIPPET_BASE = ["name", "x", "y", "width", "height", "visibility", "step"]
SKIP_IN_SCRIPT = {"id", "globalIndex", "resizable", "canDelete"}


def class_props(name):
    return [c.attrs[0][1] for c in CLASSES[name].children if c.name == "property"]


def class_events(name):
    out = []
    for c in CLASSES[name].children:
        if c.name == "events":
            out += [e.attrs[0][1] for e in c.children]
    return out


def body_js(name):
    """The element snippet: property values go into JavaScript strings only."""
    names = [] if name == "page" else list(SNIPPET_BASE)
    for n in class_props(name):
        if n not in names and n not in SKIP_IN_SCRIPT:
            names.append(n)
    lines = []
    if name == "page":
        lines.append("page.configure({")
    else:
        lines.append('VLMObject.create("%s", {' % name)
    lines += ['  %s: "<!-- property:%s //-->"%s' % (n, n, "," if i < len(names) - 1 else "")
              for i, n in enumerate(names)]
    events = class_events(name)
    lines.append("}, {")
    for i, e in enumerate(events):
        lines.append("  %s: function () {" % e)
        lines.append("<!-- event:%s //-->" % e)
        lines.append("  }%s" % ("," if i < len(events) - 1 else ""))
    lines.append("});")
    return "\r\n".join(lines) + "\r\n"


def body_html(name):
    return '<div class="vlm-slot" data-vlm-class="%s"></div>\r\n' % name


def png(w, h, pixel):
    import zlib
    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(w)) for y in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def sample_picture(x, y):
    """A calm landscape: sky, sun, two hills; the default of new picture elements."""
    import math
    w, h = 320, 240
    sky = (int(120 + 80 * y / h), int(170 + 60 * y / h), 235)
    if (x - 250) ** 2 + (y - 60) ** 2 < 26 ** 2:
        return (250, 210, 70)
    if y > h * 0.62 + 22 * math.sin(x / 41.0):
        return (70, int(150 - 40 * (y - h * 0.6) / h), 80)
    if y > h * 0.52 + 30 * math.sin(x / 63.0 + 2):
        return (110, 175, 100)
    return sky


def sample_sound():
    """One second of a soft 440 Hz tone, 8 kHz mono 8-bit PCM."""
    import math
    rate, n = 8000, 8000
    data = bytes(int(128 + 60 * math.sin(2 * math.pi * 440 * i / rate) * (1 - i / n)) for i in range(n))
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 1, rate, rate, 1, 8)
    return b"RIFF" + struct.pack("<I", 4 + len(fmt) + 8 + len(data)) + b"WAVE" + fmt + b"data" + struct.pack("<I", len(data)) + data


def write_resources():
    for cls, name, data in (("image", "vlm_picture.png", lambda: png(320, 240, sample_picture)),
                            ("audio", "vlm_sound.wav", sample_sound)):
        folder = os.path.join(ROOT, "components", cls, "resources")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data())


def main():
    write_resources()
    write_xml(os.path.join(ROOT, "configuration", "definition.xml"), base_definition())
    for name in CLASSES:
        folder = os.path.join(ROOT, "components", name)
        write_xml(os.path.join(folder, "definition.xml"), component_definition(name))
        with open(os.path.join(folder, "icon.bmp"), "wb") as f:
            f.write(icon(name))
        with open(os.path.join(folder, "body.js"), "wb") as f:
            f.write(body_js(name).encode("ascii"))
        if name != "page":
            with open(os.path.join(folder, "body.html"), "wb") as f:
                f.write(body_html(name).encode("ascii"))
    order = Node("document", {}, "", [Node("struct", {}, "", [
        Node("item", {"className": n}) for n in [
            "image", "text", "button", "input", "checkbox", "radiobutton", "trackbar", "popup",
            "rectangle", "audio", "video", "flash", "DDBasket", "DDElement", "timer", "combo",
            "list", "html"]])])
    write_xml(os.path.join(ROOT, "components", "components.xml"), order)
    return 0


if __name__ == "__main__":
    sys.exit(main())
