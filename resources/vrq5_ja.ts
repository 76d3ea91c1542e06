<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>std</name>
    <message>
        <source>%1 (line %2) %3: %4</source>
        <translation>%1 (%2 行目) %3: %4</translation>
    </message>
    <message>
        <source>line %1 %2: %3</source>
        <translation>%1 行目 %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 imported, %2 changed, %3 left out</source>
        <translation>読み込み %1、変更 %2、除外 %3</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>ﾃﾞｰﾀｴﾗｰ</translation>
    </message>
    <message>
        <source>The simulated receiver answers.</source>
        <translation>模擬受信機が応答しました。</translation>
    </message>
    <message>
        <source>The receiver answers.</source>
        <translation>受信機が応答しました。</translation>
    </message>
    <message>
        <source>The port does not exist.</source>
        <translation>ﾎﾟｰﾄがありません。</translation>
    </message>
    <message>
        <source>The port is in use.</source>
        <translation>ﾎﾟｰﾄは使用中です。</translation>
    </message>
    <message>
        <source>You may not open the port.</source>
        <translation>ﾎﾟｰﾄを開く権限がありません。</translation>
    </message>
    <message>
        <source>The port cannot be used.</source>
        <translation>ﾎﾟｰﾄを使えません。</translation>
    </message>
    <message>
        <source>Nothing comes back.</source>
        <translation>何も返ってきません。</translation>
    </message>
    <message>
        <source>The receiver is not in its cloning mode.</source>
        <translation>受信機がｸﾛｰﾝﾓｰﾄﾞではありません。</translation>
    </message>
    <message>
        <source>Something answers, but not as the receiver does.</source>
        <translation>受信機ではない応答があります。</translation>
    </message>
    <message>
        <source>The receiver is of another model.</source>
        <translation>受信機は別の機種です。</translation>
    </message>
    <message>
        <source>The receiver refuses every model.</source>
        <translation>受信機はどの機種も受け付けません。</translation>
    </message>
    <message>
        <source>The receiver stopped answering.</source>
        <translation>受信機が応答しなくなりました。</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>確認を中止しました。</translation>
    </message>
    <message>
        <source>A transfer with the receiver is running.</source>
        <translation>受信機との転送中です。</translation>
    </message>
    <message>
        <source>No serial port was found on this machine: plug the cable in (a USB cable shows its port once it is plugged in).</source>
        <translation>このｺﾝﾋﾟｭｰﾀｰにｼﾘｱﾙﾎﾟｰﾄが見つかりません。ｹｰﾌﾞﾙを接続してください (USBｹｰﾌﾞﾙは接続するとﾎﾟｰﾄが現れます)。</translation>
    </message>
    <message>
        <source>Serial ports of this machine: %1.</source>
        <translation>このｺﾝﾋﾟｭｰﾀｰのｼﾘｱﾙﾎﾟｰﾄ: %1。</translation>
    </message>
    <message>
        <source>Model: %1. LinkBank: %2.</source>
        <translation>機種: %1。LinkBank: %2。</translation>
    </message>
    <message>
        <source>It was still linked from an earlier transfer.</source>
        <translation>以前の転送からの接続が続いていました。</translation>
    </message>
    <message>
        <source>Everything is ready for a transfer.</source>
        <translation>転送の準備ができています。</translation>
    </message>
    <message>
        <source>There is no port %1. Choose the cable&apos;s port (COM Port Setup in the window, --port on the command line).</source>
        <translation>ﾎﾟｰﾄ %1 はありません。ｹｰﾌﾞﾙのﾎﾟｰﾄを選んでください (ｳｨﾝﾄﾞｳでは「COM ﾎﾟｰﾄｾｯﾄｱｯﾌﾟ」、ｺﾏﾝﾄﾞﾗｲﾝでは --port)。</translation>
    </message>
    <message>
        <source>Another program holds %1. Close that program (or the other window of this one) and check again.</source>
        <translation>別のﾌﾟﾛｸﾞﾗﾑが %1 を使用しています。そのﾌﾟﾛｸﾞﾗﾑ (またはこのﾌﾟﾛｸﾞﾗﾑの別のｳｨﾝﾄﾞｳ) を閉じてから、もう一度確認してください。</translation>
    </message>
    <message>
        <source>This user may not open %1. On Linux, add the user to the group that owns serial ports (usually dialout: sudo adduser $USER dialout), then log out and in again.</source>
        <translation>このﾕｰｻﾞｰには %1 を開く権限がありません。Linux では、ｼﾘｱﾙﾎﾟｰﾄを所有するｸﾞﾙｰﾌﾟ (通常は dialout: sudo adduser $USER dialout) にﾕｰｻﾞｰを追加し、ﾛｸﾞｱｳﾄしてからﾛｸﾞｲﾝし直してください。</translation>
    </message>
    <message>
        <source>%1 opened but failed when written or read: it may not be a serial port, or the cable was pulled out. Plug the cable in again or choose another port.</source>
        <translation>%1 は開けましたが、書き込みまたは読み込みで失敗しました。ｼﾘｱﾙﾎﾟｰﾄではないか、ｹｰﾌﾞﾙが抜けた可能性があります。ｹｰﾌﾞﾙを接続し直すか、別のﾎﾟｰﾄを選んでください。</translation>
    </message>
    <message>
        <source>Not even the echo of what was sent comes back on %1. Check that the cable is plugged in at both ends and that the receiver is switched on.</source>
        <translation>%1 では、送信したﾃﾞｰﾀのｴｺｰさえ返ってきません。ｹｰﾌﾞﾙの両端が接続されていることと、受信機の電源が入っていることを確認してください。</translation>
    </message>
    <message>
        <source>What was sent comes back as the echo, but the receiver gives no answer. Switch it off, switch it on again in its cloning mode and check again.</source>
        <translation>送信したﾃﾞｰﾀはｴｺｰとして返ってきますが、受信機から応答がありません。受信機の電源を切り、ｸﾛｰﾝﾓｰﾄﾞで電源を入れ直してから、もう一度確認してください。</translation>
    </message>
    <message>
        <source>The device on %1 answers in a way the receiver never does. It may be another device, or the line is noisy; check the port and the cable.</source>
        <translation>%1 の機器は受信機とは異なる応答をしています。別の機器か、回線にﾉｲｽﾞが乗っている可能性があります。ﾎﾟｰﾄとｹｰﾌﾞﾙを確認してください。</translation>
    </message>
    <message>
        <source>It refused the identity of the %1 and took that of the %2. Select the model %2 before a transfer.</source>
        <translation>受信機は %1 としての識別を拒否し、%2 としての識別を受け付けました。転送の前に機種 %2 を選んでください。</translation>
    </message>
    <message>
        <source>It refused the identity of each model (VR-Q5J, VR-Q70E, VR-Q70T, VR-Q70K). It may be of a model or region this program does not know.</source>
        <translation>受信機はどの機種 (VR-Q5J, VR-Q70E, VR-Q70T, VR-Q70K) としての識別も拒否しました。このﾌﾟﾛｸﾞﾗﾑが対応していない機種または地域向けの受信機かもしれません。</translation>
    </message>
    <message>
        <source>It took the identity of the %1, then gave no answer. Check the cable and check again.</source>
        <translation>受信機は %1 としての識別を受け付けた後、応答しなくなりました。ｹｰﾌﾞﾙを点検して、もう一度確認してください。</translation>
    </message>
    <message>
        <source>It answered at first, then gave no answer. Check the cable and check again.</source>
        <translation>受信機は最初は応答しましたが、その後応答しなくなりました。ｹｰﾌﾞﾙを点検して、もう一度確認してください。</translation>
    </message>
    <message>
        <source>Nothing more was sent.</source>
        <translation>それ以降は何も送信していません。</translation>
    </message>
    <message>
        <source>Check again when it has ended.</source>
        <translation>転送が終わってから、もう一度確認してください。</translation>
    </message>
    <message>
        <source>The receiver&apos;s channels were erased and %1 of %2 written: write again before you use the receiver.</source>
        <translation>受信機のﾁｬﾝﾈﾙは消去され、%2 ﾁｬﾝﾈﾙ中 %1 ﾁｬﾝﾈﾙだけが書き込まれました。受信機を使う前にもう一度書き込んでください。</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>COMﾎﾟｰﾄｴﾗｰ</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通信ｴﾗｰ</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ｴﾗｰ</translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation>ﾘｰｼﾞｮﾝｴﾗｰ</translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation>読み込み失敗...</translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation>書き込み失敗...</translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation>成功しました!!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>The read was cancelled. Nothing was changed.</source>
        <translation>読み込みをｷｬﾝｾﾙしました。何も変更していません。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>ｷｬﾝｾﾙしました</translation>
    </message>
    <message>
        <source>(simulated receiver: nothing was sent to a real receiver)</source>
        <translation>(模擬受信機: 実際の受信機には何も送信していません)</translation>
    </message>
    <message>
        <source>What the receiver held before this write is kept in %1: write it back to restore it.</source>
        <translation>この書き込みの前の受信機の内容は %1 に保存されています。元に戻すには、これを受信機に書き戻してください。</translation>
    </message>
    <message>
        <source>Nothing was written: the receiver could not be read first.</source>
        <translation>先に受信機を読み込めなかったため、何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The receiver already holds this. Nothing was written.</source>
        <translation>受信機はすでにこの内容です。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Verified: the receiver holds what was written.</source>
        <translation>照合成功: 受信機は書き込んだ内容を保持しています。</translation>
    </message>
    <message>
        <source>Verify Failed: the receiver does not hold what was written.</source>
        <translation>照合失敗: 受信機は書き込んだ内容を保持していません。</translation>
    </message>
    <message>
        <source>The write was cancelled. Nothing was written.</source>
        <translation>書き込みをｷｬﾝｾﾙしました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>ｸﾘｱ確認</translation>
    </message>
    <message>
        <source>The total of the number of channels exceeds 1000.<byte value="xd"/>
Please set for the total of the channel to become 1000 or less.</source>
        <translation>ﾁｬﾝﾈﾙ数の合計が1000を超えています。<byte value="xd"/>
ﾁｬﾝﾈﾙ数の合計が1000以下になるように設定してください。</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>ﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ｽﾃｯﾌﾟ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>ｵﾌﾟｼｮﾝ</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>秘話</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>ｷｬﾘｱ</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>ﾄｰﾝ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>ｼﾌﾄ</translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation>ｼﾌﾄ周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ﾒﾓ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ｽｷｯﾌﾟ</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>ﾊﾞﾝｸ %1</translation>
    </message>
    <message>
        <source>Program scan</source>
        <translation>ﾌﾟﾛｸﾞﾗﾑｽｷｬﾝ</translation>
    </message>
    <message>
        <source>Search pass</source>
        <translation>ｻｰﾁﾊﾟｽ</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>ﾌﾟﾗｲｵﾘﾃｨ</translation>
    </message>
    <message>
        <source>It is a frequency of the cellular phone.<byte value="xd"/>
It is not possible to set it.</source>
        <translation>携帯電話の周波数です。<byte value="xd"/>
設定できません。</translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation>携帯電話の周波数</translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation>ｻｰﾁﾊﾟｽﾊﾞﾝｸには、他のﾁｬﾝﾈﾙと同じ周波数は設定できません。</translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation>総CH数は1000にしてください</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>設定の変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>変更の保存</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>すでに転送中です。</translation>
    </message>
    <message>
        <source>A transfer with the receiver is running.<byte value="xd"/>
Stop it and go on?</source>
        <translation>受信機との転送中です。<byte value="xd"/>
転送を中止して続けますか?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>転送</translation>
    </message>
    <message>
        <source>bank %1</source>
        <translation>ﾊﾞﾝｸ %1</translation>
    </message>
    <message>
        <source>the program-scan edges</source>
        <translation>ﾌﾟﾛｸﾞﾗﾑｽｷｬﾝの上下限</translation>
    </message>
    <message>
        <source>the search-pass channels</source>
        <translation>ｻｰﾁﾊﾟｽのﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>the priority channels</source>
        <translation>ﾌﾟﾗｲｵﾘﾃｨﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>機種 %1</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>Option %1 (code %2) exists only on the %3; a write to the %4 sends OFF, so the receiver gets no option.</source>
        <translation>ｵﾌﾟｼｮﾝ %1 (ｺｰﾄﾞ %2) は %3 だけの機能です。%4 に書き込むと OFF を送るため、受信機はｵﾌﾟｼｮﾝなしになります。</translation>
    </message>
    <message>
        <source>%1 code %2 is outside 0..%3</source>
        <translation>%1 のｺｰﾄﾞ %2 は 0～%3 の範囲外です</translation>
    </message>
    <message>
        <source>%1 code %2 does not fit the record&apos;s one byte</source>
        <translation>%1 のｺｰﾄﾞ %2 はﾚｺｰﾄﾞの 1 ﾊﾞｲﾄに収まりません</translation>
    </message>
    <message>
        <source>%1 code %2 is not a whole number</source>
        <translation>%1 のｺｰﾄﾞ %2 は整数ではありません</translation>
    </message>
    <message>
        <source>it</source>
        <translation>その値</translation>
    </message>
    <message>
        <source>%1; a write sends %2, which reads back as %3.</source>
        <translation>%1。書き込むと %2 を送り、読み込むと %3 になります。</translation>
    </message>
    <message>
        <source>%1; a write sends %2.</source>
        <translation>%1。書き込むと %2 を送ります。</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ｴﾗｰ</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 error, %2</source>
        <translation>ｴﾗｰ %1 件、%2</translation>
    </message>
    <message>
        <source>%1 errors, %2</source>
        <translation>ｴﾗｰ %1 件、%2</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>警告 %1 件</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>警告 %1 件</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1    %2    %3</source>
        <translation>%1    %2    %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ﾍﾟｰｼﾞ</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (続き)</translation>
    </message>
</context>
<context>
    <name>vrq5</name>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ﾌｧｲﾙ</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>ｱｯﾃﾈｰﾀ</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>ｱﾝﾃﾅ</translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation>AMﾊﾞｰｱﾝﾃﾅ</translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation>SWﾊﾞｰｱﾝﾃﾅ</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ﾗﾝﾌﾟ</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>ｽｷｬﾝ</translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation>ﾀｲﾑPr</translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation>ﾊﾞﾝﾄﾞ切替</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>ｵｰﾄﾊﾟﾜｰｵﾌ</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>ﾊﾞｯﾃﾘｰｾｰﾌﾞ</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>ﾋﾞｰﾌﾟ音</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ﾍﾞﾙ</translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation>MONIｷｰ動作</translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation>MONIｷｰ</translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation>BUGﾛｯｸ</translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation>BUG感度ﾚﾍﾞﾙ</translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation>BUGﾀｲﾌﾟ</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>充電</translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation>充電時間</translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation>ｾｯﾄﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation>ｽｷｬﾝﾀｲﾌﾟ</translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation>ﾜｲﾙﾄﾞｷｰ</translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation>ﾘﾓｺﾝ A</translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation>ﾘﾓｺﾝ B</translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation>ﾘﾓｺﾝ C</translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation>ﾘﾓｺﾝ D</translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation>AF音量</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>ｽｹﾙﾁﾚﾍﾞﾙ</translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation>録音ﾚｰﾄ</translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation>VFOｽｷｬﾝ速度</translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation>ﾒﾓﾘｰｽｷｬﾝ速度</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>ｷｰﾛｯｸ</translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation>AF音質</translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation>ｵｰﾄﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation>ｵｰﾄｽﾃｯﾌﾟ</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>動作ﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation>ﾀｲﾑSp</translation>
    </message>
    <message>
        <source>bank %1 is not a bank (0 to 49)</source>
        <translation>ﾊﾞﾝｸ %1 はありません (0～49)</translation>
    </message>
    <message>
        <source>row %1 is not a memory row (0 to 999)</source>
        <translation>行 %1 はﾒﾓﾘｰ行ではありません (0～999)</translation>
    </message>
    <message>
        <source>no header line naming the columns (Location, Name, Frequency, ...) before the channels</source>
        <translation>ﾁｬﾝﾈﾙの前に列名 (Location, Name, Frequency, ...) の見出し行がありません</translation>
    </message>
    <message>
        <source>no header line and no channels</source>
        <translation>見出し行もﾁｬﾝﾈﾙもありません</translation>
    </message>
    <message>
        <source>larger than any channel list</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄとしては大きすぎます</translation>
    </message>
    <message>
        <source>Clear %1 rows?</source>
        <translation>%1 行をｸﾘｱしますか?</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation>ｸﾘｱしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation>すべてのﾒﾓﾘｰをｸﾘｱしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Modify Memory</source>
        <translation>ﾒﾓﾘｰの変更</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>ﾊﾞﾝｸ %1</translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation>%1CH</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>ﾌﾟﾛｸﾞﾗﾑｽｷｬﾝ</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>ｻｰﾁﾊﾟｽ</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>ﾌﾟﾗｲｵﾘﾃｨ</translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation>VFOの変更</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>ﾊﾞﾝﾄﾞ %1</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>ﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ｽﾃｯﾌﾟ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>ｵﾌﾟｼｮﾝ</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ｽｷｯﾌﾟ</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>ｷｬﾘｱ</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>ﾄｰﾝ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>ｼﾌﾄ</translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation>ｼﾌﾄ周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ﾒﾓ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾁｬﾝﾈﾙがありません。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Nothing can be pasted on this row.</source>
        <translation>この行には貼り付けできません。</translation>
    </message>
    <message>
        <source>%1 of the rows pasted over are in use.</source>
        <translation>貼り付け先の行のうち %1 行は使用中です。</translation>
    </message>
    <message>
        <source>%1 rows do not fit and are left out.</source>
        <translation>%1 行は収まらないため除外されます。</translation>
    </message>
    <message>
        <source>Paste anyway?</source>
        <translation>それでも貼り付けますか?</translation>
    </message>
    <message>
        <source>The rows to sort must lie in one bank.</source>
        <translation>並べ替える行は1つのﾊﾞﾝｸ内にある必要があります。</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>There is no row %1: nothing was inserted.</source>
        <translation>行 %1 はありません。何も挿入しませんでした。</translation>
    </message>
    <message>
        <source>%1 belongs to no bank: nothing was inserted.</source>
        <translation>%1 はどのﾊﾞﾝｸにも属していないため、何も挿入しませんでした。</translation>
    </message>
    <message>
        <source>The last row of %1 is in use: nothing was inserted.</source>
        <translation>%1 の最後の行が使用中のため、何も挿入しませんでした。</translation>
    </message>
    <message>
        <source>TX Extension</source>
        <translation>TX拡張</translation>
    </message>
    <message>
        <source>Write Protect</source>
        <translation>書き込み禁止</translation>
    </message>
    <message>
        <source>DoReMi</source>
        <translation>ﾄﾞﾚﾐ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Auto Program</source>
        <translation>ｵｰﾄﾌﾟﾛｸﾞﾗﾑ</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>ﾄｰﾝﾊﾞｰｽﾄ</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>ﾛｰﾃｰﾄ</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>ｸﾛｽ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>ﾌﾟｯｼｭ</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ﾎｰﾙﾄﾞ</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>ﾓﾆﾀｰ</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ﾐｭｰﾄ</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>ﾌﾟﾘｾｯﾄ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ﾒﾓﾘｰ</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>ﾄﾚｲﾝ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>ﾘﾊﾞｰｽ</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>秘話</translation>
    </message>
    <message>
        <source>Bank sizes</source>
        <translation>ﾊﾞﾝｸのﾁｬﾝﾈﾙ数</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>ﾊﾞﾝｸ</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>ﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ﾘﾝｸ</translation>
    </message>
    <message>
        <source>Bank groups</source>
        <translation>ﾊﾞﾝｸｸﾞﾙｰﾌﾟ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定項目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>VFO Data</source>
        <translation>VFOﾃﾞｰﾀ</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>ﾊﾞﾝﾄﾞ</translation>
    </message>
</context>
<context>
    <name>vrq5::Changes</name>
    <message>
        <source>Bank %1 size: %2 -&gt; %3</source>
        <translation>ﾊﾞﾝｸ %1 のﾁｬﾝﾈﾙ数: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Bank %1 link: %2 -&gt; %3</source>
        <translation>ﾊﾞﾝｸ %1 のﾘﾝｸ: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: bank %2 added</source>
        <translation>%1: ﾊﾞﾝｸ %2 を追加</translation>
    </message>
    <message>
        <source>%1: bank %2 removed</source>
        <translation>%1: ﾊﾞﾝｸ %2 を削除</translation>
    </message>
    <message>
        <source>VFO band %1: %2</source>
        <translation>VFOﾊﾞﾝﾄﾞ %1: %2</translation>
    </message>
    <message>
        <source>Channel %1 added: %2</source>
        <translation>ﾁｬﾝﾈﾙ %1 を追加: %2</translation>
    </message>
    <message>
        <source>Channel %1 removed: %2</source>
        <translation>ﾁｬﾝﾈﾙ %1 を削除: %2</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>ﾁｬﾝﾈﾙ %1: %2</translation>
    </message>
</context>
<context>
    <name>vrq5::Checker</name>
    <message>
        <source>The bank sizes add up to %1, not 1000</source>
        <translation>ﾊﾞﾝｸのﾁｬﾝﾈﾙ数の合計が 1000 ではなく %1</translation>
    </message>
    <message>
        <source>The bank sizes do not label every memory row</source>
        <translation>ﾊﾞﾝｸのﾁｬﾝﾈﾙ数ではどのﾊﾞﾝｸにも入らないﾒﾓﾘｰ行がある</translation>
    </message>
    <message>
        <source>Banks</source>
        <translation>ﾊﾞﾝｸ</translation>
    </message>
    <message>
        <source>Bank sizes</source>
        <translation>ﾊﾞﾝｸのﾁｬﾝﾈﾙ数</translation>
    </message>
    <message>
        <source>%1: %2 of the 1000 memory rows belong to no bank. A memory write is refused (&quot;Total CH must be 1000&quot;); a bank write would leave those rows of the receiver in no bank.</source>
        <translation>%1: 1000 のﾒﾓﾘｰ行のうち %2 行がどのﾊﾞﾝｸにも属していません。ﾒﾓﾘｰの書き込みは拒否され (「総CH数は1000にしてください」)、ﾊﾞﾝｸの書き込みでは受信機のそれらの行がどのﾊﾞﾝｸにも属さなくなります。</translation>
    </message>
    <message>
        <source>bank %1 with %2 channels instead of %3</source>
        <translation>ﾊﾞﾝｸ %1 は %3 ではなく %2 ﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>A bank size below 0 covers no channel; the bank sizes add up to %1, more than 1000; a write cuts them to 1000 channels and sends %2.</source>
        <translation>ﾁｬﾝﾈﾙ数が 0 未満のﾊﾞﾝｸにはﾁｬﾝﾈﾙが入りません。ﾊﾞﾝｸのﾁｬﾝﾈﾙ数の合計が %1 で、1000 を超えています。書き込むと 1000 ﾁｬﾝﾈﾙに切り詰め、次のように送ります: %2。</translation>
    </message>
    <message>
        <source>The bank sizes add up to %1, more than 1000; a write cuts them to 1000 channels and sends %2.</source>
        <translation>ﾊﾞﾝｸのﾁｬﾝﾈﾙ数の合計が %1 で、1000 を超えています。書き込むと 1000 ﾁｬﾝﾈﾙに切り詰め、次のように送ります: %2。</translation>
    </message>
    <message>
        <source>A bank size below 0 covers no channel; a write sends %1.</source>
        <translation>ﾁｬﾝﾈﾙ数が 0 未満のﾊﾞﾝｸにはﾁｬﾝﾈﾙが入りません。書き込むと次のように送ります: %1。</translation>
    </message>
    <message>
        <source>; a write sends %1.</source>
        <translation>; 書き込むと次のように送ります: %1。</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>ﾊﾞﾝｸ %1</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>%1 MHz is outside band %2 of the %3 (%4), as the model&apos;s default band is; the edit dialog would refuse it, and a write sends it as it is.</source>
        <translation>%1 MHz は %3 のﾊﾞﾝﾄﾞ %2 (%4) の範囲外です。この機種の初期設定のﾊﾞﾝﾄﾞも同じです。編集ﾀﾞｲｱﾛｸﾞでは設定できませんが、書き込むとそのまま送ります。</translation>
    </message>
    <message>
        <source>%1 MHz is outside band %2 of the %3 (%4); the edit dialog refuses it, and a write would send it to the receiver as it is.</source>
        <translation>%1 MHz は %3 のﾊﾞﾝﾄﾞ %2 (%4) の範囲外です。編集ﾀﾞｲｱﾛｸﾞでは設定できず、書き込むとそのまま受信機に送られてしまいます。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>A VFO band record has no name: a write does not send %1, and the clone file does not keep it.</source>
        <translation>VFOﾊﾞﾝﾄﾞのﾚｺｰﾄﾞには名前がありません。書き込んでも %1 は送られず、ｸﾛｰﾝﾌｧｲﾙにも保存されません。</translation>
    </message>
    <message>
        <source>%1 MHz is outside the range of the %2 (%3 to %4 MHz); the edit dialog refuses it, and a write would send it to the receiver as it is.</source>
        <translation>%1 MHz は %2 の範囲 (%3～%4 MHz) 外です。編集ﾀﾞｲｱﾛｸﾞでは設定できず、書き込むとそのまま受信機に送られてしまいます。</translation>
    </message>
    <message>
        <source>%1 MHz is also in %2; the edit dialog refuses the same frequency twice in Search Pass bank, and a write sends both.</source>
        <translation>%1 MHz は %2 にもあります。編集ﾀﾞｲｱﾛｸﾞではｻｰﾁﾊﾟｽﾊﾞﾝｸに同じ周波数を 2 つ設定できませんが、書き込むと両方を送ります。</translation>
    </message>
    <message>
        <source>%1 MHz is also the frequency of memory channels %2, so a search passes over it; a write sends both.</source>
        <translation>%1 MHz はﾒﾓﾘｰﾁｬﾝﾈﾙ %2 の周波数でもあるため、ｻｰﾁではその周波数を飛ばします。書き込むとすべて送ります。</translation>
    </message>
    <message>
        <source>%1 MHz is also the frequency of memory channel %2, so a search passes over it; a write sends both.</source>
        <translation>%1 MHz はﾒﾓﾘｰﾁｬﾝﾈﾙ %2 の周波数でもあるため、ｻｰﾁではその周波数を飛ばします。書き込むと両方を送ります。</translation>
    </message>
    <message>
        <source>Bank %1 holds %2 MHz more than once: also in %3; a write sends every one of them.</source>
        <translation>ﾊﾞﾝｸ %1 に %2 MHz が複数あります (%3 にもあります)。書き込むとすべて送ります。</translation>
    </message>
    <message>
        <source>%1 MHz lies in a cellular phone band (%2 to %3 MHz) that the %4 does not receive; the edit dialog refuses it, and a write would send it to the receiver as it is.</source>
        <translation>%1 MHz は %4 が受信しない携帯電話の帯域 (%2～%3 MHz) にあります。編集ﾀﾞｲｱﾛｸﾞでは設定できず、書き込むとそのまま受信機に送られてしまいます。</translation>
    </message>
    <message>
        <source>%1 %2 MHz is not a whole number of Hz; a write sends %3 MHz.</source>
        <translation>%1 %2 MHz は 1 Hz 単位の値ではありません。書き込むと %3 MHz を送ります。</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>ｵﾌｾｯﾄ</translation>
    </message>
    <message>
        <source>Offset %1 MHz does not fit the record (0 to 4294.967295 MHz); a write sends %2 MHz.</source>
        <translation>ｵﾌｾｯﾄ %1 MHz はﾚｺｰﾄﾞに収まりません (0～4294.967295 MHz)。書き込むと %2 MHz を送ります。</translation>
    </message>
    <message>
        <source>changes</source>
        <translation>変わります</translation>
    </message>
    <message>
        <source>is longer than 6 characters and has characters outside the codes 32 to 126, which the receiver shows as blanks</source>
        <translation>6 文字を超え、ｺｰﾄﾞ 32～126 以外の文字を含んでいます (受信機では空白で表示されます)</translation>
    </message>
    <message>
        <source>is longer than 6 characters</source>
        <translation>6 文字を超えています</translation>
    </message>
    <message>
        <source>has characters outside the codes 32 to 126, which the receiver shows as blanks</source>
        <translation>ｺｰﾄﾞ 32～126 以外の文字を含んでいます (受信機では空白で表示されます)</translation>
    </message>
    <message>
        <source>Name %1 %2; a write sends it as %3.</source>
        <translation>名前 %1 は%2。書き込むと %3 として送ります。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ﾒﾓ</translation>
    </message>
    <message>
        <source>The receiver keeps no notes: a write does not send the note of this %1; it stays in the clone file only, and a read from the receiver brings it back empty.</source>
        <translation>受信機はﾒﾓを保持しないため、この%1のﾒﾓは書き込んでも送られず、ｸﾛｰﾝﾌｧｲﾙにだけ残ります。受信機から読み込むとﾒﾓは空になります。</translation>
    </message>
    <message>
        <source>VFO band</source>
        <translation>VFOﾊﾞﾝﾄﾞ</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>ﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>ﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>%1 VFO bands have notes (%2 to %3); the receiver keeps no notes: a write does not send them, they stay in the clone file only, and a read from the receiver brings them back empty.</source>
        <translation>%1 個のVFOﾊﾞﾝﾄﾞにﾒﾓがあります (%2～%3)。受信機はﾒﾓを保持しないため、書き込んでもﾒﾓは送られず、ｸﾛｰﾝﾌｧｲﾙにだけ残ります。受信機から読み込むとﾒﾓは空になります。</translation>
    </message>
    <message>
        <source>%1 channels have notes (%2 to %3); the receiver keeps no notes: a write does not send them, they stay in the clone file only, and a read from the receiver brings them back empty.</source>
        <translation>%1 ﾁｬﾝﾈﾙにﾒﾓがあります (%2～%3)。受信機はﾒﾓを保持しないため、書き込んでもﾒﾓは送られず、ｸﾛｰﾝﾌｧｲﾙにだけ残ります。受信機から読み込むとﾒﾓは空になります。</translation>
    </message>
</context>
<context>
    <name>vrq5::Import</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>no row left in bank %1</source>
        <translation>ﾊﾞﾝｸ %1 に空き行がありません</translation>
    </message>
    <message>
        <source>no memory row left after 999</source>
        <translation>999 より後にﾒﾓﾘｰ行はありません</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>除外: %1</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>no Location (a memory slot 0 to 999)</source>
        <translation>Location (ﾒﾓﾘｰｽﾛｯﾄ 0～999) がありません</translation>
    </message>
    <message>
        <source>Location %1 is not a memory slot (0 to 999)</source>
        <translation>Location %1 はﾒﾓﾘｰｽﾛｯﾄ (0～999) ではありません</translation>
    </message>
    <message>
        <source>Location %1 is taken by line %2</source>
        <translation>Location %1 は %2 行目で使用済みです</translation>
    </message>
    <message>
        <source>%1 MHz lies in a cellular band the VR-Q70T does not receive</source>
        <translation>%1 MHz は VR-Q70T が受信しない携帯電話の帯域です</translation>
    </message>
    <message>
        <source>%1 MHz is outside the receiver&apos;s 0.1 to 1299.995 MHz</source>
        <translation>%1 MHz は受信機の範囲 (0.1～1299.995 MHz) 外です</translation>
    </message>
</context>
<context>
    <name>vrq5::Report</name>
    <message>
        <source>File</source>
        <translation>ﾌｧｲﾙ</translation>
    </message>
    <message>
        <source>%1 more report lines not shown</source>
        <translation>ほか %1 行の報告は表示していません</translation>
    </message>
</context>
<context>
    <name>vrq5::channel_list::ChannelBuilder</name>
    <message>
        <source>no frequency</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>frequency %1 is not a number</source>
        <translation>周波数 %1 は数値ではありません</translation>
    </message>
    <message>
        <source>%1 MHz rounded to whole Hz: %2</source>
        <translation>%1 MHz を 1 Hz 単位に丸めました: %2</translation>
    </message>
    <message>
        <source>NFM (narrow FM) is FM on the receiver</source>
        <translation>NFM (ﾅﾛｰFM) は受信機では FM になります</translation>
    </message>
    <message>
        <source>%1 is not a mode of the receiver; nearest AM</source>
        <translation>%1 は受信機にないﾓｰﾄﾞのため、最も近い AM にします</translation>
    </message>
    <message>
        <source>%1 is not a mode of the receiver; nearest FM</source>
        <translation>%1 は受信機にないﾓｰﾄﾞのため、最も近い FM にします</translation>
    </message>
    <message>
        <source>no mode; FM</source>
        <translation>ﾓｰﾄﾞの指定がないため、FM にします</translation>
    </message>
    <message>
        <source>%1 is not a known mode; FM</source>
        <translation>%1 は不明なﾓｰﾄﾞのため、FM にします</translation>
    </message>
    <message>
        <source>no step; %1</source>
        <translation>ｽﾃｯﾌﾟの指定がないため、%1 にします</translation>
    </message>
    <message>
        <source>%1 is not a number; %2</source>
        <translation>%1 は数値ではないため、%2 にします</translation>
    </message>
    <message>
        <source>%1 kHz is not a step of the receiver; nearest %2</source>
        <translation>%1 kHz は受信機にないｽﾃｯﾌﾟのため、最も近い %2 にします</translation>
    </message>
    <message>
        <source>the tone %1 Hz is sent on transmit only; the receiver listens without it</source>
        <translation>ﾄｰﾝ %1 Hz は送信時だけ送出されるため、受信機はﾄｰﾝなしで受信します</translation>
    </message>
    <message>
        <source>the tone is sent on transmit only; the receiver listens without it</source>
        <translation>このﾄｰﾝは送信時だけ送出されるため、受信機はﾄｰﾝなしで受信します</translation>
    </message>
    <message>
        <source>%1 (digital code squelch) is not a function of the receiver; left out, no option</source>
        <translation>%1 (ﾃﾞｼﾞﾀﾙｺｰﾄﾞｽｹﾙﾁ) は受信機にない機能のため除外し、ｵﾌﾟｼｮﾝなしにします</translation>
    </message>
    <message>
        <source>%1 (cross mode: different tone or code kinds for transmit and receive) is not a function of the receiver; left out, no option</source>
        <translation>%1 (ｸﾛｽﾓｰﾄﾞ: 送信と受信で異なる種類のﾄｰﾝまたはｺｰﾄﾞ) は受信機にない機能のため除外し、ｵﾌﾟｼｮﾝなしにします</translation>
    </message>
    <message>
        <source>%1 is not a known tone mode; left out, no option</source>
        <translation>%1 は不明なﾄｰﾝﾓｰﾄﾞのため除外し、ｵﾌﾟｼｮﾝなしにします</translation>
    </message>
    <message>
        <source>no tone frequency; left out, no option</source>
        <translation>ﾄｰﾝ周波数がないため除外し、ｵﾌﾟｼｮﾝなしにします</translation>
    </message>
    <message>
        <source>tone %1 is not a number; left out, no option</source>
        <translation>ﾄｰﾝ %1 は数値ではないため除外し、ｵﾌﾟｼｮﾝなしにします</translation>
    </message>
    <message>
        <source>%1 Hz is not a tone of the receiver; nearest %2</source>
        <translation>%1 Hz は受信機にないﾄｰﾝのため、最も近い %2 にします</translation>
    </message>
    <message>
        <source>no offset; shift left out</source>
        <translation>ｵﾌｾｯﾄがないため、ｼﾌﾄを除外します</translation>
    </message>
    <message>
        <source>%1 is not a number; shift left out</source>
        <translation>%1 は数値ではないため、ｼﾌﾄを除外します</translation>
    </message>
    <message>
        <source>%1 MHz is beyond the receiver&apos;s offsets (0 to 99.999999 MHz); shift left out</source>
        <translation>%1 MHz は受信機のｵﾌｾｯﾄの範囲 (0～99.999999 MHz) を超えているため、ｼﾌﾄを除外します</translation>
    </message>
    <message>
        <source>split (a separate transmit frequency) is not held by the receiver; shift left out</source>
        <translation>ｽﾌﾟﾘｯﾄ (別の送信周波数) は受信機に保持できないため、ｼﾌﾄを除外します</translation>
    </message>
    <message>
        <source>%1 is not a known duplex; shift left out</source>
        <translation>%1 は不明なﾃﾞｭﾌﾟﾚｯｸｽ指定のため、ｼﾌﾄを除外します</translation>
    </message>
    <message>
        <source>P (priority scan) is not a channel mark of the receiver; left out</source>
        <translation>P (ﾌﾟﾗｲｵﾘﾃｨｽｷｬﾝ) は受信機にないﾁｬﾝﾈﾙ指定のため除外します</translation>
    </message>
    <message>
        <source>%1 is not a known skip mark; left out</source>
        <translation>%1 は不明なｽｷｯﾌﾟ指定のため除外します</translation>
    </message>
    <message>
        <source>%1: characters the receiver cannot show became &quot;?&quot;</source>
        <translation>%1: 受信機で表示できない文字を「?」にしました</translation>
    </message>
    <message>
        <source>%1 cut to 6 characters: %2</source>
        <translation>%1 を 6 文字に切り詰めました: %2</translation>
    </message>
    <message>
        <source>cut to %1 characters</source>
        <translation>%1 文字に切り詰めました</translation>
    </message>
</context>
<context>
    <name>vrq5::gui</name>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄ (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのﾌｧｲﾙ (*)</translation>
    </message>
    <message>
        <source>Korvex VR-Q5 Clone Files (*.VQ5)</source>
        <translation>Korvex VR-Q5 ｸﾛｰﾝﾌｧｲﾙ (*.VQ5)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSVﾌｧｲﾙ (*.csv)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>ﾊﾞｰｼﾞｮﾝ %1</translation>
    </message>
    <message>
        <source>Frequency refused: a channel takes %1 to %2 MHz.</source>
        <translation>周波数は受け付けられません: ﾁｬﾝﾈﾙは %1 ～ %2 MHz です。</translation>
    </message>
    <message>
        <source>Frequency refused: this band takes %1 to %2 MHz.</source>
        <translation>周波数は受け付けられません: このﾊﾞﾝﾄﾞは %1 ～ %2 MHz です。</translation>
    </message>
    <message>
        <source>Frequency refused: %1 to %2 MHz is a band of the cellular phone, which cannot be set.</source>
        <translation>周波数は受け付けられません: %1 ～ %2 MHz は携帯電話の周波数帯で、設定できません。</translation>
    </message>
    <message>
        <source>Frequency refused: search-pass channel %1 holds it already, and no two search-pass channels may share one.</source>
        <translation>周波数は受け付けられません: ｻｰﾁﾊﾟｽのﾁｬﾝﾈﾙ %1 が既に同じ周波数です。ｻｰﾁﾊﾟｽのﾁｬﾝﾈﾙは同じ周波数を共有できません。</translation>
    </message>
    <message>
        <source>Offset refused: it must be at least %1 and below %2 MHz.</source>
        <translation>ｵﾌｾｯﾄは受け付けられません: %1 MHz 以上 %2 MHz 未満にしてください。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ｷｬﾝｾﾙ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Settings &amp;1</source>
        <translation>設定1(&amp;1)</translation>
    </message>
    <message>
        <source>Settings &amp;2</source>
        <translation>設定2(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>ﾒﾓﾘｰ(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Bank</source>
        <translation>ﾊﾞﾝｸ(&amp;B)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報</translation>
    </message>
    <message>
        <source>Version %1, Qt %2</source>
        <translation>ﾊﾞｰｼﾞｮﾝ %1、Qt %2</translation>
    </message>
    <message>
        <source>Reads, edits and writes the memory of the VR-Q5 and VR-Q70 receivers:
channels, banks, groups, VFO bands and settings.</source>
        <translation>VR-Q5 と VR-Q70 受信機のﾒﾓﾘｰを読み込み、編集し、書き込みます:
ﾁｬﾝﾈﾙ、ﾊﾞﾝｸ、ｸﾞﾙｰﾌﾟ、VFOﾊﾞﾝﾄﾞ、設定。</translation>
    </message>
    <message>
        <source>The user guide cannot be shown.</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞを表示できません。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::BankPage</name>
    <message>
        <source>Channels per bank</source>
        <translation>ﾊﾞﾝｸごとのﾁｬﾝﾈﾙ数</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ﾘﾝｸ</translation>
    </message>
    <message>
        <source>Total CH</source>
        <translation>総CH数</translation>
    </message>
    <message>
        <source>Bank groups</source>
        <translation>ﾊﾞﾝｸｸﾞﾙｰﾌﾟ</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>ｸﾞﾙｰﾌﾟ</translation>
    </message>
    <message>
        <source>BANK %1 - %2</source>
        <translation>ﾊﾞﾝｸ %1 - %2</translation>
    </message>
    <message>
        <source>%1, bank %2</source>
        <translation>%1、ﾊﾞﾝｸ %2</translation>
    </message>
    <message>
        <source>Group box clicked last (group x 50 + bank)</source>
        <translation>最後にｸﾘｯｸしたﾎﾞｯｸｽ (ｸﾞﾙｰﾌﾟ × 50 + ﾊﾞﾝｸ)</translation>
    </message>
    <message>
        <source>Bank %1 size</source>
        <translation>ﾊﾞﾝｸ %1 ｻｲｽﾞ</translation>
    </message>
    <message>
        <source>Bank %1 link</source>
        <translation>ﾊﾞﾝｸ %1 ﾘﾝｸ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ChangesDialog</name>
    <message>
        <source>Changes to the receiver</source>
        <translation>受信機への変更</translation>
    </message>
    <message>
        <source>The write will make these changes to the receiver:</source>
        <translation>書き込むと受信機は次のように変わります:</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ChannelImportDialog</name>
    <message>
        <source>Import Channel List</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの読み込み</translation>
    </message>
    <message>
        <source>From %1 on</source>
        <translation>%1 から</translation>
    </message>
    <message>
        <source>Into bank</source>
        <translation>ﾊﾞﾝｸへ</translation>
    </message>
    <message>
        <source>Each channel at the slot its Location names</source>
        <translation>各ﾁｬﾝﾈﾙを Location の番号のｽﾛｯﾄへ</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>何も読み込まれませんでした。</translation>
    </message>
    <message>
        <source>What was changed or left out, row by row:</source>
        <translation>行ごとの変更と除外の内容:</translation>
    </message>
    <message>
        <source>Bank number</source>
        <translation>ﾊﾞﾝｸ番号</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ChannelMapDialog</name>
    <message>
        <source>Channel Map</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟ</translation>
    </message>
    <message>
        <source>Point at a channel for its row and name; click it to select its row.</source>
        <translation>ﾁｬﾝﾈﾙにﾏｳｽを合わせると行と名前を表示します。ｸﾘｯｸするとその行を選択します。</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNGで保存</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG画像 (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのﾌｧｲﾙ (*)</translation>
    </message>
    <message>
        <source>&amp;Save as PNG...</source>
        <translation>PNGで保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Channel map: picture or table</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟ: 図または表</translation>
    </message>
    <message>
        <source>Channel map picture</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟの図</translation>
    </message>
    <message>
        <source>The Table tab lists the same channels.</source>
        <translation>「表」ﾀﾌﾞに同じﾁｬﾝﾈﾙの一覧があります。</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>図(&amp;P)</translation>
    </message>
    <message>
        <source>Channels on the map</source>
        <translation>ﾏｯﾌﾟのﾁｬﾝﾈﾙ一覧</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表(&amp;T)</translation>
    </message>
    <message>
        <source>Enter or a double click on a channel selects its row.</source>
        <translation>Enterｷｰまたはﾀﾞﾌﾞﾙｸﾘｯｸでそのﾁｬﾝﾈﾙの行を選択します。</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ChannelMapView</name>
    <message>
        <source>%1  %2 MHz</source>
        <translation>%1  %2 MHz</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::CsvCommands</name>
    <message>
        <source>Import</source>
        <translation>ｲﾝﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ｴｸｽﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>Import Channel List</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの読み込み</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの書き出し</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::EditDialog</name>
    <message>
        <source>Modify Memory</source>
        <translation>ﾒﾓﾘｰの変更</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>ﾄｰﾝ</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>ｷｬﾘｱ</translation>
    </message>
    <message>
        <source>Secret code</source>
        <translation>秘話ｺｰﾄﾞ</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>ｵﾌｾｯﾄ周波数</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ｽｷｯﾌﾟ</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ﾎｰﾙﾄﾞ</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ﾒﾓ</translation>
    </message>
    <message>
        <source>Modulation Mode</source>
        <translation>変調ﾓｰﾄﾞ</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>ｽﾃｯﾌﾟ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>ｵﾌﾟｼｮﾝ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>ｼﾌﾄ</translation>
    </message>
    <message>
        <source>Why the value typed was refused</source>
        <translation>入力した値が受け付けられなかった理由</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ｷｬﾝｾﾙ(&amp;C)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::GridModel</name>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::History</name>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::MainWindow</name>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>Edit VFO band</source>
        <translation>VFOﾊﾞﾝﾄﾞの編集</translation>
    </message>
    <message>
        <source>Band Plan Editor</source>
        <translation>ﾊﾞﾝﾄﾞﾌﾟﾗﾝｴﾃﾞｨﾀ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Bank page</source>
        <translation>ﾊﾞﾝｸﾍﾟｰｼﾞ</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>ﾌｧｲﾙ(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>ﾂｰﾙ(&amp;T)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ﾍﾙﾌﾟ(&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Model change</source>
        <translation>機種の変更</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Write to the receiver</source>
        <translation>受信機へ書き込み</translation>
    </message>
    <message>
        <source>Read from the receiver</source>
        <translation>受信機から読み込み</translation>
    </message>
    <message>
        <source>The receiver is a %1. Switch to the %1 and run the command again?</source>
        <translation>受信機は %1 です。%1 に切り替えて、ｺﾏﾝﾄﾞをもう一度実行しますか?</translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation>ﾘｰｼﾞｮﾝｴﾗｰ</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>ｲﾝﾎﾟｰﾄ(&amp;I)...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>ｴｸｽﾎﾟｰﾄ(&amp;E)...</translation>
    </message>
    <message>
        <source>Import Channel List(&amp;L)...</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの読み込み(&amp;L)...</translation>
    </message>
    <message>
        <source>Export Channel List(&amp;H)...</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの書き出し(&amp;H)...</translation>
    </message>
    <message>
        <source>Receiver Snapshots(&amp;R)...</source>
        <translation>受信機のｽﾅｯﾌﾟｼｮｯﾄ(&amp;R)...</translation>
    </message>
    <message>
        <source>Print Setup(&amp;U)...</source>
        <translation>ﾍﾟｰｼﾞ設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>ﾂｰﾙ ﾊﾞｰ(&amp;T)</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>ｽﾃｰﾀｽﾊﾞｰ(&amp;S)</translation>
    </message>
    <message>
        <source>Channel Map(&amp;M)...</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟ(&amp;M)...</translation>
    </message>
    <message>
        <source>User Guide(&amp;G)</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞ(&amp;G)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>変更(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Read Settings</source>
        <translation>設定読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write Settings</source>
        <translation>設定書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Read Bank</source>
        <translation>ﾊﾞﾝｸ読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write Bank</source>
        <translation>ﾊﾞﾝｸ書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Read &amp;Group</source>
        <translation>ｸﾞﾙｰﾌﾟ読み込み(&amp;G)</translation>
    </message>
    <message>
        <source>Write Grou&amp;p</source>
        <translation>ｸﾞﾙｰﾌﾟ書き込み(&amp;P)</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</translation>
    </message>
    <message>
        <source>Export PDF(&amp;D)...</source>
        <translation>PDFｴｸｽﾎﾟｰﾄ(&amp;D)...</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::MapTableModel</name>
    <message>
        <source>Lane</source>
        <translation>ﾚｰﾝ</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::MemoryPage</name>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>145.5, a range 144-146, or a name or note</source>
        <translation>145.5、範囲 144-146、または名前かﾒﾓ</translation>
    </message>
    <message>
        <source>Sort(&amp;S)</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ｸﾘｱ</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてｸﾘｱ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Insert Empty Row</source>
        <translation>空行の挿入</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>ｺﾋﾟｰ(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Insert Empty Row(&amp;I)</source>
        <translation>空の行を挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>By Frequency</source>
        <translation>周波数順</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>名前順</translation>
    </message>
    <message>
        <source>By Note</source>
        <translation>ﾒﾓ順</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>ｸﾘｱ(&amp;L)</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>すべてｸﾘｱ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>ﾒﾓﾘｰﾁｬﾝﾈﾙ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::OpenedFile</name>
    <message>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 は開いた後にﾃﾞｨｽｸ上で変更されています。上書きしますか?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::PortDialog</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM ﾎﾟｰﾄｾｯﾄｱｯﾌﾟ</translation>
    </message>
    <message>
        <source>Choose the port of the cloning cable, or type the path of its device. &quot;Simulated receiver&quot; answers without a receiver attached.</source>
        <translation>ｸﾛｰﾝｹｰﾌﾞﾙのﾎﾟｰﾄを選ぶか、そのﾃﾞﾊﾞｲｽのﾊﾟｽを入力してください。「模擬受信機」は受信機をつながずに応答します。</translation>
    </message>
    <message>
        <source>What to choose</source>
        <translation>選択の説明</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>ﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(見つかりません)</translation>
    </message>
    <message>
        <source>Simulated receiver</source>
        <translation>模擬受信機</translation>
    </message>
    <message>
        <source>Port name or device path</source>
        <translation>ﾎﾟｰﾄ名またはﾃﾞﾊﾞｲｽのﾊﾟｽ</translation>
    </message>
    <message>
        <source>Device path, e.g. /dev/ttyUSB0</source>
        <translation>ﾃﾞﾊﾞｲｽのﾊﾟｽ (例 /dev/ttyUSB0)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ｷｬﾝｾﾙ(&amp;C)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::PrintCommands</name>
    <message>
        <source>There is nothing to print: no channel is in use in the rows chosen.</source>
        <translation>印刷するものがありません: 選んだ行に使用中のﾁｬﾝﾈﾙがありません。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>The pages could not be sent to the printer.</source>
        <translation>ﾌﾟﾘﾝﾀｰにﾍﾟｰｼﾞを送れませんでした。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDFｴｸｽﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDFﾌｧｲﾙ (*.pdf)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>印刷する内容</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>VFO Data</source>
        <translation>VFOﾃﾞｰﾀ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ﾒﾓﾘｰ</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>ﾊﾞﾝｸ</translation>
    </message>
    <message>
        <source>Memory rows</source>
        <translation>ﾒﾓﾘｰの行</translation>
    </message>
    <message>
        <source>Channels in &amp;use only</source>
        <translation>使用中のﾁｬﾝﾈﾙのみ(&amp;U)</translation>
    </message>
    <message>
        <source>E&amp;very row</source>
        <translation>すべての行(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;All banks</source>
        <translation>すべてのﾊﾞﾝｸ(&amp;A)</translation>
    </message>
    <message>
        <source>The current &amp;bank: %1</source>
        <translation>現在のﾊﾞﾝｸ: %1(&amp;B)</translation>
    </message>
    <message>
        <source>The &amp;selected rows: %1</source>
        <translation>選択した行: %1(&amp;S)</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A4(&amp;4)</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>ﾚﾀｰ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>縦(&amp;P)</translation>
    </message>
    <message>
        <source>La&amp;ndscape</source>
        <translation>横(&amp;N)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::QtPrompts</name>
    <message>
        <source>Print Preview</source>
        <translation>印刷ﾌﾟﾚﾋﾞｭｰ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::RecentFilesMenu</name>
    <message>
        <source>Recent Files(&amp;R)</source>
        <translation>最近使ったﾌｧｲﾙ(&amp;R)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::SettingsPages</name>
    <message>
        <source>Lo Volume</source>
        <translation>ﾛｰﾎﾞﾘｭｰﾑ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::SnapshotsDialog</name>
    <message>
        <source>Receiver Snapshots</source>
        <translation>受信機のｽﾅｯﾌﾟｼｮｯﾄ</translation>
    </message>
    <message>
        <source>No snapshot has been kept yet: each write keeps one of what the receiver held before it.</source>
        <translation>ｽﾅｯﾌﾟｼｮｯﾄはまだありません。書き込むたびに、その前の受信機の内容が保存されます。</translation>
    </message>
    <message>
        <source>What the receiver held before each write, newest first:</source>
        <translation>書き込みの前に受信機が保持していた内容 (新しい順):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中のﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ﾌｧｲﾙ</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Write &amp;Back</source>
        <translation>受信機に書き戻す(&amp;B)</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::StatusBar</name>
    <message>
        <source>Port: none</source>
        <translation>ﾎﾟｰﾄ: なし</translation>
    </message>
    <message>
        <source>Port: simulated receiver</source>
        <translation>ﾎﾟｰﾄ: 模擬受信機</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>ﾎﾟｰﾄ: %1</translation>
    </message>
    <message>
        <source>%1 of %2 channels in use</source>
        <translation>%1 / %2 ﾁｬﾝﾈﾙ使用中</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>機種: %1</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ToolBar</name>
    <message>
        <source>Tool Bar</source>
        <translation>ﾂｰﾙﾊﾞｰ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ﾍﾙﾌﾟ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::TransferController</name>
    <message>
        <source>%1 s left</source>
        <translation>残り %1 秒</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>接続の確認</translation>
    </message>
    <message>
        <source>Switch to the model %1?</source>
        <translation>機種を %1 に切り替えますか?</translation>
    </message>
    <message>
        <source>Read(&amp;R)</source>
        <translation>読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>ﾒﾓﾘｰ(&amp;M)</translation>
    </message>
    <message>
        <source>ALL(&amp;A)</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>Channels in use(&amp;U)</source>
        <translation>使用中のﾁｬﾝﾈﾙ(&amp;U)</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Check Connection(&amp;K)</source>
        <translation>接続の確認(&amp;K)</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>COM ﾎﾟｰﾄｾｯﾄｱｯﾌﾟ(&amp;C)</translation>
    </message>
    <message>
        <source>Options(&amp;O)...</source>
        <translation>ｵﾌﾟｼｮﾝ(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ｷｬﾝｾﾙ(&amp;C)</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>転送の進み具合</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::VfoGrid</name>
    <message>
        <source>VFO bands</source>
        <translation>VFO ﾊﾞﾝﾄﾞ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::WriteCheckDialog</name>
    <message>
        <source>Check before writing</source>
        <translation>書き込み前の確認</translation>
    </message>
    <message>
        <source>The receiver would refuse or misfile what is marked as an error. Nothing is written; correct it first.</source>
        <translation>ｴﾗｰの項目は受信機が受け付けないか、誤って記憶します。書き込みません。先に修正してください。</translation>
    </message>
    <message>
        <source>A write would cut or change what is listed here. Write anyway?</source>
        <translation>書き込むと、一覧の項目が切り詰められるか変わります。書き込みますか?</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>What a write does</source>
        <translation>書き込みの結果</translation>
    </message>
    <message>
        <source>Do not show warnings again</source>
        <translation>今後、警告を表示しない</translation>
    </message>
    <message>
        <source>&amp;Write anyway</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>検出結果</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::WriteStepsDialog</name>
    <message>
        <source>Options</source>
        <translation>ｵﾌﾟｼｮﾝ</translation>
    </message>
    <message>
        <source>&amp;Keep a snapshot of the receiver before writing</source>
        <translation>書き込む前に受信機のｽﾅｯﾌﾟｼｮｯﾄを保存する(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Show what will change</source>
        <translation>変更される内容を表示する(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Read back and compare after writing</source>
        <translation>書き込んだ後に読み出して比較する(&amp;R)</translation>
    </message>
</context>
<context>
    <name>vrq5::radio::SafeWrite</name>
    <message>
        <source>The read-back was cancelled.</source>
        <translation>読み返しをｷｬﾝｾﾙしました。</translation>
    </message>
    <message>
        <source>The receiver could not be read back.</source>
        <translation>受信機から読み返せませんでした。</translation>
    </message>
</context>
</TS>
