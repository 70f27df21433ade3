<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="284" />
        <source>Camera's clock: %1</source>
        <translation>Relógio da câmara: %1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="303" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>Não é possível verificar o relógio da câmara: nenhuma gravação tem posição GPS</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="305" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>Não é possível verificar o relógio da câmara: as posições GPS não têm hora</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="307" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>Não é possível verificar o relógio da câmara: nem os nomes dos ficheiros nem os ficheiros têm a hora da câmara</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>O relógio da câmara coincide com a hora GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="316" />
        <source>%1 h %2 min %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="321" />
        <source>%1 d %2</source>
        <translation>%1 d %2</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="322" />
        <source>The camera's clock runs %1 ahead of GPS time (UTC)</source>
        <translation>O relógio da câmara está %1 adiantado em relação à hora GPS (UTC)</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="323" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>O relógio da câmara está %1 atrasado em relação à hora GPS (UTC)</translation>
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
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>no GPS</source>
        <translation>sem GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="48" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1, %2 posições, %3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>No GPS: the file cannot be read.</source>
        <translation>Sem GPS: não é possível ler o ficheiro.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="52" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>Sem GPS: não há caixa de filme nem cabeçalho AVI; a gravação pode ter sido cortada antes de a câmara a terminar.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="55" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>Sem GPS: a gravação não tem faixa de metadados nem caixa GPS.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="57" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>Sem GPS: a faixa de metadados «%1» não é uma faixa GPS que este leitor conheça.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>Sem GPS: não há faixa de metadados, nem caixa GPS, nem marca freeGPS nos blocos de som.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="63" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>Sem GPS: o ficheiro AVI não tem bloco GPSL nem blocos de som.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="65" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>Sem GPS: encontrado %1, mas a tabela está vazia.</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>Sem posição GPS: %1 com %2 registos, nenhum com posição (a câmara não tinha sinal de satélites).</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1, %2 posições; ficheiro cortado: posições até %3 de %4.</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="91" />
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="93" />
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="95" />
        <source>Create Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="97" />
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="99" />
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="109" />
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="109" />
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="110" />
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="110" />
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="111" />
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="111" />
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>EB</source>
        <translation>EB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>YB</source>
        <translation>YB</translation>
    </message>
</context>
</TS>