<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Experiment</name>
    <message>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 oder %3</translation>
    </message>
    <message>
        <source>%1 takes whole numbers from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 nimmt ganze Zahlen von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>the shard K/N needs whole numbers with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>der Teil K/N braucht ganze Zahlen mit 1 &lt;= K &lt;= N, nicht „%1“</translation>
    </message>
    <message>
        <source>%1: no values given</source>
        <translation>%1: keine Werte angegeben</translation>
    </message>
    <message>
        <source>%1: an empty value in &apos;%2&apos;</source>
        <translation>%1: ein leerer Wert in „%2“</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, which is already in the list</source>
        <translation>%1: %2 wird als %3 gespeichert, und das steht schon in der Liste</translation>
    </message>
    <message>
        <source>%1: %2 is already in the list</source>
        <translation>%1: %2 steht schon in der Liste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=V1,V2,... with NAME %2</source>
        <translation>„%1“ hat nicht die Form NAME=W1,W2,... mit NAME %2</translation>
    </message>
    <message>
        <source>unknown parameter &apos;%1&apos;: it is %2</source>
        <translation>unbekannter Parameter „%1“: er heißt %2</translation>
    </message>
    <message>
        <source>at most %1 parameters can vary, not %2</source>
        <translation>höchstens %1 Parameter können variieren, nicht %2</translation>
    </message>
    <message>
        <source>a varied parameter</source>
        <translation>ein variierter Parameter</translation>
    </message>
    <message>
        <source>%1 varies twice</source>
        <translation>%1 variiert zweimal</translation>
    </message>
    <message>
        <source>the number of seeds must be at least 1, not %1</source>
        <translation>die Zahl der Seeds muss mindestens 1 sein, nicht %1</translation>
    </message>
    <message>
        <source>%1 seeds from %2 go beyond the last seed, %3</source>
        <translation>%1 Seeds ab %2 gehen über den letzten Seed hinaus, %3</translation>
    </message>
    <message>
        <source>the number of generations cannot be negative, not %1</source>
        <translation>die Zahl der Generationen kann nicht negativ sein, nicht %1</translation>
    </message>
</context>
<context>
    <name>ExperimentChart</name>
    <message>
        <source>No results yet.</source>
        <translation>Noch keine Ergebnisse.</translation>
    </message>
    <message>
        <source>Start an experiment to see its results here.</source>
        <translation>Starten Sie ein Experiment, um hier seine Ergebnisse zu sehen.</translation>
    </message>
</context>
<context>
    <name>ExperimentForm</name>
    <message>
        <source>Experiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Parameter to vary</source>
        <translation>Zu variierender Parameter</translation>
    </message>
    <message>
        <source>Second parameter to vary</source>
        <translation>Zweiter zu variierender Parameter</translation>
    </message>
    <message>
        <source>Values of the parameter to vary</source>
        <translation>Werte des zu variierenden Parameters</translation>
    </message>
    <message>
        <source>Values of the second parameter</source>
        <translation>Werte des zweiten Parameters</translation>
    </message>
    <message>
        <source>values, e.g. 0,1,10</source>
        <translation>Werte, z. B. 0,1,10</translation>
    </message>
    <message>
        <source>First seed</source>
        <translation>Erster Seed</translation>
    </message>
    <message>
        <source>Number of seeds</source>
        <translation>Anzahl der Seeds</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Generationen je Lauf</translation>
    </message>
    <message>
        <source>Target fitness</source>
        <translation>Ziel-Fitness</translation>
    </message>
    <message>
        <source>A run hits when its best member&apos;s fitness reaches this value.</source>
        <translation>Ein Lauf trifft, wenn die Fitness seines besten Mitglieds diesen Wert erreicht.</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>The landscape&apos;s highest value</source>
        <translation>Der höchste Wert der Landschaft</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Landscape:</source>
        <translation>Landschaft:</translation>
    </message>
    <message>
        <source>&amp;Vary:</source>
        <translation>&amp;Variieren:</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Und:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>Übrige:</translation>
    </message>
    <message>
        <source>&amp;Seeds from:</source>
        <translation>&amp;Seeds ab:</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Generationen:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>%1 (highest value %2)</source>
        <translation>%1 (höchster Wert %2)</translation>
    </message>
    <message>
        <source>%L1 runs are more than the %L2 this window holds; the command line takes any number</source>
        <translation>%L1 Läufe sind mehr als die %L2, die dieses Fenster fasst; die Kommandozeile nimmt jede Zahl</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation>
            <numerusform>%1 über %2 Generation, Ziel %L3</numerusform>
            <numerusform>%1 über %2 Generationen, Ziel %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1, as in the main window</source>
        <translation>%1, wie im Hauptfenster</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The parameter whose values the runs take in turn</source>
        <translation>Der Parameter, dessen Werte die Läufe der Reihe nach annehmen</translation>
    </message>
    <message>
        <source>A second parameter, for a heat map of every pair of values</source>
        <translation>Ein zweiter Parameter, für eine Heatmap jedes Wertepaars</translation>
    </message>
    <message>
        <source>What the experiment will run, or why it cannot</source>
        <translation>Was das Experiment ausführen wird, oder warum es das nicht kann</translation>
    </message>
    <message>
        <source>The seed of each value&apos;s first run; the next runs take the seeds after it</source>
        <translation>Der Seed des ersten Laufs jedes Werts; die nächsten Läufe nehmen die Seeds danach</translation>
    </message>
    <message>
        <source>How many runs, each with its own seed, every value or pair of values gets</source>
        <translation>Wie viele Läufe, jeder mit eigenem Seed, jeder Wert oder jedes Wertepaar bekommt</translation>
    </message>
    <message>
        <source>How many generations every run computes</source>
        <translation>Wie viele Generationen jeder Lauf berechnet</translation>
    </message>
</context>
<context>
    <name>ExperimentResultsView</name>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Double-click a run, or press Enter, to watch it in the main window.</source>
        <translation>Doppelklicken Sie auf einen Lauf oder drücken Sie die Eingabetaste, um ihn im Hauptfenster zu verfolgen.</translation>
    </message>
    <message>
        <source>No results yet: plan an experiment and press Start.</source>
        <translation>Noch keine Ergebnisse: planen Sie ein Experiment und drücken Sie Start.</translation>
    </message>
    <message>
        <source>%1 · %2 varied · %3 · seeds %4 to %5 · %L6 generations · target %7</source>
        <translation>%1 · %2 variiert · %3 · Seeds %4 bis %5 · %L6 Generationen · Ziel %7</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>nothing fixed</source>
        <translation>nichts fest</translation>
    </message>
    <message>
        <source>Double-click a run in the table or a cell of the heat map, or press Enter on it, to watch that run in the main window.</source>
        <translation>Doppelklicken Sie auf einen Lauf in der Tabelle oder eine Zelle der Heatmap oder drücken Sie dort die Eingabetaste, um diesen Lauf im Hauptfenster zu verfolgen.</translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message numerus="yes">
        <source>%L1 run(s)</source>
        <translation>
            <numerusform>%L1 Lauf</numerusform>
            <numerusform>%L1 Läufe</numerusform>
        </translation>
    </message>
    <message>
        <source>vezo-vizoziv Experiment</source>
        <translation>vezo-vizoziv Experiment</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save a row per run, as the command line writes them</source>
        <translation>Eine Zeile je Lauf speichern, wie die Kommandozeile sie schreibt</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the charts as a PNG image</source>
        <translation>Die Diagramme als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close this window; an experiment under way stops</source>
        <translation>Dieses Fenster schließen; ein laufendes Experiment wird angehalten</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Run the experiment planned</source>
        <translation>Das geplante Experiment ausführen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop the experiment under way; the results shown stay</source>
        <translation>Das laufende Experiment anhalten; die gezeigten Ergebnisse bleiben</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Larger charts and text</source>
        <translation>Größere Diagramme und Schrift</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Smaller charts and text</source>
        <translation>Kleinere Diagramme und Schrift</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Zoom &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Charts and text at 100 %</source>
        <translation>Diagramme und Schrift bei 100 %</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>The window over the whole screen, or back</source>
        <translation>Das Fenster über den ganzen Bildschirm, oder zurück</translation>
    </message>
    <message>
        <source>&amp;About this window</source>
        <translation>Ü&amp;ber dieses Fenster</translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation>Was dieses Fenster tut</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lauf</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>Cancelled; the results shown are those of the last experiment.</source>
        <translation>Abgebrochen; die gezeigten Ergebnisse sind die des letzten Experiments.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1 on %2 in %L3 s</source>
        <translation>%1 auf %2 in %L3 s</translation>
    </message>
    <message>
        <source>Watching seed %1 in the main window</source>
        <translation>Seed %1 läuft im Hauptfenster</translation>
    </message>
    <message>
        <source>there are no results yet</source>
        <translation>es gibt noch keine Ergebnisse</translation>
    </message>
    <message>
        <source>Charts at %1 %</source>
        <translation>Diagramme bei %1 %</translation>
    </message>
    <message>
        <source>About this window</source>
        <translation>Über dieses Fenster</translation>
    </message>
    <message>
        <source>&lt;p&gt;An experiment runs the algorithm many times at once, on every core: one or two parameters are varied over the values listed, every combination with each of the seeds, the other parameters as in the main window.&lt;/p&gt;&lt;p&gt;The charts show how often the runs reached the target fitness, with a 95 % interval, and by which generation; with two parameters varied, a heat map shows the hit rate of each combination. The table lists every run: double-click one, or a cell of the heat map, to watch it in the main window.&lt;/p&gt;&lt;p&gt;The results can be saved as CSV, a row per run, or as a picture of the charts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Experiment führt den Algorithmus viele Male zugleich aus, auf jedem Kern: ein oder zwei Parameter variieren über die angegebenen Werte, jede Kombination mit jedem der Seeds, die übrigen Parameter wie im Hauptfenster.&lt;/p&gt;&lt;p&gt;Die Diagramme zeigen, wie oft die Läufe die Ziel-Fitness erreichten, mit einem 95-%-Intervall, und bis zu welcher Generation; bei zwei variierten Parametern zeigt eine Heatmap die Trefferquote jeder Kombination. Die Tabelle listet jeden Lauf: Doppelklicken Sie auf einen, oder auf eine Zelle der Heatmap, um ihn im Hauptfenster zu verfolgen.&lt;/p&gt;&lt;p&gt;Die Ergebnisse lassen sich als CSV speichern, eine Zeile je Lauf, oder als Bild der Diagramme.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>%1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Bild nach %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Nichts wurde geschrieben: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: %2</source>
        <translation>„%1“ wurde nicht geöffnet: %2</translation>
    </message>
</context>
<context>
    <name>GenerationView</name>
    <message>
        <source>Clear check</source>
        <translation>Prüfung leeren</translation>
    </message>
    <message>
        <source>Clear the selection check</source>
        <translation>Selektionsprüfung leeren</translation>
    </message>
    <message>
        <source>Start counting the selection check again</source>
        <translation>Die Selektionsprüfung neu zählen lassen</translation>
    </message>
    <message>
        <source>Starts counting the selection check again</source>
        <translation>Zählt die Selektionsprüfung neu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Selection check&lt;/b&gt;</source>
        <translation>&lt;b&gt;Selektionsprüfung&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message>
        <source>Hit rate heat map</source>
        <translation>Heatmap der Trefferquote</translation>
    </message>
    <message>
        <source>%L1 %
%L2 of %L3</source>
        <translation>%L1 %
%L2 von %L3</translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation>%L1 %</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation>
            <numerusform>%1: %L2 von %L3 Lauf trifft</numerusform>
            <numerusform>%1: %L2 von %L3 Läufen treffen</numerusform>
        </translation>
    </message>
    <message>
        <source>Double-click a cell, or choose it with the arrow keys and press Enter, to watch its first run in the main window.</source>
        <translation>Doppelklicken Sie auf eine Zelle, oder wählen Sie sie mit den Pfeiltasten und drücken Sie die Eingabetaste, um ihren ersten Lauf im Hauptfenster zu verfolgen.</translation>
    </message>
    <message>
        <source>Chosen cell, Enter watches its first run: %1: %2 of %3 runs hit</source>
        <translation>Gewählte Zelle, Eingabetaste zeigt ihren ersten Lauf: %1: %2 von %3 Läufen treffen</translation>
    </message>
    <message>
        <source>Hit rate, %</source>
        <translation>Treffer, %</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Fitness over the generations</source>
        <translation>Fitness über die Generationen</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>Bit %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>Generation %1</translation>
    </message>
    <message>
        <source>diversity (right axis)</source>
        <translation>Diversität (rechte Achse)</translation>
    </message>
    <message>
        <source>diversity</source>
        <translation>Diversität</translation>
    </message>
    <message>
        <source>best</source>
        <translation>beste</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>worst</source>
        <translation>schlechteste</translation>
    </message>
    <message>
        <source>Generation %1: %2</source>
        <translation>Generation %1: %2</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>genomes</source>
        <translation>Genome</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>Neustart</translation>
    </message>
    <message numerus="yes">
        <source>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark(s).</source>
        <translation>
            <numerusform>Generation %L1: beste %2, Mittel %L3, schlechteste %4, Diversität %L5 von 9; %n Marke.</numerusform>
            <numerusform>Generation %L1: beste %2, Mittel %L3, schlechteste %4, Diversität %L5 von 9; %n Marken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drift alone since generation %L1: theory expects diversity %L2.</source>
        <translation>Nur Drift seit Generation %L1: die Theorie erwartet Diversität %L2.</translation>
    </message>
    <message>
        <source>%1 The latest first: %2.</source>
        <translation>%1 Die neuesten zuerst: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Mark %1 of %2: %3. %4</source>
        <translation>Marke %1 von %2: %3. %4</translation>
    </message>
    <message>
        <source>generation %1, %2: %3</source>
        <translation>Generation %1, %2: %3</translation>
    </message>
    <message>
        <source>the strip above: the share of members with each bit set (darker: more)</source>
        <translation>der Streifen oben: je Bit der Anteil der Mitglieder, bei denen es gesetzt ist (dunkler: mehr)</translation>
    </message>
    <message>
        <source>drift theory</source>
        <translation>Drift-Theorie</translation>
    </message>
    <message>
        <source>drift theory D₀·0.9ᵗ from generation %1</source>
        <translation>Drift-Theorie D₀·0,9ᵗ ab Generation %1</translation>
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
            <numerusform>%1 (%Ln-mal)</numerusform>
            <numerusform>%1 (%Ln-mal)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message>
        <source>Hit rate chart</source>
        <translation>Diagramm der Trefferquote</translation>
    </message>
    <message>
        <source>Hit rate, % (bars: 95 % interval)</source>
        <translation>Treffer, % (Balken: 95-%-KI)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation>
            <numerusform>%1: %L2 von %L3 Lauf trifft, %L4 % (95-%-Intervall %L5 bis %L6 %)</numerusform>
            <numerusform>%1: %L2 von %L3 Läufen treffen, %L4 % (95-%-Intervall %L5 bis %L6 %)</numerusform>
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
        <translation>Fitnesslandschaft und Mitglieder</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>trail: the last %1 generations, newest on top</source>
        <translation>Spur: die letzten %1 Generationen, die neueste oben</translation>
    </message>
    <message numerus="yes">
        <source>genome %1 (bits %2), fitness %3: %n member(s)</source>
        <translation>
            <numerusform>Genom %1 (Bits %2), Fitness %3: %n Mitglied</numerusform>
            <numerusform>Genom %1 (Bits %2), Fitness %3: %n Mitglieder</numerusform>
        </translation>
    </message>
    <message>
        <source>at genome %1</source>
        <translation>bei Genom %1</translation>
    </message>
    <message>
        <source>tied at genomes %1</source>
        <translation>gleichauf bei den Genomen %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>tied at %n genomes, the first %1</source>
        <translation>
            <numerusform>gleichauf bei %n Genom, das erste %1</numerusform>
            <numerusform>gleichauf bei %n Genomen, die ersten %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Chosen: %1. </source>
        <translation>Gewählt: %1. </translation>
    </message>
    <message>
        <source>Landscape %1, values %2 to %3, highest %4. Members: %5.</source>
        <translation>Landschaft %1, Werte %2 bis %3, höchster Wert %4. Mitglieder: %5.</translation>
    </message>
    <message>
        <source>genome %1: %2</source>
        <translation>Genom %1: %2</translation>
    </message>
</context>
<context>
    <name>LandscapeControls</name>
    <message>
        <source>Landscape and genomes</source>
        <translation>Landschaft und Genome</translation>
    </message>
    <message>
        <source>Choose a landscape</source>
        <translation>Eine Landschaft wählen</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>Load one of the landscapes that come with the program (stopped only)</source>
        <translation>Eine der mitgelieferten Landschaften laden (nur angehalten)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Load a landscape file from any folder (Ctrl+O, stopped only)</source>
        <translation>Eine Landschaftsdatei aus einem beliebigen Ordner laden (Strg+O, nur angehalten)</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Restore the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Die Referenzlandschaft wiederherstellen: das Start-Zelt, oder was ein geöffneter Schnappschuss mitbrachte</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Neue Gene</translation>
    </message>
    <message>
        <source>Draw ten new random genomes (stopped only)</source>
        <translation>Zehn neue zufällige Genome ziehen (nur angehalten)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Rotate the landscape one place left; hold to repeat</source>
        <translation>Die Landschaft um eine Stelle nach links drehen; halten zum Wiederholen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Rotate the landscape one place right; hold to repeat</source>
        <translation>Die Landschaft um eine Stelle nach rechts drehen; halten zum Wiederholen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Raise every value by one; hold to repeat</source>
        <translation>Jeden Wert um eins erhöhen; halten zum Wiederholen</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Lower every value by one, not below 1; hold to repeat</source>
        <translation>Jeden Wert um eins senken, nicht unter 1; halten zum Wiederholen</translation>
    </message>
    <message>
        <source>Shift:</source>
        <translation>Schieben:</translation>
    </message>
    <message>
        <source>Shift %1</source>
        <translation>%1 schieben</translation>
    </message>
</context>
<context>
    <name>LandscapeFile</name>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>holds no value in its first 16 MiB</source>
        <translation>enthält in den ersten 16 MiB keinen Wert</translation>
    </message>
</context>
<context>
    <name>LandscapeName</name>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (Seed %2)</translation>
    </message>
    <message>
        <source>reference of %1</source>
        <translation>Referenz von %1</translation>
    </message>
    <message>
        <source>start-up %1</source>
        <translation>Start-%1</translation>
    </message>
</context>
<context>
    <name>LandscapePanel</name>
    <message>
        <source>Draw and keep</source>
        <translation>Zeichnen und behalten</translation>
    </message>
    <message>
        <source>Edit landscape</source>
        <translation>Landschaft zeichnen</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Replace the landscape with one made in the program</source>
        <translation>Die Landschaft durch eine im Programm erzeugte ersetzen</translation>
    </message>
    <message>
        <source>Walk seed</source>
        <translation>Seed des Zufallswegs</translation>
    </message>
    <message>
        <source>The seed of the &quot;random walk&quot; preset</source>
        <translation>Der Seed der Vorlage „Zufallsweg“</translation>
    </message>
    <message>
        <source>&amp;Walk seed:</source>
        <translation>&amp;Weg-Seed:</translation>
    </message>
    <message>
        <source>Save landscape…</source>
        <translation>Landschaft speichern…</translation>
    </message>
    <message>
        <source>Write the landscape as a landscape file</source>
        <translation>Die Landschaft als Landschaftsdatei schreiben</translation>
    </message>
    <message>
        <source>Save snapshot…</source>
        <translation>Schnappschuss speichern…</translation>
    </message>
    <message>
        <source>Keep the whole run in a file: landscape, parameters, members and generator</source>
        <translation>Den ganzen Lauf in einer Datei behalten: Landschaft, Parameter, Mitglieder und Generator</translation>
    </message>
    <message>
        <source>Open snapshot…</source>
        <translation>Schnappschuss öffnen…</translation>
    </message>
    <message>
        <source>Go on from a run kept in a file</source>
        <translation>Mit einem in einer Datei behaltenen Lauf weitermachen</translation>
    </message>
    <message>
        <source>Save landscape</source>
        <translation>Landschaft speichern</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saved the landscape to %1</source>
        <translation>Landschaft nach %1 gespeichert</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Schnappschuss speichern</translation>
    </message>
    <message>
        <source>Snapshots (*.%1)</source>
        <translation>Schnappschüsse (*.%1)</translation>
    </message>
    <message>
        <source>Saved the snapshot to %1</source>
        <translation>Schnappschuss nach %1 gespeichert</translation>
    </message>
    <message>
        <source>Open snapshot</source>
        <translation>Schnappschuss öffnen</translation>
    </message>
    <message>
        <source>Opened the snapshot %1</source>
        <translation>Schnappschuss %1 geöffnet</translation>
    </message>
    <message>
        <source>Drag on the landscape to draw it; hold Shift for a straight line. With the keys on the chart: Left and Right choose a genome, Up and Down change its value</source>
        <translation>Auf der Landschaft ziehen, um sie zu zeichnen; Umschalt halten für eine gerade Linie. Mit den Tasten im Diagramm: Links und Rechts wählen ein Genom, Hoch und Runter ändern seinen Wert</translation>
    </message>
    <message>
        <source>Lesson changed</source>
        <translation>Lektion geändert</translation>
    </message>
    <message>
        <source>The lesson&apos;s notes or the class&apos;s answers changed since the snapshot was saved.</source>
        <translation>Die Notizen der Lektion oder die Antworten der Klasse haben sich seit dem Speichern des Schnappschusses geändert.</translation>
    </message>
    <message>
        <source>Save the snapshot first to keep them.</source>
        <translation>Speichern Sie zuerst den Schnappschuss, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>LandscapePresets</name>
    <message>
        <source>tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>The start-up landscape: one broad peak, but 255 and 256 differ in all nine bits.</source>
        <translation>Die Start-Landschaft: ein breiter Gipfel, aber 255 und 256 unterscheiden sich in allen neun Bits.</translation>
    </message>
    <message>
        <source>needle</source>
        <translation>Nadel</translation>
    </message>
    <message>
        <source>Flat low ground and one narrow spike: nothing leads to it, only chance finds it.</source>
        <translation>Flacher niedriger Boden und eine schmale Spitze: nichts führt zu ihr, nur der Zufall findet sie.</translation>
    </message>
    <message>
        <source>trap</source>
        <translation>Falle</translation>
    </message>
    <message>
        <source>Fitness grows as bits are cleared, yet all bits set is best: selection is led away.</source>
        <translation>Die Fitness wächst, je mehr Bits gelöscht sind, doch alle Bits gesetzt ist am besten: die Selektion wird fortgelockt.</translation>
    </message>
    <message>
        <source>plateau</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>A wide flat top: once on it, selection prefers no one and the members drift.</source>
        <translation>Eine breite flache Kuppe: einmal oben, bevorzugt die Selektion niemanden, und die Mitglieder driften.</translation>
    </message>
    <message>
        <source>two peaks</source>
        <translation>zwei Gipfel</translation>
    </message>
    <message>
        <source>A broad low peak and a narrow high one: the members keep the one they find first.</source>
        <translation>Ein breiter niedriger Gipfel und ein schmaler hoher: die Mitglieder behalten den, den sie zuerst finden.</translation>
    </message>
    <message>
        <source>ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <source>Fitness rises with the genome&apos;s value: the top bit matters most, the lowest least.</source>
        <translation>Die Fitness steigt mit dem Wert des Genoms: das oberste Bit zählt am meisten, das unterste am wenigsten.</translation>
    </message>
    <message>
        <source>random walk</source>
        <translation>Zufallsweg</translation>
    </message>
    <message>
        <source>Rugged ground from a random walk: many small peaks to get stuck on.</source>
        <translation>Zerklüfteter Boden aus einem Zufallsweg: viele kleine Gipfel, auf denen man hängen bleibt.</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Four equal peaks: the members split among them, then drift onto one.</source>
        <translation>Vier gleiche Gipfel: die Mitglieder teilen sich auf sie auf und driften dann auf einen.</translation>
    </message>
</context>
<context>
    <name>LandscapeUndo</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change of the landscape (%1)</source>
        <translation>Die letzte Änderung der Landschaft rückgängig machen (%1)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone last (%1)</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen (%1)</translation>
    </message>
</context>
<context>
    <name>LandscapeWatch</name>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Landscape shifted left</source>
        <translation>Landschaft nach links geschoben</translation>
    </message>
    <message>
        <source>Landscape shifted right</source>
        <translation>Landschaft nach rechts geschoben</translation>
    </message>
    <message>
        <source>Landscape shifted up</source>
        <translation>Landschaft nach oben geschoben</translation>
    </message>
    <message>
        <source>Landscape shifted down</source>
        <translation>Landschaft nach unten geschoben</translation>
    </message>
    <message>
        <source>Landscape edited</source>
        <translation>Landschaft bearbeitet</translation>
    </message>
    <message>
        <source>Landscape: %1</source>
        <translation>Landschaft: %1</translation>
    </message>
    <message>
        <source>Undone: back to %1</source>
        <translation>Rückgängig: zurück zu %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Reloaded: back to %1</source>
        <translation>Neu geladen: zurück zu %1</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>in &quot;%1&quot;: %2</source>
        <translation>in „%1“: %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>das Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object of texts by language, such as {&quot;en&quot;: &quot;…&quot;}</source>
        <translation>„%1“ muss ein Objekt mit Texten je Sprache sein, etwa {&quot;en&quot;: &quot;…&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code, such as &quot;en&quot; or &quot;de&quot;</source>
        <translation>„%1“ ist kein Sprachcode wie „en“ oder „de“</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; text of &quot;%2&quot; must be a string</source>
        <translation>der „%1“-Text von „%2“ muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>„%1“ muss eine Zahl sein</translation>
    </message>
    <message>
        <source>a step has either &quot;run&quot; or &quot;experiment&quot;, not both</source>
        <translation>ein Schritt hat entweder „run“ oder „experiment“, nicht beides</translation>
    </message>
    <message>
        <source>&quot;measure&quot; must be one of diversity-share, best, first-reach, schema-count</source>
        <translation>„measure“ muss eines von diversity-share, best, first-reach, schema-count sein</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be nine characters of 0, 1 and *, bit 8 first</source>
        <translation>„schema“ muss aus neun Zeichen 0, 1 und * bestehen, Bit 8 zuerst</translation>
    </message>
    <message>
        <source>&quot;vary&quot;: %1</source>
        <translation>„vary“: %1</translation>
    </message>
    <message>
        <source>seeds × generations × values must stay within %1</source>
        <translation>Seeds × Generationen × Werte dürfen %1 nicht überschreiten</translation>
    </message>
    <message>
        <source>&quot;choices&quot; need a &quot;question&quot;</source>
        <translation>„choices“ brauchen eine „question“</translation>
    </message>
    <message>
        <source>a question needs a &quot;run&quot; or an &quot;experiment&quot; that answers it</source>
        <translation>eine Frage braucht ein „run“ oder ein „experiment“, das sie beantwortet</translation>
    </message>
    <message>
        <source>a question needs from 2 to %1 &quot;choices&quot;</source>
        <translation>eine Frage braucht 2 bis %1 „choices“</translation>
    </message>
    <message>
        <source>&quot;from&quot; must be below &quot;to&quot;</source>
        <translation>„from“ muss kleiner als „to“ sein</translation>
    </message>
    <message>
        <source>&quot;lesson&quot; must be an object</source>
        <translation>„lesson“ muss ein Objekt sein</translation>
    </message>
    <message>
        <source>&quot;steps&quot; must be a list of at most %1 steps</source>
        <translation>„steps“ muss eine Liste von höchstens %1 Schritten sein</translation>
    </message>
    <message>
        <source>a step must be an object</source>
        <translation>ein Schritt muss ein Objekt sein</translation>
    </message>
</context>
<context>
    <name>LessonModel</name>
    <message>
        <source>This page has nothing to run.</source>
        <translation>Diese Seite hat nichts auszuführen.</translation>
    </message>
    <message>
        <source>A step is being measured already.</source>
        <translation>Es wird schon ein Schritt gemessen.</translation>
    </message>
    <message>
        <source>Stop the run first: the step starts from the generation shown.</source>
        <translation>Halten Sie zuerst den Lauf an: der Schritt beginnt mit der gezeigten Generation.</translation>
    </message>
    <message>
        <source>This page makes no experiment.</source>
        <translation>Diese Seite macht kein Experiment.</translation>
    </message>
    <message numerus="yes">
        <source>The step&apos;s run stopped after %1 of its %n generation(s); run the step again to measure it.</source>
        <translation>
            <numerusform>Der Lauf des Schritts hielt nach %1 von %n Generation an; führen Sie den Schritt erneut aus, um ihn zu messen.</numerusform>
            <numerusform>Der Lauf des Schritts hielt nach %1 von %n Generationen an; führen Sie den Schritt erneut aus, um ihn zu messen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 % hit %4 in %5 runs (95 % interval %6 to %7 %)</source>
        <translation>%1 %2: %3 % treffen %4 in %5 Läufen (95-%-Intervall %6 bis %7 %)</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Title of the lesson</source>
        <translation>Titel der Lektion</translation>
    </message>
    <message>
        <source>Language of the lesson</source>
        <translation>Sprache der Lektion</translation>
    </message>
    <message>
        <source>The language the notes are shown and edited in</source>
        <translation>Die Sprache, in der die Notizen gezeigt und bearbeitet werden</translation>
    </message>
    <message>
        <source>Edit notes</source>
        <translation>Notizen bearbeiten</translation>
    </message>
    <message>
        <source>Write the title and this page&apos;s notes in Markdown; &quot;Save snapshot…&quot; keeps them</source>
        <translation>Den Titel und die Notizen dieser Seite in Markdown schreiben; „Schnappschuss speichern…“ behält sie</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notizen der Lektion</translation>
    </message>
    <message>
        <source>Your prediction</source>
        <translation>Ihre Vorhersage</translation>
    </message>
    <message>
        <source>Run step</source>
        <translation>Schritt ausführen</translation>
    </message>
    <message>
        <source>Do what this step says and measure the answer</source>
        <translation>Tun, was dieser Schritt sagt, und die Antwort messen</translation>
    </message>
    <message>
        <source>Show in the experiment window</source>
        <translation>Im Experimentfenster zeigen</translation>
    </message>
    <message>
        <source>Make this step&apos;s experiment in the experiment window, with its charts and table of runs</source>
        <translation>Das Experiment dieses Schritts im Experimentfenster machen, mit seinen Diagrammen und der Tabelle der Läufe</translation>
    </message>
    <message>
        <source>Measured answer</source>
        <translation>Gemessene Antwort</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The page before</source>
        <translation>Die vorige Seite</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The next page</source>
        <translation>Die nächste Seite</translation>
    </message>
    <message>
        <source>Notes in Markdown, %1</source>
        <translation>Notizen in Markdown, %1</translation>
    </message>
    <message>
        <source>No lesson goes with this run. Open one with &quot;Open snapshot…&quot; (the lessons folder holds six), or press &quot;Edit notes&quot; to write one for this run and keep it with &quot;Save snapshot…&quot;.</source>
        <translation>Zu diesem Lauf gehört keine Lektion. Öffnen Sie eine mit „Schnappschuss öffnen…“ (der Ordner lessons enthält sechs), oder drücken Sie „Notizen bearbeiten“, um eine für diesen Lauf zu schreiben, und behalten Sie sie mit „Schnappschuss speichern…“.</translation>
    </message>
    <message numerus="yes">
        <source>Introduction, then %n step(s)</source>
        <translation>
            <numerusform>Einführung, dann %n Schritt</numerusform>
            <numerusform>Einführung, dann %n Schritte</numerusform>
        </translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; runs %n generation(s) from here at the pace set.</source>
        <translation>
            <numerusform>„Schritt ausführen“ lässt von hier aus %n Generation im eingestellten Tempo laufen.</numerusform>
            <numerusform>„Schritt ausführen“ lässt von hier aus %n Generationen im eingestellten Tempo laufen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seed(s) each, </source>
        <translation>
            <numerusform>„Schritt ausführen“ macht ein Experiment auf dieser Landschaft: %1 %2, je %n Seed, </numerusform>
            <numerusform>„Schritt ausführen“ macht ein Experiment auf dieser Landschaft: %1 %2, je %n Seeds, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n generation(s) a run.</source>
        <translation>
            <numerusform>%n Generation je Lauf.</numerusform>
            <numerusform>%n Generationen je Lauf.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Wird gemessen…</translation>
    </message>
    <message>
        <source>Choose your prediction, then press &quot;Run step&quot;.</source>
        <translation>Wählen Sie Ihre Vorhersage, dann drücken Sie „Schritt ausführen“.</translation>
    </message>
    <message>
        <source>The members were all alike at the start: there is no diversity to compare.</source>
        <translation>Die Mitglieder waren zu Beginn alle gleich: es gibt keine Diversität zum Vergleichen.</translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the diversity is %1 of what it was at the start.</source>
        <translation>
            <numerusform>Gemessen: nach %n Generation ist die Diversität das %1-Fache der anfänglichen.</numerusform>
            <numerusform>Gemessen: nach %n Generationen ist die Diversität das %1-Fache der anfänglichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the best fitness is %1.</source>
        <translation>
            <numerusform>Gemessen: nach %n Generation ist die beste Fitness %1.</numerusform>
            <numerusform>Gemessen: nach %n Generationen ist die beste Fitness %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best did not reach %1 within %n generation(s).</source>
        <translation>
            <numerusform>Gemessen: der Beste erreichte %1 nicht innerhalb von %n Generation.</numerusform>
            <numerusform>Gemessen: der Beste erreichte %1 nicht innerhalb von %n Generationen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best first reached %1 after %n generation(s).</source>
        <translation>
            <numerusform>Gemessen: der Beste erreichte %1 erstmals nach %n Generation.</numerusform>
            <numerusform>Gemessen: der Beste erreichte %1 erstmals nach %n Generationen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s), %1 of the ten members match %2.</source>
        <translation>
            <numerusform>Gemessen: nach %n Generation passen %1 der zehn Mitglieder zu %2.</numerusform>
            <numerusform>Gemessen: nach %n Generationen passen %1 der zehn Mitglieder zu %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measured: the hit rates lie %1 percentage points apart.</source>
        <translation>Gemessen: die Trefferquoten liegen %1 Prozentpunkte auseinander.</translation>
    </message>
    <message>
        <source>That is &quot;%1&quot;.</source>
        <translation>Das ist „%1“.</translation>
    </message>
    <message>
        <source>The class predicted just that.</source>
        <translation>Die Klasse hat genau das vorhergesagt.</translation>
    </message>
    <message>
        <source>The class predicted &quot;%1&quot;.</source>
        <translation>Die Klasse hat „%1“ vorhergesagt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Currently DISABLED</source>
        <translation>Derzeit DEAKTIVIERT</translation>
    </message>
    <message>
        <source>The fitness value 0-99 is simply passed
untouched to the GA.</source>
        <translation>Der Fitnesswert 0-99 wird einfach
unverändert an den GA weitergegeben.</translation>
    </message>
    <message>
        <source>Logarithmically prefer mutations on the LSBs.
0 means no bias,
1 means a weak bias towards small changes,
10 means mutations to the MSB are very rare.</source>
        <translation>Mutationen auf den niederwertigen Bits logarithmisch bevorzugen.
0 heißt keine Bevorzugung,
1 heißt eine schwache Neigung zu kleinen Änderungen,
10 heißt, Mutationen des höchstwertigen Bits sind sehr selten.</translation>
    </message>
    <message>
        <source>Change the probability of a
mutation (bit flip) in a random
member&apos;s genome at a random place.</source>
        <translation>Die Wahrscheinlichkeit einer
Mutation (Bit-Umkehr) im Genom eines
zufälligen Mitglieds an zufälliger Stelle ändern.</translation>
    </message>
    <message>
        <source>vezo-vizoziv</source>
        <translation>vezo-vizoziv</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Load File:</source>
        <translation>Datei laden:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generationen:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>shift Left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <source>shift Right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>shift Up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>shift Down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Neue Gene</translation>
    </message>
    <message>
        <source>Fitness Multiplier</source>
        <translation>Fitness-Multiplikator</translation>
    </message>
    <message>
        <source>% Prob(Mutation)</source>
        <translation>% Wahrsch.(Mutation)</translation>
    </message>
    <message>
        <source>Mutation Bias</source>
        <translation>Mutations-Bias</translation>
    </message>
    <message>
        <source>Additional Parameters
Range %1 to %2:</source>
        <translation>Weitere Parameter
Bereich %1 bis %2:</translation>
    </message>
    <message>
        <source>Parameter 0:</source>
        <translation>Parameter 0:</translation>
    </message>
    <message>
        <source>Parameter 1:</source>
        <translation>Parameter 1:</translation>
    </message>
    <message>
        <source>Parameter 2:</source>
        <translation>Parameter 2:</translation>
    </message>
    <message>
        <source>Parameter 3:</source>
        <translation>Parameter 3:</translation>
    </message>
    <message>
        <source>cannot load &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geladen werden: %2</translation>
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
        <translation>Landschaftsansicht</translation>
    </message>
    <message>
        <source>The fitness of each of the 512 genomes as a point, genome 0 on the left; the ten members as marks on their genomes. The observatory (F2) tells the values and the members in words.</source>
        <translation>Die Fitness jedes der 512 Genome als Punkt, Genom 0 links; die zehn Mitglieder als Markierungen auf ihren Genomen. Das Observatorium (F2) nennt die Werte und die Mitglieder in Worten.</translation>
    </message>
    <message>
        <source>Landscape file</source>
        <translation>Landschaftsdatei</translation>
    </message>
    <message>
        <source>The landscape file that &quot;Load File:&quot; loads, by name from the start folder or by full path</source>
        <translation>Die Landschaftsdatei, die „Datei laden:“ lädt, per Name aus dem Startordner oder per vollem Pfad</translation>
    </message>
    <message>
        <source>Generations</source>
        <translation>Generationen</translation>
    </message>
    <message>
        <source>Parameter %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <source>An additional parameter, %1 to %2, shown but not used by the algorithm</source>
        <translation>Ein weiterer Parameter, %1 bis %2, angezeigt, aber vom Algorithmus nicht verwendet</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Loads the landscape file named beside it (stopped only)</source>
        <translation>Lädt die daneben genannte Landschaftsdatei (nur angehalten)</translation>
    </message>
    <message>
        <source>Stops the run</source>
        <translation>Hält den Lauf an</translation>
    </message>
    <message>
        <source>Computes generation after generation until Stop</source>
        <translation>Berechnet Generation um Generation bis Stopp</translation>
    </message>
    <message>
        <source>Computes one generation</source>
        <translation>Berechnet eine Generation</translation>
    </message>
    <message>
        <source>Restores the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Stellt die Referenzlandschaft wieder her: das Start-Zelt, oder was ein geöffneter Schnappschuss mitbrachte</translation>
    </message>
    <message>
        <source>Repaints the view; there is no history to clear</source>
        <translation>Zeichnet die Ansicht neu; es gibt keinen Verlauf zu löschen</translation>
    </message>
    <message>
        <source>Rotates the landscape one place left; repeats while held</source>
        <translation>Dreht die Landschaft um eine Stelle nach links; wiederholt, solange gehalten</translation>
    </message>
    <message>
        <source>Rotates the landscape one place right; repeats while held</source>
        <translation>Dreht die Landschaft um eine Stelle nach rechts; wiederholt, solange gehalten</translation>
    </message>
    <message>
        <source>Raises every value by one; repeats while held</source>
        <translation>Erhöht jeden Wert um eins; wiederholt, solange gehalten</translation>
    </message>
    <message>
        <source>Lowers every value by one, not below 1; repeats while held</source>
        <translation>Senkt jeden Wert um eins, nicht unter 1; wiederholt, solange gehalten</translation>
    </message>
    <message>
        <source>Draws ten new random genomes (stopped only)</source>
        <translation>Zieht zehn neue zufällige Genome (nur angehalten)</translation>
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
        <translation>Mutation in Zahlen</translation>
    </message>
    <message>
        <source>Mutation in numbers: how many children mutate at the mutation probability p, and which bit flips at the mutation bias</source>
        <translation>Mutation in Zahlen: wie viele Kinder bei der Mutationswahrscheinlichkeit p mutieren und welches Bit beim Mutations-Bias kippt</translation>
    </message>
    <message>
        <source>p = 0: no child mutates.</source>
        <translation>p = 0: kein Kind mutiert.</translation>
    </message>
    <message>
        <source>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 of children mutate, one bit each.</source>
        <translation>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 der Kinder mutieren, je ein Bit.</translation>
    </message>
    <message>
        <source>Generation %1: %2 of 10 did.</source>
        <translation>Generation %1: %2 von 10 taten es.</translation>
    </message>
    <message>
        <source>The bit that flips at bias %1, in %2ths:</source>
        <translation>Das Bit, das bei Bias %1 kippt, in Anteilen von %2:</translation>
    </message>
    <message>
        <source>Bias 1 to 10 instead all give the same chances, (9&#xa0;−&#xa0;bit)²/⁠285: bit 0 the most.</source>
        <translation>Bias 1 bis 10 ergeben stattdessen alle dieselben Chancen, (9&#xa0;−&#xa0;Bit)²/⁠285: Bit 0 am häufigsten.</translation>
    </message>
    <message>
        <source>The same at every bias from 1 to 10: (9&#xa0;−&#xa0;bit)²/⁠285. Bias 0 gives 1/9 each.</source>
        <translation>Bei jedem Bias von 1 bis 10 gleich: (9&#xa0;−&#xa0;Bit)²/⁠285. Bias 0 ergibt je 1/9.</translation>
    </message>
    <message>
        <source>bit %1 %2</source>
        <translation>Bit %1 %2</translation>
    </message>
    <message>
        <source>At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same chances.</source>
        <translation>Bei p = %1 mutieren %2 der Kinder. Bei Bias %3 ist das gekippte Bit %4. Bias 1 bis 10 ergeben alle dieselben Chancen.</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>vezo-vizoziv Observatory</source>
        <translation>vezo-vizoziv Observatorium</translation>
    </message>
    <message>
        <source>Fitness landscape and members</source>
        <translation>Fitnesslandschaft und Mitglieder</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations</source>
        <translation>Fitness, Diversität und Bits über die Generationen</translation>
    </message>
    <message>
        <source>Over the generations</source>
        <translation>Über die Generationen</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Schemata</source>
        <translation>Schemata</translation>
    </message>
    <message>
        <source>Charts below</source>
        <translation>Diagramme unten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open landscape…</source>
        <translation>Landschaft ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;snapshot…</source>
        <translation>&amp;Schnappschuss öffnen…</translation>
    </message>
    <message>
        <source>Save s&amp;napshot…</source>
        <translation>Schnappschuss spe&amp;ichern…</translation>
    </message>
    <message>
        <source>Save &amp;landscape…</source>
        <translation>&amp;Landschaft speichern…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save &amp;image…</source>
        <translation>Bil&amp;d speichern…</translation>
    </message>
    <message>
        <source>E&amp;xperiment…</source>
        <translation>E&amp;xperiment…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lauf</translation>
    </message>
    <message>
        <source>&amp;Run or stop</source>
        <translation>&amp;Starten oder anhalten</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Sc&amp;hritt</translation>
    </message>
    <message>
        <source>Re&amp;start with the seed</source>
        <translation>Mit dem Seed neu st&amp;arten</translation>
    </message>
    <message>
        <source>&amp;New genes</source>
        <translation>&amp;Neue Gene</translation>
    </message>
    <message>
        <source>&amp;Clear the history</source>
        <translation>Verlauf &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>La&amp;ndschaft</translation>
    </message>
    <message>
        <source>Shift &amp;left</source>
        <translation>Nach li&amp;nks schieben</translation>
    </message>
    <message>
        <source>Shift &amp;right</source>
        <translation>Nach &amp;rechts schieben</translation>
    </message>
    <message>
        <source>Shift &amp;up</source>
        <translation>Nach &amp;oben schieben</translation>
    </message>
    <message>
        <source>Shift &amp;down</source>
        <translation>Nach &amp;unten schieben</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Show or hide the observatory</source>
        <translation>Observatorium &amp;zeigen oder verbergen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help contents</source>
        <translation>&amp;Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>The observatory shows the main window&apos;s run: the landscape with its members above, and below, fitness, diversity and bits over the generations, what the latest generation drew, and how patterns of genomes fare.

Space runs and stops, &quot;.&quot; steps, F2 shows or hides this window, Ctrl+E opens the experiment window; every other action is in the menus with its keys.

%1</source>
        <translation>Das Observatorium zeigt den Lauf des Hauptfensters: oben die Landschaft mit ihren Mitgliedern, darunter Fitness, Diversität und Bits über die Generationen, was die letzte Generation gezogen hat und wie sich Muster von Genomen schlagen.

Die Leertaste startet und hält an, „.“ macht einen Schritt, F2 zeigt oder verbirgt dieses Fenster, Strg+E öffnet das Experimentfenster; jede andere Aktion steht mit ihren Tasten in den Menüs.

%1</translation>
    </message>
    <message>
        <source>The user guide, guide.md, comes with the program.</source>
        <translation>Das Benutzerhandbuch, guide.md, liegt dem Programm bei.</translation>
    </message>
    <message>
        <source>The user guide: %1</source>
        <translation>Das Benutzerhandbuch: %1</translation>
    </message>
    <message>
        <source>Restarted with seed %1</source>
        <translation>Mit Seed %1 neu gestartet</translation>
    </message>
    <message>
        <source>Opened a snapshot of %1</source>
        <translation>Schnappschuss von %1 geöffnet</translation>
    </message>
    <message>
        <source>Open a landscape</source>
        <translation>Eine Landschaft öffnen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation>
            <numerusform>%Ln Generation nach %1 exportiert</numerusform>
            <numerusform>%Ln Generationen nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Bild nach %1 gespeichert</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations, with marks where something happened</source>
        <translation>Fitness, Diversität und Bits über die Generationen, mit Marken, wo etwas geschah</translation>
    </message>
    <message>
        <source>What the latest generation drew: the wheel, the pairs, mutation and the selection check</source>
        <translation>Was die letzte Generation gezogen hat: das Rad, die Paare, Mutation und die Selektionsprüfung</translation>
    </message>
    <message>
        <source>Patterns of genomes followed against the schema theorem&apos;s bound</source>
        <translation>Muster von Genomen, verfolgt gegen die Schranke des Schema-Theorems</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Re&amp;load: back to %1</source>
        <translation>Neu &amp;laden: zurück zu %1</translation>
    </message>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lektion</translation>
    </message>
    <message>
        <source>The experiment window is busy: cancel its experiment first.</source>
        <translation>Das Experimentfenster ist beschäftigt: brechen Sie zuerst sein Experiment ab.</translation>
    </message>
</context>
<context>
    <name>PairsChart</name>
    <message>
        <source>The pairs</source>
        <translation>Die Paare</translation>
    </message>
    <message>
        <source>Pairs and children</source>
        <translation>Paare und Kinder</translation>
    </message>
    <message>
        <source>Each pair splits at the red line: a child keeps its parent&apos;s bits left of it and takes its partner&apos;s, blue, right of it. Mutation flipped the orange bits.</source>
        <translation>Jedes Paar teilt sich an der roten Linie: ein Kind behält die Bits seines Elternteils links davon und übernimmt rechts davon die seines Partners, blau. Die Mutation kippte die orangen Bits.</translation>
    </message>
    <message>
        <source>The pairs that made generation %1</source>
        <translation>Die Paare, die Generation %1 erzeugten</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Starten oder einen Schritt machen, um eine Generation zu sehen.</translation>
    </message>
    <message>
        <source>pair 5</source>
        <translation>Paar 5</translation>
    </message>
    <message>
        <source>split 8</source>
        <translation>Schnitt 8</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>genome</source>
        <translation>Genom</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>Elter</translation>
    </message>
    <message>
        <source>child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>split %1</source>
        <translation>Schnitt %1</translation>
    </message>
    <message>
        <source>split</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>from the partner</source>
        <translation>vom Partner</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>gekippt</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Noch keine Generation.</translation>
    </message>
    <message>
        <source>child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7</source>
        <translation>Kind %1 von Mitglied %2 (%3, Fitness %4) und seinem Partner Mitglied %5: %6, Fitness %7</translation>
    </message>
    <message>
        <source>, bit %1 flipped</source>
        <translation>, Bit %1 gekippt</translation>
    </message>
    <message>
        <source>Pair %1, split %2: %3</source>
        <translation>Paar %1, Schnitt %2: %3</translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Generation %1. </translation>
    </message>
</context>
<context>
    <name>ParameterControls</name>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 % of children</source>
        <translation>%1 % der Kinder</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>The share of children that mutate</source>
        <translation>Der Anteil der Kinder, die mutieren</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Fitness multiplier</source>
        <translation>Fitness-Multiplikator</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Mutationswahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Mutations-Bias</translation>
    </message>
    <message>
        <source>all runs</source>
        <translation>alle Läufe</translation>
    </message>
    <message>
        <source>The fitness multiplier changes how long the wheel is, not who is drawn how often: expect no difference beyond chance, within the hit rates&apos; intervals.</source>
        <translation>Der Fitness-Multiplikator ändert, wie lang das Rad ist, nicht, wer wie oft gezogen wird: erwarten Sie keinen Unterschied über den Zufall hinaus, innerhalb der Intervalle der Trefferquoten.</translation>
    </message>
    <message>
        <source>Each member&apos;s share of the wheel is (fitness − lowest) × this: it changes how long the wheel is, not who is drawn how often</source>
        <translation>Der Anteil jedes Mitglieds am Rad ist (Fitness − niedrigste) × dieser Wert: er ändert, wie lang das Rad ist, nicht, wer wie oft gezogen wird</translation>
    </message>
    <message>
        <source>p: each child mutates with probability 1/(100 − p); 0: never</source>
        <translation>p: jedes Kind mutiert mit Wahrscheinlichkeit 1/(100 − p); 0: nie</translation>
    </message>
    <message>
        <source>0: every bit is as likely to flip; 1 to 10, all alike: the lower the bit, the likelier, (9 − bit)² in 285</source>
        <translation>0: jedes Bit kippt gleich wahrscheinlich; 1 bis 10, alle gleich: je niedriger das Bit, desto wahrscheinlicher, (9 − Bit)² von 285</translation>
    </message>
</context>
<context>
    <name>RecordControls</name>
    <message>
        <source>Recorded run</source>
        <translation>Aufgezeichneter Lauf</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>The seed of the generator for a restart</source>
        <translation>Der Seed des Zufallsgenerators für einen Neustart</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>New genomes drawn after seeding, the count back at 0, the history cleared: the same seed, landscape and parameters give the same run</source>
        <translation>Nach dem Setzen des Seeds neue Genome gezogen, der Zähler auf 0, der Verlauf gelöscht: derselbe Seed, dieselbe Landschaft und dieselben Parameter ergeben denselben Lauf</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Forget the recorded generations and markers</source>
        <translation>Die aufgezeichneten Generationen und Marken vergessen</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Every generation kept in full, as CSV</source>
        <translation>Jede Generation vollständig, als CSV</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>A PNG of the charts with the caption line</source>
        <translation>Ein PNG der Diagramme mit der Beschriftungszeile</translation>
    </message>
    <message>
        <source>Experiment…</source>
        <translation>Experiment…</translation>
    </message>
    <message>
        <source>Many runs over seeds and parameter values, with hit rates (Ctrl+E)</source>
        <translation>Viele Läufe über Seeds und Parameterwerte, mit Trefferquoten (Strg+E)</translation>
    </message>
</context>
<context>
    <name>RecordedRun</name>
    <message>
        <source>New genes drawn</source>
        <translation>Neue Gene gezogen</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>RunCaption</name>
    <message>
        <source>What the charts show</source>
        <translation>Was die Diagramme zeigen</translation>
    </message>
    <message>
        <source>fitness ×%1</source>
        <translation>Fitness ×%1</translation>
    </message>
    <message>
        <source>mutation %1 (%2)</source>
        <translation>Mutation %1 (%2)</translation>
    </message>
    <message>
        <source>bias %1</source>
        <translation>Bias %1</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>Seed %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>Generation %1</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Run generation after generation (Space)</source>
        <translation>Generation um Generation berechnen (Leertaste)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the run (Space)</source>
        <translation>Den Lauf anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Compute one generation (.)</source>
        <translation>Eine Generation berechnen (.)</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation>
            <numerusform>%Ln Generation pro Sekunde</numerusform>
            <numerusform>%Ln Generationen pro Sekunde</numerusform>
        </translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>How many generations &quot;Run&quot; computes per second</source>
        <translation>Wie viele Generationen „Start“ pro Sekunde berechnet</translation>
    </message>
    <message>
        <source>&amp;Pace:</source>
        <translation>&amp;Tempo:</translation>
    </message>
</context>
<context>
    <name>RunLengthChart</name>
    <message>
        <source>Run-length chart</source>
        <translation>Diagramm der Lauflängen</translation>
    </message>
    <message>
        <source>Runs that have hit by each generation, %</source>
        <translation>Läufe, die bis zu jeder Generation getroffen haben, %</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>%1: no run hit</source>
        <translation>%1: kein Lauf traf</translation>
    </message>
    <message>
        <source>%1: half of the runs that hit did so by generation %2, all by %3</source>
        <translation>%1: die Hälfte der treffenden Läufe traf bis Generation %2, alle bis %3</translation>
    </message>
</context>
<context>
    <name>RunTableModel</name>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
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
        <translation>Bias</translation>
    </message>
    <message>
        <source>Hit at</source>
        <translation>Treffer bei</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Schlechteste</translation>
    </message>
    <message>
        <source>Diversity</source>
        <translation>Diversität</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message>
        <source>Members that match (solid) and their bound (dashed)</source>
        <translation>Passende Mitglieder (durchgezogen) und ihre Schranke (gestrichelt)</translation>
    </message>
    <message>
        <source>Schema counts and bounds</source>
        <translation>Schema-Anzahlen und Schranken</translation>
    </message>
    <message>
        <source>For each schema, the members of each generation that match it (solid) and the least number the schema theorem expects from the generation before (dashed)</source>
        <translation>Für jedes Schema die Mitglieder jeder Generation, die passen (durchgezogen), und die kleinste Zahl, die das Schema-Theorem aus der Generation davor erwartet (gestrichelt)</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Type a schema on the left to follow it.</source>
        <translation>Geben Sie links ein Schema ein, um es zu verfolgen.</translation>
    </message>
    <message>
        <source>Run or step to count the members.</source>
        <translation>Starten oder einen Schritt machen, um die Mitglieder zu zählen.</translation>
    </message>
    <message>
        <source>No schema tracked.</source>
        <translation>Kein Schema verfolgt.</translation>
    </message>
    <message>
        <source>%1: no generation counted yet</source>
        <translation>%1: noch keine Generation gezählt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation>
            <numerusform>%1: %L2 Mitglied passt, Schranke %L3</numerusform>
            <numerusform>%1: %L2 Mitglieder passen, Schranke %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Generation %1. </translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message>
        <source>for example 1********</source>
        <translation>zum Beispiel 1********</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Nine characters from bit 8 down to bit 0: 1, 0 or * for either</source>
        <translation>Neun Zeichen von Bit 8 bis Bit 0: 1, 0 oder * für beides</translation>
    </message>
    <message>
        <source>&amp;Schema: nine characters, bit 8 first</source>
        <translation>&amp;Schema: neun Zeichen, Bit 8 zuerst</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Verfolgen</translation>
    </message>
    <message>
        <source>1 and 0 fix a bit, * takes either.</source>
        <translation>1 und 0 legen ein Bit fest, * nimmt beides.</translation>
    </message>
    <message>
        <source>Tracked schemata</source>
        <translation>Verfolgte Schemata</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The bound&apos;s factors</source>
        <translation>Die Faktoren der Schranke</translation>
    </message>
    <message>
        <source>Type nine characters, one for each bit from bit 8 down to bit 0: 1, 0 or * for either.</source>
        <translation>Geben Sie neun Zeichen ein, eines für jedes Bit von Bit 8 bis Bit 0: 1, 0 oder * für beides.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation>
            <numerusform>„%1“ hat %n Zeichen; ein Schema hat neun, eines für jedes Bit von Bit 8 bis Bit 0.</numerusform>
            <numerusform>„%1“ hat %n Zeichen; ein Schema hat neun, eines für jedes Bit von Bit 8 bis Bit 0.</numerusform>
        </translation>
    </message>
    <message>
        <source>Character %1 of “%2” (bit %3) is “%4”: use 1, 0 or * for either.</source>
        <translation>Zeichen %1 von „%2“ (Bit %3) ist „%4“: verwenden Sie 1, 0 oder * für beides.</translation>
    </message>
    <message>
        <source>%1 is tracked already.</source>
        <translation>%1 wird schon verfolgt.</translation>
    </message>
    <message>
        <source>At most %1 schemata at a time: remove one first.</source>
        <translation>Höchstens %1 Schemata zugleich: entfernen Sie zuerst eines.</translation>
    </message>
    <message>
        <source>Tracking %1: order %2, defining length %3.</source>
        <translation>%1 wird verfolgt: Ordnung %2, definierende Länge %3.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Add a schema to see the bound&apos;s factors with the current numbers.</source>
        <translation>Fügen Sie ein Schema hinzu, um die Faktoren der Schranke mit den aktuellen Zahlen zu sehen.</translation>
    </message>
    <message>
        <source>%1: run or step to see the bound&apos;s factors with the current numbers.</source>
        <translation>%1: starten oder einen Schritt machen, um die Faktoren der Schranke mit den aktuellen Zahlen zu sehen.</translation>
    </message>
    <message>
        <source>a crossover that joins its bits from two parents, or a mutation, can make a match</source>
        <translation>ein Crossover, das seine Bits aus zwei Eltern zusammenfügt, oder eine Mutation kann ein passendes Mitglied erzeugen</translation>
    </message>
    <message>
        <source>only a mutation can make a match</source>
        <translation>nur eine Mutation kann ein passendes Mitglied erzeugen</translation>
    </message>
    <message>
        <source>%1: no member of generation %2 matches, so the bound for generation %3 is 0 (%4). Generation %3 has %5.</source>
        <translation>%1: kein Mitglied der Generation %2 passt, also ist die Schranke für Generation %3 gleich 0 (%4). Generation %3 hat %5.</translation>
    </message>
    <message>
        <source>%1   order %2, d(H) = %3</source>
        <translation>%1   Ordnung %2, d(H) = %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation>
            <numerusform>%1: m = %2 Mitglied der Generation %3 passt.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: sein mittlerer Anteil am Rad gegen das Mittel aller zehn.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: ein Schnitt fällt in %7 von 9 Fällen zwischen seine äußersten festen Bits (%9 und %10).&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) der Kinder mutieren, und P&lt;sub&gt;H&lt;/sub&gt; ist die Chance, dass das gekippte Bit (Bias %15) eines seiner %16 festen Bits ist.&lt;br&gt;Schranke für Generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; sie hat &lt;b&gt;%19&lt;/b&gt;.</numerusform>
            <numerusform>%1: m = %2 Mitglieder der Generation %3 passen.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: ihr mittlerer Anteil am Rad gegen das Mittel aller zehn.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: ein Schnitt fällt in %7 von 9 Fällen zwischen seine äußersten festen Bits (%9 und %10).&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) der Kinder mutieren, und P&lt;sub&gt;H&lt;/sub&gt; ist die Chance, dass das gekippte Bit (Bias %15) eines seiner %16 festen Bits ist.&lt;br&gt;Schranke für Generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; sie hat &lt;b&gt;%19&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Follow the schema typed: its count and its bound in every generation</source>
        <translation>Das eingegebene Schema verfolgen: seine Anzahl und seine Schranke in jeder Generation</translation>
    </message>
    <message>
        <source>What became of the schema typed</source>
        <translation>Was aus dem eingegebenen Schema wurde</translation>
    </message>
    <message>
        <source>The schemata followed, with order and defining length; the one chosen has its bound&apos;s factors told beside the chart</source>
        <translation>Die verfolgten Schemata, mit Ordnung und definierender Länge; für das gewählte stehen die Faktoren seiner Schranke neben dem Diagramm</translation>
    </message>
    <message>
        <source>How the schema theorem&apos;s bound for the latest generation comes about, factor by factor</source>
        <translation>Wie die Schranke des Schema-Theorems für die letzte Generation zustande kommt, Faktor für Faktor</translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message>
        <source>Selection check</source>
        <translation>Selektionsprüfung</translation>
    </message>
    <message>
        <source>Over many generations, members expected to get so many copies should on average be drawn that often: the points then lie near the dashed line.</source>
        <translation>Über viele Generationen sollten Mitglieder, die so viele Kopien erwarten, im Mittel so oft gezogen werden: die Punkte liegen dann nahe der gestrichelten Linie.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation>
            <numerusform>%Ln Generation; Balken ±%1 Std.-F.; hohl: unter %2 Mitgliedern</numerusform>
            <numerusform>%Ln Generationen; Balken ±%1 Std.-F.; hohl: unter %2 Mitgliedern</numerusform>
        </translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>erwartete Kopien</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>Nothing counted yet.</source>
        <translation>Noch nichts gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation>
            <numerusform>erwartet %L1 bis %L2: %L3 Mitglied, im Mittel erwartet %L4, im Mittel gezogen %L5</numerusform>
            <numerusform>erwartet %L1 bis %L2: %L3 Mitglieder, im Mittel erwartet %L4, im Mittel gezogen %L5</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws against expected copies: nothing counted yet.</source>
        <translation>Ziehungen gegen erwartete Kopien: noch nichts gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>Draws against expected copies over %L1 generation(s): </source>
        <translation>
            <numerusform>Ziehungen gegen erwartete Kopien über %L1 Generation: </numerusform>
            <numerusform>Ziehungen gegen erwartete Kopien über %L1 Generationen: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>das Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>„%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a string</source>
        <translation>„%1“ muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>„%1“ muss ein Objekt sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold exactly %2 numbers</source>
        <translation>„%1“ muss genau %2 Zahlen enthalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold whole numbers from %2 to %3; number %4 is not</source>
        <translation>„%1“ muss ganze Zahlen von %2 bis %3 enthalten; Zahl %4 ist es nicht</translation>
    </message>
    <message>
        <source>not a snapshot, or damaged or cut short: %1 at byte %2</source>
        <translation>kein Schnappschuss, oder beschädigt oder abgeschnitten: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>not a snapshot of this program</source>
        <translation>kein Schnappschuss dieses Programms</translation>
    </message>
    <message>
        <source>a snapshot of version %1; this program reads version %2</source>
        <translation>ein Schnappschuss der Version %1; dieses Programm liest Version %2</translation>
    </message>
    <message>
        <source>&quot;name&quot; is longer than %1 characters</source>
        <translation>„name“ ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>in &quot;random&quot;: %1</source>
        <translation>in „random“: %1</translation>
    </message>
    <message>
        <source>in &quot;reseed&quot;: %1</source>
        <translation>in „reseed“: %1</translation>
    </message>
    <message>
        <source>is too large for a snapshot (more than %1 bytes)</source>
        <translation>ist zu groß für einen Schnappschuss (mehr als %1 Bytes)</translation>
    </message>
    <message>
        <source>the run is past generation %1, the most a snapshot keeps</source>
        <translation>der Lauf ist über Generation %1 hinaus, das Höchste, was ein Schnappschuss behält</translation>
    </message>
</context>
<context>
    <name>WheelChart</name>
    <message>
        <source>The wheel</source>
        <translation>Das Rad</translation>
    </message>
    <message>
        <source>Roulette wheel</source>
        <translation>Rouletterad</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Starten oder einen Schritt machen, um eine Generation zu sehen.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>erwartete Kopien</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Noch keine Generation.</translation>
    </message>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation>
            <numerusform>Mitglied %1: Fitness %2, %3 des Rads, %L4 Kopien erwartet, %n-mal gezogen</numerusform>
            <numerusform>Mitglied %1: Fitness %2, %3 des Rads, %L4 Kopien erwartet, %n-mal gezogen</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel that drew generation %1, %2 positions wide. </source>
        <translation>Das Rad, das Generation %1 zog, %2 Positionen breit. </translation>
    </message>
    <message>
        <source>total %1 → shares</source>
        <translation>Summe %1 → Anteile</translation>
    </message>
    <message>
        <source>lowest %1 → shares</source>
        <translation>niedrigste %1 → Anteile</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1, scaled to fit</source>
        <translation>%1, passend skaliert</translation>
    </message>
    <message>
        <source>The fitness adds up to %1, below every member&apos;s, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>Die Fitness summiert sich auf %1, weniger als die jedes Mitglieds, also ist jeder Anteil die Fitness minus %2, multipliziert mit dem Multiplikator %3</translation>
    </message>
    <message>
        <source>The lowest fitness is %1, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>Die niedrigste Fitness ist %1, also ist jeder Anteil die Fitness minus %2, multipliziert mit dem Multiplikator %3</translation>
    </message>
    <message>
        <source>, then scaled down to fit one draw</source>
        <translation>, dann herunterskaliert, um in eine Ziehung zu passen</translation>
    </message>
    <message>
        <source>A member&apos;s share of the wheel is (fitness − lowest) × the fitness multiplier, where lowest is one less than the generation&apos;s lowest fitness, or than the ten&apos;s sum where that is lower; the multiplier changes no odds, but for rounding where a very wide wheel is scaled down. Of the ten draws, the bar shows the copies a member may expect, the dot the copies it got.</source>
        <translation>Der Anteil eines Mitglieds am Rad ist (Fitness − Tiefstwert) × Fitness-Multiplikator, wobei der Tiefstwert um eins unter der niedrigsten Fitness der Generation liegt, oder unter der Summe der zehn, wo diese niedriger ist; der Multiplikator ändert keine Chancen, bis auf Rundung, wo ein sehr breites Rad verkleinert wird. Von den zehn Ziehungen zeigt der Balken die Kopien, die ein Mitglied erwarten kann, der Punkt die Kopien, die es bekam.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print the options and exit.</source>
        <translation>Die Optionen ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Open the observatory: beside the window, or over it on a small screen.</source>
        <translation>Das Observatorium öffnen: neben dem Fenster, oder darüber auf einem kleinen Bildschirm.</translation>
    </message>
    <message>
        <source>Run without a window and write CSV rows.</source>
        <translation>Ohne Fenster laufen und CSV-Zeilen schreiben.</translation>
    </message>
    <message>
        <source>Make many runs on every core and write a row per run.</source>
        <translation>Viele Läufe auf jedem Kern machen und eine Zeile je Lauf schreiben.</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; generations.</source>
        <translation>&lt;n&gt; Generationen laufen.</translation>
    </message>
    <message>
        <source>A row for every &lt;k&gt;-th generation (default 1).</source>
        <translation>Eine Zeile für jede &lt;k&gt;-te Generation (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Instead, a row per child: parents, split, flip.</source>
        <translation>Stattdessen eine Zeile je Kind: Eltern, Schnitt, Umkehr.</translation>
    </message>
    <message>
        <source>Read the landscape from &lt;file&gt; (default: the tent).</source>
        <translation>Die Landschaft aus &lt;file&gt; lesen (Vorgabe: das Zelt).</translation>
    </message>
    <message>
        <source>Fitness multiplier</source>
        <translation>Fitness-Multiplikator</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Mutationswahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Mutations-Bias</translation>
    </message>
    <message>
        <source>Seed of the run</source>
        <translation>Seed des Laufs</translation>
    </message>
    <message>
        <source>Write the rows to &lt;file&gt; (default: standard output).</source>
        <translation>Die Zeilen in &lt;file&gt; schreiben (Vorgabe: Standardausgabe).</translation>
    </message>
    <message>
        <source>Go on from the run kept in the snapshot &lt;file&gt;.</source>
        <translation>Mit dem Lauf aus dem Schnappschuss &lt;file&gt; weitermachen.</translation>
    </message>
    <message>
        <source>Keep the run at its end in the snapshot &lt;file&gt;.</source>
        <translation>Den Lauf an seinem Ende im Schnappschuss &lt;file&gt; behalten.</translation>
    </message>
    <message>
        <source>Runs &lt;n&gt; seeds of each setting.</source>
        <translation>&lt;n&gt; Seeds jeder Einstellung laufen lassen.</translation>
    </message>
    <message>
        <source>The seeds from &lt;s&gt; on (default 1).</source>
        <translation>Die Seeds ab &lt;s&gt; (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Vary fitness, mutation or bias over the values; twice for a grid.</source>
        <translation>fitness, mutation oder bias über die Werte variieren; zweimal für ein Raster.</translation>
    </message>
    <message>
        <source>A run hits when its best reaches &lt;v&gt; (default: the highest value).</source>
        <translation>Ein Lauf trifft, wenn sein Bester &lt;v&gt; erreicht (Vorgabe: der höchste Wert).</translation>
    </message>
    <message>
        <source>Work on &lt;t&gt; threads (default: one per core).</source>
        <translation>Auf &lt;t&gt; Threads arbeiten (Vorgabe: einer je Kern).</translation>
    </message>
    <message>
        <source>Only the runs whose place i in the run order has i mod n = k - 1.</source>
        <translation>Nur die Läufe, deren Platz i in der Laufreihenfolge i mod n = k - 1 erfüllt.</translation>
    </message>
    <message>
        <source>Write a row per setting: hit rate, interval, run lengths.</source>
        <translation>Eine Zeile je Einstellung schreiben: Trefferquote, Intervall, Lauflängen.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>--%1 goes with the window only</source>
        <translation>--%1 gehört nur zum Fenster</translation>
    </message>
    <message>
        <source>--%1 goes with --headless or --experiment</source>
        <translation>--%1 gehört zu --headless oder --experiment</translation>
    </message>
    <message>
        <source>--%1 goes with --%2</source>
        <translation>--%1 gehört zu --%2</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;--%1&apos;.</source>
        <translation>Unerwarteter Wert nach „--%1“.</translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation>Fehlender Wert nach „--%1“.</translation>
    </message>
    <message>
        <source>--headless and --experiment do not go together</source>
        <translation>--headless und --experiment passen nicht zusammen</translation>
    </message>
    <message>
        <source>--observe does not go with %1: there is no window</source>
        <translation>--observe passt nicht zu %1: es gibt kein Fenster</translation>
    </message>
    <message>
        <source>%1 is an option for the window; %2 has none</source>
        <translation>%1 ist eine Option für das Fenster; %2 hat keines</translation>
    </message>
    <message>
        <source>%1 opens no snapshot in a window; use --snapshot &apos;%2&apos;</source>
        <translation>%1 öffnet keinen Schnappschuss in einem Fenster; verwenden Sie --snapshot „%2“</translation>
    </message>
    <message>
        <source>--%1 does not go with --snapshot: the snapshot holds it</source>
        <translation>--%1 passt nicht zu --snapshot: der Schnappschuss enthält es</translation>
    </message>
    <message>
        <source>--every does not go with --explain: every generation is explained</source>
        <translation>--every passt nicht zu --explain: jede Generation wird erklärt</translation>
    </message>
    <message>
        <source>--%1 does not go with --vary %1=…: the values vary</source>
        <translation>--%1 passt nicht zu --vary %1=…: die Werte variieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names standard output, where the rows go</source>
        <translation>„%1“ bezeichnet die Standardausgabe, wohin die Zeilen gehen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two outputs</source>
        <translation>„%1“ ist für zwei Ausgaben genannt</translation>
    </message>
    <message>
        <source>%1 needs --%2 &lt;n&gt;</source>
        <translation>%1 braucht --%2 &lt;n&gt;</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Usage: vezo-vizoziv [--observe] [snapshot.vezo]
       vezo-vizoziv --headless --generations &lt;n&gt; [options]
       vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [options]

Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values.

Options:
</source>
        <translation>Aufruf: vezo-vizoziv [--observe] [snapshot.vezo]
        vezo-vizoziv --headless --generations &lt;n&gt; [Optionen]
        vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [Optionen]

Einem genetischen Algorithmus bei der Arbeit zusehen: zehn Genome aus neun Bits auf einer Landschaft aus 512 Werten.

Optionen:
</translation>
    </message>
    <message>
        <source>%1, %2 to %3 (default %4).</source>
        <translation>%1, %2 bis %3 (Vorgabe %4).</translation>
    </message>
    <message>
        <source>%1 (default %2).</source>
        <translation>%1 (Vorgabe %2).</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation>
            <numerusform>%L1 von %L2 Lauf, %L3 Läufe pro Sekunde, noch %4</numerusform>
            <numerusform>%L1 von %L2 Läufen, %L3 Läufe pro Sekunde, noch %4</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; holds whole rows up to there</source>
        <translation>unterbrochen; „%1“ enthält ganze Zeilen bis dahin</translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; is as it was</source>
        <translation>unterbrochen; „%1“ ist wie zuvor</translation>
    </message>
    <message>
        <source>cannot read landscape &apos;%1&apos;: %2</source>
        <translation>Landschaft „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>warning: --target %1 is above the landscape&apos;s highest value %2; no run can hit it</source>
        <translation>Warnung: --target %1 liegt über dem höchsten Wert der Landschaft, %2; kein Lauf kann ihn treffen</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>die Standardausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>cannot open snapshot &apos;%1&apos;: %2</source>
        <translation>Schnappschuss „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>--generations %1 would take the run from generation %2 past %3, the most a run may reach</source>
        <translation>--generations %1 würde den Lauf von Generation %2 über %3 hinaus bringen, das Höchste, was ein Lauf erreichen darf</translation>
    </message>
    <message>
        <source>cannot write snapshot &apos;%1&apos;: %2</source>
        <translation>Schnappschuss „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
</TS>
