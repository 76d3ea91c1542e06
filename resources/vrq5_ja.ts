<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>vrq5</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>ﾌｧｲﾙ(&amp;F)</translation>
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
        <source>Print Setup(&amp;U)...</source>
        <translation>ﾍﾟｰｼﾞ設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)...</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Modify(&amp;M)</source>
        <translation>変更(&amp;M)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Tool Bar(&amp;T)</source>
        <translation>ﾂｰﾙ ﾊﾞｰ(&amp;T)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>ﾂｰﾙ(&amp;T)</translation>
    </message>
    <message>
        <source>COM Port Setup(&amp;C)</source>
        <translation>COM ポートセットアップ(&amp;C)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ﾍﾙﾌﾟ(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</translation>
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
        <source>Help</source>
        <translation>ﾍﾙﾌﾟ</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>ｽﾃｰﾀｽﾊﾞｰ(&amp;S)</translation>
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
        <source>Read(&amp;R)</source>
        <translation>読み出し(&amp;R)</translation>
    </message>
    <message>
        <source>Write(&amp;W)</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Memory(&amp;M)</source>
        <translation>メモリー(&amp;M)</translation>
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
        <source>Check Connection(&amp;K)</source>
        <translation>接続の確認(&amp;K)</translation>
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
        <source>The receiver answers.</source>
        <translation>受信機が応答しました。</translation>
    </message>
    <message>
        <source>The port does not exist.</source>
        <translation>ポートがありません。</translation>
    </message>
    <message>
        <source>The port is in use.</source>
        <translation>ポートは使用中です。</translation>
    </message>
    <message>
        <source>You may not open the port.</source>
        <translation>ポートを開く権限がありません。</translation>
    </message>
    <message>
        <source>The port cannot be used.</source>
        <translation>ポートを使えません。</translation>
    </message>
    <message>
        <source>Nothing comes back.</source>
        <translation>何も返ってきません。</translation>
    </message>
    <message>
        <source>The receiver is not in its cloning mode.</source>
        <translation>受信機がクローンモードではありません。</translation>
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
        <source>Check before writing</source>
        <translation>書き込み前の確認</translation>
    </message>
    <message>
        <source>The receiver would refuse or misfile what is marked as an error. Nothing is written; correct it first.</source>
        <translation>エラーの項目は受信機が受け付けないか、誤って記憶します。書き込みません。先に修正してください。</translation>
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
        <source>Write anyway</source>
        <translation>書き込む</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>Redo %1(&amp;R)</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
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
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
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
        <source>Sort(&amp;S)</source>
        <translation>並べ替え(&amp;S)</translation>
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
        <source>Recent Files(&amp;R)</source>
        <translation>最近使ったﾌｧｲﾙ(&amp;R)</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>COM Port Setup</source>
        <translation>COM ポートセットアップ</translation>
    </message>
    <message>
        <source>Choose the port of the cloning cable, or type the path of its device. &quot;Simulated receiver&quot; answers without a receiver attached.</source>
        <translation>クローンケーブルのポートを選ぶか、そのデバイスのパスを入力してください。「模擬受信機」は受信機をつながずに応答します。</translation>
    </message>
    <message>
        <source>Simulated receiver</source>
        <translation>模擬受信機</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(見つかりません)</translation>
    </message>
    <message>
        <source>Device path, e.g. /dev/ttyUSB0</source>
        <translation>デバイスのパス (例 /dev/ttyUSB0)</translation>
    </message>
    <message>
        <source>Port: none</source>
        <translation>ポート: なし</translation>
    </message>
    <message>
        <source>Port: simulated receiver</source>
        <translation>ポート: 模擬受信機</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>ポート: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
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
        <source>Import Channel List</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの読み込み</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>ﾁｬﾝﾈﾙﾘｽﾄの書き出し</translation>
    </message>
    <message>
        <source>Channel Map(&amp;M)...</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟ(&amp;M)...</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>ﾁｬﾝﾈﾙﾏｯﾌﾟ</translation>
    </message>
    <message>
        <source>Save as PNG...</source>
        <translation>PNG で保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <source>User Guide(&amp;G)</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞ(&amp;G)</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞ</translation>
    </message>
    <message>
        <source>The user guide cannot be shown.</source>
        <translation>ﾕｰｻﾞｰｶﾞｲﾄﾞを表示できません。</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 は開いた後にディスク上で変更されています。上書きしますか?</translation>
    </message>
    <message>
        <source>Receiver Snapshots(&amp;R)...</source>
        <translation>受信機のｽﾅｯﾌﾟｼｮｯﾄ(&amp;R)...</translation>
    </message>
    <message>
        <source>Receiver Snapshots</source>
        <translation>受信機のｽﾅｯﾌﾟｼｮｯﾄ</translation>
    </message>
    <message>
        <source>Options(&amp;O)...</source>
        <translation>ｵﾌﾟｼｮﾝ(&amp;O)...</translation>
    </message>
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
    <message>
        <source>What the receiver held before each write, newest first:</source>
        <translation>書き込みの前に受信機が保持していた内容 (新しい順):</translation>
    </message>
    <message>
        <source>No snapshot has been kept yet: each write keeps one of what the receiver held before it.</source>
        <translation>ｽﾅｯﾌﾟｼｮｯﾄはまだありません。書き込むたびに、その前の受信機の内容が保存されます。</translation>
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
    <message>
        <source>Why the value typed was refused</source>
        <translation>入力した値が受け付けられなかった理由</translation>
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
</context>
</TS>
