<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 es una empresa pionera dedicada a crear soluciones de vanguardia que permiten a personas y empresas aprovechar todo su potencial gracias a la tecnología.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>Para más información, visite los sitios oficiales de %2 y %1.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later). Las bibliotecas en las que se basa y sus licencias figuran en THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Ajustar franjas a los subtítulos</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Usar la franja común en todas</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>Ninguna imagen tiene un subtítulo al que ajustar una franja.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Ajustar franjas a los subtítulos</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Usar la franja común en todas</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>Franjas ajustadas a los subtítulos: %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Detectar bandas de subtítulos</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Omitir líneas repetidas</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>imagen %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Detectar bandas de subtítulos</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Bandas de subtítulos encontradas en %1 de %2 imágenes.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>Ninguna en %1: conservan la banda común.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>Las líneas repetidas se buscan en las bandas de una tira vertical: indique primero una Banda.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Omitir líneas repetidas</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>Ningún fotograma repite la línea anterior.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>Desmarcados %1 fotogramas que repiten la línea anterior.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Usar la franja común</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Mostrar las filas que usa toda la hoja, fijadas por su franja</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>La primera imagen de la hoja se muestra siempre entera</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Cambiar franja</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Inicio, como hh:mm:ss.mmm. Alt+Arriba: %1 ms más tarde, Alt+Abajo: %1 ms antes. Intro guarda la línea, Esc descarta el cambio.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Fin, como hh:mm:ss.mmm. Alt+Arriba: %1 ms más tarde, Alt+Abajo: %1 ms antes. Intro guarda la línea, Esc descarta el cambio.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Texto de la línea. Ctrl+B la divide en el cursor. Intro guarda la línea, Esc descarta el cambio.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>Esa línea no existe.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>Una línea necesita texto; elimine la línea en su lugar.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>Un tiempo no puede ser anterior al inicio de la película.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>Una línea no puede terminar antes de empezar.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Coloque el cursor entre dos palabras de la línea para dividirla ahí.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>La última línea no tiene una siguiente con la que unirse.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>No hay líneas que desplazar.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonés</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Ruso</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Color del borde</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>Un subtítulo admite como máximo %1 caracteres; el resto se ha omitido.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Escribir subtítulo</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Mover subtítulo</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Alinear subtítulo</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Restablecer estilo</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Cambiar estilo del subtítulo</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Buscar subtítulos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>Aún no hay subtítulos</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Generar subtítulos</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Subtítulos (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Editar línea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Eliminar las líneas elegidas</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Dividir la línea en dos en el cursor, y su tiempo en la misma proporción</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Unir la línea con la siguiente</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Desplazar tiempos...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Mover todas las líneas antes o después el mismo tiempo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>«%1» no es un tiempo: escríbalo como hh:mm:ss.mmm, por ejemplo 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Editar línea</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Mover inicio de línea</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Mover fin de línea</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Eliminar línea</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>Eliminar %n línea</numerusform>
            <numerusform>Eliminar %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Dividir línea</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Unir líneas</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Desplazar tiempos</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Mover todas las líneas (+ después, - antes), como [-]hh:mm:ss.mmm:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Desplazar tiempos</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Usar como primera</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Copiar subtítulo</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Pegar estilo de subtítulo</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Desmarcar todas</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>Duplicar imagen</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Pegar estilo de subtítulo</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Ya está usando la versión más reciente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Fecha de publicación: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamaño: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb no pudo buscar actualizaciones: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Seleccionar color</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Guardar proyecto como...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Imágenes y proyectos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>No se pudo guardar el proyecto: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Proyectos de Pictorb (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>La colección</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>No se pudo restaurar la última sesión: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>Se restauró su última sesión</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Empezar vacío</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Generar subtítulos</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Servicio de voz de Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcripción compatible con OpenAI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Idioma hablado</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Clave de API</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>La URL base debe ser una dirección http o https.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>no se pudo escribir la imagen</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>No se exportó nada: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>Exportado %1 (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>Se exportaron %1 imágenes a %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudieron escribir %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>No se pudo usar la carpeta %1, así que se exportó a %2.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Aplicar estilo actual</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>¡Suelte aquí la imagen! O bien,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;haga clic aquí para importar una imagen.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Dañadas, se muestran hasta donde se pudieron leer: %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>No importados, no son imágenes o no se pueden leer: %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>No importadas, más de %1 megapíxeles: %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Marque primero las imágenes que desea exportar.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>Importar %1 imágenes</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Marcar imagen</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Desmarcar imagen</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Desmarcar todas</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Aplicar estilo actual</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Dar a todas las imágenes el estilo de subtítulo de la que se edita</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Mostrar las imágenes grandes, para exportar cada una</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Quitar todas las imágenes; Deshacer las recupera</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Usar como primera</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Mover imagen</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>Capturar %1 líneas</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Cada línea de la película (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>Las líneas desde</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>Las líneas seleccionadas en la lista de subtítulos (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>Como subtítulo del fotograma, editado y con estilo en Pictorb (recomendado: la franja se ajusta al subtítulo)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Dibujado en la imagen por el reproductor</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturar cada línea</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Fotogramas que se capturarán: %1, uno en el centro de cada línea.</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>Generando subtítulos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>La carpeta de salida &quot;%1&quot; no es una ruta completa; las exportaciones van a %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Importar imágenes o abrir un proyecto</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>Este es un mensaje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>Retroceder [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Avanzar [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Reproducir [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Detener [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>Capturar [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>Capturar con subtítulos</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Dibujar el subtítulo mostrado en la imagen capturada</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pausa [Espacio]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>Capturas:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Proveedor:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>Clave de API:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Capturar fotogramas con el subtítulo dibujado</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Servicio de voz de Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcripción compatible con OpenAI</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>El modelo que ejecuta el servidor de transcripción, p. ej. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>Ninguna: un servidor local no necesita clave</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Se guarda en el almacén de secretos del sistema, nunca en la configuración</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Elija una carpeta para las imágenes exportadas.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb no puede escribir en «%1»: elija una carpeta en la que se pueda escribir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>«%1» no es una dirección web: debe empezar por http:// o https:// e indicar un host, como http://127.0.0.1:8000.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Indique el modelo que ejecuta el servidor, por ejemplo whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>Espacio X</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Espacio Y</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Demasiado grande para %1: %2 píxeles por lado como máximo. Reduzca la escala o elija otro formato.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Marque imágenes en la tira para combinarlas</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>La imagen combinada de %1 x %2 píxeles es demasiado grande. Marque menos imágenes o elija otro diseño.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>No se exportó nada: una imagen de %1 x %2 necesita más memoria de la disponible.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Cambiar tamaño de salida</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Cambiar columnas</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Cambiar espaciado</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Cambiar diseño</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Franjas</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Ajustar la franja de todos los fotogramas a la vez</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Abrir la imagen combinada en su propia ventana</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Tamaño de salida en porcentaje de la imagen combinada</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Ancho de salida en píxeles; la altura se ajusta</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Altura de salida en píxeles; el ancho se ajusta</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Imágenes en cada fila de la cuadrícula</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Píxeles entre las imágenes; un valor negativo conserva solo una franja de cada siguiente</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Píxeles de cada imagen siguiente que muestra la tira, contados desde su borde lejano</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>El proceso %1 se ha detenido.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>No se pudo iniciar el proceso %1. Código de salida %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Ejecutar comando</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>El proceso %1 se ha iniciado.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>El proceso %1 ha finalizado.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Elegir dónde guardar</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Exportar selección</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>No hay ningún almacén de secretos en ejecución: la clave de API solo se conserva durante esta sesión</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>Exportar cada imagen marcada</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Exportar la imagen combinada</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Ajustar la imagen al panel</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Mostrar la imagen a tamaño real</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>El servicio de voz no respondió</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>El servicio no devolvió ningún resultado utilizable</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>mayor de %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>ninguna línea de subtítulo con tiempos</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>Extrayendo el sonido de la película</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>Subiendo el audio: %1 %</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>Reconociendo la voz</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>Escribiendo los subtítulos</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Ahora no se pueden generar subtítulos: abra una película o espere a que termine la generación en curso</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Líneas de subtítulos generadas: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>Los tiempos posteriores al final de la película se movieron a su final.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>Se corrigieron tiempos negativos o invertidos y se ordenaron las líneas.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>No se pudo extraer el sonido de la película</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>No se pudieron escribir los subtítulos</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>la pista no contiene líneas de texto</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>no se pudo iniciar el programa ffmpeg</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>no se puede escribir el archivo</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>El servicio de transcripción rechazó la clave de API</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>Abrir vídeo...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>Cargar subtítulos...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Pista de subtítulos</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Quitar subtítulos</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Fotograma siguiente</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Capturar cada línea...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Abrir vídeo</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Cargar subtítulos</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturar cada línea</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>Capturando la línea %1 de %2</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Generar subtítulos...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Subtítulos a partir de la voz de la película</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Guardar subtítulos como...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>Las líneas corregidas no se pueden guardar en «%1»; guárdelas con Guardar subtítulos como antes de cerrar.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Subtítulos SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Subtítulos WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>Subtítulos ASS (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Guardar subtítulos como</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>Los subtítulos no se pueden guardar como «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>Se guardó %n línea de subtítulos como «%1».</numerusform>
            <numerusform>Se guardaron %n líneas de subtítulos como «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>no se pudo iniciar el motor de vídeo</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>el motor de vídeo lo rechazó</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>no contiene vídeo</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>no se pudo abrir</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>¡Suelte aquí el vídeo! O bien,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;haga clic aquí para importar un vídeo.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Restablecer estilo</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Arrastrar franja</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Devolver al subtítulo el estilo predeterminado</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Mostrar imagen</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Mostrar película</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>La pista de subtítulos no tiene líneas: %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>el OpenGL de este equipo no puede mostrar películas</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>No se pueden mostrar los subtítulos «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>No se puede reproducir «%1»: %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Abra la película antes que sus subtítulos.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>No se pueden cargar los subtítulos «%1»: %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>Todavía no hay ningún fotograma que capturar.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>No se pueden capturar las líneas: %1.</translation>
    </message>
</context>
</TS>
