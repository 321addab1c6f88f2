# The Arabic text of the user manual; make_manual.py turns it into
# arabic/index.html, written right to left. {k:key} stands for the program's
# text of a language key.

TITLE = "محرر شارة الاسم K9057R — دليل المستخدم"
CONTENTS = "المحتويات"
LANGUAGES_LABEL = "لغات أخرى"
SCREENSHOT_NOTE = "تُظهر لقطات الشاشة البرنامج باللغة الإنجليزية؛ أما الأسماء في النص فهي كما تظهر في الواجهة العربية."

SECTIONS = [
    ("window", "النافذة الرئيسية", """
<p>يحتفظ المحرر بقائمة قصيرة من الرسائل — تُسمّى <em>البرامج</em> — لشارة الاسم الضوئية K9057R، ويعرض كيف سيبدو كل منها
على الشارة، ويرسل البرامج المحددة إليها عبر USB.</p>
{img:main-window.png|النافذة الرئيسية وقد اختير برنامج نصي.}
<ul>
<li><strong>شريط الأدوات</strong> (في الأعلى): {k:search} و{k:text} و{k:image} و{k:del} و{k:clear} و{k:bright}
(مع سهمه) و{k:send}. أبقِ الفأرة فوق زر لترى ما يفعله.</li>
<li><strong>شجرة البرامج</strong> (أعلى اليسار): الجذر {k:programLists} مع عدد البرامج، وعنصر لكل برنامج يعرض اسمه،
ولبرنامج النص بداية النص بين قوسين.</li>
<li><strong>المعاينة</strong> (أعلى اليمين): البرنامج المختار كما ترتّبه الشارة، نقطة واحدة لكل مصباح LED.</li>
<li><strong>لوحة الخصائص</strong> (في الأسفل): كل ما يخص البرنامج المختار.</li>
<li><strong>شريط الحالة</strong> (الحافة السفلى): الرسائل، وشريط التقدم أثناء الإرسال.</li>
</ul>
"""),
    ("first-steps", "الخطوات الأولى", """
<ol>
<li>على لينكس، ثبّت قاعدة udev مرة واحدة (انظر <a href="#udev">الوصول إلى الشارة على لينكس</a>)، ثم صِل الشارة عبر USB
وشغّلها.</li>
<li>شغّل المحرر. سيفتح ملف البرامج الذي استخدمته آخر مرة.</li>
<li>انقر {k:text} في شريط الأدوات. يظهر في الشجرة برنامج نصي جديد فيه تحية باللون الأحمر.</li>
<li>اكتب نصك في المحرر الأسود أسفل اليمين. تتبع المعاينة كل ضغطة مفتاح.</li>
<li>اختر من {k:effectAction} مؤثرًا، مثل {k:effectActionMatrix2}، ومن {k:effectSpeed} السرعة.</li>
<li>تأكد من أن البرنامج محدد في الشجرة، ثم انقر {k:send}. عندما تستلم الشارة البرامج يظهر في شريط الحالة «{k:tip7}»</li>
<li>احفظ القائمة من {k:file} › {k:save} (<kbd>Ctrl</kbd>+<kbd>S</kbd>).</li>
</ol>
"""),
    ("programs", "البرامج", """
<p>البرنامج إما نص منسّق أو صورة. تتسع القائمة لاثني عشر برنامجًا على الأكثر؛ فإذا امتلأت لم تُضف الإضافةُ شيئًا.</p>
<ul>
<li>أضف برنامجًا بالزر {k:text} أو {k:image} في شريط الأدوات، أو من {k:edit} › {k:addText} أو {k:edit} › {k:addImage}،
أو بالنقر بزر الفأرة الأيمن على جذر الشجرة. تُسمّى البرامج الجديدة بنوعها ورقم.</li>
<li>احذف البرنامج المختار بالزر {k:del} (في شريط الأدوات أو قائمة {k:edit}) أو بالنقر عليه بالزر الأيمن. حذف الجذر يحذف
كل البرامج.</li>
<li>يقدّم النقر بالزر الأيمن على برنامج أيضًا {k:moveUp} و{k:moveDown}: ترتيب الشجرة هو الترتيب الذي تعرض به الشارة
البرامج.</li>
<li>لا تُرسَل إلى الشارة إلا البرامج <strong>المحددة</strong>. أزل التحديد عن برنامج لتبقيه في الملف دون إرساله.</li>
</ul>
"""),
    ("properties", "خصائص البرنامج", """
<p>تعرض لوحة الخصائص إعدادات البرنامج المختار في الشجرة. تظهر التغييرات فورًا في المعاينة وتُحفظ مع ملف البرامج.</p>
<h3>{k:options}</h3>
<table>
<tr><th>العنصر</th><th>المعنى</th></tr>
<tr><td>{k:name}</td><td>الاسم الظاهر في الشجرة (حتى 24 حرفًا). لا يُقبل الاسم الفارغ.</td></tr>
<tr><td>{k:borderType}</td><td>الإطار حول البرنامج: بلا إطار أو أحد أربعة أنماط.</td></tr>
<tr><td>{k:borderAspect}</td><td>كيف يتحرك الإطار: {k:borderAspectMatrix0} أو {k:borderAspectMatrix1} أو
{k:borderAspectMatrix2} أو {k:borderAspectMatrix3} أو {k:borderAspectMatrix4}.</td></tr>
<tr><td>{k:borderSpeed}</td><td>سرعة الإطار، من 1 (بطيء) إلى 6 (سريع).</td></tr>
<tr><td>{k:borderColor}</td><td>لون الإطار.</td></tr>
<tr><td>{k:playCount}</td><td>عدد مرات عرض البرنامج قبل الانتقال إلى التالي، من 1 إلى 255.</td></tr>
</table>
<h3>{k:effectOption}</h3>
<table>
<tr><th>العنصر</th><th>المعنى</th></tr>
<tr><td>{k:effectAction}</td><td>كيف يدخل البرنامج الشاشة: 31 مؤثرًا، من {k:effectActionMatrix0} إلى
{k:effectActionMatrix30}. مع {k:effectActionMatrix2} و{k:effectActionMatrix3} يجري النص شريطًا واحدًا متصلًا؛ ومع بقية
المؤثرات يُعرض النص الطويل صفحةً صفحة، بعرض الشاشة في كل مرة.</td></tr>
<tr><td>{k:effectSpeed}</td><td>سرعة المؤثر، من 1 إلى 6.</td></tr>
<tr><td>{k:effectStay}</td><td>مدة بقاء كل صفحة على الشاشة، من 1 إلى 6.</td></tr>
<tr><td>{k:effectExit}</td><td>كيف يغادر البرنامج الشاشة: {k:effectExitMatrix0} أو {k:effectExitMatrix1}.</td></tr>
</table>
<h3>برامج النص</h3>
{img:text-properties.png|لوحة خصائص برنامج نصي: الخيارات والمؤثرات وأدوات النص والمحرر.}
<p>يضبط الصف الذي فوق المحرر الخط والحجم ولون النص ولون الخلفية للأحرف المحددة (أو لما ستكتبه بعد ذلك). تتوقف الألوان
المعروضة على نمط ألوان الشاشة ({k:rgb} في معلمات الشاشة): الأحمر وحده، أو الأحمر والأخضر، أو الألوان السبعة كلها. حدّد
<strong>Arabic</strong> للنص المكتوب من اليمين إلى اليسار: يُرسم النص كله عندئذ قطعة واحدة بتنسيق حرفه الأول.</p>
<p>الأزرار التي تحته، من اليسار إلى اليمين:</p>
<ul>
<li>{k:bold} و{k:italic} و{k:underline} — للأحرف المحددة.</li>
<li>{k:alignLeft} و{k:alignCenter} و{k:alignRight} — موضع النص الأقصر من الشاشة أفقيًا.</li>
<li>{k:alignTop} و{k:alignMiddle} و{k:alignBottom} — موضع النص في ارتفاع الشاشة.</li>
<li>{k:insertImage} — يفتح نافذة صور صغيرة بثلاثة ارتفاعات (12 و14 و16 مصباحًا). النقر على صورة يُدرج رمزها، مثل
[A001]، في النص؛ وتعرض الشارة الصورة في مكانه.</li>
<li>{k:charSpace} — منزلق من 0 إلى 5: أعمدة LED إضافية بعد كل حرف.</li>
<li>{k:yOffset} — منزلق من −5 إلى +5: يرفع النص أو يخفضه بصفوف LED كاملة.</li>
</ul>
{img:insert-icon.png|نافذة {k:insertImage}.}
{img:character-spacing.png|منزلق {k:charSpace}.}
<h3>برامج الصور</h3>
{img:image-properties.png|لوحة خصائص برنامج صورة.}
<p>انقر {k:scanFile} لاختيار صورة BMP؛ يظهر مسارها تحت {k:filePath}. تبقى نقاط الصورة التي لها اللون المختار في
{k:delBgColor} مطفأة على الشارة.</p>
"""),
    ("preview", "المعاينة", """
<p>تعرض نافذة {k:previewTitle} البرنامج المختار كما سترتّبه الشارة، نقطة لكل مصباح LED، بارتفاع وعرض معلمات الشاشة الحالية.
وتُعاد رسمها بعد كل تغيير.</p>
"""),
    ("sending", "الإرسال إلى الشارة", """
<p>انقر {k:send} في شريط الأدوات أو اختر {k:tool} › {k:send}. تُجهَّز كل برامج النص والصور المحددة وتُرسَل؛ ويبيّن شريط
التقدم في شريط الحالة مدى تقدم النقل، ويبقى شريط الأدوات معطلًا حتى ينتهي. تظهر النتيجة في شريط الحالة نحو ثانيتين، أو في
مربع رسالة إن اخترت ذلك في {k:softOption}.</p>
<table>
<tr><th>الرسالة</th><th>ما العمل</th></tr>
<tr><td>{k:tip7}</td><td>لا شيء: الشارة تعرض البرامج الآن.</td></tr>
<tr><td>{k:tip18}</td><td>صِل الشارة وشغّلها، وعلى لينكس تحقق من قاعدة udev.</td></tr>
<tr><td>{k:tip19}</td><td>افصل الشارة ثم صِلها من جديد وأعد المحاولة.</td></tr>
<tr><td>{k:tip23}</td><td>حدّد برنامج نص أو صورة واحدًا على الأقل.</td></tr>
<tr><td>{k:tip24}</td><td>البرامج لا تتسع لها الشارة: أزل التحديد عن بعضها أو اختصرها.</td></tr>
</table>
"""),
    ("tools", "أدوات الجهاز", """
{img:tools-menu.png|قائمة {k:tool}.}
<ul>
<li>{k:tool} › {k:searchScreen} (شريط الأدوات: {k:search}) — يتحقق من أن الشارة تجيب: «{k:tip0}»</li>
<li>{k:tool} › {k:clearScreen} (شريط الأدوات: {k:clear}) — يُفرغ شاشة الشارة.</li>
<li>{k:tool} › {k:bright} (شريط الأدوات: {k:bright}) — يرسل السطوع المختار بالسهم الذي بجانب زر {k:bright}:
100 % أو 66 % أو 33 %. اختيار القيمة يحفظها فقط؛ والزر هو الذي يرسلها.</li>
</ul>
{img:brightness-menu.png|اختيار السطوع.}
<h3>{k:screenParaTitle}</h3>
<p>يصف {k:tool} › {k:setScreenPara} لوحة LED: ارتفاعها وعرضها بعدد المصابيح، ونمط ألوانها، ودارة تشغيلها. وهو مخصص
للصيانة: تُفتح النافذة بعد إدخال رمز الدخول <strong>739</strong>.</p>
{img:access-code.png|طلب رمز الدخول.}
{img:screen-parameters.png|نافذة {k:screenParaTitle}.}
<ul>
<li>الحقول على اليسار: {k:name} وID و{k:height} (12 أو 14 أو 16 مصباحًا) و{k:width} و{k:rgb} (R أو RG أو RGB)
و{k:oe} و{k:data}.</li>
<li>{k:add} يضيف الحقول صفًا جديدًا إلى قائمة المجموعات المحفوظة؛ و{k:edit_} يكتبها فوق الصف المختار؛ و{k:del} يحذف
الصف المختار. انقر صفًا لتحميله في الحقول.</li>
<li>{k:apply} يجعل الحقول المجموعة الحالية التي تستخدمها المعاينة وقوائم الألوان. ويعرض شريط حالة النافذة المجموعة
الحالية.</li>
<li>{k:getPara} يقرأ المعلمات من الشارة إلى الحقول؛ و{k:setPara} يكتب الحقول إلى الشارة.</li>
</ul>
<h3>{k:option}</h3>
{img:options-menu.png|قائمة {k:option}.}
<ul>
<li>{k:option} › Language(L) — لغة البرنامج: Auto (لغة النظام) أو إحدى ثماني لغات.</li>
<li>{k:option} › {k:softOption}: {k:beforeClose} (السؤال عن حفظ التغييرات أو لا)، و{k:afterExcute} (شريط الحالة أو مربع
رسالة)، و{k:trimSpace} (أعمدة فارغة حول النصوص المتحركة: عرض شاشة، أو لا شيء، أو نصف عرض)، و{k:softwareUpdate}
(يبقى لملفات الإصدارات الأقدم؛ ليس للبرنامج خدمة تحديث عبر الإنترنت).</li>
<li>{k:option} › {k:comm}: {k:hostID} و{k:commMode} ({k:usbPort} أو {k:serialPort}). تُوصَل الشارة عبر USB؛ وإذا
اخترت {k:serialPort} فلن تصل إليها أدوات الجهاز.</li>
<li>{k:option} › {k:imageEditor} يشغّل محرر صور خارجيًا لرسم الصور.</li>
</ul>
{img:software-options.png|نافذة {k:softwareOptionTitle}.}
{img:communication.png|نافذة {k:commTitle}.}
"""),
    ("files", "الملفات والاختصارات والمساعدة", """
<p>تُحفظ قائمة البرامج ملفَّ برامج بالامتداد <code>.led</code>. في قائمة {k:file}: {k:new} و{k:open} و{k:save}
و{k:saveAs} و{k:close} و{k:recentFile} (آخر عشرة ملفات، مع {k:clearRecord}) و{k:exit}. عند مغادرة قائمة فيها تغييرات غير
محفوظة يسألك البرنامج هل تحفظها. وتُحفظ الإعدادات (اللغة والسطوع ومعلمات الشاشة والخيارات) في <code>app.xml</code> بجانب
البرنامج.</p>
<table>
<tr><th>المفاتيح</th><th>الأمر</th></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>N</kbd></td><td>{k:file} › {k:new}</td></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>O</kbd></td><td>{k:file} › {k:open}</td></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:save}</td></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>S</kbd></td><td>{k:file} › {k:saveAs}</td></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>W</kbd></td><td>{k:file} › {k:close}</td></tr>
<tr><td dir="ltr"><kbd>Ctrl</kbd>+<kbd>Q</kbd></td><td>{k:file} › {k:exit}</td></tr>
</table>
<p>{k:help} › {k:viewHelp} يفتح هذا الدليل؛ و{k:help} › {k:about} يعرض اسم البرنامج وإصداره.</p>
"""),
    ("cli", "أداة سطر الأوامر tessel-cli", """
<p>تؤدي <code>tessel-cli</code> دون نافذة ما يؤديه المحرر: سرد ملفات البرامج وفحصها وتحويلها، والتخاطب مع الشارة. وتقرأ
الملف <code>app.xml</code> وملفات اللغة نفسها الموجودة بجانبها. وتنتهي بالحالة 0 عند النجاح، و1 إذا فشلت العملية (ويُكتب
السبب في مخرج الأخطاء)، و2 عند الاستعمال الخاطئ.</p>
{pre:cli}
<ul>
<li><code>list</code> تطبع سطرًا لكل برنامج: الرقم والتحديد والنوع والاسم والنص.</li>
<li><code>resave</code> تقرأ ملف برامج وتكتبه من جديد كما يكتبه {k:save} في المحرر.</li>
<li><code>render</code> تكتب صورة معاينة البرنامج رقم N (العدّ من 1) بصيغة BMP؛ و<code>image</code> تكتب البايتات التي
ستستلمها الشارة.</li>
<li><code>send</code> و<code>search</code> و<code>clear</code> و<code>brightness</code> و<code>get-params</code>
و<code>set-params</code> هي أدوات الجهاز. تأخذ <code>brightness</code> القيمة 0 (100 %) أو 1 (66 %) أو 2 (33 %).</li>
<li><code>--screen RxC</code> تحدد الصفوف × الأعمدة، مثل <code>12x48</code>؛ وبدونها تُستخدم معلمات الشاشة الحالية في
<code>app.xml</code>. و<code>--device sim</code> تتخاطب مع شارة محاكاة مدمجة بدل شارة USB، و<code>--sim-dump</code> تحفظ
ما استلمته.</li>
</ul>
<p>أمثلة:</p>
{pre:examples}
"""),
    ("udev", "الوصول إلى الشارة على لينكس", """
<p>لا يمنح لينكس المستخدمين العاديين وصولًا إلى أجهزة USB HID. قاعدة udev <code>70-k9057r-badge.rules</code> (في
<code>data/udev/</code> من الشيفرة المصدرية) تمنح المستخدم الجالس أمام الحاسوب وصولًا إلى الشارة (المُصنِّع 8888، المنتج
0006)، فيعمل المحرر و<code>tessel-cli</code> دون صلاحيات الجذر:</p>
{pre:rule}
<p>ثبّتها مرة واحدة، ثم افصل الشارة وصِلها من جديد:</p>
{pre:udev}
<p>بدون هذه القاعدة يُظهر {k:search} و{k:send} الرسالة «{k:tip18}» مع أن الشارة موصولة.</p>
"""),
]
