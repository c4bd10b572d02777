<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>block.big-file</name>
    <message>
        <source>Block is bigger then 64Kb, load only first 64Kb ?</source>
        <translation>Blok is groter dan 64 KB, alleen de eerste 64 KB laden?</translation>
    </message>
</context>
<context>
    <name>block.clear-question</name>
    <message>
        <source>Clear block  {1}?<byte value="xd"/>
Are you sure ?</source>
        <translation>Blok {1} leegmaken?<byte value="xd"/>
Weet u het zeker?</translation>
    </message>
</context>
<context>
    <name>block.line</name>
    <message>
        <source>Block:{1} {2} (${3}-${4}) ${5} bytes</source>
        <translation>Blok:{1} {2} (${3}-${4}) ${5} bytes</translation>
    </message>
</context>
<context>
    <name>block.line-records</name>
    <message>
        <source>{1} ({2})</source>
        <extracomment>A block line, then its count of records: &quot;Block:1 ... 65536 bytes (150 channels)&quot;.</extracomment>
        <translation>{1} ({2})</translation>
    </message>
</context>
<context>
    <name>block.not-whole-records</name>
    <message numerus="yes">
        <source>File : {2} is {1} bytes: not a whole number of {3} records.<byte value="xd"/>
Read anyway ?</source>
        <comment>File : {2} is {1} byte: not a whole number of {3} records.<byte value="xd"/>
Read anyway ?</comment>
        <translation>
            <numerusform>Bestand {2} is {1} byte: geen geheel aantal {3}-records.<byte value="xd"/>
Toch inlezen?</numerusform>
            <numerusform>Bestand {2} is {1} bytes: geen geheel aantal {3}-records.<byte value="xd"/>
Toch inlezen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>block.select-to-clear</name>
    <message>
        <source>Please select a block to Clear</source>
        <translation>Selecteer een blok om leeg te maken</translation>
    </message>
</context>
<context>
    <name>block.select-to-convert</name>
    <message>
        <source>Please select a block to Convert (a TPT block!)</source>
        <translation>Selecteer een blok om te converteren (een TPT-blok!)</translation>
    </message>
</context>
<context>
    <name>block.select-to-save</name>
    <message>
        <source>Please select a block to Save</source>
        <translation>Selecteer een blok om op te slaan</translation>
    </message>
</context>
<context>
    <name>block.select-to-update</name>
    <message>
        <source>Please select a block to Update</source>
        <translation>Selecteer een blok om in te lezen</translation>
    </message>
</context>
<context>
    <name>block.select-to-view</name>
    <message>
        <source>Please select a block to View</source>
        <translation>Selecteer een blok om te tonen</translation>
    </message>
</context>
<context>
    <name>cell.channels</name>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
</context>
<context>
    <name>cell.no-transponder</name>
    <message>
        <source>{1} · none</source>
        <translation>{1} · geen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Gebouwd: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3   (%4)</source>
        <translation>Versie %1.%2.%3   (%4)</translation>
    </message>
    <message>
        <source>Welcome to Chanforge, the channel list editor for your receiver&apos;s flash image.<byte value="xd"/>
<byte value="xd"/>
This program has been made, because the conversion routines of DecLink can&apos;t cope with the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the receiver.<byte value="xd"/>
<byte value="xd"/>
This program is still in the BETA phase!<byte value="xd"/>
 Always check the results and filesize before flashing !</source>
        <translation>Welkom bij Chanforge, de zenderlijsteditor voor het flash-image van uw ontvanger.<byte value="xd"/>
<byte value="xd"/>
Dit programma is gemaakt omdat de conversieroutines van DecLink niet overweg kunnen met de nieuwe TCS- en TPT-lijsten voor 2000 zenders die de nieuwe firmware 1.0 van de ontvanger schrijft.<byte value="xd"/>
<byte value="xd"/>
Dit programma is nog in de BETA-fase!<byte value="xd"/>
 Controleer altijd de resultaten en de bestandsgrootte voordat u flasht!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation>Editor voor zender- en transponderlijsten</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation>Opmerkingen en suggesties zijn welkom via de issuetracker van het project.</translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation>Waarschuwing: alleen voor gecertificeerde technici! Geen garantie, gebruik op eigen risico</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is momenteel niet beschikbaar</translation>
    </message>
    <message>
        <source>Copy &amp;Details</source>
        <translation>&amp;Details kopiëren</translation>
    </message>
    <message>
        <source>Copy the version, the system and where the settings are, for a report</source>
        <translation>Versie, systeem en locatie van de instellingen kopiëren, voor een probleemmelding</translation>
    </message>
    <message>
        <source>Qt %1</source>
        <translation>Qt %1</translation>
    </message>
    <message>
        <source>System: %1 (%2 %3, %4)</source>
        <translation>Systeem: %1 (%2 %3, %4)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Taal: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Instellingen: %1</translation>
    </message>
    <message>
        <source>(cannot be opened)</source>
        <translation>(kan niet worden geopend)</translation>
    </message>
    <message>
        <source>Scan tables: %1</source>
        <translation>Scantabellen: %1</translation>
    </message>
    <message>
        <source>d-mmm-yyyy</source>
        <extracomment>The compile date&apos;s format in numbers, as QDate::toString reads it (&quot;dd.MM.yyyy&quot;).</extracomment>
        <translation>d-M-yyyy</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Application</name>
    <message>
        <source>The command failed: %1
The image and its unsaved changes are kept as they were.</source>
        <translation>De opdracht is mislukt: %1
Het image en de niet-opgeslagen wijzigingen blijven zoals ze waren.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>een onbekende fout</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation>Blokweergave</translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation>Als &amp;hex tonen</translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation>Tonen als ....</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation>Blok wordt geconverteerd...</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation>toegevoegd</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verplaatst</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation>bytes %1-%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vóór</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation>De images zijn gelijk</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation>Image controleren</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bevindingen</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Ernst</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Bevinding</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation>Satelliet op DiSEqC-ingang &amp;%1:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation>Geen fouten, geen waarschuwingen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>with the Folder… button of Edit Lists &gt; Add from satellite</source>
        <translation>met de knop ‘Map…’ onder Lijsten bewerken &gt; Van satelliet toevoegen</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC %1</source>
        <translation>Satelliet op DiSEqC-ingang %1</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation>Bestandsnaam kiezen</translation>
    </message>
    <message>
        <source>%1 Bin</source>
        <translation>%1 Bin</translation>
    </message>
    <message>
        <source>Declink Comp</source>
        <translation>Declink-formaat</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>UTF-8-tekst</translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation>Het tekstbestand als UTF-8 schrijven, voor een editor die het zo leest. Beide soorten geven bij het teruglezen dezelfde lijst.</translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation>Het binaire %1-bestand naar een tekstbestand converteren</translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation>Het %1-tekstbestand naar een binair bestand converteren</translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation>%1 Txt</translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation>Binair bestand van de zenderlijst kiezen</translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation>Binair bestand van de transponderlijst kiezen</translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation>Binair bestand van de zenderlijst</translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation>Binair bestand van de transponderlijst</translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation>Zenderlijst naar tekst converteren</translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation>Transponderlijst naar tekst converteren</translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation>Tekst naar zenderlijst converteren</translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation>Tekst naar transponderlijst converteren</translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation>Tekstbestand van de zenderlijst kiezen</translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation>Tekstbestand van de transponderlijst kiezen</translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation>Tekstbestand van de zenderlijst</translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation>Tekstbestand van de transponderlijst</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation>Images en zender-CSV</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-bestanden</translation>
    </message>
    <message>
        <source>Bin Files</source>
        <translation>Bin-bestanden</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FindBox</name>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Edit Lists</source>
        <translation>Lijsten bewerken</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Lijsten</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Zenders zoeken</translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation>Lijst van zenders</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Zenders</translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation>Transponders zoeken</translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation>Lijst van transponders</translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation>&amp;Transponders</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation>Tekst uit een rij, zoals getoond (Ctrl+F)</translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation>Van s&amp;atelliet toevoegen…</translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation>Transponders toevoegen uit de DVB-S-scantabel van een satelliet</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Zoeken:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Invoegen</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sorteren op</translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation>&amp;Sorteren op…</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Insert a new row before the current one</source>
        <translation>Een nieuwe rij vóór de huidige invoegen</translation>
    </message>
    <message>
        <source>Copy the selected rows behind the last of them</source>
        <translation>De geselecteerde rijen achter de laatste ervan kopiëren</translation>
    </message>
    <message>
        <source>Remove the selected rows</source>
        <translation>De geselecteerde rijen verwijderen</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place up in the whole list</source>
        <translation>Elke reeks geselecteerde rijen in de hele lijst één plaats omhoog schuiven</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place down in the whole list</source>
        <translation>Elke reeks geselecteerde rijen in de hele lijst één plaats omlaag schuiven</translation>
    </message>
    <message>
        <source>Put the channels in order by name, SID or frequency, as one step</source>
        <translation>De zenders op naam, SID of frequentie ordenen, in één stap</translation>
    </message>
    <message>
        <source>Show only the rows with a text</source>
        <translation>Alleen de rijen met een tekst tonen</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Meer acties</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation>TCS/TPT-weergave</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation>&amp;Wijzigingen tonen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation>&amp;Lijsten bewerken…</translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation>&amp;Volgorde overnemen van…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation>&amp;Image controleren</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Vergelijken met…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Bestandsbeheer</translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation>Bin &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation>Bin &amp;opslaan</translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation>Grootte: 0 bytes</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blokken</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Blokopdrachten</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Alleen data</translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation>64KB-blok</translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation>&amp;Inlezen</translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation>Bew&amp;aren</translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation>&amp;DiSEqC A↔B (Monoblock)</translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation>Le&amp;gen</translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation>Zenderlijst (TCS) converteren</translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation>Transponderlijst (TPT) converteren</translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation>Lij&amp;sten tonen</translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation>Blok:%1 (%2) van %3</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Opnie&amp;uw: %1</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (niet opgeslagen)</translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation>Zenders als CSV…</translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation>Transponders als CSV…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation>%1 bestaat niet meer: uit ‘Recente bestanden’ verwijderd</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Zenders exporteren</translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation>Transponders exporteren</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Zenders importeren</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponders importeren</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Volgorde overnemen van</translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation>Een flash-imagebestand laden</translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation>Het flash-image in zijn bestand opslaan</translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation>De blokopdrachten werken alleen op de data van het blok</translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation>De blokopdrachten werken op het hele blok van 64 KB, inclusief header</translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation>Een bestand in het geselecteerde blok inlezen</translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation>Het geselecteerde blok in een bestand opslaan</translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation>DiSEqC-ingang A en B van elke transponder in het geselecteerde TPT-blok omwisselen</translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation>Het geselecteerde blok leegmaken</translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation>Het geselecteerde blok als hex of als lijst tonen</translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation>Het binaire TCS-lijstbestand kiezen</translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation>Het TCS-tekstbestand kiezen</translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation>Het binaire TPT-lijstbestand kiezen</translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation>Het TPT-tekstbestand kiezen</translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation>TPT-tekst zonder de DiSEqC-kolom schrijven en lezen, zoals DecLink dat doet</translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation>De binaire TCS- en TPT-bestanden als lijsten tonen</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Over Chanforge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Write the image back to the file it was loaded from</source>
        <translation>Het image terugschrijven naar het bestand waaruit het is geladen</translation>
    </message>
    <message>
        <source>Save the image under a name you choose</source>
        <translation>Het image opslaan onder een naam naar keuze</translation>
    </message>
    <message>
        <source>List what changed since the image was loaded or saved</source>
        <translation>Opsommen wat er sinds het laden of opslaan van het image is gewijzigd</translation>
    </message>
    <message>
        <source>Write the channel list as CSV, for a spreadsheet</source>
        <translation>De zenderlijst als CSV schrijven, voor een spreadsheet</translation>
    </message>
    <message>
        <source>Write the transponder list as CSV, for a spreadsheet</source>
        <translation>De transponderlijst als CSV schrijven, voor een spreadsheet</translation>
    </message>
    <message>
        <source>Read the channel list from a CSV file</source>
        <translation>De zenderlijst uit een CSV-bestand lezen</translation>
    </message>
    <message>
        <source>Read the transponder list from a CSV file</source>
        <translation>De transponderlijst uit een CSV-bestand lezen</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>De zenderlijst afdrukken</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF file</source>
        <translation>De zenderlijst als PDF-bestand schrijven</translation>
    </message>
    <message>
        <source>Close Chanforge</source>
        <translation>Chanforge afsluiten</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>De laatste wijziging terugdraaien</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>De teruggedraaide wijziging opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Edit the channels and transponders in tables</source>
        <translation>De zenders en transponders in tabellen bewerken</translation>
    </message>
    <message>
        <source>Put the channels in the order of another image or of a channel CSV</source>
        <translation>De zenders in de volgorde van een ander image of van een zender-CSV zetten</translation>
    </message>
    <message>
        <source>List what would likely make the image misbehave</source>
        <translation>Opsommen wat waarschijnlijk problemen met het image geeft</translation>
    </message>
    <message>
        <source>List the changes between another image and this one</source>
        <translation>De wijzigingen tussen een ander image en dit image opsommen</translation>
    </message>
    <message>
        <source>Which program and version this is</source>
        <translation>Welk programma en welke versie dit is</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>Language from the next start: the system&apos;s</source>
        <translation>Taal vanaf de volgende start: die van het systeem</translation>
    </message>
    <message>
        <source>Language from the next start: %1</source>
        <translation>Taal vanaf de volgende start: %1</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written</source>
        <translation>De taal is niet bewaard: de instellingen kunnen niet worden geschreven</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation>Niet gegroepeerd</translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation>Per DiSEqC-ingang</translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation>Per transponder</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eén</translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation>Twee, waar ze passen</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groeperen:</translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation>Lijsten &amp;naast elkaar:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation>&amp;Kolommen (aanvinken, dan slepen of verplaatsen om te ordenen):</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporteren…</translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation>&amp;Voorbeeld…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>&amp;PDF exporteren…</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Questions</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation>Van satelliet toevoegen</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Map…</translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation>De map met DVB-S-scantabellen kiezen</translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation>Satelliet zoeken</translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation>Naam of positie</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation>Transponders van de satelliet</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opm.</translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation>DiSEqC-ingang:</translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation>FEC voor rijen die de lijst niet zoals geschreven kan opslaan:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation>Tabellen: %1</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Map met DVB-S-scantabellen</translation>
    </message>
    <message>
        <source>with the Folder… button</source>
        <translation>met de knop ‘Map…’</translation>
    </message>
</context>
<context>
    <name>changes.count</name>
    <message numerus="yes">
        <source>{1} changes</source>
        <comment>{1} change</comment>
        <translation>
            <numerusform>{1} wijziging</numerusform>
            <numerusform>{1} wijzigingen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changes.more-ranges</name>
    <message numerus="yes">
        <source>{1} more byte ranges</source>
        <comment>{1} more byte range</comment>
        <translation>
            <numerusform>nog {1} bytebereik</numerusform>
            <numerusform>nog {1} bytebereiken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>channel.line-out-of-range</name>
    <message>
        <source>{1} value {2} is out of range</source>
        <translation>{1}-waarde {2} valt buiten het bereik</translation>
    </message>
</context>
<context>
    <name>channel.name-ends-in-blank</name>
    <message>
        <source>{1} {2} ends in a blank, which the list would store as a NUL: leave it out.</source>
        <translation>{1} {2} eindigt op een spatie, die de lijst als NUL zou opslaan: laat die weg.</translation>
    </message>
</context>
<context>
    <name>channel.name-too-long</name>
    <message>
        <source>{1} {2} is {3} bytes long; at most {4} fit.</source>
        <translation>{1} {2} is {3} bytes lang; er passen er hoogstens {4}.</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-sid</name>
    <message>
        <source>the receiver finds only one of two services with one SID</source>
        <translation>de ontvanger vindt van twee diensten met één SID er maar één</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-transponder</name>
    <message>
        <source>two entries for one transponder split its channels</source>
        <translation>twee vermeldingen voor één transponder splitsen zijn zenders op</translation>
    </message>
</context>
<context>
    <name>check-why.empty-record-inside</name>
    <message>
        <source>a free slot between channels shows as a blank entry</source>
        <translation>een vrije plaats tussen zenders verschijnt als lege vermelding</translation>
    </message>
</context>
<context>
    <name>check-why.frequency-range</name>
    <message>
        <source>the tuner takes 950 to 2150 MHz after the LNB: each band&apos;s oscillator bounds its range</source>
        <translation>de tuner neemt 950 tot 2150 MHz na de LNB: de oscillator van elke band begrenst het bereik ervan</translation>
    </message>
</context>
<context>
    <name>check-why.hidden-flags</name>
    <message>
        <source>the text file cannot keep these bits: a round trip drops them</source>
        <translation>het tekstbestand kan deze bits niet bewaren: heen en terug converteren raakt ze kwijt</translation>
    </message>
</context>
<context>
    <name>check-why.image-size</name>
    <message>
        <source>the receiver&apos;s flash holds exactly 524288 bytes</source>
        <translation>het flashgeheugen van de ontvanger bevat precies 524288 bytes</translation>
    </message>
</context>
<context>
    <name>check-why.length-past-end</name>
    <message>
        <source>the receiver would read its list from the next block</source>
        <translation>de ontvanger zou zijn lijst uit het volgende blok lezen</translation>
    </message>
</context>
<context>
    <name>check-why.name-control-bytes</name>
    <message>
        <source>control bytes garble the menu and the text file</source>
        <translation>stuurbytes verminken het menu en het tekstbestand</translation>
    </message>
</context>
<context>
    <name>check-why.no-usable-blocks</name>
    <message>
        <source>the lists to edit live in the blocks named TCS and TPT</source>
        <translation>de te bewerken lijsten staan in de blokken met de naam TCS en TPT</translation>
    </message>
</context>
<context>
    <name>check-why.not-on-satellite</name>
    <message>
        <source>the chosen satellite&apos;s scan table lacks it: moved, ended, mistyped or on another input</source>
        <translation>de scantabel van de gekozen satelliet mist hem: verhuisd, gestopt, verkeerd getypt of op een andere ingang</translation>
    </message>
</context>
<context>
    <name>check-why.part-record</name>
    <message>
        <source>a cut record shifts every record the receiver reads after it</source>
        <translation>een afgesneden record verschuift elk record dat de ontvanger erna leest</translation>
    </message>
</context>
<context>
    <name>check-why.satellite-gap</name>
    <message>
        <source>the chosen satellite&apos;s scan table has transponders the list lacks</source>
        <translation>de scantabel van de gekozen satelliet heeft transponders die de lijst mist</translation>
    </message>
</context>
<context>
    <name>check-why.second-list</name>
    <message>
        <source>the receiver reads only one channel and one transponder list</source>
        <translation>de ontvanger leest maar één zender- en één transponderlijst</translation>
    </message>
</context>
<context>
    <name>check-why.sid-zero</name>
    <message>
        <source>no service has SID 0: a new channel&apos;s SID is still to be set</source>
        <translation>geen enkele dienst heeft SID 0: de SID van een nieuwe zender moet nog worden ingesteld</translation>
    </message>
</context>
<context>
    <name>check-why.too-many-channels</name>
    <message>
        <source>more channels than the firmware is known to hold</source>
        <translation>meer zenders dan de firmware voor zover bekend aankan</translation>
    </message>
</context>
<context>
    <name>check-why.tp-missing</name>
    <message>
        <source>a channel without its transponder cannot be tuned</source>
        <translation>een zender zonder zijn transponder kan niet worden afgestemd</translation>
    </message>
</context>
<context>
    <name>check-why.unknown-fec</name>
    <message>
        <source>the text file shows the code as 0/0 and stores another for it</source>
        <translation>het tekstbestand toont de code als 0/0 en slaat er een andere voor op</translation>
    </message>
</context>
<context>
    <name>check.another-list</name>
    <message>
        <source>another {1} block; the receiver uses one</source>
        <translation>nog een {1}-blok; de ontvanger gebruikt er één</translation>
    </message>
</context>
<context>
    <name>check.block</name>
    <message>
        <source>block {1}</source>
        <translation>blok {1}</translation>
    </message>
</context>
<context>
    <name>check.block-channel</name>
    <message>
        <source>block {1} channel {2}</source>
        <translation>blok {1} zender {2}</translation>
    </message>
</context>
<context>
    <name>check.block-transponder</name>
    <message>
        <source>block {1} transponder {2}</source>
        <translation>blok {1} transponder {2}</translation>
    </message>
</context>
<context>
    <name>check.control-byte</name>
    <message>
        <source>control byte {1} at position {2}</source>
        <translation>stuurbyte {1} op positie {2}</translation>
    </message>
</context>
<context>
    <name>check.error-line</name>
    <message>
        <source>error: {1}: {2}</source>
        <translation>fout: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.errors</name>
    <message numerus="yes">
        <source>{1} errors</source>
        <comment>{1} error</comment>
        <translation>
            <numerusform>{1} fout</numerusform>
            <numerusform>{1} fouten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check.free-slot</name>
    <message>
        <source>free slot inside the list</source>
        <translation>vrije plaats binnen de lijst</translation>
    </message>
</context>
<context>
    <name>check.hidden-flags</name>
    <message>
        <source>flag bits {1} do not show in the text line</source>
        <translation>flagbits {1} verschijnen niet in de tekstregel</translation>
    </message>
</context>
<context>
    <name>check.image</name>
    <message>
        <source>image</source>
        <translation>image</translation>
    </message>
</context>
<context>
    <name>check.image-size</name>
    <message>
        <source>size is {1} bytes, not {2}</source>
        <translation>grootte is {1} bytes, niet {2}</translation>
    </message>
</context>
<context>
    <name>check.line-end-byte</name>
    <message>
        <source>line-end byte {1} at position {2}</source>
        <translation>regeleindebyte {1} op positie {2}</translation>
    </message>
</context>
<context>
    <name>check.no-tp</name>
    <message>
        <source>no transponder (0x00)</source>
        <translation>geen transponder (0x00)</translation>
    </message>
</context>
<context>
    <name>check.no-usable-blocks</name>
    <message>
        <source>no usable blocks: no block is named TCS or TPT</source>
        <translation>geen bruikbare blokken: geen enkel blok heet TCS of TPT</translation>
    </message>
</context>
<context>
    <name>check.not-multiple</name>
    <message>
        <source>data length {1} is not a multiple of {2}</source>
        <translation>datalengte {1} is geen veelvoud van {2}</translation>
    </message>
</context>
<context>
    <name>check.past-block</name>
    <message>
        <source>data length {1} runs past the block&apos;s end (room for {2})</source>
        <translation>datalengte {1} loopt voorbij het einde van het blok (ruimte voor {2})</translation>
    </message>
</context>
<context>
    <name>check.past-image</name>
    <message>
        <source>data length {1} runs past the image&apos;s end</source>
        <translation>datalengte {1} loopt voorbij het einde van het image</translation>
    </message>
</context>
<context>
    <name>check.place</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>Where a finding is, then its field: &quot;block 2 channel 5 SID&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>check.same-sid</name>
    <message>
        <source>SID {1} on transponder {2} also at channel {3}</source>
        <translation>SID {1} op transponder {2} ook bij zender {3}</translation>
    </message>
</context>
<context>
    <name>check.same-transponder</name>
    <message>
        <source>{1} kHz on DiSEqC {2} also at transponder {3}</source>
        <translation>{1} kHz op DiSEqC {2} ook bij transponder {3}</translation>
    </message>
</context>
<context>
    <name>check.save-despite</name>
    <message>
        <source>The image has {1} (first: {2}: {3}).<byte value="xd"/>
Save anyway ?</source>
        <translation>Het image heeft {1} (eerste: {2}: {3}).<byte value="xd"/>
Toch opslaan?</translation>
    </message>
</context>
<context>
    <name>check.sid-zero</name>
    <message>
        <source>SID 0 names no service</source>
        <translation>SID 0 duidt geen dienst aan</translation>
    </message>
</context>
<context>
    <name>check.too-many</name>
    <message>
        <source>{1} channels; the firmware holds {2}</source>
        <translation>{1} zenders; de firmware kan er {2} bevatten</translation>
    </message>
</context>
<context>
    <name>check.tp-beyond</name>
    <message>
        <source>transponder {1} does not exist ({2} used)</source>
        <translation>transponder {1} bestaat niet ({2} in gebruik)</translation>
    </message>
</context>
<context>
    <name>check.tp-empty</name>
    <message>
        <source>transponder {1} is empty</source>
        <translation>transponder {1} is leeg</translation>
    </message>
</context>
<context>
    <name>check.unknown-fec</name>
    <message>
        <source>FEC code {1} shows as {2}; the text line stores {3} for it</source>
        <translation>FEC-code {1} verschijnt als {2}; de tekstregel slaat er {3} voor op</translation>
    </message>
</context>
<context>
    <name>check.warning-line</name>
    <message>
        <source>warning: {1}: {2}</source>
        <translation>waarschuwing: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.warnings</name>
    <message numerus="yes">
        <source>{1} warnings</source>
        <comment>{1} warning</comment>
        <translation>
            <numerusform>{1} waarschuwing</numerusform>
            <numerusform>{1} waarschuwingen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>columns.and-so-on</name>
    <message>
        <source>{1}, …</source>
        <extracomment>A list of fields cut short: &quot;Name Sky, …&quot;.</extracomment>
        <translation>{1}, …</translation>
    </message>
</context>
<context>
    <name>columns.and-stored-as</name>
    <message>
        <source>{1}, and it would be stored as {2}</source>
        <translation>{1}, en het zou worden opgeslagen als {2}</translation>
    </message>
</context>
<context>
    <name>columns.blank</name>
    <message>
        <source>{1} is blank</source>
        <translation>{1} is leeg</translation>
    </message>
</context>
<context>
    <name>columns.field-value</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>A field&apos;s heading, then the value read back: &quot;Frequency 11500&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>columns.fixed-holds</name>
    <message>
        <source>column {1} holds {2}, not {3}</source>
        <translation>kolom {1} bevat {2}, niet {3}</translation>
    </message>
</context>
<context>
    <name>columns.gap-wide</name>
    <message>
        <source>the gap before {1} is {2} columns wide, not {3}</source>
        <translation>de tussenruimte vóór {1} is {2} kolommen breed, niet {3}</translation>
    </message>
</context>
<context>
    <name>columns.line-ends</name>
    <message>
        <source>the line ends in column {1}: {2} are missing</source>
        <translation>de regel eindigt in kolom {1}: {2} ontbreken</translation>
    </message>
</context>
<context>
    <name>columns.missing</name>
    <message>
        <source>{1} is missing</source>
        <translation>{1} ontbreekt</translation>
    </message>
</context>
<context>
    <name>columns.moves-left</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the left</source>
        <translation>{1}: {2} en de kolommen erachter schuiven {3} naar links</translation>
    </message>
</context>
<context>
    <name>columns.moves-right</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the right</source>
        <translation>{1}: {2} en de kolommen erachter schuiven {3} naar rechts</translation>
    </message>
</context>
<context>
    <name>columns.name-takes</name>
    <message>
        <source>the name {1} and its blanks take {2} columns, not {3}</source>
        <translation>de naam {1} en zijn spaties beslaan {2} kolommen, niet {3}</translation>
    </message>
</context>
<context>
    <name>columns.not-blank</name>
    <message>
        <source>column {1} is not a blank</source>
        <translation>kolom {1} is geen spatie</translation>
    </message>
</context>
<context>
    <name>columns.not-hex</name>
    <message>
        <source>{1} {2} is not a hex number</source>
        <translation>{1} {2} is geen hexadecimaal getal</translation>
    </message>
</context>
<context>
    <name>columns.not-read</name>
    <message>
        <source>text after column {1} is not read</source>
        <translation>tekst na kolom {1} wordt niet gelezen</translation>
    </message>
</context>
<context>
    <name>columns.number-ends</name>
    <message>
        <source>the record number {1} ends in column {2}, not {3}</source>
        <translation>het recordnummer {1} eindigt in kolom {2}, niet {3}</translation>
    </message>
</context>
<context>
    <name>columns.record-number</name>
    <message>
        <source>the record number</source>
        <translation>het recordnummer</translation>
    </message>
</context>
<context>
    <name>columns.stored-as</name>
    <message>
        <source>{1}: it would be stored as {2}</source>
        <translation>{1}: het zou worden opgeslagen als {2}</translation>
    </message>
</context>
<context>
    <name>columns.tab</name>
    <message>
        <source>column {1} holds a tab, one column however wide an editor shows it; {2}</source>
        <translation>kolom {1} bevat een tab, één kolom, hoe breed een editor hem ook toont; {2}</translation>
    </message>
</context>
<context>
    <name>columns.the-name</name>
    <message>
        <source>the name</source>
        <translation>de naam</translation>
    </message>
</context>
<context>
    <name>columns.token-wide</name>
    <message>
        <source>{1} {2} is {3} characters wide, not {4}</source>
        <translation>{1} {2} is {3} tekens breed, niet {4}</translation>
    </message>
</context>
<context>
    <name>convert.anyway</name>
    <message>
        <source>Convert anyway ?</source>
        <translation>Toch converteren?</translation>
    </message>
</context>
<context>
    <name>convert.large-list</name>
    <message>
        <source>File is bigger then 64Kb, load anyway ?</source>
        <translation>Bestand is groter dan 64 KB, toch laden?</translation>
    </message>
</context>
<context>
    <name>convert.line-refused</name>
    <message>
        <source>Line {1} of {2} can not be converted: {3}</source>
        <translation>Regel {1} van {2} kan niet worden geconverteerd: {3}</translation>
    </message>
</context>
<context>
    <name>convert.more-lines</name>
    <message>
        <source>and {1} more</source>
        <translation>en nog {1}</translation>
    </message>
</context>
<context>
    <name>convert.part-bytes</name>
    <message numerus="yes">
        <source>the last {1} bytes are not a whole record and are left out</source>
        <comment>the last byte is not a whole record and is left out</comment>
        <translation>
            <numerusform>de laatste byte is geen volledig record en wordt weggelaten</numerusform>
            <numerusform>de laatste {1} bytes zijn geen volledig record en worden weggelaten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.round-trip</name>
    <message>
        <source>The text will not convert back to the same list: {1}<byte value="xd"/>
{2}</source>
        <translation>De tekst wordt niet terug geconverteerd naar dezelfde lijst: {1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>convert.unstored</name>
    <message numerus="yes">
        <source>{1} lines of {2} will not be stored as written:</source>
        <comment>{1} line of {2} will not be stored as written:</comment>
        <translation>
            <numerusform>{1} regel van {2} wordt niet zoals geschreven opgeslagen:</numerusform>
            <numerusform>{1} regels van {2} worden niet zoals geschreven opgeslagen:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.unstored-line</name>
    <message>
        <source>Line {1}: {2}<byte value="xd"/>
  as written: &quot;{3}&quot;<byte value="xd"/>
  read back:  &quot;{4}&quot;</source>
        <translation>Regel {1}: {2}<byte value="xd"/>
  zoals geschreven: &quot;{3}&quot;<byte value="xd"/>
  teruggelezen:     &quot;{4}&quot;</translation>
    </message>
</context>
<context>
    <name>csv.after-quote</name>
    <message>
        <source>Text follows a closing quote.</source>
        <translation>Na een afsluitend aanhalingsteken volgt tekst.</translation>
    </message>
</context>
<context>
    <name>csv.column-twice</name>
    <message>
        <source>Column {1} is there twice: which one to read is unclear.</source>
        <translation>Kolom {1} staat er twee keer in: welke gelezen moet worden, is onduidelijk.</translation>
    </message>
</context>
<context>
    <name>csv.emptied</name>
    <message numerus="yes">
        <source>{1} names would become empty: {2}.<byte value="xd"/>
Empty them ?</source>
        <comment>{1} name would become empty: {2}.<byte value="xd"/>
Empty it ?</comment>
        <translation>
            <numerusform>{1} naam zou leeg worden: {2}.<byte value="xd"/>
Leegmaken?</numerusform>
            <numerusform>{1} namen zouden leeg worden: {2}.<byte value="xd"/>
Leegmaken?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>csv.emptied-name</name>
    <message>
        <source>channel {1} {2}</source>
        <translation>zender {1} {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-channels</name>
    <message>
        <source>Exported {1} channels to {2}</source>
        <translation>{1} zenders geëxporteerd naar {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-transponders</name>
    <message>
        <source>Exported {1} transponders to {2}</source>
        <translation>{1} transponders geëxporteerd naar {2}</translation>
    </message>
</context>
<context>
    <name>csv.garbled</name>
    <message>
        <source>The file starts with &quot;{1}&quot;: it was read in a Western character set, which garbles accented letters. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Het bestand begint met &quot;{1}&quot;: het is gelezen in een West-Europese tekenset, die letters met accenten verminkt. Open het geëxporteerde bestand opnieuw met de tekenset Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.garbled-mark-skipped</name>
    <message>
        <source>{1} starts with a byte order mark read in a Western character set; the rest of the file is plain ASCII, which that does not garble, so the mark is left out.</source>
        <translation>{1} begint met een bytevolgordemarkering die in een West-Europese tekenset is gelezen; de rest van het bestand is gewone ASCII, die daardoor niet verminkt wordt, dus de markering wordt weggelaten.</translation>
    </message>
</context>
<context>
    <name>csv.imported-channels</name>
    <message>
        <source>Imported {1} channels from {2}</source>
        <translation>{1} zenders geïmporteerd uit {2}</translation>
    </message>
</context>
<context>
    <name>csv.imported-transponders</name>
    <message>
        <source>Imported {1} transponders from {2}</source>
        <translation>{1} transponders geïmporteerd uit {2}</translation>
    </message>
</context>
<context>
    <name>csv.inner-quote</name>
    <message>
        <source>A quote inside a field that does not start with one.</source>
        <translation>Een aanhalingsteken in een veld dat er niet mee begint.</translation>
    </message>
</context>
<context>
    <name>csv.line-of-file</name>
    <message>
        <source>Line {1} of {2}: {3}</source>
        <translation>Regel {1} van {2}: {3}</translation>
    </message>
</context>
<context>
    <name>csv.mark-twice</name>
    <message>
        <source>The file starts with two byte order marks: a program added one to a file that had it. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Het bestand begint met twee bytevolgordemarkeringen: een programma heeft er een toegevoegd aan een bestand dat er al een had. Open het geëxporteerde bestand opnieuw met de tekenset Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.missing-column</name>
    <message>
        <source>Missing column {1}.</source>
        <translation>Kolom {1} ontbreekt.</translation>
    </message>
</context>
<context>
    <name>csv.no-rows</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2}.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} heeft geen rijen: de import zou de lijst van {2} leegmaken.<byte value="xd"/>
De lijst leegmaken?</translation>
    </message>
</context>
<context>
    <name>csv.no-rows-channels</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2} and remove the {3} on them.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} heeft geen rijen: de import zou de lijst van {2} leegmaken en de {3} erop verwijderen.<byte value="xd"/>
De lijst leegmaken?</translation>
    </message>
</context>
<context>
    <name>csv.not-closed</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
</context>
<context>
    <name>csv.not-utf8</name>
    <message>
        <source>Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8</source>
        <translation>Regel {1} van {2} is geen UTF-8-tekst: sla de CSV op als UTF-8</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-channel</name>
    <message>
        <source>Nr {1} names no channel: the list has {2}.</source>
        <translation>Nr. {1} duidt geen zender aan: de lijst heeft er {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-transponder</name>
    <message>
        <source>Nr {1} names no transponder: the list has {2}.</source>
        <translation>Nr. {1} duidt geen transponder aan: de lijst heeft er {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-not-number</name>
    <message>
        <source>Nr {1} is not a number.</source>
        <translation>Nr. {1} is geen getal.</translation>
    </message>
</context>
<context>
    <name>csv.transponder-beyond</name>
    <message>
        <source>Transponder {1} would move to row {2}, beyond the {3} its channels can reach.</source>
        <translation>Transponder {1} zou naar rij {2} gaan, voorbij de {3} die zijn zenders kunnen bereiken.</translation>
    </message>
</context>
<context>
    <name>diff.added</name>
    <message>
        <source>{1} added</source>
        <translation>{1} toegevoegd</translation>
    </message>
</context>
<context>
    <name>diff.added-label</name>
    <message>
        <source>{1} added: {2}</source>
        <translation>{1} toegevoegd: {2}</translation>
    </message>
</context>
<context>
    <name>diff.bytes</name>
    <message>
        <source>{1} bytes {2}-{3} changed</source>
        <translation>{1} bytes {2}-{3} gewijzigd</translation>
    </message>
</context>
<context>
    <name>diff.field</name>
    <message>
        <source>{1} {2}: {3} → {4}</source>
        <extracomment>A change of a field: where, the field, the value before, the value after.</extracomment>
        <translation>{1} {2}: {3} → {4}</translation>
    </message>
</context>
<context>
    <name>diff.more-ranges</name>
    <message numerus="yes">
        <source>{2}: {1} more changed byte ranges</source>
        <comment>{2}: {1} more changed byte range</comment>
        <translation>
            <numerusform>{2}: nog {1} gewijzigd bytebereik</numerusform>
            <numerusform>{2}: nog {1} gewijzigde bytebereiken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>diff.moved</name>
    <message>
        <source>{1} moved from {2}</source>
        <translation>{1} verplaatst van {2}</translation>
    </message>
</context>
<context>
    <name>diff.moved-label</name>
    <message>
        <source>{1} moved from {2}: {3}</source>
        <translation>{1} verplaatst van {2}: {3}</translation>
    </message>
</context>
<context>
    <name>diff.no-transponder</name>
    <message>
        <source>{1} (no transponder)</source>
        <translation>{1} (geen transponder)</translation>
    </message>
</context>
<context>
    <name>diff.past-blocks</name>
    <message>
        <source>past the blocks</source>
        <translation>na de blokken</translation>
    </message>
</context>
<context>
    <name>diff.removed</name>
    <message>
        <source>{1} removed</source>
        <translation>{1} verwijderd</translation>
    </message>
</context>
<context>
    <name>diff.removed-label</name>
    <message>
        <source>{1} removed: {2}</source>
        <translation>{1} verwijderd: {2}</translation>
    </message>
</context>
<context>
    <name>diff.size</name>
    <message>
        <source>{1} {2}: {3} → {4} bytes</source>
        <translation>{1} {2}: {3} → {4} bytes</translation>
    </message>
</context>
<context>
    <name>done.cleared-block</name>
    <message>
        <source>Cleared block {1} ({2})</source>
        <translation>Blok {1} leeggemaakt ({2})</translation>
    </message>
</context>
<context>
    <name>done.converted-channels</name>
    <message>
        <source>Converted {1} channels to {2}</source>
        <translation>{1} zenders geconverteerd naar {2}</translation>
    </message>
</context>
<context>
    <name>done.converted-transponders</name>
    <message>
        <source>Converted {1} transponders to {2}</source>
        <translation>{1} transponders geconverteerd naar {2}</translation>
    </message>
</context>
<context>
    <name>done.loaded-image</name>
    <message>
        <source>Loaded {1} ({2} bytes)</source>
        <translation>{1} geladen ({2} bytes)</translation>
    </message>
</context>
<context>
    <name>done.read-as-utf8</name>
    <message>
        <source>{1} (read as UTF-8)</source>
        <translation>{1} (als UTF-8 gelezen)</translation>
    </message>
</context>
<context>
    <name>done.read-block</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes)</source>
        <translation>Blok {1} ingelezen ({2}, {3} bytes)</translation>
    </message>
</context>
<context>
    <name>done.read-block-from</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes) from {4}</source>
        <translation>Blok {1} ingelezen ({2}, {3} bytes) uit {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-block</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes)</source>
        <translation>Blok {1} opgeslagen ({2}, {3} bytes)</translation>
    </message>
</context>
<context>
    <name>done.saved-block-to</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes) to {4}</source>
        <translation>Blok {1} opgeslagen ({2}, {3} bytes) in {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-image</name>
    <message>
        <source>Saved {1} ({2} bytes)</source>
        <translation>{1} opgeslagen ({2} bytes)</translation>
    </message>
</context>
<context>
    <name>field.aecm</name>
    <message>
        <source>Aecm</source>
        <translation>Aecm</translation>
    </message>
</context>
<context>
    <name>field.apid</name>
    <message>
        <source>APID</source>
        <translation>APID</translation>
    </message>
</context>
<context>
    <name>field.band</name>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
</context>
<context>
    <name>field.block-name</name>
    <message>
        <source>Block name</source>
        <translation>Bloknaam</translation>
    </message>
</context>
<context>
    <name>field.chn</name>
    <message>
        <source>Chn</source>
        <translation>Chn</translation>
    </message>
</context>
<context>
    <name>field.diseqc</name>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
</context>
<context>
    <name>field.fec</name>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
</context>
<context>
    <name>field.flags</name>
    <message>
        <source>Flag bits</source>
        <translation>Flagbits</translation>
    </message>
</context>
<context>
    <name>field.frequency</name>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
</context>
<context>
    <name>field.length</name>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
</context>
<context>
    <name>field.linked</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>The heading of the list a field points into, then the field: &quot;TP Nr&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>field.name</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>field.nid</name>
    <message>
        <source>NID</source>
        <translation>NID</translation>
    </message>
</context>
<context>
    <name>field.not-choice</name>
    <message>
        <source>{1} {2} is not {3}</source>
        <translation>{1} {2} is niet {3}</translation>
    </message>
</context>
<context>
    <name>field.not-number</name>
    <message>
        <source>{1} {2} is not a number</source>
        <translation>{1} {2} is geen getal</translation>
    </message>
</context>
<context>
    <name>field.nr</name>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>field.outside</name>
    <message>
        <source>{1} {2} is outside {3} to {4}</source>
        <translation>{1} {2} valt buiten {3} tot {4}</translation>
    </message>
</context>
<context>
    <name>field.pcr</name>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
</context>
<context>
    <name>field.polarisation</name>
    <message>
        <source>Polarisation</source>
        <translation>Polarisatie</translation>
    </message>
</context>
<context>
    <name>field.says</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>A field&apos;s heading, then what is wrong with its value: &quot;Frequency 11500000 kHz lies ...&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>field.sid</name>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
</context>
<context>
    <name>field.size</name>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
</context>
<context>
    <name>field.sr</name>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
</context>
<context>
    <name>field.tid</name>
    <message>
        <source>TID</source>
        <translation>TID</translation>
    </message>
</context>
<context>
    <name>field.tp</name>
    <message>
        <source>TP</source>
        <translation>TP</translation>
    </message>
</context>
<context>
    <name>field.use</name>
    <message>
        <source>Use</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>field.vecm</name>
    <message>
        <source>Vecm</source>
        <translation>Vecm</translation>
    </message>
</context>
<context>
    <name>field.vpid</name>
    <message>
        <source>VPID</source>
        <translation>VPID</translation>
    </message>
</context>
<context>
    <name>field.with-unit</name>
    <message>
        <source>{1} ({2})</source>
        <extracomment>A column title with its unit: &quot;Frequency (kHz)&quot;.</extracomment>
        <translation>{1} ({2})</translation>
    </message>
</context>
<context>
    <name>file.cannot-open</name>
    <message>
        <source>File : {1} can not be opened !</source>
        <translation>Bestand {1} kan niet worden geopend!</translation>
    </message>
</context>
<context>
    <name>file.new-file-notice</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>A file name, then what became of it: &quot;a.bin is a file of its own now: ...&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>file.not-found</name>
    <message>
        <source>File : {1} not found!</source>
        <translation>Bestand {1} niet gevonden!</translation>
    </message>
</context>
<context>
    <name>file.not-regular</name>
    <message>
        <source>File : {1} is not a regular file !</source>
        <translation>Bestand {1} is geen gewoon bestand!</translation>
    </message>
</context>
<context>
    <name>file.notice.both</name>
    <message>
        <source>{1}; {2}</source>
        <extracomment>Two notices about one written file, said one after the other.</extracomment>
        <translation>{1}; {2}</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-acl</name>
    <message>
        <source>lost its access control list ({1})</source>
        <translation>is zijn toegangsbeheerlijst kwijt ({1})</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-attributes</name>
    <message>
        <source>lost its extended attributes {1}</source>
        <translation>is zijn uitgebreide attributen {1} kwijt</translation>
    </message>
</context>
<context>
    <name>file.notice.other-names</name>
    <message numerus="yes">
        <source>is a file of its own now: its {1} other names (hard links) keep the old content</source>
        <comment>is a file of its own now: its other name (a hard link) keeps the old content</comment>
        <translation>
            <numerusform>is nu een zelfstandig bestand: zijn andere naam (een harde link) behoudt de oude inhoud</numerusform>
            <numerusform>is nu een zelfstandig bestand: zijn {1} andere namen (harde links) behouden de oude inhoud</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>file.notice.owned-by</name>
    <message>
        <source>is now owned by {1}</source>
        <translation>is nu eigendom van {1}</translation>
    </message>
</context>
<context>
    <name>file.overwrite</name>
    <message>
        <source>File : {1} already exists !<byte value="xd"/>
Overwrite ?</source>
        <translation>Bestand {1} bestaat al!<byte value="xd"/>
Overschrijven?</translation>
    </message>
</context>
<context>
    <name>file.reason.folder</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
</context>
<context>
    <name>file.reason.left-behind</name>
    <message>
        <source>{1}; the temporary file {2} is left behind</source>
        <translation>{1}; het tijdelijke bestand {2} blijft achter</translation>
    </message>
</context>
<context>
    <name>file.reason.not-regular</name>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>file.reason.read-error</name>
    <message>
        <source>read error</source>
        <translation>leesfout</translation>
    </message>
</context>
<context>
    <name>file.reason.read-only</name>
    <message>
        <source>it is read-only</source>
        <translation>het is alleen-lezen</translation>
    </message>
</context>
<context>
    <name>file.reason.system-error</name>
    <message>
        <source>system error {1}</source>
        <translation>systeemfout {1}</translation>
    </message>
</context>
<context>
    <name>file.reason.too-large</name>
    <message>
        <source>too large</source>
        <translation>te groot</translation>
    </message>
</context>
<context>
    <name>file.same</name>
    <message>
        <source>Source and target are the same file : {1}</source>
        <translation>Bron en doel zijn hetzelfde bestand: {1}</translation>
    </message>
</context>
<context>
    <name>file.too-large</name>
    <message>
        <source>File : {1} is too large ({2} bytes) !</source>
        <translation>Bestand {1} is te groot ({2} bytes)!</translation>
    </message>
</context>
<context>
    <name>file.unreadable</name>
    <message>
        <source>File : {1} can not be read !</source>
        <translation>Bestand {1} kan niet worden gelezen!</translation>
    </message>
</context>
<context>
    <name>file.unreadable-because</name>
    <message>
        <source>File : {1} can not be read !<byte value="xd"/>
{2}</source>
        <translation>Bestand {1} kan niet worden gelezen!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>file.write-error</name>
    <message>
        <source>Error Writing the file {1} !<byte value="xd"/>
{2}</source>
        <translation>Fout bij het schrijven van bestand {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>image.no-blocks</name>
    <message>
        <source>File does not contain any usable blocks</source>
        <translation>Het bestand bevat geen bruikbare blokken</translation>
    </message>
</context>
<context>
    <name>image.no-file-open</name>
    <message>
        <source>No File Open!</source>
        <translation>Geen bestand geopend!</translation>
    </message>
</context>
<context>
    <name>label.edited-block</name>
    <message>
        <source>Editing Block:{1} ({2})</source>
        <translation>Blok:{1} ({2}) wordt bewerkt</translation>
    </message>
</context>
<context>
    <name>label.edited-first-block</name>
    <message>
        <source>Editing Block:{1} ({2}), the first of {3} {2} blocks</source>
        <translation>Blok:{1} ({2}) wordt bewerkt, het eerste van {3} {2}-blokken</translation>
    </message>
</context>
<context>
    <name>label.file-changed</name>
    <message>
        <source>File Changed</source>
        <translation>Bestand gewijzigd</translation>
    </message>
</context>
<context>
    <name>label.size</name>
    <message>
        <source>Size :{1} bytes</source>
        <translation>Grootte: {1} bytes</translation>
    </message>
</context>
<context>
    <name>list.and</name>
    <message>
        <source>{1} and {2}</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>{1} en {2}</translation>
    </message>
</context>
<context>
    <name>list.channels</name>
    <message numerus="yes">
        <source>{1} channels</source>
        <comment>{1} channel</comment>
        <translation>
            <numerusform>{1} zender</numerusform>
            <numerusform>{1} zenders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>list.commas</name>
    <message>
        <source>{1}, {2}</source>
        <extracomment>Two items of a list: &quot;a, b&quot;; a longer list repeats it.</extracomment>
        <translation>{1}, {2}</translation>
    </message>
</context>
<context>
    <name>list.lines</name>
    <message>
        <source>{1}<byte value="xd"/>
{2}</source>
        <extracomment>Two parts of a message, each on a line of its own.</extracomment>
        <translation>{1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>list.more-numbers</name>
    <message>
        <source>{1} and {2} more</source>
        <translation>{1} en nog {2}</translation>
    </message>
</context>
<context>
    <name>list.no-block</name>
    <message>
        <source>The image has no {1} block.</source>
        <translation>Het image heeft geen {1}-blok.</translation>
    </message>
</context>
<context>
    <name>list.or</name>
    <message>
        <source>{1} or {2}</source>
        <extracomment>The last two choices of a list: &quot;a, b or c&quot;.</extracomment>
        <translation>{1} of {2}</translation>
    </message>
</context>
<context>
    <name>list.record-channel</name>
    <message>
        <source>channel</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>zender</translation>
    </message>
</context>
<context>
    <name>list.record-transponder</name>
    <message>
        <source>transponder</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>transponder</translation>
    </message>
</context>
<context>
    <name>list.semicolons</name>
    <message>
        <source>{1}; {2}</source>
        <extracomment>Two clauses of one sentence: &quot;a; b&quot;.</extracomment>
        <translation>{1}; {2}</translation>
    </message>
</context>
<context>
    <name>list.sentence</name>
    <message>
        <source>{1}.</source>
        <extracomment>A clause made a sentence of its own.</extracomment>
        <translation>{1}.</translation>
    </message>
</context>
<context>
    <name>list.transponders</name>
    <message numerus="yes">
        <source>{1} transponders</source>
        <comment>{1} transponder</comment>
        <translation>
            <numerusform>{1} transponder</numerusform>
            <numerusform>{1} transponders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>moved.channel</name>
    <message>
        <source>Channel {1} is now {2}</source>
        <translation>Zender {1} is nu {2}</translation>
    </message>
</context>
<context>
    <name>moved.down</name>
    <message>
        <source>{1} moved down one place</source>
        <translation>{1} één plaats omlaag verplaatst</translation>
    </message>
</context>
<context>
    <name>moved.named</name>
    <message>
        <source>{1} is now {2}</source>
        <translation>{1} is nu {2}</translation>
    </message>
</context>
<context>
    <name>moved.together</name>
    <message>
        <source>{1} are now {2} to {3}</source>
        <translation>{1} zijn nu {2} tot en met {3}</translation>
    </message>
</context>
<context>
    <name>moved.transponder</name>
    <message>
        <source>Transponder {1} is now {2}</source>
        <translation>Transponder {1} is nu {2}</translation>
    </message>
</context>
<context>
    <name>moved.up</name>
    <message>
        <source>{1} moved up one place</source>
        <translation>{1} één plaats omhoog verplaatst</translation>
    </message>
</context>
<context>
    <name>number.thousands</name>
    <message>
        <source>{1},{2}</source>
        <extracomment>A number&apos;s digits before its last group of three, then that group: &quot;2,040&quot;. Write the group separator of your language.</extracomment>
        <translation>{1}.{2}</translation>
    </message>
</context>
<context>
    <name>order.end</name>
    <message numerus="yes">
        <source>{1} new channels go to the end</source>
        <comment>{1} new channel goes to the end</comment>
        <translation>
            <numerusform>{1} nieuwe zender komt aan het einde</numerusform>
            <numerusform>{1} nieuwe zenders komen aan het einde</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.file-says</name>
    <message>
        <source>{1}: {2}</source>
        <extracomment>A reference file&apos;s name, then what is wrong with it.</extracomment>
        <translation>{1}: {2}</translation>
    </message>
</context>
<context>
    <name>order.follow</name>
    <message numerus="yes">
        <source>{1} channels follow the reference</source>
        <comment>{1} channel follows the reference</comment>
        <translation>
            <numerusform>{1} zender volgt de referentie</numerusform>
            <numerusform>{1} zenders volgen de referentie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.khz-not-number</name>
    <message>
        <source>{1} {2} is not a number.</source>
        <translation>{1} {2} is geen getal.</translation>
    </message>
</context>
<context>
    <name>order.label</name>
    <message>
        <source>{1} (SID {2})</source>
        <translation>{1} (SID {2})</translation>
    </message>
</context>
<context>
    <name>order.missing</name>
    <message>
        <source>Missing channel {1} of the reference: {2}</source>
        <translation>Zender {1} van de referentie ontbreekt: {2}</translation>
    </message>
</context>
<context>
    <name>order.missing-some</name>
    <message numerus="yes">
        <source>{1} channels of the reference are not in this list</source>
        <comment>{1} channel of the reference is not in this list</comment>
        <translation>
            <numerusform>{1} zender van de referentie staat niet in deze lijst</numerusform>
            <numerusform>{1} zenders van de referentie staan niet in deze lijst</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.new</name>
    <message>
        <source>New channel {1}, now channel {2}</source>
        <translation>Nieuwe zender {1}, nu zender {2}</translation>
    </message>
</context>
<context>
    <name>order.start</name>
    <message numerus="yes">
        <source>{1} new channels go to the start</source>
        <comment>{1} new channel goes to the start</comment>
        <translation>
            <numerusform>{1} nieuwe zender komt aan het begin</numerusform>
            <numerusform>{1} nieuwe zenders komen aan het begin</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.too-many-rows</name>
    <message>
        <source>more channels than a TCS block holds ({1}).</source>
        <translation>meer zenders dan een TCS-blok kan bevatten ({1}).</translation>
    </message>
</context>
<context>
    <name>print.diseqc</name>
    <message>
        <source>DiSEqC {1}</source>
        <translation>DiSEqC {1}</translation>
    </message>
</context>
<context>
    <name>print.group-title</name>
    <message>
        <source>{1} · {2}</source>
        <extracomment>A printed group&apos;s title: its satellite or transponder, then its count of channels.</extracomment>
        <translation>{1} · {2}</translation>
    </message>
</context>
<context>
    <name>print.no-transponder</name>
    <message>
        <source>No transponder</source>
        <translation>Geen transponder</translation>
    </message>
</context>
<context>
    <name>print.not-a-column</name>
    <message>
        <source>Column {1} is none of {2}.</source>
        <translation>Kolom {1} is geen van {2}.</translation>
    </message>
</context>
<context>
    <name>print.page</name>
    <message>
        <source>page {1} of {2}</source>
        <translation>pagina {1} van {2}</translation>
    </message>
</context>
<context>
    <name>print.twice</name>
    <message>
        <source>Column {1} is named twice.</source>
        <translation>Kolom {1} is dubbel genoemd.</translation>
    </message>
</context>
<context>
    <name>range.channel-beyond</name>
    <message>
        <source>Channel {1} is beyond the list of {2}.</source>
        <translation>Zender {1} ligt voorbij de lijst van {2}.</translation>
    </message>
</context>
<context>
    <name>range.channel-first</name>
    <message>
        <source>Channel 1 is the first: it cannot move up.</source>
        <translation>Zender 1 is de eerste: hij kan niet omhoog.</translation>
    </message>
</context>
<context>
    <name>range.channel-last</name>
    <message>
        <source>Channel {1} is the last: it cannot move down.</source>
        <translation>Zender {1} is de laatste: hij kan niet omlaag.</translation>
    </message>
</context>
<context>
    <name>range.channel-room</name>
    <message>
        <source>The TCS block holds at most {1} channels.</source>
        <translation>Het TCS-blok bevat hoogstens {1} zenders.</translation>
    </message>
</context>
<context>
    <name>range.channels-backwards</name>
    <message>
        <source>Channel range {1}-{2} runs backwards.</source>
        <translation>Zenderbereik {1}-{2} loopt achterstevoren.</translation>
    </message>
</context>
<context>
    <name>range.position-beyond</name>
    <message>
        <source>Position {1} is beyond the list of {2}.</source>
        <translation>Positie {1} ligt voorbij de lijst van {2}.</translation>
    </message>
</context>
<context>
    <name>range.position-inside</name>
    <message>
        <source>Position {1} lies inside {2}-{3}.</source>
        <translation>Positie {1} ligt binnen {2}-{3}.</translation>
    </message>
</context>
<context>
    <name>range.remove-all-some</name>
    <message numerus="yes">
        <source>Remove {2} transponders and their {1} channels</source>
        <comment>Remove {2} transponders and their {1} channel</comment>
        <translation>
            <numerusform>{2} transponders en hun {1} zender verwijderen</numerusform>
            <numerusform>{2} transponders en hun {1} zenders verwijderen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.remove-some</name>
    <message numerus="yes">
        <source>Remove transponder and its {1} channels</source>
        <comment>Remove transponder and its channel</comment>
        <translation>
            <numerusform>Transponder en zijn zender verwijderen</numerusform>
            <numerusform>Transponder en zijn {1} zenders verwijderen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.some-use</name>
    <message numerus="yes">
        <source>{1} channels use transponder {2} ({3} kHz).<byte value="xd"/>
Remove the transponder and its {1} channels ?</source>
        <comment>{1} channel uses transponder {2} ({3} kHz).<byte value="xd"/>
Remove the transponder and its channel ?</comment>
        <translation>
            <numerusform>{1} zender gebruikt transponder {2} ({3} kHz).<byte value="xd"/>
De transponder en zijn zender verwijderen?</numerusform>
            <numerusform>{1} zenders gebruiken transponder {2} ({3} kHz).<byte value="xd"/>
De transponder en zijn {1} zenders verwijderen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.some-use-all</name>
    <message numerus="yes">
        <source>{1} channels use the {2} transponders.<byte value="xd"/>
Remove the {2} transponders and their {1} channels ?</source>
        <comment>{1} channel uses the {2} transponders.<byte value="xd"/>
Remove the {2} transponders and their {1} channel ?</comment>
        <translation>
            <numerusform>{1} zender gebruikt de {2} transponders.<byte value="xd"/>
De {2} transponders en hun {1} zender verwijderen?</numerusform>
            <numerusform>{1} zenders gebruiken de {2} transponders.<byte value="xd"/>
De {2} transponders en hun {1} zenders verwijderen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.some-use-some</name>
    <message numerus="yes">
        <source>{1} channels use {3} of the {2} transponders.<byte value="xd"/>
Remove the {2} transponders and their {1} channels ?</source>
        <comment>{1} channel uses {3} of the {2} transponders.<byte value="xd"/>
Remove the {2} transponders and their {1} channel ?</comment>
        <translation>
            <numerusform>{1} zender gebruikt {3} van de {2} transponders.<byte value="xd"/>
De {2} transponders en hun {1} zender verwijderen?</numerusform>
            <numerusform>{1} zenders gebruiken {3} van de {2} transponders.<byte value="xd"/>
De {2} transponders en hun {1} zenders verwijderen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.transponder-beyond</name>
    <message>
        <source>Transponder {1} is beyond the list of {2}.</source>
        <translation>Transponder {1} ligt voorbij de lijst van {2}.</translation>
    </message>
</context>
<context>
    <name>range.transponder-first</name>
    <message>
        <source>Transponder 1 is the first: it cannot move up.</source>
        <translation>Transponder 1 is de eerste: hij kan niet omhoog.</translation>
    </message>
</context>
<context>
    <name>range.transponder-last</name>
    <message>
        <source>Transponder {1} is the last: it cannot move down.</source>
        <translation>Transponder {1} is de laatste: hij kan niet omlaag.</translation>
    </message>
</context>
<context>
    <name>range.transponder-reach</name>
    <message>
        <source>A channel reaches at most {1} transponders.</source>
        <translation>Een zender bereikt hoogstens {1} transponders.</translation>
    </message>
</context>
<context>
    <name>range.transponders-backwards</name>
    <message>
        <source>Transponder range {1}-{2} runs backwards.</source>
        <translation>Transponderbereik {1}-{2} loopt achterstevoren.</translation>
    </message>
</context>
<context>
    <name>satellite.above-most</name>
    <message>
        <source>SR {1} Msym/s is above the list&apos;s {2} Msym/s</source>
        <translation>SR {1} Msym/s ligt boven de {2} Msym/s van de lijst</translation>
    </message>
</context>
<context>
    <name>satellite.already-in</name>
    <message>
        <source>Already in the list as transponder {1}</source>
        <translation>Al in de lijst als transponder {1}</translation>
    </message>
</context>
<context>
    <name>satellite.below-1-msym</name>
    <message>
        <source>SR {1} Msym/s is below 1 Msym/s</source>
        <translation>SR {1} Msym/s ligt onder 1 Msym/s</translation>
    </message>
</context>
<context>
    <name>satellite.circular</name>
    <message>
        <source>Circular polarisation {1}: the list holds V or H</source>
        <translation>Circulaire polarisatie {1}: de lijst kent V of H</translation>
    </message>
</context>
<context>
    <name>satellite.diseqc-a</name>
    <message>
        <source>DiSEqC A</source>
        <translation>DiSEqC A</translation>
    </message>
</context>
<context>
    <name>satellite.diseqc-b</name>
    <message>
        <source>DiSEqC B</source>
        <translation>DiSEqC B</translation>
    </message>
</context>
<context>
    <name>satellite.fec-default</name>
    <message>
        <source>{1}: stored as the default {2}</source>
        <translation>{1}: opgeslagen als de standaardwaarde {2}</translation>
    </message>
</context>
<context>
    <name>satellite.holds-another</name>
    <message>
        <source>{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} lijkt een andere satelliet dan {2} te bevatten (de tabellen van {5} hebben maar {3} van de {4} op {1}): rijen die als ‘in de lijst’ worden gemeld, kunnen transponders van een andere satelliet zijn, en misschien is een andere DiSEqC-ingang bedoeld.</translation>
    </message>
</context>
<context>
    <name>satellite.holds-other</name>
    <message>
        <source>{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} lijkt eerder {5} dan {2} te bevatten (de tabellen van {5} hebben {3} van de {4} op {1}): rijen die als ‘in de lijst’ worden gemeld, kunnen transponders van een andere satelliet zijn, en misschien is een andere DiSEqC-ingang bedoeld.</translation>
    </message>
</context>
<context>
    <name>satellite.lacks</name>
    <message>
        <source>{1}: the list lacks {2} of {3} transponders it could hold: {4}</source>
        <translation>{1}: de lijst mist {2} van {3} transponders die ze zou kunnen bevatten: {4}</translation>
    </message>
</context>
<context>
    <name>satellite.multistream</name>
    <message>
        <source>Multistream (STREAM_ID {1}): the list cannot choose a stream</source>
        <translation>Multistream (STREAM_ID {1}): de lijst kan geen stream kiezen</translation>
    </message>
</context>
<context>
    <name>satellite.no-delivery-system</name>
    <message>
        <source>No DELIVERY_SYSTEM</source>
        <translation>Geen DELIVERY_SYSTEM</translation>
    </message>
</context>
<context>
    <name>satellite.no-fec</name>
    <message>
        <source>No INNER_FEC</source>
        <translation>Geen INNER_FEC</translation>
    </message>
</context>
<context>
    <name>satellite.no-frequency</name>
    <message>
        <source>No FREQUENCY</source>
        <translation>Geen FREQUENCY</translation>
    </message>
</context>
<context>
    <name>satellite.no-polarization</name>
    <message>
        <source>No POLARIZATION</source>
        <translation>Geen POLARIZATION</translation>
    </message>
</context>
<context>
    <name>satellite.no-room</name>
    <message>
        <source>No room left: a channel reaches at most {1} transponders</source>
        <translation>Geen ruimte meer: een zender bereikt hoogstens {1} transponders</translation>
    </message>
</context>
<context>
    <name>satellite.no-symbol-rate</name>
    <message>
        <source>No SYMBOL_RATE</source>
        <translation>Geen SYMBOL_RATE</translation>
    </message>
</context>
<context>
    <name>satellite.not-in-table</name>
    <message>
        <source>{1} {2} is not in the table of {3}</source>
        <translation>{1} {2} staat niet in de tabel van {3}</translation>
    </message>
</context>
<context>
    <name>satellite.not-v-or-h</name>
    <message>
        <source>Polarisation {1} is not V or H</source>
        <translation>Polarisatie {1} is niet V of H</translation>
    </message>
</context>
<context>
    <name>satellite.on-input</name>
    <message>
        <source>{1} ({2})</source>
        <extracomment>A satellite&apos;s name, then its DiSEqC input: &quot;Astra 19.2E (DiSEqC A)&quot;.</extracomment>
        <translation>{1} ({2})</translation>
    </message>
</context>
<context>
    <name>satellite.other-system</name>
    <message>
        <source>{1}: the receiver tunes DVB-S QPSK and the list cannot mark another</source>
        <translation>{1}: de ontvanger stemt af op DVB-S QPSK en de lijst kan geen ander systeem aangeven</translation>
    </message>
</context>
<context>
    <name>satellite.partial-add</name>
    <message>
        <source>The list has room for {1} of the {2} transponders that can be added: a channel reaches at most {3} transponders.<byte value="xd"/>
Add the first {1} and leave out the other {4} ?</source>
        <translation>De lijst heeft ruimte voor {1} van de {2} transponders die kunnen worden toegevoegd: een zender bereikt hoogstens {3} transponders.<byte value="xd"/>
De eerste {1} toevoegen en de overige {4} weglaten?</translation>
    </message>
</context>
<context>
    <name>satellite.repeats</name>
    <message>
        <source>Repeats {1}</source>
        <translation>Herhaalt {1}</translation>
    </message>
</context>
<context>
    <name>satellite.rounded</name>
    <message>
        <source>SR {1} Msym/s is stored rounded as {2}</source>
        <translation>SR {1} Msym/s wordt afgerond opgeslagen als {2}</translation>
    </message>
</context>
<context>
    <name>satellite.rows-to-add</name>
    <message numerus="yes">
        <source>{2} of {1} rows to add</source>
        <comment>{2} of {1} row to add</comment>
        <translation>
            <numerusform>{2} van {1} rij toe te voegen</numerusform>
            <numerusform>{2} van {1} rijen toe te voegen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>satellite.system-modulation</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>A transmission system, then its modulation: &quot;DVB-S2 8PSK&quot;.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>scan.cannot-read</name>
    <message>
        <source>The scan table {1} can not be read: {2}.</source>
        <translation>De scantabel {1} kan niet worden gelezen: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.empty</name>
    <message>
        <source>it is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
</context>
<context>
    <name>scan.folder-unreadable</name>
    <message>
        <source>The folder of scan tables {1} can not be read: {2}.</source>
        <translation>De map met scantabellen {1} kan niet worden gelezen: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.line</name>
    <message>
        <source>line {1}</source>
        <translation>regel {1}</translation>
    </message>
</context>
<context>
    <name>scan.line-says</name>
    <message>
        <source>line {1}: {2}</source>
        <translation>regel {1}: {2}</translation>
    </message>
</context>
<context>
    <name>scan.not-key-value</name>
    <message>
        <source>{1} is not KEY = VALUE in a section</source>
        <translation>{1} is niet SLEUTEL = WAARDE in een sectie</translation>
    </message>
</context>
<context>
    <name>scan.not-table</name>
    <message>
        <source>{1} is not a scan table: {2}.</source>
        <translation>{1} is geen scantabel: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.not-text</name>
    <message>
        <source>it is not UTF-8 or Latin-1 text</source>
        <translation>het bestand is geen UTF-8- of Latin-1-tekst</translation>
    </message>
</context>
<context>
    <name>scan.place-label</name>
    <message>
        <source>{1}, {2}</source>
        <extracomment>Where a scan table&apos;s row is, then the row: &quot;line 12, 11494 H 22000&quot;.</extracomment>
        <translation>{1}, {2}</translation>
    </message>
</context>
<context>
    <name>scan.table-line</name>
    <message>
        <source>{1} line {2}</source>
        <translation>{1} regel {2}</translation>
    </message>
</context>
<context>
    <name>scan.table-says</name>
    <message>
        <source>{1} {2}</source>
        <extracomment>A scan table&apos;s name, then what is wrong with one of its lines.</extracomment>
        <translation>{1} {2}</translation>
    </message>
</context>
<context>
    <name>scan.too-large</name>
    <message>
        <source>it is larger than {1} MiB, more than any table</source>
        <translation>het bestand is groter dan {1} MiB, groter dan welke tabel ook</translation>
    </message>
</context>
<context>
    <name>scan.too-many-problems</name>
    <message>
        <source>more than {1} of its lines do not read ({2})</source>
        <translation>meer dan {1} regels ervan zijn niet leesbaar ({2})</translation>
    </message>
</context>
<context>
    <name>scan.too-many-rows</name>
    <message>
        <source>it has more than {1} sections</source>
        <translation>het bestand heeft meer dan {1} secties</translation>
    </message>
</context>
<context>
    <name>scan.where-to-get</name>
    <message>
        <source>No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name a folder that holds them {2}.</source>
        <translation>Geen DVB-S-scantabellen in {1}: op Debian en Ubuntu zitten ze in het pakket dtv-scan-tables; geef elders een map op die ze bevat, {2}.</translation>
    </message>
</context>
<context>
    <name>session.changed-on-disk</name>
    <message>
        <source>File : {1} has changed on disk since it was loaded !<byte value="xd"/>
Overwrite anyway ?</source>
        <translation>Bestand {1} is sinds het laden op de schijf gewijzigd!<byte value="xd"/>
Toch overschrijven?</translation>
    </message>
</context>
<context>
    <name>session.no-findings</name>
    <message>
        <source>No findings</source>
        <translation>Geen bevindingen</translation>
    </message>
</context>
<context>
    <name>session.save-before-exiting</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before exiting ?</source>
        <translation>Het bestand is gewijzigd, maar niet opgeslagen!<byte value="xd"/>
De wijzigingen opslaan voor het afsluiten?</translation>
    </message>
</context>
<context>
    <name>session.save-before-loading</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before loading ?</source>
        <translation>Het bestand is gewijzigd, maar niet opgeslagen!<byte value="xd"/>
De wijzigingen opslaan voor het laden?</translation>
    </message>
</context>
<context>
    <name>set.given-twice</name>
    <message>
        <source>{1} is given twice: give each field once.</source>
        <translation>{1} is twee keer opgegeven: geef elk veld één keer op.</translation>
    </message>
</context>
<context>
    <name>set.no-such-tp</name>
    <message>
        <source>{1} {2} names no transponder: the list has {3}.</source>
        <translation>{1} {2} duidt geen transponder aan: de lijst heeft er {3}.</translation>
    </message>
</context>
<context>
    <name>set.not-assignment</name>
    <message>
        <source>{1} is not FIELD=VALUE.</source>
        <translation>{1} is niet VELD=WAARDE.</translation>
    </message>
</context>
<context>
    <name>set.unknown-field</name>
    <message>
        <source>Unknown field {1}: the fields are {2}.</source>
        <translation>Onbekend veld {1}: de velden zijn {2}.</translation>
    </message>
</context>
<context>
    <name>status.converting</name>
    <message>
        <source>Converting {1}...</source>
        <translation>{1} wordt geconverteerd...</translation>
    </message>
</context>
<context>
    <name>status.loading</name>
    <message>
        <source>Loading {1}...</source>
        <translation>{1} wordt geladen...</translation>
    </message>
</context>
<context>
    <name>status.loading-converting</name>
    <message>
        <source>Loading and converting {1}...</source>
        <translation>{1} wordt geladen en geconverteerd...</translation>
    </message>
</context>
<context>
    <name>status.loading-image</name>
    <message>
        <source>Loading... {1}</source>
        <translation>Laden... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving</name>
    <message>
        <source>Saving... {1}</source>
        <translation>Opslaan... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving-block</name>
    <message>
        <source>Saving {1}...</source>
        <translation>{1} wordt opgeslagen...</translation>
    </message>
</context>
<context>
    <name>status.writing</name>
    <message>
        <source>Writing {1}...</source>
        <translation>{1} wordt geschreven...</translation>
    </message>
</context>
<context>
    <name>step.apply-order</name>
    <message>
        <source>Apply order from {1}</source>
        <translation>Volgorde overnemen van {1}</translation>
    </message>
</context>
<context>
    <name>step.change-channel</name>
    <message>
        <source>Change {1} of channel {2}</source>
        <translation>{1} van zender {2} wijzigen</translation>
    </message>
</context>
<context>
    <name>step.change-transponder</name>
    <message>
        <source>Change {1} of transponder {2}</source>
        <translation>{1} van transponder {2} wijzigen</translation>
    </message>
</context>
<context>
    <name>step.channel</name>
    <message>
        <source>channel {1}</source>
        <translation>zender {1}</translation>
    </message>
</context>
<context>
    <name>step.clear-block</name>
    <message>
        <source>Clear Block</source>
        <translation>Blok leegmaken</translation>
    </message>
</context>
<context>
    <name>step.duplicate</name>
    <message>
        <source>Duplicate {1}</source>
        <translation>{1} dupliceren</translation>
    </message>
</context>
<context>
    <name>step.import-channels</name>
    <message>
        <source>Import channels from {1}</source>
        <translation>Zenders importeren uit {1}</translation>
    </message>
</context>
<context>
    <name>step.import-transponders</name>
    <message>
        <source>Import transponders from {1}</source>
        <translation>Transponders importeren uit {1}</translation>
    </message>
</context>
<context>
    <name>step.insert</name>
    <message>
        <source>Insert {1}</source>
        <translation>{1} invoegen</translation>
    </message>
</context>
<context>
    <name>step.move</name>
    <message>
        <source>Move {1}</source>
        <translation>{1} verplaatsen</translation>
    </message>
</context>
<context>
    <name>step.needs-transponder</name>
    <message>
        <source>A new channel needs a transponder: the TPT list has none.</source>
        <translation>Een nieuwe zender heeft een transponder nodig: de TPT-lijst heeft er geen.</translation>
    </message>
</context>
<context>
    <name>step.read-block</name>
    <message>
        <source>Read Block</source>
        <translation>Blok inlezen</translation>
    </message>
</context>
<context>
    <name>step.remove</name>
    <message>
        <source>Remove {1}</source>
        <translation>{1} verwijderen</translation>
    </message>
</context>
<context>
    <name>step.remove-with-their</name>
    <message numerus="yes">
        <source>Remove {2} and their channels</source>
        <comment>Remove {2} and its channels</comment>
        <translation>
            <numerusform>{2} en zijn zenders verwijderen</numerusform>
            <numerusform>{2} en hun zenders verwijderen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>step.rename</name>
    <message>
        <source>Rename channel {1}</source>
        <translation>Zender {1} hernoemen</translation>
    </message>
</context>
<context>
    <name>step.sort-frequency</name>
    <message>
        <source>Sort channels by frequency</source>
        <translation>Zenders op frequentie sorteren</translation>
    </message>
</context>
<context>
    <name>step.sort-name</name>
    <message>
        <source>Sort channels by name</source>
        <translation>Zenders op naam sorteren</translation>
    </message>
</context>
<context>
    <name>step.sort-sid</name>
    <message>
        <source>Sort channels by SID</source>
        <translation>Zenders op SID sorteren</translation>
    </message>
</context>
<context>
    <name>step.swap-diseqc</name>
    <message>
        <source>Swap DiSEqC</source>
        <translation>DiSEqC omwisselen</translation>
    </message>
</context>
<context>
    <name>step.transponder</name>
    <message>
        <source>transponder {1}</source>
        <translation>transponder {1}</translation>
    </message>
</context>
<context>
    <name>swap.report</name>
    <message>
        <source> {1} Transponders have been swapped from DiSEqC A &lt;=&gt; B</source>
        <translation> {1} transponders zijn omgewisseld van DiSEqC A &lt;=&gt; B</translation>
    </message>
</context>
<context>
    <name>swap.select-tpt</name>
    <message>
        <source>Please select a TPT block to convert</source>
        <translation>Selecteer een TPT-blok om te converteren</translation>
    </message>
</context>
<context>
    <name>tcs-text.blank-end</name>
    <message numerus="yes">
        <source>channels {2} end their names in blanks, which come back as NULs</source>
        <comment>channel {2} ends its name in blanks, which come back as NULs</comment>
        <translation>
            <numerusform>zender {2} eindigt zijn naam op spaties, die als NUL-tekens terugkomen</numerusform>
            <numerusform>zenders {2} eindigen hun namen op spaties, die als NUL-tekens terugkomen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.inner-nul</name>
    <message numerus="yes">
        <source>channels {2} hold NULs inside their names, which come back as blanks</source>
        <comment>channel {2} holds a NUL inside its name, which comes back as a blank</comment>
        <translation>
            <numerusform>zender {2} bevat een NUL-teken in zijn naam, dat als spatie terugkomt</numerusform>
            <numerusform>zenders {2} bevatten NUL-tekens in hun namen, die als spaties terugkomen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.line-end</name>
    <message numerus="yes">
        <source>channels {2} hold a line-end byte in their names</source>
        <comment>channel {2} holds a line-end byte in its name</comment>
        <translation>
            <numerusform>zender {2} bevat een regeleindebyte in zijn naam</numerusform>
            <numerusform>zenders {2} bevatten een regeleindebyte in hun namen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.shifted</name>
    <message>
        <source>records from {1} on shift their columns</source>
        <translation>records vanaf {1} verschuiven hun kolommen</translation>
    </message>
</context>
<context>
    <name>tcs-text.utf8-name</name>
    <message numerus="yes">
        <source>channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to keep them)</source>
        <comment>channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to keep it)</comment>
        <translation>
            <numerusform>zender {2} heeft een naam die als UTF-8 wordt teruggelezen, als andere bytes (schrijf de tekst als UTF-8 om hem te behouden)</numerusform>
            <numerusform>zenders {2} hebben namen die als UTF-8 worden teruggelezen, als andere bytes (schrijf de tekst als UTF-8 om ze te behouden)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>text.not-latin1</name>
    <message>
        <source>{1} holds a character that Latin-1 cannot store</source>
        <translation>{1} bevat een teken dat Latin-1 niet kan opslaan</translation>
    </message>
</context>
<context>
    <name>tpt-text.band-holds</name>
    <message>
        <source>frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz</source>
        <translation>frequentie {1} kHz valt buiten het bereik: band {2} omvat {3} tot {4} kHz</translation>
    </message>
</context>
<context>
    <name>tpt-text.below-khz</name>
    <message numerus="yes">
        <source>transponders {2} keep digits below 1 kHz, which the text drops</source>
        <comment>transponder {2} keeps digits below 1 kHz, which the text drops</comment>
        <translation>
            <numerusform>transponder {2} heeft cijfers onder 1 kHz, die de tekst weglaat</numerusform>
            <numerusform>transponders {2} hebben cijfers onder 1 kHz, die de tekst weglaat</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.comes-back</name>
    <message>
        <source>the list of {1} comes back as {2}, with zero records after the last used one</source>
        <translation>de lijst van {1} komt terug als {2}, met records vol nullen na het laatst gebruikte</translation>
    </message>
</context>
<context>
    <name>tpt-text.diseqc-b</name>
    <message numerus="yes">
        <source>transponders {2} on DiSEqC B will read back as A</source>
        <comment>transponder {2} on DiSEqC B will read back as A</comment>
        <translation>
            <numerusform>transponder {2} op DiSEqC B wordt teruggelezen als A</numerusform>
            <numerusform>transponders {2} op DiSEqC B worden teruggelezen als A</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec</name>
    <message numerus="yes">
        <source>transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4</source>
        <comment>transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4</comment>
        <translation>
            <numerusform>transponder {2} heeft een FEC-code die de tekst als 0/0 toont en als 3/4 terugleest</numerusform>
            <numerusform>transponders {2} hebben FEC-codes die de tekst als 0/0 toont en als 3/4 terugleest</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec-moves</name>
    <message>
        <source>{1}, and it moves the columns after it</source>
        <translation>{1}, en het verschuift de kolommen erachter</translation>
    </message>
</context>
<context>
    <name>tpt-text.flags</name>
    <message numerus="yes">
        <source>transponders {2} have flag bits the text leaves out</source>
        <comment>transponder {2} has flag bits the text leaves out</comment>
        <translation>
            <numerusform>transponder {2} heeft flagbits die de tekst weglaat</numerusform>
            <numerusform>transponders {2} hebben flagbits die de tekst weglaat</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.frequency</name>
    <message numerus="yes">
        <source>transponders {2}&apos; frequency fields hold more than the text reads back</source>
        <comment>transponder {2}&apos;s frequency field holds more than the text reads back</comment>
        <translation>
            <numerusform>het frequentieveld van transponder {2} bevat meer dan de tekst terugleest</numerusform>
            <numerusform>de frequentievelden van transponders {2} bevatten meer dan de tekst terugleest</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.no-frequency</name>
    <message>
        <source>no frequency in columns 5-12</source>
        <translation>geen frequentie in kolom 5-12</translation>
    </message>
</context>
<context>
    <name>tpt-text.out-of-range</name>
    <message>
        <source>{1} out of range</source>
        <translation>{1} buiten bereik</translation>
    </message>
</context>
<context>
    <name>tpt-text.records</name>
    <message numerus="yes">
        <source>{1} records</source>
        <comment>{1} record</comment>
        <translation>
            <numerusform>{1} record</numerusform>
            <numerusform>{1} records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>transponder.fec-cannot-store</name>
    <message>
        <source>FEC {1} can not be stored: the list stores only {2}</source>
        <translation>FEC {1} kan niet worden opgeslagen: de lijst slaat alleen {2} op</translation>
    </message>
</context>
<context>
    <name>transponder.fec-not-stored</name>
    <message>
        <source>FEC {1} is not one the list stores ({2})</source>
        <translation>FEC {1} is geen waarde die de lijst opslaat ({2})</translation>
    </message>
</context>
<context>
    <name>transponder.fec-stored-as</name>
    <message>
        <source>FEC {1} is stored as {2}</source>
        <translation>FEC {1} wordt opgeslagen als {2}</translation>
    </message>
</context>
<context>
    <name>transponder.khz-out-of-range</name>
    <message>
        <source>Frequency {1} kHz is out of range</source>
        <translation>Frequentie {1} kHz valt buiten het bereik</translation>
    </message>
</context>
<context>
    <name>transponder.khz-outside-band</name>
    <message>
        <source>{1} kHz lies outside band {2}&apos;s {3} to {4} kHz</source>
        <translation>{1} kHz ligt buiten het bereik {3} tot {4} kHz van band {2}</translation>
    </message>
</context>
<context>
    <name>transponder.outside-unit</name>
    <message>
        <source>{1} {2} {3} is outside {4} to {5} {3}</source>
        <translation>{1} {2} {3} valt buiten {4} tot {5} {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-as-ks</name>
    <message>
        <source>{1}: as {2} kS/s it would be {3}</source>
        <translation>{1}: als {2} kS/s zou het {3} zijn</translation>
    </message>
</context>
<context>
    <name>transponder.sr-fraction</name>
    <message>
        <source>SR {1} is not a whole number of Msym/s: it would be stored as {2}.</source>
        <translation>SR {1} is geen geheel aantal Msym/s: het zou worden opgeslagen als {2}.</translation>
    </message>
</context>
<context>
    <name>use.radio</name>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>use.tv</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
</context>
<context>
    <name>viewer.not-found</name>
    <message>
        <source>File {1} can not be found!</source>
        <translation>Bestand {1} kan niet worden gevonden!</translation>
    </message>
</context>
<context>
    <name>viewer.not-shown</name>
    <message>
        <source>({1} more records are not shown)</source>
        <translation>(nog {1} records worden niet getoond)</translation>
    </message>
</context>
<context>
    <name>viewer.oversize</name>
    <message>
        <source>{1} FILE IS LARGER THAN 64Kb ({2} bytes)</source>
        <translation>{1} BESTAND IS GROTER DAN 64 KB ({2} bytes)</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable</name>
    <message>
        <source>File {1} can not be read!</source>
        <translation>Bestand {1} kan niet worden gelezen!</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable-because</name>
    <message>
        <source>File {1} can not be read!<byte value="xd"/>
{2}</source>
        <translation>Bestand {1} kan niet worden gelezen!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>viewer.view-as</name>
    <message>
        <source>&amp;View as {1}</source>
        <translation>&amp;Als {1} tonen</translation>
    </message>
</context>
</TS>
