"""The page templates (".xmt"), one folder each with its "resources\\"
folder, grouped into the tabs of the new page dialog."""
import pictures
from pages import AUTHOR, DATE, RIGHT, WRONG, PageBuilder, stored
from vlmxml import Node, write_xml

LANGS = ("PL", "EN", "DE", "FR")
BASE = "PL"  # attribute values as designed; "property" nodes give each language's value

GROUPS = {
    "basic": dict(PL="Podstawowe", EN="Basic", DE="Standard", FR="Base"),  # = NEW_PAGE_DEFAULT_GROUP
    "media": dict(PL="Multimedia", EN="Multimedia", DE="Multimedia", FR="Multimédia"),
    "exercises": dict(PL="Ćwiczenia", EN="Exercises", DE="Übungen", FR="Exercices"),
}

CHECK = dict(PL="Sprawdź odpowiedź", EN="Check the answer", DE="Antwort prüfen", FR="Vérifier la réponse")


class Template(PageBuilder):
    def el(self, cls, x, y, w, h, **props):
        """An element whose dict-valued properties differ per language."""
        plain = {k: (v[BASE] if isinstance(v, dict) else v) for k, v in props.items()}
        node = self.element(cls, x, y, w, h, **plain)
        for k, v in props.items():
            if isinstance(v, dict):
                for lang in LANGS:
                    node.add("property", [("name", k), ("lang", lang)], text=stored(k, v[lang]))
        return node


def feedback(t, x, y):
    """The windows an exercise page shows after the check."""
    t.el("feedback", x, y, 320, 120, kind="correct", text=RIGHT)
    t.el("feedback", x, y, 320, 120, kind="wrong", text=WRONG)


def title_page(t):
    t.el("image", 0, 0, 800, 200, src="..\\resources\\banner.png")
    t.el("text", 40, 230, 720, 140, text=dict(
        PL="<h1>Tytuł kursu</h1><p>Jednym zdaniem napisz, czego uczestnik nauczy się w tym kursie.</p>",
        EN="<h1>Course title</h1><p>In one sentence, say what the learner will learn in this course.</p>",
        DE="<h1>Kurstitel</h1><p>Schreiben Sie in einem Satz, was die Teilnehmenden in diesem Kurs lernen.</p>",
        FR="<h1>Titre du cours</h1><p>En une phrase, dites ce que l'apprenant va apprendre dans ce cours.</p>"))
    start = t.el("button", 40, 400, 200, 44, caption=dict(
        PL="Rozpocznij kurs", EN="Start the course", DE="Kurs starten", FR="Commencer le cours"))
    t.on(start, "onclick", t.page, "nextPage")


def text_picture(t):
    t.el("text", 30, 30, 430, 460, text=dict(
        PL="<h2>Nagłówek strony</h2><p>Wpisz tutaj treść strony. Krótkie akapity czyta się łatwiej niż długie.</p>"
           "<p>Obrazek po prawej stronie możesz zamienić na własny w oknie właściwości elementu.</p>",
        EN="<h2>Page heading</h2><p>Type the content of the page here. Short paragraphs are easier to read than long ones.</p>"
           "<p>You can replace the picture on the right with your own in the element's property window.</p>",
        DE="<h2>Seitenüberschrift</h2><p>Geben Sie hier den Inhalt der Seite ein. Kurze Absätze lesen sich leichter als lange.</p>"
           "<p>Das Bild rechts können Sie im Eigenschaftenfenster des Elements durch ein eigenes ersetzen.</p>",
        FR="<h2>Titre de la page</h2><p>Saisissez ici le contenu de la page. Les paragraphes courts se lisent plus facilement.</p>"
           "<p>Vous pouvez remplacer l'image de droite par la vôtre dans la fenêtre des propriétés de l'élément.</p>"))
    t.el("image", 490, 60, 280, 210, src="..\\resources\\illustration.png")


def two_columns(t):
    t.el("text", 30, 20, 740, 60, text=dict(
        PL="<h2>Nagłówek strony</h2>", EN="<h2>Page heading</h2>",
        DE="<h2>Seitenüberschrift</h2>", FR="<h2>Titre de la page</h2>"))
    left = dict(PL="<p>Lewa kolumna: tu opisz pierwszą część tematu, na przykład stan przed zmianą.</p>",
                EN="<p>Left column: describe the first part of the topic here, for example the situation before a change.</p>",
                DE="<p>Linke Spalte: Beschreiben Sie hier den ersten Teil des Themas, etwa die Lage vor einer Änderung.</p>",
                FR="<p>Colonne de gauche : décrivez ici la première partie du sujet, par exemple la situation avant un changement.</p>")
    right = dict(PL="<p>Prawa kolumna: tu opisz drugą część, na przykład stan po zmianie. Dwie kolumny dobrze służą porównaniom.</p>",
                 EN="<p>Right column: describe the second part here, for example the situation afterwards. Two columns suit comparisons well.</p>",
                 DE="<p>Rechte Spalte: Beschreiben Sie hier den zweiten Teil, etwa die Lage danach. Zwei Spalten eignen sich gut für Vergleiche.</p>",
                 FR="<p>Colonne de droite : décrivez ici la seconde partie, par exemple la situation après. Deux colonnes conviennent bien aux comparaisons.</p>")
    t.el("text", 30, 95, 355, 420, text=left)
    t.el("text", 415, 95, 355, 420, text=right)


def text_popup(t):
    t.el("text", 30, 30, 740, 160, text=dict(
        PL="<h2>Nagłówek strony</h2><p>Główna treść strony. Szczegóły, których nie każdy potrzebuje, schowaj w okienku: "
           "uczestnik otworzy je przyciskiem, a strona pozostanie przejrzysta.</p>",
        EN="<h2>Page heading</h2><p>The main content of the page. Put details that not everyone needs into a pop-up window: "
           "the learner opens it with the button, and the page stays clear.</p>",
        DE="<h2>Seitenüberschrift</h2><p>Der Hauptinhalt der Seite. Details, die nicht alle brauchen, kommen in ein Einblendfenster: "
           "Die Teilnehmenden öffnen es mit der Schaltfläche, und die Seite bleibt übersichtlich.</p>",
        FR="<h2>Titre de la page</h2><p>Le contenu principal de la page. Placez les détails dont tout le monde n'a pas besoin dans une fenêtre : "
           "l'apprenant l'ouvre avec le bouton et la page reste claire.</p>"))
    more = t.el("button", 30, 210, 240, 44, caption=dict(
        PL="Więcej informacji", EN="More information", DE="Mehr erfahren", FR="En savoir plus"))
    popup = t.el("popup", 300, 190, 420, 240,
                 title=dict(PL="Więcej informacji", EN="More information", DE="Mehr erfahren", FR="En savoir plus"),
                 text=dict(PL="Tutaj wpisz szczegóły, przykład albo ciekawostkę.",
                           EN="Type the details, an example or an interesting fact here.",
                           DE="Geben Sie hier Details, ein Beispiel oder eine interessante Tatsache ein.",
                           FR="Saisissez ici les détails, un exemple ou une anecdote."),
                 closeCaption=dict(PL="Zamknij", EN="Close", DE="Schließen", FR="Fermer"))
    t.on(more, "onclick", popup, "show")


def summary(t):
    t.el("image", 30, 40, 160, 160, src="..\\resources\\summary.png")
    t.el("text", 220, 40, 550, 320, text=dict(
        PL="<h2>Podsumowanie</h2><ul><li>Pierwsza najważniejsza informacja.</li><li>Druga najważniejsza informacja.</li>"
           "<li>Gdzie szukać dalszych materiałów.</li></ul>",
        EN="<h2>Summary</h2><ul><li>The first key point.</li><li>The second key point.</li>"
           "<li>Where to find further material.</li></ul>",
        DE="<h2>Zusammenfassung</h2><ul><li>Der erste wichtige Punkt.</li><li>Der zweite wichtige Punkt.</li>"
           "<li>Wo es weiteres Material gibt.</li></ul>",
        FR="<h2>Résumé</h2><ul><li>Le premier point essentiel.</li><li>Le deuxième point essentiel.</li>"
           "<li>Où trouver d'autres ressources.</li></ul>"))


def video_page(t):
    t.el("text", 30, 20, 740, 60, text=dict(
        PL="<h2>Obejrzyj film</h2>", EN="<h2>Watch the video</h2>",
        DE="<h2>Sehen Sie sich das Video an</h2>", FR="<h2>Regardez la vidéo</h2>"))
    t.el("video", 160, 90, 480, 270, poster="..\\resources\\poster.png")
    t.el("text", 160, 375, 480, 120, text=dict(
        PL="<p>Wybierz plik filmu (MP4, WebM lub Ogg) we właściwościach elementu i napisz tu, na co zwrócić uwagę.</p>",
        EN="<p>Choose the video file (MP4, WebM or Ogg) in the element's properties and say here what to look out for.</p>",
        DE="<p>Wählen Sie die Videodatei (MP4, WebM oder Ogg) in den Eigenschaften des Elements und schreiben Sie hier, worauf zu achten ist.</p>",
        FR="<p>Choisissez le fichier vidéo (MP4, WebM ou Ogg) dans les propriétés de l'élément et indiquez ici à quoi faire attention.</p>"))


def single_choice(t):
    t.el("text", 30, 30, 740, 90, text=dict(
        PL="<h2>Pytanie</h2><p>Która planeta jest najbliżej Słońca?</p>",
        EN="<h2>Question</h2><p>Which planet is closest to the Sun?</p>",
        DE="<h2>Frage</h2><p>Welcher Planet ist der Sonne am nächsten?</p>",
        FR="<h2>Question</h2><p>Quelle planète est la plus proche du Soleil ?</p>"))
    answers = [dict(PL="Merkury", EN="Mercury", DE="Merkur", FR="Mercure"),
               dict(PL="Wenus", EN="Venus", DE="Venus", FR="Vénus"),
               dict(PL="Mars", EN="Mars", DE="Mars", FR="Mars")]
    for i, a in enumerate(answers):
        t.el("radiobutton", 60, 140 + 46 * i, 400, 34, caption=a, group="q1",
             correctAnswer="true" if i == 0 else "false")
    t.on(t.el("button", 60, 300, 220, 44, caption=CHECK), "onclick", t.page, "check")
    feedback(t, 440, 280)


def multiple_choice(t):
    t.el("text", 30, 30, 740, 90, text=dict(
        PL="<h2>Pytanie</h2><p>Które z tych zwierząt są ssakami? Zaznacz wszystkie poprawne odpowiedzi.</p>",
        EN="<h2>Question</h2><p>Which of these animals are mammals? Tick all correct answers.</p>",
        DE="<h2>Frage</h2><p>Welche dieser Tiere sind Säugetiere? Kreuzen Sie alle richtigen Antworten an.</p>",
        FR="<h2>Question</h2><p>Parmi ces animaux, lesquels sont des mammifères ? Cochez toutes les bonnes réponses.</p>"))
    answers = [(dict(PL="Delfin", EN="Dolphin", DE="Delfin", FR="Dauphin"), True),
               (dict(PL="Nietoperz", EN="Bat", DE="Fledermaus", FR="Chauve-souris"), True),
               (dict(PL="Rekin", EN="Shark", DE="Hai", FR="Requin"), False),
               (dict(PL="Pingwin", EN="Penguin", DE="Pinguin", FR="Manchot"), False)]
    for i, (a, right) in enumerate(answers):
        t.el("checkbox", 60, 140 + 44 * i, 400, 32, caption=a, group="q1",
             correctAnswer="true" if right else "false")
    t.on(t.el("button", 60, 330, 220, 44, caption=CHECK), "onclick", t.page, "check")
    feedback(t, 440, 300)


def typed_answer(t):
    t.el("text", 30, 30, 740, 90, text=dict(
        PL="<h2>Pytanie</h2><p>Jaka jest stolica Francji? Wpisz odpowiedź.</p>",
        EN="<h2>Question</h2><p>What is the capital of France? Type your answer.</p>",
        DE="<h2>Frage</h2><p>Wie heißt die Hauptstadt von Frankreich? Geben Sie die Antwort ein.</p>",
        FR="<h2>Question</h2><p>Quelle est la capitale de la France ? Saisissez votre réponse.</p>"))
    t.el("input", 60, 140, 300, 34,
         correctAnswer=dict(PL="Paryż", EN="Paris", DE="Paris", FR="Paris"),
         placeholder=dict(PL="Wpisz odpowiedź", EN="Type your answer", DE="Antwort eingeben", FR="Saisissez votre réponse"))
    t.on(t.el("button", 60, 200, 220, 44, caption=CHECK), "onclick", t.page, "check")
    feedback(t, 440, 140)


def drag_drop(t):
    t.el("text", 30, 20, 740, 100, text=dict(
        PL="<h2>Ćwiczenie</h2><p>Przeciągnij każde zwierzę do właściwej grupy.</p>",
        EN="<h2>Exercise</h2><p>Drag each animal into the right group.</p>",
        DE="<h2>Übung</h2><p>Ziehen Sie jedes Tier in die richtige Gruppe.</p>",
        FR="<h2>Exercice</h2><p>Faites glisser chaque animal dans le bon groupe.</p>"))
    mammals = t.el("DDBasket", 120, 230, 240, 180, caption=dict(PL="Ssaki", EN="Mammals", DE="Säugetiere", FR="Mammifères"))
    birds = t.el("DDBasket", 440, 230, 240, 180, caption=dict(PL="Ptaki", EN="Birds", DE="Vögel", FR="Oiseaux"))
    animals = [(dict(PL="Delfin", EN="Dolphin", DE="Delfin", FR="Dauphin"), mammals),
               (dict(PL="Wróbel", EN="Sparrow", DE="Spatz", FR="Moineau"), birds),
               (dict(PL="Kot", EN="Cat", DE="Katze", FR="Chat"), mammals),
               (dict(PL="Sowa", EN="Owl", DE="Eule", FR="Chouette"), birds)]
    for i, (a, basket) in enumerate(animals):
        t.el("DDElement", 60 + 175 * i, 140, 150, 40, caption=a, correctAnswer=basket.get("name"))
    t.on(t.el("button", 60, 440, 220, 44, caption=CHECK), "onclick", t.page, "check")
    feedback(t, 440, 420)
    t.page.set("masteryscore", str(10 * len(animals)))  # every item in its basket


TEMPLATES = [
    dict(folder="basic/title", group="basic", icon=0, build=title_page, type="Normal",
         resources={"banner.png": pictures.banner},
         caption=dict(PL="Strona tytułowa", EN="Title page", DE="Titelseite", FR="Page de titre"),
         description=dict(
             PL="Nagłówek z obrazem, tytuł kursu i przycisk, który prowadzi do następnej strony.",
             EN="A picture header, the course title and a button that leads to the next page.",
             DE="Bildkopf, Kurstitel und eine Schaltfläche, die zur nächsten Seite führt.",
             FR="Un bandeau illustré, le titre du cours et un bouton qui mène à la page suivante.")),
    dict(folder="basic/text_picture", group="basic", icon=1, build=text_picture, type="Normal",
         resources={"illustration.png": pictures.illustration},
         caption=dict(PL="Tekst z obrazkiem", EN="Text with picture", DE="Text mit Bild", FR="Texte avec image"),
         description=dict(
             PL="Nagłówek i tekst po lewej stronie, obrazek po prawej.",
             EN="A heading and text on the left, a picture on the right.",
             DE="Überschrift und Text links, ein Bild rechts.",
             FR="Un titre et du texte à gauche, une image à droite.")),
    dict(folder="basic/two_columns", group="basic", icon=1, build=two_columns, type="Normal", resources={},
         caption=dict(PL="Tekst w dwóch kolumnach", EN="Two-column text", DE="Zweispaltiger Text", FR="Texte sur deux colonnes"),
         description=dict(
             PL="Nagłówek na całą szerokość i dwie kolumny tekstu, na przykład do porównań.",
             EN="A full-width heading and two columns of text, for example for comparisons.",
             DE="Überschrift über die ganze Breite und zwei Textspalten, etwa für Vergleiche.",
             FR="Un titre sur toute la largeur et deux colonnes de texte, par exemple pour des comparaisons.")),
    dict(folder="basic/text_popup", group="basic", icon=1, build=text_popup, type="Normal", resources={},
         caption=dict(PL="Tekst z okienkiem", EN="Text with pop-up", DE="Text mit Einblendfenster", FR="Texte avec fenêtre"),
         description=dict(
             PL="Tekst strony i przycisk, który otwiera okienko ze szczegółami.",
             EN="Page text and a button that opens a pop-up window with details.",
             DE="Seitentext und eine Schaltfläche, die ein Einblendfenster mit Details öffnet.",
             FR="Le texte de la page et un bouton qui ouvre une fenêtre de détails.")),
    dict(folder="basic/summary", group="basic", icon=0, build=summary, type="Normal",
         resources={"summary.png": pictures.check_mark},
         caption=dict(PL="Podsumowanie", EN="Summary", DE="Zusammenfassung", FR="Résumé"),
         description=dict(
             PL="Znak ukończenia i lista najważniejszych informacji na koniec kursu lub rozdziału.",
             EN="A completion mark and a list of key points to end a course or a chapter.",
             DE="Ein Abschlusszeichen und eine Liste der wichtigsten Punkte am Ende eines Kurses oder Kapitels.",
             FR="Une marque d'achèvement et la liste des points essentiels pour finir un cours ou un chapitre.")),
    dict(folder="media/video", group="media", icon=2, build=video_page, type="Normal",
         resources={"poster.png": pictures.poster},
         caption=dict(PL="Strona z filmem", EN="Video page", DE="Seite mit Video", FR="Page vidéo"),
         description=dict(
             PL="Nagłówek, odtwarzacz filmu z obrazkiem startowym i miejsce na komentarz.",
             EN="A heading, a video player with a poster picture and room for a comment.",
             DE="Überschrift, Videoplayer mit Vorschaubild und Platz für einen Kommentar.",
             FR="Un titre, un lecteur vidéo avec image d'attente et de la place pour un commentaire.")),
    dict(folder="exercises/single_choice", group="exercises", icon=3, build=single_choice, type="Exercise", resources={},
         caption=dict(PL="Pytanie jednokrotnego wyboru", EN="Single-choice question", DE="Einfachauswahl", FR="Question à choix unique"),
         description=dict(
             PL="Pytanie z trzema odpowiedziami, z których jedna jest poprawna, i przycisk sprawdzania.",
             EN="A question with three answers, one of them correct, and a check button.",
             DE="Eine Frage mit drei Antworten, von denen eine richtig ist, und eine Prüfschaltfläche.",
             FR="Une question à trois réponses dont une seule est juste, et un bouton de vérification.")),
    dict(folder="exercises/multiple_choice", group="exercises", icon=3, build=multiple_choice, type="Exercise", resources={},
         caption=dict(PL="Pytanie wielokrotnego wyboru", EN="Multiple-choice question", DE="Mehrfachauswahl", FR="Question à choix multiple"),
         description=dict(
             PL="Pytanie z czterema odpowiedziami, z których kilka może być poprawnych.",
             EN="A question with four answers, several of which may be correct.",
             DE="Eine Frage mit vier Antworten, von denen mehrere richtig sein können.",
             FR="Une question à quatre réponses dont plusieurs peuvent être justes.")),
    dict(folder="exercises/typed_answer", group="exercises", icon=3, build=typed_answer, type="Exercise", resources={},
         caption=dict(PL="Pytanie z wpisywaną odpowiedzią", EN="Typed-answer question", DE="Frage mit Texteingabe", FR="Question à réponse saisie"),
         description=dict(
             PL="Pytanie, na które uczestnik wpisuje odpowiedź w polu tekstowym.",
             EN="A question that the learner answers by typing into a text field.",
             DE="Eine Frage, die in einem Textfeld beantwortet wird.",
             FR="Une question à laquelle l'apprenant répond dans un champ de texte.")),
    dict(folder="exercises/drag_drop", group="exercises", icon=3, build=drag_drop, type="Exercise", resources={},
         caption=dict(PL="Przeciągnij i upuść", EN="Drag and drop", DE="Ziehen und ablegen", FR="Glisser-déposer"),
         description=dict(
             PL="Ćwiczenie, w którym uczestnik przeciąga elementy do właściwych grup.",
             EN="An exercise in which the learner drags items into the right groups.",
             DE="Eine Übung, bei der Elemente in die richtigen Gruppen gezogen werden.",
             FR="Un exercice où l'apprenant fait glisser des éléments dans les bons groupes.")),
]


def write_all(defs, root):
    for spec in TEMPLATES:
        folder = root / spec["folder"]
        name = folder.name
        t = Template(defs, BASE, "page-template/" + spec["folder"], page_type=spec["type"])
        for lang in LANGS:
            t.info.add("caption", [("lang", lang)], text=spec["caption"][lang])
        for lang in LANGS:
            t.info.add("description", [("lang", lang)], text=spec["description"][lang])
        for lang in LANGS:
            t.info.add("group", [("lang", lang)], text=GROUPS[spec["group"]][lang])
        t.info.add("author", text=AUTHOR)
        t.info.add("version", text="1.0")
        t.info.add("date", text=DATE)
        t.info.add("icon", [("index", str(spec["icon"]))])
        spec["build"](t)
        write_xml(folder / (name + ".xmt"), t.doc)
        for file, draw in spec["resources"].items():
            (folder / "resources").mkdir(exist_ok=True)
            (folder / "resources" / file).write_bytes(draw())
    return len(TEMPLATES)
