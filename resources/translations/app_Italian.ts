<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <location filename="../../app/startup.cpp" line="61" />
        <source>Quorvix</source>
        <translation>Quorvix</translation>
    </message>
    <message>
        <location filename="../../app/startup.cpp" line="67" />
        <source>Playing dash-camera recordings</source>
        <translation>Riproduzione di registrazioni della dashcam</translation>
    </message>
</context>
<context>
    <name>ClipExportFlow</name>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="156" />
        <source>Export clip</source>
        <translation>Esporta clip</translation>
    </message>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="157" />
        <source>This range cannot be exported: %1</source>
        <translation>Questo intervallo non può essere esportato: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../app/commandline.cpp" line="35" />
        <source>Plays dash-camera recordings with their track on a map, speed and G-sensor.</source>
        <translation>Riproduce le registrazioni della dashcam con il percorso sulla mappa, la velocità e il sensore G.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="39" />
        <source>Print this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="40" />
        <source>Print the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>A folder of recordings, or one recording, to open.</source>
        <translation>Una cartella di registrazioni, o una registrazione, da aprire.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="44" />
        <source>[FOLDER | FILE]</source>
        <translation>[CARTELLA | FILE]</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../../app/exportdialog.ui" line="7" />
        <location filename="../../app/exportdialog.cpp" line="206" />
        <source>Export clip</source>
        <translation>Esporta clip</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="14" />
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="16" />
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="18" />
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="20" />
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="21" />
        <source>Seconds before and after</source>
        <translation>Secondi prima e dopo</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="31" />
        <source>Burned into the picture</source>
        <translation>Impresso nell'immagine</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Coordinates</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Heading</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>G-force</source>
        <translation>Forza G</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Mini-map of the track</source>
        <translation>Minimappa del percorso</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Text line</source>
        <translation>Riga di testo</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="37" />
        <source>Evidence pack (original files with SHA-256, no re-encoding)</source>
        <translation>Pacchetto di prove (file originali con SHA-256, senza ricodifica)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="44" />
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="46" />
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="47" />
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="48" />
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Front camera only</source>
        <translation>Solo telecamera anteriore</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Side by side</source>
        <translation>Affiancate</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Stacked</source>
        <translation>Una sopra l'altra</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>2 x 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>Picture in picture (rear in a corner)</source>
        <translation>Picture in picture (posteriore in un angolo)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="53" />
        <source>High: 1080 lines, 8 Mbit/s per channel</source>
        <translation>Alta: 1080 righe, 8 Mbit/s per canale</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="54" />
        <source>Standard: 720 lines, 4 Mbit/s per channel</source>
        <translation>Standard: 720 righe, 4 Mbit/s per canale</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="55" />
        <source>Small: 480 lines, 1.5 Mbit/s per channel</source>
        <translation>Piccola: 480 righe, 1,5 Mbit/s per canale</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="62" />
        <source>%1 to %2 (%3 s; recordings: %4)</source>
        <translation>Da %1 a %2 (%3 s; registrazioni: %4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="204" />
        <source>Folder for the evidence pack</source>
        <translation>Cartella per il pacchetto di prove</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="207" />
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="222" />
        <location filename="../../app/exportdialog.cpp" line="261" />
        <source>Exporting...</source>
        <translation>Esportazione...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="260" />
        <source>About %1 s left</source>
        <translation>Circa %1 s rimanenti</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="274" />
        <source>Written: %1</source>
        <translation>Scritto: %1</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="278" />
        <source>Cancelled; nothing was written.</source>
        <translation>Annullato; non è stato scritto nulla.</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="281" />
        <source>The export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="165" />
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="238" />
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Restore Down</source>
        <translation>Ripristina giù</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="198" />
        <source>The folder "%1" does not exist.</source>
        <translation>La cartella "%1" non esiste.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="199" />
        <source>No recordings found in "%1".</source>
        <translation>Nessuna registrazione trovata in "%1".</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="212" />
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="428" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>Questo computer non può riprodurre il video perché non dispone del supporto di riproduzione necessario per H.265 (HEVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="430" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>Questo computer non può riprodurre il video perché non dispone del supporto di riproduzione necessario per H.264 (AVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="432" />
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>TrackFileMenu</name>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="32" />
        <source>Use a GPS track file...</source>
        <translation>Usa un file di traccia GPS...</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="39" />
        <source>GPS track 1 s earlier (now %1 s)</source>
        <translation>Traccia GPS 1 s prima (ora %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="41" />
        <source>GPS track 1 s later (now %1 s)</source>
        <translation>Traccia GPS 1 s dopo (ora %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="43" />
        <source>Stop using the GPS track file</source>
        <translation>Non usare più il file di traccia GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="53" />
        <source>Use a GPS track file</source>
        <translation>Usa un file di traccia GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="54" />
        <source>GPS tracks (*.gpx *.nmea *.log);;All files (*)</source>
        <translation>Tracce GPS (*.gpx *.nmea *.log);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>TripExportMenu</name>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="25" />
        <location filename="../../app/tripexportmenu.cpp" line="28" />
        <location filename="../../app/tripexportmenu.cpp" line="84" />
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="26" />
        <source>Track saved to %1</source>
        <translation>Traccia salvata in %1</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="29" />
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="65" />
        <source>Export track...</source>
        <translation>Esporta traccia...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="67" />
        <source>Export trip...</source>
        <translation>Esporta viaggio...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="80" />
        <source>GPX track (*.gpx)</source>
        <translation>Traccia GPX (*.gpx)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="81" />
        <source>KML track (*.kml)</source>
        <translation>Traccia KML (*.kml)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="82" />
        <source>CSV table (*.csv)</source>
        <translation>Tabella CSV (*.csv)</translation>
    </message>
</context>
</TS>