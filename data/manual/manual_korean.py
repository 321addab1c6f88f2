# The Korean text of the user manual; make_manual.py turns it into
# korean/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R 명찰 편집기 사용 설명서"
CONTENTS = "목차"
LANGUAGES_LABEL = "다른 언어"
SCREENSHOT_NOTE = "화면 사진은 영어 화면입니다. 본문의 이름은 한국어 화면에 표시되는 이름입니다."

SECTIONS = [
    ("window", "주 창", """
<p>이 편집기는 LED 명찰 K9057R에 표시할 짧은 메시지(<em>프로그램</em>) 목록을 관리하고, 각 프로그램이 명찰에서 어떻게
보일지 보여 주며, 체크한 프로그램을 USB로 명찰에 보냅니다.</p>
{img:main-window.png|텍스트 프로그램을 선택한 주 창.}
<ul>
<li><strong>도구 모음</strong>(위): {k:search}, {k:text}, {k:image}, {k:del}, {k:clear}, {k:bright}(화살표 포함), {k:send}.
단추 위에 마우스를 올리면 설명이 나타납니다.</li>
<li><strong>프로그램 트리</strong>(왼쪽 위): 프로그램 수를 보여 주는 루트 {k:programLists}와 프로그램마다 하나의 항목.
항목에는 이름과, 텍스트인 경우 괄호 안에 텍스트의 앞부분이 표시됩니다.</li>
<li><strong>미리 보기</strong>(오른쪽 위): 선택한 프로그램을 명찰과 같은 배치로, {k:view} 메뉴에서 고른 배율로 보여 줍니다.</li>
<li><strong>속성 창</strong>(아래): 선택한 프로그램의 모든 설정.</li>
<li><strong>상태 표시줄</strong>(맨 아래): 왼쪽에 메시지와 전송 중의 진행률 표시줄, 그 오른쪽에 두 칸이 있습니다. 명찰이
연결되어 있는지(“{k:badgeConnected}” 또는 “{k:noBadge}”, 2초마다 확인)와, 체크한 프로그램을 보낼 때의 전송량(예:
“240 bytes, 5 packets”, 곧 240바이트, 패킷 5개)입니다. 두 번째 칸은 바꿀 때마다 갱신되므로 프로그램이 명찰에 들어가지 않게
되면 바로 알 수 있습니다.</li>
</ul>
"""),
    ("first-steps", "시작하기", """
<ol>
<li>Linux에서는 먼저 udev 규칙을 한 번 설치합니다(<a href="#udev">Linux에서 명찰에 접근하기</a> 참조). 그런 다음 명찰을
USB로 연결하고 전원을 켭니다.</li>
<li>편집기를 시작합니다. 마지막으로 사용한 프로그램 파일이 열립니다. 명찰을 찾으면 상태 표시줄에 “{k:badgeConnected}”가
표시됩니다.</li>
<li>도구 모음의 {k:text}를 누릅니다. 빨간 인사말이 든 새 텍스트 프로그램이 트리에 나타납니다.</li>
<li>오른쪽 아래의 검은 편집 칸에 글을 입력합니다. 미리 보기는 키를 누를 때마다 바뀝니다.</li>
<li>{k:effectAction}에서 효과(예: {k:effectActionMatrix2})를, {k:effectSpeed}에서 속도를 고릅니다.</li>
<li>트리에서 프로그램이 체크되어 있는지 확인하고 {k:send}를 누릅니다. 명찰이 프로그램을 받으면 상태 표시줄에
“{k:tip7}”가 표시됩니다.</li>
<li>{k:file} › {k:save}(<kbd>Ctrl</kbd>+<kbd>S</kbd>)로 목록을 저장합니다.</li>
</ol>
"""),
    ("programs", "프로그램", """
<p>프로그램은 서식 있는 텍스트 또는 그림입니다. 목록에는 프로그램을 최대 12개까지 넣을 수 있으며, 목록이 가득 차면 추가해도
아무 일도 일어나지 않습니다.</p>
<ul>
<li>추가: 도구 모음의 {k:text} 또는 {k:image}, {k:edit} › {k:addText} 또는 {k:edit} › {k:addImage}, 또는 트리의 루트를
마우스 오른쪽 단추로 누릅니다. 새 프로그램의 이름은 종류와 번호로 정해집니다.</li>
<li>삭제: 선택한 프로그램을 {k:del}(도구 모음 또는 {k:edit} 메뉴)이나 마우스 오른쪽 단추로 삭제합니다. 루트를 삭제하면
모든 프로그램이 삭제됩니다.</li>
<li>프로그램을 마우스 오른쪽 단추로 누르면 {k:moveUp}과 {k:moveDown}도 있습니다. 트리의 순서가 명찰이 프로그램을
보여 주는 순서입니다.</li>
<li><strong>체크한</strong> 프로그램만 명찰로 보내집니다. 체크를 해제하면 파일에는 남아 있지만 보내지 않습니다.</li>
</ul>
"""),
    ("properties", "프로그램 속성", """
<p>속성 창에는 트리에서 선택한 프로그램의 설정이 표시됩니다. 바꾼 내용은 바로 미리 보기에 반영되고 프로그램 파일과 함께
저장됩니다.</p>
<h3>{k:options}</h3>
<table>
<tr><th>항목</th><th>의미</th></tr>
<tr><td>{k:name}</td><td>트리에 표시되는 이름(최대 24자). 빈 이름은 사용되지 않습니다.</td></tr>
<tr><td>{k:borderType}</td><td>프로그램 둘레의 테두리: 없음 또는 네 가지 무늬 중 하나.</td></tr>
<tr><td>{k:borderAspect}</td><td>테두리의 움직임: {k:borderAspectMatrix0}, {k:borderAspectMatrix1}, {k:borderAspectMatrix2},
{k:borderAspectMatrix3}, {k:borderAspectMatrix4}.</td></tr>
<tr><td>{k:borderSpeed}</td><td>테두리의 속도, 1(느림)~6(빠름).</td></tr>
<tr><td>{k:borderColor}</td><td>테두리의 색.</td></tr>
<tr><td>{k:playCount}</td><td>다음 프로그램으로 넘어가기 전에 이 프로그램을 재생하는 횟수, 1~255.</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>항목</th><th>의미</th></tr>
<tr><td>{k:effectAction}</td><td>프로그램이 화면에 들어오는 방식: {k:effectActionMatrix0}부터 {k:effectActionMatrix30}까지
31가지입니다. {k:effectActionMatrix2}와 {k:effectActionMatrix3}에서는 텍스트가 한 줄로 이어져 흐르고, 그 밖의 효과에서는
긴 텍스트가 화면 너비만큼씩 페이지 단위로 표시됩니다.</td></tr>
<tr><td>{k:effectSpeed}</td><td>효과의 속도, 1~6.</td></tr>
<tr><td>{k:effectStay}</td><td>각 페이지가 화면에 머무는 시간, 1~6.</td></tr>
<tr><td>{k:effectExit}</td><td>프로그램이 화면에서 사라지는 방식: {k:effectExitMatrix0} 또는 {k:effectExitMatrix1}.</td></tr>
</table>
<h3>텍스트 프로그램</h3>
{img:text-properties.png|텍스트 프로그램의 속성 창: 옵션, 효과, 글자 도구, 편집 칸.}
<p>편집 칸 위의 줄에서는 선택한 글자(또는 이어서 입력할 글자)의 글꼴, 크기, 글자 색, 배경색을 정합니다. 고를 수 있는 색은
화면의 색 모드(화면 매개변수의 {k:rgb})에 따라 빨강만, 빨강과 초록, 또는 일곱 가지 색 모두입니다. 오른쪽에서 왼쪽으로 쓰는
글에는 <strong>Arabic</strong>을 체크합니다. 이때 텍스트 전체가 첫 글자의 서식으로 한 덩어리로 그려집니다.</p>
<p>아래의 단추(왼쪽부터):</p>
<ul>
<li>{k:bold}, {k:italic}, {k:underline}: 선택한 글자에 적용합니다.</li>
<li>{k:alignLeft}, {k:alignCenter}, {k:alignRight}: 화면보다 짧은 텍스트의 가로 위치.</li>
<li>{k:alignTop}, {k:alignMiddle}, {k:alignBottom}: 화면 높이 안에서 텍스트의 위치.</li>
<li>{k:insertImage}: 세 가지 높이(12, 14, 16 LED)의 작은 그림 창을 엽니다. 그림을 누르면 [A001] 같은 코드가 텍스트에
들어가고, 명찰은 그 자리에 그림을 보여 줍니다.</li>
<li>{k:charSpace}: 0~5의 슬라이더. 글자마다 뒤에 더하는 LED 열 수입니다.</li>
<li>{k:yOffset}: −5~+5의 슬라이더. 텍스트를 LED 행 단위로 위아래로 옮깁니다.</li>
</ul>
{img:insert-icon.png|{k:insertImage} 창.}
{img:character-spacing.png|{k:charSpace} 슬라이더.}
<h3>그림 프로그램</h3>
{img:image-properties.png|그림 프로그램의 속성 창.}
<p>{k:scanFile}을 눌러 그림(BMP, PNG, JPEG, GIF)을 고르면 그 경로가 {k:filePath} 아래에 표시됩니다.
{k:delBgColor}에서 고른 색의 픽셀은 명찰에서 켜지지 않습니다.</p>
<p>이미 LED용인 그림(화면과 높이가 같고 모든 픽셀이 검정이거나 화면이 표시할 수 있는 순색)은 그대로 쓰입니다. 그 밖의 그림은
먼저 {k:pictureImportTitle} 창을 엽니다. 그림은 화면 높이에 맞게 크기가 바뀌고, 명찰에 나타날 모습대로 LED 단위로
표시됩니다.</p>
{img:picture-import.png|{k:pictureImportTitle} 창.}
<ul>
<li>{k:threshold}(0~255, 처음 값 128): 픽셀의 빨강(컬러 화면에서는 초록과 파랑도)이 얼마나 강해야 LED가 켜지는지.
낮추면 켜지는 LED가 늘고, 높이면 줄어듭니다.</li>
<li>{k:dither}: 각 LED의 오차를 이웃 LED에 나누어, 사진의 명암을 켜진 LED와 꺼진 LED의 무늬로 나타냅니다.</li>
<li>{k:invert}: 어두운 부분을 켜고 밝은 부분을 끕니다. 밝은 바탕의 어두운 그림에 씁니다.</li>
</ul>
<p>{k:ok}를 누르면 변환된 그림을 원래 이름에 <code>-led</code>를 붙인 BMP(예: <code>photo-led.bmp</code>, 그 이름이 이미
있으면 번호를 붙임)로, 열려 있는 프로그램 파일의 폴더에 씁니다. 목록을 한 번도 저장하지 않았으면 문서 폴더에 씁니다. 그림
프로그램은 그 BMP를 씁니다. {k:cancel}을 누르면 프로그램은 바뀌지 않습니다.</p>
"""),
    ("preview", "미리 보기", """
<p>{k:previewTitle}에는 선택한 프로그램이 명찰과 같은 배치로, 현재 화면 매개변수의 높이와 너비로 표시됩니다. 바꿀 때마다
다시 그려집니다.</p>
{img:view-menu.png|{k:view} 메뉴.}
<p>{k:view} 메뉴는 미리 보기에서 LED 하나를 몇 픽셀로 그릴지(1~16)를 정합니다. 3픽셀부터는 명찰처럼 각 LED가 둥근 점으로
그려집니다. 배율은 설정과 함께 저장됩니다.</p>
<table>
<tr><th>명령</th><th>키</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd>(<kbd>Ctrl</kbd>+<kbd>=</kbd>도 됨)</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd>: LED 하나를 픽셀 하나로</td></tr>
</table>
<p>미리 보기 위에서 <kbd>Ctrl</kbd>을 누른 채 마우스 휠을 돌려도 확대·축소됩니다.</p>
<p>배율을 고르기 전까지 미리 보기는 화면 전체가 창에 들어가는 가장 큰 배율을 쓰고 창 크기를 따라갑니다.
{k:view} › {k:zoomFit}(<kbd>Ctrl</kbd>+<kbd>9</kbd>)로 이 배율로 돌아갑니다.</p>
<p>{k:view} › {k:play}는 선택한 프로그램을 명찰이 보여 주는 대로 미리 보기에서 재생합니다(페이지, 등장 효과, 머무는
시간, 퇴장 효과, 재생 횟수, 테두리). {k:view} › {k:playAll}은 체크한 모든 프로그램을 목록 순서대로 재생하고,
{k:view} › {k:stop}은 그림으로 돌아갑니다. 미리 보기에 포커스가 있을 때 <kbd>Space</kbd>로 재생과 정지를 바꿉니다.
바꾸면 재생 중인 프로그램이 처음부터 다시 재생됩니다. 재생은 프로그램의 모습을 보여 주며 시간은 대략적입니다.</p>
"""),
    ("sending", "명찰로 보내기", """
<p>도구 모음의 {k:send}를 누르거나 {k:tool} › {k:send}를 고릅니다. 체크한 텍스트 프로그램과 그림 프로그램이 모두 변환되어
보내집니다. 상태 표시줄의 진행률 표시줄로 전송 상황을 볼 수 있으며(전송량은 보내기 전에 상태 표시줄 마지막 칸에 표시되던 값입니다), 끝날 때까지 도구 모음은 사용할 수 없습니다. 결과는 상태
표시줄에 약 2초 동안 표시되고, {k:softOption}에서 그렇게 정했다면 메시지 상자에 표시됩니다.</p>
<table>
<tr><th>메시지</th><th>조치</th></tr>
<tr><td>{k:tip7}</td><td>할 일이 없습니다. 명찰이 프로그램을 보여 줍니다.</td></tr>
<tr><td>{k:tip18}</td><td>명찰을 연결하고 전원을 켭니다. Linux에서는 udev 규칙을 확인합니다.</td></tr>
<tr><td>{k:tip19}</td><td>명찰을 뽑았다가 다시 꽂고 다시 시도합니다.</td></tr>
<tr><td>{k:tip23}</td><td>텍스트나 그림 프로그램을 하나 이상 체크합니다.</td></tr>
<tr><td>{k:tip24}</td><td>프로그램이 명찰에 다 들어가지 않습니다. 일부의 체크를 해제하거나 줄입니다.</td></tr>
</table>
"""),
    ("tools", "장치 도구", """
{img:tools-menu.png|{k:tool} 메뉴.}
<ul>
<li>{k:tool} › {k:searchScreen}(도구 모음: {k:search}): 명찰이 응답하는지 확인합니다. 응답하면 “{k:tip0}”가 표시됩니다.</li>
<li>{k:tool} › {k:clearScreen}(도구 모음: {k:clear}): 명찰의 화면을 지웁니다.</li>
<li>{k:tool} › {k:bright}(도구 모음: {k:bright}): {k:bright} 단추 옆의 화살표로 고른 밝기(100 %, 66 %, 33 %)를 보냅니다.
값을 고르기만 하면 기억만 되고, 단추를 눌러야 보내집니다.</li>
</ul>
{img:brightness-menu.png|밝기 고르기.}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara}에서는 LED 패널의 높이와 너비(LED 수), 색 모드, 구동 회로를 정합니다. 유지 보수용 기능으로,
접근 코드 <strong>739</strong>를 입력해야 창이 열립니다.</p>
{img:access-code.png|접근 코드 입력.}
{img:screen-parameters.png|{k:screenParaTitle} 창.}
<ul>
<li>왼쪽 항목: {k:name}, ID, {k:height}(12, 14, 16 LED), {k:width}, {k:rgb}(R, RG, RGB), {k:oe}, {k:data}.</li>
<li>{k:add}는 항목 내용을 저장된 목록에 새 행으로 더하고, {k:edit_}는 선택한 행을 덮어쓰며, {k:del}은 선택한 행을 지웁니다.
행을 누르면 그 내용이 항목에 불러와집니다.</li>
<li>{k:apply}는 항목 내용을 현재 설정으로 만듭니다. 미리 보기와 색 목록이 이 설정을 씁니다. 창의 상태 표시줄에 현재 설정이
표시됩니다.</li>
<li>{k:getPara}는 명찰에서 매개변수를 읽어 오고, {k:setPara}는 항목 내용을 명찰에 씁니다.</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|{k:option} 메뉴.}
<ul>
<li>{k:option} › Language(L): 프로그램의 언어. Auto(시스템 언어) 또는 여덟 가지 언어 중 하나.</li>
<li>{k:option} › {k:softOption}: {k:beforeClose}(변경 내용 저장을 물을지 여부), {k:afterExcute}(상태 표시줄 또는 메시지 상자),
{k:trimSpace}(흐르는 텍스트 앞뒤의 빈 열: 화면 너비 하나, 없음, 절반), {k:softwareUpdate}(이전 버전의 파일과의 호환을
위해 남아 있으며, 이 프로그램에는 온라인 업데이트 서비스가 없습니다).</li>
<li>{k:option} › {k:comm}: {k:hostID}와 {k:commMode}({k:usbPort} 또는 {k:serialPort}). 명찰은 USB로 연결합니다.
{k:serialPort}를 고르면 장치 도구가 명찰에 닿지 않습니다.</li>
<li>{k:option} › {k:imageEditor}: 그림을 그리는 외부 이미지 편집기를 실행합니다.</li>
</ul>
{img:software-options.png|{k:softwareOptionTitle} 창.}
{img:communication.png|{k:commTitle} 창.}
"""),
    ("files", "파일, 단축키, 도움말", """
<p>프로그램 목록은 확장자가 <code>.led</code>인 프로그램 파일로 저장됩니다. {k:file} 메뉴에는 {k:new}, {k:open}, {k:save},
{k:saveAs}, {k:close}, {k:recentFile}(최근 파일 10개와 {k:clearRecord}), {k:exit}가 있습니다. 저장하지 않은 변경이 있는 목록을
떠날 때에는 저장할지 묻습니다. 설정(언어, 밝기, 화면 매개변수, 옵션, 미리 보기 배율)은 <code>app.xml</code>에
저장됩니다. 프로그램 폴더에 언어 파일이 있고 쓸 수 있으면 프로그램과 같은 폴더에, 그렇지 않으면(설치된 편집기)
<code>~/.config/tessel/</code>에 저장됩니다.</p>
<table>
<tr><th>키</th><th>명령</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>, <kbd>Ctrl</kbd>+<kbd>-</kbd>, <kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}, {k:zoomOut}, {k:actualSize}</td></tr>
<tr><td><kbd>Delete</kbd></td><td>{k:edit} › {k:del}(프로그램 트리에 포커스가 있을 때)</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}, {k:redo}: 프로그램 추가, 삭제, 이동, 체크, 이름 바꾸기(텍스트 편집기에서는 입력)</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>, <kbd>Ctrl</kbd>+<kbd>I</kbd>, <kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold},
{k:italic}, {k:underline}(텍스트 편집기 안에서)</td></tr>
<tr><td><kbd>Tab</kbd>, <kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>다음 또는 이전 컨트롤로(텍스트 편집기에서도 빠져나옵니다)</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>텍스트 편집기에 탭 문자 입력</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>, <kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}, {k:moveDown}: 선택한 프로그램(프로그램 트리에 포커스가 있을 때, {k:edit} › {k:undo}로 되돌림)</td></tr>
<tr><td><kbd>Menu</kbd>, <kbd>Shift</kbd>+<kbd>F10</kbd></td><td>프로그램 트리에서 선택한 항목의 팝업 메뉴</td></tr>
<tr><td><kbd>Alt</kbd>와 괄호 안의 글자</td><td>그 메뉴를 엽니다. 열린 메뉴에서는 괄호 안의 글자만으로 항목을 고릅니다</td></tr>
<tr><td>화살표 키, <kbd>Enter</kbd> 또는 <kbd>Space</kbd></td><td>{k:insertImage} 창: 아이콘 사이 이동, 아이콘 삽입. 탭에서 <kbd>Tab</kbd>으로 아이콘에 갑니다</td></tr>
<tr><td><kbd>Esc</kbd></td><td>열린 대화 상자나 창을 닫기 단추처럼 닫습니다</td></tr>
</table>
<p>{k:help} › {k:viewHelp}는 이 설명서를 엽니다. {k:help} › {k:about}는 프로그램의 이름과 버전, 대상 명찰, 라이선스(GNU
General Public License 버전 3 이상)를 보여 줍니다.</p>
{img:about.png|{k:aboutTitle} 창.}
"""),
    ("cli", "명령줄 도구 tessel-cli", """
<p><code>tessel-cli</code>는 편집기가 하는 일을 창 없이 합니다. 프로그램 파일을 나열하고 확인하고 변환하며, 한 줄의
텍스트로 프로그램을 만들고, 그림을 LED용 그림으로 바꾸고, 명찰과 통신합니다. 편집기와 같은 <code>app.xml</code>과 언어
파일을 읽습니다. 성공하면 상태 0, 작업이 실패하면 1(이유는 오류 출력에 씁니다), 잘못 사용하면 2로 끝납니다.
<code>tessel-cli --help</code>는 모든 명령을, <code>tessel-cli 명령 --help</code>는 명령 하나와 그 옵션을 설명하고,
<code>tessel-cli --version</code>은 버전을 출력합니다.</p>
{pre:cli}
<ul>
<li><code>list</code>: 프로그램마다 한 줄을 탭으로 구분해 출력합니다(번호, 체크, 종류, 이름, 요약). <code>--json</code>을
붙이면 프로그램마다 객체 하나(그 종류의 모든 필드)를 담은 배열을 출력합니다.</li>
<li><code>resave</code>: 프로그램 파일을 읽어 편집기의 {k:save}와 같은 형식으로 다시 씁니다.</li>
<li><code>render</code>: N번째(1부터 셈) 프로그램의 미리 보기 그림을 BMP로 씁니다. <code>image</code>: 명찰이 받을 데이터를
씁니다.</li>
<li><code>play</code>: 체크된 프로그램의 재생을 반복되는 애니메이션 GIF로 씁니다. 명찰이 받는 프레임을 효과,
머무는 시간, 재생 횟수, 테두리와 함께 재생합니다(<code>--program N</code>: 체크 여부와 관계없이 N번째 프로그램만).
<code>--zoom</code> 1~16은 LED 하나당 픽셀 수이며, 3부터는 미리 보기처럼 LED가 둥근 점으로 그려집니다. 재생은
프로그램이 어떻게 보이는지 보여 줄 뿐이며, 명찰 자체의 시간은 알려져 있지 않으므로 시간은 대략적입니다.
<code>-o -</code>는 GIF를 표준 출력으로 씁니다.</li>
<li><code>import-picture</code>: {k:pictureImportTitle} 창과 같은 일을 합니다. 어떤 크기와 형식의 그림이든
<code>--screen</code>의 높이에 맞추고, 모든 픽셀이 검정이거나 LED 순색인 BMP를 씁니다. 그대로 그림 프로그램에 쓸 수
있습니다. <code>--planes</code>는 색으로, 0은 빨강만(기본값), 1은 빨강과 초록, 2는 일곱 색 모두입니다.
<code>--threshold</code>(0~255, 기본값 128), <code>--dither</code>, <code>--invert</code>는 창의 컨트롤과 같습니다.</li>
<li><code>say</code>: TEXT(<code>-</code>이면 표준 입력)로 편집기의 새 텍스트 프로그램과 같은 설정의 텍스트 프로그램을 만들어
보냅니다. [A001] 같은 아이콘 코드는 아이콘 라이브러리에서 그려지고, 줄바꿈은 새 문단을 시작합니다. 옵션으로
{k:effectAction}(<code>--effect</code> 0~30), {k:effectSpeed}, {k:effectStay}, {k:effectExit}, {k:playCount}
(<code>--loops</code>), {k:borderType}(<code>--border</code> 0~4), 글꼴, 크기(기본값은 화면의 행을 채움), 색(black, red,
green, yellow, blue, purple, cyan, white 또는 #RRGGBB), 굵게, 기울임, 정렬, 오른쪽에서 왼쪽으로 쓰기를 정합니다.
<code>-o FILE.led</code>를 붙이면 보내지 않고 프로그램 파일을 씁니다. <code>-</code>로 시작하는 텍스트는 <code>--</code>
뒤에 씁니다.</li>
<li><code>devices</code>: 연결된 명찰을 하나에 한 줄씩, hidraw 경로, 일련번호, 제품 이름을 탭으로 구분해 나열합니다
(<code>--json</code>: path, serial, product, accessible을 가진 객체의 배열). 명찰이 없어도 상태 0으로 끝나며, 명찰이 보이지
않거나 쓸 수 없는 이유(예: udev 규칙이 없음)를 오류 출력에 씁니다.</li>
<li><code>send</code>, <code>search</code>, <code>clear</code>, <code>brightness</code>, <code>get-params</code>,
<code>set-params</code>는 장치 도구입니다. <code>brightness</code>에는 0(100 %), 1(66 %), 2(33 %)를 줍니다.</li>
<li><code>--screen RxC</code>는 행 × 열(예: <code>12x48</code>)을 지정합니다. 생략하면 <code>app.xml</code>의 현재 화면
매개변수를 씁니다.</li>
<li>장치 옵션은 명찰과 통신하는 모든 명령에 쓸 수 있습니다. <code>--device-path</code>는 <code>devices</code>가 출력한 경로로
여러 명찰 중 하나를 고릅니다. <code>--device sim</code>은 USB 명찰 대신 내장된 가상 명찰과 통신합니다.
<code>--sim-dump</code>는 받은 이미지를, <code>--sim-log</code>는 주고받은 모든 패킷을 저장하고, <code>--sim-fault</code>와
<code>--sim-latency</code>는 가상 명찰이 오류를 내거나 늦게 응답하게 하여, 응답하지 않는 명찰에 스크립트가 어떻게 대처하는지
시험할 수 있게 합니다.</li>
</ul>
<p>예:</p>
{pre:examples}
"""),
    ("udev", "Linux에서 명찰에 접근하기", """
<p>Linux에서는 일반 사용자가 USB HID 장치에 접근할 수 없습니다. udev 규칙 <code>70-k9057r-badge.rules</code>(소스의
<code>data/udev/</code>에 있음)는 컴퓨터 앞의 사용자에게 명찰(USB 제조사 8888, 제품 0006)에 대한 접근을 허용하므로,
편집기와 <code>tessel-cli</code>를 root 권한 없이 쓸 수 있습니다.</p>
{pre:rule}
<p>한 번 설치한 뒤 명찰을 뽑았다가 다시 꽂습니다.</p>
{pre:udev}
<p>이 규칙이 없으면 명찰이 연결되어 있어도 {k:search}와 {k:send}에서 “{k:tip18}”가 표시됩니다.</p>
"""),
]
