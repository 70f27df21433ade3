<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <location filename="../../app/startup.cpp" line="61" />
        <source>Quorvix</source>
        <translation>Quorvix</translation>
    </message>
    <message>
        <location filename="../../app/startup.cpp" line="67" />
        <source>Playing dash-camera recordings</source>
        <translation>Reproduciendo grabaciones de cámara de salpicadero</translation>
    </message>
</context>
<context>
    <name>ClipExportFlow</name>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="156" />
        <source>Export clip</source>
        <translation>Exportar clip</translation>
    </message>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="157" />
        <source>This range cannot be exported: %1</source>
        <translation>Este intervalo no se puede exportar: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../app/commandline.cpp" line="35" />
        <source>Plays dash-camera recordings with their track on a map, speed and G-sensor.</source>
        <translation>Reproduce grabaciones de cámara de salpicadero con su recorrido en un mapa, la velocidad y el sensor G.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="39" />
        <source>Print this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="40" />
        <source>Print the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>A folder of recordings, or one recording, to open.</source>
        <translation>Una carpeta de grabaciones, o una grabación, que abrir.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="44" />
        <source>[FOLDER | FILE]</source>
        <translation>[CARPETA | ARCHIVO]</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../../app/exportdialog.ui" line="7" />
        <location filename="../../app/exportdialog.cpp" line="206" />
        <source>Export clip</source>
        <translation>Exportar clip</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="14" />
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="16" />
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="18" />
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="20" />
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="21" />
        <source>Seconds before and after</source>
        <translation>Segundos antes y después</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="31" />
        <source>Burned into the picture</source>
        <translation>Grabado en la imagen</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>G-force</source>
        <translation>Fuerza G</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Mini-map of the track</source>
        <translation>Minimapa del recorrido</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Text line</source>
        <translation>Línea de texto</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="37" />
        <source>Evidence pack (original files with SHA-256, no re-encoding)</source>
        <translation>Paquete de pruebas (archivos originales con SHA-256, sin recodificar)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="44" />
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="46" />
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="47" />
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="48" />
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Front camera only</source>
        <translation>Solo cámara delantera</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Stacked</source>
        <translation>Apiladas</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>2 x 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>Picture in picture (rear in a corner)</source>
        <translation>Imagen en imagen (trasera en una esquina)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="53" />
        <source>High: 1080 lines, 8 Mbit/s per channel</source>
        <translation>Alta: 1080 líneas, 8 Mbit/s por canal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="54" />
        <source>Standard: 720 lines, 4 Mbit/s per channel</source>
        <translation>Estándar: 720 líneas, 4 Mbit/s por canal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="55" />
        <source>Small: 480 lines, 1.5 Mbit/s per channel</source>
        <translation>Pequeña: 480 líneas, 1,5 Mbit/s por canal</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="62" />
        <source>%1 to %2 (%3 s; recordings: %4)</source>
        <translation>De %1 a %2 (%3 s; grabaciones: %4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="204" />
        <source>Folder for the evidence pack</source>
        <translation>Carpeta para el paquete de pruebas</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="207" />
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="222" />
        <location filename="../../app/exportdialog.cpp" line="261" />
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="260" />
        <source>About %1 s left</source>
        <translation>Quedan unos %1 s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="274" />
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="278" />
        <source>Cancelled; nothing was written.</source>
        <translation>Cancelado; no se escribió nada.</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="281" />
        <source>The export failed: %1</source>
        <translation>La exportación falló: %1</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="165" />
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="238" />
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Restore Down</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="198" />
        <source>The folder "%1" does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="199" />
        <source>No recordings found in "%1".</source>
        <translation>No se encontraron grabaciones en «%1».</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="212" />
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="428" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>Este equipo no puede reproducir este vídeo porque no tiene la compatibilidad de reproducción necesaria para H.265 (HEVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="430" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>Este equipo no puede reproducir este vídeo porque no tiene la compatibilidad de reproducción necesaria para H.264 (AVC).</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="432" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TrackFileMenu</name>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="32" />
        <source>Use a GPS track file...</source>
        <translation>Usar un archivo de track GPS...</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="39" />
        <source>GPS track 1 s earlier (now %1 s)</source>
        <translation>Track GPS 1 s antes (ahora %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="41" />
        <source>GPS track 1 s later (now %1 s)</source>
        <translation>Track GPS 1 s después (ahora %1 s)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="43" />
        <source>Stop using the GPS track file</source>
        <translation>Dejar de usar el archivo de track GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="53" />
        <source>Use a GPS track file</source>
        <translation>Usar un archivo de track GPS</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="54" />
        <source>GPS tracks (*.gpx *.nmea *.log);;All files (*)</source>
        <translation>Tracks GPS (*.gpx *.nmea *.log);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>TripExportMenu</name>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="25" />
        <location filename="../../app/tripexportmenu.cpp" line="28" />
        <location filename="../../app/tripexportmenu.cpp" line="84" />
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="26" />
        <source>Track saved to %1</source>
        <translation>Ruta guardada en %1</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="29" />
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="65" />
        <source>Export track...</source>
        <translation>Exportar ruta...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="67" />
        <source>Export trip...</source>
        <translation>Exportar viaje...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="80" />
        <source>GPX track (*.gpx)</source>
        <translation>Ruta GPX (*.gpx)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="81" />
        <source>KML track (*.kml)</source>
        <translation>Ruta KML (*.kml)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="82" />
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
</context>
</TS>