# The Japanese text of the user manual; make_manual.py turns it into
# japanese/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R 名札エディター 取扱説明書"
CONTENTS = "目次"
LANGUAGES_LABEL = "ほかの言語"
SCREENSHOT_NOTE = "画面写真は英語表示のものです。本文中の名称は日本語表示の名称です。"

SECTIONS = [
    ("window", "メイン ウィンドウ", """
<p>このエディターは、LED 名札 K9057R に表示する短いメッセージ（<em>プログラム</em>）の一覧を管理し、
それぞれが名札でどう見えるかを表示し、チェックしたものを USB で名札に送信します。</p>
{img:main-window.png|テキスト プログラムを選択したメイン ウィンドウ。}
<ul>
<li><strong>ツール バー</strong>（上）：{k:search}、{k:text}、{k:image}、{k:del}、{k:clear}、{k:bright}（矢印付き）、
{k:send}。ボタンの上にマウスを置くと説明が表示されます。</li>
<li><strong>プログラム ツリー</strong>（左上）：プログラム数を示すルート {k:programLists} と、プログラムごとの項目。
項目には名前と、テキストの場合は括弧内にテキストの先頭が表示されます。</li>
<li><strong>プレビュー</strong>（右上）：選択したプログラムを名札と同じ配置で、{k:view} メニューで選んだ倍率で表示します。</li>
<li><strong>プロパティ ペイン</strong>（下）：選択したプログラムのすべての設定。</li>
<li><strong>ステータス バー</strong>（最下部）：左にメッセージと送信中の進行状況バー、その右に 2 つのペインがあります。
名札が接続されているかどうか（「{k:badgeConnected}」または「{k:noBadge}」、2 秒ごとに確認）と、チェックしたプログラムを
送信したときの転送量（たとえば「240 bytes, 5 packets」＝ 240 バイト、5 パケット）です。2 つ目のペインは変更のたびに
更新されるので、プログラムが名札に収まらなくなるとすぐにわかります。</li>
</ul>
"""),
    ("first-steps", "はじめに", """
<ol>
<li>Linux では最初に一度 udev ルールをインストールします（<a href="#udev">Linux での名札へのアクセス</a>を参照）。
次に名札を USB で接続し、電源を入れます。</li>
<li>エディターを起動します。前回使ったプログラム ファイルが開きます。名札を認識すると、ステータス バーに
「{k:badgeConnected}」と表示されます。</li>
<li>ツール バーの {k:text} をクリックします。赤いあいさつ文の入った新しいテキスト プログラムがツリーに追加されます。</li>
<li>右下の黒い編集欄に文字を入力します。プレビューはキー入力のたびに更新されます。</li>
<li>{k:effectAction} で効果（たとえば {k:effectActionMatrix2}）を、{k:effectSpeed} で速さを選びます。</li>
<li>ツリーでプログラムにチェックが付いていることを確かめ、{k:send} をクリックします。名札が受信すると、
ステータス バーに「{k:tip7}」と表示されます。</li>
<li>{k:file} › {k:save}（<kbd>Ctrl</kbd>+<kbd>S</kbd>）で一覧を保存します。</li>
</ol>
"""),
    ("programs", "プログラム", """
<p>プログラムは書式付きのテキストまたは画像です。一覧には最大 12 個のプログラムを登録できます。一覧がいっぱいのときは、
追加しても何も起こりません。</p>
<ul>
<li>追加：ツール バーの {k:text} または {k:image}、{k:edit} › {k:addText} または {k:edit} › {k:addImage}、
あるいはツリーのルートを右クリックします。新しいプログラムには種類と番号による名前が付きます。</li>
<li>削除：選択したプログラムを {k:del}（ツール バーまたは {k:edit} メニュー）か、右クリックで削除します。
ルートを削除するとすべてのプログラムが削除されます。</li>
<li>プログラムを右クリックすると {k:moveUp} と {k:moveDown} も選べます。ツリーの順番が、名札でプログラムが表示される順番です。</li>
<li>名札に送信されるのは<strong>チェックした</strong>プログラムだけです。チェックを外すと、ファイルに残したまま送信しません。</li>
</ul>
"""),
    ("properties", "プログラムのプロパティ", """
<p>プロパティ ペインには、ツリーで選択したプログラムの設定が表示されます。変更はすぐにプレビューに反映され、
プログラム ファイルと一緒に保存されます。</p>
<h3>{k:options}</h3>
<table>
<tr><th>項目</th><th>意味</th></tr>
<tr><td>{k:name}</td><td>ツリーに表示される名前（24 文字まで）。空の名前は使われません。</td></tr>
<tr><td>{k:borderType}</td><td>プログラムの周りの枠：なし、または 4 種類の模様のいずれか。</td></tr>
<tr><td>{k:borderAspect}</td><td>枠の動き：{k:borderAspectMatrix0}、{k:borderAspectMatrix1}、{k:borderAspectMatrix2}、
{k:borderAspectMatrix3}、{k:borderAspectMatrix4}。</td></tr>
<tr><td>{k:borderSpeed}</td><td>枠の速さ。1（遅い）～6（速い）。</td></tr>
<tr><td>{k:borderColor}</td><td>枠の色。</td></tr>
<tr><td>{k:playCount}</td><td>次のプログラムに移る前に、このプログラムを表示する回数。1～255。</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>項目</th><th>意味</th></tr>
<tr><td>{k:effectAction}</td><td>プログラムが画面に現れる方法。{k:effectActionMatrix0} から {k:effectActionMatrix30}
まで 31 種類あります。{k:effectActionMatrix2} と {k:effectActionMatrix3} ではテキストが一続きに流れ、
それ以外の効果では長いテキストが画面の幅ごとにページ単位で表示されます。</td></tr>
<tr><td>{k:effectSpeed}</td><td>効果の速さ。1～6。</td></tr>
<tr><td>{k:effectStay}</td><td>各ページが画面にとどまる長さ。1～6。</td></tr>
<tr><td>{k:effectExit}</td><td>プログラムが画面から消える方法：{k:effectExitMatrix0} または {k:effectExitMatrix1}。</td></tr>
</table>
<h3>テキスト プログラム</h3>
{img:text-properties.png|テキスト プログラムのプロパティ ペイン：オプション、効果、文字ツール、編集欄。}
<p>編集欄の上の行では、選択した文字（またはこれから入力する文字）のフォント、サイズ、文字色、背景色を設定します。
選べる色は画面のカラー モード（画面パラメーターの {k:rgb}）によって、赤のみ、赤と緑、または 7 色すべてになります。
右から左に書く文字の場合は <strong>Arabic</strong> にチェックを付けます。このときテキスト全体が、
最初の文字の書式で一つのまとまりとして描かれます。</p>
<p>その下のボタン（左から順に）：</p>
<ul>
<li>{k:bold}、{k:italic}、{k:underline}：選択した文字に適用します。</li>
<li>{k:alignLeft}、{k:alignCenter}、{k:alignRight}：画面より短いテキストの横方向の位置。</li>
<li>{k:alignTop}、{k:alignMiddle}、{k:alignBottom}：画面の高さの中でのテキストの位置。</li>
<li>{k:insertImage}：3 種類の高さ（12、14、16 LED）の小さな絵のウィンドウを開きます。クリックすると絵のコード
（[A001] など）がテキストに挿入され、名札ではその位置に絵が表示されます。</li>
<li>{k:charSpace}：0～5 のスライダー。各文字の後ろに追加する LED の列数です。</li>
<li>{k:yOffset}：−5～+5 のスライダー。テキストを LED の行単位で上下に動かします。</li>
</ul>
{img:insert-icon.png|{k:insertImage} ウィンドウ。}
{img:character-spacing.png|{k:charSpace} のスライダー。}
<h3>画像プログラム</h3>
{img:image-properties.png|画像プログラムのプロパティ ペイン。}
<p>{k:scanFile} をクリックして画像（BMP、PNG、JPEG、GIF）を選ぶと、そのパスが {k:filePath} の下に表示されます。
{k:delBgColor} で選んだ色のピクセルは名札では点灯しません。</p>
<p>すでに LED 向けになっている画像（画面と同じ高さで、すべてのピクセルが黒か画面で表示できる純色）はそのまま使われます。
それ以外の画像では、先に {k:pictureImportTitle} ウィンドウが開きます。画像は画面の高さに縮小・拡大され、
名札での表示どおりに LED 単位で表示されます。</p>
{img:picture-import.png|{k:pictureImportTitle} ウィンドウ。}
<ul>
<li>{k:threshold}（0～255、初期値 128）：ピクセルの赤（カラー画面では緑と青も）がどれだけ強ければ LED が点灯するか。
下げると点灯する LED が増え、上げると減ります。</li>
<li>{k:dither}：各 LED の誤差を周囲の LED に分散し、写真の濃淡を点灯と消灯の模様で表します。</li>
<li>{k:invert}：暗い部分を点灯させ、明るい部分を消灯します。明るい地に暗い絵を描いた画像に使います。</li>
</ul>
<p>{k:ok} を押すと、変換した画像が元の名前に <code>-led</code> を付けた BMP（たとえば <code>photo-led.bmp</code>。
その名前が使われていれば番号付き）として、開いているプログラム ファイルのフォルダーに書き出されます。一覧を一度も
保存していない場合はドキュメント フォルダーに書き出されます。画像プログラムはその BMP を使います。{k:cancel} を押すと
プログラムは変わりません。</p>
"""),
    ("preview", "プレビュー", """
<p>{k:previewTitle} には、選択したプログラムが名札と同じ配置で、現在の画面パラメーターの高さと幅で表示されます。
変更のたびに描き直されます。</p>
{img:view-menu.png|{k:view} メニュー。}
<p>{k:view} メニューでは、プレビューで 1 つの LED を何ピクセルで描くか（1～16）を設定します。3 ピクセル以上では、
名札と同じように各 LED が丸い点で描かれます。倍率は設定とともに保存されます。</p>
<table>
<tr><th>コマンド</th><th>キー</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd>（<kbd>Ctrl</kbd>+<kbd>=</kbd> でも可）</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd>：1 LED を 1 ピクセルで表示</td></tr>
</table>
<p>プレビューの上で <kbd>Ctrl</kbd> を押しながらマウス ホイールを回しても拡大・縮小できます。</p>
<p>倍率を選ぶまでは、プレビューは画面全体がペインに収まる最大の倍率をとり、ウィンドウの大きさに追従します。
{k:view} › {k:zoomFit}（<kbd>Ctrl</kbd>+<kbd>9</kbd>）でこの倍率に戻ります。</p>
<p>{k:view} › {k:play} は、選択したプログラムをバッジが表示するとおりにプレビューで再生します（ページ、入場効果、
表示時間、退場効果、再生回数、枠）。{k:view} › {k:playAll} はチェックしたすべてのプログラムを一覧の順に再生し、
{k:view} › {k:stop} で画像に戻ります。プレビューにフォーカスがあるときは <kbd>Space</kbd> で再生と停止を切り替え
ます。変更すると再生中のプログラムは最初から再生されます。再生はプログラムの見え方を示すもので、時間はおおよそです。</p>
"""),
    ("sending", "名札への送信", """
<p>ツール バーの {k:send} をクリックするか、{k:tool} › {k:send} を選びます。チェックしたテキストと画像のプログラムが
すべて変換されて送信されます。ステータス バーの進行状況バーで転送の進み具合がわかり（転送量は送信前にステータス バーの最後のペインに表示されていた値です）、終わるまでツール バーは使えません。
結果はステータス バーに約 2 秒間表示されます。{k:softOption} で設定した場合はメッセージ ボックスに表示されます。</p>
<table>
<tr><th>メッセージ</th><th>対処</th></tr>
<tr><td>{k:tip7}</td><td>何もする必要はありません。名札にプログラムが表示されます。</td></tr>
<tr><td>{k:tip18}</td><td>名札を接続して電源を入れます。Linux では udev ルールを確認してください。</td></tr>
<tr><td>{k:tip19}</td><td>名札を抜いて差し直し、もう一度試します。</td></tr>
<tr><td>{k:tip23}</td><td>テキストまたは画像のプログラムを少なくとも一つチェックします。</td></tr>
<tr><td>{k:tip24}</td><td>プログラムが名札に入りきりません。いくつかのチェックを外すか、短くします。</td></tr>
</table>
"""),
    ("tools", "デバイス ツール", """
{img:tools-menu.png|{k:tool} メニュー。}
<ul>
<li>{k:tool} › {k:searchScreen}（ツール バー：{k:search}）：名札が応答するか確かめます。応答すると「{k:tip0}」と表示されます。</li>
<li>{k:tool} › {k:clearScreen}（ツール バー：{k:clear}）：名札の画面を消去します。</li>
<li>{k:tool} › {k:bright}（ツール バー：{k:bright}）：{k:bright} ボタンの横の矢印で選んだ明るさ（100 %、66 %、33 %）を送信します。
値を選んだだけでは記憶されるだけで、ボタンを押すと送信されます。</li>
</ul>
{img:brightness-menu.png|明るさの選択。}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} では LED パネルの高さと幅（LED 数）、カラー モード、駆動回路を設定します。
保守用の機能で、アクセス コード <strong>739</strong> を入力するとウィンドウが開きます。</p>
{img:access-code.png|アクセス コードの入力。}
{img:screen-parameters.png|{k:screenParaTitle} ウィンドウ。}
<ul>
<li>左側の項目：{k:name}、ID、{k:height}（12、14、16 LED）、{k:width}、{k:rgb}（R、RG、RGB）、{k:oe}、{k:data}。</li>
<li>{k:add} は項目の内容を保存済みの一覧に新しい行として追加し、{k:edit_} は選択した行を上書きし、{k:del} は選択した行を削除します。
行をクリックすると、その内容が項目に読み込まれます。</li>
<li>{k:apply} は項目の内容を現在の設定にします。プレビューと色の一覧はこの設定を使います。ウィンドウのステータス バーに現在の設定が表示されます。</li>
<li>{k:getPara} は名札からパラメーターを読み込み、{k:setPara} は項目の内容を名札に書き込みます。</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|{k:option} メニュー。}
<ul>
<li>{k:option} › Language(L)：プログラムの表示言語。Auto（システムの言語）または 8 言語のいずれか。</li>
<li>{k:option} › {k:softOption}：{k:beforeClose}（変更の保存を確認するかどうか）、{k:afterExcute}（ステータス バーまたは
メッセージ ボックス）、{k:trimSpace}（流れるテキストの前後の空白列：画面 1 幅分、なし、半分）、{k:softwareUpdate}
（旧バージョンのファイルとの互換のために残されています。このプログラムにはオンライン更新サービスはありません）。</li>
<li>{k:option} › {k:comm}：{k:hostID} と {k:commMode}（{k:usbPort} または {k:serialPort}）。名札は USB で接続します。
{k:serialPort} を選ぶと、デバイス ツールは名札に届きません。</li>
<li>{k:option} › {k:imageEditor}：絵を描くための外部の画像エディターを起動します。</li>
</ul>
{img:software-options.png|{k:softwareOptionTitle} ウィンドウ。}
{img:communication.png|{k:commTitle} ウィンドウ。}
"""),
    ("files", "ファイル、ショートカット、ヘルプ", """
<p>プログラムの一覧は拡張子 <code>.led</code> のプログラム ファイルとして保存されます。{k:file} メニューには
{k:new}、{k:open}、{k:save}、{k:saveAs}、{k:close}、{k:recentFile}（最近の 10 ファイルと {k:clearRecord}）、{k:exit} があります。
保存していない変更のある一覧を閉じるときは、保存するかどうかを確認します。設定（言語、明るさ、画面パラメーター、オプション、プレビューの倍率）は
<code>app.xml</code> に保存されます。プログラムのフォルダーに言語ファイルがあり書き込める場合はプログラムと同じフォルダーに、
そうでない場合（インストールしたエディター）は <code>~/.config/tessel/</code> に保存されます。</p>
<table>
<tr><th>キー</th><th>コマンド</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>、<kbd>Ctrl</kbd>+<kbd>-</kbd>、<kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}、{k:zoomOut}、{k:actualSize}</td></tr>
<tr><td><kbd>Delete</kbd></td><td>{k:edit} › {k:del}（プログラム ツリーにフォーカスがあるとき）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}、{k:redo}：プログラムの追加、削除、移動、チェック、名前の変更（テキスト エディターでは入力）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>、<kbd>Ctrl</kbd>+<kbd>I</kbd>、<kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold}、
{k:italic}、{k:underline}（テキスト エディター内）</td></tr>
<tr><td><kbd>Tab</kbd>、<kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>次または前のコントロールへ（テキスト エディターからも移動します）</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>テキスト エディターにタブ文字を入力</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>、<kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}、{k:moveDown}: 選択したプログラム（プログラム ツリーにフォーカスがあるとき。{k:edit} › {k:undo} で元に戻せます）</td></tr>
<tr><td><kbd>Menu</kbd>、<kbd>Shift</kbd>+<kbd>F10</kbd></td><td>プログラム ツリーで選択した項目のポップアップ メニュー</td></tr>
<tr><td><kbd>Alt</kbd> と括弧内の文字</td><td>そのメニューを開きます。開いたメニューでは括弧内の文字だけで項目を選びます</td></tr>
<tr><td>矢印キー、<kbd>Enter</kbd> または <kbd>Space</kbd></td><td>{k:insertImage} ウィンドウ: アイコン間の移動、アイコンの挿入。タブから <kbd>Tab</kbd> でアイコンへ移ります</td></tr>
<tr><td><kbd>Esc</kbd></td><td>開いているダイアログやウィンドウを、閉じるボタンと同じように閉じます</td></tr>
</table>
<p>{k:help} › {k:viewHelp} でこの説明書が開きます。{k:help} › {k:about} では、プログラムの名前とバージョン、対象の名札、
ライセンス（GNU General Public License バージョン 3 以降）が表示されます。</p>
{img:about.png|{k:aboutTitle} ウィンドウ。}
"""),
    ("cli", "コマンドライン ツール tessel-cli", """
<p><code>tessel-cli</code> は、エディターと同じことをウィンドウなしで行います。プログラム ファイルの一覧表示・確認・変換、
1 行のテキストからのプログラム作成、画像の LED 用画像への変換、名札との通信です。エディターと同じ <code>app.xml</code> と
言語ファイルを読み込みます。終了ステータスは、成功で 0、操作の失敗で 1（理由はエラー出力に書かれます）、使い方の誤りで 2 です。
<code>tessel-cli --help</code> はすべてのコマンドを、<code>tessel-cli コマンド --help</code> は 1 つのコマンドとその
オプションを説明し、<code>tessel-cli --version</code> はバージョンを表示します。</p>
{pre:cli}
<ul>
<li><code>list</code>：プログラムごとに 1 行を、タブ区切りで出力します（番号、チェック、種類、名前、概要）。
<code>--json</code> を付けると、プログラムごとに 1 つのオブジェクト（その種類のすべてのフィールド）を持つ配列を出力します。</li>
<li><code>resave</code>：プログラム ファイルを読み込み、エディターの {k:save} と同じ形で書き直します。</li>
<li><code>render</code>：N 番目（1 から数えます）のプログラムのプレビュー画像を BMP で書き出します。<code>image</code>：
名札が受け取るデータを書き出します。</li>
<li><code>play</code>：チェックされたプログラムの再生を、繰り返すアニメーション GIF で書き出します。名札が受け取る
フレームを、効果・表示時間・再生回数・枠とともに再生します（<code>--program N</code>：チェックの有無にかかわらず
N 番目のプログラムだけ）。<code>--zoom</code> 1～16 は LED 1 個あたりのピクセル数で、3 以上ではプレビューと同じく
丸い LED になります。再生はプログラムの見え方を示すもので、名札自体のタイミングは分かっていないため時間はおおよそ
です。<code>-o -</code> は GIF を標準出力に書き出します。</li>
<li><code>import-picture</code>：{k:pictureImportTitle} ウィンドウと同じ処理です。任意のサイズ・形式の画像を
<code>--screen</code> の高さに合わせ、すべてのピクセルが黒か LED の純色である BMP を書き出します。そのまま画像プログラムに
使えます。<code>--planes</code> は色数で、0 は赤のみ（既定）、1 は赤と緑、2 は 7 色すべてです。<code>--threshold</code>
（0～255、既定 128）、<code>--dither</code>、<code>--invert</code> はウィンドウのコントロールに対応します。</li>
<li><code>say</code>：TEXT（<code>-</code> なら標準入力）から、エディターで新しく作ったテキスト プログラムと同じ設定の
テキスト プログラムを作って送信します。[A001] などのアイコン コードはアイコン ライブラリから描かれ、改行で新しい段落に
なります。オプションでは {k:effectAction}（<code>--effect</code> 0～30）、{k:effectSpeed}、{k:effectStay}、
{k:effectExit}、{k:playCount}（<code>--loops</code>）、{k:borderType}（<code>--border</code> 0～4）、フォント、
サイズ（既定では画面の行数いっぱい）、色（black、red、green、yellow、blue、purple、cyan、white、#RRGGBB）、太字、斜体、
配置、右から左への書字を指定します。<code>-o FILE.led</code> を付けると、送信せずにプログラム ファイルを書き出します。
<code>-</code> で始まるテキストは <code>--</code> の後に書きます。</li>
<li><code>devices</code>：接続されている名札を 1 台 1 行で、hidraw パス、シリアル番号、製品名をタブ区切りで一覧表示します
（<code>--json</code>：path、serial、product、accessible を持つオブジェクトの配列）。名札がなくても終了ステータスは 0 で、
名札が見えない・使えない理由（udev ルールがないなど）をエラー出力に書きます。</li>
<li><code>send</code>、<code>search</code>、<code>clear</code>、<code>brightness</code>、<code>get-params</code>、
<code>set-params</code> はデバイス ツールです。<code>brightness</code> には 0（100 %）、1（66 %）、2（33 %）を指定します。</li>
<li><code>--screen RxC</code> は行数 × 列数（たとえば <code>12x48</code>）を指定します。省略すると <code>app.xml</code>
の現在の画面パラメーターを使います。</li>
<li>デバイス オプションは、名札と通信するすべてのコマンドで使えます。<code>--device-path</code> は、<code>devices</code> が
表示したパスで複数の名札から 1 台を選びます。<code>--device sim</code> は USB の名札の代わりに内蔵の模擬名札と通信します。
<code>--sim-dump</code> は受信した画像を、<code>--sim-log</code> はやり取りしたすべてのパケットを保存し、
<code>--sim-fault</code> と <code>--sim-latency</code> は模擬名札にエラーや遅い応答をさせて、応答しない名札にスクリプトが
どう対処するかを試せます。</li>
</ul>
<p>例：</p>
{pre:examples}
"""),
    ("udev", "Linux での名札へのアクセス", """
<p>Linux では、一般ユーザーは USB HID デバイスにアクセスできません。udev ルール <code>70-k9057r-badge.rules</code>
（ソースの <code>data/udev/</code> にあります）を使うと、コンピューターの前にいるユーザーが名札（USB ベンダー 8888、
製品 0006）にアクセスできるようになり、エディターと <code>tessel-cli</code> を root 権限なしで使えます。</p>
{pre:rule}
<p>一度インストールしたら、名札を抜いて差し直します。</p>
{pre:udev}
<p>このルールがないと、名札を接続していても {k:search} や {k:send} で「{k:tip18}」と表示されます。</p>
"""),
]
