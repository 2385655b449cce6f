"""Texts of the course templates, per language. HTML goes into "text"
elements (the rich-text class shows it as it is)."""

T = {}

T["PL"] = dict(
    empty_caption="Pusty kurs",
    empty_title="Nowy kurs",
    empty_desc="Kurs z jedną pustą stroną. Kliknij ją dwukrotnie i wybierz wzór strony",
    first_page="Strona 1",
    short_caption="Krótki kurs z testem",
    short_title="Krótki kurs",
    short_desc="Strona tytułowa, wprowadzenie, najważniejsze informacje, pytanie sprawdzające i podsumowanie",
    chapters_caption="Kurs z rozdziałami",
    chapters_title="Kurs z rozdziałami",
    chapters_desc="Dwa rozdziały po dwie lekcje, test końcowy, zakończenie i leksykon pojęć",
    p_title="Strona tytułowa", p_intro="Wprowadzenie", p_points="Najważniejsze informacje",
    p_quiz="Sprawdź się", p_summary="Podsumowanie",
    title_html="<h1>Tytuł kursu</h1><p>Jednym zdaniem napisz, czego uczestnik nauczy się w tym kursie.</p>",
    start="Rozpocznij kurs",
    intro_html="<h2>Wprowadzenie</h2><p>Powiedz uczestnikowi, dla kogo jest ten kurs i ile czasu mu zajmie.</p>"
               "<p>Wyjaśnij, dlaczego temat jest ważny: podaj przykład z codziennej pracy, w którym ta wiedza się przydaje.</p>",
    points_html="<h2>Najważniejsze informacje</h2><p>Zastąp te punkty treścią kursu:</p>"
                "<ul><li>Jedna strona przekazuje jedną myśl.</li><li>Krótkie akapity czyta się łatwiej niż długie.</li>"
                "<li>Obrazek lub przykład pomaga zapamiętać regułę.</li></ul>",
    quiz_html="<h2>Sprawdź się</h2><p>Co znajdziesz na ostatniej stronie tego kursu? Wybierz jedną odpowiedź.</p>",
    quiz_answers=["Podsumowanie najważniejszych informacji", "Test końcowy", "Spis literatury"],
    check="Sprawdź odpowiedź",
    summary_html="<h2>Podsumowanie</h2><p>Gratulacje, kurs został ukończony.</p>"
                 "<p>Przypomnij w kilku zdaniach najważniejsze informacje i podpowiedz, gdzie uczestnik znajdzie więcej materiałów.</p>",
    chapter="Rozdział %d", lesson="Lekcja %d.%d", p_test="Test końcowy", p_end="Zakończenie",
    chapter_html="<h1>Rozdział %d</h1><p>Opisz w dwóch, trzech zdaniach, czego dotyczy ten rozdział i co uczestnik będzie umiał po jego przejściu.</p>",
    lesson_html="<h2>Lekcja %d.%d</h2><p>Zastąp ten tekst treścią lekcji. Zacznij od krótkiego wstępu, potem przedstaw dwie lub trzy myśli.</p>"
                "<p>Zakończ lekcję przykładem albo pytaniem, które skłoni uczestnika do zastanowienia się.</p>",
    test_html="<h2>Test końcowy</h2><p>1. Co zawiera ten kurs? Zaznacz wszystkie poprawne odpowiedzi.</p>",
    test_answers=[("Rozdziały z lekcjami", True), ("Test końcowy", True), ("Film instruktażowy", False), ("Leksykon pojęć", True)],
    test_q2="<p>2. Ile rozdziałów ma ten kurs? Wpisz liczbę.</p>",
    test_q2_answer="2",
    test_q2_hint="Wpisz odpowiedź",
    end_html="<h2>Zakończenie</h2><p>Dziękujemy za udział w kursie.</p><p>Pojęcia użyte w kursie znajdziesz w leksykonie.</p>",
    lexicon={
        "E-learning": "Nauka z pomocą komputera i internetu, we własnym tempie.",
        "Platforma LMS": "System do udostępniania kursów, który zapisuje postępy i wyniki uczestników.",
        "SCORM": "Standard pakowania kursów, dzięki któremu kurs działa na wielu platformach LMS.",
    },
)

T["EN"] = dict(
    empty_caption="Empty course",
    empty_title="New course",
    empty_desc="A course with one empty page. Double-click it and choose a page template",
    first_page="Page 1",
    short_caption="Short course with a quiz",
    short_title="Short course",
    short_desc="Title page, introduction, key points, a check question and a summary",
    chapters_caption="Course in chapters",
    chapters_title="Course in chapters",
    chapters_desc="Two chapters of two lessons each, a final test, a closing page and a glossary",
    p_title="Title page", p_intro="Introduction", p_points="Key points",
    p_quiz="Check yourself", p_summary="Summary",
    title_html="<h1>Course title</h1><p>In one sentence, say what the learner will learn in this course.</p>",
    start="Start the course",
    intro_html="<h2>Introduction</h2><p>Tell the learner who this course is for and how long it takes.</p>"
               "<p>Explain why the topic matters: give an example from everyday work where this knowledge helps.</p>",
    points_html="<h2>Key points</h2><p>Replace these points with the content of your course:</p>"
                "<ul><li>One page carries one idea.</li><li>Short paragraphs are easier to read than long ones.</li>"
                "<li>A picture or an example helps to remember a rule.</li></ul>",
    quiz_html="<h2>Check yourself</h2><p>What will you find on the last page of this course? Choose one answer.</p>",
    quiz_answers=["A summary of the key points", "A final test", "A reading list"],
    check="Check the answer",
    summary_html="<h2>Summary</h2><p>Congratulations, you have completed the course.</p>"
                 "<p>Recall the key points in a few sentences and tell the learner where to find more material.</p>",
    chapter="Chapter %d", lesson="Lesson %d.%d", p_test="Final test", p_end="Closing",
    chapter_html="<h1>Chapter %d</h1><p>Describe in two or three sentences what this chapter covers and what the learner will be able to do afterwards.</p>",
    lesson_html="<h2>Lesson %d.%d</h2><p>Replace this text with the content of the lesson. Start with a short introduction, then present two or three ideas.</p>"
                "<p>End the lesson with an example or a question that makes the learner think.</p>",
    test_html="<h2>Final test</h2><p>1. What does this course contain? Tick all correct answers.</p>",
    test_answers=[("Chapters with lessons", True), ("A final test", True), ("A training video", False), ("A glossary", True)],
    test_q2="<p>2. How many chapters does this course have? Type a number.</p>",
    test_q2_answer="2",
    test_q2_hint="Type your answer",
    end_html="<h2>Closing</h2><p>Thank you for taking part in the course.</p><p>The terms used in the course are explained in the lexicon.</p>",
    lexicon={
        "E-learning": "Learning with a computer and the internet, at your own pace.",
        "LMS": "A learning management system: it delivers courses and records the learners' progress and results.",
        "SCORM": "A standard for packaging courses so that a course runs on many learning management systems.",
    },
)

T["DE"] = dict(
    empty_caption="Leerer Kurs",
    empty_title="Neuer Kurs",
    empty_desc="Ein Kurs mit einer leeren Seite. Doppelklicken Sie darauf und wählen Sie eine Seitenvorlage",
    first_page="Seite 1",
    short_caption="Kurzer Kurs mit Test",
    short_title="Kurzer Kurs",
    short_desc="Titelseite, Einführung, das Wichtigste, eine Kontrollfrage und eine Zusammenfassung",
    chapters_caption="Kurs mit Kapiteln",
    chapters_title="Kurs mit Kapiteln",
    chapters_desc="Zwei Kapitel mit je zwei Lektionen, ein Abschlusstest, eine Schlussseite und ein Lexikon",
    p_title="Titelseite", p_intro="Einführung", p_points="Das Wichtigste",
    p_quiz="Testen Sie sich", p_summary="Zusammenfassung",
    title_html="<h1>Kurstitel</h1><p>Schreiben Sie in einem Satz, was die Teilnehmenden in diesem Kurs lernen.</p>",
    start="Kurs starten",
    intro_html="<h2>Einführung</h2><p>Sagen Sie, für wen dieser Kurs gedacht ist und wie lange er dauert.</p>"
               "<p>Erklären Sie, warum das Thema wichtig ist: Nennen Sie ein Beispiel aus dem Arbeitsalltag, in dem dieses Wissen hilft.</p>",
    points_html="<h2>Das Wichtigste</h2><p>Ersetzen Sie diese Punkte durch den Inhalt Ihres Kurses:</p>"
                "<ul><li>Eine Seite vermittelt einen Gedanken.</li><li>Kurze Absätze lesen sich leichter als lange.</li>"
                "<li>Ein Bild oder ein Beispiel hilft, sich eine Regel zu merken.</li></ul>",
    quiz_html="<h2>Testen Sie sich</h2><p>Was finden Sie auf der letzten Seite dieses Kurses? Wählen Sie eine Antwort.</p>",
    quiz_answers=["Eine Zusammenfassung des Wichtigsten", "Einen Abschlusstest", "Ein Literaturverzeichnis"],
    check="Antwort prüfen",
    summary_html="<h2>Zusammenfassung</h2><p>Herzlichen Glückwunsch, Sie haben den Kurs abgeschlossen.</p>"
                 "<p>Fassen Sie das Wichtigste in wenigen Sätzen zusammen und sagen Sie, wo es weiteres Material gibt.</p>",
    chapter="Kapitel %d", lesson="Lektion %d.%d", p_test="Abschlusstest", p_end="Abschluss",
    chapter_html="<h1>Kapitel %d</h1><p>Beschreiben Sie in zwei, drei Sätzen, worum es in diesem Kapitel geht und was die Teilnehmenden danach können.</p>",
    lesson_html="<h2>Lektion %d.%d</h2><p>Ersetzen Sie diesen Text durch den Inhalt der Lektion. Beginnen Sie mit einer kurzen Einleitung und stellen Sie dann zwei oder drei Gedanken vor.</p>"
                "<p>Schließen Sie die Lektion mit einem Beispiel oder einer Frage zum Nachdenken ab.</p>",
    test_html="<h2>Abschlusstest</h2><p>1. Was enthält dieser Kurs? Kreuzen Sie alle richtigen Antworten an.</p>",
    test_answers=[("Kapitel mit Lektionen", True), ("Einen Abschlusstest", True), ("Ein Lehrvideo", False), ("Ein Lexikon der Begriffe", True)],
    test_q2="<p>2. Wie viele Kapitel hat dieser Kurs? Geben Sie eine Zahl ein.</p>",
    test_q2_answer="2",
    test_q2_hint="Antwort eingeben",
    end_html="<h2>Abschluss</h2><p>Vielen Dank für Ihre Teilnahme am Kurs.</p><p>Die im Kurs verwendeten Begriffe finden Sie im Lexikon.</p>",
    lexicon={
        "E-Learning": "Lernen mit Computer und Internet, im eigenen Tempo.",
        "Lernplattform": "Ein System, das Kurse bereitstellt und Fortschritt und Ergebnisse der Teilnehmenden speichert.",
        "SCORM": "Ein Standard zum Verpacken von Kursen, damit ein Kurs auf vielen Lernplattformen läuft.",
    },
)

T["FR"] = dict(
    empty_caption="Cours vide",
    empty_title="Nouveau cours",
    empty_desc="Un cours avec une page vide. Double-cliquez dessus et choisissez un modèle de page",
    first_page="Page 1",
    short_caption="Cours court avec quiz",
    short_title="Cours court",
    short_desc="Page de titre, introduction, points essentiels, une question de contrôle et un résumé",
    chapters_caption="Cours en chapitres",
    chapters_title="Cours en chapitres",
    chapters_desc="Deux chapitres de deux leçons chacun, un test final, une page de conclusion et un lexique",
    p_title="Page de titre", p_intro="Introduction", p_points="Points essentiels",
    p_quiz="Testez-vous", p_summary="Résumé",
    title_html="<h1>Titre du cours</h1><p>En une phrase, dites ce que l'apprenant va apprendre dans ce cours.</p>",
    start="Commencer le cours",
    intro_html="<h2>Introduction</h2><p>Indiquez à qui s'adresse ce cours et combien de temps il dure.</p>"
               "<p>Expliquez pourquoi le sujet est important : donnez un exemple tiré du travail quotidien où ces connaissances sont utiles.</p>",
    points_html="<h2>Points essentiels</h2><p>Remplacez ces points par le contenu de votre cours :</p>"
                "<ul><li>Une page transmet une idée.</li><li>Les paragraphes courts se lisent plus facilement que les longs.</li>"
                "<li>Une image ou un exemple aide à retenir une règle.</li></ul>",
    quiz_html="<h2>Testez-vous</h2><p>Que trouverez-vous sur la dernière page de ce cours ? Choisissez une réponse.</p>",
    quiz_answers=["Un résumé des points essentiels", "Un test final", "Une bibliographie"],
    check="Vérifier la réponse",
    summary_html="<h2>Résumé</h2><p>Félicitations, vous avez terminé le cours.</p>"
                 "<p>Rappelez les points essentiels en quelques phrases et indiquez où trouver d'autres ressources.</p>",
    chapter="Chapitre %d", lesson="Leçon %d.%d", p_test="Test final", p_end="Conclusion",
    chapter_html="<h1>Chapitre %d</h1><p>Décrivez en deux ou trois phrases le sujet de ce chapitre et ce que l'apprenant saura faire ensuite.</p>",
    lesson_html="<h2>Leçon %d.%d</h2><p>Remplacez ce texte par le contenu de la leçon. Commencez par une courte introduction, puis présentez deux ou trois idées.</p>"
                "<p>Terminez la leçon par un exemple ou une question qui fait réfléchir l'apprenant.</p>",
    test_html="<h2>Test final</h2><p>1. Que contient ce cours ? Cochez toutes les bonnes réponses.</p>",
    test_answers=[("Des chapitres avec des leçons", True), ("Un test final", True), ("Une vidéo de formation", False), ("Un lexique des notions", True)],
    test_q2="<p>2. Combien de chapitres ce cours comporte-t-il ? Saisissez un nombre.</p>",
    test_q2_answer="2",
    test_q2_hint="Saisissez votre réponse",
    end_html="<h2>Conclusion</h2><p>Merci d'avoir suivi ce cours.</p><p>Les notions utilisées dans le cours sont expliquées dans le lexique.</p>",
    lexicon={
        "E-learning": "Apprentissage avec un ordinateur et Internet, à son propre rythme.",
        "LMS": "Plateforme de formation : elle diffuse les cours et enregistre la progression et les résultats des apprenants.",
        "SCORM": "Norme d'empaquetage des cours qui permet à un cours de fonctionner sur de nombreuses plateformes.",
    },
)
