#include "helpers/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include "app/mainform/tmainform.h"
#include "app/recovery/recovery_keeper.h"

namespace scrivlet::test {

SettingsSandbox::SettingsSandbox() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    Clear();
}

SettingsSandbox::~SettingsSandbox() = default;

void SettingsSandbox::Clear() {
    QSettings settings("Scrivlet", "Scrivlet");
    settings.clear();
    settings.sync();
    // Recovery copies left by an earlier window would be offered at start.
    QDir(app::RecoveryKeeper::Folder()).removeRecursively();
}

QString SettingsSandbox::Value(const QString& key) const {
    QSettings settings("Scrivlet", "Scrivlet");
    return settings.value(key).toString();
}

bool SettingsSandbox::Contains(const QString& key) const {
    QSettings settings("Scrivlet", "Scrivlet");
    return settings.contains(key);
}

void SettingsSandbox::SetValue(const QString& key, const QString& value) {
    QSettings settings("Scrivlet", "Scrivlet");
    settings.setValue(key, value);
    settings.sync();
}

std::unique_ptr<app::TMainForm> StartWindow(const QString& start) {
    auto form = std::make_unique<app::TMainForm>();
    if (!start.isEmpty()) {
        form->SetStartArgument(start);
    }
    form->FormShow();
    return form;
}

namespace {

void PollModal(std::function<void(QWidget*)> action, int triesLeft) {
    QTimer::singleShot(triesLeft == 500 ? 0 : 10, [action, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
        } else if (triesLeft > 0) {
            PollModal(action, triesLeft - 1);
        }
    });
}

}  // namespace

void OnNextModal(std::function<void(QWidget*)> action) {
    PollModal(std::move(action), 500);
}

std::string Crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

}  // namespace scrivlet::test
