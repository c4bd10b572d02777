<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>block.big-file</name>
    <message>
        <source>Block is bigger then 64Kb, load only first 64Kb ?</source>
        <translation>Le bloc dépasse 64 Ko, ne charger que les 64 premiers Ko ?</translation>
    </message>
</context>
<context>
    <name>block.clear-question</name>
    <message>
        <source>Clear block  {1}?<byte value="xd"/>
Are you sure ?</source>
        <translation>Vider le bloc {1} ?<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>block.line</name>
    <message>
        <source>Block:{1} {2} (${3}-${4}) ${5} bytes</source>
        <translation>Bloc:{1} {2} (${3}-${4}) ${5} octets</translation>
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
            <numerusform>Fichier : {2} fait {1} octet : pas un nombre entier d&apos;enregistrements {3}.<byte value="xd"/>
Lire quand même ?</numerusform>
            <numerusform>Fichier : {2} fait {1} octets : pas un nombre entier d&apos;enregistrements {3}.<byte value="xd"/>
Lire quand même ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>block.select-to-clear</name>
    <message>
        <source>Please select a block to Clear</source>
        <translation>Veuillez sélectionner un bloc à vider</translation>
    </message>
</context>
<context>
    <name>block.select-to-convert</name>
    <message>
        <source>Please select a block to Convert (a TPT block!)</source>
        <translation>Veuillez sélectionner un bloc à convertir (un bloc TPT !)</translation>
    </message>
</context>
<context>
    <name>block.select-to-save</name>
    <message>
        <source>Please select a block to Save</source>
        <translation>Veuillez sélectionner un bloc à enregistrer</translation>
    </message>
</context>
<context>
    <name>block.select-to-update</name>
    <message>
        <source>Please select a block to Update</source>
        <translation>Veuillez sélectionner un bloc à lire</translation>
    </message>
</context>
<context>
    <name>block.select-to-view</name>
    <message>
        <source>Please select a block to View</source>
        <translation>Veuillez sélectionner un bloc à afficher</translation>
    </message>
</context>
<context>
    <name>cell.channels</name>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
</context>
<context>
    <name>cell.no-transponder</name>
    <message>
        <source>{1} · none</source>
        <translation>{1} · aucun</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::AboutBox</name>
    <message>
        <source>Compiled : %1</source>
        <translation>Compilé : %1</translation>
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
        <translation>Bienvenue dans Chanforge, l&apos;éditeur de listes de chaînes pour l&apos;image flash de votre récepteur.<byte value="xd"/>
<byte value="xd"/>
Ce programme a été créé parce que les routines de conversion de DecLink ne savent pas traiter les nouvelles listes TCS et TPT de 2000 chaînes écrites par la nouvelle version 1.0 du firmware du récepteur.<byte value="xd"/>
<byte value="xd"/>
Ce programme est encore en phase BÊTA !<byte value="xd"/>
 Vérifiez toujours les résultats et la taille du fichier avant de flasher !</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Channel and transponder list editor</source>
        <translation>Listes de chaînes et de transpondeurs</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcome through the project&apos;s issue tracker.</source>
        <translation>Vos remarques et suggestions sont les bienvenues via le gestionnaire de tickets du projet.</translation>
    </message>
    <message>
        <source>Warning: for use by certified technicians only! No warranties, use at your own risk</source>
        <translation>Avertissement : réservé aux techniciens certifiés ! Aucune garantie, utilisation à vos risques et périls</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont actuellement indisponibles</translation>
    </message>
    <message>
        <source>Copy &amp;Details</source>
        <translation>Copier les &amp;détails</translation>
    </message>
    <message>
        <source>Copy the version, the system and where the settings are, for a report</source>
        <translation>Copier la version, le système et l&apos;emplacement des paramètres, pour un rapport</translation>
    </message>
    <message>
        <source>Qt %1</source>
        <translation>Qt %1</translation>
    </message>
    <message>
        <source>System: %1 (%2 %3, %4)</source>
        <translation>Système : %1 (%2 %3, %4)</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <source>(cannot be opened)</source>
        <translation>(impossible à ouvrir)</translation>
    </message>
    <message>
        <source>Scan tables: %1</source>
        <translation>Tables de scan : %1</translation>
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
        <translation>La commande a échoué : %1
L&apos;image et ses modifications non enregistrées restent inchangées.</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::BlockViewer</name>
    <message>
        <source>Block Viewer</source>
        <translation>Affichage du bloc</translation>
    </message>
    <message>
        <source>View as &amp;Hex</source>
        <translation>Afficher en &amp;hexa</translation>
    </message>
    <message>
        <source>View as ....</source>
        <translation>Afficher en ....</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Converting Block...</source>
        <translation>Conversion du bloc...</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ChangesWindow</name>
    <message>
        <source>added</source>
        <translation>ajout</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>suppression</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacement</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>depuis %1</translation>
    </message>
    <message>
        <source>bytes %1-%2</source>
        <translation>octets %1-%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>The images are equal</source>
        <translation>Les images sont identiques</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::CheckWindow</name>
    <message>
        <source>Check Image</source>
        <translation>Vérifier l&apos;image</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Constat</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC &amp;%1:</source>
        <translation>Satellite sur DiSEqC &amp;%1 :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>No errors, no warnings</source>
        <translation>Aucune erreur, aucun avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>with the Folder… button of Edit Lists &gt; Add from satellite</source>
        <translation>avec le bouton « Dossier… » de Modifier les listes &gt; Ajouter depuis un satellite</translation>
    </message>
    <message>
        <source>Satellite on DiSEqC %1</source>
        <translation>Satellite sur DiSEqC %1</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ConversionPanel</name>
    <message>
        <source>Select FileName</source>
        <translation>Choisir le nom de fichier</translation>
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
        <translation>Texte UTF-8</translation>
    </message>
    <message>
        <source>Write the text file as UTF-8, for an editor that reads it so. Either kind reads back to the same list.</source>
        <translation>Écrire le fichier texte en UTF-8, pour un éditeur qui le lit ainsi. Les deux formes se relisent en la même liste.</translation>
    </message>
    <message>
        <source>Convert the %1 binary file to a text file</source>
        <translation>Convertir le fichier binaire %1 en fichier texte</translation>
    </message>
    <message>
        <source>Convert the %1 text file to a binary file</source>
        <translation>Convertir le fichier texte %1 en fichier binaire</translation>
    </message>
    <message>
        <source>%1 Txt</source>
        <translation>%1 Txt</translation>
    </message>
    <message>
        <source>Choose the channel list binary file</source>
        <translation>Choisir le fichier binaire de la liste des chaînes</translation>
    </message>
    <message>
        <source>Choose the transponder list binary file</source>
        <translation>Choisir le fichier binaire de la liste des transpondeurs</translation>
    </message>
    <message>
        <source>Channel list binary file</source>
        <translation>Fichier binaire de la liste des chaînes</translation>
    </message>
    <message>
        <source>Transponder list binary file</source>
        <translation>Fichier binaire de la liste des transpondeurs</translation>
    </message>
    <message>
        <source>Convert channel list to text</source>
        <translation>Convertir la liste des chaînes en texte</translation>
    </message>
    <message>
        <source>Convert transponder list to text</source>
        <translation>Convertir la liste des transpondeurs en texte</translation>
    </message>
    <message>
        <source>Convert text to channel list</source>
        <translation>Convertir le texte en liste des chaînes</translation>
    </message>
    <message>
        <source>Convert text to transponder list</source>
        <translation>Convertir le texte en liste des transpondeurs</translation>
    </message>
    <message>
        <source>Choose the channel list text file</source>
        <translation>Choisir le fichier texte de la liste des chaînes</translation>
    </message>
    <message>
        <source>Choose the transponder list text file</source>
        <translation>Choisir le fichier texte de la liste des transpondeurs</translation>
    </message>
    <message>
        <source>Channel list text file</source>
        <translation>Fichier texte de la liste des chaînes</translation>
    </message>
    <message>
        <source>Transponder list text file</source>
        <translation>Fichier texte de la liste des transpondeurs</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FileFilter</name>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Images and channel CSV</source>
        <translation>Images et CSV de chaînes</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>Bin Files</source>
        <translation>Fichiers Bin</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::FindBox</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListEditor</name>
    <message>
        <source>Edit Lists</source>
        <translation>Modifier les listes</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>Rechercher des chaînes</translation>
    </message>
    <message>
        <source>List of channels</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Chaînes</translation>
    </message>
    <message>
        <source>Find transponders</source>
        <translation>Rechercher des transpondeurs</translation>
    </message>
    <message>
        <source>List of transponders</source>
        <translation>Liste des transpondeurs</translation>
    </message>
    <message>
        <source>&amp;Transponders</source>
        <translation>&amp;Transpondeurs</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Any text of a row, as shown (Ctrl+F)</source>
        <translation>Tout texte d&apos;une ligne, tel qu&apos;affiché (Ctrl+F)</translation>
    </message>
    <message>
        <source>Add from &amp;satellite…</source>
        <translation>Ajouter depuis un &amp;satellite…</translation>
    </message>
    <message>
        <source>Add transponders from a satellite&apos;s DVB-S scan table</source>
        <translation>Ajouter des transpondeurs depuis la table de scan DVB-S d&apos;un satellite</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <source>&amp;Sort by…</source>
        <translation>&amp;Trier par…</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Re&amp;chercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Insert a new row before the current one</source>
        <translation>Insérer une nouvelle ligne avant la ligne courante</translation>
    </message>
    <message>
        <source>Copy the selected rows behind the last of them</source>
        <translation>Copier les lignes sélectionnées après la dernière d&apos;entre elles</translation>
    </message>
    <message>
        <source>Remove the selected rows</source>
        <translation>Supprimer les lignes sélectionnées</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place up in the whole list</source>
        <translation>Monter d&apos;une place chaque groupe de lignes sélectionnées dans toute la liste</translation>
    </message>
    <message>
        <source>Move each run of selected rows one place down in the whole list</source>
        <translation>Descendre d&apos;une place chaque groupe de lignes sélectionnées dans toute la liste</translation>
    </message>
    <message>
        <source>Put the channels in order by name, SID or frequency, as one step</source>
        <translation>Trier les chaînes par nom, SID ou fréquence, en une seule étape</translation>
    </message>
    <message>
        <source>Show only the rows with a text</source>
        <translation>N&apos;afficher que les lignes contenant un texte</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Plus d&apos;actions</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ListViewer</name>
    <message>
        <source>TCS/TPT Viewer</source>
        <translation>Affichage TCS/TPT</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Show C&amp;hanges…</source>
        <translation>Voir les &amp;modifications…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Edit &amp;Lists…</source>
        <translation>Modifier les &amp;listes…</translation>
    </message>
    <message>
        <source>Apply &amp;Order From…</source>
        <translation>Appliquer l&apos;&amp;ordre de…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Check Image</source>
        <translation>&amp;Vérifier l&apos;image</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>&amp;Comparer avec…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Gestion des fichiers</translation>
    </message>
    <message>
        <source>&amp;Load Bin</source>
        <translation>&amp;Charger Bin</translation>
    </message>
    <message>
        <source>&amp;Save Bin</source>
        <translation>&amp;Sauver Bin</translation>
    </message>
    <message>
        <source>Size : 0 bytes</source>
        <translation>Taille : 0 octet</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>64Kb Block</source>
        <translation>Bloc 64 Ko</translation>
    </message>
    <message>
        <source>&amp;Read Block</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Save &amp;Block</source>
        <translation>Éc&amp;rire</translation>
    </message>
    <message>
        <source>Swap &amp;DiSEqC (Monoblock)</source>
        <translation>DiSEqC A↔B (&amp;Monobloc)</translation>
    </message>
    <message>
        <source>&amp;Clear Block</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;View  Block</source>
        <translation>Affic&amp;her</translation>
    </message>
    <message>
        <source>ChannelList (TCS) Convert</source>
        <translation>Conversion des chaînes (TCS)</translation>
    </message>
    <message>
        <source>TransponderList (TPT) Convert</source>
        <translation>Conversion des transpondeurs (TPT)</translation>
    </message>
    <message>
        <source>V&amp;iew  ChList</source>
        <translation>Voir lis&amp;tes</translation>
    </message>
    <message>
        <source>Block:%1 (%2) of %3</source>
        <translation>Bloc:%1 (%2) sur %3</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>Channels as CSV…</source>
        <translation>Chaînes en CSV…</translation>
    </message>
    <message>
        <source>Transponders as CSV…</source>
        <translation>Transpondeurs en CSV…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>%1 no longer exists: left out of Recent Files</source>
        <translation>%1 n&apos;existe plus : retiré des « Fichiers récents »</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les chaînes</translation>
    </message>
    <message>
        <source>Export Transponders</source>
        <translation>Exporter les transpondeurs</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer les chaînes</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importer les transpondeurs</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>Load a flash image file</source>
        <translation>Charger un fichier image flash</translation>
    </message>
    <message>
        <source>Save the flash image to its file</source>
        <translation>Enregistrer l&apos;image flash dans son fichier</translation>
    </message>
    <message>
        <source>Block commands work on the block&apos;s data only</source>
        <translation>Les commandes de bloc n&apos;agissent que sur les données du bloc</translation>
    </message>
    <message>
        <source>Block commands work on the whole 64 KB block, header included</source>
        <translation>Les commandes de bloc agissent sur tout le bloc de 64 Ko, en-tête compris</translation>
    </message>
    <message>
        <source>Read a file into the selected block</source>
        <translation>Lire un fichier dans le bloc sélectionné</translation>
    </message>
    <message>
        <source>Save the selected block to a file</source>
        <translation>Enregistrer le bloc sélectionné dans un fichier</translation>
    </message>
    <message>
        <source>Swap DiSEqC A and B of every transponder in the selected TPT block</source>
        <translation>Inverser les entrées DiSEqC A et B de chaque transpondeur du bloc TPT sélectionné</translation>
    </message>
    <message>
        <source>Clear the selected block</source>
        <translation>Vider le bloc sélectionné</translation>
    </message>
    <message>
        <source>Show the selected block as hex or as a list</source>
        <translation>Afficher le bloc sélectionné en hexa ou sous forme de liste</translation>
    </message>
    <message>
        <source>Choose the TCS binary list file</source>
        <translation>Choisir le fichier de liste binaire TCS</translation>
    </message>
    <message>
        <source>Choose the TCS text file</source>
        <translation>Choisir le fichier texte TCS</translation>
    </message>
    <message>
        <source>Choose the TPT binary list file</source>
        <translation>Choisir le fichier de liste binaire TPT</translation>
    </message>
    <message>
        <source>Choose the TPT text file</source>
        <translation>Choisir le fichier texte TPT</translation>
    </message>
    <message>
        <source>Write and read TPT text without the DiSEqC column, as DecLink does</source>
        <translation>Écrire et lire le texte TPT sans la colonne DiSEqC, comme le fait DecLink</translation>
    </message>
    <message>
        <source>Show the TCS and TPT binary files as lists</source>
        <translation>Afficher les fichiers binaires TCS et TPT sous forme de listes</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>À propos de Chanforge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Write the image back to the file it was loaded from</source>
        <translation>Réécrire l&apos;image dans le fichier d&apos;où elle a été chargée</translation>
    </message>
    <message>
        <source>Save the image under a name you choose</source>
        <translation>Enregistrer l&apos;image sous un nom de votre choix</translation>
    </message>
    <message>
        <source>List what changed since the image was loaded or saved</source>
        <translation>Lister les modifications depuis le chargement ou l&apos;enregistrement de l&apos;image</translation>
    </message>
    <message>
        <source>Write the channel list as CSV, for a spreadsheet</source>
        <translation>Écrire la liste des chaînes en CSV, pour un tableur</translation>
    </message>
    <message>
        <source>Write the transponder list as CSV, for a spreadsheet</source>
        <translation>Écrire la liste des transpondeurs en CSV, pour un tableur</translation>
    </message>
    <message>
        <source>Read the channel list from a CSV file</source>
        <translation>Lire la liste des chaînes depuis un fichier CSV</translation>
    </message>
    <message>
        <source>Read the transponder list from a CSV file</source>
        <translation>Lire la liste des transpondeurs depuis un fichier CSV</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Imprimer la liste des chaînes</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF file</source>
        <translation>Écrire la liste des chaînes dans un fichier PDF</translation>
    </message>
    <message>
        <source>Close Chanforge</source>
        <translation>Quitter Chanforge</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Rétablir la modification annulée</translation>
    </message>
    <message>
        <source>Edit the channels and transponders in tables</source>
        <translation>Modifier les chaînes et les transpondeurs dans des tableaux</translation>
    </message>
    <message>
        <source>Put the channels in the order of another image or of a channel CSV</source>
        <translation>Mettre les chaînes dans l&apos;ordre d&apos;une autre image ou d&apos;un CSV de chaînes</translation>
    </message>
    <message>
        <source>List what would likely make the image misbehave</source>
        <translation>Lister ce qui risque de perturber le fonctionnement de l&apos;image</translation>
    </message>
    <message>
        <source>List the changes between another image and this one</source>
        <translation>Lister les modifications entre une autre image et celle-ci</translation>
    </message>
    <message>
        <source>Which program and version this is</source>
        <translation>Quel programme, en quelle version</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Language from the next start: the system&apos;s</source>
        <translation>Langue au prochain démarrage : celle du système</translation>
    </message>
    <message>
        <source>Language from the next start: %1</source>
        <translation>Langue au prochain démarrage : %1</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written</source>
        <translation>La langue n&apos;a pas été retenue : les réglages ne peuvent pas être écrits</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::PrintDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Not grouped</source>
        <translation>Sans regroupement</translation>
    </message>
    <message>
        <source>By DiSEqC input</source>
        <translation>Par entrée DiSEqC</translation>
    </message>
    <message>
        <source>By transponder</source>
        <translation>Par transpondeur</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Une</translation>
    </message>
    <message>
        <source>Two, where they fit</source>
        <translation>Deux, si possible</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grouper :</translation>
    </message>
    <message>
        <source>&amp;Lists side by side:</source>
        <translation>&amp;Listes côte à côte :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>&amp;Columns (check, and drag or move into order):</source>
        <translation>&amp;Colonnes (cocher, puis glisser ou déplacer pour ordonner) :</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Preview…</source>
        <translation>&amp;Aperçu…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::Questions</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::ReportWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>chanforge::ui::SatelliteDialog</name>
    <message>
        <source>Add from Satellite</source>
        <translation>Ajouter depuis un satellite</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Dossier…</translation>
    </message>
    <message>
        <source>Choose the folder of DVB-S scan tables</source>
        <translation>Choisir le dossier des tables de scan DVB-S</translation>
    </message>
    <message>
        <source>Find satellite</source>
        <translation>Rechercher un satellite</translation>
    </message>
    <message>
        <source>Name or position</source>
        <translation>Nom ou position</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Transponders of the satellite</source>
        <translation>Transpondeurs du satellite</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>DiSEqC input:</source>
        <translation>Entrée DiSEqC :</translation>
    </message>
    <message>
        <source>FEC for rows the list cannot store as written:</source>
        <translation>FEC pour les lignes que la liste ne peut pas enregistrer telles quelles :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Tables: %1</source>
        <translation>Tables : %1</translation>
    </message>
    <message>
        <source>Folder of DVB-S Scan Tables</source>
        <translation>Dossier des tables de scan DVB-S</translation>
    </message>
    <message>
        <source>with the Folder… button</source>
        <translation>avec le bouton « Dossier… »</translation>
    </message>
</context>
<context>
    <name>changes.count</name>
    <message numerus="yes">
        <source>{1} changes</source>
        <comment>{1} change</comment>
        <translation>
            <numerusform>{1} modification</numerusform>
            <numerusform>{1} modifications</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>changes.more-ranges</name>
    <message numerus="yes">
        <source>{1} more byte ranges</source>
        <comment>{1} more byte range</comment>
        <translation>
            <numerusform>{1} autre plage d&apos;octets</numerusform>
            <numerusform>{1} autres plages d&apos;octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>channel.line-out-of-range</name>
    <message>
        <source>{1} value {2} is out of range</source>
        <translation>{1} : la valeur {2} est hors plage</translation>
    </message>
</context>
<context>
    <name>channel.name-ends-in-blank</name>
    <message>
        <source>{1} {2} ends in a blank, which the list would store as a NUL: leave it out.</source>
        <translation>{1} {2} se termine par un espace, que la liste enregistrerait comme un NUL : supprimez-le.</translation>
    </message>
</context>
<context>
    <name>channel.name-too-long</name>
    <message>
        <source>{1} {2} is {3} bytes long; at most {4} fit.</source>
        <translation>{1} {2} fait {3} octets ; {4} au maximum tiennent.</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-sid</name>
    <message>
        <source>the receiver finds only one of two services with one SID</source>
        <translation>le récepteur ne trouve qu&apos;un seul de deux services ayant le même SID</translation>
    </message>
</context>
<context>
    <name>check-why.duplicate-transponder</name>
    <message>
        <source>two entries for one transponder split its channels</source>
        <translation>deux entrées pour un même transpondeur répartissent ses chaînes</translation>
    </message>
</context>
<context>
    <name>check-why.empty-record-inside</name>
    <message>
        <source>a free slot between channels shows as a blank entry</source>
        <translation>un emplacement libre entre des chaînes apparaît comme une entrée vide</translation>
    </message>
</context>
<context>
    <name>check-why.frequency-range</name>
    <message>
        <source>the tuner takes 950 to 2150 MHz after the LNB: each band&apos;s oscillator bounds its range</source>
        <translation>le tuner accepte de 950 à 2150 MHz après le LNB : l&apos;oscillateur de chaque bande en limite la plage</translation>
    </message>
</context>
<context>
    <name>check-why.hidden-flags</name>
    <message>
        <source>the text file cannot keep these bits: a round trip drops them</source>
        <translation>le fichier texte ne peut pas conserver ces bits : un aller-retour les perd</translation>
    </message>
</context>
<context>
    <name>check-why.image-size</name>
    <message>
        <source>the receiver&apos;s flash holds exactly 524288 bytes</source>
        <translation>la mémoire flash du récepteur contient exactement 524288 octets</translation>
    </message>
</context>
<context>
    <name>check-why.length-past-end</name>
    <message>
        <source>the receiver would read its list from the next block</source>
        <translation>le récepteur lirait sa liste dans le bloc suivant</translation>
    </message>
</context>
<context>
    <name>check-why.name-control-bytes</name>
    <message>
        <source>control bytes garble the menu and the text file</source>
        <translation>les octets de contrôle brouillent le menu et le fichier texte</translation>
    </message>
</context>
<context>
    <name>check-why.no-usable-blocks</name>
    <message>
        <source>the lists to edit live in the blocks named TCS and TPT</source>
        <translation>les listes à modifier se trouvent dans les blocs nommés TCS et TPT</translation>
    </message>
</context>
<context>
    <name>check-why.not-on-satellite</name>
    <message>
        <source>the chosen satellite&apos;s scan table lacks it: moved, ended, mistyped or on another input</source>
        <translation>la table de scan du satellite choisi ne le contient pas : déplacé, arrêté, mal saisi ou sur une autre entrée</translation>
    </message>
</context>
<context>
    <name>check-why.part-record</name>
    <message>
        <source>a cut record shifts every record the receiver reads after it</source>
        <translation>un enregistrement tronqué décale chaque enregistrement que le récepteur lit ensuite</translation>
    </message>
</context>
<context>
    <name>check-why.satellite-gap</name>
    <message>
        <source>the chosen satellite&apos;s scan table has transponders the list lacks</source>
        <translation>la table de scan du satellite choisi contient des transpondeurs absents de la liste</translation>
    </message>
</context>
<context>
    <name>check-why.second-list</name>
    <message>
        <source>the receiver reads only one channel and one transponder list</source>
        <translation>le récepteur ne lit qu&apos;une seule liste de chaînes et une seule liste de transpondeurs</translation>
    </message>
</context>
<context>
    <name>check-why.sid-zero</name>
    <message>
        <source>no service has SID 0: a new channel&apos;s SID is still to be set</source>
        <translation>aucun service n&apos;a le SID 0 : le SID d&apos;une nouvelle chaîne reste à définir</translation>
    </message>
</context>
<context>
    <name>check-why.too-many-channels</name>
    <message>
        <source>more channels than the firmware is known to hold</source>
        <translation>plus de chaînes que ce que le firmware est connu pour gérer</translation>
    </message>
</context>
<context>
    <name>check-why.tp-missing</name>
    <message>
        <source>a channel without its transponder cannot be tuned</source>
        <translation>une chaîne sans son transpondeur ne peut pas être captée</translation>
    </message>
</context>
<context>
    <name>check-why.unknown-fec</name>
    <message>
        <source>the text file shows the code as 0/0 and stores another for it</source>
        <translation>le fichier texte affiche le code comme 0/0 et en enregistre un autre à sa place</translation>
    </message>
</context>
<context>
    <name>check.another-list</name>
    <message>
        <source>another {1} block; the receiver uses one</source>
        <translation>un autre bloc {1} ; le récepteur n&apos;en utilise qu&apos;un</translation>
    </message>
</context>
<context>
    <name>check.block</name>
    <message>
        <source>block {1}</source>
        <translation>bloc {1}</translation>
    </message>
</context>
<context>
    <name>check.block-channel</name>
    <message>
        <source>block {1} channel {2}</source>
        <translation>bloc {1} chaîne {2}</translation>
    </message>
</context>
<context>
    <name>check.block-transponder</name>
    <message>
        <source>block {1} transponder {2}</source>
        <translation>bloc {1} transpondeur {2}</translation>
    </message>
</context>
<context>
    <name>check.control-byte</name>
    <message>
        <source>control byte {1} at position {2}</source>
        <translation>octet de contrôle {1} à la position {2}</translation>
    </message>
</context>
<context>
    <name>check.error-line</name>
    <message>
        <source>error: {1}: {2}</source>
        <translation>erreur : {1} : {2}</translation>
    </message>
</context>
<context>
    <name>check.errors</name>
    <message numerus="yes">
        <source>{1} errors</source>
        <comment>{1} error</comment>
        <translation>
            <numerusform>{1} erreur</numerusform>
            <numerusform>{1} erreurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>check.free-slot</name>
    <message>
        <source>free slot inside the list</source>
        <translation>emplacement libre dans la liste</translation>
    </message>
</context>
<context>
    <name>check.hidden-flags</name>
    <message>
        <source>flag bits {1} do not show in the text line</source>
        <translation>les flags {1} n&apos;apparaissent pas dans la ligne de texte</translation>
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
        <translation>la taille est de {1} octets, et non {2}</translation>
    </message>
</context>
<context>
    <name>check.line-end-byte</name>
    <message>
        <source>line-end byte {1} at position {2}</source>
        <translation>octet de fin de ligne {1} à la position {2}</translation>
    </message>
</context>
<context>
    <name>check.no-tp</name>
    <message>
        <source>no transponder (0x00)</source>
        <translation>aucun transpondeur (0x00)</translation>
    </message>
</context>
<context>
    <name>check.no-usable-blocks</name>
    <message>
        <source>no usable blocks: no block is named TCS or TPT</source>
        <translation>aucun bloc utilisable : aucun bloc ne s&apos;appelle TCS ou TPT</translation>
    </message>
</context>
<context>
    <name>check.not-multiple</name>
    <message>
        <source>data length {1} is not a multiple of {2}</source>
        <translation>la longueur de données {1} n&apos;est pas un multiple de {2}</translation>
    </message>
</context>
<context>
    <name>check.past-block</name>
    <message>
        <source>data length {1} runs past the block&apos;s end (room for {2})</source>
        <translation>la longueur de données {1} dépasse la fin du bloc (place pour {2})</translation>
    </message>
</context>
<context>
    <name>check.past-image</name>
    <message>
        <source>data length {1} runs past the image&apos;s end</source>
        <translation>la longueur de données {1} dépasse la fin de l&apos;image</translation>
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
        <translation>SID {1} du transpondeur {2} également sur la chaîne {3}</translation>
    </message>
</context>
<context>
    <name>check.same-transponder</name>
    <message>
        <source>{1} kHz on DiSEqC {2} also at transponder {3}</source>
        <translation>{1} kHz sur DiSEqC {2} également au transpondeur {3}</translation>
    </message>
</context>
<context>
    <name>check.save-despite</name>
    <message>
        <source>The image has {1} (first: {2}: {3}).<byte value="xd"/>
Save anyway ?</source>
        <translation>L&apos;image comporte {1} (premier constat : {2} : {3}).<byte value="xd"/>
Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>check.sid-zero</name>
    <message>
        <source>SID 0 names no service</source>
        <translation>le SID 0 ne désigne aucun service</translation>
    </message>
</context>
<context>
    <name>check.too-many</name>
    <message>
        <source>{1} channels; the firmware holds {2}</source>
        <translation>{1} chaînes ; le firmware en gère {2}</translation>
    </message>
</context>
<context>
    <name>check.tp-beyond</name>
    <message>
        <source>transponder {1} does not exist ({2} used)</source>
        <translation>le transpondeur {1} n&apos;existe pas ({2} utilisés)</translation>
    </message>
</context>
<context>
    <name>check.tp-empty</name>
    <message>
        <source>transponder {1} is empty</source>
        <translation>le transpondeur {1} est vide</translation>
    </message>
</context>
<context>
    <name>check.unknown-fec</name>
    <message>
        <source>FEC code {1} shows as {2}; the text line stores {3} for it</source>
        <translation>le code FEC {1} s&apos;affiche comme {2} ; la ligne de texte enregistre {3} à sa place</translation>
    </message>
</context>
<context>
    <name>check.warning-line</name>
    <message>
        <source>warning: {1}: {2}</source>
        <translation>avertissement : {1} : {2}</translation>
    </message>
</context>
<context>
    <name>check.warnings</name>
    <message numerus="yes">
        <source>{1} warnings</source>
        <comment>{1} warning</comment>
        <translation>
            <numerusform>{1} avertissement</numerusform>
            <numerusform>{1} avertissements</numerusform>
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
        <translation>{1}, et la valeur serait enregistrée comme {2}</translation>
    </message>
</context>
<context>
    <name>columns.blank</name>
    <message>
        <source>{1} is blank</source>
        <translation>{1} est vide</translation>
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
        <translation>la colonne {1} contient {2}, et non {3}</translation>
    </message>
</context>
<context>
    <name>columns.gap-wide</name>
    <message>
        <source>the gap before {1} is {2} columns wide, not {3}</source>
        <translation>l&apos;espace avant {1} fait {2} colonnes de large, et non {3}</translation>
    </message>
</context>
<context>
    <name>columns.line-ends</name>
    <message>
        <source>the line ends in column {1}: {2} are missing</source>
        <translation>la ligne se termine à la colonne {1} : il manque {2}</translation>
    </message>
</context>
<context>
    <name>columns.missing</name>
    <message>
        <source>{1} is missing</source>
        <translation>{1} manque</translation>
    </message>
</context>
<context>
    <name>columns.moves-left</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the left</source>
        <translation>{1} : {2} et les colonnes suivantes se décalent de {3} vers la gauche</translation>
    </message>
</context>
<context>
    <name>columns.moves-right</name>
    <message>
        <source>{1}: {2} and the columns behind it move {3} to the right</source>
        <translation>{1} : {2} et les colonnes suivantes se décalent de {3} vers la droite</translation>
    </message>
</context>
<context>
    <name>columns.name-takes</name>
    <message>
        <source>the name {1} and its blanks take {2} columns, not {3}</source>
        <translation>le nom {1} et ses espaces occupent {2} colonnes, et non {3}</translation>
    </message>
</context>
<context>
    <name>columns.not-blank</name>
    <message>
        <source>column {1} is not a blank</source>
        <translation>la colonne {1} n&apos;est pas un espace</translation>
    </message>
</context>
<context>
    <name>columns.not-hex</name>
    <message>
        <source>{1} {2} is not a hex number</source>
        <translation>{1} {2} n&apos;est pas un nombre hexadécimal</translation>
    </message>
</context>
<context>
    <name>columns.not-read</name>
    <message>
        <source>text after column {1} is not read</source>
        <translation>le texte après la colonne {1} n&apos;est pas lu</translation>
    </message>
</context>
<context>
    <name>columns.number-ends</name>
    <message>
        <source>the record number {1} ends in column {2}, not {3}</source>
        <translation>le numéro d&apos;enregistrement {1} se termine à la colonne {2}, et non {3}</translation>
    </message>
</context>
<context>
    <name>columns.record-number</name>
    <message>
        <source>the record number</source>
        <translation>le numéro d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>columns.stored-as</name>
    <message>
        <source>{1}: it would be stored as {2}</source>
        <translation>{1} : la valeur serait enregistrée comme {2}</translation>
    </message>
</context>
<context>
    <name>columns.tab</name>
    <message>
        <source>column {1} holds a tab, one column however wide an editor shows it; {2}</source>
        <translation>la colonne {1} contient une tabulation, qui compte pour une colonne quelle que soit la largeur affichée par un éditeur ; {2}</translation>
    </message>
</context>
<context>
    <name>columns.the-name</name>
    <message>
        <source>the name</source>
        <translation>le nom</translation>
    </message>
</context>
<context>
    <name>columns.token-wide</name>
    <message>
        <source>{1} {2} is {3} characters wide, not {4}</source>
        <translation>{1} {2} fait {3} caractères de large, et non {4}</translation>
    </message>
</context>
<context>
    <name>convert.anyway</name>
    <message>
        <source>Convert anyway ?</source>
        <translation>Convertir quand même ?</translation>
    </message>
</context>
<context>
    <name>convert.large-list</name>
    <message>
        <source>File is bigger then 64Kb, load anyway ?</source>
        <translation>Le fichier dépasse 64 Ko, le charger quand même ?</translation>
    </message>
</context>
<context>
    <name>convert.line-refused</name>
    <message>
        <source>Line {1} of {2} can not be converted: {3}</source>
        <translation>La ligne {1} de {2} ne peut pas être convertie : {3}</translation>
    </message>
</context>
<context>
    <name>convert.more-lines</name>
    <message>
        <source>and {1} more</source>
        <translation>et {1} de plus</translation>
    </message>
</context>
<context>
    <name>convert.part-bytes</name>
    <message numerus="yes">
        <source>the last {1} bytes are not a whole record and are left out</source>
        <comment>the last byte is not a whole record and is left out</comment>
        <translation>
            <numerusform>le dernier octet ne forme pas un enregistrement entier et est ignoré</numerusform>
            <numerusform>les {1} derniers octets ne forment pas un enregistrement entier et sont ignorés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.round-trip</name>
    <message>
        <source>The text will not convert back to the same list: {1}<byte value="xd"/>
{2}</source>
        <translation>Le texte ne se reconvertira pas en la même liste : {1}<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>convert.unstored</name>
    <message numerus="yes">
        <source>{1} lines of {2} will not be stored as written:</source>
        <comment>{1} line of {2} will not be stored as written:</comment>
        <translation>
            <numerusform>{1} ligne sur {2} ne sera pas enregistrée telle qu&apos;écrite :</numerusform>
            <numerusform>{1} lignes sur {2} ne seront pas enregistrées telles qu&apos;écrites :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert.unstored-line</name>
    <message>
        <source>Line {1}: {2}<byte value="xd"/>
  as written: &quot;{3}&quot;<byte value="xd"/>
  read back:  &quot;{4}&quot;</source>
        <translation>Ligne {1} : {2}<byte value="xd"/>
  écrit : &quot;{3}&quot;<byte value="xd"/>
  relu :  &quot;{4}&quot;</translation>
    </message>
</context>
<context>
    <name>csv.after-quote</name>
    <message>
        <source>Text follows a closing quote.</source>
        <translation>Du texte suit un guillemet fermant.</translation>
    </message>
</context>
<context>
    <name>csv.column-twice</name>
    <message>
        <source>Column {1} is there twice: which one to read is unclear.</source>
        <translation>La colonne {1} figure deux fois : on ne sait pas laquelle lire.</translation>
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
            <numerusform>{1} nom deviendrait vide : {2}.<byte value="xd"/>
Le vider ?</numerusform>
            <numerusform>{1} noms deviendraient vides : {2}.<byte value="xd"/>
Les vider ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>csv.emptied-name</name>
    <message>
        <source>channel {1} {2}</source>
        <translation>chaîne {1} {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-channels</name>
    <message>
        <source>Exported {1} channels to {2}</source>
        <translation>{1} chaînes exportées vers {2}</translation>
    </message>
</context>
<context>
    <name>csv.exported-transponders</name>
    <message>
        <source>Exported {1} transponders to {2}</source>
        <translation>{1} transpondeurs exportés vers {2}</translation>
    </message>
</context>
<context>
    <name>csv.garbled</name>
    <message>
        <source>The file starts with &quot;{1}&quot;: it was read in a Western character set, which garbles accented letters. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Le fichier commence par &quot;{1}&quot; : il a été lu dans un jeu de caractères occidental, qui altère les lettres accentuées. Rouvrez le fichier exporté avec le jeu de caractères Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.garbled-mark-skipped</name>
    <message>
        <source>{1} starts with a byte order mark read in a Western character set; the rest of the file is plain ASCII, which that does not garble, so the mark is left out.</source>
        <translation>{1} commence par une marque d&apos;ordre des octets lue dans un jeu de caractères occidental ; le reste du fichier est en ASCII pur, que ce jeu n&apos;altère pas, la marque est donc ignorée.</translation>
    </message>
</context>
<context>
    <name>csv.imported-channels</name>
    <message>
        <source>Imported {1} channels from {2}</source>
        <translation>{1} chaînes importées depuis {2}</translation>
    </message>
</context>
<context>
    <name>csv.imported-transponders</name>
    <message>
        <source>Imported {1} transponders from {2}</source>
        <translation>{1} transpondeurs importés depuis {2}</translation>
    </message>
</context>
<context>
    <name>csv.inner-quote</name>
    <message>
        <source>A quote inside a field that does not start with one.</source>
        <translation>Un guillemet à l&apos;intérieur d&apos;un champ qui ne commence pas par un guillemet.</translation>
    </message>
</context>
<context>
    <name>csv.line-of-file</name>
    <message>
        <source>Line {1} of {2}: {3}</source>
        <translation>Ligne {1} de {2} : {3}</translation>
    </message>
</context>
<context>
    <name>csv.mark-twice</name>
    <message>
        <source>The file starts with two byte order marks: a program added one to a file that had it. Open the exported file again with the character set Unicode (UTF-8).</source>
        <translation>Le fichier commence par deux marques d&apos;ordre des octets : un programme en a ajouté une à un fichier qui en avait déjà une. Rouvrez le fichier exporté avec le jeu de caractères Unicode (UTF-8).</translation>
    </message>
</context>
<context>
    <name>csv.missing-column</name>
    <message>
        <source>Missing column {1}.</source>
        <translation>Colonne {1} manquante.</translation>
    </message>
</context>
<context>
    <name>csv.no-rows</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2}.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} n&apos;a aucune ligne : l&apos;importation viderait la liste ({2}).<byte value="xd"/>
Vider la liste ?</translation>
    </message>
</context>
<context>
    <name>csv.no-rows-channels</name>
    <message>
        <source>{1} has no rows: the import would empty the list of {2} and remove the {3} on them.<byte value="xd"/>
Empty the list ?</source>
        <translation>{1} n&apos;a aucune ligne : l&apos;importation viderait la liste ({2}) et supprimerait les {3} qui en dépendent.<byte value="xd"/>
Vider la liste ?</translation>
    </message>
</context>
<context>
    <name>csv.not-closed</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
</context>
<context>
    <name>csv.not-utf8</name>
    <message>
        <source>Line {1} of {2} is not UTF-8 text: save the CSV as UTF-8</source>
        <translation>La ligne {1} de {2} n&apos;est pas du texte UTF-8 : enregistrez le CSV en UTF-8</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-channel</name>
    <message>
        <source>Nr {1} names no channel: the list has {2}.</source>
        <translation>N° {1} ne désigne aucune chaîne : la liste en compte {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-no-transponder</name>
    <message>
        <source>Nr {1} names no transponder: the list has {2}.</source>
        <translation>N° {1} ne désigne aucun transpondeur : la liste en compte {2}.</translation>
    </message>
</context>
<context>
    <name>csv.nr-not-number</name>
    <message>
        <source>Nr {1} is not a number.</source>
        <translation>N° {1} n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>csv.transponder-beyond</name>
    <message>
        <source>Transponder {1} would move to row {2}, beyond the {3} its channels can reach.</source>
        <translation>Le transpondeur {1} passerait à la ligne {2}, au-delà des {3} que ses chaînes peuvent atteindre.</translation>
    </message>
</context>
<context>
    <name>diff.added</name>
    <message>
        <source>{1} added</source>
        <translation>{1} : ajout</translation>
    </message>
</context>
<context>
    <name>diff.added-label</name>
    <message>
        <source>{1} added: {2}</source>
        <translation>{1} : ajout ({2})</translation>
    </message>
</context>
<context>
    <name>diff.bytes</name>
    <message>
        <source>{1} bytes {2}-{3} changed</source>
        <translation>{1} : octets {2}-{3} modifiés</translation>
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
            <numerusform>{2} : {1} autre plage d&apos;octets modifiée</numerusform>
            <numerusform>{2} : {1} autres plages d&apos;octets modifiées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>diff.moved</name>
    <message>
        <source>{1} moved from {2}</source>
        <translation>{1} : déplacement depuis {2}</translation>
    </message>
</context>
<context>
    <name>diff.moved-label</name>
    <message>
        <source>{1} moved from {2}: {3}</source>
        <translation>{1} : déplacement depuis {2} ({3})</translation>
    </message>
</context>
<context>
    <name>diff.no-transponder</name>
    <message>
        <source>{1} (no transponder)</source>
        <translation>{1} (aucun transpondeur)</translation>
    </message>
</context>
<context>
    <name>diff.past-blocks</name>
    <message>
        <source>past the blocks</source>
        <translation>au-delà des blocs</translation>
    </message>
</context>
<context>
    <name>diff.removed</name>
    <message>
        <source>{1} removed</source>
        <translation>{1} : suppression</translation>
    </message>
</context>
<context>
    <name>diff.removed-label</name>
    <message>
        <source>{1} removed: {2}</source>
        <translation>{1} : suppression ({2})</translation>
    </message>
</context>
<context>
    <name>diff.size</name>
    <message>
        <source>{1} {2}: {3} → {4} bytes</source>
        <translation>{1} {2} : {3} → {4} octets</translation>
    </message>
</context>
<context>
    <name>done.cleared-block</name>
    <message>
        <source>Cleared block {1} ({2})</source>
        <translation>Bloc {1} vidé ({2})</translation>
    </message>
</context>
<context>
    <name>done.converted-channels</name>
    <message>
        <source>Converted {1} channels to {2}</source>
        <translation>{1} chaînes converties vers {2}</translation>
    </message>
</context>
<context>
    <name>done.converted-transponders</name>
    <message>
        <source>Converted {1} transponders to {2}</source>
        <translation>{1} transpondeurs convertis vers {2}</translation>
    </message>
</context>
<context>
    <name>done.loaded-image</name>
    <message>
        <source>Loaded {1} ({2} bytes)</source>
        <translation>{1} chargé ({2} octets)</translation>
    </message>
</context>
<context>
    <name>done.read-as-utf8</name>
    <message>
        <source>{1} (read as UTF-8)</source>
        <translation>{1} (lu en UTF-8)</translation>
    </message>
</context>
<context>
    <name>done.read-block</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes)</source>
        <translation>Bloc {1} lu ({2}, {3} octets)</translation>
    </message>
</context>
<context>
    <name>done.read-block-from</name>
    <message>
        <source>Read block {1} ({2}, {3} bytes) from {4}</source>
        <translation>Bloc {1} lu ({2}, {3} octets) depuis {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-block</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes)</source>
        <translation>Bloc {1} enregistré ({2}, {3} octets)</translation>
    </message>
</context>
<context>
    <name>done.saved-block-to</name>
    <message>
        <source>Saved block {1} ({2}, {3} bytes) to {4}</source>
        <translation>Bloc {1} enregistré ({2}, {3} octets) dans {4}</translation>
    </message>
</context>
<context>
    <name>done.saved-image</name>
    <message>
        <source>Saved {1} ({2} bytes)</source>
        <translation>{1} enregistré ({2} octets)</translation>
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
        <translation>Bande</translation>
    </message>
</context>
<context>
    <name>field.block-name</name>
    <message>
        <source>Block name</source>
        <translation>Nom du bloc</translation>
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
        <translation>Flags</translation>
    </message>
</context>
<context>
    <name>field.frequency</name>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
</context>
<context>
    <name>field.length</name>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
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
        <translation>Nom</translation>
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
        <translation>{1} {2} n&apos;est pas {3}</translation>
    </message>
</context>
<context>
    <name>field.not-number</name>
    <message>
        <source>{1} {2} is not a number</source>
        <translation>{1} {2} n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>field.nr</name>
    <message>
        <source>Nr</source>
        <translation>N°</translation>
    </message>
</context>
<context>
    <name>field.outside</name>
    <message>
        <source>{1} {2} is outside {3} to {4}</source>
        <translation>{1} {2} n&apos;est pas entre {3} et {4}</translation>
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
        <translation>Taille</translation>
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
        <translation>Fichier : {1} ne peut pas être ouvert !</translation>
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
        <translation>Fichier : {1} introuvable !</translation>
    </message>
</context>
<context>
    <name>file.not-regular</name>
    <message>
        <source>File : {1} is not a regular file !</source>
        <translation>Fichier : {1} n&apos;est pas un fichier ordinaire !</translation>
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
        <translation>a perdu sa liste de contrôle d&apos;accès ({1})</translation>
    </message>
</context>
<context>
    <name>file.notice.lost-attributes</name>
    <message>
        <source>lost its extended attributes {1}</source>
        <translation>a perdu ses attributs étendus {1}</translation>
    </message>
</context>
<context>
    <name>file.notice.other-names</name>
    <message numerus="yes">
        <source>is a file of its own now: its {1} other names (hard links) keep the old content</source>
        <comment>is a file of its own now: its other name (a hard link) keeps the old content</comment>
        <translation>
            <numerusform>est désormais un fichier à part : son autre nom (un lien physique) garde l&apos;ancien contenu</numerusform>
            <numerusform>est désormais un fichier à part : ses {1} autres noms (liens physiques) gardent l&apos;ancien contenu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>file.notice.owned-by</name>
    <message>
        <source>is now owned by {1}</source>
        <translation>appartient désormais à {1}</translation>
    </message>
</context>
<context>
    <name>file.overwrite</name>
    <message>
        <source>File : {1} already exists !<byte value="xd"/>
Overwrite ?</source>
        <translation>Fichier : {1} existe déjà !<byte value="xd"/>
L&apos;écraser ?</translation>
    </message>
</context>
<context>
    <name>file.reason.folder</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
</context>
<context>
    <name>file.reason.left-behind</name>
    <message>
        <source>{1}; the temporary file {2} is left behind</source>
        <translation>{1} ; le fichier temporaire {2} est resté en place</translation>
    </message>
</context>
<context>
    <name>file.reason.not-regular</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>file.reason.read-error</name>
    <message>
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
</context>
<context>
    <name>file.reason.read-only</name>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
</context>
<context>
    <name>file.reason.system-error</name>
    <message>
        <source>system error {1}</source>
        <translation>erreur système {1}</translation>
    </message>
</context>
<context>
    <name>file.reason.too-large</name>
    <message>
        <source>too large</source>
        <translation>trop volumineux</translation>
    </message>
</context>
<context>
    <name>file.same</name>
    <message>
        <source>Source and target are the same file : {1}</source>
        <translation>La source et la cible sont le même fichier : {1}</translation>
    </message>
</context>
<context>
    <name>file.too-large</name>
    <message>
        <source>File : {1} is too large ({2} bytes) !</source>
        <translation>Fichier : {1} est trop volumineux ({2} octets) !</translation>
    </message>
</context>
<context>
    <name>file.unreadable</name>
    <message>
        <source>File : {1} can not be read !</source>
        <translation>Fichier : {1} ne peut pas être lu !</translation>
    </message>
</context>
<context>
    <name>file.unreadable-because</name>
    <message>
        <source>File : {1} can not be read !<byte value="xd"/>
{2}</source>
        <translation>Fichier : {1} ne peut pas être lu !<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>file.write-error</name>
    <message>
        <source>Error Writing the file {1} !<byte value="xd"/>
{2}</source>
        <translation>Erreur lors de l&apos;écriture du fichier {1} !<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>image.no-blocks</name>
    <message>
        <source>File does not contain any usable blocks</source>
        <translation>Le fichier ne contient aucun bloc utilisable</translation>
    </message>
</context>
<context>
    <name>image.no-file-open</name>
    <message>
        <source>No File Open!</source>
        <translation>Aucun fichier ouvert !</translation>
    </message>
</context>
<context>
    <name>label.edited-block</name>
    <message>
        <source>Editing Block:{1} ({2})</source>
        <translation>Édition du bloc {1} ({2})</translation>
    </message>
</context>
<context>
    <name>label.edited-first-block</name>
    <message>
        <source>Editing Block:{1} ({2}), the first of {3} {2} blocks</source>
        <translation>Édition du bloc {1} ({2}), le premier des {3} blocs {2}</translation>
    </message>
</context>
<context>
    <name>label.file-changed</name>
    <message>
        <source>File Changed</source>
        <translation>Fichier modifié</translation>
    </message>
</context>
<context>
    <name>label.size</name>
    <message>
        <source>Size :{1} bytes</source>
        <translation>Taille : {1} octets</translation>
    </message>
</context>
<context>
    <name>list.and</name>
    <message>
        <source>{1} and {2}</source>
        <extracomment>The last two items of a list: &quot;a, b and c&quot;.</extracomment>
        <translation>{1} et {2}</translation>
    </message>
</context>
<context>
    <name>list.channels</name>
    <message numerus="yes">
        <source>{1} channels</source>
        <comment>{1} channel</comment>
        <translation>
            <numerusform>{1} chaîne</numerusform>
            <numerusform>{1} chaînes</numerusform>
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
        <translation>{1} et {2} de plus</translation>
    </message>
</context>
<context>
    <name>list.no-block</name>
    <message>
        <source>The image has no {1} block.</source>
        <translation>L&apos;image n&apos;a aucun bloc {1}.</translation>
    </message>
</context>
<context>
    <name>list.or</name>
    <message>
        <source>{1} or {2}</source>
        <extracomment>The last two choices of a list: &quot;a, b or c&quot;.</extracomment>
        <translation>{1} ou {2}</translation>
    </message>
</context>
<context>
    <name>list.record-channel</name>
    <message>
        <source>channel</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>de chaîne</translation>
    </message>
</context>
<context>
    <name>list.record-transponder</name>
    <message>
        <source>transponder</source>
        <extracomment>The kind of record a block file holds, in &quot;not a whole number of {3} records&quot;.</extracomment>
        <translation>de transpondeur</translation>
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
            <numerusform>{1} transpondeur</numerusform>
            <numerusform>{1} transpondeurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>moved.channel</name>
    <message>
        <source>Channel {1} is now {2}</source>
        <translation>La chaîne {1} passe en position {2}</translation>
    </message>
</context>
<context>
    <name>moved.down</name>
    <message>
        <source>{1} moved down one place</source>
        <translation>{1} descendent d&apos;une place</translation>
    </message>
</context>
<context>
    <name>moved.named</name>
    <message>
        <source>{1} is now {2}</source>
        <translation>{1} passe en position {2}</translation>
    </message>
</context>
<context>
    <name>moved.together</name>
    <message>
        <source>{1} are now {2} to {3}</source>
        <translation>{1} occupent maintenant les positions {2} à {3}</translation>
    </message>
</context>
<context>
    <name>moved.transponder</name>
    <message>
        <source>Transponder {1} is now {2}</source>
        <translation>Le transpondeur {1} passe en position {2}</translation>
    </message>
</context>
<context>
    <name>moved.up</name>
    <message>
        <source>{1} moved up one place</source>
        <translation>{1} montent d&apos;une place</translation>
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
            <numerusform>{1} nouvelle chaîne va à la fin</numerusform>
            <numerusform>{1} nouvelles chaînes vont à la fin</numerusform>
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
            <numerusform>{1} chaîne suit la référence</numerusform>
            <numerusform>{1} chaînes suivent la référence</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.khz-not-number</name>
    <message>
        <source>{1} {2} is not a number.</source>
        <translation>{1} {2} n&apos;est pas un nombre.</translation>
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
        <translation>Chaîne {1} de la référence manquante : {2}</translation>
    </message>
</context>
<context>
    <name>order.missing-some</name>
    <message numerus="yes">
        <source>{1} channels of the reference are not in this list</source>
        <comment>{1} channel of the reference is not in this list</comment>
        <translation>
            <numerusform>{1} chaîne de la référence n&apos;est pas dans cette liste</numerusform>
            <numerusform>{1} chaînes de la référence ne sont pas dans cette liste</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.new</name>
    <message>
        <source>New channel {1}, now channel {2}</source>
        <translation>Nouvelle chaîne {1}, désormais chaîne {2}</translation>
    </message>
</context>
<context>
    <name>order.start</name>
    <message numerus="yes">
        <source>{1} new channels go to the start</source>
        <comment>{1} new channel goes to the start</comment>
        <translation>
            <numerusform>{1} nouvelle chaîne va au début</numerusform>
            <numerusform>{1} nouvelles chaînes vont au début</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>order.too-many-rows</name>
    <message>
        <source>more channels than a TCS block holds ({1}).</source>
        <translation>plus de chaînes qu&apos;un bloc TCS ne peut en contenir ({1}).</translation>
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
        <translation>Aucun transpondeur</translation>
    </message>
</context>
<context>
    <name>print.not-a-column</name>
    <message>
        <source>Column {1} is none of {2}.</source>
        <translation>La colonne {1} ne figure pas parmi {2}.</translation>
    </message>
</context>
<context>
    <name>print.page</name>
    <message>
        <source>page {1} of {2}</source>
        <translation>page {1} sur {2}</translation>
    </message>
</context>
<context>
    <name>print.twice</name>
    <message>
        <source>Column {1} is named twice.</source>
        <translation>La colonne {1} est nommée deux fois.</translation>
    </message>
</context>
<context>
    <name>range.channel-beyond</name>
    <message>
        <source>Channel {1} is beyond the list of {2}.</source>
        <translation>La chaîne {1} dépasse la fin de la liste ({2}).</translation>
    </message>
</context>
<context>
    <name>range.channel-first</name>
    <message>
        <source>Channel 1 is the first: it cannot move up.</source>
        <translation>La chaîne 1 est la première : elle ne peut pas monter.</translation>
    </message>
</context>
<context>
    <name>range.channel-last</name>
    <message>
        <source>Channel {1} is the last: it cannot move down.</source>
        <translation>La chaîne {1} est la dernière : elle ne peut pas descendre.</translation>
    </message>
</context>
<context>
    <name>range.channel-room</name>
    <message>
        <source>The TCS block holds at most {1} channels.</source>
        <translation>Le bloc TCS contient au plus {1} chaînes.</translation>
    </message>
</context>
<context>
    <name>range.channels-backwards</name>
    <message>
        <source>Channel range {1}-{2} runs backwards.</source>
        <translation>La plage de chaînes {1}-{2} est inversée.</translation>
    </message>
</context>
<context>
    <name>range.position-beyond</name>
    <message>
        <source>Position {1} is beyond the list of {2}.</source>
        <translation>La position {1} dépasse la fin de la liste ({2}).</translation>
    </message>
</context>
<context>
    <name>range.position-inside</name>
    <message>
        <source>Position {1} lies inside {2}-{3}.</source>
        <translation>La position {1} se trouve dans {2}-{3}.</translation>
    </message>
</context>
<context>
    <name>range.remove-all-some</name>
    <message numerus="yes">
        <source>Remove {2} transponders and their {1} channels</source>
        <comment>Remove {2} transponders and their {1} channel</comment>
        <translation>
            <numerusform>Supprimer les {2} transpondeurs et leur chaîne</numerusform>
            <numerusform>Supprimer les {2} transpondeurs et leurs {1} chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.remove-some</name>
    <message numerus="yes">
        <source>Remove transponder and its {1} channels</source>
        <comment>Remove transponder and its channel</comment>
        <translation>
            <numerusform>Supprimer le transpondeur et sa chaîne</numerusform>
            <numerusform>Supprimer le transpondeur et ses {1} chaînes</numerusform>
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
            <numerusform>{1} chaîne utilise le transpondeur {2} ({3} kHz).<byte value="xd"/>
Supprimer le transpondeur et sa chaîne ?</numerusform>
            <numerusform>{1} chaînes utilisent le transpondeur {2} ({3} kHz).<byte value="xd"/>
Supprimer le transpondeur et ses {1} chaînes ?</numerusform>
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
            <numerusform>{1} chaîne utilise les {2} transpondeurs.<byte value="xd"/>
Supprimer les {2} transpondeurs et leur chaîne ?</numerusform>
            <numerusform>{1} chaînes utilisent les {2} transpondeurs.<byte value="xd"/>
Supprimer les {2} transpondeurs et leurs {1} chaînes ?</numerusform>
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
            <numerusform>{1} chaîne utilise {3} des {2} transpondeurs.<byte value="xd"/>
Supprimer les {2} transpondeurs et leur chaîne ?</numerusform>
            <numerusform>{1} chaînes utilisent {3} des {2} transpondeurs.<byte value="xd"/>
Supprimer les {2} transpondeurs et leurs {1} chaînes ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>range.transponder-beyond</name>
    <message>
        <source>Transponder {1} is beyond the list of {2}.</source>
        <translation>Le transpondeur {1} dépasse la fin de la liste ({2}).</translation>
    </message>
</context>
<context>
    <name>range.transponder-first</name>
    <message>
        <source>Transponder 1 is the first: it cannot move up.</source>
        <translation>Le transpondeur 1 est le premier : il ne peut pas monter.</translation>
    </message>
</context>
<context>
    <name>range.transponder-last</name>
    <message>
        <source>Transponder {1} is the last: it cannot move down.</source>
        <translation>Le transpondeur {1} est le dernier : il ne peut pas descendre.</translation>
    </message>
</context>
<context>
    <name>range.transponder-reach</name>
    <message>
        <source>A channel reaches at most {1} transponders.</source>
        <translation>Une chaîne atteint au plus {1} transpondeurs.</translation>
    </message>
</context>
<context>
    <name>range.transponders-backwards</name>
    <message>
        <source>Transponder range {1}-{2} runs backwards.</source>
        <translation>La plage de transpondeurs {1}-{2} est inversée.</translation>
    </message>
</context>
<context>
    <name>satellite.above-most</name>
    <message>
        <source>SR {1} Msym/s is above the list&apos;s {2} Msym/s</source>
        <translation>SR {1} Msym/s dépasse les {2} Msym/s de la liste</translation>
    </message>
</context>
<context>
    <name>satellite.already-in</name>
    <message>
        <source>Already in the list as transponder {1}</source>
        <translation>Déjà dans la liste comme transpondeur {1}</translation>
    </message>
</context>
<context>
    <name>satellite.below-1-msym</name>
    <message>
        <source>SR {1} Msym/s is below 1 Msym/s</source>
        <translation>SR {1} Msym/s est inférieur à 1 Msym/s</translation>
    </message>
</context>
<context>
    <name>satellite.circular</name>
    <message>
        <source>Circular polarisation {1}: the list holds V or H</source>
        <translation>Polarisation circulaire {1} : la liste ne connaît que V ou H</translation>
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
        <translation>{1} : enregistré avec la valeur par défaut {2}</translation>
    </message>
</context>
<context>
    <name>satellite.holds-another</name>
    <message>
        <source>{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} semble contenir un autre satellite que {2} (les tables de {5} n&apos;ont que {3} des {4} sur {1}) : des lignes signalées comme présentes dans la liste peuvent être des transpondeurs d&apos;un autre satellite, et une autre entrée DiSEqC est peut-être visée.</translation>
    </message>
</context>
<context>
    <name>satellite.holds-other</name>
    <message>
        <source>{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows said to be in the list may be another satellite&apos;s transponders, and another DiSEqC input may be meant.</source>
        <translation>{1} semble contenir {5} plutôt que {2} (les tables de {5} ont {3} des {4} sur {1}) : des lignes signalées comme présentes dans la liste peuvent être des transpondeurs d&apos;un autre satellite, et une autre entrée DiSEqC est peut-être visée.</translation>
    </message>
</context>
<context>
    <name>satellite.lacks</name>
    <message>
        <source>{1}: the list lacks {2} of {3} transponders it could hold: {4}</source>
        <translation>{1} : il manque à la liste {2} des {3} transpondeurs qu&apos;elle pourrait contenir : {4}</translation>
    </message>
</context>
<context>
    <name>satellite.multistream</name>
    <message>
        <source>Multistream (STREAM_ID {1}): the list cannot choose a stream</source>
        <translation>Multistream (STREAM_ID {1}) : la liste ne peut pas choisir de flux</translation>
    </message>
</context>
<context>
    <name>satellite.no-delivery-system</name>
    <message>
        <source>No DELIVERY_SYSTEM</source>
        <translation>Pas de DELIVERY_SYSTEM</translation>
    </message>
</context>
<context>
    <name>satellite.no-fec</name>
    <message>
        <source>No INNER_FEC</source>
        <translation>Pas d&apos;INNER_FEC</translation>
    </message>
</context>
<context>
    <name>satellite.no-frequency</name>
    <message>
        <source>No FREQUENCY</source>
        <translation>Pas de FREQUENCY</translation>
    </message>
</context>
<context>
    <name>satellite.no-polarization</name>
    <message>
        <source>No POLARIZATION</source>
        <translation>Pas de POLARIZATION</translation>
    </message>
</context>
<context>
    <name>satellite.no-room</name>
    <message>
        <source>No room left: a channel reaches at most {1} transponders</source>
        <translation>Plus de place : une chaîne atteint au plus {1} transpondeurs</translation>
    </message>
</context>
<context>
    <name>satellite.no-symbol-rate</name>
    <message>
        <source>No SYMBOL_RATE</source>
        <translation>Pas de SYMBOL_RATE</translation>
    </message>
</context>
<context>
    <name>satellite.not-in-table</name>
    <message>
        <source>{1} {2} is not in the table of {3}</source>
        <translation>{1} {2} n&apos;est pas dans la table de {3}</translation>
    </message>
</context>
<context>
    <name>satellite.not-v-or-h</name>
    <message>
        <source>Polarisation {1} is not V or H</source>
        <translation>La polarisation {1} n&apos;est ni V ni H</translation>
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
        <translation>{1} : le récepteur capte le DVB-S QPSK et la liste ne peut pas signaler autre chose</translation>
    </message>
</context>
<context>
    <name>satellite.partial-add</name>
    <message>
        <source>The list has room for {1} of the {2} transponders that can be added: a channel reaches at most {3} transponders.<byte value="xd"/>
Add the first {1} and leave out the other {4} ?</source>
        <translation>La liste a de la place pour {1} des {2} transpondeurs pouvant être ajoutés : une chaîne atteint au plus {3} transpondeurs.<byte value="xd"/>
Ajouter les {1} premiers et ignorer les {4} autres ?</translation>
    </message>
</context>
<context>
    <name>satellite.repeats</name>
    <message>
        <source>Repeats {1}</source>
        <translation>Répète {1}</translation>
    </message>
</context>
<context>
    <name>satellite.rounded</name>
    <message>
        <source>SR {1} Msym/s is stored rounded as {2}</source>
        <translation>SR {1} Msym/s est enregistré arrondi à {2}</translation>
    </message>
</context>
<context>
    <name>satellite.rows-to-add</name>
    <message numerus="yes">
        <source>{2} of {1} rows to add</source>
        <comment>{2} of {1} row to add</comment>
        <translation>
            <numerusform>{2} sur {1} ligne à ajouter</numerusform>
            <numerusform>{2} sur {1} lignes à ajouter</numerusform>
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
        <translation>La table de scan {1} ne peut pas être lue : {2}.</translation>
    </message>
</context>
<context>
    <name>scan.empty</name>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
</context>
<context>
    <name>scan.folder-unreadable</name>
    <message>
        <source>The folder of scan tables {1} can not be read: {2}.</source>
        <translation>Le dossier des tables de scan {1} ne peut pas être lu : {2}.</translation>
    </message>
</context>
<context>
    <name>scan.line</name>
    <message>
        <source>line {1}</source>
        <translation>ligne {1}</translation>
    </message>
</context>
<context>
    <name>scan.line-says</name>
    <message>
        <source>line {1}: {2}</source>
        <translation>ligne {1} : {2}</translation>
    </message>
</context>
<context>
    <name>scan.not-key-value</name>
    <message>
        <source>{1} is not KEY = VALUE in a section</source>
        <translation>{1} n&apos;est pas CLÉ = VALEUR dans une section</translation>
    </message>
</context>
<context>
    <name>scan.not-table</name>
    <message>
        <source>{1} is not a scan table: {2}.</source>
        <translation>{1} n&apos;est pas une table de scan : {2}.</translation>
    </message>
</context>
<context>
    <name>scan.not-text</name>
    <message>
        <source>it is not UTF-8 or Latin-1 text</source>
        <translation>ce n&apos;est pas du texte UTF-8 ou Latin-1</translation>
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
        <translation>{1} ligne {2}</translation>
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
        <translation>elle dépasse {1} Mio, plus que n&apos;importe quelle table</translation>
    </message>
</context>
<context>
    <name>scan.too-many-problems</name>
    <message>
        <source>more than {1} of its lines do not read ({2})</source>
        <translation>plus de {1} de ses lignes sont illisibles ({2})</translation>
    </message>
</context>
<context>
    <name>scan.too-many-rows</name>
    <message>
        <source>it has more than {1} sections</source>
        <translation>elle a plus de {1} sections</translation>
    </message>
</context>
<context>
    <name>scan.where-to-get</name>
    <message>
        <source>No DVB-S scan tables in {1}: on Debian and Ubuntu they come with the package dtv-scan-tables; elsewhere, name a folder that holds them {2}.</source>
        <translation>Aucune table de scan DVB-S dans {1} : sous Debian et Ubuntu, elles sont fournies par le paquet dtv-scan-tables ; ailleurs, indiquez un dossier qui les contient {2}.</translation>
    </message>
</context>
<context>
    <name>session.changed-on-disk</name>
    <message>
        <source>File : {1} has changed on disk since it was loaded !<byte value="xd"/>
Overwrite anyway ?</source>
        <translation>Fichier : {1} a été modifié sur le disque depuis son chargement !<byte value="xd"/>
L&apos;écraser quand même ?</translation>
    </message>
</context>
<context>
    <name>session.no-findings</name>
    <message>
        <source>No findings</source>
        <translation>Aucun constat</translation>
    </message>
</context>
<context>
    <name>session.save-before-exiting</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before exiting ?</source>
        <translation>Le fichier a été modifié mais pas enregistré !<byte value="xd"/>
Enregistrer les modifications avant de quitter ?</translation>
    </message>
</context>
<context>
    <name>session.save-before-loading</name>
    <message>
        <source>File has been changed, but not saved !<byte value="xd"/>
Save the changes before loading ?</source>
        <translation>Le fichier a été modifié mais pas enregistré !<byte value="xd"/>
Enregistrer les modifications avant de charger ?</translation>
    </message>
</context>
<context>
    <name>set.given-twice</name>
    <message>
        <source>{1} is given twice: give each field once.</source>
        <translation>{1} est indiqué deux fois : indiquez chaque champ une seule fois.</translation>
    </message>
</context>
<context>
    <name>set.no-such-tp</name>
    <message>
        <source>{1} {2} names no transponder: the list has {3}.</source>
        <translation>{1} {2} ne désigne aucun transpondeur : la liste en compte {3}.</translation>
    </message>
</context>
<context>
    <name>set.not-assignment</name>
    <message>
        <source>{1} is not FIELD=VALUE.</source>
        <translation>{1} n&apos;est pas CHAMP=VALEUR.</translation>
    </message>
</context>
<context>
    <name>set.unknown-field</name>
    <message>
        <source>Unknown field {1}: the fields are {2}.</source>
        <translation>Champ inconnu {1} : les champs sont {2}.</translation>
    </message>
</context>
<context>
    <name>status.converting</name>
    <message>
        <source>Converting {1}...</source>
        <translation>Conversion de {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading</name>
    <message>
        <source>Loading {1}...</source>
        <translation>Chargement de {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-converting</name>
    <message>
        <source>Loading and converting {1}...</source>
        <translation>Chargement et conversion de {1}...</translation>
    </message>
</context>
<context>
    <name>status.loading-image</name>
    <message>
        <source>Loading... {1}</source>
        <translation>Chargement... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving</name>
    <message>
        <source>Saving... {1}</source>
        <translation>Enregistrement... {1}</translation>
    </message>
</context>
<context>
    <name>status.saving-block</name>
    <message>
        <source>Saving {1}...</source>
        <translation>Enregistrement de {1}...</translation>
    </message>
</context>
<context>
    <name>status.writing</name>
    <message>
        <source>Writing {1}...</source>
        <translation>Écriture de {1}...</translation>
    </message>
</context>
<context>
    <name>step.apply-order</name>
    <message>
        <source>Apply order from {1}</source>
        <translation>Appliquer l&apos;ordre de {1}</translation>
    </message>
</context>
<context>
    <name>step.change-channel</name>
    <message>
        <source>Change {1} of channel {2}</source>
        <translation>Modifier {1} de la chaîne {2}</translation>
    </message>
</context>
<context>
    <name>step.change-transponder</name>
    <message>
        <source>Change {1} of transponder {2}</source>
        <translation>Modifier {1} du transpondeur {2}</translation>
    </message>
</context>
<context>
    <name>step.channel</name>
    <message>
        <source>channel {1}</source>
        <translation>chaîne {1}</translation>
    </message>
</context>
<context>
    <name>step.clear-block</name>
    <message>
        <source>Clear Block</source>
        <translation>Vider le bloc</translation>
    </message>
</context>
<context>
    <name>step.duplicate</name>
    <message>
        <source>Duplicate {1}</source>
        <translation>Dupliquer {1}</translation>
    </message>
</context>
<context>
    <name>step.import-channels</name>
    <message>
        <source>Import channels from {1}</source>
        <translation>Importer les chaînes depuis {1}</translation>
    </message>
</context>
<context>
    <name>step.import-transponders</name>
    <message>
        <source>Import transponders from {1}</source>
        <translation>Importer les transpondeurs depuis {1}</translation>
    </message>
</context>
<context>
    <name>step.insert</name>
    <message>
        <source>Insert {1}</source>
        <translation>Insérer {1}</translation>
    </message>
</context>
<context>
    <name>step.move</name>
    <message>
        <source>Move {1}</source>
        <translation>Déplacer {1}</translation>
    </message>
</context>
<context>
    <name>step.needs-transponder</name>
    <message>
        <source>A new channel needs a transponder: the TPT list has none.</source>
        <translation>Une nouvelle chaîne a besoin d&apos;un transpondeur : la liste TPT n&apos;en contient aucun.</translation>
    </message>
</context>
<context>
    <name>step.read-block</name>
    <message>
        <source>Read Block</source>
        <translation>Lire le bloc</translation>
    </message>
</context>
<context>
    <name>step.remove</name>
    <message>
        <source>Remove {1}</source>
        <translation>Supprimer {1}</translation>
    </message>
</context>
<context>
    <name>step.remove-with-their</name>
    <message numerus="yes">
        <source>Remove {2} and their channels</source>
        <comment>Remove {2} and its channels</comment>
        <translation>
            <numerusform>Supprimer {2} et ses chaînes</numerusform>
            <numerusform>Supprimer {2} et leurs chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>step.rename</name>
    <message>
        <source>Rename channel {1}</source>
        <translation>Renommer la chaîne {1}</translation>
    </message>
</context>
<context>
    <name>step.sort-frequency</name>
    <message>
        <source>Sort channels by frequency</source>
        <translation>Trier les chaînes par fréquence</translation>
    </message>
</context>
<context>
    <name>step.sort-name</name>
    <message>
        <source>Sort channels by name</source>
        <translation>Trier les chaînes par nom</translation>
    </message>
</context>
<context>
    <name>step.sort-sid</name>
    <message>
        <source>Sort channels by SID</source>
        <translation>Trier les chaînes par SID</translation>
    </message>
</context>
<context>
    <name>step.swap-diseqc</name>
    <message>
        <source>Swap DiSEqC</source>
        <translation>Inverser DiSEqC</translation>
    </message>
</context>
<context>
    <name>step.transponder</name>
    <message>
        <source>transponder {1}</source>
        <translation>transpondeur {1}</translation>
    </message>
</context>
<context>
    <name>swap.report</name>
    <message>
        <source> {1} Transponders have been swapped from DiSEqC A &lt;=&gt; B</source>
        <translation> {1} transpondeurs ont été permutés DiSEqC A &lt;=&gt; B</translation>
    </message>
</context>
<context>
    <name>swap.select-tpt</name>
    <message>
        <source>Please select a TPT block to convert</source>
        <translation>Veuillez sélectionner un bloc TPT à convertir</translation>
    </message>
</context>
<context>
    <name>tcs-text.blank-end</name>
    <message numerus="yes">
        <source>channels {2} end their names in blanks, which come back as NULs</source>
        <comment>channel {2} ends its name in blanks, which come back as NULs</comment>
        <translation>
            <numerusform>la chaîne {2} termine son nom par des espaces, qui reviennent en NUL</numerusform>
            <numerusform>les chaînes {2} terminent leur nom par des espaces, qui reviennent en NUL</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.inner-nul</name>
    <message numerus="yes">
        <source>channels {2} hold NULs inside their names, which come back as blanks</source>
        <comment>channel {2} holds a NUL inside its name, which comes back as a blank</comment>
        <translation>
            <numerusform>la chaîne {2} contient un NUL dans son nom, qui revient en espace</numerusform>
            <numerusform>les chaînes {2} contiennent des NUL dans leur nom, qui reviennent en espaces</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.line-end</name>
    <message numerus="yes">
        <source>channels {2} hold a line-end byte in their names</source>
        <comment>channel {2} holds a line-end byte in its name</comment>
        <translation>
            <numerusform>la chaîne {2} contient un octet de fin de ligne dans son nom</numerusform>
            <numerusform>les chaînes {2} contiennent un octet de fin de ligne dans leur nom</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tcs-text.shifted</name>
    <message>
        <source>records from {1} on shift their columns</source>
        <translation>les enregistrements à partir de {1} décalent leurs colonnes</translation>
    </message>
</context>
<context>
    <name>tcs-text.utf8-name</name>
    <message numerus="yes">
        <source>channels {2} have names that read back as UTF-8, as other bytes (write the text as UTF-8 to keep them)</source>
        <comment>channel {2} has a name that reads back as UTF-8, as other bytes (write the text as UTF-8 to keep it)</comment>
        <translation>
            <numerusform>la chaîne {2} a un nom qui se relit comme de l&apos;UTF-8, donc en d&apos;autres octets (écrivez le texte en UTF-8 pour le conserver)</numerusform>
            <numerusform>les chaînes {2} ont des noms qui se relisent comme de l&apos;UTF-8, donc en d&apos;autres octets (écrivez le texte en UTF-8 pour les conserver)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>text.not-latin1</name>
    <message>
        <source>{1} holds a character that Latin-1 cannot store</source>
        <translation>{1} contient un caractère que Latin-1 ne peut pas enregistrer</translation>
    </message>
</context>
<context>
    <name>tpt-text.band-holds</name>
    <message>
        <source>frequency {1} kHz is out of range: band {2} holds {3} to {4} kHz</source>
        <translation>la fréquence {1} kHz est hors plage : la bande {2} va de {3} à {4} kHz</translation>
    </message>
</context>
<context>
    <name>tpt-text.below-khz</name>
    <message numerus="yes">
        <source>transponders {2} keep digits below 1 kHz, which the text drops</source>
        <comment>transponder {2} keeps digits below 1 kHz, which the text drops</comment>
        <translation>
            <numerusform>le transpondeur {2} a des chiffres sous le kHz, que le texte omet</numerusform>
            <numerusform>les transpondeurs {2} ont des chiffres sous le kHz, que le texte omet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.comes-back</name>
    <message>
        <source>the list of {1} comes back as {2}, with zero records after the last used one</source>
        <translation>la liste de {1} revient sous la forme de {2}, avec des enregistrements nuls après le dernier utilisé</translation>
    </message>
</context>
<context>
    <name>tpt-text.diseqc-b</name>
    <message numerus="yes">
        <source>transponders {2} on DiSEqC B will read back as A</source>
        <comment>transponder {2} on DiSEqC B will read back as A</comment>
        <translation>
            <numerusform>le transpondeur {2} sur DiSEqC B sera relu comme A</numerusform>
            <numerusform>les transpondeurs {2} sur DiSEqC B seront relus comme A</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec</name>
    <message numerus="yes">
        <source>transponders {2} have FEC codes the text shows as 0/0 and read back as 3/4</source>
        <comment>transponder {2} has a FEC code the text shows as 0/0 and reads back as 3/4</comment>
        <translation>
            <numerusform>le transpondeur {2} a un code FEC que le texte affiche 0/0 et relit comme 3/4</numerusform>
            <numerusform>les transpondeurs {2} ont des codes FEC que le texte affiche 0/0 et relit comme 3/4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.fec-moves</name>
    <message>
        <source>{1}, and it moves the columns after it</source>
        <translation>{1}, et il décale les colonnes suivantes</translation>
    </message>
</context>
<context>
    <name>tpt-text.flags</name>
    <message numerus="yes">
        <source>transponders {2} have flag bits the text leaves out</source>
        <comment>transponder {2} has flag bits the text leaves out</comment>
        <translation>
            <numerusform>le transpondeur {2} a des flags que le texte omet</numerusform>
            <numerusform>les transpondeurs {2} ont des flags que le texte omet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.frequency</name>
    <message numerus="yes">
        <source>transponders {2}&apos; frequency fields hold more than the text reads back</source>
        <comment>transponder {2}&apos;s frequency field holds more than the text reads back</comment>
        <translation>
            <numerusform>le champ fréquence du transpondeur {2} contient plus que ce que le texte relit</numerusform>
            <numerusform>les champs fréquence des transpondeurs {2} contiennent plus que ce que le texte relit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tpt-text.no-frequency</name>
    <message>
        <source>no frequency in columns 5-12</source>
        <translation>aucune fréquence dans les colonnes 5-12</translation>
    </message>
</context>
<context>
    <name>tpt-text.out-of-range</name>
    <message>
        <source>{1} out of range</source>
        <translation>{1} hors plage</translation>
    </message>
</context>
<context>
    <name>tpt-text.records</name>
    <message numerus="yes">
        <source>{1} records</source>
        <comment>{1} record</comment>
        <translation>
            <numerusform>{1} enregistrement</numerusform>
            <numerusform>{1} enregistrements</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>transponder.fec-cannot-store</name>
    <message>
        <source>FEC {1} can not be stored: the list stores only {2}</source>
        <translation>FEC {1} ne peut pas être enregistré : la liste n&apos;enregistre que {2}</translation>
    </message>
</context>
<context>
    <name>transponder.fec-not-stored</name>
    <message>
        <source>FEC {1} is not one the list stores ({2})</source>
        <translation>FEC {1} ne fait pas partie des valeurs que la liste enregistre ({2})</translation>
    </message>
</context>
<context>
    <name>transponder.fec-stored-as</name>
    <message>
        <source>FEC {1} is stored as {2}</source>
        <translation>FEC {1} est enregistré comme {2}</translation>
    </message>
</context>
<context>
    <name>transponder.khz-out-of-range</name>
    <message>
        <source>Frequency {1} kHz is out of range</source>
        <translation>Fréquence {1} kHz hors plage</translation>
    </message>
</context>
<context>
    <name>transponder.khz-outside-band</name>
    <message>
        <source>{1} kHz lies outside band {2}&apos;s {3} to {4} kHz</source>
        <translation>{1} kHz est hors de la plage {3} à {4} kHz de la bande {2}</translation>
    </message>
</context>
<context>
    <name>transponder.outside-unit</name>
    <message>
        <source>{1} {2} {3} is outside {4} to {5} {3}</source>
        <translation>{1} {2} {3} n&apos;est pas entre {4} et {5} {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-as-ks</name>
    <message>
        <source>{1}: as {2} kS/s it would be {3}</source>
        <translation>{1} : en {2} kS/s, cela donnerait {3}</translation>
    </message>
</context>
<context>
    <name>transponder.sr-fraction</name>
    <message>
        <source>SR {1} is not a whole number of Msym/s: it would be stored as {2}.</source>
        <translation>SR {1} n&apos;est pas un nombre entier de Msym/s : il serait enregistré comme {2}.</translation>
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
        <translation>Le fichier {1} est introuvable !</translation>
    </message>
</context>
<context>
    <name>viewer.not-shown</name>
    <message>
        <source>({1} more records are not shown)</source>
        <translation>({1} autres enregistrements ne sont pas affichés)</translation>
    </message>
</context>
<context>
    <name>viewer.oversize</name>
    <message>
        <source>{1} FILE IS LARGER THAN 64Kb ({2} bytes)</source>
        <translation>{1} LE FICHIER DÉPASSE 64 Ko ({2} octets)</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable</name>
    <message>
        <source>File {1} can not be read!</source>
        <translation>Le fichier {1} ne peut pas être lu !</translation>
    </message>
</context>
<context>
    <name>viewer.unreadable-because</name>
    <message>
        <source>File {1} can not be read!<byte value="xd"/>
{2}</source>
        <translation>Le fichier {1} ne peut pas être lu !<byte value="xd"/>
{2}</translation>
    </message>
</context>
<context>
    <name>viewer.view-as</name>
    <message>
        <source>&amp;View as {1}</source>
        <translation>&amp;Afficher en {1}</translation>
    </message>
</context>
</TS>
