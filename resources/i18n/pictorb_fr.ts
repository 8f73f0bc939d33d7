<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 est un acteur pionnier qui conçoit des solutions de pointe permettant aux particuliers et aux entreprises de libérer tout leur potentiel grâce à la technologie.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>Pour en savoir plus, consultez les sites officiels de %2 et de %1.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Tous droits réservés.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 est un logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later). Les bibliothèques sur lesquelles il repose et leurs licences sont listées dans THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Ajuster les bandes aux légendes</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Utiliser partout la bande commune</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>Aucune image n’a de légende à laquelle ajuster une bande.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Ajuster les bandes aux légendes</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Utiliser partout la bande commune</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>Bandes ajustées aux légendes : %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Détecter les bandes de sous-titres</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Omettre les lignes répétées</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Détecter les bandes de sous-titres</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Bandes de sous-titres trouvées dans %1 images sur %2.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>Aucune dans %1 : elles gardent la bande commune.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>Les lignes répétées se cherchent dans les bandes d’une planche verticale : donnez-lui d’abord une Bande.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Omettre les lignes répétées</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>Aucune image ne répète la ligne précédente.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>%1 images qui répètent la ligne précédente décochées.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Utiliser la bande commune</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Montrer les lignes qu’utilise toute la planche, fixées par sa bande</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>La première image de la planche est toujours montrée entière</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Modifier la bande</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Début, au format hh:mm:ss.mmm. Alt+Haut : %1 ms plus tard, Alt+Bas : %1 ms plus tôt. Entrée garde la ligne, Échap annule la modification.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Fin, au format hh:mm:ss.mmm. Alt+Haut : %1 ms plus tard, Alt+Bas : %1 ms plus tôt. Entrée garde la ligne, Échap annule la modification.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Texte de la ligne. Ctrl+B la coupe au curseur. Entrée garde la ligne, Échap annule la modification.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>Cette ligne n’existe pas.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>Une ligne doit contenir du texte ; supprimez plutôt la ligne.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>Un temps ne peut pas précéder le début du film.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>Une ligne ne peut pas finir avant de commencer.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Placez le curseur entre deux mots de la ligne pour la couper à cet endroit.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>La dernière ligne n’a pas de ligne suivante avec laquelle fusionner.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>Il n’y a aucune ligne à décaler.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonais</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russe</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>Une légende contient au plus %1 caractères ; le reste a été ignoré.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Saisir la légende</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Déplacer la légende</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Aligner la légende</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Réinitialiser le style</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Modifier le style de la légende</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Rechercher dans les sous-titres</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>Aucun sous-titre pour l&apos;instant</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Générer les sous-titres</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Sous-titres (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Modifier la ligne</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Supprimer les lignes choisies</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Couper la ligne en deux au curseur, sa durée dans la même proportion</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Fusionner la ligne avec la suivante</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Décaler les temps...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Avancer ou retarder toutes les lignes de la même durée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>« %1 » n’est pas un temps : saisissez-le au format hh:mm:ss.mmm, par exemple 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Modifier la ligne</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Déplacer le début de la ligne</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Déplacer la fin de la ligne</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>Supprimer %n ligne</numerusform>
            <numerusform>Supprimer %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Couper la ligne</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Fusionner les lignes</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Décaler les temps</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Décaler toutes les lignes de (+ plus tard, - plus tôt), au format [-]hh:mm:ss.mmm :</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Décaler les temps</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Supprimer l’image</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Déplacer à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Déplacer à droite</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>Placer en premier</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Utiliser en premier</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Copier la légende</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Coller le style de légende</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>Dupliquer l’image</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Coller le style de légende</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller l’image</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Vous utilisez déjà la dernière version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Date de publication&#xa0;: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb n’a pas pu rechercher les mises à jour : %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Choisir une couleur</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Enregistrer le projet sous...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Images et projets</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Le projet n’a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Projets Pictorb (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>La collection</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>La dernière session n’a pas pu être restaurée : %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>Votre dernière session a été restaurée</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Repartir de zéro</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Générer des sous-titres</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Service vocal Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcription compatible OpenAI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Langue parlée</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>URL de base</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Clé d’API</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>L’URL de base doit être une adresse http ou https.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>l’image n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Rien n’a été exporté : %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>%1 exporté (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>%1 images exportées dans %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’ont pas pu être écrites : %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>Le dossier %1 n’a pas pu être utilisé ; l’export est allé dans %2.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Appliquer le style actuel</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>Déposez votre image ici&#xa0;! Ou&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;cliquez ici pour importer une image.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Endommagées, affichées autant qu’elles ont pu être lues : %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>Non importés, pas une image ou illisibles : %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>Non importées, plus de %1 mégapixels : %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Cochez d’abord les images à exporter.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>Importer %1 images</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Cocher l’image</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Décocher l’image</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>Supprimer l’image</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Appliquer le style actuel</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Donner à toutes les images le style de légende de celle en cours</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Afficher les images en grand, pour exporter chacune</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Retirer toutes les images ; Annuler les rétablit</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Utiliser en premier</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Déplacer l’image</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>Capturer %1 lignes</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Chaque ligne du film (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>Les lignes de</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>Les lignes choisies dans la liste des sous-titres (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>Comme légende de l’image, modifiée et stylée dans Pictorb (recommandé : la bande s’ajuste à la légende)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Dessiné dans l’image par le lecteur</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturer chaque ligne</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Images à capturer : %1, une au milieu de chaque ligne.</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>Génération des sous-titres en cours</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>Le dossier de sortie « %1 » n’est pas un chemin complet ; les exports vont dans %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Importer des images ou ouvrir un projet</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>Ceci est un message.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>Reculer [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Avancer [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Lecture [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Arrêter [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>Capturer [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>Capturer avec les sous-titres</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Dessiner le sous-titre affiché dans l’image capturée</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pause [Espace]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>Captures :</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Fournisseur :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Délai maximal :</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>Clé d’API :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Capturer les images avec le sous-titre incrusté</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Service vocal Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcription compatible OpenAI</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>Le modèle qu’exécute le serveur de transcription, p. ex. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>Aucune : un serveur local n’en a pas besoin</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Conservée dans le trousseau du système, jamais dans les réglages</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Choisissez un dossier pour les images exportées.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb ne peut pas écrire dans « %1 » : choisissez un dossier accessible en écriture.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>« %1 » n’est pas une adresse web : elle doit commencer par http:// ou https:// et nommer un hôte, comme http://127.0.0.1:8000.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Indiquez le modèle qu’exécute le serveur, par exemple whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>Écart X</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Écart Y</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Trop grand pour %1&#xa0;: %2 pixels par côté au maximum. Réduisez l&apos;échelle ou choisissez un autre format.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Cochez des images dans la bande pour les assembler</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>L’image assemblée de %1 x %2 pixels est trop grande. Cochez moins d’images ou choisissez une autre disposition.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>Rien n’a été exporté : une image de %1 x %2 demande plus de mémoire que disponible.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Modifier la taille de sortie</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Modifier les colonnes</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Modifier l’espacement</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Modifier la disposition</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bandes</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Régler la bande de toutes les images à la fois</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Ouvrir l’image assemblée dans sa propre fenêtre</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Taille de sortie en pourcentage de l’image assemblée</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Largeur de sortie en pixels ; la hauteur suit</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Hauteur de sortie en pixels ; la largeur suit</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Images par rangée de la grille</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Pixels entre les images ; négatif ne garde qu’une bande de chacune des suivantes</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Pixels de chaque image suivante que la bande montre, comptés depuis son bord opposé</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>Le processus %1 a été arrêté.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>Impossible de démarrer le processus %1. Code de sortie %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Exécuter la commande</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>Le processus %1 a démarré.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>Le processus %1 est terminé.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Choisir l&apos;emplacement d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Exporter la sélection</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>Aucun trousseau de secrets n’est actif : la clé d’API n’est gardée que pour cette session</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>Exporter chaque image cochée</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Exporter l’image assemblée</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Ajuster l’image au panneau</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Afficher l’image à sa taille réelle</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>Le service vocal n’a pas répondu</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>Le service n’a renvoyé aucun résultat exploitable</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>plus de %1 Mio</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>aucune ligne de sous-titre minutée</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>Extraction du son du film</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>Envoi de l’audio : %1 %</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>Reconnaissance de la parole</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>Écriture des sous-titres</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Impossible de générer des sous-titres maintenant : ouvrez un film ou attendez la fin de la génération en cours</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Lignes de sous-titres générées : %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>Les temps au-delà de la fin du film ont été ramenés à sa fin.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>Les temps négatifs ou inversés ont été corrigés et les lignes remises dans l’ordre.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>Le son du film n’a pas pu être extrait</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>Les sous-titres n’ont pas pu être écrits</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>la piste ne contient aucune ligne de texte</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>le programme ffmpeg n’a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>le fichier ne peut pas être écrit</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>Le service de transcription a refusé la clé d’API</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>Ouvrir une vidéo...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>Charger des sous-titres...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Piste de sous-titres</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Retirer les sous-titres</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Lecture ou pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Capturer chaque ligne...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Ouvrir une vidéo</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Charger des sous-titres</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturer chaque ligne</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>Capture de la ligne %1 sur %2</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Générer des sous-titres...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Sous-titres à partir de la parole du film</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Enregistrer les sous-titres sous...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>Les lignes corrigées ne peuvent pas être conservées dans « %1 » ; enregistrez-les avec Enregistrer les sous-titres sous avant de fermer.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Sous-titres SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Sous-titres WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>Sous-titres ASS (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Enregistrer les sous-titres sous</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>Les sous-titres ne peuvent pas être enregistrés sous « %1 » : %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n ligne de sous-titres enregistrée sous « %1 ».</numerusform>
            <numerusform>%n lignes de sous-titres enregistrées sous « %1 ».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>le moteur vidéo n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>le moteur vidéo l’a refusé</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>il ne contient pas de vidéo</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>il n’a pas pu être ouvert</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>Déposez votre vidéo ici&#xa0;! Ou&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;cliquez ici pour importer une vidéo.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Réinitialiser le style</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Faire glisser la bande</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Rendre à la légende le style par défaut</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Afficher l’image</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Afficher le film</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>La piste de sous-titres ne contient aucune ligne : %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>l’OpenGL de cet ordinateur ne peut pas afficher de films</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Impossible d’afficher les sous-titres « %1 » : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>Impossible de lire « %1 » : %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Ouvrez le film avant ses sous-titres.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>Impossible de charger les sous-titres « %1 » : %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>Il n’y a pas encore d’image à capturer.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>Impossible de capturer les lignes : %1.</translation>
    </message>
</context>
</TS>
