FR = dict(
    help_title="Vellumar 4 – Guide de l'utilisateur",
    help_subtitle="Créez des cours en ligne page par page et publiez-les pour une plateforme de formation ou le navigateur.",
    faq_title="Questions fréquentes",
    faq_subtitle="Des réponses courtes aux questions que les auteurs posent le plus souvent.",
    keys="Touches", command="Commande", shortcuts_title="Vellumar 4 – raccourcis clavier",
    sections=[
        ("start", "Premiers pas", """
<p>Un cours est un arbre de pages. Sur le disque, c'est un fichier de cours (<code>nom.vlmproject</code>) accompagné d'un dossier du même nom qui contient les pages, les fichiers multimédias et le lexique. Copiez toujours le fichier et le dossier ensemble.</p>
<h3>Créer un cours</h3>
<ol><li>Choisissez <b>Fichier › Nouveau cours</b> (<kbd>Ctrl+N</kbd>).</li>
<li>Choisissez un modèle : <i>cours vide</i>, <i>cours court avec quiz</i> ou <i>cours en chapitres</i>, puis cliquez sur OK.</li>
<li>Indiquez où enregistrer le fichier du cours. Les propriétés du cours s'ouvrent : saisissez le titre, la version et une courte description.</li></ol>
<p>Vellumar enregistre l'arbre du cours et ses paramètres automatiquement après chaque modification ; <b>Fichier › Enregistrer le cours</b> (<kbd>Ctrl+S</kbd>) enregistre à la demande et <b>Enregistrer le cours sous</b> crée une copie sous un nouveau nom.</p>"""),
        ("tree", "L'arbre du cours", """
<p>Le panneau de gauche montre le cours. Le nœud du haut est le cours lui-même ; un double-clic ouvre ses propriétés. Les autres nœuds sont des pages ; une page qui contient d'autres pages sert de chapitre.</p>
<ul><li><b>Ajoutez</b> une sous-page au nœud sélectionné (sur le nœud du cours : une page de premier niveau) avec <kbd>Maj+Inser</kbd>, <b>renommez</b>-la avec <kbd>F2</kbd>, <b>supprimez</b>-la avec <kbd>Maj+Suppr</kbd>.</li>
<li><b>Déplacez</b> les pages avec <kbd>Maj</kbd> et les flèches : vers le haut et le bas dans leur chapitre, vers la gauche et la droite pour sortir d'un chapitre ou entrer dans la page du dessus.</li>
<li>Une nouvelle page n'a pas encore de contenu. Choisissez ce qu'elle contient : une <b>page Vellumar</b> que vous concevez, une <b>adresse Internet</b>, un <b>document externe</b>, ou <b>importez</b> une page d'un autre cours (avec ses fichiers multimédias).</li></ul>"""),
        ("designer", "Concevoir une page", """
<p>Une page Vellumar s'ouvre dans l'éditeur de pages. La palette au-dessus de la page propose les composants : texte, image, bouton, questions (choix, réponse saisie, curseur, listes), glisser-déposer, fenêtre contextuelle, formes, son, vidéo, minuteur et documents HTML.</p>
<ul><li>Cliquez sur un composant de la palette, puis à l'endroit de la page où il doit aller. Le bouton flèche revient à la sélection.</li>
<li>Faites glisser un élément pour le déplacer et ses bords pour le redimensionner ; <kbd>Maj</kbd> avec les flèches le déplace pixel par pixel. Avec <b>Affichage › Aligner sur la grille</b>, les éléments s'alignent sur la grille (<b>Affichage › Paramètres de la grille</b> règle son pas et sa couleur).</li>
<li>Les éléments se superposent dans l'ordre de leur création : <kbd>Ctrl+Page préc.</kbd> met l'élément sélectionné au premier plan, <kbd>Ctrl+Page suiv.</kbd> à l'arrière-plan.</li>
<li><kbd>Ctrl+X</kbd>, <kbd>Ctrl+C</kbd> et <kbd>Ctrl+V</kbd> coupent, copient et collent des éléments, aussi entre pages et entre cours. <kbd>Suppr</kbd> supprime l'élément sélectionné.</li>
<li><kbd>F5</kbd> montre la page telle que l'apprenant la verra.</li></ul>"""),
        ("properties", "Propriétés et actions", """
<p>Double-cliquez sur un élément, ou appuyez sur <kbd>Ctrl+Maj+W</kbd>, pour modifier ses propriétés dans la fenêtre du composant : le texte, l'image, les réponses et lesquelles sont justes. Certains composants ont aussi des <b>propriétés avancées</b> (<kbd>Ctrl+Maj+Z</kbd>). <kbd>Maj+Ctrl</kbd>+clic affiche un tableau de toutes les propriétés.</p>
<h3>Actions</h3>
<p>Les actions rendent une page interactive. Ouvrez <b>Edition › Actions</b> (<kbd>Ctrl+Maj+A</kbd>) et formez une phrase : <i>lorsque se produit</i> (par exemple un clic), <i>alors dans l'objet</i> (cet élément, un autre élément ou la page) <i>lancer l'action</i> (afficher, masquer, lire, vérifier les réponses, page suivante, aller à une page ...). Cliquez sur <b>Ajouter l'événement</b> ; une action qui a besoin d'un paramètre le demande. Plusieurs actions d'un même événement s'exécutent dans l'ordre de la liste.</p>
<h3>Propriétés de la page</h3>
<p>Les propriétés de la page (<kbd>Ctrl+Maj+Alt+I</kbd>) fixent son nom, sa hauteur et sa couleur de fond. Pour que les questions d'une page soient notées, faites-en un <b>exercice</b> : nombre d'essais, points pour réussir et affichage des messages de réponse. L'onglet <i>Pages d'informations complémentaires</i> relie la page à d'autres pages du cours ou à des adresses Internet.</p>"""),
        ("resources", "Ressources", """
<p>Les images, sons, vidéos, animations Flash et documents HTML d'un cours sont ses <b>ressources</b> ; ils se trouvent dans le dossier du cours. La fenêtre des ressources (<kbd>Ctrl+R</kbd>) les classe par type et en montre un aperçu. <b>Ajouter un nouveau fichier aux ressources</b> copie un fichier du disque dans le cours ; le nom est simplifié (sans espaces ni lettres accentuées) et un fichier du même nom n'est jamais remplacé sans vous demander un nouveau nom.</p>"""),
        ("lexicon", "Lexique", """
<p>Le lexique (<kbd>Ctrl+L</kbd>) est le glossaire du cours. Ajoutez un mot-clé, rédigez sa définition et cochez <b>Inclure le lexique dans les aperçus et les exports</b>. Les mots-clés présents sur les pages deviennent des liens qui ouvrent leur définition.</p>"""),
        ("templates", "Modèles", """
<p>Quand vous ouvrez une nouvelle page à concevoir, Vellumar propose des <b>modèles de page</b> répartis en onglets : mises en page de base (page de titre, texte avec image, deux colonnes, texte avec fenêtre, résumé), multimédia et exercices (choix unique et multiple, réponse saisie, glisser-déposer). Cochez <b>Aperçu</b> pour voir un modèle avant de le choisir.</p>
<p><b>Fichier › Enregistrer comme modèle de page</b> (<kbd>Ctrl+T</kbd>) conserve une page conçue comme nouveau modèle : pour le cours actuel seulement ou, avec un nom de groupe, pour tous vos cours.</p>"""),
        ("export", "Exporter", """
<p><b>Fichier › Exporter</b> publie le cours. Chaque export écrit des pages HTML finies avec leurs scripts et leurs fichiers multimédias :</p>
<table><tr><th>Cible</th><th>Usage</th></tr>
<tr><td>Paquet SCORM 1.2</td><td>un fichier zip pour une plateforme de formation (LMS) ; les résultats et la progression lui sont transmis.</td></tr>
<tr><td>Cours AICC</td><td>un dossier avec les fichiers de structure de cours AICC pour les plateformes qui importent l'AICC.</td></tr>
<tr><td>Cours consultable hors plateforme</td><td>un dossier avec un arbre de navigation qui s'ouvre dans tout navigateur, par exemple depuis un disque.</td></tr>
<tr><td>Paquet ou examen pour VLMServer</td><td>des paquets zip pour la plateforme VLMServer ; la variante examen ne contient pas les bonnes réponses dans les pages : c'est la plateforme qui note le test.</td></tr>
<tr><td>Scénario du cours (RTF)</td><td>un document avec une capture d'écran et les textes de chaque page, pour relecture et validation.</td></tr>
<tr><td>Fichiers multimédias</td><td>copie les sons et vidéos du cours dans un dossier.</td></tr></table>
<p class="note">Les assistants d'export mémorisent vos derniers choix. Le modèle de présentation choisi dans l'assistant définit la navigation autour des pages.</p>"""),
        ("keys", "Raccourcis clavier", "SHORTCUTS"),
    ],
    faq=[
        ("Où mon cours est-il enregistré ?", "<p>Dans le fichier de cours choisi et dans le dossier du même nom à côté. Copiez les deux pour déplacer ou sauvegarder un cours.</p>"),
        ("Dois-je enregistrer sans arrêt ?", "<p>Non. Les modifications de l'arbre et des paramètres du cours sont enregistrées aussitôt, et une page l'est quand vous la quittez ou en affichez l'aperçu. <kbd>Ctrl+S</kbd> enregistre à la demande.</p>"),
        ("Comment créer un test noté ?", "<p>Ouvrez les propriétés de la page, choisissez le type <i>Exercice</i> et fixez les points pour réussir. Marquez les bonnes réponses dans les propriétés de chaque question et ajoutez un bouton dont le clic lance l'action de page <i>Vérifier la réponse</i>. Des modèles prêts à l'emploi se trouvent dans l'onglet <i>Exercices</i>.</p>"),
        ("Pourquoi mon image n'apparaît-elle pas après l'export ?", "<p>Ajoutez les images par la fenêtre des ressources pour qu'elles soient copiées dans le dossier du cours. Les fichiers situés ailleurs sur le disque ne font pas partie du cours.</p>"),
        ("Quels formats vidéo puis-je utiliser ?", "<p>Le MP4 (H.264) est lu par tous les navigateurs actuels ; le WebM et l'Ogg sont acceptés aussi. Un second fichier dans un autre format peut servir de secours.</p>"),
        ("La plateforme n'enregistre pas les résultats. Que vérifier ?", "<p>Utilisez le paquet SCORM 1.2 pour les plateformes compatibles SCORM. Vérifiez que les pages de questions sont des exercices et que les réponses sont vérifiées par une action. Les réponses ne sont mémorisées que lorsque le cours tourne sur une plateforme.</p>"),
        ("Puis-je réutiliser une page dans un autre cours ?", "<p>Oui : copiez ses éléments avec <kbd>Ctrl+C</kbd> et collez-les dans une page de l'autre cours, importez la page depuis l'arbre du cours, ou enregistrez-la comme modèle de page pour tous les cours.</p>"),
        ("Comment changer la langue de l'interface ?", "<p>La langue se règle dans le fichier <code>configuration/config.ini</code> (clé <code>lang</code> : PL, EN, DE ou FR). Elle s'applique au prochain démarrage.</p>"),
    ],
)
