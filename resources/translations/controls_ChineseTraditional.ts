<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>ClockBar</name>
    <message>
        <location filename="../../controls/clockbar.ui" line="6" />
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="24" />
        <source>Show times as:</source>
        <translation>時間顯示為：</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="32" />
        <source>How this card's times are shown</source>
        <translation>此記憶卡的時間如何顯示</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="42" />
        <source>Time zone of the place</source>
        <translation>當地時區</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="46" />
        <source>Local time at the place</source>
        <translation>當地時間</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="48" />
        <source>Local time in a time zone</source>
        <translation>指定時區的本地時間</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="50" />
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="51" />
        <source>Camera's clock</source>
        <translation>攝影機時鐘</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="64" />
        <source>(the clock jumped: this card's recordings differ, from %1 to %2)</source>
        <translation>（時鐘曾跳變：此記憶卡的錄影偏差不一，從 %1 到 %2）</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="70" />
        <source>Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)</source>
        <translation>攝影機時鐘減 GPS 時間：%1（時區部分 %2，漂移 %3 秒）</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="76" />
        <source>Each recording's times are corrected by its own offset.</source>
        <translation>每段錄影的時間依其自身的偏差校正。</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../../controls/controlpanel.ui" line="14" />
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="90" />
        <source>0000/00/00 00:00:00</source>
        <translation>0000/00/00 00:00:00</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="117" />
        <source>000 km/h</source>
        <translation>000 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="155" />
        <source>Front playback</source>
        <translation>前鏡頭播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="199" />
        <source>Rear playback</source>
        <translation>後鏡頭播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="240" />
        <source>left playback</source>
        <translation>左鏡頭播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="281" />
        <source>right playback</source>
        <translation>右鏡頭播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="322" />
        <source>Picture-in-picture (PIP) playback</source>
        <translation>子母畫面（PIP）播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="378" />
        <source>N00.000000,E000.000000</source>
        <translation>N00.000000,E000.000000</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="458" />
        <source>00:00:00/00:00:00</source>
        <translation>00:00:00/00:00:00</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="502" />
        <source>Open Files</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="534" />
        <source>Capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="579" />
        <source>Previous</source>
        <translation>上一個</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="611" />
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="649" />
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="681" />
        <source>Next</source>
        <translation>下一個</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="745" />
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="213" />
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="215" />
        <source>%1 MPH</source>
        <translation>%1 英里/時</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="364" />
        <source>Mark in</source>
        <translation>標記起點</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="365" />
        <source>Mark out</source>
        <translation>標記終點</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="366" />
        <source>Export marked range...</source>
        <translation>匯出標記範圍...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="368" />
        <source>Export around now...</source>
        <translation>匯出目前時刻前後...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="370" />
        <source>Clear marks</source>
        <translation>清除標記</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Cancel Mute</source>
        <translation>取消靜音</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Set Mute</source>
        <translation>靜音</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <location filename="../../controls/fcombobox.ui" line="26" />
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="65" />
        <source>Slow</source>
        <translation>減慢</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="95" />
        <source>Quick</source>
        <translation>加快</translation>
    </message>
</context>
</TS>