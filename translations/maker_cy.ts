<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB">
<context>
    <name>ActivityList</name>
    <message>
        <source>Activities</source>
        <translation>Gweithgareddau</translation>
    </message>
    <message>
        <source>Activities: click one to open it</source>
        <translation>Gweithgareddau: cliciwch ar un i&apos;w agor</translation>
    </message>
    <message>
        <source>Our Activities</source>
        <translation>Ein Gweithgareddau</translation>
    </message>
    <message>
        <source>Menu %1</source>
        <translation>Dewislen %1</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (eich un chi)</translation>
    </message>
    <message>
        <source>%1: 1 problem</source>
        <translation>%1: 1 broblem</translation>
    </message>
    <message>
        <source>%1: %2 problems</source>
        <translation>%1: %2 problem</translation>
    </message>
</context>
<context>
    <name>ActivitySaver</name>
    <message>
        <source>The disk is full: free some space, then save again.</source>
        <translation>Mae&apos;r ddisg yn llawn: rhyddhewch le, yna cadwch eto.</translation>
    </message>
    <message>
        <source>You may not write in the folder %1: ask whoever looks after this computer to let you.</source>
        <translation>Chewch chi ddim ysgrifennu yn y ffolder %1: gofynnwch i bwy bynnag sy&apos;n gofalu am y cyfrifiadur hwn am ganiatâd.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Doedd dim modd ysgrifennu %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: you may not write there, or a file of that name is in the way.</source>
        <translation>Does dim modd gwneud y ffolder %1: chewch chi ddim ysgrifennu yno, neu mae ffeil o&apos;r enw hwnnw yn y ffordd.</translation>
    </message>
    <message>
        <source>The picture %1 could not be copied into %2: %3.</source>
        <translation>Doedd dim modd copïo&apos;r llun %1 i %2: %3.</translation>
    </message>
</context>
<context>
    <name>CommonFields</name>
    <message>
        <source>where everything stands on its screen</source>
        <translation>lle mae popeth ar ei sgrin</translation>
    </message>
    <message>
        <source>its screen&apos;s colour</source>
        <translation>lliw ei sgrin</translation>
    </message>
    <message>
        <source>its %1 sections</source>
        <translation>ei %1 adran</translation>
    </message>
    <message>
        <source>the picture behind its questions</source>
        <translation>y llun y tu ôl i&apos;w gwestiynau</translation>
    </message>
    <message>
        <source>the picture shown after an answer</source>
        <translation>y llun a ddangosir ar ôl ateb</translation>
    </message>
    <message>
        <source>what a wrong answer says</source>
        <translation>beth mae ateb anghywir yn ei ddweud</translation>
    </message>
    <message>
        <source>the flashing of the right answer</source>
        <translation>fflachio&apos;r ateb cywir</translation>
    </message>
    <message>
        <source>what its pictures show, for screen readers</source>
        <translation>beth mae ei luniau&apos;n ei ddangos, i ddarllenwyr sgrin</translation>
    </message>
    <message>
        <source>Kept as it was made (the Maker does not change these): %1.</source>
        <extracomment>%1 lists what is kept, separated by commas</extracomment>
        <translation>Wedi&apos;i gadw fel y cafodd ei wneud (dydy&apos;r Gwneuthurwr ddim yn newid y rhain): %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Shown in the title bar of the pupils&apos; window</source>
        <translation>Yn cael ei ddangos ym mar teitl ffenest y disgyblion</translation>
    </message>
    <message>
        <source>&amp;Window title:</source>
        <translation>&amp;Teitl y ffenest:</translation>
    </message>
    <message>
        <source>The words on its button in the menu</source>
        <translation>Y geiriau ar ei fotwm yn y ddewislen</translation>
    </message>
    <message>
        <source>&amp;Name in the menu:</source>
        <translation>&amp;Enw yn y ddewislen:</translation>
    </message>
    <message>
        <source>Where it goes</source>
        <translation>Ble mae&apos;n mynd</translation>
    </message>
    <message>
        <source>Our Activities</source>
        <translation>Ein Gweithgareddau</translation>
    </message>
    <message>
        <source>In place of a topic of Menu %1</source>
        <translation>Yn lle un o bynciau Dewislen %1</translation>
    </message>
    <message>
        <source>&amp;Where it goes:</source>
        <translation>&amp;Ble mae&apos;n mynd:</translation>
    </message>
    <message>
        <source>What the pupils are asked to do</source>
        <translation>Beth mae&apos;r disgyblion yn cael eu gofyn i&apos;w wneud</translation>
    </message>
    <message>
        <source>&amp;Instruction:</source>
        <translation>&amp;Cyfarwyddyd:</translation>
    </message>
</context>
<context>
    <name>DesktopDialogs</name>
    <message>
        <source>Brindlemark Activity Maker</source>
        <translation>Gwneuthurwr Gweithgareddau Brindlemark</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing it?</source>
        <translation>Cadw&apos;r newidiadau i &quot;%1&quot; cyn ei gau?</translation>
    </message>
    <message>
        <source>New activity</source>
        <translation>Gweithgaredd newydd</translation>
    </message>
    <message>
        <source>What kind of activity?</source>
        <translation>Pa fath o weithgaredd?</translation>
    </message>
    <message>
        <source>Open an activity</source>
        <translation>Agor gweithgaredd</translation>
    </message>
    <message>
        <source>Activities (*.toml)</source>
        <translation>Gweithgareddau (*.toml)</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Dewis llun</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)</source>
        <translation>Lluniau (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Import a shared activity</source>
        <translation>Mewnforio gweithgaredd a rannwyd</translation>
    </message>
    <message>
        <source>Shared activities (*.brindlemark)</source>
        <translation>Gweithgareddau a rannwyd (*.brindlemark)</translation>
    </message>
    <message>
        <source>Save the activity as</source>
        <translation>Cadw&apos;r gweithgaredd fel</translation>
    </message>
    <message>
        <source>Translate the activity</source>
        <translation>Cyfieithu&apos;r gweithgaredd</translation>
    </message>
    <message>
        <source>Into which language?</source>
        <translation>I ba iaith?</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Read aloud as (leave empty to read it as written)</source>
        <translation>Darllen yn uchel fel (gwag: fel y mae)</translation>
    </message>
    <message>
        <source>%1 read aloud as</source>
        <translation>%1 yn cael ei ddarllen yn uchel fel</translation>
    </message>
    <message>
        <source>How Read Aloud says it, when that differs from how it is written: &quot;H two O&quot; for H2O. Leave it empty to have the text read as it is.</source>
        <translation>Sut mae Darllen yn Uchel yn ei ddweud, pan fydd hynny&apos;n wahanol i sut mae wedi&apos;i ysgrifennu: &quot;H dau O&quot; am H2O. Gadewch yn wag i ddarllen y testun fel y mae.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An entry of the form and its number: &quot;Question 2&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Tynnu</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Tynnu %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>Does dim modd agor %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened in the Maker until these are mended in a text editor:
%2</source>
        <translation>Does dim modd agor %1 yn y Gwneuthurwr nes i&apos;r rhain gael eu trwsio mewn golygydd testun:
%2</translation>
    </message>
    <message>
        <source>%1 is in your activities already. Replace it?</source>
        <translation>Mae %1 yn eich gweithgareddau&apos;n barod. Rhoi hwn yn ei le?</translation>
    </message>
    <message>
        <source>This file has comments the Maker does not keep: only the one at its head and those above each entry are saved. Save it?</source>
        <translation>Mae gan y ffeil hon sylwadau nad yw&apos;r Gwneuthurwr yn eu cadw: dim ond yr un ar ei phen a&apos;r rhai uwchben pob cofnod sy&apos;n cael eu cadw. Ei chadw?</translation>
    </message>
    <message>
        <source>%1
Your work is still here, not saved.</source>
        <translation>%1
Mae eich gwaith yma o hyd, heb ei gadw.</translation>
    </message>
    <message>
        <source>Saved. Its topic stays grey in the menu until the problems listed below are mended.</source>
        <translation>Wedi&apos;i gadw. Bydd ei bwnc yn llwyd yn y ddewislen nes i&apos;r problemau isod gael eu trwsio.</translation>
    </message>
    <message>
        <source>Open an activity to translate it.</source>
        <translation>Agorwch weithgaredd i&apos;w gyfieithu.</translation>
    </message>
    <message>
        <source>Save a copy of the activity to translate it.</source>
        <translation>Cadwch gopi o&apos;r gweithgaredd i&apos;w gyfieithu.</translation>
    </message>
    <message>
        <source>Save the activity first: its translation is kept beside it.</source>
        <translation>Cadwch y gweithgaredd yn gyntaf: mae ei gyfieithiad yn cael ei gadw wrth ei ochr.</translation>
    </message>
    <message>
        <source>Saved, with the problems listed below still to mend.</source>
        <translation>Wedi&apos;i gadw, gyda&apos;r problemau isod i&apos;w trwsio o hyd.</translation>
    </message>
</context>
<context>
    <name>FormHost</name>
    <message>
        <source>The activity</source>
        <translation>Y gweithgaredd</translation>
    </message>
</context>
<context>
    <name>KindName</name>
    <message>
        <source>Labelling a picture</source>
        <translation>Labelu llun</translation>
    </message>
    <message>
        <source>Sorting into columns</source>
        <translation>Didoli i golofnau</translation>
    </message>
    <message>
        <source>Completing a passage</source>
        <translation>Cwblhau darn</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Cwestiynau</translation>
    </message>
    <message>
        <source>True or false</source>
        <translation>Gwir neu gau</translation>
    </message>
</context>
<context>
    <name>LabellingForm</name>
    <message>
        <source>Click on the picture where a label&apos;s line should point, then type its word. Drag a box or a line&apos;s end to move it; Delete removes the label chosen; the arrow keys nudge it (with Shift, ten times as far); Tab goes to the next label. The order of the labels does not matter: pupils get them in a new order each time.</source>
        <translation>Cliciwch ar y llun lle dylai llinell label bwyntio, yna teipiwch ei air. Llusgwch flwch neu ben llinell i&apos;w symud; mae Delete yn tynnu&apos;r label a ddewiswyd; mae&apos;r bysellau saeth yn ei wthio (gyda Shift, ddeg gwaith mor bell); mae Tab yn mynd i&apos;r label nesaf. Does dim gwahaniaeth i drefn y labeli: mae&apos;r disgyblion yn eu cael mewn trefn newydd bob tro.</translation>
    </message>
    <message>
        <source>The label chosen</source>
        <translation>Y label a ddewiswyd</translation>
    </message>
    <message>
        <source>The label chosen is read &amp;aloud as:</source>
        <translation>Mae&apos;r label a ddewiswyd yn cael ei ddarllen yn &amp;uchel fel:</translation>
    </message>
    <message>
        <source>Word of label %1</source>
        <translation>Gair label %1</translation>
    </message>
</context>
<context>
    <name>LibraryLink</name>
    <message>
        <source>this activity</source>
        <translation>y gweithgaredd hwn</translation>
    </message>
    <message>
        <source>%1: your passages are added as its other options</source>
        <translation>%1: mae eich darnau&apos;n cael eu hychwanegu fel ei ddewisiadau eraill</translation>
    </message>
    <message>
        <source>an activity built into the program</source>
        <translation>gweithgaredd sy&apos;n rhan o&apos;r rhaglen</translation>
    </message>
    <message>
        <source>A built-in activity cannot be replaced: choose another topic.</source>
        <translation>Does dim modd rhoi un arall yn lle gweithgaredd sy&apos;n rhan o&apos;r rhaglen: dewiswch bwnc arall.</translation>
    </message>
    <message>
        <source>nothing yet</source>
        <translation>dim byd eto</translation>
    </message>
    <message>
        <source>your activity %1</source>
        <translation>eich gweithgaredd %1</translation>
    </message>
    <message>
        <source>Your activity %1 is there already.</source>
        <translation>Mae eich gweithgaredd %1 yno&apos;n barod.</translation>
    </message>
    <message>
        <source>%1, which comes with the program</source>
        <translation>%1, sy&apos;n dod gyda&apos;r rhaglen</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>This activity comes with the program, so it cannot be changed here.</source>
        <translation>Mae&apos;r gweithgaredd hwn yn dod gyda&apos;r rhaglen, felly does dim modd ei newid yma.</translation>
    </message>
    <message>
        <source>Save a copy to change it</source>
        <translation>Cadw copi i&apos;w newid</translation>
    </message>
    <message>
        <source>Click an activity on the left to open it, or make a new one with File, New.</source>
        <translation>Cliciwch ar weithgaredd ar y chwith i&apos;w agor, neu gwnewch un newydd gyda Ffeil, Newydd.</translation>
    </message>
    <message>
        <source>Problems: choose one to go to its field</source>
        <translation>Problemau: dewiswch un i fynd i&apos;w maes</translation>
    </message>
    <message>
        <source>Install it</source>
        <translation>Ei osod</translation>
    </message>
    <message>
        <source>Don&apos;t install</source>
        <translation>Peidio â&apos;i osod</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ffeil</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Newydd…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Agor…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Agor &amp;Diweddar</translation>
    </message>
    <message>
        <source>%1 (comes with the program)</source>
        <translation>%1 (yn dod gyda&apos;r rhaglen)</translation>
    </message>
    <message>
        <source>%1 (yours)</source>
        <translation>%1 (eich un chi)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Cadw</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Cadw &amp;Fel…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Allforio…</translation>
    </message>
    <message>
        <source>Send this activity to another teacher as one file</source>
        <translation>Anfon y gweithgaredd hwn at athro arall fel un ffeil</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Mewnforio…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>A&amp;rgraffu…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Allforio fel P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ca&amp;u</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Gadael</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Golygu</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Dadwneud</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ailwneud</translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation>Gweithg&amp;aredd</translation>
    </message>
    <message>
        <source>&amp;Try it</source>
        <translation>&amp;Rhoi cynnig arni</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Gweithgaredd</translation>
    </message>
    <message>
        <source>The activity&apos;s own words</source>
        <translation>Geiriau&apos;r gweithgaredd ei hun</translation>
    </message>
    <message>
        <source>Another language…</source>
        <translation>Iaith arall…</translation>
    </message>
    <message>
        <source>Install the shared activity to translate it.</source>
        <translation>Gosodwch y gweithgaredd a rannwyd i&apos;w gyfieithu.</translation>
    </message>
    <message>
        <source>Translate the activity: each text beside its own</source>
        <translation>Cyfieithu&apos;r gweithgaredd: pob testun wrth ochr y gwreiddiol</translation>
    </message>
    <message>
        <source>A shared activity, shown as it will look: nothing is in your activities until you install it. It will appear %1.</source>
        <translation>Gweithgaredd a rannwyd, fel y bydd yn edrych: does dim yn eich gweithgareddau nes i chi ei osod. Bydd yn ymddangos %1.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>The activity&apos;s file name and the language of the translation edited</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (shared, not installed)</source>
        <translation>%1 (wedi&apos;i rannu, heb ei osod)</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (darllen yn unig)</translation>
    </message>
    <message>
        <source>%1 – Brindlemark Activity Maker</source>
        <translation>%1 – Gwneuthurwr Gweithgareddau Brindlemark</translation>
    </message>
    <message>
        <source>Brindlemark Activity Maker</source>
        <translation>Gwneuthurwr Gweithgareddau Brindlemark</translation>
    </message>
    <message>
        <source>No problems: the activity is ready for its menu.</source>
        <translation>Dim problemau: mae&apos;r gweithgaredd yn barod i&apos;w ddewislen.</translation>
    </message>
    <message>
        <source>The activity cannot be tried until these are mended:%1</source>
        <translation>Does dim modd rhoi cynnig ar y gweithgaredd nes i&apos;r rhain gael eu trwsio:%1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Iaith</translation>
    </message>
    <message>
        <source>Back to its own words</source>
        <translation>Yn ôl i&apos;w eiriau ei hun</translation>
    </message>
    <message>
        <source>You are translating the activity into %1: each text shows the activity&apos;s own words above it. A text left empty stays in its own words.</source>
        <translation>Rydych chi&apos;n cyfieithu&apos;r gweithgaredd (iaith: %1): mae pob testun yn dangos geiriau&apos;r gweithgaredd ei hun uwch ei ben. Mae testun a adewir yn wag yn aros yn ei eiriau ei hun.</translation>
    </message>
</context>
<context>
    <name>PassageForm</name>
    <message>
        <source>Button name, e.g. Alcohol</source>
        <translation>Enw botwm, fel Alcohol</translation>
    </message>
    <message>
        <source>Button name of passage %1</source>
        <translation>Enw botwm darn %1</translation>
    </message>
    <message>
        <source>The name on the button that chooses this passage: needed when there are several.</source>
        <translation>Yr enw ar y botwm sy&apos;n dewis y darn hwn: mae ei angen pan fydd sawl un.</translation>
    </message>
    <message>
        <source>The passage, with each word to drag in [brackets]</source>
        <translation>Y darn, gyda phob gair i&apos;w lusgo mewn [cromfachau]</translation>
    </message>
    <message>
        <source>No gaps yet: put each word to drag in [brackets].</source>
        <translation>Dim bylchau eto: rhowch bob gair i&apos;w lusgo mewn [cromfachau].</translation>
    </message>
    <message>
        <source>Gaps: %1</source>
        <translation>Bylchau: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Darn</translation>
    </message>
    <message>
        <source>Add a &amp;passage</source>
        <translation>Ychwanegu &amp;darn</translation>
    </message>
</context>
<context>
    <name>PictureField</name>
    <message>
        <source>No picture</source>
        <translation>Dim llun</translation>
    </message>
    <message>
        <source>Choose a &amp;picture…</source>
        <translation>Dewis &amp;llun…</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Dewis llun</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Dewis llun ar gyfer %1</translation>
    </message>
    <message>
        <source>No picture for %1</source>
        <translation>Dim llun ar gyfer %1</translation>
    </message>
    <message>
        <source>%1
The picture you had is kept.</source>
        <translation>%1
Mae&apos;r llun oedd gennych wedi&apos;i gadw.</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>%1 is not a PNG or JPEG picture</source>
        <translation>Dydy %1 ddim yn llun PNG neu JPEG</translation>
    </message>
    <message>
        <source>%1 is not a PNG or JPEG picture: %2</source>
        <translation>Dydy %1 ddim yn llun PNG neu JPEG: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Does dim modd darllen %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Does dim modd gwneud y ffolder %1.</translation>
    </message>
    <message>
        <source>The picture could not be copied into %1.</source>
        <translation>Doedd dim modd copïo&apos;r llun i %1.</translation>
    </message>
    <message>
        <source>The picture could not be saved into %1: %2</source>
        <translation>Doedd dim modd cadw&apos;r llun yn %1: %2</translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source>Now: %1</source>
        <translation>Nawr: %1</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>The &amp;worksheet, for pupils</source>
        <translation>Y &amp;daflen waith, i&apos;r disgyblion</translation>
    </message>
    <message>
        <source>The &amp;answer sheet</source>
        <translation>Y daflen &amp;atebion</translation>
    </message>
    <message>
        <source>&amp;Both: the worksheet, then the answer sheet</source>
        <translation>Y &amp;ddwy: y daflen waith, yna&apos;r daflen atebion</translation>
    </message>
    <message>
        <source>Pre&amp;view…</source>
        <translation>&amp;Rhagolwg…</translation>
    </message>
    <message>
        <source>The activity cannot be printed until these are mended:%1</source>
        <translation>Does dim modd argraffu&apos;r gweithgaredd nes i&apos;r rhain gael eu trwsio:%1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Argraffu</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>A&amp;rgraffu…</translation>
    </message>
    <message>
        <source>The printer could not be reached.</source>
        <translation>Doedd dim modd cyrraedd yr argraffydd.</translation>
    </message>
    <message>
        <source>The activity cannot be exported until these are mended:%1</source>
        <translation>Does dim modd allforio&apos;r gweithgaredd nes i&apos;r rhain gael eu trwsio:%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Allforio fel PDF</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Allforio…</translation>
    </message>
    <message>
        <source>%1 answers.pdf</source>
        <extracomment>A PDF file&apos;s suggested name; %1 is the activity&apos;s title</extracomment>
        <translation>%1 atebion.pdf</translation>
    </message>
    <message>
        <source>%1 worksheet.pdf</source>
        <translation>%1 taflen waith.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>QuestionsForm</name>
    <message>
        <source>The question</source>
        <translation>Y cwestiwn</translation>
    </message>
    <message>
        <source>question %1</source>
        <translation>cwestiwn %1</translation>
    </message>
    <message>
        <source>Answer %1 of question %2</source>
        <translation>Ateb %1 cwestiwn %2</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Ateb cywir</translation>
    </message>
    <message>
        <source>%1 is the right answer</source>
        <translation>%1 yw&apos;r ateb cywir</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Ateb %1</translation>
    </message>
    <message>
        <source>Add an answer</source>
        <translation>Ychwanegu ateb</translation>
    </message>
    <message>
        <source>Add an answer to question %1</source>
        <translation>Ychwanegu ateb at gwestiwn %1</translation>
    </message>
    <message>
        <source>Remove the last answer</source>
        <translation>Tynnu&apos;r ateb olaf</translation>
    </message>
    <message>
        <source>Remove the last answer of question %1</source>
        <translation>Tynnu ateb olaf cwestiwn %1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Cwestiwn</translation>
    </message>
    <message>
        <source>Add a &amp;question</source>
        <translation>Ychwanegu &amp;cwestiwn</translation>
    </message>
</context>
<context>
    <name>ShareCommands</name>
    <message>
        <source>Open an activity to export it.</source>
        <translation>Agorwch weithgaredd i&apos;w allforio.</translation>
    </message>
    <message>
        <source>Install the shared activity before sending it on.</source>
        <translation>Gosodwch y gweithgaredd a rannwyd cyn ei anfon ymlaen.</translation>
    </message>
    <message>
        <source>Save the activity first: what is sent is the saved file.</source>
        <translation>Cadwch y gweithgaredd yn gyntaf: y ffeil a gadwyd sy&apos;n cael ei hanfon.</translation>
    </message>
    <message>
        <source>Mend the problems listed below the activity first.</source>
        <translation>Trwsiwch y problemau o dan y gweithgaredd yn gyntaf.</translation>
    </message>
    <message>
        <source>Export the activity to</source>
        <translation>Allforio&apos;r gweithgaredd i</translation>
    </message>
    <message>
        <source>%1 is in that folder already. Replace it?</source>
        <translation>Mae %1 yn y ffolder honno&apos;n barod. Rhoi hwn yn ei le?</translation>
    </message>
    <message>
        <source>%1 was not written: %2.</source>
        <translation>Ni chafodd %1 ei ysgrifennu: %2.</translation>
    </message>
    <message>
        <source>Written to %1.
Send this one file to another teacher: opened in the Activity Maker, it shows the activity and adds it to her menus.</source>
        <translation>Wedi&apos;i ysgrifennu i %1.
Anfonwch yr un ffeil hon at athro arall: wedi&apos;i hagor yn y Gwneuthurwr Gweithgareddau, mae&apos;n dangos y gweithgaredd ac yn ei ychwanegu at ei dewislenni.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2.
Nothing was written.</source>
        <translation>Does dim modd mewnforio %1.
%2.
Ni chafodd dim ei ysgrifennu.</translation>
    </message>
    <message>
        <source>in Our Activities as &quot;%1&quot;</source>
        <translation>yn Ein Gweithgareddau fel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>in Menu %1 as &quot;%2&quot;</source>
        <translation>yn Dewislen %1 fel &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1, in place of %2, which comes with the program</source>
        <translation>%1, yn lle %2, sy&apos;n dod gyda&apos;r rhaglen</translation>
    </message>
    <message>
        <source>It takes the place of &quot;%1&quot; in Menu %2, now %3.</source>
        <translation>Mae&apos;n cymryd lle &quot;%1&quot; yn Dewislen %2, sef %3 ar hyn o bryd.</translation>
    </message>
    <message>
        <source>These are in your activities already: %1.
Replace them with the shared ones?</source>
        <translation>Mae&apos;r rhain yn eich gweithgareddau&apos;n barod: %1.
Rhoi&apos;r rhai a rannwyd yn eu lle?</translation>
    </message>
    <message>
        <source>You have a picture called %1 already.</source>
        <translation>Mae gennych lun o&apos;r enw %1 yn barod.</translation>
    </message>
    <message>
        <source>Your %1 uses a picture called %2.</source>
        <translation>Mae eich %1 yn defnyddio llun o&apos;r enw %2.</translation>
    </message>
    <message>
        <source>Your %1 use a picture called %2.</source>
        <translation>Mae eich %1 yn defnyddio llun o&apos;r enw %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The shared activity brings a picture of the same name. %1
Replace yours with theirs? (No keeps yours, and theirs is installed under another name.)</source>
        <translation>Mae&apos;r gweithgaredd a rannwyd yn dod â llun o&apos;r un enw. %1
Rhoi eu llun nhw yn lle&apos;ch un chi? (Mae Na yn cadw&apos;ch un chi, ac mae eu llun nhw&apos;n cael ei osod dan enw arall.)</translation>
    </message>
    <message>
        <source>Nothing was installed: %1 could not be renamed.</source>
        <translation>Ni chafodd dim ei osod: doedd dim modd ailenwi %1.</translation>
    </message>
    <message>
        <source>%1
Install it there?</source>
        <translation>%1
Ei osod yno?</translation>
    </message>
    <message>
        <source>Nothing was installed: %1.</source>
        <translation>Ni chafodd dim ei osod: %1.</translation>
    </message>
    <message>
        <source>Installed in your activities. It appears %1.</source>
        <translation>Wedi&apos;i osod yn eich gweithgareddau. Mae&apos;n ymddangos %1.</translation>
    </message>
    <message>
        <source>Installed in your activities. It appears %1, but its topic stays grey in the menu until this is mended:
%2</source>
        <translation>Wedi&apos;i osod yn eich gweithgareddau. Mae&apos;n ymddangos %1, ond bydd ei bwnc yn llwyd yn y ddewislen nes i hyn gael ei drwsio:
%2</translation>
    </message>
</context>
<context>
    <name>SortingForm</name>
    <message>
        <source>Column %1</source>
        <translation>Colofn %1</translation>
    </message>
    <message>
        <source>Number of columns</source>
        <translation>Nifer y colofnau</translation>
    </message>
    <message>
        <source>The order of the words does not matter: pupils get them in a new order each time.</source>
        <translation>Does dim gwahaniaeth i drefn y geiriau: mae&apos;r disgyblion yn eu cael mewn trefn newydd bob tro.</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Colofnau:</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Pennawd</translation>
    </message>
    <message>
        <source>Heading of column %1</source>
        <translation>Pennawd colofn %1</translation>
    </message>
    <message>
        <source>A word to sort</source>
        <translation>Gair i&apos;w ddidoli</translation>
    </message>
    <message>
        <source>Column of word %1</source>
        <translation>Colofn gair %1</translation>
    </message>
    <message>
        <source>goes in</source>
        <translation>yn mynd yn</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Gair</translation>
    </message>
    <message>
        <source>Add a &amp;word</source>
        <translation>Ychwanegu &amp;gair</translation>
    </message>
</context>
<context>
    <name>TrueFalseForm</name>
    <message>
        <source>A statement, true or false</source>
        <translation>Datganiad, gwir neu gau</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Gwir</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Gau</translation>
    </message>
    <message>
        <source>Statement %1 is true</source>
        <translation>Mae datganiad %1 yn wir</translation>
    </message>
    <message>
        <source>Statement %1 is false</source>
        <translation>Mae datganiad %1 yn gau</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Datganiad</translation>
    </message>
    <message>
        <source>Add a &amp;statement</source>
        <translation>Ychwanegu &amp;datganiad</translation>
    </message>
</context>
<context>
    <name>maker::EditSession</name>
    <message>
        <source>New activity</source>
        <translation>Gweithgaredd newydd</translation>
    </message>
</context>
<context>
    <name>maker::LabelCanvas</name>
    <message>
        <source>Picture: click to add a label</source>
        <translation>Llun: cliciwch i ychwanegu label</translation>
    </message>
    <message>
        <source>Word of the label</source>
        <translation>Gair y label</translation>
    </message>
    <message>
        <source>Choose a picture, then click on it where each label should point.</source>
        <translation>Dewiswch lun, yna cliciwch arno lle dylai pob label bwyntio.</translation>
    </message>
    <message>
        <source>Word of label %1</source>
        <translation>Gair label %1</translation>
    </message>
</context>
</TS>
