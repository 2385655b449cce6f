"""Texts of the help pages, the FAQ and the shortcut list, per language."""

# (keys, command) with key names in English; translated per language below.
SHORTCUTS = [
    ("Ctrl+N", "new"), ("Ctrl+O", "open"), ("Ctrl+S", "save"), ("Ctrl+Shift+S", "saveas"),
    ("Ctrl+Shift+Q", "close"), ("Ctrl+T", "xmt"), ("Ctrl+R", "resources"), ("Ctrl+L", "lexicon"),
    ("Ctrl+Shift+Alt+K", "options"), ("Ctrl+Q", "exit"),
    ("Shift+Ins", "add"), ("F2", "rename"), ("Shift+Del", "delpage"),
    ("Shift+Up", "up"), ("Shift+Down", "down"), ("Shift+Left", "left"), ("Shift+Right", "right"),
    ("Ctrl+X", "cut"), ("Ctrl+C", "copy"), ("Ctrl+V", "paste"), ("Ctrl+PgUp", "front"),
    ("Ctrl+PgDn", "back"), ("Del", "delelement"), ("Ctrl+Shift+W", "props"),
    ("Ctrl+Shift+Z", "advanced"), ("Shift+Ctrl+click", "grid"), ("Ctrl+Shift+A", "actions"),
    ("Ctrl+Shift+Alt+U", "pageactions"), ("Ctrl+Shift+Alt+I", "pageprops"),
    ("Ctrl+Shift+D", "notes"), ("Ctrl+Shift+Alt+D", "pagenotes"), ("F5", "preview"),
    ("F9", "panel"), ("Ctrl+Alt+G", "showgrid"), ("Ctrl+Shift+G", "snap"), ("Ctrl+Alt+F", "frame"),
    ("Ctrl+Shift+Alt+G", "gridsettings"), ("F1", "help"), ("F12", "about"),
]

KEYS = {
    "PL": {"Up": "strzałka w górę", "Down": "strzałka w dół", "Left": "strzałka w lewo",
           "Right": "strzałka w prawo", "click": "kliknięcie elementu"},
    "EN": {"Up": "Up arrow", "Down": "Down arrow", "Left": "Left arrow", "Right": "Right arrow",
           "click": "click on an element"},
    "DE": {"Ctrl": "Strg", "Shift": "Umschalt", "Del": "Entf", "Ins": "Einfg", "PgUp": "Bild auf",
           "PgDn": "Bild ab", "Up": "Pfeil nach oben", "Down": "Pfeil nach unten",
           "Left": "Pfeil nach links", "Right": "Pfeil nach rechts", "click": "Klick auf ein Element"},
    "FR": {"Shift": "Maj", "Del": "Suppr", "Ins": "Inser", "PgUp": "Page préc.", "PgDn": "Page suiv.",
           "Up": "flèche haut", "Down": "flèche bas", "Left": "flèche gauche",
           "Right": "flèche droite", "click": "clic sur un élément"},
}

COMMANDS = {
    "PL": dict(new="Nowy kurs z szablonu", open="Otwórz kurs", save="Zapisz kurs", saveas="Zapisz kurs jako",
               close="Zamknij bieżący kurs", xmt="Zapisz stronę jako stronę wzorcową", resources="Zasoby kursu",
               lexicon="Leksykon", options="Opcje programu", exit="Zakończ pracę z programem",
               add="Dodaj stronę podrzędną do zaznaczonej pozycji", rename="Zmień nazwę strony", delpage="Usuń stronę",
               up="Przesuń stronę w górę", down="Przesuń stronę w dół",
               left="Przesuń stronę poziom wyżej (w lewo)", right="Przesuń stronę poziom niżej (w prawo)",
               cut="Wytnij element", copy="Kopiuj element", paste="Wklej element", front="Przesuń element na wierzch",
               back="Przesuń element na spód", delelement="Usuń zaznaczony element", props="Właściwości elementu",
               advanced="Właściwości zaawansowane elementu", grid="Tabela wszystkich właściwości elementu",
               actions="Akcje elementu", pageactions="Akcje strony", pageprops="Właściwości strony",
               notes="Opis autora dla elementu", pagenotes="Opis autora dla strony", preview="Podgląd strony",
               panel="Pokaż lub ukryj panel kursu", showgrid="Pokaż lub ukryj siatkę", snap="Przyciągaj do siatki",
               frame="Ramka elementów", gridsettings="Właściwości siatki", help="Pomoc", about="O programie"),
    "EN": dict(new="New course from a template", open="Open a course", save="Save the course", saveas="Save the course as",
               close="Close the current course", xmt="Save the page as a page template", resources="Course resources",
               lexicon="Lexicon", options="Program options", exit="Exit the program",
               add="Add a sub-page to the selected item", rename="Rename the page", delpage="Delete the page",
               up="Move the page up", down="Move the page down",
               left="Move the page one level up (left)", right="Move the page one level down (right)",
               cut="Cut the element", copy="Copy the element", paste="Paste the element", front="Bring the element to the front",
               back="Send the element to the back", delelement="Delete the selected element", props="Element properties",
               advanced="Advanced element properties", grid="Table of all element properties",
               actions="Element actions", pageactions="Page actions", pageprops="Page properties",
               notes="Author's notes on the element", pagenotes="Author's notes on the page", preview="Page preview",
               panel="Show or hide the course panel", showgrid="Show or hide the grid", snap="Snap to grid",
               frame="Element frames", gridsettings="Grid settings", help="Help", about="About the program"),
    "DE": dict(new="Neuer Kurs aus einer Vorlage", open="Kurs öffnen", save="Kurs speichern", saveas="Kurs speichern unter",
               close="Aktuellen Kurs schließen", xmt="Seite als Seitenvorlage speichern", resources="Ressourcen des Kurses",
               lexicon="Lexikon", options="Programmoptionen", exit="Programm beenden",
               add="Unterseite zum markierten Eintrag hinzufügen", rename="Seite umbenennen", delpage="Seite löschen",
               up="Seite nach oben verschieben", down="Seite nach unten verschieben",
               left="Seite eine Ebene höher (nach links)", right="Seite eine Ebene tiefer (nach rechts)",
               cut="Element ausschneiden", copy="Element kopieren", paste="Element einfügen", front="Element in den Vordergrund",
               back="Element in den Hintergrund", delelement="Markiertes Element löschen", props="Elementeigenschaften",
               advanced="Erweiterte Elementeigenschaften", grid="Tabelle aller Elementeigenschaften",
               actions="Aktionen des Elements", pageactions="Aktionen der Seite", pageprops="Seiteneigenschaften",
               notes="Autorennotiz zum Element", pagenotes="Autorennotiz zur Seite", preview="Seitenvorschau",
               panel="Kursbereich ein- oder ausblenden", showgrid="Raster ein- oder ausblenden", snap="Am Raster ausrichten",
               frame="Elementrahmen", gridsettings="Rastereinstellungen", help="Hilfe", about="Über das Programm"),
    "FR": dict(new="Nouveau cours à partir d'un modèle", open="Ouvrir un cours", save="Enregistrer le cours",
               saveas="Enregistrer le cours sous", close="Fermer le cours actuel", xmt="Enregistrer la page comme modèle",
               resources="Ressources du cours", lexicon="Lexique", options="Options du programme", exit="Quitter le programme",
               add="Ajouter une sous-page à l'élément sélectionné", rename="Renommer la page", delpage="Supprimer la page",
               up="Monter la page", down="Descendre la page",
               left="Remonter la page d'un niveau (à gauche)", right="Descendre la page d'un niveau (à droite)",
               cut="Couper l'élément", copy="Copier l'élément", paste="Coller l'élément", front="Mettre l'élément au premier plan",
               back="Mettre l'élément à l'arrière-plan", delelement="Supprimer l'élément sélectionné", props="Propriétés de l'élément",
               advanced="Propriétés avancées de l'élément", grid="Tableau de toutes les propriétés de l'élément",
               actions="Actions de l'élément", pageactions="Actions de la page", pageprops="Propriétés de la page",
               notes="Notes de l'auteur sur l'élément", pagenotes="Notes de l'auteur sur la page", preview="Aperçu de la page",
               panel="Afficher ou masquer le panneau du cours", showgrid="Afficher ou masquer la grille",
               snap="Aligner sur la grille", frame="Cadre des éléments", gridsettings="Paramètres de la grille",
               help="Aide", about="À propos du programme"),
}


def _keys(lang, keys):
    names = KEYS[lang]
    out = []
    for alt in keys.split(" / "):
        out.append("+".join(names.get(part, part) for part in alt.split("+")))
    return " / ".join(out)


def shortcuts(lang):
    return [(_keys(lang, k), COMMANDS[lang][c]) for k, c in SHORTCUTS]


from help_pl import PL  # noqa: E402
from help_en import EN  # noqa: E402
from help_de import DE  # noqa: E402
from help_fr import FR  # noqa: E402

TEXTS = {}
for _lang, _t in (("PL", PL), ("EN", EN), ("DE", DE), ("FR", FR)):
    _t["shortcuts"] = shortcuts(_lang)
    TEXTS[_lang] = _t
