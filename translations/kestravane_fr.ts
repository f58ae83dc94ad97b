<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <location filename="../engine/texts.inc" line="151"/>
        <source> Weapons</source>
        <translation> Armes</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="152"/>
        <source>Missiles</source>
        <translation>Missiles</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="153"/>
        <source> Engines</source>
        <translation> Moteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="154"/>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="155"/>
        <source> Scanner</source>
        <translation> Capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="156"/>
        <source>&amp;Aim</source>
        <translation>Vi&amp;ser</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="157"/>
        <source>&amp;Fire</source>
        <translation>&amp;Feu</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="158"/>
        <source>%n Roder Ships</source>
        <translation>
            <numerusform>%n vaisseau</numerusform>
            <numerusform>%n vaisseaux</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="159"/>
        <source>%1 Destroyed</source>
        <translation>%1 détruits</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="160"/>
        <source>%1 Remaining</source>
        <translation>%1 restants</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="161"/>
        <source>%n Ships Remain</source>
        <translation>
            <numerusform>%n à détruire</numerusform>
            <numerusform>%n à détruire</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="162"/>
        <source>%1% Kill Ratio</source>
        <translation>%1% au but</translation>
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
        <translation>Écran d&apos;accueil</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="313"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="314"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="315"/>
        <source>Save the current game to disk?</source>
        <translation>Enregistrer la partie en cours sur le disque&#xa0;?</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="316"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a %1 coordinate between 0 and 8.</source>
        <translation><byte value="xd"/><byte value="xd"/>Entrez une coordonnée %1 comprise entre 0 et 8.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="318"/>
        <source><byte value="xd"/><byte value="xd"/>The difficulty level you have selected<byte value="xd"/>will be used for the next new game.</source>
        <translation><byte value="xd"/><byte value="xd"/>Le niveau de difficulté choisi<byte value="xd"/>s&apos;appliquera à la prochaine nouvelle partie.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="319"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a universe number between 0 and 4294967295.</source>
        <translation><byte value="xd"/><byte value="xd"/>Entrez un numéro d&apos;univers compris entre 0 et 4294967295.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="321"/>
        <source>This game&apos;s universe is number %1.<byte value="xd"/><byte value="xd"/>New by Number starts the same universe on any computer.</source>
        <translation>L&apos;univers de cette partie porte le numéro %1.<byte value="xd"/><byte value="xd"/>«&#xa0;Nouvelle partie par numéro&#xa0;» lance le même univers sur n&apos;importe quel ordinateur.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="322"/>
        <source>No universe number is known for this game.</source>
        <translation>Aucun numéro d&apos;univers n&apos;est connu pour cette partie.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="323"/>
        <source>Clear the captain&apos;s record?<byte value="xd"/><byte value="xd"/>Every game in it will be forgotten.</source>
        <translation>Effacer le palmarès du capitaine&#xa0;?<byte value="xd"/><byte value="xd"/>Toutes les parties qu&apos;il contient seront oubliées.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="324"/>
        <source>Open Kestravane Game</source>
        <translation>Ouvrir une partie Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="325"/>
        <source>Save Kestravane Game As</source>
        <translation>Enregistrer la partie Kestravane sous</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="326"/>
        <source>Kestravane Game</source>
        <translation>Partie Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="327"/>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="328"/>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="329"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>This game document was created with Kestravane v%2.%3<byte value="xd"/>It can not be used with Kestravane for Windows 95/NT<byte value="xd"/><byte value="xd"/>Please use Kestravane v1.5 or older to load this file.</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Ce document de jeu a été créé avec Kestravane v%2.%3<byte value="xd"/>Il ne peut pas être utilisé avec Kestravane pour Windows 95/NT<byte value="xd"/><byte value="xd"/>Veuillez charger ce fichier avec Kestravane v1.5 ou antérieur.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="332"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected creating this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de la création de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="333"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected opening this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de l&apos;ouverture de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="334"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected rewinding this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors du retour au début de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="335"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading header from this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de la lecture de l&apos;en-tête de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="337"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing header signature to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de l&apos;écriture de la signature d&apos;en-tête dans ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="338"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected flushing buffers for this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors du vidage des tampons de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="339"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected closing this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de la fermeture de ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="341"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Invalid file header signature detected. This<byte value="xd"/>document was not created by %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Signature d&apos;en-tête de fichier non valide. Ce<byte value="xd"/>document n&apos;a pas été créé par %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="342"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading %2 data from disk<byte value="xd"/>Code %3</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de la lecture des données %2 sur le disque<byte value="xd"/>Code d&apos;erreur %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="343"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing %2 data to disk<byte value="xd"/>Code %3</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de l&apos;écriture des données %2 sur le disque<byte value="xd"/>Code d&apos;erreur %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="344"/>
        <source>File: %1<byte value="xd"/>Name: %2<byte value="xd"/><byte value="xd"/>Error detected renaming this disk file<byte value="xd"/>Code %3</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/>Nom&#xa0;: %2<byte value="xd"/><byte value="xd"/>Erreur lors du changement de nom de ce fichier<byte value="xd"/>Code d&apos;erreur %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="346"/>
        <source>game</source>
        <translation>de partie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="347"/>
        <source>quadrant</source>
        <translation>des quadrants</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="348"/>
        <source>scanner</source>
        <translation>des capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="350"/>
        <source>%1(LoadBitmap): Error detected loading specified picture (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadBitmap): Erreur lors du chargement de l&apos;image indiquée (ID:%2)<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="351"/>
        <source>%1(LoadIcon): Error detected loading icon resource (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadIcon): Erreur lors du chargement de la ressource d&apos;icône (ID:%2)<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="352"/>
        <source>%1(FindResource): Error detected finding %2 resource (ID:%3)<byte value="xd"/><byte value="xd"/>Code %4</source>
        <translation>%1(FindResource): Erreur lors de la recherche de la ressource %2 (ID:%3)<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="353"/>
        <source>%1(sndPlaySound): Cannot play WAVE resource (ID:%2)<byte value="xd"/>Code %3</source>
        <translation>%1(sndPlaySound): Impossible de lire la ressource WAVE (ID:%2)<byte value="xd"/>Code d&apos;erreur %3</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="185"/>
        <source> Help </source>
        <translation> Aide </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="186"/>
        <source>Kestravane Options</source>
        <translation>Options de Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="187"/>
        <source> Difficulty </source>
        <translation> Difficulté </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="188"/>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="189"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="190"/>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="191"/>
        <source>%1 Missiles / %2 Fuel Units</source>
        <translation>%1 missiles / %2 unités de carburant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="192"/>
        <source> Sound </source>
        <translation> Son </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="193"/>
        <source>&amp;Play Sound F/X Wave Files</source>
        <translation>&amp;Jouer les effets sonores (fichiers WAV)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="194"/>
        <source>Helm</source>
        <translation>Barre</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="195"/>
        <source> Destination </source>
        <translation> Destination </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="196"/>
        <source>&amp;Z:</source>
        <translation>&amp;Z&#xa0;:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="197"/>
        <source>&amp;Y:</source>
        <translation>&amp;Y&#xa0;:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="198"/>
        <source>&amp;X:</source>
        <translation>&amp;X&#xa0;:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="199"/>
        <source>Use the radio buttons to the left</source>
        <translation>Les boutons radio à gauche des</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="200"/>
        <source>of the coordinate labels to specify</source>
        <translation>libellés de coordonnées fixent</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="201"/>
        <source>the desired scanner viewing axis.</source>
        <translation>l&apos;axe de visée voulu des capteurs.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="202"/>
        <source>&amp;Engage</source>
        <translation>&amp;Sauter</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="203"/>
        <source>Aim</source>
        <translation>Visée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="204"/>
        <source> Target </source>
        <translation> Cible </translation>
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
        <translation> Raccourci </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="209"/>
        <source>You may also select a target by</source>
        <translation>Vous pouvez aussi choisir une cible</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="210"/>
        <source>clicking the mouse directly on a</source>
        <translation>en cliquant directement sur une</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="211"/>
        <source>coordinate, and then press the</source>
        <translation>coordonnée, puis appuyer sur la</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="212"/>
        <source>space bar to launch a missile.</source>
        <translation>barre d&apos;espace pour lancer un missile.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="213"/>
        <source>&amp;Fire</source>
        <translation>&amp;Feu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="214"/>
        <source>Scanner Log</source>
        <translation>Journal des capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="215"/>
        <source>&amp;Sector Scans</source>
        <translation>&amp;Balayages des secteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="216"/>
        <source>&amp;Z Axis</source>
        <translation>Axe &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="217"/>
        <source>&amp;Y Axis</source>
        <translation>Axe &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="218"/>
        <source>&amp;X Axis</source>
        <translation>Axe &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="219"/>
        <source>Sector %1 ----------------</source>
        <translation>Secteur %1 ----------------</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="220"/>
        <source>	%n Roder Ships</source>
        <translation>
            <numerusform>	%n vaisseau Roder</numerusform>
            <numerusform>	%n vaisseaux Roder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="221"/>
        <source>	%1 Destroyed</source>
        <translation>	%1 détruits</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="222"/>
        <source>	%1 Remaining</source>
        <translation>	%1 restants</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="223"/>
        <source>	Unexplored</source>
        <translation>	Inexploré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="224"/>
        <source>New by Number</source>
        <translation>Nouvelle partie par numéro</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="225"/>
        <source> Universe </source>
        <translation> Univers </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="226"/>
        <source>&amp;Number:</source>
        <translation>&amp;Numéro&#xa0;:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="227"/>
        <source>The same number starts the same universe</source>
        <translation>Le même numéro lance le même univers</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="228"/>
        <source>on every computer.</source>
        <translation>sur tous les ordinateurs.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="229"/>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <location filename="../engine/texts.inc" line="284"/>
        <source>Map of the Hunt</source>
        <translation>Carte de la chasse</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="285"/>
        <source>Z %1</source>
        <translation>Z %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="286"/>
        <source>Each sector: rows Y 0-8, columns X 0-8</source>
        <translation>Chaque secteur&#xa0;: lignes Y 0-8, colonnes X 0-8</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="287"/>
        <source>Roder ship destroyed</source>
        <translation>Vaisseau Roder détruit</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="288"/>
        <source>Roder ship that survived</source>
        <translation>Vaisseau Roder survivant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="289"/>
        <source>Shot that missed</source>
        <translation>Tir manqué</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="290"/>
        <source>Seen by the scanner</source>
        <translation>Vu par les capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="291"/>
        <source>Never scanned</source>
        <translation>Jamais balayé</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="292"/>
        <source>%1 of %2 Roder ships destroyed</source>
        <translation>Vaisseaux Roder détruits&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="293"/>
        <source>shots: %1 hit, %2 missed</source>
        <translation>tirs&#xa0;: %1 au but, %2 à côté</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="294"/>
        <source>Ships not yet found stay hidden until the hunt ends.</source>
        <translation>Les vaisseaux non encore trouvés restent cachés jusqu&apos;à la fin de la chasse.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="295"/>
        <source>The hunt is over: every ship is shown.</source>
        <translation>La chasse est terminée&#xa0;: tous les vaisseaux sont affichés.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="296"/>
        <source>&amp;Sectors</source>
        <translation>&amp;Secteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="297"/>
        <source>Save as &amp;PNG...</source>
        <translation>&amp;Enregistrer en PNG...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="298"/>
        <source>Save Map of the Hunt As</source>
        <translation>Enregistrer la carte de la chasse sous</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="299"/>
        <source>PNG Picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="300"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing the map to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>Fichier&#xa0;: %1<byte value="xd"/><byte value="xd"/>Erreur lors de l&apos;écriture de la carte dans ce fichier<byte value="xd"/><byte value="xd"/>Code d&apos;erreur %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="303"/>
        <source>Sector Z %1: %2</source>
        <translation>Secteur Z %1&#xa0;: %2</translation>
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
            <numerusform>%n vaisseau Roder détruit en %2</numerusform>
            <numerusform>%n vaisseaux Roder détruits en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="308"/>
        <source>%n Roder ships survived at %2</source>
        <translation>
            <numerusform>%n vaisseau Roder a survécu en %2</numerusform>
            <numerusform>%n vaisseaux Roder ont survécu en %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="309"/>
        <source>no Roder ship destroyed</source>
        <translation>aucun vaisseau Roder détruit</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="310"/>
        <source>%1 of 81 quadrants scanned</source>
        <translation>quadrants balayés&#xa0;: %1 sur 81</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../engine/texts.inc" line="84"/>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="85"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="86"/>
        <source>&amp;Ship</source>
        <translation>&amp;Vaisseau</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="87"/>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="88"/>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="89"/>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="90"/>
        <source>New by Num&amp;ber...</source>
        <translation>Nouvelle partie par nu&amp;méro...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="91"/>
        <source>Start the universe of a given number</source>
        <translation>Lancer l&apos;univers d&apos;un numéro donné</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="92"/>
        <source>Toda&amp;y&apos;s Universe</source>
        <translation>Univers du &amp;jour</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="93"/>
        <source>Start today&apos;s universe, the same for every player</source>
        <translation>Lancer l&apos;univers du jour, le même pour tous les joueurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="94"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="95"/>
        <source>Load an existing game</source>
        <translation>Charger une partie existante</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="96"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="97"/>
        <source>Close the current game</source>
        <translation>Fermer la partie en cours</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="98"/>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="99"/>
        <source>Save the current game</source>
        <translation>Enregistrer la partie en cours</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="100"/>
        <source>Game N&amp;umber...</source>
        <translation>N&amp;uméro de la partie...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="101"/>
        <source>Show the number of this game&apos;s universe</source>
        <translation>Afficher le numéro de l&apos;univers de cette partie</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="102"/>
        <source>Captain&apos;s &amp;Record...</source>
        <translation>&amp;Palmarès du capitaine...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="103"/>
        <source>Show the games won and lost, and the best victories</source>
        <translation>Afficher les parties gagnées et perdues, et les meilleures victoires</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="104"/>
        <source>Co&amp;py Result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="105"/>
        <source>Copy the finished game&apos;s result as one line, to paste into a chat</source>
        <translation>Copier le résultat de la partie terminée sur une ligne, à coller dans une discussion</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="106"/>
        <source>&amp;Map of the Hunt...</source>
        <translation>Ca&amp;rte de la chasse...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="107"/>
        <source>Show the whole cube: the ships destroyed, every shot and the sectors scanned</source>
        <translation>Afficher tout le cube&#xa0;: les vaisseaux détruits, chaque tir et les secteurs balayés</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="108"/>
        <source>Op&amp;tions...</source>
        <translation>Op&amp;tions...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="109"/>
        <source>Set game difficulty level</source>
        <translation>Régler le niveau de difficulté</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="110"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="111"/>
        <source>Exit Kestravane</source>
        <translation>Quitter Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="112"/>
        <source>&amp;Z Axis Scan</source>
        <translation>Balayage selon l&apos;axe &amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="113"/>
        <source>Scan along the Z axis</source>
        <translation>Balayer selon l&apos;axe Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="114"/>
        <source>&amp;Y Axis Scan</source>
        <translation>Balayage selon l&apos;axe &amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="115"/>
        <source>Scan along the Y axis</source>
        <translation>Balayer selon l&apos;axe Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="116"/>
        <source>&amp;X Axis Scan</source>
        <translation>Balayage selon l&apos;axe &amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="117"/>
        <source>Scan along the X axis</source>
        <translation>Balayer selon l&apos;axe X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="118"/>
        <source>Scanner &amp;Log</source>
        <translation>&amp;Journal des capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="119"/>
        <source>View the scanner log</source>
        <translation>Afficher le journal des capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="120"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="121"/>
        <source>Show the game larger, up to three times its size</source>
        <translation>Agrandir le jeu, jusqu&apos;à trois fois sa taille</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="122"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="123"/>
        <source>Show the game smaller, down to its actual size</source>
        <translation>Réduire le jeu, jusqu&apos;à sa taille réelle</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="124"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="125"/>
        <source>Show the game at its actual size</source>
        <translation>Afficher le jeu à sa taille réelle</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="126"/>
        <source>Always on &amp;Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="127"/>
        <source>Make Kestravane the topmost window</source>
        <translation>Garder Kestravane au-dessus des autres fenêtres</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="128"/>
        <source>&amp;Aim...</source>
        <translation>&amp;Viser...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="129"/>
        <source>Set targeting coordinates</source>
        <translation>Régler les coordonnées de visée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="130"/>
        <source>&amp;Fire</source>
        <translation>&amp;Feu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="131"/>
        <source>Fire a missile</source>
        <translation>Tirer un missile</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="132"/>
        <source>&amp;Helm...</source>
        <translation>&amp;Barre...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="133"/>
        <source>Set helm coordinates</source>
        <translation>Régler les coordonnées de barre</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="134"/>
        <source>&amp;Engage</source>
        <translation>En &amp;avant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="135"/>
        <source>Engage the engines</source>
        <translation>Mettre les moteurs en marche avant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="136"/>
        <source>&amp;Reverse</source>
        <translation>En a&amp;rrière</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="137"/>
        <source>Reverse the engines</source>
        <translation>Mettre les moteurs en marche arrière</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="138"/>
        <source>&amp;Play Sounds</source>
        <translation>Effets &amp;sonores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="139"/>
        <source>Turn sound F/X on and off</source>
        <translation>Activer ou désactiver les effets sonores</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="140"/>
        <source>&amp;Game Rules</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="141"/>
        <source>Display game rules</source>
        <translation>Afficher les règles du jeu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="142"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="143"/>
        <source>Show keyboard shortcuts</source>
        <translation>Afficher les raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="144"/>
        <source>&amp;Mission Orders</source>
        <translation>&amp;Ordre de mission</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="145"/>
        <source>Read mission orders</source>
        <translation>Lire l&apos;ordre de mission</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="146"/>
        <source>&amp;About Kestravane...</source>
        <translation>À &amp;propos de Kestravane...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="147"/>
        <source>Show program information and copyright notice</source>
        <translation>Afficher les informations sur le programme et les droits d&apos;auteur</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../engine/texts.inc" line="356"/>
        <source>A space war game  •  Version 2.2</source>
        <translation>Guerre spatiale  •  Version 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="357"/>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>Logiciel libre&#xa0;: GNU GPL 3.0 ou ultérieure</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="361"/>
        <source>KESTRAVANE</source>
        <translation>KESTRAVANE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="362"/>
        <source>A SPACE WAR GAME</source>
        <translation>GUERRE SPATIALE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="363"/>
        <source>Version 2.2</source>
        <translation>Version 2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="365"/>
        <source>Twenty Roder battle groups hide in a cube of 9 x 9 x 9 quadrants. Find them and destroy them all.</source>
        <translation>Vingt groupes de combat Roder se cachent dans un cube de 9 x 9 x 9 quadrants. Trouvez-les et détruisez-les tous.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="368"/>
        <source>Copyright © 1997 Kestravane Works.</source>
        <translation>Droits d&apos;auteur © 1997 Kestravane Works.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="369"/>
        <source>Free software under the GNU GPL, version 3 or later: share it and change it.</source>
        <translation>Logiciel libre sous GNU GPL, version 3 ou ultérieure&#xa0;: partagez-le et modifiez-le.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="370"/>
        <source>Choose New from the Game menu to begin.</source>
        <translation>Choisissez Nouvelle partie dans le menu Jeu.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="371"/>
        <source>GAME RULES</source>
        <translation>RÈGLES DU JEU</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="373"/>
        <source>Roder battle groups are always three ships in a line, in three neighbouring quadrants:</source>
        <translation>Les groupes de combat Roder sont toujours trois vaisseaux alignés, dans trois quadrants voisins&#xa0;:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="374"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="375"/>
        <source>along X</source>
        <translation>selon X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="376"/>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="377"/>
        <source>along Y</source>
        <translation>selon Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="378"/>
        <source>Head on</source>
        <translation>De face</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="379"/>
        <source>along Z</source>
        <translation>selon Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="380"/>
        <source>Attack</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="381"/>
        <source>Select the target coordinates with the mouse, then press the space bar to fire.</source>
        <translation>Choisissez les coordonnées de la cible à la souris, puis appuyez sur Espace pour tirer.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="382"/>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>RACCOURCIS CLAVIER</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="383"/>
        <source>Weapons</source>
        <translation>Armes</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="384"/>
        <source>Aim dialog</source>
        <translation>Visée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="385"/>
        <source>Fire missile</source>
        <translation>Tir de missile</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="386"/>
        <source>Engines</source>
        <translation>Moteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="387"/>
        <source>Helm coordinates</source>
        <translation>Coord. de barre</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="388"/>
        <source>Engage engines</source>
        <translation>Moteurs en avant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="389"/>
        <source>Reverse engines</source>
        <translation>Moteurs en arrière</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="390"/>
        <source>Scanner</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="391"/>
        <source>X axis scan</source>
        <translation>Balayage en X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="392"/>
        <source>Y axis scan</source>
        <translation>Balayage en Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="393"/>
        <source>Z axis scan</source>
        <translation>Balayage en Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="394"/>
        <source>MISSION ORDERS</source>
        <translation>ORDRE DE MISSION</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="395"/>
        <source>Situation</source>
        <translation>Situation</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="397"/>
        <source>An enemy task force of 20 Roder battle groups has invaded the galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants.</source>
        <translation>Une force d&apos;intervention ennemie de 20 groupes de combat Roder a envahi la galaxie. Chaque groupe de trois vaisseaux se cache quelque part dans le cube de 9 x 9 x 9 quadrants.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="399"/>
        <source>Orders</source>
        <translation>Ordres</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="400"/>
        <source>Seek out and destroy the invaders. Make every missile count.</source>
        <translation>Trouvez et détruisez les envahisseurs. Que chaque missile fasse mouche.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="401"/>
        <source>Good hunting, Commander.</source>
        <translation>Bonne chasse, commandant.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="402"/>
        <source>Fleet Command</source>
        <translation>QG de la flotte</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="403"/>
        <source>VICTORY</source>
        <translation>VICTOIRE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="404"/>
        <source>Congratulations, Commander!</source>
        <translation>Félicitations, commandant&#xa0;!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="405"/>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Vous avez détruit toute la force d&apos;invasion Roder. La galaxie est de nouveau en sécurité.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="406"/>
        <source>DEFEAT</source>
        <translation>DÉFAITE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="407"/>
        <source>Enemy invaders remain!</source>
        <translation>L&apos;ennemi est toujours là&#xa0;!</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="408"/>
        <source>Your ship can fight no more. The Vudare are sending coded messages to their home world, and the next wave is on its way.</source>
        <translation>Votre vaisseau ne peut plus combattre. Les Vudare envoient des messages codés à leur monde natal, et la prochaine vague arrive.</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../engine/texts.inc" line="163"/>
        <source>Engines back</source>
        <translation>Moteurs en arrière</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="164"/>
        <source>Engines forward</source>
        <translation>Moteurs en avant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="165"/>
        <source>Weapons target %1</source>
        <translation>Armes, cible %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="166"/>
        <source>Missiles %1</source>
        <translation>Missiles %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="167"/>
        <source>Engines position %1</source>
        <translation>Moteurs, position %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="168"/>
        <source>Fuel %1</source>
        <translation>Carburant %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="169"/>
        <source>Scanner position %1</source>
        <translation>Capteurs, position %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="170"/>
        <source>Roder ships in sector %1</source>
        <translation>Vaisseaux Roder dans le secteur %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="171"/>
        <source>Destroyed in sector %1</source>
        <translation>Détruits dans le secteur %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="172"/>
        <source>Remaining in sector %1</source>
        <translation>Restants dans le secteur %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="174"/>
        <source>Scanner</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="175"/>
        <source>Z %1, Y %2, X %3: %4</source>
        <translation>Z %1, Y %2, X %3&#xa0;: %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="176"/>
        <source>target, %1</source>
        <translation>cible, %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="177"/>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="178"/>
        <source>destroyed Roder ship</source>
        <translation>vaisseau Roder détruit</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="179"/>
        <source>live Roder ship</source>
        <translation>vaisseau Roder actif</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="180"/>
        <source>searched, empty</source>
        <translation>fouillé, vide</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../engine/texts.inc" line="230"/>
        <source>Captain&apos;s Record</source>
        <translation>Palmarès du capitaine</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="231"/>
        <source>Games played: %1, won: %2, lost: %3, win rate: %4%, assisted: %5</source>
        <translation>Parties jouées&#xa0;: %1, gagnées&#xa0;: %2, perdues&#xa0;: %3, taux de victoire&#xa0;: %4%, assistées&#xa0;: %5</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="232"/>
        <source>Best victories</source>
        <translation>Meilleures victoires</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="234"/>
        <source>Best victories: fewest missiles, then least fuel, then the shortest time. Assisted games never rank.</source>
        <translation>Meilleures victoires&#xa0;: le moins de missiles, puis le moins de carburant, puis le temps le plus court. Les parties assistées ne sont jamais classées.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="236"/>
        <source>Missiles</source>
        <translation>Missiles</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="237"/>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="238"/>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="239"/>
        <source>Universe</source>
        <translation>Univers</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="240"/>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="241"/>
        <source>C&amp;lear Record...</source>
        <translation>&amp;Effacer le palmarès...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="242"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="243"/>
        <source>Your best on each universe played more than once</source>
        <translation>Votre meilleur résultat dans chaque univers joué plus d&apos;une fois</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="244"/>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <location filename="../engine/texts.inc" line="248"/>
        <source>The battle in figures</source>
        <translation>La bataille en chiffres</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="249"/>
        <source>Universe: %1</source>
        <translation>Univers&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="250"/>
        <source>Universe: unknown</source>
        <translation>Univers&#xa0;: inconnu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="251"/>
        <source>Difficulty: %1</source>
        <translation>Difficulté&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="252"/>
        <source>Ships destroyed: %1</source>
        <translation>Vaisseaux détruits&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="253"/>
        <source>Missiles fired: %1</source>
        <translation>Missiles tirés&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="254"/>
        <source>Fuel used: %1</source>
        <translation>Carburant utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="255"/>
        <source>Time played: %1</source>
        <translation>Durée de jeu&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="256"/>
        <source>Place among the ten best: new best</source>
        <translation>Rang parmi les dix meilleures&#xa0;: nouveau record</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="257"/>
        <source>Place among the ten best: %1</source>
        <translation>Rang parmi les dix meilleures&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="258"/>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="259"/>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="260"/>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="261"/>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="262"/>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="263"/>
        <source>7th</source>
        <translation>7e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="264"/>
        <source>8th</source>
        <translation>8e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="265"/>
        <source>9th</source>
        <translation>9e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="266"/>
        <source>10th</source>
        <translation>10e</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="268"/>
        <source>Not ranked: assisted, as scanner tracing was switched on or a gauge was adjusted</source>
        <translation>Non classée&#xa0;: assistée, traçage des capteurs activé ou jauge réglée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="269"/>
        <source>Not ranked: only victories rank</source>
        <translation>Non classée&#xa0;: seules les victoires comptent</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="270"/>
        <source>Not ranked: ten better victories stand</source>
        <translation>Non classée&#xa0;: dix meilleures victoires la devancent</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="271"/>
        <source>Not ranked: the captain&apos;s record does not hold this game</source>
        <translation>Non classée&#xa0;: partie absente du palmarès du capitaine</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="272"/>
        <source>Copy Result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="273"/>
        <source>Map of the Hunt</source>
        <translation>Carte de la chasse</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="274"/>
        <source>Kestravane · %1 · %2 · %3 · %4 · %5 fuel · %6</source>
        <translation>Kestravane · %1 · %2 · %3 · %4 · %5 de carburant · %6</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="275"/>
        <source>universe %1</source>
        <translation>univers %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="276"/>
        <source>universe unknown</source>
        <translation>univers inconnu</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="277"/>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="278"/>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="279"/>
        <source>%n missiles</source>
        <translation>
            <numerusform>%n missile</numerusform>
            <numerusform>%n missiles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../engine/texts.inc" line="23"/>
        <source>Ready ...</source>
        <translation>Prêt ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="24"/>
        <source>Generating new game grid ...</source>
        <translation>Création d&apos;une nouvelle grille de jeu ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="25"/>
        <source>%n Roder ships detected in %2 battle groups ...</source>
        <translation>
            <numerusform>%n vaisseau Roder détecté dans %2 groupes de combat ...</numerusform>
            <numerusform>%n vaisseaux Roder détectés dans %2 groupes de combat ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="27"/>
        <source>Universe number %1 ...</source>
        <translation>Univers numéro %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="28"/>
        <source>Target coordinates ...</source>
        <translation>Coordonnées de la cible ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="29"/>
        <source>Targeting orders canceled ...</source>
        <translation>Ordres de visée annulés ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="30"/>
        <source>Targeting coordinates: %1-%2-%3 ...</source>
        <translation>Coordonnées de visée&#xa0;: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="31"/>
        <source>Helm coordinates ...</source>
        <translation>Coordonnées de barre ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="32"/>
        <source>Helm orders canceled ...</source>
        <translation>Ordres de barre annulés ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="33"/>
        <source>Setting helm coordinates for: %1-%2-%3 ...</source>
        <translation>Réglage de la barre sur&#xa0;: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="34"/>
        <source>Commander ...</source>
        <translation>Commandant ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="35"/>
        <source>%1 opened</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="36"/>
        <source>Saving %1 ...</source>
        <translation>Enregistrement de %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="37"/>
        <source>%1 saved</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="38"/>
        <source>Loading %1 ...</source>
        <translation>Chargement de %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="39"/>
        <source>%1 loaded</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="40"/>
        <source>Press any key to resume game ...</source>
        <translation>Appuyez sur une touche pour reprendre la partie ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="41"/>
        <source>Resuming ...</source>
        <translation>Reprise de la partie ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="42"/>
        <source>Diagnostics turned ON ...</source>
        <translation>Diagnostic ACTIVÉ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="43"/>
        <source>Diagnostics turned OFF ...</source>
        <translation>Diagnostic DÉSACTIVÉ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="44"/>
        <source>Weapons selected ...</source>
        <translation>Armes sélectionnées ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="45"/>
        <source>Engines selected ...</source>
        <translation>Moteurs sélectionnés ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="46"/>
        <source>Scanner tracing turned ON ...</source>
        <translation>Traçage des capteurs ACTIVÉ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="47"/>
        <source>Scanner tracing turned OFF ...</source>
        <translation>Traçage des capteurs DÉSACTIVÉ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="48"/>
        <source>Increasing Missile value ...</source>
        <translation>Augmentation des missiles ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="49"/>
        <source>Increasing Fuel value ...</source>
        <translation>Augmentation du carburant ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="50"/>
        <source>Decreasing Missile value ...</source>
        <translation>Diminution des missiles ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="51"/>
        <source>Decreasing Fuel value ...</source>
        <translation>Diminution du carburant ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="52"/>
        <source>Missile value set to minimum ...</source>
        <translation>Missiles réglés au minimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="53"/>
        <source>Fuel value set to minimum ...</source>
        <translation>Carburant réglé au minimum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="54"/>
        <source>Missile value set to maximum ...</source>
        <translation>Missiles réglés au maximum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="55"/>
        <source>Fuel value set to maximum ...</source>
        <translation>Carburant réglé au maximum ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="56"/>
        <source>Assisted game: it will not rank among the best ten ...</source>
        <translation>Partie assistée&#xa0;: elle ne figurera pas parmi les dix meilleures ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="57"/>
        <source>Engines engaged ...</source>
        <translation>Moteurs en marche ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="58"/>
        <source>Sector has no enemy ships ...</source>
        <translation>Aucun vaisseau ennemi dans le secteur ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="59"/>
        <source>Sector cleared ...</source>
        <translation>Secteur nettoyé ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="60"/>
        <source>Scanners detect %n Roder ships ...</source>
        <translation>
            <numerusform>Les capteurs détectent %n vaisseau Roder ...</numerusform>
            <numerusform>Les capteurs détectent %n vaisseaux Roder ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="61"/>
        <source>Missile launched ...</source>
        <translation>Missile lancé ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="62"/>
        <source>Those Vudare are history captain ...</source>
        <translation>Ces Vudare sont déjà de l&apos;histoire ancienne, capitaine ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="63"/>
        <source>Quadrant swept clean ...</source>
        <translation>Quadrant déjà ratissé ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="64"/>
        <source>Enemy ship destroyed in quadrant: %1-%2-%3 ...</source>
        <translation>Vaisseau ennemi détruit dans le quadrant&#xa0;: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="65"/>
        <source>No enemy vessels found in quadrant: %1-%2-%3 ...</source>
        <translation>Aucun vaisseau ennemi trouvé dans le quadrant&#xa0;: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="66"/>
        <source>All missiles have been fired ...</source>
        <translation>Tous les missiles ont été tirés ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="67"/>
        <source>The engines are out of fuel ...</source>
        <translation>Les moteurs n&apos;ont plus de carburant ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="68"/>
        <source>Nice job captain ...</source>
        <translation>Beau travail, capitaine ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="69"/>
        <source>Scanner log opened ...</source>
        <translation>Journal des capteurs ouvert ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="70"/>
        <source>Scanner log closed ...</source>
        <translation>Journal des capteurs fermé ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="71"/>
        <source>Options saved</source>
        <translation>Options enregistrées</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="72"/>
        <source>Sound F/X turned off: this computer cannot play them ...</source>
        <translation>Effets sonores désactivés&#xa0;: cet ordinateur ne peut pas les jouer ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="73"/>
        <source>The captain&apos;s record could not be read: it was set aside as %1 ...</source>
        <translation>Le palmarès du capitaine est illisible&#xa0;: il a été mis de côté sous le nom %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="74"/>
        <source>The captain&apos;s record could not be saved, Code %1 ...</source>
        <translation>Le palmarès du capitaine n&apos;a pas pu être enregistré, code d&apos;erreur %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="75"/>
        <source>The captain&apos;s record is in use by another program: it was left as it is ...</source>
        <translation>Le palmarès du capitaine est utilisé par un autre programme&#xa0;: il a été laissé tel quel ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="76"/>
        <source>The captain&apos;s record could not be read, Code %1: it was left as it is ...</source>
        <translation>Le palmarès du capitaine n&apos;a pas pu être lu, code d&apos;erreur %1&#xa0;: il a été laissé tel quel ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="78"/>
        <source>The captain&apos;s record could not be read nor set aside, Code %1: it was left as it is ...</source>
        <translation>Le palmarès du capitaine n&apos;a pu être ni lu ni mis de côté, code d&apos;erreur %1&#xa0;: il a été laissé tel quel ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="80"/>
        <source>The settings file cannot be read or written: the settings last until the game ends ...</source>
        <translation>Le fichier de réglages ne peut être ni lu ni écrit&#xa0;: les réglages dureront jusqu&apos;à la fin du jeu ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="280"/>
        <source>Result copied: %1</source>
        <translation>Résultat copié&#xa0;: %1</translation>
    </message>
</context>
</TS>
