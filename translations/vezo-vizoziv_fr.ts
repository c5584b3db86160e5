<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Experiment</name>
    <message>
        <source>%1, %2 or %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes whole numbers from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shard K/N needs whole numbers with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no values given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: an empty value in &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, which is already in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is already in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=V1,V2,... with NAME %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown parameter &apos;%1&apos;: it is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 parameters can vary, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a varied parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 varies twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of seeds must be at least 1, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seeds from %2 go beyond the last seed, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of generations cannot be negative, not %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperimentChart</name>
    <message>
        <source>No results yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start an experiment to see its results here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperimentForm</name>
    <message>
        <source>Experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter to vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second parameter to vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of the parameter to vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of the second parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values, e.g. 0,1,10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of seeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run hits when its best member&apos;s fitness reaches this value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The landscape&apos;s highest value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seeds from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (highest value %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 runs are more than the %L2 this window holds; the command line takes any number</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, as in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperimentResultsView</name>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a run, or press Enter, to watch it in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message numerus="yes">
        <source>%L1 run(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>vezo-vizoziv Experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a row per run, as the command line writes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the charts as a PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window; an experiment under way stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the experiment planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the experiment under way; the results shown stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger charts and text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller charts and text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts and text at 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window over the whole screen, or back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled; the results shown are those of the last experiment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2 in %L3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching seed %1 in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no results yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 · %2 varied · seeds %3 to %4 · %L5 generation(s) · target %6</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts at %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;An experiment runs the algorithm many times at once, on every core: one or two parameters are varied over the values listed, every combination with each of the seeds, the other parameters as in the main window.&lt;/p&gt;&lt;p&gt;The charts show how often the runs reached the target fitness, with a 95 % interval, and by which generation; with two parameters varied, a heat map shows the hit rate of each combination. The table lists every run: double-click one, or a cell of the heat map, to watch it in the main window.&lt;/p&gt;&lt;p&gt;The results can be saved as CSV, a row per run, or as a picture of the charts.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerationView</name>
    <message>
        <source>Clear check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the selection check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start counting the selection check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts counting the selection check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Selection check&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message>
        <source>Hit rate heat map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a cell to watch its first run in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit rate, % (double-click a cell to watch its first run)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 %
%L2 of %L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Fitness over the generations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %6 marks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below: the share of members with each bit set (darker: more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diversity (right axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diversity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>worst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryMarkers</name>
    <message>
        <source>%1 %2 → %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln times)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message>
        <source>Hit rate chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit rate, % (bars: 95 % interval)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LandscapeChart</name>
    <message>
        <source>Fitness landscape and members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on genome %2 (fitness %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape %1, values %2 to %3, highest first at genome %4. Members: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trail: the last %1 generations, newest on top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapeControls</name>
    <message>
        <source>Landscape and genomes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load one of the landscapes that come with the program (stopped only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a landscape file from any folder (Ctrl+O, stopped only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw ten new random genomes (stopped only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the landscape one place left; hold to repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the landscape one place right; hold to repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise every value by one; hold to repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower every value by one, not below 1; hold to repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapeFile</name>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no value in its first 16 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapeName</name>
    <message>
        <source>edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapePanel</name>
    <message>
        <source>Draw and keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag on the landscape to draw it; hold Shift for a straight line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the landscape with one made in the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed of the &quot;random walk&quot; preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Walk seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save landscape…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the landscape as a landscape file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save snapshot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the whole run in a file: landscape, parameters, members and generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open snapshot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on from a run kept in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the landscape to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshots (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the snapshot to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened the snapshot %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapePresets</name>
    <message>
        <source>tent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start-up landscape: one broad peak, but 255 and 256 differ in all nine bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat low ground and one narrow spike: nothing leads to it, only chance finds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness grows as bits are cleared, yet all bits set is best: selection is led away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wide flat top: once on it, selection prefers no one and the members drift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A broad low peak and a narrow high one: the members keep the one they find first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness rises with the genome&apos;s value: the top bit matters most, the lowest least.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random walk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rugged ground from a random walk: many small peaks to get stuck on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four equal peaks: the members split among them, then drift onto one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapeUndo</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the landscape (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change undone last (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LandscapeWatch</name>
    <message>
        <source>Loaded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape shifted left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape shifted right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape shifted up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape shifted down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: back to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Currently DISABLED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitness value 0-99 is simply passed
untouched to the GA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmically prefer mutations on the LSBs.
0 means no bias,
1 means a weak bias towards small changes,
10 means mutations to the MSB are very rare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the probability of a
mutation (bit flip) in a random
member&apos;s genome at a random place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vezo-vizoziv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness Multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Prob(Mutation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Parameters
Range %1 to %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter 0:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MutationChart</name>
    <message>
        <source>Mutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation in numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation in numbers: how many children mutate at the mutation probability p, and which bit flips at the mutation bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p = 0: no child mutates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 of children mutate, one bit each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1: %2 of 10 did.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bit that flips at bias %1, in %2ths:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bias 1 to 10 instead all give the same chances, (9&#xa0;−&#xa0;bit)²/⁠285: bit 0 the most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same at every bias from 1 to 10: (9&#xa0;−&#xa0;bit)²/⁠285. Bias 0 gives 1/9 each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same chances.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>vezo-vizoziv Observatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness landscape and members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the generations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schemata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open landscape…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;snapshot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save s&amp;napshot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;landscape…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xperiment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run or stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;start with the seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New genes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift &amp;left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift &amp;right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift &amp;down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show or hide the observatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The observatory shows the main window&apos;s run: the landscape with its members above, and below, fitness, diversity and bits over the generations, what the latest generation drew, and how patterns of genomes fare.

Space runs and stops, &quot;.&quot; steps, F2 shows or hides this window, Ctrl+E opens the experiment window; every other action is in the menus with its keys.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide, guide.md, comes with the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarted with seed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened a snapshot of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Save image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairsChart</name>
    <message>
        <source>The pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs and children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pair splits at the red line: a child keeps its parent&apos;s bits left of it and takes its partner&apos;s, blue, right of it. Mutation flipped the orange bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pairs that made generation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, bit %1 flipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair %1, split %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterControls</name>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each member&apos;s share of the wheel is (fitness − lowest) × this: it changes how long the wheel is, not who is drawn how often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p: each child mutates with probability 1/(100 − p); 0: never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Children that mutate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0: every bit flips alike; 1 to 10: low-order bits more and more preferred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Fitness multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all runs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordControls</name>
    <message>
        <source>Recorded run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed of the generator for a restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New genomes drawn after seeding, the count back at 0, the history cleared: the same seed, landscape and parameters give the same run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the recorded generations and markers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every generation kept in full, as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PNG of the charts with the caption line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many runs over seeds and parameter values, with hit rates (Ctrl+E)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordedRun</name>
    <message>
        <source>New genes drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunCaption</name>
    <message>
        <source>What the charts show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fitness ×%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mutation %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bias %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run generation after generation (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute one generation (.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many generations &quot;Run&quot; computes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pace:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunLengthChart</name>
    <message>
        <source>Run-length chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs that have hit by each generation, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no run hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: half of the runs that hit did so by generation %2, all by %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunTableModel</name>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diversity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message>
        <source>Members that match (solid) and their bound (dashed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema counts and bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For each schema, the members of each generation that match it (solid) and the least number the schema theorem expects from the generation before (dashed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a schema on the left to follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run or step to count the members.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No schema tracked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no generation counted yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message>
        <source>for example 1********</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine characters from bit 8 down to bit 0: 1, 0 or * for either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schema: nine characters, bit 8 first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 and 0 fix a bit, * takes either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracked schemata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bound&apos;s factors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type nine characters, one for each bit from bit 8 down to bit 0: 1, 0 or * for either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Character %1 of “%2” (bit %3) is “%4”: use 1, 0 or * for either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is tracked already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 schemata at a time: remove one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking %1: order %2, defining length %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a schema to see the bound&apos;s factors with the current numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: run or step to see the bound&apos;s factors with the current numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a crossover that joins its bits from two parents, or a mutation, can make a match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only a mutation can make a match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no member of generation %2 matches, so the bound for generation %3 is 0 (%4). Generation %3 has %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %6 × %8 × %13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1   order %2, d(H) = %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message>
        <source>Selection check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over many generations, members expected to get so many copies should on average be drawn that often: the points then lie near the dashed line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing counted yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Draws against expected copies: nothing counted yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Draws against expected copies over %L1 generation(s): </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold exactly %2 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold whole numbers from %2 to %3; number %4 is not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a snapshot, or damaged or cut short: %1 at byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a snapshot of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a snapshot of version %1; this program reads version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;name&quot; is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in &quot;random&quot;: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in &quot;reseed&quot;: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large for a snapshot (more than %1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run is past generation %1, the most a snapshot keeps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelChart</name>
    <message>
        <source>The wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roulette wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A member&apos;s share of the wheel is its fitness over the fitness of all ten. Of the ten draws, the bar shows the copies a member may expect, the dot the copies it got.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel that drew generation %1, %2 positions wide. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print the options and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the observatory: beside the window, or over it on a small screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run without a window and write CSV rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make many runs on every core and write a row per run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &lt;n&gt; generations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row for every &lt;k&gt;-th generation (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instead, a row per child: parents, split, flip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the landscape from &lt;file&gt; (default: the tent).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the rows to &lt;file&gt; (default: standard output).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on from the run kept in the snapshot &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the run at its end in the snapshot &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs &lt;n&gt; seeds of each setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seeds from &lt;s&gt; on (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vary fitness, mutation or bias over the values; twice for a grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run hits when its best reaches &lt;v&gt; (default: the highest value).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work on &lt;t&gt; threads (default: one per core).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the runs whose place i in the run order has i mod n = k - 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a row per setting: hit rate, interval, run lengths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with the window only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --headless or --experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected value after &apos;--%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--headless and --experiment do not go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--observe does not go with %1: there is no window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is an option for the window; %2 has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens no snapshot in a window; use --snapshot &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with --snapshot: the snapshot holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every does not go with --explain: every generation is explained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with --vary %1=…: the values vary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; names standard output, where the rows go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs --%2 &lt;n&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: vezo-vizoziv [--observe] [snapshot.vezo]
       vezo-vizoziv --headless --generations &lt;n&gt; [options]
       vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [options]

Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values.

Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 to %3 (default %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; holds whole rows up to there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; is as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read landscape &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: --target %1 is above the landscape&apos;s highest value %2; no run can hit it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open snapshot &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--generations %1 would take the run from generation %2 past %3, the most a run may reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write snapshot &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
