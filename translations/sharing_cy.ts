<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Sharing</name>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>Does dim modd darllen &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the activity and its pictures come to more than 300 MiB</source>
        <translation>mae&apos;r gweithgaredd a&apos;i luniau&apos;n fwy na 300 MiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be packed</source>
        <translation>does dim modd pacio &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a problem to mend before it is shared: line %2, column %3: %4</source>
        <translation>mae gan &quot;%1&quot; broblem i&apos;w thrwsio cyn ei rannu: llinell %2, colofn %3: %4</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; cannot be found</source>
        <translation>does dim modd dod o hyd i&apos;r llun &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already there</source>
        <translation>mae &quot;%1&quot; yno&apos;n barod</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>does dim modd ysgrifennu &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written</source>
        <translation>does dim modd ysgrifennu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the activity &quot;%1&quot; cannot be used. %2</source>
        <translation>does dim modd defnyddio&apos;r gweithgaredd &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>a temporary folder cannot be made: %1</source>
        <translation>does dim modd gwneud ffolder dros dro: %1</translation>
    </message>
    <message>
        <source>the activity names the picture &quot;%1&quot;, which the file does not bring</source>
        <translation>mae&apos;r gweithgaredd yn enwi&apos;r llun &quot;%1&quot;, ond dydy&apos;r ffeil ddim yn dod ag ef</translation>
    </message>
    <message>
        <source>nothing has been opened</source>
        <translation>does dim wedi&apos;i agor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in your activities folder</source>
        <translation>mae &quot;%1&quot; yn ffolder eich gweithgareddau&apos;n barod</translation>
    </message>
    <message>
        <source>your activities folder %1 cannot be made</source>
        <translation>does dim modd gwneud ffolder eich gweithgareddau, %1</translation>
    </message>
    <message>
        <source>your activities folder cannot be written: %1</source>
        <translation>does dim modd ysgrifennu yn ffolder eich gweithgareddau: %1</translation>
    </message>
    <message>
        <source>your activities folder cannot be written</source>
        <translation>does dim modd ysgrifennu yn ffolder eich gweithgareddau</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written into your activities folder: %2</source>
        <translation>does dim modd ysgrifennu &quot;%1&quot; yn ffolder eich gweithgareddau: %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is longer than %2 characters</source>
        <translation>mae&apos;r enw &quot;%1&quot; yn hirach na %2 nod</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; would lead out of the folder</source>
        <translation>byddai&apos;r enw &quot;%1&quot; yn arwain allan o&apos;r ffolder</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder: only plain file names are taken</source>
        <translation>mae &quot;%1&quot; mewn ffolder: dim ond enwau ffeil plaen sy&apos;n cael eu derbyn</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; names a drive</source>
        <translation>mae&apos;r enw &quot;%1&quot; yn enwi gyriant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name</source>
        <translation>dydy &quot;%1&quot; ddim yn enw ffeil plaen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2</source>
        <translation>mae &quot;%1&quot; yn fwy na %2</translation>
    </message>
    <message>
        <source>the file is not a shared activity: it is not a zip archive</source>
        <translation>dydy&apos;r ffeil ddim yn weithgaredd a rannwyd: dydy hi ddim yn archif zip</translation>
    </message>
    <message>
        <source>the file is damaged: its zip archive cannot be read</source>
        <translation>mae&apos;r ffeil wedi&apos;i difrodi: does dim modd darllen ei harchif zip</translation>
    </message>
    <message>
        <source>the file holds no activity (.toml file)</source>
        <translation>does dim gweithgaredd (ffeil .toml) yn y ffeil</translation>
    </message>
    <message>
        <source>the file unpacks to more than 300 MiB</source>
        <translation>mae&apos;r ffeil yn dadbacio i fwy na 300 MiB</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>does dim modd darllen y ffeil</translation>
    </message>
    <message>
        <source>the file is damaged: the name &quot;%1&quot; is not written in UTF-8 as it claims</source>
        <translation>mae&apos;r ffeil wedi&apos;i difrodi: dydy&apos;r enw &quot;%1&quot; ddim wedi&apos;i ysgrifennu mewn UTF-8 fel mae&apos;n honni</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a file</source>
        <translation>dolen yw &quot;%1&quot;, nid ffeil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file</source>
        <translation>dydy &quot;%1&quot; ddim yn ffeil blaen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted</source>
        <translation>mae &quot;%1&quot; wedi&apos;i amgryptio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an activity (.toml) nor a PNG or JPEG picture</source>
        <translation>dydy &quot;%1&quot; ddim yn weithgaredd (.toml) nac yn llun PNG neu JPEG</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is packed in a way that cannot be unpacked</source>
        <translation>mae &quot;%1&quot; wedi&apos;i bacio mewn ffordd na ellir ei dadbacio</translation>
    </message>
    <message>
        <source>the file cannot be unpacked: %1</source>
        <translation>does dim modd dadbacio&apos;r ffeil: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>mae &quot;%1&quot; wedi&apos;i ddifrodi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its contents do not match their checksum</source>
        <translation>mae &quot;%1&quot; wedi&apos;i ddifrodi: dydy&apos;r cynnwys ddim yn cyfateb i&apos;w swm gwirio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its size in the archive is wrong</source>
        <translation>mae &quot;%1&quot; wedi&apos;i ddifrodi: mae ei faint yn yr archif yn anghywir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PNG or JPEG picture</source>
        <translation>dydy &quot;%1&quot; ddim yn llun PNG neu JPEG</translation>
    </message>
    <message>
        <source>the file holds more than %1 files: one activity and at most %2 pictures</source>
        <translation>mae mwy na %1 ffeil yn y ffeil: un gweithgaredd a %2 llun ar y mwyaf</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the file twice</source>
        <translation>mae &quot;%1&quot; yn y ffeil ddwywaith</translation>
    </message>
    <message>
        <source>the file holds more than one activity: &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>mae mwy nag un gweithgaredd yn y ffeil: &quot;%1&quot; a &quot;%2&quot;</translation>
    </message>
</context>
</TS>
