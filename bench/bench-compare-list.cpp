// ListView2 with a million rows: showing them, scrolling, and sorting every column,
// timed beside a plain std::sort of the same name texts with the same collation.
// Prints one line per measurement: name, seconds, ratio to the plain sort, and
// whether every sort stayed under a second.
#include "app/TForm1.h"
#include "compare/ComparisonOrder.h"
#include "compare/ui/ComparePage.h"
#include "compare/ui/ComparisonListModel.h"
#include "compare/ui/ComparisonListView.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace {

quorvex::ComparisonList makeRows(int count)
{
    std::mt19937 random(42);
    quorvex::ComparisonList rows;
    std::uint32_t folder = 0;
    for (int index = 0; index < count; ++index) {
        if (index % 1000 == 0)
            folder = rows.addPathCell("dir" + std::to_string(index / 1000) + "/");
        const std::string name = "file" + std::to_string(random() % 1000000) + ".txt";
        const bool hasB = random() % 10 != 0;
        quorvex::ComparisonRow& row = rows.add(name, folder, true, hasB);
        if (hasB) {
            const quorvex::EntryFacts a{std::int64_t(random() % 5000), std::int64_t(random() % 3),
                                        0x20};
            const quorvex::EntryFacts b{std::int64_t(random() % 5000), std::int64_t(random() % 3),
                                        random() % 4 ? 0x20u : 0x22u};
            row.setRelations(a, b);
            row.setContent(quorvex::ContentCell::Percent, int(random() % 101));
        }
    }
    return rows;
}

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    qputenv("QUORVEX_DATA_DIR", QDir::tempPath().toUtf8() + "/quorvex-bench-list/");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    ScriptedDialogs dialogs;
    auto form = std::make_unique<TForm1>(dialogs, 24);
    form->show();
    auto* page = form->findChild<ComparePage*>();
    page->CheckBox3->setChecked(true);

    quorvex::ComparisonList rows = makeRows(count);

    // The peer: the name texts sorted with the list's collation.
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        names.push_back(rows.name(rows[row], page->model().words()));
    QElapsedTimer timer;
    timer.start();
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return quorvex::CompareCellTexts(a, b) < 0;
    });
    const double peer = seconds(timer);
    std::printf("rows %d\npeer std::sort of names %.3f s\n", count, peer);
    auto report = [&](const char* what, double value) {
        std::printf("%-28s %.3f s  ratio %.2f\n", what, value, value / peer);
    };

    page->engine().rows() = std::move(rows);
    timer.start();
    page->model().showRows();
    page->ListView2->viewport()->grab();
    report("show and first paint", seconds(timer));

    QScrollBar* bar = page->ListView2->verticalScrollBar();
    timer.start();
    constexpr int frames = 100;
    for (int frame = 0; frame < frames; ++frame) {
        bar->setValue(int(qint64(bar->maximum()) * frame / frames));
        page->ListView2->viewport()->grab();
    }
    report("scroll, per frame", seconds(timer) / frames);

    double slowest = 0;
    for (int column = 0; column < ComparisonListModel::ColumnCount; ++column) {
        timer.start();
        page->ListView2ColumnClick(column);
        page->ListView2->viewport()->grab();
        const double taken = seconds(timer);
        slowest = std::max(slowest, taken);
        const std::string label = "sort column " + std::to_string(column);
        report(label.c_str(), taken);
    }
    timer.start();
    page->RestoreComparisonOrder();
    report("restore order", seconds(timer));
    report("slowest sort", slowest);
    std::printf("target: every sort under 1 s: %s\n", slowest < 1.0 ? "met" : "missed");
    return 0;
}
