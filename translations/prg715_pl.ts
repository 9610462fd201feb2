<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Utwórz nowy dokument
Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Otwórz istniejący dokument
Otwórz</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Otwórz ko&amp;pię zapasową...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Otwórz plan zachowany przy wcześniejszym odczycie lub zapisie
Otwórz kopię zapasową</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Zapisz aktywny dokument
Zapisz</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importuj CSV...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Wczytaj kanały z listy kanałów CSV do planu
Importuj CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Eksportuj CSV...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Zapisz kanały planu jako listę kanałów CSV
Eksportuj CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Drukuj aktywny dokument
Drukuj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Zamknij program; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Funkcje opcjonalne
Opcje</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Od&amp;czytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Odczytaj z radiotelefonu
Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>&amp;Zapisz do radiotelefonu</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Zapisz do radiotelefonu
Zapisz do radiotelefonu</translation>
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
        <translation>&amp;Urządzenia szeregowe...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Wybierz urządzenia szeregowe, którym odpowiadają COM1 i COM2
Urządzenia szeregowe</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>&amp;Odczytaj radiotelefon przed zapisem</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Przed każdym zapisem odczytaj radiotelefon, zachowaj kopię zapasową i sprawdź, czy plan jest dla jego modelu
Odczytaj radiotelefon przed zapisem</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Po każdym zapisie odczytaj radiotelefon ponownie i porównaj z wysłanymi danymi
Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Cofnij ostatnią zmianę planu
Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ponów ostatnio cofniętą zmianę
Ponów</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Kopiuj zaznaczone kanały jako wiersze arkusza
Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Wklej wiersze kanałów od bieżącego kanału w dół
Wklej</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>Wyczyść k&amp;anały</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Wyczyść zaznaczone kanały
Wyczyść kanały</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Zaznacz wszystkie kanały planu
Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>Skanowanie &amp;wł.</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Dodaj zaznaczone kanały do listy skanowania
Skanowanie wł.</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Skanowanie w&amp;ył.</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Usuń zaznaczone kanały z listy skanowania
Skanowanie wył.</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Moc wys&amp;oka</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Nadawaj z wysoką mocą na zaznaczonych kanałach
Moc wysoka</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Moc n&amp;iska</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Nadawaj z niską mocą na zaznaczonych kanałach
Moc niska</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Odstęp &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Standardowy odstęp międzykanałowy na zaznaczonych kanałach
Odstęp S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Odstęp &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Wąski odstęp międzykanałowy na zaznaczonych kanałach
Odstęp N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>&amp;O programie PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetl informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>Po&amp;rt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
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
        <translation>&amp;ANULUJ</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;wyczyść</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>&amp;Częst.</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>&amp;Sygnalizacja</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Inwersja</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>Częs&amp;t.</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>S&amp;ygnalizacja</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>Inw&amp;ersja</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>Niestandardowy CTCSS #1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>Niestandardowy CTCSS #2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Mapa pamięci</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Wybierz model radiotelefonu</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Wybierz modele radiotelefonów</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 kanały</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 kanałów</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Funkcje opcjonalne radiotelefonu</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funkcje</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Tryb oszczędny</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Kompander audio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>Blokada &amp;Tx</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Czas &amp;sprawdz. Pr</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>&amp;Opóźnienie</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>&amp;Prędkość</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>Rx &amp;wł.</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx w&amp;ył.</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>Opóź&amp;nienie</translation>
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
        <translation>Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Urządzenia szeregowe</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Urządzenia szeregowe w tym komputerze:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>Użyj dla COM&amp;1</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>Użyj dla COM&amp;2</translation>
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
        <translation>(nie znaleziono; wpisz ścieżkę poniżej)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>W tym uruchomieniu %1 to %2 (wiersz poleceń lub wirtualny radiotelefon); tak pozostanie, dopóki nie zmienisz tu %1.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Zapisz do radiotelefonu</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Częst. Rx</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Częst. Tx</translation>
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
        <translation>Moc</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>MAPA PAMIĘCI</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>O programie PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 wersja 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Nie można zapisać pliku!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Nie można otworzyć pliku!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>Nie można otworzyć PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>Nie można otworzyć PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Błąd podczas tworzenia ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead PEŁNA!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>Wybrano port COM 1</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>Wybrano port COM 2</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>Sprawdź, czy radiotelefon jest włączony, oraz kabel programujący!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>Błąd! Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>Odczyt zakończony!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>Zapis zakończony!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Odczyt...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Zapis...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>Oczekiwanie na radiotelefon... (Esc przerywa)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Krok %d z %d: odczyt radiotelefonu</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Krok %d z %d: zapis</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Krok %d z %d: odczyt kontrolny</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Brak odpowiedzi: sprawdź, czy radiotelefon jest włączony i w trybie programowania oraz czy kabel jest podłączony do %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>Transmisji nie można przerwać: nie wyłączaj radiotelefonu aż do jej zakończenia.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>Najpierw utwórz nowe dane! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>Brak częstotliwości w tym kanale!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>Kanał priorytetowy jest już ustawiony!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>Wybierz model radiotelefonu! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>Wprowadź prawidłową częstotliwość TX!</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>Prawidłowe wartości: od 50.0 do 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>Prawidłowe wartości: od 10 do 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>Prawidłowe wartości: od 5 do 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>Prawidłowe wartości: od 0.05 do 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>Prawidłowe wartości: od 0.05 do 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>Prawidłowe wartości: od 0.10 do 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>Wprowadź prawidłową częstotliwość RX!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>Nie ma takiego kanału w tym planie!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Wolny przy tonie wymaga włączonej blokady zajętości</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>Prawidłowe wartości: od 0 do 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>Prawidłowe wartości: od 0 do 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>Prawidłowe wartości: od 1 do 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>To nie jest ton CTCSS z listy!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>To nie jest kod DCS z listy!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>Pasmo %d nie jest żadnym z pasm radiotelefonu (od 0 do %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Kanał %d: RX %s MHz i TX %s MHz nie leżą ani w rastrze 6,25 kHz, ani 5 kHz</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Kanał %d: %s %s MHz nie leży w rastrze %s kHz kroku kanału</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Kanał %d: RX %s MHz to dla radiotelefonu 0 Hz; wprowadź częstotliwość lub wyczyść kanał</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Kanał %d: TX %s MHz to dla radiotelefonu 0 Hz; wprowadź częstotliwość lub ją wyczyść</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Kanał %d: %s %s MHz wykracza poza zakres syntezera radiotelefonu</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Kanał %d: typ sygnalizacji %s %d nie jest żadnym z CSQ, CTCSS, DCS, NSC-1 i NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Kanał %d: numer tonu CTCSS %s %d jest poza listą tonów (od 0 do %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Kanał %d: numer kodu DCS %s %d jest poza listą kodów (od 0 do %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Ton NSC-%d %s Hz jest poza zakresem od 50,0 do 300,0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>Ton NSC-%d %s Hz zostałby odczytany z radiotelefonu jako %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>Opcja %s (%s) nie mieści się w pamięci radiotelefonu</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>Opcja %s (%s) zostałaby odczytana z radiotelefonu jako %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>To nie jest obraz radiotelefonu: %zu bajtów, oczekiwano co najmniej %zu</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>To nie jest obraz radiotelefonu: %zu bajtów, oczekiwano co najwyżej %zu</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Ten plan zawiera wartości spoza zakresów radiotelefonu. Jest wyświetlany tak, jak został zapisany; popraw je przed zapisaniem planu do radiotelefonu.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s wynosi %d, a nie 0 lub 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Kanał %d: flaga %s wynosi %d, a nie 0 lub 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s wynosi %d, poza zakresem od %d do %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s wynosi %g s, poza zakresem %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Kanał %d: %s %.4f MHz jest poza pasmem (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Kanał %d: %s ton NSC-%d %g Hz jest poza zakresem od 50,0 do 300,0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Kanał %d: %s ton NSC-%d %g Hz nie jest tonem NSC-%d radiotelefonu (%g Hz, z kanału 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>Kanały %d i %d mają oba oznaczenie %s; radiotelefon zachowa tylko jeden</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>Flaga kanału priorytetowego wynosi 1, ale żaden kanał nie jest oznaczony jako priorytetowy</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... i %zu więcej</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: nie ma takiego urządzenia</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: brak uprawnień; mogą go używać członkowie grupy &apos;%s&apos; (zwykle dialout: sudo usermod -aG dialout $USER, a następnie zaloguj się ponownie)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: używane przez inny program</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: to nie jest urządzenie szeregowe</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: parametry łącza zostały odrzucone (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: nieobsługiwane parametry łącza</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>radiotelefon nie odpowiedział w ciągu %g s</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>łącze szeregowe zostało utracone</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>nie można wysłać danych do łącza szeregowego</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>radiotelefon odpowiedział 0x%02X zamiast 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>blok %d z 33 zakończył się 0x%02X zamiast 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>blok %d z 33 urwał się po %d z 65 bajtów</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>radiotelefon nie potwierdził zapisu</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>radiotelefon potwierdził 0x%02X zamiast 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>anulowano podczas oczekiwania na radiotelefon</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>przerwano podczas transmisji</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>Nie można odczytać wyboru portu szeregowego z &quot;port.port&quot;. Wybrano port COM 1.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Program do programowania radiotelefonów KM41, KM42, KM161 i KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>Nie można wydrukować raportu!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>tekst jest większy niż %zu bajtów: to nie jest lista kanałów</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>plik zawiera dane binarne, a nie tekst rozdzielany przecinkami</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>wiersz %d otwiera pole w cudzysłowie, które nie zostaje zamknięte</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>tekst nie zawiera wierszy</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>brak wiersza nagłówka z nazwami kolumn (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>wiersz %d: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>wiersz %d, kanał %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>przyjęte wiersze: %zu, odrzucone: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; nie jest liczbą</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; nie jest żadną z wartości %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; nie jest numerem kanału</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; nie jest kodem DCS</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low lub moc w watach</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>brak %s w tym wierszu</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>kanał %d podano już w wierszu %d</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s ton %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s kod DCS %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s ton %s Hz byłby trzecim tonem niestandardowym (NSC-1 to %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Częstotliwość %s przesunięta do rastra 12,5 kHz, zapisano %s</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>plan zostałby bez kanału priorytetowego: wiersz %d, który ustawia nowy, został odrzucony</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... i odrzucono %zu kolejnych wierszy</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>kanał %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opcja</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>Nie można zaimportować pliku!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importuj CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>Co się zmieni:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>Nic się nie zmieni.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Odrzucone wiersze:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>Nie można wkleić!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Niektóre wiersze nie zostały wklejone.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Podaj urządzenie dla %s jako pełną ścieżkę, na przykład /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Podaj urządzenie dla %s jako port COM, na przykład COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Wirtualny radiotelefon na %s jako COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>wirtualny radiotelefon nie uruchomił się: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: nie można odczytać (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>odpowiada przez pseudoterminal, którego ten system nie ma</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio umieszcza wirtualny radiotelefon na COM1: pomiń --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s wymaga ścieżki urządzenia</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>Nie można zapisać ustawień w %s: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>plik jest większy niż %zu bajtów</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>Zapisać zmiany w planie?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(radiotelefon)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, kanały: %d)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>Ostatnio odczytany radiotelefon to %s; ten plan jest dla %s. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>radiotelefon to %s; ten plan jest dla %s: nic nie zapisano (--force zapisuje mimo to)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>radiotelefon to %s; ten plan jest dla %s: zapisano mimo to (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Zweryfikowano: radiotelefon zawiera plan</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>Radiotelefon nie zawiera zapisanego planu (zapisano -&gt; odczytano):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>Nie można zweryfikować zapisu: radiotelefon nie został ponownie odczytany.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>bajt pamięci %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Zachowano kopię zapasową: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>Nie zachowano kopii zapasowej: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nie ustawiono ani XDG_DATA_HOME, ani HOME</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: wszystkie nazwy kopii zapasowych dla %s są zajęte</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Otwórz kopię zapasową</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Kopie zapasowe w %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Brak kopii zapasowych w %s</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d z %d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>Używane kanały</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>zapisano bez weryfikacji</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>odrzucono: inny model</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>błąd: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>błąd: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymano</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Podłącz radiotelefon %d i naciśnij Enter (etykieta lub q, aby zakończyć):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>zadanie %s, każdy radiotelefon rejestrowany w %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>radiotelefon %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>Radiotelefon %d: błąd. Ponowić, pominąć czy zatrzymać? [r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>Nie można zapisać dziennika programowania: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: to nie jest dziennik programowania (pierwszy wiersz nie jest jego nagłówkiem)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: pominięto uszkodzone wiersze: %d</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: większy niż %zu bajtów</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>Brak radiotelefonów w %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>Brak radiotelefonów z etykietą &quot;%s&quot; w %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Cofnij: %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Ponów: %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Kanał %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s na kanałach %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Kanał %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Kanały %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>Wyczyść %s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>Wklej %s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>Importuj %s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s i %zu więcej</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>od %d do %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>Wyczyścić kanał %s?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>Wyczyścić kanały %s?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Częstotliwość RX</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Częstotliwość TX</translation>
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
        <translation>Ton CTCSS RX</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>Ton CTCSS TX</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>Kod DCS RX</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>Kod DCS TX</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>Inwersja DCS RX</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>Inwersja DCS TX</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>Ton NSC-1</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>Ton NSC-2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Odstęp kanałów</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Kanał startowy</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Limit czasu Tx</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Czas limitu Tx</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Blokada Tx</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Opóźnienie Tx</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Blokada zajętości</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Wolny przy tonie</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Wskaźnik skanowania</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Czas sprawdzania Pr</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Opóźnienie skanowania</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Prędkość skanowania</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Nośna + ton</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Tx przy skanowaniu</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Czas Rx wł.</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Czas Rx wył.</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Opóźnienie trybu oszczędnego</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>Programuj &amp;kilka radiotelefonów...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Zapisuj plan do kolejnych radiotelefonów, każdy najpierw odczytany, sprawdzony i zarejestrowany
Programuj kilka radiotelefonów</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Historia radiotelefonów...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Wyświetl zaprogramowane radiotelefony z dziennika programowania
Historia radiotelefonów</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programuj kilka radiotelefonów</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Przed zadaniem</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>&amp;Odczytaj ponownie i porównaj każdy radiotelefon</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Za&amp;trzymaj po</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>radiotelefonach (0 lub puste: do zatrzymania)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>&amp;Folder dziennika:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Folder dziennika programowania</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Wybierz folder dziennika programowania.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Po&amp;nów</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>Po&amp;miń</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Zadanie %s: każdy radiotelefon jest rejestrowany w %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Podłącz radiotelefon %d, wpisz lub zeskanuj jego etykietę i naciśnij Enter</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>Trwa programowanie radiotelefonu %d</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>Radiotelefon %d: błąd: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Radiotelefon %d: krok %d z %d: odczyt radiotelefonu</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Radiotelefon %d: krok %d z %d: zapis</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Radiotelefon %d: krok %d z %d: odczyt kontrolny</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Historia radiotelefonów</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Radiotelefony w %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etykieta:</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>wszystkie etykiety</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>Otwórz &amp;przed</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>Otwórz p&amp;o</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Po&amp;równaj</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Przed i po</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Radiotelefon %d%s z zadania %s, przed -&gt; po:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>Radiotelefon miał ten sam plan przed i po.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 wyświetli wybrany język przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s wył.</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s wł.</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>Liczba radiotelefonów: %d; zweryfikowane: %d, zapisane bez weryfikacji: %d, odrzucone: %d, nieudane: %d</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>Liczba radiotelefonów: %d; zweryfikowane: %d, zapisane bez weryfikacji: %d, odrzucone: %d, nieudane: %d</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Blokada szumów Rx</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Wartość blokady szumów Rx</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Blokada szumów Tx</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Wartość blokady szumów Tx</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standardowy</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>wąski</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Mapa pamięci</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Zaprogramowane radiotelefony</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Radiotelefony tego zadania</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Etykieta radiotelefonu</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Instrukcja obsługi</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Otwórz instrukcję obsługi
Instrukcja obsługi</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>Instrukcja obsługi PRG-715</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>słowo w dowolnym rozdziale; Enter lub F3 – następne</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Żaden rozdział nie zawiera „%s”.</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>Nie znaleziono instrukcji obsługi. Sprawdzone foldery:

%s

Ustaw PRG715_MANUAL_DIR na folder zawierający jej index.md.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Instrukcja obsługi: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Instrukcja obsługi: niezainstalowana</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Zapisz raport &amp;diagnostyczny...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Zapisz raport do dołączenia do zgłoszenia problemu z radiotelefonem
Zapisz raport diagnostyczny</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Zapisz raport diagnostyczny</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>Raport zawiera wersję programu, platformę, urządzenia szeregowe, ustawienia, ostatnie zapisy transmisji i nazwy ostatnich kopii zapasowych. Dołącz go do zgłoszenia problemu.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>&amp;Dołącz ostatni plan (częstotliwości klienta)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Raport diagnostyczny zapisano jako %s</translation>
    </message>
</context>
</TS>
