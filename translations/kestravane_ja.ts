<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Board</name>
    <message>
        <location filename="../engine/texts.inc" line="151"/>
        <source> Weapons</source>
        <translation> 兵装</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="152"/>
        <source>Missiles</source>
        <translation>ミサイル</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="153"/>
        <source> Engines</source>
        <translation> エンジン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="154"/>
        <source>Fuel</source>
        <translation>燃料</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="155"/>
        <source> Scanner</source>
        <translation> スキャナー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="156"/>
        <source>&amp;Aim</source>
        <translation>照準(&amp;A)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="157"/>
        <source>&amp;Fire</source>
        <translation>発射(&amp;F)</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="158"/>
        <source>%n Roder Ships</source>
        <translation>
            <numerusform>ロダー艦 %n隻</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="159"/>
        <source>%1 Destroyed</source>
        <translation>撃破 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="160"/>
        <source>%1 Remaining</source>
        <translation>残存 %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="161"/>
        <source>%n Ships Remain</source>
        <translation>
            <numerusform>残り %n隻</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="162"/>
        <source>%1% Kill Ratio</source>
        <translation>撃破率 %1%</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <location filename="../engine/texts.inc" line="18"/>
        <source>Kestravane</source>
        <translation>Kestravane</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="20"/>
        <source>Splash</source>
        <translation>起動画面</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="313"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="314"/>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="315"/>
        <source>Save the current game to disk?</source>
        <translation>現在のゲームをディスクに保存しますか？</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="316"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a %1 coordinate between 0 and 8.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 座標には 0 から 8 までの値を入力してください。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="318"/>
        <source><byte value="xd"/><byte value="xd"/>The difficulty level you have selected<byte value="xd"/>will be used for the next new game.</source>
        <translation><byte value="xd"/><byte value="xd"/>選択した難易度は<byte value="xd"/>次の新しいゲームから適用されます。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="319"/>
        <source><byte value="xd"/><byte value="xd"/>Enter a universe number between 0 and 4294967295.</source>
        <translation><byte value="xd"/><byte value="xd"/>宇宙番号には 0 から 4294967295 までの値を入力してください。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="321"/>
        <source>This game&apos;s universe is number %1.<byte value="xd"/><byte value="xd"/>New by Number starts the same universe on any computer.</source>
        <translation>このゲームの宇宙番号は %1 です。<byte value="xd"/><byte value="xd"/>「番号を指定して新規」を使えば、どのコンピューターでも同じ宇宙を開始できます。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="322"/>
        <source>No universe number is known for this game.</source>
        <translation>このゲームの宇宙番号は不明です。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="323"/>
        <source>Clear the captain&apos;s record?<byte value="xd"/><byte value="xd"/>Every game in it will be forgotten.</source>
        <translation>艦長の戦績を消去しますか？<byte value="xd"/><byte value="xd"/>記録されたゲームはすべて失われます。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="324"/>
        <source>Open Kestravane Game</source>
        <translation>Kestravane ゲームを開く</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="325"/>
        <source>Save Kestravane Game As</source>
        <translation>Kestravane ゲームに名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="326"/>
        <source>Kestravane Game</source>
        <translation>Kestravane ゲーム</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="327"/>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="328"/>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="329"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>This game document was created with Kestravane v%2.%3<byte value="xd"/>It can not be used with Kestravane for Windows 95/NT<byte value="xd"/><byte value="xd"/>Please use Kestravane v1.5 or older to load this file.</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このゲーム文書は Kestravane v%2.%3 で作成されました<byte value="xd"/>Windows 95/NT 用の Kestravane では使用できません<byte value="xd"/><byte value="xd"/>このファイルを読み込むには Kestravane v1.5 以前を使用してください。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="332"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected creating this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルの作成中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="333"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected opening this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルを開く際にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="334"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected rewinding this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルの巻き戻し中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="335"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading header from this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルのヘッダー読み込み中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="337"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing header signature to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルへのヘッダー署名の書き込み中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="338"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected flushing buffers for this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルのバッファーのフラッシュ中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="339"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected closing this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルを閉じる際にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="341"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Invalid file header signature detected. This<byte value="xd"/>document was not created by %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>無効なファイルヘッダー署名を検出しました。この<byte value="xd"/>文書は %2 で作成されたものではありません</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="342"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected reading %2 data from disk<byte value="xd"/>Code %3</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>ディスクからの%2データの読み込み中にエラーが発生しました<byte value="xd"/>コード %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="343"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing %2 data to disk<byte value="xd"/>Code %3</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>ディスクへの%2データの書き込み中にエラーが発生しました<byte value="xd"/>コード %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="344"/>
        <source>File: %1<byte value="xd"/>Name: %2<byte value="xd"/><byte value="xd"/>Error detected renaming this disk file<byte value="xd"/>Code %3</source>
        <translation>ファイル: %1<byte value="xd"/>名前: %2<byte value="xd"/><byte value="xd"/>このディスクファイルの名前変更中にエラーが発生しました<byte value="xd"/>コード %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="346"/>
        <source>game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="347"/>
        <source>quadrant</source>
        <translation>象限</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="348"/>
        <source>scanner</source>
        <translation>スキャナー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="350"/>
        <source>%1(LoadBitmap): Error detected loading specified picture (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadBitmap): 指定された画像の読み込み中にエラーが発生しました (ID:%2)<byte value="xd"/><byte value="xd"/>コード %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="351"/>
        <source>%1(LoadIcon): Error detected loading icon resource (ID:%2)<byte value="xd"/><byte value="xd"/>Code %3</source>
        <translation>%1(LoadIcon): アイコンリソースの読み込み中にエラーが発生しました (ID:%2)<byte value="xd"/><byte value="xd"/>コード %3</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="352"/>
        <source>%1(FindResource): Error detected finding %2 resource (ID:%3)<byte value="xd"/><byte value="xd"/>Code %4</source>
        <translation>%1(FindResource): %2 リソースの検索中にエラーが発生しました (ID:%3)<byte value="xd"/><byte value="xd"/>コード %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="353"/>
        <source>%1(sndPlaySound): Cannot play WAVE resource (ID:%2)<byte value="xd"/>Code %3</source>
        <translation>%1(sndPlaySound): WAVE リソースを再生できません (ID:%2)<byte value="xd"/>コード %3</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../engine/texts.inc" line="183"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="184"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="185"/>
        <source> Help </source>
        <translation> ヘルプ </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="186"/>
        <source>Kestravane Options</source>
        <translation>Kestravane オプション</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="187"/>
        <source> Difficulty </source>
        <translation> 難易度 </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="188"/>
        <source>&amp;Easy</source>
        <translation>やさしい(&amp;E)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="189"/>
        <source>&amp;Normal</source>
        <translation>ふつう(&amp;N)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="190"/>
        <source>&amp;Hard</source>
        <translation>むずかしい(&amp;H)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="191"/>
        <source>%1 Missiles / %2 Fuel Units</source>
        <translation>ミサイル %1 / 燃料 %2 単位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="192"/>
        <source> Sound </source>
        <translation> サウンド </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="193"/>
        <source>&amp;Play Sound F/X Wave Files</source>
        <translation>効果音 (WAVE ファイル) を再生(&amp;P)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="194"/>
        <source>Helm</source>
        <translation>操舵</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="195"/>
        <source> Destination </source>
        <translation> 目的地 </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="196"/>
        <source>&amp;Z:</source>
        <translation>&amp;Z:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="197"/>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="198"/>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="199"/>
        <source>Use the radio buttons to the left</source>
        <translation>座標ラベルの左にある</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="200"/>
        <source>of the coordinate labels to specify</source>
        <translation>ラジオボタンで、スキャナーの</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="201"/>
        <source>the desired scanner viewing axis.</source>
        <translation>視軸を指定します。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="202"/>
        <source>&amp;Engage</source>
        <translation>前進(&amp;E)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="203"/>
        <source>Aim</source>
        <translation>照準</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="204"/>
        <source> Target </source>
        <translation> 目標 </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="205"/>
        <source>&amp;Z</source>
        <translation>&amp;Z</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="206"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="207"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="208"/>
        <source> Shortcut </source>
        <translation> ショートカット </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="209"/>
        <source>You may also select a target by</source>
        <translation>座標をマウスで直接クリックして</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="210"/>
        <source>clicking the mouse directly on a</source>
        <translation>目標を選び、続けて</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="211"/>
        <source>coordinate, and then press the</source>
        <translation>スペースキーを押しても</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="212"/>
        <source>space bar to launch a missile.</source>
        <translation>ミサイルを発射できます。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="213"/>
        <source>&amp;Fire</source>
        <translation>発射(&amp;F)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="214"/>
        <source>Scanner Log</source>
        <translation>スキャナーログ</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="215"/>
        <source>&amp;Sector Scans</source>
        <translation>セクタースキャン(&amp;S)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="216"/>
        <source>&amp;Z Axis</source>
        <translation>Z軸(&amp;Z)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="217"/>
        <source>&amp;Y Axis</source>
        <translation>Y軸(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="218"/>
        <source>&amp;X Axis</source>
        <translation>X軸(&amp;X)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="219"/>
        <source>Sector %1 ----------------</source>
        <translation>セクター %1 ----------------</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="220"/>
        <source>	%n Roder Ships</source>
        <translation>
            <numerusform>	ロダー艦 %n隻</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="221"/>
        <source>	%1 Destroyed</source>
        <translation>	撃破 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="222"/>
        <source>	%1 Remaining</source>
        <translation>	残存 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="223"/>
        <source>	Unexplored</source>
        <translation>	未探査</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="224"/>
        <source>New by Number</source>
        <translation>番号を指定して新規</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="225"/>
        <source> Universe </source>
        <translation> 宇宙 </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="226"/>
        <source>&amp;Number:</source>
        <translation>番号(&amp;N):</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="227"/>
        <source>The same number starts the same universe</source>
        <translation>同じ番号なら、どのコンピューターでも</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="228"/>
        <source>on every computer.</source>
        <translation>同じ宇宙が始まります。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="229"/>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <location filename="../engine/texts.inc" line="284"/>
        <source>Map of the Hunt</source>
        <translation>索敵マップ</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="285"/>
        <source>Z %1</source>
        <translation>Z %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="286"/>
        <source>Each sector: rows Y 0-8, columns X 0-8</source>
        <translation>各セクター: 行 Y 0-8、列 X 0-8</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="287"/>
        <source>Roder ship destroyed</source>
        <translation>撃破したロダー艦</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="288"/>
        <source>Roder ship that survived</source>
        <translation>生き残ったロダー艦</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="289"/>
        <source>Shot that missed</source>
        <translation>外れた射撃</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="290"/>
        <source>Seen by the scanner</source>
        <translation>スキャン済み</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="291"/>
        <source>Never scanned</source>
        <translation>未スキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="292"/>
        <source>%1 of %2 Roder ships destroyed</source>
        <translation>ロダー艦 %2 隻中 %1 隻を撃破</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="293"/>
        <source>shots: %1 hit, %2 missed</source>
        <translation>射撃: 命中 %1、外れ %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="294"/>
        <source>Ships not yet found stay hidden until the hunt ends.</source>
        <translation>未発見の艦は戦闘終了まで表示されない。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="295"/>
        <source>The hunt is over: every ship is shown.</source>
        <translation>戦闘終了: 全艦を表示。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="296"/>
        <source>&amp;Sectors</source>
        <translation>セクター(&amp;S)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="297"/>
        <source>Save as &amp;PNG...</source>
        <translation>PNG で保存(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="298"/>
        <source>Save Map of the Hunt As</source>
        <translation>索敵マップに名前を付けて保存</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="299"/>
        <source>PNG Picture</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="300"/>
        <source>File: %1<byte value="xd"/><byte value="xd"/>Error detected writing the map to this disk file<byte value="xd"/><byte value="xd"/>Code %2</source>
        <translation>ファイル: %1<byte value="xd"/><byte value="xd"/>このディスクファイルへのマップの書き込み中にエラーが発生しました<byte value="xd"/><byte value="xd"/>コード %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="303"/>
        <source>Sector Z %1: %2</source>
        <translation>セクター Z %1: %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="304"/>
        <source>; </source>
        <translation>。 </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="305"/>
        <source>Y %1 X %2</source>
        <translation>Y %1 X %2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="306"/>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="307"/>
        <source>%n Roder ships destroyed at %2</source>
        <translation>
            <numerusform>ロダー艦 %n 隻を撃破: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="308"/>
        <source>%n Roder ships survived at %2</source>
        <translation>
            <numerusform>ロダー艦 %n 隻が残存: %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="309"/>
        <source>no Roder ship destroyed</source>
        <translation>撃破したロダー艦なし</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="310"/>
        <source>%1 of 81 quadrants scanned</source>
        <translation>81 象限中 %1 象限をスキャン済み</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../engine/texts.inc" line="84"/>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="85"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="86"/>
        <source>&amp;Ship</source>
        <translation>艦(&amp;S)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="87"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="88"/>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="89"/>
        <source>Start a new game</source>
        <translation>新しいゲームを開始</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="90"/>
        <source>New by Num&amp;ber...</source>
        <translation>番号を指定して新規(&amp;B)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="91"/>
        <source>Start the universe of a given number</source>
        <translation>指定した番号の宇宙を開始</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="92"/>
        <source>Toda&amp;y&apos;s Universe</source>
        <translation>今日の宇宙(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="93"/>
        <source>Start today&apos;s universe, the same for every player</source>
        <translation>今日の宇宙を開始 (全プレイヤー共通)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="94"/>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="95"/>
        <source>Load an existing game</source>
        <translation>保存したゲームを読み込む</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="96"/>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="97"/>
        <source>Close the current game</source>
        <translation>現在のゲームを閉じる</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="98"/>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="99"/>
        <source>Save the current game</source>
        <translation>現在のゲームを保存</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="100"/>
        <source>Game N&amp;umber...</source>
        <translation>ゲーム番号(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="101"/>
        <source>Show the number of this game&apos;s universe</source>
        <translation>このゲームの宇宙番号を表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="102"/>
        <source>Captain&apos;s &amp;Record...</source>
        <translation>艦長の戦績(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="103"/>
        <source>Show the games won and lost, and the best victories</source>
        <translation>勝ち負けの数と最良の勝利を表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="104"/>
        <source>Co&amp;py Result</source>
        <translation>結果をコピー(&amp;P)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="105"/>
        <source>Copy the finished game&apos;s result as one line, to paste into a chat</source>
        <translation>終了したゲームの結果を 1 行でコピー (チャットへの貼り付け用)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="106"/>
        <source>&amp;Map of the Hunt...</source>
        <translation>索敵マップ(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="107"/>
        <source>Show the whole cube: the ships destroyed, every shot and the sectors scanned</source>
        <translation>立方体全体を表示: 撃破した艦、すべての射撃、スキャン済みのセクター</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="108"/>
        <source>Op&amp;tions...</source>
        <translation>オプション(&amp;T)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="109"/>
        <source>Set game difficulty level</source>
        <translation>ゲームの難易度を設定</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="110"/>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="111"/>
        <source>Exit Kestravane</source>
        <translation>Kestravane を終了</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="112"/>
        <source>&amp;Z Axis Scan</source>
        <translation>Z軸スキャン(&amp;Z)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="113"/>
        <source>Scan along the Z axis</source>
        <translation>Z軸に沿ってスキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="114"/>
        <source>&amp;Y Axis Scan</source>
        <translation>Y軸スキャン(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="115"/>
        <source>Scan along the Y axis</source>
        <translation>Y軸に沿ってスキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="116"/>
        <source>&amp;X Axis Scan</source>
        <translation>X軸スキャン(&amp;X)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="117"/>
        <source>Scan along the X axis</source>
        <translation>X軸に沿ってスキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="118"/>
        <source>Scanner &amp;Log</source>
        <translation>スキャナーログ(&amp;L)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="119"/>
        <source>View the scanner log</source>
        <translation>スキャナーログを表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="120"/>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="121"/>
        <source>Show the game larger, up to three times its size</source>
        <translation>ゲームを拡大表示 (最大 3 倍まで)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="122"/>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="123"/>
        <source>Show the game smaller, down to its actual size</source>
        <translation>ゲームを縮小表示 (実際のサイズまで)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="124"/>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="125"/>
        <source>Show the game at its actual size</source>
        <translation>ゲームを実際のサイズで表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="126"/>
        <source>Always on &amp;Top</source>
        <translation>常に最前面に表示(&amp;T)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="127"/>
        <source>Make Kestravane the topmost window</source>
        <translation>Kestravane のウィンドウを常に最前面に表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="128"/>
        <source>&amp;Aim...</source>
        <translation>照準(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="129"/>
        <source>Set targeting coordinates</source>
        <translation>照準座標を設定</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="130"/>
        <source>&amp;Fire</source>
        <translation>発射(&amp;F)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="131"/>
        <source>Fire a missile</source>
        <translation>ミサイルを発射</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="132"/>
        <source>&amp;Helm...</source>
        <translation>操舵(&amp;H)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="133"/>
        <source>Set helm coordinates</source>
        <translation>操舵座標を設定</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="134"/>
        <source>&amp;Engage</source>
        <translation>前進(&amp;E)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="135"/>
        <source>Engage the engines</source>
        <translation>エンジン前進</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="136"/>
        <source>&amp;Reverse</source>
        <translation>後退(&amp;R)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="137"/>
        <source>Reverse the engines</source>
        <translation>エンジン後退</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="138"/>
        <source>&amp;Play Sounds</source>
        <translation>効果音を再生(&amp;P)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="139"/>
        <source>Turn sound F/X on and off</source>
        <translation>効果音のオン/オフを切り替え</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="140"/>
        <source>&amp;Game Rules</source>
        <translation>ゲームルール(&amp;G)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="141"/>
        <source>Display game rules</source>
        <translation>ゲームルールを表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="142"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="143"/>
        <source>Show keyboard shortcuts</source>
        <translation>キーボードショートカットを表示</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="144"/>
        <source>&amp;Mission Orders</source>
        <translation>任務命令(&amp;M)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="145"/>
        <source>Read mission orders</source>
        <translation>任務命令を読む</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="146"/>
        <source>&amp;About Kestravane...</source>
        <translation>Kestravane について(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="147"/>
        <source>Show program information and copyright notice</source>
        <translation>プログラムの情報と著作権表示を表示</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <location filename="../engine/texts.inc" line="356"/>
        <source>A space war game  •  Version 2.2</source>
        <translation>宇宙戦争ゲーム  •  バージョン2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="357"/>
        <source>Free software: GNU GPL 3.0 or later</source>
        <translation>フリーソフトウェア: GNU GPL 3.0 以降</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="361"/>
        <source>KESTRAVANE</source>
        <translation>KESTRAVANE</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="362"/>
        <source>A SPACE WAR GAME</source>
        <translation>宇宙戦争ゲーム</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="363"/>
        <source>Version 2.2</source>
        <translation>バージョン2.2</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="365"/>
        <source>Twenty Roder battle groups hide in a cube of 9 x 9 x 9 quadrants. Find them and destroy them all.</source>
        <translation>20 のロダー戦闘群が 9 x 9 x 9 象限の立方体に 潜んでいる。 すべて見つけ出し、 撃破せよ。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="368"/>
        <source>Copyright © 1997 Kestravane Works.</source>
        <translation>著作権 © 1997 Kestravane Works.</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="369"/>
        <source>Free software under the GNU GPL, version 3 or later: share it and change it.</source>
        <translation>GNU GPL バージョン 3 以降の フリーソフトウェア。 自由に共有し、 改変できます。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="370"/>
        <source>Choose New from the Game menu to begin.</source>
        <translation>「ゲーム」メニューの 「新規」で開始。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="371"/>
        <source>GAME RULES</source>
        <translation>ゲームルール</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="373"/>
        <source>Roder battle groups are always three ships in a line, in three neighbouring quadrants:</source>
        <translation>ロダー戦闘群は 常に 3 隻が一列に並び、 隣り合う 3 つの象限にいる:</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="374"/>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="375"/>
        <source>along X</source>
        <translation>X軸方向</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="376"/>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="377"/>
        <source>along Y</source>
        <translation>Y軸方向</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="378"/>
        <source>Head on</source>
        <translation>正面</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="379"/>
        <source>along Z</source>
        <translation>Z軸方向</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="380"/>
        <source>Attack</source>
        <translation>攻撃</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="381"/>
        <source>Select the target coordinates with the mouse, then press the space bar to fire.</source>
        <translation>マウスで目標座標を選び、 スペースキーを押して発射。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="382"/>
        <source>KEYBOARD SHORTCUTS</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="383"/>
        <source>Weapons</source>
        <translation>兵装</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="384"/>
        <source>Aim dialog</source>
        <translation>照準</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="385"/>
        <source>Fire missile</source>
        <translation>ミサイル発射</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="386"/>
        <source>Engines</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="387"/>
        <source>Helm coordinates</source>
        <translation>操舵座標</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="388"/>
        <source>Engage engines</source>
        <translation>エンジン前進</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="389"/>
        <source>Reverse engines</source>
        <translation>エンジン後退</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="390"/>
        <source>Scanner</source>
        <translation>スキャナー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="391"/>
        <source>X axis scan</source>
        <translation>X軸スキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="392"/>
        <source>Y axis scan</source>
        <translation>Y軸スキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="393"/>
        <source>Z axis scan</source>
        <translation>Z軸スキャン</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="394"/>
        <source>MISSION ORDERS</source>
        <translation>任務命令</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="395"/>
        <source>Situation</source>
        <translation>状況</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="397"/>
        <source>An enemy task force of 20 Roder battle groups has invaded the galaxy. Each group of three ships lies hidden somewhere in the cube of 9 x 9 x 9 quadrants.</source>
        <translation>20 のロダー戦闘群からなる 敵機動部隊が 銀河に侵攻した。 3 隻からなる各戦闘群は、 9 x 9 x 9 象限の 立方体のどこかに 潜んでいる。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="399"/>
        <source>Orders</source>
        <translation>命令</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="400"/>
        <source>Seek out and destroy the invaders. Make every missile count.</source>
        <translation>侵略者を探し出し、 撃破せよ。 ミサイルを無駄にするな。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="401"/>
        <source>Good hunting, Commander.</source>
        <translation>健闘を祈る、司令官。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="402"/>
        <source>Fleet Command</source>
        <translation>艦隊司令部</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="403"/>
        <source>VICTORY</source>
        <translation>勝利</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="404"/>
        <source>Congratulations, Commander!</source>
        <translation>おめでとう、司令官！</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="405"/>
        <source>You have destroyed the entire Roder invasion force. The galaxy is safe once more.</source>
        <translation>ロダー侵攻部隊は 全滅した。 銀河に再び 平和が戻った。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="406"/>
        <source>DEFEAT</source>
        <translation>敗北</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="407"/>
        <source>Enemy invaders remain!</source>
        <translation>敵はまだ残っている！</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="408"/>
        <source>Your ship can fight no more. The Vudare are sending coded messages to their home world, and the next wave is on its way.</source>
        <translation>貴艦はもはや 戦闘不能だ。 ヴダーレは母星へ 暗号通信を送っており、 次の攻撃部隊が すでに迫っている。</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../engine/texts.inc" line="163"/>
        <source>Engines back</source>
        <translation>エンジン後退</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="164"/>
        <source>Engines forward</source>
        <translation>エンジン前進</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="165"/>
        <source>Weapons target %1</source>
        <translation>兵装 目標 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="166"/>
        <source>Missiles %1</source>
        <translation>ミサイル %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="167"/>
        <source>Engines position %1</source>
        <translation>エンジン 位置 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="168"/>
        <source>Fuel %1</source>
        <translation>燃料 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="169"/>
        <source>Scanner position %1</source>
        <translation>スキャナー 位置 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="170"/>
        <source>Roder ships in sector %1</source>
        <translation>セクター内のロダー艦 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="171"/>
        <source>Destroyed in sector %1</source>
        <translation>セクター内の撃破数 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="172"/>
        <source>Remaining in sector %1</source>
        <translation>セクター内の残存数 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="174"/>
        <source>Scanner</source>
        <translation>スキャナー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="175"/>
        <source>Z %1, Y %2, X %3: %4</source>
        <translation>Z %1、Y %2、X %3: %4</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="176"/>
        <source>target, %1</source>
        <translation>目標、%1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="177"/>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="178"/>
        <source>destroyed Roder ship</source>
        <translation>撃破したロダー艦</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="179"/>
        <source>live Roder ship</source>
        <translation>健在のロダー艦</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="180"/>
        <source>searched, empty</source>
        <translation>探索済み、空</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <location filename="../engine/texts.inc" line="230"/>
        <source>Captain&apos;s Record</source>
        <translation>艦長の戦績</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="231"/>
        <source>Games played: %1, won: %2, lost: %3, win rate: %4%, assisted: %5</source>
        <translation>プレイ数: %1、勝利: %2、敗北: %3、勝率: %4%、支援あり: %5</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="232"/>
        <source>Best victories</source>
        <translation>最良の勝利</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="234"/>
        <source>Best victories: fewest missiles, then least fuel, then the shortest time. Assisted games never rank.</source>
        <translation>最良の勝利: ミサイルの少ない順、次に燃料の少ない順、次に時間の短い順。支援ありのゲームは順位に入りません。</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="236"/>
        <source>Missiles</source>
        <translation>ミサイル</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="237"/>
        <source>Fuel</source>
        <translation>燃料</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="238"/>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="239"/>
        <source>Universe</source>
        <translation>宇宙</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="240"/>
        <source>Ended</source>
        <translation>終了日時</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="241"/>
        <source>C&amp;lear Record...</source>
        <translation>戦績を消去(&amp;L)...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="242"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="243"/>
        <source>Your best on each universe played more than once</source>
        <translation>2 回以上プレイした宇宙ごとの最良記録</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="244"/>
        <source>Games</source>
        <translation>プレイ数</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <location filename="../engine/texts.inc" line="248"/>
        <source>The battle in figures</source>
        <translation>戦闘結果</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="249"/>
        <source>Universe: %1</source>
        <translation>宇宙: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="250"/>
        <source>Universe: unknown</source>
        <translation>宇宙: 不明</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="251"/>
        <source>Difficulty: %1</source>
        <translation>難易度: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="252"/>
        <source>Ships destroyed: %1</source>
        <translation>撃破数: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="253"/>
        <source>Missiles fired: %1</source>
        <translation>ミサイル発射数: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="254"/>
        <source>Fuel used: %1</source>
        <translation>燃料消費: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="255"/>
        <source>Time played: %1</source>
        <translation>プレイ時間: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="256"/>
        <source>Place among the ten best: new best</source>
        <translation>ベスト 10 の順位: 新記録</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="257"/>
        <source>Place among the ten best: %1</source>
        <translation>ベスト 10 の順位: %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="258"/>
        <source>2nd</source>
        <translation>2位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="259"/>
        <source>3rd</source>
        <translation>3位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="260"/>
        <source>4th</source>
        <translation>4位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="261"/>
        <source>5th</source>
        <translation>5位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="262"/>
        <source>6th</source>
        <translation>6位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="263"/>
        <source>7th</source>
        <translation>7位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="264"/>
        <source>8th</source>
        <translation>8位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="265"/>
        <source>9th</source>
        <translation>9位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="266"/>
        <source>10th</source>
        <translation>10位</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="268"/>
        <source>Not ranked: assisted, as scanner tracing was switched on or a gauge was adjusted</source>
        <translation>順位なし: 支援あり (スキャナー追跡をオンにしたか、ミサイル数・燃料を調整した)</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="269"/>
        <source>Not ranked: only victories rank</source>
        <translation>順位なし: 順位に入るのは勝利のみ</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="270"/>
        <source>Not ranked: ten better victories stand</source>
        <translation>順位なし: より良い勝利が 10 件ある</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="271"/>
        <source>Not ranked: the captain&apos;s record does not hold this game</source>
        <translation>順位なし: 艦長の戦績にこのゲームの記録がない</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="272"/>
        <source>Copy Result</source>
        <translation>結果をコピー</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="273"/>
        <source>Map of the Hunt</source>
        <translation>索敵マップ</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="274"/>
        <source>Kestravane · %1 · %2 · %3 · %4 · %5 fuel · %6</source>
        <translation>Kestravane · %1 · %2 · %3 · %4 · 燃料 %5 · %6</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="275"/>
        <source>universe %1</source>
        <translation>宇宙 %1</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="276"/>
        <source>universe unknown</source>
        <translation>宇宙 不明</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="277"/>
        <source>won</source>
        <translation>勝利</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="278"/>
        <source>lost</source>
        <translation>敗北</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="279"/>
        <source>%n missiles</source>
        <translation>
            <numerusform>ミサイル %n 発</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../engine/texts.inc" line="23"/>
        <source>Ready ...</source>
        <translation>準備完了 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="24"/>
        <source>Generating new game grid ...</source>
        <translation>新しいゲームグリッドを生成中 ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="25"/>
        <source>%n Roder ships detected in %2 battle groups ...</source>
        <translation>
            <numerusform>%2 個の戦闘群にロダー艦 %n 隻を探知 ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="27"/>
        <source>Universe number %1 ...</source>
        <translation>宇宙番号 %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="28"/>
        <source>Target coordinates ...</source>
        <translation>目標座標 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="29"/>
        <source>Targeting orders canceled ...</source>
        <translation>照準命令を取り消し ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="30"/>
        <source>Targeting coordinates: %1-%2-%3 ...</source>
        <translation>照準座標: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="31"/>
        <source>Helm coordinates ...</source>
        <translation>操舵座標 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="32"/>
        <source>Helm orders canceled ...</source>
        <translation>操舵命令を取り消し ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="33"/>
        <source>Setting helm coordinates for: %1-%2-%3 ...</source>
        <translation>操舵座標を設定: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="34"/>
        <source>Commander ...</source>
        <translation>司令官 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="35"/>
        <source>%1 opened</source>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="36"/>
        <source>Saving %1 ...</source>
        <translation>%1 を保存中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="37"/>
        <source>%1 saved</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="38"/>
        <source>Loading %1 ...</source>
        <translation>%1 を読み込み中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="39"/>
        <source>%1 loaded</source>
        <translation>%1 を読み込みました</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="40"/>
        <source>Press any key to resume game ...</source>
        <translation>何かキーを押すとゲームを再開 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="41"/>
        <source>Resuming ...</source>
        <translation>再開 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="42"/>
        <source>Diagnostics turned ON ...</source>
        <translation>診断 オン ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="43"/>
        <source>Diagnostics turned OFF ...</source>
        <translation>診断 オフ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="44"/>
        <source>Weapons selected ...</source>
        <translation>兵装を選択 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="45"/>
        <source>Engines selected ...</source>
        <translation>エンジンを選択 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="46"/>
        <source>Scanner tracing turned ON ...</source>
        <translation>スキャナー追跡 オン ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="47"/>
        <source>Scanner tracing turned OFF ...</source>
        <translation>スキャナー追跡 オフ ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="48"/>
        <source>Increasing Missile value ...</source>
        <translation>ミサイル数を増加中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="49"/>
        <source>Increasing Fuel value ...</source>
        <translation>燃料を増加中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="50"/>
        <source>Decreasing Missile value ...</source>
        <translation>ミサイル数を減少中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="51"/>
        <source>Decreasing Fuel value ...</source>
        <translation>燃料を減少中 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="52"/>
        <source>Missile value set to minimum ...</source>
        <translation>ミサイル数を最小値に設定 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="53"/>
        <source>Fuel value set to minimum ...</source>
        <translation>燃料を最小値に設定 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="54"/>
        <source>Missile value set to maximum ...</source>
        <translation>ミサイル数を最大値に設定 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="55"/>
        <source>Fuel value set to maximum ...</source>
        <translation>燃料を最大値に設定 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="56"/>
        <source>Assisted game: it will not rank among the best ten ...</source>
        <translation>支援ありのゲーム: ベスト 10 には入りません ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="57"/>
        <source>Engines engaged ...</source>
        <translation>エンジン始動 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="58"/>
        <source>Sector has no enemy ships ...</source>
        <translation>セクターに敵艦なし ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="59"/>
        <source>Sector cleared ...</source>
        <translation>セクター掃討完了 ...</translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/texts.inc" line="60"/>
        <source>Scanners detect %n Roder ships ...</source>
        <translation>
            <numerusform>スキャナーがロダー艦 %n 隻を探知 ...</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="61"/>
        <source>Missile launched ...</source>
        <translation>ミサイル発射 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="62"/>
        <source>Those Vudare are history captain ...</source>
        <translation>そのヴダーレはもう片付いています、艦長 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="63"/>
        <source>Quadrant swept clean ...</source>
        <translation>象限は掃討済み ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="64"/>
        <source>Enemy ship destroyed in quadrant: %1-%2-%3 ...</source>
        <translation>敵艦を撃破、象限: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="65"/>
        <source>No enemy vessels found in quadrant: %1-%2-%3 ...</source>
        <translation>敵艦なし、象限: %1-%2-%3 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="66"/>
        <source>All missiles have been fired ...</source>
        <translation>ミサイルを撃ち尽くしました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="67"/>
        <source>The engines are out of fuel ...</source>
        <translation>エンジンの燃料が尽きました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="68"/>
        <source>Nice job captain ...</source>
        <translation>お見事です、艦長 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="69"/>
        <source>Scanner log opened ...</source>
        <translation>スキャナーログを開きました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="70"/>
        <source>Scanner log closed ...</source>
        <translation>スキャナーログを閉じました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="71"/>
        <source>Options saved</source>
        <translation>オプションを保存しました</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="72"/>
        <source>Sound F/X turned off: this computer cannot play them ...</source>
        <translation>効果音をオフにしました: このコンピューターでは再生できません ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="73"/>
        <source>The captain&apos;s record could not be read: it was set aside as %1 ...</source>
        <translation>艦長の戦績を読み込めません: %1 として退避しました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="74"/>
        <source>The captain&apos;s record could not be saved, Code %1 ...</source>
        <translation>艦長の戦績を保存できません、コード %1 ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="75"/>
        <source>The captain&apos;s record is in use by another program: it was left as it is ...</source>
        <translation>艦長の戦績は別のプログラムが使用中です: そのままにしました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="76"/>
        <source>The captain&apos;s record could not be read, Code %1: it was left as it is ...</source>
        <translation>艦長の戦績を読み込めません、コード %1: そのままにしました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="78"/>
        <source>The captain&apos;s record could not be read nor set aside, Code %1: it was left as it is ...</source>
        <translation>艦長の戦績を読み込めず、退避もできません、コード %1: そのままにしました ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="80"/>
        <source>The settings file cannot be read or written: the settings last until the game ends ...</source>
        <translation>設定ファイルを読み書きできません: 設定はゲーム終了まで有効です ...</translation>
    </message>
    <message>
        <location filename="../engine/texts.inc" line="280"/>
        <source>Result copied: %1</source>
        <translation>結果をコピーしました: %1</translation>
    </message>
</context>
</TS>
