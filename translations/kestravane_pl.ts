<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <location filename="../engine/texts.inc" line="151"/>
        <source> Weapons</source>
        <translation> Broń</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="152"/>
        <source>Missiles</source>
        <translation>Rakiety</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="153"/>
        <source> Engines</source>
        <translation> Silniki</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="154"/>
        <source>Fuel</source>
        <translation>Paliwo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="155"/>
        <source> Scanner</source>
        <translation> Skaner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="156"/>
        <source>&amp;Aim</source>
        <translation>&amp;Cel</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="157"/>
        <source>&amp;Fire</source>
        <translation>&amp;Ognia</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="158"/>
        <source>%n Roder Ships</source>
        <translation>
            <numerusform>%n statek</numerusform>
            <numerusform>%n statki</numerusform>
            <numerusform>%n statków</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="159"/>
        <source>%1 Destroyed</source>
        <translation>Zniszczone: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="160"/>
        <source>%1 Remaining</source>
        <translation>Pozostałe: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="161"/>
        <source>%n Ships Remain</source>
        <translation>
            <numerusform>Został %n</numerusform>
            <numerusform>Zostały %n</numerusform>
            <numerusform>Zostało %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="162"/>
        <source>%1% Kill Ratio</source>
        <translation>Celność %1%</translation>
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
        <translation>Ekran powitalny</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="313"/>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="314"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="315"/>
        <source>Save the current game to disk?</source>
        <translation>Zapisać bieżącą grę na dysku?</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="316"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a %1 coordinate between 0 and 8.</source>
        <translation><byte value="xd"/><byte value="xd"/>Podaj współrzędną %1 od 0 do 8.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="318"/>
        <source><byte value="xd"/><byte value="xd"/>The difficulty level you have selected<byte value="xd"/>will be used for the next new game.</source>
        <translation><byte value="xd"/><byte value="xd"/>Wybrany poziom trudności<byte value="xd"/>zostanie użyty w następnej nowej grze.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="319"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a universe number between 0 and 4294967295.</source>
        <translation><byte value="xd"/><byte value="xd"/>Podaj numer wszechświata od 0 do 4294967295.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="321"/>
        <source>This game&apos;s universe is number %1.<byte value="xd"/><byte value="xd"/>New by Number starts the same universe on any computer.</source>
        <translation>Wszechświat tej gry ma numer %1.<byte value="xd"/><byte value="xd"/>Polecenie „Nowa według numeru” uruchamia ten sam wszechświat na każdym komputerze.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="322"/>
        <source>No universe number is known for this game.</source>
        <translation>Numer wszechświata tej gry jest nieznany.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="323"/>
        <source>Clear the captain&apos;s record?<byte value="xd"/><byte value="xd"/>Every game in it will be forgotten.</source>
        <translation>Wyczyścić rejestr kapitana?<byte value="xd"/><byte value="xd"/>Wszystkie zapisane w nim gry zostaną zapomniane.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="324"/>
        <source>Open Kestravane Game</source>
        <translation>Otwórz grę Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="325"/>
        <source>Save Kestravane Game As</source>
        <translation>Zapisz grę Kestravane jako</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="326"/>
        <source>Kestravane Game</source>
        <translation>Gra Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="327"/>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="328"/>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="329"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>This game document was created with Kestravane v%2.%3<byte value="xd"/>It can not be used with Kestravane for Windows 95/NT<byte value="xd"/><byte value="xd"/>Please use Kestravane v1.5 or older to load this file.</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Ten dokument gry utworzono w Kestravane v%2.%3<byte value="xd"/>Nie można go użyć w Kestravane dla Windows 95/NT<byte value="xd"/><byte value="xd"/>Aby wczytać ten plik, użyj Kestravane v1.5 lub starszego.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="332"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected creating this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas tworzenia tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="333"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected opening this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas otwierania tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="334"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected rewinding this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas przewijania tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="335"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading header from this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas odczytu nagłówka z tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="337"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing header signature to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas zapisu sygnatury nagłówka do tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="338"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected flushing buffers for this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas opróżniania buforów tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="339"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected closing this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas zamykania tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="341"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Invalid file header signature detected. This<byte value="xd"/>document was not created by %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Wykryto nieprawidłową sygnaturę nagłówka pliku. Tego<byte value="xd"/>dokumentu nie utworzył program %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="342"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading %2 data from disk<byte value="xd"/>Code %3</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas odczytu danych %2 z dysku<byte value="xd"/>Kod %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="343"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing %2 data to disk<byte value="xd"/>Code %3</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas zapisu danych %2 na dysk<byte value="xd"/>Kod %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="344"/>
        <source>File: %1<byte value="xd"/>Name: %2<byte value="xd"/><byte value="xd"/>Error detected renaming this disk file<byte value="xd"/>Code %3</source>
        <translation>Plik: %1<byte value="xd"/>Nazwa: %2<byte value="xd"/><byte value="xd"/>Błąd podczas zmiany nazwy tego pliku na dysku<byte value="xd"/>Kod %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="346"/>
        <source>game</source>
        <translation>gry</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="347"/>
        <source>quadrant</source>
        <translation>kwadrantów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="348"/>
        <source>scanner</source>
        <translation>skanera</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="350"/>
        <source>%1(LoadBitmap): Error detected loading specified picture (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadBitmap): Błąd podczas wczytywania wskazanego obrazu (ID:%2)<byte value="xd"/><byte value="xd"/>Kod %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="351"/>
        <source>%1(LoadIcon): Error detected loading icon resource (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadIcon): Błąd podczas wczytywania zasobu ikony (ID:%2)<byte value="xd"/><byte value="xd"/>Kod %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="352"/>
        <source>%1(FindResource): Error detected finding %2 resource (ID:%3)<byte value="xd"/><byte value="xd"/>Code %4</source>
        <translation>%1(FindResource): Błąd podczas wyszukiwania zasobu %2 (ID:%3)<byte value="xd"/><byte value="xd"/>Kod %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="353"/>
        <source>%1(sndPlaySound): Cannot play WAVE resource (ID:%2)<byte value="xd"/>Code %3</source>
        <translation>%1(sndPlaySound): Nie można odtworzyć zasobu WAVE (ID:%2)<byte value="xd"/>Kod %3</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="185"/>
        <source> Help </source>
        <translation> Pomoc </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="186"/>
        <source>Kestravane Options</source>
        <translation>Opcje Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="187"/>
        <source> Difficulty </source>
        <translation> Poziom trudności </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="188"/>
        <source>&amp;Easy</source>
        <translation>Łat&amp;wy</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="189"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normalny</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="190"/>
        <source>&amp;Hard</source>
        <translation>&amp;Trudny</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="191"/>
        <source>%1 Missiles / %2 Fuel Units</source>
        <translation>%1 rakiet / %2 jednostek paliwa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="192"/>
        <source> Sound </source>
        <translation> Dźwięk </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="193"/>
        <source>&amp;Play Sound F/X Wave Files</source>
        <translation>&amp;Odtwarzaj efekty dźwiękowe z plików WAVE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="194"/>
        <source>Helm</source>
        <translation>Ster</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="195"/>
        <source> Destination </source>
        <translation> Cel podróży </translation>
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
        <translation>Przyciski opcji po lewej stronie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="200"/>
        <source>of the coordinate labels to specify</source>
        <translation>etykiet współrzędnych wybierają</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="201"/>
        <source>the desired scanner viewing axis.</source>
        <translation>żądaną oś widzenia skanera.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="202"/>
        <source>&amp;Engage</source>
        <translation>&amp;Naprzód</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="203"/>
        <source>Aim</source>
        <translation>Celowanie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="204"/>
        <source> Target </source>
        <translation> Cel </translation>
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
        <translation> Skrót </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="209"/>
        <source>You may also select a target by</source>
        <translation>Cel można też wybrać, klikając</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="210"/>
        <source>clicking the mouse directly on a</source>
        <translation>myszą bezpośrednio na</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="211"/>
        <source>coordinate, and then press the</source>
        <translation>współrzędnej, a potem nacisnąć</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="212"/>
        <source>space bar to launch a missile.</source>
        <translation>spację, aby odpalić rakietę.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="213"/>
        <source>&amp;Fire</source>
        <translation>&amp;Ognia</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="214"/>
        <source>Scanner Log</source>
        <translation>Dziennik skanera</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="215"/>
        <source>&amp;Sector Scans</source>
        <translation>&amp;Skany sektorów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="216"/>
        <source>&amp;Z Axis</source>
        <translation>Oś &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="217"/>
        <source>&amp;Y Axis</source>
        <translation>Oś &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="218"/>
        <source>&amp;X Axis</source>
        <translation>Oś &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="219"/>
        <source>Sector %1 ----------------</source>
        <translation>Sektor %1 ----------------</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="220"/>
        <source>	%n Roder Ships</source>
        <translation>
            <numerusform>	%n statek Roderów</numerusform>
            <numerusform>	%n statki Roderów</numerusform>
            <numerusform>	%n statków Roderów</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="221"/>
        <source>	%1 Destroyed</source>
        <translation>	Zniszczone: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="222"/>
        <source>	%1 Remaining</source>
        <translation>	Pozostałe: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="223"/>
        <source>	Unexplored</source>
        <translation>	Niezbadany</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="224"/>
        <source>New by Number</source>
        <translation>Nowa według numeru</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="225"/>
        <source> Universe </source>
        <translation> Wszechświat </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="226"/>
        <source>&amp;Number:</source>
        <translation>&amp;Numer:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="227"/>
        <source>The same number starts the same universe</source>
        <translation>Ten sam numer uruchamia ten sam wszechświat</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="228"/>
        <source>on every computer.</source>
        <translation>na każdym komputerze.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="229"/>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <location filename="../engine/texts.inc" line="284"/>
        <source>Map of the Hunt</source>
        <translation>Mapa łowów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="285"/>
        <source>Z %1</source>
        <translation>Z %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="286"/>
        <source>Each sector: rows Y 0-8, columns X 0-8</source>
        <translation>Każdy sektor: wiersze Y 0-8, kolumny X 0-8</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="287"/>
        <source>Roder ship destroyed</source>
        <translation>Zniszczony statek Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="288"/>
        <source>Roder ship that survived</source>
        <translation>Ocalały statek Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="289"/>
        <source>Shot that missed</source>
        <translation>Chybiony strzał</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="290"/>
        <source>Seen by the scanner</source>
        <translation>Widziany przez skaner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="291"/>
        <source>Never scanned</source>
        <translation>Nigdy nieskanowany</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="292"/>
        <source>%1 of %2 Roder ships destroyed</source>
        <translation>Zniszczono %1 z %2 statków Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="293"/>
        <source>shots: %1 hit, %2 missed</source>
        <translation>strzały: celne %1, chybione %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="294"/>
        <source>Ships not yet found stay hidden until the hunt ends.</source>
        <translation>Nieodnalezione statki pozostają ukryte do końca łowów.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="295"/>
        <source>The hunt is over: every ship is shown.</source>
        <translation>Łowy zakończone: widać wszystkie statki.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="296"/>
        <source>&amp;Sectors</source>
        <translation>&amp;Sektory</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="297"/>
        <source>Save as &amp;PNG...</source>
        <translation>&amp;Zapisz jako PNG...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="298"/>
        <source>Save Map of the Hunt As</source>
        <translation>Zapisz mapę łowów jako</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="299"/>
        <source>PNG Picture</source>
        <translation>Obraz PNG</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="300"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing the map to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Plik: %1<byte value="xd"/><byte value="xd"/>Błąd podczas zapisu mapy do tego pliku na dysku<byte value="xd"/><byte value="xd"/>Kod %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="303"/>
        <source>Sector Z %1: %2</source>
        <translation>Sektor Z %1: %2</translation>
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
            <numerusform>%n zniszczony statek Roderów: %2</numerusform>
            <numerusform>%n zniszczone statki Roderów: %2</numerusform>
            <numerusform>%n zniszczonych statków Roderów: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="308"/>
        <source>%n Roder ships survived at %2</source>
        <translation>
            <numerusform>%n ocalały statek Roderów: %2</numerusform>
            <numerusform>%n ocalałe statki Roderów: %2</numerusform>
            <numerusform>%n ocalałych statków Roderów: %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="309"/>
        <source>no Roder ship destroyed</source>
        <translation>brak zniszczonych statków Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="310"/>
        <source>%1 of 81 quadrants scanned</source>
        <translation>zeskanowano %1 z 81 kwadrantów</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../engine/texts.inc" line="84"/>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="85"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="86"/>
        <source>&amp;Ship</source>
        <translation>&amp;Statek</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="87"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="88"/>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="89"/>
        <source>Start a new game</source>
        <translation>Rozpocznij nową grę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="90"/>
        <source>New by Num&amp;ber...</source>
        <translation>Nowa &amp;według numeru...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="91"/>
        <source>Start the universe of a given number</source>
        <translation>Uruchom wszechświat o podanym numerze</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="92"/>
        <source>Toda&amp;y&apos;s Universe</source>
        <translation>&amp;Dzisiejszy wszechświat</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="93"/>
        <source>Start today&apos;s universe, the same for every player</source>
        <translation>Uruchom dzisiejszy wszechświat, taki sam dla każdego gracza</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="94"/>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="95"/>
        <source>Load an existing game</source>
        <translation>Wczytaj zapisaną grę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="96"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="97"/>
        <source>Close the current game</source>
        <translation>Zamknij bieżącą grę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="98"/>
        <source>&amp;Save...</source>
        <translation>Zapi&amp;sz...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="99"/>
        <source>Save the current game</source>
        <translation>Zapisz bieżącą grę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="100"/>
        <source>Game N&amp;umber...</source>
        <translation>N&amp;umer gry...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="101"/>
        <source>Show the number of this game&apos;s universe</source>
        <translation>Pokaż numer wszechświata tej gry</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="102"/>
        <source>Captain&apos;s &amp;Record...</source>
        <translation>Rejestr &amp;kapitana...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="103"/>
        <source>Show the games won and lost, and the best victories</source>
        <translation>Pokaż gry wygrane i przegrane oraz najlepsze zwycięstwa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="104"/>
        <source>Co&amp;py Result</source>
        <translation>Kop&amp;iuj wynik</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="105"/>
        <source>Copy the finished game&apos;s result as one line, to paste into a chat</source>
        <translation>Skopiuj wynik zakończonej gry jako jeden wiersz do wklejenia na czacie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="106"/>
        <source>&amp;Map of the Hunt...</source>
        <translation>&amp;Mapa łowów...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="107"/>
        <source>Show the whole cube: the ships destroyed, every shot and the sectors scanned</source>
        <translation>Pokaż cały sześcian: zniszczone statki, każdy strzał i zeskanowane sektory</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="108"/>
        <source>Op&amp;tions...</source>
        <translation>O&amp;pcje...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="109"/>
        <source>Set game difficulty level</source>
        <translation>Ustaw poziom trudności gry</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="110"/>
        <source>E&amp;xit</source>
        <translation>Zakoń&amp;cz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="111"/>
        <source>Exit Kestravane</source>
        <translation>Zakończ Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="112"/>
        <source>&amp;Z Axis Scan</source>
        <translation>Skanowanie osi &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="113"/>
        <source>Scan along the Z axis</source>
        <translation>Skanuj wzdłuż osi Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="114"/>
        <source>&amp;Y Axis Scan</source>
        <translation>Skanowanie osi &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="115"/>
        <source>Scan along the Y axis</source>
        <translation>Skanuj wzdłuż osi Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="116"/>
        <source>&amp;X Axis Scan</source>
        <translation>Skanowanie osi &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="117"/>
        <source>Scan along the X axis</source>
        <translation>Skanuj wzdłuż osi X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="118"/>
        <source>Scanner &amp;Log</source>
        <translation>&amp;Dziennik skanera</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="119"/>
        <source>View the scanner log</source>
        <translation>Pokaż dziennik skanera</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="120"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="121"/>
        <source>Show the game larger, up to three times its size</source>
        <translation>Pokaż grę większą, maksymalnie trzykrotnie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="122"/>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="123"/>
        <source>Show the game smaller, down to its actual size</source>
        <translation>Pokaż grę mniejszą, aż do rzeczywistego rozmiaru</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="124"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Rozmiar rzeczywisty</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="125"/>
        <source>Show the game at its actual size</source>
        <translation>Pokaż grę w rzeczywistym rozmiarze</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="126"/>
        <source>Always on &amp;Top</source>
        <translation>Zawsze na &amp;wierzchu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="127"/>
        <source>Make Kestravane the topmost window</source>
        <translation>Utrzymuj okno Kestravane zawsze na wierzchu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="128"/>
        <source>&amp;Aim...</source>
        <translation>&amp;Celowanie...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="129"/>
        <source>Set targeting coordinates</source>
        <translation>Ustaw współrzędne celu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="130"/>
        <source>&amp;Fire</source>
        <translation>&amp;Ognia</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="131"/>
        <source>Fire a missile</source>
        <translation>Odpal rakietę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="132"/>
        <source>&amp;Helm...</source>
        <translation>&amp;Ster...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="133"/>
        <source>Set helm coordinates</source>
        <translation>Ustaw współrzędne steru</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="134"/>
        <source>&amp;Engage</source>
        <translation>&amp;Naprzód</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="135"/>
        <source>Engage the engines</source>
        <translation>Silniki naprzód</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="136"/>
        <source>&amp;Reverse</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="137"/>
        <source>Reverse the engines</source>
        <translation>Silniki wstecz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="138"/>
        <source>&amp;Play Sounds</source>
        <translation>Odtwarzaj &amp;dźwięki</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="139"/>
        <source>Turn sound F/X on and off</source>
        <translation>Włącz lub wyłącz efekty dźwiękowe</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="140"/>
        <source>&amp;Game Rules</source>
        <translation>&amp;Zasady gry</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="141"/>
        <source>Display game rules</source>
        <translation>Wyświetl zasady gry</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="142"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="143"/>
        <source>Show keyboard shortcuts</source>
        <translation>Pokaż skróty klawiszowe</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="144"/>
        <source>&amp;Mission Orders</source>
        <translation>&amp;Rozkazy misji</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="145"/>
        <source>Read mission orders</source>
        <translation>Przeczytaj rozkazy misji</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="146"/>
        <source>&amp;About Kestravane...</source>
        <translation>&amp;O programie Kestravane...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="147"/>
        <source>Show program information and copyright notice</source>
        <translation>Pokaż informacje o programie i prawach autorskich</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../engine/texts.inc" line="356"/>
        <source>A space war game  •  Version 2.2</source>
        <translation>Wojna w kosmosie  •  Wersja 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="357"/>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>Wolne oprogramowanie: GNU GPL 3.0 lub nowsza</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="361"/>
        <source>KESTRAVANE</source>
        <translation>KESTRAVANE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="362"/>
        <source>A SPACE WAR GAME</source>
        <translation>WOJNA W KOSMOSIE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="363"/>
        <source>Version 2.2</source>
        <translation>Wersja 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="365"/>
        <source>Twenty Roder battle groups hide in a cube of 9 x 9 x 9 quadrants. Find them and destroy them all.</source>
        <translation>Dwadzieścia grup bojowych Roderów kryje się w sześcianie 9 x 9 x 9 kwadrantów. Znajdź je i zniszcz wszystkie.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="368"/>
        <source>Copyright © 1997 Kestravane Works.</source>
        <translation>Prawa autorskie © 1997 Kestravane Works.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="369"/>
        <source>Free software under the GNU GPL, version 3 or later: share it and change it.</source>
        <translation>Wolne oprogramowanie na GNU GPL w wersji 3 lub nowszej: udostępniaj je i zmieniaj.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="370"/>
        <source>Choose New from the Game menu to begin.</source>
        <translation>Aby zacząć, wybierz Nowa z menu Gra.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="371"/>
        <source>GAME RULES</source>
        <translation>ZASADY GRY</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="373"/>
        <source>Roder battle groups are always three ships in a line, in three neighbouring quadrants:</source>
        <translation>Grupy bojowe Roderów to zawsze trzy statki w linii, w trzech sąsiednich kwadrantach:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="374"/>
        <source>Horizontal</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="375"/>
        <source>along X</source>
        <translation>wzdłuż X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="376"/>
        <source>Vertical</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="377"/>
        <source>along Y</source>
        <translation>wzdłuż Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="378"/>
        <source>Head on</source>
        <translation>Czołowo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="379"/>
        <source>along Z</source>
        <translation>wzdłuż Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="380"/>
        <source>Attack</source>
        <translation>Atak</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="381"/>
        <source>Select the target coordinates with the mouse, then press the space bar to fire.</source>
        <translation>Wybierz myszą współrzędne celu, a potem naciśnij spację, aby strzelić.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="382"/>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>SKRÓTY KLAWISZOWE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="383"/>
        <source>Weapons</source>
        <translation>Broń</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="384"/>
        <source>Aim dialog</source>
        <translation>Celowanie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="385"/>
        <source>Fire missile</source>
        <translation>Odpal rakietę</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="386"/>
        <source>Engines</source>
        <translation>Silniki</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="387"/>
        <source>Helm coordinates</source>
        <translation>Współrzędne steru</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="388"/>
        <source>Engage engines</source>
        <translation>Silniki naprzód</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="389"/>
        <source>Reverse engines</source>
        <translation>Silniki wstecz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="390"/>
        <source>Scanner</source>
        <translation>Skaner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="391"/>
        <source>X axis scan</source>
        <translation>Skan osi X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="392"/>
        <source>Y axis scan</source>
        <translation>Skan osi Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="393"/>
        <source>Z axis scan</source>
        <translation>Skan osi Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="394"/>
        <source>MISSION ORDERS</source>
        <translation>ROZKAZY MISJI</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="395"/>
        <source>Situation</source>
        <translation>Sytuacja</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="397"/>
        <source>An enemy task force of 20 Roder battle groups has invaded the galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants.</source>
        <translation>Wrogi zespół bojowy złożony z 20 grup bojowych Roderów najechał galaktykę. Każda grupa trzech statków kryje się gdzieś w sześcianie 9 x 9 x 9 kwadrantów.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="399"/>
        <source>Orders</source>
        <translation>Rozkazy</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="400"/>
        <source>Seek out and destroy the invaders. Make every missile count.</source>
        <translation>Odszukać i zniszczyć najeźdźców. Każda rakieta ma trafić.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="401"/>
        <source>Good hunting, Commander.</source>
        <translation>Udanych łowów, komandorze.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="402"/>
        <source>Fleet Command</source>
        <translation>Dowództwo Floty</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="403"/>
        <source>VICTORY</source>
        <translation>ZWYCIĘSTWO</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="404"/>
        <source>Congratulations, Commander!</source>
        <translation>Gratulacje, komandorze!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="405"/>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Siły inwazyjne Roderów zostały całkowicie zniszczone. Galaktyka znów jest bezpieczna.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="406"/>
        <source>DEFEAT</source>
        <translation>PORAŻKA</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="407"/>
        <source>Enemy invaders remain!</source>
        <translation>Najeźdźcy wciąż tu są!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="408"/>
        <source>Your ship can fight no more. The Vudare are sending coded messages to their home world, and the next wave is on its way.</source>
        <translation>Twój statek nie może już walczyć. Vudare wysyłają szyfrowane wiadomości na swoją ojczystą planetę, a następna fala jest już w drodze.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../engine/texts.inc" line="163"/>
        <source>Engines back</source>
        <translation>Silniki wstecz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="164"/>
        <source>Engines forward</source>
        <translation>Silniki naprzód</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="165"/>
        <source>Weapons target %1</source>
        <translation>Broń, cel %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="166"/>
        <source>Missiles %1</source>
        <translation>Rakiety %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="167"/>
        <source>Engines position %1</source>
        <translation>Silniki, pozycja %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="168"/>
        <source>Fuel %1</source>
        <translation>Paliwo %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="169"/>
        <source>Scanner position %1</source>
        <translation>Skaner, pozycja %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="170"/>
        <source>Roder ships in sector %1</source>
        <translation>Statki Roderów w sektorze: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="171"/>
        <source>Destroyed in sector %1</source>
        <translation>Zniszczone w sektorze: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="172"/>
        <source>Remaining in sector %1</source>
        <translation>Pozostałe w sektorze: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="174"/>
        <source>Scanner</source>
        <translation>Skaner</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="175"/>
        <source>Z %1, Y %2, X %3: %4</source>
        <translation>Z %1, Y %2, X %3: %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="176"/>
        <source>target, %1</source>
        <translation>cel, %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="177"/>
        <source>unknown</source>
        <translation>nieznane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="178"/>
        <source>destroyed Roder ship</source>
        <translation>zniszczony statek Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="179"/>
        <source>live Roder ship</source>
        <translation>aktywny statek Roderów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="180"/>
        <source>searched, empty</source>
        <translation>przeszukane, pusto</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../engine/texts.inc" line="230"/>
        <source>Captain&apos;s Record</source>
        <translation>Rejestr kapitana</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="231"/>
        <source>Games played: %1, won: %2, lost: %3, win rate: %4%, assisted: %5</source>
        <translation>Rozegrane gry: %1, wygrane: %2, przegrane: %3, odsetek zwycięstw: %4%, wspomagane: %5</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="232"/>
        <source>Best victories</source>
        <translation>Najlepsze zwycięstwa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="234"/>
        <source>Best victories: fewest missiles, then least fuel, then the shortest time. Assisted games never rank.</source>
        <translation>Najlepsze zwycięstwa: najmniej rakiet, potem najmniej paliwa, potem najkrótszy czas. Gry wspomagane nigdy nie trafiają do rankingu.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="236"/>
        <source>Missiles</source>
        <translation>Rakiety</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="237"/>
        <source>Fuel</source>
        <translation>Paliwo</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="238"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="239"/>
        <source>Universe</source>
        <translation>Wszechświat</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="240"/>
        <source>Ended</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="241"/>
        <source>C&amp;lear Record...</source>
        <translation>&amp;Wyczyść rejestr...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="242"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="243"/>
        <source>Your best on each universe played more than once</source>
        <translation>Twój najlepszy wynik w każdym wszechświecie rozegranym więcej niż raz</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="244"/>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <location filename="../engine/texts.inc" line="248"/>
        <source>The battle in figures</source>
        <translation>Bitwa w liczbach</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="249"/>
        <source>Universe: %1</source>
        <translation>Wszechświat: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="250"/>
        <source>Universe: unknown</source>
        <translation>Wszechświat: nieznany</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="251"/>
        <source>Difficulty: %1</source>
        <translation>Poziom: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="252"/>
        <source>Ships destroyed: %1</source>
        <translation>Zniszczone statki: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="253"/>
        <source>Missiles fired: %1</source>
        <translation>Odpalone rakiety: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="254"/>
        <source>Fuel used: %1</source>
        <translation>Zużyte paliwo: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="255"/>
        <source>Time played: %1</source>
        <translation>Czas gry: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="256"/>
        <source>Place among the ten best: new best</source>
        <translation>Miejsce w najlepszej dziesiątce: nowy rekord</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="257"/>
        <source>Place among the ten best: %1</source>
        <translation>Miejsce w najlepszej dziesiątce: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="258"/>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="259"/>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="260"/>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="261"/>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="262"/>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="263"/>
        <source>7th</source>
        <translation>7.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="264"/>
        <source>8th</source>
        <translation>8.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="265"/>
        <source>9th</source>
        <translation>9.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="266"/>
        <source>10th</source>
        <translation>10.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="268"/>
        <source>Not ranked: assisted, as scanner tracing was switched on or a gauge was adjusted</source>
        <translation>Poza rankingiem: gra wspomagana, bo włączono śledzenie skanera lub zmieniono zapasy</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="269"/>
        <source>Not ranked: only victories rank</source>
        <translation>Poza rankingiem: liczą się tylko zwycięstwa</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="270"/>
        <source>Not ranked: ten better victories stand</source>
        <translation>Poza rankingiem: jest już dziesięć lepszych zwycięstw</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="271"/>
        <source>Not ranked: the captain&apos;s record does not hold this game</source>
        <translation>Poza rankingiem: tej gry nie ma w rejestrze kapitana</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="272"/>
        <source>Copy Result</source>
        <translation>Kopiuj wynik</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="273"/>
        <source>Map of the Hunt</source>
        <translation>Mapa łowów</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="274"/>
        <source>Kestravane · %1 · %2 · %3 · %4 · %5 fuel · %6</source>
        <translation>Kestravane · %1 · %2 · %3 · %4 · paliwo %5 · %6</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="275"/>
        <source>universe %1</source>
        <translation>wszechświat %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="276"/>
        <source>universe unknown</source>
        <translation>wszechświat nieznany</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="277"/>
        <source>won</source>
        <translation>wygrana</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="278"/>
        <source>lost</source>
        <translation>przegrana</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="279"/>
        <source>%n missiles</source>
        <translation>
            <numerusform>%n rakieta</numerusform>
            <numerusform>%n rakiety</numerusform>
            <numerusform>%n rakiet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../engine/texts.inc" line="23"/>
        <source>Ready ...</source>
        <translation>Gotowy ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="24"/>
        <source>Generating new game grid ...</source>
        <translation>Generowanie nowej siatki gry ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="25"/>
        <source>%n Roder ships detected in %2 battle groups ...</source>
        <translation>
            <numerusform>Wykryto %n statek Roderów w %2 grupach bojowych ...</numerusform>
            <numerusform>Wykryto %n statki Roderów w %2 grupach bojowych ...</numerusform>
            <numerusform>Wykryto %n statków Roderów w %2 grupach bojowych ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="27"/>
        <source>Universe number %1 ...</source>
        <translation>Wszechświat numer %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="28"/>
        <source>Target coordinates ...</source>
        <translation>Współrzędne celu ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="29"/>
        <source>Targeting orders canceled ...</source>
        <translation>Rozkaz namierzania odwołany ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="30"/>
        <source>Targeting coordinates: %1-%2-%3 ...</source>
        <translation>Namierzanie współrzędnych: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="31"/>
        <source>Helm coordinates ...</source>
        <translation>Współrzędne steru ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="32"/>
        <source>Helm orders canceled ...</source>
        <translation>Rozkazy dla steru odwołane ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="33"/>
        <source>Setting helm coordinates for: %1-%2-%3 ...</source>
        <translation>Ustawianie współrzędnych steru na: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="34"/>
        <source>Commander ...</source>
        <translation>Komandorze ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="35"/>
        <source>%1 opened</source>
        <translation>Otwarto %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="36"/>
        <source>Saving %1 ...</source>
        <translation>Zapisywanie %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="37"/>
        <source>%1 saved</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="38"/>
        <source>Loading %1 ...</source>
        <translation>Wczytywanie %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="39"/>
        <source>%1 loaded</source>
        <translation>Wczytano %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="40"/>
        <source>Press any key to resume game ...</source>
        <translation>Naciśnij dowolny klawisz, aby wznowić grę ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="41"/>
        <source>Resuming ...</source>
        <translation>Wznawianie ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="42"/>
        <source>Diagnostics turned ON ...</source>
        <translation>Diagnostyka WŁĄCZONA ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="43"/>
        <source>Diagnostics turned OFF ...</source>
        <translation>Diagnostyka WYŁĄCZONA ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="44"/>
        <source>Weapons selected ...</source>
        <translation>Wybrano broń ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="45"/>
        <source>Engines selected ...</source>
        <translation>Wybrano silniki ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="46"/>
        <source>Scanner tracing turned ON ...</source>
        <translation>Śledzenie skanera WŁĄCZONE ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="47"/>
        <source>Scanner tracing turned OFF ...</source>
        <translation>Śledzenie skanera WYŁĄCZONE ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="48"/>
        <source>Increasing Missile value ...</source>
        <translation>Zwiększanie liczby rakiet ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="49"/>
        <source>Increasing Fuel value ...</source>
        <translation>Zwiększanie zapasu paliwa ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="50"/>
        <source>Decreasing Missile value ...</source>
        <translation>Zmniejszanie liczby rakiet ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="51"/>
        <source>Decreasing Fuel value ...</source>
        <translation>Zmniejszanie zapasu paliwa ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="52"/>
        <source>Missile value set to minimum ...</source>
        <translation>Liczba rakiet ustawiona na minimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="53"/>
        <source>Fuel value set to minimum ...</source>
        <translation>Zapas paliwa ustawiony na minimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="54"/>
        <source>Missile value set to maximum ...</source>
        <translation>Liczba rakiet ustawiona na maksimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="55"/>
        <source>Fuel value set to maximum ...</source>
        <translation>Zapas paliwa ustawiony na maksimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="56"/>
        <source>Assisted game: it will not rank among the best ten ...</source>
        <translation>Gra wspomagana: nie trafi do najlepszej dziesiątki ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="57"/>
        <source>Engines engaged ...</source>
        <translation>Silniki włączone ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="58"/>
        <source>Sector has no enemy ships ...</source>
        <translation>W sektorze brak statków wroga ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="59"/>
        <source>Sector cleared ...</source>
        <translation>Sektor oczyszczony ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="60"/>
        <source>Scanners detect %n Roder ships ...</source>
        <translation>
            <numerusform>Skanery wykrywają %n statek Roderów ...</numerusform>
            <numerusform>Skanery wykrywają %n statki Roderów ...</numerusform>
            <numerusform>Skanery wykrywają %n statków Roderów ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="61"/>
        <source>Missile launched ...</source>
        <translation>Rakieta odpalona ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="62"/>
        <source>Those Vudare are history captain ...</source>
        <translation>Ci Vudare to już historia, kapitanie ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="63"/>
        <source>Quadrant swept clean ...</source>
        <translation>Kwadrant już przeczesany ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="64"/>
        <source>Enemy ship destroyed in quadrant: %1-%2-%3 ...</source>
        <translation>Statek wroga zniszczony w kwadrancie: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="65"/>
        <source>No enemy vessels found in quadrant: %1-%2-%3 ...</source>
        <translation>Brak jednostek wroga w kwadrancie: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="66"/>
        <source>All missiles have been fired ...</source>
        <translation>Wszystkie rakiety wystrzelone ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="67"/>
        <source>The engines are out of fuel ...</source>
        <translation>Silnikom skończyło się paliwo ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="68"/>
        <source>Nice job captain ...</source>
        <translation>Dobra robota, kapitanie ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="69"/>
        <source>Scanner log opened ...</source>
        <translation>Dziennik skanera otwarty ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="70"/>
        <source>Scanner log closed ...</source>
        <translation>Dziennik skanera zamknięty ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="71"/>
        <source>Options saved</source>
        <translation>Zapisano opcje</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="72"/>
        <source>Sound F/X turned off: this computer cannot play them ...</source>
        <translation>Efekty dźwiękowe wyłączone: ten komputer nie może ich odtwarzać ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="73"/>
        <source>The captain&apos;s record could not be read: it was set aside as %1 ...</source>
        <translation>Nie można odczytać rejestru kapitana: odłożono go jako %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="74"/>
        <source>The captain&apos;s record could not be saved, Code %1 ...</source>
        <translation>Nie można zapisać rejestru kapitana, kod %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="75"/>
        <source>The captain&apos;s record is in use by another program: it was left as it is ...</source>
        <translation>Rejestr kapitana jest używany przez inny program: pozostawiono go bez zmian ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="76"/>
        <source>The captain&apos;s record could not be read, Code %1: it was left as it is ...</source>
        <translation>Nie można odczytać rejestru kapitana, kod %1: pozostawiono go bez zmian ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="78"/>
        <source>The captain&apos;s record could not be read nor set aside, Code %1: it was left as it is ...</source>
        <translation>Nie można odczytać ani odłożyć rejestru kapitana, kod %1: pozostawiono go bez zmian ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="80"/>
        <source>The settings file cannot be read or written: the settings last until the game ends ...</source>
        <translation>Nie można odczytać ani zapisać pliku ustawień: ustawienia obowiązują do końca gry ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="280"/>
        <source>Result copied: %1</source>
        <translation>Skopiowano wynik: %1</translation>
    </message>
</context>
</TS>
