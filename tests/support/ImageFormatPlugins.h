#pragma once

#include <QFile>

namespace tindle::test {

// Whether Qt has loaded an image-format plugin into this process. Each test runs in a process
// of its own under CTest; run together, another test may have loaded them already.
inline bool ImageFormatPluginsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

}  // namespace tindle::test
