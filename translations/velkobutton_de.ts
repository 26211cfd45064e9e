<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BrowserPage</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Pass as local file</source>
        <translation>Als lokale &amp;Datei übergeben</translation>
    </message>
    <message>
        <source>&amp;Set classpath environment variable</source>
        <translation>Umgebungsvariable &amp;classpath setzen</translation>
    </message>
    <message>
        <source>Add the JavaScript runtime so that the buttons work in browsers without Java</source>
        <translation>Die JavaScript-Laufzeit hinzufügen, damit die Schaltflächen in Browsern ohne Java funktionieren</translation>
    </message>
    <message>
        <source>&amp;Browser:</source>
        <translation>&amp;Browser:</translation>
    </message>
    <message>
        <source>If the Browser field is not set, the default system browser will be used.</source>
        <translation>Wenn das Feld „Browser“ leer ist, wird der Standardbrowser des Systems verwendet.</translation>
    </message>
    <message>
        <source>If your browser fails to load a local file specified as a URL address (eg. Microsoft Internet Explorer), try clicking the &apos;Pass as local file&apos; checkbox instead.</source>
        <translation>Wenn Ihr Browser eine als URL angegebene lokale Datei nicht lädt (z. B. Microsoft Internet Explorer), aktivieren Sie stattdessen das Kontrollkästchen „Als lokale Datei übergeben“.</translation>
    </message>
    <message>
        <source>If images fail to load when previewing your project in an external browser, try checking the box below:</source>
        <translation>Wenn bei der Vorschau Ihres Projekts in einem externen Browser keine Bilder geladen werden, aktivieren Sie das folgende Kontrollkästchen:</translation>
    </message>
</context>
<context>
    <name>ButtonTable</name>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Tool Tip</source>
        <translation>Kurzinfo</translation>
    </message>
    <message>
        <source>Status Text</source>
        <translation>Statustext</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>ColorButton</name>
    <message>
        <source>#RRGGBB or a name</source>
        <translation>#RRGGBB oder ein Name</translation>
    </message>
    <message>
        <source>Type a colour as #8B4513, 8B4513 or a name such as sienna, then Enter</source>
        <translation>Geben Sie eine Farbe als #8B4513, 8B4513 oder als Namen wie sienna ein und drücken Sie dann die Eingabetaste</translation>
    </message>
    <message>
        <source>In this project</source>
        <translation>In diesem Projekt</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CommandsPage</name>
    <message>
        <source>Select a category, then drag a button onto any toolbar. Drag a button off a toolbar to remove it.</source>
        <translation>Wählen Sie eine Kategorie und ziehen Sie dann eine Schaltfläche auf eine beliebige Werkzeugleiste. Ziehen Sie eine Schaltfläche von einer Werkzeugleiste weg, um sie zu entfernen.</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>ConfigTextPage</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>To change the names of the days, click the name of the day twice.</source>
        <translation>Um die Namen der Tage zu ändern, klicken Sie zweimal auf den Namen des Tages.</translation>
    </message>
    <message>
        <source>To change the names of the months, click on the month name twice.</source>
        <translation>Um die Namen der Monate zu ändern, klicken Sie zweimal auf den Namen des Monats.</translation>
    </message>
    <message>
        <source>You can change the name of the meridiem (meridian) used when displaying time in 12 hour format.</source>
        <translation>Sie können die Bezeichnung der Tageshälfte (AM/PM) ändern, die bei der Anzeige der Uhrzeit im 12-Stunden-Format verwendet wird.</translation>
    </message>
    <message>
        <source>A.M. (ante meridiem)</source>
        <translation>A.M. (ante meridiem, vormittags)</translation>
    </message>
    <message>
        <source>P.M. (post meridiem)</source>
        <translation>P.M. (post meridiem, nachmittags)</translation>
    </message>
</context>
<context>
    <name>ContrastStrip</name>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyProgressDialog</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move Button</source>
        <translation>Schaltfläche verschieben</translation>
    </message>
    <message>
        <source>Duplicate Button</source>
        <translation>Schaltfläche duplizieren</translation>
    </message>
    <message>
        <source>Duplicate Buttons</source>
        <translation>Schaltflächen duplizieren</translation>
    </message>
    <message>
        <source>Paste Style</source>
        <translation>Stil einfügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>Change Caption</source>
        <translation>Beschriftung ändern</translation>
    </message>
    <message>
        <source>Change Link</source>
        <translation>Link ändern</translation>
    </message>
    <message>
        <source>Change Tool Tip</source>
        <translation>Kurzinfo ändern</translation>
    </message>
    <message>
        <source>Change Status Text</source>
        <translation>Statustext ändern</translation>
    </message>
    <message>
        <source>Change Target</source>
        <translation>Ziel ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation>Projekt ändern</translation>
    </message>
    <message>
        <source>Change Button</source>
        <translation>Schaltfläche ändern</translation>
    </message>
    <message>
        <source>Change State</source>
        <translation>Zustand ändern</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Text ändern</translation>
    </message>
    <message>
        <source>Change Border</source>
        <translation>Rand ändern</translation>
    </message>
    <message>
        <source>Change Audio</source>
        <translation>Audio ändern</translation>
    </message>
    <message>
        <source>Change Image</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Change Advanced</source>
        <translation>Erweiterte Einstellungen ändern</translation>
    </message>
    <message>
        <source>%1 Button &apos;%2&apos;</source>
        <translation>%1 (Schaltfläche „%2“)</translation>
    </message>
    <message>
        <source>%1 %2 Buttons</source>
        <translation>%1 (%2 Schaltflächen)</translation>
    </message>
    <message>
        <source>%1 (%2 states)</source>
        <translation>%1 (%2 Zustände)</translation>
    </message>
    <message>
        <source>%1 (%2 buttons)</source>
        <translation>%1 (%2 Schaltflächen)</translation>
    </message>
    <message>
        <source>Reopen with Encoding</source>
        <translation>Mit Kodierung erneut öffnen</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>VelkoButton Project Files (*.but)|*.but|All Files (*.*)|*.*||</source>
        <translation>VelkoButton-Projektdateien (*.but)|*.but|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||</source>
        <translation>HTML-Dateien (*.html, *.htm)|*.htm;*.html|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>VelkoVerify Input Files (*.txt, *.dat)|*.txt;*.dat|All Files (*.*)|*.*||</source>
        <translation>VelkoVerify-Eingabedateien (*.txt, *.dat)|*.txt;*.dat|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Font Files (*.woff2,*.woff,*.ttf,*.otf)|*.woff2;*.woff;*.ttf;*.otf|All Files (*.*)|*.*||</source>
        <translation>Schriftdateien (*.woff2,*.woff,*.ttf,*.otf)|*.woff2;*.woff;*.ttf;*.otf|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Audio Files (*.au)|*.au|All Files (*.*)|*.*||</source>
        <translation>Audiodateien (*.au)|*.au|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Executable Files (*.exe, *.com)|*.exe;*.com|All Files (*.*)|*.*||</source>
        <translation>Ausführbare Dateien (*.exe, *.com)|*.exe;*.com|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Executable Files (*.exe, *.com)|*.exe;*.com||</source>
        <translation>Alle Dateien (*.*)|*.*|Ausführbare Dateien (*.exe, *.com)|*.exe;*.com||</translation>
    </message>
    <message>
        <source>Image Files (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|Images for Java-only browsers (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|All Files (*.*)|*.*||</source>
        <translation>Bilddateien (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|Bilder für reine Java-Browser (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>FrameMain</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Recent &amp;File</source>
        <translation>Zu&amp;letzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste &amp;Style</source>
        <translation>&amp;Stil einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Copy to &amp;Other States</source>
        <translation>In andere &amp;Zustände kopieren</translation>
    </message>
    <message>
        <source>&amp;Up States</source>
        <translation>Zustände „&amp;Normal“</translation>
    </message>
    <message>
        <source>&amp;Over States</source>
        <translation>Zustände „&amp;Mouseover“</translation>
    </message>
    <message>
        <source>&amp;Down States</source>
        <translation>Zustände „&amp;Gedrückt“</translation>
    </message>
    <message>
        <source>&amp;Text Items</source>
        <translation>&amp;Textelemente</translation>
    </message>
    <message>
        <source>&amp;Border Items</source>
        <translation>&amp;Randelemente</translation>
    </message>
    <message>
        <source>&amp;Audio Items</source>
        <translation>&amp;Audioelemente</translation>
    </message>
    <message>
        <source>&amp;Image Items</source>
        <translation>&amp;Bildelemente</translation>
    </message>
    <message>
        <source>Ad&amp;vanced Items</source>
        <translation>&amp;Erweiterte Elemente</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Move Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Edit &amp;Caption</source>
        <translation>&amp;Beschriftung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Toolbars...</source>
        <translation>&amp;Werkzeugleisten...</translation>
    </message>
    <message>
        <source>&amp;Info/Preview</source>
        <translation>&amp;Info/Vorschau</translation>
    </message>
    <message>
        <source>&amp;Live View</source>
        <translation>&amp;Live-Ansicht</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Buttons Table</source>
        <translation>&amp;Schaltflächentabelle</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Preview &amp;Internally</source>
        <translation>&amp;Interne Vorschau</translation>
    </message>
    <message>
        <source>&amp;Stop Preview</source>
        <translation>Vorschau &amp;beenden</translation>
    </message>
    <message>
        <source>External &amp;Browser Preview</source>
        <translation>Vorschau im e&amp;xternen Browser</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>&amp;Veröffentlichen...</translation>
    </message>
    <message>
        <source>&amp;Help Contents</source>
        <translation>&amp;Hilfeinhalt</translation>
    </message>
    <message>
        <source>&amp;Previous Topic</source>
        <translation>&amp;Vorheriges Thema</translation>
    </message>
    <message>
        <source>&amp;Lock Topic</source>
        <translation>Thema &amp;beibehalten</translation>
    </message>
    <message>
        <source>Online &amp;FAQ sheet</source>
        <translation>Online-&amp;FAQ</translation>
    </message>
    <message>
        <source>Velko on the &amp;Web</source>
        <translation>Velko im &amp;Web</translation>
    </message>
    <message>
        <source>&amp;About VelkoButton...</source>
        <translation>&amp;Über VelkoButton...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Context Help</source>
        <translation>Kontexthilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wahl</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>(No recent files)</source>
        <translation>(Keine zuletzt geöffneten Dateien)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Info/Preview</source>
        <translation>Info/Vorschau</translation>
    </message>
    <message>
        <source>Live View</source>
        <translation>Live-Ansicht</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Werkzeugleisten</translation>
    </message>
    <message>
        <source>&amp;Show Tooltips</source>
        <translation>&amp;Kurzinfos anzeigen</translation>
    </message>
    <message>
        <source>&amp;Large Buttons</source>
        <translation>&amp;Große Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Customize...</source>
        <translation>&amp;Anpassen...</translation>
    </message>
    <message>
        <source>About VelkoButton</source>
        <translation>Über VelkoButton</translation>
    </message>
    <message>
        <source>Version %1 (Build %2)</source>
        <translation>Version %1 (Build %2)</translation>
    </message>
    <message>
        <source>Reopen with &amp;Encoding</source>
        <translation>Mit &amp;Kodierung erneut öffnen</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltisch (Windows-1257)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
</context>
<context>
    <name>InputDetailsDialog</name>
    <message>
        <source>Input Details</source>
        <translation>Eingabedetails</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Would you like to generate the input file now?</source>
        <translation>Möchten Sie die Eingabedatei jetzt erzeugen?</translation>
    </message>
    <message>
        <source>&amp;What is the name of the file you would like the parameters read from?</source>
        <translation>&amp;Wie heißt die Datei, aus der die Parameter gelesen werden sollen?</translation>
    </message>
    <message>
        <source>&amp;How often would you like the parameters read from the file?</source>
        <translation>Wie &amp;oft sollen die Parameter aus der Datei gelesen werden?</translation>
    </message>
</context>
<context>
    <name>InsertActionDialog</name>
    <message>
        <source>Insert Action</source>
        <translation>Aktion einfügen</translation>
    </message>
    <message>
        <source>&amp;Action:</source>
        <translation>&amp;Aktion:</translation>
    </message>
    <message>
        <source>Apply &amp;To:</source>
        <translation>Anwenden a&amp;uf:</translation>
    </message>
</context>
<context>
    <name>KesView</name>
    <message>
        <source>Follows Up: this value changes with the Up state until you give it one of its own.</source>
        <translation>Folgt „Normal“: Dieser Wert ändert sich mit dem Zustand „Normal“, bis Sie ihm einen eigenen Wert geben.</translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation>(mehrere Werte)</translation>
    </message>
</context>
<context>
    <name>KesWndInfo</name>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>KesWndProperties</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message numerus="yes">
        <source>Properties — %n items</source>
        <translation>
            <numerusform>Eigenschaften — %n Element</numerusform>
            <numerusform>Eigenschaften — %n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Zustände</translation>
    </message>
    <message numerus="yes">
        <source>%n buttons</source>
        <translation>
            <numerusform>%n Schaltfläche</numerusform>
            <numerusform>%n Schaltflächen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>&amp;Language of the editor:</source>
        <translation>&amp;Sprache des Editors:</translation>
    </message>
    <message>
        <source>System follows the language of the desktop. The editor shows the language chosen from its next start.</source>
        <translation>„System“ folgt der Sprache der Arbeitsumgebung. Der Editor zeigt die gewählte Sprache ab seinem nächsten Start.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <source>Try</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Let the buttons react to the mouse as on the page</source>
        <translation>Die Schaltflächen wie auf der Seite auf die Maus reagieren lassen</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+Minus)</source>
        <translation>Verkleinern (Strg+Minus)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+Plus)</source>
        <translation>Vergrößern (Strg+Plus)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>Actual size (Ctrl+0)</source>
        <translation>Originalgröße (Strg+0)</translation>
    </message>
    <message>
        <source>The live view needs the built-in web browser, which is not available.</source>
        <translation>Die Live-Ansicht benötigt den eingebauten Webbrowser, der nicht verfügbar ist.</translation>
    </message>
    <message>
        <source>The live view could not write its page.</source>
        <translation>Die Live-Ansicht konnte ihre Seite nicht schreiben.</translation>
    </message>
    <message>
        <source>The project&apos;s scripts did not finish, so the live view stopped them. It starts again with the next change.</source>
        <translation>Die Skripte des Projekts wurden nicht beendet, daher hat die Live-Ansicht sie angehalten. Sie startet mit der nächsten Änderung erneut.</translation>
    </message>
</context>
<context>
    <name>NewOpenDialog</name>
    <message>
        <source>Vertical Menu</source>
        <translation>Vertikales Menü</translation>
    </message>
    <message>
        <source>Horizontal Bar</source>
        <translation>Horizontale Leiste</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Registerkarten</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Call to Action</source>
        <translation>Handlungsaufforderung</translation>
    </message>
    <message>
        <source>Menu with Sub-menu</source>
        <translation>Menü mit Untermenü</translation>
    </message>
    <message>
        <source>New/Open Project</source>
        <translation>Neues/bestehendes Projekt</translation>
    </message>
    <message>
        <source>Create a new project using</source>
        <translation>Neues Projekt erstellen:</translation>
    </message>
    <message>
        <source>&amp;Blank Project</source>
        <translation>&amp;Leeres Projekt</translation>
    </message>
    <message>
        <source>A &amp;Template</source>
        <translation>Aus einer &amp;Vorlage</translation>
    </message>
    <message>
        <source>&amp;Open an Existing Project</source>
        <translation>Bestehendes Projekt ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>NonJavaPage</name>
    <message>
        <source>The message below will be displayed when viewing the project with non Java enabled browsers. Delete the message if you do not wish to have it displayed.</source>
        <translation>Die folgende Meldung wird angezeigt, wenn das Projekt in Browsern ohne Java-Unterstützung betrachtet wird. Löschen Sie die Meldung, wenn sie nicht angezeigt werden soll.</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>Pages with the JavaScript runtime show a list of the buttons&apos; links instead of the message, and name their language:</source>
        <translation>Seiten mit der JavaScript-Laufzeit zeigen statt der Meldung eine Liste der Links der Schaltflächen an und geben ihre Sprache an:</translation>
    </message>
    <message>
        <source>Page &amp;language:</source>
        <translation>Seiten&amp;sprache:</translation>
    </message>
</context>
<context>
    <name>OptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Werkzeugleisten</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Configurable Text</source>
        <translation>Konfigurierbarer Text</translation>
    </message>
    <message>
        <source>Non Java Browsers</source>
        <translation>Browser ohne Java</translation>
    </message>
    <message>
        <source>External Browser</source>
        <translation>Externer Browser</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
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
        <translation>Normal</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Mouseover</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Gedrückt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>PublishDialog</name>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Publish the page and every file it needs into a folder</source>
        <translation>Die Seite und alle benötigten Dateien in einen Ordner veröffentlichen</translation>
    </message>
    <message>
        <source>A folder of your web site; a new one is made</source>
        <translation>Ein Ordner Ihrer Website; ein neuer wird angelegt</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Add the JavaScript runtime so that the buttons work in browsers without Java</source>
        <translation>Die JavaScript-Laufzeit hinzufügen, damit die Schaltflächen in Browsern ohne Java funktionieren</translation>
    </message>
    <message>
        <source>&amp;Open the page in the browser afterwards</source>
        <translation>Seite anschließend im Browser ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Page &amp;name:</source>
        <translation>Seiten&amp;name:</translation>
    </message>
    <message>
        <source>It will write:</source>
        <translation>Es wird geschrieben:</translation>
    </message>
    <message>
        <source>To add the project to an existing HTML document, use the button below to copy the HTML segment for the project to the clipboard, then paste the code into your HTML or text editor.</source>
        <translation>Um das Projekt in ein bestehendes HTML-Dokument einzufügen, kopieren Sie mit der Schaltfläche unten den HTML-Abschnitt des Projekts in die Zwischenablage und fügen den Code dann in Ihren HTML- oder Texteditor ein.</translation>
    </message>
    <message>
        <source>To create a HTML document containing the project code which may be used as a starting point for your own HTML page, click the button below.</source>
        <translation>Um ein HTML-Dokument mit dem Projektcode zu erstellen, das Sie als Ausgangspunkt für Ihre eigene HTML-Seite verwenden können, klicken Sie auf die Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Copied from %1</source>
        <translation>Kopiert aus %1</translation>
    </message>
    <message>
        <source>(the page: type its name)</source>
        <translation>(die Seite: Namen eingeben)</translation>
    </message>
    <message>
        <source>%1 (the page, in a new folder)</source>
        <translation>%1 (die Seite, in einem neuen Ordner)</translation>
    </message>
    <message>
        <source>%1 (the page)</source>
        <translation>%1 (die Seite)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>Diese Version &amp;behalten</translation>
    </message>
    <message>
        <source>Read the file as the other program left it</source>
        <translation>Die Datei so einlesen, wie das andere Programm sie hinterlassen hat</translation>
    </message>
    <message>
        <source>Keep the project as it is here; saving it replaces the file</source>
        <translation>Das Projekt so behalten, wie es hier ist; beim Speichern wird die Datei ersetzt</translation>
    </message>
</context>
<context>
    <name>ResourcesDialog</name>
    <message>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>The project has been successfully created. The HTML code for this project is displayed below.</source>
        <translation>Das Projekt wurde erfolgreich erstellt. Der HTML-Code für dieses Projekt wird unten angezeigt.</translation>
    </message>
    <message>
        <source>The following resources are used by this project: copy these files beside the page on your web site. Copy Locally... puts the selected ones into a folder of your choice, ready to upload.</source>
        <translation>Dieses Projekt verwendet die folgenden Ressourcen: Kopieren Sie diese Dateien auf Ihrer Website neben die Seite. „Lokal kopieren...“ legt die ausgewählten Dateien in einem Ordner Ihrer Wahl ab, bereit zum Hochladen.</translation>
    </message>
    <message>
        <source>Copy &amp;Locally...</source>
        <translation>&amp;Lokal kopieren...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>ScriptPage</name>
    <message>
        <source>&amp;Add Action...</source>
        <translation>Aktion &amp;hinzufügen...</translation>
    </message>
</context>
<context>
    <name>SealedPage</name>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>More Files...</source>
        <translation>Weitere Dateien...</translation>
    </message>
    <message>
        <source>Details of the input file
Input Details
inputfile</source>
        <translation>Details der Eingabedatei
Eingabedetails
inputfile</translation>
    </message>
    <message>
        <source>The frequency to reload the input details
Reload Interval
inputfilereloadinterval</source>
        <translation>Wie oft die Eingabedetails neu geladen werden
Aktualisierungsintervall
inputfilereloadinterval</translation>
    </message>
    <message>
        <source>The name of the input file
Input File
inputfileinputfile</source>
        <translation>Der Name der Eingabedatei
Eingabedatei
inputfileinputfile</translation>
    </message>
    <message>
        <source>Generate the input file
Generate Input
inputfilegenerate</source>
        <translation>Die Eingabedatei erzeugen
Eingabe erzeugen
inputfilegenerate</translation>
    </message>
    <message>
        <source>Create a new project or open an existing one
New/Open Project
newopen</source>
        <translation>Ein neues Projekt erstellen oder ein bestehendes öffnen
Neues/bestehendes Projekt
newopen</translation>
    </message>
    <message>
        <source>Choose the project to open
Projects
newopenlist</source>
        <translation>Das zu öffnende Projekt wählen
Projekte
newopenlist</translation>
    </message>
    <message>
        <source>Start with a blank project
Blank Project
newopenblank</source>
        <translation>Mit einem leeren Projekt beginnen
Leeres Projekt
newopenblank</translation>
    </message>
    <message>
        <source>Open a project you have saved before
Open an Existing Project
newopenexisting</source>
        <translation>Ein zuvor gespeichertes Projekt öffnen
Bestehendes Projekt öffnen
newopenexisting</translation>
    </message>
    <message>
        <source>Program information, version number and copyright
About VelkoButton
helpabout</source>
        <translation>Programminformationen, Versionsnummer und Copyright
Über VelkoButton
helpabout</translation>
    </message>
    <message>
        <source>Configurable text
Configurable Text
configtext</source>
        <translation>Konfigurierbarer Text
Konfigurierbarer Text
configtext</translation>
    </message>
    <message>
        <source>Text for each day of the week
Day Text
configtextdays</source>
        <translation>Text für jeden Wochentag
Tagestext
configtextdays</translation>
    </message>
    <message>
        <source>Text for each month of the year
Month Text
configtextmonth</source>
        <translation>Text für jeden Monat des Jahres
Monatstext
configtextmonth</translation>
    </message>
    <message>
        <source>Ante meridiem text
Ante Meridiem
configtextam</source>
        <translation>Text für vormittags (AM)
Vormittags (AM)
configtextam</translation>
    </message>
    <message>
        <source>Post meridiem text
Post Meridiem
configtextpm</source>
        <translation>Text für nachmittags (PM)
Nachmittags (PM)
configtextpm</translation>
    </message>
    <message>
        <source>Audio
Audio
audio</source>
        <translation>Audio
Audio
audio</translation>
    </message>
    <message>
        <source>Select the audio file
Select Audio
audioselect</source>
        <translation>Die Audiodatei auswählen
Audio auswählen
audioselect</translation>
    </message>
    <message>
        <source>Test (play) the selected audio file
Test Audio
audiotest</source>
        <translation>Die ausgewählte Audiodatei testen (abspielen)
Audio testen
audiotest</translation>
    </message>
    <message>
        <source>The audio file to play/loop/stop
Audio File
audiofile</source>
        <translation>Die Audiodatei, die abgespielt, wiederholt oder angehalten wird
Audiodatei
audiofile</translation>
    </message>
    <message>
        <source>Set the audio to play
Play Audio
audioplay</source>
        <translation>Das Audio abspielen lassen
Audio abspielen
audioplay</translation>
    </message>
    <message>
        <source>Set the audio to loop
Loop Audio
audioloop</source>
        <translation>Das Audio in einer Schleife abspielen lassen
Audio wiederholen
audioloop</translation>
    </message>
    <message>
        <source>Stop playing the audio
Stop Audio
audiostop</source>
        <translation>Das Abspielen des Audios beenden
Audio anhalten
audiostop</translation>
    </message>
    <message>
        <source>Border
Border
border</source>
        <translation>Rand
Rand
border</translation>
    </message>
    <message>
        <source>Make the border appear smooth
Smooth Border
bordersmooth</source>
        <translation>Den Rand geglättet darstellen
Geglätteter Rand
bordersmooth</translation>
    </message>
    <message>
        <source>The top color of the border
Border Top Color
bordertopcolor</source>
        <translation>Die obere Farbe des Rands
Randfarbe oben
bordertopcolor</translation>
    </message>
    <message>
        <source>The middle color of the border
Border Middle Color
bordermidcolor</source>
        <translation>Die mittlere Farbe des Rands
Randfarbe Mitte
bordermidcolor</translation>
    </message>
    <message>
        <source>The bottom color of the border
Border Bottom Color
borderbotcolor</source>
        <translation>Die untere Farbe des Rands
Randfarbe unten
borderbotcolor</translation>
    </message>
    <message>
        <source>The size of the border
Border Size
bordersize</source>
        <translation>Die Breite des Rands
Randbreite
bordersize</translation>
    </message>
    <message>
        <source>Don&apos;t display a border around button
No Border
borderstylenone</source>
        <translation>Keinen Rand um die Schaltfläche anzeigen
Kein Rand
borderstylenone</translation>
    </message>
    <message>
        <source>Display the button with a flat border
Flat Border
borderstyleflat</source>
        <translation>Die Schaltfläche mit einem flachen Rand anzeigen
Flacher Rand
borderstyleflat</translation>
    </message>
    <message>
        <source>Display the button using a bevel border
Bevel Border
borderstylebevel</source>
        <translation>Die Schaltfläche mit einem abgeschrägten Rand anzeigen
Abgeschrägter Rand
borderstylebevel</translation>
    </message>
    <message>
        <source>Display the button using a point border
Point Border
borderstylepoint</source>
        <translation>Die Schaltfläche mit einem Punktrand anzeigen
Punktrand
borderstylepoint</translation>
    </message>
    <message>
        <source>Display the border using a raised border
Raised Border
borderstyleraised</source>
        <translation>Den Rand erhaben anzeigen
Erhabener Rand
borderstyleraised</translation>
    </message>
    <message>
        <source>Use the button color as the basis for the border color
Automatic Border
borderauto</source>
        <translation>Die Farbe der Schaltfläche als Grundlage für die Randfarbe verwenden
Automatischer Rand
borderauto</translation>
    </message>
    <message>
        <source>Frame
Frame
frame</source>
        <translation>Rahmen
Rahmen
frame</translation>
    </message>
    <message>
        <source>The color of the frame
Frame Color
framecolor</source>
        <translation>Die Farbe des Rahmens
Rahmenfarbe
framecolor</translation>
    </message>
    <message>
        <source>The size of the frame (0 = no frame)
Frame Size
framesize</source>
        <translation>Die Breite des Rahmens (0 = kein Rahmen)
Rahmenbreite
framesize</translation>
    </message>
    <message>
        <source>Font
Font
font</source>
        <translation>Schrift
Schrift
font</translation>
    </message>
    <message>
        <source>The name of the font
Font Name
fontfamily</source>
        <translation>Der Name der Schriftart
Schriftart
fontfamily</translation>
    </message>
    <message>
        <source>Size of the font
Font Size
fontsize</source>
        <translation>Die Größe der Schrift
Schriftgröße
fontsize</translation>
    </message>
    <message>
        <source>The text will be displayed as bold
Bold
fontbold</source>
        <translation>Der Text wird fett dargestellt
Fett
fontbold</translation>
    </message>
    <message>
        <source>The text will be displayed as italic
Italic
fontitalic</source>
        <translation>Der Text wird kursiv dargestellt
Kursiv
fontitalic</translation>
    </message>
    <message>
        <source>The text will be underlined
Underline
fontunderline</source>
        <translation>Der Text wird unterstrichen
Unterstrichen
fontunderline</translation>
    </message>
    <message>
        <source>The text will be displayed embossed
Emboss
fontemboss</source>
        <translation>Der Text wird erhaben dargestellt
Erhaben
fontemboss</translation>
    </message>
    <message>
        <source>The text will be displayed engraved
Engrave
fontengrave</source>
        <translation>Der Text wird graviert dargestellt
Graviert
fontengrave</translation>
    </message>
    <message>
        <source>Use a font file (.woff2, .woff, .ttf or .otf) for the caption; it is copied beside the page when you preview or publish, and the page loads it
Font File
fontfile</source>
        <translation>Eine Schriftdatei (.woff2, .woff, .ttf oder .otf) für die Beschriftung verwenden; sie wird bei Vorschau und Veröffentlichung neben die Seite kopiert, und die Seite lädt sie
Schriftdatei
fontfile</translation>
    </message>
    <message>
        <source>Advanced
Advanced
advanced</source>
        <translation>Erweitert
Erweitert
advanced</translation>
    </message>
    <message>
        <source>Enter VelkoScript Actions
VelkoScript Actions
advancedscript</source>
        <translation>VelkoScript-Aktionen eingeben
VelkoScript-Aktionen
advancedscript</translation>
    </message>
    <message>
        <source>Add a predefined VelkoScript Action
Add Action
advancedadd</source>
        <translation>Eine vordefinierte VelkoScript-Aktion hinzufügen
Aktion hinzufügen
advancedadd</translation>
    </message>
    <message>
        <source>Image
Image
image</source>
        <translation>Bild
Bild
image</translation>
    </message>
    <message>
        <source>File name of the image
Image File Name
imagefile</source>
        <translation>Dateiname des Bildes
Bilddateiname
imagefile</translation>
    </message>
    <message>
        <source>Horizontal offset
Horizontal Offset
imageoffsetx</source>
        <translation>Horizontaler Versatz
Horizontaler Versatz
imageoffsetx</translation>
    </message>
    <message>
        <source>Vertical offset
Vertical Offset
imageoffsety</source>
        <translation>Vertikaler Versatz
Vertikaler Versatz
imageoffsety</translation>
    </message>
    <message>
        <source>Select the image
Select Image
imageselect</source>
        <translation>Das Bild auswählen
Bild auswählen
imageselect</translation>
    </message>
    <message>
        <source>Horizontally align the image to the left
Align Left
imagealignxleft</source>
        <translation>Das Bild horizontal links ausrichten
Links ausrichten
imagealignxleft</translation>
    </message>
    <message>
        <source>Horizontally align the image to the center
Align Center
imagealignxcenter</source>
        <translation>Das Bild horizontal zentriert ausrichten
Zentriert ausrichten
imagealignxcenter</translation>
    </message>
    <message>
        <source>Horizontally align the image to the right
Align Right
imagealignxright</source>
        <translation>Das Bild horizontal rechts ausrichten
Rechts ausrichten
imagealignxright</translation>
    </message>
    <message>
        <source>Vertically align the image to the top
Align Top
imagealignytop</source>
        <translation>Das Bild vertikal oben ausrichten
Oben ausrichten
imagealignytop</translation>
    </message>
    <message>
        <source>Vertically align the image to the center
Align Center
imagealignycenter</source>
        <translation>Das Bild vertikal zentriert ausrichten
Zentriert ausrichten
imagealignycenter</translation>
    </message>
    <message>
        <source>Vertically align the image to the bottom
Align Bottom
imagealignybottom</source>
        <translation>Das Bild vertikal unten ausrichten
Unten ausrichten
imagealignybottom</translation>
    </message>
    <message>
        <source>Display the image normally
Normal
imagecenter</source>
        <translation>Das Bild normal anzeigen
Normal
imagecenter</translation>
    </message>
    <message>
        <source>Tile the image
Tile Image
imagetile</source>
        <translation>Das Bild kacheln
Bild kacheln
imagetile</translation>
    </message>
    <message>
        <source>Scale (fit) the image to the button
Scale Image
imagescale</source>
        <translation>Das Bild an die Schaltfläche anpassen (skalieren)
Bild skalieren
imagescale</translation>
    </message>
    <message>
        <source>Button
Button
button</source>
        <translation>Schaltfläche
Schaltfläche
button</translation>
    </message>
    <message>
        <source>The button will act like a push button
Push Button
buttonmodepush</source>
        <translation>Die Schaltfläche verhält sich wie ein Druckknopf
Druckknopf
buttonmodepush</translation>
    </message>
    <message>
        <source>The button will act like a check box (toggle)
Check Box
buttonmodecheck</source>
        <translation>Die Schaltfläche verhält sich wie ein Kontrollkästchen (Umschalter)
Kontrollkästchen
buttonmodecheck</translation>
    </message>
    <message>
        <source>The button will act like a radio button
Radio Button
buttonmoderadio</source>
        <translation>Die Schaltfläche verhält sich wie ein Optionsfeld
Optionsfeld
buttonmoderadio</translation>
    </message>
    <message>
        <source>The name of the button
Button Name
buttonname</source>
        <translation>Der Name der Schaltfläche
Schaltflächenname
buttonname</translation>
    </message>
    <message>
        <source>This button will initially be visible
Initially Visible
buttonshow</source>
        <translation>Diese Schaltfläche ist anfangs sichtbar
Anfangs sichtbar
buttonshow</translation>
    </message>
    <message>
        <source>This button is allowed to be dragged
Dragable
buttondragable</source>
        <translation>Diese Schaltfläche darf gezogen werden
Ziehbar
buttondragable</translation>
    </message>
    <message>
        <source>This button will initially be selected (down)
Initially Selected
buttonselected</source>
        <translation>Diese Schaltfläche ist anfangs ausgewählt (gedrückt)
Anfangs ausgewählt
buttonselected</translation>
    </message>
    <message>
        <source>Enter the tool tip text (pop up)
Tool Tip
buttontip</source>
        <translation>Den Text der Kurzinfo eingeben (Einblendung)
Kurzinfo
buttontip</translation>
    </message>
    <message>
        <source>Size
Size
size</source>
        <translation>Größe
Größe
size</translation>
    </message>
    <message>
        <source>The x position of the button
X Position
sizex</source>
        <translation>Die x-Position der Schaltfläche
X-Position
sizex</translation>
    </message>
    <message>
        <source>The y position of the button
Y Position
sizey</source>
        <translation>Die y-Position der Schaltfläche
Y-Position
sizey</translation>
    </message>
    <message>
        <source>The width of the button
Width
sizewidth</source>
        <translation>Die Breite der Schaltfläche
Breite
sizewidth</translation>
    </message>
    <message>
        <source>The height of the button
Height
sizeheight</source>
        <translation>Die Höhe der Schaltfläche
Höhe
sizeheight</translation>
    </message>
    <message>
        <source>Link
Link
link</source>
        <translation>Link
Link
link</translation>
    </message>
    <message>
        <source>The URL to jump to
URL
linkurl</source>
        <translation>Die URL, zu der gesprungen wird
URL
linkurl</translation>
    </message>
    <message>
        <source>The target (frame) to use
Target (Frame)
linktarget</source>
        <translation>Das zu verwendende Ziel (Frame)
Ziel (Frame)
linktarget</translation>
    </message>
    <message>
        <source>The text to display on the browser&apos;s status line
Status Line
linkstatus</source>
        <translation>Der Text, der in der Statuszeile des Browsers angezeigt wird
Statuszeile
linkstatus</translation>
    </message>
    <message>
        <source>State
State
state</source>
        <translation>Zustand
Zustand
state</translation>
    </message>
    <message>
        <source>The color of the button
Button Color
statecolor</source>
        <translation>Die Farbe der Schaltfläche
Schaltflächenfarbe
statecolor</translation>
    </message>
    <message>
        <source>The cursor to display when the mouse is over the button
Cursor
statecursor</source>
        <translation>Der Mauszeiger, der angezeigt wird, wenn sich die Maus über der Schaltfläche befindet
Mauszeiger
statecursor</translation>
    </message>
    <message>
        <source>Display the button at the specified horizontal offset
Horizontal Offset
stateoffsetx</source>
        <translation>Die Schaltfläche um den angegebenen horizontalen Versatz verschoben anzeigen
Horizontaler Versatz
stateoffsetx</translation>
    </message>
    <message>
        <source>Display the button at the specified vertical  offset
Vertical Offset
stateoffsety</source>
        <translation>Die Schaltfläche um den angegebenen vertikalen Versatz verschoben anzeigen
Vertikaler Versatz
stateoffsety</translation>
    </message>
    <message>
        <source>The button will be displayed with a solid background
Solid Background
statestylesolid</source>
        <translation>Die Schaltfläche wird mit deckendem Hintergrund angezeigt
Deckender Hintergrund
statestylesolid</translation>
    </message>
    <message>
        <source>The button will be displayed with a transparent background
Transparent Background
statestyletransparent</source>
        <translation>Die Schaltfläche wird mit transparentem Hintergrund angezeigt
Transparenter Hintergrund
statestyletransparent</translation>
    </message>
    <message>
        <source>Restart animations when state changes
Restart Animations
stateanimate</source>
        <translation>Animationen neu starten, wenn sich der Zustand ändert
Animationen neu starten
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
        <translation>Die Breite des Projekts
Projektbreite
projectwidth</translation>
    </message>
    <message>
        <source>The height of the project
Project Height
projectheight</source>
        <translation>Die Höhe des Projekts
Projekthöhe
projectheight</translation>
    </message>
    <message>
        <source>How to lay the buttons out
Project Layout
projectlayout</source>
        <translation>Wie die Schaltflächen angeordnet werden
Projektlayout
projectlayout</translation>
    </message>
    <message>
        <source>The default width of buttons
Default Width
projectbuttonwidth</source>
        <translation>Die Standardbreite der Schaltflächen
Standardbreite
projectbuttonwidth</translation>
    </message>
    <message>
        <source>The default height of buttons
Default Height
projectbuttonheight</source>
        <translation>Die Standardhöhe der Schaltflächen
Standardhöhe
projectbuttonheight</translation>
    </message>
    <message>
        <source>The default space to leave between buttons
Default Spacing
projectbuttonspacing</source>
        <translation>Der Standardabstand zwischen den Schaltflächen
Standardabstand
projectbuttonspacing</translation>
    </message>
    <message>
        <source>The name used to identify the project from other Velko based products
Project Identifier
projectprojectidentifier</source>
        <translation>Der Name, der das Projekt von anderen auf Velko basierenden Produkten unterscheidet
Projektkennung
projectprojectidentifier</translation>
    </message>
    <message>
        <source>Background
Background
background</source>
        <translation>Hintergrund
Hintergrund
background</translation>
    </message>
    <message>
        <source>The background color of the project
Background Color
backgroundcolor</source>
        <translation>Die Hintergrundfarbe des Projekts
Hintergrundfarbe
backgroundcolor</translation>
    </message>
    <message>
        <source>The image to use as a background for the project
Background Image
backgroundimage</source>
        <translation>Das Bild, das als Hintergrund des Projekts verwendet wird
Hintergrundbild
backgroundimage</translation>
    </message>
    <message>
        <source>Select the background image
Select Image
backgroundselect</source>
        <translation>Das Hintergrundbild auswählen
Bild auswählen
backgroundselect</translation>
    </message>
    <message>
        <source>Center the background image
Center Image
backgroundcenter</source>
        <translation>Das Hintergrundbild zentrieren
Bild zentrieren
backgroundcenter</translation>
    </message>
    <message>
        <source>Tile the background image
Tile Image
backgroundtile</source>
        <translation>Das Hintergrundbild kacheln
Bild kacheln
backgroundtile</translation>
    </message>
    <message>
        <source>Scale the background image to fit
Scale Image
backgroundscale</source>
        <translation>Das Hintergrundbild passend skalieren
Bild skalieren
backgroundscale</translation>
    </message>
    <message>
        <source>Insert a predefined VelkoScript action
Insert Action
insertaction</source>
        <translation>Eine vordefinierte VelkoScript-Aktion einfügen
Aktion einfügen
insertaction</translation>
    </message>
    <message>
        <source>The action to perform
Action
insertactionaction</source>
        <translation>Die auszuführende Aktion
Aktion
insertactionaction</translation>
    </message>
    <message>
        <source>The button the action applies to
Apply To
insertactionapply</source>
        <translation>Die Schaltfläche, für die die Aktion gilt
Anwenden auf
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
        <translation>Der Text, der auf der Schaltfläche angezeigt wird
Schaltflächentext
texttext</translation>
    </message>
    <message>
        <source>Insert dynamic text such as the date and time
Insert Dynamic Text
textdynamic</source>
        <translation>Dynamischen Text wie Datum und Uhrzeit einfügen
Dynamischen Text einfügen
textdynamic</translation>
    </message>
    <message>
        <source>Horizontal offset
Horizontal Offset
textoffsetx</source>
        <translation>Horizontaler Versatz
Horizontaler Versatz
textoffsetx</translation>
    </message>
    <message>
        <source>Vertical offset
Vertical Offset
textoffsety</source>
        <translation>Vertikaler Versatz
Vertikaler Versatz
textoffsety</translation>
    </message>
    <message>
        <source>The color of the text
Text Color
textcolor</source>
        <translation>Die Farbe des Textes
Textfarbe
textcolor</translation>
    </message>
    <message>
        <source>Horizontally align the text to the left
Align Left
textalignxleft</source>
        <translation>Den Text horizontal links ausrichten
Links ausrichten
textalignxleft</translation>
    </message>
    <message>
        <source>Horizontally align the text to the center
Align Center
textalignxcenter</source>
        <translation>Den Text horizontal zentriert ausrichten
Zentriert ausrichten
textalignxcenter</translation>
    </message>
    <message>
        <source>Horizontally align the text to the right
Align Right
textalignxright</source>
        <translation>Den Text horizontal rechts ausrichten
Rechts ausrichten
textalignxright</translation>
    </message>
    <message>
        <source>Vertically align the text to the top
Align Top
textalignytop</source>
        <translation>Den Text vertikal oben ausrichten
Oben ausrichten
textalignytop</translation>
    </message>
    <message>
        <source>Vertically align the text to the center
Align Center
textalignycenter</source>
        <translation>Den Text vertikal zentriert ausrichten
Zentriert ausrichten
textalignycenter</translation>
    </message>
    <message>
        <source>Vertically align the text to the bottom
Align Bottom
textalignybottom</source>
        <translation>Den Text vertikal unten ausrichten
Unten ausrichten
textalignybottom</translation>
    </message>
    <message>
        <source>Output
Output
output</source>
        <translation>Ausgabe
Ausgabe
output</translation>
    </message>
    <message>
        <source>Tokenize/Compress the parameters for the project
Tokenize/Compress
outputtokenize</source>
        <translation>Die Parameter des Projekts tokenisieren/komprimieren
Tokenisieren/Komprimieren
outputtokenize</translation>
    </message>
    <message>
        <source>Specify how often to refresh the display
Refresh Rate
outputrefresh</source>
        <translation>Festlegen, wie oft die Anzeige aktualisiert wird
Aktualisierungsrate
outputrefresh</translation>
    </message>
    <message>
        <source>Specify project options in an input file
Read From File
outputreadfile</source>
        <translation>Projektoptionen in einer Eingabedatei festlegen
Aus Datei lesen
outputreadfile</translation>
    </message>
    <message>
        <source>Specify the details of the file to read
Input File Details
outputdetails</source>
        <translation>Die Details der zu lesenden Datei festlegen
Details der Eingabedatei
outputdetails</translation>
    </message>
    <message>
        <source>Relative path on server to store class files
Relative Server Path (Code Base)
outputcodebase</source>
        <translation>Relativer Pfad auf dem Server, unter dem die Klassendateien liegen
Relativer Serverpfad (Codebase)
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
        <translation>Das Skript, das vor dem Erstellen der Schaltflächen ausgeführt wird
Skript davor (Initialisierung)
scriptbefore</translation>
    </message>
    <message>
        <source>Add a predefined action
Add Before Action
scriptbeforeadd</source>
        <translation>Eine vordefinierte Aktion hinzufügen
Aktion davor hinzufügen
scriptbeforeadd</translation>
    </message>
    <message>
        <source>The script to execute after the buttons are created
After Script
scriptafter</source>
        <translation>Das Skript, das nach dem Erstellen der Schaltflächen ausgeführt wird
Skript danach
scriptafter</translation>
    </message>
    <message>
        <source>Add a predefined action
Add After Action
scriptafteradd</source>
        <translation>Eine vordefinierte Aktion hinzufügen
Aktion danach hinzufügen
scriptafteradd</translation>
    </message>
    <message>
        <source>Non Java Browser
Non Java Browser
nonjava</source>
        <translation>Browser ohne Java
Browser ohne Java
nonjava</translation>
    </message>
    <message>
        <source>The message shown by browsers that cannot run Java
Non Java Message
nonjava</source>
        <translation>Die Meldung, die Browser anzeigen, die kein Java ausführen können
Meldung für Browser ohne Java
nonjava</translation>
    </message>
    <message>
        <source>Mouse Leave Script
Leave
leave</source>
        <translation>Skript beim Verlassen mit der Maus
Verlassen
leave</translation>
    </message>
    <message>
        <source>Enter Mouse Leave VelkoScript Actions
Mouse Leave VelkoScript Actions
leavescript</source>
        <translation>VelkoScript-Aktionen für das Verlassen mit der Maus eingeben
VelkoScript-Aktionen beim Verlassen
leavescript</translation>
    </message>
    <message>
        <source>Add a predefined VelkoScript Action
Add Action
leaveadd</source>
        <translation>Eine vordefinierte VelkoScript-Aktion hinzufügen
Aktion hinzufügen
leaveadd</translation>
    </message>
    <message>
        <source>Publish the project
Publish
publish</source>
        <translation>Das Projekt veröffentlichen
Veröffentlichen
publish</translation>
    </message>
    <message>
        <source>Copy the HTML segment for the project to the clipboard
Copy to Clipboard
publishclipboard</source>
        <translation>Den HTML-Abschnitt des Projekts in die Zwischenablage kopieren
In die Zwischenablage kopieren
publishclipboard</translation>
    </message>
    <message>
        <source>Create a HTML document containing the project
Create HTML Document
publishfile</source>
        <translation>Ein HTML-Dokument erstellen, das das Projekt enthält
HTML-Dokument erstellen
publishfile</translation>
    </message>
    <message>
        <source>The resources used by the project
Resources
resources</source>
        <translation>Die vom Projekt verwendeten Ressourcen
Ressourcen
resources</translation>
    </message>
    <message>
        <source>Copy the selected files to a local folder
Copy Locally
resourcescopy</source>
        <translation>Die ausgewählten Dateien in einen lokalen Ordner kopieren
Lokal kopieren
resourcescopy</translation>
    </message>
    <message>
        <source>The files to copy to your server beside the page
Resource Files
resourceslist</source>
        <translation>Die Dateien, die neben der Seite auf Ihren Server kopiert werden
Ressourcendateien
resourceslist</translation>
    </message>
    <message>
        <source>Select every file of the list
Select All
resourcesselectall</source>
        <translation>Alle Dateien der Liste auswählen
Alle auswählen
resourcesselectall</translation>
    </message>
    <message>
        <source>The HTML code of the project
HTML Code
resourceshtml</source>
        <translation>Der HTML-Code des Projekts
HTML-Code
resourceshtml</translation>
    </message>
    <message>
        <source>Copying the selected files
Copy
resourcescopy</source>
        <translation>Die ausgewählten Dateien werden kopiert
Kopieren
resourcescopy</translation>
    </message>
    <message>
        <source>Visit the Velko home page
Velko on the Web
helpweb</source>
        <translation>Die Velko-Homepage besuchen
Velko im Web
helpweb</translation>
    </message>
    <message>
        <source>Show the frequently asked questions on the web
Online FAQ
helpfaq</source>
        <translation>Die häufig gestellten Fragen im Web anzeigen
Online-FAQ
helpfaq</translation>
    </message>
    <message>
        <source>Stop previewing the project
Stop Internal Preview
generatestop</source>
        <translation>Die Vorschau des Projekts beenden
Interne Vorschau beenden
generatestop</translation>
    </message>
    <message>
        <source>Show or hide the Info/Preview window
Info/Preview
viewinfo</source>
        <translation>Das Fenster „Info/Vorschau“ ein- oder ausblenden
Info/Vorschau
viewinfo</translation>
    </message>
    <message>
        <source>Show, hide or customise the toolbars
Toolbars
viewtoolbars</source>
        <translation>Die Werkzeugleisten ein- oder ausblenden oder anpassen
Werkzeugleisten
viewtoolbars</translation>
    </message>
    <message>
        <source>Change the program&apos;s options
Options
viewoptions</source>
        <translation>Die Optionen des Programms ändern
Optionen
viewoptions</translation>
    </message>
    <message>
        <source>Show the list of help topics
Help Contents
helpcontents</source>
        <translation>Die Liste der Hilfethemen anzeigen
Hilfeinhalt
helpcontents</translation>
    </message>
    <message>
        <source>Go back to the previous help topic
Previous Topic
helpprevious</source>
        <translation>Zum vorherigen Hilfethema zurückgehen
Vorheriges Thema
helpprevious</translation>
    </message>
    <message>
        <source>Keep the current help topic while moving around
Lock Topic
helplock</source>
        <translation>Das aktuelle Hilfethema beim Arbeiten beibehalten
Thema beibehalten
helplock</translation>
    </message>
    <message>
        <source>Preview project in external browser
External Preview
generateexternal</source>
        <translation>Vorschau des Projekts in einem externen Browser
Externe Vorschau
generateexternal</translation>
    </message>
    <message>
        <source>Publish the project to the clipboard or an HTML file
Publish
generatepublish</source>
        <translation>Das Projekt in die Zwischenablage oder in eine HTML-Datei veröffentlichen
Veröffentlichen
generatepublish</translation>
    </message>
    <message>
        <source>Preview the project
Preview/Reload
generatepreview</source>
        <translation>Vorschau des Projekts anzeigen
Vorschau/Neu laden
generatepreview</translation>
    </message>
    <message>
        <source>Show or hide the live view of the buttons
Live View
viewlive</source>
        <translation>Die Live-Ansicht der Schaltflächen ein- oder ausblenden
Live-Ansicht
viewlive</translation>
    </message>
    <message>
        <source>Insert the year with two digits
Year (short)
textdynamic</source>
        <translation>Die Jahreszahl zweistellig einfügen
Jahr (kurz)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the year with four digits
Year (long)
textdynamic</source>
        <translation>Die Jahreszahl vierstellig einfügen
Jahr (lang)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the number of the month
Month (number)
textdynamic</source>
        <translation>Die Nummer des Monats einfügen
Monat (Zahl)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the name of the month
Month (name)
textdynamic</source>
        <translation>Den Namen des Monats einfügen
Monat (Name)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the day of the month
Day (date)
textdynamic</source>
        <translation>Den Tag des Monats einfügen
Tag (Datum)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the name of the day
Day (name)
textdynamic</source>
        <translation>Den Namen des Wochentags einfügen
Tag (Name)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the number of the week day
Week Day
textdynamic</source>
        <translation>Die Nummer des Wochentags einfügen
Wochentag
textdynamic</translation>
    </message>
    <message>
        <source>Insert the hours in 12 hour format
Hours (12 hour format)
textdynamic</source>
        <translation>Die Stunden im 12-Stunden-Format einfügen
Stunden (12-Stunden-Format)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the hours in 24 hour format
Hours (24 hour format)
textdynamic</source>
        <translation>Die Stunden im 24-Stunden-Format einfügen
Stunden (24-Stunden-Format)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the minutes
Minutes
textdynamic</source>
        <translation>Die Minuten einfügen
Minuten
textdynamic</translation>
    </message>
    <message>
        <source>Insert the seconds
Seconds
textdynamic</source>
        <translation>Die Sekunden einfügen
Sekunden
textdynamic</translation>
    </message>
    <message>
        <source>Insert the meridiem (AM or PM)
Meridiem
textdynamic</source>
        <translation>Die Tageshälfte einfügen (AM oder PM)
AM/PM
textdynamic</translation>
    </message>
    <message>
        <source>Insert the time in 12 hour format
Time (12 hour format)
textdynamic</source>
        <translation>Die Uhrzeit im 12-Stunden-Format einfügen
Uhrzeit (12-Stunden-Format)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the time in 24 hour format
Time (24 hour format)
textdynamic</source>
        <translation>Die Uhrzeit im 24-Stunden-Format einfügen
Uhrzeit (24-Stunden-Format)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the local time and date
Time &amp; Date (Local)
textdynamic</source>
        <translation>Die lokale Uhrzeit und das Datum einfügen
Uhrzeit &amp; Datum (lokal)
textdynamic</translation>
    </message>
    <message>
        <source>Create a new button
New Button
buttonnew</source>
        <translation>Eine neue Schaltfläche erstellen
Neue Schaltfläche
buttonnew</translation>
    </message>
    <message>
        <source>Delete the selected button
Delete Button
buttondelete</source>
        <translation>Die ausgewählte Schaltfläche löschen
Schaltfläche löschen
buttondelete</translation>
    </message>
    <message>
        <source>Move the selected button up
Move Button Up
buttonmoveup</source>
        <translation>Die ausgewählte Schaltfläche nach oben verschieben
Schaltfläche nach oben
buttonmoveup</translation>
    </message>
    <message>
        <source>Move the selected button down
Move Button Down
buttonmovedown</source>
        <translation>Die ausgewählte Schaltfläche nach unten verschieben
Schaltfläche nach unten
buttonmovedown</translation>
    </message>
    <message>
        <source>Duplicate the selected button
Duplicate Button
buttonduplicate</source>
        <translation>Die ausgewählte Schaltfläche duplizieren
Schaltfläche duplizieren
buttonduplicate</translation>
    </message>
    <message>
        <source>Copy the selected state, or one of its groups, to the button&apos;s other two states
Copy to Other States
editcopystates</source>
        <translation>Den ausgewählten Zustand oder eine seiner Gruppen in die beiden anderen Zustände der Schaltfläche kopieren
In andere Zustände kopieren
editcopystates</translation>
    </message>
    <message>
        <source>Paste the copied item&apos;s look onto every selected item of its kind, keeping their captions, links, tool tips, status texts and scripts
Paste Style
editpastestyle</source>
        <translation>Das Aussehen des kopierten Elements auf jedes ausgewählte Element derselben Art übertragen; deren Beschriftungen, Links, Kurzinfos, Statustexte und Skripte bleiben erhalten
Stil einfügen
editpastestyle</translation>
    </message>
    <message>
        <source>Insert the date as yy/mm/dd
Date (yy/mm/dd)
textdynamic</source>
        <translation>Das Datum als JJ/MM/TT einfügen
Datum (JJ/MM/TT)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the date as mm/dd/yy
Date (mm/dd/yy)
textdynamic</source>
        <translation>Das Datum als MM/TT/JJ einfügen
Datum (MM/TT/JJ)
textdynamic</translation>
    </message>
    <message>
        <source>Insert the date as dd/mm/yy
Date (dd/mm/yy)
textdynamic</source>
        <translation>Das Datum als TT/MM/JJ einfügen
Datum (TT/MM/JJ)
textdynamic</translation>
    </message>
    <message>
        <source>Show or hide the Properties window
Properties
viewproperties</source>
        <translation>Das Fenster „Eigenschaften“ ein- oder ausblenden
Eigenschaften
viewproperties</translation>
    </message>
    <message>
        <source>Select the Up state of every selected button, or of every button
Up States
selectstates</source>
        <translation>Den Zustand „Normal“ jeder ausgewählten Schaltfläche oder aller Schaltflächen auswählen
Zustände „Normal“
selectstates</translation>
    </message>
    <message>
        <source>Select the Over state of every selected button, or of every button
Over States
selectstates</source>
        <translation>Den Zustand „Mouseover“ jeder ausgewählten Schaltfläche oder aller Schaltflächen auswählen
Zustände „Mouseover“
selectstates</translation>
    </message>
    <message>
        <source>Select the Down state of every selected button, or of every button
Down States
selectstates</source>
        <translation>Den Zustand „Gedrückt“ jeder ausgewählten Schaltfläche oder aller Schaltflächen auswählen
Zustände „Gedrückt“
selectstates</translation>
    </message>
    <message>
        <source>Select the Text item of that state in every selected button
Text Items
selectstates</source>
        <translation>Das Textelement dieses Zustands in jeder ausgewählten Schaltfläche auswählen
Textelemente
selectstates</translation>
    </message>
    <message>
        <source>Select the Border item of that state in every selected button
Border Items
selectstates</source>
        <translation>Das Randelement dieses Zustands in jeder ausgewählten Schaltfläche auswählen
Randelemente
selectstates</translation>
    </message>
    <message>
        <source>Select the Audio item of that state in every selected button
Audio Items
selectstates</source>
        <translation>Das Audioelement dieses Zustands in jeder ausgewählten Schaltfläche auswählen
Audioelemente
selectstates</translation>
    </message>
    <message>
        <source>Select the Image item of that state in every selected button
Image Items
selectstates</source>
        <translation>Das Bildelement dieses Zustands in jeder ausgewählten Schaltfläche auswählen
Bildelemente
selectstates</translation>
    </message>
    <message>
        <source>Select the Advanced item of that state in every selected button
Advanced Items
selectstates</source>
        <translation>Das Element „Erweitert“ dieses Zustands in jeder ausgewählten Schaltfläche auswählen
Erweiterte Elemente
selectstates</translation>
    </message>
    <message>
        <source>Type the caption on the current button in the Live View
Edit Caption
viewlive</source>
        <translation>Die Beschriftung der aktuellen Schaltfläche in der Live-Ansicht eingeben
Beschriftung bearbeiten
viewlive</translation>
    </message>
    <message>
        <source>Show the table of every button&apos;s name, caption, link, target, tool tip and status text
Buttons Table
viewbuttontable</source>
        <translation>Die Tabelle mit Name, Beschriftung, Link, Ziel, Kurzinfo und Statustext jeder Schaltfläche anzeigen
Schaltflächentabelle
viewbuttontable</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten.</translation>
    </message>
    <message>
        <source>Create a new project
New Project
filenew</source>
        <translation>Ein neues Projekt erstellen
Neues Projekt
filenew</translation>
    </message>
    <message>
        <source>Open an existing project
Open Project
fileopen</source>
        <translation>Ein bestehendes Projekt öffnen
Projekt öffnen
fileopen</translation>
    </message>
    <message>
        <source>Save the project
Save Project
filesave</source>
        <translation>Das Projekt speichern
Projekt speichern
filesave</translation>
    </message>
    <message>
        <source>Save the project under a new name
Save As
filesaveas</source>
        <translation>Das Projekt unter einem neuen Namen speichern
Speichern unter
filesaveas</translation>
    </message>
    <message>
        <source>Open this project
Recent File
filerecent</source>
        <translation>Dieses Projekt öffnen
Zuletzt geöffnete Datei
filerecent</translation>
    </message>
    <message>
        <source>Delete the selected button
Delete
buttondelete</source>
        <translation>Die ausgewählte Schaltfläche löschen
Löschen
buttondelete</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard
Copy
editcopy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren
editcopy</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard
Cut
editcut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden
editcut</translation>
    </message>
    <message>
        <source>Paste the clipboard contents
Paste
editpaste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen
editpaste</translation>
    </message>
    <message>
        <source>Undo the last action
Undo
editundo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig
editundo</translation>
    </message>
    <message>
        <source>Redo the action undone last
Redo
editredo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen
editredo</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About
helpabout</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über
helpabout</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the project
Exit
fileexit</source>
        <translation>Die Anwendung beenden; fragt, ob das Projekt gespeichert werden soll
Beenden
fileexit</translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help
helpcontext</source>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe
helpcontext</translation>
    </message>
    <message>
        <source>List help topics
Help
helpcontents</source>
        <translation>Hilfethemen auflisten
Hilfe
helpcontents</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its texts in another code page
Reopen with Encoding
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren Texten in einer anderen Codepage
Mit Kodierung erneut öffnen
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Central European (Windows-1250)
Reopen as Windows-1250
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Mitteleuropäisch (Windows-1250)
Erneut öffnen als Windows-1250
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Cyrillic (Windows-1251)
Reopen as Windows-1251
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Kyrillisch (Windows-1251)
Erneut öffnen als Windows-1251
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Greek (Windows-1253)
Reopen as Windows-1253
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Griechisch (Windows-1253)
Erneut öffnen als Windows-1253
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Turkish (Windows-1254)
Reopen as Windows-1254
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Türkisch (Windows-1254)
Erneut öffnen als Windows-1254
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Baltic (Windows-1257)
Reopen as Windows-1257
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Baltisch (Windows-1257)
Erneut öffnen als Windows-1257
fileopen</translation>
    </message>
    <message>
        <source>Read the project&apos;s file again with its 8-bit texts in Western (Windows-1252)
Reopen as Windows-1252
fileopen</source>
        <translation>Liest die Projektdatei erneut, mit ihren 8-Bit-Texten in Westeuropäisch (Windows-1252)
Erneut öffnen als Windows-1252
fileopen</translation>
    </message>
</context>
<context>
    <name>TabBorder</name>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
</context>
<context>
    <name>TabButton</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Mouse Leave</source>
        <translation>Verlassen</translation>
    </message>
</context>
<context>
    <name>TabProject</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
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
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>ToolbarManager</name>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>ToolbarsPage</name>
    <message>
        <source>&amp;Toolbars:</source>
        <translation>&amp;Werkzeugleisten:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Toolbar &amp;name:</source>
        <translation>Na&amp;me der Werkzeugleiste:</translation>
    </message>
    <message>
        <source>&amp;Show Tooltips</source>
        <translation>&amp;Kurzinfos anzeigen</translation>
    </message>
    <message>
        <source>C&amp;ool Look</source>
        <translation>Mo&amp;derne Optik</translation>
    </message>
    <message>
        <source>&amp;Large Buttons</source>
        <translation>&amp;Große Schaltflächen</translation>
    </message>
    <message>
        <source>New Toolbar</source>
        <translation>Neue Werkzeugleiste</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <translation>Benutzerdefiniert %1</translation>
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
        <translation>Erweiterte Aktionen</translation>
    </message>
    <message>
        <source>Actions of the %1 state</source>
        <translation>Aktionen des Zustands „%1“</translation>
    </message>
    <message>
        <source>Actions of the %1 state of “%2”</source>
        <translation>Aktionen des Zustands %1 von „%2“</translation>
    </message>
</context>
<context>
    <name>ViewAudio</name>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Sound of the %1 state</source>
        <translation>Klang des Zustands %1</translation>
    </message>
    <message>
        <source>Sound of the %1 state of “%2”</source>
        <translation>Klang des Zustands %1 von „%2“</translation>
    </message>
</context>
<context>
    <name>ViewBackground</name>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>&amp;Image:</source>
        <translation>&amp;Bild:</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>&amp;Stil:</translation>
    </message>
</context>
<context>
    <name>ViewBorder</name>
    <message>
        <source>Sm&amp;ooth</source>
        <translation>G&amp;eglättet</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Farben:</translation>
    </message>
</context>
<context>
    <name>ViewButton</name>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Gedrückt</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>Dra&amp;gable</source>
        <translation>&amp;Ziehbar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>&amp;Tool tip:</source>
        <translation>&amp;Kurzinfo:</translation>
    </message>
    <message>
        <source>Initially:</source>
        <translation>Anfangs:</translation>
    </message>
</context>
<context>
    <name>ViewFont</name>
    <message>
        <source>Font &amp;File...</source>
        <translation>Schrift&amp;datei...</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
</context>
<context>
    <name>ViewFrame</name>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>pixels (0 = no frame)</source>
        <translation>Pixel (0 = kein Rahmen)</translation>
    </message>
</context>
<context>
    <name>ViewImage</name>
    <message>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
</context>
<context>
    <name>ViewLeave</name>
    <message>
        <source>&amp;VelkoScript run when the mouse leaves the button:</source>
        <translation>&amp;VelkoScript, das ausgeführt wird, wenn die Maus die Schaltfläche verlässt:</translation>
    </message>
</context>
<context>
    <name>ViewLink</name>
    <message>
        <source>No link</source>
        <translation>Kein Link</translation>
    </message>
    <message>
        <source>The current frame</source>
        <translation>Der aktuelle Frame</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Status line:</source>
        <translation>&amp;Statuszeile:</translation>
    </message>
</context>
<context>
    <name>ViewOutline</name>
    <message>
        <source>&amp;New Button</source>
        <translation>&amp;Neue Schaltfläche</translation>
    </message>
    <message>
        <source>&amp;Delete Button</source>
        <translation>Schaltfläche &amp;löschen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste &amp;Style</source>
        <translation>&amp;Stil einfügen</translation>
    </message>
    <message>
        <source>Copy to &amp;Other States</source>
        <translation>In andere &amp;Zustände kopieren</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>ViewOutput</name>
    <message>
        <source>&amp;Tokenize/Compress</source>
        <translation>&amp;Tokenisieren/Komprimieren</translation>
    </message>
    <message>
        <source>&amp;Read input details from a file</source>
        <translation>Eingabedetails aus einer &amp;Datei lesen</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>D&amp;etails...</translation>
    </message>
    <message>
        <source>Re&amp;fresh Rate:</source>
        <translation>&amp;Aktualisierungsrate:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>&amp;Server Path:</source>
        <translation>&amp;Serverpfad:</translation>
    </message>
</context>
<context>
    <name>ViewProject</name>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Schaltflächen</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Project &amp;Identifier:</source>
        <translation>Projekt&amp;kennung:</translation>
    </message>
</context>
<context>
    <name>ViewScript</name>
    <message>
        <source>VelkoScript (&amp;Before Button Creation):</source>
        <translation>VelkoScript (&amp;vor dem Erstellen der Schaltflächen):</translation>
    </message>
    <message>
        <source>Add Action...</source>
        <translation>Aktion hinzufügen...</translation>
    </message>
    <message>
        <source>VelkoScript (&amp;After Button Creation):</source>
        <translation>VelkoScript (&amp;nach dem Erstellen der Schaltflächen):</translation>
    </message>
</context>
<context>
    <name>ViewSize</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>The project&apos;s layout places the buttons. Choose the &quot;User Defined&quot; layout on the project&apos;s page to place them yourself.</source>
        <translation>Das Layout des Projekts platziert die Schaltflächen. Wählen Sie auf der Seite des Projekts das Layout „Benutzerdefiniert“, um sie selbst zu platzieren.</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cross Hair</source>
        <translation>Fadenkreuz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>South West Resize</source>
        <translation>Größe ändern (Südwest)</translation>
    </message>
    <message>
        <source>South East Resize</source>
        <translation>Größe ändern (Südost)</translation>
    </message>
    <message>
        <source>North West Resize</source>
        <translation>Größe ändern (Nordwest)</translation>
    </message>
    <message>
        <source>North East Resize</source>
        <translation>Größe ändern (Nordost)</translation>
    </message>
    <message>
        <source>North Resize</source>
        <translation>Größe ändern (Nord)</translation>
    </message>
    <message>
        <source>South Resize</source>
        <translation>Größe ändern (Süd)</translation>
    </message>
    <message>
        <source>West Resize</source>
        <translation>Größe ändern (West)</translation>
    </message>
    <message>
        <source>East Resize</source>
        <translation>Größe ändern (Ost)</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Restart &amp;Animations</source>
        <translation>&amp;Animationen neu starten</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>C&amp;ursor:</source>
        <translation>&amp;Mauszeiger:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>Day (name)</source>
        <translation>Tag (Name)</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Time (12 hour format)</source>
        <translation>Uhrzeit (12-Stunden-Format)</translation>
    </message>
    <message>
        <source>Time (24 hour format)</source>
        <translation>Uhrzeit (24-Stunden-Format)</translation>
    </message>
    <message>
        <source>Date (yy/mm/dd)</source>
        <translation>Datum (JJ/MM/TT)</translation>
    </message>
    <message>
        <source>Date (mm/dd/yy)</source>
        <translation>Datum (MM/TT/JJ)</translation>
    </message>
    <message>
        <source>Date (dd/mm/yy)</source>
        <translation>Datum (TT/MM/JJ)</translation>
    </message>
    <message>
        <source>Year (short)</source>
        <translation>Jahr (kurz)</translation>
    </message>
    <message>
        <source>Year (long)</source>
        <translation>Jahr (lang)</translation>
    </message>
    <message>
        <source>Month (number)</source>
        <translation>Monat (Zahl)</translation>
    </message>
    <message>
        <source>Month (name)</source>
        <translation>Monat (Name)</translation>
    </message>
    <message>
        <source>Day (date)</source>
        <translation>Tag (Datum)</translation>
    </message>
    <message>
        <source>Hours (12 hour format)</source>
        <translation>Stunden (12-Stunden-Format)</translation>
    </message>
    <message>
        <source>Hours (24 hour format)</source>
        <translation>Stunden (24-Stunden-Format)</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Meridiem</source>
        <translation>AM/PM</translation>
    </message>
    <message>
        <source>Time &amp;&amp; Date (Local)</source>
        <translation>Uhrzeit &amp;&amp; Datum (lokal)</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>Dynamisch</translation>
    </message>
    <message>
        <source>&amp;Dynamic</source>
        <translation>D&amp;ynamisch</translation>
    </message>
    <message>
        <source>T&amp;ext:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>a button</source>
        <translation>eine Schaltfläche</translation>
    </message>
    <message>
        <source>a state</source>
        <translation>ein Zustand</translation>
    </message>
    <message>
        <source>a Text item</source>
        <translation>ein Text-Element</translation>
    </message>
    <message>
        <source>a Border item</source>
        <translation>ein Rand-Element</translation>
    </message>
    <message>
        <source>an Audio item</source>
        <translation>ein Audio-Element</translation>
    </message>
    <message>
        <source>an Image item</source>
        <translation>ein Bild-Element</translation>
    </message>
    <message>
        <source>an Advanced item</source>
        <translation>ein Erweitert-Element</translation>
    </message>
    <message>
        <source>the project</source>
        <translation>das Projekt</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Das leere Dokument konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>In %1 kann nicht geschrieben werden; die Datei ist schreibgeschützt oder von jemand anderem geöffnet.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>You must specify a name for each button!</source>
        <translation>Sie müssen jeder Schaltfläche einen Namen geben!</translation>
    </message>
    <message>
        <source>You must specifiy a valid Project Identifier for this project!</source>
        <translation>Sie müssen für dieses Projekt eine gültige Projektkennung angeben!</translation>
    </message>
    <message>
        <source>Another button already has the name &apos;%1&apos;! Please choose a unique name for this button.</source>
        <translation>Eine andere Schaltfläche hat bereits den Namen &apos;%1&apos;! Bitte wählen Sie für diese Schaltfläche einen eindeutigen Namen.</translation>
    </message>
    <message>
        <source>Directory &apos;%1&apos; does not exist. Do you wish to create it?</source>
        <translation>Der Ordner &apos;%1&apos; existiert nicht. Möchten Sie ihn erstellen?</translation>
    </message>
    <message>
        <source>Copying file &apos;%1&apos; </source>
        <translation>Datei &apos;%1&apos; wird kopiert </translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Veröffentlichen in:</translation>
    </message>
    <message>
        <source>The Publish operation was successful.  All files were copied.</source>
        <translation>Das Veröffentlichen war erfolgreich. Alle Dateien wurden kopiert.</translation>
    </message>
    <message>
        <source>Unable to create directory &apos;%1&apos;!</source>
        <translation>Der Ordner &apos;%1&apos; kann nicht erstellt werden!</translation>
    </message>
    <message>
        <source>The applet is %1 pixels. Browsers draw at most %2 pixels of it, so the buttons beyond are not shown; the page is published all the same.</source>
        <translation>Das Applet ist %1 Pixel groß. Browser zeichnen davon höchstens %2 Pixel, daher werden die Schaltflächen dahinter nicht angezeigt; die Seite wird trotzdem veröffentlicht.</translation>
    </message>
    <message>
        <source>The Publish operation did not copy all files.  The published project may not work correctly.</source>
        <translation>Beim Veröffentlichen wurden nicht alle Dateien kopiert. Das veröffentlichte Projekt funktioniert möglicherweise nicht richtig.</translation>
    </message>
    <message>
        <source>There was a problem starting the browser! Make sure the path  to the browser is set correctly, and there is enough memory.</source>
        <translation>Beim Starten des Browsers ist ein Problem aufgetreten! Stellen Sie sicher, dass der Pfad zum Browser richtig eingestellt ist und genügend Arbeitsspeicher frei ist.</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing!</source>
        <translation>Die Datei &apos;%1&apos; fehlt!</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; cannot be read!</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>These files of the project were not found, so their names were kept as they are:
%1</source>
        <translation>Diese Dateien des Projekts wurden nicht gefunden, daher wurden ihre Namen unverändert übernommen:
%1</translation>
    </message>
    <message>
        <source>Published the page &apos;%1&apos; in &apos;%2&apos; with the %3 files it needs beside it (%4 copied now).</source>
        <translation>Die Seite &apos;%1&apos; wurde in &apos;%2&apos; veröffentlicht, mit den %3 Dateien, die sie daneben benötigt (%4 davon jetzt kopiert).</translation>
    </message>
    <message>
        <source>Please type the folder to publish the page into, or choose it with Browse.</source>
        <translation>Bitte geben Sie den Ordner ein, in dem die Seite veröffentlicht werden soll, oder wählen Sie ihn mit „Durchsuchen“ aus.</translation>
    </message>
    <message>
        <source>Please type the page&apos;s file name, such as index.html, without a folder.</source>
        <translation>Bitte geben Sie den Dateinamen der Seite ohne Ordner ein, zum Beispiel index.html.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>These files in the folder hold something other than what would be written in their place:
%1
Replace them? No writes nothing.</source>
        <translation>Diese Dateien im Ordner enthalten etwas anderes als das, was an ihrer Stelle geschrieben würde:
%1
Sollen sie ersetzt werden? Bei „Nein“ wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>These files in the folder hold something other than what would be written in their place, so nothing was written (--replace replaces them):</source>
        <translation>Diese Dateien im Ordner enthalten etwas anderes als das, was an ihrer Stelle geschrieben würde, daher wurde nichts geschrieben (--replace ersetzt sie):</translation>
    </message>
    <message>
        <source>These files lie outside the project&apos;s folder:
%1
Copy them? No copies nothing.</source>
        <translation>Diese Dateien liegen außerhalb des Projektordners:
%1
Sollen sie kopiert werden? Bei „Nein“ wird nichts kopiert.</translation>
    </message>
    <message>
        <source>These files lie outside the project&apos;s folder:</source>
        <translation>Diese Dateien liegen außerhalb des Projektordners:</translation>
    </message>
    <message>
        <source>Unable to copy file &apos;%1&apos; to &apos;%2&apos;!</source>
        <translation>Die Datei &apos;%1&apos; kann nicht nach &apos;%2&apos; kopiert werden!</translation>
    </message>
    <message>
        <source>An error occured while copying files for previewing. Please make sure there is enough disk space, and that the files exist.</source>
        <translation>Beim Kopieren der Dateien für die Vorschau ist ein Fehler aufgetreten. Bitte stellen Sie sicher, dass genügend Speicherplatz frei ist und die Dateien existieren.</translation>
    </message>
    <message>
        <source>Failed to open Clipboard!</source>
        <translation>Die Zwischenablage konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The audio file &apos;%1&apos; is not in the correct format.  It should be Sun &apos;.au&apos; format, 8000 Hz, mono, µ-law.</source>
        <translation>Die Audiodatei &apos;%1&apos; hat nicht das richtige Format. Sie sollte im Sun-Format &apos;.au&apos; vorliegen, 8000 Hz, mono, µ-law.</translation>
    </message>
    <message>
        <source>The audio file cannot be tested: no audio output device was found.</source>
        <translation>Die Audiodatei kann nicht getestet werden: Es wurde kein Audioausgabegerät gefunden.</translation>
    </message>
    <message>
        <source>A name cannot be empty. The old name is kept.</source>
        <translation>Ein Name darf nicht leer sein. Der alte Name wird beibehalten.</translation>
    </message>
    <message>
        <source>The text &apos;%1&apos; contains characters that cannot be stored. Please use other characters.</source>
        <translation>Der Text &apos;%1&apos; enthält Zeichen, die nicht gespeichert werden können. Bitte verwenden Sie andere Zeichen.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this project?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Durch dieses Projekt ersetzen?</translation>
    </message>
    <message>
        <source>%1 was changed by another program.</source>
        <translation>%1 wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reloading it loses the changes made here since it was last saved.</source>
        <translation>%1 wurde von einem anderen Programm geändert. Beim Neuladen gehen die Änderungen verloren, die hier seit dem letzten Speichern vorgenommen wurden.</translation>
    </message>
    <message>
        <source>%1 could not be reloaded: %2. The project stays as it is here and is marked as changed, so that it can be saved.</source>
        <translation>%1 konnte nicht neu geladen werden: %2. Das Projekt bleibt so, wie es hier ist, und wird als geändert markiert, damit es gespeichert werden kann.</translation>
    </message>
    <message>
        <source>it is not a project file</source>
        <translation>es ist keine Projektdatei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 256 MiB, more than any project</source>
        <translation>es ist größer als 256 MiB, mehr als jedes Projekt</translation>
    </message>
    <message>
        <source>%1 has been replaced by a link to %2. Save the project as a file of its own in place of the link? %2 is left as it is.</source>
        <translation>%1 wurde durch einen Link auf %2 ersetzt. Das Projekt anstelle des Links als eigene Datei speichern? %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>The clipboard holds more than 16 MiB, far more than any copied button or group. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält mehr als 16 MiB, weit mehr als jede kopierte Schaltfläche oder Gruppe. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard does not hold a whole copied button or group (it may come from another program, or be damaged). Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält keine vollständige kopierte Schaltfläche oder Gruppe (sie stammt vielleicht aus einem anderen Programm oder ist beschädigt). Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Paste Style: nothing is copied. Copy the item whose look the others should take first.</source>
        <translation>Stil einfügen: Es ist nichts kopiert. Kopieren Sie zuerst das Element, dessen Aussehen die anderen übernehmen sollen.</translation>
    </message>
    <message>
        <source>Paste Style: nothing is selected. Select the items that should take the copied look.</source>
        <translation>Stil einfügen: Es ist nichts ausgewählt. Wählen Sie die Elemente aus, die das kopierte Aussehen übernehmen sollen.</translation>
    </message>
    <message>
        <source>Paste Style: the copied item is %1, and the selection holds other kinds of items. Select items of the copied kind only.</source>
        <translation>Stil einfügen: Das kopierte Element ist %1, und die Auswahl enthält Elemente anderer Art. Wählen Sie nur Elemente der kopierten Art aus.</translation>
    </message>
    <message>
        <source>Paste Style: the project has no look to paste. Copy a button, a state or one of a state&apos;s items.</source>
        <translation>Stil einfügen: Das Projekt hat kein Aussehen zum Einfügen. Kopieren Sie eine Schaltfläche, einen Zustand oder eines der Elemente eines Zustands.</translation>
    </message>
    <message>
        <source>VelkoButton ended before the changes to %1 were saved. They were kept in &apos;%2&apos;. Open them now?

Yes opens them as unsaved changes to %1. No removes &apos;%2&apos;. Cancel keeps it for the next start.</source>
        <translation>VelkoButton wurde beendet, bevor die Änderungen an %1 gespeichert waren. Sie wurden in &apos;%2&apos; aufbewahrt. Jetzt öffnen?

„Ja“ öffnet sie als nicht gespeicherte Änderungen an %1. „Nein“ entfernt &apos;%2&apos;. „Abbrechen“ behält sie für den nächsten Start.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 could not be kept: neither the project&apos;s folder nor the cache folder took them.</source>
        <translation>Die nicht gespeicherten Änderungen an %1 konnten nicht aufbewahrt werden: Weder der Projektordner noch der Cache-Ordner konnte sie aufnehmen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the same file as the input &apos;%2&apos;; it was not replaced.</source>
        <translation>&apos;%1&apos; ist dieselbe Datei wie die Eingabe &apos;%2&apos;; sie wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file; it was not replaced.</source>
        <translation>&apos;%1&apos; ist keine reguläre Datei; sie wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read-only; it was not replaced.</source>
        <translation>&apos;%1&apos; ist schreibgeschützt; die Datei wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a program (it may be run); it was not replaced.</source>
        <translation>&apos;%1&apos; ist ein Programm (es kann ausgeführt werden); die Datei wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>Unable to write &apos;%1&apos;: %2. Any file of that name is unchanged.</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2. Eine eventuell vorhandene Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>Unable to read &apos;%1&apos;: %2.</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file name &apos;%1&apos; contains characters that cannot be stored in the project. Please rename the file or choose another one.</source>
        <translation>Der Dateiname &apos;%1&apos; enthält Zeichen, die im Projekt nicht gespeichert werden können. Bitte benennen Sie die Datei um oder wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have the same file name and cannot both be copied beside the page. Nothing was copied.</source>
        <translation>&apos;%1&apos; und &apos;%2&apos; haben denselben Dateinamen und können nicht beide neben die Seite kopiert werden. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Copying &apos;%1&apos; would replace &apos;%2&apos;. Nothing was copied.</source>
        <translation>Das Kopieren von &apos;%1&apos; würde &apos;%2&apos; ersetzen. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have file names that differ only in case, which a server may take for one, and cannot both be copied beside the page. Nothing was copied.</source>
        <translation>&apos;%1&apos; und &apos;%2&apos; haben Dateinamen, die sich nur in der Groß-/Kleinschreibung unterscheiden, was ein Server als denselben Namen auffassen kann; sie können nicht beide neben die Seite kopiert werden. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source> Nothing was copied.</source>
        <translation> Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than 64 MiB, more than any image or sound of a page needs; it is not shown.</source>
        <translation>&apos;%1&apos; ist größer als 64 MiB, mehr als jedes Bild oder jeder Klang einer Seite benötigt; die Datei wird nicht angezeigt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link, a folder or a special file, so nothing is written through it. Nothing was copied.</source>
        <translation>&apos;%1&apos; ist ein Link, ein Ordner oder eine Spezialdatei, daher wird nichts darüber geschrieben. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The file name &apos;%1&apos; holds control characters (shown here as ^ and a letter), so the file is not used.</source>
        <translation>Der Dateiname &apos;%1&apos; enthält Steuerzeichen (hier als ^ und ein Buchstabe dargestellt), daher wird die Datei nicht verwendet.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an image or sound file that a page can use.</source>
        <translation>&apos;%1&apos; ist keine Bild- oder Audiodatei, die eine Seite verwenden kann.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than 64 MiB, more than any image or sound of a page needs.</source>
        <translation>&apos;%1&apos; ist größer als 64 MiB, mehr als jedes Bild oder jeder Klang einer Seite benötigt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named like a file that a web server runs or shows as a page.</source>
        <translation>&apos;%1&apos; ist wie eine Datei benannt, die ein Webserver ausführt oder als Seite anzeigt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds %2, but its name does not end in %3.</source>
        <translation>&apos;%1&apos; enthält %2, aber der Name endet nicht auf %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds parameters, but its name ends like an image&apos;s, sound&apos;s or font&apos;s.</source>
        <translation>&apos;%1&apos; enthält Parameter, aber der Name endet wie der eines Bildes, eines Klangs oder einer Schrift.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is named like a file that a web server reads its settings from.</source>
        <translation>&apos;%1&apos; ist wie eine Datei benannt, aus der ein Webserver seine Einstellungen liest.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not what the page uses it as: %2.</source>
        <translation>&apos;%1&apos; ist nicht das, wofür die Seite die Datei verwendet: %2.</translation>
    </message>
    <message>
        <source>the file changed after it was checked</source>
        <translation>die Datei wurde nach der Prüfung geändert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is an SVG image that holds a script, an event attribute, a javascript: link or a foreign object.</source>
        <translation>&apos;%1&apos; ist ein SVG-Bild, das ein Skript, ein Ereignisattribut, einen javascript:-Link oder ein Fremdobjekt enthält.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; have file names that differ only in case, which a server may take for one; neither is shown.</source>
        <translation>&apos;%1&apos; und &apos;%2&apos; haben Dateinamen, die sich nur in der Groß-/Kleinschreibung unterscheiden, was ein Server als denselben Namen auffassen kann; keine der beiden wird angezeigt.</translation>
    </message>
    <message>
        <source>Contrast %1 — hard to read; %2 or more reads well</source>
        <translation>Kontrast %1 — schwer lesbar; ab %2 gut lesbar</translation>
    </message>
    <message>
        <source>Also below %1: %2</source>
        <translation>Ebenfalls unter %1: %2</translation>
    </message>
    <message>
        <source>Captions hard to read (below %1): %2</source>
        <translation>Schwer lesbare Beschriftungen (unter %1): %2</translation>
    </message>
    <message>
        <source>This project has not been saved to a file yet, so there is nothing to read again.</source>
        <translation>Dieses Projekt wurde noch nicht in eine Datei gespeichert, es gibt also nichts erneut zu lesen.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Reading the file again as %2 replaces the project with what the file holds. Read it again?</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind. Wird die Datei erneut als %2 gelesen, ersetzt ihr Inhalt das Projekt. Erneut lesen?</translation>
    </message>
    <message>
        <source>%1 could not be read again: %2. The project stays as it is.</source>
        <translation>%1 konnte nicht erneut gelesen werden: %2. Das Projekt bleibt, wie es ist.</translation>
    </message>
</context>
</TS>
