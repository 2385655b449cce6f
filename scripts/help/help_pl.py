PL = dict(
    help_title="Vellumar 4 – Podręcznik użytkownika",
    help_subtitle="Twórz kursy e-learningowe strona po stronie i publikuj je na platformie e-learningowej albo w przeglądarce.",
    faq_title="Często zadawane pytania",
    faq_subtitle="Krótkie odpowiedzi na pytania, które autorzy zadają najczęściej.",
    keys="Klawisze", command="Polecenie", shortcuts_title="Vellumar 4 – skróty klawiszowe",
    sections=[
        ("start", "Pierwsze kroki", """
<p>Kurs to drzewo stron. Na dysku jest to plik kursu (<code>nazwa.vlmproject</code>) i leżący obok folder o tej samej nazwie, w którym są strony, pliki multimedialne i leksykon. Kopiując kurs, zawsze przenoś plik razem z folderem.</p>
<h3>Nowy kurs</h3>
<ol><li>Wybierz <b>Plik › Nowy kurs</b> (<kbd>Ctrl+N</kbd>).</li>
<li>Wybierz szablon: <i>pusty kurs</i>, <i>krótki kurs z testem</i> albo <i>kurs z rozdziałami</i> i kliknij OK.</li>
<li>Wskaż, gdzie zapisać plik kursu. Otworzą się właściwości kursu: wpisz tytuł, wersję i krótki opis.</li></ol>
<p>Vellumar zapisuje drzewo kursu i jego ustawienia automatycznie po każdej zmianie; <b>Plik › Zapisz kurs</b> (<kbd>Ctrl+S</kbd>) zapisuje na żądanie, a <b>Zapisz kurs jako</b> tworzy kopię pod nową nazwą.</p>"""),
        ("tree", "Drzewo kursu", """
<p>Panel po lewej stronie pokazuje kurs. Najwyższy węzeł to sam kurs; kliknij go dwukrotnie, aby zmienić właściwości kursu. Pozostałe węzły to strony; strona, pod którą są inne strony, pełni rolę rozdziału.</p>
<ul><li><b>Dodaj</b> stronę podrzędną do zaznaczonej pozycji (na węźle kursu: stronę najwyższego poziomu) klawiszami <kbd>Shift+Ins</kbd>, <b>zmień nazwę</b> klawiszem <kbd>F2</kbd>, <b>usuń</b> klawiszami <kbd>Shift+Del</kbd>.</li>
<li><b>Przesuwaj</b> strony klawiszem <kbd>Shift</kbd> ze strzałkami: w górę i w dół w obrębie rozdziału, w lewo i w prawo, aby wyjąć stronę z rozdziału albo włożyć ją do strony powyżej.</li>
<li>Nowa strona nie ma jeszcze zawartości. Wybierz, co ma zawierać: <b>stronę Vellumar</b>, którą zaprojektujesz, <b>adres internetowy</b>, <b>zewnętrzny dokument</b> albo <b>zaimportuj</b> stronę z innego kursu (razem z jej plikami multimedialnymi).</li></ul>"""),
        ("designer", "Projektowanie strony", """
<p>Strona Vellumar otwiera się w edytorze stron. Paleta nad stroną zawiera komponenty: tekst, obrazek, przycisk, pytania (wyboru, z wpisywaną odpowiedzią, suwak, listy), przeciąganie i upuszczanie, okienko, kształty, dźwięk, film, zegar i dokumenty HTML.</p>
<ul><li>Kliknij komponent w palecie, a potem miejsce na stronie, w którym ma się znaleźć. Przycisk ze strzałką przywraca zaznaczanie.</li>
<li>Przeciągnij element, aby go przesunąć, a jego krawędzie, aby zmienić rozmiar; <kbd>Shift</kbd> ze strzałkami przesuwa go o jeden piksel. Gdy włączone jest <b>Widok › Przyciągaj do siatki</b>, elementy wyrównują się do siatki (<b>Widok › Właściwości siatki</b> ustala jej odstępy i kolor).</li>
<li>Elementy leżą jeden na drugim w kolejności wstawiania: <kbd>Ctrl+PgUp</kbd> przesuwa zaznaczony na wierzch, <kbd>Ctrl+PgDn</kbd> na spód.</li>
<li><kbd>Ctrl+X</kbd>, <kbd>Ctrl+C</kbd> i <kbd>Ctrl+V</kbd> wycinają, kopiują i wklejają elementy, także między stronami i kursami. <kbd>Del</kbd> usuwa zaznaczony element.</li>
<li><kbd>F5</kbd> pokazuje stronę tak, jak zobaczy ją uczestnik.</li></ul>"""),
        ("properties", "Właściwości i akcje", """
<p>Kliknij element dwukrotnie albo naciśnij <kbd>Ctrl+Shift+W</kbd>, aby zmienić jego właściwości w oknie komponentu: tekst, obrazek, odpowiedzi i to, które z nich są poprawne. Niektóre komponenty mają też <b>właściwości zaawansowane</b> (<kbd>Ctrl+Shift+Z</kbd>). <kbd>Shift+Ctrl</kbd>+kliknięcie pokazuje tabelę wszystkich właściwości.</p>
<h3>Akcje</h3>
<p>Akcje ożywiają stronę. Otwórz <b>Edycja › Ustawienia akcji</b> (<kbd>Ctrl+Shift+A</kbd>) i ułóż zdanie: <i>kiedy będzie</i> (na przykład kliknięcie), <i>to w obiekcie</i> (ten element, inny element albo strona) <i>wywołaj akcję</i> (pokaż, ukryj, odtwórz, sprawdź odpowiedzi, następna strona, skocz do strony ...). Kliknij <b>Dodaj zdarzenie</b>; akcja, która potrzebuje parametru, zapyta o niego. Kilka akcji jednego zdarzenia wykonuje się w kolejności z listy.</p>
<h3>Właściwości strony</h3>
<p>Właściwości strony (<kbd>Ctrl+Shift+Alt+I</kbd>) ustalają jej nazwę, wysokość i kolor tła. Aby pytania na stronie były oceniane, ustaw typ strony <b>ćwiczenie</b>: liczbę prób, punkty potrzebne do zaliczenia i to, czy mają się pokazywać komunikaty o odpowiedziach. Na karcie <i>Strony z dodatkowymi informacjami</i> możesz połączyć stronę z innymi stronami kursu albo z adresami internetowymi.</p>"""),
        ("resources", "Zasoby", """
<p>Obrazki, dźwięki, filmy, animacje Flash i dokumenty HTML kursu to jego <b>zasoby</b>; leżą w folderze kursu. Okno zasobów (<kbd>Ctrl+R</kbd>) pokazuje je według rodzaju i wyświetla ich podgląd. <b>Wstaw nowy plik do zasobów</b> kopiuje plik z dysku do kursu; nazwa jest upraszczana (bez spacji i polskich liter), a plik o tej samej nazwie nigdy nie zostanie nadpisany bez pytania o nową nazwę.</p>"""),
        ("lexicon", "Leksykon", """
<p>Leksykon (<kbd>Ctrl+L</kbd>) to słowniczek pojęć kursu. Dodaj hasło, wpisz jego definicję i zaznacz <b>Dołącz leksykon do podglądu i eksportu</b>. Wystąpienia haseł na stronach stają się odnośnikami, które otwierają definicję.</p>"""),
        ("templates", "Szablony", """
<p>Gdy otwierasz nową stronę do projektowania, Vellumar proponuje <b>strony wzorcowe</b> pogrupowane na kartach: układy podstawowe (strona tytułowa, tekst z obrazkiem, dwie kolumny, tekst z okienkiem, podsumowanie), multimedia i ćwiczenia (jednokrotny i wielokrotny wybór, wpisywana odpowiedź, przeciąganie i upuszczanie). Zaznacz <b>Podgląd</b>, aby obejrzeć wzór przed wyborem.</p>
<p><b>Plik › Zapisz jako stronę wzorcową</b> (<kbd>Ctrl+T</kbd>) zachowuje zaprojektowaną stronę jako nowy wzór: tylko dla bieżącego kursu albo, po podaniu grupy, dla wszystkich Twoich kursów.</p>"""),
        ("export", "Eksport", """
<p><b>Plik › Eksport</b> publikuje kurs. Każdy eksport zapisuje gotowe strony HTML ze skryptami i plikami multimedialnymi:</p>
<table><tr><th>Format</th><th>Do czego służy</th></tr>
<tr><td>Pakiet SCORM 1.2</td><td>plik zip dla platformy e-learningowej (LMS); wyniki i postępy trafiają na platformę.</td></tr>
<tr><td>Kurs AICC</td><td>folder z plikami opisu struktury kursu AICC dla platform, które importują AICC.</td></tr>
<tr><td>Kurs do przeglądania bez platformy</td><td>folder z drzewem nawigacji, który otwiera się w każdej przeglądarce, na przykład z płyty.</td></tr>
<tr><td>Pakiet lub egzamin dla VLMServer</td><td>pakiety zip dla platformy VLMServer; wariant egzaminacyjny nie zawiera poprawnych odpowiedzi na stronach, test ocenia platforma.</td></tr>
<tr><td>Scenariusz kursu (RTF)</td><td>dokument ze zrzutem ekranu i tekstami każdej strony, do przeglądu i akceptacji.</td></tr>
<tr><td>Zasoby multimedialne</td><td>kopiuje pliki dźwiękowe i filmy kursu do folderu.</td></tr></table>
<p class="note">Kreatory eksportu pamiętają ostatnie ustawienia. Szablon wyglądu wybrany w kreatorze określa nawigację wokół stron.</p>"""),
        ("keys", "Skróty klawiszowe", "SHORTCUTS"),
    ],
    faq=[
        ("Gdzie jest zapisany mój kurs?", "<p>W wybranym pliku kursu i w folderze o tej samej nazwie obok niego. Przenosząc kurs albo robiąc kopię zapasową, kopiuj jedno i drugie.</p>"),
        ("Czy muszę ciągle zapisywać?", "<p>Nie. Zmiany drzewa kursu i jego ustawień są zapisywane od razu, a strona jest zapisywana, gdy ją opuszczasz albo oglądasz jej podgląd. <kbd>Ctrl+S</kbd> zapisuje na żądanie.</p>"),
        ("Jak zrobić test, który jest oceniany?", "<p>Otwórz właściwości strony, wybierz typ <i>ćwiczenie</i> i ustaw punkty potrzebne do zaliczenia. We właściwościach każdego pytania zaznacz poprawne odpowiedzi i dodaj przycisk, którego kliknięcie wywołuje akcję strony <i>Sprawdź odpowiedź</i>. Gotowe wzory są na karcie <i>Ćwiczenia</i>.</p>"),
        ("Dlaczego po eksporcie nie widać obrazka?", "<p>Dodawaj obrazki przez okno zasobów, aby zostały skopiowane do folderu kursu. Pliki wskazane w innym miejscu dysku nie są częścią kursu.</p>"),
        ("Jakich formatów filmów mogę używać?", "<p>MP4 (H.264) odtwarza każda współczesna przeglądarka; można też użyć WebM i Ogg. Jako zapasowy możesz wskazać drugi plik w innym formacie.</p>"),
        ("Platforma nie zapisuje wyników. Co sprawdzić?", "<p>Dla platform obsługujących SCORM użyj pakietu SCORM 1.2. Upewnij się, że strony z pytaniami są ćwiczeniami, a odpowiedzi sprawdza akcja. Odpowiedzi są pamiętane tylko wtedy, gdy kurs działa na platformie.</p>"),
        ("Czy mogę użyć strony w innym kursie?", "<p>Tak: skopiuj jej elementy klawiszami <kbd>Ctrl+C</kbd> i wklej na stronę innego kursu, zaimportuj stronę w drzewie kursu albo zapisz ją jako stronę wzorcową dla wszystkich kursów.</p>"),
        ("Jak zmienić język programu?", "<p>Język ustawia się w pliku <code>configuration/config.ini</code> (klucz <code>lang</code>: PL, EN, DE albo FR). Zmiana działa od następnego uruchomienia.</p>"),
    ],
)
