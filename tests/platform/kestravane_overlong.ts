<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Pages</name>
    <message>
        <source>Fire missile</source>
        <translation>Raketenabschussvorrichtungsbetätigungsschalterüberprüfung</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerechtausgerichtet</translation>
    </message>
    <message>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>Sie haben die gesamte Invasionsstreitmacht der Roder vernichtet, jedes einzelne Schiff jeder einzelnen Kampfgruppe in jedem einzelnen Quadranten des Würfels, und die Galaxis ist nun endlich wieder sicher, sicherer als je zuvor in ihrer langen und bewegten Geschichte, und alle Welten danken Ihnen, Kommandant, für Ihren unermüdlichen Einsatz.</translation>
    </message>
</context>
</TS>
