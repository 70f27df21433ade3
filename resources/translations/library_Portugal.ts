<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="290" />
        <source>Camera's clock: %1</source>
        <translation>Relógio da câmara: %1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="309" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>Não é possível verificar o relógio da câmara: nenhuma gravação tem posição GPS</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="311" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>Não é possível verificar o relógio da câmara: as posições GPS não têm hora</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>Não é possível verificar o relógio da câmara: nem os nomes dos ficheiros nem os ficheiros têm a hora da câmara</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="319" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>O relógio da câmara coincide com a hora GPS (UTC)</translation>
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
        <translation>O relógio da câmara está %1 adiantado em relação à hora GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="329" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>O relógio da câmara está %1 atrasado em relação à hora GPS (UTC)</translation>
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
        <translation>máx. %1 MPH</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="262" />
        <source>top %1 km/h</source>
        <translation>máx. %1 km/h</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="264" />
        <source>Recordings: %1</source>
        <translation>Gravações: %1</translation>
    </message>
</context>
<context>
    <name>GpsExplanation</name>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="18" />
        <source>Ambarella track</source>
        <translation>faixa Ambarella</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="20" />
        <source>GPS box table</source>
        <translation>tabela da caixa GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="22" />
        <source>freeGPS sound chunks</source>
        <translation>blocos de som freeGPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="24" />
        <source>gps0 box</source>
        <translation>caixa gps0</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="26" />
        <source>SStar metadata track</source>
        <translation>faixa de metadados SStar</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="28" />
        <source>GPS metadata track</source>
        <translation>faixa de metadados GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="30" />
        <source>AVI GPSL block</source>
        <translation>bloco GPSL do AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="32" />
        <source>AVI sound chunks</source>
        <translation>blocos de som AVI</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="34" />
        <source>JLDV sound chunks</source>
        <translation>blocos de som JLDV</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="36" />
        <source>GoPro GPMF track</source>
        <translation>faixa GPMF da GoPro</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>BlackVue GPS and 3gf boxes</source>
        <translation>caixas GPS e 3gf da BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="40" />
        <source>NMEA subtitle track</source>
        <translation>faixa de legendas NMEA</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="42" />
        <source>BlackVue .gps/.3gf files</source>
        <translation>ficheiros .gps/.3gf da BlackVue</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="44" />
        <source>GPS track file beside the recording</source>
        <translation>ficheiro de percurso GPS junto à gravação</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="46" />
        <source>chosen GPS track file</source>
        <translation>ficheiro de percurso GPS escolhido</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>no GPS</source>
        <translation>sem GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1, %2 posições, %3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="62" />
        <source>No GPS: the file cannot be read.</source>
        <translation>Sem GPS: não é possível ler o ficheiro.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="64" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>Sem GPS: não há caixa de filme nem cabeçalho AVI; a gravação pode ter sido cortada antes de a câmara a terminar.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>Sem GPS: a gravação não tem faixa de metadados nem caixa GPS.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="69" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>Sem GPS: a faixa de metadados «%1» não é uma faixa GPS que este leitor conheça.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>Sem GPS: não há faixa de metadados, nem caixa GPS, nem marca freeGPS nos blocos de som.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="75" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>Sem GPS: o ficheiro AVI não tem bloco GPSL nem blocos de som.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="77" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>Sem GPS: encontrado %1, mas a tabela está vazia.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="79" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>Sem posição GPS: %1 com %2 registos, nenhum com posição (a câmara não tinha sinal de satélites).</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="84" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1, %2 posições; ficheiro cortado: posições até %3 de %4.</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="92" />
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Create Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>Also recorded, not played: %1</source>
        <translation>Também gravado, não reproduzido: %1</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>bytes</source>
        <translation>bytes</translation>
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