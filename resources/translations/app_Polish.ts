<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
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
        <translation>Odtwarzanie nagrań z wideorejestratora</translation>
    </message>
</context>
<context>
    <name>ClipExportFlow</name>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="156" />
        <source>Export clip</source>
        <translation>Eksportuj klip</translation>
    </message>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="157" />
        <source>This range cannot be exported: %1</source>
        <translation>Nie można wyeksportować tego zakresu: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../app/commandline.cpp" line="35" />
        <source>Plays dash-camera recordings with their track on a map, speed and G-sensor.</source>
        <translation>Odtwarza nagrania z wideorejestratora wraz z trasą na mapie, prędkością i czujnikiem przeciążeń.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="39" />
        <source>Print this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="40" />
        <source>Print the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>path</source>
        <translation>ścieżka</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>A folder of recordings, or one recording, to open.</source>
        <translation>Folder z nagraniami lub jedno nagranie do otwarcia.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="44" />
        <source>[FOLDER | FILE]</source>
        <translation>[FOLDER | PLIK]</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../../app/exportdialog.ui" line="7" />
        <location filename="../../app/exportdialog.cpp" line="206" />
        <source>Export clip</source>
        <translation>Eksportuj klip</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="14" />
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="16" />
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="18" />
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="20" />
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="21" />
        <source>Seconds before and after</source>
        <translation>Sekundy przed i po</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="31" />
        <source>Burned into the picture</source>
        <translation>Wtopione w obraz</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Coordinates</source>
        <translation>Współrzędne</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Heading</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>G-force</source>
        <translation>Przeciążenie G</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Mini-map of the track</source>
        <translation>Minimapa trasy</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Text line</source>
        <translation>Wiersz tekstu</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="37" />
        <source>Evidence pack (original files with SHA-256, no re-encoding)</source>
        <translation>Pakiet dowodowy (oryginalne pliki z SHA-256, bez ponownego kodowania)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="44" />
        <source>Show in folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="46" />
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="47" />
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="48" />
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Front camera only</source>
        <translation>Tylko kamera przednia</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Side by side</source>
        <translation>Obok siebie</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Stacked</source>
        <translation>Jedna nad drugą</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>2 x 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>Picture in picture (rear in a corner)</source>
        <translation>Obraz w obrazie (tylna w rogu)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="53" />
        <source>High: 1080 lines, 8 Mbit/s per channel</source>
        <translation>Wysoka: 1080 linii, 8 Mbit/s na kanał</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="54" />
        <source>Standard: 720 lines, 4 Mbit/s per channel</source>
        <translation>Standardowa: 720 linii, 4 Mbit/s na kanał</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="55" />
        <source>Small: 480 lines, 1.5 Mbit/s per channel</source>
        <translation>Mała: 480 linii, 1,5 Mbit/s na kanał</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="62" />
        <source>%1 to %2 (%3 s; recordings: %4)</source>
        <translation>Od %1 do %2 (%3 s; nagrania: %4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="204" />
        <source>Folder for the evidence pack</source>
        <translation>Folder pakietu dowodowego</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="207" />
        <source>MP4 video (*.mp4)</source>
        <translation>Wideo MP4 (*.mp4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="222" />
        <location filename="../../app/exportdialog.cpp" line="261" />
        <source>Exporting...</source>
        <translation>Eksportowanie...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="260" />
        <source>About %1 s left</source>
        <translation>Pozostało około %1 s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="274" />
        <source>Written: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="278" />
        <source>Cancelled; nothing was written.</source>
        <translation>Anulowano; nic nie zapisano.</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="281" />
        <source>The export failed: %1</source>
        <translation>Eksport nie powiódł się: %1</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="165" />
        <source>Playlist</source>
        <translation>Lista odtwarzania</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="238" />
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Restore Down</source>
        <translation>Przywróć w dół</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="198" />
        <source>The folder "%1" does not exist.</source>
        <translation>Folder „%1” nie istnieje.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="199" />
        <source>No recordings found in "%1".</source>
        <translation>Nie znaleziono nagrań w „%1”.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="212" />
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="428" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>Ten komputer nie może odtworzyć tego wideo, ponieważ nie obsługuje odtwarzania wymaganego dla H.265 (HEVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="430" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>Ten komputer nie może odtworzyć tego wideo, ponieważ nie obsługuje odtwarzania wymaganego dla H.264 (AVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="432" />
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>TrackFileMenu</name>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="32" />
        <source>Use a GPS track file...</source>
        <translation>Użyj pliku śladu GPS...</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="39" />
        <source>GPS track 1 s earlier (now %1 s)</source>
        <translation>Ślad GPS 1 s wcześniej (teraz %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="41" />
        <source>GPS track 1 s later (now %1 s)</source>
        <translation>Ślad GPS 1 s później (teraz %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="43" />
        <source>Stop using the GPS track file</source>
        <translation>Przestań używać pliku śladu GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="53" />
        <source>Use a GPS track file</source>
        <translation>Użyj pliku śladu GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="54" />
        <source>GPS tracks (*.gpx *.nmea *.log);;All files (*)</source>
        <translation>Ślady GPS (*.gpx *.nmea *.log);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>TripExportMenu</name>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="25" />
        <location filename="../../app/tripexportmenu.cpp" line="28" />
        <location filename="../../app/tripexportmenu.cpp" line="84" />
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="26" />
        <source>Track saved to %1</source>
        <translation>Ślad zapisano w %1</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="29" />
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="65" />
        <source>Export track...</source>
        <translation>Eksportuj ślad...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="67" />
        <source>Export trip...</source>
        <translation>Eksportuj podróż...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="80" />
        <source>GPX track (*.gpx)</source>
        <translation>Ślad GPX (*.gpx)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="81" />
        <source>KML track (*.kml)</source>
        <translation>Ślad KML (*.kml)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="82" />
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
</context>
</TS>