<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="290" />
        <source>Camera's clock: %1</source>
        <translation>Zegar kamery: %1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="309" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>Nie można sprawdzić zegara kamery: żadne nagranie nie ma pozycji GPS</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="311" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>Nie można sprawdzić zegara kamery: pozycje GPS nie zawierają czasu</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>Nie można sprawdzić zegara kamery: ani nazwy plików, ani pliki nie zawierają czasu kamery</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="319" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>Zegar kamery zgadza się z czasem GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="322" />
        <source>%1 h %2 min %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="327" />
        <source>%1 d %2</source>
        <translation>%1 d %2</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="328" />
        <source>The camera's clock runs %1 ahead of GPS time (UTC)</source>
        <translation>Zegar kamery spieszy się o %1 względem czasu GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="329" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>Zegar kamery spóźnia się o %1 względem czasu GPS (UTC)</translation>
    </message>
</context>
<context>
    <name>DrivePlaylist</name>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="258" />
        <source>%1 mi</source>
        <translation>%1 mi</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="259" />
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="261" />
        <source>top %1 MPH</source>
        <translation>maks. %1 MPH</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="262" />
        <source>top %1 km/h</source>
        <translation>maks. %1 km/h</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="264" />
        <source>Recordings: %1</source>
        <translation>Nagrania: %1</translation>
    </message>
</context>
<context>
    <name>GpsExplanation</name>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="18" />
        <source>Ambarella track</source>
        <translation>ścieżka Ambarella</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="20" />
        <source>GPS box table</source>
        <translation>tabela pudełka GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="22" />
        <source>freeGPS sound chunks</source>
        <translation>bloki dźwięku freeGPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="24" />
        <source>gps0 box</source>
        <translation>pudełko gps0</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="26" />
        <source>SStar metadata track</source>
        <translation>ścieżka metadanych SStar</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="28" />
        <source>GPS metadata track</source>
        <translation>ścieżka metadanych GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="30" />
        <source>AVI GPSL block</source>
        <translation>blok GPSL AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="32" />
        <source>AVI sound chunks</source>
        <translation>bloki dźwięku AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="34" />
        <source>JLDV sound chunks</source>
        <translation>bloki dźwięku JLDV</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="36" />
        <source>GoPro GPMF track</source>
        <translation>ścieżka GPMF GoPro</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>BlackVue GPS and 3gf boxes</source>
        <translation>pudełka GPS i 3gf BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="40" />
        <source>NMEA subtitle track</source>
        <translation>ścieżka napisów NMEA</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="42" />
        <source>BlackVue .gps/.3gf files</source>
        <translation>pliki .gps/.3gf BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="44" />
        <source>GPS track file beside the recording</source>
        <translation>plik śladu GPS obok nagrania</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="46" />
        <source>chosen GPS track file</source>
        <translation>wybrany plik śladu GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>no GPS</source>
        <translation>brak GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1, pozycje: %2, %3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="62" />
        <source>No GPS: the file cannot be read.</source>
        <translation>Brak GPS: nie można odczytać pliku.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="64" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>Brak GPS: nie znaleziono pudełka filmu ani nagłówka AVI; nagranie mogło zostać przerwane, zanim kamera je zakończyła.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>Brak GPS: nagranie nie ma ścieżki metadanych ani pudełka GPS.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="69" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>Brak GPS: ścieżka metadanych „%1” nie jest ścieżką GPS znaną temu odtwarzaczowi.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>Brak GPS: brak ścieżki metadanych, pudełka GPS i znacznika freeGPS w blokach dźwięku.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="75" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>Brak GPS: plik AVI nie ma bloku GPSL ani bloków dźwięku.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="77" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>Brak GPS: znaleziono %1, ale tabela jest pusta.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="79" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>Brak pozycji GPS: %1 z %2 rekordami, żaden z pozycją (kamera nie miała sygnału satelitów).</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="84" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1, pozycje: %2; plik urwany: pozycje do %3 z %4.</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="92" />
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Create Date</source>
        <translation>Data utworzenia</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>Also recorded, not played: %1</source>
        <translation>Nagrane również, nieodtwarzane: %1</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>bytes</source>
        <translation>bajtów</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="126" />
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="126" />
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="127" />
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="127" />
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="128" />
        <source>EB</source>
        <translation>EB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="128" />
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="129" />
        <source>YB</source>
        <translation>YB</translation>
    </message>
</context>
</TS>