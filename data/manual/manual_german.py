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
<li><strong>Vorschau</strong> (oben rechts): das ausgewählte Programm so, wie das Namensschild es darstellt, vergrößert
wie im Menü {k:view} gewählt.</li>
<li><strong>Eigenschaftsbereich</strong> (unten): alles zum ausgewählten Programm.</li>
<li><strong>Statusleiste</strong> (unterer Rand): links Meldungen und beim Senden der Fortschrittsbalken, dann zwei
Felder: ob ein Namensschild angeschlossen ist („{k:badgeConnected}“ oder „{k:noBadge}“, alle zwei Sekunden geprüft),
und wie viel ein Senden der angehakten Programme übertragen würde, zum Beispiel „240 bytes, 5 packets“ (240 Bytes in
5 Paketen). Das zweite Feld folgt jeder Änderung; so sieht man sofort, wenn die Programme für das Namensschild zu groß
werden.</li>
</ul>
"""),
    ("first-steps", "Erste Schritte", """
<ol>
<li>Unter Linux einmalig die udev-Regel installieren (siehe <a href="#udev">Zugriff auf das Namensschild unter
Linux</a>), dann das Namensschild per USB anschließen und einschalten.</li>
<li>Den Editor starten. Er öffnet die zuletzt verwendete Programmdatei. Sobald er das Namensschild sieht, meldet die
Statusleiste „{k:badgeConnected}“.</li>
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
<p>Mit {k:scanFile} wählen Sie ein Bild (BMP, PNG, JPEG oder GIF); sein Pfad erscheint unter {k:filePath}.
Bildpunkte in der unter {k:delBgColor} gewählten Farbe bleiben auf dem Namensschild dunkel.</p>
<p>Ein Bild, das schon für die LEDs taugt – so hoch wie die Anzeige, jeder Bildpunkt schwarz oder eine reine Farbe,
die die Anzeige zeigen kann –, wird so übernommen. Jedes andere Bild öffnet zuerst das Fenster
{k:pictureImportTitle}: Das Bild wird auf die Höhe der Anzeige skaliert und LED für LED so gezeigt, wie das
Namensschild es zeigen wird.</p>
{img:picture-import.png|Das Fenster {k:pictureImportTitle}.}
<ul>
<li>{k:threshold} (0 bis 255, anfangs 128) – wie stark der Rotanteil eines Bildpunkts (bei farbigen Anzeigen auch
Grün und Blau) sein muss, damit seine LED leuchtet. Niedriger leuchten mehr LEDs, höher weniger.</li>
<li>{k:dither} – verteilt den Fehler jeder LED auf ihre Nachbarn, sodass die Abstufungen eines Fotos zu Mustern aus
hellen und dunklen LEDs werden.</li>
<li>{k:invert} – lässt die dunklen Teile leuchten und die hellen dunkel, für eine dunkle Zeichnung auf hellem
Grund.</li>
</ul>
<p>{k:ok} schreibt das umgewandelte Bild als BMP mit dem Namen des Originals und angehängtem <code>-led</code> (zum
Beispiel <code>photo-led.bmp</code>, nummeriert, wenn der Name vergeben ist) in den Ordner der geöffneten
Programmdatei, oder in Ihren Dokumente-Ordner, solange die Liste nie gespeichert wurde; das Bildprogramm verwendet
dann diese BMP-Datei. {k:cancel} lässt das Programm, wie es war.</p>
"""),
    ("preview", "Vorschau", """
<p>Die {k:previewTitle} zeigt das ausgewählte Programm so, wie das Namensschild es darstellt, in Höhe und Breite der
aktuellen Anzeigeparameter. Sie wird nach jeder Änderung neu gezeichnet.</p>
{img:view-menu.png|Das Menü {k:view}.}
<p>Das Menü {k:view} bestimmt, wie groß die Vorschau jede LED zeichnet, von 1 bis 16 Bildschirmpunkten; ab drei
Punkten wird jede LED wie auf dem Namensschild als runder Punkt gezeichnet. Die Vergrößerung wird mit den
Einstellungen gespeichert.</p>
<table>
<tr><th>Befehl</th><th>Tasten</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Strg</kbd>+<kbd>+</kbd> (auch <kbd>Strg</kbd>+<kbd>=</kbd>)</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Strg</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Strg</kbd>+<kbd>0</kbd> – ein Bildschirmpunkt je LED</td></tr>
</table>
<p>Auch das Mausrad mit gedrückter <kbd>Strg</kbd>-Taste über der Vorschau vergrößert und verkleinert.</p>
<p>Solange Sie keine Vergrößerung wählen, nimmt die Vorschau die größte, die den ganzen Bildschirm in ihrem Bereich
zeigt, und folgt der Fenstergröße; {k:view} › {k:zoomFit} (<kbd>Strg</kbd>+<kbd>9</kbd>) kehrt dazu zurück.</p>
<p>{k:view} › {k:play} spielt das gewählte Programm in der Vorschau so ab, wie das Schild es zeigt: seine Seiten mit
dem Eingangseffekt, der Standzeit, dem Ausgangseffekt, der Wiederholung und dem Rand. {k:view} › {k:playAll} spielt
alle angehakten Programme in Listenfolge, {k:view} › {k:stop} kehrt zum Bild zurück. <kbd>Leertaste</kbd> startet und
stoppt, solange die Vorschau den Fokus hat; jede Änderung startet das laufende Programm neu. Die Wiedergabe zeigt, wie
ein Programm aussieht; ihre Zeiten sind ungefähr.</p>
"""),
    ("sending", "An das Namensschild senden", """
<p>Klicken Sie in der Werkzeugleiste auf {k:send} oder wählen Sie {k:tool} › {k:send}. Alle angehakten Text- und
Bildprogramme werden aufbereitet und gesendet; der Fortschrittsbalken in der Statusleiste zeigt den Stand der
Übertragung (ihre Größe stand vorher im letzten Feld der Statusleiste), und die Werkzeugleiste ist bis zu ihrem Ende gesperrt. Das Ergebnis steht etwa zwei Sekunden in der
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
Einstellungen (Sprache, Helligkeit, Anzeigeparameter, Optionen, Vergrößerung der Vorschau) stehen in
<code>app.xml</code>: neben dem Programm, wenn dessen Ordner die Sprachdateien enthält und beschreibbar ist, sonst
(installierter Editor) in <code>~/.config/tessel/</code>.</p>
<table>
<tr><th>Tasten</th><th>Befehl</th></tr>
<tr><td><kbd>Strg</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Umschalt</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>+</kbd>, <kbd>Strg</kbd>+<kbd>-</kbd>, <kbd>Strg</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}, {k:zoomOut}, {k:actualSize}</td></tr>
<tr><td><kbd>Entf</kbd></td><td>{k:edit} › {k:del}, solange der Programmbaum den Fokus hat</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Z</kbd>; <kbd>Strg</kbd>+<kbd>Umschalt</kbd>+<kbd>Z</kbd>, <kbd>Strg</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}, {k:redo}: Programme hinzufügen, löschen, verschieben, anhaken und umbenennen (im Texteditor: das Tippen)</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>B</kbd>, <kbd>Strg</kbd>+<kbd>I</kbd>, <kbd>Strg</kbd>+<kbd>U</kbd></td><td>{k:bold},
{k:italic}, {k:underline} im Texteingabefeld</td></tr>
<tr><td><kbd>Tab</kbd>, <kbd>Umschalt</kbd>+<kbd>Tab</kbd></td><td>zum nächsten oder vorigen Bedienelement, auch aus dem Texteingabefeld heraus</td></tr>
<tr><td><kbd>Strg</kbd>+<kbd>Tab</kbd></td><td>ein Tabulatorzeichen im Texteingabefeld</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>, <kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}, {k:moveDown}: das gewählte Programm, solange der Programmbaum den Fokus hat ({k:edit} › {k:undo} nimmt es zurück)</td></tr>
<tr><td><kbd>Menütaste</kbd>, <kbd>Umschalt</kbd>+<kbd>F10</kbd></td><td>das Kontextmenü des gewählten Eintrags im Programmbaum</td></tr>
<tr><td><kbd>Alt</kbd> und der unterstrichene Buchstabe</td><td>öffnet dieses Menü; in einem offenen Menü wählt der unterstrichene Buchstabe allein den Eintrag</td></tr>
<tr><td>Pfeiltasten, <kbd>Eingabe</kbd> oder <kbd>Leertaste</kbd></td><td>im Fenster {k:insertImage}: von Symbol zu Symbol, Symbol einfügen; <kbd>Tab</kbd> führt von den Registerkarten zu den Symbolen</td></tr>
<tr><td><kbd>Esc</kbd></td><td>schließt den offenen Dialog oder das offene Fenster wie seine Schließen-Schaltfläche</td></tr>
</table>
<p>{k:help} › {k:viewHelp} öffnet dieses Handbuch. {k:help} › {k:about} zeigt Namen und Version des Programms, das
Namensschild, für das es gemacht ist, und seine Lizenz (GNU General Public License, Version 3 oder später).</p>
{img:about.png|Das Fenster {k:aboutTitle}.}
"""),
    ("cli", "Das Befehlszeilenwerkzeug tessel-cli", """
<p><code>tessel-cli</code> erledigt ohne Fenster, was der Editor tut: Programmdateien auflisten, prüfen und umwandeln,
aus einer Zeile Text ein Programm machen, Bilder in LED-Bilder umwandeln und mit dem Namensschild sprechen. Es liest
dieselbe <code>app.xml</code> und dieselben Sprachdateien wie der Editor. Es endet mit Status 0 bei Erfolg, 1 wenn der
Vorgang fehlschlug (der Grund steht in der Fehlerausgabe) und 2 bei falscher Verwendung. <code>tessel-cli --help</code>
listet alle Befehle auf, <code>tessel-cli BEFEHL --help</code> beschreibt einen Befehl mit seinen Optionen, und
<code>tessel-cli --version</code> gibt die Version aus.</p>
{pre:cli}
<ul>
<li><code>list</code> gibt je Programm eine Zeile aus, die Felder durch Tabulatoren getrennt: Nummer, Haken, Art, Name
und Zusammenfassung. Mit <code>--json</code> gibt es ein Array mit einem Objekt je Programm und allen Feldern seiner
Art aus.</li>
<li><code>resave</code> liest eine Programmdatei und schreibt sie so, wie {k:save} im Editor sie schreiben würde.</li>
<li><code>render</code> schreibt das Vorschaubild von Programm N (ab 1 gezählt) als BMP; <code>image</code> schreibt die
Bytes, die das Namensschild erhalten würde.</li>
<li><code>play</code> schreibt die Wiedergabe der angehakten Programme als animiertes GIF, das sich wiederholt: die
Bilder, die das Namensschild erhält, mit ihren Effekten, Standzeiten, Wiederholungen und Rahmen
(<code>--program N</code>: nur Programm N, angehakt oder nicht). <code>--zoom</code> 1 bis 16 gibt die Pixel je LED an;
ab 3 sind die LEDs runde Punkte wie in der Vorschau. Die Wiedergabe zeigt, wie ein Programm aussieht; ihre Zeiten
sind ungefähr, denn die genauen Zeiten des Namensschilds sind nicht bekannt. <code>-o -</code> schreibt das GIF in die
Standardausgabe.</li>
<li><code>import-picture</code> tut, was das Fenster {k:pictureImportTitle} tut: Es skaliert ein Bild beliebiger Größe
und beliebigen Formats auf die Höhe von <code>--screen</code> und schreibt ein BMP, dessen Bildpunkte schwarz oder reine
LED-Farben sind, fertig für ein Bildprogramm. <code>--planes</code> gibt die Farben an: 0 nur Rot (Vorgabe), 1 Rot und
Grün, 2 alle sieben Farben; <code>--threshold</code> (0 bis 255, Vorgabe 128), <code>--dither</code> und
<code>--invert</code> entsprechen den Bedienelementen des Fensters.</li>
<li><code>say</code> sendet ein Textprogramm aus TEXT oder, mit <code>-</code>, aus der Standardeingabe, mit den
Einstellungen eines neuen Textprogramms im Editor; Symbolcodes wie [A001] werden aus der Symbolbibliothek gezeichnet,
Zeilenenden beginnen neue Absätze. Die Optionen setzen {k:effectAction} (<code>--effect</code> 0 bis 30),
{k:effectSpeed}, {k:effectStay}, {k:effectExit}, {k:playCount} (<code>--loops</code>), {k:borderType}
(<code>--border</code> 0 bis 4), Schriftart, Größe (ohne Angabe füllt der Text die Zeilen der Anzeige), Farben (black,
red, green, yellow, blue, purple, cyan, white oder #RRGGBB), fett, kursiv, Ausrichtung und Text von rechts nach links.
Mit <code>-o FILE.led</code> schreibt es die Programmdatei, statt zu senden. Ein Text, der mit <code>-</code> beginnt,
steht hinter <code>--</code>.</li>
<li><code>devices</code> listet jedes angeschlossene Namensschild in einer Zeile auf: hidraw-Pfad, Seriennummer und
Produkt, durch Tabulatoren getrennt (<code>--json</code>: ein Array von Objekten mit path, serial, product und
accessible). Es endet auch ohne Namensschild mit Status 0 und nennt in der Fehlerausgabe, was ein Namensschild
unsichtbar oder unbenutzbar macht – etwa eine fehlende udev-Regel.</li>
<li><code>send</code>, <code>search</code>, <code>clear</code>, <code>brightness</code>, <code>get-params</code> und
<code>set-params</code> sind die Gerätewerkzeuge. <code>brightness</code> nimmt 0 (100 %), 1 (66 %) oder 2 (33 %).</li>
<li><code>--screen RxC</code> gibt Zeilen × Spalten an, zum Beispiel <code>12x48</code>; ohne diese Angabe gelten die
aktuellen Anzeigeparameter aus <code>app.xml</code>.</li>
<li>Die Geräteoptionen gelten für jeden Befehl, der mit dem Namensschild spricht. <code>--device-path</code> wählt
eines von mehreren Namensschildern über den Pfad, den <code>devices</code> ausgab. <code>--device sim</code> spricht mit
einem eingebauten simulierten Namensschild statt mit dem USB-Gerät: <code>--sim-dump</code> speichert das empfangene
Bild, <code>--sim-log</code> jedes ausgetauschte Paket, und <code>--sim-fault</code> und <code>--sim-latency</code>
lassen es Fehler machen oder langsam antworten, um zu prüfen, wie ein Skript mit einem Namensschild umgeht, das nicht
antwortet.</li>
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
