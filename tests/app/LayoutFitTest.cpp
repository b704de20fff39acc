// In both languages every caption of every page fits its place: the text of each
// shown button, check box, label and switch button, and each list's column headers,
// measured with the widget's own font; so do the comparison list's relation words,
// which its headers' tool tips explain.

#include "FilledWindow.h"
#include "app/InterfaceTranslations.h"
#include "compare/ui/ComparisonListModel.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <optional>

namespace {

using quorvex::app::InterfaceLanguage;

QString WithoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The width the widget's text needs beside what else it draws; nullopt when it
// shows no caption of the program.
std::optional<int> NeededWidth(const QWidget& widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* button = qobject_cast<const TSwitchButton*>(&widget))
        return button->widthForCaption(button->Caption());
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget))
        return box->sizeHint().width();
    if (const auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return radio->sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        const int contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        return metrics.horizontalAdvance(WithoutMnemonic(button->text())) + button->width() -
               contents;
    }
    if (const auto* button = qobject_cast<const QToolButton*>(&widget)) {
        if (button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return std::nullopt;
        // The label's room: inside the frame, beside an icon shown before the text.
        const bool besideIcon =
            button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !button->icon().isNull();
        return metrics.horizontalAdvance(WithoutMnemonic(button->text())) +
               2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
               (besideIcon ? button->iconSize().width() + 4 : 0);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
            return std::nullopt;
        int widest = 0;
        for (const QString& line : WithoutMnemonic(label->text()).split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest + 2 * label->margin() + 2 * label->frameWidth();
    }
    return std::nullopt;
}

class LayoutFitTest : public FilledWindow, public ::testing::WithParamInterface<InterfaceLanguage>
{
protected:
    // What does not fit on the page in view: "name: needs N, has M".
    QStringList clipped() const
    {
        QStringList out;
        for (const QWidget* widget : form->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow())
                continue;
            const std::optional<int> needed = NeededWidth(*widget);
            if (needed && *needed > widget->width())
                out << QStringLiteral("%1: needs %2, has %3")
                           .arg(widget->objectName(), QString::number(*needed),
                                QString::number(widget->width()));
        }
        for (const QHeaderView* header : form->findChildren<QHeaderView*>()) {
            if (!header->isVisible() || header->orientation() != Qt::Horizontal)
                continue;
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int section = 0; section < header->count(); ++section) {
                const QString text =
                    header->model()->headerData(section, Qt::Horizontal).toString();
                const int needed = header->fontMetrics().horizontalAdvance(text) + margins;
                if (!header->isSectionHidden(section) && needed > header->sectionSize(section))
                    out << QStringLiteral("%1 column %2 \"%3\": needs %4, has %5")
                               .arg(header->parentWidget()->objectName(), QString::number(section),
                                    text, QString::number(needed),
                                    QString::number(header->sectionSize(section)));
            }
        }
        return out;
    }
};

TEST_P(LayoutFitTest, EveryCaptionFitsOnEveryPage)
{
    const InterfaceTranslations translations(GetParam(), QUORVEX_BINARY_DIR "/");
    fill();
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        EXPECT_EQ(clipped(), QStringList()) << form->PageControl1->tabText(page).toStdString();
    }
}

TEST_P(LayoutFitTest, RelationWordsFitTheirColumnsAndTheHeadersExplainThem)
{
    const InterfaceTranslations translations(GetParam(), QUORVEX_BINARY_DIR "/");
    fill();
    showPage(Page::Compare);
    auto* list = form->findChild<QTreeView*>(QStringLiteral("ListView2"));
    const auto* model = qobject_cast<const ComparisonListModel*>(list->model());
    ASSERT_NE(model, nullptr);
    const quorvex::ComparisonWords& words = model->words();
    const struct
    {
        int column;
        std::vector<std::string> cells;
    } columns[] = {{2, {words.larger, words.smaller, words.same}},
                   {3, {words.newer, words.older, words.same}},
                   {4, {words.same + "  A/H/R", "A/H/R-A/R"}}};
    constexpr int margins = 12; // the cell's offsets either side of its text
    for (const auto& [column, cells] : columns) {
        const QString hint = model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        for (const std::string& cell : cells) {
            const QString text = ShownText(cell);
            EXPECT_LE(list->fontMetrics().horizontalAdvance(text) + margins,
                      list->columnWidth(column))
                << text.toStdString();
            if (!text.contains(u'/')) {
                EXPECT_TRUE(hint.contains(text.trimmed())) << column << ": " << hint.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LayoutFitTest,
                         ::testing::Values(InterfaceLanguage::Japanese, InterfaceLanguage::English),
                         [](const auto& info) {
                             return info.param == InterfaceLanguage::English ? "English"
                                                                             : "Japanese";
                         });

} // namespace
