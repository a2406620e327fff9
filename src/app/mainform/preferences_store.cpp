#include "app/mainform/preferences_store.h"

#include <QSettings>
#include <QString>

#include "core/tools/tool_list.h"
#include "core/util/install_layout.h"

namespace scrivlet::app::preferences_store {
namespace {

constexpr int kMaxRecent = 5;

QSettings Store() {
    return QSettings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
}

std::string Text(const QVariant& value) {
    return value.toString().toStdString();
}

}  // namespace

Preferences ReadSettings() {
    QSettings settings = Store();
    settings.beginGroup("Settings");
    Preferences prefs =
        ReadPreferences([&settings](const std::string& name) -> std::optional<std::string> {
            const QString key = QString::fromStdString(name);
            if (!settings.contains(key)) {
                return std::nullopt;
            }
            return Text(settings.value(key));
        });
    // A first start compiles with our own compiler, installed beside this
    // program; an author's own choice, once stored, always wins.
    if (!settings.contains("Compiler")) {
        if (const auto own = FindOwnCompiler(ProgramFolder())) {
            prefs.Compiler = own->string();
        }
    }
    return prefs;
}

void WriteSettings(const Preferences& prefs, bool maximized, bool optionsConfirmed) {
    QSettings settings = Store();
    settings.beginGroup("Settings");
    for (const auto& [name, value] : PreferencesToWrite(prefs, maximized, optionsConfirmed)) {
        settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
    }
}

std::vector<std::string> ReadRecentFiles() {
    QSettings settings = Store();
    settings.beginGroup("RecentFiles");
    std::vector<std::string> files;
    for (int i = 0; i < kMaxRecent; ++i) {
        const QString key = QStringLiteral("F%1").arg(i);
        if (settings.contains(key)) {
            files.push_back(Text(settings.value(key)));
        }
    }
    return files;
}

void WriteRecentFiles(const std::vector<std::string>& files) {
    QSettings settings = Store();
    settings.remove("RecentFiles");
    settings.beginGroup("RecentFiles");
    for (std::size_t i = 0; i < files.size(); ++i) {
        settings.setValue(QStringLiteral("F%1").arg(i), QString::fromStdString(files[i]));
    }
}

std::vector<std::string> ReadTools() {
    QSettings settings = Store();
    settings.beginGroup("Tools");
    std::vector<std::pair<std::string, std::string>> values;
    for (const QString& key : settings.childKeys()) {
        values.emplace_back(key.toStdString(), Text(settings.value(key)));
    }
    return ToolListFromValues(values);
}

void WriteTools(const std::vector<std::string>& tools) {
    QSettings settings = Store();
    settings.remove("Tools");
    settings.beginGroup("Tools");
    for (std::size_t i = 0; i < tools.size(); ++i) {
        settings.setValue(QString::fromStdString(ToolValueName(i)),
                          QString::fromStdString(tools[i]));
    }
}

}  // namespace scrivlet::app::preferences_store
