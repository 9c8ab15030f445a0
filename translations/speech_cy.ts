<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>ReadAloud</name>
    <message>
        <source>No speech service installed</source>
        <translation>Dim gwasanaeth lleferydd wedi&apos;i osod</translation>
    </message>
    <message>
        <source>The speech service did not answer</source>
        <translation>Ni atebodd y gwasanaeth lleferydd</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Darllen allan</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Darllen</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Dim llais wedi&apos;i osod</translation>
    </message>
    <message>
        <source>No voice for %1 is installed</source>
        <extracomment>%1 is a language&apos;s name in that language, such as Cymraeg</extracomment>
        <translation>Dim llais %1 wedi&apos;i osod</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>bwlch</translation>
    </message>
</context>
</TS>
