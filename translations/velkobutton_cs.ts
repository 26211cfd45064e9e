<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>BrowserPage</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Pass as local file</source>
        <translation>&amp;Předat jako místní soubor</translation>
    </message>
    <message>
        <source>&amp;Set classpath environment variable</source>
        <translation>&amp;Nastavit proměnnou prostředí classpath</translation>
    </message>
    <message>
        <source>Add the JavaScript runtime so that the buttons work in browsers without Java</source>
        <translation>Přidat běhové prostředí JavaScript, aby tlačítka fungovala i v prohlížečích bez podpory Java</translation>
    </message>
    <message>
        <source>&amp;Browser:</source>
        <translation>P&amp;rohlížeč:</translation>
    </message>
    <message>
        <source>If the Browser field is not set, the default system browser will be used.</source>
        <translation>Pokud pole Prohlížeč není vyplněno, použije se výchozí systémový prohlížeč.</translation>
    </message>
    <message>
        <source>If your browser fails to load a local file specified as a URL address (eg. Microsoft Internet Explorer), try clicking the &apos;Pass as local file&apos; checkbox instead.</source>
        <translation>Pokud váš prohlížeč nedokáže načíst místní soubor zadaný jako adresa URL (např. Microsoft Internet Explorer), zkuste místo toho zaškrtnout políčko „Předat jako místní soubor“.</translation>
    </message>
    <message>
        <source>If images fail to load when previewing your project in an external browser, try checking the box below:</source>
        <translation>Pokud se při náhledu projektu v externím prohlížeči nenačítají obrázky, zkuste zaškrtnout políčko níže:</translation>
    </message>
</context>
<context>
    <name>ButtonTable</name>
    <message>
        <source>Buttons</source>
        <translation>Tlačítka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Popisek</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Tool Tip</source>
        <translation>Bublinová nápověda</translation>
    </message>
    <message>
        <source>Status Text</source>
        <translation>Stavový text</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cíl</translation>
    </message>
</context>
<context>
    <name>ColorButton</name>
    <message>
        <source>#RRGGBB or a name</source>
        <translation>#RRGGBB nebo název</translation>
    </message>
    <message>
        <source>Type a colour as #8B4513, 8B4513 or a name such as sienna, then Enter</source>
        <translation>Zadejte barvu jako #8B4513, 8B4513 nebo název, například sienna, a stiskněte Enter</translation>
    </message>
    <message>
        <source>In this project</source>
        <translation>V tomto projektu</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Nedávné</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Další barvy...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
</context>
<context>
    <name>CommandsPage</name>
    <message>
        <source>Select a category, then drag a button onto any toolbar. Drag a button off a toolbar to remove it.</source>
        <translation>Vyberte kategorii a poté přetáhněte tlačítko na libovolný panel nástrojů. Tlačítko z panelu odeberete tak, že je přetáhnete mimo panel.</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tlačítka</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Popis:</translation>
    </message>
</context>
<context>
    <name>ConfigTextPage</name>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>To change the names of the days, click the name of the day twice.</source>
        <translation>Chcete-li změnit názvy dnů, klepněte dvakrát na název dne.</translation>
    </message>
    <message>
        <source>To change the names of the months, click on the month name twice.</source>
        <translation>Chcete-li změnit názvy měsíců, klepněte dvakrát na název měsíce.</translation>
    </message>
    <message>
        <source>You can change the name of the meridiem (meridian) used when displaying time in 12 hour format.</source>
        <translation>Můžete změnit označení části dne (dopoledne/odpoledne), které se používá při zobrazení času ve 12hodinovém formátu.</translation>
    </message>
    <message>
        <source>A.M. (ante meridiem)</source>
        <translation>Dop. (ante meridiem)</translation>
    </message>
    <message>
        <source>P.M. (post meridiem)</source>
        <translation>Odp. (post meridiem)</translation>
    </message>
</context>
<context>
    <name>ContrastStrip</name>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n další</numerusform>
            <numerusform>%n další</numerusform>
            <numerusform>%n dalších</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyProgressDialog</name>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Move Button</source>
        <translation>Přesunout tlačítko</translation>
    </message>
    <message>
        <source>Duplicate Button</source>
        <translation>Duplikovat tlačítko</translation>
    </message>
    <message>
        <source>Duplicate Buttons</source>
        <translation>Duplikovat tlačítka</translation>
    </message>
    <message>
        <source>Paste Style</source>
        <translation>Vložit styl</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmutí</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Změna názvu</translation>
    </message>
    <message>
        <source>Change Caption</source>
        <translation>Změna popisku</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Změna odkazu</translation>
    </message>
    <message>
        <source>Change Tool Tip</source>
        <translation>Změna bublinové nápovědy</translation>
    </message>
    <message>
        <source>Change Status Text</source>
        <translation>Změna stavového textu</translation>
    </message>
    <message>
        <source>Change Target</source>
        <translation>Změna cíle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změna</translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation>Změna projektu</translation>
    </message>
    <message>
        <source>Change Button</source>
        <translation>Změna tlačítka</translation>
    </message>
    <message>
        <source>Change State</source>
        <translation>Změna stavu</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Změna textu</translation>
    </message>
    <message>
        <source>Change Border</source>
        <translation>Změna okraje</translation>
    </message>
    <message>
        <source>Change Audio</source>
        <translation>Změna zvuku</translation>
    </message>
    <message>
        <source>Change Image</source>
        <translation>Změna obrázku</translation>
    </message>
    <message>
        <source>Change Advanced</source>
        <translation>Změna rozšířených</translation>
    </message>
    <message>
        <source>%1 Button &apos;%2&apos;</source>
        <translation>%1 (tlačítko „%2“)</translation>
    </message>
    <message>
        <source>%1 %2 Buttons</source>
        <translation>%1 (tlačítka: %2)</translation>
    </message>
    <message>
        <source>%1 (%2 states)</source>
        <translation>%1 (stavy: %2)</translation>
    </message>
    <message>
        <source>%1 (%2 buttons)</source>
        <translation>%1 (tlačítka: %2)</translation>
    </message>
    <message>
        <source>Reopen with Encoding</source>
        <translation>Znovu otevřít v kódování</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>VelkoButton Project Files (*.but)|*.but|All Files (*.*)|*.*||</source>
        <translation>Projekty VelkoButton (*.but)|*.but|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>Soubory HTML (*.html, *.htm)|*.htm;*.html|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>VelkoVerify Input Files (*.txt, *.dat)|*.txt;*.dat|All Files (*.*)|*.*||</source>
        <translation>Vstupní soubory VelkoVerify (*.txt, *.dat)|*.txt;*.dat|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Font Files (*.woff2,*.woff,*.ttf,*.otf)|*.woff2;*.woff;*.ttf;*.otf|All Files (*.*)|*.*||</source>
        <translation>Soubory písem (*.woff2,*.woff,*.ttf,*.otf)|*.woff2;*.woff;*.ttf;*.otf|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Audio Files (*.au)|*.au|All Files (*.*)|*.*||</source>
        <translation>Zvukové soubory (*.au)|*.au|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Executable Files (*.exe, *.com)|*.exe;*.com|All Files (*.*)|*.*||</source>
        <translation>Spustitelné soubory (*.exe, *.com)|*.exe;*.com|Všechny soubory (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Executable Files (*.exe, *.com)|*.exe;*.com||</source>
        <translation>Všechny soubory (*.*)|*.*|Spustitelné soubory (*.exe, *.com)|*.exe;*.com||</translation>
    </message>
    <message>
        <source>Image Files (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|Images for Java-only browsers (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|All Files (*.*)|*.*||</source>
        <translation>Soubory obrázků (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|Obrázky pro prohlížeče jen s podporou Java (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|Všechny soubory (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>FrameMain</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Uložit &amp;jako...</translation>
    </message>
    <message>
        <source>Recent &amp;File</source>
        <translation>Nedávné &amp;soubory</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Paste &amp;Style</source>
        <translation>Vložit s&amp;tyl</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>Copy to &amp;Other States</source>
        <translation>Kopírovat do &amp;ostatních stavů</translation>
    </message>
    <message>
        <source>&amp;Up States</source>
        <translation>Stavy &amp;Klid</translation>
    </message>
    <message>
        <source>&amp;Over States</source>
        <translation>Stavy &amp;Najetí</translation>
    </message>
    <message>
        <source>&amp;Down States</source>
        <translation>Stavy &amp;Stisk</translation>
    </message>
    <message>
        <source>&amp;Text Items</source>
        <translation>Položky &amp;textu</translation>
    </message>
    <message>
        <source>&amp;Border Items</source>
        <translation>Položky &amp;okraje</translation>
    </message>
    <message>
        <source>&amp;Audio Items</source>
        <translation>Položky &amp;zvuku</translation>
    </message>
    <message>
        <source>&amp;Image Items</source>
        <translation>Položky o&amp;brázku</translation>
    </message>
    <message>
        <source>Ad&amp;vanced Items</source>
        <translation>&amp;Rozšířené položky</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Posunout na&amp;horu</translation>
    </message>
    <message>
        <source>&amp;Move Down</source>
        <translation>Posunout &amp;dolů</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>Du&amp;plikovat</translation>
    </message>
    <message>
        <source>Edit &amp;Caption</source>
        <translation>Upravit pop&amp;isek</translation>
    </message>
    <message>
        <source>&amp;Toolbars...</source>
        <translation>&amp;Panely nástrojů...</translation>
    </message>
    <message>
        <source>&amp;Info/Preview</source>
        <translation>&amp;Informace/náhled</translation>
    </message>
    <message>
        <source>&amp;Live View</source>
        <translation>&amp;Živé zobrazení</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Vlastnosti</translation>
    </message>
    <message>
        <source>&amp;Buttons Table</source>
        <translation>&amp;Tabulka tlačítek</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Možnosti...</translation>
    </message>
    <message>
        <source>Preview &amp;Internally</source>
        <translation>&amp;Interní náhled</translation>
    </message>
    <message>
        <source>&amp;Stop Preview</source>
        <translation>&amp;Zastavit náhled</translation>
    </message>
    <message>
        <source>External &amp;Browser Preview</source>
        <translation>Náhled v externím &amp;prohlížeči</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>Pu&amp;blikovat...</translation>
    </message>
    <message>
        <source>&amp;Help Contents</source>
        <translation>&amp;Obsah nápovědy</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>&amp;Předchozí téma</translation>
    </message>
    <message>
        <source>&amp;Lock Topic</source>
        <translation>&amp;Zamknout téma</translation>
    </message>
    <message>
        <source>Online &amp;FAQ sheet</source>
        <translation>Časté dotazy (&amp;FAQ) online</translation>
    </message>
    <message>
        <source>Velko on the &amp;Web</source>
        <translation>Velko na &amp;webu</translation>
    </message>
    <message>
        <source>&amp;About VelkoButton...</source>
        <translation>O &amp;aplikaci VelkoButton...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Context Help</source>
        <translation>Kontextová nápověda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Výběr</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Tlačítka</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generovat</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Zpět: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Z&amp;novu: %1</translation>
    </message>
    <message>
        <source>(No recent files)</source>
        <translation>(Žádné nedávné soubory)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Info/Preview</source>
        <translation>Informace/náhled</translation>
    </message>
    <message>
        <source>Live View</source>
        <translation>Živé zobrazení</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Panely nástrojů</translation>
    </message>
    <message>
        <source>&amp;Show Tooltips</source>
        <translation>&amp;Zobrazovat bublinovou nápovědu</translation>
    </message>
    <message>
        <source>&amp;Large Buttons</source>
        <translation>&amp;Velká tlačítka</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Přizpůsobit...</translation>
    </message>
    <message>
        <source>About VelkoButton</source>
        <translation>O aplikaci VelkoButton</translation>
    </message>
    <message>
        <source>Version %1 (Build %2)</source>
        <translation>Verze %1 (sestavení %2)</translation>
    </message>
    <message>
        <source>Reopen with &amp;Encoding</source>
        <translation>Znovu otevřít v kó&amp;dování</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Středoevropské (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrilice (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Řečtina (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turečtina (Windows-1254)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltské (Windows-1257)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Západoevropské (Windows-1252)</translation>
    </message>
</context>
<context>
    <name>InputDetailsDialog</name>
    <message>
        <source>Input Details</source>
        <translation>Podrobnosti vstupu</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generovat</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Would you like to generate the input file now?</source>
        <translation>Chcete nyní vygenerovat vstupní soubor?</translation>
    </message>
    <message>
        <source>&amp;What is the name of the file you would like the parameters read from?</source>
        <translation>&amp;Z jakého souboru chcete načítat parametry?</translation>
    </message>
    <message>
        <source>&amp;How often would you like the parameters read from the file?</source>
        <translation>&amp;Jak často chcete parametry ze souboru načítat?</translation>
    </message>
</context>
<context>
    <name>InsertActionDialog</name>
    <message>
        <source>Insert Action</source>
        <translation>Vložit akci</translation>
    </message>
    <message>
        <source>&amp;Action:</source>
        <translation>&amp;Akce:</translation>
    </message>
    <message>
        <source>Apply &amp;To:</source>
        <translation>&amp;Použít na:</translation>
    </message>
</context>
<context>
    <name>KesView</name>
    <message>
        <source>Follows Up: this value changes with the Up state until you give it one of its own.</source>
        <translation>Podle stavu Klid: tato hodnota se mění se stavem Klid, dokud jí nezadáte vlastní.</translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation>(více hodnot)</translation>
    </message>
</context>
<context>
    <name>KesWndInfo</name>
    <message>
        <source>Link: %1</source>
        <translation>Odkaz: %1</translation>
    </message>
</context>
<context>
    <name>KesWndProperties</name>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
    <message numerus="yes">
        <source>Properties — %n items</source>
        <translation>
            <numerusform>Vlastnosti — %n položka</numerusform>
            <numerusform>Vlastnosti — %n položky</numerusform>
            <numerusform>Vlastnosti — %n položek</numerusform>
        </translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Tlačítko</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Stavy</translation>
    </message>
    <message numerus="yes">
        <source>%n buttons</source>
        <translation>
            <numerusform>%n tlačítko</numerusform>
            <numerusform>%n tlačítka</numerusform>
            <numerusform>%n tlačítek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n položka</numerusform>
            <numerusform>%n položky</numerusform>
            <numerusform>%n položek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>&amp;Language of the editor:</source>
        <translation>&amp;Jazyk editoru:</translation>
    </message>
    <message>
        <source>System follows the language of the desktop. The editor shows the language chosen from its next start.</source>
        <translation>„Systém“ se řídí jazykem pracovního prostředí. Editor zobrazí zvolený jazyk od příštího spuštění.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>Try</source>
        <translation>Vyzkoušet</translation>
    </message>
    <message>
        <source>Let the buttons react to the mouse as on the page</source>
        <translation>Tlačítka budou reagovat na myš jako na stránce</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+Minus)</source>
        <translation>Oddálit (Ctrl+Minus)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+Plus)</source>
        <translation>Přiblížit (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>Actual size (Ctrl+0)</source>
        <translation>Skutečná velikost (Ctrl+0)</translation>
    </message>
    <message>
        <source>The live view needs the built-in web browser, which is not available.</source>
        <translation>Živé zobrazení potřebuje vestavěný webový prohlížeč, který není k dispozici.</translation>
    </message>
    <message>
        <source>The live view could not write its page.</source>
        <translation>Živé zobrazení nemohlo zapsat svou stránku.</translation>
    </message>
    <message>
        <source>The project&apos;s scripts did not finish, so the live view stopped them. It starts again with the next change.</source>
        <translation>Skripty projektu nedoběhly, proto je živé zobrazení zastavilo. Spustí se znovu při další změně.</translation>
    </message>
</context>
<context>
    <name>NewOpenDialog</name>
    <message>
        <source>Vertical Menu</source>
        <translation>Svislá nabídka</translation>
    </message>
    <message>
        <source>Horizontal Bar</source>
        <translation>Vodorovný pruh</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Call to Action</source>
        <translation>Výzva k akci</translation>
    </message>
    <message>
        <source>Menu with Sub-menu</source>
        <translation>Nabídka s podnabídkou</translation>
    </message>
    <message>
        <source>New/Open Project</source>
        <translation>Nový/otevřít projekt</translation>
    </message>
    <message>
        <source>Create a new project using</source>
        <translation>Vytvořit nový projekt pomocí</translation>
    </message>
    <message>
        <source>&amp;Blank Project</source>
        <translation>&amp;Prázdný projekt</translation>
    </message>
    <message>
        <source>A &amp;Template</source>
        <translation>Ša&amp;blona</translation>
    </message>
    <message>
        <source>&amp;Open an Existing Project</source>
        <translation>&amp;Otevřít existující projekt</translation>
    </message>
</context>
<context>
    <name>NonJavaPage</name>
    <message>
        <source>The message below will be displayed when viewing the project with non Java enabled browsers. Delete the message if you do not wish to have it displayed.</source>
        <translation>Níže uvedená zpráva se zobrazí při prohlížení projektu v prohlížečích bez podpory Java. Pokud nechcete, aby se zobrazovala, zprávu smažte.</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Zpráva:</translation>
    </message>
    <message>
        <source>Pages with the JavaScript runtime show a list of the buttons&apos; links instead of the message, and name their language:</source>
        <translation>Stránky s běhovým prostředím JavaScript zobrazují místo zprávy seznam odkazů tlačítek a uvádějí svůj jazyk:</translation>
    </message>
    <message>
        <source>Page &amp;language:</source>
        <translation>&amp;Jazyk stránky:</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Panely nástrojů</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Příkazy</translation>
    </message>
    <message>
        <source>Configurable Text</source>
        <translation>Nastavitelný text</translation>
    </message>
    <message>
        <source>Non Java Browsers</source>
        <translation>Prohlížeče bez podpory Java</translation>
    </message>
    <message>
        <source>External Browser</source>
        <translation>Externí prohlížeč</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Klid</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Najetí</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Okraj</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Rozšířené</translation>
    </message>
</context>
<context>
    <name>PublishDialog</name>
    <message>
        <source>Publish</source>
        <translation>Publikovat</translation>
    </message>
    <message>
        <source>Publish the page and every file it needs into a folder</source>
        <translation>Publikuje stránku a všechny soubory, které potřebuje, do složky</translation>
    </message>
    <message>
        <source>A folder of your web site; a new one is made</source>
        <translation>Složka vašeho webu; vytvoří se nová</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rocházet...</translation>
    </message>
    <message>
        <source>Add the JavaScript runtime so that the buttons work in browsers without Java</source>
        <translation>Přidat běhové prostředí JavaScript, aby tlačítka fungovala i v prohlížečích bez podpory Java</translation>
    </message>
    <message>
        <source>&amp;Open the page in the browser afterwards</source>
        <translation>Poté &amp;otevřít stránku v prohlížeči</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Publikovat</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Složka:</translation>
    </message>
    <message>
        <source>Page &amp;name:</source>
        <translation>&amp;Název stránky:</translation>
    </message>
    <message>
        <source>It will write:</source>
        <translation>Zapíše se:</translation>
    </message>
    <message>
        <source>To add the project to an existing HTML document, use the button below to copy the HTML segment for the project to the clipboard, then paste the code into your HTML or text editor.</source>
        <translation>Chcete-li projekt přidat do existujícího dokumentu HTML, zkopírujte pomocí tlačítka níže část HTML s projektem do schránky a poté kód vložte do svého editoru HTML nebo textového editoru.</translation>
    </message>
    <message>
        <source>To create a HTML document containing the project code which may be used as a starting point for your own HTML page, click the button below.</source>
        <translation>Chcete-li vytvořit dokument HTML s kódem projektu, který můžete použít jako základ vlastní stránky HTML, klepněte na tlačítko níže.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Copied from %1</source>
        <translation>Zkopírováno z %1</translation>
    </message>
    <message>
        <source>(the page: type its name)</source>
        <translation>(stránka: zadejte její název)</translation>
    </message>
    <message>
        <source>%1 (the page, in a new folder)</source>
        <translation>%1 (stránka, v nové složce)</translation>
    </message>
    <message>
        <source>%1 (the page)</source>
        <translation>%1 (stránka)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Horizontal</source>
        <translation>Vodorovně</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Svisle</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Vodorovně</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Svisle</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixelů</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Znovu načíst</translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>&amp;Ponechat tuto verzi</translation>
    </message>
    <message>
        <source>Read the file as the other program left it</source>
        <translation>Načte soubor tak, jak jej zanechal druhý program</translation>
    </message>
    <message>
        <source>Keep the project as it is here; saving it replaces the file</source>
        <translation>Ponechá projekt tak, jak je zde; jeho uložením se soubor nahradí</translation>
    </message>
</context>
<context>
    <name>ResourcesDialog</name>
    <message>
        <source>Resources</source>
        <translation>Prostředky</translation>
    </message>
    <message>
        <source>The project has been successfully created. The HTML code for this project is displayed below.</source>
        <translation>Projekt byl úspěšně vytvořen. Kód HTML tohoto projektu je zobrazen níže.</translation>
    </message>
    <message>
        <source>The following resources are used by this project: copy these files beside the page on your web site. Copy Locally... puts the selected ones into a folder of your choice, ready to upload.</source>
        <translation>Tento projekt používá následující prostředky: zkopírujte tyto soubory na svém webu vedle stránky. Tlačítko Zkopírovat místně... uloží vybrané soubory do zvolené složky, připravené k nahrání.</translation>
    </message>
    <message>
        <source>Copy &amp;Locally...</source>
        <translation>Zkopírovat &amp;místně...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Vybrat &amp;vše</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>ScriptPage</name>
    <message>
        <source>&amp;Add Action...</source>
        <translation>&amp;Přidat akci...</translation>
    </message>
</context>
<context>
    <name>SealedPage</name>
    <message>
        <source>Link: %1</source>
        <translation>Odkaz: %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>More Files...</source>
        <translation>Další soubory...</translation>
    </message>
    <message>
        <source>Details of the input file
Input Details
inputfile</source>
        <translation>Podrobnosti vstupního souboru
Podrobnosti vstupu
inputfile</translation>
    </message>
    <message>
        <source>The frequency to reload the input details
Reload Interval
inputfilereloadinterval</source>
        <translation>Jak často se mají podrobnosti vstupu znovu načítat
Interval opětovného načtení
inputfilereloadinterval</translation>
    </message>
    <message>
        <source>The name of the input file
Input File
inputfileinputfile</source>
        <translation>Název vstupního souboru
Vstupní soubor
inputfileinputfile</translation>
    </message>
    <message>
        <source>Generate the input file
Generate Input
inputfilegenerate</source>
        <translation>Vygeneruje vstupní soubor
Generovat vstup
inputfilegenerate</translation>
    </message>
    <message>
        <source>Create a new project or open an existing one
New/Open Project
newopen</source>
        <translation>Vytvoří nový projekt nebo otevře existující
Nový/otevřít projekt
newopen</translation>
    </message>
    <message>
        <source>Choose the project to open
Projects
newopenlist</source>
        <translation>Vyberte projekt, který chcete otevřít
Projekty
newopenlist</translation>
    </message>
    <message>
        <source>Start with a blank project
Blank Project
newopenblank</source>
        <translation>Začne s prázdným projektem
Prázdný projekt
newopenblank</translation>
    </message>
    <message>
        <source>Open a project you have saved before
Open an Existing Project
newopenexisting</source>
        <translation>Otevře projekt, který jste dříve uložili
Otevřít existující projekt
newopenexisting</translation>
    </message>
    <message>
        <source>Program information, version number and copyright
About VelkoButton
helpabout</source>
        <translation>Informace o programu, číslo verze a autorská práva
O aplikaci VelkoButton
helpabout</translation>
    </message>
    <message>
        <source>Configurable text
Configurable Text
configtext</source>
        <translation>Nastavitelný text
Nastavitelný text
configtext</translation>
    </message>
    <message>
        <source>Text for each day of the week
Day Text
configtextdays</source>
        <translation>Text pro každý den v týdnu
Názvy dnů
configtextdays</translation>
    </message>
    <message>
        <source>Text for each month of the year
Month Text
configtextmonth</source>
        <translation>Text pro každý měsíc v roce
Názvy měsíců
configtextmonth</translation>
    </message>
    <message>
        <source>Ante meridiem text
Ante Meridiem
configtextam</source>
        <translation>Text pro dopoledne (ante meridiem)
Dopoledne
configtextam</translation>
    </message>
    <message>
        <source>Post meridiem text
Post Meridiem
configtextpm</source>
        <translation>Text pro odpoledne (post meridiem)
Odpoledne
configtextpm</translation>
    </message>
    <message>
        <source>Audio
Audio
audio</source>
        <translation>Zvuk
Zvuk
audio</translation>
    </message>
    <message>
        <source>Select the audio file
Select Audio
audioselect</source>
        <translation>Vybere zvukový soubor
Vybrat zvuk
audioselect</translation>
    </message>
    <message>
        <source>Test (play) the selected audio file
Test Audio
audiotest</source>
        <translation>Vyzkouší (přehraje) vybraný zvukový soubor
Vyzkoušet zvuk
audiotest</translation>
    </message>
    <message>
        <source>The audio file to play/loop/stop
Audio File
audiofile</source>
        <translation>Zvukový soubor, který se má přehrát, opakovat nebo zastavit
Zvukový soubor
audiofile</translation>
    </message>
    <message>
        <source>Set the audio to play
Play Audio
audioplay</source>
        <translation>Nastaví přehrání zvuku
Přehrát zvuk
audioplay</translation>
    </message>
    <message>
        <source>Set the audio to loop
Loop Audio
audioloop</source>
        <translation>Nastaví opakované přehrávání zvuku
Opakovat zvuk
audioloop</translation>
    </message>
    <message>
        <source>Stop playing the audio
Stop Audio
audiostop</source>
        <translation>Zastaví přehrávání zvuku
Zastavit zvuk
audiostop</translation>
    </message>
    <message>
        <source>Border
Border
border</source>
        <translation>Okraj
Okraj
border</translation>
    </message>
    <message>
        <source>Make the border appear smooth
Smooth Border
bordersmooth</source>
        <translation>Okraj bude vypadat vyhlazeně
Vyhlazený okraj
bordersmooth</translation>
    </message>
    <message>
        <source>The top color of the border
Border Top Color
bordertopcolor</source>
        <translation>Horní barva okraje
Horní barva okraje
bordertopcolor</translation>
    </message>
    <message>
        <source>The middle color of the border
Border Middle Color
bordermidcolor</source>
        <translation>Prostřední barva okraje
Prostřední barva okraje
bordermidcolor</translation>
    </message>
    <message>
        <source>The bottom color of the border
Border Bottom Color
borderbotcolor</source>
        <translation>Dolní barva okraje
Dolní barva okraje
borderbotcolor</translation>
    </message>
    <message>
        <source>The size of the border
Border Size
bordersize</source>
        <translation>Velikost okraje
Velikost okraje
bordersize</translation>
    </message>
    <message>
        <source>Don&apos;t display a border around button
No Border
borderstylenone</source>
        <translation>Kolem tlačítka se nezobrazí okraj
Bez okraje
borderstylenone</translation>
    </message>
    <message>
        <source>Display the button with a flat border
Flat Border
borderstyleflat</source>
        <translation>Zobrazí tlačítko s plochým okrajem
Plochý okraj
borderstyleflat</translation>
    </message>
    <message>
        <source>Display the button using a bevel border
Bevel Border
borderstylebevel</source>
        <translation>Zobrazí tlačítko se zkoseným okrajem
Zkosený okraj
borderstylebevel</translation>
    </message>
    <message>
        <source>Display the button using a point border
Point Border
borderstylepoint</source>
        <translation>Zobrazí tlačítko s bodovým okrajem
Bodový okraj
borderstylepoint</translation>
    </message>
    <message>
        <source>Display the border using a raised border
Raised Border
borderstyleraised</source>
        <translation>Zobrazí okraj jako vyvýšený
Vyvýšený okraj
borderstyleraised</translation>
    </message>
    <message>
        <source>Use the button color as the basis for the border color
Automatic Border
borderauto</source>
        <translation>Barva okraje se odvodí od barvy tlačítka
Automatický okraj
borderauto</translation>
    </message>
    <message>
        <source>Frame
Frame
frame</source>
        <translation>Rámeček
Rámeček
frame</translation>
    </message>
    <message>
        <source>The color of the frame
Frame Color
framecolor</source>
        <translation>Barva rámečku
Barva rámečku
framecolor</translation>
    </message>
    <message>
        <source>The size of the frame (0 = no frame)
Frame Size
framesize</source>
        <translation>Velikost rámečku (0 = bez rámečku)
Velikost rámečku
framesize</translation>
    </message>
    <message>
        <source>Font
Font
font</source>
        <translation>Písmo
Písmo
font</translation>
    </message>
    <message>
        <source>The name of the font
Font Name
fontfamily</source>
        <translation>Název písma
Název písma
fontfamily</translation>
    </message>
    <message>
        <source>Size of the font
Font Size
fontsize</source>
        <translation>Velikost písma
Velikost písma
fontsize</translation>
    </message>
    <message>
        <source>The text will be displayed as bold
Bold
fontbold</source>
        <translation>Text se zobrazí tučně
Tučné
fontbold</translation>
    </message>
    <message>
        <source>The text will be displayed as italic
Italic
fontitalic</source>
        <translation>Text se zobrazí kurzívou
Kurzíva
fontitalic</translation>
    </message>
    <message>
        <source>The text will be underlined
Underline
fontunderline</source>
        <translation>Text bude podtržený
Podtržené
fontunderline</translation>
    </message>
    <message>
        <source>The text will be displayed embossed
Emboss
fontemboss</source>
        <translation>Text se zobrazí vystouple
Vystouplé
fontemboss</translation>
    </message>
    <message>
        <source>The text will be displayed engraved
Engrave
fontengrave</source>
        <translation>Text se zobrazí vyrytě
Vyryté
fontengrave</translation>
    </message>
    <message>
        <source>Use a font file (.woff2, .woff, .ttf or .otf) for the caption; it is copied beside the page when you preview or publish, and the page loads it
Font File
fontfile</source>
        <translation>Pro popisek použije soubor písma (.woff2, .woff, .ttf nebo .otf); při náhledu nebo publikování se zkopíruje vedle stránky a stránka jej načte
Soubor písma
fontfile</translation>
    </message>
    <message>
        <source>Advanced
Advanced
advanced</source>
        <translation>Rozšířené
Rozšířené
advanced</translation>
    </message>
    <message>
        <source>Enter VelkoScript Actions
VelkoScript Actions
advancedscript</source>
        <translation>Zadejte akce VelkoScript
Akce VelkoScript
advancedscript</translation>
    </message>
    <message>
        <source>Add a predefined VelkoScript Action
Add Action
advancedadd</source>
        <translation>Přidá předdefinovanou akci VelkoScript
Přidat akci
advancedadd</translation>
    </message>
    <message>
        <source>Image
Image
image</source>
        <translation>Obrázek
Obrázek
image</translation>
    </message>
    <message>
        <source>File name of the image
Image File Name
imagefile</source>
        <translation>Název souboru obrázku
Název souboru obrázku
imagefile</translation>
    </message>
    <message>
        <source>Horizontal offset
Horizontal Offset
imageoffsetx</source>
        <translation>Vodorovný posun
Vodorovný posun
imageoffsetx</translation>
    </message>
    <message>
        <source>Vertical offset
Vertical Offset
imageoffsety</source>
        <translation>Svislý posun
Svislý posun
imageoffsety</translation>
    </message>
    <message>
        <source>Select the image
Select Image
imageselect</source>
        <translation>Vybere obrázek
Vybrat obrázek
imageselect</translation>
    </message>
    <message>
        <source>Horizontally align the image to the left
Align Left
imagealignxleft</source>
        <translation>Zarovná obrázek vodorovně doleva
Zarovnat doleva
imagealignxleft</translation>
    </message>
    <message>
        <source>Horizontally align the image to the center
Align Center
imagealignxcenter</source>
        <translation>Zarovná obrázek vodorovně na střed
Zarovnat na střed
imagealignxcenter</translation>
    </message>
    <message>
        <source>Horizontally align the image to the right
Align Right
imagealignxright</source>
        <translation>Zarovná obrázek vodorovně doprava
Zarovnat doprava
imagealignxright</translation>
    </message>
    <message>
        <source>Vertically align the image to the top
Align Top
imagealignytop</source>
        <translation>Zarovná obrázek svisle nahoru
Zarovnat nahoru
imagealignytop</translation>
    </message>
    <message>
        <source>Vertically align the image to the center
Align Center
imagealignycenter</source>
        <translation>Zarovná obrázek svisle na střed
Zarovnat na střed
imagealignycenter</translation>
    </message>
    <message>
        <source>Vertically align the image to the bottom
Align Bottom
imagealignybottom</source>
        <translation>Zarovná obrázek svisle dolů
Zarovnat dolů
imagealignybottom</translation>
    </message>
    <message>
        <source>Display the image normally
Normal
imagecenter</source>
        <translation>Zobrazí obrázek normálně
Normální
imagecenter</translation>
    </message>
    <message>
        <source>Tile the image
Tile Image
imagetile</source>
        <translation>Vydláždí obrázkem plochu
Dláždit obrázek
imagetile</translation>
    </message>
    <message>
        <source>Scale (fit) the image to the button
Scale Image
imagescale</source>
        <translation>Přizpůsobí velikost obrázku tlačítku
Roztáhnout obrázek
imagescale</translation>
    </message>
    <message>
        <source>Button
Button
button</source>
        <translation>Tlačítko
Tlačítko
button</translation>
    </message>
    <message>
        <source>The button will act like a push button
Push Button
buttonmodepush</source>
        <translation>Tlačítko se bude chovat jako obyčejné tlačítko
Obyčejné tlačítko
buttonmodepush</translation>
    </message>
    <message>
        <source>The button will act like a check box (toggle)
Check Box
buttonmodecheck</source>
        <translation>Tlačítko se bude chovat jako zaškrtávací pole (zapnuto/vypnuto)
Zaškrtávací pole
buttonmodecheck</translation>
    </message>
    <message>
        <source>The button will act like a radio button
Radio Button
buttonmoderadio</source>
        <translation>Tlačítko se bude chovat jako přepínač (ve skupině)
Přepínač
buttonmoderadio</translation>
    </message>
    <message>
        <source>The name of the button
Button Name
buttonname</source>
        <translation>Název tlačítka
Název tlačítka
buttonname</translation>
    </message>
    <message>
        <source>This button will initially be visible
Initially Visible
buttonshow</source>
        <translation>Tlačítko bude na začátku viditelné
Na začátku viditelné
buttonshow</translation>
    </message>
    <message>
        <source>This button is allowed to be dragged
Dragable
buttondragable</source>
        <translation>Tlačítko lze přetahovat
Přetahovatelné
buttondragable</translation>
    </message>
    <message>
        <source>This button will initially be selected (down)
Initially Selected
buttonselected</source>
        <translation>Tlačítko bude na začátku vybrané (stisknuté)
Na začátku vybrané
buttonselected</translation>
    </message>
    <message>
        <source>Enter the tool tip text (pop up)
Tool Tip
buttontip</source>
        <translation>Zadejte text bublinové nápovědy (zobrazí se v bublině)
Bublinová nápověda
buttontip</translation>
    </message>
    <message>
        <source>Size
Size
size</source>
        <translation>Velikost
Velikost
size</translation>
    </message>
    <message>
        <source>The x position of the button
X Position
sizex</source>
        <translation>Vodorovná poloha (x) tlačítka
Poloha X
sizex</translation>
    </message>
    <message>
        <source>The y position of the button
Y Position
sizey</source>
        <translation>Svislá poloha (y) tlačítka
Poloha Y
sizey</translation>
    </message>
    <message>
        <source>The width of the button
Width
sizewidth</source>
        <translation>Šířka tlačítka
Šířka
sizewidth</translation>
    </message>
    <message>
        <source>The height of the button
Height
sizeheight</source>
        <translation>Výška tlačítka
Výška
sizeheight</translation>
    </message>
    <message>
        <source>Link
Link
link</source>
        <translation>Odkaz
Odkaz
link</translation>
    </message>
    <message>
        <source>The URL to jump to
URL
linkurl</source>
        <translation>Adresa URL, na kterou se má přejít
URL
linkurl</translation>
    </message>
    <message>
        <source>The target (frame) to use
Target (Frame)
linktarget</source>
        <translation>Cíl (rámec), který se má použít
Cíl (rámec)
linktarget</translation>
    </message>
    <message>
        <source>The text to display on the browser&apos;s status line
Status Line
linkstatus</source>
        <translation>Text zobrazený na stavovém řádku prohlížeče
Stavový řádek
linkstatus</translation>
    </message>
    <message>
        <source>State
State
state</source>
        <translation>Stav
Stav
state</translation>
    </message>
    <message>
        <source>The color of the button
Button Color
statecolor</source>
        <translation>Barva tlačítka
Barva tlačítka
statecolor</translation>
    </message>
    <message>
        <source>The cursor to display when the mouse is over the button
Cursor
statecursor</source>
        <translation>Kurzor zobrazený, když je myš nad tlačítkem
Kurzor
statecursor</translation>
    </message>
    <message>
        <source>Display the button at the specified horizontal offset
Horizontal Offset
stateoffsetx</source>
        <translation>Zobrazí tlačítko se zadaným vodorovným posunem
Vodorovný posun
stateoffsetx</translation>
    </message>
    <message>
        <source>Display the button at the specified vertical  offset
Vertical Offset
stateoffsety</source>
        <translation>Zobrazí tlačítko se zadaným svislým posunem
Svislý posun
stateoffsety</translation>
    </message>
    <message>
        <source>The button will be displayed with a solid background
Solid Background
statestylesolid</source>
        <translation>Tlačítko se zobrazí s plným pozadím
Plné pozadí
statestylesolid</translation>
    </message>
    <message>
        <source>The button will be displayed with a transparent background
Transparent Background
statestyletransparent</source>
        <translation>Tlačítko se zobrazí s průhledným pozadím
Průhledné pozadí
statestyletransparent</translation>
    </message>
    <message>
        <source>Restart animations when state changes
Restart Animations
stateanimate</source>
        <translation>Při změně stavu se animace spustí znovu od začátku
Restartovat animace
stateanimate</translation>
    </message>
    <message>
        <source>Project
Project
project</source>
        <translation>Projekt
Projekt
project</translation>
    </message>
    <message>
        <source>The width of the project
Project Width
projectwidth</source>
        <translation>Šířka projektu
Šířka projektu
projectwidth</translation>
    </message>
    <message>
        <source>The height of the project
Project Height
projectheight</source>
        <translation>Výška projektu
Výška projektu
projectheight</translation>
    </message>
    <message>
        <source>How to lay the buttons out
Project Layout
projectlayout</source>
        <translation>Jak se mají tlačítka rozmístit
Rozvržení projektu
projectlayout</translation>
    </message>
    <message>
        <source>The default width of buttons
Default Width
projectbuttonwidth</source>
        <translation>Výchozí šířka tlačítek
Výchozí šířka
projectbuttonwidth</translation>
    </message>
    <message>
        <source>The default height of buttons
Default Height
projectbuttonheight</source>
        <translation>Výchozí výška tlačítek
Výchozí výška
projectbuttonheight</translation>
    </message>
    <message>
        <source>The default space to leave between buttons
Default Spacing
projectbuttonspacing</source>
        <translation>Výchozí mezera mezi tlačítky
Výchozí rozestup
projectbuttonspacing</translation>
    </message>
    <message>
        <source>The name used to identify the project from other Velko based products
Project Identifier
projectprojectidentifier</source>
        <translation>Název, který odlišuje projekt od ostatních produktů založených na Velko
Identifikátor projektu
projectprojectidentifier</translation>
    </message>
    <message>
        <source>Background
Background
background</source>
        <translation>Pozadí
Pozadí
background</translation>
    </message>
    <message>
        <source>The background color of the project
Background Color
backgroundcolor</source>
        <translation>Barva pozadí projektu
Barva pozadí
backgroundcolor</translation>
    </message>
    <message>
        <source>The image to use as a background for the project
Background Image
backgroundimage</source>
        <translation>Obrázek použitý jako pozadí projektu
Obrázek pozadí
backgroundimage</translation>
    </message>
    <message>
        <source>Select the background image
Select Image
backgroundselect</source>
        <translation>Vybere obrázek pozadí
Vybrat obrázek
backgroundselect</translation>
    </message>
    <message>
        <source>Center the background image
Center Image
backgroundcenter</source>
        <translation>Umístí obrázek pozadí na střed
Obrázek na střed
backgroundcenter</translation>
    </message>
    <message>
        <source>Tile the background image
Tile Image
backgroundtile</source>
        <translation>Vydláždí pozadí obrázkem
Dláždit obrázek
backgroundtile</translation>
    </message>
    <message>
        <source>Scale the background image to fit
Scale Image
backgroundscale</source>
        <translation>Roztáhne obrázek pozadí na celou plochu
Roztáhnout obrázek
backgroundscale</translation>
    </message>
    <message>
        <source>Insert a predefined VelkoScript action
Insert Action
insertaction</source>
        <translation>Vloží předdefinovanou akci VelkoScript
Vložit akci
insertaction</translation>
    </message>
    <message>
        <source>The action to perform
Action
insertactionaction</source>
        <translation>Akce, která se má provést
Akce
insertactionaction</translation>
    </message>
    <message>
        <source>The button the action applies to
Apply To
insertactionapply</source>
        <translation>Tlačítko, na které se akce vztahuje
Použít na
insertactionapply</translation>
    </message>
    <message>
        <source>Text
Text
text</source>
        <translation>Text
Text
text</translation>
    </message>
    <message>
        <source>The text to display on the button
Button Text
texttext</source>
        <translation>Text zobrazený na tlačítku
Text tlačítka
texttext</translation>
    </message>
    <message>
        <source>Insert dynamic text such as the date and time
Insert Dynamic Text
textdynamic</source>
        <translation>Vloží dynamický text, například datum a čas
Vložit dynamický text
textdynamic</translation>
    </message>
    <message>
        <source>Horizontal offset
Horizontal Offset
textoffsetx</source>
        <translation>Vodorovný posun
Vodorovný posun
textoffsetx</translation>
    </message>
    <message>
        <source>Vertical offset
Vertical Offset
textoffsety</source>
        <translation>Svislý posun
Svislý posun
textoffsety</translation>
    </message>
    <message>
        <source>The color of the text
Text Color
textcolor</source>
        <translation>Barva textu
Barva textu
textcolor</translation>
    </message>
    <message>
        <source>Horizontally align the text to the left
Align Left
textalignxleft</source>
        <translation>Zarovná text vodorovně doleva
Zarovnat doleva
textalignxleft</translation>
    </message>
    <message>
        <source>Horizontally align the text to the center
Align Center
textalignxcenter</source>
        <translation>Zarovná text vodorovně na střed
Zarovnat na střed
textalignxcenter</translation>
    </message>
    <message>
        <source>Horizontally align the text to the right
Align Right
textalignxright</source>
        <translation>Zarovná text vodorovně doprava
Zarovnat doprava
textalignxright</translation>
    </message>
    <message>
        <source>Vertically align the text to the top
Align Top
textalignytop</source>
        <translation>Zarovná text svisle nahoru
Zarovnat nahoru
textalignytop</translation>
    </message>
    <message>
        <source>Vertically align the text to the center
Align Center
textalignycenter</source>
        <translation>Zarovná text svisle na střed
Zarovnat na střed
textalignycenter</translation>
    </message>
    <message>
        <source>Vertically align the text to the bottom
Align Bottom
textalignybottom</source>
        <translation>Zarovná text svisle dolů
Zarovnat dolů
textalignybottom</translation>
    </message>
    <message>
        <source>Output
Output
output</source>
        <translation>Výstup
Výstup
output</translation>
    </message>
    <message>
        <source>Tokenize/Compress the parameters for the project
Tokenize/Compress
outputtokenize</source>
        <translation>Tokenizuje/komprimuje parametry projektu
Tokenizovat/komprimovat
outputtokenize</translation>
    </message>
    <message>
        <source>Specify how often to refresh the display
Refresh Rate
outputrefresh</source>
        <translation>Určuje, jak často se má zobrazení obnovovat
Frekvence obnovy
outputrefresh</translation>
    </message>
    <message>
        <source>Specify project options in an input file
Read From File
outputreadfile</source>
        <translation>Nastavení projektu se načtou ze vstupního souboru
Načítat ze souboru
outputreadfile</translation>
    </message>
    <message>
        <source>Specify the details of the file to read
Input File Details
outputdetails</source>
        <translation>Určuje podrobnosti souboru, který se má načítat
Podrobnosti vstupního souboru
outputdetails</translation>
    </message>
    <message>
        <source>Relative path on server to store class files
Relative Server Path (Code Base)
outputcodebase</source>
        <translation>Relativní cesta na serveru, kde jsou uloženy soubory tříd
Relativní cesta na serveru (Code Base)
outputcodebase</translation>
    </message>
    <message>
        <source>VelkoScript
VelkoScript
script</source>
        <translation>VelkoScript
VelkoScript
script</translation>
    </message>
    <message>
        <source>The script to execute before buttons are created
Before Script (Initialize)
scriptbefore</source>
        <translation>Skript, který se provede před vytvořením tlačítek
Skript před (inicializace)
scriptbefore</translation>
    </message>
    <message>
        <source>Add a predefined action
Add Before Action
scriptbeforeadd</source>
        <translation>Přidá předdefinovanou akci
Přidat akci před
scriptbeforeadd</translation>
    </message>
    <message>
        <source>The script to execute after the buttons are created
After Script
scriptafter</source>
        <translation>Skript, který se provede po vytvoření tlačítek
Skript po
scriptafter</translation>
    </message>
    <message>
        <source>Add a predefined action
Add After Action
scriptafteradd</source>
        <translation>Přidá předdefinovanou akci
Přidat akci po
scriptafteradd</translation>
    </message>
    <message>
        <source>Non Java Browser
Non Java Browser
nonjava</source>
        <translation>Prohlížeč bez podpory Java
Prohlížeč bez podpory Java
nonjava</translation>
    </message>
    <message>
        <source>The message shown by browsers that cannot run Java
Non Java Message
nonjava</source>
        <translation>Zpráva zobrazená prohlížeči, které nedokážou spustit Javu
Zpráva pro prohlížeče bez podpory Java
nonjava</translation>
    </message>
    <message>
        <source>Mouse Leave Script
Leave
leave</source>
        <translation>Skript při opuštění myší
Opuštění
leave</translation>
    </message>
    <message>
        <source>Enter Mouse Leave VelkoScript Actions
Mouse Leave VelkoScript Actions
leavescript</source>
        <translation>Zadejte akce VelkoScript pro opuštění tlačítka myší
Akce VelkoScript při opuštění myší
leavescript</translation>
    </message>
    <message>
        <source>Add a predefined VelkoScript Action
Add Action
leaveadd</source>
        <translation>Přidá předdefinovanou akci VelkoScript
Přidat akci
leaveadd</translation>
    </message>
    <message>
        <source>Publish the project
Publish
publish</source>
        <translation>Publikuje projekt
Publikovat
publish</translation>
    </message>
    <message>
        <source>Copy the HTML segment for the project to the clipboard
Copy to Clipboard
publishclipboard</source>
        <translation>Zkopíruje část HTML s projektem do schránky
Kopírovat do schránky
publishclipboard</translation>
    </message>
    <message>
        <source>Create a HTML document containing the project
Create HTML Document
publishfile</source>
        <translation>Vytvoří dokument HTML obsahující projekt
Vytvořit dokument HTML
publishfile</translation>
    </message>
    <message>
        <source>The resources used by the project
Resources
resources</source>
        <translation>Prostředky, které projekt používá
Prostředky
resources</translation>
    </message>
    <message>
        <source>Copy the selected files to a local folder
Copy Locally
resourcescopy</source>
        <translation>Zkopíruje vybrané soubory do místní složky
Zkopírovat místně
resourcescopy</translation>
    </message>
    <message>
        <source>The files to copy to your server beside the page
Resource Files
resourceslist</source>
        <translation>Soubory, které se mají zkopírovat na váš server vedle stránky
Soubory prostředků
resourceslist</translation>
    </message>
    <message>
        <source>Select every file of the list
Select All
resourcesselectall</source>
        <translation>Vybere všechny soubory v seznamu
Vybrat vše
resourcesselectall</translation>
    </message>
    <message>
        <source>The HTML code of the project
HTML Code
resourceshtml</source>
        <translation>Kód HTML projektu
Kód HTML
resourceshtml</translation>
    </message>
    <message>
        <source>Copying the selected files
Copy
resourcescopy</source>
        <translation>Kopírují se vybrané soubory
Kopírování
resourcescopy</translation>
    </message>
    <message>
        <source>Visit the Velko home page
Velko on the Web
helpweb</source>
        <translation>Otevře domovskou stránku Velko
Velko na webu
helpweb</translation>
    </message>
    <message>
        <source>Show the frequently asked questions on the web
Online FAQ
helpfaq</source>
        <translation>Zobrazí často kladené dotazy na webu
Časté dotazy online
helpfaq</translation>
    </message>
    <message>
        <source>Stop previewing the project
Stop Internal Preview
generatestop</source>
        <translation>Zastaví náhled projektu
Zastavit interní náhled
generatestop</translation>
    </message>
    <message>
        <source>Show or hide the Info/Preview window
Info/Preview
viewinfo</source>
        <translation>Zobrazí nebo skryje okno Informace/náhled
Informace/náhled
viewinfo</translation>
    </message>
    <message>
        <source>Show, hide or customise the toolbars
Toolbars
viewtoolbars</source>
        <translation>Zobrazí, skryje nebo přizpůsobí panely nástrojů
Panely nástrojů
viewtoolbars</translation>
    </message>
    <message>
        <source>Change the program&apos;s options
Options
viewoptions</source>
        <translation>Změní možnosti programu
Možnosti
viewoptions</translation>
    </message>
    <message>
        <source>Show the list of help topics
Help Contents
helpcontents</source>
        <translation>Zobrazí seznam témat nápovědy
Obsah nápovědy
helpcontents</translation>
    </message>
    <message>
        <source>Go back to the previous help topic
Previous Topic
helpprevious</source>
        <translation>Přejde zpět na předchozí téma nápovědy
Předchozí téma
helpprevious</translation>
    </message>
    <message>
        <source>Keep the current help topic while moving around
Lock Topic
helplock</source>
        <translation>Ponechá aktuální téma nápovědy při přechodu jinam
Zamknout téma
helplock</translation>
    </message>
    <message>
        <source>Preview project in external browser
External Preview
generateexternal</source>
        <translation>Zobrazí náhled projektu v externím prohlížeči
Externí náhled
generateexternal</translation>
    </message>
    <message>
        <source>Publish the project to the clipboard or an HTML file
Publish
generatepublish</source>
        <translation>Publikuje projekt do schránky nebo do souboru HTML
Publikovat
generatepublish</translation>
    </message>
    <message>
        <source>Preview the project
Preview/Reload
generatepreview</source>
        <translation>Zobrazí náhled projektu
Náhled/znovu načíst
generatepreview</translation>
    </message>
    <message>
        <source>Show or hide the live view of the buttons
Live View
viewlive</source>
        <translation>Zobrazí nebo skryje živé zobrazení tlačítek
Živé zobrazení
viewlive</translation>
    </message>
    <message>
        <source>Insert the year with two digits
Year (short)
textdynamic</source>
        <translation>Vloží rok dvěma číslicemi
Rok (krátký)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the year with four digits
Year (long)
textdynamic</source>
        <translation>Vloží rok čtyřmi číslicemi
Rok (dlouhý)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the number of the month
Month (number)
textdynamic</source>
        <translation>Vloží číslo měsíce
Měsíc (číslo)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the name of the month
Month (name)
textdynamic</source>
        <translation>Vloží název měsíce
Měsíc (název)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the day of the month
Day (date)
textdynamic</source>
        <translation>Vloží den v měsíci
Den (datum)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the name of the day
Day (name)
textdynamic</source>
        <translation>Vloží název dne
Den (název)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the number of the week day
Week Day
textdynamic</source>
        <translation>Vloží číslo dne v týdnu
Den v týdnu
textdynamic</translation>
    </message>
    <message>
        <source>Insert the hours in 12 hour format
Hours (12 hour format)
textdynamic</source>
        <translation>Vloží hodiny ve 12hodinovém formátu
Hodiny (12hodinový formát)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the hours in 24 hour format
Hours (24 hour format)
textdynamic</source>
        <translation>Vloží hodiny ve 24hodinovém formátu
Hodiny (24hodinový formát)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the minutes
Minutes
textdynamic</source>
        <translation>Vloží minuty
Minuty
textdynamic</translation>
    </message>
    <message>
        <source>Insert the seconds
Seconds
textdynamic</source>
        <translation>Vloží sekundy
Sekundy
textdynamic</translation>
    </message>
    <message>
        <source>Insert the meridiem (AM or PM)
Meridiem
textdynamic</source>
        <translation>Vloží označení části dne (AM nebo PM)
Dopoledne/odpoledne
textdynamic</translation>
    </message>
    <message>
        <source>Insert the time in 12 hour format
Time (12 hour format)
textdynamic</source>
        <translation>Vloží čas ve 12hodinovém formátu
Čas (12hodinový formát)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the time in 24 hour format
Time (24 hour format)
textdynamic</source>
        <translation>Vloží čas ve 24hodinovém formátu
Čas (24hodinový formát)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the local time and date
Time &amp; Date (Local)
textdynamic</source>
        <translation>Vloží místní čas a datum
Čas a datum (místní)
textdynamic</translation>
    </message>
    <message>
        <source>Create a new button
New Button
buttonnew</source>
        <translation>Vytvoří nové tlačítko
Nové tlačítko
buttonnew</translation>
    </message>
    <message>
        <source>Delete the selected button
Delete Button
buttondelete</source>
        <translation>Smaže vybrané tlačítko
Smazat tlačítko
buttondelete</translation>
    </message>
    <message>
        <source>Move the selected button up
Move Button Up
buttonmoveup</source>
        <translation>Posune vybrané tlačítko nahoru
Posunout tlačítko nahoru
buttonmoveup</translation>
    </message>
    <message>
        <source>Move the selected button down
Move Button Down
buttonmovedown</source>
        <translation>Posune vybrané tlačítko dolů
Posunout tlačítko dolů
buttonmovedown</translation>
    </message>
    <message>
        <source>Duplicate the selected button
Duplicate Button
buttonduplicate</source>
        <translation>Vytvoří kopii vybraného tlačítka
Duplikovat tlačítko
buttonduplicate</translation>
    </message>
    <message>
        <source>Copy the selected state, or one of its groups, to the button&apos;s other two states
Copy to Other States
editcopystates</source>
        <translation>Zkopíruje vybraný stav nebo jednu z jeho skupin do zbývajících dvou stavů tlačítka
Kopírovat do ostatních stavů
editcopystates</translation>
    </message>
    <message>
        <source>Paste the copied item&apos;s look onto every selected item of its kind, keeping their captions, links, tool tips, status texts and scripts
Paste Style
editpastestyle</source>
        <translation>Přenese vzhled zkopírované položky na všechny vybrané položky stejného druhu; jejich popisky, odkazy, bublinové nápovědy, stavové texty a skripty zůstanou zachovány
Vložit styl
editpastestyle</translation>
    </message>
    <message>
        <source>Insert the date as yy/mm/dd
Date (yy/mm/dd)
textdynamic</source>
        <translation>Vloží datum ve tvaru rr/mm/dd
Datum (rr/mm/dd)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the date as mm/dd/yy
Date (mm/dd/yy)
textdynamic</source>
        <translation>Vloží datum ve tvaru mm/dd/rr
Datum (mm/dd/rr)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the date as dd/mm/yy
Date (dd/mm/yy)
textdynamic</source>
        <translation>Vloží datum ve tvaru dd/mm/rr
Datum (dd/mm/rr)
textdynamic</translation>
    </message>
    <message>
        <source>Show or hide the Properties window
Properties
viewproperties</source>
        <translation>Zobrazí nebo skryje okno Vlastnosti
Vlastnosti
viewproperties</translation>
    </message>
    <message>
        <source>Select the Up state of every selected button, or of every button
Up States
selectstates</source>
        <translation>Vybere stav Klid každého vybraného tlačítka, nebo všech tlačítek
Stavy Klid
selectstates</translation>
    </message>
    <message>
        <source>Select the Over state of every selected button, or of every button
Over States
selectstates</source>
        <translation>Vybere stav Najetí každého vybraného tlačítka, nebo všech tlačítek
Stavy Najetí
selectstates</translation>
    </message>
    <message>
        <source>Select the Down state of every selected button, or of every button
Down States
selectstates</source>
        <translation>Vybere stav Stisk každého vybraného tlačítka, nebo všech tlačítek
Stavy Stisk
selectstates</translation>
    </message>
    <message>
        <source>Select the Text item of that state in every selected button
Text Items
selectstates</source>
        <translation>Vybere položku Text daného stavu ve všech vybraných tlačítkách
Položky textu
selectstates</translation>
    </message>
    <message>
        <source>Select the Border item of that state in every selected button
Border Items
selectstates</source>
        <translation>Vybere položku Okraj daného stavu ve všech vybraných tlačítkách
Položky okraje
selectstates</translation>
    </message>
    <message>
        <source>Select the Audio item of that state in every selected button
Audio Items
selectstates</source>
        <translation>Vybere položku Zvuk daného stavu ve všech vybraných tlačítkách
Položky zvuku
selectstates</translation>
    </message>
    <message>
        <source>Select the Image item of that state in every selected button
Image Items
selectstates</source>
        <translation>Vybere položku Obrázek daného stavu ve všech vybraných tlačítkách
Položky obrázku
selectstates</translation>
    </message>
    <message>
        <source>Select the Advanced item of that state in every selected button
Advanced Items
selectstates</source>
        <translation>Vybere položku Rozšířené daného stavu ve všech vybraných tlačítkách
Rozšířené položky
selectstates</translation>
    </message>
    <message>
        <source>Type the caption on the current button in the Live View
Edit Caption
viewlive</source>
        <translation>Umožní psát popisek aktuálního tlačítka přímo v živém zobrazení
Upravit popisek
viewlive</translation>
    </message>
    <message>
        <source>Show the table of every button&apos;s name, caption, link, target, tool tip and status text
Buttons Table
viewbuttontable</source>
        <translation>Zobrazí tabulku s názvem, popiskem, odkazem, cílem, bublinovou nápovědou a stavovým textem každého tlačítka
Tabulka tlačítek
viewbuttontable</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Nápovědu zobrazíte klávesou F1</translation>
    </message>
    <message>
        <source>Create a new project
New Project
filenew</source>
        <translation>Vytvoří nový projekt
Nový projekt
filenew</translation>
    </message>
    <message>
        <source>Open an existing project
Open Project
fileopen</source>
        <translation>Otevře existující projekt
Otevřít projekt
fileopen</translation>
    </message>
    <message>
        <source>Save the project
Save Project
filesave</source>
        <translation>Uloží projekt
Uložit projekt
filesave</translation>
    </message>
    <message>
        <source>Save the project under a new name
Save As
filesaveas</source>
        <translation>Uloží projekt pod novým názvem
Uložit jako
filesaveas</translation>
    </message>
    <message>
        <source>Open this project
Recent File
filerecent</source>
        <translation>Otevře tento projekt
Nedávný soubor
filerecent</translation>
    </message>
    <message>
        <source>Delete the selected button
Delete
buttondelete</source>
        <translation>Smaže vybrané tlačítko
Smazat
buttondelete</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard
Copy
editcopy</source>
        <translation>Zkopíruje výběr do schránky
Kopírovat
editcopy</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard
Cut
editcut</source>
        <translation>Vyjme výběr do schránky
Vyjmout
editcut</translation>
    </message>
    <message>
        <source>Paste the clipboard contents
Paste
editpaste</source>
        <translation>Vloží obsah schránky
Vložit
editpaste</translation>
    </message>
    <message>
        <source>Undo the last action
Undo
editundo</source>
        <translation>Vrátí zpět poslední akci
Zpět
editundo</translation>
    </message>
    <message>
        <source>Redo the action undone last
Redo
editredo</source>
        <translation>Znovu provede naposledy vrácenou akci
Znovu
editredo</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About
helpabout</source>
        <translation>Zobrazí informace o programu, číslo verze a autorská práva
O aplikaci
helpabout</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the project
Exit
fileexit</source>
        <translation>Ukončí aplikaci; nabídne uložení projektu
Ukončit
fileexit</translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help
helpcontext</source>
        <translation>Zobrazí nápovědu k tlačítkům, nabídkám a oknům, na která kliknete
Nápověda
helpcontext</translation>
    </message>
    <message>
        <source>List help topics
Help
helpcontents</source>
        <translation>Zobrazí témata nápovědy
Nápověda
helpcontents</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its texts in another code page
Reopen with Encoding
fileopen</source>
        <translation>Znovu načte soubor projektu s texty v jiné kódové stránce
Znovu otevřít v kódování
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Central European (Windows-1250)
Reopen as Windows-1250
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování středoevropské (Windows-1250)
Znovu otevřít jako Windows-1250
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Cyrillic (Windows-1251)
Reopen as Windows-1251
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování cyrilice (Windows-1251)
Znovu otevřít jako Windows-1251
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Greek (Windows-1253)
Reopen as Windows-1253
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování řečtina (Windows-1253)
Znovu otevřít jako Windows-1253
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Turkish (Windows-1254)
Reopen as Windows-1254
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování turečtina (Windows-1254)
Znovu otevřít jako Windows-1254
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Baltic (Windows-1257)
Reopen as Windows-1257
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování baltské (Windows-1257)
Znovu otevřít jako Windows-1257
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Western (Windows-1252)
Reopen as Windows-1252
fileopen</source>
        <translation>Znovu načte soubor projektu s 8bitovými texty v kódování západoevropské (Windows-1252)
Znovu otevřít jako Windows-1252
fileopen</translation>
    </message>
</context>
<context>
    <name>TabBorder</name>
    <message>
        <source>Border</source>
        <translation>Okraj</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rámeček</translation>
    </message>
</context>
<context>
    <name>TabButton</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Mouse Leave</source>
        <translation>Opuštění myší</translation>
    </message>
</context>
<context>
    <name>TabProject</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Pozadí</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>VelkoScript</source>
        <translation>VelkoScript</translation>
    </message>
</context>
<context>
    <name>TabText</name>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
</context>
<context>
    <name>ToolbarManager</name>
    <message>
        <source>Buttons</source>
        <translation>Tlačítka</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Panel nástrojů</translation>
    </message>
</context>
<context>
    <name>ToolbarsPage</name>
    <message>
        <source>&amp;Toolbars:</source>
        <translation>&amp;Panely nástrojů:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nový...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>Toolbar &amp;name:</source>
        <translation>Ná&amp;zev panelu:</translation>
    </message>
    <message>
        <source>&amp;Show Tooltips</source>
        <translation>&amp;Zobrazovat bublinovou nápovědu</translation>
    </message>
    <message>
        <source>C&amp;ool Look</source>
        <translation>&amp;Efektní vzhled</translation>
    </message>
    <message>
        <source>&amp;Large Buttons</source>
        <translation>&amp;Velká tlačítka</translation>
    </message>
    <message>
        <source>New Toolbar</source>
        <translation>Nový panel nástrojů</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Vlastní %1</translation>
    </message>
</context>
<context>
    <name>ViewAdvanced</name>
    <message>
        <source>&amp;VelkoScript:</source>
        <translation>&amp;VelkoScript:</translation>
    </message>
    <message>
        <source>Advanced actions</source>
        <translation>Rozšířené akce</translation>
    </message>
    <message>
        <source>Actions of the %1 state</source>
        <translation>Akce stavu %1</translation>
    </message>
    <message>
        <source>Actions of the %1 state of “%2”</source>
        <translation>Akce stavu %1 tlačítka „%2“</translation>
    </message>
</context>
<context>
    <name>ViewAudio</name>
    <message>
        <source>Test</source>
        <translation>Vyzkoušet</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Soubor:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Režim:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Sound of the %1 state</source>
        <translation>Zvuk stavu %1</translation>
    </message>
    <message>
        <source>Sound of the %1 state of “%2”</source>
        <translation>Zvuk stavu %1 tlačítka „%2“</translation>
    </message>
</context>
<context>
    <name>ViewBackground</name>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Barva:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Obrázek:</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>&amp;Styl:</translation>
    </message>
</context>
<context>
    <name>ViewBorder</name>
    <message>
        <source>Sm&amp;ooth</source>
        <translation>Vyh&amp;lazený</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatický</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Velikost:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixelů</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Barvy:</translation>
    </message>
</context>
<context>
    <name>ViewButton</name>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Stisknuté</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Viditelné</translation>
    </message>
    <message>
        <source>Dra&amp;gable</source>
        <translation>&amp;Přetahovatelné</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Název:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Režim:</translation>
    </message>
    <message>
        <source>&amp;Tool tip:</source>
        <translation>&amp;Bublinová nápověda:</translation>
    </message>
    <message>
        <source>Initially:</source>
        <translation>Na začátku:</translation>
    </message>
</context>
<context>
    <name>ViewFont</name>
    <message>
        <source>Font &amp;File...</source>
        <translation>&amp;Soubor písma...</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Písmo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Velikost:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
</context>
<context>
    <name>ViewFrame</name>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Barva:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Velikost:</translation>
    </message>
    <message>
        <source>pixels (0 = no frame)</source>
        <translation>pixelů (0 = bez rámečku)</translation>
    </message>
</context>
<context>
    <name>ViewImage</name>
    <message>
        <source>No image</source>
        <translation>Žádný obrázek</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Soubor:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Zarovnání:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Posun:</translation>
    </message>
</context>
<context>
    <name>ViewLeave</name>
    <message>
        <source>&amp;VelkoScript run when the mouse leaves the button:</source>
        <translation>&amp;VelkoScript spuštěný, když myš opustí tlačítko:</translation>
    </message>
</context>
<context>
    <name>ViewLink</name>
    <message>
        <source>No link</source>
        <translation>Žádný odkaz</translation>
    </message>
    <message>
        <source>The current frame</source>
        <translation>Aktuální rámec</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cíl:</translation>
    </message>
    <message>
        <source>&amp;Status line:</source>
        <translation>&amp;Stavový řádek:</translation>
    </message>
</context>
<context>
    <name>ViewOutline</name>
    <message>
        <source>&amp;New Button</source>
        <translation>&amp;Nové tlačítko</translation>
    </message>
    <message>
        <source>&amp;Delete Button</source>
        <translation>&amp;Smazat tlačítko</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Posunout na&amp;horu</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Posunout &amp;dolů</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>Du&amp;plikovat</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Paste &amp;Style</source>
        <translation>Vložit s&amp;tyl</translation>
    </message>
    <message>
        <source>Copy to &amp;Other States</source>
        <translation>Kopírovat do &amp;ostatních stavů</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Zpět: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Z&amp;novu: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
</context>
<context>
    <name>ViewOutput</name>
    <message>
        <source>&amp;Tokenize/Compress</source>
        <translation>&amp;Tokenizovat/komprimovat</translation>
    </message>
    <message>
        <source>&amp;Read input details from a file</source>
        <translation>&amp;Načítat podrobnosti vstupu ze souboru</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Podrobnosti...</translation>
    </message>
    <message>
        <source>Re&amp;fresh Rate:</source>
        <translation>&amp;Frekvence obnovy:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>&amp;Server Path:</source>
        <translation>&amp;Cesta na serveru:</translation>
    </message>
</context>
<context>
    <name>ViewProject</name>
    <message>
        <source>Vertical</source>
        <translation>Svisle</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Vodorovně</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Velikost</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Šířka:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Výška:</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Tlačítka</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Rozvržení:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Rozestup:</translation>
    </message>
    <message>
        <source>Project &amp;Identifier:</source>
        <translation>&amp;Identifikátor projektu:</translation>
    </message>
</context>
<context>
    <name>ViewScript</name>
    <message>
        <source>VelkoScript (&amp;Before Button Creation):</source>
        <translation>VelkoScript (&amp;před vytvořením tlačítek):</translation>
    </message>
    <message>
        <source>Add Action...</source>
        <translation>Přidat akci...</translation>
    </message>
    <message>
        <source>VelkoScript (&amp;After Button Creation):</source>
        <translation>VelkoScript (p&amp;o vytvoření tlačítek):</translation>
    </message>
</context>
<context>
    <name>ViewSize</name>
    <message>
        <source>Position</source>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixelů</translation>
    </message>
    <message>
        <source>The project&apos;s layout places the buttons. Choose the &quot;User Defined&quot; layout on the project&apos;s page to place them yourself.</source>
        <translation>Tlačítka umisťuje rozvržení projektu. Chcete-li je umístit sami, zvolte na stránce projektu rozvržení „Vlastní“.</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Cross Hair</source>
        <translation>Záměrný kříž</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>South West Resize</source>
        <translation>Změna velikosti (jihozápad)</translation>
    </message>
    <message>
        <source>South East Resize</source>
        <translation>Změna velikosti (jihovýchod)</translation>
    </message>
    <message>
        <source>North West Resize</source>
        <translation>Změna velikosti (severozápad)</translation>
    </message>
    <message>
        <source>North East Resize</source>
        <translation>Změna velikosti (severovýchod)</translation>
    </message>
    <message>
        <source>North Resize</source>
        <translation>Změna velikosti (sever)</translation>
    </message>
    <message>
        <source>South Resize</source>
        <translation>Změna velikosti (jih)</translation>
    </message>
    <message>
        <source>West Resize</source>
        <translation>Změna velikosti (západ)</translation>
    </message>
    <message>
        <source>East Resize</source>
        <translation>Změna velikosti (východ)</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Ruka</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Přesun</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Plné</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Průhledné</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Barva:</translation>
    </message>
    <message>
        <source>Restart &amp;Animations</source>
        <translation>Restartovat &amp;animace</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Pozadí:</translation>
    </message>
    <message>
        <source>C&amp;ursor:</source>
        <translation>&amp;Kurzor:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Posun:</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>Day (name)</source>
        <translation>Den (název)</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>Time (12 hour format)</source>
        <translation>Čas (12hodinový formát)</translation>
    </message>
    <message>
        <source>Time (24 hour format)</source>
        <translation>Čas (24hodinový formát)</translation>
    </message>
    <message>
        <source>Date (yy/mm/dd)</source>
        <translation>Datum (rr/mm/dd)</translation>
    </message>
    <message>
        <source>Date (mm/dd/yy)</source>
        <translation>Datum (mm/dd/rr)</translation>
    </message>
    <message>
        <source>Date (dd/mm/yy)</source>
        <translation>Datum (dd/mm/rr)</translation>
    </message>
    <message>
        <source>Year (short)</source>
        <translation>Rok (krátký)</translation>
    </message>
    <message>
        <source>Year (long)</source>
        <translation>Rok (dlouhý)</translation>
    </message>
    <message>
        <source>Month (number)</source>
        <translation>Měsíc (číslo)</translation>
    </message>
    <message>
        <source>Month (name)</source>
        <translation>Měsíc (název)</translation>
    </message>
    <message>
        <source>Day (date)</source>
        <translation>Den (datum)</translation>
    </message>
    <message>
        <source>Hours (12 hour format)</source>
        <translation>Hodiny (12hodinový formát)</translation>
    </message>
    <message>
        <source>Hours (24 hour format)</source>
        <translation>Hodiny (24hodinový formát)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Meridiem</source>
        <translation>Dopoledne/odpoledne</translation>
    </message>
    <message>
        <source>Time &amp;&amp; Date (Local)</source>
        <translation>Čas a datum (místní)</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamický text</translation>
    </message>
    <message>
        <source>&amp;Dynamic</source>
        <translation>&amp;Dynamický text</translation>
    </message>
    <message>
        <source>T&amp;ext:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Barva:</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Zarovnání:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Posun:</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>a button</source>
        <translation>tlačítko</translation>
    </message>
    <message>
        <source>a state</source>
        <translation>stav</translation>
    </message>
    <message>
        <source>a Text item</source>
        <translation>položka Text</translation>
    </message>
    <message>
        <source>a Border item</source>
        <translation>položka Okraj</translation>
    </message>
    <message>
        <source>an Audio item</source>
        <translation>položka Zvuk</translation>
    </message>
    <message>
        <source>an Image item</source>
        <translation>položka Obrázek</translation>
    </message>
    <message>
        <source>an Advanced item</source>
        <translation>položka Rozšířené</translation>
    </message>
    <message>
        <source>the project</source>
        <translation>projekt</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Dokument se nepodařilo otevřít.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Neočekávaný formát souboru.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Dokument se nepodařilo uložit.</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Prázdný dokument se nepodařilo vytvořit.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>Do %1 nelze zapisovat, je jen pro čtení nebo jej má otevřený někdo jiný.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Uložit změny v %1?</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Zadejte prosím celé číslo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadejte prosím celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>You must specify a name for each button!</source>
        <translation>Každé tlačítko musí mít název!</translation>
    </message>
    <message>
        <source>You must specifiy a valid Project Identifier for this project!</source>
        <translation>Tento projekt musí mít platný identifikátor projektu!</translation>
    </message>
    <message>
        <source>Another button already has the name &apos;%1&apos;! Please choose a unique name for this button.</source>
        <translation>Název &apos;%1&apos; už má jiné tlačítko! Zvolte pro toto tlačítko prosím jedinečný název.</translation>
    </message>
    <message>
        <source>Directory &apos;%1&apos; does not exist. Do you wish to create it?</source>
        <translation>Složka &apos;%1&apos; neexistuje. Chcete ji vytvořit?</translation>
    </message>
    <message>
        <source>Copying file &apos;%1&apos; </source>
        <translation>Kopíruje se soubor &apos;%1&apos; </translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Publikovat do:</translation>
    </message>
    <message>
        <source>The Publish operation was successful.  All files were copied.</source>
        <translation>Publikování proběhlo úspěšně. Všechny soubory byly zkopírovány.</translation>
    </message>
    <message>
        <source>Unable to create directory &apos;%1&apos;!</source>
        <translation>Složku &apos;%1&apos; nelze vytvořit!</translation>
    </message>
    <message>
        <source>The applet is %1 pixels. Browsers draw at most %2 pixels of it, so the buttons beyond are not shown; the page is published all the same.</source>
        <translation>Applet má %1 pixelů. Prohlížeče z něj vykreslí nejvýše %2 pixelů, takže tlačítka za touto hranicí se nezobrazí; stránka se přesto publikuje.</translation>
    </message>
    <message>
        <source>The Publish operation did not copy all files.  The published project may not work correctly.</source>
        <translation>Při publikování se nezkopírovaly všechny soubory. Publikovaný projekt nemusí fungovat správně.</translation>
    </message>
    <message>
        <source>There was a problem starting the browser! Make sure the path  to the browser is set correctly, and there is enough memory.</source>
        <translation>Při spouštění prohlížeče nastal problém! Zkontrolujte, zda je cesta k prohlížeči nastavena správně a zda je k dispozici dostatek paměti.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing!</source>
        <translation>Soubor &apos;%1&apos; chybí!</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; cannot be read!</source>
        <translation>Soubor &apos;%1&apos; nelze přečíst!</translation>
    </message>
    <message>
        <source>These files of the project were not found, so their names were kept as they are:
%1</source>
        <translation>Tyto soubory projektu nebyly nalezeny, proto byly jejich názvy ponechány beze změny:
%1</translation>
    </message>
    <message>
        <source>Published the page &apos;%1&apos; in &apos;%2&apos; with the %3 files it needs beside it (%4 copied now).</source>
        <translation>Stránka &apos;%1&apos; byla publikována do &apos;%2&apos; spolu s %3 soubory, které potřebuje (nyní zkopírováno: %4).</translation>
    </message>
    <message>
        <source>Please type the folder to publish the page into, or choose it with Browse.</source>
        <translation>Zadejte složku, do které se má stránka publikovat, nebo ji vyberte tlačítkem Procházet.</translation>
    </message>
    <message>
        <source>Please type the page&apos;s file name, such as index.html, without a folder.</source>
        <translation>Zadejte název souboru stránky, například index.html, bez složky.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>These files in the folder hold something other than what would be written in their place:
%1
Replace them? No writes nothing.</source>
        <translation>Tyto soubory ve složce obsahují něco jiného, než co by se na jejich místo zapsalo:
%1
Nahradit je? Při volbě Ne se nic nezapíše.</translation>
    </message>
    <message>
        <source>These files in the folder hold something other than what would be written in their place, so nothing was written (--replace replaces them):</source>
        <translation>Tyto soubory ve složce obsahují něco jiného, než co by se na jejich místo zapsalo, proto nebylo nic zapsáno (--replace je nahradí):</translation>
    </message>
    <message>
        <source>These files lie outside the project&apos;s folder:
%1
Copy them? No copies nothing.</source>
        <translation>Tyto soubory leží mimo složku projektu:
%1
Zkopírovat je? Při volbě Ne se nic nezkopíruje.</translation>
    </message>
    <message>
        <source>These files lie outside the project&apos;s folder:</source>
        <translation>Tyto soubory leží mimo složku projektu:</translation>
    </message>
    <message>
        <source>Unable to copy file &apos;%1&apos; to &apos;%2&apos;!</source>
        <translation>Soubor &apos;%1&apos; nelze zkopírovat do &apos;%2&apos;!</translation>
    </message>
    <message>
        <source>An error occured while copying files for previewing. Please make sure there is enough disk space, and that the files exist.</source>
        <translation>Při kopírování souborů pro náhled došlo k chybě. Zkontrolujte, zda je na disku dost místa a zda soubory existují.</translation>
    </message>
    <message>
        <source>Failed to open Clipboard!</source>
        <translation>Schránku se nepodařilo otevřít!</translation>
    </message>
    <message>
        <source>The audio file &apos;%1&apos; is not in the correct format.  It should be Sun &apos;.au&apos; format, 8000 Hz, mono, µ-law.</source>
        <translation>Zvukový soubor &apos;%1&apos; nemá správný formát. Musí být ve formátu Sun &apos;.au&apos;, 8000 Hz, mono, µ-law.</translation>
    </message>
    <message>
        <source>The audio file cannot be tested: no audio output device was found.</source>
        <translation>Zvukový soubor nelze vyzkoušet: nebylo nalezeno žádné zvukové výstupní zařízení.</translation>
    </message>
    <message>
        <source>A name cannot be empty. The old name is kept.</source>
        <translation>Název nemůže být prázdný. Zůstává původní název.</translation>
    </message>
    <message>
        <source>The text &apos;%1&apos; contains characters that cannot be stored. Please use other characters.</source>
        <translation>Text &apos;%1&apos; obsahuje znaky, které nelze uložit. Použijte prosím jiné znaky.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this project?</source>
        <translation>%1 byl od otevření změněn jiným programem. Nahradit jej tímto projektem?</translation>
    </message>
    <message>
        <source>%1 was changed by another program.</source>
        <translation>%1 byl změněn jiným programem.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reloading it loses the changes made here since it was last saved.</source>
        <translation>%1 byl změněn jiným programem. Opětovným načtením přijdete o změny provedené zde od posledního uložení.</translation>
    </message>
    <message>
        <source>%1 could not be reloaded: %2. The project stays as it is here and is marked as changed, so that it can be saved.</source>
        <translation>%1 nelze znovu načíst: %2. Projekt zůstává tak, jak je zde, a je označen jako změněný, aby jej bylo možné uložit.</translation>
    </message>
    <message>
        <source>it is not a project file</source>
        <translation>nejde o soubor projektu</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>it is larger than 256 MiB, more than any project</source>
        <translation>je větší než 256 MiB, víc než jakýkoli projekt</translation>
    </message>
    <message>
        <source>%1 has been replaced by a link to %2. Save the project as a file of its own in place of the link? %2 is left as it is.</source>
        <translation>%1 byl nahrazen odkazem na %2. Uložit projekt jako samostatný soubor místo odkazu? %2 zůstane beze změny.</translation>
    </message>
    <message>
        <source>The clipboard holds more than 16 MiB, far more than any copied button or group. Nothing was pasted.</source>
        <translation>Schránka obsahuje více než 16 MiB, mnohem víc než jakékoli zkopírované tlačítko nebo skupina. Nic nebylo vloženo.</translation>
    </message>
    <message>
        <source>The clipboard does not hold a whole copied button or group (it may come from another program, or be damaged). Nothing was pasted.</source>
        <translation>Schránka neobsahuje celé zkopírované tlačítko ani skupinu (může pocházet z jiného programu nebo být poškozená). Nic nebylo vloženo.</translation>
    </message>
    <message>
        <source>Paste Style: nothing is copied. Copy the item whose look the others should take first.</source>
        <translation>Vložit styl: nic není zkopírováno. Nejprve zkopírujte položku, jejíž vzhled mají ostatní převzít.</translation>
    </message>
    <message>
        <source>Paste Style: nothing is selected. Select the items that should take the copied look.</source>
        <translation>Vložit styl: nic není vybráno. Vyberte položky, které mají převzít zkopírovaný vzhled.</translation>
    </message>
    <message>
        <source>Paste Style: the copied item is %1, and the selection holds other kinds of items. Select items of the copied kind only.</source>
        <translation>Vložit styl: zkopírovaná položka je %1 a výběr obsahuje jiné druhy položek. Vyberte pouze položky zkopírovaného druhu.</translation>
    </message>
    <message>
        <source>Paste Style: the project has no look to paste. Copy a button, a state or one of a state&apos;s items.</source>
        <translation>Vložit styl: projekt nemá žádný vzhled k vložení. Zkopírujte tlačítko, stav nebo některou z položek stavu.</translation>
    </message>
    <message>
        <source>VelkoButton ended before the changes to %1 were saved. They were kept in &apos;%2&apos;. Open them now?

Yes opens them as unsaved changes to %1. No removes &apos;%2&apos;. Cancel keeps it for the next start.</source>
        <translation>VelkoButton skončil dříve, než se uložily změny v %1. Byly zachovány v &apos;%2&apos;. Otevřít je nyní?

Ano je otevře jako neuložené změny v %1. Ne odstraní &apos;%2&apos;. Zrušit jej ponechá pro příští spuštění.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be kept: neither the project&apos;s folder nor the cache folder took them.</source>
        <translation>Neuložené změny v %1 nebylo možné zachovat: nepřijala je složka projektu ani složka mezipaměti.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the same file as the input &apos;%2&apos;; it was not replaced.</source>
        <translation>&apos;%1&apos; je stejný soubor jako vstup &apos;%2&apos;; nebyl nahrazen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file; it was not replaced.</source>
        <translation>&apos;%1&apos; není běžný soubor; nebyl nahrazen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only; it was not replaced.</source>
        <translation>&apos;%1&apos; je jen pro čtení; nebyl nahrazen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a program (it may be run); it was not replaced.</source>
        <translation>&apos;%1&apos; je program (lze jej spustit); nebyl nahrazen.</translation>
    </message>
    <message>
        <source>Unable to write &apos;%1&apos;: %2. Any file of that name is unchanged.</source>
        <translation>Do &apos;%1&apos; nelze zapisovat: %2. Žádný soubor s tímto názvem nebyl změněn.</translation>
    </message>
    <message>
        <source>Unable to read &apos;%1&apos;: %2.</source>
        <translation>&apos;%1&apos; nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>The file name &apos;%1&apos; contains characters that cannot be stored in the project. Please rename the file or choose another one.</source>
        <translation>Název souboru &apos;%1&apos; obsahuje znaky, které nelze v projektu uložit. Přejmenujte prosím soubor nebo zvolte jiný.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have the same file name and cannot both be copied beside the page. Nothing was copied.</source>
        <translation>&apos;%1&apos; a &apos;%2&apos; mají stejný název souboru a nelze je oba zkopírovat vedle stránky. Nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>Copying &apos;%1&apos; would replace &apos;%2&apos;. Nothing was copied.</source>
        <translation>Zkopírováním &apos;%1&apos; by se nahradil &apos;%2&apos;. Nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have file names that differ only in case, which a server may take for one, and cannot both be copied beside the page. Nothing was copied.</source>
        <translation>&apos;%1&apos; a &apos;%2&apos; mají názvy souborů lišící se jen velikostí písmen, což server může považovat za jeden soubor, a nelze je oba zkopírovat vedle stránky. Nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source> Nothing was copied.</source>
        <translation> Nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than 64 MiB, more than any image or sound of a page needs; it is not shown.</source>
        <translation>&apos;%1&apos; je větší než 64 MiB, víc, než potřebuje jakýkoli obrázek nebo zvuk stránky; nezobrazuje se.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link, a folder or a special file, so nothing is written through it. Nothing was copied.</source>
        <translation>&apos;%1&apos; je odkaz, složka nebo speciální soubor, takže se přes něj nic nezapisuje. Nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>The file name &apos;%1&apos; holds control characters (shown here as ^ and a letter), so the file is not used.</source>
        <translation>Název souboru &apos;%1&apos; obsahuje řídicí znaky (zde zobrazené jako ^ a písmeno), proto se soubor nepoužije.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an image or sound file that a page can use.</source>
        <translation>&apos;%1&apos; není obrázek ani zvukový soubor, který může stránka použít.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than 64 MiB, more than any image or sound of a page needs.</source>
        <translation>&apos;%1&apos; je větší než 64 MiB, víc, než potřebuje jakýkoli obrázek nebo zvuk stránky.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named like a file that a web server runs or shows as a page.</source>
        <translation>&apos;%1&apos; má název jako soubor, který webový server spouští nebo zobrazuje jako stránku.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds %2, but its name does not end in %3.</source>
        <translation>&apos;%1&apos; obsahuje %2, ale jeho název nekončí na %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds parameters, but its name ends like an image&apos;s, sound&apos;s or font&apos;s.</source>
        <translation>&apos;%1&apos; obsahuje parametry, ale jeho název končí jako název obrázku, zvuku nebo písma.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named like a file that a web server reads its settings from.</source>
        <translation>&apos;%1&apos; má název jako soubor, ze kterého webový server čte svá nastavení.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not what the page uses it as: %2.</source>
        <translation>&apos;%1&apos; není tím, k čemu jej stránka používá: %2.</translation>
    </message>
    <message>
        <source>the file changed after it was checked</source>
        <translation>soubor se po kontrole změnil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an SVG image that holds a script, an event attribute, a javascript: link or a foreign object.</source>
        <translation>&apos;%1&apos; je obrázek SVG, který obsahuje skript, atribut události, odkaz javascript: nebo cizí objekt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have file names that differ only in case, which a server may take for one; neither is shown.</source>
        <translation>&apos;%1&apos; a &apos;%2&apos; mají názvy souborů lišící se jen velikostí písmen, což server může považovat za jeden soubor; nezobrazuje se ani jeden.</translation>
    </message>
    <message>
        <source>Contrast %1 — hard to read; %2 or more reads well</source>
        <translation>Kontrast %1 — špatně čitelné; od %2 výše se čte dobře</translation>
    </message>
    <message>
        <source>Also below %1: %2</source>
        <translation>Také pod %1: %2</translation>
    </message>
    <message>
        <source>Captions hard to read (below %1): %2</source>
        <translation>Špatně čitelné popisky (pod %1): %2</translation>
    </message>
    <message>
        <source>This project has not been saved to a file yet, so there is nothing to read again.</source>
        <translation>Tento projekt ještě nebyl uložen do souboru, takže není co znovu načíst.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Reading the file again as %2 replaces the project with what the file holds. Read it again?</source>
        <translation>%1 obsahuje neuložené změny. Opětovné načtení souboru jako %2 nahradí projekt obsahem souboru. Načíst znovu?</translation>
    </message>
    <message>
        <source>%1 could not be read again: %2. The project stays as it is.</source>
        <translation>Soubor %1 nelze znovu načíst: %2. Projekt zůstává beze změny.</translation>
    </message>
</context>
</TS>
