<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Worksheet</name>
    <message>
        <source>Name: ______________________     Date: ______________</source>
        <extracomment>The lines a pupil writes her name and the date on; keep the lines as long</extracomment>
        <translation>Enw: ______________________     Dyddiad: ______________</translation>
    </message>
    <message>
        <source>Answer sheet</source>
        <translation>Taflen atebion</translation>
    </message>
    <message>
        <source>TRUE</source>
        <translation>GWIR</translation>
    </message>
    <message>
        <source>FALSE</source>
        <translation>GAU</translation>
    </message>
    <message>
        <source>Scrambled Words</source>
        <translation>Geiriau Cymysg</translation>
    </message>
    <message>
        <source>Unscramble each scientific word and write it on the line beside it.</source>
        <translation>Dad-gymysga bob gair gwyddonol a&apos;i ysgrifennu ar y llinell wrth ei ochr.</translation>
    </message>
    <message>
        <source>Scrambled Words: %1</source>
        <extracomment>%1 is a category of words, such as Materials</extracomment>
        <translation>Geiriau Cymysg: %1</translation>
    </message>
</context>
</TS>
