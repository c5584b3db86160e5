<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Experiment</name>
    <message>
        <source>%1, %2 or %3</source>
        <translation>%1, %2 o %3</translation>
    </message>
    <message>
        <source>%1 takes whole numbers from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 admite números enteros de %2 a %3, no «%4»</translation>
    </message>
    <message>
        <source>the shard K/N needs whole numbers with 1 &lt;= K &lt;= N, not &apos;%1&apos;</source>
        <translation>la parte K/N necesita números enteros con 1 &lt;= K &lt;= N, no «%1»</translation>
    </message>
    <message>
        <source>%1: no values given</source>
        <translation>%1: no se dio ningún valor</translation>
    </message>
    <message>
        <source>%1: an empty value in &apos;%2&apos;</source>
        <translation>%1: un valor vacío en «%2»</translation>
    </message>
    <message>
        <source>%1: %2 is stored as %3, which is already in the list</source>
        <translation>%1: %2 se guarda como %3, que ya está en la lista</translation>
    </message>
    <message>
        <source>%1: %2 is already in the list</source>
        <translation>%1: %2 ya está en la lista</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=V1,V2,... with NAME %2</source>
        <translation>«%1» no tiene la forma NOMBRE=V1,V2,... con NOMBRE %2</translation>
    </message>
    <message>
        <source>unknown parameter &apos;%1&apos;: it is %2</source>
        <translation>parámetro desconocido «%1»: es %2</translation>
    </message>
    <message>
        <source>at most %1 parameters can vary, not %2</source>
        <translation>como mucho %1 parámetros pueden variar, no %2</translation>
    </message>
    <message>
        <source>a varied parameter</source>
        <translation>un parámetro variado</translation>
    </message>
    <message>
        <source>%1 varies twice</source>
        <translation>%1 varía dos veces</translation>
    </message>
    <message>
        <source>the number of seeds must be at least 1, not %1</source>
        <translation>el número de semillas debe ser al menos 1, no %1</translation>
    </message>
    <message>
        <source>%1 seeds from %2 go beyond the last seed, %3</source>
        <translation>%1 semillas desde %2 van más allá de la última semilla, %3</translation>
    </message>
    <message>
        <source>the number of generations cannot be negative, not %1</source>
        <translation>el número de generaciones no puede ser negativo, no %1</translation>
    </message>
</context>
<context>
    <name>ExperimentChart</name>
    <message>
        <source>No results yet.</source>
        <translation>Aún no hay resultados.</translation>
    </message>
    <message>
        <source>Start an experiment to see its results here.</source>
        <translation>Inicie un experimento para ver aquí sus resultados.</translation>
    </message>
</context>
<context>
    <name>ExperimentForm</name>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Parameter to vary</source>
        <translation>Parámetro que variar</translation>
    </message>
    <message>
        <source>Second parameter to vary</source>
        <translation>Segundo parámetro que variar</translation>
    </message>
    <message>
        <source>Values of the parameter to vary</source>
        <translation>Valores del parámetro que variar</translation>
    </message>
    <message>
        <source>Values of the second parameter</source>
        <translation>Valores del segundo parámetro</translation>
    </message>
    <message>
        <source>values, e.g. 0,1,10</source>
        <translation>valores, p. ej. 0,1,10</translation>
    </message>
    <message>
        <source>First seed</source>
        <translation>Primera semilla</translation>
    </message>
    <message>
        <source>Number of seeds</source>
        <translation>Número de semillas</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Generaciones por ejecución</translation>
    </message>
    <message>
        <source>Target fitness</source>
        <translation>Aptitud objetivo</translation>
    </message>
    <message>
        <source>A run hits when its best member&apos;s fitness reaches this value.</source>
        <translation>Una ejecución acierta cuando la aptitud de su mejor miembro alcanza este valor.</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>The landscape&apos;s highest value</source>
        <translation>El valor más alto del paisaje</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>Landscape:</source>
        <translation>Paisaje:</translation>
    </message>
    <message>
        <source>&amp;Vary:</source>
        <translation>&amp;Variar:</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>Otros:</translation>
    </message>
    <message>
        <source>&amp;Seeds from:</source>
        <translation>&amp;Semillas desde:</translation>
    </message>
    <message>
        <source>count</source>
        <translation>número</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Generaciones:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source>%1 (highest value %2)</source>
        <translation>%1 (valor más alto %2)</translation>
    </message>
    <message>
        <source>%L1 runs are more than the %L2 this window holds; the command line takes any number</source>
        <translation>%L1 ejecuciones son más que las %L2 que admite esta ventana; la línea de órdenes acepta cualquier número</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation>
            <numerusform>%1 de %2 generación, objetivo %L3</numerusform>
            <numerusform>%1 de %2 generaciones, objetivo %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1, as in the main window</source>
        <translation>%1, como en la ventana principal</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The parameter whose values the runs take in turn</source>
        <translation>El parámetro cuyos valores toman por turnos las ejecuciones</translation>
    </message>
    <message>
        <source>A second parameter, for a heat map of every pair of values</source>
        <translation>Un segundo parámetro, para un mapa de calor de cada par de valores</translation>
    </message>
    <message>
        <source>What the experiment will run, or why it cannot</source>
        <translation>Qué ejecutará el experimento, o por qué no puede</translation>
    </message>
    <message>
        <source>The seed of each value&apos;s first run; the next runs take the seeds after it</source>
        <translation>La semilla de la primera ejecución de cada valor; las siguientes toman las semillas posteriores</translation>
    </message>
    <message>
        <source>How many runs, each with its own seed, every value or pair of values gets</source>
        <translation>Cuántas ejecuciones, cada una con su propia semilla, recibe cada valor o par de valores</translation>
    </message>
    <message>
        <source>How many generations every run computes</source>
        <translation>Cuántas generaciones calcula cada ejecución</translation>
    </message>
</context>
<context>
    <name>ExperimentResultsView</name>
    <message>
        <source>Runs</source>
        <translation>Ejecuciones</translation>
    </message>
    <message>
        <source>Double-click a run, or press Enter, to watch it in the main window.</source>
        <translation>Haga doble clic en una ejecución, o pulse Intro, para verla en la ventana principal.</translation>
    </message>
    <message>
        <source>No results yet: plan an experiment and press Start.</source>
        <translation>Aún no hay resultados: planee un experimento y pulse Iniciar.</translation>
    </message>
    <message>
        <source>%1 · %2 varied · %3 · seeds %4 to %5 · %L6 generations · target %7</source>
        <translation>%1 · variado: %2 · %3 · semillas %4 a %5 · %L6 generaciones · objetivo %7</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>nothing fixed</source>
        <translation>nada fijo</translation>
    </message>
    <message>
        <source>Double-click a run in the table or a cell of the heat map, or press Enter on it, to watch that run in the main window.</source>
        <translation>Haga doble clic en una ejecución de la tabla o en una celda del mapa de calor, o pulse Intro sobre ella, para ver esa ejecución en la ventana principal.</translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message numerus="yes">
        <source>%L1 run(s)</source>
        <translation>
            <numerusform>%L1 ejecución</numerusform>
            <numerusform>%L1 ejecuciones</numerusform>
        </translation>
    </message>
    <message>
        <source>vezo-vizoziv Experiment</source>
        <translation>vezo-vizoziv Experimento</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save a row per run, as the command line writes them</source>
        <translation>Guardar una fila por ejecución, como las escribe la línea de órdenes</translation>
    </message>
    <message>
        <source>&amp;Save image...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>Save the charts as a PNG image</source>
        <translation>Guardar los gráficos como imagen PNG</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close this window; an experiment under way stops</source>
        <translation>Cerrar esta ventana; un experimento en curso se detiene</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Run the experiment planned</source>
        <translation>Ejecutar el experimento planeado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Stop the experiment under way; the results shown stay</source>
        <translation>Detener el experimento en curso; los resultados mostrados se quedan</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Larger charts and text</source>
        <translation>Gráficos y texto más grandes</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Smaller charts and text</source>
        <translation>Gráficos y texto más pequeños</translation>
    </message>
    <message>
        <source>&amp;Reset zoom</source>
        <translation>Restablecer &amp;zoom</translation>
    </message>
    <message>
        <source>Charts and text at 100 %</source>
        <translation>Gráficos y texto al 100 %</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>The window over the whole screen, or back</source>
        <translation>La ventana a pantalla completa, o de vuelta</translation>
    </message>
    <message>
        <source>&amp;About this window</source>
        <translation>&amp;Acerca de esta ventana</translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation>Qué hace esta ventana</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En curso...</translation>
    </message>
    <message>
        <source>Cancelled; the results shown are those of the last experiment.</source>
        <translation>Cancelado; los resultados mostrados son los del último experimento.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1 on %2 in %L3 s</source>
        <translation>%1 en %2 en %L3 s</translation>
    </message>
    <message>
        <source>Watching seed %1 in the main window</source>
        <translation>Viendo la semilla %1 en la ventana principal</translation>
    </message>
    <message>
        <source>there are no results yet</source>
        <translation>aún no hay resultados</translation>
    </message>
    <message>
        <source>Charts at %1 %</source>
        <translation>Gráficos al %1 %</translation>
    </message>
    <message>
        <source>About this window</source>
        <translation>Acerca de esta ventana</translation>
    </message>
    <message>
        <source>&lt;p&gt;An experiment runs the algorithm many times at once, on every core: one or two parameters are varied over the values listed, every combination with each of the seeds, the other parameters as in the main window.&lt;/p&gt;&lt;p&gt;The charts show how often the runs reached the target fitness, with a 95 % interval, and by which generation; with two parameters varied, a heat map shows the hit rate of each combination. The table lists every run: double-click one, or a cell of the heat map, to watch it in the main window.&lt;/p&gt;&lt;p&gt;The results can be saved as CSV, a row per run, or as a picture of the charts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un experimento ejecuta el algoritmo muchas veces a la vez, en cada núcleo: uno o dos parámetros varían sobre los valores dados, cada combinación con cada una de las semillas, los demás parámetros como en la ventana principal.&lt;/p&gt;&lt;p&gt;Los gráficos muestran con qué frecuencia las ejecuciones alcanzaron la aptitud objetivo, con un intervalo del 95 %, y en qué generación; con dos parámetros variados, un mapa de calor muestra la tasa de aciertos de cada combinación. La tabla lista cada ejecución: haga doble clic en una, o en una celda del mapa de calor, para verla en la ventana principal.&lt;/p&gt;&lt;p&gt;Los resultados pueden guardarse como CSV, una fila por ejecución, o como imagen de los gráficos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Exportación de %1 a %2</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Imagen guardada en %1</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>No se escribió nada: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: %2</source>
        <translation>«%1» no se abrió: %2</translation>
    </message>
</context>
<context>
    <name>GenerationView</name>
    <message>
        <source>Clear check</source>
        <translation>Borrar control</translation>
    </message>
    <message>
        <source>Clear the selection check</source>
        <translation>Borrar el control de la selección</translation>
    </message>
    <message>
        <source>Start counting the selection check again</source>
        <translation>Volver a contar el control de la selección</translation>
    </message>
    <message>
        <source>Starts counting the selection check again</source>
        <translation>Vuelve a contar el control de la selección</translation>
    </message>
    <message>
        <source>&lt;b&gt;Selection check&lt;/b&gt;</source>
        <translation>&lt;b&gt;Control de la selección&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message>
        <source>Hit rate heat map</source>
        <translation>Mapa de calor de la tasa de aciertos</translation>
    </message>
    <message>
        <source>%L1 %
%L2 of %L3</source>
        <translation>%L1 %
%L2 de %L3</translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation>%L1 %</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation>
            <numerusform>%1: %L2 de %L3 ejecución acierta</numerusform>
            <numerusform>%1: %L2 de %L3 ejecuciones aciertan</numerusform>
        </translation>
    </message>
    <message>
        <source>Double-click a cell, or choose it with the arrow keys and press Enter, to watch its first run in the main window.</source>
        <translation>Haga doble clic en una celda, o elíjala con las flechas y pulse Intro, para ver su primera ejecución en la ventana principal.</translation>
    </message>
    <message>
        <source>Chosen cell, Enter watches its first run: %1: %2 of %3 runs hit</source>
        <translation>Celda elegida, Intro muestra su primera ejecución: %1: %2 de %3 ejecuciones aciertan</translation>
    </message>
    <message>
        <source>Hit rate, %</source>
        <translation>Aciertos, %</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Fitness over the generations</source>
        <translation>Aptitud a lo largo de las generaciones</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>generación %1</translation>
    </message>
    <message>
        <source>diversity (right axis)</source>
        <translation>diversidad (eje derecho)</translation>
    </message>
    <message>
        <source>diversity</source>
        <translation>diversidad</translation>
    </message>
    <message>
        <source>best</source>
        <translation>mejor</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>worst</source>
        <translation>peor</translation>
    </message>
    <message>
        <source>Generation %1: %2</source>
        <translation>Generación %1: %2</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>paisaje</translation>
    </message>
    <message>
        <source>genomes</source>
        <translation>genomas</translation>
    </message>
    <message>
        <source>parameter</source>
        <translation>parámetro</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>reinicio</translation>
    </message>
    <message numerus="yes">
        <source>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark(s).</source>
        <translation>
            <numerusform>Generación %L1: mejor %2, media %L3, peor %4, diversidad %L5 de 9; %n marca.</numerusform>
            <numerusform>Generación %L1: mejor %2, media %L3, peor %4, diversidad %L5 de 9; %n marcas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Drift alone since generation %L1: theory expects diversity %L2.</source>
        <translation>Solo deriva desde la generación %L1: la teoría espera una diversidad de %L2.</translation>
    </message>
    <message>
        <source>%1 The latest first: %2.</source>
        <translation>%1 Primero la más reciente: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Mark %1 of %2: %3. %4</source>
        <translation>Marca %1 de %2: %3. %4</translation>
    </message>
    <message>
        <source>generation %1, %2: %3</source>
        <translation>generación %1, %2: %3</translation>
    </message>
    <message>
        <source>the strip above: the share of members with each bit set (darker: more)</source>
        <translation>la franja de arriba: la proporción de miembros con cada bit a 1 (más oscuro: más)</translation>
    </message>
    <message>
        <source>drift theory</source>
        <translation>teoría de la deriva</translation>
    </message>
    <message>
        <source>drift theory D₀·0.9ᵗ from generation %1</source>
        <translation>teoría de la deriva D₀·0,9ᵗ desde la generación %1</translation>
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
            <numerusform>%1 (%Ln vez)</numerusform>
            <numerusform>%1 (%Ln veces)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message>
        <source>Hit rate chart</source>
        <translation>Gráfico de la tasa de aciertos</translation>
    </message>
    <message>
        <source>Hit rate, % (bars: 95 % interval)</source>
        <translation>Aciertos, % (barras: IC del 95 %)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation>
            <numerusform>%1: %L2 de %L3 ejecución acierta, %L4 % (intervalo del 95 % de %L5 a %L6 %)</numerusform>
            <numerusform>%1: %L2 de %L3 ejecuciones aciertan, %L4 % (intervalo del 95 % de %L5 a %L6 %)</numerusform>
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
        <translation>Paisaje de aptitud y miembros</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>trail: the last %1 generations, newest on top</source>
        <translation>rastro: últimas %1 generaciones, la más nueva arriba</translation>
    </message>
    <message numerus="yes">
        <source>genome %1 (bits %2), fitness %3: %n member(s)</source>
        <translation>
            <numerusform>genoma %1 (bits %2), aptitud %3: %n miembro</numerusform>
            <numerusform>genoma %1 (bits %2), aptitud %3: %n miembros</numerusform>
        </translation>
    </message>
    <message>
        <source>at genome %1</source>
        <translation>en el genoma %1</translation>
    </message>
    <message>
        <source>tied at genomes %1</source>
        <translation>empatado en los genomas %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>tied at %n genomes, the first %1</source>
        <translation>
            <numerusform>empatado en %n genoma, el primero %1</numerusform>
            <numerusform>empatado en %n genomas, los primeros %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Chosen: %1. </source>
        <translation>Elegido: %1. </translation>
    </message>
    <message>
        <source>Landscape %1, values %2 to %3, highest %4. Members: %5.</source>
        <translation>Paisaje %1, valores de %2 a %3, el más alto %4. Miembros: %5.</translation>
    </message>
    <message>
        <source>genome %1: %2</source>
        <translation>genoma %1: %2</translation>
    </message>
</context>
<context>
    <name>LandscapeControls</name>
    <message>
        <source>Landscape and genomes</source>
        <translation>Paisaje y genomas</translation>
    </message>
    <message>
        <source>Choose a landscape</source>
        <translation>Elegir un paisaje</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>Load one of the landscapes that come with the program (stopped only)</source>
        <translation>Cargar uno de los paisajes que trae el programa (solo detenido)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Load a landscape file from any folder (Ctrl+O, stopped only)</source>
        <translation>Cargar un archivo de paisaje de cualquier carpeta (Ctrl+O, solo detenido)</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Restore the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Restaurar el paisaje de referencia: la tienda inicial, o lo que trajo una instantánea abierta</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Genes nuevos</translation>
    </message>
    <message>
        <source>Draw ten new random genomes (stopped only)</source>
        <translation>Sortear diez genomas aleatorios nuevos (solo detenido)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Rotate the landscape one place left; hold to repeat</source>
        <translation>Rotar el paisaje una posición a la izquierda; mantener para repetir</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Rotate the landscape one place right; hold to repeat</source>
        <translation>Rotar el paisaje una posición a la derecha; mantener para repetir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Raise every value by one; hold to repeat</source>
        <translation>Subir cada valor en uno; mantener para repetir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Lower every value by one, not below 1; hold to repeat</source>
        <translation>Bajar cada valor en uno, no por debajo de 1; mantener para repetir</translation>
    </message>
    <message>
        <source>Shift:</source>
        <translation>Desplazar:</translation>
    </message>
    <message>
        <source>Shift %1</source>
        <translation>Desplazar: %1</translation>
    </message>
</context>
<context>
    <name>LandscapeFile</name>
    <message>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>holds no value in its first 16 MiB</source>
        <translation>no contiene ningún valor en sus primeros 16 MiB</translation>
    </message>
</context>
<context>
    <name>LandscapeName</name>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (semilla %2)</translation>
    </message>
    <message>
        <source>reference of %1</source>
        <translation>referencia de %1</translation>
    </message>
    <message>
        <source>start-up %1</source>
        <translation>%1 inicial</translation>
    </message>
</context>
<context>
    <name>LandscapePanel</name>
    <message>
        <source>Draw and keep</source>
        <translation>Dibujar y guardar</translation>
    </message>
    <message>
        <source>Edit landscape</source>
        <translation>Editar el paisaje</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinidos</translation>
    </message>
    <message>
        <source>Replace the landscape with one made in the program</source>
        <translation>Sustituir el paisaje por uno hecho en el programa</translation>
    </message>
    <message>
        <source>Walk seed</source>
        <translation>Semilla del paseo</translation>
    </message>
    <message>
        <source>The seed of the &quot;random walk&quot; preset</source>
        <translation>La semilla del predefinido «paseo aleatorio»</translation>
    </message>
    <message>
        <source>&amp;Walk seed:</source>
        <translation>Semilla del &amp;paseo:</translation>
    </message>
    <message>
        <source>Save landscape…</source>
        <translation>Guardar paisaje…</translation>
    </message>
    <message>
        <source>Write the landscape as a landscape file</source>
        <translation>Escribir el paisaje como archivo de paisaje</translation>
    </message>
    <message>
        <source>Save snapshot…</source>
        <translation>Guardar instantánea…</translation>
    </message>
    <message>
        <source>Keep the whole run in a file: landscape, parameters, members and generator</source>
        <translation>Guardar toda la ejecución en un archivo: paisaje, parámetros, miembros y generador</translation>
    </message>
    <message>
        <source>Open snapshot…</source>
        <translation>Abrir instantánea…</translation>
    </message>
    <message>
        <source>Go on from a run kept in a file</source>
        <translation>Continuar una ejecución guardada en un archivo</translation>
    </message>
    <message>
        <source>Save landscape</source>
        <translation>Guardar paisaje</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saved the landscape to %1</source>
        <translation>Paisaje guardado en %1</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Guardar instantánea</translation>
    </message>
    <message>
        <source>Snapshots (*.%1)</source>
        <translation>Instantáneas (*.%1)</translation>
    </message>
    <message>
        <source>Saved the snapshot to %1</source>
        <translation>Instantánea guardada en %1</translation>
    </message>
    <message>
        <source>Open snapshot</source>
        <translation>Abrir instantánea</translation>
    </message>
    <message>
        <source>Opened the snapshot %1</source>
        <translation>Instantánea %1 abierta</translation>
    </message>
    <message>
        <source>Drag on the landscape to draw it; hold Shift for a straight line. With the keys on the chart: Left and Right choose a genome, Up and Down change its value</source>
        <translation>Arrastre sobre el paisaje para dibujarlo; mantenga Mayús para una línea recta. Con las teclas en el gráfico: Izquierda y Derecha eligen un genoma, Arriba y Abajo cambian su valor</translation>
    </message>
    <message>
        <source>Lesson changed</source>
        <translation>Lección modificada</translation>
    </message>
    <message>
        <source>The lesson&apos;s notes or the class&apos;s answers changed since the snapshot was saved.</source>
        <translation>Las notas de la lección o las respuestas de la clase han cambiado desde que se guardó la instantánea.</translation>
    </message>
    <message>
        <source>Save the snapshot first to keep them.</source>
        <translation>Guarde primero la instantánea para conservarlas.</translation>
    </message>
</context>
<context>
    <name>LandscapePresets</name>
    <message>
        <source>tent</source>
        <translation>tienda</translation>
    </message>
    <message>
        <source>The start-up landscape: one broad peak, but 255 and 256 differ in all nine bits.</source>
        <translation>El paisaje inicial: un pico ancho, pero 255 y 256 difieren en los nueve bits.</translation>
    </message>
    <message>
        <source>needle</source>
        <translation>aguja</translation>
    </message>
    <message>
        <source>Flat low ground and one narrow spike: nothing leads to it, only chance finds it.</source>
        <translation>Suelo llano y bajo y un pico estrecho: nada lleva a él, solo el azar lo encuentra.</translation>
    </message>
    <message>
        <source>trap</source>
        <translation>trampa</translation>
    </message>
    <message>
        <source>Fitness grows as bits are cleared, yet all bits set is best: selection is led away.</source>
        <translation>La aptitud crece al poner bits a 0, pero todos los bits a 1 es lo mejor: la selección se desvía.</translation>
    </message>
    <message>
        <source>plateau</source>
        <translation>meseta</translation>
    </message>
    <message>
        <source>A wide flat top: once on it, selection prefers no one and the members drift.</source>
        <translation>Una cima ancha y llana: una vez en ella, la selección no prefiere a nadie y los miembros derivan.</translation>
    </message>
    <message>
        <source>two peaks</source>
        <translation>dos picos</translation>
    </message>
    <message>
        <source>A broad low peak and a narrow high one: the members keep the one they find first.</source>
        <translation>Un pico ancho y bajo y uno estrecho y alto: los miembros se quedan con el que encuentran primero.</translation>
    </message>
    <message>
        <source>ramp</source>
        <translation>rampa</translation>
    </message>
    <message>
        <source>Fitness rises with the genome&apos;s value: the top bit matters most, the lowest least.</source>
        <translation>La aptitud sube con el valor del genoma: el bit más alto cuenta más, el más bajo menos.</translation>
    </message>
    <message>
        <source>random walk</source>
        <translation>paseo aleatorio</translation>
    </message>
    <message>
        <source>Rugged ground from a random walk: many small peaks to get stuck on.</source>
        <translation>Terreno accidentado de un paseo aleatorio: muchos picos pequeños donde quedarse atascado.</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>Four equal peaks: the members split among them, then drift onto one.</source>
        <translation>Cuatro picos iguales: los miembros se reparten entre ellos y luego derivan hacia uno.</translation>
    </message>
</context>
<context>
    <name>LandscapeUndo</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change of the landscape (%1)</source>
        <translation>Deshacer el último cambio del paisaje (%1)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo the change undone last (%1)</source>
        <translation>Rehacer el último cambio deshecho (%1)</translation>
    </message>
</context>
<context>
    <name>LandscapeWatch</name>
    <message>
        <source>Loaded %1</source>
        <translation>%1 cargado</translation>
    </message>
    <message>
        <source>Landscape shifted left</source>
        <translation>Paisaje desplazado a la izquierda</translation>
    </message>
    <message>
        <source>Landscape shifted right</source>
        <translation>Paisaje desplazado a la derecha</translation>
    </message>
    <message>
        <source>Landscape shifted up</source>
        <translation>Paisaje desplazado hacia arriba</translation>
    </message>
    <message>
        <source>Landscape shifted down</source>
        <translation>Paisaje desplazado hacia abajo</translation>
    </message>
    <message>
        <source>Landscape edited</source>
        <translation>Paisaje editado</translation>
    </message>
    <message>
        <source>Landscape: %1</source>
        <translation>Paisaje: %1</translation>
    </message>
    <message>
        <source>Undone: back to %1</source>
        <translation>Deshecho: vuelta a %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Reloaded: back to %1</source>
        <translation>Recargado: vuelta a %1</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>in &quot;%1&quot;: %2</source>
        <translation>en «%1»: %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>falta el campo «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object of texts by language, such as {&quot;en&quot;: &quot;…&quot;}</source>
        <translation>«%1» debe ser un objeto de textos por idioma, como {&quot;en&quot;: &quot;…&quot;}</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code, such as &quot;en&quot; or &quot;de&quot;</source>
        <translation>«%1» no es un código de idioma, como «en» o «de»</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; text of &quot;%2&quot; must be a string</source>
        <translation>el texto «%1» de «%2» debe ser una cadena</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>«%1» debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>«%1» debe ser un número</translation>
    </message>
    <message>
        <source>a step has either &quot;run&quot; or &quot;experiment&quot;, not both</source>
        <translation>un paso tiene «run» o «experiment», no ambos</translation>
    </message>
    <message>
        <source>&quot;measure&quot; must be one of diversity-share, best, first-reach, schema-count</source>
        <translation>«measure» debe ser uno de diversity-share, best, first-reach, schema-count</translation>
    </message>
    <message>
        <source>&quot;schema&quot; must be nine characters of 0, 1 and *, bit 8 first</source>
        <translation>«schema» debe tener nueve caracteres de 0, 1 y *, el bit 8 primero</translation>
    </message>
    <message>
        <source>&quot;vary&quot;: %1</source>
        <translation>«vary»: %1</translation>
    </message>
    <message>
        <source>seeds × generations × values must stay within %1</source>
        <translation>semillas × generaciones × valores no deben pasar de %1</translation>
    </message>
    <message>
        <source>&quot;choices&quot; need a &quot;question&quot;</source>
        <translation>«choices» necesita una «question»</translation>
    </message>
    <message>
        <source>a question needs a &quot;run&quot; or an &quot;experiment&quot; that answers it</source>
        <translation>una pregunta necesita un «run» o un «experiment» que la responda</translation>
    </message>
    <message>
        <source>a question needs from 2 to %1 &quot;choices&quot;</source>
        <translation>una pregunta necesita de 2 a %1 «choices»</translation>
    </message>
    <message>
        <source>&quot;from&quot; must be below &quot;to&quot;</source>
        <translation>«from» debe ser menor que «to»</translation>
    </message>
    <message>
        <source>&quot;lesson&quot; must be an object</source>
        <translation>«lesson» debe ser un objeto</translation>
    </message>
    <message>
        <source>&quot;steps&quot; must be a list of at most %1 steps</source>
        <translation>«steps» debe ser una lista de como mucho %1 pasos</translation>
    </message>
    <message>
        <source>a step must be an object</source>
        <translation>un paso debe ser un objeto</translation>
    </message>
</context>
<context>
    <name>LessonModel</name>
    <message>
        <source>This page has nothing to run.</source>
        <translation>Esta página no tiene nada que ejecutar.</translation>
    </message>
    <message>
        <source>A step is being measured already.</source>
        <translation>Ya se está midiendo un paso.</translation>
    </message>
    <message>
        <source>Stop the run first: the step starts from the generation shown.</source>
        <translation>Pare primero la ejecución: el paso parte de la generación mostrada.</translation>
    </message>
    <message>
        <source>This page makes no experiment.</source>
        <translation>Esta página no hace ningún experimento.</translation>
    </message>
    <message numerus="yes">
        <source>The step&apos;s run stopped after %1 of its %n generation(s); run the step again to measure it.</source>
        <translation>
            <numerusform>La ejecución del paso se detuvo tras %1 de su %n generación; ejecute el paso de nuevo para medirlo.</numerusform>
            <numerusform>La ejecución del paso se detuvo tras %1 de sus %n generaciones; ejecute el paso de nuevo para medirlo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 % hit %4 in %5 runs (95 % interval %6 to %7 %)</source>
        <translation>%1 %2: %3 % alcanzan %4 en %5 ejecuciones (intervalo del 95 % de %6 a %7 %)</translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message>
        <source>Title of the lesson</source>
        <translation>Título de la lección</translation>
    </message>
    <message>
        <source>Language of the lesson</source>
        <translation>Idioma de la lección</translation>
    </message>
    <message>
        <source>The language the notes are shown and edited in</source>
        <translation>El idioma en que se muestran y editan las notas</translation>
    </message>
    <message>
        <source>Edit notes</source>
        <translation>Editar notas</translation>
    </message>
    <message>
        <source>Write the title and this page&apos;s notes in Markdown; &quot;Save snapshot…&quot; keeps them</source>
        <translation>Escribir el título y las notas de esta página en Markdown; «Guardar instantánea…» los guarda</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notas de la lección</translation>
    </message>
    <message>
        <source>Your prediction</source>
        <translation>Su predicción</translation>
    </message>
    <message>
        <source>Run step</source>
        <translation>Ejecutar paso</translation>
    </message>
    <message>
        <source>Do what this step says and measure the answer</source>
        <translation>Hacer lo que dice este paso y medir la respuesta</translation>
    </message>
    <message>
        <source>Show in the experiment window</source>
        <translation>Ver en la ventana de experimentos</translation>
    </message>
    <message>
        <source>Make this step&apos;s experiment in the experiment window, with its charts and table of runs</source>
        <translation>Hacer el experimento de este paso en la ventana de experimentos, con sus gráficos y su tabla de ejecuciones</translation>
    </message>
    <message>
        <source>Measured answer</source>
        <translation>Respuesta medida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The page before</source>
        <translation>La página anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The next page</source>
        <translation>La página siguiente</translation>
    </message>
    <message>
        <source>Notes in Markdown, %1</source>
        <translation>Notas en Markdown, %1</translation>
    </message>
    <message>
        <source>No lesson goes with this run. Open one with &quot;Open snapshot…&quot; (the lessons folder holds six), or press &quot;Edit notes&quot; to write one for this run and keep it with &quot;Save snapshot…&quot;.</source>
        <translation>Ninguna lección acompaña a esta ejecución. Abra una con «Abrir instantánea…» (la carpeta de lecciones contiene seis), o pulse «Editar notas» para escribir una para esta ejecución y guárdela con «Guardar instantánea…».</translation>
    </message>
    <message numerus="yes">
        <source>Introduction, then %n step(s)</source>
        <translation>
            <numerusform>Introducción, luego %n paso</numerusform>
            <numerusform>Introducción, luego %n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; runs %n generation(s) from here at the pace set.</source>
        <translation>
            <numerusform>«Ejecutar paso» calcula %n generación desde aquí al ritmo fijado.</numerusform>
            <numerusform>«Ejecutar paso» calcula %n generaciones desde aquí al ritmo fijado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seed(s) each, </source>
        <translation>
            <numerusform>«Ejecutar paso» hace un experimento en este paisaje: %1 %2, %n semilla cada uno, </numerusform>
            <numerusform>«Ejecutar paso» hace un experimento en este paisaje: %1 %2, %n semillas cada uno, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n generation(s) a run.</source>
        <translation>
            <numerusform>%n generación por ejecución.</numerusform>
            <numerusform>%n generaciones por ejecución.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message>
        <source>Choose your prediction, then press &quot;Run step&quot;.</source>
        <translation>Elija su predicción y luego pulse «Ejecutar paso».</translation>
    </message>
    <message>
        <source>The members were all alike at the start: there is no diversity to compare.</source>
        <translation>Al principio todos los miembros eran iguales: no hay diversidad que comparar.</translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the diversity is %1 of what it was at the start.</source>
        <translation>
            <numerusform>Medido: tras %n generación, la diversidad es %1 de lo que era al principio.</numerusform>
            <numerusform>Medido: tras %n generaciones, la diversidad es %1 de lo que era al principio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the best fitness is %1.</source>
        <translation>
            <numerusform>Medido: tras %n generación, la mejor aptitud es %1.</numerusform>
            <numerusform>Medido: tras %n generaciones, la mejor aptitud es %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best did not reach %1 within %n generation(s).</source>
        <translation>
            <numerusform>Medido: el mejor no alcanzó %1 en %n generación.</numerusform>
            <numerusform>Medido: el mejor no alcanzó %1 en %n generaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best first reached %1 after %n generation(s).</source>
        <translation>
            <numerusform>Medido: el mejor alcanzó %1 por primera vez tras %n generación.</numerusform>
            <numerusform>Medido: el mejor alcanzó %1 por primera vez tras %n generaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s), %1 of the ten members match %2.</source>
        <translation>
            <numerusform>Medido: tras %n generación, %1 de los diez miembros encajan en %2.</numerusform>
            <numerusform>Medido: tras %n generaciones, %1 de los diez miembros encajan en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measured: the hit rates lie %1 percentage points apart.</source>
        <translation>Medido: las tasas de aciertos difieren en %1 puntos porcentuales.</translation>
    </message>
    <message>
        <source>That is &quot;%1&quot;.</source>
        <translation>Eso es «%1».</translation>
    </message>
    <message>
        <source>The class predicted just that.</source>
        <translation>La clase predijo justo eso.</translation>
    </message>
    <message>
        <source>The class predicted &quot;%1&quot;.</source>
        <translation>La clase predijo «%1».</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Currently DISABLED</source>
        <translation>Actualmente DESACTIVADO</translation>
    </message>
    <message>
        <source>The fitness value 0-99 is simply passed
untouched to the GA.</source>
        <translation>El valor de aptitud 0-99 se pasa
sin cambios al AG.</translation>
    </message>
    <message>
        <source>Logarithmically prefer mutations on the LSBs.
0 means no bias,
1 means a weak bias towards small changes,
10 means mutations to the MSB are very rare.</source>
        <translation>Preferir logarítmicamente las mutaciones en los bits menos significativos.
0 significa sin sesgo,
1 significa un sesgo leve hacia cambios pequeños,
10 significa que las mutaciones del bit más significativo son muy raras.</translation>
    </message>
    <message>
        <source>Change the probability of a
mutation (bit flip) in a random
member&apos;s genome at a random place.</source>
        <translation>Cambiar la probabilidad de una
mutación (inversión de un bit) en el genoma
de un miembro al azar, en un lugar al azar.</translation>
    </message>
    <message>
        <source>vezo-vizoziv</source>
        <translation>vezo-vizoziv</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Load File:</source>
        <translation>Cargar archivo:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generaciones:</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>shift Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>shift Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>shift Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>shift Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>New Genes</source>
        <translation>Genes nuevos</translation>
    </message>
    <message>
        <source>Fitness Multiplier</source>
        <translation>Multiplicador de aptitud</translation>
    </message>
    <message>
        <source>% Prob(Mutation)</source>
        <translation>% Prob(mutación)</translation>
    </message>
    <message>
        <source>Mutation Bias</source>
        <translation>Sesgo de mutación</translation>
    </message>
    <message>
        <source>Additional Parameters
Range %1 to %2:</source>
        <translation>Parámetros adicionales
Rango %1 a %2:</translation>
    </message>
    <message>
        <source>Parameter 0:</source>
        <translation>Parámetro 0:</translation>
    </message>
    <message>
        <source>Parameter 1:</source>
        <translation>Parámetro 1:</translation>
    </message>
    <message>
        <source>Parameter 2:</source>
        <translation>Parámetro 2:</translation>
    </message>
    <message>
        <source>Parameter 3:</source>
        <translation>Parámetro 3:</translation>
    </message>
    <message>
        <source>cannot load &apos;%1&apos;: %2</source>
        <translation>no se puede cargar «%1»: %2</translation>
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
        <translation>Vista del paisaje</translation>
    </message>
    <message>
        <source>The fitness of each of the 512 genomes as a point, genome 0 on the left; the ten members as marks on their genomes. The observatory (F2) tells the values and the members in words.</source>
        <translation>La aptitud de cada uno de los 512 genomas como un punto, el genoma 0 a la izquierda; los diez miembros como marcas sobre sus genomas. El observatorio (F2) describe con palabras los valores y los miembros.</translation>
    </message>
    <message>
        <source>Landscape file</source>
        <translation>Archivo de paisaje</translation>
    </message>
    <message>
        <source>The landscape file that &quot;Load File:&quot; loads, by name from the start folder or by full path</source>
        <translation>El archivo de paisaje que carga «Cargar archivo:», por nombre desde la carpeta de inicio o por ruta completa</translation>
    </message>
    <message>
        <source>Generations</source>
        <translation>Generaciones</translation>
    </message>
    <message>
        <source>Parameter %1</source>
        <translation>Parámetro %1</translation>
    </message>
    <message>
        <source>An additional parameter, %1 to %2, shown but not used by the algorithm</source>
        <translation>Un parámetro adicional, de %1 a %2, mostrado pero no usado por el algoritmo</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Termina el programa</translation>
    </message>
    <message>
        <source>Loads the landscape file named beside it (stopped only)</source>
        <translation>Carga el archivo de paisaje indicado al lado (solo detenido)</translation>
    </message>
    <message>
        <source>Stops the run</source>
        <translation>Detiene la ejecución</translation>
    </message>
    <message>
        <source>Computes generation after generation until Stop</source>
        <translation>Calcula generación tras generación hasta Parar</translation>
    </message>
    <message>
        <source>Computes one generation</source>
        <translation>Calcula una generación</translation>
    </message>
    <message>
        <source>Restores the reference landscape: the start-up tent, or what an opened snapshot brought</source>
        <translation>Restaura el paisaje de referencia: la tienda inicial, o lo que trajo una instantánea abierta</translation>
    </message>
    <message>
        <source>Repaints the view; there is no history to clear</source>
        <translation>Vuelve a dibujar la vista; no hay historial que borrar</translation>
    </message>
    <message>
        <source>Rotates the landscape one place left; repeats while held</source>
        <translation>Rota el paisaje una posición a la izquierda; se repite al mantenerlo pulsado</translation>
    </message>
    <message>
        <source>Rotates the landscape one place right; repeats while held</source>
        <translation>Rota el paisaje una posición a la derecha; se repite al mantenerlo pulsado</translation>
    </message>
    <message>
        <source>Raises every value by one; repeats while held</source>
        <translation>Sube cada valor en uno; se repite al mantenerlo pulsado</translation>
    </message>
    <message>
        <source>Lowers every value by one, not below 1; repeats while held</source>
        <translation>Baja cada valor en uno, no por debajo de 1; se repite al mantenerlo pulsado</translation>
    </message>
    <message>
        <source>Draws ten new random genomes (stopped only)</source>
        <translation>Sortea diez genomas aleatorios nuevos (solo detenido)</translation>
    </message>
</context>
<context>
    <name>MutationChart</name>
    <message>
        <source>Mutation</source>
        <translation>Mutación</translation>
    </message>
    <message>
        <source>Mutation in numbers</source>
        <translation>La mutación en números</translation>
    </message>
    <message>
        <source>Mutation in numbers: how many children mutate at the mutation probability p, and which bit flips at the mutation bias</source>
        <translation>La mutación en números: cuántos hijos mutan con la probabilidad de mutación p y qué bit se invierte con el sesgo de mutación</translation>
    </message>
    <message>
        <source>p = 0: no child mutates.</source>
        <translation>p = 0: ningún hijo muta.</translation>
    </message>
    <message>
        <source>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 of children mutate, one bit each.</source>
        <translation>p = %1 → 1/⁠(100&#xa0;−&#xa0;%1) = %2 de los hijos mutan, un bit cada uno.</translation>
    </message>
    <message>
        <source>Generation %1: %2 of 10 did.</source>
        <translation>Generación %1: %2 de 10 lo hicieron.</translation>
    </message>
    <message>
        <source>The bit that flips at bias %1, in %2ths:</source>
        <translation>El bit que se invierte con sesgo %1, en partes de %2:</translation>
    </message>
    <message>
        <source>Bias 1 to 10 instead all give the same chances, (9&#xa0;−&#xa0;bit)²/⁠285: bit 0 the most.</source>
        <translation>Los sesgos 1 a 10 dan en cambio todos las mismas probabilidades, (9&#xa0;−&#xa0;bit)²/⁠285: el bit 0 el que más.</translation>
    </message>
    <message>
        <source>The same at every bias from 1 to 10: (9&#xa0;−&#xa0;bit)²/⁠285. Bias 0 gives 1/9 each.</source>
        <translation>Igual con cada sesgo de 1 a 10: (9&#xa0;−&#xa0;bit)²/⁠285. El sesgo 0 da 1/9 a cada uno.</translation>
    </message>
    <message>
        <source>bit %1 %2</source>
        <translation>bit %1 %2</translation>
    </message>
    <message>
        <source>At p = %1, %2 of children mutate. At bias %3 the flipped bit is %4. Bias 1 to 10 all give the same chances.</source>
        <translation>Con p = %1, muta el %2 de los hijos. Con sesgo %3, el bit invertido es %4. Los sesgos 1 a 10 dan todos las mismas probabilidades.</translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message>
        <source>vezo-vizoziv Observatory</source>
        <translation>vezo-vizoziv Observatorio</translation>
    </message>
    <message>
        <source>Fitness landscape and members</source>
        <translation>Paisaje de aptitud y miembros</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations</source>
        <translation>Aptitud, diversidad y bits a lo largo de las generaciones</translation>
    </message>
    <message>
        <source>Over the generations</source>
        <translation>A lo largo de las generaciones</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generación</translation>
    </message>
    <message>
        <source>Schemata</source>
        <translation>Esquemas</translation>
    </message>
    <message>
        <source>Charts below</source>
        <translation>Gráficos de abajo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open landscape…</source>
        <translation>&amp;Abrir paisaje…</translation>
    </message>
    <message>
        <source>Open &amp;snapshot…</source>
        <translation>Abrir &amp;instantánea…</translation>
    </message>
    <message>
        <source>Save s&amp;napshot…</source>
        <translation>Guardar i&amp;nstantánea…</translation>
    </message>
    <message>
        <source>Save &amp;landscape…</source>
        <translation>Guardar &amp;paisaje…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Save &amp;image…</source>
        <translation>Guardar i&amp;magen…</translation>
    </message>
    <message>
        <source>E&amp;xperiment…</source>
        <translation>E&amp;xperimento…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecución</translation>
    </message>
    <message>
        <source>&amp;Run or stop</source>
        <translation>&amp;Ejecutar o parar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Paso</translation>
    </message>
    <message>
        <source>Re&amp;start with the seed</source>
        <translation>&amp;Reiniciar con la semilla</translation>
    </message>
    <message>
        <source>&amp;New genes</source>
        <translation>Genes &amp;nuevos</translation>
    </message>
    <message>
        <source>&amp;Clear the history</source>
        <translation>&amp;Borrar el historial</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisaje</translation>
    </message>
    <message>
        <source>Shift &amp;left</source>
        <translation>Desplazar a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Shift &amp;right</source>
        <translation>Desplazar a la &amp;derecha</translation>
    </message>
    <message>
        <source>Shift &amp;up</source>
        <translation>Desplazar hacia a&amp;rriba</translation>
    </message>
    <message>
        <source>Shift &amp;down</source>
        <translation>Desplazar hacia a&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Show or hide the observatory</source>
        <translation>&amp;Mostrar u ocultar el observatorio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help contents</source>
        <translation>&amp;Contenido de la ayuda</translation>
    </message>
    <message>
        <source>The observatory shows the main window&apos;s run: the landscape with its members above, and below, fitness, diversity and bits over the generations, what the latest generation drew, and how patterns of genomes fare.

Space runs and stops, &quot;.&quot; steps, F2 shows or hides this window, Ctrl+E opens the experiment window; every other action is in the menus with its keys.

%1</source>
        <translation>El observatorio muestra la ejecución de la ventana principal: arriba el paisaje con sus miembros, debajo la aptitud, la diversidad y los bits a lo largo de las generaciones, lo que sorteó la última generación y cómo les va a los patrones de genomas.

Espacio ejecuta y para, «.» avanza un paso, F2 muestra u oculta esta ventana, Ctrl+E abre la ventana de experimentos; cada otra acción está en los menús con sus teclas.

%1</translation>
    </message>
    <message>
        <source>The user guide, guide.md, comes with the program.</source>
        <translation>La guía del usuario, guide.md, viene con el programa.</translation>
    </message>
    <message>
        <source>The user guide: %1</source>
        <translation>La guía del usuario: %1</translation>
    </message>
    <message>
        <source>Restarted with seed %1</source>
        <translation>Reiniciado con la semilla %1</translation>
    </message>
    <message>
        <source>Opened a snapshot of %1</source>
        <translation>Instantánea de %1 abierta</translation>
    </message>
    <message>
        <source>Open a landscape</source>
        <translation>Abrir un paisaje</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation>
            <numerusform>%Ln generación exportada a %1</numerusform>
            <numerusform>%Ln generaciones exportadas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved the image to %1</source>
        <translation>Imagen guardada en %1</translation>
    </message>
    <message>
        <source>Fitness, diversity and bits over the generations, with marks where something happened</source>
        <translation>Aptitud, diversidad y bits a lo largo de las generaciones, con marcas donde pasó algo</translation>
    </message>
    <message>
        <source>What the latest generation drew: the wheel, the pairs, mutation and the selection check</source>
        <translation>Lo que sorteó la última generación: la ruleta, las parejas, la mutación y el control de la selección</translation>
    </message>
    <message>
        <source>Patterns of genomes followed against the schema theorem&apos;s bound</source>
        <translation>Patrones de genomas seguidos frente a la cota del teorema de los esquemas</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Re&amp;load: back to %1</source>
        <translation>Re&amp;cargar: vuelta a %1</translation>
    </message>
    <message>
        <source>&amp;Lesson</source>
        <translation>&amp;Lección</translation>
    </message>
    <message>
        <source>The experiment window is busy: cancel its experiment first.</source>
        <translation>La ventana de experimentos está ocupada: cancele primero su experimento.</translation>
    </message>
</context>
<context>
    <name>PairsChart</name>
    <message>
        <source>The pairs</source>
        <translation>Las parejas</translation>
    </message>
    <message>
        <source>Pairs and children</source>
        <translation>Parejas e hijos</translation>
    </message>
    <message>
        <source>Each pair splits at the red line: a child keeps its parent&apos;s bits left of it and takes its partner&apos;s, blue, right of it. Mutation flipped the orange bits.</source>
        <translation>Cada pareja se corta en la línea roja: un hijo conserva los bits de su progenitor a la izquierda y toma los de su pareja, en azul, a la derecha. La mutación invirtió los bits naranjas.</translation>
    </message>
    <message>
        <source>The pairs that made generation %1</source>
        <translation>Las parejas que hicieron la generación %1</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Ejecute o avance un paso para ver una generación.</translation>
    </message>
    <message>
        <source>pair 5</source>
        <translation>pareja 5</translation>
    </message>
    <message>
        <source>split 8</source>
        <translation>corte 8</translation>
    </message>
    <message>
        <source>#</source>
        <translation>n.º</translation>
    </message>
    <message>
        <source>genome</source>
        <translation>genoma</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>aptitud</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>progenitor</translation>
    </message>
    <message>
        <source>child</source>
        <translation>hijo</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>pareja %1</translation>
    </message>
    <message>
        <source>split %1</source>
        <translation>corte %1</translation>
    </message>
    <message>
        <source>split</source>
        <translation>corte</translation>
    </message>
    <message>
        <source>from the partner</source>
        <translation>de la pareja</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Aún no hay generación.</translation>
    </message>
    <message>
        <source>child %1 from member %2 (%3, fitness %4) and its partner member %5: %6, fitness %7</source>
        <translation>hijo %1 del miembro %2 (%3, aptitud %4) y de su pareja el miembro %5: %6, aptitud %7</translation>
    </message>
    <message>
        <source>, bit %1 flipped</source>
        <translation>, bit %1 invertido</translation>
    </message>
    <message>
        <source>Pair %1, split %2: %3</source>
        <translation>Pareja %1, corte %2: %3</translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Generación %1. </translation>
    </message>
</context>
<context>
    <name>ParameterControls</name>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 % of children</source>
        <translation>%1 % de los hijos</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>The share of children that mutate</source>
        <translation>La proporción de hijos que mutan</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Fitness multiplier</source>
        <translation>Multiplicador de aptitud</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Probabilidad de mutación</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Sesgo de mutación</translation>
    </message>
    <message>
        <source>all runs</source>
        <translation>todas las ejecuciones</translation>
    </message>
    <message>
        <source>The fitness multiplier changes how long the wheel is, not who is drawn how often: expect no difference beyond chance, within the hit rates&apos; intervals.</source>
        <translation>El multiplicador de aptitud cambia lo larga que es la ruleta, no quién sale cuántas veces: no espere más diferencia que la del azar, dentro de los intervalos de las tasas de aciertos.</translation>
    </message>
    <message>
        <source>Each member&apos;s share of the wheel is (fitness − lowest) × this: it changes how long the wheel is, not who is drawn how often</source>
        <translation>La parte de la ruleta de cada miembro es (aptitud − la más baja) × este valor: cambia lo larga que es la ruleta, no quién sale cuántas veces</translation>
    </message>
    <message>
        <source>p: each child mutates with probability 1/(100 − p); 0: never</source>
        <translation>p: cada hijo muta con probabilidad 1/(100 − p); 0: nunca</translation>
    </message>
    <message>
        <source>0: every bit is as likely to flip; 1 to 10, all alike: the lower the bit, the likelier, (9 − bit)² in 285</source>
        <translation>0: cada bit tiene la misma probabilidad de invertirse; de 1 a 10, todos iguales: cuanto más bajo el bit, más probable, (9 − bit)² sobre 285</translation>
    </message>
</context>
<context>
    <name>RecordControls</name>
    <message>
        <source>Recorded run</source>
        <translation>Ejecución registrada</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>The seed of the generator for a restart</source>
        <translation>La semilla del generador para un reinicio</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;emilla:</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>New genomes drawn after seeding, the count back at 0, the history cleared: the same seed, landscape and parameters give the same run</source>
        <translation>Genomas nuevos sorteados tras fijar la semilla, la cuenta a 0, el historial borrado: la misma semilla, paisaje y parámetros dan la misma ejecución</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Forget the recorded generations and markers</source>
        <translation>Olvidar las generaciones registradas y las marcas</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Every generation kept in full, as CSV</source>
        <translation>Cada generación guardada entera, como CSV</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>A PNG of the charts with the caption line</source>
        <translation>Un PNG de los gráficos con la línea de leyenda</translation>
    </message>
    <message>
        <source>Experiment…</source>
        <translation>Experimento…</translation>
    </message>
    <message>
        <source>Many runs over seeds and parameter values, with hit rates (Ctrl+E)</source>
        <translation>Muchas ejecuciones sobre semillas y valores de parámetros, con tasas de aciertos (Ctrl+E)</translation>
    </message>
</context>
<context>
    <name>RecordedRun</name>
    <message>
        <source>New genes drawn</source>
        <translation>Genes nuevos sorteados</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>RunCaption</name>
    <message>
        <source>What the charts show</source>
        <translation>Lo que muestran los gráficos</translation>
    </message>
    <message>
        <source>fitness ×%1</source>
        <translation>aptitud ×%1</translation>
    </message>
    <message>
        <source>mutation %1 (%2)</source>
        <translation>mutación %1 (%2)</translation>
    </message>
    <message>
        <source>bias %1</source>
        <translation>sesgo %1</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>semilla %1</translation>
    </message>
    <message>
        <source>generation %1</source>
        <translation>generación %1</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Run generation after generation (Space)</source>
        <translation>Calcular generación tras generación (Espacio)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop the run (Space)</source>
        <translation>Parar la ejecución (Espacio)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Compute one generation (.)</source>
        <translation>Calcular una generación (.)</translation>
    </message>
    <message>
        <source>As fast as possible</source>
        <translation>Lo más rápido posible</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation>
            <numerusform>%Ln generación por segundo</numerusform>
            <numerusform>%Ln generaciones por segundo</numerusform>
        </translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>How many generations &quot;Run&quot; computes per second</source>
        <translation>Cuántas generaciones calcula «Ejecutar» por segundo</translation>
    </message>
    <message>
        <source>&amp;Pace:</source>
        <translation>&amp;Ritmo:</translation>
    </message>
</context>
<context>
    <name>RunLengthChart</name>
    <message>
        <source>Run-length chart</source>
        <translation>Gráfico de duración de las ejecuciones</translation>
    </message>
    <message>
        <source>Runs that have hit by each generation, %</source>
        <translation>Ejecuciones que han acertado en cada generación, %</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>generación</translation>
    </message>
    <message>
        <source>%1: no run hit</source>
        <translation>%1: ninguna ejecución acertó</translation>
    </message>
    <message>
        <source>%1: half of the runs that hit did so by generation %2, all by %3</source>
        <translation>%1: la mitad de las ejecuciones que acertaron lo hicieron en la generación %2, todas en la %3</translation>
    </message>
</context>
<context>
    <name>RunTableModel</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Aptitud</translation>
    </message>
    <message>
        <source>Mutation</source>
        <translation>Mutación</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Sesgo</translation>
    </message>
    <message>
        <source>Hit at</source>
        <translation>Acierto en</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Peor</translation>
    </message>
    <message>
        <source>Diversity</source>
        <translation>Diversidad</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>no abierto</translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message>
        <source>Members that match (solid) and their bound (dashed)</source>
        <translation>Miembros que encajan (continua) y su cota (discontinua)</translation>
    </message>
    <message>
        <source>Schema counts and bounds</source>
        <translation>Recuentos y cotas de los esquemas</translation>
    </message>
    <message>
        <source>For each schema, the members of each generation that match it (solid) and the least number the schema theorem expects from the generation before (dashed)</source>
        <translation>Para cada esquema, los miembros de cada generación que encajan en él (continua) y el menor número que el teorema de los esquemas espera de la generación anterior (discontinua)</translation>
    </message>
    <message>
        <source>generation</source>
        <translation>generación</translation>
    </message>
    <message>
        <source>Type a schema on the left to follow it.</source>
        <translation>Escriba un esquema a la izquierda para seguirlo.</translation>
    </message>
    <message>
        <source>Run or step to count the members.</source>
        <translation>Ejecute o avance un paso para contar los miembros.</translation>
    </message>
    <message>
        <source>No schema tracked.</source>
        <translation>Ningún esquema seguido.</translation>
    </message>
    <message>
        <source>%1: no generation counted yet</source>
        <translation>%1: aún no se ha contado ninguna generación</translation>
    </message>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation>
            <numerusform>%1: %L2 miembro encaja, cota %L3</numerusform>
            <numerusform>%1: %L2 miembros encajan, cota %L3</numerusform>
        </translation>
    </message>
    <message>
        <source>Generation %1. </source>
        <translation>Generación %1. </translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message>
        <source>for example 1********</source>
        <translation>por ejemplo 1********</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>Nine characters from bit 8 down to bit 0: 1, 0 or * for either</source>
        <translation>Nueve caracteres del bit 8 al bit 0: 1, 0 o * para cualquiera</translation>
    </message>
    <message>
        <source>&amp;Schema: nine characters, bit 8 first</source>
        <translation>E&amp;squema: nueve caracteres, bit 8 primero</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>1 and 0 fix a bit, * takes either.</source>
        <translation>1 y 0 fijan un bit, * admite cualquiera.</translation>
    </message>
    <message>
        <source>Tracked schemata</source>
        <translation>Esquemas seguidos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>The bound&apos;s factors</source>
        <translation>Los factores de la cota</translation>
    </message>
    <message>
        <source>Type nine characters, one for each bit from bit 8 down to bit 0: 1, 0 or * for either.</source>
        <translation>Escriba nueve caracteres, uno por cada bit del bit 8 al bit 0: 1, 0 o * para cualquiera.</translation>
    </message>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation>
            <numerusform>«%1» tiene %n carácter; un esquema tiene nueve, uno por cada bit del bit 8 al bit 0.</numerusform>
            <numerusform>«%1» tiene %n caracteres; un esquema tiene nueve, uno por cada bit del bit 8 al bit 0.</numerusform>
        </translation>
    </message>
    <message>
        <source>Character %1 of “%2” (bit %3) is “%4”: use 1, 0 or * for either.</source>
        <translation>El carácter %1 de «%2» (bit %3) es «%4»: use 1, 0 o * para cualquiera.</translation>
    </message>
    <message>
        <source>%1 is tracked already.</source>
        <translation>%1 ya se sigue.</translation>
    </message>
    <message>
        <source>At most %1 schemata at a time: remove one first.</source>
        <translation>Como mucho %1 esquemas a la vez: quite uno primero.</translation>
    </message>
    <message>
        <source>Tracking %1: order %2, defining length %3.</source>
        <translation>Siguiendo %1: orden %2, longitud de definición %3.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 quitado.</translation>
    </message>
    <message>
        <source>Add a schema to see the bound&apos;s factors with the current numbers.</source>
        <translation>Añada un esquema para ver los factores de la cota con los números actuales.</translation>
    </message>
    <message>
        <source>%1: run or step to see the bound&apos;s factors with the current numbers.</source>
        <translation>%1: ejecute o avance un paso para ver los factores de la cota con los números actuales.</translation>
    </message>
    <message>
        <source>a crossover that joins its bits from two parents, or a mutation, can make a match</source>
        <translation>un cruce que une sus bits de dos progenitores, o una mutación, puede crear una coincidencia</translation>
    </message>
    <message>
        <source>only a mutation can make a match</source>
        <translation>solo una mutación puede crear una coincidencia</translation>
    </message>
    <message>
        <source>%1: no member of generation %2 matches, so the bound for generation %3 is 0 (%4). Generation %3 has %5.</source>
        <translation>%1: ningún miembro de la generación %2 encaja, así que la cota para la generación %3 es 0 (%4). La generación %3 tiene %5.</translation>
    </message>
    <message>
        <source>%1   order %2, d(H) = %3</source>
        <translation>%1   orden %2, d(H) = %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation>
            <numerusform>%1: m = %2 miembro de la generación %3 encaja.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: su parte media de la ruleta frente a la media de los diez.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: un corte cae entre sus bits fijos extremos (%9 y %10) en %7 de 9 casos.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) de los hijos mutan, y P&lt;sub&gt;H&lt;/sub&gt; es la probabilidad de que el bit invertido (sesgo %15) sea uno de sus %16 bits fijos.&lt;br&gt;Cota para la generación %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; tiene &lt;b&gt;%19&lt;/b&gt;.</numerusform>
            <numerusform>%1: m = %2 miembros de la generación %3 encajan.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: su parte media de la ruleta frente a la media de los diez.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: un corte cae entre sus bits fijos extremos (%9 y %10) en %7 de 9 casos.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) de los hijos mutan, y P&lt;sub&gt;H&lt;/sub&gt; es la probabilidad de que el bit invertido (sesgo %15) sea uno de sus %16 bits fijos.&lt;br&gt;Cota para la generación %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; tiene &lt;b&gt;%19&lt;/b&gt;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Follow the schema typed: its count and its bound in every generation</source>
        <translation>Seguir el esquema escrito: su recuento y su cota en cada generación</translation>
    </message>
    <message>
        <source>What became of the schema typed</source>
        <translation>Qué pasó con el esquema escrito</translation>
    </message>
    <message>
        <source>The schemata followed, with order and defining length; the one chosen has its bound&apos;s factors told beside the chart</source>
        <translation>Los esquemas seguidos, con orden y longitud de definición; el elegido tiene los factores de su cota explicados junto al gráfico</translation>
    </message>
    <message>
        <source>How the schema theorem&apos;s bound for the latest generation comes about, factor by factor</source>
        <translation>Cómo se obtiene la cota del teorema de los esquemas para la última generación, factor a factor</translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message>
        <source>Selection check</source>
        <translation>Control de la selección</translation>
    </message>
    <message>
        <source>Over many generations, members expected to get so many copies should on average be drawn that often: the points then lie near the dashed line.</source>
        <translation>A lo largo de muchas generaciones, los miembros que esperan tantas copias deberían salir de media esas veces: los puntos quedan entonces cerca de la línea discontinua.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation>
            <numerusform>%Ln generación; barras ±%1 e.e.; hueco: menos de %2 miembros</numerusform>
            <numerusform>%Ln generaciones; barras ±%1 e.e.; hueco: menos de %2 miembros</numerusform>
        </translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>copias esperadas</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>sorteadas</translation>
    </message>
    <message>
        <source>Nothing counted yet.</source>
        <translation>Aún no se ha contado nada.</translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation>
            <numerusform>esperado de %L1 a %L2: %L3 miembro, media esperada %L4, media sorteada %L5</numerusform>
            <numerusform>esperado de %L1 a %L2: %L3 miembros, media esperada %L4, media sorteada %L5</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws against expected copies: nothing counted yet.</source>
        <translation>Sorteos frente a copias esperadas: aún no se ha contado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Draws against expected copies over %L1 generation(s): </source>
        <translation>
            <numerusform>Sorteos frente a copias esperadas en %L1 generación: </numerusform>
            <numerusform>Sorteos frente a copias esperadas en %L1 generaciones: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>the field &quot;%1&quot; is missing</source>
        <translation>falta el campo «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>«%1» debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a string</source>
        <translation>«%1» debe ser una cadena</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>«%1» debe ser un objeto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold exactly %2 numbers</source>
        <translation>«%1» debe contener exactamente %2 números</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold whole numbers from %2 to %3; number %4 is not</source>
        <translation>«%1» debe contener números enteros de %2 a %3; el número %4 no lo es</translation>
    </message>
    <message>
        <source>not a snapshot, or damaged or cut short: %1 at byte %2</source>
        <translation>no es una instantánea, o está dañada o cortada: %1 en el byte %2</translation>
    </message>
    <message>
        <source>not a snapshot of this program</source>
        <translation>no es una instantánea de este programa</translation>
    </message>
    <message>
        <source>a snapshot of version %1; this program reads version %2</source>
        <translation>una instantánea de la versión %1; este programa lee la versión %2</translation>
    </message>
    <message>
        <source>&quot;name&quot; is longer than %1 characters</source>
        <translation>«name» tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>in &quot;random&quot;: %1</source>
        <translation>en «random»: %1</translation>
    </message>
    <message>
        <source>in &quot;reseed&quot;: %1</source>
        <translation>en «reseed»: %1</translation>
    </message>
    <message>
        <source>is too large for a snapshot (more than %1 bytes)</source>
        <translation>es demasiado grande para una instantánea (más de %1 bytes)</translation>
    </message>
    <message>
        <source>the run is past generation %1, the most a snapshot keeps</source>
        <translation>la ejecución ha pasado de la generación %1, lo máximo que guarda una instantánea</translation>
    </message>
</context>
<context>
    <name>WheelChart</name>
    <message>
        <source>The wheel</source>
        <translation>La ruleta</translation>
    </message>
    <message>
        <source>Roulette wheel</source>
        <translation>Ruleta</translation>
    </message>
    <message>
        <source>Run or step to see a generation.</source>
        <translation>Ejecute o avance un paso para ver una generación.</translation>
    </message>
    <message>
        <source>#</source>
        <translation>n.º</translation>
    </message>
    <message>
        <source>fitness</source>
        <translation>aptitud</translation>
    </message>
    <message>
        <source>share</source>
        <translation>parte</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>esperado</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>sorteado</translation>
    </message>
    <message>
        <source>expected copies</source>
        <translation>copias esperadas</translation>
    </message>
    <message>
        <source>No generation yet.</source>
        <translation>Aún no hay generación.</translation>
    </message>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation>
            <numerusform>miembro %1: aptitud %2, %3 de la ruleta, %L4 copias esperadas, sorteado %n vez</numerusform>
            <numerusform>miembro %1: aptitud %2, %3 de la ruleta, %L4 copias esperadas, sorteado %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>The wheel that drew generation %1, %2 positions wide. </source>
        <translation>La ruleta que sorteó la generación %1, de %2 posiciones. </translation>
    </message>
    <message>
        <source>total %1 → shares</source>
        <translation>total %1 → partes</translation>
    </message>
    <message>
        <source>lowest %1 → shares</source>
        <translation>mínima %1 → partes</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1, scaled to fit</source>
        <translation>%1, escaladas para caber</translation>
    </message>
    <message>
        <source>The fitness adds up to %1, below every member&apos;s, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>La aptitud suma %1, menos que la de cada miembro, así que cada parte es la aptitud menos %2, por el multiplicador %3</translation>
    </message>
    <message>
        <source>The lowest fitness is %1, so each share is the fitness less %2, times the multiplier %3</source>
        <translation>La aptitud más baja es %1, así que cada parte es la aptitud menos %2, por el multiplicador %3</translation>
    </message>
    <message>
        <source>, then scaled down to fit one draw</source>
        <translation>, luego reducida a escala para caber en un sorteo</translation>
    </message>
    <message>
        <source>A member&apos;s share of the wheel is (fitness − lowest) × the fitness multiplier, where lowest is one less than the generation&apos;s lowest fitness, or than the ten&apos;s sum where that is lower; the multiplier changes no odds, but for rounding where a very wide wheel is scaled down. Of the ten draws, the bar shows the copies a member may expect, the dot the copies it got.</source>
        <translation>La parte de un miembro en la ruleta es (aptitud − mínimo) × el multiplicador de aptitud, donde el mínimo es uno menos que la aptitud más baja de la generación, o que la suma de los diez cuando es menor; el multiplicador no cambia ninguna probabilidad, salvo por el redondeo cuando una ruleta muy ancha se reduce. De los diez sorteos, la barra muestra las copias que un miembro puede esperar, el punto las que obtuvo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Print the options and exit.</source>
        <translation>Mostrar las opciones y salir.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open the observatory: beside the window, or over it on a small screen.</source>
        <translation>Abrir el observatorio: junto a la ventana, o encima en una pantalla pequeña.</translation>
    </message>
    <message>
        <source>Run without a window and write CSV rows.</source>
        <translation>Ejecutar sin ventana y escribir filas CSV.</translation>
    </message>
    <message>
        <source>Make many runs on every core and write a row per run.</source>
        <translation>Hacer muchas ejecuciones en cada núcleo y escribir una fila por ejecución.</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; generations.</source>
        <translation>Ejecutar &lt;n&gt; generaciones.</translation>
    </message>
    <message>
        <source>A row for every &lt;k&gt;-th generation (default 1).</source>
        <translation>Una fila cada &lt;k&gt; generaciones (por defecto 1).</translation>
    </message>
    <message>
        <source>Instead, a row per child: parents, split, flip.</source>
        <translation>En su lugar, una fila por hijo: progenitores, corte, inversión.</translation>
    </message>
    <message>
        <source>Read the landscape from &lt;file&gt; (default: the tent).</source>
        <translation>Leer el paisaje de &lt;file&gt; (por defecto: la tienda).</translation>
    </message>
    <message>
        <source>Fitness multiplier</source>
        <translation>Multiplicador de aptitud</translation>
    </message>
    <message>
        <source>Mutation probability</source>
        <translation>Probabilidad de mutación</translation>
    </message>
    <message>
        <source>Mutation bias</source>
        <translation>Sesgo de mutación</translation>
    </message>
    <message>
        <source>Seed of the run</source>
        <translation>Semilla de la ejecución</translation>
    </message>
    <message>
        <source>Write the rows to &lt;file&gt; (default: standard output).</source>
        <translation>Escribir las filas en &lt;file&gt; (por defecto: la salida estándar).</translation>
    </message>
    <message>
        <source>Go on from the run kept in the snapshot &lt;file&gt;.</source>
        <translation>Continuar la ejecución guardada en la instantánea &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the run at its end in the snapshot &lt;file&gt;.</source>
        <translation>Guardar la ejecución al final en la instantánea &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Runs &lt;n&gt; seeds of each setting.</source>
        <translation>Ejecutar &lt;n&gt; semillas de cada ajuste.</translation>
    </message>
    <message>
        <source>The seeds from &lt;s&gt; on (default 1).</source>
        <translation>Las semillas a partir de &lt;s&gt; (por defecto 1).</translation>
    </message>
    <message>
        <source>Vary fitness, mutation or bias over the values; twice for a grid.</source>
        <translation>Variar fitness, mutation o bias sobre los valores; dos veces para una cuadrícula.</translation>
    </message>
    <message>
        <source>A run hits when its best reaches &lt;v&gt; (default: the highest value).</source>
        <translation>Una ejecución acierta cuando su mejor alcanza &lt;v&gt; (por defecto: el valor más alto).</translation>
    </message>
    <message>
        <source>Work on &lt;t&gt; threads (default: one per core).</source>
        <translation>Trabajar en &lt;t&gt; hilos (por defecto: uno por núcleo).</translation>
    </message>
    <message>
        <source>Only the runs whose place i in the run order has i mod n = k - 1.</source>
        <translation>Solo las ejecuciones cuyo lugar i en el orden de ejecución cumple i mod n = k - 1.</translation>
    </message>
    <message>
        <source>Write a row per setting: hit rate, interval, run lengths.</source>
        <translation>Escribir una fila por ajuste: tasa de aciertos, intervalo, duraciones.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 admite un número entero de %2 a %3, no «%4»</translation>
    </message>
    <message>
        <source>--%1 goes with the window only</source>
        <translation>--%1 solo va con la ventana</translation>
    </message>
    <message>
        <source>--%1 goes with --headless or --experiment</source>
        <translation>--%1 va con --headless o --experiment</translation>
    </message>
    <message>
        <source>--%1 goes with --%2</source>
        <translation>--%1 va con --%2</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;--%1&apos;.</source>
        <translation>Valor inesperado tras «--%1».</translation>
    </message>
    <message>
        <source>Missing value after &apos;--%1&apos;.</source>
        <translation>Falta un valor tras «--%1».</translation>
    </message>
    <message>
        <source>--headless and --experiment do not go together</source>
        <translation>--headless y --experiment no van juntos</translation>
    </message>
    <message>
        <source>--observe does not go with %1: there is no window</source>
        <translation>--observe no va con %1: no hay ventana</translation>
    </message>
    <message>
        <source>%1 is an option for the window; %2 has none</source>
        <translation>%1 es una opción de la ventana; %2 no tiene ninguna</translation>
    </message>
    <message>
        <source>%1 opens no snapshot in a window; use --snapshot &apos;%2&apos;</source>
        <translation>%1 no abre ninguna instantánea en una ventana; use --snapshot «%2»</translation>
    </message>
    <message>
        <source>--%1 does not go with --snapshot: the snapshot holds it</source>
        <translation>--%1 no va con --snapshot: la instantánea ya lo contiene</translation>
    </message>
    <message>
        <source>--every does not go with --explain: every generation is explained</source>
        <translation>--every no va con --explain: se explica cada generación</translation>
    </message>
    <message>
        <source>--%1 does not go with --vary %1=…: the values vary</source>
        <translation>--%1 no va con --vary %1=…: los valores varían</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names standard output, where the rows go</source>
        <translation>«%1» es la salida estándar, adonde van las filas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named for two outputs</source>
        <translation>«%1» se da para dos salidas</translation>
    </message>
    <message>
        <source>%1 needs --%2 &lt;n&gt;</source>
        <translation>%1 necesita --%2 &lt;n&gt;</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>Usage: vezo-vizoziv [--observe] [snapshot.vezo]
       vezo-vizoziv --headless --generations &lt;n&gt; [options]
       vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [options]

Watch a genetic algorithm work: ten nine-bit genomes on a landscape of 512 values.

Options:
</source>
        <translation>Uso: vezo-vizoziv [--observe] [snapshot.vezo]
     vezo-vizoziv --headless --generations &lt;n&gt; [opciones]
     vezo-vizoziv --experiment --generations &lt;n&gt; --seeds &lt;n&gt; [opciones]

Ver trabajar un algoritmo genético: diez genomas de nueve bits en un paisaje de 512 valores.

Opciones:
</translation>
    </message>
    <message>
        <source>%1, %2 to %3 (default %4).</source>
        <translation>%1, de %2 a %3 (por defecto %4).</translation>
    </message>
    <message>
        <source>%1 (default %2).</source>
        <translation>%1 (por defecto %2).</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation>
            <numerusform>%L1 de %L2 ejecución, %L3 ejecuciones por segundo, quedan %4</numerusform>
            <numerusform>%L1 de %L2 ejecuciones, %L3 ejecuciones por segundo, quedan %4</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; holds whole rows up to there</source>
        <translation>interrumpido; «%1» contiene filas enteras hasta ahí</translation>
    </message>
    <message>
        <source>interrupted; &apos;%1&apos; is as it was</source>
        <translation>interrumpido; «%1» está como estaba</translation>
    </message>
    <message>
        <source>cannot read landscape &apos;%1&apos;: %2</source>
        <translation>no se puede leer el paisaje «%1»: %2</translation>
    </message>
    <message>
        <source>warning: --target %1 is above the landscape&apos;s highest value %2; no run can hit it</source>
        <translation>aviso: --target %1 supera el valor más alto del paisaje, %2; ninguna ejecución puede alcanzarlo</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la salida estándar está cerrada</translation>
    </message>
    <message>
        <source>cannot open snapshot &apos;%1&apos;: %2</source>
        <translation>no se puede abrir la instantánea «%1»: %2</translation>
    </message>
    <message>
        <source>--generations %1 would take the run from generation %2 past %3, the most a run may reach</source>
        <translation>--generations %1 llevaría la ejecución de la generación %2 más allá de %3, lo máximo que puede alcanzar una ejecución</translation>
    </message>
    <message>
        <source>cannot write snapshot &apos;%1&apos;: %2</source>
        <translation>no se puede escribir la instantánea «%1»: %2</translation>
    </message>
</context>
</TS>
