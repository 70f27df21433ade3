<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="290" />
        <source>Camera's clock: %1</source>
        <translation>摄像机时钟：%1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="309" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>无法核对摄像机时钟：没有录像带有 GPS 定位</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="311" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>无法核对摄像机时钟：GPS 定位点不含时间</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>无法核对摄像机时钟：文件名和文件中都没有摄像机的时间</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="319" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>摄像机时钟与 GPS 时间（UTC）一致</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="322" />
        <source>%1 h %2 min %3 s</source>
        <translation>%1 小时 %2 分 %3 秒</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="327" />
        <source>%1 d %2</source>
        <translation>%1 天 %2</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="328" />
        <source>The camera's clock runs %1 ahead of GPS time (UTC)</source>
        <translation>摄像机时钟比 GPS 时间（UTC）快 %1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="329" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>摄像机时钟比 GPS 时间（UTC）慢 %1</translation>
    </message>
</context>
<context>
    <name>DrivePlaylist</name>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="258" />
        <source>%1 mi</source>
        <translation>%1 英里</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="259" />
        <source>%1 km</source>
        <translation>%1 公里</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="261" />
        <source>top %1 MPH</source>
        <translation>最高 %1 MPH</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="262" />
        <source>top %1 km/h</source>
        <translation>最高 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="264" />
        <source>Recordings: %1</source>
        <translation>录像：%1</translation>
    </message>
</context>
<context>
    <name>GpsExplanation</name>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="18" />
        <source>Ambarella track</source>
        <translation>Ambarella 轨道</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="20" />
        <source>GPS box table</source>
        <translation>GPS 盒表</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="22" />
        <source>freeGPS sound chunks</source>
        <translation>音频块中的 freeGPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="24" />
        <source>gps0 box</source>
        <translation>gps0 盒</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="26" />
        <source>SStar metadata track</source>
        <translation>SStar 元数据轨道</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="28" />
        <source>GPS metadata track</source>
        <translation>GPS 元数据轨道</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="30" />
        <source>AVI GPSL block</source>
        <translation>AVI GPSL 块</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="32" />
        <source>AVI sound chunks</source>
        <translation>AVI 音频块</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="34" />
        <source>JLDV sound chunks</source>
        <translation>JLDV 音频块</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="36" />
        <source>GoPro GPMF track</source>
        <translation>GoPro GPMF 轨道</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>BlackVue GPS and 3gf boxes</source>
        <translation>BlackVue GPS 和 3gf 盒</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="40" />
        <source>NMEA subtitle track</source>
        <translation>NMEA 字幕轨道</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="42" />
        <source>BlackVue .gps/.3gf files</source>
        <translation>BlackVue .gps/.3gf 文件</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="44" />
        <source>GPS track file beside the recording</source>
        <translation>录像旁的 GPS 轨迹文件</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="46" />
        <source>chosen GPS track file</source>
        <translation>所选的 GPS 轨迹文件</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>no GPS</source>
        <translation>无 GPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1，%2 个定位点，%3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="62" />
        <source>No GPS: the file cannot be read.</source>
        <translation>无 GPS：无法读取该文件。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="64" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>无 GPS：未找到影片盒或 AVI 头；录像可能在摄像机完成前被截断。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>无 GPS：录像没有元数据轨道，也没有 GPS 盒。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="69" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>无 GPS：元数据轨道“%1”不是本播放器认识的 GPS 轨道。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>无 GPS：没有元数据轨道，没有 GPS 盒，音频块中也没有 freeGPS 标记。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="75" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>无 GPS：AVI 文件没有 GPSL 块，也没有音频块。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="77" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>无 GPS：找到了%1，但其表为空。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="79" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>无 GPS 定位：%1 有 %2 条记录，均无位置（摄像机未获得卫星定位）。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="84" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1，%2 个定位点；文件被截断：定位点只到 %3（共 %4）。</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="92" />
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Create Date</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>Also recorded, not played: %1</source>
        <translation>同时录制、未播放：%1</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>bytes</source>
        <translation>字节</translation>
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