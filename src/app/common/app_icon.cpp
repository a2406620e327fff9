#include "app/common/app_icon.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPalette>
#include <QPixmap>
#include <QStringList>

// The resources live in a static library, so nothing would pull them in.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace scrivlet::app {
namespace {

// Toolbars and menus ask for 16, 22 and 32; the larger sizes serve high
// density screens.
constexpr int kSizes[] = {16, 22, 24, 32, 44, 48, 64};

QIcon BundledIcon(const QString& name) {
    static const bool loaded = (InitIconResources(), true);
    Q_UNUSED(loaded);
    QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray svg = file.readAll();
    const QColor ink = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    svg.replace("currentColor", ink.name().toLatin1());
    QIcon icon;
    for (int size : kSizes) {
        QBuffer buffer(&svg);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

bool ThemeInstalled(const QString& theme) {
    for (const QString& folder : QIcon::themeSearchPaths()) {
        if (QFileInfo::exists(folder + '/' + theme + "/index.theme")) {
            return true;
        }
    }
    return false;
}

}  // namespace

QIcon AppIcon(const QString& name) {
    static QHash<QString, QIcon> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd()) {
        return *found;
    }
    QIcon icon;
    if (!name.startsWith(QLatin1String("scrivlet-")) && QIcon::hasThemeIcon(name)) {
        icon = QIcon::fromTheme(name);
    }
    if (icon.isNull()) {
        icon = BundledIcon(name);
    }
    cache.insert(name, icon);
    return icon;
}

void ChooseIconTheme(const QPalette& palette) {
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor")) {
        return;
    }
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    const QStringList wanted =
        dark ? QStringList{"breeze-dark", "Adwaita"} : QStringList{"breeze", "Adwaita"};
    for (const QString& theme : wanted) {
        if (ThemeInstalled(theme)) {
            QIcon::setThemeName(theme);
            return;
        }
    }
}

}  // namespace scrivlet::app
