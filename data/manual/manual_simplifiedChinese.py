# The Simplified Chinese text of the user manual; make_manual.py turns it into
# simplifiedChinese/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R 胸牌编辑软件 使用说明书"
CONTENTS = "目录"
LANGUAGES_LABEL = "其他语言"
SCREENSHOT_NOTE = "截图显示的是英文界面；正文中的名称与中文界面一致。"

SECTIONS = [
    ("window", "主窗口", """
<p>本软件为 K9057R LED 胸牌管理一组简短的信息（称为<em>节目</em>），显示每个节目在胸牌上的效果，
并通过 USB 把勾选的节目发送到胸牌。</p>
{img:main-window.png|选中一个文本节目时的主窗口。}
<ul>
<li><strong>工具栏</strong>（顶部）：{k:search}、{k:text}、{k:image}、{k:del}、{k:clear}、{k:bright}（带下拉箭头）和
{k:send}。把鼠标停在按钮上可以看到它的说明。</li>
<li><strong>节目树</strong>（左上）：根节点 {k:programLists} 及节目数量，下面每个节目一项，显示名称；
文本节目在括号中显示文字的开头。</li>
<li><strong>预览</strong>（右上）：按胸牌的排列方式显示选中的节目，按 {k:view} 菜单中的设置放大。</li>
<li><strong>属性栏</strong>（底部）：选中节目的全部设置。</li>
<li><strong>状态栏</strong>（最下方）：左侧是提示信息，发送时显示进度条；右侧有两个窗格：一个显示是否连接了胸牌
（“{k:badgeConnected}”或“{k:noBadge}”，每两秒检查一次），另一个显示发送勾选的节目需要传输的数据量，例如
“240 bytes, 5 packets”（240 字节，5 个数据包）。第二个窗格随每次修改更新，节目超出胸牌容量时可以立即看出。</li>
</ul>
"""),
    ("first-steps", "快速入门", """
<ol>
<li>在 Linux 上先安装一次 udev 规则（见<a href="#udev">在 Linux 上访问胸牌</a>），然后用 USB 连接胸牌并打开电源。</li>
<li>启动软件。软件会打开上次使用的节目文件。识别到胸牌后，状态栏显示“{k:badgeConnected}”。</li>
<li>点击工具栏上的 {k:text}。节目树中出现一个新的文本节目，内容是红色的欢迎语。</li>
<li>在右下方黑色的编辑框中输入文字。预览随每次按键更新。</li>
<li>选择 {k:effectAction}，例如 {k:effectActionMatrix2}，以及 {k:effectSpeed}。</li>
<li>确认节目树中该节目已勾选，然后点击 {k:send}。胸牌收到节目后，状态栏显示“{k:tip7}”</li>
<li>用 {k:file} › {k:save}（<kbd>Ctrl</kbd>+<kbd>S</kbd>）保存节目列表。</li>
</ol>
"""),
    ("programs", "节目", """
<p>节目是一段带格式的文字或一张图片。列表最多容纳 12 个节目；列表已满时，添加不起作用。</p>
<ul>
<li>添加节目：点击工具栏的 {k:text} 或 {k:image}，或选择 {k:edit} › {k:addText}、{k:edit} › {k:addImage}，
或在节目树的根节点上单击右键。新节目以类型加编号命名。</li>
<li>删除选中的节目：点击 {k:del}（工具栏或 {k:edit} 菜单），或在节目上单击右键。删除根节点会删除全部节目。</li>
<li>在节目上单击右键还可以选择 {k:moveUp} 和 {k:moveDown}：节目树的顺序就是胸牌播放节目的顺序。</li>
<li>只有<strong>勾选</strong>的节目会发送到胸牌。取消勾选可以把节目留在文件中而不发送。</li>
</ul>
"""),
    ("properties", "节目属性", """
<p>属性栏显示节目树中选中节目的设置。修改会立即反映在预览中，并随节目文件保存。</p>
<h3>{k:options}</h3>
<table>
<tr><th>控件</th><th>含义</th></tr>
<tr><td>{k:name}</td><td>节目树中显示的名称（最多 24 个字符）。空名称不会被采用。</td></tr>
<tr><td>{k:borderType}</td><td>节目周围的边框：无边框或四种图案之一。</td></tr>
<tr><td>{k:borderAspect}</td><td>边框的运动方式：{k:borderAspectMatrix0}、{k:borderAspectMatrix1}、{k:borderAspectMatrix2}、
{k:borderAspectMatrix3} 或 {k:borderAspectMatrix4}。</td></tr>
<tr><td>{k:borderSpeed}</td><td>边框的速度，1（慢）到 6（快）。</td></tr>
<tr><td>{k:borderColor}</td><td>边框的颜色。</td></tr>
<tr><td>{k:playCount}</td><td>切换到下一个节目之前本节目播放的次数，1 到 255。</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>控件</th><th>含义</th></tr>
<tr><td>{k:effectAction}</td><td>节目进入屏幕的方式：共 31 种效果，从 {k:effectActionMatrix0} 到 {k:effectActionMatrix30}。
选择 {k:effectActionMatrix2} 和 {k:effectActionMatrix3} 时文字连续滚动；其他效果下较长的文字按屏幕宽度逐页显示。</td></tr>
<tr><td>{k:effectSpeed}</td><td>效果的速度，1 到 6。</td></tr>
<tr><td>{k:effectStay}</td><td>每页在屏幕上停留的时间，1 到 6。</td></tr>
<tr><td>{k:effectExit}</td><td>节目离开屏幕的方式：{k:effectExitMatrix0} 或 {k:effectExitMatrix1}。</td></tr>
</table>
<h3>文本节目</h3>
{img:text-properties.png|文本节目的属性栏：选项、特效、文字工具和编辑框。}
<p>编辑框上方的一行设置选中文字（或接下来输入的文字）的字体、字号、文字颜色和背景颜色。可选的颜色取决于屏幕的颜色模式
（屏幕参数中的 {k:rgb}）：只有红色、红色和绿色，或全部七种颜色。从右向左书写的文字请勾选 <strong>Arabic</strong>：
此时整段文字作为一个整体、按第一个字符的格式绘制。</p>
<p>下面的按钮从左到右依次为：</p>
<ul>
<li>{k:bold}、{k:italic}、{k:underline}：作用于选中的文字。</li>
<li>{k:alignLeft}、{k:alignCenter}、{k:alignRight}：比屏幕短的文字在水平方向上的位置。</li>
<li>{k:alignTop}、{k:alignMiddle}、{k:alignBottom}：文字在屏幕高度中的位置。</li>
<li>{k:insertImage}：打开一个小图标窗口，有三种高度（12、14 和 16 个 LED）。单击图标会把它的代码（例如 [A001]）
插入文字中，胸牌在该位置显示图标。</li>
<li>{k:charSpace}：0 到 5 的滑块，在每个字符后增加的 LED 列数。</li>
<li>{k:yOffset}：−5 到 +5 的滑块，按整行 LED 上下移动文字。</li>
</ul>
{img:insert-icon.png|{k:insertImage} 窗口。}
{img:character-spacing.png|{k:charSpace} 滑块。}
<h3>图片节目</h3>
{img:image-properties.png|图片节目的属性栏。}
<p>点击 {k:scanFile} 选择一张图片（BMP、PNG、JPEG 或 GIF），其路径显示在 {k:filePath} 下方。用 {k:delBgColor}
选定的颜色的像素在胸牌上不亮。</p>
<p>已经适合 LED 的图片（高度与屏幕相同，每个像素都是黑色或屏幕能显示的纯色）直接使用。其他图片会先打开
{k:pictureImportTitle} 窗口：图片按屏幕高度缩放，并按胸牌的显示效果逐个 LED 显示。</p>
{img:picture-import.png|{k:pictureImportTitle} 窗口。}
<ul>
<li>{k:threshold}（0 到 255，初始为 128）：像素的红色（彩色屏上还有绿色和蓝色）达到多少时对应的 LED 才亮。
调低则亮的 LED 更多，调高则更少。</li>
<li>{k:dither}：把每个 LED 的误差分散到相邻的 LED，使照片的明暗层次变成亮点和暗点组成的图案。</li>
<li>{k:invert}：亮的部分变暗、暗的部分变亮，适合浅色背景上的深色图画。</li>
</ul>
<p>{k:ok} 把转换后的图片写成 BMP 文件，文件名是原文件名加上 <code>-led</code>（例如 <code>photo-led.bmp</code>，
该名称已被占用时加编号），保存在当前节目文件所在的文件夹中；节目列表尚未保存过时保存在“文档”文件夹中。
图片节目随后使用这个 BMP 文件。{k:cancel} 则不改变节目。</p>
"""),
    ("preview", "预览", """
<p>{k:previewTitle} 按胸牌的排列方式显示选中的节目，高度和宽度取自当前的屏幕参数。每次修改后都会重新绘制。</p>
{img:view-menu.png|{k:view} 菜单。}
<p>{k:view} 菜单设置预览中每个 LED 的大小，从 1 到 16 个屏幕像素；从 3 个像素起，每个 LED 像胸牌上一样画成圆点。
缩放比例随设置一起保存。</p>
<table>
<tr><th>命令</th><th>按键</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd>（也可用 <kbd>Ctrl</kbd>+<kbd>=</kbd>）</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd>：一个屏幕像素对应一个 LED</td></tr>
</table>
<p>在预览上按住 <kbd>Ctrl</kbd> 转动鼠标滚轮，也可以放大和缩小。</p>
<p>在您选择缩放之前，预览采用能在其窗格中显示整个屏幕的最大缩放，并随窗口大小变化；{k:view} ›
{k:zoomFit}（<kbd>Ctrl</kbd>+<kbd>9</kbd>）回到此缩放。</p>
<p>{k:view} › {k:play} 按胸牌的显示方式在预览中播放所选节目：各页及进入特效、停留、退出特效、播放次数和边框。
{k:view} › {k:playAll} 按列表顺序播放所有勾选的节目，{k:view} › {k:stop} 回到图片。预览获得焦点时，按
<kbd>Space</kbd> 播放或停止；任何修改都会使正在播放的节目重新开始。播放展示节目的效果，时间仅为近似。</p>
"""),
    ("sending", "发送到胸牌", """
<p>点击工具栏的 {k:send}，或选择 {k:tool} › {k:send}。所有勾选的文本和图片节目会被转换并发送；状态栏中的进度条显示传输进度（传输量即发送前状态栏最后一个窗格中显示的数值），
传输结束前工具栏不可用。结果在状态栏中显示约两秒；如果在 {k:softOption} 中作了相应选择，则显示在消息框中。</p>
<table>
<tr><th>提示</th><th>处理方法</th></tr>
<tr><td>{k:tip7}</td><td>无需操作：胸牌已开始显示节目。</td></tr>
<tr><td>{k:tip18}</td><td>连接胸牌并打开电源；在 Linux 上请检查 udev 规则。</td></tr>
<tr><td>{k:tip19}</td><td>拔下胸牌，重新插入后再试。</td></tr>
<tr><td>{k:tip23}</td><td>至少勾选一个文本或图片节目。</td></tr>
<tr><td>{k:tip24}</td><td>节目超出胸牌的容量：取消勾选部分节目或缩短内容。</td></tr>
</table>
"""),
    ("tools", "设备工具", """
{img:tools-menu.png|{k:tool} 菜单。}
<ul>
<li>{k:tool} › {k:searchScreen}（工具栏：{k:search}）：检查胸牌是否应答，成功时显示“{k:tip0}”</li>
<li>{k:tool} › {k:clearScreen}（工具栏：{k:clear}）：清空胸牌的屏幕。</li>
<li>{k:tool} › {k:bright}（工具栏：{k:bright}）：发送用 {k:bright} 按钮旁的箭头选择的亮度：100 %、66 % 或 33 %。
选择数值只是记下它，按下按钮才会发送。</li>
</ul>
{img:brightness-menu.png|选择亮度。}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} 描述 LED 屏：高度和宽度（LED 数）、颜色模式和驱动电路。此功能供维护使用：
输入访问密码 <strong>739</strong> 后窗口才会打开。</p>
{img:access-code.png|访问密码提示。}
{img:screen-parameters.png|{k:screenParaTitle} 窗口。}
<ul>
<li>左侧的字段：{k:name}、ID、{k:height}（12、14 或 16 个 LED）、{k:width}、{k:rgb}（R、RG 或 RGB）、{k:oe} 和 {k:data}。</li>
<li>{k:add} 把这些字段作为新的一行加入已保存的参数列表；{k:edit_} 用它们覆盖选中的行；{k:del} 删除选中的行。
单击某一行可把它载入字段。</li>
<li>{k:apply} 把字段设为当前参数，预览和颜色列表都使用当前参数。窗口的状态栏显示当前参数。</li>
<li>{k:getPara} 从胸牌读取参数到字段中；{k:setPara} 把字段写入胸牌。</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|{k:option} 菜单。}
<ul>
<li>{k:option} › Language(L)：软件的语言，Auto（系统语言）或八种语言之一。</li>
<li>{k:option} › {k:softOption}：{k:beforeClose}（是否询问保存修改）、{k:afterExcute}（状态栏或消息框）、
{k:trimSpace}（滚动文字前后的空白列：一个屏宽、无或半个屏宽）和 {k:softwareUpdate}
（为兼容旧版本的文件而保留；本软件没有在线升级服务）。</li>
<li>{k:option} › {k:comm}：{k:hostID} 和 {k:commMode}（{k:usbPort} 或 {k:serialPort}）。胸牌通过 USB 连接；
选择 {k:serialPort} 时设备工具无法连接胸牌。</li>
<li>{k:option} › {k:imageEditor} 启动外部图像编辑器，用来绘制图片。</li>
</ul>
{img:software-options.png|{k:softwareOptionTitle} 窗口。}
{img:communication.png|{k:commTitle} 窗口。}
"""),
    ("files", "文件、快捷键和帮助", """
<p>节目列表保存为扩展名为 <code>.led</code> 的节目文件。{k:file} 菜单包括 {k:new}、{k:open}、{k:save}、{k:saveAs}、
{k:close}、{k:recentFile}（最近的十个文件，以及 {k:clearRecord}）和 {k:exit}。离开有未保存修改的列表时，软件会询问是否保存。
设置（语言、亮度、屏幕参数、选项、预览缩放）保存在 <code>app.xml</code> 中：软件所在文件夹含有语言文件且可写时保存在软件旁边，
否则（已安装的软件）保存在 <code>~/.config/tessel/</code> 中。</p>
<table>
<tr><th>按键</th><th>命令</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>、<kbd>Ctrl</kbd>+<kbd>-</kbd>、<kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}、{k:zoomOut}、{k:actualSize}</td></tr>
<tr><td><kbd>Delete</kbd></td><td>{k:edit} › {k:del}（节目树获得焦点时）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}、{k:redo}：添加、删除、移动、勾选和重命名节目（在文本编辑器中：撤销输入）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>、<kbd>Ctrl</kbd>+<kbd>I</kbd>、<kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold}、
{k:italic}、{k:underline}（在文字编辑框中）</td></tr>
<tr><td><kbd>Tab</kbd>、<kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>移到下一个或上一个控件（也可离开文字编辑框）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>在文字编辑框中输入制表符</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>、<kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}、{k:moveDown}：选中的节目（节目树获得焦点时；{k:edit} › {k:undo} 可撤销）</td></tr>
<tr><td><kbd>Menu</kbd>、<kbd>Shift</kbd>+<kbd>F10</kbd></td><td>节目树中选中节点的弹出菜单</td></tr>
<tr><td><kbd>Alt</kbd> 加括号中的字母</td><td>打开该菜单；在打开的菜单中只按括号中的字母即可选择该项</td></tr>
<tr><td>方向键、<kbd>Enter</kbd> 或 <kbd>Space</kbd></td><td>在{k:insertImage}窗口中：在图标之间移动、插入图标；从选项卡按 <kbd>Tab</kbd> 可到达图标</td></tr>
<tr><td><kbd>Esc</kbd></td><td>像关闭按钮一样关闭打开的对话框或窗口</td></tr>
</table>
<p>{k:help} › {k:viewHelp} 打开本说明书。{k:help} › {k:about} 显示软件名称、版本、适用的胸牌型号和许可证
（GNU 通用公共许可证第 3 版或更高版本）。</p>
{img:about.png|{k:aboutTitle} 窗口。}
"""),
    ("cli", "命令行工具 tessel-cli", """
<p><code>tessel-cli</code> 不打开窗口即可完成编辑软件的工作：列出、检查和转换节目文件，用一行文字生成节目，
把图片转换成 LED 图片，以及与胸牌通信。它读取与编辑软件相同的 <code>app.xml</code> 和语言文件。成功时退出状态为 0，
操作失败时为 1（原因写到错误输出），用法错误时为 2。<code>tessel-cli --help</code> 列出全部命令，
<code>tessel-cli 命令 --help</code> 说明一个命令及其选项，<code>tessel-cli --version</code> 输出版本号。</p>
{pre:cli}
<ul>
<li><code>list</code>：每个节目输出一行，各项以制表符分隔：序号、勾选状态、类型、名称和摘要。加 <code>--json</code>
时输出一个数组，每个节目一个对象，包含该类节目的全部字段。</li>
<li><code>resave</code>：读取节目文件，并按编辑软件 {k:save} 的方式重新写出。</li>
<li><code>render</code>：把第 N 个节目（从 1 开始）的预览图保存为 BMP；<code>image</code>：写出胸牌将收到的数据。</li>
<li><code>play</code>：把勾选节目的播放效果写成循环播放的 GIF 动画：胸牌收到的各帧，连同特效、停留时间、播放次数和
边框（<code>--program N</code>：只播放第 N 个节目，无论是否勾选）。<code>--zoom</code> 1 到 16 指定每个 LED 的像素数，
从 3 起 LED 像预览中一样显示为圆点。播放展示节目的样子；由于胸牌本身的时序未知，时间只是近似值。<code>-o -</code>
把 GIF 写到标准输出。</li>
<li><code>import-picture</code>：与 {k:pictureImportTitle} 窗口作用相同，把任意大小和格式的图片缩放到
<code>--screen</code> 的高度，写出每个像素都是黑色或 LED 纯色的 BMP，可直接用于图片节目。<code>--planes</code>
指定颜色：0 只有红色（默认），1 红色和绿色，2 全部七种颜色；<code>--threshold</code>（0 到 255，默认 128）、
<code>--dither</code> 和 <code>--invert</code> 对应窗口中的控件。</li>
<li><code>say</code>：用 TEXT（或用 <code>-</code> 表示从标准输入读取）生成一个文本节目并发送，设置与编辑软件中新建的文本节目相同；
[A001] 之类的图标代码取自图标库，换行开始新的段落。选项设置 {k:effectAction}（<code>--effect</code> 0 到 30）、
{k:effectSpeed}、{k:effectStay}、{k:effectExit}、{k:playCount}（<code>--loops</code>）、{k:borderType}
（<code>--border</code> 0 到 4）、字体、字号（默认填满屏幕的行数）、颜色（black、red、green、yellow、blue、purple、
cyan、white 或 #RRGGBB）、粗体、斜体、对齐方式和从右向左书写。加 <code>-o FILE.led</code> 时写出节目文件而不发送。
以 <code>-</code> 开头的文字要放在 <code>--</code> 之后。</li>
<li><code>devices</code>：列出所有连接的胸牌，每个一行：hidraw 路径、序列号和产品名，以制表符分隔
（<code>--json</code>：包含 path、serial、product 和 accessible 的对象数组）。没有胸牌时退出状态也为 0，
并在错误输出中说明胸牌无法识别或使用的原因，例如缺少 udev 规则。</li>
<li><code>send</code>、<code>search</code>、<code>clear</code>、<code>brightness</code>、<code>get-params</code> 和
<code>set-params</code> 是设备工具。<code>brightness</code> 的参数为 0（100 %）、1（66 %）或 2（33 %）。</li>
<li><code>--screen RxC</code> 指定行数 × 列数，例如 <code>12x48</code>；省略时使用 <code>app.xml</code> 中的当前屏幕参数。</li>
<li>设备选项适用于所有与胸牌通信的命令。<code>--device-path</code> 按 <code>devices</code> 输出的路径在多个胸牌中选择一个。
<code>--device sim</code> 与内置的模拟胸牌通信而不是 USB 胸牌：<code>--sim-dump</code> 保存它收到的图像，
<code>--sim-log</code> 保存每个交换的数据包，<code>--sim-fault</code> 和 <code>--sim-latency</code> 让它出错或延迟应答，
用来检验脚本如何应对不应答的胸牌。</li>
</ul>
<p>示例：</p>
{pre:examples}
"""),
    ("udev", "在 Linux 上访问胸牌", """
<p>Linux 默认不允许普通用户访问 USB HID 设备。udev 规则 <code>70-k9057r-badge.rules</code>（位于源代码的
<code>data/udev/</code> 中）让坐在电脑前的用户可以访问胸牌（USB 厂商 8888，产品 0006），这样编辑软件和
<code>tessel-cli</code> 无需 root 权限即可工作：</p>
{pre:rule}
<p>安装一次，然后拔下胸牌再重新插入：</p>
{pre:udev}
<p>没有这条规则时，即使胸牌已连接，{k:search} 和 {k:send} 也会提示“{k:tip18}”</p>
"""),
]
