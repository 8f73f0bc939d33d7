<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 ist ein Wegbereiter, der innovative Lösungen entwickelt, mit denen Privatpersonen und Unternehmen ihr volles Potenzial durch Technologie entfalten können.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>Mehr dazu auf den offiziellen Websites von %2 und %1.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 ist freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later). Die Bibliotheken, auf denen es aufbaut, und ihre Lizenzen stehen in THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Streifen an Untertitel anpassen</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Überall den gemeinsamen Streifen verwenden</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>Kein Bild hat einen Untertitel, an den ein Streifen angepasst werden kann.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Streifen an Untertitel anpassen</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Überall den gemeinsamen Streifen verwenden</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>An Untertitel angepasste Streifen: %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Untertitelstreifen erkennen</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Wiederholte Zeilen weglassen</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Untertitelstreifen erkennen</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Untertitelstreifen in %1 von %2 Bildern gefunden.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>Keiner in %1: Sie behalten den gemeinsamen Streifen.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>Wiederholte Zeilen werden in den Streifen eines senkrechten Bandes gesucht: Geben Sie zuerst einen Streifen an.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Wiederholte Zeilen weglassen</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>Kein Standbild wiederholt die Zeile davor.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>%1 Standbilder abgewählt, die die Zeile davor wiederholen.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Gemeinsamen Streifen verwenden</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Die Zeilen zeigen, die das ganze Blatt nutzt, gesetzt durch seinen Streifen</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>Das erste Bild des Blattes wird immer ganz gezeigt</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Streifen ändern</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Beginn als hh:mm:ss.mmm. Alt+Hoch: %1 ms später, Alt+Runter: %1 ms früher. Eingabe übernimmt die Zeile, Esc verwirft die Änderung.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Ende als hh:mm:ss.mmm. Alt+Hoch: %1 ms später, Alt+Runter: %1 ms früher. Eingabe übernimmt die Zeile, Esc verwirft die Änderung.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Text der Zeile. Strg+B teilt sie an der Schreibmarke. Eingabe übernimmt die Zeile, Esc verwirft die Änderung.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>Diese Zeile gibt es nicht.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>Eine Zeile braucht Text; löschen Sie die Zeile stattdessen.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>Eine Zeit kann nicht vor dem Filmbeginn liegen.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>Eine Zeile kann nicht vor ihrem Beginn enden.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Setzen Sie die Schreibmarke zwischen zwei Wörter der Zeile, um sie dort zu teilen.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>Die letzte Zeile hat keine folgende Zeile zum Zusammenführen.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>Es gibt keine Zeilen zum Verschieben.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Kantonesisch</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russisch</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Konturfarbe</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>Eine Untertitelzeile fasst höchstens %1 Zeichen; der Rest wurde weggelassen.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Untertitel tippen</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Untertitel verschieben</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Untertitel ausrichten</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Stil zurücksetzen</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Untertitelstil ändern</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Untertitel durchsuchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>Noch keine Untertitel</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Untertitel erzeugen</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Untertitel (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Zeile bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Die gewählten Zeilen löschen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Die Zeile an der Schreibmarke in zwei teilen, ihre Zeit im selben Verhältnis</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Die Zeile mit der folgenden zusammenführen</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Zeiten verschieben...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Jede Zeile um dieselbe Zeit früher oder später legen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>„%1“ ist keine Zeit: Geben Sie sie als hh:mm:ss.mmm ein, zum Beispiel 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Zeile bearbeiten</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Zeilenbeginn verschieben</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Zeilenende verschieben</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>%n Zeile löschen</numerusform>
            <numerusform>%n Zeilen löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Zeile teilen</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Zeilen zusammenführen</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Zeiten verschieben</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Jede Zeile verschieben um (+ später, - früher), als [-]hh:mm:ss.mmm:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Zeiten verschieben</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Als erstes verwenden</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Untertitel kopieren</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Untertitelstil einfügen</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>Bild duplizieren</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Untertitelstil einfügen</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Suche nach Updates</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Sie verwenden bereits die neueste Version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Veröffentlicht am: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb konnte nicht nach Updates suchen: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Farbe auswählen</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Bilder und Projekte</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Das Projekt konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Pictorb-Projekte (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>Die Sammlung</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>Die letzte Sitzung konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>Ihre letzte Sitzung wurde wiederhergestellt</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Leer beginnen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Untertitel erzeugen</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb-Sprachdienst</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI-kompatible Transkription</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Gesprochene Sprache</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>Basis-URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>Die Basis-URL muss eine http- oder https-Adresse sein.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>das Bild konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nichts wurde exportiert: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>%1 exportiert (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>%1 Bilder nach %2 exportiert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnten nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>Der Ordner %1 war nicht nutzbar, daher wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Aktuellen Stil anwenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>Bild hierher ziehen! Oder&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;hier klicken, um ein Bild zu importieren.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Beschädigt, so weit lesbar angezeigt: %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>Nicht importiert, kein Bild oder nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>Nicht importiert, mehr als %1 Megapixel: %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Haken Sie zuerst die zu exportierenden Bilder an.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>%1 Bilder importieren</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Bild anhaken</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Bild abhaken</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Alle anhaken</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Alle abhaken</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Aktuellen Stil anwenden</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Allen Bildern den Untertitelstil des bearbeiteten geben</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Die Bilder groß zeigen, um jedes einzeln zu exportieren</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Alle Bilder entfernen; Rückgängig holt sie zurück</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Als erstes verwenden</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>%1 Zeilen aufnehmen</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Jede Zeile des Films (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>Die Zeilen von</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>Die in der Untertitelliste gewählten Zeilen (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>Als Untertitel des Standbilds, in Pictorb bearbeitet und gestaltet (empfohlen: der Streifen passt zum Untertitel)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Vom Player ins Bild gezeichnet</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Jede Zeile aufnehmen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Aufzunehmende Standbilder: %1, eines in der Mitte jeder Zeile.</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>Untertitel werden erzeugt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>Der Ausgabeordner „%1“ ist kein vollständiger Pfad; Exporte gehen nach %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Bilder importieren oder ein Projekt öffnen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>Dies ist eine Nachricht.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>Zurück [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Vorwärts [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Wiedergabe [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Stopp [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>Erfassen [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>Mit Untertiteln aufnehmen</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Den angezeigten Untertitel in das aufgenommene Bild zeichnen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pause [Leertaste]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache zu Text</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>Aufnahmen:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Anbieter:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>API-Schlüssel:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Bilder mit eingezeichnetem Untertitel aufnehmen</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Beim Start nach Updates suchen</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb-Sprachdienst</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI-kompatible Transkription</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>Das Modell, das der Transkriptionsserver ausführt, z. B. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>Keiner: ein lokaler Server braucht keinen Schlüssel</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Im Schlüsselspeicher des Systems aufbewahrt, nie in den Einstellungen</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Wählen Sie einen Ordner für die exportierten Bilder.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb kann nicht in „%1“ schreiben: Wählen Sie einen beschreibbaren Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>„%1“ ist keine Webadresse: Sie muss mit http:// oder https:// beginnen und einen Host nennen, wie http://127.0.0.1:8000.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Nennen Sie das Modell, das der Server ausführt, zum Beispiel whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>X-Abstand</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Y-Abstand</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Zu groß für %1: höchstens %2 Pixel pro Seite. Verringern Sie die Skalierung oder wählen Sie ein anderes Format.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Haken Sie Bilder in der Leiste an, um sie zusammenzufügen</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>Das zusammengefügte Bild mit %1 x %2 Pixeln ist zu groß. Haken Sie weniger Bilder an oder wählen Sie ein anderes Layout.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>Nichts wurde exportiert: Ein Bild mit %1 x %2 braucht mehr Speicher als frei ist.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Ausgabegröße ändern</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Spalten ändern</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Abstand ändern</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Layout ändern</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Den Streifen aller Standbilder auf einmal setzen</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Das zusammengefügte Bild in einem eigenen Fenster öffnen</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Ausgabegröße in Prozent des zusammengefügten Bildes</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Ausgabebreite in Pixeln; die Höhe folgt</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Ausgabehöhe in Pixeln; die Breite folgt</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Bilder in jeder Zeile des Rasters</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Pixel zwischen den Bildern; negativ behält von jedem folgenden nur einen Streifen</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Pixel jedes folgenden Bildes, die der Streifen zeigt, vom fernen Rand gezählt</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>Prozess %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>Prozess %1 konnte nicht gestartet werden. Exit-Code %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Befehl ausführen</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>Prozess %1 wurde gestartet.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>Prozess %1 ist beendet.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Auswahl exportieren</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>Kein Schlüsselspeicher aktiv: Der API-Schlüssel wird nur für diese Sitzung behalten</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>Jedes markierte Bild exportieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Das zusammengefügte Bild exportieren</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Bild an den Bereich anpassen</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Bild in Originalgröße zeigen</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>Der Sprachdienst hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>Der Dienst lieferte kein verwendbares Ergebnis</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>keine Untertitelzeile mit Zeitangabe</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>Ton des Films wird extrahiert</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>Audio wird hochgeladen: %1 %</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>Sprache wird erkannt</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>Untertitel werden geschrieben</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Untertitel können jetzt nicht erzeugt werden: Öffnen Sie einen Film oder warten Sie, bis die laufende Erzeugung endet</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Erzeugte Untertitelzeilen: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>Zeiten nach dem Ende des Films wurden auf sein Ende gesetzt.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>Negative oder vertauschte Zeiten wurden korrigiert und die Zeilen geordnet.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>Der Ton des Films konnte nicht extrahiert werden</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>Die Untertitel konnten nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>die Spur enthält keine Textzeilen</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>das Programm ffmpeg konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>Der Transkriptionsdienst hat den API-Schlüssel abgelehnt</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>Video öffnen...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>Untertitel laden...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Untertitelspur</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Untertitel entfernen</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Jede Zeile aufnehmen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Video öffnen</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Untertitel laden</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Jede Zeile aufnehmen</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>Zeile %1 von %2 wird aufgenommen</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Untertitel erzeugen...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Untertitel aus der Sprache des Films</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Untertitel speichern unter...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>Die korrigierten Zeilen können nicht in „%1“ gespeichert werden; sichern Sie sie vor dem Schließen mit „Untertitel speichern unter“.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip-Untertitel (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT-Untertitel (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>ASS-Untertitel (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Untertitel speichern unter</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>Die Untertitel können nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Untertitelzeile als „%1“ gespeichert.</numerusform>
            <numerusform>%n Untertitelzeilen als „%1“ gespeichert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>die Videowiedergabe konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>die Videowiedergabe hat sie abgelehnt</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>sie enthält kein Video</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>sie konnte nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>Video hierher ziehen! Oder&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;hier klicken, um ein Video zu importieren.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Stil zurücksetzen</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Streifen ziehen</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Dem Untertitel den Standardstil zurückgeben</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Bild zeigen</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Film zeigen</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>Die Untertitelspur enthält keine Zeilen: %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>das OpenGL dieses Computers kann keine Filme zeigen</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Die Untertitel „%1“ können nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>„%1“ kann nicht abgespielt werden: %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Öffnen Sie zuerst den Film, dann seine Untertitel.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>Die Untertitel „%1“ können nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>Es gibt noch kein Bild zum Aufnehmen.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>Die Zeilen können nicht aufgenommen werden: %1.</translation>
    </message>
</context>
</TS>
