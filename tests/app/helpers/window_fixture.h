#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace scrivlet::app {
class TMainForm;
}

namespace scrivlet::test {

// Points every QSettings of the run at a fresh temporary folder, so tests
// never read or write the user's preferences. Call before creating a window.
class SettingsSandbox {
public:
    SettingsSandbox();
    ~SettingsSandbox();
    // Removes everything stored so far.
    void Clear();
    QString Path() const { return dir_.path(); }
    // A stored value; empty QString when missing.
    QString Value(const QString& key) const;
    bool Contains(const QString& key) const;
    void SetValue(const QString& key, const QString& value);

private:
    QTemporaryDir dir_;
};

// A main window after its first show (a New project, or START opened).
std::unique_ptr<app::TMainForm> StartWindow(const QString& start = {});

// Runs ACTION on the next modal widget once it is shown (a queued call, so
// the dialog's exec() is already running).
void OnNextModal(std::function<void(QWidget*)> action);

// Bytes of a file; empty when it cannot be read.
std::string ReadBytes(const QString& path);
// LINES, each ended by CR LF: file bytes as the system writes them.
std::string Crlf(std::initializer_list<const char*> lines);
void WriteBytes(const QString& path, const std::string& bytes);

}  // namespace scrivlet::test
