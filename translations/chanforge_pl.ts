<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>block.big-file</name>
    <message>
        <source>Block is bigger then 64Kb, load only first 64Kb ?</source>
        <translation>Blok jest większy niż 64 KB. Wczytać tylko pierwsze 64 KB?</translation>
    </message>
</context>
<context>
    <name>block.clear-question</name>
    <message>
        <source>Clear block  {1}?<byte value="xd"/>
Are you sure ?</source>
        <translation>Wyczyścić blok {1}?<byte value="xd"/>
Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>block.line</name>
    <message>
        <source>Block:{1} {2} (${3}-${4}) ${5} bytes</source>
        <translation>Blok:{1} {2} (${3}-${4}) ${5} bajtów</translation>
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
            <numerusform>Plik {2} ma {1} bajt, co nie odpowiada pełnej liczbie rekordów typu {3}.<byte value="xd"/>
Wczytać mimo to?</numerusform>
            <numerusform>Plik {2} ma {1} bajty, co nie odpowiada pełnej liczbie rekordów typu {3}.<byte value="xd"/>
Wczytać mimo to?</numerusform>
            <numerusform>Plik {2} ma {1} bajtów, co nie odpowiada pełnej liczbie rekordów typu {3}.<byte value="xd"/>
Wczytać mimo to?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>block.select-to-clear</name>
    <message>
        <source>Please select a block to Clear</source>
        <translation>Wybierz blok do wyczyszczenia</translation>
    </message>
</context>
<context>
    <name>block.select-to-convert</name>
    <message>
        <source>Please select a block to Convert (a TPT block!)</source>
        <translation>Wybierz blok do konwersji (blok TPT!)</translation>
    </message>
</context>
<context>
    <name>block.select-to-save</name>
    <message>
        <source>Please select a block to Save</source>
        <translation>Wybierz blok do zapisania</translation>
    </message>
</context>
<context>
    <name>block.select-to-update</name>
    <message>
        <source>Please select a block to Update</source>
        <translation>Wybierz blok do wczytania</translation>
    </message>
</context>
<context>
    <name>block.select-to-view</name>
    <message>
        <source>Please select a block to View</source>
        <translation>Wybierz blok do wyświetlenia</translation>
    </message>
</context>
<context>
    <name>cell.channels</name>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
</context>
<context>
    <name>cell.no-transponder</name>
    <message>
        <source>{1} · none</source>
        <translation>{1} · brak</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Kompilacja: %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3   (%4)</source>
        <translation>Wersja %1.%2.%3   (%4)</translation>
    </message>
    <message>
        <source>Welcome to Chanforge, the channel list editor for your receiver&apos;s flash image.<byte value="xd"/>
<byte value="xd"/>
This program has been made, because the conversion routines of DecLink can&apos;t cope with the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the receiver.<byte value="xd"/>
<byte value="xd"/>
This program is still in the BETA phase!<byte value="xd"/>
 Always check the results and filesize before flashing !</source>
        <translation>Witamy w programie Chanforge, edytorze listy kanałów dla obrazu flash odbiornika.<byte value="xd"/>
<byte value="xd"/>
Program powstał, ponieważ procedury konwersji programu DecLink nie radzą sobie z nowymi listami TCS i TPT na 2000 kanałów, które zapisuje nowy firmware 1.0 odbiornika.<byte value="xd"/>
<byte value="xd"/>
Ten program jest wciąż w fazie BETA!<byte value="xd"/>
 Przed flashowaniem zawsze sprawdzaj wyniki i rozmiar pliku!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation>Edytor list kanałów i transponderów</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation>Uwagi i sugestie można zgłaszać w systemie zgłoszeń (issue tracker) projektu.</translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation>Uwaga: tylko dla certyfikowanych techników! Bez gwarancji, używasz na własne ryzyko</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;systemu...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
    <message>
        <source>Copy &amp;Details</source>
        <translation>&amp;Kopiuj szczegóły</translation>
    </message>
    <message>
        <source>Copy the version, the system and where the settings are, for a report</source>
        <translation>Kopiuje wersję, system i położenie ustawień – do zgłoszenia błędu</translation>
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
        <translation>Język: %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Ustawienia: %1</translation>
    </message>
    <message>
        <source>(cannot be opened)</source>
        <translation>(nie można otworzyć)</translation>
    </message>
    <message>
        <source>Scan tables: %1</source>
        <translation>Tabele skanowania: %1</translation>
    </message>
    <message>
        <source>d-mmm-yyyy</source>
        <extracomment>The compile date&apos;s format in numbers, as QDate::toString reads it (&quot;dd.MM.yyyy&quot;).</extracomment>
        <translation>d.MM.yyyy</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Application</name>
    <message>
        <source>The command failed: %1
The image and its unsaved changes are kept as they were.</source>
        <translation>Polecenie nie powiodło się: %1
Obraz i jego niezapisane zmiany pozostają nienaruszone.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation>Podgląd bloku</translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation>Pokaż jako &amp;hex</translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation>Pokaż jako ....</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation>Konwertowanie bloku...</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation>dodano</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>usunięto</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>przeniesiono</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation>bajty %1-%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation>Obrazy są identyczne</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation>Sprawdzanie obrazu</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation>Satelita na DiSEqC &amp;%1:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation>Brak błędów i ostrzeżeń</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>with the Folder… button of Edit Lists &gt; Add from satellite</source>
        <translation>przyciskiem „Folder…” w oknie Edycja list &gt; Dodaj z satelity</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC %1</source>
        <translation>Satelita na DiSEqC %1</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation>Wybierz nazwę pliku</translation>
    </message>
    <message>
        <source>%1 Bin</source>
        <translation>%1 Bin</translation>
    </message>
    <message>
        <source>Declink Comp</source>
        <translation>Format Declink</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>Tekst UTF-8</translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation>Zapisuje plik tekstowy w UTF-8, dla edytora, który tak go odczytuje. Oba rodzaje plików dają po odczycie tę samą listę.</translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation>Konwertuje plik binarny %1 na plik tekstowy</translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation>Konwertuje plik tekstowy %1 na plik binarny</translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation>%1 Txt</translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation>Wybierz plik binarny listy kanałów</translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation>Wybierz plik binarny listy transponderów</translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation>Plik binarny listy kanałów</translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation>Plik binarny listy transponderów</translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation>Konwertuj listę kanałów na tekst</translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation>Konwertuj listę transponderów na tekst</translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation>Konwertuj tekst na listę kanałów</translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation>Konwertuj tekst na listę transponderów</translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation>Wybierz plik tekstowy listy kanałów</translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation>Wybierz plik tekstowy listy transponderów</translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation>Plik tekstowy listy kanałów</translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation>Plik tekstowy listy transponderów</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Pliki CSV</translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation>Obrazy i CSV kanałów</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Pliki PDF</translation>
    </message>
    <message>
        <source>Bin Files</source>
        <translation>Pliki Bin</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FindBox</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Edit Lists</source>
        <translation>Edycja list</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Szukaj kanałów</translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanały</translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation>Szukaj transponderów</translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation>Lista transponderów</translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation>&amp;Transpondery</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation>Dowolny tekst wiersza, tak jak jest wyświetlany (Ctrl+F)</translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation>Dodaj &amp;z satelity…</translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation>Dodaje transpondery z tabeli skanowania DVB-S wybranego satelity</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Szukaj:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Wstaw</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dup&amp;likuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sortuj według</translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation>&amp;Sortuj według…</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Zna&amp;jdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Insert a new row before the current one</source>
        <translation>Wstawia nowy wiersz przed bieżącym</translation>
    </message>
    <message>
        <source>Copy the selected rows behind the last of them</source>
        <translation>Kopiuje zaznaczone wiersze za ostatni z nich</translation>
    </message>
    <message>
        <source>Remove the selected rows</source>
        <translation>Usuwa zaznaczone wiersze</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place up in the whole list</source>
        <translation>Przesuwa każdą grupę zaznaczonych wierszy o jedno miejsce w górę w całej liście</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place down in the whole list</source>
        <translation>Przesuwa każdą grupę zaznaczonych wierszy o jedno miejsce w dół w całej liście</translation>
    </message>
    <message>
        <source>Put the channels in order by name, SID or frequency, as one step</source>
        <translation>Porządkuje kanały według nazwy, SID lub częstotliwości, w jednym kroku</translation>
    </message>
    <message>
        <source>Show only the rows with a text</source>
        <translation>Pokazuje tylko wiersze zawierające tekst</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Więcej działań</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation>Podgląd TCS/TPT</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation>Pokaż z&amp;miany…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation>Edytuj &amp;listy…</translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation>Zastosuj &amp;kolejność z…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation>&amp;Sprawdź obraz</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Porównaj z…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Obsługa plików</translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation>&amp;Wczytaj Bin</translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation>&amp;Zapisz Bin</translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation>Rozmiar: 0 B</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Operacje na bloku</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Tylko dane</translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation>Blok 64 KB</translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation>Wczy&amp;taj blok</translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation>Zapisz &amp;blok</translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation>&amp;DiSEqC A↔B (Monoblock)</translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation>W&amp;yczyść</translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation>Pok&amp;aż</translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation>Konwersja listy kanałów (TCS)</translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation>Konwersja listy transponderów (TPT)</translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation>Pokaż &amp;listy</translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation>Blok:%1 (%2) z %3</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (niezapisany)</translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation>Kanały jako CSV…</translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation>Transpondery jako CSV…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Ostatnie pliki</translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation>%1 już nie istnieje: usunięto z listy „Ostatnie pliki”</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Eksport kanałów</translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation>Eksport transponderów</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Import kanałów</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Import transponderów</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Zastosuj kolejność z</translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation>Wczytuje plik obrazu flash</translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation>Zapisuje obraz flash do jego pliku</translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation>Operacje na bloku dotyczą tylko danych bloku</translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation>Operacje na bloku dotyczą całego bloku 64 KB, razem z nagłówkiem</translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation>Wczytuje plik do zaznaczonego bloku</translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation>Zapisuje zaznaczony blok do pliku</translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation>Zamienia wejścia DiSEqC A i B każdego transpondera w zaznaczonym bloku TPT</translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation>Czyści zaznaczony blok</translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation>Pokazuje zaznaczony blok szesnastkowo lub jako listę</translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation>Wybiera binarny plik listy TCS</translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation>Wybiera plik tekstowy TCS</translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation>Wybiera binarny plik listy TPT</translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation>Wybiera plik tekstowy TPT</translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation>Zapisuje i odczytuje tekst TPT bez kolumny DiSEqC, tak jak DecLink</translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation>Pokazuje binarne pliki TCS i TPT jako listy</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>O programie Chanforge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Write the image back to the file it was loaded from</source>
        <translation>Zapisuje obraz z powrotem do pliku, z którego został wczytany</translation>
    </message>
    <message>
        <source>Save the image under a name you choose</source>
        <translation>Zapisuje obraz pod wybraną nazwą</translation>
    </message>
    <message>
        <source>List what changed since the image was loaded or saved</source>
        <translation>Wyświetla zmiany od wczytania lub zapisania obrazu</translation>
    </message>
    <message>
        <source>Write the channel list as CSV, for a spreadsheet</source>
        <translation>Zapisuje listę kanałów jako CSV, do arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Write the transponder list as CSV, for a spreadsheet</source>
        <translation>Zapisuje listę transponderów jako CSV, do arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Read the channel list from a CSV file</source>
        <translation>Wczytuje listę kanałów z pliku CSV</translation>
    </message>
    <message>
        <source>Read the transponder list from a CSV file</source>
        <translation>Wczytuje listę transponderów z pliku CSV</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Drukuje listę kanałów</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF file</source>
        <translation>Zapisuje listę kanałów jako plik PDF</translation>
    </message>
    <message>
        <source>Close Chanforge</source>
        <translation>Zamyka program Chanforge</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Cofa ostatnią zmianę</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Ponawia cofniętą zmianę</translation>
    </message>
    <message>
        <source>Edit the channels and transponders in tables</source>
        <translation>Edytuje kanały i transpondery w tabelach</translation>
    </message>
    <message>
        <source>Put the channels in the order of another image or of a channel CSV</source>
        <translation>Ustawia kanały w kolejności z innego obrazu lub pliku CSV kanałów</translation>
    </message>
    <message>
        <source>List what would likely make the image misbehave</source>
        <translation>Wyszukuje w obrazie to, co może zakłócić jego działanie</translation>
    </message>
    <message>
        <source>List the changes between another image and this one</source>
        <translation>Wyświetla zmiany między innym obrazem a bieżącym</translation>
    </message>
    <message>
        <source>Which program and version this is</source>
        <translation>Nazwa i wersja programu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Język &amp;systemowy</translation>
    </message>
    <message>
        <source>Language from the next start: the system&apos;s</source>
        <translation>Język od następnego uruchomienia: systemowy</translation>
    </message>
    <message>
        <source>Language from the next start: %1</source>
        <translation>Język od następnego uruchomienia: %1</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written</source>
        <translation>Nie zapamiętano języka: nie można zapisać ustawień</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Eksport do PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation>Bez grupowania</translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation>Według wejścia DiSEqC</translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation>Według transpondera</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Jedna</translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation>Dwie, jeśli się zmieszczą</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>G&amp;rupowanie:</translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation>&amp;Listy obok siebie:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation>&amp;Kolumny (zaznacz, potem przeciągnij lub przesuń, by ustalić kolejność):</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Eksportuj…</translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation>P&amp;odgląd…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Eksportuj do &amp;PDF…</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Questions</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation>Dodaj z satelity</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Folder…</translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation>Wybiera folder z tabelami skanowania DVB-S</translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation>Szukaj satelity</translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation>Nazwa lub pozycja</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Wiersze</translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation>Transpondery satelity</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation>Wejście DiSEqC:</translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation>FEC dla wierszy, których lista nie może zapisać w podanej postaci:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation>Tabele: %1</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Folder tabel skanowania DVB-S</translation>
    </message>
    <message>
        <source>with the Folder… button</source>
        <translation>przyciskiem „Folder…”</translation>
    </message>
</context>
<context>
    <name>changes.count</name>
    <message numerus="yes">
        <source>{1} changes</source>
        <comment>{1} change</comment>
        <translation>
            <numerusform>{1} zmiana</numerusform>
            <numerusform>{1} zmiany</numerusform>
            <numerusform>{1} zmian</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changes.more-ranges</name>
    <message numerus="yes">
        <source>{1} more byte ranges</source>
        <comment>{1} more byte range</comment>
        <translation>
            <numerusform>jeszcze {1} zakres bajtów</numerusform>
            <numerusform>jeszcze {1} zakresy bajtów</numerusform>
            <numerusform>jeszcze {1} zakresów bajtów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>channel.line-out-of-range</name>
    <message>
        <source>{1} value {2} is out of range</source>
        <translation>{1}: wartość {2} jest poza zakresem</translation>
    </message>
</context>
<context>
    <name>channel.name-ends-in-blank</name>
    <message>
        <source>{1} {2} ends in a blank, which the list would store as a NUL: leave it out.</source>
        <translation>{1} {2} kończy się spacją, którą lista zapisałaby jako NUL: usuń ją.</translation>
    </message>
</context>
<context>
    <name>channel.name-too-long</name>
    <message>
        <source>{1} {2} is {3} bytes long; at most {4} fit.</source>
        <translation>{1} {2} zajmuje {3} B; mieści się najwyżej {4} B.</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-sid</name>
    <message>
        <source>the receiver finds only one of two services with one SID</source>
        <translation>odbiornik znajduje tylko jedną z dwóch usług o tym samym SID</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-transponder</name>
    <message>
        <source>two entries for one transponder split its channels</source>
        <translation>dwa wpisy jednego transpondera dzielą jego kanały między siebie</translation>
    </message>
</context>
<context>
    <name>check-why.empty-record-inside</name>
    <message>
        <source>a free slot between channels shows as a blank entry</source>
        <translation>wolne miejsce między kanałami jest widoczne jako pusty wpis</translation>
    </message>
</context>
<context>
    <name>check-why.frequency-range</name>
    <message>
        <source>the tuner takes 950 to 2150 MHz after the LNB: each band&apos;s oscillator bounds its range</source>
        <translation>tuner odbiera od 950 do 2150 MHz za konwerterem LNB: oscylator każdego pasma wyznacza jego zakres</translation>
    </message>
</context>
<context>
    <name>check-why.hidden-flags</name>
    <message>
        <source>the text file cannot keep these bits: a round trip drops them</source>
        <translation>plik tekstowy nie przechowuje tych bitów: konwersja tam i z powrotem je gubi</translation>
    </message>
</context>
<context>
    <name>check-why.image-size</name>
    <message>
        <source>the receiver&apos;s flash holds exactly 524288 bytes</source>
        <translation>pamięć flash odbiornika mieści dokładnie 524288 bajtów</translation>
    </message>
</context>
<context>
    <name>check-why.length-past-end</name>
    <message>
        <source>the receiver would read its list from the next block</source>
        <translation>odbiornik odczytałby swoją listę z następnego bloku</translation>
    </message>
</context>
<context>
    <name>check-why.name-control-bytes</name>
    <message>
        <source>control bytes garble the menu and the text file</source>
        <translation>bajty sterujące psują menu i plik tekstowy</translation>
    </message>
</context>
<context>
    <name>check-why.no-usable-blocks</name>
    <message>
        <source>the lists to edit live in the blocks named TCS and TPT</source>
        <translation>listy do edycji znajdują się w blokach o nazwach TCS i TPT</translation>
    </message>
</context>
<context>
    <name>check-why.not-on-satellite</name>
    <message>
        <source>the chosen satellite&apos;s scan table lacks it: moved, ended, mistyped or on another input</source>
        <translation>w tabeli skanowania wybranego satelity go nie ma: przeniesiony, wyłączony, błędnie wpisany lub na innym wejściu</translation>
    </message>
</context>
<context>
    <name>check-why.part-record</name>
    <message>
        <source>a cut record shifts every record the receiver reads after it</source>
        <translation>ucięty rekord przesuwa każdy rekord, który odbiornik odczyta po nim</translation>
    </message>
</context>
<context>
    <name>check-why.satellite-gap</name>
    <message>
        <source>the chosen satellite&apos;s scan table has transponders the list lacks</source>
        <translation>tabela skanowania wybranego satelity zawiera transpondery, których brakuje na liście</translation>
    </message>
</context>
<context>
    <name>check-why.second-list</name>
    <message>
        <source>the receiver reads only one channel and one transponder list</source>
        <translation>odbiornik odczytuje tylko jedną listę kanałów i jedną listę transponderów</translation>
    </message>
</context>
<context>
    <name>check-why.sid-zero</name>
    <message>
        <source>no service has SID 0: a new channel&apos;s SID is still to be set</source>
        <translation>żadna usługa nie ma SID 0: trzeba jeszcze ustawić SID nowego kanału</translation>
    </message>
</context>
<context>
    <name>check-why.too-many-channels</name>
    <message>
        <source>more channels than the firmware is known to hold</source>
        <translation>więcej kanałów, niż wynosi znany limit firmware</translation>
    </message>
</context>
<context>
    <name>check-why.tp-missing</name>
    <message>
        <source>a channel without its transponder cannot be tuned</source>
        <translation>kanału bez jego transpondera nie da się dostroić</translation>
    </message>
</context>
<context>
    <name>check-why.unknown-fec</name>
    <message>
        <source>the text file shows the code as 0/0 and stores another for it</source>
        <translation>plik tekstowy pokazuje kod jako 0/0 i zapisuje w jego miejsce inny</translation>
    </message>
</context>
<context>
    <name>check.another-list</name>
    <message>
        <source>another {1} block; the receiver uses one</source>
        <translation>kolejny blok {1}; odbiornik używa tylko jednego</translation>
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
        <translation>blok {1} kanał {2}</translation>
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
        <translation>bajt sterujący {1} na pozycji {2}</translation>
    </message>
</context>
<context>
    <name>check.error-line</name>
    <message>
        <source>error: {1}: {2}</source>
        <translation>błąd: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.errors</name>
    <message numerus="yes">
        <source>{1} errors</source>
        <comment>{1} error</comment>
        <translation>
            <numerusform>{1} błąd</numerusform>
            <numerusform>{1} błędy</numerusform>
            <numerusform>{1} błędów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check.free-slot</name>
    <message>
        <source>free slot inside the list</source>
        <translation>wolne miejsce wewnątrz listy</translation>
    </message>
</context>
<context>
    <name>check.hidden-flags</name>
    <message>
        <source>flag bits {1} do not show in the text line</source>
        <translation>bity flag {1} nie są widoczne w linii tekstu</translation>
    </message>
</context>
<context>
    <name>check.image</name>
    <message>
        <source>image</source>
        <translation>obraz</translation>
    </message>
</context>
<context>
    <name>check.image-size</name>
    <message>
        <source>size is {1} bytes, not {2}</source>
        <translation>rozmiar wynosi {1} B zamiast {2}</translation>
    </message>
</context>
<context>
    <name>check.line-end-byte</name>
    <message>
        <source>line-end byte {1} at position {2}</source>
        <translation>bajt końca linii {1} na pozycji {2}</translation>
    </message>
</context>
<context>
    <name>check.no-tp</name>
    <message>
        <source>no transponder (0x00)</source>
        <translation>brak transpondera (0x00)</translation>
    </message>
</context>
<context>
    <name>check.no-usable-blocks</name>
    <message>
        <source>no usable blocks: no block is named TCS or TPT</source>
        <translation>brak użytecznych bloków: żaden blok nie nazywa się TCS ani TPT</translation>
    </message>
</context>
<context>
    <name>check.not-multiple</name>
    <message>
        <source>data length {1} is not a multiple of {2}</source>
        <translation>długość danych {1} nie jest wielokrotnością {2}</translation>
    </message>
</context>
<context>
    <name>check.past-block</name>
    <message>
        <source>data length {1} runs past the block&apos;s end (room for {2})</source>
        <translation>długość danych {1} wykracza poza koniec bloku (miejsce na {2})</translation>
    </message>
</context>
<context>
    <name>check.past-image</name>
    <message>
        <source>data length {1} runs past the image&apos;s end</source>
        <translation>długość danych {1} wykracza poza koniec obrazu</translation>
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
        <translation>SID {1} na transponderze {2} występuje też w kanale {3}</translation>
    </message>
</context>
<context>
    <name>check.same-transponder</name>
    <message>
        <source>{1} kHz on DiSEqC {2} also at transponder {3}</source>
        <translation>{1} kHz na DiSEqC {2} występuje też w transponderze {3}</translation>
    </message>
</context>
<context>
    <name>check.save-despite</name>
    <message>
        <source>The image has {1} (first: {2}: {3}).<byte value="xd"/>
Save anyway ?</source>
        <translation>Obraz zawiera {1} (pierwszy: {2}: {3}).<byte value="xd"/>
Zapisać mimo to?</translation>
    </message>
</context>
<context>
    <name>check.sid-zero</name>
    <message>
        <source>SID 0 names no service</source>
        <translation>SID 0 nie oznacza żadnej usługi</translation>
    </message>
</context>
<context>
    <name>check.too-many</name>
    <message>
        <source>{1} channels; the firmware holds {2}</source>
        <translation>liczba kanałów: {1}; firmware obsługuje {2}</translation>
    </message>
</context>
<context>
    <name>check.tp-beyond</name>
    <message>
        <source>transponder {1} does not exist ({2} used)</source>
        <translation>transponder {1} nie istnieje (używanych: {2})</translation>
    </message>
</context>
<context>
    <name>check.tp-empty</name>
    <message>
        <source>transponder {1} is empty</source>
        <translation>transponder {1} jest pusty</translation>
    </message>
</context>
<context>
    <name>check.unknown-fec</name>
    <message>
        <source>FEC code {1} shows as {2}; the text line stores {3} for it</source>
        <translation>kod FEC {1} jest wyświetlany jako {2}; linia tekstu zapisuje w jego miejsce {3}</translation>
    </message>
</context>
<context>
    <name>check.warning-line</name>
    <message>
        <source>warning: {1}: {2}</source>
        <translation>ostrzeżenie: {1}: {2}</translation>
    </message>
</context>
<context>
    <name>check.warnings</name>
    <message numerus="yes">
        <source>{1} warnings</source>
        <comment>{1} warning</comment>
        <translation>
            <numerusform>{1} ostrzeżenie</numerusform>
            <numerusform>{1} ostrzeżenia</numerusform>
            <numerusform>{1} ostrzeżeń</numerusform>
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
        <translation>{1}, a wartość zostałaby zapisana jako {2}</translation>
    </message>
</context>
<context>
    <name>columns.blank</name>
    <message>
        <source>{1} is blank</source>
        <translation>pole {1} jest puste</translation>
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
        <translation>kolumna {1} zawiera {2}, a nie {3}</translation>
    </message>
</context>
<context>
    <name>columns.gap-wide</name>
    <message>
        <source>the gap before {1} is {2} columns wide, not {3}</source>
        <translation>odstęp przed polem {1} ma szerokość {2} kol., a nie {3}</translation>
    </message>
</context>
<context>
    <name>columns.line-ends</name>
    <message>
        <source>the line ends in column {1}: {2} are missing</source>
        <translation>linia kończy się w kolumnie {1}, brakuje: {2}</translation>
    </message>
</context>
<context>
    <name>columns.missing</name>
    <message>
        <source>{1} is missing</source>
        <translation>brakuje pola {1}</translation>
    </message>
</context>
<context>
    <name>columns.moves-left</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the left</source>
        <translation>{1}: {2} i kolejne kolumny przesuwają się o {3} kol. w lewo</translation>
    </message>
</context>
<context>
    <name>columns.moves-right</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the right</source>
        <translation>{1}: {2} i kolejne kolumny przesuwają się o {3} kol. w prawo</translation>
    </message>
</context>
<context>
    <name>columns.name-takes</name>
    <message>
        <source>the name {1} and its blanks take {2} columns, not {3}</source>
        <translation>nazwa {1} wraz ze spacjami zajmuje {2} kol., a nie {3}</translation>
    </message>
</context>
<context>
    <name>columns.not-blank</name>
    <message>
        <source>column {1} is not a blank</source>
        <translation>w kolumnie {1} nie ma spacji</translation>
    </message>
</context>
<context>
    <name>columns.not-hex</name>
    <message>
        <source>{1} {2} is not a hex number</source>
        <translation>{1} {2} nie jest liczbą szesnastkową</translation>
    </message>
</context>
<context>
    <name>columns.not-read</name>
    <message>
        <source>text after column {1} is not read</source>
        <translation>tekst za kolumną {1} nie jest odczytywany</translation>
    </message>
</context>
<context>
    <name>columns.number-ends</name>
    <message>
        <source>the record number {1} ends in column {2}, not {3}</source>
        <translation>numer rekordu {1} kończy się w kolumnie {2}, a nie {3}</translation>
    </message>
</context>
<context>
    <name>columns.record-number</name>
    <message>
        <source>the record number</source>
        <translation>numer rekordu</translation>
    </message>
</context>
<context>
    <name>columns.stored-as</name>
    <message>
        <source>{1}: it would be stored as {2}</source>
        <translation>{1}: wartość zostałaby zapisana jako {2}</translation>
    </message>
</context>
<context>
    <name>columns.tab</name>
    <message>
        <source>column {1} holds a tab, one column however wide an editor shows it; {2}</source>
        <translation>kolumna {1} zawiera tabulator, który liczy się jako jedna kolumna, niezależnie od tego, jak szeroko pokazuje go edytor; {2}</translation>
    </message>
</context>
<context>
    <name>columns.the-name</name>
    <message>
        <source>the name</source>
        <translation>nazwa</translation>
    </message>
</context>
<context>
    <name>columns.token-wide</name>
    <message>
        <source>{1} {2} is {3} characters wide, not {4}</source>
        <translation>{1} {2} ma szerokość {3} zn., a nie {4}</translation>
    </message>
</context>
<context>
    <name>convert.anyway</name>
    <message>
        <source>Convert anyway ?</source>
        <translation>Konwertować mimo to?</translation>
    </message>
</context>
<context>
    <name>convert.large-list</name>
    <message>
        <source>File is bigger then 64Kb, load anyway ?</source>
        <translation>Plik jest większy niż 64 KB. Wczytać mimo to?</translation>
    </message>
</context>
<context>
    <name>convert.line-refused</name>
    <message>
        <source>Line {1} of {2} can not be converted: {3}</source>
        <translation>Nie można przekonwertować linii {1} pliku {2}: {3}</translation>
    </message>
</context>
<context>
    <name>convert.more-lines</name>
    <message>
        <source>and {1} more</source>
        <translation>i jeszcze {1}</translation>
    </message>
</context>
<context>
    <name>convert.part-bytes</name>
    <message numerus="yes">
        <source>the last {1} bytes are not a whole record and are left out</source>
        <comment>the last byte is not a whole record and is left out</comment>
        <translation>
            <numerusform>ostatni bajt nie jest pełnym rekordem i zostaje pominięty</numerusform>
            <numerusform>ostatnie {1} bajty nie są pełnym rekordem i zostają pominięte</numerusform>
            <numerusform>ostatnich {1} bajtów nie jest pełnym rekordem i zostaje pominiętych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.round-trip</name>
    <message>
        <source>The text will not convert back to the same list: {1}<byte value="xd"/>
{2}</source>
        <translation>Tekst nie zostanie przekonwertowany z powrotem na tę samą listę: {1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>convert.unstored</name>
    <message numerus="yes">
        <source>{1} lines of {2} will not be stored as written:</source>
        <comment>{1} line of {2} will not be stored as written:</comment>
        <translation>
            <numerusform>{1} linia pliku {2} nie zostanie zapisana w podanej postaci:</numerusform>
            <numerusform>{1} linie pliku {2} nie zostaną zapisane w podanej postaci:</numerusform>
            <numerusform>{1} linii pliku {2} nie zostanie zapisanych w podanej postaci:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.unstored-line</name>
    <message>
        <source>Line {1}: {2}<byte value="xd"/>
  as written: &quot;{3}&quot;<byte value="xd"/>
  read back:  &quot;{4}&quot;</source>
        <translation>Linia {1}: {2}<byte value="xd"/>
  jak napisano: &quot;{3}&quot;<byte value="xd"/>
  po odczycie:  &quot;{4}&quot;</translation>
    </message>
</context>
<context>
    <name>csv.after-quote</name>
    <message>
        <source>Text follows a closing quote.</source>
        <translation>Po cudzysłowie zamykającym występuje tekst.</translation>
    </message>
</context>
<context>
    <name>csv.column-twice</name>
    <message>
        <source>Column {1} is there twice: which one to read is unclear.</source>
        <translation>Kolumna {1} występuje dwa razy: nie wiadomo, którą odczytać.</translation>
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
            <numerusform>{1} nazwa stałaby się pusta: {2}.<byte value="xd"/>
Wyczyścić ją?</numerusform>
            <numerusform>{1} nazwy stałyby się puste: {2}.<byte value="xd"/>
Wyczyścić je?</numerusform>
            <numerusform>{1} nazw stałoby się pustych: {2}.<byte value="xd"/>
Wyczyścić je?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>csv.emptied-name</name>
    <message>
        <source>channel {1} {2}</source>
        <translation>kanał {1} {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-channels</name>
    <message>
        <source>Exported {1} channels to {2}</source>
        <translation>Kanały wyeksportowane do {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.exported-transponders</name>
    <message>
        <source>Exported {1} transponders to {2}</source>
        <translation>Transpondery wyeksportowane do {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.garbled</name>
    <message>
        <source>The file starts with &quot;{1}&quot;: it was read in a Western character set, which garbles accented letters. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Plik zaczyna się od „{1}”: został odczytany w zachodnioeuropejskim zestawie znaków, który psuje litery ze znakami diakrytycznymi. Otwórz wyeksportowany plik ponownie, wybierając zestaw znaków Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.garbled-mark-skipped</name>
    <message>
        <source>{1} starts with a byte order mark read in a Western character set; the rest of the file is plain ASCII, which that does not garble, so the mark is left out.</source>
        <translation>{1} zaczyna się znacznikiem kolejności bajtów (BOM) odczytanym w zachodnioeuropejskim zestawie znaków; reszta pliku to czysty ASCII, którego ten zestaw nie psuje, więc znacznik zostaje pominięty.</translation>
    </message>
</context>
<context>
    <name>csv.imported-channels</name>
    <message>
        <source>Imported {1} channels from {2}</source>
        <translation>Kanały zaimportowane z {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.imported-transponders</name>
    <message>
        <source>Imported {1} transponders from {2}</source>
        <translation>Transpondery zaimportowane z {2}: {1}</translation>
    </message>
</context>
<context>
    <name>csv.inner-quote</name>
    <message>
        <source>A quote inside a field that does not start with one.</source>
        <translation>Cudzysłów wewnątrz pola, które nie zaczyna się od cudzysłowu.</translation>
    </message>
</context>
<context>
    <name>csv.line-of-file</name>
    <message>
        <source>Line {1} of {2}: {3}</source>
        <translation>Linia {1} pliku {2}: {3}</translation>
    </message>
</context>
<context>
    <name>csv.mark-twice</name>
    <message>
        <source>The file starts with two byte order marks: a program added one to a file that had it. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Plik zaczyna się dwoma znacznikami kolejności bajtów (BOM): program dodał drugi do pliku, który już go miał. Otwórz wyeksportowany plik ponownie, wybierając zestaw znaków Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.missing-column</name>
    <message>
        <source>Missing column {1}.</source>
        <translation>Brak kolumny {1}.</translation>
    </message>
</context>
<context>
    <name>csv.no-rows</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2}.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} nie zawiera wierszy: import opróżniłby listę ({2}).<byte value="xd"/>
Opróżnić listę?</translation>
    </message>
</context>
<context>
    <name>csv.no-rows-channels</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2} and remove the {3} on them.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} nie zawiera wierszy: import opróżniłby listę ({2}) i usunąłby {3} na tych transponderach.<byte value="xd"/>
Opróżnić listę?</translation>
    </message>
</context>
<context>
    <name>csv.not-closed</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
</context>
<context>
    <name>csv.not-utf8</name>
    <message>
        <source>Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8</source>
        <translation>Linia {1} pliku {2} nie jest tekstem UTF-8: zapisz plik CSV w UTF-8</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-channel</name>
    <message>
        <source>Nr {1} names no channel: the list has {2}.</source>
        <translation>Nr {1} nie wskazuje żadnego kanału: długość listy to {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-transponder</name>
    <message>
        <source>Nr {1} names no transponder: the list has {2}.</source>
        <translation>Nr {1} nie wskazuje żadnego transpondera: długość listy to {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-not-number</name>
    <message>
        <source>Nr {1} is not a number.</source>
        <translation>Nr {1} nie jest liczbą.</translation>
    </message>
</context>
<context>
    <name>csv.transponder-beyond</name>
    <message>
        <source>Transponder {1} would move to row {2}, beyond the {3} its channels can reach.</source>
        <translation>Transponder {1} trafiłby do wiersza {2}, poza pierwsze {3}, do których mogą odwoływać się jego kanały.</translation>
    </message>
</context>
<context>
    <name>diff.added</name>
    <message>
        <source>{1} added</source>
        <translation>{1}: dodano</translation>
    </message>
</context>
<context>
    <name>diff.added-label</name>
    <message>
        <source>{1} added: {2}</source>
        <translation>{1}: dodano {2}</translation>
    </message>
</context>
<context>
    <name>diff.bytes</name>
    <message>
        <source>{1} bytes {2}-{3} changed</source>
        <translation>{1}: zmienione bajty {2}-{3}</translation>
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
            <numerusform>{2}: jeszcze {1} zmieniony zakres bajtów</numerusform>
            <numerusform>{2}: jeszcze {1} zmienione zakresy bajtów</numerusform>
            <numerusform>{2}: jeszcze {1} zmienionych zakresów bajtów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>diff.moved</name>
    <message>
        <source>{1} moved from {2}</source>
        <translation>{1}: przeniesiono z {2}</translation>
    </message>
</context>
<context>
    <name>diff.moved-label</name>
    <message>
        <source>{1} moved from {2}: {3}</source>
        <translation>{1}: {3} przeniesiono z {2}</translation>
    </message>
</context>
<context>
    <name>diff.no-transponder</name>
    <message>
        <source>{1} (no transponder)</source>
        <translation>{1} (brak transpondera)</translation>
    </message>
</context>
<context>
    <name>diff.past-blocks</name>
    <message>
        <source>past the blocks</source>
        <translation>za blokami</translation>
    </message>
</context>
<context>
    <name>diff.removed</name>
    <message>
        <source>{1} removed</source>
        <translation>{1}: usunięto</translation>
    </message>
</context>
<context>
    <name>diff.removed-label</name>
    <message>
        <source>{1} removed: {2}</source>
        <translation>{1}: usunięto {2}</translation>
    </message>
</context>
<context>
    <name>diff.size</name>
    <message>
        <source>{1} {2}: {3} → {4} bytes</source>
        <translation>{1} {2}: {3} → {4} B</translation>
    </message>
</context>
<context>
    <name>done.cleared-block</name>
    <message>
        <source>Cleared block {1} ({2})</source>
        <translation>Wyczyszczono blok {1} ({2})</translation>
    </message>
</context>
<context>
    <name>done.converted-channels</name>
    <message>
        <source>Converted {1} channels to {2}</source>
        <translation>Kanały przekonwertowane do {2}: {1}</translation>
    </message>
</context>
<context>
    <name>done.converted-transponders</name>
    <message>
        <source>Converted {1} transponders to {2}</source>
        <translation>Transpondery przekonwertowane do {2}: {1}</translation>
    </message>
</context>
<context>
    <name>done.loaded-image</name>
    <message>
        <source>Loaded {1} ({2} bytes)</source>
        <translation>Wczytano {1} ({2} B)</translation>
    </message>
</context>
<context>
    <name>done.read-as-utf8</name>
    <message>
        <source>{1} (read as UTF-8)</source>
        <translation>{1} (odczytano jako UTF-8)</translation>
    </message>
</context>
<context>
    <name>done.read-block</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes)</source>
        <translation>Wczytano blok {1} ({2}, {3} B)</translation>
    </message>
</context>
<context>
    <name>done.read-block-from</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes) from {4}</source>
        <translation>Wczytano blok {1} ({2}, {3} B) z {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-block</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes)</source>
        <translation>Zapisano blok {1} ({2}, {3} B)</translation>
    </message>
</context>
<context>
    <name>done.saved-block-to</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes) to {4}</source>
        <translation>Zapisano blok {1} ({2}, {3} B) do {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-image</name>
    <message>
        <source>Saved {1} ({2} bytes)</source>
        <translation>Zapisano {1} ({2} B)</translation>
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
        <translation>Pasmo</translation>
    </message>
</context>
<context>
    <name>field.block-name</name>
    <message>
        <source>Block name</source>
        <translation>Nazwa bloku</translation>
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
        <translation>Bity flag</translation>
    </message>
</context>
<context>
    <name>field.frequency</name>
    <message>
        <source>Frequency</source>
        <translation>Częst.</translation>
    </message>
</context>
<context>
    <name>field.length</name>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
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
        <translation>Nazwa</translation>
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
        <translation>{1} {2}: oczekiwano {3}</translation>
    </message>
</context>
<context>
    <name>field.not-number</name>
    <message>
        <source>{1} {2} is not a number</source>
        <translation>{1} {2} nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>field.nr</name>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
</context>
<context>
    <name>field.outside</name>
    <message>
        <source>{1} {2} is outside {3} to {4}</source>
        <translation>{1} {2} jest poza zakresem od {3} do {4}</translation>
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
        <translation>Polaryzacja</translation>
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
        <translation>Rozmiar</translation>
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
        <translation>Nie można otworzyć pliku {1}!</translation>
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
        <translation>Nie znaleziono pliku {1}!</translation>
    </message>
</context>
<context>
    <name>file.not-regular</name>
    <message>
        <source>File : {1} is not a regular file !</source>
        <translation>{1} nie jest zwykłym plikiem!</translation>
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
        <translation>utracił listę kontroli dostępu ({1})</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-attributes</name>
    <message>
        <source>lost its extended attributes {1}</source>
        <translation>utracił rozszerzone atrybuty {1}</translation>
    </message>
</context>
<context>
    <name>file.notice.other-names</name>
    <message numerus="yes">
        <source>is a file of its own now: its {1} other names (hard links) keep the old content</source>
        <comment>is a file of its own now: its other name (a hard link) keeps the old content</comment>
        <translation>
            <numerusform>jest teraz osobnym plikiem: jego druga nazwa (twarde dowiązanie) zachowuje starą zawartość</numerusform>
            <numerusform>jest teraz osobnym plikiem: jego {1} inne nazwy (twarde dowiązania) zachowują starą zawartość</numerusform>
            <numerusform>jest teraz osobnym plikiem: jego {1} innych nazw (twardych dowiązań) zachowuje starą zawartość</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>file.notice.owned-by</name>
    <message>
        <source>is now owned by {1}</source>
        <translation>należy teraz do {1}</translation>
    </message>
</context>
<context>
    <name>file.overwrite</name>
    <message>
        <source>File : {1} already exists !<byte value="xd"/>
Overwrite ?</source>
        <translation>Plik {1} już istnieje!<byte value="xd"/>
Zastąpić go?</translation>
    </message>
</context>
<context>
    <name>file.reason.folder</name>
    <message>
        <source>it is a folder</source>
        <translation>to jest folder</translation>
    </message>
</context>
<context>
    <name>file.reason.left-behind</name>
    <message>
        <source>{1}; the temporary file {2} is left behind</source>
        <translation>{1}; plik tymczasowy {2} pozostał na dysku</translation>
    </message>
</context>
<context>
    <name>file.reason.not-regular</name>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>file.reason.read-error</name>
    <message>
        <source>read error</source>
        <translation>błąd odczytu</translation>
    </message>
</context>
<context>
    <name>file.reason.read-only</name>
    <message>
        <source>it is read-only</source>
        <translation>jest tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>file.reason.system-error</name>
    <message>
        <source>system error {1}</source>
        <translation>błąd systemowy {1}</translation>
    </message>
</context>
<context>
    <name>file.reason.too-large</name>
    <message>
        <source>too large</source>
        <translation>za duży</translation>
    </message>
</context>
<context>
    <name>file.same</name>
    <message>
        <source>Source and target are the same file : {1}</source>
        <translation>Źródło i cel to ten sam plik: {1}</translation>
    </message>
</context>
<context>
    <name>file.too-large</name>
    <message>
        <source>File : {1} is too large ({2} bytes) !</source>
        <translation>Plik {1} jest za duży ({2} B)!</translation>
    </message>
</context>
<context>
    <name>file.unreadable</name>
    <message>
        <source>File : {1} can not be read !</source>
        <translation>Nie można odczytać pliku {1}!</translation>
    </message>
</context>
<context>
    <name>file.unreadable-because</name>
    <message>
        <source>File : {1} can not be read !<byte value="xd"/>
{2}</source>
        <translation>Nie można odczytać pliku {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>file.write-error</name>
    <message>
        <source>Error Writing the file {1} !<byte value="xd"/>
{2}</source>
        <translation>Błąd zapisu pliku {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>image.no-blocks</name>
    <message>
        <source>File does not contain any usable blocks</source>
        <translation>Plik nie zawiera żadnych użytecznych bloków</translation>
    </message>
</context>
<context>
    <name>image.no-file-open</name>
    <message>
        <source>No File Open!</source>
        <translation>Nie otwarto żadnego pliku!</translation>
    </message>
</context>
<context>
    <name>label.edited-block</name>
    <message>
        <source>Editing Block:{1} ({2})</source>
        <translation>Edytowany blok:{1} ({2})</translation>
    </message>
</context>
<context>
    <name>label.edited-first-block</name>
    <message>
        <source>Editing Block:{1} ({2}), the first of {3} {2} blocks</source>
        <translation>Edytowany blok:{1} ({2}), pierwszy z {3} bloków {2}</translation>
    </message>
</context>
<context>
    <name>label.file-changed</name>
    <message>
        <source>File Changed</source>
        <translation>Plik zmieniony</translation>
    </message>
</context>
<context>
    <name>label.size</name>
    <message>
        <source>Size :{1} bytes</source>
        <translation>Rozmiar: {1} B</translation>
    </message>
</context>
<context>
    <name>list.and</name>
    <message>
        <source>{1} and {2}</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>{1} i {2}</translation>
    </message>
</context>
<context>
    <name>list.channels</name>
    <message numerus="yes">
        <source>{1} channels</source>
        <comment>{1} channel</comment>
        <translation>
            <numerusform>{1} kanał</numerusform>
            <numerusform>{1} kanały</numerusform>
            <numerusform>{1} kanałów</numerusform>
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
        <translation>{1} i jeszcze {2}</translation>
    </message>
</context>
<context>
    <name>list.no-block</name>
    <message>
        <source>The image has no {1} block.</source>
        <translation>Obraz nie zawiera bloku {1}.</translation>
    </message>
</context>
<context>
    <name>list.or</name>
    <message>
        <source>{1} or {2}</source>
        <extracomment>The last two choices of a list: &quot;a, b or c&quot;.</extracomment>
        <translation>{1} lub {2}</translation>
    </message>
</context>
<context>
    <name>list.record-channel</name>
    <message>
        <source>channel</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>kanał</translation>
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
            <numerusform>{1} transpondery</numerusform>
            <numerusform>{1} transponderów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>moved.channel</name>
    <message>
        <source>Channel {1} is now {2}</source>
        <translation>Kanał {1} ma teraz numer {2}</translation>
    </message>
</context>
<context>
    <name>moved.down</name>
    <message>
        <source>{1} moved down one place</source>
        <translation>Przesunięto o jedno miejsce w dół: {1}</translation>
    </message>
</context>
<context>
    <name>moved.named</name>
    <message>
        <source>{1} is now {2}</source>
        <translation>{1} ma teraz numer {2}</translation>
    </message>
</context>
<context>
    <name>moved.together</name>
    <message>
        <source>{1} are now {2} to {3}</source>
        <translation>{1}: teraz numery od {2} do {3}</translation>
    </message>
</context>
<context>
    <name>moved.transponder</name>
    <message>
        <source>Transponder {1} is now {2}</source>
        <translation>Transponder {1} ma teraz numer {2}</translation>
    </message>
</context>
<context>
    <name>moved.up</name>
    <message>
        <source>{1} moved up one place</source>
        <translation>Przesunięto o jedno miejsce w górę: {1}</translation>
    </message>
</context>
<context>
    <name>number.thousands</name>
    <message>
        <source>{1},{2}</source>
        <extracomment>A number&apos;s digits before its last group of three, then that group: &quot;2,040&quot;. Write the group separator of your language.</extracomment>
        <translation>{1}&#xa0;{2}</translation>
    </message>
</context>
<context>
    <name>order.end</name>
    <message numerus="yes">
        <source>{1} new channels go to the end</source>
        <comment>{1} new channel goes to the end</comment>
        <translation>
            <numerusform>{1} nowy kanał trafia na koniec</numerusform>
            <numerusform>{1} nowe kanały trafiają na koniec</numerusform>
            <numerusform>{1} nowych kanałów trafia na koniec</numerusform>
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
            <numerusform>{1} kanał jest ustawiony według wzorca</numerusform>
            <numerusform>{1} kanały są ustawione według wzorca</numerusform>
            <numerusform>{1} kanałów jest ustawionych według wzorca</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.khz-not-number</name>
    <message>
        <source>{1} {2} is not a number.</source>
        <translation>{1} {2} nie jest liczbą.</translation>
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
        <translation>Brak kanału {1} z wzorca: {2}</translation>
    </message>
</context>
<context>
    <name>order.missing-some</name>
    <message numerus="yes">
        <source>{1} channels of the reference are not in this list</source>
        <comment>{1} channel of the reference is not in this list</comment>
        <translation>
            <numerusform>{1} kanał z wzorca nie występuje na tej liście</numerusform>
            <numerusform>{1} kanały z wzorca nie występują na tej liście</numerusform>
            <numerusform>{1} kanałów z wzorca nie występuje na tej liście</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.new</name>
    <message>
        <source>New channel {1}, now channel {2}</source>
        <translation>Nowy kanał {1}, teraz kanał {2}</translation>
    </message>
</context>
<context>
    <name>order.start</name>
    <message numerus="yes">
        <source>{1} new channels go to the start</source>
        <comment>{1} new channel goes to the start</comment>
        <translation>
            <numerusform>{1} nowy kanał trafia na początek</numerusform>
            <numerusform>{1} nowe kanały trafiają na początek</numerusform>
            <numerusform>{1} nowych kanałów trafia na początek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.too-many-rows</name>
    <message>
        <source>more channels than a TCS block holds ({1}).</source>
        <translation>więcej kanałów, niż mieści blok TCS ({1}).</translation>
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
        <translation>Brak transpondera</translation>
    </message>
</context>
<context>
    <name>print.not-a-column</name>
    <message>
        <source>Column {1} is none of {2}.</source>
        <translation>Kolumna {1} nie jest żadną z: {2}.</translation>
    </message>
</context>
<context>
    <name>print.page</name>
    <message>
        <source>page {1} of {2}</source>
        <translation>strona {1} z {2}</translation>
    </message>
</context>
<context>
    <name>print.twice</name>
    <message>
        <source>Column {1} is named twice.</source>
        <translation>Kolumna {1} jest podana dwukrotnie.</translation>
    </message>
</context>
<context>
    <name>range.channel-beyond</name>
    <message>
        <source>Channel {1} is beyond the list of {2}.</source>
        <translation>Kanał {1} wykracza poza listę o długości {2}.</translation>
    </message>
</context>
<context>
    <name>range.channel-first</name>
    <message>
        <source>Channel 1 is the first: it cannot move up.</source>
        <translation>Kanał 1 jest pierwszy: nie można go przesunąć w górę.</translation>
    </message>
</context>
<context>
    <name>range.channel-last</name>
    <message>
        <source>Channel {1} is the last: it cannot move down.</source>
        <translation>Kanał {1} jest ostatni: nie można go przesunąć w dół.</translation>
    </message>
</context>
<context>
    <name>range.channel-room</name>
    <message>
        <source>The TCS block holds at most {1} channels.</source>
        <translation>Maksymalna liczba kanałów w bloku TCS to {1}.</translation>
    </message>
</context>
<context>
    <name>range.channels-backwards</name>
    <message>
        <source>Channel range {1}-{2} runs backwards.</source>
        <translation>Zakres kanałów {1}-{2} jest odwrócony.</translation>
    </message>
</context>
<context>
    <name>range.position-beyond</name>
    <message>
        <source>Position {1} is beyond the list of {2}.</source>
        <translation>Pozycja {1} wykracza poza listę o długości {2}.</translation>
    </message>
</context>
<context>
    <name>range.position-inside</name>
    <message>
        <source>Position {1} lies inside {2}-{3}.</source>
        <translation>Pozycja {1} leży wewnątrz zakresu {2}-{3}.</translation>
    </message>
</context>
<context>
    <name>range.remove-all-some</name>
    <message numerus="yes">
        <source>Remove {2} transponders and their {1} channels</source>
        <comment>Remove {2} transponders and their {1} channel</comment>
        <translation>
            <numerusform>Usuń transpondery ({2}) i ich {1} kanał</numerusform>
            <numerusform>Usuń transpondery ({2}) i ich {1} kanały</numerusform>
            <numerusform>Usuń transpondery ({2}) i ich {1} kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.remove-some</name>
    <message numerus="yes">
        <source>Remove transponder and its {1} channels</source>
        <comment>Remove transponder and its channel</comment>
        <translation>
            <numerusform>Usuń transponder i jego kanał</numerusform>
            <numerusform>Usuń transponder i jego {1} kanały</numerusform>
            <numerusform>Usuń transponder i jego {1} kanałów</numerusform>
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
            <numerusform>{1} kanał korzysta z transpondera {2} ({3} kHz).<byte value="xd"/>
Usunąć transponder i jego kanał?</numerusform>
            <numerusform>{1} kanały korzystają z transpondera {2} ({3} kHz).<byte value="xd"/>
Usunąć transponder i jego {1} kanały?</numerusform>
            <numerusform>{1} kanałów korzysta z transpondera {2} ({3} kHz).<byte value="xd"/>
Usunąć transponder i jego {1} kanałów?</numerusform>
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
            <numerusform>{1} kanał korzysta z tych {2} transponderów.<byte value="xd"/>
Usunąć te transpondery i ich {1} kanał?</numerusform>
            <numerusform>{1} kanały korzystają z tych {2} transponderów.<byte value="xd"/>
Usunąć te transpondery i ich {1} kanały?</numerusform>
            <numerusform>{1} kanałów korzysta z tych {2} transponderów.<byte value="xd"/>
Usunąć te transpondery i ich {1} kanałów?</numerusform>
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
            <numerusform>{1} kanał korzysta z {3} spośród {2} transponderów.<byte value="xd"/>
Usunąć wszystkie te transpondery i ich {1} kanał?</numerusform>
            <numerusform>{1} kanały korzystają z {3} spośród {2} transponderów.<byte value="xd"/>
Usunąć wszystkie te transpondery i ich {1} kanały?</numerusform>
            <numerusform>{1} kanałów korzysta z {3} spośród {2} transponderów.<byte value="xd"/>
Usunąć wszystkie te transpondery i ich {1} kanałów?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.transponder-beyond</name>
    <message>
        <source>Transponder {1} is beyond the list of {2}.</source>
        <translation>Transponder {1} wykracza poza listę o długości {2}.</translation>
    </message>
</context>
<context>
    <name>range.transponder-first</name>
    <message>
        <source>Transponder 1 is the first: it cannot move up.</source>
        <translation>Transponder 1 jest pierwszy: nie można go przesunąć w górę.</translation>
    </message>
</context>
<context>
    <name>range.transponder-last</name>
    <message>
        <source>Transponder {1} is the last: it cannot move down.</source>
        <translation>Transponder {1} jest ostatni: nie można go przesunąć w dół.</translation>
    </message>
</context>
<context>
    <name>range.transponder-reach</name>
    <message>
        <source>A channel reaches at most {1} transponders.</source>
        <translation>Kanał może wskazywać najwyżej {1} transponderów.</translation>
    </message>
</context>
<context>
    <name>range.transponders-backwards</name>
    <message>
        <source>Transponder range {1}-{2} runs backwards.</source>
        <translation>Zakres transponderów {1}-{2} jest odwrócony.</translation>
    </message>
</context>
<context>
    <name>satellite.above-most</name>
    <message>
        <source>SR {1} Msym/s is above the list&apos;s {2} Msym/s</source>
        <translation>SR {1} Msym/s przekracza maksimum listy ({2} Msym/s)</translation>
    </message>
</context>
<context>
    <name>satellite.already-in</name>
    <message>
        <source>Already in the list as transponder {1}</source>
        <translation>Już na liście jako transponder {1}</translation>
    </message>
</context>
<context>
    <name>satellite.below-1-msym</name>
    <message>
        <source>SR {1} Msym/s is below 1 Msym/s</source>
        <translation>SR {1} Msym/s jest poniżej 1 Msym/s</translation>
    </message>
</context>
<context>
    <name>satellite.circular</name>
    <message>
        <source>Circular polarisation {1}: the list holds V or H</source>
        <translation>Polaryzacja kołowa {1}: lista obsługuje tylko V lub H</translation>
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
        <translation>{1}: zapisano domyślną wartość {2}</translation>
    </message>
</context>
<context>
    <name>satellite.holds-another</name>
    <message>
        <source>{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>Wygląda na to, że na {1} jest inny satelita niż {2} (na {1}: {4}, z czego tabele dla {5} zawierają tylko {3}): wiersze oznaczone jako obecne na liście mogą być transponderami innego satelity, a chodzić może o inne wejście DiSEqC.</translation>
    </message>
</context>
<context>
    <name>satellite.holds-other</name>
    <message>
        <source>{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>Wygląda na to, że na {1} jest raczej {5} niż {2} (na {1}: {4}, z czego tabele dla {5} zawierają {3}): wiersze oznaczone jako obecne na liście mogą być transponderami innego satelity, a chodzić może o inne wejście DiSEqC.</translation>
    </message>
</context>
<context>
    <name>satellite.lacks</name>
    <message>
        <source>{1}: the list lacks {2} of {3} transponders it could hold: {4}</source>
        <translation>{1}: na liście brakuje {2} z {3} możliwych transponderów: {4}</translation>
    </message>
</context>
<context>
    <name>satellite.multistream</name>
    <message>
        <source>Multistream (STREAM_ID {1}): the list cannot choose a stream</source>
        <translation>Multistream (STREAM_ID {1}): lista nie pozwala wybrać strumienia</translation>
    </message>
</context>
<context>
    <name>satellite.no-delivery-system</name>
    <message>
        <source>No DELIVERY_SYSTEM</source>
        <translation>Brak DELIVERY_SYSTEM</translation>
    </message>
</context>
<context>
    <name>satellite.no-fec</name>
    <message>
        <source>No INNER_FEC</source>
        <translation>Brak INNER_FEC</translation>
    </message>
</context>
<context>
    <name>satellite.no-frequency</name>
    <message>
        <source>No FREQUENCY</source>
        <translation>Brak FREQUENCY</translation>
    </message>
</context>
<context>
    <name>satellite.no-polarization</name>
    <message>
        <source>No POLARIZATION</source>
        <translation>Brak POLARIZATION</translation>
    </message>
</context>
<context>
    <name>satellite.no-room</name>
    <message>
        <source>No room left: a channel reaches at most {1} transponders</source>
        <translation>Brak miejsca: kanał może wskazywać najwyżej {1} transponderów</translation>
    </message>
</context>
<context>
    <name>satellite.no-symbol-rate</name>
    <message>
        <source>No SYMBOL_RATE</source>
        <translation>Brak SYMBOL_RATE</translation>
    </message>
</context>
<context>
    <name>satellite.not-in-table</name>
    <message>
        <source>{1} {2} is not in the table of {3}</source>
        <translation>{1} {2} nie występuje w tabeli {3}</translation>
    </message>
</context>
<context>
    <name>satellite.not-v-or-h</name>
    <message>
        <source>Polarisation {1} is not V or H</source>
        <translation>Polaryzacja {1} to ani V, ani H</translation>
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
        <translation>{1}: odbiornik obsługuje tylko DVB-S QPSK, a lista nie może oznaczyć innego systemu</translation>
    </message>
</context>
<context>
    <name>satellite.partial-add</name>
    <message>
        <source>The list has room for {1} of the {2} transponders that can be added: a channel reaches at most {3} transponders.<byte value="xd"/>
Add the first {1} and leave out the other {4} ?</source>
        <translation>Na liście jest miejsce na {1} z {2} transponderów, które można dodać: kanał może wskazywać najwyżej {3} transponderów.<byte value="xd"/>
Dodać tylko pierwsze {1} i pominąć resztę ({4})?</translation>
    </message>
</context>
<context>
    <name>satellite.repeats</name>
    <message>
        <source>Repeats {1}</source>
        <translation>Powtórzenie: {1}</translation>
    </message>
</context>
<context>
    <name>satellite.rounded</name>
    <message>
        <source>SR {1} Msym/s is stored rounded as {2}</source>
        <translation>SR {1} Msym/s: wartość zostanie zaokrąglona do {2}</translation>
    </message>
</context>
<context>
    <name>satellite.rows-to-add</name>
    <message numerus="yes">
        <source>{2} of {1} rows to add</source>
        <comment>{2} of {1} row to add</comment>
        <translation>
            <numerusform>{2} z {1} wiersza do dodania</numerusform>
            <numerusform>{2} z {1} wierszy do dodania</numerusform>
            <numerusform>{2} z {1} wierszy do dodania</numerusform>
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
        <translation>Nie można odczytać tabeli skanowania {1}: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.empty</name>
    <message>
        <source>it is empty</source>
        <translation>jest pusta</translation>
    </message>
</context>
<context>
    <name>scan.folder-unreadable</name>
    <message>
        <source>The folder of scan tables {1} can not be read: {2}.</source>
        <translation>Nie można odczytać folderu tabel skanowania {1}: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.line</name>
    <message>
        <source>line {1}</source>
        <translation>linia {1}</translation>
    </message>
</context>
<context>
    <name>scan.line-says</name>
    <message>
        <source>line {1}: {2}</source>
        <translation>linia {1}: {2}</translation>
    </message>
</context>
<context>
    <name>scan.not-key-value</name>
    <message>
        <source>{1} is not KEY = VALUE in a section</source>
        <translation>{1} nie ma postaci KLUCZ = WARTOŚĆ w sekcji</translation>
    </message>
</context>
<context>
    <name>scan.not-table</name>
    <message>
        <source>{1} is not a scan table: {2}.</source>
        <translation>{1} nie jest tabelą skanowania: {2}.</translation>
    </message>
</context>
<context>
    <name>scan.not-text</name>
    <message>
        <source>it is not UTF-8 or Latin-1 text</source>
        <translation>nie jest tekstem UTF-8 ani Latin-1</translation>
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
        <translation>{1}, linia {2}</translation>
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
        <translation>jest większa niż {1} MiB – więcej niż jakakolwiek tabela</translation>
    </message>
</context>
<context>
    <name>scan.too-many-problems</name>
    <message>
        <source>more than {1} of its lines do not read ({2})</source>
        <translation>liczba nieczytelnych linii przekracza {1} ({2})</translation>
    </message>
</context>
<context>
    <name>scan.too-many-rows</name>
    <message>
        <source>it has more than {1} sections</source>
        <translation>liczba sekcji przekracza {1}</translation>
    </message>
</context>
<context>
    <name>scan.where-to-get</name>
    <message>
        <source>No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name a folder that holds them {2}.</source>
        <translation>Brak tabel skanowania DVB-S w {1}: w systemach Debian i Ubuntu dostarcza je pakiet dtv-scan-tables; w innych przypadkach wskaż zawierający je folder {2}.</translation>
    </message>
</context>
<context>
    <name>session.changed-on-disk</name>
    <message>
        <source>File : {1} has changed on disk since it was loaded !<byte value="xd"/>
Overwrite anyway ?</source>
        <translation>Plik {1} zmienił się na dysku od chwili wczytania!<byte value="xd"/>
Zastąpić go mimo to?</translation>
    </message>
</context>
<context>
    <name>session.no-findings</name>
    <message>
        <source>No findings</source>
        <translation>Brak wyników</translation>
    </message>
</context>
<context>
    <name>session.save-before-exiting</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before exiting ?</source>
        <translation>Plik został zmieniony, ale nie zapisany!<byte value="xd"/>
Zapisać zmiany przed zakończeniem?</translation>
    </message>
</context>
<context>
    <name>session.save-before-loading</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before loading ?</source>
        <translation>Plik został zmieniony, ale nie zapisany!<byte value="xd"/>
Zapisać zmiany przed wczytaniem?</translation>
    </message>
</context>
<context>
    <name>set.given-twice</name>
    <message>
        <source>{1} is given twice: give each field once.</source>
        <translation>{1} podano dwukrotnie: podaj każde pole tylko raz.</translation>
    </message>
</context>
<context>
    <name>set.no-such-tp</name>
    <message>
        <source>{1} {2} names no transponder: the list has {3}.</source>
        <translation>{1} {2} nie wskazuje żadnego transpondera: długość listy to {3}.</translation>
    </message>
</context>
<context>
    <name>set.not-assignment</name>
    <message>
        <source>{1} is not FIELD=VALUE.</source>
        <translation>{1} nie ma postaci POLE=WARTOŚĆ.</translation>
    </message>
</context>
<context>
    <name>set.unknown-field</name>
    <message>
        <source>Unknown field {1}: the fields are {2}.</source>
        <translation>Nieznane pole {1}: dostępne pola to {2}.</translation>
    </message>
</context>
<context>
    <name>status.converting</name>
    <message>
        <source>Converting {1}...</source>
        <translation>Konwertowanie {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading</name>
    <message>
        <source>Loading {1}...</source>
        <translation>Wczytywanie {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-converting</name>
    <message>
        <source>Loading and converting {1}...</source>
        <translation>Wczytywanie i konwertowanie {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-image</name>
    <message>
        <source>Loading... {1}</source>
        <translation>Wczytywanie... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving</name>
    <message>
        <source>Saving... {1}</source>
        <translation>Zapisywanie... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving-block</name>
    <message>
        <source>Saving {1}...</source>
        <translation>Zapisywanie {1}...</translation>
    </message>
</context>
<context>
    <name>status.writing</name>
    <message>
        <source>Writing {1}...</source>
        <translation>Zapisywanie {1}...</translation>
    </message>
</context>
<context>
    <name>step.apply-order</name>
    <message>
        <source>Apply order from {1}</source>
        <translation>Zastosuj kolejność z {1}</translation>
    </message>
</context>
<context>
    <name>step.change-channel</name>
    <message>
        <source>Change {1} of channel {2}</source>
        <translation>Zmień pole {1} kanału {2}</translation>
    </message>
</context>
<context>
    <name>step.change-transponder</name>
    <message>
        <source>Change {1} of transponder {2}</source>
        <translation>Zmień pole {1} transpondera {2}</translation>
    </message>
</context>
<context>
    <name>step.channel</name>
    <message>
        <source>channel {1}</source>
        <translation>kanał {1}</translation>
    </message>
</context>
<context>
    <name>step.clear-block</name>
    <message>
        <source>Clear Block</source>
        <translation>Wyczyść blok</translation>
    </message>
</context>
<context>
    <name>step.duplicate</name>
    <message>
        <source>Duplicate {1}</source>
        <translation>Duplikuj {1}</translation>
    </message>
</context>
<context>
    <name>step.import-channels</name>
    <message>
        <source>Import channels from {1}</source>
        <translation>Importuj kanały z {1}</translation>
    </message>
</context>
<context>
    <name>step.import-transponders</name>
    <message>
        <source>Import transponders from {1}</source>
        <translation>Importuj transpondery z {1}</translation>
    </message>
</context>
<context>
    <name>step.insert</name>
    <message>
        <source>Insert {1}</source>
        <translation>Wstaw {1}</translation>
    </message>
</context>
<context>
    <name>step.move</name>
    <message>
        <source>Move {1}</source>
        <translation>Przenieś {1}</translation>
    </message>
</context>
<context>
    <name>step.needs-transponder</name>
    <message>
        <source>A new channel needs a transponder: the TPT list has none.</source>
        <translation>Nowy kanał wymaga transpondera: lista TPT nie zawiera żadnego.</translation>
    </message>
</context>
<context>
    <name>step.read-block</name>
    <message>
        <source>Read Block</source>
        <translation>Wczytaj blok</translation>
    </message>
</context>
<context>
    <name>step.remove</name>
    <message>
        <source>Remove {1}</source>
        <translation>Usuń {1}</translation>
    </message>
</context>
<context>
    <name>step.remove-with-their</name>
    <message numerus="yes">
        <source>Remove {2} and their channels</source>
        <comment>Remove {2} and its channels</comment>
        <translation>
            <numerusform>Usuń {2} i jego kanały</numerusform>
            <numerusform>Usuń {2} i ich kanały</numerusform>
            <numerusform>Usuń {2} i ich kanały</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>step.rename</name>
    <message>
        <source>Rename channel {1}</source>
        <translation>Zmień nazwę kanału {1}</translation>
    </message>
</context>
<context>
    <name>step.sort-frequency</name>
    <message>
        <source>Sort channels by frequency</source>
        <translation>Sortuj kanały według częstotliwości</translation>
    </message>
</context>
<context>
    <name>step.sort-name</name>
    <message>
        <source>Sort channels by name</source>
        <translation>Sortuj kanały według nazwy</translation>
    </message>
</context>
<context>
    <name>step.sort-sid</name>
    <message>
        <source>Sort channels by SID</source>
        <translation>Sortuj kanały według SID</translation>
    </message>
</context>
<context>
    <name>step.swap-diseqc</name>
    <message>
        <source>Swap DiSEqC</source>
        <translation>Zamień DiSEqC</translation>
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
        <translation> Zamieniono DiSEqC A &lt;=&gt; B w transponderach: {1}</translation>
    </message>
</context>
<context>
    <name>swap.select-tpt</name>
    <message>
        <source>Please select a TPT block to convert</source>
        <translation>Wybierz blok TPT do konwersji</translation>
    </message>
</context>
<context>
    <name>tcs-text.blank-end</name>
    <message numerus="yes">
        <source>channels {2} end their names in blanks, which come back as NULs</source>
        <comment>channel {2} ends its name in blanks, which come back as NULs</comment>
        <translation>
            <numerusform>kanał {2} ma na końcu nazwy spacje, które po odczycie staną się bajtami NUL</numerusform>
            <numerusform>kanały {2} mają na końcu nazw spacje, które po odczycie staną się bajtami NUL</numerusform>
            <numerusform>kanały {2} mają na końcu nazw spacje, które po odczycie staną się bajtami NUL</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.inner-nul</name>
    <message numerus="yes">
        <source>channels {2} hold NULs inside their names, which come back as blanks</source>
        <comment>channel {2} holds a NUL inside its name, which comes back as a blank</comment>
        <translation>
            <numerusform>kanał {2} ma w nazwie bajt NUL, który po odczycie stanie się spacją</numerusform>
            <numerusform>kanały {2} mają w nazwach bajty NUL, które po odczycie staną się spacjami</numerusform>
            <numerusform>kanały {2} mają w nazwach bajty NUL, które po odczycie staną się spacjami</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.line-end</name>
    <message numerus="yes">
        <source>channels {2} hold a line-end byte in their names</source>
        <comment>channel {2} holds a line-end byte in its name</comment>
        <translation>
            <numerusform>kanał {2} ma w nazwie bajt końca linii</numerusform>
            <numerusform>kanały {2} mają w nazwach bajty końca linii</numerusform>
            <numerusform>kanały {2} mają w nazwach bajty końca linii</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.shifted</name>
    <message>
        <source>records from {1} on shift their columns</source>
        <translation>w rekordach od {1} przesuwają się kolumny</translation>
    </message>
</context>
<context>
    <name>tcs-text.utf8-name</name>
    <message numerus="yes">
        <source>channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to keep them)</source>
        <comment>channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to keep it)</comment>
        <translation>
            <numerusform>kanał {2} ma nazwę, która przy odczycie zostanie wzięta za UTF-8 i da inne bajty (zapisz tekst jako UTF-8, aby ją zachować)</numerusform>
            <numerusform>kanały {2} mają nazwy, które przy odczycie zostaną wzięte za UTF-8 i dadzą inne bajty (zapisz tekst jako UTF-8, aby je zachować)</numerusform>
            <numerusform>kanały {2} mają nazwy, które przy odczycie zostaną wzięte za UTF-8 i dadzą inne bajty (zapisz tekst jako UTF-8, aby je zachować)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>text.not-latin1</name>
    <message>
        <source>{1} holds a character that Latin-1 cannot store</source>
        <translation>{1} zawiera znak, którego nie da się zapisać w Latin-1</translation>
    </message>
</context>
<context>
    <name>tpt-text.band-holds</name>
    <message>
        <source>frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz</source>
        <translation>częstotliwość {1} kHz jest poza zakresem: pasmo {2} obejmuje od {3} do {4} kHz</translation>
    </message>
</context>
<context>
    <name>tpt-text.below-khz</name>
    <message numerus="yes">
        <source>transponders {2} keep digits below 1 kHz, which the text drops</source>
        <comment>transponder {2} keeps digits below 1 kHz, which the text drops</comment>
        <translation>
            <numerusform>transponder {2} ma cyfry poniżej 1 kHz, które tekst pomija</numerusform>
            <numerusform>transpondery {2} mają cyfry poniżej 1 kHz, które tekst pomija</numerusform>
            <numerusform>transpondery {2} mają cyfry poniżej 1 kHz, które tekst pomija</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.comes-back</name>
    <message>
        <source>the list of {1} comes back as {2}, with zero records after the last used one</source>
        <translation>lista ({1}) wraca jako {2}, z zerowymi rekordami po ostatnim używanym</translation>
    </message>
</context>
<context>
    <name>tpt-text.diseqc-b</name>
    <message numerus="yes">
        <source>transponders {2} on DiSEqC B will read back as A</source>
        <comment>transponder {2} on DiSEqC B will read back as A</comment>
        <translation>
            <numerusform>transponder {2} na DiSEqC B zostanie odczytany jako A</numerusform>
            <numerusform>transpondery {2} na DiSEqC B zostaną odczytane jako A</numerusform>
            <numerusform>transpondery {2} na DiSEqC B zostaną odczytane jako A</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec</name>
    <message numerus="yes">
        <source>transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4</source>
        <comment>transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4</comment>
        <translation>
            <numerusform>transponder {2} ma kod FEC, który tekst pokazuje jako 0/0, a odczytuje jako 3/4</numerusform>
            <numerusform>transpondery {2} mają kody FEC, które tekst pokazuje jako 0/0, a odczytuje jako 3/4</numerusform>
            <numerusform>transpondery {2} mają kody FEC, które tekst pokazuje jako 0/0, a odczytuje jako 3/4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec-moves</name>
    <message>
        <source>{1}, and it moves the columns after it</source>
        <translation>{1}, co przesuwa następne kolumny</translation>
    </message>
</context>
<context>
    <name>tpt-text.flags</name>
    <message numerus="yes">
        <source>transponders {2} have flag bits the text leaves out</source>
        <comment>transponder {2} has flag bits the text leaves out</comment>
        <translation>
            <numerusform>transponder {2} ma bity flag, które tekst pomija</numerusform>
            <numerusform>transpondery {2} mają bity flag, które tekst pomija</numerusform>
            <numerusform>transpondery {2} mają bity flag, które tekst pomija</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.frequency</name>
    <message numerus="yes">
        <source>transponders {2}&apos; frequency fields hold more than the text reads back</source>
        <comment>transponder {2}&apos;s frequency field holds more than the text reads back</comment>
        <translation>
            <numerusform>pole częstotliwości transpondera {2} zawiera więcej, niż tekst odczytuje</numerusform>
            <numerusform>pola częstotliwości transponderów {2} zawierają więcej, niż tekst odczytuje</numerusform>
            <numerusform>pola częstotliwości transponderów {2} zawierają więcej, niż tekst odczytuje</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.no-frequency</name>
    <message>
        <source>no frequency in columns 5-12</source>
        <translation>brak częstotliwości w kolumnach 5-12</translation>
    </message>
</context>
<context>
    <name>tpt-text.out-of-range</name>
    <message>
        <source>{1} out of range</source>
        <translation>{1} poza zakresem</translation>
    </message>
</context>
<context>
    <name>tpt-text.records</name>
    <message numerus="yes">
        <source>{1} records</source>
        <comment>{1} record</comment>
        <translation>
            <numerusform>{1} rekord</numerusform>
            <numerusform>{1} rekordy</numerusform>
            <numerusform>{1} rekordów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>transponder.fec-cannot-store</name>
    <message>
        <source>FEC {1} can not be stored: the list stores only {2}</source>
        <translation>Nie można zapisać FEC {1}: lista obsługuje tylko {2}</translation>
    </message>
</context>
<context>
    <name>transponder.fec-not-stored</name>
    <message>
        <source>FEC {1} is not one the list stores ({2})</source>
        <translation>FEC {1} nie należy do wartości obsługiwanych przez listę ({2})</translation>
    </message>
</context>
<context>
    <name>transponder.fec-stored-as</name>
    <message>
        <source>FEC {1} is stored as {2}</source>
        <translation>FEC {1} jest zapisywany jako {2}</translation>
    </message>
</context>
<context>
    <name>transponder.khz-out-of-range</name>
    <message>
        <source>Frequency {1} kHz is out of range</source>
        <translation>Częstotliwość {1} kHz jest poza zakresem</translation>
    </message>
</context>
<context>
    <name>transponder.khz-outside-band</name>
    <message>
        <source>{1} kHz lies outside band {2}&apos;s {3} to {4} kHz</source>
        <translation>{1} kHz leży poza zakresem pasma {2}: od {3} do {4} kHz</translation>
    </message>
</context>
<context>
    <name>transponder.outside-unit</name>
    <message>
        <source>{1} {2} {3} is outside {4} to {5} {3}</source>
        <translation>{1} {2} {3} jest poza zakresem od {4} do {5} {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-as-ks</name>
    <message>
        <source>{1}: as {2} kS/s it would be {3}</source>
        <translation>{1}: jako {2} kS/s byłoby to {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-fraction</name>
    <message>
        <source>SR {1} is not a whole number of Msym/s: it would be stored as {2}.</source>
        <translation>SR {1} nie jest całkowitą liczbą Msym/s: wartość zostałaby zapisana jako {2}.</translation>
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
        <translation>Nie można znaleźć pliku {1}!</translation>
    </message>
</context>
<context>
    <name>viewer.not-shown</name>
    <message>
        <source>({1} more records are not shown)</source>
        <translation>(nie pokazano kolejnych rekordów: {1})</translation>
    </message>
</context>
<context>
    <name>viewer.oversize</name>
    <message>
        <source>{1} FILE IS LARGER THAN 64Kb ({2} bytes)</source>
        <translation>PLIK {1} JEST WIĘKSZY NIŻ 64 KB ({2} B)</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable</name>
    <message>
        <source>File {1} can not be read!</source>
        <translation>Nie można odczytać pliku {1}!</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable-because</name>
    <message>
        <source>File {1} can not be read!<byte value="xd"/>
{2}</source>
        <translation>Nie można odczytać pliku {1}!<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>viewer.view-as</name>
    <message>
        <source>&amp;View as {1}</source>
        <translation>&amp;Pokaż jako {1}</translation>
    </message>
</context>
</TS>
