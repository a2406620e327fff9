#pragma once

#include <string>
#include <vector>

#include "app/contents/pair_list_box.h"

namespace scrivlet::app {

// The help files whose keywords join the combined index (":Index" lines).
class TIndexBox : public TPairListBox {
    Q_OBJECT
public:
    TIndexBox(std::vector<std::string> lines, QWidget* parent);

protected:
    std::unique_ptr<TPairEdit> MakeEdit(const QString& title, const QString& file) override;
};

// The edit dialog of one index element: help title and help file.
class TIndexEdit : public TPairEdit {
    Q_OBJECT
public:
    TIndexEdit(const QString& title, const QString& file, QWidget* parent);
};

// The custom tabs of the contents window (":Tab" lines).
class TTabBox : public TPairListBox {
    Q_OBJECT
public:
    TTabBox(std::vector<std::string> lines, QWidget* parent);

protected:
    std::unique_ptr<TPairEdit> MakeEdit(const QString& title, const QString& file) override;
};

// The edit dialog of one tab: tab name and DLL file.
class TTabEdit : public TPairEdit {
    Q_OBJECT
public:
    TTabEdit(const QString& title, const QString& file, QWidget* parent);
};

// The help files searched by links (":Link" lines); the index files are shown
// beside them for reference.
class TCLinkBox : public TListBox {
    Q_OBJECT
public:
    TCLinkBox(std::vector<std::string> lines, const std::vector<std::string>& indexLines,
              QWidget* parent);

protected:
    std::optional<std::string> AskElement(const std::string& current, bool add) override;
};

PairTexts IndexTexts();
PairTexts TabTexts();

}  // namespace scrivlet::app
