<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Screens</name>
    <message>
        <source>See if you can unscramble the scientific word below.</source>
        <translation>Wyt ti&apos;n gallu dad-gymysgu&apos;r gair gwyddonol isod?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>New Question</source>
        <translation>Nesaf</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Dangos yr Ateb</translation>
    </message>
    <message>
        <source>Scrambled Words</source>
        <translation>Geiriau Cymysg</translation>
    </message>
    <message>
        <source>Life Processes</source>
        <translation>Prosesau Bywyd</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Defnyddiau</translation>
    </message>
    <message>
        <source>Physical Processes</source>
        <translation>Prosesau Ffisegol</translation>
    </message>
</context>
</TS>
