<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="43" />
        <source>the range is empty</source>
        <translation>la plage est vide</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="55" />
        <source>no recording holds %1</source>
        <translation>aucun enregistrement ne contient %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="81" />
        <source>the range holds no video</source>
        <translation>la plage ne contient aucune vidéo</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="97" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>le fichier de la caméra %1 de %2 manque</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="105" />
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="262" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg est introuvable dans le chemin de recherche</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="282" />
        <source>ffmpeg could not be started</source>
        <translation>impossible de lancer ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="316" />
        <location filename="../../export/cliprender.cpp" line="323" />
        <location filename="../../export/cliprender.cpp" line="330" />
        <location filename="../../export/cliprender.cpp" line="339" />
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg a échoué</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg a échoué : %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="51" />
        <location filename="../../export/evidencepack.cpp" line="66" />
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="55" />
        <location filename="../../export/evidencepack.cpp" line="98" />
        <location filename="../../export/evidencepack.cpp" line="130" />
        <source>cannot write %1</source>
        <translation>impossible d'écrire %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="61" />
        <location filename="../../export/evidencepack.cpp" line="223" />
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="71" />
        <location filename="../../export/evidencepack.cpp" line="77" />
        <source>cannot write %1: %2</source>
        <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="119" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg n'a pas pu couper la caméra %1 : %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="157" />
        <source>the range holds no video</source>
        <translation>la plage ne contient aucune vidéo</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="161" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg est introuvable dans le chemin de recherche</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="171" />
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="190" />
        <source>the %1 channel file %2 is missing</source>
        <translation>le fichier %2 de la caméra %1 manque</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="46" />
        <source>%1 exists and is not replaced</source>
        <translation>%1 existe et n'est pas remplacé</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="53" />
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="58" />
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="71" />
        <source>cannot write %1</source>
        <translation>impossible d'écrire %1</translation>
    </message>
</context>
</TS>