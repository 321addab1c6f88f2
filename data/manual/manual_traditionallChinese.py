# The Traditional Chinese text of the user manual; make_manual.py turns it into
# traditionallChinese/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R 胸牌編輯軟體 使用說明書"
CONTENTS = "目錄"
LANGUAGES_LABEL = "其他語言"
SCREENSHOT_NOTE = "截圖顯示的是英文介面；內文中的名稱與中文介面一致。"

SECTIONS = [
    ("window", "主視窗", """
<p>本軟體為 K9057R LED 胸牌管理一組簡短的訊息（稱為<em>節目</em>），顯示每個節目在胸牌上的效果，
並透過 USB 把勾選的節目傳送到胸牌。</p>
{img:main-window.png|選取一個文字節目時的主視窗。}
<ul>
<li><strong>工具列</strong>（頂端）：{k:search}、{k:text}、{k:image}、{k:del}、{k:clear}、{k:bright}（附下拉箭頭）和
{k:send}。將滑鼠停在按鈕上可以看到它的說明。</li>
<li><strong>節目樹</strong>（左上）：根節點 {k:programLists} 及節目數量，下面每個節目一項，顯示名稱；
文字節目在括號中顯示文字的開頭。</li>
<li><strong>預覽</strong>（右上）：依胸牌的排列方式顯示選取的節目，依 {k:view} 選單中的設定放大。</li>
<li><strong>屬性窗格</strong>（底部）：選取節目的全部設定。</li>
<li><strong>狀態列</strong>（最下方）：左側是提示訊息，傳送時顯示進度列；右側有兩個窗格：一個顯示是否連接了胸牌
（「{k:badgeConnected}」或「{k:noBadge}」，每兩秒檢查一次），另一個顯示傳送勾選的節目需要傳輸的資料量，例如
「240 bytes, 5 packets」（240 位元組，5 個封包）。第二個窗格隨每次修改更新，節目超出胸牌容量時可以立即看出。</li>
</ul>
"""),
    ("first-steps", "快速入門", """
<ol>
<li>在 Linux 上先安裝一次 udev 規則（見<a href="#udev">在 Linux 上存取胸牌</a>），然後以 USB 連接胸牌並開啟電源。</li>
<li>啟動軟體。軟體會開啟上次使用的節目檔案。辨識到胸牌後，狀態列顯示「{k:badgeConnected}」。</li>
<li>按一下工具列上的 {k:text}。節目樹中出現一個新的文字節目，內容是紅色的歡迎語。</li>
<li>在右下方黑色的編輯框中輸入文字。預覽隨每次按鍵更新。</li>
<li>在 {k:effectAction} 中選擇效果，例如 {k:effectActionMatrix2}，並在 {k:effectSpeed} 中選擇速度。</li>
<li>確認節目樹中該節目已勾選，然後按一下 {k:send}。胸牌收到節目後，狀態列顯示「{k:tip7}」</li>
<li>以 {k:file} › {k:save}（<kbd>Ctrl</kbd>+<kbd>S</kbd>）儲存節目清單。</li>
</ol>
"""),
    ("programs", "節目", """
<p>節目是一段有格式的文字或一張圖片。清單最多容納 12 個節目；清單已滿時，新增不會有作用。</p>
<ul>
<li>新增節目：按一下工具列的 {k:text} 或 {k:image}，或選擇 {k:edit} › {k:addText}、{k:edit} › {k:addImage}，
或在節目樹的根節點上按右鍵。新節目以類型加編號命名。</li>
<li>刪除選取的節目：按一下 {k:del}（工具列或 {k:edit} 選單），或在節目上按右鍵。刪除根節點會刪除全部節目。</li>
<li>在節目上按右鍵還可以選擇 {k:moveUp} 和 {k:moveDown}：節目樹的順序就是胸牌播放節目的順序。</li>
<li>只有<strong>勾選</strong>的節目會傳送到胸牌。取消勾選可以把節目留在檔案中而不傳送。</li>
</ul>
"""),
    ("properties", "節目屬性", """
<p>屬性窗格顯示節目樹中選取節目的設定。修改會立即反映在預覽中，並隨節目檔案儲存。</p>
<h3>{k:options}</h3>
<table>
<tr><th>控制項</th><th>意義</th></tr>
<tr><td>{k:name}</td><td>節目樹中顯示的名稱（最多 24 個字元）。空白名稱不會被採用。</td></tr>
<tr><td>{k:borderType}</td><td>節目周圍的邊框：無邊框或四種圖案之一。</td></tr>
<tr><td>{k:borderAspect}</td><td>邊框的移動方式：{k:borderAspectMatrix0}、{k:borderAspectMatrix1}、{k:borderAspectMatrix2}、
{k:borderAspectMatrix3} 或 {k:borderAspectMatrix4}。</td></tr>
<tr><td>{k:borderSpeed}</td><td>邊框的速度，1（慢）到 6（快）。</td></tr>
<tr><td>{k:borderColor}</td><td>邊框的顏色。</td></tr>
<tr><td>{k:playCount}</td><td>切換到下一個節目之前本節目播放的次數，1 到 255。</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>控制項</th><th>意義</th></tr>
<tr><td>{k:effectAction}</td><td>節目進入螢幕的方式：共 31 種效果，從 {k:effectActionMatrix0} 到 {k:effectActionMatrix30}。
選擇 {k:effectActionMatrix2} 和 {k:effectActionMatrix3} 時文字連續捲動；其他效果下較長的文字依螢幕寬度逐頁顯示。</td></tr>
<tr><td>{k:effectSpeed}</td><td>效果的速度，1 到 6。</td></tr>
<tr><td>{k:effectStay}</td><td>每頁在螢幕上停留的時間，1 到 6。</td></tr>
<tr><td>{k:effectExit}</td><td>節目離開螢幕的方式：{k:effectExitMatrix0} 或 {k:effectExitMatrix1}。</td></tr>
</table>
<h3>文字節目</h3>
{img:text-properties.png|文字節目的屬性窗格：選項、特效、文字工具和編輯框。}
<p>編輯框上方的一列設定選取文字（或接下來輸入的文字）的字型、字級、文字顏色和背景顏色。可選的顏色取決於螢幕的色彩模式
（螢幕參數中的 {k:rgb}）：只有紅色、紅色和綠色，或全部七種顏色。由右至左書寫的文字請勾選 <strong>Arabic</strong>：
此時整段文字作為一個整體、依第一個字元的格式繪製。</p>
<p>下面的按鈕由左至右依序為：</p>
<ul>
<li>{k:bold}、{k:italic}、{k:underline}：作用於選取的文字。</li>
<li>{k:alignLeft}、{k:alignCenter}、{k:alignRight}：比螢幕短的文字在水平方向上的位置。</li>
<li>{k:alignTop}、{k:alignMiddle}、{k:alignBottom}：文字在螢幕高度中的位置。</li>
<li>{k:insertImage}：開啟一個小圖示視窗，有三種高度（12、14 和 16 個 LED）。按一下圖示會把它的代碼（例如 [A001]）
插入文字中，胸牌在該位置顯示圖示。</li>
<li>{k:charSpace}：0 到 5 的滑桿，在每個字元後增加的 LED 行數。</li>
<li>{k:yOffset}：−5 到 +5 的滑桿，以整列 LED 上下移動文字。</li>
</ul>
{img:insert-icon.png|{k:insertImage} 視窗。}
{img:character-spacing.png|{k:charSpace} 滑桿。}
<h3>圖片節目</h3>
{img:image-properties.png|圖片節目的屬性窗格。}
<p>按一下 {k:scanFile} 選擇一張圖片（BMP、PNG、JPEG 或 GIF），其路徑顯示在 {k:filePath} 下方。以 {k:delBgColor}
選定的顏色的像素在胸牌上不亮。</p>
<p>已經適合 LED 的圖片（高度與螢幕相同，每個像素都是黑色或螢幕能顯示的純色）直接使用。其他圖片會先開啟
{k:pictureImportTitle} 視窗：圖片依螢幕高度縮放，並依胸牌的顯示效果逐個 LED 顯示。</p>
{img:picture-import.png|{k:pictureImportTitle} 視窗。}
<ul>
<li>{k:threshold}（0 到 255，初始為 128）：像素的紅色（彩色螢幕上還有綠色和藍色）達到多少時對應的 LED 才亮。
調低則亮的 LED 更多，調高則更少。</li>
<li>{k:dither}：把每個 LED 的誤差分散到相鄰的 LED，使照片的明暗層次變成亮點和暗點組成的圖案。</li>
<li>{k:invert}：亮的部分變暗、暗的部分變亮，適合淺色背景上的深色圖畫。</li>
</ul>
<p>{k:ok} 把轉換後的圖片寫成 BMP 檔案，檔名是原檔名加上 <code>-led</code>（例如 <code>photo-led.bmp</code>，
該名稱已被佔用時加編號），儲存在目前節目檔案所在的資料夾中；節目清單尚未儲存過時儲存在「文件」資料夾中。
圖片節目隨後使用這個 BMP 檔案。{k:cancel} 則不改變節目。</p>
"""),
    ("preview", "預覽", """
<p>{k:previewTitle} 依胸牌的排列方式顯示選取的節目，高度和寬度取自目前的螢幕參數。每次修改後都會重新繪製。</p>
{img:view-menu.png|{k:view} 選單。}
<p>{k:view} 選單設定預覽中每個 LED 的大小，從 1 到 16 個螢幕像素；從 3 個像素起，每個 LED 像胸牌上一樣畫成圓點。
縮放比例隨設定一起儲存。</p>
<table>
<tr><th>命令</th><th>按鍵</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd>（也可用 <kbd>Ctrl</kbd>+<kbd>=</kbd>）</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd>：一個螢幕像素對應一個 LED</td></tr>
</table>
<p>在預覽上按住 <kbd>Ctrl</kbd> 轉動滑鼠滾輪，也可以放大和縮小。</p>
<p>在您選擇縮放之前，預覽採用能在其窗格中顯示整個螢幕的最大縮放，並隨視窗大小變化；{k:view} ›
{k:zoomFit}（<kbd>Ctrl</kbd>+<kbd>9</kbd>）回到此縮放。</p>
<p>{k:view} › {k:play} 依胸牌的顯示方式在預覽中播放所選節目：各頁及進入特效、停留、退出特效、播放次數和邊框。
{k:view} › {k:playAll} 依清單順序播放所有勾選的節目，{k:view} › {k:stop} 回到圖片。預覽取得焦點時，按
<kbd>Space</kbd> 播放或停止；任何修改都會使正在播放的節目重新開始。播放展示節目的效果，時間僅為近似。</p>
"""),
    ("sending", "傳送到胸牌", """
<p>按一下工具列的 {k:send}，或選擇 {k:tool} › {k:send}。所有勾選的文字和圖片節目會被轉換並傳送；狀態列中的進度列顯示傳輸進度（傳輸量即傳送前狀態列最後一個窗格中顯示的數值），
傳輸結束前工具列無法使用。結果在狀態列中顯示約兩秒；如果在 {k:softOption} 中作了相應選擇，則顯示在訊息方塊中。</p>
<table>
<tr><th>提示</th><th>處理方法</th></tr>
<tr><td>{k:tip7}</td><td>無需操作：胸牌已開始顯示節目。</td></tr>
<tr><td>{k:tip18}</td><td>連接胸牌並開啟電源；在 Linux 上請檢查 udev 規則。</td></tr>
<tr><td>{k:tip19}</td><td>拔下胸牌，重新插入後再試。</td></tr>
<tr><td>{k:tip23}</td><td>至少勾選一個文字或圖片節目。</td></tr>
<tr><td>{k:tip24}</td><td>節目超出胸牌的容量：取消勾選部分節目或縮短內容。</td></tr>
</table>
"""),
    ("tools", "裝置工具", """
{img:tools-menu.png|{k:tool} 選單。}
<ul>
<li>{k:tool} › {k:searchScreen}（工具列：{k:search}）：檢查胸牌是否回應，成功時顯示「{k:tip0}」</li>
<li>{k:tool} › {k:clearScreen}（工具列：{k:clear}）：清除胸牌的螢幕。</li>
<li>{k:tool} › {k:bright}（工具列：{k:bright}）：傳送以 {k:bright} 按鈕旁的箭頭選擇的亮度：100 %、66 % 或 33 %。
選擇數值只是記下它，按下按鈕才會傳送。</li>
</ul>
{img:brightness-menu.png|選擇亮度。}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} 描述 LED 面板：高度和寬度（LED 數）、色彩模式和驅動電路。此功能供維修使用：
輸入存取密碼 <strong>739</strong> 後視窗才會開啟。</p>
{img:access-code.png|存取密碼提示。}
{img:screen-parameters.png|{k:screenParaTitle} 視窗。}
<ul>
<li>左側的欄位：{k:name}、ID、{k:height}（12、14 或 16 個 LED）、{k:width}、{k:rgb}（R、RG 或 RGB）、{k:oe} 和 {k:data}。</li>
<li>{k:add} 把這些欄位作為新的一列加入已儲存的參數清單；{k:edit_} 以它們覆寫選取的列；{k:del} 刪除選取的列。
按一下某一列可把它載入欄位。</li>
<li>{k:apply} 把欄位設為目前參數，預覽和顏色清單都使用目前參數。視窗的狀態列顯示目前參數。</li>
<li>{k:getPara} 從胸牌讀取參數到欄位中；{k:setPara} 把欄位寫入胸牌。</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|{k:option} 選單。}
<ul>
<li>{k:option} › Language(L)：軟體的語言，Auto（系統語言）或八種語言之一。</li>
<li>{k:option} › {k:softOption}：{k:beforeClose}（是否詢問儲存修改）、{k:afterExcute}（狀態列或訊息方塊）、
{k:trimSpace}（捲動文字前後的空白行：一個螢幕寬、無或半個螢幕寬）和 {k:softwareUpdate}
（為相容舊版本的檔案而保留；本軟體沒有線上更新服務）。</li>
<li>{k:option} › {k:comm}：{k:hostID} 和 {k:commMode}（{k:usbPort} 或 {k:serialPort}）。胸牌透過 USB 連接；
選擇 {k:serialPort} 時裝置工具無法連到胸牌。</li>
<li>{k:option} › {k:imageEditor} 啟動外部影像編輯器，用來繪製圖片。</li>
</ul>
{img:software-options.png|{k:softwareOptionTitle} 視窗。}
{img:communication.png|{k:commTitle} 視窗。}
"""),
    ("files", "檔案、快速鍵和說明", """
<p>節目清單儲存為副檔名為 <code>.led</code> 的節目檔案。{k:file} 選單包括 {k:new}、{k:open}、{k:save}、{k:saveAs}、
{k:close}、{k:recentFile}（最近的十個檔案，以及 {k:clearRecord}）和 {k:exit}。離開有未儲存修改的清單時，軟體會詢問是否儲存。
設定（語言、亮度、螢幕參數、選項、預覽縮放）儲存在 <code>app.xml</code> 中：軟體所在資料夾含有語言檔案且可寫入時儲存在軟體旁邊，
否則（已安裝的軟體）儲存在 <code>~/.config/tessel/</code> 中。</p>
<table>
<tr><th>按鍵</th><th>命令</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>、<kbd>Ctrl</kbd>+<kbd>-</kbd>、<kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}、{k:zoomOut}、{k:actualSize}</td></tr>
<tr><td><kbd>Delete</kbd></td><td>{k:edit} › {k:del}（節目樹取得焦點時）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}、{k:redo}：新增、刪除、移動、勾選和重新命名節目（在文字編輯器中：復原輸入）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>、<kbd>Ctrl</kbd>+<kbd>I</kbd>、<kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold}、
{k:italic}、{k:underline}（在文字編輯框中）</td></tr>
<tr><td><kbd>Tab</kbd>、<kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>移到下一個或上一個控制項（也可離開文字編輯框）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>在文字編輯框中輸入定位字元</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>、<kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}、{k:moveDown}：選取的節目（節目樹取得焦點時；{k:edit} › {k:undo} 可復原）</td></tr>
<tr><td><kbd>Menu</kbd>、<kbd>Shift</kbd>+<kbd>F10</kbd></td><td>節目樹中選取節點的快顯功能表</td></tr>
<tr><td><kbd>Alt</kbd> 加括號中的字母</td><td>開啟該功能表；在開啟的功能表中只按括號中的字母即可選擇該項</td></tr>
<tr><td>方向鍵、<kbd>Enter</kbd> 或 <kbd>Space</kbd></td><td>在{k:insertImage}視窗中：在圖示之間移動、插入圖示；從索引標籤按 <kbd>Tab</kbd> 可到達圖示</td></tr>
<tr><td><kbd>Esc</kbd></td><td>像關閉按鈕一樣關閉開啟的對話方塊或視窗</td></tr>
</table>
<p>{k:help} › {k:viewHelp} 開啟本說明書。{k:help} › {k:about} 顯示軟體名稱、版本、適用的胸牌型號和授權條款
（GNU 通用公共授權條款第 3 版或更新版本）。</p>
{img:about.png|{k:aboutTitle} 視窗。}
"""),
    ("cli", "命令列工具 tessel-cli", """
<p><code>tessel-cli</code> 不開啟視窗即可完成編輯軟體的工作：列出、檢查和轉換節目檔案，用一行文字產生節目，
把圖片轉換成 LED 圖片，以及與胸牌通訊。它讀取與編輯軟體相同的 <code>app.xml</code> 和語言檔案。成功時結束狀態為 0，
操作失敗時為 1（原因寫到錯誤輸出），用法錯誤時為 2。<code>tessel-cli --help</code> 列出全部命令，
<code>tessel-cli 命令 --help</code> 說明一個命令及其選項，<code>tessel-cli --version</code> 輸出版本號。</p>
{pre:cli}
<ul>
<li><code>list</code>：每個節目輸出一行，各項以定位字元分隔：序號、勾選狀態、類型、名稱和摘要。加 <code>--json</code>
時輸出一個陣列，每個節目一個物件，包含該類節目的全部欄位。</li>
<li><code>resave</code>：讀取節目檔案，並依編輯軟體 {k:save} 的方式重新寫出。</li>
<li><code>render</code>：把第 N 個節目（從 1 開始）的預覽圖儲存為 BMP；<code>image</code>：寫出胸牌將收到的資料。</li>
<li><code>play</code>：把勾選節目的播放效果寫成循環播放的 GIF 動畫：胸牌收到的各幀，連同特效、停留時間、播放次數和
邊框（<code>--program N</code>：只播放第 N 個節目，無論是否勾選）。<code>--zoom</code> 1 到 16 指定每個 LED 的像素數，
從 3 起 LED 像預覽中一樣顯示為圓點。播放呈現節目的樣子；由於胸牌本身的時序未知，時間只是近似值。<code>-o -</code>
把 GIF 寫到標準輸出。</li>
<li><code>import-picture</code>：與 {k:pictureImportTitle} 視窗作用相同，把任意大小和格式的圖片縮放到
<code>--screen</code> 的高度，寫出每個像素都是黑色或 LED 純色的 BMP，可直接用於圖片節目。<code>--planes</code>
指定顏色：0 只有紅色（預設），1 紅色和綠色，2 全部七種顏色；<code>--threshold</code>（0 到 255，預設 128）、
<code>--dither</code> 和 <code>--invert</code> 對應視窗中的控制項。</li>
<li><code>say</code>：以 TEXT（或以 <code>-</code> 表示從標準輸入讀取）產生一個文字節目並傳送，設定與編輯軟體中新增的文字節目相同；
[A001] 之類的圖示代碼取自圖示庫，換行開始新的段落。選項設定 {k:effectAction}（<code>--effect</code> 0 到 30）、
{k:effectSpeed}、{k:effectStay}、{k:effectExit}、{k:playCount}（<code>--loops</code>）、{k:borderType}
（<code>--border</code> 0 到 4）、字型、字級（預設填滿螢幕的列數）、顏色（black、red、green、yellow、blue、purple、
cyan、white 或 #RRGGBB）、粗體、斜體、對齊方式和由右向左書寫。加 <code>-o FILE.led</code> 時寫出節目檔案而不傳送。
以 <code>-</code> 開頭的文字要放在 <code>--</code> 之後。</li>
<li><code>devices</code>：列出所有連接的胸牌，每個一行：hidraw 路徑、序號和產品名稱，以定位字元分隔
（<code>--json</code>：包含 path、serial、product 和 accessible 的物件陣列）。沒有胸牌時結束狀態也為 0，
並在錯誤輸出中說明胸牌無法辨識或使用的原因，例如缺少 udev 規則。</li>
<li><code>send</code>、<code>search</code>、<code>clear</code>、<code>brightness</code>、<code>get-params</code> 和
<code>set-params</code> 是裝置工具。<code>brightness</code> 的參數為 0（100 %）、1（66 %）或 2（33 %）。</li>
<li><code>--screen RxC</code> 指定列數 × 行數，例如 <code>12x48</code>；省略時使用 <code>app.xml</code> 中的目前螢幕參數。</li>
<li>裝置選項適用於所有與胸牌通訊的命令。<code>--device-path</code> 依 <code>devices</code> 輸出的路徑在多個胸牌中選擇一個。
<code>--device sim</code> 與內建的模擬胸牌通訊而不是 USB 胸牌：<code>--sim-dump</code> 儲存它收到的影像，
<code>--sim-log</code> 儲存每個交換的封包，<code>--sim-fault</code> 和 <code>--sim-latency</code> 讓它出錯或延遲回應，
用來檢驗指令碼如何應對不回應的胸牌。</li>
</ul>
<p>範例：</p>
{pre:examples}
"""),
    ("udev", "在 Linux 上存取胸牌", """
<p>Linux 預設不允許一般使用者存取 USB HID 裝置。udev 規則 <code>70-k9057r-badge.rules</code>（位於原始碼的
<code>data/udev/</code> 中）讓坐在電腦前的使用者可以存取胸牌（USB 廠商 8888，產品 0006），如此編輯軟體和
<code>tessel-cli</code> 無需 root 權限即可運作：</p>
{pre:rule}
<p>安裝一次，然後拔下胸牌再重新插入：</p>
{pre:udev}
<p>沒有這條規則時，即使胸牌已連接，{k:search} 和 {k:send} 也會提示「{k:tip18}」</p>
"""),
]
