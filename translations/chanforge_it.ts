<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>block.big-file</name>
    <message>
        <source>Block is bigger then 64Kb, load only first 64Kb ?</source>
        <translation>Il blocco supera i 64 KB: caricare solo i primi 64 KB?</translation>
    </message>
</context>
<context>
    <name>block.clear-question</name>
    <message>
        <source>Clear block  {1}?<byte value="xd"/>
Are you sure ?</source>
        <translation>Svuotare il blocco {1}?<byte value="xd"/>
Sei sicuro?</translation>
    </message>
</context>
<context>
    <name>block.line</name>
    <message>
        <source>Block:{1} {2} (${3}-${4}) ${5} bytes</source>
        <translation>Blocco:{1} {2} (${3}-${4}) ${5} byte</translation>
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
            <numerusform>File: {2} è di {1} byte: non è un numero intero di record {3}.<byte value="xd"/>
Leggerlo comunque?</numerusform>
            <numerusform>File: {2} è di {1} byte: non è un numero intero di record {3}.<byte value="xd"/>
Leggerlo comunque?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>block.select-to-clear</name>
    <message>
        <source>Please select a block to Clear</source>
        <translation>Seleziona un blocco da svuotare</translation>
    </message>
</context>
<context>
    <name>block.select-to-convert</name>
    <message>
        <source>Please select a block to Convert (a TPT block!)</source>
        <translation>Seleziona un blocco da convertire (un blocco TPT!)</translation>
    </message>
</context>
<context>
    <name>block.select-to-save</name>
    <message>
        <source>Please select a block to Save</source>
        <translation>Seleziona un blocco da salvare</translation>
    </message>
</context>
<context>
    <name>block.select-to-update</name>
    <message>
        <source>Please select a block to Update</source>
        <translation>Seleziona un blocco da aggiornare</translation>
    </message>
</context>
<context>
    <name>block.select-to-view</name>
    <message>
        <source>Please select a block to View</source>
        <translation>Seleziona un blocco da visualizzare</translation>
    </message>
</context>
<context>
    <name>cell.channels</name>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
</context>
<context>
    <name>cell.no-transponder</name>
    <message>
        <source>{1} · none</source>
        <translation>{1} · nessuno</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Compilato: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3   (%4)</source>
        <translation>Versione %1.%2.%3   (%4)</translation>
    </message>
    <message>
        <source>Welcome to Chanforge, the channel list editor for your receiver&apos;s flash image.<byte value="xd"/>
<byte value="xd"/>
This program has been made, because the conversion routines of DecLink can&apos;t cope with the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the receiver.<byte value="xd"/>
<byte value="xd"/>
This program is still in the BETA phase!<byte value="xd"/>
 Always check the results and filesize before flashing !</source>
        <translation>Benvenuto in Chanforge, l&apos;editor delle liste canali per l&apos;immagine flash del tuo ricevitore.<byte value="xd"/>
<byte value="xd"/>
Questo programma è nato perché le routine di conversione di DecLink non riescono a gestire le nuove liste TCS e TPT da 2000 canali scritte dalla nuova versione 1.0 del firmware del ricevitore.<byte value="xd"/>
<byte value="xd"/>
Questo programma è ancora in fase BETA!<byte value="xd"/>
 Controlla sempre i risultati e la dimensione del file prima di eseguire il flash!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation>Editor di liste canali e transponder</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation>Commenti e suggerimenti sono benvenuti tramite l&apos;issue tracker del progetto.</translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation>Attenzione: solo per tecnici certificati! Nessuna garanzia, uso a proprio rischio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Info sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informazioni di sistema non disponibili al momento</translation>
    </message>
    <message>
        <source>Copy &amp;Details</source>
        <translation>Copia &amp;dettagli</translation>
    </message>
    <message>
        <source>Copy the version, the system and where the settings are, for a report</source>
        <translation>Copia la versione, il sistema e la posizione delle impostazioni, per una segnalazione</translation>
    </message>
    <message>
        <source>Qt %1</source>
        <translation>Qt %1</translation>
    </message>
    <message>
        <source>System: %1 (%2 %3, %4)</source>
        <translation>Sistema: %1 (%2 %3, %4)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Lingua: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Impostazioni: %1</translation>
    </message>
    <message>
        <source>(cannot be opened)</source>
        <translation>(impossibile aprirle)</translation>
    </message>
    <message>
        <source>Scan tables: %1</source>
        <translation>Tabelle di scansione: %1</translation>
    </message>
    <message>
        <source>d-mmm-yyyy</source>
        <extracomment>The compile date&apos;s format in numbers, as QDate::toString reads it (&quot;dd.MM.yyyy&quot;).</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Application</name>
    <message>
        <source>The command failed: %1
The image and its unsaved changes are kept as they were.</source>
        <translation>Il comando non è riuscito: %1
L&apos;immagine e le sue modifiche non salvate restano come erano.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation>Vista blocco</translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation>Mostra in &amp;Hex</translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation>Mostra come ....</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation>Conversione del blocco...</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostato</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>da %1</translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation>byte %1-%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation>Le immagini sono uguali</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation>Verifica immagine</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation>Satellite su DiSEqC &amp;%1:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation>Nessun errore, nessun avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>with the Folder… button of Edit Lists &gt; Add from satellite</source>
        <translation>con il pulsante «Cartella…» di Modifica liste &gt; Aggiungi da satellite</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC %1</source>
        <translation>Satellite su DiSEqC %1</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation>Scegli nome file</translation>
    </message>
    <message>
        <source>%1 Bin</source>
        <translation>%1 Bin</translation>
    </message>
    <message>
        <source>Declink Comp</source>
        <translation>Formato Declink</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>Testo UTF-8</translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation>Scrivi il file di testo in UTF-8, per un editor che lo legge così. Entrambi i tipi, riletti, danno la stessa lista.</translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation>Converti il file binario %1 in un file di testo</translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation>Converti il file di testo %1 in un file binario</translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation>%1 Txt</translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation>Scegli il file binario della lista canali</translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation>Scegli il file binario della lista transponder</translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation>File binario della lista canali</translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation>File binario della lista transponder</translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation>Converti la lista canali in testo</translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation>Converti la lista transponder in testo</translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation>Converti il testo in lista canali</translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation>Converti il testo in lista transponder</translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation>Scegli il file di testo della lista canali</translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation>Scegli il file di testo della lista transponder</translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation>File di testo della lista canali</translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation>File di testo della lista transponder</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation>Immagini e CSV canali</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Bin Files</source>
        <translation>File Bin</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FindBox</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Edit Lists</source>
        <translation>Modifica liste</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Trova canali</translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation>Lista dei canali</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canali</translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation>Trova transponder</translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation>Lista dei transponder</translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation>Testo di una riga, come mostrato (Ctrl+F)</translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation>Aggiungi da &amp;satellite…</translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation>Aggiungi transponder dalla tabella di scansione DVB-S di un satellite</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserisci</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Ordina per</translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation>&amp;Ordina per…</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Insert a new row before the current one</source>
        <translation>Inserisci una nuova riga prima di quella attuale</translation>
    </message>
    <message>
        <source>Copy the selected rows behind the last of them</source>
        <translation>Copia le righe selezionate dopo l&apos;ultima di esse</translation>
    </message>
    <message>
        <source>Remove the selected rows</source>
        <translation>Rimuovi le righe selezionate</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place up in the whole list</source>
        <translation>Sposta ogni gruppo di righe selezionate di un posto in su nell&apos;intera lista</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place down in the whole list</source>
        <translation>Sposta ogni gruppo di righe selezionate di un posto in giù nell&apos;intera lista</translation>
    </message>
    <message>
        <source>Put the channels in order by name, SID or frequency, as one step</source>
        <translation>Ordina i canali per nome, SID o frequenza, in un solo passo</translation>
    </message>
    <message>
        <source>Show only the rows with a text</source>
        <translation>Mostra solo le righe con un testo</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Altre azioni</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation>Vista TCS/TPT</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva con &amp;nome…</translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation>Mostra &amp;modifiche…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation>Modifica &amp;liste…</translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation>Applica &amp;ordine da…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation>&amp;Verifica immagine</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Confronta con…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Gestione file</translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation>&amp;Carica Bin</translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation>&amp;Salva Bin</translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation>Dim.: 0 byte</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Solo dati</translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation>Intero 64 KB</translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation>&amp;Leggi blocco</translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation>Salva &amp;blocco</translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation>&amp;DiSEqC A↔B (Monoblock)</translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation>Sv&amp;uota</translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation>M&amp;ostra</translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation>Converti lista canali (TCS)</translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation>Converti lista transponder (TPT)</translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation>Mostra list&amp;e</translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation>Blocco:%1 (%2) di %3</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (non salvato)</translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation>Canali come CSV…</translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation>Transponder come CSV…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>File &amp;recenti</translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation>%1 non esiste più: rimosso da «File recenti»</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Esporta canali</translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation>Esporta transponder</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importa canali</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importa transponder</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Applica ordine da</translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation>Carica un file immagine flash</translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation>Salva l&apos;immagine flash nel suo file</translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation>I comandi dei blocchi agiscono solo sui dati del blocco</translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation>I comandi dei blocchi agiscono sull&apos;intero blocco da 64 KB, intestazione inclusa</translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation>Leggi un file nel blocco selezionato</translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation>Salva il blocco selezionato in un file</translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation>Scambia gli ingressi DiSEqC A e B di ogni transponder nel blocco TPT selezionato</translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation>Svuota il blocco selezionato</translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation>Mostra il blocco selezionato in esadecimale o come lista</translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation>Scegli il file binario della lista TCS</translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation>Scegli il file di testo TCS</translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation>Scegli il file binario della lista TPT</translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation>Scegli il file di testo TPT</translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation>Scrivi e leggi il testo TPT senza la colonna DiSEqC, come fa DecLink</translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation>Mostra i file binari TCS e TPT come liste</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Informazioni su Chanforge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Write the image back to the file it was loaded from</source>
        <translation>Riscrivi l&apos;immagine nel file da cui è stata caricata</translation>
    </message>
    <message>
        <source>Save the image under a name you choose</source>
        <translation>Salva l&apos;immagine con un nome a scelta</translation>
    </message>
    <message>
        <source>List what changed since the image was loaded or saved</source>
        <translation>Elenca cosa è cambiato da quando l&apos;immagine è stata caricata o salvata</translation>
    </message>
    <message>
        <source>Write the channel list as CSV, for a spreadsheet</source>
        <translation>Scrivi la lista canali come CSV, per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Write the transponder list as CSV, for a spreadsheet</source>
        <translation>Scrivi la lista transponder come CSV, per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Read the channel list from a CSV file</source>
        <translation>Leggi la lista canali da un file CSV</translation>
    </message>
    <message>
        <source>Read the transponder list from a CSV file</source>
        <translation>Leggi la lista transponder da un file CSV</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Stampa la lista canali</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF file</source>
        <translation>Scrivi la lista canali come file PDF</translation>
    </message>
    <message>
        <source>Close Chanforge</source>
        <translation>Esci da Chanforge</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Ripeti la modifica annullata</translation>
    </message>
    <message>
        <source>Edit the channels and transponders in tables</source>
        <translation>Modifica canali e transponder in tabelle</translation>
    </message>
    <message>
        <source>Put the channels in the order of another image or of a channel CSV</source>
        <translation>Metti i canali nell&apos;ordine di un&apos;altra immagine o di un CSV di canali</translation>
    </message>
    <message>
        <source>List what would likely make the image misbehave</source>
        <translation>Elenca ciò che probabilmente farebbe funzionare male l&apos;immagine</translation>
    </message>
    <message>
        <source>List the changes between another image and this one</source>
        <translation>Elenca le differenze tra un&apos;altra immagine e questa</translation>
    </message>
    <message>
        <source>Which program and version this is</source>
        <translation>Quale programma è e in quale versione</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>Language from the next start: the system&apos;s</source>
        <translation>Lingua dal prossimo avvio: quella di sistema</translation>
    </message>
    <message>
        <source>Language from the next start: %1</source>
        <translation>Lingua dal prossimo avvio: %1</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written</source>
        <translation>La lingua non è stata memorizzata: le impostazioni non si possono scrivere</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;u</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation>Non raggruppato</translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation>Per ingresso DiSEqC</translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation>Per transponder</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Una</translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation>Due, dove c&apos;è spazio</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Raggruppa:</translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation>&amp;Liste affiancate:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation>C&amp;olonne (spunta, poi trascina o sposta per ordinare):</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation>&amp;Anteprima…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Stam&amp;pa…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Esporta P&amp;DF…</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Questions</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>S&amp;carta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation>Aggiungi da satellite</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Cartella…</translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation>Scegli la cartella delle tabelle di scansione DVB-S</translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation>Trova satellite</translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation>Nome o posizione</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation>Transponder del satellite</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation>Ingresso DiSEqC:</translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation>FEC per le righe che la lista non può memorizzare così come scritte:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Cartella delle tabelle di scansione DVB-S</translation>
    </message>
    <message>
        <source>with the Folder… button</source>
        <translation>con il pulsante «Cartella…»</translation>
    </message>
</context>
<context>
    <name>changes.count</name>
    <message numerus="yes">
        <source>{1} changes</source>
        <comment>{1} change</comment>
        <translation>
            <numerusform>{1} modifica</numerusform>
            <numerusform>{1} modifiche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changes.more-ranges</name>
    <message numerus="yes">
        <source>{1} more byte ranges</source>
        <comment>{1} more byte range</comment>
        <translation>
            <numerusform>{1} altro intervallo di byte</numerusform>
            <numerusform>altri {1} intervalli di byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>channel.line-out-of-range</name>
    <message>
        <source>{1} value {2} is out of range</source>
        <translation>{1}: il valore {2} è fuori intervallo</translation>
    </message>
</context>
<context>
    <name>channel.name-ends-in-blank</name>
    <message>
        <source>{1} {2} ends in a blank, which the list would store as a NUL: leave it out.</source>
        <translation>{1} {2} termina con uno spazio, che la lista memorizzerebbe come NUL: toglilo.</translation>
    </message>
</context>
<context>
    <name>channel.name-too-long</name>
    <message>
        <source>{1} {2} is {3} bytes long; at most {4} fit.</source>
        <translation>{1} {2} è lungo {3} byte; ne entrano al massimo {4}.</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-sid</name>
    <message>
        <source>the receiver finds only one of two services with one SID</source>
        <translation>il ricevitore trova solo uno di due servizi con lo stesso SID</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-transponder</name>
    <message>
        <source>two entries for one transponder split its channels</source>
        <translation>due voci per lo stesso transponder ne dividono i canali</translation>
    </message>
</context>
<context>
    <name>check-why.empty-record-inside</name>
    <message>
        <source>a free slot between channels shows as a blank entry</source>
        <translation>uno spazio libero tra i canali appare come una voce vuota</translation>
    </message>
</context>
<context>
    <name>check-why.frequency-range</name>
    <message>
        <source>the tuner takes 950 to 2150 MHz after the LNB: each band&apos;s oscillator bounds its range</source>
        <translation>il tuner accetta da 950 a 2150 MHz dopo l&apos;LNB: l&apos;oscillatore di ogni banda ne limita l&apos;intervallo</translation>
    </message>
</context>
<context>
    <name>check-why.hidden-flags</name>
    <message>
        <source>the text file cannot keep these bits: a round trip drops them</source>
        <translation>il file di testo non può conservare questi bit: una conversione di andata e ritorno li perde</translation>
    </message>
</context>
<context>
    <name>check-why.image-size</name>
    <message>
        <source>the receiver&apos;s flash holds exactly 524288 bytes</source>
        <translation>la flash del ricevitore contiene esattamente 524288 byte</translation>
    </message>
</context>
<context>
    <name>check-why.length-past-end</name>
    <message>
        <source>the receiver would read its list from the next block</source>
        <translation>il ricevitore leggerebbe la sua lista dal blocco successivo</translation>
    </message>
</context>
<context>
    <name>check-why.name-control-bytes</name>
    <message>
        <source>control bytes garble the menu and the text file</source>
        <translation>i byte di controllo rovinano il menu e il file di testo</translation>
    </message>
</context>
<context>
    <name>check-why.no-usable-blocks</name>
    <message>
        <source>the lists to edit live in the blocks named TCS and TPT</source>
        <translation>le liste da modificare si trovano nei blocchi chiamati TCS e TPT</translation>
    </message>
</context>
<context>
    <name>check-why.not-on-satellite</name>
    <message>
        <source>the chosen satellite&apos;s scan table lacks it: moved, ended, mistyped or on another input</source>
        <translation>manca nella tabella di scansione del satellite scelto: spostato, cessato, digitato male o su un altro ingresso</translation>
    </message>
</context>
<context>
    <name>check-why.part-record</name>
    <message>
        <source>a cut record shifts every record the receiver reads after it</source>
        <translation>un record troncato sposta ogni record che il ricevitore legge dopo di esso</translation>
    </message>
</context>
<context>
    <name>check-why.satellite-gap</name>
    <message>
        <source>the chosen satellite&apos;s scan table has transponders the list lacks</source>
        <translation>la tabella di scansione del satellite scelto ha transponder che mancano nella lista</translation>
    </message>
</context>
<context>
    <name>check-why.second-list</name>
    <message>
        <source>the receiver reads only one channel and one transponder list</source>
        <translation>il ricevitore legge una sola lista canali e una sola lista transponder</translation>
    </message>
</context>
<context>
    <name>check-why.sid-zero</name>
    <message>
        <source>no service has SID 0: a new channel&apos;s SID is still to be set</source>
        <translation>nessun servizio ha SID 0: il SID di un nuovo canale è ancora da impostare</translation>
    </message>
</context>
<context>
    <name>check-why.too-many-channels</name>
    <message>
        <source>more channels than the firmware is known to hold</source>
        <translation>più canali di quanti si sappia che il firmware possa contenere</translation>
    </message>
</context>
<context>
    <name>check-why.tp-missing</name>
    <message>
        <source>a channel without its transponder cannot be tuned</source>
        <translation>un canale senza il suo transponder non può essere sintonizzato</translation>
    </message>
</context>
<context>
    <name>check-why.unknown-fec</name>
    <message>
        <source>the text file shows the code as 0/0 and stores another for it</source>
        <translation>il file di testo mostra il codice come 0/0 e al suo posto ne memorizza un altro</translation>
    </message>
</context>
<context>
    <name>check.another-list</name>
    <message>
        <source>another {1} block; the receiver uses one</source>
        <translation>un altro blocco {1}; il ricevitore ne usa uno</translation>
    </message>
</context>
<context>
    <name>check.block</name>
    <message>
        <source>block {1}</source>
        <translation>blocco {1}</translation>
    </message>
</context>
<context>
    <name>check.block-channel</name>
    <message>
        <source>block {1} channel {2}</source>
        <translation>blocco {1} canale {2}</translation>
    </message>
</context>
<context>
    <name>check.block-transponder</name>
    <message>
        <source>block {1} transponder {2}</source>
        <translation>blocco {1} transponder {2}</translation>
    </message>
</context>
<context>
    <name>check.control-byte</name>
    <message>
        <source>control byte {1} at position {2}</source>
        <translation>byte di controllo {1} alla posizione {2}</translation>
    </message>
</context>
<context>
    <name>check.error-line</name>
    <message>
        <source>error: {1}: {2}</source>
        <translation>errore: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.errors</name>
    <message numerus="yes">
        <source>{1} errors</source>
        <comment>{1} error</comment>
        <translation>
            <numerusform>{1} errore</numerusform>
            <numerusform>{1} errori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check.free-slot</name>
    <message>
        <source>free slot inside the list</source>
        <translation>spazio libero all&apos;interno della lista</translation>
    </message>
</context>
<context>
    <name>check.hidden-flags</name>
    <message>
        <source>flag bits {1} do not show in the text line</source>
        <translation>i bit di flag {1} non compaiono nella riga di testo</translation>
    </message>
</context>
<context>
    <name>check.image</name>
    <message>
        <source>image</source>
        <translation>immagine</translation>
    </message>
</context>
<context>
    <name>check.image-size</name>
    <message>
        <source>size is {1} bytes, not {2}</source>
        <translation>la dimensione è {1} byte, non {2}</translation>
    </message>
</context>
<context>
    <name>check.line-end-byte</name>
    <message>
        <source>line-end byte {1} at position {2}</source>
        <translation>byte di fine riga {1} alla posizione {2}</translation>
    </message>
</context>
<context>
    <name>check.no-tp</name>
    <message>
        <source>no transponder (0x00)</source>
        <translation>nessun transponder (0x00)</translation>
    </message>
</context>
<context>
    <name>check.no-usable-blocks</name>
    <message>
        <source>no usable blocks: no block is named TCS or TPT</source>
        <translation>nessun blocco utilizzabile: nessun blocco si chiama TCS o TPT</translation>
    </message>
</context>
<context>
    <name>check.not-multiple</name>
    <message>
        <source>data length {1} is not a multiple of {2}</source>
        <translation>la lunghezza dei dati {1} non è un multiplo di {2}</translation>
    </message>
</context>
<context>
    <name>check.past-block</name>
    <message>
        <source>data length {1} runs past the block&apos;s end (room for {2})</source>
        <translation>la lunghezza dei dati {1} va oltre la fine del blocco (spazio per {2})</translation>
    </message>
</context>
<context>
    <name>check.past-image</name>
    <message>
        <source>data length {1} runs past the image&apos;s end</source>
        <translation>la lunghezza dei dati {1} va oltre la fine dell&apos;immagine</translation>
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
        <translation>SID {1} sul transponder {2} anche nel canale {3}</translation>
    </message>
</context>
<context>
    <name>check.same-transponder</name>
    <message>
        <source>{1} kHz on DiSEqC {2} also at transponder {3}</source>
        <translation>{1} kHz su DiSEqC {2} anche nel transponder {3}</translation>
    </message>
</context>
<context>
    <name>check.save-despite</name>
    <message>
        <source>The image has {1} (first: {2}: {3}).<byte value="xd"/>
Save anyway ?</source>
        <translation>L&apos;immagine ha {1} (primo: {2}: {3}).<byte value="xd"/>
Salvare comunque?</translation>
    </message>
</context>
<context>
    <name>check.sid-zero</name>
    <message>
        <source>SID 0 names no service</source>
        <translation>SID 0 non indica alcun servizio</translation>
    </message>
</context>
<context>
    <name>check.too-many</name>
    <message>
        <source>{1} channels; the firmware holds {2}</source>
        <translation>{1} canali; il firmware ne contiene {2}</translation>
    </message>
</context>
<context>
    <name>check.tp-beyond</name>
    <message>
        <source>transponder {1} does not exist ({2} used)</source>
        <translation>il transponder {1} non esiste ({2} usati)</translation>
    </message>
</context>
<context>
    <name>check.tp-empty</name>
    <message>
        <source>transponder {1} is empty</source>
        <translation>il transponder {1} è vuoto</translation>
    </message>
</context>
<context>
    <name>check.unknown-fec</name>
    <message>
        <source>FEC code {1} shows as {2}; the text line stores {3} for it</source>
        <translation>il codice FEC {1} appare come {2}; la riga di testo memorizza {3} al suo posto</translation>
    </message>
</context>
<context>
    <name>check.warning-line</name>
    <message>
        <source>warning: {1}: {2}</source>
        <translation>avviso: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.warnings</name>
    <message numerus="yes">
        <source>{1} warnings</source>
        <comment>{1} warning</comment>
        <translation>
            <numerusform>{1} avviso</numerusform>
            <numerusform>{1} avvisi</numerusform>
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
        <translation>{1}, e verrebbe memorizzato come {2}</translation>
    </message>
</context>
<context>
    <name>columns.blank</name>
    <message>
        <source>{1} is blank</source>
        <translation>{1} è vuoto</translation>
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
        <translation>la colonna {1} contiene {2}, non {3}</translation>
    </message>
</context>
<context>
    <name>columns.gap-wide</name>
    <message>
        <source>the gap before {1} is {2} columns wide, not {3}</source>
        <translation>lo spazio prima di {1} è largo {2} colonne, non {3}</translation>
    </message>
</context>
<context>
    <name>columns.line-ends</name>
    <message>
        <source>the line ends in column {1}: {2} are missing</source>
        <translation>la riga termina alla colonna {1}: mancano {2}</translation>
    </message>
</context>
<context>
    <name>columns.missing</name>
    <message>
        <source>{1} is missing</source>
        <translation>manca {1}</translation>
    </message>
</context>
<context>
    <name>columns.moves-left</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the left</source>
        <translation>{1}: {2} e le colonne successive si spostano di {3} a sinistra</translation>
    </message>
</context>
<context>
    <name>columns.moves-right</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the right</source>
        <translation>{1}: {2} e le colonne successive si spostano di {3} a destra</translation>
    </message>
</context>
<context>
    <name>columns.name-takes</name>
    <message>
        <source>the name {1} and its blanks take {2} columns, not {3}</source>
        <translation>il nome {1} e i suoi spazi occupano {2} colonne, non {3}</translation>
    </message>
</context>
<context>
    <name>columns.not-blank</name>
    <message>
        <source>column {1} is not a blank</source>
        <translation>la colonna {1} non è uno spazio</translation>
    </message>
</context>
<context>
    <name>columns.not-hex</name>
    <message>
        <source>{1} {2} is not a hex number</source>
        <translation>{1} {2} non è un numero esadecimale</translation>
    </message>
</context>
<context>
    <name>columns.not-read</name>
    <message>
        <source>text after column {1} is not read</source>
        <translation>il testo dopo la colonna {1} non viene letto</translation>
    </message>
</context>
<context>
    <name>columns.number-ends</name>
    <message>
        <source>the record number {1} ends in column {2}, not {3}</source>
        <translation>il numero di record {1} termina alla colonna {2}, non {3}</translation>
    </message>
</context>
<context>
    <name>columns.record-number</name>
    <message>
        <source>the record number</source>
        <translation>il numero di record</translation>
    </message>
</context>
<context>
    <name>columns.stored-as</name>
    <message>
        <source>{1}: it would be stored as {2}</source>
        <translation>{1}: verrebbe memorizzato come {2}</translation>
    </message>
</context>
<context>
    <name>columns.tab</name>
    <message>
        <source>column {1} holds a tab, one column however wide an editor shows it; {2}</source>
        <translation>la colonna {1} contiene una tabulazione, che conta come una colonna per quanto larga la mostri un editor; {2}</translation>
    </message>
</context>
<context>
    <name>columns.the-name</name>
    <message>
        <source>the name</source>
        <translation>il nome</translation>
    </message>
</context>
<context>
    <name>columns.token-wide</name>
    <message>
        <source>{1} {2} is {3} characters wide, not {4}</source>
        <translation>{1} {2} è largo {3} caratteri, non {4}</translation>
    </message>
</context>
<context>
    <name>convert.anyway</name>
    <message>
        <source>Convert anyway ?</source>
        <translation>Convertire comunque?</translation>
    </message>
</context>
<context>
    <name>convert.large-list</name>
    <message>
        <source>File is bigger then 64Kb, load anyway ?</source>
        <translation>Il file supera i 64 KB: caricarlo comunque?</translation>
    </message>
</context>
<context>
    <name>convert.line-refused</name>
    <message>
        <source>Line {1} of {2} can not be converted: {3}</source>
        <translation>La riga {1} di {2} non può essere convertita: {3}</translation>
    </message>
</context>
<context>
    <name>convert.more-lines</name>
    <message>
        <source>and {1} more</source>
        <translation>e altre {1}</translation>
    </message>
</context>
<context>
    <name>convert.part-bytes</name>
    <message numerus="yes">
        <source>the last {1} bytes are not a whole record and are left out</source>
        <comment>the last byte is not a whole record and is left out</comment>
        <translation>
            <numerusform>l&apos;ultimo byte non è un record intero e viene omesso</numerusform>
            <numerusform>gli ultimi {1} byte non sono un record intero e vengono omessi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.round-trip</name>
    <message>
        <source>The text will not convert back to the same list: {1}<byte value="xd"/>
{2}</source>
        <translation>Il testo non verrà riconvertito nella stessa lista: {1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>convert.unstored</name>
    <message numerus="yes">
        <source>{1} lines of {2} will not be stored as written:</source>
        <comment>{1} line of {2} will not be stored as written:</comment>
        <translation>
            <numerusform>{1} riga di {2} non verrà memorizzata così come scritta:</numerusform>
            <numerusform>{1} righe di {2} non verranno memorizzate così come scritte:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.unstored-line</name>
    <message>
        <source>Line {1}: {2}<byte value="xd"/>
  as written: &quot;{3}&quot;<byte value="xd"/>
  read back:  &quot;{4}&quot;</source>
        <translation>Riga {1}: {2}<byte value="xd"/>
  come scritta: &quot;{3}&quot;<byte value="xd"/>
  riletta:      &quot;{4}&quot;</translation>
    </message>
</context>
<context>
    <name>csv.after-quote</name>
    <message>
        <source>Text follows a closing quote.</source>
        <translation>Del testo segue le virgolette di chiusura.</translation>
    </message>
</context>
<context>
    <name>csv.column-twice</name>
    <message>
        <source>Column {1} is there twice: which one to read is unclear.</source>
        <translation>La colonna {1} compare due volte: non è chiaro quale leggere.</translation>
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
            <numerusform>{1} nome diventerebbe vuoto: {2}.<byte value="xd"/>
Svuotarlo?</numerusform>
            <numerusform>{1} nomi diventerebbero vuoti: {2}.<byte value="xd"/>
Svuotarli?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>csv.emptied-name</name>
    <message>
        <source>channel {1} {2}</source>
        <translation>canale {1} {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-channels</name>
    <message>
        <source>Exported {1} channels to {2}</source>
        <translation>Canali esportati in {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.exported-transponders</name>
    <message>
        <source>Exported {1} transponders to {2}</source>
        <translation>Transponder esportati in {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.garbled</name>
    <message>
        <source>The file starts with &quot;{1}&quot;: it was read in a Western character set, which garbles accented letters. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Il file inizia con &quot;{1}&quot;: è stato letto con un set di caratteri occidentale, che rovina le lettere accentate. Riapri il file esportato con il set di caratteri Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.garbled-mark-skipped</name>
    <message>
        <source>{1} starts with a byte order mark read in a Western character set; the rest of the file is plain ASCII, which that does not garble, so the mark is left out.</source>
        <translation>{1} inizia con un indicatore dell&apos;ordine dei byte (BOM) letto con un set di caratteri occidentale; il resto del file è puro ASCII, che così non viene rovinato, quindi l&apos;indicatore viene omesso.</translation>
    </message>
</context>
<context>
    <name>csv.imported-channels</name>
    <message>
        <source>Imported {1} channels from {2}</source>
        <translation>Canali importati da {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.imported-transponders</name>
    <message>
        <source>Imported {1} transponders from {2}</source>
        <translation>Transponder importati da {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.inner-quote</name>
    <message>
        <source>A quote inside a field that does not start with one.</source>
        <translation>Virgolette all&apos;interno di un campo che non inizia con le virgolette.</translation>
    </message>
</context>
<context>
    <name>csv.line-of-file</name>
    <message>
        <source>Line {1} of {2}: {3}</source>
        <translation>Riga {1} di {2}: {3}</translation>
    </message>
</context>
<context>
    <name>csv.mark-twice</name>
    <message>
        <source>The file starts with two byte order marks: a program added one to a file that had it. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Il file inizia con due indicatori dell&apos;ordine dei byte (BOM): un programma ne ha aggiunto uno a un file che lo aveva già. Riapri il file esportato con il set di caratteri Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.missing-column</name>
    <message>
        <source>Missing column {1}.</source>
        <translation>Manca la colonna {1}.</translation>
    </message>
</context>
<context>
    <name>csv.no-rows</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2}.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} non ha righe: l&apos;importazione svuoterebbe la lista di {2}.<byte value="xd"/>
Svuotare la lista?</translation>
    </message>
</context>
<context>
    <name>csv.no-rows-channels</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2} and remove the {3} on them.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} non ha righe: l&apos;importazione svuoterebbe la lista di {2} e rimuoverebbe anche {3} che li usano.<byte value="xd"/>
Svuotare la lista?</translation>
    </message>
</context>
<context>
    <name>csv.not-closed</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo tra virgolette non è chiuso.</translation>
    </message>
</context>
<context>
    <name>csv.not-utf8</name>
    <message>
        <source>Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8</source>
        <translation>La riga {1} di {2} non è testo UTF-8: salva il CSV in UTF-8</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-channel</name>
    <message>
        <source>Nr {1} names no channel: the list has {2}.</source>
        <translation>Nr {1} non indica alcun canale: la lista ha {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-transponder</name>
    <message>
        <source>Nr {1} names no transponder: the list has {2}.</source>
        <translation>Nr {1} non indica alcun transponder: la lista ha {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-not-number</name>
    <message>
        <source>Nr {1} is not a number.</source>
        <translation>Nr {1} non è un numero.</translation>
    </message>
</context>
<context>
    <name>csv.transponder-beyond</name>
    <message>
        <source>Transponder {1} would move to row {2}, beyond the {3} its channels can reach.</source>
        <translation>Il transponder {1} finirebbe alla riga {2}, oltre i {3} raggiungibili dai suoi canali.</translation>
    </message>
</context>
<context>
    <name>diff.added</name>
    <message>
        <source>{1} added</source>
        <translation>{1} aggiunto</translation>
    </message>
</context>
<context>
    <name>diff.added-label</name>
    <message>
        <source>{1} added: {2}</source>
        <translation>{1} aggiunto: {2}</translation>
    </message>
</context>
<context>
    <name>diff.bytes</name>
    <message>
        <source>{1} bytes {2}-{3} changed</source>
        <translation>{1} byte {2}-{3} modificati</translation>
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
            <numerusform>{2}: {1} altro intervallo di byte modificato</numerusform>
            <numerusform>{2}: altri {1} intervalli di byte modificati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>diff.moved</name>
    <message>
        <source>{1} moved from {2}</source>
        <translation>{1} spostato da {2}</translation>
    </message>
</context>
<context>
    <name>diff.moved-label</name>
    <message>
        <source>{1} moved from {2}: {3}</source>
        <translation>{1} spostato da {2}: {3}</translation>
    </message>
</context>
<context>
    <name>diff.no-transponder</name>
    <message>
        <source>{1} (no transponder)</source>
        <translation>{1} (nessun transponder)</translation>
    </message>
</context>
<context>
    <name>diff.past-blocks</name>
    <message>
        <source>past the blocks</source>
        <translation>oltre i blocchi</translation>
    </message>
</context>
<context>
    <name>diff.removed</name>
    <message>
        <source>{1} removed</source>
        <translation>{1} rimosso</translation>
    </message>
</context>
<context>
    <name>diff.removed-label</name>
    <message>
        <source>{1} removed: {2}</source>
        <translation>{1} rimosso: {2}</translation>
    </message>
</context>
<context>
    <name>diff.size</name>
    <message>
        <source>{1} {2}: {3} → {4} bytes</source>
        <translation>{1} {2}: {3} → {4} byte</translation>
    </message>
</context>
<context>
    <name>done.cleared-block</name>
    <message>
        <source>Cleared block {1} ({2})</source>
        <translation>Blocco {1} svuotato ({2})</translation>
    </message>
</context>
<context>
    <name>done.converted-channels</name>
    <message>
        <source>Converted {1} channels to {2}</source>
        <translation>Canali convertiti in {2}: {1}</translation>
    </message>
</context>
<context>
    <name>done.converted-transponders</name>
    <message>
        <source>Converted {1} transponders to {2}</source>
        <translation>Transponder convertiti in {2}: {1}</translation>
    </message>
</context>
<context>
    <name>done.loaded-image</name>
    <message>
        <source>Loaded {1} ({2} bytes)</source>
        <translation>{1} caricato ({2} byte)</translation>
    </message>
</context>
<context>
    <name>done.read-as-utf8</name>
    <message>
        <source>{1} (read as UTF-8)</source>
        <translation>{1} (letto come UTF-8)</translation>
    </message>
</context>
<context>
    <name>done.read-block</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes)</source>
        <translation>Blocco {1} letto ({2}, {3} byte)</translation>
    </message>
</context>
<context>
    <name>done.read-block-from</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes) from {4}</source>
        <translation>Blocco {1} letto ({2}, {3} byte) da {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-block</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes)</source>
        <translation>Blocco {1} salvato ({2}, {3} byte)</translation>
    </message>
</context>
<context>
    <name>done.saved-block-to</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes) to {4}</source>
        <translation>Blocco {1} salvato ({2}, {3} byte) in {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-image</name>
    <message>
        <source>Saved {1} ({2} bytes)</source>
        <translation>{1} salvato ({2} byte)</translation>
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
        <translation>Banda</translation>
    </message>
</context>
<context>
    <name>field.block-name</name>
    <message>
        <source>Block name</source>
        <translation>Nome blocco</translation>
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
        <translation>Bit di flag</translation>
    </message>
</context>
<context>
    <name>field.frequency</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
</context>
<context>
    <name>field.length</name>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
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
        <translation>Nome</translation>
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
        <translation>{1} {2} non è {3}</translation>
    </message>
</context>
<context>
    <name>field.not-number</name>
    <message>
        <source>{1} {2} is not a number</source>
        <translation>{1} {2} non è un numero</translation>
    </message>
</context>
<context>
    <name>field.nr</name>
    <message>
        <source>Nr</source>
        <translation>N.</translation>
    </message>
</context>
<context>
    <name>field.outside</name>
    <message>
        <source>{1} {2} is outside {3} to {4}</source>
        <translation>{1} {2} non è compreso tra {3} e {4}</translation>
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
        <translation>Polarità</translation>
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
        <translation>Dimensione</translation>
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
        <translation>Tipo</translation>
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
        <translation>File: impossibile aprire {1}!</translation>
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
        <translation>File: {1} non trovato!</translation>
    </message>
</context>
<context>
    <name>file.not-regular</name>
    <message>
        <source>File : {1} is not a regular file !</source>
        <translation>File: {1} non è un file regolare!</translation>
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
        <translation>ha perso la sua lista di controllo degli accessi ({1})</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-attributes</name>
    <message>
        <source>lost its extended attributes {1}</source>
        <translation>ha perso i suoi attributi estesi {1}</translation>
    </message>
</context>
<context>
    <name>file.notice.other-names</name>
    <message numerus="yes">
        <source>is a file of its own now: its {1} other names (hard links) keep the old content</source>
        <comment>is a file of its own now: its other name (a hard link) keeps the old content</comment>
        <translation>
            <numerusform>ora è un file a sé: il suo altro nome (un hard link) mantiene il vecchio contenuto</numerusform>
            <numerusform>ora è un file a sé: i suoi {1} altri nomi (hard link) mantengono il vecchio contenuto</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>file.notice.owned-by</name>
    <message>
        <source>is now owned by {1}</source>
        <translation>ora appartiene a {1}</translation>
    </message>
</context>
<context>
    <name>file.overwrite</name>
    <message>
        <source>File : {1} already exists !<byte value="xd"/>
Overwrite ?</source>
        <translation>File: {1} esiste già!<byte value="xd"/>
Sovrascriverlo?</translation>
    </message>
</context>
<context>
    <name>file.reason.folder</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
</context>
<context>
    <name>file.reason.left-behind</name>
    <message>
        <source>{1}; the temporary file {2} is left behind</source>
        <translation>{1}; il file temporaneo {2} è stato lasciato</translation>
    </message>
</context>
<context>
    <name>file.reason.not-regular</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
</context>
<context>
    <name>file.reason.read-error</name>
    <message>
        <source>read error</source>
        <translation>errore di lettura</translation>
    </message>
</context>
<context>
    <name>file.reason.read-only</name>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
</context>
<context>
    <name>file.reason.system-error</name>
    <message>
        <source>system error {1}</source>
        <translation>errore di sistema {1}</translation>
    </message>
</context>
<context>
    <name>file.reason.too-large</name>
    <message>
        <source>too large</source>
        <translation>troppo grande</translation>
    </message>
</context>
<context>
    <name>file.same</name>
    <message>
        <source>Source and target are the same file : {1}</source>
        <translation>Origine e destinazione sono lo stesso file: {1}</translation>
    </message>
</context>
<context>
    <name>file.too-large</name>
    <message>
        <source>File : {1} is too large ({2} bytes) !</source>
        <translation>File: {1} è troppo grande ({2} byte)!</translation>
    </message>
</context>
<context>
    <name>file.unreadable</name>
    <message>
        <source>File : {1} can not be read !</source>
        <translation>File: impossibile leggere {1}!</translation>
    </message>
</context>
<context>
    <name>file.unreadable-because</name>
    <message>
        <source>File : {1} can not be read !<byte value="xd"/>
{2}</source>
        <translation>File: impossibile leggere {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>file.write-error</name>
    <message>
        <source>Error Writing the file {1} !<byte value="xd"/>
{2}</source>
        <translation>Errore durante la scrittura del file {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>image.no-blocks</name>
    <message>
        <source>File does not contain any usable blocks</source>
        <translation>Il file non contiene blocchi utilizzabili</translation>
    </message>
</context>
<context>
    <name>image.no-file-open</name>
    <message>
        <source>No File Open!</source>
        <translation>Nessun file aperto!</translation>
    </message>
</context>
<context>
    <name>label.edited-block</name>
    <message>
        <source>Editing Block:{1} ({2})</source>
        <translation>Blocco:{1} ({2}) in modifica</translation>
    </message>
</context>
<context>
    <name>label.edited-first-block</name>
    <message>
        <source>Editing Block:{1} ({2}), the first of {3} {2} blocks</source>
        <translation>Blocco:{1} ({2}) in modifica, il primo di {3} blocchi {2}</translation>
    </message>
</context>
<context>
    <name>label.file-changed</name>
    <message>
        <source>File Changed</source>
        <translation>File modificato</translation>
    </message>
</context>
<context>
    <name>label.size</name>
    <message>
        <source>Size :{1} bytes</source>
        <translation>Dim.: {1} byte</translation>
    </message>
</context>
<context>
    <name>list.and</name>
    <message>
        <source>{1} and {2}</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>{1} e {2}</translation>
    </message>
</context>
<context>
    <name>list.channels</name>
    <message numerus="yes">
        <source>{1} channels</source>
        <comment>{1} channel</comment>
        <translation>
            <numerusform>{1} canale</numerusform>
            <numerusform>{1} canali</numerusform>
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
        <translation>{1} e altri {2}</translation>
    </message>
</context>
<context>
    <name>list.no-block</name>
    <message>
        <source>The image has no {1} block.</source>
        <translation>L&apos;immagine non ha alcun blocco {1}.</translation>
    </message>
</context>
<context>
    <name>list.or</name>
    <message>
        <source>{1} or {2}</source>
        <extracomment>The last two choices of a list: &quot;a, b or c&quot;.</extracomment>
        <translation>{1} o {2}</translation>
    </message>
</context>
<context>
    <name>list.record-channel</name>
    <message>
        <source>channel</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>di canale</translation>
    </message>
</context>
<context>
    <name>list.record-transponder</name>
    <message>
        <source>transponder</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>di transponder</translation>
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
            <numerusform>{1} transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>moved.channel</name>
    <message>
        <source>Channel {1} is now {2}</source>
        <translation>Il canale {1} ora è {2}</translation>
    </message>
</context>
<context>
    <name>moved.down</name>
    <message>
        <source>{1} moved down one place</source>
        <translation>{1} spostato in giù di un posto</translation>
    </message>
</context>
<context>
    <name>moved.named</name>
    <message>
        <source>{1} is now {2}</source>
        <translation>{1} ora è {2}</translation>
    </message>
</context>
<context>
    <name>moved.together</name>
    <message>
        <source>{1} are now {2} to {3}</source>
        <translation>{1} ora sono da {2} a {3}</translation>
    </message>
</context>
<context>
    <name>moved.transponder</name>
    <message>
        <source>Transponder {1} is now {2}</source>
        <translation>Il transponder {1} ora è {2}</translation>
    </message>
</context>
<context>
    <name>moved.up</name>
    <message>
        <source>{1} moved up one place</source>
        <translation>{1} spostato in su di un posto</translation>
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
            <numerusform>{1} nuovo canale va alla fine</numerusform>
            <numerusform>{1} nuovi canali vanno alla fine</numerusform>
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
            <numerusform>{1} canale segue il riferimento</numerusform>
            <numerusform>{1} canali seguono il riferimento</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.khz-not-number</name>
    <message>
        <source>{1} {2} is not a number.</source>
        <translation>{1} {2} non è un numero.</translation>
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
        <translation>Manca il canale {1} del riferimento: {2}</translation>
    </message>
</context>
<context>
    <name>order.missing-some</name>
    <message numerus="yes">
        <source>{1} channels of the reference are not in this list</source>
        <comment>{1} channel of the reference is not in this list</comment>
        <translation>
            <numerusform>{1} canale del riferimento non è in questa lista</numerusform>
            <numerusform>{1} canali del riferimento non sono in questa lista</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.new</name>
    <message>
        <source>New channel {1}, now channel {2}</source>
        <translation>Nuovo canale {1}, ora canale {2}</translation>
    </message>
</context>
<context>
    <name>order.start</name>
    <message numerus="yes">
        <source>{1} new channels go to the start</source>
        <comment>{1} new channel goes to the start</comment>
        <translation>
            <numerusform>{1} nuovo canale va all&apos;inizio</numerusform>
            <numerusform>{1} nuovi canali vanno all&apos;inizio</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.too-many-rows</name>
    <message>
        <source>more channels than a TCS block holds ({1}).</source>
        <translation>più canali di quanti ne contenga un blocco TCS ({1}).</translation>
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
        <translation>Nessun transponder</translation>
    </message>
</context>
<context>
    <name>print.not-a-column</name>
    <message>
        <source>Column {1} is none of {2}.</source>
        <translation>La colonna {1} non è tra {2}.</translation>
    </message>
</context>
<context>
    <name>print.page</name>
    <message>
        <source>page {1} of {2}</source>
        <translation>pagina {1} di {2}</translation>
    </message>
</context>
<context>
    <name>print.twice</name>
    <message>
        <source>Column {1} is named twice.</source>
        <translation>La colonna {1} è indicata due volte.</translation>
    </message>
</context>
<context>
    <name>range.channel-beyond</name>
    <message>
        <source>Channel {1} is beyond the list of {2}.</source>
        <translation>Il canale {1} è oltre la lista di {2}.</translation>
    </message>
</context>
<context>
    <name>range.channel-first</name>
    <message>
        <source>Channel 1 is the first: it cannot move up.</source>
        <translation>Il canale 1 è il primo: non può salire.</translation>
    </message>
</context>
<context>
    <name>range.channel-last</name>
    <message>
        <source>Channel {1} is the last: it cannot move down.</source>
        <translation>Il canale {1} è l&apos;ultimo: non può scendere.</translation>
    </message>
</context>
<context>
    <name>range.channel-room</name>
    <message>
        <source>The TCS block holds at most {1} channels.</source>
        <translation>Il blocco TCS contiene al massimo {1} canali.</translation>
    </message>
</context>
<context>
    <name>range.channels-backwards</name>
    <message>
        <source>Channel range {1}-{2} runs backwards.</source>
        <translation>L&apos;intervallo di canali {1}-{2} è invertito.</translation>
    </message>
</context>
<context>
    <name>range.position-beyond</name>
    <message>
        <source>Position {1} is beyond the list of {2}.</source>
        <translation>La posizione {1} è oltre la lista di {2}.</translation>
    </message>
</context>
<context>
    <name>range.position-inside</name>
    <message>
        <source>Position {1} lies inside {2}-{3}.</source>
        <translation>La posizione {1} è all&apos;interno di {2}-{3}.</translation>
    </message>
</context>
<context>
    <name>range.remove-all-some</name>
    <message numerus="yes">
        <source>Remove {2} transponders and their {1} channels</source>
        <comment>Remove {2} transponders and their {1} channel</comment>
        <translation>
            <numerusform>Rimuovi {2} transponder e il loro canale</numerusform>
            <numerusform>Rimuovi {2} transponder e i loro {1} canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.remove-some</name>
    <message numerus="yes">
        <source>Remove transponder and its {1} channels</source>
        <comment>Remove transponder and its channel</comment>
        <translation>
            <numerusform>Rimuovi il transponder e il suo canale</numerusform>
            <numerusform>Rimuovi il transponder e i suoi {1} canali</numerusform>
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
            <numerusform>{1} canale usa il transponder {2} ({3} kHz).<byte value="xd"/>
Rimuovere il transponder e il suo canale?</numerusform>
            <numerusform>{1} canali usano il transponder {2} ({3} kHz).<byte value="xd"/>
Rimuovere il transponder e i suoi {1} canali?</numerusform>
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
            <numerusform>{1} canale usa i {2} transponder.<byte value="xd"/>
Rimuovere i {2} transponder e il loro canale?</numerusform>
            <numerusform>{1} canali usano i {2} transponder.<byte value="xd"/>
Rimuovere i {2} transponder e i loro {1} canali?</numerusform>
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
            <numerusform>{1} canale usa {3} dei {2} transponder.<byte value="xd"/>
Rimuovere i {2} transponder e il loro canale?</numerusform>
            <numerusform>{1} canali usano {3} dei {2} transponder.<byte value="xd"/>
Rimuovere i {2} transponder e i loro {1} canali?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.transponder-beyond</name>
    <message>
        <source>Transponder {1} is beyond the list of {2}.</source>
        <translation>Il transponder {1} è oltre la lista di {2}.</translation>
    </message>
</context>
<context>
    <name>range.transponder-first</name>
    <message>
        <source>Transponder 1 is the first: it cannot move up.</source>
        <translation>Il transponder 1 è il primo: non può salire.</translation>
    </message>
</context>
<context>
    <name>range.transponder-last</name>
    <message>
        <source>Transponder {1} is the last: it cannot move down.</source>
        <translation>Il transponder {1} è l&apos;ultimo: non può scendere.</translation>
    </message>
</context>
<context>
    <name>range.transponder-reach</name>
    <message>
        <source>A channel reaches at most {1} transponders.</source>
        <translation>Un canale raggiunge al massimo {1} transponder.</translation>
    </message>
</context>
<context>
    <name>range.transponders-backwards</name>
    <message>
        <source>Transponder range {1}-{2} runs backwards.</source>
        <translation>L&apos;intervallo di transponder {1}-{2} è invertito.</translation>
    </message>
</context>
<context>
    <name>satellite.above-most</name>
    <message>
        <source>SR {1} Msym/s is above the list&apos;s {2} Msym/s</source>
        <translation>SR {1} Msym/s supera i {2} Msym/s della lista</translation>
    </message>
</context>
<context>
    <name>satellite.already-in</name>
    <message>
        <source>Already in the list as transponder {1}</source>
        <translation>Già nella lista come transponder {1}</translation>
    </message>
</context>
<context>
    <name>satellite.below-1-msym</name>
    <message>
        <source>SR {1} Msym/s is below 1 Msym/s</source>
        <translation>SR {1} Msym/s è inferiore a 1 Msym/s</translation>
    </message>
</context>
<context>
    <name>satellite.circular</name>
    <message>
        <source>Circular polarisation {1}: the list holds V or H</source>
        <translation>Polarizzazione circolare {1}: la lista gestisce V o H</translation>
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
        <translation>{1}: memorizzato con il valore predefinito {2}</translation>
    </message>
</context>
<context>
    <name>satellite.holds-another</name>
    <message>
        <source>{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} sembra contenere un satellite diverso da {2} (le tabelle di {5} hanno solo {3} dei {4} su {1}): le righe indicate come presenti nella lista potrebbero essere transponder di un altro satellite, e potrebbe essere inteso un altro ingresso DiSEqC.</translation>
    </message>
</context>
<context>
    <name>satellite.holds-other</name>
    <message>
        <source>{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} sembra contenere {5} anziché {2} (le tabelle di {5} hanno {3} dei {4} su {1}): le righe indicate come presenti nella lista potrebbero essere transponder di un altro satellite, e potrebbe essere inteso un altro ingresso DiSEqC.</translation>
    </message>
</context>
<context>
    <name>satellite.lacks</name>
    <message>
        <source>{1}: the list lacks {2} of {3} transponders it could hold: {4}</source>
        <translation>{1}: alla lista mancano {2} dei {3} transponder che potrebbe contenere: {4}</translation>
    </message>
</context>
<context>
    <name>satellite.multistream</name>
    <message>
        <source>Multistream (STREAM_ID {1}): the list cannot choose a stream</source>
        <translation>Multistream (STREAM_ID {1}): la lista non può scegliere uno stream</translation>
    </message>
</context>
<context>
    <name>satellite.no-delivery-system</name>
    <message>
        <source>No DELIVERY_SYSTEM</source>
        <translation>Manca DELIVERY_SYSTEM</translation>
    </message>
</context>
<context>
    <name>satellite.no-fec</name>
    <message>
        <source>No INNER_FEC</source>
        <translation>Manca INNER_FEC</translation>
    </message>
</context>
<context>
    <name>satellite.no-frequency</name>
    <message>
        <source>No FREQUENCY</source>
        <translation>Manca FREQUENCY</translation>
    </message>
</context>
<context>
    <name>satellite.no-polarization</name>
    <message>
        <source>No POLARIZATION</source>
        <translation>Manca POLARIZATION</translation>
    </message>
</context>
<context>
    <name>satellite.no-room</name>
    <message>
        <source>No room left: a channel reaches at most {1} transponders</source>
        <translation>Spazio esaurito: un canale raggiunge al massimo {1} transponder</translation>
    </message>
</context>
<context>
    <name>satellite.no-symbol-rate</name>
    <message>
        <source>No SYMBOL_RATE</source>
        <translation>Manca SYMBOL_RATE</translation>
    </message>
</context>
<context>
    <name>satellite.not-in-table</name>
    <message>
        <source>{1} {2} is not in the table of {3}</source>
        <translation>{1} {2} non è nella tabella di {3}</translation>
    </message>
</context>
<context>
    <name>satellite.not-v-or-h</name>
    <message>
        <source>Polarisation {1} is not V or H</source>
        <translation>La polarizzazione {1} non è V né H</translation>
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
        <translation>{1}: il ricevitore sintonizza DVB-S QPSK e la lista non può indicare altro</translation>
    </message>
</context>
<context>
    <name>satellite.partial-add</name>
    <message>
        <source>The list has room for {1} of the {2} transponders that can be added: a channel reaches at most {3} transponders.<byte value="xd"/>
Add the first {1} and leave out the other {4} ?</source>
        <translation>La lista ha spazio per {1} dei {2} transponder che si possono aggiungere: un canale raggiunge al massimo {3} transponder.<byte value="xd"/>
Aggiungere i primi {1} e tralasciare gli altri {4}?</translation>
    </message>
</context>
<context>
    <name>satellite.repeats</name>
    <message>
        <source>Repeats {1}</source>
        <translation>Ripete {1}</translation>
    </message>
</context>
<context>
    <name>satellite.rounded</name>
    <message>
        <source>SR {1} Msym/s is stored rounded as {2}</source>
        <translation>SR {1} Msym/s viene memorizzato arrotondato a {2}</translation>
    </message>
</context>
<context>
    <name>satellite.rows-to-add</name>
    <message numerus="yes">
        <source>{2} of {1} rows to add</source>
        <comment>{2} of {1} row to add</comment>
        <translation>
            <numerusform>{2} di {1} riga da aggiungere</numerusform>
            <numerusform>{2} di {1} righe da aggiungere</numerusform>
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
        <translation>Impossibile leggere la tabella di scansione {1}: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.empty</name>
    <message>
        <source>it is empty</source>
        <translation>è vuota</translation>
    </message>
</context>
<context>
    <name>scan.folder-unreadable</name>
    <message>
        <source>The folder of scan tables {1} can not be read: {2}.</source>
        <translation>Impossibile leggere la cartella delle tabelle di scansione {1}: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.line</name>
    <message>
        <source>line {1}</source>
        <translation>riga {1}</translation>
    </message>
</context>
<context>
    <name>scan.line-says</name>
    <message>
        <source>line {1}: {2}</source>
        <translation>riga {1}: {2}</translation>
    </message>
</context>
<context>
    <name>scan.not-key-value</name>
    <message>
        <source>{1} is not KEY = VALUE in a section</source>
        <translation>{1} non è CHIAVE = VALORE in una sezione</translation>
    </message>
</context>
<context>
    <name>scan.not-table</name>
    <message>
        <source>{1} is not a scan table: {2}.</source>
        <translation>{1} non è una tabella di scansione: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.not-text</name>
    <message>
        <source>it is not UTF-8 or Latin-1 text</source>
        <translation>non è testo UTF-8 o Latin-1</translation>
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
        <translation>{1} riga {2}</translation>
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
        <translation>è più grande di {1} MiB, più di qualsiasi tabella</translation>
    </message>
</context>
<context>
    <name>scan.too-many-problems</name>
    <message>
        <source>more than {1} of its lines do not read ({2})</source>
        <translation>più di {1} delle sue righe non sono leggibili ({2})</translation>
    </message>
</context>
<context>
    <name>scan.too-many-rows</name>
    <message>
        <source>it has more than {1} sections</source>
        <translation>ha più di {1} sezioni</translation>
    </message>
</context>
<context>
    <name>scan.where-to-get</name>
    <message>
        <source>No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name a folder that holds them {2}.</source>
        <translation>Nessuna tabella di scansione DVB-S in {1}: su Debian e Ubuntu sono fornite dal pacchetto dtv-scan-tables; altrimenti indica una cartella che le contiene {2}.</translation>
    </message>
</context>
<context>
    <name>session.changed-on-disk</name>
    <message>
        <source>File : {1} has changed on disk since it was loaded !<byte value="xd"/>
Overwrite anyway ?</source>
        <translation>File: {1} è cambiato su disco dopo il caricamento!<byte value="xd"/>
Sovrascriverlo comunque?</translation>
    </message>
</context>
<context>
    <name>session.no-findings</name>
    <message>
        <source>No findings</source>
        <translation>Nessun problema</translation>
    </message>
</context>
<context>
    <name>session.save-before-exiting</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before exiting ?</source>
        <translation>Il file è stato modificato ma non salvato!<byte value="xd"/>
Salvare le modifiche prima di uscire?</translation>
    </message>
</context>
<context>
    <name>session.save-before-loading</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before loading ?</source>
        <translation>Il file è stato modificato ma non salvato!<byte value="xd"/>
Salvare le modifiche prima di caricare?</translation>
    </message>
</context>
<context>
    <name>set.given-twice</name>
    <message>
        <source>{1} is given twice: give each field once.</source>
        <translation>{1} è indicato due volte: indica ogni campo una sola volta.</translation>
    </message>
</context>
<context>
    <name>set.no-such-tp</name>
    <message>
        <source>{1} {2} names no transponder: the list has {3}.</source>
        <translation>{1} {2} non indica alcun transponder: la lista ha {3}.</translation>
    </message>
</context>
<context>
    <name>set.not-assignment</name>
    <message>
        <source>{1} is not FIELD=VALUE.</source>
        <translation>{1} non è CAMPO=VALORE.</translation>
    </message>
</context>
<context>
    <name>set.unknown-field</name>
    <message>
        <source>Unknown field {1}: the fields are {2}.</source>
        <translation>Campo sconosciuto {1}: i campi sono {2}.</translation>
    </message>
</context>
<context>
    <name>status.converting</name>
    <message>
        <source>Converting {1}...</source>
        <translation>Conversione di {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading</name>
    <message>
        <source>Loading {1}...</source>
        <translation>Caricamento di {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-converting</name>
    <message>
        <source>Loading and converting {1}...</source>
        <translation>Caricamento e conversione di {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-image</name>
    <message>
        <source>Loading... {1}</source>
        <translation>Caricamento... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving</name>
    <message>
        <source>Saving... {1}</source>
        <translation>Salvataggio... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving-block</name>
    <message>
        <source>Saving {1}...</source>
        <translation>Salvataggio di {1}...</translation>
    </message>
</context>
<context>
    <name>status.writing</name>
    <message>
        <source>Writing {1}...</source>
        <translation>Scrittura di {1}...</translation>
    </message>
</context>
<context>
    <name>step.apply-order</name>
    <message>
        <source>Apply order from {1}</source>
        <translation>Applica ordine da {1}</translation>
    </message>
</context>
<context>
    <name>step.change-channel</name>
    <message>
        <source>Change {1} of channel {2}</source>
        <translation>Modifica {1} del canale {2}</translation>
    </message>
</context>
<context>
    <name>step.change-transponder</name>
    <message>
        <source>Change {1} of transponder {2}</source>
        <translation>Modifica {1} del transponder {2}</translation>
    </message>
</context>
<context>
    <name>step.channel</name>
    <message>
        <source>channel {1}</source>
        <translation>canale {1}</translation>
    </message>
</context>
<context>
    <name>step.clear-block</name>
    <message>
        <source>Clear Block</source>
        <translation>Svuota blocco</translation>
    </message>
</context>
<context>
    <name>step.duplicate</name>
    <message>
        <source>Duplicate {1}</source>
        <translation>Duplica {1}</translation>
    </message>
</context>
<context>
    <name>step.import-channels</name>
    <message>
        <source>Import channels from {1}</source>
        <translation>Importa canali da {1}</translation>
    </message>
</context>
<context>
    <name>step.import-transponders</name>
    <message>
        <source>Import transponders from {1}</source>
        <translation>Importa transponder da {1}</translation>
    </message>
</context>
<context>
    <name>step.insert</name>
    <message>
        <source>Insert {1}</source>
        <translation>Inserisci {1}</translation>
    </message>
</context>
<context>
    <name>step.move</name>
    <message>
        <source>Move {1}</source>
        <translation>Sposta {1}</translation>
    </message>
</context>
<context>
    <name>step.needs-transponder</name>
    <message>
        <source>A new channel needs a transponder: the TPT list has none.</source>
        <translation>Un nuovo canale richiede un transponder: la lista TPT non ne ha.</translation>
    </message>
</context>
<context>
    <name>step.read-block</name>
    <message>
        <source>Read Block</source>
        <translation>Leggi blocco</translation>
    </message>
</context>
<context>
    <name>step.remove</name>
    <message>
        <source>Remove {1}</source>
        <translation>Rimuovi {1}</translation>
    </message>
</context>
<context>
    <name>step.remove-with-their</name>
    <message numerus="yes">
        <source>Remove {2} and their channels</source>
        <comment>Remove {2} and its channels</comment>
        <translation>
            <numerusform>Rimuovi {2} e i suoi canali</numerusform>
            <numerusform>Rimuovi {2} e i loro canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>step.rename</name>
    <message>
        <source>Rename channel {1}</source>
        <translation>Rinomina canale {1}</translation>
    </message>
</context>
<context>
    <name>step.sort-frequency</name>
    <message>
        <source>Sort channels by frequency</source>
        <translation>Ordina canali per frequenza</translation>
    </message>
</context>
<context>
    <name>step.sort-name</name>
    <message>
        <source>Sort channels by name</source>
        <translation>Ordina canali per nome</translation>
    </message>
</context>
<context>
    <name>step.sort-sid</name>
    <message>
        <source>Sort channels by SID</source>
        <translation>Ordina canali per SID</translation>
    </message>
</context>
<context>
    <name>step.swap-diseqc</name>
    <message>
        <source>Swap DiSEqC</source>
        <translation>Scambia DiSEqC</translation>
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
        <translation> Transponder scambiati tra DiSEqC A &lt;=&gt; B: {1}</translation>
    </message>
</context>
<context>
    <name>swap.select-tpt</name>
    <message>
        <source>Please select a TPT block to convert</source>
        <translation>Seleziona un blocco TPT da convertire</translation>
    </message>
</context>
<context>
    <name>tcs-text.blank-end</name>
    <message numerus="yes">
        <source>channels {2} end their names in blanks, which come back as NULs</source>
        <comment>channel {2} ends its name in blanks, which come back as NULs</comment>
        <translation>
            <numerusform>il canale {2} termina il nome con spazi, che tornano come NUL</numerusform>
            <numerusform>i canali {2} terminano il nome con spazi, che tornano come NUL</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.inner-nul</name>
    <message numerus="yes">
        <source>channels {2} hold NULs inside their names, which come back as blanks</source>
        <comment>channel {2} holds a NUL inside its name, which comes back as a blank</comment>
        <translation>
            <numerusform>il canale {2} ha un NUL nel nome, che torna come spazio</numerusform>
            <numerusform>i canali {2} hanno dei NUL nel nome, che tornano come spazi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.line-end</name>
    <message numerus="yes">
        <source>channels {2} hold a line-end byte in their names</source>
        <comment>channel {2} holds a line-end byte in its name</comment>
        <translation>
            <numerusform>il canale {2} ha un byte di fine riga nel nome</numerusform>
            <numerusform>i canali {2} hanno un byte di fine riga nel nome</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.shifted</name>
    <message>
        <source>records from {1} on shift their columns</source>
        <translation>i record da {1} in poi hanno le colonne spostate</translation>
    </message>
</context>
<context>
    <name>tcs-text.utf8-name</name>
    <message numerus="yes">
        <source>channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to keep them)</source>
        <comment>channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to keep it)</comment>
        <translation>
            <numerusform>il canale {2} ha un nome che viene riletto come UTF-8, come altri byte (scrivi il testo in UTF-8 per conservarlo)</numerusform>
            <numerusform>i canali {2} hanno nomi che vengono riletti come UTF-8, come altri byte (scrivi il testo in UTF-8 per conservarli)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>text.not-latin1</name>
    <message>
        <source>{1} holds a character that Latin-1 cannot store</source>
        <translation>{1} contiene un carattere che Latin-1 non può memorizzare</translation>
    </message>
</context>
<context>
    <name>tpt-text.band-holds</name>
    <message>
        <source>frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz</source>
        <translation>la frequenza {1} kHz è fuori intervallo: la banda {2} va da {3} a {4} kHz</translation>
    </message>
</context>
<context>
    <name>tpt-text.below-khz</name>
    <message numerus="yes">
        <source>transponders {2} keep digits below 1 kHz, which the text drops</source>
        <comment>transponder {2} keeps digits below 1 kHz, which the text drops</comment>
        <translation>
            <numerusform>il transponder {2} ha cifre sotto 1 kHz, che il testo omette</numerusform>
            <numerusform>i transponder {2} hanno cifre sotto 1 kHz, che il testo omette</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.comes-back</name>
    <message>
        <source>the list of {1} comes back as {2}, with zero records after the last used one</source>
        <translation>la lista di {1} torna come {2}, con record a zero dopo l&apos;ultimo usato</translation>
    </message>
</context>
<context>
    <name>tpt-text.diseqc-b</name>
    <message numerus="yes">
        <source>transponders {2} on DiSEqC B will read back as A</source>
        <comment>transponder {2} on DiSEqC B will read back as A</comment>
        <translation>
            <numerusform>il transponder {2} su DiSEqC B verrà riletto come A</numerusform>
            <numerusform>i transponder {2} su DiSEqC B verranno riletti come A</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec</name>
    <message numerus="yes">
        <source>transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4</source>
        <comment>transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4</comment>
        <translation>
            <numerusform>il transponder {2} ha un codice FEC che il testo mostra come 0/0 e rilegge come 3/4</numerusform>
            <numerusform>i transponder {2} hanno codici FEC che il testo mostra come 0/0 e rilegge come 3/4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec-moves</name>
    <message>
        <source>{1}, and it moves the columns after it</source>
        <translation>{1}, e sposta le colonne successive</translation>
    </message>
</context>
<context>
    <name>tpt-text.flags</name>
    <message numerus="yes">
        <source>transponders {2} have flag bits the text leaves out</source>
        <comment>transponder {2} has flag bits the text leaves out</comment>
        <translation>
            <numerusform>il transponder {2} ha bit di flag che il testo omette</numerusform>
            <numerusform>i transponder {2} hanno bit di flag che il testo omette</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.frequency</name>
    <message numerus="yes">
        <source>transponders {2}&apos; frequency fields hold more than the text reads back</source>
        <comment>transponder {2}&apos;s frequency field holds more than the text reads back</comment>
        <translation>
            <numerusform>il campo frequenza del transponder {2} contiene più di quanto il testo rilegge</numerusform>
            <numerusform>i campi frequenza dei transponder {2} contengono più di quanto il testo rilegge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.no-frequency</name>
    <message>
        <source>no frequency in columns 5-12</source>
        <translation>nessuna frequenza nelle colonne 5-12</translation>
    </message>
</context>
<context>
    <name>tpt-text.out-of-range</name>
    <message>
        <source>{1} out of range</source>
        <translation>{1} fuori intervallo</translation>
    </message>
</context>
<context>
    <name>tpt-text.records</name>
    <message numerus="yes">
        <source>{1} records</source>
        <comment>{1} record</comment>
        <translation>
            <numerusform>{1} record</numerusform>
            <numerusform>{1} record</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>transponder.fec-cannot-store</name>
    <message>
        <source>FEC {1} can not be stored: the list stores only {2}</source>
        <translation>FEC {1} non può essere memorizzato: la lista memorizza solo {2}</translation>
    </message>
</context>
<context>
    <name>transponder.fec-not-stored</name>
    <message>
        <source>FEC {1} is not one the list stores ({2})</source>
        <translation>FEC {1} non è tra quelli memorizzati dalla lista ({2})</translation>
    </message>
</context>
<context>
    <name>transponder.fec-stored-as</name>
    <message>
        <source>FEC {1} is stored as {2}</source>
        <translation>FEC {1} viene memorizzato come {2}</translation>
    </message>
</context>
<context>
    <name>transponder.khz-out-of-range</name>
    <message>
        <source>Frequency {1} kHz is out of range</source>
        <translation>La frequenza {1} kHz è fuori intervallo</translation>
    </message>
</context>
<context>
    <name>transponder.khz-outside-band</name>
    <message>
        <source>{1} kHz lies outside band {2}&apos;s {3} to {4} kHz</source>
        <translation>{1} kHz è fuori dall&apos;intervallo da {3} a {4} kHz della banda {2}</translation>
    </message>
</context>
<context>
    <name>transponder.outside-unit</name>
    <message>
        <source>{1} {2} {3} is outside {4} to {5} {3}</source>
        <translation>{1} {2} {3} è fuori dall&apos;intervallo da {4} a {5} {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-as-ks</name>
    <message>
        <source>{1}: as {2} kS/s it would be {3}</source>
        <translation>{1}: come {2} kS/s sarebbe {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-fraction</name>
    <message>
        <source>SR {1} is not a whole number of Msym/s: it would be stored as {2}.</source>
        <translation>SR {1} non è un numero intero di Msym/s: verrebbe memorizzato come {2}.</translation>
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
        <translation>Impossibile trovare il file {1}!</translation>
    </message>
</context>
<context>
    <name>viewer.not-shown</name>
    <message>
        <source>({1} more records are not shown)</source>
        <translation>(altri {1} record non mostrati)</translation>
    </message>
</context>
<context>
    <name>viewer.oversize</name>
    <message>
        <source>{1} FILE IS LARGER THAN 64Kb ({2} bytes)</source>
        <translation>FILE {1} PIÙ GRANDE DI 64 KB ({2} byte)</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable</name>
    <message>
        <source>File {1} can not be read!</source>
        <translation>Impossibile leggere il file {1}!</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable-because</name>
    <message>
        <source>File {1} can not be read!<byte value="xd"/>
{2}</source>
        <translation>Impossibile leggere il file {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>viewer.view-as</name>
    <message>
        <source>&amp;View as {1}</source>
        <translation>&amp;Mostra come {1}</translation>
    </message>
</context>
</TS>
