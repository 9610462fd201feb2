<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Bac&amp;kup öffnen...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Einen beim früheren Lesen oder Schreiben gesicherten Plan öffnen
Backup öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Aktives Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Kanäle aus einer CSV-Kanalliste in den Plan übernehmen
CSV importieren</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Kanäle des Plans als CSV-Kanalliste speichern
CSV exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Aktives Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Optionsfunktionen
Optionen</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Vom Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Vom Funkgerät lesen
Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>Ins Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Ins Funkgerät schreiben
Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>&amp;COM1</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>COM-Port 1
COM-Port 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>&amp;COM2</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>COM-Port 2
COM-Port 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>&amp;Serielle Geräte...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Die seriellen Geräte wählen, für die COM1 und COM2 stehen
Serielle Geräte</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>Funkgerät vor dem Schreiben &amp;lesen</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Vor jedem Schreiben das Funkgerät lesen, als Backup sichern und prüfen, ob der Plan für sein Modell ist
Funkgerät vor dem Schreiben lesen</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Nach jedem Schreiben das Funkgerät zurücklesen und mit den gesendeten Daten vergleichen
Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Letzte Änderung am Plan rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Zuletzt rückgängig gemachte Änderung wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Ausgewählte Kanäle als Tabellenzeilen kopieren
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Kanalzeilen ab dem aktuellen Kanal abwärts einfügen
Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>Kanäle &amp;löschen</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Ausgewählte Kanäle löschen
Kanäle löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Alle Kanäle des Plans auswählen
Alles auswählen</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>Scan e&amp;in</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Ausgewählte Kanäle in die Scanliste aufnehmen
Scan ein</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Scan &amp;aus</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Ausgewählte Kanäle aus der Scanliste nehmen
Scan aus</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Leistung &amp;hoch</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Auf den ausgewählten Kanälen mit hoher Leistung senden
Leistung hoch</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Leistung nie&amp;drig</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Auf den ausgewählten Kanälen mit niedriger Leistung senden
Leistung niedrig</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Abstand &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Standard-Kanalabstand auf den ausgewählten Kanälen
Abstand S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Abstand &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Schmaler Kanalabstand auf den ausgewählten Kanälen
Abstand N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>Ü&amp;ber PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ANCEL</source>
        <translation>&amp;ABBRECHEN</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;löschen</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>&amp;Freq</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>&amp;Signalisierung</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Invertiert</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>Fre&amp;q</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>Si&amp;gnalisierung</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>In&amp;vertiert</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>Nicht-Standard-CTCSS #1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>Nicht-Standard-CTCSS #2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Funkgerätmodell wählen</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Funkgerätmodelle wählen</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 Kanäle</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 Kanäle</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Funkgerät-Optionen</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Audio-Kompander</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>Tx-&amp;Sperre</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Pr-&amp;Abfragezeit</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>&amp;Verzögerung</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>Rx &amp;Ein</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx A&amp;us</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>Verzö&amp;gerung</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Serielle Geräte</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Serielle Geräte an diesem Computer:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>Für COM&amp;1 verwenden</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>Für COM&amp;2 verwenden</translation>
    </message>
    <message>
        <source>COM&amp;1:</source>
        <translation>COM&amp;1:</translation>
    </message>
    <message>
        <source>COM&amp;2:</source>
        <translation>COM&amp;2:</translation>
    </message>
    <message>
        <source>(none found; type the path below)</source>
        <translation>(keine gefunden; Pfad unten eingeben)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>Für diesen Lauf ist %1 %2 (Befehlszeile oder virtuelles Funkgerät); das bleibt so, solange Sie %1 hier nicht ändern.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Rx-Freq</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Tx-Freq</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Pwr</source>
        <translation>Lstg</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>SPEICHERBELEGUNG</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>Über PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 Version 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Datei kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>PORT1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>PORT2 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Fehler beim Erstellen von ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead VOLL!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>COM-Port 1 wurde ausgewählt</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>COM-Port 2 wurde ausgewählt</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>Prüfen Sie, ob das Funkgerät eingeschaltet ist, und das Programmierkabel!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>Fehler! Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>Lesen abgeschlossen!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>Schreiben abgeschlossen!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lesen...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Schreiben...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>Warten auf das Funkgerät... (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Schritt %d von %d: Funkgerät lesen</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Schritt %d von %d: Schreiben</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Schritt %d von %d: Zurücklesen zur Prüfung</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Noch keine Antwort: Prüfen Sie, ob das Funkgerät eingeschaltet und im Programmiermodus ist und das Kabel an %s steckt</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>Die Übertragung kann nicht unterbrochen werden: Lassen Sie das Funkgerät bis zum Ende eingeschaltet.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>Bitte zuerst neue Daten anlegen! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>Keine Frequenz in diesem Kanal!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>Der Prioritätskanal ist bereits festgelegt!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>Bitte ein Funkgerätmodell wählen! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>Gültige TX-Frequenz eingeben!</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>Gültige Werte: 50.0 bis 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>Gültige Werte: 10 bis 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>Gültige Werte: 5 bis 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>Gültige Werte: 0.05 bis 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>Gültige Werte: 0.05 bis 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>Gültige Werte: 0.10 bis 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>Gültige RX-Frequenz eingeben!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>Diesen Kanal gibt es in diesem Plan nicht!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Frei bei Ton erfordert Belegtsperre Ein</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>Gültige Werte: 0 bis 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>Gültige Werte: 0 bis 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>Gültige Werte: 1 bis 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>Kein CTCSS-Ton aus der Liste!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>Kein DCS-Code aus der Liste!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>Band %d ist keines der Bänder des Funkgeräts (0 bis %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Kanal %d: RX %s MHz und TX %s MHz liegen weder im 6,25-kHz- noch im 5-kHz-Raster</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Kanal %d: %s %s MHz liegt nicht im %s-kHz-Raster der Schrittweite des Kanals</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Kanal %d: RX %s MHz ergibt im Funkgerät 0 Hz; Frequenz eingeben oder Kanal löschen</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Kanal %d: TX %s MHz ergibt im Funkgerät 0 Hz; Frequenz eingeben oder löschen</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Kanal %d: %s %s MHz liegt außerhalb des Einstellbereichs des Synthesizers</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Kanal %d: %s-Signalisierungsart %d ist keine von CSQ, CTCSS, DCS, NSC-1 und NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Kanal %d: %s-CTCSS-Tonnummer %d liegt außerhalb der Tonliste (0 bis %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Kanal %d: %s-DCS-Codenummer %d liegt außerhalb der Codeliste (0 bis %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>NSC-%d-Ton %s Hz liegt außerhalb von 50,0 bis 300,0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>NSC-%d-Ton %s Hz würde vom Funkgerät als %s Hz zurückgelesen</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>Option %s (%s) passt nicht in den Speicher des Funkgeräts</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>Option %s (%s) würde vom Funkgerät als %s zurückgelesen</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>Kein Funkgeräte-Abbild: %zu Bytes, mindestens %zu erwartet</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>Kein Funkgeräte-Abbild: %zu Bytes, höchstens %zu erwartet</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Dieser Plan enthält Werte außerhalb der Bereiche des Funkgeräts. Er wird wie gespeichert angezeigt; korrigieren Sie sie, bevor Sie ihn in ein Funkgerät schreiben.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s ist %d, nicht 0 oder 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Kanal %d: Flag %s ist %d, nicht 0 oder 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s ist %d, außerhalb von %d bis %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s ist %g s, außerhalb von %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Kanal %d: %s %.4f MHz liegt außerhalb des Bands (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Kanal %d: %s NSC-%d-Ton %g Hz liegt außerhalb von 50,0 bis 300,0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Kanal %d: %s NSC-%d-Ton %g Hz ist nicht der NSC-%d-Ton des Funkgeräts (%g Hz, der von Kanal 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>Kanäle %d und %d sind beide als %s markiert; das Funkgerät behält nur einen</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>Prioritätskanal-Flag ist 1, aber kein Kanal ist als Priorität markiert</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... und %zu weitere</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: Zugriff verweigert; Mitglieder der Gruppe &apos;%s&apos; dürfen es nutzen (meist dialout: sudo usermod -aG dialout $USER, dann neu anmelden)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: kein serielles Gerät</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: die Schnittstellenparameter wurden abgelehnt (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: nicht unterstützte Schnittstellenparameter</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>das Funkgerät hat nicht innerhalb von %g s geantwortet</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>die serielle Verbindung ist weggefallen</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>Senden über die serielle Verbindung nicht möglich</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>das Funkgerät antwortete 0x%02X statt 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>Block %d von 33 endete mit 0x%02X statt 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>Block %d von 33 brach nach %d seiner 65 Bytes ab</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>das Funkgerät hat das Schreiben nicht bestätigt</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>das Funkgerät bestätigte mit 0x%02X statt 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>beim Warten auf das Funkgerät abgebrochen</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>während der Übertragung unterbrochen</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>Die Portauswahl kann nicht aus &quot;port.port&quot; gelesen werden. COM-Port 1 ist ausgewählt.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Programmiersoftware für die Funkgeräte KM41, KM42, KM161 und KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>Bericht kann nicht gedruckt werden!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>der Text ist größer als %zu Bytes: keine Kanalliste</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>die Datei enthält Binärdaten, keinen kommagetrennten Text</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>Zeile %d öffnet ein Feld in Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>der Text enthält keine Zeilen</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>keine Kopfzeile mit den Spaltennamen (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>Zeile %d: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>Zeile %d, Kanal %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>Zeilen übernommen: %zu, abgelehnt: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; ist keiner der Werte %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; ist keine Kanalnummer</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; ist kein DCS-Code</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low oder eine Wattzahl</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>%s fehlt in dieser Zeile</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>Kanal %d ist bereits in Zeile %d angegeben</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s Ton %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s DCS-Code %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s Ton %s Hz wäre ein dritter Nicht-Standard-Ton (NSC-1 ist %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Frequenz %s ins 12,5-kHz-Raster verschoben, %s gespeichert</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>der Plan wäre ohne Prioritätskanal: Zeile %d, die den neuen festlegt, wird abgelehnt</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... und %zu weitere Zeilen abgelehnt</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>Kanal %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>Datei kann nicht importiert werden!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>Was sich ändert:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>Es ändert sich nichts.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Abgelehnte Zeilen:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>Einfügen nicht möglich!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Einige Zeilen wurden nicht eingefügt.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Geben Sie das Gerät für %s als vollständigen Pfad ein, zum Beispiel /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Geben Sie das Gerät für %s als COM-Port ein, zum Beispiel COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Virtuelles Funkgerät an %s als COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>das virtuelle Funkgerät ist nicht gestartet: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: kann nicht gelesen werden (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>es antwortet über ein Pseudo-Terminal, das es auf diesem System nicht gibt</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio legt das virtuelle Funkgerät auf COM1: --com1 weglassen</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s benötigt einen Gerätepfad</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>Die Einstellungen können nicht in %s gespeichert werden: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>die Datei ist größer als %zu Bytes</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>Änderungen am Plan speichern?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(Funkgerät)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, %d Kanäle)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>Das zuletzt gelesene Funkgerät ist ein %s; dieser Plan ist für ein %s. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>das Funkgerät ist ein %s; dieser Plan ist für ein %s: nichts geschrieben (--force schreibt trotzdem)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>das Funkgerät ist ein %s; dieser Plan ist für ein %s: trotzdem geschrieben (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Geprüft: das Funkgerät enthält den Plan</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>Das Funkgerät enthält nicht den geschriebenen Plan (geschrieben -&gt; zurückgelesen):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>Das Schreiben konnte nicht geprüft werden: das Funkgerät wurde nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>Speicherbyte %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Backup gesichert: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>Kein Backup gesichert: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: alle Backup-Namen für %s sind vergeben</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Backup öffnen</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Backups in %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Noch keine Backups in %s</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d von %d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>Belegte Kanäle</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>ohne Prüfung geschrieben</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>abgelehnt: anderes Modell</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>fehlgeschlagen: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Funkgerät %d anschließen und Enter drücken (Etikett, oder q zum Beenden):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>Auftrag %s, jedes Funkgerät protokolliert in %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>Funkgerät %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>Funkgerät %d fehlgeschlagen: Wiederholen, Überspringen oder Stoppen? [r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>Das Programmierprotokoll konnte nicht geschrieben werden: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: kein Programmierprotokoll (die erste Zeile ist nicht dessen Kopfzeile)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: %d beschädigte Zeilen ausgelassen</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: größer als %zu Bytes</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>Keine Funkgeräte in %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>Keine Funkgeräte mit Etikett &quot;%s&quot; in %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Rückgängig: %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Wiederherstellen: %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Kanal %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s auf Kanälen %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Kanal %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Kanäle %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>%s löschen</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>%s einfügen</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>%s importieren</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s und %zu weitere</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d bis %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>Kanal %s löschen?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>Kanäle %s löschen?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>RX Squelch</source>
        <translation>RX-Squelch</translation>
    </message>
    <message>
        <source>TX Squelch</source>
        <translation>TX-Squelch</translation>
    </message>
    <message>
        <source>RX CTCSS Tone</source>
        <translation>RX-CTCSS-Ton</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>TX-CTCSS-Ton</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>RX-DCS-Code</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>TX-DCS-Code</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>RX-DCS invertiert</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>TX-DCS invertiert</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>NSC-1-Ton</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>NSC-2-Ton</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Kanalabstand</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Einschaltkanal</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Tx-Zeitlimit</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tx-Zeitlimit-Dauer</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Tx-Sperre</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Tx-Verzögerung</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Frei bei Ton</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Scan-Anzeige</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Pr-Abfragezeit</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Scan-Verzögerung</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Scan-Tempo</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Träger + Ton</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Scan-Tx</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Rx-Ein-Zeit</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Rx-Aus-Zeit</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Stromspar-Verzögerung</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>&amp;Mehrere Funkgeräte programmieren...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Den Plan in ein Funkgerät nach dem anderen schreiben, jedes zuvor gelesen, geprüft und protokolliert
Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>Funkgeräte-&amp;Verlauf...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Die programmierten Funkgeräte aus dem Programmierprotokoll auflisten
Funkgeräte-Verlauf</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Vor dem Auftrag</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>Jedes Funkgerät &amp;zurücklesen und vergleichen</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Stopp &amp;nach</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>Funkgeräten (0 oder leer: bis Stopp)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>&amp;Protokollordner:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Ordner des Programmierprotokolls</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Wählen Sie den Ordner des Programmierprotokolls.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Auftrag %s: jedes Funkgerät wird in %s protokolliert</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Funkgerät %d anschließen, Etikett eingeben oder scannen und Enter drücken</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>Funkgerät %d wird programmiert</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>Funkgerät %d fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Funkgerät %d: Schritt %d von %d: Funkgerät lesen</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Funkgerät %d: Schritt %d von %d: Schreiben</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Funkgerät %d: Schritt %d von %d: Zurücklesen zur Prüfung</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Funkgeräte-Verlauf</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Funkgeräte in %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etikett:</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>alle Etiketten</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>&amp;Vorher öffnen</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>&amp;Nachher öffnen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Ver&amp;gleichen</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Vorher und nachher</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Funkgerät %d%s aus Auftrag %s, vorher -&gt; nachher:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>Das Funkgerät hatte vorher und nachher denselben Plan.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 zeigt die gewählte Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s aus</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s ein</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d Funkgerät: %d geprüft, %d ohne Prüfung geschrieben, %d abgelehnt, %d fehlgeschlagen</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d Funkgeräte: %d geprüft, %d ohne Prüfung geschrieben, %d abgelehnt, %d fehlgeschlagen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Rx-Squelch</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Rx-Squelch-Wert</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Tx-Squelch</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Tx-Squelch-Wert</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>schmal</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Programmierte Funkgeräte</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Funkgeräte dieses Auftrags</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Etikett des Funkgeräts</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Das Benutzerhandbuch öffnen
Benutzerhandbuch</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>PRG-715 Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>ein Wort in einem Kapitel; Enter oder F3 für das nächste</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Kein Kapitel enthält „%s“.</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Gesucht wurde in:

%s

Setzen Sie PRG715_MANUAL_DIR auf den Ordner mit seiner index.md.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Benutzerhandbuch: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Benutzerhandbuch: nicht installiert</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>&amp;Diagnosebericht speichern...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Einen Bericht speichern, der einer Problemmeldung zu einem Funkgerät beigelegt wird
Diagnosebericht speichern</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Diagnosebericht speichern</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>Der Bericht enthält die Version des Programms, die Plattform, die seriellen Geräte, die Einstellungen, die letzten Übertragungsprotokolle und die Namen der letzten Backups. Legen Sie ihn Ihrer Problemmeldung bei.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>Letzten &amp;Plan einbeziehen (Frequenzen eines Kunden)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Diagnosebericht gespeichert unter %s</translation>
    </message>
</context>
</TS>
