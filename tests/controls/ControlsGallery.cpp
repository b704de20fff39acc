// A window with every switch button of the main window, the progress bar in each
// style at 0 %, 37 % and 100 %, a list view with header markers and the track bar in
// both channel styles, for looking at the controls (screenshots under Xvfb).

#include "controls/ControlStyles.h"
#include "controls/TColorProgressBar.h"
#include "controls/TMyListView.h"
#include "controls/TNewTrackBar.h"
#include "controls/TSwitchButton.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>

namespace {

// Stand-ins for the sort triangles of the main image list (downward, upward).
QList<QPixmap> markerImages()
{
    QList<QPixmap> images;
    for (bool up : {false, true}) {
        QPixmap image(16, 16);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setBrush(Qt::darkGray);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(up ? QPolygon({{4, 10}, {12, 10}, {8, 5}})
                               : QPolygon({{4, 6}, {12, 6}, {8, 11}}));
        images << image;
    }
    QList<QPixmap> list(16, QPixmap());
    return list + images; // images 16 and 17
}

void addButtons(QWidget& window)
{
    auto* bar = new QWidget(&window);
    bar->setGeometry(0, 0, 1000, 80);
    bar->setAutoFillBackground(true);
    int x = 8;
    int y = 8;
    for (const QString& name : switchButtonNames()) {
        TSwitchButton* button = createSwitchButton(name, bar);
        button->resize(name == "DelSwBtn" || name == "SwitchButton5" ? 110 : 86, 25);
        button->move(x, y);
        x += button->width() + 6;
        if (x > 900) {
            x = 8;
            y += 33;
        }
    }
    TSwitchButton* down = createSwitchButton("CancelBtn", bar);
    down->move(x, y);
    down->setDown(true);
    TSwitchButton* disabled = createSwitchButton("SwitchButton1", bar);
    disabled->move(x + 92, y);
    disabled->setEnabled(false);
    TSwitchButton* ellipse = createSwitchButton("SwitchButton2", bar);
    ellipse->setButtonStyle(TSwitchButton::btEllipse);
    ellipse->move(x + 184, y);
}

void addProgressBars(QWidget& window)
{
    const char* names[] = {"btSolid", "btSolid2", "btGradetion", "btGradetion2", "btWin7"};
    int y = 96;
    for (int style = 0; style < 5; ++style) {
        auto* label = new QLabel(names[style], &window);
        label->move(8, y + 2);
        for (int column = 0; column < 3; ++column) {
            const int percent = column == 0 ? 0 : column == 1 ? 37 : 100;
            TColorProgressBar* bar = createColorProgressBar1(&window);
            bar->setBarStyle(TColorProgressBar::TBarStyle(style));
            bar->setBarColor(QColor(78, 95, 129));
            bar->setPosition(percent);
            bar->move(110 + column * 160, y);
        }
        // Blocks, sunken frame and the reference tick.
        TColorProgressBar* blocks = createColorProgressBar1(&window);
        blocks->setBarStyle(TColorProgressBar::TBarStyle(style));
        blocks->setSmooth(true);
        blocks->setFlat(false);
        blocks->setLineParVisible(true);
        blocks->setPosition(62);
        blocks->move(590, y);
        y += 28;
    }
}

void addListAndTrackBars(QWidget& window)
{
    auto* model = new QStandardItemModel(0, 3, &window);
    model->setHorizontalHeaderLabels({"名前 A", "サイズ", "内容(%)"});
    for (int row = 0; row < 5; ++row)
        model->appendRow({new QStandardItem(QString("file%1.txt").arg(row)),
                          new QStandardItem(" 同"), new QStandardItem(QString::number(row * 25))});
    auto* list = new TMyListView(&window);
    list->setObjectName("ListView2");
    list->setModel(model);
    list->setGridLines(true);
    list->SetColumnImageList(markerImages());
    list->GetColumnHandle()->setColumnImage(2, 17);
    list->GetColumnHandle()->setColumnImage(1, 16);
    list->setGeometry(8, 250, 420, 150);

    TNewTrackBar* line = createNewTrackBar1(&window);
    line->move(450, 260);
    TNewTrackBar* box = createNewTrackBar1(&window);
    box->setBarStyle(TNewTrackBar::styBox);
    box->setSelection(30, 80);
    box->setValue(50);
    box->move(560, 260);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"),
                               {QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")});
    QWidget window;
    window.setWindowTitle("Quorvex controls");
    window.resize(1000, 420);
    addButtons(window);
    addProgressBars(window);
    addListAndTrackBars(window);
    window.show();
    return app.exec();
}
