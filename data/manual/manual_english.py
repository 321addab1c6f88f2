# The English text of the user manual; make_manual.py turns it into
# english/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R name badge editor — User manual"
CONTENTS = "Contents"
LANGUAGES_LABEL = "Other languages"

SECTIONS = [
    ("window", "The main window", """
<p>The editor keeps a short list of messages — called <em>programs</em> — for the K9057R LED name badge,
shows how each one will look on the badge and sends the ticked ones to it over USB.</p>
{img:main-window.png|The main window with a text program selected.}
<ul>
<li><strong>Tool bar</strong> (top): {k:search}, {k:text}, {k:image}, {k:del}, {k:clear},
{k:bright} (with its arrow) and {k:send}. Hold the mouse over a button to see what it does.</li>
<li><strong>Program tree</strong> (top left): the root {k:programLists} with the number of programs, and one entry
per program, showing its name and, for a text, the beginning of the text in brackets.</li>
<li><strong>Preview</strong> (top right): the selected program as the badge lays it out, enlarged as chosen in the
{k:view} menu.</li>
<li><strong>Property pane</strong> (bottom): everything about the selected program.</li>
<li><strong>Status bar</strong> (bottom edge): messages and the progress bar while sending on the left, then two
panes: whether a badge is attached (“{k:badgeConnected}” or “{k:noBadge}”, looked up every two seconds), and how much a
send of the ticked programs would transfer, for example “240 bytes, 5 packets”. The second pane follows every
change, so it shows at once when the programs grow too large for the badge.</li>
</ul>
"""),
    ("first-steps", "First steps", """
<ol>
<li>On Linux, install the udev rule once (see <a href="#udev">Access to the badge on Linux</a>), then connect
the badge by USB and switch it on.</li>
<li>Start the editor. It reopens the program file you used last. The status bar says “{k:badgeConnected}” once it
sees the badge.</li>
<li>Click {k:text} in the tool bar. A new text program appears in the tree with a greeting in red.</li>
<li>Type your text into the black editor at the bottom right. The preview follows every key stroke.</li>
<li>Choose an {k:effectAction}, for example {k:effectActionMatrix2}, and a {k:effectSpeed}.</li>
<li>Make sure the program is ticked in the tree, then click {k:send}. When the badge has the programs, the status bar
says “{k:tip7}”</li>
<li>Save the list with {k:file} › {k:save} (<kbd>Ctrl</kbd>+<kbd>S</kbd>).</li>
</ol>
"""),
    ("programs", "Programs", """
<p>A program is either a formatted text or a picture. The list holds at most 12 programs; when it is full,
adding does nothing.</p>
<ul>
<li>Add a program with {k:text} or {k:image} in the tool bar, with {k:edit} › {k:addText} or {k:edit} › {k:addImage},
or with a right click on the root of the tree. New programs are named after their kind and a number.</li>
<li>Delete the selected program with {k:del} (tool bar or {k:edit} menu) or with a right click on it. Deleting the root
deletes all programs.</li>
<li>A right click on a program also offers {k:moveUp} and {k:moveDown}: the order of the tree is the order in which the
badge shows the programs.</li>
<li>Only <strong>ticked</strong> programs are sent to the badge. Untick a program to keep it in the file without
sending it.</li>
</ul>
"""),
    ("properties", "Program properties", """
<p>The property pane shows the settings of the program selected in the tree. Changes take effect at once in the
preview and are saved with the program file.</p>
<h3>{k:options}</h3>
<table>
<tr><th>Control</th><th>Meaning</th></tr>
<tr><td>{k:name}</td><td>The name shown in the tree (up to 24 characters). An empty name is not taken.</td></tr>
<tr><td>{k:borderType}</td><td>The border drawn around the program: none or one of four patterns.</td></tr>
<tr><td>{k:borderAspect}</td><td>How the border moves: {k:borderAspectMatrix0}, {k:borderAspectMatrix1},
{k:borderAspectMatrix2}, {k:borderAspectMatrix3} or {k:borderAspectMatrix4}.</td></tr>
<tr><td>{k:borderSpeed}</td><td>The speed of the border, 1 (slow) to 6 (fast).</td></tr>
<tr><td>{k:borderColor}</td><td>The colour of the border.</td></tr>
<tr><td>{k:playCount}</td><td>How many times the badge plays the program before the next one, 1 to 255.</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>Control</th><th>Meaning</th></tr>
<tr><td>{k:effectAction}</td><td>How the program enters the screen: 31 effects, from {k:effectActionMatrix0} to
{k:effectActionMatrix30}. With {k:effectActionMatrix2} and {k:effectActionMatrix3} the text runs on as one band; with
every other effect a long text is shown page by page, one screen width at a time.</td></tr>
<tr><td>{k:effectSpeed}</td><td>The speed of the effect, 1 to 6.</td></tr>
<tr><td>{k:effectStay}</td><td>How long each page stays on the screen, 1 to 6.</td></tr>
<tr><td>{k:effectExit}</td><td>How the program leaves the screen: {k:effectExitMatrix0} or {k:effectExitMatrix1}.</td></tr>
</table>
<h3>Text programs</h3>
{img:text-properties.png|The property pane of a text program: options, effects, text tools and the editor.}
<p>The row above the editor sets the font, the size, the text colour and the background colour of the selected
characters (or of what you type next). The colours offered depend on the colour mode of the screen
({k:rgb} in the screen parameters): red only, red and green, or all seven colours. Tick <strong>Arabic</strong> for
right-to-left text: the whole text is then drawn in one piece in the format of its first character.</p>
<p>The buttons below, from left to right:</p>
<ul>
<li>{k:bold}, {k:italic}, {k:underline} — for the selected characters.</li>
<li>{k:alignLeft}, {k:alignCenter}, {k:alignRight} — where a text shorter than the screen stands.</li>
<li>{k:alignTop}, {k:alignMiddle}, {k:alignBottom} — where the text stands in the screen's height.</li>
<li>{k:insertImage} — opens a window of small pictures in three heights (12, 14 and 16 LEDs). A click inserts the
picture's code, such as [A001], into the text; the badge shows the picture in its place.</li>
<li>{k:charSpace} — a slider from 0 to 5: extra LED columns after every character.</li>
<li>{k:yOffset} — a slider from −5 to +5: moves the text up or down by whole LED rows.</li>
</ul>
{img:insert-icon.png|The {k:insertImage} window.}
{img:character-spacing.png|The {k:charSpace} slider.}
<h3>Picture programs</h3>
{img:image-properties.png|The property pane of a picture program.}
<p>Click {k:scanFile} to choose a picture (BMP, PNG, JPEG or GIF); its path appears under {k:filePath}. Pixels of
the colour chosen with {k:delBgColor} stay dark on the badge.</p>
<p>A picture that is already LED-ready — as high as the screen, every pixel black or a pure colour the screen
can show — is taken as it is. Any other picture opens the {k:pictureImportTitle} window first: the picture is scaled to the screen's height and
shown LED by LED as the badge will show it.</p>
{img:picture-import.png|The {k:pictureImportTitle} window.}
<ul>
<li>{k:threshold} (0 to 255, 128 at first) — how strong the red of a pixel (and on colour screens its green and
blue) must be for its LED to light. Lower it to light more LEDs, raise it to light fewer.</li>
<li>{k:dither} — spreads the error of each LED to its neighbours, so that shades of a photograph become patterns of
lit and dark LEDs.</li>
<li>{k:invert} — lights the dark parts and darkens the lit ones, for a dark drawing on a light ground.</li>
</ul>
<p>{k:ok} writes the converted picture as a BMP named after the original with <code>-led</code> added (for example
<code>photo-led.bmp</code>, numbered if that name is taken) in the folder of the open program file, or in your
documents folder while the list has never been saved, and the picture program uses that BMP. {k:cancel} leaves the
program as it was.</p>
"""),
    ("preview", "Preview", """
<p>The {k:previewTitle} shows the selected program as the badge will lay it out, at the height and width of the
current screen parameters. It is redrawn after every change.</p>
{img:view-menu.png|The {k:view} menu.}
<p>The {k:view} menu sets how large the preview draws each LED, from 1 to 16 screen pixels; from three pixels on, every
LED is drawn as a round dot, as on the badge. The zoom is kept with the settings.</p>
<table>
<tr><th>Command</th><th>Keys</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd> (also <kbd>Ctrl</kbd>+<kbd>=</kbd>)</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd> — one screen pixel per LED</td></tr>
</table>
<p>Turning the mouse wheel with <kbd>Ctrl</kbd> held over the preview zooms in and out as well.</p>
<p>Until you choose a zoom, the preview takes the largest one that shows the whole screen in its pane and follows
the window's size; {k:view} › {k:zoomFit} (<kbd>Ctrl</kbd>+<kbd>9</kbd>) returns to it.</p>
<p>{k:view} › {k:play} plays the selected program in the preview as the badge shows it: its pages with the entry
effect, the stay, the exit effect, the play count and the border. {k:view} › {k:playAll} plays every ticked program
in list order, and {k:view} › {k:stop} returns to the picture. <kbd>Space</kbd> plays and stops while the preview has
the focus; any change starts the playing program again. The playback shows how a program looks; its timing is
approximate.</p>
"""),
    ("sending", "Sending to the badge", """
<p>Click {k:send} in the tool bar or choose {k:tool} › {k:send}. All ticked text and picture programs are prepared
and sent; the progress bar in the status bar shows how far the transfer has come (the size of the transfer is the
one shown in the status bar's last pane beforehand), and the tool bar is disabled until
it ends. The outcome appears in the status bar for about two seconds, or in a message box if you chose so in
{k:softOption}.</p>
<table>
<tr><th>Message</th><th>What to do</th></tr>
<tr><td>{k:tip7}</td><td>Nothing: the badge shows the programs now.</td></tr>
<tr><td>{k:tip18}</td><td>Connect the badge, switch it on, and on Linux check the udev rule.</td></tr>
<tr><td>{k:tip19}</td><td>Unplug the badge, plug it in again and retry.</td></tr>
<tr><td>{k:tip23}</td><td>Tick at least one text or picture program.</td></tr>
<tr><td>{k:tip24}</td><td>The programs do not fit into the badge: untick some or shorten them.</td></tr>
</table>
"""),
    ("tools", "Device tools", """
{img:tools-menu.png|The {k:tool} menu.}
<ul>
<li>{k:tool} › {k:searchScreen} (tool bar: {k:search}) — checks that the badge answers: “{k:tip0}”</li>
<li>{k:tool} › {k:clearScreen} (tool bar: {k:clear}) — empties the badge's screen.</li>
<li>{k:tool} › {k:bright} (tool bar: {k:bright}) — sends the brightness chosen with the arrow beside the
{k:bright} button: 100 %, 66 % or 33 %. Choosing a value only remembers it; the button sends it.</li>
</ul>
{img:brightness-menu.png|Choosing the brightness.}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} describes the LED panel: its height and width in LEDs, its colour mode and its
electronics. It is meant for service: the window opens after the access code <strong>739</strong>.</p>
{img:access-code.png|The access code prompt.}
{img:screen-parameters.png|The {k:screenParaTitle} window.}
<ul>
<li>The fields on the left: {k:name}, ID, {k:height} (12, 14 or 16 LEDs), {k:width}, {k:rgb} (R, RG or RGB),
{k:oe} and {k:data}.</li>
<li>{k:add} adds the fields as a new row to the list of saved sets; {k:edit_} overwrites the selected row with them;
{k:del} removes the selected row. Click a row to load it into the fields.</li>
<li>{k:apply} makes the fields the current set, which the preview and the colour lists use. The status bar of the
window shows the current set.</li>
<li>{k:getPara} reads the parameters from the badge into the fields; {k:setPara} writes the fields to the badge.</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|The {k:option} menu.}
<ul>
<li>{k:option} › Language(L) — the language of the program: Auto (the system's language) or one of eight
languages.</li>
<li>{k:option} › {k:softOption}:
 {k:beforeClose} (ask to save changes or not), {k:afterExcute} (status bar or message box),
 {k:trimSpace} (blank columns around scrolling texts: one screen width, none or half a screen width) and
 {k:softwareUpdate} (kept for files of older versions; the program has no online update service).</li>
<li>{k:option} › {k:comm}: {k:hostID} and the {k:commMode} ({k:usbPort} or {k:serialPort}). The badge is
reached by USB; with {k:serialPort} chosen the device tools do not reach it.</li>
<li>{k:option} › {k:imageEditor} starts an external image editor for drawing pictures.</li>
</ul>
{img:software-options.png|The {k:softwareOptionTitle} window.}
{img:communication.png|The {k:commTitle} window.}
"""),
    ("files", "Files, shortcuts and help", """
<p>The program list is saved as a program file with the extension <code>.led</code>. The {k:file} menu has
{k:new}, {k:open}, {k:save}, {k:saveAs}, {k:close}, {k:recentFile} (the last ten files, with {k:clearRecord}) and
{k:exit}. Leaving a list with unsaved changes asks whether to save it. The settings (language, brightness, screen
parameters, options, preview zoom) are kept in <code>app.xml</code>: beside the program when its folder holds the
language files and can be written, otherwise (an installed editor) in <code>~/.config/tessel/</code>.</p>
<table>
<tr><th>Keys</th><th>Command</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>, <kbd>Ctrl</kbd>+<kbd>-</kbd>, <kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}, {k:zoomOut}, {k:actualSize}</td></tr>
<tr><td><kbd>Delete</kbd></td><td>{k:edit} › {k:del}, while the program tree has the focus</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}, {k:redo}: adding, deleting, moving, ticking and renaming programs (in the text editor: its typing)</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>, <kbd>Ctrl</kbd>+<kbd>I</kbd>, <kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold},
{k:italic}, {k:underline}, in the text editor</td></tr>
<tr><td><kbd>Tab</kbd>, <kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>the next or the previous control, also out of the text editor</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>a tab character in the text editor</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>, <kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}, {k:moveDown}: the selected program, while the program tree has the focus ({k:edit} › {k:undo} takes it back)</td></tr>
<tr><td><kbd>Menu</kbd>, <kbd>Shift</kbd>+<kbd>F10</kbd></td><td>the pop-up menu of the selected node of the program tree</td></tr>
<tr><td><kbd>Alt</kbd> and the underlined letter</td><td>opens that menu; in an open menu the underlined letter alone chooses the item</td></tr>
<tr><td>arrow keys, <kbd>Enter</kbd> or <kbd>Space</kbd></td><td>in the {k:insertImage} window: move from icon to icon, insert the icon; <kbd>Tab</kbd> reaches the icons from the tabs</td></tr>
<tr><td><kbd>Esc</kbd></td><td>closes the dialog or window that is open, as its close button does</td></tr>
</table>
<p>{k:help} › {k:viewHelp} opens this manual. {k:help} › {k:about} shows the program's name, its version, the badge
model it is made for and its licence (GNU General Public License, version 3 or later).</p>
{img:about.png|The {k:aboutTitle} window.}
"""),
    ("cli", "The command-line tool tessel-cli", """
<p><code>tessel-cli</code> does without a window what the editor does: list, check and convert program files, make
a program from a line of text, turn pictures into LED pictures, and talk to the badge. It reads the same
<code>app.xml</code> and language files as the editor. It ends with status 0 on success, 1 when the operation failed
(the reason is written to the error output) and 2 on wrong usage. <code>tessel-cli --help</code> lists every command,
<code>tessel-cli COMMAND --help</code> describes one command and its options, and <code>tessel-cli --version</code>
prints the version.</p>
{pre:cli}
<ul>
<li><code>list</code> prints one line per program, its fields separated by tabs: number, tick, kind, name and
summary. With <code>--json</code> it prints an array with one object per program, holding every field of its
kind.</li>
<li><code>resave</code> reads a program file and writes it again as the editor's {k:save} would.</li>
<li><code>render</code> writes the preview picture of program N (counted from 1) as a BMP;
<code>image</code> writes the bytes the badge would receive.</li>
<li><code>play</code> writes the badge's playback of the ticked programs as an animated GIF that loops: the frames
the badge receives, with their effects, stay times, play counts and borders (<code>--program N</code>: program N
alone, ticked or not). <code>--zoom</code> 1 to 16 gives the pixels per LED; from 3 on the LEDs are round dots as in
the preview. The playback shows how a program looks; its timing is approximate, as the badge's own is not
known. <code>-o -</code> writes the GIF to the standard output.</li>
<li><code>import-picture</code> does what the {k:pictureImportTitle} window does: it scales a picture of any size and
format to the height of <code>--screen</code> and writes a BMP whose pixels are black or pure LED colours, ready for
a picture program. <code>--planes</code> gives the colours: 0 red only (the default), 1 red and green, 2 all seven
colours; <code>--threshold</code> (0 to 255, default 128), <code>--dither</code> and <code>--invert</code> are the
window's controls.</li>
<li><code>say</code> sends one text program made from TEXT, or from the standard input with <code>-</code>, with the
settings of a new text program in the editor; icon codes such as [A001] are drawn from the icon library and line
ends start new paragraphs. The options set the {k:effectAction} (<code>--effect</code> 0 to 30), {k:effectSpeed},
{k:effectStay}, {k:effectExit}, {k:playCount} (<code>--loops</code>), {k:borderType} (<code>--border</code> 0 to 4),
the font, the size (by default the text fills the screen's rows), the colours (black, red, green, yellow, blue,
purple, cyan, white or #RRGGBB), bold, italic, the alignment and right-to-left text. With <code>-o FILE.led</code>
it writes the program file instead of sending it. A text that starts with <code>-</code> follows <code>--</code>.</li>
<li><code>devices</code> lists every attached badge, one line each: its hidraw path, serial number and product,
separated by tabs (<code>--json</code>: an array of objects with path, serial, product and accessible). It ends with
status 0 also when there is none, and says on the error output what keeps a badge from being seen or used — for
example a missing udev rule.</li>
<li><code>send</code>, <code>search</code>, <code>clear</code>, <code>brightness</code>, <code>get-params</code> and
<code>set-params</code> are the device tools. <code>brightness</code> takes 0 (100 %), 1 (66 %) or 2 (33 %).</li>
<li><code>--screen RxC</code> gives rows × columns, for example <code>12x48</code>; without it the current screen
parameters of <code>app.xml</code> are used.</li>
<li>The device options go with every command that talks to the badge. <code>--device-path</code> chooses one of
several badges by the path <code>devices</code> printed. <code>--device sim</code> talks to a built-in simulated
badge instead of the USB badge: <code>--sim-dump</code> saves the image it received, <code>--sim-log</code> every
packet exchanged, and <code>--sim-fault</code> and <code>--sim-latency</code> make it misbehave or answer slowly, to
try how a script copes with a badge that does not answer.</li>
</ul>
<p>Examples:</p>
{pre:examples}
"""),
    ("udev", "Access to the badge on Linux", """
<p>Linux gives ordinary users no access to USB HID devices. The udev rule
<code>70-k9057r-badge.rules</code> (in <code>data/udev/</code> of the source) gives the user at the computer access
to the badge (USB vendor 8888, product 0006), so that the editor and <code>tessel-cli</code> work without root
rights:</p>
{pre:rule}
<p>Install it once, then unplug the badge and plug it in again:</p>
{pre:udev}
<p>Without the rule, {k:search} and {k:send} report “{k:tip18}” even though the badge is connected.</p>
"""),
]
