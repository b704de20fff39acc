#include "duplicates/ui/PicturePreview.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace {

constexpr std::uint64_t kLargestPicture = std::uint64_t{256} << 20;

} // namespace

PicturePreview::PicturePreview(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("PicturePreview"));
    setAccessibleName(tr("プレビュー"));
    setFixedWidth(kWidth);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setMargin(4);
}

void PicturePreview::showFile(std::string_view path)
{
    clear();
    // Read through the platform layer, which takes any name the disk holds.
    const std::optional<quorvex::platform::DirEntry> entry = quorvex::platform::LookupEntry(path);
    if (!entry || entry->size > kLargestPicture)
        return;
    std::optional<std::string> bytes = quorvex::platform::ReadWholeFile(path);
    if (!bytes)
        return;
    QByteArray held = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&held);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // A square as wide as the pane, at its top.
    const int side = kWidth - 2 * margin();
    const QSize box(side, side);
    QSize size = reader.size();
    if (!size.isValid())
        return;
    // The stored size is before the orientation tag turns it.
    if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        size.transpose();
    if (size.width() > box.width() || size.height() > box.height()) {
        QSize shown = size.scaled(box, Qt::KeepAspectRatio);
        if (reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
            shown.transpose();
        reader.setScaledSize(shown.expandedTo({1, 1}));
    }
    const QImage picture = reader.read();
    if (!picture.isNull())
        setPixmap(QPixmap::fromImage(picture));
}
