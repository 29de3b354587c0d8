#include "ProgramIcon.h"

#include "ProgramIconData.h"
#include "resource.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

QIcon AfxLoadIcon(int id) {
    if (id != IDI_PROGRAM) return {};
    const auto data = programIconData();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QIcon icon;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
