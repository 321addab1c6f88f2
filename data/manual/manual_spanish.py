# The Spanish text of the user manual; make_manual.py turns it into
# spanish/index.html. {k:key} stands for the program's text of a language key.

TITLE = "Editor de la placa de nombre K9057R — Manual de usuario"
CONTENTS = "Contenido"
LANGUAGES_LABEL = "Otros idiomas"
SCREENSHOT_NOTE = ("Las capturas muestran el programa en inglés; los nombres del texto son los de la interfaz "
                   "en español.")

SECTIONS = [
    ("window", "La ventana principal", """
<p>El editor guarda una lista corta de mensajes — llamados <em>programas</em> — para la placa de nombre LED K9057R,
muestra cómo se verá cada uno en la placa y envía los marcados a ella por USB.</p>
{img:main-window.png|La ventana principal con un programa de texto seleccionado.}
<ul>
<li><strong>Barra de herramientas</strong> (arriba): {k:search}, {k:text}, {k:image}, {k:del}, {k:clear},
{k:bright} (con su flecha) y {k:send}. Deje el ratón sobre un botón para ver qué hace.</li>
<li><strong>Árbol de programas</strong> (arriba a la izquierda): la raíz {k:programLists} con el número de programas y
una entrada por programa con su nombre; en los textos, el comienzo del texto entre paréntesis.</li>
<li><strong>Vista previa</strong> (arriba a la derecha): el programa seleccionado tal como lo dispone la placa,
ampliado según lo elegido en el menú {k:view}.</li>
<li><strong>Panel de propiedades</strong> (abajo): todo lo del programa seleccionado.</li>
<li><strong>Barra de estado</strong> (borde inferior): a la izquierda, mensajes y, durante el envío, la barra de
progreso; después, dos paneles: si hay una placa conectada («{k:badgeConnected}» o «{k:noBadge}», comprobado cada dos
segundos) y cuánto transferiría un envío de los programas marcados, por ejemplo «240 bytes, 5 packets» (240 bytes en
5 paquetes). El segundo panel sigue cada cambio, así que muestra al momento cuándo los programas ya no caben en la
placa.</li>
</ul>
"""),
    ("first-steps", "Primeros pasos", """
<ol>
<li>En Linux, instale una vez la regla udev (vea <a href="#udev">Acceso a la placa en Linux</a>); después conecte la
placa por USB y enciéndala.</li>
<li>Inicie el editor. Abre el archivo de programas que usó la última vez. En cuanto ve la placa, la barra de estado
dice «{k:badgeConnected}».</li>
<li>Haga clic en {k:text} en la barra de herramientas. Aparece en el árbol un programa de texto nuevo con un saludo
en rojo.</li>
<li>Escriba su texto en el editor negro de abajo a la derecha. La vista previa sigue cada pulsación.</li>
<li>Elija en {k:effectAction} un efecto, por ejemplo {k:effectActionMatrix2}, y en {k:effectSpeed} la velocidad.</li>
<li>Compruebe que el programa está marcado en el árbol y haga clic en {k:send}. Cuando la placa tiene los programas,
la barra de estado dice «{k:tip7}»</li>
<li>Guarde la lista con {k:file} › {k:save} (<kbd>Ctrl</kbd>+<kbd>S</kbd>).</li>
</ol>
"""),
    ("programs", "Programas", """
<p>Un programa es un texto con formato o una imagen. La lista admite como máximo 12 programas; cuando está llena,
añadir no hace nada.</p>
<ul>
<li>Añada un programa con {k:text} o {k:image} en la barra de herramientas, con {k:edit} › {k:addText} o
{k:edit} › {k:addImage}, o con un clic derecho en la raíz del árbol. Los programas nuevos se nombran por su tipo y un
número.</li>
<li>Borre el programa seleccionado con {k:del} (barra de herramientas o menú {k:edit}) o con un clic derecho sobre él.
Borrar la raíz borra todos los programas.</li>
<li>El clic derecho sobre un programa ofrece también {k:moveUp} y {k:moveDown}: el orden del árbol es el orden en que
la placa muestra los programas.</li>
<li>Solo se envían los programas <strong>marcados</strong>. Desmarque un programa para conservarlo en el archivo sin
enviarlo.</li>
</ul>
"""),
    ("properties", "Propiedades del programa", """
<p>El panel de propiedades muestra los ajustes del programa seleccionado en el árbol. Los cambios se ven al instante
en la vista previa y se guardan con el archivo de programas.</p>
<h3>{k:options}</h3>
<table>
<tr><th>Control</th><th>Significado</th></tr>
<tr><td>{k:name}</td><td>El nombre que aparece en el árbol (hasta 24 caracteres). Un nombre vacío no se acepta.</td></tr>
<tr><td>{k:borderType}</td><td>El borde alrededor del programa: ninguno o uno de cuatro dibujos.</td></tr>
<tr><td>{k:borderAspect}</td><td>Cómo se mueve el borde: {k:borderAspectMatrix0}, {k:borderAspectMatrix1},
{k:borderAspectMatrix2}, {k:borderAspectMatrix3} o {k:borderAspectMatrix4}.</td></tr>
<tr><td>{k:borderSpeed}</td><td>La velocidad del borde, de 1 (lenta) a 6 (rápida).</td></tr>
<tr><td>{k:borderColor}</td><td>El color del borde.</td></tr>
<tr><td>{k:playCount}</td><td>Cuántas veces reproduce la placa el programa antes del siguiente, de 1 a 255.</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>Control</th><th>Significado</th></tr>
<tr><td>{k:effectAction}</td><td>Cómo entra el programa en la pantalla: 31 efectos, de {k:effectActionMatrix0} a
{k:effectActionMatrix30}. Con {k:effectActionMatrix2} y {k:effectActionMatrix3} el texto corre como una sola banda;
con los demás efectos un texto largo se muestra página a página, un ancho de pantalla cada vez.</td></tr>
<tr><td>{k:effectSpeed}</td><td>La velocidad del efecto, de 1 a 6.</td></tr>
<tr><td>{k:effectStay}</td><td>Cuánto tiempo queda cada página en la pantalla, de 1 a 6.</td></tr>
<tr><td>{k:effectExit}</td><td>Cómo sale el programa de la pantalla: {k:effectExitMatrix0} o
{k:effectExitMatrix1}.</td></tr>
</table>
<h3>Programas de texto</h3>
{img:text-properties.png|El panel de propiedades de un programa de texto: opciones, efectos, herramientas de texto y editor.}
<p>La fila sobre el editor fija la fuente, el tamaño, el color del texto y el color de fondo de los caracteres
seleccionados (o de lo que escriba a continuación). Los colores ofrecidos dependen del modo de color de la pantalla
({k:rgb} en los parámetros de pantalla): solo rojo, rojo y verde, o los siete colores. Marque <strong>Arabic</strong>
para texto de derecha a izquierda: todo el texto se dibuja entonces de una pieza con el formato de su primer
carácter.</p>
<p>Los botones de debajo, de izquierda a derecha:</p>
<ul>
<li>{k:bold}, {k:italic}, {k:underline} — para los caracteres seleccionados.</li>
<li>{k:alignLeft}, {k:alignCenter}, {k:alignRight} — dónde queda un texto más corto que la pantalla.</li>
<li>{k:alignTop}, {k:alignMiddle}, {k:alignBottom} — dónde queda el texto en la altura de la pantalla.</li>
<li>{k:insertImage} — abre una ventana de pequeñas imágenes en tres alturas (12, 14 y 16 LED). Un clic inserta el
código de la imagen, como [A001], en el texto; la placa muestra la imagen en su lugar.</li>
<li>{k:charSpace} — un control deslizante de 0 a 5: columnas de LED adicionales tras cada carácter.</li>
<li>{k:yOffset} — un control deslizante de −5 a +5: sube o baja el texto filas enteras de LED.</li>
</ul>
{img:insert-icon.png|La ventana {k:insertImage}.}
{img:character-spacing.png|El control {k:charSpace}.}
<h3>Programas de imagen</h3>
{img:image-properties.png|El panel de propiedades de un programa de imagen.}
<p>Haga clic en {k:scanFile} para elegir una imagen (BMP, PNG, JPEG o GIF); su ruta aparece bajo {k:filePath}.
Los píxeles del color elegido en {k:delBgColor} quedan apagados en la placa.</p>
<p>Una imagen que ya está lista para los LED —tan alta como la pantalla, con cada píxel negro o de un color puro que la
pantalla puede mostrar— se toma tal cual. Cualquier otra imagen abre antes la ventana {k:pictureImportTitle}: la
imagen se escala a la altura de la pantalla y se muestra LED a LED como la mostrará la placa.</p>
{img:picture-import.png|La ventana {k:pictureImportTitle}.}
<ul>
<li>{k:threshold} (de 0 a 255, 128 al principio): cuánto rojo (y, en pantallas de color, verde y azul) debe tener un
píxel para que su LED se encienda. Bájelo para encender más LED, súbalo para encender menos.</li>
<li>{k:dither}: reparte el error de cada LED entre sus vecinos, de modo que los tonos de una fotografía se convierten
en tramas de LED encendidos y apagados.</li>
<li>{k:invert}: enciende las partes oscuras y apaga las claras, para un dibujo oscuro sobre fondo claro.</li>
</ul>
<p>{k:ok} escribe la imagen convertida como BMP con el nombre del original y <code>-led</code> añadido (por ejemplo
<code>photo-led.bmp</code>, numerado si ese nombre ya existe) en la carpeta del archivo de programas abierto, o en su
carpeta de documentos mientras la lista no se haya guardado nunca, y el programa de imagen usa ese BMP. {k:cancel}
deja el programa como estaba.</p>
"""),
    ("preview", "Vista previa", """
<p>La ventana {k:previewTitle} muestra el programa seleccionado tal como lo dispondrá la placa, con la altura y la
anchura de los parámetros de pantalla actuales. Se redibuja tras cada cambio.</p>
{img:view-menu.png|El menú {k:view}.}
<p>El menú {k:view} fija el tamaño con que la vista previa dibuja cada LED, de 1 a 16 píxeles de pantalla; a partir de
tres píxeles, cada LED se dibuja como un punto redondo, como en la placa. La ampliación se guarda con los ajustes.</p>
<table>
<tr><th>Orden</th><th>Teclas</th></tr>
<tr><td>{k:view} › {k:zoomIn}</td><td><kbd>Ctrl</kbd>+<kbd>+</kbd> (también <kbd>Ctrl</kbd>+<kbd>=</kbd>)</td></tr>
<tr><td>{k:view} › {k:zoomOut}</td><td><kbd>Ctrl</kbd>+<kbd>-</kbd></td></tr>
<tr><td>{k:view} › {k:actualSize}</td><td><kbd>Ctrl</kbd>+<kbd>0</kbd>: un píxel de pantalla por LED</td></tr>
</table>
<p>Girar la rueda del ratón con <kbd>Ctrl</kbd> pulsada sobre la vista previa también amplía y reduce.</p>
<p>Mientras no elija un zoom, la vista previa toma el mayor que muestra la pantalla entera en su panel y sigue el
tamaño de la ventana; {k:view} › {k:zoomFit} (<kbd>Ctrl</kbd>+<kbd>9</kbd>) vuelve a él.</p>
<p>{k:view} › {k:play} reproduce el programa seleccionado en la vista previa como lo muestra la placa: sus páginas con
el efecto de entrada, la permanencia, el efecto de salida, las repeticiones y el borde. {k:view} › {k:playAll}
reproduce todos los programas marcados en el orden de la lista, y {k:view} › {k:stop} vuelve a la imagen.
<kbd>Espacio</kbd> reproduce y detiene mientras la vista previa tiene el foco; cualquier cambio vuelve a empezar el
programa. La reproducción muestra cómo se ve un programa; sus tiempos son aproximados.</p>
"""),
    ("sending", "Enviar a la placa", """
<p>Haga clic en {k:send} en la barra de herramientas o elija {k:tool} › {k:send}. Todos los programas de texto e
imagen marcados se preparan y se envían; la barra de progreso de la barra de estado muestra el avance (el tamaño del envío es el que mostraba antes el último
panel de la barra de estado), y la barra de
herramientas queda desactivada hasta el final. El resultado aparece unos dos segundos en la barra de estado, o en un
cuadro de mensaje si así lo eligió en {k:softOption}.</p>
<table>
<tr><th>Mensaje</th><th>Qué hacer</th></tr>
<tr><td>{k:tip7}</td><td>Nada: la placa ya muestra los programas.</td></tr>
<tr><td>{k:tip18}</td><td>Conecte la placa, enciéndala y, en Linux, compruebe la regla udev.</td></tr>
<tr><td>{k:tip19}</td><td>Desconecte la placa, vuelva a conectarla y reintente.</td></tr>
<tr><td>{k:tip23}</td><td>Marque al menos un programa de texto o de imagen.</td></tr>
<tr><td>{k:tip24}</td><td>Los programas no caben en la placa: desmarque algunos o acórtelos.</td></tr>
</table>
"""),
    ("tools", "Herramientas del dispositivo", """
{img:tools-menu.png|El menú {k:tool}.}
<ul>
<li>{k:tool} › {k:searchScreen} (barra: {k:search}) — comprueba que la placa responde: «{k:tip0}»</li>
<li>{k:tool} › {k:clearScreen} (barra: {k:clear}) — vacía la pantalla de la placa.</li>
<li>{k:tool} › {k:bright} (barra: {k:bright}) — envía el brillo elegido con la flecha junto al botón {k:bright}:
100 %, 66 % o 33 %. Elegir un valor solo lo recuerda; el botón lo envía.</li>
</ul>
{img:brightness-menu.png|Elegir el brillo.}
<h3>{k:screenParaTitle}</h3>
<p>{k:tool} › {k:setScreenPara} describe el panel LED: su altura y anchura en LED, su modo de color y su electrónica.
Está pensado para el servicio técnico: la ventana se abre tras el código de acceso <strong>739</strong>.</p>
{img:access-code.png|La petición del código de acceso.}
{img:screen-parameters.png|La ventana {k:screenParaTitle}.}
<ul>
<li>Los campos de la izquierda: {k:name}, ID, {k:height} (12, 14 o 16 LED), {k:width}, {k:rgb} (R, RG o RGB), {k:oe}
y {k:data}.</li>
<li>{k:add} añade los campos como fila nueva a la lista de conjuntos guardados; {k:edit_} sobrescribe con ellos la
fila seleccionada; {k:del} quita la fila seleccionada. Un clic en una fila la carga en los campos.</li>
<li>{k:apply} convierte los campos en el conjunto actual, que usan la vista previa y las listas de colores. La barra
de estado de la ventana muestra el conjunto actual.</li>
<li>{k:getPara} lee los parámetros de la placa en los campos; {k:setPara} escribe los campos en la placa.</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|El menú {k:option}.}
<ul>
<li>{k:option} › Language(L) — el idioma del programa: Auto (el idioma del sistema) o uno de ocho idiomas.</li>
<li>{k:option} › {k:softOption}: {k:beforeClose} (preguntar si se guardan los cambios o no), {k:afterExcute} (barra
de estado o cuadro de mensaje), {k:trimSpace} (columnas vacías alrededor de los textos que se desplazan: un ancho de
pantalla, ninguna o medio ancho) y {k:softwareUpdate} (se conserva para archivos de versiones anteriores; el programa
no tiene servicio de actualización en línea).</li>
<li>{k:option} › {k:comm}: {k:hostID} y la {k:commMode} ({k:usbPort} o {k:serialPort}). La placa se conecta por
USB; con {k:serialPort} las herramientas del dispositivo no la alcanzan.</li>
<li>{k:option} › {k:imageEditor} abre un editor de imágenes externo para dibujar imágenes.</li>
</ul>
{img:software-options.png|La ventana {k:softwareOptionTitle}.}
{img:communication.png|La ventana {k:commTitle}.}
"""),
    ("files", "Archivos, atajos y ayuda", """
<p>La lista de programas se guarda como archivo de programas con la extensión <code>.led</code>. El menú {k:file}
tiene {k:new}, {k:open}, {k:save}, {k:saveAs}, {k:close}, {k:recentFile} (los diez últimos archivos, con
{k:clearRecord}) y {k:exit}. Al dejar una lista con cambios sin guardar, el programa pregunta si desea guardarla. Los
ajustes (idioma, brillo, parámetros de pantalla, opciones, ampliación de la vista previa) se guardan en
<code>app.xml</code>: junto al programa cuando su carpeta contiene los archivos de idioma y se puede escribir en ella;
si no (editor instalado), en <code>~/.config/tessel/</code>.</p>
<table>
<tr><th>Teclas</th><th>Orden</th></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Mayús</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd>, <kbd>Ctrl</kbd>+<kbd>-</kbd>, <kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>{k:view} ›
{k:zoomIn}, {k:zoomOut}, {k:actualSize}</td></tr>
<tr><td><kbd>Supr</kbd></td><td>{k:edit} › {k:del}, mientras el árbol de programas tiene el foco</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Z</kbd>; <kbd>Ctrl</kbd>+<kbd>Mayús</kbd>+<kbd>Z</kbd>, <kbd>Ctrl</kbd>+<kbd>Y</kbd></td><td>{k:edit} › {k:undo}, {k:redo}: añadir, borrar, mover, marcar y renombrar programas (en el editor de texto: lo escrito)</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>B</kbd>, <kbd>Ctrl</kbd>+<kbd>I</kbd>, <kbd>Ctrl</kbd>+<kbd>U</kbd></td><td>{k:bold},
{k:italic}, {k:underline}, en el editor de texto</td></tr>
<tr><td><kbd>Tab</kbd>, <kbd>Mayús</kbd>+<kbd>Tab</kbd></td><td>al control siguiente o al anterior, también fuera del editor de texto</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>Tab</kbd></td><td>un carácter de tabulación en el editor de texto</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>↑</kbd>, <kbd>Alt</kbd>+<kbd>↓</kbd></td><td>{k:moveUp}, {k:moveDown}: el programa seleccionado, mientras el árbol de programas tiene el foco ({k:edit} › {k:undo} lo deshace)</td></tr>
<tr><td>tecla <kbd>Menú</kbd>, <kbd>Mayús</kbd>+<kbd>F10</kbd></td><td>el menú contextual del nodo seleccionado del árbol de programas</td></tr>
<tr><td><kbd>Alt</kbd> y la letra subrayada</td><td>abre ese menú; en un menú abierto la letra subrayada sola elige la opción</td></tr>
<tr><td>flechas, <kbd>Intro</kbd> o <kbd>Espacio</kbd></td><td>en la ventana {k:insertImage}: de un icono a otro, insertar el icono; <kbd>Tab</kbd> lleva de las pestañas a los iconos</td></tr>
<tr><td><kbd>Esc</kbd></td><td>cierra el diálogo o la ventana abierta, como su botón de cerrar</td></tr>
</table>
<p>{k:help} › {k:viewHelp} abre este manual. {k:help} › {k:about} muestra el nombre y la versión del programa, la
placa para la que está hecho y su licencia (GNU General Public License, versión 3 o posterior).</p>
{img:about.png|La ventana {k:aboutTitle}.}
"""),
    ("cli", "La herramienta de línea de órdenes tessel-cli", """
<p><code>tessel-cli</code> hace sin ventana lo que hace el editor: listar, comprobar y convertir archivos de programas,
crear un programa a partir de una línea de texto, convertir imágenes en imágenes para los LED y hablar con la placa. Lee
el mismo <code>app.xml</code> y los mismos archivos de idioma que el editor. Termina con el estado 0 si todo va bien, 1
si la operación falla (el motivo se escribe en la salida de errores) y 2 si se usa mal. <code>tessel-cli --help</code>
lista todas las órdenes, <code>tessel-cli ORDEN --help</code> describe una orden y sus opciones, y
<code>tessel-cli --version</code> muestra la versión.</p>
{pre:cli}
<ul>
<li><code>list</code> escribe una línea por programa, con los campos separados por tabuladores: número, marca, tipo,
nombre y resumen. Con <code>--json</code> escribe una matriz con un objeto por programa y todos los campos de su
tipo.</li>
<li><code>resave</code> lee un archivo de programas y lo vuelve a escribir como lo haría {k:save} en el editor.</li>
<li><code>render</code> escribe la imagen de vista previa del programa N (contando desde 1) como BMP;
<code>image</code> escribe los bytes que recibiría la placa.</li>
<li><code>play</code> escribe la reproducción de los programas marcados como un GIF animado que se repite: las imágenes
que recibe la placa, con sus efectos, tiempos de permanencia, repeticiones y bordes (<code>--program N</code>: solo el
programa N, marcado o no). <code>--zoom</code> de 1 a 16 da los píxeles por LED; desde 3 los LED son puntos redondos
como en la vista previa. La reproducción muestra cómo se ve un programa; sus tiempos son aproximados, pues no se
conocen los de la placa. <code>-o -</code> escribe el GIF en la salida estándar.</li>
<li><code>import-picture</code> hace lo que la ventana {k:pictureImportTitle}: escala una imagen de cualquier tamaño y
formato a la altura de <code>--screen</code> y escribe un BMP cuyos píxeles son negros o de colores LED puros, listo
para un programa de imagen. <code>--planes</code> da los colores: 0 solo rojo (por defecto), 1 rojo y verde, 2 los
siete colores; <code>--threshold</code> (de 0 a 255, 128 por defecto), <code>--dither</code> e <code>--invert</code>
son los controles de la ventana.</li>
<li><code>say</code> envía un programa de texto hecho con TEXT, o con la entrada estándar si se da <code>-</code>, con
los ajustes de un programa de texto nuevo del editor; los códigos de icono como [A001] se dibujan con la biblioteca de
iconos y los saltos de línea empiezan párrafos nuevos. Las opciones fijan {k:effectAction} (<code>--effect</code> de 0
a 30), {k:effectSpeed}, {k:effectStay}, {k:effectExit}, {k:playCount} (<code>--loops</code>), {k:borderType}
(<code>--border</code> de 0 a 4), la fuente, el tamaño (por defecto el texto llena las filas de la pantalla), los
colores (black, red, green, yellow, blue, purple, cyan, white o #RRGGBB), negrita, cursiva, la alineación y el texto de
derecha a izquierda. Con <code>-o FILE.led</code> escribe el archivo de programas en lugar de enviarlo. Un texto que
empieza por <code>-</code> va detrás de <code>--</code>.</li>
<li><code>devices</code> lista cada placa conectada en una línea: ruta hidraw, número de serie y producto, separados
por tabuladores (<code>--json</code>: una matriz de objetos con path, serial, product y accessible). Termina con el
estado 0 también cuando no hay ninguna, y dice en la salida de errores qué impide ver o usar una placa, por ejemplo
que falta la regla udev.</li>
<li><code>send</code>, <code>search</code>, <code>clear</code>, <code>brightness</code>, <code>get-params</code> y
<code>set-params</code> son las herramientas del dispositivo. <code>brightness</code> acepta 0 (100 %), 1 (66 %) o
2 (33 %).</li>
<li><code>--screen RxC</code> da filas × columnas, por ejemplo <code>12x48</code>; sin él se usan los parámetros de
pantalla actuales de <code>app.xml</code>.</li>
<li>Las opciones de dispositivo valen para toda orden que habla con la placa. <code>--device-path</code> elige una de
varias placas por la ruta que escribió <code>devices</code>. <code>--device sim</code> habla con una placa simulada
integrada en lugar de la placa USB: <code>--sim-dump</code> guarda la imagen que recibió, <code>--sim-log</code> cada
paquete intercambiado, y <code>--sim-fault</code> y <code>--sim-latency</code> la hacen fallar o responder despacio,
para probar cómo se comporta un script ante una placa que no responde.</li>
</ul>
<p>Ejemplos:</p>
{pre:examples}
"""),
    ("udev", "Acceso a la placa en Linux", """
<p>Linux no da a los usuarios normales acceso a los dispositivos USB HID. La regla udev
<code>70-k9057r-badge.rules</code> (en <code>data/udev/</code> del código fuente) da al usuario sentado ante el
ordenador acceso a la placa (fabricante USB 8888, producto 0006), para que el editor y <code>tessel-cli</code>
funcionen sin permisos de root:</p>
{pre:rule}
<p>Instálela una vez y después desconecte la placa y vuelva a conectarla:</p>
{pre:udev}
<p>Sin la regla, {k:search} y {k:send} indican «{k:tip18}» aunque la placa esté conectada.</p>
"""),
]
