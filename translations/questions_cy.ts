<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Screens</name>
    <message>
        <source>Correct!  Well Done</source>
        <translation>Cywir!  Da iawn</translation>
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
        <source>Answer</source>
        <translation>Ateb</translation>
    </message>
    <message>
        <source>TRUE</source>
        <translation>GWIR</translation>
    </message>
    <message>
        <source>FALSE</source>
        <translation>GAU</translation>
    </message>
</context>
<context>
    <name>TrueFalseScreen</name>
    <message>
        <source>Wrong, Try Again.</source>
        <translation>Anghywir, Rho Gynnig Arall.</translation>
    </message>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Cywir, Da Iawn!</translation>
    </message>
</context>
</TS>
