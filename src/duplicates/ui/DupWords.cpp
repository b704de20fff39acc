#include "duplicates/ui/DupWords.h"

QString DupWords::nothingFound(bool identicalSearch)
{
    return identicalSearch ? tr("一致するファイルはありませんでした。")
                           : tr("重複するファイルはありませんでした。");
}

QString DupWords::reference()
{
    return tr("基準");
}
