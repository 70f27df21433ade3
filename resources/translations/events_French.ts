<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="121" />
        <source>No card opened</source>
        <translation>Aucune carte ouverte</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>Seuils...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="54" />
        <source>Impact</source>
        <translation>Choc</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="56" />
        <source>Hard braking</source>
        <translation>Freinage brusque</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="58" />
        <source>Sudden deceleration</source>
        <translation>Décélération soudaine</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="60" />
        <source>Sharp turn</source>
        <translation>Virage serré</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="62" />
        <source>Hard acceleration</source>
        <translation>Accélération brusque</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="64" />
        <source>Speeding</source>
        <translation>Excès de vitesse</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera</source>
        <translation>Marqué par la caméra</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="68" />
        <source>Marked by the camera: %1</source>
        <translation>Marqué par la caméra : %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 MPH for %2 s</source>
        <translation>%1 MPH pendant %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="81" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h pendant %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="84" />
        <source>%1 MPH per second</source>
        <translation>%1 MPH par seconde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="85" />
        <source>%1 km/h per second</source>
        <translation>%1 km/h par seconde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="89" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="98" />
        <source>Drive of %1, %2 mi, top %3 MPH</source>
        <translation>Trajet de %1, %2 mi, max. %3 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="102" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>Trajet de %1, %2 km, max. %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="123" />
        <source>Looking for events...</source>
        <translation>Recherche des événements...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="126" />
        <source>Events: %1, drives: %2</source>
        <translation>Événements : %1, trajets : %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="132" />
        <source>average %1 MPH</source>
        <translation>moyenne %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="134" />
        <source>average %1 km/h</source>
        <translation>moyenne %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="135" />
        <source>Recordings: %1</source>
        <translation>Enregistrements : %1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>Trajets et événements</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>Pause la plus longue dans un trajet</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>Freinage brusque à partir de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>Accélération brusque à partir de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>Virage serré à partir de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>Choc à partir de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>Excès de vitesse au-delà de</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>Décélération soudaine (sans capteur G) à partir de</translation>
    </message>
</context>
</TS>