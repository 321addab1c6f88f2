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
<li><strong>預覽</strong>（右上）：依胸牌的排列方式顯示選取的節目，一個像素對應一個 LED。</li>
<li><strong>屬性窗格</strong>（底部）：選取節目的全部設定。</li>
<li><strong>狀態列</strong>（最下方）：提示訊息，傳送時顯示進度列。</li>
</ul>
"""),
    ("first-steps", "快速入門", """
<ol>
<li>在 Linux 上先安裝一次 udev 規則（見<a href="#udev">在 Linux 上存取胸牌</a>），然後以 USB 連接胸牌並開啟電源。</li>
<li>啟動軟體。軟體會開啟上次使用的節目檔案。</li>
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
<p>按一下 {k:scanFile} 選擇一張 BMP 圖片，其路徑顯示在 {k:filePath} 下方。以 {k:delBgColor} 選定的顏色的像素在胸牌上不亮。</p>
"""),
    ("preview", "預覽", """
<p>{k:previewTitle} 依胸牌的排列方式顯示選取的節目，一個像素對應一個 LED，高度和寬度取自目前的螢幕參數。
每次修改後都會重新繪製。</p>
"""),
    ("sending", "傳送到胸牌", """
<p>按一下工具列的 {k:send}，或選擇 {k:tool} › {k:send}。所有勾選的文字和圖片節目會被轉換並傳送；狀態列中的進度列顯示傳輸進度，
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
設定（語言、亮度、螢幕參數、選項）儲存在軟體旁邊的 <code>app.xml</code> 中。</p>
<table>
<tr><th>按鍵</th><th>命令</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
</table>
<p>{k:help} › {k:viewHelp} 開啟本說明書；{k:help} › {k:about} 顯示軟體名稱和版本。</p>
"""),
    ("cli", "命令列工具 tessel-cli", """
<p><code>tessel-cli</code> 不開啟視窗即可完成編輯軟體的工作：列出、檢查和轉換節目檔案，以及與胸牌通訊。
它讀取同一資料夾中的 <code>app.xml</code> 和語言檔案。成功時結束狀態為 0，操作失敗時為 1（原因寫到錯誤輸出），用法錯誤時為 2。</p>
{pre:cli}
<ul>
<li><code>list</code>：每個節目輸出一行：序號、勾選狀態、類型、名稱和文字。</li>
<li><code>resave</code>：讀取節目檔案，並依編輯軟體 {k:save} 的方式重新寫出。</li>
<li><code>render</code>：把第 N 個節目（從 1 開始）的預覽圖儲存為 BMP；<code>image</code>：寫出胸牌將收到的資料。</li>
<li><code>send</code>、<code>search</code>、<code>clear</code>、<code>brightness</code>、<code>get-params</code> 和
<code>set-params</code> 是裝置工具。<code>brightness</code> 的參數為 0（100 %）、1（66 %）或 2（33 %）。</li>
<li><code>--screen RxC</code> 指定列數 × 行數，例如 <code>12x48</code>；省略時使用 <code>app.xml</code> 中的目前螢幕參數。
<code>--device sim</code> 與內建的模擬胸牌通訊而不是 USB 胸牌，<code>--sim-dump</code> 儲存它收到的資料。</li>
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
