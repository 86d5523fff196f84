// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The QR code of the about window, generated from the configured web address by
// libqrencode, so that a phone reading it opens that address.
#include <QImage>
#include <QString>
#include <vector>

namespace pilecalc::app {

// The modules of the code, row by row (true = dark); empty when the text cannot be encoded.
struct QrModules {
    int width = 0;  // modules per side
    std::vector<bool> dark;
    bool at(int row, int column) const { return dark[static_cast<std::size_t>(row) * width + column]; }
};

// Error correction level M (15 % of the code may be lost), byte mode, UTF-8.
QrModules encodeQr(const QString& text);

// Number of light modules around the code that readers need to find it.
inline constexpr int kQrQuietZone = 4;

// The code drawn black on white, quiet zone included, as large as whole pixels per
// module allow inside `pixels` x `pixels`, centred.
QImage drawQrCode(const QString& text, int pixels);

}  // namespace pilecalc::app
