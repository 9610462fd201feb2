<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un nuovo documento
Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Apri un documento esistente
Apri</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Apri &amp;backup...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Apri un piano salvato da una lettura o scrittura precedente
Apri backup</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salva il documento attivo
Salva</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importa CSV...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Legge i canali da un elenco canali CSV nel piano
Importa CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Es&amp;porta CSV...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Scrive i canali del piano come elenco canali CSV
Esporta CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Stampa il documento attivo
Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Chiude l&apos;applicazione; chiede di salvare i documenti
Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Funzioni opzionali
Opzioni</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leggi dalla radio</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Leggi dalla radio
Leggi dalla radio</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>&amp;Scrivi nella radio</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Scrivi nella radio
Scrivi nella radio</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>&amp;COM1</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>Porta COM 1
Porta COM 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>&amp;COM2</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>Porta COM 2
Porta COM 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>&amp;Dispositivi seriali...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Sceglie i dispositivi seriali corrispondenti a COM1 e COM2
Dispositivi seriali</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>&amp;Leggi la radio prima di scrivere</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Prima di ogni scrittura legge la radio, la conserva come backup e controlla che il piano sia per il suo modello
Leggi la radio prima di scrivere</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Dopo ogni scrittura rilegge la radio e la confronta con quanto inviato
Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Annulla l&apos;ultima modifica al piano
Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ripete l&apos;ultima modifica annullata
Ripeti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Copia i canali selezionati come righe di foglio di calcolo
Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Incolla righe di canali dal canale corrente in giù
Incolla</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>Cance&amp;lla canali</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Cancella i canali selezionati
Cancella canali</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Seleziona tutti i canali del piano
Seleziona tutto</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>Scansione &amp;attiva</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Inserisce i canali selezionati nella lista di scansione
Scansione attiva</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Scansione &amp;disattiva</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Toglie i canali selezionati dalla lista di scansione
Scansione disattiva</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Potenza al&amp;ta</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Trasmette ad alta potenza sui canali selezionati
Potenza alta</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Potenza &amp;bassa</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Trasmette a bassa potenza sui canali selezionati
Potenza bassa</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Spaziatura &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Spaziatura canali standard sui canali selezionati
Spaziatura S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Spaziatura &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Spaziatura canali stretta sui canali selezionati
Spaziatura N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>&amp;Informazioni su PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ANCEL</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;Cancella</translation>
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
        <translation>&amp;Segnalazione</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Invertito</translation>
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
        <translation>Se&amp;gnalazione</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>In&amp;vertito</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>CTCSS non standard #1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>CTCSS non standard #2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Mappa memoria</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Seleziona modello radio</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Seleziona modelli radio</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 canali</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 canali</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Funzioni opzionali della radio</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funzioni</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Risparmio energia</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Compander audio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>&amp;Inibizione Tx</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Tempo rientro &amp;Pr</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>&amp;Ritardo</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>Ve&amp;locità</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>Rx atti&amp;vo</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx inattiv&amp;o</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>Rit&amp;ardo</translation>
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
        <translation>Leggi dalla radio</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Dispositivi seriali</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Dispositivi seriali di questo computer:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>Usa per COM&amp;1</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>Usa per COM&amp;2</translation>
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
        <translation>(nessuno trovato; digitare il percorso qui sotto)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>In questa sessione %1 è %2 (riga di comando o radio virtuale); resta così a meno che non si modifichi %1 qui.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Scrivi nella radio</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Freq Rx</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Freq Tx</translation>
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
        <translation>Pot</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>MAPPA MEMORIA</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>Informazioni su PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 versione 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Impossibile salvare il file!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>Impossibile aprire PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>Impossibile aprire PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Errore durante la creazione di ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead PIENA!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>Porta COM 1 selezionata</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>Porta COM 2 selezionata</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>Controllare l&apos;accensione della radio o il cavo di comunicazione!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>Errore! Riprovare..</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>Lettura completata!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>Scrittura completata!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Scrittura...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>In attesa della radio... (Esc per rinunciare)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Passo %d di %d: lettura della radio</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Passo %d di %d: scrittura</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Passo %d di %d: rilettura per verifica</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Ancora nessuna risposta: controllare che la radio sia accesa, in modalità programmazione, e che il cavo sia su %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>Il trasferimento non può essere interrotto: tenere accesa la radio fino al termine.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>Creare prima nuovi dati! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>Nessuna frequenza in questo canale!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>Il canale prioritario è già impostato!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>Selezionare un modello di radio! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>Inserire una frequenza TX valida!</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>Valori validi da 50.0 a 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>Valori validi da 10 a 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>Valori validi da 5 a 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>Valori validi da 0.05 a 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>Valori validi da 0.05 a 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>Valori validi da 0.10 a 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>Inserire una frequenza RX valida!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>Canale inesistente in questo piano!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Marked Idle richiede Busy Ch Lockout On</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>Valori validi da 0 a 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>Valori validi da 0 a 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>Valori validi da 1 a 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>Non è un tono CTCSS della lista!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>Non è un codice DCS della lista!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>La banda %d non è una delle bande della radio (da 0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Canale %d: RX %s MHz e TX %s MHz non sono né sulla griglia da 6,25 kHz né su quella da 5 kHz</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Canale %d: %s %s MHz non è sulla griglia da %s kHz del passo del canale</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Canale %d: RX %s MHz vale 0 Hz per la radio; inserire la frequenza o cancellare il canale</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Canale %d: TX %s MHz vale 0 Hz per la radio; inserire la frequenza o cancellarla</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Canale %d: %s %s MHz è oltre quanto il sintetizzatore della radio può impostare</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Canale %d: il tipo di segnalazione %s %d non è né CSQ, né CTCSS, né DCS, né NSC-1, né NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Canale %d: il numero di tono CTCSS %s %d è fuori dalla lista dei toni (da 0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Canale %d: il numero di codice DCS %s %d è fuori dalla lista dei codici (da 0 a %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Il tono NSC-%d %s Hz è fuori da 50.0 - 300.0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>Il tono NSC-%d %s Hz verrebbe riletto dalla radio come %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>L&apos;opzione %s (%s) non entra nella memoria della radio</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>L&apos;opzione %s (%s) verrebbe riletta dalla radio come %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>Non è un&apos;immagine radio: %zu byte, attesi almeno %zu</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>Non è un&apos;immagine radio: %zu byte, attesi al massimo %zu</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Questo piano contiene valori fuori dagli intervalli della radio. Viene mostrato come salvato; correggerli prima di scriverlo in una radio.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s vale %d, non 0 o 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Canale %d: l&apos;indicatore %s vale %d, non 0 o 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s vale %d, fuori da %d - %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s vale %g s, fuori da %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Canale %d: %s %.4f MHz è fuori banda (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Canale %d: il tono %s NSC-%d %g Hz è fuori da 50.0 - 300.0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Canale %d: il tono %s NSC-%d %g Hz non è il tono NSC-%d della radio (%g Hz, quello del canale 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>I canali %d e %d sono entrambi contrassegnati %s; la radio ne tiene uno</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>L&apos;indicatore del canale prioritario vale 1, ma nessun canale è contrassegnato come prioritario</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... e altri %zu</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: dispositivo inesistente</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: permesso negato; i membri del gruppo &apos;%s&apos; possono usarlo (di solito dialout: sudo usermod -aG dialout $USER, poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: in uso da un altro programma</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: non è un dispositivo seriale</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: le impostazioni di linea sono state rifiutate (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: impostazioni di linea non supportate</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>la radio non ha risposto entro %g s</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>la linea seriale è scomparsa</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>impossibile inviare sulla linea seriale</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>la radio ha risposto 0x%02X invece di 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>il blocco %d di 33 è terminato con 0x%02X invece di 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>il blocco %d di 33 si è fermato dopo %d dei suoi 65 byte</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>la radio non ha confermato la scrittura</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>la radio ha confermato con 0x%02X invece di 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>annullato durante l&apos;attesa della radio</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>interrotto durante il trasferimento</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>Impossibile leggere la porta seriale scelta da &quot;port.port&quot;. È selezionata la porta COM 1.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Strumento di programmazione per le radio KM41, KM42, KM161 e KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>Impossibile stampare il rapporto!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>il testo supera %zu byte: non è un elenco canali</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>il file contiene dati binari, non testo separato da virgole</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>la riga %d apre un campo tra virgolette che non viene mai chiuso</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>il testo non contiene righe</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>nessuna riga di intestazione con i nomi delle colonne (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>riga %d: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>riga %d, canale %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>righe accettate: %zu, rifiutate: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; non è un numero</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; non è tra: %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; non è un numero di canale</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; non è un codice DCS</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low o una potenza in watt</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>nessun %s in questa riga</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>il canale %d è già indicato nella riga %d</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>Tono %s %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>Codice DCS %s %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>Il tono %s %s Hz sarebbe un terzo tono non standard (NSC-1 è %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Frequenza %s portata sulla griglia da 12,5 kHz, salvata %s</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>il piano resterebbe senza canale prioritario: la riga %d, che imposta il nuovo, è rifiutata</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... e altre %zu righe rifiutate</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>canale %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opzione</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>Impossibile importare il file!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>Cosa cambia:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>Non cambia nulla.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Righe rifiutate:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>Impossibile incollare!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Alcune righe non sono state incollate.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Inserire il dispositivo di %s come percorso completo, ad esempio /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Inserire il dispositivo di %s come porta COM, ad esempio COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Radio virtuale su %s come COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>la radio virtuale non si è avviata: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: impossibile leggere (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>risponde su uno pseudo-terminale, che questo sistema non ha</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio mette la radio virtuale su COM1: omettere --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s richiede il percorso di un dispositivo</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>Impossibile salvare le impostazioni in %s: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>il file supera %zu byte</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>Salvare le modifiche al piano?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(radio)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, %d canali)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>L&apos;ultima radio letta è una %s; questo piano è per una %s. Scrivere comunque?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>la radio è una %s; questo piano è per una %s: non è stato scritto nulla (--force scrive comunque)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>la radio è una %s; questo piano è per una %s: scritto comunque (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Verificato: la radio contiene il piano</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>La radio non contiene il piano scritto (scritto -&gt; riletto):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>Impossibile verificare la scrittura: la radio non è stata riletta.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>byte di memoria %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Backup conservato: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>Nessun backup conservato: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>né XDG_DATA_HOME né HOME sono impostati</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: tutti i nomi di backup di %s sono occupati</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Apri backup</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Backup in %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Ancora nessun backup in %s</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d di %d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>Canali in uso</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>scritta senza verifica</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>rifiutata: altro modello</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>non riuscita: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>non riuscita: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullata</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermata</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Collegare la radio %d e premere Invio (etichetta, o q per fermare):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>lavoro %s, ogni radio registrata in %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>radio %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>Radio %d non riuscita: riprovare (r), saltare (s) o fermare (q)?</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>Impossibile scrivere il registro di programmazione: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: non è un registro di programmazione (la prima riga non è la sua intestazione)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: %d righe danneggiate omesse</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: supera %zu byte</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>Nessuna radio in %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>Nessuna radio con etichetta &quot;%s&quot; in %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Annulla %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Ripeti %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Canale %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s sui canali %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Canale %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Canali %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>Cancella %s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>Incolla %s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>Importa %s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s e altri %zu</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>da %d a %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>Cancellare il canale %s?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>Cancellare i canali %s?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Frequenza RX</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Frequenza TX</translation>
    </message>
    <message>
        <source>RX Squelch</source>
        <translation>Squelch RX</translation>
    </message>
    <message>
        <source>TX Squelch</source>
        <translation>Squelch TX</translation>
    </message>
    <message>
        <source>RX CTCSS Tone</source>
        <translation>Tono CTCSS RX</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>Tono CTCSS TX</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>Codice DCS RX</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>Codice DCS TX</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>DCS RX invertito</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>DCS TX invertito</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>Tono NSC-1</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>Tono NSC-2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Time-out Tx</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Durata time-out Tx</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Inibizione Tx</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Ritardo Tx</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Blocco canale occupato</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Segnalato libero</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Indicatore scansione</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Tempo rientro Pr</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Ritardo scansione</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Velocità scansione</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Portante + tono</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Tx in scansione</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Tempo Rx attivo</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Tempo Rx inattivo</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Ritardo risparmio energia</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>&amp;Programma più radio...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Scrive il piano in una radio dopo l&apos;altra, ciascuna prima letta, controllata e registrata
Programma più radio</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Cronologia radio...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Elenca le radio programmate, dal registro di programmazione
Cronologia radio</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programma più radio</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Prima del lavoro</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>Rileggi e &amp;confronta ogni radio</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Ferma &amp;dopo</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>radio (0 o vuoto: fino a Ferma)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>Cartella &amp;log:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Cartella del registro di programmazione</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Scegliere la cartella del registro di programmazione.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Salta</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Fer&amp;ma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Lavoro %s: ogni radio è registrata in %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Collegare la radio %d, digitare o leggere la sua etichetta e premere Invio</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>Programmazione della radio %d in corso</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>Radio %d non riuscita: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Radio %d: passo %d di %d: lettura della radio</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Radio %d: passo %d di %d: scrittura</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Radio %d: passo %d di %d: rilettura per verifica</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Cronologia radio</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Radio in %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etichetta:</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>tutte le etichette</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>Apri &amp;prima</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>Apri &amp;dopo</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Prima e dopo</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Radio %d%s del lavoro %s, prima -&gt; dopo:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>La radio conteneva lo stesso piano prima e dopo.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 mostrerà la lingua scelta al prossimo avvio.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s disattivo</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s attivo</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radio: %d verificata, %d scritta senza verifica, %d rifiutata, %d non riuscita</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radio: %d verificate, %d scritte senza verifica, %d rifiutate, %d non riuscite</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Squelch Rx</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Valore squelch Rx</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Squelch Tx</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Valore squelch Tx</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bassa</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>stretta</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Mappa di memoria</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Radio programmate</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Radio di questo lavoro</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Etichetta della radio</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>Manuale &amp;utente</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Apri il manuale utente
Manuale utente</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>Manuale utente di PRG-715</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>una parola in un capitolo; Invio o F3 per la successiva</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Nessun capitolo contiene «%s».</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>Manuale utente non trovato. Cartelle provate:

%s

Impostare PRG715_MANUAL_DIR sulla cartella che contiene il suo index.md.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software libero sotto la GNU General Public License, versione 3 o successiva</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Manuale utente: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Manuale utente: non installato</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Salva rapporto di &amp;diagnostica...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Salva un rapporto da allegare alla segnalazione di un problema con una radio
Salva rapporto di diagnostica</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Salva rapporto di diagnostica</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>Il rapporto contiene la versione del programma, la piattaforma, i dispositivi seriali, le impostazioni, le ultime tracce di trasferimento e i nomi dei backup recenti. Allegalo alla segnalazione del problema.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>&amp;Includi l&apos;ultimo piano (le frequenze di un cliente)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Rapporto di diagnostica salvato come %s</translation>
    </message>
</context>
</TS>
