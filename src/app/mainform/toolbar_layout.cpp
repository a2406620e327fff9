#include "app/mainform/toolbar_layout.h"

#include <QMainWindow>
#include <QSettings>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace scrivlet::app {
namespace {

QSettings Store() {
    return QSettings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
}

QString AreaName(Qt::ToolBarArea area) {
    switch (area) {
        case Qt::BottomToolBarArea:
            return "Bottom";
        case Qt::LeftToolBarArea:
            return "Left";
        case Qt::RightToolBarArea:
            return "Right";
        default:
            return "Top";
    }
}

Qt::ToolBarArea AreaOf(const QString& name) {
    if (name == "Bottom") {
        return Qt::BottomToolBarArea;
    }
    if (name == "Left") {
        return Qt::LeftToolBarArea;
    }
    if (name == "Right") {
        return Qt::RightToolBarArea;
    }
    return Qt::TopToolBarArea;
}

bool Horizontal(Qt::ToolBarArea area) {
    return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
}

int IntValue(const QSettings& s, const char* key, int fallback) {
    bool ok = false;
    const int value = s.value(key).toString().toInt(&ok, 0);
    return ok ? value : fallback;
}

}  // namespace

void SaveToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars) {
    // A row is a line of toolbars across the dock: toolbars of one area that
    // share the coordinate across the dock.
    std::map<Qt::ToolBarArea, std::set<int>> rowCoords;
    for (QToolBar* bar : toolbars) {
        if (!bar->isFloating()) {
            const Qt::ToolBarArea area = window.toolBarArea(bar);
            rowCoords[area].insert(Horizontal(area) ? bar->y() : bar->x());
        }
    }
    QSettings settings = Store();
    for (QToolBar* bar : toolbars) {
        settings.beginGroup("Toolbars/" + bar->objectName());
        const Qt::ToolBarArea area = window.toolBarArea(bar);
        const bool floating = bar->isFloating();
        settings.setValue("Visible", bar->isVisibleTo(&window) ? "1" : "0");
        settings.setValue("DockedTo", floating ? QString("nil") : AreaName(area));
        int row = 0;
        if (!floating) {
            const auto& coords = rowCoords[area];
            row = static_cast<int>(
                std::distance(coords.begin(), coords.find(Horizontal(area) ? bar->y() : bar->x())));
        }
        settings.setValue("DockRow", QString::number(row));
        settings.setValue("DockPos",
                          QString::number(floating ? 0 : (Horizontal(area) ? bar->x() : bar->y())));
        const QRect frame = bar->frameGeometry();
        settings.setValue("FloatLeft", QString::number(frame.left()));
        settings.setValue("FloatTop", QString::number(frame.top()));
        settings.setValue("FloatRight", QString::number(frame.right() + 1));
        settings.setValue("FloatBottom", QString::number(frame.bottom() + 1));
        settings.setValue("FloatRightX", QString::number(frame.right() + 1));
        settings.endGroup();
    }
}

void RestoreToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars) {
    struct Placed {
        Qt::ToolBarArea area;
        int row;
        int pos;
        int order;
        QToolBar* bar;
        bool visible;
    };
    std::vector<Placed> placed;
    QSettings settings = Store();
    for (int i = 0; i < toolbars.size(); ++i) {
        QToolBar* bar = toolbars[i];
        settings.beginGroup("Toolbars/" + bar->objectName());
        if (settings.contains("DockedTo") || settings.contains("Visible")) {
            const QString dock = settings.value("DockedTo").toString();
            const bool floating = dock == "nil";
            placed.push_back({floating ? Qt::TopToolBarArea : AreaOf(dock),
                              floating ? 1000 : IntValue(settings, "DockRow", 0),
                              IntValue(settings, "DockPos", 0), i, bar,
                              IntValue(settings, "Visible", 1) != 0});
        }
        settings.endGroup();
    }
    if (placed.empty()) {
        return;
    }
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.area, a.row, a.pos, a.order) < std::tie(b.area, b.row, b.pos, b.order);
    });
    for (const Placed& p : placed) {
        window.removeToolBar(p.bar);
    }
    const Placed* previous = nullptr;
    for (const Placed& p : placed) {
        if (previous && previous->area == p.area && previous->row != p.row) {
            window.addToolBarBreak(p.area);
        }
        window.addToolBar(p.area, p.bar);
        p.bar->setVisible(p.visible);
        previous = &p;
    }
}

}  // namespace scrivlet::app
