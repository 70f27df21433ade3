<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>ClockBar</name>
    <message>
        <location filename="../../controls/clockbar.ui" line="6" />
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="24" />
        <source>Show times as:</source>
        <translation>Pokazuj czas jako:</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="32" />
        <source>How this card's times are shown</source>
        <translation>Jak pokazywać czas z tej karty</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="42" />
        <source>Time zone of the place</source>
        <translation>Strefa czasowa miejsca</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="46" />
        <source>Local time at the place</source>
        <translation>Czas lokalny miejsca</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="48" />
        <source>Local time in a time zone</source>
        <translation>Czas lokalny w strefie czasowej</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="50" />
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="51" />
        <source>Camera's clock</source>
        <translation>Zegar kamery</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="64" />
        <source>(the clock jumped: this card's recordings differ, from %1 to %2)</source>
        <translation>(zegar przeskoczył: nagrania z tej karty się różnią, od %1 do %2)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="70" />
        <source>Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)</source>
        <translation>Zegar kamery minus czas GPS: %1 (strefa %2, dryf %3 s)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="76" />
        <source>Each recording's times are corrected by its own offset.</source>
        <translation>Czas każdego nagrania jest poprawiany o jego własne przesunięcie.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../../controls/controlpanel.ui" line="14" />
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>Odtwarzanie przód</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="199" />
        <source>Rear playback</source>
        <translation>Odtwarzanie tył</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="240" />
        <source>left playback</source>
        <translation>Odtwarzanie lewa strona</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="281" />
        <source>right playback</source>
        <translation>Odtwarzanie prawa strona</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="322" />
        <source>Picture-in-picture (PIP) playback</source>
        <translation>Odtwarzanie obraz w obrazie (PIP)</translation>
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
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="534" />
        <source>Capture</source>
        <translation>Zrzut klatki</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="579" />
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="611" />
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="649" />
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="681" />
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="745" />
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="213" />
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="215" />
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="364" />
        <source>Mark in</source>
        <translation>Zaznacz początek</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="365" />
        <source>Mark out</source>
        <translation>Zaznacz koniec</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="366" />
        <source>Export marked range...</source>
        <translation>Eksportuj zaznaczony zakres...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="368" />
        <source>Export around now...</source>
        <translation>Eksportuj wokół bieżącej chwili...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="370" />
        <source>Clear marks</source>
        <translation>Usuń znaczniki</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Cancel Mute</source>
        <translation>Wyłącz wyciszenie</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Set Mute</source>
        <translation>Wycisz</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <location filename="../../controls/fcombobox.ui" line="26" />
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="65" />
        <source>Slow</source>
        <translation>Wolniej</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="95" />
        <source>Quick</source>
        <translation>Szybciej</translation>
    </message>
</context>
</TS>