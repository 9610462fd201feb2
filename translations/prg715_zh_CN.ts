<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建文档
新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开现有文档
打开</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>打开备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>打开先前读频或写频时保存的方案
打开备份</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>导入 CSV(&amp;I)...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>从 CSV 信道列表读取信道到方案中
导入 CSV</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>将方案的信道写成 CSV 信道列表
导出 CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出应用程序；会提示保存文档
退出</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>选项功能
选项</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>从对讲机读取数据
读频</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>将数据写入对讲机
写频</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>COM1(&amp;C)</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>COM 端口 1
COM 端口 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>COM2(&amp;C)</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>COM 端口 2
COM 端口 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>串口设备(&amp;S)...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>选择 COM1 和 COM2 对应的串口设备
串口设备</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>写频前先读频(&amp;R)</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>每次写频前先读取对讲机，保存为备份，并检查方案是否适用于该型号
写频前先读频</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>写频后校验(&amp;V)</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>每次写频后回读对讲机，并与写入的数据比较
写频后校验</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>撤销对方案的最后一次更改
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>重做最后撤销的更改
重做</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>将所选信道复制为表格行
复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>从当前信道开始向下粘贴信道行
粘贴</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>清除信道(&amp;L)</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>清除所选信道
清除信道</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>选择方案中的所有信道
全选</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>扫描开(&amp;O)</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>将所选信道加入扫描列表
扫描开</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>扫描关(&amp;F)</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>将所选信道移出扫描列表
扫描关</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>高功率(&amp;H)</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>所选信道以高功率发射
高功率</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>低功率(&amp;W)</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>所选信道以低功率发射
低功率</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>间隔 S(&amp;S)</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>所选信道使用标准信道间隔
间隔 S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>间隔 N(&amp;N)</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>所选信道使用窄带信道间隔
间隔 N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>关于 PRG-715(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>端口(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
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
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;ANCEL</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>频率(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>信令(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>反相(&amp;I)</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>频率(&amp;Q)</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>信令(&amp;G)</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>反相(&amp;V)</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>非标准 CTCSS #1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>非标准 CTCSS #2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>存储器映像</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>选择对讲机型号</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>选择对讲机型号</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 信道</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 信道</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>对讲机选项功能</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>禁止发射(&amp;I)</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>优先回看时间(&amp;L)</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>延时(&amp;Y)</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>速度(&amp;P)</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>接收开(&amp;O)</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>接收关(&amp;F)</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>延时(&amp;A)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>串口设备</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>本计算机上的串口设备：</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>用作 COM1(&amp;1)</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>用作 COM2(&amp;2)</translation>
    </message>
    <message>
        <source>COM&amp;1:</source>
        <translation>COM1(&amp;1)：</translation>
    </message>
    <message>
        <source>COM&amp;2:</source>
        <translation>COM2(&amp;2)：</translation>
    </message>
    <message>
        <source>(none found; type the path below)</source>
        <translation>（未找到；请在下方输入路径）</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>本次运行中 %1 为 %2（命令行或虚拟对讲机）；除非在此更改 %1，否则保持不变。</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>静噪</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
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
        <translation>功率</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>存储器映像</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>关于 PRG-715</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 版本 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>无法保存文件！</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>无法打开文件！</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>无法打开 PORT1</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>无法打开 PORT2</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>创建 ThreadWatchComm 时出错： </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead 已满！</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>已选择 COM 端口 1</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>已选择 COM 端口 2</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>请检查对讲机电源开/关或通信电缆！</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>出错！请重试..</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>读取完成！</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>写入完成！</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>正在写入...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>正在等待对讲机...（按 Esc 放弃）</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>第 %d 步，共 %d 步：读取对讲机</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>第 %d 步，共 %d 步：写入</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>第 %d 步，共 %d 步：回读校验</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>尚无应答：请检查对讲机已开机并处于编程模式，且电缆已连接到 %s</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>传输无法中断：在传输结束前请保持对讲机开机。</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>请先新建数据！ </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>此信道没有频率！</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>已设置优先信道！</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>请选择对讲机型号！ </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>请输入有效的发射频率！</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>有效设置 50.0 至 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>有效设置 10 至 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>有效设置 5 至 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>有效设置 0.05 至 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>有效设置 0.05 至 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>有效设置 0.10 至 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>请输入有效的接收频率！</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>此方案中没有该信道！</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>标记空闲需要开启遇忙禁发</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>有效设置 0 至 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>有效设置 0 至 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>有效设置 1 至 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>不是列表中的 CTCSS 亚音！</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>不是列表中的 DCS 数字码！</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>频段 %d 不是该对讲机的频段（0 至 %d）</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>信道 %d：RX %s MHz 和 TX %s MHz 既不在 6.25 kHz 也不在 5 kHz 步进上</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>信道 %d：%s %s MHz 不在该信道步进的 %s kHz 栅格上</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>信道 %d：RX %s MHz 对对讲机而言为 0 Hz；请输入频率或清除该信道</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>信道 %d：TX %s MHz 对对讲机而言为 0 Hz；请输入频率或清除它</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>信道 %d：%s %s MHz 超出了对讲机频率合成器的设置范围</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>信道 %d：%s 信令类型 %d 不是 CSQ、CTCSS、DCS、NSC-1 或 NSC-2 中的任何一种</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>信道 %d：%s CTCSS 亚音编号 %d 超出亚音列表（0 至 %d）</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>信道 %d：%s DCS 码编号 %d 超出代码列表（0 至 %d）</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>NSC-%d 亚音 %s Hz 超出 50.0 至 300.0 Hz 范围</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>NSC-%d 亚音 %s Hz 从对讲机回读时将为 %s Hz</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>选项 %s（%s）超出对讲机存储器的容纳范围</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>选项 %s（%s）从对讲机回读时将为 %s</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>不是对讲机映像：%zu 字节，至少应为 %zu 字节</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>不是对讲机映像：%zu 字节，最多应为 %zu 字节</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>此方案包含超出对讲机范围的值。按存储原样显示；写入对讲机前请先更正。</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s 为 %d，不是 0 或 1</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>信道 %d：%s 标志为 %d，不是 0 或 1</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s 为 %d，超出 %d 至 %d</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s 为 %g 秒，超出 %s</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>信道 %d：%s %.4f MHz 超出频段（%s）</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>信道 %d：%s NSC-%d 亚音 %g Hz 超出 50.0 至 300.0 Hz 范围</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>信道 %d：%s NSC-%d 亚音 %g Hz 不是对讲机的 NSC-%d 亚音（%g Hz，取自信道 1）</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>信道 %d 和 %d 都标记为%s；对讲机只保留一个</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>优先信道标志为 1，但没有信道标记为优先</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... 另有 %zu 项</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s：没有此设备</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s：权限不足；&apos;%s&apos; 组的成员可以使用（通常为 dialout：sudo usermod -aG dialout $USER，然后重新登录）</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s：正被其他程序使用</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s：不是串口设备</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s：线路设置被拒绝（%s）</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s：不支持的线路设置</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>对讲机在 %g 秒内未应答</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>串口线路已断开</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>无法向串口线路发送数据</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>对讲机应答 0x%02X，而不是 0x%02X</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>第 %d 块（共 33 块）以 0x%02X 结束，而不是 0x06</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>第 %d 块（共 33 块）在 %d 字节（共 65 字节）后停止</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>对讲机未确认写入</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>对讲机确认为 0x%02X，而不是 0x36</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>等待对讲机时已取消</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>传输过程中被中断</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>无法从 &quot;port.port&quot; 读取串口选择。已选择 COM 端口 1。</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>KM41、KM42、KM161 和 KM162 对讲机编程工具</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>无法打印报告！</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>文本超过 %zu 字节：不是信道列表</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>该文件包含二进制数据，不是逗号分隔的文本</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>第 %d 行有未闭合的引号字段</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>文本中没有任何行</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>没有列名标题行（Location,Name,Frequency,Duplex,Offset,Tone,...）</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>第 %d 行：%s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>第 %d 行，信道 %d：%s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>已采用行数：%zu，已拒绝：%zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s“%s”不是数字</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s“%s”不是 %s 中的任何一个</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s“%s”不是信道号</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s“%s”不是 DCS 码</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High、Low 或瓦数</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>此行中没有%s</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>信道 %d 已在第 %d 行中给出</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s 亚音 %s Hz：%s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s DCS 码 %s：%s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s 亚音 %s Hz 将成为第三个非标准亚音（NSC-1 为 %s Hz，NSC-2 为 %s Hz）</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>频率 %s 已调整到 12.5 kHz 步进，存储为 %s</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>方案将没有优先信道：设置新优先信道的第 %d 行被拒绝</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... 另有 %zu 行被拒绝</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>信道 %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>无法导入文件！</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>更改内容：</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>没有更改。</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>被拒绝的行：</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>无法粘贴！</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>部分行未粘贴。</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>请输入 %s 的设备完整路径，例如 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>请以 COM 端口形式输入 %s 的设备，例如 COM7</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>%s 上的虚拟对讲机，作为 COM1</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>虚拟对讲机未启动：%s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s：无法读取（%s）</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>它通过伪终端应答，而本系统不支持伪终端</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio 将虚拟对讲机置于 COM1：请不要使用 --com1</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s 需要设备路径</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>无法将设置保存到 %s：%s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>文件超过 %zu 字节</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>保存对方案的更改吗？</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>（对讲机）</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s（%s，%d 信道）</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>最后读取的对讲机为 %s；此方案适用于 %s。仍要写入吗？</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>对讲机为 %s；此方案适用于 %s：未写入任何内容（--force 可强制写入）</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>对讲机为 %s；此方案适用于 %s：已强制写入（--force）</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>已校验：对讲机中保存的是该方案</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>对讲机中保存的不是写入的方案（写入 -&gt; 回读）：</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>无法校验写入：未能回读对讲机。</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>存储器字节 %zu：0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>已保存备份：%s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>未保存备份：%s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME 和 HOME 均未设置</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s：%s 的所有备份名称均已被占用</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>打开备份</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>%s 中的备份</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>%s 中尚无备份</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>已用信道</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>已写入，未校验</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>已拒绝：型号不同</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>失败：%s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>失败： </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>请连接对讲机 %d 并按 Enter（输入标签，或输入 q 停止）：</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>作业 %s，每台对讲机记录在 %s</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>对讲机 %d%s：%s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>对讲机 %d 失败：重试、跳过还是停止？[r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>无法写入编程日志：%s：%s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s：不是编程日志（第一行不是其标题行）</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s：已略去 %d 行损坏的内容</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s：超过 %zu 字节</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>%s 中没有对讲机</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>没有标签为“%s”的对讲机（在 %s 中）</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>撤销 %s(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>重做 %s(&amp;R)</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>信道 %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s（信道 %s）</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>信道 %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>信道 %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>清除%s</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>粘贴%s</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>导入%s</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s、%s 及另外 %zu 项</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d 至 %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>清除信道 %s 吗？</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>清除信道 %s 吗？</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>RX Squelch</source>
        <translation>接收静噪</translation>
    </message>
    <message>
        <source>TX Squelch</source>
        <translation>发射静噪</translation>
    </message>
    <message>
        <source>RX CTCSS Tone</source>
        <translation>接收 CTCSS 亚音</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>发射 CTCSS 亚音</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>接收 DCS 码</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>发射 DCS 码</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>接收 DCS 反相</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>发射 DCS 反相</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>NSC-1 亚音</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>NSC-2 亚音</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>信道间隔</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>开机</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>发射限时时间</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>发射延时</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>遇忙禁发</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>标记空闲</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>扫描指示</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>优先回看时间</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>扫描延时</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>扫描速度</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>载波 + 亚音</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>扫描发射</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>接收开启时间</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>接收关闭时间</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>省电延时</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>批量编程(&amp;P)...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>逐台将方案写入对讲机，每台先读取、检查并记录日志
批量编程</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>对讲机历史(&amp;H)...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>根据编程日志列出已编程的对讲机
对讲机历史</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>批量编程</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>作业开始前</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>回读并比较每台对讲机(&amp;B)</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>编程台数(&amp;A)</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>台（0 或留空：直到停止）</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>日志文件夹(&amp;L)：</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>编程日志文件夹</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>选择编程日志所在的文件夹。</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>跳过(&amp;K)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>作业 %s：每台对讲机记录在 %s</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>请连接对讲机 %d，输入或扫描其标签后按 Enter</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>正在为对讲机 %d 编程</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>对讲机 %d 失败：%s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>对讲机 %d：第 %d 步，共 %d 步：读取对讲机</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>对讲机 %d：第 %d 步，共 %d 步：写入</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>对讲机 %d：第 %d 步，共 %d 步：回读校验</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>对讲机历史</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>%s 中的对讲机</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>标签(&amp;L)：</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>所有标签</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>作业</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>打开之前(&amp;B)</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>打开之后(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比较(&amp;C)</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>之前和之后</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>对讲机 %d%s（作业 %s），之前 -&gt; 之后：</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>对讲机在之前和之后保存的方案相同。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>系统语言(&amp;S)</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>PRG-715 将在下次启动时显示您选择的语言。</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s 关</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s 开</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d 台对讲机：%d 台已校验，%d 台写入未校验，%d 台被拒绝，%d 台失败</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>%d 台对讲机：%d 台已校验，%d 台写入未校验，%d 台被拒绝，%d 台失败</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Rx 静噪</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Rx 静噪值</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Tx 静噪</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Tx 静噪值</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>high</source>
        <translation>高</translation>
    </message>
    <message>
        <source>low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>内存映射</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>已编程的对讲机</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>本次任务的对讲机</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>对讲机标签</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>用户手册(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>打开用户手册
用户手册</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>PRG-715 用户手册</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>任意章节中的词语；按 Enter 或 F3 查找下一个</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>没有章节包含“%s”。</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>未找到用户手册。已查找以下文件夹：

%s

请将 PRG715_MANUAL_DIR 设为包含其 index.md 的文件夹。</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>自由软件，依据 GNU 通用公共许可证第 3 版或更高版本发布</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>用户手册：%s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>用户手册：未安装</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>保存诊断报告(&amp;D)...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>保存一份报告，附在电台问题的报告中
保存诊断报告</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>保存诊断报告</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>报告包含程序版本、平台、串口设备、设置、最近的传输跟踪记录以及最近备份的名称。请将其附在您的问题报告中。</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>包含最后一个计划（客户的频率）(&amp;I)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>诊断报告已保存为 %s</translation>
    </message>
</context>
</TS>
