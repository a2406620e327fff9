#include "app/contents/contents_settings.h"

#include <QSettings>

#include "core/util/convert.h"

namespace scrivlet::app {
namespace {

int ReadInt(QSettings& settings, const char* key, int fallback) {
    const QString text = settings.value(key).toString();
    const auto value = TryStrToInt(text.toLatin1().toStdString());
    return value ? *value : fallback;
}

}  // namespace

ContentsPlacement ReadContentsPlacement() {
    QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
    settings.beginGroup("ContentEd");
    ContentsPlacement placement;
    placement.top = ReadInt(settings, "Top", placement.top);
    placement.left = ReadInt(settings, "Left", placement.left);
    placement.height = ReadInt(settings, "Height", placement.height);
    placement.width = ReadInt(settings, "Width", placement.width);
    placement.maximized = settings.value("WindowState").toString() == "Maximized";
    placement.grabLeft = ReadInt(settings, "GrabLeft", placement.grabLeft);
    return placement;
}

void WriteContentsPlacement(const ContentsPlacement& placement) {
    QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
    settings.beginGroup("ContentEd");
    if (placement.maximized) {
        settings.setValue("WindowState", "Maximized");
    } else {
        settings.setValue("WindowState", "Normal");
        settings.setValue("Top", QString::number(placement.top));
        settings.setValue("Left", QString::number(placement.left));
        settings.setValue("Height", QString::number(placement.height));
        settings.setValue("Width", QString::number(placement.width));
    }
    settings.setValue("GrabLeft", QString::number(placement.grabLeft));
}

}  // namespace scrivlet::app
