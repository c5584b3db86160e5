<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Experiment</name>
    <message>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 ou %3</translation>
    </message>
    <message>
        <source>%1 takes whole numbers from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 prend des nombres entiers de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>the shard K/N needs whole numbers with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>la part K/N demande des nombres entiers avec 1 &lt;= K &lt;= N, pas « %1 »</translation>
    </message>
    <message>
        <source>%1: no values given</source>
        <translation>%1 : aucune valeur donnée</translation>
    </message>
    <message>
        <source>%1: an empty value in &apos;%2&apos;</source>
        <translation>%1 : une valeur vide dans « %2 »</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, which is already in the list</source>
        <translation>%1 : %2 est gardé comme %3, qui est déjà dans la liste</translation>
    </message>
    <message>
        <source>%1: %2 is already in the list</source>
        <translation>%1 : %2 est déjà dans la liste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=V1,V2,... with NAME %2</source>
        <translation>« %1 » n&apos;est pas de la forme NOM=V1,V2,... avec NOM %2</translation>
    </message>
    <message>
        <source>unknown parameter &apos;%1&apos;: it is %2</source>
        <translation>paramètre inconnu « %1 » : c&apos;est %2</translation>
    </message>
    <message>
        <source>at most %1 parameters can vary, not %2</source>
        <translation>au plus %1 paramètres peuvent varier, pas %2</translation>
    </message>
    <message>
        <source>a varied parameter</source>
        <translation>un paramètre varié</translation>
    </message>
    <message>
        <source>%1 varies twice</source>
        <translation>%1 varie deux fois</translation>
    </message>
    <message>
        <source>the number of seeds must be at least 1, not %1</source>
        <translation>le nombre de graines doit être au moins 1, pas %1</translation>
    </message>
    <message>
        <source>%1 seeds from %2 go beyond the last seed, %3</source>
        <translation>%1 graines à partir de %2 dépassent la dernière graine, %3</translation>
    </message>
    <message>
        <source>the number of generations cannot be negative, not %1</source>
        <translation>le nombre de générations ne peut pas être négatif, pas %1</translation>
    </message>
</context>
<context>
    <name>ExperimentChart</name>
    <message>
        <source>No results yet.</source>
        <translation>Pas encore de résultats.</translation>
    </message>
    <message>
        <source>Start an experiment to see its results here.</source>
        <translation>Lancez une expérience pour voir ici ses résultats.</translation>
    </message>
</context>
<context>
    <name>ExperimentForm</name>
    <message>
        <source>Experiment</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Parameter to vary</source>
        <translation>Paramètre à faire varier</translation>
    </message>
    <message>
        <source>Second parameter to vary</source>
        <translation>Second paramètre à faire varier</translation>
    </message>
    <message>
        <source>Values of the parameter to vary</source>
        <translation>Valeurs du paramètre à faire varier</translation>
    </message>
    <message>
        <source>Values of the second parameter</source>
        <translation>Valeurs du second paramètre</translation>
    </message>
    <message>
        <source>values, e.g. 0,1,10</source>
        <translation>valeurs, p. ex. 0,1,10</translation>
    </message>
    <message>
        <source>First seed</source>
        <translation>Première graine</translation>
    </message>
    <message>
        <source>Number of seeds</source>
        <translation>Nombre de graines</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Générations par essai</translation>
    </message>
    <message>
        <source>Target fitness</source>
        <translation>Fitness visée</translation>
    </message>
    <message>
        <source>A run hits when its best member&apos;s fitness reaches this value.</source>
        <translation>Un essai atteint le but quand la fitness de son meilleur membre atteint cette valeur.</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Le plus haut</translation>
    </message>
    <message>
        <source>The landscape&apos;s highest value</source>
        <translation>La plus haute valeur du paysage</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Landscape:</source>
        <translation>Paysage :</translation>
    </message>
    <message>
        <source>&amp;Vary:</source>
        <translation>&amp;Varier :</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Et :</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>Autres :</translation>
    </message>
    <message>
        <source>&amp;Seeds from:</source>
        <translation>&amp;Graines dès :</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Générations :</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;But :</translation>
    </message>
    <message>
        <source>%1 (highest value %2)</source>
        <translation>%1 (valeur la plus haute %2)</translation>
    </message>
    <message>
        <source>%L1 runs are more than the %L2 this window holds; the command line takes any number</source>
        <translation>%L1 essais, c&apos;est plus que les %L2 que cette fenêtre contient ; la ligne de commande en accepte autant qu&apos;on veut</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation>
            <numerusform>%1 sur %2 génération, but %L3</numerusform>
            <numerusform>%1 sur %2 générations, but %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1, as in the main window</source>
        <translation>%1, comme dans la fenêtre principale</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>The parameter whose values the runs take in turn</source>
        <translation>Le paramètre dont les essais prennent tour à tour les valeurs</translation>
    </message>
    <message>
        <source>A second parameter, for a heat map of every pair of values</source>
        <translation>Un second paramètre, pour une carte de chaleur de chaque paire de valeurs</translation>
    </message>
    <message>
        <source>What the experiment will run, or why it cannot</source>
        <translation>Ce que l&apos;expérience va exécuter, ou pourquoi elle ne le peut pas</translation>
    </message>
    <message>
        <source>The seed of each value&apos;s first run; the next runs take the seeds after it</source>
        <translation>La graine du premier essai de chaque valeur ; les essais suivants prennent les graines d&apos;après</translation>
    </message>
    <message>
        <source>How many runs, each with its own seed, every value or pair of values gets</source>
        <translation>Combien d&apos;essais, chacun avec sa propre graine, reçoit chaque valeur ou paire de valeurs</translation>
    </message>
    <message>
        <source>How many generations every run computes</source>
        <translation>Combien de générations calcule chaque essai</translation>
    </message>
</context>
<context>
    <name>ExperimentResultsView</name>
    <message>
        <source>Runs</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Double-click a run, or press Enter, to watch it in the main window.</source>
        <translation>Double-cliquez sur un essai, ou appuyez sur Entrée, pour le suivre dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>No results yet: plan an experiment and press Start.</source>
        <translation>Pas encore de résultats : préparez une expérience et appuyez sur Lancer.</translation>
    </message>
    <message>
        <source>%1 · %2 varied · %3 · seeds %4 to %5 · %L6 generations · target %7</source>
        <translation>%1 · variés : %2 · %3 · graines %4 à %5 · %L6 générations · but %7</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>nothing fixed</source>
        <translation>rien de fixé</translation>
    </message>
    <message>
        <source>Double-click a run in the table or a cell of the heat map, or press Enter on it, to watch that run in the main window.</source>
        <translation>Double-cliquez sur un essai du tableau ou une case de la carte de chaleur, ou appuyez sur Entrée dessus, pour suivre cet essai dans la fenêtre principale.</translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message numerus="yes">
        <source>%L1 run(s)</source>
        <translation>
            <numerusform>%L1 essai</numerusform>
            <numerusform>%L1 essais</numerusform>
        </translation>
    </message>
    <message>
        <source>vezo-vizoziv Experiment</source>
        <translation>vezo-vizoziv Expérience</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save a row per run, as the command line writes them</source>
        <translation>Enregistrer une ligne par essai, comme les écrit la ligne de commande</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Save the charts as a PNG image</source>
        <translation>Enregistrer les graphiques en image PNG</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close this window; an experiment under way stops</source>
        <translation>Fermer cette fenêtre ; une expérience en cours s&apos;arrête</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Run the experiment planned</source>
        <translation>Lancer l&apos;expérience prévue</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Stop the experiment under way; the results shown stay</source>
        <translation>Arrêter l&apos;expérience en cours ; les résultats affichés restent</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Larger charts and text</source>
        <translation>Graphiques et texte plus grands</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Smaller charts and text</source>
        <translation>Graphiques et texte plus petits</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Charts and text at 100 %</source>
        <translation>Graphiques et texte à 100 %</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>The window over the whole screen, or back</source>
        <translation>La fenêtre sur tout l&apos;écran, ou l&apos;inverse</translation>
    </message>
    <message>
        <source>&amp;About this window</source>
        <translation>À &amp;propos de cette fenêtre</translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation>Ce que fait cette fenêtre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécution</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En cours...</translation>
    </message>
    <message>
        <source>Cancelled; the results shown are those of the last experiment.</source>
        <translation>Annulé ; les résultats affichés sont ceux de la dernière expérience.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>%1 on %2 in %L3 s</source>
        <translation>%1 sur %2 en %L3 s</translation>
    </message>
    <message>
        <source>Watching seed %1 in the main window</source>
        <translation>Graine %1 suivie dans la fenêtre principale</translation>
    </message>
    <message>
        <source>there are no results yet</source>
        <translation>il n&apos;y a pas encore de résultats</translation>
    </message>
    <message>
        <source>Charts at %1 %</source>
        <translation>Graphiques à %1 %</translation>
    </message>
    <message>
        <source>About this window</source>
        <translation>À propos de cette fenêtre</translation>
    </message>
    <message>
        <source>&lt;p&gt;An experiment runs the algorithm many times at once, on every core: one or two parameters are varied over the values listed, every combination with each of the seeds, the other parameters as in the main window.&lt;/p&gt;&lt;p&gt;The charts show how often the runs reached the target fitness, with a 95 % interval, and by which generation; with two parameters varied, a heat map shows the hit rate of each combination. The table lists every run: double-click one, or a cell of the heat map, to watch it in the main window.&lt;/p&gt;&lt;p&gt;The results can be saved as CSV, a row per run, or as a picture of the charts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Une expérience exécute l&apos;algorithme de nombreuses fois à la fois, sur chaque cœur : un ou deux paramètres varient sur les valeurs données, chaque combinaison avec chacune des graines, les autres paramètres comme dans la fenêtre principale.&lt;/p&gt;&lt;p&gt;Les graphiques montrent combien de fois les essais ont atteint la fitness visée, avec un intervalle à 95 %, et à quelle génération ; avec deux paramètres variés, une carte de chaleur montre le taux de réussite de chaque combinaison. Le tableau liste chaque essai : double-cliquez sur l&apos;un d&apos;eux, ou sur une case de la carte de chaleur, pour le suivre dans la fenêtre principale.&lt;/p&gt;&lt;p&gt;Les résultats peuvent être enregistrés en CSV, une ligne par essai, ou comme image des graphiques.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Export de %1 vers %2</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Image enregistrée dans %1</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>the picture could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Rien n&apos;a été écrit : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: %2</source>
        <translation>« %1 » n&apos;a pas été ouvert : %2</translation>
    </message>
</context>
<context>
    <name>GenerationView</name>
    <message>
        <source>Clear check</source>
        <translation>Effacer le contrôle</translation>
    </message>
    <message>
        <source>Clear the selection check</source>
        <translation>Effacer le contrôle de la sélection</translation>
    </message>
    <message>
        <source>Start counting the selection check again</source>
        <translation>Recommencer à compter le contrôle de la sélection</translation>
    </message>
    <message>
        <source>Starts counting the selection check again</source>
        <translation>Recommence à compter le contrôle de la sélection</translation>
    </message>
    <message>
        <source>&lt;b&gt;Selection check&lt;/b&gt;</source>
        <translation>&lt;b&gt;Contrôle de la sélection&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message>
        <source>Hit rate heat map</source>
        <translation>Carte de chaleur du taux de réussite</translation>
    </message>
    <message>
        <source>%L1 %
%L2 of %L3</source>
        <translation>%L1 %
%L2 sur %L3</translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation>%L1 %</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation>
            <numerusform>%1 : %L2 essai sur %L3 atteint le but</numerusform>
            <numerusform>%1 : %L2 essais sur %L3 atteignent le but</numerusform>
        </translation>
    </message>
    <message>
        <source>Double-click a cell, or choose it with the arrow keys and press Enter, to watch its first run in the main window.</source>
        <translation>Double-cliquez sur une case, ou choisissez-la avec les flèches et appuyez sur Entrée, pour suivre son premier essai dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Chosen cell, Enter watches its first run: %1: %2 of %3 runs hit</source>
        <translation>Case choisie, Entrée suit son premier essai : %1 : %2 essais sur %3 atteignent le but</translation>
    </message>
    <message>
        <source>Hit rate, %</source>
        <translation>Réussite, %</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Fitness over the generations</source>
        <translation>Fitness au fil des générations</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>génération %1</translation>
    </message>
    <message>
        <source>diversity (right axis)</source>
        <translation>diversité (axe de droite)</translation>
    </message>
    <message>
        <source>diversity</source>
        <translation>diversité</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>worst</source>
        <translation>pire</translation>
    </message>
    <message>
        <source>Generation %1: %2</source>
        <translation>Génération %1 : %2</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>paysage</translation>
    </message>
    <message>
        <source>genomes</source>
        <translation>génomes</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>paramètre</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>redémarrage</translation>
    </message>
    <message numerus="yes">
        <source>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark(s).</source>
        <translation>
            <numerusform>Génération %L1 : meilleure %2, moyenne %L3, pire %4, diversité %L5 sur 9 ; %n repère.</numerusform>
            <numerusform>Génération %L1 : meilleure %2, moyenne %L3, pire %4, diversité %L5 sur 9 ; %n repères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drift alone since generation %L1: theory expects diversity %L2.</source>
        <translation>Dérive seule depuis la génération %L1 : la théorie attend une diversité de %L2.</translation>
    </message>
    <message>
        <source>%1 The latest first: %2.</source>
        <translation>%1 Les plus récents d&apos;abord : %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>Mark %1 of %2: %3. %4</source>
        <translation>Repère %1 sur %2 : %3. %4</translation>
    </message>
    <message>
        <source>generation %1, %2: %3</source>
        <translation>génération %1, %2 : %3</translation>
    </message>
    <message>
        <source>the strip above: the share of members with each bit set (darker: more)</source>
        <translation>la bande ci-dessus : la part des membres ayant chaque bit à 1 (plus foncé : plus)</translation>
    </message>
    <message>
        <source>drift theory</source>
        <translation>théorie de la dérive</translation>
    </message>
    <message>
        <source>drift theory D₀·0.9ᵗ from generation %1</source>
        <translation>théorie de la dérive D₀·0,9ᵗ dès la génération %1</translation>
    </message>
</context>
<context>
    <name>HistoryMarkers</name>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln times)</source>
        <translation>
            <numerusform>%1 (%Ln fois)</numerusform>
            <numerusform>%1 (%Ln fois)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message>
        <source>Hit rate chart</source>
        <translation>Graphique du taux de réussite</translation>
    </message>
    <message>
        <source>Hit rate, % (bars: 95 % interval)</source>
        <translation>Réussite, % (barres : IC à 95 %)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation>
            <numerusform>%1 : %L2 essai sur %L3 atteint le but, %L4 % (intervalle à 95 % de %L5 à %L6 %)</numerusform>
            <numerusform>%1 : %L2 essais sur %L3 atteignent le but, %L4 % (intervalle à 95 % de %L5 à %L6 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>LandscapeChart</name>
    <message>
        <source>Fitness landscape and members</source>
        <translation>Paysage de fitness et membres</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>trail: the last %1 generations, newest on top</source>
        <translation>trace : %1 dernières générations, récentes en haut</translation>
    </message>
    <message numerus="yes">
        <source>genome %1 (bits %2), fitness %3: %n member(s)</source>
        <translation>
            <numerusform>génome %1 (bits %2), fitness %3 : %n membre</numerusform>
            <numerusform>génome %1 (bits %2), fitness %3 : %n membres</numerusform>
        </translation>
    </message>
    <message>
        <source>at genome %1</source>
        <translation>au génome %1</translation>
    </message>
    <message>
        <source>tied at genomes %1</source>
        <translation>à égalité aux génomes %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>tied at %n genomes, the first %1</source>
        <translation>
            <numerusform>à égalité sur %n génome, le premier %1</numerusform>
            <numerusform>à égalité sur %n génomes, les premiers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Chosen: %1. </source>
        <translation>Choisi : %1. </translation>
    </message>
    <message>
        <source>Landscape %1, values %2 to %3, highest %4. Members: %5.</source>
        <translation>Paysage %1, valeurs de %2 à %3, la plus haute %4. Membres : %5.</translation>
    </message>
    <message>
        <source>genome %1: %2</source>
        <translation>génome %1 : %2</translation>
    </message>
</context>
<context>
    <name>LandscapeControls</name>
    <message>
        <source>Landscape and genomes</source>
        <translation>Paysage et génomes</translation>
    </message>
    <message>
        <source>Choose a landscape</source>
        <translation>Choisir un paysage</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Load one of the landscapes that come with the program (stopped only)</source>
        <translation>Charger l&apos;un des paysages fournis avec le programme (à l&apos;arrêt seulement)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Load a landscape file from any folder (Ctrl+O, stopped only)</source>
        <translation>Charger un fichier de paysage depuis n&apos;importe quel dossier (Ctrl+O, à l&apos;arrêt seulement)</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Restore the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Rétablir le paysage de référence : la tente du démarrage, ou celui qu&apos;a apporté un instantané ouvert</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Nouveaux gènes</translation>
    </message>
    <message>
        <source>Draw ten new random genomes (stopped only)</source>
        <translation>Tirer dix nouveaux génomes au hasard (à l&apos;arrêt seulement)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Rotate the landscape one place left; hold to repeat</source>
        <translation>Faire tourner le paysage d&apos;une place vers la gauche ; maintenir pour répéter</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Rotate the landscape one place right; hold to repeat</source>
        <translation>Faire tourner le paysage d&apos;une place vers la droite ; maintenir pour répéter</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Raise every value by one; hold to repeat</source>
        <translation>Augmenter chaque valeur de un ; maintenir pour répéter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Lower every value by one, not below 1; hold to repeat</source>
        <translation>Baisser chaque valeur de un, pas en dessous de 1 ; maintenir pour répéter</translation>
    </message>
    <message>
        <source>Shift:</source>
        <translation>Décaler :</translation>
    </message>
    <message>
        <source>Shift %1</source>
        <translation>Décaler : %1</translation>
    </message>
</context>
<context>
    <name>LandscapeFile</name>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>holds no value in its first 16 MiB</source>
        <translation>ne contient aucune valeur dans ses 16 premiers Mio</translation>
    </message>
</context>
<context>
    <name>LandscapeName</name>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (graine %2)</translation>
    </message>
    <message>
        <source>reference of %1</source>
        <translation>référence de %1</translation>
    </message>
    <message>
        <source>start-up %1</source>
        <translation>%1 du démarrage</translation>
    </message>
</context>
<context>
    <name>LandscapePanel</name>
    <message>
        <source>Draw and keep</source>
        <translation>Dessiner et garder</translation>
    </message>
    <message>
        <source>Edit landscape</source>
        <translation>Modifier le paysage</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Replace the landscape with one made in the program</source>
        <translation>Remplacer le paysage par un paysage fait par le programme</translation>
    </message>
    <message>
        <source>Walk seed</source>
        <translation>Graine de la marche</translation>
    </message>
    <message>
        <source>The seed of the &quot;random walk&quot; preset</source>
        <translation>La graine du modèle « marche aléatoire »</translation>
    </message>
    <message>
        <source>&amp;Walk seed:</source>
        <translation>Graine de la &amp;marche :</translation>
    </message>
    <message>
        <source>Save landscape…</source>
        <translation>Enregistrer le paysage…</translation>
    </message>
    <message>
        <source>Write the landscape as a landscape file</source>
        <translation>Écrire le paysage dans un fichier de paysage</translation>
    </message>
    <message>
        <source>Save snapshot…</source>
        <translation>Enregistrer l&apos;instantané…</translation>
    </message>
    <message>
        <source>Keep the whole run in a file: landscape, parameters, members and generator</source>
        <translation>Garder toute l&apos;exécution dans un fichier : paysage, paramètres, membres et générateur</translation>
    </message>
    <message>
        <source>Open snapshot…</source>
        <translation>Ouvrir un instantané…</translation>
    </message>
    <message>
        <source>Go on from a run kept in a file</source>
        <translation>Reprendre une exécution gardée dans un fichier</translation>
    </message>
    <message>
        <source>Save landscape</source>
        <translation>Enregistrer le paysage</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saved the landscape to %1</source>
        <translation>Paysage enregistré dans %1</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Enregistrer l&apos;instantané</translation>
    </message>
    <message>
        <source>Snapshots (*.%1)</source>
        <translation>Instantanés (*.%1)</translation>
    </message>
    <message>
        <source>Saved the snapshot to %1</source>
        <translation>Instantané enregistré dans %1</translation>
    </message>
    <message>
        <source>Open snapshot</source>
        <translation>Ouvrir un instantané</translation>
    </message>
    <message>
        <source>Opened the snapshot %1</source>
        <translation>Instantané %1 ouvert</translation>
    </message>
    <message>
        <source>Drag on the landscape to draw it; hold Shift for a straight line. With the keys on the chart: Left and Right choose a genome, Up and Down change its value</source>
        <translation>Faites glisser sur le paysage pour le dessiner ; maintenez Maj pour une ligne droite. Avec les touches sur le graphique : Gauche et Droite choisissent un génome, Haut et Bas changent sa valeur</translation>
    </message>
    <message>
        <source>Lesson changed</source>
        <translation>Leçon modifiée</translation>
    </message>
    <message>
        <source>The lesson&apos;s notes or the class&apos;s answers changed since the snapshot was saved.</source>
        <translation>Les notes de la leçon ou les réponses de la classe ont changé depuis l&apos;enregistrement de l&apos;instantané.</translation>
    </message>
    <message>
        <source>Save the snapshot first to keep them.</source>
        <translation>Enregistrez d&apos;abord l&apos;instantané pour les garder.</translation>
    </message>
</context>
<context>
    <name>LandscapePresets</name>
    <message>
        <source>tent</source>
        <translation>tente</translation>
    </message>
    <message>
        <source>The start-up landscape: one broad peak, but 255 and 256 differ in all nine bits.</source>
        <translation>Le paysage du démarrage : un large sommet, mais 255 et 256 diffèrent par leurs neuf bits.</translation>
    </message>
    <message>
        <source>needle</source>
        <translation>aiguille</translation>
    </message>
    <message>
        <source>Flat low ground and one narrow spike: nothing leads to it, only chance finds it.</source>
        <translation>Un sol plat et bas, et un pic étroit : rien n&apos;y mène, seul le hasard le trouve.</translation>
    </message>
    <message>
        <source>trap</source>
        <translation>piège</translation>
    </message>
    <message>
        <source>Fitness grows as bits are cleared, yet all bits set is best: selection is led away.</source>
        <translation>La fitness croît à mesure que les bits passent à 0, mais tous les bits à 1 est le mieux : la sélection est trompée.</translation>
    </message>
    <message>
        <source>plateau</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>A wide flat top: once on it, selection prefers no one and the members drift.</source>
        <translation>Un large sommet plat : une fois dessus, la sélection ne préfère personne et les membres dérivent.</translation>
    </message>
    <message>
        <source>two peaks</source>
        <translation>deux sommets</translation>
    </message>
    <message>
        <source>A broad low peak and a narrow high one: the members keep the one they find first.</source>
        <translation>Un large sommet bas et un étroit haut : les membres gardent celui qu&apos;ils trouvent en premier.</translation>
    </message>
    <message>
        <source>ramp</source>
        <translation>rampe</translation>
    </message>
    <message>
        <source>Fitness rises with the genome&apos;s value: the top bit matters most, the lowest least.</source>
        <translation>La fitness monte avec la valeur du génome : le bit de poids fort compte le plus, le plus faible le moins.</translation>
    </message>
    <message>
        <source>random walk</source>
        <translation>marche aléatoire</translation>
    </message>
    <message>
        <source>Rugged ground from a random walk: many small peaks to get stuck on.</source>
        <translation>Un terrain accidenté issu d&apos;une marche aléatoire : beaucoup de petits sommets où rester bloqué.</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>Four equal peaks: the members split among them, then drift onto one.</source>
        <translation>Quatre sommets égaux : les membres se répartissent entre eux, puis dérivent vers un seul.</translation>
    </message>
</context>
<context>
    <name>LandscapeUndo</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last change of the landscape (%1)</source>
        <translation>Annuler la dernière modification du paysage (%1)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo the change undone last (%1)</source>
        <translation>Rétablir la dernière modification annulée (%1)</translation>
    </message>
</context>
<context>
    <name>LandscapeWatch</name>
    <message>
        <source>Loaded %1</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <source>Landscape shifted left</source>
        <translation>Paysage décalé à gauche</translation>
    </message>
    <message>
        <source>Landscape shifted right</source>
        <translation>Paysage décalé à droite</translation>
    </message>
    <message>
        <source>Landscape shifted up</source>
        <translation>Paysage décalé vers le haut</translation>
    </message>
    <message>
        <source>Landscape shifted down</source>
        <translation>Paysage décalé vers le bas</translation>
    </message>
    <message>
        <source>Landscape edited</source>
        <translation>Paysage modifié</translation>
    </message>
    <message>
        <source>Landscape: %1</source>
        <translation>Paysage : %1</translation>
    </message>
    <message>
        <source>Undone: back to %1</source>
        <translation>Annulé : retour à %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>Reloaded: back to %1</source>
        <translation>Rechargé : retour à %1</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>in &quot;%1&quot;: %2</source>
        <translation>dans « %1 » : %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>le champ « %1 » manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object of texts by language, such as {&quot;en&quot;: &quot;…&quot;}</source>
        <translation>« %1 » doit être un objet de textes par langue, tel que {&quot;en&quot;: &quot;…&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code, such as &quot;en&quot; or &quot;de&quot;</source>
        <translation>« %1 » n&apos;est pas un code de langue, tel que « en » ou « de »</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; text of &quot;%2&quot; must be a string</source>
        <translation>le texte « %1 » de « %2 » doit être une chaîne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>« %1 » doit être un nombre</translation>
    </message>
    <message>
        <source>a step has either &quot;run&quot; or &quot;experiment&quot;, not both</source>
        <translation>une étape a soit « run » soit « experiment », pas les deux</translation>
    </message>
    <message>
        <source>&quot;measure&quot; must be one of diversity-share, best, first-reach, schema-count</source>
        <translation>« measure » doit être l&apos;un de diversity-share, best, first-reach, schema-count</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be nine characters of 0, 1 and *, bit 8 first</source>
        <translation>« schema » doit compter neuf caractères parmi 0, 1 et *, bit 8 en premier</translation>
    </message>
    <message>
        <source>&quot;vary&quot;: %1</source>
        <translation>« vary » : %1</translation>
    </message>
    <message>
        <source>seeds × generations × values must stay within %1</source>
        <translation>graines × générations × valeurs ne doivent pas dépasser %1</translation>
    </message>
    <message>
        <source>&quot;choices&quot; need a &quot;question&quot;</source>
        <translation>« choices » demande une « question »</translation>
    </message>
    <message>
        <source>a question needs a &quot;run&quot; or an &quot;experiment&quot; that answers it</source>
        <translation>une question demande un « run » ou un « experiment » qui y réponde</translation>
    </message>
    <message>
        <source>a question needs from 2 to %1 &quot;choices&quot;</source>
        <translation>une question demande de 2 à %1 « choices »</translation>
    </message>
    <message>
        <source>&quot;from&quot; must be below &quot;to&quot;</source>
        <translation>« from » doit être inférieur à « to »</translation>
    </message>
    <message>
        <source>&quot;lesson&quot; must be an object</source>
        <translation>« lesson » doit être un objet</translation>
    </message>
    <message>
        <source>&quot;steps&quot; must be a list of at most %1 steps</source>
        <translation>« steps » doit être une liste d&apos;au plus %1 étapes</translation>
    </message>
    <message>
        <source>a step must be an object</source>
        <translation>une étape doit être un objet</translation>
    </message>
</context>
<context>
    <name>LessonModel</name>
    <message>
        <source>This page has nothing to run.</source>
        <translation>Cette page n&apos;a rien à exécuter.</translation>
    </message>
    <message>
        <source>A step is being measured already.</source>
        <translation>Une étape est déjà en cours de mesure.</translation>
    </message>
    <message>
        <source>Stop the run first: the step starts from the generation shown.</source>
        <translation>Arrêtez d&apos;abord l&apos;exécution : l&apos;étape part de la génération affichée.</translation>
    </message>
    <message>
        <source>This page makes no experiment.</source>
        <translation>Cette page ne fait pas d&apos;expérience.</translation>
    </message>
    <message numerus="yes">
        <source>The step&apos;s run stopped after %1 of its %n generation(s); run the step again to measure it.</source>
        <translation>
            <numerusform>L&apos;exécution de l&apos;étape s&apos;est arrêtée après %1 sur %n génération ; relancez l&apos;étape pour la mesurer.</numerusform>
            <numerusform>L&apos;exécution de l&apos;étape s&apos;est arrêtée après %1 sur %n générations ; relancez l&apos;étape pour la mesurer.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 % hit %4 in %5 runs (95 % interval %6 to %7 %)</source>
        <translation>%1 %2 : %3 % des %5 essais atteignent %4 (intervalle à 95 % de %6 à %7 %)</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Title of the lesson</source>
        <translation>Titre de la leçon</translation>
    </message>
    <message>
        <source>Language of the lesson</source>
        <translation>Langue de la leçon</translation>
    </message>
    <message>
        <source>The language the notes are shown and edited in</source>
        <translation>La langue dans laquelle les notes sont affichées et modifiées</translation>
    </message>
    <message>
        <source>Edit notes</source>
        <translation>Modifier les notes</translation>
    </message>
    <message>
        <source>Write the title and this page&apos;s notes in Markdown; &quot;Save snapshot…&quot; keeps them</source>
        <translation>Écrire le titre et les notes de cette page en Markdown ; « Enregistrer l&apos;instantané… » les garde</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notes de la leçon</translation>
    </message>
    <message>
        <source>Your prediction</source>
        <translation>Votre prédiction</translation>
    </message>
    <message>
        <source>Run step</source>
        <translation>Lancer l&apos;étape</translation>
    </message>
    <message>
        <source>Do what this step says and measure the answer</source>
        <translation>Faire ce que dit cette étape et mesurer la réponse</translation>
    </message>
    <message>
        <source>Show in the experiment window</source>
        <translation>Voir dans la fenêtre des expériences</translation>
    </message>
    <message>
        <source>Make this step&apos;s experiment in the experiment window, with its charts and table of runs</source>
        <translation>Faire l&apos;expérience de cette étape dans la fenêtre des expériences, avec ses graphiques et son tableau d&apos;essais</translation>
    </message>
    <message>
        <source>Measured answer</source>
        <translation>Réponse mesurée</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The page before</source>
        <translation>La page précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The next page</source>
        <translation>La page suivante</translation>
    </message>
    <message>
        <source>Notes in Markdown, %1</source>
        <translation>Notes en Markdown, %1</translation>
    </message>
    <message>
        <source>No lesson goes with this run. Open one with &quot;Open snapshot…&quot; (the lessons folder holds six), or press &quot;Edit notes&quot; to write one for this run and keep it with &quot;Save snapshot…&quot;.</source>
        <translation>Aucune leçon ne va avec cette exécution. Ouvrez-en une avec « Ouvrir un instantané… » (le dossier des leçons en contient six), ou appuyez sur « Modifier les notes » pour en écrire une pour cette exécution et la garder avec « Enregistrer l&apos;instantané… ».</translation>
    </message>
    <message numerus="yes">
        <source>Introduction, then %n step(s)</source>
        <translation>
            <numerusform>Introduction, puis %n étape</numerusform>
            <numerusform>Introduction, puis %n étapes</numerusform>
        </translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; runs %n generation(s) from here at the pace set.</source>
        <translation>
            <numerusform>« Lancer l&apos;étape » calcule %n génération à partir d&apos;ici, au rythme réglé.</numerusform>
            <numerusform>« Lancer l&apos;étape » calcule %n générations à partir d&apos;ici, au rythme réglé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seed(s) each, </source>
        <translation>
            <numerusform>« Lancer l&apos;étape » fait une expérience sur ce paysage : %1 %2, %n graine chacune, </numerusform>
            <numerusform>« Lancer l&apos;étape » fait une expérience sur ce paysage : %1 %2, %n graines chacune, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n generation(s) a run.</source>
        <translation>
            <numerusform>%n génération par essai.</numerusform>
            <numerusform>%n générations par essai.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Mesure en cours…</translation>
    </message>
    <message>
        <source>Choose your prediction, then press &quot;Run step&quot;.</source>
        <translation>Choisissez votre prédiction, puis appuyez sur « Lancer l&apos;étape ».</translation>
    </message>
    <message>
        <source>The members were all alike at the start: there is no diversity to compare.</source>
        <translation>Les membres étaient tous identiques au départ : il n&apos;y a pas de diversité à comparer.</translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the diversity is %1 of what it was at the start.</source>
        <translation>
            <numerusform>Mesuré : après %n génération, la diversité vaut %1 fois celle du départ.</numerusform>
            <numerusform>Mesuré : après %n générations, la diversité vaut %1 fois celle du départ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the best fitness is %1.</source>
        <translation>
            <numerusform>Mesuré : après %n génération, la meilleure fitness est %1.</numerusform>
            <numerusform>Mesuré : après %n générations, la meilleure fitness est %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best did not reach %1 within %n generation(s).</source>
        <translation>
            <numerusform>Mesuré : le meilleur n&apos;a pas atteint %1 en %n génération.</numerusform>
            <numerusform>Mesuré : le meilleur n&apos;a pas atteint %1 en %n générations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best first reached %1 after %n generation(s).</source>
        <translation>
            <numerusform>Mesuré : le meilleur a atteint %1 pour la première fois après %n génération.</numerusform>
            <numerusform>Mesuré : le meilleur a atteint %1 pour la première fois après %n générations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s), %1 of the ten members match %2.</source>
        <translation>
            <numerusform>Mesuré : après %n génération, %1 des dix membres correspondent à %2.</numerusform>
            <numerusform>Mesuré : après %n générations, %1 des dix membres correspondent à %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measured: the hit rates lie %1 percentage points apart.</source>
        <translation>Mesuré : les taux de réussite s&apos;écartent de %1 points de pourcentage.</translation>
    </message>
    <message>
        <source>That is &quot;%1&quot;.</source>
        <translation>C&apos;est « %1 ».</translation>
    </message>
    <message>
        <source>The class predicted just that.</source>
        <translation>La classe avait prédit exactement cela.</translation>
    </message>
    <message>
        <source>The class predicted &quot;%1&quot;.</source>
        <translation>La classe avait prédit « %1 ».</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Currently DISABLED</source>
        <translation>Actuellement DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>The fitness value 0-99 is simply passed
untouched to the GA.</source>
        <translation>La valeur de fitness 0-99 est simplement
transmise telle quelle à l&apos;AG.</translation>
    </message>
    <message>
        <source>Logarithmically prefer mutations on the LSBs.
0 means no bias,
1 means a weak bias towards small changes,
10 means mutations to the MSB are very rare.</source>
        <translation>Préférer logarithmiquement les mutations sur les bits de poids faible.
0 : aucun biais,
1 : un léger biais vers les petits changements,
10 : les mutations du bit de poids fort sont très rares.</translation>
    </message>
    <message>
        <source>Change the probability of a
mutation (bit flip) in a random
member&apos;s genome at a random place.</source>
        <translation>Changer la probabilité d&apos;une
mutation (inversion d&apos;un bit) dans le génome
d&apos;un membre au hasard, à une place au hasard.</translation>
    </message>
    <message>
        <source>vezo-vizoziv</source>
        <translation>vezo-vizoziv</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Load File:</source>
        <translation>Charger :</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Générations :</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Vider l&apos;historique</translation>
    </message>
    <message>
        <source>shift Left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>shift Right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>shift Up</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>shift Down</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Nouveaux gènes</translation>
    </message>
    <message>
        <source>Fitness Multiplier</source>
        <translation>Multiplicateur de fitness</translation>
    </message>
    <message>
        <source>% Prob(Mutation)</source>
        <translation>% Prob(mutation)</translation>
    </message>
    <message>
        <source>Mutation Bias</source>
        <translation>Biais de mutation</translation>
    </message>
    <message>
        <source>Additional Parameters
Range %1 to %2:</source>
        <translation>Autres paramètres
De %1 à %2 :</translation>
    </message>
    <message>
        <source>Parameter 0:</source>
        <translation>Paramètre 0 :</translation>
    </message>
    <message>
        <source>Parameter 1:</source>
        <translation>Paramètre 1 :</translation>
    </message>
    <message>
        <source>Parameter 2:</source>
        <translation>Paramètre 2 :</translation>
    </message>
    <message>
        <source>Parameter 3:</source>
        <translation>Paramètre 3 :</translation>
    </message>
    <message>
        <source>cannot load &apos;%1&apos;: %2</source>
        <translation>impossible de charger « %1 » : %2</translation>
    </message>
    <message>
        <source>anicedampedsinusoid</source>
        <translation>anicedampedsinusoid</translation>
    </message>
    <message>
        <source>randomwalk</source>
        <translation>randomwalk</translation>
    </message>
    <message>
        <source>twosimilarpeaks</source>
        <translation>twosimilarpeaks</translation>
    </message>
    <message>
        <source>twodissimilarpeaks</source>
        <translation>twodissimilarpeaks</translation>
    </message>
    <message>
        <source>user</source>
        <translation>user</translation>
    </message>
    <message>
        <source>Landscape view</source>
        <translation>Vue du paysage</translation>
    </message>
    <message>
        <source>The fitness of each of the 512 genomes as a point, genome 0 on the left; the ten members as marks on their genomes. The observatory (F2) tells the values and the members in words.</source>
        <translation>La fitness de chacun des 512 génomes comme un point, le génome 0 à gauche ; les dix membres comme des marques sur leurs génomes. L&apos;observatoire (F2) dit en mots les valeurs et les membres.</translation>
    </message>
    <message>
        <source>Landscape file</source>
        <translation>Fichier de paysage</translation>
    </message>
    <message>
        <source>The landscape file that &quot;Load File:&quot; loads, by name from the start folder or by full path</source>
        <translation>Le fichier de paysage que charge « Charger : », par son nom depuis le dossier de départ ou par son chemin complet</translation>
    </message>
    <message>
        <source>Generations</source>
        <translation>Générations</translation>
    </message>
    <message>
        <source>Parameter %1</source>
        <translation>Paramètre %1</translation>
    </message>
    <message>
        <source>An additional parameter, %1 to %2, shown but not used by the algorithm</source>
        <translation>Un paramètre supplémentaire, de %1 à %2, affiché mais non utilisé par l&apos;algorithme</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Termine le programme</translation>
    </message>
    <message>
        <source>Loads the landscape file named beside it (stopped only)</source>
        <translation>Charge le fichier de paysage nommé à côté (à l&apos;arrêt seulement)</translation>
    </message>
    <message>
        <source>Stops the run</source>
        <translation>Arrête l&apos;exécution</translation>
    </message>
    <message>
        <source>Computes generation after generation until Stop</source>
        <translation>Calcule génération après génération jusqu&apos;à Arrêt</translation>
    </message>
    <message>
        <source>Computes one generation</source>
        <translation>Calcule une génération</translation>
    </message>
    <message>
        <source>Restores the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Rétablit le paysage de référence : la tente du démarrage, ou celui qu&apos;a apporté un instantané ouvert</translation>
    </message>
    <message>
        <source>Repaints the view; there is no history to clear</source>
        <translation>Redessine la vue ; il n&apos;y a pas d&apos;historique à vider</translation>
    </message>
    <message>
        <source>Rotates the landscape one place left; repeats while held</source>
        <translation>Fait tourner le paysage d&apos;une place vers la gauche ; se répète tant qu&apos;on le maintient</translation>
    </message>
    <message>
        <source>Rotates the landscape one place right; repeats while held</source>
        <translation>Fait tourner le paysage d&apos;une place vers la droite ; se répète tant qu&apos;on le maintient</translation>
    </message>
    <message>
        <source>Raises every value by one; repeats while held</source>
        <translation>Augmente chaque valeur de un ; se répète tant qu&apos;on le maintient</translation>
    </message>
    <message>
        <source>Lowers every value by one, not below 1; repeats while held</source>
        <translation>Baisse chaque valeur de un, pas en dessous de 1 ; se répète tant qu&apos;on le maintient</translation>
    </message>
    <message>
        <source>Draws ten new random genomes (stopped only)</source>
        <translation>Tire dix nouveaux génomes au hasard (à l&apos;arrêt seulement)</translation>
    </message>
</context>
<context>
    <name>MutationChart</name>
    <message>
        <source>Mutation</source>
        <translation>Mutation</translation>
    </message>
    <message>
        <source>Mutation in numbers</source>
        <translation>La mutation en chiffres</translation>
    </message>
    <message>
        <source>Mutation in numbers: how many children mutate at the mutation probability p, and which bit flips at the mutation bias</source>
        <translation>La mutation en chiffres : combien d&apos;enfants mutent à la probabilité de mutation p, et quel bit s&apos;inverse au biais de mutation</translation>
    </message>
    <message>
        <source>p = 0: no child mutates.</source>
        <translation>p = 0 : aucun enfant ne mute.</translation>
    </message>
    <message>
        <source>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 of children mutate, one bit each.</source>
        <translation>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 des enfants mutent, un bit chacun.</translation>
    </message>
    <message>
        <source>Generation %1: %2 of 10 did.</source>
        <translation>Génération %1 : %2 sur 10 l&apos;ont fait.</translation>
    </message>
    <message>
        <source>The bit that flips at bias %1, in %2ths:</source>
        <translation>Le bit qui s&apos;inverse au biais %1, en parts de %2 :</translation>
    </message>
    <message>
        <source>Bias 1 to 10 instead all give the same chances, (9&#xa0;−&#xa0;bit)²/⁠285: bit 0 the most.</source>
        <translation>Les biais 1 à 10 donnent à la place tous les mêmes chances, (9&#xa0;−&#xa0;bit)²/⁠285 : le bit 0 le plus souvent.</translation>
    </message>
    <message>
        <source>The same at every bias from 1 to 10: (9&#xa0;−&#xa0;bit)²/⁠285. Bias 0 gives 1/9 each.</source>
        <translation>Pareil à chaque biais de 1 à 10 : (9&#xa0;−&#xa0;bit)²/⁠285. Le biais 0 donne 1/9 chacun.</translation>
    </message>
    <message>
        <source>bit %1 %2</source>
        <translation>bit %1 %2</translation>
    </message>
    <message>
        <source>At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same chances.</source>
        <translation>À p = %1, %2 des enfants mutent. Au biais %3, le bit inversé est %4. Les biais 1 à 10 donnent tous les mêmes chances.</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>vezo-vizoziv Observatory</source>
        <translation>vezo-vizoziv Observatoire</translation>
    </message>
    <message>
        <source>Fitness landscape and members</source>
        <translation>Paysage de fitness et membres</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations</source>
        <translation>Fitness, diversité et bits au fil des générations</translation>
    </message>
    <message>
        <source>Over the generations</source>
        <translation>Au fil des générations</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>Schemata</source>
        <translation>Schémas</translation>
    </message>
    <message>
        <source>Charts below</source>
        <translation>Graphiques du bas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open landscape…</source>
        <translation>&amp;Ouvrir un paysage…</translation>
    </message>
    <message>
        <source>Open &amp;snapshot…</source>
        <translation>Ouvrir un &amp;instantané…</translation>
    </message>
    <message>
        <source>Save s&amp;napshot…</source>
        <translation>E&amp;nregistrer l&apos;instantané…</translation>
    </message>
    <message>
        <source>Save &amp;landscape…</source>
        <translation>Enregistrer le &amp;paysage…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Save &amp;image…</source>
        <translation>Enregistrer l&apos;i&amp;mage…</translation>
    </message>
    <message>
        <source>E&amp;xperiment…</source>
        <translation>E&amp;xpérience…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécution</translation>
    </message>
    <message>
        <source>&amp;Run or stop</source>
        <translation>&amp;Lancer ou arrêter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Re&amp;start with the seed</source>
        <translation>&amp;Relancer avec la graine</translation>
    </message>
    <message>
        <source>&amp;New genes</source>
        <translation>&amp;Nouveaux gènes</translation>
    </message>
    <message>
        <source>&amp;Clear the history</source>
        <translation>Effa&amp;cer l&apos;historique</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source>Shift &amp;left</source>
        <translation>Décaler à g&amp;auche</translation>
    </message>
    <message>
        <source>Shift &amp;right</source>
        <translation>Décaler à &amp;droite</translation>
    </message>
    <message>
        <source>Shift &amp;up</source>
        <translation>Décaler vers le &amp;haut</translation>
    </message>
    <message>
        <source>Shift &amp;down</source>
        <translation>Décaler vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Show or hide the observatory</source>
        <translation>A&amp;fficher ou masquer l&apos;observatoire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help contents</source>
        <translation>&amp;Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>The observatory shows the main window&apos;s run: the landscape with its members above, and below, fitness, diversity and bits over the generations, what the latest generation drew, and how patterns of genomes fare.

Space runs and stops, &quot;.&quot; steps, F2 shows or hides this window, Ctrl+E opens the experiment window; every other action is in the menus with its keys.

%1</source>
        <translation>L&apos;observatoire montre l&apos;exécution de la fenêtre principale : en haut le paysage avec ses membres, en dessous la fitness, la diversité et les bits au fil des générations, ce que la dernière génération a tiré et comment s&apos;en sortent des motifs de génomes.

Espace lance et arrête, « . » avance d&apos;un pas, F2 affiche ou masque cette fenêtre, Ctrl+E ouvre la fenêtre des expériences ; toute autre action est dans les menus avec ses touches.

%1</translation>
    </message>
    <message>
        <source>The user guide, guide.md, comes with the program.</source>
        <translation>Le guide de l&apos;utilisateur, guide.md, est fourni avec le programme.</translation>
    </message>
    <message>
        <source>The user guide: %1</source>
        <translation>Le guide de l&apos;utilisateur : %1</translation>
    </message>
    <message>
        <source>Restarted with seed %1</source>
        <translation>Relancé avec la graine %1</translation>
    </message>
    <message>
        <source>Opened a snapshot of %1</source>
        <translation>Instantané de %1 ouvert</translation>
    </message>
    <message>
        <source>Open a landscape</source>
        <translation>Ouvrir un paysage</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation>
            <numerusform>%Ln génération exportée vers %1</numerusform>
            <numerusform>%Ln générations exportées vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Image enregistrée dans %1</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations, with marks where something happened</source>
        <translation>Fitness, diversité et bits au fil des générations, avec des repères là où il s&apos;est passé quelque chose</translation>
    </message>
    <message>
        <source>What the latest generation drew: the wheel, the pairs, mutation and the selection check</source>
        <translation>Ce que la dernière génération a tiré : la roue, les paires, la mutation et le contrôle de la sélection</translation>
    </message>
    <message>
        <source>Patterns of genomes followed against the schema theorem&apos;s bound</source>
        <translation>Des motifs de génomes suivis face à la borne du théorème des schémas</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Re&amp;load: back to %1</source>
        <translation>&amp;Recharger : retour à %1</translation>
    </message>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Leçon</translation>
    </message>
    <message>
        <source>The experiment window is busy: cancel its experiment first.</source>
        <translation>La fenêtre des expériences est occupée : annulez d&apos;abord son expérience.</translation>
    </message>
</context>
<context>
    <name>PairsChart</name>
    <message>
        <source>The pairs</source>
        <translation>Les paires</translation>
    </message>
    <message>
        <source>Pairs and children</source>
        <translation>Paires et enfants</translation>
    </message>
    <message>
        <source>Each pair splits at the red line: a child keeps its parent&apos;s bits left of it and takes its partner&apos;s, blue, right of it. Mutation flipped the orange bits.</source>
        <translation>Chaque paire se coupe à la ligne rouge : un enfant garde les bits de son parent à gauche et prend ceux de son partenaire, en bleu, à droite. La mutation a inversé les bits orange.</translation>
    </message>
    <message>
        <source>The pairs that made generation %1</source>
        <translation>Les paires qui ont fait la génération %1</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Lancez ou avancez d&apos;un pas pour voir une génération.</translation>
    </message>
    <message>
        <source>pair 5</source>
        <translation>paire 5</translation>
    </message>
    <message>
        <source>split 8</source>
        <translation>coupe 8</translation>
    </message>
    <message>
        <source>#</source>
        <translation>n°</translation>
    </message>
    <message>
        <source>genome</source>
        <translation>génome</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>fitness</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>parent</translation>
    </message>
    <message>
        <source>child</source>
        <translation>enfant</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>paire %1</translation>
    </message>
    <message>
        <source>split %1</source>
        <translation>coupe %1</translation>
    </message>
    <message>
        <source>split</source>
        <translation>coupe</translation>
    </message>
    <message>
        <source>from the partner</source>
        <translation>du partenaire</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Pas encore de génération.</translation>
    </message>
    <message>
        <source>child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7</source>
        <translation>enfant %1 du membre %2 (%3, fitness %4) et de son partenaire le membre %5 : %6, fitness %7</translation>
    </message>
    <message>
        <source>, bit %1 flipped</source>
        <translation>, bit %1 inversé</translation>
    </message>
    <message>
        <source>Pair %1, split %2: %3</source>
        <translation>Paire %1, coupe %2 : %3</translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Génération %1. </translation>
    </message>
</context>
<context>
    <name>ParameterControls</name>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 % of children</source>
        <translation>%1 % des enfants</translation>
    </message>
    <message>
        <source>:</source>
        <translation> :</translation>
    </message>
    <message>
        <source>The share of children that mutate</source>
        <translation>La part des enfants qui mutent</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Fitness multiplier</source>
        <translation>Multiplicateur de fitness</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Probabilité de mutation</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Biais de mutation</translation>
    </message>
    <message>
        <source>all runs</source>
        <translation>tous les essais</translation>
    </message>
    <message>
        <source>The fitness multiplier changes how long the wheel is, not who is drawn how often: expect no difference beyond chance, within the hit rates&apos; intervals.</source>
        <translation>Le multiplicateur de fitness change la longueur de la roue, pas qui est tiré combien de fois : ne vous attendez à aucune différence au-delà du hasard, dans les intervalles des taux de réussite.</translation>
    </message>
    <message>
        <source>Each member&apos;s share of the wheel is (fitness − lowest) × this: it changes how long the wheel is, not who is drawn how often</source>
        <translation>La part de chaque membre sur la roue est (fitness − la plus basse) × cette valeur : cela change la longueur de la roue, pas qui est tiré combien de fois</translation>
    </message>
    <message>
        <source>p: each child mutates with probability 1/(100 − p); 0: never</source>
        <translation>p : chaque enfant mute avec la probabilité 1/(100 − p) ; 0 : jamais</translation>
    </message>
    <message>
        <source>0: every bit is as likely to flip; 1 to 10, all alike: the lower the bit, the likelier, (9 − bit)² in 285</source>
        <translation>0 : chaque bit a autant de chances de s&apos;inverser ; 1 à 10, tous pareils : plus le bit est bas, plus c&apos;est probable, (9 − bit)² sur 285</translation>
    </message>
</context>
<context>
    <name>RecordControls</name>
    <message>
        <source>Recorded run</source>
        <translation>Exécution enregistrée</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>The seed of the generator for a restart</source>
        <translation>La graine du générateur pour un redémarrage</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>New genomes drawn after seeding, the count back at 0, the history cleared: the same seed, landscape and parameters give the same run</source>
        <translation>De nouveaux génomes tirés après la graine, le compte remis à 0, l&apos;historique effacé : même graine, même paysage et mêmes paramètres donnent la même exécution</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Forget the recorded generations and markers</source>
        <translation>Oublier les générations enregistrées et les repères</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Every generation kept in full, as CSV</source>
        <translation>Chaque génération gardée en entier, en CSV</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>A PNG of the charts with the caption line</source>
        <translation>Un PNG des graphiques avec la ligne de légende</translation>
    </message>
    <message>
        <source>Experiment…</source>
        <translation>Expérience…</translation>
    </message>
    <message>
        <source>Many runs over seeds and parameter values, with hit rates (Ctrl+E)</source>
        <translation>De nombreux essais sur des graines et des valeurs de paramètres, avec des taux de réussite (Ctrl+E)</translation>
    </message>
</context>
<context>
    <name>RecordedRun</name>
    <message>
        <source>New genes drawn</source>
        <translation>Nouveaux gènes tirés</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>RunCaption</name>
    <message>
        <source>What the charts show</source>
        <translation>Ce que montrent les graphiques</translation>
    </message>
    <message>
        <source>fitness ×%1</source>
        <translation>fitness ×%1</translation>
    </message>
    <message>
        <source>mutation %1 (%2)</source>
        <translation>mutation %1 (%2)</translation>
    </message>
    <message>
        <source>bias %1</source>
        <translation>biais %1</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>graine %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>génération %1</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Run generation after generation (Space)</source>
        <translation>Calculer génération après génération (Espace)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stop the run (Space)</source>
        <translation>Arrêter l&apos;exécution (Espace)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Compute one generation (.)</source>
        <translation>Calculer une génération (.)</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Aussi vite que possible</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation>
            <numerusform>%Ln génération par seconde</numerusform>
            <numerusform>%Ln générations par seconde</numerusform>
        </translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>How many generations &quot;Run&quot; computes per second</source>
        <translation>Combien de générations « Lancer » calcule par seconde</translation>
    </message>
    <message>
        <source>&amp;Pace:</source>
        <translation>&amp;Rythme :</translation>
    </message>
</context>
<context>
    <name>RunLengthChart</name>
    <message>
        <source>Run-length chart</source>
        <translation>Graphique des durées d&apos;essai</translation>
    </message>
    <message>
        <source>Runs that have hit by each generation, %</source>
        <translation>Essais ayant atteint le but à chaque génération, %</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>génération</translation>
    </message>
    <message>
        <source>%1: no run hit</source>
        <translation>%1 : aucun essai n&apos;a atteint le but</translation>
    </message>
    <message>
        <source>%1: half of the runs that hit did so by generation %2, all by %3</source>
        <translation>%1 : la moitié des essais réussis l&apos;ont fait à la génération %2, tous à la %3</translation>
    </message>
</context>
<context>
    <name>RunTableModel</name>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Mutation</source>
        <translation>Mutation</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Biais</translation>
    </message>
    <message>
        <source>Hit at</source>
        <translation>Atteint à</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Pire</translation>
    </message>
    <message>
        <source>Diversity</source>
        <translation>Diversité</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>non ouvert</translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message>
        <source>Members that match (solid) and their bound (dashed)</source>
        <translation>Membres qui correspondent (trait plein) et leur borne (tirets)</translation>
    </message>
    <message>
        <source>Schema counts and bounds</source>
        <translation>Effectifs et bornes des schémas</translation>
    </message>
    <message>
        <source>For each schema, the members of each generation that match it (solid) and the least number the schema theorem expects from the generation before (dashed)</source>
        <translation>Pour chaque schéma, les membres de chaque génération qui y correspondent (trait plein) et le plus petit nombre que le théorème des schémas attend de la génération précédente (tirets)</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>génération</translation>
    </message>
    <message>
        <source>Type a schema on the left to follow it.</source>
        <translation>Tapez un schéma à gauche pour le suivre.</translation>
    </message>
    <message>
        <source>Run or step to count the members.</source>
        <translation>Lancez ou avancez d&apos;un pas pour compter les membres.</translation>
    </message>
    <message>
        <source>No schema tracked.</source>
        <translation>Aucun schéma suivi.</translation>
    </message>
    <message>
        <source>%1: no generation counted yet</source>
        <translation>%1 : aucune génération comptée pour l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation>
            <numerusform>%1 : %L2 membre correspond, borne %L3</numerusform>
            <numerusform>%1 : %L2 membres correspondent, borne %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Génération %1. </translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message>
        <source>for example 1********</source>
        <translation>par exemple 1********</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>Nine characters from bit 8 down to bit 0: 1, 0 or * for either</source>
        <translation>Neuf caractères du bit 8 au bit 0 : 1, 0 ou * pour l&apos;un ou l&apos;autre</translation>
    </message>
    <message>
        <source>&amp;Schema: nine characters, bit 8 first</source>
        <translation>&amp;Schéma : neuf caractères, bit 8 en premier</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>1 and 0 fix a bit, * takes either.</source>
        <translation>1 et 0 fixent un bit, * prend l&apos;un ou l&apos;autre.</translation>
    </message>
    <message>
        <source>Tracked schemata</source>
        <translation>Schémas suivis</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>The bound&apos;s factors</source>
        <translation>Les facteurs de la borne</translation>
    </message>
    <message>
        <source>Type nine characters, one for each bit from bit 8 down to bit 0: 1, 0 or * for either.</source>
        <translation>Tapez neuf caractères, un par bit du bit 8 au bit 0 : 1, 0 ou * pour l&apos;un ou l&apos;autre.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation>
            <numerusform>« %1 » a %n caractère ; un schéma en a neuf, un par bit du bit 8 au bit 0.</numerusform>
            <numerusform>« %1 » a %n caractères ; un schéma en a neuf, un par bit du bit 8 au bit 0.</numerusform>
        </translation>
    </message>
    <message>
        <source>Character %1 of “%2” (bit %3) is “%4”: use 1, 0 or * for either.</source>
        <translation>Le caractère %1 de « %2 » (bit %3) est « %4 » : utilisez 1, 0 ou * pour l&apos;un ou l&apos;autre.</translation>
    </message>
    <message>
        <source>%1 is tracked already.</source>
        <translation>%1 est déjà suivi.</translation>
    </message>
    <message>
        <source>At most %1 schemata at a time: remove one first.</source>
        <translation>Au plus %1 schémas à la fois : retirez-en un d&apos;abord.</translation>
    </message>
    <message>
        <source>Tracking %1: order %2, defining length %3.</source>
        <translation>Suivi de %1 : ordre %2, longueur utile %3.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 retiré.</translation>
    </message>
    <message>
        <source>Add a schema to see the bound&apos;s factors with the current numbers.</source>
        <translation>Ajoutez un schéma pour voir les facteurs de la borne avec les nombres actuels.</translation>
    </message>
    <message>
        <source>%1: run or step to see the bound&apos;s factors with the current numbers.</source>
        <translation>%1 : lancez ou avancez d&apos;un pas pour voir les facteurs de la borne avec les nombres actuels.</translation>
    </message>
    <message>
        <source>a crossover that joins its bits from two parents, or a mutation, can make a match</source>
        <translation>un croisement qui réunit ses bits venus de deux parents, ou une mutation, peut créer une correspondance</translation>
    </message>
    <message>
        <source>only a mutation can make a match</source>
        <translation>seule une mutation peut créer une correspondance</translation>
    </message>
    <message>
        <source>%1: no member of generation %2 matches, so the bound for generation %3 is 0 (%4). Generation %3 has %5.</source>
        <translation>%1 : aucun membre de la génération %2 ne correspond, donc la borne pour la génération %3 est 0 (%4). La génération %3 en a %5.</translation>
    </message>
    <message>
        <source>%1   order %2, d(H) = %3</source>
        <translation>%1   ordre %2, d(H) = %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation>
            <numerusform>%1 : m = %2 membre de la génération %3 correspond.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6 : sa part moyenne de la roue face à la moyenne des dix.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8 : une coupe tombe entre ses bits fixes extrêmes (%9 et %10) dans %7 cas sur 9.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13 : q = 1/⁠(100&#xa0;−&#xa0;%14) des enfants mutent, et P&lt;sub&gt;H&lt;/sub&gt; est la chance que le bit inversé (biais %15) soit l&apos;un de ses %16 bits fixes.&lt;br&gt;Borne pour la génération %17 : %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt; ; elle en a &lt;b&gt;%19&lt;/b&gt;.</numerusform>
            <numerusform>%1 : m = %2 membres de la génération %3 correspondent.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6 : leur part moyenne de la roue face à la moyenne des dix.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8 : une coupe tombe entre ses bits fixes extrêmes (%9 et %10) dans %7 cas sur 9.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13 : q = 1/⁠(100&#xa0;−&#xa0;%14) des enfants mutent, et P&lt;sub&gt;H&lt;/sub&gt; est la chance que le bit inversé (biais %15) soit l&apos;un de ses %16 bits fixes.&lt;br&gt;Borne pour la génération %17 : %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt; ; elle en a &lt;b&gt;%19&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Follow the schema typed: its count and its bound in every generation</source>
        <translation>Suivre le schéma tapé : son effectif et sa borne à chaque génération</translation>
    </message>
    <message>
        <source>What became of the schema typed</source>
        <translation>Ce qu&apos;est devenu le schéma tapé</translation>
    </message>
    <message>
        <source>The schemata followed, with order and defining length; the one chosen has its bound&apos;s factors told beside the chart</source>
        <translation>Les schémas suivis, avec ordre et longueur utile ; celui choisi a les facteurs de sa borne énoncés à côté du graphique</translation>
    </message>
    <message>
        <source>How the schema theorem&apos;s bound for the latest generation comes about, factor by factor</source>
        <translation>Comment se forme la borne du théorème des schémas pour la dernière génération, facteur par facteur</translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message>
        <source>Selection check</source>
        <translation>Contrôle de la sélection</translation>
    </message>
    <message>
        <source>Over many generations, members expected to get so many copies should on average be drawn that often: the points then lie near the dashed line.</source>
        <translation>Sur de nombreuses générations, les membres qui doivent recevoir tant de copies devraient en moyenne être tirés aussi souvent : les points sont alors près de la ligne en tirets.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation>
            <numerusform>%Ln génération ; barres ±%1 e.-t. ; creux : moins de %2 membres</numerusform>
            <numerusform>%Ln générations ; barres ±%1 e.-t. ; creux : moins de %2 membres</numerusform>
        </translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>copies attendues</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tirés</translation>
    </message>
    <message>
        <source>Nothing counted yet.</source>
        <translation>Rien de compté pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation>
            <numerusform>attendu de %L1 à %L2 : %L3 membre, moyenne attendue %L4, moyenne tirée %L5</numerusform>
            <numerusform>attendu de %L1 à %L2 : %L3 membres, moyenne attendue %L4, moyenne tirée %L5</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws against expected copies: nothing counted yet.</source>
        <translation>Tirages face aux copies attendues : rien de compté pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>Draws against expected copies over %L1 generation(s): </source>
        <translation>
            <numerusform>Tirages face aux copies attendues sur %L1 génération : </numerusform>
            <numerusform>Tirages face aux copies attendues sur %L1 générations : </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>le champ « %1 » manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>« %1 » doit être true ou false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a string</source>
        <translation>« %1 » doit être une chaîne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>« %1 » doit être un objet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold exactly %2 numbers</source>
        <translation>« %1 » doit contenir exactement %2 nombres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold whole numbers from %2 to %3; number %4 is not</source>
        <translation>« %1 » doit contenir des nombres entiers de %2 à %3 ; le nombre %4 n&apos;en est pas un</translation>
    </message>
    <message>
        <source>not a snapshot, or damaged or cut short: %1 at byte %2</source>
        <translation>pas un instantané, ou abîmé ou tronqué : %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>not a snapshot of this program</source>
        <translation>pas un instantané de ce programme</translation>
    </message>
    <message>
        <source>a snapshot of version %1; this program reads version %2</source>
        <translation>un instantané de version %1 ; ce programme lit la version %2</translation>
    </message>
    <message>
        <source>&quot;name&quot; is longer than %1 characters</source>
        <translation>« name » dépasse %1 caractères</translation>
    </message>
    <message>
        <source>in &quot;random&quot;: %1</source>
        <translation>dans « random » : %1</translation>
    </message>
    <message>
        <source>in &quot;reseed&quot;: %1</source>
        <translation>dans « reseed » : %1</translation>
    </message>
    <message>
        <source>is too large for a snapshot (more than %1 bytes)</source>
        <translation>est trop grand pour un instantané (plus de %1 octets)</translation>
    </message>
    <message>
        <source>the run is past generation %1, the most a snapshot keeps</source>
        <translation>l&apos;exécution a dépassé la génération %1, le maximum que garde un instantané</translation>
    </message>
</context>
<context>
    <name>WheelChart</name>
    <message>
        <source>The wheel</source>
        <translation>La roue</translation>
    </message>
    <message>
        <source>Roulette wheel</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Lancez ou avancez d&apos;un pas pour voir une génération.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>n°</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>fitness</translation>
    </message>
    <message>
        <source>share</source>
        <translation>part</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>attendu</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tiré</translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>copies attendues</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Pas encore de génération.</translation>
    </message>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation>
            <numerusform>membre %1 : fitness %2, %3 de la roue, %L4 copies attendues, tiré %n fois</numerusform>
            <numerusform>membre %1 : fitness %2, %3 de la roue, %L4 copies attendues, tiré %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel that drew generation %1, %2 positions wide. </source>
        <translation>La roue qui a tiré la génération %1, large de %2 positions. </translation>
    </message>
    <message>
        <source>total %1 → shares</source>
        <translation>total %1 → parts</translation>
    </message>
    <message>
        <source>lowest %1 → shares</source>
        <translation>plus basse %1 → parts</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1, scaled to fit</source>
        <translation>%1, réduites pour tenir</translation>
    </message>
    <message>
        <source>The fitness adds up to %1, below every member&apos;s, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>La somme des fitness vaut %1, moins que celle de chaque membre, donc chaque part est la fitness moins %2, fois le multiplicateur %3</translation>
    </message>
    <message>
        <source>The lowest fitness is %1, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>La plus basse fitness est %1, donc chaque part est la fitness moins %2, fois le multiplicateur %3</translation>
    </message>
    <message>
        <source>, then scaled down to fit one draw</source>
        <translation>, puis réduite pour tenir dans un seul tirage</translation>
    </message>
    <message>
        <source>A member&apos;s share of the wheel is (fitness − lowest) × the fitness multiplier, where lowest is one less than the generation&apos;s lowest fitness, or than the ten&apos;s sum where that is lower; the multiplier changes no odds, but for rounding where a very wide wheel is scaled down. Of the ten draws, the bar shows the copies a member may expect, the dot the copies it got.</source>
        <translation>La part d&apos;un membre sur la roulette est (fitness − plancher) × le multiplicateur de fitness, où le plancher vaut un de moins que la fitness la plus basse de la génération, ou que la somme des dix quand elle est plus basse ; le multiplicateur ne change aucune chance, à l&apos;arrondi près quand une roulette très large est réduite. Sur les dix tirages, la barre montre les copies qu&apos;un membre peut attendre, le point celles qu&apos;il a obtenues.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print the options and exit.</source>
        <translation>Afficher les options et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open the observatory: beside the window, or over it on a small screen.</source>
        <translation>Ouvrir l&apos;observatoire : à côté de la fenêtre, ou par-dessus sur un petit écran.</translation>
    </message>
    <message>
        <source>Run without a window and write CSV rows.</source>
        <translation>Tourner sans fenêtre et écrire des lignes CSV.</translation>
    </message>
    <message>
        <source>Make many runs on every core and write a row per run.</source>
        <translation>Faire de nombreux essais sur chaque cœur et écrire une ligne par essai.</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; generations.</source>
        <translation>Calculer &lt;n&gt; générations.</translation>
    </message>
    <message>
        <source>A row for every &lt;k&gt;-th generation (default 1).</source>
        <translation>Une ligne toutes les &lt;k&gt; générations (par défaut 1).</translation>
    </message>
    <message>
        <source>Instead, a row per child: parents, split, flip.</source>
        <translation>À la place, une ligne par enfant : parents, coupe, inversion.</translation>
    </message>
    <message>
        <source>Read the landscape from &lt;file&gt; (default: the tent).</source>
        <translation>Lire le paysage dans &lt;file&gt; (par défaut : la tente).</translation>
    </message>
    <message>
        <source>Fitness multiplier</source>
        <translation>Multiplicateur de fitness</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Probabilité de mutation</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Biais de mutation</translation>
    </message>
    <message>
        <source>Seed of the run</source>
        <translation>Graine de l&apos;exécution</translation>
    </message>
    <message>
        <source>Write the rows to &lt;file&gt; (default: standard output).</source>
        <translation>Écrire les lignes dans &lt;file&gt; (par défaut : la sortie standard).</translation>
    </message>
    <message>
        <source>Go on from the run kept in the snapshot &lt;file&gt;.</source>
        <translation>Reprendre l&apos;exécution gardée dans l&apos;instantané &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the run at its end in the snapshot &lt;file&gt;.</source>
        <translation>Garder l&apos;exécution à sa fin dans l&apos;instantané &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Runs &lt;n&gt; seeds of each setting.</source>
        <translation>Faire tourner &lt;n&gt; graines de chaque réglage.</translation>
    </message>
    <message>
        <source>The seeds from &lt;s&gt; on (default 1).</source>
        <translation>Les graines à partir de &lt;s&gt; (par défaut 1).</translation>
    </message>
    <message>
        <source>Vary fitness, mutation or bias over the values; twice for a grid.</source>
        <translation>Faire varier fitness, mutation ou bias sur les valeurs ; deux fois pour une grille.</translation>
    </message>
    <message>
        <source>A run hits when its best reaches &lt;v&gt; (default: the highest value).</source>
        <translation>Un essai atteint le but quand son meilleur atteint &lt;v&gt; (par défaut : la plus haute valeur).</translation>
    </message>
    <message>
        <source>Work on &lt;t&gt; threads (default: one per core).</source>
        <translation>Travailler sur &lt;t&gt; fils (par défaut : un par cœur).</translation>
    </message>
    <message>
        <source>Only the runs whose place i in the run order has i mod n = k - 1.</source>
        <translation>Seulement les essais dont la place i dans l&apos;ordre des essais vérifie i mod n = k - 1.</translation>
    </message>
    <message>
        <source>Write a row per setting: hit rate, interval, run lengths.</source>
        <translation>Écrire une ligne par réglage : taux de réussite, intervalle, durées d&apos;essai.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 prend un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>--%1 goes with the window only</source>
        <translation>--%1 ne va qu&apos;avec la fenêtre</translation>
    </message>
    <message>
        <source>--%1 goes with --headless or --experiment</source>
        <translation>--%1 va avec --headless ou --experiment</translation>
    </message>
    <message>
        <source>--%1 goes with --%2</source>
        <translation>--%1 va avec --%2</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;--%1&apos;.</source>
        <translation>Valeur inattendue après « --%1 ».</translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation>Valeur manquante après « --%1 ».</translation>
    </message>
    <message>
        <source>--headless and --experiment do not go together</source>
        <translation>--headless et --experiment ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--observe does not go with %1: there is no window</source>
        <translation>--observe ne va pas avec %1 : il n&apos;y a pas de fenêtre</translation>
    </message>
    <message>
        <source>%1 is an option for the window; %2 has none</source>
        <translation>%1 est une option de la fenêtre ; %2 n&apos;en a pas</translation>
    </message>
    <message>
        <source>%1 opens no snapshot in a window; use --snapshot &apos;%2&apos;</source>
        <translation>%1 n&apos;ouvre pas d&apos;instantané dans une fenêtre ; utilisez --snapshot « %2 »</translation>
    </message>
    <message>
        <source>--%1 does not go with --snapshot: the snapshot holds it</source>
        <translation>--%1 ne va pas avec --snapshot : l&apos;instantané le contient</translation>
    </message>
    <message>
        <source>--every does not go with --explain: every generation is explained</source>
        <translation>--every ne va pas avec --explain : chaque génération est expliquée</translation>
    </message>
    <message>
        <source>--%1 does not go with --vary %1=…: the values vary</source>
        <translation>--%1 ne va pas avec --vary %1=… : les valeurs varient</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names standard output, where the rows go</source>
        <translation>« %1 » désigne la sortie standard, où vont les lignes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two outputs</source>
        <translation>« %1 » est donné pour deux sorties</translation>
    </message>
    <message>
        <source>%1 needs --%2 &lt;n&gt;</source>
        <translation>%1 demande --%2 &lt;n&gt;</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 demande un nom de fichier</translation>
    </message>
    <message>
        <source>Usage: vezo-vizoziv [--observe] [snapshot.vezo]
       vezo-vizoziv --headless --generations &lt;n&gt; [options]
       vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [options]

Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values.

Options:
</source>
        <translation>Usage : vezo-vizoziv [--observe] [snapshot.vezo]
        vezo-vizoziv --headless --generations &lt;n&gt; [options]
        vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [options]

Regarder travailler un algorithme génétique : dix génomes de neuf bits sur un paysage de 512 valeurs.

Options :
</translation>
    </message>
    <message>
        <source>%1, %2 to %3 (default %4).</source>
        <translation>%1, de %2 à %3 (par défaut %4).</translation>
    </message>
    <message>
        <source>%1 (default %2).</source>
        <translation>%1 (par défaut %2).</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation>
            <numerusform>%L1 essai sur %L2, %L3 essais par seconde, encore %4</numerusform>
            <numerusform>%L1 essais sur %L2, %L3 essais par seconde, encore %4</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; holds whole rows up to there</source>
        <translation>interrompu ; « %1 » contient des lignes entières jusque-là</translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; is as it was</source>
        <translation>interrompu ; « %1 » est tel qu&apos;il était</translation>
    </message>
    <message>
        <source>cannot read landscape &apos;%1&apos;: %2</source>
        <translation>impossible de lire le paysage « %1 » : %2</translation>
    </message>
    <message>
        <source>warning: --target %1 is above the landscape&apos;s highest value %2; no run can hit it</source>
        <translation>avertissement : --target %1 dépasse la plus haute valeur du paysage, %2 ; aucun essai ne peut l&apos;atteindre</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la sortie standard est fermée</translation>
    </message>
    <message>
        <source>cannot open snapshot &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;ouvrir l&apos;instantané « %1 » : %2</translation>
    </message>
    <message>
        <source>--generations %1 would take the run from generation %2 past %3, the most a run may reach</source>
        <translation>--generations %1 mènerait l&apos;exécution de la génération %2 au-delà de %3, le maximum qu&apos;une exécution peut atteindre</translation>
    </message>
    <message>
        <source>cannot write snapshot &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire l&apos;instantané « %1 » : %2</translation>
    </message>
</context>
</TS>
