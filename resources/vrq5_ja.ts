<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>std</name>
    <message>
        <source>%1 (line %2) %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 imported, %2 changed, %3 left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated receiver answers.</source>
        <translation type="unfinished"></translation>
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
        <source>No serial port was found on this machine: plug the cable in (a USB cable shows its port once it is plugged in).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports of this machine: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: %1. LinkBank: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was still linked from an earlier transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything is ready for a transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no port %1. Choose the cable&apos;s port (COM Port Setup in the window, --port on the command line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds %1. Close that program (or the other window of this one) and check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not open %1. On Linux, add the user to the group that owns serial ports (usually dialout: sudo adduser $USER dialout), then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opened but failed when written or read: it may not be a serial port, or the cable was pulled out. Plug the cable in again or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not even the echo of what was sent comes back on %1. Check that the cable is plugged in at both ends and that the receiver is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was sent comes back as the echo, but the receiver gives no answer. Switch it off, switch it on again in its cloning mode and check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device on %1 answers in a way the receiver never does. It may be another device, or the line is noisy; check the port and the cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It refused the identity of the %1 and took that of the %2. Select the model %2 before a transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It refused the identity of each model (VR-Q5J, VR-Q70E, VR-Q70T, VR-Q70K). It may be of a model or region this program does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It took the identity of the %1, then gave no answer. Check the cable and check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It answered at first, then gave no answer. Check the cable and check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing more was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver&apos;s channels were erased and %1 of %2 written: write again before you use the receiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read was cancelled. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(simulated receiver: nothing was sent to a real receiver)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the receiver held before this write is kept in %1: write it back to restore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the receiver could not be read first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver already holds this. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: the receiver holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Failed: the receiver does not hold what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write was cancelled. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total of the number of channels exceeds 1000.<byte value="xd"/>
Please set for the total of the channel to become 1000 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a frequency of the cellular phone.<byte value="xd"/>
It is not possible to set it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer with the receiver is running.<byte value="xd"/>
Stop it and go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program-scan edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the search-pass channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the priority channels</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 is not a bank (0 to 49)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 is not a memory row (0 to 999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no header line naming the columns (Location, Name, Frequency, ...) before the channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no header line and no channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than any channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1 rows?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be pasted on this row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the rows pasted over are in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows do not fit and are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rows to sort must lie in one bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no row %1: nothing was inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to no bank: nothing was inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last row of %1 is in use: nothing was inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Protect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DoReMi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::Changes</name>
    <message>
        <source>Bank %1 size: %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank %1 link: %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bank %2 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bank %2 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO band %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1 added: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1 removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::Import</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>no row left in bank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no memory row left after 999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Location (a memory slot 0 to 999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 is not a memory slot (0 to 999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location %1 is taken by line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz lies in a cellular band the VR-Q70T does not receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside the receiver&apos;s 0.1 to 1299.995 MHz</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui</name>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvex VR-Q5 Clone Files (*.VQ5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui::AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1, Qt %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads, edits and writes the memory of the VR-Q5 and VR-Q70 receivers:
channels, banks, groups, VFO bands and settings.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANK %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bank %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group box clicked last (group x 50 + bank)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ChannelMapView</name>
    <message>
        <source>%1  %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui::CsvCommands</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui::MainWindow</name>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit VFO band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band Plan Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank page</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model change</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from the receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver is a %1. Switch to the %1 and run the command again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort(&amp;S)</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Empty Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::OpenedFile</name>
    <message>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 は開いた後にディスク上で変更されています。上書きしますか?</translation>
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
        <translation>COM ポートセットアップ</translation>
    </message>
    <message>
        <source>Choose the port of the cloning cable, or type the path of its device. &quot;Simulated receiver&quot; answers without a receiver attached.</source>
        <translation>クローンケーブルのポートを選ぶか、そのデバイスのパスを入力してください。「模擬受信機」は受信機をつながずに応答します。</translation>
    </message>
    <message>
        <source>What to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device path, e.g. /dev/ttyUSB0</source>
        <translation>デバイスのパス (例 /dev/ttyUSB0)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
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
        <translation type="unfinished"></translation>
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
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中のﾁｬﾝﾈﾙ</translation>
    </message>
    <message>
        <source>Port in use</source>
        <translation type="unfinished"></translation>
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
        <source>%1 of %2 channels in use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vrq5::gui::ToolBar</name>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ﾍﾙﾌﾟ</translation>
    </message>
</context>
<context>
    <name>vrq5::gui::TransferController</name>
    <message>
        <source>%1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>接続の確認</translation>
    </message>
    <message>
        <source>Switch to the model %1?</source>
        <translation>機種を %1 に切り替えますか?</translation>
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
</context>
<context>
    <name>vrq5::gui::WriteStepsDialog</name>
    <message>
        <source>Options</source>
        <translation>ｵﾌﾟｼｮﾝ</translation>
    </message>
</context>
<context>
    <name>vrq5::radio::SafeWrite</name>
    <message>
        <source>The read-back was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver could not be read back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
