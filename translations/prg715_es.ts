<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Abrir &amp;copia de seguridad...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Abrir un plan guardado de una lectura o escritura anterior
Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Leer canales de una lista de canales CSV en el plan
Importar CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Escribir los canales del plan como lista de canales CSV
Exportar CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Funciones opcionales
Opciones</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Leer de la radio
Leer de la radio</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>&amp;Escribir en la radio</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Escribir en la radio
Escribir en la radio</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>&amp;COM1</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>Puerto COM 1
Puerto COM 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>&amp;COM2</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>Puerto COM 2
Puerto COM 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>&amp;Dispositivos serie...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Elegir los dispositivos serie que corresponden a COM1 y COM2
Dispositivos serie</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>&amp;Leer la radio antes de escribir</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Antes de cada escritura, leer la radio, guardarla como copia de seguridad y comprobar que el plan es para su modelo
Leer la radio antes de escribir</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Tras cada escritura, volver a leer la radio y compararla con lo enviado
Verificar tras escribir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Deshacer el último cambio del plan
Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rehacer el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Copiar los canales seleccionados como filas de hoja de cálculo
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Pegar filas de canales desde el canal actual hacia abajo
Pegar</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>&amp;Borrar canales</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Borrar los canales seleccionados
Borrar canales</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Seleccionar todos los canales del plan
Seleccionar todo</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>&amp;Escaneo activado</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Incluir los canales seleccionados en la lista de escaneo
Escaneo activado</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Escaneo &amp;desactivado</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Quitar los canales seleccionados de la lista de escaneo
Escaneo desactivado</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Potencia &amp;alta</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Transmitir con potencia alta en los canales seleccionados
Potencia alta</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Potencia ba&amp;ja</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Transmitir con potencia baja en los canales seleccionados
Potencia baja</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Separación &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Separación de canales estándar en los canales seleccionados
Separación S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Separación &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Separación de canales estrecha en los canales seleccionados
Separación N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>&amp;Acerca de PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>C&amp;ANCEL</source>
        <translation>CA&amp;NCELAR</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;borrar</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>&amp;Frec.</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>&amp;Señalización</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Invertido</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>Fre&amp;c.</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>Señali&amp;zación</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>In&amp;vertido</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>Ctcss no estándar n.º 1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>Ctcss no estándar n.º 2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Mapa de memoria</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Seleccionar modelo de radio</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Seleccionar modelos de radio</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 canales</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 canales</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Funciones opcionales de la radio</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Compansor de audio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>&amp;Inhibir Tx</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Tiempo revisión &amp;Pr</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>Ret&amp;ardo</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>Ve&amp;locidad</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>&amp;Rx activo</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx inacti&amp;vo</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>Retard&amp;o</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Dispositivos serie</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Dispositivos serie de este equipo:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>Usar para COM&amp;1</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>Usar para COM&amp;2</translation>
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
        <translation>(no se encontró ninguno; escriba la ruta abajo)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>En esta ejecución %1 es %2 (línea de comandos o radio virtual); seguirá así salvo que cambie %1 aquí.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Escribir en la radio</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Frec. Rx</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Silenciador</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Frec. Tx</translation>
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
        <translation>MAPA DE MEMORIA</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>Acerca de PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 versión 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>¡No se puede guardar el archivo!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>No se pudo abrir PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>No se pudo abrir PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Error al crear ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>¡m_QueueRead LLENA!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>Se seleccionó el puerto COM 1</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>Se seleccionó el puerto COM 2</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>¡Compruebe el encendido de la radio o el cable de comunicación!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>¡Error! Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>¡Lectura completada!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>¡Escritura completada!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Escribiendo...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>Esperando a la radio... (Esc para cancelar)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Paso %d de %d: leyendo la radio</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Paso %d de %d: escribiendo</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Paso %d de %d: releyendo para verificar</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Aún sin respuesta: compruebe que la radio está encendida, en modo de programación y que el cable está en %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>La transferencia no se puede interrumpir: mantenga la radio encendida hasta que termine.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>¡Cree primero datos nuevos! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>¡No hay frecuencia en este canal!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>¡El canal prioritario ya estaba configurado!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>¡Seleccione un modelo de radio! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>¡Introduzca una frecuencia TX válida!</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>Valores válidos: 50.0 a 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>Valores válidos: 10 a 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>Valores válidos: 5 a 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>Valores válidos: 0.05 a 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>Valores válidos: 0.05 a 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>Valores válidos: 0.10 a 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>¡Introduzca una frecuencia RX válida!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>¡Este plan no tiene ese canal!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Marcado libre requiere Bloqueo canal ocupado activado</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>Valores válidos: 0 a 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>Valores válidos: 0 a 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>Valores válidos: 1 a 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>¡No es un tono CTCSS de la lista!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>¡No es un código DCS de la lista!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>La banda %d no es una de las bandas de la radio (0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Canal %d: RX %s MHz y TX %s MHz no están en la rejilla de 6.25 kHz ni en la de 5 kHz</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Canal %d: %s %s MHz no está en la rejilla de %s kHz del paso del canal</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Canal %d: RX %s MHz es 0 Hz para la radio; introduzca la frecuencia o borre el canal</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Canal %d: TX %s MHz es 0 Hz para la radio; introduzca la frecuencia o bórrela</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Canal %d: %s %s MHz está fuera del alcance del sintetizador de la radio</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Canal %d: la señalización %s de tipo %d no es ninguna de CSQ, CTCSS, DCS, NSC-1 ni NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Canal %d: el tono CTCSS %s número %d está fuera de la lista de tonos (0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Canal %d: el código DCS %s número %d está fuera de la lista de códigos (0 a %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>El tono NSC-%d de %s Hz está fuera de 50.0 a 300.0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>El tono NSC-%d de %s Hz se leería de la radio como %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>La opción %s (%s) no cabe en la memoria de la radio</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>La opción %s (%s) se leería de la radio como %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>No es una imagen de radio: %zu bytes, se esperaban al menos %zu</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>No es una imagen de radio: %zu bytes, se esperaban como máximo %zu</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Este plan contiene valores fuera de los rangos de la radio. Se muestra tal como está guardado; corríjalos antes de escribirlo en una radio.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s es %d, no 0 ni 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Canal %d: el indicador %s es %d, no 0 ni 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s es %d, fuera de %d a %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s es %g s, fuera de %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Canal %d: %s %.4f MHz está fuera de la banda (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Canal %d: el tono %s NSC-%d de %g Hz está fuera de 50.0 a 300.0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Canal %d: el tono %s NSC-%d de %g Hz no es el tono NSC-%d de la radio (%g Hz, el del canal 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>Los canales %d y %d están marcados ambos como %s; la radio conserva uno</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>El indicador de canal prioritario es 1, pero ningún canal está marcado como prioritario</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... y %zu más</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: no existe ese dispositivo</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: permiso denegado; pueden usarlo los miembros del grupo &apos;%s&apos; (normalmente dialout: sudo usermod -aG dialout $USER y vuelva a iniciar sesión)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: en uso por otro programa</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: no es un dispositivo serie</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: se rechazó la configuración de línea (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: configuración de línea no admitida</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>la radio no respondió en %g s</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>la línea serie desapareció</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>no se pudo enviar a la línea serie</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>la radio respondió 0x%02X en lugar de 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>el bloque %d de 33 terminó con 0x%02X en lugar de 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>el bloque %d de 33 se detuvo tras %d de sus 65 bytes</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>la radio no confirmó la escritura</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>la radio confirmó con 0x%02X en lugar de 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>cancelado mientras se esperaba a la radio</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>interrumpido durante la transferencia</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>No se puede leer el puerto serie elegido de &quot;port.port&quot;. Se selecciona el puerto COM 1.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Herramienta de programación para las radios KM41, KM42, KM161 y KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>¡No se puede imprimir el informe!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>el texto ocupa más de %zu bytes: no es una lista de canales</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>el archivo contiene datos binarios, no texto separado por comas</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>la fila %d abre un campo entre comillas que nunca se cierra</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>el texto no contiene filas</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>no hay fila de encabezado con los nombres de columna (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>fila %d: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>fila %d, canal %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>filas aceptadas: %zu, rechazadas: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; no es un número</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; no es ninguno de %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; no es un número de canal</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; no es un código DCS</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low o una potencia en vatios</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>no hay %s en esta fila</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>el canal %d ya figura en la fila %d</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s tono %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s código DCS %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s tono %s Hz sería un tercer tono no estándar (NSC-1 es %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Frecuencia %s ajustada a la rejilla de 12.5 kHz, se guarda %s</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>el plan quedaría sin canal prioritario: se rechaza la fila %d, que configura el nuevo</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... y %zu filas rechazadas más</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>canal %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opción</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>¡No se puede importar el archivo!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>Qué cambia:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>No cambia nada.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Filas rechazadas:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>¡No se puede pegar!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Algunas filas no se pegaron.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Introduzca el dispositivo de %s como ruta completa, por ejemplo /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Introduzca el dispositivo de %s como puerto COM, por ejemplo COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Radio virtual en %s como COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>la radio virtual no se inició: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: no se puede leer (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>responde en un pseudoterminal, que este sistema no tiene</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio pone la radio virtual en COM1: omita --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s necesita la ruta de un dispositivo</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>No se puede guardar la configuración en %s: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>el archivo ocupa más de %zu bytes</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>¿Guardar los cambios del plan?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(radio)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, %d canales)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>La última radio leída es una %s; este plan es para una %s. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>la radio es una %s; este plan es para una %s: no se escribió nada (--force escribe de todos modos)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>la radio es una %s; este plan es para una %s: escrito de todos modos (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Verificado: la radio contiene el plan</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>La radio no contiene el plan escrito (escrito -&gt; releído):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>No se pudo verificar la escritura: la radio no se volvió a leer.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>byte de memoria %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Copia de seguridad guardada: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>No se guardó copia de seguridad: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no está definido ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: todos los nombres de copia de seguridad de %s están ocupados</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Copias de seguridad en %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Aún no hay copias de seguridad en %s</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d de %d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>Canales en uso</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>escrito sin verificar</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>rechazado: otro modelo</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>error: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Conecte la radio %d y pulse Intro (etiqueta, o q para terminar):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>trabajo %s, cada radio se registra en %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>radio %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>La radio %d falló: ¿Reintentar (r), Omitir (s) o Detener (q)? [r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>No se pudo escribir el registro de programación: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: no es un registro de programación (la primera línea no es su encabezado)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: se omitieron %d líneas dañadas</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: ocupa más de %zu bytes</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>No hay radios en %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>No hay radios con la etiqueta &quot;%s&quot; en %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Deshacer %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Rehacer %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Canal %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s en canales %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Canal %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Canales %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>Borrar %s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>Pegar %s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>Importar %s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s y %zu más</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d a %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>¿Borrar el canal %s?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>¿Borrar los canales %s?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Frecuencia RX</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Frecuencia TX</translation>
    </message>
    <message>
        <source>RX Squelch</source>
        <translation>Silenciador RX</translation>
    </message>
    <message>
        <source>TX Squelch</source>
        <translation>Silenciador TX</translation>
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
        <translation>Código DCS RX</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>Código DCS TX</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>DCS invertido RX</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>DCS invertido TX</translation>
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
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Canal de encendido</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Límite de Tx</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tiempo límite de Tx</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Inhibir Tx</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Retardo de Tx</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Bloqueo canal ocupado</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Marcado libre</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Indicador de escaneo</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Tiempo revisión Pr</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Retardo de escaneo</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Velocidad de escaneo</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Portadora + tono</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Tx en escaneo</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Tiempo Rx activo</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Tiempo Rx inactivo</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Retardo de ahorro</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>&amp;Programar varias radios...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Escribir el plan en una radio tras otra, leyendo, comprobando y registrando cada una
Programar varias radios</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Historial de radios...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Listar las radios programadas, según el registro de programación
Historial de radios</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varias radios</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Antes del trabajo</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>Rel&amp;eer y comparar cada radio</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Detener &amp;tras</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>radios (0 o vacío: hasta Detener)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>Carpeta del re&amp;gistro:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Carpeta del registro de programación</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Elija la carpeta del registro de programación.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Trabajo %s: cada radio se registra en %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Conecte la radio %d, escriba o escanee su etiqueta y pulse Intro</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>Se está programando la radio %d</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>La radio %d falló: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Radio %d: paso %d de %d: leyendo la radio</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Radio %d: paso %d de %d: escribiendo</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Radio %d: paso %d de %d: releyendo para verificar</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>Historial de radios</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Radios en %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etiqueta:</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>todas las etiquetas</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>Abrir &amp;antes</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>Abrir &amp;después</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Antes y después</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Radio %d%s del trabajo %s, antes -&gt; después:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>La radio tenía el mismo plan antes y después.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 mostrará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s desactivado</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s activado</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radio: %d verificada, %d escrita sin verificar, %d rechazada, %d con error</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d radios: %d verificadas, %d escritas sin verificar, %d rechazadas, %d con error</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Silenciador Rx</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Valor del silenciador Rx</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Silenciador Tx</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Valor del silenciador Tx</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>estrecho</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Mapa de memoria</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Radios programadas</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Radios de este trabajo</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Etiqueta de la radio</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>Manual de &amp;usuario</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Abrir el manual de usuario
Manual de usuario</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>Manual de usuario de PRG-715</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>una palabra en cualquier capítulo; Intro o F3 para la siguiente</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Ningún capítulo contiene «%s».</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>No se encontró el manual de usuario. Se buscó en estas carpetas:

%s

Indique en PRG715_MANUAL_DIR la carpeta que contiene su index.md.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Manual de usuario: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Manual de usuario: no instalado</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Guardar informe de &amp;diagnóstico...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Guardar un informe para adjuntar a la notificación de un problema con una radio
Guardar informe de diagnóstico</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Guardar informe de diagnóstico</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>El informe contiene la versión del programa, la plataforma, los dispositivos serie, la configuración, las últimas trazas de transferencia y los nombres de las copias de seguridad recientes. Adjúntelo a su informe del problema.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>&amp;Incluir el último plan (las frecuencias de un cliente)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Informe de diagnóstico guardado como %s</translation>
    </message>
</context>
</TS>
