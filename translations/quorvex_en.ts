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
        <translation>It no longer exists.</translation>
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
        <translation>It has changed since the search.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] が見つかりません。</source>
        <translation>The file to keep [ %1 ] no longer exists.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] が検索の後に変更されています。</source>
        <translation>The file to keep [ %1 ] has changed since the search.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と内容が一致しなくなっています。</source>
        <translation>Its contents no longer match those of the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と同じファイルです。</source>
        <translation>It is already the same file as the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>内容を比較するために読めません%1。</source>
        <translation>Couldn&apos;t read it to compare the contents%1.</translation>
    </message>
    <message>
        <source>残すファイル [ %1 ] と別のファイルシステムにあります。</source>
        <translation>It is on a different file system from the file to keep [ %1 ].</translation>
    </message>
    <message>
        <source>ここにはリンクを作れません%1。</source>
        <translation>Couldn&apos;t create a link here%1.</translation>
    </message>
    <message>
        <source>このファイルシステムはリフリンク（複製）に対応していません%1。</source>
        <translation>This file system doesn&apos;t support reflinks (clones)%1.</translation>
    </message>
    <message>
        <source>移動先 [ %1 ] に同じ名前の項目があります。</source>
        <translation>An item with the same name already exists at the destination [ %1 ].</translation>
    </message>
    <message>
        <source>ごみ箱に移動できません。</source>
        <translation>Couldn&apos;t move it to the trash.</translation>
    </message>
    <message>
        <source>削除できません%1。</source>
        <translation>Couldn&apos;t delete it%1.</translation>
    </message>
    <message>
        <source>できませんでした%1。</source>
        <translation>The system reported an error%1.</translation>
    </message>
    <message>
        <source>比較の後に変更されています。</source>
        <translation>It changed after the comparison.</translation>
    </message>
    <message>
        <source>コピー先 [ %1 ] に同じ名前の項目があります。</source>
        <translation>The destination [ %1 ] already holds an item of that name.</translation>
    </message>
    <message>
        <source>コピー先 [ %1 ] が比較の後に変更されています。</source>
        <translation>The destination [ %1 ] changed after the comparison.</translation>
    </message>
    <message>
        <source>コピーが元のファイルと一致しません。</source>
        <translation>The copy does not match the original file.</translation>
    </message>
    <message>
        <source>上書きされるファイル [ %1 ] をごみ箱に残せません。</source>
        <translation>The file to be overwritten [ %1 ] cannot be kept in the trash.</translation>
    </message>
    <message>
        <source>ごみ箱の記録が壊れています%1。</source>
        <translation>The trash entry is damaged%1.</translation>
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
            <numerusform>Replace %n file with a %1?

%2 will be freed.</numerusform>
            <numerusform>Replace %n files with a %1 each?

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
            <numerusform>Move %n file (%1) to the chosen folder?</numerusform>
            <numerusform>Move %n files (%1) to the chosen folder?</numerusform>
        </translation>
    </message>
    <message>
        <source>ハードリンク</source>
        <translation>hard link</translation>
    </message>
    <message>
        <source>シンボリックリンク</source>
        <translation>symbolic link</translation>
    </message>
    <message>
        <source>リフリンク（複製）</source>
        <translation>reflink (clone)</translation>
    </message>
    <message>
        <source>ごみ箱に移動</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>フォルダへ移動</source>
        <translation>Move to Folder</translation>
    </message>
    <message>
        <source>置き換え</source>
        <translation>Replace with Links</translation>
    </message>
    <message numerus="yes">
        <source>次の %n 個の項目はそのままです。

</source>
        <translation>
            <numerusform>This item was left unchanged:

</numerusform>
            <numerusform>These %n items were left unchanged:

</numerusform>
        </translation>
    </message>
    <message>
        <source>完全に削除</source>
        <translation>Delete Permanently</translation>
    </message>
    <message>
        <source>次のフォルダに書き込めないため、何も変更しませんでした。
[ %1 ]

%2</source>
        <translation>Couldn&apos;t write to this folder, so nothing was changed.
[ %1 ]

%2</translation>
    </message>
    <message>
        <source>「%1」はごみ箱に移動できません。
完全に削除しますか？</source>
        <translation>&quot;%1&quot; can&apos;t be moved to the trash.
Delete it permanently?</translation>
    </message>
    <message>
        <source>空のフォルダ</source>
        <translation>Empty Folders</translation>
    </message>
    <message>
        <source>ファイルがなくなって空になったフォルダがあります。
[ %1 ]

このフォルダの中で、空のフォルダとファイルを探しますか？</source>
        <translation>Some folders are now empty because their files were moved.
[ %1 ]

Search this folder for empty folders and files?</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のファイル（%1）をコピーしますか？</source>
        <translation>
            <numerusform>Copy %n file (%1)?</numerusform>
            <numerusform>Copy %n files (%1)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うち %n 個は、上書きされるファイルをごみ箱に移動します。</source>
        <translation>
            <numerusform>For %n of them, the file overwritten goes to the trash.</numerusform>
            <numerusform>For %n of them, the files overwritten go to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>うち %n 個は、上書きされるファイルを日時付きの名前で残します。</source>
        <translation>
            <numerusform>For %n of them, the file overwritten stays beside it under a dated name.</numerusform>
            <numerusform>For %n of them, the files overwritten stay beside them under dated names.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個のフォルダを作ります。</source>
        <translation>
            <numerusform>%n folder will be made.</numerusform>
            <numerusform>%n folders will be made.</numerusform>
        </translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message numerus="yes">
        <source>%n 個の空の項目を削除しますか？</source>
        <translation>
            <numerusform>Delete %n empty item?</numerusform>
            <numerusform>Delete %n empty items?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目をごみ箱から元の場所に戻しますか？</source>
        <translation>
            <numerusform>Restore %n item from the trash to its place?</numerusform>
            <numerusform>Restore %n items from the trash to their places?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目をごみ箱から削除しますか？</source>
        <translation>
            <numerusform>Remove %n item from the trash?</numerusform>
            <numerusform>Remove %n items from the trash?</numerusform>
        </translation>
    </message>
    <message>
        <source>削除確認</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>ごみ箱からの取り出し確認</source>
        <translation>Restore from Trash</translation>
    </message>
</context>
<context>
    <name>BatchWords</name>
    <message>
        <source>ごみ箱からの取り出し確認</source>
        <translation>Restore from Trash</translation>
    </message>
    <message>
        <source>削除確認</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>削除確認</source>
        <comment>removing entries from the program&apos;s trash for good</comment>
        <translation>Remove from Trash</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダを削除しても宜しいですか？</source>
        <translation>[ %1 ]

Delete this empty folder?</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルを削除しても宜しいですか？</source>
        <translation>[ %1 ]

Delete this empty file?</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダをごみ箱から元の場所に戻しても宜しいですか？</source>
        <translation>[ %1 ]

Restore this folder to its original location?</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルをごみ箱から元の場所に戻しても宜しいですか？</source>
        <translation>[ %1 ]

Restore this file to its original location?</translation>
    </message>
    <message>
        <source>[ %1 ]

このフォルダをごみ箱から削除しても宜しいですか？</source>
        <translation>[ %1 ]

Remove this folder from the trash? It can&apos;t be restored afterwards.</translation>
    </message>
    <message>
        <source>[ %1 ]

このファイルをごみ箱から削除しても宜しいですか？</source>
        <translation>[ %1 ]

Remove this file from the trash? It can&apos;t be restored afterwards.</translation>
    </message>
    <message>
        <source>%1
削除に失敗しました。</source>
        <translation>%1
Couldn&apos;t delete this item.</translation>
    </message>
    <message>
        <source>フォルダを元に戻すのに失敗しました。</source>
        <translation>Couldn&apos;t restore the folder.</translation>
    </message>
    <message>
        <source>ファイルを元に戻すのに失敗しました。</source>
        <translation>Couldn&apos;t restore the file.</translation>
    </message>
    <message>
        <source>[ %1 ]

ごみ箱の記録が壊れています。&apos;%2&apos; は有効な整数値ではありません。</source>
        <translation>[ %1 ]

This trash entry is damaged: its attributes &apos;%2&apos; are not a valid number.</translation>
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
        <translation>Empty Cache</translation>
    </message>
    <message>
        <source>使用量: %1</source>
        <translation>Size on disk: %1</translation>
    </message>
    <message>
        <source>キャッシュの設定を保存できませんでした。</source>
        <translation>Couldn&apos;t save the cache setting.</translation>
    </message>
    <message>
        <source>キャッシュを空にできませんでした。</source>
        <translation>Couldn&apos;t empty the cache.</translation>
    </message>
</context>
<context>
    <name>CloseSequence</name>
    <message>
        <source>次のファイルを保存できませんでした。以前の内容はそのまま残っています。

</source>
        <translation>Couldn&apos;t save these files. Their previous contents were kept.

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
        <translation>Browse for a folder or file</translation>
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
        <translation>Start the comparison|Compare path A with path B.</translation>
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
        <translation>Show the match percentage as a bar</translation>
    </message>
    <message>
        <source>AとBの入換</source>
        <translation>Swap A and B</translation>
    </message>
    <message>
        <source>AとBの入換|AとBの比較先を入れ換える</source>
        <translation>Swap A and B|Exchange path A and path B.</translation>
    </message>
    <message>
        <source>比較結果</source>
        <translation>Comparison results</translation>
    </message>
    <message>
        <source>比較結果.tsv</source>
        <translation>comparison.tsv</translation>
    </message>
    <message>
        <source>リストの並びを戻す</source>
        <translation>Reset Sort Order</translation>
    </message>
    <message>
        <source>A→B にコピー</source>
        <translation>Copy A→B</translation>
    </message>
    <message>
        <source>B→A にコピー</source>
        <translation>Copy B→A</translation>
    </message>
    <message>
        <source>新しい方で上書き</source>
        <translation>Overwrite with the newer</translation>
    </message>
    <message>
        <source>上書きされるファイルを日時付きの名前で残す</source>
        <translation>Keep overwritten files under a dated name</translation>
    </message>
</context>
<context>
    <name>ComparisonListModel</name>
    <message>
        <source>なし</source>
        <translation>(missing)</translation>
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
        <translation>Match (%)</translation>
    </message>
    <message>
        <source>大-小</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>小-大</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>新-旧</source>
        <translation>Newer</translation>
    </message>
    <message>
        <source>旧-新</source>
        <translation>Older</translation>
    </message>
    <message>
        <source> 同</source>
        <translation>Same</translation>
    </message>
    <message>
        <source>A のサイズを B と比べた結果（%1：A が大きい、%2：A が小さい、%3：同じ）</source>
        <translation>How the size of A compares with B: %1, %2 or %3</translation>
    </message>
    <message>
        <source>A の更新日時を B と比べた結果（%1：A が新しい、%2：A が古い、%3：同じ）</source>
        <translation>How the modification time of A compares with B: %1, %2 or %3</translation>
    </message>
    <message>
        <source>A と B の属性（%1：同じ、違うときは A-B）。A アーカイブ、D フォルダ、H 隠し、R 読み取り専用、N 標準、S システム、T 一時</source>
        <translation>Attributes of A and B: %1 when they are equal, else A&apos;s-B&apos;s. A archive, D folder, H hidden, R read-only, N normal, S system, T temporary</translation>
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
        <translation>Search Folder…</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>ごみ箱から削除</source>
        <translation>Remove from Trash</translation>
    </message>
    <message>
        <source>全て選択</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>ごみ箱を開く</source>
        <translation>Open Trash</translation>
    </message>
    <message>
        <source>指定した値以上、一致するファイルだけを検索</source>
        <translation>Find only files that match at least this much</translation>
    </message>
</context>
<context>
    <name>CopyRowsAction</name>
    <message>
        <source>比較の後に変更されています。</source>
        <translation>It changed after the comparison.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>読めません。</source>
        <translation>It cannot be read.</translation>
    </message>
    <message numerus="yes">
        <source>ほか %n 個</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>次の %n 個の項目はコピーしません。

</source>
        <translation>
            <numerusform>The following %n item is not copied.

</numerusform>
            <numerusform>The following %n items are not copied.

</numerusform>
        </translation>
    </message>
    <message>
        <source>コピーする項目はありません。</source>
        <translation>There is nothing to copy.</translation>
    </message>
</context>
<context>
    <name>DetailRowsView</name>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>DiskCheckMarker</name>
    <message>
        <source> [なくなりました]</source>
        <translation> [not found]</translation>
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
        <translation>Match (%)</translation>
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
            <numerusform>In %n group, all files will go to the trash and none will be kept.</numerusform>
            <numerusform>In %n groups, all files will go to the trash and none will be kept.</numerusform>
        </translation>
    </message>
    <message>
        <source>敷居値 %1%</source>
        <translation>Threshold %1%</translation>
    </message>
    <message>
        <source>検索の開始|ファイルの検索を開始します。</source>
        <translation>Start the search|Search the folder for identical or duplicate files.</translation>
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
        <translation>File history</translation>
    </message>
    <message>
        <source>ファイル|探すファイルをフルパス名で入力(同一ファイルの検索時のみ入力)</source>
        <translation>File|Full path of a file to find identical files to (leave empty to find duplicates)</translation>
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
        <translation>Folder history</translation>
    </message>
    <message>
        <source>フォルダ|探す場所を入力</source>
        <translation>Folder|Full path of the folder to search</translation>
    </message>
    <message>
        <source>調べるフォルダ|指定したフォルダ内を検索</source>
        <translation>Folder to search|Search this folder and its subfolders</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>検索結果.tsv</source>
        <translation>search.tsv</translation>
    </message>
    <message>
        <source>基準以外を選択</source>
        <translation>Select All Except Reference</translation>
    </message>
    <message>
        <source>各グループで新しいものを残して選択</source>
        <translation>Select All Except Newest in Each Group</translation>
    </message>
    <message>
        <source>古いものを残して選択</source>
        <translation>Select All Except Oldest</translation>
    </message>
    <message>
        <source>このフォルダ内の重複を選択</source>
        <translation>Select Duplicates in This Folder</translation>
    </message>
    <message>
        <source>ハードリンクに置き換え</source>
        <translation>Replace with Hard Links</translation>
    </message>
    <message>
        <source>シンボリックリンクに置き換え</source>
        <translation>Replace with Symbolic Links</translation>
    </message>
    <message>
        <source>リフリンク（複製）に置き換え</source>
        <translation>Replace with Reflinks (Clones)</translation>
    </message>
    <message>
        <source>フォルダへ移動…</source>
        <translation>Move to Folder…</translation>
    </message>
    <message>
        <source>全てのファイル|*.*</source>
        <translation>All files|*.*</translation>
    </message>
    <message>
        <source>選んだファイルは、どれもグループに残すファイルです。</source>
        <translation>Nothing to do: every selected file is the one its group keeps.</translation>
    </message>
    <message>
        <source>移動先: [ %1 ]</source>
        <translation>Destination: [ %1 ]</translation>
    </message>
    <message>
        <source>選んだうち %1 個は、グループに残すファイルなのでそのままにします。</source>
        <translation>%1 of the selected files will stay, because their groups keep them.</translation>
    </message>
    <message numerus="yes">
        <source>選んだうち %n 個は、そのファイルかグループに残すファイルがリストのとおりでないので、そのままにします。</source>
        <translation>
            <numerusform>%n of the selected files will stay, because it or the file its group keeps has changed since the list was saved.</numerusform>
            <numerusform>%n of the selected files will stay, because they or the files their groups keep have changed since the list was saved.</numerusform>
        </translation>
    </message>
    <message>
        <source>フォルダ単位</source>
        <translation>By folder</translation>
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
        <translation>No matching files were found.</translation>
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
        <translation>Type</translation>
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
        <translation>Choose a folder and search it|Choose a folder, then search it for empty folders and empty files.</translation>
    </message>
    <message>
        <source>ファイルの削除|選択しているリストのファイルをディスクから削除します。</source>
        <translation>Delete the selected items|Delete the selected items from the disk. The Trash page can restore them.</translation>
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
        <translation>Delete the selected items from the disk. The Trash page can restore them.</translation>
    </message>
    <message>
        <source>調べるフォルダを選択して下さい</source>
        <translation>Choose a Folder to Search</translation>
    </message>
    <message>
        <source>設定／開始</source>
        <translation>Search Folder…</translation>
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
    <name>FolderListModel</name>
    <message>
        <source>基準</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>同一</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>同一(構成も同じ)</source>
        <translation>Equal (same layout)</translation>
    </message>
    <message>
        <source>含まれる</source>
        <translation>Contained</translation>
    </message>
    <message>
        <source>類似 %1%</source>
        <translation>Similar %1%</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>ファイル数</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>関係</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>重複</source>
        <translation>Group</translation>
    </message>
</context>
<context>
    <name>FolderResults</name>
    <message>
        <source>フォルダの検索結果</source>
        <translation>Folder results</translation>
    </message>
    <message>
        <source>フォルダを開く(&amp;F)</source>
        <translation>Open &amp;folder</translation>
    </message>
    <message>
        <source>リストを保存…</source>
        <translation>Save list…</translation>
    </message>
    <message>
        <source>フォルダのファイルをごみ箱へ</source>
        <translation>Move Folders&apos; Files to Trash</translation>
    </message>
    <message>
        <source>重複するフォルダはありませんでした。</source>
        <translation>No duplicate folders were found.</translation>
    </message>
    <message>
        <source>選んだフォルダには、ごみ箱へ移せるファイルがありません。</source>
        <translation>The chosen folders hold no file that can go to the trash.</translation>
    </message>
    <message>
        <source>選んだフォルダには、移動できるファイルがありません。</source>
        <translation>The chosen folders hold no file that can be moved.</translation>
    </message>
    <message>
        <source>選んだフォルダには、同一のフォルダのファイルとして置き換えられるファイルがありません。</source>
        <translation>The chosen folders hold no file of an equal folder that could be replaced.</translation>
    </message>
    <message>
        <source>フォルダのファイルを移動…</source>
        <translation>Move Folders&apos; Files…</translation>
    </message>
    <message>
        <source>フォルダのファイルをハードリンクに置き換え</source>
        <translation>Replace Folders&apos; Files with Hard Links</translation>
    </message>
    <message>
        <source>フォルダのファイルをリフリンク（複製）に置き換え</source>
        <translation>Replace Folders&apos; Files with Reflinks (Clones)</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>移動先: [ %1 ]</source>
        <translation>Destination: [ %1 ]</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>ヘルプ文書が見つかりません</source>
        <translation>Couldn&apos;t find the help document</translation>
    </message>
    <message>
        <source>次のファイルがありませんでした。</source>
        <translation>This file is missing:</translation>
    </message>
    <message>
        <source>プログラムを入れ直すと、ヘルプ文書も元に戻ります。</source>
        <translation>Reinstalling Quorvex restores the help document.</translation>
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
        <translation>Apply the changes to the path histories</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
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
        <translation>%1 Properties</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Type</translation>
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
        <translation>A new language takes effect the next time Quorvex starts.</translation>
    </message>
    <message>
        <source>表示言語の設定を保存できませんでした。</source>
        <translation>Couldn&apos;t save the language setting.</translation>
    </message>
</context>
<context>
    <name>ListItemActions</name>
    <message>
        <source>フォルダを開く</source>
        <translation>Open Containing Folder</translation>
    </message>
    <message>
        <source>全て選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
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
        <source>削除(&amp;D)</source>
        <comment>moves the selected items to the desktop trash</comment>
        <translation>Move to &amp;Trash</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>リストを保存…</source>
        <translation>Save List…</translation>
    </message>
    <message>
        <source>リストを開く…</source>
        <translation>Open List…</translation>
    </message>
</context>
<context>
    <name>ListSaving</name>
    <message>
        <source>リストを保存</source>
        <translation>Save List</translation>
    </message>
    <message>
        <source>タブ区切りテキスト (*.tsv)|*.tsv|CSV (*.csv)|*.csv|全てのファイル|*.*</source>
        <translation>Tab-separated text (*.tsv)|*.tsv|CSV (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>[ %1 ]

リストを保存できませんでした。</source>
        <translation>[ %1 ]

Couldn&apos;t save the list.</translation>
    </message>
    <message>
        <source>リストを開く</source>
        <translation>Open List</translation>
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

Couldn&apos;t open the list.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 個の項目は、保存したときからなくなったか変わっています。印の付いた項目には何もしません。</source>
        <translation>
            <numerusform>%n item is missing or has changed since the list was saved. Marked items are left alone.</numerusform>
            <numerusform>%n items are missing or have changed since the list was saved. Marked items are left alone.</numerusform>
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
        <translation>When ticked, files with the masks&apos; extensions are left out; otherwise only they take part</translation>
    </message>
    <message>
        <source>マスク</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>マスクを使用する。 </source>
        <translation>Use masks </translation>
    </message>
    <message>
        <source>Caskwell で登録したファイルマスクを使用するか決める</source>
        <translation>Filter files by the masks registered with Caskwell</translation>
    </message>
</context>
<context>
    <name>MoveFolderChoice</name>
    <message>
        <source>移動先のフォルダを選択して下さい</source>
        <translation>Choose Destination Folder</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>プログラムから開く</source>
        <translation>Open With</translation>
    </message>
    <message>
        <source>このファイルを開くプログラムを選んでください。
</source>
        <translation>Choose an application to open this file:
</translation>
    </message>
    <message>
        <source>推奨されるプログラム</source>
        <translation>Recommended Applications</translation>
    </message>
    <message>
        <source>その他のプログラム</source>
        <translation>Other Applications</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>パレット</source>
        <translation>Choose a colour</translation>
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
        <translation>Also include these files:</translation>
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
        <translation>Row colours on the Compare Files page</translation>
    </message>
    <message>
        <source>100%一致したリストの背景色</source>
        <translation>Rows that match 100%</translation>
    </message>
    <message>
        <source>一方のファイルが存在しない時のリストの背景色</source>
        <translation>Rows found on one side only</translation>
    </message>
    <message>
        <source>ファイルの重複でのリストの背景色</source>
        <translation>Group colour on the Duplicate and Identical Files page</translation>
    </message>
    <message>
        <source>右クリックで背景色を初期化</source>
        <translation>Duplicate groups (right-click to reset)</translation>
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
        <translation>Compare Files</translation>
    </message>
    <message>
        <source>重複と同一ファイルの検索</source>
        <translation>Duplicate and Identical Files</translation>
    </message>
    <message>
        <source>空のフォルダとファイル</source>
        <translation>Empty Folders and Files</translation>
    </message>
    <message>
        <source>ごみ箱</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>検索履歴の編集</source>
        <translation>Search History</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>PlanDetails</name>
    <message>
        <source>操作</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>パス</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>残すファイル</source>
        <translation>Kept file</translation>
    </message>
    <message>
        <source>バイト</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>行き先</source>
        <translation>Goes to</translation>
    </message>
    <message>
        <source>書き込む合計: %1 バイト</source>
        <translation>Written in all: %1 bytes</translation>
    </message>
    <message>
        <source>空く合計: %1 バイト</source>
        <translation>Freed in all: %1 bytes</translation>
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

There is no file at this path.</translation>
    </message>
    <message>
        <source>フォルダ [ %1 ]

ファイルパスが不明です。</source>
        <translation>Folder [ %1 ]

There is no folder at this path.</translation>
    </message>
    <message>
        <source>A [ %1 ]

ファイルパスが不明です。</source>
        <translation>A [ %1 ]

There is no file or folder at this path.</translation>
    </message>
    <message>
        <source>B [ %1 ]

ファイルパスが不明です。</source>
        <translation>B [ %1 ]

There is no file or folder at this path.</translation>
    </message>
    <message>
        <source>フォルダとファイルの比較は行えません！</source>
        <translation>A folder can&apos;t be compared with a file. Choose two folders or two files.</translation>
    </message>
    <message>
        <source>フォルダ [ %1 ]

検索するほかのフォルダと重なっています。</source>
        <translation>Folder [ %1 ]

This folder overlaps another folder of the search: one lies inside the other.</translation>
    </message>
    <message>
        <source>リンクとリフリンク（複製）は、100% で一致したファイルにだけ使えます。</source>
        <translation>Links and reflinks (clones) can only replace files that match 100%. Search again with the threshold at 100%.</translation>
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
        <translation>Finished in %1</translation>
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
        <translation>Couldn&apos;t use the scan cache, so the search ran without it.</translation>
    </message>
</context>
<context>
    <name>StateFileCare</name>
    <message>
        <source>[ %1 ]

ファイルが大きすぎるか読めないため、一部だけを読み込みました。上書きする前に、元のファイルを「%2.damaged-番号」として残します。</source>
        <translation>[ %1 ]

Couldn&apos;t read all of this file: it is too large or partly unreadable. The original will be kept as &quot;%2.damaged-NUMBER&quot; before it is overwritten.</translation>
    </message>
</context>
<context>
    <name>TFolderFileDlg</name>
    <message>
        <source>フォルダとファイルの参照</source>
        <translation>Browse for a Folder or File</translation>
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
        <translation>Choose a Folder to Compare</translation>
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
        <translation>Back to the beginning</translation>
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
        <translation>Apply to all</translation>
    </message>
</context>
<context>
    <name>TYesAllNoCancelDlg</name>
    <message>
        <source>ダイアログ</source>
        <translation>Confirm</translation>
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
        <translation>Original Location</translation>
    </message>
</context>
<context>
    <name>TrashPage</name>
    <message>
        <source>ごみ箱を開く</source>
        <translation>Open Trash</translation>
    </message>
    <message>
        <source>ごみ箱を閉じる</source>
        <translation>Close Trash</translation>
    </message>
    <message>
        <source>選択しているファイルパス名を元の場所に戻します。</source>
        <translation>Recreate the selected items at their original locations, as empty folders and empty files.</translation>
    </message>
    <message>
        <source>選択しているファイルパス名をごみ箱からも削除します。(これを行うと元には戻せなくなります。)</source>
        <translation>Remove the selected items from the trash. They can&apos;t be restored afterwards.</translation>
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
