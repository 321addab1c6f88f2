# The German text of the user manual; make_manual.py turns it into
# german/index.html. {k:key} stands for the program's text of a language key.

TITLE = "K9057R Namensschild-Editor — Handbuch"
CONTENTS = "Inhalt"
LANGUAGES_LABEL = "Andere Sprachen"
SCREENSHOT_NOTE = "Die Bildschirmfotos zeigen das Programm auf Englisch; die Namen im Text sind die der deutschen Oberfläche."

SECTIONS = [
    ("window", "Das Hauptfenster", """
<p>Der Editor verwaltet eine kurze Liste von Meldungen — <em>Programme</em> genannt — für das LED-Namensschild K9057R,
zeigt, wie jede auf dem Namensschild aussehen wird, und sendet die angehakten über USB dorthin.</p>
{img:main-window.png|Das Hauptfenster mit einem ausgewählten Textprogramm.}
<ul>
<li><strong>Werkzeugleiste</strong> (oben): {k:search}, {k:text}, {k:image}, {k:del}, {k:clear},
{k:bright} (mit Pfeil) und {k:send}. Halten Sie die Maus über eine Schaltfläche, um zu sehen, was sie tut.</li>
<li><strong>Programmbaum</strong> (oben links): die Wurzel {k:programLists} mit der Zahl der Programme und ein Eintrag
je Programm mit seinem Namen, bei Texten mit dem Textanfang in Klammern.</li>
<li><strong>Vorschau</strong> (oben rechts): das ausgewählte Programm so, wie das Namensschild es darstellt, ein
Bildpunkt je LED.</li>
<li><strong>Eigenschaftsbereich</strong> (unten): alles zum ausgewählten Programm.</li>
<li><strong>Statusleiste</strong> (unterer Rand): Meldungen und beim Senden der Fortschrittsbalken.</li>
</ul>
"""),
    ("first-steps", "Erste Schritte", """
<ol>
<li>Unter Linux einmalig die udev-Regel installieren (siehe <a href="#udev">Zugriff auf das Namensschild unter
Linux</a>), dann das Namensschild per USB anschließen und einschalten.</li>
<li>Den Editor starten. Er öffnet die zuletzt verwendete Programmdatei.</li>
<li>In der Werkzeugleiste auf {k:text} klicken. Ein neues Textprogramm mit einem roten Gruß erscheint im Baum.</li>
<li>Den Text in das schwarze Eingabefeld unten rechts schreiben. Die Vorschau folgt jedem Tastendruck.</li>
<li>Unter {k:effectAction} einen Effekt wählen, zum Beispiel {k:effectActionMatrix2}, und unter {k:effectSpeed} das Tempo.</li>
<li>Prüfen, dass das Programm im Baum angehakt ist, dann auf {k:send} klicken. Hat das Namensschild die Programme
erhalten, meldet die Statusleiste „{k:tip7}“</li>
<li>Die Liste mit {k:file} › {k:save} (<kbd>Strg</kbd>+<kbd>S</kbd>) speichern.</li>
</ol>
"""),
    ("programs", "Programme", """
<p>Ein Programm ist ein formatierter Text oder ein Bild. Die Liste fasst höchstens 12 Programme; ist sie voll, bewirkt
Hinzufügen nichts.</p>
<ul>
<li>Ein Programm hinzufügen: {k:text} oder {k:image} in der Werkzeugleiste, {k:edit} › {k:addText} bzw.
{k:edit} › {k:addImage} oder ein Rechtsklick auf die Wurzel des Baums. Neue Programme heißen nach ihrer Art mit einer
Nummer.</li>
<li>Das ausgewählte Programm löschen: {k:del} (Werkzeugleiste oder Menü {k:edit}) oder Rechtsklick darauf. Das
Löschen der Wurzel löscht alle Programme.</li>
<li>Ein Rechtsklick auf ein Programm bietet außerdem {k:moveUp} und {k:moveDown}: Die Reihenfolge im Baum ist die
Reihenfolge, in der das Namensschild die Programme zeigt.</li>
<li>Nur <strong>angehakte</strong> Programme werden gesendet. Entfernen Sie den Haken, um ein Programm in der Datei zu
behalten, ohne es zu senden.</li>
</ul>
"""),
    ("properties", "Programmeigenschaften", """
<p>Der Eigenschaftsbereich zeigt die Einstellungen des im Baum ausgewählten Programms. Änderungen wirken sofort in der
Vorschau und werden mit der Programmdatei gespeichert.</p>
<h3>{k:options}</h3>
<table>
<tr><th>Element</th><th>Bedeutung</th></tr>
<tr><td>{k:name}</td><td>Der Name im Baum (bis zu 24 Zeichen). Ein leerer Name wird nicht übernommen.</td></tr>
<tr><td>{k:borderType}</td><td>Der Rahmen um das Programm: keiner oder eines von vier Mustern.</td></tr>
<tr><td>{k:borderAspect}</td><td>Wie sich der Rahmen bewegt: {k:borderAspectMatrix0}, {k:borderAspectMatrix1},
{k:borderAspectMatrix2}, {k:borderAspectMatrix3} oder {k:borderAspectMatrix4}.</td></tr>
<tr><td>{k:borderSpeed}</td><td>Die Geschwindigkeit des Rahmens, 1 (langsam) bis 6 (schnell).</td></tr>
<tr><td>{k:borderColor}</td><td>Die Farbe des Rahmens.</td></tr>
<tr><td>{k:playCount}</td><td>Wie oft das Namensschild das Programm vor dem nächsten abspielt, 1 bis 255.</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>Element</th><th>Bedeutung</th></tr>
<tr><td>{k:effectAction}</td><td>Wie das Programm auf den Bildschirm kommt: 31 Effekte, von {k:effectActionMatrix0}
bis {k:effectActionMatrix30}. Mit {k:effectActionMatrix2} und {k:effectActionMatrix3} läuft der Text als ein Band
durch; bei allen anderen Effekten wird ein langer Text seitenweise gezeigt, je eine Bildschirmbreite.</td></tr>
<tr><td>{k:effectSpeed}</td><td>Die Geschwindigkeit des Effekts, 1 bis 6.</td></tr>
<tr><td>{k:effectStay}</td><td>Wie lange jede Seite stehen bleibt, 1 bis 6.</td></tr>
<tr><td>{k:effectExit}</td><td>Wie das Programm den Bildschirm verlässt: {k:effectExitMatrix0} oder
{k:effectExitMatrix1}.</td></tr>
</table>
<h3>Textprogramme</h3>
{img:text-properties.png|Der Eigenschaftsbereich eines Textprogramms: Optionen, Effekte, Textwerkzeuge und Eingabefeld.}
<p>Die Zeile über dem Eingabefeld stellt Schriftart, Größe, Textfarbe und Hintergrundfarbe der markierten Zeichen ein
(oder dessen, was Sie als Nächstes tippen). Welche Farben angeboten werden, hängt vom Farbmodus der Anzeige ab
({k:rgb} in den Anzeigeparametern): nur Rot, Rot und Grün oder alle sieben Farben. Haken Sie <strong>Arabic</strong>
für Text von rechts nach links an: Der ganze Text wird dann in einem Stück im Format seines ersten Zeichens
gezeichnet.</p>
<p>Die Schaltflächen darunter, von links nach rechts:</p>
<ul>
<li>{k:bold}, {k:italic}, {k:underline} — für die markierten Zeichen.</li>
<li>{k:alignLeft}, {k:alignCenter}, {k:alignRight} — wo ein Text steht, der kürzer als die Anzeige ist.</li>
<li>{k:alignTop}, {k:alignMiddle}, {k:alignBottom} — wo der Text in der Höhe der Anzeige steht.</li>
<li>{k:insertImage} — öffnet ein Fenster mit kleinen Bildern in drei Höhen (12, 14 und 16 LEDs). Ein Klick fügt den
Code des Bildes, etwa [A001], in den Text ein; das Namensschild zeigt an seiner Stelle das Bild.</li>
<li>{k:charSpace} — ein Schieberegler von 0 bis 5: zusätzliche LED-Spalten nach jedem Zeichen.</li>
<li>{k:yOffset} — ein Schieberegler von −5 bis +5: verschiebt den Text um ganze LED-Zeilen nach oben oder unten.</li>
</ul>
{img:insert-icon.png|Das Fenster {k:insertImage}.}
{img:character-spacing.png|Der Schieberegler {k:charSpace}.}
<h3>Bildprogramme</h3>
{img:image-properties.png|Der Eigenschaftsbereich eines Bildprogramms.}
<p>Mit {k:scanFile} wählen Sie ein BMP-Bild; sein Pfad erscheint unter {k:filePath}. Bildpunkte in der unter
{k:delBgColor} gewählten Farbe bleiben auf dem Namensschild dunkel.</p>
"""),
    ("preview", "Vorschau", """
<p>Die {k:previewTitle} zeigt das ausgewählte Programm so, wie das Namensschild es darstellt, ein Bildpunkt je LED, in
Höhe und Breite der aktuellen Anzeigeparameter. Sie wird nach jeder Änderung neu gezeichnet.</p>
"""),
    ("sending", "An das Namensschild senden", """
<p>Klicken Sie in der Werkzeugleiste auf {k:send} oder wählen Sie {k:tool} › {k:send}. Alle angehakten Text- und
Bildprogramme werden aufbereitet und gesendet; der Fortschrittsbalken in der Statusleiste zeigt den Stand der
Übertragung, und die Werkzeugleiste ist bis zu ihrem Ende gesperrt. Das Ergebnis steht etwa zwei Sekunden in der
Statusleiste oder, wenn Sie es unter {k:softOption} so gewählt haben, in einem Meldungsfenster.</p>
<table>
<tr><th>Meldung</th><th>Was tun</th></tr>
<tr><td>{k:tip7}</td><td>Nichts: Das Namensschild zeigt jetzt die Programme.</td></tr>
<tr><td>{k:tip18}</td><td>Namensschild anschließen und einschalten; unter Linux die udev-Regel prüfen.</td></tr>
<tr><td>{k:tip19}</td><td>Namensschild abziehen, wieder anstecken und erneut versuchen.</td></tr>
<tr><td>{k:tip23}</td><td>Mindestens ein Text- oder Bildprogramm anhaken.</td></tr>
<tr><td>{k:tip24}</td><td>Die Programme passen nicht in das Namensschild: einige abhaken oder kürzen.</td></tr>
</table>
"""),
    ("tools", "Gerätewerkzeuge", """
{img:tools-menu.png|Das Menü {k:tool}.}
<ul>
<li>{k:tool} › {k:searchScreen} (Werkzeugleiste: {k:search}) — prüft, ob das Namensschild antwortet: „{k:tip0}“</li>
<li>{k:tool} › {k:clearScreen} (Werkzeugleiste: {k:clear}) — leert die Anzeige des Namensschilds.</li>
<li>{k:tool} › {k:bright} (Werkzeugleiste: {k:bright}) — sendet die mit dem Pfeil neben der Schaltfläche
{k:bright} gewählte Helligkeit: 100 %, 66 % oder 33 %. Die Auswahl merkt sich den Wert nur; die Schaltfläche sendet
ihn.</li>
</ul>
{img:brightness-menu.png|Die Helligkeit wählen.}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} beschreibt das LED-Feld: Höhe und Breite in LEDs, Farbmodus und Ansteuerung. Es ist
für den Service gedacht: Das Fenster öffnet sich nach dem Zugangscode <strong>739</strong>.</p>
{img:access-code.png|Die Abfrage des Zugangscodes.}
{img:screen-parameters.png|Das Fenster {k:screenParaTitle}.}
<ul>
<li>Die Felder links: {k:name}, ID, {k:height} (12, 14 oder 16 LEDs), {k:width}, {k:rgb} (R, RG oder RGB), {k:oe}
und {k:data}.</li>
<li>{k:add} fügt die Felder als neue Zeile in die Liste der gespeicherten Sätze ein; {k:edit_} überschreibt die
ausgewählte Zeile damit; {k:del} entfernt die ausgewählte Zeile. Ein Klick auf eine Zeile lädt sie in die
Felder.</li>
<li>{k:apply} macht die Felder zum aktuellen Satz, den Vorschau und Farblisten verwenden. Die Statusleiste des Fensters
zeigt den aktuellen Satz.</li>
<li>{k:getPara} liest die Parameter des Namensschilds in die Felder; {k:setPara} schreibt die Felder in das
Namensschild.</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|Das Menü {k:option}.}
<ul>
<li>{k:option} › Language(L) — die Sprache des Programms: Auto (die Sprache des Systems) oder eine von acht
Sprachen.</li>
<li>{k:option} › {k:softOption}: {k:beforeClose} (Speichern erfragen oder nicht), {k:afterExcute} (Statusleiste oder
Meldungsfenster), {k:trimSpace} (leere Spalten um Lauftexte: eine Anzeigebreite, keine oder eine halbe) und
{k:softwareUpdate} (bleibt für Dateien älterer Versionen erhalten; das Programm hat keinen Online-Aktualisierungsdienst).</li>
<li>{k:option} › {k:comm}: {k:hostID} und die {k:commMode} ({k:usbPort} oder {k:serialPort}). Das Namensschild
wird über USB erreicht; mit {k:serialPort} erreichen die Gerätewerkzeuge es nicht.</li>
<li>{k:option} › {k:imageEditor} startet ein externes Bildbearbeitungsprogramm zum Zeichnen von Bildern.</li>
</ul>
{img:software-options.png|Das Fenster {k:softwareOptionTitle}.}
{img:communication.png|Das Fenster {k:commTitle}.}
"""),
    ("files", "Dateien, Tastenkürzel und Hilfe", """
<p>Die Programmliste wird als Programmdatei mit der Endung <code>.led</code> gespeichert. Das Menü {k:file} enthält
{k:new}, {k:open}, {k:save}, {k:saveAs}, {k:close}, {k:recentFile} (die letzten zehn Dateien, mit {k:clearRecord})
und {k:exit}. Wer eine Liste mit ungespeicherten Änderungen verlässt, wird gefragt, ob gespeichert werden soll. Die
Einstellungen (Sprache, Helligkeit, Anzeigeparameter, Optionen) stehen in <code>app.xml</code> neben dem Programm.</p>
<table>
<tr><th>Tasten</th><th>Befehl</th></tr>
<tr><td><kbd>Strg</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Umschalt</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
</table>
<p>{k:help} › {k:viewHelp} öffnet dieses Handbuch; {k:help} › {k:about} zeigt Namen und Version des Programms.</p>
"""),
    ("cli", "Das Befehlszeilenwerkzeug tessel-cli", """
<p><code>tessel-cli</code> erledigt ohne Fenster, was der Editor tut: Programmdateien auflisten, prüfen und umwandeln
und mit dem Namensschild sprechen. Es liest dieselbe <code>app.xml</code> und dieselben Sprachdateien neben sich. Es
endet mit Status 0 bei Erfolg, 1 wenn der Vorgang fehlschlug (der Grund steht in der Fehlerausgabe) und 2 bei falscher
Verwendung.</p>
{pre:cli}
<ul>
<li><code>list</code> gibt je Programm eine Zeile aus: Nummer, Haken, Art, Name und Text.</li>
<li><code>resave</code> liest eine Programmdatei und schreibt sie so, wie {k:save} im Editor sie schreiben würde.</li>
<li><code>render</code> schreibt das Vorschaubild von Programm N (ab 1 gezählt) als BMP; <code>image</code> schreibt die
Bytes, die das Namensschild erhalten würde.</li>
<li><code>send</code>, <code>search</code>, <code>clear</code>, <code>brightness</code>, <code>get-params</code> und
<code>set-params</code> sind die Gerätewerkzeuge. <code>brightness</code> nimmt 0 (100 %), 1 (66 %) oder 2 (33 %).</li>
<li><code>--screen RxC</code> gibt Zeilen × Spalten an, zum Beispiel <code>12x48</code>; ohne diese Angabe gelten die
aktuellen Anzeigeparameter aus <code>app.xml</code>. <code>--device sim</code> spricht mit einem eingebauten simulierten
Namensschild statt mit dem USB-Gerät, und <code>--sim-dump</code> speichert, was es empfangen hat.</li>
</ul>
<p>Beispiele:</p>
{pre:examples}
"""),
    ("udev", "Zugriff auf das Namensschild unter Linux", """
<p>Linux gibt gewöhnlichen Benutzern keinen Zugriff auf USB-HID-Geräte. Die udev-Regel
<code>70-k9057r-badge.rules</code> (in <code>data/udev/</code> der Quellen) gibt dem Benutzer am Rechner Zugriff auf
das Namensschild (USB-Hersteller 8888, Produkt 0006), sodass Editor und <code>tessel-cli</code> ohne Root-Rechte
arbeiten:</p>
{pre:rule}
<p>Einmal installieren, dann das Namensschild abziehen und wieder anstecken:</p>
{pre:udev}
<p>Ohne die Regel melden {k:search} und {k:send} „{k:tip18}“, obwohl das Namensschild angeschlossen ist.</p>
"""),
]
