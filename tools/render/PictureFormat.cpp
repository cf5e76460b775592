#include "tools/render/PictureFormat.h"

namespace vemlo {

PictureFormat PictureFormatOf(const QString& fileName) {
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < fileName.lastIndexOf(QLatin1Char('/'))) return {};
    const QString ext = fileName.mid(dot);
    for (const char* e : {".bmp", ".BMP"})
        if (ext == QLatin1String(e)) return {"BMP", -1};
    for (const char* e : {".jpg", ".JPG", ".jpeg", ".JPEG"})
        if (ext == QLatin1String(e)) return {"JPEG", 100};
    for (const char* e : {".png", ".PNG"})
        if (ext == QLatin1String(e)) return {"PNG", -1};
    return {};
}

}  // namespace vemlo
