<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="99" />
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
        <location filename="../../events/eventlistpanel.cpp" line="53" />
        <source>Impact</source>
        <translation>Choc</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="55" />
        <source>Hard braking</source>
        <translation>Freinage brusque</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="57" />
        <source>Sudden deceleration</source>
        <translation>Décélération soudaine</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="59" />
        <source>Sharp turn</source>
        <translation>Virage serré</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="61" />
        <source>Hard acceleration</source>
        <translation>Accélération brusque</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="63" />
        <source>Speeding</source>
        <translation>Excès de vitesse</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="66" />
        <source>Marked by the camera</source>
        <translation>Marqué par la caméra</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera: %1</source>
        <translation>Marqué par la caméra : %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="76" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h pendant %2 s</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 km/h per second</source>
        <translation>%1 km/h par seconde</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="82" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="88" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>Trajet de %1, %2 km, max. %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="101" />
        <source>Looking for events...</source>
        <translation>Recherche des événements...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="104" />
        <source>Events: %1, drives: %2</source>
        <translation>Événements : %1, trajets : %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="110" />
        <source>average %1 km/h</source>
        <translation>moyenne %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="111" />
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