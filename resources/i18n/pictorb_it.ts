<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 è una realtà pionieristica che crea soluzioni all&apos;avanguardia per aiutare privati e aziende a esprimere tutto il loro potenziale grazie alla tecnologia.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>Per maggiori informazioni, visita i siti ufficiali di %2 e %1.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 è software libero distribuito con la GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). Le librerie su cui si basa e le loro licenze sono elencate in THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Adatta le fasce alle didascalie</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Usa ovunque la fascia comune</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>Nessuna immagine ha una didascalia a cui adattare una fascia.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Adattare le fasce alle didascalie</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Usare ovunque la fascia comune</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>Fasce adattate alle didascalie: %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Rileva bande dei sottotitoli</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Ometti righe ripetute</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>immagine %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Rileva bande dei sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Bande dei sottotitoli trovate in %1 immagini su %2.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>Nessuna in %1: mantengono la banda comune.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>Le righe ripetute si cercano nelle bande di una striscia verticale: indica prima una Banda.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Omettere righe ripetute</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>Nessun fotogramma ripete la riga precedente.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>Deselezionati %1 fotogrammi che ripetono la riga precedente.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Fascia</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Usa la fascia comune</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Mostra le righe usate da tutto il foglio, fissate dalla sua fascia</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>La prima immagine del foglio è sempre mostrata intera</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Modificare la fascia</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Inizio, come hh:mm:ss.mmm. Alt+Su: %1 ms dopo, Alt+Giù: %1 ms prima. Invio conserva la riga, Esc annulla la modifica.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Fine, come hh:mm:ss.mmm. Alt+Su: %1 ms dopo, Alt+Giù: %1 ms prima. Invio conserva la riga, Esc annulla la modifica.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Testo della riga. Ctrl+B la divide al cursore. Invio conserva la riga, Esc annulla la modifica.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>Questa riga non esiste.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>Una riga deve contenere testo; elimina invece la riga.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>Un tempo non può precedere l’inizio del film.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>Una riga non può finire prima di iniziare.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Posiziona il cursore tra due parole della riga per dividerla lì.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>L’ultima riga non ha una riga successiva da unire.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>Non ci sono righe da spostare.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>Inglese (Stati Uniti)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russo</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore testo</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Colore bordo</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>Una didascalia contiene al massimo %1 caratteri; il resto è stato tralasciato.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Digitare la didascalia</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Spostare la didascalia</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Allineare la didascalia</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Ripristina stile</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Modificare lo stile della didascalia</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Cerca nei sottotitoli</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>Ancora nessun sottotitolo</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Genera sottotitoli</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Sottotitoli (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Modifica riga</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Elimina le righe scelte</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Dividi la riga in due al cursore, il suo tempo nella stessa proporzione</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Unisci la riga con la successiva</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Sposta i tempi...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Anticipa o posticipa ogni riga dello stesso tempo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>«%1» non è un tempo: scrivilo come hh:mm:ss.mmm, per esempio 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Modifica riga</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Sposta inizio riga</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Sposta fine riga</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Elimina riga</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>Elimina %n riga</numerusform>
            <numerusform>Elimina %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Dividi riga</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Unisci righe</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Sposta i tempi</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Sposta ogni riga di (+ dopo, - prima), come [-]hh:mm:ss.mmm:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Sposta i tempi</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>Sposta all’inizio</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Usa come prima</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Copia didascalia</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Incolla stile didascalia</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>Seleziona tutte</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Deseleziona tutte</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>Duplicare l’immagine</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Incollare lo stile della didascalia</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Incollare l’immagine</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Stai già usando la versione più recente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Data di rilascio: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Dimensione: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb non è riuscito a cercare aggiornamenti: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Seleziona colore</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Salva progetto come...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Immagini e progetti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Impossibile salvare il progetto: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Progetti Pictorb (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>La raccolta</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>Impossibile ripristinare l’ultima sessione: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>L’ultima sessione è stata ripristinata</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Inizia da vuoto</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Genera sottotitoli</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Servizio vocale Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Trascrizione compatibile con OpenAI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Lingua parlata</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL di base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Chiave API</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>L’URL di base deve essere un indirizzo http o https.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>non è stato possibile scrivere l’immagine</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Non è stato esportato nulla: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>Esportato %1 (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>Esportate %1 immagini in %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Non è stato possibile scriverne %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>Non è stato possibile usare la cartella %1, quindi l’esportazione è andata in %2.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Applica stile corrente</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>Trascina qui l&apos;immagine! Oppure&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;fai clic qui per importare un&apos;immagine.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Danneggiate, mostrate fin dove è stato possibile leggerle: %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>Non importati, non sono immagini o sono illeggibili: %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>Non importate, più di %1 megapixel: %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Seleziona prima le immagini da esportare.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importa immagine</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>Importa %1 immagini</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Seleziona immagine</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Deseleziona immagine</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Applica stile corrente</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Dare a tutte le immagini lo stile della didascalia di quella in modifica</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Mostra le immagini in grande, per esportarle una per una</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Rimuovi tutte le immagini; Annulla le ripristina</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Usare come prima</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Spostare l’immagine</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>Cattura %1 righe</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Ogni riga del film (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>Le righe da</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>Le righe selezionate nell’elenco dei sottotitoli (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>Come didascalia del fotogramma, modificata e formattata in Pictorb (consigliato: la fascia si adatta alla didascalia)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Disegnato nell’immagine dal lettore</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Cattura ogni riga</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Fotogrammi da catturare: %1, uno a metà di ogni riga.</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>Generazione dei sottotitoli in corso</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Visualizza log</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>La cartella di output &quot;%1&quot; non è un percorso completo; le esportazioni vanno in %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Importa immagini o apri un progetto</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferenze...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>Questo è un messaggio.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>Indietro [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Avanti [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Riproduci [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Interrompi [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>Cattura [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>Cattura con sottotitoli</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Disegna il sottotitolo mostrato nell’immagine catturata</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pausa [Spazio]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parlato</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Cartella di uscita:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>Catture:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Fornitore:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Tempo massimo:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>Chiave API:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Cattura i fotogrammi con il sottotitolo impresso</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Cerca aggiornamenti all’avvio</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Servizio vocale Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Trascrizione compatibile con OpenAI</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>Il modello eseguito dal server di trascrizione, ad es. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>Nessuna: un server locale non ne ha bisogno</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Conservata nell’archivio segreto del sistema, mai nelle impostazioni</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Scegli una cartella per le immagini esportate.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb non può scrivere in «%1»: scegli una cartella scrivibile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>«%1» non è un indirizzo web: deve iniziare con http:// o https:// e indicare un host, come http://127.0.0.1:8000.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Indica il modello eseguito dal server, per esempio whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>Spazio X</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Spazio Y</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Troppo grande per %1: al massimo %2 pixel per lato. Riduci la scala o scegli un altro formato.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Seleziona le immagini nella barra per unirle</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>L’immagine unita di %1 x %2 pixel è troppo grande. Seleziona meno immagini o scegli un altro layout.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>Non è stato esportato nulla: un’immagine di %1 x %2 richiede più memoria di quella libera.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Modifica dimensione di output</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Modifica colonne</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Modifica spaziatura</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Modifica layout</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Fascia</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Fasce</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Impostare la fascia di tutti i fotogrammi insieme</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Apri l’immagine unita in una finestra a parte</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Dimensione in uscita in percentuale dell’immagine unita</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Larghezza in uscita in pixel; l’altezza segue</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Altezza in uscita in pixel; la larghezza segue</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Immagini in ogni riga della griglia</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Pixel tra le immagini; un valore negativo tiene solo una fascia di ciascuna delle successive</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Pixel di ogni immagine successiva mostrati dalla striscia, contati dal bordo opposto</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>Il processo %1 è stato terminato.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>Impossibile avviare il processo %1. Codice di uscita %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Esegui comando</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>Il processo %1 è stato avviato.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>Il processo %1 è terminato.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Scegli dove salvare</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Esporta selezionati</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>Nessun archivio di segreti in esecuzione: la chiave API viene conservata solo per questa sessione</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>Esporta ogni immagine selezionata</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Esporta l’immagine unita</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Adatta l’immagine al pannello</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Mostra l’immagine alle dimensioni reali</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>Il servizio vocale non ha risposto</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>Il servizio non ha restituito alcun risultato utilizzabile</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>più grande di %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>nessuna riga di sottotitolo con tempi</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>Estrazione dell’audio del film</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>Caricamento dell’audio: %1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>Riconoscimento del parlato</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>Scrittura dei sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Impossibile generare sottotitoli ora: apri un film o attendi la fine della generazione in corso</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Righe di sottotitoli generate: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>I tempi oltre la fine del film sono stati spostati alla sua fine.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>I tempi negativi o invertiti sono stati corretti e le righe ordinate.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>Impossibile estrarre l’audio del film</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>Impossibile scrivere i sottotitoli</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>la traccia non contiene righe di testo</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>non è stato possibile avviare il programma ffmpeg</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>il file non può essere scritto</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>Il servizio di trascrizione ha rifiutato la chiave API</translation>
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
        <translation>Apri video...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>Carica sottotitoli...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Traccia sottotitoli</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Rimuovi sottotitoli</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Riproduci o metti in pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Fotogramma precedente</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Fotogramma successivo</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Cattura ogni riga...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Apri video</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Carica sottotitoli</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Cattura ogni riga</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>Cattura della riga %1 di %2</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Genera sottotitoli...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Sottotitoli dal parlato del film</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Salva sottotitoli come...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>Le righe corrette non possono essere conservate in «%1»; salvale con Salva sottotitoli come prima di chiudere.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Sottotitoli SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Sottotitoli WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>Sottotitoli ASS (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Salva sottotitoli come</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>I sottotitoli non possono essere salvati come «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n riga di sottotitoli salvata come «%1».</numerusform>
            <numerusform>%n righe di sottotitoli salvate come «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>non è stato possibile avviare il motore video</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>il motore video l’ha rifiutato</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>non contiene video</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>non è stato possibile aprirlo</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>Trascina qui il video! Oppure&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;fai clic qui per importare un video.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Ripristina stile</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Trascinare la fascia</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Ripristinare lo stile predefinito della didascalia</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Mostra l’immagine</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Mostra il film</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>La traccia dei sottotitoli non contiene righe: %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>l’OpenGL di questo computer non può mostrare film</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Impossibile mostrare i sottotitoli «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>Impossibile riprodurre «%1»: %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Apri il film prima dei suoi sottotitoli.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>Impossibile caricare i sottotitoli «%1»: %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>Non c’è ancora nessun fotogramma da catturare.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>Impossibile catturare le righe: %1.</translation>
    </message>
</context>
</TS>
