<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>MainScreen</name>
    <message>
        <source>Hide Desktop</source>
        <translation>Cuddio&apos;r Bwrdd Gwaith</translation>
    </message>
    <message>
        <source>Read Aloud</source>
        <translation>Darllen yn Uchel</translation>
    </message>
    <message>
        <source>Our Activities</source>
        <translation>Ein Tasgau</translation>
    </message>
    <message>
        <source>Brindlemark logo: a seedling growing in a flask</source>
        <translation>Logo Brindlemark: eginblanhigyn yn tyfu mewn fflasg</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Llyfr Bras</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Iaith</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Canslo</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation>Canllaw Athrawon</translation>
    </message>
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
        <source>WWW Links</source>
        <translation>Dolenni Gwe</translation>
    </message>
    <message>
        <source>Science activities for ages 7 to 11</source>
        <translation>Gwyddoniaeth i blant 7 i 11 oed</translation>
    </message>
    <message>
        <source>Free for use in schools. Made with Qt.</source>
        <translation>Am ddim i ysgolion. Gwnaed gyda Qt.</translation>
    </message>
    <message>
        <source>Brindlemark science activities</source>
        <translation>Gweithgareddau gwyddoniaeth Brindlemark</translation>
    </message>
    <message>
        <source>About Brindlemark</source>
        <translation>Am Brindlemark</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Iawn</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Sunflowers in a field</source>
        <translation>Blodau haul mewn cae</translation>
    </message>
    <message>
        <source>A pendulum swinging</source>
        <translation>Pendil yn siglo</translation>
    </message>
</context>
</TS>
