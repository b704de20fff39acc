#include "desktop/ItemProperties.h"

#include "common/Filters.h"
#include "platform/FileSystem.h"
#include "platform/desktop/ShellActions.h"
#include "platform/desktop/ShellFileInfo.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"))
                          : QString();
}

QString permissionText(QFile::Permissions permissions)
{
    static constexpr QFile::Permission bits[] = {
        QFile::ReadOwner, QFile::WriteOwner, QFile::ExeOwner,   QFile::ReadGroup, QFile::WriteGroup,
        QFile::ExeGroup,  QFile::ReadOther,  QFile::WriteOther, QFile::ExeOther};
    static constexpr char letters[] = "rwxrwxrwx";
    QString text;
    for (int i = 0; i < 9; ++i)
        text += (permissions & bits[i]) ? QLatin1Char(letters[i]) : QLatin1Char('-');
    return text;
}

// The size in pixels of the picture at `path`, as shown (turned as its EXIF data
// says); invalid when it is no picture the image readers know.
QSize pictureSize(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)
               ? size.transposed()
               : size;
}

// A value as read-only text: selectable and copyable, reachable with the Tab key,
// and read out by a screen reader as its text, named by its caption. It looks like
// a plain label and is as wide as its text, within reason.
QLineEdit* makeValueField(QWidget* parent, const QString& caption, const QString& value)
{
    constexpr int kWidestField = 640;
    constexpr int kTextMargins = 8; // the field's own margins either side, and the cursor
    auto* field = new QLineEdit(value, parent);
    field->setObjectName(caption);
    field->setAccessibleName(caption);
    field->setReadOnly(true);
    field->setFrame(false);
    QPalette flat = field->palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    field->setPalette(flat);
    const int textWidth = field->fontMetrics().horizontalAdvance(value) + kTextMargins;
    field->setMinimumWidth(std::min(textWidth, kWidestField));
    field->setCursorPosition(0);
    return field;
}

} // namespace

ItemPropertiesDialog::ItemPropertiesDialog(QWidget* owner, SysImageList& images,
                                           const std::string& path,
                                           const quorvex::platform::DirEntry& entry)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("ItemPropertiesDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    const ShellFileInfo info = QueryFileInfo(images, path, false);
    setWindowTitle(tr("%1 のプロパティ").arg(info.displayName));

    auto* form = new QFormLayout;
    const auto addRow = [this, form](const QString& caption, const QString& value) {
        QLineEdit* field = makeValueField(this, caption, value);
        auto* label = new QLabel(caption + QStringLiteral(":"), this);
        label->setBuddy(field); // the screen reader's "labelled by"
        form->addRow(label, field);
    };

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Icon"));
    icon->setPixmap(images.pixmap(info.iconIndex));
    form->addRow(icon);

    addRow(tr("名前"), info.displayName);
    addRow(tr("種類"), info.typeName);
    addRow(tr("場所"), ShownText(ContainingFolder(path)));
    if (!entry.isDirectory())
        addRow(tr("サイズ"),
               tr("%1 バイト").arg(QLocale::c().toString(static_cast<qulonglong>(entry.size))));
    if (const QSize pixels = entry.isDirectory() ? QSize() : pictureSize(ShownText(path));
        pixels.isValid())
        addRow(tr("画像サイズ"), tr("%1 × %2 ピクセル").arg(pixels.width()).arg(pixels.height()));
    // Names that are not valid text have no QFileInfo; their write time still shows.
    const QFileInfo details(ShownText(path));
    const bool detailed = details.exists() || details.isSymLink();
    const QDateTime written = QDateTime::fromSecsSinceEpoch(entry.lastWrite.seconds);
    addRow(tr("更新日時"), timeText(written));
    if (detailed) {
        addRow(tr("アクセス日時"), timeText(details.fileTime(QFileDevice::FileAccessTime)));
        addRow(tr("属性の変更日時"),
               timeText(details.fileTime(QFileDevice::FileMetadataChangeTime)));
    }
    addRow(tr("属性"), ShownText(quorvex::FormatAttributeText(entry.attributes)));
    if (detailed) {
        addRow(tr("アクセス権"), permissionText(details.permissions()));
        addRow(tr("所有者"), details.owner() + QLatin1Char(':') + details.group());
    }
    if (details.isSymLink())
        addRow(tr("リンク先"), details.symLinkTarget());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString ItemPropertiesDialog::valueOf(const QString& label) const
{
    const auto* text = findChild<QLineEdit*>(label);
    return text != nullptr ? text->text() : QString();
}

void ShowItemProperties(QWidget* owner, SysImageList& images, const std::string& path)
{
    if (path.empty() || ShowSystemProperties(owner, path))
        return;
    const auto entry = quorvex::platform::LookupEntry(path);
    if (!entry)
        return;
    auto* dialog = new ItemPropertiesDialog(owner, images, path, *entry);
    dialog->show();
}
