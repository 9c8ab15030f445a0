<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>ProblemMessage</name>
    <message>
        <source>Why &quot;%1&quot; is grey</source>
        <extracomment>%1 is the caption of a topic greyed in a menu</extracomment>
        <translation>Pam mae &quot;%1&quot; yn llwyd</translation>
    </message>
    <message>
        <source>The file %1 in your Brindlemark activities folder has a mistake:</source>
        <extracomment>%1 is the name of an activity file</extracomment>
        <translation>Mae camgymeriad yn y ffeil %1 yn eich ffolder gweithgareddau Brindlemark:</translation>
    </message>
    <message>
        <source>The file %1 in the folder below has a mistake:</source>
        <translation>Mae camgymeriad yn y ffeil %1 yn y ffolder isod:</translation>
    </message>
    <message>
        <source>Mend it, then open this menu again.</source>
        <translation>Trwsiwch y ffeil, yna agorwch y ddewislen hon eto.</translation>
    </message>
    <message>
        <source>There is one more mistake in the file. Mend it, then open this menu again.</source>
        <translation>Mae un camgymeriad arall yn y ffeil. Trwsiwch y ffeil, yna agorwch y ddewislen hon eto.</translation>
    </message>
    <message>
        <source>There are %1 more mistakes in the file. Mend it, then open this menu again.</source>
        <translation>Mae %1 camgymeriad arall yn y ffeil. Trwsiwch y ffeil, yna agorwch y ddewislen hon eto.</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Menu 1</source>
        <translation>Dewislen 1</translation>
    </message>
    <message>
        <source>Menu 2</source>
        <translation>Dewislen 2</translation>
    </message>
    <message>
        <source>Menu 3</source>
        <translation>Dewislen 3</translation>
    </message>
    <message>
        <source>Menu 4</source>
        <translation>Dewislen 4</translation>
    </message>
    <message>
        <source>Menu 5</source>
        <translation>Dewislen 5</translation>
    </message>
    <message>
        <source>Our Activities</source>
        <translation>Ein Tasgau</translation>
    </message>
    <message>
        <source>Open in the Activity Maker</source>
        <translation>Agor yn y Gwneuthurwr</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Iawn</translation>
    </message>
    <message>
        <source>Grey: a mistake in the file. Click it to see what to mend.</source>
        <translation>Llwyd: camgymeriad yn y ffeil. Cliciwch arno i weld beth i&apos;w drwsio.</translation>
    </message>
    <message>
        <source>WWW Links</source>
        <translation>Dolenni Gwe</translation>
    </message>
    <message>
        <source>Previous five</source>
        <translation>Pump yn ôl</translation>
    </message>
    <message>
        <source>Next five</source>
        <translation>Pump ymlaen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
</context>
</TS>
