<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>Layout</name>
    <message>
        <source>The answer is: %1</source>
        <translation>Yr ateb yw: %1</translation>
    </message>
</context>
<context>
    <name>MenuTopic</name>
    <message>
        <source>Organs</source>
        <translation>Organau</translation>
    </message>
    <message>
        <source>The Skeleton</source>
        <translation>Y Sgerbwd</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Symud</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Dannedd</translation>
    </message>
    <message>
        <source>Puberty</source>
        <translation>Glasoed</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Bwyd</translation>
    </message>
    <message>
        <source>Plant Reproduction</source>
        <translation>Atgenhedlu Planhigion</translation>
    </message>
    <message>
        <source>Animal Groups</source>
        <translation>Grwpiau Anifeiliaid</translation>
    </message>
    <message>
        <source>Plant Groups</source>
        <translation>Grwpiau Planhigion</translation>
    </message>
    <message>
        <source>Food Chains</source>
        <translation>Cadwyni Bwyd</translation>
    </message>
    <message>
        <source>Insulators and Conductors</source>
        <translation>Ynysyddion a Dargludyddion</translation>
    </message>
    <message>
        <source>Magnets</source>
        <translation>Magnetau</translation>
    </message>
    <message>
        <source>Solids, Liquids and Gases</source>
        <translation>Solidau, Hylifau a Nwyon</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Newidiadau</translation>
    </message>
    <message>
        <source>The Water Cycle</source>
        <translation>Y Gylchred Ddŵr</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Gwahanu</translation>
    </message>
    <message>
        <source>Circuit Symbols</source>
        <translation>Symbolau Cylched</translation>
    </message>
    <message>
        <source>Newton Meter</source>
        <translation>Mesurydd Newton</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Grymoedd</translation>
    </message>
    <message>
        <source>The Seasons</source>
        <translation>Y Tymhorau</translation>
    </message>
    <message>
        <source>Day and Night</source>
        <translation>Dydd a Nos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sain</translation>
    </message>
    <message>
        <source>Ray Diagrams</source>
        <translation>Diagramau Pelydrau</translation>
    </message>
    <message>
        <source>Scrambled Words</source>
        <translation>Geiriau Cymysg</translation>
    </message>
    <message>
        <source>Healthy Living</source>
        <translation>Byw&apos;n Iach</translation>
    </message>
</context>
<context>
    <name>ProblemWords</name>
    <message>
        <source>the file is larger than 256 KiB: make it smaller</source>
        <translation>mae&apos;r ffeil yn fwy na 256 KiB: gwnewch hi&apos;n llai</translation>
    </message>
    <message>
        <source>the file cannot be read: check that it may be opened</source>
        <translation>does dim modd darllen y ffeil: gwiriwch fod modd ei hagor</translation>
    </message>
    <message>
        <source>the file cannot be found</source>
        <translation>does dim modd dod o hyd i&apos;r ffeil</translation>
    </message>
    <message>
        <source>the file is saved as Unicode (UTF-16): save it again as UTF-8</source>
        <translation>mae&apos;r ffeil wedi&apos;i chadw fel Unicode (UTF-16): cadwch hi eto fel UTF-8</translation>
    </message>
    <message>
        <source>a text has no closing quotation mark: close it where the text ends</source>
        <translation>does dim dyfynnod cau gan destun: caewch ef lle mae&apos;r testun yn gorffen</translation>
    </message>
    <message>
        <source>a setting&apos;s name must be followed by an equals sign and its value</source>
        <translation>rhaid i arwydd hafal a&apos;i werth ddilyn enw gosodiad</translation>
    </message>
    <message>
        <source>the value cannot be read: put text in double quotation marks (numbers, true and false take none)</source>
        <translation>does dim modd darllen y gwerth: rhowch destun mewn dyfynodau dwbl (dim ar gyfer rhifau, true a false)</translation>
    </message>
    <message>
        <source>a heading is not closed: end it with its square brackets</source>
        <translation>dydy pennawd ddim wedi&apos;i gau: gorffennwch ef gyda&apos;i gromfachau sgwâr</translation>
    </message>
    <message>
        <source>a backslash in a text must be written twice</source>
        <translation>rhaid ysgrifennu slaes ôl mewn testun ddwywaith</translation>
    </message>
    <message>
        <source>a list is not closed: end it with a closing square bracket</source>
        <translation>dydy rhestr ddim wedi&apos;i chau: gorffennwch hi gyda chromfach sgwâr cau</translation>
    </message>
    <message>
        <source>%1 is written twice: keep only one</source>
        <translation>mae %1 wedi&apos;i ysgrifennu ddwywaith: cadwch un yn unig</translation>
    </message>
    <message>
        <source>the file cannot be read here: check its spelling and punctuation</source>
        <translation>does dim modd darllen y ffeil yma: gwiriwch ei sillafu a&apos;i hatalnodi</translation>
    </message>
    <message>
        <source>%1 is no setting the program knows: check its spelling, or take it out</source>
        <translation>dydy %1 ddim yn osodiad mae&apos;r rhaglen yn ei adnabod: gwiriwch ei sillafu, neu tynnwch ef allan</translation>
    </message>
    <message>
        <source>%1 is no setting the program knows here: check its spelling, or take it out</source>
        <translation>dydy %1 ddim yn osodiad mae&apos;r rhaglen yn ei adnabod yma: gwiriwch ei sillafu, neu tynnwch ef allan</translation>
    </message>
    <message>
        <source>%1 is not used in this kind of activity: take it out</source>
        <translation>dydy %1 ddim yn cael ei ddefnyddio yn y math hwn o weithgaredd: tynnwch ef allan</translation>
    </message>
    <message>
        <source>fill in %F</source>
        <translation>llenwch %F</translation>
    </message>
    <message>
        <source>%F must be text, in quotation marks</source>
        <translation>rhaid i %F fod yn destun, mewn dyfynodau</translation>
    </message>
    <message>
        <source>shorten %F to %2 characters at most</source>
        <translation>byrhewch %F i %2 nod ar y mwyaf</translation>
    </message>
    <message>
        <source>give %2 to %3 %P</source>
        <translation>rhowch %2 i %3 o %P</translation>
    </message>
    <message>
        <source>type %I (each %E needs %2 to %3)</source>
        <translation>teipiwch %I (mae angen %2 i %3 ar bob %E)</translation>
    </message>
    <message>
        <source>shorten %F to 400 characters at most</source>
        <translation>byrhewch %F i 400 nod ar y mwyaf</translation>
    </message>
    <message>
        <source>%2 is given twice: make each of the %P different</source>
        <translation>mae %2 wedi&apos;i roi ddwywaith: gwnewch bob un o&apos;r %P yn wahanol</translation>
    </message>
    <message>
        <source>place it again on the picture</source>
        <translation>rhowch ef ar y llun eto</translation>
    </message>
    <message>
        <source>choose %F again: the file&apos;s name may not name a folder</source>
        <translation>dewiswch %F eto: chaiff enw&apos;r ffeil ddim enwi ffolder</translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG picture: choose another</source>
        <translation>dydy %1 ddim yn llun PNG neu JPEG: dewiswch un arall</translation>
    </message>
    <message>
        <source>add a %E: there must be one at least</source>
        <translation>ychwanegwch %E: rhaid cael un o leiaf</translation>
    </message>
    <message>
        <source>each %E must be written as an entry of its own</source>
        <translation>rhaid ysgrifennu pob %E fel cofnod ar ei ben ei hun</translation>
    </message>
    <message>
        <source>take some out: %1 at most fit on the screen</source>
        <translation>tynnwch rai allan: %1 ar y mwyaf sy&apos;n ffitio ar y sgrin</translation>
    </message>
    <message>
        <source>a colour must be three numbers from 0 to 255</source>
        <translation>rhaid i liw fod yn dri rhif o 0 i 255</translation>
    </message>
    <message>
        <source>a place on the screen must be two or four numbers</source>
        <translation>rhaid i le ar y sgrin fod yn ddau neu bedwar rhif</translation>
    </message>
    <message>
        <source>the font must be Arial, Times New Roman or Tahoma</source>
        <translation>rhaid i&apos;r ffont fod yn Arial, Times New Roman neu Tahoma</translation>
    </message>
    <message>
        <source>the text&apos;s size must be from 6 to 96 points</source>
        <translation>rhaid i faint y testun fod o 6 i 96 pwynt</translation>
    </message>
    <message>
        <source>write bold as true or false, without quotation marks</source>
        <translation>ysgrifennwch bold fel true neu false, heb ddyfynodau</translation>
    </message>
    <message>
        <source>give %F: the screen is laid out by hand, so every word is placed</source>
        <translation>rhowch %F: mae&apos;r sgrin wedi&apos;i gosod â llaw, felly mae pob gair yn cael ei leoli</translation>
    </message>
    <message>
        <source>a word is placed by hand only on a screen laid out by hand: take its place out</source>
        <translation>dim ond ar sgrin wedi&apos;i gosod â llaw mae gair yn cael ei leoli â llaw: tynnwch ei le allan</translation>
    </message>
    <message>
        <source>%F must be two numbers, a left and a top</source>
        <translation>rhaid i %F fod yn ddau rif, chwith a brig</translation>
    </message>
    <message>
        <source>the pointer must be four numbers, where it starts and ends</source>
        <translation>rhaid i&apos;r pwyntydd fod yn bedwar rhif, lle mae&apos;n dechrau ac yn gorffen</translation>
    </message>
    <message>
        <source>%F must be a width and a height</source>
        <translation>rhaid i %F fod yn lled ac yn uchder</translation>
    </message>
    <message>
        <source>the layout of this kind of activity cannot place %2: take it out</source>
        <translation>does dim modd i gynllun y math hwn o weithgaredd leoli %2: tynnwch ef allan</translation>
    </message>
    <message>
        <source>the layout must be a heading of its own</source>
        <translation>rhaid i&apos;r cynllun fod yn bennawd ar ei ben ei hun</translation>
    </message>
    <message>
        <source>choose a menu from 1 to 5</source>
        <translation>dewiswch ddewislen o 1 i 5</translation>
    </message>
    <message>
        <source>%1 is no kind of activity: it must be labelling, sorting, passage, questions or truefalse</source>
        <translation>dydy %1 ddim yn fath o weithgaredd: rhaid iddo fod yn labelling, sorting, passage, questions neu truefalse</translation>
    </message>
    <message>
        <source>%F must give each picture&apos;s name and what it shows</source>
        <translation>rhaid i %F roi enw pob llun a beth mae&apos;n ei ddangos</translation>
    </message>
    <message>
        <source>%1 is not a picture&apos;s file name: say what a picture shows by its name</source>
        <translation>dydy %1 ddim yn enw ffeil llun: dywedwch beth mae llun yn ei ddangos wrth ei enw</translation>
    </message>
    <message>
        <source>%F must give its colours and how often they change</source>
        <translation>rhaid i %F roi ei liwiau a pha mor aml maen nhw&apos;n newid</translation>
    </message>
    <message>
        <source>%F needs two colours, of its fill or of its text</source>
        <translation>mae angen dau liw ar %F, ei lenwad neu ei destun</translation>
    </message>
    <message>
        <source>%F must be a whole number of milliseconds from 1 to 5000</source>
        <translation>rhaid i %F fod yn rhif cyfan o filieiliadau o 1 i 5000</translation>
    </message>
    <message>
        <source>%F needs how often its colours change</source>
        <translation>mae angen i %F ddweud pa mor aml mae ei liwiau&apos;n newid</translation>
    </message>
    <message>
        <source>choose its column again: %1 is none of the headings</source>
        <translation>dewiswch ei golofn eto: dydy %1 ddim yn un o&apos;r penawdau</translation>
    </message>
    <message>
        <source>a gap opens inside another: close each gap before the next opens</source>
        <translation>mae bwlch yn agor y tu mewn i un arall: caewch bob bwlch cyn i&apos;r nesaf agor</translation>
    </message>
    <message>
        <source>a gap is closed that was never opened: open it with a square bracket</source>
        <translation>mae bwlch wedi&apos;i gau na chafodd ei agor: agorwch ef gyda chromfach sgwâr</translation>
    </message>
    <message>
        <source>a gap is empty: put the word to drag between its square brackets</source>
        <translation>mae bwlch yn wag: rhowch y gair i&apos;w lusgo rhwng ei gromfachau sgwâr</translation>
    </message>
    <message>
        <source>a gap is not closed: end it with a closing square bracket</source>
        <translation>dydy bwlch ddim wedi&apos;i gau: gorffennwch ef gyda chromfach sgwâr cau</translation>
    </message>
    <message>
        <source>there is no gap: put each word to drag between square brackets</source>
        <translation>does dim bwlch: rhowch bob gair i&apos;w lusgo rhwng cromfachau sgwâr</translation>
    </message>
    <message>
        <source>there are more than %1 gaps: take some out</source>
        <translation>mae mwy na %1 bwlch: tynnwch rai allan</translation>
    </message>
    <message>
        <source>another passage has the button name %1: give each its own</source>
        <translation>mae gan ddarn arall yr enw botwm %1: rhowch ei enw ei hun i bob un</translation>
    </message>
    <message>
        <source>only the first passage of a screen laid out by hand is placed: take %F out</source>
        <translation>dim ond darn cyntaf sgrin wedi&apos;i gosod â llaw sy&apos;n cael ei leoli: tynnwch %F allan</translation>
    </message>
    <message>
        <source>give %F: the screen is laid out by hand</source>
        <translation>rhowch %F: mae&apos;r sgrin wedi&apos;i gosod â llaw</translation>
    </message>
    <message>
        <source>%F must give a width for each of the %1 gaps</source>
        <translation>rhaid i %F roi lled i bob un o&apos;r %1 bwlch</translation>
    </message>
    <message>
        <source>%F must be whole numbers from 1 to 100</source>
        <translation>rhaid i %F fod yn rhifau cyfan o 1 i 100</translation>
    </message>
    <message>
        <source>%1 is placed more often than the passage has it as a gap</source>
        <translation>mae %1 yn cael ei leoli&apos;n amlach nag y mae&apos;n fwlch yn y darn</translation>
    </message>
    <message>
        <source>%F must place each gap&apos;s word once</source>
        <translation>rhaid i %F leoli gair pob bwlch unwaith</translation>
    </message>
    <message>
        <source>%F must give one for each of the %1 answers, in their order</source>
        <translation>rhaid i %F roi un ar gyfer pob un o&apos;r %1 ateb, yn eu trefn</translation>
    </message>
    <message>
        <source>choose the right answer again: %1 is none of the answers</source>
        <translation>dewiswch yr ateb cywir eto: dydy %1 ddim yn un o&apos;r atebion</translation>
    </message>
    <message>
        <source>a picture is placed by hand only on a screen laid out by hand, by four numbers</source>
        <translation>dim ond ar sgrin wedi&apos;i gosod â llaw mae llun yn cael ei leoli â llaw, gyda phedwar rhif</translation>
    </message>
    <message>
        <source>%F takes the backdrop&apos;s place: give a backdrop picture</source>
        <translation>mae %F yn cymryd lle&apos;r cefndir: rhowch lun cefndir</translation>
    </message>
    <message>
        <source>in an activity with sections, each question belongs to a section</source>
        <translation>mewn gweithgaredd ag adrannau, mae pob cwestiwn yn perthyn i adran</translation>
    </message>
    <message>
        <source>give 2 to %1 sections, each as an entry of its own</source>
        <translation>rhowch 2 i %1 adran, pob un fel cofnod ar ei ben ei hun</translation>
    </message>
    <message>
        <source>a section is laid out by hand only when the activity is</source>
        <translation>dim ond pan fydd y gweithgaredd wedi&apos;i osod â llaw mae adran wedi&apos;i gosod â llaw</translation>
    </message>
    <message>
        <source>write true or false, without quotation marks</source>
        <translation>ysgrifennwch true neu false, heb ddyfynodau</translation>
    </message>
    <message>
        <source>menu %1 has no topic %2: choose one of its topics, or put it in Our Activities</source>
        <translation>does dim pwnc %2 yn newislen %1: dewiswch un o&apos;i phynciau, neu rhowch ef yn Ein Gweithgareddau</translation>
    </message>
    <message>
        <source>%1 on menu %2 is one of the program&apos;s own activities: choose another topic, or put it in Our Activities</source>
        <translation>mae %1 yn newislen %2 yn un o weithgareddau&apos;r rhaglen ei hun: dewiswch bwnc arall, neu rhowch ef yn Ein Gweithgareddau</translation>
    </message>
    <message>
        <source>%1 on menu %2 is taken by another activity: give this one another name in the menu</source>
        <translation>mae gweithgaredd arall wedi cymryd %1 yn newislen %2: rhowch enw arall i hwn yn y ddewislen</translation>
    </message>
    <message>
        <source>the Smoking passage of Healthy Living comes with the program: give another button name</source>
        <translation>mae darn Ysmygu Byw&apos;n Iach yn dod gyda&apos;r rhaglen: rhowch enw botwm arall</translation>
    </message>
    <message>
        <source>the %1 passage of Healthy Living is given twice: give another button name</source>
        <translation>mae darn %1 Byw&apos;n Iach wedi&apos;i roi ddwywaith: rhowch enw botwm arall</translation>
    </message>
    <message>
        <source>Healthy Living has no button left for %1</source>
        <translation>does dim botwm ar ôl yn Byw&apos;n Iach ar gyfer %1</translation>
    </message>
    <message>
        <source>%F is too long to fit %2: make it shorter</source>
        <translation>mae %F yn rhy hir i ffitio %2: gwnewch ef yn fyrrach</translation>
    </message>
    <message>
        <source>the word %3 in a gap is too long to fit its box: use a shorter word</source>
        <translation>mae&apos;r gair %3 mewn bwlch yn rhy hir i ffitio ei flwch: defnyddiwch air byrrach</translation>
    </message>
    <message>
        <source>there are more %1 than the screen has room for: take some out</source>
        <translation>mae mwy o %1 nag sydd o le ar y sgrin: tynnwch rai allan</translation>
    </message>
    <message>
        <source>it points outside the picture: place it again on the picture</source>
        <translation>mae&apos;n pwyntio y tu allan i&apos;r llun: rhowch ef ar y llun eto</translation>
    </message>
    <message>
        <source>its box overlaps the box of %1: move them further apart</source>
        <translation>mae ei flwch yn gorgyffwrdd â blwch %1: symudwch nhw ymhellach oddi wrth ei gilydd</translation>
    </message>
    <message>
        <source>the layout has no place for the heading %1</source>
        <translation>does dim lle yn y cynllun i&apos;r pennawd %1</translation>
    </message>
    <message>
        <source>the passage is too long to fit on the screen with its gaps: make it shorter</source>
        <translation>mae&apos;r darn yn rhy hir i ffitio ar y sgrin gyda&apos;i fylchau: gwnewch ef yn fyrrach</translation>
    </message>
    <message>
        <source>the layout has places for %1 answers, and this question has %2</source>
        <translation>mae lle i %1 ateb yn y cynllun, ac mae gan y cwestiwn hwn %2</translation>
    </message>
    <message>
        <source>the layout has no place for the picture: give it one</source>
        <translation>does dim lle i&apos;r llun yn y cynllun: rhowch un iddo</translation>
    </message>
    <message>
        <source>the picture %1 cannot be found: choose it again</source>
        <translation>does dim modd dod o hyd i&apos;r llun %1: dewiswch ef eto</translation>
    </message>
    <message>
        <source>%2: choose another picture</source>
        <translation>%2: dewiswch lun arall</translation>
    </message>
    <message>
        <source>the translation of %1 is empty: type it</source>
        <translation>mae cyfieithiad %1 yn wag: teipiwch ef</translation>
    </message>
    <message>
        <source>shorten the translation of %1 to %2 characters at most</source>
        <translation>byrhewch gyfieithiad %1 i %2 nod ar y mwyaf</translation>
    </message>
    <message>
        <source>a square bracket in the translation has no partner: put each word to drag between square brackets</source>
        <translation>mae cromfach sgwâr ar ei phen ei hun yn y cyfieithiad: rhowch bob gair i&apos;w lusgo rhwng cromfachau sgwâr</translation>
    </message>
    <message>
        <source>the passage has %1 gaps and its translation %2: put each word to drag between square brackets</source>
        <translation>mae gan y darn %1 bwlch a&apos;i gyfieithiad %2: rhowch bob gair i&apos;w lusgo rhwng cromfachau sgwâr</translation>
    </message>
    <message>
        <source>%1 is not a text of the activity now: its translation is not used</source>
        <translation>dydy %1 ddim yn destun yn y gweithgaredd nawr: dydy ei gyfieithiad ddim yn cael ei ddefnyddio</translation>
    </message>
    <message>
        <source>%1 and %2 would both read %3: give each its own translation</source>
        <translation>byddai %1 a %2 ill dau yn darllen %3: rhowch ei gyfieithiad ei hun i bob un</translation>
    </message>
    <message>
        <source>the menu</source>
        <translation>y ddewislen</translation>
    </message>
    <message>
        <source>the name in the menu</source>
        <translation>yr enw yn y ddewislen</translation>
    </message>
    <message>
        <source>the kind of activity</source>
        <translation>y math o weithgaredd</translation>
    </message>
    <message>
        <source>the window title</source>
        <translation>teitl y ffenest</translation>
    </message>
    <message>
        <source>the instruction</source>
        <translation>y cyfarwyddyd</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>y llun</translation>
    </message>
    <message>
        <source>the label&apos;s word</source>
        <translation>gair y label</translation>
    </message>
    <message>
        <source>how it is read aloud</source>
        <translation>sut mae&apos;n cael ei ddarllen yn uchel</translation>
    </message>
    <message>
        <source>the column headings</source>
        <translation>penawdau&apos;r colofnau</translation>
    </message>
    <message>
        <source>column heading</source>
        <translation>pennawd colofn</translation>
    </message>
    <message>
        <source>column headings</source>
        <translation>penawdau colofn</translation>
    </message>
    <message>
        <source>its column</source>
        <translation>ei golofn</translation>
    </message>
    <message>
        <source>the button name</source>
        <translation>enw&apos;r botwm</translation>
    </message>
    <message>
        <source>the answers</source>
        <translation>yr atebion</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>ateb</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>atebion</translation>
    </message>
    <message>
        <source>how the answers are read aloud</source>
        <translation>sut mae&apos;r atebion yn cael eu darllen yn uchel</translation>
    </message>
    <message>
        <source>answer read aloud</source>
        <translation>ateb i&apos;w ddarllen yn uchel</translation>
    </message>
    <message>
        <source>answers read aloud</source>
        <translation>atebion i&apos;w darllen yn uchel</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>yr ateb cywir</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>gwir neu gau</translation>
    </message>
    <message>
        <source>its place on the picture</source>
        <translation>ei le ar y llun</translation>
    </message>
    <message>
        <source>the point its pointer shows</source>
        <translation>y pwynt mae ei bwyntydd yn ei ddangos</translation>
    </message>
    <message>
        <source>its box&apos;s place</source>
        <translation>lle ei flwch</translation>
    </message>
    <message>
        <source>its starting place</source>
        <translation>ei fan cychwyn</translation>
    </message>
    <message>
        <source>its pointer</source>
        <translation>ei bwyntydd</translation>
    </message>
    <message>
        <source>what each picture shows</source>
        <translation>beth mae pob llun yn ei ddangos</translation>
    </message>
    <message>
        <source>the backdrop picture</source>
        <translation>y llun cefndir</translation>
    </message>
    <message>
        <source>what a wrong answer says</source>
        <translation>beth mae ateb anghywir yn ei ddweud</translation>
    </message>
    <message>
        <source>how the right answer flashes</source>
        <translation>sut mae&apos;r ateb cywir yn fflachio</translation>
    </message>
    <message>
        <source>how often the right answer flashes</source>
        <translation>pa mor aml mae&apos;r ateb cywir yn fflachio</translation>
    </message>
    <message>
        <source>when the right answer first flashes</source>
        <translation>pryd mae&apos;r ateb cywir yn fflachio gyntaf</translation>
    </message>
    <message>
        <source>the screen&apos;s layout</source>
        <translation>cynllun y sgrin</translation>
    </message>
    <message>
        <source>the screen&apos;s size</source>
        <translation>maint y sgrin</translation>
    </message>
    <message>
        <source>the gaps&apos; widths</source>
        <translation>lled y bylchau</translation>
    </message>
    <message>
        <source>the places of the passage&apos;s words</source>
        <translation>lleoedd geiriau&apos;r darn</translation>
    </message>
    <message>
        <source>the picture&apos;s place</source>
        <translation>lle&apos;r llun</translation>
    </message>
    <message>
        <source>the right answer in words</source>
        <translation>yr ateb cywir mewn geiriau</translation>
    </message>
    <message>
        <source>the picture shown after the answer</source>
        <translation>y llun a ddangosir ar ôl yr ateb</translation>
    </message>
    <message>
        <source>the sections</source>
        <translation>yr adrannau</translation>
    </message>
    <message>
        <source>the section&apos;s button</source>
        <translation>botwm yr adran</translation>
    </message>
    <message>
        <source>first</source>
        <translation>1</translation>
    </message>
    <message>
        <source>second</source>
        <translation>2</translation>
    </message>
    <message>
        <source>third</source>
        <translation>3</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>4</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>5</translation>
    </message>
    <message>
        <source>number %1</source>
        <extracomment>An item&apos;s place in a list, after the first five: &quot;number 6&quot;</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 %2</source>
        <extracomment>&quot;the second answer&quot;: %1 is the item&apos;s place, %2 the item</extracomment>
        <translation>%2 rhif %1</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>&quot;the question&quot;: %1 is the kind&apos;s entry</extracomment>
        <translation>y %1</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>gweithgaredd</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <extracomment>&quot;a second answer&quot;: %1 is the item&apos;s place, %2 the item</extracomment>
        <translation>%2 rhif %1</translation>
    </message>
    <message>
        <source>an %1</source>
        <extracomment>An item wanted, &quot;an answer&quot;, &quot;a column heading&quot;: %1 is the item</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>The entry a problem is in, its number and the problem: &quot;Question 1: type...&quot;</extracomment>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Line %1 says %2. %3</source>
        <extracomment>%1 is a line&apos;s number, %2 the line as the file has it, %3 what to do</extracomment>
        <translation>Mae llinell %1 yn dweud %2. %3</translation>
    </message>
    <message>
        <source>label</source>
        <translation>label</translation>
    </message>
    <message>
        <source>word</source>
        <translation>gair</translation>
    </message>
    <message>
        <source>passage</source>
        <translation>darn</translation>
    </message>
    <message>
        <source>question</source>
        <translation>cwestiwn</translation>
    </message>
    <message>
        <source>statement</source>
        <translation>datganiad</translation>
    </message>
    <message>
        <source>item</source>
        <translation>eitem</translation>
    </message>
    <message>
        <source>this setting</source>
        <translation>y gosodiad hwn</translation>
    </message>
    <message>
        <source>items</source>
        <translation>eitemau</translation>
    </message>
</context>
</TS>
