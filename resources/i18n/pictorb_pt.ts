<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>A %1 é uma empresa pioneira dedicada a criar soluções de vanguarda que permitem a particulares e empresas libertar todo o seu potencial através da tecnologia.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>Para mais informações, visite os sites oficiais de %2 e %1.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 é software livre sob a Licença Pública Geral GNU, versão 3 ou posterior (GPL-3.0-or-later). As bibliotecas em que se baseia e as respetivas licenças estão listadas em THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Ajustar faixas às legendas</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Usar a faixa comum em todas</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>Nenhuma imagem tem uma legenda à qual ajustar uma faixa.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Ajustar faixas às legendas</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Usar a faixa comum em todas</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>Faixas ajustadas às legendas: %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Detetar faixas de legendas</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Omitir linhas repetidas</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>imagem %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Detetar faixas de legendas</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Faixas de legendas encontradas em %1 de %2 imagens.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>Nenhuma em %1: mantêm a faixa comum.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>As linhas repetidas procuram-se nas faixas de uma tira vertical: indique primeiro uma Faixa.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Omitir linhas repetidas</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>Nenhuma imagem repete a linha anterior.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>Desmarcadas %1 imagens que repetem a linha anterior.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Usar a faixa comum</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Mostrar as linhas que toda a folha usa, definidas pela sua faixa</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>A primeira imagem da folha é sempre mostrada inteira</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Alterar faixa</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Início, como hh:mm:ss.mmm. Alt+Cima: %1 ms mais tarde, Alt+Baixo: %1 ms mais cedo. Enter guarda a linha, Esc descarta a alteração.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Fim, como hh:mm:ss.mmm. Alt+Cima: %1 ms mais tarde, Alt+Baixo: %1 ms mais cedo. Enter guarda a linha, Esc descarta a alteração.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Texto da linha. Ctrl+B divide-a no cursor. Enter guarda a linha, Esc descarta a alteração.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>Essa linha não existe.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>Uma linha precisa de texto; elimine antes a linha.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>Um tempo não pode ser anterior ao início do filme.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>Uma linha não pode terminar antes de começar.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Coloque o cursor entre duas palavras da linha para a dividir aí.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>A última linha não tem linha seguinte para juntar.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>Não há linhas para deslocar.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>Inglês (EUA)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonês</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonês</translation>
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
        <translation>Texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Rasurado</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Em baixo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Em cima</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Cor do contorno</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>Uma legenda tem no máximo %1 caracteres; o restante foi omitido.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Digitar legenda</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Mover legenda</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Alinhar legenda</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Repor estilo</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Alterar estilo da legenda</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Pesquisar legendas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>Ainda não há legendas</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Gerar legendas</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Legendas (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Editar linha</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Eliminar as linhas escolhidas</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Dividir a linha em duas no cursor, o seu tempo na mesma proporção</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Juntar a linha com a seguinte</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Deslocar tempos...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Mover todas as linhas mais cedo ou mais tarde pelo mesmo tempo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>«%1» não é um tempo: escreva-o como hh:mm:ss.mmm, por exemplo 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Editar linha</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Mover início da linha</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Mover fim da linha</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Eliminar linha</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>Eliminar %n linha</numerusform>
            <numerusform>Eliminar %n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Dividir linha</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Juntar linhas</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Deslocar tempos</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Mover todas as linhas (+ mais tarde, - mais cedo), como [-]hh:mm:ss.mmm:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Deslocar tempos</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Eliminar imagem</translation>
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
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>Mover para o início</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Usar como primeira</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Copiar legenda</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Colar estilo de legenda</translation>
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
        <translation>Duplicar imagem</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Colar estilo de legenda</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Colar imagem</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>A procurar atualizações</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Já está a utilizar a versão mais recente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Data de lançamento: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamanho: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>O Pictorb não conseguiu verificar atualizações: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Selecionar cor</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
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
        <translation>Guardar projeto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Guardar projeto como...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Imagens e projetos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Não foi possível guardar o projeto: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Projetos Pictorb (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>A coleção</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 tem alterações não guardadas.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>Não foi possível restaurar a última sessão: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>A sua última sessão foi restaurada</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Começar vazio</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Gerar legendas</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Serviço de voz Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcrição compatível com OpenAI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Língua falada</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fornecedor</translation>
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
        <translation>Chave de API</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>O URL base tem de ser um endereço http ou https.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>não foi possível gravar a imagem</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nada foi exportado: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>Exportado %1 (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>%1 imagens exportadas para %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>Não foi possível usar a pasta %1, por isso a exportação foi para %2.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Aplicar estilo atual</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>Largue a imagem aqui! Ou&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;clique aqui para importar uma imagem.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Danificadas, mostradas até onde foi possível ler: %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>Não importados, não são imagens ou estão ilegíveis: %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>Não importadas, mais de %1 megapixels: %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Marque primeiro as imagens a exportar.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Importar imagem</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>Importar %1 imagens</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Marcar imagem</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Desmarcar imagem</translation>
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
        <translation>Eliminar imagem</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Aplicar estilo atual</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Dar a todas as imagens o estilo de legenda da que está a ser editada</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Mostrar as imagens em grande, para exportar cada uma</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Remover todas as imagens; Desfazer recupera-as</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Usar como primeira</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Mover imagem</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>Capturar %1 linhas</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Cada linha do filme (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>As linhas de</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>As linhas selecionadas na lista de legendas (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>Como legenda da imagem, editada e formatada no Pictorb (recomendado: a faixa ajusta-se à legenda)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Desenhado na imagem pelo leitor</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturar cada linha</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Imagens a capturar: %1, uma a meio de cada linha.</translation>
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
        <translation>A gerar legendas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do utilizador</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Ver registo</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
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
        <translation>Ficheiros de imagem</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>A pasta de saída &quot;%1&quot; não é um caminho completo; as exportações vão para %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Importar imagens ou abrir um projeto</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferências...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>Esta é uma mensagem.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Recuar [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Avançar [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Reproduzir [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Parar [Ctrl+/]</translation>
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
        <translation>Capturar com legendas</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Desenhar a legenda mostrada na imagem capturada</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pausa [Espaço]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Pasta de saída:</translation>
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
        <translation>Fornecedor:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Tempo limite:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>Chave de API:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Capturar fotogramas com a legenda desenhada</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Procurar atualizações ao iniciar</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Serviço de fala Pictorb</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>Transcrição compatível com OpenAI</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>O modelo que o servidor de transcrição executa, p. ex. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>Nenhuma: um servidor local não precisa de chave</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Guardada no cofre de segredos do sistema, nunca nas definições</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Escolha uma pasta para as imagens exportadas.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>O Pictorb não consegue escrever em «%1»: escolha uma pasta onde possa escrever.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>«%1» não é um endereço web: tem de começar por http:// ou https:// e indicar um anfitrião, como http://127.0.0.1:8000.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Indique o modelo que o servidor executa, por exemplo whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Disposição</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grelha</translation>
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
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>Espaço X</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Espaço Y</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar em</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Demasiado grande para %1: no máximo %2 píxeis por lado. Reduza a escala ou escolha outro formato.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Marque imagens na faixa para juntá-las</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>A imagem combinada de %1 x %2 pixels é grande demais. Marque menos imagens ou escolha outro layout.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>Nada foi exportado: uma imagem de %1 x %2 precisa de mais memória do que a disponível.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Alterar tamanho de saída</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Alterar colunas</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Alterar espaçamento</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Alterar layout</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Definir a faixa de todas as imagens de uma vez</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Abrir a imagem combinada numa janela própria</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Tamanho de saída em percentagem da imagem combinada</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Largura de saída em píxeis; a altura acompanha</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Altura de saída em píxeis; a largura acompanha</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Imagens em cada linha da grelha</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Píxeis entre as imagens; um valor negativo mantém só uma faixa de cada seguinte</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Píxeis de cada imagem seguinte que a tira mostra, contados a partir da margem oposta</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>O processo %1 foi terminado.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>Não foi possível iniciar o processo %1. Código de saída %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Executar comando</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>O processo %1 foi iniciado.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>O processo %1 terminou.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Escolher onde guardar</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar em</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Exportar seleção</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>Nenhum cofre de segredos em execução: a chave de API fica guardada apenas nesta sessão</translation>
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
        <translation>Exportar cada imagem marcada</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Exportar a imagem combinada</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Ajustar a imagem ao painel</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Mostrar a imagem no tamanho real</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>O serviço de voz não respondeu</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>O serviço não devolveu nenhum resultado utilizável</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>maior do que %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>nenhuma linha de legenda com tempos</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>A extrair o som do filme</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>A enviar o áudio: %1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>A reconhecer a fala</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>A escrever as legendas</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Não é possível gerar legendas agora: abra um filme ou aguarde o fim da geração em curso</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Linhas de legendas geradas: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>Os tempos após o fim do filme foram movidos para o seu fim.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>Os tempos negativos ou invertidos foram corrigidos e as linhas ordenadas.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>Não foi possível extrair o som do filme</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>Não foi possível escrever as legendas</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>a faixa não contém linhas de texto</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>não foi possível iniciar o programa ffmpeg</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>não é possível escrever o ficheiro</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>O serviço de transcrição recusou a chave de API</translation>
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
        <translation>Carregar legendas...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Faixa de legendas</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Remover legendas</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Reproduzir ou pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Fotograma seguinte</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Capturar cada linha...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Abrir vídeo</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Carregar legendas</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capturar cada linha</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>A capturar a linha %1 de %2</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Gerar legendas...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Legendas a partir da fala do filme</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Guardar legendas como...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>As linhas corrigidas não podem ser guardadas em «%1»; guarde-as com Guardar legendas como antes de fechar.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>Legendas SubRip (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>Legendas WebVTT (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>Legendas ASS (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Guardar legendas como</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>As legendas não podem ser guardadas como «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n linha de legendas guardada como «%1».</numerusform>
            <numerusform>%n linhas de legendas guardadas como «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>não foi possível iniciar o motor de vídeo</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>o motor de vídeo recusou-o</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>não contém vídeo</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>não foi possível abri-lo</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>Largue o vídeo aqui! Ou&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;clique aqui para importar um vídeo.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Repor estilo</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Arrastar faixa</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Repor o estilo predefinido da legenda</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Mostrar imagem</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Mostrar filme</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>A faixa de legendas não tem linhas: %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>o OpenGL deste computador não consegue mostrar filmes</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Não é possível mostrar as legendas «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>Não é possível reproduzir «%1»: %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Abra o filme antes das respetivas legendas.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>Não é possível carregar as legendas «%1»: %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>Ainda não há nenhum fotograma para capturar.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>Não é possível capturar as linhas: %1.</translation>
    </message>
</context>
</TS>
