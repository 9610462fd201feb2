<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Criar um novo documento
Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir um documento existente
Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Abrir &amp;backup...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>Abrir um plano guardado de uma leitura ou gravação anterior
Abrir backup</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salvar o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>Ler canais de uma lista de canais CSV para o plano
Importar CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>Gravar os canais do plano como lista de canais CSV
Exportar CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir o documento ativo
Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sair do aplicativo; pergunta se deseja salvar os documentos
Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>Recursos opcionais
Opções</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Ler do rádio</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>Ler do rádio
Ler do rádio</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>&amp;Gravar no rádio</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>Gravar no rádio
Gravar no rádio</translation>
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
        <translation>&amp;Dispositivos seriais...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>Escolher os dispositivos seriais que correspondem a COM1 e COM2
Dispositivos seriais</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>&amp;Ler o rádio antes de gravar</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>Antes de cada gravação, ler o rádio, guardá-lo como backup e verificar se o plano é para o modelo dele
Ler o rádio antes de gravar</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>&amp;Verificar após gravar</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>Após cada gravação, ler o rádio de novo e comparar com o que foi enviado
Verificar após gravar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>Desfazer a última alteração do plano
Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Refazer a última alteração desfeita
Refazer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>Copiar os canais selecionados como linhas de planilha
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>Colar linhas de canais a partir do canal atual para baixo
Colar</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>Li&amp;mpar canais</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>Limpar os canais selecionados
Limpar canais</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>Selecionar todos os canais do plano
Selecionar tudo</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>&amp;Varredura ligada</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>Incluir os canais selecionados na lista de varredura
Varredura ligada</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Varredura &amp;desligada</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>Retirar os canais selecionados da lista de varredura
Varredura desligada</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>Potência &amp;alta</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>Transmitir em potência alta nos canais selecionados
Potência alta</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>Potência &amp;baixa</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>Transmitir em potência baixa nos canais selecionados
Potência baixa</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>Espaçamento &amp;S</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>Espaçamento de canal padrão nos canais selecionados
Espaçamento S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>Espaçamento &amp;N</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>Espaçamento de canal estreito nos canais selecionados
Espaçamento N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>&amp;Sobre o PRG-715...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número de versão e copyright
Sobre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
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
        <translation>C&amp;ANCELAR</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>&amp;limpar</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>&amp;Freq.</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>&amp;Sinalização</translation>
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
        <translation>Fre&amp;q.</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>Si&amp;nalização</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>In&amp;vertido</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>Ctcss não padrão nº 1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>Ctcss não padrão nº 2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>Mapa de memória</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>Selecionar modelo de rádio</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>Selecionar modelos de rádio</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 canais</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 canais</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>Recursos opcionais do rádio</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varredura</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>Economia de energia</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>Compansor de áudio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>&amp;Inibir Tx</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>Tempo de retorno &amp;Pr</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>Ret&amp;ardo</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>Ve&amp;locidade</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>&amp;Rx ligado</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>Rx desli&amp;gado</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Ler do rádio</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Dispositivos seriais</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>Dispositivos seriais deste computador:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
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
        <translation>Número de série</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
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
        <translation>(nenhum encontrado; digite o caminho abaixo)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>Nesta execução %1 é %2 (linha de comando ou rádio virtual); continua assim a menos que você altere %1 aqui.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Gravar no rádio</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Freq. Rx</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Freq. Tx</translation>
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
        <translation>MAPA DE MEMÓRIA</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>Sobre o PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 versão 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>Não é possível salvar o arquivo!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>Não é possível abrir o arquivo!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>Falha ao abrir PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>Falha ao abrir PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>Erro ao criar ThreadWatchComm, </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead CHEIA!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>Porta COM 1 selecionada</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>Porta COM 2 selecionada</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>Verifique se o rádio está ligado ou o cabo de comunicação!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>Erro! Tente novamente.</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>Leitura concluída!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>Gravação concluída!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>Aguardando o rádio... (Esc desiste)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>Passo %d de %d: lendo o rádio</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>Passo %d de %d: gravando</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>Passo %d de %d: relendo para verificar</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>Ainda sem resposta: verifique se o rádio está ligado, em modo de programação e se o cabo está em %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>A transferência não pode ser interrompida: mantenha o rádio ligado até o fim.</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>Crie novos dados primeiro! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>Não há frequência neste canal!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>O canal prioritário já estava configurado!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>Selecione um modelo de rádio! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>Informe uma frequência TX válida!</translation>
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
        <translation>Informe uma frequência RX válida!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>Este plano não tem esse canal!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>Marcado livre requer Bloqueio canal ocupado ligado</translation>
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
        <translation>Não é um tom CTCSS da lista!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>Não é um código DCS da lista!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>A banda %d não é uma das bandas do rádio (0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>Canal %d: RX %s MHz e TX %s MHz não estão na grade de 6.25 kHz nem na de 5 kHz</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>Canal %d: %s %s MHz não está na grade de %s kHz do passo do canal</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>Canal %d: RX %s MHz é 0 Hz para o rádio; informe a frequência ou limpe o canal</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>Canal %d: TX %s MHz é 0 Hz para o rádio; informe a frequência ou limpe-a</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>Canal %d: %s %s MHz está além do que o sintetizador do rádio permite</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>Canal %d: a sinalização %s de tipo %d não é nenhuma de CSQ, CTCSS, DCS, NSC-1 e NSC-2</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>Canal %d: o tom CTCSS %s número %d está fora da lista de tons (0 a %d)</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>Canal %d: o código DCS %s número %d está fora da lista de códigos (0 a %d)</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>O tom NSC-%d de %s Hz está fora de 50.0 a 300.0 Hz</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>O tom NSC-%d de %s Hz seria lido do rádio como %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>A opção %s (%s) não cabe na memória do rádio</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>A opção %s (%s) seria lida do rádio como %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>Não é uma imagem de rádio: %zu bytes, esperados no mínimo %zu</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>Não é uma imagem de rádio: %zu bytes, esperados no máximo %zu</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>Este plano contém valores fora das faixas do rádio. Ele é exibido como foi salvo; corrija-os antes de gravá-lo em um rádio.</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s é %d, não 0 ou 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>Canal %d: o indicador %s é %d, não 0 ou 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s é %d, fora de %d a %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s é %g s, fora de %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>Canal %d: %s %.4f MHz está fora da banda (%s)</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>Canal %d: o tom %s NSC-%d de %g Hz está fora de 50.0 a 300.0 Hz</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>Canal %d: o tom %s NSC-%d de %g Hz não é o tom NSC-%d do rádio (%g Hz, o do canal 1)</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>Os canais %d e %d estão ambos marcados como %s; o rádio mantém um</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>O indicador de canal prioritário é 1, mas nenhum canal está marcado como prioritário</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... e mais %zu</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: dispositivo inexistente</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: permissão negada; membros do grupo &apos;%s&apos; podem usá-lo (geralmente dialout: sudo usermod -aG dialout $USER e entre novamente na sessão)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: em uso por outro programa</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: não é um dispositivo serial</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: as configurações da linha foram recusadas (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: configurações da linha não suportadas</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>o rádio não respondeu em %g s</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>a linha serial desapareceu</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>não foi possível enviar para a linha serial</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>o rádio respondeu 0x%02X em vez de 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>o bloco %d de 33 terminou com 0x%02X em vez de 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>o bloco %d de 33 parou após %d de seus 65 bytes</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>o rádio não confirmou a gravação</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>o rádio confirmou com 0x%02X em vez de 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>cancelado enquanto aguardava o rádio</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>interrompido durante a transferência</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>Não é possível ler a porta serial escolhida de &quot;port.port&quot;. A porta COM 1 foi selecionada.</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>Ferramenta de programação para os rádios KM41, KM42, KM161 e KM162</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>Não é possível imprimir o relatório!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>o texto tem mais de %zu bytes: não é uma lista de canais</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>o arquivo contém dados binários, não texto separado por vírgulas</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>a linha %d abre um campo entre aspas que nunca é fechado</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>o texto não tem linhas</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>não há linha de cabeçalho com os nomes das colunas (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>linha %d: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>linha %d, canal %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>linhas aceitas: %zu, recusadas: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; não é um número</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; não é nenhum de %s</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; não é um número de canal</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; não é um código DCS</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High, Low ou uma potência em watts</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>não há %s nesta linha</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>o canal %d já consta na linha %d</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s tom %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s código DCS %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s tom %s Hz seria um terceiro tom não padrão (NSC-1 é %s Hz, NSC-2 %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>Frequência %s ajustada à grade de 12.5 kHz, %s salva</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>o plano ficaria sem canal prioritário: a linha %d, que define o novo, foi recusada</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... e mais %zu linhas recusadas</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>canal %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opção</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>Não é possível importar o arquivo!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>O que muda:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>Nada muda.</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>Linhas recusadas:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>Não é possível colar!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>Algumas linhas não foram coladas.</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>Informe o dispositivo de %s como caminho completo, por exemplo /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>Informe o dispositivo de %s como porta COM, por exemplo COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>Rádio virtual em %s como COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>o rádio virtual não iniciou: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: não é possível ler (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>ele responde em um pseudoterminal, que este sistema não tem</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio coloca o rádio virtual em COM1: omita --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s precisa do caminho de um dispositivo</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>Não é possível salvar as configurações em %s: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>o arquivo tem mais de %zu bytes</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>Salvar as alterações do plano?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(rádio)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s, %d canais)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>O último rádio lido é um %s; este plano é para um %s. Gravar mesmo assim?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>o rádio é um %s; este plano é para um %s: nada foi gravado (--force grava mesmo assim)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>o rádio é um %s; este plano é para um %s: gravado mesmo assim (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>Verificado: o rádio contém o plano</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>O rádio não contém o plano gravado (gravado -&gt; relido):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>Não foi possível verificar a gravação: o rádio não foi relido.</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>byte de memória %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>Backup guardado: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>Nenhum backup guardado: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>nem XDG_DATA_HOME nem HOME está definido</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: todos os nomes de backup de %s estão em uso</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Abrir backup</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>Backups em %s</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>Ainda não há backups em %s</translation>
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
        <translation>Canais em uso</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>gravado sem verificar</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>recusado: outro modelo</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>falha: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>falha: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>Conecte o rádio %d e pressione Enter (etiqueta, ou q para parar):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>trabalho %s, cada rádio registrado em %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>rádio %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>O rádio %d falhou: Repetir (r), Pular (s) ou Parar (q)? [r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>Não foi possível gravar o registro de programação: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: não é um registro de programação (a primeira linha não é o cabeçalho)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: %d linhas danificadas omitidas</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: mais de %zu bytes</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>Nenhum rádio em %s</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>Nenhum rádio com a etiqueta &quot;%s&quot; em %s</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>&amp;Desfazer %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>&amp;Refazer %s</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>Canal %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s nos canais %s</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>Canal %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>Canais %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>Limpar %s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>Colar %s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>Importar %s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s, %s e mais %zu</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d a %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>Limpar o canal %s?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>Limpar os canais %s?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Frequência RX</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Frequência TX</translation>
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
        <translation>Tom CTCSS RX</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>Tom CTCSS TX</translation>
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
        <translation>Tom NSC-1</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>Tom NSC-2</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Canal ao ligar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>Limite de Tx</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tempo limite de Tx</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Inibir Tx</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Retardo de Tx</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>Bloqueio canal ocupado</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>Marcado livre</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>Indicador de varredura</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bipe</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>Tempo de retorno Pr</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>Retardo de varredura</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Velocidade de varredura</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>Portadora + tom</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>Tx na varredura</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>Tempo Rx ligado</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>Tempo Rx desligado</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>Retardo de economia</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>&amp;Programar vários rádios...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>Gravar o plano em um rádio após o outro, cada um lido antes, verificado e registrado
Programar vários rádios</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>&amp;Histórico de rádios...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>Listar os rádios programados, a partir do registro de programação
Histórico de rádios</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar vários rádios</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>Antes do trabalho</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>Re&amp;ler e comparar cada rádio</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Parar &amp;após</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>rádios (0 ou vazio: até Parar)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>Pasta do re&amp;gistro:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Pro&amp;curar...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>Pasta do registro de programação</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>Escolha a pasta do registro de programação.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>P&amp;ular</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>Trabalho %s: cada rádio é registrado em %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>Conecte o rádio %d, digite ou escaneie sua etiqueta e pressione Enter</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>O rádio %d está sendo programado</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>O rádio %d falhou: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>Rádio %d: passo %d de %d: lendo o rádio</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>Rádio %d: passo %d de %d: gravando</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>Rádio %d: passo %d de %d: relendo para verificar</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
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
        <translation>Histórico de rádios</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>Rádios em %s</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Etiqueta:</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>todas as etiquetas</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>Abrir &amp;antes</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>Abrir &amp;depois</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>Antes e depois</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>Rádio %d%s do trabalho %s, antes -&gt; depois:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>O rádio tinha o mesmo plano antes e depois.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>O PRG-715 exibirá o idioma escolhido na próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s desligado</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s ligado</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d rádio: %d verificado, %d gravado sem verificação, %d recusado, %d com falha</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d rádios: %d verificados, %d gravados sem verificação, %d recusados, %d com falha</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Squelch Rx</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Valor do squelch Rx</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Squelch Tx</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Valor do squelch Tx</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baixa</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>estreito</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>Mapa de memória</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>Rádios programados</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>Rádios deste trabalho</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>Etiqueta do rádio</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>Manual do &amp;usuário</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>Abrir o manual do usuário
Manual do usuário</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>Manual do usuário do PRG-715</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>uma palavra em qualquer capítulo; Enter ou F3 para a próxima</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>Nenhum capítulo contém &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>O manual do usuário não foi encontrado. Pastas verificadas:

%s

Defina PRG715_MANUAL_DIR como a pasta que contém o index.md dele.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>Manual do usuário: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>Manual do usuário: não instalado</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Salvar relatório de &amp;diagnóstico...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>Salvar um relatório para anexar à notificação de um problema com um rádio
Salvar relatório de diagnóstico</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Salvar relatório de diagnóstico</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>O relatório contém a versão do programa, a plataforma, os dispositivos seriais, as configurações, os últimos registros de transferência e os nomes dos backups recentes. Anexe-o ao seu relato do problema.</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>&amp;Incluir o último plano (as frequências de um cliente)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>Relatório de diagnóstico salvo como %s</translation>
    </message>
</context>
</TS>
