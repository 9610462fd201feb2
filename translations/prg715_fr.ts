<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Ouvrir une s&amp;auvegarde...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Ouvrir un plan conservé lors d&apos;une lecture ou écriture précédente
Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importer CSV...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Lire les canaux d&apos;une liste de canaux CSV dans le plan
Importer CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter CSV...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Écrire les canaux du plan en liste de canaux CSV
Exporter CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Fonctions optionnelles
Options</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Lire la radio
Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>É&amp;crire dans la radio</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Écrire dans la radio
Écrire dans la radio</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>&amp;COM1</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>Port COM 1
Port COM 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>&amp;COM2</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>Port COM 2
Port COM 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>Périphériques &amp;série...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Choisir les périphériques série désignés par COM1 et COM2
Périphériques série</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>&amp;Lire la radio avant l&apos;écriture</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Avant chaque écriture, lire la radio, la conserver en sauvegarde et vérifier que le plan est pour son modèle
Lire la radio avant l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Après chaque écriture, relire la radio et la comparer avec ce qui a été envoyé
Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Annuler la dernière modification du plan
Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Copier les canaux sélectionnés en lignes de tableur
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Coller des lignes de canaux à partir du canal courant vers le bas
Coller</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>&amp;Effacer les canaux</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Effacer les canaux sélectionnés
Effacer les canaux</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Sélectionner tous les canaux du plan
Tout sélectionner</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>Scan &amp;activé</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Mettre les canaux sélectionnés dans la liste de scan
Scan activé</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Scan &amp;désactivé</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Retirer les canaux sélectionnés de la liste de scan
Scan désactivé</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Puissance &amp;haute</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Émettre en puissance haute sur les canaux sélectionnés
Puissance haute</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Puissance &amp;basse</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Émettre en puissance basse sur les canaux sélectionnés
Puissance basse</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Espacement &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Espacement de canaux standard sur les canaux sélectionnés
Espacement S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Espacement &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Espacement de canaux étroit sur les canaux sélectionnés
Espacement N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>À &amp;propos de PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>&amp;Fréq</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>&amp;Signalisation</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Inversé</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>Fré&amp;q</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>Si&amp;gnalisation</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>In&amp;versé</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Carte mémoire</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Choisir le modèle de radio</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Choisir les modèles de radio</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 canaux</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 canaux</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Fonctions optionnelles de la radio</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Compandeur audio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>&amp;Inhibition Tx</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Temps retour &amp;Pr</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>Dé&amp;lai</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>&amp;Rx actif</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx inact&amp;if</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>Dél&amp;ai</translation>
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
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Périphériques série</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Périphériques série de cet ordinateur :</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>Utiliser pour COM&amp;1</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>Utiliser pour COM&amp;2</translation>
    </message>
    <message>
        <source>COM&amp;1:</source>
        <translation>COM&amp;1 :</translation>
    </message>
    <message>
        <source>COM&amp;2:</source>
        <translation>COM&amp;2 :</translation>
    </message>
    <message>
        <source>(none found; type the path below)</source>
        <translation>(aucun trouvé ; saisissez le chemin ci-dessous)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>Pour cette session, %1 est %2 (ligne de commande ou radio virtuelle) ; cela reste ainsi sauf si vous modifiez %1 ici.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Écrire dans la radio</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Fréq Rx</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Fréq Tx</translation>
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
        <translation>Puis</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>CARTE MÉMOIRE</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>À propos de PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 version 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Impossible d&apos;enregistrer le fichier !</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>Échec d&apos;ouverture de PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>Échec d&apos;ouverture de PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Erreur lors de la création de ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead PLEINE !</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>Port COM 1 sélectionné</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>Port COM 2 sélectionné</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>Vérifiez que la radio est allumée et le câble de communication !</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>Erreur ! Veuillez réessayer..</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>Lecture terminée !</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>Écriture terminée !</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Écriture...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>Attente de la radio... (Échap pour abandonner)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Étape %d sur %d : lecture de la radio</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Étape %d sur %d : écriture</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Étape %d sur %d : relecture pour vérification</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Pas encore de réponse : vérifiez que la radio est allumée, en mode programmation, et que le câble est sur %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>Le transfert ne peut pas être interrompu : laissez la radio allumée jusqu&apos;à la fin.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>Veuillez d&apos;abord créer de nouvelles données ! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>Aucune fréquence sur ce canal !</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>Le canal prioritaire est déjà défini !</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>Veuillez choisir un modèle de radio ! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>Saisissez une fréquence TX valide !</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>Valeurs valides 50.0 à 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>Valeurs valides 10 à 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>Valeurs valides 5 à 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>Valeurs valides 0.05 à 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>Valeurs valides 0.05 à 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>Valeurs valides 0.10 à 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>Saisissez une fréquence RX valide !</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>Ce canal n&apos;existe pas dans ce plan !</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Marked Idle nécessite Busy Ch Lockout On</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>Valeurs valides 0 à 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>Valeurs valides 0 à 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>Valeurs valides 1 à 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>Pas une tonalité CTCSS de la liste !</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>Pas un code DCS de la liste !</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>La bande %d n&apos;est pas une bande de la radio (0 à %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Canal %d : RX %s MHz et TX %s MHz ne sont ni sur la grille de 6,25 kHz ni sur celle de 5 kHz</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Canal %d : %s %s MHz n&apos;est pas sur la grille de %s kHz du pas du canal</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Canal %d : RX %s MHz vaut 0 Hz pour la radio ; saisissez la fréquence ou effacez le canal</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Canal %d : TX %s MHz vaut 0 Hz pour la radio ; saisissez la fréquence ou effacez-la</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Canal %d : %s %s MHz dépasse ce que le synthétiseur de la radio peut produire</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Canal %d : le type de signalisation %s %d n&apos;est ni CSQ, ni CTCSS, ni DCS, ni NSC-1, ni NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Canal %d : le numéro de tonalité CTCSS %s %d est hors de la liste (0 à %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Canal %d : le numéro de code DCS %s %d est hors de la liste (0 à %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Tonalité NSC-%d %s Hz hors de 50.0 à 300.0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>La tonalité NSC-%d %s Hz serait relue depuis la radio comme %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>L&apos;option %s (%s) ne tient pas dans la mémoire de la radio</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>L&apos;option %s (%s) serait relue depuis la radio comme %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>Pas une image de radio : %zu octets, au moins %zu attendus</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>Pas une image de radio : %zu octets, au plus %zu attendus</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Ce plan contient des valeurs hors des plages de la radio. Il est affiché tel qu&apos;enregistré ; corrigez-les avant de l&apos;écrire dans une radio.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s vaut %d, pas 0 ou 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Canal %d : l&apos;indicateur %s vaut %d, pas 0 ou 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s vaut %d, hors de %d à %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s vaut %g s, hors de %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Canal %d : %s %.4f MHz est hors de la bande (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Canal %d : tonalité %s NSC-%d %g Hz hors de 50.0 à 300.0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Canal %d : la tonalité %s NSC-%d %g Hz n&apos;est pas la tonalité NSC-%d de la radio (%g Hz, celle du canal 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>Les canaux %d et %d sont tous deux marqués %s ; la radio n&apos;en garde qu&apos;un</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>L&apos;indicateur de canal prioritaire vaut 1, mais aucun canal n&apos;est marqué prioritaire</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... et %zu de plus</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s : périphérique inexistant</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s : permission refusée ; les membres du groupe &apos;%s&apos; peuvent l&apos;utiliser (généralement dialout : sudo usermod -aG dialout $USER, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s : utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s : pas un périphérique série</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s : les paramètres de ligne ont été refusés (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s : paramètres de ligne non pris en charge</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>la radio n&apos;a pas répondu en %g s</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>la ligne série a disparu</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>impossible d&apos;envoyer sur la ligne série</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>la radio a répondu 0x%02X au lieu de 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>le bloc %d sur 33 s&apos;est terminé par 0x%02X au lieu de 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>le bloc %d sur 33 s&apos;est arrêté après %d de ses 65 octets</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>la radio n&apos;a pas confirmé l&apos;écriture</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>la radio a confirmé avec 0x%02X au lieu de 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>annulé pendant l&apos;attente de la radio</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>interrompu pendant le transfert</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>Impossible de lire le choix du port série dans &quot;port.port&quot;. Le port COM 1 est sélectionné.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Outil de programmation des radios KM41, KM42, KM161 et KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>Impossible d&apos;imprimer le rapport !</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>le texte dépasse %zu octets : pas une liste de canaux</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>le fichier contient des données binaires, pas du texte séparé par des virgules</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>la ligne %d ouvre un champ entre guillemets jamais fermé</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>le texte ne contient aucune ligne</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>aucune ligne d&apos;en-tête nommant les colonnes (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>ligne %d : %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>ligne %d, canal %d : %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>lignes prises : %zu, refusées : %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; ne fait pas partie de : %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; n&apos;est pas un numéro de canal</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; n&apos;est pas un code DCS</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low ou une puissance en watts</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>pas de %s dans cette ligne</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>le canal %d est déjà donné à la ligne %d</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>Tonalité %s %s Hz : %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>Code DCS %s %s : %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>La tonalité %s %s Hz serait une troisième tonalité non standard (NSC-1 est %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Fréquence %s ramenée sur la grille de 12,5 kHz, %s enregistrée</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>le plan resterait sans canal prioritaire : la ligne %d, qui définit le nouveau, est refusée</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... et %zu lignes refusées de plus</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>canal %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>option</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>Impossible d&apos;importer le fichier !</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>Ce qui change :</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>Rien ne change.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Lignes refusées :</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>Impossible de coller !</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Certaines lignes n&apos;ont pas été collées.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Saisissez le périphérique de %s en chemin complet, par exemple /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Saisissez le périphérique de %s en port COM, par exemple COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Radio virtuelle sur %s comme COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>la radio virtuelle n&apos;a pas démarré : %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s : lecture impossible (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>elle répond sur un pseudo-terminal, que ce système n&apos;a pas</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio place la radio virtuelle sur COM1 : omettez --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s nécessite un chemin de périphérique</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %s : %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>le fichier dépasse %zu octets</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>Enregistrer les modifications du plan ?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(radio)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, %d canaux)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>La dernière radio lue est une %s ; ce plan est pour une %s. Écrire quand même ?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>la radio est une %s ; ce plan est pour une %s : rien n&apos;a été écrit (--force écrit quand même)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>la radio est une %s ; ce plan est pour une %s : écrit quand même (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Vérifié : la radio contient le plan</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>La radio ne contient pas le plan écrit (écrit -&gt; relu) :</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>L&apos;écriture n&apos;a pas pu être vérifiée : la radio n&apos;a pas été relue.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>octet mémoire %zu : 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Sauvegarde conservée : %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>Aucune sauvegarde conservée : %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>ni XDG_DATA_HOME ni HOME n&apos;est défini</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s : tous les noms de sauvegarde de %s sont pris</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Sauvegardes dans %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Pas encore de sauvegarde dans %s</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d sur %d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>Canaux utilisés</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>écrite sans vérification</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>refusée : autre modèle</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>échec : %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>échec : </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Connectez la radio %d et appuyez sur Entrée (étiquette, ou q pour arrêter) :</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>tâche %s, chaque radio est journalisée dans %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>radio %d%s : %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>Échec de la radio %d : réessayer (r), passer (s) ou arrêter (q) ?</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>Le journal de programmation n&apos;a pas pu être écrit : %s : %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s : pas un journal de programmation (la première ligne n&apos;est pas son en-tête)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s : %d lignes endommagées ignorées</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s : dépasse %zu octets</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>Aucune radio dans %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>Aucune radio étiquetée &quot;%s&quot; dans %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Annuler %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Rétablir %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Canal %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s sur les canaux %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Canal %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Canaux %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>Effacer %s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>Coller %s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>Importer %s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s et %zu de plus</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d à %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>Effacer le canal %s ?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>Effacer les canaux %s ?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Fréquence RX</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Fréquence TX</translation>
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
        <translation>Tonalité CTCSS RX</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>Tonalité CTCSS TX</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>Code DCS RX</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>Code DCS TX</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>DCS RX inversé</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>DCS TX inversé</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>Tonalité NSC-1</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>Tonalité NSC-2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Mise sous tension</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Time-out Tx</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Durée time-out Tx</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Inhibition Tx</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Délai Tx</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Blocage canal occupé</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Marqué libre</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Indicateur de scan</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Temps retour Pr</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Délai de scan</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Vitesse de scan</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Porteuse + tonalité</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Tx en scan</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Durée Rx actif</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Durée Rx inactif</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Délai économie d&apos;énergie</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>&amp;Programmer plusieurs radios...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Écrire le plan dans une radio après l&apos;autre, chacune lue d&apos;abord, vérifiée et journalisée
Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Historique des radios...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Lister les radios programmées, d&apos;après le journal de programmation
Historique des radios</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Avant la tâche</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>Relire et &amp;comparer chaque radio</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Arrêter &amp;après</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>radios (0 ou vide : jusqu&apos;à Arrêter)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>Dossier du &amp;journal :</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Dossier du journal de programmation</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Choisissez le dossier du journal de programmation.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Ré&amp;essayer</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Tâche %s : chaque radio est journalisée dans %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Connectez la radio %d, saisissez ou scannez son étiquette et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>Programmation de la radio %d en cours</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>Échec de la radio %d : %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Radio %d : étape %d sur %d : lecture de la radio</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Radio %d : étape %d sur %d : écriture</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Radio %d : étape %d sur %d : relecture pour vérification</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Historique des radios</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Radios dans %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>É&amp;tiquette :</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>toutes les étiquettes</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>Ouvrir a&amp;vant</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>Ouvrir a&amp;près</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Avant et après</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Radio %d%s de la tâche %s, avant -&gt; après :</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>La radio contenait le même plan avant et après.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Langue du système</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 affichera la langue choisie au prochain démarrage.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s désactivé</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s activé</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radio : %d vérifiée, %d écrite sans vérification, %d refusée, %d en échec</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radios : %d vérifiées, %d écrites sans vérification, %d refusées, %d en échec</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Squelch Rx</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Valeur du squelch Rx</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Squelch Tx</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Valeur du squelch Tx</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>high</source>
        <translation>haute</translation>
    </message>
    <message>
        <source>low</source>
        <translation>basse</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>étroit</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Carte mémoire</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Radios programmées</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Radios de cette tâche</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Étiquette de la radio</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>Manuel d&apos;&amp;utilisation</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Ouvrir le manuel d&apos;utilisation
Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>Manuel d&apos;utilisation de PRG-715</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>un mot dans un chapitre ; Entrée ou F3 pour le suivant</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Aucun chapitre ne contient « %s ».</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>Le manuel d&apos;utilisation est introuvable. Dossiers essayés :

%s

Indiquez dans PRG715_MANUAL_DIR le dossier qui contient son index.md.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Manuel d&apos;utilisation : %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Manuel d&apos;utilisation : non installé</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Enregistrer un rapport de &amp;diagnostic...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Enregistrer un rapport à joindre au signalement d&apos;un problème avec une radio
Enregistrer le rapport de diagnostic</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Enregistrer le rapport de diagnostic</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>Le rapport contient la version du programme, la plateforme, les périphériques série, les réglages, les dernières traces de transfert et les noms des sauvegardes récentes. Joignez-le à votre signalement du problème.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>&amp;Inclure le dernier plan (les fréquences d&apos;un client)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Rapport de diagnostic enregistré sous %s</translation>
    </message>
</context>
</TS>
