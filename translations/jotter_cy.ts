<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Jotter</name>
    <message>
        <source>Jotter</source>
        <translation>Llyfr Bras</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Pensil</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Rhwbio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clirio</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Troi</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Gwyrdd</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Gwyrddlas</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Coch</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olewydd</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Llwyd golau</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Llwyd</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Glas golau</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Gwyrdd golau</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Gwyrddlas golau</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Coch golau</translation>
    </message>
    <message>
        <source>Light magenta</source>
        <translation>Magenta golau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Melyn</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Gwyn</translation>
    </message>
</context>
</TS>
