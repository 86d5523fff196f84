// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace pilecalc::app {

QrModules encodeQr(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    QrModules modules;
    if (!code) return modules;
    modules.width = code->width;
    modules.dark.resize(static_cast<std::size_t>(code->width) * code->width);
    // Bit 0 of each byte is the module's colour; the other bits describe its role.
    for (std::size_t i = 0; i < modules.dark.size(); ++i) modules.dark[i] = (code->data[i] & 1) != 0;
    return modules;
}

QImage drawQrCode(const QString& text, int pixels) {
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QrModules modules = encodeQr(text);
    if (modules.width == 0) return image;
    const int span = modules.width + 2 * kQrQuietZone;
    const int module = std::max(1, pixels / span);
    const int origin = (pixels - module * modules.width) / 2;
    QPainter painter(&image);
    for (int row = 0; row < modules.width; ++row) {
        for (int column = 0; column < modules.width; ++column) {
            if (modules.at(row, column)) {
                painter.fillRect(origin + column * module, origin + row * module, module, module, Qt::black);
            }
        }
    }
    return image;
}

}  // namespace pilecalc::app
