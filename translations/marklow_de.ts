<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>A gradebook for teachers: scores, weighted averages, letter grades, charts and printed reports.</source>
        <translation>Ein Notenbuch für Lehrkräfte: Punkte, gewichtete Durchschnitte, Buchstabennoten, Diagramme und gedruckte Berichte.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Use what this window shows and close it</source>
        <translation>Übernehmen, was dieses Fenster zeigt, und es schließen</translation>
    </message>
    <message>
        <source>Close this window without changing anything</source>
        <translation>Dieses Fenster schließen, ohne etwas zu ändern</translation>
    </message>
    <message>
        <source>Open the Help page about this window</source>
        <translation>Die Hilfeseite zu diesem Fenster öffnen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>CategoriesPage</name>
    <message>
        <source>Grade Book Category files (*.gca)</source>
        <translation>Notenbuch-Kategoriedateien (*.gca)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New empty category table</source>
        <translation>Neue leere Kategorietabelle</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load the category table from a file</source>
        <translation>Die Kategorietabelle aus einer Datei laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the category table to a file</source>
        <translation>Die Kategorietabelle in einer Datei speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the current category</source>
        <translation>Die aktuelle Kategorie löschen</translation>
    </message>
    <message>
        <source>% Total</source>
        <translation>% gesamt</translation>
    </message>
    <message>
        <source>Displays the current total percent of grade</source>
        <translation>Zeigt die aktuelle Summe der Prozentanteile an der Endnote</translation>
    </message>
    <message>
        <source>Discard existing categories</source>
        <translation>Vorhandene Kategorien verwerfen</translation>
    </message>
    <message>
        <source>Load Category Options</source>
        <translation>Kategorieoptionen laden</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Save Category Options</source>
        <translation>Kategorieoptionen speichern</translation>
    </message>
</context>
<context>
    <name>CellRules</name>
    <message>
        <source>Enter a grade name, then press Tab or Enter</source>
        <translation>Notennamen eingeben, dann Tab oder Eingabe</translation>
    </message>
    <message>
        <source>Enter a student name, then press Tab or Enter</source>
        <translation>Schülernamen eingeben, dann Tab oder Eingabe</translation>
    </message>
    <message>
        <source>Enter a grade value, then press Tab or Enter</source>
        <translation>Notenwert eingeben, dann Tab oder Eingabe</translation>
    </message>
    <message>
        <source>Not a number or a known letter</source>
        <translation>Weder eine Zahl noch ein bekannter Buchstabe</translation>
    </message>
    <message>
        <source>Above the %1 points of %2</source>
        <translation>Über den %1 Punkten von %2</translation>
    </message>
    <message>
        <source>Excused: not counted in the average</source>
        <translation>Entschuldigt: zählt nicht zum Durchschnitt</translation>
    </message>
    <message>
        <source>Missing: counts as %1 percent</source>
        <translation>Fehlt: zählt als %1 Prozent</translation>
    </message>
</context>
<context>
    <name>ChartForm</name>
    <message>
        <source>Chart &amp; Statistics</source>
        <translation>Diagramm &amp; Statistik</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Initialen</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Single Letter</source>
        <translation>Einzelbuchstabe</translation>
    </message>
    <message>
        <source>Letter Stats</source>
        <translation>Buchstabenstatistik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>Datenart</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Chart Type</source>
        <translation>Diagrammtyp</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The Numbers to Letters table has no letter thresholds.</source>
        <translation>Die Tabelle Zahlen zu Buchstaben enthält keine Notengrenzen.</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Curve for </source>
        <translation>Kurve für </translation>
    </message>
    <message>
        <source>Enter New Curve Amount</source>
        <translation>Neuen Kurvenbetrag eingeben</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>2D bar</source>
        <translation>2D-Balken</translation>
    </message>
    <message>
        <source>3D bar</source>
        <translation>3D-Balken</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Print the chart or a description of its data</source>
        <translation>Das Diagramm oder eine Beschreibung seiner Daten drucken</translation>
    </message>
    <message>
        <source>Label each bar with initials instead of a number</source>
        <translation>Jeden Balken mit Initialen statt mit einer Nummer beschriften</translation>
    </message>
    <message>
        <source>Count how many values fall into each letter range, one bar per letter</source>
        <translation>Zählen, wie viele Werte in jeden Notenbereich fallen, ein Balken je Buchstabe</translation>
    </message>
    <message>
        <source>Merge the letter ranges that begin with the same letter into one bar</source>
        <translation>Die Notenbereiche, die mit demselben Buchstaben beginnen, zu einem Balken zusammenfassen</translation>
    </message>
    <message>
        <source>Compute the statistics on letter points instead of percentages</source>
        <translation>Die Statistik aus Notenpunkten statt aus Prozentwerten berechnen</translation>
    </message>
    <message>
        <source>Chart the class averages of the grades, or the students&apos; results in one grade</source>
        <translation>Die Klassendurchschnitte der Noten oder die Ergebnisse der Schüler in einer Note darstellen</translation>
    </message>
    <message>
        <source>Chart the students&apos; averages, or one student&apos;s results in every grade</source>
        <translation>Die Durchschnitte der Schüler oder die Ergebnisse eines Schülers in jeder Note darstellen</translation>
    </message>
    <message>
        <source>The grade to chart, or the class averages</source>
        <translation>Die darzustellende Note oder die Klassendurchschnitte</translation>
    </message>
    <message>
        <source>The student to chart, or the student averages</source>
        <translation>Der darzustellende Schüler oder die Schülerdurchschnitte</translation>
    </message>
    <message>
        <source>How the values are drawn: bars, a line or an area</source>
        <translation>Wie die Werte gezeichnet werden: als Balken, Linie oder Fläche</translation>
    </message>
    <message>
        <source>Lay the bars on their side, which suits long lists</source>
        <translation>Die Balken quer legen, was zu langen Listen passt</translation>
    </message>
    <message>
        <source>Sa&amp;ve Picture...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
    <message>
        <source>&amp;Initials/Letter Names</source>
        <translation>&amp;Initialen/Buchstabennamen</translation>
    </message>
    <message>
        <source>Hi&amp;stogram</source>
        <translation>Histogr&amp;amm</translation>
    </message>
    <message>
        <source>Single &amp;Letter</source>
        <translation>&amp;Einzelbuchstabe</translation>
    </message>
    <message>
        <source>Letter S&amp;tats</source>
        <translation>Buchstabens&amp;tatistik</translation>
    </message>
    <message>
        <source>Change C&amp;urve</source>
        <translation>Kurve &amp;ändern</translation>
    </message>
</context>
<context>
    <name>CheckForm</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schwere</translation>
    </message>
    <message>
        <source>Check Results</source>
        <translation>Prüfergebnisse</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Grade Entries</source>
        <translation>Noteneinträge</translation>
    </message>
    <message>
        <source>Blank Entries</source>
        <translation>Leere Einträge</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>One line per problem found; select a line and press Find to go there</source>
        <translation>Eine Zeile je gefundenem Problem; eine Zeile wählen und Suchen drücken, um dorthin zu gehen</translation>
    </message>
    <message>
        <source>Close this window and go to the problem on the selected line</source>
        <translation>Dieses Fenster schließen und zum Problem der gewählten Zeile gehen</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Not enough memory to copy the class.</source>
        <translation>Nicht genug Speicher, um die Klasse zu kopieren.</translation>
    </message>
</context>
<context>
    <name>CriteriaForm</name>
    <message>
        <source>! Extra Credit  - Percent of grade for extra credit is in addition to the total of 100%.</source>
        <translation>! Zusatzpunkte  - Der Prozentanteil für Zusatzpunkte kommt zur Summe von 100% hinzu.</translation>
    </message>
    <message>
        <source>Grade Criteria</source>
        <translation>Bewertungskriterien</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Klassen-Nr.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>% (entered)</source>
        <translation>% (eing.)</translation>
    </message>
    <message>
        <source>Drop Lowest</source>
        <translation>Streichen</translation>
    </message>
    <message>
        <source>Grade Name</source>
        <translation>Notenname</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>% of Grade</source>
        <translation>% der Note</translation>
    </message>
    <message>
        <source>* When dropping the lowest grade in a category with unequal weights, percent of grade values are estimated</source>
        <translation>* Wird bei ungleichen Gewichtungen die schlechteste Note gestrichen, sind die Prozentanteile geschätzt,</translation>
    </message>
    <message>
        <source>based on the lowest weighted grade</source>
        <translation>ausgehend von der am niedrigsten gewichteten Note</translation>
    </message>
    <message>
        <source>Grade Criteria for %1</source>
        <translation>Bewertungskriterien für %1</translation>
    </message>
    <message>
        <source>Yes *</source>
        <translation>Ja *</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>DescriptionPage</name>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Klassenname</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Klassennummer</translation>
    </message>
    <message>
        <source>Your name as it should appear on paper</source>
        <translation>Ihr Name, wie er auf dem Papier stehen soll</translation>
    </message>
    <message>
        <source>The course, such as Algebra I</source>
        <translation>Der Kurs, zum Beispiel Algebra I</translation>
    </message>
    <message>
        <source>The section, period or room that tells this class from your others</source>
        <translation>Die Gruppe, Stunde oder der Raum, der diese Klasse von Ihren anderen unterscheidet</translation>
    </message>
    <message>
        <source>Scores may be typed with a decimal comma (8,5 for 8.5)</source>
        <translation>Ergebnisse dürfen mit Dezimalkomma eingegeben werden (8,5 für 8.5)</translation>
    </message>
    <message>
        <source>Kept with the gradebook, so its scores are the same numbers in every language</source>
        <translation>Wird mit dem Notenbuch gespeichert, damit seine Ergebnisse in jeder Sprache dieselben Zahlen sind</translation>
    </message>
</context>
<context>
    <name>DisplayPage</name>
    <message>
        <source>%1 %2 Points</source>
        <translation>%1 %2 Punkt</translation>
    </message>
    <message>
        <source>Flat Toolbars</source>
        <translation>Flache Werkzeugleisten</translation>
    </message>
    <message>
        <source>3D Tables</source>
        <translation>3D-Tabellen</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save recovery information every</source>
        <translation>Wiederherstellungsdaten speichern alle</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Show the tool-bar buttons without a raised border</source>
        <translation>Die Schaltflächen der Werkzeugleiste ohne erhabenen Rand zeigen</translation>
    </message>
    <message>
        <source>Draw the tables with sunken, three-dimensional cell borders</source>
        <translation>Die Tabellen mit vertieften, dreidimensionalen Zellrändern zeichnen</translation>
    </message>
    <message>
        <source>Show the tool tips of the tool-bar buttons</source>
        <translation>Die Hinweise der Schaltflächen der Werkzeugleiste zeigen</translation>
    </message>
    <message>
        <source>Choose the font of the grid, the dialogs&apos; tables and the status bar</source>
        <translation>Die Schrift des Rasters, der Tabellen in den Dialogen und der Statusleiste wählen</translation>
    </message>
    <message>
        <source>How often a gradebook with unsaved changes is copied for recovery after a crash</source>
        <translation>Wie oft ein Notenbuch mit ungespeicherten Änderungen für die Wiederherstellung nach einem Absturz kopiert wird</translation>
    </message>
    <message>
        <source>The font %1 has no Latin letters, so the gradebook could not be read in it. Choose another font.</source>
        <translation>Die Schrift %1 hat keine lateinischen Buchstaben, das Notenbuch wäre in ihr nicht lesbar. Wählen Sie eine andere Schrift.</translation>
    </message>
</context>
<context>
    <name>GBookForm</name>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Klassen-Nr.</translation>
    </message>
    <message>
        <source>Student Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Gradebook for %1</source>
        <translation>Notenbuch für %1</translation>
    </message>
    <message>
        <source>Class Average</source>
        <translation>Klassendurchschnitt</translation>
    </message>
</context>
<context>
    <name>GradeBook</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, counting invalid entries</source>
        <translation>%1, mit ungültigen Einträgen</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Average of the students&apos; averages, %1</source>
        <translation>Durchschnitt der Schülerdurchschnitte, %1</translation>
    </message>
    <message>
        <source>Average of the class averages, %1</source>
        <translation>Durchschnitt der Klassendurchschnitte, %1</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>class average</source>
        <translation>Klassendurchschnitt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>New grade, %1</source>
        <translation>Neue Note, %1</translation>
    </message>
    <message>
        <source>Grade name</source>
        <translation>Notenname</translation>
    </message>
    <message>
        <source>class average %1</source>
        <translation>Klassendurchschnitt %1</translation>
    </message>
    <message>
        <source>New student, %1</source>
        <translation>Neuer Schüler, %1</translation>
    </message>
    <message>
        <source>average %1</source>
        <translation>Durchschnitt %1</translation>
    </message>
    <message>
        <source>New student</source>
        <translation>Neuer Schüler</translation>
    </message>
    <message>
        <source>New grade</source>
        <translation>Neue Note</translation>
    </message>
    <message>
        <source>curved %1</source>
        <translation>mit Kurve %1</translation>
    </message>
</context>
<context>
    <name>GradeBox</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewichtung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Extra Credit</source>
        <translation>Zusatzpunkte</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>(Points)</source>
        <translation>(Punkte)</translation>
    </message>
    <message>
        <source>Don&apos;t compute class average</source>
        <translation>Keinen Klassendurchschnitt berechnen</translation>
    </message>
    <message>
        <source>The points a full score of this grade is worth</source>
        <translation>Die Punkte, die eine volle Leistung in dieser Note wert ist</translation>
    </message>
    <message>
        <source>How much this grade counts compared with the other grades of its category</source>
        <translation>Wie viel diese Note im Vergleich zu den anderen Noten ihrer Kategorie zählt</translation>
    </message>
    <message>
        <source>The category this grade belongs to</source>
        <translation>Die Kategorie, zu der diese Note gehört</translation>
    </message>
    <message>
        <source>Let this grade raise a student&apos;s average but never lower it</source>
        <translation>Diese Note darf den Durchschnitt eines Schülers heben, aber nie senken</translation>
    </message>
    <message>
        <source>Add the curve&apos;s amount to every entry of this grade</source>
        <translation>Den Kurvenbetrag zu jedem Eintrag dieser Note addieren</translation>
    </message>
    <message>
        <source>The points the curve adds to every entry of this grade</source>
        <translation>Die Punkte, die die Kurve zu jedem Eintrag dieser Note addiert</translation>
    </message>
    <message>
        <source>Show no class average for this grade and leave it out of the overall class average</source>
        <translation>Für diese Note keinen Klassendurchschnitt zeigen und sie beim gesamten Klassendurchschnitt weglassen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help collection was not found. Looked for:&lt;br&gt;</source>
        <translation>Die Hilfesammlung wurde nicht gefunden. Gesucht wurde:&lt;br&gt;</translation>
    </message>
    <message>
        <source>The help collection %1 cannot be read: %2</source>
        <translation>Die Hilfesammlung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <source>The help files are missing: %1</source>
        <translation>Die Hilfedateien fehlen: %1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Marklow Help</source>
        <translation>Marklow-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back to the page shown before (Alt+Left)</source>
        <translation>Zurück zur vorher gezeigten Seite (Alt+Links)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Wieder vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The contents page of Marklow Help (Alt+Home)</source>
        <translation>Die Inhaltsseite der Marklow-Hilfe (Alt+Pos1)</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Größere Schrift</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>&amp;Kleinere Schrift</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the help (Escape or Ctrl+W)</source>
        <translation>Die Hilfe schließen (Esc oder Strg+W)</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>Es ist keine Hilfe verfügbar.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <translation>&amp;Geben Sie die ersten Buchstaben des gesuchten Worts ein:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Type words to find every page that holds them, then press Enter:</source>
        <translation>Wörter eingeben, um alle Seiten zu finden, die sie enthalten, dann Eingabe drücken:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Marklow Help - </source>
        <translation>Marklow-Hilfe - </translation>
    </message>
</context>
<context>
    <name>LettersPage</name>
    <message>
        <source>Grade Book Letter Option files (*.gln)</source>
        <translation>Notenbuch-Buchstabendateien (*.gln)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Clear the currently selected table</source>
        <translation>Die gewählte Tabelle leeren</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load both tables from a file</source>
        <translation>Beide Tabellen aus einer Datei laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save both tables to a file</source>
        <translation>Beide Tabellen in einer Datei speichern</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Sort the currently selected table</source>
        <translation>Die gewählte Tabelle sortieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the current row in the currently selected table</source>
        <translation>Die aktuelle Zeile der gewählten Tabelle löschen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show letter grades in computed averages</source>
        <translation>Buchstabennoten in berechneten Durchschnitten anzeigen</translation>
    </message>
    <message>
        <source>Letters to Numbers</source>
        <translation>Buchstaben zu Zahlen</translation>
    </message>
    <message>
        <source>Numbers to Letters</source>
        <translation>Zahlen zu Buchstaben</translation>
    </message>
    <message>
        <source>Load Letter Options</source>
        <translation>Buchstabenoptionen laden</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Save Letter Options</source>
        <translation>Buchstabenoptionen speichern</translation>
    </message>
    <message>
        <source>The percentage each letter typed as an entry stands for</source>
        <translation>Der Prozentwert, für den jeder als Eintrag getippte Buchstabe steht</translation>
    </message>
    <message>
        <source>The lowest average that gets each letter</source>
        <translation>Der niedrigste Durchschnitt, der jeden Buchstaben erhält</translation>
    </message>
</context>
<context>
    <name>MissingPage</name>
    <message>
        <source>Missing work (M) counts as this percentage</source>
        <translation>Fehlende Arbeit (M) zählt mit diesem Prozentsatz</translation>
    </message>
    <message>
        <source>From 0 to 100 percent of the grade&apos;s points; 0 counts missing work as zero</source>
        <translation>Von 0 bis 100 Prozent der Punkte der Note; bei 0 zählt fehlende Arbeit als null</translation>
    </message>
    <message>
        <source>Blank entries count as missing after the grade&apos;s date</source>
        <translation>Leere Einträge zählen nach dem Datum der Note als fehlende Arbeit</translation>
    </message>
    <message>
        <source>Off: a blank entry does not count. Grades without a date never count a blank as missing</source>
        <translation>Aus: Ein leerer Eintrag zählt nicht. Bei Noten ohne Datum zählt ein leerer Eintrag nie als fehlende Arbeit</translation>
    </message>
    <message>
        <source>Type EX to excuse a student from a grade: it leaves the grade out of the student&apos;s average. Type M or MI for missing work.</source>
        <translation>Geben Sie EX ein, um einen Schüler bei einer Note zu entschuldigen: Die Note zählt dann nicht zu seinem Durchschnitt. Geben Sie M oder MI für fehlende Arbeit ein.</translation>
    </message>
    <message>
        <source>Missing work must count as a percentage from 0 to 100</source>
        <translation>Fehlende Arbeit muss mit einem Prozentsatz von 0 bis 100 zählen</translation>
    </message>
</context>
<context>
    <name>OptionFolder</name>
    <message>
        <source>These texts hold characters that an option file cannot store; they were saved with &quot;?&quot; in their place:</source>
        <translation>Diese Texte enthalten Zeichen, die eine Optionsdatei nicht speichern kann; sie wurden mit „?“ an deren Stelle gespeichert:</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Gewichtungen</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Missing Work</source>
        <translation>Fehlende Arbeit</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>The report has no pages to print.</source>
        <translation>Der Bericht hat keine Seiten zum Drucken.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>Eine neue Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PasswordDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>New passwords don&apos;t match</source>
        <translation>Die neuen Kennwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>Password can not be blank</source>
        <translation>Das Kennwort darf nicht leer sein</translation>
    </message>
    <message>
        <source>Password has characters that can not be saved</source>
        <translation>Das Kennwort enthält Zeichen, die nicht gespeichert werden können</translation>
    </message>
    <message>
        <source>Password Dialog</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Kennwort eingeben:</translation>
    </message>
    <message>
        <source>Password is incorrect</source>
        <translation>Das Kennwort ist falsch</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <source>Enter new password:</source>
        <translation>Neues Kennwort eingeben:</translation>
    </message>
    <message>
        <source>Reenter new password:</source>
        <translation>Neues Kennwort wiederholen:</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <source>Enter current password:</source>
        <translation>Aktuelles Kennwort eingeben:</translation>
    </message>
    <message>
        <source>Current Password is incorrect</source>
        <translation>Das aktuelle Kennwort ist falsch</translation>
    </message>
    <message>
        <source>The password this gradebook was saved with</source>
        <translation>Das Kennwort, mit dem dieses Notenbuch gespeichert wurde</translation>
    </message>
    <message>
        <source>The password the gradebook has now</source>
        <translation>Das Kennwort, das das Notenbuch jetzt hat</translation>
    </message>
    <message>
        <source>The password the gradebook will ask for when opened</source>
        <translation>Das Kennwort, nach dem das Notenbuch beim Öffnen fragen wird</translation>
    </message>
    <message>
        <source>The new password once more, to catch a typing mistake</source>
        <translation>Das neue Kennwort noch einmal, um Tippfehler zu erkennen</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom auf 100 %</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Zoom to Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Keine Seiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>PrintChartDialog</name>
    <message>
        <source>Print Chart</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Chart graphic</source>
        <translation>Diagrammgrafik</translation>
    </message>
    <message>
        <source>Chart description and detail</source>
        <translation>Diagrammbeschreibung und Einzelheiten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Print the chart as on screen, on one page</source>
        <translation>Das Diagramm wie auf dem Bildschirm auf einer Seite drucken</translation>
    </message>
    <message>
        <source>Print a description of the chart and a line for every value in it</source>
        <translation>Eine Beschreibung des Diagramms und eine Zeile für jeden seiner Werte drucken</translation>
    </message>
    <message>
        <source>Show the pages on screen before printing them</source>
        <translation>Die Seiten vor dem Drucken auf dem Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Preview or print the chosen printout</source>
        <translation>Den gewählten Ausdruck in der Vorschau zeigen oder drucken</translation>
    </message>
    <message>
        <source>Choose the printer, the paper and its orientation, or printing to a PDF file</source>
        <translation>Den Drucker, das Papier und seine Ausrichtung wählen oder in eine PDF-Datei drucken</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>gradebook</source>
        <translation>Notenbuch</translation>
    </message>
    <message>
        <source>grading criteria</source>
        <translation>Bewertungskriterien</translation>
    </message>
    <message>
        <source>progress</source>
        <translation>Leistungsbericht</translation>
    </message>
    <message>
        <source>The %1 report is not available yet.</source>
        <translation>Der Bericht „%1“ ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>detailed progress</source>
        <translation>ausführlicher Leistungsbericht</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation>Berichtsart</translation>
    </message>
    <message>
        <source>Gradebook</source>
        <translation>Notenbuch</translation>
    </message>
    <message>
        <source>Grade Criteria</source>
        <translation>Bewertungskriterien</translation>
    </message>
    <message>
        <source>Progress Report(s)</source>
        <translation>Leistungsbericht(e)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Shade Curved Grades</source>
        <translation>Noten mit Kurve schattieren</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Omit grades after last entry</source>
        <translation>Noten nach dem letzten Eintrag weglassen</translation>
    </message>
    <message>
        <source>Print grade</source>
        <translation>Note drucken als</translation>
    </message>
    <message>
        <source>Exactly as entered</source>
        <translation>Genau wie eingegeben</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Nur Zahlen</translation>
    </message>
    <message>
        <source>Letters only</source>
        <translation>Nur Buchstaben</translation>
    </message>
    <message>
        <source>Numbers and Letters</source>
        <translation>Zahlen und Buchstaben</translation>
    </message>
    <message>
        <source>Print student</source>
        <translation>Schüler drucken als</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>IDs</source>
        <translation>Kennungen</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählte</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Detailed progress report</source>
        <translation>Ausführlicher Leistungsbericht</translation>
    </message>
    <message>
        <source>Print the whole table of students, averages and entries</source>
        <translation>Die ganze Tabelle mit Schülern, Durchschnitten und Einträgen drucken</translation>
    </message>
    <message>
        <source>Print how the final grade is made up from categories and grades</source>
        <translation>Drucken, wie sich die Endnote aus Kategorien und Noten zusammensetzt</translation>
    </message>
    <message>
        <source>Print one page per student with the average and every grade</source>
        <translation>Eine Seite je Schüler mit dem Durchschnitt und jeder Note drucken</translation>
    </message>
    <message>
        <source>Print for each student the categories, every grade, the final average and a comment</source>
        <translation>Für jeden Schüler die Kategorien, jede Note, den Enddurchschnitt und einen Kommentar drucken</translation>
    </message>
    <message>
        <source>Show the pages on screen before printing them</source>
        <translation>Die Seiten vor dem Drucken auf dem Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Print curved entries on a grey background</source>
        <translation>Einträge mit Kurve auf grauem Hintergrund drucken</translation>
    </message>
    <message>
        <source>Print the pages upright, 8 grade columns a page</source>
        <translation>Die Seiten hochkant drucken, 8 Notenspalten je Seite</translation>
    </message>
    <message>
        <source>Print the pages sideways, 12 grade columns a page</source>
        <translation>Die Seiten quer drucken, 12 Notenspalten je Seite</translation>
    </message>
    <message>
        <source>Leave out the grades at the right end that nobody has an entry in yet</source>
        <translation>Die Noten am rechten Ende weglassen, in die noch niemand etwas eingetragen hat</translation>
    </message>
    <message>
        <source>Print each entry as it was typed, comments included</source>
        <translation>Jeden Eintrag so drucken, wie er getippt wurde, mit Kommentaren</translation>
    </message>
    <message>
        <source>Print each entry as points, letters turned into numbers</source>
        <translation>Jeden Eintrag als Punkte drucken, Buchstaben in Zahlen umgewandelt</translation>
    </message>
    <message>
        <source>Print each entry&apos;s letter</source>
        <translation>Den Buchstaben jedes Eintrags drucken</translation>
    </message>
    <message>
        <source>Print each entry as points and letter, such as 85=B</source>
        <translation>Jeden Eintrag als Punkte und Buchstaben drucken, zum Beispiel 85=B</translation>
    </message>
    <message>
        <source>Print each student&apos;s name</source>
        <translation>Den Namen jedes Schülers drucken</translation>
    </message>
    <message>
        <source>Print each student&apos;s ID instead of the name</source>
        <translation>Die Kennung jedes Schülers statt des Namens drucken</translation>
    </message>
    <message>
        <source>Print a report for every student</source>
        <translation>Einen Bericht für jeden Schüler drucken</translation>
    </message>
    <message>
        <source>Print a report only for the student chosen in the list</source>
        <translation>Einen Bericht nur für den in der Liste gewählten Schüler drucken</translation>
    </message>
    <message>
        <source>The student whose report is printed with Selected</source>
        <translation>Der Schüler, dessen Bericht mit Ausgewählt gedruckt wird</translation>
    </message>
    <message>
        <source>Choose the printer, the paper, the copies and the pages for the chosen report</source>
        <translation>Den Drucker, das Papier, die Exemplare und die Seiten für den gewählten Bericht wählen</translation>
    </message>
    <message>
        <source>Preview or print the chosen report</source>
        <translation>Den gewählten Bericht in der Vorschau zeigen oder drucken</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing progress</source>
        <translation>Druckfortschritt</translation>
    </message>
    <message>
        <source>Preparing pages</source>
        <translation>Seiten werden vorbereitet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Seite %1 wird gedruckt</translation>
    </message>
    <message>
        <source>Stop printing at the next page</source>
        <translation>Das Drucken bei der nächsten Seite beenden</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Choose &quot;Print to File (PDF)&quot; in the printer setup to save the report as a PDF file.</source>
        <translation>Es ist kein Drucker verfügbar. Wählen Sie in der Druckereinrichtung „In Datei drucken (PDF)“, um den Bericht als PDF-Datei zu speichern.</translation>
    </message>
    <message>
        <source>No file was named for the PDF. Name one in the printer setup.</source>
        <translation>Für das PDF wurde keine Datei angegeben. Geben Sie in der Druckereinrichtung eine an.</translation>
    </message>
    <message>
        <source>The printer reported an error; the report may not have been printed.</source>
        <translation>Der Drucker hat einen Fehler gemeldet; der Bericht wurde möglicherweise nicht gedruckt.</translation>
    </message>
    <message>
        <source>The report has no pages to print.</source>
        <translation>Der Bericht hat keine Seiten zum Drucken.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the file was not written.</source>
        <translation>Das Drucken wurde abgebrochen; die Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message numerus="yes">
        <source>Printing was cancelled after %n page(s).</source>
        <translation>
            <numerusform>Das Drucken wurde nach %n Seite abgebrochen.</numerusform>
            <numerusform>Das Drucken wurde nach %n Seiten abgebrochen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressForm</name>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Klassen-Nr.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Grade Name</source>
        <translation>Notenname</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Progress Reports for %1</source>
        <translation>Leistungsberichte für %1</translation>
    </message>
    <message>
        <source>There are no students to print progress reports for.</source>
        <translation>Es gibt keine Schüler, für die Leistungsberichte gedruckt werden können.</translation>
    </message>
    <message>
        <source>Choose the student to print a progress report for.</source>
        <translation>Wählen Sie den Schüler, für den ein Leistungsbericht gedruckt werden soll.</translation>
    </message>
    <message>
        <source>excused</source>
        <translation>entschuldigt</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>fehlt %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
</context>
<context>
    <name>PropertyDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Omit zeros from class averages</source>
        <translation>Nullen bei Klassendurchschnitten weglassen</translation>
    </message>
    <message>
        <source>Points are weights</source>
        <translation>Punkte sind Gewichtungen</translation>
    </message>
    <message>
        <source>Default Points</source>
        <translation>Standardpunkte</translation>
    </message>
    <message>
        <source>Default Weight</source>
        <translation>Standardgewichtung</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>All Grades</source>
        <translation>Alle Noten</translation>
    </message>
    <message>
        <source>Student Properties</source>
        <translation>Schülereigenschaften</translation>
    </message>
    <message>
        <source>New Student Properties</source>
        <translation>Eigenschaften des neuen Schülers</translation>
    </message>
    <message>
        <source>Grade Properties</source>
        <translation>Noteneigenschaften</translation>
    </message>
    <message>
        <source>New Grade Properties</source>
        <translation>Eigenschaften der neuen Note</translation>
    </message>
    <message>
        <source>The student&apos;s name as the gradebook shows it</source>
        <translation>Der Name des Schülers, wie ihn das Notenbuch zeigt</translation>
    </message>
    <message>
        <source>The student&apos;s ID, such as a school number</source>
        <translation>Die Kennung des Schülers, zum Beispiel eine Schülernummer</translation>
    </message>
    <message>
        <source>Anything you want to note about the student</source>
        <translation>Alles, was Sie sich zu dem Schüler notieren möchten</translation>
    </message>
    <message>
        <source>The grade&apos;s name, shown at the top of its column</source>
        <translation>Der Name der Note, oben in ihrer Spalte gezeigt</translation>
    </message>
    <message>
        <source>The day the grade was given</source>
        <translation>Der Tag, an dem die Note vergeben wurde</translation>
    </message>
    <message>
        <source>Anything about the grade, such as the chapters a test covered</source>
        <translation>Alles zu der Note, zum Beispiel die Kapitel, die ein Test abdeckte</translation>
    </message>
    <message>
        <source>The points every new grade starts with</source>
        <translation>Die Punkte, mit denen jede neue Note beginnt</translation>
    </message>
    <message>
        <source>The weight every new grade starts with</source>
        <translation>Die Gewichtung, mit der jede neue Note beginnt</translation>
    </message>
    <message>
        <source>Leave entries worth 0 percent out of the class averages</source>
        <translation>Einträge mit 0 Prozent bei den Klassendurchschnitten weglassen</translation>
    </message>
    <message>
        <source>Weigh every grade by its points instead of its weight</source>
        <translation>Jede Note nach ihren Punkten statt nach ihrer Gewichtung zählen</translation>
    </message>
    <message>
        <source>The student&apos;s login or e-mail address, as a class list gives it</source>
        <translation>Login oder E-Mail-Adresse des Schülers, wie eine Klassenliste sie angibt</translation>
    </message>
    <message>
        <source>Login or e-mail</source>
        <translation>Login oder E-Mail</translation>
    </message>
    <message>
        <source>This extra credit weighs as much as a regular grade of its category: a full score adds a whole grade to the average, which can then pass 100 percent. A smaller weight (or fewer points) gives a smaller bonus.</source>
        <translation>Diese Zusatzpunkte zählen so viel wie eine reguläre Note ihrer Kategorie: Ein volles Ergebnis fügt dem Durchschnitt eine ganze Note hinzu, der dann über 100 Prozent steigen kann. Eine kleinere Gewichtung (oder weniger Punkte) ergibt einen kleineren Bonus.</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Kein Datum</translation>
    </message>
    <message>
        <source>The grade has no date: reports leave it blank and sorting by date puts it last</source>
        <translation>Die Note hat kein Datum: Berichte lassen es leer, und beim Sortieren nach Datum steht sie am Ende</translation>
    </message>
</context>
<context>
    <name>TDetailedProgressForm</name>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Out of</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Bst.</translation>
    </message>
    <message>
        <source>Class average</source>
        <translation>Ø Klasse</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Progress Report</source>
        <translation>Leistungsbericht</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(Fortsetzung)</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Lehrkraft</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Klassen-Nr.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Final average</source>
        <translation>Enddurchschnitt</translation>
    </message>
    <message>
        <source>An entry that could not be read does not count.</source>
        <translation>Ein Eintrag, der nicht gelesen werden konnte, zählt nicht.</translation>
    </message>
    <message>
        <source>Teacher&apos;s comment</source>
        <translation>Kommentar der Lehrkraft</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Progress Report for %1</source>
        <translation>Leistungsbericht für %1</translation>
    </message>
    <message>
        <source>Progress Reports for %1</source>
        <translation>Leistungsberichte für %1</translation>
    </message>
    <message>
        <source>There are no students to print progress reports for.</source>
        <translation>Es gibt keine Schüler, für die Leistungsberichte gedruckt werden können.</translation>
    </message>
    <message>
        <source>Choose the student to print a progress report for.</source>
        <translation>Wählen Sie den Schüler, für den ein Leistungsbericht gedruckt werden soll.</translation>
    </message>
    <message>
        <source>All grades</source>
        <translation>Alle Noten</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1 of the final grade</source>
        <translation>%1 der Endnote</translation>
    </message>
    <message>
        <source>lowest grade dropped</source>
        <translation>schlechteste Note gestrichen</translation>
    </message>
    <message>
        <source>Average: %1</source>
        <translation>Durchschnitt: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>Kurve %1</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>gestrichen</translation>
    </message>
    <message>
        <source>extra credit</source>
        <translation>Zusatzpunkte</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>nicht gezählt</translation>
    </message>
    <message>
        <source>excused</source>
        <translation>entschuldigt</translation>
    </message>
    <message>
        <source>missing, counted as %1</source>
        <translation>fehlt, gezählt als %1</translation>
    </message>
    <message>
        <source>not graded yet</source>
        <translation>noch nicht bewertet</translation>
    </message>
</context>
<context>
    <name>TDocumentLifecycle</name>
    <message>
        <source>Grade Book Files (*.gbd *.GBD);;All Files (*)</source>
        <translation>Notenbuchdateien (*.gbd *.GBD);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The preferences could not be written to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Save Changes to %1</source>
        <translation>Änderungen an %1 speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a gradebook file that Marklow can read.</source>
        <translation>„%1“ ist keine Notenbuchdatei, die Marklow lesen kann.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>These texts hold characters that a gradebook file cannot store; they were saved with &quot;?&quot; in their place:</source>
        <translation>Diese Texte enthalten Zeichen, die eine Notenbuchdatei nicht speichern kann; sie wurden mit „?“ an deren Stelle gespeichert:</translation>
    </message>
    <message>
        <source>Marklow - %1</source>
        <translation>Marklow - %1</translation>
    </message>
</context>
<context>
    <name>TGradebookCommand</name>
    <message>
        <source>Change Curve</source>
        <translation>Kurve ändern</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <source>Delete Grade</source>
        <translation>Note löschen</translation>
    </message>
    <message>
        <source>Move Student</source>
        <translation>Schüler verschieben</translation>
    </message>
    <message>
        <source>Move Grade</source>
        <translation>Note verschieben</translation>
    </message>
    <message>
        <source>Toggle Edit Mode</source>
        <translation>Bearbeitungsmodus umschalten</translation>
    </message>
    <message>
        <source>Letter Averages</source>
        <translation>Durchschnitte als Buchstaben</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>New Student</source>
        <translation>Neuer Schüler</translation>
    </message>
    <message>
        <source>Student Properties</source>
        <translation>Schülereigenschaften</translation>
    </message>
    <message>
        <source>New Grade</source>
        <translation>Neue Note</translation>
    </message>
    <message>
        <source>Grade Properties</source>
        <translation>Noteneigenschaften</translation>
    </message>
    <message>
        <source>Sort Students</source>
        <translation>Schüler sortieren</translation>
    </message>
    <message>
        <source>Sort Grades</source>
        <translation>Noten sortieren</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>WeightsPage</name>
    <message>
        <source>Grade Name</source>
        <translation>Notenname</translation>
    </message>
    <message>
        <source>Points are Weights</source>
        <translation>Punkte sind Gewichtungen</translation>
    </message>
    <message>
        <source>The grade whose settings are shown below</source>
        <translation>Die Note, deren Einstellungen unten gezeigt werden</translation>
    </message>
    <message>
        <source>Count each grade within its category by its points instead of its weight</source>
        <translation>Jede Note innerhalb ihrer Kategorie nach ihren Punkten statt nach ihrer Gewichtung zählen</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Entry of &quot;%1&quot; for grade &quot;%2&quot; &amp; student &quot;%3&quot; is invalid</source>
        <translation>Der Eintrag „%1“ bei Note „%2“ für Schüler „%3“ ist ungültig</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; needs at least two grades assigned to drop the lowest</source>
        <translation>Der Kategorie „%1“ müssen mindestens zwei Noten zugeordnet sein, um die schlechteste zu streichen</translation>
    </message>
    <message>
        <source>Weights are not equal dropping this lowest in category &quot;%1&quot;</source>
        <translation>Beim Streichen der schlechtesten Note in der Kategorie „%1“ sind die Gewichtungen nicht gleich</translation>
    </message>
    <message>
        <source>Percent of grade for category &quot;%1&quot; is zero</source>
        <translation>Der Prozentanteil der Kategorie „%1“ ist null</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; has no grades assigned</source>
        <translation>Der Kategorie „%1“ sind keine Noten zugeordnet</translation>
    </message>
    <message>
        <source>Points for grade &quot;%1&quot; is zero or blank</source>
        <translation>Die Punkte der Note „%1“ sind null oder leer</translation>
    </message>
    <message>
        <source>Weight for grade &quot;%1&quot; is zero or blank</source>
        <translation>Die Gewichtung der Note „%1“ ist null oder leer</translation>
    </message>
    <message>
        <source>Grade name number %1 is blank</source>
        <translation>Der Notenname Nummer %1 ist leer</translation>
    </message>
    <message>
        <source>Student name number %1 is blank</source>
        <translation>Der Schülername Nummer %1 ist leer</translation>
    </message>
    <message>
        <source>Category in row %1 is blank</source>
        <translation>Die Kategorie in Zeile %1 ist leer</translation>
    </message>
    <message>
        <source>Percent of grade entries do not total 100</source>
        <translation>Die Prozentanteile an der Endnote ergeben zusammen nicht 100</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 entry of &quot;%2&quot; for student %3 is invalid</source>
        <translation>Eintrag „%2“ bei %1 für Schüler %3 ist ungültig</translation>
    </message>
    <message>
        <source>The class has %1 students; a copy can carry at most %2. Nothing was copied.</source>
        <translation>Die Klasse hat %1 Schüler; eine Kopie kann höchstens %2 aufnehmen. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>These texts hold characters that the clipboard&apos;s class list cannot carry; they were copied with &quot;?&quot; in their place:
%1</source>
        <translation>Diese Texte enthalten Zeichen, die die Klassenliste der Zwischenablage nicht aufnehmen kann; sie wurden mit „?“ an deren Stelle kopiert:
%1</translation>
    </message>
    <message>
        <source>%1: Not a regular file (%2)</source>
        <translation>%1: Keine normale Datei (%2)</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Sonderdatei</translation>
    </message>
    <message>
        <source>%1: File is too large</source>
        <translation>%1: Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Too many %1 to be stored in the file</source>
        <translation>Zu viele %1, um sie in der Datei zu speichern</translation>
    </message>
    <message>
        <source>items in a list</source>
        <translation>Listeneinträge</translation>
    </message>
    <message>
        <source>categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>grades</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>The password has characters or a length that the file cannot hold</source>
        <translation>Das Kennwort enthält Zeichen oder hat eine Länge, die die Datei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>File Read Error
%1</source>
        <translation>Fehler beim Lesen der Datei
%1</translation>
    </message>
    <message>
        <source>File Read Error</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Delete Number %1 to Letter %2</source>
        <translation>Zahl %1 zu Buchstabe %2 löschen</translation>
    </message>
    <message>
        <source>Delete Letter %1 to Number %2</source>
        <translation>Buchstabe %1 zu Zahl %2 löschen</translation>
    </message>
    <message>
        <source>Discard Number to Letter table</source>
        <translation>Tabelle Zahlen zu Buchstaben verwerfen</translation>
    </message>
    <message>
        <source>Discard Letter to Number table</source>
        <translation>Tabelle Buchstaben zu Zahlen verwerfen</translation>
    </message>
    <message>
        <source>Delete Category - %1</source>
        <translation>Kategorie löschen - %1</translation>
    </message>
    <message>
        <source>(unnamed, column %1)</source>
        <translation>(ohne Namen, Spalte %1)</translation>
    </message>
    <message>
        <source>Percentage of Grade</source>
        <translation>Anteil an der Note (%)</translation>
    </message>
    <message>
        <source>Drop the Lowest</source>
        <translation>Schlechteste streichen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Count %1, Mean %2 of %3, Std Dev %4</source>
        <translation>Anzahl %1, Mittelwert %2 von %3, Std.-Abw. %4</translation>
    </message>
    <message>
        <source>Count %1, Mean %2, Std Dev %3</source>
        <translation>Anzahl %1, Mittelwert %2, Std.-Abw. %3</translation>
    </message>
    <message>
        <source>Median %1, Min %2, Max %3</source>
        <translation>Median %1, Min. %2, Max. %3</translation>
    </message>
    <message>
        <source>Class Averages</source>
        <translation>Klassendurchschnitte</translation>
    </message>
    <message>
        <source>Student Averages</source>
        <translation>Schülerdurchschnitte</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>Zeile %1 öffnet ein Feld in Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MB, so this is not a class list (or a quote in it is never closed).</source>
        <translation>Zeile %1 ist länger als 1 MB, also ist dies keine Klassenliste (oder ein Anführungszeichen darin wird nie geschlossen).</translation>
    </message>
    <message>
        <source>The file has more than %1 lines; a class list is far shorter.</source>
        <translation>Die Datei hat mehr als %1 Zeilen; eine Klassenliste ist viel kürzer.</translation>
    </message>
    <message>
        <source>The file is larger than 128 MB, so it is not a class list.</source>
        <translation>Die Datei ist größer als 128 MB, also ist sie keine Klassenliste.</translation>
    </message>
    <message>
        <source>The file holds NUL bytes, so it is not a text file. Save the class list as CSV (comma-separated values) and import that.</source>
        <translation>Die Datei enthält NUL-Bytes, also ist sie keine Textdatei. Speichern Sie die Klassenliste als CSV (kommagetrennte Werte) und importieren Sie diese.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no class list.</source>
        <translation>Die Datei ist leer: Sie enthält keine Klassenliste.</translation>
    </message>
    <message>
        <source>The class list has no column of names. It needs a column named Name or Student, or First name and Last name; or choose the columns.</source>
        <translation>Die Klassenliste hat keine Spalte mit Namen. Sie braucht eine Spalte namens Name oder Schüler oder die Spalten Vorname und Nachname; oder wählen Sie die Spalten.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Extra-credit grade &quot;%1&quot; weighs as much as a regular grade of its category: a full score adds a whole grade to the average</source>
        <translation>Zusatzpunkte-Note „%1“ zählt so viel wie eine reguläre Note ihrer Kategorie: Ein volles Ergebnis fügt dem Durchschnitt eine ganze Note hinzu</translation>
    </message>
    <message>
        <source>%1: The file is read-only, so it was not saved. Save it under another name, or make it writable first.</source>
        <translation>%1: Die Datei ist schreibgeschützt und wurde daher nicht gespeichert. Speichern Sie sie unter einem anderen Namen oder heben Sie zuerst den Schreibschutz auf.</translation>
    </message>
    <message>
        <source>%1: Is a symbolic link, and exports and printouts are never written through one. Name the file it points to.</source>
        <translation>%1: Ist eine symbolische Verknüpfung, und Exporte und Ausdrucke werden nie durch eine geschrieben. Geben Sie die Datei an, auf die sie zeigt.</translation>
    </message>
    <message>
        <source>%1: Not saved: the old file cannot be kept as the backup, because there is no room for a copy of it (%2) and this folder cannot give it a second name. Free some space, or save under another name.</source>
        <translation>%1: Nicht gespeichert: Die alte Datei kann nicht als Sicherungskopie bleiben, weil für eine Kopie kein Platz ist (%2) und dieser Ordner ihr keinen zweiten Namen geben kann. Schaffen Sie Platz oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The output file has no name</source>
        <translation>Die Ausgabedatei hat keinen Namen</translation>
    </message>
</context>
<context>
    <name>marklow::TCategoriesPage</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Each category&apos;s name, its percent and whether its lowest grade is dropped</source>
        <translation>Name, Prozentanteil jeder Kategorie und ob ihre schlechteste Note gestrichen wird</translation>
    </message>
</context>
<context>
    <name>marklow::TCheckForm</name>
    <message>
        <source>Problems found</source>
        <translation>Gefundene Probleme</translation>
    </message>
</context>
<context>
    <name>marklow::TEditCommands</name>
    <message>
        <source>Delete Student-%1</source>
        <translation>Schüler löschen - %1</translation>
    </message>
    <message>
        <source>Delete Grade-%1</source>
        <translation>Note löschen - %1</translation>
    </message>
</context>
<context>
    <name>marklow::TExportLmsDlg</name>
    <message>
        <source>Canvas</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Moodle</source>
        <translation>Moodle</translation>
    </message>
    <message>
        <source>Scores Table</source>
        <translation>Punktetabelle</translation>
    </message>
    <message>
        <source>the student in row %1</source>
        <translation>der Schüler in Zeile %1</translation>
    </message>
    <message>
        <source>student &quot;%1&quot;</source>
        <translation>Schüler „%1“</translation>
    </message>
    <message>
        <source>%1 has no ID: the import cannot match the row by ID</source>
        <translation>%1 hat keine Kennung: Der Import kann die Zeile nicht zuordnen</translation>
    </message>
    <message>
        <source>%1 has the ID &quot;%2&quot; of %3: the import gives both rows to one student</source>
        <translation>%1 hat die Kennung „%2“ wie %3: Der Import ordnet beide Zeilen einem Schüler zu</translation>
    </message>
    <message>
        <source>Grade &quot;%1&quot; is out of no points: its entries are left blank</source>
        <translation>Note „%1“ hat keine Punktzahl: Ihre Einträge bleiben leer</translation>
    </message>
    <message>
        <source>Grade %1 has no name: written as &quot;%2&quot;</source>
        <translation>Note %1 hat keinen Namen: geschrieben als „%2“</translation>
    </message>
    <message>
        <source>Grade name &quot;%1&quot; is taken: written as &quot;%2&quot;</source>
        <translation>Notenname „%1“ ist schon vergeben: geschrieben als „%2“</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Export Scores Table</source>
        <translation>Punktetabelle exportieren</translation>
    </message>
    <message>
        <source>Export for %1</source>
        <translation>Für %1 exportieren</translation>
    </message>
    <message>
        <source>%1 and %2 will be written.</source>
        <translation>%1 und %2 werden geschrieben.</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 Schüler</translation>
    </message>
    <message>
        <source>1 grade</source>
        <translation>1 Note</translation>
    </message>
    <message>
        <source>Each score in points with the curve added, a letter as its share of the grade&apos;s points. Canvas matches students by their SIS User ID: the student&apos;s ID.</source>
        <translation>Jedes Ergebnis in Punkten einschließlich Kurve, ein Buchstabe als sein Anteil an den Punkten der Note. Canvas ordnet Schüler über ihre SIS User ID zu: die Kennung des Schülers.</translation>
    </message>
    <message>
        <source>Each grade&apos;s points with the curve added, then the average and its letter, for a spreadsheet or any other system.</source>
        <translation>Die Punkte jeder Note einschließlich Kurve, dann der Durchschnitt und sein Buchstabe, für eine Tabellenkalkulation oder jedes andere System.</translation>
    </message>
    <message>
        <source>Nothing to warn about.</source>
        <translation>Keine Warnungen.</translation>
    </message>
    <message>
        <source>&amp;Look at this warning first:</source>
        <translation>&amp;Zuerst diese Warnung ansehen:</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>What to look at before the export, such as students without an ID</source>
        <translation>Was vor dem Export zu prüfen ist, zum Beispiel Schüler ohne Kennung</translation>
    </message>
    <message>
        <source>Choose a file and write the grades into it</source>
        <translation>Eine Datei wählen und die Noten hineinschreiben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for the student in row %3 cannot be read: left blank</source>
        <translation>Eintrag „%2“ bei „%1“ für den Schüler in Zeile %3 ist nicht lesbar: leer gelassen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for student &quot;%3&quot; cannot be read: left blank</source>
        <translation>Eintrag „%2“ bei „%1“ für Schüler „%3“ ist nicht lesbar: leer gelassen</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades</source>
        <translation>
            <numerusform>%n Note</numerusform>
            <numerusform>%n Noten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Look at these %n warnings first:</source>
        <translation>
            <numerusform>&amp;Zuerst diese Warnung ansehen:</numerusform>
            <numerusform>&amp;Zuerst diese %n Warnungen ansehen:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no e-mail address, which the import is to identify students by: left out</source>
        <translation>%1 hat keine E-Mail-Adresse, über die der Import die Schüler erkennen soll: ausgelassen</translation>
    </message>
    <message>
        <source>%1 has no username, which the import is to identify students by: left out</source>
        <translation>%1 hat keinen Benutzernamen, über den der Import die Schüler erkennen soll: ausgelassen</translation>
    </message>
    <message>
        <source>%1 has no ID number, which the import is to identify students by: left out</source>
        <translation>%1 hat keine ID-Nummer, über die der Import die Schüler erkennen soll: ausgelassen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for %3 is above the grade&apos;s %4 points, which Moodle refuses: written as %4</source>
        <translation>Eintrag „%2“ bei „%1“ (%3) liegt über den %4 Punkten der Note, was Moodle ablehnt: geschrieben als %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for %3 is above the grade&apos;s %4 points, which Moodle refuses: written as it is</source>
        <translation>Eintrag „%2“ bei „%1“ (%3) liegt über den %4 Punkten der Note, was Moodle ablehnt: unverändert geschrieben</translation>
    </message>
    <message>
        <source>Grade name &quot;%1&quot; would be dropped or misfiled by Canvas: written as &quot;%2&quot;</source>
        <translation>Notenname „%1“ würde von Canvas verworfen oder falsch zugeordnet: geschrieben als „%2“</translation>
    </message>
    <message>
        <source>&amp;Identify students by:</source>
        <translation>&amp;Schüler erkennen über:</translation>
    </message>
    <message>
        <source>ID number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>What Moodle&apos;s import is to match students by; students without it are left out</source>
        <translation>Worüber der Import in Moodle die Schüler zuordnen soll; Schüler ohne diese Angabe werden ausgelassen</translation>
    </message>
    <message>
        <source>&amp;Write scores above the grade&apos;s points as the points</source>
        <translation>Ergebnisse über den Punkten der Note als deren &amp;Punkte schreiben</translation>
    </message>
    <message>
        <source>Moodle refuses the whole file when one score is above the grade&apos;s maximum</source>
        <translation>Moodle lehnt die ganze Datei ab, wenn ein Ergebnis über dem Maximum der Note liegt</translation>
    </message>
    <message>
        <source>Each score in points with the curve added, a letter as its share of the grade&apos;s points. When importing, let Moodle identify users by the column chosen here.</source>
        <translation>Jedes Ergebnis in Punkten einschließlich Kurve, ein Buchstabe als sein Anteil an den Punkten der Note. Lassen Sie Moodle beim Import die Nutzer über die hier gewählte Spalte erkennen.</translation>
    </message>
    <message>
        <source>%1 has the ID &quot;%2&quot;, which a spreadsheet would run as a formula: written as it is, so that the import can match it; open the file in a spreadsheet only with care</source>
        <translation>%1 hat die Kennung „%2“, die eine Tabellenkalkulation als Formel ausführen würde: unverändert geschrieben, damit der Import sie zuordnen kann; öffnen Sie die Datei nur mit Vorsicht in einer Tabellenkalkulation</translation>
    </message>
    <message>
        <source>%1 has the e-mail address &quot;%2&quot;, which a spreadsheet would run as a formula: written as it is, so that the import can match it; open the file in a spreadsheet only with care</source>
        <translation>%1 hat die E-Mail-Adresse „%2“, die eine Tabellenkalkulation als Formel ausführen würde: unverändert geschrieben, damit der Import sie zuordnen kann; öffnen Sie die Datei nur mit Vorsicht in einer Tabellenkalkulation</translation>
    </message>
</context>
<context>
    <name>marklow::TFileCommands</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Start with a UTF-8 byte order mark (for Excel on Windows)</source>
        <translation>Mit UTF-8-Bytereihenfolgemarke beginnen (für Excel unter Windows)</translation>
    </message>
</context>
<context>
    <name>marklow::TGradebookDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;Undo Typing</source>
        <translation>Eingabe &amp;rückgängig</translation>
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
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>marklow::TImportRosterDlg</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>E-mail or login</source>
        <translation>E-Mail oder Login</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Klassenliste importieren</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>or &amp;First name:</source>
        <translation>oder &amp;Vorname:</translation>
    </message>
    <message>
        <source>and &amp;Last name:</source>
        <translation>und Na&amp;chname:</translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation>&amp;Kennung:</translation>
    </message>
    <message>
        <source>&amp;E-mail or login:</source>
        <translation>&amp;E-Mail oder Login:</translation>
    </message>
    <message>
        <source>Names such as &quot;Lee, Ann&quot;</source>
        <translation>Namen wie „Lee, Ann“</translation>
    </message>
    <message>
        <source>&amp;As in the file (Lee, Ann)</source>
        <translation>&amp;Wie in der Datei (Lee, Ann)</translation>
    </message>
    <message>
        <source>Students already in the gradebook are found in either order and keep their names.</source>
        <translation>Schüler, die schon im Notenbuch stehen, werden in beiden Reihenfolgen gefunden und behalten ihre Namen.</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>Klassen&amp;liste</translation>
    </message>
    <message>
        <source>Not on the roster (kept)</source>
        <translation>Nicht in der Liste (bleiben erhalten)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not on the roster (kept): %1</source>
        <translation>Nicht in der Liste (bleiben erhalten): %1</translation>
    </message>
    <message>
        <source>This class list has no column of names: choose the Name column, or the First name and Last name columns.</source>
        <translation>Diese Klassenliste hat keine Spalte mit Namen: Wählen Sie die Spalte für den Namen oder die Spalten für Vorname und Nachname.</translation>
    </message>
    <message>
        <source>Students to add: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Neu aufzunehmende Schüler: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>In the gradebook but not on the roster, and kept: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Im Notenbuch, nicht in der Liste, bleiben erhalten: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Lines skipped: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Übersprungene Zeilen: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>Canvas gradebook export</source>
        <translation>Canvas-Notenbuchexport</translation>
    </message>
    <message>
        <source>Moodle export</source>
        <translation>Moodle-Export</translation>
    </message>
    <message>
        <source>Blackboard download</source>
        <translation>Blackboard-Download</translation>
    </message>
    <message>
        <source>Class list</source>
        <translation>Klassenliste</translation>
    </message>
    <message>
        <source>Columns not recognised</source>
        <translation>Spalten nicht erkannt</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>, gets ID or login</source>
        <translation>, erhält Kennung oder Login</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Neu aufgenommen</translation>
    </message>
    <message>
        <source>Is %1 (by ID)</source>
        <translation>Ist %1 (über die Kennung)</translation>
    </message>
    <message>
        <source>Is %1 (by name)</source>
        <translation>Ist %1 (über den Namen)</translation>
    </message>
    <message>
        <source>Skipped: the same student as line %1</source>
        <translation>Übersprungen: derselbe Schüler wie in Zeile %1</translation>
    </message>
    <message>
        <source>Skipped: no name</source>
        <translation>Übersprungen: kein Name</translation>
    </message>
    <message>
        <source>Skipped: not a student</source>
        <translation>Übersprungen: kein Schüler</translation>
    </message>
    <message>
        <source>The column that holds each student&apos;s whole name</source>
        <translation>Die Spalte mit dem ganzen Namen jedes Schülers</translation>
    </message>
    <message>
        <source>The column of first names, when the names are in two columns</source>
        <translation>Die Spalte der Vornamen, wenn die Namen in zwei Spalten stehen</translation>
    </message>
    <message>
        <source>The column of last names, when the names are in two columns</source>
        <translation>Die Spalte der Nachnamen, wenn die Namen in zwei Spalten stehen</translation>
    </message>
    <message>
        <source>The column that holds each student&apos;s ID</source>
        <translation>Die Spalte mit der Kennung jedes Schülers</translation>
    </message>
    <message>
        <source>The column of e-mail addresses or logins, kept as each student&apos;s login</source>
        <translation>Die Spalte der E-Mail-Adressen oder Logins, die als Login jedes Schülers gespeichert werden</translation>
    </message>
    <message>
        <source>Tick when the first line names the columns; untick it when it is a student</source>
        <translation>Ankreuzen, wenn die erste Zeile die Spalten benennt; nicht ankreuzen, wenn sie ein Schüler ist</translation>
    </message>
    <message>
        <source>Keep the names as the file has them</source>
        <translation>Die Namen so lassen, wie sie in der Datei stehen</translation>
    </message>
    <message>
        <source>Put each first name before the last name</source>
        <translation>Jeden Vornamen vor den Nachnamen stellen</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Klassenliste</translation>
    </message>
    <message>
        <source>Every line of the file and what the import does with it</source>
        <translation>Jede Zeile der Datei und was der Import mit ihr macht</translation>
    </message>
    <message>
        <source>The students of the gradebook who are not on the roster; they are kept</source>
        <translation>Die Schüler des Notenbuchs, die nicht in der Klassenliste stehen; sie bleiben erhalten</translation>
    </message>
    <message>
        <source>Bring the roster into the gradebook as this window shows it</source>
        <translation>Die Klassenliste so ins Notenbuch übernehmen, wie dieses Fenster sie zeigt</translation>
    </message>
    <message>
        <source>UTF-8 with byte order mark</source>
        <translation>UTF-8 mit Bytereihenfolgemarke</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2, %3-separated, %n line(s))</source>
        <translation>
            <numerusform>%1 (%2, getrennt durch %3, %n Zeile)</numerusform>
            <numerusform>%1 (%2, getrennt durch %3, %n Zeilen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Already in the gradebook: &lt;b&gt;%1&lt;/b&gt; (%2 by ID, %3 by name; an ID or login added for %n)</source>
        <translation>
            <numerusform>Schon im Notenbuch: &lt;b&gt;%1&lt;/b&gt; (%2 über die Kennung, %3 über den Namen; %n erhält eine Kennung oder ein Login)</numerusform>
            <numerusform>Schon im Notenbuch: &lt;b&gt;%1&lt;/b&gt; (%2 über die Kennung, %3 über den Namen; %n erhalten eine Kennung oder ein Login)</numerusform>
        </translation>
    </message>
    <message>
        <source>The first line holds the col&amp;umns&apos; names</source>
        <translation>Die erste Zeile enthält die &amp;Spaltennamen</translation>
    </message>
    <message>
        <source>First Las&amp;t (Ann Lee)</source>
        <translation>V&amp;orname Nachname (Ann Lee)</translation>
    </message>
    <message>
        <source>Google Classroom export</source>
        <translation>Google-Classroom-Export</translation>
    </message>
    <message>
        <source>The first line has %1 columns; the first %2 are offered here. A class list has far fewer: is this the right file?</source>
        <translation>Die erste Zeile hat %1 Spalten; hier werden die ersten %2 angeboten. Eine Klassenliste hat weit weniger: Ist das die richtige Datei?</translation>
    </message>
</context>
<context>
    <name>marklow::TInplaceEdit</name>
    <message>
        <source>The entry of the current cell</source>
        <translation>Der Eintrag der aktuellen Zelle</translation>
    </message>
</context>
<context>
    <name>marklow::TLmsExportCommands</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Start with a UTF-8 byte order mark (for Excel on Windows)</source>
        <translation>Mit UTF-8-Bytereihenfolgemarke beginnen (für Excel unter Windows)</translation>
    </message>
    <message>
        <source>The scores table was written to
%1</source>
        <translation>Die Punktetabelle wurde geschrieben nach
%1</translation>
    </message>
    <message>
        <source>The grades for %1 were written to
%2</source>
        <translation>Die Noten für %1 wurden geschrieben nach
%2</translation>
    </message>
</context>
<context>
    <name>marklow::TPreviewForm</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>The report&apos;s pages as they will be printed</source>
        <translation>Die Seiten des Berichts, wie sie gedruckt werden</translation>
    </message>
</context>
<context>
    <name>marklow::TRecoveryCommands</name>
    <message>
        <source>%1: the folder cannot be created</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Marklow was not closed properly. Recover the unsaved changes to %1?</source>
        <translation>Marklow wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; Save writes it again.</source>
        <translation>„%1“ gibt es nicht mehr; Speichern legt die Datei neu an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed since. Save replaces it and keeps that version as its backup.</source>
        <translation>„%1“ wurde seitdem geändert. Speichern ersetzt die Datei und behält diese Fassung als Sicherungskopie.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 cannot be read: %2</source>
        <translation>Die nicht gespeicherten Änderungen an %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 were not opened; Marklow offers them again at its next start.</source>
        <translation>Die nicht gespeicherten Änderungen an %1 wurden nicht geöffnet; Marklow bietet sie beim nächsten Start erneut an.</translation>
    </message>
    <message>
        <source>The copy of the changes is kept as &quot;%1&quot;.</source>
        <translation>Die Kopie der Änderungen bleibt als „%1“ erhalten.</translation>
    </message>
    <message>
        <source>Recovery copies</source>
        <translation>Wiederherstellungskopien</translation>
    </message>
    <message>
        <source>No recovery copies are made: the folder %1 belongs to another user.</source>
        <translation>Es werden keine Wiederherstellungskopien angelegt: Der Ordner %1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>No recovery copies are made: other users may write into the folder %1.</source>
        <translation>Es werden keine Wiederherstellungskopien angelegt: Andere Benutzer dürfen in den Ordner %1 schreiben.</translation>
    </message>
    <message>
        <source>No recovery copies are made: %1 is not a folder.</source>
        <translation>Es werden keine Wiederherstellungskopien angelegt: %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written: %1</source>
        <translation>Wiederherstellungskopien können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The copy was made on %1.</source>
        <translation>Die Kopie wurde am %1 angelegt.</translation>
    </message>
    <message>
        <source>It holds 1 change beyond the saved file.</source>
        <translation>Sie enthält 1 Änderung gegenüber der gespeicherten Datei.</translation>
    </message>
    <message>
        <source>It holds %1 changes beyond the saved file.</source>
        <translation>Sie enthält %1 Änderungen gegenüber der gespeicherten Datei.</translation>
    </message>
    <message>
        <source>It holds 1 change.</source>
        <translation>Sie enthält 1 Änderung.</translation>
    </message>
    <message>
        <source>It holds %1 changes.</source>
        <translation>Sie enthält %1 Änderungen.</translation>
    </message>
    <message>
        <source>The saved file was last changed on %1.</source>
        <translation>Die gespeicherte Datei wurde zuletzt am %1 geändert.</translation>
    </message>
</context>
<context>
    <name>marklow::TRosterCommands</name>
    <message>
        <source>Import Roster</source>
        <translation>Klassenliste importieren</translation>
    </message>
    <message>
        <source>Class Lists (*.csv *.txt *.tsv);;All Files (*)</source>
        <translation>Klassenlisten (*.csv *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>marklow::TSDIAppForm</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Sprac&amp;he</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Wie das System</translation>
    </message>
    <message>
        <source>The language takes effect when Marklow is restarted.</source>
        <translation>Die Sprache wird beim nächsten Start von Marklow wirksam.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reopen...</source>
        <translation>&amp;Zuletzt geöffnet...</translation>
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
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Pass&amp;word...</source>
        <translation>&amp;Kennwort...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Averages</source>
        <translation>&amp;Durchschnitte</translation>
    </message>
    <message>
        <source>&amp;Students</source>
        <translation>&amp;Schüler</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Schüler</translation>
    </message>
    <message>
        <source>&amp;Grade</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Student...</source>
        <translation>Schüler...</translation>
    </message>
    <message>
        <source>Grade...</source>
        <translation>Note...</translation>
    </message>
    <message>
        <source>&amp;Student...</source>
        <translation>&amp;Schüler...</translation>
    </message>
    <message>
        <source>&amp;Grade...</source>
        <translation>&amp;Note...</translation>
    </message>
    <message>
        <source>&amp;Toggle Edit Mode</source>
        <translation>Bearbeitungsmodus &amp;umschalten</translation>
    </message>
    <message>
        <source>&amp;Edit Names</source>
        <translation>Namen &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Move Names</source>
        <translation>Namen verschieben</translation>
    </message>
    <message>
        <source>Check Gradebook</source>
        <translation>Notenbuch prüfen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Letter Averages</source>
        <translation>Durchschnitte als &amp;Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Curve</source>
        <translation>&amp;Kurve</translation>
    </message>
    <message>
        <source>Sort Students</source>
        <translation>Schüler sortieren</translation>
    </message>
    <message>
        <source>by User Input</source>
        <translation>nach Eingabe</translation>
    </message>
    <message>
        <source>by Name</source>
        <translation>nach Name</translation>
    </message>
    <message>
        <source>by Average</source>
        <translation>nach Durchschnitt</translation>
    </message>
    <message>
        <source>by ID</source>
        <translation>nach Kennung</translation>
    </message>
    <message>
        <source>Sort Grades</source>
        <translation>Noten sortieren</translation>
    </message>
    <message>
        <source>by Date</source>
        <translation>nach Datum</translation>
    </message>
    <message>
        <source>by Category</source>
        <translation>nach Kategorie</translation>
    </message>
    <message>
        <source>C&amp;harts/Statistics...</source>
        <translation>Dia&amp;gramme/Statistik...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Kategorien...</translation>
    </message>
    <message>
        <source>&amp;Letter grades...</source>
        <translation>&amp;Buchstabennoten...</translation>
    </message>
    <message>
        <source>&amp;Description...</source>
        <translation>Bes&amp;chreibung...</translation>
    </message>
    <message>
        <source>Dis&amp;play...</source>
        <translation>An&amp;zeige...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;How to Use Marklow Help</source>
        <translation>&amp;Wie benutze ich die Marklow-Hilfe</translation>
    </message>
    <message>
        <source>How to Use Windows Help</source>
        <translation>Wie benutze ich die Windows-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Gradebook</source>
        <translation>Neues Notenbuch</translation>
    </message>
    <message>
        <source>Open Gradebook</source>
        <translation>Notenbuch öffnen</translation>
    </message>
    <message>
        <source>Save Gradebook</source>
        <translation>Notenbuch speichern</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Student properties</source>
        <translation>Schülereigenschaften</translation>
    </message>
    <message>
        <source>Grade properties</source>
        <translation>Noteneigenschaften</translation>
    </message>
    <message>
        <source>Toggle edit mode</source>
        <translation>Bearbeitungsmodus umschalten</translation>
    </message>
    <message>
        <source>Check gradebook</source>
        <translation>Notenbuch prüfen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Gewichtungen</translation>
    </message>
    <message>
        <source>Letter grades</source>
        <translation>Buchstabennoten</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Copy Students</source>
        <translation>Schüler &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Averages</source>
        <translation>Durchschnitte ko&amp;pieren</translation>
    </message>
    <message>
        <source>New Stu&amp;dent</source>
        <translation>Neuer Sch&amp;üler</translation>
    </message>
    <message>
        <source>&amp;New Grade</source>
        <translation>Neue &amp;Note</translation>
    </message>
    <message>
        <source>&amp;Student Properties</source>
        <translation>Schüler&amp;eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Grade Properties</source>
        <translation>Noteneigenschaf&amp;ten</translation>
    </message>
    <message>
        <source>C&amp;hart/Statistics</source>
        <translation>Dia&amp;gramm/Statistik</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Marklow - %1</source>
        <translation>Marklow - %1</translation>
    </message>
    <message>
        <source>Edit Names</source>
        <translation>Namen bearbeiten</translation>
    </message>
    <message>
        <source>Gradebook</source>
        <translation>Notenbuch</translation>
    </message>
    <message>
        <source>Students in rows, grades in columns; each student&apos;s average in the first column</source>
        <translation>Schüler in Zeilen, Noten in Spalten; der Durchschnitt jedes Schülers in der ersten Spalte</translation>
    </message>
    <message>
        <source>Export for &amp;LMS</source>
        <translation>Für &amp;LMS exportieren</translation>
    </message>
    <message>
        <source>&amp;Canvas...</source>
        <translation>&amp;Canvas...</translation>
    </message>
    <message>
        <source>&amp;Moodle...</source>
        <translation>&amp;Moodle...</translation>
    </message>
    <message>
        <source>&amp;Scores Table...</source>
        <translation>&amp;Punktetabelle...</translation>
    </message>
    <message>
        <source>&amp;Import Roster...</source>
        <translation>Klassenliste &amp;importieren...</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Tastenkürzel %1</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+U</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>&amp;Weights...</source>
        <translation>&amp;Gewichtungen...</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
</context>
</TS>
