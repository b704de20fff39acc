// The help document shipped with the program: its sections and links, the mask-set
// example it teaches, and where the program looks for it.

#include "help/HelpDocument.h"
#include "app/MaskBar.h"
#include "support/FormFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <fstream>

namespace {

// The Japanese document, or the one of another language ("Quorvex_en.htm").
QString shippedDocument(const QString& name = QStringLiteral("Quorvex.htm"))
{
    QFile file(QStringLiteral(QUORVEX_HELP_SOURCE_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

struct Anchors
{
    QSet<QString> names;
    QSet<QString> internalLinks;
};

// The anchor names and "#..." links as the help window's viewer reads them.
Anchors anchorsOf(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                anchors.names.insert(name);
            if (format.anchorHref().startsWith(u'#'))
                anchors.internalLinks.insert(format.anchorHref().mid(1));
        }
    return anchors;
}

// The registry text of the mask-set example, as a reader copies it from the page.
std::string maskSetExample(const QString& html)
{
    static const QRegularExpression pre(QStringLiteral("<pre id=\"MaskDataExample\">(.*?)</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QString text = pre.match(html).captured(1);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return (text + u'\n').toStdString();
}

// Both languages' documents: the same anchors, so that a page's help button finds its
// section in either.
TEST(HelpDocumentTest, HasASectionPerPageAndEveryInternalLinkLeadsSomewhere)
{
    const Anchors japanese = anchorsOf(shippedDocument());
    for (const QString& name : {QStringLiteral("Quorvex.htm"), QStringLiteral("Quorvex_en.htm")}) {
        const QString html = shippedDocument(name);
        ASSERT_FALSE(html.isEmpty()) << name.toStdString();
        const Anchors anchors = anchorsOf(html);
        for (const char* page : {"Tessik", "FileKen", "KaraFile", "Gomi", "Option", "Rireki"})
            EXPECT_TRUE(anchors.names.contains(QString::fromLatin1(page))) << page;
        EXPECT_FALSE(anchors.internalLinks.isEmpty());
        for (const QString& link : anchors.internalLinks)
            EXPECT_TRUE(anchors.names.contains(link)) << link.toStdString();
        EXPECT_EQ(anchors.names, japanese.names) << name.toStdString();
    }
}

class HelpMaskExampleTest : public FormFixture
{
};

TEST_F(HelpMaskExampleTest, ExampleIsReadAsTheMaskSetsItDescribes)
{
    const std::string example = maskSetExample(shippedDocument());
    ASSERT_FALSE(example.empty());
    tree.file("config/Vorle/Caskwell/MaskData.reg", example);

    auto form = makeForm();
    ASSERT_EQ(form->Panel4->MaskTitleComboBox->count(), 3);
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->itemText(0), QStringLiteral("画像ファイル"));
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->itemText(2), QStringLiteral("一時ファイルを除外"));
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->currentIndex(), 0);
    ASSERT_EQ(form->Panel4->MaskSetTexts().size(), 3u);
    EXPECT_EQ(form->Panel4->MaskSetTexts()[0], "*.jpg\r\n*.jpeg\r\n*.png\r\n*.gif");
    EXPECT_EQ(form->Panel4->MaskSetTexts()[1], "*.txt\r\n*.htm?\r\n*.pdf");
    EXPECT_EQ(form->services().filters.activeMasks.size(), 4u);
    EXPECT_TRUE(form->Panel4->CheckBox1->isEnabled());
    EXPECT_FALSE(form->Panel4->ExclusionChkBox->isChecked());

    // As the page explains, choosing the set named "...除外" turns exclusion on.
    form->Panel4->CheckBox1->setChecked(true);
    form->Panel4->MaskTitleComboBox->setCurrentIndex(2);
    emit form->Panel4->MaskTitleComboBox->activated(2);
    EXPECT_TRUE(form->Panel4->ExclusionChkBox->isChecked());
}

TEST(HelpDocumentPathTest, ProgramFolderFirstThenInstalledCopyElseTheProgramFolderPath)
{
    quorvex::test::TempTree tree;
    const std::string exeDir = tree.path("bin/");
    const QString installed = QString::fromStdString(tree.path("share/quorvex/Help/"));
    const QString beside = QString::fromStdString(exeDir) + QStringLiteral("Help/Quorvex.htm");

    EXPECT_EQ(HelpDocumentPath(exeDir, installed), beside);
    tree.file("share/quorvex/Help/Quorvex.htm", "<html></html>");
    EXPECT_EQ(HelpDocumentPath(exeDir, installed), installed + QStringLiteral("Quorvex.htm"));
    tree.file("bin/Help/Quorvex.htm", "<html></html>");
    EXPECT_EQ(HelpDocumentPath(exeDir, installed), beside);

    // The installed layout: the programs in <prefix>/bin/, the help in <prefix>/share/.
    quorvex::test::TempTree prefix;
    prefix.file("share/quorvex/Help/Quorvex.htm", "<html></html>");
    // Qt may give these paths with "/" on Windows too.
    const auto qtForm = [](const QString& path) { return QDir::fromNativeSeparators(path); };
    EXPECT_EQ(qtForm(HelpDocumentPath(prefix.path("bin/"))),
              qtForm(QString::fromStdString(prefix.path("share/quorvex/Help/Quorvex.htm"))));

    QUrl address = HelpAddress(exeDir, QStringLiteral("Rireki"));
    EXPECT_EQ(address.toLocalFile(), qtForm(beside));
    EXPECT_EQ(address.fragment(), QStringLiteral("Rireki"));
}

} // namespace
