<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>LabellingScreen</name>
    <message>
        <source>%1 out of %2 correct</source>
        <extracomment>The score: how many words are on their right boxes, of how many</extracomment>
        <translation>%1 allan o %2 yn gywir</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <extracomment>Told to a screen reader: %1 is the word just lifted</extracomment>
        <translation>%1, wedi&apos;i godi</translation>
    </message>
    <message>
        <source>%1, over box %2</source>
        <extracomment>Told to a screen reader: %1 is the word carried, %2 the box&apos;s number</extracomment>
        <translation>%1, dros flwch %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Told to a screen reader: %1 is the word put down, %2 where it lies (on box 3)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, put back</source>
        <extracomment>Told to a screen reader: %1 is the word put back where it was</extracomment>
        <translation>%1, wedi&apos;i roi yn ôl</translation>
    </message>
    <message>
        <source>on box %1</source>
        <extracomment>Told to a screen reader after a word&apos;s name: where the word lies</extracomment>
        <translation>ar flwch %1</translation>
    </message>
    <message>
        <source>back at the start</source>
        <translation>yn ôl ar y dechrau</translation>
    </message>
    <message>
        <source>not on a box</source>
        <translation>ddim ar flwch</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Dechrau Eto</translation>
    </message>
    <message>
        <source>Check Score</source>
        <translation>Gwirio&apos;r Sgôr</translation>
    </message>
</context>
</TS>
