<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>msg</name>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新しいドキュメントを作成します
新規</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>既存のドキュメントを開きます
開く</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>Open a plan kept from an earlier read or write
Open Backup</source>
        <translation>以前の読み込みまたは書き込みで保存したプランを開きます
バックアップを開く</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>アクティブなドキュメントを保存します
保存</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV のインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Read channels from a CSV channel list into the plan
Import CSV</source>
        <translation>CSV チャンネルリストからプランにチャンネルを読み込みます
CSV のインポート</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV のエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the plan&apos;s channels as a CSV channel list
Export CSV</source>
        <translation>プランのチャンネルを CSV チャンネルリストとして書き出します
CSV のエクスポート</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>アクティブなドキュメントを印刷します
印刷</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>アプリケーションを終了します。ドキュメントの保存を確認します
終了</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Option Features
Option</source>
        <translation>オプション機能
オプション</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>無線機から読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Read from Radio
Read from Radio</source>
        <translation>無線機から読み込みます
無線機から読み込み</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>無線機へ書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Write to Radio
Write to Radio</source>
        <translation>無線機へ書き込みます
無線機へ書き込み</translation>
    </message>
    <message>
        <source>&amp;COM1</source>
        <translation>COM1(&amp;C)</translation>
    </message>
    <message>
        <source>COM Port 1
COM Port 1</source>
        <translation>COM ポート 1
COM ポート 1</translation>
    </message>
    <message>
        <source>&amp;COM2</source>
        <translation>COM2(&amp;C)</translation>
    </message>
    <message>
        <source>COM Port 2
COM Port 2</source>
        <translation>COM ポート 2
COM ポート 2</translation>
    </message>
    <message>
        <source>&amp;Serial Devices...</source>
        <translation>シリアルデバイス(&amp;S)...</translation>
    </message>
    <message>
        <source>Choose the serial devices that COM1 and COM2 stand for
Serial Devices</source>
        <translation>COM1 と COM2 に割り当てるシリアルデバイスを選択します
シリアルデバイス</translation>
    </message>
    <message>
        <source>&amp;Read the radio before writing</source>
        <translation>書き込み前に無線機を読み込む(&amp;R)</translation>
    </message>
    <message>
        <source>Before each write, read the radio, keep it as a backup and check that the plan is for its model
Read the radio before writing</source>
        <translation>書き込みのたびに先に無線機を読み込み、バックアップとして保存し、プランがその機種用か確認します
書き込み前に無線機を読み込む</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>書き込み後に照合する(&amp;V)</translation>
    </message>
    <message>
        <source>After each write, read the radio back and compare it with what was sent
Verify after writing</source>
        <translation>書き込みのたびに無線機を読み戻し、送信した内容と比較します
書き込み後に照合する</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change to the plan
Undo</source>
        <translation>プランへの最後の変更を元に戻します
元に戻す</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>最後に元に戻した変更をやり直します
やり直し</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selected channels as spreadsheet rows
Copy</source>
        <translation>選択したチャンネルを表計算の行としてコピーします
コピー</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste channel rows onto the current channel and down
Paste</source>
        <translation>チャンネルの行を現在のチャンネルから下へ貼り付けます
貼り付け</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>チャンネルのクリア(&amp;L)</translation>
    </message>
    <message>
        <source>Clear the selected channels
Clear Channels</source>
        <translation>選択したチャンネルをクリアします
チャンネルのクリア</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Select every channel of the plan
Select All</source>
        <translation>プランのすべてのチャンネルを選択します
すべて選択</translation>
    </message>
    <message>
        <source>Scan &amp;On</source>
        <translation>スキャン オン(&amp;O)</translation>
    </message>
    <message>
        <source>Put the selected channels in the scan list
Scan On</source>
        <translation>選択したチャンネルをスキャンリストに加えます
スキャン オン</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>スキャン オフ(&amp;F)</translation>
    </message>
    <message>
        <source>Take the selected channels out of the scan list
Scan Off</source>
        <translation>選択したチャンネルをスキャンリストから外します
スキャン オフ</translation>
    </message>
    <message>
        <source>Power &amp;High</source>
        <translation>ハイパワー(&amp;H)</translation>
    </message>
    <message>
        <source>Transmit on high power on the selected channels
Power High</source>
        <translation>選択したチャンネルをハイパワーで送信します
ハイパワー</translation>
    </message>
    <message>
        <source>Power Lo&amp;w</source>
        <translation>ローパワー(&amp;W)</translation>
    </message>
    <message>
        <source>Transmit on low power on the selected channels
Power Low</source>
        <translation>選択したチャンネルをローパワーで送信します
ローパワー</translation>
    </message>
    <message>
        <source>Spacing &amp;S</source>
        <translation>間隔 S(&amp;S)</translation>
    </message>
    <message>
        <source>Standard channel spacing on the selected channels
Spacing S</source>
        <translation>選択したチャンネルを標準チャンネル間隔にします
間隔 S</translation>
    </message>
    <message>
        <source>Spacing &amp;N</source>
        <translation>間隔 N(&amp;N)</translation>
    </message>
    <message>
        <source>Narrow channel spacing on the selected channels
Spacing N</source>
        <translation>選択したチャンネルをナローチャンネル間隔にします
間隔 N</translation>
    </message>
    <message>
        <source>&amp;About PRG-715...</source>
        <translation>PRG-715 のバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>プログラム情報、バージョン番号、著作権を表示します
バージョン情報</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>ポート(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
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
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;ANCEL</source>
        <translation>キャンセル(&amp;A)</translation>
    </message>
    <message>
        <source>c&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>&amp;Freq</source>
        <translation>周波数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Signaling</source>
        <translation>信号方式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>反転(&amp;I)</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Fre&amp;q</source>
        <translation>周波数(&amp;Q)</translation>
    </message>
    <message>
        <source>Si&amp;gnaling</source>
        <translation>信号方式(&amp;G)</translation>
    </message>
    <message>
        <source>In&amp;verted</source>
        <translation>反転(&amp;V)</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #1</source>
        <translation>非標準 CTCSS #1</translation>
    </message>
    <message>
        <source>Non Standard Ctcss #2</source>
        <translation>非標準 CTCSS #2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Memory Map</source>
        <translation>メモリマップ</translation>
    </message>
    <message>
        <source>Select Radio Model</source>
        <translation>無線機の機種を選択</translation>
    </message>
    <message>
        <source>Select Radio Models</source>
        <translation>無線機の機種を選択</translation>
    </message>
    <message>
        <source>4 Channels</source>
        <translation>4 チャンネル</translation>
    </message>
    <message>
        <source>16 Channels</source>
        <translation>16 チャンネル</translation>
    </message>
    <message>
        <source>Radio Option Features</source>
        <translation>無線機のオプション機能</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>Audio Compander</source>
        <translation>コンパンダー</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Tx &amp;Inhibit</source>
        <translation>送信禁止(&amp;I)</translation>
    </message>
    <message>
        <source>Pr &amp;Lookback Time</source>
        <translation>優先ルックバック時間(&amp;L)</translation>
    </message>
    <message>
        <source>Dela&amp;y</source>
        <translation>遅延(&amp;Y)</translation>
    </message>
    <message>
        <source>S&amp;peed</source>
        <translation>速度(&amp;P)</translation>
    </message>
    <message>
        <source>Rx &amp;On</source>
        <translation>受信オン(&amp;O)</translation>
    </message>
    <message>
        <source>Rx O&amp;ff</source>
        <translation>受信オフ(&amp;F)</translation>
    </message>
    <message>
        <source>Del&amp;ay</source>
        <translation>遅延(&amp;A)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>無線機から読み込み</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>シリアルデバイス</translation>
    </message>
    <message>
        <source>Serial devices on this computer:</source>
        <translation>このコンピューターのシリアルデバイス:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>製造元</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Use for COM&amp;1</source>
        <translation>COM1 に使用(&amp;1)</translation>
    </message>
    <message>
        <source>Use for COM&amp;2</source>
        <translation>COM2 に使用(&amp;2)</translation>
    </message>
    <message>
        <source>COM&amp;1:</source>
        <translation>COM1(&amp;1):</translation>
    </message>
    <message>
        <source>COM&amp;2:</source>
        <translation>COM2(&amp;2):</translation>
    </message>
    <message>
        <source>(none found; type the path below)</source>
        <translation>(見つかりません。下にパスを入力してください)</translation>
    </message>
    <message>
        <source>For this run %1 is %2 (command line or virtual radio); it stays so unless you change %1 here.</source>
        <translation>今回の実行では %1 は %2 です (コマンドラインまたは仮想無線機)。ここで %1 を変更しない限りそのままです。</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>無線機へ書き込み</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>スケルチ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>送信周波数</translation>
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
        <translation>出力</translation>
    </message>
    <message>
        <source>CS</source>
        <translation>CS</translation>
    </message>
    <message>
        <source>MEMORY MAP</source>
        <translation>メモリマップ</translation>
    </message>
    <message>
        <source>Ver 2.5</source>
        <translation>Ver 2.5</translation>
    </message>
    <message>
        <source>About PRG-715</source>
        <translation>PRG-715 のバージョン情報</translation>
    </message>
    <message>
        <source>PRG-715 Version 2.5</source>
        <translation>PRG-715 バージョン 2.5</translation>
    </message>
    <message>
        <source>Cannot Save File!</source>
        <translation>ファイルを保存できません!</translation>
    </message>
    <message>
        <source>Cannot Open File!</source>
        <translation>ファイルを開けません!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>Fail to open PORT1</source>
        <translation>PORT1 を開けませんでした</translation>
    </message>
    <message>
        <source>Fail to open PORT2</source>
        <translation>PORT2 を開けませんでした</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, </source>
        <translation>ThreadWatchComm の作成中にエラーが発生しました: </translation>
    </message>
    <message>
        <source>m_QueueRead FULL!</source>
        <translation>m_QueueRead がいっぱいです!</translation>
    </message>
    <message>
        <source>COM Port 1 was selected</source>
        <translation>COM ポート 1 を選択しました</translation>
    </message>
    <message>
        <source>COM Port 2 was selected</source>
        <translation>COM ポート 2 を選択しました</translation>
    </message>
    <message>
        <source>Check your Radio power On/Off or Communication cable !</source>
        <translation>無線機の電源オン/オフまたは通信ケーブルを確認してください!</translation>
    </message>
    <message>
        <source>Error! please Retry..</source>
        <translation>エラー! もう一度実行してください..</translation>
    </message>
    <message>
        <source>Read Complete !</source>
        <translation>読み込み完了!</translation>
    </message>
    <message>
        <source>Write Complete !</source>
        <translation>書き込み完了!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>書き込み中...</translation>
    </message>
    <message>
        <source>Waiting for the radio... (Esc gives up)</source>
        <translation>無線機を待っています... (Esc で中止)</translation>
    </message>
    <message>
        <source>Step %d of %d: reading the radio</source>
        <translation>ステップ %d/%d: 無線機の読み込み</translation>
    </message>
    <message>
        <source>Step %d of %d: writing</source>
        <translation>ステップ %d/%d: 書き込み</translation>
    </message>
    <message>
        <source>Step %d of %d: reading back to verify</source>
        <translation>ステップ %d/%d: 照合のための読み戻し</translation>
    </message>
    <message>
        <source>No answer yet: check that the radio is on, in programming mode, and that the cable is in %s</source>
        <translation>まだ応答がありません: 無線機の電源がオンでプログラムモードになっていること、ケーブルが %s に接続されていることを確認してください</translation>
    </message>
    <message>
        <source>The transfer cannot be interrupted: keep the radio switched on until it ends.</source>
        <translation>転送は中断できません: 終了するまで無線機の電源を入れたままにしてください。</translation>
    </message>
    <message>
        <source>Please Create New Data First ! </source>
        <translation>先に新しいデータを作成してください! </translation>
    </message>
    <message>
        <source>No frequency in this channel !</source>
        <translation>このチャンネルには周波数がありません!</translation>
    </message>
    <message>
        <source>The priority channel was already set up !</source>
        <translation>優先チャンネルは既に設定されています!</translation>
    </message>
    <message>
        <source>Please select a Radio Model ! </source>
        <translation>無線機の機種を選択してください! </translation>
    </message>
    <message>
        <source>Input Valid TX Frequency!</source>
        <translation>有効な送信周波数を入力してください!</translation>
    </message>
    <message>
        <source>Valid Settings 50.0 to 300.0</source>
        <translation>有効な設定値 50.0 ～ 300.0</translation>
    </message>
    <message>
        <source>Valid Settings 10 to 990</source>
        <translation>有効な設定値 10 ～ 990</translation>
    </message>
    <message>
        <source>Valid Settings 5 to 75</source>
        <translation>有効な設定値 5 ～ 75</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 2.0</source>
        <translation>有効な設定値 0.05 ～ 2.0</translation>
    </message>
    <message>
        <source>Valid Settings 0.05 to 0.2</source>
        <translation>有効な設定値 0.05 ～ 0.2</translation>
    </message>
    <message>
        <source>Valid Settings 0.10 to 4.0</source>
        <translation>有効な設定値 0.10 ～ 4.0</translation>
    </message>
    <message>
        <source>Input Valid RX Frequency!</source>
        <translation>有効な受信周波数を入力してください!</translation>
    </message>
    <message>
        <source>No such channel in this plan !</source>
        <translation>このプランにそのチャンネルはありません!</translation>
    </message>
    <message>
        <source>Marked Idle needs Busy Ch Lockout On</source>
        <translation>マークドアイドルにはビジーロックアウトのオンが必要です</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 7</source>
        <translation>有効な設定値 0 ～ 7</translation>
    </message>
    <message>
        <source>Valid Settings 0 to 15</source>
        <translation>有効な設定値 0 ～ 15</translation>
    </message>
    <message>
        <source>Valid Settings 1 to 8</source>
        <translation>有効な設定値 1 ～ 8</translation>
    </message>
    <message>
        <source>Not a CTCSS tone of the list !</source>
        <translation>リストにある CTCSS トーンではありません!</translation>
    </message>
    <message>
        <source>Not a DCS code of the list !</source>
        <translation>リストにある DCS コードではありません!</translation>
    </message>
    <message>
        <source>Band %d is not one of the radio&apos;s bands (0 to %d)</source>
        <translation>バンド %d は無線機のバンド (0 ～ %d) ではありません</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz and TX %s MHz lie on neither the 6.25 kHz nor the 5 kHz raster</source>
        <translation>チャンネル %d: RX %s MHz と TX %s MHz は 6.25 kHz と 5 kHz のどちらのステップにも合っていません</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is not on the %s kHz raster of the channel&apos;s step</source>
        <translation>チャンネル %d: %s %s MHz はチャンネルのステップ %s kHz に合っていません</translation>
    </message>
    <message>
        <source>Channel %d: RX %s MHz is 0 Hz to the radio; enter the frequency or clear the channel</source>
        <translation>チャンネル %d: RX %s MHz は無線機では 0 Hz になります。周波数を入力するかチャンネルをクリアしてください</translation>
    </message>
    <message>
        <source>Channel %d: TX %s MHz is 0 Hz to the radio; enter the frequency or clear it</source>
        <translation>チャンネル %d: TX %s MHz は無線機では 0 Hz になります。周波数を入力するかクリアしてください</translation>
    </message>
    <message>
        <source>Channel %d: %s %s MHz is beyond what the radio&apos;s synthesizer can be set to</source>
        <translation>チャンネル %d: %s %s MHz は無線機のシンセサイザーで設定できる範囲を超えています</translation>
    </message>
    <message>
        <source>Channel %d: %s signalling type %d is none of CSQ, CTCSS, DCS, NSC-1 and NSC-2</source>
        <translation>チャンネル %d: %s の信号方式タイプ %d は CSQ、CTCSS、DCS、NSC-1、NSC-2 のいずれでもありません</translation>
    </message>
    <message>
        <source>Channel %d: %s CTCSS tone number %d is outside the tone list (0 to %d)</source>
        <translation>チャンネル %d: %s の CTCSS トーン番号 %d はトーンリスト (0 ～ %d) の範囲外です</translation>
    </message>
    <message>
        <source>Channel %d: %s DCS code number %d is outside the code list (0 to %d)</source>
        <translation>チャンネル %d: %s の DCS コード番号 %d はコードリスト (0 ～ %d) の範囲外です</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz is outside 50.0 to 300.0 Hz</source>
        <translation>NSC-%d トーン %s Hz は 50.0 ～ 300.0 Hz の範囲外です</translation>
    </message>
    <message>
        <source>NSC-%d tone %s Hz would read back from the radio as %s Hz</source>
        <translation>NSC-%d トーン %s Hz は無線機から %s Hz として読み戻されます</translation>
    </message>
    <message>
        <source>Option %s (%s) does not fit the radio&apos;s memory</source>
        <translation>オプション %s (%s) は無線機のメモリに収まりません</translation>
    </message>
    <message>
        <source>Option %s (%s) would read back from the radio as %s</source>
        <translation>オプション %s (%s) は無線機から %s として読み戻されます</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at least %zu expected</source>
        <translation>無線機のイメージではありません: %zu バイト (%zu バイト以上が必要)</translation>
    </message>
    <message>
        <source>Not a radio image: %zu bytes, at most %zu expected</source>
        <translation>無線機のイメージではありません: %zu バイト (%zu バイト以下が必要)</translation>
    </message>
    <message>
        <source>This plan holds values outside the radio&apos;s ranges. It is shown as stored; correct them before writing it to a radio.</source>
        <translation>このプランには無線機の範囲外の値が含まれています。保存されたとおりに表示しています。無線機に書き込む前に修正してください。</translation>
    </message>
    <message>
        <source>%s is %d, not 0 or 1</source>
        <translation>%s が %d です (0 または 1 ではありません)</translation>
    </message>
    <message>
        <source>Channel %d: %s flag is %d, not 0 or 1</source>
        <translation>チャンネル %d: %s フラグが %d です (0 または 1 ではありません)</translation>
    </message>
    <message>
        <source>%s is %d, outside %d to %d</source>
        <translation>%s が %d です (%d ～ %d の範囲外です)</translation>
    </message>
    <message>
        <source>%s is %g s, outside %s</source>
        <translation>%s が %g 秒です (%s の範囲外です)</translation>
    </message>
    <message>
        <source>Channel %d: %s %.4f MHz is outside the band (%s)</source>
        <translation>チャンネル %d: %s %.4f MHz はバンド (%s) の範囲外です</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is outside 50.0 to 300.0 Hz</source>
        <translation>チャンネル %d: %s NSC-%d トーン %g Hz は 50.0 ～ 300.0 Hz の範囲外です</translation>
    </message>
    <message>
        <source>Channel %d: %s NSC-%d tone %g Hz is not the radio&apos;s NSC-%d tone (%g Hz, channel 1&apos;s)</source>
        <translation>チャンネル %d: %s NSC-%d トーン %g Hz は無線機の NSC-%d トーン (%g Hz、チャンネル 1 の値) と異なります</translation>
    </message>
    <message>
        <source>Channels %d and %d are both marked %s; the radio keeps one</source>
        <translation>チャンネル %d と %d の両方が %s に設定されています。無線機は 1 つだけ保持します</translation>
    </message>
    <message>
        <source>Priority channel flag is 1, but no channel is marked priority</source>
        <translation>優先チャンネルのフラグが 1 ですが、優先に設定されたチャンネルがありません</translation>
    </message>
    <message>
        <source>... and %zu more</source>
        <translation>... ほか %zu 件</translation>
    </message>
    <message>
        <source>%s: no such device</source>
        <translation>%s: そのようなデバイスはありません</translation>
    </message>
    <message>
        <source>%s: permission denied; members of the group &apos;%s&apos; may use it (usually dialout: sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%s: アクセスが拒否されました。グループ &apos;%s&apos; のメンバーが使用できます (通常は dialout: sudo usermod -aG dialout $USER を実行してから再ログイン)</translation>
    </message>
    <message>
        <source>%s: in use by another program</source>
        <translation>%s: 別のプログラムが使用中です</translation>
    </message>
    <message>
        <source>%s: not a serial device</source>
        <translation>%s: シリアルデバイスではありません</translation>
    </message>
    <message>
        <source>%s: the line settings were refused (%s)</source>
        <translation>%s: 回線設定が拒否されました (%s)</translation>
    </message>
    <message>
        <source>%s: unsupported line settings</source>
        <translation>%s: サポートされていない回線設定です</translation>
    </message>
    <message>
        <source>the radio did not answer within %g s</source>
        <translation>無線機が %g 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>the serial line went away</source>
        <translation>シリアル回線が切断されました</translation>
    </message>
    <message>
        <source>could not send to the serial line</source>
        <translation>シリアル回線に送信できませんでした</translation>
    </message>
    <message>
        <source>the radio answered 0x%02X instead of 0x%02X</source>
        <translation>無線機の応答が 0x%02X でした (期待値 0x%02X)</translation>
    </message>
    <message>
        <source>block %d of 33 ended with 0x%02X instead of 0x06</source>
        <translation>ブロック %d/33 の終わりが 0x%02X でした (期待値 0x06)</translation>
    </message>
    <message>
        <source>block %d of 33 stopped after %d of its 65 bytes</source>
        <translation>ブロック %d/33 が 65 バイト中 %d バイトで止まりました</translation>
    </message>
    <message>
        <source>the radio did not confirm the write</source>
        <translation>無線機が書き込みを確認しませんでした</translation>
    </message>
    <message>
        <source>the radio confirmed with 0x%02X instead of 0x36</source>
        <translation>無線機の確認応答が 0x%02X でした (期待値 0x36)</translation>
    </message>
    <message>
        <source>cancelled while waiting for the radio</source>
        <translation>無線機の待機中にキャンセルされました</translation>
    </message>
    <message>
        <source>interrupted during the transfer</source>
        <translation>転送中に中断されました</translation>
    </message>
    <message>
        <source>Cannot read the serial port choice from &quot;port.port&quot;. COM Port 1 is selected.</source>
        <translation>&quot;port.port&quot; からシリアルポートの選択を読み込めません。COM ポート 1 を選択します。</translation>
    </message>
    <message>
        <source>Programming tool for the KM41, KM42, KM161 and KM162 radios</source>
        <translation>KM41、KM42、KM161、KM162 無線機用プログラミングツール</translation>
    </message>
    <message>
        <source>Cannot Print Report!</source>
        <translation>レポートを印刷できません!</translation>
    </message>
    <message>
        <source>the text is larger than %zu bytes: not a channel list</source>
        <translation>テキストが %zu バイトを超えています: チャンネルリストではありません</translation>
    </message>
    <message>
        <source>the file holds binary data, not comma-separated text</source>
        <translation>ファイルはバイナリデータで、カンマ区切りのテキストではありません</translation>
    </message>
    <message>
        <source>row %d opens a quoted field that never closes</source>
        <translation>%d 行目の引用符で囲まれたフィールドが閉じていません</translation>
    </message>
    <message>
        <source>the text holds no rows</source>
        <translation>テキストに行がありません</translation>
    </message>
    <message>
        <source>no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)</source>
        <translation>列名を示すヘッダー行がありません (Location,Name,Frequency,Duplex,Offset,Tone,...)</translation>
    </message>
    <message>
        <source>row %d: %s</source>
        <translation>%d 行目: %s</translation>
    </message>
    <message>
        <source>row %d, channel %d: %s</source>
        <translation>%d 行目、チャンネル %d: %s</translation>
    </message>
    <message>
        <source>rows taken: %zu, refused: %zu</source>
        <translation>取り込んだ行: %zu、拒否した行: %zu</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a number</source>
        <translation>%s &quot;%s&quot; は数値ではありません</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is none of %s</source>
        <translation>%s &quot;%s&quot; は %s のいずれでもありません</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a channel number</source>
        <translation>%s &quot;%s&quot; はチャンネル番号ではありません</translation>
    </message>
    <message>
        <source>%s &quot;%s&quot; is not a DCS code</source>
        <translation>%s &quot;%s&quot; は DCS コードではありません</translation>
    </message>
    <message>
        <source>High, Low or a wattage</source>
        <translation>High、Low またはワット数</translation>
    </message>
    <message>
        <source>no %s in this row</source>
        <translation>この行に %s がありません</translation>
    </message>
    <message>
        <source>channel %d is given in row %d already</source>
        <translation>チャンネル %d は既に %d 行目で指定されています</translation>
    </message>
    <message>
        <source>%s tone %s Hz: %s</source>
        <translation>%s トーン %s Hz: %s</translation>
    </message>
    <message>
        <source>%s DCS code %s: %s</source>
        <translation>%s DCS コード %s: %s</translation>
    </message>
    <message>
        <source>%s tone %s Hz would be a third non-standard tone (NSC-1 is %s Hz, NSC-2 %s Hz)</source>
        <translation>%s トーン %s Hz は 3 つ目の非標準トーンになります (NSC-1 は %s Hz、NSC-2 は %s Hz)</translation>
    </message>
    <message>
        <source>Frequency %s moved to the 12.5 kHz raster, %s stored</source>
        <translation>周波数 %s を 12.5 kHz ステップに合わせ、%s を保存しました</translation>
    </message>
    <message>
        <source>the plan would be left without a priority channel: row %d, which sets up the new one, is refused</source>
        <translation>プランに優先チャンネルがなくなります: 新しい優先チャンネルを設定する %d 行目は拒否されました</translation>
    </message>
    <message>
        <source>... and %zu more rows refused</source>
        <translation>... ほか %zu 行を拒否しました</translation>
    </message>
    <message>
        <source>channel %d</source>
        <translation>チャンネル %d</translation>
    </message>
    <message>
        <source>option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Cannot Import File!</source>
        <translation>ファイルをインポートできません!</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV のインポート</translation>
    </message>
    <message>
        <source>What changes:</source>
        <translation>変更内容:</translation>
    </message>
    <message>
        <source>Nothing changes.</source>
        <translation>変更はありません。</translation>
    </message>
    <message>
        <source>Rows refused:</source>
        <translation>拒否された行:</translation>
    </message>
    <message>
        <source>Cannot Paste!</source>
        <translation>貼り付けできません!</translation>
    </message>
    <message>
        <source>Some rows were not pasted.</source>
        <translation>一部の行は貼り付けられませんでした。</translation>
    </message>
    <message>
        <source>Enter the device of %s as a full path, for example /dev/ttyUSB0</source>
        <translation>%s のデバイスをフルパスで入力してください (例: /dev/ttyUSB0)</translation>
    </message>
    <message>
        <source>Enter the device of %s as a COM port, for example COM7</source>
        <translation>%s のデバイスを COM ポートで入力してください (例: COM7)</translation>
    </message>
    <message>
        <source>Virtual radio on %s as COM1</source>
        <translation>%s 上の仮想無線機 (COM1 として)</translation>
    </message>
    <message>
        <source>the virtual radio did not start: %s</source>
        <translation>仮想無線機を起動できませんでした: %s</translation>
    </message>
    <message>
        <source>%s: cannot read (%s)</source>
        <translation>%s: 読み込めません (%s)</translation>
    </message>
    <message>
        <source>it answers on a pseudo-terminal, which this system does not have</source>
        <translation>仮想無線機は疑似端末で応答しますが、このシステムには疑似端末がありません</translation>
    </message>
    <message>
        <source>--virtual-radio puts the virtual radio on COM1: leave out --com1</source>
        <translation>--virtual-radio は仮想無線機を COM1 に置きます: --com1 は指定しないでください</translation>
    </message>
    <message>
        <source>--%s needs a device path</source>
        <translation>--%s にはデバイスのパスが必要です</translation>
    </message>
    <message>
        <source>Cannot save the settings in %s: %s</source>
        <translation>%s に設定を保存できません: %s</translation>
    </message>
    <message>
        <source>the file is larger than %zu bytes</source>
        <translation>ファイルが %zu バイトを超えています</translation>
    </message>
    <message>
        <source>Save changes to the plan?</source>
        <translation>プランへの変更を保存しますか?</translation>
    </message>
    <message>
        <source>(radio)</source>
        <translation>(無線機)</translation>
    </message>
    <message>
        <source>%s (%s, %d channels)</source>
        <translation>%s (%s、%d チャンネル)</translation>
    </message>
    <message>
        <source>The radio read last is a %s; this plan is for a %s. Write anyway?</source>
        <translation>最後に読み込んだ無線機は %s ですが、このプランは %s 用です。書き込みますか?</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: nothing was written (--force writes anyway)</source>
        <translation>無線機は %s ですが、このプランは %s 用です: 何も書き込んでいません (--force で強制書き込み)</translation>
    </message>
    <message>
        <source>the radio is a %s; this plan is for a %s: written anyway (--force)</source>
        <translation>無線機は %s ですが、このプランは %s 用です: 強制的に書き込みました (--force)</translation>
    </message>
    <message>
        <source>Verified: the radio holds the plan</source>
        <translation>照合済み: 無線機にプランが書き込まれています</translation>
    </message>
    <message>
        <source>The radio does not hold the plan that was written (written -&gt; read back):</source>
        <translation>無線機の内容が書き込んだプランと一致しません (書き込み -&gt; 読み戻し):</translation>
    </message>
    <message>
        <source>The write could not be verified: the radio was not read back.</source>
        <translation>書き込みを照合できませんでした: 無線機を読み戻せませんでした。</translation>
    </message>
    <message>
        <source>memory byte %zu: 0x%02X -&gt; 0x%02X</source>
        <translation>メモリバイト %zu: 0x%02X -&gt; 0x%02X</translation>
    </message>
    <message>
        <source>Backup kept: %s</source>
        <translation>バックアップを保存しました: %s</translation>
    </message>
    <message>
        <source>No backup kept: %s</source>
        <translation>バックアップは保存されていません: %s</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>XDG_DATA_HOME も HOME も設定されていません</translation>
    </message>
    <message>
        <source>%s: every backup name of %s is taken</source>
        <translation>%s: %s のバックアップ名はすべて使用済みです</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>Backups in %s</source>
        <translation>%s 内のバックアップ</translation>
    </message>
    <message>
        <source>No backups yet in %s</source>
        <translation>%s にはまだバックアップがありません</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中のチャンネル</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>written without verify</source>
        <translation>照合なしで書き込み</translation>
    </message>
    <message>
        <source>refused: other model</source>
        <translation>拒否: 機種が異なる</translation>
    </message>
    <message>
        <source>failed: %s</source>
        <translation>失敗: %s</translation>
    </message>
    <message>
        <source>failed: </source>
        <translation>失敗: </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Connect radio %d and press Enter (label, or q to stop):</source>
        <translation>無線機 %d を接続して Enter を押してください (ラベル、または q で停止):</translation>
    </message>
    <message>
        <source>job %s, each radio logged in %s</source>
        <translation>ジョブ %s、各無線機を %s に記録</translation>
    </message>
    <message>
        <source>radio %d%s: %s</source>
        <translation>無線機 %d%s: %s</translation>
    </message>
    <message>
        <source>Radio %d failed: Retry, Skip or Stop? [r/s/q]</source>
        <translation>無線機 %d が失敗しました: 再試行、スキップ、停止? [r/s/q]</translation>
    </message>
    <message>
        <source>The programming log could not be written: %s: %s</source>
        <translation>プログラミングログを書き込めませんでした: %s: %s</translation>
    </message>
    <message>
        <source>%s: not a programming log (the first line is not its header)</source>
        <translation>%s: プログラミングログではありません (1 行目がヘッダーではありません)</translation>
    </message>
    <message>
        <source>%s: %d damaged lines left out</source>
        <translation>%s: 破損した %d 行を除外しました</translation>
    </message>
    <message>
        <source>%s: larger than %zu bytes</source>
        <translation>%s: %zu バイトを超えています</translation>
    </message>
    <message>
        <source>No radios in %s</source>
        <translation>%s に無線機はありません</translation>
    </message>
    <message>
        <source>No radios labelled &quot;%s&quot; in %s</source>
        <translation>ラベル &quot;%s&quot; の無線機は %s にありません</translation>
    </message>
    <message>
        <source>&amp;Undo %s</source>
        <translation>%s を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <translation>%s をやり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Channel %d %s</source>
        <translation>チャンネル %d %s</translation>
    </message>
    <message>
        <source>%s on Channels %s</source>
        <translation>%s (チャンネル %s)</translation>
    </message>
    <message>
        <source>Channel %s</source>
        <translation>チャンネル %s</translation>
    </message>
    <message>
        <source>Channels %s</source>
        <translation>チャンネル %s</translation>
    </message>
    <message>
        <source>Clear %s</source>
        <translation>%s のクリア</translation>
    </message>
    <message>
        <source>Paste %s</source>
        <translation>%s の貼り付け</translation>
    </message>
    <message>
        <source>Import %s</source>
        <translation>%s のインポート</translation>
    </message>
    <message>
        <source>%s, %s and %zu more</source>
        <translation>%s、%s ほか %zu 件</translation>
    </message>
    <message>
        <source>%d to %d</source>
        <translation>%d ～ %d</translation>
    </message>
    <message>
        <source>Clear channel %s?</source>
        <translation>チャンネル %s をクリアしますか?</translation>
    </message>
    <message>
        <source>Clear channels %s?</source>
        <translation>チャンネル %s をクリアしますか?</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>RX Squelch</source>
        <translation>受信スケルチ</translation>
    </message>
    <message>
        <source>TX Squelch</source>
        <translation>送信スケルチ</translation>
    </message>
    <message>
        <source>RX CTCSS Tone</source>
        <translation>受信 CTCSS トーン</translation>
    </message>
    <message>
        <source>TX CTCSS Tone</source>
        <translation>送信 CTCSS トーン</translation>
    </message>
    <message>
        <source>RX DCS Code</source>
        <translation>受信 DCS コード</translation>
    </message>
    <message>
        <source>TX DCS Code</source>
        <translation>送信 DCS コード</translation>
    </message>
    <message>
        <source>RX DCS Inverted</source>
        <translation>受信 DCS 反転</translation>
    </message>
    <message>
        <source>TX DCS Inverted</source>
        <translation>送信 DCS 反転</translation>
    </message>
    <message>
        <source>NSC-1 Tone</source>
        <translation>NSC-1 トーン</translation>
    </message>
    <message>
        <source>NSC-2 Tone</source>
        <translation>NSC-2 トーン</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>チャンネル間隔</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>電源オン</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Tx Time Out</source>
        <translation>送信タイムアウト</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>送信タイムアウト時間</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>送信遅延</translation>
    </message>
    <message>
        <source>Busy Ch Lockout</source>
        <translation>ビジーロックアウト</translation>
    </message>
    <message>
        <source>Marked Idle</source>
        <translation>マークドアイドル</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Scan Indicator</source>
        <translation>スキャン表示</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Pr Lookback Time</source>
        <translation>優先ルックバック時間</translation>
    </message>
    <message>
        <source>Scan Delay</source>
        <translation>スキャン遅延</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>スキャン速度</translation>
    </message>
    <message>
        <source>Carrier + Tone</source>
        <translation>キャリア + トーン</translation>
    </message>
    <message>
        <source>Scan Tx</source>
        <translation>スキャン送信</translation>
    </message>
    <message>
        <source>Rx On Time</source>
        <translation>受信オン時間</translation>
    </message>
    <message>
        <source>Rx Off Time</source>
        <translation>受信オフ時間</translation>
    </message>
    <message>
        <source>Power Save Delay</source>
        <translation>パワーセーブ遅延</translation>
    </message>
    <message>
        <source>&amp;Program Several Radios...</source>
        <translation>複数の無線機をプログラム(&amp;P)...</translation>
    </message>
    <message>
        <source>Write the plan into radio after radio, each read first, checked and logged
Program Several Radios</source>
        <translation>無線機ごとに先に読み込み、確認してからプランを書き込み、ログに記録します
複数の無線機をプログラム</translation>
    </message>
    <message>
        <source>Radio &amp;History...</source>
        <translation>無線機の履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>List the radios programmed, from the programming log
Radio History</source>
        <translation>プログラミングログからプログラムした無線機を一覧表示します
無線機の履歴</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>複数の無線機をプログラム</translation>
    </message>
    <message>
        <source>Before the job</source>
        <translation>ジョブ開始前</translation>
    </message>
    <message>
        <source>Read &amp;back and compare each radio</source>
        <translation>各無線機を読み戻して比較する(&amp;B)</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>停止までの台数(&amp;A)</translation>
    </message>
    <message>
        <source>radios (0 or empty: until Stop)</source>
        <translation>台 (0 または空欄: 停止まで)</translation>
    </message>
    <message>
        <source>&amp;Log folder:</source>
        <translation>ログフォルダー(&amp;L):</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>参照(&amp;R)...</translation>
    </message>
    <message>
        <source>Folder of the Programming Log</source>
        <translation>プログラミングログのフォルダー</translation>
    </message>
    <message>
        <source>Choose the folder of the programming log.</source>
        <translation>プログラミングログのフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>再試行(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>スキップ(&amp;K)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Job %s: each radio is logged in %s</source>
        <translation>ジョブ %s: 各無線機を %s に記録します</translation>
    </message>
    <message>
        <source>Connect radio %d, type or scan its label and press Enter</source>
        <translation>無線機 %d を接続し、ラベルを入力またはスキャンして Enter を押してください</translation>
    </message>
    <message>
        <source>Radio %d is being programmed</source>
        <translation>無線機 %d をプログラム中です</translation>
    </message>
    <message>
        <source>Radio %d failed: %s</source>
        <translation>無線機 %d が失敗しました: %s</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading the radio</source>
        <translation>無線機 %d: ステップ %d/%d: 無線機の読み込み</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: writing</source>
        <translation>無線機 %d: ステップ %d/%d: 書き込み</translation>
    </message>
    <message>
        <source>Radio %d: step %d of %d: reading back to verify</source>
        <translation>無線機 %d: ステップ %d/%d: 照合のための読み戻し</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>無線機の履歴</translation>
    </message>
    <message>
        <source>Radios in %s</source>
        <translation>%s 内の無線機</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>ラベル(&amp;L):</translation>
    </message>
    <message>
        <source>every label</source>
        <translation>すべてのラベル</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Open &amp;Before</source>
        <translation>変更前を開く(&amp;B)</translation>
    </message>
    <message>
        <source>Open &amp;After</source>
        <translation>変更後を開く(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Before and After</source>
        <translation>変更前と変更後</translation>
    </message>
    <message>
        <source>Radio %d%s of job %s, before -&gt; after:</source>
        <translation>無線機 %d%s (ジョブ %s)、変更前 -&gt; 変更後:</translation>
    </message>
    <message>
        <source>The radio held the same plan before and after.</source>
        <translation>無線機のプランは変更前と変更後で同じでした。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>システムの言語(&amp;S)</translation>
    </message>
    <message>
        <source>PRG-715 shows the language you chose when it starts next time.</source>
        <translation>選択した言語は PRG-715 の次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>%s Off</source>
        <translation>%s オフ</translation>
    </message>
    <message>
        <source>%s On</source>
        <translation>%s オン</translation>
    </message>
    <message>
        <source>%d radio: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>無線機 %d 台: 確認済み %d、確認なしで書き込み %d、拒否 %d、失敗 %d</translation>
    </message>
    <message>
        <source>%d radios: %d verified, %d written without verify, %d refused, %d failed</source>
        <translation>無線機 %d 台: 確認済み %d、確認なしで書き込み %d、拒否 %d、失敗 %d</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Rx Squelch</source>
        <translation>Rx スケルチ</translation>
    </message>
    <message>
        <source>Rx Squelch Value</source>
        <translation>Rx スケルチ値</translation>
    </message>
    <message>
        <source>Tx Squelch</source>
        <translation>Tx スケルチ</translation>
    </message>
    <message>
        <source>Tx Squelch Value</source>
        <translation>Tx スケルチ値</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
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
        <translation>標準</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>ナロー</translation>
    </message>
    <message>
        <source>Memory map</source>
        <translation>メモリマップ</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Radios programmed</source>
        <translation>書き込み済みの無線機</translation>
    </message>
    <message>
        <source>Radios of this job</source>
        <translation>このジョブの無線機</translation>
    </message>
    <message>
        <source>Radio label</source>
        <translation>無線機のラベル</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>ユーザーマニュアル(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user manual
User Manual</source>
        <translation>ユーザーマニュアルを開きます
ユーザーマニュアル</translation>
    </message>
    <message>
        <source>PRG-715 User Manual</source>
        <translation>PRG-715 ユーザーマニュアル</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>a word in any chapter; Enter or F3 for the next</source>
        <translation>どの章の語句でも可。次は Enter または F3</translation>
    </message>
    <message>
        <source>No chapter holds &quot;%s&quot;.</source>
        <translation>「%s」を含む章はありません。</translation>
    </message>
    <message>
        <source>The user manual was not found. These folders were tried:

%s

Set PRG715_MANUAL_DIR to the folder that holds its index.md.</source>
        <translation>ユーザーマニュアルが見つかりません。次のフォルダーを確認しました:

%s

PRG715_MANUAL_DIR に index.md のあるフォルダーを設定してください。</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>GNU 一般公衆利用許諾書 バージョン 3 以降のもとでのフリーソフトウェア</translation>
    </message>
    <message>
        <source>User manual: %s</source>
        <translation>ユーザーマニュアル: %s</translation>
    </message>
    <message>
        <source>User manual: not installed</source>
        <translation>ユーザーマニュアル: インストールされていません</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>診断レポートを保存(&amp;D)...</translation>
    </message>
    <message>
        <source>Save a report to attach to a problem with a radio
Save Diagnostic Report</source>
        <translation>無線機の問題報告に添付するレポートを保存します
診断レポートを保存</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>診断レポートを保存</translation>
    </message>
    <message>
        <source>The report holds the program&apos;s version, the platform, the serial devices, the settings, the last transfer traces and the names of the recent backups. Attach it to your report of the problem.</source>
        <translation>レポートには、プログラムのバージョン、プラットフォーム、シリアルデバイス、設定、最近の転送トレース、最近のバックアップの名前が含まれます。問題の報告に添付してください。</translation>
    </message>
    <message>
        <source>&amp;Include the last plan (a customer&apos;s frequencies)</source>
        <translation>最後のプランを含める（顧客の周波数）(&amp;I)</translation>
    </message>
    <message>
        <source>Diagnostic report saved as %s</source>
        <translation>診断レポートを %s に保存しました</translation>
    </message>
</context>
</TS>
