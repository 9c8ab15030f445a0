<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Screens</name>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nesaf</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ateb</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Gwirio</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Llyfr Bras</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cymysgu</translation>
    </message>
</context>
</TS>
