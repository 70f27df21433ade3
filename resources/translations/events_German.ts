<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="99" />
        <source>No card opened</source>
        <translation>Keine Karte geöffnet</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>Schwellenwerte...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="53" />
        <source>Impact</source>
        <translation>Aufprall</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="55" />
        <source>Hard braking</source>
        <translation>Starkes Bremsen</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="57" />
        <source>Sudden deceleration</source>
        <translation>Plötzliche Verzögerung</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="59" />
        <source>Sharp turn</source>
        <translation>Scharfe Kurve</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="61" />
        <source>Hard acceleration</source>
        <translation>Starke Beschleunigung</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="63" />
        <source>Speeding</source>
        <translation>Zu schnell</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="66" />
        <source>Marked by the camera</source>
        <translation>Von der Kamera markiert</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera: %1</source>
        <translation>Von der Kamera markiert: %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="76" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h für %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 km/h per second</source>
        <translation>%1 km/h pro Sekunde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="82" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="88" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>Fahrt von %1, %2 km, max. %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="101" />
        <source>Looking for events...</source>
        <translation>Ereignisse werden gesucht...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="104" />
        <source>Events: %1, drives: %2</source>
        <translation>Ereignisse: %1, Fahrten: %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="110" />
        <source>average %1 km/h</source>
        <translation>Schnitt %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="111" />
        <source>Recordings: %1</source>
        <translation>Aufnahmen: %1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>Fahrten und Ereignisse</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>Längste Pause innerhalb einer Fahrt</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>Starkes Bremsen ab</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>Starke Beschleunigung ab</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>Scharfe Kurve ab</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>Aufprall ab</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>Zu schnell über</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>Plötzliche Verzögerung (ohne G-Sensor) ab</translation>
    </message>
</context>
</TS>