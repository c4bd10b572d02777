<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>block.big-file</name>
    <message>
        <source>Block is bigger then 64Kb, load only first 64Kb ?</source>
        <translation>Block ist größer als 64 KB, nur die ersten 64 KB laden?</translation>
    </message>
</context>
<context>
    <name>block.clear-question</name>
    <message>
        <source>Clear block  {1}?<byte value="xd"/>
Are you sure ?</source>
        <translation>Block {1} leeren?<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>block.line</name>
    <message>
        <source>Block:{1} {2} (${3}-${4}) ${5} bytes</source>
        <translation>Block:{1} {2} (${3}-${4}) ${5} Bytes</translation>
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
            <numerusform>Datei : {2} hat {1} Byte: keine ganze Zahl von {3}-Datensätzen.<byte value="xd"/>
Trotzdem einlesen?</numerusform>
            <numerusform>Datei : {2} hat {1} Bytes: keine ganze Zahl von {3}-Datensätzen.<byte value="xd"/>
Trotzdem einlesen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>block.select-to-clear</name>
    <message>
        <source>Please select a block to Clear</source>
        <translation>Bitte einen Block zum Leeren wählen</translation>
    </message>
</context>
<context>
    <name>block.select-to-convert</name>
    <message>
        <source>Please select a block to Convert (a TPT block!)</source>
        <translation>Bitte einen Block zum Umwandeln wählen (einen TPT-Block!)</translation>
    </message>
</context>
<context>
    <name>block.select-to-save</name>
    <message>
        <source>Please select a block to Save</source>
        <translation>Bitte einen Block zum Sichern wählen</translation>
    </message>
</context>
<context>
    <name>block.select-to-update</name>
    <message>
        <source>Please select a block to Update</source>
        <translation>Bitte einen Block zum Einlesen wählen</translation>
    </message>
</context>
<context>
    <name>block.select-to-view</name>
    <message>
        <source>Please select a block to View</source>
        <translation>Bitte einen Block zum Anzeigen wählen</translation>
    </message>
</context>
<context>
    <name>cell.channels</name>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
</context>
<context>
    <name>cell.no-transponder</name>
    <message>
        <source>{1} · none</source>
        <translation>{1} · keiner</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Kompiliert: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3   (%4)</source>
        <translation>Version %1.%2.%3   (%4)</translation>
    </message>
    <message>
        <source>Welcome to Chanforge, the channel list editor for your receiver&apos;s flash image.<byte value="xd"/>
<byte value="xd"/>
This program has been made, because the conversion routines of DecLink can&apos;t cope with the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the receiver.<byte value="xd"/>
<byte value="xd"/>
This program is still in the BETA phase!<byte value="xd"/>
 Always check the results and filesize before flashing !</source>
        <translation>Willkommen bei Chanforge, dem Senderlisten-Editor für das Flash-Image Ihres Receivers.<byte value="xd"/>
<byte value="xd"/>
Dieses Programm ist entstanden, weil die Umwandlungsroutinen von DecLink mit den neuen TCS- und TPT-Listen für 2000 Sender nicht zurechtkommen, die die neue Firmware 1.0 des Receivers schreibt.<byte value="xd"/>
<byte value="xd"/>
Dieses Programm ist noch in der BETA-Phase!<byte value="xd"/>
 Prüfen Sie vor dem Flashen immer die Ergebnisse und die Dateigröße !</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation>Editor für Sender- und Transponderlisten</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation>Anmerkungen und Vorschläge sind über den Issue-Tracker des Projekts willkommen.</translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation>Warnung: nur für zertifizierte Techniker! Keine Gewährleistung, Verwendung auf eigenes Risiko</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Copy &amp;Details</source>
        <translation>&amp;Details kopieren</translation>
    </message>
    <message>
        <source>Copy the version, the system and where the settings are, for a report</source>
        <translation>Version, System und Ort der Einstellungen kopieren, für eine Fehlermeldung</translation>
    </message>
    <message>
        <source>Qt %1</source>
        <translation>Qt %1</translation>
    </message>
    <message>
        <source>System: %1 (%2 %3, %4)</source>
        <translation>System: %1 (%2 %3, %4)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>(cannot be opened)</source>
        <translation>(kann nicht geöffnet werden)</translation>
    </message>
    <message>
        <source>Scan tables: %1</source>
        <translation>Suchlauftabellen: %1</translation>
    </message>
    <message>
        <source>d-mmm-yyyy</source>
        <extracomment>The compile date&apos;s format in numbers, as QDate::toString reads it (&quot;dd.MM.yyyy&quot;).</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Application</name>
    <message>
        <source>The command failed: %1
The image and its unsaved changes are kept as they were.</source>
        <translation>Der Befehl ist fehlgeschlagen: %1
Das Image und seine ungespeicherten Änderungen bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation>Blockanzeige</translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation>Als &amp;Hex anzeigen</translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation>Anzeigen als ....</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation>Block wird umgewandelt...</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation>Bytes %1-%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation>Die Images sind gleich</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation>Image prüfen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation>Satellit an DiSEqC-Eingang &amp;%1:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation>Keine Fehler, keine Warnungen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>with the Folder… button of Edit Lists &gt; Add from satellite</source>
        <translation>mit der Schaltfläche „Ordner…“ unter Listen bearbeiten &gt; Vom Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC %1</source>
        <translation>Satellit an DiSEqC-Eingang %1</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation>Dateinamen wählen</translation>
    </message>
    <message>
        <source>%1 Bin</source>
        <translation>%1 Bin</translation>
    </message>
    <message>
        <source>Declink Comp</source>
        <translation>Declink-Format</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>UTF-8-Text</translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation>Die Textdatei als UTF-8 schreiben, für einen Editor, der sie so liest. Beide Arten ergeben beim Zurücklesen dieselbe Liste.</translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation>Die binäre %1-Datei in eine Textdatei umwandeln</translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation>Die %1-Textdatei in eine binäre Datei umwandeln</translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation>%1 Txt</translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation>Binärdatei der Senderliste wählen</translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation>Binärdatei der Transponderliste wählen</translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation>Binärdatei der Senderliste</translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation>Binärdatei der Transponderliste</translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation>Senderliste in Text umwandeln</translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation>Transponderliste in Text umwandeln</translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation>Text in Senderliste umwandeln</translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation>Text in Transponderliste umwandeln</translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation>Textdatei der Senderliste wählen</translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation>Textdatei der Transponderliste wählen</translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation>Textdatei der Senderliste</translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation>Textdatei der Transponderliste</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation>Images und Sender-CSV</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>Bin Files</source>
        <translation>Bin-Dateien</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FindBox</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Edit Lists</source>
        <translation>Listen bearbeiten</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation>Liste der Sender</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Sender</translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation>Transponder suchen</translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation>Liste der Transponder</translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation>Text einer Zeile, wie angezeigt (Strg+F)</translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation>Vom Satelliten hin&amp;zufügen…</translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation>Transponder aus der DVB-S-Suchlauftabelle eines Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation>&amp;Sortieren nach…</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Insert a new row before the current one</source>
        <translation>Eine neue Zeile vor der aktuellen einfügen</translation>
    </message>
    <message>
        <source>Copy the selected rows behind the last of them</source>
        <translation>Die gewählten Zeilen hinter die letzte von ihnen kopieren</translation>
    </message>
    <message>
        <source>Remove the selected rows</source>
        <translation>Die gewählten Zeilen entfernen</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place up in the whole list</source>
        <translation>Jede Folge gewählter Zeilen in der ganzen Liste um einen Platz nach oben schieben</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place down in the whole list</source>
        <translation>Jede Folge gewählter Zeilen in der ganzen Liste um einen Platz nach unten schieben</translation>
    </message>
    <message>
        <source>Put the channels in order by name, SID or frequency, as one step</source>
        <translation>Die Sender nach Name, SID oder Frequenz ordnen, als ein Schritt</translation>
    </message>
    <message>
        <source>Show only the rows with a text</source>
        <translation>Nur die Zeilen mit einem Text zeigen</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Weitere Aktionen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation>TCS/TPT-Anzeige</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation>Ä&amp;nderungen anzeigen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation>&amp;Listen bearbeiten…</translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation>Reihenf&amp;olge übernehmen von…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation>Image &amp;prüfen</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Dateiverwaltung</translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation>Bin &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation>Bin &amp;speichern</translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation>Größe: 0 Bytes</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Blockbefehle</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Nur Daten</translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation>64-KB-Block</translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation>&amp;Einlesen</translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation>S&amp;ichern</translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation>DiSEq&amp;C A↔B (Monoblock)</translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation>Leere&amp;n</translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation>Senderliste (TCS) umwandeln</translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation>Transponderliste (TPT) umwandeln</translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation>Lis&amp;ten zeigen</translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation>Block:%1 (%2) von %3</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation>Sender als CSV…</translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation>Transponder als CSV…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation>%1 gibt es nicht mehr: aus „Zuletzt geöffnet“ entfernt</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Sender exportieren</translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation>Transponder exportieren</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Sender importieren</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Transponder importieren</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Reihenfolge übernehmen von</translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation>Eine Flash-Image-Datei laden</translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation>Das Flash-Image in seine Datei speichern</translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation>Die Blockbefehle wirken nur auf die Daten des Blocks</translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation>Die Blockbefehle wirken auf den ganzen 64-KB-Block, samt Kopf</translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation>Eine Datei in den gewählten Block einlesen</translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation>Den gewählten Block in eine Datei speichern</translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation>DiSEqC-Eingang A und B jedes Transponders im gewählten TPT-Block tauschen</translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation>Den gewählten Block leeren</translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation>Den gewählten Block als Hex oder als Liste zeigen</translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation>Die binäre TCS-Listendatei wählen</translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation>Die TCS-Textdatei wählen</translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation>Die binäre TPT-Listendatei wählen</translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation>Die TPT-Textdatei wählen</translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation>TPT-Text ohne die DiSEqC-Spalte schreiben und lesen, wie DecLink es tut</translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation>Die binären TCS- und TPT-Dateien als Listen zeigen</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Über Chanforge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Write the image back to the file it was loaded from</source>
        <translation>Das Image in die Datei zurückschreiben, aus der es geladen wurde</translation>
    </message>
    <message>
        <source>Save the image under a name you choose</source>
        <translation>Das Image unter einem gewählten Namen speichern</translation>
    </message>
    <message>
        <source>List what changed since the image was loaded or saved</source>
        <translation>Auflisten, was sich seit dem Laden oder Speichern geändert hat</translation>
    </message>
    <message>
        <source>Write the channel list as CSV, for a spreadsheet</source>
        <translation>Die Senderliste als CSV schreiben, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Write the transponder list as CSV, for a spreadsheet</source>
        <translation>Die Transponderliste als CSV schreiben, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Read the channel list from a CSV file</source>
        <translation>Die Senderliste aus einer CSV-Datei lesen</translation>
    </message>
    <message>
        <source>Read the transponder list from a CSV file</source>
        <translation>Die Transponderliste aus einer CSV-Datei lesen</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Die Senderliste drucken</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF file</source>
        <translation>Die Senderliste als PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>Close Chanforge</source>
        <translation>Chanforge beenden</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <source>Edit the channels and transponders in tables</source>
        <translation>Sender und Transponder in Tabellen bearbeiten</translation>
    </message>
    <message>
        <source>Put the channels in the order of another image or of a channel CSV</source>
        <translation>Die Sender in die Reihenfolge eines anderen Images oder einer Sender-CSV bringen</translation>
    </message>
    <message>
        <source>List what would likely make the image misbehave</source>
        <translation>Auflisten, was das Image wahrscheinlich stören würde</translation>
    </message>
    <message>
        <source>List the changes between another image and this one</source>
        <translation>Die Änderungen zwischen einem anderen Image und diesem auflisten</translation>
    </message>
    <message>
        <source>Which program and version this is</source>
        <translation>Welches Programm in welcher Version dies ist</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Language from the next start: the system&apos;s</source>
        <translation>Sprache ab dem nächsten Start: die des Systems</translation>
    </message>
    <message>
        <source>Language from the next start: %1</source>
        <translation>Sprache ab dem nächsten Start: %1</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written</source>
        <translation>Die Sprache wurde nicht übernommen: die Einstellungen lassen sich nicht schreiben</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation>Nicht gruppiert</translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation>Nach DiSEqC-Eingang</translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation>Nach Transponder</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eine</translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation>Zwei, wo sie passen</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppierung:</translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation>&amp;Listen nebeneinander:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation>&amp;Spalten (ankreuzen, dann ziehen oder verschieben zum Ordnen):</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation>&amp;Vorschau…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Questions</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation>Vom Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Ordner…</translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation>Den Ordner der DVB-S-Suchlauftabellen wählen</translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation>Satellit suchen</translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation>Name oder Position</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation>Transponder des Satelliten</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation>DiSEqC-Eingang:</translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation>FEC für Zeilen, die die Liste nicht wie geschrieben speichern kann:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation>Tabellen: %1</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Ordner der DVB-S-Suchlauftabellen</translation>
    </message>
    <message>
        <source>with the Folder… button</source>
        <translation>mit der Schaltfläche „Ordner…“</translation>
    </message>
</context>
<context>
    <name>changes.count</name>
    <message numerus="yes">
        <source>{1} changes</source>
        <comment>{1} change</comment>
        <translation>
            <numerusform>{1} Änderung</numerusform>
            <numerusform>{1} Änderungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changes.more-ranges</name>
    <message numerus="yes">
        <source>{1} more byte ranges</source>
        <comment>{1} more byte range</comment>
        <translation>
            <numerusform>{1} weiterer Bytebereich</numerusform>
            <numerusform>{1} weitere Bytebereiche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>channel.line-out-of-range</name>
    <message>
        <source>{1} value {2} is out of range</source>
        <translation>{1}-Wert {2} liegt außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>channel.name-ends-in-blank</name>
    <message>
        <source>{1} {2} ends in a blank, which the list would store as a NUL: leave it out.</source>
        <translation>{1} {2} endet auf ein Leerzeichen, das die Liste als NUL speichern würde: bitte weglassen.</translation>
    </message>
</context>
<context>
    <name>channel.name-too-long</name>
    <message>
        <source>{1} {2} is {3} bytes long; at most {4} fit.</source>
        <translation>{1} {2} ist {3} Bytes lang; höchstens {4} passen.</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-sid</name>
    <message>
        <source>the receiver finds only one of two services with one SID</source>
        <translation>der Receiver findet von zwei Diensten mit einer SID nur einen</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-transponder</name>
    <message>
        <source>two entries for one transponder split its channels</source>
        <translation>zwei Einträge für einen Transponder teilen seine Sender auf</translation>
    </message>
</context>
<context>
    <name>check-why.empty-record-inside</name>
    <message>
        <source>a free slot between channels shows as a blank entry</source>
        <translation>ein freier Platz zwischen Sendern erscheint als leerer Eintrag</translation>
    </message>
</context>
<context>
    <name>check-why.frequency-range</name>
    <message>
        <source>the tuner takes 950 to 2150 MHz after the LNB: each band&apos;s oscillator bounds its range</source>
        <translation>der Tuner nimmt 950 bis 2150 MHz nach dem LNB: der Oszillator jedes Bands begrenzt dessen Bereich</translation>
    </message>
</context>
<context>
    <name>check-why.hidden-flags</name>
    <message>
        <source>the text file cannot keep these bits: a round trip drops them</source>
        <translation>die Textdatei kann diese Bits nicht halten: eine Hin- und Rückumwandlung verliert sie</translation>
    </message>
</context>
<context>
    <name>check-why.image-size</name>
    <message>
        <source>the receiver&apos;s flash holds exactly 524288 bytes</source>
        <translation>der Flash des Receivers hält genau 524288 Bytes</translation>
    </message>
</context>
<context>
    <name>check-why.length-past-end</name>
    <message>
        <source>the receiver would read its list from the next block</source>
        <translation>der Receiver würde seine Liste aus dem nächsten Block lesen</translation>
    </message>
</context>
<context>
    <name>check-why.name-control-bytes</name>
    <message>
        <source>control bytes garble the menu and the text file</source>
        <translation>Steuerbytes verstümmeln das Menü und die Textdatei</translation>
    </message>
</context>
<context>
    <name>check-why.no-usable-blocks</name>
    <message>
        <source>the lists to edit live in the blocks named TCS and TPT</source>
        <translation>die zu bearbeitenden Listen stehen in den Blöcken namens TCS und TPT</translation>
    </message>
</context>
<context>
    <name>check-why.not-on-satellite</name>
    <message>
        <source>the chosen satellite&apos;s scan table lacks it: moved, ended, mistyped or on another input</source>
        <translation>der Suchlauftabelle des gewählten Satelliten fehlt er: verlegt, eingestellt, vertippt oder an einem anderen Eingang</translation>
    </message>
</context>
<context>
    <name>check-why.part-record</name>
    <message>
        <source>a cut record shifts every record the receiver reads after it</source>
        <translation>ein angeschnittener Datensatz verschiebt jeden Datensatz, den der Receiver danach liest</translation>
    </message>
</context>
<context>
    <name>check-why.satellite-gap</name>
    <message>
        <source>the chosen satellite&apos;s scan table has transponders the list lacks</source>
        <translation>die Suchlauftabelle des gewählten Satelliten hat Transponder, die der Liste fehlen</translation>
    </message>
</context>
<context>
    <name>check-why.second-list</name>
    <message>
        <source>the receiver reads only one channel and one transponder list</source>
        <translation>der Receiver liest nur eine Sender- und eine Transponderliste</translation>
    </message>
</context>
<context>
    <name>check-why.sid-zero</name>
    <message>
        <source>no service has SID 0: a new channel&apos;s SID is still to be set</source>
        <translation>kein Dienst hat SID 0: die SID eines neuen Senders ist noch zu setzen</translation>
    </message>
</context>
<context>
    <name>check-why.too-many-channels</name>
    <message>
        <source>more channels than the firmware is known to hold</source>
        <translation>mehr Sender, als die Firmware bekanntlich hält</translation>
    </message>
</context>
<context>
    <name>check-why.tp-missing</name>
    <message>
        <source>a channel without its transponder cannot be tuned</source>
        <translation>ein Sender ohne seinen Transponder lässt sich nicht einstellen</translation>
    </message>
</context>
<context>
    <name>check-why.unknown-fec</name>
    <message>
        <source>the text file shows the code as 0/0 and stores another for it</source>
        <translation>die Textdatei zeigt den Code als 0/0 und speichert dafür einen anderen</translation>
    </message>
</context>
<context>
    <name>check.another-list</name>
    <message>
        <source>another {1} block; the receiver uses one</source>
        <translation>ein weiterer {1}-Block; der Receiver nutzt einen</translation>
    </message>
</context>
<context>
    <name>check.block</name>
    <message>
        <source>block {1}</source>
        <translation>Block {1}</translation>
    </message>
</context>
<context>
    <name>check.block-channel</name>
    <message>
        <source>block {1} channel {2}</source>
        <translation>Block {1} Sender {2}</translation>
    </message>
</context>
<context>
    <name>check.block-transponder</name>
    <message>
        <source>block {1} transponder {2}</source>
        <translation>Block {1} Transponder {2}</translation>
    </message>
</context>
<context>
    <name>check.control-byte</name>
    <message>
        <source>control byte {1} at position {2}</source>
        <translation>Steuerbyte {1} an Position {2}</translation>
    </message>
</context>
<context>
    <name>check.error-line</name>
    <message>
        <source>error: {1}: {2}</source>
        <translation>Fehler: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.errors</name>
    <message numerus="yes">
        <source>{1} errors</source>
        <comment>{1} error</comment>
        <translation>
            <numerusform>{1} Fehler</numerusform>
            <numerusform>{1} Fehler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check.free-slot</name>
    <message>
        <source>free slot inside the list</source>
        <translation>freier Platz innerhalb der Liste</translation>
    </message>
</context>
<context>
    <name>check.hidden-flags</name>
    <message>
        <source>flag bits {1} do not show in the text line</source>
        <translation>Flag-Bits {1} erscheinen nicht in der Textzeile</translation>
    </message>
</context>
<context>
    <name>check.image</name>
    <message>
        <source>image</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>check.image-size</name>
    <message>
        <source>size is {1} bytes, not {2}</source>
        <translation>Größe ist {1} Bytes, nicht {2}</translation>
    </message>
</context>
<context>
    <name>check.line-end-byte</name>
    <message>
        <source>line-end byte {1} at position {2}</source>
        <translation>Zeilenende-Byte {1} an Position {2}</translation>
    </message>
</context>
<context>
    <name>check.no-tp</name>
    <message>
        <source>no transponder (0x00)</source>
        <translation>kein Transponder (0x00)</translation>
    </message>
</context>
<context>
    <name>check.no-usable-blocks</name>
    <message>
        <source>no usable blocks: no block is named TCS or TPT</source>
        <translation>keine verwendbaren Blöcke: kein Block heißt TCS oder TPT</translation>
    </message>
</context>
<context>
    <name>check.not-multiple</name>
    <message>
        <source>data length {1} is not a multiple of {2}</source>
        <translation>Datenlänge {1} ist kein Vielfaches von {2}</translation>
    </message>
</context>
<context>
    <name>check.past-block</name>
    <message>
        <source>data length {1} runs past the block&apos;s end (room for {2})</source>
        <translation>Datenlänge {1} reicht über das Blockende hinaus (Platz für {2})</translation>
    </message>
</context>
<context>
    <name>check.past-image</name>
    <message>
        <source>data length {1} runs past the image&apos;s end</source>
        <translation>Datenlänge {1} reicht über das Ende des Images hinaus</translation>
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
        <translation>SID {1} auf Transponder {2} auch bei Sender {3}</translation>
    </message>
</context>
<context>
    <name>check.same-transponder</name>
    <message>
        <source>{1} kHz on DiSEqC {2} also at transponder {3}</source>
        <translation>{1} kHz an DiSEqC {2} auch bei Transponder {3}</translation>
    </message>
</context>
<context>
    <name>check.save-despite</name>
    <message>
        <source>The image has {1} (first: {2}: {3}).<byte value="xd"/>
Save anyway ?</source>
        <translation>Das Image hat {1} (erster: {2}: {3}).<byte value="xd"/>
Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>check.sid-zero</name>
    <message>
        <source>SID 0 names no service</source>
        <translation>SID 0 bezeichnet keinen Dienst</translation>
    </message>
</context>
<context>
    <name>check.too-many</name>
    <message>
        <source>{1} channels; the firmware holds {2}</source>
        <translation>{1} Sender; die Firmware hält {2}</translation>
    </message>
</context>
<context>
    <name>check.tp-beyond</name>
    <message>
        <source>transponder {1} does not exist ({2} used)</source>
        <translation>Transponder {1} existiert nicht ({2} belegt)</translation>
    </message>
</context>
<context>
    <name>check.tp-empty</name>
    <message>
        <source>transponder {1} is empty</source>
        <translation>Transponder {1} ist leer</translation>
    </message>
</context>
<context>
    <name>check.unknown-fec</name>
    <message>
        <source>FEC code {1} shows as {2}; the text line stores {3} for it</source>
        <translation>FEC-Code {1} erscheint als {2}; die Textzeile speichert dafür {3}</translation>
    </message>
</context>
<context>
    <name>check.warning-line</name>
    <message>
        <source>warning: {1}: {2}</source>
        <translation>Warnung: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.warnings</name>
    <message numerus="yes">
        <source>{1} warnings</source>
        <comment>{1} warning</comment>
        <translation>
            <numerusform>{1} Warnung</numerusform>
            <numerusform>{1} Warnungen</numerusform>
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
        <translation>{1}, und es würde als {2} gespeichert</translation>
    </message>
</context>
<context>
    <name>columns.blank</name>
    <message>
        <source>{1} is blank</source>
        <translation>{1} ist leer</translation>
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
        <translation>Spalte {1} enthält {2}, nicht {3}</translation>
    </message>
</context>
<context>
    <name>columns.gap-wide</name>
    <message>
        <source>the gap before {1} is {2} columns wide, not {3}</source>
        <translation>die Lücke vor {1} ist {2} Spalten breit, nicht {3}</translation>
    </message>
</context>
<context>
    <name>columns.line-ends</name>
    <message>
        <source>the line ends in column {1}: {2} are missing</source>
        <translation>die Zeile endet in Spalte {1}: {2} fehlen</translation>
    </message>
</context>
<context>
    <name>columns.missing</name>
    <message>
        <source>{1} is missing</source>
        <translation>{1} fehlt</translation>
    </message>
</context>
<context>
    <name>columns.moves-left</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the left</source>
        <translation>{1}: {2} und die Spalten dahinter rücken um {3} nach links</translation>
    </message>
</context>
<context>
    <name>columns.moves-right</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the right</source>
        <translation>{1}: {2} und die Spalten dahinter rücken um {3} nach rechts</translation>
    </message>
</context>
<context>
    <name>columns.name-takes</name>
    <message>
        <source>the name {1} and its blanks take {2} columns, not {3}</source>
        <translation>der Name {1} und seine Leerzeichen belegen {2} Spalten, nicht {3}</translation>
    </message>
</context>
<context>
    <name>columns.not-blank</name>
    <message>
        <source>column {1} is not a blank</source>
        <translation>Spalte {1} ist kein Leerzeichen</translation>
    </message>
</context>
<context>
    <name>columns.not-hex</name>
    <message>
        <source>{1} {2} is not a hex number</source>
        <translation>{1} {2} ist keine Hexzahl</translation>
    </message>
</context>
<context>
    <name>columns.not-read</name>
    <message>
        <source>text after column {1} is not read</source>
        <translation>Text nach Spalte {1} wird nicht gelesen</translation>
    </message>
</context>
<context>
    <name>columns.number-ends</name>
    <message>
        <source>the record number {1} ends in column {2}, not {3}</source>
        <translation>die Datensatznummer {1} endet in Spalte {2}, nicht {3}</translation>
    </message>
</context>
<context>
    <name>columns.record-number</name>
    <message>
        <source>the record number</source>
        <translation>die Datensatznummer</translation>
    </message>
</context>
<context>
    <name>columns.stored-as</name>
    <message>
        <source>{1}: it would be stored as {2}</source>
        <translation>{1}: es würde als {2} gespeichert</translation>
    </message>
</context>
<context>
    <name>columns.tab</name>
    <message>
        <source>column {1} holds a tab, one column however wide an editor shows it; {2}</source>
        <translation>Spalte {1} enthält einen Tabulator, eine Spalte, wie breit ein Editor ihn auch zeigt; {2}</translation>
    </message>
</context>
<context>
    <name>columns.the-name</name>
    <message>
        <source>the name</source>
        <translation>der Name</translation>
    </message>
</context>
<context>
    <name>columns.token-wide</name>
    <message>
        <source>{1} {2} is {3} characters wide, not {4}</source>
        <translation>{1} {2} ist {3} Zeichen breit, nicht {4}</translation>
    </message>
</context>
<context>
    <name>convert.anyway</name>
    <message>
        <source>Convert anyway ?</source>
        <translation>Trotzdem umwandeln?</translation>
    </message>
</context>
<context>
    <name>convert.large-list</name>
    <message>
        <source>File is bigger then 64Kb, load anyway ?</source>
        <translation>Datei ist größer als 64 KB, trotzdem laden?</translation>
    </message>
</context>
<context>
    <name>convert.line-refused</name>
    <message>
        <source>Line {1} of {2} can not be converted: {3}</source>
        <translation>Zeile {1} von {2} lässt sich nicht umwandeln: {3}</translation>
    </message>
</context>
<context>
    <name>convert.more-lines</name>
    <message>
        <source>and {1} more</source>
        <translation>und {1} weitere</translation>
    </message>
</context>
<context>
    <name>convert.part-bytes</name>
    <message numerus="yes">
        <source>the last {1} bytes are not a whole record and are left out</source>
        <comment>the last byte is not a whole record and is left out</comment>
        <translation>
            <numerusform>das letzte Byte ist kein ganzer Datensatz und wird weggelassen</numerusform>
            <numerusform>die letzten {1} Bytes sind kein ganzer Datensatz und werden weggelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.round-trip</name>
    <message>
        <source>The text will not convert back to the same list: {1}<byte value="xd"/>
{2}</source>
        <translation>Der Text wird nicht wieder in dieselbe Liste umgewandelt: {1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>convert.unstored</name>
    <message numerus="yes">
        <source>{1} lines of {2} will not be stored as written:</source>
        <comment>{1} line of {2} will not be stored as written:</comment>
        <translation>
            <numerusform>{1} Zeile von {2} wird nicht wie geschrieben gespeichert:</numerusform>
            <numerusform>{1} Zeilen von {2} werden nicht wie geschrieben gespeichert:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.unstored-line</name>
    <message>
        <source>Line {1}: {2}<byte value="xd"/>
  as written: &quot;{3}&quot;<byte value="xd"/>
  read back:  &quot;{4}&quot;</source>
        <translation>Zeile {1}: {2}<byte value="xd"/>
  wie geschrieben: &quot;{3}&quot;<byte value="xd"/>
  zurückgelesen:   &quot;{4}&quot;</translation>
    </message>
</context>
<context>
    <name>csv.after-quote</name>
    <message>
        <source>Text follows a closing quote.</source>
        <translation>Auf ein schließendes Anführungszeichen folgt Text.</translation>
    </message>
</context>
<context>
    <name>csv.column-twice</name>
    <message>
        <source>Column {1} is there twice: which one to read is unclear.</source>
        <translation>Spalte {1} gibt es zweimal: welche gelesen werden soll, ist unklar.</translation>
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
            <numerusform>{1} Name würde leer: {2}.<byte value="xd"/>
Ihn leeren?</numerusform>
            <numerusform>{1} Namen würden leer: {2}.<byte value="xd"/>
Sie leeren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>csv.emptied-name</name>
    <message>
        <source>channel {1} {2}</source>
        <translation>Sender {1} {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-channels</name>
    <message>
        <source>Exported {1} channels to {2}</source>
        <translation>{1} Sender nach {2} exportiert</translation>
    </message>
</context>
<context>
    <name>csv.exported-transponders</name>
    <message>
        <source>Exported {1} transponders to {2}</source>
        <translation>{1} Transponder nach {2} exportiert</translation>
    </message>
</context>
<context>
    <name>csv.garbled</name>
    <message>
        <source>The file starts with &quot;{1}&quot;: it was read in a Western character set, which garbles accented letters. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Die Datei beginnt mit &quot;{1}&quot;: sie wurde in einem westlichen Zeichensatz gelesen, der Umlaute und Akzente verstümmelt. Öffnen Sie die exportierte Datei erneut mit dem Zeichensatz Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.garbled-mark-skipped</name>
    <message>
        <source>{1} starts with a byte order mark read in a Western character set; the rest of the file is plain ASCII, which that does not garble, so the mark is left out.</source>
        <translation>{1} beginnt mit einer Byte-Reihenfolge-Markierung, die in einem westlichen Zeichensatz gelesen wurde; der Rest der Datei ist reines ASCII, das dabei nicht verstümmelt wird, daher wird die Markierung ausgelassen.</translation>
    </message>
</context>
<context>
    <name>csv.imported-channels</name>
    <message>
        <source>Imported {1} channels from {2}</source>
        <translation>{1} Sender aus {2} importiert</translation>
    </message>
</context>
<context>
    <name>csv.imported-transponders</name>
    <message>
        <source>Imported {1} transponders from {2}</source>
        <translation>{1} Transponder aus {2} importiert</translation>
    </message>
</context>
<context>
    <name>csv.inner-quote</name>
    <message>
        <source>A quote inside a field that does not start with one.</source>
        <translation>Ein Anführungszeichen in einem Feld, das nicht mit einem beginnt.</translation>
    </message>
</context>
<context>
    <name>csv.line-of-file</name>
    <message>
        <source>Line {1} of {2}: {3}</source>
        <translation>Zeile {1} von {2}: {3}</translation>
    </message>
</context>
<context>
    <name>csv.mark-twice</name>
    <message>
        <source>The file starts with two byte order marks: a program added one to a file that had it. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Die Datei beginnt mit zwei Byte-Reihenfolge-Markierungen: ein Programm hat einer Datei, die schon eine hatte, eine weitere vorangestellt. Öffnen Sie die exportierte Datei erneut mit dem Zeichensatz Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.missing-column</name>
    <message>
        <source>Missing column {1}.</source>
        <translation>Spalte {1} fehlt.</translation>
    </message>
</context>
<context>
    <name>csv.no-rows</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2}.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} hat keine Zeilen: der Import würde die Liste leeren ({2}).<byte value="xd"/>
Die Liste leeren?</translation>
    </message>
</context>
<context>
    <name>csv.no-rows-channels</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2} and remove the {3} on them.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} hat keine Zeilen: der Import würde die Liste leeren ({2}) und die {3} darauf entfernen.<byte value="xd"/>
Die Liste leeren?</translation>
    </message>
</context>
<context>
    <name>csv.not-closed</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
</context>
<context>
    <name>csv.not-utf8</name>
    <message>
        <source>Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8</source>
        <translation>Zeile {1} von {2} ist kein UTF-8-Text: speichern Sie die CSV als UTF-8</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-channel</name>
    <message>
        <source>Nr {1} names no channel: the list has {2}.</source>
        <translation>Nr. {1} bezeichnet keinen Sender: die Liste hat {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-transponder</name>
    <message>
        <source>Nr {1} names no transponder: the list has {2}.</source>
        <translation>Nr. {1} bezeichnet keinen Transponder: die Liste hat {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-not-number</name>
    <message>
        <source>Nr {1} is not a number.</source>
        <translation>Nr. {1} ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>csv.transponder-beyond</name>
    <message>
        <source>Transponder {1} would move to row {2}, beyond the {3} its channels can reach.</source>
        <translation>Transponder {1} käme in Zeile {2}, jenseits der {3}, die seine Sender erreichen können.</translation>
    </message>
</context>
<context>
    <name>diff.added</name>
    <message>
        <source>{1} added</source>
        <translation>{1} hinzugefügt</translation>
    </message>
</context>
<context>
    <name>diff.added-label</name>
    <message>
        <source>{1} added: {2}</source>
        <translation>{1} hinzugefügt: {2}</translation>
    </message>
</context>
<context>
    <name>diff.bytes</name>
    <message>
        <source>{1} bytes {2}-{3} changed</source>
        <translation>{1} Bytes {2}-{3} geändert</translation>
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
            <numerusform>{2}: {1} weiterer geänderter Bytebereich</numerusform>
            <numerusform>{2}: {1} weitere geänderte Bytebereiche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>diff.moved</name>
    <message>
        <source>{1} moved from {2}</source>
        <translation>{1} verschoben von {2}</translation>
    </message>
</context>
<context>
    <name>diff.moved-label</name>
    <message>
        <source>{1} moved from {2}: {3}</source>
        <translation>{1} verschoben von {2}: {3}</translation>
    </message>
</context>
<context>
    <name>diff.no-transponder</name>
    <message>
        <source>{1} (no transponder)</source>
        <translation>{1} (kein Transponder)</translation>
    </message>
</context>
<context>
    <name>diff.past-blocks</name>
    <message>
        <source>past the blocks</source>
        <translation>hinter den Blöcken</translation>
    </message>
</context>
<context>
    <name>diff.removed</name>
    <message>
        <source>{1} removed</source>
        <translation>{1} entfernt</translation>
    </message>
</context>
<context>
    <name>diff.removed-label</name>
    <message>
        <source>{1} removed: {2}</source>
        <translation>{1} entfernt: {2}</translation>
    </message>
</context>
<context>
    <name>diff.size</name>
    <message>
        <source>{1} {2}: {3} → {4} bytes</source>
        <translation>{1} {2}: {3} → {4} Bytes</translation>
    </message>
</context>
<context>
    <name>done.cleared-block</name>
    <message>
        <source>Cleared block {1} ({2})</source>
        <translation>Block {1} geleert ({2})</translation>
    </message>
</context>
<context>
    <name>done.converted-channels</name>
    <message>
        <source>Converted {1} channels to {2}</source>
        <translation>{1} Sender nach {2} umgewandelt</translation>
    </message>
</context>
<context>
    <name>done.converted-transponders</name>
    <message>
        <source>Converted {1} transponders to {2}</source>
        <translation>{1} Transponder nach {2} umgewandelt</translation>
    </message>
</context>
<context>
    <name>done.loaded-image</name>
    <message>
        <source>Loaded {1} ({2} bytes)</source>
        <translation>{1} geladen ({2} Bytes)</translation>
    </message>
</context>
<context>
    <name>done.read-as-utf8</name>
    <message>
        <source>{1} (read as UTF-8)</source>
        <translation>{1} (als UTF-8 gelesen)</translation>
    </message>
</context>
<context>
    <name>done.read-block</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes)</source>
        <translation>Block {1} eingelesen ({2}, {3} Bytes)</translation>
    </message>
</context>
<context>
    <name>done.read-block-from</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes) from {4}</source>
        <translation>Block {1} eingelesen ({2}, {3} Bytes) aus {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-block</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes)</source>
        <translation>Block {1} gesichert ({2}, {3} Bytes)</translation>
    </message>
</context>
<context>
    <name>done.saved-block-to</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes) to {4}</source>
        <translation>Block {1} gesichert ({2}, {3} Bytes) in {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-image</name>
    <message>
        <source>Saved {1} ({2} bytes)</source>
        <translation>{1} gespeichert ({2} Bytes)</translation>
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
        <translation>Blockname</translation>
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
        <translation>Flag-Bits</translation>
    </message>
</context>
<context>
    <name>field.frequency</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
</context>
<context>
    <name>field.length</name>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
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
        <translation>Name</translation>
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
        <translation>{1} {2} ist nicht {3}</translation>
    </message>
</context>
<context>
    <name>field.not-number</name>
    <message>
        <source>{1} {2} is not a number</source>
        <translation>{1} {2} ist keine Zahl</translation>
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
        <translation>{1} {2} liegt außerhalb von {3} bis {4}</translation>
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
        <translation>Polarisation</translation>
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
        <translation>Größe</translation>
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
        <translation>Typ</translation>
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
        <translation>Datei : {1} kann nicht geöffnet werden!</translation>
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
        <translation>Datei : {1} nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>file.not-regular</name>
    <message>
        <source>File : {1} is not a regular file !</source>
        <translation>Datei : {1} ist keine reguläre Datei!</translation>
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
        <translation>hat ihre Zugriffssteuerungsliste verloren ({1})</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-attributes</name>
    <message>
        <source>lost its extended attributes {1}</source>
        <translation>hat ihre erweiterten Attribute {1} verloren</translation>
    </message>
</context>
<context>
    <name>file.notice.other-names</name>
    <message numerus="yes">
        <source>is a file of its own now: its {1} other names (hard links) keep the old content</source>
        <comment>is a file of its own now: its other name (a hard link) keeps the old content</comment>
        <translation>
            <numerusform>ist jetzt eine eigene Datei: ihr anderer Name (ein harter Link) behält den alten Inhalt</numerusform>
            <numerusform>ist jetzt eine eigene Datei: ihre {1} anderen Namen (harte Links) behalten den alten Inhalt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>file.notice.owned-by</name>
    <message>
        <source>is now owned by {1}</source>
        <translation>gehört jetzt {1}</translation>
    </message>
</context>
<context>
    <name>file.overwrite</name>
    <message>
        <source>File : {1} already exists !<byte value="xd"/>
Overwrite ?</source>
        <translation>Datei : {1} existiert bereits!<byte value="xd"/>
Überschreiben?</translation>
    </message>
</context>
<context>
    <name>file.reason.folder</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>file.reason.left-behind</name>
    <message>
        <source>{1}; the temporary file {2} is left behind</source>
        <translation>{1}; die temporäre Datei {2} bleibt zurück</translation>
    </message>
</context>
<context>
    <name>file.reason.not-regular</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>file.reason.read-error</name>
    <message>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
</context>
<context>
    <name>file.reason.read-only</name>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>file.reason.system-error</name>
    <message>
        <source>system error {1}</source>
        <translation>Systemfehler {1}</translation>
    </message>
</context>
<context>
    <name>file.reason.too-large</name>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
</context>
<context>
    <name>file.same</name>
    <message>
        <source>Source and target are the same file : {1}</source>
        <translation>Quelle und Ziel sind dieselbe Datei : {1}</translation>
    </message>
</context>
<context>
    <name>file.too-large</name>
    <message>
        <source>File : {1} is too large ({2} bytes) !</source>
        <translation>Datei : {1} ist zu groß ({2} Bytes)!</translation>
    </message>
</context>
<context>
    <name>file.unreadable</name>
    <message>
        <source>File : {1} can not be read !</source>
        <translation>Datei : {1} kann nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>file.unreadable-because</name>
    <message>
        <source>File : {1} can not be read !<byte value="xd"/>
{2}</source>
        <translation>Datei : {1} kann nicht gelesen werden!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>file.write-error</name>
    <message>
        <source>Error Writing the file {1} !<byte value="xd"/>
{2}</source>
        <translation>Fehler beim Schreiben der Datei {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>image.no-blocks</name>
    <message>
        <source>File does not contain any usable blocks</source>
        <translation>Die Datei enthält keine verwendbaren Blöcke</translation>
    </message>
</context>
<context>
    <name>image.no-file-open</name>
    <message>
        <source>No File Open!</source>
        <translation>Keine Datei geöffnet!</translation>
    </message>
</context>
<context>
    <name>label.edited-block</name>
    <message>
        <source>Editing Block:{1} ({2})</source>
        <translation>Block:{1} ({2}) wird bearbeitet</translation>
    </message>
</context>
<context>
    <name>label.edited-first-block</name>
    <message>
        <source>Editing Block:{1} ({2}), the first of {3} {2} blocks</source>
        <translation>Block:{1} ({2}) wird bearbeitet, der erste von {3} {2}-Blöcken</translation>
    </message>
</context>
<context>
    <name>label.file-changed</name>
    <message>
        <source>File Changed</source>
        <translation>Datei geändert</translation>
    </message>
</context>
<context>
    <name>label.size</name>
    <message>
        <source>Size :{1} bytes</source>
        <translation>Größe: {1} Bytes</translation>
    </message>
</context>
<context>
    <name>list.and</name>
    <message>
        <source>{1} and {2}</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>{1} und {2}</translation>
    </message>
</context>
<context>
    <name>list.channels</name>
    <message numerus="yes">
        <source>{1} channels</source>
        <comment>{1} channel</comment>
        <translation>
            <numerusform>{1} Sender</numerusform>
            <numerusform>{1} Sender</numerusform>
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
        <translation>{1} und {2} weitere</translation>
    </message>
</context>
<context>
    <name>list.no-block</name>
    <message>
        <source>The image has no {1} block.</source>
        <translation>Das Image hat keinen {1}-Block.</translation>
    </message>
</context>
<context>
    <name>list.or</name>
    <message>
        <source>{1} or {2}</source>
        <extracomment>The last two choices of a list: &quot;a, b or c&quot;.</extracomment>
        <translation>{1} oder {2}</translation>
    </message>
</context>
<context>
    <name>list.record-channel</name>
    <message>
        <source>channel</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>list.record-transponder</name>
    <message>
        <source>transponder</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>Transponder</translation>
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
            <numerusform>{1} Transponder</numerusform>
            <numerusform>{1} Transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>moved.channel</name>
    <message>
        <source>Channel {1} is now {2}</source>
        <translation>Sender {1} ist jetzt {2}</translation>
    </message>
</context>
<context>
    <name>moved.down</name>
    <message>
        <source>{1} moved down one place</source>
        <translation>{1} einen Platz nach unten verschoben</translation>
    </message>
</context>
<context>
    <name>moved.named</name>
    <message>
        <source>{1} is now {2}</source>
        <translation>{1} ist jetzt {2}</translation>
    </message>
</context>
<context>
    <name>moved.together</name>
    <message>
        <source>{1} are now {2} to {3}</source>
        <translation>{1} sind jetzt {2} bis {3}</translation>
    </message>
</context>
<context>
    <name>moved.transponder</name>
    <message>
        <source>Transponder {1} is now {2}</source>
        <translation>Transponder {1} ist jetzt {2}</translation>
    </message>
</context>
<context>
    <name>moved.up</name>
    <message>
        <source>{1} moved up one place</source>
        <translation>{1} einen Platz nach oben verschoben</translation>
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
            <numerusform>{1} neuer Sender kommt ans Ende</numerusform>
            <numerusform>{1} neue Sender kommen ans Ende</numerusform>
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
            <numerusform>{1} Sender folgt der Vorlage</numerusform>
            <numerusform>{1} Sender folgen der Vorlage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.khz-not-number</name>
    <message>
        <source>{1} {2} is not a number.</source>
        <translation>{1} {2} ist keine Zahl.</translation>
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
        <translation>Sender {1} der Vorlage fehlt: {2}</translation>
    </message>
</context>
<context>
    <name>order.missing-some</name>
    <message numerus="yes">
        <source>{1} channels of the reference are not in this list</source>
        <comment>{1} channel of the reference is not in this list</comment>
        <translation>
            <numerusform>{1} Sender der Vorlage ist nicht in dieser Liste</numerusform>
            <numerusform>{1} Sender der Vorlage sind nicht in dieser Liste</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.new</name>
    <message>
        <source>New channel {1}, now channel {2}</source>
        <translation>Neuer Sender {1}, jetzt Sender {2}</translation>
    </message>
</context>
<context>
    <name>order.start</name>
    <message numerus="yes">
        <source>{1} new channels go to the start</source>
        <comment>{1} new channel goes to the start</comment>
        <translation>
            <numerusform>{1} neuer Sender kommt an den Anfang</numerusform>
            <numerusform>{1} neue Sender kommen an den Anfang</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.too-many-rows</name>
    <message>
        <source>more channels than a TCS block holds ({1}).</source>
        <translation>mehr Sender, als ein TCS-Block hält ({1}).</translation>
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
        <translation>Kein Transponder</translation>
    </message>
</context>
<context>
    <name>print.not-a-column</name>
    <message>
        <source>Column {1} is none of {2}.</source>
        <translation>Spalte {1} ist keine von {2}.</translation>
    </message>
</context>
<context>
    <name>print.page</name>
    <message>
        <source>page {1} of {2}</source>
        <translation>Seite {1} von {2}</translation>
    </message>
</context>
<context>
    <name>print.twice</name>
    <message>
        <source>Column {1} is named twice.</source>
        <translation>Spalte {1} ist doppelt genannt.</translation>
    </message>
</context>
<context>
    <name>range.channel-beyond</name>
    <message>
        <source>Channel {1} is beyond the list of {2}.</source>
        <translation>Sender {1} liegt jenseits der Liste von {2}.</translation>
    </message>
</context>
<context>
    <name>range.channel-first</name>
    <message>
        <source>Channel 1 is the first: it cannot move up.</source>
        <translation>Sender 1 ist der erste: er kann nicht nach oben.</translation>
    </message>
</context>
<context>
    <name>range.channel-last</name>
    <message>
        <source>Channel {1} is the last: it cannot move down.</source>
        <translation>Sender {1} ist der letzte: er kann nicht nach unten.</translation>
    </message>
</context>
<context>
    <name>range.channel-room</name>
    <message>
        <source>The TCS block holds at most {1} channels.</source>
        <translation>Der TCS-Block hält höchstens {1} Sender.</translation>
    </message>
</context>
<context>
    <name>range.channels-backwards</name>
    <message>
        <source>Channel range {1}-{2} runs backwards.</source>
        <translation>Senderbereich {1}-{2} läuft rückwärts.</translation>
    </message>
</context>
<context>
    <name>range.position-beyond</name>
    <message>
        <source>Position {1} is beyond the list of {2}.</source>
        <translation>Position {1} liegt jenseits der Liste von {2}.</translation>
    </message>
</context>
<context>
    <name>range.position-inside</name>
    <message>
        <source>Position {1} lies inside {2}-{3}.</source>
        <translation>Position {1} liegt innerhalb von {2}-{3}.</translation>
    </message>
</context>
<context>
    <name>range.remove-all-some</name>
    <message numerus="yes">
        <source>Remove {2} transponders and their {1} channels</source>
        <comment>Remove {2} transponders and their {1} channel</comment>
        <translation>
            <numerusform>{2} Transponder und ihren {1} Sender entfernen</numerusform>
            <numerusform>{2} Transponder und ihre {1} Sender entfernen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.remove-some</name>
    <message numerus="yes">
        <source>Remove transponder and its {1} channels</source>
        <comment>Remove transponder and its channel</comment>
        <translation>
            <numerusform>Transponder und seinen Sender entfernen</numerusform>
            <numerusform>Transponder und seine {1} Sender entfernen</numerusform>
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
            <numerusform>{1} Sender nutzt Transponder {2} ({3} kHz).<byte value="xd"/>
Den Transponder und seinen Sender entfernen?</numerusform>
            <numerusform>{1} Sender nutzen Transponder {2} ({3} kHz).<byte value="xd"/>
Den Transponder und seine {1} Sender entfernen?</numerusform>
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
            <numerusform>{1} Sender nutzt die {2} Transponder.<byte value="xd"/>
Die {2} Transponder und ihren {1} Sender entfernen?</numerusform>
            <numerusform>{1} Sender nutzen die {2} Transponder.<byte value="xd"/>
Die {2} Transponder und ihre {1} Sender entfernen?</numerusform>
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
            <numerusform>{1} Sender nutzt {3} der {2} Transponder.<byte value="xd"/>
Die {2} Transponder und ihren {1} Sender entfernen?</numerusform>
            <numerusform>{1} Sender nutzen {3} der {2} Transponder.<byte value="xd"/>
Die {2} Transponder und ihre {1} Sender entfernen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.transponder-beyond</name>
    <message>
        <source>Transponder {1} is beyond the list of {2}.</source>
        <translation>Transponder {1} liegt jenseits der Liste von {2}.</translation>
    </message>
</context>
<context>
    <name>range.transponder-first</name>
    <message>
        <source>Transponder 1 is the first: it cannot move up.</source>
        <translation>Transponder 1 ist der erste: er kann nicht nach oben.</translation>
    </message>
</context>
<context>
    <name>range.transponder-last</name>
    <message>
        <source>Transponder {1} is the last: it cannot move down.</source>
        <translation>Transponder {1} ist der letzte: er kann nicht nach unten.</translation>
    </message>
</context>
<context>
    <name>range.transponder-reach</name>
    <message>
        <source>A channel reaches at most {1} transponders.</source>
        <translation>Ein Sender erreicht höchstens {1} Transponder.</translation>
    </message>
</context>
<context>
    <name>range.transponders-backwards</name>
    <message>
        <source>Transponder range {1}-{2} runs backwards.</source>
        <translation>Transponderbereich {1}-{2} läuft rückwärts.</translation>
    </message>
</context>
<context>
    <name>satellite.above-most</name>
    <message>
        <source>SR {1} Msym/s is above the list&apos;s {2} Msym/s</source>
        <translation>SR {1} Msym/s liegt über den {2} Msym/s der Liste</translation>
    </message>
</context>
<context>
    <name>satellite.already-in</name>
    <message>
        <source>Already in the list as transponder {1}</source>
        <translation>Schon in der Liste als Transponder {1}</translation>
    </message>
</context>
<context>
    <name>satellite.below-1-msym</name>
    <message>
        <source>SR {1} Msym/s is below 1 Msym/s</source>
        <translation>SR {1} Msym/s liegt unter 1 Msym/s</translation>
    </message>
</context>
<context>
    <name>satellite.circular</name>
    <message>
        <source>Circular polarisation {1}: the list holds V or H</source>
        <translation>Zirkulare Polarisation {1}: die Liste kennt V oder H</translation>
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
        <translation>{1}: als Vorgabe {2} gespeichert</translation>
    </message>
</context>
<context>
    <name>satellite.holds-another</name>
    <message>
        <source>{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} scheint einen anderen Satelliten als {2} zu enthalten (die Tabellen von {5} haben nur {3} der {4} auf {1}): Zeilen, die als in der Liste gemeldet werden, können Transponder eines anderen Satelliten sein, und ein anderer DiSEqC-Eingang kann gemeint sein.</translation>
    </message>
</context>
<context>
    <name>satellite.holds-other</name>
    <message>
        <source>{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} scheint eher {5} als {2} zu enthalten (die Tabellen von {5} haben {3} der {4} auf {1}): Zeilen, die als in der Liste gemeldet werden, können Transponder eines anderen Satelliten sein, und ein anderer DiSEqC-Eingang kann gemeint sein.</translation>
    </message>
</context>
<context>
    <name>satellite.lacks</name>
    <message>
        <source>{1}: the list lacks {2} of {3} transponders it could hold: {4}</source>
        <translation>{1}: der Liste fehlen {2} von {3} Transpondern, die sie halten könnte: {4}</translation>
    </message>
</context>
<context>
    <name>satellite.multistream</name>
    <message>
        <source>Multistream (STREAM_ID {1}): the list cannot choose a stream</source>
        <translation>Multistream (STREAM_ID {1}): die Liste kann keinen Stream wählen</translation>
    </message>
</context>
<context>
    <name>satellite.no-delivery-system</name>
    <message>
        <source>No DELIVERY_SYSTEM</source>
        <translation>Kein DELIVERY_SYSTEM</translation>
    </message>
</context>
<context>
    <name>satellite.no-fec</name>
    <message>
        <source>No INNER_FEC</source>
        <translation>Kein INNER_FEC</translation>
    </message>
</context>
<context>
    <name>satellite.no-frequency</name>
    <message>
        <source>No FREQUENCY</source>
        <translation>Keine FREQUENCY</translation>
    </message>
</context>
<context>
    <name>satellite.no-polarization</name>
    <message>
        <source>No POLARIZATION</source>
        <translation>Keine POLARIZATION</translation>
    </message>
</context>
<context>
    <name>satellite.no-room</name>
    <message>
        <source>No room left: a channel reaches at most {1} transponders</source>
        <translation>Kein Platz mehr: ein Sender erreicht höchstens {1} Transponder</translation>
    </message>
</context>
<context>
    <name>satellite.no-symbol-rate</name>
    <message>
        <source>No SYMBOL_RATE</source>
        <translation>Keine SYMBOL_RATE</translation>
    </message>
</context>
<context>
    <name>satellite.not-in-table</name>
    <message>
        <source>{1} {2} is not in the table of {3}</source>
        <translation>{1} {2} ist nicht in der Tabelle von {3}</translation>
    </message>
</context>
<context>
    <name>satellite.not-v-or-h</name>
    <message>
        <source>Polarisation {1} is not V or H</source>
        <translation>Polarisation {1} ist nicht V oder H</translation>
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
        <translation>{1}: der Receiver empfängt DVB-S QPSK, und die Liste kann nichts anderes kennzeichnen</translation>
    </message>
</context>
<context>
    <name>satellite.partial-add</name>
    <message>
        <source>The list has room for {1} of the {2} transponders that can be added: a channel reaches at most {3} transponders.<byte value="xd"/>
Add the first {1} and leave out the other {4} ?</source>
        <translation>Die Liste hat Platz für {1} der {2} Transponder, die sich hinzufügen lassen: ein Sender erreicht höchstens {3} Transponder.<byte value="xd"/>
Die ersten {1} hinzufügen und die übrigen {4} weglassen?</translation>
    </message>
</context>
<context>
    <name>satellite.repeats</name>
    <message>
        <source>Repeats {1}</source>
        <translation>Wiederholt {1}</translation>
    </message>
</context>
<context>
    <name>satellite.rounded</name>
    <message>
        <source>SR {1} Msym/s is stored rounded as {2}</source>
        <translation>SR {1} Msym/s wird gerundet als {2} gespeichert</translation>
    </message>
</context>
<context>
    <name>satellite.rows-to-add</name>
    <message numerus="yes">
        <source>{2} of {1} rows to add</source>
        <comment>{2} of {1} row to add</comment>
        <translation>
            <numerusform>{2} von {1} Zeile hinzuzufügen</numerusform>
            <numerusform>{2} von {1} Zeilen hinzuzufügen</numerusform>
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
        <translation>Die Suchlauftabelle {1} kann nicht gelesen werden: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.empty</name>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
</context>
<context>
    <name>scan.folder-unreadable</name>
    <message>
        <source>The folder of scan tables {1} can not be read: {2}.</source>
        <translation>Der Ordner der Suchlauftabellen {1} kann nicht gelesen werden: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.line</name>
    <message>
        <source>line {1}</source>
        <translation>Zeile {1}</translation>
    </message>
</context>
<context>
    <name>scan.line-says</name>
    <message>
        <source>line {1}: {2}</source>
        <translation>Zeile {1}: {2}</translation>
    </message>
</context>
<context>
    <name>scan.not-key-value</name>
    <message>
        <source>{1} is not KEY = VALUE in a section</source>
        <translation>{1} ist nicht SCHLÜSSEL = WERT in einem Abschnitt</translation>
    </message>
</context>
<context>
    <name>scan.not-table</name>
    <message>
        <source>{1} is not a scan table: {2}.</source>
        <translation>{1} ist keine Suchlauftabelle: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.not-text</name>
    <message>
        <source>it is not UTF-8 or Latin-1 text</source>
        <translation>sie ist kein UTF-8- oder Latin-1-Text</translation>
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
        <translation>{1} Zeile {2}</translation>
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
        <translation>sie ist größer als {1} MiB, mehr als jede Tabelle</translation>
    </message>
</context>
<context>
    <name>scan.too-many-problems</name>
    <message>
        <source>more than {1} of its lines do not read ({2})</source>
        <translation>mehr als {1} ihrer Zeilen sind nicht lesbar ({2})</translation>
    </message>
</context>
<context>
    <name>scan.too-many-rows</name>
    <message>
        <source>it has more than {1} sections</source>
        <translation>sie hat mehr als {1} Abschnitte</translation>
    </message>
</context>
<context>
    <name>scan.where-to-get</name>
    <message>
        <source>No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name a folder that holds them {2}.</source>
        <translation>Keine DVB-S-Suchlauftabellen in {1}: unter Debian und Ubuntu kommen sie mit dem Paket dtv-scan-tables; sonst einen Ordner angeben, der sie enthält, {2}.</translation>
    </message>
</context>
<context>
    <name>session.changed-on-disk</name>
    <message>
        <source>File : {1} has changed on disk since it was loaded !<byte value="xd"/>
Overwrite anyway ?</source>
        <translation>Datei : {1} wurde seit dem Laden auf der Festplatte geändert!<byte value="xd"/>
Trotzdem überschreiben?</translation>
    </message>
</context>
<context>
    <name>session.no-findings</name>
    <message>
        <source>No findings</source>
        <translation>Keine Befunde</translation>
    </message>
</context>
<context>
    <name>session.save-before-exiting</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before exiting ?</source>
        <translation>Die Datei wurde geändert, aber nicht gespeichert!<byte value="xd"/>
Änderungen vor dem Beenden speichern?</translation>
    </message>
</context>
<context>
    <name>session.save-before-loading</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before loading ?</source>
        <translation>Die Datei wurde geändert, aber nicht gespeichert!<byte value="xd"/>
Änderungen vor dem Laden speichern?</translation>
    </message>
</context>
<context>
    <name>set.given-twice</name>
    <message>
        <source>{1} is given twice: give each field once.</source>
        <translation>{1} ist doppelt angegeben: jedes Feld nur einmal angeben.</translation>
    </message>
</context>
<context>
    <name>set.no-such-tp</name>
    <message>
        <source>{1} {2} names no transponder: the list has {3}.</source>
        <translation>{1} {2} bezeichnet keinen Transponder: die Liste hat {3}.</translation>
    </message>
</context>
<context>
    <name>set.not-assignment</name>
    <message>
        <source>{1} is not FIELD=VALUE.</source>
        <translation>{1} ist nicht FELD=WERT.</translation>
    </message>
</context>
<context>
    <name>set.unknown-field</name>
    <message>
        <source>Unknown field {1}: the fields are {2}.</source>
        <translation>Unbekanntes Feld {1}: die Felder sind {2}.</translation>
    </message>
</context>
<context>
    <name>status.converting</name>
    <message>
        <source>Converting {1}...</source>
        <translation>{1} wird umgewandelt...</translation>
    </message>
</context>
<context>
    <name>status.loading</name>
    <message>
        <source>Loading {1}...</source>
        <translation>{1} wird geladen...</translation>
    </message>
</context>
<context>
    <name>status.loading-converting</name>
    <message>
        <source>Loading and converting {1}...</source>
        <translation>{1} wird geladen und umgewandelt...</translation>
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
        <translation>Speichern... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving-block</name>
    <message>
        <source>Saving {1}...</source>
        <translation>{1} wird gesichert...</translation>
    </message>
</context>
<context>
    <name>status.writing</name>
    <message>
        <source>Writing {1}...</source>
        <translation>{1} wird geschrieben...</translation>
    </message>
</context>
<context>
    <name>step.apply-order</name>
    <message>
        <source>Apply order from {1}</source>
        <translation>Reihenfolge von {1} übernehmen</translation>
    </message>
</context>
<context>
    <name>step.change-channel</name>
    <message>
        <source>Change {1} of channel {2}</source>
        <translation>{1} von Sender {2} ändern</translation>
    </message>
</context>
<context>
    <name>step.change-transponder</name>
    <message>
        <source>Change {1} of transponder {2}</source>
        <translation>{1} von Transponder {2} ändern</translation>
    </message>
</context>
<context>
    <name>step.channel</name>
    <message>
        <source>channel {1}</source>
        <translation>Sender {1}</translation>
    </message>
</context>
<context>
    <name>step.clear-block</name>
    <message>
        <source>Clear Block</source>
        <translation>Block leeren</translation>
    </message>
</context>
<context>
    <name>step.duplicate</name>
    <message>
        <source>Duplicate {1}</source>
        <translation>{1} duplizieren</translation>
    </message>
</context>
<context>
    <name>step.import-channels</name>
    <message>
        <source>Import channels from {1}</source>
        <translation>Sender aus {1} importieren</translation>
    </message>
</context>
<context>
    <name>step.import-transponders</name>
    <message>
        <source>Import transponders from {1}</source>
        <translation>Transponder aus {1} importieren</translation>
    </message>
</context>
<context>
    <name>step.insert</name>
    <message>
        <source>Insert {1}</source>
        <translation>{1} einfügen</translation>
    </message>
</context>
<context>
    <name>step.move</name>
    <message>
        <source>Move {1}</source>
        <translation>{1} verschieben</translation>
    </message>
</context>
<context>
    <name>step.needs-transponder</name>
    <message>
        <source>A new channel needs a transponder: the TPT list has none.</source>
        <translation>Ein neuer Sender braucht einen Transponder: die TPT-Liste hat keinen.</translation>
    </message>
</context>
<context>
    <name>step.read-block</name>
    <message>
        <source>Read Block</source>
        <translation>Block einlesen</translation>
    </message>
</context>
<context>
    <name>step.remove</name>
    <message>
        <source>Remove {1}</source>
        <translation>{1} entfernen</translation>
    </message>
</context>
<context>
    <name>step.remove-with-their</name>
    <message numerus="yes">
        <source>Remove {2} and their channels</source>
        <comment>Remove {2} and its channels</comment>
        <translation>
            <numerusform>{2} und seine Sender entfernen</numerusform>
            <numerusform>{2} und ihre Sender entfernen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>step.rename</name>
    <message>
        <source>Rename channel {1}</source>
        <translation>Sender {1} umbenennen</translation>
    </message>
</context>
<context>
    <name>step.sort-frequency</name>
    <message>
        <source>Sort channels by frequency</source>
        <translation>Sender nach Frequenz sortieren</translation>
    </message>
</context>
<context>
    <name>step.sort-name</name>
    <message>
        <source>Sort channels by name</source>
        <translation>Sender nach Namen sortieren</translation>
    </message>
</context>
<context>
    <name>step.sort-sid</name>
    <message>
        <source>Sort channels by SID</source>
        <translation>Sender nach SID sortieren</translation>
    </message>
</context>
<context>
    <name>step.swap-diseqc</name>
    <message>
        <source>Swap DiSEqC</source>
        <translation>DiSEqC tauschen</translation>
    </message>
</context>
<context>
    <name>step.transponder</name>
    <message>
        <source>transponder {1}</source>
        <translation>Transponder {1}</translation>
    </message>
</context>
<context>
    <name>swap.report</name>
    <message>
        <source> {1} Transponders have been swapped from DiSEqC A &lt;=&gt; B</source>
        <translation> {1} Transponder wurden von DiSEqC A &lt;=&gt; B getauscht</translation>
    </message>
</context>
<context>
    <name>swap.select-tpt</name>
    <message>
        <source>Please select a TPT block to convert</source>
        <translation>Bitte einen TPT-Block zum Umwandeln wählen</translation>
    </message>
</context>
<context>
    <name>tcs-text.blank-end</name>
    <message numerus="yes">
        <source>channels {2} end their names in blanks, which come back as NULs</source>
        <comment>channel {2} ends its name in blanks, which come back as NULs</comment>
        <translation>
            <numerusform>Sender {2} beendet seinen Namen mit Leerzeichen, die als NULs zurückkommen</numerusform>
            <numerusform>die Sender {2} beenden ihre Namen mit Leerzeichen, die als NULs zurückkommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.inner-nul</name>
    <message numerus="yes">
        <source>channels {2} hold NULs inside their names, which come back as blanks</source>
        <comment>channel {2} holds a NUL inside its name, which comes back as a blank</comment>
        <translation>
            <numerusform>Sender {2} hat ein NUL in seinem Namen, das als Leerzeichen zurückkommt</numerusform>
            <numerusform>die Sender {2} haben NULs in ihren Namen, die als Leerzeichen zurückkommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.line-end</name>
    <message numerus="yes">
        <source>channels {2} hold a line-end byte in their names</source>
        <comment>channel {2} holds a line-end byte in its name</comment>
        <translation>
            <numerusform>Sender {2} hat ein Zeilenende-Byte in seinem Namen</numerusform>
            <numerusform>die Sender {2} haben ein Zeilenende-Byte in ihren Namen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.shifted</name>
    <message>
        <source>records from {1} on shift their columns</source>
        <translation>Datensätze ab {1} verschieben ihre Spalten</translation>
    </message>
</context>
<context>
    <name>tcs-text.utf8-name</name>
    <message numerus="yes">
        <source>channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to keep them)</source>
        <comment>channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to keep it)</comment>
        <translation>
            <numerusform>Sender {2} hat einen Namen, der sich als UTF-8 zurückliest, als andere Bytes (den Text als UTF-8 schreiben, um ihn zu behalten)</numerusform>
            <numerusform>die Sender {2} haben Namen, die sich als UTF-8 zurücklesen, als andere Bytes (den Text als UTF-8 schreiben, um sie zu behalten)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>text.not-latin1</name>
    <message>
        <source>{1} holds a character that Latin-1 cannot store</source>
        <translation>{1} enthält ein Zeichen, das Latin-1 nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>tpt-text.band-holds</name>
    <message>
        <source>frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz</source>
        <translation>Frequenz {1} kHz liegt außerhalb des Bereichs: Band {2} umfasst {3} bis {4} kHz</translation>
    </message>
</context>
<context>
    <name>tpt-text.below-khz</name>
    <message numerus="yes">
        <source>transponders {2} keep digits below 1 kHz, which the text drops</source>
        <comment>transponder {2} keeps digits below 1 kHz, which the text drops</comment>
        <translation>
            <numerusform>Transponder {2} hat Stellen unter 1 kHz, die der Text weglässt</numerusform>
            <numerusform>die Transponder {2} haben Stellen unter 1 kHz, die der Text weglässt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.comes-back</name>
    <message>
        <source>the list of {1} comes back as {2}, with zero records after the last used one</source>
        <translation>die Liste von {1} kommt als {2} zurück, mit Null-Datensätzen nach dem letzten belegten</translation>
    </message>
</context>
<context>
    <name>tpt-text.diseqc-b</name>
    <message numerus="yes">
        <source>transponders {2} on DiSEqC B will read back as A</source>
        <comment>transponder {2} on DiSEqC B will read back as A</comment>
        <translation>
            <numerusform>Transponder {2} an DiSEqC B wird als A zurückgelesen</numerusform>
            <numerusform>die Transponder {2} an DiSEqC B werden als A zurückgelesen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec</name>
    <message numerus="yes">
        <source>transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4</source>
        <comment>transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4</comment>
        <translation>
            <numerusform>Transponder {2} hat einen FEC-Code, den der Text als 0/0 zeigt und als 3/4 zurückliest</numerusform>
            <numerusform>die Transponder {2} haben FEC-Codes, die der Text als 0/0 zeigt und als 3/4 zurückliest</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec-moves</name>
    <message>
        <source>{1}, and it moves the columns after it</source>
        <translation>{1}, und es verschiebt die Spalten dahinter</translation>
    </message>
</context>
<context>
    <name>tpt-text.flags</name>
    <message numerus="yes">
        <source>transponders {2} have flag bits the text leaves out</source>
        <comment>transponder {2} has flag bits the text leaves out</comment>
        <translation>
            <numerusform>Transponder {2} hat Flag-Bits, die der Text weglässt</numerusform>
            <numerusform>die Transponder {2} haben Flag-Bits, die der Text weglässt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.frequency</name>
    <message numerus="yes">
        <source>transponders {2}&apos; frequency fields hold more than the text reads back</source>
        <comment>transponder {2}&apos;s frequency field holds more than the text reads back</comment>
        <translation>
            <numerusform>das Frequenzfeld von Transponder {2} enthält mehr, als der Text zurückliest</numerusform>
            <numerusform>die Frequenzfelder der Transponder {2} enthalten mehr, als der Text zurückliest</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.no-frequency</name>
    <message>
        <source>no frequency in columns 5-12</source>
        <translation>keine Frequenz in den Spalten 5-12</translation>
    </message>
</context>
<context>
    <name>tpt-text.out-of-range</name>
    <message>
        <source>{1} out of range</source>
        <translation>{1} außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>tpt-text.records</name>
    <message numerus="yes">
        <source>{1} records</source>
        <comment>{1} record</comment>
        <translation>
            <numerusform>{1} Datensatz</numerusform>
            <numerusform>{1} Datensätze</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>transponder.fec-cannot-store</name>
    <message>
        <source>FEC {1} can not be stored: the list stores only {2}</source>
        <translation>FEC {1} kann nicht gespeichert werden: die Liste speichert nur {2}</translation>
    </message>
</context>
<context>
    <name>transponder.fec-not-stored</name>
    <message>
        <source>FEC {1} is not one the list stores ({2})</source>
        <translation>FEC {1} ist keiner, den die Liste speichert ({2})</translation>
    </message>
</context>
<context>
    <name>transponder.fec-stored-as</name>
    <message>
        <source>FEC {1} is stored as {2}</source>
        <translation>FEC {1} wird als {2} gespeichert</translation>
    </message>
</context>
<context>
    <name>transponder.khz-out-of-range</name>
    <message>
        <source>Frequency {1} kHz is out of range</source>
        <translation>Frequenz {1} kHz liegt außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>transponder.khz-outside-band</name>
    <message>
        <source>{1} kHz lies outside band {2}&apos;s {3} to {4} kHz</source>
        <translation>{1} kHz liegt außerhalb des Bereichs {3} bis {4} kHz von Band {2}</translation>
    </message>
</context>
<context>
    <name>transponder.outside-unit</name>
    <message>
        <source>{1} {2} {3} is outside {4} to {5} {3}</source>
        <translation>{1} {2} {3} liegt außerhalb von {4} bis {5} {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-as-ks</name>
    <message>
        <source>{1}: as {2} kS/s it would be {3}</source>
        <translation>{1}: als {2} kS/s wäre es {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-fraction</name>
    <message>
        <source>SR {1} is not a whole number of Msym/s: it would be stored as {2}.</source>
        <translation>SR {1} ist keine ganze Zahl von Msym/s: es würde als {2} gespeichert.</translation>
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
        <translation>Datei {1} kann nicht gefunden werden!</translation>
    </message>
</context>
<context>
    <name>viewer.not-shown</name>
    <message>
        <source>({1} more records are not shown)</source>
        <translation>({1} weitere Datensätze werden nicht gezeigt)</translation>
    </message>
</context>
<context>
    <name>viewer.oversize</name>
    <message>
        <source>{1} FILE IS LARGER THAN 64Kb ({2} bytes)</source>
        <translation>{1} DATEI IST GRÖSSER ALS 64 KB ({2} Bytes)</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable</name>
    <message>
        <source>File {1} can not be read!</source>
        <translation>Datei {1} kann nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable-because</name>
    <message>
        <source>File {1} can not be read!<byte value="xd"/>
{2}</source>
        <translation>Datei {1} kann nicht gelesen werden!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>viewer.view-as</name>
    <message>
        <source>&amp;View as {1}</source>
        <translation>&amp;Als {1} anzeigen</translation>
    </message>
</context>
</TS>
