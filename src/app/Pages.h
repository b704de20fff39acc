#pragma once
// The registration of the pages: BuildPages (Pages.cpp) holds one line per page that
// builds it into its tab sheet. See PageServices.h for how a page plugs in.

class QWidget;
struct PageServices;

struct PageSheets
{
    QWidget* TabSheet1; // 0 "ファイルの比較"
    QWidget* TabSheet5; // 1 "重複と同一ファイルの検索"
    QWidget* TabSheet2; // 2 "空のフォルダとファイル"
    QWidget* TabSheet3; // 3 "ごみ箱"
    QWidget* TabSheet6; // 5 "検索履歴の編集"
};

void BuildPages(const PageSheets& sheets, const PageServices& services);
