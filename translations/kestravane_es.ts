<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Misiles</translation>
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
        <translation> Escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="156"/>
        <source>&amp;Aim</source>
        <translation>&amp;Mira</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="157"/>
        <source>&amp;Fire</source>
        <translation>&amp;Tiro</translation>
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
        <translation>%1 destruidas</translation>
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
            <numerusform>Resta %n nave</numerusform>
            <numerusform>Restan %n naves</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="162"/>
        <source>%1% Kill Ratio</source>
        <translation>Eficacia %1%</translation>
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
        <translation>Pantalla de inicio</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="313"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="314"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="315"/>
        <source>Save the current game to disk?</source>
        <translation>¿Guardar la partida actual en disco?</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="316"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a %1 coordinate between 0 and 8.</source>
        <translation><byte value="xd"/><byte value="xd"/>Introduzca una coordenada %1 entre 0 y 8.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="318"/>
        <source><byte value="xd"/><byte value="xd"/>The difficulty level you have selected<byte value="xd"/>will be used for the next new game.</source>
        <translation><byte value="xd"/><byte value="xd"/>El nivel de dificultad seleccionado<byte value="xd"/>se usará en la próxima partida nueva.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="319"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a universe number between 0 and 4294967295.</source>
        <translation><byte value="xd"/><byte value="xd"/>Introduzca un número de universo entre 0 y 4294967295.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="321"/>
        <source>This game&apos;s universe is number %1.<byte value="xd"/><byte value="xd"/>New by Number starts the same universe on any computer.</source>
        <translation>El universo de esta partida es el número %1.<byte value="xd"/><byte value="xd"/>Nueva por número inicia el mismo universo en cualquier equipo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="322"/>
        <source>No universe number is known for this game.</source>
        <translation>No se conoce el número de universo de esta partida.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="323"/>
        <source>Clear the captain&apos;s record?<byte value="xd"/><byte value="xd"/>Every game in it will be forgotten.</source>
        <translation>¿Borrar el historial del capitán?<byte value="xd"/><byte value="xd"/>Se olvidarán todas sus partidas.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="324"/>
        <source>Open Kestravane Game</source>
        <translation>Abrir partida de Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="325"/>
        <source>Save Kestravane Game As</source>
        <translation>Guardar partida de Kestravane como</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="326"/>
        <source>Kestravane Game</source>
        <translation>Partida de Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="327"/>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="328"/>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="329"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>This game document was created with Kestravane v%2.%3<byte value="xd"/>It can not be used with Kestravane for Windows 95/NT<byte value="xd"/><byte value="xd"/>Please use Kestravane v1.5 or older to load this file.</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Este documento de juego se creó con Kestravane v%2.%3<byte value="xd"/>No se puede usar con Kestravane para Windows 95/NT<byte value="xd"/><byte value="xd"/>Use Kestravane v1.5 o anterior para cargar este archivo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="332"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected creating this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al crear este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="333"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected opening this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al abrir este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="334"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected rewinding this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al volver al inicio de este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="335"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading header from this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al leer la cabecera de este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="337"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing header signature to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al escribir la firma de cabecera en este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="338"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected flushing buffers for this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al vaciar los búferes de este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="339"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected closing this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al cerrar este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="341"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Invalid file header signature detected. This<byte value="xd"/>document was not created by %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Firma de cabecera de archivo no válida. Este<byte value="xd"/>documento no fue creado por %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="342"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading %2 data from disk<byte value="xd"/>Code %3</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al leer del disco los datos de %2<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="343"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing %2 data to disk<byte value="xd"/>Code %3</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al escribir en el disco los datos de %2<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="344"/>
        <source>File: %1<byte value="xd"/>Name: %2<byte value="xd"/><byte value="xd"/>Error detected renaming this disk file<byte value="xd"/>Code %3</source>
        <translation>Archivo: %1<byte value="xd"/>Nombre: %2<byte value="xd"/><byte value="xd"/>Error al renombrar este archivo en disco<byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="346"/>
        <source>game</source>
        <translation>partida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="347"/>
        <source>quadrant</source>
        <translation>cuadrante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="348"/>
        <source>scanner</source>
        <translation>escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="350"/>
        <source>%1(LoadBitmap): Error detected loading specified picture (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadBitmap): Error al cargar la imagen indicada (ID:%2)<byte value="xd"/><byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="351"/>
        <source>%1(LoadIcon): Error detected loading icon resource (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadIcon): Error al cargar el recurso de icono (ID:%2)<byte value="xd"/><byte value="xd"/>Código %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="352"/>
        <source>%1(FindResource): Error detected finding %2 resource (ID:%3)<byte value="xd"/><byte value="xd"/>Code %4</source>
        <translation>%1(FindResource): Error al buscar el recurso %2 (ID:%3)<byte value="xd"/><byte value="xd"/>Código %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="353"/>
        <source>%1(sndPlaySound): Cannot play WAVE resource (ID:%2)<byte value="xd"/>Code %3</source>
        <translation>%1(sndPlaySound): No se puede reproducir el recurso WAVE (ID:%2)<byte value="xd"/>Código %3</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../engine/texts.inc" line="183"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="184"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="185"/>
        <source> Help </source>
        <translation> Ayuda </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="186"/>
        <source>Kestravane Options</source>
        <translation>Opciones de Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="187"/>
        <source> Difficulty </source>
        <translation> Dificultad </translation>
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
        <translation>%1 misiles / %2 unidades de combustible</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="192"/>
        <source> Sound </source>
        <translation> Sonido </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="193"/>
        <source>&amp;Play Sound F/X Wave Files</source>
        <translation>&amp;Reproducir los efectos de sonido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="194"/>
        <source>Helm</source>
        <translation>Timón</translation>
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
        <translation>Use los botones de opción a la izquierda</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="200"/>
        <source>of the coordinate labels to specify</source>
        <translation>de las coordenadas para indicar el eje</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="201"/>
        <source>the desired scanner viewing axis.</source>
        <translation>de visión que desea para el escáner.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="202"/>
        <source>&amp;Engage</source>
        <translation>A&amp;vante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="203"/>
        <source>Aim</source>
        <translation>Apuntar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="204"/>
        <source> Target </source>
        <translation> Blanco </translation>
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
        <translation> Atajo </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="209"/>
        <source>You may also select a target by</source>
        <translation>También puede elegir un blanco</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="210"/>
        <source>clicking the mouse directly on a</source>
        <translation>haciendo clic con el ratón sobre una</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="211"/>
        <source>coordinate, and then press the</source>
        <translation>coordenada y pulsando después la</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="212"/>
        <source>space bar to launch a missile.</source>
        <translation>barra espaciadora para lanzar un misil.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="213"/>
        <source>&amp;Fire</source>
        <translation>&amp;Disparar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="214"/>
        <source>Scanner Log</source>
        <translation>Registro del escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="215"/>
        <source>&amp;Sector Scans</source>
        <translation>Exploraciones de &amp;sector</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="216"/>
        <source>&amp;Z Axis</source>
        <translation>Eje &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="217"/>
        <source>&amp;Y Axis</source>
        <translation>Eje &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="218"/>
        <source>&amp;X Axis</source>
        <translation>Eje &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="219"/>
        <source>Sector %1 ----------------</source>
        <translation>Sector %1 ----------------</translation>
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
        <translation>	%1 destruidas</translation>
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
        <translation>Nueva por número</translation>
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
        <translation>El mismo número inicia el mismo universo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="228"/>
        <source>on every computer.</source>
        <translation>en cualquier equipo.</translation>
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
        <translation>Mapa de la caza</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="285"/>
        <source>Z %1</source>
        <translation>Z %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="286"/>
        <source>Each sector: rows Y 0-8, columns X 0-8</source>
        <translation>Cada sector: filas Y 0-8, columnas X 0-8</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="287"/>
        <source>Roder ship destroyed</source>
        <translation>Nave Roder destruida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="288"/>
        <source>Roder ship that survived</source>
        <translation>Nave Roder superviviente</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="289"/>
        <source>Shot that missed</source>
        <translation>Disparo fallido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="290"/>
        <source>Seen by the scanner</source>
        <translation>Visto por el escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="291"/>
        <source>Never scanned</source>
        <translation>Nunca explorado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="292"/>
        <source>%1 of %2 Roder ships destroyed</source>
        <translation>%1 de %2 naves Roder destruidas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="293"/>
        <source>shots: %1 hit, %2 missed</source>
        <translation>disparos: aciertos %1, fallos %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="294"/>
        <source>Ships not yet found stay hidden until the hunt ends.</source>
        <translation>Las naves aún no halladas siguen ocultas hasta que termine la caza.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="295"/>
        <source>The hunt is over: every ship is shown.</source>
        <translation>La caza ha terminado: se muestran todas las naves.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="296"/>
        <source>&amp;Sectors</source>
        <translation>&amp;Sectores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="297"/>
        <source>Save as &amp;PNG...</source>
        <translation>&amp;Guardar como PNG...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="298"/>
        <source>Save Map of the Hunt As</source>
        <translation>Guardar mapa de la caza como</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="299"/>
        <source>PNG Picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="300"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing the map to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Archivo: %1<byte value="xd"/><byte value="xd"/>Error al escribir el mapa en este archivo en disco<byte value="xd"/><byte value="xd"/>Código %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="303"/>
        <source>Sector Z %1: %2</source>
        <translation>Sector Z %1: %2</translation>
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
            <numerusform>%n nave Roder destruida en %2</numerusform>
            <numerusform>%n naves Roder destruidas en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="308"/>
        <source>%n Roder ships survived at %2</source>
        <translation>
            <numerusform>%n nave Roder sobrevivió en %2</numerusform>
            <numerusform>%n naves Roder sobrevivieron en %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="309"/>
        <source>no Roder ship destroyed</source>
        <translation>ninguna nave Roder destruida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="310"/>
        <source>%1 of 81 quadrants scanned</source>
        <translation>%1 de 81 cuadrantes explorados</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../engine/texts.inc" line="84"/>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="85"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="86"/>
        <source>&amp;Ship</source>
        <translation>&amp;Nave</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="87"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="88"/>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="89"/>
        <source>Start a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="90"/>
        <source>New by Num&amp;ber...</source>
        <translation>Nueva por nú&amp;mero...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="91"/>
        <source>Start the universe of a given number</source>
        <translation>Empezar el universo de un número dado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="92"/>
        <source>Toda&amp;y&apos;s Universe</source>
        <translation>&amp;Universo de hoy</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="93"/>
        <source>Start today&apos;s universe, the same for every player</source>
        <translation>Empezar el universo de hoy, el mismo para todos los jugadores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="94"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="95"/>
        <source>Load an existing game</source>
        <translation>Cargar una partida existente</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="96"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="97"/>
        <source>Close the current game</source>
        <translation>Cerrar la partida actual</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="98"/>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="99"/>
        <source>Save the current game</source>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="100"/>
        <source>Game N&amp;umber...</source>
        <translation>Número de &amp;partida...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="101"/>
        <source>Show the number of this game&apos;s universe</source>
        <translation>Mostrar el número del universo de esta partida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="102"/>
        <source>Captain&apos;s &amp;Record...</source>
        <translation>&amp;Historial del capitán...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="103"/>
        <source>Show the games won and lost, and the best victories</source>
        <translation>Mostrar las partidas ganadas y perdidas, y las mejores victorias</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="104"/>
        <source>Co&amp;py Result</source>
        <translation>Copiar &amp;resultado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="105"/>
        <source>Copy the finished game&apos;s result as one line, to paste into a chat</source>
        <translation>Copiar el resultado de la partida terminada en una línea, para pegarlo en una conversación</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="106"/>
        <source>&amp;Map of the Hunt...</source>
        <translation>Mapa &amp;de la caza...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="107"/>
        <source>Show the whole cube: the ships destroyed, every shot and the sectors scanned</source>
        <translation>Mostrar todo el cubo: las naves destruidas, cada disparo y los sectores explorados</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="108"/>
        <source>Op&amp;tions...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="109"/>
        <source>Set game difficulty level</source>
        <translation>Fijar el nivel de dificultad</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="110"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="111"/>
        <source>Exit Kestravane</source>
        <translation>Salir de Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="112"/>
        <source>&amp;Z Axis Scan</source>
        <translation>Explorar eje &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="113"/>
        <source>Scan along the Z axis</source>
        <translation>Explorar a lo largo del eje Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="114"/>
        <source>&amp;Y Axis Scan</source>
        <translation>Explorar eje &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="115"/>
        <source>Scan along the Y axis</source>
        <translation>Explorar a lo largo del eje Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="116"/>
        <source>&amp;X Axis Scan</source>
        <translation>Explorar eje &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="117"/>
        <source>Scan along the X axis</source>
        <translation>Explorar a lo largo del eje X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="118"/>
        <source>Scanner &amp;Log</source>
        <translation>&amp;Registro del escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="119"/>
        <source>View the scanner log</source>
        <translation>Ver el registro del escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="120"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="121"/>
        <source>Show the game larger, up to three times its size</source>
        <translation>Mostrar el juego más grande, hasta el triple de su tamaño</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="122"/>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="123"/>
        <source>Show the game smaller, down to its actual size</source>
        <translation>Mostrar el juego más pequeño, hasta su tamaño real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="124"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="125"/>
        <source>Show the game at its actual size</source>
        <translation>Mostrar el juego a su tamaño real</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="126"/>
        <source>Always on &amp;Top</source>
        <translation>&amp;Siempre encima</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="127"/>
        <source>Make Kestravane the topmost window</source>
        <translation>Mantener Kestravane por encima de las demás ventanas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="128"/>
        <source>&amp;Aim...</source>
        <translation>&amp;Apuntar...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="129"/>
        <source>Set targeting coordinates</source>
        <translation>Fijar las coordenadas de puntería</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="130"/>
        <source>&amp;Fire</source>
        <translation>&amp;Disparar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="131"/>
        <source>Fire a missile</source>
        <translation>Disparar un misil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="132"/>
        <source>&amp;Helm...</source>
        <translation>&amp;Timón...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="133"/>
        <source>Set helm coordinates</source>
        <translation>Fijar las coordenadas de timón</translation>
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
        <translation>At&amp;rás</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="137"/>
        <source>Reverse the engines</source>
        <translation>Motores atrás</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="138"/>
        <source>&amp;Play Sounds</source>
        <translation>Reproducir &amp;sonidos</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="139"/>
        <source>Turn sound F/X on and off</source>
        <translation>Activar o desactivar los efectos de sonido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="140"/>
        <source>&amp;Game Rules</source>
        <translation>&amp;Reglas del juego</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="141"/>
        <source>Display game rules</source>
        <translation>Mostrar las reglas del juego</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="142"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>A&amp;tajos de teclado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="143"/>
        <source>Show keyboard shortcuts</source>
        <translation>Mostrar los atajos de teclado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="144"/>
        <source>&amp;Mission Orders</source>
        <translation>Órdenes de &amp;misión</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="145"/>
        <source>Read mission orders</source>
        <translation>Leer las órdenes de misión</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="146"/>
        <source>&amp;About Kestravane...</source>
        <translation>&amp;Acerca de Kestravane...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="147"/>
        <source>Show program information and copyright notice</source>
        <translation>Mostrar la información del programa y el aviso de derechos de autor</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../engine/texts.inc" line="356"/>
        <source>A space war game  •  Version 2.2</source>
        <translation>Guerra espacial  •  Versión 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="357"/>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>Software libre: GNU GPL 3.0 o posterior</translation>
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
        <translation>Versión 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="365"/>
        <source>Twenty Roder battle groups hide in a cube of 9 x 9 x 9 quadrants. Find them and destroy them all.</source>
        <translation>Veinte grupos de combate Roder se ocultan en un cubo de 9 x 9 x 9 cuadrantes. Encuéntrelos y destrúyalos.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="368"/>
        <source>Copyright © 1997 Kestravane Works.</source>
        <translation>© 1997 Kestravane Works.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="369"/>
        <source>Free software under the GNU GPL, version 3 or later: share it and change it.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior: compártalo y modifíquelo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="370"/>
        <source>Choose New from the Game menu to begin.</source>
        <translation>Elija Juego &gt; Nueva partida para empezar.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="371"/>
        <source>GAME RULES</source>
        <translation>REGLAS</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="373"/>
        <source>Roder battle groups are always three ships in a line, in three neighbouring quadrants:</source>
        <translation>Los grupos de combate Roder son siempre tres naves en línea, en tres cuadrantes contiguos:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="374"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="375"/>
        <source>along X</source>
        <translation>eje X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="376"/>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="377"/>
        <source>along Y</source>
        <translation>eje Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="378"/>
        <source>Head on</source>
        <translation>Frontal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="379"/>
        <source>along Z</source>
        <translation>eje Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="380"/>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="381"/>
        <source>Select the target coordinates with the mouse, then press the space bar to fire.</source>
        <translation>Elija las coordenadas del blanco con el ratón y pulse la barra espaciadora para disparar.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="382"/>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>ATAJOS DE TECLADO</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="383"/>
        <source>Weapons</source>
        <translation>Armas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="384"/>
        <source>Aim dialog</source>
        <translation>Apuntar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="385"/>
        <source>Fire missile</source>
        <translation>Lanzar misil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="386"/>
        <source>Engines</source>
        <translation>Motores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="387"/>
        <source>Helm coordinates</source>
        <translation>Coord. de timón</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="388"/>
        <source>Engage engines</source>
        <translation>Motores avante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="389"/>
        <source>Reverse engines</source>
        <translation>Motores atrás</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="390"/>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="391"/>
        <source>X axis scan</source>
        <translation>Explorar en X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="392"/>
        <source>Y axis scan</source>
        <translation>Explorar en Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="393"/>
        <source>Z axis scan</source>
        <translation>Explorar en Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="394"/>
        <source>MISSION ORDERS</source>
        <translation>ORDEN DE MISIÓN</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="395"/>
        <source>Situation</source>
        <translation>Situación</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="397"/>
        <source>An enemy task force of 20 Roder battle groups has invaded the galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants.</source>
        <translation>Una fuerza enemiga de 20 grupos de combate Roder ha invadido la galaxia. Cada grupo de tres naves se oculta en algún lugar del cubo de 9 x 9 x 9 cuadrantes.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="399"/>
        <source>Orders</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="400"/>
        <source>Seek out and destroy the invaders. Make every missile count.</source>
        <translation>Busque y destruya a los invasores. Que cada misil cuente.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="401"/>
        <source>Good hunting, Commander.</source>
        <translation>Buena caza, comandante.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="402"/>
        <source>Fleet Command</source>
        <translation>Mando de Flota</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="403"/>
        <source>VICTORY</source>
        <translation>VICTORIA</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="404"/>
        <source>Congratulations, Commander!</source>
        <translation>¡Enhorabuena, comandante!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="405"/>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Ha destruido toda la fuerza de invasión Roder. La galaxia vuelve a estar a salvo.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="406"/>
        <source>DEFEAT</source>
        <translation>DERROTA</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="407"/>
        <source>Enemy invaders remain!</source>
        <translation>¡Aún quedan invasores!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="408"/>
        <source>Your ship can fight no more. The Vudare are sending coded messages to their home world, and the next wave is on its way.</source>
        <translation>Su nave ya no puede combatir. Los Vudare envían mensajes cifrados a su mundo natal, y la próxima oleada ya está en camino.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../engine/texts.inc" line="163"/>
        <source>Engines back</source>
        <translation>Motores atrás</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="164"/>
        <source>Engines forward</source>
        <translation>Motores avante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="165"/>
        <source>Weapons target %1</source>
        <translation>Blanco de armas %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="166"/>
        <source>Missiles %1</source>
        <translation>Misiles %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="167"/>
        <source>Engines position %1</source>
        <translation>Posición de motores %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="168"/>
        <source>Fuel %1</source>
        <translation>Combustible %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="169"/>
        <source>Scanner position %1</source>
        <translation>Posición del escáner %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="170"/>
        <source>Roder ships in sector %1</source>
        <translation>Naves Roder en el sector %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="171"/>
        <source>Destroyed in sector %1</source>
        <translation>Destruidas en el sector %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="172"/>
        <source>Remaining in sector %1</source>
        <translation>Restantes en el sector %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="174"/>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="175"/>
        <source>Z %1, Y %2, X %3: %4</source>
        <translation>Z %1, Y %2, X %3: %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="176"/>
        <source>target, %1</source>
        <translation>blanco, %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="177"/>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="178"/>
        <source>destroyed Roder ship</source>
        <translation>nave Roder destruida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="179"/>
        <source>live Roder ship</source>
        <translation>nave Roder activa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="180"/>
        <source>searched, empty</source>
        <translation>explorado, vacío</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../engine/texts.inc" line="230"/>
        <source>Captain&apos;s Record</source>
        <translation>Historial del capitán</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="231"/>
        <source>Games played: %1, won: %2, lost: %3, win rate: %4%, assisted: %5</source>
        <translation>Partidas jugadas: %1, ganadas: %2, perdidas: %3, porcentaje de victorias: %4%, asistidas: %5</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="232"/>
        <source>Best victories</source>
        <translation>Mejores victorias</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="234"/>
        <source>Best victories: fewest missiles, then least fuel, then the shortest time. Assisted games never rank.</source>
        <translation>Mejores victorias: menos misiles, luego menos combustible, luego el menor tiempo. Las partidas asistidas nunca entran en la clasificación.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="236"/>
        <source>Missiles</source>
        <translation>Misiles</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="237"/>
        <source>Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="238"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="239"/>
        <source>Universe</source>
        <translation>Universo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="240"/>
        <source>Ended</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="241"/>
        <source>C&amp;lear Record...</source>
        <translation>&amp;Borrar historial...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="242"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="243"/>
        <source>Your best on each universe played more than once</source>
        <translation>Su mejor marca en cada universo jugado más de una vez</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="244"/>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <location filename="../engine/texts.inc" line="248"/>
        <source>The battle in figures</source>
        <translation>La batalla en cifras</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="249"/>
        <source>Universe: %1</source>
        <translation>Universo: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="250"/>
        <source>Universe: unknown</source>
        <translation>Universo: desconocido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="251"/>
        <source>Difficulty: %1</source>
        <translation>Dificultad: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="252"/>
        <source>Ships destroyed: %1</source>
        <translation>Naves destruidas: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="253"/>
        <source>Missiles fired: %1</source>
        <translation>Misiles disparados: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="254"/>
        <source>Fuel used: %1</source>
        <translation>Combustible usado: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="255"/>
        <source>Time played: %1</source>
        <translation>Tiempo de juego: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="256"/>
        <source>Place among the ten best: new best</source>
        <translation>Puesto entre las diez mejores: nuevo récord</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="257"/>
        <source>Place among the ten best: %1</source>
        <translation>Puesto entre las diez mejores: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="258"/>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="259"/>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="260"/>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="261"/>
        <source>5th</source>
        <translation>5.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="262"/>
        <source>6th</source>
        <translation>6.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="263"/>
        <source>7th</source>
        <translation>7.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="264"/>
        <source>8th</source>
        <translation>8.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="265"/>
        <source>9th</source>
        <translation>9.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="266"/>
        <source>10th</source>
        <translation>10.º</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="268"/>
        <source>Not ranked: assisted, as scanner tracing was switched on or a gauge was adjusted</source>
        <translation>Sin clasificar: asistida, se activó el rastreo del escáner o se ajustó un indicador</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="269"/>
        <source>Not ranked: only victories rank</source>
        <translation>Sin clasificar: solo cuentan las victorias</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="270"/>
        <source>Not ranked: ten better victories stand</source>
        <translation>Sin clasificar: hay diez victorias mejores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="271"/>
        <source>Not ranked: the captain&apos;s record does not hold this game</source>
        <translation>Sin clasificar: el historial del capitán no registra esta partida</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="272"/>
        <source>Copy Result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="273"/>
        <source>Map of the Hunt</source>
        <translation>Mapa de la caza</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="274"/>
        <source>Kestravane · %1 · %2 · %3 · %4 · %5 fuel · %6</source>
        <translation>Kestravane · %1 · %2 · %3 · %4 · %5 de combustible · %6</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="275"/>
        <source>universe %1</source>
        <translation>universo %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="276"/>
        <source>universe unknown</source>
        <translation>universo desconocido</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="277"/>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="278"/>
        <source>lost</source>
        <translation>perdida</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="279"/>
        <source>%n missiles</source>
        <translation>
            <numerusform>%n misil</numerusform>
            <numerusform>%n misiles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../engine/texts.inc" line="23"/>
        <source>Ready ...</source>
        <translation>Listo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="24"/>
        <source>Generating new game grid ...</source>
        <translation>Generando nueva cuadrícula de juego ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="25"/>
        <source>%n Roder ships detected in %2 battle groups ...</source>
        <translation>
            <numerusform>%n nave Roder detectada en %2 grupos de combate ...</numerusform>
            <numerusform>%n naves Roder detectadas en %2 grupos de combate ...</numerusform>
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
        <translation>Coordenadas del blanco ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="29"/>
        <source>Targeting orders canceled ...</source>
        <translation>Órdenes de puntería canceladas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="30"/>
        <source>Targeting coordinates: %1-%2-%3 ...</source>
        <translation>Coordenadas de puntería: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="31"/>
        <source>Helm coordinates ...</source>
        <translation>Coordenadas de timón ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="32"/>
        <source>Helm orders canceled ...</source>
        <translation>Órdenes de timón canceladas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="33"/>
        <source>Setting helm coordinates for: %1-%2-%3 ...</source>
        <translation>Fijando coordenadas de timón para: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="34"/>
        <source>Commander ...</source>
        <translation>Comandante ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="35"/>
        <source>%1 opened</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="36"/>
        <source>Saving %1 ...</source>
        <translation>Guardando %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="37"/>
        <source>%1 saved</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="38"/>
        <source>Loading %1 ...</source>
        <translation>Cargando %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="39"/>
        <source>%1 loaded</source>
        <translation>%1 cargado</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="40"/>
        <source>Press any key to resume game ...</source>
        <translation>Pulse cualquier tecla para reanudar la partida ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="41"/>
        <source>Resuming ...</source>
        <translation>Reanudando ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="42"/>
        <source>Diagnostics turned ON ...</source>
        <translation>Diagnóstico ACTIVADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="43"/>
        <source>Diagnostics turned OFF ...</source>
        <translation>Diagnóstico DESACTIVADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="44"/>
        <source>Weapons selected ...</source>
        <translation>Armas seleccionadas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="45"/>
        <source>Engines selected ...</source>
        <translation>Motores seleccionados ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="46"/>
        <source>Scanner tracing turned ON ...</source>
        <translation>Rastreo del escáner ACTIVADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="47"/>
        <source>Scanner tracing turned OFF ...</source>
        <translation>Rastreo del escáner DESACTIVADO ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="48"/>
        <source>Increasing Missile value ...</source>
        <translation>Aumentando valor de misiles ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="49"/>
        <source>Increasing Fuel value ...</source>
        <translation>Aumentando valor de combustible ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="50"/>
        <source>Decreasing Missile value ...</source>
        <translation>Reduciendo valor de misiles ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="51"/>
        <source>Decreasing Fuel value ...</source>
        <translation>Reduciendo valor de combustible ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="52"/>
        <source>Missile value set to minimum ...</source>
        <translation>Valor de misiles al mínimo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="53"/>
        <source>Fuel value set to minimum ...</source>
        <translation>Valor de combustible al mínimo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="54"/>
        <source>Missile value set to maximum ...</source>
        <translation>Valor de misiles al máximo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="55"/>
        <source>Fuel value set to maximum ...</source>
        <translation>Valor de combustible al máximo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="56"/>
        <source>Assisted game: it will not rank among the best ten ...</source>
        <translation>Partida asistida: no entrará entre las diez mejores ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="57"/>
        <source>Engines engaged ...</source>
        <translation>Motores avante ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="58"/>
        <source>Sector has no enemy ships ...</source>
        <translation>Sector sin naves enemigas ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="59"/>
        <source>Sector cleared ...</source>
        <translation>Sector despejado ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="60"/>
        <source>Scanners detect %n Roder ships ...</source>
        <translation>
            <numerusform>Los escáneres detectan %n nave Roder ...</numerusform>
            <numerusform>Los escáneres detectan %n naves Roder ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="61"/>
        <source>Missile launched ...</source>
        <translation>Misil lanzado ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="62"/>
        <source>Those Vudare are history captain ...</source>
        <translation>Esos Vudare ya son historia, capitán ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="63"/>
        <source>Quadrant swept clean ...</source>
        <translation>Cuadrante barrido ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="64"/>
        <source>Enemy ship destroyed in quadrant: %1-%2-%3 ...</source>
        <translation>Nave enemiga destruida en el cuadrante: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="65"/>
        <source>No enemy vessels found in quadrant: %1-%2-%3 ...</source>
        <translation>Ninguna nave enemiga en el cuadrante: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="66"/>
        <source>All missiles have been fired ...</source>
        <translation>Se han disparado todos los misiles ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="67"/>
        <source>The engines are out of fuel ...</source>
        <translation>Los motores se han quedado sin combustible ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="68"/>
        <source>Nice job captain ...</source>
        <translation>Buen trabajo, capitán ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="69"/>
        <source>Scanner log opened ...</source>
        <translation>Registro del escáner abierto ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="70"/>
        <source>Scanner log closed ...</source>
        <translation>Registro del escáner cerrado ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="71"/>
        <source>Options saved</source>
        <translation>Opciones guardadas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="72"/>
        <source>Sound F/X turned off: this computer cannot play them ...</source>
        <translation>Efectos de sonido desactivados: este equipo no puede reproducirlos ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="73"/>
        <source>The captain&apos;s record could not be read: it was set aside as %1 ...</source>
        <translation>No se pudo leer el historial del capitán: se ha apartado como %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="74"/>
        <source>The captain&apos;s record could not be saved, Code %1 ...</source>
        <translation>No se pudo guardar el historial del capitán, código %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="75"/>
        <source>The captain&apos;s record is in use by another program: it was left as it is ...</source>
        <translation>El historial del capitán está en uso por otro programa: se ha dejado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="76"/>
        <source>The captain&apos;s record could not be read, Code %1: it was left as it is ...</source>
        <translation>No se pudo leer el historial del capitán, código %1: se ha dejado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="78"/>
        <source>The captain&apos;s record could not be read nor set aside, Code %1: it was left as it is ...</source>
        <translation>No se pudo leer ni apartar el historial del capitán, código %1: se ha dejado como está ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="80"/>
        <source>The settings file cannot be read or written: the settings last until the game ends ...</source>
        <translation>No se puede leer ni escribir el archivo de configuración: la configuración durará hasta que se cierre el juego ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="280"/>
        <source>Result copied: %1</source>
        <translation>Resultado copiado: %1</translation>
    </message>
</context>
</TS>
