<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Create Date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="102" />
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>PB</source>
        <translation>ПБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>EB</source>
        <translation>ЭБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>ZB</source>
        <translation>ЗБ</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>YB</source>
        <translation>ЙБ</translation>
    </message>
</context>
</TS>