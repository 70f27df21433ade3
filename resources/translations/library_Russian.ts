<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="290" />
        <source>Camera's clock: %1</source>
        <translation>Часы камеры: %1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="309" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>Часы камеры проверить нельзя: ни в одной записи нет координат GPS</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="311" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>Часы камеры проверить нельзя: в точках GPS нет времени</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>Часы камеры проверить нельзя: ни в именах файлов, ни в самих файлах нет времени камеры</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="319" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>Часы камеры идут по времени GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="322" />
        <source>%1 h %2 min %3 s</source>
        <translation>%1 ч %2 мин %3 с</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="327" />
        <source>%1 d %2</source>
        <translation>%1 д %2</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="328" />
        <source>The camera's clock runs %1 ahead of GPS time (UTC)</source>
        <translation>Часы камеры спешат на %1 относительно времени GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="329" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>Часы камеры отстают на %1 от времени GPS (UTC)</translation>
    </message>
</context>
<context>
    <name>DrivePlaylist</name>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="258" />
        <source>%1 mi</source>
        <translation>%1 миль</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="259" />
        <source>%1 km</source>
        <translation>%1 км</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="261" />
        <source>top %1 MPH</source>
        <translation>макс. %1 миль/ч</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="262" />
        <source>top %1 km/h</source>
        <translation>макс. %1 км/ч</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="264" />
        <source>Recordings: %1</source>
        <translation>Записи: %1</translation>
    </message>
</context>
<context>
    <name>GpsExplanation</name>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="18" />
        <source>Ambarella track</source>
        <translation>дорожка Ambarella</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="20" />
        <source>GPS box table</source>
        <translation>таблица блока GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="22" />
        <source>freeGPS sound chunks</source>
        <translation>звуковые блоки freeGPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="24" />
        <source>gps0 box</source>
        <translation>блок gps0</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="26" />
        <source>SStar metadata track</source>
        <translation>дорожка метаданных SStar</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="28" />
        <source>GPS metadata track</source>
        <translation>дорожка метаданных GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="30" />
        <source>AVI GPSL block</source>
        <translation>блок GPSL в AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="32" />
        <source>AVI sound chunks</source>
        <translation>звуковые блоки AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="34" />
        <source>JLDV sound chunks</source>
        <translation>звуковые блоки JLDV</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="36" />
        <source>GoPro GPMF track</source>
        <translation>дорожка GPMF GoPro</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>BlackVue GPS and 3gf boxes</source>
        <translation>блоки GPS и 3gf BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="40" />
        <source>NMEA subtitle track</source>
        <translation>дорожка субтитров NMEA</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="42" />
        <source>BlackVue .gps/.3gf files</source>
        <translation>файлы .gps/.3gf BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="44" />
        <source>GPS track file beside the recording</source>
        <translation>файл трека GPS рядом с записью</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="46" />
        <source>chosen GPS track file</source>
        <translation>выбранный файл трека GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>no GPS</source>
        <translation>нет GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1, точек: %2, %3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="62" />
        <source>No GPS: the file cannot be read.</source>
        <translation>Нет GPS: файл не удаётся прочитать.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="64" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>Нет GPS: не найден ни блок фильма, ни заголовок AVI; запись могла оборваться до того, как камера её завершила.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>Нет GPS: в записи нет ни дорожки метаданных, ни блока GPS.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="69" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>Нет GPS: дорожка метаданных «%1» не является известной проигрывателю дорожкой GPS.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>Нет GPS: нет ни дорожки метаданных, ни блока GPS, ни метки freeGPS в звуковых блоках.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="75" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>Нет GPS: в файле AVI нет ни блока GPSL, ни звуковых блоков.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="77" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>Нет GPS: найдено: %1, но таблица пуста.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="79" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>Нет координат GPS: %1, записей: %2, ни одной с координатами (камера не поймала спутники).</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="84" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1, точек: %2; файл обрезан: точки до %3 из %4.</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="92" />
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Create Date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>Also recorded, not played: %1</source>
        <translation>Также записано, не воспроизводится: %1</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="126" />
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="126" />
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="127" />
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="127" />
        <source>PB</source>
        <translation>ПБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="128" />
        <source>EB</source>
        <translation>ЭБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="128" />
        <source>ZB</source>
        <translation>ЗБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="129" />
        <source>YB</source>
        <translation>ЙБ</translation>
    </message>
</context>
</TS>