<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3   (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Chanforge, the channel list editor for your receiver&apos;s flash image.<byte value="xd"/>
<byte value="xd"/>
This program has been made, because the conversion routines of DecLink can&apos;t cope with the new 2000-channel TCS and TPT lists written by the new version 1.0 firmware of the receiver.<byte value="xd"/>
<byte value="xd"/>
This program is still in the BETA phase!<byte value="xd"/>
 Always check the results and filesize before flashing !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Application</name>
    <message>
        <source>The command failed: %1
The image and its unsaved changes are kept as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more byte ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChannelTableModel</name>
    <message>
        <source>%1 · none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: &quot;%3&quot; has no Latin-1 byte.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declink Comp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Editing Block:%1 (%2), the first of %3 %2 blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing Block:%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply order from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chanforge::ui::TransponderTableModel</name>
    <message>
        <source>Nr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
