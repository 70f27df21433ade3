<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>CardClock</name>
    <message>
        <location filename="../../library/cardclock.cpp" line="290" />
        <source>Camera's clock: %1</source>
        <translation>カメラの時計：%1</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="309" />
        <source>The camera's clock cannot be checked: no recording has a GPS fix</source>
        <translation>カメラの時計を確認できません：GPS 測位のある録画がありません</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="311" />
        <source>The camera's clock cannot be checked: the GPS fixes carry no time</source>
        <translation>カメラの時計を確認できません：GPS 測位に時刻がありません</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="313" />
        <source>The camera's clock cannot be checked: neither the file names nor the files carry the camera's time</source>
        <translation>カメラの時計を確認できません：ファイル名にもファイルにもカメラの時刻がありません</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="319" />
        <source>The camera's clock keeps GPS time (UTC)</source>
        <translation>カメラの時計は GPS 時刻（UTC）と一致しています</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="322" />
        <source>%1 h %2 min %3 s</source>
        <translation>%1 時間 %2 分 %3 秒</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="327" />
        <source>%1 d %2</source>
        <translation>%1 日 %2</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="328" />
        <source>The camera's clock runs %1 ahead of GPS time (UTC)</source>
        <translation>カメラの時計は GPS 時刻（UTC）より %1 進んでいます</translation>
    </message>
    <message>
        <location filename="../../library/cardclock.cpp" line="329" />
        <source>The camera's clock runs %1 behind GPS time (UTC)</source>
        <translation>カメラの時計は GPS 時刻（UTC）より %1 遅れています</translation>
    </message>
</context>
<context>
    <name>DrivePlaylist</name>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="258" />
        <source>%1 mi</source>
        <translation>%1 マイル</translation>
    </message>
    <message>
        <location filename="../../library/driveplaylist.cpp" line="259" />
        <source>%1 km</source>
        <translation>%1 km</translation>
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
        <translation>録画: %1</translation>
    </message>
</context>
<context>
    <name>GpsExplanation</name>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="18" />
        <source>Ambarella track</source>
        <translation>Ambarella トラック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="20" />
        <source>GPS box table</source>
        <translation>GPS ボックスの表</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="22" />
        <source>freeGPS sound chunks</source>
        <translation>音声チャンクの freeGPS</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="24" />
        <source>gps0 box</source>
        <translation>gps0 ボックス</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="26" />
        <source>SStar metadata track</source>
        <translation>SStar メタデータトラック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="28" />
        <source>GPS metadata track</source>
        <translation>GPS メタデータトラック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="30" />
        <source>AVI GPSL block</source>
        <translation>AVI GPSL ブロック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="32" />
        <source>AVI sound chunks</source>
        <translation>AVI 音声チャンク</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="34" />
        <source>JLDV sound chunks</source>
        <translation>JLDV 音声チャンク</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="36" />
        <source>GoPro GPMF track</source>
        <translation>GoPro GPMF トラック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="38" />
        <source>BlackVue GPS and 3gf boxes</source>
        <translation>BlackVue の GPS と 3gf ボックス</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="40" />
        <source>NMEA subtitle track</source>
        <translation>NMEA 字幕トラック</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="42" />
        <source>BlackVue .gps/.3gf files</source>
        <translation>BlackVue の .gps/.3gf ファイル</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="44" />
        <source>GPS track file beside the recording</source>
        <translation>録画の隣の GPS トラックファイル</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="46" />
        <source>chosen GPS track file</source>
        <translation>選んだ GPS トラックファイル</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="50" />
        <source>no GPS</source>
        <translation>GPS なし</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="60" />
        <source>%1, %2 fixes, %3</source>
        <translation>%1、%2 件の測位、%3</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="62" />
        <source>No GPS: the file cannot be read.</source>
        <translation>GPS なし：ファイルを読み込めません。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="64" />
        <source>No GPS: no movie box or AVI header found; the recording may have been cut off before the camera finished it.</source>
        <translation>GPS なし：ムービーボックスも AVI ヘッダーもありません。カメラが書き終える前に録画が途切れた可能性があります。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="67" />
        <source>No GPS: the recording has no metadata track and no GPS box.</source>
        <translation>GPS なし：録画にメタデータトラックも GPS ボックスもありません。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="69" />
        <source>No GPS: the metadata track "%1" is not a GPS track this player knows.</source>
        <translation>GPS なし：メタデータトラック「%1」はこのプレーヤーが知る GPS トラックではありません。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="72" />
        <source>No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound chunks.</source>
        <translation>GPS なし：メタデータトラックも GPS ボックスもなく、音声チャンクに freeGPS マーカーもありません。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="75" />
        <source>No GPS: the AVI file has no GPSL block and no sound chunks.</source>
        <translation>GPS なし：AVI ファイルに GPSL ブロックも音声チャンクもありません。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="77" />
        <source>No GPS: %1 found, but its table is empty.</source>
        <translation>GPS なし：%1 は見つかりましたが、その表は空です。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="79" />
        <source>No GPS fix: %1 with %2 records, none with a position (the camera had no satellite fix).</source>
        <translation>GPS 測位なし：%1 に %2 件の記録がありますが、位置を持つものはありません（カメラが衛星を捕捉していませんでした）。</translation>
    </message>
    <message>
        <location filename="../../library/gpsexplanation.cpp" line="84" />
        <source>%1, %2 fixes; file cut short: fixes up to %3 of %4.</source>
        <translation>%1、%2 件の測位。ファイルが途中で切れています：測位は %4 のうち %3 まで。</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="92" />
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Create Date</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>Also recorded, not played: %1</source>
        <translation>同時に録画（再生なし）：%1</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="125" />
        <source>bytes</source>
        <translation>バイト</translation>
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