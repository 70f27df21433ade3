<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>ClockBar</name>
    <message>
        <location filename="../../controls/clockbar.ui" line="6" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="24" />
        <source>Show times as:</source>
        <translation>Afficher l'heure en :</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="32" />
        <source>How this card's times are shown</source>
        <translation>Comment les heures de cette carte sont affichées</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="42" />
        <source>Time zone of the place</source>
        <translation>Fuseau horaire du lieu</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="46" />
        <source>Local time at the place</source>
        <translation>Heure locale du lieu</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="48" />
        <source>Local time in a time zone</source>
        <translation>Heure locale d'un fuseau horaire</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="50" />
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="51" />
        <source>Camera's clock</source>
        <translation>Horloge de la caméra</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="64" />
        <source>(the clock jumped: this card's recordings differ, from %1 to %2)</source>
        <translation>(l'horloge a sauté : les enregistrements de cette carte diffèrent, de %1 à %2)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="70" />
        <source>Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)</source>
        <translation>Horloge de la caméra moins l'heure GPS : %1 (fuseau %2, dérive %3 s)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="76" />
        <source>Each recording's times are corrected by its own offset.</source>
        <translation>Les heures de chaque enregistrement sont corrigées selon son propre décalage.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../../controls/controlpanel.ui" line="14" />
        <source>Form</source>
        <translation>Formulaire</translation>
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
        <translation>Lecture avant</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="199" />
        <source>Rear playback</source>
        <translation>Lecture arrière</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="240" />
        <source>left playback</source>
        <translation>Lecture gauche</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="281" />
        <source>right playback</source>
        <translation>Lecture droite</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="322" />
        <source>Picture-in-picture (PIP) playback</source>
        <translation>Lecture en incrustation (PIP)</translation>
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
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="534" />
        <source>Capture</source>
        <translation>Capture d'écran</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="579" />
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="611" />
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="649" />
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="681" />
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="745" />
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="213" />
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="215" />
        <source>%1 MPH</source>
        <translation>%1 mi/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="364" />
        <source>Mark in</source>
        <translation>Marquer le début</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="365" />
        <source>Mark out</source>
        <translation>Marquer la fin</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="366" />
        <source>Export marked range...</source>
        <translation>Exporter la plage marquée...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="368" />
        <source>Export around now...</source>
        <translation>Exporter autour de maintenant...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="370" />
        <source>Clear marks</source>
        <translation>Effacer les marques</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Cancel Mute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Set Mute</source>
        <translation>Couper le son</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <location filename="../../controls/fcombobox.ui" line="26" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="65" />
        <source>Slow</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="95" />
        <source>Quick</source>
        <translation>Plus rapide</translation>
    </message>
</context>
</TS>