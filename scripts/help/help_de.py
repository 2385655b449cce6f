DE = dict(
    help_title="Vellumar 4 – Benutzerhandbuch",
    help_subtitle="Erstellen Sie E-Learning-Kurse Seite für Seite und veröffentlichen Sie sie für eine Lernplattform oder den Webbrowser.",
    faq_title="Häufige Fragen",
    faq_subtitle="Kurze Antworten auf die Fragen, die Autorinnen und Autoren am häufigsten stellen.",
    keys="Tasten", command="Befehl", shortcuts_title="Vellumar 4 – Tastenkürzel",
    sections=[
        ("start", "Erste Schritte", """
<p>Ein Kurs ist ein Baum aus Seiten. Auf dem Datenträger besteht er aus einer Kursdatei (<code>name.vlmproject</code>) und einem gleichnamigen Ordner daneben, der die Seiten, die Mediendateien und das Lexikon enthält. Kopieren Sie Datei und Ordner immer gemeinsam.</p>
<h3>Einen Kurs anlegen</h3>
<ol><li>Wählen Sie <b>Datei › Neuer Kurs</b> (<kbd>Strg+N</kbd>).</li>
<li>Wählen Sie eine Vorlage: <i>leerer Kurs</i>, <i>kurzer Kurs mit Test</i> oder <i>Kurs mit Kapiteln</i>, und klicken Sie auf OK.</li>
<li>Wählen Sie, wo die Kursdatei gespeichert wird. Die Kurseigenschaften öffnen sich: Geben Sie Titel, Version und eine kurze Beschreibung ein.</li></ol>
<p>Vellumar speichert den Kursbaum und die Einstellungen nach jeder Änderung automatisch; <b>Datei › Kurs speichern</b> (<kbd>Strg+S</kbd>) speichert auf Wunsch, <b>Kurs speichern unter</b> legt eine Kopie unter neuem Namen an.</p>"""),
        ("tree", "Der Kursbaum", """
<p>Der Bereich links zeigt den Kurs. Der oberste Knoten ist der Kurs selbst; ein Doppelklick öffnet die Kurseigenschaften. Alle anderen Knoten sind Seiten; eine Seite mit Unterseiten dient als Kapitel.</p>
<ul><li>Mit <kbd>Umschalt+Einfg</kbd> fügen Sie dem markierten Knoten eine Unterseite <b>hinzu</b> (am Kursknoten eine Seite der obersten Ebene), mit <kbd>F2</kbd> <b>benennen</b> Sie sie <b>um</b>, mit <kbd>Umschalt+Entf</kbd> <b>löschen</b> Sie sie.</li>
<li><b>Verschieben</b> Sie Seiten mit <kbd>Umschalt</kbd> und den Pfeiltasten: nach oben und unten innerhalb des Kapitels, nach links und rechts aus einem Kapitel heraus oder in die Seite darüber hinein.</li>
<li>Eine neue Seite hat noch keinen Inhalt. Wählen Sie, was sie enthält: eine <b>Vellumar-Seite</b>, die Sie gestalten, eine <b>Internetadresse</b>, ein <b>externes Dokument</b>, oder <b>importieren</b> Sie eine Seite aus einem anderen Kurs (mit ihren Mediendateien).</li></ul>"""),
        ("designer", "Eine Seite gestalten", """
<p>Eine Vellumar-Seite öffnet sich im Seiteneditor. Die Palette über der Seite enthält die Komponenten: Text, Bild, Schaltfläche, Fragen (Auswahl, Texteingabe, Schieberegler, Listen), Ziehen und Ablegen, Einblendfenster, Formen, Klang, Video, Zeitgeber und HTML-Dokumente.</p>
<ul><li>Klicken Sie auf eine Komponente in der Palette und dann auf die Stelle der Seite, an die sie soll. Die Pfeilschaltfläche schaltet zurück zum Auswählen.</li>
<li>Ziehen Sie ein Element, um es zu verschieben, und seine Ränder, um die Größe zu ändern; <kbd>Umschalt</kbd> mit den Pfeiltasten verschiebt es pixelweise. Mit <b>Ansicht › Am Raster ausrichten</b> richten sich Elemente am Raster aus (<b>Ansicht › Rastereinstellungen</b> legt Abstand und Farbe fest).</li>
<li>Elemente liegen in der Reihenfolge übereinander, in der sie eingefügt wurden: <kbd>Strg+Bild auf</kbd> holt das markierte nach vorn, <kbd>Strg+Bild ab</kbd> legt es nach hinten.</li>
<li><kbd>Strg+X</kbd>, <kbd>Strg+C</kbd> und <kbd>Strg+V</kbd> schneiden Elemente aus, kopieren und fügen sie ein, auch zwischen Seiten und Kursen. <kbd>Entf</kbd> löscht das markierte Element.</li>
<li><kbd>F5</kbd> zeigt die Seite so, wie die Teilnehmenden sie sehen.</li></ul>"""),
        ("properties", "Eigenschaften und Aktionen", """
<p>Doppelklicken Sie auf ein Element oder drücken Sie <kbd>Strg+Umschalt+W</kbd>, um seine Eigenschaften im Fenster der Komponente zu bearbeiten: Text, Bild, Antworten und welche davon richtig sind. Manche Komponenten haben auch <b>erweiterte Eigenschaften</b> (<kbd>Strg+Umschalt+Z</kbd>). <kbd>Umschalt+Strg</kbd>+Klick zeigt eine Tabelle aller Eigenschaften.</p>
<h3>Aktionen</h3>
<p>Aktionen machen eine Seite interaktiv. Öffnen Sie <b>Bearbeiten › Aktionen</b> (<kbd>Strg+Umschalt+A</kbd>) und bilden Sie einen Satz: <i>wenn Folgendes geschieht</i> (zum Beispiel ein Klick), <i>dann im Objekt</i> (dieses Element, ein anderes Element oder die Seite) <i>die Aktion ausführen</i> (zeigen, verbergen, abspielen, Antworten prüfen, nächste Seite, zu einer Seite springen ...). Klicken Sie auf <b>Ereignis hinzufügen</b>; braucht eine Aktion einen Parameter, wird er abgefragt. Mehrere Aktionen eines Ereignisses laufen in der angezeigten Reihenfolge ab.</p>
<h3>Seiteneigenschaften</h3>
<p>Die Seiteneigenschaften (<kbd>Strg+Umschalt+Alt+I</kbd>) legen Name, Höhe und Hintergrundfarbe fest. Damit die Fragen einer Seite bewertet werden, machen Sie sie zur <b>Übung</b>: Legen Sie die Anzahl der Versuche, die Punkte zum Bestehen und die Anzeige von Antwortmeldungen fest. Auf der Registerkarte <i>Seiten mit weiteren Informationen</i> verknüpfen Sie die Seite mit anderen Kursseiten oder Internetadressen.</p>"""),
        ("resources", "Ressourcen", """
<p>Bilder, Klänge, Videos, Flash-Animationen und HTML-Dokumente eines Kurses sind seine <b>Ressourcen</b>; sie liegen im Kursordner. Das Ressourcenfenster (<kbd>Strg+R</kbd>) zeigt sie nach Art geordnet mit Vorschau. <b>Neue Datei zu den Ressourcen hinzufügen</b> kopiert eine Datei vom Datenträger in den Kurs; der Name wird vereinfacht (ohne Leerzeichen und Sonderbuchstaben), und eine gleichnamige Datei wird nie überschrieben, ohne nach einem neuen Namen zu fragen.</p>"""),
        ("lexicon", "Lexikon", """
<p>Das Lexikon (<kbd>Strg+L</kbd>) ist das Glossar des Kurses. Fügen Sie ein Stichwort hinzu, schreiben Sie die Definition und kreuzen Sie <b>Lexikon in Vorschau und Export aufnehmen</b> an. Stichwörter auf den Seiten werden zu Verweisen, die die Definition öffnen.</p>"""),
        ("templates", "Vorlagen", """
<p>Wenn Sie eine neue Seite zum Gestalten öffnen, bietet Vellumar <b>Seitenvorlagen</b> auf Registerkarten an: Standardlayouts (Titelseite, Text mit Bild, zwei Spalten, Text mit Einblendfenster, Zusammenfassung), Multimedia und Übungen (Einfach- und Mehrfachauswahl, Texteingabe, Ziehen und Ablegen). Mit <b>Vorschau</b> sehen Sie eine Vorlage vor der Auswahl.</p>
<p><b>Datei › Als Seitenvorlage speichern</b> (<kbd>Strg+T</kbd>) bewahrt eine gestaltete Seite als neue Vorlage auf: nur für den aktuellen Kurs oder, mit einem Gruppennamen, für alle Ihre Kurse.</p>"""),
        ("export", "Exportieren", """
<p><b>Datei › Export</b> veröffentlicht den Kurs. Jeder Export schreibt fertige HTML-Seiten mit Skripten und Mediendateien:</p>
<table><tr><th>Ziel</th><th>Wofür</th></tr>
<tr><td>SCORM-1.2-Paket</td><td>eine Zip-Datei für eine Lernplattform (LMS); Ergebnisse und Fortschritt werden an die Plattform gemeldet.</td></tr>
<tr><td>AICC-Kurs</td><td>ein Ordner mit den AICC-Kursstrukturdateien für Plattformen, die AICC importieren.</td></tr>
<tr><td>Kurs zum Ansehen ohne Lernplattform</td><td>ein Ordner mit Navigationsbaum, der sich in jedem Browser öffnet, etwa von einer CD.</td></tr>
<tr><td>Paket oder Prüfung für VLMServer</td><td>Zip-Pakete für die Plattform VLMServer; die Prüfungsvariante enthält die richtigen Antworten nicht in den Seiten, die Plattform bewertet den Test.</td></tr>
<tr><td>Kursdrehbuch (RTF)</td><td>ein Dokument mit Bildschirmfoto und Texten jeder Seite zur Durchsicht und Freigabe.</td></tr>
<tr><td>Mediendateien</td><td>kopiert die Klang- und Videodateien des Kurses in einen Ordner.</td></tr></table>
<p class="note">Die Export-Assistenten merken sich Ihre letzten Einstellungen. Die im Assistenten gewählte Designvorlage bestimmt die Navigation rund um die Seiten.</p>"""),
        ("keys", "Tastenkürzel", "SHORTCUTS"),
    ],
    faq=[
        ("Wo wird mein Kurs gespeichert?", "<p>In der gewählten Kursdatei und im gleichnamigen Ordner daneben. Kopieren Sie beide, wenn Sie einen Kurs verschieben oder sichern.</p>"),
        ("Muss ich ständig speichern?", "<p>Nein. Änderungen am Kursbaum und an den Einstellungen werden sofort gespeichert, eine Seite beim Verlassen oder bei der Vorschau. <kbd>Strg+S</kbd> speichert auf Wunsch.</p>"),
        ("Wie erstelle ich einen bewerteten Test?", "<p>Öffnen Sie die Seiteneigenschaften, wählen Sie den Typ <i>Übung</i> und legen Sie die Punkte zum Bestehen fest. Markieren Sie in den Eigenschaften jeder Frage die richtigen Antworten und fügen Sie eine Schaltfläche hinzu, deren Klick die Seitenaktion <i>Antwort prüfen</i> ausführt. Fertige Vorlagen finden Sie auf der Registerkarte <i>Übungen</i>.</p>"),
        ("Warum fehlt mein Bild nach dem Export?", "<p>Fügen Sie Bilder über das Ressourcenfenster hinzu, damit sie in den Kursordner kopiert werden. Dateien, auf die woanders auf dem Datenträger verwiesen wird, gehören nicht zum Kurs.</p>"),
        ("Welche Videoformate kann ich verwenden?", "<p>MP4 (H.264) spielt jeder aktuelle Browser ab; WebM und Ogg werden ebenfalls angenommen. Eine zweite Datei in einem anderen Format kann als Ersatz dienen.</p>"),
        ("Die Lernplattform speichert keine Ergebnisse. Was kann ich prüfen?", "<p>Verwenden Sie für SCORM-fähige Plattformen das SCORM-1.2-Paket. Achten Sie darauf, dass Seiten mit Fragen Übungen sind und die Antworten durch eine Aktion geprüft werden. Antworten werden nur gespeichert, wenn der Kurs auf einer Plattform läuft.</p>"),
        ("Kann ich eine Seite in einem anderen Kurs verwenden?", "<p>Ja: Kopieren Sie ihre Elemente mit <kbd>Strg+C</kbd> und fügen Sie sie in eine Seite des anderen Kurses ein, importieren Sie die Seite im Kursbaum, oder speichern Sie sie als Seitenvorlage für alle Kurse.</p>"),
        ("Wie ändere ich die Sprache der Oberfläche?", "<p>Die Sprache steht in der Datei <code>configuration/config.ini</code> (Schlüssel <code>lang</code>: PL, EN, DE oder FR). Sie gilt ab dem nächsten Start.</p>"),
    ],
)
