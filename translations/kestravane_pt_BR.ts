<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <location filename="../engine/texts.inc" line="151"/>
        <source> Weapons</source>
        <translation> Armas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="152"/>
        <source>Missiles</source>
        <translation>Mísseis</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="153"/>
        <source> Engines</source>
        <translation> Motores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="154"/>
        <source>Fuel</source>
        <translation>Combust.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="155"/>
        <source> Scanner</source>
        <translation> Escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="156"/>
        <source>&amp;Aim</source>
        <translation>&amp;Mira</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="157"/>
        <source>&amp;Fire</source>
        <translation>&amp;Fogo</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="158"/>
        <source>%n Roder Ships</source>
        <translation>
            <numerusform>%n nave Roder</numerusform>
            <numerusform>%n naves Roder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="159"/>
        <source>%1 Destroyed</source>
        <translation>%1 destruídas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="160"/>
        <source>%1 Remaining</source>
        <translation>%1 restantes</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="161"/>
        <source>%n Ships Remain</source>
        <translation>
            <numerusform>Falta %n nave</numerusform>
            <numerusform>Faltam %n naves</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="162"/>
        <source>%1% Kill Ratio</source>
        <translation>Eficácia %1%</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <location filename="../engine/texts.inc" line="18"/>
        <source>Kestravane</source>
        <translation>Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="20"/>
        <source>Splash</source>
        <translation>Tela de abertura</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="313"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="314"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="315"/>
        <source>Save the current game to disk?</source>
        <translation>Salvar o jogo atual no disco?</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="316"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a %1 coordinate between 0 and 8.</source>
        <translation><byte value="xd"/><byte value="xd"/>Digite uma coordenada %1 entre 0 e 8.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="318"/>
        <source><byte value="xd"/><byte value="xd"/>The difficulty level you have selected<byte value="xd"/>will be used for the next new game.</source>
        <translation><byte value="xd"/><byte value="xd"/>O nível de dificuldade selecionado<byte value="xd"/>será usado no próximo jogo novo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="319"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a universe number between 0 and 4294967295.</source>
        <translation><byte value="xd"/><byte value="xd"/>Digite um número de universo entre 0 e 4294967295.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="321"/>
        <source>This game&apos;s universe is number %1.<byte value="xd"/><byte value="xd"/>New by Number starts the same universe on any computer.</source>
        <translation>O universo deste jogo é o número %1.<byte value="xd"/><byte value="xd"/>Novo por número inicia o mesmo universo em qualquer computador.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="322"/>
        <source>No universe number is known for this game.</source>
        <translation>O número do universo deste jogo é desconhecido.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="323"/>
        <source>Clear the captain&apos;s record?<byte value="xd"/><byte value="xd"/>Every game in it will be forgotten.</source>
        <translation>Limpar o histórico do capitão?<byte value="xd"/><byte value="xd"/>Todos os jogos nele serão esquecidos.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="324"/>
        <source>Open Kestravane Game</source>
        <translation>Abrir jogo do Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="325"/>
        <source>Save Kestravane Game As</source>
        <translation>Salvar jogo do Kestravane como</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="326"/>
        <source>Kestravane Game</source>
        <translation>Jogo do Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="327"/>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="328"/>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="329"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>This game document was created with Kestravane v%2.%3<byte value="xd"/>It can not be used with Kestravane for Windows 95/NT<byte value="xd"/><byte value="xd"/>Please use Kestravane v1.5 or older to load this file.</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Este documento de jogo foi criado com o Kestravane v%2.%3<byte value="xd"/>Ele não pode ser usado com o Kestravane para Windows 95/NT<byte value="xd"/><byte value="xd"/>Use o Kestravane v1.5 ou anterior para carregar este arquivo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="332"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected creating this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao criar este arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="333"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected opening this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao abrir este arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="334"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected rewinding this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao voltar ao início deste arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="335"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading header from this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao ler o cabeçalho deste arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="337"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing header signature to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao gravar a assinatura do cabeçalho neste arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="338"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected flushing buffers for this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao descarregar os dados pendentes deste arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="339"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected closing this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao fechar este arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="341"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Invalid file header signature detected. This<byte value="xd"/>document was not created by %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Assinatura de cabeçalho de arquivo inválida. Este<byte value="xd"/>documento não foi criado por %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="342"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading %2 data from disk<byte value="xd"/>Code %3</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao ler do disco os dados de %2<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="343"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing %2 data to disk<byte value="xd"/>Code %3</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao gravar no disco os dados de %2<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="344"/>
        <source>File: %1<byte value="xd"/>Name: %2<byte value="xd"/><byte value="xd"/>Error detected renaming this disk file<byte value="xd"/>Code %3</source>
        <translation>Arquivo: %1<byte value="xd"/>Nome: %2<byte value="xd"/><byte value="xd"/>Erro ao renomear este arquivo em disco<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="346"/>
        <source>game</source>
        <translation>jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="347"/>
        <source>quadrant</source>
        <translation>quadrante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="348"/>
        <source>scanner</source>
        <translation>escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="350"/>
        <source>%1(LoadBitmap): Error detected loading specified picture (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadBitmap): Erro ao carregar a imagem indicada (ID:%2)<byte value="xd"/><byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="351"/>
        <source>%1(LoadIcon): Error detected loading icon resource (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadIcon): Erro ao carregar o recurso de ícone (ID:%2)<byte value="xd"/><byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="352"/>
        <source>%1(FindResource): Error detected finding %2 resource (ID:%3)<byte value="xd"/><byte value="xd"/>Code %4</source>
        <translation>%1(FindResource): Erro ao localizar o recurso %2 (ID:%3)<byte value="xd"/><byte value="xd"/>Código %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="353"/>
        <source>%1(sndPlaySound): Cannot play WAVE resource (ID:%2)<byte value="xd"/>Code %3</source>
        <translation>%1(sndPlaySound): Não é possível reproduzir o recurso WAVE (ID:%2)<byte value="xd"/>Código %3</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../engine/texts.inc" line="183"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="184"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="185"/>
        <source> Help </source>
        <translation> Ajuda </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="186"/>
        <source>Kestravane Options</source>
        <translation>Opções do Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="187"/>
        <source> Difficulty </source>
        <translation> Dificuldade </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="188"/>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="189"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="190"/>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="191"/>
        <source>%1 Missiles / %2 Fuel Units</source>
        <translation>%1 mísseis / %2 unidades de combustível</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="192"/>
        <source> Sound </source>
        <translation> Som </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="193"/>
        <source>&amp;Play Sound F/X Wave Files</source>
        <translation>&amp;Reproduzir os efeitos sonoros</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="194"/>
        <source>Helm</source>
        <translation>Leme</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="195"/>
        <source> Destination </source>
        <translation> Destino </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="196"/>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="197"/>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="198"/>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="199"/>
        <source>Use the radio buttons to the left</source>
        <translation>Use os botões de opção à esquerda</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="200"/>
        <source>of the coordinate labels to specify</source>
        <translation>das coordenadas para definir o eixo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="201"/>
        <source>the desired scanner viewing axis.</source>
        <translation>de visão desejado para o escâner.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="202"/>
        <source>&amp;Engage</source>
        <translation>A&amp;vante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="203"/>
        <source>Aim</source>
        <translation>Mirar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="204"/>
        <source> Target </source>
        <translation> Alvo </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="205"/>
        <source>&amp;Z</source>
        <translation>&amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="206"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="207"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="208"/>
        <source> Shortcut </source>
        <translation> Atalho </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="209"/>
        <source>You may also select a target by</source>
        <translation>Você também pode escolher um alvo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="210"/>
        <source>clicking the mouse directly on a</source>
        <translation>clicando com o mouse diretamente em</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="211"/>
        <source>coordinate, and then press the</source>
        <translation>uma coordenada e pressionando depois</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="212"/>
        <source>space bar to launch a missile.</source>
        <translation>a barra de espaço para lançar um míssil.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="213"/>
        <source>&amp;Fire</source>
        <translation>&amp;Disparar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="214"/>
        <source>Scanner Log</source>
        <translation>Registro do escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="215"/>
        <source>&amp;Sector Scans</source>
        <translation>Varreduras de &amp;setor</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="216"/>
        <source>&amp;Z Axis</source>
        <translation>Eixo &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="217"/>
        <source>&amp;Y Axis</source>
        <translation>Eixo &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="218"/>
        <source>&amp;X Axis</source>
        <translation>Eixo &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="219"/>
        <source>Sector %1 ----------------</source>
        <translation>Setor %1 ----------------</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="220"/>
        <source>	%n Roder Ships</source>
        <translation>
            <numerusform>	%n nave Roder</numerusform>
            <numerusform>	%n naves Roder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="221"/>
        <source>	%1 Destroyed</source>
        <translation>	%1 destruídas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="222"/>
        <source>	%1 Remaining</source>
        <translation>	%1 restantes</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="223"/>
        <source>	Unexplored</source>
        <translation>	Inexplorado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="224"/>
        <source>New by Number</source>
        <translation>Novo por número</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="225"/>
        <source> Universe </source>
        <translation> Universo </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="226"/>
        <source>&amp;Number:</source>
        <translation>&amp;Número:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="227"/>
        <source>The same number starts the same universe</source>
        <translation>O mesmo número inicia o mesmo universo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="228"/>
        <source>on every computer.</source>
        <translation>em qualquer computador.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="229"/>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <location filename="../engine/texts.inc" line="284"/>
        <source>Map of the Hunt</source>
        <translation>Mapa da caçada</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="285"/>
        <source>Z %1</source>
        <translation>Z %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="286"/>
        <source>Each sector: rows Y 0-8, columns X 0-8</source>
        <translation>Cada setor: linhas Y 0-8, colunas X 0-8</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="287"/>
        <source>Roder ship destroyed</source>
        <translation>Nave Roder destruída</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="288"/>
        <source>Roder ship that survived</source>
        <translation>Nave Roder sobrevivente</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="289"/>
        <source>Shot that missed</source>
        <translation>Disparo que errou</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="290"/>
        <source>Seen by the scanner</source>
        <translation>Visto pelo escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="291"/>
        <source>Never scanned</source>
        <translation>Nunca varrido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="292"/>
        <source>%1 of %2 Roder ships destroyed</source>
        <translation>%1 de %2 naves Roder destruídas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="293"/>
        <source>shots: %1 hit, %2 missed</source>
        <translation>disparos: acertos %1, erros %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="294"/>
        <source>Ships not yet found stay hidden until the hunt ends.</source>
        <translation>As naves ainda não encontradas ficam ocultas até o fim da caçada.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="295"/>
        <source>The hunt is over: every ship is shown.</source>
        <translation>A caçada terminou: todas as naves são mostradas.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="296"/>
        <source>&amp;Sectors</source>
        <translation>&amp;Setores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="297"/>
        <source>Save as &amp;PNG...</source>
        <translation>Salvar como &amp;PNG...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="298"/>
        <source>Save Map of the Hunt As</source>
        <translation>Salvar mapa da caçada como</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="299"/>
        <source>PNG Picture</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="300"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing the map to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Arquivo: %1<byte value="xd"/><byte value="xd"/>Erro ao gravar o mapa neste arquivo em disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="303"/>
        <source>Sector Z %1: %2</source>
        <translation>Setor Z %1: %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="304"/>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="305"/>
        <source>Y %1 X %2</source>
        <translation>Y %1 X %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="306"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="307"/>
        <source>%n Roder ships destroyed at %2</source>
        <translation>
            <numerusform>%n nave Roder destruída em %2</numerusform>
            <numerusform>%n naves Roder destruídas em %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="308"/>
        <source>%n Roder ships survived at %2</source>
        <translation>
            <numerusform>%n nave Roder sobreviveu em %2</numerusform>
            <numerusform>%n naves Roder sobreviveram em %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="309"/>
        <source>no Roder ship destroyed</source>
        <translation>nenhuma nave Roder destruída</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="310"/>
        <source>%1 of 81 quadrants scanned</source>
        <translation>%1 de 81 quadrantes varridos</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../engine/texts.inc" line="84"/>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="85"/>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="86"/>
        <source>&amp;Ship</source>
        <translation>&amp;Nave</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="87"/>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="88"/>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="89"/>
        <source>Start a new game</source>
        <translation>Iniciar um novo jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="90"/>
        <source>New by Num&amp;ber...</source>
        <translation>Novo por nú&amp;mero...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="91"/>
        <source>Start the universe of a given number</source>
        <translation>Iniciar o universo de um número informado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="92"/>
        <source>Toda&amp;y&apos;s Universe</source>
        <translation>&amp;Universo de hoje</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="93"/>
        <source>Start today&apos;s universe, the same for every player</source>
        <translation>Iniciar o universo de hoje, o mesmo para todos os jogadores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="94"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="95"/>
        <source>Load an existing game</source>
        <translation>Carregar um jogo existente</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="96"/>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="97"/>
        <source>Close the current game</source>
        <translation>Fechar o jogo atual</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="98"/>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="99"/>
        <source>Save the current game</source>
        <translation>Salvar o jogo atual</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="100"/>
        <source>Game N&amp;umber...</source>
        <translation>Número do &amp;jogo...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="101"/>
        <source>Show the number of this game&apos;s universe</source>
        <translation>Mostrar o número do universo deste jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="102"/>
        <source>Captain&apos;s &amp;Record...</source>
        <translation>&amp;Histórico do capitão...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="103"/>
        <source>Show the games won and lost, and the best victories</source>
        <translation>Mostrar os jogos ganhos e perdidos, e as melhores vitórias</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="104"/>
        <source>Co&amp;py Result</source>
        <translation>Copiar &amp;resultado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="105"/>
        <source>Copy the finished game&apos;s result as one line, to paste into a chat</source>
        <translation>Copiar o resultado do jogo terminado em uma linha, para colar em um bate-papo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="106"/>
        <source>&amp;Map of the Hunt...</source>
        <translation>Mapa da &amp;caçada...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="107"/>
        <source>Show the whole cube: the ships destroyed, every shot and the sectors scanned</source>
        <translation>Mostrar o cubo inteiro: as naves destruídas, cada disparo e os setores varridos</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="108"/>
        <source>Op&amp;tions...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="109"/>
        <source>Set game difficulty level</source>
        <translation>Definir o nível de dificuldade do jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="110"/>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="111"/>
        <source>Exit Kestravane</source>
        <translation>Sair do Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="112"/>
        <source>&amp;Z Axis Scan</source>
        <translation>Varredura no eixo &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="113"/>
        <source>Scan along the Z axis</source>
        <translation>Varrer ao longo do eixo Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="114"/>
        <source>&amp;Y Axis Scan</source>
        <translation>Varredura no eixo &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="115"/>
        <source>Scan along the Y axis</source>
        <translation>Varrer ao longo do eixo Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="116"/>
        <source>&amp;X Axis Scan</source>
        <translation>Varredura no eixo &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="117"/>
        <source>Scan along the X axis</source>
        <translation>Varrer ao longo do eixo X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="118"/>
        <source>Scanner &amp;Log</source>
        <translation>&amp;Registro do escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="119"/>
        <source>View the scanner log</source>
        <translation>Ver o registro do escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="120"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="121"/>
        <source>Show the game larger, up to three times its size</source>
        <translation>Mostrar o jogo maior, até três vezes o seu tamanho</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="122"/>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;duzir</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="123"/>
        <source>Show the game smaller, down to its actual size</source>
        <translation>Mostrar o jogo menor, até o seu tamanho real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="124"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="125"/>
        <source>Show the game at its actual size</source>
        <translation>Mostrar o jogo no seu tamanho real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="126"/>
        <source>Always on &amp;Top</source>
        <translation>Sempre na &amp;frente</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="127"/>
        <source>Make Kestravane the topmost window</source>
        <translation>Manter o Kestravane acima das outras janelas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="128"/>
        <source>&amp;Aim...</source>
        <translation>&amp;Mirar...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="129"/>
        <source>Set targeting coordinates</source>
        <translation>Definir as coordenadas de mira</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="130"/>
        <source>&amp;Fire</source>
        <translation>&amp;Disparar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="131"/>
        <source>Fire a missile</source>
        <translation>Disparar um míssil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="132"/>
        <source>&amp;Helm...</source>
        <translation>&amp;Leme...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="133"/>
        <source>Set helm coordinates</source>
        <translation>Definir as coordenadas do leme</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="134"/>
        <source>&amp;Engage</source>
        <translation>A&amp;vante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="135"/>
        <source>Engage the engines</source>
        <translation>Motores avante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="136"/>
        <source>&amp;Reverse</source>
        <translation>&amp;Ré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="137"/>
        <source>Reverse the engines</source>
        <translation>Motores à ré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="138"/>
        <source>&amp;Play Sounds</source>
        <translation>Reproduzir &amp;sons</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="139"/>
        <source>Turn sound F/X on and off</source>
        <translation>Ligar e desligar os efeitos sonoros</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="140"/>
        <source>&amp;Game Rules</source>
        <translation>&amp;Regras do jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="141"/>
        <source>Display game rules</source>
        <translation>Exibir as regras do jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="142"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Atalhos de teclado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="143"/>
        <source>Show keyboard shortcuts</source>
        <translation>Mostrar os atalhos de teclado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="144"/>
        <source>&amp;Mission Orders</source>
        <translation>Ordens da &amp;missão</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="145"/>
        <source>Read mission orders</source>
        <translation>Ler as ordens da missão</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="146"/>
        <source>&amp;About Kestravane...</source>
        <translation>&amp;Sobre o Kestravane...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="147"/>
        <source>Show program information and copyright notice</source>
        <translation>Mostrar as informações do programa e o aviso de direitos autorais</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../engine/texts.inc" line="356"/>
        <source>A space war game  •  Version 2.2</source>
        <translation>Guerra espacial  •  Versão 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="357"/>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>Software livre: GNU GPL 3.0 ou posterior</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="361"/>
        <source>KESTRAVANE</source>
        <translation>KESTRAVANE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="362"/>
        <source>A SPACE WAR GAME</source>
        <translation>GUERRA ESPACIAL</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="363"/>
        <source>Version 2.2</source>
        <translation>Versão 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="365"/>
        <source>Twenty Roder battle groups hide in a cube of 9 x 9 x 9 quadrants. Find them and destroy them all.</source>
        <translation>Vinte grupos de combate Roder se escondem em um cubo de 9 x 9 x 9 quadrantes. Encontre e destrua todos.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="368"/>
        <source>Copyright © 1997 Kestravane Works.</source>
        <translation>© 1997 Kestravane Works.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="369"/>
        <source>Free software under the GNU GPL, version 3 or later: share it and change it.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior: compartilhe e modifique.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="370"/>
        <source>Choose New from the Game menu to begin.</source>
        <translation>Escolha Jogo &gt; Novo jogo para começar.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="371"/>
        <source>GAME RULES</source>
        <translation>REGRAS</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="373"/>
        <source>Roder battle groups are always three ships in a line, in three neighbouring quadrants:</source>
        <translation>Os grupos de combate Roder são sempre três naves em linha, em três quadrantes vizinhos:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="374"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="375"/>
        <source>along X</source>
        <translation>eixo X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="376"/>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="377"/>
        <source>along Y</source>
        <translation>eixo Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="378"/>
        <source>Head on</source>
        <translation>Frontal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="379"/>
        <source>along Z</source>
        <translation>eixo Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="380"/>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="381"/>
        <source>Select the target coordinates with the mouse, then press the space bar to fire.</source>
        <translation>Escolha as coordenadas do alvo com o mouse e pressione a barra de espaço para disparar.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="382"/>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>ATALHOS DE TECLADO</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="383"/>
        <source>Weapons</source>
        <translation>Armas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="384"/>
        <source>Aim dialog</source>
        <translation>Mirar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="385"/>
        <source>Fire missile</source>
        <translation>Lançar míssil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="386"/>
        <source>Engines</source>
        <translation>Motores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="387"/>
        <source>Helm coordinates</source>
        <translation>Coord. do leme</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="388"/>
        <source>Engage engines</source>
        <translation>Motores avante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="389"/>
        <source>Reverse engines</source>
        <translation>Motores à ré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="390"/>
        <source>Scanner</source>
        <translation>Escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="391"/>
        <source>X axis scan</source>
        <translation>Varrer eixo X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="392"/>
        <source>Y axis scan</source>
        <translation>Varrer eixo Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="393"/>
        <source>Z axis scan</source>
        <translation>Varrer eixo Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="394"/>
        <source>MISSION ORDERS</source>
        <translation>ORDENS DA MISSÃO</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="395"/>
        <source>Situation</source>
        <translation>Situação</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="397"/>
        <source>An enemy task force of 20 Roder battle groups has invaded the galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants.</source>
        <translation>Uma força-tarefa inimiga de 20 grupos de combate Roder invadiu a galáxia. Cada grupo de três naves está escondido em algum lugar do cubo de 9 x 9 x 9 quadrantes.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="399"/>
        <source>Orders</source>
        <translation>Ordens</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="400"/>
        <source>Seek out and destroy the invaders. Make every missile count.</source>
        <translation>Encontre e destrua os invasores. Faça cada míssil valer.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="401"/>
        <source>Good hunting, Commander.</source>
        <translation>Boa caçada, comandante.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="402"/>
        <source>Fleet Command</source>
        <translation>Almirantado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="403"/>
        <source>VICTORY</source>
        <translation>VITÓRIA</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="404"/>
        <source>Congratulations, Commander!</source>
        <translation>Parabéns, comandante!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="405"/>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Você destruiu toda a força de invasão Roder. A galáxia está a salvo mais uma vez.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="406"/>
        <source>DEFEAT</source>
        <translation>DERROTA</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="407"/>
        <source>Enemy invaders remain!</source>
        <translation>Ainda restam invasores!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="408"/>
        <source>Your ship can fight no more. The Vudare are sending coded messages to their home world, and the next wave is on its way.</source>
        <translation>Sua nave não pode mais lutar. Os Vudare enviam mensagens cifradas ao seu mundo natal, e a próxima onda já está a caminho.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../engine/texts.inc" line="163"/>
        <source>Engines back</source>
        <translation>Motores à ré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="164"/>
        <source>Engines forward</source>
        <translation>Motores avante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="165"/>
        <source>Weapons target %1</source>
        <translation>Alvo das armas %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="166"/>
        <source>Missiles %1</source>
        <translation>Mísseis %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="167"/>
        <source>Engines position %1</source>
        <translation>Posição dos motores %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="168"/>
        <source>Fuel %1</source>
        <translation>Combustível %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="169"/>
        <source>Scanner position %1</source>
        <translation>Posição do escâner %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="170"/>
        <source>Roder ships in sector %1</source>
        <translation>Naves Roder no setor %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="171"/>
        <source>Destroyed in sector %1</source>
        <translation>Destruídas no setor %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="172"/>
        <source>Remaining in sector %1</source>
        <translation>Restantes no setor %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="174"/>
        <source>Scanner</source>
        <translation>Escâner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="175"/>
        <source>Z %1, Y %2, X %3: %4</source>
        <translation>Z %1, Y %2, X %3: %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="176"/>
        <source>target, %1</source>
        <translation>alvo, %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="177"/>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="178"/>
        <source>destroyed Roder ship</source>
        <translation>nave Roder destruída</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="179"/>
        <source>live Roder ship</source>
        <translation>nave Roder ativa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="180"/>
        <source>searched, empty</source>
        <translation>varrido, vazio</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../engine/texts.inc" line="230"/>
        <source>Captain&apos;s Record</source>
        <translation>Histórico do capitão</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="231"/>
        <source>Games played: %1, won: %2, lost: %3, win rate: %4%, assisted: %5</source>
        <translation>Jogos disputados: %1, ganhos: %2, perdidos: %3, taxa de vitórias: %4%, assistidos: %5</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="232"/>
        <source>Best victories</source>
        <translation>Melhores vitórias</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="234"/>
        <source>Best victories: fewest missiles, then least fuel, then the shortest time. Assisted games never rank.</source>
        <translation>Melhores vitórias: menos mísseis, depois menos combustível, depois o menor tempo. Jogos assistidos nunca entram na classificação.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="236"/>
        <source>Missiles</source>
        <translation>Mísseis</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="237"/>
        <source>Fuel</source>
        <translation>Combustível</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="238"/>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="239"/>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="240"/>
        <source>Ended</source>
        <translation>Término</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="241"/>
        <source>C&amp;lear Record...</source>
        <translation>&amp;Limpar histórico...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="242"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="243"/>
        <source>Your best on each universe played more than once</source>
        <translation>Seu melhor resultado em cada universo jogado mais de uma vez</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="244"/>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <location filename="../engine/texts.inc" line="248"/>
        <source>The battle in figures</source>
        <translation>A batalha em números</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="249"/>
        <source>Universe: %1</source>
        <translation>Universo: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="250"/>
        <source>Universe: unknown</source>
        <translation>Universo: desconhecido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="251"/>
        <source>Difficulty: %1</source>
        <translation>Dificuldade: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="252"/>
        <source>Ships destroyed: %1</source>
        <translation>Naves destruídas: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="253"/>
        <source>Missiles fired: %1</source>
        <translation>Mísseis disparados: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="254"/>
        <source>Fuel used: %1</source>
        <translation>Combustível usado: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="255"/>
        <source>Time played: %1</source>
        <translation>Tempo de jogo: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="256"/>
        <source>Place among the ten best: new best</source>
        <translation>Lugar entre os dez melhores: novo recorde</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="257"/>
        <source>Place among the ten best: %1</source>
        <translation>Lugar entre os dez melhores: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="258"/>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="259"/>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="260"/>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="261"/>
        <source>5th</source>
        <translation>5º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="262"/>
        <source>6th</source>
        <translation>6º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="263"/>
        <source>7th</source>
        <translation>7º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="264"/>
        <source>8th</source>
        <translation>8º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="265"/>
        <source>9th</source>
        <translation>9º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="266"/>
        <source>10th</source>
        <translation>10º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="268"/>
        <source>Not ranked: assisted, as scanner tracing was switched on or a gauge was adjusted</source>
        <translation>Não classificado: assistido, o rastreamento do escâner foi ligado ou um indicador foi ajustado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="269"/>
        <source>Not ranked: only victories rank</source>
        <translation>Não classificado: só vitórias contam</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="270"/>
        <source>Not ranked: ten better victories stand</source>
        <translation>Não classificado: há dez vitórias melhores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="271"/>
        <source>Not ranked: the captain&apos;s record does not hold this game</source>
        <translation>Não classificado: o histórico do capitão não contém este jogo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="272"/>
        <source>Copy Result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="273"/>
        <source>Map of the Hunt</source>
        <translation>Mapa da caçada</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="274"/>
        <source>Kestravane · %1 · %2 · %3 · %4 · %5 fuel · %6</source>
        <translation>Kestravane · %1 · %2 · %3 · %4 · %5 de combustível · %6</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="275"/>
        <source>universe %1</source>
        <translation>universo %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="276"/>
        <source>universe unknown</source>
        <translation>universo desconhecido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="277"/>
        <source>won</source>
        <translation>vitória</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="278"/>
        <source>lost</source>
        <translation>derrota</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="279"/>
        <source>%n missiles</source>
        <translation>
            <numerusform>%n míssil</numerusform>
            <numerusform>%n mísseis</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../engine/texts.inc" line="23"/>
        <source>Ready ...</source>
        <translation>Pronto ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="24"/>
        <source>Generating new game grid ...</source>
        <translation>Gerando nova grade de jogo ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="25"/>
        <source>%n Roder ships detected in %2 battle groups ...</source>
        <translation>
            <numerusform>%n nave Roder detectada em %2 grupos de combate ...</numerusform>
            <numerusform>%n naves Roder detectadas em %2 grupos de combate ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="27"/>
        <source>Universe number %1 ...</source>
        <translation>Universo número %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="28"/>
        <source>Target coordinates ...</source>
        <translation>Coordenadas do alvo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="29"/>
        <source>Targeting orders canceled ...</source>
        <translation>Ordens de mira canceladas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="30"/>
        <source>Targeting coordinates: %1-%2-%3 ...</source>
        <translation>Coordenadas de mira: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="31"/>
        <source>Helm coordinates ...</source>
        <translation>Coordenadas do leme ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="32"/>
        <source>Helm orders canceled ...</source>
        <translation>Ordens de leme canceladas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="33"/>
        <source>Setting helm coordinates for: %1-%2-%3 ...</source>
        <translation>Definindo coordenadas do leme para: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="34"/>
        <source>Commander ...</source>
        <translation>Comandante ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="35"/>
        <source>%1 opened</source>
        <translation>%1 aberto</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="36"/>
        <source>Saving %1 ...</source>
        <translation>Salvando %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="37"/>
        <source>%1 saved</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="38"/>
        <source>Loading %1 ...</source>
        <translation>Carregando %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="39"/>
        <source>%1 loaded</source>
        <translation>%1 carregado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="40"/>
        <source>Press any key to resume game ...</source>
        <translation>Pressione qualquer tecla para retomar o jogo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="41"/>
        <source>Resuming ...</source>
        <translation>Retomando ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="42"/>
        <source>Diagnostics turned ON ...</source>
        <translation>Diagnóstico LIGADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="43"/>
        <source>Diagnostics turned OFF ...</source>
        <translation>Diagnóstico DESLIGADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="44"/>
        <source>Weapons selected ...</source>
        <translation>Armas selecionadas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="45"/>
        <source>Engines selected ...</source>
        <translation>Motores selecionados ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="46"/>
        <source>Scanner tracing turned ON ...</source>
        <translation>Rastreamento do escâner LIGADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="47"/>
        <source>Scanner tracing turned OFF ...</source>
        <translation>Rastreamento do escâner DESLIGADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="48"/>
        <source>Increasing Missile value ...</source>
        <translation>Aumentando valor de mísseis ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="49"/>
        <source>Increasing Fuel value ...</source>
        <translation>Aumentando valor de combustível ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="50"/>
        <source>Decreasing Missile value ...</source>
        <translation>Reduzindo valor de mísseis ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="51"/>
        <source>Decreasing Fuel value ...</source>
        <translation>Reduzindo valor de combustível ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="52"/>
        <source>Missile value set to minimum ...</source>
        <translation>Valor de mísseis no mínimo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="53"/>
        <source>Fuel value set to minimum ...</source>
        <translation>Valor de combustível no mínimo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="54"/>
        <source>Missile value set to maximum ...</source>
        <translation>Valor de mísseis no máximo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="55"/>
        <source>Fuel value set to maximum ...</source>
        <translation>Valor de combustível no máximo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="56"/>
        <source>Assisted game: it will not rank among the best ten ...</source>
        <translation>Jogo assistido: não entrará entre os dez melhores ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="57"/>
        <source>Engines engaged ...</source>
        <translation>Motores avante ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="58"/>
        <source>Sector has no enemy ships ...</source>
        <translation>Setor sem naves inimigas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="59"/>
        <source>Sector cleared ...</source>
        <translation>Setor limpo ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="60"/>
        <source>Scanners detect %n Roder ships ...</source>
        <translation>
            <numerusform>Os escâneres detectam %n nave Roder ...</numerusform>
            <numerusform>Os escâneres detectam %n naves Roder ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="61"/>
        <source>Missile launched ...</source>
        <translation>Míssil lançado ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="62"/>
        <source>Those Vudare are history captain ...</source>
        <translation>Esses Vudare já eram, capitão ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="63"/>
        <source>Quadrant swept clean ...</source>
        <translation>Quadrante varrido ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="64"/>
        <source>Enemy ship destroyed in quadrant: %1-%2-%3 ...</source>
        <translation>Nave inimiga destruída no quadrante: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="65"/>
        <source>No enemy vessels found in quadrant: %1-%2-%3 ...</source>
        <translation>Nenhuma nave inimiga no quadrante: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="66"/>
        <source>All missiles have been fired ...</source>
        <translation>Todos os mísseis foram disparados ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="67"/>
        <source>The engines are out of fuel ...</source>
        <translation>Os motores estão sem combustível ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="68"/>
        <source>Nice job captain ...</source>
        <translation>Bom trabalho, capitão ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="69"/>
        <source>Scanner log opened ...</source>
        <translation>Registro do escâner aberto ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="70"/>
        <source>Scanner log closed ...</source>
        <translation>Registro do escâner fechado ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="71"/>
        <source>Options saved</source>
        <translation>Opções salvas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="72"/>
        <source>Sound F/X turned off: this computer cannot play them ...</source>
        <translation>Efeitos sonoros desligados: este computador não consegue reproduzi-los ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="73"/>
        <source>The captain&apos;s record could not be read: it was set aside as %1 ...</source>
        <translation>Não foi possível ler o histórico do capitão: ele foi separado como %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="74"/>
        <source>The captain&apos;s record could not be saved, Code %1 ...</source>
        <translation>Não foi possível salvar o histórico do capitão, código %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="75"/>
        <source>The captain&apos;s record is in use by another program: it was left as it is ...</source>
        <translation>O histórico do capitão está em uso por outro programa: ele foi deixado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="76"/>
        <source>The captain&apos;s record could not be read, Code %1: it was left as it is ...</source>
        <translation>Não foi possível ler o histórico do capitão, código %1: ele foi deixado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="78"/>
        <source>The captain&apos;s record could not be read nor set aside, Code %1: it was left as it is ...</source>
        <translation>Não foi possível ler nem separar o histórico do capitão, código %1: ele foi deixado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="80"/>
        <source>The settings file cannot be read or written: the settings last until the game ends ...</source>
        <translation>Não é possível ler nem gravar o arquivo de configurações: as configurações valem até o jogo ser fechado ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="280"/>
        <source>Result copied: %1</source>
        <translation>Resultado copiado: %1</translation>
    </message>
</context>
</TS>
