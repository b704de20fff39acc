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
        <source>このファイルシステムは複製（リフリンク）に対応していません%1。</source>
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
    <name>DupWords</name>
    <message>
        <source>一致するファイルはありませんでした。</source>
        <translation>No matching file was found.</translation>
    </message>
    <message>
        <source>重複するファイルはありませんでした。</source>
        <translation>No duplicate files were found.</translation>
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
        <source>リンクと複製（リフリンク）は、100% で一致したファイルにだけ使えます。</source>
        <translation>Links and clones (reflinks) can only be used for files that match at 100%.</translation>
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
