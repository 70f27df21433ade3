<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="121" />
        <source>No card opened</source>
        <translation>No hay ninguna tarjeta abierta</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>Umbrales...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="54" />
        <source>Impact</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="56" />
        <source>Hard braking</source>
        <translation>Frenada brusca</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="58" />
        <source>Sudden deceleration</source>
        <translation>Desaceleración repentina</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="60" />
        <source>Sharp turn</source>
        <translation>Giro brusco</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="62" />
        <source>Hard acceleration</source>
        <translation>Aceleración brusca</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="64" />
        <source>Speeding</source>
        <translation>Exceso de velocidad</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera</source>
        <translation>Marcado por la cámara</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="68" />
        <source>Marked by the camera: %1</source>
        <translation>Marcado por la cámara: %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 MPH for %2 s</source>
        <translation>%1 MPH durante %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="81" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h durante %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="84" />
        <source>%1 MPH per second</source>
        <translation>%1 MPH por segundo</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="85" />
        <source>%1 km/h per second</source>
        <translation>%1 km/h por segundo</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="89" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="98" />
        <source>Drive of %1, %2 mi, top %3 MPH</source>
        <translation>Trayecto de %1, %2 mi, máx. %3 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="102" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>Trayecto de %1, %2 km, máx. %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="123" />
        <source>Looking for events...</source>
        <translation>Buscando eventos...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="126" />
        <source>Events: %1, drives: %2</source>
        <translation>Eventos: %1, trayectos: %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="132" />
        <source>average %1 MPH</source>
        <translation>media %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="134" />
        <source>average %1 km/h</source>
        <translation>media %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="135" />
        <source>Recordings: %1</source>
        <translation>Grabaciones: %1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>Trayectos y eventos</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>Pausa máxima dentro de un trayecto</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>Frenada brusca desde</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>Aceleración brusca desde</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>Giro brusco desde</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>Impacto desde</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>Exceso de velocidad por encima de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>Desaceleración repentina (sin sensor G) desde</translation>
    </message>
</context>
</TS>