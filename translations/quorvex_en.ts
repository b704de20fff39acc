<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ActionFailureWords</name>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>見つかりません。</source>
        <translation>Not found.</translation>
    </message>
    <message>
        <source>フォルダではなくなっています。</source>
        <translation>It is no longer a folder.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>検索の後に変更されています。</source>
        <translation>It was changed after the search.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] が見つかりません。</source>
        <translation>The file to keep [ %1 ] is not found.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] が検索の後に変更されています。</source>
        <translation>The file to keep [ %1 ] was changed after the search.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と内容が一致しなくなっています。</source>
        <translation>Its contents no longer match the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と同じファイルです。</source>
        <translation>It is the same file as the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>内容を比較するために読めません%1。</source>
        <translation>It cannot be read to compare its contents%1.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と別のファイルシステムにあります。</source>
        <translation>It is on another file system than the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>ここにはリンクを作れません%1。</source>
        <translation>No link can be made here%1.</translation>
    </message>
    <message>
        <source>このファイルシステムはリフリンク（複製）に対応していません%1。</source>
        <translation>This file system cannot clone files (reflink)%1.</translation>
    </message>
    <message>
        <source>移動先 [ %1 ] に同じ名前の項目があります。</source>
        <translation>An item of the same name is at the destination [ %1 ].</translation>
    </message>
    <message>
        <source>ごみ箱に移動できません。</source>
        <translation>It cannot be moved to the trash.</translation>
    </message>
    <message>
        <source>削除できません%1。</source>
        <translation>It cannot be deleted%1.</translation>
    </message>
    <message>
        <source>できませんでした%1。</source>
        <translation>It could not be done%1.</translation>
    </message>
</context>
<context>
    <name>ActionPlanRun</name>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のファイルを%1に置き換えますか？

%2が空きます。</source>
        <translation>
            <numerusform>Replace %n file with %1?

%2 will be freed.</numerusform>
            <numerusform>Replace %n files with %1?

%2 will be freed.</numerusform>
        </translation>
    </message>
    <message>
        <source>「%1」をごみ箱に移動しますか？</source>
        <translation>Move &quot;%1&quot; to the trash?</translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目をごみ箱に移動しますか？</source>
        <translation>
            <numerusform>Move %n item to the trash?</numerusform>
            <numerusform>Move %n items to the trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目（%1）をごみ箱に移動しますか？</source>
        <translation>
            <numerusform>Move %n item (%1) to the trash?</numerusform>
            <numerusform>Move %n items (%1) to the trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個のファイル（%1）をフォルダへ移動しますか？</source>
        <translation>
            <numerusform>Move %n file (%1) to the folder?</numerusform>
            <numerusform>Move %n files (%1) to the folder?</numerusform>
        </translation>
    </message>
    <message>
        <source>ハードリンク</source>
        <translation>hard links</translation>
    </message>
    <message>
        <source>シンボリックリンク</source>
        <translation>symbolic links</translation>
    </message>
    <message>
        <source>リフリンク（複製）</source>
        <translation>reflinks (clones)</translation>
    </message>
    <message>
        <source>ごみ箱に移動</source>
        <translation>Move to trash</translation>
    </message>
    <message>
        <source>フォルダへ移動</source>
        <translation>Move to folder</translation>
    </message>
    <message>
        <source>置き換え</source>
        <translation>Replace</translation>
    </message>
    <message numerus="yes">
        <source>次の %n 個の項目はそのままです。

</source>
        <translation>
            <numerusform>The following item was left as it is.

</numerusform>
            <numerusform>The following %n items were left as they are.

</numerusform>
        </translation>
    </message>
    <message>
        <source>完全に削除</source>
        <translation>Delete permanently</translation>
    </message>
    <message>
        <source>「%1」はごみ箱に移動できません。
完全に削除しますか？</source>
        <translation>&quot;%1&quot; cannot be moved to the trash.
Delete it permanently?</translation>
    </message>
    <message>
        <source>空のフォルダ</source>
        <translation>Empty folders</translation>
    </message>
    <message>
        <source>ファイルがなくなって空になったフォルダがあります。
[ %1 ]

このフォルダの中で、空のフォルダとファイルを探しますか？</source>
        <translation>Some folders were left empty by the files that left them.
[ %1 ]

Search this folder for empty folders and files?</translation>
    </message>
</context>
<context>
    <name>BatchWords</name>
    <message>
        <source>ごみ箱からの取り出し確認</source>
        <translation>Confirm restoring from the trash</translation>
    </message>
    <message>
        <source>削除確認</source>
        <translation>Confirm deletion</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダを削除しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to delete this folder?</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルを削除しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to delete this file?</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダをごみ箱から元の場所に戻しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to restore this folder from the trash to its place?</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルをごみ箱から元の場所に戻しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to restore this file from the trash to its place?</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダをごみ箱から削除しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to remove this folder from the trash?</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルをごみ箱から削除しても宜しいですか？</source>
        <translation>[ %1 ]

Do you want to remove this file from the trash?</translation>
    </message>
    <message>
        <source>%1
削除に失敗しました。</source>
        <translation>%1
The deletion failed.</translation>
    </message>
    <message>
        <source>フォルダを元に戻すのに失敗しました。</source>
        <translation>The folder could not be restored.</translation>
    </message>
    <message>
        <source>ファイルを元に戻すのに失敗しました。</source>
        <translation>The file could not be restored.</translation>
    </message>
    <message>
        <source>[ %1 ]

ごみ箱の記録が壊れています。&apos;%2&apos; は有効な整数値ではありません。</source>
        <translation>[ %1 ]

The trash record is damaged. &apos;%2&apos; is not a valid whole number.</translation>
    </message>
</context>
<context>
    <name>CacheOption</name>
    <message>
        <source>キャッシュを使う</source>
        <translation>Use the scan cache</translation>
    </message>
    <message>
        <source>キャッシュを空にする</source>
        <translation>Empty the cache</translation>
    </message>
    <message>
        <source>使用量: %1</source>
        <translation>Size on disk: %1</translation>
    </message>
    <message>
        <source>キャッシュの設定を保存できませんでした。</source>
        <translation>The cache setting could not be saved.</translation>
    </message>
    <message>
        <source>キャッシュを空にできませんでした。</source>
        <translation>The cache could not be emptied.</translation>
    </message>
</context>
<context>
    <name>CloseSequence</name>
    <message>
        <source>次のファイルを保存できませんでした。以前の内容はそのまま残っています。

</source>
        <translation>These files could not be saved. Their former contents are left as they were.

</translation>
    </message>
</context>
<context>
    <name>ComparePage</name>
    <message>
        <source>比較するフォルダ、ファイルをフルパス名で入力</source>
        <translation>Enter the full path of the folder or file to compare</translation>
    </message>
    <message>
        <source>パス A</source>
        <translation>Path A</translation>
    </message>
    <message>
        <source>履歴 A</source>
        <translation>History A</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>パス B</source>
        <translation>Path B</translation>
    </message>
    <message>
        <source>履歴 B</source>
        <translation>History B</translation>
    </message>
    <message>
        <source>比較の開始|ファイルの比較を開始します。</source>
        <translation>Start the comparison|Starts comparing the files.</translation>
    </message>
    <message>
        <source>内容を比較する</source>
        <translation>Compare contents</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>一致比率のグラフ表示</source>
        <translation>Show the match as a bar</translation>
    </message>
    <message>
        <source>AとBの入換</source>
        <translation>Swap A and B</translation>
    </message>
    <message>
        <source>AとBの入換|AとBの比較先を入れ換える</source>
        <translation>Swap A and B|Swaps the paths of A and B</translation>
    </message>
    <message>
        <source>比較結果</source>
        <translation>Comparison result</translation>
    </message>
    <message>
        <source>比較結果.tsv</source>
        <translation>comparison.tsv</translation>
    </message>
    <message>
        <source>リストの並びを戻す</source>
        <translation>Restore the list order</translation>
    </message>
</context>
<context>
    <name>ComparisonListModel</name>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>名前 A</source>
        <translation>Name A</translation>
    </message>
    <message>
        <source>名前 B</source>
        <translation>Name B</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>更新日</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>ファイル属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>内容(%)</source>
        <translation>Contents (%)</translation>
    </message>
    <message>
        <source>大-小</source>
        <translation>L-S</translation>
    </message>
    <message>
        <source>小-大</source>
        <translation>S-L</translation>
    </message>
    <message>
        <source>新-旧</source>
        <translation>N-O</translation>
    </message>
    <message>
        <source>旧-新</source>
        <translation>O-N</translation>
    </message>
    <message>
        <source> 同</source>
        <translation> Same</translation>
    </message>
</context>
<context>
    <name>ControlStyles</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>設定／開始</source>
        <translation>Choose / Start</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>ごみ箱から削除</source>
        <translation>Remove from trash</translation>
    </message>
    <message>
        <source>全て選択</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>ごみ箱を開く</source>
        <translation>Open trash</translation>
    </message>
    <message>
        <source>指定した値以上、一致するファイルだけを検索</source>
        <translation>Find only files that match at least this much</translation>
    </message>
</context>
<context>
    <name>DiskCheckMarker</name>
    <message>
        <source> [なくなりました]</source>
        <translation> [vanished]</translation>
    </message>
    <message>
        <source> [変更されています]</source>
        <translation> [changed]</translation>
    </message>
</context>
<context>
    <name>DupListModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>内容(%)</source>
        <translation>Contents (%)</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>更新日</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>重複</source>
        <translation>Group</translation>
    </message>
    <message>
        <source> [ハードリンク]</source>
        <translation> [hard link]</translation>
    </message>
    <message>
        <source> [シンボリックリンク]</source>
        <translation> [symbolic link]</translation>
    </message>
    <message>
        <source> [リフリンク]</source>
        <translation> [reflink]</translation>
    </message>
    <message>
        <source> [移動済み]</source>
        <translation> [moved]</translation>
    </message>
</context>
<context>
    <name>DupSearchPage</name>
    <message numerus="yes">
        <source>%n 個のグループでは、同じ内容のファイルがすべてごみ箱に移動します。</source>
        <translation>
            <numerusform>In %n group, every file of the same contents goes to the trash.</numerusform>
            <numerusform>In %n groups, every file of the same contents goes to the trash.</numerusform>
        </translation>
    </message>
    <message>
        <source>敷居値 %1%</source>
        <translation>Threshold %1%</translation>
    </message>
    <message>
        <source>検索の開始|ファイルの検索を開始します。</source>
        <translation>Start the search|Starts searching for the files.</translation>
    </message>
    <message>
        <source>敷居値</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>検索するファイル</source>
        <translation>File to search for</translation>
    </message>
    <message>
        <source>履歴 ファイル</source>
        <translation>History of files</translation>
    </message>
    <message>
        <source>ファイル|探すファイルをフルパス名で入力(同一ファイルの検索時のみ入力)</source>
        <translation>File|Enter the full path of the file to search for (only for an identical-file search)</translation>
    </message>
    <message>
        <source>検索するファイル|右クリックでクリア</source>
        <translation>File to search for|Right-click to clear</translation>
    </message>
    <message>
        <source>調べるフォルダ</source>
        <translation>Folder to search</translation>
    </message>
    <message>
        <source>履歴 フォルダ</source>
        <translation>History of folders</translation>
    </message>
    <message>
        <source>フォルダ|探す場所を入力</source>
        <translation>Folder|Enter where to search</translation>
    </message>
    <message>
        <source>調べるフォルダ|指定したフォルダ内を検索</source>
        <translation>Folder to search|Searches inside the chosen folder</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Search result</translation>
    </message>
    <message>
        <source>検索結果.tsv</source>
        <translation>search.tsv</translation>
    </message>
    <message>
        <source>基準以外を選択</source>
        <translation>Select all but the reference</translation>
    </message>
    <message>
        <source>各グループで新しいものを残して選択</source>
        <translation>Select all but the newest of each group</translation>
    </message>
    <message>
        <source>古いものを残して選択</source>
        <translation>Select all but the oldest</translation>
    </message>
    <message>
        <source>このフォルダ内の重複を選択</source>
        <translation>Select the duplicates in this folder</translation>
    </message>
    <message>
        <source>ハードリンクに置き換え</source>
        <translation>Replace with hard links</translation>
    </message>
    <message>
        <source>シンボリックリンクに置き換え</source>
        <translation>Replace with symbolic links</translation>
    </message>
    <message>
        <source>リフリンク（複製）に置き換え</source>
        <translation>Replace with reflinks (clones)</translation>
    </message>
    <message>
        <source>フォルダへ移動…</source>
        <translation>Move to folder…</translation>
    </message>
    <message>
        <source>全てのファイル|*.*</source>
        <translation>All files|*.*</translation>
    </message>
    <message>
        <source>移動先のフォルダを選択して下さい</source>
        <translation>Choose the folder to move the files to</translation>
    </message>
    <message>
        <source>選んだファイルは、どれもグループに残すファイルです。</source>
        <translation>Every chosen file is the file its group keeps.</translation>
    </message>
    <message>
        <source>移動先: [ %1 ]</source>
        <translation>Destination: [ %1 ]</translation>
    </message>
    <message>
        <source>選んだうち %1 個は、グループに残すファイルなのでそのままにします。</source>
        <translation>%1 of the chosen files stay, as the files their groups keep.</translation>
    </message>
    <message numerus="yes">
        <source>選んだうち %n 個は、そのファイルかグループに残すファイルがリストのとおりでないので、そのままにします。</source>
        <translation>
            <numerusform>%n of the chosen files stays: it, or the file its group keeps, is no longer as listed.</numerusform>
            <numerusform>%n of the chosen files stay: they, or the files their groups keep, are no longer as listed.</numerusform>
        </translation>
    </message>
    <message>
        <source>画像として比較</source>
        <translation>Compare as pictures</translation>
    </message>
    <message>
        <source>画像として比較|大きさや形式、向きが違っても同じ絵の画像を重複として探します。</source>
        <translation>Compare as pictures|Finds pictures that show the same image as duplicates, even at another size, in another format or turned.</translation>
    </message>
</context>
<context>
    <name>DupWords</name>
    <message>
        <source>一致するファイルはありませんでした。</source>
        <translation>No matching file was found.</translation>
    </message>
    <message>
        <source>重複するファイルはありませんでした。</source>
        <translation>No duplicate files were found.</translation>
    </message>
    <message>
        <source>基準</source>
        <translation>Reference</translation>
    </message>
</context>
<context>
    <name>EmptyItemListModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
</context>
<context>
    <name>EmptyItemsPage</name>
    <message>
        <source>設定と開始|調べるフォルダの設定と検索の開始</source>
        <translation>Choose and start|Choose the folder to search and start the search</translation>
    </message>
    <message>
        <source>ファイルの削除|選択しているリストのファイルをディスクから削除します。</source>
        <translation>Delete files|Deletes the selected items of the list from the disk.</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>空の項目</source>
        <translation>Empty items</translation>
    </message>
    <message>
        <source>空の項目.tsv</source>
        <translation>empty-items.tsv</translation>
    </message>
    <message>
        <source>選択しているリストのファイルをディスクから削除します。</source>
        <translation>Deletes the selected items of the list from the disk.</translation>
    </message>
    <message>
        <source>調べるフォルダを選択して下さい</source>
        <translation>Choose the folder to search</translation>
    </message>
    <message>
        <source>設定／開始</source>
        <translation>Choose / Start</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message numerus="yes">
        <source>%n 個</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>ヘルプ文書が見つかりません</source>
        <translation>The help document is missing</translation>
    </message>
    <message>
        <source>次のファイルがありませんでした。</source>
        <translation>This file was not found:</translation>
    </message>
    <message>
        <source>プログラムを入れ直すと、ヘルプ文書も元に戻ります。</source>
        <translation>Installing the program again restores the help document.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>Quorvex.htm</source>
        <extracomment>The file name of the help document in this language, in the folder Help.</extracomment>
        <translation>Quorvex_en.htm</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>履歴 上</source>
        <translation>Upper history</translation>
    </message>
    <message>
        <source>履歴 下</source>
        <translation>Lower history</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>変更内容を保存する</source>
        <translation>Apply the changes</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ソート</source>
        <translation>Sort</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialog</name>
    <message>
        <source>%1 のプロパティ</source>
        <translation>Properties of %1</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>更新日時</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>アクセス日時</source>
        <translation>Accessed</translation>
    </message>
    <message>
        <source>属性の変更日時</source>
        <translation>Attributes changed</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>アクセス権</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>所有者</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>リンク先</source>
        <translation>Link target</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>画像サイズ</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>%1 × %2 ピクセル</source>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>LanguageOption</name>
    <message>
        <source>表示言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>表示言語の変更は、次回の起動から適用されます。</source>
        <translation>A change of the language applies from the next start.</translation>
    </message>
    <message>
        <source>表示言語の設定を保存できませんでした。</source>
        <translation>The language setting could not be saved.</translation>
    </message>
</context>
<context>
    <name>ListItemActions</name>
    <message>
        <source>フォルダを開く</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>全て選択(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>リストを保存…</source>
        <translation>Save list…</translation>
    </message>
    <message>
        <source>リストを開く…</source>
        <translation>Open list…</translation>
    </message>
</context>
<context>
    <name>ListSaving</name>
    <message>
        <source>リストを保存</source>
        <translation>Save list</translation>
    </message>
    <message>
        <source>タブ区切りテキスト (*.tsv)|*.tsv|CSV (*.csv)|*.csv|全てのファイル|*.*</source>
        <translation>Tab-separated text (*.tsv)|*.tsv|CSV (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>[ %1 ]

リストを保存できませんでした。</source>
        <translation>[ %1 ]

The list could not be saved.</translation>
    </message>
    <message>
        <source>リストを開く</source>
        <translation>Open list</translation>
    </message>
    <message>
        <source>保存したリスト|*.tsv;*.json|全てのファイル|*.*</source>
        <translation>Saved lists|*.tsv;*.json|All files|*.*</translation>
    </message>
    <message>
        <source>[ %1 ]

リストを開けませんでした。
%2</source>
        <translation>[ %1 ]

The list could not be opened.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目は、保存したときからなくなったか変わっています。印の付いた項目には何もしません。</source>
        <translation>
            <numerusform>%n item has vanished or changed since the list was saved. Nothing is done to marked items.</numerusform>
            <numerusform>%n items have vanished or changed since the list was saved. Nothing is done to marked items.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MaskBar</name>
    <message>
        <source>指定拡張子は除外 </source>
        <translation>Exclude these extensions </translation>
    </message>
    <message>
        <source>比較対象ファイルを決める（チェックなら、マスクで指定した拡張子のファイを除く）</source>
        <translation>Chooses the files that take part (when ticked, the files with the masks&apos; extensions are left out)</translation>
    </message>
    <message>
        <source>マスク</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>マスクを使用する。 </source>
        <translation>Use masks. </translation>
    </message>
    <message>
        <source>Caskwell で登録したファイルマスクを使用するか決める</source>
        <translation>Whether to use the file masks registered with Caskwell</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>プログラムから開く</source>
        <translation>Open with</translation>
    </message>
    <message>
        <source>このファイルを開くプログラムを選んでください。
</source>
        <translation>Choose the program to open this file with.
</translation>
    </message>
    <message>
        <source>推奨されるプログラム</source>
        <translation>Recommended programs</translation>
    </message>
    <message>
        <source>その他のプログラム</source>
        <translation>Other programs</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>サイズは、バイト単位で表示する</source>
        <translation>Show sizes in bytes</translation>
    </message>
    <message>
        <source>処理対象に以下のファイルも含める場合はチェック</source>
        <translation>Tick to include these files as well</translation>
    </message>
    <message>
        <source>システム属性のファイル</source>
        <translation>System files</translation>
    </message>
    <message>
        <source>隠し属性のファイル</source>
        <translation>Hidden files</translation>
    </message>
    <message>
        <source>ファイルの比較でのリストの背景色</source>
        <translation>List backgrounds of Compare files</translation>
    </message>
    <message>
        <source>100%一致したリストの背景色</source>
        <translation>Background of rows that match 100%</translation>
    </message>
    <message>
        <source>一方のファイルが存在しない時のリストの背景色</source>
        <translation>Background of rows with one side missing</translation>
    </message>
    <message>
        <source>ファイルの重複でのリストの背景色</source>
        <translation>List background of duplicate files</translation>
    </message>
    <message>
        <source>右クリックで背景色を初期化</source>
        <translation>Right-click to reset the background</translation>
    </message>
    <message>
        <source>システム属性</source>
        <translation>System</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>隠し属性</source>
        <translation>Hidden</translation>
    </message>
</context>
<context>
    <name>PageIndex</name>
    <message>
        <source>ファイルの比較</source>
        <translation>Compare files</translation>
    </message>
    <message>
        <source>重複と同一ファイルの検索</source>
        <translation>Duplicate and identical files</translation>
    </message>
    <message>
        <source>空のフォルダとファイル</source>
        <translation>Empty folders and files</translation>
    </message>
    <message>
        <source>ごみ箱</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>検索履歴の編集</source>
        <translation>Edit search history</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>ファイルの進行</source>
        <translation>File progress</translation>
    </message>
    <message>
        <source>全体の進行</source>
        <translation>Overall progress</translation>
    </message>
</context>
<context>
    <name>RefusalWords</name>
    <message>
        <source>ファイル [ %1 ]

ファイルパスが不明です。</source>
        <translation>File [ %1 ]

The path is not known.</translation>
    </message>
    <message>
        <source>フォルダ [ %1 ]

ファイルパスが不明です。</source>
        <translation>Folder [ %1 ]

The path is not known.</translation>
    </message>
    <message>
        <source>A [ %1 ]

ファイルパスが不明です。</source>
        <translation>A [ %1 ]

The path is not known.</translation>
    </message>
    <message>
        <source>B [ %1 ]

ファイルパスが不明です。</source>
        <translation>B [ %1 ]

The path is not known.</translation>
    </message>
    <message>
        <source>フォルダとファイルの比較は行えません！</source>
        <translation>A folder cannot be compared with a file!</translation>
    </message>
    <message>
        <source>フォルダ [ %1 ]

検索するほかのフォルダと重なっています。</source>
        <translation>Folder [ %1 ]

It overlaps another folder of the search.</translation>
    </message>
    <message>
        <source>リンクとリフリンク（複製）は、100% で一致したファイルにだけ使えます。</source>
        <translation>Links and clones (reflinks) can only be used for files that match at 100%.</translation>
    </message>
    <message>
        <source>リンクとリフリンク（複製）は、画像として比較した結果には使えません。</source>
        <translation>Links and clones (reflinks) cannot be used for pictures compared by what they show.</translation>
    </message>
</context>
<context>
    <name>RunIndicatorObserver</name>
    <message>
        <source>所要時間 %1</source>
        <translation>Took %1</translation>
    </message>
    <message>
        <source>経過 %1</source>
        <translation>Elapsed %1</translation>
    </message>
    <message>
        <source>  残り 約 %1</source>
        <translation>  about %1 left</translation>
    </message>
</context>
<context>
    <name>ScanCacheService</name>
    <message>
        <source>キャッシュを使えないため、キャッシュなしで検索しました。</source>
        <translation>The scan cache could not be used, so the search ran without it.</translation>
    </message>
</context>
<context>
    <name>StateFileCare</name>
    <message>
        <source>[ %1 ]

ファイルが大きすぎるか読めないため、一部だけを読み込みました。上書きする前に、元のファイルを「%2.damaged-番号」として残します。</source>
        <translation>[ %1 ]

The file is too large or could not be read, so only part of it was read. Before it is overwritten, the original is kept as &quot;%2.damaged-NUMBER&quot;.</translation>
    </message>
</context>
<context>
    <name>TFolderFileDlg</name>
    <message>
        <source>フォルダとファイルの参照</source>
        <translation>Browse for a folder or file</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>比較するフォルダを選択して下さい</source>
        <translation>Choose the folder to compare</translation>
    </message>
    <message>
        <source>全てのファイル|*.*</source>
        <translation>All files|*.*</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TWebDlg</name>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>最初に戻る</source>
        <translation>Back to the start</translation>
    </message>
</context>
<context>
    <name>TYesAllNoCancelBox</name>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>TYesAllNoCancelDlg</name>
    <message>
        <source>ダイアログ</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TrashListModel</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>元の場所</source>
        <translation>Original place</translation>
    </message>
</context>
<context>
    <name>TrashPage</name>
    <message>
        <source>ごみ箱を開く</source>
        <translation>Open trash</translation>
    </message>
    <message>
        <source>ごみ箱を閉じる</source>
        <translation>Close trash</translation>
    </message>
    <message>
        <source>選択しているファイルパス名を元の場所に戻します。</source>
        <translation>Makes the selected items again at their original places.</translation>
    </message>
    <message>
        <source>選択しているファイルパス名をごみ箱からも削除します。(これを行うと元には戻せなくなります。)</source>
        <translation>Removes the selected items from the trash as well. (They can no longer be restored.)</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>ごみ箱の項目</source>
        <translation>Trash items</translation>
    </message>
    <message numerus="yes">
        <source>%n 個</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 は実行中です。</source>
        <translation>%1 is already running.</translation>
    </message>
</context>
</TS>
