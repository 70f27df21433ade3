<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
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
        <translation>Wiedergabe von Dashcam-Aufnahmen</translation>
    </message>
</context>
<context>
    <name>ClipExportFlow</name>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="156" />
        <source>Export clip</source>
        <translation>Clip exportieren</translation>
    </message>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="157" />
        <source>This range cannot be exported: %1</source>
        <translation>Dieser Bereich kann nicht exportiert werden: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../app/commandline.cpp" line="35" />
        <source>Plays dash-camera recordings with their track on a map, speed and G-sensor.</source>
        <translation>Spielt Dashcam-Aufnahmen mit ihrer Route auf der Karte, Geschwindigkeit und G-Sensor ab.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="39" />
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="40" />
        <source>Print the version and exit.</source>
        <translation>Version ausgeben und beenden.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>A folder of recordings, or one recording, to open.</source>
        <translation>Ein Ordner mit Aufnahmen oder eine einzelne Aufnahme zum Öffnen.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="44" />
        <source>[FOLDER | FILE]</source>
        <translation>[ORDNER | DATEI]</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../../app/exportdialog.ui" line="7" />
        <location filename="../../app/exportdialog.cpp" line="206" />
        <source>Export clip</source>
        <translation>Clip exportieren</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="14" />
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="16" />
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="18" />
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="20" />
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="21" />
        <source>Seconds before and after</source>
        <translation>Sekunden davor und danach</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="31" />
        <source>Burned into the picture</source>
        <translation>Ins Bild eingeblendet</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Heading</source>
        <translation>Fahrtrichtung</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>G-force</source>
        <translation>G-Kraft</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Mini-map of the track</source>
        <translation>Minikarte der Strecke</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Text line</source>
        <translation>Textzeile</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="37" />
        <source>Evidence pack (original files with SHA-256, no re-encoding)</source>
        <translation>Beweispaket (Originaldateien mit SHA-256, ohne Neukodierung)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="44" />
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="46" />
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="47" />
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="48" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Front camera only</source>
        <translation>Nur Frontkamera</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Stacked</source>
        <translation>Übereinander</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>2 x 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>Picture in picture (rear in a corner)</source>
        <translation>Bild im Bild (Heckkamera in der Ecke)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="53" />
        <source>High: 1080 lines, 8 Mbit/s per channel</source>
        <translation>Hoch: 1080 Zeilen, 8 Mbit/s je Kanal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="54" />
        <source>Standard: 720 lines, 4 Mbit/s per channel</source>
        <translation>Standard: 720 Zeilen, 4 Mbit/s je Kanal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="55" />
        <source>Small: 480 lines, 1.5 Mbit/s per channel</source>
        <translation>Klein: 480 Zeilen, 1,5 Mbit/s je Kanal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="62" />
        <source>%1 to %2 (%3 s; recordings: %4)</source>
        <translation>%1 bis %2 (%3 s; Aufnahmen: %4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="204" />
        <source>Folder for the evidence pack</source>
        <translation>Ordner für das Beweispaket</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="207" />
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="222" />
        <location filename="../../app/exportdialog.cpp" line="261" />
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="260" />
        <source>About %1 s left</source>
        <translation>Noch etwa %1 s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="274" />
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="278" />
        <source>Cancelled; nothing was written.</source>
        <translation>Abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="281" />
        <source>The export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="165" />
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="238" />
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Restore Down</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="198" />
        <source>The folder "%1" does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="199" />
        <source>No recordings found in "%1".</source>
        <translation>Keine Aufnahmen in „%1“ gefunden.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="212" />
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="428" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>Dieser Computer kann das Video nicht abspielen, weil ihm die zur Wiedergabe von H.265 (HEVC) nötige Unterstützung fehlt.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="430" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>Dieser Computer kann das Video nicht abspielen, weil ihm die zur Wiedergabe von H.264 (AVC) nötige Unterstützung fehlt.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="432" />
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TrackFileMenu</name>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="32" />
        <source>Use a GPS track file...</source>
        <translation>GPS-Trackdatei verwenden...</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="39" />
        <source>GPS track 1 s earlier (now %1 s)</source>
        <translation>GPS-Track 1 s früher (jetzt %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="41" />
        <source>GPS track 1 s later (now %1 s)</source>
        <translation>GPS-Track 1 s später (jetzt %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="43" />
        <source>Stop using the GPS track file</source>
        <translation>GPS-Trackdatei nicht mehr verwenden</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="53" />
        <source>Use a GPS track file</source>
        <translation>GPS-Trackdatei verwenden</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="54" />
        <source>GPS tracks (*.gpx *.nmea *.log);;All files (*)</source>
        <translation>GPS-Tracks (*.gpx *.nmea *.log);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TripExportMenu</name>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="25" />
        <location filename="../../app/tripexportmenu.cpp" line="28" />
        <location filename="../../app/tripexportmenu.cpp" line="84" />
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="26" />
        <source>Track saved to %1</source>
        <translation>Spur gespeichert in %1</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="29" />
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="65" />
        <source>Export track...</source>
        <translation>Spur exportieren...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="67" />
        <source>Export trip...</source>
        <translation>Fahrt exportieren...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="80" />
        <source>GPX track (*.gpx)</source>
        <translation>GPX-Spur (*.gpx)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="81" />
        <source>KML track (*.kml)</source>
        <translation>KML-Spur (*.kml)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="82" />
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
</context>
</TS>