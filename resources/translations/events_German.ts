<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="121" />
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
        <location filename="../../events/eventlistpanel.cpp" line="54" />
        <source>Impact</source>
        <translation>Aufprall</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="56" />
        <source>Hard braking</source>
        <translation>Starkes Bremsen</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="58" />
        <source>Sudden deceleration</source>
        <translation>Plötzliche Verzögerung</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="60" />
        <source>Sharp turn</source>
        <translation>Scharfe Kurve</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="62" />
        <source>Hard acceleration</source>
        <translation>Starke Beschleunigung</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="64" />
        <source>Speeding</source>
        <translation>Zu schnell</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera</source>
        <translation>Von der Kamera markiert</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="68" />
        <source>Marked by the camera: %1</source>
        <translation>Von der Kamera markiert: %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 MPH for %2 s</source>
        <translation>%1 MPH für %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="81" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h für %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="84" />
        <source>%1 MPH per second</source>
        <translation>%1 MPH pro Sekunde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="85" />
        <source>%1 km/h per second</source>
        <translation>%1 km/h pro Sekunde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="89" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="98" />
        <source>Drive of %1, %2 mi, top %3 MPH</source>
        <translation>Fahrt von %1, %2 mi, max. %3 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="102" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>Fahrt von %1, %2 km, max. %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="123" />
        <source>Looking for events...</source>
        <translation>Ereignisse werden gesucht...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="126" />
        <source>Events: %1, drives: %2</source>
        <translation>Ereignisse: %1, Fahrten: %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="132" />
        <source>average %1 MPH</source>
        <translation>Schnitt %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="134" />
        <source>average %1 km/h</source>
        <translation>Schnitt %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="135" />
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