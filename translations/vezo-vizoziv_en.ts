<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ExperimentForm</name>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation>
            <numerusform>%1 of %2 generation, target %L3</numerusform>
            <numerusform>%1 of %2 generations, target %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message numerus="yes">
        <source>%L1 run(s)</source>
        <translation>
            <numerusform>%L1 run</numerusform>
            <numerusform>%L1 runs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation>
            <numerusform>%1: %L2 of %L3 run hit</numerusform>
            <numerusform>%1: %L2 of %L3 runs hit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message numerus="yes">
        <source>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark(s).</source>
        <translation>
            <numerusform>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n mark.</numerusform>
            <numerusform>Generation %L1: best %2, mean %L3, worst %4, diversity %L5 of 9; %n marks.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryMarkers</name>
    <message numerus="yes">
        <source>%1 (%Ln times)</source>
        <translation>
            <numerusform>%1 (%Ln time)</numerusform>
            <numerusform>%1 (%Ln times)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HitRateChart</name>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation>
            <numerusform>%1: %L2 of %L3 run hit, %L4 % (95 % interval %L5 to %L6 %)</numerusform>
            <numerusform>%1: %L2 of %L3 runs hit, %L4 % (95 % interval %L5 to %L6 %)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LandscapeChart</name>
    <message numerus="yes">
        <source>genome %1 (bits %2), fitness %3: %n member(s)</source>
        <translation>
            <numerusform>genome %1 (bits %2), fitness %3: %n member</numerusform>
            <numerusform>genome %1 (bits %2), fitness %3: %n members</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tied at %n genomes, the first %1</source>
        <translation>
            <numerusform>tied at %n genome, the first %1</numerusform>
            <numerusform>tied at %n genomes, the first %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LessonModel</name>
    <message numerus="yes">
        <source>The step&apos;s run stopped after %1 of its %n generation(s); run the step again to measure it.</source>
        <translation>
            <numerusform>The step&apos;s run stopped after %1 of its %n generation; run the step again to measure it.</numerusform>
            <numerusform>The step&apos;s run stopped after %1 of its %n generations; run the step again to measure it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LessonPanel</name>
    <message numerus="yes">
        <source>Introduction, then %n step(s)</source>
        <translation>
            <numerusform>Introduction, then %n step</numerusform>
            <numerusform>Introduction, then %n steps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; runs %n generation(s) from here at the pace set.</source>
        <translation>
            <numerusform>&quot;Run step&quot; runs %n generation from here at the pace set.</numerusform>
            <numerusform>&quot;Run step&quot; runs %n generations from here at the pace set.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seed(s) each, </source>
        <translation>
            <numerusform>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seed each, </numerusform>
            <numerusform>&quot;Run step&quot; makes an experiment on this landscape: %1 %2, %n seeds each, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n generation(s) a run.</source>
        <translation>
            <numerusform>%n generation a run.</numerusform>
            <numerusform>%n generations a run.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the diversity is %1 of what it was at the start.</source>
        <translation>
            <numerusform>Measured: after %n generation the diversity is %1 of what it was at the start.</numerusform>
            <numerusform>Measured: after %n generations the diversity is %1 of what it was at the start.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s) the best fitness is %1.</source>
        <translation>
            <numerusform>Measured: after %n generation the best fitness is %1.</numerusform>
            <numerusform>Measured: after %n generations the best fitness is %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best did not reach %1 within %n generation(s).</source>
        <translation>
            <numerusform>Measured: the best did not reach %1 within %n generation.</numerusform>
            <numerusform>Measured: the best did not reach %1 within %n generations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: the best first reached %1 after %n generation(s).</source>
        <translation>
            <numerusform>Measured: the best first reached %1 after %n generation.</numerusform>
            <numerusform>Measured: the best first reached %1 after %n generations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Measured: after %n generation(s), %1 of the ten members match %2.</source>
        <translation>
            <numerusform>Measured: after %n generation, %1 of the ten members match %2.</numerusform>
            <numerusform>Measured: after %n generations, %1 of the ten members match %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation>
            <numerusform>Exported %Ln generation to %1</numerusform>
            <numerusform>Exported %Ln generations to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation>
            <numerusform>%Ln generation per second</numerusform>
            <numerusform>%Ln generations per second</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation>
            <numerusform>%1: %L2 member matches, bound %L3</numerusform>
            <numerusform>%1: %L2 members match, bound %L3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation>
            <numerusform>“%1” has %n character; a schema has nine, one for each bit from bit 8 down to bit 0.</numerusform>
            <numerusform>“%1” has %n characters; a schema has nine, one for each bit from bit 8 down to bit 0.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation>
            <numerusform>%1: m = %2 member of generation %3 matches.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</numerusform>
            <numerusform>%1: m = %2 members of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %L6 × %L8 × %L13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation>
            <numerusform>%Ln generation; bars ±%1 s.e.; hollow: under %2 members</numerusform>
            <numerusform>%Ln generations; bars ±%1 s.e.; hollow: under %2 members</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation>
            <numerusform>expected %L1 to %L2: %L3 member, mean expected %L4, mean drawn %L5</numerusform>
            <numerusform>expected %L1 to %L2: %L3 members, mean expected %L4, mean drawn %L5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Draws against expected copies over %L1 generation(s): </source>
        <translation>
            <numerusform>Draws against expected copies over %L1 generation: </numerusform>
            <numerusform>Draws against expected copies over %L1 generations: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelChart</name>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation>
            <numerusform>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time</numerusform>
            <numerusform>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation>
            <numerusform>%L1 of %L2 run, %L3 runs per second, %4 left</numerusform>
            <numerusform>%L1 of %L2 runs, %L3 runs per second, %4 left</numerusform>
        </translation>
    </message>
</context>
</TS>
