<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Kompiliert : %1</translation>
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
    <message>
        <source>Converting %1...</source>
        <translation>%1 wird umgewandelt...</translation>
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
        <source>%1 more byte ranges</source>
        <translation>%1 weitere Bytebereiche</translation>
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
    <message>
        <source>1 change</source>
        <translation>1 Änderung</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 Änderungen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChannelTableModel</name>
    <message>
        <source>%1 · none</source>
        <translation>%1 · keiner</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: &quot;%3&quot; has no Latin-1 byte.</source>
        <translation>%1 „%2“: „%3“ hat kein Latin-1-Byte.</translation>
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
        <translation>Schwere</translation>
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
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Editing Block:%1 (%2), the first of %3 %2 blocks</source>
        <translation>Block:%1 (%2) wird bearbeitet, der erste von %3 %2-Blöcken</translation>
    </message>
    <message>
        <source>Editing Block:%1 (%2)</source>
        <translation>Block:%1 (%2) wird bearbeitet</translation>
    </message>
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
        <translation>Größe : 0 Bytes</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Datei :</translation>
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
        <source>Loading %1...</source>
        <translation>%1 wird geladen...</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Keine Befunde</translation>
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
        <source>Apply order from %1</source>
        <translation>Reihenfolge von %1 übernehmen</translation>
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
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
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
        <source>%1 of %2 rows to add</source>
        <translation>%1 von %2 Zeilen hinzuzufügen</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Ordner der DVB-S-Suchlauftabellen</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::TransponderTableModel</name>
    <message>
        <source>Nr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
</context>
</TS>
