<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ExperimentForm</name>
    <message numerus="yes">
        <source>%1 of %2 generation(s), target %L3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%1 · %2 varied · seeds %3 to %4 · %L5 generation(s) · target %6</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeatMapChart</name>
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryMarkers</name>
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
    <message numerus="yes">
        <source>%1: %L2 of %L3 run(s) hit, %L4 % (95 % interval %L5 to %L6 %)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Observatory</name>
    <message numerus="yes">
        <source>Exported %Ln generation(s) to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message numerus="yes">
        <source>%Ln generation(s) per second</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SchemaChart</name>
    <message numerus="yes">
        <source>%1: %L2 member(s) match, bound %L3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SchemataView</name>
    <message numerus="yes">
        <source>“%1” has %n character(s); a schema has nine, one for each bit from bit 8 down to bit 0.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: m = %2 member(s) of generation %3 match.&lt;br&gt;S&lt;sub&gt;H&lt;/sub&gt;/S̄ = %4 / %5 = %L6: their mean share of the wheel against the mean of all ten.&lt;br&gt;1 − d(H)/9 = 1 − %7/9 = %L8: a split falls between its outermost fixed bits (%9 and %10) in %7 of 9 cases.&lt;br&gt;1 − q·P&lt;sub&gt;H&lt;/sub&gt; = 1 − %11 × %12 = %L13: q = 1/⁠(100&#xa0;−&#xa0;%14) of children mutate, and P&lt;sub&gt;H&lt;/sub&gt; is the chance that the flipped bit (bias %15) is one of its %16 fixed bits.&lt;br&gt;Bound for generation %17: %2 × %6 × %8 × %13 = &lt;b&gt;%L18&lt;/b&gt;; it has &lt;b&gt;%19&lt;/b&gt;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionCheckChart</name>
    <message numerus="yes">
        <source>%Ln generation(s); bars ±%1 s.e.; hollow: under %2 members</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expected %L1 to %L2: %L3 member(s), mean expected %L4, mean drawn %L5</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
    <name>WheelChart</name>
    <message numerus="yes">
        <source>member %1: fitness %2, %3 of the wheel, expected %L4 copies, drawn %n time(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message numerus="yes">
        <source>%L1 of %L2 run(s), %L3 runs per second, %4 left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
