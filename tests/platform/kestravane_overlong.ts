<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Pages</name>
    <message>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>Freie Software: GNU General Public License, Version 3.0 oder jede spätere Version</translation>
    </message>
    <message>
        <source>Fire missile</source>
        <translation>Raketenabschussvorrichtungsbetätigungsschalterüberprüfung</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerechtausgerichtet</translation>
    </message>
    <message>
        <source>Congratulations, Commander!</source>
        <translation>Herzlichen Glückwunsch zu diesem wahrhaft großartigen Sieg, Kommandant!</translation>
    </message>
    <message>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Die ganze Invasionsstreitmacht der Roder ist vernichtet, die Galaxis endlich sicher.</translation>
    </message>
</context>
</TS>
