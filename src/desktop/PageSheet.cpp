#include "desktop/PageSheet.h"

#include <QVBoxLayout>
#include <QWidget>

void FillTabSheet(QWidget& sheet, QWidget& page)
{
    auto* layout = new QVBoxLayout(&sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&page);
}
