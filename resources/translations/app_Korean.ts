<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
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
        <translation>블랙박스 녹화 영상 재생 중</translation>
    </message>
</context>
<context>
    <name>ClipExportFlow</name>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="156" />
        <source>Export clip</source>
        <translation>클립 내보내기</translation>
    </message>
    <message>
        <location filename="../../app/clipexportflow.cpp" line="157" />
        <source>This range cannot be exported: %1</source>
        <translation>이 구간은 내보낼 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../app/commandline.cpp" line="35" />
        <source>Plays dash-camera recordings with their track on a map, speed and G-sensor.</source>
        <translation>블랙박스 녹화 영상을 지도 위 경로, 속도, G 센서와 함께 재생합니다.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="39" />
        <source>Print this help and exit.</source>
        <translation>이 도움말을 출력하고 종료합니다.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="40" />
        <source>Print the version and exit.</source>
        <translation>버전을 출력하고 종료합니다.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>path</source>
        <translation>경로</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="43" />
        <source>A folder of recordings, or one recording, to open.</source>
        <translation>열 녹화 폴더 또는 녹화 파일 하나.</translation>
    </message>
    <message>
        <location filename="../../app/commandline.cpp" line="44" />
        <source>[FOLDER | FILE]</source>
        <translation>[폴더 | 파일]</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../../app/exportdialog.ui" line="7" />
        <location filename="../../app/exportdialog.cpp" line="206" />
        <source>Export clip</source>
        <translation>클립 내보내기</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="14" />
        <source>Channels</source>
        <translation>채널</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="16" />
        <source>Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="18" />
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="20" />
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="21" />
        <source>Seconds before and after</source>
        <translation>앞뒤 초</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="31" />
        <source>Burned into the picture</source>
        <translation>화면에 새길 항목</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Date and time</source>
        <translation>날짜와 시간</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Coordinates</source>
        <translation>좌표</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Heading</source>
        <translation>진행 방향</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>G-force</source>
        <translation>G-포스</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Mini-map of the track</source>
        <translation>경로 미니맵</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="33" />
        <source>Text line</source>
        <translation>텍스트 줄</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="37" />
        <source>Evidence pack (original files with SHA-256, no re-encoding)</source>
        <translation>증거 패키지 (원본 파일과 SHA-256, 재인코딩 없음)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="44" />
        <source>Show in folder</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="46" />
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="47" />
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.ui" line="48" />
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Front camera only</source>
        <translation>전방 카메라만</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Side by side</source>
        <translation>나란히</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="49" />
        <source>Stacked</source>
        <translation>위아래로</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>2 x 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="50" />
        <source>Picture in picture (rear in a corner)</source>
        <translation>PIP (후방을 모서리에)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="53" />
        <source>High: 1080 lines, 8 Mbit/s per channel</source>
        <translation>높음: 1080줄, 채널당 8 Mbit/s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="54" />
        <source>Standard: 720 lines, 4 Mbit/s per channel</source>
        <translation>표준: 720줄, 채널당 4 Mbit/s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="55" />
        <source>Small: 480 lines, 1.5 Mbit/s per channel</source>
        <translation>작게: 480줄, 채널당 1.5 Mbit/s</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="62" />
        <source>%1 to %2 (%3 s; recordings: %4)</source>
        <translation>%1 ~ %2 (%3초, 녹화: %4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="204" />
        <source>Folder for the evidence pack</source>
        <translation>증거 패키지 폴더</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="207" />
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 동영상 (*.mp4)</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="222" />
        <location filename="../../app/exportdialog.cpp" line="261" />
        <source>Exporting...</source>
        <translation>내보내는 중...</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="260" />
        <source>About %1 s left</source>
        <translation>약 %1초 남음</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="274" />
        <source>Written: %1</source>
        <translation>저장됨: %1</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="278" />
        <source>Cancelled; nothing was written.</source>
        <translation>취소됨; 아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <location filename="../../app/exportdialog.cpp" line="281" />
        <source>The export failed: %1</source>
        <translation>내보내기 실패: %1</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>기본 창</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="165" />
        <source>Playlist</source>
        <translation>재생 목록</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="238" />
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="194" />
        <source>Restore Down</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="198" />
        <source>The folder "%1" does not exist.</source>
        <translation>폴더 "%1"이(가) 없습니다.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="199" />
        <source>No recordings found in "%1".</source>
        <translation>"%1"에서 녹화를 찾지 못했습니다.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="212" />
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="428" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>이 컴퓨터에는 H.265 (HEVC) 재생에 필요한 비디오 재생 지원 기능이 없어 이 동영상을 재생할 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="430" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>이 컴퓨터에는 H.264 (AVC) 재생에 필요한 비디오 재생 지원 기능이 없어 이 동영상을 재생할 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="432" />
        <source>Error</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>TrackFileMenu</name>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="32" />
        <source>Use a GPS track file...</source>
        <translation>GPS 트랙 파일 사용...</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="39" />
        <source>GPS track 1 s earlier (now %1 s)</source>
        <translation>GPS 트랙 1초 앞당기기 (현재 %1초)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="41" />
        <source>GPS track 1 s later (now %1 s)</source>
        <translation>GPS 트랙 1초 늦추기 (현재 %1초)</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="43" />
        <source>Stop using the GPS track file</source>
        <translation>GPS 트랙 파일 사용 중지</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="53" />
        <source>Use a GPS track file</source>
        <translation>GPS 트랙 파일 사용</translation>
    </message>
    <message>
        <location filename="../../app/trackfilemenu.cpp" line="54" />
        <source>GPS tracks (*.gpx *.nmea *.log);;All files (*)</source>
        <translation>GPS 트랙 (*.gpx *.nmea *.log);;모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>TripExportMenu</name>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="25" />
        <location filename="../../app/tripexportmenu.cpp" line="28" />
        <location filename="../../app/tripexportmenu.cpp" line="84" />
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="26" />
        <source>Track saved to %1</source>
        <translation>트랙을 %1에 저장했습니다</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="29" />
        <source>Could not save %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="65" />
        <source>Export track...</source>
        <translation>트랙 내보내기...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="67" />
        <source>Export trip...</source>
        <translation>여정 내보내기...</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="80" />
        <source>GPX track (*.gpx)</source>
        <translation>GPX 트랙 (*.gpx)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="81" />
        <source>KML track (*.kml)</source>
        <translation>KML 트랙 (*.kml)</translation>
    </message>
    <message>
        <location filename="../../app/tripexportmenu.cpp" line="82" />
        <source>CSV table (*.csv)</source>
        <translation>CSV 표 (*.csv)</translation>
    </message>
</context>
</TS>