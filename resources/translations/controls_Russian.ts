<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>ClockBar</name>
    <message>
        <location filename="../../controls/clockbar.ui" line="6" />
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="24" />
        <source>Show times as:</source>
        <translation>Показывать время:</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="32" />
        <source>How this card's times are shown</source>
        <translation>Как показывать время этой карты</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="42" />
        <source>Time zone of the place</source>
        <translation>Часовой пояс места</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="46" />
        <source>Local time at the place</source>
        <translation>Местное время места</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="48" />
        <source>Local time in a time zone</source>
        <translation>Местное время в часовом поясе</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="50" />
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="51" />
        <source>Camera's clock</source>
        <translation>Часы камеры</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="64" />
        <source>(the clock jumped: this card's recordings differ, from %1 to %2)</source>
        <translation>(часы сбились: записи этой карты расходятся, от %1 до %2)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="70" />
        <source>Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)</source>
        <translation>Часы камеры минус время GPS: %1 (пояс %2, уход %3 с)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="76" />
        <source>Each recording's times are corrected by its own offset.</source>
        <translation>Время каждой записи исправляется по её собственному смещению.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../../controls/controlpanel.ui" line="14" />
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="90" />
        <source>0000/00/00 00:00:00</source>
        <translation>0000/00/00 00:00:00</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="117" />
        <source>000 km/h</source>
        <translation>000 км/ч</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="155" />
        <source>Front playback</source>
        <translation>Передняя камера</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="199" />
        <source>Rear playback</source>
        <translation>Задняя камера</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="240" />
        <source>left playback</source>
        <translation>Левая камера</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="281" />
        <source>right playback</source>
        <translation>Правая камера</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="322" />
        <source>Picture-in-picture (PIP) playback</source>
        <translation>Картинка в картинке (PIP)</translation>
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
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="534" />
        <source>Capture</source>
        <translation>Снимок кадра</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="579" />
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="611" />
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="649" />
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="681" />
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="745" />
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="213" />
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="215" />
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="364" />
        <source>Mark in</source>
        <translation>Отметить начало</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="365" />
        <source>Mark out</source>
        <translation>Отметить конец</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="366" />
        <source>Export marked range...</source>
        <translation>Экспорт отмеченного диапазона...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="368" />
        <source>Export around now...</source>
        <translation>Экспорт вокруг текущего момента...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="370" />
        <source>Clear marks</source>
        <translation>Снять отметки</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Cancel Mute</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Set Mute</source>
        <translation>Выключить звук</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <location filename="../../controls/fcombobox.ui" line="26" />
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="65" />
        <source>Slow</source>
        <translation>Медленнее</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="95" />
        <source>Quick</source>
        <translation>Быстрее</translation>
    </message>
</context>
</TS>